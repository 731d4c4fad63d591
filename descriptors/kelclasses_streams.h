// Descriptors of the streams and filers of the host class library: the
// abstract stream, handle, file, memory, string and resource streams, and the
// filer with its reader and writer.
//
// Every feature named in a description text maps to the host member of the
// same name with the conversions of the descriptor pattern (kelpattern.h,
// kelconvert.h). The untyped buffers of Read/ReadBuffer/Write/WriteBuffer (and
// the filer's Read/Write) travel as byte strings in the argument's Variant:
// Count may never ask for more bytes than that string holds.
#pragma once

#include "descriptors/kelpattern.h"
#include "descriptors/kelsystem.h"
#include "host/classes/filer.h"
#include "host/classes/streams.h"

namespace kel {

// Describes TStream. Buffer of Read and ReadBuffer goes through the
// descriptor's scratch Variant for that method and comes back as a string
// holding exactly the bytes read; Buffer of Write and WriteBuffer is read
// from the argument's own string. ReadComponent(Res) return the root.
class TStreamClassInfo : public TkelDescriptor<TStreamClassInfo, TObjectClassInfo, host::TStream> {
  KEL_DESCRIPTOR(TStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Position::psReadable..psWritable::pvPublic::0::Define::Size::psReadable..psWritable::"
          "pvPublic::0",
      .Methods =
          "Read::msFunction::2::Buffer::Count::Write::msFunction::2::Buffer::Count::Seek::msFunction::2::"
          "Offset::Origin::ReadBuffer::msProcedure::2::Buffer::Count::WriteBuffer::msProcedure::2::Buffer::"
          "Count::CopyFrom::msFunction::2::Source::Count::ReadComponent::msFunction::1::Instance::"
          "ReadComponentRes::msFunction::1::Instance::WriteComponent::msProcedure::1::Instance::"
          "WriteComponentRes::msProcedure::2::ResName::Instance::WriteDescendent::msProcedure::2::Instance::"
          "Ancestor::WriteDescendentRes::msProcedure::3::ResName::Instance::Ancestor::ReadResHeader::"
          "msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TStreamClassInfo() override = default;
};

// Describes THandleStream: Handle is the file descriptor as an integer.
class THandleStreamClassInfo : public TkelDescriptor<THandleStreamClassInfo, TStreamClassInfo, host::THandleStream> {
  KEL_DESCRIPTOR(THandleStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Handle::psReadable::pvPublic::0",
      .Constructors = "Create::1::AHandle",
  };
  static void MapFeatures(Map& m);

 protected:
  ~THandleStreamClassInfo() override = default;
};

// Describes TFileStream: nothing beyond the handle stream's features.
class TFileStreamClassInfo : public TkelDescriptor<TFileStreamClassInfo, THandleStreamClassInfo, host::TFileStream> {
  KEL_DESCRIPTOR(TFileStreamClassInfo)
  static constexpr TkelTexts Texts{.Constructors = "Create::2::FileName::Mode"};

 protected:
  ~TFileStreamClassInfo() override = default;
};

// Describes TCustomMemoryStream: Memory is the address of the data block.
class TCustomMemoryStreamClassInfo
    : public TkelDescriptor<TCustomMemoryStreamClassInfo, TStreamClassInfo, host::TCustomMemoryStream> {
  KEL_DESCRIPTOR(TCustomMemoryStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Memory::psReadable::pvPublic::0",
      .Methods = "SaveToStream::msProcedure::1::Stream::SaveToFile::msProcedure::1::FileName",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomMemoryStreamClassInfo() override = default;
};

// Describes TMemoryStream.
class TMemoryStreamClassInfo
    : public TkelDescriptor<TMemoryStreamClassInfo, TCustomMemoryStreamClassInfo, host::TMemoryStream> {
  KEL_DESCRIPTOR(TMemoryStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Capacity::psReadable..psWritable::pvProtected::0",
      .Methods =
          "Clear::msProcedure::0::LoadFromStream::msProcedure::1::Stream::LoadFromFile::msProcedure::1::"
          "FileName",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMemoryStreamClassInfo() override = default;
};

// Describes TStringStream.
class TStringStreamClassInfo : public TkelDescriptor<TStringStreamClassInfo, TStreamClassInfo, host::TStringStream> {
  KEL_DESCRIPTOR(TStringStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::DataString::psReadable::pvPublic::0",
      .Methods = "ReadString::msFunction::1::Count::WriteString::msProcedure::1::AString",
      .Constructors = "Create::1::AString",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TStringStreamClassInfo() override = default;
};

// Describes TResourceStream: nothing beyond the memory stream's features.
class TResourceStreamClassInfo
    : public TkelDescriptor<TResourceStreamClassInfo, TCustomMemoryStreamClassInfo, host::TResourceStream> {
  KEL_DESCRIPTOR(TResourceStreamClassInfo)
  static constexpr TkelTexts Texts{
      .Constructors = "Create::3::Instance::ResName::ResType::CreateFromID::3::Instance::ResID::ResType"};

 protected:
  ~TResourceStreamClassInfo() override = default;
};

// Describes TFiler: Root and Ancestor are references.
class TFilerClassInfo : public TkelDescriptor<TFilerClassInfo, TObjectClassInfo, host::TFiler> {
  KEL_DESCRIPTOR(TFilerClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Root::psReadable..psWritable::pvPublic::0::Define::Ancestor::psReadable..psWritable::"
          "pvPublic::0::Define::IgnoreChildren::psReadable..psWritable::pvPublic::0",
      .Methods = "FlushBuffer::msProcedure::0",
      .Constructors = "Create::2::Stream::BufSize",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TFilerClassInfo() override = default;
};

// Describes TReader. Read's Buf follows the stream's Read rule (scratch
// Variant, exactly the bytes read). ReadPrefix passes Flags (a set, by
// address) and AChildPos by reference. The five events are hooked in the
// reader's handler fields; their by-reference arguments (Handled, Address,
// Error, Name, Component) are written back from the parameter records after
// the listeners ran.
class TReaderClassInfo : public TkelDescriptor<TReaderClassInfo, TFilerClassInfo, host::TReader> {
  KEL_DESCRIPTOR(TReaderClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Owner::psReadable..psWritable::pvPublic::0::Define::Parent::psReadable..psWritable::"
          "pvPublic::0::Define::Position::psReadable..psWritable::pvPublic::0",
      .Methods =
          "BeginReferences::msProcedure::0::EndOfList::msFunction::0::EndReferences::msProcedure::0::"
          "FixupReferences::msProcedure::0::NextValue::msFunction::0::Read::msProcedure::2::Buf::Count::"
          "ReadBoolean::msFunction::0::ReadChar::msFunction::0::ReadCollection::msProcedure::1::Collection::"
          "ReadComponent::msFunction::1::Component::ReadFloat::msFunction::0::ReadSingle::msFunction::0::"
          "ReadCurrency::msFunction::0::ReadDate::msFunction::0::ReadIdent::msFunction::0::ReadInteger::"
          "msFunction::0::ReadListBegin::msProcedure::0::ReadListEnd::msProcedure::0::ReadPrefix::msProcedure::"
          "2::Flags::AChildPos::ReadRootComponent::msFunction::1::Root::ReadSignature::msProcedure::0::ReadStr::"
          "msFunction::0::ReadString::msFunction::0::ReadWideString::msFunction::0::ReadValue::msFunction::0::"
          "CopyValue::msProcedure::1::Writer",
      .Events =
          "Define::OnError::pvPublic::3::Reader::Message::Handled::Define::OnFindMethod::pvPublic::4::Reader::"
          "MethodName::Address::Error::Define::OnSetName::pvPublic::3::Reader::Component::Name::Define::"
          "OnReferenceName::pvPublic::2::Reader::Name::Define::OnAncestorNotFound::pvPublic::4::Reader::"
          "ComponentName::ComponentClass::Component",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TReaderClassInfo() override = default;
};

// Describes TWriter. Write's Buf follows the stream's Write rule. WriteChar
// writes the first character of its value's text; an empty text raises
// EConvertError and writes nothing (there is no character to write, and a
// silent zero byte would corrupt the form).
class TWriterClassInfo : public TkelDescriptor<TWriterClassInfo, TFilerClassInfo, host::TWriter> {
  KEL_DESCRIPTOR(TWriterClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Position::psReadable..psWritable::pvPublic::0::Define::RootAncestor::psReadable.."
          "psWritable::pvPublic::0",
      .Methods =
          "Write::msProcedure::2::Buf::Count::WriteBoolean::msProcedure::1::Value::WriteCollection::"
          "msProcedure::1::Value::WriteComponent::msProcedure::1::Component::WriteChar::msProcedure::1::Value::"
          "WriteDescendent::msProcedure::2::Root::AAncestor::WriteFloat::msProcedure::1::Value::WriteSingle::"
          "msProcedure::1::Value::WriteCurrency::msProcedure::1::Value::WriteDate::msProcedure::1::Value::"
          "WriteIdent::msProcedure::1::Ident::WriteInteger::msProcedure::1::Value::WriteListBegin::"
          "msProcedure::0::WriteListEnd::msProcedure::0::WriteRootComponent::msProcedure::1::Root::"
          "WriteSignature::msProcedure::0::WriteStr::msProcedure::1::Value::WriteString::msProcedure::1::"
          "Value::WriteWideString::msProcedure::1::Value",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TWriterClassInfo() override = default;
};

// Checks that a buffer of `held` bytes can serve a transfer of `count` bytes
// for `method`; raises EStreamError naming both numbers otherwise (also for
// a negative count).
void CheckBufferCount(const char* method, int64_t held, int32_t count);

// The descriptors above, in the order of the class library's descriptor
// table.
using TkelStreamDescriptors =
    TkelDescriptorList<TStreamClassInfo, THandleStreamClassInfo, TFileStreamClassInfo, TCustomMemoryStreamClassInfo,
                       TMemoryStreamClassInfo, TStringStreamClassInfo, TResourceStreamClassInfo, TFilerClassInfo,
                       TReaderClassInfo, TWriterClassInfo>;

}  // namespace kel
