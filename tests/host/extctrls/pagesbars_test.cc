// The group's start-up, and the helpers of its tests.
#include "tests/host/extctrls/pagesbars_test.h"

namespace host::pagesbarstest {

namespace {

using PageAndBarGroup = TUnitsTest<controlstest::kControlsUnits>;

TEST_F(PageAndBarGroup, StartsCountedWithItsPropertiesAndListsItsClassesInOrder) {
  EXPECT_EQ(GetClass("TNotebook"), nullptr);
  RegisterPageAndBarControls();
  RegisterPageAndBarControls();
  for (const char* name : {"TPage", "TNotebook", "THeader", "TSplitter", "TControlBar"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  EXPECT_NE(GetPropInfo(&TSplitter::StaticMetaClass, "ResizeStyle"), nullptr);
  EXPECT_NE(GetPropInfo(&TControlBar::StaticMetaClass, "RowSnap"), nullptr);
  UnregisterPageAndBarControls();
  EXPECT_NE(GetClass("THeader"), nullptr) << "one start-up is still running";
  UnregisterPageAndBarControls();
  EXPECT_EQ(GetClass("THeader"), nullptr);
  EXPECT_EQ(GetPropInfo(&TSplitter::StaticMetaClass, "ResizeStyle"), nullptr);

  const std::span<const TClass> classes = PageAndBarControlClasses();
  ASSERT_EQ(classes.size(), 6u);
  EXPECT_TRUE(classes[0]->ClassNameIs("TPage"));
  EXPECT_TRUE(classes[5]->ClassNameIs("TControlBar"));
}

}  // namespace
}  // namespace host::pagesbarstest
