// Feeds arbitrary bytes to the text form parser. Whatever text it accepts
// must give a binary form that converts to text and back to the very same
// bytes, and that the reader takes (or rejects with a host exception).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/formfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  auto binary = formfuzz::Convert(host::ObjectTextToBinary, input);
  if (!binary) return 0;
  auto text = formfuzz::Convert(host::ObjectBinaryToText, *binary);
  formfuzz::Require(text.has_value());
  formfuzz::Require(formfuzz::Convert(host::ObjectTextToBinary, *text) == binary);
  formfuzz::ReadForm(*binary);
  return 0;
}
