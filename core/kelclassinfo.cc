// The class descriptor base: class data, records made on demand, lookups,
// the description readers and event notification.
#include <algorithm>
#include <utility>

#include "core/kelcommon.h"
#include "core/keltrace.h"
#include "core/kelcommon_p.h"
#include "host/classes/classes_types.h"
#include "host/rtl/sysutils.h"

namespace kel {

HOST_IMPL(TkelClassInfo, host::TObject)

namespace detail {

// One running FireEvent of a descriptor. Frames form a stack through the
// descriptor, so that freeing the descriptor from inside a handler can tell
// every running notification to stop, and so that the outermost one closes
// up the slots of listeners removed while it ran.
struct TkelFireFrame {
  TkelClassInfo* Info;
  TkelFireFrame* Outer;
  bool Destroyed = false;

  explicit TkelFireFrame(TkelClassInfo* info) : Info(info), Outer(info->FFireFrames) { info->FFireFrames = this; }
  ~TkelFireFrame() {
    if (Destroyed) return;
    Info->FFireFrames = Outer;
    if (!Outer && Info->FListenerGaps) {
      std::erase(Info->FListeners, nullptr);
      Info->FListenerGaps = false;
    }
  }
  TkelFireFrame(const TkelFireFrame&) = delete;
  TkelFireFrame& operator=(const TkelFireFrame&) = delete;
};

}  // namespace detail

namespace {

uint64_t g_nextSerial = 0;
uint64_t g_nextGeneration = 0;

constexpr const char* kKindNames[] = {"Property", "Method", "Constructor", "Event"};
constexpr TkelDescriptionKind kDescriptionKinds[] = {TkelDescriptionKind::Properties, TkelDescriptionKind::Methods,
                                                     TkelDescriptionKind::Constructors, TkelDescriptionKind::Events};

// "Property Caption not found!" and its kin.
[[noreturn]] void RaiseNotFound(const char* kind, const TkelFeature* feature) {
  if (!feature) throw host::Exception(std::string(kind) + " not found: no feature record given!");
  throw host::Exception(std::string(kind) + " " + feature->Name + " not found!");
}

TkelArguments MakeParams(TkelClassInfo* descriptor, const std::vector<std::string>& names) {
  TkelArguments args;
  args.reserve(names.size());
  for (const std::string& name : names) args.push_back(new TkelParameterInfo(descriptor, name));
  return args;
}

TkelFeature* MakeRecord(TkelFeatureKind kind, const TkelFeatureTemplate& t, TkelClassInfo* descriptor) {
  switch (kind) {
    case TkelFeatureKind::Property:
      return new TkelPropertyInfo(descriptor, t.Name, t.Style, t.Visibility, MakeParams(descriptor, t.Params));
    case TkelFeatureKind::Method:
      return new TkelMethodInfo(descriptor, t.Name, MakeParams(descriptor, t.Params), t.MethodStyle);
    case TkelFeatureKind::Constructor:
      return new TkelConstructorInfo(descriptor, t.Name, MakeParams(descriptor, t.Params));
    case TkelFeatureKind::Event:
      break;
  }
  return new TkelEventInfo(descriptor, t.Name, MakeParams(descriptor, t.Params), t.Visibility);
}

TkelFeatureTemplate TemplateOf(const TkelDescriptionEntry& e) {
  return {e.Name, e.Style, e.Visibility, e.MethodStyle, e.Params, nullptr};
}

// An Override entry applied to a template or a record: properties take a
// non-empty style set and always the visibility; events the visibility.
void ApplyOverride(TkelFeatureKind kind, TkelFeatureTemplate& t, const TkelDescriptionEntry& e) {
  if (kind == TkelFeatureKind::Property && !e.Style.Empty()) t.Style = e.Style;
  t.Visibility = e.Visibility;
}
void ApplyOverride(TkelFeatureKind kind, TkelFeature& record, const TkelDescriptionEntry& e) {
  if (kind == TkelFeatureKind::Property) {
    auto& p = static_cast<TkelPropertyInfo&>(record);
    if (!e.Style.Empty()) p.Style = e.Style;
    p.Visibility = e.Visibility;
  } else if (kind == TkelFeatureKind::Event) {
    static_cast<TkelEventInfo&>(record).Visibility = e.Visibility;
  }
}

}  // namespace

// ------------------------------------------------------------ life cycle

TkelClassInfo::TkelClassInfo() : FSerial(++g_nextSerial), FGeneration(++g_nextGeneration) {}

void TkelClassInfo::Changed() { FGeneration = ++g_nextGeneration; }

TkelClassInfo::~TkelClassInfo() = default;

void TkelClassInfo::ReleaseRecords() {
  Changed();
  const std::unique_ptr<TMadeRecords> held = std::move(FRecords);
  if (!held) return;
  for (const std::vector<TkelFeature*>& records : held->Lists)
    for (TkelFeature* record : records)
      if (record) record->Release();
}

void TkelClassInfo::InitMetaData() {
  ReleaseRecords();
  if (FData) std::exchange(FData, nullptr)->Release();
  const bool shares = SharesDefinitions();
  if (shares) {
    if (TkelClassData* shared = kelSharedClassData(ClassType())) {
      shared->AddRef();
      FData = shared;
      return;
    }
  }
  FData = new TkelClassData;
  TkelPropertyList properties(*this);
  TkelMethodList methods(*this);
  TkelConstructorList constructors(*this);
  TkelEventList events(*this);
  DefineKELProperties(properties);
  DefineKELMethods(methods);
  DefineKELConstructors(constructors);
  DefineKELEvents(events);
  if (shares && !FData->HasAdopted()) kelShareClassData(ClassType(), FData);
}

void TkelClassInfo::SetOwner(host::TObject* object) {
  if (FOwner) UnConnectEventHandlers();
  host::TObject* previous = FOwner;
  FOwner = object;
  if (FCached) detail::TkelCacheAccess::OwnerChanged(this, previous);
  if (FOwner) ConnectEventHandlers();
}

void TkelClassInfo::Destroy() {
  for (detail::TkelFireFrame* frame = FFireFrames; frame; frame = frame->Outer) frame->Destroyed = true;
  FFireFrames = nullptr;
  if (FCached) detail::TkelCacheAccess::Forget(this);
  ReleaseRecords();
  if (FData) std::exchange(FData, nullptr)->Release();
  FListeners = {};
  inherited::Destroy();
}

// ------------------------------------------------------------ the lists

int TkelClassInfo::Count(TkelFeatureKind kind) const { return FData ? static_cast<int>(FData->Size(kind)) : 0; }

TkelFeature* TkelClassInfo::RecordAt(TkelFeatureKind kind, std::size_t i) const {
  if (!FRecords) FRecords = std::make_unique<TMadeRecords>();
  std::vector<TkelFeature*>& records = FRecords->Lists[static_cast<int>(kind)];
  if (records.size() <= i) records.resize(FData->Size(kind), nullptr);
  TkelFeature*& slot = records[i];
  if (!slot) {
    const TkelFeatureTemplate& t = FData->At(kind, i);
    slot = t.Adopted ? t.Adopted : MakeRecord(kind, t, const_cast<TkelClassInfo*>(this));
    slot->AddRef();
  }
  return slot;
}

TkelFeature* TkelClassInfo::MadeRecord(TkelFeatureKind kind, std::size_t i) const {
  if (!FRecords) return nullptr;
  const std::vector<TkelFeature*>& records = FRecords->Lists[static_cast<int>(kind)];
  return i < records.size() ? records[i] : nullptr;
}

TkelFeature* TkelClassInfo::ItemAt(TkelFeatureKind kind, int i) const {
  if (i < 0 || i >= Count(kind)) throw host::EListError(host::SListIndexError, {i});
  return RecordAt(kind, static_cast<std::size_t>(i));
}

int TkelClassInfo::IndexOf(TkelFeatureKind kind, std::string_view name) const {
  return FData ? FData->IndexOf(kind, name) : -1;
}

TkelFeature* TkelClassInfo::Find(TkelFeatureKind kind, std::string_view name) const {
  const int i = IndexOf(kind, name);
  return i < 0 ? nullptr : RecordAt(kind, static_cast<std::size_t>(i));
}

TkelPropertyInfo* TkelClassInfo::FindProperty(std::string_view name) const {
  return static_cast<TkelPropertyInfo*>(Find(TkelFeatureKind::Property, name));
}
TkelMethodInfo* TkelClassInfo::FindMethod(std::string_view name) const {
  return static_cast<TkelMethodInfo*>(Find(TkelFeatureKind::Method, name));
}
TkelConstructorInfo* TkelClassInfo::FindConstructor(std::string_view name) const {
  return static_cast<TkelConstructorInfo*>(Find(TkelFeatureKind::Constructor, name));
}
TkelEventInfo* TkelClassInfo::FindEvent(std::string_view name) const {
  return static_cast<TkelEventInfo*>(Find(TkelFeatureKind::Event, name));
}

TkelPropertyInfo* TkelClassInfo::GetProperties(int i) const {
  return static_cast<TkelPropertyInfo*>(ItemAt(TkelFeatureKind::Property, i));
}
TkelMethodInfo* TkelClassInfo::GetMethods(int i) const {
  return static_cast<TkelMethodInfo*>(ItemAt(TkelFeatureKind::Method, i));
}
TkelConstructorInfo* TkelClassInfo::GetConstructors(int i) const {
  return static_cast<TkelConstructorInfo*>(ItemAt(TkelFeatureKind::Constructor, i));
}
TkelEventInfo* TkelClassInfo::GetEvents(int i) const {
  return static_cast<TkelEventInfo*>(ItemAt(TkelFeatureKind::Event, i));
}

// ------------------------------------------------------------ the readers

TkelClassData& TkelClassInfo::OwnData() {
  Changed();
  if (!FData) {
    FData = new TkelClassData;
  } else if (FData->Shared()) {
    TkelClassData* own = new TkelClassData(*FData);
    std::exchange(FData, own)->Release();
  }
  return *FData;
}

// Define entries (and method and constructor entries) append templates;
// Override entries change the first feature of that name already listed, in
// its template and in its record if one was made (an adopted record is
// changed in place). The text's error, if any, is raised after its complete
// entries.
void TkelClassInfo::Append(TkelFeatureKind kind, std::string_view text) {
  const TkelParsedDescription& parsed = ParseKELDescription(kDescriptionKinds[static_cast<int>(kind)], text);
  TkelClassData& data = OwnData();
  for (const TkelDescriptionEntry& entry : parsed.Entries) {
    if (!entry.Override) {
      data.Append(kind, TemplateOf(entry));
      continue;
    }
    const int i = data.IndexOf(kind, entry.Name);
    if (i < 0)
      throw host::Exception(std::string(kKindNames[static_cast<int>(kind)]) + " " + entry.Name +
                            " to override not found!");
    TkelFeatureTemplate& t = data.Mutable(kind, static_cast<std::size_t>(i));
    ApplyOverride(kind, t, entry);
    TkelFeature* made = MadeRecord(kind, static_cast<std::size_t>(i));
    if (made) ApplyOverride(kind, *made, entry);
    if (t.Adopted && t.Adopted != made) ApplyOverride(kind, *t.Adopted, entry);
  }
  parsed.RaiseError();
}

void TkelClassInfo::ReadKELProperties(std::string_view text) { Append(TkelFeatureKind::Property, text); }
void TkelClassInfo::ReadKELMethods(std::string_view text) { Append(TkelFeatureKind::Method, text); }
void TkelClassInfo::ReadKELConstructors(std::string_view text) { Append(TkelFeatureKind::Constructor, text); }
void TkelClassInfo::ReadKELEvents(std::string_view text) { Append(TkelFeatureKind::Event, text); }

void TkelClassInfo::Adopt(TkelFeatureKind kind, TkelFeature* record) {
  if (!record) return;
  TkelFeatureTemplate t;
  t.Name = record->Name;
  record->AddRef();
  t.Adopted = record;
  OwnData().Append(kind, std::move(t));
}

void TkelClassInfo::AdoptProperty(TkelPropertyInfo* record) { Adopt(TkelFeatureKind::Property, record); }
void TkelClassInfo::AdoptMethod(TkelMethodInfo* record) { Adopt(TkelFeatureKind::Method, record); }
void TkelClassInfo::AdoptEvent(TkelEventInfo* record) { Adopt(TkelFeatureKind::Event, record); }

// ------------------------------------------------------ generic operations

host::Variant TkelClassInfo::GetProperty(TkelPropertyInfo* property) { RaiseNotFound("Property", property); }

void TkelClassInfo::SetProperty(TkelPropertyInfo* property, const host::Variant&) {
  RaiseNotFound("Property", property);
}

void TkelClassInfo::InvokeMethod(TkelMethodInfo* method) { RaiseNotFound("Method", method); }

void TkelClassInfo::InvokeConstructor(TkelConstructorInfo* constructor) { RaiseNotFound("Constructor", constructor); }

// ---------------------------------------------------------------- listeners

void TkelClassInfo::AddListener(TkelListener* listener) {
  if (listener) FListeners.push_back(listener);
}

void TkelClassInfo::RemoveListener(TkelListener* listener) {
  if (!listener) return;
  auto it = std::find(FListeners.begin(), FListeners.end(), listener);
  if (it == FListeners.end()) return;
  // While a notification runs, positions must stay put: leave a gap that the
  // outermost notification closes up when it ends.
  if (FFireFrames) {
    *it = nullptr;
    FListenerGaps = true;
  } else {
    FListeners.erase(it);
  }
}

void TkelClassInfo::TraceHook(const TkelEventInfo& event) const {
  const bool heard = std::any_of(FListeners.begin(), FListeners.end(), [&](const TkelListener* listener) {
    return listener && listener->OnEvent && kelSameName(listener->EventName, event.Name);
  });
  if (!heard) return;  // events nobody listens to would only bury the relays
  TkelTraceEntry entry;
  entry.Kind = tkHook;
  entry.Source = FOwner;
  entry.Event = event.Name;
  for (const TkelParameterInfo* argument : event.Args) {
    entry.Names.push_back(argument->Name);
    entry.Values.push_back(argument->Value);
  }
  kelTrace(entry);
}

void TkelClassInfo::FireEvent(TkelEventInfo* event) {
  if (!event) throw host::Exception("Cannot fire an event without an event record!");
  if (kelTracing()) TraceHook(*event);
  detail::TkelFireFrame frame(this);
  const std::size_t count = FListeners.size();
  for (std::size_t i = 0; i < count; ++i) {
    const TkelListener* listener = FListeners[i];
    if (!listener || !listener->OnEvent || !kelSameName(listener->EventName, event->Name)) continue;
    // A copy (a few words): the handler may free its own listener.
    const TNotifyKELEvent handler = listener->OnEvent;
    handler(FOwner, event);
    if (frame.Destroyed) return;
  }
}

}  // namespace kel
