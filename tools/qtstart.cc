#include "tools/qtstart.h"

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
