// The fixture of the shapes-and-panels group's tests.
#include "tests/host/extctrls/extctrls_test.h"

#include "host/widgetset/widgetset.h"
#include "tests/support/windowshot.h"

namespace host::extctrlstest {


void ExtCtrlsTest::SetUp() {
  THandlesTest::SetUp();
  form.reset(New<TExtForm>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
  form->Show();
  ASSERT_TRUE(form->HandleAllocated());
}

void ExtCtrlsTest::TearDown() {
  form.reset();
  THandlesTest::TearDown();
}

COLORREF ExtCtrlsTest::At(TControl* Control, int32_t X, int32_t Y) { return TWindowShot(Control).At(X, Y); }

int32_t ExtCtrlsTest::Count(TControl* Control, TRect Area, TColor Color) {
  return TWindowShot(Control).Count(Area, Color);
}

}  // namespace host::extctrlstest
