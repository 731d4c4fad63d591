// Test helper: fixtures for the tests of the host's visual units. A suite
// starts the host classes, the headless widgetset and the units it names (in
// order) before its first test and stops them in reverse order after its
// last; THandlesTest also checks that every test gives back the widgetset
// handles it took.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>

#include "host/classes/hostclasses.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"

namespace host::testkit {

// How a unit registers its classes, and the counted call that undoes it.
struct TUnitClasses {
  void (*Register)();
  void (*Unregister)();
};

// Units: a constant array of TUnitClasses, each unit after those it needs.
template <const auto& Units>
class TUnitsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterHostClasses();
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    for (const TUnitClasses& unit : Units) unit.Register();
  }
  static void TearDownTestSuite() {
    for (auto unit = std::rbegin(Units); unit != std::rend(Units); ++unit) unit->Unregister();
    FinalizeWidgetSet();
    UnregisterHostClasses();
  }
};

// Also checks that every test gives back the widgetset handles it took.
template <const auto& Units>
class THandlesTest : public TUnitsTest<Units> {
 protected:
  void SetUp() override { FHandles = WidgetSet().HandleCount(); }
  void TearDown() override { EXPECT_EQ(WidgetSet().HandleCount(), FHandles) << "widgetset handles were left behind"; }

 private:
  std::size_t FHandles = 0;
};

}  // namespace host::testkit
