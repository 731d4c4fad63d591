// The object inspector model: the rows of the selection, typing values
// through their editors, sub-properties, dialogs, and following the
// designer; and a form designed through it, saved and run.
#include <algorithm>

#include "host/designer/objinsp.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

// A text property edited in a dialog: its "..." button writes "Edited".
class TDialogText : public TStringProperty {
  HOST_PROPERTY_EDITOR(TDialogText, TStringProperty)
  TPropertyAttributes GetAttributes() override {
    return TStringProperty::GetAttributes() + TPropertyAttributes{paDialog};
  }
  void Edit() override { SetValue("Edited"); }
};
HOST_IMPL(TDialogText, TStringProperty)

class InspectorTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    inspector.reset(New<TObjectInspectorModel>(designer.get()));
    inspector->OnChange = [this](TObject*) { ++changes; };
  }
  void TearDown() override {
    inspector.reset();
    DesignerTest::TearDown();
  }
  const TInspectorRow& Row(const std::string& Name) {
    const TInspectorRow* row = inspector->FindRow(Name);
    if (!row) throw Exception("no row " + Name);
    return *row;
  }
  void Select(std::initializer_list<TPersistent*> Objects) {
    TOwned<TDesignerSelectionList> list = CreateSelectionList();
    for (TPersistent* p : Objects) list->Add(MakeIPersistent(p).get());
    designer->SetSelections(list.get());
  }

  TOwned<TObjectInspectorModel> inspector;
  int changes = 0;
};

TEST_F(InspectorTest, TheRowsAreTheSelectionsCommonPropertiesSortedWithTheirEditors) {
  EXPECT_EQ(inspector->GetRowCount(), 0) << "nothing selected, nothing shown";
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  RegisterPropertyEditor(detail::TypeInfoOf<std::string>(), &TButton::StaticMetaClass, "Hint",
                         &TDialogText::StaticMetaClass);
  designer->SelectComponent(button);
  const std::vector<std::string> names = inspector->RowNames();
  EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](auto& a, auto& b) { return AnsiCompareText(a, b) < 0; }));
  EXPECT_EQ(Row("Caption").Value, "Button1");
  EXPECT_EQ(Row("Caption").Editor->ClassName(), "TStringProperty");
  EXPECT_EQ(Row("Hint").Editor->ClassName(), "TDialogText") << "the registration chooses the editor";
  EXPECT_EQ(Row("Anchors").Value, "[akLeft,akTop]");
  EXPECT_TRUE(Row("Font").ReadOnly);
  EXPECT_EQ(Row("Font").Value, "(TFont)");
  EXPECT_EQ(Row("Visible").Values, (std::vector<std::string>{"False", "True"}));
  EXPECT_NE(inspector->FindRow("TabOrder"), nullptr);

  // Two objects: only what both have; differing values show empty.
  Select({button, label});
  EXPECT_EQ(inspector->FindRow("TabOrder"), nullptr);
  EXPECT_EQ(inspector->FindRow("FocusControl"), nullptr);
  EXPECT_EQ(inspector->FindRow("Hint")->Editor->ClassName(), "TDialogText");
  EXPECT_EQ(Row("Caption").Value, "");
  inspector->SetValue("caption", "Same");
  EXPECT_EQ(label->GetCaption(), "Same");
  EXPECT_EQ(button->GetCaption(), "Same");
  EXPECT_EQ(Row("Caption").Value, "Same");
  EXPECT_EQ(Row("Left").Value, "8");
  EXPECT_RAISES(inspector->GetRow(inspector->GetRowCount()), EListError,
                "List index out of bounds (" + std::to_string(inspector->GetRowCount()) + ")");
}

TEST_F(InspectorTest, ValuesTypedIntoRowsReachTheObjectsAndBadOnesKeepTheOldValue) {
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  TEdit* edit = Drop<TEdit>();
  designer->SelectComponent(label);
  const int before = changes;
  inspector->SetValue("Left", "30");
  inspector->SetValue("Alignment", "taCenter");
  inspector->SetValue("Visible", "False");
  inspector->SetValue("Anchors", "[akLeft, akRight]");
  EXPECT_EQ(Row("FocusControl").Values, (std::vector<std::string>{"Button1", "Edit1", "Form1"})) << "sorted";
  inspector->SetValue("FocusControl", "Edit1");
  EXPECT_EQ(label->GetLeft(), 30);
  EXPECT_EQ(label->GetAlignment(), taCenter);
  EXPECT_FALSE(label->GetVisible());
  EXPECT_EQ(label->GetAnchors(), (TAnchors{akLeft, akRight}));
  EXPECT_EQ(label->GetFocusControl(), edit);
  EXPECT_EQ(Row("Left").Value, "30");
  EXPECT_EQ(Row("Alignment").Value, "taCenter");
  EXPECT_EQ(Row("FocusControl").Value, "Edit1");
  EXPECT_EQ(changes - before, 5) << "every write refreshes the rows once";

  // Refused text and a setter's refusal: the old value stays, in the object
  // and in the row.
  EXPECT_RAISES(inspector->SetValue("Left", "far"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(inspector->SetValue("Alignment", "taMiddle"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(inspector->SetValue("FocusControl", "Label1"), EPropertyError, "Invalid property value");
  EXPECT_RAISES(inspector->SetValue("Name", "Button1"), EComponentError, "A component named Button1 already exists");
  EXPECT_RAISES(inspector->SetValue("Name", "1st"), EComponentError, "'1st' is not a valid component name");
  EXPECT_EQ(label->GetLeft(), 30);
  EXPECT_EQ(label->GetAlignment(), taCenter);
  EXPECT_EQ(label->GetFocusControl(), edit);
  EXPECT_EQ(label->GetName(), "Label1");
  EXPECT_EQ(Row("Name").Value, "Label1");
  EXPECT_EQ(Row("Left").Value, "30");

  EXPECT_RAISES(inspector->SetValue("Font", "x"), EPropertyError, "Property Font is read-only");
  EXPECT_RAISES(inspector->SetValue("Nope", "x"), EPropertyError, "Property Nope does not exist");
  EXPECT_RAISES(inspector->Edit("Left"), EPropertyError, "Property Left has no dialog");
  EXPECT_RAISES(inspector->Expand("Left"), EPropertyError, "Property Left has no sub-properties");
  EXPECT_EQ(button->GetCaption(), "Button1");
}

TEST_F(InspectorTest, SubPropertiesExpandAndDialogsEditThroughTheirEditors) {
  TButton* button = Drop<TButton>();
  RegisterPropertyEditor(detail::TypeInfoOf<std::string>(), &TButton::StaticMetaClass, "Hint",
                         &TDialogText::StaticMetaClass);
  designer->SelectComponent(button);
  inspector->Expand("Font");
  inspector->Expand("Anchors");
  const TInspectorRow& size = Row("Font.Size");
  EXPECT_EQ(size.Level, 1);
  EXPECT_TRUE(Row("Font").Expanded);
  inspector->SetValue("Font.Size", "15");
  EXPECT_EQ(button->GetFont()->GetSize(), 15);
  EXPECT_EQ(Row("Font.Size").Value, "15");
  inspector->SetValue("Anchors.akBottom", "True");
  EXPECT_EQ(Row("Anchors").Value, "[akLeft,akTop,akBottom]");
  const std::vector<std::string> names = inspector->RowNames();
  const auto at = std::find(names.begin(), names.end(), "Anchors");
  ASSERT_NE(at, names.end());
  EXPECT_EQ(*(at + 1), "Anchors.akBottom") << "sub-rows follow their row, sorted";
  inspector->Expand("font", false);
  EXPECT_EQ(inspector->FindRow("Font.Size"), nullptr);

  inspector->Edit("Hint");
  EXPECT_EQ(button->GetHint(), "Edited");
  EXPECT_EQ(Row("Hint").Value, "Edited");
}

TEST_F(InspectorTest, TheRowsFollowTheDesigner) {
  TButton* button = Drop<TButton>();
  TEdit* edit = Drop<TEdit>();
  designer->SelectComponent(button);
  button->SetCaption("Changed elsewhere");
  EXPECT_EQ(Row("Caption").Value, "Button1") << "not told yet";
  int before = changes;
  designer->Modified();
  EXPECT_EQ(Row("Caption").Value, "Changed elsewhere");
  EXPECT_EQ(changes, before + 1);
  designer->SelectComponent(edit);
  EXPECT_EQ(Row("Text").Value, "Edit1");
  designer->DeleteSelection();
  EXPECT_EQ(inspector->GetRowCount(), 0) << "the deleted edit is shown no more";
  designer->SelectComponent(button);
  EXPECT_GT(inspector->GetRowCount(), 0);
  designer.reset();
  EXPECT_EQ(inspector->GetRowCount(), 0) << "the designer went first";
}

TEST_F(InspectorTest, AFormDesignedThroughTheInspectorRunsWithItsValues) {
  TButton* button = Drop<TButton>();
  TLabel* label = Drop<TLabel>();
  Drop<TEdit>();
  designer->SelectComponent(button);
  inspector->SetValue("Caption", "Go");
  inspector->SetValue("Left", "30");
  designer->SelectComponent(label);
  inspector->SetValue("FocusControl", "Edit1");
  inspector->SetValue("Alignment", "taRightJustify");
  designer->SelectComponent(designer->GetComponent("Edit1"));
  inspector->SetValue("Anchors", "[akLeft,akRight]");
  inspector->SetValue("Text", "typed");
  inspector->SetValue("ReadOnly", "True");
  designer->SelectComponent(Form());
  inspector->SetValue("Caption", "Run me");
  TOwned<TStringStream> saved = MakeOwned<TStringStream>();
  designer->SaveToStream(saved.get());
  saved->SetPosition(0);
  TOwned<TComponent> root = ReadAtRunTime(saved.get());
  auto* form = As<TForm>(root.get());
  EXPECT_EQ(form->GetCaption(), "Run me");
  auto* runButton = As<TButton>(form->FindComponent("Button1"));
  auto* runLabel = As<TLabel>(form->FindComponent("Label1"));
  auto* runEdit = As<TEdit>(form->FindComponent("Edit1"));
  ASSERT_TRUE(runButton && runLabel && runEdit);
  EXPECT_EQ(runButton->GetCaption(), "Go");
  EXPECT_EQ(runButton->GetLeft(), 30);
  EXPECT_EQ(runLabel->GetFocusControl(), runEdit);
  EXPECT_EQ(runLabel->GetAlignment(), taRightJustify);
  EXPECT_EQ(runEdit->GetAnchors(), (TAnchors{akLeft, akRight}));
  EXPECT_EQ(runEdit->GetText(), "typed");
  EXPECT_TRUE(runEdit->GetReadOnly());
  EXPECT_FALSE(runEdit->GetComponentState().Contains(csDesigning));
}

}  // namespace
}  // namespace host::designertest
