// TSpinEdit: the number, its arrows and the keys that step it.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>

#include "host/graphics/graphicsobj.h"
#include "host/spin/spin.h"
#include "host/stdctrls/buttons_p.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TSpinEdit, TCustomEdit)

namespace {
// The width of the arrows at the right edge.
constexpr int32_t kArrowWidth = 15;
}  // namespace

TSpinEdit::TSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner) { SetText("0"); }

int32_t TSpinEdit::CheckValue(int64_t Value) const {
  if (FMinValue < FMaxValue) Value = std::clamp<int64_t>(Value, FMinValue, FMaxValue);
  return ClampToInt32(Value);
}

int32_t TSpinEdit::GetValue() const {
  try {
    return CheckValue(StrToInt(GetText()));
  } catch (const EConvertError&) {
    return FMinValue;
  }
}

void TSpinEdit::SetValue(int32_t Value) { SetText(std::to_string(CheckValue(Value))); }

void TSpinEdit::Step(int64_t By) {
  if (GetReadOnly()) return;
  SetText(std::to_string(CheckValue(int64_t{GetValue()} + By)));
}

void TSpinEdit::UpClick() { Step(FIncrement); }
void TSpinEdit::DownClick() { Step(-int64_t{FIncrement}); }

TRect TSpinEdit::UpRect() const { return Rect(std::max(0, FWidth - kArrowWidth - 1), 1, FWidth - 1, FHeight / 2); }

TRect TSpinEdit::DownRect() const {
  return Rect(std::max(0, FWidth - kArrowWidth - 1), FHeight / 2, FWidth - 1, FHeight - 1);
}

void TSpinEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_UP || Key == VK_DOWN) {
    const auto alive = AliveFlag();
    TWinControl::KeyDown(Key, Shift);  // OnKeyDown first
    if (!*alive || Key == 0) return;
    Key == VK_UP ? UpClick() : DownClick();
    Key = 0;
    return;
  }
  inherited::KeyDown(Key, Shift);
}

// Digits and signs only, and none while the editor is off; control
// characters (Backspace, Ctrl+C...) as in any edit.
void TSpinEdit::KeyPress(char& Key) {
  const auto c = static_cast<unsigned char>(Key);
  const bool printable = c >= ' ' && c != 0x7F;
  const bool allowed = FEditorEnabled && (std::isdigit(c) || Key == '+' || Key == '-');
  if (printable && !allowed) Key = 0;
  if (Key == '\r') Key = 0;
  inherited::KeyPress(Key);
}

// An arrow held down steps again after kInitRepeatPause, then every
// kRepeatPause, until the button comes up.
void TSpinEdit::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  inherited::MouseDown(Button, Shift, X, Y);
  if (!*alive || Button != mbLeft || !GetEnabled()) return;
  FRepeatBy = PtInRect(UpRect(), {X, Y}) ? FIncrement : PtInRect(DownRect(), {X, Y}) ? -int64_t{FIncrement} : 0;
  if (FRepeatBy == 0) return;
  Step(FRepeatBy);
  if (*alive) RepeatAfter(kInitRepeatPause);
}

void TSpinEdit::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft) StopRepeat();
  inherited::MouseUp(Button, Shift, X, Y);
}

void TSpinEdit::RepeatAfter(uint32_t Pause) {
  StopRepeat();
  FRepeatTimer = WidgetSet().Windows().SetTimer(Pause, [this] {
    const auto alive = AliveFlag();
    Step(FRepeatBy);
    if (*alive) RepeatAfter(kRepeatPause);
  });
}

void TSpinEdit::StopRepeat() {
  if (FRepeatTimer) WidgetSet().Windows().KillTimer(std::exchange(FRepeatTimer, 0));
}

void TSpinEdit::Destroy() {
  StopRepeat();
  inherited::Destroy();
}

// A value typed beyond the range is brought into it when the edit is left.
void TSpinEdit::DoExit() {
  const int32_t value = GetValue();
  const auto alive = AliveFlag();
  if (GetText() != std::to_string(value)) SetValue(value);
  if (*alive) inherited::DoExit();
}

void TSpinEdit::PaintWindow(HDC DC) {
  inherited::PaintWindow(DC);
  auto* canvas = static_cast<TControlCanvas*>(GetCanvas());
  canvas->DrawOn(DC, [&] {
    const TColor ink = GetEnabled() ? clBtnText : clGrayText;
    for (auto [box, direction] : {std::pair{UpRect(), buttonpaint::TArrowDirection::Up},
                                  std::pair{DownRect(), buttonpaint::TArrowDirection::Down}}) {
      buttonpaint::Bevel(canvas, box, false, clBtnFace);
      buttonpaint::Arrow(canvas, box, direction, ink);
    }
  });
}

}  // namespace host
