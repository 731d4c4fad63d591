#include "host/classes/formtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "host/classes/filer.h"
#include "host/classes/filer_p.h"
#include "host/classes/parser.h"
#include "host/classes/streams.h"

namespace host {

namespace {

constexpr int kIndent = 2;          // spaces per nesting level
constexpr std::size_t kLineLength = 64;  // characters of a string per line
constexpr std::size_t kBinaryLine = 32;  // bytes of binary data per line
constexpr int32_t kBufSize = 4096;
// The reader looks ahead by moving back, which drops its buffer: a small one
// keeps that cheap.
constexpr int32_t kReaderBufSize = 256;

std::string Indent(int level) { return std::string(static_cast<std::size_t>(level * kIndent), ' '); }

// Writes a whole string to a stream.
void WriteText(TStream* out, const std::string& text) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
    throw EWriteError(SWriteError);
  out->WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
}

// ------------------------------------------------------------ number texts

// The shortest text that reads back as the same number, always with a '.'
// or an exponent so that it reads back as a float, not an integer.
template <class F>
std::string FloatText(F value) {
  if (value != value) return "NAN";
  if (value == std::numeric_limits<F>::infinity()) return "INF";
  if (value == -std::numeric_limits<F>::infinity()) return "-INF";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, res.ptr);
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

// ------------------------------------------------------- binary -> text

// Reads a binary form through a TReader and renders it as text.
class TBinaryToText {
 public:
  explicit TBinaryToText(TReader* reader) : reader_(reader) {}

  std::string Convert() {
    reader_->ReadSignature();
    Object(0);
    return std::move(out_);
  }

 private:
  // One level of nested objects and values; refused with the position of
  // the byte being read, as the reader itself reports it.
  TNestingGuard Nest() {
    return TNestingGuard(depth_, [this](const std::string& message) {
      RaiseReadErrorAt(message, reader_->GetPosition());
    });
  }

  void Object(int level) {
    TNestingGuard nest = Nest();
    TFilerFlags flags;
    int32_t position = 0;
    reader_->ReadPrefix(flags, position);
    std::string className = Name(reader_->ReadStr(), kSymbol);
    std::string name = reader_->ReadStr();
    if (!name.empty()) Name(name, kSymbol);
    out_ += Indent(level);
    out_ += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    if (!name.empty()) out_ += name + ": ";
    out_ += className;
    if (flags.Contains(ffChildPos)) out_ += " [" + IntToStr(position) + "]";
    out_ += '\n';
    Properties(level + 1);
    while (!AtEntriesEnd()) Object(level + 1);
    reader_->ReadListEnd();
    out_ += Indent(level) + "end\n";
  }

  // True at the end of a list of properties or children. Their entries
  // start with a name length or a prefix byte, which are no value tags, so
  // the byte is looked at raw.
  bool AtEntriesEnd() {
    const int64_t at = reader_->GetPosition();
    uint8_t next;
    reader_->Read(&next, 1);
    reader_->SetPosition(at);
    return next == vaNull;
  }

  // What a name of the binary form may be in the text: a symbol; a
  // property name that is none of the words that open or close a block; a
  // set member, which may also be an integer.
  enum TNameKind { kSymbol, kPropertyName, kSetMember };

  // The name, when the text can hold it so that it reads back the same;
  // otherwise EReadError.
  std::string Name(std::string name, TNameKind kind) {
    char token = TParser::TokenKind(name);
    bool fits = token == toSymbol || (kind == kSetMember && token == toInteger);
    if (kind == kPropertyName)
      for (const char* word : {"object", "inherited", "inline", "end"}) fits = fits && !SameText(name, word);
    if (!fits)
      RaiseReadErrorAt(Format("%s: '%s' cannot be written as a name", {SInvalidPropertyValue, name}),
                       reader_->GetPosition());
    return name;
  }

  void Properties(int level) {
    while (!AtEntriesEnd()) {
      out_ += Indent(level) + Name(reader_->ReadStr(), kPropertyName) + " = ";
      Value(level, true);
      out_ += '\n';
    }
    reader_->ReadListEnd();
  }

  // One value; `level` is the indentation of the line the value starts on.
  // A long string after "Name = " starts on a line of its own.
  void Value(int level, bool afterName) {
    TNestingGuard nest = Nest();
    switch (reader_->NextValue()) {
      case vaList:
        return List(level);
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        out_ += IntToStr(reader_->ReadInt64());
        return;
      case vaExtended:
        out_ += FloatText(reader_->ReadFloat());
        return;
      case vaSingle:
        out_ += FloatText(reader_->ReadSingle()) + 's';
        return;
      case vaDate:
        out_ += FloatText(reader_->ReadDate()) + 'd';
        return;
      case vaCurrency:
        out_ += IntToStr(reader_->ReadCurrency().Value) + 'c';
        return;
      case vaString:
      case vaLString:
      case vaUTF8String:
        return String(Utf8ToUtf16(reader_->ReadString()), level, afterName);
      case vaWString:
        return String(reader_->ReadWideString(), level, afterName);
      case vaIdent:
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        out_ += Name(reader_->ReadIdent(), kSymbol);
        return;
      case vaBinary:
        return Binary(level);
      case vaSet:
        return Set();
      case vaCollection:
        return Collection(level);
    }
    throw EReadError(SInvalidPropertyValue);
  }

  void List(int level) {
    reader_->ReadListBegin();
    out_ += '(';
    while (!reader_->EndOfList()) {
      out_ += '\n' + Indent(level + 1);
      Value(level + 1, false);
    }
    reader_->ReadListEnd();
    out_ += ')';
  }

  void Set() {
    std::vector<std::string> names = reader_->ReadSet();
    out_ += '[';
    for (std::size_t i = 0; i < names.size(); ++i) out_ += (i ? ", " : "") + Name(names[i], kSetMember);
    out_ += ']';
  }

  void Binary(int level) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::vector<uint8_t> bytes = reader_->ReadBinary();
    out_ += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (i % kBinaryLine == 0) out_ += '\n' + Indent(level + 1);
      out_ += hex[bytes[i] >> 4];
      out_ += hex[bytes[i] & 15];
    }
    out_ += '}';
  }

  void Collection(int level) {
    reader_->ReadValue();  // vaCollection
    out_ += '<';
    while (!reader_->EndOfList()) {
      out_ += '\n' + Indent(level + 1) + "item";
      if (filer_detail::IsInt32Tag(reader_->NextValue())) out_ += " [" + IntToStr(reader_->ReadInteger()) + "]";
      out_ += '\n';
      reader_->CheckValue(vaList);
      Properties(level + 2);
      out_ += Indent(level + 1) + "end";
    }
    reader_->ReadListEnd();
    out_ += '>';
  }

  // Printable ASCII (except the quote) goes between quotes, everything else
  // as #nn; lines break after kLineLength characters.
  void String(const std::u16string& s, int level, bool afterName) {
    if (s.empty()) {
      out_ += "''";
      return;
    }
    std::string lineBreak = '\n' + Indent(level + (afterName ? 1 : 0));
    if (afterName && s.size() > kLineLength) {
      out_.pop_back();  // the blank after '='
      out_ += lineBreak;
    }
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < s.size();) {
      // A surrogate pair stays on one line.
      if (i - lineStart >= kLineLength && !(s[i] >= 0xDC00 && s[i] < 0xE000 && s[i - 1] >= 0xD800 && s[i - 1] < 0xDC00)) {
        out_ += " +" + lineBreak;
        lineStart = i;
      }
      std::size_t end = std::min(s.size(), lineStart + kLineLength);
      if (IsQuotable(s[i])) {
        out_ += '\'';
        for (; i < end && IsQuotable(s[i]); ++i) out_ += static_cast<char>(s[i]);
        out_ += '\'';
      } else {
        out_ += '#' + IntToStr(s[i++]);
      }
    }
  }

  static bool IsQuotable(char16_t c) { return c >= ' ' && c < 0x7F && c != '\''; }

  TReader* reader_;
  std::string out_;
  int depth_ = 0;
};

// ------------------------------------------------------- text -> binary

// Parses the text syntax and writes the binary form through a TWriter.
class TTextToBinary {
 public:
  TTextToBinary(TParser* parser, TWriter* writer) : parser_(parser), writer_(writer) {}

  // Converts the form and returns the class name of its root.
  std::string Convert() {
    writer_->WriteSignature();
    std::string className = Object();
    if (parser_->GetToken() != toEOF) parser_->Error("End of file expected");
    return className;
  }

 private:
  // One level of nested objects and values; refused naming the line.
  TNestingGuard Nest() {
    return TNestingGuard(depth_, [this](const std::string& message) { parser_->Error(message); });
  }

  bool AtObjectStart() const {
    return parser_->TokenSymbolIs("object") || parser_->TokenSymbolIs("inherited") ||
           parser_->TokenSymbolIs("inline");
  }

  // Stops a block at "end"; the end of the text means the "end" is missing.
  bool AtEnd() const {
    if (parser_->GetToken() == toEOF) parser_->CheckTokenSymbol("end");
    return parser_->TokenSymbolIs("end");
  }

  std::string Object() {
    TNestingGuard nest = Nest();
    TFilerFlags flags;
    if (parser_->TokenSymbolIs("inherited"))
      flags.Include(ffInherited);
    else if (parser_->TokenSymbolIs("inline"))
      flags.Include(ffInline);
    else
      parser_->CheckTokenSymbol("object");
    parser_->NextToken();
    std::string className = Header(flags);
    while (!AtEnd() && !AtObjectStart()) Property();
    writer_->WriteListEnd();
    while (!AtEnd()) Object();
    writer_->WriteListEnd();
    parser_->NextToken();
    return className;
  }

  // "[Name:] Class [n]": the prefix, class name and name.
  std::string Header(TFilerFlags flags) {
    std::string name, className = Symbol();
    if (parser_->NextToken() == ':') {
      parser_->NextToken();
      name = std::move(className);
      className = Symbol();
      CheckClassNameLength(className);
      parser_->NextToken();
    }
    int32_t position = 0;
    if (parser_->GetToken() == '[') {
      position = Order();
      flags.Include(ffChildPos);
    }
    CheckClassNameLength(className);
    writer_->WriteComponentHeader(flags, position, className, name);
    return className;
  }

  // The current symbol, checked to fit a name entry of the binary form.
  std::string Symbol() {
    std::string text = parser_->TokenComponentIdent();
    CheckNameLength(text);
    return text;
  }

  void CheckClassNameLength(const std::string& text) const {
    if (text.size() > TWriter::MaxClassNameLength) parser_->ErrorFmt("Class name too long: %s...", {text.substr(0, 32)});
  }

  void CheckNameLength(const std::string& text) const {
    if (text.size() > 255) parser_->ErrorFmt("Name too long: %s...", {text.substr(0, 32)});
  }

  // "[n]" of a child position or a collection item.
  int32_t Order() {
    parser_->NextToken();
    parser_->CheckToken(toInteger);
    int32_t order = Int32(parser_->TokenInt());
    parser_->NextToken();
    parser_->CheckToken(']');
    parser_->NextToken();
    return order;
  }

  int32_t Int32(int64_t value) const {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
      parser_->ErrorFmt("Integer %d out of range", {value});
    return static_cast<int32_t>(value);
  }

  void Property() {
    writer_->WriteStr(Symbol());
    parser_->NextToken();
    parser_->CheckToken('=');
    parser_->NextToken();
    Value();
  }

  // One value; leaves the parser on the token after it.
  void Value() {
    TNestingGuard nest = Nest();
    switch (parser_->GetToken()) {
      case toSymbol:
        CheckNameLength(parser_->TokenString());
        writer_->WriteIdent(parser_->TokenString());
        break;
      case toString:
      case toWString:
        return String();
      case toInteger:
        writer_->WriteInt64(parser_->TokenInt());
        break;
      case toFloat:
        Float();
        break;
      case '[':
        return Set();
      case '(':
        return List();
      case '{':
        return Binary();
      case '<':
        return Collection();
      default:
        parser_->Error(SInvalidPropertyValue);
    }
    parser_->NextToken();
  }

  // Parts joined with '+' make one string. They are joined as UTF-16, so a
  // character whose surrogate halves sit in two parts stays one character.
  void String() {
    std::u16string value = parser_->TokenWideString();
    while (parser_->NextToken() == '+') {
      parser_->NextToken();
      if (parser_->GetToken() != toWString) parser_->CheckToken(toString);
      value += parser_->TokenWideString();
    }
    writer_->WriteString(Utf16ToUtf8(value));
  }

  void Float() {
    std::string text = parser_->TokenString();
    switch (parser_->GetFloatType()) {
      case 's':
        writer_->WriteSingle(SingleValue(text));
        break;
      case 'c':
        writer_->WriteCurrency(CurrencyValue(text));
        break;
      case 'd':
        writer_->WriteDate(parser_->TokenFloat());
        break;
      default:
        writer_->WriteFloat(parser_->TokenFloat());
    }
  }

  // Read as a float directly, so the shortest text of a single gives back
  // exactly that single.
  float SingleValue(const std::string& text) const {
    parser_->TokenFloat();  // checks the text
    float value = std::strtof(text.c_str(), nullptr);
    if (std::isinf(value)) parser_->ErrorFmt("Single value %s out of range", {text});
    return value;
  }

  // A currency is written as its amount times 10000; a whole number keeps
  // all 64 bits, anything else is rounded.
  Currency CurrencyValue(const std::string& text) const {
    int64_t raw;
    if (TryStrToInt64(text, raw)) return Currency::FromRaw(raw);
    double scaled = parser_->TokenFloat();
    if (!(scaled > -9.2e18 && scaled < 9.2e18)) parser_->ErrorFmt("Currency value %s out of range", {text});
    return Currency::FromRaw(static_cast<int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5));
  }

  void Set() {
    std::vector<std::string> names;
    parser_->NextToken();
    if (parser_->GetToken() != ']') {
      while (true) {
        if (parser_->GetToken() != toInteger) parser_->CheckToken(toSymbol);
        names.push_back(parser_->TokenString());
        CheckNameLength(names.back());
        if (parser_->NextToken() == ']') break;
        parser_->CheckToken(',');
        parser_->NextToken();
      }
    }
    writer_->WriteSet(names);
    parser_->NextToken();
  }

  void List() {
    parser_->NextToken();
    writer_->WriteListBegin();
    while (parser_->GetToken() != ')') {
      if (parser_->GetToken() == toEOF) parser_->CheckToken(')');
      Value();
    }
    writer_->WriteListEnd();
    parser_->NextToken();
  }

  void Binary() {
    TOwned<TMemoryStream> bytes = MakeOwned<TMemoryStream>();
    parser_->HexToBinary(bytes.get());
    static const char none = 0;  // an empty block still passes a valid address
    const void* data = bytes->GetSize() > 0 ? bytes->GetMemory() : &none;
    writer_->WriteBinary(data, static_cast<int32_t>(bytes->GetSize()));
  }

  void Collection() {
    parser_->NextToken();
    writer_->WriteValue(vaCollection);
    while (parser_->GetToken() != '>') {
      if (parser_->GetToken() == toEOF) parser_->CheckToken('>');
      parser_->CheckTokenSymbol("item");
      if (parser_->NextToken() == '[') writer_->WriteInteger(Order());
      writer_->WriteListBegin();
      while (!AtEnd()) Property();
      writer_->WriteListEnd();
      parser_->NextToken();
    }
    writer_->WriteListEnd();
    parser_->NextToken();
  }

  TParser* parser_;
  TWriter* writer_;
  int depth_ = 0;
};

// Converts text to a binary form in memory; returns the root's class name.
std::string TextToMemory(TStream* input, TMemoryStream* output) {
  TOwned<TParser> parser = MakeOwned<TParser>(input);
  TOwned<TWriter> writer = MakeOwned<TWriter>(output, kBufSize);
  std::string className = TTextToBinary(parser.get(), writer.get()).Convert();
  writer->FlushBuffer();
  return className;
}

// The first bytes of a resource header (TStream::WriteResourceHeader): the
// marker 0xFF and the type RT_RCDATA (10) as a 16-bit number.
constexpr char kResourceStart[] = "\xFF\x0A\x00";

// True when the text, after blanks, starts with one of the words that open
// a form.
bool StartsWithObjectWord(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ' && text[i] != '\0') ++i;
  for (const char* word : {"object", "inherited", "inline"}) {
    std::size_t n = std::strlen(word);
    if (text.size() >= i + n && SameText(text.substr(i, n), word) &&
        (text.size() == i + n || static_cast<unsigned char>(text[i + n]) <= ' '))
      return true;
  }
  return false;
}

}  // namespace

TStreamOriginalFormat TestStreamFormat(TStream* Stream) {
  int64_t start = Stream->GetPosition();
  std::string head(32, '\0');
  head.resize(static_cast<std::size_t>(Stream->Read(head.data(), static_cast<int32_t>(head.size()))));
  Stream->SetPosition(start);
  if (head.compare(0, 4, FilerSignatureText) == 0) return sofBinary;
  if (head.compare(0, 3, kResourceStart, 3) == 0) return sofResource;
  if (StartsWithObjectWord(head)) return sofText;
  if (head.compare(0, 3, "\xEF\xBB\xBF") == 0 && StartsWithObjectWord(head.substr(3))) return sofUTF8Text;
  return sofUnknown;
}

void ObjectBinaryToText(TStream* Input, TStream* Output) {
  std::string text;
  {
    TOwned<TReader> reader = MakeOwned<TReader>(Input, kReaderBufSize);
    text = TBinaryToText(reader.get()).Convert();
  }
  WriteText(Output, text);
}

void ObjectTextToBinary(TStream* Input, TStream* Output) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  TextToMemory(Input, binary.get());
  Output->CopyFrom(binary.get(), 0);
}

void ObjectResourceToText(TStream* Input, TStream* Output) {
  Input->ReadResHeader();
  ObjectBinaryToText(Input, Output);
}

void ObjectTextToResource(TStream* Input, TStream* Output) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  std::string className = TextToMemory(Input, binary.get());
  int64_t fixup = 0;
  Output->WriteResourceHeader(className, fixup);
  Output->CopyFrom(binary.get(), 0);
  Output->FixupResourceHeader(fixup);
}

}  // namespace host
