// TEditMask: parsing the classic mask syntax and mapping Text to EditText
// and back.
#include <cctype>
#include <string_view>

#include "host/mask/mask.h"

namespace host {

namespace {

constexpr std::string_view kInputChars = "09#LlAaCc";
constexpr std::string_view kRequiredChars = "0LAC";

// The fields of an edit mask: the mask up to the first ';' that no '\'
// escapes, then the rest split at ';'.
std::vector<std::string> SplitFields(const std::string& EditMask) {
  std::vector<std::string> fields(1);
  for (std::size_t i = 0; i < EditMask.size(); ++i) {
    const char c = EditMask[i];
    if (c == ';' && (fields.size() > 1 || i == 0 || EditMask[i - 1] != '\\')) {
      fields.emplace_back();
      continue;
    }
    fields.back() += c;
  }
  return fields;
}

}  // namespace

std::optional<TEditMask> TEditMask::Parse(const std::string& EditMask) {
  const std::vector<std::string> fields = SplitFields(EditMask);
  TEditMask mask;
  if (fields.size() > 3 || (fields.size() > 1 && fields[1] != "0" && fields[1] != "1") ||
      (fields.size() > 2 && fields[2].size() > 1))
    return std::nullopt;
  if (fields.size() > 1) mask.FSaveLiterals = fields[1] == "1";
  if (fields.size() > 2 && !fields[2].empty()) mask.FBlank = fields[2][0];
  const std::string& m = fields[0];
  TCase letterCase = kAsTyped;
  for (std::size_t i = 0; i < m.size(); ++i) {
    const char c = m[i];
    if (c == '!') continue;
    if (c == '<' && i + 1 < m.size() && m[i + 1] == '>') {
      letterCase = kAsTyped;
      ++i;
      continue;
    }
    if (c == '>' || c == '<') {
      letterCase = c == '>' ? kUpper : kLower;
      continue;
    }
    TPosition position;
    if (c == '\\') {
      if (++i == m.size()) return std::nullopt;
      position.Literal = m[i];
    } else if (kInputChars.find(c) != std::string_view::npos) {
      position.Kind = c;
      position.Case = letterCase;
    } else {
      position.Literal = c == '_' ? ' ' : c;
    }
    mask.FPositions.push_back(position);
  }
  return mask;
}

char TEditMask::Accept(int32_t Pos, char C) const {
  if (Pos < 0 || Pos >= Length()) return 0;
  const TPosition& p = At(Pos);
  const auto u = static_cast<unsigned char>(C);
  bool fits = false;
  switch (p.Kind) {
    case '0':
    case '9':
      fits = std::isdigit(u);
      break;
    case '#':
      fits = std::isdigit(u) || C == '+' || C == '-';
      break;
    case 'L':
    case 'l':
      fits = std::isalpha(u);
      break;
    case 'A':
    case 'a':
      fits = std::isalnum(u);
      break;
    case 'C':
    case 'c':
      fits = u >= ' ';
      break;
    default:
      break;
  }
  if (!fits) return 0;
  if (p.Case == kUpper) return static_cast<char>(std::toupper(u));
  if (p.Case == kLower) return static_cast<char>(std::tolower(u));
  return C;
}

int32_t TEditMask::NextInput(int32_t Pos) const {
  for (int32_t i = std::max(Pos, 0); i < Length(); ++i)
    if (!IsLiteral(i)) return i;
  return -1;
}

int32_t TEditMask::PrevInput(int32_t Pos) const {
  for (int32_t i = std::min(Pos, Length()) - 1; i >= 0; --i)
    if (!IsLiteral(i)) return i;
  return -1;
}

// Literals go in place (a Text that keeps them has them at their place
// and they are passed over); a character that does not fit its position,
// a space or the blank character leaves the position blank.
std::string TEditMask::Format(const std::string& Text) const {
  std::string edit;
  std::size_t next = 0;
  for (int32_t pos = 0; pos < Length(); ++pos) {
    const TPosition& p = At(pos);
    if (p.Kind == kLiteral) {
      edit += p.Literal;
      if (FSaveLiterals && next < Text.size() && Text[next] == p.Literal) ++next;
      continue;
    }
    const char c = next < Text.size() ? Text[next++] : ' ';
    const char accepted = c == FBlank ? 0 : Accept(pos, c);
    edit += accepted ? accepted : FBlank;
  }
  return edit;
}

// Without the literals the trailing spaces go as well.
std::string TEditMask::Unformat(const std::string& EditText) const {
  std::string text;
  for (int32_t pos = 0; pos < Length() && pos < static_cast<int32_t>(EditText.size()); ++pos) {
    const char c = EditText[static_cast<std::size_t>(pos)];
    if (IsLiteral(pos) && !FSaveLiterals) continue;
    text += !IsLiteral(pos) && c == FBlank ? ' ' : c;
  }
  if (!FSaveLiterals) text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

int32_t TEditMask::FirstMissing(const std::string& EditText) const {
  for (int32_t pos = 0; pos < Length(); ++pos) {
    const char kind = At(pos).Kind;
    if (kind == kLiteral || kRequiredChars.find(kind) == std::string_view::npos) continue;
    if (pos >= static_cast<int32_t>(EditText.size()) || !Accept(pos, EditText[static_cast<std::size_t>(pos)]))
      return pos;
  }
  return -1;
}

}  // namespace host
