// corvane classes: the host classes with their parents.
#include "host/classes/hostclasses.h"
#include "tools/commands.h"

namespace corvane {

int RunClasses(const Args& args, TToolIO& io) {
  if (!args.empty()) {
    Print(io.Err, "usage: corvane classes\n");
    return 2;
  }
  for (host::TClass c : host::HostClasses())
    Print(io.Out, "%-22s %s\n", c->Name, c->Parent ? c->Parent->Name : "(root)");
  return 0;
}

}  // namespace corvane
