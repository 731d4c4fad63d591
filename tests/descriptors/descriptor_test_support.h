// Helpers shared by the descriptor tests.
#pragma once

#include <string>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"

namespace kel::test {

// The message of the exception of type E that `f` raises, or a marker text.
template <class E = host::Exception, class F>
std::string MessageOf(F&& f) {
  try {
    f();
  } catch (const E& e) {
    return e.Message();
  }
  return "<nothing raised>";
}

}  // namespace kel::test
