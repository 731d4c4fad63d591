// The event-to-property connection.
#include "connections/kele2p.h"

#include "host/classes/filer.h"

namespace kel {

HOST_IMPL(TkelE2PConnection, TkelConnection)

using host::TComponent;
using host::Variant;

namespace {

constexpr char SInternalError[] = "Internal error in TkelE2PConnection.OnSourceEvent";
constexpr TkelFeatureTexts kValueComponentPropertyTexts{"ValueComponentProperty", "Unknown ValueComponent component",
                                                        "Unknown source property"};
constexpr TkelFeatureTexts kValueComponentPropertyIndexTexts{
    "ValueComponentPropertyIndex", "Unknown ValueComponent component", "Unknown ValueComponentProperty"};

}  // namespace

TkelE2PConnection::TkelE2PConnection(TComponent* AOwner)
    : TkelConnection(AOwner), FListener(host::New<TkelListener>()) {
  FListener->OnEvent = TNotifyKELEvent(this, &TkelE2PConnection::OnSourceEvent);
}

void TkelE2PConnection::Destroy() {
  DetachListeners();
  // Removal notifications may still arrive during the base teardown: they
  // find no listener.
  host::FreeAndNil(FListener);
  inherited::Destroy();
}

// ------------------------------------------------------------ the setters

void TkelE2PConnection::SetSourceEvent(const std::string& Value) {
  kelAssignName(FSourceEvent, Value, [this] {
    // The parameter belonged to the previous event: it goes even when the
    // new name is rejected.
    SetValueEventParameter(std::string());
    if (!IsLoading()) kelCheckEventName(FSourceEvent, SourceLink(), kelSourceEventTexts);
  });
}

void TkelE2PConnection::SetTargetProperty(const std::string& Value) {
  kelAssignName(FTargetProperty, Value, [this] {
    if (!IsLoading())
      FTargetPropertyIndex = kelPropertyIndexArray(FTargetProperty, TargetLink(), kelTargetPropertyTexts);
  });
}

void TkelE2PConnection::SetTargetPropertyIndex(const Variant& Value) {
  if (!IsLoading()) kelCheckIndexArray(Value, TargetLink(), FTargetProperty, kelTargetPropertyIndexTexts);
  FTargetPropertyIndex = Value;
}

void TkelE2PConnection::SetValueComponent(TComponent* Value) { SetLink(FValueComponent, Value); }

void TkelE2PConnection::SetValueComponentProperty(const std::string& Value) {
  kelAssignName(FValueComponentProperty, Value, [this] {
    if (!IsLoading())
      FValueComponentPropertyIndex =
          kelPropertyIndexArray(FValueComponentProperty, FValueComponent, kValueComponentPropertyTexts);
  });
}

void TkelE2PConnection::SetValueComponentPropertyIndex(const Variant& Value) {
  if (!IsLoading())
    kelCheckIndexArray(Value, FValueComponent, FValueComponentProperty, kValueComponentPropertyIndexTexts);
  FValueComponentPropertyIndex = Value;
}

void TkelE2PConnection::SetValueEventParameter(const std::string& Value) {
  kelAssignName(FValueEventParameter, Value, [this] {
    if (!IsLoading()) kelCheckEventParameter(FValueEventParameter, SourceLink(), FSourceEvent, "ValueEventParameter");
  });
}

TkelParameterInfo* TkelE2PConnection::GetValueEventParameterInfo() {
  TkelEventInfo* event = GetSourceEventInfo();
  return event ? event->Find(FValueEventParameter) : nullptr;
}

void TkelE2PConnection::DefineProperties(host::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  kelDefineIndexArray(Filer, "TargetPropertyIndexes", FTargetPropertyIndex);
  kelDefineIndexArray(Filer, "ValueComponentPropertyIndexes", FValueComponentPropertyIndex);
}

// ------------------------------------------------- connecting, removal

bool TkelE2PConnection::Connect() {
  if (!GetSourceInfo() || !GetTargetInfo() || !GetSourceEventInfo() || !GetTargetPropertyInfo()) return false;
  if (FValueOptions == voComponentProperty && !GetValueComponentPropertyInfo()) return false;
  if (FValueOptions == voEventProperty && !GetValueEventParameterInfo()) return false;
  return Connected([this] {
    if (FListener) ListenTo(FListener, FSourceEvent, SourceLink());
  });
}

void TkelE2PConnection::ClearCaches() {
  FSourceEventInfo.Clear();
  FTargetPropertyInfo.Clear();
  FValueComponentPropertyInfo.Clear();
}

void TkelE2PConnection::Unconnect() {
  DetachListeners();
  ClearCaches();
  if (!GetSourceInfo()) {
    SetSourceEvent(std::string());
    SetValueEventParameter(std::string());
  }
  if (!GetTargetInfo()) SetTargetProperty(std::string());
  if (!GetValueComponentInfo()) SetValueComponentProperty(std::string());
}

void TkelE2PConnection::Notification(TComponent* AComponent, host::TOperation Operation) {
  const bool valueComponent = Operation == host::opRemove && AComponent == FValueComponent.Component;
  // A destroyed component may already have taken its descriptor along: the
  // base handling must not find it cached here.
  if (valueComponent) FValueComponent.Info = nullptr;
  inherited::Notification(AComponent, Operation);
  if (!valueComponent) return;
  FValueComponent.Clear();
  ReferenceLost();
}

std::vector<std::string> TkelE2PConnection::Diagnose() {
  std::vector<std::string> problems = inherited::Diagnose();
  if (GetSourceInfo())
    DiagnoseName(problems, "SourceEvent", FSourceEvent, GetSourceEventInfo() != nullptr, "an event", GetSource());
  if (GetTargetInfo()) {
    DiagnoseName(problems, "TargetProperty", FTargetProperty, GetTargetPropertyInfo() != nullptr, "a property",
                 GetTarget());
    DiagnoseWritable(problems, "TargetProperty", GetTargetPropertyInfo(), GetTarget());
    DiagnoseIndexes(problems, "TargetPropertyIndex", FTargetPropertyIndex, GetTargetPropertyInfo());
  }
  switch (FValueOptions) {
    case voConstant:
      return problems;
    case voComponentProperty:
      if (DiagnoseLink(problems, "ValueComponent", FValueComponent)) {
        DiagnoseName(problems, "ValueComponentProperty", FValueComponentProperty,
                     GetValueComponentPropertyInfo() != nullptr, "a property", GetValueComponent());
        DiagnoseIndexes(problems, "ValueComponentPropertyIndex", FValueComponentPropertyIndex,
                        GetValueComponentPropertyInfo());
      }
      return problems;
    case voEventProperty:
      if (GetSourceEventInfo())
        DiagnoseName(problems, "ValueEventParameter", FValueEventParameter, GetValueEventParameterInfo() != nullptr,
                     ("a parameter of event " + FSourceEvent).c_str(), GetSource());
      return problems;
  }
  problems.push_back("ValueOptions has the unknown value " + std::to_string(static_cast<int>(FValueOptions)));
  return problems;
}

// ------------------------------------------------------------ the relay

void TkelE2PConnection::RaiseBroken() {
  const std::vector<std::string> problems = Diagnose();
  throw host::Exception("Connection " + host::ComponentDisplayName(this) + ": " +
                        (problems.empty() ? std::string("cannot assign its target property") : problems.front()));
}

Variant TkelE2PConnection::Value() {
  switch (FValueOptions) {
    case voConstant:
      return Variant(FValueConstant);
    case voComponentProperty: {
      TkelPropertyInfo* property = GetValueComponentPropertyInfo();
      if (!property) RaiseBroken();
      return GetValueComponentInfo()->GetProperty(property);
    }
    case voEventProperty: {
      TkelParameterInfo* parameter = GetValueEventParameterInfo();
      if (!parameter) RaiseBroken();
      return parameter->Value;
    }
  }
  throw host::Exception(SInternalError);
}

void TkelE2PConnection::OnSourceEvent(host::TObject* Sender, TkelEventInfo* EventInfo) {
  const TRelay relay(*this, Sender, EventInfo ? EventInfo->Name : FSourceEvent);
  TkelClassInfo* target = GetTargetInfo();
  TkelPropertyInfo* property = FTargetPropertyInfo.Get(target, FTargetProperty);
  if (!property) RaiseBroken();
  // The value component's index values go to its record whatever the option.
  kelCopyIndexArray(FTargetPropertyIndex, property);
  kelCopyIndexArray(FValueComponentPropertyIndex, GetValueComponentPropertyInfo());
  TLiveFrame frame(LiveFrames());
  const Variant value = Value();
  if (frame.Destroyed) return;  // reading the value freed this connection
  if (kelTracing()) kelTrace({this, GetSource(), FSourceEvent, GetTarget(), FTargetProperty, {value}});
  target->SetProperty(property, value);
}

// ---------------------------------------------------------- start-up

namespace kele2p {

void Initialize() {
  using C = TkelE2PConnection;
  host::RegisterProperties(
      &C::StaticMetaClass,
      {
          host::Prop<&C::GetSourceEvent, &C::SetSourceEvent>("SourceEvent"),
          host::Prop<&C::GetTargetProperty, &C::SetTargetProperty>("TargetProperty"),
          host::Prop<&C::GetTargetPropertyIndex, &C::SetTargetPropertyIndex>("TargetPropertyIndex").Stored(false),
          host::Prop<&C::GetValueComponent, &C::SetValueComponent>("ValueComponent"),
          host::Prop<&C::GetValueComponentProperty, &C::SetValueComponentProperty>("ValueComponentProperty"),
          host::Prop<&C::GetValueComponentPropertyIndex, &C::SetValueComponentPropertyIndex>(
              "ValueComponentPropertyIndex")
              .Stored(false),
          host::Prop<&C::GetValueEventParameter, &C::SetValueEventParameter>("ValueEventParameter"),
          host::Prop<&C::GetValueConstant, &C::SetValueConstant>("ValueConstant"),
          host::Prop<&C::GetValueOptions, &C::SetValueOptions>("ValueOptions"),
      });
  host::RegisterClass(&C::StaticMetaClass);
}

void Finalize() {
  host::UnRegisterClass(&TkelE2PConnection::StaticMetaClass);
  host::UnregisterProperties(&TkelE2PConnection::StaticMetaClass);
}

}  // namespace kele2p

}  // namespace kel
