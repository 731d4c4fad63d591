// The connection base and the connection list.
#include "connections/kelconlist.h"

#include <algorithm>
#include <utility>

#include "host/classes/filer.h"
#include "host/classes/hostclasses.h"
#include "host/classes/lists.h"

namespace kel {

HOST_IMPL(TkelConnection, host::TComponent)
HOST_IMPL(TkelConnectionList, host::TComponent)

using host::TComponent;
using host::Variant;

// ------------------------------------------------------ shared helpers

TkelClassInfo* TkelComponentLink::Refresh() {
  if (!Component) return nullptr;
  if (Info && Info->GetOwner() != Component) Info = nullptr;
  if (!Info && !Component->GetComponentState().Contains(host::csDestroying))
    Info = TkelClassRegistry::GetInfo(Component);
  return Info;
}

void kelCheckComponent(TComponent* Value) {
  if (Value && !TkelClassRegistry::FindClass(Value->ClassName())) throw host::Exception(SkelNotCorvaneComponent);
}

Variant kelNewIndexArray(int Count) { return host::VarArrayCreate({0, Count - 1}); }

std::string kelIndexArrayProblem(const Variant& Value, int IndexCount) {
  if (!Value.IsArray()) return "Value is not array";
  if (host::VarArrayDimCount(Value) != 1) return "Invalid dimension count";
  if (host::VarArrayHighBound(Value, 1) != IndexCount - 1) return "Invalid dimension size";
  return {};
}

void kelWriteIndexArray(host::TWriter* Writer, const Variant& Value) {
  Writer->WriteListBegin();
  for (int32_t i = host::VarArrayLowBound(Value, 1); i <= host::VarArrayHighBound(Value, 1); ++i)
    Writer->WriteString(host::VarToStr(host::VarArrayGet(Value, {i})));
  Writer->WriteListEnd();
}

Variant kelReadIndexArray(host::TReader* Reader) {
  std::vector<std::string> values;
  Reader->ReadListBegin();
  while (!Reader->EndOfList()) values.push_back(Reader->ReadString());
  Reader->ReadListEnd();
  Variant result = kelNewIndexArray(static_cast<int>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i)
    host::VarArrayPut(result, Variant(values[i]), {static_cast<int32_t>(i)});
  return result;
}

void kelDefineIndexArray(host::TFiler* Filer, const char* Name, Variant& Indexes) {
  Filer->DefineProperty(
      Name, [&Indexes](host::TReader* Reader) { Indexes = kelReadIndexArray(Reader); },
      [&Indexes](host::TWriter* Writer) { kelWriteIndexArray(Writer, Indexes); }, Indexes.IsArray());
}

void kelCopyIndexArray(const Variant& Indexes, TkelPropertyInfo* Property) {
  if (!Indexes.IsArray() || !Property || host::VarArrayDimCount(Indexes) != 1) return;
  const int32_t low = host::VarArrayLowBound(Indexes, 1);
  const int32_t high = host::VarArrayHighBound(Indexes, 1);
  for (int32_t i = low; i <= high && i - low < Property->GetIndexCount(); ++i)
    Property->GetIndexes(i - low)->Value = host::VarArrayGet(Indexes, {i});
}

void kelRaiseInvalid(const char* Property, const std::string& Problem) {
  throw EkelInvalidFeature(std::string("Invalid ") + Property + " value. " + Problem);
}

namespace {
// The descriptor of Link's component; raises Texts.NoComponent without one.
TkelClassInfo& InfoOf(TkelComponentLink& Link, const TkelFeatureTexts& Texts) {
  TkelClassInfo* info = Link.GetInfo();
  if (!info) kelRaiseInvalid(Texts.Property, Texts.NoComponent);
  return *info;
}

TkelPropertyInfo& PropertyOf(TkelComponentLink& Link, const std::string& Name, const TkelFeatureTexts& Texts) {
  TkelPropertyInfo* property = InfoOf(Link, Texts).FindProperty(Name);
  if (!property) kelRaiseInvalid(Texts.Property, Texts.NoFeature);
  return *property;
}
}  // namespace

Variant kelPropertyIndexArray(const std::string& Name, TkelComponentLink& Link, const TkelFeatureTexts& Texts) {
  return kelNewIndexArray(Name.empty() ? 1 : PropertyOf(Link, Name, Texts).GetIndexCount());
}

void kelCheckEventName(const std::string& Name, TkelComponentLink& Link, const TkelFeatureTexts& Texts) {
  if (!Name.empty() && !InfoOf(Link, Texts).FindEvent(Name)) kelRaiseInvalid(Texts.Property, Texts.NoFeature);
}

void kelCheckEventParameter(const std::string& Name, TkelComponentLink& Source, const std::string& Event,
                            const char* Property) {
  if (Name.empty()) return;
  const TkelFeatureTexts texts{Property, "Unknown source component", "Unknown SourceEvent"};
  TkelEventInfo* event = InfoOf(Source, texts).FindEvent(Event);
  if (!event) kelRaiseInvalid(Property, texts.NoFeature);
  if (!event->Find(Name)) kelRaiseInvalid(Property, "Unknown event parameter name");
}

void kelCheckIndexArray(const Variant& Value, TkelComponentLink& Link, const std::string& PropertyName,
                        const TkelFeatureTexts& Texts) {
  const std::string problem = kelIndexArrayProblem(Value, PropertyOf(Link, PropertyName, Texts).GetIndexCount());
  if (!problem.empty()) kelRaiseInvalid(Texts.Property, problem);
}

// ------------------------------------------------------ TkelConnection

TkelConnection::TkelConnection(TComponent* AOwner) : TComponent(AOwner) {}

TkelConnection::TRelay::TRelay(TkelConnection& Connection, host::TObject* Source, const std::string& Event) {
  if (FDepth >= kelMaxRelayDepth) {
    auto* component = dynamic_cast<TComponent*>(Source);
    const std::string source = component ? host::ComponentDisplayName(component) : host::ComponentDisplayName(nullptr);
    throw EkelRelayLoop(
        "Connection %s: relaying %s.%s nests connections more than %d deep; do connections trigger "
        "each other without end?",
        {host::ComponentDisplayName(&Connection), source, Event, kelMaxRelayDepth});
  }
  ++FDepth;
}

std::vector<std::string> TkelConnection::Diagnose() {
  std::vector<std::string> problems;
  DiagnoseLink(problems, "Source", FSource);
  DiagnoseLink(problems, "Target", FTarget);
  return problems;
}

bool TkelConnection::DiagnoseLink(std::vector<std::string>& Problems, const char* Role, TkelComponentLink& Link) {
  if (!Link.Component) {
    Problems.push_back(std::string(Role) + " is not set");
    return false;
  }
  if (Link.GetInfo()) return true;
  Problems.push_back(std::string(Role) + " " + host::ComponentDisplayName(Link.Component) + " (" +
                     Link.Component->ClassName() + ") has no descriptor");
  return false;
}

void TkelConnection::DiagnoseWritable(std::vector<std::string>& Problems, const char* What, TkelPropertyInfo* Property,
                                      TComponent* Owner) {
  if (Property && !Property->Style.Contains(psWritable))
    Problems.push_back(std::string(What) + " '" + Property->Name + "' of " + host::ComponentDisplayName(Owner) +
                       " is read-only");
}

namespace {
// How many index values Indexes gives (0 for no array); a single empty one
// counts as none.
int IndexValueCount(const Variant& Indexes) {
  if (!Indexes.IsArray() || host::VarArrayDimCount(Indexes) != 1) return 0;
  const int32_t low = host::VarArrayLowBound(Indexes, 1);
  const int count = host::VarArrayHighBound(Indexes, 1) - low + 1;
  if (count == 1 && host::VarToStr(host::VarArrayGet(Indexes, {low})).empty()) return 0;
  return count;
}
}  // namespace

void TkelConnection::DiagnoseIndexes(std::vector<std::string>& Problems, const char* What, const Variant& Indexes,
                                     TkelPropertyInfo* Property) {
  if (!Property) return;
  const int given = IndexValueCount(Indexes), wanted = Property->GetIndexCount();
  if (given == wanted || (wanted > 0 && Indexes.IsArray() &&
                          host::VarArrayHighBound(Indexes, 1) - host::VarArrayLowBound(Indexes, 1) + 1 == wanted))
    return;
  Problems.push_back(std::string(What) + " gives " + std::to_string(given) + " index value" + (given == 1 ? "" : "s") +
                     ", but '" + Property->Name + "' takes " + std::to_string(wanted));
}

void TkelConnection::DiagnoseName(std::vector<std::string>& Problems, const char* What, const std::string& Name,
                                  bool Found, const char* Kind, TComponent* Owner) {
  if (Name.empty())
    Problems.push_back(std::string(What) + " is not set");
  else if (!Found)
    Problems.push_back(std::string(What) + " '" + Name + "' is not " + Kind + " of " +
                       host::ComponentDisplayName(Owner));
}

void TkelConnection::Destroy() {
  for (TLiveFrame* f = FLiveFrames; f; f = f->Outer) f->Destroyed = true;
  FLiveFrames = nullptr;
  DetachListeners();
  if (FConnectionList) FConnectionList->RemoveConnection(this);
  inherited::Destroy();
}

void TkelConnection::Watch(TComponent* Value) {
  if (Value) FreeNotification(Value);
}

void TkelConnection::SetLink(TkelComponentLink& Link, TComponent* Value) {
  kelCheckComponent(Value);
  if (Link.Component) {
    // No listener may stay on a component that is no longer referenced, even
    // when the new one is of the same class.
    DetachListeners(Link.Component);
    Link.Clear();
    Unconnect();
  }
  Link.Component = Value;
  Watch(Value);
}

void TkelConnection::SetSource(TComponent* Value) { SetLink(FSource, Value); }
void TkelConnection::SetTarget(TComponent* Value) { SetLink(FTarget, Value); }

int TkelConnection::GetIndex() const {
  return FConnectionList ? FConnectionList->GetConnections()->IndexOf(const_cast<TkelConnection*>(this)) : -1;
}

void TkelConnection::SetIndex(int Value) {
  if (!FConnectionList) return;
  host::TList* list = FConnectionList->GetConnections();
  const int current = GetIndex();
  const int wanted = std::clamp(Value, 0, list->GetCount() - 1);
  if (wanted == current) return;
  list->Delete(current);
  list->Insert(wanted, this);
}

void TkelConnection::SetConnectionList(TkelConnectionList* List) {
  if (List == FConnectionList) return;
  if (FConnectionList) FConnectionList->RemoveConnection(this);
  if (List) List->AddConnection(this);
}

bool TkelConnection::HasParent() { return FConnectionList ? true : inherited::HasParent(); }

TComponent* TkelConnection::GetParentComponent() {
  return FConnectionList ? FConnectionList : inherited::GetParentComponent();
}

void TkelConnection::SetParentComponent(TComponent* AParent) {
  if (IsLoading()) return;
  if (auto* list = dynamic_cast<TkelConnectionList*>(AParent)) SetConnectionList(list);
}

void TkelConnection::ReadState(host::TReader* Reader) {
  inherited::ReadState(Reader);
  if (auto* list = dynamic_cast<TkelConnectionList*>(Reader->GetParent())) SetConnectionList(list);
}

void TkelConnection::Notification(TComponent* AComponent, host::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != host::opRemove) return;
  // A component being destroyed takes its descriptor with it (perhaps
  // already gone): forget those listeners without touching it. A component
  // merely taken from its owner keeps its descriptor: detach from it.
  if (AComponent->GetComponentState().Contains(host::csDestroying))
    ForgetListeners(AComponent);
  else
    DetachListeners(AComponent);
  if (AComponent == FSource.Component) FSource.Info = nullptr;
  if (AComponent == FTarget.Component) FTarget.Info = nullptr;
  if (AComponent == FSource.Component) {
    FSource.Clear();
    ReferenceLost();
  }
  if (AComponent == FTarget.Component) {
    FTarget.Clear();
    ReferenceLost();
  }
}

void TkelConnection::ReferenceLost() {
  if (IsLeaving())
    DetachListeners();
  else
    Unconnect();
}

void TkelConnection::AttachListener(TkelListener* Listener, TkelClassInfo* Info, TComponent* Component) {
  Info->AddListener(Listener);
  FAttachments.push_back({Listener, Info, Component});
}

void TkelConnection::ListenTo(TkelListener* Listener, const std::string& Event, TkelComponentLink& Link) {
  Listener->EventName = Event;
  AttachListener(Listener, Link.GetInfo(), Link.Component);
}

void TkelConnection::DetachListeners() {
  std::vector<TAttachment> attached;
  attached.swap(FAttachments);
  for (const TAttachment& a : attached) a.Info->RemoveListener(a.Listener);
}

void TkelConnection::DetachListeners(TComponent* Component) {
  std::vector<TAttachment> kept;
  for (const TAttachment& a : FAttachments) {
    if (a.Component == Component)
      a.Info->RemoveListener(a.Listener);
    else
      kept.push_back(a);
  }
  FAttachments.swap(kept);
}

void TkelConnection::ForgetListeners(TComponent* Component) {
  std::erase_if(FAttachments, [Component](const TAttachment& a) { return a.Component == Component; });
}

// -------------------------------------------------- TkelConnectionList

TkelConnectionList::TkelConnectionList(TComponent* AOwner)
    : TComponent(AOwner), FConnections(host::New<host::TList>()) {}

void TkelConnectionList::Destroy() {
  // Each connection's teardown takes it out of the list.
  while (FConnections->GetCount() > 0) static_cast<TkelConnection*>(FConnections->Last())->Free();
  host::FreeAndNil(FConnections);
  inherited::Destroy();
}

TkelConnection* TkelConnectionList::GetConnection(int Index) const {
  return static_cast<TkelConnection*>(FConnections->Get(Index));
}

void TkelConnectionList::SetConnection(int Index, TkelConnection* Value) { GetConnection(Index)->Assign(Value); }

int TkelConnectionList::GetConnectionCount() const { return FConnections ? FConnections->GetCount() : 0; }

void TkelConnectionList::AddConnection(TkelConnection* Connection) {
  if (!Connection) return;
  // A connection is in at most one list.
  if (Connection->FConnectionList && Connection->FConnectionList != this)
    Connection->FConnectionList->RemoveConnection(Connection);
  // A connection is in the list exactly when it names the list.
  if (Connection->FConnectionList != this) FConnections->Add(Connection);
  Connection->FConnectionList = this;
  FreeNotification(Connection);
}

void TkelConnectionList::RemoveConnection(TkelConnection* Connection) {
  // A connection that names another list (or none) is not here: the removal
  // notice that follows a connection's own departure costs nothing.
  if (!FConnections || !Connection || Connection->FConnectionList != this) return;
  // Searched from the end: a list frees its connections last first.
  for (int i = FConnections->GetCount() - 1; i >= 0; --i) {
    if (FConnections->Get(i) != Connection) continue;
    FConnections->Delete(i);
    Connection->FConnectionList = nullptr;
    return;
  }
}

void TkelConnectionList::Notification(TComponent* AComponent, host::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == host::opRemove)
    if (auto* connection = dynamic_cast<TkelConnection*>(AComponent)) RemoveConnection(connection);
}

void TkelConnectionList::GetChildren(host::TGetChildProc Proc, TComponent* Root) {
  for (int i = 0; i < GetConnectionCount(); ++i)
    if (TkelConnection* c = GetConnection(i); c->GetOwner() == Root) Proc(c);
}

void TkelConnectionList::SetChildOrder(TComponent* Child, int Order) {
  if (auto* connection = dynamic_cast<TkelConnection*>(Child); connection && FConnections->IndexOf(connection) >= 0)
    connection->SetIndex(Order);
}

void TkelConnectionList::Loaded() {
  inherited::Loaded();
  if (GetComponentState().Contains(host::csDesigning)) return;
  // By position: a connection may change the list while it connects.
  for (int i = 0; i < GetConnectionCount(); ++i) GetConnection(i)->Connect();
}

// ---------------------------------------------------------- start-up

namespace kelconlist {

void Initialize() {
  host::RegisterHostClasses();
  host::RegisterProperties(&TkelConnection::StaticMetaClass,
                           {
                               host::Prop<&TkelConnection::GetSource, &TkelConnection::SetSource>("Source"),
                               host::Prop<&TkelConnection::GetTarget, &TkelConnection::SetTarget>("Target"),
                           });
  host::RegisterClass(&TkelConnectionList::StaticMetaClass);
}

void Finalize() {
  host::UnRegisterClass(&TkelConnectionList::StaticMetaClass);
  host::UnRegisterClass(&TkelConnection::StaticMetaClass);
  host::UnregisterProperties(&TkelConnection::StaticMetaClass);
  host::UnregisterHostClasses();
}

}  // namespace kelconlist

}  // namespace kel
