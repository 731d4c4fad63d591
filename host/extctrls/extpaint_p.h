// Drawing the extctrls controls share: the classic 3D frame, the dashed
// outline that shows an otherwise invisible control at design time, and
// the checked change of a property that only changes the look.
#pragma once

#include <cstdint>

#include "host/controls/controls.h"
#include "host/stdctrls/buttons_p.h"

namespace host::extpaint {

// Frames Rect Width pixels deep, TopColor on the top and left edges and
// BottomColor on the bottom and right ones, and shrinks Rect to what lies
// inside the frame.
void Frame3D(TCanvas* Canvas, TRect& Rect, TColor TopColor, TColor BottomColor, int32_t Width);

// The colours of a raised (highlight above shadow) or lowered bevel.
struct TBevelColors {
  TColor Top, Bottom;
};
inline TBevelColors BevelColors(bool Raised) {
  return Raised ? TBevelColors{clBtnHighlight, clBtnShadow} : TBevelColors{clBtnShadow, clBtnHighlight};
}

// A dashed black outline of Control's bounds, drawn while it is designed.
void DesignOutline(TControl* Control, TCanvas* Canvas);

// Stores Value in Field and repaints Control when it changes; a Value after
// Last raises EInvalidOperation naming the control and changes nothing.
template <class E>
void ChangeLook(TControl* Control, E& Field, E Value, E Last) {
  buttonpaint::CheckEnumValue(Value, Last, Control);
  if (Field == Value) return;
  Field = Value;
  Control->Invalidate();
}

}  // namespace host::extpaint
