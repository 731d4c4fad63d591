// The parameter binding dialog: value pages that take effect at once, the
// index editor behind "...", a setter that refuses what was typed, and the
// states the dialog cannot show.
#include "editors/kelmpeditor.h"
#include "host/comctrls/pagecontrol.h"
#include "host/grids/grids.h"
#include "host/classes/streams.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

TEST_F(EditorsTest, TheParameterDialogSetsValueSourcesAtOnceAndReportsImpossibleStates) {
  Connection->SetSource(Button1);
  Connection->SetSourceEvent("OnKeyPress");
  Connection->SetTarget(Edit1);
  Connection->SetTargetMethod("SetTextBuf");
  TkelParameterConnection* binding = Connection->GetTargetMethodParameters()->GetItem(0);
  Drive({
      [&] {
        // Event parameters in their declaration order.
        EXPECT_EQ(Items("lbEventParameter"), (std::vector<std::string>{"Sender", "Key"}));
        // Turning to a page sets the binding's source before anything is chosen.
        Select("pcValue", "'Event parameter'");
        EXPECT_EQ(binding->GetOptions(), voEventProperty);
        Select("lbEventParameter", "'Key'");
        EXPECT_EQ(binding->GetEventParameter(), "Key");
      },
      [&] {
        Select("pcValue", "'Component property'");
        Select("cbComponent", "'Edit1'");
        Select("lbComponentProperty", "'Text'");
        EXPECT_EQ(Text("edComponentPropertyIndex"), "(None)");
        EXPECT_FALSE(Enabled("btComponentPropertyIndex"));
        EXPECT_EQ(binding->GetOptions(), voComponentProperty);
      },
      [&] {
        // A page the dialog does not know: its error is shown, the dialog stays.
        auto* extra = host::New<host::TTabSheet>(Active());
        extra->SetCaption("X");
        extra->SetPageControl(Find<host::TPageControl>("pcValue"));
        Select("pcValue", "'X'");
        EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Internal Error. Unknown value of pcValue.ActivePageIndex."});
        EXPECT_EQ(Active()->GetCaption(), "Method parameters editor");
        EXPECT_EQ(binding->GetOptions(), voComponentProperty);
        Click("btClose");
      },
  });
  kelShowMPEditor(designer.get(), Connection);
  EXPECT_TRUE(Driven());

  // A value source outside the three is refused before the dialog shows,
  // and the dialog is gone.
  binding->SetOptions(static_cast<TkelValueOptions>(3));
  const int forms = host::Screen->GetCustomFormCount();
  try {
    kelShowMPEditor(designer.get(), Connection);
    ADD_FAILURE() << "no error";
  } catch (const host::Exception& e) {
    EXPECT_EQ(e.Message(), "Internal Error. Unknown value of E2MConnection.ValueOptions");
  }
  EXPECT_EQ(host::Screen->GetCustomFormCount(), forms);
}

TEST_F(EditorsTest, AnIndexTheSetterRefusesIsReportedAndTheBindingKeepsItsOwn) {
  // A form file edited by hand gave the binding two index values for a
  // property with one index; the form reads without checking them.
  const std::string form =
      "object Form2: TForm\n"
      "  object ListBox1: TListBox\n  end\n"
      "  object Edit1: TEdit\n  end\n"
      "  object Wiring: TkelConnectionList\n"
      "    object Call: TkelE2MConnection\n"
      "      Target = Edit1\n"
      "      TargetMethod = 'SetTextBuf'\n"
      "      TargetMethodParameters = <\n"
      "        item\n"
      "          ParameterName = 'Buffer'\n"
      "          Component = ListBox1\n"
      "          ComponentProperty = 'Selected'\n"
      "          Options = voComponentProperty\n"
      "          ComponentPropertyIndexes = ('1' '2')\n"
      "        end>\n"
      "    end\n"
      "  end\n"
      "end\n";
  host::TOwned<host::TStringStream> text = host::MakeOwned<host::TStringStream>(form);
  designer->RemoveListener(&listener);
  designer = host::TFormDesigner::Open(text.get());
  auto* call = static_cast<TkelE2MConnection*>(designer->GetComponent("Call"));
  TkelParameterConnection* binding = call->GetTargetMethodParameters()->GetItem(0);
  ASSERT_EQ(host::VarArrayHighBound(binding->GetComponentPropertyIndex(), 1), 1);
  Drive({
      [&] {
        EXPECT_EQ(Find<host::TPageControl>("pcValue")->GetActivePageIndex(), 1);
        EXPECT_EQ(Text("edComponentPropertyIndex"), "[Index]");
        Click("btComponentPropertyIndex");
      },
      [&] {
        EXPECT_EQ(Find<host::TStringGrid>("sgIndexes")->GetCells(1, 0), "1");
        Click("btClose");
      },
      [&] {
        EXPECT_EQ(MessageBoxes(), std::vector<std::string>{"Invalid ComponentPropertyIndex value. Invalid dimension size."});
        EXPECT_EQ(Active()->GetCaption(), "Method parameters editor");
        EXPECT_EQ(host::VarArrayHighBound(binding->GetComponentPropertyIndex(), 1), 1);
        Click("btClose");
      },
  });
  kelShowMPEditor(designer.get(), call);
  EXPECT_TRUE(Driven());
}

}  // namespace
}  // namespace kel::editorstest
