// Drawing of the Qt widgetset: text in the host's fonts as Qt fonts,
// measured by Qt, and lines, figures and brush rectangles, all drawn with a
// QPainter onto the surfaces the windows show (the surface's 0xAARRGGBB
// words are Qt's RGB32 layout). QPainter draws without smoothing, on the
// classic calls' pixels: a figure's box includes its left and top edges
// and excludes its right and bottom ones, a line leaves out its last point.
#include <algorithm>
#include <cmath>
#include <numbers>

#include <QtGui/QFont>
#include <QtGui/QFontMetrics>
#include <QtGui/QImage>
#include <QtGui/QPainter>

#include "host/widgetset/qt6/qt6.h"

namespace host::qt6 {

namespace {

// The cell height of a font whose TLogFont leaves it open: the classic
// 8-point sans serif at 96 pixels per inch.
constexpr int kDefaultPixelSize = 11;

QRect QRectOf(const TRect& Rect) { return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); }

QString TextOf(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

// A QPainter on a host surface, clipped to Clip (surface coordinates) and
// drawing in the logical coordinates of a device context whose origin is
// Origin.
class TSurfacePainter {
 public:
  TSurfacePainter(headless::TSurface& Surface, const TRect& Clip, TPoint Origin)
      : FImage(reinterpret_cast<uchar*>(Surface.Pixels.data()), Surface.Width, Surface.Height, Surface.Width * 4,
               QImage::Format_RGB32),
        FPainter(&FImage) {
    FPainter.setClipRect(QRect(Clip.Left, Clip.Top, Clip.Width(), Clip.Height()));
    FPainter.translate(Origin.X, Origin.Y);
  }
  QPainter& operator*() { return FPainter; }
  QPainter* operator->() { return &FPainter; }

 private:
  QImage FImage;
  QPainter FPainter;
};

// Qt's rasterizer works in fixed point: farther coordinates are left to the
// raster, which clamps them.
constexpr int32_t kQtCoordinateLimit = 1 << 20;

bool WithinQtReach(std::span<const TPoint> Points, TPoint Origin) {
  return std::all_of(Points.begin(), Points.end(), [&](TPoint p) {
    const int64_t x = int64_t{p.X} + Origin.X, y = int64_t{p.Y} + Origin.Y;
    return std::abs(x) < kQtCoordinateLimit && std::abs(y) < kQtCoordinateLimit;
  });
}

// A pen of one pixel: solid, or dashed with the classic patterns. Its flat
// ends leave out a line's last point, as the classic lines do.
QPen QPenOf(const TLogPen& Pen) {
  if (Pen.Style == PS_NULL) return Qt::NoPen;
  QPen pen(ColorOf(Pen.Color), 0, Qt::SolidLine, Qt::FlatCap);
  static const QList<qreal> kDash{18, 6}, kDot{3, 3}, kDashDot{9, 6, 3, 6}, kDashDotDot{9, 3, 3, 3, 3, 3};
  if (Pen.Style == PS_DASH) pen.setDashPattern(kDash);
  if (Pen.Style == PS_DOT) pen.setDashPattern(kDot);
  if (Pen.Style == PS_DASHDOT) pen.setDashPattern(kDashDot);
  if (Pen.Style == PS_DASHDOTDOT) pen.setDashPattern(kDashDotDot);
  return pen;
}

QBrush QBrushOf(const TLogBrush& Brush) {
  return Brush.Style == BS_SOLID ? QBrush(ColorOf(Brush.Color)) : QBrush(Qt::NoBrush);
}

// The box of a rectangle as QPainter outlines it (its outline covers the
// right and bottom edges of a QRect, the classic one stops before them).
QRect FigureBox(const TRect& Box) {
  const int32_t l = std::min(Box.Left, Box.Right), t = std::min(Box.Top, Box.Bottom);
  const int32_t r = std::max(Box.Left, Box.Right), b = std::max(Box.Top, Box.Bottom);
  return QRect(l, t, r - l - 1, b - t - 1);
}

// The box of a curved figure: QPainter's curves come closest to the
// classic ones (which stop before the right and bottom edges) with the far
// edges half a pixel out from the rectangle's outline.
QRectF CurveBox(const TRect& Box) { return QRectF(FigureBox(Box)).adjusted(0, 0, 0.5, 0.5); }

std::vector<TPoint> Corners(const TRect& Box) { return {Box.TopLeft(), Box.BottomRight()}; }

std::vector<TPoint> Corners(const TRect& Box, TPoint Start, TPoint End) {
  return {Box.TopLeft(), Box.BottomRight(), Start, End};
}

QPolygon PolygonOf(std::span<const TPoint> Points) {
  QPolygon polygon;
  polygon.reserve(static_cast<qsizetype>(Points.size()));
  for (TPoint p : Points) polygon << QPoint(p.X, p.Y);
  return polygon;
}

// Where a radial through Point meets the ellipse of Box, as the angle
// QPainter takes (1/16 degree, counter-clockwise from three o'clock).
int ArcAngle(const QRectF& Box, TPoint Point) {
  const double cx = Box.left() + Box.width() / 2.0, cy = Box.top() + Box.height() / 2.0;
  const double rx = std::max(1.0, Box.width() / 2.0), ry = std::max(1.0, Box.height() / 2.0);
  const double angle = std::atan2((cy - Point.Y) / ry, (Point.X - cx) / rx);
  return static_cast<int>(std::lround(angle * 180.0 / std::numbers::pi * 16.0));
}

// The classic arcs run counter-clockwise from Start to End; the same point
// twice is the whole ellipse.
std::pair<int, int> ArcSpan(const QRectF& Box, TPoint Start, TPoint End) {
  const int from = ArcAngle(Box, Start);
  int span = ArcAngle(Box, End) - from;
  while (span <= 0) span += 360 * 16;
  return {from, span};
}

}  // namespace

QFont FontOf(const TLogFont& Log) {
  QFont font(QString::fromStdString(Log.FaceName));
  font.setStyleHint(Log.Pitch == FIXED_PITCH ? QFont::Monospace : QFont::SansSerif);
  // Negative: the character height; positive: the cell height, which the
  // pixel size of a Qt font comes close to.
  font.setPixelSize(Log.Height == 0 ? kDefaultPixelSize : std::max(1, std::abs(Log.Height)));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(Log.Weight, 100, 900)));
  font.setItalic(Log.Italic);
  font.setUnderline(Log.Underline);
  font.setStrikeOut(Log.StrikeOut);
  return font;
}

QColor ColorOf(COLORREF Color) { return QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color)); }

void SubstituteClassicFonts() {
  const QStringList sans = {"Liberation Sans", "Arimo", "Arial"};
  const QStringList mono = {"Liberation Mono", "Cousine", "DejaVu Sans Mono"};
  const QStringList serif = {"Liberation Serif", "Tinos", "DejaVu Serif"};
  const QStringList cjk = {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback"};
  struct TFaces {
    QStringList Classic;
    const QStringList& Near;
  };
  const TFaces faces[] = {
      {{"MS Sans Serif", "Microsoft Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2", "Tahoma", "Segoe UI", "System",
        "Arial", "Helvetica"},
       sans},
      {{"Courier New", "Courier", "Fixedsys", "Terminal", "Lucida Console", "Consolas"}, mono},
      {{"Times New Roman", "MS Serif", "Times"}, serif},
      {{QString::fromUtf8("宋体"), QString::fromUtf8("新宋体"), QString::fromUtf8("黑体"),
        QString::fromUtf8("微软雅黑"), "SimSun", "NSimSun", "SimHei", "Microsoft YaHei", "MS Gothic",
        "MS UI Gothic", "Gulim", "Dotum", "Batang", QString::fromUtf8("굴림"), QString::fromUtf8("돋움")},
       cjk},
  };
  for (const TFaces& f : faces)
    for (const QString& name : f.Classic) QFont::insertSubstitutions(name, f.Near);
}

bool TQt6WidgetSet::DrawWithQt(HDC DC, std::span<const TPoint> Extent, const TQtDraw& Draw, const HBRUSH* Brush) {
  TShapeTarget target;
  if (!ResolveShape(DC, target)) return false;
  if (Brush) {
    // The brush is the only paint, copied whatever the DC's mix mode.
    if (!BrushOf(*Brush, target.Brush)) return false;
    target.Pen = {PS_NULL, 1, 0};
    target.Rop2 = R2_COPYPEN;
  }
  const bool plainPen = target.Pen.Style == PS_NULL || target.Pen.Width <= 1;
  const bool plainBrush = target.Brush.Style == BS_SOLID || target.Brush.Style == BS_NULL;
  if (target.Rop2 != R2_COPYPEN || !plainPen || !plainBrush || !WithinQtReach(Extent, target.Origin)) return false;
  if (!target.Surface || target.Clip.IsEmpty()) return true;
  TSurfacePainter painter(*target.Surface, target.Clip, target.Origin);
  painter->setPen(QPenOf(target.Pen));
  painter->setBrush(QBrushOf(target.Brush));
  if (target.BkMode == OPAQUE) {
    painter->setBackgroundMode(Qt::OpaqueMode);
    painter->setBackground(ColorOf(target.BkColor));
  }
  Draw(*painter);
  return true;
}

bool TQt6WidgetSet::LineTo(HDC DC, int32_t X, int32_t Y) {
  TPoint from;
  if (!GetCurrentPositionEx(DC, from)) return false;
  const TPoint line[] = {from, {X, Y}};
  if (!DrawWithQt(DC, line, [&](QPainter& p) { p.drawPolyline(PolygonOf(line)); }))
    return THeadlessWidgetSet::LineTo(DC, X, Y);
  return MoveToEx(DC, X, Y, nullptr);
}

bool TQt6WidgetSet::Polyline(HDC DC, std::span<const TPoint> Points) {
  return DrawWithQt(DC, Points, [&](QPainter& p) { p.drawPolyline(PolygonOf(Points)); }) ||
         THeadlessWidgetSet::Polyline(DC, Points);
}

bool TQt6WidgetSet::Polygon(HDC DC, std::span<const TPoint> Points) {
  return DrawWithQt(DC, Points, [&](QPainter& p) { p.drawPolygon(PolygonOf(Points), Qt::OddEvenFill); }) ||
         THeadlessWidgetSet::Polygon(DC, Points);
}

bool TQt6WidgetSet::Rectangle(HDC DC, const TRect& Box) {
  return DrawWithQt(DC, Corners(Box), [&](QPainter& p) { p.drawRect(FigureBox(Box)); }) ||
         THeadlessWidgetSet::Rectangle(DC, Box);
}

bool TQt6WidgetSet::RoundRect(HDC DC, const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) {
  return DrawWithQt(DC, Corners(Box),
                    [&](QPainter& p) {
                      p.drawRoundedRect(CurveBox(Box), std::abs(CornerWidth) / 2.0, std::abs(CornerHeight) / 2.0);
                    }) ||
         THeadlessWidgetSet::RoundRect(DC, Box, CornerWidth, CornerHeight);
}

bool TQt6WidgetSet::Ellipse(HDC DC, const TRect& Box) {
  return DrawWithQt(DC, Corners(Box), [&](QPainter& p) { p.drawEllipse(CurveBox(Box)); }) ||
         THeadlessWidgetSet::Ellipse(DC, Box);
}

// An arc, chord or pie with QPainter's call of that name on the box and the
// angles of Start and End; false when the raster must draw it.
bool TQt6WidgetSet::ArcWithQt(HDC DC, const TRect& Box, TPoint Start, TPoint End, TQtArc QtCall) {
  return DrawWithQt(DC, Corners(Box, Start, End), [&](QPainter& p) {
    const QRectF box = CurveBox(Box);
    const auto [from, span] = ArcSpan(box, Start, End);
    (p.*QtCall)(box, from, span);
  });
}

bool TQt6WidgetSet::Arc(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return ArcWithQt(DC, Box, Start, End, &QPainter::drawArc) || THeadlessWidgetSet::Arc(DC, Box, Start, End);
}

bool TQt6WidgetSet::Chord(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return ArcWithQt(DC, Box, Start, End, &QPainter::drawChord) || THeadlessWidgetSet::Chord(DC, Box, Start, End);
}

bool TQt6WidgetSet::Pie(HDC DC, const TRect& Box, TPoint Start, TPoint End) {
  return ArcWithQt(DC, Box, Start, End, &QPainter::drawPie) || THeadlessWidgetSet::Pie(DC, Box, Start, End);
}

// Brush rectangles cover their whole rectangle (right and bottom edges
// excluded), the frame one pixel wide in the brush's colour.
bool TQt6WidgetSet::FillRect(HDC DC, const TRect& Rect, HBRUSH Brush) {
  return DrawWithQt(
             DC, Corners(Rect),
             [&](QPainter& p) {
               const QRect box = FigureBox(Rect).adjusted(0, 0, 1, 1);
               if (!box.isEmpty()) p.fillRect(box, p.brush());
             },
             &Brush) ||
         THeadlessWidgetSet::FillRect(DC, Rect, Brush);
}

bool TQt6WidgetSet::FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush) {
  return DrawWithQt(
             DC, Corners(Rect),
             [&](QPainter& p) {
               const QRect box = FigureBox(Rect);
               if (box.width() < 0 || box.height() < 0 || p.brush().style() == Qt::NoBrush) return;
               p.setPen(QPen(p.brush().color(), 0));
               p.setBrush(Qt::NoBrush);
               p.drawRect(box);
             },
             &Brush) ||
         THeadlessWidgetSet::FrameRect(DC, Rect, Brush);
}

bool TQt6WidgetSet::ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect,
                               std::string_view Text) {
  TTextTarget target;
  if (!ResolveText(DC, target)) return false;
  if (!target.Surface || target.Clip.IsEmpty()) return true;
  TSurfacePainter painter(*target.Surface, target.Clip, target.Origin);
  if (Rect) {
    const QRect box = QRectOf(*Rect);
    if (Options & ETO_OPAQUE) painter->fillRect(box, ColorOf(target.BkColor));
    if (Options & ETO_CLIPPED) painter->setClipRect(box, Qt::IntersectClip);
  }
  const QFont font = FontOf(target.Font);
  const QFontMetrics metrics(font);
  const QString text = TextOf(Text);
  if (target.BkMode == OPAQUE)
    painter->fillRect(QRect(QPoint(X, Y), QSize(metrics.horizontalAdvance(text), metrics.height())),
                      ColorOf(target.BkColor));
  painter->setFont(font);
  painter->setPen(ColorOf(target.TextColor));
  painter->drawText(X, Y + metrics.ascent(), text);
  return true;
}

bool TQt6WidgetSet::GetTextExtentPoint(HDC DC, std::string_view Text, TSize& Size) {
  TTextTarget target;
  if (!ResolveText(DC, target)) return false;
  const QFontMetrics metrics(FontOf(target.Font));
  Size = {metrics.horizontalAdvance(TextOf(Text)), metrics.height()};
  return true;
}

bool TQt6WidgetSet::GetTextMetrics(HDC DC, TTextMetric& Metric) {
  TTextMetric metric;
  TTextTarget target;
  if (!ResolveText(DC, target)) return false;
  const QFont font = FontOf(target.Font);
  const QFontMetrics metrics(font);
  metric.Height = metrics.height();
  metric.Ascent = metrics.ascent();
  metric.Descent = metrics.descent();
  metric.InternalLeading = std::max(0, metrics.height() - font.pixelSize());
  metric.ExternalLeading = std::max(0, metrics.leading());
  metric.AveCharWidth = metrics.averageCharWidth();
  metric.MaxCharWidth = metrics.maxWidth();
  metric.Weight = target.Font.Weight;
  Metric = metric;
  return true;
}

}  // namespace host::qt6
