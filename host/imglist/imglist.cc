// Image lists: properties, the handle, change notification and the
// operations on images. Drawing is in imglistdraw.cc, streaming and
// resources in imglistio.cc.
#include "host/imglist/imglist.h"

#include <algorithm>

#include "host/classes/classes_types.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"

namespace host {

HOST_IMPL(TChangeLink, TObject)
HOST_IMPL(TCustomImageList, TComponent)
HOST_IMPL(TDragImageList, TCustomImageList)
HOST_IMPL(TImageList, TDragImageList)

using imagelist::TImageData;
using imagelist::TImageStore;

// ---------------------------------------------------------------- TChangeLink

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

void TChangeLink::SetSender(TCustomImageList* Value) {
  if (Value)
    Value->RegisterChanges(this);
  else if (FSender)
    FSender->UnRegisterChanges(this);
}

void TChangeLink::Destroy() {
  if (FSender) FSender->UnRegisterChanges(this);
  inherited::Destroy();
}

// ----------------------------------------------------------- TCustomImageList

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::TCustomImageList(int32_t AWidth, int32_t AHeight) : TComponent(nullptr) {
  TImageStore::CheckSize(AWidth, AHeight);
  FWidth = AWidth;
  FHeight = AHeight;
}

void TCustomImageList::Destroy() {
  while (!FClients.empty()) UnRegisterChanges(FClients.back());
  FreeHandle();
  inherited::Destroy();
}

// ------------------------------------------------------------------ handle

TImageStore& TCustomImageList::Store() {
  if (!FStore) {
    const HIMAGELIST handle = ImageList_Create(FWidth, FHeight);
    FStore = imagelist::FindImageStore(handle);
    FStore->Reference();
  }
  return *FStore;
}

HIMAGELIST TCustomImageList::GetHandle() { return Store().GetHandle(); }

void TCustomImageList::FreeHandle() {
  if (!FStore) return;
  TImageStore* store = std::exchange(FStore, nullptr);
  if (!FShareImages) ImageList_Destroy(store->GetHandle());
  store->Release();
}

void TCustomImageList::SetHandle(HIMAGELIST Value) {
  TImageStore* store = Value ? imagelist::FindImageStore(Value) : nullptr;
  if (Value && !store) throw EInvalidOperation("Invalid image list handle %u", {Value});
  if (store == FStore) return;
  if (store) store->Reference();  // before FreeHandle: the old store may be the only holder
  FreeHandle();
  FStore = store;
  if (store) {
    FWidth = store->GetWidth();
    FHeight = store->GetHeight();
  }
  Change();
}

int32_t TCustomImageList::GetCount() const { return FStore ? FStore->GetCount() : 0; }

int32_t TCustomImageList::GetWidth() const { return FStore ? FStore->GetWidth() : FWidth; }

int32_t TCustomImageList::GetHeight() const { return FStore ? FStore->GetHeight() : FHeight; }

HBITMAP TCustomImageList::GetImageBitmap() { return FStore ? FStore->GetImages()->GetHandle() : 0; }

HBITMAP TCustomImageList::GetMaskBitmap() { return FStore ? FStore->GetMasks()->GetHandle() : 0; }

// -------------------------------------------------------------- properties

void TCustomImageList::SetSize(int32_t AWidth, int32_t AHeight) {
  TImageStore::CheckSize(AWidth, AHeight);
  if (AWidth == GetWidth() && AHeight == GetHeight()) return;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FStore) FStore->Resize(AWidth, AHeight);
  Change();
}

void TCustomImageList::SetWidth(int32_t Value) { SetSize(Value, GetHeight()); }

void TCustomImageList::SetHeight(int32_t Value) { SetSize(GetWidth(), Value); }

void TCustomImageList::SetAllocBy(int32_t Value) {
  if (Value < 1) throw EInvalidOperation("AllocBy must be at least 1, not %d", {Value});
  FAllocBy = Value;
}

template <class T>
void TCustomImageList::SetDrawingProperty(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Change();
}

void TCustomImageList::SetBlendColor(TColor Value) { SetDrawingProperty(FBlendColor, Value); }
void TCustomImageList::SetBkColor(TColor Value) { SetDrawingProperty(FBkColor, Value); }
void TCustomImageList::SetDrawingStyle(TDrawingStyle Value) { SetDrawingProperty(FDrawingStyle, Value); }
void TCustomImageList::SetImageType(TImageType Value) { SetDrawingProperty(FImageType, Value); }
void TCustomImageList::SetMasked(bool Value) { SetDrawingProperty(FMasked, Value); }

void TCustomImageList::Assign(TPersistent* Source) {
  if (!Source) {
    FreeHandle();
    return Change();
  }
  auto* other = dynamic_cast<TCustomImageList*>(Source);
  if (!other) return inherited::Assign(Source);
  if (other == this) return;
  BeginUpdate();
  struct TEnd {
    TCustomImageList* list;
    ~TEnd() { list->EndUpdate(); }
  } end{this};
  Clear();
  SetSize(other->GetWidth(), other->GetHeight());
  FMasked = other->FMasked;
  FImageType = other->FImageType;
  FDrawingStyle = other->FDrawingStyle;
  FBkColor = other->FBkColor;
  FBlendColor = other->FBlendColor;
  FAllocBy = other->FAllocBy;
  AddImages(other);
  Change();
}

bool TCustomImageList::Equal(TCustomImageList* IL) {
  if (!IL) return false;
  if (IL == this) return true;
  if (GetWidth() != IL->GetWidth() || GetHeight() != IL->GetHeight() || GetCount() != IL->GetCount()) return false;
  for (int32_t i = 0; i < GetCount(); ++i)
    if (!(FStore->Get(i) == IL->FStore->Get(i))) return false;
  return true;
}

// ------------------------------------------------------ change notification

void TCustomImageList::RegisterChanges(TChangeLink* Value) {
  if (!Value) throw EInvalidOperation("Cannot register a nil change link with %s", {ComponentDisplayName(this)});
  if (Value->FSender == this) return;
  if (Value->FSender) Value->FSender->UnRegisterChanges(Value);
  Value->FSender = this;
  FClients.push_back(Value);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* Value) {
  auto it = std::find(FClients.begin(), FClients.end(), Value);
  if (it == FClients.end()) return;
  FClients.erase(it);
  Value->FSender = nullptr;
}

bool LinkImageList(TComponent* Client, TChangeLink* Link, TCustomImageList*& Images, TCustomImageList* Value) {
  if (Value == Images) return false;
  if (Images) {
    Images->UnRegisterChanges(Link);
    Images->RemoveFreeNotification(Client);
  }
  Images = Value;
  if (Images) {
    Images->RegisterChanges(Link);
    Images->FreeNotification(Client);
  }
  return true;
}

void TCustomImageList::BeginUpdate() { ++FUpdateCount; }

void TCustomImageList::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && FChanged) Change();
}

// A link may unregister itself (or others) while it is told, so the
// position is clamped to the list after every call.
void TCustomImageList::Change() {
  FChanged = true;
  if (FUpdateCount > 0 || GetComponentState().Contains(csDestroying)) return;
  FChanged = false;
  for (std::size_t i = 0; i < FClients.size(); ++i) {
    FClients[i]->Change();
    i = std::min(i, FClients.size());
  }
  if (OnChange) OnChange(this);
}

// ------------------------------------------------------------------ images

void TCustomImageList::CheckIndex(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(SListIndexError, {Index});
}

void TCustomImageList::CheckInsertIndex(int32_t Index) const {
  if (Index < 0 || Index > GetCount()) throw EListError(SListIndexError, {Index});
}

void TCustomImageList::CheckOverlay(TOverlay Overlay) const {
  if (Overlay >= imagelist::kOverlayCount) throw EListError(SListIndexError, {static_cast<int>(Overlay)});
}

void TCustomImageList::InsertImages(int32_t Index, std::vector<TImageData> Images) {
  TImageStore& store = Store();
  store.Open(Index, static_cast<int32_t>(Images.size()), FAllocBy);
  for (std::size_t i = 0; i < Images.size(); ++i) {
    if (!FMasked) imagelist::MakeOpaque(Images[i]);
    store.Put(Index + static_cast<int32_t>(i), Images[i]);
  }
  Change();
}

void TCustomImageList::ReplaceImage(int32_t Index, std::vector<TImageData> Images) {
  if (Images.size() != 1)
    throw EInvalidOperation(
        "Invalid image size: %d images given to replace one (a %d x %d bitmap)",
        {static_cast<int>(Images.size()), static_cast<int>(Images.size()) * GetWidth(), GetHeight()});
  if (!FMasked) imagelist::MakeOpaque(Images[0]);
  Store().Put(Index, Images[0]);
  Change();
}

int32_t TCustomImageList::Add(TBitmap* Image, TBitmap* Mask) {
  const int32_t index = GetCount();
  Insert(index, Image, Mask);
  return index;
}

int32_t TCustomImageList::AddIcon(TIcon* Image) {
  const int32_t index = GetCount();
  InsertIcon(index, Image);
  return index;
}

int32_t TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor) {
  const int32_t index = GetCount();
  InsertMasked(index, Image, MaskColor);
  return index;
}

void TCustomImageList::AddImages(TCustomImageList* Value) {
  if (!Value || Value->GetCount() == 0) return;
  if (Value->GetWidth() != GetWidth() || Value->GetHeight() != GetHeight())
    throw EInvalidOperation("Invalid image size: %d x %d images cannot join a list of %d x %d images",
                            {Value->GetWidth(), Value->GetHeight(), GetWidth(), GetHeight()});
  std::vector<TImageData> images;
  for (int32_t i = 0; i < Value->GetCount(); ++i) images.push_back(Value->FStore->Get(i));
  InsertImages(GetCount(), std::move(images));
}

void TCustomImageList::Insert(int32_t Index, TBitmap* Image, TBitmap* Mask) {
  CheckInsertIndex(Index);
  InsertImages(Index, imagelist::SliceBitmap(Image, Mask, GetWidth(), GetHeight()));
}

void TCustomImageList::InsertIcon(int32_t Index, TIcon* Image) {
  CheckInsertIndex(Index);
  InsertImages(Index, {imagelist::IconImage(Image, GetWidth(), GetHeight())});
}

void TCustomImageList::InsertMasked(int32_t Index, TBitmap* Image, TColor MaskColor) {
  CheckInsertIndex(Index);
  InsertImages(Index, imagelist::SliceMasked(Image, MaskColor, GetWidth(), GetHeight()));
}

void TCustomImageList::Replace(int32_t Index, TBitmap* Image, TBitmap* Mask) {
  CheckIndex(Index);
  ReplaceImage(Index, imagelist::SliceBitmap(Image, Mask, GetWidth(), GetHeight()));
}

void TCustomImageList::ReplaceIcon(int32_t Index, TIcon* Image) {
  CheckIndex(Index);
  ReplaceImage(Index, {imagelist::IconImage(Image, GetWidth(), GetHeight())});
}

void TCustomImageList::ReplaceMasked(int32_t Index, TBitmap* NewImage, TColor MaskColor) {
  CheckIndex(Index);
  ReplaceImage(Index, imagelist::SliceMasked(NewImage, MaskColor, GetWidth(), GetHeight()));
}

void TCustomImageList::Delete(int32_t Index) {
  CheckIndex(Index);
  FStore->Remove(Index);
  Change();
}

void TCustomImageList::Clear() {
  if (GetCount() == 0) return;
  FStore->Clear();
  Change();
}

void TCustomImageList::Move(int32_t CurIndex, int32_t NewIndex) {
  CheckIndex(CurIndex);
  CheckIndex(NewIndex);
  if (CurIndex == NewIndex) return;
  FStore->Move(CurIndex, NewIndex);
  Change();
}

bool TCustomImageList::Overlay(int32_t ImageIndex, TOverlay Overlay) {
  CheckIndex(ImageIndex);
  CheckOverlay(Overlay);
  FStore->SetOverlay(Overlay, ImageIndex);
  Change();
  return true;
}

// ------------------------------------------------------------ TDragImageList

bool TDragImageList::SetDragImage(int32_t Index, int32_t HotSpotX, int32_t HotSpotY) {
  if (Index < 0 || Index >= GetCount()) return false;
  FDragIndex = Index;
  FDragHotspot = {HotSpotX, HotSpotY};
  return true;
}

bool TDragImageList::BeginDrag(HWND Window, int32_t X, int32_t Y) {
  if (FDragging || FDragIndex < 0 || FDragIndex >= GetCount()) return false;
  FDragging = true;
  FShowing = true;
  FDragWindow = Window;
  FDragPos = {X, Y};
  return true;
}

bool TDragImageList::DragMove(int32_t X, int32_t Y) {
  if (!FDragging) return false;
  FDragPos = {X, Y};
  return true;
}

bool TDragImageList::EndDrag() {
  if (!FDragging) return false;
  DragUnlock();
  FDragging = false;
  FShowing = false;
  FDragWindow = 0;
  return true;
}

bool TDragImageList::DragLock(HWND Window, int32_t XPos, int32_t YPos) {
  if (!FDragging || (FLocked && Window == FDragWindow)) return false;
  DragUnlock();
  FLocked = true;
  FDragWindow = Window;
  FDragPos = {XPos, YPos};
  FShowing = true;
  return true;
}

void TDragImageList::DragUnlock() {
  if (!FLocked) return;
  FLocked = false;
  FShowing = false;
}

void TDragImageList::HideDragImage() {
  if (FDragging) FShowing = false;
}

void TDragImageList::ShowDragImage() {
  if (FDragging) FShowing = true;
}

}  // namespace host
