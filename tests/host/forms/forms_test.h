// Shared by the forms tests: a fixture that starts every unit up to forms
// on the headless widgetset with a fresh application object for each test,
// forms made without layouts, and the robot, the idle driver and the
// message boxes of the headless backend.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/forms/forms.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/stdctrls.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::formstest {

using namespace testkit;

inline constexpr TUnitClasses kFormsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterFormsClasses, UnregisterFormsClasses},
};

class FormsTest : public THandlesTest<kFormsUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;

  static headless::THeadlessWidgetSet& Headless() {
    return static_cast<headless::THeadlessWidgetSet&>(WidgetSet());
  }
  static headless::THeadlessWindows& Windows() {
    return static_cast<headless::THeadlessWindows&>(WidgetSet().Windows());
  }
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
  static TPoint Center(TControl* Control) {
    return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
  }

  // A form of 400 x 300 at (100, 100) named Name, made without a layout;
  // the test owns it (a form it frees itself is let go with release()).
  TOwned<TForm> NewForm(const std::string& Name);
  // A control of class T named Name on Parent, owned by Parent's form.
  template <class T>
  T* Add(TWinControl* Parent, const std::string& Name, TRect Bounds) {
    T* control = New<T>(GetParentForm(Parent));
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetParent(Parent);
    return control;
  }
  TButton* AddButton(TWinControl* Parent, const std::string& Name, TModalResult Result, TRect Bounds);
  // The idle driver acts Steps in turn (each step returns whether it
  // acted), then does nothing.
  void Drive(std::vector<std::function<void()>> Steps);
  int DriverCalls() const { return FDriverCalls; }

  std::vector<std::string> log;

 private:
  std::vector<std::function<void()>> FSteps;
  int FDriverCalls = 0;
};

}  // namespace host::formstest
