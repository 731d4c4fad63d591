// The button group descriptors: button action link, button control, push
// button, check box, radio button and scroll bar.
#include "descriptors/kelstdctrls_buttons.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TButtonActionLinkClassInfo)
KEL_DESCRIPTOR_IMPL(TButtonControlClassInfo)
KEL_DESCRIPTOR_IMPL(TButtonClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomCheckBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TCheckBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TRadioButtonClassInfo)
KEL_DESCRIPTOR_IMPL(TScrollBarClassInfo)

void TButtonControlClassInfo::MapFeatures(Map& m) {
  using B = host::TButtonControl;
  m.Prop("Checked", &B::GetChecked, &B::SetChecked)
      .Prop("ClicksDisabled", &B::GetClicksDisabled, &B::SetClicksDisabled);
}

void TButtonClassInfo::MapFeatures(Map& m) {
  using B = host::TButton;
  m.Prop("Cancel", &B::GetCancel, &B::SetCancel)
      .Prop("Default", &B::GetDefault, &B::SetDefault)
      .Prop("ModalResult", &B::GetModalResult, &B::SetModalResult);
}

void TCustomCheckBoxClassInfo::MapFeatures(Map& m) {
  using C = host::TCustomCheckBox;
  m.Prop("Alignment", &C::GetAlignment, OrdinalSetter(&C::SetAlignment, host::taCenter, "Alignment"))
      .Prop("AllowGrayed", &C::GetAllowGrayed, &C::SetAllowGrayed)
      .Prop("State", &C::GetState, OrdinalSetter(&C::SetState, host::cbGrayed, "State"));
}

void TRadioButtonClassInfo::MapFeatures(Map& m) {
  using R = host::TRadioButton;
  m.Prop("Alignment", &R::GetAlignment, OrdinalSetter(&R::SetAlignment, host::taCenter, "Alignment"));
}

void TScrollBarClassInfo::MapFeatures(Map& m) {
  using S = host::TScrollBar;
  m.Prop("Kind", &S::GetKind, OrdinalSetter(&S::SetKind, host::sbVertical, "Kind"))
      .Prop("LargeChange", &S::GetLargeChange, &S::SetLargeChange)
      .Prop("Max", &S::GetMax, &S::SetMax)
      .Prop("Min", &S::GetMin, &S::SetMin)
      .Prop("PageSize", &S::GetPageSize, &S::SetPageSize)
      .Prop("Position", &S::GetPosition, &S::SetPosition)
      .Prop("SmallChange", &S::GetSmallChange, &S::SetSmallChange);
  m.Method("SetParams", &S::SetParams);
  m.Event("OnChange", &S::OnChange).Event("OnScroll", &S::OnScroll);
}

}  // namespace kel
