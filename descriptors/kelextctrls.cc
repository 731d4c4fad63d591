// The extctrls unit: registration of its descriptors.
#include "descriptors/kelextctrls.h"

namespace kel::kelextctrls {

void Initialize() { kelRegisterDescriptors<TkelExtCtrlsDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelextctrls
