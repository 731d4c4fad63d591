// Form files with the status bar's panels, a tab control's tabs, cool bands
// holding controls and up-downs with their associates read back into the
// same controls and write back the same text; classic form text reads as
// the classic library wrote it, and a bad range in a file raises.
#include "host/classes/strings.h"
#include "host/stdctrls/stdctrls.h"
#include "host/stdctrls/texts.h"
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

class BarsStreaming : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    RegisterStdCtrlsClasses();
  }
  void TearDown() override {
    ComCtrlsTest::TearDown();
    UnregisterStdCtrlsClasses();
  }
  // The text of Form from its first child on.
  static std::string ChildrenText(const std::string& Text) {
    return Text.substr(Text.find("  object "), Text.rfind("end\n") - Text.find("  object "));
  }
  // Reads the children in Text (a form's text from its first child on) into
  // a new root and gives it.
  static TOwned<THolder> ReadChildren(const std::string& Children) {
    return ReadNewRoot<THolder>(
        TextToBinary("object Form: THolder\n  Width = 688\n  Height = 400\n" + Children + "end\n"));
  }
};

TEST_F(BarsStreaming, PanelsTabsBandsAndAssociatesGoThroughAFormFileAndBack) {
  auto* status = Add<TStatusBar>(form.get(), "Status", Bounds(0, 0, 400, 19));
  status->SetSizeGrip(false);
  TStatusPanel* panel = status->GetPanels()->Add();
  panel->SetText("Line 'one'");
  panel->SetWidth(120);
  panel->SetBevel(pbRaised);
  status->GetPanels()->Add()->SetAlignment(taCenter);
  auto* tabs = Add<TTabControl>(form.get(), "Tabs", Bounds(0, 0, 300, 120));
  for (const char* caption : {"One", "Two"}) tabs->GetTabs()->Add(caption);
  tabs->SetTabIndex(1);
  tabs->SetTabPosition(tpBottom);
  auto* cool = Add<TCoolBar>(form.get(), "Cool", Bounds(0, 0, 400, 60));
  auto* tools = Add<TToolBar>(form.get(), "Tools", Bounds(0, 0, 100, 22));
  auto* track = Add<TTrackBar>(form.get(), "Track", Bounds(0, 0, 100, 22));
  TCoolBand* band = cool->GetBands()->Add();
  band->SetControl(tools);
  band->SetWidth(150);
  band = cool->GetBands()->Add();
  band->SetControl(track);
  band->SetBreak(false);
  band->SetText("Zoom");
  auto* edit = Add<TEdit>(form.get(), "Count", Bounds(200, 200, 80, 21));
  auto* updown = Add<TUpDown>(form.get(), "CountUpDown", Bounds(0, 0, 16, 24));
  updown->SetMax(5000);
  updown->SetPosition(1500);
  updown->SetAssociate(edit);

  const TFormRoundTrip file = RoundTrip(form.get());
  for (const char* expected :
       {"Panels = <", "Text = 'Line '#39'one'#39", "Bevel = pbRaised", "Alignment = taCenter", "Width = 50",
        "SizeGrip = False", "Tabs.Strings = (", "TabIndex = 1", "TabPosition = tpBottom", "Bands = <",
        "Control = Tools", "Break = False", "Text = 'Zoom'", "MinHeight = 25", "Associate = Count", "Text = '1,500'"})
    EXPECT_NE(file.Text.find(expected), std::string::npos) << expected << "\n" << file.Text;
  EXPECT_EQ(file.Text.find("Align = "), std::string::npos) << "status and cool bars keep their own Align";
  EXPECT_LT(file.Text.find("Tabs.Strings"), file.Text.find("TabIndex = 1")) << "the tabs are there first";
  EXPECT_LT(file.Text.find("Bands = <"), file.Text.find("object Tools")) << "bands before the controls";

  TOwned<THolder> copy = ReadNewRoot<THolder>(file.Binary);
  auto* status2 = dynamic_cast<TStatusBar*>(copy->FindComponent("Status"));
  auto* tabs2 = dynamic_cast<TTabControl*>(copy->FindComponent("Tabs"));
  auto* cool2 = dynamic_cast<TCoolBar*>(copy->FindComponent("Cool"));
  auto* updown2 = dynamic_cast<TUpDown*>(copy->FindComponent("CountUpDown"));
  ASSERT_TRUE(status2 && tabs2 && cool2 && updown2);
  ASSERT_EQ(status2->GetPanels()->GetCount(), 2);
  EXPECT_EQ(status2->GetPanels()->GetItem(0)->GetText(), "Line 'one'");
  EXPECT_EQ(status2->GetPanels()->GetItem(0)->GetBevel(), pbRaised);
  EXPECT_EQ(status2->GetPanels()->GetItem(1)->GetAlignment(), taCenter);
  EXPECT_EQ(tabs2->GetTabs()->GetCount(), 2);
  EXPECT_EQ(tabs2->GetTabIndex(), 1);
  ASSERT_EQ(cool2->GetBands()->GetCount(), 2);
  EXPECT_EQ(cool2->GetBands()->GetItem(0)->GetControl(), copy->FindComponent("Tools"));
  EXPECT_EQ(cool2->GetBands()->GetItem(1)->GetControl(), copy->FindComponent("Track"));
  EXPECT_EQ(cool2->GetBands()->GetItem(1)->GetControl()->GetParent(), cool2);
  EXPECT_EQ(updown2->GetAssociate(), copy->FindComponent("Count"));
  EXPECT_EQ(updown2->GetPosition(), 1500);
  EXPECT_EQ(FormText(copy.get()), file.Text) << "written back the same";
}

// As a classic designer writes them: a cool bar holding a tool bar, an
// up-down whose associate shows its position in the author's grouping of
// digits, a track bar with a line size beyond its range, and properties of
// later classic versions kept as they are.
constexpr char kClassicChildren[] = R"(  object CoolBar1: TCoolBar
    Left = 0
    Top = 0
    Width = 688
    Height = 29
    AutoSize = True
    Bands = <
      item
        Control = ToolBar1
        ImageIndex = -1
        MinHeight = 25
        Width = 684
      end>
    object ToolBar1: TToolBar
      Left = 9
      Top = 0
      Width = 671
      Height = 25
      TabOrder = 0
    end
  end
  object EditTo: TEdit
    Left = 296
    Top = 27
    Width = 81
    Height = 21
    TabOrder = 1
    Text = '99'#160'999'
  end
  object UpDownTo: TUpDown
    Left = 377
    Top = 27
    Width = 16
    Height = 21
    Associate = EditTo
    Min = 1
    Max = 99999
    Position = 99999
    TabOrder = 2
  end
  object TrackBar1: TTrackBar
    Left = 8
    Top = 62
    Width = 185
    Height = 33
    LineSize = 1000
    PageSize = 1
    Position = 1
    TabOrder = 3
  end
  object StatusBar1: TStatusBar
    Left = 0
    Top = 381
    Width = 688
    Height = 19
    Panels = <
      item
        Width = 50
      end>
    UseSystemFont = False
  end
  object TabControl1: TTabControl
    Left = 8
    Top = 100
    Width = 289
    Height = 193
    HotTrack = True
    TabOrder = 4
    Tabs.Strings = (
      'First'
      'Second')
    TabIndex = 0
  end
)";

TEST_F(BarsStreaming, AClassicFormWithACoolBarAndAnUpDownReadsAndWritesBackUnchanged) {
  TOwned<THolder> copy = ReadChildren(kClassicChildren);
  auto* cool = dynamic_cast<TCoolBar*>(copy->FindComponent("CoolBar1"));
  auto* tools = dynamic_cast<TToolBar*>(copy->FindComponent("ToolBar1"));
  auto* updown = dynamic_cast<TUpDown*>(copy->FindComponent("UpDownTo"));
  ASSERT_TRUE(cool && tools && updown);
  EXPECT_EQ(cool->GetBands()->GetItem(0)->GetControl(), tools);
  EXPECT_EQ(tools->GetBoundsRect(), Rect(9, 0, 680, 25)) << "laid out where the classic bar put it";
  EXPECT_EQ(updown->GetPosition(), 99999);
  EXPECT_EQ(ChildrenText(FormText(copy.get())), kClassicChildren);
  // The up-down steps from the number its associate shows.
  updown->Step(btPrev);
  EXPECT_EQ(updown->GetAssociate()->GetText(), "99,998");
}

TEST_F(BarsStreaming, ABadRangeOrTabIndexInAFormFileRaises) {
  const std::string track = "  object Track: TTrackBar\n    Min = 5\n    Max = 2\n  end\n";
  EXPECT_NE(RaisedMessage([&] { ReadChildren(track); }).find("TTrackBar property out of range"), std::string::npos);
  const std::string tabs = "  object Tabs: TTabControl\n    Tabs.Strings = (\n      'One')\n    TabIndex = 1\n  end\n";
  EXPECT_NE(RaisedMessage([&] { ReadChildren(tabs); }).find("List index out of bounds (1)"), std::string::npos);
  // Read in any order, a good range is taken whole.
  TOwned<THolder> good =
      ReadChildren("  object P: TProgressBar\n    Max = 500\n    Min = 200\n    Position = 300\n  end\n");
  auto* progress = dynamic_cast<TProgressBar*>(good->FindComponent("P"));
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ((std::vector<int32_t>{progress->GetMin(), progress->GetMax(), progress->GetPosition()}),
            (std::vector<int32_t>{200, 500, 300}));
}

using ComCtrlsBarsUnit = TUnitsTest<kComCtrlsUnits>;

TEST_F(ComCtrlsBarsUnit, TheBarsStartAndShutDownWithTheUnit) {
  const std::span<const TClass> classes = ComCtrlsBarClasses();
  ASSERT_EQ(classes.size(), 7u);
  for (TClass c : classes) EXPECT_EQ(GetClass(c->ClassName()), c) << c->ClassName();
  UnregisterComCtrlsClasses();
  for (TClass c : classes) EXPECT_EQ(GetClass(c->ClassName()), nullptr) << c->ClassName();
  EXPECT_TRUE(GetPropList(&TStatusPanel::StaticMetaClass).empty()) << "the items' properties go too";
  RegisterComCtrlsClasses();
  EXPECT_FALSE(GetPropList(&TCoolBand::StaticMetaClass).empty());
}

}  // namespace
}  // namespace host::comctrlstest
