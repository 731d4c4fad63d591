#include "host/graphics/icon.h"

#include <algorithm>
#include <cstdlib>
#include <span>
#include <string>

#include "host/classes/streams.h"
#include "host/graphics/bmpio.h"
#include "host/graphics/canvas.h"
#include "host/graphics/lebytes_p.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TIconImage, TSharedImage)
HOST_IMPL(TIcon, TGraphic)

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr int32_t kPreferredSize = 32;

[[noreturn]] void Fail(const std::string& What) { throw EInvalidGraphic(std::string(SInvalidIcon) + ": " + What); }

using le::Put16;
using le::Put32;
using le::U16;
using le::U32;

struct TIconEntry {
  int32_t Index = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Bits = 0;
  std::span<const uint8_t> Data;
};

bool IsPng(std::span<const uint8_t> Data) {
  static constexpr uint8_t signature[] = {0x89, 'P', 'N', 'G'};
  return Data.size() >= 4 && std::equal(signature, signature + 4, Data.begin());
}

// The directory entries, checked against the file.
std::vector<TIconEntry> ReadDirectory(std::span<const uint8_t> File) {
  if (File.size() < kDirectorySize)
    Fail(Format("the data ends after %d of the %d bytes of the icon directory",
                {static_cast<long long>(File.size()), static_cast<long long>(kDirectorySize)}));
  if (U16(File, 0) != 0 || U16(File, 2) != 1)
    Fail(Format("the data does not start with an icon directory (reserved %d, type %d)", {U16(File, 0), U16(File, 2)}));
  const std::size_t count = U16(File, 4);
  if (count == 0) Fail("it holds no images");
  if (File.size() < kDirectorySize + count * kEntrySize)
    Fail(Format("the data ends inside the directory of its %d images", {static_cast<long long>(count)}));
  std::vector<TIconEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kDirectorySize + i * kEntrySize;
    const uint64_t size = U32(File, at + 8), offset = U32(File, at + 12);
    if (offset > File.size() || size > File.size() - offset)
      Fail(Format("image %d lies beyond the end of the data", {static_cast<long long>(i + 1)}));
    entries.push_back({static_cast<int32_t>(i + 1), File[at] ? File[at] : 256, File[at + 1] ? File[at + 1] : 256,
                       U16(File, at + 6),
                       File.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size))});
  }
  return entries;
}

// The entry an icon shows: closest to 32 x 32, then larger, then more colours.
const TIconEntry& ChooseEntry(const std::vector<TIconEntry>& Entries) {
  const TIconEntry* best = nullptr;
  auto distance = [](const TIconEntry& e) {
    return std::abs(e.Width - kPreferredSize) + std::abs(e.Height - kPreferredSize);
  };
  for (const TIconEntry& e : Entries) {
    if (IsPng(e.Data)) continue;
    if (!best || distance(e) < distance(*best) ||
        (distance(e) == distance(*best) && (e.Width > best->Width || (e.Width == best->Width && e.Bits > best->Bits))))
      best = &e;
  }
  if (!best) Fail("its images are all PNG-compressed, which is not supported");
  return *best;
}

// Decodes one image into the colour and mask pixels of Image.
void DecodeEntry(const TIconEntry& Entry, std::vector<TPixel>& Color, std::vector<TPixel>& Mask, int32_t& Width,
                 int32_t& Height) {
  const bmpio::TDibReader reader = [&] {
    try {
      return bmpio::TDibReader::FromPackedDib(Entry.Data, true);
    } catch (const EInvalidGraphic& e) {
      // Report it as the icon's problem: "Icon image is not valid: image 2: ...".
      const std::string detail =
          e.Message().substr(std::min(e.Message().size(), std::string(SInvalidBitmap).size() + 2));
      Fail(Format("image %d: %s", {Entry.Index, detail}));
    }
  }();
  Width = reader.Width();
  Height = reader.Height();
  const std::size_t pixels = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
  Color.assign(pixels, 0);
  reader.Decode(Color.data(), Width);
  // Without an alpha channel the AND mask alone decides what shows.
  if (reader.BitCount() < 32)
    for (TPixel& p : Color) p &= 0x00FFFFFFu;
  const std::size_t maskRow = static_cast<std::size_t>(RowBytes(Width, 1));
  const std::size_t maskAt = reader.PixelsEnd();
  if (maskAt > Entry.Data.size() || maskRow * static_cast<std::size_t>(Height) > Entry.Data.size() - maskAt)
    Fail(Format("the data ends inside the mask of image %d", {Entry.Index}));
  const TPixelLayout layout = LayoutOf(pf1bit, DefaultPalette(pf1bit));
  Mask.assign(pixels, 0);
  for (int32_t y = 0; y < Height; ++y)
    UnpackRow(layout, Entry.Data.data() + maskAt + static_cast<std::size_t>(y) * maskRow,
              Mask.data() + static_cast<std::size_t>(Height - 1 - y) * static_cast<std::size_t>(Width), Width);
}

HBITMAP BitmapOf(const std::vector<TPixel>& Pixels, int32_t Width, int32_t Height) {
  const HBITMAP h = WidgetSet().CreateBitmap(Width, Height);
  if (!h) throw EOutOfResources(SOutOfResources);
  TBitmapBits bits;
  WidgetSet().GetBitmapBits(h, bits);
  std::copy(Pixels.begin(), Pixels.end(), bits.Bits);
  return h;
}

std::vector<TPixel> PixelsOf(HBITMAP Bitmap) {
  TBitmapBits bits;
  WidgetSet().GetBitmapBits(Bitmap, bits);
  return {bits.Bits, bits.Bits + static_cast<std::size_t>(bits.Width) * static_cast<std::size_t>(bits.Height)};
}

// A one-image .ico file holding 32-bit colour pixels and their mask.
std::vector<uint8_t> EncodeIcon(const std::vector<TPixel>& Color, const std::vector<TPixel>& Mask, int32_t Width,
                                int32_t Height) {
  TBitmapBits bits{Width, Height, Width, const_cast<TPixel*>(Color.data())};
  std::vector<uint8_t> dib = bmpio::PackDib(bits, pf32bit, {}, Height * 2);
  const std::size_t maskRow = static_cast<std::size_t>(RowBytes(Width, 1));
  const std::size_t maskAt = dib.size();
  dib.resize(maskAt + maskRow * static_cast<std::size_t>(Height));
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x)
      if ((Mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x)] &
           0xFFFFFF) != 0)
        dib[maskAt + static_cast<std::size_t>(Height - 1 - y) * maskRow + static_cast<std::size_t>(x / 8)] |=
            static_cast<uint8_t>(0x80 >> (x % 8));
  std::vector<uint8_t> file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, 1);
  file.push_back(static_cast<uint8_t>(Width >= 256 ? 0 : Width));
  file.push_back(static_cast<uint8_t>(Height >= 256 ? 0 : Height));
  file.push_back(0);
  file.push_back(0);
  Put16(file, 1);
  Put16(file, 32);
  Put32(file, static_cast<uint32_t>(dib.size()));
  Put32(file, static_cast<uint32_t>(kDirectorySize + kEntrySize));
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

}  // namespace

void TIconImage::FreeHandle() {
  if (FHandle && WidgetSetRunning()) WidgetSet().DestroyIcon(FHandle);
  FHandle = 0;
}

TIcon::TIcon() : FImage(New<TIconImage>()) { FImage->Reference(); }

void TIcon::Destroy() {
  FImage->Release();
  inherited::Destroy();
}

void TIcon::Assign(TPersistent* Source) {
  if (Source && !Is<TIcon>(Source)) return inherited::Assign(Source);
  auto* other = static_cast<TIcon*>(Source);
  if (other == this) return;
  ReplaceImage(FImage, other ? other->FImage : New<TIconImage>());
  Changed(this);
}

bool TIcon::GetEmpty() const { return FImage->FWidth == 0 || FImage->FHeight == 0; }
int32_t TIcon::GetWidth() const { return FImage->FWidth; }
int32_t TIcon::GetHeight() const { return FImage->FHeight; }
void TIcon::SetWidth(int32_t) { throw EInvalidGraphicOperation(SChangeIconSize); }
void TIcon::SetHeight(int32_t) { throw EInvalidGraphicOperation(SChangeIconSize); }

void TIcon::LoadFromStream(TStream* Stream) {
  NeedStream(Stream);
  const int64_t start = Stream->GetPosition();
  const TByteBuffer file = ReadRemaining(Stream, SInvalidIcon);
  try {
    const std::vector<TIconEntry> entries = ReadDirectory(file.Span());
    std::size_t end = kDirectorySize + entries.size() * kEntrySize;
    for (const TIconEntry& e : entries)
      end = std::max(end, static_cast<std::size_t>(e.Data.data() + e.Data.size() - file.Span().data()));
    TOwned<TIconImage> image(New<TIconImage>());
    DecodeEntry(ChooseEntry(entries), image->FColor, image->FMask, image->FWidth, image->FHeight);
    image->FData.assign(file.Span().begin(), file.Span().begin() + static_cast<std::ptrdiff_t>(end));
    Stream->SetPosition(start + static_cast<int64_t>(end));
    ReplaceImage(FImage, image.release());
  } catch (...) {
    Stream->SetPosition(start);
    throw;
  }
  Changed(this);
}

void TIcon::SaveToStream(TStream* Stream) {
  NeedStream(Stream);
  if (GetEmpty()) return;
  const std::vector<uint8_t> file = FImage->FData.empty()
                                        ? EncodeIcon(FImage->FColor, FImage->FMask, FImage->FWidth, FImage->FHeight)
                                        : FImage->FData;
  Stream->WriteBuffer(file.data(), static_cast<int32_t>(file.size()));
}

void TIcon::LoadFromClipboardFormat(uint16_t, THandle, HPALETTE) { throw EInvalidGraphic(SIconToClipboard); }

void TIcon::SaveToClipboardFormat(uint16_t&, THandle&, HPALETTE&) { throw EInvalidGraphic(SIconToClipboard); }

HICON TIcon::GetHandle() {
  if (FImage->FHandle || GetEmpty()) return FImage->FHandle;
  TWidgetSet& ws = WidgetSet();
  TIconInfo info;
  info.Color = BitmapOf(FImage->FColor, FImage->FWidth, FImage->FHeight);
  info.Mask = BitmapOf(FImage->FMask, FImage->FWidth, FImage->FHeight);
  FImage->FHandle = ws.CreateIconIndirect(info);
  ws.DeleteObject(info.Color);
  ws.DeleteObject(info.Mask);
  if (!FImage->FHandle) throw EOutOfResources(SOutOfResources);
  return FImage->FHandle;
}

void TIcon::SetHandle(HICON Value) {
  // The icon's own handle: the image already holds it (replacing the image would destroy it).
  if (Value && Value == FImage->FHandle) return;
  TOwned<TIconImage> image(New<TIconImage>());
  if (Value) {
    TIconInfo info;
    if (!WidgetSet().GetIconInfo(Value, info)) throw EInvalidGraphicOperation("Handle %u is not an icon", {Value});
    TBitmapBits bits;
    WidgetSet().GetBitmapBits(info.Color, bits);
    image->FWidth = bits.Width;
    image->FHeight = bits.Height;
    image->FColor = PixelsOf(info.Color);
    image->FMask = PixelsOf(info.Mask);
    WidgetSet().DeleteObject(info.Color);
    WidgetSet().DeleteObject(info.Mask);
    image->FHandle = Value;
  }
  ReplaceImage(FImage, image.release());
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  if (FImage->GetRefCount() > 1) {
    // The icons sharing the image keep its handle; this one hands out the
    // handle of a copy of its own.
    TOwned<TIconImage> copy(New<TIconImage>());
    copy->FData = FImage->FData;
    copy->FWidth = FImage->FWidth;
    copy->FHeight = FImage->FHeight;
    copy->FColor = FImage->FColor;
    copy->FMask = FImage->FMask;
    ReplaceImage(FImage, copy.release());
  }
  const HICON handle = GetHandle();
  FImage->FHandle = 0;
  return handle;
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  TCanvasCommand c{TCanvasOp::Icon};
  c.Box = Rect;
  c.Handle = GetHandle();
  ACanvas->DrawCommand(c);
}

}  // namespace host
