// Start-up and shutdown of the comctrls unit: the published properties of
// page controls, tab sheets, list views, tool bars and tool buttons with
// their classic defaults, and their streamable classes. A page control's
// ActivePage is a reference to one of its pages, resolved once the form's
// components are all read.
#include <vector>

#include "host/classes/keptprops.h"
#include "host/comctrls/comctrls.h"
#include "host/controls/controlprops.h"
#include "host/imglist/imglist.h"
#include "host/menus/menu.h"

namespace host {

namespace {

int comCtrlsCount = 0;

constexpr TClass kStreamedClasses[] = {&TTabSheet::StaticMetaClass, &TPageControl::StaticMetaClass,
                                       &TListView::StaticMetaClass, &TToolButton::StaticMetaClass,
                                       &TToolBar::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomListView::StaticMetaClass};

void RegisterTabSheetProperties() {
  using T = TTabSheet;
  std::vector<TPropInfo> props = PublishedControlProps({"Caption", "Enabled", "Font"});
  props.push_back(Prop<&T::GetImageIndex, &T::SetImageIndex>("ImageIndex").Default(-1));
  props.push_back(Prop<&T::GetPageIndex, &T::SetPageIndex>("PageIndex").Stored(false));
  props = WithControlProps(std::move(props), {"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetTabVisible, &T::SetTabVisible>("TabVisible").Default(true));
  RegisterProperties(&TTabSheet::StaticMetaClass, std::move(props));
}

void RegisterPageControlProperties() {
  using T = TPageControl;
  std::vector<TPropInfo> props = {Prop<&T::GetActivePage, &T::SetActivePage>("ActivePage")};
  props = WithControlProps(std::move(props),
               {"Align", "Anchors", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetImages, &T::SetImages>("Images"));
  props.push_back(Prop<&T::GetMultiLine, &T::SetMultiLine>("MultiLine").Default(false));
  props = WithControlProps(std::move(props), {"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetStyle, &T::SetStyle>("Style").Default(tsTabs));
  props.push_back(Prop<&T::GetTabHeight, &T::SetTabHeight>("TabHeight").Default(0));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(Prop<&T::GetTabPosition, &T::SetTabPosition>("TabPosition").Default(tpTop));
  props = WithControlProps(std::move(props), {"TabStop"});
  props.push_back(Prop<&T::GetTabWidth, &T::SetTabWidth>("TabWidth").Default(0));
  RegisterProperties(&TPageControl::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterListColumnProperties() {
  using T = TListColumn;
  RegisterProperties(&TListColumn::StaticMetaClass,
                     {Prop<&T::GetAlignment, &T::SetAlignment>("Alignment").Default(taLeftJustify),
                      Prop<&T::GetAutoSize, &T::SetAutoSize>("AutoSize").Default(false),
                      Prop<&T::GetCaption, &T::SetCaption>("Caption"),
                      Prop<&T::GetImageIndex, &T::SetImageIndex>("ImageIndex").Default(-1),
                      Prop<&T::GetMaxWidth, &T::SetMaxWidth>("MaxWidth").Default(0),
                      Prop<&T::GetMinWidth, &T::SetMinWidth>("MinWidth").Default(0),
                      Prop<&T::GetTag, &T::SetTag>("Tag").Default(0),
                      Prop<&T::GetWidth, &T::SetWidth>("Width").Default(DefaultColumnWidth)});
}

void RegisterListViewProperties() {
  using T = TCustomListView;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align", "Anchors", "BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BevelWidth", "BiDiMode"});
  props.push_back(Prop<&T::GetBorderStyle, &T::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props = WithControlProps(std::move(props), {"BorderWidth"});
  props.push_back(Prop<&T::GetCheckboxes, &T::SetCheckboxes>("Checkboxes").Default(false));
  props.push_back(PublishedControlProps({"Color"}).front().Default(clWindow));
  // Written even when empty ("Columns = <>"), as the classic list view does.
  props.push_back(Prop<&T::GetColumns, &T::SetColumns>("Columns").StoredBy<&T::ColumnsStored>());
  props.push_back(Prop<&T::GetColumnClick, &T::SetColumnClick>("ColumnClick").Default(true));
  props = WithControlProps(std::move(props), {"Constraints", "Ctl3D", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetGridLines, &T::SetGridLines>("GridLines").Default(false));
  props.push_back(Prop<&T::GetHideSelection, &T::SetHideSelection>("HideSelection").Default(true));
  props.push_back(Prop<&T::GetItems, &T::SetItems>("Items"));
  props.push_back(Prop<&T::GetLargeImages, &T::SetLargeImages>("LargeImages"));
  props.push_back(Prop<&T::GetMultiSelect, &T::SetMultiSelect>("MultiSelect").Default(false));
  props.push_back(Prop<&T::GetReadOnly, &T::SetReadOnly>("ReadOnly").Default(false));
  props.push_back(Prop<&T::GetRowSelect, &T::SetRowSelect>("RowSelect").Default(false));
  props = WithControlProps(std::move(props), {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props = WithControlProps(std::move(props), {"ParentFont", "ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetShowColumnHeaders, &T::SetShowColumnHeaders>("ShowColumnHeaders").Default(true));
  props = WithControlProps(std::move(props), {"ShowHint"});
  props.push_back(Prop<&T::GetSmallImages, &T::SetSmallImages>("SmallImages"));
  props.push_back(Prop<&T::GetSortType, &T::SetSortType>("SortType").Default(stNone));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(TabStopByDefault());
  props.push_back(Prop<&T::GetViewStyle, &T::SetViewStyle>("ViewStyle").Default(vsIcon));
  RegisterProperties(&TListView::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
  // The classic binary of design-time items is kept as read and written back.
  RegisterKeptProperties(&TListItems::StaticMetaClass, {"ItemData"});
}

void RegisterToolButtonProperties() {
  using T = TToolButton;
  std::vector<TPropInfo> props = {Prop<&TControl::GetAction, &TControl::SetAction>("Action"),
                                  Prop<&T::GetAllowAllUp, &T::SetAllowAllUp>("AllowAllUp").Default(false)};
  props = WithControlProps(std::move(props), {"Caption"});
  props.push_back(Prop<&T::GetDown, &T::SetDown>("Down").Default(false));
  props.push_back(Prop<&T::GetDropdownMenu, &T::SetDropdownMenu>("DropdownMenu"));
  props = WithControlProps(std::move(props), {"Enabled"});
  props.push_back(Prop<&T::GetGrouped, &T::SetGrouped>("Grouped").Default(false));
  props.push_back(Prop<&T::GetImageIndex, &T::SetImageIndex>("ImageIndex").Default(-1));
  props = WithControlProps(std::move(props), {"ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetStyle, &T::SetStyle>("Style").Default(tbsButton));
  RegisterProperties(&TToolButton::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterToolBarProperties() {
  using T = TToolBar;
  std::vector<TPropInfo> props = {Prop<&TControl::GetAlign, &TControl::SetAlign>("Align").Default(alTop)};
  props = WithControlProps(std::move(props), {"Anchors"});
  props.push_back(Prop<&T::GetButtonHeight, &T::SetButtonHeight>("ButtonHeight").Default(22));
  props.push_back(Prop<&T::GetButtonWidth, &T::SetButtonWidth>("ButtonWidth").Default(23));
  props = WithControlProps(std::move(props), {"Color", "Constraints", "Enabled"});
  props.push_back(Prop<&T::GetFlat, &T::SetFlat>("Flat").Default(false));
  props = WithControlProps(std::move(props), {"Font"});
  props.push_back(Prop<&T::GetImages, &T::SetImages>("Images"));
  props = WithControlProps(std::move(props), {"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetShowCaptions, &T::SetShowCaptions>("ShowCaptions").Default(false));
  RegisterProperties(&TToolBar::StaticMetaClass,
                     WithControlProps(std::move(props), {"ShowHint", "TabOrder", "TabStop", "Visible"}));
}

}  // namespace

void RegisterComCtrlsClasses() {
  if (comCtrlsCount++ > 0) return;
  RegisterTabSheetProperties();
  RegisterPageControlProperties();
  RegisterListColumnProperties();
  RegisterListViewProperties();
  RegisterToolButtonProperties();
  RegisterToolBarProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
  RegisterComCtrlsBarClasses();
  RegisterViewsDatesClasses();
}

void UnregisterComCtrlsClasses() {
  if (comCtrlsCount == 0 || --comCtrlsCount > 0) return;
  UnregisterComCtrlsBarClasses();
  UnregisterViewsDatesClasses();
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
  UnregisterProperties(&TListColumn::StaticMetaClass);
  UnregisterKeptProperties(&TListItems::StaticMetaClass);
}

std::span<const TClass> ComCtrlsClasses() {
  static constexpr TClass kClasses[] = {
      &TTabSheet::StaticMetaClass, &TPageControl::StaticMetaClass, &TCustomListView::StaticMetaClass,
      &TListView::StaticMetaClass, &TToolButton::StaticMetaClass,  &TToolBar::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
