// TWriter: the buffer over the stream, the value primitives, and writing
// components, collections and published or custom properties, of a plain
// form or of a descendent form compared with its ancestor.
#include "host/classes/filer.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "host/classes/collections.h"
#include "host/classes/filer_p.h"
#include "host/classes/keptprops.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"

namespace host {

using namespace filer_detail;

HOST_IMPL(TWriter, TFiler)

namespace {

bool IsAscii(std::string_view s) {
  return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Sets the filer's ancestor for a scope and puts the previous one back.
class TAncestorScope {
 public:
  TAncestorScope(TFiler* filer, TPersistent* ancestor) : FFiler(filer), FSaved(filer->GetAncestor()) {
    FFiler->SetAncestor(ancestor);
  }
  ~TAncestorScope() { FFiler->SetAncestor(FSaved); }
  TAncestorScope(const TAncestorScope&) = delete;
  TAncestorScope& operator=(const TAncestorScope&) = delete;

 private:
  TFiler* FFiler;
  TPersistent* FSaved;
};

}  // namespace

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
  WriteByte(EncodePrefix(Flags));
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
  const TNestingGuard nest(FDepth, [](const std::string& Message) { throw EWriteError(Message); });
  struct TLeave {
    TComponent* c;
    ~TLeave() { c->SetStateFlag(csWriting, false); }
  } leave{Component};
  Component->SetStateFlag(csWriting, true);
  Component->WriteState(this);
}

namespace {

// Props in the order Order (the properties an object's form file held, in
// its order): each one the file held at its place there, the others after
// the one before them in Props (first when none was held before them).
std::vector<const TPropInfo*> InReadOrder(const std::vector<const TPropInfo*>& Props,
                                          const std::vector<std::string>* Order) {
  if (!Order) return Props;
  std::vector<std::pair<double, const TPropInfo*>> keyed;
  double last = -1;
  for (const TPropInfo* prop : Props) {
    auto it = std::find_if(Order->begin(), Order->end(), [&](const std::string& n) { return SameText(n, prop->Name); });
    if (it != Order->end()) last = static_cast<double>(it - Order->begin());
    keyed.emplace_back(it != Order->end() ? last : last + 0.5, prop);
  }
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<const TPropInfo*> ordered;
  for (const auto& [key, prop] : keyed) ordered.push_back(prop);
  return ordered;
}

// Writes the properties an object keeps from its form file (keptprops.h)
// where they were read: each after the property that came before it there,
// the ones whose predecessor is not written now at the end.
class TKeptWriter {
 public:
  TKeptWriter(TWriter& Writer, const std::vector<TKeptProperty>* Kept)
      : FWriter(Writer), FKept(Kept), FDone(Kept ? Kept->size() : 0, false) {}
  void WriteAfter(std::string_view Name) {
    if (!FKept) return;
    for (std::size_t i = 0; i < FKept->size(); ++i)
      if (!FDone[i] && SameText((*FKept)[i].After, Name)) Write(i);
  }
  void WriteRest() {
    for (std::size_t i = 0; FKept && i < FKept->size(); ++i)
      if (!FDone[i]) Write(i);
  }

 private:
  void Write(std::size_t Index) {
    const TKeptProperty& p = (*FKept)[Index];
    FDone[Index] = true;
    FWriter.WriteStr(p.Path);
    FWriter.Write(p.Value.data(), static_cast<int32_t>(p.Value.size()));
    WriteAfter(p.Name);
  }
  TWriter& FWriter;
  const std::vector<TKeptProperty>* FKept;
  std::vector<bool> FDone;
};

}  // namespace

void TWriter::WriteComponentData(TComponent* Component) {
  TFilerFlags flags;
  if (GetAncestor()) flags.Include(ffInherited);
  const std::string written = WrittenClassName(Component);
  WriteComponentHeader(flags, 0, written.empty() ? Component->ClassName() : written, Component->GetName());
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
  TKeptWriter kept(*this, KeptProperties(Instance));
  kept.WriteAfter("");
  for (const TPropInfo* prop : InReadOrder(GetPropList(Instance->ClassType()), ReadOrder(Instance))) {
    const bool comparable = ancestor && GetPropInfo(ancestor->ClassType(), prop->Name) == prop;
    const int64_t before = GetPosition();
    WriteProperty(Instance, *prop, comparable ? ancestor : nullptr);
    if (GetPosition() != before) kept.WriteAfter(prop->Name);
  }
  Instance->DefineProperties(this);
  kept.WriteRest();
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
    auto name = [&](TPersistent* p) { return ReferenceName(static_cast<TComponent*>(GetObjectProp(p, Prop))); };
    return AnsiSameText(name(Instance), name(AncestorInstance));
  }
  return GetPropValue(Instance, Prop) == GetPropValue(AncestorInstance, Prop);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance) {
  if (!Prop.IsStored(Instance)) return;
  if (Prop.IsNestedObject()) return WriteNestedObject(Instance, Prop, AncestorInstance);
  if (!Prop.IsWritable()) return;
  // A default value the object's form file held is written back: the eras
  // of the classic library differ in their defaults (a form's Position).
  if (AncestorInstance ? SameAsAncestor(Instance, Prop, AncestorInstance)
                       : IsDefaultPropValue(Instance, Prop) && !WasPropertyRead(Instance, Prop.Name).value_or(false))
    return;
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
    // An empty collection is left out unless its property's stored function
    // asks for it (the classic list view's "Columns = <>").
    if (ancestorCollection ? CollectionsEqual(collection, ancestorCollection)
                           : collection->GetCount() == 0 && !Prop.StoredProc)
      return;
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
  if (data->GetSize() > std::numeric_limits<int32_t>::max())
    throw EWriteError("Binary property %s is too large", {Name});
  WritePropName(Name);
  WriteBinary(data->GetMemory(), static_cast<int32_t>(data->GetSize()));
}

}  // namespace host
