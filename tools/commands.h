// The sub-commands of the corvane tool. Each takes the words after the
// command name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace corvane {

using Args = std::vector<std::string>;

int RunClasses(const Args& args);

}  // namespace corvane
