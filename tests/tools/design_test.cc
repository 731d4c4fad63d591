// corvane design as an author uses it: a script drops components on an
// empty form, sets their properties through the inspector and wires them,
// the saved form runs in corvane run; bad lines name their place.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/tools/tool_test_support.h"
#include "tools/commands.h"
#include "host/registry/registry.h"
#include "host/widgetset/headless/headless.h"
#include "tools/formfiles.h"
#include "tools/script.h"

namespace corvane {
namespace {

using test::Tool;
using test::TToolRun;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::filesystem::path Scratch() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvane_tool_design";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

TEST(ToolDesign, ADesignedAndWiredFormIsSavedAndRuns) {
  const std::filesystem::path saved = Scratch() / "designed.dfm";
  const TToolRun design = Tool({"design", FindExample("examples/design/empty.dfm"),
                                FindExample("examples/design/wire.run"), "--save", saved.string()});
  ASSERT_EQ(design.Status, 0) << design.Err;
  for (const char* part :
       {"> drop TButton\n  dropped Button1 (TButton)\n", "> setprop Button1 Caption '&Clear'\n  Caption = &Clear",
        "> setprop ListBox1 Height 'tall'\n  error: Invalid property value\n",
        "> drop TkelE2MConnection kelConnectionList1\n  dropped kelE2MConnection1 (TkelE2MConnection)\n",
        "values: Button1, Form1, ListBox1\n", "  saved " })
    EXPECT_TRUE(Contains(design.Out, part)) << part << "\n" << design.Out;
  // The refused height left the list box as it was; the saved form runs and
  // its connection clears the list when the button is clicked.
  const TRunResult run = RunForm(saved.string(), "get ListBox1.Height\nget ListBox1.Items.Count\nclick Button1\n"
                                                 "get ListBox1.Items.Count\n");
  ASSERT_TRUE(run.Ok()) << run.Error;
  EXPECT_TRUE(Contains(run.Out, "> get ListBox1.Height\n  = 97\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "trace kelE2MConnection1: Button1.OnClick -> ListBox1.Clear()\n"
                                "> get ListBox1.Items.Count\n  = 0\n"))
      << run.Out;
}

// A form of a classic application takes a connection list in the designer
// and stays the application's form: its class and its handlers are written
// back, and the button no handler of its code takes now clears a line.
TEST(ToolDesign, AClassicApplicationsFormTakesAConnectionListAndRuns) {
  const std::filesystem::path dir = Scratch();
  const std::filesystem::path script = dir / "wire.run", saved = dir / "gotoline.dfm";
  std::ofstream(script) << "drop TkelConnectionList\ndrop TkelE2MConnection kelConnectionList1\n"
                           "setprop kelE2MConnection1 Source 'Button1'\n"
                           "setprop kelE2MConnection1 SourceEvent 'OnClick'\n"
                           "setprop kelE2MConnection1 Target 'edtLineNumber'\n"
                           "setprop kelE2MConnection1 TargetMethod 'Clear'\n";
  const TToolRun design = Tool({"design", "tests/forms/classic/007_jval1972_DelphiDoom_frm_GotoLine.dfm",
                                script.string(), "--save", saved.string()});
  ASSERT_EQ(design.Status, 0) << design.Err << design.Out;
  const std::string text = FileBytes(saved.string());
  for (const char* part : {"object frmGotoLine: TfrmGotoLine\n", "  OnShow = FormShow\n",
                           "  object kelE2MConnection1: TkelE2MConnection\n"})
    EXPECT_TRUE(Contains(text, part)) << part << "\n" << text;
  const TRunResult run = RunForm(saved.string(), "type edtLineNumber '42'\nget edtLineNumber.Text\nclick Button1\n"
                                                 "get edtLineNumber.Text\n");
  ASSERT_TRUE(run.Ok()) << run.Error;
  EXPECT_TRUE(Contains(run.Out, "> get edtLineNumber.Text\n  = '42'\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "trace kelE2MConnection1: Button1.OnClick -> edtLineNumber.Clear()\n"
                                "> get edtLineNumber.Text\n  = ''\n"))
      << run.Out;
}

// The lines after `edit` act in the dialogs by their controls' names; the
// dialogs keep their places in a store of the test's own.
TEST(ToolDesign, AConnectionWiredThroughItsDialogsIsSavedAndRuns) {
  const std::filesystem::path dir = Scratch();
  host::SetRegistryFileName((dir / "registry.ini").string());
  const std::filesystem::path saved = dir / "dialogs.dfm";
  const TToolRun design = Tool({"design", FindExample("examples/design/empty.dfm"),
                                FindExample("examples/design/dialogs.run"), "--save", saved.string()});
  host::SetRegistryFileName({});
  ASSERT_EQ(design.Status, 0) << design.Err << design.Out;
  EXPECT_TRUE(Contains(design.Out, "> inspect kelE2MConnection1 TargetMethod\n  TargetMethod = SetTextBuf")) << design.Out;
  EXPECT_TRUE(std::filesystem::exists(dir / "registry.ini"));
  const TRunResult run = RunForm(saved.string(), "select ListBox1 1\nclick Button1\nget Edit1.Text\n");
  ASSERT_TRUE(run.Ok()) << run.Error;
  EXPECT_TRUE(Contains(run.Out, "trace kelE2MConnection1: Button1.OnClick -> Edit1.SetTextBuf(True)\n"
                                "> get Edit1.Text\n  = 'True'\n"))
      << run.Out;

  // Only connections have dialogs; an item text the list lacks is named.
  const std::filesystem::path script = dir / "bad.run";
  for (const auto& [lines, message] :
       {std::pair<std::string, std::string>{"drop TButton\nedit Button1\n",
                                            ":2: Button1 is no connection with an editor dialog\n"},
        {"drop TkelConnectionList\ndrop TkelE2MConnection kelConnectionList1\nedit kelE2MConnection1\n"
         "select cbSourceEvent 'OnNothing'\n",
         ":4: cbSourceEvent has no item 'OnNothing'\n"}}) {
    std::ofstream(script) << lines;
    host::SetRegistryFileName((dir / "registry.ini").string());
    const TToolRun bad = Tool({"design", FindExample("examples/design/empty.dfm"), script.string()});
    host::SetRegistryFileName({});
    EXPECT_EQ(bad.Status, 1) << lines;
    EXPECT_EQ(bad.Err, script.string() + message) << bad.Out;
  }
}

// Every kind of connection made through the connection list editor and
// the dialogs, then at work in the saved form.
TEST(ToolDesign, TheWireByHandExampleMakesEveryKindOfConnectionInTheEditors) {
  const std::filesystem::path dir = Scratch();
  host::SetRegistryFileName((dir / "registry.ini").string());
  const std::filesystem::path saved = dir / "wired.dfm";
  const TToolRun design = Tool({"design", FindExample("examples/wire-by-hand/form.dfm"),
                                FindExample("examples/wire-by-hand/wire.design"), "--save", saved.string()});
  host::SetRegistryFileName({});
  ASSERT_EQ(design.Status, 0) << design.Err << design.Out;
  const TRunResult run = RunForm(saved.string(), FileBytes(FindExample("examples/wire-by-hand/use.run")));
  ASSERT_TRUE(run.Ok()) << run.Error << run.Out;
  for (const char* part : {"trace E2PConnection1: Edit1.OnChange -> CheckBox1.Caption := 'hello'\n",
                           "trace P2PConnection1: CheckBox1.OnClick -> Button1.Enabled := False\n",
                           "trace E2MConnection1: Button1.OnClick -> ListBox1.Clear()\n"})
    EXPECT_TRUE(Contains(run.Out, part)) << part << run.Out;
}

// The package's property and component editors in a design script: lists
// from the descriptors, a typed name refused, the verbs, the About box and
// the connection list editor opened by a double-click.
TEST(ToolDesign, TheInspectorAndTheVerbsUseThePackagesEditors) {
  const std::filesystem::path dir = Scratch();
  const std::filesystem::path script = dir / "registered.run";
  std::ofstream(script) << "drop TButton\ndrop TkelConnectionList\ndrop TkelE2MConnection kelConnectionList1\n"
                           "setprop kelE2MConnection1 Source 'Button1'\ninspect kelE2MConnection1 SourceEvent\n"
                           "setprop kelE2MConnection1 SourceEvent 'onclick'\nverbs kelConnectionList1\n"
                           "verb kelConnectionList1 'About...'\nexpect lbVersion.Caption = 'version 1.1.0'\n"
                           "click btOK\ndblclick-design kelConnectionList1\nkey lvConnections Ins\n"
                           "inspect P2PConnection1 SourceEvent\n";
  host::SetRegistryFileName((dir / "registry.ini").string());
  const TToolRun run = Tool({"design", FindExample("examples/design/empty.dfm"), script.string()});
  host::SetRegistryFileName({});
  ASSERT_EQ(run.Status, 0) << run.Err << run.Out;
  for (const char* part : {"    values: OnClick, OnDragDrop,", "> setprop kelE2MConnection1 SourceEvent 'onclick'\n"
                           "  error: Unknown property name!\n",
                           "  3: About...\n  4: Edit connections...\n", "> inspect P2PConnection1 SourceEvent\n"})
    EXPECT_TRUE(Contains(run.Out, part)) << part << "\n" << run.Out;
}

TEST(ToolDesign, VerbsInspectionAnswersAndBadLines) {
  const std::filesystem::path dir = Scratch();
  const std::filesystem::path script = dir / "lines.run";
  std::ofstream(script) << "drop TCheckBox\ninspect CheckBox1 Checked\nselect CheckBox1\nanswer yes\n"
                           "verbs CheckBox1\nverb CheckBox1 0\n";
  const TToolRun run = Tool({"design", FindExample("examples/design/empty.dfm"), script.string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_TRUE(Contains(run.Out, "  Checked = False  [paValueList, paMultiSelect, paRevertable]\n"
                                "    values: False, True\n"))
      << run.Out;
  // A check box has the default component editor, without verbs.
  EXPECT_TRUE(Contains(run.Out, "> select CheckBox1\n  selected CheckBox1\n> answer yes\n> verbs CheckBox1\n> verb"))
      << run.Out;
  EXPECT_EQ(run.Err, script.string() + ":6: CheckBox1 has no verb 0\n");
  // A class nobody registered, a component the form lacks, a bad answer.
  for (const auto& [line, message] : {std::pair<std::string, std::string>{"drop TNothing", "Class TNothing not found"},
                                      {"setprop Nobody Caption 'x'", "The form has no component named Nobody"},
                                      {"answer maybe", "answer yes or answer no expected, not maybe"}}) {
    std::ofstream(script) << line << "\n";
    const TToolRun bad = Tool({"design", FindExample("examples/design/empty.dfm"), script.string()});
    EXPECT_EQ(bad.Status, 1) << line;
    EXPECT_EQ(bad.Err, script.string() + ":1: " + message + "\n") << line;
  }
  EXPECT_EQ(Tool({"design"}).Status, 2);
  EXPECT_EQ(Tool({"design", "a.dfm", "--save"}).Status, 2);
}

// A message box a line shows is reported after the line with its answer,
// saying when no answer was queued for it; boxes of earlier scripts are not.
TEST(ToolDesign, MessageBoxesOfALineAreReportedWithTheirAnswers) {
  host::WidgetSet().Windows().MessageBox(0, "Before", "Old", host::MB_OK);
  std::string out;
  TScriptRunner runner(nullptr, out);
  runner.SetLineHook([](const std::string& Line) {
    if (Line == "ask") host::WidgetSet().Windows().MessageBox(0, "Delete it?", "Confirm", host::MB_YESNO);
    return Line == "ask" || Line.starts_with("answer");
  });
  auto* headless = dynamic_cast<host::headless::THeadlessWidgetSet*>(&host::WidgetSet());
  ASSERT_NE(headless, nullptr);
  headless->Windows().QueueMessageBoxAnswer(host::IDNO);
  ASSERT_TRUE(runner.Run("ask\nask\n")) << runner.Error();
  EXPECT_EQ(out, "> ask\n  message box \"Confirm\": Delete it? -> No\n"
                 "> ask\n  message box \"Confirm\": Delete it? -> Yes (no answer was queued: the first button)\n");
}

}  // namespace
}  // namespace corvane
