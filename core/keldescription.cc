// The feature description language: the tokenizer, the four grammars and the
// cache of parsed texts.
#include <memory>
#include <unordered_map>

#include "core/kelcommon_p.h"
#include "host/rtl/sysutils.h"

namespace kel {

// ---------------------------------------------------------------- tokenizer

TStringTokenizer::TStringTokenizer(std::string_view text, std::string_view separator) : FText(text) {
  if (separator.size() != 2)
    throw host::Exception("A token separator must have two characters, not '" + std::string(separator) + "'");
  first_ = separator[0];
  FSecond = separator[1];
}

std::string_view TStringTokenizer::NextToken() {
  // Tokens never span a separator, so a token is one stretch of the text.
  const std::size_t start = FPos - 1;
  while (FPos <= FText.size()) {
    const std::size_t i = FPos - 1;
    if (FText[i] == first_ && i + 1 < FText.size() && FText[i + 1] == FSecond) {
      FPos += 2;
      return FText.substr(start, i - start);
    }
    ++FPos;
  }
  return FText.substr(start);
}

// ------------------------------------------------------------- conversions

namespace {

template <class T>
struct TNamed {
  std::string_view Name;
  T Value;
};

constexpr TNamed<TkelPropertyStyleElement> kStyleNames[] = {
    {"psReadable", psReadable}, {"psWritable", psWritable}, {"psIndexed", psIndexed}};
constexpr TNamed<TkelPropertyVisibility> kVisibilityNames[] = {
    {"pvProtected", pvProtected}, {"pvPublic", pvPublic}, {"pvPublished", pvPublished}};
constexpr TNamed<TkelMethodStyle> kMethodStyleNames[] = {{"msFunction", msFunction}, {"msProcedure", msProcedure}};

// The value named `token` in `table`; raises Exception(message) when none is.
template <class T, std::size_t N>
T Convert(const TNamed<T> (&table)[N], std::string_view token, const std::string& message) {
  for (const TNamed<T>& entry : table)
    if (entry.Name == token) return entry.Value;
  throw host::Exception(message);
}

TkelPropertyStyle ConvertStyles(std::string_view token) {
  const std::string message = std::string(token) + " Invalid property style property!";
  TStringTokenizer members(token, "..");
  TkelPropertyStyle style;
  while (!members.Exhausted()) style.Include(Convert(kStyleNames, members.NextToken(), message));
  return style;
}

TkelPropertyVisibility ConvertVisibility(std::string_view token, TkelDescriptionKind kind) {
  const char* text = kind == TkelDescriptionKind::Events ? " Invalid event property visibility property!"
                                                         : " Invalid property visibility property!";
  return Convert(kVisibilityNames, token, std::string(token) + text);
}

TkelMethodStyle ConvertMethodStyle(std::string_view token) {
  return Convert(kMethodStyleNames, token, "Invalid method style property!");
}

// ------------------------------------------------------------------ grammars

// Reads a count and that many names (missing tokens read as empty names).
std::vector<std::string> ReadNames(TStringTokenizer& tokens) {
  const int count = host::StrToInt(tokens.NextToken());
  if (count < 0 || count > kelMaxParamCount)
    throw host::Exception(host::Format("Invalid parameter count %d (allowed: 0 to %d)!", {count, kelMaxParamCount}));
  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) names.emplace_back(tokens.NextToken());
  return names;
}

// One entry of a property or event text: Define or Override.
TkelDescriptionEntry ReadFeatureEntry(TStringTokenizer& tokens, TkelDescriptionKind kind) {
  const bool properties = kind == TkelDescriptionKind::Properties;
  TkelDescriptionEntry entry;
  const std::string_view keyword = tokens.NextToken();
  if (keyword == "Override")
    entry.Override = true;
  else if (keyword != "Define")
    throw host::Exception("Invalid property define token!");
  entry.Name = tokens.NextToken();
  if (properties) entry.Style = ConvertStyles(tokens.NextToken());
  entry.Visibility = ConvertVisibility(tokens.NextToken(), kind);
  if (!entry.Override) entry.Params = ReadNames(tokens);
  return entry;
}

// One entry of a method or constructor text.
TkelDescriptionEntry ReadRoutineEntry(TStringTokenizer& tokens, TkelDescriptionKind kind) {
  TkelDescriptionEntry entry;
  entry.Name = tokens.NextToken();
  if (kind == TkelDescriptionKind::Methods) entry.MethodStyle = ConvertMethodStyle(tokens.NextToken());
  entry.Params = ReadNames(tokens);
  return entry;
}

// Reads every entry into `out`; an error leaves the entries read before it.
void ReadDescription(TkelDescriptionKind kind, std::string_view text, TkelParsedDescription& out) {
  const bool features = kind == TkelDescriptionKind::Properties || kind == TkelDescriptionKind::Events;
  TStringTokenizer tokens(text, "::");
  while (!tokens.Exhausted())
    out.Entries.push_back(features ? ReadFeatureEntry(tokens, kind) : ReadRoutineEntry(tokens, kind));
}

// Reads a text and keeps the description errors with the result; any other
// failure (out of memory) propagates and nothing is kept.
std::unique_ptr<TkelParsedDescription> Parse(TkelDescriptionKind kind, std::string_view text) {
  auto parsed = std::make_unique<TkelParsedDescription>();
  try {
    ReadDescription(kind, text, *parsed);
  } catch (const host::EConvertError& e) {
    parsed->Error = TkelParsedDescription::TError::Convert;
    parsed->Message = e.Message();
  } catch (const host::Exception& e) {
    parsed->Error = TkelParsedDescription::TError::General;
    parsed->Message = e.Message();
  }
  return parsed;
}

// ---------------------------------------------------------------- the cache

struct TTextHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
using TParsedTexts =
    std::unordered_map<std::string, std::unique_ptr<TkelParsedDescription>, TTextHash, std::equal_to<>>;

// The system has a few hundred texts; a cache that grows past this bound is
// fed generated texts and starts over rather than grow without limit.
constexpr std::size_t kMaxCachedTexts = 4096;

// Never destroyed, so that the cache can be used during shutdown too.
TParsedTexts* const g_parsed = new TParsedTexts[4];

}  // namespace

void TkelParsedDescription::RaiseError() const {
  switch (Error) {
    case TError::None:
      return;
    case TError::Convert:
      throw host::EConvertError(Message);
    case TError::General:
      throw host::Exception(Message);
  }
}

const TkelParsedDescription& ParseKELDescription(TkelDescriptionKind kind, std::string_view text) {
  TParsedTexts& texts = g_parsed[static_cast<int>(kind)];
  if (auto it = texts.find(text); it != texts.end()) return *it->second;
  if (texts.size() >= kMaxCachedTexts) texts.clear();
  return *texts.emplace(std::string(text), Parse(kind, text)).first->second;
}

void ClearKELDescriptionCache() {
  for (int i = 0; i < 4; ++i) g_parsed[i].clear();
}

}  // namespace kel
