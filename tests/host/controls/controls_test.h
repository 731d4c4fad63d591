// Shared by the controls tests: a fixture that starts every unit up to
// controls on the headless widgetset (with its windows) and checks that each
// test gives back the widgetset handles it took, and helpers that read what
// a window shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/actnlist/actnlist.h"
#include "host/controls/controls.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/formtest.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::controlstest {

using namespace testkit;

inline constexpr TUnitClasses kControlsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses},
};

using ControlsTest = THandlesTest<kControlsUnits>;

inline headless::THeadlessWidgetSet& Headless() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()); }

// The colour of pixel (X, Y) of what Window shows (CLR_INVALID outside).
COLORREF Shown(HWND Window, int32_t X, int32_t Y);
// The colour a TColor is drawn in.
COLORREF Drawn(TColor Color);

}  // namespace host::controlstest
