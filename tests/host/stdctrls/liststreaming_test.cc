// List and combo boxes in form files: their items, selection and looks
// with the classic defaults left out, through the text form and back.
#include "tests/host/stdctrls/lists_test.h"
#include "tests/support/formtest.h"

namespace host::liststest {
namespace {

using ListStreaming = ListsTest;

TEST_F(ListStreaming, ItemsSelectionAndLooksRoundTripAndDefaultsAreNotWritten) {
  auto* list = Place<TListBox>("List1", Bounds(8, 8, 120, 90));
  list->GetItems()->SetCommaText("one,two,three");
  list->SetItemIndex(1);
  list->SetColumns(2);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  auto* combo = Place<TComboBox>("Combo1", Bounds(8, 110, 150, 21));
  combo->SetStyle(csDropDownList);
  combo->SetSorted(true);
  combo->GetItems()->SetCommaText("red,green,blue");
  combo->SetItemIndex(2);
  combo->SetDropDownCount(5);
  auto* plain = Place<TComboBox>("Combo2", Bounds(8, 140, 150, 21));
  plain->SetText("typed");
  Place<TListBox>("List2", Bounds(200, 8, 120, 90));

  const auto [binary, text] = RoundTrip(form.get());
  EXPECT_NE(text.find("  object List1: TListBox\n"
                      "    Left = 8\n    Top = 8\n    Width = 120\n    Height = 90\n"
                      "    Style = lbOwnerDrawFixed\n    Columns = 2\n    ItemHeight = 20\n    ItemIndex = 1\n"
                      "    Items.Strings = (\n      'one'\n      'two'\n      'three')\n"
                      "    TabOrder = 0\n"
                      "  end\n"
                      "  object Combo1: TComboBox\n"
                      "    Left = 8\n    Top = 110\n    Width = 150\n    Height = 21\n"
                      "    Style = csDropDownList\n    DropDownCount = 5\n    ItemIndex = 2\n    Sorted = True\n"
                      "    TabOrder = 1\n    Text = 'red'\n"
                      "    Items.Strings = (\n      'blue'\n      'green'\n      'red')\n"
                      "  end\n"
                      "  object Combo2: TComboBox\n"
                      "    Left = 8\n    Top = 140\n    Width = 150\n    Height = 21\n    TabOrder = 2\n"
                      "    Text = 'typed'\n"
                      "  end\n"
                      "  object List2: TListBox\n"
                      "    Left = 200\n    Top = 8\n    Width = 120\n    Height = 90\n    TabOrder = 3\n"
                      "  end\n"),
            std::string::npos)
      << text;

  TOwned<TCustomControl> copy = ReadNewRoot<TCustomControl>(binary);
  auto* list1 = As<TListBox>(copy->FindComponent("List1"));
  auto* combo1 = As<TComboBox>(copy->FindComponent("Combo1"));
  ASSERT_TRUE(list1 && combo1);
  EXPECT_EQ(list1->GetItems()->GetCommaText(), "one,two,three");
  EXPECT_EQ(list1->GetItemIndex(), 1);
  EXPECT_EQ(list1->GetItemHeight(), 20);
  EXPECT_EQ(combo1->GetText(), "red");
  EXPECT_TRUE(combo1->GetSorted());
  EXPECT_EQ(FormText(copy.get()), text);

  // A form file naming an item that is not there selects nothing.
  const std::string bad =
      "object Form1: TCustomControl\n"
      "  object List1: TListBox\n"
      "    Items.Strings = (\n      'only')\n"
      "    ItemIndex = 4\n"
      "  end\n"
      "end\n";
  TOwned<TCustomControl> read = ReadNewRoot<TCustomControl>(TextToBinary(bad));
  auto* only = As<TListBox>(read->FindComponent("List1"));
  ASSERT_TRUE(only);
  EXPECT_EQ(only->GetItems()->GetCount(), 1);
  EXPECT_EQ(only->GetItemIndex(), -1);
}

TEST_F(ListStreaming, RegistrationIsCountedAndUndoneWithTheAncestorClasses) {
  RegisterListControls();
  UnregisterListControls();
  EXPECT_EQ(GetClass("TListBox"), &TListBox::StaticMetaClass);
  UnregisterListControls();  // the fixture's registration
  for (const char* name : {"TListBox", "TComboBox", "TCustomListBox", "TCustomComboBox", "TCustomListControl"})
    EXPECT_EQ(GetClass(name), nullptr) << name;
  RegisterListControls();
  EXPECT_EQ(GetClass("TCustomListControl"), &TCustomListControl::StaticMetaClass);
  EXPECT_EQ(GetClass("TComboBox"), &TComboBox::StaticMetaClass);
}

}  // namespace
}  // namespace host::liststest
