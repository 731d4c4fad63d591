// Feeds arbitrary bytes to the four description readers of fresh descriptors.
// A reader may reject a text only with a host exception; anything else that
// leaves it (another exception, a crash, a sanitizer report) is a finding.
// The text is read by two descriptors in turn: the second read replays the
// parsed text and must produce the same records and the same message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"

namespace {

using TReader = void (kel::TkelClassInfo::*)(std::string_view);
constexpr TReader kReaders[] = {&kel::TkelClassInfo::ReadKELProperties, &kel::TkelClassInfo::ReadKELMethods,
                                &kel::TkelClassInfo::ReadKELConstructors, &kel::TkelClassInfo::ReadKELEvents};

void Append(std::string& out, const kel::TkelFeature* f) {
  out += f->Name;
  out += '\n';
}

// Everything the readers left in the descriptor, plus the messages raised.
std::string ReadAll(std::string_view text) {
  auto info = host::MakeOwned<kel::TkelClassInfo>();
  std::string out;
  for (TReader reader : kReaders) {
    try {
      (info.get()->*reader)(text);
    } catch (const host::Exception& e) {
      out += "! " + e.Message() + '\n';
    }
  }
  for (int i = 0; i < info->GetPropertyCount(); ++i) {
    const kel::TkelPropertyInfo* p = info->GetProperties(i);
    Append(out, p);
    out += std::to_string(p->Style.Bits()) + std::to_string(p->Visibility) + std::to_string(p->GetIndexCount());
    // Lookups find a record of the same name, which is the first of that name.
    if (info->FindProperty(p->Name)->Name != p->Name) __builtin_trap();
  }
  for (int i = 0; i < info->GetMethodCount(); ++i) Append(out, info->GetMethods(i));
  for (int i = 0; i < info->GetConstructorCount(); ++i) Append(out, info->GetConstructors(i));
  for (int i = 0; i < info->GetEventCount(); ++i) {
    const kel::TkelEventInfo* e = info->GetEvents(i);
    Append(out, e);
    for (int a = 0; a < e->GetArgCount(); ++a)
      if (e->Find(e->GetArgs(a)->Name) == nullptr) __builtin_trap();
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Initialize/Finalize per input: the shutdown releases the records made.
  kel::kelcommon::Initialize();
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (ReadAll(text) != ReadAll(text)) __builtin_trap();
  kel::kelcommon::Finalize();
  return 0;
}
