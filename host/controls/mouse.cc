// TMouse: the capture window and the cursor position come from the running
// widgetset's windows (a backend without windows answers 0 and the origin);
// the drag and wheel settings are the host's own.
#include "host/controls/mouse.h"

#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TMouse, TObject)

namespace {

// The wheel scrolls this many lines a notch unless the system says otherwise.
constexpr int32_t kSystemWheelScrollLines = 3;
// The classic SPI_GETWHEELSCROLLLINES setting number.
constexpr int32_t kWheelScrollLinesSetting = 0x0068;

TMouse* mouseObject = nullptr;

}  // namespace

HWND TMouse::GetCapture() const {
  TWSWindows* windows = RunningWindows();
  return windows ? windows->GetCapture() : 0;
}

void TMouse::SetCapture(HWND Value) {
  TWSWindows* windows = RunningWindows();
  if (!windows || windows->GetCapture() == Value) return;
  if (Value)
    windows->SetCapture(Value);
  else
    windows->ReleaseCapture();
}

TPoint TMouse::GetCursorPos() const {
  TWSWindows* windows = RunningWindows();
  return windows ? windows->GetCursorPos() : TPoint{};
}

void TMouse::SetCursorPos(TPoint Value) {
  if (TWSWindows* windows = RunningWindows()) windows->SetCursorPos(Value);
}

void TMouse::SettingChanged(int32_t Setting) {
  if (Setting == 0 || Setting == kWheelScrollLinesSetting) FWheelScrollLines = kSystemWheelScrollLines;
}

TMouse* Mouse() { return mouseObject; }

void CreateMouseObject() {
  if (!mouseObject) mouseObject = New<TMouse>();
}

void FreeMouseObject() { FreeAndNil(mouseObject); }

}  // namespace host
