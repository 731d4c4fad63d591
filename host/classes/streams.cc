#include "host/classes/streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <system_error>

#include "host/classes/filer.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TStream, TObject)
HOST_IMPL(THandleStream, TStream)
HOST_IMPL(TFileStream, THandleStream)
HOST_IMPL(TCustomMemoryStream, TStream)
HOST_IMPL(TMemoryStream, TCustomMemoryStream)
HOST_IMPL(TStringStream, TStream)
HOST_IMPL(TResourceStream, TCustomMemoryStream)

namespace {

// The largest block one Read or Write call moves, and the largest memory
// stream (so that every size fits the int32 counts of Read and Write).
constexpr int64_t kMaxChunk = INT32_MAX;
constexpr int64_t kMaxMemory = INT32_MAX & ~(TMemoryStream::MemoryDelta - 1);
// Size of the buffer CopyFrom moves data through.
constexpr int64_t kCopyBufferSize = 0xF000;

std::string SysErrorMessage(int error) { return std::generic_category().message(error); }

void CheckStreamArgument(const TStream* stream, const char* operation) {
  if (!stream) throw EStreamError("%s needs a stream, not nil", {operation});
}

int32_t ChunkOf(int64_t remaining) { return static_cast<int32_t>(std::min(remaining, kMaxChunk)); }

}  // namespace

// ------------------------------------------------------------------ TStream

void TStream::ReadBuffer(void* buf, int32_t count) {
  if (count != 0 && Read(buf, count) != count) throw EReadError(SReadError);
}

void TStream::WriteBuffer(const void* buf, int32_t count) {
  if (count != 0 && Write(buf, count) != count) throw EWriteError(SWriteError);
}

int64_t TStream::CopyFrom(TStream* source, int64_t count) {
  CheckStreamArgument(source, "CopyFrom");
  if (count <= 0) {
    source->SetPosition(0);
    count = source->GetSize();
  }
  const int64_t total = count;
  std::vector<uint8_t> buffer(static_cast<std::size_t>(std::min(count, kCopyBufferSize)));
  while (count > 0) {
    const int32_t n = static_cast<int32_t>(std::min<int64_t>(count, static_cast<int64_t>(buffer.size())));
    source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    count -= n;
  }
  return total;
}

// ------------------------------------------------------ components

namespace {

constexpr int32_t kFilerBufSize = 4096;
constexpr uint16_t kRTRCData = 10;
constexpr uint16_t kResFlags = 0x1030;
constexpr std::size_t kMaxResNameLength = 255;

}  // namespace

TComponent* TStream::ReadComponent(TComponent* Instance) {
  TOwned<TReader> reader = MakeOwned<TReader>(this, kFilerBufSize);
  return reader->ReadRootComponent(Instance);
}

TComponent* TStream::ReadComponentRes(TComponent* Instance) {
  ReadResHeader();
  return ReadComponent(Instance);
}

void TStream::WriteComponent(TComponent* Instance) { WriteDescendent(Instance, nullptr); }

void TStream::WriteDescendent(TComponent* Instance, TComponent* Ancestor) {
  TOwned<TWriter> writer = MakeOwned<TWriter>(this, kFilerBufSize);
  writer->WriteDescendent(Instance, Ancestor);
}

void TStream::WriteComponentRes(const std::string& ResName, TComponent* Instance) {
  WriteDescendentRes(ResName, Instance, nullptr);
}

void TStream::WriteDescendentRes(const std::string& ResName, TComponent* Instance, TComponent* Ancestor) {
  int64_t fixup = 0;
  WriteResourceHeader(ResName, fixup);
  WriteDescendent(Instance, Ancestor);
  FixupResourceHeader(fixup);
}

void TStream::WriteResourceHeader(const std::string& ResName, int64_t& FixupInfo) {
  const std::string name = UpperCase(ResName);
  if (name.size() > kMaxResNameLength || name.find('\0') != std::string::npos)
    throw EWriteError("Invalid resource name '%s'", {ResName});
  std::vector<uint8_t> header{0xFF, kRTRCData & 0xFF, kRTRCData >> 8};
  header.insert(header.end(), name.begin(), name.end());
  header.insert(header.end(), {0, kResFlags & 0xFF, kResFlags >> 8});
  WriteBuffer(header.data(), static_cast<int32_t>(header.size()));
  FixupInfo = GetPosition();
  const uint8_t size[4] = {};
  WriteBuffer(size, 4);
}

void TStream::FixupResourceHeader(int64_t FixupInfo) {
  const int64_t end = GetPosition();
  const int64_t size = end - FixupInfo - 4;
  if (size < 0 || size > INT32_MAX) throw EWriteError("Invalid resource size (%d)", {size});
  const uint8_t bytes[4] = {static_cast<uint8_t>(size), static_cast<uint8_t>(size >> 8),
                            static_cast<uint8_t>(size >> 16), static_cast<uint8_t>(size >> 24)};
  SetPosition(FixupInfo);
  WriteBuffer(bytes, 4);
  SetPosition(end);
}

void TStream::ReadResHeader() {
  auto readByte = [this] {
    uint8_t b = 0;
    if (Read(&b, 1) != 1) throw EInvalidImage(SInvalidImage);
    return b;
  };
  auto expect = [&](uint8_t value) {
    if (readByte() != value) throw EInvalidImage(SInvalidImage);
  };
  expect(0xFF);
  expect(kRTRCData & 0xFF);
  expect(kRTRCData >> 8);
  std::size_t length = 0;
  while (readByte() != 0)
    if (++length > kMaxResNameLength) throw EInvalidImage(SInvalidImage);
  expect(kResFlags & 0xFF);
  expect(kResFlags >> 8);
  for (int i = 0; i < 4; ++i) readByte();
}

int64_t TStream::GetPosition() { return Seek(0, soFromCurrent); }

void TStream::SetPosition(int64_t pos) { Seek(pos, soFromBeginning); }

int64_t TStream::GetSize() {
  const int64_t pos = Seek(0, soFromCurrent);
  const int64_t size = Seek(0, soFromEnd);
  Seek(pos, soFromBeginning);
  return size;
}

void TStream::SetSize(int64_t /*newSize*/) {}

int64_t TStream::SeekTarget(int64_t offset, uint16_t origin, int64_t current, int64_t size) {
  int64_t base;
  switch (origin) {
    case soFromBeginning:
      base = 0;
      break;
    case soFromCurrent:
      base = current;
      break;
    case soFromEnd:
      base = size;
      break;
    default:
      throw EStreamError(SInvalidSeekOrigin, {static_cast<int>(origin)});
  }
  int64_t target;
  if (__builtin_add_overflow(base, offset, &target) || target < 0)
    throw EStreamError(SNegativeStreamPosition, {static_cast<long long>(offset)});
  return target;
}

void TStream::CheckNewSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError(SInvalidStreamSize, {static_cast<long long>(newSize)});
}

// ------------------------------------------------------------- THandleStream

THandleStream::THandleStream(int AHandle) : FHandle(AHandle) {
  if (AHandle < 0) throw EStreamError(SInvalidStreamHandle, {AHandle});
}

namespace {

// Repeats a read() or write() until `count` bytes moved, the data ended or
// the descriptor reported an error; interrupted calls are retried. A pipe
// or terminal may deliver fewer bytes per call than asked for.
template <class Buffer, class Transfer>
int32_t TransferAll(Buffer* buf, int32_t count, Transfer transfer) {
  int32_t done = 0;
  while (done < count) {
    const ssize_t n = transfer(buf + done, static_cast<std::size_t>(count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<int32_t>(n);
  }
  return done;
}

int WhenceOf(uint16_t origin) {
  switch (origin) {
    case soFromBeginning:
      return SEEK_SET;
    case soFromCurrent:
      return SEEK_CUR;
    case soFromEnd:
      return SEEK_END;
    default:
      throw EStreamError(SInvalidSeekOrigin, {static_cast<int>(origin)});
  }
}

}  // namespace

int32_t THandleStream::Read(void* buf, int32_t count) {
  return TransferAll(static_cast<uint8_t*>(buf), count,
                     [this](uint8_t* p, std::size_t n) { return ::read(FHandle, p, n); });
}

int32_t THandleStream::Write(const void* buf, int32_t count) {
  return TransferAll(static_cast<const uint8_t*>(buf), count,
                     [this](const uint8_t* p, std::size_t n) { return ::write(FHandle, p, n); });
}

int64_t THandleStream::Seek(int64_t offset, uint16_t origin) {
  const int whence = WhenceOf(origin);
  const off_t pos = ::lseek(FHandle, static_cast<off_t>(offset), whence);
  if (pos < 0) {
    if (errno == EINVAL) throw EStreamError(SNegativeStreamPosition, {static_cast<long long>(offset)});
    throw EStreamError("Cannot move the stream position. %s", {SysErrorMessage(errno)});
  }
  return pos;
}

void THandleStream::SetSize(int64_t newSize) {
  CheckNewSize(newSize);
  const int64_t pos = GetPosition();
  if (::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
    throw EStreamError("Cannot change the stream size. %s", {SysErrorMessage(errno)});
  if (pos > newSize) Seek(newSize, soFromBeginning);
}

// --------------------------------------------------------------- TFileStream

namespace {

constexpr uint16_t kCreateBits = 0xFF00;  // fmCreate, alone or with share flags
constexpr uint16_t kAccessMask = 0x0003;
constexpr uint16_t kShareMask = 0x00F0;

bool IsCreateMode(uint16_t mode) { return (mode & kCreateBits) == kCreateBits; }

bool IsValidOpenMode(uint16_t mode) {
  if (IsCreateMode(mode)) return (mode & ~(kCreateBits | kShareMask)) == 0 || mode == fmCreate;
  return (mode & ~(kAccessMask | kShareMask)) == 0 && (mode & kAccessMask) != 3 &&
         (mode & kShareMask) <= fmShareDenyNone;
}

int OpenFlags(uint16_t mode) {
  if (IsCreateMode(mode)) return O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC;
  static constexpr int kAccess[] = {O_RDONLY, O_WRONLY, O_RDWR};
  return kAccess[mode & kAccessMask] | O_CLOEXEC;
}

// Opens the file or raises the error naming it. A directory is refused like
// a missing file: it cannot be read or written as a stream.
int OpenFile(const std::string& fileName, uint16_t mode) {
  auto fail = [&](const std::string& reason) -> int {
    if (IsCreateMode(mode)) throw EFCreateError(SFCreateErrorEx, {fileName, reason});
    throw EFOpenError(SFOpenErrorEx, {fileName, reason});
  };
  if (!IsValidOpenMode(mode)) return fail("Invalid file mode $" + IntToHex(mode, 4));
  const int fd = ::open(fileName.c_str(), OpenFlags(mode), 0666);
  if (fd < 0) return fail(SysErrorMessage(errno));
  struct stat info;
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    return fail(SysErrorMessage(EISDIR));
  }
  return fd;
}

}  // namespace

TFileStream::TFileStream(const std::string& fileName, uint16_t mode)
    : THandleStream(OpenFile(fileName, mode)), FFileName(fileName) {}

void TFileStream::Destroy() {
  if (FHandle >= 0) ::close(FHandle);
  FHandle = -1;
  inherited::Destroy();
}

// ------------------------------------------------------- TCustomMemoryStream

void TCustomMemoryStream::SetPointer(void* ptr, int64_t size) {
  FMemory = ptr;
  FSize = size;
}

int32_t TCustomMemoryStream::Read(void* buf, int32_t count) {
  if (count <= 0 || FPosition >= FSize) return 0;
  const int64_t n = std::min<int64_t>(count, FSize - FPosition);
  std::memcpy(buf, static_cast<const uint8_t*>(FMemory) + FPosition, static_cast<std::size_t>(n));
  FPosition += n;
  return static_cast<int32_t>(n);
}

int64_t TCustomMemoryStream::Seek(int64_t offset, uint16_t origin) {
  FPosition = SeekTarget(offset, origin, FPosition, FSize);
  return FPosition;
}

void NeedStream(const TStream* Stream) {
  if (!Stream) throw EStreamError(SNoStream);
}

void TCustomMemoryStream::SaveToStream(TStream* stream) {
  NeedStream(stream);
  CheckStreamArgument(stream, "SaveToStream");
  const auto* data = static_cast<const uint8_t*>(FMemory);
  for (int64_t done = 0; done < FSize;) {
    const int32_t n = ChunkOf(FSize - done);
    stream->WriteBuffer(data + done, n);
    done += n;
  }
}

void TCustomMemoryStream::SaveToFile(const std::string& fileName) {
  TOwned<TFileStream> file(new TFileStream(fileName, fmCreate));
  SaveToStream(file.get());
}

// ------------------------------------------------------------- TMemoryStream

int64_t TMemoryStream::RoundedCapacity(int64_t bytes) const {
  if (bytes <= 0 || bytes == DataSize()) return bytes;
  return (bytes + MemoryDelta - 1) & ~(MemoryDelta - 1);
}

void TMemoryStream::Reallocate(int64_t newCapacity) {
  if (newCapacity == FCapacity) return;
  std::unique_ptr<uint8_t[]> fresh;
  if (newCapacity > 0) {
    fresh.reset(new (std::nothrow) uint8_t[static_cast<std::size_t>(newCapacity)]);
    if (!fresh) throw EStreamError(SMemoryStreamError);
    const int64_t keep = std::min(DataSize(), newCapacity);
    if (keep > 0) std::memcpy(fresh.get(), FBuffer.get(), static_cast<std::size_t>(keep));
  }
  FBuffer = std::move(fresh);
  FCapacity = newCapacity;
  SetPointer(FBuffer.get(), std::min(DataSize(), newCapacity));
}

void TMemoryStream::ZeroFill(int64_t from, int64_t to) {
  if (to > from) std::memset(FBuffer.get() + from, 0, static_cast<std::size_t>(to - from));
}

void TMemoryStream::SetCapacity(int64_t newCapacity) {
  if (newCapacity < DataSize() || newCapacity > kMaxMemory)
    throw EStreamError(SInvalidMemoryCapacity, {static_cast<long long>(newCapacity)});
  Reallocate(RoundedCapacity(newCapacity));
}

void TMemoryStream::SetSize(int64_t newSize) {
  CheckNewSize(newSize);
  if (newSize > kMaxMemory) throw EStreamError(SInvalidStreamSize, {static_cast<long long>(newSize)});
  const int64_t oldSize = DataSize();
  Reallocate(RoundedCapacity(newSize));
  ZeroFill(oldSize, newSize);
  SetPointer(FBuffer.get(), newSize);
  FPosition = std::min(FPosition, newSize);
}

int32_t TMemoryStream::Write(const void* buf, int32_t count) {
  if (count <= 0) return 0;
  if (FPosition > kMaxMemory - count) return 0;  // the data would grow past the largest stream
  const int64_t end = FPosition + count;
  const int64_t oldSize = DataSize();
  if (end > oldSize) {
    if (end > FCapacity) Reallocate(RoundedCapacity(end));
    ZeroFill(oldSize, FPosition);
    SetPointer(FBuffer.get(), end);
  }
  std::memcpy(FBuffer.get() + FPosition, buf, static_cast<std::size_t>(count));
  FPosition = end;
  return count;
}

void TMemoryStream::Clear() {
  SetPointer(FBuffer.get(), 0);
  Reallocate(0);
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* stream) {
  NeedStream(stream);
  CheckStreamArgument(stream, "LoadFromStream");
  stream->SetPosition(0);
  const int64_t count = stream->GetSize();
  if (count > kMaxMemory) throw EStreamError(SInvalidStreamSize, {static_cast<long long>(count)});
  // Read into a separate block first, so that a failed read changes nothing.
  const int64_t capacity = RoundedCapacity(count);
  std::unique_ptr<uint8_t[]> fresh;
  if (capacity > 0) {
    fresh.reset(new (std::nothrow) uint8_t[static_cast<std::size_t>(capacity)]);
    if (!fresh) throw EStreamError(SMemoryStreamError);
    stream->ReadBuffer(fresh.get(), static_cast<int32_t>(count));
  }
  FBuffer = std::move(fresh);
  FCapacity = capacity;
  SetPointer(FBuffer.get(), count);
}

void TMemoryStream::LoadFromFile(const std::string& fileName) {
  TOwned<TFileStream> file(new TFileStream(fileName, fmOpenRead | fmShareDenyWrite));
  LoadFromStream(file.get());
}

// ------------------------------------------------------------- TStringStream

TStringStream::TStringStream(const std::string& AString) : FData(AString) {}

int32_t TStringStream::Read(void* buf, int32_t count) {
  const std::string part = ReadString(count);
  if (part.empty()) return 0;
  std::memcpy(buf, part.data(), part.size());
  return static_cast<int32_t>(part.size());
}

std::string TStringStream::ReadString(int32_t count) {
  if (count <= 0 || FPosition >= GetSize()) return {};
  std::string part = FData.substr(static_cast<std::size_t>(FPosition), static_cast<std::size_t>(count));
  FPosition += static_cast<int64_t>(part.size());
  return part;
}

int32_t TStringStream::Write(const void* buf, int32_t count) {
  if (count <= 0) return 0;
  const auto pos = static_cast<std::size_t>(FPosition);
  if (pos + static_cast<std::size_t>(count) > FData.size()) FData.resize(pos + static_cast<std::size_t>(count));
  std::memcpy(FData.data() + pos, buf, static_cast<std::size_t>(count));
  FPosition += count;
  return count;
}

void TStringStream::WriteString(const std::string& AString) {
  WriteBuffer(AString.data(), ChunkOf(static_cast<int64_t>(AString.size())));
}

int64_t TStringStream::Seek(int64_t offset, uint16_t origin) {
  FPosition = std::min(SeekTarget(offset, origin, FPosition, GetSize()), GetSize());
  return FPosition;
}

void TStringStream::SetSize(int64_t newSize) {
  CheckNewSize(newSize);
  if (newSize > kMaxChunk) throw EStreamError(SInvalidStreamSize, {static_cast<long long>(newSize)});
  FData.resize(static_cast<std::size_t>(newSize));
  FPosition = std::min(FPosition, newSize);
}

// ----------------------------------------------------------- TResourceStream

TResourceStream::TResourceStream(HMODULE Instance, const std::string& ResName, const std::string& ResType)
    : FData(FindResourceData(Instance, ResName, ResType)) {
  if (!FData) throw EResNotFound(SResNotFound, {ResName});
  SetPointer(const_cast<uint8_t*>(FData->data()), static_cast<int64_t>(FData->size()));
}

TResourceStream* TResourceStream::CreateFromID(HMODULE Instance, int32_t ResID, const std::string& ResType) {
  return new TResourceStream(Instance, "#" + IntToStr(ResID), ResType);
}

int32_t TResourceStream::Write(const void* /*buf*/, int32_t /*count*/) {
  throw EStreamError(SCantWriteResourceStreamError);
}

}  // namespace host
