// TCoolBar with its bands: the collection, the rows of bands with their
// controls, and their looks.
#include "host/comctrls/coolbar.h"

#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TCoolBand, TCollectionItem)
HOST_IMPL(TCoolBands, TCollection)
HOST_IMPL(TCoolBar, TCustomControl)

namespace {
constexpr int32_t kGrip = 9;        // the grip at a band's start
constexpr int32_t kFixedStart = 2;  // a fixed band's control starts this far in
constexpr int32_t kTextGap = 4;     // after a band's text
constexpr int32_t kEndGap = 4;      // between a control and its band's end; the last band and the bar's end
constexpr int32_t kBandGap = 2;     // between bands in a row
constexpr int32_t kRowGap = 4;      // between rows

constexpr int32_t kMaxExtent = 32767;  // the largest band width or height

// Raises for an extent outside 0..kMaxExtent.
void CheckBandExtent(int32_t Value) {
  if (Value < 0 || Value > kMaxExtent) throw EInvalidOperation("Invalid property value (cool band)");
}
}  // namespace

// ------------------------------------------------------------------ TCoolBand

TCoolBand::TCoolBand(TCollection* Collection) : TCollectionItem(Collection) {}

TCoolBar* TCoolBand::GetCoolBar() const {
  auto* bands = dynamic_cast<TCoolBands*>(GetCollection());
  return bands ? bands->GetCoolBar() : nullptr;
}

void TCoolBand::SetControl(TWinControl* Value) {
  if (Value == FControl) return;
  TCoolBar* bar = GetCoolBar();
  if (Value && bar) {
    for (TWinControl* outer = bar; outer; outer = outer->GetParent())
      if (outer == Value)
        throw EInvalidOperation("Control '%s' cannot be placed in a band of '%s'",
                                {ControlDisplayName(Value), ControlDisplayName(bar)});
    if (TCoolBand* other = bar->FBands->FindBand(Value)) other->FControl = nullptr;
  }
  FControl = Value;
  if (Value && bar) {
    Value->FreeNotification(bar);
    if (Value->GetParent() != bar) Value->SetParent(bar);
  }
  Changed(true);
}

void TCoolBand::SetText(const std::string& Value) {
  if (ChangeField(FText, Value)) Changed(true);
}

void TCoolBand::SetWidth(int32_t Value) {
  CheckBandExtent(Value);
  if (ChangeField(FWidth, Value)) Changed(true);
}

void TCoolBand::SetMinHeight(int32_t Value) {
  CheckBandExtent(Value);
  if (ChangeField(FMinHeight, Value)) Changed(true);
}

void TCoolBand::SetMinWidth(int32_t Value) {
  CheckBandExtent(Value);
  if (ChangeField(FMinWidth, Value)) Changed(true);
}

void TCoolBand::SetBreak(bool Value) {
  if (ChangeField(FBreak, Value)) Changed(true);
}

void TCoolBand::SetFixedSize(bool Value) {
  if (ChangeField(FFixedSize, Value)) Changed(true);
}

void TCoolBand::SetVisible(bool Value) {
  if (!ChangeField(FVisible, Value)) return;
  if (FControl) FControl->SetVisible(Value);
  Changed(true);
}

// The control is not copied: a control sits in one band only.
void TCoolBand::Assign(TPersistent* Source) {
  auto* band = dynamic_cast<TCoolBand*>(Source);
  if (!band) return inherited::Assign(Source);
  FText = band->FText;
  FWidth = band->FWidth;
  FMinHeight = band->FMinHeight;
  FMinWidth = band->FMinWidth;
  FBreak = band->FBreak;
  FFixedSize = band->FFixedSize;
  FFixedBackground = band->FFixedBackground;
  FHorizontalOnly = band->FHorizontalOnly;
  FImageIndex = band->FImageIndex;
  FVisible = band->FVisible;
  Changed(true);
}

std::string TCoolBand::GetDisplayName() {
  if (!FText.empty()) return FText;
  return FControl ? FControl->GetName() : inherited::GetDisplayName();
}

// ----------------------------------------------------------------- TCoolBands

TCoolBands::TCoolBands(TCoolBar* CoolBar) : TCollection(&TCoolBand::StaticMetaClass), FCoolBar(CoolBar) {}

TPersistent* TCoolBands::GetOwner() { return FCoolBar; }

TCoolBand* TCoolBands::FindBand(const TControl* Control) const {
  for (int32_t i = 0; i < GetCount(); ++i)
    if (GetItem(i)->GetControl() == Control) return GetItem(i);
  return nullptr;
}

TCoolBand* TCoolBands::Add() {
  auto* band = static_cast<TCoolBand*>(TCollection::Add());
  FCoolBar->BandChanged();
  return band;
}

bool TCoolBands::AllMade() const {
  for (int32_t i = 0; i < GetCount(); ++i)
    if (!dynamic_cast<TCoolBand*>(TCollection::GetItem(i))) return false;
  return true;
}

void TCoolBands::Update(TCollectionItem*) {
  if (AllMade()) FCoolBar->BandChanged();
}

// ------------------------------------------------------------------- TCoolBar

TCoolBar::TCoolBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  FBands = New<TCoolBands>(this);
  SetBounds(0, 0, 150, 75);
  FAlign = alTop;
  FAnchors = AnchorAlign[FAlign];
}

void TCoolBar::Destroy() {
  inherited::Destroy();
  FreeAndNil(FBands);
}

void TCoolBar::SetBands(TCoolBands* Value) { FBands->Assign(Value); }

void TCoolBar::SetBandBorderStyle(TBorderStyle Value) {
  comctrl::CheckEnumValue(Value, bsSingle, this);
  if (ChangeField(FBandBorderStyle, Value)) Invalidate();
}

void TCoolBar::SetShowText(bool Value) {
  if (ChangeField(FShowText, Value)) BandChanged();
}

void TCoolBar::SetVertical(bool Value) {
  if (ChangeField(FVertical, Value)) BandChanged();
}

void TCoolBar::BandChanged() {
  LayoutBands();
  Invalidate();
}

void TCoolBar::Loaded() {
  inherited::Loaded();
  LayoutBands();
}

void TCoolBar::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove || !FBands) return;
  for (int32_t i = 0; i < FBands->GetCount(); ++i)
    if (FBands->GetItem(i)->FControl == AComponent) FBands->GetItem(i)->FControl = nullptr;
}

// ----------------------------------------------------------------- layout

TRect TCoolBar::Turned(const TRect& Rect) const {
  return FVertical ? TRect{Rect.Top, Rect.Left, Rect.Bottom, Rect.Right} : Rect;
}

int32_t TCoolBar::ControlOffset(TCoolBand* Band) {
  int32_t offset = Band->FFixedSize ? kFixedStart : kGrip;
  if (FShowText && !Band->FText.empty())
    offset += TMeasuringCanvas(GetFont()).Canvas()->TextWidth(Band->FText) + kTextGap;
  return offset;
}

std::vector<TRect> TCoolBar::LayoutRects() {
  const int32_t length = FVertical ? GetClientHeight() : GetClientWidth();
  std::vector<TRect> rects(FBands->GetCount());
  std::vector<int32_t> row;  // the visible bands of the row being laid out
  int32_t top = 0;
  const auto closeRow = [&] {
    if (row.empty()) return;
    int32_t height = 0;
    for (int32_t i : row) height = std::max(height, FBands->GetItem(i)->FMinHeight);
    int32_t left = 0;
    for (int32_t i : row) {
      TCoolBand* band = FBands->GetItem(i);
      const bool last = i == row.back();
      const int32_t right = ClampToInt32(last ? std::max<int64_t>(length - kEndGap, int64_t{left} + band->FMinWidth)
                                              : int64_t{left} + band->FWidth);
      rects[i] = TRect{left, top, right, ClampToInt32(int64_t{top} + height)};
      left = ClampToInt32(int64_t{right} + kBandGap);
    }
    top = ClampToInt32(int64_t{top} + height + kRowGap);
    row.clear();
  };
  for (int32_t i = 0; i < FBands->GetCount(); ++i) {
    if (!FBands->GetItem(i)->FVisible) continue;
    if (FBands->GetItem(i)->FBreak) closeRow();
    row.push_back(i);
  }
  closeRow();
  return rects;
}

TRect TCoolBar::BandRect(int32_t Index) {
  if (Index < 0 || Index >= FBands->GetCount()) TCollection::RaiseIndexError(Index);
  return Turned(LayoutRects()[Index]);
}

// With AutoSize the bar first takes the depth of its rows (which its
// parent's alignment may follow with a new length); the bands are then
// laid out along the length it has.
void TCoolBar::LayoutBands() {
  const TComponentState state = GetComponentState();
  if (FLayingOut || state.Contains(csLoading) || state.Contains(csDestroying)) return;
  FLayingOut = true;
  if (GetAutoSize()) {
    int32_t extent = 0;
    for (const TRect& r : LayoutRects()) extent = std::max(extent, r.Bottom + kRowGap);
    if (extent > kRowGap && FVertical) SetBounds(GetLeft(), GetTop(), extent, GetHeight());
    if (extent > kRowGap && !FVertical) SetBounds(GetLeft(), GetTop(), GetWidth(), extent);
  }
  const std::vector<TRect> rects = LayoutRects();
  for (int32_t i = 0; i < FBands->GetCount(); ++i) {
    TCoolBand* band = FBands->GetItem(i);
    if (!band->FControl || !band->FVisible) continue;
    const TRect r = rects[i];
    const int32_t start = ClampToInt32(int64_t{r.Left} + ControlOffset(band));
    band->FControl->SetBoundsRect(Turned(TRect{start, r.Top, std::max(r.Right - kEndGap, start), r.Bottom}));
  }
  FLayingOut = false;
}

// The bands place their controls, whatever those controls' Align.
void TCoolBar::AlignControls(TControl*, TRect&) { LayoutBands(); }

// ------------------------------------------------------------------ looks

void TCoolBar::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const std::vector<TRect> rects = LayoutRects();
  for (int32_t i = 0; i < FBands->GetCount(); ++i) {
    TCoolBand* band = FBands->GetItem(i);
    if (!band->FVisible) continue;
    const TRect r = Turned(rects[i]);
    if (FBandBorderStyle == bsSingle) comctrl::Bevel(canvas, r, false, GetColor());
    if (!band->FFixedSize) {
      // Two raised ridges across the band's start.
      for (int32_t ridge : {2, 5}) {
        const TRect grip =
            Turned(TRect{rects[i].Left + ridge, rects[i].Top + 3, rects[i].Left + ridge + 3, rects[i].Bottom - 3});
        comctrl::Bevel(canvas, grip, false, GetColor());
      }
    }
    if (!FShowText || band->FText.empty()) continue;
    const int32_t start = band->FFixedSize ? kFixedStart : kGrip;
    canvas->GetBrush()->SetStyle(bsClear);
    const TSize size = canvas->TextExtent(band->FText);
    if (FVertical)
      canvas->TextOut(r.Left + (r.Width() - size.cx) / 2, r.Top + start, band->FText);
    else
      canvas->TextOut(r.Left + start, r.Top + (r.Height() - size.cy) / 2, band->FText);
    canvas->GetBrush()->SetStyle(bsSolid);
  }
}

}  // namespace host
