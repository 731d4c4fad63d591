// Start-up and shutdown of the list group of the stdctrls unit: the
// published properties of list boxes and combo boxes, with the classic
// defaults, and their streamable classes. Items come before ItemIndex and
// Text so that a form file selects among items already read.
#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/stdctrls.h"

namespace host {

namespace {

int listControlsCount = 0;

constexpr TClass kStreamedClasses[] = {&TListBox::StaticMetaClass, &TComboBox::StaticMetaClass};
// Registered along with the streamed classes, their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomListBox::StaticMetaClass, &TCustomComboBox::StaticMetaClass,
                                       &TCustomListControl::StaticMetaClass};

// The shared properties both publish, with the windowed-control defaults
// the classic list and combo boxes have (their own colour, clWindow, and a
// tab stop).
std::vector<TPropInfo> SharedListProps() {
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align",      "Anchors",        "BevelEdges", "BevelInner", "BevelKind",      "BevelOuter",
       "BiDiMode",   "Constraints",    "Ctl3D",      "DragCursor", "DragKind",       "DragMode",
       "Enabled",    "Font",           "ImeMode",    "ImeName",    "ParentBiDiMode", "ParentCtl3D",
       "ParentFont", "ParentShowHint", "PopupMenu",  "ShowHint",   "TabOrder",       "Visible"});
  props.push_back(PublishedControlProps({"Color"}).front().Default(clWindow));
  props.push_back(Prop<&TControl::GetParentColor, &TControl::SetParentColor>("ParentColor").Default(false));
  props.push_back(TabStopByDefault());
  return props;
}

// What list and combo boxes both publish about their items, after their
// own properties.
void AppendItemProps(std::vector<TPropInfo>& Props) {
  using C = TCustomListControl;
  Props.insert(Props.end(),
               {
                   Prop<&C::GetItemHeight, &C::SetItemHeight>("ItemHeight").StoredBy<&C::IsItemHeightStored>(),
                   Prop<&C::GetSorted, &C::SetSorted>("Sorted").Default(false),
                   Prop<&C::GetItems, &C::SetItems>("Items"),
                   Prop<&C::GetItemIndex, &C::SetStreamedItemIndex>("ItemIndex").Default(-1),
               });
}

void RegisterListBoxProperties() {
  using L = TCustomListBox;
  std::vector<TPropInfo> props = SharedListProps();
  props.insert(props.end(), {
                                Prop<&L::GetStyle, &L::SetStyle>("Style").Default(lbStandard),
                                Prop<&L::GetColumns, &L::SetColumns>("Columns").Default(0),
                                Prop<&L::GetExtendedSelect, &L::SetExtendedSelect>("ExtendedSelect").Default(true),
                                Prop<&L::GetMultiSelect, &L::SetMultiSelect>("MultiSelect").Default(false),
                            });
  AppendItemProps(props);
  RegisterProperties(&TListBox::StaticMetaClass, ClassicOrder(std::move(props), {"Style"}));
}

void RegisterComboBoxProperties() {
  using B = TCustomComboBox;
  std::vector<TPropInfo> props = SharedListProps();
  props.insert(props.end(), {
                                Prop<&B::GetStyle, &B::SetStyle>("Style").Default(csDropDown),
                                Prop<&B::GetDropDownCount, &B::SetDropDownCount>("DropDownCount").Default(8),
                                Prop<&B::GetMaxLength, &B::SetMaxLength>("MaxLength").Default(0),
                            });
  AppendItemProps(props);
  props.push_back(Prop<&TControl::GetText, &B::SetText>("Text"));
  // Items come after the events in the classic declaration: last.
  RegisterProperties(&TComboBox::StaticMetaClass, ClassicOrder(std::move(props), {"Style"}, {"Items"}));
}

}  // namespace

void RegisterListControls() {
  if (listControlsCount++ > 0) return;
  RegisterListBoxProperties();
  RegisterComboBoxProperties();
  RegisterRememberedProperties(&TCustomListControl::StaticMetaClass, {"ItemHeight"});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterListControls() {
  if (listControlsCount == 0 || --listControlsCount > 0) return;
  UnregisterRememberedProperties(&TCustomListControl::StaticMetaClass);
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> ListControlClasses() {
  static constexpr TClass kClasses[] = {
      &TListItemStrings::StaticMetaClass, &TCustomListControl::StaticMetaClass, &TCustomListBox::StaticMetaClass,
      &TListBox::StaticMetaClass,         &TComboDropDownList::StaticMetaClass, &TCustomComboBox::StaticMetaClass,
      &TComboBox::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
