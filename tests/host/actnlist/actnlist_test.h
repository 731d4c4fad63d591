// Shared by the action-list tests: a fixture that starts the units up to
// actnlist, and helpers for form files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/actnlist/action.h"
#include "host/actnlist/actnlist.h"
#include "tests/support/raises.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::actnlisttest {

class ActnListTest : public testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
};

// A key message for a short cut.
TWMKey KeyOf(TShortCut ShortCut);

std::string FormBinary(TComponent* Root);
std::string BinaryToText(const std::string& Binary);
std::string TextToBinary(const std::string& Text);
void ReadForm(const std::string& Binary, TComponent* Root);

}  // namespace host::actnlisttest
