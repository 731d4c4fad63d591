// Test helper: runs code that must raise a host exception of class E and
// gives its message, or a marker text when nothing (or something else) was
// raised, so a failing check shows what happened.
#pragma once

#include <string>

#include "host/rtl/sysutils.h"

namespace host::testkit {

template <class E = Exception, class F>
std::string RaisedMessage(F&& code) {
  try {
    code();
  } catch (const E& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return std::string("<other exception: ") + e.what() + ">";
  }
  return "<nothing raised>";
}

}  // namespace host::testkit
