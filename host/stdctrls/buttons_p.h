// Drawing and checks the button group's controls share: 3D frames, arrow
// glyphs and the check of an enumerated property value.
#pragma once

#include <cstdint>

#include "host/controls/controls.h"

namespace host::buttonpaint {

// A frame of Rect with the light colour on the top and left edges and the
// dark one on the bottom and right (raised; swapped for sunken), the face
// filled with Face.
void Bevel(TCanvas* Canvas, const TRect& Rect, bool Sunken, TColor Face);

// The side of a check box's square.
inline constexpr int32_t CheckBoxSize = 13;
// A check box's square at Box (its face grey when Grayed), ticked when
// Checked.
void CheckBox(TCanvas* Canvas, const TRect& Box, bool Checked, bool Grayed);

enum class TArrowDirection : uint8_t { Left, Up, Right, Down };
// A filled triangle pointing Direction in the middle of Rect.
void Arrow(TCanvas* Canvas, const TRect& Rect, TArrowDirection Direction, TColor Color);

// Raises EInvalidOperation "Invalid property value" naming Control when
// Value lies after Last.
template <class E>
void CheckEnumValue(E Value, E Last, const TControl* Control) {
  if (static_cast<int>(Value) > static_cast<int>(Last))
    throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(Control)});
}

}  // namespace host::buttonpaint
