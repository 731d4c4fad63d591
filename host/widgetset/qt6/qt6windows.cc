#include "host/widgetset/qt6/qt6windows.h"

#include <string>
#include <type_traits>

#include <QtCore/QUrl>
#include <QtGui/QAccessible>
#include <QtGui/QCloseEvent>
#include <QtGui/QDesktopServices>
#include <QtGui/QIcon>
#include <QtGui/QPixmap>
#include <QtGui/QGuiApplication>
#include <QtGui/QKeyEvent>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>
#include <QtGui/QWheelEvent>
#include <QtWidgets/QAccessibleWidget>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QSlider>
#include <QtWidgets/QStackedWidget>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTabWidget>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QTableWidget>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QScrollArea>
#include <QtWidgets/QScrollBar>

#include "host/widgetset/qt6/qt6dialogs.h"
#include "host/widgetset/qt6/qt6faces.h"
#include "host/widgetset/qt6/qt6keys.h"
#include "host/widgetset/qt6/qt6menus.h"

namespace host::qt6 {

using headless::THeadlessRobot;
using headless::TSurface;

// ------------------------------------------------------ a window's widget

// What every widget of a host window does, whatever its Qt class: paint its
// part of the top-level surface and hand Qt input to the robot. Self is the
// widget.
class TQtHostWidget {
 public:
  TQtHostWidget(TQtWindows& Owner, HWND Window, QWidget& Self) : FOwner(&Owner), FWindow(Window), FSelf(Self) {
    Self.setAttribute(Qt::WA_OpaquePaintEvent);
    Self.setMouseTracking(true);
  }
  virtual ~TQtHostWidget() = default;
  TQtHostWidget(const TQtHostWidget&) = delete;
  TQtHostWidget& operator=(const TQtHostWidget&) = delete;
  QWidget& Widget() const { return FSelf; }
  // The host window went: the widget answers nothing any more and goes
  // once Qt is done with the event that may be running on it.
  void Orphan() {
    FOwner = nullptr;
    FSelf.hide();
    FSelf.deleteLater();
  }

  enum class TMouseAction { Down, Up, Double, Move };
  // Paints the widget on Target: the widget, or a scroll area's viewport.
  void Paint(QWidget& Target);
  void Mouse(QMouseEvent* Event, TMouseAction Action);
  void Wheel(QWheelEvent* Event);
  void Key(QKeyEvent* Event, bool Down);
  // Runs host code for a Qt event. An exception must not cross Qt's event
  // loop: one that leaves the host (input outside the application's own
  // loops, which report theirs) is written to the error output.
  template <class F>
  void Guard(F&& Work);

 protected:
  // Where the host window's client area starts in the widget.
  virtual QPoint ClientOffset() const { return {0, 0}; }
  // Draws the window in Qt's style instead of the host's drawing; false
  // for windows the host draws.
  virtual bool PaintNative(QPainter&) { return false; }
  // Copies the window's part of the host's surface onto the widget.
  void PaintHost(QPainter& Painter);

  headless::THeadlessWindows& Windows() const { return FOwner->FWidgetSet.Windows(); }
  THeadlessRobot& Robot() const { return FOwner->FWidgetSet.Robot(); }

  TQtWindows* FOwner;
  HWND FWindow;
  QWidget& FSelf;

 private:
  // A point of this widget in screen coordinates as the host has them.
  TPoint Screen(QPointF Local) const;
};

// A widget of Qt class QtBase for a host window (Link: what the window's
// kind adds), its events going to the host.
template <class QtBase, class Link>
class TQtWidget : public QtBase, public Link {
 public:
  template <class... Args>
  explicit TQtWidget(QWidget* Parent, Args&&... LinkArgs)
      : QtBase(Parent), Link(std::forward<Args>(LinkArgs)..., static_cast<QWidget&>(*this)) {
    if constexpr (std::is_base_of_v<QAbstractScrollArea, QtBase>) ShowOnlyTheViewport();
    // Typed text comes as key events, as it does to any host window (Qt's
    // edit classes would take it from an input method instead).
    this->setAttribute(Qt::WA_InputMethodEnabled, false);
    if constexpr (std::is_base_of_v<QTabWidget, QtBase>) {
      // The host draws the tabs, and its pages are windows of their own.
      this->tabBar()->hide();
      for (QStackedWidget* stack : this->template findChildren<QStackedWidget*>(Qt::FindDirectChildrenOnly))
        stack->hide();
    }
    if constexpr (std::is_base_of_v<QStatusBar, QtBase>) this->setSizeGripEnabled(false);
    if constexpr (std::is_base_of_v<QToolBar, QtBase>) {
      this->setMovable(false);
      this->setFloatable(false);
    }
  }

 protected:
  using Action = TQtHostWidget::TMouseAction;
  // A scroll area paints, and hears the mouse, through its viewport.
  void paintEvent(QPaintEvent*) override {
    if constexpr (std::is_base_of_v<QAbstractScrollArea, QtBase>)
      this->Paint(*this->viewport());
    else
      this->Paint(*this);
  }
  void mousePressEvent(QMouseEvent* Event) override {
    this->Guard([&] { this->Mouse(Event, Action::Down); });
  }
  void mouseReleaseEvent(QMouseEvent* Event) override {
    this->Guard([&] { this->Mouse(Event, Action::Up); });
  }
  void mouseDoubleClickEvent(QMouseEvent* Event) override {
    this->Guard([&] { this->Mouse(Event, Action::Double); });
  }
  void mouseMoveEvent(QMouseEvent* Event) override {
    this->Guard([&] { this->Mouse(Event, Action::Move); });
  }
  void wheelEvent(QWheelEvent* Event) override {
    this->Guard([&] { this->Wheel(Event); });
  }
  void keyPressEvent(QKeyEvent* Event) override {
    this->Guard([&] { this->Key(Event, true); });
  }
  void keyReleaseEvent(QKeyEvent* Event) override {
    this->Guard([&] { this->Key(Event, false); });
  }
  // The host shows its own pop-up menus (a right click reaches it above).
  void contextMenuEvent(QContextMenuEvent* Event) override { Event->accept(); }
  // Tab and Shift+Tab are the host's (focus moves between its controls).
  bool focusNextPrevChild(bool) override { return false; }

 private:
  // The host draws the whole control, its scroll bars too: the scroll
  // area's viewport covers it, without Qt's frame, scroll bars or headers.
  void ShowOnlyTheViewport() {
    QAbstractScrollArea& area = *this;
    area.setFrameShape(QFrame::NoFrame);
    area.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area.viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    area.viewport()->setMouseTracking(true);
    if constexpr (std::is_base_of_v<QTreeView, QtBase>) this->setHeaderHidden(true);
    if constexpr (std::is_base_of_v<QTableView, QtBase>) {
      this->horizontalHeader()->hide();
      this->verticalHeader()->hide();
      this->setCornerButtonEnabled(false);
    }
    if constexpr (std::is_base_of_v<QPlainTextEdit, QtBase>) {
      this->setReadOnly(true);
      this->setTextInteractionFlags(Qt::NoTextInteraction);
    }
  }
};

// A top-level host window: a Qt window with the host's title, frame, icon
// and menu bar.
class TQtWindowLink : public TQtHostWidget {
 public:
  TQtWindowLink(TQtWindows& Owner, HWND Window, QWidget& Self) : TQtHostWidget(Owner, Window, Self) {
    Self.setFocusPolicy(Qt::StrongFocus);
  }
};

class TQtWindow : public TQtWidget<QWidget, TQtWindowLink> {
 public:
  TQtWindow(TQtWindows& Owner, HWND Window) : TQtWidget(nullptr, Owner, Window) {}
  // Takes the host window's place, title and visibility.
  void Follow();
  // The height of the menu bar above the host's client area (0 without).
  int BarHeight() const { return FBar ? FBar->height() : 0; }
  // Keeps the menu bar above the controls that a negative top puts under it.
  void RaiseBar() {
    if (FBar) FBar->raise();
  }

 protected:
  QPoint ClientOffset() const override { return {0, BarHeight()}; }
  void closeEvent(QCloseEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;

 private:
  // Tells the host that the user moved or resized the window.
  template <class M>
  void Report(M& Message);

  // Shows the host window's menu bar above its client area, and its icon.
  void FollowMenu();
  void FollowIcon();

  QMenuBar* FBar = nullptr;  // a child: Qt deletes it with the window
  HMENU FBarMenu = 0;
  HICON FIcon = 0;
  bool FFollowing = false;  // Qt events caused by Follow are not the user's
};

// The face Qt's style draws for a host class (see kControlKinds); none
// for the classes the host draws.
std::optional<TFaceKind> FaceOfClass(std::string_view HostClass);

// A windowed control: a child widget at the control's place in its
// parent's widget, of the Qt class that fits the control (see
// ControlWidget). Qt never moves the focus to it by itself: the host does.
class TQtControl : public TQtHostWidget {
 public:
  TQtControl(TQtWindows& Owner, HWND Window, QWidget& Self)
      : TQtHostWidget(Owner, Window, Self), FFace(FaceOfClass(Windows().WindowClassName(Window))) {
    Self.setFocusPolicy(Qt::NoFocus);
    Self.setObjectName(QString::fromStdString(Windows().WindowClassName(Window)));
  }
  // Takes the host window's parent, place, text, visibility and state.
  void Follow();

 protected:
  bool PaintNative(QPainter& Painter) override {
    if (!FFace || !FOwner) return false;
    const TFaceState state = ReadFaceState(FOwner->FWidgetSet, FWindow, *FFace);
    MirrorFaceState(FSelf, state);
    if (!HasFace(state)) return false;
    PaintFace(Painter, FSelf, state);
    // Inside a frame, what the host drew.
    if (const QRect area = HostArea(FSelf, state); !area.isEmpty()) {
      Painter.setClipRect(area);
      PaintHost(Painter);
    }
    return true;
  }

 private:
  std::optional<TFaceKind> FFace;
};

template <class QtBase>
using TQtControlWidget = TQtWidget<QtBase, TQtControl>;

// A header of sections side by side (Qt's headers take their orientation
// when made).
class THorizontalHeader : public QHeaderView {
 public:
  explicit THorizontalHeader(QWidget* Parent) : QHeaderView(Qt::Horizontal, Parent) {}
};

// The widget of a new control's window: a Qt class that fits its host
// class, so that Qt (and what reads Qt's widgets: accessibility, UI
// automation) meets a button as a QPushButton, a check box as a QCheckBox.
// Lists, memos, trees and grids are Qt scroll areas that show only their
// viewport, which takes the input. Notebooks, headers, tool bars, status
// bars and the like stay plain widgets: their Qt classes bring tab bars,
// layouts or buttons of their own that would take the host's input.
template <class QtBase>
QWidget* MakeControlWidget(TQtWindows& Owner, HWND Window, QWidget* Parent) {
  return new TQtControlWidget<QtBase>(Parent, Owner, Window);
}

// How the Qt widgetset meets a host class: the Qt class of its widget, the
// face Qt's style draws for it (qt6faces.h), and the role accessibility
// tools meet it in where Qt's own interface for the widget does not serve.
struct TControlKind {
  const char* HostClass;
  QWidget* (*Make)(TQtWindows& Owner, HWND Window, QWidget* Parent);
  std::optional<TFaceKind> Face;
  QAccessible::Role Role;
};

using F = TFaceKind;
using R = QAccessible::Role;
const TControlKind kControlKinds[] = {
    {"TButton", MakeControlWidget<QPushButton>, F::PushButton, R::PushButton},
    {"TBitBtn", MakeControlWidget<QPushButton>, F::GlyphButton, R::PushButton},
    {"TCheckBox", MakeControlWidget<QCheckBox>, F::CheckBox, R::CheckBox},
    {"TRadioButton", MakeControlWidget<QRadioButton>, F::RadioButton, R::RadioButton},
    {"TScrollBar", MakeControlWidget<QScrollBar>, F::ScrollBar, R::ScrollBar},
    {"TComboBox", MakeControlWidget<QComboBox>, F::ComboBox, R::ComboBox},
    {"TEdit", MakeControlWidget<QLineEdit>, F::EditFrame, R::EditableText},
    {"TMaskEdit", MakeControlWidget<QLineEdit>, F::EditFrame, R::EditableText},
    {"TLabeledEdit", MakeControlWidget<QLineEdit>, F::EditFrame, R::EditableText},
    {"TMemo", MakeControlWidget<QPlainTextEdit>, F::EditFrame, R::EditableText},
    {"TRichEdit", MakeControlWidget<QPlainTextEdit>, F::EditFrame, R::EditableText},
    {"TListBox", MakeControlWidget<QListWidget>, F::EditFrame, R::List},
    {"TCheckListBox", MakeControlWidget<QListWidget>, F::EditFrame, R::List},
    {"TTreeView", MakeControlWidget<QTreeWidget>, std::nullopt, R::Tree},
    {"TListView", MakeControlWidget<QTreeWidget>, std::nullopt, R::List},
    {"TStringGrid", MakeControlWidget<QTableWidget>, std::nullopt, R::Table},
    {"TDrawGrid", MakeControlWidget<QTableWidget>, std::nullopt, R::Table},
    {"TValueListEditor", MakeControlWidget<QTableWidget>, std::nullopt, R::Table},
    {"TGroupBox", MakeControlWidget<QGroupBox>, std::nullopt, R::Grouping},
    {"TRadioGroup", MakeControlWidget<QGroupBox>, std::nullopt, R::Grouping},
    {"TStaticText", MakeControlWidget<QLabel>, std::nullopt, R::StaticText},
    {"TPageControl", MakeControlWidget<QTabWidget>, std::nullopt, R::PageTabList},
    {"TTabSheet", MakeControlWidget<QWidget>, std::nullopt, R::PageTab},
    {"TTabControl", MakeControlWidget<QTabBar>, std::nullopt, R::PageTabList},
    {"THeader", MakeControlWidget<THorizontalHeader>, std::nullopt, R::ColumnHeader},
    {"TStatusBar", MakeControlWidget<QStatusBar>, std::nullopt, R::StatusBar},
    {"TToolBar", MakeControlWidget<QToolBar>, std::nullopt, R::ToolBar},
    {"TTrackBar", MakeControlWidget<QSlider>, F::TrackBar, R::Slider},
    {"TProgressBar", MakeControlWidget<QProgressBar>, F::ProgressBar, R::ProgressBar},
    {"TScrollBox", MakeControlWidget<QScrollArea>, std::nullopt, R::Pane},
    {"TPanel", MakeControlWidget<QFrame>, std::nullopt, R::Pane},
    {"TFrame", MakeControlWidget<QFrame>, std::nullopt, R::Pane},
    {"TCoolBar", MakeControlWidget<QFrame>, std::nullopt, R::ToolBar},
    {"TControlBar", MakeControlWidget<QFrame>, std::nullopt, R::ToolBar},
};

// The kind of a host class; null for the classes a plain widget serves.
const TControlKind* KindOf(std::string_view HostClass) {
  for (const TControlKind& kind : kControlKinds)
    if (HostClass == kind.HostClass) return &kind;
  return nullptr;
}

std::optional<TFaceKind> FaceOfClass(std::string_view HostClass) {
  const TControlKind* kind = KindOf(HostClass);
  return kind ? kind->Face : std::nullopt;
}

QWidget* ControlWidget(TQtWindows& Owner, HWND Window, QWidget* Parent, const std::string& HostClass) {
  const TControlKind* kind = KindOf(HostClass);
  return kind ? kind->Make(Owner, Window, Parent) : MakeControlWidget<QWidget>(Owner, Window, Parent);
}

namespace {

// A widgetset icon as a Qt image: its colours, transparent where its mask
// is white. Empty for a handle that is no icon.
QImage IconImage(TWSGraphics& Graphics, HICON Icon) {
  TIconInfo info;
  if (!Graphics.GetIconInfo(Icon, info)) return {};
  TBitmapBits color, mask;
  QImage image;
  if (Graphics.GetBitmapBits(info.Color, color) && Graphics.GetBitmapBits(info.Mask, mask)) {
    image = QImage(color.Width, color.Height, QImage::Format_ARGB32);
    for (int32_t y = 0; y < color.Height; ++y)
      for (int32_t x = 0; x < color.Width; ++x) {
        const bool clear = y < mask.Height && x < mask.Width && (mask.Row(y)[x] & 0xFFFFFF) == 0xFFFFFF;
        image.setPixel(x, y, clear ? 0u : (color.Row(y)[x] | 0xFF000000u));
      }
  }
  Graphics.DeleteObject(info.Color);
  Graphics.DeleteObject(info.Mask);
  return image;
}

// The Qt window kind and frame of the host's window styles.
Qt::WindowFlags FlagsOf(uint32_t Style, uint32_t ExStyle) {
  // Hints and drop-down lists: frameless, above the rest, never focused
  // (the control they belong to keeps the focus).
  if (Style & WS_POPUP) return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
  if (!(Style & WS_CAPTION)) return Qt::Window;  // a bare control standing as a window
  Qt::WindowFlags flags = ExStyle & WS_EX_TOOLWINDOW     ? Qt::Tool
                          : ExStyle & WS_EX_DLGMODALFRAME ? Qt::Dialog
                                                          : Qt::Window;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (Style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (Style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (Style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  if (ExStyle & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

void TQtWindow::Follow() {
  if (!FOwner) return;
  TRect bounds;
  uint32_t style = 0, exStyle = 0;
  if (!Windows().GetWindowBounds(FWindow, bounds) || !Windows().GetWindowStyle(FWindow, style, exStyle)) return;
  FFollowing = true;
  // Setting the flags hides the window; the visibility is put back below.
  if (const Qt::WindowFlags flags = FlagsOf(style, exStyle); flags != windowFlags()) setWindowFlags(flags);
  setWindowTitle(QString::fromStdString(Windows().GetWindowText(FWindow)));
  FollowMenu();
  FollowIcon();
  const QRect wanted(bounds.Left, bounds.Top, std::max(1, bounds.Width()),
                     std::max(1, bounds.Height()) + BarHeight());
  if (geometry() != wanted) setGeometry(wanted);
  // Without a thick frame the user cannot resize the window.
  const bool fixed = (style & WS_CAPTION) && !(style & WS_THICKFRAME);
  setMinimumSize(fixed ? wanted.size() : QSize(0, 0));
  setMaximumSize(fixed ? wanted.size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  const bool shown = Windows().IsWindowVisible(FWindow);
  if (shown != isVisible()) setVisible(shown);
  FFollowing = false;
}

void TQtWindow::FollowMenu() {
  const HMENU menu = Windows().GetMenu(FWindow);
  if (menu == FBarMenu) return;
  FBarMenu = menu;
  delete std::exchange(FBar, nullptr);
  if (menu) {
    FBar = new QMenuBar(this);
    FBar->setNativeMenuBar(false);  // in the window, above the client area
    FillMenuBar(FBar, FOwner->FWidgetSet.Menus(), menu);
    FBar->setGeometry(0, 0, std::max(1, width()), FBar->sizeHint().height());
    FBar->show();
  }
  // The client area moved under the bar or back up, and the controls with it.
  // (The widgets have no meta-object of their own: Qt's casts cannot tell them.)
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (auto* control = dynamic_cast<TQtControl*>(child)) control->Follow();
}

void TQtWindow::FollowIcon() {
  const HICON icon = Windows().GetWindowIcon(FWindow);
  if (icon == FIcon) return;
  FIcon = icon;
  setWindowIcon(icon ? QIcon(QPixmap::fromImage(IconImage(FOwner->FWidgetSet, icon))) : QIcon());
}

void TQtControl::Follow() {
  if (!FOwner) return;
  QWidget* parent = FOwner->WidgetOf(Windows().GetParent(FWindow));
  TRect bounds;
  if (!parent || !Windows().GetWindowBounds(FWindow, bounds)) return;
  if (FSelf.parentWidget() != parent) FSelf.setParent(parent);  // hides it; shown again below
  QPoint offset;
  if (auto* top = dynamic_cast<TQtWindow*>(parent)) {
    offset.setY(top->BarHeight());
    top->RaiseBar();
  }
  const QRect wanted(bounds.Left + offset.x(), bounds.Top + offset.y(), bounds.Width(), bounds.Height());
  if (FSelf.geometry() != wanted) FSelf.setGeometry(wanted);
  FSelf.setAccessibleName(QString::fromStdString(Windows().GetWindowText(FWindow)));
  FSelf.setEnabled(Windows().IsWindowEnabled(FWindow));
  const bool shown = Windows().IsWindowShown(FWindow);
  if (shown != !FSelf.isHidden()) FSelf.setVisible(shown);
}

void TQtHostWidget::Paint(QWidget& Target) {
  QPainter painter(&Target);
  if (FOwner) Windows().UpdateWindow(FWindow);
  if (!PaintNative(painter)) PaintHost(painter);
}

void TQtHostWidget::PaintHost(QPainter& Painter) {
  TSurface* surface = nullptr;
  TPoint origin;
  TRect visible;
  if (!FOwner || !Windows().DrawTarget(FWindow, surface, origin, visible) || !surface) {
    Painter.fillRect(FSelf.rect(), FSelf.palette().window());
    return;
  }
  // The surface's pixels are 0xAARRGGBB words, Qt's RGB32 layout.
  const QImage image(reinterpret_cast<const uchar*>(surface->Pixels.data()), surface->Width, surface->Height,
                     surface->Width * 4, QImage::Format_RGB32);
  const QPoint offset = ClientOffset();
  Painter.drawImage(offset, image,
                    QRect(origin.X, origin.Y, FSelf.width() - offset.x(), FSelf.height() - offset.y()));
}

TPoint TQtHostWidget::Screen(QPointF Local) const {
  const QPoint offset = ClientOffset();
  TPoint at{static_cast<int32_t>(Local.x()) - offset.x(), static_cast<int32_t>(Local.y()) - offset.y()};
  Windows().ClientToScreen(FWindow, at);
  return at;
}

void TQtHostWidget::Mouse(QMouseEvent* Event, TMouseAction Action) {
  if (!FOwner) return;
  const TPoint at = Screen(Event->position());
  if (Action == TMouseAction::Move) {
    Robot().MouseMove(at);
    return;
  }
  const std::optional<headless::TMouseButtonKind> button = ButtonOf(Event->button());
  if (!button) return;
  const TShiftState shift = ShiftStateOf(Event->modifiers());
  if (Action == TMouseAction::Down) Robot().MouseDown(at, *button, shift);
  if (Action == TMouseAction::Up) Robot().MouseUp(at, *button, shift);
  if (Action == TMouseAction::Double) Robot().MouseDoubleDown(at, *button, shift);
  if (FOwner) FOwner->FollowFocus();
}

template <class F>
void TQtHostWidget::Guard(F&& Work) {
  try {
    Work();
  } catch (const std::exception& e) {
    qWarning("%s", e.what());
  } catch (...) {
    qWarning("Unknown exception");
  }
}

void TQtHostWidget::Wheel(QWheelEvent* Event) {
  if (FOwner) Robot().Wheel(Event->angleDelta().y(), Screen(Event->position()), ShiftStateOf(Event->modifiers()));
}

void TQtHostWidget::Key(QKeyEvent* Event, bool Down) {
  if (!FOwner) return;
  const TShiftState shift = ShiftStateOf(Event->modifiers());
  const std::optional<uint16_t> key = VirtualKeyOf(Event->key());
  if (!Down) {
    if (key) Robot().KeyUp(*key, shift);
    return;
  }
  if (key) Robot().KeyDown(*key, shift);
  // The characters the keyboard layout made, as typed. Ctrl with a letter
  // types its control character (Ctrl+A: 1), whatever text the platform
  // gives; Alt or Ctrl alone type nothing else (Ctrl+Alt is AltGr on many
  // layouts).
  const bool ctrlOnly = shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  if (ctrlOnly && key && *key >= 'A' && *key <= 'Z') {
    Robot().Character(static_cast<uint16_t>(*key - 'A' + 1));
    return;
  }
  if (shift.Contains(ssAlt) != shift.Contains(ssCtrl)) return;
  for (QChar c : Event->text())
    if (FOwner && c.unicode() != 0x7F) Robot().Character(c.unicode());
  if (FOwner) FOwner->FollowFocus();
}

void TQtWindow::closeEvent(QCloseEvent* Event) {
  // The host closes its form (or refuses); its window then hides or goes,
  // and this one follows.
  Event->ignore();
  Guard([&] {
    if (!FOwner) return;
    TWMGeneric close(WM_CLOSE, 0, 0);
    Windows().Send(FWindow, close);
    Windows().ProcessMessages();
  });
}

template <class M>
void TQtWindow::Report(M& Message) {
  if (FOwner && !FFollowing && isVisible()) Guard([&] {
      Windows().Send(FWindow, Message);
      Windows().ProcessMessages();
    });
}

void TQtWindow::moveEvent(QMoveEvent*) {
  TRect bounds;
  if (!FOwner || !Windows().GetWindowBounds(FWindow, bounds) || (bounds.Left == x() && bounds.Top == y())) return;
  TWMMove move;
  move.XPos = x();
  move.YPos = y();
  Report(move);
}

void TQtWindow::resizeEvent(QResizeEvent*) {
  TRect bounds;
  if (!FOwner || !Windows().GetWindowBounds(FWindow, bounds)) return;
  if (FBar) FBar->resize(width(), FBar->height());
  if (bounds.Width() == width() && bounds.Height() == height() - BarHeight()) return;
  TWMSize size;
  size.Width = width();
  size.Height = height() - BarHeight();
  Report(size);
}

// ------------------------------------------------------------ accessibility

namespace {

// The accessible role of a control's widget by its host class, so screen
// readers and UI automation meet a button as a button and an edit as an
// edit; other classes are plain client areas.
QAccessible::Role RoleOf(const QString& HostClass) {
  const TControlKind* kind = KindOf(HostClass.toStdString());
  return kind ? kind->Role : QAccessible::Client;
}

// Buttons and scroll bars are met through Qt's own interfaces, which tell
// their state (checked, the value) from the widget, kept in step with the
// control (qt6faces.h); the other controls' widgets by their host class.
QAccessibleInterface* ControlAccessible(const QString&, QObject* Object) {
  auto* control = dynamic_cast<TQtControl*>(Object);
  if (!control || qobject_cast<QAbstractButton*>(Object) || qobject_cast<QAbstractSlider*>(Object) ||
      qobject_cast<QProgressBar*>(Object))
    return nullptr;
  QWidget& widget = control->Widget();
  return new QAccessibleWidget(&widget, RoleOf(widget.objectName()));
}

}  // namespace

// --------------------------------------------------------------- the windows

TQtWindows::TQtWindows(headless::THeadlessWidgetSet& WidgetSet) : FWidgetSet(WidgetSet) {
  FRealTime.start();
  FTicker.setInterval(10);
  QObject::connect(&FTicker, &QTimer::timeout, [this] { Tick(); });
  FTicker.start();
  FWidgetSet.Windows().SetPresenter(this);
  QAccessible::installFactory(&ControlAccessible);
}

TQtWindows::~TQtWindows() {
  QAccessible::removeFactory(&ControlAccessible);
  FWidgetSet.Windows().SetPresenter(nullptr);
  // The controls' widgets go with their windows'.
  for (auto& [window, widget] : FWidgets) delete widget;
}

void TQtWindows::TopLevelChanged(HWND Window) {
  TQtWindow*& widget = FWidgets[Window];
  if (!widget) widget = new TQtWindow(*this, Window);
  widget->Follow();
}

void TQtWindows::TopLevelGone(HWND Window) {
  auto it = FWidgets.find(Window);
  if (it == FWidgets.end()) return;
  it->second->Orphan();
  FWidgets.erase(it);
}

void TQtWindows::TopLevelDamaged(HWND Window) {
  // Qt repaints the controls' widgets in the area too.
  if (QWidget* widget = WidgetOf(Window)) widget->update();
}

void TQtWindows::ChildChanged(HWND Window) {
  TQtControl*& widget = FControls[Window];
  if (!widget) {
    QWidget* parent = WidgetOf(FWidgetSet.Windows().GetParent(Window));
    if (!parent) {
      FControls.erase(Window);
      return;
    }
    QWidget* made = ControlWidget(*this, Window, parent, FWidgetSet.Windows().WindowClassName(Window));
    widget = dynamic_cast<TQtControl*>(made);
  }
  widget->Follow();
}

void TQtWindows::ChildGone(HWND Window) {
  auto it = FControls.find(Window);
  if (it == FControls.end()) return;
  it->second->Orphan();
  FControls.erase(it);
}

void TQtWindows::ChildRestacked(HWND Window, bool Top) {
  auto it = FControls.find(Window);
  if (it == FControls.end()) return;
  if (Top)
    it->second->Widget().raise();
  else
    it->second->Widget().lower();
}

void TQtWindows::FocusChanged(HWND) { FollowFocus(); }

void TQtWindows::FollowFocus() {
  auto it = FControls.find(FWidgetSet.Windows().GetFocus());
  if (it != FControls.end() && !it->second->Widget().hasFocus()) it->second->Widget().setFocus(Qt::OtherFocusReason);
}



bool TQtWindows::WaitForInput() {
  // Input, a repaint or the ticker (which fires due host timers) ends the wait.
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  return true;
}

bool TQtWindows::OpenURL(std::string_view Address) {
  if (!OnScreen()) return false;
  return QDesktopServices::openUrl(QUrl(QString::fromUtf8(Address.data(), static_cast<qsizetype>(Address.size()))));
}

int32_t TQtWindows::ShowMessageBox(std::string_view Text, std::string_view Caption, uint32_t Flags) {
  if (!OnScreen()) return 0;
  struct TChoice {
    QMessageBox::StandardButton Button;
    int32_t Answer;
  };
  static const std::vector<TChoice> kButtons[] = {
      {{QMessageBox::Ok, IDOK}},
      {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}},
      {{QMessageBox::Abort, IDABORT}, {QMessageBox::Retry, IDRETRY}, {QMessageBox::Ignore, IDIGNORE}},
      {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}, {QMessageBox::Cancel, IDCANCEL}},
      {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}},
      {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}}};
  const uint32_t set = Flags & 0x0F;
  const std::vector<TChoice>& choices = kButtons[set < std::size(kButtons) ? set : 0];
  const uint32_t icon = Flags & 0xF0;
  QMessageBox box(icon == MB_ICONERROR      ? QMessageBox::Critical
                  : icon == MB_ICONQUESTION ? QMessageBox::Question
                  : icon == MB_ICONWARNING  ? QMessageBox::Warning
                  : icon == MB_ICONINFORMATION ? QMessageBox::Information
                                               : QMessageBox::NoIcon,
                  QString::fromUtf8(Caption.data(), static_cast<qsizetype>(Caption.size())),
                  QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
  for (const TChoice& choice : choices) box.addButton(choice.Button);
  const int chosen = box.exec();
  for (const TChoice& choice : choices)
    if (chosen == choice.Button) return choice.Answer;
  return choices.back().Answer;  // closed without a button: the last (Cancel, No, Ignore, Ok)
}

int32_t TQtWindows::ShowCommonDialog(TCommonDialogRequest& Request) {
  if (!OnScreen()) return 0;
  if (Request.Kind != TCommonDialogKind::Find && Request.Kind != TCommonDialogKind::Replace)
    return RunModalDialog(Request, nullptr);
  std::erase_if(FFindDialogs, [](const auto& open) { return open.second.isNull(); });
  QDialog* dialog = MakeFindDialog(Request, nullptr);
  FFindDialogs[Request.Dialog] = dialog;
  dialog->show();
  return IDOK;
}

bool TQtWindows::CloseCommonDialog(THandle Dialog) {
  auto it = FFindDialogs.find(Dialog);
  if (it == FFindDialogs.end()) return false;
  QPointer<QDialog> dialog = it->second;
  FFindDialogs.erase(it);
  if (dialog.isNull()) return false;
  ForgetFindDialog(dialog);
  dialog->close();
  return true;
}

QWidget* TQtWindows::WidgetOf(HWND Window) const {
  if (auto it = FControls.find(Window); it != FControls.end()) return &it->second->Widget();
  auto it = FWidgets.find(Window);
  return it == FWidgets.end() ? nullptr : it->second;
}

HWND TQtWindows::TopLevelOf(HWND Window) const {
  headless::THeadlessWindows& windows = FWidgetSet.Windows();
  if (!windows.IsWindow(Window)) return 0;
  while (const HWND parent = windows.GetParent(Window)) Window = parent;
  return Window;
}

bool TQtWindows::OnScreen() {
  const QString platform = QGuiApplication::platformName();
  return platform != "offscreen" && platform != "minimal";
}

void TQtWindows::Tick() {
  if (FTicking) return;
  FTicking = true;
  const auto now = static_cast<uint64_t>(FRealTime.elapsed());
  headless::THeadlessWindows& windows = FWidgetSet.Windows();
  if (now > windows.Clock().Now()) windows.Advance(now - windows.Clock().Now());
  FTicking = false;
}

}  // namespace host::qt6
