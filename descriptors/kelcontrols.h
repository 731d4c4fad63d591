// Descriptors of the host's controls unit: the control layer every control
// descriptor of the library builds on. The 18 classes are written in three
// groups — the base control (kelcontrols_control.h), the windowed controls
// (kelcontrols_win.h: messages and the key and docking events), and the
// drag, dock and mouse objects (kelcontrols_drag.h) — and registered
// together, in the library's order.
#pragma once

#include "descriptors/kelcontrols_control.h"
#include "descriptors/kelcontrols_drag.h"
#include "descriptors/kelcontrols_win.h"

namespace kel {

// The unit's descriptors in the order of the library's descriptor table.
using TkelControlsDescriptors =
    TkelDescriptorList<TDragObjectClassInfo, TBaseDragControlObjectClassInfo, TDragControlObjectClassInfo,
                       TDragDockObjectClassInfo, TControlCanvasClassInfo, TControlActionLinkClassInfo,
                       TSizeConstraintsClassInfo, TControlClassInfo, TWinControlActionLinkClassInfo,
                       TWinControlClassInfo, TGraphicControlClassInfo, TCustomControlClassInfo, THintWindowClassInfo,
                       TDragImageListClassInfo, TImageListClassInfo, TDockZoneClassInfo, TDockTreeClassInfo,
                       TMouseClassInfo>;

namespace kelcontrols {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised). Finalize has nothing
// to release: the texts are constants.
void Initialize();
void Finalize();

}  // namespace kelcontrols
}  // namespace kel
