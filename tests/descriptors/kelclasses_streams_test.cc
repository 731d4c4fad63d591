// The stream and filer descriptors of the class library on live host objects:
// byte buffers carried as strings, stream positions, the filer round trip and
// the reader's event hooks with their by-reference arguments.
#include "descriptors/kelclasses_streams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test::stream_descriptors {
namespace {

using host::Variant;

Variant Int64(int64_t v) { return Variant(v); }

// ------------------------------------------------------------------ streams

TEST(TStreamClassInfo, BuffersTravelAsByteStringsBoundedByTheirLength) {
  host::TOwned<host::TMemoryStream> stream = host::MakeOwned<host::TMemoryStream>();
  TkelClassInfo* d = Describe(stream.get());
  EXPECT_EQ(Invoke(d, "Write", {Variant("hello world"), Variant(5)})->Result, Variant(5));
  Invoke(d, "WriteBuffer", {Variant(std::string("\0!", 2)), Variant(2)});  // bytes, not a C string
  EXPECT_EQ(Read(d, "Size"), Int64(7));
  // Negative twins: Count beyond the buffer's bytes (or negative) raises and writes nothing.
  EXPECT_EQ(MessageOf<host::EStreamError>([&] {
              Invoke(d, "Write", {Variant("abc"), Variant(4)});
            }),
            "Write: Count asks for 4 bytes but the buffer holds only 3");
  EXPECT_EQ(MessageOf<host::EStreamError>([&] {
              Invoke(d, "WriteBuffer", {Variant("abc"), Variant(-1)});
            }),
            "WriteBuffer: Count must not be negative (-1)");
  EXPECT_EQ(Read(d, "Size"), Int64(7));

  // Read leaves exactly the bytes read in Buffer, however long it was.
  Write(d, "Position", Variant(0));
  TkelMethodInfo* read = Invoke(d, "Read", {Variant(std::string(16, '.')), Variant(16)});
  EXPECT_EQ(read->Result, Variant(7));
  EXPECT_EQ(read->GetArgs(0)->Value, Variant(std::string("hello\0!", 7)));
  Write(d, "Position", Variant(1));
  EXPECT_EQ(Invoke(d, "ReadBuffer", {Variant("...."), Variant(3)})->GetArgs(0)->Value, Variant("ell"));
  EXPECT_EQ(Read(d, "Position"), Int64(4));
  // Negative twins: too small a buffer, or a short ReadBuffer, leave Buffer and Position as they were.
  EXPECT_EQ(MessageOf<host::EStreamError>([&] {
              Invoke(d, "Read", {Variant("ab"), Variant(3)});
            }),
            "Read: Count asks for 3 bytes but the buffer holds only 2");
  EXPECT_EQ(d->FindMethod("Read")->GetArgs(0)->Value, Variant("ab"));
  EXPECT_EQ(MessageOf<host::EReadError>([&] {
              Invoke(d, "ReadBuffer", {Variant("xxxxx"), Variant(5)});
            }),
            "Stream read error");
  EXPECT_EQ(d->FindMethod("ReadBuffer")->GetArgs(0)->Value, Variant("xxxxx"));

  EXPECT_EQ(Invoke(d, "Seek", {Variant(-2), Variant(host::soFromEnd)})->Result, Int64(5));
  EXPECT_THROW(Invoke(d, "Seek", {Variant(-9), Variant(host::soFromEnd)}), host::EStreamError);
  EXPECT_EQ(stream->GetPosition(), 5);
}

TEST(TMemoryStreamClassInfo, MemoryCapacityAndCopies) {
  host::TOwned<host::TMemoryStream> stream = host::MakeOwned<host::TMemoryStream>();
  host::TOwned<host::TStringStream> text = host::MakeOwned<host::TStringStream>("abcdef");
  TkelClassInfo* d = Describe(stream.get());
  Invoke(d, "LoadFromStream", {Addr(text.get())});
  EXPECT_EQ(Read(d, "Memory"), Addr(stream->GetMemory()));
  EXPECT_EQ(std::string(static_cast<const char*>(stream->GetMemory()), 6), "abcdef");
  Write(d, "Capacity", Variant(100));
  EXPECT_GE(stream->GetCapacity(), 100);
  // Negative twins: a capacity below the size, a stream of the wrong class.
  const int64_t capacity = stream->GetCapacity();
  EXPECT_THROW(Write(d, "Capacity", Variant(2)), host::EStreamError);
  EXPECT_THROW(Invoke(d, "LoadFromStream", {Addr(d)}), host::EInvalidCast);
  EXPECT_EQ(stream->GetCapacity(), capacity);
  EXPECT_EQ(stream->GetSize(), 6);
  Invoke(d, "Clear");
  EXPECT_EQ(stream->GetSize(), 0);
}

TEST(TStringStreamClassInfo, ReadStringAndWriteString) {
  host::TOwned<host::TStringStream> stream = host::MakeOwned<host::TStringStream>("abc");
  TkelClassInfo* d = Describe(stream.get());
  EXPECT_EQ(Invoke(d, "ReadString", {Variant(2)})->Result, Variant("ab"));
  Invoke(d, "WriteString", {Variant("XYZ")});
  EXPECT_EQ(Read(d, "DataString"), Variant("abXYZ"));
  EXPECT_EQ(stream->GetDataString(), "abXYZ");
}

// -------------------------------------------------------------- filers

TEST(TWriterClassInfo, WrittenValuesReadBackThroughTheReaderDescriptor) {
  host::TOwned<host::TMemoryStream> stream = host::MakeOwned<host::TMemoryStream>();
  host::TOwned<host::TComponent> root = host::MakeOwned<host::TComponent>(nullptr);
  {
    host::TOwned<host::TWriter> writer = host::MakeOwned<host::TWriter>(stream.get(), 64);
    TkelClassInfo* w = Describe(writer.get());
    Write(w, "Root", Addr(root.get()));
    EXPECT_EQ(Read(w, "Root"), Addr(root.get()));
    Invoke(w, "WriteInteger", {Variant("7")});
    Invoke(w, "WriteChar", {Variant("QR")});  // the first character
    Invoke(w, "Write", {Variant("raw!"), Variant(3)});
    // Negative twins: an empty character and an oversized buffer write nothing.
    const Variant before = Read(w, "Position");
    EXPECT_EQ(MessageOf<host::EConvertError>([&] { Invoke(w, "WriteChar", {Variant("")}); }),
              "An empty string holds no character to pass!");
    EXPECT_THROW(Invoke(w, "Write", {Variant("ab"), Variant(3)}), host::EStreamError);
    EXPECT_EQ(Read(w, "Position"), before);
    Invoke(w, "FlushBuffer");
  }
  stream->SetPosition(0);
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(stream.get(), 64);
  TkelClassInfo* r = Describe(reader.get());
  EXPECT_EQ(Invoke(r, "ReadInteger")->Result, Variant(7));
  EXPECT_EQ(Invoke(r, "ReadChar")->Result, Variant("Q"));
  EXPECT_THROW(Invoke(r, "Read", {Variant("..."), Variant(4)}), host::EStreamError);
  EXPECT_EQ(Invoke(r, "Read", {Variant("....."), Variant(3)})->GetArgs(0)->Value, Variant("raw"));
  EXPECT_THROW(Invoke(r, "Read", {Variant("."), Variant(1)}), host::Exception);  // past the end
  EXPECT_EQ(r->FindMethod("Read")->GetArgs(0)->Value, Variant("."));
}

// A listener that logs the event's name and runs `change` on its records.
TkelListener* Listen(TkelClassInfo* d, const char* name, std::vector<std::string>& log,
                     std::function<void(TkelEventInfo*)> change) {
  return test::Listen(d, name, [&log, change](host::TObject*, TkelEventInfo* e) {
    log.push_back(e->Name);
    if (change) change(e);
  });
}

TEST(TReaderClassInfo, EventHooksWriteByReferenceArgumentsBack) {
  host::TOwned<host::TMemoryStream> stream = host::MakeOwned<host::TMemoryStream>();
  host::TOwned<host::TReader> reader = host::MakeOwned<host::TReader>(stream.get(), 64);
  host::TOwned<host::TComponent> found = host::MakeOwned<host::TComponent>(nullptr);
  std::vector<std::string> log;
  reader->OnError = host::TReaderError([&](host::TReader*, const std::string&, bool& handled) {
    log.push_back("previous");
    handled = true;  // replaced by the record's value after the listeners
  });
  TkelClassInfo* d = MakeDescriptor(&TReaderClassInfo::StaticMetaClass, reader.get());

  // Without a listener changing it, Handled comes back as captured: false.
  bool handled = false;
  reader->OnError(reader.get(), "boom", handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(d->FindEvent("OnError")->GetArgs(1)->Value, Variant("boom"));
  EXPECT_EQ(d->FindEvent("OnError")->GetArgs(0)->Value, Addr(reader.get()));
  const std::vector<TkelListener*> listeners = {
      Listen(d, "OnError", log, [](TkelEventInfo* e) { e->GetArgs(2)->Value = Variant(true); }),
      Listen(d, "OnFindMethod", log,
             [&](TkelEventInfo* e) {
               e->GetArgs(2)->Value = Addr(&log);
               e->GetArgs(3)->Value = Variant(false);
             }),
      Listen(d, "OnSetName", log,
             [](TkelEventInfo* e) { e->GetArgs(2)->Value = Variant(e->GetArgs(2)->Value.AsString() + "2"); }),
      Listen(d, "OnReferenceName", log, nullptr),
      Listen(d, "OnAncestorNotFound", log, [&](TkelEventInfo* e) { e->GetArgs(3)->Value = Addr(found.get()); }),
  };
  reader->OnError(reader.get(), "boom", handled);
  EXPECT_TRUE(handled);  // the listener wins over the saved handler
  void* address = nullptr;
  bool error = true;
  reader->OnFindMethod(reader.get(), "Click", address, error);
  EXPECT_EQ(address, &log);
  EXPECT_FALSE(error);
  std::string name = "Button";
  reader->OnSetName(reader.get(), found.get(), name);
  EXPECT_EQ(name, "Button2");
  std::string ref = "Form1.Edit";
  reader->OnReferenceName(reader.get(), ref);
  EXPECT_EQ(ref, "Form1.Edit");  // a listener that changes nothing leaves it as it was
  host::TComponent* component = nullptr;
  reader->OnAncestorNotFound(reader.get(), "Panel", &host::TComponent::StaticMetaClass, component);
  EXPECT_EQ(component, found.get());
  EXPECT_EQ(d->FindEvent("OnAncestorNotFound")->GetArgs(2)->Value, Addr(&host::TComponent::StaticMetaClass));
  EXPECT_EQ(log, (std::vector<std::string>{"previous", "previous", "OnError", "OnFindMethod", "OnSetName",
                                           "OnReferenceName", "OnAncestorNotFound"}));
  // Negative twin: a Component record of the wrong class raises and leaves the argument.
  listeners.back()->OnEvent =
      TNotifyKELEvent([&](host::TObject*, TkelEventInfo* e) { e->GetArgs(3)->Value = Addr(d); });
  component = nullptr;
  EXPECT_THROW(reader->OnAncestorNotFound(reader.get(), "Panel", nullptr, component), host::EInvalidCast);
  EXPECT_EQ(component, nullptr);

  // Unhooked: the saved handlers come back exactly.
  d->SetOwner(nullptr);
  EXPECT_FALSE(static_cast<bool>(reader->OnFindMethod));
  log.clear();
  reader->OnError(reader.get(), "boom", handled = false);
  EXPECT_TRUE(handled);
  EXPECT_EQ(log, (std::vector<std::string>{"previous"}));
  Unlisten(d, listeners);
  d->Free();
}

}  // namespace
}  // namespace kel::test::stream_descriptors
