// The Qt windows of the Qt widgetset: one QWidget per host window, kept in
// step with it by the headless windows' presenter calls.
//
// A top-level host window is a Qt window (TQtWindow) where the host's
// window is (its whole area is the client area: the host draws its own
// borders), titled with its text, framed as its styles ask, with its menu
// bar above the client area. Every windowed control inside is a child
// widget of its parent's (TQtControl) at the control's place, shown,
// enabled and stacked as the host says, named after the host class
// ("TButton") and carrying the control's text as its accessible name; Qt's
// keyboard focus follows the host's. The widget is of the Qt class that
// fits the control (ControlWidget in qt6windows.cc lists them): a
// QPushButton for a button, a QCheckBox, QLineEdit, QComboBox, QSlider,
// QTabBar, QStatusBar..., a scroll area (QListWidget, QPlainTextEdit,
// QTableWidget...) showing only its viewport, a QTabWidget with its own tab
// bar and page stack hidden, a QFrame for a panel; a plain QWidget for the
// controls whose Qt classes are made of child widgets (spin boxes, date
// editors, calendars), which would take the host's input.
//
// Painting is Qt's: damage schedules an update, and a widget's paint event
// first lets the host paint what waits (UpdateWindow), then copies its part
// of the top-level surface, so many changes between two paints cost one.
// The host draws its controls itself, as the classic controls do in the
// host classes; Qt draws with a QPainter onto that surface (qt6graphics.cc).
// Buttons, check boxes, radio buttons and scroll bars are the exception:
// their widgets draw the faces Qt's style gives those controls, in the
// state the host has them in; bordered edits, memos and list boxes, and
// drop-down combo boxes, take the style's frame around the host's drawing
// (qt6faces.h).
//
// Input: mouse, wheel and key events reaching any of these widgets go to
// the robot at the screen point of the host's window (not Qt's global
// position, which a window manager may have moved), so they become the same
// host messages as a test's input; the host routes them (capture, focus).
// Closing a window sends the host WM_CLOSE (the host decides), and a move
// or resize by the user comes back as WM_MOVE / WM_SIZE.
//
// Time: a Qt timer moves the headless clock along with real time (every
// 10 ms), so host timers fire on time; a script may move it further ahead
// (`wait`), and real time then catches up before timers fire again.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtWidgets/QDialog>
#include <QtWidgets/QWidget>

#include "host/widgetset/headless/headless.h"

namespace host::qt6 {

class TQtWindow;
class TQtControl;
class TQtHostWidget;

class TQtWindows : public headless::TWindowPresenter {
 public:
  explicit TQtWindows(headless::THeadlessWidgetSet& WidgetSet);
  ~TQtWindows() override;
  TQtWindows(const TQtWindows&) = delete;
  TQtWindows& operator=(const TQtWindows&) = delete;

  void TopLevelChanged(HWND Window) override;
  void TopLevelGone(HWND Window) override;
  void TopLevelDamaged(HWND Window) override;
  void ChildChanged(HWND Window) override;
  void ChildGone(HWND Window) override;
  void ChildRestacked(HWND Window, bool Top) override;
  void FocusChanged(HWND Window) override;
  // Qt paints when its event loop gets to it: damage only schedules that.
  bool PaintsItself() const override { return true; }
  bool WaitForInput() override;
  int32_t ShowMessageBox(std::string_view Text, std::string_view Caption, uint32_t Flags) override;
  // Qt's dialogs (qt6dialogs.h), on screen only, as the message boxes.
  int32_t ShowCommonDialog(TCommonDialogRequest& Request) override;
  bool CloseCommonDialog(THandle Dialog) override;
  // On screen, through Qt's desktop services (the system's handler).
  bool OpenURL(std::string_view Address) override;

  // The Qt widget of a host window (the Qt window of a top-level one);
  // null when it has none.
  QWidget* WidgetOf(HWND Window) const;
  // The top-level host window of any host window; 0 when it is gone.
  HWND TopLevelOf(HWND Window) const;
  // Whether a person can answer message boxes (a real display, not the
  // offscreen or minimal platform).
  static bool OnScreen();

 private:
  friend class TQtHostWidget;
  friend class TQtWindow;
  friend class TQtControl;
  headless::THeadlessWidgetSet& FWidgetSet;
  std::unordered_map<HWND, TQtWindow*> FWidgets;    // top-level windows
  std::unordered_map<HWND, TQtControl*> FControls;  // child windows
  std::unordered_map<THandle, QPointer<QDialog>> FFindDialogs;  // open find / replace dialogs
  // Gives Qt's focus to the widget of the host's focused window.
  void FollowFocus();
  QTimer FTicker;
  QElapsedTimer FRealTime;
  bool FTicking = false;  // the ticker's clock move is running
  // Moves the headless clock to real time (never back).
  void Tick();
};

}  // namespace host::qt6
