// The sub-commands of the corvane tool. Each takes the words after the
// command name, writes its output to the tool's streams and returns the
// process exit status (0 done, 1 failed, 2 a usage error).
#pragma once

#include <cstdarg>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {
class TComponent;
}

namespace corvane {

using Args = std::vector<std::string>;

// Where a command writes: Out for its results, Err for messages.
struct TToolIO {
  std::ostream& Out;
  std::ostream& Err;
};
// printf-style output to a stream.
void Print(std::ostream& out, const char* format, ...) __attribute__((format(printf, 2, 3)));

// One command of the tool: its name, a one-line usage and summary, the full
// help text, and the command itself.
struct TCommand {
  const char* Name;
  const char* Usage;
  const char* Summary;
  const char* Help;
  int (*Run)(const Args& args, TToolIO& io);
};
std::span<const TCommand> Commands();
const TCommand* FindCommand(std::string_view name);
// The whole command line (without the program name): a command with its
// words, `help [COMMAND]`, `COMMAND --help`, `--version`, or nothing (the
// default command). Errors of the command are reported on io.Err with the
// command's name; the result is the exit status.
int RunTool(const Args& words, TToolIO& io);

// The words FORM [SCRIPT] [OPTION FILE] of show and design, the option
// anywhere; nothing when they do not fit (no form, more than two files, the
// option twice or without its file).
struct TFormArgs {
  std::string Form;
  std::string Script;
  std::string OptionFile;
};
std::optional<TFormArgs> ParseFormArgs(const Args& args, std::string_view Option);

// The class named by --as (TForm, TFrame or TDataModule), checked when the
// library starts; empty for none.
void SetRootClassOption(const std::string& ClassName);

// Keeps the library started (every unit, as an application has it) while a
// command runs. A form file's root of an application's own class is read
// into the class the --as option named (SetRootClassOption), else into the
// standard class its content fits.
struct TLibrary {
  TLibrary();
  ~TLibrary();
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;
};

// What `run` does with the form at Form (read at run time, traced) and the
// script text: the output, and where the script stopped (ErrorLine 0 when
// every line ran).
struct TRunResult {
  std::string Out;
  int ErrorLine = 0;
  std::string Error;
  bool Ok() const { return ErrorLine == 0; }
};
TRunResult RunForm(const std::string& Form, const std::string& Script);
// The report of `check` for the connections of Root, read with the
// properties in Skipped left out; Healthy tells whether nothing was skipped
// and no connection is broken.
std::string DescribeConnections(host::TComponent* Root, const std::vector<std::string>& Skipped, bool& Healthy);

// The commands (see their help texts in Commands()).
int RunClasses(const Args& args, TToolIO& io);
int RunConvert(const Args& args, TToolIO& io);
int RunDump(const Args& args, TToolIO& io);
int RunDescribe(const Args& args, TToolIO& io);
int RunRun(const Args& args, TToolIO& io);
int RunCheck(const Args& args, TToolIO& io);
int RunShow(const Args& args, TToolIO& io);
int RunDesign(const Args& args, TToolIO& io);
int RunDesigner(const Args& args, TToolIO& io);

}  // namespace corvane
