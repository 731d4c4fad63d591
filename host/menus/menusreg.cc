// Start-up and shutdown of the menus unit: the published properties of
// menu items and menus and their streamable classes.
#include "host/graphics/bitmap.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"

namespace host {

namespace {

int menusClassesCount = 0;

constexpr TClass kOwnClasses[] = {&TMenuItem::StaticMetaClass, &TMainMenu::StaticMetaClass,
                                  &TPopupMenu::StaticMetaClass, &TMenu::StaticMetaClass};

void RegisterItemProperties() {
  using I = TMenuItem;
  RegisterProperties(
      &TMenuItem::StaticMetaClass,
      {
          Prop<&I::GetAction, &I::SetAction>("Action"),
          Prop<&I::GetAutoCheck, &I::SetAutoCheck>("AutoCheck").Default(false),
          Prop<&I::GetBitmap, &I::SetBitmap>("Bitmap").StoredBy<&I::IsBitmapStored>(),
          Prop<&I::GetBreak, &I::SetBreak>("Break").Default(mbNone),
          Prop<&I::GetCaption, &I::SetCaption>("Caption").StoredBy<&I::IsCaptionStored>(),
          Prop<&I::GetChecked, &I::SetChecked>("Checked").Default(false).StoredBy<&I::IsCheckedStored>(),
          Prop<&I::GetDefault, &I::SetDefault>("Default").Default(false),
          Prop<&I::GetEnabled, &I::SetEnabled>("Enabled").Default(true).StoredBy<&I::IsEnabledStored>(),
          Prop<&I::GetGroupIndex, &I::SetGroupIndex>("GroupIndex").Default(0),
          Prop<&I::GetHelpContext, &I::SetHelpContext>("HelpContext").Default(0).StoredBy<&I::IsHelpContextStored>(),
          Prop<&I::GetHint, &I::SetHint>("Hint").StoredBy<&I::IsHintStored>(),
          Prop<&I::GetImageIndex, &I::SetImageIndex>("ImageIndex").Default(-1).StoredBy<&I::IsImageIndexStored>(),
          Prop<&I::GetRadioItem, &I::SetRadioItem>("RadioItem").Default(false),
          Prop<&I::GetShortCut, &I::SetShortCut>("ShortCut").Default(scNone).StoredBy<&I::IsShortCutStored>(),
          Prop<&I::GetVisible, &I::SetVisible>("Visible").Default(true).StoredBy<&I::IsVisibleStored>(),
      });
}

void RegisterMenuProperties() {
  using P = TPopupMenu;
  RegisterProperties(&TMenu::StaticMetaClass,
                     {
                         Prop<&TMenu::GetImages, &TMenu::SetImages>("Images"),
                         Prop<&TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw>("OwnerDraw").Default(false),
                     });
  RegisterProperties(&TMainMenu::StaticMetaClass,
                     {Prop<&TMainMenu::GetAutoMerge, &TMainMenu::SetAutoMerge>("AutoMerge").Default(false)});
  RegisterProperties(&TPopupMenu::StaticMetaClass,
                     {
                         Prop<&P::GetAlignment, &P::SetAlignment>("Alignment").Default(paLeft),
                         Prop<&P::GetAutoPopup, &P::SetAutoPopup>("AutoPopup").Default(true),
                         Prop<&P::GetHelpContext, &P::SetHelpContext>("HelpContext").Default(0),
                         Prop<&P::GetTrackButton, &P::SetTrackButton>("TrackButton").Default(tbRightButton),
                     });
}

}  // namespace

void RegisterMenusClasses() {
  if (menusClassesCount++ > 0) return;
  RegisterItemProperties();
  RegisterMenuProperties();
  RegisterClasses({&TMenuItem::StaticMetaClass, &TMainMenu::StaticMetaClass, &TPopupMenu::StaticMetaClass});
}

void UnregisterMenusClasses() {
  if (menusClassesCount == 0 || --menusClassesCount > 0) return;
  for (TClass c : kOwnClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
}

std::span<const TClass> MenusClasses() {
  static constexpr TClass kClasses[] = {&TMenuItem::StaticMetaClass, &TMenuActionLink::StaticMetaClass,
                                        &TMenu::StaticMetaClass, &TMainMenu::StaticMetaClass,
                                        &TPopupMenu::StaticMetaClass};
  return kClasses;
}

}  // namespace host
