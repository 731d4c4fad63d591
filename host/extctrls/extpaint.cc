// The 3D frame and the design-time outline of the extctrls controls.
#include "host/extctrls/extpaint_p.h"

namespace host::extpaint {

void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int32_t Width) {
  TPen* pen = Canvas->GetPen();
  pen->SetWidth(1);
  pen->SetStyle(psSolid);
  for (int32_t i = 0; i < Width && Rect.Right - Rect.Left > 0 && Rect.Bottom - Rect.Top > 0; ++i) {
    const int32_t right = Rect.Right - 1, bottom = Rect.Bottom - 1;
    pen->SetColor(TopColor);
    const TPoint topLeft[] = {{Rect.Left, bottom}, {Rect.Left, Rect.Top}, {right, Rect.Top}};
    Canvas->Polyline(topLeft);
    pen->SetColor(BottomColor);
    const TPoint bottomRight[] = {{right, Rect.Top}, {right, bottom}, {Rect.Left - 1, bottom}};
    Canvas->Polyline(bottomRight);
    Rect = host::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1);
  }
}

void DesignOutline(TControl* Control, TCanvas* Canvas) {
  if (!Control->GetComponentState().Contains(csDesigning)) return;
  Canvas->GetPen()->SetStyle(psDash);
  Canvas->GetPen()->SetColor(clBlack);
  Canvas->GetBrush()->SetStyle(bsClear);
  Canvas->Rectangle(0, 0, Control->GetWidth(), Control->GetHeight());
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetBrush()->SetStyle(bsSolid);
}

}  // namespace host::extpaint
