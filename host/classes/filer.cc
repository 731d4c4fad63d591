#include "host/classes/filer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

#include "host/classes/collections.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TFiler, TObject)
HOST_IMPL(TReader, TFiler)
HOST_IMPL(TWriter, TFiler)

namespace {

constexpr const char* kValueTypeNames[] = {
    "vaNull",  "vaList",    "vaInt8",  "vaInt16",  "vaInt32",      "vaExtended", "vaString",
    "vaIdent", "vaFalse",   "vaTrue",  "vaBinary", "vaSet",        "vaLString",  "vaNil",
    "vaCollection", "vaSingle", "vaCurrency", "vaDate", "vaWString", "vaInt64", "vaUTF8String"};
static_assert(std::size(kValueTypeNames) == vaLast + 1);

// Bytes of data after the tag of the values that have a fixed size.
constexpr int8_t kFixedSize[] = {0, -1, 1, 2, 4, 10, -1, -1, 0, 0, -1, -1, -1, 0, -1, 4, 8, 8, -1, 8, -1};
static_assert(std::size(kFixedSize) == vaLast + 1);

bool IsIntegerTag(TValueType t) { return t == vaInt8 || t == vaInt16 || t == vaInt32 || t == vaInt64; }

template <class T>
void StoreLE(T value, uint8_t* out) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof(T));
  for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

template <class T>
T LoadLE(const uint8_t* in) {
  uint64_t bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<uint64_t>(in[i]) << (8 * i);
  T value;
  std::memcpy(&value, &bits, sizeof(T));
  return value;
}

// The classic 10-byte extended: 64-bit mantissa with its integer bit, then
// the sign and a 15-bit exponent biased by 16383.
void EncodeExtended(double value, uint8_t out[10]) {
  uint64_t mantissa = 0;
  uint16_t exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (value != 0) {
    int e = 0;
    double m = std::frexp(std::fabs(value), &e);  // m in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
    exponent = static_cast<uint16_t>(e - 1 + 16383);
  }
  if (std::signbit(value)) exponent |= 0x8000;
  StoreLE(mantissa, out);
  StoreLE(exponent, out + 8);
}

double DecodeExtended(const uint8_t in[10]) {
  const uint64_t mantissa = LoadLE<uint64_t>(in);
  const uint16_t raw = LoadLE<uint16_t>(in + 8);
  const bool negative = (raw & 0x8000) != 0;
  const int exponent = raw & 0x7FFF;
  double value;
  if (exponent == 0x7FFF)
    value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  else
    value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -value : value;
}

float ToSingle(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Restores a variable when the scope ends, however it ends.
template <class T>
class TRestore {
 public:
  TRestore(T& var, T value) : var_(var), saved_(var) { var_ = std::move(value); }
  ~TRestore() { var_ = std::move(saved_); }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& var_;
  T saved_;
};

// Sets the filer's ancestor for a scope and puts the previous one back.
class TAncestorScope {
 public:
  TAncestorScope(TFiler* filer, TPersistent* ancestor) : filer_(filer), saved_(filer->GetAncestor()) {
    filer_->SetAncestor(ancestor);
  }
  ~TAncestorScope() { filer_->SetAncestor(saved_); }
  TAncestorScope(const TAncestorScope&) = delete;
  TAncestorScope& operator=(const TAncestorScope&) = delete;

 private:
  TFiler* filer_;
  TPersistent* saved_;
};

// A property error already carrying its "Error reading ..." text: passed on
// unchanged by the enclosing property reads.
class EPropertyReadError : public EReadError {
 public:
  using EReadError::EReadError;
};

}  // namespace

// ------------------------------------------------------------------- TFiler

TFiler::TFiler(TStream* Stream, int32_t BufSize)
    : FStream(Stream), FBuffer(static_cast<std::size_t>(std::max<int32_t>(BufSize, 16))) {
  if (!Stream) throw EFilerError("A filer needs a stream");
}

// ------------------------------------------------------------------- TReader

// Counts nesting (components, collections, lists) and refuses absurd depths.
class TReader::TNest {
 public:
  explicit TNest(TReader& reader) : reader_(reader) {
    if (++reader_.FDepth > MaxNesting) {
      --reader_.FDepth;
      reader_.RaiseFormat(Format(SNestingTooDeep, {MaxNesting}));
    }
  }
  ~TNest() { --reader_.FDepth; }
  TNest(const TNest&) = delete;
  TNest& operator=(const TNest&) = delete;

 private:
  TReader& reader_;
};

// Watches the components a reader works on: when one is freed (by whatever
// means) the reader forgets it, so nothing it keeps can dangle.
class TReader::TGuard : public TComponent {
  HOST_CLASS(TReader::TGuard, TComponent)
  using TCreateArg = TReader;
  explicit TGuard(TReader* reader) : TComponent(nullptr), reader_(reader) {}

  void Watch(TComponent* c) { FreeNotification(c); }
  // Stops watching without telling anyone (the reading is over).
  void Release() { ClearFreeNotifies(); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) reader_->ForgetComponent(AComponent);
  }

 protected:
  ~TGuard() override = default;

 private:
  TReader* reader_;
};

HOST_IMPL(TReader::TGuard, TComponent)

TReader::TReader(TStream* Stream, int32_t BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader() = default;

void TReader::Destroy() {
  FlushBuffer();
  FreeAndNil(FGuard);
  inherited::Destroy();
}

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

void TReader::RaiseFormat(const std::string& What) {
  throw EReadError("%s at position %d", {What, GetPosition()});
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
  if ((PeekByte() & 0xF0) != 0xF0) return;
  const uint8_t prefix = ReadByte();
  if ((prefix & 0x08) != 0) {
    --FBufPos;
    RaiseFormat(Format("%s: invalid component prefix %d", {SInvalidImage, prefix}));
  }
  Flags = TFilerFlags::FromBits(prefix & 0x07);
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
  if (!IsIntegerTag(t) || t == vaInt64) RaiseUnexpected(t, "an integer");
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
  TNest nest(*this);
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
  TNest nest(*this);
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

// ------------------------------------------------------------ components

std::string TReader::ComponentPath(const std::string& Name) const {
  if (!GetRoot() || GetRoot()->GetName().empty()) return Name;
  return GetRoot()->GetName() + "." + Name;
}

void TReader::Watch(TComponent* Component, bool Created) {
  if (!FGuard) FGuard = new TGuard(this);
  FGuard->Watch(Component);
  if (Created) FCreated.push_back(Component);
  if (FLoadedSet.insert(Component).second) FLoaded.push_back(Component);
}

void TReader::ForgetComponent(TComponent* Component) {
  std::erase(FCreated, Component);
  if (FLoadedSet.erase(Component)) std::erase(FLoaded, Component);
  ForgetAnchor(Component);
}

void TReader::ForgetAnchor(const TPersistent* Anchor) {
  std::erase_if(FFixups, [Anchor](const TFixup& f) {
    return std::find(f.Anchors.begin(), f.Anchors.end(), Anchor) != f.Anchors.end();
  });
}

void TReader::FreeCreatedSince(std::size_t Mark) {
  while (FCreated.size() > Mark) {
    TComponent* c = FCreated.back();
    FCreated.pop_back();
    c->Free();
  }
}

TComponent* TReader::CreateComponent(const std::string& ClassName) {
  TClass cls = FindClass(ClassName);
  if (!cls->InheritsFrom(&TComponent::StaticMetaClass))
    throw EReadError("Error reading %s: %s is not a component class", {FPropPath, ClassName});
  TComponent* c = As<TComponent>(cls->Create(FOwner));
  Watch(c, true);
  return c;
}

TComponent* TReader::FindAncestor(const std::string& Name, const std::string& ClassName) {
  TComponent* c = FOwner ? FOwner->FindComponent(Name) : nullptr;
  if (!c && OnAncestorNotFound) OnAncestorNotFound(this, Name, FindClass(ClassName), c);
  if (!c) throw EReadError(SAncestorNotFound, {Name});
  Watch(c, false);
  return c;
}

void TReader::SetComponentName(TComponent* Component, std::string Name) {
  if (OnSetName) OnSetName(this, Component, Name);
  try {
    Component->SetName(Name);
  } catch (const EComponentError& e) {
    throw EPropertyReadError(SPropertyException, {FPropPath, e.Message()});
  }
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  TFilerFlags flags;
  int32_t childPos = -1;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TNest nest(*this);
  TRestore<std::string> path(FPropPath, ComponentPath(name));
  const std::size_t mark = FCreated.size();
  TComponent* result = Component;
  try {
    if (!result) result = flags.Contains(ffInherited) ? FindAncestor(name, className) : CreateComponent(className);
    else Watch(result, false);
    result->SetStateFlag(csLoading, true);
    result->SetStateFlag(csReading, true);
    if (!flags.Contains(ffInherited)) SetComponentName(result, name);
    result->ReadState(this);
    result->SetStateFlag(csReading, false);
    if (flags.Contains(ffChildPos) && FParent) FParent->SetChildOrder(result, childPos);
  } catch (...) {
    FreeCreatedSince(mark);
    throw;
  }
  return result;
}

void TReader::ReadComponentData(TComponent* Component) {
  {
    TRestore<std::vector<TPersistent*>> anchors(FAnchors, {Component});
    while (!EndOfList()) ReadProperty(Component);
  }
  ReadListEnd();
  TRestore<TComponent*> parent(FParent, Component->GetChildParent());
  TComponent* childOwner = Component->GetChildOwner();
  TRestore<TComponent*> owner(FOwner, childOwner ? childOwner : GetRoot());
  while (!EndOfList()) {
    if (GetIgnoreChildren())
      SkipComponent();
    else
      ReadComponent(nullptr);
  }
  ReadListEnd();
}

void TReader::SkipComponent() {
  TNest nest(*this);
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  ReadStr();
  ReadStr();
  CopyList(nullptr, &TReader::CopyProperty);
  CopyList(nullptr, &TReader::SkipComponentEntry);
}

void TReader::SkipComponentEntry(TWriter*) { SkipComponent(); }

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TRestore<std::string> path(FPropPath, name);
  BeginReferences();
  const std::size_t mark = FCreated.size();
  const std::string oldName = Root ? Root->GetName() : std::string();
  TComponent* given = Root;
  try {
    if (!Root) {
      FOwner = nullptr;
      Root = CreateComponent(className);
    } else {
      Watch(Root, false);
    }
    SetRoot(Root);
    FOwner = Root;
    FParent = nullptr;
    Root->SetStateFlag(csLoading, true);
    Root->SetStateFlag(csReading, true);
    SetComponentName(Root, name);
    Root->ReadState(this);
    Root->SetStateFlag(csReading, false);
    FixupReferences();
    for (std::size_t i = 0; i < FLoaded.size(); ++i) FLoaded[i]->Loaded();
  } catch (...) {
    for (TComponent* c : FLoaded) {
      c->SetStateFlag(csLoading, false);
      c->SetStateFlag(csReading, false);
    }
    FreeCreatedSince(mark);
    if (given && given->GetName() != oldName) given->SetName(oldName);
    EndReferences();
    throw;
  }
  EndReferences();
  return Root;
}

void TReader::ReadCollection(TCollection* Collection) {
  TNest nest(*this);
  Collection->BeginUpdate();
  struct TEnd {
    TCollection* c;
    ~TEnd() { c->EndUpdate(); }
  } end{Collection};
  if (!EndOfList()) {
    for (int32_t i = 0; i < Collection->GetCount(); ++i) ForgetAnchor(Collection->GetItem(i));
    Collection->Clear();
  }
  const std::string base = FPropPath;
  while (!EndOfList()) {
    if (IsIntegerTag(NextValue())) ReadInt64();
    TCollectionItem* item = Collection->Add();
    TRestore<std::string> path(FPropPath, Format("%s[%d]", {base, Collection->GetCount() - 1}));
    FAnchors.push_back(item);
    struct TPop {
      std::vector<TPersistent*>& a;
      ~TPop() { a.pop_back(); }
    } pop{FAnchors};
    TNest itemNest(*this);
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

// ------------------------------------------------------------ properties

void TReader::HandlePropertyError(const std::string& Message) {
  bool handled = false;
  if (FCanHandleExcepts && OnError) OnError(this, Message, handled);
  if (!handled) throw EPropertyReadError(Message);
}

void TReader::ReadProperty(TPersistent* Instance) {
  const std::string name = ReadStr();
  const int64_t valueStart = GetPosition();
  std::string message;
  {
    TRestore<std::string> path(FPropPath, FPropPath + "." + name);
    try {
      ReadPropPath(Instance, name);
      return;
    } catch (const EPropertyReadError&) {
      throw;  // named and offered to OnError where it happened
    } catch (const Exception& e) {
      message = Format(SPropertyException, {FPropPath, e.Message()});
    }
  }
  HandlePropertyError(message);
  SetPosition(valueStart);
  SkipValue();
}

void TReader::ReadPropPath(TPersistent* Instance, const std::string& Name) {
  TPersistent* target = Instance;
  std::string_view rest = Name;
  for (std::size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
    const TPropInfo* prop = GetPropInfo(target->ClassType(), rest.substr(0, dot));
    auto* next = prop && prop->IsNestedObject() ? dynamic_cast<TPersistent*>(GetObjectProp(target, *prop)) : nullptr;
    if (!next) throw EReadError(SUnknownProperty, {Name});
    target = next;
    rest.remove_prefix(dot + 1);
  }
  if (const TPropInfo* prop = GetPropInfo(target->ClassType(), rest))
    ReadPropValue(target, *prop);
  else if (!ReadCustomProperty(target, std::string(rest)))
    throw EReadError(SUnknownProperty, {Name});
}

bool TReader::ReadCustomProperty(TPersistent* Instance, const std::string& Name) {
  TRestore<std::string> name(FDefineName, Name);
  TRestore<bool> found(FDefineFound, false);
  TRestore<bool> handle(FCanHandleExcepts, false);
  // Custom data may span several values, so an error inside it cannot be
  // skipped: it is named here and never offered to OnError.
  try {
    Instance->DefineProperties(this);
  } catch (const EPropertyReadError&) {
    throw;
  } catch (const Exception& e) {
    throw EPropertyReadError(SPropertyException, {FPropPath, e.Message()});
  }
  return FDefineFound;
}

void TReader::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (FDefineFound || !ReadData || !AnsiSameText(Name, FDefineName)) return;
  FDefineFound = true;
  ReadData(this);
}

void TReader::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc, bool) {
  if (FDefineFound || !ReadData || !AnsiSameText(Name, FDefineName)) return;
  FDefineFound = true;
  const std::vector<uint8_t> bytes = ReadBinary();
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  if (!bytes.empty()) data->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  data->SetPosition(0);
  ReadData(data.get());
}

namespace {
// The value of an identifier written for an integer property (Color = clRed).
int32_t IntegerFromIdent(const std::string& Ident, const TPropInfo& Prop) {
  int32_t value = 0;
  const TIdentToInt toInt = FindIdentToInt(Prop.PropType);
  if (!toInt || !toInt(Ident, value))
    throw EReadError("%s: '%s' is not a value of %s", {SInvalidPropertyValue, Ident, Prop.PropType->Name});
  return value;
}
}  // namespace

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  if (Prop.IsNestedObject()) return ReadNestedObject(Instance, Prop);
  if (!Prop.IsWritable()) throw EReadError("Property %s is read-only", {Prop.Name});
  switch (Prop.Kind()) {
    case tkInteger:
    case tkInt64:
      if (NextValue() == vaIdent) return SetOrdProp(Instance, Prop, IntegerFromIdent(ReadIdent(), Prop));
      return SetOrdProp(Instance, Prop, ReadInt64());
    case tkChar:
      return SetOrdProp(Instance, Prop, static_cast<unsigned char>(ReadChar()));
    case tkEnumeration: {
      const std::string ident = ReadIdent();
      const int32_t value = GetEnumValue(Prop.PropType, ident);
      if (value < 0)
        throw EReadError("%s: '%s' is not a value of %s", {SInvalidPropertyValue, ident, Prop.PropType->Name});
      return SetOrdProp(Instance, Prop, value);
    }
    case tkSet:
      return SetOrdProp(Instance, Prop, NamesToSet(Prop.PropType, ReadSet()));
    case tkFloat:
      return SetPropValue(Instance, Prop,
                          Prop.PropType->FloatType == ftCurr ? Variant(ReadCurrency()) : Variant(ReadFloat()));
    case tkLString:
      return SetPropValue(Instance, Prop, Variant(ReadString()));
    case tkWString:
      return SetPropValue(Instance, Prop, Variant(ReadWideString()));
    case tkVariant:
      return SetPropValue(Instance, Prop, ReadVariant());
    case tkClass:
      return ReadReference(Instance, Prop);
    default:
      throw EReadError("Property %s cannot be read", {Prop.Name});
  }
}

void TReader::ReadNestedObject(TPersistent* Instance, const TPropInfo& Prop) {
  TObject* obj = GetObjectProp(Instance, Prop);
  const TValueType t = ReadValue();
  if (t == vaNil) return;
  auto* collection = dynamic_cast<TCollection*>(obj);
  if (t != vaCollection || !collection) RaiseUnexpected(t, collection ? "a collection" : "nested properties");
  ReadCollection(collection);
}

void TReader::ReadReference(TPersistent* Instance, const TPropInfo& Prop) {
  if (NextValue() == vaNil) {
    ReadValue();
    return SetObjectProp(Instance, Prop, nullptr);
  }
  const TValueType t = NextValue();
  if (t != vaIdent) {
    ReadValue();
    RaiseUnexpected(t, "a component name");
  }
  TFixup fixup{Instance, &Prop, ReadIdent(), FPropPath, FAnchors};
  if (FReferenceLevel > 0)
    FFixups.push_back(std::move(fixup));
  else
    ApplyFixup(fixup);
}

// -------------------------------------------------------------- references

void TReader::BeginReferences() { ++FReferenceLevel; }

void TReader::EndReferences() {
  if (FReferenceLevel > 0 && --FReferenceLevel == 0) {
    FFixups.clear();
    FLoaded.clear();
    FLoadedSet.clear();
    FCreated.clear();
    if (FGuard) FGuard->Release();
    FreeAndNil(FGuard);
  }
}

TComponent* TReader::FindReference(const std::string& Name) const {
  TComponent* root = GetRoot();
  if (!root || Name.empty()) return nullptr;
  if (AnsiSameText(root->GetName(), Name)) return root;
  return root->FindComponent(Name);
}

void TReader::ApplyFixup(const TFixup& Fixup) {
  std::string name = Fixup.Name;
  if (OnReferenceName) OnReferenceName(this, name);
  std::string message;
  try {
    TComponent* target = FindReference(name);
    if (!target) throw EReadError(SUnresolvedReference, {name});
    SetObjectProp(Fixup.Instance, *Fixup.Prop, target);
    return;
  } catch (const Exception& e) {
    message = Format(SPropertyException, {Fixup.Path, e.Message()});
  }
  HandlePropertyError(message);
}

void TReader::FixupReferences() {
  // A setter run by a fixup may free components; the guard then drops their
  // fixups, so the list is consumed from the front one entry at a time.
  while (!FFixups.empty()) {
    TFixup fixup = std::move(FFixups.front());
    FFixups.pop_front();
    ApplyFixup(fixup);
  }
}

// ------------------------------------------------------------------- TWriter

TWriter::TWriter(TStream* Stream, int32_t BufSize) : TFiler(Stream, BufSize) {}

TWriter::~TWriter() = default;

// Writes out what is still buffered. A failure here cannot be reported any
// more; WriteRootComponent and WriteDescendent flush themselves, and callers
// of the value primitives call FlushBuffer to see write errors.
void TWriter::Destroy() {
  try {
    FlushBuffer();
  } catch (const Exception&) {
  }
  inherited::Destroy();
}

int64_t TWriter::GetPosition() { return FStream->GetPosition() + FBufPos; }

void TWriter::SetPosition(int64_t Value) {
  FlushBuffer();
  FStream->SetPosition(Value);
}

void TWriter::FlushBuffer() {
  const int32_t n = FBufPos;
  FBufPos = 0;
  if (n > 0) FStream->WriteBuffer(FBuffer.data(), n);
}

void TWriter::WriteData(const void* Buf, int32_t Count) {
  if (Count == 0) return;  // Buf may be null then
  const auto capacity = static_cast<int32_t>(FBuffer.size());
  if (Count > capacity - FBufPos) FlushBuffer();
  if (Count >= capacity) {
    FStream->WriteBuffer(Buf, Count);
    return;
  }
  std::memcpy(FBuffer.data() + FBufPos, Buf, static_cast<std::size_t>(Count));
  FBufPos += Count;
}

void TWriter::Write(const void* Buf, int32_t Count) {
  if (Count < 0) throw EWriteError("Negative write count (%d)", {Count});
  WriteData(Buf, Count);
}

void TWriter::WriteByte(uint8_t Value) {
  if (FBufPos == static_cast<int32_t>(FBuffer.size())) FlushBuffer();
  FBuffer[static_cast<std::size_t>(FBufPos++)] = Value;
}

template <class T>
void TWriter::WriteLE(T Value) {
  uint8_t bytes[sizeof(T)];
  StoreLE(Value, bytes);
  WriteData(bytes, sizeof(T));
}

void TWriter::WriteLength(std::size_t Value) {
  if (Value > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
    throw EWriteError("Value of %d bytes is too long to write", {static_cast<int64_t>(Value)});
  WriteLE(static_cast<int32_t>(Value));
}

void TWriter::WriteValue(TValueType Value) { WriteByte(Value); }

void TWriter::WriteListBegin() { WriteValue(vaList); }

void TWriter::WriteListEnd() { WriteValue(vaNull); }

void TWriter::WriteSignature() { WriteData(FilerSignatureText, 4); }

void TWriter::WritePrefix(TFilerFlags Flags, int32_t AChildPos) {
  if (Flags.Empty()) return;
  WriteByte(static_cast<uint8_t>(0xF0 | Flags.Bits()));
  if (Flags.Contains(ffChildPos)) WriteInteger(AChildPos);
}

void TWriter::WriteComponentHeader(TFilerFlags Flags, int32_t AChildPos, const std::string& ClassName,
                                   const std::string& Name) {
  if (ClassName.size() >= MaxClassNameLength + 1)
    throw EWriteError("Class name '%s...' is too long: a component entry holds at most %d bytes",
                      {ClassName.substr(0, 32), static_cast<int>(MaxClassNameLength)});
  WritePrefix(Flags, AChildPos);
  WriteStr(ClassName);
  WriteStr(Name);
}

void TWriter::WriteInteger(int32_t Value) {
  if (Value >= INT8_MIN && Value <= INT8_MAX) {
    WriteValue(vaInt8);
    WriteLE(static_cast<int8_t>(Value));
  } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
    WriteValue(vaInt16);
    WriteLE(static_cast<int16_t>(Value));
  } else {
    WriteValue(vaInt32);
    WriteLE(Value);
  }
}

void TWriter::WriteInt64(int64_t Value) {
  if (Value >= INT32_MIN && Value <= INT32_MAX) return WriteInteger(static_cast<int32_t>(Value));
  WriteValue(vaInt64);
  WriteLE(Value);
}

void TWriter::WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }

void TWriter::WriteFloat(double Value) {
  uint8_t bytes[10];
  EncodeExtended(Value, bytes);
  WriteValue(vaExtended);
  WriteData(bytes, 10);
}

void TWriter::WriteSingle(float Value) {
  WriteValue(vaSingle);
  WriteLE(Value);
}

void TWriter::WriteCurrency(Currency Value) {
  WriteValue(vaCurrency);
  WriteLE(Value.Value);
}

void TWriter::WriteDate(double Value) {
  WriteValue(vaDate);
  WriteLE(Value);
}

void TWriter::WriteStr(const std::string& Value) {
  if (Value.size() > 255) throw EWriteError("Name '%s...' is longer than 255 bytes", {Value.substr(0, 32)});
  WriteByte(static_cast<uint8_t>(Value.size()));
  WriteData(Value.data(), static_cast<int32_t>(Value.size()));
}

void TWriter::WriteString(const std::string& Value) {
  if (!IsAscii(Value)) return WriteUTF8String(Value);
  if (Value.size() <= 255) {
    WriteValue(vaString);
    return WriteStr(Value);
  }
  WriteValue(vaLString);
  WriteLength(Value.size());
  WriteData(Value.data(), static_cast<int32_t>(Value.size()));
}

void TWriter::WriteUTF8String(const std::string& Value) {
  WriteValue(vaUTF8String);
  WriteLength(Value.size());
  WriteData(Value.data(), static_cast<int32_t>(Value.size()));
}

void TWriter::WriteWideString(const std::u16string& Value) {
  WriteValue(vaWString);
  WriteLength(Value.size());
  for (char16_t c : Value) WriteLE(c);
}

void TWriter::WriteChar(char Value) { WriteString(std::string(1, Value)); }

void TWriter::WriteIdent(const std::string& Ident) {
  static constexpr struct {
    const char* name;
    TValueType tag;
  } kSpecial[] = {{"False", vaFalse}, {"True", vaTrue}, {"nil", vaNil}, {"Null", vaNull}};
  for (const auto& s : kSpecial)
    if (SameText(Ident, s.name)) return WriteValue(s.tag);
  WriteValue(vaIdent);
  WriteStr(Ident);
}

void TWriter::WriteSet(const std::vector<std::string>& Names) {
  WriteValue(vaSet);
  for (const std::string& name : Names)
    if (!name.empty()) WriteStr(name);
  WriteStr("");
}

void TWriter::WriteBinary(const void* Buf, int32_t Count) {
  if (Count < 0) throw EWriteError("Negative write count (%d)", {Count});
  WriteValue(vaBinary);
  WriteLength(static_cast<std::size_t>(Count));
  WriteData(Buf, Count);
}

void TWriter::WriteVariant(const Variant& Value) {
  if (Value.IsArray()) {
    if (VarArrayDimCount(Value) != 1) throw EWriteError("Only one-dimensional Variant arrays can be written");
    WriteListBegin();
    for (int32_t i = VarArrayLowBound(Value, 1); i <= VarArrayHighBound(Value, 1); ++i)
      WriteVariant(VarArrayGet(Value, {i}));
    return WriteListEnd();
  }
  switch (Value.VarType()) {
    case varEmpty:
      return WriteValue(vaNil);
    case varNull:
      return WriteValue(vaNull);
    case varSmallint:
    case varInteger:
    case varByte:
      return WriteInteger(Value.AsInteger());
    case varInt64:
      return WriteInt64(Value.AsInt64());
    case varSingle:
      return WriteSingle(static_cast<float>(Value.AsDouble()));
    case varDouble:
      return WriteFloat(Value.AsDouble());
    case varDate:
      return WriteDate(Value.AsDouble());
    case varCurrency:
      return WriteCurrency(Value.AsCurrency());
    case varBoolean:
      return WriteBoolean(Value.AsBoolean());
    case varString:
      return WriteString(Value.AsString());
    case varOleStr:
      return WriteWideString(Value.AsWideString());
    default:
      throw EWriteError("Cannot write a Variant of type %s", {VarTypeAsText(Value.VarType())});
  }
}

// ------------------------------------------------------------ components

void TWriter::WriteRootComponent(TComponent* Root) { WriteDescendent(Root, nullptr); }

void TWriter::WriteDescendent(TComponent* Root, TComponent* AAncestor) {
  SetRoot(Root);
  SetAncestor(AAncestor);
  FRootAncestor = AAncestor;
  WriteSignature();
  WriteComponent(Root);
  FlushBuffer();
}

void TWriter::WriteComponent(TComponent* Component) {
  if (++FDepth > TReader::MaxNesting) {
    --FDepth;
    throw EWriteError(SNestingTooDeep, {TReader::MaxNesting});
  }
  struct TLeave {
    TWriter* w;
    TComponent* c;
    ~TLeave() {
      c->SetStateFlag(csWriting, false);
      --w->FDepth;
    }
  } leave{this, Component};
  Component->SetStateFlag(csWriting, true);
  Component->WriteState(this);
}

void TWriter::WriteComponentData(TComponent* Component) {
  TFilerFlags flags;
  if (GetAncestor()) flags.Include(ffInherited);
  WriteComponentHeader(flags, 0, Component->ClassName(), Component->GetName());
  WriteProperties(Component);
  WriteListEnd();
  if (!GetIgnoreChildren()) Component->GetChildren(TGetChildProc(this, &TWriter::WriteChild), GetRoot());
  WriteListEnd();
}

void TWriter::WriteChild(TComponent* Child) {
  auto* rootAncestor = dynamic_cast<TComponent*>(FRootAncestor);
  TComponent* ancestor = rootAncestor ? rootAncestor->FindComponent(Child->GetName()) : nullptr;
  TAncestorScope scope(this, ancestor);
  WriteComponent(Child);
}

void TWriter::WriteProperties(TPersistent* Instance) {
  TPersistent* ancestor = GetAncestor();
  for (const TPropInfo* prop : GetPropList(Instance->ClassType())) {
    const bool comparable = ancestor && GetPropInfo(ancestor->ClassType(), prop->Name) == prop;
    WriteProperty(Instance, *prop, comparable ? ancestor : nullptr);
  }
  Instance->DefineProperties(this);
}

std::string TWriter::ReferenceName(TComponent* Component) const {
  if (!Component || Component->GetName().empty()) return {};
  TComponent* root = GetRoot();
  if (Component == root || Component->GetOwner() == root || !Component->GetOwner()) return Component->GetName();
  if (Component->GetOwner()->GetName().empty()) return {};
  return Component->GetOwner()->GetName() + "." + Component->GetName();
}

bool TWriter::SameAsAncestor(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance) const {
  if (Prop.IsComponentRef()) {
    auto name = [&](TPersistent* p) {
      return ReferenceName(static_cast<TComponent*>(GetObjectProp(p, Prop)));
    };
    return AnsiSameText(name(Instance), name(AncestorInstance));
  }
  return GetPropValue(Instance, Prop) == GetPropValue(AncestorInstance, Prop);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance) {
  if (!Prop.IsStored(Instance)) return;
  if (Prop.IsNestedObject()) return WriteNestedObject(Instance, Prop, AncestorInstance);
  if (!Prop.IsWritable()) return;
  if (AncestorInstance ? SameAsAncestor(Instance, Prop, AncestorInstance) : IsDefaultPropValue(Instance, Prop)) return;
  switch (Prop.Kind()) {
    case tkInteger:
    case tkInt64: {
      WritePropName(Prop.Name);
      const int64_t value = GetOrdProp(Instance, Prop);
      std::string ident;
      const TIntToIdent toIdent = Prop.Kind() == tkInteger ? FindIntToIdent(Prop.PropType) : nullptr;
      if (toIdent && toIdent(static_cast<int32_t>(value), ident)) return WriteIdent(ident);
      return WriteInt64(value);
    }
    case tkChar:
      WritePropName(Prop.Name);
      return WriteChar(static_cast<char>(GetOrdProp(Instance, Prop)));
    case tkEnumeration:
      WritePropName(Prop.Name);
      return WriteIdent(GetEnumName(Prop.PropType, GetOrdProp(Instance, Prop)));
    case tkSet:
      WritePropName(Prop.Name);
      return WriteSet(SetToNames(Prop.PropType, GetOrdProp(Instance, Prop)));
    case tkFloat:
      return WriteFloatProp(Instance, Prop);
    case tkLString:
      WritePropName(Prop.Name);
      return WriteString(GetPropValue(Instance, Prop).AsString());
    case tkWString:
      WritePropName(Prop.Name);
      return WriteWideString(GetPropValue(Instance, Prop).AsWideString());
    case tkVariant:
      WritePropName(Prop.Name);
      return WriteVariant(GetPropValue(Instance, Prop));
    case tkClass: {
      const std::string name = ReferenceName(static_cast<TComponent*>(GetObjectProp(Instance, Prop)));
      if (name.empty()) return;  // a component without a name cannot be referred to
      WritePropName(Prop.Name);
      return WriteIdent(name);
    }
    default:
      return;
  }
}

void TWriter::WriteFloatProp(TPersistent* Instance, const TPropInfo& Prop) {
  const Variant value = GetPropValue(Instance, Prop);
  WritePropName(Prop.Name);
  switch (Prop.PropType->FloatType) {
    case ftSingle:
      return WriteSingle(static_cast<float>(value.AsDouble()));
    case ftCurr:
      return WriteCurrency(value.AsCurrency());
    default:
      return WriteFloat(value.AsDouble());
  }
}

void TWriter::WriteNestedObject(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance) {
  auto* obj = dynamic_cast<TPersistent*>(GetObjectProp(Instance, Prop));
  if (!obj) return;
  auto* ancestorObj = AncestorInstance ? dynamic_cast<TPersistent*>(GetObjectProp(AncestorInstance, Prop)) : nullptr;
  if (auto* collection = dynamic_cast<TCollection*>(obj)) {
    auto* ancestorCollection = dynamic_cast<TCollection*>(ancestorObj);
    if (ancestorCollection ? CollectionsEqual(collection, ancestorCollection) : collection->GetCount() == 0) return;
    WritePropName(Prop.Name);
    return WriteCollection(collection);
  }
  TRestore<std::string> path(FPropPath, FPropPath + std::string(Prop.Name) + ".");
  TAncestorScope scope(this, ancestorObj);
  WriteProperties(obj);
}

bool TWriter::CollectionsEqual(TCollection* A, TCollection* B) {
  if (A->GetCount() != B->GetCount()) return false;
  auto bytesOf = [this](TCollection* c) {
    TOwned<TStringStream> data = MakeOwned<TStringStream>();
    TOwned<TWriter> writer = MakeOwned<TWriter>(data.get(), 1024);
    writer->SetRoot(GetRoot());
    writer->WriteCollection(c);
    writer->FlushBuffer();
    return data->GetDataString();
  };
  return bytesOf(A) == bytesOf(B);
}

void TWriter::WriteCollection(TCollection* Value) {
  TRestore<std::string> path(FPropPath, std::string());
  TAncestorScope scope(this, nullptr);
  WriteValue(vaCollection);
  for (int32_t i = 0; i < Value->GetCount(); ++i) {
    WriteListBegin();
    WriteProperties(Value->GetItem(i));
    WriteListEnd();
  }
  WriteListEnd();
}

void TWriter::WritePropName(std::string_view Name) { WriteStr(FPropPath + std::string(Name)); }

void TWriter::DefineProperty(const std::string& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const std::string& Name, TStreamProc, TStreamProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  WriteData(data.get());
  if (data->GetSize() > std::numeric_limits<int32_t>::max()) throw EWriteError("Binary property %s is too large", {Name});
  WritePropName(Name);
  WriteBinary(data->GetMemory(), static_cast<int32_t>(data->GetSize()));
}

}  // namespace host
