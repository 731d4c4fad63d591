// Rasterising for the headless widgetset: which pixels a line, a shape, a
// polygon or a flood fill covers, and how covered pixels are painted.
//
// Drawing happens in two steps. First the geometry is turned into a
// TCoverage: merged pixel spans per row, already restricted to the clip
// rectangle. Then PaintCoverage colours every covered pixel exactly once
// with a TPaint (a pen colour, a hatch or a pattern brush) through the binary
// raster operation, so XOR drawing inverts a pixel once even where a thick
// line overlaps itself.
//
// Geometry rules (the classic device-context ones):
// - A shape's box has exclusive right and bottom edges; its outline runs
//   through the centres of the box's outermost pixels: Rectangle(0,0,10,5)
//   with a 1-pixel pen draws columns 0 and 9 and rows 0 and 4.
// - A pen of width W > 1 is centred on that outline (W / 2 pixels outside
//   it), except PS_INSIDEFRAME, which keeps it inside the box. Such pens draw
//   solid, with round ends and joins; dash styles apply to 1-pixel pens only.
// - Dash patterns in pixels: PS_DASH 18 on / 6 off, PS_DOT 3/3, PS_DASHDOT
//   9/6/3/6, PS_DASHDOTDOT 9/3/3/3/3/3; the off pixels take the background
//   colour in OPAQUE mode and stay untouched in TRANSPARENT mode.
// - Ellipses and arcs are traced as polygons through pixel centres; the
//   extreme pixels of an ellipse are the box's outermost columns and rows.
// - Hatch brushes repeat every 8 pixels from the device origin:
//   HS_HORIZONTAL on rows y % 8 == 0, HS_VERTICAL on columns x % 8 == 0,
//   HS_FDIAGONAL where (x - y) % 8 == 0, HS_BDIAGONAL where (x + y) % 8 == 7,
//   HS_CROSS and HS_DIAGCROSS both of their pair.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/widgetset/headless/handletable.h"
#include "host/widgetset/wstypes.h"

namespace host::headless {

// Pixels [X1, X2) of one row.
struct TSpan {
  int32_t X1 = 0;
  int32_t X2 = 0;
};

class TCoverage {
 public:
  explicit TCoverage(const TRect& Clip);
  const TRect& Clip() const { return FClip; }
  // Spans outside the clip rectangle are cut away.
  void AddSpan(int32_t Y, int32_t X1, int32_t X2);
  void AddPixel(int32_t X, int32_t Y) { AddSpan(Y, X, X + 1); }
  // Calls Visit(y, x1, x2) for every maximal span, top to bottom, left to right.
  template <class F>
  void ForEach(F&& Visit) {
    Normalize();
    for (const TRowSpan& s : FSpans) Visit(s.Y, s.X1, s.X2);
  }

 private:
  struct TRowSpan {
    int32_t Y, X1, X2;
  };
  // Sorts the spans by row and column and merges those that overlap or touch.
  void Normalize();
  TRect FClip;
  std::vector<TRowSpan> FSpans;
  bool FSorted = true;
};

// How covered pixels are coloured.
struct TPaint {
  enum class TKind : uint8_t { Solid, Hatch, Pattern };
  TKind Kind = TKind::Solid;
  TPixel Color = 0xFF000000u;  // solid colour, hatch lines
  TPixel BkColor = 0xFFFFFFFFu;
  bool Opaque = false;  // hatch gaps take BkColor
  uint32_t Hatch = HS_HORIZONTAL;
  const TSurface* Pattern = nullptr;
  int32_t Rop2 = R2_COPYPEN;

  // The colour at (X, Y), or false when the pixel stays as it is.
  bool At(int32_t X, int32_t Y, TPixel& Out) const;
};

// P combined with D by a binary raster operation; the result is opaque.
TPixel ApplyRop2(int32_t Rop2, TPixel P, TPixel D);
void PaintCoverage(TSurface& Surface, TCoverage& Area, const TPaint& Paint);

// ------------------------------------------------------------------ lines

struct TStroke {
  int32_t Width = 1;
  uint32_t Style = PS_SOLID;
};

// Adds the pixels of a path drawn with Pen: Ink gets the drawn pixels, Gaps
// (when not null) the pixels between dashes. A closed path also joins the
// last point to the first; an open one leaves out its last point unless
// DrawLastPoint.
void StrokePath(std::span<const TPoint> Points, bool Closed, bool DrawLastPoint, const TStroke& Pen, TCoverage& Ink,
                TCoverage* Gaps);

// ----------------------------------------------------------------- shapes

// The outline of a box with elliptic corners CornerWidth x CornerHeight
// (a rectangle when either is below 2, an ellipse when they equal the box),
// as a closed polygon through pixel centres. Empty for an empty box.
std::vector<TPoint> RoundBoxPath(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight);
// The arc of the ellipse in Box from the line to Start counter-clockwise to
// the line to End; Center receives the ellipse's centre pixel.
std::vector<TPoint> ArcPath(const TRect& Box, TPoint Start, TPoint End, TPoint& Center);
// The box an outline runs through when a pen of Width must stay inside Box.
TRect InsideFrameBox(const TRect& Box, int32_t Width);
// Adds the inside of a polygon (alternate rule) together with its edges.
void FillPolygon(std::span<const TPoint> Points, TCoverage& Area);
// Adds the pixels a flood fill from (X, Y) reaches (see ExtFloodFill);
// false when the start pixel does not qualify.
bool FloodArea(const TSurface& Surface, int32_t X, int32_t Y, COLORREF Color, uint32_t FillType, TCoverage& Area);

}  // namespace host::headless
