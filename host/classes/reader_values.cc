// TReader, byte and value level: the buffer over the stream, value tags, the
// value primitives (numbers, strings, identifiers, sets, binary data,
// Variants) and copying or skipping whole values.
#include "host/classes/filer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "host/classes/filer_p.h"
#include "host/classes/streams.h"

namespace host {

using namespace filer_detail;

namespace {

// A double as a single; values past its range become infinities (a plain
// cast would be undefined).
float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

}  // namespace

// ---------------------------------------------------------- buffer, bytes

int64_t TReader::GetPosition() { return FStream->GetPosition() - (FBufEnd - FBufPos); }

void TReader::SetPosition(int64_t Value) {
  FStream->SetPosition(Value);
  FBufPos = FBufEnd = 0;
}

void TReader::FlushBuffer() {
  if (FBufEnd > FBufPos) FStream->Seek(FBufPos - FBufEnd, soFromCurrent);
  FBufPos = FBufEnd = 0;
}

bool TReader::FillBuffer() {
  FBufPos = 0;
  FBufEnd = std::max<int32_t>(0, FStream->Read(FBuffer.data(), static_cast<int32_t>(FBuffer.size())));
  return FBufEnd > 0;
}

void TReader::RaiseFormat(const std::string& What) { RaiseReadErrorAt(What, GetPosition()); }

// One level of nesting; refused with the position of the byte being read.
TNestingGuard TReader::Nest() {
  return TNestingGuard(FDepth, [this](const std::string& Message) { RaiseFormat(Message); });
}

void TReader::ReadData(void* Buf, int32_t Count) {
  auto* out = static_cast<uint8_t*>(Buf);
  while (Count > 0) {
    if (FBufPos == FBufEnd && !FillBuffer()) RaiseFormat(SReadError);
    const int32_t n = std::min(Count, FBufEnd - FBufPos);
    std::memcpy(out, FBuffer.data() + FBufPos, static_cast<std::size_t>(n));
    FBufPos += n;
    out += n;
    Count -= n;
  }
}

void TReader::Read(void* Buf, int32_t Count) {
  if (Count < 0) RaiseFormat("Negative read count");
  ReadData(Buf, Count);
}

uint8_t TReader::ReadByte() {
  if (FBufPos == FBufEnd && !FillBuffer()) RaiseFormat(SReadError);
  return FBuffer[static_cast<std::size_t>(FBufPos++)];
}

uint8_t TReader::PeekByte() {
  if (FBufPos == FBufEnd && !FillBuffer()) RaiseFormat(SReadError);
  return FBuffer[static_cast<std::size_t>(FBufPos)];
}

template <class T>
T TReader::ReadLE() {
  uint8_t bytes[sizeof(T)];
  ReadData(bytes, sizeof(T));
  return LoadLE<T>(bytes);
}

int32_t TReader::ReadLength() {
  const int32_t n = ReadLE<int32_t>();
  const int64_t remaining = FStream->GetSize() - GetPosition();
  if (n < 0 || n > remaining) {
    FBufPos -= 4;  // name the position of the length itself
    if (FBufPos < 0) FBufPos = 0;
    RaiseFormat(Format("Invalid length %d", {n}));
  }
  return n;
}

std::string TReader::ReadBytes(int32_t Count) {
  std::string s(static_cast<std::size_t>(Count), '\0');
  ReadData(s.data(), Count);
  return s;
}

std::u16string TReader::ReadWideData() {
  const int32_t n = ReadLength();
  if (n > (FStream->GetSize() - GetPosition()) / 2) RaiseFormat(Format("Invalid length %d", {n}));
  std::u16string s(static_cast<std::size_t>(n), u'\0');
  for (char16_t& c : s) c = ReadLE<char16_t>();
  return s;
}

// ---------------------------------------------------------------- values

void TReader::RaiseUnexpected(TValueType Found, const char* Expected) {
  --FBufPos;  // the tag just read
  if (FBufPos < 0) FBufPos = 0;
  RaiseFormat(Format("%s: expected %s, found %s", {SInvalidPropertyValue, Expected, kValueTypeNames[Found]}));
}

TValueType TReader::CheckTag(uint8_t Tag) {
  if (Tag > vaLast) RaiseFormat(Format("%s: unknown value type %d", {SInvalidImage, Tag}));
  return static_cast<TValueType>(Tag);
}

TValueType TReader::NextValue() { return CheckTag(PeekByte()); }

TValueType TReader::ReadValue() {
  const TValueType t = CheckTag(PeekByte());
  ++FBufPos;
  return t;
}

void TReader::CheckValue(TValueType Value) {
  const TValueType t = ReadValue();
  if (t != Value) RaiseUnexpected(t, kValueTypeNames[Value]);
}

bool TReader::EndOfList() { return PeekByte() == vaNull; }

void TReader::ReadListBegin() { CheckValue(vaList); }

void TReader::ReadListEnd() { CheckValue(vaNull); }

void TReader::ReadSignature() {
  char signature[4] = {};
  try {
    ReadData(signature, 4);
  } catch (const EReadError&) {
    throw EReadError(SInvalidImage);
  }
  if (std::memcmp(signature, FilerSignatureText, 4) != 0) throw EReadError(SInvalidImage);
}

void TReader::ReadPrefix(TFilerFlags& Flags, int32_t& AChildPos) {
  Flags = TFilerFlags();
  if (!IsPrefixByte(PeekByte())) return;
  const uint8_t prefix = ReadByte();
  if ((prefix & kPrefixReservedBit) != 0) {
    --FBufPos;
    RaiseFormat(Format("%s: invalid component prefix %d", {SInvalidImage, prefix}));
  }
  Flags = DecodePrefixFlags(prefix);
  if (Flags.Contains(ffChildPos)) AChildPos = ReadInteger();
}

int64_t TReader::ReadIntegerData(TValueType Tag) {
  switch (Tag) {
    case vaInt8:
      return ReadLE<int8_t>();
    case vaInt16:
      return ReadLE<int16_t>();
    case vaInt32:
      return ReadLE<int32_t>();
    default:
      return ReadLE<int64_t>();
  }
}

int32_t TReader::ReadInteger() {
  const TValueType t = ReadValue();
  if (!IsInt32Tag(t)) RaiseUnexpected(t, "an integer");
  return static_cast<int32_t>(ReadIntegerData(t));
}

int64_t TReader::ReadInt64() {
  const TValueType t = ReadValue();
  if (!IsIntegerTag(t)) RaiseUnexpected(t, "an integer");
  return ReadIntegerData(t);
}

bool TReader::ReadBoolean() {
  const TValueType t = ReadValue();
  if (t != vaFalse && t != vaTrue) RaiseUnexpected(t, "a boolean");
  return t == vaTrue;
}

double TReader::ReadFloat() {
  const TValueType t = ReadValue();
  switch (t) {
    case vaExtended: {
      uint8_t bytes[10];
      ReadData(bytes, 10);
      return DecodeExtended(bytes);
    }
    case vaSingle:
      return ReadLE<float>();
    case vaDate:
      return ReadLE<double>();
    case vaCurrency:
      return Currency::FromRaw(ReadLE<int64_t>()).ToDouble();
    default:
      if (!IsIntegerTag(t)) RaiseUnexpected(t, "a number");
      return static_cast<double>(ReadIntegerData(t));
  }
}

float TReader::ReadSingle() { return ToSingle(ReadFloat()); }

Currency TReader::ReadCurrency() {
  if (NextValue() == vaCurrency) {
    ReadValue();
    return Currency::FromRaw(ReadLE<int64_t>());
  }
  const int64_t start = GetPosition();
  const double value = ReadFloat();
  if (!(std::fabs(value) < 9.2e14)) {
    SetPosition(start);
    RaiseFormat(Format("%s: %s does not fit a currency", {SInvalidPropertyValue, FloatToStr(value)}));
  }
  return Currency::FromDouble(value);
}

double TReader::ReadDate() { return ReadFloat(); }

std::string TReader::ReadStr() { return ReadBytes(ReadByte()); }

std::string TReader::ReadString() {
  const TValueType t = ReadValue();
  switch (t) {
    case vaString:
      return ReadBytes(ReadByte());
    case vaLString:
    case vaUTF8String:
      return ReadBytes(ReadLength());
    case vaWString:
      return Utf16ToUtf8(ReadWideData());
    default:
      RaiseUnexpected(t, "a string");
  }
}

std::u16string TReader::ReadWideString() {
  if (NextValue() != vaWString) return Utf8ToUtf16(ReadString());
  ReadValue();
  return ReadWideData();
}

char TReader::ReadChar() {
  const int64_t start = GetPosition();
  const std::string s = ReadString();
  if (s.size() != 1) {
    SetPosition(start);
    RaiseFormat(Format("%s: expected one character, found '%s'", {SInvalidPropertyValue, s}));
  }
  return s[0];
}

std::string TReader::ReadIdent() {
  const TValueType t = ReadValue();
  switch (t) {
    case vaIdent:
      return ReadStr();
    case vaFalse:
      return "False";
    case vaTrue:
      return "True";
    case vaNil:
      return "nil";
    case vaNull:
      return "Null";
    default:
      RaiseUnexpected(t, "an identifier");
  }
}

std::vector<std::string> TReader::ReadSet() {
  CheckValue(vaSet);
  std::vector<std::string> names;
  for (std::string s = ReadStr(); !s.empty(); s = ReadStr()) names.push_back(std::move(s));
  return names;
}

std::vector<uint8_t> TReader::ReadBinary() {
  CheckValue(vaBinary);
  std::vector<uint8_t> bytes(static_cast<std::size_t>(ReadLength()));
  ReadData(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

Variant TReader::ReadVariant() {
  const TValueType t = NextValue();
  switch (t) {
    case vaNil:
    case vaNull:
      ReadValue();
      return t == vaNil ? Variant() : Variant::Null();
    case vaFalse:
    case vaTrue:
      return Variant(ReadBoolean());
    case vaInt8:
    case vaInt16:
    case vaInt32:
      return Variant(ReadInteger());
    case vaInt64:
      return Variant(ReadInt64());
    case vaCurrency:
      return Variant(ReadCurrency());
    case vaExtended:
    case vaSingle:
    case vaDate:
      return Variant(ReadFloat());
    case vaWString:
      return Variant(ReadWideString());
    case vaString:
    case vaLString:
    case vaUTF8String:
      return Variant(ReadString());
    case vaIdent:
      return Variant(ReadIdent());
    case vaList:
      return ReadVariantArray();
    default:
      ReadValue();
      RaiseUnexpected(t, "a simple value");
  }
}

Variant TReader::ReadVariantArray() {
  TNestingGuard nest = Nest();
  ReadListBegin();
  std::vector<Variant> items;
  while (!EndOfList()) items.push_back(ReadVariant());
  ReadListEnd();
  Variant array = VarArrayCreate({0, static_cast<int32_t>(items.size()) - 1});
  for (std::size_t i = 0; i < items.size(); ++i) VarArrayPut(array, items[i], {static_cast<int32_t>(i)});
  return array;
}

void TReader::SkipValue() { CopyValue(nullptr); }

// Moves Count raw bytes to Writer (or drops them without one).
void TReader::CopyBytes(TWriter* Writer, int64_t Count) {
  uint8_t chunk[256];
  while (Count > 0) {
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(Count, sizeof(chunk)));
    ReadData(chunk, n);
    if (Writer) Writer->Write(chunk, n);
    Count -= n;
  }
}

void TReader::CopyStr(TWriter* Writer) {
  const std::string s = ReadStr();
  if (Writer) Writer->WriteStr(s);
}

void TReader::CopyLength(TWriter* Writer, int64_t UnitSize) {
  const int32_t n = ReadLength();
  if (n > (FStream->GetSize() - GetPosition()) / UnitSize) RaiseFormat(Format("Invalid length %d", {n}));
  uint8_t bytes[4];
  StoreLE(n, bytes);
  if (Writer) Writer->Write(bytes, 4);
  CopyBytes(Writer, n * UnitSize);
}

void TReader::CopyList(TWriter* Writer, void (TReader::*Element)(TWriter*)) {
  while (!EndOfList()) (this->*Element)(Writer);
  ReadListEnd();
  if (Writer) Writer->WriteListEnd();
}

void TReader::CopyProperty(TWriter* Writer) {
  CopyStr(Writer);
  CopyValue(Writer);
}

void TReader::CopyCollectionItem(TWriter* Writer) {
  if (IsIntegerTag(NextValue())) CopyValue(Writer);
  ReadListBegin();
  if (Writer) Writer->WriteListBegin();
  CopyList(Writer, &TReader::CopyProperty);
}

void TReader::CopyValue(TWriter* Writer) {
  TNestingGuard nest = Nest();
  const TValueType t = ReadValue();
  if (Writer) Writer->WriteValue(t);
  switch (t) {
    case vaList:
      return CopyList(Writer, &TReader::CopyValue);
    case vaCollection:
      return CopyList(Writer, &TReader::CopyCollectionItem);
    case vaSet: {
      std::string name;
      do {
        name = ReadStr();
        if (Writer) Writer->WriteStr(name);
      } while (!name.empty());
      return;
    }
    case vaString:
    case vaIdent:
      return CopyStr(Writer);
    case vaLString:
    case vaUTF8String:
    case vaBinary:
      return CopyLength(Writer, 1);
    case vaWString:
      return CopyLength(Writer, 2);
    default:
      return CopyBytes(Writer, kFixedSize[t]);
  }
}

}  // namespace host
