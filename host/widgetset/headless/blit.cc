#include "host/widgetset/headless/blit.h"

#include <algorithm>
#include <vector>

namespace host::headless {

namespace {

uint8_t RopTable(uint32_t Rop) { return static_cast<uint8_t>(Rop >> 16); }

// For every destination coordinate of one axis inside [ClipLo, ClipHi): the
// source coordinate it samples, or -1 outside the source.
struct TAxisMap {
  int32_t First = 0;  // the first destination coordinate
  std::vector<int32_t> Source;
};

TAxisMap MapAxis(int32_t D, int32_t DLen, int32_t S, int32_t SLen, int32_t ClipLo, int32_t ClipHi, int32_t SrcLimit,
                 bool HasSource) {
  TAxisMap map;
  const int64_t dFrom = std::min<int64_t>(D, int64_t{D} + DLen), dTo = std::max<int64_t>(D, int64_t{D} + DLen);
  const int64_t from = std::max<int64_t>(dFrom, ClipLo), to = std::min<int64_t>(dTo, ClipHi);
  if (from >= to) return map;
  map.First = static_cast<int32_t>(from);
  const int64_t dAbs = dTo - dFrom, sAbs = SLen < 0 ? -int64_t{SLen} : SLen;
  const int64_t sFrom = std::min<int64_t>(S, int64_t{S} + SLen);
  const bool mirrored = (DLen < 0) != (SLen < 0);
  map.Source.reserve(static_cast<std::size_t>(to - from));
  for (int64_t d = from; d < to; ++d) {
    if (!HasSource) {
      map.Source.push_back(0);
      continue;
    }
    int64_t k = ((d - dFrom) * 2 + 1) * sAbs / (2 * dAbs);
    if (mirrored) k = sAbs - 1 - k;
    const int64_t s = sFrom + k;
    map.Source.push_back(s >= 0 && s < SrcLimit ? static_cast<int32_t>(s) : -1);
  }
  return map;
}

bool White(TPixel P) { return (P & 0x00FFFFFFu) == 0x00FFFFFFu; }

}  // namespace

TPixel ApplyRop3(uint32_t Rop, TPixel P, TPixel S, TPixel D) {
  const uint8_t table = RopTable(Rop);
  switch (table) {
    case 0xCC:
      return S;
    case 0xF0:
      return P;
    case 0x00:
      return 0;
    case 0xFF:
      return 0xFFFFFFFFu;
    case 0x88:
      return S & D;
    case 0xEE:
      return S | D;
    case 0x66:
      return S ^ D;
    default:
      break;
  }
  // Bit i of the table (i = 4 * pattern bit + 2 * source bit + destination
  // bit) is the result for that combination.
  uint32_t r = 0;
  for (int i = 0; i < 8; ++i)
    if (table & (1 << i)) r |= ((i & 4) ? P : ~P) & ((i & 2) ? S : ~S) & ((i & 1) ? D : ~D);
  return r;
}

bool RopUsesSource(uint32_t Rop) {
  const uint8_t t = RopTable(Rop);
  return ((t >> 2) ^ t) & 0x33;
}

void StretchBlit(TSurface& Dest, const TRect& Clip, TBlitArea To, const TSurface* Src, TBlitArea From, uint32_t Rop,
                 const TPaint& Pattern, const TSurface* Mask) {
  const bool hasSource = Src && RopUsesSource(Rop);
  if (!hasSource && RopUsesSource(Rop)) return;
  if (To.Width == 0 || To.Height == 0 || (hasSource && (From.Width == 0 || From.Height == 0))) return;
  TSurface copy;
  if (hasSource && Src == &Dest) {  // overlapping copies read the pixels as they were
    copy = *Src;
    Src = &copy;
  }
  const TAxisMap cols =
      MapAxis(To.X, To.Width, From.X, From.Width, Clip.Left, Clip.Right, hasSource ? Src->Width : 0, hasSource);
  const TAxisMap rows =
      MapAxis(To.Y, To.Height, From.Y, From.Height, Clip.Top, Clip.Bottom, hasSource ? Src->Height : 0, hasSource);
  const bool maskUsable = Mask && hasSource && Mask->Width >= Src->Width && Mask->Height >= Src->Height;
  const bool plainCopy = RopTable(Rop) == 0xCC && !maskUsable;
  for (std::size_t j = 0; j < rows.Source.size(); ++j) {
    const int32_t sy = rows.Source[j];
    if (sy < 0) continue;
    const int32_t y = rows.First + static_cast<int32_t>(j);
    TPixel* row = Dest.Row(y);
    const TPixel* srcRow = hasSource ? Src->Row(sy) : nullptr;
    for (std::size_t i = 0; i < cols.Source.size(); ++i) {
      const int32_t sx = cols.Source[i];
      if (sx < 0) continue;
      const int32_t x = cols.First + static_cast<int32_t>(i);
      if (plainCopy) {
        row[x] = srcRow[sx];
        continue;
      }
      if (maskUsable && White(Mask->At(sx, sy))) continue;
      TPixel p = 0;
      Pattern.At(x, y, p);
      row[x] = ApplyRop3(Rop, p, srcRow ? srcRow[sx] : 0, row[x]);
    }
  }
}

void DrawIcon(TSurface& Dest, const TRect& Clip, TBlitArea To, const TSurface& Color, const TSurface& Mask) {
  if (Color.Empty() || Mask.Width != Color.Width || Mask.Height != Color.Height) return;
  const bool hasAlpha = std::any_of(Color.Pixels.begin(), Color.Pixels.end(), [](TPixel p) { return (p >> 24) != 0; });
  const TAxisMap cols = MapAxis(To.X, To.Width, 0, Color.Width, Clip.Left, Clip.Right, Color.Width, true);
  const TAxisMap rows = MapAxis(To.Y, To.Height, 0, Color.Height, Clip.Top, Clip.Bottom, Color.Height, true);
  for (std::size_t j = 0; j < rows.Source.size(); ++j) {
    TPixel* row = Dest.Row(rows.First + static_cast<int32_t>(j));
    const int32_t sy = rows.Source[j];
    for (std::size_t i = 0; i < cols.Source.size(); ++i) {
      const int32_t sx = cols.Source[i];
      TPixel& d = row[cols.First + static_cast<int32_t>(i)];
      const TPixel c = Color.At(sx, sy);
      if (!hasAlpha) {
        d = ((d & Mask.At(sx, sy)) ^ c) | 0xFF000000u;
        continue;
      }
      const uint32_t a = c >> 24;
      auto blend = [&](int shift) {
        const uint32_t cc = (c >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
        return ((cc * a + dc * (255 - a) + 127) / 255) << shift;
      };
      d = 0xFF000000u | blend(16) | blend(8) | blend(0);
    }
  }
}

}  // namespace host::headless
