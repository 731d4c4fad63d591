// The fixture of the shapes-and-panels group's tests.
#include "tests/host/extctrls/extctrls_test.h"

#include "host/widgetset/widgetset.h"

namespace host::extctrlstest {

HOST_IMPL(THolder, TCustomControl)

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

namespace {

// What a window shows, captured once.
class TShot {
 public:
  // Control's window, or its parent's for a graphic control, and where
  // Control's origin lies in it.
  explicit TShot(TControl* Control) {
    auto* window = dynamic_cast<TWinControl*>(Control);
    if (!window) {
      window = Control->GetParent();
      FOrigin = {Control->GetLeft(), Control->GetTop()};
    }
    window->Update();
    FImage = WidgetSet().Windows().CaptureWindow(window->GetHandle());
    FValid = FImage && WidgetSet().GetBitmapBits(FImage, FBits);
  }
  ~TShot() {
    if (FImage) WidgetSet().DeleteObject(FImage);
  }
  TShot(const TShot&) = delete;
  TShot& operator=(const TShot&) = delete;
  COLORREF At(int32_t X, int32_t Y) const {
    X += FOrigin.X;
    Y += FOrigin.Y;
    if (!FValid || X < 0 || Y < 0 || X >= FBits.Width || Y >= FBits.Height) return CLR_INVALID;
    return PixelToColorRef(FBits.Row(Y)[X]);
  }

 private:
  HBITMAP FImage = 0;
  TBitmapBits FBits;
  bool FValid = false;
  TPoint FOrigin{0, 0};
};

}  // namespace

COLORREF ExtCtrlsTest::At(TControl* Control, int32_t X, int32_t Y) { return TShot(Control).At(X, Y); }

int32_t ExtCtrlsTest::Count(TControl* Control, TRect Area, TColor Color) {
  const TShot shot(Control);
  int32_t count = 0;
  for (int32_t y = Area.Top; y < Area.Bottom; ++y)
    for (int32_t x = Area.Left; x < Area.Right; ++x) count += shot.At(x, y) == Drawn(Color) ? 1 : 0;
  return count;
}

}  // namespace host::extctrlstest
