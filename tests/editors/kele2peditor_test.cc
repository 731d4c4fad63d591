// The event-to-property editor as an author uses it: source and event,
// target and writable property, the value page expanded and collapsed,
// and the connection made running from the saved form.
#include <algorithm>

#include "connections/kele2p.h"
#include "editors/kele2peditor.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

bool Has(const std::vector<std::string>& Items, const std::string& Item) {
  return std::find(Items.begin(), Items.end(), Item) != Items.end();
}

TEST_F(EditorsTest, AnEventToPropertyConnectionIsMadeInItsCollapsibleDialog) {
  auto* e2p = static_cast<TkelE2PConnection*>(
      designer->CreateComponent(&TkelE2PConnection::StaticMetaClass, List1, 0, 0, 0, 0));
  Drive({
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "E2PConnection editor");
        EXPECT_EQ(Active()->GetWidth(), 400);  // collapsed
        EXPECT_EQ(Text("btExplore"), "Set value as >>");
        Type("cbSource", "Button1");
        Key("cbSource", "Enter");
        Select("cbSourceEvent", "'OnClick'");
        Select("cbTarget", "'Edit1'");
        // Only writable properties can be set.
        EXPECT_TRUE(Has(Items("lbTargetProperty"), "Text"));
        EXPECT_FALSE(Has(Items("lbTargetProperty"), "ComponentCount"));
        Select("lbTargetProperty", "'Text'");
        EXPECT_EQ(e2p->GetTargetProperty(), "Text");
        EXPECT_EQ(Text("edTargetPropertyIndex"), "(None)");
        EXPECT_FALSE(Enabled("btTargetPropertyIndex"));
      },
      [&] {
        Click("btExplore");
        EXPECT_EQ(Active()->GetWidth(), 690);
        EXPECT_EQ(Text("btExplore"), "<< Set value as");
        Type("edConstant", "hi");
        EXPECT_EQ(e2p->GetValueConstant(), "hi");
        EXPECT_EQ(e2p->GetValueOptions(), voConstant);
      },
      [&] {
        Select("pcValue", "'Component property'");
        EXPECT_EQ(e2p->GetValueOptions(), voComponentProperty);
        Select("cbComponent", "'ListBox1'");
        // A read-only property may give the value.
        EXPECT_TRUE(Has(Items("lbComponentProperty"), "ComponentCount"));
        Select("lbComponentProperty", "'Selected'");
        EXPECT_EQ(Text("edComponentPropertyIndex"), "[Index]");
        Click("btComponentPropertyIndex");
      },
      [&] {
        Type("sgIndexes", "1");
        Click("btClose");
      },
      [&] {
        EXPECT_EQ(host::VarToStr(host::VarArrayGet(e2p->GetValueComponentPropertyIndex(), {0})), "1");
        // Collapsed again, a new source event still refreshes its parameters.
        Click("btExplore");
        EXPECT_EQ(Active()->GetWidth(), 400);
        Select("cbSourceEvent", "'OnKeyPress'");
        EXPECT_EQ(Items("lbEventParameter"), (std::vector<std::string>{"Sender", "Key"}));
        Select("cbSourceEvent", "'OnClick'");
        Click("btClose");
      },
  });
  kelShowE2PEditor(designer.get(), e2p);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(Stored("E2PConnection Editor", "Width"), 400);

  host::TOwned<host::TComponent> form = SavedAndRead();
  auto* list = static_cast<host::TListBox*>(form->FindComponent("ListBox1"));
  list->SetItemIndex(1);
  static_cast<host::TButton*>(form->FindComponent("Button1"))->Click();
  EXPECT_EQ(static_cast<host::TEdit*>(form->FindComponent("Edit1"))->GetText(), "True");

  // It opens collapsed whatever width was stored, at the stored place.
  Store("E2PConnection Editor", "Width", 690);
  Store("E2PConnection Editor", "Left", 30);
  Drive({[&] {
    EXPECT_EQ(Active()->GetWidth(), 400);
    EXPECT_EQ(Active()->GetLeft(), 30);
    Key("cbSource", "Esc");
  }});
  kelShowE2PEditor(designer.get(), e2p);
  EXPECT_TRUE(Driven());
}

TEST_F(EditorsTest, TheEventToPropertyEditorRefusesValuesItCannotShow) {
  auto* e2p = static_cast<TkelE2PConnection*>(
      designer->CreateComponent(&TkelE2PConnection::StaticMetaClass, List1, 0, 0, 0, 0));
  e2p->SetValueOptions(static_cast<TkelValueOptions>(5));
  // The dialog reads the connection when it first shows: the error goes to
  // the caller (a command whose errors the application shows) and no
  // dialog is left.
  const int forms = host::Screen->GetCustomFormCount();
  try {
    kelShowE2PEditor(designer.get(), e2p);
    ADD_FAILURE() << "no error";
  } catch (const host::Exception& e) {
    EXPECT_EQ(e.Message(), "Internal Error. Unknown value of E2PConnection.ValueOptions");
  }
  EXPECT_EQ(host::Screen->GetCustomFormCount(), forms);
}

}  // namespace
}  // namespace kel::editorstest
