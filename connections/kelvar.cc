// The variable component and its descriptor.
#include "connections/kelvar.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/classes/hostclasses.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace kel {

HOST_IMPL(TkelVariableClassInfo, TkelClassInfo)
HOST_IMPL_INTF(TkelVariable, host::TComponent, IkelObject)

using host::TComponent;
using host::TObject;
using host::Variant;

namespace {

constexpr char kSelf[] = "Self";
constexpr char kOnInstanceChange[] = "OnInstanceChange";
constexpr char kSelfOverride[] = "Override::Self::psReadable..psWritable::pvPublished::0";
constexpr char kInstanceChangeEvent[] = "Define::OnInstanceChange::pvPublished::1::Instance";

// The variable descriptors whose InstanceInfo hooks an object, in the order
// in which they hooked it: for one object, a later entry sits above an
// earlier one in the object's chain of event hooks.
std::vector<TkelVariableClassInfo*>& Holders() {
  static std::vector<TkelVariableClassInfo*> holders;
  return holders;
}

// True when Object is of the class named ClassName or of a descendant.
bool IsOfClass(const TObject* Object, const std::string& ClassName) {
  for (host::TClass c = Object->ClassType(); c; c = c->Parent)
    if (c->ClassNameIs(ClassName)) return true;
  return false;
}

[[noreturn]] void RaiseUnusableClass(const std::string& ClassName, const char* Reason) {
  throw host::Exception("A variable cannot hold objects of class " + ClassName + ": " + Reason + "!");
}

}  // namespace

// ------------------------------------------------------ TkelVariableClassInfo

TkelVariableClassInfo::TkelVariableClassInfo(const std::string& ClassTypeName, TComponent* Watcher)
    : FWatcher(Watcher) {
  Update(ClassTypeName);
}

void TkelVariableClassInfo::Update(const std::string& ClassTypeName) {
  const host::TClass infoClass = TkelClassRegistry::FindClass(ClassTypeName);
  if (!infoClass) throw host::Exception(SkelUnknownClass);
  if (infoClass->InheritsFrom(&TkelVariableClassInfo::StaticMetaClass))
    RaiseUnusableClass(ClassTypeName, "a variable supplies its own descriptor");
  // Build the new descriptor completely before the current one goes, so a
  // failure changes nothing.
  host::TOwned<TkelClassInfo> fresh(host::As<TkelClassInfo>(infoClass->Create(nullptr)));
  fresh->InitMetaData();
  if (!fresh->FindProperty(kSelf)) RaiseUnusableClass(ClassTypeName, "its descriptor has no Self property");
  std::vector<TkelListener*> relays;
  for (int i = 0; i < fresh->GetEventCount(); ++i) {
    const std::string& name = fresh->GetEvents(i)->Name;
    if (std::any_of(relays.begin(), relays.end(), [&](const TkelListener* l) { return l->EventName == name; }))
      continue;
    auto* relay = host::New<TkelListener>();
    relay->EventName = name;
    relay->OnEvent = TNotifyKELEvent([this](TObject*, TkelEventInfo* event) { FireEvent(event); }, this);
    fresh->AddListener(relay);
    relays.push_back(relay);
  }
  ReleaseInstance();
  FreeInner();
  FInstanceInfo = fresh.release();
  FRelays = std::move(relays);
  FClassTypeName = ClassTypeName;
}

void TkelVariableClassInfo::FreeInner() {
  host::FreeAndNil(FInstanceInfo);
  for (TkelListener* relay : FRelays) relay->Free();
  FRelays.clear();
}

void TkelVariableClassInfo::Destroy() {
  ReleaseInstance();
  FreeInner();
  inherited::Destroy();
}

// The merged lists: InstanceInfo's records, shared (not copied), then the
// variable's own Self override and OnInstanceChange event.
void TkelVariableClassInfo::DefineKELProperties(TkelPropertyList& list) {
  inherited::DefineKELProperties(list);
  for (int i = 0; i < FInstanceInfo->GetPropertyCount(); ++i) AdoptProperty(FInstanceInfo->GetProperties(i));
  ReadKELProperties(kSelfOverride);
}

void TkelVariableClassInfo::DefineKELMethods(TkelMethodList& list) {
  inherited::DefineKELMethods(list);
  for (int i = 0; i < FInstanceInfo->GetMethodCount(); ++i) AdoptMethod(FInstanceInfo->GetMethods(i));
}

void TkelVariableClassInfo::DefineKELEvents(TkelEventList& list) {
  inherited::DefineKELEvents(list);
  for (int i = 0; i < FInstanceInfo->GetEventCount(); ++i) AdoptEvent(FInstanceInfo->GetEvents(i));
  ReadKELEvents(kInstanceChangeEvent);
}

void TkelVariableClassInfo::CheckHeld(const TkelFeature* Feature, const char* Kind, const char* Action) const {
  // A missing record is reported by InstanceInfo itself.
  if (!Feature || FInstanceInfo->GetOwner()) return;
  throw host::Exception(std::string(Kind) + " " + Feature->Name + " of " + FClassTypeName + " cannot be " + Action +
                        ": the variable holds no object!");
}

void TkelVariableClassInfo::CheckFits(TObject* Object) const {
  if (!Object || IsOfClass(Object, FClassTypeName)) return;
  throw host::Exception("A " + Object->ClassName() + " cannot be held by a variable of class " + FClassTypeName + "!");
}

Variant TkelVariableClassInfo::GetProperty(TkelPropertyInfo* property) {
  if (property && property->Name == kSelf) return Variant::FromPointer(FInstance);
  CheckHeld(property, "Property", "reached");
  return FInstanceInfo->GetProperty(property);
}

void TkelVariableClassInfo::SetProperty(TkelPropertyInfo* property, const Variant& value) {
  if (property && property->Name == kSelf) return ChangeInstance(host::LiveObjectAt(value.AsPointer()));
  CheckHeld(property, "Property", "reached");
  FInstanceInfo->SetProperty(property, value);
}

void TkelVariableClassInfo::InvokeMethod(TkelMethodInfo* method) {
  CheckHeld(method, "Method", "called");
  if (method && method->Name == "Free") {
    // Let go of the object before it goes (listeners of OnInstanceChange may
    // even free this descriptor: only the local is used afterwards).
    TObject* held = FInstanceInfo->GetOwner();
    ChangeInstance(nullptr);
    held->Free();
    return;
  }
  FInstanceInfo->InvokeMethod(method);
}

void TkelVariableClassInfo::ChangeInstance(TObject* Object) {
  CheckFits(Object);
  Hold(Object);
  FInstance = Object;
  if (auto* component = dynamic_cast<TComponent*>(Object); component && FWatcher) FWatcher->FreeNotification(component);
  FireInstanceChange();  // last: a listener may free this descriptor
}

void TkelVariableClassInfo::InstanceRemoved(TComponent* AComponent) {
  if (!AComponent || AComponent != FInstance) return;
  if (AComponent->GetComponentState().Contains(host::csDestroying)) return ChangeInstance(nullptr);
  // Taken from its owner only: the removal notice dropped the watcher's
  // link, so it is made again.
  if (FWatcher) FWatcher->FreeNotification(AComponent);
}

void TkelVariableClassInfo::FireInstanceChange() {
  TkelEventInfo* event = FindEvent(kOnInstanceChange);
  if (!event) return;
  if (event->GetArgCount() > 0) event->GetArgs(0)->Value = Variant::FromPointer(FInstance);
  FireEvent(event);
}

void TkelVariableClassInfo::Hold(TObject* Object) {
  // The registry's descriptor of the object hooks it before InstanceInfo
  // does, so that it never sits above a variable in the object's chain.
  if (Object && !Object->FindInterface<IkelObject>() && TkelClassRegistry::FindClass(Object->ClassName()))
    TkelClassRegistry::GetInfo(Object);
  TObject* previous = FInstanceInfo->GetOwner();
  ReleaseInstance();
  try {
    Attach(Object);
  } catch (...) {
    Attach(previous);
    throw;
  }
}

void TkelVariableClassInfo::Attach(TObject* Object) {
  if (!Object) return;
  try {
    FInstanceInfo->SetOwner(Object);
  } catch (...) {
    FInstanceInfo->SetOwner(nullptr);  // hooks that were installed are undone
    throw;
  }
  Holders().push_back(this);
}

void TkelVariableClassInfo::ReleaseInstance() {
  TObject* held = FInstanceInfo ? FInstanceInfo->GetOwner() : nullptr;
  if (!held) return;
  std::vector<TkelVariableClassInfo*>& holders = Holders();
  const auto self = std::find(holders.begin(), holders.end(), this);
  // Hooks are taken out from the top of the chain: first those of the
  // variables that hooked the object after this one, hooked again after.
  std::vector<TkelVariableClassInfo*> later;
  if (self != holders.end())
    std::copy_if(self + 1, holders.end(), std::back_inserter(later),
                 [held](const TkelVariableClassInfo* v) { return v->FInstanceInfo->GetOwner() == held; });
  for (auto it = later.rbegin(); it != later.rend(); ++it) (*it)->FInstanceInfo->SetOwner(nullptr);
  FInstanceInfo->SetOwner(nullptr);
  if (self != holders.end()) holders.erase(self);
  for (TkelVariableClassInfo* v : later) v->FInstanceInfo->SetOwner(held);
}

// --------------------------------------------------------------- TkelVariable

TkelVariable::TkelVariable(TComponent* AOwner) : TComponent(AOwner), FClassTypeName("TObject") {
  try {
    FVariableInfo.reset(host::New<TkelVariableClassInfo>(FClassTypeName, this));
    FVariableInfo->InitMetaData();
  } catch (...) {
    // The component is not made: it must not stay in its owner's list.
    if (TComponent* owner = GetOwner()) owner->RemoveComponent(this);
    throw;
  }
}

void TkelVariable::SetClassTypeName(const std::string& Value) {
  if (!TkelClassRegistry::FindClass(Value)) throw host::Exception(SkelUnknownClass);
  if (Value == FClassTypeName) return;
  FVariableInfo->Update(Value);
  FClassTypeName = Value;
  FVariableInfo->InitMetaData();
}

host::HRESULT TkelVariable::QueryInterface(const host::TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? host::S_OK : host::E_NOINTERFACE;
}

void TkelVariable::Notification(TComponent* AComponent, host::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == host::opRemove && FVariableInfo)
    FVariableInfo->InstanceRemoved(AComponent);  // last: may free this variable
}

void TkelVariable::Destroy() {
  if (FVariableInfo) FVariableInfo->ReleaseInstance();
  inherited::Destroy();
}

// ---------------------------------------------------------- start-up

namespace kelvar {

void Initialize() {
  host::RegisterHostClasses();
  TkelClassRegistry::RegisterClass(TkelVariable::StaticMetaClass.Name, &TkelVariableClassInfo::StaticMetaClass);
  host::RegisterProperties(
      &TkelVariable::StaticMetaClass,
      {host::Prop<&TkelVariable::GetClassTypeName, &TkelVariable::SetClassTypeName>("ClassTypeName")});
  host::RegisterClass(&TkelVariable::StaticMetaClass);
}

void Finalize() {
  host::UnRegisterClass(&TkelVariable::StaticMetaClass);
  host::UnregisterProperties(&TkelVariable::StaticMetaClass);
  host::UnregisterHostClasses();
}

}  // namespace kelvar

}  // namespace kel
