// The tool's commands as a user types them: help and version, dispatch and
// usage errors, and what classes, convert, dump and describe print.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include <sys/stat.h>

#include "connections/kele2m.h"
#include "host/classes/streams.h"
#include "tests/tools/tool_test_support.h"
#include "tools/commands.h"
#include "tools/formfiles.h"

namespace corvane {
namespace {

using test::Tool;
using test::TToolRun;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// A fresh folder for files a test writes.
std::filesystem::path Scratch(const char* name) {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / ("corvane_tool_" + std::string(name));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ToolCommands, HelpVersionAndUsageErrors) {
  const TToolRun help = Tool({"help"});
  EXPECT_EQ(help.Status, 0);
  for (const TCommand& c : Commands()) {
    EXPECT_TRUE(Contains(help.Out, c.Usage)) << c.Name;
    // Every command explains itself both ways, the same way.
    const TToolRun one = Tool({"help", c.Name});
    EXPECT_EQ(one.Status, 0);
    EXPECT_EQ(one.Out, "usage: corvane " + std::string(c.Usage) + "\n\n" + c.Help);
    EXPECT_EQ(Tool({c.Name, "--help"}).Out, one.Out);
  }
  EXPECT_EQ(Tool({"--help"}).Out, help.Out);
  EXPECT_EQ(Tool({"--version"}).Out, "corvane 1.1.0\n");

  const TToolRun unknown = Tool({"frobnicate"});
  EXPECT_EQ(unknown.Status, 2);
  EXPECT_EQ(unknown.Err, "corvane: unknown command 'frobnicate' (try 'corvane help')\n");
  EXPECT_EQ(Tool({"help", "frobnicate"}).Status, 2);
  for (const Args& words : {Args{"classes", "x"}, Args{"convert", "a"}, Args{"dump", "a", "b"},
                            Args{"describe", "a", "b"}, Args{"run", "a", "b", "c"}, Args{"check"}}) {
    const TToolRun bad = Tool(words);
    EXPECT_EQ(bad.Status, 2) << words[0];
    EXPECT_EQ(bad.Err, "usage: corvane " + std::string(FindCommand(words[0])->Usage) + "\n") << words[0];
    EXPECT_EQ(bad.Out, "") << words[0];
  }
}

TEST(ToolCommands, RunReportsAFailingScriptLineOnErrWithTheFileAndLine) {
  const std::filesystem::path dir = Scratch("run");
  const std::filesystem::path script = dir / "bad.run";
  std::ofstream(script) << "get FileOpen.Tag\n# a comment\nget Nobody.Tag\nget FileOpen.Tag\n";
  const TToolRun run = Tool({"run", FindExample("examples/connections/actions.dfm"), script.string()});
  EXPECT_EQ(run.Status, 1);
  EXPECT_EQ(run.Err, script.string() + ":3: There is no component named Nobody in Actions\n");
  EXPECT_TRUE(run.Out.ends_with("> get FileOpen.Tag\n  = 10\n> get Nobody.Tag\n")) << run.Out;
  // The script language is explained by the command's help.
  const TToolRun help = Tool({"run", "--help"});
  for (const char* part : {"set    Component.Property", "invoke Component.Method", "@Name", "SCRIPT:LINE: message"})
    EXPECT_TRUE(Contains(help.Out, part)) << part;
  // Values: no object is nil, an object outside the form shows its class.
  const std::filesystem::path values = dir / "values.run";
  std::ofstream(values) << "get FileOpen.Owner\ninvoke Actions.FindComponent('Nobody')\n"
                           "get FileOpen.ComponentStyle\ninvoke FileOpen.ClassParent\n";
  const TToolRun shown = Tool({"run", FindExample("examples/connections/actions.dfm"), values.string()});
  EXPECT_EQ(shown.Status, 0) << shown.Err;
  EXPECT_TRUE(Contains(shown.Out, "> get FileOpen.Owner\n  = @Actions\n")) << shown.Out;
  EXPECT_TRUE(Contains(shown.Out, "> invoke Actions.FindComponent('Nobody')\n  = nil\n")) << shown.Out;
  // A set by its members, a class by its name.
  EXPECT_TRUE(Contains(shown.Out, "> get FileOpen.ComponentStyle\n  = [csInheritable]\n")) << shown.Out;
  EXPECT_TRUE(Contains(shown.Out, "> invoke FileOpen.ClassParent\n  = TComponent\n")) << shown.Out;
  // A number where a class is expected is refused, not followed.
  const std::filesystem::path posing = dir / "posing.run";
  std::ofstream(posing) << "invoke FileOpen.InheritsFrom(4096)\n";
  const TToolRun refused = Tool({"run", FindExample("examples/connections/actions.dfm"), posing.string()});
  EXPECT_EQ(refused.Status, 1);
  EXPECT_EQ(refused.Err, posing.string() + ":1: Invalid class typecast: 4096 is not the address of a class\n");
}

TEST(ToolCommands, ClassesListsTheHostClassesWithTheirParents) {
  const TToolRun run = Tool({"classes"});
  EXPECT_EQ(run.Status, 0);
  EXPECT_TRUE(run.Out.starts_with("TObject                (root)\n")) << run.Out;
  EXPECT_TRUE(Contains(run.Out, "TStringList            TStrings\n"));
  EXPECT_TRUE(Contains(run.Out, "TComponent             TPersistent\n"));
}

TEST(ToolCommands, ConvertGoesBothWaysAndLeavesNothingBehindOnBadInput) {
  const std::filesystem::path dir = Scratch("convert");
  const std::string text = FindExample("examples/actions.dfm");
  const std::string binary = (dir / "actions.bin").string();
  const std::string back = (dir / "back.dfm").string();
  const TToolRun toBinary = Tool({"convert", text, binary});
  EXPECT_EQ(toBinary.Status, 0) << toBinary.Err;
  EXPECT_EQ(toBinary.Out, text + " -> " + binary + " (binary)\n");
  EXPECT_TRUE(ReadFile(binary).starts_with("TPF0"));
  EXPECT_EQ(Tool({"convert", binary, back}).Status, 0);
  EXPECT_EQ(ReadFile(back), ReadFile(text));
  const TToolRun toResource = Tool({"convert", text, (dir / "actions.res").string()});
  EXPECT_TRUE(toResource.Out.ends_with(" (resource)\n"));

  // Something that is no form: one line on Err, and no output file.
  const std::filesystem::path junk = dir / "junk.txt";
  std::ofstream(junk) << "not a form";
  const TToolRun bad = Tool({"convert", junk.string(), (dir / "out.dfm").string()});
  EXPECT_EQ(bad.Status, 1);
  EXPECT_EQ(bad.Err, "corvane convert: " + junk.string() +
                         " is not a form file (neither the text syntax nor the binary format)\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "out.dfm"));
  const TToolRun missing = Tool({"convert", (dir / "none.dfm").string(), (dir / "out.dfm").string()});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_TRUE(missing.Err.starts_with("corvane convert: ")) << missing.Err;
}

TEST(ToolCommands, FormFileErrorsNameTheFileAndThePlace) {
  const std::filesystem::path dir = Scratch("formerrors");
  const auto write = [&](const char* name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  };
  // A type error in a text form: its line and column in the text.
  const std::string text = write("type.dfm", "object Form: TComponent\n  Name = 'Form'\n  Tag = 'abc'\nend\n");
  EXPECT_EQ(Tool({"dump", text}).Err, "corvane dump: " + text +
                                          ":3:9: Error reading Form.Tag: Invalid property value: expected an integer, "
                                          "found vaString\n");
  // A binary form cut short, and one with bytes after its end.
  const std::string binary = (dir / "good.bin").string();
  ASSERT_EQ(Tool({"convert", FindExample("examples/actions.dfm"), binary}).Status, 0);
  const std::string bytes = ReadFile(binary);
  const std::string cut = write("cut.bin", bytes.substr(0, 40));
  EXPECT_EQ(Tool({"dump", cut}).Err,
            "corvane dump: " + cut + " is truncated: the form stops after 40 bytes, before it is complete\n");
  const std::string trailing = write("trailing.bin", bytes + "junk");
  EXPECT_EQ(Tool({"dump", trailing}).Err, "corvane dump: " + trailing +
                                              ": 4 bytes follow the end of the form at byte " +
                                              std::to_string(bytes.size()) + "\n");
  // A full disk names the file; a failed conversion leaves OUT as it was.
  const TToolRun full = Tool({"convert", FindExample("examples/actions.dfm"), "/dev/full"});
  EXPECT_EQ(full.Status, 1);
  EXPECT_EQ(full.Err, "corvane convert: Cannot write /dev/full: No space left on device\n");
  const std::string kept = write("kept.dfm", "what was there");
  EXPECT_EQ(Tool({"convert", write("junk.txt", "not a form"), kept}).Status, 1);
  EXPECT_EQ(ReadFile(kept), "what was there");
}

// Naming another target method while the form is read clears the parameter
// bindings read before it, one of which waits for a reference to be fixed
// up: the freed binding takes its fixup along (found by fuzzing).
TEST(ToolCommands, ABindingClearedWhileReadingTakesItsPendingReferenceAlong) {
  const std::filesystem::path form = Scratch("cleared") / "cleared.dfm";
  std::ofstream(form) << R"(object Form: TWinControl
  object Bar: TScrollBar
  end
  object Choices: TListBox
  end
  object Wiring: TkelConnectionList
    object HoldBar: TkelE2MConnection
      Source = Bar
      Target = Choices
      SourceEvent = 'OnScroll'
      TargetMethod = 'ItemRect'
      TargetMethodParameters = <
        item
          ParameterName = 'Index'
          Component = Choices
          ComponentProperty = 'ItemIndex'
          Options = voComponentProperty
        end>
      TargetMethod = 'Clear'
    end
  end
end
)";
  host::TOwned<host::TComponent> root = ReadRunTimeForm(form.string());
  auto* connection = dynamic_cast<kel::TkelE2MConnection*>(root->FindComponent("HoldBar"));
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(connection->GetTargetMethod(), "Clear");
  EXPECT_EQ(connection->GetTargetMethodParameters()->GetCount(), 0);
}

TEST(ToolCommands, AFormCanComeFromAPipe) {
  const std::filesystem::path fifo = Scratch("pipe") / "form";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo) << ReadFile(FindExample("examples/actions.dfm")); });
  const TToolRun run = Tool({"dump", fifo.string()});
  writer.join();
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_TRUE(run.Out.starts_with("Actions: TComponent\n")) << run.Out;
}

TEST(ToolCommands, DumpPrintsTheTreeWithItsPublishedProperties) {
  const TToolRun run = Tool({"dump"});
  EXPECT_EQ(run.Status, 0) << run.Err;
  EXPECT_TRUE(run.Out.starts_with("Actions: TComponent\n  Name = 'Actions'\n  Tag = 1\n  FileOpen: TBasicAction\n"))
      << run.Out;
  // Connection components read too: the whole library is started.
  const TToolRun wired = Tool({"dump", FindExample("examples/connections/actions.dfm")});
  EXPECT_EQ(wired.Status, 0) << wired.Err;
  EXPECT_TRUE(Contains(wired.Out, ": TkelConnectionList\n")) << wired.Out;
  EXPECT_TRUE(Contains(wired.Out, "SourceEvent = 'OnExecute'")) << wired.Out;
  const TToolRun missing = Tool({"dump", "no/such/form.dfm"});
  EXPECT_EQ(missing.Status, 1);
  EXPECT_TRUE(missing.Err.starts_with("corvane dump: ")) << missing.Err;
}

TEST(ToolCommands, DescribeListsClassesAndTheFeaturesOfOne) {
  const TToolRun names = Tool({"describe"});
  EXPECT_EQ(names.Status, 0);
  EXPECT_TRUE(names.Out.starts_with("TkelVariable\nTObject\nTInterfacedObject\nTList\n")) << names.Out;
  // The visual host's units follow the class library in start-up order:
  // image lists, actions, graphics, controls, standard controls, menus.
  EXPECT_TRUE(Contains(names.Out,
                       "TBasicAction\nTChangeLink\nTCustomImageList\nTContainedAction\nTCustomActionList\n"
                       "TActionList\nTCustomAction\nTAction\nTActionLink\nTGraphicsObject\nTFont\nTPen\nTBrush\n"
                       "TCanvas\nTGraphic\nTPicture\nTMetafileCanvas\nTSharedImage\nTMetafileImage\nTMetafile\n"
                       "TBitmapImage\nTBitmap\nTIconImage\nTIcon\nTDragObject\nTBaseDragControlObject\n"
                       "TDragControlObject\nTDragDockObject\nTControlCanvas\nTControlActionLink\nTSizeConstraints\n"
                       "TControl\nTWinControlActionLink\nTWinControl\nTGraphicControl\nTCustomControl\nTHintWindow\n"
                       "TDragImageList\nTImageList\nTDockZone\nTDockTree\nTMouse\nTCustomGroupBox\nTGroupBox\n"
                       "TCustomLabel\nTLabel\nTCustomEdit\nTEdit\nTCustomMemo\nTMemo\nTCustomComboBox\nTComboBox\n"
                       "TButtonActionLink\nTButtonControl\nTButton\nTCustomCheckBox\nTCheckBox\nTRadioButton\n"
                       "TCustomListBox\nTListBox\nTScrollBar\nTCustomStaticText\nTStaticText\nTMenuActionLink\n"
                       "TMenuItem\nTMenu\nTMainMenu\nTPopupMenu\n"))
      << names.Out;
  const TToolRun list = Tool({"describe", "tstringlist"});
  EXPECT_EQ(list.Status, 0);
  EXPECT_TRUE(list.Out.starts_with("TStringList (TStringListClassInfo)\nProperties (")) << list.Out;
  EXPECT_TRUE(Contains(list.Out, "  Strings(Index) [psReadable, psWritable, psIndexed] pvPublic\n")) << list.Out;
  EXPECT_TRUE(Contains(list.Out, "  Find(S, Index) msFunction\n")) << list.Out;
  EXPECT_TRUE(Contains(list.Out, "  OnChange(Sender) pvPublic\n")) << list.Out;
  // Every name it lists can be described: the variable (which makes its
  // own descriptor) and the components of the wiring, whose published
  // properties are what a form file holds.
  const TToolRun variable = Tool({"describe", "TkelVariable"});
  EXPECT_EQ(variable.Status, 0) << variable.Err;
  EXPECT_TRUE(Contains(variable.Out, "  OnInstanceChange(Instance) pvPublished\n")) << variable.Out;
  EXPECT_TRUE(Contains(variable.Out, "  ClassTypeName: text\n")) << variable.Out;
  const TToolRun connection = Tool({"describe", "TkelE2MConnection"});
  EXPECT_EQ(connection.Status, 0) << connection.Err;
  EXPECT_TRUE(Contains(connection.Out, "  Source: TComponent\n  Target: TComponent\n  SourceEvent: text\n"))
      << connection.Out;
  // The type of a class-typed property is named, also where the registration
  // of the designer editors asked for the same type first.
  EXPECT_TRUE(Contains(connection.Out, "  TargetMethodParameters: TkelParameterConnections\n")) << connection.Out;
  EXPECT_TRUE(Contains(names.Out, "\n  TkelE2MConnection\n")) << names.Out;
  const TToolRun unknown = Tool({"describe", "TNoSuch"});
  EXPECT_EQ(unknown.Status, 1);
  EXPECT_EQ(unknown.Err, "corvane describe: no class descriptor is registered for TNoSuch\n");
}

}  // namespace
}  // namespace corvane
