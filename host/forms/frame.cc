#include "host/forms/frame.h"

namespace host {

HOST_IMPL(TCustomFrame, TScrollingWinControl)
HOST_IMPL(TFrame, TCustomFrame)

// A frame holds controls and takes the mouse as a panel does; it has the
// classic frame's first size.
TCustomFrame::TCustomFrame(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBounds(0, 0, 320, 240);
}

}  // namespace host
