// Descriptors of the extctrls unit's containers: the panel and the radio
// group, each as a custom class that maps the features and a final class
// that only publishes them (Override entries: no code, the custom
// descriptor or the control descriptors serve them).
//
// Value kinds (kelconvert.h): Alignment, BevelInner, BevelOuter and
// BorderStyle are ordinals refused outside their enumeration before the
// host sees them; BevelWidth, BorderWidth, Columns and ItemIndex are
// integers the host checks (a BevelWidth below 1, a negative BorderWidth,
// Columns outside 1..16, an ItemIndex outside -1..Items.Count-1 raise and
// change nothing); Items is an object reference (writing it copies the
// strings of the object the integer addresses into the group's items).
// Checking a radio group's line through ItemIndex fires the group's
// OnClick, as a click does.
#pragma once

#include "descriptors/kelcontrols.h"
#include "descriptors/kelstdctrls_texts.h"
#include "host/extctrls/panels.h"

namespace kel {

// Describes TCustomPanel: caption alignment, bevels, border and the repaint flags.
class TCustomPanelClassInfo
    : public TkelDescriptor<TCustomPanelClassInfo, TCustomControlClassInfo, host::TCustomPanel> {
  KEL_DESCRIPTOR(TCustomPanelClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Alignment::psReadable..psWritable::pvProtected::0::Define::BevelInner::"
          "psReadable..psWritable::pvProtected::0::Define::BevelOuter::psReadable..psWritable::pvProtected::0::"
          "Define::BevelWidth::psReadable..psWritable::pvProtected::0::Define::BorderWidth::"
          "psReadable..psWritable::pvProtected::0::Define::BorderStyle::psReadable..psWritable::pvProtected::"
          "0::Override::Color::::pvProtected::Define::FullRepaint::psReadable..psWritable::pvProtected::0::"
          "Define::Locked::psReadable..psWritable::pvProtected::0::Override::ParentColor::::pvProtected",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomPanelClassInfo() override = default;
};

// Describes TPanel: publishes inherited features.
class TPanelClassInfo : public TkelDescriptor<TPanelClassInfo, TCustomPanelClassInfo, host::TPanel> {
  KEL_DESCRIPTOR(TPanelClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::DockManager::::pvPublic::Override::Align::::pvPublished::Override::Alignment::::"
          "pvPublished::Override::Anchors::::pvPublished::Override::AutoSize::::pvPublished::Override::"
          "BevelInner::::pvPublished::Override::BevelOuter::::pvPublished::Override::BevelWidth::::"
          "pvPublished::Override::BiDiMode::::pvPublished::Override::BorderWidth::::pvPublished::Override::"
          "BorderStyle::::pvPublished::Override::Caption::::pvPublished::Override::Color::::pvPublished::"
          "Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::Override::UseDockManager::::"
          "pvPublished::Override::DockSite::::pvPublished::Override::DragCursor::::pvPublished::Override::"
          "DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::FullRepaint::::pvPublished::Override::Font::::pvPublished::Override::Locked::::"
          "pvPublished::Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::"
          "Override::ParentCtl3D::::pvPublished::Override::ParentFont::::pvPublished::Override::"
          "ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::ShowHint::::"
          "pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::"
          "Visible::::pvPublished",
      .Events =
          "Override::OnCanResize::pvPublished::Override::OnClick::pvPublished::Override::OnConstrainedResize::"
          "pvPublished::Override::OnDockDrop::pvPublished::Override::OnDockOver::pvPublished::Override::"
          "OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::"
          "Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::"
          "Override::OnExit::pvPublished::Override::OnGetSiteInfo::pvPublished::Override::OnMouseDown::"
          "pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::"
          "OnResize::pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished::"
          "Override::OnUnDock::pvPublished",
  };

 protected:
  ~TPanelClassInfo() override = default;
};

// Describes TCustomRadioGroup: Columns, ItemIndex and Items.
class TCustomRadioGroupClassInfo
    : public TkelDescriptor<TCustomRadioGroupClassInfo, TCustomGroupBoxClassInfo, host::TCustomRadioGroup> {
  KEL_DESCRIPTOR(TCustomRadioGroupClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Columns::psReadable..psWritable::pvProtected::0::Define::ItemIndex::psReadable..psWritable::"
          "pvProtected::0::Define::Items::psReadable..psWritable::pvProtected::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomRadioGroupClassInfo() override = default;
};

// Describes TRadioGroup: publishes inherited features.
class TRadioGroupClassInfo
    : public TkelDescriptor<TRadioGroupClassInfo, TCustomRadioGroupClassInfo, host::TRadioGroup> {
  KEL_DESCRIPTOR(TRadioGroupClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::"
          "pvPublished::Override::Caption::::pvPublished::Override::Color::::pvPublished::Override::Columns::::"
          "pvPublished::Override::Ctl3D::::pvPublished::Override::DragCursor::::pvPublished::Override::"
          "DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::Font::::pvPublished::Override::ItemIndex::::pvPublished::Override::Items::::pvPublished::"
          "Override::Constraints::::pvPublished::Override::ParentBiDiMode::::pvPublished::Override::"
          "ParentColor::::pvPublished::Override::ParentCtl3D::::pvPublished::Override::ParentFont::::"
          "pvPublished::Override::ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::"
          "ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::"
          "Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::"
          "pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::"
          "pvPublished::Override::OnExit::pvPublished::Override::OnStartDock::pvPublished::Override::"
          "OnStartDrag::pvPublished",
  };

 protected:
  ~TRadioGroupClassInfo() override = default;
};

}  // namespace kel
