// Byte streams of the host class library: the abstract TStream, streams over
// POSIX file descriptors and files, memory streams, a stream over a string
// and a read-only stream over a resource compiled into the program.
//
// Positions and sizes are 64-bit; a single Read or Write moves at most an
// int32 count of bytes, as in the classic library.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/classes/resources.h"
#include "host/rtl/object.h"

namespace host {

class TComponent;

// Seek origins.
inline constexpr uint16_t soFromBeginning = 0;
inline constexpr uint16_t soFromCurrent = 1;
inline constexpr uint16_t soFromEnd = 2;

// File open modes of TFileStream. fmCreate creates (or empties) the file and
// opens it for reading and writing; otherwise the low two bits choose the
// access. The share flags are accepted for compatibility and have no effect:
// POSIX has no mandatory share locks, so other openers are never refused.
inline constexpr uint16_t fmCreate = 0xFFFF;
inline constexpr uint16_t fmOpenRead = 0x0000;
inline constexpr uint16_t fmOpenWrite = 0x0001;
inline constexpr uint16_t fmOpenReadWrite = 0x0002;
inline constexpr uint16_t fmShareCompat = 0x0000;
inline constexpr uint16_t fmShareExclusive = 0x0010;
inline constexpr uint16_t fmShareDenyWrite = 0x0020;
inline constexpr uint16_t fmShareDenyRead = 0x0030;
inline constexpr uint16_t fmShareDenyNone = 0x0040;

// Message texts of the stream errors.
inline constexpr char SReadError[] = "Stream read error";
inline constexpr char SWriteError[] = "Stream write error";
inline constexpr char SFCreateErrorEx[] = "Cannot create file \"%s\". %s";
inline constexpr char SFOpenErrorEx[] = "Cannot open file \"%s\". %s";
inline constexpr char SMemoryStreamError[] = "Out of memory while expanding memory stream";
inline constexpr char SCantWriteResourceStreamError[] = "Can't write to a read-only resource stream";
inline constexpr char SResNotFound[] = "Resource %s not found";
inline constexpr char SInvalidSeekOrigin[] = "Invalid stream seek origin (%d)";
inline constexpr char SNegativeStreamPosition[] = "Stream position cannot be negative (%d)";
inline constexpr char SInvalidStreamSize[] = "Invalid stream size (%d)";
inline constexpr char SInvalidMemoryCapacity[] = "Memory stream capacity out of bounds (%d)";
inline constexpr char SInvalidStreamHandle[] = "Invalid stream handle (%d)";
inline constexpr char SNoStream[] = "No stream given (nil)";

class TStream;
// Raises EStreamError (SNoStream) for a nil stream given to a load or save.
void NeedStream(const TStream* Stream);

// ------------------------------------------------------------------ TStream

class TStream : public TObject {
  HOST_CLASS(TStream, TObject)

  // Reads up to `count` bytes into `buf`; returns how many were read (0 at
  // the end of the data or for a negative count).
  virtual int32_t Read(void* buf, int32_t count) = 0;
  // Writes up to `count` bytes from `buf`; returns how many were written.
  virtual int32_t Write(const void* buf, int32_t count) = 0;
  // Moves the position relative to the origin and returns the new position.
  // An unknown origin or a position before the start raises EStreamError and
  // leaves the position where it was.
  virtual int64_t Seek(int64_t offset, uint16_t origin) = 0;

  // Read/Write that raise EReadError "Stream read error" / EWriteError
  // "Stream write error" when fewer than `count` bytes move.
  void ReadBuffer(void* buf, int32_t count);
  void WriteBuffer(const void* buf, int32_t count);
  // Copies `count` bytes from the source's position into this stream; a count
  // of zero or less copies the whole source from its start. Returns the
  // number of bytes copied.
  int64_t CopyFrom(TStream* source, int64_t count);

  // ---- components in the binary form format (see filer.h)
  // Reads a whole form from the position. A null Instance is created from
  // the class named in the stream (it must be registered); otherwise the
  // form is read into Instance. Returns the root.
  TComponent* ReadComponent(TComponent* Instance);
  // The same for a form wrapped in a resource header (ReadResHeader first).
  TComponent* ReadComponentRes(TComponent* Instance);
  // Writes Instance and its children as a form at the position.
  void WriteComponent(TComponent* Instance);
  // Writes Instance as a descendent of Ancestor: only what differs.
  void WriteDescendent(TComponent* Instance, TComponent* Ancestor);
  // The same wrapped in a resource header named ResName (upper-cased).
  void WriteComponentRes(const std::string& ResName, TComponent* Instance);
  void WriteDescendentRes(const std::string& ResName, TComponent* Instance, TComponent* Ancestor);
  // The classic 16-bit resource header of a form: byte 0xFF, word 10
  // (RT_RCDATA), the name as zero-terminated upper-case text,
  // word 0x1030 (flags), then the 32-bit size of the form that follows.
  // WriteResourceHeader leaves the size open and gives its position in
  // FixupInfo; FixupResourceHeader fills it in once the form is written.
  void WriteResourceHeader(const std::string& ResName, int64_t& FixupInfo);
  void FixupResourceHeader(int64_t FixupInfo);
  // Reads and checks that header; raises EInvalidImage "Invalid stream
  // format" (the classic class) when the bytes are not one.
  void ReadResHeader();

  int64_t GetPosition();
  void SetPosition(int64_t pos);
  virtual int64_t GetSize();
  // Changes the size; the base class cannot and ignores it.
  virtual void SetSize(int64_t newSize);

 protected:
  // The position a seek from `current` in data of `size` bytes lands on;
  // raises EStreamError for an unknown origin or a negative result.
  static int64_t SeekTarget(int64_t offset, uint16_t origin, int64_t current, int64_t size);
  // Raises EStreamError when a requested size is negative.
  static void CheckNewSize(int64_t newSize);
};

// ------------------------------------------------------------- THandleStream

// A stream over an open POSIX file descriptor. The stream does not own the
// descriptor: it is not closed when the stream is freed.
class THandleStream : public TStream {
  HOST_CLASS(THandleStream, TStream)

  // Raises EStreamError for a negative descriptor.
  explicit THandleStream(int AHandle);

  int GetHandle() const { return FHandle; }

  int32_t Read(void* buf, int32_t count) override;
  int32_t Write(const void* buf, int32_t count) override;
  int64_t Seek(int64_t offset, uint16_t origin) override;
  // Truncates or extends the file; raises EStreamError with the system's
  // reason when the descriptor cannot change size.
  void SetSize(int64_t newSize) override;

 protected:
  int FHandle;
};

// --------------------------------------------------------------- TFileStream

class TFileStream : public THandleStream {
  HOST_CLASS(TFileStream, THandleStream)

  // Opens or creates `fileName` (see the fm* modes above). Failures raise
  // EFCreateError / EFOpenError naming the file and giving the system reason.
  TFileStream(const std::string& fileName, uint16_t mode);

  const std::string& GetFileName() const { return FFileName; }

 protected:
  void Destroy() override;  // closes the descriptor

 private:
  std::string FFileName;
};

// ------------------------------------------------------- TCustomMemoryStream

// A stream over a block of memory that some descendant provides.
class TCustomMemoryStream : public TStream {
  HOST_CLASS(TCustomMemoryStream, TStream)

  void* GetMemory() const { return FMemory; }

  int32_t Read(void* buf, int32_t count) override;
  // The position may move past the end; reading there returns nothing and
  // writing (where allowed) fills the gap with zero bytes.
  int64_t Seek(int64_t offset, uint16_t origin) override;
  int64_t GetSize() override { return FSize; }

  // Writes the whole memory block to `stream` / to a newly created file.
  void SaveToStream(TStream* stream);
  void SaveToFile(const std::string& fileName);

 protected:
  // Points the stream at a block of `size` bytes (the position stays).
  void SetPointer(void* ptr, int64_t size);
  int64_t DataSize() const { return FSize; }
  int64_t FPosition = 0;

 private:
  void* FMemory = nullptr;
  int64_t FSize = 0;
};

// ------------------------------------------------------------- TMemoryStream

// A growable memory stream. The capacity grows in steps of MemoryDelta bytes,
// so a run of small writes does not reallocate each time.
class TMemoryStream : public TCustomMemoryStream {
  HOST_CLASS(TMemoryStream, TCustomMemoryStream)

  static constexpr int64_t MemoryDelta = 0x2000;

  TMemoryStream() = default;

  // Releases the memory; size and position become 0.
  void Clear();
  // Replaces the contents with the whole of `stream` / of the file. When
  // reading fails the stream keeps its old contents.
  void LoadFromStream(TStream* stream);
  void LoadFromFile(const std::string& fileName);
  // Grows or shrinks the data; new bytes are zero; a position past the new
  // end moves to the end.
  void SetSize(int64_t newSize) override;
  int32_t Write(const void* buf, int32_t count) override;

  // Capacity is a protected property in the classic library; the accessors
  // are public here so that descriptors can reach them.
  int64_t GetCapacity() const { return FCapacity; }
  // Reserves at least `newCapacity` bytes (rounded up to MemoryDelta unless
  // it equals the size). A capacity below the size or above the int32 range
  // raises EStreamError and changes nothing.
  void SetCapacity(int64_t newCapacity);

 private:
  // The capacity classic growth gives for holding `bytes` bytes.
  int64_t RoundedCapacity(int64_t bytes) const;
  // Reallocates to exactly `newCapacity` bytes, keeping the data that fits.
  void Reallocate(int64_t newCapacity);
  // Zeroes the bytes [from, to) of the buffer.
  void ZeroFill(int64_t from, int64_t to);

  std::unique_ptr<uint8_t[]> FBuffer;
  int64_t FCapacity = 0;
};

// ------------------------------------------------------------- TStringStream

// A stream over a string held by the stream (DataString).
class TStringStream : public TStream {
  HOST_CLASS(TStringStream, TStream)

  explicit TStringStream(const std::string& AString = std::string());

  const std::string& GetDataString() const { return FData; }

  int32_t Read(void* buf, int32_t count) override;
  // Overwrites from the position on and extends the string when needed.
  int32_t Write(const void* buf, int32_t count) override;
  // A position past the end is moved back to the end (classic).
  int64_t Seek(int64_t offset, uint16_t origin) override;
  int64_t GetSize() override { return static_cast<int64_t>(FData.size()); }
  void SetSize(int64_t newSize) override;

  // Up to `count` characters from the position (fewer at the end).
  std::string ReadString(int32_t count);
  void WriteString(const std::string& AString);

 private:
  std::string FData;
  int64_t FPosition = 0;
};

// ----------------------------------------------------------- TResourceStream

// A read-only stream over a resource registered with RegisterResource.
class TResourceStream : public TCustomMemoryStream {
  HOST_CLASS(TResourceStream, TCustomMemoryStream)

  // Finds the resource; a missing one raises EResNotFound
  // "Resource <name> not found".
  TResourceStream(HMODULE Instance, const std::string& ResName, const std::string& ResType);
  // The resource registered under the name "#<ResID>".
  static TResourceStream* CreateFromID(HMODULE Instance, int32_t ResID, const std::string& ResType);

  // Always raises EStreamError "Can't write to a read-only resource stream".
  int32_t Write(const void* buf, int32_t count) override;

 private:
  // Keeps the bytes alive even if the resource is registered again.
  std::shared_ptr<const std::vector<uint8_t>> FData;
};

}  // namespace host
