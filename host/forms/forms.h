// The forms unit of the host: scrolling controls and scroll boxes, forms,
// monitors, the screen and the application.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterStdCtrlsClasses();   host/stdctrls
//   RegisterFormsClasses();          this unit
#pragma once

#include <span>

#include "host/controls/controls.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/forms/formtypes.h"
#include "host/forms/screen.h"
#include "host/forms/scrolling.h"

namespace host {

void RegisterFormsClasses();
void UnregisterFormsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> FormsClasses();

}  // namespace host
