// Descriptors of the stdctrls unit's text controls: the group box, the
// label, the static text, the edit and the memo, each as a custom class
// that maps the features and a final class that only publishes them
// (Override entries: no code, the custom descriptor serves them).
//
// Value kinds (kelconvert.h): enumerations (Alignment, Layout, CharCase,
// BorderStyle, ScrollBars) are ordinals, refused outside their range before
// the host sees them; FocusControl and Lines are object references; the
// memo's CaretPos is a point that travels as the address of a copy in the
// descriptor's scratch storage, overwritten by each read.
//
// PasswordChar is a one-character string: reading gives the character as a
// string of one, or the empty string while no password character is set
// (the character 0); writing takes the first character of the string, and
// the empty string clears the password character (the text shows again), so
// that a value read can always be written back.
//
// GetSelTextBuf(Buffer, BufSize) leaves at most BufSize - 1 characters of
// the selection in Buffer (a string) and answers their count, as the
// control's GetTextBuf; SetSelTextBuf(Buffer) replaces the selection.
//
// Events: the edit's OnChange is hooked in the handler field.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/stdctrls/texts.h"

namespace kel {

// Describes TCustomGroupBox: nothing of its own.
class TCustomGroupBoxClassInfo
    : public TkelDescriptor<TCustomGroupBoxClassInfo, TCustomControlClassInfo, host::TCustomGroupBox> {
  KEL_DESCRIPTOR(TCustomGroupBoxClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TCustomGroupBoxClassInfo() override = default;
};

// Describes TGroupBox: publishes inherited features (Override entries,
// served by the control descriptors).
class TGroupBoxClassInfo : public TkelDescriptor<TGroupBoxClassInfo, TCustomGroupBoxClassInfo, host::TGroupBox> {
  KEL_DESCRIPTOR(TGroupBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::"
          "Override::Caption::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::pvPublished::"
          "Override::Ctl3D::::pvPublished::Override::DockSite::::pvPublished::Override::DragCursor::::pvPublished::"
          "Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::Font::::pvPublished::Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::"
          "pvPublished::Override::ParentCtl3D::::pvPublished::Override::ParentFont::::pvPublished::Override::"
          "ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::"
          "Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDockDrop::pvPublished::Override::OnDockOver::pvPublished::Override::OnDragOver::"
          "pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::Override::OnEnter::"
          "pvPublished::Override::OnExit::pvPublished::Override::OnGetSiteInfo::pvPublished::Override::"
          "OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::"
          "Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished::Override::OnUnDock::"
          "pvPublished",
  };

 protected:
  ~TGroupBoxClassInfo() override = default;
};

// Describes TCustomLabel: alignment, layout and accelerator handling;
// Canvas made public.
class TCustomLabelClassInfo
    : public TkelDescriptor<TCustomLabelClassInfo, TGraphicControlClassInfo, host::TCustomLabel> {
  KEL_DESCRIPTOR(TCustomLabelClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Alignment::psReadable..psWritable::pvProtected::0::Define::AutoSize::psReadable..psWritable::"
          "pvProtected::0::Define::FocusControl::psReadable..psWritable::pvProtected::0::Define::ShowAccelChar::"
          "psReadable..psWritable::pvProtected::0::Define::Transparent::psReadable..psWritable::pvProtected::0::"
          "Define::Layout::psReadable..psWritable::pvProtected::0::Define::WordWrap::psReadable..psWritable::"
          "pvProtected::0::Override::Canvas::::pvPublic",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomLabelClassInfo() override = default;
};

// Describes TLabel: publishes inherited features.
class TLabelClassInfo : public TkelDescriptor<TLabelClassInfo, TCustomLabelClassInfo, host::TLabel> {
  KEL_DESCRIPTOR(TLabelClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Alignment::::pvPublished::Override::Anchors::::pvPublished::"
          "Override::AutoSize::::pvPublished::Override::BiDiMode::::pvPublished::Override::Caption::::pvPublished::"
          "Override::Color::::pvPublished::Override::Constraints::::pvPublished::Override::DragCursor::::"
          "pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::"
          "pvPublished::Override::FocusControl::::pvPublished::Override::Font::::pvPublished::Override::"
          "ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentFont::::"
          "pvPublished::Override::ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::Override::"
          "ShowAccelChar::::pvPublished::Override::ShowHint::::pvPublished::Override::Transparent::::pvPublished::"
          "Override::Layout::::pvPublished::Override::Visible::::pvPublished::Override::WordWrap::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::"
          "Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::"
          "pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };

 protected:
  ~TLabelClassInfo() override = default;
};

// Describes TCustomEdit (see the top of this file): the editing
// properties, the selection, the clipboard and undo; OnChange hooked in the
// handler field.
class TCustomEditClassInfo : public TkelDescriptor<TCustomEditClassInfo, TWinControlClassInfo, host::TCustomEdit> {
  KEL_DESCRIPTOR(TCustomEditClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::AutoSelect::psReadable..psWritable::pvProtected::0::Define::AutoSize::psReadable..psWritable::"
          "pvProtected::0::Define::BorderStyle::psReadable..psWritable::pvProtected::0::Define::CharCase::"
          "psReadable..psWritable::pvProtected::0::Define::HideSelection::psReadable..psWritable::pvProtected::0::"
          "Define::MaxLength::psReadable..psWritable::pvProtected::0::Define::OEMConvert::psReadable..psWritable::"
          "pvProtected::0::Define::PasswordChar::psReadable..psWritable::pvProtected::0::Override::ParentColor::::"
          "pvProtected::Define::ReadOnly::psReadable..psWritable::pvProtected::0::Define::CanUndo::psReadable::"
          "pvPublic::0::Define::Modified::psReadable..psWritable::pvPublic::0::Define::SelLength::"
          "psReadable..psWritable::pvPublic::0::Define::SelStart::psReadable..psWritable::pvPublic::0::Define::"
          "SelText::psReadable..psWritable::pvPublic::0::Override::Text::::pvPublic::Override::TabStop::::"
          "pvPublished",
      .Methods =
          "Clear::msProcedure::0::ClearSelection::msProcedure::0::CopyToClipboard::msProcedure::0::CutToClipboard::"
          "msProcedure::0::PasteFromClipboard::msProcedure::0::Undo::msProcedure::0::ClearUndo::msProcedure::0::"
          "GetSelTextBuf::msFunction::2::Buffer::BufSize::SelectAll::msProcedure::0::SetSelTextBuf::msProcedure::"
          "1::Buffer",
      .Events = "Define::OnChange::pvProtected::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomEditClassInfo() override = default;
};

// Describes TEdit: publishes inherited features.
class TEditClassInfo : public TkelDescriptor<TEditClassInfo, TCustomEditClassInfo, host::TEdit> {
  KEL_DESCRIPTOR(TEditClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Anchors::::pvPublished::Override::AutoSelect::::pvPublished::Override::AutoSize::::"
          "pvPublished::Override::BiDiMode::::pvPublished::Override::BorderStyle::::pvPublished::Override::"
          "CharCase::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::pvPublished::"
          "Override::Ctl3D::::pvPublished::Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::"
          "Override::DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::Font::::pvPublished::"
          "Override::HideSelection::::pvPublished::Override::ImeMode::::pvPublished::Override::ImeName::::"
          "pvPublished::Override::MaxLength::::pvPublished::Override::OEMConvert::::pvPublished::Override::"
          "ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentCtl3D::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PasswordChar::::pvPublished::Override::PopupMenu::::pvPublished::Override::ReadOnly::::pvPublished::"
          "Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::"
          "Override::Text::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnChange::pvPublished::Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::"
          "Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::"
          "Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::Override::OnExit::pvPublished::"
          "Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::"
          "Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::"
          "pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };

 protected:
  ~TEditClassInfo() override = default;
};

// Describes TCustomMemo: the memo's layout properties, CaretPos (a point,
// by address, read only) and Lines.
class TCustomMemoClassInfo : public TkelDescriptor<TCustomMemoClassInfo, TCustomEditClassInfo, host::TCustomMemo> {
  KEL_DESCRIPTOR(TCustomMemoClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Alignment::psReadable..psWritable::pvProtected::0::Define::ScrollBars::psReadable..psWritable::"
          "pvProtected::0::Define::WantReturns::psReadable..psWritable::pvProtected::0::Define::WantTabs::"
          "psReadable..psWritable::pvProtected::0::Define::WordWrap::psReadable..psWritable::pvProtected::0::"
          "Define::CaretPos::psReadable::pvPublic::0::Define::Lines::psReadable..psWritable::pvPublic::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomMemoClassInfo() override = default;
};

// Describes TMemo: publishes inherited features.
class TMemoClassInfo : public TkelDescriptor<TMemoClassInfo, TCustomMemoClassInfo, host::TMemo> {
  KEL_DESCRIPTOR(TMemoClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Alignment::::pvPublished::Override::Anchors::::pvPublished::"
          "Override::BiDiMode::::pvPublished::Override::BorderStyle::::pvPublished::Override::Color::::"
          "pvPublished::Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::Override::"
          "DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::"
          "Override::Enabled::::pvPublished::Override::Font::::pvPublished::Override::HideSelection::::"
          "pvPublished::Override::ImeMode::::pvPublished::Override::ImeName::::pvPublished::Override::Lines::::"
          "pvPublished::Override::MaxLength::::pvPublished::Override::OEMConvert::::pvPublished::Override::"
          "ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentCtl3D::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::ReadOnly::::pvPublished::Override::ScrollBars::::pvPublished::"
          "Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::"
          "Override::Visible::::pvPublished::Override::WantReturns::::pvPublished::Override::WantTabs::::"
          "pvPublished::Override::WordWrap::::pvPublished",
      .Events =
          "Override::OnChange::pvPublished::Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::"
          "Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::"
          "Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::Override::OnExit::pvPublished::"
          "Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::"
          "Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::"
          "pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };

 protected:
  ~TMemoClassInfo() override = default;
};

// Describes TCustomStaticText: alignment, border and accelerator handling.
class TCustomStaticTextClassInfo
    : public TkelDescriptor<TCustomStaticTextClassInfo, TWinControlClassInfo, host::TCustomStaticText> {
  KEL_DESCRIPTOR(TCustomStaticTextClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Alignment::psReadable..psWritable::pvProtected::0::Define::AutoSize::psReadable..psWritable::"
          "pvProtected::0::Define::BorderStyle::psReadable..psWritable::pvProtected::0::Define::FocusControl::"
          "psReadable..psWritable::pvProtected::0::Define::ShowAccelChar::psReadable..psWritable::pvProtected::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomStaticTextClassInfo() override = default;
};

// Describes TStaticText: publishes inherited features.
class TStaticTextClassInfo
    : public TkelDescriptor<TStaticTextClassInfo, TCustomStaticTextClassInfo, host::TStaticText> {
  KEL_DESCRIPTOR(TStaticTextClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Alignment::::pvPublished::Override::Anchors::::pvPublished::"
          "Override::AutoSize::::pvPublished::Override::BiDiMode::::pvPublished::Override::BorderStyle::::"
          "pvPublished::Override::Caption::::pvPublished::Override::Color::::pvPublished::Override::Constraints::::"
          "pvPublished::Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::"
          "DragMode::::pvPublished::Override::Enabled::::pvPublished::Override::FocusControl::::pvPublished::"
          "Override::Font::::pvPublished::Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::ShowAccelChar::::pvPublished::Override::ShowHint::::pvPublished::"
          "Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::"
          "Override::OnMouseDown::pvPublished::Override::OnMouseMove::pvPublished::Override::OnMouseUp::"
          "pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };

 protected:
  ~TStaticTextClassInfo() override = default;
};

}  // namespace kel
