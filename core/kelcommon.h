// The reflection core: feature records, the description language readers, the
// class descriptor base TkelClassInfo, the IkelObject interface and the
// descriptor registry with its per-object cache.
//
// A descriptor describes one object (its owner): its properties, methods,
// constructors and events, declared by the descriptor class as four constant
// texts and read into feature records by InitMetaData. Descriptors are handed
// out by TkelClassRegistry::GetInfo, which creates one per object on first
// request and forgets it when the object goes away.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/rtl/events.h"
#include "host/rtl/object.h"
#include "host/rtl/sets.h"
#include "host/rtl/variants.h"

namespace kel {

class TkelClassInfo;

// ------------------------------------------------------------- enumerations

// Visibility of a property or an event. Protected features are described but
// not offered by the wiring editors.
enum TkelPropertyVisibility : uint8_t { pvProtected, pvPublic, pvPublished };
// msFunction: the method yields a result (stored in TkelMethodInfo::Result).
enum TkelMethodStyle : uint8_t { msFunction, msProcedure };
// Members of a property style set (bit values 1, 2, 4).
enum TkelPropertyStyleElement : uint8_t { psReadable, psWritable, psIndexed };
using TkelPropertyStyle = host::TSet<TkelPropertyStyleElement, 3>;

// Exact comparison of two names, inline for the short names features have
// (the relay of an event compares one on every firing).
inline bool kelSameName(std::string_view a, std::string_view b) noexcept {
  const std::size_t n = a.size();
  if (n != b.size()) return false;
  // Two overlapping words cover 4 to 16 bytes.
  const auto same = [&](auto word) {
    decltype(word) x0, y0, x1, y1;
    std::memcpy(&x0, a.data(), sizeof word);
    std::memcpy(&y0, b.data(), sizeof word);
    std::memcpy(&x1, a.data() + n - sizeof word, sizeof word);
    std::memcpy(&y1, b.data() + n - sizeof word, sizeof word);
    return x0 == y0 && x1 == y1;
  };
  if (n >= 8 && n <= 16) return same(uint64_t{});
  if (n >= 4 && n < 8) return same(uint32_t{});
  return a == b;
}

// ---------------------------------------------------------- feature records
//
// Ownership of records. A descriptor makes a record the first time it is
// asked for it (a lookup, an indexed read, an event firing), keeps it while
// the descriptor lives, and releases it when the descriptor is freed or its
// metadata is read again. Anyone who keeps a record beyond the call that
// handed it out (a connection remembering the event it listens to, a
// descriptor adopting another's records) holds it with a TkelRecordRef; a
// record is freed when its last holder lets go, so the memory of a described
// object comes back once nothing refers to its records. A held record stays
// readable after its descriptor is gone; its Descriptor field then names a
// descriptor that no longer exists and may only be compared: IsOf tells
// whether the record was made by a given live descriptor, and is never
// fooled by a later descriptor created at the freed one's address. Parameter
// records belong to their feature record and live exactly as long as it.

class TkelParameterInfo;
using TkelArguments = std::vector<TkelParameterInfo*>;

class TkelFeature : public host::TObject {
  HOST_CLASS(TkelFeature, host::TObject)
  // A record made outside a descriptor belongs to its maker, who frees it
  // (or hands it to TkelRecordRef holders, the last of which frees it).
  TkelFeature(TkelClassInfo* descriptor, std::string name);

  TkelClassInfo* Descriptor;  // the descriptor that created the record; not owned
  std::string Name;           // exactly as written in the description; fixed after creation

  // True when `info` (a live descriptor, or null) is the very descriptor that
  // created this record, not a later one at the same address.
  inline bool IsOf(const TkelClassInfo* info) const;

  // Reference counting for holders (see TkelRecordRef): Release frees the
  // record when the last reference goes.
  void AddRef() noexcept { ++FRefs; }
  void Release() {
    if (--FRefs <= 0) Free();
  }

 protected:
  ~TkelFeature() override = default;

 private:
  uint64_t FDescriptorSerial;  // the Serial of Descriptor when the record was made
  int32_t FRefs = 0;
};

// A counted hold on a feature record: the record stays alive (readable, its
// Descriptor comparable) while a TkelRecordRef refers to it.
template <class R>
class TkelRecordRef {
 public:
  TkelRecordRef() noexcept = default;
  explicit TkelRecordRef(R* record) noexcept : FRecord(record) {
    if (FRecord) FRecord->AddRef();
  }
  TkelRecordRef(const TkelRecordRef& other) noexcept : TkelRecordRef(other.FRecord) {}
  TkelRecordRef(TkelRecordRef&& other) noexcept : FRecord(std::exchange(other.FRecord, nullptr)) {}
  TkelRecordRef& operator=(TkelRecordRef other) noexcept {
    std::swap(FRecord, other.FRecord);
    return *this;
  }
  ~TkelRecordRef() {
    if (FRecord) FRecord->Release();
  }
  // Holds `record` instead (null lets go).
  void Reset(R* record = nullptr) { *this = TkelRecordRef(record); }
  R* Get() const noexcept { return FRecord; }
  R* operator->() const noexcept { return FRecord; }
  R& operator*() const noexcept { return *FRecord; }
  explicit operator bool() const noexcept { return FRecord != nullptr; }

 private:
  R* FRecord = nullptr;
};

// Where a descriptor class remembers how it handles a property or method
// record (filled by the descriptor pattern on first use; Key names the class
// that filled it). Not part of the record's data.
struct TkelDispatchCache {
  const void* Key = nullptr;
  const void* Entries[2] = {nullptr, nullptr};
};

// A parameter of a method, constructor or event, or an index of a property.
class TkelParameterInfo : public TkelFeature {
  HOST_CLASS(TkelParameterInfo, TkelFeature)
  TkelParameterInfo(TkelClassInfo* descriptor, std::string name);

  host::Variant Value;  // the per-call value slot; starts Unassigned

 protected:
  ~TkelParameterInfo() override = default;
};

// The parameter list shared by methods, constructors and events: counts,
// indexed access and lookup by exact name. A plain part of those records (not
// a class of its own in the host class chain).
class TkelArgumentList {
 public:
  TkelArguments Args;  // in declared order; the records belong to this feature

  int GetArgCount() const { return static_cast<int>(Args.size()); }
  // The i-th parameter; the caller keeps i within 0 .. GetArgCount()-1.
  TkelParameterInfo* GetArgs(int i) const { return Args[static_cast<std::size_t>(i)]; }
  // First parameter whose Name equals `name` byte for byte; null if none.
  TkelParameterInfo* Find(std::string_view name) const;

 protected:
  explicit TkelArgumentList(TkelArguments args) : Args(std::move(args)) {}
  ~TkelArgumentList() = default;
  void FreeArgs();
};

class TkelPropertyInfo : public TkelFeature {
  HOST_CLASS(TkelPropertyInfo, TkelFeature)
  static constexpr int kKind = 0;
  TkelPropertyInfo(TkelClassInfo* descriptor, std::string name, TkelPropertyStyle style,
                   TkelPropertyVisibility visibility, TkelArguments indexes);

  TkelPropertyStyle Style;
  TkelPropertyVisibility Visibility;
  TkelArguments Indexes;  // one record per index of an array property

  int GetIndexCount() const { return static_cast<int>(Indexes.size()); }
  // The i-th index record; the caller keeps i within 0 .. GetIndexCount()-1.
  TkelParameterInfo* GetIndexes(int i) const { return Indexes[static_cast<std::size_t>(i)]; }

  TkelDispatchCache Dispatch;  // getter and setter of the describing class

 protected:
  ~TkelPropertyInfo() override = default;
  void Destroy() override;  // frees the index records
};

class TkelMethodInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelMethodInfo, TkelFeature)
  static constexpr int kKind = 1;
  TkelMethodInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args, TkelMethodStyle style);

  TkelMethodStyle Style;
  host::Variant Result;  // the result of the last call of an msFunction method

  TkelDispatchCache Dispatch;  // invoker of the describing class

 protected:
  ~TkelMethodInfo() override = default;
  void Destroy() override;  // frees the parameter records
};

class TkelConstructorInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelConstructorInfo, TkelFeature)
  static constexpr int kKind = 2;
  TkelConstructorInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args);

 protected:
  ~TkelConstructorInfo() override = default;
  void Destroy() override;  // frees the parameter records
};

class TkelEventInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelEventInfo, TkelFeature)
  static constexpr int kKind = 3;
  TkelEventInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args, TkelPropertyVisibility visibility);

  TkelPropertyVisibility Visibility;

 protected:
  ~TkelEventInfo() override = default;
  void Destroy() override;  // frees the parameter records
};

// One running operation that may end with its object freed (a descriptor's
// method that frees the owner, a connection whose action destroys the
// connection). Frames form a stack through the object; its Destroy marks
// every running frame, and the operation stops touching the object once its
// frame says Destroyed. (g++ cannot see that the destructor unlinks the
// frame again, hence the pragma around the constructor.)
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdangling-pointer"
#endif
struct TkelLiveFrame {
  explicit TkelLiveFrame(TkelLiveFrame*& top) : Top(top), Outer(top) { top = this; }
  ~TkelLiveFrame() {
    if (!Destroyed) Top = Outer;
  }
  TkelLiveFrame(const TkelLiveFrame&) = delete;
  TkelLiveFrame& operator=(const TkelLiveFrame&) = delete;

  TkelLiveFrame*& Top;
  TkelLiveFrame* Outer;
  bool Destroyed = false;
};
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// ---------------------------------------------------------------- listeners

// Sender: the object whose event fired; Event: the event record whose
// parameter records hold the current argument values.
using TNotifyKELEvent = host::TEvent<host::TObject* /*Sender*/, TkelEventInfo* /*Event*/>;

// A subscription to one event of a descriptor. Created, filled and freed by
// its subscriber; the descriptor only borrows it while it is registered.
class TkelListener : public host::TObject {
  HOST_CLASS(TkelListener, host::TObject)
  TkelListener() = default;

  std::string EventName;    // compared with the event's Name, case-sensitively
  TNotifyKELEvent OnEvent;  // an unassigned handler is skipped

 protected:
  ~TkelListener() override = default;
};

// ------------------------------------------------------- class descriptor

// The four kinds of feature a descriptor lists.
enum class TkelFeatureKind : uint8_t { Property, Method, Constructor, Event };

class TkelClassData;

// One of a descriptor's four feature lists, as the definition operations
// receive it: its length and its records by position (made on first access).
template <class R>
class TkelFeatureList {
 public:
  TkelFeatureList(TkelClassInfo& info) : FInfo(info) {}
  int Count() const;
  R* operator[](int i) const;

 private:
  TkelClassInfo& FInfo;
};
using TkelPropertyList = TkelFeatureList<TkelPropertyInfo>;
using TkelMethodList = TkelFeatureList<TkelMethodInfo>;
using TkelConstructorList = TkelFeatureList<TkelConstructorInfo>;
using TkelEventList = TkelFeatureList<TkelEventInfo>;

// What one class of a descriptor's chain declares in its description texts
// and maps to host members in its code, for consistency checks.
struct TkelClassMapping {
  host::TClass InfoClass = nullptr;
  std::string_view Texts[4];  // properties, methods, constructors, events
  std::vector<std::string> Getters, Setters, Invokers, Hooks;
};

// Remembers what a name found in one descriptor's list (one cache per
// descriptor), so that looking the same name up again costs a comparison.
// Valid until the descriptor's lists or records change.
struct TkelLookupCache {
  uint64_t Generation = 0;
  TkelFeature* Record = nullptr;  // null when the name is not listed
};

namespace detail {
struct TkelCacheAccess;
struct TkelCacheList;
struct TkelOwnerChain;
struct TkelFireFrame;
}  // namespace detail

// The base of every class descriptor. Expected use: create, InitMetaData,
// SetOwner(object); then lookups, generic operations, listeners and events;
// finally Free. A descriptor without an owner (used only for its feature
// lists) skips SetOwner.
//
// What a descriptor knows of its features (names, styles, visibilities,
// parameter names, order) is class data: the description texts read into
// feature templates. A class whose texts are constants (SharesDefinitions)
// reads them once per library start-up and every instance shares the
// result; other classes read them per instance. The records themselves are
// per instance, made from the templates when first asked for (see the
// ownership of records above), so a descriptor costs little until it is used.
class TkelClassInfo : public host::TObject {
  HOST_CLASS(TkelClassInfo, host::TObject)
  TkelClassInfo();

  // ---- the ten overridable operations, in slot order
  // Hook the owner's events / give the owner its own handlers back.
  virtual void ConnectEventHandlers() {}
  virtual void UnConnectEventHandlers() {}
  // Each override calls its parent's version first, then the matching reader
  // with its own text (the argument is the descriptor's own list, which the
  // readers append to anyway).
  virtual void DefineKELProperties(TkelPropertyList& /*list*/) {}
  virtual void DefineKELMethods(TkelMethodList& /*list*/) {}
  virtual void DefineKELConstructors(TkelConstructorList& /*list*/) {}
  virtual void DefineKELEvents(TkelEventList& /*list*/) {}
  // Generic operations. Descendants handle their own names and pass every
  // other name on to their parent class; the base raises Exception
  // "Property <name> not found!" (get and set), "Method <name> not found!"
  // and "Constructor <name> not found!". A null record raises too.
  virtual host::Variant GetProperty(TkelPropertyInfo* property);
  virtual void SetProperty(TkelPropertyInfo* property, const host::Variant& value);
  virtual void InvokeMethod(TkelMethodInfo* method);
  virtual void InvokeConstructor(TkelConstructorInfo* constructor);

  // Releases the records of the four feature lists and runs the four Define
  // operations (or takes the shared class data of a class that shares its
  // definitions and has read them before). Reader errors propagate; the
  // lists then hold what was read before the error, and nothing of it is
  // shared with other instances.
  void InitMetaData();
  // Unhooks the current owner (if any), stores the new one and hooks it (if
  // not null). Setting the same owner again unhooks and re-hooks it.
  void SetOwner(host::TObject* object);
  host::TObject* GetOwner() const { return FOwner; }
  // A number no other descriptor of this run has (see TkelFeature::IsOf).
  uint64_t Serial() const noexcept { return FSerial; }

  // First record of the list whose Name equals `name` exactly; null if none.
  // Hashed: constant time whatever the length of the list.
  TkelPropertyInfo* FindProperty(std::string_view name) const;
  TkelMethodInfo* FindMethod(std::string_view name) const;
  TkelConstructorInfo* FindConstructor(std::string_view name) const;
  TkelEventInfo* FindEvent(std::string_view name) const;

  int GetPropertyCount() const { return Count(TkelFeatureKind::Property); }
  int GetMethodCount() const { return Count(TkelFeatureKind::Method); }
  int GetConstructorCount() const { return Count(TkelFeatureKind::Constructor); }
  int GetEventCount() const { return Count(TkelFeatureKind::Event); }
  // 0-based; an index outside the list raises EListError
  // "List index out of bounds (<i>)".
  TkelPropertyInfo* GetProperties(int i) const;
  TkelMethodInfo* GetMethods(int i) const;
  TkelConstructorInfo* GetConstructors(int i) const;
  TkelEventInfo* GetEvents(int i) const;
  // The position of the first feature of that kind and name; -1 if none.
  int IndexOf(TkelFeatureKind kind, std::string_view name) const;
  // FindEvent through the caller's cache (for an event hook that finds its
  // record on every firing).
  TkelEventInfo* FindEvent(std::string_view name, TkelLookupCache& cache) const {
    if (cache.Generation != FGeneration) cache = {FGeneration, Find(TkelFeatureKind::Event, name)};
    return static_cast<TkelEventInfo*>(cache.Record);
  }

  // Appends the listener (null is ignored; the same listener may be added
  // more than once). Removes the first registration of the listener (null or
  // absent is ignored).
  void AddListener(TkelListener* listener);
  void RemoveListener(TkelListener* listener);
  // Calls OnEvent(Owner, event) of every registered listener whose EventName
  // equals event->Name (case-sensitive) and whose handler is assigned, in
  // registration order. A listener's exception propagates and stops the
  // notification. While a notification runs, listeners may add and remove
  // listeners (also themselves): the notification calls only the
  // registrations that existed when it began and are still registered when
  // their turn comes, each once; registrations added meanwhile wait for the
  // next event. A handler may even free the descriptor (through its owner):
  // the notification then stops without touching it or the event record
  // again. A null event raises Exception.
  void FireEvent(TkelEventInfo* event);

  // The mappings of the classes of this descriptor's chain that declare
  // their features as constant texts and map them by name (the descriptor
  // pattern), root first; empty for classes written by hand.
  virtual std::vector<TkelClassMapping> ClassMappings() const { return {}; }

  // The description readers: parse `text` and append to the matching list.
  // A malformed text raises Exception with the message of the language; the
  // entries before the error stay appended.
  void ReadKELProperties(std::string_view text);
  void ReadKELMethods(std::string_view text);
  void ReadKELConstructors(std::string_view text);
  void ReadKELEvents(std::string_view text);

 protected:
  ~TkelClassInfo() override;
  // Releases the lists (and the records only this descriptor held): neither
  // unhooks the owner's events nor tells the listeners.
  void Destroy() override;

  // True for a class whose Define operations read the same constant texts
  // for every instance: its class data is then read once and shared. The
  // base answers false, so a class that builds its lists from anything that
  // may change (a field, another descriptor) reads them per instance.
  virtual bool SharesDefinitions() const { return false; }

  // Appends a record of another descriptor to this descriptor's list as it
  // is (held, not copied); an Override read afterwards changes that record.
  void AdoptProperty(TkelPropertyInfo* record);
  void AdoptMethod(TkelMethodInfo* record);
  void AdoptEvent(TkelEventInfo* record);

 private:
  // Reports the event to the trace observer when a listener waits for it.
  void TraceHook(const TkelEventInfo& event) const;
  friend struct detail::TkelCacheAccess;
  friend struct detail::TkelCacheList;
  friend struct detail::TkelOwnerChain;
  friend struct detail::TkelFireFrame;
  template <class R>
  friend class TkelFeatureList;

  int Count(TkelFeatureKind kind) const;
  // The record at position i of the list (made on first use); i is valid.
  TkelFeature* RecordAt(TkelFeatureKind kind, std::size_t i) const;
  // The record at position i if it was made, else null.
  TkelFeature* MadeRecord(TkelFeatureKind kind, std::size_t i) const;
  TkelFeature* Find(TkelFeatureKind kind, std::string_view name) const;
  TkelFeature* ItemAt(TkelFeatureKind kind, int i) const;
  // The class data this descriptor may append to (its own; a shared one is
  // copied first).
  TkelClassData& OwnData();
  void Append(TkelFeatureKind kind, std::string_view text);
  void Adopt(TkelFeatureKind kind, TkelFeature* record);
  void ReleaseRecords();

  host::TObject* FOwner = nullptr;
  TkelClassData* FData = nullptr;  // held; null until a list is defined
  // The records made so far, by list and position (held; null where none was
  // asked for); made with the first record, so an unused descriptor is small.
  struct TMadeRecords {
    std::vector<TkelFeature*> Lists[4];
  };
  mutable std::unique_ptr<TMadeRecords> FRecords;
  // Borrowed; a slot is null while a notification runs and its listener was
  // removed meanwhile (the slots are closed up when the outermost
  // notification ends).
  std::vector<TkelListener*> FListeners;
  detail::TkelFireFrame* FFireFrames = nullptr;  // running notifications, innermost first
  bool FListenerGaps = false;                    // FListeners holds nulls to close up
  uint64_t FSerial;
  // Changes (to a value never used before) whenever the lists or the made
  // records change, which invalidates every TkelLookupCache of this descriptor.
  uint64_t FGeneration;
  void Changed();
  // The registry's cache: whether it holds this descriptor, and the links of
  // its lists (in cache order; and per owner, the later descriptors of the
  // same owner).
  bool FCached = false;
  TkelClassInfo* FCachePrev = nullptr;
  TkelClassInfo* FCacheNext = nullptr;
  TkelClassInfo* FSameOwnerNext = nullptr;
};

inline bool TkelFeature::IsOf(const TkelClassInfo* info) const {
  return info && Descriptor == info && FDescriptorSerial == info->Serial();
}

template <class R>
int TkelFeatureList<R>::Count() const {
  return FInfo.Count(static_cast<TkelFeatureKind>(R::kKind));
}
template <class R>
R* TkelFeatureList<R>::operator[](int i) const {
  return static_cast<R*>(FInfo.ItemAt(static_cast<TkelFeatureKind>(R::kKind), i));
}

// ---------------------------------------------------------------- IkelObject

// Implemented by a component that supplies its own descriptor: GetInfo then
// returns that descriptor and caches nothing.
class IkelObject : public host::IUnknown {
 public:
  static constexpr host::TGUID IID{0xA268AC01, 0x268D, 0x11D4, {0x82, 0x7F, 0x00, 0x80, 0x48, 0xA9, 0x84, 0x73}};
  virtual TkelClassInfo* GetKELClassInfo() = 0;

 protected:
  ~IkelObject() = default;
};

// ------------------------------------------------------------------ registry

using TkelIterateProc = host::TEvent<const std::string& /*ClassName*/>;

// Maps host class names to descriptor classes and hands out the descriptor of
// an object. Class-level operations only; the state is created by
// kelcommon::Initialize and released by kelcommon::Finalize. Every operation
// raises Exception when the core is not initialised.
class TkelClassRegistry {
 public:
  TkelClassRegistry() = delete;

  // Registers `infoClass` (a TkelClassInfo descendant) for the host class
  // name. The first registration of a name wins (names compare without
  // regard to case); later ones are ignored. An empty name or a class that is
  // not a descriptor class raises Exception.
  static void RegisterClass(std::string_view className, host::TClass infoClass);
  // The descriptor class registered for the name (case-insensitive, hashed);
  // null if none.
  static host::TClass FindClass(std::string_view className);
  // Calls proc(ClassName) for every registration, in registration order,
  // with the letter case used at registration.
  static void Iterate(const TkelIterateProc& proc);
  // The descriptor of `object`:
  //  1. an object implementing IkelObject supplies its own (nothing cached);
  //  2. a descriptor cached for this very object;
  //  3. otherwise a new one of the class registered for the object's exact
  //     class name (no climb to parent classes): created, InitMetaData,
  //     SetOwner(object), cached. A component is watched through the
  //     notifier and its descriptor dropped when it is destroyed; any other
  //     object's descriptor is dropped when the object is freed.
  // Raises Exception "Class descriptor for <ClassName> not found!" for an
  // unregistered class name and for a null object; an error of InitMetaData
  // propagates and nothing is cached.
  static TkelClassInfo* GetInfo(host::TObject* object);
};

// ------------------------------------------------------- start-up, shutdown

namespace kelcommon {
// Counted: the first Initialize creates the registration list, the cache and
// the notifier (in this order); the Finalize that brings the count back to
// zero releases the descriptors still cached (giving their owners their own
// handlers back), the registrations, the notifier and the shared class data
// (descriptors still alive keep theirs until they go).
// A Finalize without a matching Initialize does nothing.
void Initialize();
void Finalize();
}  // namespace kelcommon

}  // namespace kel
