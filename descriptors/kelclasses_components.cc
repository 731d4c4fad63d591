// The component descriptors of the class library: TThread, TComponent,
// TBasicActionLink and TBasicAction.
#include "descriptors/kelclasses_components.h"

#include <string>

namespace kel {

KEL_DESCRIPTOR_IMPL(TThreadClassInfo)
KEL_DESCRIPTOR_IMPL(TComponentClassInfo)
KEL_DESCRIPTOR_IMPL(TBasicActionLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TBasicActionClassInfo)

using host::TBasicAction;
using host::TBasicActionLink;
using host::TComponent;
using host::TThread;

void TThreadClassInfo::MapFeatures(Map& m) {
  m.Prop("ReturnValue", &TThread::GetReturnValue, &TThread::SetReturnValue)
      .Prop("Terminated", &TThread::GetTerminated)
      .Prop("FreeOnTerminate", &TThread::GetFreeOnTerminate, &TThread::SetFreeOnTerminate)
      .Prop("Handle", &TThread::GetHandle)  // uint32_t: by address
      .Prop("Priority", &TThread::GetPriority, &TThread::SetPriority)
      .Prop("Suspended", &TThread::GetSuspended, &TThread::SetSuspended)
      .Prop("ThreadID", &TThread::GetThreadID);  // uint32_t: by address
  m.Method("Resume", &TThread::Resume)
      .Method("Suspend", &TThread::Suspend)
      .Method("Terminate", &TThread::Terminate)
      .Method("WaitFor", &TThread::WaitFor);  // the wait result by address
  m.Event("OnTerminate", &TThread::OnTerminate);
}

void TComponentClassInfo::MapFeatures(Map& m) {
  m.Prop("ComObject", &TComponent::GetComObject)
      .Indexed("Components", &TComponent::GetComponents)
      .Prop("ComponentCount", &TComponent::GetComponentCount)
      .Prop("ComponentIndex", &TComponent::GetComponentIndex, &TComponent::SetComponentIndex)
      .Prop("ComponentState", &TComponent::GetComponentState)  // a set: by address
      .Prop("ComponentStyle", &TComponent::GetComponentStyle)  // a set: by address
      .Prop("DesignInfo", &TComponent::GetDesignInfo, &TComponent::SetDesignInfo)
      .Prop("Owner", [](TComponent& c) { return c.GetOwner(); })
      // The COM object is an interface: it travels as the object that
      // implements it and is checked on the way in (ComObject calls it).
      .Prop(
          "VCLComObject", [](TComponent& c) { return static_cast<host::IUnknown*>(c.GetVCLComObject()); },
          [](TComponent& c, host::IUnknown* value) { c.SetVCLComObject(value); })
      .Prop("Name", &TComponent::GetName, &TComponent::SetName)  // virtual: the host checks the name
      .Prop("Tag", &TComponent::GetTag, &TComponent::SetTag);
  m.Method("DestroyComponents", &TComponent::DestroyComponents)
      .Method("Destroying", &TComponent::Destroying)
      .Method("ExecuteAction", &TComponent::ExecuteAction)
      .Method("FindComponent", &TComponent::FindComponent)
      .Method("FreeNotification", &TComponent::FreeNotification)
      .Method("FreeOnRelease", &TComponent::FreeOnRelease)
      .Method("GetParentComponent", &TComponent::GetParentComponent)
      .Method("HasParent", &TComponent::HasParent)
      .Method("InsertComponent", &TComponent::InsertComponent)
      .Method("RemoveComponent", &TComponent::RemoveComponent)
      .Method("UpdateAction", &TComponent::UpdateAction);
}

void TBasicActionLinkClassInfo::MapFeatures(Map& m) {
  m.Prop("Action", &TBasicActionLink::GetAction, &TBasicActionLink::SetAction);  // virtual setter
  // The host's Execute takes an optional component; the text declares none.
  m.Method("Execute", [](TBasicActionLink& link) {
     return link.Execute();
   }).Method("Update", &TBasicActionLink::Update);
  m.Event("OnChange", &TBasicActionLink::OnChange);
}

void TBasicActionClassInfo::MapFeatures(Map& m) {
  m.Method("HandlesTarget", &TBasicAction::HandlesTarget)
      .Method("UpdateTarget", &TBasicAction::UpdateTarget)
      .Method("ExecuteTarget", &TBasicAction::ExecuteTarget)
      .Method("Execute", &TBasicAction::Execute)
      .Method("RegisterChanges", &TBasicAction::RegisterChanges)
      .Method("UnRegisterChanges", &TBasicAction::UnRegisterChanges)
      .Method("Update", &TBasicAction::Update);
  m.Event("OnChange", &TBasicAction::OnChange)
      .Event("OnExecute", &TBasicAction::OnExecute, &TBasicAction::SetOnExecute)
      .Event("OnUpdate", &TBasicAction::OnUpdate);
}

}  // namespace kel
