// Descriptors of the forms unit's scrolling controls: one scroll bar of a
// scrolling control, the scrolling control and the scroll box.
//
// Value kinds (kelconvert.h): the scroll bar's Kind and Style and the scroll
// box's BorderStyle are ordinals (a written one outside its enumeration is
// refused with ERangeError before the host sees it); ParentColor, Smooth,
// Tracking, Visible and AutoScroll are Booleans; the scroll bars are object
// references. The host refuses a negative Range, Margin, Size, ButtonSize or
// ThumbSize and an Increment outside 1..32767, and nothing changes.
#pragma once

#include "descriptors/kelclasses.h"
#include "descriptors/kelcontrols.h"
#include "host/forms/scrolling.h"

namespace kel {

// Describes TControlScrollBar.
class TControlScrollBarClassInfo
    : public TkelDescriptor<TControlScrollBarClassInfo, TPersistentClassInfo, host::TControlScrollBar> {
  KEL_DESCRIPTOR(TControlScrollBarClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Kind::psReadable::pvPublic::0::Define::ScrollPos::psReadable::pvPublic::0::Define::ButtonSize::"
          "psReadable..psWritable::pvPublished::0::Define::Color::psReadable..psWritable::pvPublished::0::Define::"
          "Increment::psReadable..psWritable::pvPublished::0::Define::Margin::psReadable..psWritable::pvPublished::"
          "0::Define::ParentColor::psReadable..psWritable::pvPublished::0::Define::Position::"
          "psReadable..psWritable::pvPublished::0::Define::Range::psReadable..psWritable::pvPublished::0::Define::"
          "Smooth::psReadable..psWritable::pvPublished::0::Define::Size::psReadable..psWritable::pvPublished::0::"
          "Define::Style::psReadable..psWritable::pvPublished::0::Define::ThumbSize::psReadable..psWritable::"
          "pvPublished::0::Define::Tracking::psReadable..psWritable::pvPublished::0::Define::Visible::"
          "psReadable..psWritable::pvPublished::0",
      .Methods = "ChangeBiDiPosition::msProcedure::0::IsScrollBarVisible::msFunction::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TControlScrollBarClassInfo() override = default;
};

// Describes TScrollingWinControl: AutoScroll, the two scroll bars and
// scrolling a control into view.
class TScrollingWinControlClassInfo
    : public TkelDescriptor<TScrollingWinControlClassInfo, TWinControlClassInfo, host::TScrollingWinControl> {
  KEL_DESCRIPTOR(TScrollingWinControlClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::AutoScroll::psReadable..psWritable::pvProtected::0::Define::HorzScrollBar::"
          "psReadable..psWritable::pvPublished::0::Define::VertScrollBar::psReadable..psWritable::pvPublished::0",
      .Methods =
          "DisableAutoRange::msProcedure::0::EnableAutoRange::msProcedure::0::ScrollInView::msProcedure::1::"
          "AControl",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TScrollingWinControlClassInfo() override = default;
};

// Describes TScrollBox: its BorderStyle, and inherited features published
// (Override entries, served by the control descriptors).
class TScrollBoxClassInfo
    : public TkelDescriptor<TScrollBoxClassInfo, TScrollingWinControlClassInfo, host::TScrollBox> {
  KEL_DESCRIPTOR(TScrollBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::AutoScroll::::pvPublished::"
          "Override::AutoSize::::pvPublished::Override::BiDiMode::::pvPublished::Define::BorderStyle::"
          "psReadable..psWritable::pvPublished::0::Override::Constraints::::pvPublished::Override::DockSite::::"
          "pvPublished::Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::"
          "DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::Color::::pvPublished::Override::"
          "Ctl3D::::pvPublished::Override::Font::::pvPublished::Override::ParentBiDiMode::::pvPublished::Override::"
          "ParentColor::::pvPublished::Override::ParentCtl3D::::pvPublished::Override::ParentFont::::pvPublished::"
          "Override::ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::ShowHint::::"
          "pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::Visible::::"
          "pvPublished",
      .Events =
          "Override::OnCanResize::pvPublished::Override::OnClick::pvPublished::Override::OnConstrainedResize::"
          "pvPublished::Override::OnDblClick::pvPublished::Override::OnDockDrop::pvPublished::Override::"
          "OnDockOver::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::"
          "Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::"
          "Override::OnExit::pvPublished::Override::OnGetSiteInfo::pvPublished::Override::OnMouseDown::"
          "pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::"
          "OnMouseWheel::pvPublished::Override::OnMouseWheelDown::pvPublished::Override::OnMouseWheelUp::"
          "pvPublished::Override::OnResize::pvPublished::Override::OnStartDock::pvPublished::Override::"
          "OnStartDrag::pvPublished::Override::OnUnDock::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TScrollBoxClassInfo() override = default;
};

}  // namespace kel
