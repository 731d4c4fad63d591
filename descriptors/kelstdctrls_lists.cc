// The list control descriptors: combo box and list box.
#include "descriptors/kelstdctrls_lists.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TCustomComboBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TComboBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomListBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TListBoxClassInfo)

void TCustomComboBoxClassInfo::MapFeatures(Map& m) {
  using C = host::TCustomComboBox;
  m.Prop("DropDownCount", &C::GetDropDownCount, &C::SetDropDownCount)
      .Prop("EditHandle", &C::GetEditHandle)  // handles: by address
      .Prop("ItemHeight", &C::GetItemHeight, &C::SetItemHeight)
      .Prop("ListHandle", &C::GetListHandle)
      .Prop("MaxLength", &C::GetMaxLength, &C::SetMaxLength)
      .Prop("Sorted", &C::GetSorted, &C::SetSorted)
      .Prop("Style", &C::GetStyle, OrdinalSetter(&C::SetStyle, host::csOwnerDrawVariable, "Style"))
      .Prop("CharCase", &C::GetCharCase, OrdinalSetter(&C::SetCharCase, host::ecLowerCase, "CharCase"))
      .Prop("Canvas", &C::GetCanvas)
      .Prop("DroppedDown", &C::GetDroppedDown, &C::SetDroppedDown)
      .Prop("Items", &C::GetItems, &C::SetItems)
      .Prop("ItemIndex", &C::GetItemIndex, &C::SetItemIndex)
      .Prop("SelLength", &C::GetSelLength, &C::SetSelLength)
      .Prop("SelStart", &C::GetSelStart, &C::SetSelStart)
      .Prop("SelText", &C::GetSelText, &C::SetSelText);
  m.Method("Clear", &C::Clear).Method("SelectAll", &C::SelectAll);
  m.Event("OnChange", &C::OnChange)
      .Event("OnDropDown", &C::OnDropDown)
      .Event("OnDrawItem", &C::OnDrawItem)         // Rect and State by the address of the hook's copies
      .Event("OnMeasureItem", &C::OnMeasureItem);  // Height written back
}

void TCustomListBoxClassInfo::MapFeatures(Map& m) {
  using L = host::TCustomListBox;
  m.Prop("BorderStyle", &L::GetBorderStyle, OrdinalSetter(&L::SetBorderStyle, host::bsSingle, "BorderStyle"))
      .Prop("Columns", &L::GetColumns, &L::SetColumns)
      .Prop("ExtendedSelect", &L::GetExtendedSelect, &L::SetExtendedSelect)
      .Prop("IntegralHeight", &L::GetIntegralHeight, &L::SetIntegralHeight)
      .Prop("ItemHeight", &L::GetItemHeight, &L::SetItemHeight)
      .Prop("MultiSelect", &L::GetMultiSelect, &L::SetMultiSelect)
      .Prop("Sorted", &L::GetSorted, &L::SetSorted)
      .Prop("Style", &L::GetStyle, OrdinalSetter(&L::SetStyle, host::lbOwnerDrawVariable, "Style"))
      .Prop("TabWidth", &L::GetTabWidth, &L::SetTabWidth)
      .Prop("Canvas", &L::GetCanvas)
      .Prop("Items", &L::GetItems, &L::SetItems)
      .Prop("ItemIndex", &L::GetItemIndex, &L::SetItemIndex)
      .Prop("SelCount", &L::GetSelCount)
      .Indexed("Selected", &L::GetSelected, &L::SetSelected)
      .Prop("TopIndex", &L::GetTopIndex, &L::SetTopIndex);
  m.Method("Clear", &L::Clear)
      .Method("ItemAtPos", &L::ItemAtPos)  // the point by address
      .Method("ItemRect", &L::ItemRect);   // the rectangle in a slot of its own
  m.Event("OnDrawItem", &L::OnDrawItem).Event("OnMeasureItem", &L::OnMeasureItem);
}

}  // namespace kel
