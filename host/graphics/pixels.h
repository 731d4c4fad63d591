// Pixel formats of bitmaps and the conversion of pixel rows between a
// widgetset bitmap (32-bit TPixel, see wstypes.h) and the packed rows of a
// classic device-independent bitmap: 1, 4 and 8 bits per pixel through a
// colour table, 16 bits as 5-5-5 or 5-6-5 (or any bit masks), 24 bits as
// blue-green-red bytes, 32 bits as blue-green-red-alpha bytes.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/classes/typinfo.h"
#include "host/widgetset/wstypes.h"

namespace host {

enum TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
HOST_ENUM_INFO(TPixelFormat, "pfDevice", "pf1bit", "pf4bit", "pf8bit", "pf15bit", "pf16bit", "pf24bit", "pf32bit",
               "pfCustom")

// The largest bitmap the graphics classes make: 32768 pixels a side and
// 2^26 pixels (256 MiB of 32-bit pixels) in all.
inline constexpr int32_t kMaxBitmapDimension = 32768;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

using TPalette = std::vector<TPaletteEntry>;

// Bits per pixel of a format; pfDevice and pfCustom hold 32.
int32_t BitsPerPixel(TPixelFormat Format);
// The format holding Bits bits per pixel (16 gives pf15bit).
TPixelFormat PixelFormatOfBits(int32_t Bits);
// The bytes of one packed row, padded to a multiple of four.
int64_t RowBytes(int64_t Width, int32_t Bits);

// The colour table a bitmap of an indexed format gets when it has none:
// black and white; the 16 VGA colours; the 16 VGA colours, a 6x6x6 colour
// cube and 24 greys. Empty for the other formats.
TPalette DefaultPalette(TPixelFormat Format);
// Whether a palette is exactly black then white.
bool IsMonochromePalette(const TPalette& Palette);

// How the pixels of one packed row are laid out.
struct TPixelLayout {
  int32_t Bits = 32;
  TPalette Palette;                 // indexed formats: 2^Bits entries
  std::array<uint32_t, 4> Masks{};  // 16 and 32 bits: red, green, blue, alpha
};
// The layout of a pixel format with the given colour table.
TPixelLayout LayoutOf(TPixelFormat Format, const TPalette& Palette);

// Finds the nearest colour table entry, remembering recent answers.
class TColorMatcher {
 public:
  explicit TColorMatcher(const TPalette& Palette);
  uint8_t Index(TPixel Color);

 private:
  const TPalette& FPalette;
  std::vector<uint32_t> FCacheKey;
  std::vector<uint8_t> FCacheIndex;
};

// Packed row -> pixels. Indexed pixels, 15/16 and 24 bits come out opaque;
// 32 bits keep their fourth byte as alpha unless the layout has an alpha
// mask of 0, then they are opaque too.
void UnpackRow(const TPixelLayout& Layout, const uint8_t* Src, TPixel* Dst, int32_t Width);
// Pixels -> packed row (Matcher finds the indexes of indexed layouts).
void PackRow(const TPixelLayout& Layout, const TPixel* Src, uint8_t* Dst, int32_t Width, TColorMatcher* Matcher);

}  // namespace host
