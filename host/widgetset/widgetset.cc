#include "host/widgetset/widgetset.h"

#include <cstdlib>
#include <map>

#include "host/rtl/sysutils.h"

namespace host {

namespace {

struct TWidgetSetState {
  std::map<std::string, TWidgetSetFactory> factories;  // by lower-case name
  std::unique_ptr<TWidgetSet> running;
  int count = 0;
};

TWidgetSetState& State() {
  static TWidgetSetState state;
  return state;
}

std::string Key(std::string_view name) { return LowerCase(name); }

std::string ChosenName() {
  const char* env = std::getenv(WidgetSetEnvironmentVariable);
  return env && *env ? std::string(env) : std::string(DefaultWidgetSetName);
}

std::string BackendList() {
  std::string list;
  for (const std::string& name : WidgetSetBackends()) list += (list.empty() ? "" : ", ") + name;
  return list.empty() ? "none" : list;
}

}  // namespace

TWSMenus& TWidgetSet::Menus() {
  static TWSMenus neutral;
  return neutral;
}

TWSWindows& TWidgetSet::Windows() {
  static TWSWindows neutral;
  return neutral;
}

void RegisterWidgetSetBackend(std::string_view Name, TWidgetSetFactory Factory) {
  State().factories[Key(Name)] = Factory;
}

void UnregisterWidgetSetBackend(std::string_view Name) { State().factories.erase(Key(Name)); }

std::vector<std::string> WidgetSetBackends() {
  std::vector<std::string> names;
  for (const auto& entry : State().factories) names.push_back(entry.first);
  return names;
}

void InitializeWidgetSet() { InitializeWidgetSet(ChosenName()); }

void InitializeWidgetSet(std::string_view Name) {
  TWidgetSetState& state = State();
  if (state.running) {
    if (Key(state.running->Name()) != Key(Name))
      throw EInvalidOperation("Widgetset \"%s\" cannot start: widgetset \"%s\" is already running",
                              {Name, state.running->Name()});
    ++state.count;
    return;
  }
  auto it = state.factories.find(Key(Name));
  if (it == state.factories.end())
    throw EInvalidOperation("Widgetset \"%s\" is not available (registered: %s)", {Name, BackendList()});
  state.running = it->second();
  state.count = 1;
}

void FinalizeWidgetSet() {
  TWidgetSetState& state = State();
  if (state.count == 0 || --state.count > 0) return;
  state.running.reset();
}

bool WidgetSetRunning() { return State().running != nullptr; }

TWidgetSet& WidgetSet() {
  TWidgetSet* ws = State().running.get();
  if (!ws) throw EInvalidOperation("No widgetset is running: call InitializeWidgetSet first");
  return *ws;
}

}  // namespace host

namespace host {

TWSWindows* RunningWindows() { return WidgetSetRunning() ? &WidgetSet().Windows() : nullptr; }

}  // namespace host
