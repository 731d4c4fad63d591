// The shape, the paint box and the bevel.
#include "host/extctrls/shapes.h"

#include <algorithm>

#include "host/extctrls/extpaint_p.h"

namespace host {

HOST_IMPL(TShape, TGraphicControl)
HOST_IMPL(TPaintBox, TGraphicControl)
HOST_IMPL(TBevel, TGraphicControl)

// --------------------------------------------------------------------- TShape

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 65, 65);
  FPen = New<TPen>();
  FPen->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
  FBrush = New<TBrush>();
  FBrush->OnChange = TNotifyEvent(this, &TShape::StyleChanged);
}

void TShape::Destroy() {
  FreeAndNil(FPen);
  FreeAndNil(FBrush);
  inherited::Destroy();
}

void TShape::SetShape(TShapeType Value) { extpaint::ChangeLook(this, FShape, Value, stCircle); }

void TShape::StyleChanged(TObject* /*Sender*/) { Invalidate(); }

// The outline runs half a pen inside the bounds so that a wide pen stays
// within them; the square kinds take the shorter side, centred.
void TShape::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetPen(FPen);
  canvas->SetBrush(FBrush);
  const int32_t penWidth = FPen->GetWidth();
  int32_t x = penWidth / 2, y = x;
  int32_t w = FWidth - penWidth + 1, h = FHeight - penWidth + 1;
  if (penWidth == 0) {
    --w;
    --h;
  }
  const int32_t side = std::min(w, h);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    x += (w - side) / 2;
    y += (h - side) / 2;
    w = h = side;
  }
  switch (FShape) {
    case stRectangle:
    case stSquare:
      canvas->Rectangle(x, y, x + w, y + h);
      break;
    case stRoundRect:
    case stRoundSquare:
      canvas->RoundRect(x, y, x + w, y + h, side / 4, side / 4);
      break;
    case stEllipse:
    case stCircle:
      canvas->Ellipse(x, y, x + w, y + h);
      break;
  }
}

// ------------------------------------------------------------------ TPaintBox

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 105, 105);
}

void TPaintBox::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(GetColor());
  extpaint::DesignOutline(this, canvas);
  if (OnPaint) OnPaint(this);
}

// --------------------------------------------------------------------- TBevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) { extpaint::ChangeLook(this, FShape, Value, bsSpacer); }
void TBevel::SetStyle(TBevelStyle Value) { extpaint::ChangeLook(this, FStyle, Value, bsRaised); }

namespace {

void Line(TCanvas* Canvas, TColor Color, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  Canvas->GetPen()->SetColor(Color);
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

// A one-pixel 3D box over Rect's right and bottom edges included.
void BoxLines(TCanvas* Canvas, const TRect& Rect, extpaint::TBevelColors Colors) {
  TRect r = host::Rect(Rect.Left, Rect.Top, Rect.Right + 1, Rect.Bottom + 1);
  extpaint::Frame3D(Canvas, r, Colors.Top, Colors.Bottom, 1);
}

}  // namespace

void TBevel::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetWidth(1);
  if (FShape == bsSpacer) extpaint::DesignOutline(this, canvas);
  const extpaint::TBevelColors colors = extpaint::BevelColors(FStyle == bsRaised);
  const int32_t w = FWidth, h = FHeight;
  switch (FShape) {
    case bsBox:
      BoxLines(canvas, Rect(0, 0, w - 1, h - 1), colors);
      break;
    case bsFrame:  // two boxes of opposite colours, one pixel apart
      BoxLines(canvas, Rect(1, 1, w - 1, h - 1), {colors.Bottom, colors.Bottom});
      BoxLines(canvas, Rect(0, 0, w - 2, h - 2), {colors.Top, colors.Top});
      break;
    case bsTopLine:
      Line(canvas, colors.Top, 0, 0, w, 0);
      Line(canvas, colors.Bottom, 0, 1, w, 1);
      break;
    case bsBottomLine:
      Line(canvas, colors.Top, 0, h - 2, w, h - 2);
      Line(canvas, colors.Bottom, 0, h - 1, w, h - 1);
      break;
    case bsLeftLine:
      Line(canvas, colors.Top, 0, 0, 0, h);
      Line(canvas, colors.Bottom, 1, 0, 1, h);
      break;
    case bsRightLine:
      Line(canvas, colors.Top, w - 2, 0, w - 2, h);
      Line(canvas, colors.Bottom, w - 1, 0, w - 1, h);
      break;
    case bsSpacer:
      break;
  }
}

}  // namespace host
