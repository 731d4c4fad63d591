// Descriptors of the host's image-list unit: TChangeLink and TCustomImageList.
#pragma once

namespace kel::kelimglist {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kel::kelimglist
