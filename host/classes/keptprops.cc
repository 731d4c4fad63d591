#include "host/classes/keptprops.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "host/rtl/sysutils.h"

namespace host {

namespace {

struct TKept {
  std::string ClassName;
  std::vector<TKeptProperty> Properties;
  std::vector<std::string> Read;   // remembered properties read
  std::vector<std::string> Order;  // every property read, in the file's order
};

struct TKeptStore {
  std::unordered_map<const TObject*, TKept> Objects;
  std::vector<std::pair<TClass, std::string>> Names;  // registered names per class
  std::vector<std::pair<TClass, std::string>> Remembered;
  TClass GenericRoot = nullptr;
  TClass ForcedRoot = nullptr;
  std::vector<std::pair<TClass, TRootFits>> RootCandidates;
};

TKeptStore& Store() {
  static TKeptStore store;
  return store;
}

void Forget(TObject* Object) {
  TKeptStore& store = Store();
  if (!store.Objects.empty()) store.Objects.erase(Object);
}

TKept& Entry(const TObject* Object) {
  static const bool observing = (AddFreeObserver(&Forget), true);
  (void)observing;
  return Store().Objects[Object];
}

const TKept* Find(const TObject* Object) {
  const auto& objects = Store().Objects;
  auto it = objects.find(Object);
  return it == objects.end() ? nullptr : &it->second;
}

bool IsEventName(std::string_view Name) {
  return Name.size() > 2 && (Name[0] == 'O' || Name[0] == 'o') && (Name[1] == 'n' || Name[1] == 'N') &&
         std::isupper(static_cast<unsigned char>(Name[2]));
}

}  // namespace

namespace {

void AddNames(std::vector<std::pair<TClass, std::string>>& List, TClass Class,
              std::initializer_list<std::string_view> Names) {
  for (std::string_view name : Names)
    if (std::none_of(List.begin(), List.end(), [&](const auto& n) { return n.first == Class && SameText(n.second, name); }))
      List.emplace_back(Class, std::string(name));
}

bool Listed(const std::vector<std::pair<TClass, std::string>>& List, const TPersistent* Instance,
            std::string_view Name) {
  return std::any_of(List.begin(), List.end(),
                     [&](const auto& n) { return SameText(n.second, Name) && Instance->InheritsFrom(n.first); });
}

}  // namespace

void RegisterKeptProperties(TClass Class, std::initializer_list<std::string_view> Names) {
  AddNames(Store().Names, Class, Names);
}

void UnregisterKeptProperties(TClass Class) {
  std::erase_if(Store().Names, [&](const auto& n) { return n.first == Class; });
}

void RegisterRememberedProperties(TClass Class, std::initializer_list<std::string_view> Names) {
  AddNames(Store().Remembered, Class, Names);
}

void UnregisterRememberedProperties(TClass Class) {
  std::erase_if(Store().Remembered, [&](const auto& n) { return n.first == Class; });
}

void NotePropertyRead(const TPersistent* Instance, std::string_view Name) {
  TKept& kept = Entry(Instance);
  if (!Store().Remembered.empty() && Listed(Store().Remembered, Instance, Name)) kept.Read.emplace_back(Name);
  if (std::none_of(kept.Order.begin(), kept.Order.end(), [&](const std::string& n) { return SameText(n, Name); }))
    kept.Order.emplace_back(Name);
}

const std::vector<std::string>* ReadOrder(const TPersistent* Instance) {
  const TKept* kept = Find(Instance);
  return kept && !kept->Order.empty() ? &kept->Order : nullptr;
}

std::optional<bool> WasPropertyRead(const TPersistent* Instance, std::string_view Name) {
  const TKept* kept = Find(Instance);
  if (!kept || kept->Read.empty()) return std::nullopt;
  return std::any_of(kept->Read.begin(), kept->Read.end(), [&](const std::string& n) { return SameText(n, Name); });
}

bool IsKeptProperty(const TPersistent* Instance, std::string_view Name, TValueType Value) {
  if (IsEventName(Name)) return Value == vaIdent || Value == vaNil;
  return Listed(Store().Names, Instance, Name);
}

void KeepProperty(const TPersistent* Instance, TKeptProperty Property) {
  Entry(Instance).Properties.push_back(std::move(Property));
}

const std::vector<TKeptProperty>* KeptProperties(const TPersistent* Instance) {
  const TKept* kept = Find(Instance);
  return kept && !kept->Properties.empty() ? &kept->Properties : nullptr;
}

std::vector<std::pair<std::string, std::string>> KeptHandlers(const TPersistent* Instance) {
  std::vector<std::pair<std::string, std::string>> handlers;
  if (const auto* kept = KeptProperties(Instance))
    for (const TKeptProperty& p : *kept)
      if (!p.Handler.empty()) handlers.emplace_back(p.Name, p.Handler);
  return handlers;
}

std::string WrittenClassName(const TComponent* Component) {
  const TKept* kept = Find(Component);
  return kept ? kept->ClassName : std::string();
}

void SetWrittenClassName(const TComponent* Component, const std::string& Name) { Entry(Component).ClassName = Name; }

void SetGenericRootClass(TClass Class) { Store().GenericRoot = Class; }

TClass GetGenericRootClass() { return Store().GenericRoot; }

void AddGenericRootCandidate(TClass Class, TRootFits Fits) { Store().RootCandidates.emplace_back(Class, Fits); }

void RemoveGenericRootCandidates() { Store().RootCandidates.clear(); }

void ForceGenericRootClass(TClass Class) { Store().ForcedRoot = Class; }

TClass GenericRootClassFor(TReader& Reader) {
  const TKeptStore& store = Store();
  if (store.ForcedRoot) return store.ForcedRoot;
  if (!store.GenericRoot || store.RootCandidates.empty()) return store.GenericRoot;
  const int64_t start = Reader.GetPosition();
  std::vector<std::string> names;
  while (!Reader.EndOfList()) {
    names.push_back(Reader.ReadStr());
    Reader.SkipValue();
  }
  Reader.SetPosition(start);
  for (const auto& [cls, fits] : store.RootCandidates)
    if (fits(names)) return cls;
  return store.GenericRoot;
}

}  // namespace host
