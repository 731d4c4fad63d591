// Shared by the menu tests: a fixture that starts every unit up to menus
// on the headless widgetset and checks that each test gives back the
// widgetset and menu handles it took, the headless menu robot, and builders
// of item trees.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/menus/menus.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/raises.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::menustest {

class MenusTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

 private:
  std::size_t FHandles = 0;
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
// A key message of a short cut.
TWMKey KeyOf(TShortCut ShortCut);

std::string FormBinary(TComponent* Root);
std::string BinaryToText(const std::string& Binary);
std::string TextToBinary(const std::string& Text);
void ReadForm(const std::string& Binary, TComponent* Root);

}  // namespace host::menustest
