// The input lines of `corvane run` scripts: the headless widgetset's robot
// acts on a control of the form as a user would, so what a click or a key
// does runs the same host code, hooks and connections as real input.
//
//   click NAME            a left click in the middle of the control
//   dblclick NAME         a double click there
//   type NAME 'text'      focuses the control and types the text
//   key NAME KEY          focuses the control and presses KEY: a key name as
//                         short cuts write it (Enter, Esc, Tab, Space, BkSp,
//                         Del, Left, F5, A, 1...) after Shift+, Ctrl+, Alt+
//   wait MS               advances the clock: due timers fire
//   select NAME INDEX     clicks item INDEX of a list box (scrolled into
//                         view first) or of a combo box (its list dropped
//                         down first by a click on its button)
//   select NAME 'text'    the same for the first item of exactly that text;
//                         on a page control, a click on the tab of that
//                         index or caption; on a list view, on its item
//
// Names are looked up first in the window the user works in (the active
// form, a dialog over the form) when it is not the script's form.
//
// The control's top-level parent is shown first (its windows are made).
// A name that is no control, a control that does not show or cannot take
// the focus, and an unknown key raise host::Exception with a readable
// message; so does every input line when the running widgetset has no
// robot (only the headless one has).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/classes/component.h"

namespace corvane {

bool IsInputVerb(std::string_view Verb);

// The message boxes the headless widgetset answered since the first
// Reported ones, one line each with the answer, and whether it came from
// the queue or, with none queued, was the first button; Reported moves on.
// Empty on another widgetset.
std::string MessageBoxReport(std::size_t& Reported);
// Queues the answer (IDYES...) of the next message box; raises on another
// widgetset than the headless one.
void QueueMessageBoxAnswer(int32_t Answer);

// Advances the headless widgetset's clock by Ms: due timers fire, what they
// caused is delivered, then the application runs its idle processing.
void WaitInput(uint32_t Ms);

// While it lives, Driver acts for the user whenever the headless windows
// wait with nothing pending (a modal loop); nothing on another widgetset.
class TIdleDriverScope {
 public:
  explicit TIdleDriverScope(std::function<bool()> Driver);
  ~TIdleDriverScope();
  TIdleDriverScope(const TIdleDriverScope&) = delete;
  TIdleDriverScope& operator=(const TIdleDriverScope&) = delete;

 private:
  std::function<bool()> FPrevious;
  bool FInstalled = false;
};
// Argument: the text to type (without quotes), the key or the item index;
// empty for clicks.
void RunInput(std::string_view Verb, host::TComponent* Component, const std::string& Argument);

}  // namespace corvane
