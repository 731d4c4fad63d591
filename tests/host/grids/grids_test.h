// Shared by the grids tests: a fixture that starts every unit up to
// stdctrls and the grids unit on the headless widgetset, shows a 400 x 300
// top-level holder at (100, 100) with a string grid on it (and an edit to
// take the focus away), and helpers that reach cells with the robot and
// read what the grid shows.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/graphics/graphics.h"
#include "host/grids/grids.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/holder.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::gridstest {

using namespace testkit;

inline constexpr TUnitClasses kGridsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterGridsClasses, UnregisterGridsClasses},
};


class GridsTest : public THandlesTest<kGridsUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;
  static headless::THeadlessRobot& Robot() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot(); }
  // The screen point in the middle of a cell of the grid.
  TPoint CellPoint(int32_t ACol, int32_t ARow) const;
  // Clicks a cell with the robot.
  void ClickCell(int32_t ACol, int32_t ARow, TShiftState Shift = {});
  // The colour the grid shows at (X, Y) of its client area.
  COLORREF At(int32_t X, int32_t Y) const;
  // How many pixels of Area (grid coordinates) show Color.
  int32_t Count(TRect Area, TColor Color) const;
  // Records the grid events into log: "select C R", "set C R 'text'", "click".
  void RecordEvents();

  TOwned<THolder> form;
  TStringGrid* grid = nullptr;
  TEdit* other = nullptr;  // a neighbour that takes the focus
  std::vector<std::string> log;
};

// The colour a TColor is drawn in.
inline COLORREF Drawn(TColor Color) { return static_cast<COLORREF>(ColorToRGB(Color)); }

}  // namespace host::gridstest
