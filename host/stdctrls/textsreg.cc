// Start-up and shutdown of the text controls: their published properties
// (the shared ones of controls, with the classic defaults of these
// classes, and their own) and their streamable classes.
#include <algorithm>

#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/stdctrls/stdctrls.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {

int textControlsCount = 0;

constexpr TClass kStreamedClasses[] = {&TGroupBox::StaticMetaClass, &TLabel::StaticMetaClass,
                                       &TStaticText::StaticMetaClass, &TEdit::StaticMetaClass, &TMemo::StaticMetaClass};

// Props with the default of the one called Name changed to Value.
template <class T>
std::vector<TPropInfo> Redefault(std::vector<TPropInfo> Props, std::string_view Name, T Value) {
  auto it = std::find_if(Props.begin(), Props.end(), [&](const TPropInfo& p) { return p.Name == Name; });
  if (it != Props.end()) *it = it->Default(Value);
  return Props;
}

void RegisterGroupBox() {
  RegisterProperties(&TGroupBox::StaticMetaClass,
                     ClassicOrder(PublishedControlProps(
                         {"Align",     "Anchors",        "BiDiMode",    "Caption",     "Color",      "Constraints",
                          "Ctl3D",     "DockSite",       "DragCursor",  "DragKind",    "DragMode",   "Enabled",
                          "Font",      "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint",
                          "PopupMenu", "ShowHint",       "TabOrder",    "TabStop",     "Visible"})));
}

// The properties of a caption with an accelerator (label, static text).
template <class C>
void AddCaptionProps(std::vector<TPropInfo>& Props) {
  Props.push_back(Prop<&C::GetAlignment, &C::SetAlignment>("Alignment").Default(taLeftJustify));
  Props.push_back(Prop<&C::GetFocusControl, &C::SetFocusControl>("FocusControl"));
  Props.push_back(Prop<&C::GetShowAccelChar, &C::SetShowAccelChar>("ShowAccelChar").Default(true));
}

void RegisterLabel() {
  using L = TCustomLabel;
  std::vector<TPropInfo> props = Redefault(
      PublishedControlProps({"Align", "Anchors", "AutoSize", "BiDiMode", "Caption", "Color", "Constraints",
                             "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentColor",
                             "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "Visible"}),
      "AutoSize", true);
  AddCaptionProps<L>(props);
  props.push_back(Prop<&L::GetLayout, &L::SetLayout>("Layout").Default(tlTop));
  props.push_back(Prop<&L::GetTransparent, &L::SetTransparent>("Transparent").Default(false));
  props.push_back(Prop<&L::GetWordWrap, &L::SetWordWrap>("WordWrap").Default(false));
  RegisterProperties(&TLabel::StaticMetaClass, ClassicOrder(std::move(props), {}, {"Layout", "Visible", "WordWrap"}));
}

void RegisterStaticText() {
  using S = TCustomStaticText;
  std::vector<TPropInfo> props = Redefault(
      PublishedControlProps({"Align",      "Anchors",     "AutoSize",    "BevelEdges",     "BevelInner",
                             "BevelKind",  "BevelOuter",  "BiDiMode",    "Caption",        "Color",
                             "Constraints", "DragCursor", "DragKind",    "DragMode",       "Enabled",
                             "Font",       "ParentBiDiMode", "ParentColor", "ParentFont",  "ParentShowHint",
                             "PopupMenu",  "ShowHint",    "TabOrder",    "TabStop",        "Visible"}),
      "AutoSize", true);
  AddCaptionProps<S>(props);
  props.push_back(Prop<&S::GetBorderStyle, &S::SetBorderStyle>("BorderStyle").Default(sbsNone));
  RegisterProperties(&TStaticText::StaticMetaClass, ClassicOrder(std::move(props)));
}

// The properties edits and memos share: the shared control ones (tab stop
// on, the window colour of their own rather than the parent's), Align (the
// later libraries' edits have it too) and the editing ones.
std::vector<TPropInfo> EditingProps() {
  using E = TCustomEdit;
  std::vector<TPropInfo> props = Redefault(
      Redefault(PublishedControlProps({"Anchors",        "BevelEdges",     "BevelInner",  "BevelKind",   "BevelOuter",
                                       "BiDiMode",       "Color",          "Constraints", "Ctl3D",       "DragCursor",
                                       "DragKind",       "DragMode",       "Enabled",     "Font",        "ImeMode",
                                       "ImeName",        "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
                                       "ParentShowHint", "PopupMenu",      "ShowHint",    "TabOrder",    "TabStop",
                                       "Visible"}),
                "TabStop", true),
      "ParentColor", false);
  props.insert(props.begin(), PublishedControlProps({"Align"}).front());
  auto color = std::find_if(props.begin(), props.end(), [](const TPropInfo& p) { return p.Name == "Color"; });
  *color = Prop<&E::GetColor, &E::SetColor>("Color").Default(clWindow);
  props.push_back(Prop<&E::GetBorderStyle, &E::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props.push_back(Prop<&E::GetHideSelection, &E::SetHideSelection>("HideSelection").Default(true));
  props.push_back(Prop<&E::GetMaxLength, &E::SetMaxLength>("MaxLength").Default(0));
  props.push_back(Prop<&E::GetReadOnly, &E::SetReadOnly>("ReadOnly").Default(false));
  return props;
}

void RegisterEdit() {
  using E = TCustomEdit;
  std::vector<TPropInfo> props = EditingProps();
  props.push_back(Prop<&E::GetAutoSelect, &E::SetAutoSelect>("AutoSelect").Default(true));
  props.push_back(Prop<&E::GetCharCase, &E::SetCharCase>("CharCase").Default(ecNormal));
  props.push_back(Prop<&E::GetPasswordChar, &E::SetPasswordChar>("PasswordChar").Default(char{0}));
  props.push_back(Prop<&E::GetText, &E::SetText>("Text"));
  RegisterProperties(&TEdit::StaticMetaClass, ClassicOrder(std::move(props)));
}

void RegisterMemo() {
  using M = TCustomMemo;
  std::vector<TPropInfo> props = EditingProps();
  props.push_back(Prop<&M::GetAlignment, &M::SetAlignment>("Alignment").Default(taLeftJustify));
  props.push_back(Prop<&M::GetLines, &M::SetLines>("Lines"));
  props.push_back(Prop<&M::GetScrollBars, &M::SetScrollBars>("ScrollBars").Default(ssNone));
  props.push_back(Prop<&M::GetWantReturns, &M::SetWantReturns>("WantReturns").Default(true));
  props.push_back(Prop<&M::GetWantTabs, &M::SetWantTabs>("WantTabs").Default(false));
  props.push_back(Prop<&M::GetWordWrap, &M::SetWordWrap>("WordWrap").Default(true));
  RegisterProperties(&TMemo::StaticMetaClass, ClassicOrder(std::move(props)));
}

}  // namespace

void RegisterTextControls() {
  if (textControlsCount++ > 0) return;
  RegisterGroupBox();
  RegisterLabel();
  RegisterStaticText();
  RegisterEdit();
  RegisterMemo();
  RegisterRememberedProperties(&TCustomLabel::StaticMetaClass, {"Width"});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterTextControls() {
  if (textControlsCount == 0 || --textControlsCount > 0) return;
  UnregisterRememberedProperties(&TCustomLabel::StaticMetaClass);
  for (TClass c : TextControlClasses()) UnRegisterClass(c);  // the custom ancestors were registered with them
  for (TClass c : kStreamedClasses) UnregisterProperties(c);
}

std::span<const TClass> TextControlClasses() {
  static constexpr TClass kClasses[] = {
      &TCustomGroupBox::StaticMetaClass,   &TGroupBox::StaticMetaClass,
      &TCustomLabel::StaticMetaClass,      &TLabel::StaticMetaClass,
      &TCustomStaticText::StaticMetaClass, &TStaticText::StaticMetaClass,
      &TCustomEdit::StaticMetaClass,       &TEdit::StaticMetaClass,
      &TCustomMemo::StaticMetaClass,       &TMemo::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
