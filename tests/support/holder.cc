#include "tests/support/holder.h"

namespace host::testkit {

HOST_IMPL(THolder, TCustomControl)

}  // namespace host::testkit
