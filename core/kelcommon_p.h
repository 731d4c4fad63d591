// Internals of the reflection core shared by its sources, the tests and the
// fuzz target: the tokenizer of the description language and the parsed form
// of a description text. Not part of the public interface.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/kelcommon.h"

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
  bool Exhausted() const { return pos_ >= text_.size(); }
  // The characters up to the next separator (which is skipped) or the end of
  // the text; empty at the end and between two adjacent separators.
  std::string_view NextToken();
  // The 1-based index of the next unread character.
  std::size_t Position() const { return pos_; }

 private:
  std::string_view text_;
  char first_, second_;
  std::size_t pos_ = 1;
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

}  // namespace kel
