// Start-up and shutdown of the edit-box group of extctrls: the published
// properties of labeled edits (an edit's, with the label nested as
// EditLabel) and colour boxes (a combo box's without its items, which the
// colour box makes itself), with their classic defaults, in the order of
// their names as the classic ones have them, and their streamable classes. A labeled edit read from a form file that
// wrote LabelPosition or LabelSpacing at their defaults writes them again.
#include <climits>
#include <vector>

#include "host/classes/keptprops.h"
#include "host/controls/controlprops.h"
#include "host/extctrls/editboxes.h"
#include "host/extctrls/extctrls.h"
#include "host/stdctrls/modelprops.h"

namespace host {

namespace {

int editBoxesCount = 0;

constexpr TClass kStreamedClasses[] = {&TLabeledEdit::StaticMetaClass, &TColorBox::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomLabeledEdit::StaticMetaClass, &TCustomColorBox::StaticMetaClass};

// The bound label publishes a label's looks but not its place, which
// follows the edit, nor what the edit decides (visibility, focus control).
void RegisterBoundLabelProperties() {
  using C = TControl;
  const std::vector<TPropInfo> label = PublishedBeyond(&TLabel::StaticMetaClass, &TCustomLabel::StaticMetaClass);
  std::vector<TPropInfo> props = {Prop<&C::GetLeft, &C::SetLeft>("Left").Stored(false),
                                  Prop<&C::GetTop, &C::SetTop>("Top").Stored(false)};
  for (const char* name : {"BiDiMode", "Caption", "Color", "DragCursor", "DragKind", "DragMode", "Font", "Layout",
                           "ParentBiDiMode", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu",
                           "ShowAccelChar", "ShowHint", "Transparent", "WordWrap"})
    props.push_back(PropNamed(label, name));
  RegisterProperties(&TBoundLabel::StaticMetaClass, std::move(props));
}

// Whether the form file the instance was read from wrote the property
// (classic designers of some eras write these even at their defaults).
bool WrittenAtDefault(TObject* Instance, std::string_view Name) {
  return WasPropertyRead(static_cast<TPersistent*>(Instance), Name).value_or(false);
}

void RegisterLabeledEditProperties() {
  using L = TCustomLabeledEdit;
  std::vector<TPropInfo> props = PublishedBeyond(&TEdit::StaticMetaClass, &TCustomEdit::StaticMetaClass);
  props.push_back(Prop<&L::GetEditLabelProps>("EditLabel"));
  TPropInfo position = Prop<&L::GetLabelPosition, &L::SetLabelPosition>("LabelPosition");
  position.StoredProc = [](TObject* Instance) {
    return static_cast<L*>(Instance)->GetLabelPosition() != lpAbove || WrittenAtDefault(Instance, "LabelPosition");
  };
  TPropInfo spacing = Prop<&L::GetLabelSpacing, &L::SetLabelSpacing>("LabelSpacing");
  spacing.StoredProc = [](TObject* Instance) {
    return static_cast<L*>(Instance)->GetLabelSpacing() != 3 || WrittenAtDefault(Instance, "LabelSpacing");
  };
  // Stored exactly as StoredProc says, whatever the value.
  position = position.Default(INT32_MIN);
  spacing = spacing.Default(INT32_MIN);
  props.push_back(position);
  props.push_back(spacing);
  SortByName(props);
  RegisterProperties(&TLabeledEdit::StaticMetaClass, std::move(props));
  RegisterRememberedProperties(&TCustomLabeledEdit::StaticMetaClass, {"LabelPosition", "LabelSpacing"});
}

void RegisterColorBoxProperties() {
  using B = TCustomColorBox;
  std::vector<TPropInfo> props = PublishedBeyond(&TComboBox::StaticMetaClass, &TCustomComboBox::StaticMetaClass);
  RemoveProps(props, {"Sorted", "Items", "ItemIndex", "Text", "MaxLength"});
  const TColorBoxStyle style = {cbStandardColors, cbExtendedColors, cbSystemColors};
  props.push_back(Prop<&B::GetDefaultColorColor, &B::SetDefaultColorColor>("DefaultColorColor").Default(clBlack));
  props.push_back(Prop<&B::GetNoneColorColor, &B::SetNoneColorColor>("NoneColorColor").Default(clBlack));
  props.push_back(Prop<&B::GetSelected, &B::SetSelected>("Selected").Default(clBlack));
  ReplaceProp(props, Prop<&B::GetStyle, &B::SetStyle>("Style").Default(style));
  ReplaceProp(props, Prop<&B::GetItemHeight, &B::SetItemHeight>("ItemHeight").Default(16));
  SortByName(props);
  RegisterProperties(&TColorBox::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterEditBoxControls() {
  if (editBoxesCount++ > 0) return;
  RegisterBoundLabelProperties();
  RegisterLabeledEditProperties();
  RegisterColorBoxProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterEditBoxControls() {
  if (editBoxesCount == 0 || --editBoxesCount > 0) return;
  UnregisterRememberedProperties(&TCustomLabeledEdit::StaticMetaClass);
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  UnregisterProperties(&TBoundLabel::StaticMetaClass);
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> EditBoxControlClasses() {
  static constexpr TClass kClasses[] = {&TBoundLabel::StaticMetaClass, &TCustomLabeledEdit::StaticMetaClass,
                                        &TLabeledEdit::StaticMetaClass, &TCustomColorBox::StaticMetaClass,
                                        &TColorBox::StaticMetaClass};
  return kClasses;
}

}  // namespace host
