// Shared by the tests of the shapes-and-panels group: a fixture that starts
// every unit up to stdctrls and the group on the headless widgetset, shows a
// 400 x 300 form at (100, 100) for each test, and helpers that place
// controls and read what the form shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/extctrls/shapespanels.h"
#include "host/stdctrls/stdctrls.h"
#include "tests/host/controls/controls_test.h"
#include "tests/support/holder.h"

namespace host::extctrlstest {

using namespace testkit;
using controlstest::Headless;

inline constexpr TUnitClasses kExtCtrlsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterShapeAndPanelControls, UnregisterShapeAndPanelControls},
};

// A top-level control that holds controls, as a form does.
using TExtForm = THolder;

class ExtCtrlsTest : public THandlesTest<kExtCtrlsUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
  // A control of class T named Name on Parent (the form when null), owned by the form.
  template <class T>
  T* Place(const std::string& Name, TRect Bounds, TWinControl* Parent = nullptr) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetParent(Parent ? Parent : form.get());
    return control;
  }
  // The colour shown at (X, Y) of Control (on its own window, or on its
  // parent's for a graphic control), once what waits to be painted is
  // painted; CLR_INVALID outside the window.
  static COLORREF At(TControl* Control, int32_t X, int32_t Y);
  // How many pixels of Area (Control's coordinates) show Color.
  static int32_t Count(TControl* Control, TRect Area, TColor Color);
  // The screen point at the middle of Control.
  static TPoint Center(TControl* Control) {
    return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
  }

  TOwned<TExtForm> form;
  std::vector<std::string> log;
};

// The colour a TColor is drawn in.
inline COLORREF Drawn(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

}  // namespace host::extctrlstest
