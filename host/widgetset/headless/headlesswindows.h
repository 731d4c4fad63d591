// The windows of the headless widgetset: a tree of window records in
// memory, the keyboard focus, the mouse capture, a queue of posted messages
// and painting onto pixel buffers.
//
// Handles: windows are entries of the backend's handle table (object type
// 0, so the graphics calls see no object behind them). They share its
// never-reused numbering, HandleCount counts them, and a stale handle or a
// handle of another kind is refused like any other.
//
// Painting: every top-level window owns a 32-bit surface of its size; the
// windows in it draw onto that surface at their place, clipped by their
// ancestors. A surface is limited to kMaxSurfacePixels; a larger window
// still gets its messages but shows nothing (CaptureWindow gives 0).
// Invalidating a part of a window adds that part of the top-level surface
// to the area waiting there (one rectangle, the union), at a cost that does
// not grow with the number of windows. A paint pass (ProcessMessages, or
// UpdateWindow for the top-level window of the window named) then sends
// WM_PAINT to every shown window over that area, with its share of it as
// UpdateRect, in paint order: each window before the windows in it,
// siblings bottom to top, so children paint over their parent. The area of
// a hidden top-level window waits until it shows. The DC of a WM_PAINT is
// released when the receiver returns.
//
// Delivery: messages are sent by calling the receiver's Dispatch. The
// receiver may destroy any window meanwhile (the receiving one included):
// every record is looked up again after a Dispatch, and a destroyed window's
// focus, capture, queued messages, pending paint and device contexts go with
// it. A window made with a null receiver gets no messages.
//
// Shift state and cursor position are kept here; the robot (robot.h) sets
// them from the input it gives.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "host/widgetset/headless/handletable.h"
#include "host/widgetset/headless/headlessclock.h"
#include "host/widgetset/wswindows.h"

namespace host::headless {

class THeadlessWidgetSet;

// Shows the top-level windows somewhere outside the backend (a toolkit's
// real windows) and waits for the input given there. The windows tell it
// what changed; it reads the rest (bounds, text, the surface through
// DrawTarget) itself, and gives input back through the robot, so a real
// click runs the same code as a test's. Its calls must not destroy windows.
class TWindowPresenter {
 public:
  virtual ~TWindowPresenter() = default;
  // A top-level window appeared (made, or taken out of its parent) or its
  // place, text or visibility changed.
  virtual void TopLevelChanged(HWND Window) = 0;
  // A top-level window is going: destroyed, or put into a parent.
  virtual void TopLevelGone(HWND Window) = 0;
  // A part of a top-level window waits for painting.
  virtual void TopLevelDamaged(HWND Window) = 0;
  // A child window appeared (made, or put into a parent) or its parent,
  // place, text, visibility or enabled state changed. A toolkit with a
  // widget per window follows it.
  virtual void ChildChanged(HWND /*Window*/) {}
  // A child window is going: destroyed, or made a top-level window. The
  // windows in it are told first.
  virtual void ChildGone(HWND /*Window*/) {}
  // A child window moved above (Top) or below its siblings.
  virtual void ChildRestacked(HWND /*Window*/, bool /*Top*/) {}
  // The keyboard focus moved to Window (0: to no window).
  virtual void FocusChanged(HWND /*Window*/) {}
  // Whether the presenter has the waiting parts painted itself, when its
  // toolkit paints (through UpdateWindow): ProcessMessages then delivers
  // only the posted messages, and many changes cost one paint.
  virtual bool PaintsItself() const { return false; }
  // WaitMessage found nothing to deliver and no idle driver acted: waits
  // for outside input (and delivers it); false when none can ever come.
  virtual bool WaitForInput() = 0;
  // Shows a message box to a person and answers the button chosen; 0 when
  // nobody can answer (the queued answers are used then).
  virtual int32_t ShowMessageBox(std::string_view /*Text*/, std::string_view /*Caption*/, uint32_t /*Flags*/) {
    return 0;
  }
  // Shows a common dialog to a person (wsdialogs.h) and answers IDOK or
  // IDCANCEL; 0 when nobody can answer (the queued answers are used then).
  virtual int32_t ShowCommonDialog(TCommonDialogRequest& /*Request*/) { return 0; }
  virtual bool CloseCommonDialog(THandle /*Dialog*/) { return false; }
  // Hands a link to the system's handler when a person is there to see
  // it; false otherwise.
  virtual bool OpenURL(std::string_view /*Address*/) { return false; }
};

class THeadlessWindows : public TWSWindows {
 public:
  // The largest surface of a top-level window: 2^24 pixels (64 MiB).
  static constexpr int64_t kMaxSurfacePixels = int64_t{1} << 24;

  explicit THeadlessWindows(THeadlessWidgetSet& Owner) : FOwner(Owner) {}
  THeadlessWindows(const THeadlessWindows&) = delete;
  THeadlessWindows& operator=(const THeadlessWindows&) = delete;

  HWND CreateWindow(const TCreateParams& Params, TObject* Receiver) override;
  bool DestroyWindow(HWND Window) override;
  bool SetParent(HWND Window, HWND NewParent) override;
  HWND GetParent(HWND Window) override;
  bool IsWindow(HWND Window) override { return Find(Window) != nullptr; }
  std::size_t WindowCount() const override { return FCount; }

  bool SetWindowBounds(HWND Window, const TRect& Bounds) override;
  bool GetWindowBounds(HWND Window, TRect& Bounds) override;
  bool SetWindowZOrder(HWND Window, bool Top) override;
  bool ClientToScreen(HWND Window, TPoint& Point) override;
  bool ScreenToClient(HWND Window, TPoint& Point) override;
  HWND WindowFromPoint(TPoint Point) override;

  bool SetWindowText(HWND Window, std::string_view Text) override;
  std::string GetWindowText(HWND Window) override;
  bool SetWindowStyle(HWND Window, uint32_t Style, uint32_t ExStyle) override;
  bool GetWindowStyle(HWND Window, uint32_t& Style, uint32_t& ExStyle) override;
  bool SetMenu(HWND Window, HMENU Menu) override;
  HMENU GetMenu(HWND Window) override;
  bool SetWindowIcon(HWND Window, HICON Icon) override;
  HICON GetWindowIcon(HWND Window) override;
  bool ShowWindow(HWND Window, bool Show) override;
  bool IsWindowVisible(HWND Window) override;
  bool EnableWindow(HWND Window, bool Enable) override;
  bool IsWindowEnabled(HWND Window) override;

  HWND SetFocus(HWND Window) override;
  HWND GetFocus() override { return FFocus; }
  HWND SetCapture(HWND Window) override;
  // True also when no window held the capture (classic).
  bool ReleaseCapture() override;
  HWND GetCapture() override { return FCapture; }
  TPoint GetCursorPos() override { return FCursor; }
  bool SetCursorPos(TPoint Point) override;
  TShiftState GetShiftState() override { return FShift; }

  bool InvalidateRect(HWND Window, const TRect* Rect) override;
  bool UpdateWindow(HWND Window) override;
  HDC GetDC(HWND Window) override;
  bool ReleaseDC(HWND Window, HDC DC) override;
  HBITMAP CaptureWindow(HWND Window) override;

  bool PostMessage(HWND Window, uint32_t Msg, int64_t WParam, int64_t LParam) override;
  // Delivers the messages queued when it starts (in order), then the
  // pending paints.
  bool ProcessMessages() override;
  // Delivers what is pending; with nothing pending asks the idle driver to
  // act as the user would (a test step, a script line). False when nothing
  // was pending and no driver acted: nobody is there to end a wait.
  bool WaitMessage() override;
  // The procedure WaitMessage calls when nothing is pending; it answers
  // whether it did anything. Returns the one it replaces.
  using TIdleDriver = std::function<bool()>;
  TIdleDriver SetIdleDriver(TIdleDriver Driver);
  // The presenter told about top-level windows (borrowed; null for none).
  // Returns the one it replaces.
  TWindowPresenter* SetPresenter(TWindowPresenter* Presenter) { return std::exchange(FPresenter, Presenter); }

  THandle SetTimer(uint32_t Interval, TTimerProc Proc) override { return FClock.SetTimer(Interval, std::move(Proc)); }
  bool KillTimer(THandle Timer) override { return FClock.KillTimer(Timer); }
  uint64_t GetTickCount() override { return FClock.Now(); }
  // The virtual clock: time moves only through Advance, which fires the
  // timers due on the way and then delivers what they caused.
  THeadlessClock& Clock() { return FClock; }
  void Advance(uint64_t Ms);

  // One monitor of kDesktopWidth x kDesktopHeight at (0, 0); the work area
  // is all of it.
  static constexpr int32_t kDesktopWidth = 1024;
  static constexpr int32_t kDesktopHeight = 768;
  int32_t GetMonitorCount() override { return 1; }
  bool GetMonitorBounds(int32_t Index, TRect& Bounds) override;
  TRect GetDesktopRect() override { return {0, 0, kDesktopWidth, kDesktopHeight}; }
  TRect GetWorkArea() override { return GetDesktopRect(); }

  // Message boxes show nothing: each is recorded and answered with the
  // next queued answer, or, when none is queued, with its first button
  // (IDOK, IDABORT, IDYES or IDRETRY), and recorded as Unanswered.
  struct TMessageBoxShown {
    std::string Text;
    std::string Caption;
    uint32_t Flags = 0;
    int32_t Answer = 0;
    bool Unanswered = false;  // no answer was queued: the first button was taken
  };
  int32_t MessageBox(HWND Owner, std::string_view Text, std::string_view Caption, uint32_t Flags) override;
  void QueueMessageBoxAnswer(int32_t Answer) { FMessageBoxAnswers.push_back(Answer); }

  // Common dialogs (wsdialogs.h) show nothing either; each is recorded
  // (kind, title, answer) and answered from the message box answers: IDOK
  // takes the next queued dialog text (when one is queued) as the user's
  // choice, IDCANCEL leaves the request as it was. A modal dialog with no
  // answer queued is cancelled and recorded as Unanswered. The dialog text
  // holds, by kind:
  //   open / save: a file name, or several separated by '|';
  //   font:        "Name,Size,Style" (Style: letters B, I, U, S; may be empty);
  //   colour:      the colour as a number (decimal or $hex COLORREF);
  //   print:       "Copies" or "Copies,FromPage,ToPage" (page numbers chosen);
  //   find:        the text to find; replace: "find|replace".
  // A modeless (find / replace) dialog stays open after showing until
  // CloseCommonDialog: with no answer queued nothing more happens; IDOK
  // presses Find Next on a find dialog and Replace on a replace dialog, IDYES
  // presses Replace All, IDCANCEL closes the dialog at once. PressCommonDialog
  // presses a button of an open one later, with new texts. Malformed text
  // raises EConvertError.
  struct TCommonDialogShown {
    TCommonDialogKind Kind = TCommonDialogKind::OpenFile;
    std::string Title;
    int32_t Answer = 0;
    bool Unanswered = false;
    TCommonDialogRequest Shown;  // what the dialog showed, before the user chose
  };
  int32_t ShowCommonDialog(HWND Owner, TCommonDialogRequest& Request) override;
  bool CloseCommonDialog(THandle Dialog) override;
  void QueueDialogText(std::string Text) { FDialogTexts.push_back(std::move(Text)); }
  const std::vector<TCommonDialogShown>& CommonDialogsShown() const { return FCommonDialogs; }
  // The open modeless dialogs, oldest first.
  std::vector<THandle> OpenCommonDialogs() const;
  // Acts in the open modeless dialog as the user would: Text (as a dialog
  // text above; empty keeps the fields) is typed, then Action pressed.
  // False when the dialog is not open.
  bool PressCommonDialog(THandle Dialog, TCommonDialogAction Action, const std::string& Text = {});

  // Links are recorded (and handed on by the presenter, when there is one
  // that opens them): they are not opened here.
  bool OpenURL(std::string_view Address) override;
  const std::vector<std::string>& OpenedURLs() const { return FOpenedURLs; }
  const std::vector<TMessageBoxShown>& MessageBoxesShown() const { return FMessageBoxes; }
  // Forgets the boxes and dialogs shown, the answers and texts still
  // queued (and the links).
  void ClearMessageBoxes();

  // ------------------------------------------------------ for the backend
  // Sends Message to Window's receiver now; false when Window is gone or
  // has no receiver.
  bool Send(HWND Window, TMessage& Message);
  // Whether Window shows and it and every window it lies in are enabled:
  // whether it may get mouse and key input.
  bool TakesInput(HWND Window);
  void SetShiftState(TShiftState State) { FShift = State; }
  // Where a window's device context draws: the top-level surface (null when
  // it has none), the window's client origin on it and the part of the
  // surface where the window shows (empty when it is hidden). False when
  // Window is gone.
  bool DrawTarget(HWND Window, TSurface*& Surface, TPoint& Origin, TRect& Visible);
  // Whether Window itself is shown (IsWindowVisible asks its parents too).
  bool IsWindowShown(HWND Window) const;
  // The class name Window was made with (TCreateParams::WinClassName).
  std::string WindowClassName(HWND Window) const;
  // The object Window's messages go to (its control); null when none.
  TObject* WindowReceiver(HWND Window) const;

 private:
  TWindowObject* Find(HWND Window);
  const TWindowObject* Find(HWND Window) const;
  // The list Window stacks in: its parent's children or the top-level windows.
  std::vector<HWND>& SiblingsOf(const TWindowObject& Window);
  bool Contains(HWND Ancestor, HWND Window) const;
  HWND TopLevelOf(HWND Window) const;
  // Window's client origin relative to its top-level window's client area.
  TPoint OriginInTopLevel(HWND Window) const;
  // The part of the top-level client area where Window shows, clipped by
  // its ancestors (hidden ones not considered).
  TRect ClipInTopLevel(HWND Window) const;
  void Attach(HWND Window, HWND Parent);
  void Detach(HWND Window);
  void ResizeSurface(TWindowObject& Window);
  void CollectSubtree(HWND Window, std::vector<HWND>& Out) const;
  // The windows from Root in paint order (see above).
  std::vector<HWND> PaintOrder(HWND Root) const;
  HWND ChildFromPoint(HWND Parent, TPoint Local) const;
  // Removes one window record and everything that refers to it.
  void Forget(HWND Window);
  // Invalidates Rect (client coordinates of Window): the area is added to
  // what waits on the top-level surface.
  void Invalidate(HWND Window, const TRect& Rect);
  void AddUpdate(HWND TopLevel, const TRect& Rect);
  // Tells the presenter that Window changed (as a top-level or a child
  // window), or that Root and the windows in it appeared or are going.
  void TellChanged(HWND Window);
  void TellAppeared(HWND Root);
  void TellGone(HWND Root);
  bool SetTopLevelHandle(HWND Window, THandle TWindowObject::*Slot, THandle Value);
  // Invalidates the part of Window's parent where Window lies (nothing for
  // a top-level window: it has a surface of its own).
  void InvalidateUnder(HWND Window);
  void InvalidateAll(HWND Window);
  // Sends WM_PAINT for the part of Area (top-level coordinates) where
  // Window shows.
  bool Paint(HWND Window, const TRect& Area);
  bool PaintTopLevel(HWND TopLevel);
  HDC MakeDC(HWND Window, const TRect* Limit);
  bool FreeDC(HDC DC);

  struct TPosted {
    uint64_t Serial = 0;
    HWND Window = 0;
    TWMGeneric Message;
  };

  THeadlessWidgetSet& FOwner;
  std::vector<HWND> FTopLevels;  // bottom to top
  std::size_t FCount = 0;
  HWND FFocus = 0;
  HWND FCapture = 0;
  TPoint FCursor;
  TShiftState FShift;
  std::deque<TPosted> FQueue;
  THeadlessClock FClock;
  TIdleDriver FIdleDriver;
  TWindowPresenter* FPresenter = nullptr;
  uint64_t FNextSerial = 0;
  std::vector<HDC> FDCs;  // window device contexts handed out
  std::deque<int32_t> FMessageBoxAnswers;
  std::vector<TMessageBoxShown> FMessageBoxes;
  std::vector<std::string> FOpenedURLs;
  std::deque<std::string> FDialogTexts;
  std::vector<TCommonDialogShown> FCommonDialogs;
  // The open modeless dialogs and what each was shown with.
  std::vector<std::pair<THandle, TCommonDialogRequest>> FModeless;
  THandle FLastDialog = 0;
  // The answer of the next box or dialog shown, when one is queued.
  bool NextAnswer(int32_t& Answer);
};

}  // namespace host::headless
