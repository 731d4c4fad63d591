// Helpers shared by the descriptor tests.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "core/kelcommon.h"
#include "host/classes/thread.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace kel::test {

// A thread that finishes at once with exit value 7 (TThread itself is
// abstract); its HOST_IMPL is in test_widget.cc.
class TSevenThread : public host::TThread {
  HOST_CLASS(TSevenThread, host::TThread)
  TSevenThread() : TThread(true) {}

 protected:
  ~TSevenThread() override = default;
  void Execute() override { SetReturnValue(7); }
};

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

// The descriptor the registry hands out for `object` (the test program
// started the library, which registered every descriptor unit).
inline TkelClassInfo* Describe(host::TObject* object) { return TkelClassRegistry::GetInfo(object); }
// A descriptor of class `info` made and owned by the test (not cached).
inline TkelClassInfo* MakeDescriptor(host::TClass info, host::TObject* owner = nullptr) {
  host::TOwned<TkelClassInfo> d(host::As<TkelClassInfo>(info->Create(nullptr)));
  d->InitMetaData();
  d->SetOwner(owner);
  return d.release();
}
// A new listener for `event` on d running `onEvent`; the test removes and
// frees it with Unlisten.
inline TkelListener* Listen(TkelClassInfo* d, const std::string& event,
                            std::function<void(host::TObject*, TkelEventInfo*)> onEvent) {
  TkelListener* l = host::New<TkelListener>();
  l->EventName = event;
  l->OnEvent = TNotifyKELEvent(std::move(onEvent));
  d->AddListener(l);
  return l;
}
inline void Unlisten(TkelClassInfo* d, const std::vector<TkelListener*>& listeners) {
  for (TkelListener* l : listeners) {
    d->RemoveListener(l);
    l->Free();
  }
}

// The listeners a test adds, removed and freed when it goes out of scope
// (declare it after the objects whose descriptors it listens to).
class TTestListeners {
 public:
  TTestListeners() = default;
  TTestListeners(const TTestListeners&) = delete;
  TTestListeners& operator=(const TTestListeners&) = delete;
  ~TTestListeners() {
    for (auto it = FAdded.rbegin(); it != FAdded.rend(); ++it) Unlisten(it->first, {it->second});
  }
  // Runs `onEvent` with the event's records on every notification of `event`.
  void On(TkelClassInfo* d, const std::string& event, std::function<void(TkelEventInfo&)> onEvent) {
    FAdded.emplace_back(d, Listen(d, event, [onEvent](host::TObject*, TkelEventInfo* info) { onEvent(*info); }));
  }

 private:
  std::vector<std::pair<TkelClassInfo*, TkelListener*>> FAdded;
};

}  // namespace kel::test
