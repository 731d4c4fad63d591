// Start-up and shutdown of the pages-and-bars group: the published
// properties of notebooks and their pages, headers, splitters and control
// bars with their classic defaults, and their streamable classes.
#include <vector>

#include "host/controls/controlprops.h"
#include "host/extctrls/pagesbars.h"

namespace host {

namespace {

int pageAndBarControlsCount = 0;

constexpr TClass kStreamedClasses[] = {&TPage::StaticMetaClass, &TNotebook::StaticMetaClass, &THeader::StaticMetaClass,
                                       &TSplitter::StaticMetaClass, &TControlBar::StaticMetaClass};
// Registered with the streamed classes as their ancestors.
constexpr TClass kAncestorClasses[] = {&TCustomControlBar::StaticMetaClass};

void RegisterPageProperties() {
  std::vector<TPropInfo> props = PublishedControlProps({"Caption", "TabOrder", "Visible"});
  RegisterProperties(&TPage::StaticMetaClass, std::move(props));
}

// PageIndex is written before the pages (the notebook's children) and
// taken once they are read; ActivePage and Pages follow from the pages.
void RegisterNotebookProperties() {
  using T = TNotebook;
  std::vector<TPropInfo> props = {Prop<&T::GetActivePage, &T::SetActivePage>("ActivePage").Stored(false)};
  for (const TPropInfo& p : PublishedControlProps({"Align", "Anchors", "Color", "Ctl3D", "DragCursor", "DragKind",
                                                   "DragMode", "Font", "Enabled", "Constraints"}))
    props.push_back(p);
  props.push_back(Prop<&T::GetPageIndex, &T::SetPageIndex>("PageIndex").Default(0));
  props.push_back(Prop<&T::GetPages, &T::SetPages>("Pages").Stored(false));
  for (const TPropInfo& p : PublishedControlProps({"ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint",
                                                   "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible"}))
    props.push_back(p);
  RegisterProperties(&TNotebook::StaticMetaClass, std::move(props));
}

void RegisterHeaderProperties() {
  using T = THeader;
  std::vector<TPropInfo> props = PublishedControlProps({"Align"});
  props.push_back(Prop<&T::GetAllowResize, &T::SetAllowResize>("AllowResize").Default(true));
  for (const TPropInfo& p : PublishedControlProps({"Anchors"})) props.push_back(p);
  props.push_back(Prop<&T::GetBorderStyle, &T::SetBorderStyle>("BorderStyle").Default(bsSingle));
  for (const TPropInfo& p :
       PublishedControlProps({"Constraints", "Enabled", "Font", "ParentFont", "ParentShowHint", "PopupMenu"}))
    props.push_back(p);
  props.push_back(Prop<&T::GetSections, &T::SetSections>("Sections"));
  for (const TPropInfo& p : PublishedControlProps({"ShowHint", "TabOrder", "TabStop", "Visible"})) props.push_back(p);
  RegisterProperties(&THeader::StaticMetaClass, std::move(props));
}

void RegisterSplitterProperties() {
  using T = TSplitter;
  RegisterProperties(&TSplitter::StaticMetaClass,
                     {
                         Prop<&TControl::GetAlign, &TControl::SetAlign>("Align").Default(alLeft),
                         Prop<&T::GetBeveled, &T::SetBeveled>("Beveled").Default(false),
                         PublishedControlProps({"Color"})[0],
                         PublishedControlProps({"Constraints"})[0],
                         Prop<&T::GetMinSize, &T::SetMinSize>("MinSize").Default(30),
                         PublishedControlProps({"ParentColor"})[0],
                         Prop<&T::GetResizeStyle, &T::SetResizeStyle>("ResizeStyle").Default(rsPattern),
                         PublishedControlProps({"Visible"})[0],
                     });
}

void RegisterControlBarProperties() {
  using T = TCustomControlBar;
  std::vector<TPropInfo> props = PublishedControlProps({"Align", "Anchors"});
  props.push_back(Prop<&T::GetAutoDrag, &T::SetAutoDrag>("AutoDrag").Default(true));
  for (const TPropInfo& p :
       PublishedControlProps({"AutoSize", "BevelEdges", "BevelInner", "BevelOuter", "BevelKind", "BevelWidth",
                              "BorderWidth", "Color", "Constraints", "DockSite", "DragCursor", "DragKind", "DragMode",
                              "Enabled", "ParentColor", "ParentCtl3D", "ParentFont", "ParentShowHint"}))
    props.push_back(p);
  props.push_back(Prop<&T::GetPicture, &T::SetPicture>("Picture"));
  props.push_back(PublishedControlProps({"PopupMenu"})[0]);
  props.push_back(Prop<&T::GetRowSize, &T::SetRowSize>("RowSize").Default(26));
  props.push_back(Prop<&T::GetRowSnap, &T::SetRowSnap>("RowSnap").Default(true));
  for (const TPropInfo& p : PublishedControlProps({"ShowHint", "TabOrder", "TabStop", "Visible"})) props.push_back(p);
  RegisterProperties(&TControlBar::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterPageAndBarControls() {
  if (pageAndBarControlsCount++ > 0) return;
  RegisterPageProperties();
  RegisterNotebookProperties();
  RegisterHeaderProperties();
  RegisterSplitterProperties();
  RegisterControlBarProperties();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterPageAndBarControls() {
  if (pageAndBarControlsCount == 0 || --pageAndBarControlsCount > 0) return;
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
  }
  for (TClass c : kAncestorClasses) UnRegisterClass(c);
}

std::span<const TClass> PageAndBarControlClasses() {
  static constexpr TClass kClasses[] = {
      &TPage::StaticMetaClass,     &TNotebook::StaticMetaClass,         &THeader::StaticMetaClass,
      &TSplitter::StaticMetaClass, &TCustomControlBar::StaticMetaClass, &TControlBar::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
