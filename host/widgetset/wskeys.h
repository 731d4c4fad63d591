// Keys as the host sees them: the classic virtual-key codes, the shift
// state that comes with key and mouse input, and short cuts (a key with
// Shift, Ctrl and Alt packed into 16 bits) with their display texts.
//
// Every backend translates its toolkit's keys into these codes, so menus,
// action lists and controls compare keys without knowing the toolkit. The
// texts of short cuts are the classic ones and the same on every backend:
// modifiers in the order Shift, Ctrl, Alt ("Shift+Ctrl+S"), keys named
// "BkSp", "Tab", "Esc", "Enter", "Space", "PgUp", "PgDn", "End", "Home",
// "Left", "Up", "Right", "Down", "Ins", "Del", "F1".."F24", letters and
// digits as themselves (the number pad's digits too), the number pad's
// operators as "Num *", "Num +", "Num -", "Num .", "Num /", and the
// punctuation keys of a US keyboard as their characters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/rtl/sets.h"

namespace host {

// --------------------------------------------------------- virtual keys

inline constexpr uint16_t VK_LBUTTON = 0x01;
inline constexpr uint16_t VK_RBUTTON = 0x02;
inline constexpr uint16_t VK_CANCEL = 0x03;
inline constexpr uint16_t VK_MBUTTON = 0x04;
inline constexpr uint16_t VK_BACK = 0x08;
inline constexpr uint16_t VK_TAB = 0x09;
inline constexpr uint16_t VK_CLEAR = 0x0C;
inline constexpr uint16_t VK_RETURN = 0x0D;
inline constexpr uint16_t VK_SHIFT = 0x10;
inline constexpr uint16_t VK_CONTROL = 0x11;
inline constexpr uint16_t VK_MENU = 0x12;  // Alt
inline constexpr uint16_t VK_PAUSE = 0x13;
inline constexpr uint16_t VK_CAPITAL = 0x14;
inline constexpr uint16_t VK_ESCAPE = 0x1B;
inline constexpr uint16_t VK_SPACE = 0x20;
inline constexpr uint16_t VK_PRIOR = 0x21;  // Page Up
inline constexpr uint16_t VK_NEXT = 0x22;   // Page Down
inline constexpr uint16_t VK_END = 0x23;
inline constexpr uint16_t VK_HOME = 0x24;
inline constexpr uint16_t VK_LEFT = 0x25;
inline constexpr uint16_t VK_UP = 0x26;
inline constexpr uint16_t VK_RIGHT = 0x27;
inline constexpr uint16_t VK_DOWN = 0x28;
inline constexpr uint16_t VK_SELECT = 0x29;
inline constexpr uint16_t VK_PRINT = 0x2A;
inline constexpr uint16_t VK_EXECUTE = 0x2B;
inline constexpr uint16_t VK_SNAPSHOT = 0x2C;
inline constexpr uint16_t VK_INSERT = 0x2D;
inline constexpr uint16_t VK_DELETE = 0x2E;
inline constexpr uint16_t VK_HELP = 0x2F;
// '0'..'9' and 'A'..'Z' are their own codes (0x30..0x39, 0x41..0x5A).
inline constexpr uint16_t VK_LWIN = 0x5B;
inline constexpr uint16_t VK_RWIN = 0x5C;
inline constexpr uint16_t VK_APPS = 0x5D;
inline constexpr uint16_t VK_NUMPAD0 = 0x60;
inline constexpr uint16_t VK_NUMPAD9 = 0x69;
inline constexpr uint16_t VK_MULTIPLY = 0x6A;
inline constexpr uint16_t VK_ADD = 0x6B;
inline constexpr uint16_t VK_SEPARATOR = 0x6C;
inline constexpr uint16_t VK_SUBTRACT = 0x6D;
inline constexpr uint16_t VK_DECIMAL = 0x6E;
inline constexpr uint16_t VK_DIVIDE = 0x6F;
inline constexpr uint16_t VK_F1 = 0x70;
inline constexpr uint16_t VK_F2 = 0x71;
inline constexpr uint16_t VK_F3 = 0x72;
inline constexpr uint16_t VK_F4 = 0x73;
inline constexpr uint16_t VK_F5 = 0x74;
inline constexpr uint16_t VK_F10 = 0x79;
inline constexpr uint16_t VK_F12 = 0x7B;
inline constexpr uint16_t VK_F24 = 0x87;
inline constexpr uint16_t VK_NUMLOCK = 0x90;
inline constexpr uint16_t VK_SCROLL = 0x91;
inline constexpr uint16_t VK_OEM_1 = 0xBA;       // ;
inline constexpr uint16_t VK_OEM_PLUS = 0xBB;    // =
inline constexpr uint16_t VK_OEM_COMMA = 0xBC;   // ,
inline constexpr uint16_t VK_OEM_MINUS = 0xBD;   // -
inline constexpr uint16_t VK_OEM_PERIOD = 0xBE;  // .
inline constexpr uint16_t VK_OEM_2 = 0xBF;       // /
inline constexpr uint16_t VK_OEM_3 = 0xC0;       // `
inline constexpr uint16_t VK_OEM_4 = 0xDB;       // [
inline constexpr uint16_t VK_OEM_5 = 0xDC;       // backslash
inline constexpr uint16_t VK_OEM_6 = 0xDD;       // ]
inline constexpr uint16_t VK_OEM_7 = 0xDE;       // '

// ---------------------------------------------------------- shift state

// Which modifier keys and mouse buttons are down, and whether a click is
// the second of a double click.
enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem, 7>;

// ------------------------------------------------------------ short cuts

// A key (low byte) and the modifiers that go with it.
using TShortCut = uint16_t;
inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The short cut of Key with the Shift, Ctrl and Alt of Shift (other members
// of the state do not count). A key beyond 0xFF makes no short cut: 0.
constexpr TShortCut ShortCut(uint16_t Key, TShiftState Shift) {
  if (Key > 0xFF) return scNone;
  uint32_t result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return static_cast<TShortCut>(result);
}

// Splits a short cut into its key and its modifiers.
constexpr void ShortCutToKey(TShortCut ShortCut, uint16_t& Key, TShiftState& Shift) {
  Key = static_cast<uint16_t>(ShortCut & ~(scShift | scCtrl | scAlt));
  Shift = {};
  if (ShortCut & scShift) Shift.Include(ssShift);
  if (ShortCut & scCtrl) Shift.Include(ssCtrl);
  if (ShortCut & scAlt) Shift.Include(ssAlt);
}

// A caption without its accelerator marks: "&File" gives "File", "&&" an
// ampersand.
std::string StripHotkey(std::string_view Text);

// The display text of a short cut ("Ctrl+S"); empty when its key has no
// name (and for scNone).
std::string ShortCutToText(TShortCut ShortCut);
// The short cut a text names, the inverse of ShortCutToText: modifiers
// "Shift+", "Ctrl+" (or "^"), "Alt+" in any order, then a key name, all
// without regard to case. An empty or unknown text gives scNone.
TShortCut TextToShortCut(std::string_view Text);

}  // namespace host
