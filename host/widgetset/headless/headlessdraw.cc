// The drawing calls of the headless widgetset.
#include <algorithm>
#include <vector>

#include "host/widgetset/headless/blit.h"
#include "host/widgetset/headless/glyphs.h"
#include "host/widgetset/headless/headless.h"

namespace host::headless {

namespace {

constexpr int32_t kCoordinateLimit = 1 << 28;

int32_t Clamp(int32_t V) { return std::clamp(V, -kCoordinateLimit, kCoordinateLimit); }
TPoint Clamp(TPoint P) { return {Clamp(P.X), Clamp(P.Y)}; }
// Clamped, with left <= right and top <= bottom (boxes given the other way
// round describe the same box).
TRect NormalBox(const TRect& R) {
  const int32_t l = Clamp(R.Left), t = Clamp(R.Top), r = Clamp(R.Right), b = Clamp(R.Bottom);
  return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}
std::vector<TPoint> Clamp(std::span<const TPoint> Points) {
  std::vector<TPoint> out;
  out.reserve(Points.size());
  for (TPoint p : Points) out.push_back(Clamp(p));
  return out;
}

// Logical coordinates to device coordinates (see TContext). The origin lies
// within the coordinate limit, so the sum of two clamped values cannot
// overflow before it is clamped again.
TPoint ToDevice(TPoint Origin, TPoint P) {
  P = Clamp(P);
  return Clamp(TPoint{P.X + Origin.X, P.Y + Origin.Y});
}
TRect ToDevice(TPoint Origin, const TRect& R) {
  const TRect box = NormalBox(R);
  const TPoint topLeft = ToDevice(Origin, box.TopLeft()), bottomRight = ToDevice(Origin, box.BottomRight());
  return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y};
}
std::vector<TPoint> ToDevice(TPoint Origin, std::span<const TPoint> Points) {
  std::vector<TPoint> out;
  out.reserve(Points.size());
  for (TPoint p : Points) out.push_back(ToDevice(Origin, p));
  return out;
}
TBlitArea ToDevice(TPoint Origin, const TBlitArea& A) {
  const TPoint corner = ToDevice(Origin, TPoint{A.X, A.Y});
  return {corner.X, corner.Y, Clamp(A.Width), Clamp(A.Height)};
}

TPaint SolidPaint(COLORREF Color, int32_t Rop2) {
  TPaint paint;
  paint.Color = ColorRefToPixel(Color);
  paint.Rop2 = Rop2;
  return paint;
}

}  // namespace

bool THeadlessWidgetSet::ResolveTarget(HDC DC, TContext& Ctx) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return false;
  Ctx.DC = dc;
  if (dc->Window) {
    ResolveWindowTarget(*dc, Ctx);
  } else if (dc->Bitmap != FStock[DEFAULT_BITMAP]) {
    if (TBitmapObject* bitmap = FTable.Get<TBitmapObject>(dc->Bitmap)) Ctx.Surface = &bitmap->Surface;
    Ctx.Clip = Ctx.Surface ? Ctx.Surface->Bounds() : TRect{};
  }
  Ctx.Origin = ToDevice(Ctx.Origin, dc->ViewportOrg);
  if (dc->Clipped) IntersectRect(Ctx.Clip, Ctx.Clip, ToDevice(Ctx.Origin, dc->Clip));
  return true;
}

// A window's device context draws onto its top-level window's surface, at
// the window's place there, within the part of the window that shows (and
// within the update rectangle of a WM_PAINT). A destroyed window leaves the
// context nothing to draw on.
void THeadlessWidgetSet::ResolveWindowTarget(const TDCObject& DC, TContext& Ctx) {
  if (!FWindows.DrawTarget(DC.Window, Ctx.Surface, Ctx.Origin, Ctx.Clip)) return;
  if (DC.Limited) IntersectRect(Ctx.Clip, Ctx.Clip, ToDevice(Ctx.Origin, DC.Limit));
}

bool THeadlessWidgetSet::Resolve(HDC DC, TContext& Ctx) {
  if (!ResolveTarget(DC, Ctx)) return false;
  if (const TPenObject* pen = FTable.Get<TPenObject>(Ctx.DC->Pen)) Ctx.Pen = pen->Log;
  Ctx.Brush = FTable.Get<TBrushObject>(Ctx.DC->Brush);
  if (const TFontObject* font = FTable.Get<TFontObject>(Ctx.DC->Font)) Ctx.Font = font->Log;
  return true;
}

TPaint THeadlessWidgetSet::PenPaint(const TContext& Ctx) const { return SolidPaint(Ctx.Pen.Color, Ctx.DC->Rop2); }

TPaint THeadlessWidgetSet::BackgroundPaint(const TContext& Ctx) const {
  return SolidPaint(Ctx.DC->BkColor, Ctx.DC->Rop2);
}

TPaint THeadlessWidgetSet::BrushPaint(const TContext& Ctx, const TBrushObject* Brush, int32_t Rop2) const {
  TPaint paint = SolidPaint(Brush ? Brush->Log.Color : 0, Rop2);
  if (!Brush) return paint;
  if (Brush->Log.Style == BS_HATCHED) {
    paint.Kind = TPaint::TKind::Hatch;
    paint.Hatch = Brush->Log.Hatch;
    paint.BkColor = ColorRefToPixel(Ctx.DC->BkColor);
    paint.Opaque = Ctx.DC->BkMode == OPAQUE;
  } else if (Brush->Log.Style == BS_PATTERN) {
    paint.Kind = TPaint::TKind::Pattern;
    paint.Pattern = &Brush->Pattern;
  }
  return paint;
}

// ------------------------------------------------------------------ pixels

COLORREF THeadlessWidgetSet::SetPixel(HDC DC, int32_t X, int32_t Y, COLORREF Color) {
  TContext ctx;
  if (!ResolveTarget(DC, ctx) || !ctx.Surface) return CLR_INVALID;
  const TPoint p = ToDevice(ctx.Origin, TPoint{X, Y});
  if (!PtInRect(ctx.Clip, p)) return CLR_INVALID;
  ctx.Surface->Row(p.Y)[p.X] = ColorRefToPixel(Color);
  return Color & 0x00FFFFFFu;
}

COLORREF THeadlessWidgetSet::GetPixel(HDC DC, int32_t X, int32_t Y) {
  TContext ctx;
  if (!ResolveTarget(DC, ctx) || !ctx.Surface) return CLR_INVALID;
  const TPoint p = ToDevice(ctx.Origin, TPoint{X, Y});
  if (!PtInRect(ctx.Clip, p)) return CLR_INVALID;
  return PixelToColorRef(ctx.Surface->At(p.X, p.Y));
}

// ------------------------------------------------------------------- lines

bool THeadlessWidgetSet::LineTo(HDC DC, int32_t X, int32_t Y) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  const TPoint path[] = {Clamp(ctx.DC->Pos), Clamp(TPoint{X, Y})};
  ctx.DC->Pos = {X, Y};
  return Polyline(DC, path);
}

bool THeadlessWidgetSet::Polyline(HDC DC, std::span<const TPoint> Points) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  if (ctx.Surface) StrokeWithPen(ctx, ToDevice(ctx.Origin, Points), false, false);
  return true;
}

void THeadlessWidgetSet::StrokeWithPen(const TContext& Ctx, std::span<const TPoint> Path, bool Closed,
                                       bool DrawLastPoint) {
  TCoverage ink(Ctx.Clip), gaps(Ctx.Clip);
  StrokePath(Path, Closed, DrawLastPoint, {Ctx.Pen.Width, Ctx.Pen.Style}, ink,
             Ctx.DC->BkMode == OPAQUE ? &gaps : nullptr);
  PaintCoverage(*Ctx.Surface, gaps, BackgroundPaint(Ctx));
  PaintCoverage(*Ctx.Surface, ink, PenPaint(Ctx));
}

// ------------------------------------------------------------------ shapes

template <class F>
bool THeadlessWidgetSet::DrawFigure(HDC DC, TRect Box, bool Filled, bool Closed, F&& MakePath) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  if (!ctx.Surface) return true;
  Box = NormalBox(Box);
  const bool penVisible = ctx.Pen.Style != PS_NULL;
  if (Filled && ctx.Brush && ctx.Brush->Log.Style != BS_NULL) {
    // Without an outline the inside ends one pixel earlier on the right and
    // at the bottom (classic).
    const TRect fillBox = penVisible ? Box : TRect{Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1};
    TCoverage area(ctx.Clip);
    FillPolygon(ToDevice(ctx.Origin, MakePath(fillBox)), area);
    PaintCoverage(*ctx.Surface, area, BrushPaint(ctx, ctx.Brush, ctx.DC->Rop2));
  }
  if (!penVisible) return true;
  const TRect frame = ctx.Pen.Style == PS_INSIDEFRAME ? InsideFrameBox(Box, ctx.Pen.Width) : Box;
  StrokeWithPen(ctx, ToDevice(ctx.Origin, MakePath(frame)), Closed, true);
  return true;
}

bool THeadlessWidgetSet::Polygon(HDC DC, std::span<const TPoint> Points) {
  const std::vector<TPoint> points = Clamp(Points);
  // The figure is given by its points, not by a box.
  return DrawFigure(DC, {}, true, true, [&](const TRect&) { return points; });
}

bool THeadlessWidgetSet::Rectangle(HDC DC, const TRect& Box) {
  return DrawFigure(DC, Box, true, true, [](const TRect& b) { return RoundBoxPath(b, 0, 0); });
}

bool THeadlessWidgetSet::RoundRect(HDC DC, const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) {
  return DrawFigure(DC, Box, true, true, [&](const TRect& b) { return RoundBoxPath(b, CornerWidth, CornerHeight); });
}

bool THeadlessWidgetSet::Ellipse(HDC DC, const TRect& Box) {
  return DrawFigure(DC, Box, true, true, [](const TRect& b) { return RoundBoxPath(b, b.Width(), b.Height()); });
}

bool THeadlessWidgetSet::Arc(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return DrawFigure(DC, Box, false, false, [&](const TRect& b) {
    TPoint center;
    return ArcPath(b, Clamp(Start), Clamp(End), center);
  });
}

bool THeadlessWidgetSet::Chord(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return DrawFigure(DC, Box, true, true, [&](const TRect& b) {
    TPoint center;
    return ArcPath(b, Clamp(Start), Clamp(End), center);
  });
}

bool THeadlessWidgetSet::Pie(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return DrawFigure(DC, Box, true, true, [&](const TRect& b) {
    TPoint center;
    std::vector<TPoint> path = ArcPath(b, Clamp(Start), Clamp(End), center);
    if (!path.empty()) path.push_back(center);
    return path;
  });
}

// ------------------------------------------------------------ rectangles

bool THeadlessWidgetSet::FillRect(HDC DC, const TRect& Rect, HBRUSH Brush) {
  TContext ctx;
  const TBrushObject* brush = FTable.Get<TBrushObject>(Brush);
  if (!Resolve(DC, ctx) || !brush) return false;
  if (!ctx.Surface || brush->Log.Style == BS_NULL) return true;
  TCoverage area(ctx.Clip);
  const TRect r = ToDevice(ctx.Origin, Rect);
  for (int32_t y = std::max(r.Top, ctx.Clip.Top); y < std::min(r.Bottom, ctx.Clip.Bottom); ++y)
    area.AddSpan(y, r.Left, r.Right);
  PaintCoverage(*ctx.Surface, area, BrushPaint(ctx, brush, R2_COPYPEN));
  return true;
}

bool THeadlessWidgetSet::FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush) {
  TContext ctx;
  const TBrushObject* brush = FTable.Get<TBrushObject>(Brush);
  if (!Resolve(DC, ctx) || !brush) return false;
  const TRect r = ToDevice(ctx.Origin, Rect);
  if (!ctx.Surface || brush->Log.Style == BS_NULL || r.IsEmpty()) return true;
  TCoverage area(ctx.Clip);
  StrokePath(RoundBoxPath(r, 0, 0), true, true, TStroke{}, area, nullptr);
  PaintCoverage(*ctx.Surface, area, BrushPaint(ctx, brush, R2_COPYPEN));
  return true;
}

bool THeadlessWidgetSet::DrawFocusRect(HDC DC, const TRect& Rect) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  const TRect r = ToDevice(ctx.Origin, Rect);
  if (!ctx.Surface || r.IsEmpty()) return true;
  TCoverage border(ctx.Clip), dots(ctx.Clip);
  StrokePath(RoundBoxPath(r, 0, 0), true, true, TStroke{}, border, nullptr);
  border.ForEach([&](int32_t y, int32_t x1, int32_t x2) {
    for (int32_t x = x1; x < x2; ++x)
      if ((x + y) % 2 == 0) dots.AddPixel(x, y);
  });
  PaintCoverage(*ctx.Surface, dots, SolidPaint(RGB(255, 255, 255), R2_XORPEN));
  return true;
}

bool THeadlessWidgetSet::ExtFloodFill(HDC DC, int32_t X, int32_t Y, COLORREF Color, uint32_t FillType) {
  TContext ctx;
  if (!Resolve(DC, ctx) || !ctx.Surface) return false;
  TCoverage area(ctx.Clip);
  const TPoint start = ToDevice(ctx.Origin, TPoint{X, Y});
  if (!FloodArea(*ctx.Surface, start.X, start.Y, Color, FillType, area)) return false;
  PaintCoverage(*ctx.Surface, area, BrushPaint(ctx, ctx.Brush, R2_COPYPEN));
  return true;
}

// -------------------------------------------------------------------- text

bool THeadlessWidgetSet::ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect,
                                    std::string_view Text) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  if (!ctx.Surface) return true;
  const TPoint at = ToDevice(ctx.Origin, TPoint{X, Y});
  X = at.X;
  Y = at.Y;
  const TRect box = Rect ? ToDevice(ctx.Origin, *Rect) : TRect{};
  TRect clip = ctx.Clip;
  if (Rect && (Options & ETO_CLIPPED)) IntersectRect(clip, clip, box);
  auto fill = [&](const TRect& r, const TRect& within) {
    TCoverage area(within);
    for (int32_t y = std::max(r.Top, within.Top); y < std::min(r.Bottom, within.Bottom); ++y)
      area.AddSpan(y, r.Left, r.Right);
    PaintCoverage(*ctx.Surface, area, SolidPaint(ctx.DC->BkColor, R2_COPYPEN));
  };
  if (Rect && (Options & ETO_OPAQUE)) fill(box, ctx.Clip);
  const TSize extent = TextExtent(ctx.Font, Text);
  if (ctx.DC->BkMode == OPAQUE) fill(NormalBox(Bounds(X, Y, extent.cx, extent.cy)), clip);
  TCoverage ink(clip);
  AddTextInk(ctx.Font, X, Y, Text, ink);
  PaintCoverage(*ctx.Surface, ink, SolidPaint(ctx.DC->TextColor, R2_COPYPEN));
  return true;
}

bool THeadlessWidgetSet::ResolveText(HDC DC, TTextTarget& Target) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  Target = {ctx.Surface, ctx.Origin, ctx.Clip, ctx.Font, ctx.DC->TextColor, ctx.DC->BkColor, ctx.DC->BkMode};
  return true;
}

bool THeadlessWidgetSet::ResolveShape(HDC DC, TShapeTarget& Target) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  TLogBrush brush;
  brush.Style = BS_NULL;
  Target = {ctx.Surface, ctx.Origin, ctx.Clip, ctx.Pen, ctx.Brush ? ctx.Brush->Log : brush,
            ctx.DC->Rop2, ctx.DC->BkColor, ctx.DC->BkMode};
  return true;
}

bool THeadlessWidgetSet::BrushOf(HBRUSH Brush, TLogBrush& Log) {
  const TBrushObject* brush = FTable.Get<TBrushObject>(Brush);
  if (brush) Log = brush->Log;
  return brush != nullptr;
}

bool THeadlessWidgetSet::GetTextExtentPoint(HDC DC, std::string_view Text, TSize& Size) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  Size = TextExtent(ctx.Font, Text);
  return true;
}

bool THeadlessWidgetSet::GetTextMetrics(HDC DC, TTextMetric& Metric) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return false;
  Metric = TextMetric(ctx.Font);
  return true;
}

// ------------------------------------------------------------------ blits

bool THeadlessWidgetSet::Blit(HDC Dest, TBlitArea To, HDC Src, TBlitArea From, const TSurface* Mask, uint32_t Rop) {
  TContext dst, src;
  if (!Resolve(Dest, dst)) return false;
  const bool needsSource = RopUsesSource(Rop);
  if (needsSource && !Resolve(Src, src)) return false;
  if (!dst.Surface) return true;
  if (needsSource && !src.Surface) return false;
  StretchBlit(*dst.Surface, dst.Clip, ToDevice(dst.Origin, To), needsSource ? src.Surface : nullptr,
              ToDevice(src.Origin, From), Rop, BrushPaint(dst, dst.Brush, R2_COPYPEN), Mask);
  return true;
}

bool THeadlessWidgetSet::StretchBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src,
                                    int32_t XSrc, int32_t YSrc, int32_t SrcWidth, int32_t SrcHeight, uint32_t Rop) {
  return Blit(Dest, {X, Y, Width, Height}, Src, {XSrc, YSrc, SrcWidth, SrcHeight}, nullptr, Rop);
}

bool THeadlessWidgetSet::StretchMaskBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src,
                                        int32_t XSrc, int32_t YSrc, int32_t SrcWidth, int32_t SrcHeight, HBITMAP Mask,
                                        uint32_t Rop) {
  const TSurface* mask = BitmapSurface(Mask);
  if (!mask) return false;
  return Blit(Dest, {X, Y, Width, Height}, Src, {XSrc, YSrc, SrcWidth, SrcHeight}, mask, Rop);
}

bool THeadlessWidgetSet::DrawIconEx(HDC DC, int32_t X, int32_t Y, HICON Icon, int32_t Width, int32_t Height) {
  TContext ctx;
  const TIconObject* icon = FTable.Get<TIconObject>(Icon);
  if (!Resolve(DC, ctx) || !icon) return false;
  if (!ctx.Surface) return true;
  const TPoint at = ToDevice(ctx.Origin, TPoint{X, Y});
  const TBlitArea to{at.X, at.Y, Width ? Clamp(Width) : icon->Color.Width, Height ? Clamp(Height) : icon->Color.Height};
  DrawIcon(*ctx.Surface, ctx.Clip, to, icon->Color, icon->Mask);
  return true;
}

}  // namespace host::headless
