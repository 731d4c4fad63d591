// corvane: the command-line tool of the library.
//
//   corvane                 runs the default command
//   corvane COMMAND ARGS    runs one command (see `corvane help`)
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "host/rtl/sysutils.h"
#include "tools/commands.h"

namespace {

struct Command {
  const char* name;
  const char* usage;
  int (*run)(const corvane::Args&);
};

constexpr Command kCommands[] = {
    {"classes", "classes                 list the host classes with their parents", corvane::RunClasses},
    {"convert", "convert IN OUT          convert a form file between text and binary", corvane::RunConvert},
    {"dump", "dump [FORM]             read a form into live components and print them", corvane::RunDump},
    {"describe", "describe [CLASS]        list described classes, or every feature of one", corvane::RunDescribe},
    {"run", "run [FORM [SCRIPT]]     read a form at run time and run a script on it", corvane::RunRun},
    {"check", "check FORM              read a form as the designer does and diagnose its connections",
     corvane::RunCheck},
};
constexpr const char* kDefaultCommand = "run";

int Help() {
  std::printf("usage: corvane [COMMAND [ARGS]]   (without a command: %s)\n\ncommands:\n", kDefaultCommand);
  for (const Command& c : kCommands) std::printf("  %s\n", c.usage);
  return 0;
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : kCommands)
    if (name == c.name) return &c;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  std::string name = words.empty() ? kDefaultCommand : words.front();
  if (!words.empty()) words.erase(words.begin());
  if (name == "help" || name == "--help" || name == "-h") return Help();
  const Command* command = FindCommand(name);
  if (!command) {
    std::fprintf(stderr, "corvane: unknown command '%s' (try 'corvane help')\n", name.c_str());
    return 2;
  }
  try {
    return command->run(words);
  } catch (const host::Exception& e) {
    std::fprintf(stderr, "corvane %s: %s\n", name.c_str(), e.Message().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "corvane %s: internal error: %s\n", name.c_str(), e.what());
  }
  return 1;
}
