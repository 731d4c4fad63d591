// Internals of the filer shared by its sources (filer.cc, reader_values.cc,
// reader.cc, writer.cc) and the form text converters (formtext.cc): the byte
// encoding of value tags, numbers and component prefixes, a scope helper, and
// the one guard that limits how deep a form may nest. Not part of the public
// interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <string>
#include <utility>

#include "host/classes/filer.h"
#include "host/rtl/sysutils.h"

namespace host {

// ------------------------------------------------------------ nesting guard

// Counts one level of nesting (a component, a collection or one of its items,
// a list value) for as long as it lives, so that hostile input cannot recurse
// without bound. Entering a level past TReader::MaxNesting is refused: the
// guard calls `refuse` with the text "Form nests more than 128 levels deep",
// and `refuse` raises the error of its site (the binary reader adds the byte
// position, the text parser the line, the writer raises EWriteError). Should
// `refuse` return, the guard raises EFilerError with that text itself.
//
// The count is taken only once the level is accepted, so a refused level
// leaves it as it was, and an accepted one is undone exactly once when the
// scope ends, normally or by an exception.
class TNestingGuard {
 public:
  template <class Refuse>
  TNestingGuard(int& depth, Refuse&& refuse) : FDepth(depth) {
    if (FDepth >= TReader::MaxNesting) {
      const std::string message = Format(SNestingTooDeep, {TReader::MaxNesting});
      std::forward<Refuse>(refuse)(message);
      throw EFilerError(message);
    }
    ++FDepth;
  }
  ~TNestingGuard() { --FDepth; }
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;

 private:
  int& FDepth;
};

// Raises EReadError "<What> at position <Position>", the form of every error
// about malformed binary data.
[[noreturn]] void RaiseReadErrorAt(const std::string& What, int64_t Position);

namespace filer_detail {

// ---------------------------------------------------------------- value tags

inline constexpr const char* kValueTypeNames[] = {
    "vaNull",       "vaList",   "vaInt8",     "vaInt16",  "vaInt32",   "vaExtended", "vaString",
    "vaIdent",      "vaFalse",  "vaTrue",     "vaBinary", "vaSet",     "vaLString",  "vaNil",
    "vaCollection", "vaSingle", "vaCurrency", "vaDate",   "vaWString", "vaInt64",    "vaUTF8String"};
static_assert(std::size(kValueTypeNames) == vaLast + 1);

// Bytes of data after the tag of the values that have a fixed size (-1: the
// value has a length of its own or is a list).
inline constexpr int8_t kFixedSize[] = {0, -1, 1, 2, 4, 10, -1, -1, 0, 0, -1, -1, -1, 0, -1, 4, 8, 8, -1, 8, -1};
static_assert(std::size(kFixedSize) == vaLast + 1);

// The tags of integers that fit 32 bits (ReadInteger), and of all integers.
constexpr bool IsInt32Tag(TValueType t) { return t == vaInt8 || t == vaInt16 || t == vaInt32; }
constexpr bool IsIntegerTag(TValueType t) { return IsInt32Tag(t) || t == vaInt64; }

// ------------------------------------------------------------ component prefix

// A component entry may open with a prefix byte: 0xF0 in the high nibble and
// the TFilerFlags in the low three bits; bit 3 is never set. A class name
// starts with its length byte, so it must stay below 0xF0 to be told apart.
inline constexpr uint8_t kPrefixMark = 0xF0;
inline constexpr uint8_t kPrefixFlagBits = 0x07;
inline constexpr uint8_t kPrefixReservedBit = 0x08;
static_assert(TWriter::MaxClassNameLength < kPrefixMark);

constexpr bool IsPrefixByte(uint8_t b) { return (b & kPrefixMark) == kPrefixMark; }
constexpr uint8_t EncodePrefix(TFilerFlags flags) { return static_cast<uint8_t>(kPrefixMark | flags.Bits()); }
constexpr TFilerFlags DecodePrefixFlags(uint8_t b) { return TFilerFlags::FromBits(b & kPrefixFlagBits); }

// ------------------------------------------------------------------ numbers

// Little-endian bytes of a number of any size up to 8 bytes.
template <class T>
void StoreLE(T value, uint8_t* out) {
  static_assert(sizeof(T) <= sizeof(uint64_t));
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof(T));
  for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

template <class T>
T LoadLE(const uint8_t* in) {
  static_assert(sizeof(T) <= sizeof(uint64_t));
  uint64_t bits = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) bits |= static_cast<uint64_t>(in[i]) << (8 * i);
  T value;
  std::memcpy(&value, &bits, sizeof(T));
  return value;
}

// The classic 10-byte extended (vaExtended) to and from double.
void EncodeExtended(double value, uint8_t out[10]);
double DecodeExtended(const uint8_t in[10]);

// ------------------------------------------------------------------- scopes

// Sets a variable for a scope and restores it when the scope ends, however it
// ends.
template <class T>
class TRestore {
 public:
  TRestore(T& var, T value) : FVar(var), FSaved(var) { FVar = std::move(value); }
  ~TRestore() { FVar = std::move(FSaved); }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& FVar;
  T FSaved;
};

}  // namespace filer_detail
}  // namespace host
