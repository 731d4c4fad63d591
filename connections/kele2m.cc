// The event-to-method connection and its parameter bindings.
#include "connections/kele2m.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "host/classes/filer.h"

namespace kel {

HOST_IMPL(TkelParameterConnection, host::TCollectionItem)
HOST_IMPL(TkelParameterConnections, host::TCollection)
HOST_IMPL(TkelE2MConnection, TkelConnection)

using host::TComponent;
using host::Variant;

namespace {

constexpr char SInternalError[] = "Internal error in TkelE2MConnection.OnSourceEvent";

// "Connection E2M1: parameter binding 'Index' has no component property".
[[noreturn]] void RaiseBinding(TComponent* Connection, TkelParameterConnection& Binding, const std::string& Problem) {
  throw host::Exception("Connection " + host::ComponentDisplayName(Connection) + ": parameter binding '" +
                        Binding.GetDisplayName() + "' " + Problem);
}

constexpr TkelFeatureTexts kComponentPropertyTexts{"ComponentProperty", "Unknown Component component",
                                                   "Unknown source property"};
constexpr TkelFeatureTexts kComponentPropertyIndexTexts{"ComponentPropertyIndex", "Unknown Component component",
                                                        "Unknown ComponentProperty"};

}  // namespace

// ------------------------------------------------- TkelParameterConnection

TkelParameterConnection::TkelParameterConnection(host::TCollection* Collection) : TCollectionItem(Collection) {}

TkelE2MConnection* TkelParameterConnection::GetConnection() const {
  auto* owner = dynamic_cast<TkelParameterConnections*>(GetCollection());
  return owner ? owner->GetOwnerConnection() : nullptr;
}

bool TkelParameterConnection::Validating() const {
  TkelE2MConnection* connection = GetConnection();
  return connection && !connection->GetComponentState().Contains(host::csLoading);
}

// The new component is stored (and watched) before the connection's
// Unconnect runs: Unconnect may rebuild the bindings and free this one.
void TkelParameterConnection::SetComponent(TComponent* Value) {
  kelCheckComponent(Value);
  TkelE2MConnection* connection = GetConnection();
  const bool reset = FComponent.Component && connection;
  if (reset) FComponentProperty.clear();
  FComponent.Clear();
  FComponent.Component = Value;
  if (Value && connection) connection->FreeNotification(Value);
  if (reset) connection->Unconnect();
}

TkelPropertyInfo* TkelParameterConnection::GetComponentPropertyInfo() {
  return FComponentPropertyRecord.Get(GetComponentInfo(), FComponentProperty);
}

void TkelParameterConnection::SetParameterName(const std::string& Value) {
  FParameterName = Value;
  FParameterMethod.Reset();
  FParameterRecord = nullptr;
}

void TkelParameterConnection::SetConstant(const std::string& Value) {
  FConstantValue = Variant(Value);
  FConstant = Value;
}

void TkelParameterConnection::SetComponentProperty(const std::string& Value) {
  kelAssignName(FComponentProperty, Value, [this] {
    if (Validating())
      FComponentPropertyIndex = kelPropertyIndexArray(FComponentProperty, FComponent, kComponentPropertyTexts);
  });
}

void TkelParameterConnection::SetComponentPropertyIndex(const Variant& Value) {
  if (Validating()) kelCheckIndexArray(Value, FComponent, FComponentProperty, kComponentPropertyIndexTexts);
  FComponentPropertyIndex = Value;
}

void TkelParameterConnection::SetEventParameter(const std::string& Value) {
  kelAssignName(FEventParameter, Value, [this] {
    if (!Validating()) return;
    TkelE2MConnection* connection = GetConnection();
    kelCheckEventParameter(FEventParameter, connection->SourceLink(), connection->GetSourceEvent(), "EventParameter");
  });
}

TkelParameterInfo* TkelParameterConnection::GetParameterInfo() const {
  TkelE2MConnection* connection = GetConnection();
  TkelMethodInfo* method = connection ? connection->GetTargetMethodInfo() : nullptr;
  return method ? method->Find(FParameterName) : nullptr;
}

TkelParameterInfo* TkelParameterConnection::GetEventParameterInfo() const {
  TkelE2MConnection* connection = GetConnection();
  TkelEventInfo* event = connection ? connection->GetSourceEventInfo() : nullptr;
  return event ? event->Find(FEventParameter) : nullptr;
}

std::string TkelParameterConnection::GetDisplayName() {
  return FParameterName.empty() ? inherited::GetDisplayName() : FParameterName;
}

void TkelParameterConnection::DefineProperties(host::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  kelDefineIndexArray(Filer, "ComponentPropertyIndexes", FComponentPropertyIndex);
}

// ------------------------------------------------ TkelParameterConnections

TkelParameterConnections::TkelParameterConnections(TkelE2MConnection* Owner)
    : TCollection(&TkelParameterConnection::StaticMetaClass), FOwnerConnection(Owner) {}

TkelParameterConnection* TkelParameterConnections::Add() {
  return static_cast<TkelParameterConnection*>(TCollection::Add());
}

TkelParameterConnection* TkelParameterConnections::GetItem(int Index) const {
  return static_cast<TkelParameterConnection*>(TCollection::GetItem(Index));
}

void TkelParameterConnections::SetItem(int Index, TkelParameterConnection* Value) {
  TCollection::SetItem(Index, Value);
}

host::TPersistent* TkelParameterConnections::GetOwner() { return FOwnerConnection; }

void TkelParameterConnections::Init(TkelMethodInfo* Method) {
  BeginUpdate();
  try {
    Clear();
    MethodName = Method ? Method->Name : std::string();
    for (int i = 0; Method && i < Method->GetArgCount(); ++i) Add()->SetParameterName(Method->GetArgs(i)->Name);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// ------------------------------------------------------- TkelE2MConnection

TkelE2MConnection::TkelE2MConnection(TComponent* AOwner)
    : TkelConnection(AOwner),
      FTargetMethodParameters(host::New<TkelParameterConnections>(this)),
      FListener(host::New<TkelListener>()) {
  FTargetMethodParameters->SetPropName("TargetMethodParameters");
  FListener->OnEvent = TNotifyKELEvent(this, &TkelE2MConnection::OnSourceEvent);
}

void TkelE2MConnection::Destroy() {
  DetachListeners();
  // Removal notifications may still arrive during the base teardown: they
  // find no bindings and no listener.
  host::FreeAndNil(FTargetMethodParameters);
  host::FreeAndNil(FListener);
  inherited::Destroy();
}

// The setters of SourceEvent and TargetMethod clear these caches.
TkelEventInfo* TkelE2MConnection::GetSourceEventInfo() {
  return FSourceEventRecord.GetUnchangedName(GetSourceInfo(), FSourceEvent);
}

TkelMethodInfo* TkelE2MConnection::GetTargetMethodInfo() {
  return FTargetMethodRecord.GetUnchangedName(GetTargetInfo(), FTargetMethod);
}

void TkelE2MConnection::SetSourceEvent(const std::string& Value) {
  FSourceEvent = Value;
  FSourceEventRecord.Clear();
  for (int i = 0; FTargetMethodParameters && i < FTargetMethodParameters->GetCount(); ++i)
    FTargetMethodParameters->GetItem(i)->SetEventParameter(std::string());
}

void TkelE2MConnection::SetTargetMethod(const std::string& Value) {
  FTargetMethod = Value;
  FTargetMethodRecord.Clear();
  if (FTargetMethodParameters && Value != FTargetMethodParameters->MethodName)
    FTargetMethodParameters->Init(GetTargetMethodInfo());
}

bool TkelE2MConnection::Connect() {
  if (!GetSourceInfo() || !GetTargetInfo() || !GetSourceEventInfo() || !GetTargetMethodInfo()) return false;
  return Connected([this] {
    if (FListener) ListenTo(FListener, FSourceEvent, SourceLink());
  });
}

void TkelE2MConnection::Unconnect() {
  DetachListeners();
  if (!GetSourceInfo()) SetSourceEvent(std::string());
  if (!GetTargetInfo()) SetTargetMethod(std::string());
}

void TkelE2MConnection::Notification(TComponent* AComponent, host::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != host::opRemove) return;
  // By position: the base handling may have rebuilt the bindings.
  for (int i = 0; FTargetMethodParameters && i < FTargetMethodParameters->GetCount(); ++i) {
    TkelParameterConnection* binding = FTargetMethodParameters->GetItem(i);
    if (binding->GetComponent() != AComponent) continue;
    binding->FComponent.Clear();
    if (!IsLeaving()) binding->SetComponentProperty(std::string());
  }
}

void TkelE2MConnection::Loaded() {
  inherited::Loaded();
  // The bindings just read belong to the TargetMethod read with them.
  if (FTargetMethodParameters->GetCount() > 0 && FTargetMethodParameters->MethodName.empty())
    FTargetMethodParameters->MethodName = FTargetMethod;
}

// ------------------------------------------------------------ the relay

namespace {

std::string ParameterProblem(TkelParameterConnection& Binding, const std::string& Method) {
  return Binding.GetParameterInfo() ? std::string() : "is not a parameter of method " + Method;
}

std::string ComponentPropertyProblem(TkelParameterConnection& Binding) {
  TkelClassInfo* info = Binding.GetComponentInfo();
  if (!info) return "has no component";
  const std::string& name = Binding.GetComponentProperty();
  if (info->FindProperty(name)) return {};
  return name.empty() ? std::string("has no component property") : "names the unknown component property " + name;
}

std::string EventParameterProblem(TkelParameterConnection& Binding) {
  if (Binding.GetEventParameterInfo()) return {};
  const std::string& name = Binding.GetEventParameter();
  return name.empty() ? std::string("has no event parameter") : "names the unknown event parameter " + name;
}

// What keeps the binding from passing its value, for its option.
std::string BindingProblem(TkelParameterConnection& Binding, const std::string& Method) {
  std::string problem = ParameterProblem(Binding, Method);
  if (!problem.empty()) return problem;
  switch (Binding.GetOptions()) {
    case voComponentProperty:
      return ComponentPropertyProblem(Binding);
    case voEventProperty:
      return EventParameterProblem(Binding);
    default:
      return {};
  }
}

TkelParameterInfo& EventParameterOf(TkelParameterConnection& Binding, TkelE2MConnection& Connection) {
  if (TkelParameterInfo* parameter = Binding.GetEventParameterInfo()) return *parameter;
  RaiseBinding(&Connection, Binding, EventParameterProblem(Binding));
}

}  // namespace

TkelParameterInfo& TkelE2MConnection::ParameterOf(TkelParameterConnection& Binding, TkelMethodInfo& Method) {
  if (Binding.FParameterMethod.Get() != &Method) {
    Binding.FParameterMethod.Reset(&Method);
    Binding.FParameterRecord = Method.Find(Binding.FParameterName);
  }
  if (!Binding.FParameterRecord) RaiseBinding(this, Binding, ParameterProblem(Binding, FTargetMethod));
  return *Binding.FParameterRecord;
}

TkelPropertyInfo& TkelE2MConnection::PropertyOf(TkelParameterConnection& Binding, TkelClassInfo*& Info) {
  std::string problem = ComponentPropertyProblem(Binding);
  if (!problem.empty()) RaiseBinding(this, Binding, problem);
  Info = Binding.GetComponentInfo();
  TkelPropertyInfo* property = Binding.GetComponentPropertyInfo();
  kelCopyIndexArray(Binding.FComponentPropertyIndex, property);
  return *property;
}

namespace {
// The event a method fires by the naming rule of the class library: a method
// named after an event (Execute and OnExecute, Click and OnClick) fires it.
bool Fires(const TkelE2MConnection& Relay, TComponent* Component, const std::string& Event) {
  return Relay.GetTarget() == Component && "On" + Relay.GetTargetMethod() == Event;
}

// The connected relays of Owner's connections that start at Component's Event.
std::vector<TkelE2MConnection*> RelaysFrom(TComponent* Owner, TComponent* Component, const std::string& Event) {
  std::vector<TkelE2MConnection*> relays;
  for (int i = 0; Owner && i < Owner->GetComponentCount(); ++i) {
    auto* relay = dynamic_cast<TkelE2MConnection*>(Owner->GetComponents(i));
    if (relay && relay->GetConnectionList() && relay->GetSource() == Component && relay->GetSourceEvent() == Event &&
        relay->GetTarget())
      relays.push_back(relay);
  }
  return relays;
}
}  // namespace

std::string TkelE2MConnection::RelayLoopProblem() {
  const std::string again = "SourceEvent '" + FSourceEvent + "'";
  const char* never = " again, so the relay would never end";
  if (Fires(*this, GetSource(), FSourceEvent))
    return "TargetMethod '" + FTargetMethod + "' fires " + again + " of the same component" + never;
  if (!GetConnectionList()) return {};
  // A breadth-first walk over the relays that the event fired by the target
  // method starts; Via keeps the relay each one was reached through.
  std::vector<TkelE2MConnection*> seen{this};
  std::vector<std::size_t> via{0};
  for (std::size_t at = 0; at < seen.size(); ++at) {
    TkelE2MConnection* relay = seen[at];
    for (TkelE2MConnection* next : RelaysFrom(GetOwner(), relay->GetTarget(), "On" + relay->GetTargetMethod())) {
      if (std::find(seen.begin(), seen.end(), next) != seen.end()) continue;
      seen.push_back(next);
      via.push_back(at);
      if (!Fires(*next, GetSource(), FSourceEvent)) continue;
      std::vector<TkelE2MConnection*> chain;
      for (std::size_t i = seen.size() - 1; i != 0; i = via[i]) chain.insert(chain.begin(), seen[i]);
      std::string text = "TargetMethod '" + FTargetMethod + "' fires " + host::ComponentDisplayName(GetTarget()) +
                         ".On" + FTargetMethod;
      for (TkelE2MConnection* c : chain)
        text += ", which " + host::ComponentDisplayName(c) + " relays to " +
                host::ComponentDisplayName(c->GetTarget()) + "." + c->GetTargetMethod();
      return text + ", which fires " + again + never;
    }
  }
  return {};
}

std::vector<std::string> TkelE2MConnection::Diagnose() {
  std::vector<std::string> problems = inherited::Diagnose();
  if (GetSourceInfo())
    DiagnoseName(problems, "SourceEvent", FSourceEvent, GetSourceEventInfo() != nullptr, "an event", GetSource());
  if (GetTargetInfo())
    DiagnoseName(problems, "TargetMethod", FTargetMethod, GetTargetMethodInfo() != nullptr, "a method", GetTarget());
  if (!GetTargetMethodInfo()) return problems;
  if (std::string loop = RelayLoopProblem(); !loop.empty()) problems.push_back(std::move(loop));
  for (int i = 0; i < FTargetMethodParameters->GetCount(); ++i) {
    TkelParameterConnection& binding = *FTargetMethodParameters->GetItem(i);
    std::string problem = BindingProblem(binding, FTargetMethod);
    if (!problem.empty()) problems.push_back("parameter binding '" + binding.GetDisplayName() + "' " + problem);
    if (problem.empty() && binding.GetOptions() == voComponentProperty)
      DiagnoseIndexes(problems,
                      ("parameter binding '" + binding.GetDisplayName() + "': ComponentPropertyIndex").c_str(),
                      binding.GetComponentPropertyIndex(), binding.GetComponentPropertyInfo());
  }
  return problems;
}

void TkelE2MConnection::PassArgument(TkelParameterConnection& Binding, TkelParameterInfo& Parameter) {
  // The index values go to the property record whatever the binding's option.
  if (Binding.FComponentPropertyIndex.IsArray())
    kelCopyIndexArray(Binding.FComponentPropertyIndex, Binding.GetComponentPropertyInfo());
  switch (Binding.FOptions) {
    case voConstant:
      Parameter.Value = Binding.FConstantValue;
      return;
    case voComponentProperty: {
      TkelClassInfo* info = nullptr;
      TkelPropertyInfo& property = PropertyOf(Binding, info);
      const Variant value = info->GetProperty(&property);
      Parameter.Value = value;
      return;
    }
    case voEventProperty:
      Parameter.Value = EventParameterOf(Binding, *this).Value;
      return;
  }
  throw host::Exception(SInternalError);
}

void TkelE2MConnection::TakeResult(TkelParameterConnection& Binding, TkelParameterInfo& Parameter) {
  switch (Binding.FOptions) {
    case voConstant:
      return;
    case voComponentProperty: {
      // The index values are copied again: a nested event may have used the
      // same property record meanwhile.
      TkelClassInfo* info = nullptr;
      TkelPropertyInfo& property = PropertyOf(Binding, info);
      info->SetProperty(&property, Parameter.Value);
      return;
    }
    case voEventProperty:
      EventParameterOf(Binding, *this).Value = Parameter.Value;
      return;
  }
  throw host::Exception(SInternalError);
}

void TkelE2MConnection::OnSourceEvent(host::TObject* Sender, TkelEventInfo* EventInfo) {
  const TRelay relay(*this, Sender, EventInfo ? EventInfo->Name : FSourceEvent);
  TkelClassInfo* target = GetTargetInfo();
  // Held for the whole relay: the call may free the target and its descriptor.
  const TkelRecordRef<TkelMethodInfo> method(GetTargetMethodInfo());
  if (!target || !method)
    throw host::Exception("Connection " + host::ComponentDisplayName(this) + ": target method '" + FTargetMethod +
                          "' is not a method of the target");
  TLiveFrame frame(LiveFrames());
  for (int i = 0; i < FTargetMethodParameters->GetCount(); ++i) {
    TkelParameterConnection& binding = *FTargetMethodParameters->GetItem(i);
    PassArgument(binding, ParameterOf(binding, *method));
    if (frame.Destroyed) return;
  }
  if (kelTracing()) Trace(*method);
  target->InvokeMethod(method.Get());
  if (frame.Destroyed) return;
  for (int i = 0; i < FTargetMethodParameters->GetCount(); ++i) {
    TkelParameterConnection& binding = *FTargetMethodParameters->GetItem(i);
    if (binding.FOptions == voConstant) continue;  // nothing flows back to a constant
    TakeResult(binding, ParameterOf(binding, *method));
    if (frame.Destroyed) return;
  }
}

void TkelE2MConnection::Trace(TkelMethodInfo& Method) {
  TkelTraceEntry entry{this, GetSource(), FSourceEvent, GetTarget(), FTargetMethod, {}};
  for (TkelParameterInfo* argument : Method.Args) entry.Values.push_back(argument->Value);
  kelTrace(entry);
}

// ---------------------------------------------------------- start-up

namespace kele2m {

void Initialize() {
  using B = TkelParameterConnection;
  using C = TkelE2MConnection;
  host::RegisterProperties(
      &B::StaticMetaClass,
      {
          host::Prop<&B::GetParameterName, &B::SetParameterName>("ParameterName"),
          host::Prop<&B::GetComponent, &B::SetComponent>("Component"),
          host::Prop<&B::GetComponentProperty, &B::SetComponentProperty>("ComponentProperty"),
          host::Prop<&B::GetComponentPropertyIndex, &B::SetComponentPropertyIndex>("ComponentPropertyIndex")
              .Stored(false),
          host::Prop<&B::GetEventParameter, &B::SetEventParameter>("EventParameter"),
          host::Prop<&B::GetConstant, &B::SetConstant>("Constant"),
          host::Prop<&B::GetOptions, &B::SetOptions>("Options"),
      });
  host::RegisterProperties(&C::StaticMetaClass,
                           {
                               host::Prop<&C::GetSourceEvent, &C::SetSourceEvent>("SourceEvent"),
                               host::Prop<&C::GetTargetMethod, &C::SetTargetMethod>("TargetMethod"),
                               host::Prop<&C::GetTargetMethodParameters>("TargetMethodParameters"),
                           });
  host::RegisterClass(&C::StaticMetaClass);
}

void Finalize() {
  host::UnRegisterClass(&TkelE2MConnection::StaticMetaClass);
  host::UnregisterProperties(&TkelE2MConnection::StaticMetaClass);
  host::UnregisterProperties(&TkelParameterConnection::StaticMetaClass);
}

}  // namespace kele2m

}  // namespace kel
