// Shared by the tests of the button group: a fixture that starts every unit
// up to controls and the button group on the headless widgetset, a shown
// top-level control that takes a modal result, and helpers for the robot.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/stdctrls/buttons.h"
#include "host/stdctrls/scrollbar.h"
#include "host/stdctrls/stdctrls.h"
#include "tests/host/controls/controls_test.h"

namespace host::stdctrlstest {

using namespace testkit;
using controlstest::Headless;

inline constexpr TUnitClasses kButtonUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterButtonControls, UnregisterButtonControls},
};

// A top-level control that holds controls and keeps the modal result a
// button sends it, as a form does.
class TTestForm : public TCustomControl {
  HOST_CLASS(TTestForm, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTestForm(TComponent* AOwner);
  TModalResult ModalResult = mrNone;

 protected:
  ~TTestForm() override = default;
  void WndProc(TMessage& Message) override;
};

// A control that wants Enter for itself (as a memo does).
class TWantsEnter : public TCustomControl {
  HOST_CLASS(TWantsEnter, TCustomControl)
  using TCreateArg = TComponent;
  explicit TWantsEnter(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }

 protected:
  ~TWantsEnter() override = default;
  void WndProc(TMessage& Message) override;
};

// The fixture of the button tests: a 400 x 300 form at (100, 100), shown
// by Show(), and a log the handlers write to.
class ButtonsTest : public THandlesTest<kButtonUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;
  void Show();
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
  // The screen point Offset from Control's top-left corner, or its middle.
  static TPoint At(TControl* Control, TPoint Offset) { return Control->ClientToScreen(Offset); }
  static TPoint Center(TControl* Control) { return At(Control, {Control->GetWidth() / 2, Control->GetHeight() / 2}); }
  // A control of class T named Name on Parent (owned by the form).
  template <class T>
  T* Add(TWinControl* Parent, const std::string& Name, TRect Bounds) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetParent(Parent);
    return control;
  }
  // Writes "<name> click" to the log on Control's OnClick.
  void LogClicks(TControl* Control);

  TOwned<TTestForm> form;
  std::vector<std::string> log;
};

// How many pixels of Rect (client coordinates) Control shows in Color, once
// what waits to be painted is painted.
int32_t PixelsShown(TWinControl* Control, const TRect& Rect, TColor Color);

}  // namespace host::stdctrlstest
