// The exception family and the text helpers of the host runtime.
#pragma once

#include <cstdint>
#include <exception>
#include <initializer_list>
#include <string>
#include <string_view>

namespace host {

// One argument of Format: an integer, a floating-point number, a text or a
// pointer (the classic array-of-const element).
class TFormatArg {
 public:
  enum class Kind { Integer, Float, String, Pointer };
  TFormatArg(int v) : FKind(Kind::Integer), FInt(v), FIs32(true) {}
  TFormatArg(unsigned v) : FKind(Kind::Integer), FInt(v), FIs32(true) {}
  TFormatArg(long v) : FKind(Kind::Integer), FInt(v) {}
  TFormatArg(long long v) : FKind(Kind::Integer), FInt(v) {}
  TFormatArg(unsigned long v) : FKind(Kind::Integer), FInt(static_cast<int64_t>(v)) {}
  TFormatArg(double v) : FKind(Kind::Float), FFloat(v) {}
  TFormatArg(const char* v) : FKind(Kind::String), FStr(v ? v : "") {}
  TFormatArg(std::string v) : FKind(Kind::String), FStr(std::move(v)) {}
  TFormatArg(std::string_view v) : FKind(Kind::String), FStr(v) {}
  TFormatArg(const void* v) : FKind(Kind::Pointer), FInt(static_cast<int64_t>(reinterpret_cast<uintptr_t>(v))) {}

  Kind kind() const { return FKind; }
  int64_t AsInt() const { return FInt; }
  double AsFloat() const { return FFloat; }
  const std::string& AsString() const { return FStr; }
  // True for an argument of a 32-bit integer type: %x and %u show the
  // 32-bit pattern of a negative value (-1 is FFFFFFFF), as the classic
  // Integer argument does.
  bool Is32() const { return FIs32; }

 private:
  Kind FKind;
  int64_t FInt = 0;
  bool FIs32 = false;
  double FFloat = 0;
  std::string FStr;
};

using TFormatArgs = std::initializer_list<TFormatArg>;

// The classic Format: %[index:][-][width][.precision]type with the types
// d, u, x, e, f, g, n, m, s, p and %% for a percent sign. A directive that does
// not fit its argument raises EConvertError "Format 'xxx' invalid or
// incompatible with argument".
std::string Format(std::string_view fmt, TFormatArgs args);

// ---------------------------------------------------------------- exceptions

// The general host exception: carries a message a person can read.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : FMessage(std::move(message)) {}
  Exception(std::string_view fmt, TFormatArgs args) : FMessage(Format(fmt, args)) {}
  const std::string& Message() const { return FMessage; }
  void SetMessage(std::string m) { FMessage = std::move(m); }
  const char* what() const noexcept override { return FMessage.c_str(); }
  virtual const char* ClassName() const { return "Exception"; }

 private:
  std::string FMessage;
};

#define HOST_EXCEPTION(Name, Parent)                         \
  class Name : public Parent {                               \
   public:                                                   \
    using Parent::Parent;                                    \
    const char* ClassName() const override { return #Name; } \
  };

HOST_EXCEPTION(EAbort, Exception)
HOST_EXCEPTION(EConvertError, Exception)
HOST_EXCEPTION(EVariantError, Exception)
HOST_EXCEPTION(EInvalidCast, Exception)
HOST_EXCEPTION(EInvalidOperation, Exception)
HOST_EXCEPTION(EInvalidPointer, Exception)
HOST_EXCEPTION(EOutOfMemory, Exception)
HOST_EXCEPTION(EIntError, Exception)
HOST_EXCEPTION(ERangeError, EIntError)
HOST_EXCEPTION(EInOutError, Exception)
HOST_EXCEPTION(EOSError, Exception)
HOST_EXCEPTION(EListError, Exception)
HOST_EXCEPTION(EStringListError, Exception)
HOST_EXCEPTION(EBitsError, Exception)
HOST_EXCEPTION(EComponentError, Exception)
HOST_EXCEPTION(EPropertyError, Exception)
HOST_EXCEPTION(EStreamError, Exception)
HOST_EXCEPTION(EFCreateError, EStreamError)
HOST_EXCEPTION(EFOpenError, EStreamError)
HOST_EXCEPTION(EFilerError, EStreamError)
HOST_EXCEPTION(EReadError, EFilerError)
HOST_EXCEPTION(EWriteError, EFilerError)
HOST_EXCEPTION(EClassNotFound, EFilerError)
HOST_EXCEPTION(EMethodNotFound, EFilerError)
HOST_EXCEPTION(EInvalidImage, EFilerError)
HOST_EXCEPTION(EResNotFound, Exception)
HOST_EXCEPTION(EParserError, Exception)
HOST_EXCEPTION(EThread, Exception)
HOST_EXCEPTION(EOutOfResources, Exception)

// --------------------------------------------------------------- text helpers

std::string IntToStr(int64_t value);
std::string IntToHex(int64_t value, int digits);
// Decimal or $hex text with optional sign and surrounding blanks; raises
// EConvertError "'abc' is not a valid integer value".
int32_t StrToInt(std::string_view text);
int64_t StrToInt64(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t def);
bool TryStrToInt(std::string_view text, int32_t& value);
bool TryStrToInt64(std::string_view text, int64_t& value);
// Floating-point text with '.' as the decimal separator; raises EConvertError
// "'abc' is not a valid floating point value".
double StrToFloat(std::string_view text);
bool TryStrToFloat(std::string_view text, double& value);
// Shortest text that reads back as the same number (15 significant digits).
std::string FloatToStr(double value);
// "True"/"False" and back (also accepts numbers: 0 is false).
std::string BoolToStr(bool value);
bool StrToBool(std::string_view text);

std::string Trim(std::string_view s);
std::string UpperCase(std::string_view s);  // ASCII only
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);  // ASCII and Latin letters (UTF-8)
std::string AnsiLowerCase(std::string_view s);
// Case-insensitive comparison folding ASCII and Latin letters: <0, 0, >0.
int AnsiCompareText(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
// A hash of the text under AnsiCompareText's folding: texts that compare
// equal there hash equal.
std::size_t AnsiTextHash(std::string_view s);
int AnsiCompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);  // ASCII only
bool SameText(std::string_view a, std::string_view b);
// Identifier check used for component names: a letter or underscore, then
// letters, digits or underscores.
bool IsValidIdent(std::string_view name);
// Wraps text in quote characters, doubling quotes inside.
std::string AnsiQuotedStr(std::string_view s, char quote);
// Reads a quoted string starting at pos (which must be at the quote);
// advances pos past the closing quote. Returns the text without quotes.
std::string AnsiExtractQuotedStr(std::string_view s, std::size_t& pos, char quote);

// UTF-8 <-> UTF-16 for wide strings.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);

}  // namespace host
