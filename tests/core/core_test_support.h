// Helpers shared by the reflection core tests.
#pragma once

#include <string>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace kel::test {

using host::testkit::RaisedMessage;

inline std::string StyleText(TkelPropertyStyle s) {
  std::string t;
  for (const auto& [style, letter] : {std::pair{psReadable, 'R'}, {psWritable, 'W'}, {psIndexed, 'I'}})
    if (s.Contains(style)) t += letter;
  return t;
}

inline std::string ArgsText(const TkelArguments& args) {
  std::string t;
  for (const TkelParameterInfo* a : args) t += "," + a->Name;
  return t;
}

// One line per feature: "Name/RW/1(,Index)" for properties,
// "Name/0(,S,Index)" for methods, "Name(,AOwner)" for constructors and
// "Name/1(,Sender)" for events (the digit is the ordinal of the visibility
// or the method style).
inline std::string Describe(const TkelClassInfo& d) {
  std::string t;
  for (int i = 0; i < d.GetPropertyCount(); ++i) {
    const TkelPropertyInfo* p = d.GetProperties(i);
    t += "P " + p->Name + "/" + StyleText(p->Style) + "/" + std::to_string(p->Visibility) + "(" + ArgsText(p->Indexes) +
         ") ";
  }
  for (int i = 0; i < d.GetMethodCount(); ++i) {
    const TkelMethodInfo* m = d.GetMethods(i);
    t += "M " + m->Name + "/" + std::to_string(m->Style) + "(" + ArgsText(m->Args) + ") ";
  }
  for (int i = 0; i < d.GetConstructorCount(); ++i)
    t += "C " + d.GetConstructors(i)->Name + "(" + ArgsText(d.GetConstructors(i)->Args) + ") ";
  for (int i = 0; i < d.GetEventCount(); ++i) {
    const TkelEventInfo* e = d.GetEvents(i);
    t += "E " + e->Name + "/" + std::to_string(e->Visibility) + "(" + ArgsText(e->Args) + ") ";
  }
  return t;
}

}  // namespace kel::test
