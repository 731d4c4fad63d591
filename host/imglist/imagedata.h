// Images as an image list handles them: plain pixel arrays with a
// transparency flag per pixel, cut from bitmaps and icons and put back into
// bitmaps. Internal to the imglist unit.
#pragma once

#include <cstdint>
#include <vector>

#include "host/graphics/colors.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TBitmap;
class TIcon;

namespace imagelist {

// One image: Width x Height pixels, rows from the top, and for each pixel
// whether it is transparent.
struct TImageData {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TPixel> Pixels;
  std::vector<uint8_t> Transparent;

  TImageData() = default;
  TImageData(int32_t W, int32_t H, TPixel Fill = 0xFFFFFFFFu)
      : Width(W), Height(H), Pixels(Area(W, H), Fill), Transparent(Area(W, H), 0) {}
  static std::size_t Area(int32_t W, int32_t H) { return static_cast<std::size_t>(W) * static_cast<std::size_t>(H); }
  std::size_t At(int32_t X, int32_t Y) const {
    return static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(X);
  }
  bool operator==(const TImageData&) const = default;
};

// The colour of a pixel as a plain RGB value (alpha dropped).
constexpr uint32_t RgbOf(TPixel P) { return P & 0x00FFFFFFu; }
// The pixel of a colour (system colours resolved).
TPixel PixelOfColor(TColor Color);

// Cuts Image into images of Width x Height, left to right. Image must be
// Height pixels high and a positive multiple of Width wide; raises
// EInvalidOperation "Invalid image size: ..." otherwise. Mask (may be null)
// must have the size of Image: its white pixels make transparent pixels.
std::vector<TImageData> SliceBitmap(TBitmap* Image, TBitmap* Mask, int32_t Width, int32_t Height);
// The same with the pixels of MaskColor transparent: clNone makes none
// transparent, clDefault the bitmap's TransparentColor.
std::vector<TImageData> SliceMasked(TBitmap* Image, TColor MaskColor, int32_t Width, int32_t Height);
// The icon's image scaled (nearest pixel) to Width x Height, transparent
// where its mask is white. Raises EInvalidOperation for an empty icon.
TImageData IconImage(TIcon* Icon, int32_t Width, int32_t Height);

// Makes every pixel opaque (for a list that is not Masked).
void MakeOpaque(TImageData& Image);
// Pixels of colour Key become transparent.
void MaskColor(TImageData& Image, TPixel Key);

}  // namespace imagelist
}  // namespace host
