// corvane: the command-line tool of the library (see `corvane help`).
#include <iostream>
#include <string>
#include <vector>

#include "tools/commands.h"

int main(int argc, char** argv) {
  // Output goes out as it is produced, so a failure never hides what ran
  // before it.
  std::cout << std::unitbuf;
  corvane::TToolIO io{std::cout, std::cerr};
  return corvane::RunTool(std::vector<std::string>(argv + 1, argv + argc), io);
}
