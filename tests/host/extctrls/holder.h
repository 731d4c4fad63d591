// The windowed control that holds the controls under test: the top-level
// "form" of the extctrls tests, and the plain neighbours of splitters and
// bands.
#pragma once

#include "host/controls/controls.h"

namespace host::extctrlstest {

class THolder : public TCustomControl {
  HOST_CLASS(THolder, TCustomControl)
  using TCreateArg = TComponent;
  explicit THolder(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }

 protected:
  ~THolder() override = default;
};

}  // namespace host::extctrlstest
