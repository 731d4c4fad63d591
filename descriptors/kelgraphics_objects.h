// Descriptors of the drawing tools of the host's graphics unit: the graphic
// objects (fonts, pens, brushes), canvases and metafile canvases.
//
// Every feature named in a description text maps to the host member of the
// same name with the conversions of the descriptor pattern (kelpattern.h,
// kelconvert.h). Handles (32-bit), a font's Style (a 1-byte set), ClipRect,
// PenPos and the size TextExtent returns travel as the address of a copy in
// the descriptor's scratch storage; rectangle arguments are taken from the
// address the value holds. Where a mapping is not a plain member pointer,
// the .cc says why.
#pragma once

#include <cstdint>
#include <string>

#include "descriptors/kelclasses_data.h"
#include "descriptors/kelpattern.h"
#include "host/graphics/canvas.h"
#include "host/graphics/graphicsobj.h"
#include "host/graphics/metafile.h"
#include "host/rtl/sysutils.h"

namespace kel {

// Describes TGraphicsObject: OwnerCriticalSection is the address of the
// lock the object draws under; OnChange hooked in its handler field.
class TGraphicsObjectClassInfo
    : public TkelDescriptor<TGraphicsObjectClassInfo, TPersistentClassInfo, host::TGraphicsObject> {
  KEL_DESCRIPTOR(TGraphicsObjectClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::OwnerCriticalSection::psReadable..psWritable::pvPublic::0",
      .Events = "Define::OnChange::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TGraphicsObjectClassInfo() override = default;
};

// Describes TFont: Handle and Style by address, FontAdapter as the object
// implementing the change-notifier interface.
class TFontClassInfo : public TkelDescriptor<TFontClassInfo, TGraphicsObjectClassInfo, host::TFont> {
  KEL_DESCRIPTOR(TFontClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::FontAdapter::psReadable..psWritable::pvPublic::0::Define::Handle::psReadable..psWritable::"
          "pvPublic::0::Define::PixelsPerInch::psReadable..psWritable::pvPublic::0::Define::Charset::psReadable.."
          "psWritable::pvPublished::0::Define::Color::psReadable..psWritable::pvPublished::0::Define::Height::"
          "psReadable..psWritable::pvPublished::0::Define::Name::psReadable..psWritable::pvPublished::0::Define::"
          "Pitch::psReadable..psWritable::pvPublished::0::Define::Size::psReadable..psWritable::pvPublished::0::"
          "Define::Style::psReadable..psWritable::pvPublished::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TFontClassInfo() override = default;
};

// Describes TPen: Handle by address, Mode and Style as ordinals.
class TPenClassInfo : public TkelDescriptor<TPenClassInfo, TGraphicsObjectClassInfo, host::TPen> {
  KEL_DESCRIPTOR(TPenClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Handle::psReadable..psWritable::pvPublic::0::Define::Color::psReadable..psWritable::"
          "pvPublished::0::Define::Mode::psReadable..psWritable::pvPublished::0::Define::Style::psReadable.."
          "psWritable::pvPublished::0::Define::Width::psReadable..psWritable::pvPublished::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TPenClassInfo() override = default;
};

// Describes TBrush: Bitmap as an object reference, Handle by address.
class TBrushClassInfo : public TkelDescriptor<TBrushClassInfo, TGraphicsObjectClassInfo, host::TBrush> {
  KEL_DESCRIPTOR(TBrushClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Bitmap::psReadable..psWritable::pvPublic::0::Define::Handle::psReadable..psWritable::pvPublic::"
          "0::Define::Color::psReadable..psWritable::pvPublished::0::Define::Style::psReadable..psWritable::"
          "pvPublished::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBrushClassInfo() override = default;
};

// Describes TCanvas: Pixels[X, Y] as colour integers; ClipRect, PenPos,
// Handle and the result of TextExtent by address; rectangle arguments
// (Rect, Dest, Source) from the address the value holds; OnChange and
// OnChanging hooked in the canvas's handler fields.
class TCanvasClassInfo : public TkelDescriptor<TCanvasClassInfo, TPersistentClassInfo, host::TCanvas> {
  KEL_DESCRIPTOR(TCanvasClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ClipRect::psReadable::pvPublic::0::Define::Handle::psReadable..psWritable::pvPublic::0::"
          "Define::LockCount::psReadable::pvPublic::0::Define::CanvasOrientation::psReadable::pvPublic::0::"
          "Define::PenPos::psReadable..psWritable::pvPublic::0::Define::Pixels::psReadable..psWritable.."
          "psIndexed::pvPublic::2::X::Y::Define::TextFlags::psReadable..psWritable::pvPublic::0::Define::Brush::"
          "psReadable..psWritable::pvPublished::0::Define::CopyMode::psReadable..psWritable::pvPublished::0::"
          "Define::Font::psReadable..psWritable::pvPublished::0::Define::Pen::psReadable..psWritable::"
          "pvPublished::0",
      .Methods =
          "Arc::msProcedure::8::X1::Y1::X2::Y2::X3::Y3::X4::Y4::BrushCopy::msProcedure::4::Dest::Bitmap::Source::"
          "Color::Chord::msProcedure::8::X1::Y1::X2::Y2::X3::Y3::X4::Y4::CopyRect::msProcedure::3::Dest::Canvas::"
          "Source::Draw::msProcedure::3::X::Y::Graphic::DrawFocusRect::msProcedure::1::Rect::Ellipse::"
          "msProcedure::4::X1::Y1::X2::Y2::FillRect::msProcedure::1::Rect::FloodFill::msProcedure::4::X::Y::"
          "Color::FillStyle::FrameRect::msProcedure::1::Rect::LineTo::msProcedure::2::X::Y::Lock::msProcedure::"
          "0::MoveTo::msProcedure::2::X::Y::Pie::msProcedure::8::X1::Y1::X2::Y2::X3::Y3::X4::Y4::Rectangle::"
          "msProcedure::4::X1::Y1::X2::Y2::Refresh::msProcedure::0::RoundRect::msProcedure::6::X1::Y1::X2::Y2::"
          "X3::Y3::StretchDraw::msProcedure::2::Rect::Graphic::TextExtent::msFunction::1::Text::TextHeight::"
          "msFunction::1::Text::TextOut::msProcedure::3::X::Y::Text::TextRect::msProcedure::4::Rect::X::Y::Text::"
          "TextWidth::msFunction::1::Text::TryLock::msFunction::0::Unlock::msProcedure::0",
      .Constructors = "Create::0",
      .Events = "Define::OnChange::pvPublic::1::Sender::Define::OnChanging::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCanvasClassInfo() override = default;
};

// Describes TMetafileCanvas: its two constructors, listed for information.
class TMetafileCanvasClassInfo
    : public TkelDescriptor<TMetafileCanvasClassInfo, TCanvasClassInfo, host::TMetafileCanvas> {
  KEL_DESCRIPTOR(TMetafileCanvasClassInfo)
  static constexpr TkelTexts Texts{
      .Constructors =
          "Create::2::AMetafile::ReferenceDevice::CreateWithComment::4::AMetafile::ReferenceDevice::CreatedBy::"
          "Description",
  };

 protected:
  ~TMetafileCanvasClassInfo() override = default;
};

}  // namespace kel
