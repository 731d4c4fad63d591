// The descriptor registry with its per-object cache, the shared class data,
// and the start-up and shutdown of the reflection core.
#include <memory>
#include <unordered_map>
#include <utility>

#include "core/kelcommon.h"
#include "core/kelcommon_p.h"
#include "host/classes/component.h"
#include "host/rtl/pointermap.h"
#include "host/rtl/sysutils.h"

namespace kel {

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
//
// The cache keeps its descriptors in a list in cache order (the order of
// their creation) and, per owner, the first of them in a hash map; the later
// descriptors of the same owner hang off that one in cache order. So finding
// the descriptor of an object, dropping those of a destroyed one and
// forgetting one that is freed all take constant time.
struct TkelRegistryState {
  std::vector<TkelClassInfoRec> Registrations;
  host::TFoldedNameIndex RegistrationIndex;  // so "tstringlist" finds TStringList
  TkelClassInfo* First = nullptr;            // the cache, in cache order
  TkelClassInfo* Last = nullptr;
  host::TPointerMap<TkelClassInfo*> ByOwner;                    // each owner's first descriptor
  std::unordered_map<host::TClass, TkelClassData*> SharedData;  // one reference each
  TkelNotifier* Notifier = nullptr;

  std::string_view NameAt(int i) const { return Registrations[static_cast<std::size_t>(i)].ClassName; }
};

int g_initCount = 0;
TkelRegistryState* g_state = nullptr;

TkelRegistryState& State() {
  if (!g_state)
    throw host::Exception("The class descriptor registry is not initialised (call kel::kelcommon::Initialize first)!");
  return *g_state;
}

}  // namespace

// ------------------------------------------------------------ the cache

namespace detail {

// The descriptors of one owner, linked in cache order.
struct TkelOwnerChain {
  static TkelClassInfo* Head(const host::TObject* owner) {
    TkelClassInfo* const* head = g_state->ByOwner.Find(owner);
    return head ? *head : nullptr;
  }
  static void Link(TkelClassInfo* info) {
    if (!info->FOwner) return;
    TkelClassInfo*& head = g_state->ByOwner.At(info->FOwner);
    TkelClassInfo** at = &head;
    while (*at && (*at)->FSerial < info->FSerial) at = &(*at)->FSameOwnerNext;
    info->FSameOwnerNext = *at;
    *at = info;
  }
  static void Unlink(TkelClassInfo* info, const host::TObject* owner) {
    if (!owner || !g_state->ByOwner.Contains(owner)) return;
    TkelClassInfo** at = &g_state->ByOwner.At(owner);
    while (*at && *at != info) at = &(*at)->FSameOwnerNext;
    if (*at) *at = info->FSameOwnerNext;
    info->FSameOwnerNext = nullptr;
    if (!Head(owner)) g_state->ByOwner.Erase(owner);
  }
};

struct TkelCacheList {
  static void Append(TkelClassInfo* info) {
    info->FCachePrev = g_state->Last;
    info->FCacheNext = nullptr;
    (g_state->Last ? g_state->Last->FCacheNext : g_state->First) = info;
    g_state->Last = info;
    info->FCached = true;
    TkelOwnerChain::Link(info);
  }
  // Takes the descriptor out of the cache order (not out of its owner's chain).
  static void Remove(TkelClassInfo* info) {
    (info->FCachePrev ? info->FCachePrev->FCacheNext : g_state->First) = info->FCacheNext;
    (info->FCacheNext ? info->FCacheNext->FCachePrev : g_state->Last) = info->FCachePrev;
    info->FCachePrev = info->FCacheNext = nullptr;
    info->FCached = false;
  }

  // Takes every descriptor owned by `object` out of the cache, then frees
  // them (without unhooking: the owner is going away).
  static void DropOwner(const host::TObject* object) {
    TkelClassInfo* chain = TkelOwnerChain::Head(object);
    if (!chain) return;
    g_state->ByOwner.Erase(object);
    for (TkelClassInfo* info = chain; info; info = info->FSameOwnerNext) Remove(info);
    while (chain) {
      TkelClassInfo* info = chain;
      chain = std::exchange(info->FSameOwnerNext, nullptr);
      info->Free();
    }
  }

  // Library shutdown: gives every owner its own handlers back and frees the
  // descriptors, in cache order.
  static void ReleaseAll() {
    g_state->ByOwner.Clear();
    while (TkelClassInfo* info = g_state->First) {
      Remove(info);
      info->FSameOwnerNext = nullptr;
      info->SetOwner(nullptr);
      info->Free();
    }
  }
};

void TkelCacheAccess::Forget(TkelClassInfo* info) {
  if (!g_state) {
    info->FCached = false;
    return;
  }
  TkelOwnerChain::Unlink(info, info->FOwner);
  TkelCacheList::Remove(info);
}

void TkelCacheAccess::OwnerChanged(TkelClassInfo* info, host::TObject* previous) {
  if (!g_state) return;
  TkelOwnerChain::Unlink(info, previous);
  TkelOwnerChain::Link(info);
  if (auto* component = dynamic_cast<host::TComponent*>(info->FOwner)) g_state->Notifier->FreeNotification(component);
}

}  // namespace detail

void TkelNotifier::Notification(host::TComponent* AComponent, host::TOperation Operation) {
  if (Operation == host::opRemove && g_state) detail::TkelCacheList::DropOwner(AComponent);
  inherited::Notification(AComponent, Operation);
}

namespace {

// The free observer: drops the descriptors of an object that is not a component
// (components are watched by the notifier), so that a later object at the
// same address never receives them.
void ForgetFreedObject(host::TObject* object) {
  if (!g_state || !g_state->ByOwner.Contains(object)) return;
  if (dynamic_cast<host::TComponent*>(object)) return;
  detail::TkelCacheList::DropOwner(object);
}

}  // namespace

// ------------------------------------------------------------ shared class data

TkelClassData* kelSharedClassData(host::TClass infoClass) {
  if (!g_state) return nullptr;
  auto it = g_state->SharedData.find(infoClass);
  return it == g_state->SharedData.end() ? nullptr : it->second;
}

void kelShareClassData(host::TClass infoClass, TkelClassData* data) {
  if (!g_state) return;
  auto [it, added] = g_state->SharedData.emplace(infoClass, data);
  if (added) data->AddRef();
}

// ------------------------------------------------------------ the registry

void TkelClassRegistry::RegisterClass(std::string_view className, host::TClass infoClass) {
  TkelRegistryState& state = State();
  if (className.empty()) throw host::Exception("Cannot register a class descriptor without a class name!");
  if (!infoClass || !infoClass->InheritsFrom(&TkelClassInfo::StaticMetaClass)) {
    const std::string given = infoClass ? infoClass->ClassName() : std::string("nil");
    throw host::Exception("Cannot register " + given + " for " + std::string(className) +
                          ": it is not a class descriptor!");
  }
  if (FindClass(className)) return;
  state.Registrations.push_back({std::string(className), infoClass});
  const int position = static_cast<int>(state.Registrations.size()) - 1;
  state.RegistrationIndex.Add(position, className, [&state](int i) { return state.NameAt(i); });
}

host::TClass TkelClassRegistry::FindClass(std::string_view className) {
  const TkelRegistryState& state = State();
  const int i = state.RegistrationIndex.Find(className, [&state](int i) { return state.NameAt(i); });
  return i < 0 ? nullptr : state.Registrations[static_cast<std::size_t>(i)].InfoClass;
}

void TkelClassRegistry::Iterate(const TkelIterateProc& proc) {
  const std::vector<TkelClassInfoRec>& registrations = State().Registrations;
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
  if (TkelClassInfo* cached = detail::TkelOwnerChain::Head(object)) return cached;
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
  detail::TkelCacheList::Append(info);
  if (auto* component = dynamic_cast<host::TComponent*>(object)) g_state->Notifier->FreeNotification(component);
  return info;
}

// ------------------------------------------------------- start-up, shutdown

void kelcommon::Initialize() {
  if (g_initCount++ > 0) return;
  auto state = std::make_unique<TkelRegistryState>();
  state->Notifier = new TkelNotifier(nullptr);
  g_state = state.release();
  host::AddFreeObserver(&ForgetFreedObject);
}

void kelcommon::Finalize() {
  if (g_initCount == 0 || --g_initCount > 0) return;
  host::RemoveFreeObserver(&ForgetFreedObject);
  detail::TkelCacheList::ReleaseAll();
  host::FreeAndNil(g_state->Notifier);
  for (auto& [infoClass, data] : g_state->SharedData) data->Release();
  delete g_state;
  g_state = nullptr;
  ClearKELDescriptionCache();
}

}  // namespace kel
