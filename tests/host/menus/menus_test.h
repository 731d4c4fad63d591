// Shared by the menu tests: a fixture that starts every unit up to menus
// on the headless widgetset and checks that each test gives back the
// widgetset and menu handles it took, the headless menu robot, and builders
// of item trees.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/graphics/graphics.h"
#include "host/menus/menus.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/formtest.h"
#include "tests/support/keys.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::menustest {

using namespace testkit;

inline constexpr TUnitClasses kMenusUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses},
    {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses},
    {RegisterMenusClasses, UnregisterMenusClasses},
};

// Also checks that every test gives back the menu handles it took, and
// closes a pop-up menu a test left open.
class MenusTest : public THandlesTest<kMenusUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::size_t FMenus = 0;
};

// The headless backend's menus and their robot.
headless::THeadlessMenus& Robot();

// A new item owned by Owner, under Parent (when given), with a caption and
// a name made from it ("&Open..." gives "Open1" when Owner has no Open1).
TMenuItem* NewItem(TComponent* Owner, TMenuItem* Parent, const std::string& Caption);
// The captions of the items of an item, joined by ','.
std::string Captions(const TMenuItem* Item);
// The captions a widgetset menu handle shows, joined by ','.
std::string Shown(HMENU Menu);

}  // namespace host::menustest
