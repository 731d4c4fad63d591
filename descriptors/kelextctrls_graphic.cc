// The graphic control and timer descriptors: shape, paint box, image,
// bevel, timer.
#include "descriptors/kelextctrls_graphic.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TShapeClassInfo)
KEL_DESCRIPTOR_IMPL(TPaintBoxClassInfo)
KEL_DESCRIPTOR_IMPL(TImageClassInfo)
KEL_DESCRIPTOR_IMPL(TBevelClassInfo)
KEL_DESCRIPTOR_IMPL(TTimerClassInfo)

void TShapeClassInfo::MapFeatures(Map& m) {
  using S = host::TShape;
  m.Prop("Brush", &S::GetBrush, &S::SetBrush)
      .Prop("Pen", &S::GetPen, &S::SetPen)
      .Prop("Shape", &S::GetShape, OrdinalSetter(&S::SetShape, host::stCircle, "Shape"));
  m.Method("StyleChanged", &S::StyleChanged);
}

void TPaintBoxClassInfo::MapFeatures(Map& m) { m.Event("OnPaint", &host::TPaintBox::OnPaint); }

void TImageClassInfo::MapFeatures(Map& m) {
  using I = host::TImage;
  m.Prop("Canvas", &I::GetCanvas)
      .Prop("Center", &I::GetCenter, &I::SetCenter)
      .Prop("IncrementalDisplay", &I::GetIncrementalDisplay, &I::SetIncrementalDisplay)
      .Prop("Picture", &I::GetPicture, &I::SetPicture)
      .Prop("Stretch", &I::GetStretch, &I::SetStretch)
      .Prop("Transparent", &I::GetTransparent, &I::SetTransparent);
  m.Event("OnProgress", &I::OnProgress);  // R by the address of the hook's copy
}

void TBevelClassInfo::MapFeatures(Map& m) {
  using B = host::TBevel;
  m.Prop("Shape", &B::GetShape, OrdinalSetter(&B::SetShape, host::bsSpacer, "Shape"))
      .Prop("Style", &B::GetStyle, OrdinalSetter(&B::SetStyle, host::bsRaised, "Style"));
}

void TTimerClassInfo::MapFeatures(Map& m) {
  using T = host::TTimer;
  m.Prop("Enabled", &T::GetEnabled, &T::SetEnabled)
      .Prop("Interval", &T::GetInterval, &T::SetInterval);  // unsigned 32-bit: by address
  m.Event("OnTimer", &T::OnTimer, &T::SetOnTimer);
}

}  // namespace kel
