// Descriptors of the host's extctrls unit.
#pragma once

namespace kel::kelextctrls {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised; the host's extctrls
// classes registered).
void Initialize();
void Finalize();

}  // namespace kel::kelextctrls
