// The edit as a user meets it: the robot types, selects with Shift and the
// arrows, cuts, pastes and undoes with Ctrl keys; the edit answers with its
// text, selection and OnChange. Limits (MaxLength, CharCase, ReadOnly, a
// disabled edit) and bad values leave the text as it was.
#include <utility>

#include "tests/host/stdctrls/texts_test.h"

namespace host::stdctrlstest {
namespace {

class Edit : public TextsTest {
 protected:
  void SetUp() override {
    TextsTest::SetUp();
    edit = Place<TEdit>("Edit1", Bounds(10, 10, 150, 21));
    CountChanges(edit);
    edit->SetFocus();
  }
  void Press(uint16_t Key, TShiftState Shift = {}, int Times = 1) {
    for (int i = 0; i < Times; ++i) Robot().Press(Key, Shift);
  }
  TEdit* edit = nullptr;
};

TEST_F(Edit, TypedKeysEditAtTheCaretAndShiftArrowsSelectWhatTypingReplaces) {
  Robot().Type("Hello");
  EXPECT_EQ(edit->GetText(), "Hello");
  EXPECT_EQ(changes, 5);
  EXPECT_TRUE(edit->GetModified());
  EXPECT_EQ(edit->GetSelStart(), 5);

  Press(VK_LEFT, {}, 2);
  Press(VK_LEFT, {ssShift}, 2);  // "el" selected, the caret at its start
  EXPECT_EQ(edit->GetSelStart(), 1);
  EXPECT_EQ(edit->GetSelText(), "el");
  Robot().Type("ipp");
  EXPECT_EQ(edit->GetText(), "Hipplo");
  EXPECT_EQ(edit->GetSelStart(), 4);

  Press(VK_BACK);
  Press(VK_HOME);
  Press(VK_DELETE);
  EXPECT_EQ(edit->GetText(), "iplo");
  Press(VK_END, {ssShift});
  EXPECT_EQ(edit->GetSelText(), "iplo");
  Press(VK_BACK);
  EXPECT_EQ(edit->GetText(), "");
  // Backspace at the start and Delete at the end change nothing.
  const int before = changes;
  Press(VK_BACK);
  Press(VK_DELETE);
  EXPECT_EQ(changes, before);

  // OnKeyPress may change a character or swallow it (#0).
  edit->OnKeyPress = [](TObject*, char& key) { key = key == 'x' ? 0 : key == 'a' ? 'b' : key; };
  Robot().Type("xaxa");
  EXPECT_EQ(edit->GetText(), "bb");
}

TEST_F(Edit, TheSelectionIsClampedToTheTextAndReplacedByTheProgramAsByTyping) {
  edit->SetText("abcdef");
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(edit->GetModified());
  EXPECT_EQ(edit->GetSelStart(), 0);  // text set by the program puts the caret at the start
  edit->SetSelStart(99);
  EXPECT_EQ(edit->GetSelStart(), 6);
  edit->SetSelStart(2);
  edit->SetSelLength(99);
  EXPECT_EQ(edit->GetSelText(), "cdef");
  edit->SetSelStart(-4);
  EXPECT_EQ(edit->GetSelStart(), 0);
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  edit->SetSelText("XYZ");
  EXPECT_EQ(edit->GetText(), "aXYZdef");
  EXPECT_EQ(edit->GetSelStart(), 4);
  EXPECT_EQ(edit->GetSelLength(), 0);
  edit->SelectAll();
  EXPECT_EQ(edit->GetSelLength(), 7);
  edit->ClearSelection();
  EXPECT_EQ(edit->GetText(), "");
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(edit->GetModified());
}

TEST_F(Edit, MaxLengthStopsTypingAndCharCaseConvertsTypedAndSetText) {
  edit->SetMaxLength(4);
  Robot().Type("abcdefg");
  EXPECT_EQ(edit->GetText(), "abcd");
  EXPECT_EQ(changes, 4);
  // A selection makes room for what replaces it.
  Press(VK_LEFT, {ssShift});
  Robot().Type("XY");
  EXPECT_EQ(edit->GetText(), "abcX");
  // A negative limit is refused and the old one stays.
  EXPECT_RAISES(edit->SetMaxLength(-1), EInvalidOperation, "MaxLength property out of range (control 'Edit1')");
  EXPECT_EQ(edit->GetMaxLength(), 4);
  edit->SetMaxLength(0);

  edit->SetCharCase(ecUpperCase);
  EXPECT_EQ(edit->GetText(), "ABCX");
  Robot().Type("q!");
  EXPECT_EQ(edit->GetText(), "ABCXQ!");
  edit->SetCharCase(ecLowerCase);
  edit->SetText("MiXeD");
  EXPECT_EQ(edit->GetText(), "mixed");
}

TEST_F(Edit, AReadOnlyOrDisabledEditChangesNothingWhenTypedInto) {
  edit->SetText("fixed");
  edit->SelectAll();
  Robot().Press('C', {ssCtrl});
  changes = 0;
  edit->SetReadOnly(true);
  Robot().Type("zz");
  Press(VK_BACK);
  Press(VK_DELETE);
  Robot().Press('X', {ssCtrl});
  Robot().Press('V', {ssCtrl});
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "fixed");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(edit->GetModified());
  // The caret still moves, and copying still works.
  Press(VK_HOME);
  Press(VK_RIGHT, {ssShift}, 2);
  Robot().Press('C', {ssCtrl});
  EXPECT_EQ(ClipboardText(), "fi");

  edit->SetReadOnly(false);
  edit->SetEnabled(false);
  Robot().Type("zz");
  edit->Perform(WM_CHAR, 'z', 0);  // even a character sent straight to it
  EXPECT_EQ(edit->GetText(), "fixed");
  EXPECT_EQ(changes, 0);
}

TEST_F(Edit, CutAndPasteGoThroughTheClipboardAndUndoSwapsTheLastEdit) {
  Robot().Type("hello world");
  Press(VK_LEFT, {ssShift}, 5);
  Robot().Press('X', {ssCtrl});
  EXPECT_EQ(edit->GetText(), "hello ");
  EXPECT_EQ(ClipboardText(), "world");
  Press(VK_HOME);
  Robot().Press('V', {ssCtrl});
  EXPECT_EQ(edit->GetText(), "worldhello ");
  EXPECT_TRUE(edit->GetCanUndo());
  Robot().Press('Z', {ssCtrl});
  EXPECT_EQ(edit->GetText(), "hello ");
  Robot().Press('Z', {ssCtrl});  // undoing the undo brings the paste back
  EXPECT_EQ(edit->GetText(), "worldhello ");
  // Text set by the program cannot be undone.
  edit->SetText("new");
  EXPECT_FALSE(edit->GetCanUndo());
  Robot().Press('Z', {ssCtrl});
  EXPECT_EQ(edit->GetText(), "new");

  // A one-line edit pastes up to the first line break; a password is not copied.
  edit->SetSelStart(3);
  WidgetSet().OpenClipboard();
  WidgetSet().EmptyClipboard();
  const std::string twoLines = "one\r\ntwo";
  WidgetSet().SetClipboardData(
      CF_TEXT, WidgetSet().GlobalAllocBytes({reinterpret_cast<const uint8_t*>(twoLines.c_str()), twoLines.size() + 1}));
  WidgetSet().CloseClipboard();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->GetText(), "newone");
  edit->SetPasswordChar('*');
  edit->SelectAll();
  Robot().Press('C', {ssCtrl});
  Robot().Press('X', {ssCtrl});
  EXPECT_EQ(ClipboardText(), "one\r\ntwo");
  EXPECT_EQ(edit->GetText(), "newone");
}

TEST_F(Edit, TabLeavesTheEditAutoSelectingTheNextAndAClickPutsTheCaret) {
  TEdit* next = Place<TEdit>("Edit2", Bounds(10, 40, 150, 21));
  next->SetText("selected on entry");
  Robot().Type("ab");
  Press(VK_TAB);
  EXPECT_TRUE(next->Focused());
  EXPECT_EQ(edit->GetText(), "ab");  // no tab character went in
  EXPECT_EQ(next->GetSelText(), "selected on entry");
  Robot().Type("x");
  EXPECT_EQ(next->GetText(), "x");

  // A click left of the text puts the caret at the start, far right at the end.
  Robot().Click(edit->ClientToScreen({1, 10}));
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->GetSelStart(), 0);
  EXPECT_EQ(edit->GetSelLength(), 0);
  Robot().Click(edit->ClientToScreen({140, 10}), headless::TMouseButtonKind::Left, {ssShift});
  EXPECT_EQ(edit->GetSelText(), "ab");
}

TEST_F(Edit, AnEditFreedByItsOwnOnChangeOrOnKeyDownStopsThere) {
  // The handler lives in the edit: it lets go of the pointer before freeing.
  edit->OnChange = [this](TObject*) { std::exchange(edit, nullptr)->Free(); };
  Robot().Type("ab");  // the second key finds no edit to type into
  EXPECT_EQ(edit, nullptr);
  EXPECT_EQ(form->GetControlCount(), 0);

  TEdit* other = Place<TEdit>("Other", Bounds(10, 10, 100, 21));
  other->SetText("xyz");
  other->SetFocus();
  other->OnKeyDown = [&other](TObject*, uint16_t&, TShiftState) { std::exchange(other, nullptr)->Free(); };
  Robot().Press(VK_DELETE);
  EXPECT_EQ(other, nullptr);
}

}  // namespace
}  // namespace host::stdctrlstest
