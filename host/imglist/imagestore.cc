#include "host/imglist/imagestore.h"

#include <cstring>
#include <unordered_map>

#include "host/graphics/pixels.h"

namespace host::imagelist {

HOST_IMPL(TImageStore, TSharedImage)

namespace {

constexpr TPixel kOpaque = 0xFF000000u;       // black: the pixel is drawn
constexpr TPixel kTransparent = 0xFFFFFFFFu;  // white: the destination stays

struct TStoreTable {
  std::unordered_map<HIMAGELIST, TImageStore*> stores;
  HIMAGELIST next = 1;
};

TStoreTable& Table() {
  static TStoreTable table;
  return table;
}

TOwned<TBitmap> NewStrip() {
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  return b;
}

// Copies Width pixels of every row from column From to column To (the
// ranges may overlap).
void MoveColumns(const TBitmapBits& Bits, int32_t From, int32_t To, int32_t Width) {
  if (Width <= 0) return;
  for (int32_t y = 0; y < Bits.Height; ++y)
    std::memmove(Bits.Row(y) + To, Bits.Row(y) + From, static_cast<std::size_t>(Width) * sizeof(TPixel));
}

}  // namespace

void TImageStore::CheckSize(int32_t AWidth, int32_t AHeight) {
  if (AWidth < 1 || AHeight < 1 || AWidth > kMaxBitmapDimension || AHeight > kMaxBitmapDimension)
    throw EInvalidOperation("Invalid image size: %d x %d (images are 1 to %d pixels a side)",
                            {AWidth, AHeight, kMaxBitmapDimension});
}

TImageStore::TImageStore(int32_t AWidth, int32_t AHeight) : FWidth(AWidth), FHeight(AHeight) {
  CheckSize(AWidth, AHeight);
  TOwned<TBitmap> images = NewStrip(), masks = NewStrip();
  FImages = images.release();
  FMasks = masks.release();
}

void TImageStore::FreeHandle() {
  FreeAndNil(FImages);
  FreeAndNil(FMasks);
}

TImageData TImageStore::Get(int32_t Index) const {
  TImageData image(FWidth, FHeight);
  const TBitmapBits pixels = FImages->GetBits(false), masks = FMasks->GetBits(false);
  const int32_t left = Index * FWidth;
  for (int32_t y = 0; y < FHeight; ++y)
    for (int32_t x = 0; x < FWidth; ++x) {
      image.Pixels[image.At(x, y)] = pixels.Row(y)[left + x];
      image.Transparent[image.At(x, y)] = RgbOf(masks.Row(y)[left + x]) == RgbOf(kTransparent) ? 1 : 0;
    }
  return image;
}

void TImageStore::Put(int32_t Index, const TImageData& Image) {
  const TBitmapBits pixels = FImages->GetBits(true), masks = FMasks->GetBits(true);
  const int32_t left = Index * FWidth;
  for (int32_t y = 0; y < FHeight; ++y)
    for (int32_t x = 0; x < FWidth; ++x) {
      pixels.Row(y)[left + x] = Image.Pixels[Image.At(x, y)];
      masks.Row(y)[left + x] = Image.Transparent[Image.At(x, y)] ? kTransparent : kOpaque;
    }
}

void TImageStore::Reallocate(int32_t Capacity) {
  const int64_t width = int64_t{Capacity} * FWidth;
  if (width > kMaxBitmapDimension)
    throw EOutOfResources("Out of system resources: an image list holds at most %d images of %d pixels wide",
                          {kMaxBitmapDimension / FWidth, FWidth});
  FImages->SetSize(static_cast<int32_t>(width), Capacity > 0 ? FHeight : 0);
  FMasks->SetSize(static_cast<int32_t>(width), Capacity > 0 ? FHeight : 0);
  FCapacity = Capacity;
}

void TImageStore::ShiftColumns(int32_t From, int32_t To, int32_t Shift) {
  for (TBitmap* strip : {FImages, FMasks})
    MoveColumns(strip->GetBits(true), From * FWidth, (From + Shift) * FWidth, (To - From) * FWidth);
}

void TImageStore::Open(int32_t Index, int32_t Count, int32_t AllocBy) {
  if (Count <= 0) return;
  const int32_t needed = FCount + Count;
  if (needed > FCapacity) {
    const int32_t step = AllocBy < 1 ? 1 : AllocBy;
    Reallocate(static_cast<int32_t>((int64_t{needed} + step - 1) / step * step));
  }
  ShiftColumns(Index, FCount, Count);
  for (int32_t& overlay : FOverlays)
    if (overlay >= Index) overlay += Count;
  FCount = needed;
}

void TImageStore::FixOverlaysAfterRemove(int32_t Index) {
  for (int32_t& overlay : FOverlays) {
    if (overlay == Index)
      overlay = -1;
    else if (overlay > Index)
      --overlay;
  }
}

void TImageStore::Remove(int32_t Index) {
  ShiftColumns(Index + 1, FCount, -1);
  --FCount;
  FixOverlaysAfterRemove(Index);
}

void TImageStore::Move(int32_t CurIndex, int32_t NewIndex) {
  if (CurIndex == NewIndex) return;
  const TImageData moving = Get(CurIndex);
  if (CurIndex < NewIndex)
    ShiftColumns(CurIndex + 1, NewIndex + 1, -1);
  else
    ShiftColumns(NewIndex, CurIndex, 1);
  Put(NewIndex, moving);
  for (int32_t& overlay : FOverlays) {
    if (overlay == CurIndex)
      overlay = NewIndex;
    else if (CurIndex < NewIndex && overlay > CurIndex && overlay <= NewIndex)
      --overlay;
    else if (CurIndex > NewIndex && overlay >= NewIndex && overlay < CurIndex)
      ++overlay;
  }
}

void TImageStore::Clear() {
  FCount = 0;
  Reallocate(0);
  FOverlays.fill(-1);
}

void TImageStore::Resize(int32_t AWidth, int32_t AHeight) {
  CheckSize(AWidth, AHeight);
  Clear();
  FWidth = AWidth;
  FHeight = AHeight;
}

void TImageStore::CopyFrom(const TImageStore& Source) {
  if (&Source == this) return;
  Clear();
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
  FImages->Assign(Source.FImages);
  FMasks->Assign(Source.FMasks);
  FCapacity = Source.FCapacity;
  FCount = Source.FCount;
  FOverlays = Source.FOverlays;
}

// ---------------------------------------------------------------- handles

HIMAGELIST ImageList_Create(int32_t AWidth, int32_t AHeight) {
  TImageStore* store = New<TImageStore>(AWidth, AHeight);
  TStoreTable& table = Table();
  store->FHandle = table.next++;
  store->Reference();
  table.stores.emplace(store->FHandle, store);
  return store->FHandle;
}

TImageStore* FindImageStore(HIMAGELIST Handle) {
  auto it = Table().stores.find(Handle);
  return it == Table().stores.end() ? nullptr : it->second;
}

bool ImageList_Destroy(HIMAGELIST Handle) {
  TStoreTable& table = Table();
  auto it = table.stores.find(Handle);
  if (it == table.stores.end()) return false;
  TImageStore* store = it->second;
  table.stores.erase(it);
  store->Release();
  return true;
}

std::size_t ImageListHandleCount() { return Table().stores.size(); }

void DestroyImageListHandles() {
  while (!Table().stores.empty()) ImageList_Destroy(Table().stores.begin()->first);
}

}  // namespace host::imagelist
