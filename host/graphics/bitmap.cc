#include "host/graphics/bitmap.h"

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "host/classes/streams.h"
#include "host/graphics/bmpio.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TBitmapImage, TSharedImage)
HOST_IMPL(TBitmap, TGraphic)
HOST_IMPL(TBitmapCanvas, TCanvas)

namespace {

// Which canvas has a widgetset bitmap selected: a bitmap can be in one
// device context at a time, so a canvas that needs one takes it from the
// canvas that has it (bitmaps sharing an image share its handle).
struct TSelections {
  std::mutex lock;
  std::unordered_map<HBITMAP, TBitmapCanvas*> holders;
};

TSelections& Selections() {
  static TSelections selections;
  return selections;
}

void TakeSelection(HBITMAP Bitmap, TBitmapCanvas* Canvas) {
  TBitmapCanvas* holder = nullptr;
  {
    std::lock_guard guard(Selections().lock);
    auto it = Selections().holders.find(Bitmap);
    if (it != Selections().holders.end()) holder = it->second;
  }
  if (holder && holder != Canvas) holder->FreeContext();
  std::lock_guard guard(Selections().lock);
  Selections().holders[Bitmap] = Canvas;
}

void ForgetSelection(HBITMAP Bitmap, TBitmapCanvas* Canvas) {
  std::lock_guard guard(Selections().lock);
  auto it = Selections().holders.find(Bitmap);
  if (it != Selections().holders.end() && it->second == Canvas) Selections().holders.erase(it);
}

void ReleaseSelection(HBITMAP Bitmap) {
  TBitmapCanvas* holder = nullptr;
  {
    std::lock_guard guard(Selections().lock);
    auto it = Selections().holders.find(Bitmap);
    if (it != Selections().holders.end()) holder = it->second;
  }
  if (holder) holder->FreeContext();
}

HBITMAP CreateSurface(int32_t Width, int32_t Height) {
  const HBITMAP h = WidgetSet().CreateBitmap(Width, Height);
  if (!h)
    throw EOutOfResources("%s: the widgetset cannot make a bitmap of %d x %d pixels", {SOutOfResources, Width, Height});
  return h;
}

TBitmapBits BitsOf(HBITMAP Bitmap) {
  TBitmapBits bits;
  if (Bitmap) WidgetSet().GetBitmapBits(Bitmap, bits);
  return bits;
}

void CopyPixels(const TBitmapBits& Dst, const TBitmapBits& Src) {
  const int32_t w = std::min(Dst.Width, Src.Width), h = std::min(Dst.Height, Src.Height);
  for (int32_t y = 0; y < h; ++y) std::memcpy(Dst.Row(y), Src.Row(y), static_cast<std::size_t>(w) * sizeof(TPixel));
}

// Dst becomes white where Src has the colour Key, black elsewhere.
void MaskPixels(const TBitmapBits& Dst, const TBitmapBits& Src, TPixel Key) {
  for (int32_t y = 0; y < Src.Height; ++y)
    for (int32_t x = 0; x < Src.Width; ++x)
      Dst.Row(y)[x] = (Src.Row(y)[x] & 0x00FFFFFFu) == (Key & 0x00FFFFFFu) ? 0xFFFFFFFFu : 0xFF000000u;
}

TPixel PixelOf(TColor Color) { return ColorRefToPixel(static_cast<COLORREF>(ColorToRGB(Color))); }

void DeleteHandle(HGDIOBJ& Handle) {
  if (Handle && WidgetSetRunning()) WidgetSet().DeleteObject(Handle);
  Handle = 0;
}

}  // namespace

// ------------------------------------------------------------- TBitmapImage

void TBitmapImage::Destroy() {
  FreeAndNil(FDormant);
  inherited::Destroy();
}

void TBitmapImage::FreeHandle() {
  for (HGDIOBJ* h : {&FHandle, &FMaskHandle, &FPalette}) DeleteHandle(*h);
}

// ----------------------------------------------------------------- TBitmap

TBitmap::TBitmap() : FImage(New<TBitmapImage>()) { FImage->Reference(); }

void TBitmap::Destroy() {
  FreeAndNil(FCanvas);
  FImage->Release();
  inherited::Destroy();
}

void TBitmap::Assign(TPersistent* Source) {
  if (Source && !Is<TBitmap>(Source)) return inherited::Assign(Source);
  auto* other = static_cast<TBitmap*>(Source);
  if (other == this) return;
  NewImage(other ? other->FImage : New<TBitmapImage>());
  if (other) {
    FTransparentColor = other->FTransparentColor;
    FTransparentMode = other->FTransparentMode;
    StoreTransparent(other->GetTransparent());
  }
  Changed(this);
}

void TBitmap::NewImage(TBitmapImage* Image) {
  FreeContext();
  ReplaceImage(FImage, Image);
}

void TBitmap::FreeContext() {
  if (FCanvas) FCanvas->FreeContext();
}

TPixel TBitmap::FillPixel() const { return FCanvas ? PixelOf(FCanvas->GetBrush()->GetColor()) : 0xFFFFFFFFu; }

TBitmapImage* TBitmap::CopyImage(const TBitmapImage* Source, int32_t Width, int32_t Height) const {
  TOwned<TBitmapImage> image(New<TBitmapImage>());
  image->FWidth = Width;
  image->FHeight = Height;
  image->FPixelFormat = Source->FPixelFormat;
  image->FColors = Source->FColors;
  if (Width > 0 && Height > 0) {
    image->FHandle = CreateSurface(Width, Height);
    const TBitmapBits dst = BitsOf(image->FHandle);
    std::fill_n(dst.Bits, static_cast<std::size_t>(dst.Stride) * static_cast<std::size_t>(dst.Height), FillPixel());
    if (Source->FHandle) CopyPixels(dst, BitsOf(Source->FHandle));
  }
  return image.release();
}

void TBitmap::Unshare() {
  if (FImage->GetRefCount() <= 1) return Changing();
  SurfaceHandle();
  NewImage(CopyImage(FImage, FImage->FWidth, FImage->FHeight));
}

HBITMAP TBitmap::SurfaceHandle() {
  TBitmapImage* image = FImage;
  if (image->FDormant) {
    const std::span<const uint8_t> bytes(static_cast<const uint8_t*>(image->FDormant->GetMemory()),
                                         static_cast<std::size_t>(image->FDormant->GetSize()));
    const bmpio::TDibReader reader = bmpio::TDibReader::FromFile(bytes);
    const HBITMAP handle = CreateSurface(reader.Width(), reader.Height());
    const TBitmapBits bits = BitsOf(handle);
    reader.Decode(bits.Bits, bits.Stride);
    image->FHandle = handle;
    FreeAndNil(image->FDormant);
  }
  if (image->FDibCurrent) {
    const TBitmapBits bits = BitsOf(image->FHandle);
    const TPixelLayout layout = LayoutOf(image->FPixelFormat, image->FColors);
    const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(bits.Width, layout.Bits));
    for (int32_t y = 0; y < bits.Height; ++y)
      UnpackRow(layout, image->FDib.data() + static_cast<std::size_t>(y) * rowBytes, bits.Row(y), bits.Width);
    image->FDibCurrent = false;
    std::vector<uint8_t>().swap(image->FDib);
  }
  return image->FHandle;
}

TBitmapBits TBitmap::GetBits(bool ForWriting) {
  if (ForWriting) Unshare();
  return BitsOf(SurfaceHandle());
}

void TBitmap::CanvasChanging(TObject*) {
  Unshare();
  SurfaceHandle();
}

void TBitmap::Changed(TObject* Sender) {
  DeleteHandle(FImage->FMaskHandle);
  inherited::Changed(Sender);
}

TCanvas* TBitmap::GetCanvas() {
  if (!FCanvas) {
    FCanvas = New<TBitmapCanvas>(this);
    FCanvas->OnChanging = TNotifyEvent(this, &TBitmap::CanvasChanging);
    FCanvas->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
  }
  return FCanvas;
}

// ------------------------------------------------------------------- size

bool TBitmap::GetEmpty() const { return FImage->FWidth == 0 || FImage->FHeight == 0; }
int32_t TBitmap::GetWidth() const { return FImage->FWidth; }
int32_t TBitmap::GetHeight() const { return FImage->FHeight; }
void TBitmap::SetWidth(int32_t Value) { SetSize(Value, FImage->FHeight); }
void TBitmap::SetHeight(int32_t Value) { SetSize(FImage->FWidth, Value); }

void TBitmap::SetSize(int32_t AWidth, int32_t AHeight) {
  if (AWidth < 0 || AHeight < 0)
    throw EInvalidGraphicOperation("Invalid bitmap size %d x %d: a size cannot be negative", {AWidth, AHeight});
  bmpio::CheckBitmapSize(AWidth, AHeight);
  if (AWidth == FImage->FWidth && AHeight == FImage->FHeight) return;
  SurfaceHandle();
  NewImage(CopyImage(FImage, AWidth, AHeight));
  Changed(this);
}

// --------------------------------------------------------------- formats

void TBitmap::SetHandleType(TBitmapHandleType Value) {
  if (Value == GetHandleType()) return;
  SetPixelFormat(Value == bmDDB ? pfDevice : pf32bit);
}

void TBitmap::ReduceColors() {
  const TPixelLayout layout = LayoutOf(FImage->FPixelFormat, FImage->FColors);
  if (GetEmpty() || layout.Bits == 32) return;
  const TBitmapBits bits = BitsOf(SurfaceHandle());
  TColorMatcher matcher(layout.Palette);
  std::vector<uint8_t> row(static_cast<std::size_t>(RowBytes(bits.Width, layout.Bits)));
  for (int32_t y = 0; y < bits.Height; ++y) {
    PackRow(layout, bits.Row(y), row.data(), bits.Width, &matcher);
    UnpackRow(layout, row.data(), bits.Row(y), bits.Width);
  }
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FImage->FPixelFormat) return;
  if (Value > pf32bit) throw EInvalidGraphicOperation("%s (%d)", {SInvalidPixelFormat, static_cast<int>(Value)});
  StorePixelFormat(Value);
}

void TBitmap::StorePixelFormat(TPixelFormat Value) {
  Unshare();
  SurfaceHandle();
  FImage->FPixelFormat = Value;
  FImage->FColors = DefaultPalette(Value);
  DeleteHandle(FImage->FPalette);
  ReduceColors();
  Changed(this);
}

bool TBitmap::GetMonochrome() const {
  return FImage->FPixelFormat == pf1bit && (FImage->FColors.empty() || IsMonochromePalette(FImage->FColors));
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value == GetMonochrome()) return;
  if (!Value) return SetPixelFormat(pfDevice);
  StorePixelFormat(pf1bit);
}

void TBitmap::SetIgnorePalette(bool Value) {
  if (Value == FIgnorePalette) return;
  FIgnorePalette = Value;
  Changed(this);
}

uint8_t* TBitmap::GetScanLine(int32_t Row) {
  if (GetEmpty() || Row < 0 || Row >= FImage->FHeight) throw EInvalidGraphicOperation(SScanLine);
  Unshare();
  const TPixelLayout layout = LayoutOf(FImage->FPixelFormat, FImage->FColors);
  if (layout.Bits == 32) return reinterpret_cast<uint8_t*>(BitsOf(SurfaceHandle()).Row(Row));
  const std::size_t rowBytes = static_cast<std::size_t>(RowBytes(FImage->FWidth, layout.Bits));
  if (!FImage->FDibCurrent) {
    const TBitmapBits bits = BitsOf(SurfaceHandle());
    FreeContext();  // the canvas must make the pixels current again before it draws or reads
    FImage->FDib.assign(rowBytes * static_cast<std::size_t>(bits.Height), 0);
    TColorMatcher matcher(layout.Palette);
    for (int32_t y = 0; y < bits.Height; ++y)
      PackRow(layout, bits.Row(y), FImage->FDib.data() + static_cast<std::size_t>(y) * rowBytes, bits.Width, &matcher);
    FImage->FDibCurrent = true;
  }
  return FImage->FDib.data() + static_cast<std::size_t>(Row) * rowBytes;
}

// --------------------------------------------------------------- handles

// The handle lets its holder draw on the pixels.
HBITMAP TBitmap::GetHandle() {
  Changing();
  return SurfaceHandle();
}

void TBitmap::SetHandle(HBITMAP Value) {
  // The bitmap's own handle: the image already holds it (replacing the image would delete it).
  if (Value && Value == FImage->FHandle) return;
  TBitmapBits bits;
  if (Value && !WidgetSet().GetBitmapBits(Value, bits))
    throw EInvalidGraphicOperation("Handle %u is not a bitmap", {Value});
  TOwned<TBitmapImage> image(New<TBitmapImage>());
  image->FWidth = bits.Width;
  image->FHeight = bits.Height;
  image->FHandle = Value;
  NewImage(image.release());
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  Unshare();
  const HBITMAP handle = SurfaceHandle();
  FreeContext();
  FImage->FHandle = 0;
  NewImage(New<TBitmapImage>());
  Changed(this);
  return handle;
}

HBITMAP TBitmap::CreateMask(TColor Color) {
  if (GetEmpty()) return 0;
  const TBitmapBits src = BitsOf(SurfaceHandle());
  const HBITMAP mask = CreateSurface(src.Width, src.Height);
  MaskPixels(BitsOf(mask), src, PixelOf(Color));
  return mask;
}

HBITMAP TBitmap::GetMaskHandle() {
  if (!FImage->FMaskHandle && !GetEmpty()) FImage->FMaskHandle = CreateMask(GetTransparentColor());
  return FImage->FMaskHandle;
}

void TBitmap::SetMaskHandle(HBITMAP Value) {
  TBitmapBits bits;
  if (Value && !WidgetSet().GetBitmapBits(Value, bits))
    throw EInvalidGraphicOperation("Handle %u is not a bitmap", {Value});
  Unshare();
  if (FImage->FMaskHandle != Value) DeleteHandle(FImage->FMaskHandle);
  FImage->FMaskHandle = Value;
}

THandle TBitmap::HandOut(THandle (TBitmap::*Get)(), THandle TBitmapImage::*Slot) {
  Unshare();
  const THandle handle = (this->*Get)();
  FImage->*Slot = 0;
  return handle;
}

HBITMAP TBitmap::ReleaseMaskHandle() { return HandOut(&TBitmap::GetMaskHandle, &TBitmapImage::FMaskHandle); }

HPALETTE TBitmap::GetPalette() {
  if (FImage->FColors.empty()) return 0;
  if (!FImage->FPalette) FImage->FPalette = WidgetSet().CreatePalette(FImage->FColors);
  return FImage->FPalette;
}

void TBitmap::SetPalette(HPALETTE Value) {
  std::vector<TPaletteEntry> entries;
  if (Value && !WidgetSet().GetPaletteEntries(Value, entries))
    throw EInvalidGraphicOperation("Handle %u is not a palette", {Value});
  Unshare();
  SurfaceHandle();
  if (FImage->FPalette != Value) DeleteHandle(FImage->FPalette);
  FImage->FPalette = Value;
  FImage->FColors = entries;
  SetPaletteModified(true);
  Changed(this);
}

HPALETTE TBitmap::ReleasePalette() { return HandOut(&TBitmap::GetPalette, &TBitmapImage::FPalette); }

// ---------------------------------------------------------- transparency

TColor TBitmap::GetTransparentColor() {
  if (FTransparentColor != clDefault) return FTransparentColor;
  if (GetEmpty()) return clDefault;
  if (GetMonochrome()) return clWhite;
  const TBitmapBits bits = BitsOf(SurfaceHandle());
  return static_cast<TColor>(PixelToColorRef(bits.Row(bits.Height - 1)[0]));
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  FTransparentColor = Value == tmAuto ? clDefault : GetTransparentColor();
  FTransparentMode = Value;
  Changed(this);
}

void TBitmap::Mask(TColor TransparentColor) {
  if (GetEmpty()) return;
  const TBitmapBits bits = GetBits(true);
  MaskPixels(bits, bits, PixelOf(TransparentColor));
  FImage->FPixelFormat = pf1bit;
  FImage->FColors = DefaultPalette(pf1bit);
  DeleteHandle(FImage->FPalette);
  Changed(this);
}

// ------------------------------------------------------------ life cycle

void TBitmap::Dormant() {
  if (GetEmpty() || FImage->FDormant) return;
  const TBitmapBits bits = BitsOf(SurfaceHandle());
  TOwned<TMemoryStream> saved = MakeOwned<TMemoryStream>();
  bmpio::WriteBitmapFile(saved.get(), bits, pf32bit, {});
  ReleaseSelection(FImage->FHandle);
  DeleteHandle(FImage->FHandle);
  FImage->FDormant = saved.release();
}

void TBitmap::FreeImage() {
  Unshare();
  SurfaceHandle();
}

// ------------------------------------------------------------ reading

void TBitmap::LoadImage(const bmpio::TDibReader& Reader) {
  const int32_t w = Reader.Width(), h = Reader.Height();
  Progress(this, psStarting, 0, false, TRect{}, "");
  TOwned<TBitmapImage> image(New<TBitmapImage>());
  image->FWidth = w;
  image->FHeight = h;
  image->FPixelFormat = Reader.PixelFormat();
  image->FColors = Reader.Palette();
  image->FHandle = CreateSurface(w, h);
  const TBitmapBits bits = BitsOf(image->FHandle);
  Reader.Decode(bits.Bits, bits.Stride, [&](int32_t rows) {
    const TRect done = Reader.TopDown() ? Rect(0, 0, w, rows) : Rect(0, h - rows, w, h);
    Progress(this, psRunning, static_cast<uint8_t>(int64_t{rows} * 100 / h), true, done, "");
  });
  NewImage(image.release());
  Progress(this, psEnding, 100, true, Rect(0, 0, w, h), "");
  Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  NeedStream(Stream);
  const int64_t start = Stream->GetPosition();
  const TByteBuffer data = ReadRemaining(Stream, SInvalidBitmap);
  try {
    if (data.Empty()) {
      NewImage(New<TBitmapImage>());
      Changed(this);
      return;
    }
    const bmpio::TDibReader reader = bmpio::TDibReader::FromFile(data.Span());
    LoadImage(reader);
    FImage->FStreamed.assign(data.Span().begin(), data.Span().begin() + static_cast<std::ptrdiff_t>(reader.PixelsEnd()));
    Stream->SetPosition(start + static_cast<int64_t>(reader.PixelsEnd()));
  } catch (...) {
    Stream->SetPosition(start);
    throw;
  }
}

void TBitmap::SaveToStream(TStream* Stream) {
  NeedStream(Stream);
  if (GetEmpty()) return;
  if (!FImage->FStreamed.empty())
    return Stream->WriteBuffer(FImage->FStreamed.data(), static_cast<int32_t>(FImage->FStreamed.size()));
  const TPixelFormat format =
      FImage->FPixelFormat == pfDevice || FImage->FPixelFormat == pfCustom ? pf32bit : FImage->FPixelFormat;
  bmpio::WriteBitmapFile(Stream, BitsOf(SurfaceHandle()), format, FImage->FColors);
}

void TBitmap::LoadFromResourceName(HMODULE Instance, const std::string& ResName) {
  const auto data = FindResourceData(Instance, ResName, RT_BITMAP);
  if (!data) throw EResNotFound(SResNotFound, {ResName});
  const std::span<const uint8_t> bytes(*data);
  const bool file = bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
  LoadImage(file ? bmpio::TDibReader::FromFile(bytes) : bmpio::TDibReader::FromPackedDib(bytes, false));
}

void TBitmap::LoadFromResourceID(HMODULE Instance, int32_t ResID) {
  LoadFromResourceName(Instance, "#" + IntToStr(ResID));
}

void TBitmap::ReadData(TStream* Stream) {
  ReadSizedData(Stream, SInvalidBitmap, [this](TStream* data) { LoadFromStream(data); });
}

void TBitmap::WriteData(TStream* Stream) {
  WriteSizedData(Stream, [this](TStream* data) { SaveToStream(data); });
}

// ------------------------------------------------------------ clipboard

void TBitmap::SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) {
  AFormat = CF_BITMAP;
  AData = 0;
  APalette = 0;
  if (GetEmpty()) return;
  const TBitmapBits src = BitsOf(SurfaceHandle());
  AData = CreateSurface(src.Width, src.Height);
  CopyPixels(BitsOf(AData), src);
  if (!FImage->FColors.empty()) APalette = WidgetSet().CreatePalette(FImage->FColors);
}

void TBitmap::LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) {
  TBitmapBits src;
  if (AFormat != CF_BITMAP || !WidgetSet().GetBitmapBits(AData, src))
    throw EInvalidGraphic("%s (format %d, data %u)", {SUnknownClipboardFormat, static_cast<int>(AFormat), AData});
  TPalette colors;
  if (APalette && !WidgetSet().GetPaletteEntries(APalette, colors))
    throw EInvalidGraphic("%s: handle %u is not a palette", {SUnknownClipboardFormat, APalette});
  TOwned<TBitmapImage> image(New<TBitmapImage>());
  image->FWidth = src.Width;
  image->FHeight = src.Height;
  image->FPixelFormat = colors.empty() ? pfDevice : colors.size() <= 2 ? pf1bit : colors.size() <= 16 ? pf4bit : pf8bit;
  image->FColors = colors;
  image->FHandle = CreateSurface(src.Width, src.Height);
  CopyPixels(BitsOf(image->FHandle), src);
  NewImage(image.release());
  Changed(this);
}

// ------------------------------------------------------------- drawing

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  TCanvasCommand c{TCanvasOp::Blit};
  c.Box = Rect;
  c.Source = GetCanvas()->ValidHandle();
  c.SourceRect = {0, 0, FImage->FWidth, FImage->FHeight};
  c.Flags = static_cast<uint32_t>(ACanvas->GetCopyMode());
  if (GetTransparent()) c.Mask = GetMaskHandle();
  ACanvas->DrawCommand(c);
}

// ----------------------------------------------------------- TBitmapCanvas

void TBitmapCanvas::Destroy() {
  FreeContext();
  inherited::Destroy();
}

void TBitmapCanvas::CreateHandle() {
  TWidgetSet& ws = WidgetSet();
  const HBITMAP bitmap = FBitmap->SurfaceHandle();
  const HDC dc = ws.CreateCompatibleDC(0);
  if (!dc) throw EOutOfResources(SOutOfResources);
  if (bitmap) {
    TakeSelection(bitmap, this);
    FOldBitmap = ws.SelectObject(dc, bitmap);
    FSelected = bitmap;
  }
  SetHandle(dc);
}

void TBitmapCanvas::FreeContext() {
  const HDC dc = CurrentHandle();
  if (!dc) return;
  SetHandle(0);
  if (WidgetSetRunning()) {
    if (FSelected) WidgetSet().SelectObject(dc, FOldBitmap);
    WidgetSet().DeleteDC(dc);
  }
  if (FSelected) ForgetSelection(FSelected, this);
  FSelected = FOldBitmap = 0;
}

}  // namespace host
