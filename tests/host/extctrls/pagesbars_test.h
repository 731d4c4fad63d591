// Shared by the tests of the pages-and-bars group: a fixture that starts the
// units up to controls and the group on the headless widgetset, a 400 x 300
// top-level control at (100, 100) holding the controls under test, and
// helpers for the robot.
#pragma once

#include <string>
#include <vector>

#include "host/extctrls/pagesbars.h"
#include "tests/host/controls/controls_test.h"
#include "tests/support/holder.h"

namespace host::pagesbarstest {

using namespace testkit;
using controlstest::Headless;

inline constexpr TUnitClasses kPageAndBarUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterPageAndBarControls, UnregisterPageAndBarControls},
};

class PagesBarsTest : public THandlesTest<kPageAndBarUnits> {
 protected:
  void SetUp() override {
    THandlesTest::SetUp();
    form.reset(New<THolder>(nullptr));
    form->SetName("Form");
    form->SetBounds(100, 100, 400, 300);
  }
  void TearDown() override {
    form.reset();
    THandlesTest::TearDown();
  }
  void Show() {
    form->Show();
    ASSERT_TRUE(form->HandleAllocated());
  }
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
  // The screen point Offset from Control's top-left corner.
  static TPoint At(TControl* Control, TPoint Offset) { return Control->ClientToScreen(Offset); }
  static TPoint Center(TControl* Control) { return At(Control, {Control->GetWidth() / 2, Control->GetHeight() / 2}); }
  // A control of class T named Name on Parent (owned by the form).
  template <class T>
  T* Add(TWinControl* Parent, const std::string& Name, TRect Bounds, TAlign Align = alNone) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetAlign(Align);
    control->SetParent(Parent);
    return control;
  }

  TOwned<THolder> form;
  std::vector<std::string> log;
};

}  // namespace host::pagesbarstest
