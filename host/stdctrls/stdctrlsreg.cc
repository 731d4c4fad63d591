// Start-up and shutdown of the stdctrls unit: its groups in order.
#include "host/stdctrls/stdctrls.h"

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

}  // namespace host
