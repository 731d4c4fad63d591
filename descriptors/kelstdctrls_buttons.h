// Descriptors of the stdctrls unit's button group: the button action link,
// the button control with the push button, check box and radio button
// built on it, and the scroll bar.
//
// Value kinds (kelconvert.h): Checked, ClicksDisabled, Cancel, Default and
// AllowGrayed are Booleans; ModalResult, the scroll bar's limits and steps
// are integers; Alignment, State and Kind are ordinals refused outside their
// enumeration before the host sees them (the host itself refuses a centred
// check box or radio button and a scroll bar value out of range, changing
// nothing).
//
// Events: the scroll bar's OnChange and OnScroll are hooked in the handler
// fields. OnScroll stores Sender, ScrollCode (the ordinal) and ScrollPos;
// after the listeners ran, the ScrollPos they leave goes back to the host,
// which takes it as the new position.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/scrollbar.h"

namespace kel {

// Describes TButtonActionLink: nothing of its own.
class TButtonActionLinkClassInfo
    : public TkelDescriptor<TButtonActionLinkClassInfo, TWinControlActionLinkClassInfo, host::TButtonActionLink> {
  KEL_DESCRIPTOR(TButtonActionLinkClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TButtonActionLinkClassInfo() override = default;
};

// Describes TButtonControl: Checked and ClicksDisabled.
class TButtonControlClassInfo
    : public TkelDescriptor<TButtonControlClassInfo, TWinControlClassInfo, host::TButtonControl> {
  KEL_DESCRIPTOR(TButtonControlClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Checked::psReadable..psWritable::pvProtected::0::Define::ClicksDisabled::"
          "psReadable..psWritable::pvProtected::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TButtonControlClassInfo() override = default;
};

// Describes TButton: Cancel, Default and ModalResult of its own; the rest
// publishes inherited features. No OnDblClick.
class TButtonClassInfo : public TkelDescriptor<TButtonClassInfo, TButtonControlClassInfo, host::TButton> {
  KEL_DESCRIPTOR(TButtonClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Action::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::"
          "Define::Cancel::psReadable..psWritable::pvPublished::0::Override::Caption::::pvPublished::Override::"
          "Constraints::::pvPublished::Define::Default::psReadable..psWritable::pvPublished::0::Override::"
          "DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::"
          "Override::Enabled::::pvPublished::Override::Font::::pvPublished::Define::ModalResult::"
          "psReadable..psWritable::pvPublished::0::Override::ParentBiDiMode::::pvPublished::Override::ParentFont::"
          "::pvPublished::Override::ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::"
          "ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::"
          "Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::"
          "Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::"
          "Override::OnExit::pvPublished::Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::"
          "Override::OnKeyUp::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::"
          "Override::OnMouseUp::pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::"
          "pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TButtonClassInfo() override = default;
};

// Describes TCustomCheckBox: Alignment, AllowGrayed and State (ordinals
// outside their enumeration are refused before the host sees them).
class TCustomCheckBoxClassInfo
    : public TkelDescriptor<TCustomCheckBoxClassInfo, TButtonControlClassInfo, host::TCustomCheckBox> {
  KEL_DESCRIPTOR(TCustomCheckBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Alignment::psReadable..psWritable::pvProtected::0::Define::AllowGrayed::psReadable..psWritable::"
          "pvProtected::0::Define::State::psReadable..psWritable::pvProtected::0::Override::TabStop::::"
          "pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomCheckBoxClassInfo() override = default;
};

// Describes TCheckBox: publishes inherited features.
class TCheckBoxClassInfo : public TkelDescriptor<TCheckBoxClassInfo, TCustomCheckBoxClassInfo, host::TCheckBox> {
  KEL_DESCRIPTOR(TCheckBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Action::::pvPublished::Override::Alignment::::pvPublished::Override::AllowGrayed::::"
          "pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::Override::Caption::::"
          "pvPublished::Override::Checked::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::"
          "pvPublished::Override::Ctl3D::::pvPublished::Override::DragCursor::::pvPublished::Override::DragKind::::"
          "pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::Font::::"
          "pvPublished::Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::"
          "ParentCtl3D::::pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::"
          "pvPublished::Override::PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::Override::State::::"
          "pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::Visible::::"
          "pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::"
          "Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::"
          "Override::OnExit::pvPublished::Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::"
          "Override::OnKeyUp::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::"
          "Override::OnMouseUp::pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::"
          "pvPublished",
  };

 protected:
  ~TCheckBoxClassInfo() override = default;
};

// Describes TRadioButton: Alignment of its own; the rest publishes
// inherited features (OnDblClick included).
class TRadioButtonClassInfo
    : public TkelDescriptor<TRadioButtonClassInfo, TButtonControlClassInfo, host::TRadioButton> {
  KEL_DESCRIPTOR(TRadioButtonClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Action::::pvPublished::Define::Alignment::psReadable..psWritable::pvPublished::0::Override::"
          "Anchors::::pvPublished::Override::BiDiMode::::pvPublished::Override::Caption::::pvPublished::Override::"
          "Checked::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::pvPublished::Override::"
          "Ctl3D::::pvPublished::Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::"
          "DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::Font::::pvPublished::Override::"
          "ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentCtl3D::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::"
          "Override::TabStop::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::"
          "Override::OnEnter::pvPublished::Override::OnExit::pvPublished::Override::OnKeyDown::pvPublished::"
          "Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::Override::OnMouseDown::pvPublished::"
          "Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::Override::OnStartDock::"
          "pvPublished::Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TRadioButtonClassInfo() override = default;
};

// Describes TScrollBar (see the top of this file).
class TScrollBarClassInfo : public TkelDescriptor<TScrollBarClassInfo, TWinControlClassInfo, host::TScrollBar> {
  KEL_DESCRIPTOR(TScrollBarClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::"
          "Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::Override::DragCursor::::"
          "pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::"
          "pvPublished::Define::Kind::psReadable..psWritable::pvPublished::0::Define::LargeChange::"
          "psReadable..psWritable::pvPublished::0::Define::Max::psReadable..psWritable::pvPublished::0::Define::"
          "Min::psReadable..psWritable::pvPublished::0::Define::PageSize::psReadable..psWritable::pvPublished::0::"
          "Override::ParentBiDiMode::::pvPublished::Override::ParentCtl3D::::pvPublished::Override::"
          "ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Define::Position::"
          "psReadable..psWritable::pvPublished::0::Override::ShowHint::::pvPublished::Define::SmallChange::"
          "psReadable..psWritable::pvPublished::0::Override::TabOrder::::pvPublished::Override::TabStop::::"
          "pvPublished::Override::Visible::::pvPublished",
      .Methods = "SetParams::msProcedure::3::APosition::AMin::AMax",
      .Events =
          "Define::OnChange::pvPublished::1::Sender::Override::OnDragDrop::pvPublished::Override::OnDragOver::"
          "pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::"
          "pvPublished::Override::OnExit::pvPublished::Override::OnKeyDown::pvPublished::Override::OnKeyPress::"
          "pvPublished::Override::OnKeyUp::pvPublished::Define::OnScroll::pvPublished::3::Sender::ScrollCode::"
          "ScrollPos::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TScrollBarClassInfo() override = default;
};

}  // namespace kel
