// The controls unit of the host: controls, windowed controls, graphic and
// custom controls, the control canvas, drag and drop, docking, the mouse,
// hint windows and the image lists placed on forms.
//
// Start-up order (each step counted, undone in reverse):
//   RegisterHostClasses();        host/classes
//   RegisterHeadlessWidgetSet(); InitializeWidgetSet();
//   RegisterGraphicsClasses();    host/graphics
//   RegisterImgListClasses();     host/imglist
//   RegisterActnListClasses();    host/actnlist
//   RegisterMenusClasses();       host/menus
//   RegisterControlsClasses();    this unit
#pragma once

#include <span>

#include "host/controls/control.h"
#include "host/controls/controltypes.h"
#include "host/controls/ctrlimglist.h"
#include "host/controls/dragdock.h"
#include "host/controls/hintwindow.h"
#include "host/controls/mouse.h"
#include "host/controls/wincontrol.h"

namespace host {

void RegisterControlsClasses();
void UnregisterControlsClasses();
// The classes of this unit, in unit order.
std::span<const TClass> ControlsClasses();

}  // namespace host
