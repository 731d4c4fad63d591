// The input robot of the headless widgetset: mouse and keyboard input as a
// user gives it, turned into the messages a windowing system delivers.
//
// Mouse messages go to the window holding the capture, else to the window
// under the point (WindowFromPoint); a point over no window, or over a
// window that is disabled or lies in a disabled one, delivers nothing. The
// position is in the receiving window's client coordinates and Keys holds
// the MK_ flags of the buttons down and of Shift and Ctrl. Moving the mouse
// (and every mouse call) moves the cursor (GetCursorPos).
//
// WM_MOUSEWHEEL goes to the focused window, or to the window under the
// point when no window has the focus, with the point in screen coordinates.
//
// Key messages go to the focused window (dropped when there is none or it
// cannot take input): WM_KEYDOWN / WM_KEYUP, WM_SYSKEYDOWN / WM_SYSKEYUP
// while Alt is down, with the virtual key and the Shift, Ctrl and Alt
// modifiers down. Pressing a key that makes a character sends WM_CHAR
// between its down and up (see CharOf). KeyDown of VK_SHIFT, VK_CONTROL or
// VK_MENU holds that modifier down until its KeyUp; the Shift argument of a
// call holds modifiers down for that call only.
//
// Every call delivers its messages at once, through the same path as every
// other message, and then runs ProcessMessages, so the messages posted and
// the paints caused by the input are delivered before it returns.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/widgetset/headless/headlesswindows.h"

namespace host::headless {

enum class TMouseButtonKind : uint8_t { Left, Right, Middle };

class THeadlessRobot {
 public:
  explicit THeadlessRobot(THeadlessWindows& Windows) : FWindows(Windows) {}
  THeadlessRobot(const THeadlessRobot&) = delete;
  THeadlessRobot& operator=(const THeadlessRobot&) = delete;

  // The single inputs return whether a window got the message.
  bool MouseMove(TPoint Screen);
  bool MouseDown(TPoint Screen, TMouseButtonKind Button = TMouseButtonKind::Left, TShiftState Shift = {});
  bool MouseUp(TPoint Screen, TMouseButtonKind Button = TMouseButtonKind::Left, TShiftState Shift = {});
  // The double-click message alone (a toolkit reporting a second press
  // soon after the first sends it in place of the second down).
  bool MouseDoubleDown(TPoint Screen, TMouseButtonKind Button = TMouseButtonKind::Left, TShiftState Shift = {});
  // Down and up.
  void Click(TPoint Screen, TMouseButtonKind Button = TMouseButtonKind::Left, TShiftState Shift = {});
  // Down, up, the double-click message, up: the sequence of a double click.
  void DoubleClick(TPoint Screen, TMouseButtonKind Button = TMouseButtonKind::Left, TShiftState Shift = {});
  // Down at From, Steps moves along the line to To (the last one at To), up
  // at To.
  void Drag(TPoint From, TPoint To, int32_t Steps = 5, TMouseButtonKind Button = TMouseButtonKind::Left);
  bool Wheel(int32_t Delta, TPoint Screen, TShiftState Shift = {});

  bool KeyDown(uint16_t Key, TShiftState Shift = {});
  bool KeyUp(uint16_t Key, TShiftState Shift = {});
  // WM_CHAR alone, for a character a toolkit reports as typed (whatever
  // keyboard layout made it).
  bool Character(uint16_t Code);
  // Down, WM_CHAR when the key makes a character, up.
  void Press(uint16_t Key, TShiftState Shift = {});
  // Presses the key of every character, with Shift for upper-case letters
  // and shifted punctuation of a US keyboard (Shift is not sent as a key of
  // its own). '\n' and '\r' press Enter; a character no key makes is sent
  // as a WM_CHAR alone.
  void Type(std::string_view Text);

  // The character a key makes with the modifiers of State on a US
  // keyboard: letters (upper-case with Shift), digits and punctuation (their
  // shifted signs with Shift), the numeric pad, space, Enter (13), Tab (9),
  // Backspace (8) and Escape (27); Ctrl with a letter makes the control
  // character 1..26 and nothing else; nothing with Alt.
  static std::optional<uint16_t> CharOf(uint16_t Key, TShiftState State);

 private:
  struct TKeyStroke {
    uint16_t Key = 0;
    bool Shift = false;
  };
  static std::optional<TKeyStroke> KeyOf(char Character);
  // In the order of the message numbers of a button.
  enum class TButtonAction : uint8_t { Down, Up, DoubleClick };
  static uint32_t ButtonMessage(TMouseButtonKind Button, TButtonAction Action);
  static TShiftStateItem ButtonState(TMouseButtonKind Button);
  TShiftState Modifiers() const;
  uint32_t MouseKeys() const;
  void SetState(TShiftStateItem Item, bool Down);
  // Runs Input with the modifiers of Extra held down as well; those held by
  // this call only are let go after it.
  template <class F>
  auto WithModifiers(TShiftState Extra, F&& Input);
  bool SendMouse(uint32_t Msg, TPoint Screen);
  bool SendKey(uint16_t Key, bool Down);
  bool SendChar(uint16_t Character);
  bool Button(TPoint Screen, TMouseButtonKind Button, TShiftState Shift, TButtonAction Action);
  bool Key(uint16_t Key, TShiftState Shift, bool Down);

  THeadlessWindows& FWindows;
};

}  // namespace host::headless
