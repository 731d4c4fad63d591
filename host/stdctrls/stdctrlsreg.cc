// Start-up and shutdown of the stdctrls unit: its groups in order.
#include "host/stdctrls/stdctrls.h"

#include <vector>

#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {
int stdCtrlsCount = 0;
}  // namespace

void RegisterStdCtrlsClasses() {
  if (stdCtrlsCount++ > 0) return;
  RegisterTextControls();
  RegisterButtonControls();
  RegisterListControls();
}

void UnregisterStdCtrlsClasses() {
  if (stdCtrlsCount == 0 || --stdCtrlsCount > 0) return;
  UnregisterListControls();
  UnregisterButtonControls();
  UnregisterTextControls();
}

std::span<const TClass> StdCtrlsClasses() {
  static const std::vector<TClass> classes = [] {
    std::vector<TClass> all;
    for (std::span<const TClass> group : {TextControlClasses(), ButtonControlClasses(), ListControlClasses()})
      all.insert(all.end(), group.begin(), group.end());
    return all;
  }();
  return classes;
}

}  // namespace host
