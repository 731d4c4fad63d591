// Shared main() of every test program. Built a second time with
// CORVANE_TEST_KEL_PACKAGE for the programs that test the library's own code:
// they run with the library started (kel::package::Initialize) and stop it
// after the last test.
#include <gtest/gtest.h>

#ifdef CORVANE_TEST_KEL_PACKAGE
#include "package/package.h"

namespace {
class TkelPackageEnvironment : public testing::Environment {
 public:
  void SetUp() override { kel::package::Initialize(); }
  void TearDown() override { kel::package::Finalize(); }
};
}  // namespace
#endif

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
#ifdef CORVANE_TEST_KEL_PACKAGE
  testing::AddGlobalTestEnvironment(new TkelPackageEnvironment);
#endif
  return RUN_ALL_TESTS();
}
