// Descriptors of the pictures of the host's graphics unit: graphics,
// pictures, metafiles, bitmaps, icons and the shared images behind them.
//
// Every feature named in a description text maps to the host member of the
// same name with the conversions of the descriptor pattern (kelpattern.h,
// kelconvert.h). Handles (bitmaps, masks, palettes, icons, metafiles,
// clipboard data, module instances) are 32-bit and travel as the address
// of a copy in the descriptor's scratch storage, as do the handles the
// Release functions hand out. Where a mapping is not a plain member
// pointer, the .cc says why.
#pragma once

#include "descriptors/kelclasses_data.h"
#include "descriptors/kelpattern.h"
#include "descriptors/kelsystem.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphic.h"
#include "host/graphics/icon.h"
#include "host/graphics/metafile.h"
#include "host/graphics/picture.h"

namespace kel {

// Describes TGraphic: Palette by address; SaveToClipboardFormat writes the
// two handles it makes to the addresses AData and APalette hold (see the
// .cc); OnChange and OnProgress hooked in the graphic's handler fields.
class TGraphicClassInfo : public TkelDescriptor<TGraphicClassInfo, TPersistentClassInfo, host::TGraphic> {
  KEL_DESCRIPTOR(TGraphicClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Empty::psReadable::pvPublic::0::Define::Height::psReadable..psWritable::pvPublic::0::Define::"
          "Modified::psReadable..psWritable::pvPublic::0::Define::Palette::psReadable..psWritable::pvPublic::0::"
          "Define::PaletteModified::psReadable..psWritable::pvPublic::0::Define::Transparent::psReadable.."
          "psWritable::pvPublic::0::Define::Width::psReadable..psWritable::pvPublic::0",
      .Methods =
          "LoadFromFile::msProcedure::1::Filename::SaveToFile::msProcedure::1::Filename::LoadFromStream::"
          "msProcedure::1::Stream::SaveToStream::msProcedure::1::Stream::LoadFromClipboardFormat::msProcedure::3::"
          "AFormat::AData::APalette::SaveToClipboardFormat::msProcedure::3::AFormat::AData::APalette",
      .Events =
          "Define::OnChange::pvPublic::1::Sender::Define::OnProgress::pvPublic::6::Sender::Stage::PercentDone::"
          "RedrawNow::R::Msg",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TGraphicClassInfo() override = default;
};

// Describes TPicture: the graphic of each kind as an object reference;
// PictureAdapter as the object implementing the change notifier; the
// registrations of graphic classes are the class's own (they touch no
// picture); clipboard methods and events as for TGraphic.
class TPictureClassInfo : public TkelDescriptor<TPictureClassInfo, TPersistentClassInfo, host::TPicture> {
  KEL_DESCRIPTOR(TPictureClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Bitmap::psReadable..psWritable::pvPublic::0::Define::Graphic::psReadable..psWritable::pvPublic::"
          "0::Define::PictureAdapter::psReadable..psWritable::pvPublic::0::Define::Height::psReadable::pvPublic::0::"
          "Define::Icon::psReadable..psWritable::pvPublic::0::Define::Metafile::psReadable..psWritable::pvPublic::"
          "0::Define::Width::psReadable::pvPublic::0",
      .Methods =
          "LoadFromFile::msProcedure::1::Filename::SaveToFile::msProcedure::1::Filename::LoadFromClipboardFormat::"
          "msProcedure::3::AFormat::AData::APalette::SaveToClipboardFormat::msProcedure::3::AFormat::AData::"
          "APalette::SupportsClipboardFormat::msFunction::1::AFormat::RegisterFileFormat::msProcedure::3::"
          "AExtension::ADescription::AGraphicClass::RegisterFileFormatRes::msProcedure::3::AExtension::"
          "ADescriptionResID::AGraphicClass::RegisterClipboardFormat::msProcedure::2::AFormat::AGraphicClass::"
          "UnregisterGraphicClass::msProcedure::1::AClass",
      .Constructors = "Create::0",
      .Events =
          "Define::OnChange::pvPublic::1::Sender::Define::OnProgress::pvPublic::6::Sender::Stage::PercentDone::"
          "RedrawNow::R::Msg",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TPictureClassInfo() override = default;
};

// Describes TSharedImage: its reference count, read-only.
class TSharedImageClassInfo : public TkelDescriptor<TSharedImageClassInfo, TObjectClassInfo, host::TSharedImage> {
  KEL_DESCRIPTOR(TSharedImageClassInfo)
  static constexpr TkelTexts Texts{.Properties = "Define::RefCount::psReadable::pvProtected::0"};
  static void MapFeatures(Map& m);

 protected:
  ~TSharedImageClassInfo() override = default;
};

// The images of metafiles, bitmaps and icons: nothing beyond the shared
// image's features.
class TMetafileImageClassInfo
    : public TkelDescriptor<TMetafileImageClassInfo, TSharedImageClassInfo, host::TMetafileImage> {
  KEL_DESCRIPTOR(TMetafileImageClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TMetafileImageClassInfo() override = default;
};

// Describes TMetafile: Handle and the handle ReleaseHandle hands out by
// address; CreatedBy and Description as strings.
class TMetafileClassInfo : public TkelDescriptor<TMetafileClassInfo, TGraphicClassInfo, host::TMetafile> {
  KEL_DESCRIPTOR(TMetafileClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::CreatedBy::psReadable::pvPublic::0::Define::Description::psReadable::pvPublic::0::Define::"
          "Enhanced::psReadable..psWritable::pvPublic::0::Define::Handle::psReadable..psWritable::pvPublic::0::"
          "Define::MMWidth::psReadable..psWritable::pvPublic::0::Define::MMHeight::psReadable..psWritable::"
          "pvPublic::0::Define::Inch::psReadable..psWritable::pvPublic::0",
      .Methods = "Clear::msProcedure::0::ReleaseHandle::msFunction::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMetafileClassInfo() override = default;
};

class TBitmapImageClassInfo : public TkelDescriptor<TBitmapImageClassInfo, TSharedImageClassInfo, host::TBitmapImage> {
  KEL_DESCRIPTOR(TBitmapImageClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TBitmapImageClassInfo() override = default;
};

// Describes TBitmap: ScanLine[Row] is the address of the row's first byte;
// Handle, MaskHandle and the handles the Release functions hand out by
// address; HandleType, PixelFormat and TransparentMode as ordinals.
class TBitmapClassInfo : public TkelDescriptor<TBitmapClassInfo, TGraphicClassInfo, host::TBitmap> {
  KEL_DESCRIPTOR(TBitmapClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Canvas::psReadable::pvPublic::0::Define::Handle::psReadable..psWritable::pvPublic::0::Define::"
          "HandleType::psReadable..psWritable::pvPublic::0::Define::IgnorePalette::psReadable..psWritable::"
          "pvPublic::0::Define::MaskHandle::psReadable..psWritable::pvPublic::0::Define::Monochrome::psReadable.."
          "psWritable::pvPublic::0::Define::PixelFormat::psReadable..psWritable::pvPublic::0::Define::ScanLine::"
          "psReadable..psIndexed::pvPublic::1::Row::Define::TransparentColor::psReadable..psWritable::pvPublic::"
          "0::Define::TransparentMode::psReadable..psWritable::pvPublic::0",
      .Methods =
          "Dormant::msProcedure::0::FreeImage::msProcedure::0::LoadFromResourceName::msProcedure::2::Instance::"
          "ResName::LoadFromResourceID::msProcedure::2::Instance::ResID::Mask::msProcedure::1::TransparentColor::"
          "ReleaseHandle::msFunction::0::ReleaseMaskHandle::msFunction::0::ReleasePalette::msFunction::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBitmapClassInfo() override = default;
};

class TIconImageClassInfo : public TkelDescriptor<TIconImageClassInfo, TSharedImageClassInfo, host::TIconImage> {
  KEL_DESCRIPTOR(TIconImageClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TIconImageClassInfo() override = default;
};

// Describes TIcon: Handle and the handle ReleaseHandle hands out by address.
class TIconClassInfo : public TkelDescriptor<TIconClassInfo, TGraphicClassInfo, host::TIcon> {
  KEL_DESCRIPTOR(TIconClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Handle::psReadable..psWritable::pvPublic::0",
      .Methods = "ReleaseHandle::msFunction::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TIconClassInfo() override = default;
};

}  // namespace kel
