// Test helper for the classic controls that real form files use (bit and
// speed buttons, mask, spin and labeled edits, check list and colour
// boxes): a fixture that starts Units on the headless widgetset and shows a
// 400 x 300 holder at (100, 100) for the controls under test, the robot,
// and the round trip of a form text through live controls.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/formtest.h"
#include "tests/support/holder.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"
#include "tests/support/windowshot.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#ifndef EXPECT_RAISES
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)
#endif

namespace host::testkit {

// The units up to stdctrls, then the one Register and Unregister start
// and stop.
template <void (*Register)(), void (*Unregister)()>
inline constexpr TUnitClasses kStdCtrlsAnd[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses},
    {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses},
    {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses},
    {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {Register, Unregister},
};

template <const auto& Units>
class TClassicControlsTest : public THandlesTest<Units> {
 protected:
  void SetUp() override {
    THandlesTest<Units>::SetUp();
    form.reset(New<THolder>(nullptr));
    form->SetName("Form");
    form->SetBounds(100, 100, 400, 300);
    form->Show();
    ASSERT_TRUE(form->HandleAllocated());
  }
  void TearDown() override {
    form.reset();
    THandlesTest<Units>::TearDown();
  }
  static headless::THeadlessRobot& Robot() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot(); }
  // The screen point Offset from Control's top-left corner, or its middle.
  static TPoint At(TControl* Control, TPoint Offset) { return Control->ClientToScreen(Offset); }
  static TPoint Center(TControl* Control) { return At(Control, {Control->GetWidth() / 2, Control->GetHeight() / 2}); }
  // A control of class T named Name on the holder (owned by it).
  template <class T>
  T* Add(const std::string& Name, TRect Bounds) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetBoundsRect(Bounds);
    control->SetParent(form.get());
    return control;
  }
  // Writes "<name> <what>" to the log.
  TNotifyEvent Logger(const std::string& What) {
    return [this, What](TObject* Sender) { log.push_back(static_cast<TComponent*>(Sender)->GetName() + " " + What); };
  }

  // A holder's form text with Objects (object blocks indented by two) in
  // it, as text, read into live controls (Copy) and written back.
  struct TTextRoundTrip {
    std::string Read;
    std::string Written;
    TOwned<THolder> Copy;
    // The component of the copy called Name, as a T (null when none).
    template <class T>
    T* Find(const std::string& Name) const {
      return dynamic_cast<T*>(Copy->FindComponent(Name));
    }
  };
  static TTextRoundTrip ReadAndWrite(const std::string& Objects) {
    TOwned<THolder> empty(New<THolder>(nullptr));
    empty->SetName("Form");
    empty->SetBounds(0, 0, 400, 300);
    TTextRoundTrip trip{FormText(empty.get()), {}, {}};
    trip.Read.insert(trip.Read.rfind("end"), Objects);
    trip.Copy = ReadNewRoot<THolder>(TextToBinary(trip.Read));
    trip.Written = FormText(trip.Copy.get());
    return trip;
  }

  TOwned<THolder> form;
  std::vector<std::string> log;
};

// The colour a TColor is drawn in.
inline COLORREF Drawn(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

}  // namespace host::testkit
