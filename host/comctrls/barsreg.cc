// Start-up and shutdown of the comctrls unit's status bar, range controls
// (progress bar, track bar, up-down), hot key, tab control and cool bar:
// their published properties with their classic defaults, and their
// streamable classes. The status bar's panels and the cool bar's bands are
// collections whose items publish their own properties; a band's Control
// and an up-down's Associate are references resolved once the form is read.
#include <vector>

#include "host/classes/keptprops.h"
#include "host/comctrls/comctrls.h"
#include "host/controls/controlprops.h"
#include "host/menus/menu.h"

namespace host {

namespace {

constexpr TClass kStreamedClasses[] = {&TStatusBar::StaticMetaClass, &TProgressBar::StaticMetaClass,
                                       &TTrackBar::StaticMetaClass,  &TUpDown::StaticMetaClass,
                                       &THotKey::StaticMetaClass,    &TTabControl::StaticMetaClass,
                                       &TCoolBar::StaticMetaClass};
// Items of the collections: their properties only.
constexpr TClass kItemClasses[] = {&TStatusPanel::StaticMetaClass, &TCoolBand::StaticMetaClass};

// Published by the classic controls (some only by later versions) for looks
// these controls do not draw: kept as a form file gives them and written
// back (keptprops.h).
void RegisterClassicExtras() {
  RegisterKeptProperties(&TStatusBar::StaticMetaClass, {"UseSystemFont"});
  RegisterKeptProperties(&TProgressBar::StaticMetaClass,
                         {"BarColor", "BackgroundColor", "MarqueeInterval", "State", "Style", "SmoothReverse"});
  RegisterKeptProperties(&TTrackBar::StaticMetaClass, {"ShowSelRange", "PositionToolTip"});
  RegisterKeptProperties(&TTabControl::StaticMetaClass,
                         {"HotTrack", "Images", "OwnerDraw", "RaggedRight", "ScrollOpposite", "MultiSelect"});
  RegisterKeptProperties(&TCoolBar::StaticMetaClass,
                         {"EdgeBorders", "EdgeInner", "EdgeOuter", "Images", "Bitmap", "BandMaximize"});
  RegisterKeptProperties(&TCoolBand::StaticMetaClass, {"Bitmap", "Color", "ParentColor", "ParentBitmap"});
}

void RegisterStatusBarProperties() {
  using P = TStatusPanel;
  RegisterProperties(&P::StaticMetaClass,
                     {Prop<&P::GetAlignment, &P::SetAlignment>("Alignment").Default(taLeftJustify),
                      Prop<&P::GetBevel, &P::SetBevel>("Bevel").Default(pbLowered),
                      Prop<&P::GetStyle, &P::SetStyle>("Style").Default(psText), Prop<&P::GetText, &P::SetText>("Text"),
                      Prop<&P::GetWidth, &P::SetWidth>("Width")});
  using T = TStatusBar;
  std::vector<TPropInfo> props = {Prop<&T::GetAutoHint, &T::SetAutoHint>("AutoHint").Default(false),
                                  Prop<&TControl::GetAlign, &TControl::SetAlign>("Align").Default(alBottom)};
  props = WithControlProps(std::move(props),
               {"Anchors", "Color", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetPanels, &T::SetPanels>("Panels").StoredBy<&T::PanelsStored>());
  props = WithControlProps(std::move(props), {"ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetSimplePanel, &T::SetSimplePanel>("SimplePanel").Default(false));
  props.push_back(Prop<&T::GetSimpleText, &T::SetSimpleText>("SimpleText"));
  props.push_back(Prop<&T::GetSizeGrip, &T::SetSizeGrip>("SizeGrip").Default(true));
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterProgressBarProperties() {
  using T = TProgressBar;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align", "Anchors", "BorderWidth", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"});
  props.push_back(Prop<&T::GetMax, &T::SetMax>("Max").Default(100));
  props.push_back(Prop<&T::GetMin, &T::SetMin>("Min").Default(0));
  props.push_back(Prop<&T::GetOrientation, &T::SetOrientation>("Orientation").Default(pbHorizontal));
  props = WithControlProps(std::move(props), {"ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetPosition, &T::SetPosition>("Position").Default(0));
  props.push_back(Prop<&T::GetSmooth, &T::SetSmooth>("Smooth").Default(false));
  props.push_back(Prop<&T::GetStep, &T::SetStep>("Step").Default(10));
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"ShowHint", "TabOrder", "TabStop", "Visible"}));
}

void RegisterTrackBarProperties() {
  using T = TTrackBar;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align", "Anchors", "BorderWidth", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"});
  props.push_back(Prop<&T::GetFrequency, &T::SetFrequency>("Frequency").Default(1));
  props.push_back(Prop<&T::GetLineSize, &T::SetLineSize>("LineSize").Default(1));
  props.push_back(Prop<&T::GetMax, &T::SetMax>("Max").Default(10));
  props.push_back(Prop<&T::GetMin, &T::SetMin>("Min").Default(0));
  props.push_back(Prop<&T::GetOrientation, &T::SetOrientation>("Orientation").Default(trHorizontal));
  props = WithControlProps(std::move(props), {"ParentShowHint"});
  props.push_back(Prop<&T::GetPageSize, &T::SetPageSize>("PageSize").Default(2));
  props = WithControlProps(std::move(props), {"PopupMenu"});
  props.push_back(Prop<&T::GetPosition, &T::SetPosition>("Position").Default(0));
  props.push_back(Prop<&T::GetSelEnd, &T::SetSelEnd>("SelEnd").Default(0));
  props.push_back(Prop<&T::GetSelStart, &T::SetSelStart>("SelStart").Default(0));
  props = WithControlProps(std::move(props), {"ShowHint"});
  props.push_back(Prop<&T::GetSliderVisible, &T::SetSliderVisible>("SliderVisible").Default(true));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(TabStopByDefault());
  props.push_back(Prop<&T::GetThumbLength, &T::SetThumbLength>("ThumbLength").Default(20));
  props.push_back(Prop<&T::GetTickMarks, &T::SetTickMarks>("TickMarks").Default(tmBottomRight));
  props.push_back(Prop<&T::GetTickStyle, &T::SetTickStyle>("TickStyle").Default(tsAuto));
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterUpDownProperties() {
  using T = TUpDown;
  std::vector<TPropInfo> props = {Prop<&T::GetAlignButton, &T::SetAlignButton>("AlignButton").Default(udRight)};
  props = WithControlProps(std::move(props), {"Anchors"});
  props.push_back(Prop<&T::GetAssociate, &T::SetAssociate>("Associate"));
  props.push_back(Prop<&T::GetArrowKeys, &T::SetArrowKeys>("ArrowKeys").Default(true));
  props = WithControlProps(std::move(props), {"Enabled"});
  props.push_back(Prop<&T::GetMin, &T::SetMin>("Min").Default(0));
  props.push_back(Prop<&T::GetMax, &T::SetMax>("Max").Default(100));
  props.push_back(Prop<&T::GetIncrement, &T::SetIncrement>("Increment").Default(1));
  props = WithControlProps(std::move(props), {"Constraints"});
  props.push_back(Prop<&T::GetOrientation, &T::SetOrientation>("Orientation").Default(udVertical));
  props = WithControlProps(std::move(props), {"ParentShowHint", "PopupMenu"});
  props.push_back(Prop<&T::GetPosition, &T::SetPosition>("Position").Default(0));
  props = WithControlProps(std::move(props), {"ShowHint", "TabOrder", "TabStop"});
  props.push_back(Prop<&T::GetThousands, &T::SetThousands>("Thousands").Default(true));
  props = WithControlProps(std::move(props), {"Visible"});
  props.push_back(Prop<&T::GetWrap, &T::SetWrap>("Wrap").Default(false));
  RegisterProperties(&T::StaticMetaClass, std::move(props));
}

void RegisterHotKeyProperties() {
  using T = THotKey;
  std::vector<TPropInfo> props = PublishedControlProps({"Align", "Anchors", "Constraints", "Enabled"});
  props.push_back(Prop<&T::GetHotKey, &T::SetHotKey>("HotKey").Default(TShortCut{0x41}));
  props.push_back(Prop<&T::GetInvalidKeys, &T::SetInvalidKeys>("InvalidKeys").Default(THKInvalidKeys{hcNone, hcShift}));
  props.push_back(Prop<&T::GetModifiers, &T::SetModifiers>("Modifiers").Default(THKModifiers{hkAlt}));
  props = WithControlProps(std::move(props), {"ParentShowHint", "PopupMenu", "ShowHint", "TabOrder"});
  props.push_back(TabStopByDefault());
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterTabControlProperties() {
  using T = TTabControl;
  std::vector<TPropInfo> props = PublishedControlProps(
      {"Align", "Anchors", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "Font"});
  props.push_back(Prop<&T::GetMultiLine, &T::SetMultiLine>("MultiLine").Default(false));
  props = WithControlProps(std::move(props), {"ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetStyle, &T::SetStyle>("Style").Default(tsTabs));
  props.push_back(Prop<&T::GetTabHeight, &T::SetTabHeight>("TabHeight").Default(0));
  props = WithControlProps(std::move(props), {"TabOrder"});
  props.push_back(Prop<&T::GetTabPosition, &T::SetTabPosition>("TabPosition").Default(tpTop));
  props.push_back(Prop<&T::GetTabs, &T::SetTabs>("Tabs"));
  props.push_back(Prop<&T::GetTabIndex, &T::SetTabIndex>("TabIndex").Default(-1));
  props.push_back(TabStopByDefault());
  props.push_back(Prop<&T::GetTabWidth, &T::SetTabWidth>("TabWidth").Default(0));
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

void RegisterCoolBarProperties() {
  using B = TCoolBand;
  RegisterProperties(
      &B::StaticMetaClass,
      {Prop<&B::GetBreak, &B::SetBreak>("Break").Default(true), Prop<&B::GetControl, &B::SetControl>("Control"),
       Prop<&B::GetFixedBackground, &B::SetFixedBackground>("FixedBackground").Default(true),
       Prop<&B::GetFixedSize, &B::SetFixedSize>("FixedSize").Default(false),
       Prop<&B::GetHorizontalOnly, &B::SetHorizontalOnly>("HorizontalOnly").Default(false),
       Prop<&B::GetImageIndex, &B::SetImageIndex>("ImageIndex"), Prop<&B::GetMinHeight, &B::SetMinHeight>("MinHeight"),
       Prop<&B::GetMinWidth, &B::SetMinWidth>("MinWidth").Default(0), Prop<&B::GetText, &B::SetText>("Text"),
       Prop<&B::GetVisible, &B::SetVisible>("Visible").Default(true), Prop<&B::GetWidth, &B::SetWidth>("Width")});
  using T = TCoolBar;
  std::vector<TPropInfo> props = {Prop<&TControl::GetAlign, &TControl::SetAlign>("Align").Default(alTop)};
  props = WithControlProps(std::move(props), {"Anchors", "AutoSize"});
  props.push_back(Prop<&T::GetBandBorderStyle, &T::SetBandBorderStyle>("BandBorderStyle").Default(bsSingle));
  props.push_back(Prop<&T::GetBands, &T::SetBands>("Bands"));
  props = WithControlProps(std::move(props), {"Color", "Constraints", "DragCursor", "DragKind", "DragMode", "Enabled"});
  props.push_back(Prop<&T::GetFixedSize, &T::SetFixedSize>("FixedSize").Default(false));
  props.push_back(Prop<&T::GetFixedOrder, &T::SetFixedOrder>("FixedOrder").Default(false));
  props = WithControlProps(std::move(props), {"Font", "ParentColor", "ParentFont", "ParentShowHint", "PopupMenu", "ShowHint"});
  props.push_back(Prop<&T::GetShowText, &T::SetShowText>("ShowText").Default(true));
  props.push_back(Prop<&T::GetVertical, &T::SetVertical>("Vertical").Default(false));
  RegisterProperties(&T::StaticMetaClass, WithControlProps(std::move(props), {"Visible"}));
}

}  // namespace

void RegisterComCtrlsBarClasses() {
  RegisterStatusBarProperties();
  RegisterProgressBarProperties();
  RegisterTrackBarProperties();
  RegisterUpDownProperties();
  RegisterHotKeyProperties();
  RegisterTabControlProperties();
  RegisterCoolBarProperties();
  RegisterClassicExtras();
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterComCtrlsBarClasses() {
  for (TClass c : kStreamedClasses) {
    UnRegisterClass(c);
    UnregisterProperties(c);
    UnregisterKeptProperties(c);
  }
  for (TClass c : kItemClasses) {
    UnregisterProperties(c);
    UnregisterKeptProperties(c);
  }
}

std::span<const TClass> ComCtrlsBarClasses() { return kStreamedClasses; }

}  // namespace host
