// TUpDown: its range and position, its associate, the user's steps and
// its two arrow buttons.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/ranges.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TUpDown, TCustomControl)

namespace {

constexpr uint32_t kRepeatDelay = 400;     // ms before a held half steps again
constexpr uint32_t kRepeatInterval = 100;  // ms between the next steps

// Value with a ',' between groups of three digits.
std::string WithThousands(int32_t Value) {
  const std::string digits = std::to_string(std::abs(int64_t{Value}));
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text.push_back(',');
    text.push_back(digits[i]);
  }
  return Value < 0 ? "-" + text : text;
}

// The number in Text, its digits grouped by any of the usual separators
// (',', '.', ' ', an apostrophe or a no-break space), when it holds one.
std::optional<int64_t> NumberIn(const std::string& Text) {
  std::string digits;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    const char c = Text[i];
    if (c == ',' || c == '.' || c == ' ' || c == '\'') continue;
    if (Text.compare(i, 2, "\xC2\xA0") == 0) {
      ++i;
      continue;
    }
    digits.push_back(c);
  }
  if (digits.empty() || digits.size() > 12) return std::nullopt;
  char* end = nullptr;
  const long long value = std::strtoll(digits.c_str(), &end, 10);
  if (*end != '\0') return std::nullopt;
  return value;
}

}  // namespace

TUpDown::TUpDown(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csDoubleClicks};
  SetBounds(0, 0, 16, 24);
}

void TUpDown::Destroy() {
  StopRepeat();
  inherited::Destroy();
}

// ------------------------------------------------------------------ range

void TUpDown::SetMin(int32_t Value) {
  FMin = Value;
  if (!Loading()) SetPosition(FPosition);
}

void TUpDown::SetMax(int32_t Value) {
  FMax = Value;
  if (!Loading()) SetPosition(FPosition);
}

void TUpDown::SetPosition(int32_t Value) {
  FPosition = Loading() ? Value : std::clamp(Value, Low(), High());
  if (!Loading()) UpdateAssociate();
}

void TUpDown::SetThousands(bool Value) {
  FThousands = Value;
  if (!Loading()) UpdateAssociate();
}

void TUpDown::SetOrientation(TUDOrientation Value) {
  comctrl::CheckEnumValue(Value, udVertical, this);
  FOrientation = Value;
  Invalidate();
}

// The associate read with the up-down shows its position once both are
// there, unless its text already holds that number (grouped as the form's
// author's locale groups digits); the places read are kept.
void TUpDown::Loaded() {
  inherited::Loaded();
  FPosition = std::clamp(FPosition, Low(), High());
  if (FAssociate && NumberIn(FAssociate->GetText()) != FPosition) UpdateAssociate();
}

// -------------------------------------------------------------- associate

void TUpDown::SetAssociate(TWinControl* Value) {
  if (Value == FAssociate) return;
  if (Value == this) throw EInvalidOperation("An up-down cannot be associated with itself");
  if (Value && GetParent()) {
    for (int32_t i = 0; i < GetParent()->GetControlCount(); ++i) {
      auto* other = dynamic_cast<TUpDown*>(GetParent()->GetControls(i));
      if (other && other != this && other->FAssociate == Value)
        throw EInvalidOperation("%s is already associated with %s",
                                {ControlDisplayName(Value), ControlDisplayName(other)});
    }
  }
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = Value;
  if (!FAssociate) return;
  FAssociate->FreeNotification(this);
  if (Loading()) return;
  PlaceBesideAssociate();
  UpdateAssociate();
}

void TUpDown::SetAlignButton(TUDAlignButton Value) {
  comctrl::CheckEnumValue(Value, udRight, this);
  if (!ChangeField(FAlignButton, Value)) return;
  if (FAssociate && !Loading()) PlaceBesideAssociate();
}

void TUpDown::PlaceBesideAssociate() {
  const int32_t left =
      FAlignButton == udRight ? FAssociate->GetLeft() + FAssociate->GetWidth() : FAssociate->GetLeft() - GetWidth();
  SetBounds(left, FAssociate->GetTop(), GetWidth(), FAssociate->GetHeight());
}

std::string TUpDown::PositionText() const { return FThousands ? WithThousands(FPosition) : std::to_string(FPosition); }

void TUpDown::UpdateAssociate() {
  if (FAssociate) FAssociate->SetText(PositionText());
}

void TUpDown::ReadAssociate() {
  if (!FAssociate) return;
  if (const std::optional<int64_t> typed = NumberIn(FAssociate->GetText()))
    FPosition = static_cast<int32_t>(std::clamp<int64_t>(*typed, Low(), High()));
}

void TUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FAssociate) FAssociate = nullptr;
}

// ------------------------------------------------------------------ steps

bool TUpDown::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

// btNext counts from Min towards Max; past an end the position stops there
// or, with Wrap, goes round to the other end.
void TUpDown::Step(TUDBtnType Button) {
  const auto alive = AliveFlag();
  ReadAssociate();
  if (!CanChange() || !*alive) return;
  const bool up = (Button == btNext) == (FMax >= FMin);
  int64_t next = int64_t{FPosition} + (up ? FIncrement : -int64_t{FIncrement});
  if (next > High()) next = FWrap ? Low() : High();
  if (next < Low()) next = FWrap ? High() : Low();
  SetPosition(static_cast<int32_t>(next));
  if (*alive && OnClick) OnClick(this, Button);
}

TRect TUpDown::ButtonRect(TUDBtnType Button) {
  const int32_t w = GetClientWidth(), h = GetClientHeight();
  if (FOrientation == udVertical) return Button == btNext ? TRect{0, 0, w, h / 2} : TRect{0, h / 2, w, h};
  return Button == btNext ? TRect{w / 2, 0, w, h} : TRect{0, 0, w / 2, h};
}

void TUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) {
    const TUDBtnType half = PtInRect(ButtonRect(btNext), {X, Y}) ? btNext : btPrev;
    FPressed = half;
    Invalidate();
    Step(half);
    if (!*alive) return;
    if (FPressed >= 0) StartRepeat(kRepeatDelay);
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft && FPressed >= 0) {
    FPressed = -1;
    StopRepeat();
    Invalidate();
  }
  inherited::MouseUp(Button, Shift, X, Y);
}

void TUpDown::StartRepeat(uint32_t Interval) {
  StopRepeat();
  if (TWSWindows* windows = RunningWindows()) FRepeatTimer = windows->SetTimer(Interval, [this] { RepeatStep(); });
}

void TUpDown::StopRepeat() {
  if (FRepeatTimer == 0) return;
  if (TWSWindows* windows = RunningWindows()) windows->KillTimer(FRepeatTimer);
  FRepeatTimer = 0;
}

// The first repeat comes after a pause, the next ones faster; the mouse
// must still hold the button down.
void TUpDown::RepeatStep() {
  if (FPressed < 0 || !GetMouseCapture()) return StopRepeat();
  const auto alive = AliveFlag();
  Step(static_cast<TUDBtnType>(FPressed));
  if (*alive && FPressed >= 0) StartRepeat(kRepeatInterval);
}

void TUpDown::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || !FArrowKeys || (Key != VK_UP && Key != VK_DOWN)) return;
  const TUDBtnType button = Key == VK_UP ? btNext : btPrev;
  Key = 0;
  Step(button);
}

void TUpDown::Paint() {
  TCanvas* canvas = GetCanvas();
  const bool vertical = FOrientation == udVertical;
  const TColor arrow = GetEnabled() ? clBtnText : clGrayText;
  for (TUDBtnType button : {btNext, btPrev}) {
    const TRect r = ButtonRect(button);
    comctrl::Bevel(canvas, r, FPressed == button, clBtnFace);
    using D = buttonpaint::TArrowDirection;
    const D direction = vertical ? (button == btNext ? D::Up : D::Down) : (button == btNext ? D::Right : D::Left);
    comctrl::Arrow(canvas, r, direction, arrow);
  }
}

}  // namespace host
