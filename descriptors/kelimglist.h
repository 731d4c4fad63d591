// Descriptors of the host's image-list unit: TChangeLink and TCustomImageList.
//
// The list's Handle, the result of GetHotSpot (a point) and the bitmaps of
// GetImageBitmap / GetMaskBitmap travel as the address of a copy in the
// descriptor's scratch storage; the images, masks, icons and canvases the
// methods take are object references, checked to be live objects of the
// right class before the host sees them.
#pragma once

#include "descriptors/kelclasses_components.h"
#include "descriptors/kelpattern.h"
#include "descriptors/kelsystem.h"
#include "host/imglist/imglist.h"

namespace kel {

// Describes TChangeLink: Sender written registers the link with that list
// (0 unregisters it); OnChange hooked in the link's handler field.
class TChangeLinkClassInfo : public TkelDescriptor<TChangeLinkClassInfo, TObjectClassInfo, host::TChangeLink> {
  KEL_DESCRIPTOR(TChangeLinkClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Sender::psReadable..psWritable::pvPublic::0",
      .Methods = "Change::msProcedure::0",
      .Events = "Define::OnChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TChangeLinkClassInfo() override = default;
};

// Describes TCustomImageList. Draw and DrawOverlay draw in the list's own
// DrawingStyle and ImageType; DrawingStyle and ImageType refuse ordinals
// outside their enumerations.
class TCustomImageListClassInfo
    : public TkelDescriptor<TCustomImageListClassInfo, TComponentClassInfo, host::TCustomImageList> {
  KEL_DESCRIPTOR(TCustomImageListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Count::psReadable::pvPublic::0::Define::Handle::psReadable..psWritable::pvPublic::0::Define::"
          "AllocBy::psReadable..psWritable::pvPublic::0::Define::BlendColor::psReadable..psWritable::pvPublic::0::"
          "Define::BkColor::psReadable..psWritable::pvPublic::0::Define::DrawingStyle::psReadable..psWritable::"
          "pvPublic::0::Define::Height::psReadable..psWritable::pvPublic::0::Define::ImageType::psReadable.."
          "psWritable::pvPublic::0::Define::Masked::psReadable..psWritable::pvPublic::0::Define::ShareImages::"
          "psReadable..psWritable::pvPublic::0::Define::Width::psReadable..psWritable::pvPublic::0",
      .Methods =
          "Add::msFunction::2::Image::Mask::AddIcon::msFunction::1::Image::AddImages::msProcedure::1::Value::"
          "AddMasked::msFunction::2::Image::MaskColor::Clear::msProcedure::0::Delete::msProcedure::1::Index::Draw::"
          "msProcedure::5::Canvas::X::Y::Index::Enabled::DrawOverlay::msProcedure::6::Canvas::X::Y::ImageIndex::"
          "Overlay::Enabled::FileLoad::msFunction::3::ResType::Name::MaskColor::GetBitmap::msProcedure::2::Index::"
          "Image::GetHotSpot::msFunction::0::GetIcon::msProcedure::2::Index::Image::GetImageBitmap::msFunction::0::"
          "GetMaskBitmap::msFunction::0::GetResource::msFunction::5::ResType::Name::Width::LoadFlags::MaskColor::"
          "GetInstRes::msFunction::6::Instance::ResType::Name::Width::LoadFlags::MaskColor::HandleAllocated::"
          "msFunction::0::Insert::msProcedure::3::Index::Image::Mask::InsertIcon::msProcedure::2::Index::Image::"
          "InsertMasked::msProcedure::3::Index::Image::MaskColor::Move::msProcedure::2::CurIndex::NewIndex::"
          "Overlay::msFunction::2::ImageIndex::Overlay::RegisterChanges::msProcedure::1::Value::ResourceLoad::"
          "msFunction::3::ResType::Name::MaskColor::ResInstLoad::msFunction::4::Instance::ResType::Name::"
          "MaskColor::Replace::msProcedure::3::Index::Image::Mask::ReplaceIcon::msProcedure::2::Index::Image::"
          "ReplaceMasked::msProcedure::3::Index::NewImage::MaskColor::UnRegisterChanges::msProcedure::1::Value",
      .Constructors = "CreateSize::2::AWidth::AHeight",
      .Events = "Define::OnChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomImageListClassInfo() override = default;
};

// The unit's descriptors, in the library's order.
using TkelImgListDescriptors = TkelDescriptorList<TChangeLinkClassInfo, TCustomImageListClassInfo>;

namespace kelimglist {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kelimglist
}  // namespace kel
