// TSpeedButton: a windowless button that clicks on a left click released
// over it, and stays down within its group.
#include <utility>

#include "host/buttons/buttons.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TSpeedButton, TGraphicControl)

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), TButtonGlyph(this) {
  // The button clicks itself (a grouped one changes Down first).
  FControlStyle = {csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 23, 22);
}

template <class F>
void TSpeedButton::ForGroup(F&& Visit) {
  TWinControl* parent = GetParent();
  if (!parent || FGroupIndex == 0) return;
  for (int32_t i = 0; i < parent->GetControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->GetControls(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex) Visit(other);
  }
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
  ForGroup([Value](TSpeedButton* other) { other->FAllowAllUp = Value; });
}

// A button that joins a group takes the group's AllowAllUp, and, when
// down, brings the others up; leaving every group brings it up.
void TSpeedButton::SetGroupIndex(int32_t Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  if (Value == 0) FDown = false;
  bool first = true;
  ForGroup([&](TSpeedButton* other) {
    if (std::exchange(first, false)) FAllowAllUp = other->FAllowAllUp;
    if (FDown) other->BringUp();
  });
  Invalidate();
}

// A down button of a group without AllowAllUp comes up only when another
// button of its group goes down.
void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) ForGroup([](TSpeedButton* other) { other->BringUp(); });
  Invalidate();
}

void TSpeedButton::BringUp() {
  if (!std::exchange(FDown, false)) return;
  Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
  if (ChangeField(FFlat, Value)) Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (ChangeField(FTransparent, Value)) Invalidate();
}

void TSpeedButton::Destroy() {
  StopHotTimer();
  inherited::Destroy();
}

void TSpeedButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_MOUSELEAVE) SetHot(false);
  inherited::WndProc(Message);
}

void TSpeedButton::SetHot(bool Value) {
  if (!ChangeField(FHot, Value)) return;
  if (!Value) StopHotTimer();
  if (FFlat) Invalidate();
}

// The mouse over the button makes it hot; a timer then looks, every
// kHotPoll milliseconds, whether the mouse is still over it.
void TSpeedButton::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  SetHot(true);
  if (!FHotTimer) FHotTimer = WidgetSet().Windows().SetTimer(kHotPoll, [this] { CheckHot(); });
  inherited::MouseMove(Shift, X, Y);
}

void TSpeedButton::CheckHot() {
  if (FindDragTarget(WidgetSet().Windows().GetCursorPos(), true) != this) SetHot(false);
}

void TSpeedButton::StopHotTimer() {
  if (FHotTimer) WidgetSet().Windows().KillTimer(std::exchange(FHotTimer, 0));
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && GetEnabled()) {
    FPressed = true;
    Invalidate();
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

// Released over the button: a grouped button goes down (or, with
// AllowAllUp, comes up when it was down), then OnClick. The handlers may
// free the button.
void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const bool clicked = Button == mbLeft && FPressed && PtInRect(GetClientRect(), {X, Y});
  if (Button == mbLeft && FPressed) {
    FPressed = false;
    Invalidate();
  }
  const auto alive = AliveFlag();
  if (clicked) SetDown(!FDown);
  if (clicked) Click();
  if (*alive) inherited::MouseUp(Button, Shift, X, Y);
}

// A flat button shows a frame only while the mouse is over it or it is
// down; a transparent flat button lets its parent's colour show.
void TSpeedButton::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect r = GetClientRect();
  const bool sunken = FPressed || FDown;
  const TColor face = FDown && !FPressed ? clBtnHighlight : clBtnFace;
  const TColor back = FFlat && FTransparent && GetParent() ? GetParent()->GetColor() : face;
  if (!FFlat || sunken || FHot) {
    buttonpaint::Bevel(canvas, r, sunken, FFlat && !sunken ? back : face);
  } else {
    canvas->GetBrush()->SetColor(back);
    canvas->FillRect(r);
  }
  canvas->SetFont(GetFont());
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  const TButtonState state = !GetEnabled() ? bsDisabled : FPressed ? bsDown : FDown ? bsExclusive : bsUp;
  const TPoint offset = sunken ? TPoint{1, 1} : TPoint{0, 0};
  DrawGlyphAndCaption(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), GetCaption(), state, offset,
                      !FFlat || sunken ? face : back);
}

}  // namespace host
