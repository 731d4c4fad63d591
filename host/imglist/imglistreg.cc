// Start-up and shutdown of the imglist unit: the published properties of
// TImageList and its streamable classes.
#include "host/imglist/imglist.h"

namespace host {

namespace {

int imgListClassesCount = 0;

constexpr TClass kStreamedClasses[] = {&TDragImageList::StaticMetaClass, &TImageList::StaticMetaClass};

}  // namespace

void RegisterImgListClasses() {
  if (imgListClassesCount++ > 0) return;
  using L = TCustomImageList;
  RegisterProperties(&TImageList::StaticMetaClass,
                     {
                         Prop<&L::GetBlendColor, &L::SetBlendColor>("BlendColor").Default(clNone),
                         Prop<&L::GetBkColor, &L::SetBkColor>("BkColor").Default(clNone),
                         Prop<&L::GetAllocBy, &L::SetAllocBy>("AllocBy").Default(4),
                         Prop<&L::GetDrawingStyle, &L::SetDrawingStyle>("DrawingStyle").Default(dsNormal),
                         Prop<&L::GetHeight, &L::SetHeight>("Height").Default(16),
                         Prop<&L::GetImageType, &L::SetImageType>("ImageType").Default(itImage),
                         Prop<&L::GetMasked, &L::SetMasked>("Masked").Default(true),
                         Prop<&L::GetShareImages, &L::SetShareImages>("ShareImages").Default(false),
                         Prop<&L::GetWidth, &L::SetWidth>("Width").Default(16),
                     });
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterImgListClasses() {
  if (imgListClassesCount == 0 || --imgListClassesCount > 0) return;
  for (TClass c : kStreamedClasses) UnRegisterClass(c);
  UnRegisterClass(&TCustomImageList::StaticMetaClass);  // registered as their ancestor
  UnregisterProperties(&TImageList::StaticMetaClass);
  imagelist::DestroyImageListHandles();
}

std::span<const TClass> ImgListClasses() {
  static constexpr TClass kClasses[] = {&TChangeLink::StaticMetaClass, &TCustomImageList::StaticMetaClass,
                                        &TDragImageList::StaticMetaClass, &TImageList::StaticMetaClass};
  return kClasses;
}

}  // namespace host
