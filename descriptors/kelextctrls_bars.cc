// The bar descriptors: splitter, custom control bar and control bar.
#include "descriptors/kelextctrls_bars.h"

#include "descriptors/kelhostargs.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TSplitterClassInfo)
KEL_DESCRIPTOR_IMPL(TCustomControlBarClassInfo)
KEL_DESCRIPTOR_IMPL(TControlBarClassInfo)

void TSplitterClassInfo::MapFeatures(Map& m) {
  using S = host::TSplitter;
  m.Prop("Beveled", &S::GetBeveled, &S::SetBeveled)
      .Prop("MinSize", &S::GetMinSize, &S::SetMinSize)
      .Prop("ResizeStyle", &S::GetResizeStyle, OrdinalSetter(&S::SetResizeStyle, host::rsPattern, "ResizeStyle"));
  m.Event("OnCanResize", &S::OnCanResize).Event("OnMoved", &S::OnMoved).Event("OnPaint", &S::OnPaint);
}

namespace {
// The band rectangles and the paint options travel as the host's own.
using TBandArgs = TkelHostRefArgs<host::TRect, host::TBandPaintOptions>;
}  // namespace

void TCustomControlBarClassInfo::MapFeatures(Map& m) {
  using C = host::TCustomControlBar;
  m.Prop("Picture", &C::GetPicture, &C::SetPicture)
      .Prop("AutoDrag", &C::GetAutoDrag, &C::SetAutoDrag)
      .Prop("RowSize", &C::GetRowSize, &C::SetRowSize)
      .Prop("RowSnap", &C::GetRowSnap, &C::SetRowSnap);
  m.Method("StickControls", &C::StickControls);
  m.Event("OnBandDrag", &C::OnBandDrag)
      .EventWith<TBandArgs>("OnBandInfo", &C::OnBandInfo)
      .EventWith<TBandArgs>("OnBandMove", &C::OnBandMove)
      .EventWith<TBandArgs>("OnBandPaint", &C::OnBandPaint)
      .Event("OnPaint", &C::OnPaint);
}

}  // namespace kel
