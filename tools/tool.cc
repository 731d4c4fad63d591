// The command table of the corvane tool, its help and its dispatch.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "host/classes/datamodule.h"
#include "host/classes/keptprops.h"
#include "host/forms/form.h"
#include "host/forms/frame.h"
#include "host/rtl/sysutils.h"
#include "package/package.h"
#include "tools/commands.h"

namespace corvane {

namespace {

constexpr char kVersion[] = "corvane 1.1.0";
constexpr char kDefaultCommand[] = "run";

constexpr TCommand kCommands[] = {
    {"run", "run [FORM [SCRIPT]]", "read a form at run time and run a script on it",
     "Reads FORM (text or binary) as an application does: its connection lists\n"
     "connect. Then runs SCRIPT on it and prints each line, its result and a\n"
     "trace line for every event a connection relays (also while the form is\n"
     "read). Without FORM, the bundled example examples/road.dfm with its\n"
     "script road.run: a click on a button clears a list box through a\n"
     "connection. The script stops at the first line that\n"
     "fails; the reason goes to standard error as SCRIPT:LINE: message, and\n"
     "the status is 1.\n"
     "\n"
     "A script has one operation per line, carried out through the class\n"
     "descriptors of the form's components:\n"
     "\n"
     "  set    Component.Property[index, ...] = value\n"
     "  get    Component.Property[index, ...]\n"
     "  expect Component.Property[index, ...] = value   (fails unless it holds value)\n"
     "  invoke Component.Method(argument, ...)\n"
     "\n"
     "Input lines act on a control as a user would, through the input robot of\n"
     "the headless widgetset (the control's form is shown first):\n"
     "\n"
     "  click    Control\n"
     "  dblclick Control\n"
     "  type     Control 'text'     (focuses the control, then types)\n"
     "  key      Control Shift+Tab  (focuses the control, then presses the key)\n"
     "  select   Control 3          (clicks item 3 of a list or combo box,\n"
     "                               dropping a combo box's list down first)\n"
     "  select   Control 'text'     (the same for the item of that text; on a\n"
     "                               page control, clicks the tab; also on\n"
     "                               a list view)\n"
     "  show     Form2              (calls Show through the descriptor)\n"
     "  close    Form2              (calls Close through the descriptor)\n"
     "  wait     500                (advances the clock: due timers fire)\n"
     "\n"
     "While a line waits for the user (a form shown modally runs its own loop\n"
     "until it closes), the following lines run as that user. A message box\n"
     "takes the next answer queued for it (`answer yes` in design scripts),\n"
     "else its first button; each prints after its line with its answer.\n"
     "\n"
     "Keys are named as short cuts are: Enter, Esc, Tab, Space, BkSp, Del,\n"
     "Left, Up, F5, A, 1..., after Shift+, Ctrl+ or Alt+.\n"
     "\n"
     "Component is the name of the form's root or of a component it owns (a\n"
     "control of a dialog open over the form is found first); a\n"
     "property or method may be reached through object-valued properties, each\n"
     "step through the object's own descriptor (get ListBox.Items.Count,\n"
     "invoke Memo.Lines.Add('x')). The brackets and parentheses may be left\n"
     "out when there is nothing in them.\n"
     "A value is 'text' (a quote doubled inside), an integer, a number with a\n"
     "decimal point, True, False, Unassigned, nil, or @Name (a component of the\n"
     "form, as descriptors pass object references). Empty lines and lines\n"
     "starting with # are skipped.\n"
     "\n"
     "Each line is echoed (> line); get prints the value, invoke the function\n"
     "result and every argument the method changed: objects as @Name (an\n"
     "object outside the form as @(Class)), no object as nil, classes by name,\n"
     "sets as [member, ...]. A number given where an object, a class, a set or\n"
     "a record is expected is refused, never followed. Every event a\n"
     "connection relays prints a trace line:\n"
     "\n"
     "  trace Save: FileSave.OnExecute -> Log.Add('saved')\n"
     "  trace Show: Edit.OnChange -> Label.Caption := 'x'\n",
     RunRun},
    {"check", "check FORM", "read a form as the designer does and diagnose its connections",
     "Reads FORM as the form designer does (no connection reacts) and lists\n"
     "every connection with what keeps it from working. Status 1 when one is\n"
     "broken.\n",
     RunCheck},
    {"design", "design FORM [SCRIPT] [--save FILE]", "work a form in the headless form designer",
     "Opens FORM in the form designer (its components in the designing state:\n"
     "connections attach nothing) and runs SCRIPT on it. Besides the lines of\n"
     "`corvane run` scripts, a design script has the designer's own:\n"
     "\n"
     "  drop     CLASS [PARENT]     (a new component, named by the designer)\n"
     "  select   NAME               (the inspector's selection)\n"
     "  inspect  NAME [PROPERTY]    (the inspector's rows: value, attributes,\n"
     "                               and for one property its value list)\n"
     "  setprop  NAME PROPERTY 'v'  (typed into the inspector; a value its\n"
     "                               property editor refuses prints the error\n"
     "                               and the script goes on)\n"
     "  verbs    NAME               (the component editor's verbs)\n"
     "  verb     NAME 2 | 'caption' (runs one)\n"
     "  dblclick-design NAME        (the component editor's Edit)\n"
     "  answer   yes | no           (the answer to the next message box)\n"
     "  edit     NAME               (opens the dialog of a connection's kind,\n"
     "                               or a connection list's editor; the lines\n"
     "                               after it act in the window by its\n"
     "                               controls' names)\n"
     "  save     'FILE'             (writes the designed form as a text form)\n"
     "\n"
     "--save FILE saves the designed form when the script has run. A failing\n"
     "line goes to standard error as SCRIPT:LINE: message; the status is 1.\n",
     RunDesign},
    {"show", "show FORM [SCRIPT] [--screenshot FILE.png]", "open a form in a real window (Qt 6)",
     "Reads FORM at run time and shows it in a window through the Qt 6\n"
     "widgetset, with its connections active; a data module shows the first\n"
     "form it holds. SCRIPT, when given, runs after the form shows, through the\n"
     "same input path as real input (see `corvane help run`). Without\n"
     "--screenshot the program runs until the window is closed; with it, it\n"
     "writes what the window shows, after the script, to FILE.png and exits.\n"
     "\n"
     "Needs a display, or QT_QPA_PLATFORM=offscreen to run without one.\n",
     RunShow},
    {"designer", "designer [FORM] [--quit] [--screenshot FILE.png]", "design a form in a window (Qt 6)",
     "Opens the form designer in a window through the Qt 6 widgetset, on FORM\n"
     "or on a new form: a palette of the registered components, the tree of\n"
     "the form's components, the object inspector, and the designed form in a\n"
     "window of its own, where a click selects, a drag moves, the handles\n"
     "resize, a palette button and a click drop a component, the right button\n"
     "shows a component's verbs and a double-click runs its editor. File\n"
     "opens, saves (text or binary form files) and runs the form; Edit undoes\n"
     "and redoes.\n"
     "\n"
     "--quit closes the designer as soon as FORM is open (status 1 when it\n"
     "could not be opened, with the reader's message). --screenshot writes\n"
     "the designer and the designed form as one picture and exits.\n"
     "\n"
     "Needs a display, or QT_QPA_PLATFORM=offscreen to run without one.\n",
     RunDesigner},
    {"dump", "dump [FORM]", "read a form into live components and print them",
     "Reads FORM into live components (connections included) and prints the\n"
     "component tree with every published property. Without FORM, the bundled\n"
     "example examples/actions.dfm.\n",
     RunDump},
    {"convert", "convert IN OUT", "convert a form file between text and binary",
     "Converts the form file IN: a text form to binary (to a resource when OUT\n"
     "ends in .res), a binary or resource form to text. IN is read whole\n"
     "before OUT is written.\n",
     RunConvert},
    {"describe", "describe [CLASS]", "list described classes, or every feature of one",
     "Without CLASS, the class names the descriptor registry knows, in\n"
     "registration order. With CLASS (any letter case), every property, method,\n"
     "constructor and event its descriptor lists.\n",
     RunDescribe},
    {"classes", "classes", "list the host classes with their parents",
     "Lists every class of the host class library with its parent.\n", RunClasses},
};

void Usage(std::ostream& out) {
  Print(out, "usage: corvane [COMMAND [ARGS]]   (without a command: %s)\n\ncommands:\n", kDefaultCommand);
  for (const TCommand& c : kCommands) Print(out, "  %-22s %s\n", c.Usage, c.Summary);
  Print(out,
        "\nA form file whose root is of an application's own class (TForm1) is read\n"
        "into a TForm, or a TFrame or TDataModule when its content says so;\n"
        "--as TForm|TFrame|TDataModule after the command chooses.\n");
  Print(out, "\n'corvane help COMMAND' or 'corvane COMMAND --help' explains one command.\n");
}

int CommandHelp(const TCommand& c, std::ostream& out) {
  Print(out, "usage: corvane %s\n\n%s", c.Usage, c.Help);
  return 0;
}

bool IsHelp(const std::string& word) { return word == "--help" || word == "-h"; }

int Help(const Args& words, TToolIO& io) {
  if (words.empty()) {
    Usage(io.Out);
    return 0;
  }
  if (const TCommand* c = FindCommand(words[0])) return CommandHelp(*c, io.Out);
  Print(io.Err, "corvane: no command '%s' (try 'corvane help')\n", words[0].c_str());
  return 2;
}

// Runs the command, turning what it raises into one line on Err.
int Guarded(const TCommand& c, const Args& args, TToolIO& io) {
  try {
    return c.Run(args, io);
  } catch (const host::Exception& e) {
    Print(io.Err, "corvane %s: %s\n", c.Name, e.Message().c_str());
  } catch (const std::exception& e) {
    Print(io.Err, "corvane %s: internal error: %s\n", c.Name, e.what());
  }
  return 1;
}

}  // namespace

void Print(std::ostream& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int size = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(static_cast<std::size_t>(size > 0 ? size : 0) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, again);
  va_end(again);
  text.pop_back();
  out << text << std::flush;
}

std::span<const TCommand> Commands() { return kCommands; }

const TCommand* FindCommand(std::string_view name) {
  for (const TCommand& c : kCommands)
    if (name == c.Name) return &c;
  return nullptr;
}

std::optional<TFormArgs> ParseFormArgs(const Args& args, std::string_view Option) {
  TFormArgs parsed;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != Option) {
      files.push_back(args[i]);
      continue;
    }
    if (++i == args.size() || !parsed.OptionFile.empty()) return std::nullopt;
    parsed.OptionFile = args[i];
  }
  if (files.empty() || files.size() > 2) return std::nullopt;
  parsed.Form = files[0];
  if (files.size() == 2) parsed.Script = files[1];
  return parsed;
}

namespace {

std::string g_rootClassOption;

// The class --as names; raises when it is not one a root can be read into.
host::TClass RootClassOption() {
  const host::TClass cls = host::GetClass(g_rootClassOption);
  for (host::TClass base : {&host::TCustomForm::StaticMetaClass, &host::TCustomFrame::StaticMetaClass,
                            &host::TDataModule::StaticMetaClass})
    if (cls && cls->InheritsFrom(base)) return cls;
  throw host::Exception("--as takes TForm, TFrame or TDataModule, not '%s'", {g_rootClassOption});
}

}  // namespace

void SetRootClassOption(const std::string& ClassName) { g_rootClassOption = ClassName; }

TLibrary::TLibrary() {
  kel::package::Initialize();
  if (g_rootClassOption.empty()) return;
  try {
    host::ForceGenericRootClass(RootClassOption());
  } catch (...) {
    kel::package::Finalize();
    throw;
  }
}

TLibrary::~TLibrary() {
  host::ForceGenericRootClass(nullptr);
  kel::package::Finalize();
}

int RunTool(const Args& words, TToolIO& io) {
  if (!words.empty() && words[0] == "--version") {
    Print(io.Out, "%s\n", kVersion);
    return 0;
  }
  if (!words.empty() && (words[0] == "help" || IsHelp(words[0]))) return Help(Args(words.begin() + 1, words.end()), io);
  const std::string name = words.empty() ? kDefaultCommand : words[0];
  const TCommand* command = FindCommand(name);
  if (!command) {
    Print(io.Err, "corvane: unknown command '%s' (try 'corvane help')\n", name.c_str());
    return 2;
  }
  Args args(words.empty() ? words.begin() : words.begin() + 1, words.end());
  if (!args.empty() && IsHelp(args[0])) return CommandHelp(*command, io.Out);
  // --as CLASS, for any command that reads a form.
  SetRootClassOption("");
  for (auto it = args.begin(); it != args.end(); ++it) {
    if (*it != "--as") continue;
    if (it + 1 == args.end()) {
      Print(io.Err, "corvane %s: --as needs a class name (TForm, TFrame or TDataModule)\n", command->Name);
      return 2;
    }
    SetRootClassOption(*(it + 1));
    args.erase(it, it + 2);
    break;
  }
  return Guarded(*command, args, io);
}

}  // namespace corvane
