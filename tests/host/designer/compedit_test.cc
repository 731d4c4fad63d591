// Component editors: verbs, the double-click, and the designer they work
// through.
#include "host/extctrls/panels.h"
#include "host/extctrls/timer.h"
#include "host/stdctrls/buttons.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

using ComponentEditorTest = DesignerTest;

// A panel editor whose verbs add a button to the panel and clear its
// caption, the way editors change the form through the designer.
class TPanelEditor : public TComponentEditor {
  HOST_CLASS(TPanelEditor, TComponentEditor)
  TPanelEditor() = default;
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
      As<TPanel>(GetComponent())->SetCaption("");
      GetDesigner()->Modified();
    }
  }
};
HOST_IMPL(TPanelEditor, TComponentEditor)

TEST_F(ComponentEditorTest, VerbsRunThroughTheDesignerAndTheDoubleClickRunsTheFirst) {
  RegisterComponentEditor(&TCustomPanel::StaticMetaClass, &TPanelEditor::StaticMetaClass);
  TPanel* panel = Drop<TPanel>(nullptr, 0, 0, 200, 100);
  TOwned<TComponentEditor> editor = GetComponentEditor(panel, designer.get());
  ASSERT_EQ(editor->GetVerbCount(), 3);
  EXPECT_EQ(editor->GetVerb(0), "Add button");
  EXPECT_EQ(editor->GetVerb(1), "-");
  EXPECT_RAISES(editor->GetVerb(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(editor->ExecuteVerb(-1), EListError, "List index out of bounds (-1)");
  EXPECT_EQ(panel->GetControlCount(), 0) << "a refused verb does nothing";

  EXPECT_EQ(panel->GetCaption(), "Panel1");
  listener.Log.clear();
  editor->ExecuteVerb(2);
  EXPECT_EQ(panel->GetCaption(), "");
  EXPECT_EQ(listener.Log, std::vector<std::string>{"modified"});
  editor->Edit();
  ASSERT_EQ(panel->GetControlCount(), 1) << "the double-click ran verb 0";
  EXPECT_EQ(panel->GetControls(0)->GetName(), "Button1");
  EXPECT_EQ(panel->GetControls(0)->GetOwner(), Form());
  editor->ExecuteVerb(1);
  EXPECT_EQ(panel->GetControlCount(), 1) << "a separator does nothing";
}

TEST_F(ComponentEditorTest, TheDefaultEditorHasNoVerbsAndItsDoubleClickDoesNothing) {
  TTimer* timer = Drop<TTimer>();
  TOwned<TComponentEditor> editor = GetComponentEditor(timer, designer.get());
  EXPECT_EQ(editor->ClassName(), "TDefaultEditor");
  EXPECT_EQ(editor->GetVerbCount(), 0);
  EXPECT_RAISES(editor->GetVerb(0), EListError, "List index out of bounds (0)");
  listener.Log.clear();
  editor->Edit();
  EXPECT_TRUE(listener.Log.empty());
  EXPECT_EQ(Form()->GetComponentCount(), 1);
  EXPECT_RAISES(GetComponentEditor(nullptr, designer.get()), EInvalidOperation,
                "A component editor needs a component");
}

}  // namespace
}  // namespace host::designertest
