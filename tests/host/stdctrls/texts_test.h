// Shared by the tests of the text controls: a fixture that starts every
// unit up to controls and the text controls on the headless widgetset (with
// its windows), a form to place controls on, the robot, and a helper that
// reads the clipboard.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/controls/controls.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/formtest.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::stdctrlstest {

using namespace testkit;

inline constexpr TUnitClasses kTextUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterTextControls, UnregisterTextControls},
};

// A top-level container standing in for a form.
class TTextForm : public TCustomControl {
  HOST_CLASS(TTextForm, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTextForm(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }

 protected:
  ~TTextForm() override = default;
};

// Starts the units, shows a 400 x 300 form at (100, 100) for each test and
// checks that the test gives back the widgetset handles it took (the
// clipboard is emptied first).
class TextsTest : public THandlesTest<kTextUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;

  static headless::THeadlessRobot& Robot();
  // A control of class T named Name on Parent (the form when null), owned by the form.
  template <class T>
  T* Place(const std::string& Name, TRect Bounds, TWinControl* Parent = nullptr) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetParent(Parent ? Parent : form.get());
    control->SetBoundsRect(Bounds);
    return control;
  }
  // Counts OnChange of an edit or memo into `changes`.
  void CountChanges(TCustomEdit* Edit);
  // The CF_TEXT on the clipboard (empty when none).
  static std::string ClipboardText();

  TOwned<TTextForm> form;
  int changes = 0;
};

}  // namespace host::stdctrlstest
