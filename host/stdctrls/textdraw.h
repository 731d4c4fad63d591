// Drawing helpers shared by the text controls of stdctrls (not part of the
// unit's interface).
#pragma once

#include <cstdint>
#include <string>

#include "host/controls/controltypes.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TCanvas;

// The left edge of a line Width wide aligned within Box.
int32_t AlignedX(const TRect& Box, int32_t Width, TAlignment Alignment);

// Underlines, in the font's colour, the accelerator character of a
// one-line Caption drawn without its '&' marks from X, at Y (the row below
// the text); nothing when Caption has no accelerator.
void UnderlineAccelChar(TCanvas* Canvas, const std::string& Caption, int32_t X, int32_t Y);

// The one-pixel window frame of an edit or a list box whose BorderStyle is
// bsSingle, drawn around Width x Height with Canvas's brush.
void DrawSingleBorder(TCanvas* Canvas, TBorderStyle Style, int32_t Width, int32_t Height);

// Sets Field to Value; whether that changed it (a property setter then
// redraws or refits its control).
template <class T>
bool ChangeField(T& Field, T Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

}  // namespace host
