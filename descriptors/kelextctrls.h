// Descriptors of the host's extctrls unit: the extended controls. The 15
// classes are written in four groups — the graphic controls and the timer
// (kelextctrls_graphic.h), the panel and radio group (kelextctrls_panels.h),
// the notebook page, notebook and header (kelextctrls_pages.h) and the
// splitter and control bars (kelextctrls_bars.h) — and registered together,
// in the library's order.
#pragma once

#include "descriptors/kelextctrls_bars.h"
#include "descriptors/kelextctrls_graphic.h"
#include "descriptors/kelextctrls_pages.h"
#include "descriptors/kelextctrls_panels.h"

namespace kel {

// The unit's descriptors in the order of the library's descriptor table.
using TkelExtCtrlsDescriptors =
    TkelDescriptorList<TShapeClassInfo, TPaintBoxClassInfo, TImageClassInfo, TBevelClassInfo, TTimerClassInfo,
                       TCustomPanelClassInfo, TPanelClassInfo, TPageClassInfo, TNotebookClassInfo, THeaderClassInfo,
                       TCustomRadioGroupClassInfo, TRadioGroupClassInfo, TSplitterClassInfo,
                       TCustomControlBarClassInfo, TControlBarClassInfo>;

// The two halves as their tests walk them.
using TkelExtCtrlsShapesPanelsDescriptors =
    TkelDescriptorList<TShapeClassInfo, TPaintBoxClassInfo, TImageClassInfo, TBevelClassInfo, TTimerClassInfo,
                       TCustomPanelClassInfo, TPanelClassInfo, TCustomRadioGroupClassInfo, TRadioGroupClassInfo>;
using TkelExtCtrlsPagesBarsDescriptors =
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
