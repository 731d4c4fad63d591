// Descriptors of the extctrls unit's bars: the splitter and the control
// bars.
//
// Value kinds (kelconvert.h): Beveled, AutoDrag and RowSnap are Booleans;
// MinSize and RowSize integers (the host refuses values below 1, unchanged);
// ResizeStyle an ordinal refused outside its enumeration before the host
// sees it; Picture an object reference (writing it assigns the picture the
// integer addresses).
//
// Events, hooked in the handler fields in list order:
//  * the splitter's OnCanResize(Sender, NewSize, Accept): the NewSize and
//    Accept the listeners leave go back to the splitter, which refuses the
//    step on false and otherwise takes the size. The event is found by its
//    name, so its values sit at the positions of the first OnCanResize
//    record listed (the control's, whose NewWidth and NewHeight places hold
//    NewSize and Accept);
//  * OnMoved, OnPaint: Sender;
//  * the control bar's band events: Drag, PreferredSize and RowCount as
//    values written back; Insets, ARect and Options as the address of the
//    host's own rectangle and option set, copied back (16 and 1 bytes) from
//    the address the record holds after the listeners — onto themselves
//    when a listener left the address alone.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/extctrls/controlbar.h"
#include "host/extctrls/splitter.h"

namespace kel {

// Describes TSplitter (see the top of this file).
class TSplitterClassInfo : public TkelDescriptor<TSplitterClassInfo, TGraphicControlClassInfo, host::TSplitter> {
  KEL_DESCRIPTOR(TSplitterClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Define::Beveled::psReadable..psWritable::pvPublished::0::"
          "Override::Color::::pvPublished::Override::Constraints::::pvPublished::"
          "Define::MinSize::psReadable..psWritable::pvPublished::0::Override::ParentColor::::pvPublished::"
          "Define::ResizeStyle::psReadable..psWritable::pvPublished::0::Override::Visible::::pvPublished",
      .Events =
          "Define::OnCanResize::pvPublished::3::Sender::NewSize::Accept::Define::OnMoved::pvPublished::1::Sender::"
          "Define::OnPaint::pvPublished::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TSplitterClassInfo() override = default;
};

// Describes TCustomControlBar: the picture, rows and dragging, StickControls
// and the band events.
class TCustomControlBarClassInfo
    : public TkelDescriptor<TCustomControlBarClassInfo, TCustomControlClassInfo, host::TCustomControlBar> {
  KEL_DESCRIPTOR(TCustomControlBarClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Picture::psReadable..psWritable::pvPublic::0::"
          "Define::AutoDrag::psReadable..psWritable::pvProtected::0::Override::AutoSize::::pvProtected::"
          "Override::BevelKind::::pvProtected::Override::DockSite::::pvProtected::"
          "Define::RowSize::psReadable..psWritable::pvProtected::0::"
          "Define::RowSnap::psReadable..psWritable::pvProtected::0",
      .Methods = "StickControls::msProcedure::0",
      .Events =
          "Define::OnBandDrag::pvProtected::3::Sender::Control::Drag::"
          "Define::OnBandInfo::pvProtected::5::Sender::Control::Insets::PreferredSize::RowCount::"
          "Define::OnBandMove::pvProtected::3::Sender::Control::ARect::"
          "Define::OnBandPaint::pvProtected::5::Sender::Control::Canvas::ARect::Options::"
          "Define::OnPaint::pvProtected::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomControlBarClassInfo() override = default;
};

// Describes TControlBar: publishes inherited features.
class TControlBarClassInfo
    : public TkelDescriptor<TControlBarClassInfo, TCustomControlBarClassInfo, host::TControlBar> {
  KEL_DESCRIPTOR(TControlBarClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Canvas::::pvPublic::Override::Align::::pvPublished::Override::Anchors::::pvPublished::"
          "Override::AutoDrag::::pvPublished::Override::AutoSize::::pvPublished::"
          "Override::BevelEdges::::pvPublished::Override::BevelInner::::pvPublished::"
          "Override::BevelOuter::::pvPublished::Override::BevelKind::::pvPublished::"
          "Override::BevelWidth::::pvPublished::Override::BorderWidth::::pvPublished::"
          "Override::Color::::pvPublished::Override::Constraints::::pvPublished::"
          "Override::DockSite::::pvPublished::Override::DragCursor::::pvPublished::"
          "Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::ParentColor::::pvPublished::Override::ParentCtl3D::::pvPublished::"
          "Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::"
          "Override::Picture::::pvPublished::Override::PopupMenu::::pvPublished::Override::RowSize::::pvPublished::"
          "Override::RowSnap::::pvPublished::Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::"
          "Override::TabStop::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnBandDrag::pvPublished::Override::OnBandInfo::pvPublished::"
          "Override::OnBandMove::pvPublished::Override::OnBandPaint::pvPublished::"
          "Override::OnCanResize::pvPublished::Override::OnClick::pvPublished::"
          "Override::OnConstrainedResize::pvPublished::Override::OnDockDrop::pvPublished::"
          "Override::OnDockOver::pvPublished::Override::OnDblClick::pvPublished::"
          "Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::"
          "Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::Override::OnExit::pvPublished::"
          "Override::OnGetSiteInfo::pvPublished::Override::OnMouseDown::pvPublished::"
          "Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::OnPaint::pvPublished::"
          "Override::OnResize::pvPublished::Override::OnStartDock::pvPublished::"
          "Override::OnStartDrag::pvPublished::Override::OnUnDock::pvPublished",
  };

 protected:
  ~TControlBarClassInfo() override = default;
};

}  // namespace kel
