// Descriptors of the host's extctrls unit: the extended controls. The first
// group — the graphic controls and the timer (kelextctrls_graphic.h) and
// the panel and radio group (kelextctrls_panels.h) — is listed here in the
// library's order.
#pragma once

#include "descriptors/kelextctrls_graphic.h"
#include "descriptors/kelextctrls_panels.h"

namespace kel {

// The first group's descriptors in the order of the library's descriptor table.
using TkelExtCtrlsGroupADescriptors =
    TkelDescriptorList<TShapeClassInfo, TPaintBoxClassInfo, TImageClassInfo, TBevelClassInfo, TTimerClassInfo,
                       TCustomPanelClassInfo, TPanelClassInfo, TCustomRadioGroupClassInfo, TRadioGroupClassInfo>;

namespace kelextctrls {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's extctrls
// classes registered).
void Initialize();
void Finalize();

}  // namespace kelextctrls
}  // namespace kel
