// The extctrls unit of the host: the extended controls — shapes, paint
// boxes, images, bevels, timers, panels, notebooks and their pages,
// headers, radio groups, splitters and control bars.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterFormsClasses();      host/forms
//   RegisterExtCtrlsClasses();       this unit
#pragma once

#include <span>

#include "host/controls/controls.h"

namespace host {

void RegisterExtCtrlsClasses();
void UnregisterExtCtrlsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> ExtCtrlsClasses();

}  // namespace host
