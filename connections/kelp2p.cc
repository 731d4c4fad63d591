// The property-to-property connection.
#include "connections/kelp2p.h"

#include "host/classes/filer.h"

namespace kel {

HOST_IMPL(TkelP2PConnection, TkelConnection)

using host::TComponent;
using host::Variant;

namespace {

constexpr char SCopyFailed[] = "Exception \"%s\" occured in connection %s";

// The messages of one side's setters.
struct TSideTexts {
  TkelFeatureTexts Property;
  TkelFeatureTexts PropertyIndex;
  TkelFeatureTexts Event;
};
constexpr TSideTexts kTexts[2] = {
    {{"SourceProperty", "Unknown Source component", "Unknown source property"},
     {"SourcePropertyIndex", "Unknown Source component", "Unknown SourceProperty"},
     kelSourceEventTexts},
    {kelTargetPropertyTexts,
     kelTargetPropertyIndexTexts,
     {"TargetEvent", "Unknown Target component", "Unknown target event"}},
};

}  // namespace

TkelP2PConnection::TkelP2PConnection(TComponent* AOwner) : TkelConnection(AOwner) {
  for (TSide& side : FSides) {
    side.PropertyIndex = kelNewIndexArray(1);
    side.Listener = host::New<TkelListener>();
  }
  FSides[kSource].Listener->OnEvent = TNotifyKELEvent(this, &TkelP2PConnection::SourcePropertyChange);
  FSides[kTarget].Listener->OnEvent = TNotifyKELEvent(this, &TkelP2PConnection::TargetPropertyChange);
}

void TkelP2PConnection::Destroy() {
  DetachListeners();
  // Removal notifications may still arrive during the base teardown: they
  // find no listeners.
  for (TSide& side : FSides) host::FreeAndNil(side.Listener);
  inherited::Destroy();
}

// ------------------------------------------------------------ the setters

TkelPropertyInfo* TkelP2PConnection::PropertyInfo(TSideIndex Side) {
  return FSides[Side].PropertyInfo.Get(Link(Side).GetInfo(), FSides[Side].Property);
}

TkelEventInfo* TkelP2PConnection::EventInfo(TSideIndex Side) {
  return FSides[Side].EventInfo.Get(Link(Side).GetInfo(), FSides[Side].Event);
}

void TkelP2PConnection::SetSideProperty(TSideIndex Side, const std::string& Value) {
  TSide& side = FSides[Side];
  kelAssignName(side.Property, Value, [&] {
    if (!IsLoading()) side.PropertyIndex = kelPropertyIndexArray(side.Property, Link(Side), kTexts[Side].Property);
  });
}

void TkelP2PConnection::SetSideIndex(TSideIndex Side, const Variant& Value) {
  if (!IsLoading()) kelCheckIndexArray(Value, Link(Side), FSides[Side].Property, kTexts[Side].PropertyIndex);
  FSides[Side].PropertyIndex = Value;
}

void TkelP2PConnection::SetSideEvent(TSideIndex Side, const std::string& Value) {
  TSide& side = FSides[Side];
  kelAssignName(side.Event, Value, [&] {
    if (!IsLoading()) kelCheckEventName(side.Event, Link(Side), kTexts[Side].Event);
  });
}

void TkelP2PConnection::DefineProperties(host::TFiler* Filer) {
  inherited::DefineProperties(Filer);
  kelDefineIndexArray(Filer, "SourcePropertyIndexes", FSides[kSource].PropertyIndex);
  kelDefineIndexArray(Filer, "TargetPropertyIndexes", FSides[kTarget].PropertyIndex);
}

// ------------------------------------------------------------ connecting

void TkelP2PConnection::Listen(TSideIndex Side) {
  if (EventInfo(Side)) ListenTo(FSides[Side].Listener, FSides[Side].Event, Link(Side));
}

bool TkelP2PConnection::Connect() {
  if (!GetSourceInfo() || !GetTargetInfo() || !GetSourcePropertyInfo() || !GetTargetPropertyInfo()) return false;
  return Connected([this] {
    if (!FSides[kSource].Listener) return;
    FUpdating = false;
    Listen(kSource);
    Listen(kTarget);
    Copy(kSource, kTarget, "Connect");
  });
}

void TkelP2PConnection::Unconnect() {
  DetachListeners();
  for (TSide& side : FSides) {
    side.PropertyInfo.Clear();
    side.EventInfo.Clear();
  }
  for (TSideIndex side : {kSource, kTarget}) {
    if (Link(side).GetInfo()) continue;
    SetSideProperty(side, std::string());
    SetSideEvent(side, std::string());
  }
}

std::vector<std::string> TkelP2PConnection::Diagnose() {
  std::vector<std::string> problems = inherited::Diagnose();
  for (TSideIndex side : {kSource, kTarget}) {
    if (!Link(side).GetInfo()) continue;
    TComponent* component = Link(side).Component;
    DiagnoseName(problems, kTexts[side].Property.Property, FSides[side].Property, PropertyInfo(side) != nullptr,
                 "a property", component);
    DiagnoseIndexes(problems, kTexts[side].PropertyIndex.Property, FSides[side].PropertyIndex, PropertyInfo(side));
    // The target is written on every copy, the source when the target's
    // event copies back.
    if (side == kTarget || EventInfo(kTarget))
      DiagnoseWritable(problems, kTexts[side].Property.Property, PropertyInfo(side), component);
    // The events are optional: only a name that does not resolve is wrong.
    if (!FSides[side].Event.empty())
      DiagnoseName(problems, kTexts[side].Event.Property, FSides[side].Event, EventInfo(side) != nullptr, "an event",
                   component);
  }
  DiagnoseKinds(problems);
  return problems;
}

namespace {
// The kind of value a published host property holds, for comparing the two
// ends of a link; empty when the host publishes no such property.
std::string ValueKind(TComponent* Component, const std::string& Property) {
  const host::TPropInfo* info = Component ? host::GetPropInfo(Component->ClassType(), Property) : nullptr;
  if (!info) return {};
  switch (info->Kind()) {
    case host::tkInteger:
    case host::tkInt64:
    case host::tkFloat:
      return "a number";
    case host::tkChar:
    case host::tkWChar:
    case host::tkString:
    case host::tkLString:
    case host::tkWString:
      return "text";
    case host::tkEnumeration:
      return "a value of " + std::string(info->PropType->Name);
    case host::tkSet:
      return "a set of " + std::string(info->PropType->Name);
    case host::tkClass:
      return "an object";
    default:
      return {};  // Variants and the rest take anything
  }
}
}  // namespace

void TkelP2PConnection::DiagnoseKinds(std::vector<std::string>& Problems) {
  const std::string source = ValueKind(Link(kSource).Component, FSides[kSource].Property);
  const std::string target = ValueKind(Link(kTarget).Component, FSides[kTarget].Property);
  if (source.empty() || target.empty() || source == target) return;
  Problems.push_back("SourceProperty '" + FSides[kSource].Property + "' holds " + source + ", but TargetProperty '" +
                     FSides[kTarget].Property + "' holds " + target);
}

// ------------------------------------------------------------ copying

void TkelP2PConnection::SourcePropertyChange(host::TObject* Sender, TkelEventInfo* /*EventInfo*/) {
  Changed(kSource, Sender);
}

void TkelP2PConnection::TargetPropertyChange(host::TObject* Sender, TkelEventInfo* /*EventInfo*/) {
  Changed(kTarget, Sender);
}

void TkelP2PConnection::Changed(TSideIndex Side, host::TObject* Sender) {
  if (IsDesigning()) return;
  TkelClassInfo* info = Link(Side).GetInfo();
  if (!info || Sender != info->GetOwner()) return;
  const TRelay relay(*this, Sender, FSides[Side].Event);
  if (Side == kSource)
    SetTargetValue();
  else
    SetSourceValue();
}

void TkelP2PConnection::Copy(TSideIndex From, TSideIndex To, const std::string& Event) {
  if (FUpdating) return;
  FUpdating = true;
  TLiveFrame frame(LiveFrames());
  try {
    Transfer(From, To, Event);
  } catch (const EkelRelayLoop&) {
    // Passed on as it is: wrapped once per connection of the loop, its
    // message would grow without telling more.
    if (!frame.Destroyed) FUpdating = false;
    throw;
  } catch (const host::Exception& e) {
    if (frame.Destroyed) throw;
    FUpdating = false;
    throw host::Exception(host::Format(SCopyFailed, {e.Message(), GetName()}));
  } catch (...) {
    if (!frame.Destroyed) FUpdating = false;
    throw;
  }
  if (!frame.Destroyed) FUpdating = false;
}

void TkelP2PConnection::Transfer(TSideIndex From, TSideIndex To, const std::string& Event) {
  // Both index arrays go to their records in either direction.
  for (TSideIndex side : {kSource, kTarget}) kelCopyIndexArray(FSides[side].PropertyIndex, PropertyInfo(side));
  TkelPropertyInfo* read = PropertyInfo(From);
  TkelPropertyInfo* write = PropertyInfo(To);
  if (!read || !write) {
    const std::vector<std::string> problems = Diagnose();
    throw host::Exception(problems.empty() ? std::string("the properties do not resolve") : problems.front());
  }
  const Variant value = Link(From).GetInfo()->GetProperty(read);
  if (kelTracing()) kelTrace({this, Link(From).Component, Event, Link(To).Component, FSides[To].Property, {value}});
  Link(To).GetInfo()->SetProperty(write, value);
}

// ---------------------------------------------------------- start-up

namespace kelp2p {

void Initialize() {
  using C = TkelP2PConnection;
  host::RegisterProperties(
      &C::StaticMetaClass,
      {
          host::Prop<&C::GetSourceProperty, &C::SetSourceProperty>("SourceProperty"),
          host::Prop<&C::GetSourcePropertyIndex, &C::SetSourcePropertyIndex>("SourcePropertyIndex").Stored(false),
          host::Prop<&C::GetSourceEvent, &C::SetSourceEvent>("SourceEvent"),
          host::Prop<&C::GetTargetProperty, &C::SetTargetProperty>("TargetProperty"),
          host::Prop<&C::GetTargetPropertyIndex, &C::SetTargetPropertyIndex>("TargetPropertyIndex").Stored(false),
          host::Prop<&C::GetTargetEvent, &C::SetTargetEvent>("TargetEvent"),
      });
  host::RegisterClass(&C::StaticMetaClass);
}

void Finalize() {
  host::UnRegisterClass(&TkelP2PConnection::StaticMetaClass);
  host::UnregisterProperties(&TkelP2PConnection::StaticMetaClass);
}

}  // namespace kelp2p

}  // namespace kel
