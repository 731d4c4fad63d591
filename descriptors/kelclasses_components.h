// Descriptors of the component classes of the host class library: threads,
// components, action links and basic actions.
//
// Every feature named in a description text maps to the host member of the
// same name with the conversions of the descriptor pattern (kelpattern.h,
// kelconvert.h). Values of the host's unsigned 32-bit type (a thread's Handle
// and ThreadID, the result of WaitFor) and sets (a component's state and
// style) travel as the address of a copy in the descriptor's scratch storage.
#pragma once

#include "descriptors/kelclasses_data.h"
#include "descriptors/kelpattern.h"
#include "descriptors/kelsystem.h"
#include "host/classes/actions.h"
#include "host/classes/component.h"
#include "host/classes/thread.h"

namespace kel {

// Describes TThread: Priority as the ordinal of the priority enumeration;
// Handle, ThreadID and the result of WaitFor by address; OnTerminate hooked
// in the thread's handler field.
class TThreadClassInfo : public TkelDescriptor<TThreadClassInfo, TObjectClassInfo, host::TThread> {
  KEL_DESCRIPTOR(TThreadClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ReturnValue::psReadable..psWritable::pvProtected::0::Define::Terminated::psReadable::"
          "pvProtected::0::Define::FreeOnTerminate::psReadable..psWritable::pvPublic::0::Define::Handle::"
          "psReadable::pvPublic::0::Define::Priority::psReadable..psWritable::pvPublic::0::Define::Suspended::"
          "psReadable..psWritable::pvPublic::0::Define::ThreadID::psReadable::pvPublic::0",
      .Methods = "Resume::msProcedure::0::Suspend::msProcedure::0::Terminate::msProcedure::0::WaitFor::msFunction::0",
      .Constructors = "Create::1::CreateSuspended",
      .Events = "Define::OnTerminate::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TThreadClassInfo() override = default;
};

// Describes TComponent: ComponentState and ComponentStyle by address;
// ComObject, Components[Index], Owner and VCLComObject as references; Name
// written through the component's virtual name setter, so the component's
// own checks of the new name apply.
class TComponentClassInfo : public TkelDescriptor<TComponentClassInfo, TPersistentClassInfo, host::TComponent> {
  KEL_DESCRIPTOR(TComponentClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ComObject::psReadable::pvPublic::0::Define::Components::psReadable..psIndexed::pvPublic::1::"
          "Index::Define::ComponentCount::psReadable::pvPublic::0::Define::ComponentIndex::psReadable.."
          "psWritable::pvPublic::0::Define::ComponentState::psReadable::pvPublic::0::Define::ComponentStyle::"
          "psReadable::pvPublic::0::Define::DesignInfo::psReadable..psWritable::pvPublic::0::Define::Owner::"
          "psReadable::pvPublic::0::Define::VCLComObject::psReadable..psWritable::pvPublic::0::Define::Name::"
          "psReadable..psWritable::pvPublished::0::Define::Tag::psReadable..psWritable::pvPublished::0",
      .Methods =
          "DestroyComponents::msProcedure::0::Destroying::msProcedure::0::ExecuteAction::msFunction::1::Action::"
          "FindComponent::msFunction::1::AName::FreeNotification::msProcedure::1::AComponent::FreeOnRelease::"
          "msProcedure::0::GetParentComponent::msFunction::0::HasParent::msFunction::0::InsertComponent::"
          "msProcedure::1::AComponent::RemoveComponent::msProcedure::1::AComponent::UpdateAction::msFunction::1::"
          "Action",
      .Constructors = "Create::1::AOwner",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TComponentClassInfo() override = default;
};

// Describes TBasicActionLink: Action written through the link's virtual
// setter; the link's own OnChange hooked in its handler field.
class TBasicActionLinkClassInfo
    : public TkelDescriptor<TBasicActionLinkClassInfo, TObjectClassInfo, host::TBasicActionLink> {
  KEL_DESCRIPTOR(TBasicActionLinkClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Action::psReadable..psWritable::pvPublic::0",
      .Methods = "Execute::msFunction::0::Update::msFunction::0",
      .Constructors = "Create::1::AClient",
      .Events = "Define::OnChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBasicActionLinkClassInfo() override = default;
};

// Describes TBasicAction: OnChange and OnUpdate hooked in the action's
// handler fields; OnExecute saved from its field but installed and restored
// through the action's virtual SetOnExecute, so the action's links hear
// about the new handler both times.
class TBasicActionClassInfo : public TkelDescriptor<TBasicActionClassInfo, TComponentClassInfo, host::TBasicAction> {
  KEL_DESCRIPTOR(TBasicActionClassInfo)
  static constexpr TkelTexts Texts{
      .Methods =
          "HandlesTarget::msFunction::1::Target::UpdateTarget::msProcedure::1::Target::ExecuteTarget::"
          "msProcedure::1::Target::Execute::msFunction::0::RegisterChanges::msProcedure::1::Value::"
          "UnRegisterChanges::msProcedure::1::Value::Update::msFunction::0",
      .Events =
          "Define::OnChange::pvProtected::1::Sender::Define::OnExecute::pvPublic::1::Sender::Define::OnUpdate::"
          "pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBasicActionClassInfo() override = default;
};

// The descriptors above, in the order of the class library's descriptor
// table.
using TkelComponentDescriptors =
    TkelDescriptorList<TThreadClassInfo, TComponentClassInfo, TBasicActionLinkClassInfo, TBasicActionClassInfo>;

}  // namespace kel
