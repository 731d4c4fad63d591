// The out-of-line parts of the descriptor pattern: the errors it raises.
#include "descriptors/kelpattern.h"

#include <string>

#include "host/rtl/sysutils.h"

namespace kel {

void RaiseFeatureCount(const char* kind, const std::string& name, const char* what, int have, std::size_t want) {
  throw host::Exception(std::string(kind) + " " + name + " needs " + std::to_string(want) + " " + what +
                        ", but its record has " + std::to_string(have) + "!");
}

void RaiseNoOwner(const char* descriptorClass) {
  throw host::Exception(std::string("The class descriptor ") + descriptorClass +
                        " has no owner: set one before reading, writing or calling features!");
}

void RaiseDuplicateMapping(const char* descriptorClass, const char* kind, const std::string& name) {
  throw host::Exception(std::string("The class descriptor ") + descriptorClass + " maps the " + kind + " " + name +
                        " twice!");
}

}  // namespace kel
