// Start-up and shutdown of the first extctrls group: the published
// properties of shapes, paint boxes, images, bevels, timers, panels and
// radio groups with their classic defaults, and their streamable classes.
#include <vector>

#include "host/controls/controlprops.h"
#include "host/extctrls/shapespanels.h"

namespace host {

namespace {

int groupACount = 0;

constexpr TClass kStreamedClasses[] = {
    &TShape::StaticMetaClass, &TPaintBox::StaticMetaClass, &TImage::StaticMetaClass,     &TBevel::StaticMetaClass,
    &TTimer::StaticMetaClass, &TPanel::StaticMetaClass,    &TRadioGroup::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomPanel::StaticMetaClass, &TCustomRadioGroup::StaticMetaClass};

void RegisterShape() {
  using S = TShape;
  std::vector<TPropInfo> props =
      PublishedControlProps({"Align", "Anchors", "DragCursor", "DragKind", "DragMode", "Enabled", "Constraints",
                             "ParentShowHint", "ShowHint", "Visible"});
  props.push_back(Prop<&S::GetBrush, &S::SetBrush>("Brush"));
  props.push_back(Prop<&S::GetPen, &S::SetPen>("Pen"));
  props.push_back(Prop<&S::GetShape, &S::SetShape>("Shape").Default(stRectangle));
  RegisterProperties(&TShape::StaticMetaClass, ClassicOrder(std::move(props)));
}

void RegisterPaintBox() {
  RegisterProperties(&TPaintBox::StaticMetaClass,
                     PublishedControlProps({"Align", "Anchors", "Color", "Constraints", "DragCursor", "DragKind",
                                            "DragMode", "Enabled", "Font", "ParentColor", "ParentFont",
                                            "ParentShowHint", "PopupMenu", "ShowHint", "Visible"}));
}

void RegisterImage() {
  using I = TImage;
  std::vector<TPropInfo> props =
      PublishedControlProps({"Align", "Anchors", "AutoSize", "Constraints", "DragCursor", "DragKind", "DragMode",
                             "Enabled", "ParentShowHint", "PopupMenu", "ShowHint", "Visible"});
  props.push_back(Prop<&I::GetCenter, &I::SetCenter>("Center").Default(false));
  props.push_back(Prop<&I::GetIncrementalDisplay, &I::SetIncrementalDisplay>("IncrementalDisplay").Default(false));
  props.push_back(Prop<&I::GetPicture, &I::SetPicture>("Picture"));
  props.push_back(Prop<&I::GetStretch, &I::SetStretch>("Stretch").Default(false));
  props.push_back(Prop<&I::GetTransparent, &I::SetTransparent>("Transparent").Default(false));
  RegisterProperties(&TImage::StaticMetaClass, ClassicOrder(std::move(props)));
}

void RegisterBevel() {
  using B = TBevel;
  std::vector<TPropInfo> props =
      PublishedControlProps({"Align", "Anchors", "Constraints", "ParentShowHint", "ShowHint", "Visible"});
  props.push_back(Prop<&B::GetShape, &B::SetShape>("Shape").Default(bsBox));
  props.push_back(Prop<&B::GetStyle, &B::SetStyle>("Style").Default(bsLowered));
  RegisterProperties(&TBevel::StaticMetaClass, ClassicOrder(std::move(props)));
}

void RegisterTimer() {
  using T = TTimer;
  RegisterProperties(&TTimer::StaticMetaClass, {Prop<&T::GetEnabled, &T::SetEnabled>("Enabled").Default(true),
                                                Prop<&T::GetInterval, &T::SetInterval>("Interval").Default(1000)});
}

// The bevels with the panel's own defaults and checks.
void RegisterPanel() {
  using P = TCustomPanel;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align",     "Anchors",     "AutoSize",       "BevelWidth",  "BiDiMode",    "BorderWidth", "Caption",
       "Color",     "Constraints", "Ctl3D",          "DockSite",    "DragCursor",  "DragKind",    "DragMode",
       "Enabled",   "Font",        "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",  "ParentShowHint",
       "PopupMenu", "ShowHint",    "TabOrder",       "TabStop",     "Visible"});
  props.push_back(Prop<&P::GetAlignment, &P::SetAlignment>("Alignment").Default(taCenter));
  props.push_back(Prop<&P::GetBevelInner, &P::SetBevelInner>("BevelInner").Default(bvNone));
  props.push_back(Prop<&P::GetBevelOuter, &P::SetBevelOuter>("BevelOuter").Default(bvRaised));
  props.push_back(Prop<&P::GetBorderStyle, &P::SetBorderStyle>("BorderStyle").Default(bsNone));
  props.push_back(Prop<&P::GetFullRepaint, &P::SetFullRepaint>("FullRepaint").Default(true));
  props.push_back(Prop<&P::GetLocked, &P::SetLocked>("Locked").Default(false));
  props.push_back(Prop<&P::GetShowCaption, &P::SetShowCaption>("ShowCaption").Default(true));
  props.push_back(Prop<&P::GetUseDockManager, &P::SetUseDockManager>("UseDockManager").Default(true));
  // A panel has a colour of its own (clBtnFace), not its parent's.
  for (TPropInfo& p : props) {
    if (p.Name == "Color") p = Prop<&TControl::GetColor, &TControl::SetColor>("Color").Default(clBtnFace);
    if (p.Name == "ParentColor") p = p.Default(false);
  }
  RegisterProperties(&TPanel::StaticMetaClass, ClassicOrder(std::move(props)));
}

// Items before ItemIndex is not needed: the index read is checked once the
// group is loaded.
void RegisterRadioGroup() {
  using R = TCustomRadioGroup;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align",          "Anchors",     "BiDiMode",    "Caption",    "Color",          "Constraints",
       "Ctl3D",          "DragCursor",  "DragKind",    "DragMode",   "Enabled",        "Font",
       "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint", "PopupMenu",
       "ShowHint",       "TabOrder",    "TabStop",     "Visible"});
  props.push_back(Prop<&R::GetColumns, &R::SetColumns>("Columns").Default(1));
  props.push_back(Prop<&R::GetItemIndex, &R::SetItemIndex>("ItemIndex").Default(-1));
  props.push_back(Prop<&R::GetItems, &R::SetItems>("Items"));
  RegisterProperties(&TRadioGroup::StaticMetaClass, ClassicOrder(std::move(props)));
}

}  // namespace

void RegisterShapeAndPanelControls() {
  if (groupACount++ > 0) return;
  RegisterShape();
  RegisterPaintBox();
  RegisterImage();
  RegisterBevel();
  RegisterTimer();
  RegisterPanel();
  RegisterRadioGroup();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterShapeAndPanelControls() {
  if (groupACount == 0 || --groupACount > 0) return;
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> ShapeAndPanelControlClasses() {
  static constexpr TClass kClasses[] = {
      &TShape::StaticMetaClass,      &TPaintBox::StaticMetaClass,
      &TImage::StaticMetaClass,      &TBevel::StaticMetaClass,
      &TTimer::StaticMetaClass,      &TCustomPanel::StaticMetaClass,
      &TPanel::StaticMetaClass,      &TCustomRadioGroup::StaticMetaClass,
      &TRadioGroup::StaticMetaClass, &TGroupButton::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
