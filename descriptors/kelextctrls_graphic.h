// Descriptors of the extctrls unit's graphic controls and its timer: the
// shape, the paint box, the image, the bevel and the timer. Most entries
// publish inherited control features (Override entries: no code, the
// control descriptors serve them).
//
// Value kinds (kelconvert.h): Shape and Style are ordinals refused outside
// their enumeration before the host sees them; Brush, Pen, Picture and the
// image's Canvas are object references (writing Brush, Pen or Picture
// copies the object the integer addresses; reading the image's Canvas gives
// the picture's bitmap canvas, making an empty bitmap of the image's size
// when the picture is empty, and raises EInvalidOperation when it holds an
// icon or a metafile). The timer's Interval is an unsigned 32-bit value: a
// read copies it into the descriptor's scratch slot and the Variant holds
// the slot's address; a write takes the value at the address the Variant
// holds, so an Interval read from one timer's descriptor writes into
// another's.
//
// Events: the paint box's OnPaint(Sender) and the image's OnProgress (the
// arguments of the picture's progress, Sender, Stage, PercentDone,
// RedrawNow, R by the address of the hook's copy, Msg) are hooked in the
// handler fields; the timer's OnTimer(Sender) is installed and restored
// through TTimer::SetOnTimer, so that hooking it starts the timer and
// unhooking restores the timer's own state.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/extctrls/shapes.h"
#include "host/extctrls/timer.h"

namespace kel {

// Describes TShape: Pen, Brush and Shape, and StyleChanged (the repaint a change of Pen or
// Brush makes).
class TShapeClassInfo : public TkelDescriptor<TShapeClassInfo, TGraphicControlClassInfo, host::TShape> {
  KEL_DESCRIPTOR(TShapeClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Define::Brush::"
          "psReadable..psWritable::pvPublished::0::Override::DragCursor::::pvPublished::Override::DragKind::::"
          "pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::"
          "Constraints::::pvPublished::Override::ParentShowHint::::pvPublished::Define::Pen::"
          "psReadable..psWritable::pvPublished::0::Define::Shape::psReadable..psWritable::pvPublished::0::"
          "Override::ShowHint::::pvPublished::Override::Visible::::pvPublished",
      .Methods = "StyleChanged::msProcedure::1::Sender",
      .Events =
          "Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::"
          "pvPublished::Override::OnEndDrag::pvPublished::Override::OnMouseDown::pvPublished::Override::"
          "OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::OnStartDock::pvPublished::"
          "Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TShapeClassInfo() override = default;
};

// Describes TPaintBox: its Canvas made public and OnPaint.
class TPaintBoxClassInfo : public TkelDescriptor<TPaintBoxClassInfo, TGraphicControlClassInfo, host::TPaintBox> {
  KEL_DESCRIPTOR(TPaintBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Canvas::::pvPublic::Override::Align::::pvPublished::Override::Anchors::::pvPublished::"
          "Override::Color::::pvPublished::Override::Constraints::::pvPublished::Override::DragCursor::::"
          "pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::"
          "Enabled::::pvPublished::Override::Font::::pvPublished::Override::ParentColor::::pvPublished::"
          "Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::PopupMenu::"
          "::pvPublished::Override::ShowHint::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::"
          "pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::"
          "OnEndDrag::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::"
          "Override::OnMouseUp::pvPublished::Define::OnPaint::pvPublished::1::Sender::Override::OnStartDock::"
          "pvPublished::Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TPaintBoxClassInfo() override = default;
};

// Describes TImage: the picture, how it is placed, the canvas on its bitmap, OnProgress.
class TImageClassInfo : public TkelDescriptor<TImageClassInfo, TGraphicControlClassInfo, host::TImage> {
  KEL_DESCRIPTOR(TImageClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Canvas::psReadable::pvPublic::0::Override::Align::::pvPublished::Override::Anchors::::"
          "pvPublished::Override::AutoSize::::pvPublished::Define::Center::psReadable..psWritable::"
          "pvPublished::0::Override::Constraints::::pvPublished::Override::DragCursor::::pvPublished::"
          "Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::"
          "pvPublished::Define::IncrementalDisplay::psReadable..psWritable::pvPublished::0::Override::"
          "ParentShowHint::::pvPublished::Define::Picture::psReadable..psWritable::pvPublished::0::Override::"
          "PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::Define::Stretch::"
          "psReadable..psWritable::pvPublished::0::Define::Transparent::psReadable..psWritable::pvPublished::"
          "0::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::"
          "pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::"
          "OnEndDrag::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::"
          "Override::OnMouseUp::pvPublished::Define::OnProgress::pvPublished::6::Sender::Stage::PercentDone::"
          "RedrawNow::R::Msg::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TImageClassInfo() override = default;
};

// Describes TBevel: Shape and Style.
class TBevelClassInfo : public TkelDescriptor<TBevelClassInfo, TGraphicControlClassInfo, host::TBevel> {
  KEL_DESCRIPTOR(TBevelClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::Constraints::::"
          "pvPublished::Override::ParentShowHint::::pvPublished::Define::Shape::psReadable..psWritable::"
          "pvPublished::0::Override::ShowHint::::pvPublished::Define::Style::psReadable..psWritable::"
          "pvPublished::0::Override::Visible::::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBevelClassInfo() override = default;
};

// Describes TTimer: Enabled, Interval (by address) and OnTimer (through the host's setter).
class TTimerClassInfo : public TkelDescriptor<TTimerClassInfo, TComponentClassInfo, host::TTimer> {
  KEL_DESCRIPTOR(TTimerClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Enabled::psReadable..psWritable::pvPublished::0::Define::Interval::psReadable..psWritable::"
          "pvPublished::0",
      .Events = "Define::OnTimer::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TTimerClassInfo() override = default;
};

}  // namespace kel
