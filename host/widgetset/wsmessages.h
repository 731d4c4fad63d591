// Messages: the records a backend delivers to host objects (through
// TObject::Dispatch) when the user types or works with a menu, with the
// classic message numbers.
//
// Every record derives from TMessage, so a receiver reads Msg first and
// then takes the record it names:
//
//   void TFoo::Dispatch(void* Message) {
//     auto* m = static_cast<TMessage*>(Message);
//     if (m->Msg == WM_COMMAND) Command(static_cast<TWMCommand&>(*m));
//   }
//
// and a sender passes the record as a TMessage: Receiver->Dispatch(
// static_cast<TMessage*>(&Command)).
#pragma once

#include <cstdint>

#include "host/widgetset/wskeys.h"
#include "host/widgetset/wstypes.h"

namespace host {

// A menu or menu item of the running widgetset (see wsmenus.h).
using HMENU = THandle;

inline constexpr uint32_t WM_MOVE = 0x0003;
inline constexpr uint32_t WM_SIZE = 0x0005;
inline constexpr uint32_t WM_SETFOCUS = 0x0007;
inline constexpr uint32_t WM_KILLFOCUS = 0x0008;
inline constexpr uint32_t WM_PAINT = 0x000F;
inline constexpr uint32_t WM_CLOSE = 0x0010;
inline constexpr uint32_t WM_CANCELMODE = 0x001F;
inline constexpr uint32_t WM_DRAWITEM = 0x002B;
inline constexpr uint32_t WM_MEASUREITEM = 0x002C;
inline constexpr uint32_t WM_KEYDOWN = 0x0100;
inline constexpr uint32_t WM_KEYUP = 0x0101;
inline constexpr uint32_t WM_CHAR = 0x0102;
inline constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
inline constexpr uint32_t WM_SYSKEYUP = 0x0105;
inline constexpr uint32_t WM_SYSCHAR = 0x0106;
inline constexpr uint32_t WM_COMMAND = 0x0111;
inline constexpr uint32_t WM_INITMENUPOPUP = 0x0117;
inline constexpr uint32_t WM_MENUCHAR = 0x0120;
inline constexpr uint32_t WM_MOUSEMOVE = 0x0200;
inline constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
inline constexpr uint32_t WM_LBUTTONUP = 0x0202;
inline constexpr uint32_t WM_LBUTTONDBLCLK = 0x0203;
inline constexpr uint32_t WM_RBUTTONDOWN = 0x0204;
inline constexpr uint32_t WM_RBUTTONUP = 0x0205;
inline constexpr uint32_t WM_RBUTTONDBLCLK = 0x0206;
inline constexpr uint32_t WM_MBUTTONDOWN = 0x0207;
inline constexpr uint32_t WM_MBUTTONUP = 0x0208;
inline constexpr uint32_t WM_MBUTTONDBLCLK = 0x0209;
inline constexpr uint32_t WM_MOUSEWHEEL = 0x020A;
inline constexpr uint32_t WM_CAPTURECHANGED = 0x0215;
// The first number free for a program's own messages.
inline constexpr uint32_t WM_USER = 0x0400;

// Buttons and keys down with a mouse message (TWMMouse::Keys).
inline constexpr uint32_t MK_LBUTTON = 0x0001;
inline constexpr uint32_t MK_RBUTTON = 0x0002;
inline constexpr uint32_t MK_SHIFT = 0x0004;
inline constexpr uint32_t MK_CONTROL = 0x0008;
inline constexpr uint32_t MK_MBUTTON = 0x0010;
// One notch of a mouse wheel.
inline constexpr int32_t WHEEL_DELTA = 120;

// Every record starts with this one. It is 16 bytes, the size of a
// Variant, so a Variant-sized block is a well-formed TMessage.
struct TMessage {
  uint32_t Msg = 0;
  int64_t Result = 0;
};
static_assert(sizeof(TMessage) == 16);

// A message with the classic two parameters: what PostMessage queues and
// what a program's own messages (WM_USER and up) and the host's control
// messages travel in.
struct TWMGeneric : TMessage {
  explicit TWMGeneric(uint32_t AMsg = 0, int64_t AWParam = 0, int64_t ALParam = 0) : WParam(AWParam), LParam(ALParam) {
    Msg = AMsg;
  }
  int64_t WParam = 0;
  int64_t LParam = 0;
};

// WM_PAINT: DC draws onto the window (client coordinates) clipped to
// UpdateRect, the part that needs painting.
struct TWMPaint : TMessage {
  TWMPaint() { Msg = WM_PAINT; }
  HDC DC = 0;
  TRect UpdateRect;
};

// WM_SETFOCUS (FocusedWnd: the window that lost it) and WM_KILLFOCUS
// (FocusedWnd: the window that gets it); 0 when none.
struct TWMSetFocus : TMessage {
  THandle FocusedWnd = 0;
};
using TWMKillFocus = TWMSetFocus;

// The mouse messages: Keys holds the MK_ flags, the position is in the
// client coordinates of the receiving window.
struct TWMMouse : TMessage {
  uint32_t Keys = 0;
  int32_t XPos = 0;
  int32_t YPos = 0;
};

// WM_MOUSEWHEEL, to the focused window: WheelDelta in multiples of
// WHEEL_DELTA (positive: away from the user), the position in screen
// coordinates.
struct TWMMouseWheel : TMessage {
  TWMMouseWheel() { Msg = WM_MOUSEWHEEL; }
  uint32_t Keys = 0;
  int32_t WheelDelta = 0;
  int32_t XPos = 0;
  int32_t YPos = 0;
};

// WM_SIZE and WM_MOVE: the user changed a top-level window (its new size,
// its new screen position).
struct TWMSize : TMessage {
  TWMSize() { Msg = WM_SIZE; }
  int32_t Width = 0;
  int32_t Height = 0;
};
struct TWMMove : TMessage {
  TWMMove() { Msg = WM_MOVE; }
  int32_t XPos = 0;
  int32_t YPos = 0;
};

// A key went down or up. ShiftState holds the modifiers that were down with
// it (a backend reads them from its toolkit's event). KeyData keeps the
// classic repeat count and flags for code that wants them.
// WM_CHAR and WM_SYSCHAR use the same record with the character code.
struct TWMKey : TMessage {
  uint16_t CharCode = 0;
  TShiftState ShiftState;
  int32_t KeyData = 0;
};

// A menu item was chosen: ItemID is its command (NotifyCode 0 for a menu).
struct TWMCommand : TMessage {
  TWMCommand() { Msg = WM_COMMAND; }
  uint16_t ItemID = 0;
  uint16_t NotifyCode = 0;
  THandle Ctl = 0;
};

// A submenu (or a pop-up menu) is about to open: MenuPopup is the menu
// handle whose items it shows (a menu item's handle for a submenu).
struct TWMInitMenuPopup : TMessage {
  TWMInitMenuPopup() { Msg = WM_INITMENUPOPUP; }
  HMENU MenuPopup = 0;
  int32_t Pos = 0;
  bool SystemMenu = false;
};

// A character was typed while a menu is open that no item has as its
// accelerator by the backend's own rules: User is the character, Menu the
// menu (or item) handle whose items show. The receiver sets Result to
// MNC_IGNORE, or to (MNC_EXECUTE or MNC_SELECT) << 16 | the position of the
// item among the visible ones, or to MNC_CLOSE << 16.
inline constexpr uint32_t MNC_IGNORE = 0;
inline constexpr uint32_t MNC_CLOSE = 1;
inline constexpr uint32_t MNC_EXECUTE = 2;
inline constexpr uint32_t MNC_SELECT = 3;

struct TWMMenuChar : TMessage {
  TWMMenuChar() { Msg = WM_MENUCHAR; }
  char User = 0;
  uint16_t MenuFlag = 0;
  HMENU Menu = 0;
};

// Owner-drawn menu items. The backend asks for the size of an item with a
// device context holding the menu's font (the receiver fills Width and
// Height), then has the item drawn into Rect of a device context.
inline constexpr uint32_t ODT_MENU = 1;
inline constexpr uint32_t ODS_SELECTED = 0x0001;
inline constexpr uint32_t ODS_GRAYED = 0x0002;
inline constexpr uint32_t ODS_DISABLED = 0x0004;
inline constexpr uint32_t ODS_CHECKED = 0x0008;
inline constexpr uint32_t ODS_FOCUS = 0x0010;
inline constexpr uint32_t ODS_DEFAULT = 0x0020;

struct TWMMeasureItem : TMessage {
  TWMMeasureItem() { Msg = WM_MEASUREITEM; }
  uint32_t CtlType = ODT_MENU;
  uint32_t ItemID = 0;  // the item's command
  HDC DC = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

struct TWMDrawItem : TMessage {
  TWMDrawItem() { Msg = WM_DRAWITEM; }
  uint32_t CtlType = ODT_MENU;
  uint32_t ItemID = 0;     // the item's command
  uint32_t ItemState = 0;  // ODS_ flags
  HDC DC = 0;
  TRect Rect;
};

}  // namespace host
