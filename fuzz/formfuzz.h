// Helpers shared by the form fuzz targets: conversions between byte strings
// through memory streams, and reading a binary form into live components.
// A conversion that fails may fail only with a host exception; anything else
// escaping (or a sanitizer report) is a finding.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/hostclasses.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"

namespace formfuzz {

using Converter = void (*)(host::TStream*, host::TStream*);

// The converted bytes, or nothing when the converter rejected the input.
inline std::optional<std::string> Convert(Converter convert, const std::string& input) {
  auto in = host::MakeOwned<host::TStringStream>(input);
  auto out = host::MakeOwned<host::TStringStream>();
  try {
    convert(in.get(), out.get());
  } catch (const host::Exception&) {
    return std::nullopt;
  }
  return out->GetDataString();
}

// Reads a binary form: once creating the root from the stream, once into a
// fresh root owned by the caller. Rejections must leave nothing behind (the
// leak checker sees it otherwise).
inline void ReadForm(const std::string& binary) {
  static const bool registered = (host::RegisterHostClasses(), true);
  (void)registered;
  try {
    auto in = host::MakeOwned<host::TStringStream>(binary);
    auto reader = host::MakeOwned<host::TReader>(in.get(), 4096);
    host::FreeObject(reader->ReadRootComponent(nullptr));
  } catch (const host::Exception&) {
  }
  auto root = host::MakeOwned<host::TComponent>(nullptr);
  try {
    auto in = host::MakeOwned<host::TStringStream>(binary);
    auto reader = host::MakeOwned<host::TReader>(in.get(), 4096);
    reader->ReadRootComponent(root.get());
  } catch (const host::Exception&) {
  }
}

// Stops the run on a broken invariant, so libFuzzer keeps the input.
inline void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace formfuzz
