// The out-of-line parts of the descriptor pattern and of the conversion
// rules: the errors they raise.
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

void RaiseNilAddress() {
  throw host::Exception("A set, record or system value is passed by its address, and 0 is not a valid address!");
}

void RaiseNoCharacter() { throw host::EConvertError("An empty string holds no character to pass!"); }

std::byte* TkelScratchLayout::Make() const {
  auto* block = static_cast<std::byte*>(::operator new(FSize ? FSize : 1));
  std::size_t made = 0;
  try {
    for (; made < FSlots.size(); ++made) FSlots[made].Construct(block + FSlots[made].Offset);
  } catch (...) {
    while (made-- > 0) FSlots[made].Destruct(block + FSlots[made].Offset);
    ::operator delete(block);
    throw;
  }
  return block;
}

void TkelScratchLayout::Free(std::byte* block) const {
  for (const TSlot& slot : FSlots) slot.Destruct(block + slot.Offset);
  ::operator delete(block);
}

}  // namespace kel
