#include "host/graphics/bmpio.h"

#include <algorithm>
#include <string>

#include "host/classes/streams.h"
#include "host/graphics/graphicsobj.h"
#include "host/graphics/lebytes_p.h"

namespace host::bmpio {

namespace {

using le::I32;
using le::Put16;
using le::Put32;
using le::U16;
using le::U32;

bool IsKnownHeaderSize(uint32_t Size) {
  for (uint32_t s : {12u, 16u, 40u, 52u, 56u, 64u, 108u, 124u})
    if (s == Size) return true;
  return false;
}

std::string CompressionName(uint32_t Compression) {
  switch (Compression) {
    case BI_RLE8:
      return "RLE8";
    case BI_RLE4:
      return "RLE4";
    case BI_BITFIELDS:
      return "bit fields";
    case 4:
      return "JPEG";
    case 5:
      return "PNG";
    default:
      return "unknown";
  }
}

bool CompressionFits(uint32_t Compression, int32_t Bits) {
  switch (Compression) {
    case BI_RGB:
      return true;
    case BI_RLE8:
      return Bits == 8;
    case BI_RLE4:
      return Bits == 4;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
      return Bits == 16 || Bits == 32;
    default:
      return false;
  }
}

constexpr uint32_t kPixelsPerMetre = 3780;  // 96 pixels per inch

}  // namespace

void CheckBitmapSize(int64_t Width, int64_t Height) {
  if (Width <= kMaxBitmapDimension && Height <= kMaxBitmapDimension && Width * Height <= kMaxBitmapPixels) return;
  throw EOutOfResources(
      "%s: a bitmap of %d x %d pixels is larger than the limit of %d pixels a side and %d pixels in all",
      {SOutOfResources, static_cast<long long>(Width), static_cast<long long>(Height), kMaxBitmapDimension,
       static_cast<long long>(kMaxBitmapPixels)});
}

// ------------------------------------------------------------------- read

void TDibReader::Fail(const std::string& What) const {
  throw EInvalidGraphic(std::string(SInvalidBitmap) + ": " + What);
}

TDibReader TDibReader::FromFile(std::span<const uint8_t> Data) {
  TDibReader r;
  r.FData = Data;
  if (Data.size() < kFileHeaderSize)
    r.Fail(Format("the data ends after %d of the %d bytes of the file header",
                  {static_cast<long long>(Data.size()), static_cast<long long>(kFileHeaderSize)}));
  if (Data[0] != 'B' || Data[1] != 'M') r.Fail("the data does not start with the signature BM");
  const uint32_t offset = U32(Data, 10);
  r.ParseInfo(kFileHeaderSize, false);
  if (offset != 0 && offset < r.FPixels) r.Fail(Format("its pixel data offset %u lies inside its headers", {offset}));
  r.LocatePixels(offset != 0 ? offset : r.FPixels);
  return r;
}

TDibReader TDibReader::FromPackedDib(std::span<const uint8_t> Data, bool IconImage) {
  TDibReader r;
  r.FData = Data;
  r.ParseInfo(0, IconImage);
  r.LocatePixels(r.FPixels);
  return r;
}

void TDibReader::ParseInfo(std::size_t At, bool IconImage) {
  auto need = [&](std::size_t pos, uint64_t count, const char* what) {
    if (pos > FData.size() || count > FData.size() - pos) Fail(std::string("the data ends inside its ") + what);
  };
  need(At, 4, "info header");
  const uint32_t size = U32(FData, At);
  if (!IsKnownHeaderSize(size)) Fail(Format("its info header has the unknown size %u", {size}));
  need(At, size, "info header");
  const bool core = size == 12;
  const int64_t width = core ? U16(FData, At + 4) : I32(FData, At + 4);
  int64_t height = core ? U16(FData, At + 6) : I32(FData, At + 8);
  const uint16_t planes = U16(FData, At + (core ? 8 : 12));
  FBitCount = U16(FData, At + (core ? 10 : 14));
  FCompression = size >= 20 ? U32(FData, At + 16) : BI_RGB;
  const uint32_t colorsUsed = size >= 36 ? U32(FData, At + 32) : 0;
  if (planes != 1) Fail(Format("it has %d colour planes instead of 1", {static_cast<int>(planes)}));
  if (FBitCount != 1 && FBitCount != 4 && FBitCount != 8 && FBitCount != 16 && FBitCount != 24 && FBitCount != 32)
    Fail(Format("%d bits per pixel are not supported", {FBitCount}));
  if (!CompressionFits(FCompression, FBitCount))
    Fail(Format("compression %u (%s) does not fit %d bits per pixel",
                {FCompression, CompressionName(FCompression), FBitCount}));
  if (width <= 0)
    Fail(width == 0 ? std::string("its width is 0")
                    : Format("its width is negative (%d)", {static_cast<long long>(width)}));
  if (height == 0) Fail("its height is 0");
  FTopDown = height < 0;
  if (FTopDown && (FCompression == BI_RLE8 || FCompression == BI_RLE4))
    Fail("a top-down bitmap cannot be RLE-compressed");
  height = FTopDown ? -height : height;
  if (IconImage) height /= 2;
  if (height == 0) Fail("its height is 0");
  CheckBitmapSize(width, height);
  FWidth = static_cast<int32_t>(width);
  FHeight = static_cast<int32_t>(height);
  std::size_t pos = At + size;
  ParseMasks(pos, size);
  ParseColorTable(pos, size, colorsUsed);
  FPixels = pos;
}

void TDibReader::ParseMasks(std::size_t& Pos, uint32_t HeaderSize) {
  FLayout.Bits = FBitCount;
  if (FBitCount <= 8 || FBitCount == 24) return;
  FFormat = FBitCount == 16 ? pf15bit : pf32bit;
  FLayout.Masks = FBitCount == 16 ? std::array<uint32_t, 4>{0x7C00, 0x03E0, 0x001F, 0}
                                  : std::array<uint32_t, 4>{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  if (FCompression != BI_BITFIELDS && FCompression != BI_ALPHABITFIELDS) return;
  const std::size_t count = FCompression == BI_ALPHABITFIELDS ? 4 : 3;
  // The masks sit at offset 40 of a longer header, or right after a 40-byte one.
  std::size_t at = Pos - HeaderSize + 40;
  std::size_t inHeader = HeaderSize > 40 ? std::min<std::size_t>((HeaderSize - 40) / 4, 4) : 0;
  if (HeaderSize == 40) {
    if (Pos > FData.size() || count * 4 > FData.size() - Pos) Fail("the data ends inside its colour masks");
    at = Pos;
    inHeader = count;
    Pos += count * 4;
  }
  for (std::size_t i = 0; i < 4; ++i)
    FLayout.Masks[i] = (i < count || i == 3) && i < inHeader ? U32(FData, at + 4 * i) : 0;
  if (FLayout.Masks[0] == 0 && FLayout.Masks[1] == 0 && FLayout.Masks[2] == 0) Fail("its colour masks are all zero");
  if (FBitCount == 16 && FLayout.Masks[0] == 0xF800 && FLayout.Masks[1] == 0x07E0 && FLayout.Masks[2] == 0x001F)
    FFormat = pf16bit;
}

void TDibReader::ParseColorTable(std::size_t& Pos, uint32_t HeaderSize, uint32_t ColorsUsed) {
  const uint64_t entrySize = HeaderSize == 12 ? 3 : 4;
  uint64_t count = ColorsUsed;
  if (FBitCount <= 8) {
    const uint64_t most = uint64_t{1} << FBitCount;
    if (count > most)
      Fail(Format("its colour table has %d entries, more than %d bits per pixel can use",
                  {static_cast<long long>(count), FBitCount}));
    if (count == 0) count = most;
    FFormat = PixelFormatOfBits(FBitCount);
  } else if (FBitCount == 24) {
    FFormat = pf24bit;
  }
  if (Pos > FData.size() || count * entrySize > FData.size() - Pos) Fail("the data ends inside its colour table");
  if (FBitCount <= 8) {
    for (uint64_t i = 0; i < count; ++i) {
      const std::size_t at = Pos + static_cast<std::size_t>(i * entrySize);
      FPalette.push_back({FData[at + 2], FData[at + 1], FData[at], 0});
    }
    FLayout.Palette = FPalette;
    FLayout.Palette.resize(std::size_t{1} << FBitCount);
  }
  Pos += static_cast<std::size_t>(count * entrySize);
}

void TDibReader::LocatePixels(std::size_t Offset) {
  if (Offset > FData.size())
    Fail(Format("its pixel data offset %d lies beyond the end of the data (%d bytes)",
                {static_cast<long long>(Offset), static_cast<long long>(FData.size())}));
  FPixels = Offset;
  const uint64_t available = FData.size() - Offset;
  if (FCompression == BI_RLE8 || FCompression == BI_RLE4) {
    FPixelsEnd = FData.size();
    return;
  }
  const uint64_t needed = static_cast<uint64_t>(RowBytes(FWidth, FBitCount)) * static_cast<uint64_t>(FHeight);
  if (needed > available)
    Fail(Format("the data ends after %d of its %d bytes of pixels",
                {static_cast<long long>(available), static_cast<long long>(needed)}));
  FPixelsEnd = Offset + static_cast<std::size_t>(needed);
}

void TDibReader::Decode(TPixel* Bits, int32_t Stride, const TRowProgress& Progress) const {
  if (FCompression == BI_RLE8 || FCompression == BI_RLE4) {
    DecodeRle(Bits, Stride);
    if (Progress) Progress(FHeight);
    return;
  }
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(FWidth, FBitCount));
  const int32_t step = std::max(1, FHeight / 16);
  for (int32_t i = 0; i < FHeight; ++i) {
    const int32_t y = FTopDown ? i : FHeight - 1 - i;
    UnpackRow(FLayout, FData.data() + FPixels + static_cast<std::size_t>(i) * rowBytes,
              Bits + static_cast<std::ptrdiff_t>(y) * Stride, FWidth);
    if (Progress && ((i + 1) % step == 0 || i + 1 == FHeight)) Progress(i + 1);
  }
}

// Run-length pixels: pairs (count, index) repeat an index (RLE4: two
// alternating nibbles); (0, 0) ends a row, (0, 1) the bitmap, (0, 2, dx, dy)
// moves, (0, n) is followed by n literal indexes padded to a word. Pixels
// the runs never reach keep colour 0; runs beyond the bitmap are dropped.
void TDibReader::DecodeRle(TPixel* Bits, int32_t Stride) const {
  const TPalette& pal = FLayout.Palette;
  auto color = [&](std::size_t index) {
    const TPaletteEntry& e = pal[index & (pal.size() - 1)];
    return 0xFF000000u | (TPixel{e.peRed} << 16) | (TPixel{e.peGreen} << 8) | e.peBlue;
  };
  for (int32_t y = 0; y < FHeight; ++y) std::fill_n(Bits + static_cast<std::ptrdiff_t>(y) * Stride, FWidth, color(0));
  const bool rle8 = FCompression == BI_RLE8;
  int64_t x = 0, row = 0;
  auto put = [&](uint8_t index) {
    if (x < FWidth && row < FHeight) Bits[static_cast<std::ptrdiff_t>(FHeight - 1 - row) * Stride + x] = color(index);
    ++x;
  };
  auto nibbleOrByte = [&](uint8_t value, int i) {
    return rle8 ? value : static_cast<uint8_t>(i % 2 == 0 ? value >> 4 : value & 0x0F);
  };
  std::size_t pos = FPixels;
  while (pos + 1 < FPixelsEnd && row < FHeight) {
    const uint8_t count = FData[pos], value = FData[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(nibbleOrByte(value, i));
    } else if (value == 0) {
      x = 0;
      ++row;
    } else if (value == 1) {
      return;
    } else if (value == 2) {
      if (pos + 2 > FPixelsEnd) return;
      x += FData[pos];
      row += FData[pos + 1];
      pos += 2;
    } else {
      const std::size_t bytes = rle8 ? value : (value + 1u) / 2;
      if (pos + bytes > FPixelsEnd) return;
      for (int i = 0; i < value; ++i) put(nibbleOrByte(FData[pos + static_cast<std::size_t>(rle8 ? i : i / 2)], i));
      pos += bytes + (bytes & 1);
    }
  }
}

// ------------------------------------------------------------------ write

std::vector<uint8_t> PackDib(const TBitmapBits& Bits, TPixelFormat Format, const TPalette& Palette,
                             int32_t HeightField) {
  const TPixelLayout layout = LayoutOf(Format, Palette);
  const TPalette table = layout.Bits > 8 ? TPalette{} : Palette.empty() ? DefaultPalette(Format) : Palette;
  const bool masks = Format == pf16bit;
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(Bits.Width, layout.Bits));
  std::vector<uint8_t> out;
  out.reserve(kInfoHeaderSize + 12 + table.size() * 4 + rowBytes * static_cast<std::size_t>(Bits.Height));
  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(Bits.Width));
  Put32(out, static_cast<uint32_t>(HeightField));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(layout.Bits));
  Put32(out, masks ? BI_BITFIELDS : BI_RGB);
  Put32(out, static_cast<uint32_t>(rowBytes * static_cast<std::size_t>(Bits.Height)));
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, table.size() == (std::size_t{1} << layout.Bits) ? 0 : static_cast<uint32_t>(table.size()));
  Put32(out, 0);
  if (masks)
    for (int i = 0; i < 3; ++i) Put32(out, layout.Masks[static_cast<std::size_t>(i)]);
  for (const TPaletteEntry& e : table) {
    out.push_back(e.peBlue);
    out.push_back(e.peGreen);
    out.push_back(e.peRed);
    out.push_back(0);
  }
  TColorMatcher matcher(layout.Palette);
  const std::size_t start = out.size();
  out.resize(start + rowBytes * static_cast<std::size_t>(Bits.Height));
  for (int32_t y = Bits.Height - 1, i = 0; y >= 0; --y, ++i)
    PackRow(layout, Bits.Row(y), out.data() + start + static_cast<std::size_t>(i) * rowBytes, Bits.Width, &matcher);
  return out;
}

void WriteBitmapFile(TStream* Stream, const TBitmapBits& Bits, TPixelFormat Format, const TPalette& Palette) {
  const std::vector<uint8_t> dib = PackDib(Bits, Format, Palette, Bits.Height);
  const uint32_t tableSize = U32(dib, 32) != 0 ? U32(dib, 32) : (U16(dib, 14) <= 8 ? 1u << U16(dib, 14) : 0);
  const uint32_t offset =
      static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize + (Format == pf16bit ? 12 : 0) + tableSize * 4);
  std::vector<uint8_t> header{'B', 'M'};
  Put32(header, static_cast<uint32_t>(kFileHeaderSize + dib.size()));
  Put32(header, 0);
  Put32(header, offset);
  Stream->WriteBuffer(header.data(), static_cast<int32_t>(header.size()));
  Stream->WriteBuffer(dib.data(), static_cast<int32_t>(dib.size()));
}

}  // namespace host::bmpio
