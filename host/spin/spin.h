// The spin unit of the host (the classic Samples page): the edit of a
// whole number with up and down arrows (TSpinEdit).
//
// The arrows sit at the right edge of the edit, the up arrow on the upper
// half. A click on one, or Up and Down pressed in the edit, steps Value
// by Increment (an arrow held down steps again and again, as the classic
// one does); while MinValue < MaxValue the value stays within them
// (also when set by the program or typed and the edit is left). Only
// digits and signs can be typed, and nothing when EditorEnabled is off;
// a read-only spin edit does not step. A text that is no number reads as
// MinValue.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterStdCtrlsClasses();   host/stdctrls
//   RegisterSpinClasses();           this unit
#pragma once

#include <cstdint>
#include <span>

#include "host/stdctrls/texts.h"

namespace host {

void RegisterSpinClasses();
void UnregisterSpinClasses();
// The classes of this unit, in unit order.
std::span<const TClass> SpinClasses();

class TSpinEdit : public TCustomEdit {
  HOST_CLASS(TSpinEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TSpinEdit(TComponent* AOwner);

  int32_t GetValue() const;
  void SetValue(int32_t Value);
  int32_t GetMinValue() const { return FMinValue; }
  void SetMinValue(int32_t Value) { FMinValue = Value; }
  int32_t GetMaxValue() const { return FMaxValue; }
  void SetMaxValue(int32_t Value) { FMaxValue = Value; }
  int32_t GetIncrement() const { return FIncrement; }
  void SetIncrement(int32_t Value) { FIncrement = Value; }
  bool GetEditorEnabled() const { return FEditorEnabled; }
  void SetEditorEnabled(bool Value) { FEditorEnabled = Value; }
  // Value within MinValue..MaxValue when MinValue < MaxValue.
  int32_t CheckValue(int64_t Value) const;
  // What a click on the up or down arrow does.
  void UpClick();
  void DownClick();
  // The arrows' rectangles in the client area.
  TRect UpRect() const;
  TRect DownRect() const;
  // How long an arrow held down waits before it steps again, and then
  // between steps, in ms.
  static constexpr uint32_t kInitRepeatPause = 400;
  static constexpr uint32_t kRepeatPause = 100;

 protected:
  ~TSpinEdit() override = default;
  void Destroy() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void DoExit() override;
  void PaintWindow(HDC DC) override;

 private:
  void Step(int64_t By);
  void RepeatAfter(uint32_t Pause);
  void StopRepeat();
  int32_t FMinValue = 0;
  int32_t FMaxValue = 0;
  int32_t FIncrement = 1;
  bool FEditorEnabled = true;
  int64_t FRepeatBy = 0;  // what the arrow held down steps by
  THandle FRepeatTimer = 0;
};

}  // namespace host
