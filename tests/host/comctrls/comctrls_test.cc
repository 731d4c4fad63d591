// The fixture of the comctrls tests.
#include "tests/host/comctrls/comctrls_test.h"

#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"

namespace host::comctrlstest {


void ComCtrlsTest::SetUp() {
  THandlesTest::SetUp();
  form.reset(New<THolder>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
  form->Show();
  ASSERT_TRUE(form->HandleAllocated());
}

void ComCtrlsTest::TearDown() {
  form.reset();
  THandlesTest::TearDown();
}

TImageList* ComCtrlsTest::NewImages(const std::string& Name, std::initializer_list<TColor> Colors) {
  auto* images = New<TImageList>(form.get());
  images->SetName(Name);
  images->SetSize(16, 16);
  for (TColor color : Colors) {
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    bitmap->SetSize(16, 16);
    bitmap->GetCanvas()->GetBrush()->SetColor(color);
    bitmap->GetCanvas()->FillRect(Rect(0, 0, 16, 16));
    images->Add(bitmap.get(), nullptr);
  }
  return images;
}

COLORREF ComCtrlsTest::Pixel(TControl* Control, int32_t X, int32_t Y) {
  auto* window = dynamic_cast<TWinControl*>(Control);
  if (!window) {
    window = Control->GetParent();
    X += Control->GetLeft();
    Y += Control->GetTop();
  }
  window->Update();
  const HBITMAP image = WidgetSet().Windows().CaptureWindow(window->GetHandle());
  TBitmapBits bits;
  const bool valid = image && WidgetSet().GetBitmapBits(image, bits);
  // The bits are the bitmap's own: read before it goes.
  const bool inside = valid && X >= 0 && Y >= 0 && X < bits.Width && Y < bits.Height;
  const COLORREF color = inside ? PixelToColorRef(bits.Row(Y)[X]) : CLR_INVALID;
  if (image) WidgetSet().DeleteObject(image);
  return color;
}

}  // namespace host::comctrlstest
