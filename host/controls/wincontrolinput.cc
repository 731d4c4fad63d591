// TWinControl: the messages of a windowed control — focus and tab order,
// keys, the mouse passed on to graphic children, the wheel, and the
// control messages that push cached state to the window and to children.
#include <algorithm>

#include "host/classes/lists.h"
#include "host/controls/dragdock.h"
#include "host/controls/wincontrol.h"
#include "host/widgetset/widgetset.h"

namespace host {

namespace {

// The focused control when the backend has no windows to keep it.
TWinControl* g_focusedWithoutWindows = nullptr;

bool IsMouse(uint32_t Msg) { return Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK; }

}  // namespace

// ------------------------------------------------------------------- focus

bool TWinControl::CanFocus() const {
  for (const TWinControl* c = this; c; c = c->FParent)
    if (!c->FVisible || !c->FEnabled) return false;
  return true;
}

bool TWinControl::Focused() const {
  TWSWindows* windows = RunningWindows();
  if (windows && FHandle) return windows->GetFocus() == FHandle;
  return g_focusedWithoutWindows == this;
}

void TWinControl::SetFocus() {
  if (!CanFocus())
    throw EInvalidOperation("Cannot focus a disabled or invisible window (control '%s')", {ControlDisplayName(this)});
  HandleNeeded();
  if (TWSWindows* windows = RunningWindows(); windows && FHandle) {
    windows->SetFocus(FHandle);
    return;
  }
  if (g_focusedWithoutWindows == this) return;
  // No windows: the host tells both controls itself, as a backend would.
  const auto alive = AliveFlag();
  if (TWinControl* old = g_focusedWithoutWindows) {
    g_focusedWithoutWindows = nullptr;
    old->Perform(WM_KILLFOCUS, 0, 0);
  }
  if (!*alive) return;
  g_focusedWithoutWindows = this;
  Perform(WM_SETFOCUS, 0, 0);
}

void TWinControl::ForgetFocus() {
  if (g_focusedWithoutWindows == this) g_focusedWithoutWindows = nullptr;
}

void TWinControl::FocusMessage(TWMSetFocus&, bool Gained) {
  if (!Gained && g_focusedWithoutWindows == this) g_focusedWithoutWindows = nullptr;
  if (Gained)
    DoEnter();
  else
    DoExit();
}

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

TTabOrder TWinControl::GetTabOrder() const {
  // A control without a parent keeps the order its form file gave it (a
  // frame read as a root), -1 when none.
  if (!FParent) return FStreamedTabOrder;
  auto it = std::find(FParent->FTabList.begin(), FParent->FTabList.end(), this);
  return static_cast<TTabOrder>(it - FParent->FTabList.begin());
}

void TWinControl::SetTabOrder(TTabOrder Value) {
  if (FControlState.Contains(csReadingState)) {
    FStreamedTabOrder = Value;
    return;
  }
  if (!FParent) return;
  auto& list = FParent->FTabList;
  std::erase(list, this);
  // Out of range (or negative) puts the control last.
  const auto at = Value < 0 || static_cast<std::size_t>(Value) > list.size() ? list.size()
                                                                           : static_cast<std::size_t>(Value);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(at), this);
}

// Each child read with a tab order within the list takes that place (the
// first one read when two claim it); the others fill the places left, in
// the order they had.
void TWinControl::FixupTabList() {
  const std::size_t count = FTabList.size();
  std::vector<TWinControl*> placed(count, nullptr);
  std::vector<TWinControl*> rest;
  for (TWinControl* c : FTabList) {
    const TTabOrder wanted = c->FStreamedTabOrder;
    c->FStreamedTabOrder = -1;
    if (wanted >= 0 && static_cast<std::size_t>(wanted) < count && !placed[static_cast<std::size_t>(wanted)])
      placed[static_cast<std::size_t>(wanted)] = c;
    else
      rest.push_back(c);
  }
  auto next = rest.begin();
  for (TWinControl*& slot : placed)
    if (!slot) slot = *next++;
  FTabList = std::move(placed);
}

std::vector<TWinControl*> TWinControl::TabOrderList() const {
  std::vector<TWinControl*> result;
  for (TWinControl* c : FTabList) {
    result.push_back(c);
    std::vector<TWinControl*> inner = c->TabOrderList();
    result.insert(result.end(), inner.begin(), inner.end());
  }
  return result;
}

void TWinControl::GetTabOrderList(TList* List) {
  if (!List) return;
  for (TWinControl* c : TabOrderList()) List->Add(c);
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) {
  const std::vector<TWinControl*> list = TabOrderList();
  if (list.empty()) return nullptr;
  const auto count = static_cast<std::ptrdiff_t>(list.size());
  std::ptrdiff_t start = std::find(list.begin(), list.end(), CurControl) - list.begin();
  if (start == count) start = GoForward ? count - 1 : 0;
  for (std::ptrdiff_t step = 1; step <= count; ++step) {
    const std::ptrdiff_t i = ((GoForward ? start + step : start - step) % count + count) % count;
    TWinControl* c = list[static_cast<std::size_t>(i)];
    if (c == CurControl) return nullptr;
    if ((!CheckTabStop || c->FTabStop) && (!CheckParent || c->FParent == this) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, false)) next->SetFocus();
}

// -------------------------------------------------------------------- keys

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

bool TWinControl::DoKeyDown(TWMKey& Message) {
  uint16_t key = Message.CharCode;
  KeyDown(key, Message.ShiftState);
  Message.CharCode = key;
  return key == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message) {
  char key = static_cast<char>(Message.CharCode);
  KeyPress(key);
  Message.CharCode = static_cast<unsigned char>(key);
  return key == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message) {
  uint16_t key = Message.CharCode;
  KeyUp(key, Message.ShiftState);
  Message.CharCode = key;
  return key == 0;
}

bool TWinControl::DialogKey(TWMKey& Message) {
  const uint16_t key = Message.CharCode;
  if (Message.ShiftState.Contains(ssAlt) && !Message.ShiftState.Contains(ssCtrl) && DialogChar(key)) return true;
  if (key == VK_RETURN || key == VK_ESCAPE) return DialogCommandKey(Message);
  if (key != VK_TAB || Message.ShiftState.Contains(ssCtrl) || Message.ShiftState.Contains(ssAlt)) return false;
  if (Perform(CM_WANTSPECIALKEY, VK_TAB, 0) != 0) return false;
  TWinControl* top = this;
  while (top->FParent) top = top->FParent;
  top->SelectNext(this, !Message.ShiftState.Contains(ssShift), true);
  return true;
}

// An accelerator (Alt with a letter or digit) goes as CM_DIALOGCHAR to the
// top-level control, which passes it down its children until one takes it
// (a label focusing its FocusControl, for instance).
bool TWinControl::DialogChar(uint16_t Key) {
  const bool accelerator = (Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z');
  if (!accelerator) return false;
  TWinControl* top = this;
  while (top->FParent) top = top->FParent;
  return top->Perform(CM_DIALOGCHAR, Key, 0) != 0;
}

// Enter and Esc without modifiers that the focused control does not want go
// to its top-level control as CM_DIALOGKEY (WParam: the key), which passes
// it down to every child until one answers (a default or cancel button
// clicks itself).
bool TWinControl::DialogCommandKey(TWMKey& Message) {
  if (!Message.ShiftState.Empty() || Perform(CM_WANTSPECIALKEY, Message.CharCode, 0) != 0) return false;
  TWinControl* top = this;
  while (top->FParent) top = top->FParent;
  TWMGeneric dialogKey(CM_DIALOGKEY, Message.CharCode, 0);
  top->WndProc(dialogKey);
  return dialogKey.Result != 0;
}

void TWinControl::KeyMessage(TWMKey& Message) {
  const auto alive = AliveFlag();
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (DoKeyDown(Message) || !*alive) return;
      DialogKey(Message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      DoKeyUp(Message);
      return;
    case WM_CHAR:
      // A Tab that moves the focus makes no character.
      if (Message.CharCode == '\t' && Perform(CM_WANTSPECIALKEY, VK_TAB, 0) == 0) return;
      DoKeyPress(Message);
      return;
    default:
      return;
  }
}

// ------------------------------------------------------------------- mouse

TControl* TWinControl::ControlForMouse(const TWMMouse& Message) {
  TControl* capture = GetCaptureControl();
  if (capture) return capture != this && capture->FParent == this && !dynamic_cast<TWinControl*>(capture) ? capture
                                                                                                           : nullptr;
  return ControlAtPos({Message.XPos, Message.YPos}, false);
}

void TWinControl::ChildMouseMessage(TControl* Child, TWMMouse& Message) {
  TWMMouse moved = Message;
  moved.XPos = ClampToInt32(int64_t{Message.XPos} - Child->FLeft);
  moved.YPos = ClampToInt32(int64_t{Message.YPos} - Child->FTop);
  Child->WndProc(moved);
  Message.Result = moved.Result;
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

bool TWinControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelDown) OnMouseWheelDown(this, Shift, MousePos, handled);
  return handled;
}

bool TWinControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheelUp) OnMouseWheelUp(this, Shift, MousePos, handled);
  return handled;
}

// The wheel goes to OnMouseWheel, then notch by notch to OnMouseWheelUp or
// OnMouseWheelDown; what none of them handles goes on to the parent.
void TWinControl::MouseWheelHandler(TMessage& Message) {
  if (Message.Msg != WM_MOUSEWHEEL) return;
  auto& m = static_cast<TWMMouseWheel&>(Message);
  const TShiftState shift = KeysToShiftState(m.Keys);
  const TPoint pos{m.XPos, m.YPos};
  const auto alive = AliveFlag();
  bool handled = DoMouseWheel(shift, m.WheelDelta, pos);
  if (!*alive) return;
  if (!handled) {
    FWheelAccumulator += m.WheelDelta;
    while (!handled && std::abs(FWheelAccumulator) >= WHEEL_DELTA) {
      const bool up = FWheelAccumulator > 0;
      FWheelAccumulator += up ? -WHEEL_DELTA : WHEEL_DELTA;
      handled = up ? DoMouseWheelUp(shift, pos) : DoMouseWheelDown(shift, pos);
      if (!*alive) return;
    }
  }
  if (handled)
    m.Result = 1;
  else if (FParent)
    FParent->MouseWheelHandler(m);
}

// ---------------------------------------------------------------- WndProc

void TWinControl::WndProc(TMessage& Message) {
  if (DragControl() && DragMessage(this, Message)) return;
  switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      FocusMessage(static_cast<TWMSetFocus&>(Message), Message.Msg == WM_SETFOCUS);
      return;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
      KeyMessage(static_cast<TWMKey&>(Message));
      return;
    case WM_MOUSEWHEEL:
      MouseWheelHandler(Message);
      return;
    case WM_PAINT:
      PaintHandler(static_cast<TWMPaint&>(Message));
      return;
    case WM_CAPTURECHANGED:
      if (TControl* c = GetCaptureControl(); c && (c == this || c->FParent == this)) SetCaptureControl(nullptr);
      return;
    case WM_SIZE: {
      auto& m = static_cast<TWMSize&>(Message);
      SetBounds(FLeft, FTop, std::max(0, m.Width), std::max(0, m.Height));
      return;
    }
    case WM_MOVE: {
      auto& m = static_cast<TWMMove&>(Message);
      SetBounds(m.XPos, m.YPos, FWidth, FHeight);
      return;
    }
    default:
      break;
  }
  if (IsMouse(Message.Msg)) {
    auto& m = static_cast<TWMMouse&>(Message);
    if (TControl* child = ControlForMouse(m)) {
      ChildMouseMessage(child, m);
      return;
    }
  }
  if (HandleWinControlMessage(Message)) return;
  inherited::WndProc(Message);
}

void TWinControl::NotifyControls(uint32_t Msg) {
  for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(Msg, 0, 0);
}

bool TWinControl::HandleWinControlMessage(TMessage& Message) {
  switch (Message.Msg) {
    case CM_VISIBLECHANGED:
    case CM_SHOWINGCHANGED:
      UpdateControlState();
      for (TWinControl* c : std::vector<TWinControl*>(FTabList))
        if (c->FVisible) c->UpdateControlState();
      Invalidate();
      return true;
    case CM_ENABLEDCHANGED:
      if (FHandle) FWSClass->SetEnabled(FHandle, FEnabled);
      Invalidate();
      return true;
    case CM_TEXTCHANGED:
      if (FHandle) FWSClass->SetText(FHandle, FText);
      Invalidate();
      return true;
    case CM_COLORCHANGED:
      FBrush->SetColor(FColor);
      Invalidate();
      NotifyControls(CM_PARENTCOLORCHANGED);
      return true;
    case CM_FONTCHANGED:
      Invalidate();
      NotifyControls(CM_PARENTFONTCHANGED);
      return true;
    case CM_SHOWHINTCHANGED:
      NotifyControls(CM_PARENTSHOWHINTCHANGED);
      return true;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(static_cast<TWMGeneric&>(Message));
      return true;
    default:
      return false;
  }
}

}  // namespace host
