#include "tests/descriptors/test_widget.h"

namespace kel::test {
HOST_IMPL(TTestWidget, host::TObject)
HOST_IMPL(TTestWidgetClassInfo, TObjectClassInfo)
HOST_IMPL(TTestGadgetClassInfo, TTestWidgetClassInfo)
}  // namespace kel::test
