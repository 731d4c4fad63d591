// The designer registration as an author meets it in the object inspector:
// the palette page, drop-down lists of the features the chosen components
// have, typed names checked, index properties behind "...", and the
// component editors' verbs with the About box.
#include <algorithm>

#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "connections/kelvar.h"
#include "editors/kelabout.h"
#include "editors/kelcompeditors.h"
#include "editors/kelcsdlg.h"
#include "editors/kellinksedit.h"
#include "editors/kelpropeditors.h"
#include "host/designer/designreg.h"
#include "host/designer/objinsp.h"
#include "host/grids/grids.h"
#include "registration/kelreg.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

class RegistrationTest : public EditorsTest {
 protected:
  void SetUp() override {
    EditorsTest::SetUp();
    group = host::NewEditorGroup();
    kelreg::Register();
    inspector = host::New<host::TObjectInspectorModel>(designer.get());
  }
  void TearDown() override {
    inspector->Free();
    host::FreeEditorGroup(group);
    EditorsTest::TearDown();
  }
  // The row as the inspector shows it now (read again: the test changes
  // objects by code, which tells the designer nothing).
  const host::TInspectorRow& Row(host::TPersistent* Object, const std::string& Name) {
    designer->SelectComponent(Object);
    inspector->Refresh();
    const host::TInspectorRow* row = inspector->FindRow(Name);
    if (!row) throw std::runtime_error("no row " + Name);
    return *row;
  }
  // The message of the error SetValue raises; empty when it took the text.
  std::string Refused(host::TPersistent* Object, const std::string& Name, const std::string& Text) {
    designer->SelectComponent(Object);
    try {
      inspector->SetValue(Name, Text);
    } catch (const host::EPropertyError& e) {
      return e.Message();
    }
    return {};
  }
  static bool Has(const std::vector<std::string>& Items, const std::string& Item) {
    return std::find(Items.begin(), Items.end(), Item) != Items.end();
  }
  int group = 0;
  host::TObjectInspectorModel* inspector = nullptr;
};

TEST_F(RegistrationTest, ThePalettePageAndTheEditorsOfEveryConnectionProperty) {
  bool found = false;
  for (const host::TPalettePage& page : host::PalettePages())
    if (page.Name == "Corvane") {
      found = true;
      EXPECT_EQ(page.Classes, (std::vector<host::TClass>{&TkelVariable::StaticMetaClass,
                                                        &TkelConnectionList::StaticMetaClass}));
    }
  EXPECT_TRUE(found);
  EXPECT_TRUE(host::IsNoIconClass(&TkelE2MConnection::StaticMetaClass));
  EXPECT_TRUE(host::IsNoIconClass(&TkelP2PConnection::StaticMetaClass));

  auto* p2p = designer->CreateComponent(&TkelP2PConnection::StaticMetaClass, List1, 0, 0, 0, 0);
  auto* e2p = designer->CreateComponent(&TkelE2PConnection::StaticMetaClass, List1, 0, 0, 0, 0);
  const auto editorOf = [](host::TPersistent* Object, const char* Name) {
    return host::GetPropertyEditorClass(host::GetPropInfo(Object->ClassType(), Name), Object);
  };
  EXPECT_EQ(editorOf(Connection, "Source"), &TkelComponentProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(p2p, "SourcePropertyIndex"), &TkelPropertyIndexesProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(p2p, "TargetEvent"), &TkelEventInfoProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(e2p, "ValueEventParameter"), &TkelEventParamProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(e2p, "ValueComponent"), &TkelComponentProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(Connection, "TargetMethod"), &TkelMethodInfoProperty::StaticMetaClass);
  EXPECT_EQ(editorOf(Connection, "TargetMethodParameters"), &TkelMethodParamsProperty::StaticMetaClass);
}

TEST_F(RegistrationTest, NameListsOfferWhatTheComponentsHaveAndTypedNamesAreChecked) {
  designer->CreateComponent(&host::TStringGrid::StaticMetaClass, nullptr, 8, 200, 0, 0);
  // No source yet: no events, and any typed event stores nothing.
  EXPECT_TRUE(Row(Connection, "SourceEvent").Values.empty());
  EXPECT_EQ(Refused(Connection, "SourceEvent", "OnClick"), "");
  EXPECT_EQ(Connection->GetSourceEvent(), "");

  // Components without descriptor are not offered.
  const std::vector<std::string> components = Row(Connection, "Source").Values;
  EXPECT_TRUE(Has(components, "Button1"));
  EXPECT_FALSE(Has(components, "StringGrid1"));
  inspector->SetValue("Source", "Button1");
  const std::vector<std::string> events = Row(Connection, "SourceEvent").Values;
  EXPECT_TRUE(Has(events, "OnClick"));
  EXPECT_FALSE(Has(events, "OnDblClick"));  // protected
  EXPECT_TRUE(std::is_sorted(events.begin(), events.end()));
  EXPECT_EQ(Refused(Connection, "SourceEvent", "onclick"), "Unknown property name!");
  EXPECT_EQ(Connection->GetSourceEvent(), "");
  inspector->SetValue("SourceEvent", "OnKeyPress");
  inspector->SetValue("Target", "Edit1");
  EXPECT_TRUE(Has(Row(Connection, "TargetMethod").Values, "SetTextBuf"));
  EXPECT_EQ(Refused(Connection, "TargetMethod", "NoSuchMethod"), "Unknown property name!");
  inspector->SetValue("TargetMethod", "SetTextBuf");

  // A binding: its parameter name is read-only, its event parameters keep
  // the event's order.
  TkelParameterConnection* binding = Connection->GetTargetMethodParameters()->GetItem(0);
  EXPECT_TRUE(Row(binding, "ParameterName").ReadOnly);
  EXPECT_EQ(Row(binding, "EventParameter").Values, (std::vector<std::string>{"Sender", "Key"}));
  EXPECT_FALSE(Row(binding, "EventParameter").Attributes.Contains(host::paSortList));

  // Target properties must be writable, source and value ones readable.
  auto* e2p = static_cast<TkelE2PConnection*>(
      designer->CreateComponent(&TkelE2PConnection::StaticMetaClass, List1, 0, 0, 0, 0));
  e2p->SetTarget(Edit1);
  e2p->SetValueComponent(Edit1);
  EXPECT_FALSE(Has(Row(e2p, "TargetProperty").Values, "ComponentCount"));
  EXPECT_TRUE(Has(Row(e2p, "ValueComponentProperty").Values, "ComponentCount"));
  EXPECT_EQ(Refused(e2p, "TargetProperty", "text"), "Unknown property name!");
  EXPECT_EQ(Refused(e2p, "TargetProperty", "Text"), "");
  EXPECT_EQ(e2p->GetTargetProperty(), "Text");
}

TEST_F(RegistrationTest, IndexPropertiesShowIndexNamesAndEditValuesBehindTheButton) {
  auto* e2p = static_cast<TkelE2PConnection*>(
      designer->CreateComponent(&TkelE2PConnection::StaticMetaClass, List1, 0, 0, 0, 0));
  e2p->SetTarget(Edit1);
  e2p->SetTargetProperty("Text");
  const host::TInspectorRow& plain = Row(e2p, "TargetPropertyIndex");
  EXPECT_EQ(plain.Value, "(None)");
  EXPECT_TRUE(plain.ReadOnly);
  EXPECT_FALSE(plain.Attributes.Contains(host::paDialog));

  e2p->SetTarget(ListBox1);
  e2p->SetTargetProperty("Selected");
  const host::TInspectorRow& indexed = Row(e2p, "TargetPropertyIndex");
  EXPECT_EQ(indexed.Value, "[Index]");
  EXPECT_TRUE(indexed.Attributes.Contains(host::paDialog));
  Drive({[&] {
    EXPECT_EQ(Active()->GetCaption(), "Property Index");
    Type("sgIndexes", "1");
    Click("btClose");
  }});
  inspector->Edit("TargetPropertyIndex");
  EXPECT_TRUE(Driven());
  EXPECT_EQ(host::VarToStr(host::VarArrayGet(e2p->GetTargetPropertyIndex(), {0})), "1");

  // The bindings' "..." opens their list.
  Connection->SetTarget(Edit1);
  Connection->SetTargetMethod("SetTextBuf");
  designer->SelectComponent(Connection);
  inspector->Edit("TargetMethodParameters");
  ASSERT_EQ(kelOpenMethodParameterEditors().size(), 1u);
  EXPECT_EQ(kelOpenMethodParameterEditors()[0]->GetConnection(), Connection);
}

TEST_F(RegistrationTest, ComponentEditorsOfferTheirVerbsAndTheAboutBoxOpensLinks) {
  host::TOwned<host::TComponentEditor> list = host::GetComponentEditor(List1, designer.get());
  ASSERT_EQ(list->GetVerbCount(), 5);
  EXPECT_EQ(list->GetVerb(0), "Corvane Suite 1.1");
  EXPECT_EQ(list->GetVerb(2), "-");
  EXPECT_EQ(list->GetVerb(3), "About...");
  EXPECT_EQ(list->GetVerb(4), "Edit connections...");
  list->Edit();  // the double-click
  ASSERT_EQ(kelOpenConnectionEditors().size(), 1u);
  list->ExecuteVerb(4);
  EXPECT_EQ(kelOpenConnectionEditors().size(), 1u);

  // The variable's editor: four verbs, and a double-click opens nothing.
  auto* variable = designer->CreateComponent(&TkelVariable::StaticMetaClass, nullptr, 0, 0, 0, 0);
  host::TOwned<host::TComponentEditor> editor = host::GetComponentEditor(variable, designer.get());
  EXPECT_EQ(editor->GetVerbCount(), 4);
  const int forms = host::Screen->GetCustomFormCount();
  editor->Edit();
  EXPECT_EQ(host::Screen->GetCustomFormCount(), forms);

  // About: the product, its version and the maker's links.
  std::string version;
  Drive({[&] {
    EXPECT_EQ(Active()->GetCaption(), "About");
    version = Text("lbVersion");
    Click("lbWeb");
    Click("lbMail");
    Click("btOK");
  }});
  editor->ExecuteVerb(3);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(version, "version 1.1.0");
  EXPECT_EQ(Windows().OpenedURLs(),
            (std::vector<std::string>{TkelAboutForm::kWebAddress, TkelAboutForm::kMailAddress}));
}

}  // namespace
}  // namespace kel::editorstest
