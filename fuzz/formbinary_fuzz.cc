// Feeds arbitrary bytes to the binary form reader (into live components) and
// to the binary-to-text conversion. When the text of a binary form converts
// back, converting that binary to text again must give the same text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/formfuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  formfuzz::ReadForm(input);
  auto text = formfuzz::Convert(host::ObjectBinaryToText, input);
  if (!text) return 0;
  auto binary = formfuzz::Convert(host::ObjectTextToBinary, *text);
  if (!binary) return 0;  // names or identifiers the text syntax cannot hold
  formfuzz::Require(formfuzz::Convert(host::ObjectBinaryToText, *binary) == text);
  return 0;
}
