// The helpers of the controls tests.
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {

COLORREF Shown(HWND Window, int32_t X, int32_t Y) {
  const HBITMAP image = WidgetSet().Windows().CaptureWindow(Window);
  TBitmapBits bits;
  const bool ok = WidgetSet().GetBitmapBits(image, bits) && X >= 0 && Y >= 0 && X < bits.Width && Y < bits.Height;
  const COLORREF color = ok ? PixelToColorRef(bits.Row(Y)[X]) : CLR_INVALID;
  if (image) WidgetSet().DeleteObject(image);
  return color;
}

COLORREF Drawn(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

}  // namespace host::controlstest
