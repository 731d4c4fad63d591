#include "host/classes/streams.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

namespace fs = std::filesystem;

using host::testkit::RaisedMessage;

std::string ReadAll(TStream* s) {
  s->SetPosition(0);
  std::string text(static_cast<std::size_t>(s->GetSize()), '\0');
  s->ReadBuffer(text.data(), static_cast<int32_t>(text.size()));
  return text;
}

void WriteText(TStream* s, const std::string& text) { s->WriteBuffer(text.data(), static_cast<int32_t>(text.size())); }

// A fresh directory per test, removed afterwards.
class FileStreamTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "streams_test_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    FDir = pattern;
  }
  void TearDown() override { fs::remove_all(FDir); }
  std::string PathOf(const std::string& name) const { return (FDir / name).string(); }
  fs::path FDir;
};

TEST(MemoryStream, CapacityGrowsInDeltaSteps) {
  auto s = MakeOwned<TMemoryStream>();
  EXPECT_EQ(s->GetCapacity(), 0);
  EXPECT_EQ(s->GetMemory(), nullptr);
  WriteText(s.get(), "0123456789");
  EXPECT_EQ(s->GetSize(), 10);
  EXPECT_EQ(s->GetPosition(), 10);
  EXPECT_EQ(s->GetCapacity(), TMemoryStream::MemoryDelta);
  void* block = s->GetMemory();
  std::string more(TMemoryStream::MemoryDelta - 10, 'x');
  WriteText(s.get(), more);  // fills the block exactly: no reallocation
  EXPECT_EQ(s->GetMemory(), block);
  WriteText(s.get(), "!");
  EXPECT_EQ(s->GetCapacity(), 2 * TMemoryStream::MemoryDelta);
  EXPECT_EQ(ReadAll(s.get()), "0123456789" + more + "!");

  // A capacity below the size is refused and nothing changes.
  const int64_t size = s->GetSize();
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { s->SetCapacity(5); }), "Memory stream capacity out of bounds (5)");
  EXPECT_EQ(s->GetCapacity(), 2 * TMemoryStream::MemoryDelta);
  EXPECT_EQ(s->GetSize(), size);
  // A capacity equal to the size is taken exactly.
  s->SetCapacity(size);
  EXPECT_EQ(s->GetCapacity(), size);
  EXPECT_EQ(ReadAll(s.get()), "0123456789" + more + "!");

  s->SetSize(4);
  EXPECT_EQ(s->GetPosition(), 4);  // moved back from past the new end
  EXPECT_EQ(s->GetCapacity(), TMemoryStream::MemoryDelta);
  s->SetSize(6);  // growing again shows zero bytes, not the old data
  EXPECT_EQ(ReadAll(s.get()), std::string("0123\0\0", 6));
  EXPECT_THROW(s->SetSize(-1), EStreamError);
  EXPECT_EQ(s->GetSize(), 6);

  s->Clear();
  EXPECT_EQ(s->GetSize(), 0);
  EXPECT_EQ(s->GetPosition(), 0);
  EXPECT_EQ(s->GetCapacity(), 0);
  EXPECT_EQ(s->GetMemory(), nullptr);
}

TEST(MemoryStream, SeekAndReadPastTheEnd) {
  auto s = MakeOwned<TMemoryStream>();
  WriteText(s.get(), "abcdef");
  EXPECT_EQ(s->Seek(-2, soFromEnd), 4);
  EXPECT_EQ(s->Seek(-1, soFromCurrent), 3);
  EXPECT_EQ(s->Seek(1, soFromBeginning), 1);
  char buf[8] = {};
  EXPECT_EQ(s->Read(buf, 8), 5);  // only what is there
  EXPECT_STREQ(buf, "bcdef");
  EXPECT_EQ(s->Read(buf, 8), 0);
  EXPECT_EQ(s->Read(buf, -3), 0);

  // Past the end: reading gives nothing, writing fills the gap with zeros.
  EXPECT_EQ(s->Seek(9, soFromBeginning), 9);
  EXPECT_EQ(s->Read(buf, 1), 0);
  EXPECT_EQ(s->GetSize(), 6);
  WriteText(s.get(), "Z");
  EXPECT_EQ(ReadAll(s.get()), std::string("abcdef\0\0\0Z", 10));

  // Bad seeks raise and leave the position alone.
  s->SetPosition(3);
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { s->Seek(-4, soFromCurrent); }),
            "Stream position cannot be negative (-4)");
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { s->Seek(0, 7); }), "Invalid stream seek origin (7)");
  EXPECT_EQ(s->GetPosition(), 3);
}

TEST(Stream, ReadBufferAndWriteBufferRaiseWhenShort) {
  auto s = MakeOwned<TStringStream>("abc");
  char buf[4] = {};
  s->ReadBuffer(buf, 3);
  EXPECT_STREQ(buf, "abc");
  s->SetPosition(1);
  EXPECT_EQ(RaisedMessage<EReadError>([&] { s->ReadBuffer(buf, 3); }), "Stream read error");
  s->ReadBuffer(buf, 0);  // nothing asked, nothing raised
}

TEST(Stream, CopyFrom) {
  auto source = MakeOwned<TStringStream>("hello world");
  auto dest = MakeOwned<TMemoryStream>();
  source->SetPosition(6);
  EXPECT_EQ(dest->CopyFrom(source.get(), 3), 3);  // from the current position
  EXPECT_EQ(ReadAll(dest.get()), "wor");
  EXPECT_EQ(source->GetPosition(), 9);

  dest->SetSize(0);
  EXPECT_EQ(dest->CopyFrom(source.get(), 0), 11);  // zero: the whole source from its start
  EXPECT_EQ(ReadAll(dest.get()), "hello world");

  // Asking for more than the source holds raises a read error.
  source->SetPosition(8);
  EXPECT_THROW(dest->CopyFrom(source.get(), 5), EReadError);
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { dest->CopyFrom(nullptr, 1); }), "CopyFrom needs a stream, not nil");

  // Larger than the copy buffer.
  std::string big(100000, 'q');
  big[99999] = 'e';
  auto bigSource = MakeOwned<TStringStream>(big);
  auto bigDest = MakeOwned<TMemoryStream>();
  EXPECT_EQ(bigDest->CopyFrom(bigSource.get(), 0), 100000);
  EXPECT_EQ(ReadAll(bigDest.get()), big);
}

TEST(StringStream, ReadWriteSeekAndSize) {
  auto s = MakeOwned<TStringStream>("Hello World");
  EXPECT_EQ(s->GetSize(), 11);
  EXPECT_EQ(s->ReadString(5), "Hello");
  EXPECT_EQ(s->ReadString(100), " World");  // fewer at the end
  EXPECT_EQ(s->ReadString(1), "");
  EXPECT_EQ(s->ReadString(-1), "");

  s->SetPosition(6);
  s->WriteString("Earth!!");  // overwrites and extends
  EXPECT_EQ(s->GetDataString(), "Hello Earth!!");
  EXPECT_EQ(s->GetPosition(), 13);
  s->SetPosition(0);
  s->WriteString("J");  // overwrites without cutting the rest
  EXPECT_EQ(s->GetDataString(), "Jello Earth!!");

  EXPECT_EQ(s->Seek(50, soFromBeginning), 13);  // clamped to the end
  EXPECT_EQ(s->Seek(-3, soFromEnd), 10);
  EXPECT_THROW(s->Seek(-20, soFromEnd), EStreamError);
  EXPECT_EQ(s->GetPosition(), 10);

  s->SetSize(5);
  EXPECT_EQ(s->GetDataString(), "Jello");
  EXPECT_EQ(s->GetPosition(), 5);
  EXPECT_THROW(s->SetSize(-2), EStreamError);
  EXPECT_EQ(s->GetDataString(), "Jello");
}

TEST_F(FileStreamTest, RoundTripThroughAFile) {
  const std::string name = PathOf("data.bin");
  {
    auto f = MakeOwned<TFileStream>(name, fmCreate);
    EXPECT_EQ(f->GetFileName(), name);
    WriteText(f.get(), "first line\nsecond");
    EXPECT_EQ(f->GetSize(), 17);
  }
  {
    auto f = MakeOwned<TFileStream>(name, fmOpenRead | fmShareDenyWrite);
    EXPECT_EQ(ReadAll(f.get()), "first line\nsecond");
    EXPECT_EQ(f->Write("x", 1), 0);  // opened for reading only
    EXPECT_EQ(ReadAll(f.get()), "first line\nsecond");
  }
  {
    auto f = MakeOwned<TFileStream>(name, fmOpenReadWrite | fmShareExclusive);
    f->Seek(0, soFromEnd);
    WriteText(f.get(), "!");
    f->SetSize(5);
    EXPECT_EQ(f->GetPosition(), 5);
    EXPECT_EQ(ReadAll(f.get()), "first");
  }
  // fmCreate empties an existing file.
  MakeOwned<TFileStream>(name, fmCreate);
  EXPECT_EQ(fs::file_size(name), 0u);

  // Memory streams save to and load from files.
  auto m = MakeOwned<TMemoryStream>();
  WriteText(m.get(), "saved");
  m->SaveToFile(name);
  auto loaded = MakeOwned<TMemoryStream>();
  loaded->LoadFromFile(name);
  EXPECT_EQ(ReadAll(loaded.get()), "saved");
}

TEST_F(FileStreamTest, OpenAndCreateErrorsNameTheFile) {
  const std::string missing = PathOf("missing.txt");
  EXPECT_EQ(RaisedMessage<EFOpenError>([&] { MakeOwned<TFileStream>(missing, fmOpenRead); }),
            "Cannot open file \"" + missing + "\". No such file or directory");
  EXPECT_FALSE(fs::exists(missing));

  const std::string inMissingDir = PathOf("nodir/new.txt");
  EXPECT_EQ(RaisedMessage<EFCreateError>([&] { MakeOwned<TFileStream>(inMissingDir, fmCreate); }),
            "Cannot create file \"" + inMissingDir + "\". No such file or directory");

  EXPECT_EQ(RaisedMessage<EFOpenError>([&] { MakeOwned<TFileStream>(FDir.string(), fmOpenRead); }),
            "Cannot open file \"" + FDir.string() + "\". Is a directory");

  MakeOwned<TFileStream>(missing, fmCreate);
  EXPECT_EQ(RaisedMessage<EFOpenError>([&] { MakeOwned<TFileStream>(missing, 0x0003); }),
            "Cannot open file \"" + missing + "\". Invalid file mode $0003");

  auto m = MakeOwned<TMemoryStream>();
  WriteText(m.get(), "kept");
  EXPECT_THROW(m->LoadFromFile(PathOf("other.txt")), EFOpenError);
  EXPECT_EQ(ReadAll(m.get()), "kept");
}

TEST(HandleStream, WrapsADescriptorWithoutOwningIt) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  auto writer = MakeOwned<THandleStream>(fds[1]);
  auto reader = MakeOwned<THandleStream>(fds[0]);
  EXPECT_EQ(writer->GetHandle(), fds[1]);
  WriteText(writer.get(), "through the pipe");
  char buf[32] = {};
  EXPECT_EQ(reader->Read(buf, 16), 16);
  EXPECT_STREQ(buf, "through the pipe");
  // The reading end cannot be written.
  EXPECT_EQ(RaisedMessage<EWriteError>([&] { reader->WriteBuffer("x", 1); }), "Stream write error");

  // A pipe cannot seek; the failure is reported, not hidden.
  EXPECT_THROW(reader->GetPosition(), EStreamError);
  // Loading from it fails before the memory stream changes.
  auto m = MakeOwned<TMemoryStream>();
  WriteText(m.get(), "kept");
  EXPECT_THROW(m->LoadFromStream(reader.get()), EStreamError);
  EXPECT_EQ(ReadAll(m.get()), "kept");

  writer.reset();  // freeing the stream leaves the descriptor open
  EXPECT_NE(::fcntl(fds[1], F_GETFD), -1);
  ::close(fds[0]);
  ::close(fds[1]);

  EXPECT_EQ(RaisedMessage<EStreamError>([] { MakeOwned<THandleStream>(-1); }), "Invalid stream handle (-1)");
}

TEST(ResourceStream, FindsRegisteredResources) {
  RegisterResource(HInstance(), "Greeting", RT_RCDATA, std::string_view("hello"));
  RegisterResource(HInstance(), "#42", RT_RCDATA, std::string_view("by number"));

  auto r = MakeOwned<TResourceStream>(HInstance(), "GREETING", "rcdata");  // any case
  EXPECT_EQ(ReadAll(r.get()), "hello");
  auto byZero = MakeOwned<TResourceStream>(0, "greeting", RT_RCDATA);  // 0 is the main module
  EXPECT_EQ(ReadAll(byZero.get()), "hello");
  TOwned<TResourceStream> byId(TResourceStream::CreateFromID(HInstance(), 42, RT_RCDATA));
  EXPECT_EQ(ReadAll(byId.get()), "by number");

  // Replacing a resource leaves open streams on the old bytes.
  RegisterResource(HInstance(), "greeting", RT_RCDATA, std::string_view("bye"));
  EXPECT_EQ(ReadAll(r.get()), "hello");
  EXPECT_EQ(ReadAll(MakeOwned<TResourceStream>(HInstance(), "Greeting", RT_RCDATA).get()), "bye");

  // Missing: another module, another type, another name, another id.
  EXPECT_EQ(RaisedMessage<EResNotFound>([] { MakeOwned<TResourceStream>(HInstance() + 1, "Greeting", RT_RCDATA); }),
            "Resource Greeting not found");
  EXPECT_EQ(RaisedMessage<EResNotFound>([] { MakeOwned<TResourceStream>(HInstance(), "Greeting", RT_BITMAP); }),
            "Resource Greeting not found");
  EXPECT_EQ(RaisedMessage<EResNotFound>([] { MakeOwned<TResourceStream>(HInstance(), "Other", RT_RCDATA); }),
            "Resource Other not found");
  EXPECT_EQ(RaisedMessage<EResNotFound>(
                [] { TOwned<TResourceStream>(TResourceStream::CreateFromID(HInstance(), 43, RT_RCDATA)); }),
            "Resource #43 not found");
  EXPECT_THROW(RegisterResource(HInstance(), "", RT_RCDATA, std::string_view("x")), EInvalidOperation);

  EXPECT_TRUE(UnregisterResource(HInstance(), "GREETING", RT_RCDATA));
  EXPECT_FALSE(UnregisterResource(HInstance(), "GREETING", RT_RCDATA));
  EXPECT_EQ(FindResourceData(HInstance(), "Greeting", RT_RCDATA), nullptr);
  EXPECT_NE(FindResourceData(HInstance(), "#42", RT_RCDATA), nullptr);
  UnregisterResource(HInstance(), "#42", RT_RCDATA);
}

TEST(ResourceStream, IsReadOnly) {
  RegisterResource(HInstance(), "Fixed", RT_RCDATA, std::string_view("abc"));
  auto r = MakeOwned<TResourceStream>(HInstance(), "Fixed", RT_RCDATA);
  r->SetPosition(1);
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { r->Write("x", 1); }), "Can't write to a read-only resource stream");
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { r->WriteBuffer("x", 1); }), "Can't write to a read-only resource stream");
  EXPECT_EQ(r->GetPosition(), 1);
  EXPECT_EQ(ReadAll(r.get()), "abc");

  // Its bytes can still be copied out.
  auto m = MakeOwned<TMemoryStream>();
  r->SaveToStream(m.get());
  EXPECT_EQ(ReadAll(m.get()), "abc");
  m->LoadFromStream(r.get());
  EXPECT_EQ(ReadAll(m.get()), "abc");
  UnregisterResource(HInstance(), "Fixed", RT_RCDATA);
}

}  // namespace
}  // namespace host
