#include "host/widgetset/qt6/qt6.h"

#include <cstdlib>

#include <QtGui/QPalette>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>

#include "host/rtl/sysutils.h"
#include "host/widgetset/qt6/qt6menus.h"
#include "host/widgetset/qt6/qt6windows.h"

namespace host {

namespace {

std::string Environment(const char* Name) {
  const char* value = std::getenv(Name);
  return value ? value : "";
}

// The QApplication of a program that has none: its arguments must outlive it.
std::unique_ptr<QApplication> MakeApplication() {
  static int argc = 1;
  static char name[] = "corvane";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QApplication>(argc, argv);
}

}  // namespace

std::string Qt6DisplayProblem() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  const bool x11 = !Environment("DISPLAY").empty(), wayland = !Environment("WAYLAND_DISPLAY").empty();
  const bool needsX11 = platform.empty() || platform.rfind("xcb", 0) == 0;
  const bool needsWayland = platform.rfind("wayland", 0) == 0;
  if ((needsX11 && !x11 && !(platform.empty() && wayland)) || (needsWayland && !wayland))
    return "No display to show windows on: set DISPLAY (or WAYLAND_DISPLAY), or QT_QPA_PLATFORM=offscreen to run "
           "without one";
  return {};
}

void RegisterQt6WidgetSet() {
  RegisterWidgetSetBackend("qt6", []() -> std::unique_ptr<TWidgetSet> {
    if (!QApplication::instance()) {
      if (const std::string problem = Qt6DisplayProblem(); !problem.empty()) throw EInvalidOperation("%s", {problem});
    }
    return std::make_unique<qt6::TQt6WidgetSet>();
  });
}

namespace qt6 {

TQt6WidgetSet::TQt6WidgetSet() {
  if (!QApplication::instance()) FOwnApplication = MakeApplication();
  SubstituteClassicFonts();
  FQtWindows = std::make_unique<TQtWindows>(*this);
  FQtMenus = std::make_unique<TQtMenus>(*this);
}

TQt6WidgetSet::~TQt6WidgetSet() {
  FQtMenus.reset();
  FQtWindows.reset();
  // Widgets orphaned during the run wait for the event loop to delete them.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The classic system colours taken from the application's palette; those
// Qt has no role for keep the classic scheme.
COLORREF TQt6WidgetSet::GetSysColor(int32_t Index) {
  struct TRole {
    int32_t Index;
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
  };
  static constexpr TRole kRoles[] = {
      {0, QPalette::Active, QPalette::Midlight},  {1, QPalette::Active, QPalette::Window},
      {2, QPalette::Active, QPalette::Highlight}, {4, QPalette::Active, QPalette::Window},
      {5, QPalette::Active, QPalette::Base},      {6, QPalette::Active, QPalette::Shadow},
      {7, QPalette::Active, QPalette::WindowText}, {8, QPalette::Active, QPalette::Text},
      {9, QPalette::Active, QPalette::HighlightedText}, {10, QPalette::Active, QPalette::Button},
      {11, QPalette::Active, QPalette::Button},   {12, QPalette::Active, QPalette::Mid},
      {13, QPalette::Active, QPalette::Highlight}, {14, QPalette::Active, QPalette::HighlightedText},
      {15, QPalette::Active, QPalette::Button},   {16, QPalette::Active, QPalette::Dark},
      {17, QPalette::Disabled, QPalette::Text},   {18, QPalette::Active, QPalette::ButtonText},
      {20, QPalette::Active, QPalette::Light},    {21, QPalette::Active, QPalette::Shadow},
      {22, QPalette::Active, QPalette::Midlight}, {23, QPalette::Active, QPalette::ToolTipText},
      {24, QPalette::Active, QPalette::ToolTipBase}};
  for (const TRole& role : kRoles)
    if (role.Index == Index) {
      const QColor c = QApplication::palette().color(role.Group, role.Role);
      return RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()), static_cast<uint8_t>(c.blue()));
    }
  return ClassicSysColor(Index);
}

void TQt6WidgetSet::SaveWindowImage(HWND Window, const std::string& Path) {
  QWidget* widget = FQtWindows->WidgetOf(FQtWindows->TopLevelOf(Window));
  if (!widget) throw EInvalidOperation("Cannot capture the window: it has no window on screen");
  Windows().ProcessMessages();
  const QPixmap image = widget->grab();
  if (image.isNull() || !image.save(QString::fromStdString(Path), "PNG"))
    throw EInvalidOperation("Cannot write the image to \"%s\"", {Path});
}

}  // namespace qt6
}  // namespace host
