#include "descriptors/kelimglist.h"

namespace kel::kelimglist {

void Initialize() {}

void Finalize() {}

}  // namespace kel::kelimglist
