#include "tools/qtstart.h"

#ifdef CORVANE_WITH_QT6
#include "host/widgetset/qt6/qt6.h"
#endif

namespace corvane {

bool CanShowWindows(TToolIO& io) {
#ifdef CORVANE_WITH_QT6
  const std::string problem = host::Qt6DisplayProblem();
  if (problem.empty()) return true;
  Print(io.Err, "%s\n", problem.c_str());
#else
  Print(io.Err, "This corvane was built without Qt 6 Widgets: it cannot show windows\n");
#endif
  return false;
}

}  // namespace corvane

#ifdef CORVANE_WITH_QT6

#include <cstdlib>

#include "host/forms/application.h"
#include "host/widgetset/widgetset.h"

namespace corvane {

TChooseQt::TChooseQt() {
  if (const char* old = std::getenv(host::WidgetSetEnvironmentVariable)) Old = old, Had = true;
  setenv(host::WidgetSetEnvironmentVariable, "qt6", 1);
}

TChooseQt::~TChooseQt() {
  if (Had)
    setenv(host::WidgetSetEnvironmentVariable, Old.c_str(), 1);
  else
    unsetenv(host::WidgetSetEnvironmentVariable);
}

void RunUntilClosed(host::HWND Window) {
  host::TWSWindows& windows = host::WidgetSet().Windows();
  while (windows.IsWindow(Window) && windows.IsWindowVisible(Window)) host::Application->HandleMessage();
}

}  // namespace corvane

#endif
