// Drawing the images of an image list onto canvases, and handing them out
// as bitmaps and icons.
#include "host/classes/classes_types.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "host/graphics/icon.h"
#include "host/imglist/imglist.h"
#include "host/widgetset/widgetset.h"

namespace host {

using imagelist::PixelOfColor;
using imagelist::RgbOf;
using imagelist::TImageData;

namespace {

constexpr TPixel kBlack = 0xFF000000u;
constexpr TPixel kWhite = 0xFFFFFFFFu;

// A widgetset bitmap of the given pixels, made for one call and deleted with it.
class TScratchBitmap {
 public:
  TScratchBitmap(int32_t W, int32_t H) : FHandle(WidgetSet().CreateBitmap(W, H)) {
    if (!FHandle)
      throw EOutOfResources("%s: the widgetset cannot make a bitmap of %d x %d pixels", {SOutOfResources, W, H});
    WidgetSet().GetBitmapBits(FHandle, FBits);
  }
  TScratchBitmap(const TScratchBitmap&) = delete;
  TScratchBitmap& operator=(const TScratchBitmap&) = delete;
  ~TScratchBitmap() {
    if (FHandle && WidgetSetRunning()) WidgetSet().DeleteObject(FHandle);
  }
  TPixel* Row(int32_t Y) const { return FBits.Row(Y); }
  HBITMAP Handle() const { return FHandle; }
  // Hands the bitmap over to a new owner.
  HBITMAP Release() { return std::exchange(FHandle, 0); }

 private:
  HBITMAP FHandle;
  TBitmapBits FBits;
};

// Fills a scratch bitmap pixel by pixel.
template <class F>
void Fill(TScratchBitmap& Target, const TImageData& Image, F&& PixelAt) {
  for (int32_t y = 0; y < Image.Height; ++y)
    for (int32_t x = 0; x < Image.Width; ++x) Target.Row(y)[x] = PixelAt(Image.At(x, y));
}

// Draws Image onto Canvas with its top-left corner at (X, Y), leaving the
// canvas as it was under the transparent pixels.
void DrawImage(TCanvas* Canvas, int32_t X, int32_t Y, const TImageData& Image) {
  TOwned<TBitmap> picture = MakeOwned<TBitmap>();
  picture->SetPixelFormat(pf32bit);
  picture->SetSize(Image.Width, Image.Height);
  const TBitmapBits bits = picture->GetBits(true);
  for (int32_t y = 0; y < Image.Height; ++y)
    for (int32_t x = 0; x < Image.Width; ++x) bits.Row(y)[x] = Image.Pixels[Image.At(x, y)];
  picture->SetTransparent(true);
  TScratchBitmap mask(Image.Width, Image.Height);
  Fill(mask, Image, [&](std::size_t i) { return Image.Transparent[i] ? kWhite : kBlack; });
  picture->SetMaskHandle(mask.Release());
  Canvas->Draw(X, Y, picture.get());
}

TPixel Blend(TPixel Pixel, TPixel With, int32_t Percent) {
  auto channel = [&](int shift) {
    const int32_t a = (Pixel >> shift) & 0xFF, b = (With >> shift) & 0xFF;
    return static_cast<TPixel>((a * (100 - Percent) + b * Percent + 50) / 100) << shift;
  };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

// Whether a pixel is left out when an image blends with the destination:
// every other pixel for 50%, one in four for 25%.
bool DitheredOut(int32_t X, int32_t Y, int32_t Percent) {
  return Percent >= 50 ? (X + Y) % 2 == 0 : X % 2 == 0 && Y % 2 == 0;
}

void BlendImage(TImageData& Image, TColor BlendColor, int32_t Percent) {
  const bool dither = BlendColor == clNone;
  const TPixel with = PixelOfColor(BlendColor == clDefault ? clHighlight : BlendColor);
  for (int32_t y = 0; y < Image.Height; ++y)
    for (int32_t x = 0; x < Image.Width; ++x) {
      const std::size_t i = Image.At(x, y);
      if (Image.Transparent[i]) continue;
      if (dither && DitheredOut(x, y, Percent))
        Image.Transparent[i] = 1;
      else if (!dither)
        Image.Pixels[i] = Blend(Image.Pixels[i], with, Percent);
    }
}

// The image as a mask: black where it is opaque, white where transparent.
void ShowMask(TImageData& Image) {
  for (std::size_t i = 0; i < Image.Pixels.size(); ++i) {
    Image.Pixels[i] = Image.Transparent[i] ? kWhite : kBlack;
    Image.Transparent[i] = 0;
  }
}

void FillBackground(TImageData& Image, TColor BkColor) {
  const TPixel background = PixelOfColor(BkColor);
  for (std::size_t i = 0; i < Image.Pixels.size(); ++i)
    if (Image.Transparent[i]) {
      Image.Pixels[i] = background;
      Image.Transparent[i] = 0;
    }
}

// The shape of a disabled image in one colour: its opaque pixels that are
// not white (what a monochrome copy of the image shows black).
TImageData DisabledShape(const TImageData& Image, TColor Color) {
  TImageData shape(Image.Width, Image.Height, PixelOfColor(Color));
  for (std::size_t i = 0; i < Image.Pixels.size(); ++i)
    shape.Transparent[i] = Image.Transparent[i] || RgbOf(Image.Pixels[i]) == RgbOf(kWhite) ? 1 : 0;
  return shape;
}

}  // namespace

TImageData TCustomImageList::Composed(int32_t Index, TDrawingStyle Style, TImageType Type, bool Enabled) {
  TImageData image = FStore->Get(Index);
  if (!FMasked) imagelist::MakeOpaque(image);
  if (Type == itMask) {
    ShowMask(image);
    return image;
  }
  if (Style == dsNormal && FBkColor != clNone) FillBackground(image, FBkColor);
  if (Enabled && (Style == dsFocus || Style == dsSelected)) BlendImage(image, FBlendColor, Style == dsFocus ? 25 : 50);
  return image;
}

void TCustomImageList::Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, bool Enabled) {
  Draw(Canvas, X, Y, Index, FDrawingStyle, FImageType, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, int32_t X, int32_t Y, int32_t Index, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool Enabled) {
  CheckIndex(Index);
  if (!Canvas)
    throw EInvalidOperation("Cannot draw image %d of %s: no canvas given", {Index, ComponentDisplayName(this)});
  const TImageData image = Composed(Index, ADrawingStyle, AImageType, Enabled);
  if (Enabled) return DrawImage(Canvas, X, Y, image);
  // The classic embossed look: the shape in the highlight colour one pixel
  // down and right, then in the shadow colour in place.
  DrawImage(Canvas, X + 1, Y + 1, DisabledShape(image, clBtnHighlight));
  DrawImage(Canvas, X, Y, DisabledShape(image, clBtnShadow));
}

void TCustomImageList::DrawOverlay(TCanvas* Canvas, int32_t X, int32_t Y, int32_t ImageIndex, TOverlay Overlay,
                                   bool Enabled) {
  CheckIndex(ImageIndex);
  CheckOverlay(Overlay);
  const int32_t overlay = FStore->GetOverlay(Overlay);
  Draw(Canvas, X, Y, ImageIndex, Enabled);
  if (overlay >= 0) Draw(Canvas, X, Y, overlay, dsTransparent, FImageType, Enabled);
}

bool TCustomImageList::GetBitmap(int32_t Index, TBitmap* Image) {
  CheckIndex(Index);
  if (!Image) throw EInvalidOperation("Cannot copy image %d of %s into nil", {Index, ComponentDisplayName(this)});
  Image->SetSize(GetWidth(), GetHeight());
  Draw(Image->GetCanvas(), 0, 0, Index);
  return true;
}

void TCustomImageList::GetIcon(int32_t Index, TIcon* Image) {
  CheckIndex(Index);
  if (!Image) throw EInvalidOperation("Cannot copy image %d of %s into nil", {Index, ComponentDisplayName(this)});
  TImageData image = FStore->Get(Index);
  if (!FMasked) imagelist::MakeOpaque(image);
  // An icon keeps the destination where its mask is white and XORs its
  // colour in (or blends by alpha), so transparent pixels are black with
  // no alpha in the colour bitmap.
  TScratchBitmap color(image.Width, image.Height), mask(image.Width, image.Height);
  Fill(color, image, [&](std::size_t i) { return image.Transparent[i] ? TPixel{0} : image.Pixels[i] | kBlack; });
  Fill(mask, image, [&](std::size_t i) { return image.Transparent[i] ? kWhite : kBlack; });
  const HICON icon = WidgetSet().CreateIconIndirect(TIconInfo{true, 0, 0, mask.Handle(), color.Handle()});
  if (!icon) throw EOutOfResources("%s: the widgetset cannot make an icon of image %d", {SOutOfResources, Index});
  Image->SetHandle(icon);
}

}  // namespace host
