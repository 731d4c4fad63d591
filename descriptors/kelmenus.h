// Descriptors of the host's menu unit: TMenuActionLink, TMenuItem, TMenu,
// TMainMenu and TPopupMenu.
//
// Menu and item Handle and the menu's WindowHandle (32-bit handles) travel
// as the address of a copy in the descriptor's scratch storage, as do the
// handles DispatchPopup and SetOle2MenuHandle take. IsShortCut and
// ProcessMenuChar take their message by its address and let the host
// change it there. OnDrawItem hands the listeners the address of a copy of
// the item's rectangle; OnMeasureItem takes back Width and Height.
#pragma once

#include "descriptors/kelactnlist.h"
#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"
#include "host/menus/menus.h"

namespace kel {

// Describes TMenuActionLink: nothing of its own.
class TMenuActionLinkClassInfo
    : public TkelDescriptor<TMenuActionLinkClassInfo, TActionLinkClassInfo, host::TMenuActionLink> {
  KEL_DESCRIPTOR(TMenuActionLinkClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TMenuActionLinkClassInfo() override = default;
};

// Describes TMenuItem: Items[Index] and Parent as references; OnClick,
// OnDrawItem and OnMeasureItem hooked in the item's handler fields.
class TMenuItemClassInfo : public TkelDescriptor<TMenuItemClassInfo, TComponentClassInfo, host::TMenuItem> {
  KEL_DESCRIPTOR(TMenuItemClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActionLink::psReadable..psWritable::pvProtected::0::Define::Command::psReadable::pvPublic::0::"
          "Define::Handle::psReadable::pvPublic::0::Define::Count::psReadable::pvPublic::0::Define::Items::"
          "psReadable..psIndexed::pvPublic::1::Index::Define::MenuIndex::psReadable..psWritable::pvPublic::0::"
          "Define::Parent::psReadable::pvPublic::0::Define::Action::psReadable..psWritable::pvPublished::0::"
          "Define::Bitmap::psReadable..psWritable::pvPublished::0::Define::Break::psReadable..psWritable::"
          "pvPublished::0::Define::Caption::psReadable..psWritable::pvPublished::0::Define::Checked::psReadable.."
          "psWritable::pvPublished::0::Define::Default::psReadable..psWritable::pvPublished::0::Define::Enabled::"
          "psReadable..psWritable::pvPublished::0::Define::GroupIndex::psReadable..psWritable::pvPublished::0::"
          "Define::HelpContext::psReadable..psWritable::pvPublished::0::Define::Hint::psReadable..psWritable::"
          "pvPublished::0::Define::ImageIndex::psReadable..psWritable::pvPublished::0::Define::RadioItem::"
          "psReadable..psWritable::pvPublished::0::Define::ShortCut::psReadable..psWritable::pvPublished::0::"
          "Define::Visible::psReadable..psWritable::pvPublished::0",
      .Methods =
          "InitiateAction::msProcedure::0::Insert::msProcedure::2::Index::Item::Delete::msProcedure::1::Index::"
          "Click::msProcedure::0::IndexOf::msFunction::1::Item::GetParentMenu::msFunction::0::Add::msProcedure::"
          "1::Item::Remove::msProcedure::1::Item",
      .Events =
          "Define::OnClick::pvPublished::1::Sender::Define::OnDrawItem::pvPublished::4::Sender::ACanvas::ARect::"
          "Selected::Define::OnMeasureItem::pvPublished::4::Sender::ACanvas::Width::Height",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMenuItemClassInfo() override = default;
};

// Describes TMenu: Items (the root item) and the results of FindItem as
// references; OnChange hooked in the menu's handler field.
class TMenuClassInfo : public TkelDescriptor<TMenuClassInfo, TComponentClassInfo, host::TMenu> {
  KEL_DESCRIPTOR(TMenuClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Images::psReadable..psWritable::pvPublic::0::Define::BiDiMode::psReadable..psWritable::"
          "pvPublic::0::Define::Handle::psReadable::pvPublic::0::Define::OwnerDraw::psReadable..psWritable::"
          "pvPublic::0::Define::ParentBiDiMode::psReadable..psWritable::pvPublic::0::Define::WindowHandle::"
          "psReadable..psWritable::pvPublic::0::Define::Items::psReadable::pvPublished::0",
      .Methods =
          "DispatchCommand::msFunction::1::ACommand::DispatchPopup::msFunction::1::AHandle::FindItem::msFunction::"
          "2::Value::Kind::GetHelpContext::msFunction::2::Value::ByCommand::IsRightToLeft::msFunction::0::"
          "IsShortCut::msFunction::1::Message::ProcessMenuChar::msProcedure::1::Message",
      .Events = "Define::OnChange::pvProtected::3::Sender::Source::Rebuild",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMenuClassInfo() override = default;
};

// Describes TMainMenu: AutoMerge, merging and the menu of an embedded server.
class TMainMenuClassInfo : public TkelDescriptor<TMainMenuClassInfo, TMenuClassInfo, host::TMainMenu> {
  KEL_DESCRIPTOR(TMainMenuClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::AutoMerge::psReadable..psWritable::pvPublished::0::Override::BiDiMode::::pvPublished::Override::"
          "Images::::pvPublished::Override::OwnerDraw::::pvPublished::Override::ParentBiDiMode::::pvPublished",
      .Methods =
          "Merge::msProcedure::1::Menu::Unmerge::msProcedure::1::Menu::SetOle2MenuHandle::msProcedure::1::Handle",
      .Events = "Override::OnChange::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMainMenuClassInfo() override = default;
};

// Describes TPopupMenu: PopupComponent as a reference; Alignment and
// TrackButton refuse ordinals outside their enumerations; OnPopup hooked in
// the menu's handler field.
class TPopupMenuClassInfo : public TkelDescriptor<TPopupMenuClassInfo, TMenuClassInfo, host::TPopupMenu> {
  KEL_DESCRIPTOR(TPopupMenuClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::PopupComponent::psReadable..psWritable::pvPublic::0::Define::TrackButton::psReadable.."
          "psWritable::pvPublic::0::Define::Alignment::psReadable..psWritable::pvPublished::0::Define::AutoPopup::"
          "psReadable..psWritable::pvPublished::0::Override::BiDiMode::::pvPublished::Define::HelpContext::"
          "psReadable..psWritable::pvPublished::0::Override::Images::::pvPublished::Override::OwnerDraw::::"
          "pvPublished::Override::ParentBiDiMode::::pvPublished",
      .Methods = "Popup::msProcedure::2::X::Y",
      .Events = "Override::OnChange::pvPublished::Define::OnPopup::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TPopupMenuClassInfo() override = default;
};

// The unit's descriptors, in the library's order.
using TkelMenusDescriptors = TkelDescriptorList<TMenuActionLinkClassInfo, TMenuItemClassInfo, TMenuClassInfo,
                                                TMainMenuClassInfo, TPopupMenuClassInfo>;

namespace kelmenus {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kelmenus
}  // namespace kel
