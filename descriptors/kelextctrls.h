// Descriptors of the host's extctrls unit. Group B: the page controls
// (kelextctrls_pages.h: notebook page, notebook, header) and the bars
// (kelextctrls_bars.h: splitter, control bars).
#pragma once

#include "descriptors/kelextctrls_bars.h"
#include "descriptors/kelextctrls_pages.h"

namespace kel {

// Group B's descriptors in the order of the library's descriptor table.
using TkelExtCtrlsGroupBDescriptors =
    TkelDescriptorList<TPageClassInfo, TNotebookClassInfo, THeaderClassInfo, TSplitterClassInfo,
                       TCustomControlBarClassInfo, TControlBarClassInfo>;

namespace kelextctrls {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's extctrls
// classes registered).
void Initialize();
void Finalize();

}  // namespace kelextctrls
}  // namespace kel
