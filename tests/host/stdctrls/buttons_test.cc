// The helpers of the button group's tests.
#include "tests/host/stdctrls/buttons_test.h"

#include "host/widgetset/widgetset.h"

namespace host::stdctrlstest {

HOST_IMPL(TTestForm, TCustomControl)
HOST_IMPL(TWantsEnter, TCustomControl)

TTestForm::TTestForm(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }

void TTestForm::WndProc(TMessage& Message) {
  if (Message.Msg != CM_MODALRESULT) return inherited::WndProc(Message);
  ModalResult = static_cast<TModalResult>(static_cast<TWMGeneric&>(Message).WParam);
  Message.Result = 1;
}

void TWantsEnter::WndProc(TMessage& Message) {
  if (Message.Msg == CM_WANTSPECIALKEY && static_cast<TWMGeneric&>(Message).WParam == VK_RETURN) {
    Message.Result = 1;
    return;
  }
  inherited::WndProc(Message);
}

void ButtonsTest::SetUp() {
  THandlesTest::SetUp();
  form.reset(New<TTestForm>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
}

void ButtonsTest::TearDown() {
  form.reset();
  THandlesTest::TearDown();
}

void ButtonsTest::Show() {
  form->Show();
  ASSERT_TRUE(form->HandleAllocated());
}

void ButtonsTest::LogClicks(TControl* Control) {
  Control->OnClick = [this, Control](TObject*) { log.push_back(Control->GetName() + " click"); };
}

int32_t PixelsShown(TWinControl* Control, const TRect& Rect, TColor Color) {
  Control->Update();
  const HBITMAP image = WidgetSet().Windows().CaptureWindow(Control->GetHandle());
  TBitmapBits bits;
  int32_t count = 0;
  if (image && WidgetSet().GetBitmapBits(image, bits)) {
    const auto wanted = static_cast<COLORREF>(ColorToRGB(Color));
    for (int32_t y = std::max(0, Rect.Top); y < std::min(bits.Height, Rect.Bottom); ++y)
      for (int32_t x = std::max(0, Rect.Left); x < std::min(bits.Width, Rect.Right); ++x)
        count += PixelToColorRef(bits.Row(y)[x]) == wanted ? 1 : 0;
  }
  if (image) WidgetSet().DeleteObject(image);
  return count;
}

}  // namespace host::stdctrlstest
