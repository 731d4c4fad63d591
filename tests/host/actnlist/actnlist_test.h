// Shared by the action-list tests: a fixture that starts the units up to
// actnlist, and the shared helpers for short cuts and form files.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/actnlist/action.h"
#include "host/actnlist/actnlist.h"
#include "host/graphics/graphics.h"
#include "tests/support/formtest.h"
#include "tests/support/keys.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::actnlisttest {

using namespace testkit;

inline constexpr TUnitClasses kActnListUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses},
    {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses},
};

using ActnListTest = TUnitsTest<kActnListUnits>;

}  // namespace host::actnlisttest
