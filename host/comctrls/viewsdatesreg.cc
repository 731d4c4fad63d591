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

constexpr TClass kStreamedClasses[] = {&TTreeView::StaticMetaClass, &TRichEdit::StaticMetaClass,
                                       &TDateTimePicker::StaticMetaClass, &TMonthCalendar::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomTreeView::StaticMetaClass, &TCustomRichEdit::StaticMetaClass,
                                       &TCommonCalendar::StaticMetaClass};

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
  props = WithControlProps(std::move(props), {"BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BevelWidth", "BiDiMode"});
  props.push_back(Prop<&T::GetBorderStyle, &T::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props = WithControlProps(std::move(props), {"BorderWidth"});
  props.push_back(Prop<&T::GetChangeDelay, &T::SetChangeDelay>("ChangeDelay").Default(0));
  props = WithOwnColor(std::move(props));
  props = WithControlProps(std::move(props), {"Ctl3D", "Constraints", "DragKind", "DragCursor", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetHideSelection, &T::SetHideSelection>("HideSelection").Default(true));
  props.push_back(Prop<&T::GetHotTrack, &T::SetHotTrack>("HotTrack").Default(false));
  props.push_back(Prop<&T::GetImages, &T::SetImages>("Images"));
  props.push_back(Prop<&T::GetIndent, &T::SetIndent>("Indent"));
  props = WithControlProps(std::move(props), {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props = WithControlProps(std::move(props), {"ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetReadOnly, &T::SetReadOnly>("ReadOnly").Default(false));
  props.push_back(Prop<&T::GetRightClickSelect, &T::SetRightClickSelect>("RightClickSelect").Default(false));
  props.push_back(Prop<&T::GetRowSelect, &T::SetRowSelect>("RowSelect").Default(false));
  props.push_back(Prop<&T::GetShowButtons, &T::SetShowButtons>("ShowButtons").Default(true));
  props = WithControlProps(std::move(props), {"ShowHint"});
  props.push_back(Prop<&T::GetShowLines, &T::SetShowLines>("ShowLines").Default(true));
  props.push_back(Prop<&T::GetShowRoot, &T::SetShowRoot>("ShowRoot").Default(true));
  props.push_back(Prop<&T::GetSortType, &T::SetSortType>("SortType").Default(stNone));
  props.push_back(Prop<&T::GetStateImages, &T::SetStateImages>("StateImages"));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(TabStopByDefault());
  props.push_back(Prop<&T::GetToolTips, &T::SetToolTips>("ToolTips").Default(true));
  props = WithControlProps(std::move(props), {"Visible"});
  // After the events in the classic declaration, so last in a form file.
  props.push_back(Prop<&T::GetItems, &T::SetItems>("Items"));
  RegisterProperties(&TTreeView::StaticMetaClass, std::move(props));
  RegisterKeptProperties(&TTreeView::StaticMetaClass, {"MultiSelect", "MultiSelectStyle"});
}

void RegisterRichEditProperties() {
  using E = TCustomEdit;
  using M = TCustomMemo;
  using R = TCustomRichEdit;
  std::vector<TPropInfo> props = PublishedControlProps({"Align"});
  props.push_back(Prop<&M::GetAlignment, &M::SetAlignment>("Alignment").Default(taLeftJustify));
  props = WithControlProps(std::move(props), {"Anchors", "BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BiDiMode"});
  props.push_back(Prop<&E::GetBorderStyle, &E::SetBorderStyle>("BorderStyle").Default(bsSingle));
  props = WithControlProps(std::move(props), {"BorderWidth"});
  props.push_back(Prop<&E::GetColor, &E::SetColor>("Color").Default(clWindow));
  props = WithControlProps(std::move(props), {"Ctl3D", "DragCursor", "DragKind", "Constraints", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&E::GetHideSelection, &E::SetHideSelection>("HideSelection").Default(true));
  props.push_back(Prop<&R::GetHideScrollBars, &R::SetHideScrollBars>("HideScrollBars").Default(true));
  props = WithControlProps(std::move(props), {"ImeMode", "ImeName"});
  props.push_back(Prop<&M::GetLines, &M::SetLines>("Lines"));
  props.push_back(Prop<&E::GetMaxLength, &E::SetMaxLength>("MaxLength").Default(0));
  props = WithControlProps(std::move(props), {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props = WithControlProps(std::move(props), {"ParentCtl3D", "ParentFont", "ParentShowHint"});
  props.push_back(Prop<&R::GetPlainText, &R::SetPlainText>("PlainText").Default(false));
  props = WithControlProps(std::move(props), {"PopupMenu"});
  props.push_back(Prop<&E::GetReadOnly, &E::SetReadOnly>("ReadOnly").Default(false));
  props.push_back(Prop<&M::GetScrollBars, &M::SetScrollBars>("ScrollBars").Default(ssNone));
  props = WithControlProps(std::move(props), {"ShowHint", "TabOrder"});
  props.push_back(TabStopByDefault());
  props = WithControlProps(std::move(props), {"Visible"});
  props.push_back(Prop<&M::GetWantTabs, &M::SetWantTabs>("WantTabs").Default(false));
  props.push_back(Prop<&M::GetWantReturns, &M::SetWantReturns>("WantReturns").Default(true));
  props.push_back(Prop<&M::GetWordWrap, &M::SetWordWrap>("WordWrap").Default(true));
  RegisterProperties(&TRichEdit::StaticMetaClass, std::move(props));
}

void RegisterCalColorsProperties() {
  using K = TMonthCalColors;
  RegisterProperties(&TMonthCalColors::StaticMetaClass,
                     {
                         Prop<&K::GetColor<K::ciBack>, &K::SetColor<K::ciBack>>("BackColor").Default(clWindow),
                         Prop<&K::GetColor<K::ciText>, &K::SetColor<K::ciText>>("TextColor").Default(clWindowText),
                         Prop<&K::GetColor<K::ciTitleBack>, &K::SetColor<K::ciTitleBack>>("TitleBackColor")
                             .Default(clActiveCaption),
                         Prop<&K::GetColor<K::ciTitleText>, &K::SetColor<K::ciTitleText>>("TitleTextColor")
                             .Default(clWhite),
                         Prop<&K::GetColor<K::ciMonthBack>, &K::SetColor<K::ciMonthBack>>("MonthBackColor")
                             .Default(clWhite),
                         Prop<&K::GetColor<K::ciTrailingText>, &K::SetColor<K::ciTrailingText>>("TrailingTextColor")
                             .Default(clInactiveCaptionText),
                     });
}

void RegisterDateTimePickerProperties() {
  using P = TDateTimePicker;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Anchors", "BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BevelWidth", "BiDiMode"});
  props.push_back(Prop<&P::GetCalAlignment, &P::SetCalAlignment>("CalAlignment").Default(dtaLeft));
  props.push_back(Prop<&P::GetCalColors, &P::SetCalColors>("CalColors"));
  props = WithControlProps(std::move(props), {"Constraints"});
  props.push_back(Prop<&P::GetDate, &P::SetDate>("Date"));
  props.push_back(Prop<&P::GetFormat, &P::SetFormat>("Format"));
  props.push_back(Prop<&P::GetTime, &P::SetTime>("Time"));
  props.push_back(Prop<&P::GetShowCheckbox, &P::SetShowCheckbox>("ShowCheckbox").Default(false));
  props.push_back(Prop<&P::GetChecked, &P::SetChecked>("Checked").Default(true));
  props = WithOwnColor(std::move(props));
  props.push_back(Prop<&P::GetDateFormat, &P::SetDateFormat>("DateFormat").Default(dfShort));
  props.push_back(Prop<&P::GetDateMode, &P::SetDateMode>("DateMode").Default(dmComboBox));
  props = WithControlProps(std::move(props), {"DragCursor", "DragKind", "DragMode", "Enabled", "Font", "ImeMode", "ImeName"});
  props.push_back(Prop<&P::GetKind, &P::SetKind>("Kind").Default(dtkDate));
  // A limit of 0 (none) is not written, as for every float.
  props.push_back(Prop<&P::GetMaxDate, &P::SetMaxDate>("MaxDate"));
  props.push_back(Prop<&P::GetMinDate, &P::SetMinDate>("MinDate"));
  props.push_back(Prop<&P::GetParseInput, &P::SetParseInput>("ParseInput").Default(false));
  props = WithControlProps(std::move(props), {"ParentBiDiMode"});
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props = WithControlProps(std::move(props), {"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  props.push_back(TabStopByDefault());
  RegisterProperties(&TDateTimePicker::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterMonthCalendarProperties() {
  using C = TMonthCalendar;
  std::vector<TPropInfo> props = PublishedControlProps({"Align", "Anchors", "AutoSize", "BiDiMode", "BorderWidth"});
  props.push_back(Prop<&C::GetCalColors, &C::SetCalColors>("CalColors"));
  props = WithControlProps(std::move(props), {"Constraints"});
  props.push_back(Prop<&C::GetMultiSelect, &C::SetMultiSelect>("MultiSelect").Default(false));
  props.push_back(Prop<&C::GetDate, &C::SetDate>("Date"));
  props = WithControlProps(std::move(props), {"DragCursor", "DragKind", "DragMode", "Enabled"});
  props.push_back(Prop<&C::GetEndDate, &C::SetEndDate>("EndDate").StoredBy<&C::GetMultiSelect>());
  props.push_back(Prop<&C::GetFirstDayOfWeek, &C::SetFirstDayOfWeek>("FirstDayOfWeek").Default(dowLocaleDefault));
  props = WithControlProps(std::move(props), {"Font", "ImeMode", "ImeName"});
  props.push_back(Prop<&C::GetMaxDate, &C::SetMaxDate>("MaxDate"));
  props.push_back(Prop<&C::GetMaxSelectRange, &C::SetMaxSelectRange>("MaxSelectRange").Default(31));
  props.push_back(Prop<&C::GetMinDate, &C::SetMinDate>("MinDate"));
  props = WithControlProps(std::move(props), {"ParentBiDiMode", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&C::GetShowToday, &C::SetShowToday>("ShowToday").Default(true));
  props.push_back(Prop<&C::GetShowTodayCircle, &C::SetShowTodayCircle>("ShowTodayCircle").Default(true));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(TabStopByDefault());
  props = WithControlProps(std::move(props), {"Visible"});
  props.push_back(Prop<&C::GetWeekNumbers, &C::SetWeekNumbers>("WeekNumbers").Default(false));
  RegisterProperties(&TMonthCalendar::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterViewsDatesClasses() {
  if (viewsDatesCount++ > 0) return;
  RegisterTreeViewProperties();
  RegisterRichEditProperties();
  RegisterCalColorsProperties();
  RegisterDateTimePickerProperties();
  RegisterMonthCalendarProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterViewsDatesClasses() {
  if (viewsDatesCount == 0 || --viewsDatesCount > 0) return;
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
    UnregisterKeptProperties(c);
  }
  UnregisterProperties(&TMonthCalColors::StaticMetaClass);
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> ViewsDatesClasses() {
  static constexpr TClass kClasses[] = {
      &TTreeLabelEdit::StaticMetaClass,  &TCustomTreeView::StaticMetaClass, &TTreeView::StaticMetaClass,
      &TCustomRichEdit::StaticMetaClass, &TRichEdit::StaticMetaClass,       &TCommonCalendar::StaticMetaClass,
      &TDateTimePicker::StaticMetaClass, &TMonthCalendar::StaticMetaClass,  &TDropDownCalendar::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
