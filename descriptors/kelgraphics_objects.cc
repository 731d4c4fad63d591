// The drawing-tool descriptors of the graphics unit: graphic objects, fonts,
// pens, brushes, canvases and metafile canvases.
#include "descriptors/kelgraphics_objects.h"

#include <cstdint>

#include "host/graphics/bitmap.h"
#include "host/graphics/graphic.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TGraphicsObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TFontClassInfo)
KEL_DESCRIPTOR_IMPL(TPenClassInfo)
KEL_DESCRIPTOR_IMPL(TBrushClassInfo)
KEL_DESCRIPTOR_IMPL(TCanvasClassInfo)
KEL_DESCRIPTOR_IMPL(TMetafileCanvasClassInfo)

using host::TBrush;
using host::TCanvas;
using host::TFont;
using host::TGraphicsObject;
using host::TPen;

void TGraphicsObjectClassInfo::MapFeatures(Map& m) {
  // The object locks whatever it is given on every change, so only the lock
  // of the canvas it belongs to (which lives as long as the object), the
  // lock it already has, or none is taken.
  m.Prop("OwnerCriticalSection", &TGraphicsObject::GetOwnerCriticalSection, [](TGraphicsObject& o, void* lock) {
    if (lock && lock != o.GetCanvasLock() && lock != o.GetOwnerCriticalSection())
      throw host::EInvalidCast(
          "Invalid typecast: %s is not the lock of the canvas the %s belongs to",
          {host::IntToStr(static_cast<int64_t>(reinterpret_cast<uintptr_t>(lock))), o.ClassName()});
    o.SetOwnerCriticalSection(static_cast<std::recursive_mutex*>(lock));
  });
  m.Event("OnChange", &TGraphicsObject::OnChange);
}

void TFontClassInfo::MapFeatures(Map& m) {
  m.Prop("FontAdapter", &TFont::GetFontAdapter, &TFont::SetFontAdapter)  // an interface: checked
      .Prop("Handle", &TFont::GetHandle, &TFont::SetHandle)              // HFONT: by address
      .Prop("PixelsPerInch", &TFont::GetPixelsPerInch, &TFont::SetPixelsPerInch)
      .Prop("Charset", &TFont::GetCharset,
            OrdinalSetter(&TFont::SetCharset, static_cast<host::TFontCharset>(255), "Charset"))
      .Prop("Color", &TFont::GetColor, &TFont::SetColor)
      .Prop("Height", &TFont::GetHeight, &TFont::SetHeight)
      .Prop("Name", &TFont::GetName, &TFont::SetName)
      .Prop("Pitch", &TFont::GetPitch, OrdinalSetter(&TFont::SetPitch, host::fpFixed, "Pitch"))
      .Prop("Size", &TFont::GetSize, &TFont::SetSize)
      .Prop("Style", &TFont::GetStyle, &TFont::SetStyle);  // a 1-byte set: by address
}

void TPenClassInfo::MapFeatures(Map& m) {
  m.Prop("Handle", &TPen::GetHandle, &TPen::SetHandle)
      .Prop("Color", &TPen::GetColor, &TPen::SetColor)
      .Prop("Mode", &TPen::GetMode, OrdinalSetter(&TPen::SetMode, host::pmNotXor, "Mode"))
      .Prop("Style", &TPen::GetStyle, OrdinalSetter(&TPen::SetStyle, host::psInsideFrame, "Style"))
      .Prop("Width", &TPen::GetWidth, &TPen::SetWidth);
}

void TBrushClassInfo::MapFeatures(Map& m) {
  m.Prop("Bitmap", &TBrush::GetBitmap, &TBrush::SetBitmap)
      .Prop("Handle", &TBrush::GetHandle, &TBrush::SetHandle)
      .Prop("Color", &TBrush::GetColor, &TBrush::SetColor)
      .Prop("Style", &TBrush::GetStyle, OrdinalSetter(&TBrush::SetStyle, host::bsDiagCross, "Style"));
}

void TCanvasClassInfo::MapFeatures(Map& m) {
  using TFour = void (TCanvas::*)(int32_t, int32_t, int32_t, int32_t);
  m.Prop("ClipRect", &TCanvas::GetClipRect)  // a rectangle: by address
      .Prop("Handle", &TCanvas::GetHandle, &TCanvas::SetHandle)
      .Prop("LockCount", &TCanvas::GetLockCount)
      .Prop("CanvasOrientation", &TCanvas::GetCanvasOrientation)
      .Prop("PenPos", &TCanvas::GetPenPos, &TCanvas::SetPenPos)  // a point: by address
      .Indexed("Pixels", &TCanvas::GetPixels, &TCanvas::SetPixels)
      // Text-output flags are an integer, not a system value.
      .Prop(
          "TextFlags", [](TCanvas& c) { return static_cast<int32_t>(c.GetTextFlags()); },
          [](TCanvas& c, int32_t flags) { c.SetTextFlags(static_cast<uint32_t>(flags)); })
      .Prop("Brush", &TCanvas::GetBrush, &TCanvas::SetBrush)  // the setters copy the object's properties
      .Prop("CopyMode", &TCanvas::GetCopyMode, &TCanvas::SetCopyMode)
      .Prop("Font", &TCanvas::GetFont, &TCanvas::SetFont)
      .Prop("Pen", &TCanvas::GetPen, &TCanvas::SetPen);
  m.Method("Arc", &TCanvas::Arc)
      .Method("BrushCopy", &TCanvas::BrushCopy)
      .Method("Chord", &TCanvas::Chord)
      .Method("CopyRect", &TCanvas::CopyRect)
      .Method("Draw", &TCanvas::Draw)
      .Method("DrawFocusRect", &TCanvas::DrawFocusRect)
      .Method("Ellipse", static_cast<TFour>(&TCanvas::Ellipse))
      .Method("FillRect", &TCanvas::FillRect)
      .Method("FloodFill",
              [](TCanvas& c, int32_t x, int32_t y, host::TColor color, int32_t fillStyle) {
                c.FloodFill(x, y, color, CheckedOrdinal(fillStyle, host::fsBorder, "FillStyle"));
              })
      .Method("FrameRect", &TCanvas::FrameRect)
      .Method("LineTo", &TCanvas::LineTo)
      .Method("Lock", &TCanvas::Lock)
      .Method("MoveTo", &TCanvas::MoveTo)
      .Method("Pie", &TCanvas::Pie)
      .Method("Rectangle", static_cast<TFour>(&TCanvas::Rectangle))
      .Method("Refresh", &TCanvas::Refresh)
      .Method("RoundRect", &TCanvas::RoundRect)
      .Method("StretchDraw", &TCanvas::StretchDraw)
      .Method("TextExtent", &TCanvas::TextExtent)  // a size: by address
      .Method("TextHeight", &TCanvas::TextHeight)
      .Method("TextOut", &TCanvas::TextOut)
      .Method("TextRect", &TCanvas::TextRect)
      .Method("TextWidth", &TCanvas::TextWidth)
      .Method("TryLock", &TCanvas::TryLock)
      .Method("Unlock", &TCanvas::Unlock);
  m.Event("OnChange", &TCanvas::OnChange).Event("OnChanging", &TCanvas::OnChanging);
}

}  // namespace kel
