// Descriptors of the host's forms unit. The 11 classes are written in three
// groups — the scrolling controls (kelforms_scrolling.h: scroll bar,
// scrolling control, scroll box), the forms and the data module
// (kelforms_forms.h) and the desktop objects (kelforms_app.h: monitor,
// screen, application) — and registered together, in the library's order.
#pragma once

#include "descriptors/kelforms_app.h"
#include "descriptors/kelforms_forms.h"
#include "descriptors/kelforms_scrolling.h"

namespace kel {

// The unit's descriptors in the order of the library's descriptor table.
using TkelFormsDescriptors =
    TkelDescriptorList<TControlScrollBarClassInfo, TScrollingWinControlClassInfo, TScrollBoxClassInfo,
                       TCustomFormClassInfo, TCustomActiveFormClassInfo, TFormClassInfo, TCustomDockFormClassInfo,
                       TDataModuleClassInfo, TMonitorClassInfo, TScreenClassInfo, TApplicationClassInfo>;

namespace kelforms {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's forms
// classes registered). Finalize has nothing to release: the texts are
// constants.
void Initialize();
void Finalize();

}  // namespace kelforms
}  // namespace kel
