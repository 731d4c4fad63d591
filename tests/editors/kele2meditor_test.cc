// The event-to-method editor and the parameter binding dialog as an author
// uses them: every choice by a click or a key through the robot, the
// connection and the designer checked after each, the form saved and run.
#include <algorithm>

#include "editors/kele2meditor.h"
#include "editors/kelmpeditor.h"
#include "host/comctrls/pagecontrol.h"
#include "host/grids/grids.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

bool Has(const std::vector<std::string>& Items, const std::string& Item) {
  return std::find(Items.begin(), Items.end(), Item) != Items.end();
}

TEST_F(EditorsTest, AnEventToMethodConnectionIsMadeFromNothingThroughTheDialogsAndRuns) {
  TkelParameterConnection* binding = nullptr;
  Drive({
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "E2MConnection editor");
        EXPECT_EQ(Active()->GetLeft(), 296);  // the layout's place: nothing was stored yet
        EXPECT_EQ(Active()->GetTop(), 210);
        EXPECT_FALSE(Enabled("btSetParameters"));
        EXPECT_EQ(Text("btSetParameters"), "Set parametes...");
        // Typed in another case and committed with Enter: the name as the
        // designer spells it.
        Type("cbSource", "button1");
        Key("cbSource", "Enter");
        EXPECT_EQ(Connection->GetSource(), Button1);
        EXPECT_EQ(Text("cbSource"), "Button1");
      },
      [&] {
        const std::vector<std::string> events = Items("cbSourceEvent");
        EXPECT_TRUE(Has(events, "OnClick"));
        EXPECT_FALSE(Has(events, "OnDblClick"));  // protected
        EXPECT_TRUE(std::is_sorted(events.begin(), events.end()));
        Select("cbSourceEvent", "'OnClick'");
        EXPECT_EQ(Connection->GetSourceEvent(), "OnClick");
      },
      [&] {
        Select("cbTarget", "'Edit1'");
        EXPECT_EQ(Connection->GetTarget(), Edit1);
        EXPECT_TRUE(Has(Items("lbTargetMethod"), "SetTextBuf"));
        EXPECT_EQ(ItemIndex("lbTargetMethod"), -1);
        Select("lbTargetMethod", "'SetTextBuf'");
        EXPECT_EQ(Connection->GetTargetMethod(), "SetTextBuf");
        EXPECT_TRUE(Enabled("btSetParameters"));
      },
      [&] { Click("btSetParameters"); },  // the parameter dialog runs the next steps
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "Method parameters editor");
        EXPECT_EQ(Items("lbParameters"), std::vector<std::string>{"Buffer"});
        EXPECT_EQ(ItemIndex("lbParameters"), 0);
        EXPECT_EQ(Find<host::TPageControl>("pcValue")->GetActivePageIndex(), 0);
        binding = Connection->GetTargetMethodParameters()->GetItem(0);
        Type("edConstant", "hello");
        EXPECT_EQ(binding->GetConstant(), "hello");
      },
      [&] {
        Select("pcValue", "'Component property'");
        EXPECT_EQ(binding->GetOptions(), voComponentProperty);
        Select("cbComponent", "'ListBox1'");
        EXPECT_EQ(binding->GetComponent(), ListBox1);
        EXPECT_EQ(Text("edComponentPropertyIndex"), "(None)");
        Select("lbComponentProperty", "'Selected'");
        EXPECT_EQ(binding->GetComponentProperty(), "Selected");
        EXPECT_EQ(Text("edComponentPropertyIndex"), "[Index]");  // the index's name, not its value
        EXPECT_TRUE(Enabled("btComponentPropertyIndex"));
      },
      [&] { Click("btComponentPropertyIndex"); },  // the index editor runs the next steps
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "Property Index");
        auto* grid = Find<host::TStringGrid>("sgIndexes");
        EXPECT_EQ(grid->GetRowCount(), 1);
        EXPECT_EQ(grid->GetCells(0, 0), "Index");
        Type("sgIndexes", "1");
        EXPECT_EQ(grid->GetCells(1, 0), "1");
      },
      [&] { Click("btClose"); },
      [&] {
        // Back in the parameter dialog: the typed index went into the binding.
        EXPECT_EQ(Active()->GetCaption(), "Method parameters editor");
        EXPECT_EQ(host::VarToStr(host::VarArrayGet(binding->GetComponentPropertyIndex(), {0})), "1");
        Click("btClose");
      },
      [&] {
        // The event-to-method editor read the connection again.
        EXPECT_EQ(Active()->GetCaption(), "E2MConnection editor");
        EXPECT_EQ(ItemIndex("lbTargetMethod"), Find<host::TListBox>("lbTargetMethod")->GetItems()->IndexOf("SetTextBuf"));
        Click("btClose");
      },
  });
  const int before = listener.Modified;
  kelShowE2MEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_GE(listener.Modified - before, 9);  // every choice told the designer
  EXPECT_TRUE(designer->IsModified());
  EXPECT_EQ(Connection->GetSourceEvent(), "OnClick");
  EXPECT_EQ(Connection->GetTarget(), Edit1);

  // Placement: the event-to-method editor under "Parameters Editor", the
  // index editor under its own key, the parameter dialog nowhere.
  EXPECT_EQ(Stored("Parameters Editor", "Left"), 296);
  EXPECT_GT(Stored("Parameters Editor", "Height"), 0);
  EXPECT_EQ(Stored("Property Index Editor", "Left"), 248);

  // The saved form, read as a program reads it, makes the wired call.
  host::TOwned<host::TComponent> form = SavedAndRead();
  auto* list = static_cast<host::TListBox*>(form->FindComponent("ListBox1"));
  auto* edit = static_cast<host::TEdit*>(form->FindComponent("Edit1"));
  list->SetItemIndex(1);
  static_cast<host::TButton*>(form->FindComponent("Button1"))->Click();
  EXPECT_EQ(edit->GetText(), "True");
  list->SetItemIndex(0);
  static_cast<host::TButton*>(form->FindComponent("Button1"))->Click();
  EXPECT_EQ(edit->GetText(), "False");
}

TEST_F(EditorsTest, ChoosersAndFeatureListsKeepTheirRules) {
  designer->CreateComponent(&host::TStringGrid::StaticMetaClass, nullptr, 8, 200, 0, 0);
  Drive({
      [&] {
        const std::vector<std::string> names = Items("cbSource");
        EXPECT_TRUE(Has(names, "Form1") && Has(names, "Button1") && Has(names, "ListBox1"));
        EXPECT_FALSE(Has(names, "StringGrid1"));  // a class without descriptor is not offered
        // A name the designer does not know: no source, an empty chooser.
        Type("cbSource", "Nothing");
        Key("cbSource", "Enter");
        EXPECT_EQ(Connection->GetSource(), nullptr);
        EXPECT_EQ(Text("cbSource"), "");
        EXPECT_TRUE(Items("cbSourceEvent").empty());
      },
      [&] {
        Type("cbSource", "BUTTON1");
        Key("cbSource", "Tab");  // leaving the chooser commits it too
        EXPECT_EQ(Connection->GetSource(), Button1);
        EXPECT_EQ(Text("cbSource"), "Button1");
      },
      [&] {
        // The same name in another case changes nothing (leaving the event
        // combo commits that one first).
        Key("cbSource", "Ctrl+A");
        const int before = listener.Modified;
        Type("cbSource", "button1");
        Key("cbSource", "Enter");
        EXPECT_EQ(listener.Modified, before);
        EXPECT_EQ(Connection->GetSource(), Button1);
      },
      [&] {
        Select("cbSourceEvent", "'OnClick'");
        // Event names match in exact case: a wrong case goes back.
        Retype("cbSourceEvent", "onclick");
        Key("cbSourceEvent", "Enter");
        EXPECT_EQ(Connection->GetSourceEvent(), "OnClick");
        EXPECT_EQ(Text("cbSourceEvent"), "OnClick");
      },
      [&] {
        // A protected event is not offered but is taken when typed.
        Retype("cbSourceEvent", "OnDblClick");
        Key("cbSourceEvent", "Enter");
        EXPECT_EQ(Connection->GetSourceEvent(), "OnDblClick");
        // An emptied event combo empties the event.
        Key("cbSourceEvent", "Ctrl+A");
        Key("cbSourceEvent", "BkSp");
        Key("cbSourceEvent", "Enter");
        EXPECT_EQ(Connection->GetSourceEvent(), "");
      },
      [&] {
        // A target without method: every method, none chosen, nothing to set.
        Select("cbTarget", "'ListBox1'");
        EXPECT_TRUE(Has(Items("lbTargetMethod"), "Clear"));
        EXPECT_EQ(ItemIndex("lbTargetMethod"), -1);
        EXPECT_FALSE(Enabled("btSetParameters"));
        // A method without parameters leaves "Set parametes..." disabled.
        Select("lbTargetMethod", "'Clear'");
        EXPECT_EQ(Connection->GetTargetMethod(), "Clear");
        EXPECT_FALSE(Enabled("btSetParameters"));
      },
      [&] { Key("lbTargetMethod", "Esc"); },  // Close is the cancel button
  });
  kelShowE2MEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(Connection->GetTargetMethod(), "Clear");
}

TEST_F(EditorsTest, TheEditorReadsItsPlaceButNotItsSizeAndTheBindingDialogStoresNothing) {
  Connection->SetTarget(Edit1);
  Connection->SetTargetMethod("SetTextBuf");
  Drive({[&] { Click("btClose"); }});
  kelShowMPEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_FALSE(StoreWritten());

  for (const char* value : {"Left", "Top", "Width", "Height"}) Store("Parameters Editor", value, 50);
  int width = 0;
  Drive({[&] {
    EXPECT_EQ(Active()->GetLeft(), 50);
    EXPECT_EQ(Active()->GetTop(), 50);
    width = Active()->GetWidth();
    EXPECT_GT(width, 300);  // the layout's size
    Key("cbSource", "Esc");
  }});
  kelShowE2MEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(Stored("Parameters Editor", "Width"), width);  // written, never read
}

TEST_F(EditorsTest, AConnectionFreedWhileItsDialogsAreOpenClosesThem) {
  Connection->SetTarget(Edit1);
  Connection->SetTargetMethod("SetTextBuf");
  Drive({
      [&] { Click("btSetParameters"); },
      [&] {
        // The designer deletes the connection under both dialogs.
        designer->SelectComponent(Connection);
        designer->DeleteSelection();
        Connection = nullptr;
      },
  });
  const int forms = host::Screen->GetCustomFormCount();
  kelShowE2MEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(designer->GetComponent("kelE2MConnection1"), nullptr);
  Windows().ProcessMessages();
  host::Application->ProcessMessages();
  EXPECT_LE(host::Screen->GetCustomFormCount(), forms);
  EXPECT_TRUE(MessageBoxes().empty());
}

}  // namespace
}  // namespace kel::editorstest
