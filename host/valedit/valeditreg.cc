// Start-up and shutdown of the valedit unit: the published properties of
// the value list editor in the classic order with their classic defaults,
// and its streamable class.
#include <initializer_list>
#include <string_view>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controlprops.h"
#include "host/valedit/valedit.h"

namespace host {

namespace {

int valEditCount = 0;

void AddControlProps(std::vector<TPropInfo>& Props, std::initializer_list<std::string_view> Names) {
  for (const TPropInfo& p : PublishedControlProps(Names)) Props.push_back(p);
}

std::vector<TPropInfo> ValueListProps() {
  using G = TCustomGrid;
  using V = TValueListEditor;
  std::vector<TPropInfo> props;
  AddControlProps(props, {"Align", "Anchors", "BiDiMode"});
  props.push_back(Prop<&G::GetBorderStyle, &G::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props.push_back(PublishedControlProps({"Color"}).front().Default(clWindow));
  AddControlProps(props, {"Constraints", "Ctl3D"});
  props.push_back(Prop<&G::GetDefaultColWidth, &G::SetDefaultColWidth>("DefaultColWidth").Default(150));
  props.push_back(Prop<&G::GetDefaultDrawing, &G::SetDefaultDrawing>("DefaultDrawing").Default(true));
  props.push_back(Prop<&G::GetDefaultRowHeight, &G::SetDefaultRowHeight>("DefaultRowHeight").Default(18));
  props.push_back(Prop<&V::GetDisplayOptions, &V::SetDisplayOptions>("DisplayOptions").Default(DefaultDisplayOptions));
  AddControlProps(props, {"DragCursor", "DragKind", "DragMode"});
  props.push_back(Prop<&V::GetDropDownRows, &V::SetDropDownRows>("DropDownRows").Default(8));
  AddControlProps(props, {"Enabled"});
  props.push_back(Prop<&G::GetFixedColor, &G::SetFixedColor>("FixedColor").Default(clBtnFace));
  AddControlProps(props, {"Font"});
  props.push_back(Prop<&G::GetGridLineWidth, &G::SetGridLineWidth>("GridLineWidth").Default(1));
  props.push_back(Prop<&V::GetKeyOptions, &V::SetKeyOptions>("KeyOptions").Default(TKeyOptions{}));
  props.push_back(Prop<&G::GetOptions, &G::SetOptions>("Options").Default(DefaultValueListOptions));
  AddControlProps(props, {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  AddControlProps(props, {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&V::GetStrings, &V::SetStrings>("Strings"));
  AddControlProps(props, {"TabOrder"});
  props.push_back(TabStopByDefault());
  props.push_back(Prop<&V::GetTitleCaptions, &V::SetTitleCaptions>("TitleCaptions").StoredBy<&V::IsTitleCaptionsStored>());
  AddControlProps(props, {"Visible"});
  return props;
}

}  // namespace

void RegisterValEditClasses() {
  if (valEditCount++ > 0) return;
  RegisterProperties(&TValueListEditor::StaticMetaClass, ValueListProps());
  RegisterClass(&TValueListEditor::StaticMetaClass);
}

void UnregisterValEditClasses() {
  if (valEditCount == 0 || --valEditCount > 0) return;
  UnRegisterClass(&TValueListEditor::StaticMetaClass);
  UnregisterProperties(&TValueListEditor::StaticMetaClass);
}

std::span<const TClass> ValEditClasses() {
  static constexpr TClass kClasses[] = {&TValueListEditor::StaticMetaClass};
  return kClasses;
}

}  // namespace host
