// Library start-up and shutdown: units in order, each with its own counter.
#include "package/package.h"

#include <gtest/gtest.h>

#include <string>

#include "core/kelcommon.h"
#include "descriptors/kelsystem.h"

namespace kel::test {
namespace {

bool Registered(const char* name) {
  try {
    return TkelClassRegistry::FindClass(name) != nullptr;
  } catch (const host::Exception&) {
    return false;  // the registry is not initialised
  }
}

TEST(Package, UnitsStartInOrderAndStopOnTheLastFinalize) {
  // The test program started the library once.
  ASSERT_GE(package::Units().size(), 4u);
  EXPECT_EQ(std::string(package::Units()[0].Name), "Classes");
  EXPECT_EQ(std::string(package::Units()[1].Name), "Kelcommon");
  EXPECT_EQ(std::string(package::Units()[2].Name), "Kelvar");
  EXPECT_EQ(std::string(package::Units()[3].Name), "Kelsystem");
  EXPECT_EQ(package::InitCount("Kelcommon"), 1);
  EXPECT_EQ(package::InitCount("Kelsystem"), 1);
  EXPECT_EQ(package::InitCount("Kelnothing"), -1);

  package::Initialize();  // counted: nothing runs again
  EXPECT_EQ(package::InitCount("Kelsystem"), 2);
  package::Finalize();
  EXPECT_EQ(package::InitCount("Kelsystem"), 1);
  EXPECT_TRUE(Registered("TObject"));

  package::Finalize();  // the last one: everything stops
  EXPECT_EQ(package::InitCount("Kelcommon"), 0);
  EXPECT_FALSE(Registered("TObject"));
  package::Finalize();  // without a matching Initialize: nothing
  EXPECT_EQ(package::InitCount("Kelcommon"), 0);

  package::Initialize();  // a fresh start registers again
  EXPECT_EQ(package::InitCount("Kelcommon"), 1);
  EXPECT_TRUE(Registered("tobject"));
  EXPECT_TRUE(Registered("TInterfacedObject"));
  EXPECT_EQ(TkelClassRegistry::FindClass("TObject"), &TObjectClassInfo::StaticMetaClass);
}

}  // namespace
}  // namespace kel::test
