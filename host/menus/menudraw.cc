// Owner-drawn menu items: measuring and drawing, by the item's handlers or
// in the classic look (image or check, caption, short cut at the right).
#include <algorithm>
#include <array>

#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/menus/menu.h"

namespace host {

namespace {

constexpr int32_t kBitmapGlyph = 16;  // the size a Bitmap is drawn at
constexpr int32_t kMargin = 2;        // left of the glyph, right of the short cut
constexpr int32_t kGlyphGap = 4;      // between glyph and caption
constexpr int32_t kShortCutGap = 16;  // between caption and short cut
constexpr int32_t kLineHeight = 5;    // a separator

void DrawSeparator(TCanvas* Canvas, const TRect& R) {
  const int32_t y = R.Top + R.Height() / 2;
  Canvas->GetPen()->SetColor(clBtnShadow);
  Canvas->MoveTo(R.Left, y);
  Canvas->LineTo(R.Right, y);
  Canvas->GetPen()->SetColor(clBtnHighlight);
  Canvas->MoveTo(R.Left, y + 1);
  Canvas->LineTo(R.Right, y + 1);
}

// A tick, or a dot for a radio item, in the box of a glyph.
void DrawCheck(TCanvas* Canvas, const TRect& Box, bool Radio, TColor Color) {
  Canvas->GetPen()->SetColor(Color);
  Canvas->GetBrush()->SetColor(Color);
  const int32_t cx = Box.Left + Box.Width() / 2, cy = Box.Top + Box.Height() / 2;
  if (Radio) return Canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
  const std::array<TPoint, 3> tick{Point(cx - 4, cy), Point(cx - 1, cy + 3), Point(cx + 5, cy - 3)};
  Canvas->Polyline(tick);
}

TColor TextColor(bool Enabled, bool Selected) {
  if (!Enabled) return clGrayText;
  return Selected ? clHighlightText : clMenuText;
}

}  // namespace

// The width of the item's image column.
int32_t TMenuItem::GlyphWidth(bool TopLevel) const {
  const TMenu* menu = GetParentMenu();
  const TCustomImageList* images = menu ? menu->GetImages() : nullptr;
  if (images && (FImageIndex >= 0 || !TopLevel)) return images->GetWidth();
  if (HasBitmap() || (!TopLevel && FChecked)) return kBitmapGlyph;
  return 0;
}

void TMenuItem::MeasureItem(TCanvas* ACanvas, int32_t& Width, int32_t& Height) {
  if (IsLine()) {
    Width = 0;
    Height = kLineHeight;
  } else {
    const bool topLevel = IsTopLevel();
    const TSize caption = ACanvas->TextExtent(StripHotkey(FCaption));
    int32_t textWidth = caption.cx;
    if (FShortCut != scNone && !topLevel) textWidth += kShortCutGap + ACanvas->TextWidth(ShortCutToText(FShortCut));
    const TMenu* menu = GetParentMenu();
    const int32_t glyph = GlyphWidth(topLevel);
    const int32_t glyphHeight = glyph == 0                  ? 0
                                : menu && menu->GetImages() ? menu->GetImages()->GetHeight()
                                                            : kBitmapGlyph;
    Width = kMargin + glyph + kGlyphGap + textWidth + 2 * kMargin;
    Height = std::max(caption.cy, glyphHeight) + 4;
  }
  if (OnMeasureItem) OnMeasureItem(this, ACanvas, Width, Height);
}

void TMenuItem::AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel) {
  const TMenu* menu = GetParentMenu();
  if (menu && menu->IsOwnerDraw() && OnAdvancedDrawItem) return OnAdvancedDrawItem(this, ACanvas, ARect, State);
  if (menu && menu->IsOwnerDraw() && OnDrawItem) return OnDrawItem(this, ACanvas, ARect, State.Contains(odSelected));
  DrawDefault(ACanvas, ARect, State.Contains(odSelected), TopLevel);
}

void TMenuItem::DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected) {
  const TMenu* menu = GetParentMenu();
  if (menu && menu->IsOwnerDraw() && OnDrawItem) return OnDrawItem(this, ACanvas, ARect, Selected);
  DrawDefault(ACanvas, ARect, Selected, IsTopLevel());
}

void TMenuItem::DrawDefault(TCanvas* ACanvas, TRect ARect, bool Selected, bool TopLevel) {
  ACanvas->GetBrush()->SetStyle(bsSolid);
  ACanvas->GetBrush()->SetColor(Selected ? clHighlight : clMenu);
  ACanvas->FillRect(ARect);
  if (IsLine()) return DrawSeparator(ACanvas, ARect);
  const TMenu* menu = GetParentMenu();
  TCustomImageList* images = menu ? menu->GetImages() : nullptr;
  const int32_t glyph = GlyphWidth(TopLevel);
  const TRect box = Bounds(ARect.Left + kMargin, ARect.Top + (ARect.Height() - glyph) / 2, glyph, glyph);
  if (images && FImageIndex >= 0 && FImageIndex < images->GetCount())
    images->Draw(ACanvas, box.Left, ARect.Top + (ARect.Height() - images->GetHeight()) / 2, FImageIndex, FEnabled);
  else if (HasBitmap())
    ACanvas->StretchDraw(box, FBitmap);
  else if (FChecked && glyph > 0)
    DrawCheck(ACanvas, box, FRadioItem, TextColor(FEnabled, Selected));
  ACanvas->GetBrush()->SetStyle(bsClear);
  ACanvas->GetFont()->SetColor(TextColor(FEnabled, Selected));
  if (FDefault) ACanvas->GetFont()->SetStyle(ACanvas->GetFont()->GetStyle() + TFontStyles{fsBold});
  const std::string caption = StripHotkey(FCaption);
  const int32_t y = ARect.Top + (ARect.Height() - ACanvas->TextHeight(caption)) / 2;
  ACanvas->TextOut(ARect.Left + kMargin + glyph + (glyph ? kGlyphGap : 0), y, caption);
  if (FShortCut == scNone || TopLevel) return;
  const std::string shortCut = ShortCutToText(FShortCut);
  ACanvas->TextOut(ARect.Right - 2 * kMargin - ACanvas->TextWidth(shortCut), y, shortCut);
}

}  // namespace host
