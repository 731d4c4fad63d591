// The descriptor pattern: every host class descriptor is written as
//
//   class TListClassInfo : public kel::TkelDescriptor<TListClassInfo, TObjectClassInfo, host::TList> {
//     HOST_CLASS(TListClassInfo, TObjectClassInfo)
//     static constexpr kel::TkelTexts Texts{.Properties = "Define::Count::psReadable::pvPublic::0",
//                                           .Methods = "Add::msFunction::1::Item"};
//     static void MapFeatures(Map& m) {
//       m.Prop("Count", &host::TList::GetCount)          // read-only: no setter entry
//        .Method("Add", &host::TList::Add);
//     }
//    protected:
//     ~TListClassInfo() override = default;
//   };
//
// TkelDescriptor supplies the ten operations of TkelClassInfo:
//  * DefineKEL*: the parent's first, then the reader with this class's text;
//  * GetProperty / SetProperty / InvokeMethod: the record's Name is looked up
//    (exactly, case-sensitively) in this class's tables, built once per class
//    from MapFeatures; a name not found there goes to the parent descriptor's
//    operation, so unknown names end at TkelClassInfo ("Property X not found!");
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
#include <cstddef>
#include <functional>
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

// "Method Find expects 2 arguments, its record has 1!" and the like.
void CheckFeatureCount(const char* kind, const std::string& name, const char* what, int have, std::size_t want);
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

}  // namespace detail

// ------------------------------------------------------------ feature tables

// The name-to-member tables of one descriptor class, built once.
template <class Self>
struct TkelFeatureTable {
  using Getter = std::function<host::Variant(Self&, TkelPropertyInfo&)>;
  using Setter = std::function<void(Self&, TkelPropertyInfo&, const host::Variant&)>;
  using Invoker = std::function<void(Self&, TkelMethodInfo&)>;
  struct Hook;
  using HookStep = std::function<void(Self&, const Hook&)>;
  struct Hook {
    std::string Name;
    std::size_t Slot;  // scratch slot of the saved handler
    HookStep Connect;
    HookStep Restore;
  };
  template <class F>
  struct Entry {
    std::string Name;
    F Fn;
  };

  // Sorted by name for lookup; Hooks stay in map order.
  std::vector<Entry<Getter>> Getters;
  std::vector<Entry<Setter>> Setters;
  std::vector<Entry<Invoker>> Invokers;
  std::vector<Hook> Hooks;
  std::size_t SlotCount = 0;

  template <class F>
  static const F* Find(const std::vector<Entry<F>>& entries, std::string_view name) {
    auto it = std::lower_bound(entries.begin(), entries.end(), name,
                               [](const Entry<F>& e, std::string_view n) { return e.Name < n; });
    return it != entries.end() && it->Name == name ? &it->Fn : nullptr;
  }
};

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
    return AddHook<A...>(std::move(name), field,
                         [field](Host& h, host::TEvent<A...> e) { h.*field = std::move(e); });
  }
  // An event whose handler is installed and restored through the host's
  // (virtual) setter; the previous handler is still saved from the field.
  template <class C, class... A, class S>
  TkelFeatureMap& Event(std::string name, host::TEvent<A...> C::*field, S setter) {
    return AddHook<A...>(std::move(name), field,
                         [setter](Host& h, host::TEvent<A...> e) { std::invoke(setter, h, std::move(e)); });
  }

  // Irregular cases: lambdas that see the descriptor and the record.
  TkelFeatureMap& PropRaw(std::string name, typename Table::Getter get, typename Table::Setter set = nullptr) {
    if (get) table_.Getters.push_back({name, std::move(get)});
    if (set) table_.Setters.push_back({name, std::move(set)});
    return *this;
  }
  TkelFeatureMap& MethodRaw(std::string name, typename Table::Invoker invoke) {
    table_.Invokers.push_back({std::move(name), std::move(invoke)});
    return *this;
  }
  // A fresh scratch slot for a raw entry (see TkelScratch).
  std::size_t NewSlot(std::size_t count = 1) {
    const std::size_t first = table_.SlotCount;
    table_.SlotCount += count;
    return first;
  }

  // Sorts the tables; a name mapped twice in one table raises.
  Table Finish() && {
    SortUnique(table_.Getters, "property");
    SortUnique(table_.Setters, "property");
    SortUnique(table_.Invokers, "method");
    for (std::size_t i = 0; i < table_.Hooks.size(); ++i)
      for (std::size_t j = 0; j < i; ++j)
        if (table_.Hooks[i].Name == table_.Hooks[j].Name)
          RaiseDuplicateMapping(Self::StaticMetaClass.Name, "event", table_.Hooks[i].Name);
    return std::move(table_);
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
      if (entries[i].Name == entries[i - 1].Name) RaiseDuplicateMapping(Self::StaticMetaClass.Name, kind, entries[i].Name);
  }

  // ---- properties

  template <class G>
  typename Table::Getter MakeGetter(G get) {
    CheckObject<G>();
    return MakeGetterFor<typename Sig<G>::Result>(get, NewSlot(), typename Sig<G>::Args{});
  }
  template <class R, class G, class... I>
  static typename Table::Getter MakeGetterFor(G get, std::size_t slot, detail::TkelTypes<I...>) {
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

  template <class S>
  typename Table::Setter MakeSetter(S set) {
    CheckObject<S>();
    return MakeSetterFor(set, typename Sig<S>::Args{});
  }
  template <class S, class... A>
  static typename Table::Setter MakeSetterFor(S set, detail::TkelTypes<A...>) {
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
  static void WriteWith(const S& set, Host& h, TkelPropertyInfo& p, const host::Variant& v,
                        std::index_sequence<K...>) {
    constexpr std::size_t last = sizeof...(A) - 1;
    std::tuple<TkelHolder<A>...> values{
        FromVariant<A>(K == last ? v : p.GetIndexes(static_cast<int>(K))->Value)...};
    std::invoke(set, h, std::get<K>(values)...);
  }

  // ---- methods

  template <class F>
  typename Table::Invoker MakeInvoker(F f) {
    CheckObject<F>();
    using Args = typename Sig<F>::Args;
    return MakeInvokerFor<typename Sig<F>::Result>(f, NewSlot(ArgCount(Args{}) + 1), Args{});
  }
  template <class... P>
  static constexpr std::size_t ArgCount(detail::TkelTypes<P...>) {
    return sizeof...(P);
  }
  // Slots base .. base+N-1 hold the by-reference arguments, base+N the result.
  template <class R, class F, class... P>
  static typename Table::Invoker MakeInvokerFor(F f, std::size_t base, detail::TkelTypes<P...>) {
    return [f, base](Self& d, TkelMethodInfo& m) {
      CheckFeatureCount("Method", m.Name, "arguments", m.GetArgCount(), sizeof...(P));
      Host& h = d.HostOwner();
      CallWith<R, P...>(f, d, h, m, base, std::index_sequence_for<P...>{});
    };
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
  template <class R, class... P, class F, std::size_t... K>
  static void CallWith(const F& f, Self& d, Host& h, TkelMethodInfo& m, std::size_t base,
                       std::index_sequence<K...>) {
    std::tuple<TkelHolder<P>...> values{FromVariant<P>(m.GetArgs(static_cast<int>(K))->Value)...};
    TkelScratch& s = d.Scratch();
    (void)s;  // unused when there is nothing by reference and no result
    TkelLiveFrame frame(d.LiveFrames());
    if constexpr (std::is_void_v<R>) {
      std::invoke(f, h, Pass<P>(std::get<K>(values), s, base + K)...);
      if (frame.Destroyed) return;  // the call freed the descriptor
    } else {
      const std::remove_cvref_t<R> result = std::invoke(f, h, Pass<P>(std::get<K>(values), s, base + K)...);
      if (frame.Destroyed) return;
      if (m.Style == msFunction) m.Result = ToVariantVia(result, s, base + sizeof...(P));
    }
    (WriteBack<P>(m, static_cast<int>(K), s, base + K), ...);
  }

  // ---- events

  template <class... A, class Field, class Install>
  TkelFeatureMap& AddHook(std::string name, Field field, Install install) {
    using Handler = host::TEvent<A...>;
    using Saved = std::optional<Handler>;
    typename Table::HookStep connect = [field, install](Self& d, const typename Table::Hook& e) {
      Host& h = d.HostOwner();
      Saved& saved = d.Scratch().template Slot<Saved>(e.Slot);
      Handler hook([info = &d, entry = &e](A... a) { RunHook<A...>(*info, *entry, a...); }, &d);
      saved = h.*field;
      install(h, std::move(hook));
    };
    typename Table::HookStep restore = [install](Self& d, const typename Table::Hook& e) {
      Saved* saved = d.Scratch().template Existing<Saved>(e.Slot);
      if (!saved || !*saved) return;  // never hooked (or already restored)
      Handler previous = std::move(**saved);
      saved->reset();
      install(d.HostOwner(), std::move(previous));
    };
    table_.Hooks.push_back({std::move(name), NewSlot(), std::move(connect), std::move(restore)});
    return *this;
  }

  // The five steps of an event hook: find the record, store the arguments,
  // run the saved handler, notify the listeners, write by-reference
  // arguments back. The records outlive the descriptor, so steps 4 and 5
  // stay safe when a handler frees the descriptor.
  template <class... A>
  static void RunHook(Self& d, const typename Table::Hook& e, A... a) {
    using Saved = std::optional<host::TEvent<A...>>;
    TkelEventInfo* const event = d.FindEvent(e.Name);
    std::tuple<detail::TkelLocal<A>...> locals;
    TkelLiveFrame frame(d.LiveFrames());
    if (event) StoreArgs<A...>(*event, locals, std::index_sequence_for<A...>{}, a...);
    if (Saved* saved = d.Scratch().template Existing<Saved>(e.Slot); saved && *saved && **saved) (**saved)(a...);
    if (frame.Destroyed || !event) return;
    d.FireEvent(event);
    WriteArgsBack<A...>(*event, std::index_sequence_for<A...>{}, a...);
  }
  template <class... A, class Locals, std::size_t... K>
  static void StoreArgs(TkelEventInfo& event, Locals& locals, std::index_sequence<K...>, const A&... a) {
    (StoreArg<A>(event, static_cast<int>(K), std::get<K>(locals), a), ...);
  }
  template <class A, class L>
  static void StoreArg(TkelEventInfo& event, int i, L& local, const std::remove_reference_t<A>& value) {
    if (i >= event.GetArgCount()) return;
    if constexpr (std::is_same_v<L, detail::TkelNoLocal>)
      event.GetArgs(i)->Value = ToVariant(value);
    else
      event.GetArgs(i)->Value = ToVariantAt<L>(value, local);
  }
  template <class... A, std::size_t... K>
  static void WriteArgsBack(TkelEventInfo& event, std::index_sequence<K...>, A&... a) {
    (WriteArgBack<A>(event, static_cast<int>(K), a), ...);
  }
  template <class A>
  static void WriteArgBack(TkelEventInfo& event, int i, std::remove_reference_t<A>& arg) {
    if constexpr (detail::kelVarParam<A>) {
      if (i < event.GetArgCount()) arg = FromVariant<A>(event.GetArgs(i)->Value);
    }
  }

  Table table_;
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
      if (const auto* get = Table::Find(GetTable().Getters, property->Name)) return (*get)(AsSelf(), *property);
    return Parent::GetProperty(property);
  }
  void SetProperty(TkelPropertyInfo* property, const host::Variant& value) override {
    if (property)
      if (const auto* set = Table::Find(GetTable().Setters, property->Name)) return (*set)(AsSelf(), *property, value);
    Parent::SetProperty(property, value);
  }
  void InvokeMethod(TkelMethodInfo* method) override {
    if (method)
      if (const auto* invoke = Table::Find(GetTable().Invokers, method->Name)) return (*invoke)(AsSelf(), *method);
    Parent::InvokeMethod(method);
  }
  // Constructors are listed for information only.
  void InvokeConstructor(TkelConstructorInfo* /*constructor*/) override {}

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
  TkelScratch& Scratch() { return scratch_; }
  TkelLiveFrame*& LiveFrames() { return liveFrames_; }

  // The tables of this class, built from Self::MapFeatures on first use.
  static const Table& GetTable() {
    static const Table table = [] {
      Map map;
      if constexpr (requires { Self::MapFeatures(map); }) Self::MapFeatures(map);
      return std::move(map).Finish();
    }();
    return table;
  }

 protected:
  TkelDescriptor() = default;
  ~TkelDescriptor() override = default;
  void Destroy() override {
    for (TkelLiveFrame* f = liveFrames_; f; f = f->Outer) f->Destroyed = true;
    liveFrames_ = nullptr;
    Parent::Destroy();
  }

 private:
  Self& AsSelf() { return static_cast<Self&>(*this); }

  TkelScratch scratch_;
  TkelLiveFrame* liveFrames_ = nullptr;
};

}  // namespace kel
