// Windows of a widgetset: the handles behind windowed controls, their tree,
// geometry, visibility, focus, mouse capture, painting and the message
// queue.
//
// A window belongs to a receiver (the host control that asked for it) and
// everything that happens to it comes back to that receiver as a message
// record (wsmessages.h) through TObject::Dispatch: WM_PAINT when it needs
// painting, the mouse messages (client coordinates of the window under the
// mouse, or of the window holding the capture), key messages and
// WM_MOUSEWHEEL to the focused window, WM_SETFOCUS / WM_KILLFOCUS when the
// focus moves, WM_CAPTURECHANGED to the window losing the capture, and
// WM_CLOSE when the user closes a top-level window. Delivering a message
// never reaches a destroyed window: a receiver that destroys windows while
// handling a message stops the delivery to them.
//
// Geometry: a child window's bounds are in its parent's client
// coordinates, a top-level window's in screen coordinates. The whole
// window is its client area (the host draws borders and bevels itself).
// Children are clipped by their parents and stack in z-order: the last
// created (or the one brought to the top) is above its siblings.
//
// This class is also the neutral implementation for a backend without
// windows: CreateWindow fails (0) and every other call fails or answers
// "nothing"; host controls keep working without handles. Handles of the
// wrong kind or already destroyed are failures, never crashes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/widgetset/wsdialogs.h"
#include "host/widgetset/wsgraphics.h"
#include "host/widgetset/wsmessages.h"

namespace host {

class TObject;

using HWND = THandle;

// Window styles (Style and ExStyle of TCreateParams): how a top-level window
// is framed where a backend shows real windows. A child window's style does
// nothing; the headless backend only keeps it. 0 is an ordinary window.
inline constexpr uint32_t WS_POPUP = 0x80000000;       // no frame at all (hints, drop-down lists)
inline constexpr uint32_t WS_CAPTION = 0x00C00000;     // a title bar
inline constexpr uint32_t WS_SYSMENU = 0x00080000;     // a window menu and a close box
inline constexpr uint32_t WS_THICKFRAME = 0x00040000;  // the user may resize it
inline constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
inline constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;
inline constexpr uint32_t WS_EX_DLGMODALFRAME = 0x00000001;  // a dialog's frame
inline constexpr uint32_t WS_EX_TOPMOST = 0x00000008;        // above the ordinary windows
inline constexpr uint32_t WS_EX_TOOLWINDOW = 0x00000080;     // a tool window's small title
inline constexpr uint32_t WS_EX_NOACTIVATE = 0x08000000;     // never takes the activation

// What a window is made with (the classic CreateParams, reduced to what a
// backend uses).
struct TCreateParams {
  std::string Caption;
  // The host class name ("TButton"); a backend with native widgets picks
  // one by it, the headless backend only keeps it.
  std::string WinClassName;
  TRect Bounds;        // in the parent's client coordinates (screen for a top-level window)
  HWND WndParent = 0;  // 0: a top-level window
  bool Visible = false;
  bool Enabled = true;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
};

// Message box buttons and icons (Flags of MessageBox) and the answers.
inline constexpr uint32_t MB_OK = 0x00;
inline constexpr uint32_t MB_OKCANCEL = 0x01;
inline constexpr uint32_t MB_ABORTRETRYIGNORE = 0x02;
inline constexpr uint32_t MB_YESNOCANCEL = 0x03;
inline constexpr uint32_t MB_YESNO = 0x04;
inline constexpr uint32_t MB_RETRYCANCEL = 0x05;
inline constexpr uint32_t MB_ICONERROR = 0x10;
inline constexpr uint32_t MB_ICONQUESTION = 0x20;
inline constexpr uint32_t MB_ICONWARNING = 0x30;
inline constexpr uint32_t MB_ICONINFORMATION = 0x40;
inline constexpr int32_t IDOK = 1;
inline constexpr int32_t IDCANCEL = 2;
inline constexpr int32_t IDABORT = 3;
inline constexpr int32_t IDRETRY = 4;
inline constexpr int32_t IDIGNORE = 5;
inline constexpr int32_t IDYES = 6;
inline constexpr int32_t IDNO = 7;

class TWSWindows {
 public:
  virtual ~TWSWindows() = default;

  // ------------------------------------------------------------- windows
  // A window whose messages go to Receiver (borrowed: the host destroys the
  // window before the receiver goes). Fails (0) for a parent that is not a
  // window.
  virtual HWND CreateWindow(const TCreateParams& /*Params*/, TObject* /*Receiver*/) { return 0; }
  // Destroys the window and every window below it; a destroyed focused or
  // capturing window loses focus or capture without messages.
  virtual bool DestroyWindow(HWND /*Window*/) { return false; }
  // Moves Window under NewParent (0: makes it top-level), on top of its new
  // siblings. Fails for a window put under itself or one of its own.
  virtual bool SetParent(HWND /*Window*/, HWND /*NewParent*/) { return false; }
  virtual HWND GetParent(HWND /*Window*/) { return 0; }
  virtual bool IsWindow(HWND /*Window*/) { return false; }
  // Windows alive; tests use it to find leaks.
  virtual std::size_t WindowCount() const { return 0; }

  // ------------------------------------------------------------ geometry
  virtual bool SetWindowBounds(HWND /*Window*/, const TRect& /*Bounds*/) { return false; }
  virtual bool GetWindowBounds(HWND /*Window*/, TRect& /*Bounds*/) { return false; }
  // Puts Window above (Top) or below all its siblings.
  virtual bool SetWindowZOrder(HWND /*Window*/, bool /*Top*/) { return false; }
  // A point of Window's client area in screen coordinates and back.
  virtual bool ClientToScreen(HWND /*Window*/, TPoint& /*Point*/) { return false; }
  virtual bool ScreenToClient(HWND /*Window*/, TPoint& /*Point*/) { return false; }
  // The deepest visible window at a screen point; 0 when none.
  virtual HWND WindowFromPoint(TPoint /*Point*/) { return 0; }

  // -------------------------------------------------------------- state
  virtual bool SetWindowText(HWND /*Window*/, std::string_view /*Text*/) { return false; }
  // The WS_ and WS_EX_ styles the window was made with or was given since.
  virtual bool SetWindowStyle(HWND /*Window*/, uint32_t /*Style*/, uint32_t /*ExStyle*/) { return false; }
  virtual bool GetWindowStyle(HWND /*Window*/, uint32_t& /*Style*/, uint32_t& /*ExStyle*/) { return false; }
  // The menu bar (wsmenus.h) a top-level window shows above its client
  // area, 0 for none; fails for a child window. The window keeps the handle
  // only: a destroyed menu shows nothing.
  virtual bool SetMenu(HWND /*Window*/, HMENU /*Menu*/) { return false; }
  virtual HMENU GetMenu(HWND /*Window*/) { return 0; }
  // The icon a top-level window shows (title bar, task list), 0 for the
  // backend's own; fails for a child window. The window keeps the handle
  // only: the icon stays its owner's.
  virtual bool SetWindowIcon(HWND /*Window*/, HICON /*Icon*/) { return false; }
  virtual HICON GetWindowIcon(HWND /*Window*/) { return 0; }
  virtual std::string GetWindowText(HWND /*Window*/) { return {}; }
  virtual bool ShowWindow(HWND /*Window*/, bool /*Show*/) { return false; }
  // Shown, and every parent shown.
  virtual bool IsWindowVisible(HWND /*Window*/) { return false; }
  // A disabled window gets no mouse or key input (the mouse goes to
  // nobody, the focus cannot move to it).
  virtual bool EnableWindow(HWND /*Window*/, bool /*Enable*/) { return false; }
  virtual bool IsWindowEnabled(HWND /*Window*/) { return false; }

  // ---------------------------------------------------- focus and capture
  // Moves the keyboard focus: WM_KILLFOCUS to the window losing it, then
  // WM_SETFOCUS to Window. Returns the window that had it (0 for none, and
  // 0 without any message when Window cannot take it: hidden, disabled or
  // not a window). SetFocus(0) takes the focus away.
  virtual HWND SetFocus(HWND /*Window*/) { return 0; }
  virtual HWND GetFocus() { return 0; }
  // While a window holds the capture every mouse message goes to it.
  // Returns the window that held it before (which gets WM_CAPTURECHANGED).
  virtual HWND SetCapture(HWND /*Window*/) { return 0; }
  virtual bool ReleaseCapture() { return false; }
  virtual HWND GetCapture() { return 0; }
  virtual TPoint GetCursorPos() { return {}; }
  virtual bool SetCursorPos(TPoint /*Point*/) { return false; }
  // Key state as the last input left it (the shift keys and buttons down).
  virtual TShiftState GetShiftState() { return {}; }

  // ------------------------------------------------------------ painting
  // Marks a part of the window (null: all of it) as needing a paint; the
  // WM_PAINT comes from ProcessMessages or UpdateWindow.
  virtual bool InvalidateRect(HWND /*Window*/, const TRect* /*Rect*/) { return false; }
  // Sends the pending WM_PAINT of Window and of the windows below it now.
  virtual bool UpdateWindow(HWND /*Window*/) { return false; }
  // A device context drawing onto the window in client coordinates, clipped
  // to the part of it that shows. Give it back with ReleaseDC.
  virtual HDC GetDC(HWND /*Window*/) { return 0; }
  virtual bool ReleaseDC(HWND /*Window*/, HDC /*DC*/) { return false; }
  // What the window shows, as one bitmap of its size (a new bitmap the
  // caller deletes); 0 when the backend cannot tell.
  virtual HBITMAP CaptureWindow(HWND /*Window*/) { return 0; }

  // ------------------------------------------------------------ messages
  // Queues a TWMGeneric message for Window; it is delivered by
  // ProcessMessages (dropped when the window goes first).
  virtual bool PostMessage(HWND /*Window*/, uint32_t /*Msg*/, int64_t /*WParam*/, int64_t /*LParam*/) { return false; }
  // Delivers the queued messages and pending paints; true when there was
  // anything to deliver.
  virtual bool ProcessMessages() { return false; }
  // Waits until something can be delivered and delivers it: queued
  // messages, paints, due timers, input. False when nothing ever can (a
  // modal loop then gives up instead of hanging): always for a backend
  // without windows.
  virtual bool WaitMessage() { return false; }

  // -------------------------------------------------------------- timers
  // A timer calls Proc every Interval milliseconds from the message loop;
  // its procedure may kill it or other timers. SetTimer answers the timer's
  // handle (never reused), 0 when Interval is 0 or the backend has no clock.
  using TTimerProc = std::function<void()>;
  virtual THandle SetTimer(uint32_t /*Interval*/, TTimerProc /*Proc*/) { return 0; }
  virtual bool KillTimer(THandle /*Timer*/) { return false; }
  // Milliseconds on the backend's clock since it started.
  virtual uint64_t GetTickCount() { return 0; }

  // ------------------------------------------------------------- desktop
  // The monitors side by side make the desktop (screen coordinates); the
  // work area is the part of the primary monitor windows are placed in.
  // A backend without windows has no monitor (0, empty rectangles).
  virtual int32_t GetMonitorCount() { return 0; }
  virtual bool GetMonitorBounds(int32_t /*Index*/, TRect& /*Bounds*/) { return false; }
  virtual TRect GetDesktopRect() { return {}; }
  virtual TRect GetWorkArea() { return {}; }
  virtual int32_t GetPixelsPerInch() { return 96; }

  // -------------------------------------------------------- message boxes
  // Shows a modal message box with Text, Caption and the buttons and icon
  // of Flags (MB_...) and answers the button chosen (IDOK...); 0 when the
  // backend cannot show one.
  virtual int32_t MessageBox(HWND /*Owner*/, std::string_view /*Text*/, std::string_view /*Caption*/,
                             uint32_t /*Flags*/) {
    return 0;
  }
  // Shows a common dialog (wsdialogs.h) and answers IDOK or IDCANCEL; 0
  // when the backend cannot show one.
  virtual int32_t ShowCommonDialog(HWND /*Owner*/, TCommonDialogRequest& /*Request*/) { return 0; }
  // Closes a modeless dialog ShowCommonDialog showed; false when it is gone.
  virtual bool CloseCommonDialog(THandle /*Dialog*/) { return false; }

  // ---------------------------------------------------------------- links
  // Hands Address (a web address, a mailto: address) to the system's
  // handler for it; false when the backend has none.
  virtual bool OpenURL(std::string_view /*Address*/) { return false; }
};

}  // namespace host
