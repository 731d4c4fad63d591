// Check list boxes as a user meets them: Space and a click on an item's box
// check it (grayed too with AllowGrayed) and fire OnClickCheck, disabled
// items and headers stay as they are, the states follow their items, bad
// indexes raise, and form files keep what real forms give them.
#include "host/checklst/checklst.h"
#include "tests/support/classicfixture.h"

namespace host::checklsttest {
namespace {

using namespace testkit;

class CheckLstTest : public TClassicControlsTest<kStdCtrlsAnd<RegisterCheckLstClasses, UnregisterCheckLstClasses>> {
 protected:
  TCheckListBox* AddList(std::initializer_list<const char*> Items) {
    auto* list = Add<TCheckListBox>("List", Bounds(10, 10, 150, 120));
    for (const char* item : Items) list->GetItems()->Add(item);
    list->OnClickCheck = Logger("check");
    list->OnClick = Logger("click");
    return list;
  }
  // The screen point on item Index's box, or on its text.
  static TPoint OnBox(TCheckListBox* List, int32_t Index) {
    const TRect r = List->ItemRect(Index);
    return List->ClientToScreen({r.Left + 8, (r.Top + r.Bottom) / 2});
  }
  static TPoint OnText(TCheckListBox* List, int32_t Index) {
    const TRect r = List->ItemRect(Index);
    return List->ClientToScreen({r.Left + 40, (r.Top + r.Bottom) / 2});
  }
  static std::vector<TCheckBoxState> States(TCheckListBox* List) {
    std::vector<TCheckBoxState> states;
    for (int32_t i = 0; i < List->GetItems()->GetCount(); ++i) states.push_back(List->GetState(i));
    return states;
  }
};

TEST_F(CheckLstTest, SpaceAndAClickOnTheBoxCheckAnItemButAClickOnItsTextOnlySelectsIt) {
  TCheckListBox* list = AddList({"Alpha", "Beta", "Gamma"});
  Robot().Click(OnBox(list, 1));
  EXPECT_TRUE(list->GetChecked(1));
  EXPECT_EQ(list->GetItemIndex(), 1) << "the click selects the item too";
  Robot().Click(OnText(list, 2));
  EXPECT_FALSE(list->GetChecked(2));
  Robot().Press(VK_SPACE);
  EXPECT_TRUE(list->GetChecked(2));
  Robot().Press(VK_SPACE);
  EXPECT_FALSE(list->GetChecked(2));
  EXPECT_EQ(log, (std::vector<std::string>{"List click", "List check", "List click", "List check", "List check"}));

  list->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) {
    Robot().Press(VK_SPACE);
    seen.push_back(list->GetState(2));
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));

  // A disabled item and a header keep their state.
  log.clear();
  list->SetItemEnabled(0, false);
  list->SetHeader(1, true);
  Robot().Click(OnBox(list, 0));
  Robot().Click(OnBox(list, 1));
  list->SetItemIndex(1);
  Robot().Press(VK_SPACE);
  EXPECT_EQ(States(list), (std::vector<TCheckBoxState>{cbUnchecked, cbChecked, cbUnchecked}));
  EXPECT_EQ(std::count(log.begin(), log.end(), "List check"), 0);
}

TEST_F(CheckLstTest, StatesMoveWithTheirItems) {
  TCheckListBox* list = AddList({"d", "b", "c", "a"});
  list->SetChecked(0, true);
  list->SetState(2, cbGrayed);
  list->SetItemEnabled(3, false);
  list->GetItems()->Insert(0, "new");
  EXPECT_EQ(States(list), (std::vector<TCheckBoxState>{cbUnchecked, cbChecked, cbUnchecked, cbGrayed, cbUnchecked}));
  list->GetItems()->Delete(0);
  list->GetItems()->Exchange(0, 2);  // c b d a
  EXPECT_EQ(States(list), (std::vector<TCheckBoxState>{cbGrayed, cbUnchecked, cbChecked, cbUnchecked}));
  list->GetItems()->Move(3, 0);  // a c b d
  EXPECT_FALSE(list->GetItemEnabled(0));
  list->SetSorted(true);  // a b c d
  EXPECT_EQ(States(list), (std::vector<TCheckBoxState>{cbUnchecked, cbUnchecked, cbGrayed, cbChecked}));
  EXPECT_FALSE(list->GetItemEnabled(0));
  list->GetItems()->Add("e");
  EXPECT_TRUE(list->GetItemEnabled(4));
  list->GetItems()->Clear();
  list->GetItems()->Add("x");
  EXPECT_EQ(list->GetState(0), cbUnchecked);
}

TEST_F(CheckLstTest, AnIndexOutsideTheItemsOrABadStateRaisesAndChangesNothing) {
  TCheckListBox* list = AddList({"one", "two"});
  list->SetChecked(1, true);
  const std::string outOfBounds = "List index out of bounds (2)";
  EXPECT_RAISES(list->GetChecked(2), EListError, outOfBounds);
  EXPECT_RAISES(list->SetChecked(2, true), EListError, outOfBounds);
  EXPECT_RAISES(list->SetState(-1, cbChecked), EListError, "List index out of bounds (-1)");
  EXPECT_RAISES(list->SetItemEnabled(2, false), EListError, outOfBounds);
  EXPECT_RAISES(list->SetHeader(5, true), EListError, "List index out of bounds (5)");
  EXPECT_RAISES(list->SetState(0, static_cast<TCheckBoxState>(3)), EInvalidOperation,
                "Invalid property value (control 'List')");
  EXPECT_EQ(States(list), (std::vector<TCheckBoxState>{cbUnchecked, cbChecked}));
  EXPECT_TRUE(log.empty());
}

TEST_F(CheckLstTest, ACheckedBoxShowsItsTick) {
  TCheckListBox* list = AddList({"one", "two"});
  const TRect box0 = Bounds(2, list->ItemRect(0).Top + 1, 13, 13), box1 = Bounds(2, list->ItemRect(1).Top + 1, 13, 13);
  list->SetChecked(1, true);
  TWindowShot shot(list);
  EXPECT_EQ(shot.Count(box0, clWindowText), 0);
  EXPECT_GT(shot.Count(box1, clWindowText), 8);
  EXPECT_GT(shot.Count(box1, clBtnShadow), 30) << "the flat frame";
}

// The real form's box also has Anchors = [akLeft, akTop, akBottom], left out
// here: a control anchored at the bottom of a holder being read changes
// height (the controls unit's anchoring, not the check list box).
TEST_F(CheckLstTest, CheckListBoxesOfRealFormsGoThroughAFormFileUnchanged) {
  const TTextRoundTrip trip = ReadAndWrite(
      "  object CheckListBox1: TCheckListBox\n    Left = 4\n    Top = 36\n    Width = 105\n    Height = 229\n"
      "    DragMode = dmAutomatic\n    ItemHeight = 13\n"
      "    Items.Strings = (\n      'erewtert'\n      '435324f'\n      '2345342')\n    TabOrder = 0\n  end\n"
      "  object OpBox: TCheckListBox\n    Left = 56\n    Top = 64\n    Width = 41\n    Height = 81\n"
      "    AllowGrayed = True\n    Flat = False\n    ItemHeight = 16\n    TabOrder = 1\n  end\n");
  EXPECT_EQ(trip.Written, trip.Read);
}

}  // namespace
}  // namespace host::checklsttest
