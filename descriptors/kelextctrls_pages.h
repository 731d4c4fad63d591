// Descriptors of the extctrls unit's page controls: the notebook page, the
// notebook and the header.
//
// Value kinds (kelconvert.h): ActivePage is a string (a caption that names
// no page is refused by the host with EListError, unchanged); PageIndex an
// integer (outside the pages the host ignores it); Pages and Sections are
// object references (writing one assigns the strings of the object the
// integer addresses); AllowResize a Boolean; BorderStyle an ordinal refused
// outside its enumeration before the host sees it.
//
// SectionWidth[X] is an integer indexed by the integer of the property
// record's first index value; an X outside the sections raises the host's
// EListError, a negative width EInvalidOperation, both changing nothing.
//
// Events, hooked in the handler fields: the notebook's OnPageChanged
// (Sender), the header's OnSizing and OnSized (Sender, ASection, AWidth),
// nothing written back.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/extctrls/header.h"
#include "host/extctrls/notebook.h"

namespace kel {

// Describes TPage: publishes inherited features.
class TPageClassInfo : public TkelDescriptor<TPageClassInfo, TCustomControlClassInfo, host::TPage> {
  KEL_DESCRIPTOR(TPageClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Caption::::pvPublished::Override::Height::::pvPublished::Override::TabOrder::::pvPublished::"
          "Override::Visible::::pvPublished::Override::Width::::pvPublished",
  };

 protected:
  ~TPageClassInfo() override = default;
};

// Describes TNotebook: ActivePage, PageIndex, Pages and OnPageChanged.
class TNotebookClassInfo : public TkelDescriptor<TNotebookClassInfo, TCustomControlClassInfo, host::TNotebook> {
  KEL_DESCRIPTOR(TNotebookClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ActivePage::psReadable..psWritable::pvPublished::0::Override::Align::::pvPublished::"
          "Override::Anchors::::pvPublished::Override::Color::::pvPublished::Override::Ctl3D::::pvPublished::"
          "Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::"
          "Override::DragMode::::pvPublished::Override::Font::::pvPublished::Override::Enabled::::pvPublished::"
          "Override::Constraints::::pvPublished::Define::PageIndex::psReadable..psWritable::pvPublished::0::"
          "Define::Pages::psReadable..psWritable::pvPublished::0::Override::ParentColor::::pvPublished::"
          "Override::ParentCtl3D::::pvPublished::Override::ParentFont::::pvPublished::"
          "Override::ParentShowHint::::pvPublished::Override::PopupMenu::::pvPublished::"
          "Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::"
          "Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDragOver::pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::pvPublished::"
          "Override::OnEnter::pvPublished::Override::OnExit::pvPublished::Override::OnMouseDown::pvPublished::"
          "Override::OnMouseMove::pvPublished::Override::OnMouseUp::pvPublished::"
          "Define::OnPageChanged::pvPublished::1::Sender::Override::OnStartDock::pvPublished::"
          "Override::OnStartDrag::pvPublished",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TNotebookClassInfo() override = default;
};

// Describes THeader: SectionWidth[X], AllowResize, BorderStyle, Sections,
// OnSizing and OnSized.
class THeaderClassInfo : public TkelDescriptor<THeaderClassInfo, TCustomControlClassInfo, host::THeader> {
  KEL_DESCRIPTOR(THeaderClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::SectionWidth::psReadable..psWritable..psIndexed::pvPublic::1::X::"
          "Override::Align::::pvPublished::Define::AllowResize::psReadable..psWritable::pvPublished::0::"
          "Override::Anchors::::pvPublished::Define::BorderStyle::psReadable..psWritable::pvPublished::0::"
          "Override::Constraints::::pvPublished::Override::Enabled::::pvPublished::Override::Font::::pvPublished::"
          "Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::"
          "Override::PopupMenu::::pvPublished::Define::Sections::psReadable..psWritable::pvPublished::0::"
          "Override::ShowHint::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::"
          "Override::Visible::::pvPublished",
      .Events =
          "Define::OnSizing::pvPublished::3::Sender::ASection::AWidth::"
          "Define::OnSized::pvPublished::3::Sender::ASection::AWidth",
  };
  static void MapFeatures(Map& m);

 protected:
  ~THeaderClassInfo() override = default;
};

}  // namespace kel
