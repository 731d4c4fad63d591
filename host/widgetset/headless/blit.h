// Block transfers for the headless widgetset: ternary raster operations,
// stretching with nearest-pixel sampling, masked copies and icons.
#pragma once

#include <cstdint>

#include "host/widgetset/headless/handletable.h"
#include "host/widgetset/headless/raster.h"

namespace host::headless {

// A rectangle given by a corner and a signed size; a negative size mirrors.
struct TBlitArea {
  int32_t X = 0;
  int32_t Y = 0;
  int32_t Width = 0;
  int32_t Height = 0;
};

// The result of a ternary raster operation on all 32 bits of the pattern,
// source and destination pixels.
TPixel ApplyRop3(uint32_t Rop, TPixel P, TPixel S, TPixel D);
bool RopUsesSource(uint32_t Rop);

// Copies From (of Src, which may be null when Rop needs no source) onto To
// of Dest within Clip. Pattern gives the P pixels. Where Mask (in source
// coordinates) is white the destination stays; source pixels outside Src
// leave the destination as it is.
void StretchBlit(TSurface& Dest, const TRect& Clip, TBlitArea To, const TSurface* Src, TBlitArea From, uint32_t Rop,
                 const TPaint& Pattern, const TSurface* Mask);
// Draws an icon (see TIconInfo) stretched onto To.
void DrawIcon(TSurface& Dest, const TRect& Clip, TBlitArea To, const TSurface& Color, const TSurface& Mask);

}  // namespace host::headless
