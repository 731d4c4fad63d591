// Drag and drop and docking: the drag objects that travel with the mouse,
// the drag machinery that finds targets and asks them (DragOver, then
// DragDrop or a cancel), and the dock tree that lays the controls docked in
// a dock site out in zones.
//
// One drag runs at a time. It starts with TControl::BeginDrag (or a mouse
// down on a control whose DragMode is dmAutomatic); the source's
// OnStartDrag / OnStartDock may hand in a drag object of its own, otherwise
// the machinery makes one (TDragControlObject, TDragDockObject) and frees
// it when the drag ends. While the mouse moves, the control under it gets
// DragOver (dsDragEnter, dsDragMove, dsDragLeave) and says whether it
// accepts; releasing the button drops on an accepting target (DragDrop /
// DockDrop) and tells the source (OnEndDrag / OnEndDock). Esc or a cancel
// ends the drag without a drop.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/wincontrol.h"

namespace host {

class TBrush;
class TCanvas;

// ------------------------------------------------------------- drag objects

class TDragObject : public TObject {
  HOST_CLASS(TDragObject, TObject)
  TDragObject() = default;

  virtual void Assign(TDragObject* Source);
  virtual std::string GetName() const { return ClassName(); }
  virtual void HideDragImage() {}
  virtual void ShowDragImage() {}
  // The window of the drag (the source's, when it has one).
  virtual HWND Instance() const { return FDragHandle; }

  bool GetCancelling() const { return FCancelling; }
  void SetCancelling(bool Value) { FCancelling = Value; }
  HWND GetDragHandle() const { return FDragHandle; }
  void SetDragHandle(HWND Value) { FDragHandle = Value; }
  TPoint GetDragPos() const { return FDragPos; }
  void SetDragPos(TPoint Value) { FDragPos = Value; }
  TPoint GetDragTargetPos() const { return FDragTargetPos; }
  void SetDragTargetPos(TPoint Value) { FDragTargetPos = Value; }
  TObject* GetDragTarget() const { return FDragTarget; }
  void SetDragTarget(TObject* Value) { FDragTarget = Value; }
  // Where the mouse is in the source when the drag starts, as a fraction of
  // its size.
  double GetMouseDeltaX() const { return FMouseDeltaX; }
  double GetMouseDeltaY() const { return FMouseDeltaY; }
  bool GetDropped() const { return FDropped; }

 protected:
  ~TDragObject() override = default;
  friend class TDragMachine;
  virtual TCursor GetDragCursor(bool Accepted, int32_t X, int32_t Y);
  virtual void Finished(TObject* Target, int32_t X, int32_t Y, bool Accepted);

  bool FCancelling = false;
  HWND FDragHandle = 0;
  TPoint FDragPos, FDragTargetPos;
  TObject* FDragTarget = nullptr;
  double FMouseDeltaX = 0, FMouseDeltaY = 0;
  bool FDropped = false;
};

class TBaseDragControlObject : public TDragObject {
  HOST_CLASS(TBaseDragControlObject, TDragObject)
  using TCreateArg = TControl;
  explicit TBaseDragControlObject(TControl* AControl) : FControl(AControl) {}

  void Assign(TDragObject* Source) override;
  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* Value) { FControl = Value; }

 protected:
  ~TBaseDragControlObject() override = default;
  virtual void EndDrag(TObject* Target, int32_t X, int32_t Y);
  void Finished(TObject* Target, int32_t X, int32_t Y, bool Accepted) override;

  TControl* FControl;
};

class TDragControlObject : public TBaseDragControlObject {
  HOST_CLASS(TDragControlObject, TBaseDragControlObject)
  using TCreateArg = TControl;
  explicit TDragControlObject(TControl* AControl) : TBaseDragControlObject(AControl) {}

 protected:
  ~TDragControlObject() override = default;
};

class TDragDockObject : public TBaseDragControlObject {
  HOST_CLASS(TDragDockObject, TBaseDragControlObject)
  using TCreateArg = TControl;
  explicit TDragDockObject(TControl* AControl);

  void Assign(TDragObject* Source) override;
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(TBrush* Value);
  // Where the control would land, in screen coordinates.
  TRect GetDockRect() const { return FDockRect; }
  void SetDockRect(const TRect& Value) { FDockRect = Value; }
  TAlign GetDropAlign() const { return FDropAlign; }
  TControl* GetDropOnControl() const { return FDropOnControl; }
  bool GetFloating() const { return FFloating; }
  void SetFloating(bool Value) { FFloating = Value; }
  int32_t GetFrameWidth() const { return 4; }

 protected:
  ~TDragDockObject() override = default;
  void Destroy() override;
  void EndDrag(TObject* Target, int32_t X, int32_t Y) override;
  friend class TDragMachine;

  TBrush* FBrush = nullptr;
  TRect FDockRect;
  TAlign FDropAlign = alNone;
  TControl* FDropOnControl = nullptr;
  bool FFloating = false;
};

// The drag in progress; null when none runs (also while a drag waits for
// the mouse to pass its threshold).
TDragObject* DragObject();
// The control being dragged, also while it waits for the threshold.
TControl* DragControl();
// What TControl::BeginDrag / EndDrag do.
void BeginDragOf(TControl* Control, bool Immediate, int32_t Threshold);
void EndDragOf(TControl* Control, bool Drop);
// Mouse and key messages of the dragged control come here first: moves,
// the release and Esc drive the drag. True when the drag used the message.
bool DragMessage(TControl* Control, TMessage& Message);
// Forgets a control that goes away during a drag (its source or target).
void DragControlFreed(TControl* Control);
// Moves the running drag to a screen point, ends it (dropping when Drop)
// or cancels it. The mouse messages of the capture control call these.
void DragTo(const TPoint& Pos);
void DragDone(bool Drop);
void CancelDrag();

// --------------------------------------------------------------- dock zones

class TDockTree;

// A zone of a dock tree: a docked control (a leaf) or a row or column of
// zones.
class TDockZone : public TObject {
  HOST_CLASS(TDockZone, TObject)
  using TCreateArg = TDockTree;
  explicit TDockZone(TDockTree* Tree) : FTree(Tree) {}

  int32_t GetChildCount() const { return static_cast<int32_t>(FChildren.size()); }
  TDockZone* GetChild(int32_t Index) const { return FChildren.at(static_cast<std::size_t>(Index)); }
  TControl* GetChildControl() const { return FChildControl; }
  TDockZone* GetParentZone() const { return FParentZone; }
  TDockOrientation GetOrientation() const { return FOrientation; }
  // The zone's area in the dock site's client coordinates.
  int32_t GetLeft() const { return FBounds.Left; }
  int32_t GetTop() const { return FBounds.Top; }
  int32_t GetWidth() const { return FBounds.Width(); }
  int32_t GetHeight() const { return FBounds.Height(); }
  // The position and size of the zone along its parent's orientation.
  int32_t GetLimitBegin() const;
  int32_t GetLimitSize() const;
  // Lays the children out again in equal shares.
  void ResetChildren();
  // Places the zone's control (or its children) in its area.
  void Update();

 protected:
  ~TDockZone() override = default;
  void Destroy() override;

 private:
  friend class TDockTree;
  bool IsEmpty() const { return !FChildControl && FChildren.empty(); }
  std::size_t IndexOf(const TDockZone* Child) const;
  void InsertChild(std::size_t Index, TDockZone* Child);
  // Takes over Child's control or children and orientation, and frees Child.
  void Absorb(TDockZone* Child);
  // Gives the zone's control or children and orientation to a new zone.
  TDockZone* PushDown();
  void PaintGaps(TCanvas* Canvas) const;
  TDockTree* FTree;
  TDockZone* FParentZone = nullptr;
  std::vector<TDockZone*> FChildren;
  TControl* FChildControl = nullptr;
  TDockOrientation FOrientation = doNoOrient;
  TRect FBounds;
};

// The dock manager of a dock site: docked controls in a tree of zones. A
// control docked at alLeft / alRight goes into a row, at alTop / alBottom
// into a column, next to the zone of the control it was dropped on (or at
// the edge of the whole site); alClient or alNone shares the drop
// control's zone row. Undocking closes the gap.
class TDockTree : public TInterfacedObject {
 public:
  static const TMetaClass StaticMetaClass;
  static const detail::TClassEnlisted StaticEnlisted;
  TClass ClassType() const override { return &StaticMetaClass; }
  using inherited = TInterfacedObject;
  using TCreateArg = TWinControl;

  // Raises EInvalidOperation without a dock site.
  explicit TDockTree(TWinControl* DockSite);

  TWinControl* GetDockSite() const { return FDockSite; }
  TDockZone* GetTopZone() const { return FTopZone; }
  // Docks Control next to DropCtl's zone (at the edge of the whole site when
  // DropCtl is null or not docked here) on the side InsertAt names; a
  // control docked here already moves. Raises EInvalidOperation for a null
  // control, a control dropped on itself, or the dock site or one of its
  // parents, changing nothing.
  void InsertControl(TControl* Control, TAlign InsertAt, TControl* DropCtl);
  // Undocks Control (nothing for a control not docked here).
  void RemoveControl(TControl* Control);
  // The rectangle (screen coordinates) Client would take when dropped at
  // DropAlign of DropCtl (of the whole site when DropCtl is null or not
  // docked here), with the zones laid out as they would be then (a Client
  // docked here already counts as one more control).
  void PositionDockRect(TControl* Client, TControl* DropCtl, TAlign DropAlign, TRect& DockRect);
  // Lays the zones out over the dock site's client area and moves the
  // docked controls to their zones; without Force only when the client area
  // changed since the last time.
  void ResetBounds(bool Force);
  // Draws the zone frames onto DC.
  void PaintSite(HDC DC);
  TDockZone* FindControlZone(TControl* Control) const;

  // The gap between neighbouring zones, where PaintSite draws a frame.
  static constexpr int32_t SplitterWidth = 4;

 protected:
  ~TDockTree() override = default;
  void Destroy() override;

 private:
  TDockZone* NewZone(TDockZone* Parent, TControl* Control);
  void CheckInsert(TControl* Control, TControl* DropCtl) const;
  // The zone a control dropped on DropCtl goes next to.
  TDockZone* DropZone(TControl* DropCtl) const;
  TDockZone* InsertZone(TDockZone* Leaf, TAlign InsertAt, TDockZone* Target);
  void RemoveZone(TDockZone* Zone);
  void LayoutZones();
  TWinControl* FDockSite;
  TDockZone* FTopZone;
  TRect FSiteRect;
  bool FLaidOut = false;
};

}  // namespace host
