// The helpers of the text controls tests.
#include "tests/host/stdctrls/texts_test.h"

#include <algorithm>

#include "host/widgetset/widgetset.h"

namespace host::stdctrlstest {

HOST_IMPL(TTextForm, TCustomControl)

void TextsTest::SetUp() {
  THandlesTest::SetUp();
  form.reset(New<TTextForm>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
  form->Show();
  ASSERT_TRUE(form->HandleAllocated());
}

void TextsTest::TearDown() {
  form.reset();
  TWidgetSet& ws = WidgetSet();
  if (ws.OpenClipboard()) {
    ws.EmptyClipboard();
    ws.CloseClipboard();
  }
  THandlesTest::TearDown();
}

headless::THeadlessRobot& TextsTest::Robot() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot(); }

void TextsTest::CountChanges(TCustomEdit* Edit) {
  Edit->OnChange = [this](TObject*) { ++changes; };
}

std::string TextsTest::ClipboardText() {
  TWidgetSet& ws = WidgetSet();
  if (!ws.OpenClipboard()) return "<clipboard busy>";
  const THandle data = ws.GetClipboardData(CF_TEXT);
  const std::span<const uint8_t> bytes = data ? ws.GlobalBytes(data) : std::span<const uint8_t>{};
  ws.CloseClipboard();
  return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), uint8_t{0}));
}

}  // namespace host::stdctrlstest
