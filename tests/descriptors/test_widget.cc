#include "tests/descriptors/test_widget.h"

#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
HOST_IMPL(TTestWidget, host::TObject)
HOST_IMPL(TTestWidgetClassInfo, TObjectClassInfo)
HOST_IMPL(TTestGadgetClassInfo, TTestWidgetClassInfo)
HOST_IMPL(TSevenThread, host::TThread)
}  // namespace kel::test
