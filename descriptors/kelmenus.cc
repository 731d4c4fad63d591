#include "descriptors/kelmenus.h"

namespace kel::kelmenus {

void Initialize() {}

void Finalize() {}

}  // namespace kel::kelmenus
