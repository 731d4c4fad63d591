// Running the tool as a user types it, for the tool's tests.
#pragma once

#include <sstream>
#include <string>

#include "tools/commands.h"

namespace corvane::test {

// One run of the tool with these words: its status and what it wrote.
struct TToolRun {
  int Status;
  std::string Out, Err;
};
inline TToolRun Tool(const Args& words) {
  std::ostringstream out, err;
  TToolIO io{out, err};
  const int status = RunTool(words, io);
  return {status, out.str(), err.str()};
}

}  // namespace corvane::test
