// Descriptors of the host's action unit: TContainedAction, TCustomActionList, TActionList, TCustomAction, TAction and
// TActionLink.
#pragma once

namespace kel::kelactnlist {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kel::kelactnlist
