// The value list editor as a user meets it: rows following the strings,
// a value typed through the robot landing in Strings, the key column kept
// from the user, OnValidate when an edited row is left, refused writes,
// painting, and the editor through a form file and back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/classes/strings.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "host/valedit/valedit.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/wskeys.h"
#include "tests/support/formtest.h"
#include "tests/support/holder.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"
#include "tests/support/windowshot.h"

namespace host::valedittest {
namespace {

using namespace testkit;

constexpr TUnitClasses kUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterGridsClasses, UnregisterGridsClasses},       {RegisterValEditClasses, UnregisterValEditClasses},
};

class ValueListTest : public THandlesTest<kUnits> {
 protected:
  void SetUp() override {
    THandlesTest::SetUp();
    form.reset(New<THolder>(nullptr));
    form->SetName("Form");
    form->SetBounds(100, 100, 400, 300);
    editor = New<TValueListEditor>(form.get());
    editor->SetName("Editor");
    editor->SetBounds(10, 10, 306, 150);
    editor->SetParent(form.get());
    other = New<TEdit>(form.get());
    other->SetName("Other");
    other->SetBounds(10, 200, 100, 24);
    other->SetParent(form.get());
    editor->GetStrings()->SetTextStr("Host=localhost\nPort=80\n");
    form->Show();
  }
  void TearDown() override {
    form.reset();
    THandlesTest::TearDown();
  }
  static headless::THeadlessRobot& Robot() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot(); }
  void ClickCell(int32_t ACol, int32_t ARow) {
    const TRect r = editor->CellRect(ACol, ARow);
    Robot().Click(editor->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
  }
  std::string Text() const { return editor->GetStrings()->GetTextStr(); }

  TOwned<THolder> form;
  TValueListEditor* editor = nullptr;
  TEdit* other = nullptr;
  std::vector<std::string> log;
};

TEST_F(ValueListTest, RowsFollowTheStringsUnderATitleRow) {
  EXPECT_EQ(editor->GetColCount(), 2);
  EXPECT_EQ(editor->GetRowCount(), 3);
  EXPECT_EQ(editor->GetFixedRows(), 1);
  EXPECT_EQ(editor->GetKeys(2), "Port");
  EXPECT_EQ(editor->GetValues("Port"), "80");
  int32_t row = 0;
  ASSERT_TRUE(editor->FindRow("Port", row));
  EXPECT_EQ(row, 2);
  EXPECT_FALSE(editor->FindRow("User", row));

  editor->SetValues("User", "admin");
  EXPECT_EQ(editor->GetRowCount(), 4);
  EXPECT_EQ(editor->InsertRow("Path", "/", false), 1) << "inserted before the current row";
  EXPECT_EQ(Text(), "Path=/\nHost=localhost\nPort=80\nUser=admin\n");
  editor->DeleteRow(1);
  editor->GetStrings()->Clear();
  EXPECT_EQ(editor->GetRowCount(), 2) << "an empty list shows one empty row";
  editor->SetDisplayOptions({doAutoColResize});
  EXPECT_EQ(editor->GetFixedRows(), 0);
  EXPECT_EQ(editor->GetRowCount(), 1);
  EXPECT_EQ(editor->GetColWidths(0) + editor->GetColWidths(1) + 2 * editor->GetGridLineWidth(),
            editor->GetClientWidth() - 2)
      << "the value column takes the width the key column leaves";
}

TEST_F(ValueListTest, AValueTypedThroughTheRobotLandsInStrings) {
  int changes = 0;
  editor->OnStringsChange = [&](TObject*) { ++changes; };
  editor->OnValidate = [&](TObject*, int32_t, int32_t ARow, const std::string& Key, const std::string& Value) {
    log.push_back(std::to_string(ARow) + " " + Key + "=" + Value);
  };
  ClickCell(1, 2);
  ASSERT_TRUE(editor->GetEditorMode()) << "goAlwaysShowEditor shows the editor over the value";
  EXPECT_EQ(editor->GetInplaceEditor()->GetText(), "80");
  Robot().Press(VK_END);
  Robot().Type("80");
  EXPECT_EQ(editor->GetValues("Port"), "8080");
  EXPECT_EQ(changes, 2) << "each change of the editor's text reaches Strings";
  EXPECT_TRUE(log.empty()) << "nothing is validated while the row is being edited";

  ClickCell(1, 1);
  EXPECT_EQ(log, std::vector<std::string>{"2 Port=8080"});
  EXPECT_EQ(editor->GetRow(), 1);
  Robot().Type("x");
  Robot().Click(other->ClientToScreen({5, 5}));
  EXPECT_EQ(log.back(), "1 Host=x") << "leaving the control validates the row edited";

  // The key column is not the user's: a click there leaves the current cell.
  ClickCell(0, 2);
  EXPECT_EQ(editor->GetCol(), 1);
  EXPECT_EQ(editor->GetKeys(2), "Port");
}

TEST_F(ValueListTest, ARaisingOnValidateKeepsTheUserInTheRow) {
  editor->OnValidate = [](TObject*, int32_t, int32_t, const std::string&, const std::string& Value) {
    if (Value.empty()) throw EConvertError("A value is needed");
  };
  ClickCell(1, 1);
  Robot().Press(VK_END);
  for (int i = 0; i < 9; ++i) Robot().Press(VK_BACK);
  EXPECT_EQ(editor->GetValues("Host"), "");
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { ClickCell(1, 2); }), "A value is needed");
  EXPECT_EQ(editor->GetRow(), 1);
  Robot().Type("db");
  ClickCell(1, 2);
  EXPECT_EQ(editor->GetRow(), 2);
}

TEST_F(ValueListTest, RefusedWritesChangeNothing) {
  editor->SetKeyOptions({keyEdit, keyUnique});
  EXPECT_EQ(RaisedMessage<EListError>([&] { editor->SetKeys(2, "Host"); }), "Duplicate key 'Host'");
  EXPECT_EQ(RaisedMessage<EListError>([&] { editor->InsertRow("Port", "1", true); }), "Duplicate key 'Port'");
  EXPECT_EQ(RaisedMessage<EInvalidGridOperation>([&] { editor->DeleteRow(0); }), "Grid index out of range");
  EXPECT_EQ(RaisedMessage<EInvalidGridOperation>([&] { editor->GetKeys(7); }), "Grid index out of range");
  EXPECT_EQ(Text(), "Host=localhost\nPort=80\n");
  editor->SetKeys(2, "Service");
  EXPECT_EQ(Text(), "Host=localhost\nService=80\n");
}

TEST_F(ValueListTest, TitlesKeysAndValuesArePainted) {
  editor->GetTitleCaptions()->SetTextStr("Name\nSetting\n");
  WidgetSet().Windows().UpdateWindow(editor->GetWindowHandle());
  const TWindowShot shot(editor);
  const TRect title = editor->CellRect(0, 0), key = editor->CellRect(0, 1), value = editor->CellRect(1, 1);
  EXPECT_GT(shot.Count(title, clBtnText), 0) << "the title caption shows";
  EXPECT_GT(shot.Count(key, clBtnFace), key.Width() * key.Height() / 2) << "a fixed key column is drawn as fixed";
  EXPECT_GT(shot.Count(key, clWindowText), 0) << "the key shows";
  const int32_t valueInk = shot.Count(value, clWindowText) + shot.Count(value, clHighlightText);
  EXPECT_GT(valueInk, 0) << "the value shows";
}

TEST_F(ValueListTest, TheEditorGoesThroughAFormFileAndBack) {
  editor->SetKeyOptions({keyEdit, keyAdd});
  editor->GetTitleCaptions()->SetTextStr("Name\nSetting\n");
  const TFormRoundTrip text = RoundTrip(form.get());
  for (const char* line : {"KeyOptions = [keyEdit, keyAdd]", "Strings.Strings = (\n", "'Host=localhost'", "'Port=80')",
                           "TitleCaptions.Strings = (\n", "'Setting')"})
    EXPECT_NE(text.Text.find(line), std::string::npos) << line << " missing from\n" << text.Text;
  for (const char* absent : {"DisplayOptions", "DefaultColWidth", "RowCount", "ColCount", "\n    Options ="})
    EXPECT_EQ(text.Text.find(absent), std::string::npos) << absent << " is not written";

  TOwned<THolder> copy = ReadNewRoot<THolder>(text.Binary);
  auto* read = static_cast<TValueListEditor*>(copy->FindComponent("Editor"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetStrings()->GetTextStr(), "Host=localhost\nPort=80\n");
  EXPECT_EQ(read->GetRowCount(), 3);
  EXPECT_EQ(read->GetTitleCaptions()->GetStrings(1), "Setting");
  EXPECT_EQ(FormBinary(copy.get()), text.Binary);
  read->GetTitleCaptions()->SetTextStr("Key\nValue\n");
  EXPECT_EQ(FormText(copy.get()).find("TitleCaptions"), std::string::npos) << "the classic captions are not written";
}

TEST_F(ValueListTest, AClassicFormFileComesBackUnchanged) {
  // As a classic designer wrote it: the column widths its border gave,
  // handlers of the application, default captions not written.
  const std::string text =
      "object Form: THolder\n"
      "  Left = 100\n"
      "  Top = 100\n"
      "  Width = 760\n"
      "  Height = 300\n"
      "  object EditValueListEditor: TValueListEditor\n"
      "    Left = 128\n"
      "    Top = 8\n"
      "    Width = 450\n"
      "    Height = 177\n"
      "    TabOrder = 0\n"
      "    OnStringsChange = EditValueListEditorStringsChange\n"
      "    OnValidate = EditValueListEditorValidate\n"
      "    ColWidths = (\n"
      "      245\n"
      "      199)\n"
      "  end\n"
      "end\n";
  const std::string binary = TextToBinary(text);
  TOwned<THolder> copy = ReadNewRoot<THolder>(binary);
  auto* read = static_cast<TValueListEditor*>(copy->FindComponent("EditValueListEditor"));
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->GetColWidths(0), 245);
  EXPECT_EQ(BinaryToText(FormBinary(copy.get())), text);
}

}  // namespace
}  // namespace host::valedittest
