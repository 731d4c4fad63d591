// The unit's start-up: the three groups together, counted, and the class
// list in unit order.
#include "host/stdctrls/stdctrls.h"
#include "tests/host/stdctrls/buttons_test.h"

namespace host::stdctrlstest {
namespace {

inline constexpr testkit::TUnitClasses kUnitsBeforeStdCtrls[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses},
};

using StdCtrlsUnit = testkit::TUnitsTest<kUnitsBeforeStdCtrls>;

TEST_F(StdCtrlsUnit, StartsItsGroupsTogetherCountedAndListsItsClassesInOrder) {
  EXPECT_EQ(GetClass("TButton"), nullptr);
  RegisterStdCtrlsClasses();
  RegisterStdCtrlsClasses();
  for (const char* name : {"TGroupBox", "TLabel", "TEdit", "TMemo", "TButton", "TCheckBox", "TRadioButton",
                           "TScrollBar", "TListBox", "TComboBox", "TStaticText"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  UnregisterStdCtrlsClasses();
  EXPECT_NE(GetClass("TEdit"), nullptr);  // one start-up is still running
  UnregisterStdCtrlsClasses();
  EXPECT_EQ(GetClass("TEdit"), nullptr);
  EXPECT_EQ(GetClass("TListBox"), nullptr);

  const std::span<const TClass> classes = StdCtrlsClasses();
  auto at = [&](const char* name) {
    for (std::size_t i = 0; i < classes.size(); ++i)
      if (classes[i]->ClassNameIs(name)) return static_cast<int>(i);
    return -1;
  };
  EXPECT_GE(at("TCustomGroupBox"), 0);
  EXPECT_LT(at("TCustomGroupBox"), at("TButtonControl"));
  EXPECT_LT(at("TButtonControl"), at("TScrollBar"));
  EXPECT_LT(at("TScrollBar"), at("TCustomListBox"));
  EXPECT_LT(at("TCustomListBox"), at("TComboBox"));
}

}  // namespace
}  // namespace host::stdctrlstest
