// Form files for the benchmarks: a text form made binary (once, outside the
// timed loop) and a binary form read into live components, as a program
// reads its forms.
#pragma once

#include <string>

#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"

namespace bench {

inline std::string BinaryForm(const std::string& Text) {
  host::TOwned<host::TStringStream> in = host::MakeOwned<host::TStringStream>(Text);
  host::TOwned<host::TStringStream> out = host::MakeOwned<host::TStringStream>();
  host::ObjectTextToBinary(in.get(), out.get());
  return out->GetDataString();
}

inline host::TOwned<host::TComponent> ReadForm(const std::string& Binary) {
  host::TOwned<host::TStringStream> in = host::MakeOwned<host::TStringStream>(Binary);
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(in.get(), 4096);
  return host::TOwned<host::TComponent>(reader->ReadRootComponent(nullptr));
}

inline host::TOwned<host::TComponent> ReadTextForm(const std::string& Text) { return ReadForm(BinaryForm(Text)); }

}  // namespace bench
