#include "host/imglist/imagedata.h"

#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/widgetset/widgetset.h"

namespace host::imagelist {

namespace {

constexpr uint32_t kWhite = 0x00FFFFFFu;

void CheckStrip(TBitmap* Image, int32_t W, int32_t H) {
  if (!Image) throw EInvalidOperation("No image given: the bitmap is nil");
  const int32_t iw = Image->GetWidth(), ih = Image->GetHeight();
  if (ih != H || iw < W || iw % W != 0)
    throw EInvalidOperation("Invalid image size: a %d x %d bitmap does not hold whole %d x %d images", {iw, ih, W, H});
}

void CheckMask(TBitmap* Image, TBitmap* Mask) {
  if (!Mask) return;
  if (Mask->GetWidth() != Image->GetWidth() || Mask->GetHeight() != Image->GetHeight())
    throw EInvalidOperation("Invalid image size: the mask is %d x %d, the image %d x %d",
                            {Mask->GetWidth(), Mask->GetHeight(), Image->GetWidth(), Image->GetHeight()});
}

// The images of a strip; Transparent says which pixels are transparent.
template <class F>
std::vector<TImageData> Slice(TBitmap* Image, int32_t W, int32_t H, F&& Transparent) {
  const TBitmapBits bits = Image->GetBits(false);
  std::vector<TImageData> images;
  for (int32_t left = 0; left < bits.Width; left += W) {
    TImageData image(W, H);
    for (int32_t y = 0; y < H; ++y)
      for (int32_t x = 0; x < W; ++x) {
        image.Pixels[image.At(x, y)] = bits.Row(y)[left + x];
        image.Transparent[image.At(x, y)] = Transparent(left + x, y) ? 1 : 0;
      }
    images.push_back(std::move(image));
  }
  return images;
}

// Deletes the bitmaps GetIconInfo handed out.
struct TIconBitmaps {
  TIconInfo Info;
  ~TIconBitmaps() {
    if (!WidgetSetRunning()) return;
    if (Info.Color) WidgetSet().DeleteObject(Info.Color);
    if (Info.Mask) WidgetSet().DeleteObject(Info.Mask);
  }
};

}  // namespace

TPixel PixelOfColor(TColor Color) { return ColorRefToPixel(static_cast<COLORREF>(ColorToRGB(Color))); }

std::vector<TImageData> SliceBitmap(TBitmap* Image, TBitmap* Mask, int32_t Width, int32_t Height) {
  CheckStrip(Image, Width, Height);
  CheckMask(Image, Mask);
  if (!Mask) return Slice(Image, Width, Height, [](int32_t, int32_t) { return false; });
  const TBitmapBits mask = Mask->GetBits(false);
  return Slice(Image, Width, Height, [&](int32_t x, int32_t y) { return RgbOf(mask.Row(y)[x]) == kWhite; });
}

std::vector<TImageData> SliceMasked(TBitmap* Image, TColor MaskColor, int32_t Width, int32_t Height) {
  CheckStrip(Image, Width, Height);
  if (MaskColor == clNone) return Slice(Image, Width, Height, [](int32_t, int32_t) { return false; });
  const TBitmapBits bits = Image->GetBits(false);
  const uint32_t key = RgbOf(PixelOfColor(MaskColor == clDefault ? Image->GetTransparentColor() : MaskColor));
  return Slice(Image, Width, Height, [&](int32_t x, int32_t y) { return RgbOf(bits.Row(y)[x]) == key; });
}

TImageData IconImage(TIcon* Icon, int32_t Width, int32_t Height) {
  if (!Icon || Icon->GetEmpty()) throw EInvalidOperation("No image given: the icon is empty");
  TIconBitmaps icon;
  TBitmapBits color, mask;
  TWidgetSet& ws = WidgetSet();
  if (!ws.GetIconInfo(Icon->GetHandle(), icon.Info) || !ws.GetBitmapBits(icon.Info.Color, color) ||
      !ws.GetBitmapBits(icon.Info.Mask, mask))
    throw EInvalidOperation("The icon's image cannot be read");
  TImageData image(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x) {
      const int32_t sx = static_cast<int32_t>(int64_t{x} * color.Width / Width);
      const int32_t sy = static_cast<int32_t>(int64_t{y} * color.Height / Height);
      image.Pixels[image.At(x, y)] = color.Row(sy)[sx] | 0xFF000000u;
      image.Transparent[image.At(x, y)] = RgbOf(mask.Row(sy)[sx]) == kWhite ? 1 : 0;
    }
  return image;
}

void MakeOpaque(TImageData& Image) { std::fill(Image.Transparent.begin(), Image.Transparent.end(), 0); }

void MaskColor(TImageData& Image, TPixel Key) {
  for (std::size_t i = 0; i < Image.Pixels.size(); ++i)
    if (RgbOf(Image.Pixels[i]) == RgbOf(Key)) Image.Transparent[i] = 1;
}

}  // namespace host::imagelist
