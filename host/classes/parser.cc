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
bool IsFloatSuffix(char c) { return c == 'c' || c == 'C' || c == 'd' || c == 'D' || c == 's' || c == 'S'; }
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

TParser::TParser(TStream* Stream) : FStream(Stream), FOrigin(Stream->GetPosition()), FText(ReadRest(Stream)) {
  Start();
}

TParser::TParser(std::string Text) : FStream(nullptr), FOrigin(0), FText(std::move(Text)) { Start(); }

void TParser::Start() {
  if (FText.starts_with("\xEF\xBB\xBF")) FPos = 3;  // a UTF-8 byte order mark
  NextToken();
}

void TParser::Destroy() {
  // Give back what lies beyond the current token.
  if (FStream) FStream->SetPosition(FOrigin + static_cast<int64_t>(FTokenStart));
  inherited::Destroy();
}

char TParser::TokenKind(std::string_view Text) {
  try {
    TOwned<TParser> parser(new TParser(std::string(Text)));
    bool whole = parser->FTokenStart == 0 && parser->FPos == parser->FText.size();
    return whole ? parser->FToken : toEOF;
  } catch (const EParserError&) {
    return toEOF;
  }
}

char TParser::Peek(std::size_t ahead) const {
  std::size_t at = FPos + ahead;
  return at < FText.size() ? FText[at] : '\0';
}

void TParser::Error(std::string_view Message) const { throw EParserError(SParseError, {Message, FSourceLine}); }

void TParser::ErrorFmt(std::string_view Fmt, TFormatArgs Args) const { Error(Format(Fmt, Args)); }

void TParser::CheckToken(char T) {
  if (FToken == T) return;
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

bool TParser::TokenSymbolIs(std::string_view S) const { return FToken == toSymbol && SameText(S, FTokenText); }

std::string TParser::TokenComponentIdent() {
  CheckToken(toSymbol);
  return FTokenText;
}

std::string TParser::TokenString() const {
  return FToken == toString || FToken == toWString ? Utf16ToUtf8(FWide) : FTokenText;
}

std::u16string TParser::TokenWideString() const {
  return FToken == toString || FToken == toWString ? FWide : Utf8ToUtf16(FTokenText);
}

int64_t TParser::TokenInt() const {
  int64_t value;
  if (!TryStrToInt64(FTokenText, value)) ErrorFmt("'%s' is not a valid integer value", {FTokenText});
  return value;
}

double TParser::TokenFloat() const {
  double value;
  if (!TryStrToFloat(FTokenText, value)) ErrorFmt("'%s' is not a valid floating point value", {FTokenText});
  return value;
}

void TParser::SkipBlanks() {
  for (; FPos < FText.size(); ++FPos) {
    unsigned char c = static_cast<unsigned char>(FText[FPos]);
    if (c == 0 || c > ' ') return;
    if (c == '\n') {
      ++FSourceLine;
      FLineStart = FPos + 1;
    }
  }
}

char TParser::NextToken() {
  SkipBlanks();
  FTokenStart = FPos;
  FFloatType = 0;
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
    FToken = toEOF;
    FTokenText.clear();
  } else {
    FToken = c;
    FTokenText.assign(1, c);
    ++FPos;
  }
  return FToken;
}

void TParser::ScanSymbol() {
  while (true) {
    while (IsAlphaNum(Peek())) ++FPos;
    if (Peek() != '.' || !IsAlpha(Peek(1))) break;
    ++FPos;  // a dotted part: Font.Name
  }
  FToken = toSymbol;
  FTokenText = FText.substr(FTokenStart, FPos - FTokenStart);
}

void TParser::ScanString() {
  FWide.clear();
  FToken = toString;
  while (true) {
    if (Peek() == '#')
      ScanCharCode();
    else if (Peek() == '\'')
      ScanQuoted();
    else
      break;
  }
  FTokenText = FText.substr(FTokenStart, FPos - FTokenStart);
}

void TParser::ScanQuoted() {
  std::string part;
  ++FPos;  // the opening quote
  while (true) {
    char c = Peek();
    if (FPos >= FText.size() || c == '\0' || c == '\n' || c == '\r') Error(SInvalidString);
    ++FPos;
    if (c == '\'') {
      if (Peek() != '\'') break;
      ++FPos;  // a doubled quote stands for one
    }
    part += c;
  }
  FWide += Utf8ToUtf16(part);
}

void TParser::ScanCharCode() {
  ++FPos;  // '#'
  if (!IsDigit(Peek())) Error(SInvalidString);
  uint32_t code = 0;
  while (IsDigit(Peek())) {
    code = code * 10 + static_cast<uint32_t>(Peek() - '0');
    if (code > 0x10FFFF) Error(SInvalidString);
    ++FPos;
  }
  if (code > 0xFF) FToken = toWString;
  AppendCodeUnits(code, FWide);
}

void TParser::ScanHex() {
  ++FPos;  // '$'
  while (IsHexDigit(Peek())) ++FPos;
  FToken = toInteger;
  FTokenText = FText.substr(FTokenStart, FPos - FTokenStart);
}

void TParser::ScanNumber() {
  ++FPos;  // first digit or the minus sign
  while (IsDigit(Peek())) ++FPos;
  FToken = toInteger;
  while (IsFloatChar(Peek())) {
    ++FPos;
    FToken = toFloat;
  }
  FTokenText = FText.substr(FTokenStart, FPos - FTokenStart);
  if (IsFloatSuffix(Peek()) && !IsAlphaNum(Peek(1))) {
    FToken = toFloat;
    FFloatType = static_cast<char>(Peek() | 0x20);
    ++FPos;
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
    FPos += 2;
  }
  ++FPos;  // the closing brace
  if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) Error(SInvalidBinary);
  Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  NextToken();
}

}  // namespace host
