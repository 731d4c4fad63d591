// Feature records, the class descriptor base, the registry with its
// per-object cache, and the start-up and shutdown of the reflection core.
#include "core/kelcommon.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "core/kelcommon_p.h"
#include "host/classes/classes_types.h"
#include "host/classes/component.h"
#include "host/rtl/sysutils.h"

namespace kel {

HOST_IMPL(TkelFeature, host::TObject)
HOST_IMPL(TkelParameterInfo, TkelFeature)
HOST_IMPL(TkelPropertyInfo, TkelFeature)
HOST_IMPL(TkelMethodInfo, TkelFeature)
HOST_IMPL(TkelConstructorInfo, TkelFeature)
HOST_IMPL(TkelEventInfo, TkelFeature)
HOST_IMPL(TkelListener, host::TObject)
HOST_IMPL(TkelClassInfo, host::TObject)

// -------------------------------------------------------------- record store

// Every feature record, so that the library's shutdown can release them. The
// vector itself is never destroyed: records made outside an Initialize /
// Finalize pair stay reachable until the program ends.
struct TkelRecordStore {
  static constexpr std::size_t kNoSlot = SIZE_MAX;

  static std::vector<TkelFeature*>& Items() {
    static auto* const items = new std::vector<TkelFeature*>;
    return *items;
  }
  static void Add(TkelFeature* record) {
    record->storeSlot_ = Items().size();
    Items().push_back(record);
  }
  // Takes a record out (it is being freed), moving the last one into its slot.
  static void Remove(TkelFeature* record) {
    std::vector<TkelFeature*>& items = Items();
    const std::size_t slot = record->storeSlot_;
    if (slot == kNoSlot) return;
    items[slot] = items.back();
    items[slot]->storeSlot_ = slot;
    items.pop_back();
    record->storeSlot_ = kNoSlot;
  }
  static void ReleaseAll() {
    std::vector<TkelFeature*> items;
    items.swap(Items());
    for (TkelFeature* record : items) {
      record->storeSlot_ = kNoSlot;
      record->Free();
    }
  }
};

// ------------------------------------------------------------ feature records

TkelFeature::TkelFeature(TkelClassInfo* descriptor, std::string name)
    : Descriptor(descriptor), Name(std::move(name)), storeSlot_(TkelRecordStore::kNoSlot) {
  TkelRecordStore::Add(this);
}

void TkelFeature::Destroy() {
  TkelRecordStore::Remove(this);
  inherited::Destroy();
}

TkelParameterInfo::TkelParameterInfo(TkelClassInfo* descriptor, std::string name)
    : TkelFeature(descriptor, std::move(name)) {}

TkelParameterInfo* TkelArgumentList::Find(std::string_view name) const {
  for (TkelParameterInfo* arg : Args)
    if (arg->Name == name) return arg;
  return nullptr;
}

TkelPropertyInfo::TkelPropertyInfo(TkelClassInfo* descriptor, std::string name, TkelPropertyStyle style,
                                   TkelPropertyVisibility visibility, TkelArguments indexes)
    : TkelFeature(descriptor, std::move(name)), Style(style), Visibility(visibility), Indexes(std::move(indexes)) {}

TkelMethodInfo::TkelMethodInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args,
                               TkelMethodStyle style)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)), Style(style) {}

TkelConstructorInfo::TkelConstructorInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)) {}

TkelEventInfo::TkelEventInfo(TkelClassInfo* descriptor, std::string name, TkelArguments args,
                             TkelPropertyVisibility visibility)
    : TkelFeature(descriptor, std::move(name)), TkelArgumentList(std::move(args)), Visibility(visibility) {}

// ------------------------------------------------------------ descriptor base

namespace detail {

// The registry's side of a descriptor's life (defined with the registry).
struct TkelCacheAccess {
  static void Add(TkelClassInfo* info);
  static void Forget(TkelClassInfo* info);
  static void OwnerChanged(host::TObject* previous, host::TObject* now);
  static TkelClassInfo* Find(const host::TObject* object);
  static void DropOwner(const host::TObject* object);
  static void ReleaseAll();
};

// One running FireEvent of a descriptor. Frames form a stack through the
// descriptor, so that freeing the descriptor from inside a handler can tell
// every running notification to stop, and so that the outermost one closes
// up the slots of listeners removed while it ran.
struct TkelFireFrame {
  TkelClassInfo* Info;
  TkelFireFrame* Outer;
  bool Destroyed = false;

  explicit TkelFireFrame(TkelClassInfo* info) : Info(info), Outer(info->fireFrames_) { info->fireFrames_ = this; }
  ~TkelFireFrame() {
    if (Destroyed) return;
    Info->fireFrames_ = Outer;
    if (!Outer) std::erase(Info->listeners_, nullptr);
  }
  TkelFireFrame(const TkelFireFrame&) = delete;
  TkelFireFrame& operator=(const TkelFireFrame&) = delete;
};

}  // namespace detail

namespace {

template <class T>
T* FindByName(const std::vector<T*>& list, std::string_view name) {
  for (T* record : list)
    if (record->Name == name) return record;
  return nullptr;
}

template <class T>
T* ItemAt(const std::vector<T*>& list, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= list.size())
    throw host::EListError(host::SListIndexError, {index});
  return list[static_cast<std::size_t>(index)];
}

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

// Appends the records of a parsed text to `list`: Define entries (and method
// and constructor entries) make new records, Override entries change the
// first record of that name already in the list. Raises the text's error, if
// any, after its complete entries.
template <class TRecord, class TMake, class TOverride>
void AppendEntries(const TkelParsedDescription& parsed, std::vector<TRecord*>& list, const char* kind, TMake make,
                   TOverride applyOverride) {
  for (const TkelDescriptionEntry& entry : parsed.Entries) {
    if (!entry.Override) {
      list.push_back(make(entry));
      continue;
    }
    TRecord* target = FindByName(list, entry.Name);
    if (!target) throw host::Exception(std::string(kind) + " " + entry.Name + " to override not found!");
    applyOverride(*target, entry);
  }
  parsed.RaiseError();
}

}  // namespace

host::Variant TkelClassInfo::GetProperty(TkelPropertyInfo* property) { RaiseNotFound("Property", property); }

void TkelClassInfo::SetProperty(TkelPropertyInfo* property, const host::Variant&) {
  RaiseNotFound("Property", property);
}

void TkelClassInfo::InvokeMethod(TkelMethodInfo* method) { RaiseNotFound("Method", method); }

void TkelClassInfo::InvokeConstructor(TkelConstructorInfo* constructor) {
  RaiseNotFound("Constructor", constructor);
}

void TkelClassInfo::InitMetaData() {
  properties_.clear();
  methods_.clear();
  constructors_.clear();
  events_.clear();
  DefineKELProperties(properties_);
  DefineKELMethods(methods_);
  DefineKELConstructors(constructors_);
  DefineKELEvents(events_);
}

void TkelClassInfo::SetOwner(host::TObject* object) {
  if (owner_) UnConnectEventHandlers();
  host::TObject* previous = owner_;
  owner_ = object;
  if (cached_) detail::TkelCacheAccess::OwnerChanged(previous, object);
  if (owner_) ConnectEventHandlers();
}

TkelPropertyInfo* TkelClassInfo::FindProperty(std::string_view name) const { return FindByName(properties_, name); }
TkelMethodInfo* TkelClassInfo::FindMethod(std::string_view name) const { return FindByName(methods_, name); }
TkelConstructorInfo* TkelClassInfo::FindConstructor(std::string_view name) const {
  return FindByName(constructors_, name);
}
TkelEventInfo* TkelClassInfo::FindEvent(std::string_view name) const { return FindByName(events_, name); }

TkelPropertyInfo* TkelClassInfo::GetProperties(int i) const { return ItemAt(properties_, i); }
TkelMethodInfo* TkelClassInfo::GetMethods(int i) const { return ItemAt(methods_, i); }
TkelConstructorInfo* TkelClassInfo::GetConstructors(int i) const { return ItemAt(constructors_, i); }
TkelEventInfo* TkelClassInfo::GetEvents(int i) const { return ItemAt(events_, i); }

void TkelClassInfo::AddListener(TkelListener* listener) {
  if (listener) listeners_.push_back(listener);
}

void TkelClassInfo::RemoveListener(TkelListener* listener) {
  if (!listener) return;
  auto it = std::find(listeners_.begin(), listeners_.end(), listener);
  if (it == listeners_.end()) return;
  // While a notification runs, positions must stay put: leave a gap that the
  // outermost notification closes up when it ends.
  if (fireFrames_)
    *it = nullptr;
  else
    listeners_.erase(it);
}

void TkelClassInfo::FireEvent(TkelEventInfo* event) {
  if (!event) throw host::Exception("Cannot fire an event without an event record!");
  detail::TkelFireFrame frame(this);
  const std::size_t count = listeners_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const TkelListener* listener = listeners_[i];
    if (!listener || listener->EventName != event->Name || !listener->OnEvent) continue;
    // A copy: the handler may free its own listener.
    const TNotifyKELEvent handler = listener->OnEvent;
    handler(owner_, event);
    if (frame.Destroyed) return;
  }
}

void TkelClassInfo::ReadKELProperties(std::string_view text) {
  AppendEntries(
      ParseKELDescription(TkelDescriptionKind::Properties, text), properties_, "Property",
      [this](const TkelDescriptionEntry& e) {
        return new TkelPropertyInfo(this, e.Name, e.Style, e.Visibility, MakeParams(this, e.Params));
      },
      [](TkelPropertyInfo& target, const TkelDescriptionEntry& e) {
        if (!e.Style.Empty()) target.Style = e.Style;
        target.Visibility = e.Visibility;
      });
}

void TkelClassInfo::ReadKELMethods(std::string_view text) {
  AppendEntries(
      ParseKELDescription(TkelDescriptionKind::Methods, text), methods_, "Method",
      [this](const TkelDescriptionEntry& e) {
        return new TkelMethodInfo(this, e.Name, MakeParams(this, e.Params), e.MethodStyle);
      },
      [](TkelMethodInfo&, const TkelDescriptionEntry&) {});
}

void TkelClassInfo::ReadKELConstructors(std::string_view text) {
  AppendEntries(
      ParseKELDescription(TkelDescriptionKind::Constructors, text), constructors_, "Constructor",
      [this](const TkelDescriptionEntry& e) { return new TkelConstructorInfo(this, e.Name, MakeParams(this, e.Params)); },
      [](TkelConstructorInfo&, const TkelDescriptionEntry&) {});
}

void TkelClassInfo::ReadKELEvents(std::string_view text) {
  AppendEntries(
      ParseKELDescription(TkelDescriptionKind::Events, text), events_, "Event",
      [this](const TkelDescriptionEntry& e) {
        return new TkelEventInfo(this, e.Name, MakeParams(this, e.Params), e.Visibility);
      },
      [](TkelEventInfo& target, const TkelDescriptionEntry& e) { target.Visibility = e.Visibility; });
}

void TkelClassInfo::Destroy() {
  for (detail::TkelFireFrame* frame = fireFrames_; frame; frame = frame->Outer) frame->Destroyed = true;
  fireFrames_ = nullptr;
  if (cached_) detail::TkelCacheAccess::Forget(this);
  properties_ = {};
  methods_ = {};
  constructors_ = {};
  events_ = {};
  listeners_ = {};
  inherited::Destroy();
}

// ------------------------------------------------------------------ registry

namespace {

struct TkelClassInfoRec {
  std::string ClassName;
  host::TClass InfoClass;
};

}  // namespace

// The cache's watcher of destroyed components: a plain component with no
// owner whose only behaviour is its Notification.
class TkelNotifier : public host::TComponent {
  HOST_CLASS(TkelNotifier, host::TComponent)
  explicit TkelNotifier(host::TComponent* AOwner = nullptr) : host::TComponent(AOwner) {}
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;

 protected:
  ~TkelNotifier() override = default;
};
HOST_IMPL(TkelNotifier, host::TComponent)

namespace {

// The library-wide state, created by the first Initialize.
struct TkelRegistryState {
  std::unique_ptr<std::vector<TkelClassInfoRec>> Registrations;
  std::unique_ptr<std::vector<TkelClassInfo*>> Cache;  // owns the descriptors
  TkelNotifier* Notifier = nullptr;
  // How many cached descriptors each object owns: lets the free hook and
  // GetInfo skip the cache scan for objects without a descriptor.
  std::unordered_map<const host::TObject*, int> OwnerCounts;
};

int g_initCount = 0;
TkelRegistryState* g_state = nullptr;

TkelRegistryState& State() {
  if (!g_state)
    throw host::Exception("The class descriptor registry is not initialised (call kel::kelcommon::Initialize first)!");
  return *g_state;
}

void CountOwner(const host::TObject* owner, int delta) {
  if (!owner) return;
  auto& counts = g_state->OwnerCounts;
  if ((counts[owner] += delta) <= 0) counts.erase(owner);
}

void WatchComponent(host::TObject* object) {
  if (auto* component = dynamic_cast<host::TComponent*>(object))
    g_state->Notifier->FreeNotification(component);
}

}  // namespace

namespace detail {

void TkelCacheAccess::Add(TkelClassInfo* info) {
  g_state->Cache->push_back(info);
  info->cached_ = true;
  CountOwner(info->owner_, +1);
  WatchComponent(info->owner_);
}

// A cached descriptor is being freed by someone else: forget it.
void TkelCacheAccess::Forget(TkelClassInfo* info) {
  info->cached_ = false;
  if (!g_state) return;
  std::erase(*g_state->Cache, info);
  CountOwner(info->owner_, -1);
}

void TkelCacheAccess::OwnerChanged(host::TObject* previous, host::TObject* now) {
  if (!g_state) return;
  CountOwner(previous, -1);
  CountOwner(now, +1);
  WatchComponent(now);
}

// The first cached descriptor owned by `object`, in cache order.
TkelClassInfo* TkelCacheAccess::Find(const host::TObject* object) {
  if (!g_state->OwnerCounts.contains(object)) return nullptr;
  for (TkelClassInfo* info : *g_state->Cache)
    if (info->owner_ == object) return info;
  return nullptr;
}

// Takes every descriptor owned by `object` out of the cache, then frees
// them (without unhooking: the owner is going away).
void TkelCacheAccess::DropOwner(const host::TObject* object) {
  std::vector<TkelClassInfo*> dropped;
  std::erase_if(*g_state->Cache, [&](TkelClassInfo* info) {
    if (info->owner_ != object) return false;
    dropped.push_back(info);
    return true;
  });
  for (TkelClassInfo* info : dropped) {
    info->cached_ = false;
    CountOwner(object, -1);
  }
  for (TkelClassInfo* info : dropped) info->Free();
}

// Library shutdown: gives every owner its own handlers back and frees the
// descriptors.
void TkelCacheAccess::ReleaseAll() {
  std::vector<TkelClassInfo*> cached;
  cached.swap(*g_state->Cache);
  g_state->OwnerCounts.clear();
  for (TkelClassInfo* info : cached) {
    info->cached_ = false;
    info->SetOwner(nullptr);
    info->Free();
  }
}

}  // namespace detail

void TkelNotifier::Notification(host::TComponent* AComponent, host::TOperation Operation) {
  if (Operation == host::opRemove && g_state) detail::TkelCacheAccess::DropOwner(AComponent);
  inherited::Notification(AComponent, Operation);
}

namespace {

// The free hook: drops the descriptors of an object that is not a component
// (components are watched by the notifier), so that a later object at the
// same address never receives them.
void ForgetFreedObject(host::TObject* object) {
  if (!g_state || !g_state->OwnerCounts.contains(object)) return;
  if (dynamic_cast<host::TComponent*>(object)) return;
  detail::TkelCacheAccess::DropOwner(object);
}

}  // namespace

void TkelClassRegistry::RegisterClass(std::string_view className, host::TClass infoClass) {
  TkelRegistryState& state = State();
  if (className.empty()) throw host::Exception("Cannot register a class descriptor without a class name!");
  if (!infoClass || !infoClass->InheritsFrom(&TkelClassInfo::StaticMetaClass)) {
    const std::string given = infoClass ? infoClass->ClassName() : std::string("nil");
    throw host::Exception("Cannot register " + given + " for " + std::string(className) +
                          ": it is not a class descriptor!");
  }
  if (FindClass(className)) return;
  state.Registrations->push_back({std::string(className), infoClass});
}

host::TClass TkelClassRegistry::FindClass(std::string_view className) {
  for (const TkelClassInfoRec& rec : *State().Registrations)
    if (host::AnsiCompareText(rec.ClassName, className) == 0) return rec.InfoClass;
  return nullptr;
}

void TkelClassRegistry::Iterate(const TkelIterateProc& proc) {
  const std::vector<TkelClassInfoRec>& registrations = *State().Registrations;
  if (!proc) return;
  // By position and with a copy of the name: proc may register classes.
  for (std::size_t i = 0; i < registrations.size(); ++i) {
    const std::string name = registrations[i].ClassName;
    proc(name);
  }
}

TkelClassInfo* TkelClassRegistry::GetInfo(host::TObject* object) {
  if (!object) throw host::Exception("Class descriptor for nil not found!");
  if (IkelObject* own = object->FindInterface<IkelObject>()) return own->GetKELClassInfo();
  State();
  if (TkelClassInfo* cached = detail::TkelCacheAccess::Find(object)) return cached;
  const std::string className = object->ClassName();
  const host::TClass infoClass = FindClass(className);
  if (!infoClass) throw host::Exception("Class descriptor for " + className + " not found!");
  TkelClassInfo* info = host::As<TkelClassInfo>(infoClass->Create(nullptr));
  try {
    info->InitMetaData();
    info->SetOwner(object);
  } catch (...) {
    info->Free();
    throw;
  }
  detail::TkelCacheAccess::Add(info);
  return info;
}

// ------------------------------------------------------- start-up, shutdown

void kelcommon::Initialize() {
  if (g_initCount++ > 0) return;
  auto state = std::make_unique<TkelRegistryState>();
  state->Registrations = std::make_unique<std::vector<TkelClassInfoRec>>();
  state->Cache = std::make_unique<std::vector<TkelClassInfo*>>();
  state->Notifier = new TkelNotifier(nullptr);
  g_state = state.release();
  host::SetFreeHook(&ForgetFreedObject);
}

void kelcommon::Finalize() {
  if (g_initCount == 0 || --g_initCount > 0) return;
  host::SetFreeHook(nullptr);
  detail::TkelCacheAccess::ReleaseAll();
  g_state->Registrations.reset();
  host::FreeAndNil(g_state->Notifier);
  delete g_state;
  g_state = nullptr;
  TkelRecordStore::ReleaseAll();
  ClearKELDescriptionCache();
}

}  // namespace kel
