// The pages-and-bars group of the extctrls unit: the notebook and its
// pages, the header, the splitter and the control bars.
#pragma once

#include <span>

#include "host/extctrls/controlbar.h"
#include "host/extctrls/header.h"
#include "host/extctrls/notebook.h"
#include "host/extctrls/splitter.h"

namespace host {

// Registers the group's published properties and streamable classes
// (counted; undone in reverse).
void RegisterPageAndBarControls();
void UnregisterPageAndBarControls();
// The classes of this group, in unit order.
std::span<const TClass> PageAndBarControlClasses();

}  // namespace host
