// TParser: the tokenizer of the text form syntax.
//
// The parser reads the rest of a stream at construction and splits it into
// tokens: symbols (identifiers, which may continue with dotted parts such as
// Font.Name), strings ('quoted' parts and #nn character codes written next to
// each other), integers (decimal or $hex, with an optional leading minus),
// floats (with an optional type suffix c, d or s) and single punctuation
// characters. Bytes 1..32 are blanks; a NUL byte ends the text; a UTF-8 byte
// order mark at the start is skipped. The parser
// counts lines so that every error names the line it happened on.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/rtl/object.h"
#include "host/rtl/sysutils.h"

namespace host {

class TStream;

// Token kinds; any other token value is the punctuation character itself.
inline constexpr char toEOF = 0;
inline constexpr char toSymbol = 1;
inline constexpr char toString = 2;
inline constexpr char toInteger = 3;
inline constexpr char toFloat = 4;
inline constexpr char toWString = 5;

// Message texts of the parser.
inline constexpr char SParseError[] = "%s on line %d";
inline constexpr char SIdentifierExpected[] = "Identifier expected";
inline constexpr char SStringExpected[] = "String expected";
inline constexpr char SNumberExpected[] = "Number expected";
inline constexpr char SCharExpected[] = "'%s' expected";
inline constexpr char SSymbolExpected[] = "%s expected";
inline constexpr char SInvalidBinary[] = "Invalid binary value";
inline constexpr char SInvalidString[] = "Invalid string constant";

class TParser : public TObject {
  HOST_CLASS(TParser, TObject)

  // Reads the stream from its position to its end and moves to the first
  // token. Raises EParserError when the first token is malformed.
  explicit TParser(TStream* Stream);

  // Raises EParserError unless the current token is of kind T ("Identifier
  // expected", "String expected", "Number expected" or "'x' expected").
  void CheckToken(char T);
  // Raises EParserError "<S> expected" unless the token is the symbol S
  // (compared without regard to case).
  void CheckTokenSymbol(std::string_view S);
  // Raise EParserError with the message followed by " on line <n>".
  [[noreturn]] void Error(std::string_view Message) const;
  [[noreturn]] void ErrorFmt(std::string_view Fmt, TFormatArgs Args) const;
  [[noreturn]] void ErrorStr(std::string_view Message) const { Error(Message); }

  // Reads hexadecimal digit pairs (blanks between them allowed) up to the
  // closing '}' into Stream, then moves to the token after the brace. The
  // current token must be the opening '{'. Raises "Invalid binary value".
  void HexToBinary(TStream* Stream);

  // Moves to the next token and returns its kind.
  char NextToken();
  // Offset of the current token from the position the stream had at
  // construction.
  int64_t SourcePos() const { return static_cast<int64_t>(FTokenStart); }
  // The current symbol; raises "Identifier expected" for any other token.
  std::string TokenComponentIdent();
  // The value of a number token; a malformed or out-of-range number raises
  // EParserError naming the line.
  double TokenFloat() const;
  int64_t TokenInt() const;
  // The text of the token: the decoded value of a string, else the
  // characters of the token as written.
  std::string TokenString() const;
  // The decoded value of a string token as UTF-16.
  std::u16string TokenWideString() const;
  bool TokenSymbolIs(std::string_view S) const;

  // The kind of the one token that Text consists of (no blanks around it),
  // or toEOF when Text is not exactly one well-formed token. Tells whether a
  // name or value can be written as text and read back unchanged.
  static char TokenKind(std::string_view Text);

  // The suffix of the last float token ('c', 'd', 's', or 0 for none).
  char GetFloatType() const { return FFloatType; }
  int GetSourceLine() const { return FSourceLine; }
  // The column (1-based, in bytes) where the current token starts.
  int GetSourceColumn() const { return static_cast<int>(FTokenStart - FLineStart) + 1; }
  char GetToken() const { return FToken; }

 protected:
  // Leaves the stream positioned at the start of the current token, so that
  // a caller can read on from there.
  void Destroy() override;

 private:
  // A parser over text of its own, with no stream behind it.
  explicit TParser(std::string Text);
  void Start();
  char Peek(std::size_t ahead = 0) const;
  void SkipBlanks();
  void ScanSymbol();
  void ScanString();
  void ScanQuoted();
  void ScanCharCode();
  void ScanNumber();
  void ScanHex();

  TStream* FStream;
  int64_t FOrigin;
  std::string FText;
  std::size_t FPos = 0;         // next character to scan
  std::size_t FTokenStart = 0;  // first character of the current token
  std::string FTokenText;       // token as written, or the decoded string
  char FToken = toEOF;
  char FFloatType = 0;
  int FSourceLine = 1;
  std::size_t FLineStart = 0;  // first character of the current line
  // The value of a string token as UTF-16 code units: quoted parts decoded
  // from UTF-8 (bytes that are not UTF-8 keep their escape units), #nn codes
  // as written. TokenString turns it back into UTF-8 bytes.
  std::u16string FWide;
};

}  // namespace host
