// Text of the Qt widgetset: the host's fonts as Qt fonts, measured by Qt
// and drawn with a QPainter onto the same surfaces the rest of the drawing
// uses (the surface's 0xAARRGGBB words are Qt's RGB32 layout).
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

QRect QRectOf(const TRect& Rect) { return QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); }

QString TextOf(std::string_view Text) {
  return QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size()));
}

}  // namespace

bool TQt6WidgetSet::ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect,
                               std::string_view Text) {
  TTextTarget target;
  if (!ResolveText(DC, target)) return false;
  if (!target.Surface || target.Clip.IsEmpty()) return true;
  headless::TSurface& surface = *target.Surface;
  QImage image(reinterpret_cast<uchar*>(surface.Pixels.data()), surface.Width, surface.Height, surface.Width * 4,
               QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setClipRect(QRectOf(target.Clip));
  const QPoint at(X + target.Origin.X, Y + target.Origin.Y);
  if (Rect) {
    const QRect box = QRectOf(*Rect).translated(target.Origin.X, target.Origin.Y);
    if (Options & ETO_OPAQUE) painter.fillRect(box, ColorOf(target.BkColor));
    if (Options & ETO_CLIPPED) painter.setClipRect(box, Qt::IntersectClip);
  }
  const QFont font = FontOf(target.Font);
  const QFontMetrics metrics(font);
  const QString text = TextOf(Text);
  if (target.BkMode == OPAQUE)
    painter.fillRect(QRect(at, QSize(metrics.horizontalAdvance(text), metrics.height())), ColorOf(target.BkColor));
  painter.setFont(font);
  painter.setPen(ColorOf(target.TextColor));
  painter.drawText(at.x(), at.y() + metrics.ascent(), text);
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
