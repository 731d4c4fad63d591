// TButtonGlyph: the glyph of a glyph button, where glyph and caption go
// (the classic layout rules of Margin and Spacing), and drawing them.
#include <algorithm>
#include <array>

#include "host/buttons/buttons.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {

struct TKindInfo {
  const char* Caption;
  TModalResult Result;
};

constexpr std::array<TKindInfo, 11> kKinds = {{
    {"", mrNone},
    {"OK", mrOk},
    {"Cancel", mrCancel},
    {"&Help", mrNone},
    {"&Yes", mrYes},
    {"&No", mrNo},
    {"&Close", mrNone},
    {"Abort", mrAbort},
    {"&Retry", mrRetry},
    {"&Ignore", mrIgnore},
    {"&All", mrAll},
}};

const TKindInfo& KindInfo(TBitBtnKind Kind) { return kKinds[std::min<std::size_t>(Kind, kKinds.size() - 1)]; }

}  // namespace

std::string KindCaption(TBitBtnKind Kind) { return KindInfo(Kind).Caption; }
TModalResult KindModalResult(TBitBtnKind Kind) { return KindInfo(Kind).Result; }

TButtonGlyph::TButtonGlyph(TControl* Button) : FButton(Button), FGlyph(New<TBitmap>()) {
  FGlyph->OnChange = [this](TObject*) { Changed(); };
}

// The button is being torn down: the glyph's last change must not reach it.
TButtonGlyph::~TButtonGlyph() {
  FGlyph->OnChange = nullptr;
  FreeAndNil(FGlyph);
}

void TButtonGlyph::Changed() { FButton->Invalidate(); }

void TButtonGlyph::BadValue() const {
  throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(FButton)});
}

void TButtonGlyph::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  const int32_t width = FGlyph->GetWidth(), height = FGlyph->GetHeight();
  if (height > 0 && width % height == 0 && width / height >= 1 && width / height <= 4) FNumGlyphs = width / height;
  Changed();
}

void TButtonGlyph::SetNumGlyphs(int32_t Value) {
  if (Value < 1 || Value > 4) BadValue();
  if (ChangeField(FNumGlyphs, Value)) Changed();
}

void TButtonGlyph::SetLayout(TButtonLayout Value) {
  buttonpaint::CheckEnumValue(Value, blGlyphBottom, FButton);
  if (ChangeField(FLayout, Value)) Changed();
}

void TButtonGlyph::SetMargin(int32_t Value) {
  if (Value < -1) BadValue();
  if (ChangeField(FMargin, Value)) Changed();
}

void TButtonGlyph::SetSpacing(int32_t Value) {
  if (Value < -1) BadValue();
  if (ChangeField(FSpacing, Value)) Changed();
}

TPoint TButtonGlyph::GlyphSize() const {
  if (FGlyph->GetEmpty()) return {0, 0};
  return {FGlyph->GetWidth() / FNumGlyphs, FGlyph->GetHeight()};
}

// Along the layout's axis: margin, glyph, spacing, caption (or the other
// way round); across it both are centred. Margin -1 centres the whole,
// Spacing -1 spreads the free room evenly.
TButtonGlyph::TPlacement TButtonGlyph::Place(const TRect& Client, TPoint TextSize) const {
  const TPoint glyph = GlyphSize();
  const bool across = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  const int32_t room = across ? Client.Width() : Client.Height();
  const int32_t glyphLength = across ? glyph.X : glyph.Y;
  const int32_t textLength = across ? TextSize.X : TextSize.Y;
  int32_t margin = FMargin, spacing = (glyphLength == 0 || textLength == 0) ? 0 : FSpacing;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (room - glyphLength - textLength) / 3;
  } else if (margin == -1) {
    margin = (room - glyphLength - spacing - textLength + (across ? 0 : 1)) / 2;
  } else if (spacing == -1) {
    spacing = (room - margin - glyphLength - textLength) / 2;
  }
  int32_t glyphAt = 0, textAt = 0;
  if (FLayout == blGlyphLeft || FLayout == blGlyphTop) {
    glyphAt = margin;
    textAt = margin + glyphLength + spacing;
  } else {
    glyphAt = room - margin - glyphLength;
    textAt = glyphAt - spacing - textLength;
  }
  TPlacement place;
  const TPoint glyphCentred{(Client.Width() - glyph.X + 1) / 2, (Client.Height() - glyph.Y + 1) / 2};
  const TPoint textCentred{(Client.Width() - TextSize.X + 1) / 2, (Client.Height() - TextSize.Y + 1) / 2};
  place.Glyph = across ? TPoint{glyphAt, glyphCentred.Y} : TPoint{glyphCentred.X, glyphAt};
  const TPoint text = across ? TPoint{textAt, textCentred.Y} : TPoint{textCentred.X, textAt};
  place.Glyph = {Client.Left + place.Glyph.X, Client.Top + place.Glyph.Y};
  place.Text = Bounds(Client.Left + text.X, Client.Top + text.Y, TextSize.X, TextSize.Y);
  return place;
}

// A disabled button whose glyph has no disabled image shows the up image
// as a grey silhouette.
void TButtonGlyph::DrawImage(TCanvas* Canvas, TPoint At, TButtonState State, TColor Face) const {
  const TPoint size = GlyphSize();
  const TColor transparent = FGlyph->GetTransparentColor();
  const TRect target = Bounds(At.X, At.Y, size.X, size.Y);
  Canvas->GetBrush()->SetColor(Face);
  if (State < FNumGlyphs || State != bsDisabled) {
    const int32_t image = State < FNumGlyphs ? State : bsUp;
    Canvas->BrushCopy(target, FGlyph, Bounds(image * size.X, 0, size.X, size.Y), transparent);
    return;
  }
  TOwned<TBitmap> shade = MakeOwned<TBitmap>();
  shade->SetSize(size.X, size.Y);
  TCanvas* pixels = FGlyph->GetCanvas();
  for (int32_t y = 0; y < size.Y; ++y)
    for (int32_t x = 0; x < size.X; ++x)
      shade->GetCanvas()->SetPixels(x, y, pixels->GetPixels(x, y) == transparent ? transparent : clBtnShadow);
  Canvas->BrushCopy(target, shade.get(), Rect(0, 0, size.X, size.Y), transparent);
}

TRect TButtonGlyph::DrawGlyphAndCaption(TCanvas* Canvas, const TRect& Client, const std::string& Caption,
                                        TButtonState State, TPoint Offset, TColor Face) const {
  const std::string shown = StripAccelChars(Caption, true);
  const TPoint textSize = shown.empty() ? TPoint{0, 0} : TPoint{Canvas->TextWidth(shown), Canvas->TextHeight("Wg")};
  TPlacement place = Place(Client, textSize);
  place.Glyph = {place.Glyph.X + Offset.X, place.Glyph.Y + Offset.Y};
  place.Text = Bounds(place.Text.Left + Offset.X, place.Text.Top + Offset.Y, textSize.X, textSize.Y);
  if (!FGlyph->GetEmpty()) DrawImage(Canvas, place.Glyph, State, Face);
  if (!shown.empty()) {
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextOut(place.Text.Left, place.Text.Top, shown);
    UnderlineAccelChar(Canvas, Caption, place.Text.Left, place.Text.Bottom - 1);
    Canvas->GetBrush()->SetStyle(bsSolid);
  }
  return place.Text;
}

}  // namespace host
