// Descriptors of the host's general class library: lists, bits, persistent
// objects, collections, string lists, streams, filers, threads, components
// and basic actions. The 24 classes are written in three groups; this unit
// registers them all, in the library's order.
#pragma once

#include "descriptors/kelclasses_components.h"
#include "descriptors/kelclasses_data.h"
#include "descriptors/kelclasses_streams.h"

namespace kel::kelclasses {

// Registers the 24 descriptors under their host class names (the registry
// must be initialised). Finalize has nothing to release: the texts are constants.
void Initialize();
void Finalize();

}  // namespace kel::kelclasses
