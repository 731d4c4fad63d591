// What the comctrls controls share (not part of the unit's interface):
// raised and pressed faces, centred captions, the design-time outline and
// the check of an enumerated property value (most of them the ones the
// button and extctrls controls draw with), and the order their children
// go to a form file in.
#pragma once

#include <string>
#include <vector>

#include "host/extctrls/extpaint_p.h"
#include "host/stdctrls/buttons_p.h"

namespace host::comctrl {

using buttonpaint::Arrow;
using buttonpaint::Bevel;
using buttonpaint::CheckBox;
using buttonpaint::CheckEnumValue;
using extpaint::DesignOutline;

inline constexpr int32_t kCheckSize = buttonpaint::CheckBoxSize;
inline constexpr int32_t kGap = 2;  // between a list item's image, check box and caption

// Caption (its '&' marks shown as the accelerator underline) centred in
// Rect in the canvas's font, or in clGrayText when not Enabled.
void CenteredText(TCanvas* Canvas, const TRect& Rect, const std::string& Caption, bool Enabled);

// Where Item stands in Items; -1 when it is not there.
template <class T>
int32_t IndexIn(const std::vector<T*>& Items, const T* Item) {
  for (std::size_t i = 0; i < Items.size(); ++i)
    if (Items[i] == Item) return static_cast<int32_t>(i);
  return -1;
}

// Parent's children owned by Root for a form file: the Ordered ones (pages,
// buttons) in their own order, then the other controls.
template <class T>
void ChildrenInOrder(TWinControl* Parent, const std::vector<T*>& Ordered, TGetChildProc Proc, TComponent* Root) {
  for (T* child : Ordered)
    if (child->GetOwner() == Root) Proc(child);
  for (int32_t i = 0; i < Parent->GetControlCount(); ++i) {
    TControl* control = Parent->GetControls(i);
    if (!dynamic_cast<T*>(control) && control->GetOwner() == Root) Proc(control);
  }
}

}  // namespace host::comctrl
