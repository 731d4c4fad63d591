// Frames: a panel of controls designed on its own, as a form is, and put
// into forms (TCustomFrame, TFrame). A frame is a scrolling control that
// holds controls; a form file may have one as its root. A root of an
// application's own frame class is read into a TFrame (see keptprops.h).
#pragma once

#include "host/forms/scrolling.h"

namespace host {

class TCustomFrame : public TScrollingWinControl {
  HOST_CLASS(TCustomFrame, TScrollingWinControl)
  using TCreateArg = TComponent;
  explicit TCustomFrame(TComponent* AOwner);

 protected:
  ~TCustomFrame() override = default;
};

class TFrame : public TCustomFrame {
  HOST_CLASS(TFrame, TCustomFrame)
  using TCreateArg = TComponent;
  explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}

 protected:
  ~TFrame() override = default;
};

}  // namespace host
