#include "host/registry/regstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "host/registry/registry.h"
#include "host/rtl/sysutils.h"

namespace host::regstore {

namespace {

// ------------------------------------------------------------------ paths

std::vector<std::string_view> SplitPath(std::string_view path) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = path.find('\\', start);
    parts.push_back(path.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

// How many leading components the two paths share.
std::size_t SharedComponents(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
  std::size_t n = 0;
  while (n < a.size() && n < b.size() && AnsiSameText(a[n], b[n])) ++n;
  return n;
}

bool SamePath(std::string_view a, std::string_view b) {
  auto pa = SplitPath(a), pb = SplitPath(b);
  return pa.size() == pb.size() && SharedComponents(pa, pb) == pa.size();
}

// Whether `key` is `path` itself or lies below it.
bool AtOrBelow(std::string_view key, std::string_view path) {
  auto pk = SplitPath(key), pp = SplitPath(path);
  return pk.size() >= pp.size() && SharedComponents(pk, pp) == pp.size();
}

// --------------------------------------------------------------- escapes

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }

// Escapes backslash, control characters and the characters in `extra`.
std::string Escape(std::string_view text, std::string_view extra) {
  std::string out;
  for (char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (IsControl(c) || extra.find(c) != std::string_view::npos) out += "\\x" + IntToHex(static_cast<unsigned char>(c), 2);
    else out += c;
  }
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// The text Escape made; nothing for a broken escape.
std::optional<std::string> Unescape(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'x': {
        if (i + 2 >= text.size()) return std::nullopt;
        int hi = HexDigit(text[i + 1]), lo = HexDigit(text[i + 2]);
        if (hi < 0 || lo < 0) return std::nullopt;
        out += static_cast<char>(hi * 16 + lo);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

// Characters a name escapes besides the common ones: the separator and the
// characters that open a section or a comment.
constexpr std::string_view kNameSpecials = "=[;#";
constexpr std::string_view kIntegerTag = "int:";
constexpr std::string_view kStringTag = "str:";

std::string FormatValue(const TRegValue& value) {
  std::string line = Escape(value.Name, kNameSpecials) + "=";
  if (auto* i = std::get_if<int32_t>(&value.Data)) return line + std::string(kIntegerTag) + IntToStr(*i);
  return line + std::string(kStringTag) + Escape(std::get<std::string>(value.Data), {});
}

std::optional<TRegValue> ParseValue(std::string_view line) {
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  std::optional<std::string> name = Unescape(line.substr(0, eq));
  std::string_view data = line.substr(eq + 1);
  if (!name) return std::nullopt;
  if (data.starts_with(kIntegerTag)) {
    int32_t i = 0;
    if (!TryStrToInt(data.substr(kIntegerTag.size()), i)) return std::nullopt;
    return TRegValue{*name, i};
  }
  if (!data.starts_with(kStringTag)) return std::nullopt;
  std::optional<std::string> s = Unescape(data.substr(kStringTag.size()));
  if (!s) return std::nullopt;
  return TRegValue{*name, *s};
}

// A section's key path, or nothing when the line names no usable key.
std::optional<std::string> ParseSection(std::string_view line) {
  if (line.size() < 2 || line.back() != ']') return std::nullopt;
  std::string_view path = line.substr(1, line.size() - 2);
  for (std::string_view part : SplitPath(path))
    if (part.empty()) return std::nullopt;
  return std::string(path);
}

// ---------------------------------------------------------------- the file

std::string& FileOverride() {
  static std::string name;
  return name;
}

[[noreturn]] void RaiseWriteError(const std::string& file, const std::string& reason) {
  throw ERegistryException("Cannot write the settings file \"%s\": %s", {file, reason});
}

// Writes all of `text` to a new file `name`; the errno of a failure, or 0.
int WriteNewFile(const std::string& name, const std::string& text) {
  int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  std::size_t done = 0;
  int error = 0;
  while (done < text.size() && !error) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  return error;
}

}  // namespace

// ------------------------------------------------------------------ TRegKey

TRegValue* TRegKey::FindValue(std::string_view name) {
  auto it = std::find_if(Values.begin(), Values.end(), [&](const TRegValue& v) { return AnsiSameText(v.Name, name); });
  return it == Values.end() ? nullptr : &*it;
}

void TRegKey::SetValue(std::string_view name, TRegData data) {
  if (TRegValue* value = FindValue(name)) value->Data = std::move(data);
  else Values.push_back(TRegValue{std::string(name), std::move(data)});
}

bool TRegKey::DeleteValue(std::string_view name) {
  return std::erase_if(Values, [&](const TRegValue& v) { return AnsiSameText(v.Name, name); }) > 0;
}

// ----------------------------------------------------------------- TRegTree

TRegKey* TRegTree::FindKey(std::string_view path) {
  auto it = std::find_if(FKeys.begin(), FKeys.end(), [&](const TRegKey& k) { return SamePath(k.Path, path); });
  return it == FKeys.end() ? nullptr : &*it;
}

bool TRegTree::KeyExists(std::string_view path) const {
  return std::any_of(FKeys.begin(), FKeys.end(), [&](const TRegKey& k) { return AtOrBelow(k.Path, path); });
}

TRegKey& TRegTree::CreateKey(std::string_view path) {
  if (TRegKey* key = FindKey(path)) return *key;
  // Take the spelling of the key sharing the most leading components.
  auto parts = SplitPath(path);
  std::vector<std::string_view> spelling;
  for (const TRegKey& key : FKeys) {
    auto keyParts = SplitPath(key.Path);
    std::size_t shared = SharedComponents(keyParts, parts);
    if (shared > spelling.size()) spelling.assign(keyParts.begin(), keyParts.begin() + static_cast<std::ptrdiff_t>(shared));
  }
  std::string spelled;
  for (std::size_t i = 0; i < parts.size(); ++i)
    spelled += std::string(i ? "\\" : "") + std::string(i < spelling.size() ? spelling[i] : parts[i]);
  FKeys.push_back(TRegKey{spelled, {}});
  return FKeys.back();
}

bool TRegTree::DeleteKey(std::string_view path) {
  return std::erase_if(FKeys, [&](const TRegKey& k) { return AtOrBelow(k.Path, path); }) > 0;
}

// ---------------------------------------------------------------- the text

std::string FormatTree(const TRegTree& tree) {
  std::string text = "; Per-user settings of Corvane: one section per registry key.\n";
  for (const TRegKey& key : tree.Keys()) {
    text += "\n[" + key.Path + "]\n";
    for (const TRegValue& value : key.Values) text += FormatValue(value) + "\n";
  }
  return text;
}

TRegTree ParseTree(std::string_view text) {
  TRegTree tree;
  std::optional<std::string> section;
  std::istringstream lines{std::string(text)};
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (std::any_of(line.begin(), line.end(), IsControl)) continue;  // binary junk
    if (line[0] == '[') {
      section = ParseSection(line);
      if (section) tree.CreateKey(*section);
    } else if (section) {
      if (std::optional<TRegValue> value = ParseValue(line)) tree.CreateKey(*section).SetValue(value->Name, value->Data);
    }
  }
  return tree;
}

// ---------------------------------------------------------------- the file

std::string StoreFileName() {
  if (!FileOverride().empty()) return FileOverride();
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/corvane/registry.ini";
  const char* home = std::getenv("HOME");
  if (home && home[0]) return std::string(home) + "/.config/corvane/registry.ini";
  return {};
}

void SetStoreFileName(std::string fileName) { FileOverride() = std::move(fileName); }

TRegTree LoadTree() {
  std::string file = StoreFileName();
  std::error_code ec;
  if (file.empty() || !std::filesystem::is_regular_file(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return in ? ParseTree(text.str()) : TRegTree{};
}

void SaveTree(const TRegTree& tree) {
  std::string file = StoreFileName();
  if (file.empty()) throw ERegistryException("Cannot write the settings file: neither XDG_CONFIG_HOME nor HOME is set");
  std::filesystem::path target(file);
  std::error_code ec;
  // Replace what a symbolic link points to, not the link.
  // (A missing file is no error here: symlink_status reports it in ec.)
  bool isLink = std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec));
  ec.clear();
  if (isLink) target = std::filesystem::weakly_canonical(target, ec);
  if (ec) RaiseWriteError(file, ec.message());
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path(), ec);
  if (ec) RaiseWriteError(file, ec.message());
  std::string temporary = target.string() + "." + std::to_string(::getpid()) + ".tmp";
  int error = WriteNewFile(temporary, FormatTree(tree));
  if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error) {
    ::unlink(temporary.c_str());
    RaiseWriteError(file, std::generic_category().message(error));
  }
}

}  // namespace host::regstore
