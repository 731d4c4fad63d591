// Start-up and shutdown of the tree view, rich edit, date and time picker
// and month calendar: their published properties in the classic order with
// the classic defaults, the classic properties kept as the form file gives
// them, and their streamable classes.
#include <vector>

#include "host/classes/keptprops.h"
#include "host/comctrls/viewsdates.h"
#include "host/controls/controlprops.h"
#include "host/imglist/imglist.h"

namespace host {

namespace {

int viewsDatesCount = 0;

constexpr TClass kStreamedClasses[] = {&TTreeView::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomTreeView::StaticMetaClass};

// Props followed by the shared control properties Shared.
std::vector<TPropInfo> With(std::vector<TPropInfo> Props, std::initializer_list<std::string_view> Shared) {
  for (const TPropInfo& p : PublishedControlProps(Shared)) Props.push_back(p);
  return Props;
}

// The window colour of their own (not the parent's) and a tab stop, as the
// edit-like controls have.
std::vector<TPropInfo> WithOwnColor(std::vector<TPropInfo> Props) {
  Props.push_back(PublishedControlProps({"Color"}).front().Default(clWindow));
  return Props;
}

void RegisterTreeViewProperties() {
  using T = TCustomTreeView;
  std::vector<TPropInfo> props = PublishedControlProps({"Align", "Anchors"});
  props.push_back(Prop<&T::GetAutoExpand, &T::SetAutoExpand>("AutoExpand").Default(false));
  props = With(std::move(props), {"BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BevelWidth", "BiDiMode"});
  props.push_back(Prop<&T::GetBorderStyle, &T::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props = With(std::move(props), {"BorderWidth"});
  props.push_back(Prop<&T::GetChangeDelay, &T::SetChangeDelay>("ChangeDelay").Default(0));
  props = WithOwnColor(std::move(props));
  props = With(std::move(props), {"Ctl3D", "Constraints", "DragKind", "DragCursor", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetHideSelection, &T::SetHideSelection>("HideSelection").Default(true));
  props.push_back(Prop<&T::GetHotTrack, &T::SetHotTrack>("HotTrack").Default(false));
  props.push_back(Prop<&T::GetImages, &T::SetImages>("Images"));
  props.push_back(Prop<&T::GetIndent, &T::SetIndent>("Indent"));
  props = With(std::move(props), {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props = With(std::move(props), {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetReadOnly, &T::SetReadOnly>("ReadOnly").Default(false));
  props.push_back(Prop<&T::GetRightClickSelect, &T::SetRightClickSelect>("RightClickSelect").Default(false));
  props.push_back(Prop<&T::GetRowSelect, &T::SetRowSelect>("RowSelect").Default(false));
  props.push_back(Prop<&T::GetShowButtons, &T::SetShowButtons>("ShowButtons").Default(true));
  props = With(std::move(props), {"ShowHint"});
  props.push_back(Prop<&T::GetShowLines, &T::SetShowLines>("ShowLines").Default(true));
  props.push_back(Prop<&T::GetShowRoot, &T::SetShowRoot>("ShowRoot").Default(true));
  props.push_back(Prop<&T::GetSortType, &T::SetSortType>("SortType").Default(stNone));
  props.push_back(Prop<&T::GetStateImages, &T::SetStateImages>("StateImages"));
  props = With(std::move(props), {"TabOrder"});
  props.push_back(Prop<&TWinControl::GetTabStop, &TWinControl::SetTabStop>("TabStop").Default(true));
  props.push_back(Prop<&T::GetToolTips, &T::SetToolTips>("ToolTips").Default(true));
  props = With(std::move(props), {"Visible"});
  // After the events in the classic declaration, so last in a form file.
  props.push_back(Prop<&T::GetItems, &T::SetItems>("Items"));
  RegisterProperties(&TTreeView::StaticMetaClass, std::move(props));
  RegisterKeptProperties(&TTreeView::StaticMetaClass, {"MultiSelect", "MultiSelectStyle"});
}

}  // namespace

void RegisterViewsDatesClasses() {
  if (viewsDatesCount++ > 0) return;
  RegisterTreeViewProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterViewsDatesClasses() {
  if (viewsDatesCount == 0 || --viewsDatesCount > 0) return;
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
    UnregisterKeptProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> ViewsDatesClasses() {
  static constexpr TClass kClasses[] = {&TCustomTreeView::StaticMetaClass, &TTreeView::StaticMetaClass};
  return kClasses;
}

}  // namespace host
