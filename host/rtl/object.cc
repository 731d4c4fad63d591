#include "host/rtl/object.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <vector>

#include "host/rtl/pointermap.h"
#include "host/rtl/sysutils.h"

namespace host {

const TMetaClass TObject::StaticMetaClass{"TObject", nullptr, sizeof(TObject), detail::FactoryFor<TObject>(),
                                          {},        nullptr};
HOST_IMPL_INTF(TInterfacedObject, TObject, IUnknown)

// ------------------------------------------------------------------ TGUID

namespace {
int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

TGUID TGUID::FromString(std::string_view text) {
  // {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}: 38 characters.
  static constexpr int kGroups[] = {8, 4, 4, 4, 12};
  auto fail = [&]() -> TGUID { throw EConvertError("'" + std::string(text) + "' is not a valid GUID value"); };
  if (text.size() != 38 || text.front() != '{' || text.back() != '}') return fail();
  uint8_t bytes[16];
  int byteCount = 0;
  std::size_t pos = 1;
  for (int g = 0; g < 5; ++g) {
    if (g > 0 && text[pos++] != '-') return fail();
    for (int i = 0; i < kGroups[g]; i += 2) {
      int hi = HexDigit(text[pos]), lo = HexDigit(text[pos + 1]);
      if (hi < 0 || lo < 0) return fail();
      bytes[byteCount++] = static_cast<uint8_t>(hi * 16 + lo);
      pos += 2;
    }
  }
  TGUID g;
  g.D1 = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
  g.D2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
  g.D3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
  for (int i = 0; i < 8; ++i) g.D4[i] = bytes[8 + i];
  return g;
}

std::string TGUID::ToString() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", D1, D2, D3, D4[0], D4[1], D4[2],
                D4[3], D4[4], D4[5], D4[6], D4[7]);
  return buf;
}

// ------------------------------------------------------------- TMetaClass

bool TMetaClass::ClassNameIs(std::string_view name) const { return SameText(Name, name); }

bool TMetaClass::InheritsFrom(TClass ancestor) const {
  for (TClass c = this; c; c = c->Parent)
    if (c == ancestor) return true;
  return false;
}

const TInterfaceEntry* TMetaClass::GetInterfaceEntry(const TGUID& iid) const {
  for (TClass c = this; c; c = c->Parent)
    for (const TInterfaceEntry& e : c->Interfaces)
      if (e.IID == iid) return &e;
  return nullptr;
}

TObject* TMetaClass::Create(TObject* arg) const {
  if (!Factory) throw EComponentError("Cannot create an instance of the abstract class %s", {Name});
  TObject* obj = Factory(arg);
  obj->AfterConstruction();
  return obj;
}

// ---------------------------------------------------------------- TObject

namespace {

// The free observers; a removed one leaves a gap while observers are being
// told, closed up when the outermost Free is done telling them.
struct TFreeObservers {
  std::vector<TFreeObserver> List;
  int Telling = 0;
  bool Gaps = false;
};
TFreeObservers g_freeObservers;

void TellFreeObservers(TObject* obj) {
  TFreeObservers& o = g_freeObservers;
  if (o.List.empty()) return;
  ++o.Telling;
  const std::size_t count = o.List.size();
  for (std::size_t i = 0; i < count; ++i)
    if (TFreeObserver observer = o.List[i]) observer(obj);
  if (--o.Telling == 0 && o.Gaps) {
    std::erase(o.List, nullptr);
    o.Gaps = false;
  }
}

}  // namespace

void AddFreeObserver(TFreeObserver observer) {
  if (observer &&
      std::find(g_freeObservers.List.begin(), g_freeObservers.List.end(), observer) == g_freeObservers.List.end())
    g_freeObservers.List.push_back(observer);
}

void RemoveFreeObserver(TFreeObserver observer) {
  TFreeObservers& o = g_freeObservers;
  auto it = std::find(o.List.begin(), o.List.end(), observer);
  if (it == o.List.end()) return;
  if (o.Telling > 0) {
    *it = nullptr;
    o.Gaps = true;
  } else {
    o.List.erase(it);
  }
}

void TObject::Free() {
  TellFreeObservers(this);
  BeforeDestruction();
  Destroy();
  delete this;
}

IUnknown* TObject::FindInterfaceRaw(const TGUID& iid) {
  const TInterfaceEntry* e = ClassType()->GetInterfaceEntry(iid);
  return e ? e->Get(this) : nullptr;
}

bool TObject::GetInterface(const TGUID& iid, void** obj) {
  IUnknown* unk = FindInterfaceRaw(iid);
  if (obj) *obj = unk;
  if (!unk) return false;
  unk->_AddRef();
  return true;
}

HRESULT TObject::SafeCallException(void*, void*) { return E_UNEXPECTED; }

void RaiseInvalidCast() { throw EInvalidCast("Invalid class typecast"); }

// ------------------------------------------- live objects and known classes

namespace {

// A thread-safe set of addresses. Never destroyed: objects may outlive the
// program's static destructors.
class TAddressSet {
 public:
  void Add(const void* address) {
    std::lock_guard<std::mutex> guard(FLock);
    FAddresses.At(address) = true;
  }
  void Remove(const void* address) {
    std::lock_guard<std::mutex> guard(FLock);
    FAddresses.Erase(address);
  }
  bool Contains(const void* address) noexcept {
    std::lock_guard<std::mutex> guard(FLock);
    return FAddresses.Contains(address);
  }

 private:
  std::mutex FLock;
  TPointerMap<bool> FAddresses;
};

TAddressSet& LiveObjects() {
  static auto* const live = new TAddressSet;
  return *live;
}

TAddressSet& KnownClasses() {
  static auto* const known = new TAddressSet;
  return *known;
}

const detail::TClassEnlisted ObjectEnlisted{&TObject::StaticMetaClass};

using TAcceptedObjects = TAcceptedAddresses<detail::TLiveTag>;
using TAcceptedClasses = TAcceptedAddresses<detail::TClassTag>;

}  // namespace

TObject::TObject() { LiveObjects().Add(this); }

TObject::~TObject() {
  LiveObjects().Remove(this);
  TAcceptedObjects::ForgetAll();
}

bool detail::IsLiveObjectLookUp(const void* address) noexcept {
  if (!LiveObjects().Contains(address)) return false;
  TAcceptedObjects::Remember(address, 1);
  return true;
}

detail::TClassEnlisted::TClassEnlisted(TClass Class) { KnownClasses().Add(Class); }

bool detail::IsClassReferenceLookUp(const void* address) noexcept {
  if (!KnownClasses().Contains(address)) return false;
  TAcceptedClasses::Remember(address, 1);
  return true;
}

void detail::RaiseNotAt(const void* address, const char* what) {
  throw EInvalidCast("Invalid class typecast: %s is not the address of %s",
                     {IntToStr(static_cast<int64_t>(reinterpret_cast<std::uintptr_t>(address))), what});
}

// ------------------------------------------------------ TInterfacedObject

HRESULT TInterfacedObject::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? S_OK : E_NOINTERFACE;
}

int32_t TInterfacedObject::_AddRef() { return ++FRefCount; }

int32_t TInterfacedObject::_Release() {
  int32_t r = --FRefCount;
  if (r == 0) Free();
  return r;
}

}  // namespace host
