// Scrolling controls: the scroll bars of a scrolling control, the ranges
// that follow the children, scrolling a control into view, the scroll box.
#include "host/forms/scrolling.h"

#include <algorithm>

#include "host/forms/forms_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TControlScrollBar, TPersistent)
HOST_IMPL(TScrollingWinControl, TWinControl)
HOST_IMPL(TScrollBox, TScrollingWinControl)

// ---------------------------------------------------------- TControlScrollBar

TControlScrollBar::TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind)
    : FControl(Control), FKind(Kind) {}

void TControlScrollBar::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TControlScrollBar*>(Source);
  if (!source) {
    inherited::Assign(Source);
    return;
  }
  FButtonSize = source->FButtonSize;
  FColor = source->FColor;
  FParentColor = source->FParentColor;
  FIncrement = source->FIncrement;
  FMargin = source->FMargin;
  FSize = source->FSize;
  FStyle = source->FStyle;
  FSmooth = source->FSmooth;
  FThumbSize = source->FThumbSize;
  FTracking = source->FTracking;
  FVisible = source->FVisible;
  if (source->FControl && !source->FControl->GetAutoScroll()) FControl->FAutoScroll = false;
  SetCalcRange(source->FRange);
  SetPosition(source->FPosition);
}

int32_t TControlScrollBar::ControlSize() const {
  return FKind == sbHorizontal ? FControl->GetClientWidth() : FControl->GetClientHeight();
}

int32_t TControlScrollBar::MaxPosition() const { return std::max(0, FRange - ControlSize()); }

bool TControlScrollBar::IsScrollBarVisible() const { return FVisible && FRange > ControlSize(); }

void TControlScrollBar::ChangeBiDiPosition() {
  if (FKind == sbVertical) FControl->Invalidate();
}

void TControlScrollBar::SetPosition(int32_t Value) {
  const int32_t position = std::clamp(Value, 0, MaxPosition());
  const int32_t delta = FPosition - position;
  if (delta == 0) return;
  FPosition = position;
  const bool updating = std::exchange(FControl->FUpdatingScrollBars, true);
  if (FKind == sbHorizontal)
    FControl->ScrollBy(delta, 0);
  else
    FControl->ScrollBy(0, delta);
  FControl->FUpdatingScrollBars = updating;
}

void TControlScrollBar::CheckNotNegative(int32_t Value, const char* Name) {
  if (Value < 0) throw ERangeError("Scroll bar %s must not be negative (%d)", {std::string(Name), Value});
}

void TControlScrollBar::SetCalcRange(int32_t Value) {
  FRange = Value;
  // A range that shrank below the position scrolls back.
  SetPosition(FPosition);
  Changed();
}

void TControlScrollBar::SetRange(int32_t Value) {
  CheckNotNegative(Value, "Range");
  FControl->FAutoScroll = false;
  SetCalcRange(Value);
}

void TControlScrollBar::SetIncrement(TScrollBarInc Value) {
  if (Value < 1 || Value > 32767) throw ERangeError("Scroll bar Increment must lie in 1..32767 (%d)", {Value});
  FIncrement = Value;
}

void TControlScrollBar::SetMargin(int32_t Value) {
  CheckNotNegative(Value, "Margin");
  FMargin = Value;
  if (FControl->FAutoScroll) FControl->UpdateScrollBars();
}

void TControlScrollBar::SetSize(int32_t Value) {
  CheckNotNegative(Value, "Size");
  FSize = Value;
  Changed();
}

void TControlScrollBar::SetButtonSize(int32_t Value) {
  CheckNotNegative(Value, "ButtonSize");
  FButtonSize = Value;
  Changed();
}

void TControlScrollBar::SetThumbSize(int32_t Value) {
  CheckNotNegative(Value, "ThumbSize");
  FThumbSize = Value;
  Changed();
}

void TControlScrollBar::SetStyle(TScrollBarStyle Value) {
  formsdetail::CheckEnum(Value, "Style", ControlDisplayName(FControl));
  FStyle = Value;
  Changed();
}

void TControlScrollBar::SetVisible(bool Value) {
  FVisible = Value;
  // A hidden bar shows the content from its start.
  if (!Value) SetPosition(0);
  Changed();
}

TColor TControlScrollBar::GetColor() const { return FParentColor ? FControl->GetColor() : FColor; }

void TControlScrollBar::SetColor(TColor Value) {
  FColor = Value;
  FParentColor = false;
  Changed();
}

void TControlScrollBar::SetParentColor(bool Value) {
  FParentColor = Value;
  Changed();
}

void TControlScrollBar::Scroll(TScrollStep Step) {
  const int32_t page = std::max(1, ControlSize());
  switch (Step) {
    case ssLineUp: SetPosition(FPosition - FIncrement); break;
    case ssLineDown: SetPosition(FPosition + FIncrement); break;
    case ssPageUp: SetPosition(FPosition - page); break;
    case ssPageDown: SetPosition(FPosition + page); break;
    case ssTop: SetPosition(0); break;
    case ssBottom: SetPosition(MaxPosition()); break;
  }
}

void TControlScrollBar::Changed() { FControl->Invalidate(); }

// ------------------------------------------------------- TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
  FHorzScrollBar = New<TControlScrollBar>(this, sbHorizontal);
  FVertScrollBar = New<TControlScrollBar>(this, sbVertical);
}

void TScrollingWinControl::Destroy() {
  FreeAndNil(FHorzScrollBar);
  FreeAndNil(FVertScrollBar);
  inherited::Destroy();
}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (FAutoScroll == Value) return;
  FAutoScroll = Value;
  if (Value) {
    UpdateScrollBars();
  } else {
    FHorzScrollBar->SetCalcRange(0);
    FVertScrollBar->SetCalcRange(0);
  }
}

void TScrollingWinControl::EnableAutoRange() {
  if (FAutoRangeCount == 0) return;
  if (--FAutoRangeCount == 0 && FAutoScroll) UpdateScrollBars();
}

int64_t TScrollingWinControl::EdgeOf(const TControl* C, TScrollBarKind Kind) const {
  if (!C->GetVisible()) return -1;
  // Controls that stretch along the bar follow the client size: they make
  // no extent of their own.
  const bool horz = Kind == sbHorizontal;
  const TAlign align = C->GetAlign();
  if (align == alClient || (horz ? align == alRight || align == alTop || align == alBottom
                                 : align == alBottom || align == alLeft || align == alRight))
    return -1;
  const int32_t position = (horz ? FHorzScrollBar : FVertScrollBar)->FPosition;
  return (horz ? int64_t{C->GetLeft()} + C->GetWidth() : int64_t{C->GetTop()} + C->GetHeight()) + position;
}

int32_t TScrollingWinControl::ChildExtent(TScrollBarKind Kind) {
  TKnownExtent known;
  for (int32_t i = 0; i < GetControlCount(); ++i) {
    const TControl* c = GetControls(i);
    if (const int64_t edge = EdgeOf(c, Kind); edge > known.Extent) known = {edge, c};
  }
  FKnown[Kind == sbHorizontal ? 0 : 1] = known;
  return ClampToInt32(known.Extent);
}

int64_t TScrollingWinControl::ExtentAfter(TScrollBarKind Kind, TControl* Moved) {
  TKnownExtent& known = FKnown[Kind == sbHorizontal ? 0 : 1];
  const int64_t edge = Moved->GetParent() == this ? EdgeOf(Moved, Kind) : -1;
  if (edge >= known.Extent && edge > 0) {
    known = {edge, Moved};
    return edge;
  }
  // Only the child that reached the extent can take it back.
  return Moved == known.Holder ? ChildExtent(Kind) : known.Extent;
}

void TScrollingWinControl::CalcAutoRange(TControl* Moved) {
  if (FUpdatingScrollBars) return;
  if (FAutoRangeCount > 0 || !FAutoScroll || GetComponentState().Contains(csLoading) ||
      GetComponentState().Contains(csDestroying)) {
    FExtentsKnown = false;  // children may move unseen until the next full computation
    return;
  }
  FUpdatingScrollBars = true;
  try {
    const bool incremental = Moved && FExtentsKnown && Moved->IsFreelyPlaced();
    for (TControlScrollBar* bar : {FHorzScrollBar, FVertScrollBar}) {
      const int64_t extent = incremental ? ExtentAfter(bar->FKind, Moved) : ChildExtent(bar->FKind);
      bar->SetCalcRange(extent > 0 ? ClampToInt32(extent + bar->FMargin) : 0);
    }
    FExtentsKnown = true;
  } catch (...) {
    FUpdatingScrollBars = false;
    FExtentsKnown = false;
    throw;
  }
  FUpdatingScrollBars = false;
}

void TScrollingWinControl::UpdateScrollBars() { CalcAutoRange(); }

void TScrollingWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  inherited::AlignControls(AControl, Rect);
  CalcAutoRange(AControl);
}

bool TScrollingWinControl::RectInside(TControl* AControl, TRect& Rect) {
  int64_t left = 0, top = 0;
  TControl* c = AControl;
  while (c && c != this) {
    left += c->GetLeft();
    top += c->GetTop();
    c = c->GetParent();
  }
  if (!c || AControl == this) return false;
  Rect = Bounds(ClampToInt32(left), ClampToInt32(top), AControl->GetWidth(), AControl->GetHeight());
  return true;
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
  TRect r;
  if (!AControl || !RectInside(AControl, r))
    throw EInvalidOperation("Cannot scroll '%s' into view: it does not lie in '%s'",
                            {AControl ? ControlDisplayName(AControl) : std::string("nil"), ControlDisplayName(this)});
  // Along one bar: the start shows, and the end too when it fits.
  auto bring = [](TControlScrollBar* bar, int64_t start, int64_t end, int32_t client) {
    start -= bar->GetMargin();
    end += bar->GetMargin();
    if (start < 0)
      bar->SetPosition(ClampToInt32(bar->GetPosition() + start));
    else if (end > client)
      bar->SetPosition(ClampToInt32(bar->GetPosition() + std::min(end - client, start)));
  };
  bring(FHorzScrollBar, r.Left, r.Right, GetClientWidth());
  bring(FVertScrollBar, r.Top, r.Bottom, GetClientHeight());
}

void TScrollingWinControl::AutoScrollInView(TControl* AControl) {
  if (!FAutoScroll || !AControl || GetComponentState().Contains(csLoading)) return;
  if (AControl->GetComponentState().Contains(csLoading)) return;
  TRect r;
  if (RectInside(AControl, r)) ScrollInView(AControl);
}

bool TScrollingWinControl::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  TControlScrollBar* bar = Shift.Contains(ssShift) ? FHorzScrollBar : FVertScrollBar;
  if (!bar->IsScrollBarVisible()) return false;
  const int64_t lines = WheelDelta / WHEEL_DELTA;
  bar->SetPosition(ClampToInt32(bar->GetPosition() - lines * bar->GetIncrement()));
  return true;
}

// ------------------------------------------------------------------ TScrollBox

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  formsdetail::CheckEnum(Value, "BorderStyle", ControlDisplayName(this));
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Realign();
  Invalidate();
}

void TScrollBox::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  if (FBorderStyle == bsSingle) Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1};
}

void TScrollBox::PaintWindow(HDC DC) {
  inherited::PaintWindow(DC);
  if (FBorderStyle != bsSingle) return;
  TOwned<TBrush> frame = MakeOwned<TBrush>();
  frame->SetColor(clWindowFrame);
  WidgetSet().FrameRect(DC, GetClientRect(), frame->GetHandle());
}

}  // namespace host
