// Start-up and shutdown of the extctrls unit: its groups in order.
#include <vector>

#include "host/extctrls/extctrls.h"

namespace host {

namespace {
int extCtrlsCount = 0;
}  // namespace

void RegisterExtCtrlsClasses() {
  if (extCtrlsCount++ > 0) return;
}

void UnregisterExtCtrlsClasses() {
  if (extCtrlsCount == 0 || --extCtrlsCount > 0) return;
}

std::span<const TClass> ExtCtrlsClasses() {
  static const std::vector<TClass> classes;
  return classes;
}

}  // namespace host
