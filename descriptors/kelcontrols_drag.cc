// The drag, dock and mouse descriptors of the controls unit.
#include "descriptors/kelcontrols_drag.h"

#include "host/graphics/graphics.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TDragObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TBaseDragControlObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TDragControlObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TDragDockObjectClassInfo)
KEL_DESCRIPTOR_IMPL(TDragImageListClassInfo)
KEL_DESCRIPTOR_IMPL(TImageListClassInfo)
KEL_DESCRIPTOR_IMPL(TDockZoneClassInfo)
KEL_DESCRIPTOR_IMPL(TDockTreeClassInfo)
KEL_DESCRIPTOR_IMPL(TMouseClassInfo)

void TDragObjectClassInfo::MapFeatures(Map& m) {
  using D = host::TDragObject;
  m.Prop("Cancelling", &D::GetCancelling, &D::SetCancelling)
      .Prop("DragHandle", &D::GetDragHandle, &D::SetDragHandle)  // handles and points: by address
      .Prop("DragPos", &D::GetDragPos, &D::SetDragPos)
      .Prop("DragTargetPos", &D::GetDragTargetPos, &D::SetDragTargetPos)
      .Prop("DragTarget", &D::GetDragTarget, &D::SetDragTarget)
      .Prop("MouseDeltaX", &D::GetMouseDeltaX)
      .Prop("MouseDeltaY", &D::GetMouseDeltaY);
  m.Method("Assign", &D::Assign)
      .Method("GetName", &D::GetName)
      .Method("HideDragImage", &D::HideDragImage)
      .Method("Instance", &D::Instance)  // the handle in a slot of its own
      .Method("ShowDragImage", &D::ShowDragImage);
}

void TBaseDragControlObjectClassInfo::MapFeatures(Map& m) {
  m.Prop("Control", &host::TBaseDragControlObject::GetControl, &host::TBaseDragControlObject::SetControl);
}

void TDragDockObjectClassInfo::MapFeatures(Map& m) {
  using D = host::TDragDockObject;
  m.Prop("Brush", &D::GetBrush, &D::SetBrush)
      .Prop("DockRect", &D::GetDockRect, &D::SetDockRect)
      .Prop("DropAlign", &D::GetDropAlign)
      .Prop("DropOnControl", &D::GetDropOnControl)
      .Prop("Floating", &D::GetFloating, &D::SetFloating)
      .Prop("FrameWidth", &D::GetFrameWidth);
}

void TDragImageListClassInfo::MapFeatures(Map& m) {
  using L = host::TDragImageList;
  m.Prop("DragCursor", &L::GetDragCursor, &L::SetDragCursor).Prop("Dragging", &L::GetDragging);
  // Window by address; the host's BeginDrag at a screen point is an overload.
  m.Method("BeginDrag", [](L& l, host::HWND window, int32_t x, int32_t y) { return l.BeginDrag(window, x, y); })
      .Method("DragLock", &L::DragLock)
      .Method("DragMove", &L::DragMove)
      .Method("DragUnlock", &L::DragUnlock)
      .Method("EndDrag", &L::EndDrag)
      .Method("HideDragImage", &L::HideDragImage)
      .Method("SetDragImage", &L::SetDragImage)
      .Method("ShowDragImage", &L::ShowDragImage);
}

void TDockZoneClassInfo::MapFeatures(Map& m) {
  using Z = host::TDockZone;
  m.Prop("ChildCount", &Z::GetChildCount)
      .Prop("Height", &Z::GetHeight)
      .Prop("Left", &Z::GetLeft)
      .Prop("LimitBegin", &Z::GetLimitBegin)
      .Prop("LimitSize", &Z::GetLimitSize)
      .Prop("Top", &Z::GetTop)
      .Prop("Width", &Z::GetWidth);
  m.Method("ResetChildren", &Z::ResetChildren).Method("Update", &Z::Update);
}

void TDockTreeClassInfo::MapFeatures(Map& m) { m.Method("PaintSite", &host::TDockTree::PaintSite); }

void TMouseClassInfo::MapFeatures(Map& m) {
  using M = host::TMouse;
  m.Prop("Capture", &M::GetCapture, &M::SetCapture)  // handles and the point: by address
      .Prop("CursorPos", &M::GetCursorPos, &M::SetCursorPos)
      .Prop("DragImmediate", &M::GetDragImmediate, &M::SetDragImmediate)
      .Prop("DragThreshold", &M::GetDragThreshold, &M::SetDragThreshold)
      .Prop("MousePresent", &M::GetMousePresent)
      .Prop("RegWheelMessage", &M::GetRegWheelMessage)
      .Prop("WheelPresent", &M::GetWheelPresent)
      .Prop("WheelScrollLines", &M::GetWheelScrollLines);
  m.Method("SettingChanged", &M::SettingChanged);
}

}  // namespace kel
