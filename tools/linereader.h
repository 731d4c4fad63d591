// The words of one script line, read left to right, for the scripts of
// `corvane run` and `corvane design`.
#pragma once

#include <cctype>
#include <string>
#include <vector>

#include "host/rtl/sysutils.h"

namespace corvane {

// The words of one script line, read left to right.
class TLineReader {
 public:
  explicit TLineReader(const std::string& text) : FText(text) {}

  bool AtEnd() {
    SkipSpaces();
    return FPos >= FText.size();
  }
  bool Next(char c) {
    SkipSpaces();
    if (FPos >= FText.size() || FText[FPos] != c) return false;
    ++FPos;
    return true;
  }
  void Expect(char c) {
    if (!Next(c)) Fail(std::string("'") + c + "' expected");
  }
  std::string Identifier() {
    SkipSpaces();
    const std::size_t start = FPos;
    while (FPos < FText.size() && (std::isalnum(static_cast<unsigned char>(FText[FPos])) || FText[FPos] == '_')) ++FPos;
    if (start == FPos) Fail("name expected");
    return FText.substr(start, FPos - start);
  }
  // Values up to the closing character (the opening one is read already).
  std::vector<std::string> Values(char close) {
    std::vector<std::string> values;
    if (Next(close)) return values;
    do values.push_back(ValueText());
    while (Next(','));
    Expect(close);
    return values;
  }
  // The text of one value: a quoted string whole, anything else up to the
  // next separator.
  std::string ValueText() {
    SkipSpaces();
    const std::size_t start = FPos;
    if (FPos < FText.size() && FText[FPos] == '\'') {
      for (++FPos;;) {
        if (FPos >= FText.size()) Fail("unterminated string");
        if (FText[FPos++] != '\'') continue;
        if (FPos >= FText.size() || FText[FPos] != '\'') break;
        ++FPos;  // a doubled quote
      }
    } else {
      while (FPos < FText.size() && FText[FPos] != ',' && FText[FPos] != ')' && FText[FPos] != ']' &&
             !std::isspace(static_cast<unsigned char>(FText[FPos])))
        ++FPos;
    }
    if (start == FPos) Fail("value expected");
    return FText.substr(start, FPos - start);
  }
  // A value given as text: a quoted string without its quotes (a doubled
  // quote inside stands for one), anything else as written.
  std::string Text() {
    const std::string value = ValueText();
    if (value.size() < 2 || value.front() != '\'') return value;
    std::string text;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
      text += value[i];
      if (value[i] == '\'') ++i;
    }
    return text;
  }
  // The rest of the line's next word: everything up to a space.
  std::string Word() {
    SkipSpaces();
    const std::size_t start = FPos;
    while (FPos < FText.size() && !std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
    if (start == FPos) Fail("word expected");
    return FText.substr(start, FPos - start);
  }
  [[noreturn]] void Fail(const std::string& what) const {
    throw host::Exception("%s at column %d", {what, static_cast<int>(FPos + 1)});
  }

 private:
  void SkipSpaces() {
    while (FPos < FText.size() && std::isspace(static_cast<unsigned char>(FText[FPos]))) ++FPos;
  }
  const std::string& FText;
  std::size_t FPos = 0;
};

}  // namespace corvane
