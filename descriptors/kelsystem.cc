// The root descriptors: TObject and TInterfacedObject.
#include "descriptors/kelsystem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/rtl/sysutils.h"
#include "host/widgetset/wsmessages.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TInterfacedObjectClassInfo)

namespace {

using host::TObject;

// A method refused because it works on raw instance memory (whatever its
// arguments hold).
auto Refused(const char* name) {
  return [name](TObjectClassInfo&, TkelMethodInfo&) {
    throw host::Exception(std::string(name) +
                          " cannot be called through a class descriptor: it works on raw instance memory!");
  };
}

// The classic message record (64-bit layout), zeroed but for the number,
// with zeroed room behind it: a receiver takes the record the number names
// (a menu reads a WM_DRAWITEM record of 48 bytes), so it must not read past
// the end.
struct TkelMessageRecord {
  uint32_t Msg = 0;
  uint32_t Reserved = 0;
  int64_t WParam = 0;
  int64_t LParam = 0;
  int64_t Result = 0;
  std::array<std::byte, 96> Room{};
};
static_assert(sizeof(TkelMessageRecord) >= sizeof(host::TWMDrawItem) &&
                  sizeof(TkelMessageRecord) >= sizeof(host::TWMMeasureItem) &&
                  sizeof(TkelMessageRecord) >= sizeof(host::TWMMenuChar),
              "the record must hold every message record a host receiver reads");

// Dispatch and DefaultHandler: the message number in a record on the stack.
auto SendsMessage(void (TObject::*handler)(void*)) {
  return [handler](TObject& o, int32_t message) {
    TkelMessageRecord record;
    record.Msg = static_cast<uint32_t>(message);
    (o.*handler)(&record);
  };
}

}  // namespace

void TObjectClassInfo::MapFeatures(Map& m) {
  m.Prop("Self", [](TObject& o) { return &o; });
  m.Method("Free", &TObject::Free)
      .MethodRaw("InitInstance", Refused("InitInstance"))
      .MethodRaw("CleanupInstance", Refused("CleanupInstance"))
      .MethodRaw("FreeInstance", Refused("FreeInstance"))
      .Method("NewInstance", [](TObject& o) { return o.ClassType()->Create(nullptr); })
      .Method("ClassType", &TObject::ClassType)
      .Method("ClassName", &TObject::ClassName)
      .Method("ClassNameIs", [](TObject& o, const std::string& name) { return o.ClassNameIs(name); })
      .Method("ClassParent", &TObject::ClassParent)
      .Method("ClassInfo", &TObject::ClassType)
      .Method("InstanceSize", [](TObject& o) { return static_cast<int32_t>(o.InstanceSize()); })
      .Method("InheritsFrom", &TObject::InheritsFrom)
      .Method("MethodAddress", [](TObject&, std::string_view name) { return TObject::MethodAddress(name); })
      .Method("MethodName", [](TObject&, const void* address) { return TObject::MethodName(address); })
      .Method("FieldAddress", &TObject::FieldAddress)
      .Method("GetInterface",
              [](TObject& o, const host::TGUID& iid, void*& obj) {
                obj = o.FindInterfaceRaw(iid);
                return obj != nullptr;
              })
      .Method("GetInterfaceEntry",
              [](TObject& o, const host::TGUID& iid) { return o.ClassType()->GetInterfaceEntry(iid); })
      .Method("GetInterfaceTable",
              [](TObject& o) -> const host::TInterfaceEntry* {
                const auto table = o.ClassType()->Interfaces;
                return table.empty() ? nullptr : table.data();
              })
      .Method("SafeCallException",
              [](TObject& o, void* exceptObject, void* exceptAddr) {
                return static_cast<uint32_t>(o.SafeCallException(exceptObject, exceptAddr));
              })
      .Method("AfterConstruction", &TObject::AfterConstruction)
      .Method("BeforeDestruction", &TObject::BeforeDestruction)
      .Method("Dispatch", SendsMessage(&TObject::Dispatch))
      .Method("DefaultHandler", SendsMessage(&TObject::DefaultHandler));
}

void TInterfacedObjectClassInfo::MapFeatures(Map& m) { m.Prop("RefCount", &host::TInterfacedObject::RefCount); }

// The package runs these once per start-up (guarded by its unit counter); a
// repeated registration would be ignored by the registry anyway.
void kelsystem::Initialize() { kelRegisterDescriptors<TObjectClassInfo, TInterfacedObjectClassInfo>(); }

// The description texts are constants: nothing to release.
void kelsystem::Finalize() {}

}  // namespace kel
