// Shared by the comctrls tests: a fixture that starts the units up to
// controls and the comctrls unit on the headless widgetset, a shown 400 x
// 300 top-level control at (100, 100) holding the controls under test, and
// helpers for the robot and for reading what a control shows.
#pragma once

#include <string>
#include <vector>

#include "host/comctrls/comctrls.h"
#include "host/controls/ctrlimglist.h"
#include "host/menus/menu.h"
#include "tests/host/controls/controls_test.h"
#include "tests/support/holder.h"

namespace host::comctrlstest {

using namespace testkit;
using controlstest::Headless;

inline constexpr TUnitClasses kComCtrlsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterComCtrlsClasses, UnregisterComCtrlsClasses},
};


class ComCtrlsTest : public THandlesTest<kComCtrlsUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
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
  // An image list of 16 x 16 images, image i filled with Colors[i].
  TImageList* NewImages(const std::string& Name, std::initializer_list<TColor> Colors);
  // The colour Control shows at (X, Y) of its client area, once what waits
  // to be painted is painted (a graphic control's on its parent's window).
  static COLORREF Pixel(TControl* Control, int32_t X, int32_t Y);

  TOwned<THolder> form;
  std::vector<std::string> log;
};

// The colour a TColor is drawn in.
inline COLORREF Drawn(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

}  // namespace host::comctrlstest
