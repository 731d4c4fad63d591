// Descriptors of the controls unit's drag, dock and mouse objects: the drag
// objects, the drag image list and the image list placed on forms, the dock
// zones and dock tree, and the mouse.
//
// Value kinds: the handles DragHandle, Capture, RegWheelMessage and the
// windows and device contexts the methods take, and the points and
// rectangles DragPos, DragTargetPos, DockRect and CursorPos, travel as the
// address of a copy in the descriptor's scratch storage; Instance leaves
// its handle in a slot of its own. MouseDeltaX and MouseDeltaY are
// floating point. The constructors are listed for information only.
#pragma once

#include "descriptors/kelcontrols_win.h"
#include "descriptors/kelimglist.h"
#include "descriptors/kelsystem.h"
#include "host/controls/ctrlimglist.h"
#include "host/controls/dragdock.h"
#include "host/controls/mouse.h"

namespace kel {

// Describes TDragObject.
class TDragObjectClassInfo : public TkelDescriptor<TDragObjectClassInfo, TObjectClassInfo, host::TDragObject> {
  KEL_DESCRIPTOR(TDragObjectClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Cancelling::psReadable..psWritable::pvPublic::0::Define::DragHandle::psReadable..psWritable::"
          "pvPublic::0::Define::DragPos::psReadable..psWritable::pvPublic::0::Define::DragTargetPos::"
          "psReadable..psWritable::pvPublic::0::Define::DragTarget::psReadable..psWritable::pvPublic::0::Define::"
          "MouseDeltaX::psReadable::pvPublic::0::Define::MouseDeltaY::psReadable::pvPublic::0",
      .Methods =
          "Assign::msProcedure::1::Source::GetName::msFunction::0::HideDragImage::msProcedure::0::Instance::"
          "msFunction::0::ShowDragImage::msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDragObjectClassInfo() override = default;
};

// Describes TBaseDragControlObject: the dragged control, as a reference.
class TBaseDragControlObjectClassInfo
    : public TkelDescriptor<TBaseDragControlObjectClassInfo, TDragObjectClassInfo, host::TBaseDragControlObject> {
  KEL_DESCRIPTOR(TBaseDragControlObjectClassInfo)
  static constexpr TkelTexts Texts{
      .Properties = "Define::Control::psReadable..psWritable::pvPublic::0",
      .Constructors = "Create::1::AControl",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBaseDragControlObjectClassInfo() override = default;
};

// Describes TDragControlObject: nothing of its own.
class TDragControlObjectClassInfo
    : public TkelDescriptor<TDragControlObjectClassInfo, TBaseDragControlObjectClassInfo, host::TDragControlObject> {
  KEL_DESCRIPTOR(TDragControlObjectClassInfo)
  static constexpr TkelTexts Texts{};

 protected:
  ~TDragControlObjectClassInfo() override = default;
};

// Describes TDragDockObject: where the docked control would land.
class TDragDockObjectClassInfo
    : public TkelDescriptor<TDragDockObjectClassInfo, TBaseDragControlObjectClassInfo, host::TDragDockObject> {
  KEL_DESCRIPTOR(TDragDockObjectClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Brush::psReadable..psWritable::pvPublic::0::Define::DockRect::psReadable..psWritable::pvPublic::"
          "0::Define::DropAlign::psReadable::pvPublic::0::Define::DropOnControl::psReadable::pvPublic::0::Define::"
          "Floating::psReadable..psWritable::pvPublic::0::Define::FrameWidth::psReadable::pvPublic::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDragDockObjectClassInfo() override = default;
};

// Describes TDragImageList: the image that follows a drag.
class TDragImageListClassInfo
    : public TkelDescriptor<TDragImageListClassInfo, TCustomImageListClassInfo, host::TDragImageList> {
  KEL_DESCRIPTOR(TDragImageListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::DragCursor::psReadable..psWritable::pvPublic::0::Define::Dragging::psReadable::pvPublic::0",
      .Methods =
          "BeginDrag::msFunction::3::Window::X::Y::DragLock::msFunction::3::Window::XPos::YPos::DragMove::"
          "msFunction::2::X::Y::DragUnlock::msProcedure::0::EndDrag::msFunction::0::HideDragImage::msProcedure::0::"
          "SetDragImage::msFunction::3::Index::HotSpotX::HotSpotY::ShowDragImage::msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDragImageListClassInfo() override = default;
};

// Describes TImageList: the list's settings and OnChange published.
class TImageListClassInfo : public TkelDescriptor<TImageListClassInfo, TDragImageListClassInfo, host::TImageList> {
  KEL_DESCRIPTOR(TImageListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Override::BlendColor::::pvPublished::Override::BkColor::::pvPublished::Override::AllocBy::::pvPublished::"
          "Override::DrawingStyle::::pvPublished::Override::Height::::pvPublished::Override::ImageType::::"
          "pvPublished::Override::Masked::::pvPublished::Override::ShareImages::::pvPublished::Override::Width::::"
          "pvPublished",
      .Events = "Override::OnChange::pvPublished",
  };

 protected:
  ~TImageListClassInfo() override = default;
};

// Describes TDockZone: its place in the dock site, read only.
class TDockZoneClassInfo : public TkelDescriptor<TDockZoneClassInfo, TObjectClassInfo, host::TDockZone> {
  KEL_DESCRIPTOR(TDockZoneClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::ChildCount::psReadable::pvPublic::0::Define::Height::psReadable::pvPublic::0::Define::Left::"
          "psReadable::pvPublic::0::Define::LimitBegin::psReadable::pvPublic::0::Define::LimitSize::psReadable::"
          "pvPublic::0::Define::Top::psReadable::pvPublic::0::Define::Width::psReadable::pvPublic::0",
      .Methods = "ResetChildren::msProcedure::0::Update::msProcedure::0",
      .Constructors = "Create::1::Tree",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDockZoneClassInfo() override = default;
};

// Describes TDockTree: painting the zone frames onto a device context.
class TDockTreeClassInfo : public TkelDescriptor<TDockTreeClassInfo, TInterfacedObjectClassInfo, host::TDockTree> {
  KEL_DESCRIPTOR(TDockTreeClassInfo)
  static constexpr TkelTexts Texts{
      .Methods = "PaintSite::msProcedure::1::DC",
      .Constructors = "Create::1::DockSite",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TDockTreeClassInfo() override = default;
};

// Describes TMouse.
class TMouseClassInfo : public TkelDescriptor<TMouseClassInfo, TObjectClassInfo, host::TMouse> {
  KEL_DESCRIPTOR(TMouseClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Capture::psReadable..psWritable::pvPublic::0::Define::CursorPos::psReadable..psWritable::"
          "pvPublic::0::Define::DragImmediate::psReadable..psWritable::pvPublic::0::Define::DragThreshold::"
          "psReadable..psWritable::pvPublic::0::Define::MousePresent::psReadable::pvPublic::0::Define::"
          "RegWheelMessage::psReadable::pvPublic::0::Define::WheelPresent::psReadable::pvPublic::0::Define::"
          "WheelScrollLines::psReadable::pvPublic::0",
      .Methods = "SettingChanged::msProcedure::1::Setting",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TMouseClassInfo() override = default;
};

}  // namespace kel
