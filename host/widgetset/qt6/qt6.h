// The Qt 6 widgetset: the forms of the host as real windows.
//
// It is the headless widgetset with a Qt face: the window tree, focus,
// capture, message delivery and drawing stay the headless backend's own, so
// every host class behaves exactly as in the tests. What changes:
//   - every top-level window shows as a Qt window of its size and place,
//     titled with its text, painted with what the host drew on its surface
//     (qt6windows.h);
//   - Qt's mouse, wheel and key events come back through the input robot,
//     so a real click builds the same messages as a test's click
//     (qt6keys.h maps Qt keys to virtual keys);
//   - timers run on real time and waiting for a message runs Qt's event
//     loop, so modal forms and message boxes (real QMessageBoxes when a
//     person can answer them) work on screen;
//   - pop-up menus show as QMenus (qt6menus.h);
//   - system colours come from Qt's palette, and text is measured and drawn
//     in Qt's fonts (qt6graphics.cc).
// Windows can be grabbed into PNG files; with the "offscreen" platform all
// of this runs without a display.
#pragma once

#include <functional>
#include <memory>
#include <span>
#include <string>

#include "host/widgetset/headless/headless.h"

class QApplication;
class QColor;
class QFont;
class QPainter;
class QRectF;

namespace host {

// Registers the Qt backend under the name "qt6" (choose it with
// CORVANE_WIDGETSET=qt6). Starting it makes the QApplication when the
// program has none; it raises EInvalidOperation, before Qt is touched, when
// no display can be reached (see Qt6DisplayProblem).
void RegisterQt6WidgetSet();

// Why Qt could not show windows here, in one line; empty when it can: a
// display (DISPLAY or WAYLAND_DISPLAY) or a platform that needs none
// (QT_QPA_PLATFORM=offscreen, minimal, vnc...).
std::string Qt6DisplayProblem();

namespace qt6 {

// Forms name the faces of the classic desktop ("MS Sans Serif", "Tahoma",
// "Courier New", "SimSun"): where this machine lacks them, Qt takes a face
// of the nearest widths it has (Liberation's metric-compatible faces, a CJK
// face), so captions fill the room their form gave them.
void SubstituteClassicFonts();
// A host font and colour as Qt's.
QFont FontOf(const TLogFont& Log);
QColor ColorOf(COLORREF Color);

class TQtWindows;
class TQtMenus;

class TQt6WidgetSet : public headless::THeadlessWidgetSet {
 public:
  TQt6WidgetSet();
  ~TQt6WidgetSet() override;

  std::string Name() const override { return "qt6"; }
  COLORREF GetSysColor(int32_t Index) override;
  // Text in Qt's fonts and metrics (qt6graphics.cc); everything else is
  // drawn by the headless raster onto the same surfaces.
  bool ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect, std::string_view Text) override;
  bool GetTextExtentPoint(HDC DC, std::string_view Text, TSize& Size) override;
  bool GetTextMetrics(HDC DC, TTextMetric& Metric) override;
  // Lines, figures and brush rectangles drawn with a QPainter onto the
  // same surfaces (qt6graphics.cc); what QPainter cannot draw as the
  // classic calls do (mix modes, pens wider than a pixel, hatched and
  // pattern brushes) is left to the headless raster.
  bool LineTo(HDC DC, int32_t X, int32_t Y) override;
  bool Polyline(HDC DC, std::span<const TPoint> Points) override;
  bool Polygon(HDC DC, std::span<const TPoint> Points) override;
  bool Rectangle(HDC DC, const TRect& Box) override;
  bool RoundRect(HDC DC, const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) override;
  bool Ellipse(HDC DC, const TRect& Box) override;
  bool Arc(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool Chord(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool Pie(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool FillRect(HDC DC, const TRect& Rect, HBRUSH Brush) override;
  bool FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush) override;

  // The Qt side of the windows and of the pop-up menus.
  TQtWindows& QtWindows() { return *FQtWindows; }
  TQtMenus& QtMenus() { return *FQtMenus; }
  // Writes what the top-level window of Window shows, as Qt paints it, to a
  // PNG file; raises EInvalidOperation naming the file when it cannot.
  void SaveWindowImage(HWND Window, const std::string& Path);

 private:
  // Runs Draw with a QPainter on DC's surface (logical coordinates, the
  // DC's clip, no smoothing) when the figure within Extent is one QPainter
  // draws as the classic calls do; Brush, when given, replaces the DC's
  // pen and brush (FillRect, FrameRect). False when the raster must draw.
  using TQtDraw = std::function<void(QPainter&)>;
  bool DrawWithQt(HDC DC, std::span<const TPoint> Extent, const TQtDraw& Draw, const HBRUSH* Brush = nullptr);
  using TQtArc = void (QPainter::*)(const QRectF&, int, int);
  bool ArcWithQt(HDC DC, const TRect& Box, TPoint Start, TPoint End, TQtArc QtCall);

  std::unique_ptr<QApplication> FOwnApplication;  // when the program had none
  std::unique_ptr<TQtWindows> FQtWindows;
  std::unique_ptr<TQtMenus> FQtMenus;
};

}  // namespace qt6
}  // namespace host
