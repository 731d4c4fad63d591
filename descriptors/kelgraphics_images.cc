// The picture descriptors of the graphics unit: graphics, pictures,
// metafiles, bitmaps, icons and their shared images.
#include "descriptors/kelgraphics_images.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "descriptors/kelgraphics_objects.h"
#include "host/classes/streams.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TGraphicClassInfo)
KEL_DESCRIPTOR_IMPL(TPictureClassInfo)
KEL_DESCRIPTOR_IMPL(TSharedImageClassInfo)
KEL_DESCRIPTOR_IMPL(TMetafileImageClassInfo)
KEL_DESCRIPTOR_IMPL(TMetafileClassInfo)
KEL_DESCRIPTOR_IMPL(TBitmapImageClassInfo)
KEL_DESCRIPTOR_IMPL(TBitmapClassInfo)
KEL_DESCRIPTOR_IMPL(TIconImageClassInfo)
KEL_DESCRIPTOR_IMPL(TIconClassInfo)

namespace {

using host::TBitmap;
using host::TGraphic;
using host::TIcon;
using host::TMetafile;
using host::TPicture;

// SaveToClipboardFormat of a graphic or picture H. AFormat travels through
// the descriptor's scratch and comes back as the format the host chose.
// AData and APalette hold addresses at which the two handles the host makes
// are stored; both addresses are checked before the host runs (so a bad one
// makes no handles) and stay in the arguments unchanged.
template <class H>
void SaveToClipboard(H& h, uint16_t& format, const host::Variant& data, const host::Variant& palette) {
  void* const dataAt = data.AsPointer();
  void* const paletteAt = palette.AsPointer();
  kelCheckWritableAddress(dataAt, sizeof(host::THandle), alignof(host::THandle));
  kelCheckWritableAddress(paletteAt, sizeof(host::HPALETTE), alignof(host::HPALETTE));
  host::THandle madeData = 0;
  host::HPALETTE madePalette = 0;
  h.SaveToClipboardFormat(format, madeData, madePalette);
  std::memcpy(dataAt, &madeData, sizeof madeData);
  std::memcpy(paletteAt, &madePalette, sizeof madePalette);
}

// OnChange and OnProgress, hooked in the handler fields of a graphic or picture H.
template <class H, class M>
void MapGraphicEvents(M& m) {
  m.Event("OnChange", &H::OnChange).Event("OnProgress", &H::OnProgress);
}

}  // namespace

void TGraphicClassInfo::MapFeatures(Map& m) {
  m.Prop("Empty", &TGraphic::GetEmpty)
      .Prop("Height", &TGraphic::GetHeight, &TGraphic::SetHeight)
      .Prop("Modified", &TGraphic::GetModified, &TGraphic::SetModified)
      .Prop("Palette", &TGraphic::GetPalette, &TGraphic::SetPalette)  // HPALETTE: by address
      .Prop("PaletteModified", &TGraphic::GetPaletteModified, &TGraphic::SetPaletteModified)
      .Prop("Transparent", &TGraphic::GetTransparent, &TGraphic::SetTransparent)
      .Prop("Width", &TGraphic::GetWidth, &TGraphic::SetWidth);
  m.Method("LoadFromFile", &TGraphic::LoadFromFile)
      .Method("SaveToFile", &TGraphic::SaveToFile)
      .Method("LoadFromStream", &TGraphic::LoadFromStream)
      .Method("SaveToStream", &TGraphic::SaveToStream)
      .Method("LoadFromClipboardFormat", &TGraphic::LoadFromClipboardFormat)  // the handles read from addresses
      .Method("SaveToClipboardFormat", &SaveToClipboard<TGraphic>);
  MapGraphicEvents<TGraphic>(m);
}

void TPictureClassInfo::MapFeatures(Map& m) {
  m.Prop("Bitmap", &TPicture::GetBitmap, &TPicture::SetBitmap)
      .Prop("Graphic", &TPicture::GetGraphic, &TPicture::SetGraphic)
      .Prop("PictureAdapter", &TPicture::GetPictureAdapter, &TPicture::SetPictureAdapter)  // an interface
      .Prop("Height", &TPicture::GetHeight)
      .Prop("Icon", &TPicture::GetIcon, &TPicture::SetIcon)
      .Prop("Metafile", &TPicture::GetMetafile, &TPicture::SetMetafile)
      .Prop("Width", &TPicture::GetWidth);
  // The format registrations belong to the class: they ignore the picture.
  m.Method("LoadFromFile", &TPicture::LoadFromFile)
      .Method("SaveToFile", &TPicture::SaveToFile)
      .Method("LoadFromClipboardFormat", &TPicture::LoadFromClipboardFormat)
      .Method("SaveToClipboardFormat", &SaveToClipboard<TPicture>)
      .Method("SupportsClipboardFormat",
              [](TPicture&, uint16_t format) { return TPicture::SupportsClipboardFormat(format); })
      .Method("RegisterFileFormat",
              [](TPicture&, const std::string& extension, const std::string& description, host::TClass graphic) {
                TPicture::RegisterFileFormat(extension, description, graphic);
              })
      .Method("RegisterFileFormatRes",
              [](TPicture&, const std::string& extension, int32_t descriptionId, host::TClass graphic) {
                TPicture::RegisterFileFormatRes(extension, descriptionId, graphic);
              })
      .Method(
          "RegisterClipboardFormat",
          [](TPicture&, uint16_t format, host::TClass graphic) { TPicture::RegisterClipboardFormat(format, graphic); })
      .Method("UnregisterGraphicClass",
              [](TPicture&, host::TClass graphic) { TPicture::UnregisterGraphicClass(graphic); });
  MapGraphicEvents<TPicture>(m);
}

void TSharedImageClassInfo::MapFeatures(Map& m) { m.Prop("RefCount", &host::TSharedImage::GetRefCount); }

void TMetafileClassInfo::MapFeatures(Map& m) {
  m.Prop("CreatedBy", &TMetafile::GetCreatedBy)
      .Prop("Description", &TMetafile::GetDescription)
      .Prop("Enhanced", &TMetafile::GetEnhanced, &TMetafile::SetEnhanced)
      .Prop("Handle", &TMetafile::GetHandle, &TMetafile::SetHandle)
      .Prop("MMWidth", &TMetafile::GetMMWidth, &TMetafile::SetMMWidth)
      .Prop("MMHeight", &TMetafile::GetMMHeight, &TMetafile::SetMMHeight)
      .Prop("Inch", &TMetafile::GetInch, &TMetafile::SetInch);
  m.Method("Clear", &TMetafile::Clear).Method("ReleaseHandle", &TMetafile::ReleaseHandle);
}

void TBitmapClassInfo::MapFeatures(Map& m) {
  m.Prop("Canvas", &TBitmap::GetCanvas)
      .Prop("Handle", &TBitmap::GetHandle, &TBitmap::SetHandle)
      .Prop("HandleType", &TBitmap::GetHandleType, OrdinalSetter(&TBitmap::SetHandleType, host::bmDDB, "HandleType"))
      .Prop("IgnorePalette", &TBitmap::GetIgnorePalette, &TBitmap::SetIgnorePalette)
      .Prop("MaskHandle", &TBitmap::GetMaskHandle, &TBitmap::SetMaskHandle)
      .Prop("Monochrome", &TBitmap::GetMonochrome, &TBitmap::SetMonochrome)
      .Prop("PixelFormat", &TBitmap::GetPixelFormat,
            OrdinalSetter(&TBitmap::SetPixelFormat, host::pfCustom, "PixelFormat"))
      .Indexed("ScanLine", &TBitmap::GetScanLine)  // the row's address as an integer
      .Prop("TransparentColor", &TBitmap::GetTransparentColor, &TBitmap::SetTransparentColor)
      .Prop("TransparentMode", &TBitmap::GetTransparentMode,
            OrdinalSetter(&TBitmap::SetTransparentMode, host::tmFixed, "TransparentMode"));
  m.Method("Dormant", &TBitmap::Dormant)
      .Method("FreeImage", &TBitmap::FreeImage)
      .Method("LoadFromResourceName", &TBitmap::LoadFromResourceName)  // Instance: a handle, by address
      .Method("LoadFromResourceID", &TBitmap::LoadFromResourceID)
      .Method("Mask", &TBitmap::Mask)
      .Method("ReleaseHandle", &TBitmap::ReleaseHandle)
      .Method("ReleaseMaskHandle", &TBitmap::ReleaseMaskHandle)
      .Method("ReleasePalette", &TBitmap::ReleasePalette);
}

void TIconClassInfo::MapFeatures(Map& m) {
  m.Prop("Handle", &TIcon::GetHandle, &TIcon::SetHandle);
  m.Method("ReleaseHandle", &TIcon::ReleaseHandle);
}

}  // namespace kel
