// The controls unit: registration of its descriptors.
#include "descriptors/kelcontrols.h"

namespace kel::kelcontrols {

void Initialize() { kelRegisterDescriptors<TkelControlsDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelcontrols
