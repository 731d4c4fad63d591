#include "host/widgetset/headless/robot.h"

#include <algorithm>
#include <span>

namespace host::headless {

namespace {

const TShiftState kModifiers{ssShift, ssAlt, ssCtrl};

// Keys of the main keyboard that make a character, and the one they make
// with Shift (letters aside).
struct TCharKey {
  uint16_t Key;
  char Plain;
  char Shifted;
};
constexpr TCharKey kMainKeys[] = {
    {'0', '0', ')'},         {'1', '1', '!'},          {'2', '2', '@'},          {'3', '3', '#'},
    {'4', '4', '$'},         {'5', '5', '%'},          {'6', '6', '^'},          {'7', '7', '&'},
    {'8', '8', '*'},         {'9', '9', '('},          {VK_SPACE, ' ', ' '},     {VK_OEM_1, ';', ':'},
    {VK_OEM_PLUS, '=', '+'}, {VK_OEM_COMMA, ',', '<'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PERIOD, '.', '>'},
    {VK_OEM_2, '/', '?'},    {VK_OEM_3, '`', '~'},     {VK_OEM_4, '[', '{'},     {VK_OEM_5, '\\', '|'},
    {VK_OEM_6, ']', '}'},    {VK_OEM_7, '\'', '"'},    {VK_RETURN, '\r', '\r'},  {VK_TAB, '\t', '\t'},
    {VK_BACK, '\b', '\b'},   {VK_ESCAPE, 27, 27},
};
// The operators of the numeric pad (its digits follow VK_NUMPAD0).
constexpr TCharKey kPadKeys[] = {
    {VK_MULTIPLY, '*', '*'}, {VK_ADD, '+', '+'}, {VK_SUBTRACT, '-', '-'}, {VK_DECIMAL, '.', '.'}, {VK_DIVIDE, '/', '/'},
};

// Classic key data: a repeat count of 1; with Alt down the context bit; a
// key going up has its previous-state and transition bits set.
int32_t KeyData(bool Down, bool Alt) {
  uint32_t data = 1;
  if (Alt) data |= 1u << 29;
  if (!Down) data |= 3u << 30;
  return static_cast<int32_t>(data);
}

// The modifier a modifier key holds down; ssDouble for other keys.
TShiftStateItem ModifierOf(uint16_t Key) {
  return Key == VK_SHIFT ? ssShift : Key == VK_CONTROL ? ssCtrl : Key == VK_MENU ? ssAlt : ssDouble;
}

}  // namespace

// --------------------------------------------------------------- characters

std::optional<uint16_t> THeadlessRobot::CharOf(uint16_t Key, TShiftState State) {
  if (State.Contains(ssAlt)) return std::nullopt;
  if (Key >= 'A' && Key <= 'Z') {
    if (State.Contains(ssCtrl)) return static_cast<uint16_t>(Key - 'A' + 1);
    return State.Contains(ssShift) ? Key : static_cast<uint16_t>(Key - 'A' + 'a');
  }
  if (State.Contains(ssCtrl)) return std::nullopt;
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return static_cast<uint16_t>('0' + (Key - VK_NUMPAD0));
  for (std::span<const TCharKey> table : {std::span<const TCharKey>(kMainKeys), std::span<const TCharKey>(kPadKeys)}) {
    for (const TCharKey& k : table)
      if (k.Key == Key) return static_cast<uint8_t>(State.Contains(ssShift) ? k.Shifted : k.Plain);
  }
  return std::nullopt;
}

std::optional<THeadlessRobot::TKeyStroke> THeadlessRobot::KeyOf(char Character) {
  if (Character >= 'a' && Character <= 'z') return TKeyStroke{static_cast<uint16_t>(Character - 'a' + 'A'), false};
  if (Character >= 'A' && Character <= 'Z') return TKeyStroke{static_cast<uint16_t>(Character), true};
  if (Character == '\n') return TKeyStroke{VK_RETURN, false};
  for (const TCharKey& k : kMainKeys) {
    if (k.Plain == Character) return TKeyStroke{k.Key, false};
    if (k.Shifted == Character) return TKeyStroke{k.Key, true};
  }
  return std::nullopt;
}

// -------------------------------------------------------------------- state

TShiftState THeadlessRobot::Modifiers() const { return FWindows.GetShiftState() * kModifiers; }

uint32_t THeadlessRobot::MouseKeys() const {
  const TShiftState state = FWindows.GetShiftState();
  uint32_t keys = 0;
  if (state.Contains(ssLeft)) keys |= MK_LBUTTON;
  if (state.Contains(ssRight)) keys |= MK_RBUTTON;
  if (state.Contains(ssMiddle)) keys |= MK_MBUTTON;
  if (state.Contains(ssShift)) keys |= MK_SHIFT;
  if (state.Contains(ssCtrl)) keys |= MK_CONTROL;
  return keys;
}

template <class F>
auto THeadlessRobot::WithModifiers(TShiftState Extra, F&& Input) {
  const TShiftState added = Extra * kModifiers - FWindows.GetShiftState();
  FWindows.SetShiftState(FWindows.GetShiftState() + added);
  auto result = Input();
  FWindows.SetShiftState(FWindows.GetShiftState() - added);
  return result;
}

void THeadlessRobot::SetState(TShiftStateItem Item, bool Down) {
  TShiftState state = FWindows.GetShiftState();
  if (Down)
    state.Include(Item);
  else
    state.Exclude(Item);
  FWindows.SetShiftState(state);
}

// -------------------------------------------------------------------- mouse

TShiftStateItem THeadlessRobot::ButtonState(TMouseButtonKind Button) {
  return Button == TMouseButtonKind::Right ? ssRight : Button == TMouseButtonKind::Middle ? ssMiddle : ssLeft;
}

uint32_t THeadlessRobot::ButtonMessage(TMouseButtonKind Button, TButtonAction Action) {
  const uint32_t first = Button == TMouseButtonKind::Right    ? WM_RBUTTONDOWN
                         : Button == TMouseButtonKind::Middle ? WM_MBUTTONDOWN
                                                              : WM_LBUTTONDOWN;
  return first + static_cast<uint32_t>(Action);
}

bool THeadlessRobot::SendMouse(uint32_t Msg, TPoint Screen) {
  FWindows.SetCursorPos(Screen);
  HWND target = FWindows.GetCapture();
  if (!target) {
    target = FWindows.WindowFromPoint(Screen);
    if (!FWindows.TakesInput(target)) return false;
  }
  TPoint local = Screen;
  FWindows.ScreenToClient(target, local);
  TWMMouse mouse;
  mouse.Msg = Msg;
  mouse.Keys = MouseKeys();
  mouse.XPos = local.X;
  mouse.YPos = local.Y;
  return FWindows.Send(target, mouse);
}

bool THeadlessRobot::Button(TPoint Screen, TMouseButtonKind Button, TShiftState Shift, TButtonAction Action) {
  const bool delivered = WithModifiers(Shift, [&] {
    // A button's own flag is in Keys when it goes down, not when it goes up.
    SetState(ButtonState(Button), Action != TButtonAction::Up);
    return SendMouse(ButtonMessage(Button, Action), Screen);
  });
  FWindows.ProcessMessages();
  return delivered;
}

bool THeadlessRobot::MouseMove(TPoint Screen) {
  const bool delivered = SendMouse(WM_MOUSEMOVE, Screen);
  FWindows.ProcessMessages();
  return delivered;
}

bool THeadlessRobot::MouseDown(TPoint Screen, TMouseButtonKind Button, TShiftState Shift) {
  return this->Button(Screen, Button, Shift, TButtonAction::Down);
}

bool THeadlessRobot::MouseUp(TPoint Screen, TMouseButtonKind Button, TShiftState Shift) {
  return this->Button(Screen, Button, Shift, TButtonAction::Up);
}

void THeadlessRobot::Click(TPoint Screen, TMouseButtonKind Button, TShiftState Shift) {
  MouseDown(Screen, Button, Shift);
  MouseUp(Screen, Button, Shift);
}

bool THeadlessRobot::MouseDoubleDown(TPoint Screen, TMouseButtonKind Button, TShiftState Shift) {
  return this->Button(Screen, Button, Shift, TButtonAction::DoubleClick);
}

void THeadlessRobot::DoubleClick(TPoint Screen, TMouseButtonKind Button, TShiftState Shift) {
  Click(Screen, Button, Shift);
  MouseDoubleDown(Screen, Button, Shift);
  MouseUp(Screen, Button, Shift);
}

void THeadlessRobot::Drag(TPoint From, TPoint To, int32_t Steps, TMouseButtonKind Button) {
  MouseDown(From, Button);
  const int64_t steps = std::max(Steps, 0);
  for (int64_t i = 1; i <= steps; ++i) {
    const int64_t x = From.X + (int64_t{To.X} - From.X) * i / steps;
    const int64_t y = From.Y + (int64_t{To.Y} - From.Y) * i / steps;
    MouseMove({static_cast<int32_t>(x), static_cast<int32_t>(y)});
  }
  MouseUp(To, Button);
}

bool THeadlessRobot::Wheel(int32_t Delta, TPoint Screen, TShiftState Shift) {
  const bool delivered = WithModifiers(Shift, [&] {
    FWindows.SetCursorPos(Screen);
    const HWND target = FWindows.GetFocus() ? FWindows.GetFocus() : FWindows.WindowFromPoint(Screen);
    if (!FWindows.TakesInput(target)) return false;
    TWMMouseWheel wheel;
    wheel.Keys = MouseKeys();
    wheel.WheelDelta = Delta;
    wheel.XPos = Screen.X;
    wheel.YPos = Screen.Y;
    return FWindows.Send(target, wheel);
  });
  FWindows.ProcessMessages();
  return delivered;
}

// ----------------------------------------------------------------- keyboard

bool THeadlessRobot::SendKey(uint16_t Key, bool Down) {
  const HWND target = FWindows.GetFocus();
  if (!FWindows.TakesInput(target)) return false;
  const bool alt = Modifiers().Contains(ssAlt);
  TWMKey key;
  key.Msg = alt ? (Down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (Down ? WM_KEYDOWN : WM_KEYUP);
  key.CharCode = Key;
  key.ShiftState = Modifiers();
  key.KeyData = KeyData(Down, alt);
  return FWindows.Send(target, key);
}

bool THeadlessRobot::SendChar(uint16_t Character) {
  const HWND target = FWindows.GetFocus();
  if (!FWindows.TakesInput(target)) return false;
  TWMKey key;
  key.Msg = WM_CHAR;
  key.CharCode = Character;
  key.ShiftState = Modifiers();
  key.KeyData = KeyData(true, false);
  return FWindows.Send(target, key);
}

bool THeadlessRobot::Character(uint16_t Code) {
  const bool delivered = SendChar(Code);
  FWindows.ProcessMessages();
  return delivered;
}

bool THeadlessRobot::Key(uint16_t Key, TShiftState Shift, bool Down) {
  // A modifier key changes the state before its own message, so Shift going
  // down comes with ssShift and going up without it.
  if (const TShiftStateItem modifier = ModifierOf(Key); modifier != ssDouble) SetState(modifier, Down);
  const bool delivered = WithModifiers(Shift, [&] { return SendKey(Key, Down); });
  FWindows.ProcessMessages();
  return delivered;
}

bool THeadlessRobot::KeyDown(uint16_t Key, TShiftState Shift) { return this->Key(Key, Shift, true); }

bool THeadlessRobot::KeyUp(uint16_t Key, TShiftState Shift) { return this->Key(Key, Shift, false); }

void THeadlessRobot::Press(uint16_t Key, TShiftState Shift) {
  KeyDown(Key, Shift);
  WithModifiers(Shift, [&] {
    const std::optional<uint16_t> character = CharOf(Key, Modifiers());
    return character && SendChar(*character);
  });
  FWindows.ProcessMessages();
  KeyUp(Key, Shift);
}

void THeadlessRobot::Type(std::string_view Text) {
  for (const char c : Text) {
    if (const std::optional<TKeyStroke> stroke = KeyOf(c)) {
      Press(stroke->Key, stroke->Shift ? TShiftState{ssShift} : TShiftState{});
    } else {
      SendChar(static_cast<uint8_t>(c));
      FWindows.ProcessMessages();
    }
  }
}

}  // namespace host::headless
