// TTabControl: its tabs, the selected tab, the display area and the
// user's choice of a tab.
#include "host/comctrls/tabcontrol.h"

#include <utility>

#include "host/classes/strings.h"
#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/tabs_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TTabControl, TCustomControl)

TTabControl::TTabControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csDoubleClicks, csCaptureMouse, csClickEvents};
  SetTabStop(true);
  FTabs = New<TStringList>();
  FTabs->OnChange = [this](TObject*) { TabsChanged(); };
  SetBounds(0, 0, 289, 193);
}

void TTabControl::Destroy() {
  inherited::Destroy();
  FreeAndNil(FTabs);
}

TStrings* TTabControl::GetTabs() const { return FTabs; }

void TTabControl::SetTabs(TStrings* Value) { FTabs->Assign(Value); }

void TTabControl::TabsChanged() {
  if (!Loading()) {
    const int32_t count = FTabs->GetCount();
    if (FTabIndex >= count) FTabIndex = count - 1;
    if (FTabIndex < 0 && count > 0) FTabIndex = 0;
  }
  LayoutChanged();
}

void TTabControl::CheckTabIndex(int32_t Value) const {
  if (Value < -1 || Value >= FTabs->GetCount()) throw EListError(SListIndexError, {Value});
}

void TTabControl::SetTabIndex(int32_t Value) {
  if (!Loading()) CheckTabIndex(Value);
  if (!ChangeField(FTabIndex, Value)) return;
  LayoutChanged();  // with MultiLine the selected tab's row moves next to the display area
}

// The TabIndex read from a form file is checked against the tabs read with
// it; a bad one raises and leaves no tab selected.
void TTabControl::Loaded() {
  inherited::Loaded();
  const int32_t index = std::exchange(FTabIndex, -1);
  CheckTabIndex(index);
  FTabIndex = index;
  LayoutChanged();
}

void TTabControl::SetMultiLine(bool Value) {
  if (ChangeField(FMultiLine, Value)) LayoutChanged();
}

void TTabControl::SetTabPosition(TTabPosition Value) {
  comctrl::CheckEnumValue(Value, tpRight, this);
  if (ChangeField(FTabPosition, Value)) LayoutChanged();
}

void TTabControl::SetStyle(TTabStyle Value) {
  comctrl::CheckEnumValue(Value, tsFlatButtons, this);
  if (ChangeField(FStyle, Value)) LayoutChanged();
}

void TTabControl::SetTabHeight(int16_t Value) {
  comctrl::CheckTabExtent(Value, this);
  if (ChangeField(FTabHeight, Value)) LayoutChanged();
}

void TTabControl::SetTabWidth(int16_t Value) {
  comctrl::CheckTabExtent(Value, this);
  if (ChangeField(FTabWidth, Value)) LayoutChanged();
}

void TTabControl::LayoutChanged() {
  if (Loading()) return;
  Realign();
  Invalidate();
}

// ---------------------------------------------------------------- the tabs

comctrl::TTabStrip TTabControl::Strip() {
  std::vector<comctrl::TTabFace> faces;
  for (int32_t i = 0; i < FTabs->GetCount(); ++i) faces.push_back({FTabs->GetStrings(i), -1, GetEnabled()});
  const comctrl::TTabsLook look{FStyle, FTabPosition, FMultiLine, FTabWidth, FTabHeight, nullptr};
  return comctrl::TTabStrip(look, GetFont(), std::move(faces), TSize{GetClientWidth(), GetClientHeight()}, FTabIndex);
}

TRect TTabControl::GetDisplayRect() { return Strip().DisplayRect(); }

TRect TTabControl::TabRect(int32_t Index) { return Strip().TabRect(Index); }

int32_t TTabControl::IndexOfTabAt(int32_t X, int32_t Y) { return Strip().IndexAt({X, Y}); }

void TTabControl::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Rect = Strip().DisplayRectIn(Rect);
}

void TTabControl::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  Strip().Paint(canvas, Focused());
  if (GetComponentState().Contains(csDesigning)) comctrl::DesignOutline(this, canvas);
}

// ------------------------------------------------------------------- input

void TTabControl::UserSelect(int32_t Index) {
  if (Index == FTabIndex || Index < 0 || !CanChange()) return;
  SetTabIndex(Index);
  Change();
}

bool TTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TTabControl::Change() {
  if (OnChange) OnChange(this);
}

void TTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    if (!*alive) return;
    UserSelect(IndexOfTabAt(X, Y));
    if (!*alive) return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

// Left and Right move to the neighbouring tab, stopping at either end.
void TTabControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || (Key != VK_LEFT && Key != VK_RIGHT)) return;
  const int32_t next = FTabIndex + (Key == VK_RIGHT ? 1 : -1);
  Key = 0;
  if (next < FTabs->GetCount()) UserSelect(next);
}

}  // namespace host
