// The comctrls unit's bars and small controls: status bar, progress bar,
// track bar, up-down, hot key, tab control and cool bar.
#pragma once

#include "host/comctrls/coolbar.h"
#include "host/comctrls/hotkey.h"
#include "host/comctrls/ranges.h"
#include "host/comctrls/statusbar.h"
#include "host/comctrls/tabcontrol.h"
