// Shared by the controls tests: a fixture that starts every unit up to
// controls on the headless widgetset (with its windows) and checks that each
// test gives back the widgetset handles it took, and helpers that read what
// a window shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// A windowed control that paints itself (in PaintColor, unless clNone) and
// records its paints.
class TProbe : public TCustomControl {
  HOST_CLASS(TProbe, TCustomControl)
  explicit TProbe(TComponent* AOwner) : TCustomControl(AOwner) { SetTabStop(true); }
  std::vector<std::string> Log;
  TColor PaintColor = clNone;

 protected:
  void Paint() override;
};

// A graphic control that fills itself with its colour.
class TSwatch : public TGraphicControl {
  HOST_CLASS(TSwatch, TGraphicControl)
  explicit TSwatch(TComponent* AOwner) : TGraphicControl(AOwner) {}

 protected:
  void Paint() override;
};

// A top-level control of 400 x 300 at (100, 100) owning what is placed on it.
TOwned<TProbe> NewForm();
TProbe* NewProbe(TWinControl* Parent, const std::string& Name, TRect Bounds);
TSwatch* NewSwatch(TWinControl* Parent, const std::string& Name, TRect Bounds);

}  // namespace host::controlstest
