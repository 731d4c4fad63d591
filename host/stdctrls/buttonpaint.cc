#include "host/stdctrls/buttons_p.h"

#include <algorithm>
#include <array>

#include "host/graphics/graphicsobj.h"

namespace host::buttonpaint {

namespace {

void Line(TCanvas* Canvas, TPoint From, TPoint To) {
  Canvas->MoveTo(From.X, From.Y);
  Canvas->LineTo(To.X, To.Y);
}

}  // namespace

void Bevel(TCanvas* Canvas, const TRect& Rect, bool Sunken, TColor Face) {
  Canvas->GetBrush()->SetColor(Face);
  Canvas->FillRect(Rect);
  if (Rect.Width() < 2 || Rect.Height() < 2) return;
  const TPoint topLeft{Rect.Left, Rect.Top}, topRight{Rect.Right - 1, Rect.Top};
  const TPoint bottomLeft{Rect.Left, Rect.Bottom - 1}, bottomRight{Rect.Right - 1, Rect.Bottom - 1};
  Canvas->GetPen()->SetColor(Sunken ? clBtnShadow : clBtnHighlight);
  Line(Canvas, bottomLeft, topLeft);
  Line(Canvas, topLeft, topRight);
  Canvas->GetPen()->SetColor(Sunken ? clBtnHighlight : cl3DDkShadow);
  Line(Canvas, topRight, bottomRight);
  Line(Canvas, bottomRight, {bottomLeft.X - 1, bottomLeft.Y});
}

void Arrow(TCanvas* Canvas, const TRect& Rect, TArrowDirection Direction, TColor Color) {
  const int32_t size = std::max(1, std::min(Rect.Width(), Rect.Height()) / 4);
  const int32_t cx = (Rect.Left + Rect.Right) / 2, cy = (Rect.Top + Rect.Bottom) / 2;
  std::array<TPoint, 3> points;
  switch (Direction) {
    case TArrowDirection::Left:
      points = {{{cx - size, cy}, {cx + size, cy - size}, {cx + size, cy + size}}};
      break;
    case TArrowDirection::Right:
      points = {{{cx + size, cy}, {cx - size, cy - size}, {cx - size, cy + size}}};
      break;
    case TArrowDirection::Up:
      points = {{{cx, cy - size}, {cx - size, cy + size}, {cx + size, cy + size}}};
      break;
    case TArrowDirection::Down:
      points = {{{cx, cy + size}, {cx - size, cy - size}, {cx + size, cy - size}}};
      break;
  }
  Canvas->GetPen()->SetColor(Color);
  Canvas->GetBrush()->SetColor(Color);
  Canvas->Polygon(points);
}

}  // namespace host::buttonpaint
