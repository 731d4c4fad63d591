// The filer: TReader and TWriter move components and their published
// properties to and from the classic binary form format.
//
// Layout of a form (every multi-byte number is little-endian):
//   form      = "TPF0" component
//   component = [prefix] Str(class name) Str(name) { property } vaNull
//               { component } vaNull
//   prefix    = byte 0xF0 | flags, then Integer(child position) when
//               ffChildPos is among the flags
//   property  = Str(name) value
//   Str       = one length byte and that many bytes (no value tag)
//   value     = one TValueType tag and its data:
//     vaInt8/vaInt16/vaInt32/vaInt64   signed integer of 1/2/4/8 bytes
//     vaExtended   10-byte x87 extended (64-bit mantissa, sign and 15-bit
//                  exponent); read and written through double
//     vaSingle     4-byte float        vaDate     8-byte double
//     vaCurrency   8-byte integer, the amount times 10000
//     vaString     Str                 vaLString  4-byte length, bytes
//     vaUTF8String 4-byte length, UTF-8 bytes
//     vaWString    4-byte count of UTF-16 code units, then the units
//     vaIdent      Str                 vaFalse/vaTrue/vaNil/vaNull: no data
//     vaBinary     4-byte count, bytes
//     vaSet        Str per member name, then an empty Str
//     vaList       values, then vaNull
//     vaCollection per item: [Integer index] vaList {property} vaNull;
//                  then vaNull
// Strings are UTF-8: WriteString writes plain ASCII as vaString/vaLString and
// anything else as vaUTF8String; ReadString accepts every string tag.
//
// The sources: filer.cc (TFiler and the shared encoding helpers, declared in
// the private filer_p.h), reader_values.cc and reader.cc (TReader), writer.cc
// (TWriter).
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "host/classes/component.h"
#include "host/rtl/events.h"
#include "host/rtl/sets.h"
#include "host/rtl/variants.h"

namespace host {

class TStream;
class TReader;
class TWriter;
class TCollection;
class TNestingGuard;
struct TPropInfo;

enum TValueType : uint8_t {
  vaNull,
  vaList,
  vaInt8,
  vaInt16,
  vaInt32,
  vaExtended,
  vaString,
  vaIdent,
  vaFalse,
  vaTrue,
  vaBinary,
  vaSet,
  vaLString,
  vaNil,
  vaCollection,
  vaSingle,
  vaCurrency,
  vaDate,
  vaWString,
  vaInt64,
  vaUTF8String
};
inline constexpr uint8_t vaLast = vaUTF8String;

// Flags of a component prefix: inherited from an ancestor form, carries its
// position among its siblings, an inline (frame) component.
enum TFilerFlag : uint8_t { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, 3>;

// The four bytes every binary form starts with, and the same as a number.
inline constexpr char FilerSignatureText[] = "TPF0";
inline constexpr uint32_t FilerSignature = 0x30465054u;

// Message texts of the filer.
inline constexpr char SInvalidImage[] = "Invalid stream format";
inline constexpr char SInvalidPropertyValue[] = "Invalid property value";
inline constexpr char SUnknownProperty[] = "Property %s does not exist";
inline constexpr char SClassNotFound[] = "Class %s not found";
inline constexpr char SPropertyException[] = "Error reading %s: %s";
inline constexpr char SAncestorNotFound[] = "Ancestor for '%s' not found";
inline constexpr char SUnresolvedReference[] = "Component %s not found";
inline constexpr char SNestingTooDeep[] = "Form nests more than %d levels deep";

// The procedures of a custom property (DefineProperty / DefineBinaryProperty).
using TReaderProc = std::function<void(TReader*)>;
using TWriterProc = std::function<void(TWriter*)>;
using TStreamProc = std::function<void(TStream*)>;

// ------------------------------------------------------------------- TFiler

// The common base: the stream, a buffer over it, and the root being filed.
class TFiler : public TObject {
  HOST_CLASS(TFiler, TObject)

  // BufSize is the size of the buffer between the filer and the stream
  // (at least 16 bytes are used). The stream is borrowed.
  TFiler(TStream* Stream, int32_t BufSize);

  TComponent* GetRoot() const { return FRoot; }
  virtual void SetRoot(TComponent* Value) { FRoot = Value; }
  // The object a descendent form is compared with while writing.
  TPersistent* GetAncestor() const { return FAncestor; }
  void SetAncestor(TPersistent* Value) { FAncestor = Value; }
  bool GetIgnoreChildren() const { return FIgnoreChildren; }
  void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }
  TStream* GetStream() const { return FStream; }

  // Declares a custom stream entry of the object being filed (called from
  // TPersistent::DefineProperties). A reader calls ReadData when the entry
  // it is reading has this name; a writer writes the name and calls
  // WriteData when HasData is true.
  virtual void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
  // Same for raw bytes: the procedures see a stream holding the data only.
  virtual void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;
  // Reader: gives back to the stream what the buffer holds beyond the
  // current position. Writer: writes the buffer out.
  virtual void FlushBuffer() = 0;

 protected:
  ~TFiler() override = default;

  TStream* FStream;
  std::vector<uint8_t> FBuffer;
  int32_t FBufPos = 0;
  int32_t FBufEnd = 0;

 private:
  TComponent* FRoot = nullptr;
  TPersistent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};

// ------------------------------------------------------------------- TReader

using TReaderError = TEvent<TReader*, const std::string&, bool&>;
using TFindMethodEvent = TEvent<TReader*, const std::string&, void*&, bool&>;
using TSetNameEvent = TEvent<TReader*, TComponent*, std::string&>;
using TReferenceNameEvent = TEvent<TReader*, std::string&>;
using TAncestorNotFoundEvent = TEvent<TReader*, const std::string&, TClass, TComponent*&>;

class TReader : public TFiler {
  HOST_CLASS(TReader, TFiler)

  // Errors raised by the reader are EReadError (EClassNotFound for an
  // unknown class); low-level ones name the byte position.
  TReader(TStream* Stream, int32_t BufSize);

  // --------------------------------------------------------- properties
  // The owner of the components read by ReadComponent (the root normally).
  TComponent* GetOwner() const { return FOwner; }
  void SetOwner(TComponent* Value) { FOwner = Value; }
  // The parent component of the children being read (SetParentComponent).
  TComponent* GetParent() const { return FParent; }
  void SetParent(TComponent* Value) { FParent = Value; }
  // The logical position: the byte the next read takes.
  int64_t GetPosition();
  void SetPosition(int64_t Value);

  // ------------------------------------------------------ value primitives
  // The tag of the next value without consuming it.
  TValueType NextValue();
  // Consumes and returns the tag of the next value.
  TValueType ReadValue();
  // Consumes the next tag; raises EReadError "Invalid property value" when it
  // is not `Value`.
  void CheckValue(TValueType Value);
  // True (without consuming it) when the next byte is vaNull, the end of a
  // list (also safe before a component prefix byte).
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  // Reads and checks the "TPF0" signature.
  void ReadSignature();
  // The optional component prefix: flags and, with ffChildPos, the position.
  void ReadPrefix(TFilerFlags& Flags, int32_t& AChildPos);

  int32_t ReadInteger();  // vaInt8, vaInt16, vaInt32
  int64_t ReadInt64();    // the above and vaInt64
  bool ReadBoolean();     // vaFalse, vaTrue
  // vaExtended, vaSingle, vaDate, vaCurrency or an integer.
  double ReadFloat();
  float ReadSingle();
  Currency ReadCurrency();
  double ReadDate();
  // A length-prefixed name without a tag (property, class, component names).
  std::string ReadStr();
  // Any string tag; the result is UTF-8.
  std::string ReadString();
  std::u16string ReadWideString();
  // A string of exactly one character.
  char ReadChar();
  // vaIdent; vaFalse, vaTrue, vaNil and vaNull give "False", "True", "nil"
  // and "Null".
  std::string ReadIdent();
  // vaSet with its member names.
  std::vector<std::string> ReadSet();
  // vaBinary with its bytes.
  std::vector<uint8_t> ReadBinary();
  // Reads a value as a Variant: vaNil gives Unassigned, vaNull Null, a list
  // a one-dimensional array (bounds 0..n-1), identifiers their text, the
  // others their natural kind. Sets, binary data and collections raise
  // EReadError "Invalid property value".
  Variant ReadVariant();
  // Consumes one whole value of any kind.
  void SkipValue();
  // Raw bytes; raises EReadError at the end of the data.
  void Read(void* Buf, int32_t Count);
  // Copies the next value (of any kind) to Writer.
  void CopyValue(TWriter* Writer);

  // -------------------------------------------------------- components
  // Reads one component header, its properties and its children. With a
  // null Component the class named in the stream is created with the
  // reader's Owner; with ffInherited the component of that name already in
  // the Owner (or OnAncestorNotFound's answer) is read into.
  TComponent* ReadComponent(TComponent* Component);
  // Reads a whole form: signature, root and children, then resolves the
  // references and calls Loaded on every component read. A null Root is
  // created from the class named in the stream. On failure every
  // component created here is freed and the exception propagates.
  TComponent* ReadRootComponent(TComponent* Root);
  // Reads the items of a collection (the tag vaCollection already read).
  void ReadCollection(TCollection* Collection);
  // Reads the properties and children of Component (after its header).
  // TComponent::ReadState calls this.
  void ReadComponentData(TComponent* Component);
  // Reads one property entry into Instance.
  void ReadProperty(TPersistent* Instance);

  // Reference bookkeeping: BeginReferences starts collecting, FixupReferences
  // resolves every component reference read since (raising EReadError for a
  // name that is not in the form) and EndReferences stops collecting.
  void BeginReferences();
  void FixupReferences();
  void EndReferences();

  // Custom properties read through DefineProperty.
  void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

  // How deep components and nested values may nest before the reader (and
  // the writer and the text converters) give up.
  static constexpr int MaxNesting = 128;

  // --------------------------------------------------------------- events
  // A property could not be read; Handled = true skips it and goes on.
  TReaderError OnError;
  // A method name needs an address (event properties are not streamed here;
  // kept for the classic interface).
  TFindMethodEvent OnFindMethod;
  // A component read from the stream is about to get Name; may change it.
  TSetNameEvent OnSetName;
  // A component reference named Name is about to be resolved; may change it.
  TReferenceNameEvent OnReferenceName;
  // An inherited component is missing from the owner; may supply one.
  TAncestorNotFoundEvent OnAncestorNotFound;

 protected:
  ~TReader() override;
  void Destroy() override;

 private:
  // A component reference waiting for the end of the form. Anchors are the
  // component and collection items the property belongs to: when one of them
  // goes away, so does the fixup.
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    std::string Name;
    std::string Path;  // for messages: "Form1.Link1.Source"
    std::vector<TPersistent*> Anchors;
  };
  class TGuard;
  friend class TGuard;

  // bytes
  bool FillBuffer();
  void ReadData(void* Buf, int32_t Count);
  uint8_t ReadByte();
  uint8_t PeekByte();
  template <class T>
  T ReadLE();
  int32_t ReadLength();
  std::string ReadBytes(int32_t Count);
  std::u16string ReadWideData();
  int64_t ReadIntegerData(TValueType Tag);
  Variant ReadVariantArray();
  [[noreturn]] void RaiseFormat(const std::string& What);
  // Counts one level of nesting for the guard's lifetime (filer_p.h).
  TNestingGuard Nest();
  [[noreturn]] void RaiseUnexpected(TValueType Found, const char* Expected);
  TValueType CheckTag(uint8_t Tag);
  // copying and skipping (Writer may be null)
  void CopyBytes(TWriter* Writer, int64_t Count);
  void CopyStr(TWriter* Writer);
  void CopyLength(TWriter* Writer, int64_t UnitSize);
  void CopyList(TWriter* Writer, void (TReader::*Element)(TWriter*));
  void CopyProperty(TWriter* Writer);
  void CopyCollectionItem(TWriter* Writer);
  void SkipComponent();
  void SkipComponentEntry(TWriter*);
  // components
  std::string ComponentPath(const std::string& Name) const;
  void Watch(TComponent* Component, bool Created);
  void ForgetComponent(TComponent* Component);
  void ForgetAnchor(const TPersistent* Anchor);
  // Collection items anchor fixups too, but free no notification: while a
  // reader holds such fixups it listens to every object being freed, so an
  // item a setter frees (clearing its collection) takes its fixups along.
  void WatchItems();
  static void ItemFreed(TObject* Obj);
  void FreeCreatedSince(std::size_t Mark);
  TComponent* CreateComponent(const std::string& ClassName);
  TComponent* FindAncestor(const std::string& Name, const std::string& ClassName);
  void SetComponentName(TComponent* Component, std::string Name);
  static std::string UniqueRootName(TComponent* Root, const std::string& Name);
  // properties
  void HandlePropertyError(const std::string& Message);
  void ReadPropPath(TPersistent* Instance, const std::string& Name);
  bool ReadCustomProperty(TPersistent* Instance, const std::string& Name);
  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadNestedObject(TPersistent* Instance, const TPropInfo& Prop);
  void ReadReference(TPersistent* Instance, const TPropInfo& Prop);
  TComponent* FindReference(const std::string& Name) const;
  void ApplyFixup(const TFixup& Fixup);

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  int FDepth = 0;
  int FReferenceLevel = 0;
  std::string FPropPath;  // "Form1.Button1.Caption" while reading it
  std::vector<TPersistent*> FAnchors;
  std::deque<TFixup> FFixups;                  // consumed from the front
  std::vector<TComponent*> FLoaded;            // components read, in creation order
  std::unordered_set<TComponent*> FLoadedSet;  // the same, for membership
  std::vector<TComponent*> FCreated;           // components this reader created
  TGuard* FGuard = nullptr;
  bool FWatchingItems = false;
  // Custom-property lookup while a DefineProperties call runs.
  std::string FDefineName;
  bool FDefineFound = false;
  bool FCanHandleExcepts = true;
};

// ------------------------------------------------------------------- TWriter

class TWriter : public TFiler {
  HOST_CLASS(TWriter, TFiler)

  TWriter(TStream* Stream, int32_t BufSize);

  // The longest class name a component entry can hold (0xF0 starts a prefix).
  static constexpr std::size_t MaxClassNameLength = 0xEF;

  // The logical position: where the next byte goes.
  int64_t GetPosition();
  void SetPosition(int64_t Value);
  // The ancestor of the root when writing a descendent form.
  TPersistent* GetRootAncestor() const { return FRootAncestor; }
  void SetRootAncestor(TPersistent* Value) { FRootAncestor = Value; }

  // ------------------------------------------------------ value primitives
  void WriteValue(TValueType Value);
  void WriteListBegin();
  void WriteListEnd();
  void WriteSignature();
  void WritePrefix(TFilerFlags Flags, int32_t AChildPos);
  // Prefix, class name and name of a component entry. A class name of 240
  // bytes or more would read back as a prefix byte, so it raises EWriteError.
  void WriteComponentHeader(TFilerFlags Flags, int32_t AChildPos, const std::string& ClassName,
                            const std::string& Name);
  // The smallest of vaInt8, vaInt16, vaInt32 (vaInt64) that holds Value.
  void WriteInteger(int32_t Value);
  void WriteInt64(int64_t Value);
  void WriteBoolean(bool Value);
  // vaExtended (10 bytes).
  void WriteFloat(double Value);
  void WriteSingle(float Value);
  void WriteCurrency(Currency Value);
  void WriteDate(double Value);
  // A length-prefixed name without a tag; raises EWriteError beyond 255 bytes.
  void WriteStr(const std::string& Value);
  void WriteString(const std::string& Value);
  void WriteUTF8String(const std::string& Value);
  void WriteWideString(const std::u16string& Value);
  void WriteChar(char Value);
  // "False", "True", "nil" and "Null" (any case) as their tags, other
  // identifiers as vaIdent.
  void WriteIdent(const std::string& Ident);
  void WriteSet(const std::vector<std::string>& Names);
  void WriteBinary(const void* Buf, int32_t Count);
  // A Variant as its closest value kind (Unassigned as vaNil, a
  // one-dimensional array as a list); other arrays raise EWriteError.
  void WriteVariant(const Variant& Value);
  // Raw bytes.
  void Write(const void* Buf, int32_t Count);

  // -------------------------------------------------------- components
  // vaCollection and every item's published and custom properties.
  void WriteCollection(TCollection* Value);
  // Header, properties and children of Component.
  void WriteComponent(TComponent* Component);
  // The whole form of Root: signature, root, children.
  void WriteRootComponent(TComponent* Root);
  // Writes Root as a descendent of AAncestor: only what differs.
  void WriteDescendent(TComponent* Root, TComponent* AAncestor);
  // Published properties (in declaration order) and custom properties.
  void WriteProperties(TPersistent* Instance);
  // Properties and children of Component, then the end markers.
  // TComponent::WriteState calls this.
  void WriteComponentData(TComponent* Component);

  void DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;
  void FlushBuffer() override;

 protected:
  ~TWriter() override;
  void Destroy() override;

 private:
  void WriteByte(uint8_t Value);
  void WriteData(const void* Buf, int32_t Count);
  template <class T>
  void WriteLE(T Value);
  void WriteLength(std::size_t Value);
  void WritePropName(std::string_view Name);
  void WriteChild(TComponent* Child);
  std::string ReferenceName(TComponent* Component) const;
  bool SameAsAncestor(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance) const;
  void WriteProperty(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance);
  void WriteFloatProp(TPersistent* Instance, const TPropInfo& Prop);
  void WriteNestedObject(TPersistent* Instance, const TPropInfo& Prop, TPersistent* AncestorInstance);
  bool CollectionsEqual(TCollection* A, TCollection* B);

  TPersistent* FRootAncestor = nullptr;
  std::string FPropPath;  // prefix of nested property names ("Font.")
  int FDepth = 0;
};

}  // namespace host
