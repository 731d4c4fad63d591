#include "tools/scriptinput.h"

#include "host/controls/controls.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

namespace corvane {

namespace {

using host::Exception;

constexpr std::string_view kVerbs[] = {"click", "dblclick", "type", "key"};

host::headless::THeadlessRobot& Robot() {
  auto* headless = dynamic_cast<host::headless::THeadlessWidgetSet*>(&host::WidgetSet());
  if (!headless)
    throw Exception("Input lines need the headless widgetset (%s is running)", {host::WidgetSet().Name()});
  return headless->Robot();
}

// The control, with its top-level parent shown so that it has windows.
host::TControl* ShownControl(host::TComponent* Component) {
  auto* control = dynamic_cast<host::TControl*>(Component);
  if (!control) throw Exception("%s is not a control", {host::ComponentDisplayName(Component)});
  host::TControl* top = control;
  while (top->GetParent()) top = top->GetParent();
  if (auto* win = dynamic_cast<host::TWinControl*>(top); win && !win->HandleAllocated()) win->Show();
  for (host::TControl* c = control; c; c = c->GetParent())
    if (!c->GetVisible()) throw Exception("%s does not show", {host::ComponentDisplayName(Component)});
  return control;
}

host::TPoint Middle(host::TControl* Control) {
  return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
}

void Focus(host::TControl* Control) {
  auto* win = dynamic_cast<host::TWinControl*>(Control);
  if (!win || !win->CanFocus())
    throw Exception("%s cannot take the keyboard focus", {host::ComponentDisplayName(Control)});
  win->SetFocus();
}

void PressKey(const std::string& Name) {
  const host::TShortCut shortCut = host::TextToShortCut(Name);
  if (shortCut == host::scNone) throw Exception("Unknown key '%s'", {Name});
  uint16_t key = 0;
  host::TShiftState shift;
  host::ShortCutToKey(shortCut, key, shift);
  Robot().Press(key, shift);
}

}  // namespace

bool IsInputVerb(std::string_view Verb) {
  for (std::string_view v : kVerbs)
    if (host::AnsiSameText(Verb, v)) return true;
  return false;
}

void RunInput(std::string_view Verb, host::TComponent* Component, const std::string& Argument) {
  host::TControl* control = ShownControl(Component);
  if (host::AnsiSameText(Verb, "click")) {
    Robot().Click(Middle(control));
  } else if (host::AnsiSameText(Verb, "dblclick")) {
    Robot().DoubleClick(Middle(control));
  } else if (host::AnsiSameText(Verb, "type")) {
    Focus(control);
    Robot().Type(Argument);
  } else {
    Focus(control);
    PressKey(Argument);
  }
}

}  // namespace corvane
