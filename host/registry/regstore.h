// The per-user settings file behind TRegistry and TRegIniFile: an ini-style
// text file with one section per registry key, named by its full path with
// the root ("[HKEY_CURRENT_USER\Software\...]"), and one line per value:
//
//   Left=int:120
//   Caption=str:text with \n escapes
//
// The type prefix keeps integers and strings apart. Names and strings escape
// backslash, control characters (\n, \r, \t, \xHH) and, in names, the
// characters that would end the name or start a section or comment.
//
// The store keeps nothing in memory between calls: every read loads the file
// and every change loads, changes and writes it back, so that several store
// objects (and a later designer run) always see the same values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace host::regstore {

// The data of one value: an integer or a string.
using TRegData = std::variant<int32_t, std::string>;

// One value of a key, under the name it was first written with.
struct TRegValue {
  std::string Name;
  TRegData Data;
};

// One key: its full path with the root, as first written, and its values in
// the order they were first written. Names compare without regard to case.
struct TRegKey {
  std::string Path;
  std::vector<TRegValue> Values;

  TRegValue* FindValue(std::string_view name);
  const TRegValue* FindValue(std::string_view name) const { return const_cast<TRegKey*>(this)->FindValue(name); }
  // Replaces the data of a value (keeping the stored name) or adds it.
  void SetValue(std::string_view name, TRegData data);
  bool DeleteValue(std::string_view name);
};

// Every key of the store. Key paths are backslash-separated components with
// no empty component; they compare component by component without regard to
// case. A key exists when it is stored or lies above a stored key.
class TRegTree {
 public:
  const std::vector<TRegKey>& Keys() const { return FKeys; }
  TRegKey* FindKey(std::string_view path);
  const TRegKey* FindKey(std::string_view path) const { return const_cast<TRegTree*>(this)->FindKey(path); }
  bool KeyExists(std::string_view path) const;
  // The key at `path`, added when absent. A new key takes the spelling of
  // the existing keys it shares leading components with.
  TRegKey& CreateKey(std::string_view path);
  // Removes the key and every key below it; false when none existed.
  bool DeleteKey(std::string_view path);

 private:
  std::vector<TRegKey> FKeys;
};

// The file's text and back. Parsing never raises: a line that is not a
// section, a comment or a well-formed value is skipped, and so are the values
// below a malformed section line.
std::string FormatTree(const TRegTree& tree);
TRegTree ParseTree(std::string_view text);

// The file in use: the one set by SetStoreFileName, else
// $XDG_CONFIG_HOME/corvane/registry.ini, else $HOME/.config/corvane/registry.ini
// (an unset, empty or relative XDG_CONFIG_HOME is not used). Empty when
// neither variable names a directory.
std::string StoreFileName();
// Points the store at another file; an empty name goes back to the default.
void SetStoreFileName(std::string fileName);

// The stored keys: none when the file is missing, unreadable or not a
// regular file. Never raises.
TRegTree LoadTree();
// Writes the keys to a temporary file beside the store file (creating its
// directory) and renames it over the store file, so that the old file stays
// whole when writing fails. Raises ERegistryException naming the file.
void SaveTree(const TRegTree& tree);

// Loads the keys, applies `change` and writes them back when it reports a
// change (returns true).
template <class F>
void UpdateTree(F&& change) {
  TRegTree tree = LoadTree();
  if (change(tree)) SaveTree(tree);
}

}  // namespace host::regstore
