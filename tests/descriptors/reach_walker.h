// The reachability walk shared by the descriptor units' reach tests: for a
// registered class, on a live object of that class, every declared property
// is read (and written back where writable), every declared method is
// dispatched (called where that is safe on the object, otherwise shown to be
// mapped by an owner-less descriptor of the class, which reaches the mapping
// and stops at the missing owner), and every declared event is hooked,
// relayed to a listener with its arguments in the records, and unhooked. No
// declared name may fall through to "... not found!".
//
// Each descriptor unit has a reach test of its own with one short table
// entry per class it describes (how to make an object, which values to use);
// a registered class without an entry in any table fails the registry-wide
// walk, so a new unit brings its table.
#pragma once

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelclasses.h"
#include "descriptors/kelconvert.h"
#include "descriptors/kelpattern.h"
#include "host/classes/actions.h"
#include "host/classes/collections.h"
#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/lists.h"
#include "host/classes/resources.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"
#include "host/classes/thread.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace host {
class TControl;
class TWinControl;
}  // namespace host

namespace kel::test {

using host::TObject;
using host::Variant;

// ------------------------------------------------------------------ world

// The objects one class walk uses besides the object walked; freed in
// reverse order of creation when the walk ends.
class TReachWorld {
  std::vector<std::function<void()>> cleanups_;  // first: Root's construction adds to it

 public:
  TReachWorld() : Root(Keep(host::New<host::TComponent>(nullptr))) { Root->SetName("Root"); }
  ~TReachWorld() {
    for (auto it = cleanups_.rbegin(); it != cleanups_.rend(); ++it) (*it)();
  }
  TReachWorld(const TReachWorld&) = delete;
  TReachWorld& operator=(const TReachWorld&) = delete;

  template <class T>
  T* Keep(T* obj) {
    cleanups_.push_back([obj] { obj->Free(); });
    return obj;
  }
  template <class T, class... A>
  T* Make(A&&... args) {
    return Keep(host::New<T>(std::forward<A>(args)...));
  }
  // A component owned by Root (freed with it); unnamed for an empty name.
  template <class T = host::TComponent>
  T* Owned(const std::string& name = "") {
    T* c = host::New<T>(Root);
    if (!name.empty()) c->SetName(name);
    return c;
  }
  // An interface whose last reference the world holds.
  host::IUnknown* Interface() {
    auto* obj = host::New<host::TInterfacedObject>();
    obj->_AddRef();
    cleanups_.push_back([obj] { obj->_Release(); });
    return obj;
  }
  // A file path removed when the walk ends.
  std::string TempFile(const std::string& name) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("kelreach_" + name);
    cleanups_.push_back([path] { std::filesystem::remove(path); });
    return path.string();
  }
  void OnEnd(std::function<void()> f) { cleanups_.push_back(std::move(f)); }

  host::TComponent* const Root;
  host::TComponent* Child = nullptr;  // the walked component's child
  int Items[2] = {1, 2};              // addresses used as list items
};

// A by-address value of the world (a point, a rectangle, a handle, a
// message record), freed when the walk ends; its address as descriptors take it.
template <class T>
Variant WorldValue(TReachWorld& w, const T& value) {
  auto* held = new TkelValue<T>(value);
  w.OnEnd([held] { delete held; });
  return held->Address();
}

// ------------------------------------------------------------------ table

using TArgs = std::function<std::vector<Variant>(TReachWorld&, TObject&)>;
using TRecordCheck = std::function<void(TkelEventInfo&)>;

struct TReachEvent {
  // Installs a handler counting its calls in `calls` (the previous handler).
  std::function<void(TObject&, int& calls)> SetPrevious;
  // Raises the host event on the object; sets `check` first to a test of the
  // records against the arguments.
  std::function<void(TObject&, TRecordCheck& check)> Raise;
};

struct TReachCall {
  std::string Name;
  TArgs Args;
  bool Raises = false;  // the host member refuses these arguments on purpose
};

struct TReachClass {
  std::function<TObject*(TReachWorld&)> Make;
  std::map<std::string, std::vector<Variant>> Indexes;  // index values of array properties
  std::map<std::string, TArgs> Writes;                  // a value to write instead of the one read
  std::set<std::string> ReadRaises, WriteRaises;        // accessors that refuse on this object
  std::vector<TReachCall> Calls;                        // run in this order; other methods are probed
  std::map<std::string, std::string> ProbeRaises;       // probed methods refused before the owner is needed
  std::map<std::string, TReachEvent> Events;
};

inline TReachClass Entry(std::function<TObject*(TReachWorld&)> make, std::vector<TReachCall> calls = {}) {
  TReachClass c;
  c.Make = std::move(make);
  c.Calls = std::move(calls);
  return c;
}

inline TArgs Args(std::vector<Variant> values) {
  return [values](TReachWorld&, TObject&) { return values; };
}
inline const TArgs kNone = Args({});
// The arguments `f(world, object)`: one value.
template <class F>
TArgs Arg(F f) {
  return [f](TReachWorld& w, TObject& o) { return std::vector<Variant>{f(w, o)}; };
}
// Every name of `names` called with the same arguments.
inline std::vector<TReachCall> Same(std::initializer_list<const char*> names, const TArgs& args = kNone) {
  std::vector<TReachCall> calls;
  for (const char* n : names) calls.push_back({n, args});
  return calls;
}
inline std::vector<TReachCall> operator+(std::vector<TReachCall> a, const std::vector<TReachCall>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

template <class H>
H& AsHost(TObject& o) {
  return *host::As<H>(&o);
}

// One record checked against the argument the hook received.
template <class A>
void CheckRecord(TkelEventInfo& event, int i, const A& value) {
  const Variant& v = event.GetArgs(i)->Value;
  if constexpr (kelByAddress<A>) {
    ASSERT_NE(v.AsPointer(), nullptr) << event.Name << " argument " << i;
    EXPECT_EQ(std::memcmp(v.AsPointer(), &value, sizeof(A)), 0) << event.Name << " argument " << i;
  } else {
    EXPECT_EQ(v, ToVariant(value)) << event.Name << " argument " << i;
  }
}

// The event held in the host field `field`; `make(host)` gives the arguments
// it is raised with (the values behind by-reference parameters).
template <class H, class... A, class MakeArgs>
TReachEvent EventOf(host::TEvent<A...> H::*field, MakeArgs make) {
  TReachEvent e;
  e.SetPrevious = [field](TObject& o, int& calls) {
    AsHost<H>(o).*field = host::TEvent<A...>([&calls](A...) { ++calls; });
  };
  e.Raise = [field, make](TObject& o, TRecordCheck& check) {
    H& h = AsHost<H>(o);
    std::tuple<std::remove_cvref_t<A>...> args = make(h);
    check = [args](TkelEventInfo& event) {
      ASSERT_EQ(event.GetArgCount(), static_cast<int>(sizeof...(A))) << event.Name;
      [&]<std::size_t... K>(std::index_sequence<K...>) {
        (CheckRecord(event, static_cast<int>(K), std::get<K>(args)), ...);
      }
      (std::index_sequence_for<A...>{});
    };
    std::apply([&](auto&... a) { (h.*field)(a...); }, args);
  };
  return e;
}
// A notify event: the object itself is the sender.
template <class H>
TReachEvent NotifyOf(host::TNotifyEvent H::*field) {
  return EventOf(field, [](H& h) { return std::tuple<TObject*>(&h); });
}

// The root methods, safe on every object (every entry's calls start with them).
std::vector<TReachCall> RootCalls();

// ------------------------------------------------------------------ tables

using TReachTable = std::map<std::string, TReachClass>;
// The entries of each unit (defined in that unit's reach test).
TReachTable SystemReach();
TReachTable ClassesReach();
TReachTable PatternReach();  // the test widget of the pattern tests
TReachTable GraphicsReach();
TReachTable ImgListReach();
TReachTable ActnListReach();
TReachTable MenusReach();
TReachTable ControlsReach();
TReachTable StdCtrlsReach();
TReachTable ExtCtrlsAReach();
TReachTable ExtCtrlsBReach();
TReachTable FormsReach();

// An entry for a component class: `make` gives the walked component, which
// then gets a child component "Child" (Components[0], world.Child); reading
// ComObject refuses (no COM server here). The component methods are probed.
TReachClass ComponentReach(std::function<host::TComponent*(TReachWorld&)> make);

// An entry for a control class (TControl's methods and events) and for a
// windowed control class (TWinControl's too, the walked control given a
// child control "Kid"); defined with the controls unit's table.
TReachClass ControlEntry(std::function<host::TControl*(TReachWorld&)> make);
TReachClass WinControlEntry(std::function<host::TWinControl*(TReachWorld&)> make);

// Walks the class registered as `name` with its entry in `table`.
void WalkClass(const TReachTable& table, const std::string& name);
// Walks every class of the descriptor list D with the unit's table.
template <class... D>
void WalkUnit(const TReachTable& table, TkelDescriptorList<D...>) {
  (WalkClass(table, D::HostClass::StaticMetaClass.Name), ...);
}

}  // namespace kel::test
