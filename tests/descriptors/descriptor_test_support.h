// Helpers shared by the descriptor tests.
#pragma once

#include <string>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace kel::test {

// The message of the exception of type E that `f` raises, or a marker text.
using host::testkit::RaisedMessage;
template <class E = host::Exception, class F>
std::string MessageOf(F&& f) {
  return RaisedMessage<E>(std::forward<F>(f));
}

}  // namespace kel::test
