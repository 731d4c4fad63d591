// Component editors: verbs, the double-click, and the designer they work
// through.
#include "host/actnlist/actnlist.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

using ComponentEditorTest = DesignerTest;

// A box editor whose verbs add a button to the box and clear its
// caption, the way editors change the form through the designer.
class TGroupBoxEditor : public TComponentEditor {
  HOST_CLASS(TGroupBoxEditor, TComponentEditor)
  TGroupBoxEditor() = default;
  int GetVerbCount() override { return 3; }
  std::string GetVerb(int Index) override {
    CheckVerb(Index);
    static const char* const verbs[] = {"Add button", "-", "Clear caption"};
    return verbs[Index];
  }
  void ExecuteVerb(int Index) override {
    CheckVerb(Index);
    if (Index == 0)
      GetDesigner()->CreateComponent(&TButton::StaticMetaClass, GetComponent(), 4, 4, 60, 24);
    else if (Index == 2) {
      As<TGroupBox>(GetComponent())->SetCaption("");
      GetDesigner()->Modified();
    }
  }
};
HOST_IMPL(TGroupBoxEditor, TComponentEditor)

TEST_F(ComponentEditorTest, VerbsRunThroughTheDesignerAndTheDoubleClickRunsTheFirst) {
  RegisterComponentEditor(&TCustomGroupBox::StaticMetaClass, &TGroupBoxEditor::StaticMetaClass);
  TGroupBox* box = Drop<TGroupBox>(nullptr, 0, 0, 200, 100);
  TOwned<TComponentEditor> editor = GetComponentEditor(box, designer.get());
  ASSERT_EQ(editor->GetVerbCount(), 3);
  EXPECT_EQ(editor->GetVerb(0), "Add button");
  EXPECT_EQ(editor->GetVerb(1), "-");
  EXPECT_RAISES(editor->GetVerb(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(editor->ExecuteVerb(-1), EListError, "List index out of bounds (-1)");
  EXPECT_EQ(box->GetControlCount(), 0) << "a refused verb does nothing";

  EXPECT_EQ(box->GetCaption(), "GroupBox1");
  listener.Log.clear();
  editor->ExecuteVerb(2);
  EXPECT_EQ(box->GetCaption(), "");
  EXPECT_EQ(listener.Log, std::vector<std::string>{"modified"});
  editor->Edit();
  ASSERT_EQ(box->GetControlCount(), 1) << "the double-click ran verb 0";
  EXPECT_EQ(box->GetControls(0)->GetName(), "Button1");
  EXPECT_EQ(box->GetControls(0)->GetOwner(), Form());
  editor->ExecuteVerb(1);
  EXPECT_EQ(box->GetControlCount(), 1) << "a separator does nothing";
}

TEST_F(ComponentEditorTest, TheDefaultEditorHasNoVerbsAndItsDoubleClickDoesNothing) {
  TActionList* actions = Drop<TActionList>();
  TOwned<TComponentEditor> editor = GetComponentEditor(actions, designer.get());
  EXPECT_EQ(editor->ClassName(), "TDefaultEditor");
  EXPECT_EQ(editor->GetVerbCount(), 0);
  EXPECT_RAISES(editor->GetVerb(0), EListError, "List index out of bounds (0)");
  listener.Log.clear();
  editor->Edit();
  EXPECT_TRUE(listener.Log.empty());
  EXPECT_EQ(Form()->GetComponentCount(), 1);
  EXPECT_RAISES(GetComponentEditor(nullptr, designer.get()), EInvalidOperation, "A component editor needs a component");
}

}  // namespace
}  // namespace host::designertest
