// The registry classes an application uses to remember per-user settings:
// TRegistry (keys and typed values below a root key) and TRegIniFile (the
// same with ini-file calls: a section is a subkey, an empty section the key
// itself). The registry is a per-user ini-style file (see regstore.h for its
// place and format); key paths and value names compare without regard to
// case and keep the spelling they were first written with.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "host/rtl/object.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_EXCEPTION(ERegistryException, Exception)

// The predefined root keys, with their classic values.
using HKEY = uint32_t;
inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000u;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;
inline constexpr HKEY HKEY_USERS = 0x80000003u;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005u;

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// The settings file in use, and a way to point it elsewhere (an empty name
// goes back to $XDG_CONFIG_HOME/corvane/registry.ini, else
// $HOME/.config/corvane/registry.ini).
std::string RegistryFileName();
void SetRegistryFileName(std::string fileName);

class TRegistry : public TObject {
  HOST_CLASS(TRegistry, TObject)

  TRegistry() = default;

  HKEY GetRootKey() const { return FRootKey; }
  // Closes the current key. An unknown root raises ERegistryException.
  void SetRootKey(HKEY Value);
  // The open key's path below the root, without a leading backslash; empty
  // when no key is open.
  const std::string& GetCurrentPath() const { return FCurrentPath; }
  bool HasCurrentKey() const { return FKeyOpen; }

  // Key names starting with a backslash lie below the root, others below the
  // open key (the root when none is open). A key name holding a control
  // character raises ERegistryException.
  //
  // Makes Key the open key; a missing key is created when CanCreate is set.
  // False (and the open key unchanged) when the key is missing and may not
  // be created, or cannot be written.
  bool OpenKey(std::string_view Key, bool CanCreate);
  void CloseKey();
  bool KeyExists(std::string_view Key) const;
  // Removes the key with its values and subkeys; false when it did not exist
  // (or names the root). Raises ERegistryException when the file cannot be
  // written.
  bool DeleteKey(std::string_view Key);

  // Values of the open key.
  bool ValueExists(std::string_view Name) const;
  TRegDataType GetDataType(std::string_view Name) const;
  // Raises ERegistryException "Failed to get data for 'X'" for a missing
  // value and "Invalid data type for 'X'" for a string.
  int32_t ReadInteger(std::string_view Name) const;
  // Empty for a missing value; an integer raises "Invalid data type for 'X'".
  std::string ReadString(std::string_view Name) const;
  // Stored as an integer (nonzero is true).
  bool ReadBool(std::string_view Name) const { return ReadInteger(Name) != 0; }
  // Writing with no open key raises "Failed to set data for 'X'"; a file
  // that cannot be written raises ERegistryException naming it.
  void WriteInteger(std::string_view Name, int32_t Value);
  void WriteString(std::string_view Name, std::string_view Value);
  void WriteBool(std::string_view Name, bool Value) { WriteInteger(Name, Value ? 1 : 0); }
  bool DeleteValue(std::string_view Name);

 protected:
  using TData = std::variant<int32_t, std::string>;
  // The full path, root included, of a key name (see OpenKey).
  std::string KeyPath(std::string_view Key) const;
  // The data of a value of the key at `path`, if stored.
  static std::optional<TData> GetData(const std::string& path, std::string_view Name);
  // Stores a value, creating the key at `path` when needed.
  static void PutData(const std::string& path, std::string_view Name, TData Data);
  // Remove the key at `path` with everything below it / one of its values;
  // false when there was nothing to remove.
  static bool RemoveKey(const std::string& path);
  static bool RemoveValue(const std::string& path, std::string_view Name);

 private:
  std::optional<TData> CurrentData(std::string_view Name) const;
  void PutCurrentData(std::string_view Name, TData Data);

  HKEY FRootKey = HKEY_CURRENT_USER;
  bool FKeyOpen = false;
  std::string FCurrentPath;
};

// Ini-file calls on a registry key: the key FileName (below the root) is
// opened, and created when it can be, on construction.
class TRegIniFile : public TRegistry {
  HOST_CLASS(TRegIniFile, TRegistry)

  explicit TRegIniFile(std::string_view FileName);

  const std::string& GetFileName() const { return FFileName; }

  // Section names a subkey of the open key (of FileName when it could not be
  // opened); an empty Section means the key itself. Reads never raise: a
  // missing key or value gives the default, and a string holding no number
  // gives the default to ReadInteger. Writes create the key as needed and
  // raise ERegistryException naming the file when it cannot be written.
  int32_t ReadInteger(std::string_view Section, std::string_view Ident, int32_t Default) const;
  void WriteInteger(std::string_view Section, std::string_view Ident, int32_t Value);
  std::string ReadString(std::string_view Section, std::string_view Ident, std::string_view Default) const;
  void WriteString(std::string_view Section, std::string_view Ident, std::string_view Value);
  bool ReadBool(std::string_view Section, std::string_view Ident, bool Default) const;
  void WriteBool(std::string_view Section, std::string_view Ident, bool Value);
  // Removes the subkey Section with everything in it; an empty Section
  // removes the values directly under the key and keeps its subkeys.
  void EraseSection(std::string_view Section);
  // Removes the value Ident of Section.
  void DeleteKey(std::string_view Section, std::string_view Ident);

  using TRegistry::DeleteKey;
  using TRegistry::ReadBool;
  using TRegistry::ReadInteger;
  using TRegistry::ReadString;
  using TRegistry::WriteBool;
  using TRegistry::WriteInteger;
  using TRegistry::WriteString;

 private:
  std::string SectionPath(std::string_view Section) const;

  std::string FFileName;
};

}  // namespace host
