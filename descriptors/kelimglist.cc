// The image-list descriptors: TChangeLink and TCustomImageList.
#include "descriptors/kelimglist.h"

#include <cstdint>

#include "host/graphics/graphics.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TChangeLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomImageListClassInfo)

using host::TChangeLink;
using host::TCustomImageList;

void TChangeLinkClassInfo::MapFeatures(Map& m) {
  m.Prop("Sender", &TChangeLink::GetSender, &TChangeLink::SetSender);
  m.Method("Change", &TChangeLink::Change);
  m.Event("OnChange", &TChangeLink::OnChange);
}

void TCustomImageListClassInfo::MapFeatures(Map& m) {
  using L = TCustomImageList;
  m.Prop("Count", &L::GetCount)
      .Prop("Handle", &L::GetHandle, &L::SetHandle)  // by address
      .Prop("AllocBy", &L::GetAllocBy, &L::SetAllocBy)
      .Prop("BlendColor", &L::GetBlendColor, &L::SetBlendColor)
      .Prop("BkColor", &L::GetBkColor, &L::SetBkColor)
      .Prop("DrawingStyle", &L::GetDrawingStyle,
            OrdinalSetter(&L::SetDrawingStyle, host::dsTransparent, "DrawingStyle"))
      .Prop("Height", &L::GetHeight, &L::SetHeight)
      .Prop("ImageType", &L::GetImageType, OrdinalSetter(&L::SetImageType, host::itMask, "ImageType"))
      .Prop("Masked", &L::GetMasked, &L::SetMasked)
      .Prop("ShareImages", &L::GetShareImages, &L::SetShareImages)
      .Prop("Width", &L::GetWidth, &L::SetWidth);
  m.Method("Add", &L::Add)
      .Method("AddIcon", &L::AddIcon)
      .Method("AddImages", &L::AddImages)
      .Method("AddMasked", &L::AddMasked)
      .Method("Clear", &L::Clear)
      .Method("Delete", &L::Delete)
      // The host's Draw is overloaded; the declared one draws in the list's style.
      .Method("Draw", [](L& l, host::TCanvas* canvas, int32_t x, int32_t y, int32_t index,
                         bool enabled) { l.Draw(canvas, x, y, index, enabled); })
      .Method("DrawOverlay", &L::DrawOverlay)
      .Method("FileLoad", &L::FileLoad)
      .Method("GetBitmap", &L::GetBitmap)
      .Method("GetHotSpot", &L::GetHotSpot)  // a point, by address
      .Method("GetIcon", &L::GetIcon)
      .Method("GetImageBitmap", &L::GetImageBitmap)  // handles, by address
      .Method("GetMaskBitmap", &L::GetMaskBitmap)
      .Method("GetResource", &L::GetResource)
      .Method("GetInstRes", &L::GetInstRes)
      .Method("HandleAllocated", &L::HandleAllocated)
      .Method("Insert", &L::Insert)
      .Method("InsertIcon", &L::InsertIcon)
      .Method("InsertMasked", &L::InsertMasked)
      .Method("Move", &L::Move)
      .Method("Overlay", &L::Overlay)
      .Method("RegisterChanges", &L::RegisterChanges)
      .Method("ResourceLoad", &L::ResourceLoad)
      .Method("ResInstLoad", &L::ResInstLoad)
      .Method("Replace", &L::Replace)
      .Method("ReplaceIcon", &L::ReplaceIcon)
      .Method("ReplaceMasked", &L::ReplaceMasked)
      .Method("UnRegisterChanges", &L::UnRegisterChanges);
  m.Event("OnChange", &L::OnChange);
}

namespace kelimglist {

void Initialize() { kelRegisterDescriptors<TkelImgListDescriptors>(); }

void Finalize() {}

}  // namespace kelimglist
}  // namespace kel
