// The image lists of the controls unit: TDragImageList, an image list
// whose image follows the mouse during a drag, and TImageList, the one
// placed on forms.
#pragma once

#include "host/controls/controltypes.h"
#include "host/imglist/imglist.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TDragImageList : public TCustomImageList {
  HOST_CLASS(TDragImageList, TCustomImageList)
  using TCreateArg = TComponent;
  explicit TDragImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}

  // Starts showing the drag image over Window at (X, Y); false when the
  // list has no image chosen (SetDragImage) or a drag shows already.
  bool BeginDrag(HWND Window, int32_t X, int32_t Y);
  bool DragLock(HWND Window, int32_t XPos, int32_t YPos);
  bool DragMove(int32_t X, int32_t Y);
  void DragUnlock();
  bool EndDrag();
  void HideDragImage();
  void ShowDragImage();
  // Chooses image Index with its hot spot; false for an index out of range.
  bool SetDragImage(int32_t Index, int32_t HotSpotX, int32_t HotSpotY);
  TPoint GetHotSpot() override { return FHotSpot; }
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  bool GetDragging() const { return FDragging; }
  // Where the image shows now (in the drag window's client coordinates).
  TPoint GetDragPosition() const { return FDragPos; }
  bool GetImageShowing() const { return FDragging && FShowing; }

 protected:
  ~TDragImageList() override = default;

 private:
  int32_t FDragIndex = -1;
  TPoint FHotSpot;
  TPoint FDragPos;
  HWND FDragWindow = 0;
  TCursor FDragCursor = crDrag;
  bool FDragging = false;
  bool FShowing = false;
  bool FLocked = false;
};

class TImageList : public TDragImageList {
  HOST_CLASS(TImageList, TDragImageList)
  using TCreateArg = TComponent;
  explicit TImageList(TComponent* AOwner) : TDragImageList(AOwner) {}

 protected:
  ~TImageList() override = default;
};

}  // namespace host
