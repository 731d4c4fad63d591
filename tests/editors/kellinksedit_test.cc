// The method parameter list: one window per connection, bindings in
// parameter order handed to the inspector, a refill on activation, the
// inspector given back on close, and the window gone with its connection.
#include "editors/kellinksedit.h"
#include "host/comctrls/listview.h"
#include "host/widgetset/widgetset.h"
#include "tools/scriptinput.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

std::vector<std::string> Captions(host::TListView* View) {
  std::vector<std::string> captions;
  for (int32_t i = 0; i < View->GetItems()->GetCount(); ++i) captions.push_back(View->GetItems()->GetItem(i)->GetCaption());
  return captions;
}

// A click in the middle of an item, as the user picks it.
void ClickItem(host::TListView* View, int32_t Index) {
  const host::TRect r = View->ItemRect(View->GetItems()->GetItem(Index));
  auto& headless = static_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet());
  headless.Robot().Click(View->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}));
}

TEST_F(EditorsTest, TheParameterListHandsBindingsToTheInspectorAndFollowsItsConnection) {
  Connection->SetTarget(ListBox1);
  Connection->SetTargetMethod("SetBounds");
  kelShowMethodParameterEditor(designer.get(), Connection);
  ASSERT_EQ(kelOpenMethodParameterEditors().size(), 1u);
  TkelMethodParameterEditor* editor = kelOpenMethodParameterEditors()[0];
  EXPECT_EQ(editor->GetCaption(), "Parameters");
  EXPECT_TRUE(editor->GetVisible());
  auto* view = static_cast<host::TListView*>(editor->FindComponent("lvParameters"));
  EXPECT_EQ(Captions(view), (std::vector<std::string>{"ALeft", "ATop", "AWidth", "AHeight"}));

  // Opening it again brings the same window forward.
  kelShowMethodParameterEditor(designer.get(), Connection);
  EXPECT_EQ(kelOpenMethodParameterEditors().size(), 1u);

  // A picked line becomes the inspector's selection.
  ClickItem(view, 2);
  ASSERT_EQ(designer->Selection().size(), 1u);
  EXPECT_EQ(designer->Selection()[0], Connection->GetTargetMethodParameters()->GetItem(2));

  // Another method: the window shows its parameters when activated again.
  Connection->SetTargetMethod("SetTextBuf");
  host::TOwned<host::TForm> other(static_cast<host::TForm*>(host::TCustomForm::CreateNew(&host::TForm::StaticMetaClass, nullptr)));
  other->Show();
  ASSERT_EQ(Active(), other.get());
  corvane::RunInput("click", view, "");
  EXPECT_EQ(Active(), editor);
  EXPECT_EQ(Captions(view), std::vector<std::string>{"Buffer"});

  // Closing gives the inspector the connection back and keeps the place.
  editor->Close();
  EXPECT_EQ(designer->Selection(), std::vector<host::TPersistent*>{Connection});
  EXPECT_EQ(Stored("Method Parameter Editor", "Left"), 225);
  EXPECT_EQ(Stored("Method Parameter Editor", "Height"), 197);
  host::Application->ProcessMessages();
  EXPECT_TRUE(kelOpenMethodParameterEditors().empty());

  // Reopened at the stored place; deleting the connection closes it.
  Store("Method Parameter Editor", "Top", 400);
  kelShowMethodParameterEditor(designer.get(), Connection);
  ASSERT_EQ(kelOpenMethodParameterEditors().size(), 1u);
  EXPECT_EQ(kelOpenMethodParameterEditors()[0]->GetTop(), 400);
  designer->SelectComponent(Connection);
  designer->DeleteSelection();
  host::Application->ProcessMessages();
  EXPECT_TRUE(kelOpenMethodParameterEditors().empty());
}

}  // namespace
}  // namespace kel::editorstest
