// Combo boxes as a user meets them: the robot drops the list down and
// clicks an item in it, presses Up and Down, types to search the items or
// to edit the text; the combo box answers with its text, ItemIndex and
// events, and owner-drawn items are measured and drawn in the open list.
#include <utility>

#include "host/widgetset/wskeys.h"
#include "tests/host/stdctrls/lists_test.h"

namespace host::liststest {
namespace {

class ComboBox : public ListsTest {
 protected:
  TComboBox* NewCombo(TComboBoxStyle Style) {
    TComboBox* combo = Place<TComboBox>("Combo", Bounds(10, 10, 150, 21));
    combo->SetStyle(Style);
    combo->GetItems()->SetCommaText("apple,banana,blueberry,cherry,date,elderberry,fig,grape,kiwi,lemon");
    combo->OnChange = [this](TObject*) { log.push_back("change"); };
    combo->OnSelect = [this](TObject*) { log.push_back("select"); };
    combo->OnDropDown = [this](TObject*) { log.push_back("dropdown"); };
    combo->OnCloseUp = [this](TObject*) { log.push_back("closeup"); };
    return combo;
  }
  static TPoint Center(TControl* c) { return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2}); }
};

TEST_F(ComboBox, AClickOnAnItemOfTheDroppedDownListChoosesItAndClosesTheList) {
  TComboBox* combo = NewCombo(csDropDownList);
  combo->SetDroppedDown(true);  // not showing: stays closed
  EXPECT_FALSE(combo->GetDroppedDown());
  Show();
  Robot().Click(Center(combo));
  ASSERT_TRUE(combo->GetDroppedDown());
  TCustomListBox* list = combo->GetDropDownList();
  ASSERT_NE(list, nullptr);
  // Under the combo box, as wide, eight items high.
  EXPECT_EQ(list->ClientToScreen({0, 0}), combo->ClientToScreen({0, 21}));
  EXPECT_EQ(list->GetWidth(), 150);
  EXPECT_EQ(list->GetHeight(), 8 * 16);
  Robot().Click(AtItem(list, 2));
  EXPECT_EQ(combo->GetItemIndex(), 2);
  EXPECT_EQ(combo->GetText(), "blueberry");
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_TRUE(combo->Focused());
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "change", "select", "closeup"}));

  // Opened again it shows the current item; the same item chosen again
  // changes nothing; a click on the combo box closes it.
  log.clear();
  Robot().Click(Center(combo));
  EXPECT_EQ(list->GetItemIndex(), 2);
  Robot().Click(AtItem(list, 2));
  Robot().Click(Center(combo));
  Robot().Click(Center(combo));
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "closeup", "dropdown", "closeup"}));
  // An editable combo box opens from its button only.
  combo->SetStyle(csDropDown);
  Robot().Click(combo->ClientToScreen({20, 10}));
  EXPECT_FALSE(combo->GetDroppedDown());
  Robot().Click(combo->ClientToScreen({145, 10}));
  EXPECT_TRUE(combo->GetDroppedDown());
  // A simple combo box has no drop-down list.
  combo->SetStyle(csSimple);
  EXPECT_FALSE(combo->GetDroppedDown());
  combo->SetDroppedDown(true);
  Robot().Click(combo->ClientToScreen({145, 10}));
  EXPECT_FALSE(combo->GetDroppedDown());
}

TEST_F(ComboBox, HandlersThatFreeTheirComboOrListBoxEndTheInputSafely) {
  TComboBox* combo = NewCombo(csDropDownList);
  TListBox* list = Place<TListBox>("List", Bounds(10, 100, 120, 100));
  list->GetItems()->SetCommaText("a,b,c");
  Show();
  combo->OnSelect = [&](TObject*) {
    // The handler goes with the control: nothing of it is touched after.
    std::exchange(combo, nullptr)->Free();
  };
  Robot().Click(Center(combo));
  ASSERT_TRUE(combo->GetDroppedDown());
  Robot().Click(AtItem(combo->GetDropDownList(), 1));
  EXPECT_EQ(combo, nullptr);
  EXPECT_EQ(form->FindComponent("Combo"), nullptr);

  list->OnClick = [&](TObject*) {
    // The handler goes with the control: nothing of it is touched after.
    std::exchange(list, nullptr)->Free();
  };
  list->SetFocus();
  Robot().Press(VK_DOWN);
  EXPECT_EQ(list, nullptr);
  EXPECT_EQ(form->GetControlCount(), 0);
}

TEST_F(ComboBox, KeysChooseItemsAndTypedTextSearchesAListStyle) {
  TComboBox* combo = NewCombo(csDropDownList);
  Show();
  combo->SetFocus();
  Robot().Press(VK_DOWN);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(combo->GetItemIndex(), 1);
  EXPECT_EQ(combo->GetText(), "banana");
  Robot().Press(VK_UP);
  Robot().Press(VK_UP);  // first already: nothing happens
  EXPECT_EQ(combo->GetText(), "apple");
  EXPECT_EQ(log, (std::vector<std::string>{"change", "select", "change", "select", "change", "select"}));

  log.clear();
  Robot().Type("bl");
  EXPECT_EQ(combo->GetText(), "blueberry");
  Robot().Type("x");  // nothing starts with "blx" or "x"
  EXPECT_EQ(combo->GetText(), "blueberry");
  Robot().Type("e");
  EXPECT_EQ(combo->GetText(), "elderberry");
  EXPECT_EQ(log.size(), 6u);

  // F4 opens, Down moves in the open list, Enter closes; Escape too.
  log.clear();
  Robot().Press(VK_F4);
  EXPECT_TRUE(combo->GetDroppedDown());
  Robot().Press(VK_DOWN);
  EXPECT_EQ(combo->GetDropDownList()->GetItemIndex(), 6);
  Robot().Press(VK_RETURN);
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(combo->GetText(), "fig");
  Robot().Press(VK_DOWN, {ssAlt});
  Robot().Press(VK_ESCAPE);
  EXPECT_FALSE(combo->GetDroppedDown());
  EXPECT_EQ(log, (std::vector<std::string>{"dropdown", "change", "select", "closeup", "dropdown", "closeup"}));
}

TEST_F(ComboBox, TypingEditsTheTextOfAnEditableStyleWithinMaxLength) {
  TComboBox* combo = NewCombo(csDropDown);
  Show();
  combo->SetFocus();
  Robot().Type("Ban");
  EXPECT_EQ(combo->GetText(), "Ban");
  EXPECT_EQ(combo->GetItemIndex(), -1);
  Robot().Type("ana");
  EXPECT_EQ(combo->GetItemIndex(), 1);  // the item with that text, whatever its case
  Robot().Press(VK_BACK);
  EXPECT_EQ(combo->GetText(), "Banan");
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(log.size(), 7u);
  EXPECT_EQ(log.back(), "change");

  log.clear();
  combo->SetMaxLength(6);
  Robot().Type("axyz");
  EXPECT_EQ(combo->GetText(), "Banana");
  EXPECT_EQ(log, std::vector<std::string>{"change"});
  log.clear();
  combo->SetText("a text longer than six");  // code is not limited, fires nothing
  EXPECT_EQ(combo->GetText(), "a text longer than six");
  combo->SetText("cherry");
  EXPECT_EQ(combo->GetItemIndex(), 3);
  EXPECT_TRUE(log.empty());

  // Coming back into the combo box selects its text: typing replaces it;
  // Ctrl+A selects it again; the caret moves on as characters go in.
  combo->SetMaxLength(0);
  form->SetFocus();
  combo->SetFocus();
  EXPECT_EQ(combo->GetSelLength(), 6);
  Robot().Type("fig");
  EXPECT_EQ(combo->GetText(), "fig");
  combo->SetSelStart(1);
  Robot().Type("l");
  EXPECT_EQ(combo->GetText(), "flig");
  Robot().Press(VK_BACK);
  EXPECT_EQ(combo->GetText(), "fig");
  Robot().Press('A', {ssCtrl});
  Robot().Press(VK_BACK);
  EXPECT_EQ(combo->GetText(), "");
}

TEST_F(ComboBox, BadIndexesAndTextsChangeNothingAndItemChangesKeepTheTextInStep) {
  TComboBox* combo = NewCombo(csDropDownList);
  combo->SetItemIndex(3);
  combo->SetItemIndex(10);
  combo->SetItemIndex(-2);
  combo->SetText("no such fruit");
  EXPECT_EQ(combo->GetItemIndex(), 3);
  EXPECT_EQ(combo->GetText(), "cherry");
  EXPECT_RAISES(combo->GetItems()->GetStrings(10), EStringListError, "List index out of bounds (10)");
  combo->SetText("KIWI");
  EXPECT_EQ(combo->GetItemIndex(), 8);
  EXPECT_EQ(combo->GetText(), "kiwi");
  EXPECT_TRUE(log.empty());

  combo->GetItems()->Delete(0);
  EXPECT_EQ(combo->GetItemIndex(), 7);
  combo->GetItems()->Insert(0, "zucchini");
  combo->SetSorted(true);
  EXPECT_EQ(combo->GetItemIndex(), 7);
  EXPECT_EQ(combo->GetText(), "kiwi");
  combo->GetItems()->Delete(7);  // the chosen item goes: no text
  EXPECT_EQ(combo->GetItemIndex(), -1);
  EXPECT_EQ(combo->GetText(), "");
  combo->SetItemIndex(0);
  combo->SetItemIndex(-1);
  EXPECT_EQ(combo->GetText(), "");
  combo->SetDropDownCount(0);
  combo->SetItemHeight(-3);
  EXPECT_EQ(combo->GetDropDownCount(), 8);
  EXPECT_EQ(combo->GetItemHeight(), 16);
}

TEST_F(ComboBox, OwnerDrawnItemsAreMeasuredAndDrawnInTheOpenList) {
  TComboBox* combo = NewCombo(csOwnerDrawVariable);
  combo->GetItems()->SetCommaText("a,b,c");
  combo->OnMeasureItem = [](TWinControl*, int32_t index, int32_t& height) { height = 20 + 10 * index; };
  std::vector<std::pair<int32_t, TRect>> drawn;
  combo->OnDrawItem = [&](TWinControl* control, int32_t index, TRect rect, TOwnerDrawState) {
    EXPECT_EQ(control, combo);
    static_cast<TComboBox*>(control)->GetCanvas()->FillRect(rect);
    drawn.emplace_back(index, rect);
  };
  Show();
  Robot().Click(Center(combo));
  TCustomListBox* list = combo->GetDropDownList();
  ASSERT_TRUE(combo->GetDroppedDown());
  EXPECT_EQ(list->GetHeight(), 20 + 30 + 40);
  drawn.clear();
  list->Repaint();
  EXPECT_EQ(drawn, (std::vector<std::pair<int32_t, TRect>>{
                       {0, Rect(0, 0, 150, 20)}, {1, Rect(0, 20, 150, 50)}, {2, Rect(0, 50, 150, 90)}}));
  Robot().Click(list->ClientToScreen({10, 60}));
  EXPECT_EQ(combo->GetItemIndex(), 2);
  // The chosen item is drawn in the combo box itself as well.
  drawn.clear();
  combo->Repaint();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].first, 2);
  EXPECT_EQ(drawn[0].second, Rect(0, 0, 133, 21));
}

}  // namespace
}  // namespace host::liststest
