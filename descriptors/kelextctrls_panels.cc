// The container descriptors: panel and radio group.
#include "descriptors/kelextctrls_panels.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TCustomPanelClassInfo)
KEL_DESCRIPTOR_IMPL(TPanelClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomRadioGroupClassInfo)
KEL_DESCRIPTOR_IMPL(TRadioGroupClassInfo)

void TCustomPanelClassInfo::MapFeatures(Map& m) {
  using P = host::TCustomPanel;
  m.Prop("Alignment", &P::GetAlignment, OrdinalSetter(&P::SetAlignment, host::taCenter, "Alignment"))
      .Prop("BevelInner", &P::GetBevelInner, OrdinalSetter(&P::SetBevelInner, host::bvSpace, "BevelInner"))
      .Prop("BevelOuter", &P::GetBevelOuter, OrdinalSetter(&P::SetBevelOuter, host::bvSpace, "BevelOuter"))
      .Prop("BevelWidth", &P::GetBevelWidth, &P::SetBevelWidth)
      .Prop("BorderWidth", &P::GetBorderWidth, &P::SetBorderWidth)
      .Prop("BorderStyle", &P::GetBorderStyle, OrdinalSetter(&P::SetBorderStyle, host::bsSingle, "BorderStyle"))
      .Prop("FullRepaint", &P::GetFullRepaint, &P::SetFullRepaint)
      .Prop("Locked", &P::GetLocked, &P::SetLocked);
}

void TCustomRadioGroupClassInfo::MapFeatures(Map& m) {
  using R = host::TCustomRadioGroup;
  m.Prop("Columns", &R::GetColumns, &R::SetColumns)
      .Prop("ItemIndex", &R::GetItemIndex, &R::SetItemIndex)
      .Prop("Items", &R::GetItems, &R::SetItems);
}

}  // namespace kel
