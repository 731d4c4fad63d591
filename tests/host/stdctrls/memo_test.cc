// The memo as a user meets it: typed lines, Enter and Tab as characters or
// as keys of the form (WantReturns, WantTabs), moving between lines, and
// Lines kept in step with the text both ways.
#include "host/stdctrls/buttons.h"
#include "tests/host/stdctrls/texts_test.h"

namespace host::stdctrlstest {
namespace {

class Memo : public TextsTest {
 protected:
  void SetUp() override {
    TextsTest::SetUp();
    memo = Place<TMemo>("Memo1", Bounds(10, 10, 200, 100));
    next = Place<TEdit>("Next", Bounds(10, 120, 100, 21));
    CountChanges(memo);
    memo->SetFocus();
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int32_t i = 0; i < memo->GetLines()->GetCount(); ++i) lines.push_back(memo->GetLines()->GetStrings(i));
    return lines;
  }
  TMemo* memo = nullptr;
  TEdit* next = nullptr;
};

TEST_F(Memo, LinesAndTextStayInStepBothWays) {
  memo->GetLines()->Add("first");
  memo->GetLines()->Add("second");
  EXPECT_EQ(memo->GetText(), "first\r\nsecond");
  EXPECT_EQ(changes, 2);
  memo->GetLines()->SetStrings(0, "one");
  EXPECT_EQ(memo->GetText(), "one\r\nsecond");

  memo->SetText("a\nb\r\nc\rd");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a", "b", "c", "d"}));
  memo->GetLines()->Delete(1);
  EXPECT_EQ(memo->GetText(), "a\r\nc\r\nd");

  // A bad line index raises and changes neither.
  const int before = changes;
  EXPECT_RAISES(memo->GetLines()->SetStrings(5, "x"), EStringListError, "List index out of bounds (5)");
  EXPECT_RAISES(memo->GetLines()->Delete(-1), EStringListError, "List index out of bounds (-1)");
  EXPECT_EQ(memo->GetText(), "a\r\nc\r\nd");
  EXPECT_EQ(changes, before);

  // Assigning other strings replaces the text in one change.
  TOwned<TStringList> other = MakeOwned<TStringList>();
  other->Add("x");
  other->Add("y");
  memo->SetLines(other.get());
  EXPECT_EQ(memo->GetText(), "x\r\ny");
  memo->GetLines()->Clear();
  EXPECT_EQ(memo->GetText(), "");
}

TEST_F(Memo, EnterBreaksTheLineAndTheArrowsMoveBetweenLinesUnlessWantReturnsIsOff) {
  Robot().Type("abc\nde");
  EXPECT_EQ(memo->GetText(), "abc\r\nde");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"abc", "de"}));
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{2, 1}));
  Robot().Press(VK_UP);
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{2, 0}));
  Robot().Press(VK_END);
  Robot().Press(VK_DOWN);  // the line below is shorter: its end
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{2, 1}));
  Robot().Press(VK_HOME);
  Robot().Press(VK_LEFT);  // over the line break in one step
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{3, 0}));
  Robot().Press(VK_DELETE);  // joins the lines
  EXPECT_EQ(Lines(), (std::vector<std::string>{"abcde"}));

  memo->SetCaretPos({99, 99});  // clamped to the last line's end
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{5, 0}));
  memo->SetCaretPos({-1, 0});
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{0, 0}));

  // A click on the second line puts the caret there.
  memo->SetText("one\r\ntwo");
  Robot().Click(memo->ClientToScreen({190, 20}));
  EXPECT_EQ(memo->GetCaretPos(), (TPoint{3, 1}));
  Robot().Type("!");
  EXPECT_EQ(memo->GetText(), "one\r\ntwo!");

  // Without WantReturns, Enter is the form's: it clicks the default button.
  TButton* ok = Place<TButton>("Ok", Bounds(300, 10, 75, 25));
  ok->SetDefault(true);
  int clicks = 0;
  ok->OnClick = [&clicks](TObject*) { ++clicks; };
  Robot().Press(VK_RETURN);
  EXPECT_EQ(clicks, 0);
  memo->SetWantReturns(false);
  const int before = changes;
  Robot().Press(VK_RETURN);
  EXPECT_EQ(memo->GetText(), "one\r\ntwo!\r\n");
  EXPECT_EQ(changes, before);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(memo->Focused());
}

TEST_F(Memo, TabTypesATabWithWantTabsAndOtherwiseMovesTheFocus) {
  memo->SetWantTabs(true);
  Robot().Type("a");
  Robot().Press(VK_TAB);
  Robot().Type("b");
  EXPECT_EQ(memo->GetText(), "a\tb");
  EXPECT_TRUE(memo->Focused());

  memo->SetWantTabs(false);
  Robot().Press(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(memo->GetText(), "a\tb");
  // Back with Shift+Tab; a memo does not select all on entry.
  Robot().Press(VK_TAB, {ssShift});
  EXPECT_TRUE(memo->Focused());
  EXPECT_EQ(memo->GetSelLength(), 0);
}

TEST_F(Memo, PastedLinesKeepTheirBreaksAndUndoBringsTheLinesBack) {
  memo->SetText("end");
  memo->SelectAll();
  Robot().Press('C', {ssCtrl});
  memo->SetCaretPos({0, 0});
  Robot().Type("top\n");
  memo->SetCaretPos({3, 1});
  Robot().Press('V', {ssCtrl});
  Robot().Press(VK_RETURN);
  Robot().Press('V', {ssCtrl});
  EXPECT_EQ(Lines(), (std::vector<std::string>{"top", "endend", "end"}));
  Robot().Press('Z', {ssCtrl});
  EXPECT_EQ(memo->GetText(), "top\r\nendend\r\n");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"top", "endend"}));  // a closing line break starts no line
  memo->SetMaxLength(15);
  Robot().Type("abcd");  // room for two more
  EXPECT_EQ(Lines(), (std::vector<std::string>{"top", "endend", "ab"}));
}

}  // namespace
}  // namespace host::stdctrlstest
