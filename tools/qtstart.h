// Starting the library on the Qt 6 widgetset for the commands that open
// real windows (show, designer).
#pragma once

#include "tools/commands.h"

namespace corvane {

// Whether this corvane can open windows here (built with Qt 6, and a
// display or a platform that needs none); when not, says why in one line
// on io.Err.
bool CanShowWindows(TToolIO& io);

}  // namespace corvane

#ifdef CORVANE_WITH_QT6

#include <string>

#include "host/widgetset/wswindows.h"

namespace corvane {

// Keeps CORVANE_WIDGETSET naming the Qt backend while the library starts.
struct TChooseQt {
  TChooseQt();
  ~TChooseQt();
  TChooseQt(const TChooseQt&) = delete;
  TChooseQt& operator=(const TChooseQt&) = delete;

 private:
  std::string Old;
  bool Had = false;
};

// Runs the application's message loop until Window is hidden or gone.
void RunUntilClosed(host::HWND Window);

}  // namespace corvane

#endif
