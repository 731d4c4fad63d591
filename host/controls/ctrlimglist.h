// The image lists of the controls unit: TDragImageList, an image list
// whose image follows the mouse during a drag, and TImageList, the one
// placed on forms. Both are the imglist unit's classes (host/imglist/
// imglist.h): the menus and action lists below this unit place image lists
// on forms too, so the classes live in the lowest unit that needs them and
// this unit drives their drag image (BeginDrag over a window, DragMove,
// DragLock / DragUnlock, ShowDragImage / HideDragImage, EndDrag).
#pragma once

#include "host/controls/controltypes.h"
#include "host/imglist/imglist.h"
#include "host/widgetset/wswindows.h"
