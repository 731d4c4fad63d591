// Reading and writing the classic device-independent bitmap: BMP files
// (a 14-byte file header "BM", size, two reserved words, the offset of the
// pixels; then a DIB) and packed DIBs (an info header, the colour table and
// the pixels, as resources, the clipboard and icons hold them).
//
// Read: info headers of 12 (OS/2 core), 16, 40, 52, 56, 64, 108 and 124
// bytes; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, RLE8, RLE4
// and bit-field pixels; rows bottom-up or (negative height) top-down.
// Written: a 40-byte info header, bottom-up rows, uncompressed except 5-6-5
// pixels, which carry their bit fields.
//
// Every size and offset is checked against the data before it is used and
// before anything is allocated; a problem raises EInvalidGraphic "Bitmap
// image is not valid: <what is wrong>", and a size beyond the limits of
// pixels.h raises EOutOfResources.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "host/graphics/pixels.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TStream;

namespace bmpio {

inline constexpr uint32_t BI_RGB = 0;
inline constexpr uint32_t BI_RLE8 = 1;
inline constexpr uint32_t BI_RLE4 = 2;
inline constexpr uint32_t BI_BITFIELDS = 3;
inline constexpr uint32_t BI_ALPHABITFIELDS = 6;
inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;

// Called while pixels are decoded with the number of rows done so far.
using TRowProgress = std::function<void(int32_t RowsDone)>;

// A parsed DIB: its geometry and where its pixels are. Nothing is decoded
// until Decode is called.
class TDibReader {
 public:
  // A BMP file starting at Data[0].
  static TDibReader FromFile(std::span<const uint8_t> Data);
  // A packed DIB starting at Data[0]. An icon image holds twice its height
  // (the colour pixels, then the AND mask), so IconImage halves it.
  static TDibReader FromPackedDib(std::span<const uint8_t> Data, bool IconImage);

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  bool TopDown() const { return FTopDown; }
  int32_t BitCount() const { return FBitCount; }
  TPixelFormat PixelFormat() const { return FFormat; }
  // The colour table of an indexed bitmap; empty otherwise.
  const TPalette& Palette() const { return FPalette; }
  // Where the pixel data ends, counted from Data[0].
  std::size_t PixelsEnd() const { return FPixelsEnd; }

  // Decodes the pixels into Width x Height pixels, Stride apart, rows from the top.
  void Decode(TPixel* Bits, int32_t Stride, const TRowProgress& Progress = nullptr) const;

 private:
  TDibReader() = default;
  void ParseInfo(std::size_t At, bool IconImage);
  void ParseMasks(std::size_t& Pos, uint32_t HeaderSize);
  void ParseColorTable(std::size_t& Pos, uint32_t HeaderSize, uint32_t ColorsUsed);
  void LocatePixels(std::size_t Offset);
  void DecodeRle(TPixel* Bits, int32_t Stride) const;
  [[noreturn]] void Fail(const std::string& What) const;

  std::span<const uint8_t> FData;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  bool FTopDown = false;
  int32_t FBitCount = 0;
  uint32_t FCompression = BI_RGB;
  TPixelFormat FFormat = pf32bit;
  TPalette FPalette;
  TPixelLayout FLayout;
  std::size_t FPixels = 0;
  std::size_t FPixelsEnd = 0;
};

// Raises EOutOfResources when a bitmap of Width x Height exceeds the limits.
void CheckBitmapSize(int64_t Width, int64_t Height);

// The packed DIB of Height rows of Width pixels in Format (Palette for the
// indexed formats), bottom-up; HeightField is written as the height (an
// icon image writes twice its height).
std::vector<uint8_t> PackDib(const TBitmapBits& Bits, TPixelFormat Format, const TPalette& Palette,
                             int32_t HeightField);
// A BMP file: the file header, then PackDib.
void WriteBitmapFile(TStream* Stream, const TBitmapBits& Bits, TPixelFormat Format, const TPalette& Palette);

}  // namespace bmpio
}  // namespace host
