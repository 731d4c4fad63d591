#include "host/widgetset/headless/raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace host::headless {

// ---------------------------------------------------------------- coverage

TCoverage::TCoverage(const TRect& Clip) : FClip(Clip.IsEmpty() ? TRect{} : Clip) {}

void TCoverage::AddSpan(int32_t Y, int32_t X1, int32_t X2) {
  if (Y < FClip.Top || Y >= FClip.Bottom) return;
  X1 = std::max(X1, FClip.Left);
  X2 = std::min(X2, FClip.Right);
  if (X1 >= X2) return;
  if (!FSpans.empty()) {
    TRowSpan& last = FSpans.back();
    if (last.Y == Y && X1 <= last.X2 && X2 >= last.X1) {  // overlaps or touches: grow it
      if (X1 < last.X1) FSorted = false;                  // it may now reach a span before it
      last.X1 = std::min(last.X1, X1);
      last.X2 = std::max(last.X2, X2);
      return;
    }
    if (Y < last.Y || (Y == last.Y && X1 < last.X1)) FSorted = false;
  }
  FSpans.push_back({Y, X1, X2});
}

void TCoverage::Normalize() {
  if (FSorted) return;
  // Rows first by counting (spans are always inside the clip's rows), then
  // the few spans of each row by column.
  const std::size_t rows = static_cast<std::size_t>(FClip.Height());
  std::vector<std::size_t> first(rows + 1, 0);
  for (const TRowSpan& s : FSpans) ++first[static_cast<std::size_t>(s.Y - FClip.Top) + 1];
  for (std::size_t r = 0; r < rows; ++r) first[r + 1] += first[r];
  std::vector<TRowSpan> byRow(FSpans.size());
  std::vector<std::size_t> fill(first.begin(), first.end() - 1);
  for (const TRowSpan& s : FSpans) byRow[fill[static_cast<std::size_t>(s.Y - FClip.Top)]++] = s;
  FSpans.clear();
  for (std::size_t r = 0; r < rows; ++r) {
    const auto from = byRow.begin() + static_cast<std::ptrdiff_t>(first[r]);
    const auto to = byRow.begin() + static_cast<std::ptrdiff_t>(first[r + 1]);
    std::sort(from, to, [](const TRowSpan& a, const TRowSpan& b) { return a.X1 < b.X1; });
    for (auto it = from; it != to; ++it) {
      if (!FSpans.empty() && FSpans.back().Y == it->Y && it->X1 <= FSpans.back().X2)
        FSpans.back().X2 = std::max(FSpans.back().X2, it->X2);
      else
        FSpans.push_back(*it);
    }
  }
  FSorted = true;
}

// ------------------------------------------------------------------- paint

namespace {

int32_t Mod(int64_t v, int32_t m) { return static_cast<int32_t>(((v % m) + m) % m); }

bool HatchBit(uint32_t Hatch, int32_t X, int32_t Y) {
  const bool h = Mod(Y, 8) == 0;
  const bool v = Mod(X, 8) == 0;
  const bool f = Mod(int64_t{X} - Y, 8) == 0;
  const bool b = Mod(int64_t{X} + Y, 8) == 7;
  switch (Hatch) {
    case HS_HORIZONTAL:
      return h;
    case HS_VERTICAL:
      return v;
    case HS_FDIAGONAL:
      return f;
    case HS_BDIAGONAL:
      return b;
    case HS_CROSS:
      return h || v;
    case HS_DIAGCROSS:
      return f || b;
    default:
      return false;
  }
}

}  // namespace

bool TPaint::At(int32_t X, int32_t Y, TPixel& Out) const {
  switch (Kind) {
    case TKind::Solid:
      Out = Color;
      return true;
    case TKind::Hatch:
      if (HatchBit(Hatch, X, Y)) {
        Out = Color;
        return true;
      }
      Out = BkColor;
      return Opaque;
    case TKind::Pattern:
      if (!Pattern || Pattern->Empty()) {
        Out = Color;
        return true;
      }
      Out = Pattern->At(Mod(X, Pattern->Width), Mod(Y, Pattern->Height)) | 0xFF000000u;
      return true;
  }
  return false;
}

TPixel ApplyRop2(int32_t Rop2, TPixel P, TPixel D) {
  if (Rop2 == R2_COPYPEN) return P | 0xFF000000u;
  // Bit i of the table (i = 2 * pen bit + destination bit) is the result.
  const uint32_t table = static_cast<uint32_t>(std::clamp(Rop2, R2_BLACK, R2_WHITE) - 1);
  uint32_t r = 0;
  if (table & 1) r |= ~P & ~D;
  if (table & 2) r |= ~P & D;
  if (table & 4) r |= P & ~D;
  if (table & 8) r |= P & D;
  return (r & 0x00FFFFFFu) | 0xFF000000u;
}

void PaintCoverage(TSurface& Surface, TCoverage& Area, const TPaint& Paint) {
  const bool plainCopy = Paint.Kind == TPaint::TKind::Solid && Paint.Rop2 == R2_COPYPEN;
  const TRect bounds = Surface.Bounds();
  Area.ForEach([&](int32_t y, int32_t x1, int32_t x2) {
    if (y < 0 || y >= bounds.Bottom) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, bounds.Right);
    TPixel* row = Surface.Row(y);
    if (plainCopy) {
      std::fill(row + x1, row + x2, Paint.Color | 0xFF000000u);
      return;
    }
    for (int32_t x = x1; x < x2; ++x) {
      TPixel c;
      if (Paint.At(x, y, c)) row[x] = ApplyRop2(Paint.Rop2, c, row[x]);
    }
  });
}

// ------------------------------------------------------------------- lines

namespace {

TRect Grow(const TRect& R, int32_t By) {
  return {ClampToInt32(int64_t{R.Left} - By), ClampToInt32(int64_t{R.Top} - By), ClampToInt32(int64_t{R.Right} + By),
          ClampToInt32(int64_t{R.Bottom} + By)};
}

// Walks the pixels of the segment A -> B (the classic midpoint rule: the
// minor coordinate of step k is round(k * minor / major)), visiting only the
// steps whose major coordinate lies in Window, so the work stays bounded by
// the window whatever the coordinates. Visit(x, y, k) gets the step index.
// Returns the number of steps from A to B.
template <class F>
int64_t WalkSegment(TPoint A, TPoint B, bool IncludeEnd, const TRect& Window, F&& Visit) {
  const int64_t dx = int64_t{B.X} - A.X, dy = int64_t{B.Y} - A.Y;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const int64_t n = xMajor ? adx : ady;
  const int64_t minorLen = xMajor ? ady : adx;
  const int64_t last = IncludeEnd ? n : n - 1;
  if (last < 0) return n;
  const int64_t majorStart = xMajor ? A.X : A.Y;
  const int64_t majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t minorStart = xMajor ? A.Y : A.X;
  const int64_t minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t lo = xMajor ? Window.Left : Window.Top;
  const int64_t hi = (xMajor ? Window.Right : Window.Bottom) - 1;
  // Steps k with majorStart + majorSign * k inside [lo, hi].
  int64_t kFrom = majorSign > 0 ? lo - majorStart : majorStart - hi;
  int64_t kTo = majorSign > 0 ? hi - majorStart : majorStart - lo;
  kFrom = std::max<int64_t>(kFrom, 0);
  kTo = std::min(kTo, last);
  for (int64_t k = kFrom; k <= kTo; ++k) {
    const int64_t minor = minorStart + minorSign * (n == 0 ? 0 : (2 * k * minorLen + n) / (2 * n));
    const int64_t major = majorStart + majorSign * k;
    const int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
    Visit(static_cast<int32_t>(x), static_cast<int32_t>(y), k);
  }
  return n;
}

// The on/off run lengths of a dashed 1-pixel pen; empty for a solid one.
std::span<const int32_t> DashPattern(uint32_t Style) {
  static constexpr int32_t dash[] = {18, 6};
  static constexpr int32_t dot[] = {3, 3};
  static constexpr int32_t dashDot[] = {9, 6, 3, 6};
  static constexpr int32_t dashDotDot[] = {9, 3, 3, 3, 3, 3};
  switch (Style) {
    case PS_DASH:
      return dash;
    case PS_DOT:
      return dot;
    case PS_DASHDOT:
      return dashDot;
    case PS_DASHDOTDOT:
      return dashDotDot;
    default:
      return {};
  }
}

bool DashOn(std::span<const int32_t> Pattern, int64_t Pos) {
  int32_t total = 0;
  for (int32_t run : Pattern) total += run;
  int64_t p = Pos % total;
  for (std::size_t i = 0; i < Pattern.size(); ++i) {
    if (p < Pattern[i]) return i % 2 == 0;
    p -= Pattern[i];
  }
  return false;
}

// The rows of a round pen tip of the given width, relative to its pixel.
std::vector<TSpan> PenTip(int32_t Width, int32_t& FirstRow) {
  const int32_t lo = -(Width / 2), hi = (Width - 1) / 2;
  const double mid = (lo + hi) / 2.0, r2 = (Width / 2.0) * (Width / 2.0) + 0.25;
  std::vector<TSpan> rows;
  FirstRow = lo;
  for (int32_t dy = lo; dy <= hi; ++dy) {
    // Columns dx with (dx - mid)^2 <= r2 - (dy - mid)^2.
    const double half = std::sqrt(std::max(0.0, r2 - (dy - mid) * (dy - mid)));
    const int32_t x1 = std::max(lo, static_cast<int32_t>(std::ceil(mid - half)));
    const int32_t x2 = std::min(hi, static_cast<int32_t>(std::floor(mid + half)));
    rows.push_back({x1, std::max(x1, x2 + 1)});
  }
  return rows;
}

// A pen wider than twice the clip's extent covers all of it from any pixel
// near it, so wider pens draw the same; capping keeps absurd widths cheap.
int32_t EffectiveWidth(int32_t Width, const TRect& Clip) {
  const int64_t most = 2 * (int64_t{Clip.Width()} + Clip.Height()) + 2;
  return static_cast<int32_t>(std::clamp<int64_t>(Width, 1, std::max<int64_t>(most, 1)));
}

}  // namespace

void StrokePath(std::span<const TPoint> Points, bool Closed, bool DrawLastPoint, const TStroke& Pen, TCoverage& Ink,
                TCoverage* Gaps) {
  if (Points.empty() || Pen.Style == PS_NULL) return;
  const TRect& clip = Ink.Clip();
  const int32_t width = EffectiveWidth(Pen.Width, clip);
  const std::span<const int32_t> dashes = width == 1 ? DashPattern(Pen.Style) : std::span<const int32_t>{};
  int32_t tipTop = 0;
  const std::vector<TSpan> tip = width > 1 ? PenTip(width, tipTop) : std::vector<TSpan>{};
  const TRect window = Grow(clip, width);
  int64_t pathPos = 0;
  auto visit = [&](int32_t x, int32_t y, int64_t k) {
    if (width > 1) {
      // Only the rows of the tip that reach the clip.
      const int64_t first = std::max<int64_t>(0, int64_t{clip.Top} - (int64_t{y} + tipTop));
      const int64_t last =
          std::min<int64_t>(static_cast<int64_t>(tip.size()), int64_t{clip.Bottom} - (int64_t{y} + tipTop));
      for (int64_t i = first; i < last; ++i) {
        const TSpan& s = tip[static_cast<std::size_t>(i)];
        Ink.AddSpan(y + tipTop + static_cast<int32_t>(i), x + s.X1, x + s.X2);
      }
    } else if (dashes.empty() || DashOn(dashes, pathPos + k)) {
      Ink.AddPixel(x, y);
    } else if (Gaps) {
      Gaps->AddPixel(x, y);
    }
  };
  for (std::size_t i = 0; i + 1 < Points.size(); ++i)
    pathPos += WalkSegment(Points[i], Points[i + 1], false, window, visit);
  if (Closed && Points.size() > 1)
    WalkSegment(Points.back(), Points.front(), false, window, visit);
  else if (Closed || DrawLastPoint || width > 1)
    WalkSegment(Points.back(), Points.back(), true, window, visit);
}

// ------------------------------------------------------------------ shapes

namespace {

constexpr double kHalfPi = std::numbers::pi / 2;

// Samples per quarter of an ellipse with radii A and B: about one per pixel
// of its length, bounded so that absurd sizes cost nothing.
int32_t QuarterSteps(double A, double B) {
  return static_cast<int32_t>(std::clamp(std::ceil((A + B) * 0.8), 2.0, 4096.0));
}

void Append(std::vector<TPoint>& Path, TPoint P) {
  if (Path.empty() || !(Path.back() == P)) Path.push_back(P);
}

void CloseLoop(std::vector<TPoint>& Path) {
  while (Path.size() > 1 && Path.back() == Path.front()) Path.pop_back();
}

}  // namespace

std::vector<TPoint> RoundBoxPath(const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) {
  const int32_t w = Box.Width(), h = Box.Height();
  if (w <= 0 || h <= 0) return {};
  const int32_t l = Box.Left, t = Box.Top, r = Box.Right - 1, b = Box.Bottom - 1;
  std::vector<TPoint> path;
  const int32_t cw = std::min(CornerWidth, w), ch = std::min(CornerHeight, h);
  if (cw < 2 || ch < 2) {
    for (TPoint p : {TPoint{r, t}, TPoint{l, t}, TPoint{l, b}, TPoint{r, b}}) Append(path, p);
    CloseLoop(path);
    return path;
  }
  // Offsets of the corner curve from the box edges, from the vertical edge
  // (step 0) to the horizontal one (last step). Rounding the offsets, not
  // the positions, keeps the outline symmetric.
  const double a = (cw - 1) / 2.0, e = (ch - 1) / 2.0;
  const int32_t steps = QuarterSteps(a, e);
  std::vector<TPoint> offsets;
  for (int32_t i = 0; i <= steps; ++i) {
    const double angle = kHalfPi * i / steps;
    offsets.push_back({static_cast<int32_t>(std::lround(a - a * std::cos(angle))),
                       static_cast<int32_t>(std::lround(e - e * std::sin(angle)))});
  }
  for (int32_t i = 0; i <= steps; ++i) Append(path, {r - offsets[i].X, t + offsets[i].Y});
  for (int32_t i = steps; i >= 0; --i) Append(path, {l + offsets[i].X, t + offsets[i].Y});
  for (int32_t i = 0; i <= steps; ++i) Append(path, {l + offsets[i].X, b - offsets[i].Y});
  for (int32_t i = steps; i >= 0; --i) Append(path, {r - offsets[i].X, b - offsets[i].Y});
  CloseLoop(path);
  return path;
}

std::vector<TPoint> ArcPath(const TRect& Box, TPoint Start, TPoint End, TPoint& Center) {
  const int32_t w = Box.Width(), h = Box.Height();
  if (w <= 0 || h <= 0) return {};
  const double cx = (static_cast<double>(Box.Left) + Box.Right - 1) / 2,
               cy = (static_cast<double>(Box.Top) + Box.Bottom - 1) / 2;
  const double a = (w - 1) / 2.0, b = (h - 1) / 2.0;
  Center = {static_cast<int32_t>(std::lround(cx)), static_cast<int32_t>(std::lround(cy))};
  // The ellipse parameter where the line from the centre towards P meets it.
  auto parameter = [&](TPoint p) {
    const double dx = p.X - cx, dy = cy - p.Y;
    return dx == 0 && dy == 0 ? 0.0 : std::atan2(a * dy, b * dx);
  };
  const double from = parameter(Start);
  double sweep = parameter(End) - from;
  while (sweep <= 1e-12) sweep += 2 * std::numbers::pi;
  const int32_t steps = std::max(2, static_cast<int32_t>(std::ceil(QuarterSteps(a, b) * sweep / kHalfPi)));
  std::vector<TPoint> path;
  for (int32_t i = 0; i <= steps; ++i) {
    const double angle = from + sweep * i / steps;
    Append(path, {static_cast<int32_t>(std::lround(cx + a * std::cos(angle))),
                  static_cast<int32_t>(std::lround(cy - b * std::sin(angle)))});
  }
  return path;
}

TRect InsideFrameBox(const TRect& Box, int32_t Width) {
  if (Width <= 1) return Box;
  return {Box.Left + Width / 2, Box.Top + Width / 2, Box.Right - (Width - 1) / 2, Box.Bottom - (Width - 1) / 2};
}

void FillPolygon(std::span<const TPoint> Points, TCoverage& Area) {
  if (Points.size() < 2) {
    StrokePath(Points, true, true, TStroke{}, Area, nullptr);
    return;
  }
  // Edges cover the rows [Top, Bottom); X is the crossing on row Top.
  struct TEdge {
    int32_t Top, Bottom;
    double X, Slope;
  };
  std::vector<TEdge> edges;
  for (std::size_t i = 0; i < Points.size(); ++i) {
    TPoint p = Points[i], q = Points[(i + 1) % Points.size()];
    if (p.Y == q.Y) continue;
    if (p.Y > q.Y) std::swap(p, q);
    edges.push_back({p.Y, q.Y, static_cast<double>(p.X), double(int64_t{q.X} - p.X) / double(int64_t{q.Y} - p.Y)});
  }
  std::sort(edges.begin(), edges.end(), [](const TEdge& a, const TEdge& b) { return a.Top < b.Top; });
  const double lo = Area.Clip().Left, hi = Area.Clip().Right;
  int32_t top = Area.Clip().Top;
  const int32_t bottom = Area.Clip().Bottom;
  if (!edges.empty()) top = std::max(top, edges.front().Top);
  // The edges crossing the current row; edges join when the row reaches
  // their top and leave below their bottom.
  std::vector<const TEdge*> active;
  std::vector<double> xs;
  std::size_t next = 0;
  while (next < edges.size() && edges[next].Top < top) active.push_back(&edges[next++]);
  for (int32_t y = top; y < bottom && (next < edges.size() || !active.empty()); ++y) {
    while (next < edges.size() && edges[next].Top <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const TEdge* e) { return e->Bottom <= y; });
    xs.clear();
    for (const TEdge* e : active) xs.push_back(e->X + (y - e->Top) * e->Slope);
    std::sort(xs.begin(), xs.end());
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
      const double x1 = std::ceil(xs[i]), x2 = std::floor(xs[i + 1]) + 1;
      if (x2 > x1)
        Area.AddSpan(y, static_cast<int32_t>(std::clamp(x1, lo, hi)), static_cast<int32_t>(std::clamp(x2, lo, hi)));
    }
  }
  StrokePath(Points, true, true, TStroke{}, Area, nullptr);
}

bool FloodArea(const TSurface& Surface, int32_t X, int32_t Y, COLORREF Color, uint32_t FillType, TCoverage& Area) {
  const TRect clip = Area.Clip();
  if (!PtInRect(clip, {X, Y})) return false;
  const TPixel target = ColorRefToPixel(Color) & 0x00FFFFFFu;
  const bool surfaceMode = FillType == FLOODFILLSURFACE;
  auto inside = [&](int32_t x, int32_t y) { return ((Surface.At(x, y) & 0x00FFFFFFu) == target) == surfaceMode; };
  if (!inside(X, Y)) return false;
  const int32_t width = clip.Width();
  std::vector<bool> seen(static_cast<std::size_t>(width) * static_cast<std::size_t>(clip.Height()));
  auto mark = [&](int32_t x, int32_t y) {
    return seen[static_cast<std::size_t>(y - clip.Top) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x - clip.Left)];
  };
  std::vector<TPoint> seeds{{X, Y}};
  while (!seeds.empty()) {
    const TPoint p = seeds.back();
    seeds.pop_back();
    if (mark(p.X, p.Y) || !inside(p.X, p.Y)) continue;
    int32_t l = p.X, r = p.X;
    while (l > clip.Left && !mark(l - 1, p.Y) && inside(l - 1, p.Y)) --l;
    while (r + 1 < clip.Right && !mark(r + 1, p.Y) && inside(r + 1, p.Y)) ++r;
    for (int32_t x = l; x <= r; ++x) mark(x, p.Y) = true;
    Area.AddSpan(p.Y, l, r + 1);
    for (int32_t ny : {p.Y - 1, p.Y + 1}) {
      if (ny < clip.Top || ny >= clip.Bottom) continue;
      for (int32_t x = l; x <= r; ++x)
        if (!mark(x, ny) && inside(x, ny) && (x == l || mark(x - 1, ny) || !inside(x - 1, ny)))
          seeds.push_back({x, ny});
    }
  }
  return true;
}

}  // namespace host::headless
