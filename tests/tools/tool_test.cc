// The run and check commands on the bundled connection examples, and what a
// script reports for bad lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "connections/kelconlist.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "tests/tools/tool_test_support.h"
#include "tools/commands.h"
#include "tools/formfiles.h"
#include "tools/script.h"

namespace corvane {
namespace {

using test::Tool;
using test::TToolRun;

std::string Example(const char* name) { return FindExample(std::string("examples/connections/") + name); }

std::string FileText(const std::string& path) {
  host::TOwned<host::TMemoryStream> file = host::MakeOwned<host::TMemoryStream>();
  file->LoadFromFile(path);
  return std::string(static_cast<const char*>(file->GetMemory()), file->GetSize());
}

// Runs Script on the run-time form at Path; the output after the line that
// reports the reading, and the result.
std::pair<std::string, bool> RunOn(const std::string& Path, const std::string& Script) {
  const TRunResult result = RunForm(Path, Script);
  const bool ok = result.Ok();
  std::string out = result.Out + (ok ? "" : "line " + std::to_string(result.ErrorLine) + ": " + result.Error + "\n");
  const std::string header = "read " + Path + ": ";
  EXPECT_EQ(out.compare(0, header.size(), header), 0) << out;
  return {out.substr(out.find('\n') + 1), ok};
}

// The output without the hook lines, for tests about what connections do.
std::string WithoutHookLines(const std::string& Out) {
  std::string kept;
  std::istringstream lines(Out);
  for (std::string line; std::getline(lines, line);)
    if (line.rfind("  hook  ", 0) != 0) kept += line + "\n";
  return kept;
}

TEST(ToolRun, EventsRelayedByConnectionsAreTracedInOrder) {
  auto [out, ok] = RunOn(Example("actions.dfm"),
                         "invoke FileSave.Execute\n"
                         "# a comment and a blank line\n\n"
                         "invoke HelpAbout.Execute\n"
                         "get Actions.Components[2]\n"
                         "set FileOpen.Tag = 12\n"
                         "get FileOpen.Tag\n");
  EXPECT_TRUE(ok) << out;
  EXPECT_EQ(out,
            "> invoke FileSave.Execute\n"
            "  hook  FileSave.OnExecute(Sender = @FileSave)\n"
            "  trace SaveOpensToo: FileSave.OnExecute -> FileOpen.Execute()\n"
            "  hook  FileOpen.OnExecute(Sender = @FileOpen)\n"
            "  trace OpenTargetsSender: FileOpen.OnExecute -> HelpAbout.ExecuteTarget(@FileOpen)\n"
            "  = True\n"
            "> invoke HelpAbout.Execute\n"
            "  hook  HelpAbout.OnExecute(Sender = @HelpAbout)\n"
            "  trace AboutFindsByName: HelpAbout.OnExecute -> Actions.FindComponent('FileSave')\n"
            "  trace AboutFindsItself: HelpAbout.OnExecute -> Actions.FindComponent('HelpAbout')\n"
            "  = True\n"
            "> get Actions.Components[2]\n"
            "  = @HelpAbout\n"
            "> set FileOpen.Tag = 12\n"
            "> get FileOpen.Tag\n"
            "  = 12\n");
  // The trace observer is gone once the script is over.
  EXPECT_FALSE(kel::kelTracing());
}

// The bundled script of the links example: a two-way property link, and a
// variable filled by one connection and used by two others (the held
// action's OnExecute reaches a connection whose Source is the variable).
TEST(ToolRun, PropertyLinksAndAVariableWorkFromAFormFile) {
  auto [traced, ok] = RunOn(Example("links.dfm"), FileText(Example("links.run")));
  EXPECT_TRUE(ok) << traced;
  const std::string out = WithoutHookLines(traced);
  for (const char* expected :
       {"  trace TagLink: Primary.Connect -> Mirror.Tag := 1\n> get Mirror.Tag\n  = 1\n",
        "  trace TagLink: Primary.OnUpdate -> Mirror.Tag := 5\n",
        "  trace TagLink: Mirror.OnUpdate -> Primary.Tag := 7\n  = True\n> get Primary.Tag\n  = 7\n",
        "  trace PickFirst: Picker.OnExecute -> Current.Self := @Primary\n", "> get Current.Self\n  = @Primary\n",
        "  trace RunCurrent: Runner.OnExecute -> Current.Execute()\n"
        "  trace Stamp: Current.OnExecute -> Mirror.Tag := '99'\n",
        "> get Mirror.Tag\n  = 99\n"})
    EXPECT_NE(out.find(expected), std::string::npos) << expected << "\nin\n" << out;
  // Each copy went one way only: no echo line.
  EXPECT_EQ(out.find("Mirror.OnUpdate -> Primary.Tag := 5"), std::string::npos);
}

// The bundled script of the menus example: a menu item's OnClick and a
// pop-up's OnPopup run actions, an action's OnHint hands its hint to
// another action's DoHint (the hint written back through the binding), and
// the action link keeps the menu item's caption that of its action.
TEST(ToolRun, MenuItemsAndActionsWorkFromAFormFile) {
  auto [traced, ok] = RunOn(Example("menus.dfm"), FileText(Example("menus.run")));
  EXPECT_TRUE(ok) << traced;
  const std::string out = WithoutHookLines(traced);
  for (const char* expected :
       {"> get FileMenu.Items[0]\n  = @OpenItem\n> get OpenItem.Caption\n  = '&Open...'\n",
        "> invoke SaveItem.Click\n  trace SaveClicked: SaveItem.OnClick -> FileSave.Execute()\n",
        "> invoke EditPopup.Popup(10, 20)\n  trace PopupOpens: EditPopup.OnPopup -> FileOpen.Execute()\n",
        "  trace SaveHintAsksOpen: FileSave.OnHint -> FileOpen.DoHint('Save the file')\n"
        "  trace OpenHintShown: FileOpen.OnHint -> CutItem.Hint := 'Save the file'\n  = True\n",
        "> get CutItem.Hint\n  = 'Save the file'\n", "> get OpenItem.Caption\n  = 'Open &again'\n"})
    EXPECT_NE(out.find(expected), std::string::npos) << expected << "\nin\n" << out;
  EXPECT_EQ(Tool({"check", Example("menus.dfm")}).Status, 0);
}

TEST(ToolRun, InputLinesClickAndTypeIntoControlsThroughTheRobot) {
  auto [traced, ok] = RunOn(Example("controls.dfm"), FileText(Example("controls.run")));
  EXPECT_TRUE(ok) << traced;
  const std::string out = WithoutHookLines(traced);
  for (const char* expected :
       {"> click Button\n  trace ClickMarks: Button.OnClick -> Form.Tag := '7'\n> get Form.Tag\n  = 7\n",
        "> type Notes 'Hi'\n  trace EnterHides: Notes.OnEnter -> Button.Hint := 'left'\n"
        "  trace TypedShows: Notes.OnKeyPress -> Form.Hint := 'H'\n"
        "  trace TypedShows: Notes.OnKeyPress -> Form.Hint := 'i'\n",
        "> key Notes Shift+A\n  trace TypedShows: Notes.OnKeyPress -> Form.Hint := 'A'\n",
        // select drops the combo box's list down and clicks the item: the
        // user's choice fires OnChange.
        "> select Colours 2\n  trace ChosenShows: Colours.OnChange -> Form.Hint := 'blue'\n"
        "> get Colours.ItemIndex\n  = 2\n",
        // The timer fires when the clock reaches its interval, not before.
        "> wait 99\n> get Button.Tag\n  = 0\n> wait 1\n  trace TickMarks: Ticker.OnTimer -> Button.Tag := '5'\n"
        "> get Button.Tag\n  = 5\n"})
    EXPECT_NE(out.find(expected), std::string::npos) << expected << "\nin\n" << out;
  EXPECT_EQ(Tool({"check", Example("controls.dfm")}).Status, 0);

  struct Case {
    const char* Line;
    const char* Message;
  };
  const Case cases[] = {
      {"click Nobody", "There is no component named Nobody in Form"},
      {"click Wiring", "Wiring is not a control"},
      {"key Notes Shift+Banana", "Unknown key 'Shift+Banana'"},
      {"type Notes Hi", "quoted text expected at column 14"},
      {"click Button twice", "end of line expected at column 14"},
      {"select Colours 3", "Colours has no item 3"},
      {"select Colours -1", "Colours has no item -1"},
      {"select Colours blue", "'blue' is no item index"},
      {"select Button 0", "Button is no list, combo box, list view or page control"},
  };
  for (const Case& c : cases) {
    auto [bad, badOk] = RunOn(Example("controls.dfm"), std::string("click Button\n") + c.Line + "\n");
    EXPECT_FALSE(badOk) << c.Line;
    EXPECT_NE(bad.find(std::string("line 2: ") + c.Message + "\n"), std::string::npos) << c.Line << "\n" << bad;
  }
  // A hidden control takes no input.
  auto [hidden, hiddenOk] = RunOn(Example("controls.dfm"), "invoke Notes.Hide\ntype Notes 'x'\n");
  EXPECT_FALSE(hiddenOk);
  EXPECT_NE(hidden.find("line 2: Notes does not show\n"), std::string::npos) << hidden;
}

// The road of one event, the tool's built-in example: the robot's click
// reaches the button's hook, the hook the connection, the connection the
// list box's Clear.
TEST(ToolRun, TheRoadOfOneEventRunsFromItsFormFile) {
  const std::string form = FindExample("examples/road.dfm");
  auto [out, ok] = RunOn(form, FileText(FindExample("examples/road.run")));
  EXPECT_TRUE(ok) << out;
  EXPECT_EQ(out,
            "> get Names.Items.Count\n  = 3\n"
            "> click ClearButton\n"
            "  hook  ClearButton.OnClick(Sender = @ClearButton)\n"
            "  trace ClearOnClick: ClearButton.OnClick -> Names.Clear()\n"
            "> get Names.Items.Count\n  = 0\n");
  EXPECT_EQ(Tool({"check", form}).Status, 0);
}

// An expect line passes silently when the value is the one written and
// stops the script otherwise, naming both; the lines after it never run.
TEST(ToolRun, ExpectLinesStopTheScriptWhenAValueDiffers) {
  const std::string form = FindExample("examples/road.dfm");
  auto [out, ok] = RunOn(form,
                         "expect Names.Items.Count = 3\nexpect Names.Items.Strings[1] = 'Grace'\n"
                         "expect ClearButton.Caption = 'Clear'\nclick ClearButton\n"
                         "expect Names.Items.Count = 3\nget Names.Items.Count\n");
  EXPECT_FALSE(ok);
  EXPECT_EQ(WithoutHookLines(out),
            "> expect Names.Items.Count = 3\n> expect Names.Items.Strings[1] = 'Grace'\n"
            "> expect ClearButton.Caption = 'Clear'\n> click ClearButton\n"
            "  trace ClearOnClick: ClearButton.OnClick -> Names.Clear()\n"
            "> expect Names.Items.Count = 3\nline 5: Names.Items.Count is 0, not 3\n");
  struct Case {
    const char* Line;
    const char* Message;
  };
  const Case cases[] = {
      {"expect ClearButton.Caption = 'clear'", "ClearButton.Caption is 'Clear', not 'clear'"},
      {"expect Names.Items.Count = '3'", "Names.Items.Count is 3, not '3'"},
      {"expect Names.Items.Count 3", "'=' expected at column 26"},
      {"expect Names.Items.Count =", "value expected at column 27"},
      {"expect Names.Parent = @ClearButton", "Names.Parent is @Form, not @ClearButton"},
      {"expect Names.Colour = 1", "Names has no property Colour"},
  };
  for (const Case& c : cases) {
    auto [bad, badOk] = RunOn(form, std::string("expect Names.Parent = @Form\n") + c.Line + "\n");
    EXPECT_FALSE(badOk) << c.Line;
    EXPECT_EQ(bad, std::string("> expect Names.Parent = @Form\n> ") + c.Line + "\nline 2: " + c.Message + "\n");
  }
}

// By-reference event parameters changed by connections and written back to
// the controls, a two-way check box link, text copied on change, an
// indexed target property.
TEST(ToolRun, ByReferenceFlowsBetweenStandardControls) {
  auto [out, ok] = RunOn(Example("flows.dfm"), FileText(Example("flows.run")));
  EXPECT_TRUE(ok) << out;
  for (const char* expected :
       {"  hook  Secret.OnKeyPress(Sender = @Secret, Key = 'c')\n"
        "  trace MaskKeys: Secret.OnKeyPress -> Form.FindComponent('*')\n"
        "> get Secret.Text\n  = '***'\n",
        // A page click on the bar would move it to 1; the list's ItemIndex
        // (2, chosen by the user) flows back into ScrollPos instead.
        "  trace HoldBar: Bar.OnScroll -> Choices.ItemRect(2)\n> get Bar.Position\n  = 2\n",
        "> get Follower.Checked\n  = True\n", "> get Master.Checked\n  = False\n",
        "> get Echo.Caption\n  = 'Hi'\n",
        "> get Choices.Selected[3]\n  = True\n> get Choices.SelCount\n  = 2\n"})
    EXPECT_NE(out.find(expected), std::string::npos) << expected << "\nin\n" << out;
  // Each click on a check box copies once: no echo back to where it came from.
  EXPECT_EQ(out.find("Follower.OnClick -> Master.Checked := True"), std::string::npos) << out;
  EXPECT_EQ(Tool({"check", Example("flows.dfm")}).Status, 0);
}

// The to-do application wired without code, used through its script: a
// modal confirmation form is driven by the lines after the one that opened
// it, a timer shows the count when the clock moves, a short cut exits.
TEST(ToolRun, TheToDoApplicationRunsFromItsScript) {
  const std::string form = FindExample("examples/todo.dfm");
  auto [traced, ok] = RunOn(form, FileText(FindExample("examples/todo.run")));
  EXPECT_TRUE(ok) << traced;
  const std::string out = WithoutHookLines(traced);
  for (const char* expected :
       {"> key NewItem Enter\n  trace AddText: AddAction.OnExecute -> ItemList.Add('Write report')\n",
        "> get Items.Items.Count\n  = 3\n> get NewItem.Text\n  = ''\n> get Status.Caption\n  = '0'\n",
        "> wait 500\n  trace CountShown: StatusTimer.OnTimer -> Status.Caption := 3\n",
        // The modal loop runs the next lines: the form shows until Yes closes it.
        "> click DeleteButton\n  trace AskFirst: DeleteAction.OnExecute -> Confirm.ShowModal()\n"
        "> get Confirm.Visible\n  = True\n> click YesButton\n"
        "  trace DeleteChosen: YesButton.OnClick -> ItemList.Delete(1)\n> get Confirm.Visible\n  = False\n"
        "> get Items.Items.Count\n  = 2\n> get Items.Items.Strings[1]\n  = 'Call Ada'\n",
        "> key Confirm Esc\n> get Items.Items.Count\n  = 2\n",
        "> key NewItem Ctrl+Q\n  trace ExitCloses: ExitAction.OnExecute -> MainForm.Close()\n"
        "> get MainForm.Visible\n  = False\n"})
    EXPECT_NE(out.find(expected), std::string::npos) << expected << "\nin\n" << out;
  EXPECT_EQ(Tool({"check", form}).Status, 0);
  // A script that ends while a modal form waits: the loop cannot end, the
  // line that opened it fails, and the form is hidden again.
  auto [stuck, stuckOk] = RunOn(form, "show MainForm\nclick DeleteButton\n");
  EXPECT_FALSE(stuckOk);
  EXPECT_NE(stuck.find("line 2: Modal form"), std::string::npos) << stuck;
}

TEST(ToolRun, PathsGoThroughObjectValuedPropertiesEachByItsDescriptor) {
  auto [out, ok] = RunOn(Example("controls.dfm"),
                         "set Form.Font.Size = 14\nget Form.Font.Size\nget Button.Font.Size\n"
                         "set Form.Constraints.MaxWidth = 250\nget Form.Width\n");
  EXPECT_TRUE(ok) << out;
  // The button takes its font from the form; the constraint applies at once.
  EXPECT_NE(out.find("> get Form.Font.Size\n  = 14\n> get Button.Font.Size\n  = 14\n"), std::string::npos) << out;
  EXPECT_NE(out.find("> get Form.Width\n  = 250\n"), std::string::npos) << out;
  struct Case {
    const char* Line;
    const char* Message;
  };
  const Case cases[] = {
      {"get Form.Fnt.Size", "Form has no property Fnt"},
      {"get Form.Font.Colour", "Form.Font has no property Colour"},
      {"get Form.PopupMenu.Items", "Form.PopupMenu holds no object (nil)"},
      {"get Form.Controls.Count", "Form.Controls takes indexes and cannot be a step of a path"},
      {"invoke Form.Font.Fly", "Form.Font has no method Fly"},
  };
  for (const Case& c : cases) {
    auto [bad, badOk] = RunOn(Example("controls.dfm"), std::string(c.Line) + "\n");
    EXPECT_FALSE(badOk) << c.Line;
    EXPECT_NE(bad.find(std::string("line 1: ") + c.Message + "\n"), std::string::npos) << c.Line << "\n" << bad;
  }
}

TEST(ToolRun, AScriptMayFreeTheFormAndLaterLinesSaySo) {
  auto [out, ok] = RunOn(Example("actions.dfm"), "invoke Actions.Free\nget FileOpen.Tag\n");
  EXPECT_FALSE(ok);
  EXPECT_EQ(out,
            "> invoke Actions.Free\n> get FileOpen.Tag\n"
            "line 2: The form was freed: there is no component named FileOpen any more\n");
}

TEST(ToolRun, ABadLineStopsTheScriptWithItsNumberAndAReason) {
  struct Case {
    const char* Line;
    const char* Message;
  };
  const Case cases[] = {
      {"get Nobody.Tag", "There is no component named Nobody in Actions"},
      {"get FileOpen.Colour", "FileOpen has no property Colour"},
      {"invoke FileOpen.Fly", "FileOpen has no method Fly"},
      {"invoke Actions.FindComponent", "Actions.FindComponent takes 1 arguments, not 0"},
      {"get Actions.Components", "Actions.Components takes 1 indexes, not 0"},
      {"set FileOpen.Tag = 'twelve", "unterminated string at column 27"},
      {"set FileOpen.Tag = twelve", "'twelve' is not a value (text goes in quotes)"},
      {"set FileOpen.Tag 12", "'=' expected at column 18"},
      {"get FileOpen.Tag extra", "end of line expected at column 18"},
      {"fetch FileOpen.Tag", "Unknown operation 'fetch' (set, get, expect, invoke, show, close, wait or an input line)"},
      {"set FileOpen.Tag = 'x'", "Could not convert variant of type (String) into type (Integer)"},
      {"set Actions.Components[0] = 4242", "Actions.Components is read-only"},
      {"invoke Actions.RemoveComponent(4242)", "Invalid class typecast: 4242 is not the address of an object"},
      {"wait -5", "milliseconds expected at column 8"},
      {"wait soon", "milliseconds expected at column 10"},
      {"close FileOpen", "FileOpen has no method Close"},
  };
  for (const Case& c : cases) {
    auto [out, ok] =
        RunOn(Example("actions.dfm"), std::string("get FileOpen.Tag\n") + c.Line + "\nset FileOpen.Tag = 1\n");
    EXPECT_FALSE(ok) << c.Line;
    // The first line ran, the failing one is reported, the last never ran.
    EXPECT_EQ(out, std::string("> get FileOpen.Tag\n  = 10\n> ") + c.Line + "\nline 2: " + c.Message + "\n") << c.Line;
  }
}

TEST(ToolCheck, EveryBrokenConnectionIsNamedWithItsProblems) {
  host::TOwned<host::TComponent> good = ReadDesignTimeForm(Example("actions.dfm"));
  bool healthy = false;
  EXPECT_EQ(DescribeConnections(good.get(), {}, healthy),
            "Actions (TComponent): 4 connection(s)\n"
            "  SaveOpensToo (TkelE2MConnection): ok\n"
            "  OpenTargetsSender (TkelE2MConnection): ok\n"
            "  AboutFindsByName (TkelE2MConnection): ok\n"
            "  AboutFindsItself (TkelE2MConnection): ok\n");
  EXPECT_TRUE(healthy);
  // Read as the designer does: nothing attached, names kept as read.
  EXPECT_TRUE(good->GetComponents(0)->GetComponentState().Contains(host::csDesigning));

  std::vector<std::string> skipped;
  host::TOwned<host::TComponent> bad = ReadDesignTimeForm(Example("broken.dfm"), &skipped);
  EXPECT_EQ(DescribeConnections(bad.get(), skipped, healthy),
            "Broken (TComponent): 15 connection(s)\n"
            "  Fine (TkelE2MConnection): ok\n"
            "  Misspelled (TkelE2MConnection): broken\n"
            "    - SourceEvent 'OnExecuted' is not an event of FileSave\n"
            "  NoTarget (TkelE2MConnection): broken\n"
            "    - Target is not set\n"
            "  BadBinding (TkelE2MConnection): broken\n"
            "    - parameter binding 'AName' names the unknown component property Caption\n"
            "  NoSuchProperty (TkelE2PConnection): broken\n"
            "    - TargetProperty 'Caption' is not a property of FileOpen\n"
            "  NoValueSource (TkelE2PConnection): broken\n"
            "    - ValueComponent is not set\n"
            "  NotDescribed (TkelE2MConnection): ok\n"  // its Source, a data module, has a descriptor
            "  HalfLink (TkelP2PConnection): broken\n"
            "    - SourceProperty 'Tga' is not a property of FileSave\n"
            "  Endless (TkelE2MConnection): broken\n"
            "    - TargetMethod 'Execute' fires SourceEvent 'OnExecute' of the same component again, so the relay "
            "would never end\n"
            "  PingPong (TkelE2MConnection): broken\n"
            "    - TargetMethod 'Execute' fires Pong.OnExecute, which PongPing relays to Ping.Execute, which fires "
            "SourceEvent 'OnExecute' again, so the relay would never end\n"
            "  PongPing (TkelE2MConnection): broken\n"
            "    - TargetMethod 'Execute' fires Ping.OnExecute, which PingPong relays to Pong.Execute, which fires "
            "SourceEvent 'OnExecute' again, so the relay would never end\n"
            "  ReadOnly (TkelE2PConnection): broken\n"
            "    - TargetProperty 'ComponentCount' of FileOpen is read-only\n"
            "  WrongIndexes (TkelE2PConnection): broken\n"
            "    - ValueComponentPropertyIndex gives 2 index values, but 'Components' takes 1\n"
            "  MixedKinds (TkelP2PConnection): broken\n"
            "    - SourceProperty 'Name' holds text, but TargetProperty 'Tag' holds a number\n"
            "  Loose (TkelE2MConnection): broken\n"
            "    - is in no connection list, so nothing ever connects it\n");
  EXPECT_FALSE(healthy);
  EXPECT_EQ(Tool({"check", Example("broken.dfm")}).Status, 1);
  EXPECT_EQ(Tool({"check", Example("actions.dfm")}).Status, 0);
}

// Every connection example converts to binary and back to the same text and
// reads at run time (all but the broken one).
TEST(ToolExamples, EveryConnectionExampleRoundTripsAndReads) {
  int count = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(Example("actions.dfm")).parent_path())) {
    if (entry.path().extension() != ".dfm") continue;
    ++count;
    SCOPED_TRACE(entry.path().string());
    host::TOwned<host::TMemoryStream> binary = LoadBinaryForm(entry.path().string());
    host::TOwned<host::TStringStream> text = host::MakeOwned<host::TStringStream>();
    host::ObjectBinaryToText(binary.get(), text.get());
    EXPECT_EQ(text->GetDataString(), FileText(entry.path().string()));
    // At run time a reference the acceptance check refuses fails the read.
    if (entry.path().filename() == "broken.dfm")
      EXPECT_THROW(ReadRunTimeForm(entry.path().string()), host::Exception);
    else
      EXPECT_NO_THROW(ReadRunTimeForm(entry.path().string()));
  }
  EXPECT_GE(count, 2);
}

}  // namespace
}  // namespace corvane
