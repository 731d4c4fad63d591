// Descriptors of the host's stdctrls unit: the standard controls. The 21
// classes are written in three groups — the text controls
// (kelstdctrls_texts.h: group box, label, edit, memo, static text), the
// button group (kelstdctrls_buttons.h: buttons, check box, radio button,
// scroll bar) and the list controls (kelstdctrls_lists.h: combo box, list
// box) — and registered together, in the library's order.
#pragma once

#include "descriptors/kelstdctrls_buttons.h"
#include "descriptors/kelstdctrls_lists.h"
#include "descriptors/kelstdctrls_texts.h"

namespace kel {

// The unit's descriptors in the order of the library's descriptor table.
using TkelStdCtrlsDescriptors =
    TkelDescriptorList<TCustomGroupBoxClassInfo, TGroupBoxClassInfo, TCustomLabelClassInfo, TLabelClassInfo,
                       TCustomEditClassInfo, TEditClassInfo, TCustomMemoClassInfo, TMemoClassInfo,
                       TCustomComboBoxClassInfo, TComboBoxClassInfo, TButtonActionLinkClassInfo,
                       TButtonControlClassInfo, TButtonClassInfo, TCustomCheckBoxClassInfo, TCheckBoxClassInfo,
                       TRadioButtonClassInfo, TCustomListBoxClassInfo, TListBoxClassInfo, TScrollBarClassInfo,
                       TCustomStaticTextClassInfo, TStaticTextClassInfo>;

namespace kelstdctrls {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's stdctrls
// classes registered). Finalize has nothing to release: the texts are
// constants.
void Initialize();
void Finalize();

}  // namespace kelstdctrls
}  // namespace kel
