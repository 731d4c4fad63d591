// Test helper: what a control shows on the headless raster, captured once
// (its own window, or its parent's for a graphic control), read pixel by
// pixel in the control's coordinates.
#pragma once

#include <cstdint>

#include "host/controls/controls.h"
#include "host/widgetset/widgetset.h"

namespace host::testkit {

class TWindowShot {
 public:
  // Paints what waits to be painted first.
  explicit TWindowShot(TControl* Control) {
    auto* window = dynamic_cast<TWinControl*>(Control);
    if (!window) {
      window = Control->GetParent();
      FOrigin = {Control->GetLeft(), Control->GetTop()};
    }
    window->Update();
    FImage = WidgetSet().Windows().CaptureWindow(window->GetHandle());
    FValid = FImage && WidgetSet().GetBitmapBits(FImage, FBits);
  }
  ~TWindowShot() {
    if (FImage) WidgetSet().DeleteObject(FImage);
  }
  TWindowShot(const TWindowShot&) = delete;
  TWindowShot& operator=(const TWindowShot&) = delete;
  // CLR_INVALID outside the window.
  COLORREF At(int32_t X, int32_t Y) const {
    X += FOrigin.X;
    Y += FOrigin.Y;
    if (!FValid || X < 0 || Y < 0 || X >= FBits.Width || Y >= FBits.Height) return CLR_INVALID;
    return PixelToColorRef(FBits.Row(Y)[X]);
  }
  // How many pixels of Area show Color (drawn as ColorToRGB makes it).
  int32_t Count(TRect Area, TColor Color) const {
    int32_t count = 0;
    for (int32_t y = Area.Top; y < Area.Bottom; ++y)
      for (int32_t x = Area.Left; x < Area.Right; ++x)
        count += At(x, y) == static_cast<COLORREF>(ColorToRGB(Color)) ? 1 : 0;
    return count;
  }

 private:
  HBITMAP FImage = 0;
  TBitmapBits FBits;
  bool FValid = false;
  TPoint FOrigin{0, 0};
};

}  // namespace host::testkit
