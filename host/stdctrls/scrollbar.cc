// TScrollBar: its range checks, the geometry of arrows, track and thumb,
// the user's scrolling by mouse and keys, and its looks.
#include "host/stdctrls/scrollbar.h"

#include <algorithm>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"

namespace host {

namespace {

constexpr int32_t kMinThumb = 8;

[[noreturn]] void RaiseOutOfRange() { throw EInvalidOperation("Scroll bar property out of range"); }

int32_t Clamp(int64_t Value, int32_t Low, int32_t High) {
  return static_cast<int32_t>(std::clamp<int64_t>(Value, Low, High));
}

std::optional<TScrollCode> KeyScrollCode(uint16_t Key) {
  switch (Key) {
    case VK_LEFT:
    case VK_UP:
      return scLineUp;
    case VK_RIGHT:
    case VK_DOWN:
      return scLineDown;
    case VK_PRIOR:
      return scPageUp;
    case VK_NEXT:
      return scPageDown;
    case VK_HOME:
      return scTop;
    case VK_END:
      return scBottom;
    default:
      return std::nullopt;
  }
}

}  // namespace

HOST_IMPL(TScrollBar, TWinControl)

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
  FTabStop = true;
  SetBounds(0, 0, 121, 17);
}

void TScrollBar::Destroy() {
  FCanvas->FreeHandle();
  inherited::Destroy();
  FreeAndNil(FCanvas);
}

// ------------------------------------------------------------------ range

int32_t TScrollBar::LastPosition() const { return FMax - std::max(FPageSize - 1, 0); }

void TScrollBar::SetKind(TScrollBarKind Value) {
  buttonpaint::CheckEnumValue(Value, sbVertical, this);
  if (FKind == Value) return;
  FKind = Value;
  if (!Loading()) SetBounds(FLeft, FTop, FHeight, FWidth);
  Invalidate();
}

bool TScrollBar::Loading() const { return GetComponentState().Contains(csLoading); }

void TScrollBar::SetParams(int32_t APosition, int32_t AMin, int32_t AMax) {
  if (Loading()) {
    FPosition = APosition;
    FMin = AMin;
    FMax = AMax;
    return;
  }
  if (AMax < AMin || FPageSize > int64_t{AMax} - AMin + 1) RaiseOutOfRange();
  const int32_t position = std::clamp(APosition, AMin, AMax - std::max(FPageSize - 1, 0));
  const bool moved = position != FPosition;
  FMin = AMin;
  FMax = AMax;
  FPosition = position;
  Invalidate();
  if (moved) Change();
}

void TScrollBar::SetPageSize(int32_t Value) {
  if (Value < 0 || (!Loading() && Value > int64_t{FMax} - FMin + 1)) RaiseOutOfRange();
  if (FPageSize == Value) return;
  FPageSize = Value;
  SetParams(FPosition, FMin, FMax);
}

// The range read from a form file is checked as a whole once read; a bad
// one raises and leaves the classic range 0..100.
void TScrollBar::Loaded() {
  inherited::Loaded();
  const int32_t position = FPosition, low = FMin, high = FMax, page = FPageSize;
  FPosition = FMin = FPageSize = 0;
  FMax = 100;
  if (page > int64_t{high} - low + 1) RaiseOutOfRange();
  FPageSize = page;
  SetParams(position, low, high);
}

void TScrollBar::SetSmallChange(int32_t Value) {
  if (Value < 1 || Value > MaxScrollBarInc) RaiseOutOfRange();
  FSmallChange = Value;
}

void TScrollBar::SetLargeChange(int32_t Value) {
  if (Value < 1 || Value > MaxScrollBarInc) RaiseOutOfRange();
  FLargeChange = Value;
}

void TScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TScrollBar::Scroll(TScrollCode ScrollCode, int32_t& ScrollPos) {
  if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
}

void TScrollBar::DoScroll(TScrollCode Code, int32_t Pos) {
  int64_t target = FPosition;
  switch (Code) {
    case scLineUp:
      target -= FSmallChange;
      break;
    case scLineDown:
      target += FSmallChange;
      break;
    case scPageUp:
      target -= FLargeChange;
      break;
    case scPageDown:
      target += FLargeChange;
      break;
    case scPosition:
    case scTrack:
      target = Pos;
      break;
    case scTop:
      target = FMin;
      break;
    case scBottom:
      target = FMax;
      break;
    case scEndScroll:
      break;
  }
  int32_t scrollPos = Clamp(target, FMin, LastPosition());
  const auto alive = AliveFlag();
  Scroll(Code, scrollPos);
  if (*alive) SetPosition(scrollPos);
}

// --------------------------------------------------------------- geometry

TScrollBarParts TScrollBar::GetParts() {
  const TRect client = GetClientRect();
  const bool horizontal = FKind == sbHorizontal;
  const int32_t length = horizontal ? client.Width() : client.Height();
  const int32_t thickness = horizontal ? client.Height() : client.Width();
  const auto along = [&](int32_t From, int32_t To) {
    return horizontal ? Rect(From, 0, To, thickness) : Rect(0, From, thickness, To);
  };
  const int32_t arrow = std::min(thickness, length / 2);
  const int32_t track = length - 2 * arrow;
  int32_t thumb = FPageSize > 0 ? Clamp(int64_t{track} * FPageSize / (int64_t{FMax} - FMin + 1), kMinThumb, track)
                                : std::min(thickness, track);
  if (track < kMinThumb) thumb = 0;
  const int64_t span = int64_t{LastPosition()} - FMin;
  const int32_t offset = span > 0 ? static_cast<int32_t>((int64_t{FPosition} - FMin) * (track - thumb) / span) : 0;
  const int32_t thumbStart = arrow + offset;
  return {along(0, arrow), along(length - arrow, length), along(arrow, length - arrow),
          thumb > 0 ? along(thumbStart, thumbStart + thumb) : TRect{}};
}

std::optional<TScrollCode> TScrollBar::HitCode(int32_t Offset) {
  const TScrollBarParts parts = GetParts();
  const auto start = [&](const TRect& r) { return FKind == sbHorizontal ? r.Left : r.Top; };
  const auto end = [&](const TRect& r) { return FKind == sbHorizontal ? r.Right : r.Bottom; };
  if (Offset < end(parts.LineUp)) return scLineUp;
  if (Offset >= start(parts.LineDown)) return scLineDown;
  if (parts.Thumb.IsEmpty()) return std::nullopt;
  if (Offset < start(parts.Thumb)) return scPageUp;
  if (Offset >= end(parts.Thumb)) return scPageDown;
  return std::nullopt;
}

int32_t TScrollBar::PositionAt(int32_t Offset) {
  const TScrollBarParts parts = GetParts();
  const bool horizontal = FKind == sbHorizontal;
  const int32_t trackStart = horizontal ? parts.Track.Left : parts.Track.Top;
  const int32_t room =
      (horizontal ? parts.Track.Width() - parts.Thumb.Width() : parts.Track.Height() - parts.Thumb.Height());
  if (room <= 0) return FPosition;
  const int64_t into = std::clamp(Offset - trackStart, 0, room);
  const int64_t span = int64_t{LastPosition()} - FMin;
  return Clamp(FMin + (into * span + room / 2) / room, FMin, LastPosition());
}

// ------------------------------------------------------------------ input

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && FDrag == TDrag::None) {
    if (CanFocus() && !Focused()) SetFocus();
    const int32_t offset = Along({X, Y});
    const TScrollBarParts parts = GetParts();
    const std::optional<TScrollCode> code = HitCode(offset);
    const auto alive = AliveFlag();
    if (code) {
      FDrag = TDrag::Button;
      DoScroll(*code);
    } else if (!parts.Thumb.IsEmpty()) {
      FDrag = TDrag::Thumb;
      FGrab = offset - Along({parts.Thumb.Left, parts.Thumb.Top});
      FTrackPos = FPosition;
    }
    if (!*alive) return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TScrollBar::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  if (FDrag == TDrag::Thumb) {
    const int32_t position = PositionAt(Along({X, Y}) - FGrab);
    const auto alive = AliveFlag();
    if (position != FTrackPos) {
      FTrackPos = position;
      DoScroll(scTrack, position);
    }
    if (!*alive) return;
  }
  inherited::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && FDrag != TDrag::None) {
    const TDrag drag = FDrag;
    FDrag = TDrag::None;
    const auto alive = AliveFlag();
    if (drag == TDrag::Thumb) DoScroll(scPosition, FTrackPos);
    if (*alive) DoScroll(scEndScroll);
    if (!*alive) return;
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TScrollBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  const std::optional<TScrollCode> code = KeyScrollCode(Key);
  if (!code || !Shift.Empty()) return;
  Key = 0;
  DoScroll(*code);
}

void TScrollBar::KeyUp(uint16_t& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  if (!KeyScrollCode(Key) || !Shift.Empty()) return;
  Key = 0;
  DoScroll(scEndScroll);
}

void TScrollBar::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TScrollBar::DoExit() {
  Invalidate();
  inherited::DoExit();
}

// --------------------------------------------------------------- painting

void TScrollBar::PaintWindow(HDC DC) {
  PaintBackground(DC);
  FCanvas->DrawOn(DC, [this] { Paint(); });
}

void TScrollBar::PaintArrow(const TRect& Rect, bool Forward) {
  using buttonpaint::TArrowDirection;
  const TArrowDirection direction = FKind == sbHorizontal ? (Forward ? TArrowDirection::Right : TArrowDirection::Left)
                                                          : (Forward ? TArrowDirection::Down : TArrowDirection::Up);
  buttonpaint::Bevel(FCanvas, Rect, false, clBtnFace);
  buttonpaint::Arrow(FCanvas, Rect, direction, FEnabled ? clBtnText : clBtnShadow);
}

void TScrollBar::Paint() {
  const TScrollBarParts parts = GetParts();
  // The light track of the classic look (its dither seen from afar).
  FCanvas->GetBrush()->SetColor(clBtnHighlight);
  FCanvas->FillRect(parts.Track);
  PaintArrow(parts.LineUp, false);
  PaintArrow(parts.LineDown, true);
  if (parts.Thumb.IsEmpty()) return;
  buttonpaint::Bevel(FCanvas, parts.Thumb, false, clBtnFace);
  const TRect& t = parts.Thumb;
  if (Focused()) FCanvas->DrawFocusRect(Rect(t.Left + 2, t.Top + 2, t.Right - 2, t.Bottom - 2));
}

}  // namespace host
