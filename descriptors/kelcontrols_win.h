// Descriptors of the controls unit's windowed layer: TWinControl with its
// action link, the two painting controls TGraphicControl and
// TCustomControl, the hint window and the control canvas.
//
// Value kinds: BevelEdges (a 1-byte set), the handles WindowHandle, Handle
// and ParentWindow, and the points and rectangles the methods take (Pos,
// DC, Rect) travel by address as in TControlClassInfo; DockClients[Index]
// and Controls[Index] are references (an index out of range raises
// EListError, as the host does). CalcHintRect leaves its rectangle in a
// scratch slot of its own.
//
// Messages:
//  * Broadcast(Message): the Value of Message must hold the address of a
//    message record (a TMessage, 16 bytes — the size of a Variant: the
//    message number in its first 4 bytes, Result in its last 8) that the
//    library handed out, for example a TkelValue<TMessage> or a record read
//    earlier. The descriptor copies that record into its Variant-sized
//    scratch slot, hands the slot to the host, and afterwards leaves the
//    slot's address in the Value: the host's Result is read there, the
//    caller's record stays as it was. Any other value (a bare message
//    number, an address the library did not hand out) raises EInvalidCast
//    before a child is asked.
//  * MouseWheelHandler(Message) and IsHintMsg(Msg) work on the record at
//    the address in the Value, in place; the record must be a whole plain
//    value the library handed out and as large as the record its message
//    number stands for (a WM_MOUSEWHEEL message is a TWMMouseWheel).
//
// Events: the twelve windowed-control events are hooked in the handler
// fields, in the order of the event list, after the control events.
//  * OnGetSiteInfo: InfluenceRect holds the address of the host's own
//    rectangle while the event is fired (MousePos that of a copy); after the
//    listeners the 16 bytes at the address the Value then holds are copied
//    into the host's rectangle, so a change the saved handler made to it
//    stays unless a listener points the Value elsewhere.
//  * OnKeyPress: Key is a one-character string; the first character of the
//    string the listeners leave goes back to the host. A listener that
//    leaves an empty string makes Key the character 0, which the host takes
//    as a key press that was consumed: no character reaches the control.
//  * OnKeyDown / OnKeyUp: Key is the 16-bit key code; 0 left by a listener
//    consumes the key (the host then neither moves the focus on Tab nor
//    handles the key further).
#pragma once

#include <string_view>

#include "descriptors/kelcontrols_control.h"
#include "descriptors/kelgraphics_objects.h"
#include "host/controls/hintwindow.h"
#include "host/controls/wincontrol.h"

namespace kel {

// Describes TWinControlActionLink: nothing of its own.
class TWinControlActionLinkClassInfo
    : public TkelDescriptor<TWinControlActionLinkClassInfo, TControlActionLinkClassInfo, host::TWinControlActionLink> {
  KEL_DESCRIPTOR(TWinControlActionLinkClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TWinControlActionLinkClassInfo() override = default;
};

// Describes TWinControl (see the top of this file).
class TWinControlClassInfo : public TkelDescriptor<TWinControlClassInfo, TControlClassInfo, host::TWinControl> {
  KEL_DESCRIPTOR(TWinControlClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::BevelEdges::psReadable..psWritable::pvProtected::0::Define::BevelInner::psReadable..psWritable::"
          "pvProtected::0::Define::BevelOuter::psReadable..psWritable::pvProtected::0::Define::BevelKind::"
          "psReadable..psWritable::pvProtected::0::Define::BevelWidth::psReadable..psWritable::pvProtected::0::"
          "Define::BorderWidth::psReadable..psWritable::pvProtected::0::Define::Ctl3D::psReadable..psWritable::"
          "pvProtected::0::Define::DefWndProc::psReadable..psWritable::pvProtected::0::Define::DockSite::"
          "psReadable..psWritable::pvProtected::0::Define::DockManager::psReadable..psWritable::pvProtected::0::"
          "Define::ImeMode::psReadable..psWritable::pvProtected::0::Define::ImeName::psReadable..psWritable::"
          "pvProtected::0::Define::ParentCtl3D::psReadable..psWritable::pvProtected::0::Define::UseDockManager::"
          "psReadable..psWritable::pvProtected::0::Define::WheelAccumulator::psReadable..psWritable::pvProtected::0::"
          "Define::WindowHandle::psReadable..psWritable::pvProtected::0::Define::DockClientCount::psReadable::"
          "pvPublic::0::Define::DockClients::psReadable..psIndexed::pvPublic::1::Index::Define::DoubleBuffered::"
          "psReadable..psWritable::pvPublic::0::Define::Brush::psReadable::pvPublic::0::Define::Controls::"
          "psReadable..psIndexed::pvPublic::1::Index::Define::ControlCount::psReadable::pvPublic::0::Define::Handle::"
          "psReadable::pvPublic::0::Define::ParentWindow::psReadable..psWritable::pvPublic::0::Define::Showing::"
          "psReadable::pvPublic::0::Define::TabOrder::psReadable..psWritable::pvPublic::0::Define::TabStop::"
          "psReadable..psWritable::pvPublic::0::Define::HelpContext::psReadable..psWritable::pvPublished::0",
      .Methods =
          "CreateParentedControl::msFunction::1::ParentWindow::Broadcast::msProcedure::1::Message::CanFocus::"
          "msFunction::0::ContainsControl::msFunction::1::Control::ControlAtPos::msFunction::2::Pos::AllowDisabled::"
          "DisableAlign::msProcedure::0::DockDrop::msProcedure::3::Source::X::Y::EnableAlign::msProcedure::0::"
          "FindChildControl::msFunction::1::ControlName::FlipChildren::msProcedure::1::AllLevels::Focused::"
          "msFunction::0::GetTabOrderList::msProcedure::1::List::HandleAllocated::msFunction::0::HandleNeeded::"
          "msProcedure::0::InsertControl::msProcedure::1::AControl::MouseWheelHandler::msProcedure::1::Message::"
          "PaintTo::msProcedure::3::DC::X::Y::RemoveControl::msProcedure::1::AControl::Realign::msProcedure::0::"
          "ScaleBy::msProcedure::2::M::D::ScrollBy::msProcedure::2::DeltaX::DeltaY::SetFocus::msProcedure::0::"
          "UpdateControlState::msProcedure::0",
      .Constructors = "CreateParented::1::ParentWindow",
      .Events =
          "Define::OnDockDrop::pvProtected::4::Sender::Source::X::Y::Define::OnDockOver::pvProtected::6::Sender::"
          "Source::X::Y::State::Accept::Define::OnEnter::pvProtected::1::Sender::Define::OnExit::pvProtected::1::"
          "Sender::Define::OnGetSiteInfo::pvProtected::5::Sender::DockClient::InfluenceRect::MousePos::CanDock::"
          "Define::OnKeyDown::pvProtected::3::Sender::Key::Shift::Define::OnKeyPress::pvProtected::2::Sender::Key::"
          "Define::OnKeyUp::pvProtected::3::Sender::Key::Shift::Define::OnMouseWheel::pvProtected::5::Sender::Shift::"
          "WheelDelta::MousePos::Handled::Define::OnMouseWheelDown::pvProtected::4::Sender::Shift::MousePos::"
          "Handled::Define::OnMouseWheelUp::pvProtected::4::Sender::Shift::MousePos::Handled::Define::OnUnDock::"
          "pvProtected::4::Sender::Client::NewTarget::Allow",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TWinControlClassInfo() override = default;
};

// The feature both painting controls add: the canvas they paint on.
inline constexpr std::string_view kelCanvasText = "Define::Canvas::psReadable::pvProtected::0";

// Describes TGraphicControl: its canvas, as a reference.
class TGraphicControlClassInfo
    : public TkelDescriptor<TGraphicControlClassInfo, TControlClassInfo, host::TGraphicControl> {
  KEL_DESCRIPTOR(TGraphicControlClassInfo)
  static constexpr TkelTexts Texts{.Properties = kelCanvasText};
  static void MapFeatures(Map& m) { m.Prop("Canvas", &host::TGraphicControl::GetCanvas); }

 protected:
  ~TGraphicControlClassInfo() override = default;
};

// Describes TCustomControl: its canvas, as a reference.
class TCustomControlClassInfo
    : public TkelDescriptor<TCustomControlClassInfo, TWinControlClassInfo, host::TCustomControl> {
  KEL_DESCRIPTOR(TCustomControlClassInfo)
  static constexpr TkelTexts Texts{.Properties = kelCanvasText};
  static void MapFeatures(Map& m) { m.Prop("Canvas", &host::TCustomControl::GetCanvas); }

 protected:
  ~TCustomControlClassInfo() override = default;
};

// Describes THintWindow: BiDiMode, Caption, Color and Canvas made public;
// the hint rectangles by address, AData an untyped pointer the host passes
// on without reading through it.
class THintWindowClassInfo : public TkelDescriptor<THintWindowClassInfo, TCustomControlClassInfo, host::THintWindow> {
  KEL_DESCRIPTOR(THintWindowClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::BiDiMode::::pvPublic::Override::Caption::::pvPublic::Override::Color::::pvPublic::Override::"
          "Canvas::::pvPublic",
      .Methods =
          "ActivateHint::msProcedure::2::Rect::AHint::ActivateHintData::msProcedure::3::Rect::AHint::AData::"
          "CalcHintRect::msFunction::3::MaxWidth::AHint::AData::IsHintMsg::msFunction::1::Msg::ReleaseHandle::"
          "msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~THintWindowClassInfo() override = default;
};

// Describes TControlCanvas: the control it draws on, and giving back its
// device context.
class TControlCanvasClassInfo : public TkelDescriptor<TControlCanvasClassInfo, TCanvasClassInfo, host::TControlCanvas> {
  KEL_DESCRIPTOR(TControlCanvasClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Control::psReadable..psWritable::pvPublic::0",
      .Methods = "FreeHandle::msProcedure::0::UpdateTextFlags::msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TControlCanvasClassInfo() override = default;
};

}  // namespace kel
