// The shapes-and-panels group of the extctrls unit: the graphic controls
// (shapes.h: shape, paint box, image, bevel), the timer (timer.h) and the
// containers (panels.h: panel, radio group).
#pragma once

#include <span>

#include "host/extctrls/panels.h"
#include "host/extctrls/shapes.h"
#include "host/extctrls/timer.h"

namespace host {

// Registers the group's published properties and streamable classes
// (counted; called by RegisterExtCtrlsClasses and undone in reverse).
void RegisterShapeAndPanelControls();
void UnregisterShapeAndPanelControls();
// The group's classes, in unit order.
std::span<const TClass> ShapeAndPanelControlClasses();

}  // namespace host
