#include "descriptors/kelclasses.h"

namespace kel::kelclasses {

void Initialize() { kelRegisterDescriptors<TkelDataDescriptors, TkelStreamDescriptors, TkelComponentDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelclasses
