// The stdctrls unit: registration of its descriptors.
#include "descriptors/kelstdctrls.h"

namespace kel::kelstdctrls {

void Initialize() { kelRegisterDescriptors<TkelStdCtrlsDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelstdctrls
