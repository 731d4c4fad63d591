// The widgetset classes of windowed controls: what a backend does for a
// host control class (make its window, move it, show its text...).
//
// A backend registers, at start-up, an implementation for each host class
// it treats in a special way (a native button for TButton, say); a host
// control finds its implementation by walking its class parents to the
// nearest registered one. The neutral TWSWinControl, used for every class
// nobody registered, makes plain windows through the backend's windows
// part (wswindows.h), which is all the headless backend needs.
#pragma once

#include <memory>
#include <string_view>

#include "host/rtl/object.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TWSWinControl {
 public:
  virtual ~TWSWinControl() = default;
  // A window for Control (its receiver) made from Params; 0 when the
  // backend makes none.
  virtual HWND CreateHandle(TObject* Control, const TCreateParams& Params);
  virtual void DestroyHandle(HWND Window);
  virtual void SetBounds(HWND Window, const TRect& Bounds);
  virtual void SetText(HWND Window, std::string_view Text);
  virtual void ShowHide(HWND Window, bool Show);
  virtual void SetEnabled(HWND Window, bool Enabled);
  virtual void Invalidate(HWND Window, const TRect* Rect);
};

// Registers (or replaces) the implementation of HostClass in the running
// widgetset; it lives until the widgetset stops.
void RegisterWSControlClass(TClass HostClass, std::unique_ptr<TWSWinControl> Implementation);
// The implementation registered for HostClass or its nearest parent; the
// neutral one when there is none.
TWSWinControl& WSControlClassOf(TClass HostClass);

}  // namespace host
