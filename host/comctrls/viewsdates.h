// The tree view, rich edit, date and time picker and month calendar of the
// comctrls unit, started up with the rest of the unit
// (RegisterComCtrlsClasses calls RegisterViewsDatesClasses).
#pragma once

#include <span>

#include "host/comctrls/datetime.h"
#include "host/comctrls/richedit.h"
#include "host/comctrls/treeview.h"

namespace host {

// Counted like the unit's own start-up.
void RegisterViewsDatesClasses();
void UnregisterViewsDatesClasses();
// The classes of this group, in unit order.
std::span<const TClass> ViewsDatesClasses();

}  // namespace host
