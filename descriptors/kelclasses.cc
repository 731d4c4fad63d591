#include "descriptors/kelclasses.h"

namespace kel::kelclasses {

void Initialize() {
  RegisterDataDescriptors();       // TList ... TStringList
  RegisterStreamDescriptors();     // TStream ... TWriter
  RegisterComponentDescriptors();  // TThread, TComponent, TBasicActionLink, TBasicAction
}

void Finalize() {}

}  // namespace kel::kelclasses
