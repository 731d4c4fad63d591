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

constexpr int kIndent = 2;               // spaces per nesting level
constexpr std::size_t kLineLength = 64;  // characters of a string per line
constexpr std::size_t kBinaryLine = 32;  // bytes of binary data per line
constexpr int32_t kBufSize = 4096;
// The reader looks ahead by moving back, which drops its buffer: a small one
// keeps that cheap.
constexpr int32_t kReaderBufSize = 256;

std::string Indent(int level) { return std::string(static_cast<std::size_t>(level * kIndent), ' '); }

// Writes a whole string to a stream.
void WriteText(TStream* out, const std::string& text) {
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) throw EWriteError(SWriteError);
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
  explicit TBinaryToText(TReader* reader) : FReader(reader) {}

  std::string Convert() {
    FReader->ReadSignature();
    Object(0);
    return std::move(FOut);
  }

 private:
  // One level of nested objects and values; refused with the position of
  // the byte being read, as the reader itself reports it.
  TNestingGuard Nest() {
    return TNestingGuard(FDepth,
                         [this](const std::string& message) { RaiseReadErrorAt(message, FReader->GetPosition()); });
  }

  void Object(int level) {
    TNestingGuard nest = Nest();
    TFilerFlags flags;
    int32_t position = 0;
    FReader->ReadPrefix(flags, position);
    std::string className = Name(FReader->ReadStr(), kSymbol);
    std::string name = FReader->ReadStr();
    if (!name.empty()) Name(name, kSymbol);
    FOut += Indent(level);
    FOut += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    if (!name.empty()) FOut += name + ": ";
    FOut += className;
    if (flags.Contains(ffChildPos)) FOut += " [" + IntToStr(position) + "]";
    FOut += '\n';
    Properties(level + 1);
    while (!AtEntriesEnd()) Object(level + 1);
    FReader->ReadListEnd();
    FOut += Indent(level) + "end\n";
  }

  // True at the end of a list of properties or children. Their entries
  // start with a name length or a prefix byte, which are no value tags, so
  // the byte is looked at raw.
  bool AtEntriesEnd() {
    const int64_t at = FReader->GetPosition();
    uint8_t next;
    FReader->Read(&next, 1);
    FReader->SetPosition(at);
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
                       FReader->GetPosition());
    return name;
  }

  void Properties(int level) {
    while (!AtEntriesEnd()) {
      FOut += Indent(level) + Name(FReader->ReadStr(), kPropertyName) + " = ";
      Value(level, true);
      FOut += '\n';
    }
    FReader->ReadListEnd();
  }

  // One value; `level` is the indentation of the line the value starts on.
  // A long string after "Name = " starts on a line of its own.
  void Value(int level, bool afterName) {
    TNestingGuard nest = Nest();
    switch (FReader->NextValue()) {
      case vaList:
        return List(level);
      case vaInt8:
      case vaInt16:
      case vaInt32:
      case vaInt64:
        FOut += IntToStr(FReader->ReadInt64());
        return;
      case vaExtended:
        FOut += FloatText(FReader->ReadFloat());
        return;
      case vaSingle:
        FOut += FloatText(FReader->ReadSingle()) + 's';
        return;
      case vaDate:
        FOut += FloatText(FReader->ReadDate()) + 'd';
        return;
      case vaCurrency:
        FOut += IntToStr(FReader->ReadCurrency().Value) + 'c';
        return;
      case vaString:
      case vaLString:
      case vaUTF8String:
        return String(Utf8ToUtf16(FReader->ReadString()), level, afterName);
      case vaWString:
        return String(FReader->ReadWideString(), level, afterName);
      case vaIdent:
      case vaFalse:
      case vaTrue:
      case vaNil:
      case vaNull:
        FOut += Name(FReader->ReadIdent(), kSymbol);
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
    FReader->ReadListBegin();
    FOut += '(';
    while (!FReader->EndOfList()) {
      FOut += '\n' + Indent(level + 1);
      Value(level + 1, false);
    }
    FReader->ReadListEnd();
    FOut += ')';
  }

  void Set() {
    std::vector<std::string> names = FReader->ReadSet();
    FOut += '[';
    for (std::size_t i = 0; i < names.size(); ++i) FOut += (i ? ", " : "") + Name(names[i], kSetMember);
    FOut += ']';
  }

  void Binary(int level) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::vector<uint8_t> bytes = FReader->ReadBinary();
    FOut += '{';
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (i % kBinaryLine == 0) FOut += '\n' + Indent(level + 1);
      FOut += hex[bytes[i] >> 4];
      FOut += hex[bytes[i] & 15];
    }
    FOut += '}';
  }

  void Collection(int level) {
    FReader->ReadValue();  // vaCollection
    FOut += '<';
    while (!FReader->EndOfList()) {
      FOut += '\n' + Indent(level + 1) + "item";
      if (filer_detail::IsInt32Tag(FReader->NextValue())) FOut += " [" + IntToStr(FReader->ReadInteger()) + "]";
      FOut += '\n';
      FReader->CheckValue(vaList);
      Properties(level + 2);
      FOut += Indent(level + 1) + "end";
    }
    FReader->ReadListEnd();
    FOut += '>';
  }

  // Printable ASCII (except the quote) goes between quotes, everything else
  // as #nn; lines break after kLineLength characters.
  void String(const std::u16string& s, int level, bool afterName) {
    if (s.empty()) {
      FOut += "''";
      return;
    }
    std::string lineBreak = '\n' + Indent(level + (afterName ? 1 : 0));
    if (afterName && s.size() > kLineLength) {
      FOut.pop_back();  // the blank after '='
      FOut += lineBreak;
    }
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < s.size();) {
      // A surrogate pair stays on one line.
      if (i - lineStart >= kLineLength &&
          !(s[i] >= 0xDC00 && s[i] < 0xE000 && s[i - 1] >= 0xD800 && s[i - 1] < 0xDC00)) {
        FOut += " +" + lineBreak;
        lineStart = i;
      }
      std::size_t end = std::min(s.size(), lineStart + kLineLength);
      if (IsQuotable(s[i])) {
        FOut += '\'';
        for (; i < end && IsQuotable(s[i]); ++i) FOut += static_cast<char>(s[i]);
        FOut += '\'';
      } else {
        FOut += '#' + IntToStr(s[i++]);
      }
    }
  }

  static bool IsQuotable(char16_t c) { return c >= ' ' && c < 0x7F && c != '\''; }

  TReader* FReader;
  std::string FOut;
  int FDepth = 0;
};

// ------------------------------------------------------- text -> binary

// Parses the text syntax and writes the binary form through a TWriter.
class TTextToBinary {
 public:
  TTextToBinary(TParser* parser, TWriter* writer, std::vector<TTextPosition>* positions)
      : FParser(parser), FWriter(writer), FPositions(positions) {}

  // Converts the form and returns the class name of its root.
  std::string Convert() {
    FWriter->WriteSignature();
    std::string className = Object();
    if (FParser->GetToken() != toEOF) FParser->Error("End of file expected");
    return className;
  }

 private:
  // One level of nested objects and values; refused naming the line.
  TNestingGuard Nest() {
    return TNestingGuard(FDepth, [this](const std::string& message) { FParser->Error(message); });
  }

  // Notes that what comes next in the binary form begins at the current token.
  void Mark() {
    if (FPositions)
      FPositions->push_back({FWriter->GetPosition(), FParser->GetSourceLine(), FParser->GetSourceColumn()});
  }

  bool AtObjectStart() const {
    return FParser->TokenSymbolIs("object") || FParser->TokenSymbolIs("inherited") || FParser->TokenSymbolIs("inline");
  }

  // Stops a block at "end"; the end of the text means the "end" is missing.
  bool AtEnd() const {
    if (FParser->GetToken() == toEOF) FParser->CheckTokenSymbol("end");
    return FParser->TokenSymbolIs("end");
  }

  std::string Object() {
    TNestingGuard nest = Nest();
    Mark();
    TFilerFlags flags;
    if (FParser->TokenSymbolIs("inherited"))
      flags.Include(ffInherited);
    else if (FParser->TokenSymbolIs("inline"))
      flags.Include(ffInline);
    else
      FParser->CheckTokenSymbol("object");
    FParser->NextToken();
    std::string className = Header(flags);
    while (!AtEnd() && !AtObjectStart()) Property();
    FWriter->WriteListEnd();
    while (!AtEnd()) Object();
    FWriter->WriteListEnd();
    FParser->NextToken();
    return className;
  }

  // "[Name:] Class [n]": the prefix, class name and name.
  std::string Header(TFilerFlags flags) {
    std::string name, className = Symbol();
    if (FParser->NextToken() == ':') {
      FParser->NextToken();
      name = std::move(className);
      className = Symbol();
      CheckClassNameLength(className);
      FParser->NextToken();
    }
    int32_t position = 0;
    if (FParser->GetToken() == '[') {
      position = Order();
      flags.Include(ffChildPos);
    }
    CheckClassNameLength(className);
    FWriter->WriteComponentHeader(flags, position, className, name);
    return className;
  }

  // The current symbol, checked to fit a name entry of the binary form.
  std::string Symbol() {
    std::string text = FParser->TokenComponentIdent();
    CheckNameLength(text);
    return text;
  }

  void CheckClassNameLength(const std::string& text) const {
    if (text.size() > TWriter::MaxClassNameLength)
      FParser->ErrorFmt("Class name too long: %s...", {text.substr(0, 32)});
  }

  void CheckNameLength(const std::string& text) const {
    if (text.size() > 255) FParser->ErrorFmt("Name too long: %s...", {text.substr(0, 32)});
  }

  // "[n]" of a child position or a collection item.
  int32_t Order() {
    FParser->NextToken();
    FParser->CheckToken(toInteger);
    int32_t order = Int32(FParser->TokenInt());
    FParser->NextToken();
    FParser->CheckToken(']');
    FParser->NextToken();
    return order;
  }

  int32_t Int32(int64_t value) const {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
      FParser->ErrorFmt("Integer %d out of range", {value});
    return static_cast<int32_t>(value);
  }

  void Property() {
    Mark();
    FWriter->WriteStr(Symbol());
    FParser->NextToken();
    FParser->CheckToken('=');
    FParser->NextToken();
    Value();
  }

  // One value; leaves the parser on the token after it.
  void Value() {
    TNestingGuard nest = Nest();
    Mark();
    switch (FParser->GetToken()) {
      case toSymbol:
        CheckNameLength(FParser->TokenString());
        FWriter->WriteIdent(FParser->TokenString());
        break;
      case toString:
      case toWString:
        return String();
      case toInteger:
        FWriter->WriteInt64(FParser->TokenInt());
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
        FParser->Error(SInvalidPropertyValue);
    }
    FParser->NextToken();
  }

  // Parts joined with '+' make one string. They are joined as UTF-16, so a
  // character whose surrogate halves sit in two parts stays one character.
  void String() {
    std::u16string value = FParser->TokenWideString();
    while (FParser->NextToken() == '+') {
      FParser->NextToken();
      if (FParser->GetToken() != toWString) FParser->CheckToken(toString);
      value += FParser->TokenWideString();
    }
    FWriter->WriteString(Utf16ToUtf8(value));
  }

  void Float() {
    std::string text = FParser->TokenString();
    switch (FParser->GetFloatType()) {
      case 's':
        FWriter->WriteSingle(SingleValue(text));
        break;
      case 'c':
        FWriter->WriteCurrency(CurrencyValue(text));
        break;
      case 'd':
        FWriter->WriteDate(FParser->TokenFloat());
        break;
      default:
        FWriter->WriteFloat(FParser->TokenFloat());
    }
  }

  // Read as a float directly, so the shortest text of a single gives back
  // exactly that single.
  float SingleValue(const std::string& text) const {
    FParser->TokenFloat();  // checks the text
    float value = std::strtof(text.c_str(), nullptr);
    if (std::isinf(value)) FParser->ErrorFmt("Single value %s out of range", {text});
    return value;
  }

  // A currency is written as its amount times 10000; a whole number keeps
  // all 64 bits, anything else is rounded.
  Currency CurrencyValue(const std::string& text) const {
    int64_t raw;
    if (TryStrToInt64(text, raw)) return Currency::FromRaw(raw);
    double scaled = FParser->TokenFloat();
    if (!(scaled > -9.2e18 && scaled < 9.2e18)) FParser->ErrorFmt("Currency value %s out of range", {text});
    return Currency::FromRaw(static_cast<int64_t>(scaled < 0 ? scaled - 0.5 : scaled + 0.5));
  }

  void Set() {
    std::vector<std::string> names;
    FParser->NextToken();
    if (FParser->GetToken() != ']') {
      while (true) {
        if (FParser->GetToken() != toInteger) FParser->CheckToken(toSymbol);
        names.push_back(FParser->TokenString());
        CheckNameLength(names.back());
        if (FParser->NextToken() == ']') break;
        FParser->CheckToken(',');
        FParser->NextToken();
      }
    }
    FWriter->WriteSet(names);
    FParser->NextToken();
  }

  void List() {
    FParser->NextToken();
    FWriter->WriteListBegin();
    while (FParser->GetToken() != ')') {
      if (FParser->GetToken() == toEOF) FParser->CheckToken(')');
      Value();
    }
    FWriter->WriteListEnd();
    FParser->NextToken();
  }

  void Binary() {
    TOwned<TMemoryStream> bytes = MakeOwned<TMemoryStream>();
    FParser->HexToBinary(bytes.get());
    static const char none = 0;  // an empty block still passes a valid address
    const void* data = bytes->GetSize() > 0 ? bytes->GetMemory() : &none;
    FWriter->WriteBinary(data, static_cast<int32_t>(bytes->GetSize()));
  }

  void Collection() {
    FParser->NextToken();
    FWriter->WriteValue(vaCollection);
    while (FParser->GetToken() != '>') {
      if (FParser->GetToken() == toEOF) FParser->CheckToken('>');
      FParser->CheckTokenSymbol("item");
      if (FParser->NextToken() == '[') FWriter->WriteInteger(Order());
      FWriter->WriteListBegin();
      while (!AtEnd()) Property();
      FWriter->WriteListEnd();
      FParser->NextToken();
    }
    FWriter->WriteListEnd();
    FParser->NextToken();
  }

  TParser* FParser;
  TWriter* FWriter;
  std::vector<TTextPosition>* FPositions;
  int FDepth = 0;
};

// Converts text to a binary form in memory; returns the root's class name.
std::string TextToMemory(TStream* input, TMemoryStream* output, std::vector<TTextPosition>* positions = nullptr) {
  TOwned<TParser> parser = MakeOwned<TParser>(input);
  TOwned<TWriter> writer = MakeOwned<TWriter>(output, kBufSize);
  std::string className = TTextToBinary(parser.get(), writer.get(), positions).Convert();
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

void ObjectTextToBinary(TStream* Input, TStream* Output) { ObjectTextToBinary(Input, Output, nullptr); }

void ObjectTextToBinary(TStream* Input, TStream* Output, std::vector<TTextPosition>* Positions) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  TextToMemory(Input, binary.get(), Positions);
  Output->CopyFrom(binary.get(), 0);
}

void ObjectResourceToText(TStream* Input, TStream* Output) {
  Input->ReadResHeader();
  ObjectBinaryToText(Input, Output);
}

// A binary form is copied as it is (it is checked when read); a resource
// gives the binary form behind its header.
void ObjectToBinary(TStream* Input, TStream* Output, std::vector<TTextPosition>* Positions) {
  switch (TestStreamFormat(Input)) {
    case sofText:
    case sofUTF8Text:
      return ObjectTextToBinary(Input, Output, Positions);
    case sofResource:
      Input->ReadResHeader();
      [[fallthrough]];
    case sofBinary:
      if (const int64_t rest = Input->GetSize() - Input->GetPosition(); rest > 0) Output->CopyFrom(Input, rest);
      return;
    case sofUnknown:
      break;
  }
  throw EReadError("The stream holds no form (neither the text syntax nor the binary format)");
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
