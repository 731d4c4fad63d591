// Descriptors of the host's forms unit.
#pragma once

namespace kel::kelforms {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's forms
// classes registered).
void Initialize();
void Finalize();

}  // namespace kel::kelforms
