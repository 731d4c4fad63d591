// The windowed control that holds the controls under test: the top-level
// "form" of a control test, and a plain neighbour (of splitters and bands).
// Defined once for every test program (holder.cc in the test main library).
#pragma once

#include "host/controls/controls.h"

namespace host::testkit {

class THolder : public TCustomControl {
  HOST_CLASS(THolder, TCustomControl)
  using TCreateArg = TComponent;
  explicit THolder(TComponent* AOwner) : TCustomControl(AOwner) { FControlStyle.Include(csAcceptsControls); }

 protected:
  ~THolder() override = default;
};

}  // namespace host::testkit
