// The stdctrls unit of the host: the standard controls — group boxes,
// labels and static texts, edits and memos, buttons, check boxes and radio
// buttons, scroll bars, list boxes and combo boxes.
//
// Every control keeps its state itself and works the same with or without
// a window; input arrives as messages (typed keys edit an edit's text, a
// click checks a check box or selects a list item), so the robot of the
// headless widgetset drives them as a user would.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterControlsClasses();   host/controls
//   RegisterStdCtrlsClasses();       this unit
#pragma once

#include <span>

#include "host/controls/controls.h"

namespace host {

void RegisterStdCtrlsClasses();
void UnregisterStdCtrlsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> StdCtrlsClasses();

// Each group of the unit registers its published properties and classes
// (called by RegisterStdCtrlsClasses, in this order, and undone in reverse).
void RegisterTextControls();  // texts.h: group box, label, static text, edit, memo
void UnregisterTextControls();
void RegisterButtonControls();  // buttons.h: buttons, check boxes, radio buttons, scroll bar
void UnregisterButtonControls();
void RegisterListControls();  // lists.h: list box, combo box
void UnregisterListControls();

}  // namespace host
