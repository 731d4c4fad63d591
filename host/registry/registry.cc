#include "host/registry/registry.h"

#include <algorithm>
#include <iterator>

#include "host/registry/regstore.h"

namespace host {

HOST_IMPL(TRegistry, TObject)
HOST_IMPL(TRegIniFile, TRegistry)

namespace {

struct TRootName {
  HKEY Key;
  const char* Name;
};
constexpr TRootName kRoots[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"}, {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"}, {HKEY_USERS, "HKEY_USERS"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
};

const char* RootName(HKEY key) {
  auto it = std::find_if(std::begin(kRoots), std::end(kRoots), [&](const TRootName& r) { return r.Key == key; });
  return it == std::end(kRoots) ? nullptr : it->Name;
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

[[noreturn]] void RaiseDataError(const char* what, std::string_view Name) {
  throw ERegistryException("%s '%s'", {what, Name});
}

}  // namespace

std::string RegistryFileName() { return regstore::StoreFileName(); }
void SetRegistryFileName(std::string fileName) { regstore::SetStoreFileName(std::move(fileName)); }

// ---------------------------------------------------------------- TRegistry

void TRegistry::SetRootKey(HKEY Value) {
  if (!RootName(Value)) throw ERegistryException("Unknown root key $%s", {IntToHex(Value, 8)});
  CloseKey();
  FRootKey = Value;
}

std::string TRegistry::KeyPath(std::string_view Key) const {
  if (std::any_of(Key.begin(), Key.end(), IsControl))
    throw ERegistryException("Invalid key name '%s': it holds a control character", {Key});
  std::string path = RootName(FRootKey);
  if ((Key.empty() || Key[0] != '\\') && !FCurrentPath.empty()) path += "\\" + FCurrentPath;
  // Empty components (doubled or trailing backslashes) name no key.
  for (std::size_t start = 0; start <= Key.size();) {
    std::size_t end = std::min(Key.find('\\', start), Key.size());
    if (end > start) path += "\\" + std::string(Key.substr(start, end - start));
    start = end + 1;
  }
  return path;
}

bool TRegistry::OpenKey(std::string_view Key, bool CanCreate) {
  std::string path = KeyPath(Key);
  bool isRoot = path == RootName(FRootKey), exists = isRoot;
  try {
    regstore::UpdateTree([&](regstore::TRegTree& tree) {
      exists = exists || tree.KeyExists(path);
      if (exists || !CanCreate) return false;
      tree.CreateKey(path);
      return exists = true;
    });
  } catch (const ERegistryException&) {
    return false;  // the key could not be created
  }
  if (!exists) return false;
  FKeyOpen = true;
  FCurrentPath = isRoot ? std::string() : path.substr(std::string_view(RootName(FRootKey)).size() + 1);
  return true;
}

void TRegistry::CloseKey() {
  FKeyOpen = false;
  FCurrentPath.clear();
}

bool TRegistry::KeyExists(std::string_view Key) const {
  std::string path = KeyPath(Key);
  return path == RootName(FRootKey) || regstore::LoadTree().KeyExists(path);
}

bool TRegistry::DeleteKey(std::string_view Key) {
  std::string path = KeyPath(Key);
  return path != RootName(FRootKey) && RemoveKey(path);
}

bool TRegistry::ValueExists(std::string_view Name) const { return CurrentData(Name).has_value(); }

TRegDataType TRegistry::GetDataType(std::string_view Name) const {
  std::optional<TData> data = CurrentData(Name);
  if (!data) return rdUnknown;
  return std::holds_alternative<int32_t>(*data) ? rdInteger : rdString;
}

int32_t TRegistry::ReadInteger(std::string_view Name) const {
  std::optional<TData> data = CurrentData(Name);
  if (!data) RaiseDataError("Failed to get data for", Name);
  if (!std::holds_alternative<int32_t>(*data)) RaiseDataError("Invalid data type for", Name);
  return std::get<int32_t>(*data);
}

std::string TRegistry::ReadString(std::string_view Name) const {
  std::optional<TData> data = CurrentData(Name);
  if (!data) return {};
  if (!std::holds_alternative<std::string>(*data)) RaiseDataError("Invalid data type for", Name);
  return std::get<std::string>(*data);
}

void TRegistry::WriteInteger(std::string_view Name, int32_t Value) { PutCurrentData(Name, Value); }

void TRegistry::WriteString(std::string_view Name, std::string_view Value) { PutCurrentData(Name, std::string(Value)); }

bool TRegistry::DeleteValue(std::string_view Name) { return FKeyOpen && RemoveValue(KeyPath({}), Name); }

std::optional<TRegistry::TData> TRegistry::GetData(const std::string& path, std::string_view Name) {
  regstore::TRegTree tree = regstore::LoadTree();
  const regstore::TRegKey* key = tree.FindKey(path);
  const regstore::TRegValue* value = key ? key->FindValue(Name) : nullptr;
  if (!value) return std::nullopt;
  return value->Data;
}

void TRegistry::PutData(const std::string& path, std::string_view Name, TData Data) {
  regstore::UpdateTree([&](regstore::TRegTree& tree) {
    tree.CreateKey(path).SetValue(Name, std::move(Data));
    return true;
  });
}

bool TRegistry::RemoveKey(const std::string& path) {
  bool removed = false;
  regstore::UpdateTree([&](regstore::TRegTree& tree) { return removed = tree.DeleteKey(path); });
  return removed;
}

bool TRegistry::RemoveValue(const std::string& path, std::string_view Name) {
  bool removed = false;
  regstore::UpdateTree([&](regstore::TRegTree& tree) {
    regstore::TRegKey* key = tree.FindKey(path);
    return removed = key && key->DeleteValue(Name);
  });
  return removed;
}

std::optional<TRegistry::TData> TRegistry::CurrentData(std::string_view Name) const {
  if (!FKeyOpen) return std::nullopt;
  return GetData(KeyPath({}), Name);
}

void TRegistry::PutCurrentData(std::string_view Name, TData Data) {
  if (!FKeyOpen) RaiseDataError("Failed to set data for", Name);
  PutData(KeyPath({}), Name, std::move(Data));
}

// -------------------------------------------------------------- TRegIniFile

TRegIniFile::TRegIniFile(std::string_view FileName) : FFileName(FileName) {
  // A store that cannot be written still reads: the section paths then start
  // from FileName itself (see SectionPath).
  OpenKey(FFileName, true);
}

std::string TRegIniFile::SectionPath(std::string_view Section) const {
  if (HasCurrentKey()) return KeyPath(Section);
  return KeyPath("\\" + FFileName + "\\" + std::string(Section));
}

int32_t TRegIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const {
  std::optional<TData> data = GetData(SectionPath(Section), Ident);
  if (!data) return Default;
  if (auto* s = std::get_if<std::string>(&*data)) return StrToIntDef(*s, Default);
  return std::get<int32_t>(*data);
}

void TRegIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value) {
  PutData(SectionPath(Section), Ident, Value);
}

std::string TRegIniFile::ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const {
  std::optional<TData> data = GetData(SectionPath(Section), Ident);
  if (!data) return std::string(Default);
  if (auto* i = std::get_if<int32_t>(&*data)) return IntToStr(*i);
  return std::get<std::string>(*data);
}

void TRegIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
  PutData(SectionPath(Section), Ident, std::string(Value));
}

bool TRegIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
  return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TRegIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
  WriteInteger(Section, Ident, Value ? 1 : 0);
}

void TRegIniFile::EraseSection(std::string_view Section) {
  std::string path = SectionPath(Section);
  if (!Section.empty()) {
    RemoveKey(path);
    return;
  }
  regstore::UpdateTree([&](regstore::TRegTree& tree) {
    regstore::TRegKey* key = tree.FindKey(path);
    if (!key || key->Values.empty()) return false;
    key->Values.clear();
    return true;
  });
}

void TRegIniFile::DeleteKey(std::string_view Section, std::string_view Ident) { RemoveValue(SectionPath(Section), Ident); }

}  // namespace host
