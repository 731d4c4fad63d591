// Start-up and shutdown of the grids unit: the published properties of the
// draw grid and the string grid with their classic defaults, and their
// streamable classes.
#include <span>
#include <string_view>
#include <vector>

#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/grids/grids.h"

namespace host {

namespace {

int gridsCount = 0;

constexpr TClass kStreamedClasses[] = {&TDrawGrid::StaticMetaClass, &TStringGrid::StaticMetaClass};

void AddControlProps(std::vector<TPropInfo>& Props, std::initializer_list<std::string_view> Names) {
  for (const TPropInfo& p : PublishedControlProps(Names)) Props.push_back(p);
}

// In the classic order, which reading relies on: each count before its
// fixed count.
std::vector<TPropInfo> GridProps() {
  using G = TCustomGrid;
  std::vector<TPropInfo> props;
  AddControlProps(props, {"Align", "Anchors", "BiDiMode"});
  props.push_back(Prop<&G::GetBorderStyle, &G::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props.push_back(PublishedControlProps({"Color"}).front().Default(clWindow));
  props.push_back(Prop<&G::GetColCount, &G::SetColCount>("ColCount").Default(5));
  AddControlProps(props, {"Constraints", "Ctl3D"});
  props.push_back(Prop<&G::GetDefaultColWidth, &G::SetDefaultColWidth>("DefaultColWidth").Default(64));
  props.push_back(Prop<&G::GetDefaultRowHeight, &G::SetDefaultRowHeight>("DefaultRowHeight").Default(24));
  props.push_back(Prop<&G::GetDefaultDrawing, &G::SetDefaultDrawing>("DefaultDrawing").Default(true));
  AddControlProps(props, {"DragCursor", "DragKind", "DragMode", "Enabled"});
  props.push_back(Prop<&G::GetFixedColor, &G::SetFixedColor>("FixedColor").Default(clBtnFace));
  props.push_back(Prop<&G::GetFixedCols, &G::SetFixedCols>("FixedCols").Default(1));
  props.push_back(Prop<&G::GetRowCount, &G::SetRowCount>("RowCount").Default(5));
  props.push_back(Prop<&G::GetFixedRows, &G::SetFixedRows>("FixedRows").Default(1));
  AddControlProps(props, {"Font"});
  props.push_back(Prop<&G::GetGridLineWidth, &G::SetGridLineWidth>("GridLineWidth").Default(1));
  props.push_back(Prop<&G::GetOptions, &G::SetOptions>("Options").Default(DefaultGridOptions));
  AddControlProps(props, {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  AddControlProps(props, {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&G::GetScrollBars, &G::SetScrollBars>("ScrollBars").Default(ssBoth));
  AddControlProps(props, {"ShowHint", "TabOrder"});
  props.push_back(TabStopByDefault());
  AddControlProps(props, {"Visible"});
  return props;
}

}  // namespace

void RegisterGridsClasses() {
  if (gridsCount++ > 0) return;
  // The string grid publishes what the draw grid does.
  RegisterProperties(&TDrawGrid::StaticMetaClass, GridProps());
  // The later libraries' themed grid looks, kept and written back.
  RegisterKeptProperties(&TCustomGrid::StaticMetaClass, {"DrawingStyle", "GradientEndColor", "GradientStartColor"});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterGridsClasses() {
  if (gridsCount == 0 || --gridsCount > 0) return;
  UnregisterKeptProperties(&TCustomGrid::StaticMetaClass);
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
}

std::span<const TClass> GridsClasses() {
  static constexpr TClass kClasses[] = {&TInplaceEdit::StaticMetaClass, &TCustomGrid::StaticMetaClass,
                                        &TDrawGrid::StaticMetaClass, &TStringGrid::StaticMetaClass};
  return kClasses;
}

}  // namespace host
