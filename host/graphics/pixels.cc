#include "host/graphics/pixels.h"

#include <bit>
#include <cstring>
#include <limits>

namespace host {

int32_t BitsPerPixel(TPixelFormat Format) {
  switch (Format) {
    case pf1bit:
      return 1;
    case pf4bit:
      return 4;
    case pf8bit:
      return 8;
    case pf15bit:
    case pf16bit:
      return 16;
    case pf24bit:
      return 24;
    default:
      return 32;
  }
}

TPixelFormat PixelFormatOfBits(int32_t Bits) {
  switch (Bits) {
    case 1:
      return pf1bit;
    case 4:
      return pf4bit;
    case 8:
      return pf8bit;
    case 16:
      return pf15bit;
    case 24:
      return pf24bit;
    default:
      return pf32bit;
  }
}

int64_t RowBytes(int64_t Width, int32_t Bits) { return (Width * Bits + 31) / 32 * 4; }

TPalette DefaultPalette(TPixelFormat Format) {
  static constexpr uint8_t vga[16][3] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                         {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                         {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                         {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  TPalette palette;
  auto add = [&](int r, int g, int b) {
    palette.push_back({static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), 0});
  };
  switch (Format) {
    case pf1bit:
      add(0, 0, 0);
      add(255, 255, 255);
      break;
    case pf4bit:
    case pf8bit:
      for (const auto& c : vga) add(c[0], c[1], c[2]);
      if (Format == pf4bit) break;
      for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
          for (int b = 0; b < 6; ++b) add(r * 51, g * 51, b * 51);
      for (int i = 1; i <= 24; ++i) add(i * 10, i * 10, i * 10);
      break;
    default:
      break;
  }
  return palette;
}

bool IsMonochromePalette(const TPalette& Palette) {
  return Palette.size() == 2 && Palette[0] == TPaletteEntry{0, 0, 0, 0} &&
         Palette[1] == TPaletteEntry{255, 255, 255, 0};
}

TPixelLayout LayoutOf(TPixelFormat Format, const TPalette& Palette) {
  TPixelLayout layout;
  layout.Bits = BitsPerPixel(Format);
  if (layout.Bits <= 8) {
    layout.Palette = Palette.empty() ? DefaultPalette(Format) : Palette;
    layout.Palette.resize(std::size_t{1} << layout.Bits);  // missing entries read as black
  } else if (Format == pf15bit) {
    layout.Masks = {0x7C00, 0x03E0, 0x001F, 0};
  } else if (Format == pf16bit) {
    layout.Masks = {0xF800, 0x07E0, 0x001F, 0};
  } else {
    layout.Masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
  }
  return layout;
}

// ------------------------------------------------------------ colour match

TColorMatcher::TColorMatcher(const TPalette& Palette)
    : FPalette(Palette), FCacheKey(4096, std::numeric_limits<uint32_t>::max()), FCacheIndex(4096) {}

uint8_t TColorMatcher::Index(TPixel Color) {
  const uint32_t rgb = Color & 0x00FFFFFFu;
  const std::size_t slot = ((rgb >> 12) ^ rgb) & 0xFFF;
  if (FCacheKey[slot] == rgb) return FCacheIndex[slot];
  const int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
  int best = 0, bestDistance = std::numeric_limits<int>::max();
  for (std::size_t i = 0; i < FPalette.size() && i < 256; ++i) {
    const int dr = r - FPalette[i].peRed, dg = g - FPalette[i].peGreen, db = b - FPalette[i].peBlue;
    const int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
    }
  }
  FCacheKey[slot] = rgb;
  FCacheIndex[slot] = static_cast<uint8_t>(best);
  return static_cast<uint8_t>(best);
}

// ------------------------------------------------------------------- rows

namespace {

// One colour channel of a masked pixel value, scaled to 8 bits.
uint32_t Channel(uint32_t Value, uint32_t Mask) {
  if (Mask == 0) return 0;
  const int shift = std::countr_zero(Mask);
  const int width = std::min(8, std::popcount(Mask >> shift));
  const uint32_t top = (Value & Mask) >> (shift + std::popcount(Mask >> shift) - width);
  if (width == 8) return top & 0xFF;
  // Repeat the bits so that full intensity stays full (5 bits 11111 -> 255).
  uint32_t v = top << (8 - width);
  for (int filled = width; filled < 8; filled += width) v |= v >> width;
  return v & 0xFF;
}

uint32_t ToMask(uint32_t Value8, uint32_t Mask) {
  if (Mask == 0) return 0;
  const int shift = std::countr_zero(Mask);
  const int width = std::popcount(Mask >> shift);
  const uint32_t v = width >= 8 ? Value8 << (width - 8) : Value8 >> (8 - width);
  return (v << shift) & Mask;
}

uint32_t ReadLE(const uint8_t* P, int Bytes) {
  uint32_t v = 0;
  for (int i = Bytes - 1; i >= 0; --i) v = (v << 8) | P[i];
  return v;
}

void WriteLE(uint8_t* P, uint32_t V, int Bytes) {
  for (int i = 0; i < Bytes; ++i) P[i] = static_cast<uint8_t>(V >> (8 * i));
}

TPixel FromEntry(const TPaletteEntry& E) {
  return 0xFF000000u | (TPixel{E.peRed} << 16) | (TPixel{E.peGreen} << 8) | E.peBlue;
}

// Blue-green-red bytes to opaque pixels; on little-endian machines four
// pixels at a time from three 32-bit words.
void Unpack24(const uint8_t* Src, TPixel* Dst, int32_t Width) {
  int32_t x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 4 <= Width; x += 4, Src += 12) {
      uint32_t w[3];
      std::memcpy(w, Src, sizeof w);
      Dst[x] = 0xFF000000u | (w[0] & 0xFFFFFF);
      Dst[x + 1] = 0xFF000000u | (w[0] >> 24) | ((w[1] & 0xFFFF) << 8);
      Dst[x + 2] = 0xFF000000u | (w[1] >> 16) | ((w[2] & 0xFF) << 16);
      Dst[x + 3] = 0xFF000000u | (w[2] >> 8);
    }
  }
  for (; x < Width; ++x, Src += 3) Dst[x] = 0xFF000000u | (TPixel{Src[2]} << 16) | (TPixel{Src[1]} << 8) | Src[0];
}

}  // namespace

void UnpackRow(const TPixelLayout& Layout, const uint8_t* Src, TPixel* Dst, int32_t Width) {
  const int bits = Layout.Bits;
  if (bits <= 8) {
    const int perByte = 8 / bits, mask = (1 << bits) - 1;
    for (int32_t x = 0; x < Width; ++x) {
      const int shift = 8 - bits * (x % perByte + 1);
      Dst[x] = FromEntry(Layout.Palette[static_cast<std::size_t>((Src[x / perByte] >> shift) & mask)]);
    }
    return;
  }
  if (bits == 24) return Unpack24(Src, Dst, Width);
  const int bytes = bits / 8;
  const auto& m = Layout.Masks;
  for (int32_t x = 0; x < Width; ++x, Src += bytes) {
    const uint32_t v = ReadLE(Src, bytes);
    const uint32_t alpha = m[3] ? Channel(v, m[3]) : 0xFF;
    Dst[x] = (alpha << 24) | (Channel(v, m[0]) << 16) | (Channel(v, m[1]) << 8) | Channel(v, m[2]);
  }
}

void PackRow(const TPixelLayout& Layout, const TPixel* Src, uint8_t* Dst, int32_t Width, TColorMatcher* Matcher) {
  const int bits = Layout.Bits;
  if (bits <= 8) {
    const int perByte = 8 / bits;
    for (int32_t x = 0; x < Width; ++x) {
      uint8_t& byte = Dst[x / perByte];
      if (x % perByte == 0) byte = 0;
      byte = static_cast<uint8_t>(byte | (Matcher->Index(Src[x]) << (8 - bits * (x % perByte + 1))));
    }
    return;
  }
  if (bits == 24) {
    for (int32_t x = 0; x < Width; ++x, Dst += 3) {
      Dst[0] = static_cast<uint8_t>(Src[x]);
      Dst[1] = static_cast<uint8_t>(Src[x] >> 8);
      Dst[2] = static_cast<uint8_t>(Src[x] >> 16);
    }
    return;
  }
  const int bytes = bits / 8;
  const auto& m = Layout.Masks;
  for (int32_t x = 0; x < Width; ++x, Dst += bytes) {
    const TPixel p = Src[x];
    const uint32_t v =
        ToMask((p >> 16) & 0xFF, m[0]) | ToMask((p >> 8) & 0xFF, m[1]) | ToMask(p & 0xFF, m[2]) | ToMask(p >> 24, m[3]);
    WriteLE(Dst, v, bytes);
  }
}

}  // namespace host
