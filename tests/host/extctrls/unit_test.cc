// The unit's start-up: the group registers its streamable classes and
// published properties, counted, and lists its classes in unit order.
#include "host/extctrls/extctrls.h"
#include "tests/host/extctrls/extctrls_test.h"

namespace host::extctrlstest {
namespace {

inline constexpr TUnitClasses kUnitsBeforeExtCtrls[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
};

using ExtCtrlsUnit = TUnitsTest<kUnitsBeforeExtCtrls>;

TEST_F(ExtCtrlsUnit, StartsItsGroupCountedAndListsItsClassesInOrder) {
  EXPECT_EQ(GetClass("TPanel"), nullptr);
  RegisterExtCtrlsClasses();
  RegisterExtCtrlsClasses();
  for (const char* name : {"TShape", "TPaintBox", "TImage", "TBevel", "TTimer", "TPanel", "TRadioGroup"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  EXPECT_EQ(GetClass("TGroupButton"), nullptr) << "made by its group, never streamed";
  UnregisterExtCtrlsClasses();
  EXPECT_NE(GetClass("TTimer"), nullptr);  // one start-up is still running
  UnregisterExtCtrlsClasses();
  EXPECT_EQ(GetClass("TTimer"), nullptr);
  EXPECT_EQ(GetClass("TCustomRadioGroup"), nullptr);

  const std::span<const TClass> classes = ExtCtrlsClasses();
  ASSERT_GE(classes.size(), 9u);
  EXPECT_TRUE(classes[0]->ClassNameIs("TShape"));
  EXPECT_TRUE(classes[4]->ClassNameIs("TTimer"));
  EXPECT_TRUE(classes[8]->ClassNameIs("TRadioGroup"));
}

}  // namespace
}  // namespace host::extctrlstest
