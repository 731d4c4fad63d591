#include "host/classes/parser.h"

#include <limits>

#include "host/classes/streams.h"

namespace host {

HOST_IMPL(TParser, TObject)

namespace {

bool IsAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsAlphaNum(char c) { return IsAlpha(c) || IsDigit(c); }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
// Characters that continue a number into a float.
bool IsFloatChar(char c) { return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-'; }
bool IsFloatSuffix(char c) {
  return c == 'c' || c == 'C' || c == 'd' || c == 'D' || c == 's' || c == 'S';
}
int HexValue(char c) { return IsDigit(c) ? c - '0' : (c | 0x20) - 'a' + 10; }

// Reads everything from the stream's position to its end.
std::string ReadRest(TStream* stream) {
  std::string text;
  char chunk[4096];
  for (int32_t n; (n = stream->Read(chunk, sizeof chunk)) > 0;) text.append(chunk, static_cast<std::size_t>(n));
  return text;
}

// Appends a character code as UTF-16 code units.
void AppendCodeUnits(uint32_t code, std::u16string& out) {
  if (code >= 0x10000) {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  } else {
    out += static_cast<char16_t>(code);
  }
}

}  // namespace

TParser::TParser(TStream* Stream) : stream_(Stream), origin_(Stream->GetPosition()), text_(ReadRest(Stream)) {
  Start();
}

TParser::TParser(std::string Text) : stream_(nullptr), origin_(0), text_(std::move(Text)) { Start(); }

void TParser::Start() {
  if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;  // a UTF-8 byte order mark
  NextToken();
}

void TParser::Destroy() {
  // Give back what lies beyond the current token.
  if (stream_) stream_->SetPosition(origin_ + static_cast<int64_t>(tokenStart_));
  inherited::Destroy();
}

char TParser::TokenKind(std::string_view Text) {
  try {
    TOwned<TParser> parser(new TParser(std::string(Text)));
    bool whole = parser->tokenStart_ == 0 && parser->pos_ == parser->text_.size();
    return whole ? parser->token_ : toEOF;
  } catch (const EParserError&) {
    return toEOF;
  }
}

char TParser::Peek(std::size_t ahead) const {
  std::size_t at = pos_ + ahead;
  return at < text_.size() ? text_[at] : '\0';
}

void TParser::Error(std::string_view Message) const {
  throw EParserError(SParseError, {Message, sourceLine_});
}

void TParser::ErrorFmt(std::string_view Fmt, TFormatArgs Args) const { Error(Format(Fmt, Args)); }

void TParser::CheckToken(char T) {
  if (token_ == T) return;
  switch (T) {
    case toSymbol:
      Error(SIdentifierExpected);
    case toString:
    case toWString:
      Error(SStringExpected);
    case toInteger:
    case toFloat:
      Error(SNumberExpected);
    default:
      ErrorFmt(SCharExpected, {std::string(1, T)});
  }
}

void TParser::CheckTokenSymbol(std::string_view S) {
  if (!TokenSymbolIs(S)) ErrorFmt(SSymbolExpected, {S});
}

bool TParser::TokenSymbolIs(std::string_view S) const { return token_ == toSymbol && SameText(S, tokenText_); }

std::string TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  return tokenText_;
}

std::string TParser::TokenString() const {
  return token_ == toString || token_ == toWString ? Utf16ToUtf8(wide_) : tokenText_;
}

std::u16string TParser::TokenWideString() const {
  return token_ == toString || token_ == toWString ? wide_ : Utf8ToUtf16(tokenText_);
}

int64_t TParser::TokenInt() const {
  int64_t value;
  if (!TryStrToInt64(tokenText_, value)) ErrorFmt("'%s' is not a valid integer value", {tokenText_});
  return value;
}

double TParser::TokenFloat() const {
  double value;
  if (!TryStrToFloat(tokenText_, value)) ErrorFmt("'%s' is not a valid floating point value", {tokenText_});
  return value;
}

void TParser::SkipBlanks() {
  for (; pos_ < text_.size(); ++pos_) {
    unsigned char c = static_cast<unsigned char>(text_[pos_]);
    if (c == 0 || c > ' ') return;
    if (c == '\n') ++sourceLine_;
  }
}

char TParser::NextToken() {
  SkipBlanks();
  tokenStart_ = pos_;
  floatType_ = 0;
  char c = Peek();
  if (IsAlpha(c)) {
    ScanSymbol();
  } else if (c == '#' || c == '\'') {
    ScanString();
  } else if (c == '$') {
    ScanHex();
  } else if (IsDigit(c) || (c == '-' && IsDigit(Peek(1)))) {
    ScanNumber();
  } else if (c == '\0') {  // end of the text, or a NUL byte that ends it
    token_ = toEOF;
    tokenText_.clear();
  } else {
    token_ = c;
    tokenText_.assign(1, c);
    ++pos_;
  }
  return token_;
}

void TParser::ScanSymbol() {
  while (true) {
    while (IsAlphaNum(Peek())) ++pos_;
    if (Peek() != '.' || !IsAlpha(Peek(1))) break;
    ++pos_;  // a dotted part: Font.Name
  }
  token_ = toSymbol;
  tokenText_ = text_.substr(tokenStart_, pos_ - tokenStart_);
}

void TParser::ScanString() {
  wide_.clear();
  token_ = toString;
  while (true) {
    if (Peek() == '#')
      ScanCharCode();
    else if (Peek() == '\'')
      ScanQuoted();
    else
      break;
  }
  tokenText_ = text_.substr(tokenStart_, pos_ - tokenStart_);
}

void TParser::ScanQuoted() {
  std::string part;
  ++pos_;  // the opening quote
  while (true) {
    char c = Peek();
    if (pos_ >= text_.size() || c == '\0' || c == '\n' || c == '\r') Error(SInvalidString);
    ++pos_;
    if (c == '\'') {
      if (Peek() != '\'') break;
      ++pos_;  // a doubled quote stands for one
    }
    part += c;
  }
  wide_ += Utf8ToUtf16(part);
}

void TParser::ScanCharCode() {
  ++pos_;  // '#'
  if (!IsDigit(Peek())) Error(SInvalidString);
  uint32_t code = 0;
  while (IsDigit(Peek())) {
    code = code * 10 + static_cast<uint32_t>(Peek() - '0');
    if (code > 0x10FFFF) Error(SInvalidString);
    ++pos_;
  }
  if (code > 0xFF) token_ = toWString;
  AppendCodeUnits(code, wide_);
}

void TParser::ScanHex() {
  ++pos_;  // '$'
  while (IsHexDigit(Peek())) ++pos_;
  token_ = toInteger;
  tokenText_ = text_.substr(tokenStart_, pos_ - tokenStart_);
}

void TParser::ScanNumber() {
  ++pos_;  // first digit or the minus sign
  while (IsDigit(Peek())) ++pos_;
  token_ = toInteger;
  while (IsFloatChar(Peek())) {
    ++pos_;
    token_ = toFloat;
  }
  tokenText_ = text_.substr(tokenStart_, pos_ - tokenStart_);
  if (IsFloatSuffix(Peek()) && !IsAlphaNum(Peek(1))) {
    token_ = toFloat;
    floatType_ = static_cast<char>(Peek() | 0x20);
    ++pos_;
  }
}

void TParser::HexToBinary(TStream* Stream) {
  CheckToken('{');
  std::string bytes;
  while (true) {
    SkipBlanks();
    char c = Peek();
    if (c == '}') break;
    if (!IsHexDigit(c) || !IsHexDigit(Peek(1))) Error(SInvalidBinary);
    bytes += static_cast<char>(HexValue(c) * 16 + HexValue(Peek(1)));
    pos_ += 2;
  }
  ++pos_;  // the closing brace
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) Error(SInvalidBinary);
  Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  NextToken();
}

}  // namespace host
