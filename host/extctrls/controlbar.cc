// TCustomControlBar: bands and rows, the layout, dragging a band by its
// grabber, looks.
#include "host/extctrls/controlbar.h"

#include <algorithm>
#include <map>

#include "host/graphics/graphicsobj.h"

namespace host {

namespace {

TRect Inflated(const TRect& R, const TRect& Insets) {
  return {R.Left - Insets.Left, R.Top - Insets.Top, R.Right + Insets.Right, R.Bottom + Insets.Bottom};
}

constexpr int32_t kMaxInset = 1024;
constexpr int32_t kMaxBandRows = 64;

bool Inside(const TRect& R, int32_t X, int32_t Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

}  // namespace

HOST_IMPL(TCustomControlBar, TCustomControl)
HOST_IMPL(TControlBar, TCustomControlBar)

TCustomControlBar::TCustomControlBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
  FPicture = New<TPicture>();
  FPicture->OnChange = TNotifyEvent(this, &TCustomControlBar::PictureChanged);
  SetBounds(0, 0, 100, 50);
}

void TCustomControlBar::Destroy() {
  inherited::Destroy();
  FreeAndNil(FPicture);
}

void TCustomControlBar::PictureChanged(TObject* /*Sender*/) { Invalidate(); }

void TCustomControlBar::SetRowSize(int32_t Value) {
  if (Value < 1 || Value > MaxRowSize)
    throw EInvalidOperation("RowSize of '%s' must be within 1..%d, not %d",
                            {ControlDisplayName(this), MaxRowSize, Value});
  if (FRowSize == Value) return;
  FRowSize = Value;
  StickControls();
}

void TCustomControlBar::SetAutoSize(bool Value) {
  inherited::SetAutoSize(Value);
  StickControls();
}

void TCustomControlBar::Loaded() {
  inherited::Loaded();
  StickControls();
}

void TCustomControlBar::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  StickControls();
}

std::vector<TControl*> TCustomControlBar::BandControls() const {
  std::vector<TControl*> bands;
  for (TControl* c : FControls)
    if (c->GetVisible() || GetComponentState().Contains(csDesigning)) bands.push_back(c);
  return bands;
}

void TCustomControlBar::DoBandInfo(TControl* Control, TRect& Insets, int32_t& PreferredSize, int32_t& RowCount) {
  if (OnBandInfo) OnBandInfo(this, Control, Insets, PreferredSize, RowCount);
}

TCustomControlBar::TBand TCustomControlBar::BandOf(TControl* Control) {
  TRect insets = DefaultBandInsets;
  int32_t preferred = Control->GetWidth() + insets.Left + insets.Right;
  int32_t rows = 1;
  DoBandInfo(Control, insets, preferred, rows);
  // Kept within sizes the layout can add up.
  for (int32_t* side : {&insets.Left, &insets.Top, &insets.Right, &insets.Bottom})
    *side = std::clamp(*side, 0, kMaxInset);
  return {Control, insets, std::clamp(preferred, insets.Left + insets.Right, MaxControlSize),
          std::clamp(rows, 1, kMaxBandRows)};
}

TRect TCustomControlBar::BandRect(TControl* Control) {
  return Inflated(Control->GetBoundsRect(), BandOf(Control).Insets);
}

int32_t TCustomControlBar::RowAt(int32_t Y) const {
  return std::max(0, FRowSnap ? (Y + FRowSize / 2) / FRowSize : Y / FRowSize);
}

int32_t TCustomControlBar::RowCount() {
  int32_t rows = 0;
  for (TControl* c : BandControls()) {
    const TBand band = BandOf(c);
    rows = std::max(rows, RowAt(c->GetTop() - band.Insets.Top) + band.Rows);
  }
  return rows;
}

// Each band to its row, the bands of a row side by side in the order of
// their left edges.
void TCustomControlBar::StickControls() {
  if (FSticking || GetComponentState().Contains(csLoading)) return;
  FSticking = true;
  try {
    std::multimap<std::pair<int32_t, int32_t>, TBand> rows;  // (row, left) -> band
    for (TControl* c : BandControls()) {
      TBand band = BandOf(c);
      const TRect r = Inflated(c->GetBoundsRect(), band.Insets);
      rows.insert({{RowAt(r.Top), r.Left}, band});
    }
    int32_t row = -1, right = 0, usedRows = 0;
    for (auto& [key, band] : rows) {
      if (key.first != row) {
        row = key.first;
        right = 0;
      }
      const int32_t left = std::max(key.second, right);
      const int32_t top = FRowSnap ? row * FRowSize : band.Control->GetTop() - band.Insets.Top;
      const int32_t height = band.Rows * FRowSize - band.Insets.Top - band.Insets.Bottom;
      band.Control->SetBounds(left + band.Insets.Left, top + band.Insets.Top,
                              band.Width - band.Insets.Left - band.Insets.Right,
                              FRowSnap ? std::max(0, height) : band.Control->GetHeight());
      right = left + band.Width;
      usedRows = std::max(usedRows, row + band.Rows);
    }
    if (FAutoSize && usedRows > 0) SetHeight(usedRows * FRowSize + (GetHeight() - GetClientHeight()));
  } catch (...) {
    FSticking = false;
    throw;
  }
  FSticking = false;
  Invalidate();
}

bool TCustomControlBar::DoBandDrag(TControl* Control) {
  bool drag = FAutoDrag;
  if (OnBandDrag) OnBandDrag(this, Control, drag);
  return drag;
}

void TCustomControlBar::DoBandMove(TControl* Control, TRect& ARect) {
  if (OnBandMove) OnBandMove(this, Control, ARect);
}

// The mouse pressed on a grabber (the band's left inset) may start a drag.
void TCustomControlBar::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  for (TControl* c : BandControls()) {
    const TBand band = BandOf(c);
    const TRect r = Inflated(c->GetBoundsRect(), band.Insets);
    const TRect grabber{r.Left, r.Top, r.Left + band.Insets.Left, r.Bottom};
    if (!Inside(grabber, X, Y)) continue;
    std::shared_ptr<const bool> alive = c->AliveFlag();
    if (DoBandDrag(c) && *alive) {
      FDragControl = c;
      FDragAlive = std::move(alive);
      FDragOffset = {X - r.Left, Y - r.Top};
    }
    return;
  }
}

void TCustomControlBar::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!FDragControl || !*FDragAlive || FDragControl->GetParent() != this) return;
  const TBand band = BandOf(FDragControl);
  const TRect old = Inflated(FDragControl->GetBoundsRect(), band.Insets);
  const int32_t left = std::max(0, X - FDragOffset.X);
  const int32_t top =
      FRowSnap ? std::min(Y < 0 ? 0 : Y / FRowSize, RowCount()) * FRowSize : std::max(0, Y - FDragOffset.Y);
  TRect rect{left, top, left + old.Width(), top + old.Height()};
  DoBandMove(FDragControl, rect);
  if (!*FDragAlive) return;  // the handler freed the band
  FDragControl->SetBounds(rect.Left + band.Insets.Left, rect.Top + band.Insets.Top,
                          std::max(0, rect.Width() - band.Insets.Left - band.Insets.Right),
                          std::max(0, rect.Height() - band.Insets.Top - band.Insets.Bottom));
  StickControls();
}

void TCustomControlBar::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft) FDragControl = nullptr;
}

void TCustomControlBar::DoBandPaint(TControl* Control, TCanvas* Canvas, TRect& ARect, TBandPaintOptions& Options) {
  if (OnBandPaint) OnBandPaint(this, Control, Canvas, ARect, Options);
}

void TCustomControlBar::PaintBand(TControl* Control) {
  TCanvas* canvas = GetCanvas();
  const TBand band = BandOf(Control);
  TRect r = Inflated(Control->GetBoundsRect(), band.Insets);
  TBandPaintOptions options{bpoGrabber, bpoFrame};
  DoBandPaint(Control, canvas, r, options);
  if (options.Contains(bpoFrame)) {
    canvas->GetBrush()->SetColor(clBtnShadow);
    canvas->FrameRect(r);
  }
  if (options.Contains(bpoGrabber)) {
    canvas->GetPen()->SetColor(clBtnShadow);
    for (int32_t x : {r.Left + 3, r.Left + 6}) {
      canvas->MoveTo(x, r.Top + 2);
      canvas->LineTo(x, r.Bottom - 2);
    }
  }
}

void TCustomControlBar::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(client);
  if (TGraphic* graphic = FPicture->GetGraphic(); graphic && !graphic->GetEmpty()) {
    const int32_t w = std::max(1, graphic->GetWidth()), h = std::max(1, graphic->GetHeight());
    for (int32_t y = 0; y < client.Bottom; y += h)
      for (int32_t x = 0; x < client.Right; x += w) canvas->Draw(x, y, graphic);
  }
  for (TControl* c : BandControls()) PaintBand(c);
  if (OnPaint) OnPaint(this);
}

}  // namespace host
