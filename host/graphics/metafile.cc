#include "host/graphics/metafile.h"

#include <algorithm>

#include "host/classes/streams.h"
#include "host/graphics/bitmap.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TMetafileImage, TSharedImage)
HOST_IMPL(TMetafile, TGraphic)
HOST_IMPL(TMetafileCanvas, TCanvas)

namespace {

constexpr int32_t kHundredthsOfMmPerInch = 2540;

// Value, checked: a negative width or height (What) raises.
int32_t CheckedSize(int32_t Value, const char* What) {
  if (Value < 0) throw EInvalidGraphicOperation("Invalid metafile %s %d: a size cannot be negative", {What, Value});
  return Value;
}

TRect Normalized(const TRect& R) {
  return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right), std::max(R.Top, R.Bottom)};
}

TRect Union(const TRect& A, const TRect& B) {
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

// The pixels of Region of a widgetset bitmap (clipped to it).
mf::TPixelBlock BlockOf(HBITMAP Bitmap, const TRect& Region) {
  TBitmapBits bits;
  mf::TPixelBlock block;
  TRect r;
  if (!WidgetSet().GetBitmapBits(Bitmap, bits) || !IntersectRect(r, Region, {0, 0, bits.Width, bits.Height}))
    return block;
  block.Width = r.Width();
  block.Height = r.Height();
  for (int32_t y = r.Top; y < r.Bottom; ++y)
    block.Pixels.insert(block.Pixels.end(), bits.Row(y) + r.Left, bits.Row(y) + r.Right);
  return block;
}

HBITMAP BitmapOf(const mf::TPixelBlock& Block) {
  const HBITMAP bitmap = WidgetSet().CreateBitmap(Block.Width, Block.Height);
  if (!bitmap) throw EOutOfResources(SOutOfResources);
  TBitmapBits bits;
  WidgetSet().GetBitmapBits(bitmap, bits);
  std::copy(Block.Pixels.begin(), Block.Pixels.end(), bits.Bits);
  return bitmap;
}

// A widgetset bitmap made from a block, deleted with this object.
class TTempBitmap {
 public:
  explicit TTempBitmap(const mf::TPixelBlock& Block) : FBitmap(Block.Empty() ? 0 : BitmapOf(Block)) {}
  TTempBitmap(const TTempBitmap&) = delete;
  TTempBitmap& operator=(const TTempBitmap&) = delete;
  ~TTempBitmap() {
    if (FBitmap) WidgetSet().DeleteObject(FBitmap);
  }
  HBITMAP Get() const { return FBitmap; }

 private:
  HBITMAP FBitmap;
};

// A device context with a block's pixels selected.
class TTempDC {
 public:
  explicit TTempDC(const mf::TPixelBlock& Block) : FBitmap(Block), FDc(WidgetSet().CreateCompatibleDC(0)) {
    FOld = WidgetSet().SelectObject(FDc, FBitmap.Get());
  }
  TTempDC(const TTempDC&) = delete;
  TTempDC& operator=(const TTempDC&) = delete;
  ~TTempDC() {
    WidgetSet().SelectObject(FDc, FOld);
    WidgetSet().DeleteDC(FDc);
  }
  HDC Get() const { return FDc; }

 private:
  TTempBitmap FBitmap;
  HDC FDc;
  HGDIOBJ FOld = 0;
};

// Plays recorded calls on a canvas, scaled from the metafile's size to a
// rectangle, and puts the canvas's pen, brush and font back afterwards.
class TPlayer {
 public:
  TPlayer(TCanvas* Canvas, const TRect& Dest, int32_t Width, int32_t Height)
      : FCanvas(Canvas),
        FDest(Dest),
        FWidth(Width > 0 ? Width : std::max(1, Dest.Width())),
        FHeight(Height > 0 ? Height : std::max(1, Dest.Height())) {
    FPen->Assign(Canvas->GetPen());
    FBrush->Assign(Canvas->GetBrush());
    FFont->Assign(Canvas->GetFont());
  }
  void Restore() {
    FCanvas->GetPen()->Assign(FPen.get());
    FCanvas->GetBrush()->Assign(FBrush.get());
    FCanvas->GetFont()->Assign(FFont.get());
  }
  void Play(const mf::TRecord& R) {
    switch (R.Kind) {
      case mf::kPenRecord:
        return ApplyPen(R.Pen);
      case mf::kBrushRecord:
        return ApplyBrush(R.Brush);
      case mf::kFontRecord:
        return ApplyFont(R.Font);
      default:
        return PlayCommand(R);
    }
  }

 private:
  int32_t ScaleX(int32_t V) const { return MulDiv(V, FDest.Width(), FWidth); }
  int32_t ScaleY(int32_t V) const { return MulDiv(V, FDest.Height(), FHeight); }
  TPoint Map(TPoint P) const {
    return {ClampToInt32(int64_t{FDest.Left} + ScaleX(P.X)), ClampToInt32(int64_t{FDest.Top} + ScaleY(P.Y))};
  }
  TRect Map(const TRect& R) const {
    const TPoint a = Map(R.TopLeft()), b = Map(R.BottomRight());
    return {a.X, a.Y, b.X, b.Y};
  }

  void ApplyPen(const mf::TPenState& S) {
    TPen* pen = FCanvas->GetPen();
    pen->SetColor(static_cast<TColor>(S.Color));
    pen->SetStyle(static_cast<TPenStyle>(S.Style));
    pen->SetMode(static_cast<TPenMode>(S.Mode));
    // One-pixel (cosmetic) pens stay one pixel wide; wider pens scale.
    pen->SetWidth(S.Width > 1 ? std::max(1, ScaleX(S.Width)) : S.Width);
  }
  void ApplyBrush(const mf::TBrushState& S) {
    TBrush* brush = FCanvas->GetBrush();
    if (S.Pattern.Empty()) {
      brush->SetBitmap(nullptr);
    } else {
      if (!FPattern) FPattern = MakeOwned<TBitmap>();
      FPattern->SetHandle(BitmapOf(S.Pattern));
      brush->SetBitmap(nullptr);  // the pattern changed: the brush must make its handle again
      brush->SetBitmap(FPattern.get());
    }
    brush->SetColor(static_cast<TColor>(S.Color));
    brush->SetStyle(static_cast<TBrushStyle>(S.Style));
  }
  void ApplyFont(const mf::TFontState& S) {
    TFont* font = FCanvas->GetFont();
    font->SetName(S.Name);
    font->SetHeight(ScaleY(S.Height));
    font->SetStyle(TFontStyles::FromBits(S.Style));
    font->SetColor(static_cast<TColor>(S.Color));
    font->SetCharset(static_cast<TFontCharset>(S.Charset));
    font->SetPitch(static_cast<TFontPitch>(S.Pitch));
  }
  void PlayCommand(const mf::TRecord& R) {
    TCanvasCommand c = R.Command;
    c.Box = Map(c.Box);
    if (c.Op == TCanvasOp::RoundRect) {
      c.P1 = {ScaleX(c.P1.X), ScaleY(c.P1.Y)};
    } else {
      c.P1 = Map(c.P1);
      c.P2 = Map(c.P2);
    }
    for (TPoint& p : c.Points) p = Map(p);
    if (c.Op == TCanvasOp::Blit) return PlayBlit(c, R);
    if (c.Op == TCanvasOp::Icon) return PlayIcon(c, R);
    FCanvas->DrawCommand(c);
  }
  void PlayBlit(TCanvasCommand& C, const mf::TRecord& R) {
    if (R.Source.Empty()) return;
    const TTempDC source(R.Source);
    const TTempBitmap mask(R.Mask);
    C.Source = source.Get();
    C.Mask = mask.Get();
    FCanvas->DrawCommand(C);
  }
  void PlayIcon(TCanvasCommand& C, const mf::TRecord& R) {
    if (R.Source.Empty() || R.Mask.Empty()) return;
    const TTempBitmap color(R.Source), mask(R.Mask);
    TIconInfo info;
    info.Color = color.Get();
    info.Mask = mask.Get();
    C.Handle = WidgetSet().CreateIconIndirect(info);
    FCanvas->DrawCommand(C);
    WidgetSet().DestroyIcon(C.Handle);
  }

  TCanvas* FCanvas;
  TRect FDest;
  int32_t FWidth;
  int32_t FHeight;
  TOwned<TPen> FPen = MakeOwned<TPen>();
  TOwned<TBrush> FBrush = MakeOwned<TBrush>();
  TOwned<TFont> FFont = MakeOwned<TFont>();
  TOwned<TBitmap> FPattern;
};

}  // namespace

// ------------------------------------------------------------ TMetafileImage

void TMetafileImage::FreeHandle() {
  if (FHandle && WidgetSetRunning()) WidgetSet().DeleteEnhMetaFile(FHandle);
  FHandle = 0;
}

// ---------------------------------------------------------------- TMetafile

TMetafile::TMetafile() : FImage(New<TMetafileImage>()) { FImage->Reference(); }

void TMetafile::Destroy() {
  FImage->Release();
  inherited::Destroy();
}

void TMetafile::Unshare() {
  if (FImage->GetRefCount() <= 1) return;
  TOwned<TMetafileImage> copy(New<TMetafileImage>());
  copy->FHasContent = FImage->FHasContent;
  copy->FRecords = FImage->FRecords;
  copy->FHeader = FImage->FHeader;
  ReplaceImage(FImage, copy.release());
}

void TMetafile::Assign(TPersistent* Source) {
  if (Source && !Is<TMetafile>(Source)) return inherited::Assign(Source);
  auto* other = static_cast<TMetafile*>(Source);
  if (other == this) return;
  ReplaceImage(FImage, other ? other->FImage : New<TMetafileImage>());
  if (other) FEnhanced = other->FEnhanced;
  Changed(this);
}

int32_t TMetafile::GetWidth() const {
  return MulDiv(FImage->FHeader.MMWidth, ScreenPixelsPerInch(), kHundredthsOfMmPerInch);
}
int32_t TMetafile::GetHeight() const {
  return MulDiv(FImage->FHeader.MMHeight, ScreenPixelsPerInch(), kHundredthsOfMmPerInch);
}

template <class T>
void TMetafile::SetHeaderField(T mf::THeader::*Field, T Value) {
  if (Value == FImage->FHeader.*Field) return;
  Unshare();
  FImage->FreeHandle();
  FImage->FHeader.*Field = Value;
  Changed(this);
}

void TMetafile::SetWidth(int32_t Value) {
  SetMMWidth(MulDiv(CheckedSize(Value, "width"), kHundredthsOfMmPerInch, ScreenPixelsPerInch()));
}

void TMetafile::SetHeight(int32_t Value) {
  SetMMHeight(MulDiv(CheckedSize(Value, "height"), kHundredthsOfMmPerInch, ScreenPixelsPerInch()));
}

void TMetafile::SetMMWidth(int32_t Value) { SetHeaderField(&mf::THeader::MMWidth, CheckedSize(Value, "width")); }

void TMetafile::SetMMHeight(int32_t Value) { SetHeaderField(&mf::THeader::MMHeight, CheckedSize(Value, "height")); }

void TMetafile::SetInch(uint16_t Value) { SetHeaderField(&mf::THeader::Inch, Value); }

std::vector<uint8_t> TMetafile::FileBytes() const {
  mf::THeader header = FImage->FHeader;
  header.Enhanced = FEnhanced;
  return mf::Serialize(header, FImage->FRecords, header.RecordCount);
}

void TMetafile::LoadBytes(std::span<const uint8_t> Data, HENHMETAFILE Handle, std::size_t* End) {
  TOwned<TMetafileImage> image(New<TMetafileImage>());
  image->FHeader = mf::Parse(Data, nullptr, &image->FRecords, End);
  image->FHasContent = true;
  image->FHandle = Handle;
  FEnhanced = image->FHeader.Enhanced;
  ReplaceImage(FImage, image.release());
  Changed(this);
}

void TMetafile::LoadFromStream(TStream* Stream) {
  NeedStream(Stream);
  const int64_t start = Stream->GetPosition();
  const TByteBuffer data = ReadRemaining(Stream, SInvalidMetafile);
  if (data.Empty()) return Clear();
  try {
    std::size_t end = 0;
    LoadBytes(data.Span(), 0, &end);
    Stream->SetPosition(start + static_cast<int64_t>(end));
  } catch (...) {
    Stream->SetPosition(start);
    throw;
  }
}

void TMetafile::SaveToStream(TStream* Stream) {
  NeedStream(Stream);
  if (GetEmpty()) return;
  const std::vector<uint8_t> bytes = FileBytes();
  Stream->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
}

void TMetafile::ReadData(TStream* Stream) {
  ReadSizedData(Stream, SInvalidMetafile, [this](TStream* data) { LoadFromStream(data); });
}

void TMetafile::WriteData(TStream* Stream) {
  WriteSizedData(Stream, [this](TStream* data) { SaveToStream(data); });
}

HENHMETAFILE TMetafile::GetHandle() {
  if (GetEmpty()) return 0;
  if (!FImage->FHandle) FImage->FHandle = WidgetSet().SetEnhMetaFileBits(FileBytes());
  return FImage->FHandle;
}

void TMetafile::SetHandle(HENHMETAFILE Value) {
  if (!Value) return Clear();
  // The metafile's own handle: the image already holds it (replacing the image would delete it).
  if (Value == FImage->FHandle) return;
  const std::span<const uint8_t> bytes = WidgetSet().GetEnhMetaFileBits(Value);
  if (bytes.empty()) throw EInvalidGraphicOperation("Handle %u is not a metafile", {Value});
  LoadBytes(bytes, Value, nullptr);
}

HENHMETAFILE TMetafile::ReleaseHandle() {
  const HENHMETAFILE handle = GetHandle();
  FImage->FHandle = 0;
  Clear();
  return handle;
}

void TMetafile::Clear() {
  ReplaceImage(FImage, New<TMetafileImage>());
  Changed(this);
}

void TMetafile::SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) {
  AFormat = CF_ENHMETAFILE;
  APalette = 0;
  AData = GetEmpty() ? 0 : WidgetSet().SetEnhMetaFileBits(FileBytes());
}

void TMetafile::LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE) {
  const std::span<const uint8_t> bytes =
      AFormat == CF_ENHMETAFILE ? WidgetSet().GetEnhMetaFileBits(AData) : std::span<const uint8_t>{};
  if (bytes.empty())
    throw EInvalidGraphic("%s (format %d, data %u)", {SUnknownClipboardFormat, static_cast<int>(AFormat), AData});
  LoadBytes(bytes, 0, nullptr);
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& Rect) {
  TPlayer player(ACanvas, Rect, GetWidth(), GetHeight());
  try {
    mf::ParseRecords(FImage->FRecords, FImage->FHeader.RecordCount, [&](const mf::TRecord& r) { player.Play(r); });
  } catch (...) {
    player.Restore();
    throw;
  }
  player.Restore();
}

void TMetafile::TakeRecording(const mf::TRecordWriter& Records, const std::string& CreatedBy,
                              const std::string& Description, const TRect& Extent, int32_t PixelsPerInch) {
  TOwned<TMetafileImage> image(New<TMetafileImage>());
  image->FHasContent = true;
  image->FRecords = Records.Bytes();
  mf::THeader& header = image->FHeader;
  const mf::THeader& old = FImage->FHeader;
  header.RecordCount = Records.Count();
  header.CreatedBy = CreatedBy;
  header.Description = Description;
  header.Inch = old.Inch;
  const int32_t ppi = PixelsPerInch > 0 ? PixelsPerInch : ScreenPixelsPerInch();
  header.MMWidth = old.MMWidth ? old.MMWidth : MulDiv(std::max(0, Extent.Right), kHundredthsOfMmPerInch, ppi);
  header.MMHeight = old.MMHeight ? old.MMHeight : MulDiv(std::max(0, Extent.Bottom), kHundredthsOfMmPerInch, ppi);
  ReplaceImage(FImage, image.release());
  Changed(this);
}

// ---------------------------------------------------------- TMetafileCanvas

TMetafileCanvas::TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice)
    : TMetafileCanvas(AMetafile, ReferenceDevice, std::string(), std::string()) {}

TMetafileCanvas::TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice, const std::string& CreatedBy,
                                 const std::string& Description)
    : FMetafile(AMetafile), FReference(ReferenceDevice), FCreatedBy(CreatedBy), FDescription(Description) {}

void TMetafileCanvas::Destroy() {
  const HDC dc = CurrentHandle();
  if (FMetafile)
    FMetafile->TakeRecording(FRecords, FCreatedBy, FDescription, FExtent,
                             dc ? WidgetSet().GetDeviceCaps(dc, LOGPIXELSX) : ScreenPixelsPerInch());
  SetHandle(0);
  if (dc && WidgetSetRunning()) WidgetSet().DeleteDC(dc);
  inherited::Destroy();
}

void TMetafileCanvas::CreateHandle() {
  HDC dc = WidgetSet().CreateCompatibleDC(FReference);
  if (!dc) dc = WidgetSet().CreateCompatibleDC(0);
  SetHandle(dc);
}

void TMetafileCanvas::RecordState() {
  const TPen* pen = GetPen();
  const mf::TPenState penState{pen->GetColor(), pen->GetStyle(), pen->GetMode(), pen->GetWidth()};
  TBrush* brush = GetBrush();
  mf::TBrushState brushState{brush->GetColor(), brush->GetStyle(), {}};
  if (TBitmap* pattern = brush->GetBitmap(); pattern && !pattern->GetEmpty())
    brushState.Pattern = BlockOf(pattern->GetHandle(), {0, 0, pattern->GetWidth(), pattern->GetHeight()});
  const TFont* font = GetFont();
  const mf::TFontState fontState{font->GetName(),  font->GetHeight(),  font->GetStyle().Bits(),
                                 font->GetColor(), font->GetCharset(), font->GetPitch()};
  if (!FStateRecorded || !(penState == FPenState)) FRecords.Pen(FPenState = penState);
  if (!FStateRecorded || !(brushState == FBrushState)) FRecords.Brush(FBrushState = brushState);
  if (!FStateRecorded || !(fontState == FFontState)) FRecords.Font(FFontState = fontState);
  FStateRecorded = true;
}

void TMetafileCanvas::Perform(const TCanvasCommand& Command) {
  RecordState();
  TCanvasCommand c = Command;
  mf::TPixelBlock source, mask;
  if (c.Op == TCanvasOp::Blit) {
    const TRect region = Normalized(c.SourceRect);
    source = BlockOf(WidgetSet().GetCurrentObject(c.Source, OBJ_BITMAP), region);
    if (c.Mask) mask = BlockOf(c.Mask, region);
    // The block starts at the region's corner (or where the bitmap starts).
    const int32_t dx = std::max(region.Left, 0), dy = std::max(region.Top, 0);
    c.SourceRect = {c.SourceRect.Left - dx, c.SourceRect.Top - dy, c.SourceRect.Right - dx, c.SourceRect.Bottom - dy};
  } else if (c.Op == TCanvasOp::Icon) {
    TIconInfo info;
    if (WidgetSet().GetIconInfo(c.Handle, info)) {
      source = BlockOf(info.Color, {0, 0, kMaxBitmapDimension, kMaxBitmapDimension});
      mask = BlockOf(info.Mask, {0, 0, kMaxBitmapDimension, kMaxBitmapDimension});
      WidgetSet().DeleteObject(info.Color);
      WidgetSet().DeleteObject(info.Mask);
    }
  }
  c.Source = 0;
  c.Mask = 0;
  c.Handle = 0;
  FRecords.Command(c, source, mask);
  Extend(Command);
}

void TMetafileCanvas::Extend(const TCanvasCommand& C) {
  TRect extent;
  switch (C.Op) {
    case TCanvasOp::Pixel:
      extent = Bounds(C.P1.X, C.P1.Y, 1, 1);
      break;
    case TCanvasOp::Line:
      extent = Union(Bounds(C.P1.X, C.P1.Y, 1, 1), Bounds(C.P2.X, C.P2.Y, 1, 1));
      break;
    case TCanvasOp::Polyline:
    case TCanvasOp::Polygon:
      if (C.Points.empty()) return;
      extent = Bounds(C.Points[0].X, C.Points[0].Y, 1, 1);
      for (TPoint p : C.Points) extent = Union(extent, Bounds(p.X, p.Y, 1, 1));
      break;
    case TCanvasOp::TextOut: {
      const TSize size = TextExtent(C.Text);
      extent = Bounds(C.P1.X, C.P1.Y, size.cx, size.cy);
      break;
    }
    case TCanvasOp::FloodFill:
      return;
    default:
      extent = Normalized(C.Box);
      break;
  }
  FExtent = FHasExtent ? Union(FExtent, extent) : extent;
  FHasExtent = true;
}

}  // namespace host
