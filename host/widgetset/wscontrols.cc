#include "host/widgetset/wscontrols.h"

#include "host/widgetset/widgetset.h"

namespace host {

HWND TWSWinControl::CreateHandle(TObject* Control, const TCreateParams& Params) {
  return WidgetSet().Windows().CreateWindow(Params, Control);
}

void TWSWinControl::DestroyHandle(HWND Window) { WidgetSet().Windows().DestroyWindow(Window); }

void TWSWinControl::SetBounds(HWND Window, const TRect& Bounds) { WidgetSet().Windows().SetWindowBounds(Window, Bounds); }

void TWSWinControl::SetText(HWND Window, std::string_view Text) { WidgetSet().Windows().SetWindowText(Window, Text); }

void TWSWinControl::ShowHide(HWND Window, bool Show) { WidgetSet().Windows().ShowWindow(Window, Show); }

void TWSWinControl::SetEnabled(HWND Window, bool Enabled) { WidgetSet().Windows().EnableWindow(Window, Enabled); }

void TWSWinControl::Invalidate(HWND Window, const TRect* Rect) { WidgetSet().Windows().InvalidateRect(Window, Rect); }

void RegisterWSControlClass(TClass HostClass, std::unique_ptr<TWSWinControl> Implementation) {
  WidgetSet().ControlClasses()[HostClass] = std::move(Implementation);
}

TWSWinControl& WSControlClassOf(TClass HostClass) {
  static TWSWinControl neutral;
  if (!WidgetSetRunning()) return neutral;
  auto& classes = WidgetSet().ControlClasses();
  for (TClass c = HostClass; c; c = c->Parent)
    if (auto it = classes.find(c); it != classes.end()) return *it->second;
  return neutral;
}

}  // namespace host
