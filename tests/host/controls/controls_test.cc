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

HOST_IMPL(TProbe, TCustomControl)
HOST_IMPL(TSwatch, TGraphicControl)

void TProbe::Paint() {
  Log.push_back("paint");
  if (PaintColor == clNone) return;
  GetCanvas()->GetBrush()->SetColor(PaintColor);
  GetCanvas()->FillRect(GetClientRect());
}

void TSwatch::Paint() {
  GetCanvas()->GetBrush()->SetColor(GetColor());
  GetCanvas()->FillRect(Rect(0, 0, GetWidth(), GetHeight()));
}

TOwned<TProbe> NewForm() {
  TOwned<TProbe> form(New<TProbe>(nullptr));
  form->SetName("Form");
  form->SetBounds(100, 100, 400, 300);
  return form;
}

TProbe* NewProbe(TWinControl* Parent, const std::string& Name, TRect Bounds) {
  auto* probe = New<TProbe>(Parent->GetOwner() ? Parent->GetOwner() : Parent);
  probe->SetName(Name);
  probe->SetBoundsRect(Bounds);
  probe->SetParent(Parent);
  return probe;
}

TSwatch* NewSwatch(TWinControl* Parent, const std::string& Name, TRect Bounds) {
  auto* swatch = New<TSwatch>(Parent->GetOwner() ? Parent->GetOwner() : Parent);
  swatch->SetName(Name);
  swatch->SetBoundsRect(Bounds);
  swatch->SetParent(Parent);
  return swatch;
}


}  // namespace host::controlstest
