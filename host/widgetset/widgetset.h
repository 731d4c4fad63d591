// The running widgetset: which backend draws and, later, shows windows.
//
// A backend registers a factory under its name at start-up
// (RegisterHeadlessWidgetSet for the headless one); InitializeWidgetSet then
// creates the backend chosen by the environment variable CORVANE_WIDGETSET
// ("headless" when unset or empty) and WidgetSet() reaches it until
// FinalizeWidgetSet. Start-up order:
//
//   RegisterHeadlessWidgetSet();   // and any other backend the program links
//   InitializeWidgetSet();
//   RegisterGraphicsClasses();     // host/graphics
//   ...
//   UnregisterGraphicsClasses();
//   FinalizeWidgetSet();
//
// Initialize and Finalize are counted like the other unit start-ups: the
// first Initialize creates the backend, the matching last Finalize destroys
// it together with every handle it still holds.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "host/widgetset/wsgraphics.h"
#include "host/widgetset/wsmenus.h"
#include "host/widgetset/wscontrols.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TWidgetSet : public TWSGraphics {
 public:
  virtual std::string Name() const = 0;
  // Handles alive apart from the stock objects; tests use it to find leaks.
  virtual std::size_t HandleCount() const = 0;
  // The backend's menus (wsmenus.h); a backend without menus answers with
  // the neutral TWSMenus, whose calls all fail.
  virtual TWSMenus& Menus();
  // The backend's windows (wswindows.h); a backend without windows answers
  // with the neutral TWSWindows, whose calls all fail.
  virtual TWSWindows& Windows();
  // The implementations of host control classes the backend registered
  // (wscontrols.h: RegisterWSControlClass, WSControlClassOf).
  std::unordered_map<TClass, std::unique_ptr<TWSWinControl>>& ControlClasses() { return FControlClasses; }

 private:
  std::unordered_map<TClass, std::unique_ptr<TWSWinControl>> FControlClasses;
};

using TWidgetSetFactory = std::unique_ptr<TWidgetSet> (*)();

// The environment variable that chooses the backend.
inline constexpr char WidgetSetEnvironmentVariable[] = "CORVANE_WIDGETSET";
inline constexpr char DefaultWidgetSetName[] = "headless";

// Registers (or replaces) the factory of a backend. Names compare without
// regard to case.
void RegisterWidgetSetBackend(std::string_view Name, TWidgetSetFactory Factory);
void UnregisterWidgetSetBackend(std::string_view Name);
// The registered backend names, sorted.
std::vector<std::string> WidgetSetBackends();

// Starts the backend named by CORVANE_WIDGETSET / by Name. Raises
// EInvalidOperation when that backend is not registered, or when another
// backend is already running.
void InitializeWidgetSet();
void InitializeWidgetSet(std::string_view Name);
void FinalizeWidgetSet();
bool WidgetSetRunning();
// The running backend; raises EInvalidOperation when none runs.
TWidgetSet& WidgetSet();
// The running backend's windows; null when no backend runs.
TWSWindows* RunningWindows();

}  // namespace host
