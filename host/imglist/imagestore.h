// The images behind an image-list handle, and the table of handles.
//
// A store keeps Count images of Width x Height pixels side by side in two
// bitmaps of Capacity image slots: the images (32 bits per pixel) and their
// masks (white where an image is transparent, black where it is opaque).
// Capacity grows in steps of the list's AllocBy; one strip is at most
// kMaxBitmapDimension pixels wide, which bounds the number of images.
//
// Image lists name their store by a handle (HIMAGELIST) that several lists
// may share (TCustomImageList::SetHandle, ShareImages). The table keeps one
// reference to each live store and every list using it one more, so a store
// stays valid for the lists that hold it even after its handle has been
// destroyed. Handles never repeat.
#pragma once

#include <array>
#include <cstdint>

#include "host/graphics/bitmap.h"
#include "host/imglist/imagedata.h"

namespace host {

using HIMAGELIST = uint32_t;

namespace imagelist {

class TImageStore : public TSharedImage {
  HOST_CLASS(TImageStore, TSharedImage)

  // Raises EInvalidOperation for a size below 1 or beyond the bitmap limit.
  TImageStore(int32_t AWidth, int32_t AHeight);

  HIMAGELIST GetHandle() const { return FHandle; }
  int32_t GetWidth() const { return FWidth; }
  int32_t GetHeight() const { return FHeight; }
  int32_t GetCount() const { return FCount; }
  int32_t GetCapacity() const { return FCapacity; }
  TBitmap* GetImages() const { return FImages; }
  TBitmap* GetMasks() const { return FMasks; }

  // Index must be valid (the list checks).
  TImageData Get(int32_t Index) const;
  void Put(int32_t Index, const TImageData& Image);
  // Opens Count slots at Index (0..count) for images put there next.
  // Raises EOutOfResources, changing nothing, when the strip would get too
  // wide.
  void Open(int32_t Index, int32_t Count, int32_t AllocBy);
  void Remove(int32_t Index);
  void Move(int32_t CurIndex, int32_t NewIndex);
  // Drops every image (and the overlays); Resize also takes a new size.
  void Clear();
  void Resize(int32_t AWidth, int32_t AHeight);
  // Takes over the images of Source (the same size) and its overlays.
  void CopyFrom(const TImageStore& Source);

  // The image shown as overlay Overlay (0..3); -1 for none.
  int32_t GetOverlay(int32_t Overlay) const { return FOverlays[static_cast<std::size_t>(Overlay)]; }
  void SetOverlay(int32_t Overlay, int32_t Index) { FOverlays[static_cast<std::size_t>(Overlay)] = Index; }

  static void CheckSize(int32_t AWidth, int32_t AHeight);

 protected:
  ~TImageStore() override = default;
  void FreeHandle() override;

 private:
  friend HIMAGELIST ImageList_Create(int32_t, int32_t);
  void Reallocate(int32_t Capacity);
  // Moves the image columns [From, To) by Shift image slots.
  void ShiftColumns(int32_t From, int32_t To, int32_t Shift);
  void FixOverlaysAfterRemove(int32_t Index);

  HIMAGELIST FHandle = 0;
  int32_t FWidth;
  int32_t FHeight;
  int32_t FCount = 0;
  int32_t FCapacity = 0;
  TBitmap* FImages;
  TBitmap* FMasks;
  std::array<int32_t, 4> FOverlays{-1, -1, -1, -1};
};

// The number of overlay images a list can name.
inline constexpr int32_t kOverlayCount = 4;

// A new store of images of AWidth x AHeight under a new handle.
HIMAGELIST ImageList_Create(int32_t AWidth, int32_t AHeight);
// The store of a live handle; null for 0 and for a destroyed handle.
TImageStore* FindImageStore(HIMAGELIST Handle);
// Ends a handle: the table drops its reference (lists still holding the
// store keep it). False for a handle that is not live.
bool ImageList_Destroy(HIMAGELIST Handle);
// Live handles; tests use it to find leaks.
std::size_t ImageListHandleCount();
// Destroys every live handle (the unit's shutdown).
void DestroyImageListHandles();

}  // namespace imagelist

using imagelist::ImageList_Create;
using imagelist::ImageList_Destroy;

}  // namespace host
