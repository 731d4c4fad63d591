// The glyphs of the bit button kinds: two 18 x 18 images side by side (up
// and disabled) on olive, the colour that shows through, drawn as simple
// figures: a tick (OK, Yes), two ticks (All), a cross (Cancel, No), a
// circle (Abort), a question mark (Help), a door (Close), a turning arrow
// (Retry) and a bar (Ignore).
#include <array>
#include <vector>

#include "host/buttons/buttons.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"

namespace host {

namespace {

constexpr int32_t kSize = 18;

using TStroke = std::vector<TPoint>;

// The strokes of a kind's figure in an 18 x 18 box, and their colour.
struct TFigure {
  std::vector<TStroke> Strokes;
  TColor Color;
};

TFigure FigureOf(TBitBtnKind Kind) {
  const TStroke tick = {{3, 9}, {7, 13}, {14, 4}};
  const TStroke cross1 = {{4, 4}, {13, 13}}, cross2 = {{13, 4}, {4, 13}};
  switch (Kind) {
    case bkOK:
    case bkYes:
      return {{tick}, clGreen};
    case bkAll:
      return {{{{1, 9}, {4, 12}, {9, 4}}, {{8, 9}, {11, 12}, {16, 4}}}, clGreen};
    case bkCancel:
    case bkNo:
      return {{cross1, cross2}, clRed};
    case bkAbort:
      return {{{{9, 3}, {14, 5}, {15, 9}, {14, 13}, {9, 15}, {4, 13}, {3, 9}, {4, 5}, {9, 3}}}, clRed};
    case bkHelp:
      return {{{{5, 6}, {7, 3}, {11, 3}, {13, 6}, {9, 9}, {9, 12}}, {{9, 14}, {9, 15}}}, clNavy};
    case bkClose:
      return {{{{4, 2}, {13, 2}, {13, 15}, {4, 15}, {4, 2}}, {{10, 8}, {11, 8}}}, clTeal};
    case bkRetry:
      return {{{{14, 9}, {12, 13}, {8, 14}, {4, 11}, {4, 6}, {8, 3}, {12, 4}, {14, 7}}, {{14, 3}, {14, 7}, {10, 7}}},
              clGreen};
    case bkIgnore:
      return {{{{3, 8}, {14, 8}}, {{3, 9}, {14, 9}}}, clNavy};
    default:
      return {{}, clBlack};
  }
}

void DrawFigure(TCanvas* Canvas, const TFigure& Figure, int32_t Left, TColor Color) {
  Canvas->GetPen()->SetColor(Color);
  Canvas->GetPen()->SetWidth(2);
  for (const TStroke& stroke : Figure.Strokes) {
    TStroke moved;
    for (TPoint p : stroke) moved.push_back({Left + p.X, p.Y});
    Canvas->Polyline(moved);
  }
}

}  // namespace

// Empty for bkCustom.
void MakeKindGlyph(TBitBtnKind Kind, TBitmap* Glyph) {
  const TFigure figure = FigureOf(Kind);
  if (figure.Strokes.empty()) {
    Glyph->Assign(nullptr);
    return;
  }
  Glyph->SetSize(2 * kSize, kSize);
  TCanvas* canvas = Glyph->GetCanvas();
  canvas->GetBrush()->SetColor(clOlive);
  canvas->FillRect(Rect(0, 0, 2 * kSize, kSize));
  DrawFigure(canvas, figure, 0, figure.Color);
  DrawFigure(canvas, figure, kSize, clGray);
}

}  // namespace host
