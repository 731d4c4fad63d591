// The stream and filer descriptors of the class library.
#include "descriptors/kelclasses_streams.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

#include "host/classes/collections.h"
#include "host/rtl/sysutils.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TStreamClassInfo)
KEL_DESCRIPTOR_IMPL(THandleStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TFileStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomMemoryStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TMemoryStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TStringStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TResourceStreamClassInfo)
KEL_DESCRIPTOR_IMPL(TFilerClassInfo)
KEL_DESCRIPTOR_IMPL(TReaderClassInfo)
KEL_DESCRIPTOR_IMPL(TWriterClassInfo)

void CheckBufferCount(const char* method, int64_t held, int32_t count) {
  if (count < 0) throw host::EStreamError("%s: Count must not be negative (%d)", {method, count});
  if (count > held)
    throw host::EStreamError("%s: Count asks for %d bytes but the buffer holds only %d", {method, count, held});
}

namespace {

using host::TMemoryStream;
using host::TReader;
using host::TStream;
using host::TWriter;

// The untyped buffers travel as byte strings. A read fills a copy of the
// buffer's bytes (so Count can never run past them) and leaves in `buffer`
// exactly the bytes read; `read(data, count)` returns how many that was.
template <class F>
int32_t ReadIntoBuffer(const char* method, host::Variant& buffer, int32_t count, F read) {
  std::string bytes = buffer.AsString();
  CheckBufferCount(method, static_cast<int64_t>(bytes.size()), count);
  const int32_t got = read(bytes.data(), count);
  bytes.resize(static_cast<std::size_t>(std::clamp(got, 0, count)));
  buffer = host::Variant(std::move(bytes));
  return got;
}

// A write takes the first Count bytes of the buffer's string.
template <class F>
int32_t WriteFromBuffer(const char* method, const host::Variant& buffer, int32_t count, F write) {
  const std::string bytes = buffer.AsString();
  CheckBufferCount(method, static_cast<int64_t>(bytes.size()), count);
  return write(bytes.data(), count);
}

}  // namespace

void TStreamClassInfo::MapFeatures(Map& m) {
  m.Prop("Position", &TStream::GetPosition, &TStream::SetPosition).Prop("Size", &TStream::GetSize, &TStream::SetSize);
  // Buffer by reference: each method's own scratch Variant carries it.
  m.Method("Read",
           [](TStream& s, host::Variant& buffer, int32_t count) {
             return ReadIntoBuffer("Read", buffer, count, [&](void* p, int32_t n) { return s.Read(p, n); });
           })
      .Method("Write",
              [](TStream& s, const host::Variant& buffer, int32_t count) {
                return WriteFromBuffer("Write", buffer, count, [&](const void* p, int32_t n) { return s.Write(p, n); });
              })
      .Method("Seek", &TStream::Seek)
      .Method("ReadBuffer",
              [](TStream& s, host::Variant& buffer, int32_t count) {
                ReadIntoBuffer("ReadBuffer", buffer, count, [&](void* p, int32_t n) {
                  s.ReadBuffer(p, n);
                  return n;
                });
              })
      .Method("WriteBuffer",
              [](TStream& s, const host::Variant& buffer, int32_t count) {
                WriteFromBuffer("WriteBuffer", buffer, count, [&](const void* p, int32_t n) {
                  s.WriteBuffer(p, n);
                  return n;
                });
              })
      .Method("CopyFrom", &TStream::CopyFrom)
      .Method("ReadComponent", &TStream::ReadComponent)
      .Method("ReadComponentRes", &TStream::ReadComponentRes)
      .Method("WriteComponent", &TStream::WriteComponent)
      .Method("WriteComponentRes", &TStream::WriteComponentRes)
      .Method("WriteDescendent", &TStream::WriteDescendent)
      .Method("WriteDescendentRes", &TStream::WriteDescendentRes)
      .Method("ReadResHeader", &TStream::ReadResHeader);
}

void THandleStreamClassInfo::MapFeatures(Map& m) { m.Prop("Handle", &host::THandleStream::GetHandle); }

void TCustomMemoryStreamClassInfo::MapFeatures(Map& m) {
  m.Prop("Memory", &host::TCustomMemoryStream::GetMemory);
  m.Method("SaveToStream", &host::TCustomMemoryStream::SaveToStream)
      .Method("SaveToFile", &host::TCustomMemoryStream::SaveToFile);
}

void TMemoryStreamClassInfo::MapFeatures(Map& m) {
  m.Prop("Capacity", &TMemoryStream::GetCapacity, &TMemoryStream::SetCapacity);
  m.Method("Clear", &TMemoryStream::Clear)
      .Method("LoadFromStream", &TMemoryStream::LoadFromStream)
      .Method("LoadFromFile", &TMemoryStream::LoadFromFile);
}

void TStringStreamClassInfo::MapFeatures(Map& m) {
  m.Prop("DataString", &host::TStringStream::GetDataString);
  m.Method("ReadString", &host::TStringStream::ReadString).Method("WriteString", &host::TStringStream::WriteString);
}

void TFilerClassInfo::MapFeatures(Map& m) {
  using host::TFiler;
  m.Prop("Root", &TFiler::GetRoot, &TFiler::SetRoot)
      .Prop("Ancestor", &TFiler::GetAncestor, &TFiler::SetAncestor)
      .Prop("IgnoreChildren", &TFiler::GetIgnoreChildren, &TFiler::SetIgnoreChildren);
  m.Method("FlushBuffer", &TFiler::FlushBuffer);
}

void TReaderClassInfo::MapFeatures(Map& m) {
  m.Prop("Owner", &TReader::GetOwner, &TReader::SetOwner)
      .Prop("Parent", &TReader::GetParent, &TReader::SetParent)
      .Prop("Position", &TReader::GetPosition, &TReader::SetPosition);
  m.Method("BeginReferences", &TReader::BeginReferences)
      .Method("EndOfList", &TReader::EndOfList)
      .Method("EndReferences", &TReader::EndReferences)
      .Method("FixupReferences", &TReader::FixupReferences)
      .Method("NextValue", &TReader::NextValue)
      .Method("Read",
              [](TReader& r, host::Variant& buf, int32_t count) {
                ReadIntoBuffer("Read", buf, count, [&](void* p, int32_t n) {
                  r.Read(p, n);
                  return n;
                });
              })
      .Method("ReadBoolean", &TReader::ReadBoolean)
      .Method("ReadChar", &TReader::ReadChar)
      .Method("ReadCollection", &TReader::ReadCollection)
      .Method("ReadComponent", &TReader::ReadComponent)
      .Method("ReadFloat", &TReader::ReadFloat)
      .Method("ReadSingle", &TReader::ReadSingle)
      .Method("ReadCurrency", &TReader::ReadCurrency)
      .Method("ReadDate", &TReader::ReadDate)
      .Method("ReadIdent", &TReader::ReadIdent)
      .Method("ReadInteger", &TReader::ReadInteger)
      .Method("ReadListBegin", &TReader::ReadListBegin)
      .Method("ReadListEnd", &TReader::ReadListEnd)
      .Method("ReadPrefix", &TReader::ReadPrefix)  // Flags (by address) and AChildPos by reference
      .Method("ReadRootComponent", &TReader::ReadRootComponent)
      .Method("ReadSignature", &TReader::ReadSignature)
      .Method("ReadStr", &TReader::ReadStr)
      .Method("ReadString", &TReader::ReadString)
      .Method("ReadWideString", &TReader::ReadWideString)
      .Method("ReadValue", &TReader::ReadValue)
      .Method("CopyValue", &TReader::CopyValue);
  m.Event("OnError", &TReader::OnError)
      .Event("OnFindMethod", &TReader::OnFindMethod)
      .Event("OnSetName", &TReader::OnSetName)
      .Event("OnReferenceName", &TReader::OnReferenceName)
      .Event("OnAncestorNotFound", &TReader::OnAncestorNotFound);
}

void TWriterClassInfo::MapFeatures(Map& m) {
  m.Prop("Position", &TWriter::GetPosition, &TWriter::SetPosition)
      .Prop("RootAncestor", &TWriter::GetRootAncestor, &TWriter::SetRootAncestor);
  m.Method("Write",
           [](TWriter& w, const host::Variant& buf, int32_t count) {
             WriteFromBuffer("Write", buf, count, [&](const void* p, int32_t n) {
               w.Write(p, n);
               return n;
             });
           })
      .Method("WriteBoolean", &TWriter::WriteBoolean)
      .Method("WriteCollection", &TWriter::WriteCollection)
      .Method("WriteComponent", &TWriter::WriteComponent)
      .Method("WriteChar", &TWriter::WriteChar)  // an empty text raises EConvertError, nothing is written
      .Method("WriteDescendent", &TWriter::WriteDescendent)
      .Method("WriteFloat", &TWriter::WriteFloat)
      .Method("WriteSingle", &TWriter::WriteSingle)
      .Method("WriteCurrency", &TWriter::WriteCurrency)
      .Method("WriteDate", &TWriter::WriteDate)
      .Method("WriteIdent", &TWriter::WriteIdent)
      .Method("WriteInteger", &TWriter::WriteInteger)
      .Method("WriteListBegin", &TWriter::WriteListBegin)
      .Method("WriteListEnd", &TWriter::WriteListEnd)
      .Method("WriteRootComponent", &TWriter::WriteRootComponent)
      .Method("WriteSignature", &TWriter::WriteSignature)
      .Method("WriteStr", &TWriter::WriteStr)
      .Method("WriteString", &TWriter::WriteString)
      .Method("WriteWideString", &TWriter::WriteWideString);
}

}  // namespace kel
