// TCustomColorBox: a drop-down list of colours, each drawn with a swatch.
#include <algorithm>
#include <string>

#include "host/extctrls/editboxes.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TCustomColorBox, TCustomComboBox)
HOST_IMPL(TColorBox, TCustomColorBox)

namespace {

constexpr TColor kStandardColors[] = {clBlack,  clMaroon, clGreen, clOlive,  clNavy, clPurple,  clTeal, clGray,
                                      clSilver, clRed,    clLime,  clYellow, clBlue, clFuchsia, clAqua, clWhite};
constexpr TColor kExtendedColors[] = {clMoneyGreen, clSkyBlue, clCream, clMedGray};
constexpr const char kCustomCaption[] = "Custom...";

// The colour an item's object stands for.
TObject* AsObject(TColor Color) { return reinterpret_cast<TObject*>(static_cast<intptr_t>(Color)); }
TColor FromObject(TObject* Object) {
  return static_cast<TColor>(static_cast<int32_t>(reinterpret_cast<intptr_t>(Object)));
}

bool OneOf(TColor Color, std::span<const TColor> Colors) {
  return std::find(Colors.begin(), Colors.end(), Color) != Colors.end();
}

// Which group of the style lists Color.
TColorBoxStyles GroupOf(TColor Color) {
  if (OneOf(Color, kStandardColors)) return cbStandardColors;
  if (OneOf(Color, kExtendedColors)) return cbExtendedColors;
  return cbSystemColors;
}

}  // namespace

TCustomColorBox::TCustomColorBox(TComponent* AOwner) : TCustomComboBox(AOwner) {
  TCustomComboBox::SetStyle(csOwnerDrawFixed);
  SetBounds(0, 0, 145, 22);
  PopulateList();
  SetSelected(clBlack);
}

// The colours of the classic table in its order: the standard ones, the
// extended ones, the system ones; then clNone and clDefault.
void TCustomColorBox::PopulateList() {
  const bool pretty = FStyle.Contains(cbPrettyNames);
  const auto add = [&](const std::string& Ident, TColor Color) {
    FItems->AddObject(pretty && Ident.rfind("cl", 0) == 0 ? Ident.substr(2) : Ident, AsObject(Color));
  };
  FItems->BeginUpdate();
  FItems->Clear();
  if (FStyle.Contains(cbCustomColor)) FItems->AddObject(kCustomCaption, AsObject(clBlack));
  for (TColorBoxStyles group : {cbStandardColors, cbExtendedColors, cbSystemColors}) {
    if (!FStyle.Contains(group)) continue;
    GetColorValues([&](const std::string& Ident) {
      int32_t value = 0;
      if (!IdentToColor(Ident, value)) return;
      const auto color = static_cast<TColor>(value);
      const bool system = (static_cast<uint32_t>(value) & clSystemColor) != 0;
      if ((system || OneOf(color, kStandardColors) || OneOf(color, kExtendedColors)) && GroupOf(color) == group &&
          Ident != "clLtGray" && Ident != "clDkGray")
        add(Ident, color);
    });
  }
  if (FStyle.Contains(cbIncludeNone)) add("clNone", clNone);
  if (FStyle.Contains(cbIncludeDefault)) add("clDefault", clDefault);
  FItems->EndUpdate();
}

void TCustomColorBox::SetStyle(TColorBoxStyle Value) {
  if (Value == FStyle) return;
  const TColor selected = GetSelected();
  FStyle = Value;
  PopulateList();
  SetSelected(selected);
}

TColor TCustomColorBox::GetColors(int32_t Index) const {
  if (Index < 0 || Index >= FItems->GetCount()) throw EStringListError(SListIndexError, {Index});
  return FromObject(FItems->GetObjects(Index));
}

TColor TCustomColorBox::GetSelected() const {
  const int32_t index = GetItemIndex();
  return index >= 0 ? GetColors(index) : FSelected;
}

void TCustomColorBox::SetSelected(TColor Value) {
  FSelected = Value;
  int32_t index = FItems->IndexOfObject(AsObject(Value));
  const bool custom = FStyle.Contains(cbCustomColor);
  if (custom && (index < 0 || index == 0)) {
    FItems->SetObjects(0, AsObject(Value));
    index = 0;
  }
  SetItemIndex(index);
  Invalidate();
}

void TCustomColorBox::SetDefaultColorColor(TColor Value) {
  if (ChangeField(FDefaultColorColor, Value)) Invalidate();
}

void TCustomColorBox::SetNoneColorColor(TColor Value) {
  if (ChangeField(FNoneColorColor, Value)) Invalidate();
}

// A swatch as wide as the item is high, framed, then the name.
void TCustomColorBox::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) {
  if (OnDrawItem) return inherited::DrawItem(Index, Rect, State);
  TCanvas* canvas = GetCanvas();
  const TRect swatch = host::Rect(Rect.Left + 1, Rect.Top + 1, Rect.Left + Rect.Height() - 1, Rect.Bottom - 1);
  DrawStandardItem(canvas, host::Rect(swatch.Right + 2, Rect.Top, Rect.Right, Rect.Bottom), FItems->GetStrings(Index),
                   State, GetColor());
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(host::Rect(Rect.Left, Rect.Top, swatch.Right + 2, Rect.Bottom));
  TColor color = GetColors(Index);
  if (color == clNone) color = FNoneColorColor;
  if (color == clDefault) color = FDefaultColorColor;
  canvas->GetBrush()->SetColor(color);
  canvas->FillRect(swatch);
  canvas->GetBrush()->SetColor(clBlack);
  canvas->FrameRect(swatch);
}

}  // namespace host
