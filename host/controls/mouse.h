// TMouse: the mouse as the program sees it — the capture window, the cursor
// position (screen coordinates, from the widgetset), drag settings and the
// wheel. The one object is Mouse().
#pragma once

#include <cstdint>

#include "host/rtl/object.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TMouse : public TObject {
  HOST_CLASS(TMouse, TObject)
  TMouse() = default;

  HWND GetCapture() const;
  void SetCapture(HWND Value);
  TPoint GetCursorPos() const;
  void SetCursorPos(TPoint Value);
  bool GetDragImmediate() const { return FDragImmediate; }
  void SetDragImmediate(bool Value) { FDragImmediate = Value; }
  int32_t GetDragThreshold() const { return FDragThreshold; }
  void SetDragThreshold(int32_t Value) { FDragThreshold = Value; }
  bool GetMousePresent() const { return true; }
  // The message number of the registered wheel message (the classic
  // MSH_MOUSEWHEEL); this host sends WM_MOUSEWHEEL, so it is that number.
  uint32_t GetRegWheelMessage() const { return WM_MOUSEWHEEL; }
  bool GetWheelPresent() const { return true; }
  int32_t GetWheelScrollLines() const { return FWheelScrollLines; }
  // Reads the system settings again (Setting: which one changed; 0 all).
  void SettingChanged(int32_t Setting);

 protected:
  ~TMouse() override = default;

 private:
  bool FDragImmediate = true;
  int32_t FDragThreshold = 5;
  int32_t FWheelScrollLines = 3;
};

// The program's mouse object (made by the controls unit's start-up); null
// while the unit is not started.
TMouse* Mouse();
// The unit's start-up makes the mouse object and its shutdown frees it.
void CreateMouseObject();
void FreeMouseObject();

}  // namespace host
