// The root of the host object model: class references, TObject with its
// teardown chain, checked casts, GUID-identified interfaces and
// TInterfacedObject.
//
// Every host class carries a class-reference record (TMetaClass) declared with
// HOST_CLASS in the class body and defined with HOST_IMPL in its source file.
// Objects are released with Free(), which runs the virtual Destroy() chain on
// the whole object before the memory goes away, so teardown code can still
// reach overrides of derived classes (see Destroy below).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "host/rtl/addresscache.h"

namespace host {

class TObject;
class IUnknown;
struct TMetaClass;

// A class reference: the address of a class's TMetaClass record.
using TClass = const TMetaClass*;

// ---------------------------------------------------------------- interfaces

// A 128-bit interface identifier.
struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0;
  uint16_t D3 = 0;
  uint8_t D4[8] = {};

  // Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; raises EConvertError on bad text.
  static TGUID FromString(std::string_view text);
  std::string ToString() const;
  friend constexpr bool operator==(const TGUID& a, const TGUID& b) {
    if (a.D1 != b.D1 || a.D2 != b.D2 || a.D3 != b.D3) return false;
    for (int i = 0; i < 8; ++i)
      if (a.D4[i] != b.D4[i]) return false;
    return true;
  }
};

using HRESULT = int32_t;
inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);

// The base interface. Interfaces are abstract classes with a static IID.
class IUnknown {
 public:
  static constexpr TGUID IID{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
  virtual HRESULT QueryInterface(const TGUID& iid, void** obj) = 0;
  virtual int32_t _AddRef() = 0;
  virtual int32_t _Release() = 0;

 protected:
  ~IUnknown() = default;
};

// One entry of a class's interface table: the identifier and how to reach the
// interface inside an instance of the class.
struct TInterfaceEntry {
  TGUID IID;
  IUnknown* (*Get)(TObject* instance);
};

// ----------------------------------------------------------- class references

using TFactory = TObject* (*)(TObject* arg);

// The class-reference record. Records are constant-initialised, so they are
// usable before main() without any start-up order.
struct TMetaClass {
  const char* Name;
  TClass Parent;
  std::size_t InstanceSize;
  TFactory Factory;                             // null for abstract classes
  std::span<const TInterfaceEntry> Interfaces;  // interfaces this class adds
  // What the family of classes this class belongs to attaches to its record
  // (see THostClassExtra); null when nothing.
  const void* Extra = nullptr;

  std::string ClassName() const { return Name; }
  bool ClassNameIs(std::string_view name) const;  // case-insensitive
  bool InheritsFrom(TClass ancestor) const;
  // Finds an interface entry in this class or its parents; null if none.
  const TInterfaceEntry* GetInterfaceEntry(const TGUID& iid) const;
  // Creates an instance through the factory and runs AfterConstruction. `arg`
  // is the owner of a component, the collection of a collection item, and
  // ignored otherwise.
  // Raises EComponentError for a class that cannot be created.
  TObject* Create(TObject* arg = nullptr) const;
};

// ----------------------------------------------------------------- TObject

class TObject {
 public:
  static const TMetaClass StaticMetaClass;
  // Every object is known to the host from its construction to its
  // destruction (see IsLiveObject).
  TObject();
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  virtual TClass ClassType() const { return &StaticMetaClass; }
  std::string ClassName() const { return ClassType()->Name; }
  bool ClassNameIs(std::string_view name) const { return ClassType()->ClassNameIs(name); }
  TClass ClassParent() const { return ClassType()->Parent; }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }
  std::size_t InstanceSize() const { return ClassType()->InstanceSize; }

  // Runs BeforeDestruction, the Destroy chain and then releases the memory.
  void Free();

  virtual void AfterConstruction() {}
  virtual void BeforeDestruction() {}

  // Looks up an interface in the class's interface tables. On success stores
  // the interface (with one reference added) in *obj and returns true.
  bool GetInterface(const TGUID& iid, void** obj);
  // Typed form: the interface without an added reference, or null.
  template <class I>
  I* FindInterface() {
    IUnknown* unk = FindInterfaceRaw(I::IID);
    return unk ? static_cast<I*>(unk) : nullptr;
  }
  IUnknown* FindInterfaceRaw(const TGUID& iid);

  // Message dispatch. Host classes declare no message handlers, so every
  // message reaches DefaultHandler, which ignores it.
  virtual void Dispatch(void* message) { DefaultHandler(message); }
  virtual void DefaultHandler(void* /*message*/) {}
  // Published method and field tables: the host declares none.
  static void* MethodAddress(std::string_view /*name*/) { return nullptr; }
  static std::string MethodName(const void* /*address*/) { return {}; }
  void* FieldAddress(std::string_view /*name*/) { return nullptr; }
  // Converts an exception leaving a safecall method into a result code.
  virtual HRESULT SafeCallException(void* exceptObject, void* exceptAddr);

 protected:
  virtual ~TObject();
  // The teardown chain: each class does its own work and then calls its
  // parent's Destroy. Runs on the whole object, before any C++ destructor.
  virtual void Destroy() {}
};

// Library-wide observers told about every object that is being freed,
// before its teardown runs (the reflection registry forgets the descriptors
// of objects that send no removal notification). Any number of them, each
// registered once, told in registration order; an observer may be added or
// removed while observers are being told (an added one hears the next Free).
using TFreeObserver = void (*)(TObject* obj);
void AddFreeObserver(TFreeObserver observer);
void RemoveFreeObserver(TFreeObserver observer);

// Frees an object that may be null (the classic `Obj.Free` on nil).
inline void FreeObject(TObject* obj) {
  if (obj) obj->Free();
}
// Frees the object and clears the reference first (FreeAndNil).
template <class T>
void FreeAndNil(T*& obj) {
  T* tmp = obj;
  obj = nullptr;
  FreeObject(tmp);
}

// unique_ptr for objects owned outside the component model (tests, members).
struct FreeDeleter {
  void operator()(TObject* obj) const { FreeObject(obj); }
};
template <class T>
using TOwned = std::unique_ptr<T, FreeDeleter>;
// Creates an object the classic way: construction, then AfterConstruction
// (where, for example, a thread created running starts).
template <class T, class... A>
T* New(A&&... args) {
  T* obj = new T(std::forward<A>(args)...);
  obj->AfterConstruction();
  return obj;
}
template <class T, class... A>
TOwned<T> MakeOwned(A&&... args) {
  return TOwned<T>(New<T>(std::forward<A>(args)...));
}

// ------------------------------------------------------------- checked casts

[[noreturn]] void RaiseInvalidCast();

// Whether an object lives at `address` (constructed and not yet destroyed):
// lets an address that arrives as a number (a Variant, a script, a form
// file) be checked before it is used as an object. Thread-safe.
inline bool IsLiveObject(const void* address) noexcept;
// The object at `address`: null for 0; raises EInvalidCast "Invalid class
// typecast: <address> is not the address of an object" when none lives there.
inline TObject* LiveObjectAt(const void* address);

// Whether `address` is the class-reference record of a host class (every
// class defined with HOST_IMPL, and TObject). Thread-safe.
inline bool IsClassReference(const void* address) noexcept;
// The class at `address`: null for 0; raises EInvalidCast "Invalid class
// typecast: <address> is not the address of a class" for anything else.
inline TClass ClassAt(const void* address);

namespace detail {
// Makes a class known to IsClassReference; HOST_IMPL defines one per class.
struct TClassEnlisted {
  explicit TClassEnlisted(TClass Class);
};

// The checks above: what the calling thread accepted last is answered
// inline, the rest by a look-up in the set.
struct TLiveTag;
struct TClassTag;
bool IsLiveObjectLookUp(const void* address) noexcept;
bool IsClassReferenceLookUp(const void* address) noexcept;
[[noreturn]] void RaiseNotAt(const void* address, const char* what);
}  // namespace detail

inline bool IsLiveObject(const void* address) noexcept {
  return TAcceptedAddresses<detail::TLiveTag>::Room(address) || detail::IsLiveObjectLookUp(address);
}
inline TObject* LiveObjectAt(const void* address) {
  if (address && !IsLiveObject(address)) detail::RaiseNotAt(address, "an object");
  return static_cast<TObject*>(const_cast<void*>(address));
}
inline bool IsClassReference(const void* address) noexcept {
  return TAcceptedAddresses<detail::TClassTag>::Room(address) || detail::IsClassReferenceLookUp(address);
}
inline TClass ClassAt(const void* address) {
  if (address && !IsClassReference(address)) detail::RaiseNotAt(address, "a class");
  return static_cast<TClass>(address);
}

// The classic `obj as T`: null passes, an object of another class raises
// EInvalidCast "Invalid class typecast".
template <class T>
T* As(TObject* obj) {
  if (!obj) return nullptr;
  if (T* t = dynamic_cast<T*>(obj)) return t;
  RaiseInvalidCast();
}
template <class T>
const T* As(const TObject* obj) {
  return As<T>(const_cast<TObject*>(obj));
}
// The classic `obj is T`.
template <class T>
bool Is(const TObject* obj) {
  return dynamic_cast<const T*>(obj) != nullptr;
}

// ------------------------------------------------------- TInterfacedObject

class TInterfacedObject : public TObject, public IUnknown {
 public:
  static const TMetaClass StaticMetaClass;
  static const detail::TClassEnlisted StaticEnlisted;
  TClass ClassType() const override { return &StaticMetaClass; }
  using inherited = TObject;

  HRESULT QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override;
  int32_t _Release() override;  // frees the object when the count reaches 0
  int32_t RefCount() const { return FRefCount; }

 private:
  int32_t FRefCount = 0;
};

// In the body of a TInterfacedObject descendant that implements further
// interfaces: each interface brings its own IUnknown, and these overrides
// route all of them to the one reference count of TInterfacedObject.
#define HOST_INTERFACED_FORWARDS                                                  \
  ::host::HRESULT QueryInterface(const ::host::TGUID& iid, void** obj) override { \
    return ::host::TInterfacedObject::QueryInterface(iid, obj);                   \
  }                                                                               \
  int32_t _AddRef() override { return ::host::TInterfacedObject::_AddRef(); }     \
  int32_t _Release() override { return ::host::TInterfacedObject::_Release(); }

// ------------------------------------------------ class declaration helpers

// Data a family of classes attaches to the class records of its members
// (HOST_IMPL stores Value in TMetaClass::Extra). Nothing by default; a family
// specialises it for its classes (the components do, in
// host/classes/component.h). HOST_CLASS makes every specialisation a friend
// of its class, so that it may look at protected members.
template <class T, class Enable = void>
struct THostClassExtra {
  static constexpr const void* Value = nullptr;
};

namespace detail {
template <class T>
constexpr TFactory FactoryFor() {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (requires { typename T::TCreateArg; }) {
    return [](TObject* arg) -> TObject* { return new T(As<typename T::TCreateArg>(arg)); };
  } else if constexpr (requires { new T(); }) {
    return [](TObject*) -> TObject* { return new T(); };
  } else {
    return nullptr;
  }
}
// Whether the member pointer names a member that class S itself declares
// (the type of &S::m names the class that declares m).
template <class S, class C, class M>
constexpr bool DeclaredBy(M C::*) {
  return std::is_same_v<S, C>;
}
template <class Self, class I>
IUnknown* InterfaceOf(TObject* obj) {
  return static_cast<I*>(static_cast<Self*>(obj));
}
}  // namespace detail

}  // namespace host

// In the class body: declares the class-reference record and ClassType, and
// the alias `inherited` for the parent. Leaves the access at public.
#define HOST_CLASS(Self, Parent)                                         \
 public:                                                                 \
  static const ::host::TMetaClass StaticMetaClass;                       \
  static const ::host::detail::TClassEnlisted StaticEnlisted;            \
  ::host::TClass ClassType() const override { return &StaticMetaClass; } \
  using inherited = Parent;                                              \
  template <class, class>                                                \
  friend struct ::host::THostClassExtra;

// Makes the class known to IsClassReference when the program starts.
#define HOST_ENLIST_CLASS(Self) const ::host::detail::TClassEnlisted Self::StaticEnlisted{&Self::StaticMetaClass};

// In the source file: defines the record. A class with a public constructor
// taking nothing or its TCreateArg (owner, collection) is creatable.
#define HOST_IMPL(Self, Parent)                                                                       \
  const ::host::TMetaClass Self::StaticMetaClass{#Self,        &Parent::StaticMetaClass,              \
                                                 sizeof(Self), ::host::detail::FactoryFor<Self>(),    \
                                                 {},           ::host::THostClassExtra<Self>::Value}; \
  HOST_ENLIST_CLASS(Self)

// Same, for a class that implements interfaces: HOST_IMPL_INTF(TFoo, TBar, IFoo, IBaz)
#define HOST_IMPL_INTF(Self, Parent, ...)                                                                    \
  namespace {                                                                                                \
  template <class... I>                                                                                      \
  struct Self##_Interfaces {                                                                                 \
    static constexpr ::host::TInterfaceEntry table[] = {{I::IID, &::host::detail::InterfaceOf<Self, I>}...}; \
  };                                                                                                         \
  }                                                                                                          \
  const ::host::TMetaClass Self::StaticMetaClass{#Self,                                                      \
                                                 &Parent::StaticMetaClass,                                   \
                                                 sizeof(Self),                                               \
                                                 ::host::detail::FactoryFor<Self>(),                         \
                                                 Self##_Interfaces<__VA_ARGS__>::table,                      \
                                                 ::host::THostClassExtra<Self>::Value};                      \
  HOST_ENLIST_CLASS(Self)
