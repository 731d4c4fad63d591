// The scrolling control descriptors: scroll bar, scrolling control, scroll box.
#include "descriptors/kelforms_scrolling.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TControlScrollBarClassInfo)
KEL_DESCRIPTOR_IMPL(TScrollingWinControlClassInfo)
KEL_DESCRIPTOR_IMPL(TScrollBoxClassInfo)

void TControlScrollBarClassInfo::MapFeatures(Map& m) {
  using B = host::TControlScrollBar;
  m.Prop("Kind", &B::GetKind)
      .Prop("ScrollPos", &B::GetScrollPos)
      .Prop("ButtonSize", &B::GetButtonSize, &B::SetButtonSize)
      .Prop("Color", &B::GetColor, &B::SetColor)
      .Prop("Increment", &B::GetIncrement, &B::SetIncrement)
      .Prop("Margin", &B::GetMargin, &B::SetMargin)
      .Prop("ParentColor", &B::GetParentColor, &B::SetParentColor)
      .Prop("Position", &B::GetPosition, &B::SetPosition)
      .Prop("Range", &B::GetRange, &B::SetRange)
      .Prop("Smooth", &B::GetSmooth, &B::SetSmooth)
      .Prop("Size", &B::GetSize, &B::SetSize)
      .Prop("Style", &B::GetStyle, OrdinalSetter(&B::SetStyle, host::ssHotTrack, "Style"))
      .Prop("ThumbSize", &B::GetThumbSize, &B::SetThumbSize)
      .Prop("Tracking", &B::GetTracking, &B::SetTracking)
      .Prop("Visible", &B::GetVisible, &B::SetVisible);
  m.Method("ChangeBiDiPosition", &B::ChangeBiDiPosition).Method("IsScrollBarVisible", &B::IsScrollBarVisible);
}

void TScrollingWinControlClassInfo::MapFeatures(Map& m) {
  using S = host::TScrollingWinControl;
  m.Prop("AutoScroll", &S::GetAutoScroll, &S::SetAutoScroll)
      .Prop("HorzScrollBar", &S::GetHorzScrollBar, &S::SetHorzScrollBar)
      .Prop("VertScrollBar", &S::GetVertScrollBar, &S::SetVertScrollBar);
  m.Method("DisableAutoRange", &S::DisableAutoRange)
      .Method("EnableAutoRange", &S::EnableAutoRange)
      .Method("ScrollInView", &S::ScrollInView);
}

void TScrollBoxClassInfo::MapFeatures(Map& m) {
  using S = host::TScrollBox;
  m.Prop("BorderStyle", &S::GetBorderStyle, OrdinalSetter(&S::SetBorderStyle, host::bsSingle, "BorderStyle"));
}

}  // namespace kel
