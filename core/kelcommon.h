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

// ---------------------------------------------------------- feature records
//
// Records are created by the description readers of a descriptor and stay
// alive as long as the library is loaded: destroying a descriptor releases its
// lists, not the records, so a record obtained earlier stays readable (its
// Descriptor field then names a descriptor that is gone and may only be
// compared). Every record is kept in a library-wide store that
// kelcommon::Finalize releases. Records are never freed by their users.

class TkelParameterInfo;
using TkelArguments = std::vector<TkelParameterInfo*>;

class TkelFeature : public host::TObject {
  HOST_CLASS(TkelFeature, host::TObject)
  TkelFeature(TkelClassInfo* descriptor, std::string name);

  TkelClassInfo* Descriptor;  // the descriptor whose reader created the record; not owned
  std::string Name;           // exactly as written in the description

 protected:
  ~TkelFeature() override = default;
  void Destroy() override;

 private:
  friend struct TkelRecordStore;
  std::size_t storeSlot_;  // position in the library-wide store
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
};

class TkelPropertyInfo : public TkelFeature {
  HOST_CLASS(TkelPropertyInfo, TkelFeature)
  TkelPropertyInfo(TkelClassInfo* descriptor, std::string name, TkelPropertyStyle style,
                   TkelPropertyVisibility visibility, TkelArguments indexes);

  TkelPropertyStyle Style;
  TkelPropertyVisibility Visibility;
  TkelArguments Indexes;  // one record per index of an array property

  int GetIndexCount() const { return static_cast<int>(Indexes.size()); }
  // The i-th index record; the caller keeps i within 0 .. GetIndexCount()-1.
  TkelParameterInfo* GetIndexes(int i) const { return Indexes[static_cast<std::size_t>(i)]; }

 protected:
  ~TkelPropertyInfo() override = default;
};

class TkelMethodInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelMethodInfo, TkelFeature)
  TkelMethodInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args, TkelMethodStyle style);

  TkelMethodStyle Style;
  host::Variant Result;  // the result of the last call of an msFunction method

 protected:
  ~TkelMethodInfo() override = default;
};

class TkelConstructorInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelConstructorInfo, TkelFeature)
  TkelConstructorInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args);

 protected:
  ~TkelConstructorInfo() override = default;
};

class TkelEventInfo : public TkelFeature, public TkelArgumentList {
  HOST_CLASS(TkelEventInfo, TkelFeature)
  TkelEventInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args,
                TkelPropertyVisibility visibility);

  TkelPropertyVisibility Visibility;

 protected:
  ~TkelEventInfo() override = default;
};

// One running operation that may end with its object freed (a descriptor's
// method that frees the owner, a connection whose action destroys the
// connection). Frames form a stack through the object; its Destroy marks
// every running frame, and the operation stops touching the object once its
// frame says Destroyed.
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

using TkelPropertyList = std::vector<TkelPropertyInfo*>;
using TkelMethodList = std::vector<TkelMethodInfo*>;
using TkelConstructorList = std::vector<TkelConstructorInfo*>;
using TkelEventList = std::vector<TkelEventInfo*>;

namespace detail {
struct TkelCacheAccess;
struct TkelFireFrame;
}  // namespace detail

// The base of every class descriptor. Expected use: create, InitMetaData,
// SetOwner(object); then lookups, generic operations, listeners and events;
// finally Free. A descriptor without an owner (used only for its feature
// lists) skips SetOwner.
class TkelClassInfo : public host::TObject {
  HOST_CLASS(TkelClassInfo, host::TObject)
  TkelClassInfo() = default;

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

  // Empties the four feature lists (the records stay alive) and runs the
  // four Define operations. Reader errors propagate; the lists then hold
  // what was read before the error.
  void InitMetaData();
  // Unhooks the current owner (if any), stores the new one and hooks it (if
  // not null). Setting the same owner again unhooks and re-hooks it.
  void SetOwner(host::TObject* object);
  host::TObject* GetOwner() const { return owner_; }

  // First record of the list whose Name equals `name` exactly; null if none.
  TkelPropertyInfo* FindProperty(std::string_view name) const;
  TkelMethodInfo* FindMethod(std::string_view name) const;
  TkelConstructorInfo* FindConstructor(std::string_view name) const;
  TkelEventInfo* FindEvent(std::string_view name) const;

  int GetPropertyCount() const { return static_cast<int>(properties_.size()); }
  int GetMethodCount() const { return static_cast<int>(methods_.size()); }
  int GetConstructorCount() const { return static_cast<int>(constructors_.size()); }
  int GetEventCount() const { return static_cast<int>(events_.size()); }
  // 0-based; an index outside the list raises EListError
  // "List index out of bounds (<i>)".
  TkelPropertyInfo* GetProperties(int i) const;
  TkelMethodInfo* GetMethods(int i) const;
  TkelConstructorInfo* GetConstructors(int i) const;
  TkelEventInfo* GetEvents(int i) const;

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
  // the notification then stops without touching it again. A null event
  // raises Exception.
  void FireEvent(TkelEventInfo* event);

  // The description readers: parse `text` and append to the matching list.
  // A malformed text raises Exception with the message of the language; the
  // entries before the error stay appended.
  void ReadKELProperties(std::string_view text);
  void ReadKELMethods(std::string_view text);
  void ReadKELConstructors(std::string_view text);
  void ReadKELEvents(std::string_view text);

 protected:
  ~TkelClassInfo() override = default;
  // Releases the five lists only: neither unhooks the owner's events nor
  // tells the listeners.
  void Destroy() override;

  // The feature lists, in definition order. They may also hold records made
  // by another descriptor (a descriptor may adopt records of another one).
  TkelPropertyList properties_;
  TkelMethodList methods_;
  TkelConstructorList constructors_;
  TkelEventList events_;

 private:
  friend struct detail::TkelCacheAccess;
  friend struct detail::TkelFireFrame;

  host::TObject* owner_ = nullptr;
  // Borrowed; a slot is null while a notification runs and its listener was
  // removed meanwhile (the slots are closed up when the outermost
  // notification ends).
  std::vector<TkelListener*> listeners_;
  detail::TkelFireFrame* fireFrames_ = nullptr;  // running notifications, innermost first
  bool cached_ = false;                          // held by the registry's cache
};

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
  // The descriptor class registered for the name (case-insensitive); null if none.
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
// handlers back), the registrations, the notifier and every feature record.
// A Finalize without a matching Initialize does nothing.
void Initialize();
void Finalize();
}  // namespace kelcommon

}  // namespace kel
