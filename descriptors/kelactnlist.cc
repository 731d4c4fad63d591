#include "descriptors/kelactnlist.h"

namespace kel::kelactnlist {

void Initialize() {}

void Finalize() {}

}  // namespace kel::kelactnlist
