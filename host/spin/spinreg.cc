// Start-up and shutdown of the spin unit: the published properties of the
// spin edit in the classic order (MinValue and MaxValue before Value, so
// that a form file's value is taken within its range; the three always
// written, as the classic ones have no default) and its streamable class.
#include <climits>
#include <vector>

#include "host/controls/controlprops.h"
#include "host/spin/spin.h"
#include "host/stdctrls/modelprops.h"

namespace host {

namespace {

int spinCount = 0;

void RegisterSpinEditProperties() {
  using S = TSpinEdit;
  const std::vector<TPropInfo> edit = PublishedBeyond(&TEdit::StaticMetaClass, &TCustomEdit::StaticMetaClass);
  const auto from = [&](std::string_view Name) { return PropNamed(edit, Name); };
  std::vector<TPropInfo> props = PublishedControlProps({"Anchors"});
  props.push_back(from("AutoSelect"));
  props.push_back(PublishedControlProps({"AutoSize"}).front());
  for (const char* name : {"Color", "Constraints", "Ctl3D"}) props.push_back(from(name));
  for (const TPropInfo& p : PublishedControlProps({"DragCursor", "DragMode", "Enabled"})) props.push_back(p);
  props.push_back(Prop<&S::GetEditorEnabled, &S::SetEditorEnabled>("EditorEnabled").Default(true));
  props.push_back(from("Font"));
  props.push_back(Prop<&S::GetIncrement, &S::SetIncrement>("Increment").Default(1));
  props.push_back(from("MaxLength"));
  props.push_back(Prop<&S::GetMaxValue, &S::SetMaxValue>("MaxValue").Default(INT32_MIN));
  props.push_back(Prop<&S::GetMinValue, &S::SetMinValue>("MinValue").Default(INT32_MIN));
  for (const char* name : {"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ReadOnly",
                           "ShowHint", "TabOrder", "TabStop"})
    props.push_back(from(name));
  props.push_back(Prop<&S::GetValue, &S::SetValue>("Value").Default(INT32_MIN));
  props.push_back(from("Visible"));
  SortByName(props);
  RegisterProperties(&TSpinEdit::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterSpinClasses() {
  if (spinCount++ > 0) return;
  RegisterSpinEditProperties();
  RegisterClass(&TSpinEdit::StaticMetaClass);
}

void UnregisterSpinClasses() {
  if (spinCount == 0 || --spinCount > 0) return;
  UnRegisterClass(&TSpinEdit::StaticMetaClass);
  UnregisterProperties(&TSpinEdit::StaticMetaClass);
}

std::span<const TClass> SpinClasses() {
  static constexpr TClass kClasses[] = {&TSpinEdit::StaticMetaClass};
  return kClasses;
}

}  // namespace host
