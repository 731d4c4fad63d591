// The sub-commands of the corvane tool. Each takes the words after the
// command name and returns the process exit status.
#pragma once

#include <string>
#include <vector>

namespace host {
class TComponent;
}

namespace corvane {

using Args = std::vector<std::string>;

// What `run` prints for the form at Form (read at run time, traced) and the
// script text; Ok tells whether every line ran.
std::string RunForm(const std::string& Form, const std::string& Script, bool& Ok);
// The report of `check` for the connections of Root, read with the
// properties in Skipped left out; Healthy tells whether nothing was skipped
// and no connection is broken.
std::string DescribeConnections(host::TComponent* Root, const std::vector<std::string>& Skipped, bool& Healthy);

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

// corvane run [FORM [SCRIPT]]: reads the form at run time (its connection
// lists connect) and runs the script (see tools/script.h), printing every
// line, its result and a trace line for every event a connection handles.
// Without arguments, the bundled example with its script. Status 1 when a
// line fails.
int RunRun(const Args& args);
// corvane check FORM: reads the form as the designer does and prints every
// connection with what keeps it from working; status 1 when one is broken.
int RunCheck(const Args& args);

}  // namespace corvane
