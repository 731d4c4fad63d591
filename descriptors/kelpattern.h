// The descriptor pattern: every host class descriptor is written as
//
//   class TListClassInfo : public kel::TkelDescriptor<TListClassInfo, TObjectClassInfo, host::TList> {
//     KEL_DESCRIPTOR(TListClassInfo)  // the class record; the parent is the one named above
//     static constexpr kel::TkelTexts Texts{.Properties = "Define::Count::psReadable::pvPublic::0",
//                                           .Methods = "Add::msFunction::1::Item"};
//     static void MapFeatures(Map& m) {
//       m.Prop("Count", &host::TList::GetCount)          // read-only: no setter entry
//        .Method("Add", &host::TList::Add);
//     }
//    protected:
//     ~TListClassInfo() override = default;
//   };
//   KEL_DESCRIPTOR_IMPL(TListClassInfo)  // in the source file
//
// and a unit registers its descriptors, under the names of the host classes
// they describe (taken from the host classes' records), in one line:
//
//   kelRegisterDescriptors<TListClassInfo, TStringListClassInfo>();
//
// TkelDescriptor supplies the ten operations of TkelClassInfo:
//  * DefineKEL*: the parent's first, then the reader with this class's text.
//    The texts are constants of the class, so the class shares its
//    definitions (SharesDefinitions): they are read once per library start-up;
//  * GetProperty / SetProperty / InvokeMethod: the record's Name is looked up
//    (exactly, case-sensitively) in this class's tables, built once per class
//    from MapFeatures; a name not found there goes to the parent descriptor's
//    operation, so unknown names end at TkelClassInfo ("Property X not found!").
//    The tables of a chain of pattern classes are merged per class (a derived
//    class's entry hides its parent's of the same name, exactly as the chain
//    of calls would), and each record remembers what its class does with it,
//    so a repeated call costs no lookup at all;
//  * ConnectEventHandlers: the parent's first, then this class's events in map
//    order: save the owner's handler, install the hook. UnConnectEventHandlers:
//    this class's saved handlers back, then the parent's;
//  * InvokeConstructor does nothing (constructors are listed for information).
//
// Map entries take host members (or lambdas whose first parameter is the host
// object); the Variant conversions follow from their signatures (kelconvert.h).
// Every function result is stored in the method record's Result, converted by
// the same rules (also integers, booleans and strings), for msFunction records.
// By-reference (non-const lvalue reference) parameters travel through the
// descriptor's scratch slot for that parameter and are written back after the
// call. PropRaw / MethodRaw take lambdas that see the descriptor and the record
// for the irregular cases.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/kelcommon.h"
#include "descriptors/kelconvert.h"
#include "host/rtl/events.h"

namespace kel {

// The four description texts of a descriptor class (any may be empty).
struct TkelTexts {
  std::string_view Properties = {};
  std::string_view Methods = {};
  std::string_view Constructors = {};
  std::string_view Events = {};
};

// ------------------------------------------------------------ shared helpers

// "Method Find needs 2 arguments, but its record has 1!" and the like.
[[noreturn]] void RaiseFeatureCount(const char* kind, const std::string& name, const char* what, int have,
                                    std::size_t want);
inline void CheckFeatureCount(const char* kind, const std::string& name, const char* what, int have, std::size_t want) {
  if (have < 0 || static_cast<std::size_t>(have) != want) RaiseFeatureCount(kind, name, what, have, want);
}
[[noreturn]] void RaiseNoOwner(const char* descriptorClass);
[[noreturn]] void RaiseDuplicateMapping(const char* descriptorClass, const char* kind, const std::string& name);

namespace detail {

template <class... A>
struct TkelTypes {};

// Result type, object type and value parameters of a mapped callable: a host
// member function, or a function / lambda taking the host object first.
template <class R, class C, class... A>
struct TkelSig {
  using Result = R;
  using Object = std::remove_const_t<C>;
  using Args = TkelTypes<A...>;
};
template <class F>
struct TkelSignature;
template <class R, class C, class... A>
struct TkelSignature<R (C::*)(A...)> : TkelSig<R, C, A...> {};
template <class R, class C, class... A>
struct TkelSignature<R (C::*)(A...) const> : TkelSig<R, C, A...> {};
template <class R, class C, class... A>
struct TkelSignature<R (C::*)(A...) noexcept> : TkelSig<R, C, A...> {};
template <class R, class C, class... A>
struct TkelSignature<R (C::*)(A...) const noexcept> : TkelSig<R, C, A...> {};
template <class R, class H, class... A>
struct TkelSignature<R (*)(H&, A...)> : TkelSig<R, H, A...> {};
template <class R, class H, class... A>
struct TkelSignature<R (*)(H&, A...) noexcept> : TkelSig<R, H, A...> {};
template <class M>
struct TkelCallSig;
template <class R, class L, class H, class... A>
struct TkelCallSig<R (L::*)(H&, A...) const> : TkelSig<R, H, A...> {};
template <class R, class L, class H, class... A>
struct TkelCallSig<R (L::*)(H&, A...)> : TkelSig<R, H, A...> {};
template <class F>
requires requires { &F::operator(); }
struct TkelSignature<F> : TkelCallSig<decltype(&F::operator())> {};

// A parameter passed by (non-const) reference: goes through scratch and is
// written back.
template <class P>
inline constexpr bool kelVarParam = std::is_lvalue_reference_v<P> && !std::is_const_v<std::remove_reference_t<P>>;

// Local storage of an event hook for an argument that travels by address.
struct TkelNoLocal {};
template <class A>
using TkelLocal = std::conditional_t<kelByAddress<std::remove_cvref_t<A>>, std::remove_cvref_t<A>, TkelNoLocal>;

// Makes an event's by-address arguments value areas while it is fired, so
// that a listener may pass them on; nothing for events without such
// arguments.
template <class... L>
class TkelLocalAreas {
 public:
  explicit TkelLocalAreas(std::tuple<L...>& locals) : FLocals(locals) {
    std::apply([](L&... l) { (Add(l), ...); }, locals);
  }
  TkelLocalAreas(const TkelLocalAreas&) = delete;
  TkelLocalAreas& operator=(const TkelLocalAreas&) = delete;
  ~TkelLocalAreas() {
    std::apply([](L&... l) { (Remove(l), ...); }, FLocals);
  }

 private:
  // Only plain copies are value areas; a policy's own local kinds (see
  // TkelHookArgs) look after themselves.
  // (TkelNoLocal, an empty class, is trivially copyable too: it holds no
  // value and is never an area.)
  template <class T>
  static constexpr bool kIsArea = kelByAddress<T> && !std::is_same_v<T, TkelNoLocal>;
  template <class T>
  static void Add(T& local) {
    if constexpr (kIsArea<T>) kelAddValueArea(&local, sizeof(T), nullptr, kelValueType<T>());
  }
  template <class T>
  static void Remove(T& local) noexcept {
    if constexpr (kIsArea<T>) kelRemoveValueArea(&local);
  }
  std::tuple<L...>& FLocals;
};

}  // namespace detail

// How an event hook hands its arguments to the listeners (steps 2 and 5 of
// RunHook): each argument is stored converted in the parameter record at its
// position, sets and records as the address of the hook's own copy (`Local`);
// by-reference arguments are written back converted from the record. An
// event that departs from this names a policy derived from this one in
// EventWith, which hides Local, Store or WriteBack for the arguments it
// treats otherwise and passes the rest on to these.
struct TkelHookArgs {
  template <class A>
  using Local = detail::TkelLocal<A>;

  template <class A, class L>
  static void Store(TkelEventInfo& event, int i, L& local, std::remove_reference_t<A>& value) {
    if constexpr (std::is_same_v<L, detail::TkelNoLocal>)
      event.GetArgs(i)->Value = ToVariant(value);
    else
      event.GetArgs(i)->Value = ToVariantAt<L>(value, local);
  }
  template <class A>
  static void WriteBack(TkelEventInfo& event, int i, std::remove_reference_t<A>& arg) {
    if constexpr (detail::kelVarParam<A>) arg = FromVariant<A>(event.GetArgs(i)->Value);
  }
};

// ------------------------------------------------------------ feature tables

// A mapped feature with the class that handles it erased, so that a derived
// class's merged table can hold its ancestors' entries: Call runs the
// callable Fn of the class that mapped it on the descriptor.
struct TkelGetterEntry {
  host::Variant (*Call)(const void* fn, TkelClassInfo& d, TkelPropertyInfo& p);
  const void* Fn;
};
struct TkelSetterEntry {
  void (*Call)(const void* fn, TkelClassInfo& d, TkelPropertyInfo& p, const host::Variant& v);
  const void* Fn;
};
struct TkelInvokerEntry {
  void (*Call)(const void* fn, TkelClassInfo& d, TkelMethodInfo& m);
  const void* Fn;
};

// The merged tables of a descriptor class: every name it or a pattern
// ancestor maps (its own first), sorted by name.
struct TkelDispatchTable {
  template <class E>
  using Entries = std::vector<std::pair<std::string, E>>;
  Entries<TkelGetterEntry> Getters;
  Entries<TkelSetterEntry> Setters;
  Entries<TkelInvokerEntry> Invokers;

  template <class E>
  static const E* Find(const Entries<E>& entries, std::string_view name) {
    auto it = std::lower_bound(entries.begin(), entries.end(), name,
                               [](const auto& e, std::string_view n) { return e.first < n; });
    return it != entries.end() && it->first == name ? &it->second : nullptr;
  }
  // Adds the entries of `more` whose names are not here yet, keeping the order.
  template <class E>
  static void Merge(Entries<E>& entries, const Entries<E>& more) {
    Entries<E> merged;
    merged.reserve(entries.size() + more.size());
    std::merge(entries.begin(), entries.end(), more.begin(), more.end(), std::back_inserter(merged),
               [](const auto& a, const auto& b) { return a.first < b.first; });
    // Stable: of two equal names the one from `entries` (this class) comes first.
    merged.erase(
        std::unique(merged.begin(), merged.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
        merged.end());
    entries = std::move(merged);
  }
};

// The name-to-member tables of one descriptor class, built once. Each entry
// keeps its callable (a lambda made by the map) alive and calls it through a
// thunk that knows its type, so a call costs one indirect jump.
template <class Self>
struct TkelFeatureTable {
  struct Hook;
  using HookStep = std::function<void(Self&, const Hook&)>;
  struct Hook {
    std::string Name;
    std::size_t Slot;  // scratch slot of the saved handler and the event's position
    HookStep Connect;
    HookStep Restore;
  };
  template <class E>
  struct Entry {
    std::string Name;
    E Fn;
    std::shared_ptr<const void> Held;  // the callable Fn.Fn points at
  };

  // Sorted by name; Hooks stay in map order.
  std::vector<Entry<TkelGetterEntry>> Getters;
  std::vector<Entry<TkelSetterEntry>> Setters;
  std::vector<Entry<TkelInvokerEntry>> Invokers;
  std::vector<Hook> Hooks;
  TkelScratchLayout Scratch;

  template <class E>
  static const E* Find(const std::vector<Entry<E>>& entries, std::string_view name) {
    auto it = std::lower_bound(entries.begin(), entries.end(), name,
                               [](const Entry<E>& e, std::string_view n) { return e.Name < n; });
    return it != entries.end() && it->Name == name ? &it->Fn : nullptr;
  }

  // Entries for callables taking (Self&, record[, value]).
  template <class L>
  static Entry<TkelGetterEntry> Getter(std::string name, L fn) {
    auto held = std::make_shared<const L>(std::move(fn));
    return {std::move(name), {&CallGetter<L>, held.get()}, held};
  }
  template <class L>
  static Entry<TkelSetterEntry> Setter(std::string name, L fn) {
    auto held = std::make_shared<const L>(std::move(fn));
    return {std::move(name), {&CallSetter<L>, held.get()}, held};
  }
  template <class L>
  static Entry<TkelInvokerEntry> Invoker(std::string name, L fn) {
    auto held = std::make_shared<const L>(std::move(fn));
    return {std::move(name), {&CallInvoker<L>, held.get()}, held};
  }

  // This class's own entries, type-erased (the callables stay in the table).
  TkelDispatchTable Erased() const {
    TkelDispatchTable t;
    for (const auto& e : Getters) t.Getters.push_back({e.Name, e.Fn});
    for (const auto& e : Setters) t.Setters.push_back({e.Name, e.Fn});
    for (const auto& e : Invokers) t.Invokers.push_back({e.Name, e.Fn});
    return t;
  }

 private:
  template <class L>
  static host::Variant CallGetter(const void* fn, TkelClassInfo& d, TkelPropertyInfo& p) {
    return (*static_cast<const L*>(fn))(static_cast<Self&>(d), p);
  }
  template <class L>
  static void CallSetter(const void* fn, TkelClassInfo& d, TkelPropertyInfo& p, const host::Variant& v) {
    (*static_cast<const L*>(fn))(static_cast<Self&>(d), p, v);
  }
  template <class L>
  static void CallInvoker(const void* fn, TkelClassInfo& d, TkelMethodInfo& m) {
    (*static_cast<const L*>(fn))(static_cast<Self&>(d), m);
  }
};

// Remembered in a record's dispatch cache for a name its class does not map.
inline constexpr char kelNoEntry = 0;

namespace detail {
// What a hook keeps per descriptor: the owner's handler from before the
// hook, and where its event record was last found.
template <class... A>
struct TkelHookSlot {
  std::optional<host::TEvent<A...>> Saved;
  TkelLookupCache Event;
};
}  // namespace detail

// The builder that a descriptor's MapFeatures fills. Every entry returns the
// map, so entries chain.
template <class Self, class Host>
class TkelFeatureMap {
 public:
  using Table = TkelFeatureTable<Self>;

  // A property. `get` and `set` are host members or lambdas taking the host
  // object first; parameters before the value are the index values, read
  // from property->GetIndexes(i)->Value. Without `set` it is read-only.
  template <class G>
  TkelFeatureMap& Prop(std::string name, G get) {
    return PropRaw(std::move(name), MakeGetter(get));
  }
  template <class G, class S>
  TkelFeatureMap& Prop(std::string name, G get, S set) {
    return PropRaw(name, MakeGetter(get), MakeSetter(set));
  }
  // Same as Prop; reads better for array properties.
  template <class G, class... S>
  TkelFeatureMap& Indexed(std::string name, G get, S... set) {
    return Prop(std::move(name), get, set...);
  }
  // A method: arguments from method->GetArgs(i)->Value, the result (if any)
  // into method->Result.
  template <class F>
  TkelFeatureMap& Method(std::string name, F f) {
    return MethodRaw(std::move(name), MakeInvoker(f));
  }
  // An event field of the host: the hook is installed and the saved handler
  // restored directly in the field.
  template <class C, class... A>
  TkelFeatureMap& Event(std::string name, host::TEvent<A...> C::*field) {
    return EventWith<TkelHookArgs>(std::move(name), field);
  }
  // The same with the arguments passed by the policy `Args` (see TkelHookArgs).
  template <class Args, class C, class... A>
  TkelFeatureMap& EventWith(std::string name, host::TEvent<A...> C::*field) {
    return AddHook<Args, A...>(std::move(name), field,
                               [field](Host& h, host::TEvent<A...> e) { h.*field = std::move(e); });
  }
  // An event whose handler is installed and restored through the host's
  // (virtual) setter; the previous handler is still saved from the field.
  template <class C, class... A, class S>
  TkelFeatureMap& Event(std::string name, host::TEvent<A...> C::*field, S setter) {
    return AddHook<TkelHookArgs, A...>(
        std::move(name), field, [setter](Host& h, host::TEvent<A...> e) { std::invoke(setter, h, std::move(e)); });
  }

  // Irregular cases: lambdas that see the descriptor and the record
  // ((Self&, TkelPropertyInfo&) -> Variant to read, (Self&,
  // TkelPropertyInfo&, const Variant&) to write, (Self&, TkelMethodInfo&)
  // to call).
  template <class G>
  TkelFeatureMap& PropRaw(std::string name, G get) {
    FTable.Getters.push_back(Table::Getter(std::move(name), std::move(get)));
    return *this;
  }
  template <class G, class S>
  TkelFeatureMap& PropRaw(std::string name, G get, S set) {
    FTable.Setters.push_back(Table::Setter(name, std::move(set)));
    return PropRaw(std::move(name), std::move(get));
  }
  template <class F>
  TkelFeatureMap& MethodRaw(std::string name, F invoke) {
    FTable.Invokers.push_back(Table::Invoker(std::move(name), std::move(invoke)));
    return *this;
  }
  // A fresh scratch slot holding a T, for a raw entry (see TkelScratch).
  template <class T>
  std::size_t NewSlot() {
    return FTable.Scratch.template Add<T>();
  }

  // Sorts the tables; a name mapped twice in one table raises.
  Table Finish() && {
    SortUnique(FTable.Getters, "property");
    SortUnique(FTable.Setters, "property");
    SortUnique(FTable.Invokers, "method");
    for (std::size_t i = 0; i < FTable.Hooks.size(); ++i)
      for (std::size_t j = 0; j < i; ++j)
        if (FTable.Hooks[i].Name == FTable.Hooks[j].Name)
          RaiseDuplicateMapping(Self::StaticMetaClass.Name, "event", FTable.Hooks[i].Name);
    return std::move(FTable);
  }

 private:
  template <class F>
  using Sig = detail::TkelSignature<F>;

  template <class F>
  static void CheckObject() {
    static_assert(std::is_base_of_v<typename Sig<F>::Object, Host>,
                  "the mapped member or lambda must belong to the descriptor's host class");
  }

  template <class Entries>
  static void SortUnique(Entries& entries, const char* kind) {
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.Name < b.Name; });
    for (std::size_t i = 1; i < entries.size(); ++i)
      if (entries[i].Name == entries[i - 1].Name)
        RaiseDuplicateMapping(Self::StaticMetaClass.Name, kind, entries[i].Name);
  }

  // ---- properties

  template <class G>
  auto MakeGetter(G get) {
    CheckObject<G>();
    using R = typename Sig<G>::Result;
    return MakeGetterFor<R>(get, SlotFor<std::remove_cvref_t<R>>(), typename Sig<G>::Args{});
  }
  template <class R, class G, class... I>
  static auto MakeGetterFor(G get, std::size_t slot, detail::TkelTypes<I...>) {
    return [get, slot](Self& d, TkelPropertyInfo& p) -> host::Variant {
      CheckFeatureCount("Property", p.Name, "index values", p.GetIndexCount(), sizeof...(I));
      Host& h = d.HostOwner();
      return ReadWith<R, I...>(get, h, d.Scratch(), slot, p, std::index_sequence_for<I...>{});
    };
  }
  template <class R, class... I, class G, std::size_t... K>
  static host::Variant ReadWith(const G& get, Host& h, TkelScratch& s, std::size_t slot, TkelPropertyInfo& p,
                                std::index_sequence<K...>) {
    std::tuple<TkelHolder<I>...> index{FromVariant<I>(p.GetIndexes(static_cast<int>(K))->Value)...};
    const std::remove_cvref_t<R> value = std::invoke(get, h, std::get<K>(index)...);
    return ToVariantVia(value, s, slot);
  }

  // A scratch slot for a value of type T where it travels by address.
  template <class T>
  std::size_t SlotFor() {
    if constexpr (kelByAddress<T>)
      return NewSlot<T>();
    else
      return TkelScratchLayout::kNoSlot;
  }

  template <class S>
  auto MakeSetter(S set) {
    CheckObject<S>();
    return MakeSetterFor(set, typename Sig<S>::Args{});
  }
  template <class S, class... A>
  static auto MakeSetterFor(S set, detail::TkelTypes<A...>) {
    static_assert(sizeof...(A) >= 1, "a property setter takes the value last");
    return [set](Self& d, TkelPropertyInfo& p, const host::Variant& v) {
      CheckFeatureCount("Property", p.Name, "index values", p.GetIndexCount(), sizeof...(A) - 1);
      Host& h = d.HostOwner();
      WriteWith<A...>(set, h, p, v, std::index_sequence_for<A...>{});
    };
  }
  // Every value is converted before the host setter runs, so a conversion
  // error leaves the property unchanged.
  template <class... A, class S, std::size_t... K>
  static void WriteWith(const S& set, Host& h, TkelPropertyInfo& p, const host::Variant& v, std::index_sequence<K...>) {
    constexpr std::size_t last = sizeof...(A) - 1;
    std::tuple<TkelHolder<A>...> values{FromVariant<A>(K == last ? v : p.GetIndexes(static_cast<int>(K))->Value)...};
    std::invoke(set, h, std::get<K>(values)...);
  }

  // ---- methods

  template <class F>
  auto MakeInvoker(F f) {
    CheckObject<F>();
    return MakeInvokerFor<typename Sig<F>::Result>(f, typename Sig<F>::Args{});
  }
  // Slots 0 .. N-1 hold the by-reference arguments, slot N the result (where
  // they travel through scratch).
  template <class R, class F, class... P>
  auto MakeInvokerFor(F f, detail::TkelTypes<P...>) {
    using TSlots = std::array<std::size_t, sizeof...(P) + 1>;
    TSlots slots{ArgSlot<P>()..., ResultSlot<R>()};
    return [f, slots](Self& d, TkelMethodInfo& m) {
      CheckFeatureCount("Method", m.Name, "arguments", m.GetArgCount(), sizeof...(P));
      Host& h = d.HostOwner();
      CallWith<R, P...>(f, d, h, m, slots, std::index_sequence_for<P...>{});
    };
  }
  template <class P>
  std::size_t ArgSlot() {
    if constexpr (detail::kelVarParam<P>)
      return NewSlot<TkelHolder<P>>();
    else
      return TkelScratchLayout::kNoSlot;
  }
  template <class R>
  std::size_t ResultSlot() {
    if constexpr (std::is_void_v<R>)
      return TkelScratchLayout::kNoSlot;
    else
      return SlotFor<std::remove_cvref_t<R>>();
  }
  template <class P, class H>
  static decltype(auto) Pass(H& value, TkelScratch& s, std::size_t slot) {
    if constexpr (detail::kelVarParam<P>) {
      H& stored = s.Slot<H>(slot);
      stored = std::move(value);
      return (stored);
    } else {
      return (value);
    }
  }
  template <class P>
  static void WriteBack(TkelMethodInfo& m, int i, TkelScratch& s, std::size_t slot) {
    if constexpr (detail::kelVarParam<P>) {
      using H = TkelHolder<P>;
      H& stored = s.Slot<H>(slot);
      m.GetArgs(i)->Value = ToVariantVia(stored, s, slot);
    }
  }
  template <class R, class... P, class F, class TSlots, std::size_t... K>
  static void CallWith(const F& f, Self& d, Host& h, TkelMethodInfo& m, const TSlots& slots,
                       std::index_sequence<K...>) {
    std::tuple<TkelHolder<P>...> values{FromVariant<P>(m.GetArgs(static_cast<int>(K))->Value)...};
    TkelScratch& s = d.Scratch();
    (void)s;  // unused when there is nothing by reference and no result
    TkelLiveFrame frame(d.LiveFrames());
    if constexpr (std::is_void_v<R>) {
      std::invoke(f, h, Pass<P>(std::get<K>(values), s, slots[K])...);
      if (frame.Destroyed) return;  // the call freed the descriptor
    } else {
      const std::remove_cvref_t<R> result = std::invoke(f, h, Pass<P>(std::get<K>(values), s, slots[K])...);
      if (frame.Destroyed) return;
      if (m.Style == msFunction) m.Result = ToVariantVia(result, s, slots[sizeof...(P)]);
    }
    (WriteBack<P>(m, static_cast<int>(K), s, slots[K]), ...);
  }

  // ---- events

  template <class Args, class... A, class Field, class Install>
  TkelFeatureMap& AddHook(std::string name, Field field, Install install) {
    using Handler = host::TEvent<A...>;
    using Slot = detail::TkelHookSlot<A...>;
    typename Table::HookStep connect = [field, install](Self& d, const typename Table::Hook& e) {
      Host& h = d.HostOwner();
      Slot& slot = d.Scratch().template Slot<Slot>(e.Slot);
      Handler hook([info = &d, entry = &e](A... a) { RunHook<Args, A...>(*info, *entry, a...); }, &d);
      slot.Saved = h.*field;
      install(h, std::move(hook));
    };
    typename Table::HookStep restore = [install](Self& d, const typename Table::Hook& e) {
      Slot* slot = d.Scratch().template Existing<Slot>(e.Slot);
      if (!slot || !slot->Saved) return;  // never hooked (or already restored)
      Handler previous = std::move(*slot->Saved);
      slot->Saved.reset();
      install(d.HostOwner(), std::move(previous));
    };
    FTable.Hooks.push_back({std::move(name), NewSlot<Slot>(), std::move(connect), std::move(restore)});
    return *this;
  }

  // The five steps of an event hook: find the record, store the arguments,
  // run the saved handler, notify the listeners, write by-reference
  // arguments back. The hook holds the record, so steps 4 and 5 stay safe
  // when a handler frees the descriptor.
  template <class Args, class... A>
  static void RunHook(Self& d, const typename Table::Hook& e, A... a) {
    using Slot = detail::TkelHookSlot<A...>;
    Slot& slot = d.Scratch().template Slot<Slot>(e.Slot);
    const TkelRecordRef<TkelEventInfo> event(d.FindEvent(e.Name, slot.Event));
    std::tuple<typename Args::template Local<A>...> locals;
    const detail::TkelLocalAreas areas(locals);
    TkelLiveFrame frame(d.LiveFrames());
    if (event) StoreArgs<Args, A...>(*event, locals, std::index_sequence_for<A...>{}, a...);
    if (slot.Saved && *slot.Saved) {
      // A copy (a few words): the handler may free the descriptor.
      const host::TEvent<A...> saved = *slot.Saved;
      saved(a...);
    }
    if (frame.Destroyed || !event) return;
    d.FireEvent(event.Get());
    WriteArgsBack<Args, A...>(*event, std::index_sequence_for<A...>{}, a...);
  }
  template <class Args, class... A, class Locals, std::size_t... K>
  static void StoreArgs(TkelEventInfo& event, Locals& locals, std::index_sequence<K...>,
                        std::remove_reference_t<A>&... a) {
    ((static_cast<int>(K) < event.GetArgCount()
          ? Args::template Store<A>(event, static_cast<int>(K), std::get<K>(locals), a)
          : void()),
     ...);
  }
  // Every value is converted before any argument changes: a value a
  // listener left that does not convert raises with the host's arguments as
  // they were.
  template <class Args, class... A, std::size_t... K>
  static void WriteArgsBack(TkelEventInfo& event, std::index_sequence<K...>, std::remove_reference_t<A>&... a) {
    std::tuple<std::remove_cvref_t<A>...> values{a...};
    ((static_cast<int>(K) < event.GetArgCount()
          ? Args::template WriteBack<A>(event, static_cast<int>(K), std::get<K>(values))
          : void()),
     ...);
    (AssignBack<A>(a, std::get<K>(values)), ...);
  }
  template <class A>
  static void AssignBack(std::remove_reference_t<A>& arg, std::remove_cvref_t<A>& value) {
    if constexpr (detail::kelVarParam<A>) arg = std::move(value);
  }

  Table FTable;
};

// --------------------------------------------------------- the descriptor

// Base of a host class descriptor `Self` describing `Host`, derived from the
// descriptor `Parent` of the host class's nearest described ancestor. Self
// provides `static constexpr TkelTexts Texts` and, if it maps any feature,
// `static void MapFeatures(Map&)`.
template <class Self, class Parent, class Host>
class TkelDescriptor : public Parent {
 public:
  using Map = TkelFeatureMap<Self, Host>;
  using Table = TkelFeatureTable<Self>;
  using PatternBase = TkelDescriptor;
  using PatternParent = Parent;
  using HostClass = Host;

  void DefineKELProperties(TkelPropertyList& list) override {
    Parent::DefineKELProperties(list);
    if (!Self::Texts.Properties.empty()) this->ReadKELProperties(Self::Texts.Properties);
  }
  void DefineKELMethods(TkelMethodList& list) override {
    Parent::DefineKELMethods(list);
    if (!Self::Texts.Methods.empty()) this->ReadKELMethods(Self::Texts.Methods);
  }
  void DefineKELConstructors(TkelConstructorList& list) override {
    Parent::DefineKELConstructors(list);
    if (!Self::Texts.Constructors.empty()) this->ReadKELConstructors(Self::Texts.Constructors);
  }
  void DefineKELEvents(TkelEventList& list) override {
    Parent::DefineKELEvents(list);
    if (!Self::Texts.Events.empty()) this->ReadKELEvents(Self::Texts.Events);
  }

  host::Variant GetProperty(TkelPropertyInfo* property) override {
    if (property)
      if (const TkelGetterEntry* get = Resolve<TkelGetterEntry, 0>(*property, &TkelDispatchTable::Getters))
        return get->Call(get->Fn, *this, *property);
    return FallbackGet(*this, property);
  }
  void SetProperty(TkelPropertyInfo* property, const host::Variant& value) override {
    if (property)
      if (const TkelSetterEntry* set = Resolve<TkelSetterEntry, 1>(*property, &TkelDispatchTable::Setters))
        return set->Call(set->Fn, *this, *property, value);
    FallbackSet(*this, property, value);
  }
  void InvokeMethod(TkelMethodInfo* method) override {
    if (method)
      if (const TkelInvokerEntry* invoke = Resolve<TkelInvokerEntry, 0>(*method, &TkelDispatchTable::Invokers))
        return invoke->Call(invoke->Fn, *this, *method);
    FallbackInvoke(*this, method);
  }
  // Constructors are listed for information only.
  void InvokeConstructor(TkelConstructorInfo* /*constructor*/) override {}

  std::vector<TkelClassMapping> ClassMappings() const override {
    std::vector<TkelClassMapping> out = Parent::ClassMappings();
    const Table& table = GetTable();
    TkelClassMapping own;
    own.InfoClass = &Self::StaticMetaClass;
    own.Texts[0] = Self::Texts.Properties;
    own.Texts[1] = Self::Texts.Methods;
    own.Texts[2] = Self::Texts.Constructors;
    own.Texts[3] = Self::Texts.Events;
    for (const auto& e : table.Getters) own.Getters.push_back(e.Name);
    for (const auto& e : table.Setters) own.Setters.push_back(e.Name);
    for (const auto& e : table.Invokers) own.Invokers.push_back(e.Name);
    for (const auto& e : table.Hooks) own.Hooks.push_back(e.Name);
    out.push_back(std::move(own));
    return out;
  }

  void ConnectEventHandlers() override {
    Parent::ConnectEventHandlers();
    try {
      for (const typename Table::Hook& e : GetTable().Hooks) e.Connect(AsSelf(), e);
    } catch (...) {
      // Leave the owner as it was: undo this class's hooks and the parent's
      // (hooks never installed have nothing saved and are skipped).
      TkelDescriptor::UnConnectEventHandlers();
      throw;
    }
  }
  void UnConnectEventHandlers() override {
    for (const typename Table::Hook& e : GetTable().Hooks) e.Restore(AsSelf(), e);
    Parent::UnConnectEventHandlers();
  }

  // The owner as the host class; raises when there is none or when it is of
  // another class (EInvalidCast).
  Host& HostOwner() const {
    host::TObject* owner = this->GetOwner();
    if (!owner) RaiseNoOwner(Self::StaticMetaClass.Name);
    if constexpr (std::is_same_v<Host, host::TObject>) {
      return *owner;
    } else {
      if (owner->ClassType() == &Host::StaticMetaClass) return static_cast<Host&>(*owner);
      return *host::As<Host>(owner);
    }
  }
  // This class's scratch slots (numbered by its feature map).
  TkelScratch& Scratch() { return FScratch; }
  TkelLiveFrame*& LiveFrames() { return FLiveFrames; }

  // The tables of this class, built from Self::MapFeatures on first use.
  static const Table& GetTable() {
    static const Table table = [] {
      Map map;
      if constexpr (requires { Self::MapFeatures(map); }) Self::MapFeatures(map);
      return std::move(map).Finish();
    }();
    return table;
  }
  // This class's tables merged with those of its pattern ancestors whose
  // generic operations are the pattern's own (see Merges).
  static const TkelDispatchTable& GetDispatch() {
    static const TkelDispatchTable dispatch = [] {
      TkelDispatchTable t = GetTable().Erased();
      if constexpr (Merges<Parent>()) {
        const TkelDispatchTable& inherited = Parent::GetDispatch();
        TkelDispatchTable::Merge(t.Getters, inherited.Getters);
        TkelDispatchTable::Merge(t.Setters, inherited.Setters);
        TkelDispatchTable::Merge(t.Invokers, inherited.Invokers);
      }
      return t;
    }();
    return dispatch;
  }

  // What reaches the first ancestor whose generic operations are not the
  // pattern's merged ones: its own GetProperty, SetProperty, InvokeMethod.
  static host::Variant FallbackGet(TkelDescriptor& d, TkelPropertyInfo* p) {
    if constexpr (Merges<Parent>())
      return Parent::FallbackGet(d, p);
    else
      return d.Parent::GetProperty(p);
  }
  static void FallbackSet(TkelDescriptor& d, TkelPropertyInfo* p, const host::Variant& v) {
    if constexpr (Merges<Parent>())
      Parent::FallbackSet(d, p, v);
    else
      d.Parent::SetProperty(p, v);
  }
  static void FallbackInvoke(TkelDescriptor& d, TkelMethodInfo* m) {
    if constexpr (Merges<Parent>())
      Parent::FallbackInvoke(d, m);
    else
      d.Parent::InvokeMethod(m);
  }

 protected:
  TkelDescriptor() : FScratch(GetTable().Scratch) {
    if (!FDispatch) FDispatch = &GetDispatch();
  }
  ~TkelDescriptor() override = default;
  // The texts are constants of the class: read once, shared by every instance.
  bool SharesDefinitions() const override { return true; }
  void Destroy() override {
    for (TkelLiveFrame* f = FLiveFrames; f; f = f->Outer) f->Destroyed = true;
    FLiveFrames = nullptr;
    Parent::Destroy();
  }

 private:
  template <class, class, class>
  friend class TkelDescriptor;

  // Whether the parent class's tables can be merged into this class's: it
  // is a pattern class whose generic operations are the pattern's own (a
  // class that overrides one of them by hand keeps its own dispatch).
  template <class P>
  static constexpr bool Merges() {
    if constexpr (requires { typename P::PatternBase; }) {
      using B = typename P::PatternBase;
      return std::is_same_v<decltype(&P::GetProperty), decltype(&B::GetProperty)> &&
             std::is_same_v<decltype(&P::SetProperty), decltype(&B::SetProperty)> &&
             std::is_same_v<decltype(&P::InvokeMethod), decltype(&B::InvokeMethod)>;
    } else {
      return false;
    }
  }

  // The entry this class uses for the record, remembered in the record (a
  // miss too), so that only the first call through a class looks it up.
  template <class E, int Slot, class R>
  static const E* Resolve(R& record, TkelDispatchTable::Entries<E> TkelDispatchTable::*entries) {
    const TkelDispatchTable& dispatch = *FDispatch;
    TkelDispatchCache& cache = record.Dispatch;
    if (cache.Key != &dispatch) cache = {&dispatch, {nullptr, nullptr}};
    const void*& entry = cache.Entries[Slot];
    if (!entry) {
      const E* found = TkelDispatchTable::Find(dispatch.*entries, record.Name);
      entry = found ? static_cast<const void*>(found) : &kelNoEntry;
    }
    return entry == &kelNoEntry ? nullptr : static_cast<const E*>(entry);
  }

  Self& AsSelf() { return static_cast<Self&>(*this); }

  // GetDispatch(), remembered by the first instance (so that a call does not
  // pass the guard of a function-local static).
  static inline const TkelDispatchTable* FDispatch = nullptr;

  TkelScratch FScratch;
  TkelLiveFrame* FLiveFrames = nullptr;
};

// ------------------------------------------------------------ registration

// An ordered list of descriptor classes (a unit's group of descriptors).
template <class... D>
struct TkelDescriptorList {};

namespace detail {
template <class D>
struct TkelRegister {
  static void Run() { TkelClassRegistry::RegisterClass(D::HostClass::StaticMetaClass.Name, &D::StaticMetaClass); }
};
template <class... D>
struct TkelRegister<TkelDescriptorList<D...>> {
  static void Run() { (TkelRegister<D>::Run(), ...); }
};
}  // namespace detail

// Registers each descriptor class (or list of them), in order, for the name
// of the host class it describes.
template <class... D>
void kelRegisterDescriptors() {
  (detail::TkelRegister<D>::Run(), ...);
}

}  // namespace kel

// In the body of a pattern descriptor class: its class record, with the
// parent descriptor named once (in the TkelDescriptor base).
#define KEL_DESCRIPTOR(Self) HOST_CLASS(Self, Self::PatternParent)
// In the source file: the class record's definition.
#define KEL_DESCRIPTOR_IMPL(Self) HOST_IMPL(Self, Self::inherited)
