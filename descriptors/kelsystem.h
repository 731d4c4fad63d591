// Descriptors of the host's system unit: TObjectClassInfo (the root of every
// host class descriptor) and TInterfacedObjectClassInfo.
#pragma once

#include "descriptors/kelpattern.h"
#include "host/rtl/object.h"

namespace kel {

// Describes TObject: the property Self and the root methods.
//
// The root methods that work on raw instance memory or take untyped
// arguments get these meanings when called through the descriptor:
//  * NewInstance creates a fresh, fully constructed instance of the owner's
//    class through its class factory and returns its address (the caller
//    frees it); a class without a factory raises EComponentError.
//  * InitInstance, CleanupInstance and FreeInstance are refused with
//    Exception: they would overwrite, finalise or release memory under a
//    live object. Free releases the owner (its cached descriptor goes with it).
//  * GetInterface(IID, Obj): IID is the address of a TGUID; Obj receives the
//    address of the interface (0 when absent) without an added reference,
//    so nothing is left to release.
//  * Dispatch(Message), DefaultHandler(Message): Message is the message
//    number; the host receives a zeroed message record on the stack carrying
//    that number. Message is not written back.
//  * ClassInfo returns the class reference (the class's type record).
//  * SafeCallException stores its result code in scratch and returns its address.
class TObjectClassInfo : public TkelDescriptor<TObjectClassInfo, TkelClassInfo, host::TObject> {
  KEL_DESCRIPTOR(TObjectClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Self::psReadable::pvPublic::0",
      .Methods =
          "Free::msProcedure::0::InitInstance::msFunction::1::Instance::CleanupInstance::msProcedure::0::"
          "ClassType::msFunction::0::ClassName::msFunction::0::ClassNameIs::msFunction::1::Name::"
          "ClassParent::msFunction::0::ClassInfo::msFunction::0::InstanceSize::msFunction::0::"
          "InheritsFrom::msFunction::1::AClass::MethodAddress::msFunction::1::Name::MethodName::msFunction::1::"
          "Address::FieldAddress::msFunction::1::Name::GetInterface::msFunction::2::IID::Obj::"
          "GetInterfaceEntry::msFunction::1::IID::GetInterfaceTable::msFunction::0::"
          "SafeCallException::msFunction::2::ExceptObject::ExceptAddr::AfterConstruction::msProcedure::0::"
          "BeforeDestruction::msProcedure::0::Dispatch::msProcedure::1::Message::DefaultHandler::msProcedure::1::"
          "Message::NewInstance::msFunction::0::FreeInstance::msProcedure::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TObjectClassInfo() override = default;
};

// Describes TInterfacedObject: adds the read-only RefCount.
class TInterfacedObjectClassInfo
    : public TkelDescriptor<TInterfacedObjectClassInfo, TObjectClassInfo, host::TInterfacedObject> {
  KEL_DESCRIPTOR(TInterfacedObjectClassInfo)
  static constexpr TkelTexts Texts{.Properties = "Define::RefCount::psReadable::pvPublic::0"};
  static void MapFeatures(Map& m);

 protected:
  ~TInterfacedObjectClassInfo() override = default;
};

namespace kelsystem {
// Registers TObject and TInterfacedObject with TkelClassRegistry (which must
// be initialised); the package's unit counter makes it run once per start-up.
// Finalize has nothing to release (the texts are constants).
void Initialize();
void Finalize();
}  // namespace kelsystem

}  // namespace kel
