// Image lists in form files and loading images from files and resources.
//
// The binary property "Bitmap" holds (numbers little-endian):
//
//   offset  size  contents
//        0     4  signature "CVIL"
//        4     2  version: 1
//        6     2  flags: bit 0 set (masks follow the images)
//        8     4  image width            12   4  image height
//       16     4  image count
//       20    16  the images shown as overlays 0..3 (-1 for none)
//       36     4  byte count n of the image strip
//       40     n  the image strip: a BMP file of count x width by height
//                 pixels, 32 bits per pixel, the images left to right
//     40+n     4  byte count m of the mask strip
//     44+n     m  the mask strip: a BMP file of the same size, 1 bit per
//                 pixel, white where an image is transparent
//
// An empty list writes no strips (n = m = 0). Data that does not follow this
// layout raises EReadError "Image list data is not valid: ..." and leaves
// the list as it was.
#include <cstring>
#include <filesystem>
#include <span>

#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/imglist/imglist.h"

namespace host {

using imagelist::TImageData;
using imagelist::TImageStore;

namespace {

constexpr char kSignature[] = "CVIL";
constexpr uint16_t kVersion = 1;
constexpr uint16_t kHasMasks = 1;

[[noreturn]] void Invalid(const std::string& What) { throw EReadError("Image list data is not valid: " + What); }

void Put16(TStream* S, uint16_t V) {
  const uint8_t b[2] = {static_cast<uint8_t>(V), static_cast<uint8_t>(V >> 8)};
  S->WriteBuffer(b, 2);
}

void Put32(TStream* S, int32_t V) {
  const auto u = static_cast<uint32_t>(V);
  const uint8_t b[4] = {static_cast<uint8_t>(u), static_cast<uint8_t>(u >> 8), static_cast<uint8_t>(u >> 16),
                        static_cast<uint8_t>(u >> 24)};
  S->WriteBuffer(b, 4);
}

// Reads the little-endian numbers of the layout, checking the data's end.
class TDataReader {
 public:
  explicit TDataReader(std::span<const uint8_t> Data) : FData(Data) {}
  uint32_t U32(const char* What) {
    Need(4, What);
    const uint32_t v =
        FData[FPos] | (FData[FPos + 1] << 8) | (FData[FPos + 2] << 16) | (uint32_t{FData[FPos + 3]} << 24);
    FPos += 4;
    return v;
  }
  int32_t I32(const char* What) { return static_cast<int32_t>(U32(What)); }
  uint16_t U16(const char* What) {
    Need(2, What);
    const uint16_t v = static_cast<uint16_t>(FData[FPos] | (FData[FPos + 1] << 8));
    FPos += 2;
    return v;
  }
  std::span<const uint8_t> Bytes(std::size_t Count, const char* What) {
    Need(Count, What);
    const std::span<const uint8_t> bytes = FData.subspan(FPos, Count);
    FPos += Count;
    return bytes;
  }

 private:
  void Need(std::size_t Count, const char* What) {
    if (FData.size() - FPos < Count) Invalid(std::string("the data ends inside ") + What);
  }
  std::span<const uint8_t> FData;
  std::size_t FPos = 0;
};

// A strip of BMP bytes as a bitmap of exactly Width x Height pixels.
TOwned<TBitmap> ReadStrip(std::span<const uint8_t> Bytes, int32_t Width, int32_t Height, const char* What) {
  TOwned<TBitmap> strip = MakeOwned<TBitmap>();
  try {
    TOwned<TMemoryStream> s = MakeOwned<TMemoryStream>();
    if (!Bytes.empty()) s->WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
    s->SetPosition(0);
    strip->LoadFromStream(s.get());
  } catch (const Exception& e) {
    Invalid(std::string(What) + ": " + e.Message());
  }
  if (strip->GetWidth() != Width || strip->GetHeight() != Height)
    Invalid(Format("%s is %d x %d pixels, not %d x %d", {What, strip->GetWidth(), strip->GetHeight(), Width, Height}));
  return strip;
}

void WriteStrip(TStream* Stream, TBitmap* Strip) {
  TOwned<TMemoryStream> bytes = MakeOwned<TMemoryStream>();
  Strip->SaveToStream(bytes.get());
  Put32(Stream, static_cast<int32_t>(bytes->GetSize()));
  bytes->SaveToStream(Stream);
}

// The classic 3D greys of a bitmap mapped to the system's 3D colours.
void Map3DColors(TImageData& Image) {
  struct TMap {
    uint32_t From;
    TColor To;
  };
  static constexpr TMap kMap[] = {{0x808080, clBtnShadow}, {0xC0C0C0, clBtnFace}, {0xDFDFDF, cl3DLight}};
  for (TPixel& p : Image.Pixels)
    for (const TMap& m : kMap)
      if (imagelist::RgbOf(p) == m.From) {
        p = imagelist::PixelOfColor(m.To);
        break;
      }
}

bool FileExists(const std::string& Name) {
  std::error_code ec;
  return std::filesystem::is_regular_file(Name, ec);
}

// The bytes of a file or a resource; null when there is none.
std::shared_ptr<const std::vector<uint8_t>> Source(HMODULE Instance, const std::string& Name, bool FromFile,
                                                   const char* ResType) {
  if (!FromFile) return FindResourceData(Instance, Name, ResType);
  if (!FileExists(Name)) return nullptr;
  TOwned<TMemoryStream> file = MakeOwned<TMemoryStream>();
  file->LoadFromFile(Name);
  const auto* begin = static_cast<const uint8_t*>(file->GetMemory());
  return std::make_shared<const std::vector<uint8_t>>(begin, begin + file->GetSize());
}

TOwned<TMemoryStream> StreamOf(const std::vector<uint8_t>& Bytes) {
  TOwned<TMemoryStream> s = MakeOwned<TMemoryStream>();
  if (!Bytes.empty()) s->WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
  s->SetPosition(0);
  return s;
}

}  // namespace

// ------------------------------------------------------------------ forms

void TCustomImageList::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TCustomImageList*>(Filer->GetAncestor());
  const bool hasData = ancestor ? !Equal(ancestor) : GetCount() > 0;
  Filer->DefineBinaryProperty(
      "Bitmap", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, hasData);
}

void TCustomImageList::WriteData(TStream* Stream) {
  const int32_t count = GetCount(), w = GetWidth(), h = GetHeight();
  Stream->WriteBuffer(kSignature, 4);
  Put16(Stream, kVersion);
  Put16(Stream, kHasMasks);
  for (int32_t v : {w, h, count}) Put32(Stream, v);
  for (int32_t i = 0; i < imagelist::kOverlayCount; ++i) Put32(Stream, FStore ? FStore->GetOverlay(i) : -1);
  TOwned<TBitmap> images = MakeOwned<TBitmap>(), masks = MakeOwned<TBitmap>();
  if (count > 0) {
    images->SetPixelFormat(pf32bit);
    images->SetSize(count * w, h);
    masks->SetSize(count * w, h);
    const TBitmapBits ib = images->GetBits(true), mb = masks->GetBits(true);
    for (int32_t i = 0; i < count; ++i) {
      const TImageData image = FStore->Get(i);
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
          ib.Row(y)[i * w + x] = image.Pixels[image.At(x, y)];
          mb.Row(y)[i * w + x] = image.Transparent[image.At(x, y)] ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    masks->SetMonochrome(true);
  }
  WriteStrip(Stream, images.get());
  WriteStrip(Stream, masks.get());
}

void TCustomImageList::ReadData(TStream* Stream) {
  const TByteBuffer data = ReadRemaining(Stream, "Image list data is not valid");
  TDataReader r(data.Span());
  const std::span<const uint8_t> signature = r.Bytes(4, "its header");
  if (std::memcmp(signature.data(), kSignature, 4) != 0) Invalid("it does not start with the signature CVIL");
  if (const uint16_t version = r.U16("its header"); version != kVersion)
    Invalid(Format("version %d is not supported", {version}));
  if ((r.U16("its header") & kHasMasks) == 0) Invalid("it holds no masks");
  const int32_t w = r.I32("its header"), h = r.I32("its header"), count = r.I32("its header");
  try {
    TImageStore::CheckSize(w, h);
  } catch (const Exception& e) {
    Invalid(e.Message());
  }
  if (count < 0 || int64_t{count} * w > kMaxBitmapDimension)
    Invalid(Format("it cannot hold %d images of %d x %d", {count, w, h}));
  int32_t overlays[imagelist::kOverlayCount];
  for (int32_t& o : overlays) {
    o = r.I32("its header");
    if (o < -1 || o >= count) Invalid(Format("overlay image %d does not exist", {o}));
  }
  const std::span<const uint8_t> imageBytes = r.Bytes(r.U32("the image strip"), "the image strip");
  const std::span<const uint8_t> maskBytes = r.Bytes(r.U32("the mask strip"), "the mask strip");
  std::vector<TImageData> images;
  if (count > 0) {
    TOwned<TBitmap> strip = ReadStrip(imageBytes, count * w, h, "the image strip");
    TOwned<TBitmap> masks = ReadStrip(maskBytes, count * w, h, "the mask strip");
    images = imagelist::SliceBitmap(strip.get(), masks.get(), w, h);
  }
  ReplaceAll(w, h, std::move(images));
  for (int32_t i = 0; i < imagelist::kOverlayCount; ++i) FStore->SetOverlay(i, overlays[i]);
}

// Builds the new images aside, so that a failure leaves the list as it was.
void TCustomImageList::ReplaceAll(int32_t AWidth, int32_t AHeight, std::vector<TImageData> Images) {
  struct TRelease {
    TImageStore* store;
    ~TRelease() { store->Release(); }
  } fresh{New<TImageStore>(AWidth, AHeight)};
  fresh.store->Reference();
  fresh.store->Open(0, static_cast<int32_t>(Images.size()), FAllocBy);
  for (std::size_t i = 0; i < Images.size(); ++i) {
    if (!FMasked) imagelist::MakeOpaque(Images[i]);
    fresh.store->Put(static_cast<int32_t>(i), Images[i]);
  }
  Store().CopyFrom(*fresh.store);
  FWidth = AWidth;
  FHeight = AHeight;
  Change();
}

// -------------------------------------------------------------- resources

bool TCustomImageList::LoadImages(HMODULE Instance, TResType ResType, const std::string& Name, int32_t Width,
                                  TLoadResources LoadFlags, TColor MaskColor) {
  const bool fromFile = LoadFlags.Contains(lrFromFile);
  const char* type = ResType == rtBitmap ? RT_BITMAP : ResType == rtIcon ? RT_ICON : RT_CURSOR;
  const auto bytes = Source(Instance, Name, fromFile, type);
  if (!bytes) return false;
  TOwned<TMemoryStream> stream = StreamOf(*bytes);
  std::vector<TImageData> images;
  int32_t w = 0, h = 0;
  if (ResType == rtBitmap) {
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    if (fromFile)
      bitmap->LoadFromStream(stream.get());
    else
      bitmap->LoadFromResourceName(Instance, Name);
    if (LoadFlags.Contains(lrMonoChrome)) bitmap->SetMonochrome(true);
    h = bitmap->GetHeight();
    w = Width > 0 ? Width : h;
    TColor mask = MaskColor;
    if (mask == clDefault && !bitmap->GetEmpty())
      mask = LoadFlags.Contains(lrTransparent) ? bitmap->GetCanvas()->GetPixels(0, 0) : clNone;
    images = imagelist::SliceMasked(bitmap.get(), mask, w, h);
  } else {
    // A cursor file is an icon file with its type word 2 and hot spots.
    if (ResType == rtCursor && bytes->size() >= 4 && (*bytes)[2] == 2)
      static_cast<uint8_t*>(stream->GetMemory())[2] = 1;
    TOwned<TIcon> icon = MakeOwned<TIcon>();
    icon->LoadFromStream(stream.get());
    w = Width > 0 ? Width : icon->GetWidth();
    h = Width > 0 ? static_cast<int32_t>(int64_t{icon->GetHeight()} * w / icon->GetWidth()) : icon->GetHeight();
    images.push_back(imagelist::IconImage(icon.get(), w, h));
  }
  if (LoadFlags.Contains(lrMap3DColors))
    for (TImageData& image : images) Map3DColors(image);
  ReplaceAll(w, h, std::move(images));
  return true;
}

bool TCustomImageList::GetInstRes(HMODULE Instance, TResType ResType, const std::string& Name, int32_t Width,
                                  TLoadResources LoadFlags, TColor MaskColor) {
  return LoadImages(Instance, ResType, Name, Width, LoadFlags, MaskColor);
}

bool TCustomImageList::GetResource(TResType ResType, const std::string& Name, int32_t Width, TLoadResources LoadFlags,
                                   TColor MaskColor) {
  return GetInstRes(HInstance(), ResType, Name, Width, LoadFlags, MaskColor);
}

bool TCustomImageList::ResInstLoad(HMODULE Instance, TResType ResType, const std::string& Name, TColor MaskColor) {
  return GetInstRes(Instance, ResType, Name, GetWidth(), {}, MaskColor);
}

bool TCustomImageList::ResourceLoad(TResType ResType, const std::string& Name, TColor MaskColor) {
  return ResInstLoad(HInstance(), ResType, Name, MaskColor);
}

bool TCustomImageList::FileLoad(TResType ResType, const std::string& Name, TColor MaskColor) {
  return GetResource(ResType, Name, GetWidth(), {lrFromFile}, MaskColor);
}

}  // namespace host
