#include "descriptors/kelgraphics.h"

namespace kel::kelgraphics {

void Initialize() {}

void Finalize() {}

}  // namespace kel::kelgraphics
