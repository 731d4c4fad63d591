// The connection list editor as an author uses it: keys and the tool bar
// add connections named by the designer, the actions follow the selection,
// deleting asks first, moving reorders the list, Properties opens the
// dialog of the connection's kind, and the window follows its list.
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "editors/kelcsdlg.h"
#include "host/actnlist/action.h"
#include "host/comctrls/listview.h"
#include "host/comctrls/toolbar.h"
#include "host/imglist/imglist.h"
#include "tests/editors/editors_test.h"
#include "tools/scriptinput.h"

namespace kel::editorstest {
namespace {

class ConnectionEditorTest : public EditorsTest {
 protected:
  TkelConnectionEditor* Open(TkelConnectionList* List) {
    kelShowConnectionsEditor(designer.get(), List);
    return kelOpenConnectionEditors().back();
  }
  static std::vector<std::string> Lines(TkelConnectionEditor* Editor) {
    auto* view = static_cast<host::TListView*>(Editor->FindComponent("lvConnections"));
    std::vector<std::string> lines;
    for (int32_t i = 0; i < view->GetItems()->GetCount(); ++i) {
      host::TListItem* item = view->GetItems()->GetItem(i);
      lines.push_back(item->GetCaption() + ":" + std::to_string(item->GetImageIndex()));
    }
    return lines;
  }
  // Whether the action is enabled once the application ran its idle updates.
  static bool ActionEnabled(TkelConnectionEditor* Editor, const char* Name) {
    host::Application->Idle();
    return static_cast<host::TAction*>(Editor->FindComponent(Name))->GetEnabled();
  }
  static std::vector<std::string> ListNames(TkelConnectionList* List) {
    std::vector<std::string> names;
    for (int i = 0; i < List->GetConnectionCount(); ++i) names.push_back(List->GetConnection(i)->GetName());
    return names;
  }
};

TEST_F(ConnectionEditorTest, KeysAndTheToolBarAddConnectionsAndTheActionsFollowTheSelection) {
  auto* empty = static_cast<TkelConnectionList*>(
      designer->CreateComponent(&TkelConnectionList::StaticMetaClass, nullptr, 0, 0, 0, 0));
  TkelConnectionEditor* editor = Open(empty);
  EXPECT_EQ(editor->GetCaption(), "Connections");
  EXPECT_EQ(editor->GetLeft(), 306);
  EXPECT_EQ(static_cast<host::TImageList*>(editor->FindComponent("ilConnectors"))->GetCount(), 3);
  for (const char* action : {"cmDelete", "cmProperties", "cmMoveUp", "cmMoveDown"})
    EXPECT_FALSE(ActionEnabled(editor, action)) << action;

  // Ins, Shift+Ins and Ctrl+Ins add the three kinds, each selected at the end.
  Key("lvConnections", "Ins");
  Key("lvConnections", "Shift+Ins");
  Key("lvConnections", "Ctrl+Ins");
  EXPECT_EQ(Lines(editor), (std::vector<std::string>{"P2PConnection1:0", "E2PConnection1:1", "E2MConnection1:2"}));
  EXPECT_EQ(ListNames(empty), (std::vector<std::string>{"P2PConnection1", "E2PConnection1", "E2MConnection1"}));
  EXPECT_NE(dynamic_cast<TkelE2PConnection*>(designer->GetComponent("E2PConnection1")), nullptr);
  auto* view = Find<host::TListView>("lvConnections");
  EXPECT_EQ(view->GetSelected()->GetCaption(), "E2MConnection1");
  EXPECT_TRUE(designer->IsModified());
  // The last is selected: down is not possible, up is.
  EXPECT_TRUE(ActionEnabled(editor, "cmMoveUp"));
  EXPECT_FALSE(ActionEnabled(editor, "cmMoveDown"));
  EXPECT_TRUE(ActionEnabled(editor, "cmDelete"));

  // The tool bar's button (not its arrow) adds a property-to-property one.
  Click("tbAdd");
  EXPECT_EQ(Lines(editor).back(), "P2PConnection2:0");

  // A picked line becomes the designer's selection; the first cannot go up.
  Select("lvConnections", "'P2PConnection1'");
  EXPECT_EQ(designer->Selection(), std::vector<host::TPersistent*>{designer->GetComponent("P2PConnection1")});
  EXPECT_FALSE(ActionEnabled(editor, "cmMoveUp"));
  Click("tbMoveDown");
  EXPECT_EQ(ListNames(empty)[1], "P2PConnection1");
  EXPECT_EQ(view->GetSelected()->GetCaption(), "P2PConnection1");
  EXPECT_EQ(designer->Selection(), std::vector<host::TPersistent*>{designer->GetComponent("P2PConnection1")});
}

TEST_F(ConnectionEditorTest, DeletingAsksFirstAndPropertiesOpensTheDialogOfTheKind) {
  TkelConnectionEditor* editor = Open(List1);
  EXPECT_EQ(Lines(editor), std::vector<std::string>{"kelE2MConnection1:2"});
  Select("lvConnections", "'kelE2MConnection1'");

  // Properties opens the event-to-method editor on it.
  std::string caption;
  Drive({[&] {
    caption = Active()->GetCaption();
    Click("btClose");
  }});
  Click("tbProperties");
  EXPECT_TRUE(Driven());
  EXPECT_EQ(caption, "E2MConnection editor");

  // Coming back to the window listed the connections again: the
  // selection went. No keeps it; Yes deletes it from the list and the form.
  EXPECT_EQ(Find<host::TListView>("lvConnections")->GetSelected(), nullptr);
  Select("lvConnections", "'kelE2MConnection1'");
  Windows().QueueMessageBoxAnswer(host::IDNO);
  Key("lvConnections", "Del");
  EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Delete kelE2MConnection1 connection?"});
  EXPECT_EQ(List1->GetConnectionCount(), 1);
  Windows().QueueMessageBoxAnswer(host::IDYES);
  Key("lvConnections", "Del");
  EXPECT_EQ(List1->GetConnectionCount(), 0);
  EXPECT_EQ(designer->GetComponent("kelE2MConnection1"), nullptr);
  EXPECT_TRUE(Lines(editor).empty());
  Connection = nullptr;

  // A connection renamed elsewhere is not found by its old line until the
  // window is activated again.
  Key("lvConnections", "Ins");  // added and selected
  designer->GetComponent("P2PConnection1")->SetName("Renamed");
  try {
    Click("tbProperties");
    ADD_FAILURE() << "no error";
  } catch (const host::Exception& e) {
    EXPECT_EQ(e.Message(), "Internal Error. Unknown connection");
  }
  // Activated again, the window lists the new name and Properties works.
  host::TOwned<host::TForm> other(
      static_cast<host::TForm*>(host::TCustomForm::CreateNew(&host::TForm::StaticMetaClass, nullptr)));
  other->Show();
  // A click in the window activates it.
  corvane::RunInput("click", editor->FindComponent("lvConnections"), "");
  Select("lvConnections", "'Renamed'");
  EXPECT_EQ(Lines(editor), std::vector<std::string>{"Renamed:0"});
  Drive({[&] {
    caption = Active()->GetCaption();
    Click("btClose");
  }});
  Click("tbProperties");
  EXPECT_EQ(caption, "P2PConnection editor");
}

TEST_F(ConnectionEditorTest, NamesTakenAndComponentsDeletedElsewhereAreNoTrouble) {
  // A component already named like the next connection: the designer's
  // numbering goes past it.
  Button1->SetName("P2PConnection1");
  TkelConnectionEditor* editor = Open(List1);
  Key("lvConnections", "Ins");
  EXPECT_EQ(Lines(editor).back(), "P2PConnection2:0");

  // The source deleted while the event-to-method dialog shows it: the
  // connection forgot it, and an event chosen now is put back.
  Connection->SetSource(Edit1);
  Connection->SetSourceEvent("OnChange");
  Drive({[&] {
    EXPECT_EQ(Text("cbSource"), "Edit1");
    designer->SelectComponent(Edit1);
    designer->DeleteSelection();
    Edit1 = nullptr;
    EXPECT_EQ(Connection->GetSource(), nullptr);
    EXPECT_EQ(Connection->GetSourceEvent(), "");  // the event went with its source
    Retype("cbSourceEvent", "OnClick");
    Key("cbSourceEvent", "Enter");
    EXPECT_EQ(Text("cbSourceEvent"), "");
    EXPECT_EQ(Connection->GetSourceEvent(), "");
    Click("btClose");
  }});
  kelEditConnection(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_TRUE(MessageBoxes().empty());
}

TEST_F(ConnectionEditorTest, OneWindowPerListThatFollowsItsList) {
  TkelConnectionEditor* editor = Open(List1);
  Open(List1);
  EXPECT_EQ(kelOpenConnectionEditors().size(), 1u);
  auto* other = static_cast<TkelConnectionList*>(
      designer->CreateComponent(&TkelConnectionList::StaticMetaClass, nullptr, 0, 0, 0, 0));
  TkelConnectionEditor* second = Open(other);
  EXPECT_NE(second, editor);
  EXPECT_EQ(kelOpenConnectionEditors().size(), 2u);

  // Closing gives the designer the list back and keeps the window's place.
  editor->Close();
  EXPECT_EQ(designer->Selection(), std::vector<host::TPersistent*>{List1});
  EXPECT_EQ(Stored("Connection Editor", "Width"), 170);

  // Deleting the list closes its window.
  designer->SelectComponent(other);
  designer->DeleteSelection();
  host::Application->ProcessMessages();
  EXPECT_TRUE(kelOpenConnectionEditors().empty());

  // Only a connection list has this editor.
  const int forms = host::Screen->GetCustomFormCount();
  EXPECT_THROW(kelShowConnectionsEditor(designer.get(), Button1), host::EInvalidCast);
  EXPECT_EQ(host::Screen->GetCustomFormCount(), forms);
}

}  // namespace
}  // namespace kel::editorstest
