// The menu descriptors: menu action links, menu items, menus, main menus and
// pop-up menus.
#include "descriptors/kelmenus.h"

#include "descriptors/kelinplace.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TMenuActionLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TMenuItemClassInfo)
KEL_DESCRIPTOR_IMPL(TMenuClassInfo)
KEL_DESCRIPTOR_IMPL(TMainMenuClassInfo)
KEL_DESCRIPTOR_IMPL(TPopupMenuClassInfo)

using host::TMainMenu;
using host::TMenu;
using host::TMenuItem;
using host::TPopupMenu;

void TMenuItemClassInfo::MapFeatures(Map& m) {
  using I = TMenuItem;
  m.Prop("ActionLink", &I::GetActionLink, &I::SetActionLink)
      .Prop("Command", &I::GetCommand)
      .Prop("Handle", &I::GetHandle)  // by address
      .Prop("Count", &I::GetCount)
      .Indexed("Items", &I::GetItems)
      .Prop("MenuIndex", &I::GetMenuIndex, &I::SetMenuIndex)
      .Prop("Parent", &I::GetParent)
      .Prop("Action", &I::GetAction, &I::SetAction)
      .Prop("Bitmap", &I::GetBitmap, &I::SetBitmap)
      .Prop("Break", &I::GetBreak, OrdinalSetter(&I::SetBreak, host::mbBarBreak, "Break"))
      .Prop("Caption", &I::GetCaption, &I::SetCaption)
      .Prop("Checked", &I::GetChecked, &I::SetChecked)
      .Prop("Default", &I::GetDefault, &I::SetDefault)
      .Prop("Enabled", &I::GetEnabled, &I::SetEnabled)
      .Prop("GroupIndex", &I::GetGroupIndex, &I::SetGroupIndex)
      .Prop("HelpContext", &I::GetHelpContext, &I::SetHelpContext)
      .Prop("Hint", &I::GetHint, &I::SetHint)
      .Prop("ImageIndex", &I::GetImageIndex, &I::SetImageIndex)
      .Prop("RadioItem", &I::GetRadioItem, &I::SetRadioItem)
      .Prop("ShortCut", &I::GetShortCut, &I::SetShortCut)
      .Prop("Visible", &I::GetVisible, &I::SetVisible);
  m.Method("InitiateAction", &I::InitiateAction)
      .Method("Insert", &I::Insert)
      .Method("Delete", &I::Delete)
      .Method("Click", &I::Click)
      .Method("IndexOf", &I::IndexOf)
      .Method("GetParentMenu", &I::GetParentMenu)  // a reference
      .Method("Add", &I::Add)
      .Method("Remove", &I::Remove);
  m.Event("OnClick", &I::OnClick)
      .Event("OnDrawItem", &I::OnDrawItem)         // ARect: the address of the hook's copy
      .Event("OnMeasureItem", &I::OnMeasureItem);  // Width and Height written back
}

void TMenuClassInfo::MapFeatures(Map& m) {
  m.Prop("Images", &TMenu::GetImages, &TMenu::SetImages)
      .Prop("BiDiMode", &TMenu::GetBiDiMode,
            OrdinalSetter(&TMenu::SetBiDiMode, host::bdRightToLeftReadingOnly, "BiDiMode"))
      .Prop("Handle", &TMenu::GetHandle)  // by address
      .Prop("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw)
      .Prop("ParentBiDiMode", &TMenu::GetParentBiDiMode, &TMenu::SetParentBiDiMode)
      .Prop("WindowHandle", &TMenu::GetWindowHandle, &TMenu::SetWindowHandle)  // by address
      .Prop("Items", &TMenu::GetItems);
  m.Method("DispatchCommand", &TMenu::DispatchCommand)
      .Method("DispatchPopup", &TMenu::DispatchPopup)  // AHandle by address
      .Method("FindItem", &TMenu::FindItem)            // a reference
      .Method("GetHelpContext", &TMenu::GetHelpContext)
      .Method("IsRightToLeft", &TMenu::IsRightToLeft)
      .MethodRaw("IsShortCut", InPlace(&TMenu::IsShortCut))
      .MethodRaw("ProcessMenuChar", InPlace(&TMenu::ProcessMenuChar));
  m.Event("OnChange", &TMenu::OnChange);
}

void TMainMenuClassInfo::MapFeatures(Map& m) {
  m.Prop("AutoMerge", &TMainMenu::GetAutoMerge, &TMainMenu::SetAutoMerge);
  m.Method("Merge", &TMainMenu::Merge)
      .Method("Unmerge", &TMainMenu::Unmerge)
      .Method("SetOle2MenuHandle", &TMainMenu::SetOle2MenuHandle);  // Handle by address
}

void TPopupMenuClassInfo::MapFeatures(Map& m) {
  using P = TPopupMenu;
  m.Prop("PopupComponent", &P::GetPopupComponent, &P::SetPopupComponent)
      .Prop("TrackButton", &P::GetTrackButton, OrdinalSetter(&P::SetTrackButton, host::tbLeftButton, "TrackButton"))
      .Prop("Alignment", &P::GetAlignment, OrdinalSetter(&P::SetAlignment, host::paCenter, "Alignment"))
      .Prop("AutoPopup", &P::GetAutoPopup, &P::SetAutoPopup)
      .Prop("HelpContext", &P::GetHelpContext, &P::SetHelpContext);
  m.Method("Popup", &P::Popup);
  m.Event("OnPopup", &P::OnPopup);
}

namespace kelmenus {

void Initialize() { kelRegisterDescriptors<TkelMenusDescriptors>(); }

void Finalize() {}

}  // namespace kelmenus
}  // namespace kel
