// The comctrls unit of the host: the common controls editor dialogs are
// made of — page controls with their tab sheets, list views with their
// items, tool bars with their tool buttons.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterExtCtrlsClasses();   host/extctrls
//   RegisterComCtrlsClasses();       this unit
#pragma once

#include <span>

#include "host/comctrls/listview.h"
#include "host/comctrls/pagecontrol.h"
#include "host/comctrls/toolbar.h"
#include "host/comctrls/bars.h"
#include "host/comctrls/viewsdates.h"

namespace host {

void RegisterComCtrlsClasses();
void UnregisterComCtrlsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> ComCtrlsClasses();
// The status bar, range controls, hot key, tab control and cool bar
// (barsreg.cc), started and shut down with the unit.
void RegisterComCtrlsBarClasses();
void UnregisterComCtrlsBarClasses();
std::span<const TClass> ComCtrlsBarClasses();

}  // namespace host
