#include "tests/descriptors/test_widget.h"

#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
HOST_IMPL(TTestWidget, host::TObject)
KEL_DESCRIPTOR_IMPL(TTestWidgetClassInfo)
KEL_DESCRIPTOR_IMPL(TTestGadgetClassInfo)
HOST_IMPL(TSevenThread, host::TThread)
}  // namespace kel::test
