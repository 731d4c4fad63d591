// Descriptors of the controls unit's base layer: the control action link,
// size constraints and TControl, the class every control descriptor of the
// library derives from.
//
// Value kinds (kelconvert.h): the sets ScalingFlags, Anchors, ControlState
// and ControlStyle (1, 1, 2 and 4 bytes), the rectangles BoundsRect and
// ClientRect and the point ClientOrigin travel as the address of a copy in
// the descriptor's scratch storage, one slot per property, overwritten by
// each read; ClientToScreen and ScreenToClient take their point by address
// and leave their results in a slot of their own. WindowText is the address
// of a copy of the text the descriptor keeps (see TkelWindowText); the text
// itself travels as Caption and Text. Enumerations refuse ordinals outside
// their range, and FloatingDockSiteClass takes only windowed control classes.
//
// Events: the fourteen control events are hooked in the control's handler
// fields, in the order of the event list; var parameters (NewWidth,
// NewHeight, Resize, the four limits of OnConstrainedResize, Accept,
// DragObject) are written back from the records after the listeners ran,
// all converted before any of them is assigned.
#pragma once

#include <string>

#include "descriptors/kelactnlist.h"
#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"
#include "host/controls/control.h"
#include "host/controls/dragdock.h"

namespace kel {

// Describes TControlActionLink: nothing of its own.
class TControlActionLinkClassInfo
    : public TkelDescriptor<TControlActionLinkClassInfo, TActionLinkClassInfo, host::TControlActionLink> {
  KEL_DESCRIPTOR(TControlActionLinkClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TControlActionLinkClassInfo() override = default;
};

// Describes TSizeConstraints: the four limits (negative ones are refused by
// the host, unchanged); OnChange hooked in the handler field.
class TSizeConstraintsClassInfo
    : public TkelDescriptor<TSizeConstraintsClassInfo, TPersistentClassInfo, host::TSizeConstraints> {
  KEL_DESCRIPTOR(TSizeConstraintsClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Control::psReadable::pvProtected::0::Define::MaxHeight::psReadable..psWritable::pvPublished::0::"
          "Define::MaxWidth::psReadable..psWritable::pvPublished::0::Define::MinHeight::psReadable..psWritable::"
          "pvPublished::0::Define::MinWidth::psReadable..psWritable::pvPublished::0",
      .Constructors = "Create::1::Control",
      .Events = "Define::OnChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TSizeConstraintsClassInfo() override = default;
};

// A copy of a control's text whose address a WindowText read hands out: the
// address stays valid, and is accepted by a WindowText write of any
// control, until the same descriptor reads WindowText again or goes away.
// Other addresses are refused, so no number is ever read as a text.
class TkelWindowText {
 public:
  TkelWindowText() = default;
  TkelWindowText(const TkelWindowText&) = delete;
  TkelWindowText& operator=(const TkelWindowText&) = delete;
  ~TkelWindowText() { Forget(); }

  // Holds `text` and returns the address of its first character.
  const char* Hold(std::string text);
  // The text held at `address`: empty for 0, EInvalidCast for an address
  // that is no held text.
  static std::string TextAt(const void* address);

 private:
  void Forget() noexcept;
  std::string FText;
  bool FHeld = false;
};

// Describes TControl (see the top of this file).
class TControlClassInfo : public TkelDescriptor<TControlClassInfo, TComponentClassInfo, host::TControl> {
  KEL_DESCRIPTOR(TControlClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActionLink::psReadable..psWritable::pvProtected::0::Define::AutoSize::psReadable..psWritable::"
          "pvProtected::0::Define::Caption::psReadable..psWritable::pvProtected::0::Define::Color::"
          "psReadable..psWritable::pvProtected::0::Define::DesktopFont::psReadable..psWritable::pvProtected::0::"
          "Define::DragKind::psReadable..psWritable::pvProtected::0::Define::DragCursor::psReadable..psWritable::"
          "pvProtected::0::Define::DragMode::psReadable..psWritable::pvProtected::0::Define::Font::"
          "psReadable..psWritable::pvProtected::0::Define::IsControl::psReadable..psWritable::pvProtected::0::"
          "Define::MouseCapture::psReadable..psWritable::pvProtected::0::Define::ParentBiDiMode::"
          "psReadable..psWritable::pvProtected::0::Define::ParentColor::psReadable..psWritable::pvProtected::0::"
          "Define::ParentFont::psReadable..psWritable::pvProtected::0::Define::ParentShowHint::"
          "psReadable..psWritable::pvProtected::0::Define::PopupMenu::psReadable..psWritable::pvProtected::0::"
          "Define::ScalingFlags::psReadable..psWritable::pvProtected::0::Define::Text::psReadable..psWritable::"
          "pvProtected::0::Define::WindowText::psReadable..psWritable::pvProtected::0::Define::Enabled::"
          "psReadable..psWritable::pvPublic::0::Define::Action::psReadable..psWritable::pvPublic::0::Define::Align::"
          "psReadable..psWritable::pvPublic::0::Define::Anchors::psReadable..psWritable::pvPublic::0::Define::"
          "BiDiMode::psReadable..psWritable::pvPublic::0::Define::BoundsRect::psReadable..psWritable::pvPublic::0::"
          "Define::ClientHeight::psReadable..psWritable::pvPublic::0::Define::ClientOrigin::psReadable::pvPublic::0::"
          "Define::ClientRect::psReadable::pvPublic::0::Define::ClientWidth::psReadable..psWritable::pvPublic::0::"
          "Define::Constraints::psReadable..psWritable::pvPublic::0::Define::ControlState::psReadable..psWritable::"
          "pvPublic::0::Define::ControlStyle::psReadable..psWritable::pvPublic::0::Define::DockOrientation::"
          "psReadable..psWritable::pvPublic::0::Define::Floating::psReadable::pvPublic::0::Define::"
          "FloatingDockSiteClass::psReadable..psWritable::pvPublic::0::Define::HostDockSite::psReadable..psWritable::"
          "pvPublic::0::Define::LRDockWidth::psReadable..psWritable::pvPublic::0::Define::Parent::"
          "psReadable..psWritable::pvPublic::0::Define::ShowHint::psReadable..psWritable::pvPublic::0::Define::"
          "TBDockHeight::psReadable..psWritable::pvPublic::0::Define::UndockHeight::psReadable..psWritable::"
          "pvPublic::0::Define::UndockWidth::psReadable..psWritable::pvPublic::0::Define::Visible::"
          "psReadable..psWritable::pvPublic::0::Define::Left::psReadable..psWritable::pvPublished::0::Define::Top::"
          "psReadable..psWritable::pvPublished::0::Define::Width::psReadable..psWritable::pvPublished::0::Define::"
          "Height::psReadable..psWritable::pvPublished::0::Define::Cursor::psReadable..psWritable::pvPublished::0::"
          "Define::Hint::psReadable..psWritable::pvPublished::0",
      .Methods =
          "BeginDrag::msProcedure::2::Immediate::Threshold::BringToFront::msProcedure::0::ClientToScreen::"
          "msFunction::1::Point::Dock::msProcedure::2::NewDockSite::ARect::Dragging::msFunction::0::DragDrop::"
          "msProcedure::3::Source::X::Y::DrawTextBiDiModeFlags::msFunction::1::Flags::"
          "DrawTextBiDiModeFlagsReadingOnly::msFunction::0::EndDrag::msProcedure::1::Drop::GetControlsAlignment::"
          "msFunction::0::GetTextBuf::msFunction::2::Buffer::BufSize::GetTextLen::msFunction::0::Hide::msProcedure::"
          "0::InitiateAction::msProcedure::0::Invalidate::msProcedure::0::IsRightToLeft::msFunction::0::ManualDock::"
          "msFunction::3::NewDockSite::DropControl::ControlSide::ManualFloat::msFunction::1::ScreenPos::Perform::"
          "msFunction::3::Msg::WParam::LParam::Refresh::msProcedure::0::Repaint::msProcedure::0::"
          "ReplaceDockedControl::msFunction::4::Control::NewDockSite::DropControl::ControlSide::ScreenToClient::"
          "msFunction::1::Point::SendToBack::msProcedure::0::SetBounds::msProcedure::4::ALeft::ATop::AWidth::"
          "AHeight::SetTextBuf::msProcedure::1::Buffer::Show::msProcedure::0::Update::msProcedure::0::"
          "UseRightToLeftAlignment::msFunction::0::UseRightToLeftReading::msFunction::0::UseRightToLeftScrollBar::"
          "msFunction::0",
      .Events =
          "Define::OnCanResize::pvProtected::4::Sender::NewWidth::NewHeight::Resize::Define::OnConstrainedResize::"
          "pvProtected::5::Sender::MinWidth::MinHeight::MaxWidth::MaxHeight::Define::OnClick::pvProtected::1::"
          "Sender::Define::OnDblClick::pvProtected::1::Sender::Define::OnDragDrop::pvProtected::4::Sender::Source::"
          "X::Y::Define::OnDragOver::pvProtected::6::Sender::Source::X::Y::State::Accept::Define::OnEndDock::"
          "pvProtected::4::Sender::Target::X::Y::Define::OnEndDrag::pvProtected::4::Sender::Target::X::Y::Define::"
          "OnMouseDown::pvProtected::5::Sender::Button::Shift::X::Y::Define::OnMouseMove::pvProtected::4::Sender::"
          "Shift::X::Y::Define::OnMouseUp::pvProtected::5::Sender::Button::Shift::X::Y::Define::OnResize::"
          "pvProtected::1::Sender::Define::OnStartDock::pvProtected::2::Sender::DragObject::Define::OnStartDrag::"
          "pvProtected::2::Sender::DragObject",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TControlClassInfo() override = default;
};

}  // namespace kel
