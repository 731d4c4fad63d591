// The forms unit: registration of its descriptors.
#include "descriptors/kelforms.h"

namespace kel::kelforms {

void Initialize() { kelRegisterDescriptors<TkelFormsDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelforms
