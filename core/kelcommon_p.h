// Internals of the reflection core shared by its sources, the tests and the
// fuzz target: the tokenizer of the description language, the parsed form of
// a description text, the class data of descriptors and the hashed name
// index. Not part of the public interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kelcommon.h"
#include "host/rtl/nameindex.h"

namespace kel {

// Splits a text at a two-character separator ("::" between the tokens of a
// description, ".." between the members of a style set). The text is borrowed:
// it must outlive the tokenizer.
class TStringTokenizer {
 public:
  // Raises Exception unless the separator has exactly two characters.
  TStringTokenizer(std::string_view text, std::string_view separator);

  // True when the read position (1-based) has reached the last character or
  // gone beyond it: one unread character already counts as the end.
  bool Exhausted() const { return FPos >= FText.size(); }
  // The characters up to the next separator (which is skipped) or the end of
  // the text; empty at the end and between two adjacent separators.
  std::string_view NextToken();
  // The 1-based index of the next unread character.
  std::size_t Position() const { return FPos; }

 private:
  std::string_view FText;
  char first_, FSecond;
  std::size_t FPos = 1;
};

// The largest parameter or index count a description may give. Counts are
// read unconditionally, so a larger (or negative) one would only describe
// parameters that no host method has.
inline constexpr int kelMaxParamCount = 255;

// Which of the four description grammars a text follows.
enum class TkelDescriptionKind : uint8_t { Properties, Methods, Constructors, Events };

// One entry of a description, as read from the text. Fields a grammar does
// not have keep their defaults.
struct TkelDescriptionEntry {
  bool Override = false;  // an Override entry of a property or event text
  std::string Name;
  TkelPropertyStyle Style;
  TkelPropertyVisibility Visibility = pvProtected;
  TkelMethodStyle MethodStyle = msFunction;
  std::vector<std::string> Params;  // parameter or index names, in order
};

// A description text read once: its complete entries and, when the text is
// malformed, the error it raises after them.
struct TkelParsedDescription {
  enum class TError : uint8_t { None, General, Convert };
  std::vector<TkelDescriptionEntry> Entries;
  TError Error = TError::None;
  std::string Message;

  // Raises the stored error again as a fresh exception; nothing when the
  // text is well formed.
  void RaiseError() const;
};

// Reads `text` with the grammar of `kind`. Texts are read once and kept by
// content (texts are constants of the descriptor classes), so describing
// many objects of one class parses their texts once. The result stays valid
// until the next call.
const TkelParsedDescription& ParseKELDescription(TkelDescriptionKind kind, std::string_view text);
// Forgets every parsed text (library shutdown).
void ClearKELDescriptionCache();

// ------------------------------------------------------------ name index

// Feature names: exact, case-sensitive.
using TkelNameIndex = host::TNameIndex<std::hash<std::string_view>, std::equal_to<std::string_view>>;

// ------------------------------------------------------------ class data

// What a description entry declares of one feature: everything a record is
// made from except its per-call values.
struct TkelFeatureTemplate {
  std::string Name;
  TkelPropertyStyle Style;                          // properties
  TkelPropertyVisibility Visibility = pvProtected;  // properties and events
  TkelMethodStyle MethodStyle = msFunction;         // methods
  std::vector<std::string> Params;                  // parameter or index names, in order
  TkelFeature* Adopted = nullptr;                   // held: a record of another descriptor, used as it is
};

// The four feature lists of a descriptor as templates, with a name index per
// list. Shared by every instance of a class whose definitions are constant
// (counted references), otherwise owned by one descriptor.
class TkelClassData {
 public:
  TkelClassData();
  // A private copy (copy on write); adopted records gain a holder.
  TkelClassData(const TkelClassData& other);
  TkelClassData& operator=(const TkelClassData&) = delete;

  void AddRef() noexcept { ++FRefs; }
  void Release();
  bool Shared() const noexcept { return FRefs > 1; }

  std::size_t Size(TkelFeatureKind kind) const { return List(kind).size(); }
  const TkelFeatureTemplate& At(TkelFeatureKind kind, std::size_t i) const { return List(kind)[i]; }
  int IndexOf(TkelFeatureKind kind, std::string_view name) const;
  // Appends a template and indexes its name (the first of a name wins).
  void Append(TkelFeatureKind kind, TkelFeatureTemplate feature);
  TkelFeatureTemplate& Mutable(TkelFeatureKind kind, std::size_t i) { return List(kind)[i]; }
  bool HasAdopted() const noexcept { return FAdopted > 0; }
  // A number no other class data of this run has.
  uint64_t Serial() const noexcept { return FSerial; }

 private:
  ~TkelClassData();
  std::vector<TkelFeatureTemplate>& List(TkelFeatureKind kind) { return FLists[static_cast<int>(kind)]; }
  const std::vector<TkelFeatureTemplate>& List(TkelFeatureKind kind) const { return FLists[static_cast<int>(kind)]; }

  std::vector<TkelFeatureTemplate> FLists[4];
  TkelNameIndex FIndex[4];
  uint64_t FSerial;
  int32_t FRefs = 1;
  int32_t FAdopted = 0;
};

// The class data shared by the instances of a descriptor class while the
// core is started: null when none was read yet (or the core is stopped).
TkelClassData* kelSharedClassData(host::TClass infoClass);
// Shares `data` (well formed and adopting nothing) for the class; the cache
// takes a reference. Does nothing while the core is stopped.
void kelShareClassData(host::TClass infoClass, TkelClassData* data);

// The registry's side of a descriptor's life (defined with the registry).
namespace detail {
struct TkelCacheAccess {
  // A cached descriptor is being freed by someone else: forget it.
  static void Forget(TkelClassInfo* info);
  // A cached descriptor's Owner changed from `previous` to its current one.
  static void OwnerChanged(TkelClassInfo* info, host::TObject* previous);
};
}  // namespace detail

}  // namespace kel
