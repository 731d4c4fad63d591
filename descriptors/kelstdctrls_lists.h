// Descriptors of the stdctrls unit's list controls: the combo box and the
// list box.
//
// Value kinds (kelconvert.h): Items is an object reference (writing it
// assigns the strings of the object the integer addresses to the control's
// items; 0 is refused by the host with EConvertError, unchanged); Style,
// CharCase and BorderStyle are ordinals refused outside their enumeration;
// the combo box's EditHandle and ListHandle are handles that travel as the
// address of a copy in the descriptor's scratch storage; Canvas is a
// reference, read only.
//
// Selected[Index] is a Boolean indexed by the integer of the property
// record's first index value; an index outside the items raises the host's
// EListError and changes nothing. ItemAtPos takes its point by address and
// answers an item index; ItemRect(Index) leaves its rectangle in a scratch
// slot of its own and stores that slot's address in Result (an index beyond
// the items gives the empty rectangle, as the host does).
//
// Events, hooked in the handler fields in list order:
//  * OnDrawItem(Control, Index, Rect, State): Rect and State by the address
//    of the hook's copies, valid while the event is fired; nothing written
//    back.
//  * OnMeasureItem(Control, Index, Height): the Height the listeners leave
//    goes back to the host, which sizes the item with it.
//  * the combo box's OnChange and OnDropDown: Sender only.
#pragma once

#include "descriptors/kelcontrols.h"
#include "host/stdctrls/lists.h"

namespace kel {

// Describes TCustomComboBox (see the top of this file): the drop-down and
// edit properties, the selection in the text, Items.
class TCustomComboBoxClassInfo
    : public TkelDescriptor<TCustomComboBoxClassInfo, TWinControlClassInfo, host::TCustomComboBox> {
  KEL_DESCRIPTOR(TCustomComboBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::DropDownCount::psReadable..psWritable::pvProtected::0::Define::EditHandle::psReadable::"
          "pvProtected::0::Define::ItemHeight::psReadable..psWritable::pvProtected::0::Define::ListHandle::"
          "psReadable::pvProtected::0::Define::MaxLength::psReadable..psWritable::pvProtected::0::Override::"
          "ParentColor::::pvProtected::Define::Sorted::psReadable..psWritable::pvProtected::0::Define::Style::"
          "psReadable..psWritable::pvProtected::0::Define::CharCase::psReadable..psWritable::pvPublic::0::Define::"
          "Canvas::psReadable::pvPublic::0::Define::DroppedDown::psReadable..psWritable::pvPublic::0::Define::"
          "Items::psReadable..psWritable::pvPublic::0::Define::ItemIndex::psReadable..psWritable::pvPublic::0::"
          "Define::SelLength::psReadable..psWritable::pvPublic::0::Define::SelStart::psReadable..psWritable::"
          "pvPublic::0::Define::SelText::psReadable..psWritable::pvPublic::0::Override::TabStop::::pvPublished",
      .Methods = "Clear::msProcedure::0::SelectAll::msProcedure::0",
      .Events =
          "Define::OnChange::pvProtected::1::Sender::Define::OnDropDown::pvProtected::1::Sender::Define::"
          "OnDrawItem::pvProtected::4::Control::Index::Rect::State::Define::OnMeasureItem::pvProtected::3::"
          "Control::Index::Height",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomComboBoxClassInfo() override = default;
};

// Describes TComboBox: publishes inherited features.
class TComboBoxClassInfo : public TkelDescriptor<TComboBoxClassInfo, TCustomComboBoxClassInfo, host::TComboBox> {
  KEL_DESCRIPTOR(TComboBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Style::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::"
          "Override::Color::::pvPublished::Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::"
          "Override::DragCursor::::pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::"
          "pvPublished::Override::DropDownCount::::pvPublished::Override::Enabled::::pvPublished::Override::Font::"
          "::pvPublished::Override::ImeMode::::pvPublished::Override::ImeName::::pvPublished::Override::"
          "ItemHeight::::pvPublished::Override::Items::::pvPublished::Override::MaxLength::::pvPublished::"
          "Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentCtl3D::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::Override::Sorted::::pvPublished::Override::"
          "TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::Text::::pvPublished::Override::"
          "Visible::::pvPublished",
      .Events =
          "Override::OnChange::pvPublished::Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::"
          "Override::OnDragDrop::pvPublished::Override::OnDragOver::pvPublished::Override::OnDrawItem::"
          "pvPublished::Override::OnDropDown::pvPublished::Override::OnEndDock::pvPublished::Override::OnEndDrag::"
          "pvPublished::Override::OnEnter::pvPublished::Override::OnExit::pvPublished::Override::OnKeyDown::"
          "pvPublished::Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::Override::"
          "OnMeasureItem::pvPublished::Override::OnStartDock::pvPublished::Override::OnStartDrag::pvPublished",
  };

 protected:
  ~TComboBoxClassInfo() override = default;
};

// Describes TCustomListBox (see the top of this file).
class TCustomListBoxClassInfo
    : public TkelDescriptor<TCustomListBoxClassInfo, TWinControlClassInfo, host::TCustomListBox> {
  KEL_DESCRIPTOR(TCustomListBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::BorderStyle::psReadable..psWritable::pvProtected::0::Define::Columns::psReadable..psWritable::"
          "pvProtected::0::Define::ExtendedSelect::psReadable..psWritable::pvProtected::0::Define::IntegralHeight::"
          "psReadable..psWritable::pvProtected::0::Define::ItemHeight::psReadable..psWritable::pvProtected::0::"
          "Define::MultiSelect::psReadable..psWritable::pvProtected::0::Override::ParentColor::::pvProtected::"
          "Define::Sorted::psReadable..psWritable::pvProtected::0::Define::Style::psReadable..psWritable::"
          "pvProtected::0::Define::TabWidth::psReadable..psWritable::pvProtected::0::Define::Canvas::psReadable::"
          "pvPublic::0::Define::Items::psReadable..psWritable::pvPublic::0::Define::ItemIndex::"
          "psReadable..psWritable::pvPublic::0::Define::SelCount::psReadable::pvPublic::0::Define::Selected::"
          "psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::TopIndex::psReadable..psWritable::"
          "pvPublic::0::Override::TabStop::::pvPublished",
      .Methods = "Clear::msProcedure::0::ItemAtPos::msFunction::2::Pos::Existing::ItemRect::msFunction::1::Index",
      .Events =
          "Define::OnDrawItem::pvProtected::4::Control::Index::Rect::State::Define::OnMeasureItem::pvProtected::3::"
          "Control::Index::Height",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCustomListBoxClassInfo() override = default;
};

// Describes TListBox: publishes inherited features.
class TListBoxClassInfo : public TkelDescriptor<TListBoxClassInfo, TCustomListBoxClassInfo, host::TListBox> {
  KEL_DESCRIPTOR(TListBoxClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::Align::::pvPublished::Override::Anchors::::pvPublished::Override::BiDiMode::::pvPublished::"
          "Override::BorderStyle::::pvPublished::Override::Color::::pvPublished::Override::Columns::::pvPublished::"
          "Override::Constraints::::pvPublished::Override::Ctl3D::::pvPublished::Override::DragCursor::::"
          "pvPublished::Override::DragKind::::pvPublished::Override::DragMode::::pvPublished::Override::Enabled::::"
          "pvPublished::Override::ExtendedSelect::::pvPublished::Override::Font::::pvPublished::Override::ImeMode::"
          "::pvPublished::Override::ImeName::::pvPublished::Override::IntegralHeight::::pvPublished::Override::"
          "ItemHeight::::pvPublished::Override::Items::::pvPublished::Override::MultiSelect::::pvPublished::"
          "Override::ParentBiDiMode::::pvPublished::Override::ParentColor::::pvPublished::Override::ParentCtl3D::::"
          "pvPublished::Override::ParentFont::::pvPublished::Override::ParentShowHint::::pvPublished::Override::"
          "PopupMenu::::pvPublished::Override::ShowHint::::pvPublished::Override::Sorted::::pvPublished::Override::"
          "Style::::pvPublished::Override::TabOrder::::pvPublished::Override::TabStop::::pvPublished::Override::"
          "TabWidth::::pvPublished::Override::Visible::::pvPublished",
      .Events =
          "Override::OnClick::pvPublished::Override::OnDblClick::pvPublished::Override::OnDragDrop::pvPublished::"
          "Override::OnDragOver::pvPublished::Override::OnDrawItem::pvPublished::Override::OnEndDock::pvPublished::"
          "Override::OnEndDrag::pvPublished::Override::OnEnter::pvPublished::Override::OnExit::pvPublished::"
          "Override::OnKeyDown::pvPublished::Override::OnKeyPress::pvPublished::Override::OnKeyUp::pvPublished::"
          "Override::OnMeasureItem::pvPublished::Override::OnMouseDown::pvPublished::Override::OnMouseMove::"
          "pvPublished::Override::OnMouseUp::pvPublished::Override::OnStartDock::pvPublished::Override::"
          "OnStartDrag::pvPublished",
  };

 protected:
  ~TListBoxClassInfo() override = default;
};

}  // namespace kel
