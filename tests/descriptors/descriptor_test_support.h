// Helpers shared by the descriptor tests.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace kel::test {

// The message of the exception of type E that `f` raises, or a marker text.
using host::testkit::RaisedMessage;
template <class E = host::Exception, class F>
std::string MessageOf(F&& f) {
  return RaisedMessage<E>(std::forward<F>(f));
}

// The property record `name` of d with its index values set; the record
// must exist.
inline TkelPropertyInfo* Prop(TkelClassInfo* d, const char* name, std::initializer_list<host::Variant> indexes = {}) {
  TkelPropertyInfo* p = d->FindProperty(name);
  EXPECT_NE(p, nullptr) << name;
  int i = 0;
  for (const host::Variant& v : indexes) p->GetIndexes(i++)->Value = v;
  return p;
}
inline host::Variant Read(TkelClassInfo* d, const char* name, std::initializer_list<host::Variant> indexes = {}) {
  return d->GetProperty(Prop(d, name, indexes));
}
inline void Write(TkelClassInfo* d, const char* name, const host::Variant& value,
                  std::initializer_list<host::Variant> indexes = {}) {
  d->SetProperty(Prop(d, name, indexes), value);
}
// Invokes the method `name` of d with the arguments; returns its record
// (Result, by-reference arguments).
inline TkelMethodInfo* Invoke(TkelClassInfo* d, const char* name, std::initializer_list<host::Variant> args = {}) {
  TkelMethodInfo* m = d->FindMethod(name);
  EXPECT_NE(m, nullptr) << name;
  int i = 0;
  for (const host::Variant& v : args) m->GetArgs(i++)->Value = v;
  d->InvokeMethod(m);
  return m;
}
// An address or object reference as descriptors pass it.
inline host::Variant Addr(const void* p) { return host::Variant::FromPointer(p); }

}  // namespace kel::test
