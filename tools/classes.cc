// corvane classes: the host classes with their parents.
#include <cstdio>

#include "host/classes/hostclasses.h"
#include "tools/commands.h"

namespace corvane {

int RunClasses(const Args& args) {
  if (!args.empty()) {
    std::fprintf(stderr, "corvane classes takes no arguments\n");
    return 2;
  }
  for (host::TClass c : host::HostClasses())
    std::printf("%-22s %s\n", c->Name, c->Parent ? c->Parent->Name : "(root)");
  return 0;
}

}  // namespace corvane
