// Start-up and shutdown of the checklst unit: the published properties of
// the check list box (a list box's, with AllowGrayed and Flat, and
// ItemHeight always written, as the classic one writes it, in the order of
// their names as the classic one has them) and its streamable class.
#include <climits>
#include <vector>

#include "host/checklst/checklst.h"
#include "host/stdctrls/modelprops.h"

namespace host {

namespace {

int checkLstCount = 0;

void RegisterCheckListBoxProperties() {
  using L = TCheckListBox;
  using C = TCustomListControl;
  std::vector<TPropInfo> props = PublishedBeyond(&TListBox::StaticMetaClass, &TCustomListBox::StaticMetaClass);
  props.push_back(Prop<&L::GetAllowGrayed, &L::SetAllowGrayed>("AllowGrayed").Default(false));
  props.push_back(Prop<&L::GetFlat, &L::SetFlat>("Flat").Default(true));
  ReplaceProp(props, Prop<&C::GetItemHeight, &C::SetItemHeight>("ItemHeight").Default(INT32_MIN));
  SortByName(props);
  // The current item is read once the items are.
  const TPropInfo itemIndex = PropNamed(props, "ItemIndex");
  RemoveProps(props, {"ItemIndex"});
  props.insert(props.begin() + PropIndex(props, "Items") + 1, itemIndex);
  RegisterProperties(&TCheckListBox::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterCheckLstClasses() {
  if (checkLstCount++ > 0) return;
  RegisterCheckListBoxProperties();
  RegisterClass(&TCheckListBox::StaticMetaClass);
}

void UnregisterCheckLstClasses() {
  if (checkLstCount == 0 || --checkLstCount > 0) return;
  UnRegisterClass(&TCheckListBox::StaticMetaClass);
  UnregisterProperties(&TCheckListBox::StaticMetaClass);
}

std::span<const TClass> CheckLstClasses() {
  static constexpr TClass kClasses[] = {&TCheckListItems::StaticMetaClass, &TCheckListBox::StaticMetaClass};
  return kClasses;
}

}  // namespace host
