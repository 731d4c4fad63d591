// TControl: messages (Perform, Dispatch, WndProc), mouse input with clicks
// and capture, and the drag events a control answers.
#include <algorithm>
#include <utility>

#include "host/controls/control.h"
#include "host/controls/designfilter.h"
#include "host/controls/dragdock.h"
#include "host/controls/wincontrol.h"
#include "host/menus/menu.h"
#include "host/widgetset/widgetset.h"

namespace host {

namespace {

TControl* g_captureControl = nullptr;

bool IsMouseMessage(uint32_t Msg) { return Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK; }
bool IsKeyMessage(uint32_t Msg) { return Msg >= WM_KEYDOWN && Msg <= WM_SYSCHAR; }

int32_t LowWord(int64_t Value) { return static_cast<int16_t>(Value & 0xFFFF); }
int32_t HighWord(int64_t Value) { return static_cast<int16_t>((Value >> 16) & 0xFFFF); }

// The record a message number travels in, built from the classic two
// parameters.
template <class R>
int64_t Deliver(TControl& Control, R& Record) {
  Control.WndProc(Record);
  return Record.Result;
}

}  // namespace

TShiftState KeysToShiftState(uint32_t Keys) {
  TShiftState shift;
  if (Keys & MK_SHIFT) shift.Include(ssShift);
  if (Keys & MK_CONTROL) shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) shift.Include(ssRight);
  if (Keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (TWSWindows* windows = RunningWindows(); windows && windows->GetShiftState().Contains(ssAlt)) shift.Include(ssAlt);
  return shift;
}

TControl* GetCaptureControl() { return g_captureControl; }

void SetCaptureControl(TControl* Control) {
  g_captureControl = Control;
  TWSWindows* windows = RunningWindows();
  if (!windows) return;
  if (!Control) {
    windows->ReleaseCapture();
    return;
  }
  // A graphic control captures through its parent's window.
  TControl* holder = Control;
  while (holder && !dynamic_cast<TWinControl*>(holder)) holder = holder->GetParent();
  if (auto* win = static_cast<TWinControl*>(holder); win && win->HandleAllocated()) windows->SetCapture(win->GetWindowHandle());
}

// ---------------------------------------------------------------- messages

int64_t TControl::Perform(uint32_t Msg, int64_t WParam, int64_t LParam) {
  if (IsMouseMessage(Msg)) {
    TWMMouse m;
    m.Msg = Msg;
    m.Keys = static_cast<uint32_t>(WParam);
    m.XPos = LowWord(LParam);
    m.YPos = HighWord(LParam);
    return Deliver(*this, m);
  }
  if (IsKeyMessage(Msg)) {
    TWMKey m;
    m.Msg = Msg;
    m.CharCode = static_cast<uint16_t>(WParam);
    m.KeyData = static_cast<int32_t>(LParam);
    if (TWSWindows* windows = RunningWindows()) m.ShiftState = windows->GetShiftState();
    return Deliver(*this, m);
  }
  switch (Msg) {
    case WM_MOUSEWHEEL: {
      TWMMouseWheel m;
      m.Keys = static_cast<uint32_t>(WParam & 0xFFFF);
      m.WheelDelta = HighWord(WParam);
      m.XPos = LowWord(LParam);
      m.YPos = HighWord(LParam);
      return Deliver(*this, m);
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      TWMSetFocus m;
      m.Msg = Msg;
      m.FocusedWnd = static_cast<THandle>(WParam);
      return Deliver(*this, m);
    }
    case WM_PAINT: {
      TWMPaint m;
      m.DC = static_cast<HDC>(WParam);
      m.UpdateRect = GetClientRect();
      return Deliver(*this, m);
    }
    case WM_SIZE: {
      TWMSize m;
      m.Width = LowWord(LParam);
      m.Height = HighWord(LParam);
      return Deliver(*this, m);
    }
    case WM_MOVE: {
      TWMMove m;
      m.XPos = LowWord(LParam);
      m.YPos = HighWord(LParam);
      return Deliver(*this, m);
    }
    case WM_COMMAND: {
      TWMCommand m;
      m.ItemID = static_cast<uint16_t>(WParam & 0xFFFF);
      m.NotifyCode = static_cast<uint16_t>((WParam >> 16) & 0xFFFF);
      m.Ctl = static_cast<THandle>(LParam);
      return Deliver(*this, m);
    }
    default: {
      TWMGeneric m(Msg, WParam, LParam);
      return Deliver(*this, m);
    }
  }
}

TApplicationHandleMessage ApplicationHandleMessage = nullptr;

namespace {
TDesignMessageFilter g_designFilter = nullptr;
}  // namespace

TDesignMessageFilter SetDesignMessageFilter(TDesignMessageFilter Filter) {
  return std::exchange(g_designFilter, Filter);
}

void TControl::Dispatch(void* Message) {
  if (g_designFilter && GetComponentState().Contains(csDesigning) &&
      g_designFilter(this, *static_cast<TMessage*>(Message)))
    return;
  if (ApplicationHandleMessage)
    ApplicationHandleMessage(this, *static_cast<TMessage*>(Message));
  else
    WndProc(*static_cast<TMessage*>(Message));
}

void TControl::WndProc(TMessage& Message) {
  if (DragControl() == this && DragMessage(this, Message)) return;
  if (IsMouseMessage(Message.Msg) && Message.Msg != WM_MOUSEMOVE && FDragMode == dmAutomatic &&
      (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) &&
      !GetComponentState().Contains(csDesigning) && !Dragging()) {
    BeginDrag(false);
    return;
  }
  if (HandleMouseMessage(Message)) return;
  HandleControlMessage(Message);
}

bool TControl::HandleControlMessage(TMessage& Message) {
  switch (Message.Msg) {
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      Invalidate();
      return true;
    case CM_PARENTCOLORCHANGED:
      ParentColorChanged();
      return true;
    case CM_PARENTFONTCHANGED:
      ParentFontChanged();
      return true;
    case CM_PARENTSHOWHINTCHANGED:
      ParentShowHintChanged();
      return true;
    case CM_HITTEST:
      Message.Result = 1;
      return true;
    case WM_CANCELMODE:
      if (GetCaptureControl() == this) SetCaptureControl(nullptr);
      return true;
    default:
      return false;
  }
}

// ------------------------------------------------------------------- mouse

namespace {

struct TButtonMessage {
  TMouseButton Button;
  enum { Down, Up, Double } Kind;
};

bool ButtonOf(uint32_t Msg, TButtonMessage& Out) {
  switch (Msg) {
    case WM_LBUTTONDOWN: Out = {mbLeft, TButtonMessage::Down}; return true;
    case WM_LBUTTONUP: Out = {mbLeft, TButtonMessage::Up}; return true;
    case WM_LBUTTONDBLCLK: Out = {mbLeft, TButtonMessage::Double}; return true;
    case WM_RBUTTONDOWN: Out = {mbRight, TButtonMessage::Down}; return true;
    case WM_RBUTTONUP: Out = {mbRight, TButtonMessage::Up}; return true;
    case WM_RBUTTONDBLCLK: Out = {mbRight, TButtonMessage::Double}; return true;
    case WM_MBUTTONDOWN: Out = {mbMiddle, TButtonMessage::Down}; return true;
    case WM_MBUTTONUP: Out = {mbMiddle, TButtonMessage::Up}; return true;
    case WM_MBUTTONDBLCLK: Out = {mbMiddle, TButtonMessage::Double}; return true;
    default: return false;
  }
}

}  // namespace

bool TControl::HandleMouseMessage(TMessage& Message) {
  if (!IsMouseMessage(Message.Msg)) return false;
  auto& m = static_cast<TWMMouse&>(Message);
  const TShiftState shift = KeysToShiftState(m.Keys);
  if (m.Msg == WM_MOUSEMOVE) {
    MouseMove(shift, m.XPos, m.YPos);
    return true;
  }
  TButtonMessage button{};
  ButtonOf(m.Msg, button);
  // Every handler below may free the control: nothing of it is touched
  // once it has run, unless the control is known to be alive.
  const auto alive = AliveFlag();
  switch (button.Kind) {
    case TButtonMessage::Down:
      SendCancelMode(this);
      if (button.Button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (button.Button == mbLeft && FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
      MouseDown(button.Button, shift, m.XPos, m.YPos);
      break;
    case TButtonMessage::Double:
      SendCancelMode(this);
      if (button.Button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
      if (button.Button == mbLeft && FControlStyle.Contains(csClickEvents)) DblClick();
      if (*alive) MouseDown(button.Button, shift + TShiftState{ssDouble}, m.XPos, m.YPos);
      break;
    case TButtonMessage::Up: {
      if (button.Button == mbLeft && FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
      const bool clicked = button.Button == mbLeft && FControlState.Contains(csClicked);
      FControlState.Exclude(csClicked);
      if (clicked && PtInRect(GetClientRect(), {m.XPos, m.YPos})) Click();
      if (*alive) MouseUp(button.Button, shift, m.XPos, m.YPos);
      if (*alive && button.Button == mbRight) ContextPopup({m.XPos, m.YPos});
      break;
    }
  }
  return true;
}

void TControl::SendCancelMode(TControl*) {}

// The popup menu of the control, or of the nearest parent that has one,
// shows where the right button went up.
void TControl::ContextPopup(TPoint Pos) {
  for (TControl* c = this; c; c = c->FParent) {
    TPopupMenu* menu = c->FPopupMenu;
    if (!menu) continue;
    if (!menu->GetAutoPopup()) return;
    menu->SetPopupComponent(this);
    const TPoint screen = ClientToScreen(Pos);
    menu->Popup(screen.X, screen.Y);
    return;
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

bool TControl::GetMouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (GetMouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::Click() {
  // An OnClick of its own runs instead of the action; the action's own
  // handler (copied into OnClick when the action was set) runs the action.
  TBasicAction* action = GetAction();
  if (OnClick && action && !OnClick.SameAs(action->OnExecute))
    OnClick(this);
  else if (FActionLink && !GetComponentState().Contains(csDesigning))
    FActionLink->Execute(this);
  else if (OnClick)
    OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

// ------------------------------------------------------------ drag events

void TControl::BeginDrag(bool Immediate, int32_t Threshold) { BeginDragOf(this, Immediate, Threshold); }

void TControl::EndDrag(bool Drop) { EndDragOf(this, Drop); }

bool TControl::Dragging() const { return DragControl() == this; }

void TControl::DragDrop(TObject* Source, int32_t X, int32_t Y) {
  if (OnDragDrop) OnDragDrop(this, Source, X, Y);
}

void TControl::DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept) {
  Accept = false;
  if (!OnDragOver) return;
  Accept = true;
  OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DoStartDrag(TDragObject*& DragObject) {
  if (OnStartDrag) OnStartDrag(this, DragObject);
}

void TControl::DoEndDrag(TObject* Target, int32_t X, int32_t Y) {
  if (OnEndDrag) OnEndDrag(this, Target, X, Y);
}

}  // namespace host
