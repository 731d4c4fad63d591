// The sub-commands of the corvane tool. Each takes the words after the
// command name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace corvane {

using Args = std::vector<std::string>;

int RunClasses(const Args& args);
// corvane convert IN OUT: a text form to binary (to a resource when OUT ends
// in .res) or a binary or resource form to text.
int RunConvert(const Args& args);
// corvane dump [FORM]: reads the form into live components and prints the
// component tree with every published property; without FORM, a bundled
// example from examples/.
int RunDump(const Args& args);
// corvane describe [CLASS]: without CLASS the registered class names in
// registration order; with it (any letter case) every feature of that class
// as its descriptor lists it. An unknown class prints a message, status 1.
int RunDescribe(const Args& args);

}  // namespace corvane
