// The designer's first look at the input of controls being designed.
//
// A control in the csDesigning state offers every message the widgetset
// delivers to it (mouse, keys, focus, paint) to the design filter before
// it acts on it; a message the filter takes goes no further. The forms
// unit installs the filter, which asks the designer of the control's form
// (IsDesignMsg): so a click on a designed button selects it instead of
// pressing it. Messages sent by code (Perform) are not offered.
#pragma once

namespace host {

class TControl;
struct TMessage;

using TDesignMessageFilter = bool (*)(TControl* Sender, TMessage& Message);

// Installs Filter (null: none) and returns the one it replaces.
TDesignMessageFilter SetDesignMessageFilter(TDesignMessageFilter Filter);

}  // namespace host
