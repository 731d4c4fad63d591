// Drawing the extctrls controls share: the classic 3D frame and the dashed
// outline that shows an otherwise invisible control at design time.
#pragma once

#include <cstdint>

#include "host/controls/controls.h"

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

}  // namespace host::extpaint
