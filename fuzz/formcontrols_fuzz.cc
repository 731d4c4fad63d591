// Feeds arbitrary text forms to the reader with every class of the library
// registered (controls, common controls, grids, forms, connections).
// Whatever it accepts is shown, so it lays out and paints, and freed; a
// form it refuses fails with a host exception only. Either way nothing is
// left behind: the widgetset holds as many handles as before.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/formfuzz.h"
#include "host/controls/wincontrol.h"
#include "host/widgetset/widgetset.h"
#include "package/package.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kel::package::Initialize();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto binary = formfuzz::Convert(host::ObjectTextToBinary, input);
  if (!binary) return 0;
  const std::size_t handles = host::WidgetSet().HandleCount();
  try {
    auto in = host::MakeOwned<host::TStringStream>(*binary);
    auto reader = host::MakeOwned<host::TReader>(in.get(), 4096);
    host::TOwned<host::TComponent> root(reader->ReadRootComponent(nullptr));
    if (auto* window = dynamic_cast<host::TWinControl*>(root.get())) {
      window->Show();
      host::WidgetSet().Windows().ProcessMessages();
    }
  } catch (const host::Exception&) {
  }
  host::WidgetSet().Windows().ProcessMessages();
  formfuzz::Require(host::WidgetSet().HandleCount() == handles);
  return 0;
}
