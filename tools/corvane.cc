// corvane: the command-line tool of the library.
#include <cstdio>

#include "host/classes/persistent.h"

int main() {
  const host::TClass classes[] = {&host::TObject::StaticMetaClass, &host::TInterfacedObject::StaticMetaClass,
                                  &host::TPersistent::StaticMetaClass};
  for (host::TClass c : classes) std::printf("%s: %s\n", c->Name, c->Parent ? c->Parent->Name : "-");
  return 0;
}
