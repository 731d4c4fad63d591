// The file format of TMetafile: the drawing calls made on a metafile canvas,
// in the order they were made, with the pen, brush and font they used.
//
// All numbers are little-endian; "str" is a 32-bit byte count and UTF-8
// bytes; "block" is a 32-bit width, a 32-bit height and width x height
// 32-bit pixels (0xAARRGGBB), rows from the top.
//
//   "CVMF"                 signature
//   u16 version            1
//   u16 flags              bit 0: enhanced
//   i32 MMWidth, MMHeight  the picture's size in 0.01 mm
//   u16 Inch               units per inch of a placeable metafile (0: none)
//   str CreatedBy, str Description
//   u32 record count, then the records
//
// A record is a kind byte and its data:
//   0x80 pen     i32 colour, u8 TPenStyle, u8 TPenMode, i32 width
//   0x81 brush   i32 colour, u8 TBrushStyle, block pattern (0 x 0: none)
//   0x82 font    str name, i32 height, u8 style bits, i32 colour,
//                u8 charset, u8 TFontPitch
//   0..17        a drawing call (TCanvasOp): i32 x 4 box, i32 x 2 P1,
//                i32 x 2 P2, u32 point count and i32 x 2 per point,
//                i32 colour, u32 flags, str text, i32 x 4 source rectangle,
//                block source, block mask. A blit's source and mask are the
//                pixels it copied (its source rectangle counted from the
//                block); an icon's are its colour and mask images.
// Pen, brush and font records come before the first call that uses them
// and again whenever they change.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"

namespace host::mf {

inline constexpr char kSignature[] = "CVMF";
inline constexpr uint16_t kVersion = 1;

struct THeader {
  bool Enhanced = true;
  int32_t MMWidth = 0;
  int32_t MMHeight = 0;
  uint16_t Inch = 0;
  std::string CreatedBy;
  std::string Description;
  uint32_t RecordCount = 0;
};

struct TPixelBlock {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TPixel> Pixels;
  bool Empty() const { return Width <= 0 || Height <= 0; }
  friend bool operator==(const TPixelBlock&, const TPixelBlock&) = default;
};

struct TPenState {
  int32_t Color = 0;
  uint8_t Style = 0;
  uint8_t Mode = 0;
  int32_t Width = 1;
  friend bool operator==(const TPenState&, const TPenState&) = default;
};

struct TBrushState {
  int32_t Color = 0;
  uint8_t Style = 0;
  TPixelBlock Pattern;
  friend bool operator==(const TBrushState&, const TBrushState&) = default;
};

struct TFontState {
  std::string Name;
  int32_t Height = 0;
  uint8_t Style = 0;
  int32_t Color = 0;
  uint8_t Charset = 0;
  uint8_t Pitch = 0;
  friend bool operator==(const TFontState&, const TFontState&) = default;
};

inline constexpr uint8_t kPenRecord = 0x80;
inline constexpr uint8_t kBrushRecord = 0x81;
inline constexpr uint8_t kFontRecord = 0x82;

// One record as read back.
struct TRecord {
  uint8_t Kind = 0;
  TPenState Pen;
  TBrushState Brush;
  TFontState Font;
  TCanvasCommand Command;
  TPixelBlock Source;
  TPixelBlock Mask;
};

// Appends records.
class TRecordWriter {
 public:
  void Pen(const TPenState& State);
  void Brush(const TBrushState& State);
  void Font(const TFontState& State);
  // The command's Source, Mask and Handle are left out: the blocks stand
  // for them.
  void Command(const TCanvasCommand& Command, const TPixelBlock& Source, const TPixelBlock& Mask);
  uint32_t Count() const { return FCount; }
  const std::vector<uint8_t>& Bytes() const { return FBytes; }

 private:
  std::vector<uint8_t> FBytes;
  uint32_t FCount = 0;
};

// The whole file: the header (with Records' count) and the records.
std::vector<uint8_t> Serialize(THeader Header, const TRecordWriter& Records);
std::vector<uint8_t> Serialize(THeader Header, std::span<const uint8_t> Records, uint32_t Count);

// Parses a file: checks every record and passes it to Visit (which may be
// null). Returns the header; Records receives the record bytes and End the
// bytes the file takes. Raises EInvalidGraphic "Metafile is not valid:
// <what is wrong>".
THeader Parse(std::span<const uint8_t> Data, const std::function<void(const TRecord&)>& Visit,
              std::vector<uint8_t>* Records = nullptr, std::size_t* End = nullptr);
// Parses Count records only (a metafile's own, already checked records).
void ParseRecords(std::span<const uint8_t> Records, uint32_t Count, const std::function<void(const TRecord&)>& Visit);

}  // namespace host::mf
