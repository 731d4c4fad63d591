// Keeps the library started (kel::package) while a benchmark runs.
#pragma once

#include "package/package.h"

namespace bench {

struct TLibrary {
  TLibrary() { kel::package::Initialize(); }
  ~TLibrary() { kel::package::Finalize(); }
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;
};

}  // namespace bench
