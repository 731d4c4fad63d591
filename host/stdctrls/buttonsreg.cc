// Start-up and shutdown of the button group: the published properties of
// buttons, check boxes, radio buttons and scroll bars with their classic
// defaults, and their streamable classes.
#include <vector>

#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/scrollbar.h"
#include "host/stdctrls/stdctrls.h"

namespace host {

namespace {

int buttonControlsCount = 0;

constexpr TClass kStreamedClasses[] = {&TButton::StaticMetaClass, &TCheckBox::StaticMetaClass,
                                       &TRadioButton::StaticMetaClass, &TScrollBar::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TButtonControl::StaticMetaClass, &TCustomCheckBox::StaticMetaClass};

using B = TButtonControl;

// Checked follows a linked action rather than the form file.
bool CheckedStored(TObject* Instance) {
  auto* link = dynamic_cast<TButtonActionLink*>(static_cast<TControl*>(Instance)->GetActionLink());
  return !link || !link->IsCheckedLinked();
}

// The properties every button control publishes besides its own.
std::vector<TPropInfo> ButtonProps(std::initializer_list<std::string_view> Shared) {
  std::vector<TPropInfo> props = PublishedControlProps(Shared);
  props.push_back(Prop<&TControl::GetAction, &TControl::SetAction>("Action"));
  props.push_back(Prop<&B::GetWordWrap, &B::SetWordWrap>("WordWrap").Default(false));
  return props;
}

void RegisterButtonProperties() {
  using T = TButton;
  std::vector<TPropInfo> props = ButtonProps({"Align", "Anchors", "BiDiMode", "Caption", "Constraints", "DragCursor", "DragKind",
                                              "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentFont",
                                              "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "Visible"});
  props.push_back(Prop<&T::GetCancel, &T::SetCancel>("Cancel").Default(false));
  props.push_back(Prop<&T::GetDefault, &T::SetDefault>("Default").Default(false));
  props.push_back(Prop<&T::GetModalResult, &T::SetModalResult>("ModalResult").Default(mrNone));
  props.push_back(TabStopByDefault());
  RegisterProperties(&TButton::StaticMetaClass, ClassicOrder(std::move(props)));
}

// What check boxes and radio buttons share.
std::vector<TPropInfo> MarkProps() {
  return ButtonProps({"Anchors",        "BiDiMode",       "Caption",     "Color",       "Constraints",
                      "Ctl3D",          "DragCursor",     "DragKind",    "DragMode",    "Enabled",
                      "Font",           "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
                      "ParentShowHint", "PopupMenu",      "ShowHint",    "TabOrder",    "Visible"});
}

void RegisterCheckBoxProperties() {
  using T = TCustomCheckBox;
  std::vector<TPropInfo> props = MarkProps();
  props.push_back(Prop<&T::GetAlignment, &T::SetAlignment>("Alignment").Default(taRightJustify));
  props.push_back(Prop<&T::GetAllowGrayed, &T::SetAllowGrayed>("AllowGrayed").Default(false));
  TPropInfo checked = Prop<&T::GetChecked, &T::SetChecked>("Checked").Default(false);
  checked.StoredProc = CheckedStored;
  props.push_back(checked);
  props.push_back(Prop<&T::GetState, &T::SetState>("State").Default(cbUnchecked));
  props.push_back(TabStopByDefault());
  RegisterProperties(&TCheckBox::StaticMetaClass, ClassicOrder(std::move(props)));
}

void RegisterRadioButtonProperties() {
  using T = TRadioButton;
  std::vector<TPropInfo> props = MarkProps();
  props.push_back(Prop<&T::GetAlignment, &T::SetAlignment>("Alignment").Default(taRightJustify));
  TPropInfo checked = Prop<&T::GetChecked, &T::SetChecked>("Checked").Default(false);
  checked.StoredProc = CheckedStored;
  props.push_back(checked);
  std::vector<TPropInfo> tabStop = PublishedControlProps({"TabStop"});
  props.insert(props.end(), tabStop.begin(), tabStop.end());
  RegisterProperties(&TRadioButton::StaticMetaClass, ClassicOrder(std::move(props)));
}

// A form file's position is taken within the range read with it: the range
// is checked once read (Loaded).
void RegisterScrollBarProperties() {
  using T = TScrollBar;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align", "Anchors", "BiDiMode", "Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled",
       "ParentBiDiMode", "ParentCtl3D", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "Visible"});
  props.push_back(Prop<&T::GetKind, &T::SetKind>("Kind").Default(sbHorizontal));
  props.push_back(Prop<&T::GetLargeChange, &T::SetLargeChange>("LargeChange").Default(1));
  props.push_back(Prop<&T::GetMin, &T::SetMin>("Min").Default(0));
  props.push_back(Prop<&T::GetMax, &T::SetMax>("Max").Default(100));
  props.push_back(Prop<&T::GetPageSize, &T::SetPageSize>("PageSize").Default(0));
  props.push_back(Prop<&T::GetPosition, &T::SetPosition>("Position").Default(0));
  props.push_back(Prop<&T::GetSmallChange, &T::SetSmallChange>("SmallChange").Default(1));
  props.push_back(TabStopByDefault());
  RegisterProperties(&TScrollBar::StaticMetaClass, ClassicOrder(std::move(props)));
}

}  // namespace

void RegisterButtonControls() {
  if (buttonControlsCount++ > 0) return;
  RegisterButtonProperties();
  RegisterCheckBoxProperties();
  RegisterRadioButtonProperties();
  RegisterScrollBarProperties();
  // The later libraries' scroll bars write their page size even when 0.
  RegisterRememberedProperties(&TScrollBar::StaticMetaClass, {"PageSize"});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterButtonControls() {
  if (buttonControlsCount == 0 || --buttonControlsCount > 0) return;
  UnregisterRememberedProperties(&TScrollBar::StaticMetaClass);
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> ButtonControlClasses() {
  static constexpr TClass kClasses[] = {
      &TButtonActionLink::StaticMetaClass, &TButtonControl::StaticMetaClass, &TButton::StaticMetaClass,
      &TCustomCheckBox::StaticMetaClass,   &TCheckBox::StaticMetaClass,      &TRadioButton::StaticMetaClass,
      &TScrollBar::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
