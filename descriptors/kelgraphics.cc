#include "descriptors/kelgraphics.h"

namespace kel::kelgraphics {

void Initialize() { kelRegisterDescriptors<TkelGraphicsDescriptors>(); }

void Finalize() {}

}  // namespace kel::kelgraphics
