// TProgressBar and TTrackBar: their ranges, the progress bar's filled share
// and the track bar's channel, ticks and thumb with the user's moves.
#include "host/comctrls/ranges.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "host/comctrls/comctrls_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TProgressBar, TCustomControl)
HOST_IMPL(TTrackBar, TCustomControl)

namespace comctrl {
namespace {

// Wanted into Range: stored as it is while Loading; otherwise a Max below
// Min raises and Position is taken into the range. True when Position
// moved.
bool ApplyRange(TRangeValues& Range, TRangeValues Wanted, const TControl* Control, bool Loading) {
  if (Loading) {
    Range = Wanted;
    return false;
  }
  if (Wanted.Max < Wanted.Min) throw EInvalidOperation("%s property out of range", {Control->ClassName()});
  Wanted.Position = std::clamp(Wanted.Position, Wanted.Min, Wanted.Max);
  const bool moved = Wanted.Position != Range.Position;
  Range = Wanted;
  return moved;
}

// The range read from a form file, checked as a whole once read; a bad one
// raises and leaves Defaults.
void ApplyLoadedRange(TRangeValues& Range, TRangeValues Defaults, const TControl* Control) {
  const TRangeValues read = std::exchange(Range, Defaults);
  ApplyRange(Range, read, Control, false);
}

constexpr int32_t kThumbWidth = 11;  // along the channel
constexpr int32_t kChannelInset = 13;
constexpr int32_t kTickLength = 4;
constexpr int32_t kTickRoom = 8;  // across the bar, for ticks above (left of) the thumb
constexpr int32_t kMinTickGap = 3;
constexpr int32_t kMaxThumbLength = 32767;

}  // namespace
}  // namespace comctrl

// ---------------------------------------------------------------- TProgressBar

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 150, 16); }

void TProgressBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax) {
  const bool loading = GetComponentState().Contains(csLoading);
  if (comctrl::ApplyRange(FRange, {AMin, AMax, APosition}, this, loading) || !loading) Invalidate();
}

void TProgressBar::Loaded() {
  inherited::Loaded();
  comctrl::ApplyLoadedRange(FRange, {}, this);
}

// Past Max the bar starts over from Min, as far past it as the step went.
void TProgressBar::StepIt() {
  int64_t next = int64_t{FRange.Position} + FStep;
  if (next > FRange.Max) next = FRange.Min + (next - FRange.Max);
  SetPosition(static_cast<int32_t>(std::clamp<int64_t>(next, FRange.Min, FRange.Max)));
}

void TProgressBar::StepBy(int32_t Delta) {
  SetPosition(static_cast<int32_t>(std::clamp<int64_t>(int64_t{FRange.Position} + Delta, FRange.Min, FRange.Max)));
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  comctrl::CheckEnumValue(Value, pbVertical, this);
  FOrientation = Value;
  Invalidate();
}

void TProgressBar::SetSmooth(bool Value) {
  FSmooth = Value;
  Invalidate();
}

TRect TProgressBar::FilledRect() {
  const TRect inner{2, 2, GetClientWidth() - 2, GetClientHeight() - 2};
  const int64_t span = int64_t{FRange.Max} - FRange.Min;
  const int64_t done = int64_t{FRange.Position} - FRange.Min;
  const auto share = [&](int32_t Length) { return span > 0 ? static_cast<int32_t>(done * Length / span) : 0; };
  if (FOrientation == pbHorizontal)
    return TRect{inner.Left, inner.Top, inner.Left + share(inner.Width()), inner.Bottom};
  return TRect{inner.Left, inner.Bottom - share(inner.Height()), inner.Right, inner.Bottom};
}

// Blocks are two thirds as long as the bar is thick, two pixels apart.
void TProgressBar::Paint() {
  TCanvas* canvas = GetCanvas();
  comctrl::Bevel(canvas, GetClientRect(), true, clBtnFace);
  const TRect filled = FilledRect();
  canvas->GetBrush()->SetColor(GetEnabled() ? clHighlight : clBtnShadow);
  if (FSmooth) {
    canvas->FillRect(filled);
    return;
  }
  const bool horizontal = FOrientation == pbHorizontal;
  const int32_t block = std::max((horizontal ? filled.Height() : filled.Width()) * 2 / 3, 2);
  if (horizontal) {
    for (int32_t x = filled.Left; x < filled.Right; x += block + 2)
      canvas->FillRect(TRect{x, filled.Top, std::min(x + block, filled.Right), filled.Bottom});
  } else {
    for (int32_t y = filled.Bottom; y > filled.Top; y -= block + 2)
      canvas->FillRect(TRect{filled.Left, std::max(y - block, filled.Top), filled.Right, y});
  }
}

// ------------------------------------------------------------------ TTrackBar

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents};
  SetTabStop(true);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax) {
  const bool loading = GetComponentState().Contains(csLoading);
  comctrl::ApplyRange(FRange, {AMin, AMax, APosition}, this, loading);
  if (!loading) Invalidate();
}

void TTrackBar::Loaded() {
  inherited::Loaded();
  comctrl::ApplyLoadedRange(FRange, {0, 10, 0}, this);
}

void TTrackBar::SetFrequency(int32_t Value) {
  FFrequency = Value;
  Invalidate();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  comctrl::CheckEnumValue(Value, trVertical, this);
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (!GetComponentState().Contains(csLoading)) SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
  Invalidate();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  comctrl::CheckEnumValue(Value, tmBoth, this);
  FTickMarks = Value;
  Invalidate();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  comctrl::CheckEnumValue(Value, tsManual, this);
  FTickStyle = Value;
  Invalidate();
}

void TTrackBar::SetSelStart(int32_t Value) {
  FSelStart = Value;
  Invalidate();
}

void TTrackBar::SetSelEnd(int32_t Value) {
  FSelEnd = Value;
  Invalidate();
}

void TTrackBar::SetThumbLength(int32_t Value) {
  if (Value < 0 || Value > comctrl::kMaxThumbLength)
    throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(this)});
  FThumbLength = Value;
  Invalidate();
}

void TTrackBar::SetSliderVisible(bool Value) {
  FSliderVisible = Value;
  Invalidate();
}

void TTrackBar::Changed() {
  if (OnChange) OnChange(this);
}

// --------------------------------------------------------------- geometry

int32_t TTrackBar::ChannelStart() const { return comctrl::kChannelInset; }

int32_t TTrackBar::ChannelEnd() {
  return std::max((Horizontal() ? GetClientWidth() : GetClientHeight()) - comctrl::kChannelInset, ChannelStart());
}

// Ticks above (left of) the thumb take room before it.
int32_t TTrackBar::ChannelMiddle() const {
  const bool before = FTickStyle != tsNone && FTickMarks != tmBottomRight;
  return (before ? comctrl::kTickRoom : 4) + FThumbLength / 2;
}

int32_t TTrackBar::OffsetOf(int32_t Value) {
  const int64_t span = int64_t{FRange.Max} - FRange.Min;
  if (span <= 0) return ChannelStart();
  Value = std::clamp(Value, FRange.Min, FRange.Max);  // a selection may lie outside the range
  return ChannelStart() + static_cast<int32_t>((int64_t{Value} - FRange.Min) * (ChannelEnd() - ChannelStart()) / span);
}

int32_t TTrackBar::ValueAt(int32_t Offset) {
  const int64_t length = ChannelEnd() - ChannelStart();
  if (length <= 0) return FRange.Min;
  const int64_t span = int64_t{FRange.Max} - FRange.Min;
  const int64_t value = FRange.Min + ((int64_t{Offset} - ChannelStart()) * span * 2 + length) / (2 * length);
  return static_cast<int32_t>(std::clamp<int64_t>(value, FRange.Min, FRange.Max));
}

TRect TTrackBar::ThumbRect() {
  const int32_t along = OffsetOf(FRange.Position);
  const int32_t across = ChannelMiddle() - FThumbLength / 2;
  const int32_t a0 = along - comctrl::kThumbWidth / 2, a1 = a0 + comctrl::kThumbWidth;
  return Horizontal() ? TRect{a0, across, a1, across + FThumbLength} : TRect{across, a0, across + FThumbLength, a1};
}

// ------------------------------------------------------------------ input

void TTrackBar::UserMove(int64_t Value) {
  const auto position = static_cast<int32_t>(std::clamp<int64_t>(Value, FRange.Min, FRange.Max));
  if (position == FRange.Position) return;
  SetPosition(position);
  Changed();
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    if (!*alive) return;
    const int32_t along = Along(X, Y), thumb = OffsetOf(FRange.Position);
    if (FSliderVisible && PtInRect(ThumbRect(), {X, Y})) {
      FDragging = true;
      FGrab = along - thumb;
    } else {
      UserMove(int64_t{FRange.Position} + (along < thumb ? -FPageSize : FPageSize));
    }
    if (!*alive) return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TTrackBar::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (FDragging) UserMove(ValueAt(Along(X, Y) - FGrab));
  if (*alive) inherited::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft) FDragging = false;
  inherited::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive) return;
  const int64_t position = FRange.Position;
  std::optional<int64_t> target;
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      target = position - FLineSize;
      break;
    case VK_RIGHT:
    case VK_DOWN:
      target = position + FLineSize;
      break;
    case VK_PRIOR:
      target = position - FPageSize;
      break;
    case VK_NEXT:
      target = position + FPageSize;
      break;
    case VK_HOME:
      target = FRange.Min;
      break;
    case VK_END:
      target = FRange.Max;
      break;
    default:
      return;
  }
  Key = 0;
  UserMove(*target);
}

// ------------------------------------------------------------------ looks

// Ticks at every Frequency (thinned out where they would crowd), and
// always at both ends.
void TTrackBar::PaintTicks(TCanvas* Canvas) {
  if (FTickStyle == tsNone) return;
  const int32_t half = FThumbLength / 2, middle = ChannelMiddle();
  const auto tick = [&](int32_t Value) {
    const int32_t along = OffsetOf(Value);
    for (int32_t across : {middle + half + 2, middle - half - 2 - comctrl::kTickLength}) {
      const bool after = across > middle;
      if ((after && FTickMarks == tmTopLeft) || (!after && FTickMarks == tmBottomRight)) continue;
      if (Horizontal())
        Canvas->FillRect(TRect{along, across, along + 1, across + comctrl::kTickLength});
      else
        Canvas->FillRect(TRect{across, along, across + comctrl::kTickLength, along + 1});
    }
  };
  Canvas->GetBrush()->SetColor(clWindowText);
  tick(FRange.Min);
  tick(FRange.Max);
  if (FTickStyle != tsAuto) return;
  const int64_t span = int64_t{FRange.Max} - FRange.Min;
  const int64_t room = std::max((ChannelEnd() - ChannelStart()) / comctrl::kMinTickGap, 1);
  int64_t step = std::max(FFrequency, 1);
  if (span / step > room) step *= (span / step + room - 1) / room;
  for (int64_t value = FRange.Min + step; value < FRange.Max; value += step) tick(static_cast<int32_t>(value));
}

void TTrackBar::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const int32_t middle = ChannelMiddle(), start = ChannelStart() - 2, end = ChannelEnd() + 2;
  const TRect channel =
      Horizontal() ? TRect{start, middle - 2, end, middle + 2} : TRect{middle - 2, start, middle + 2, end};
  comctrl::Bevel(canvas, channel, true, clWindow);
  if (FSelEnd > FSelStart) {
    const int32_t s0 = OffsetOf(FSelStart), s1 = OffsetOf(FSelEnd);
    canvas->GetBrush()->SetColor(clHighlight);
    canvas->FillRect(Horizontal() ? TRect{s0, middle - 1, s1, middle + 1} : TRect{middle - 1, s0, middle + 1, s1});
  }
  PaintTicks(canvas);
  if (FSliderVisible) comctrl::Bevel(canvas, ThumbRect(), false, clBtnFace);
  if (Focused()) canvas->DrawFocusRect(GetClientRect());
}

}  // namespace host
