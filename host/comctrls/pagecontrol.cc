// TTabSheet and TPageControl: the pages as children of the page control,
// the active page, the row of tabs and the user's choice of a tab.
#include "host/comctrls/pagecontrol.h"

#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/tabs_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TTabSheet, TCustomControl)
HOST_IMPL(TPageControl, TCustomControl)

// ------------------------------------------------------------------ TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FAlign = alClient;
  FAnchors = AnchorAlign[FAlign];
}

void TTabSheet::SetPageControl(TPageControl* Value) { SetParent(Value); }

// Parenting is what makes a sheet a page: it leaves its old page control's
// pages and joins the new one's.
void TTabSheet::SetParent(TWinControl* AParent) {
  if (AParent == GetParent()) return;
  TPageControl* old = FPageControl;
  inherited::SetParent(AParent);
  if (old) old->RemovePage(this);
  FPageControl = dynamic_cast<TPageControl*>(AParent);
  if (FPageControl) FPageControl->InsertPage(this);
}

void TTabSheet::Destroy() {
  if (FPageControl) std::exchange(FPageControl, nullptr)->RemovePage(this);
  inherited::Destroy();
}

int32_t TTabSheet::GetPageIndex() const { return FPageControl ? comctrl::IndexIn(FPageControl->FPages, this) : -1; }

void TTabSheet::SetPageIndex(int32_t Value) {
  if (!FPageControl) {
    if (Value != -1) throw EListError(SListIndexError, {Value});
    return;
  }
  if (Value < 0 || Value >= FPageControl->GetPageCount()) throw EListError(SListIndexError, {Value});
  FPageControl->MovePage(this, Value);
}

int32_t TTabSheet::GetTabIndex() const {
  return FPageControl && FTabVisible ? comctrl::IndexIn(FPageControl->ShownTabs(), this) : -1;
}

void TTabSheet::SetTabVisible(bool Value) {
  if (ChangeField(FTabVisible, Value)) TabChanged();
}

void TTabSheet::SetImageIndex(int32_t Value) {
  if (ChangeField(FImageIndex, Value)) TabChanged();
}

void TTabSheet::SetText(const std::string& Value) {
  inherited::SetText(Value);
  TabChanged();
}

// The tabs are laid out and drawn by the page control; with MultiLine a
// tab's new size may change the rows and so the page area.
void TTabSheet::TabChanged() {
  if (!FPageControl) return;
  if (FPageControl->GetMultiLine()) FPageControl->Realign();
  FPageControl->Invalidate();
}

void TTabSheet::Paint() { comctrl::DesignOutline(this, GetCanvas()); }

// --------------------------------------------------------------- TPageControl

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csDoubleClicks, csCaptureMouse, csClickEvents};
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  FImageLink = New<TChangeLink>();
  FImageLink->OnChange = [this](TObject*) { Invalidate(); };
}

void TPageControl::Destroy() {
  LinkImageList(this, FImageLink, FImages, nullptr);
  FreeAndNil(FImageLink);
  inherited::Destroy();
}

TTabSheet* TPageControl::GetPage(int32_t Index) const {
  if (Index < 0 || Index >= GetPageCount()) throw EListError(SListIndexError, {Index});
  return FPages[Index];
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->GetPageControl() != this)
    throw EInvalidOperation("Tab sheet '%s' is not a page of '%s'",
                            {ControlDisplayName(Value), ControlDisplayName(this)});
  if (Value == FActivePage) return;
  if (GetComponentState().Contains(csLoading)) {
    FActivePage = Value;  // shown once loading ends
    return;
  }
  ShowPage(Value);
}

int32_t TPageControl::GetActivePageIndex() const { return FActivePage ? FActivePage->GetPageIndex() : -1; }

void TPageControl::SetActivePageIndex(int32_t Value) { SetActivePage(Value == -1 ? nullptr : GetPage(Value)); }

// The focus does not stay on a control of a page that goes out of sight:
// the page control takes it.
void TPageControl::ShowPage(TTabSheet* Page) {
  TWinControl* focused = WidgetSetRunning() ? FindControl(WidgetSet().Windows().GetFocus()) : nullptr;
  FActivePage = Page;
  if (Page) Page->SetVisible(true);
  for (TTabSheet* other : FPages) {
    if (other == Page) continue;
    if (focused && other->ContainsControl(focused) && CanFocus()) SetFocus();
    other->SetVisible(false);
  }
  Invalidate();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
  const int32_t count = GetPageCount();
  if (count == 0) return nullptr;
  const int32_t current = comctrl::IndexIn(FPages, CurPage);
  const int32_t start = current >= 0 ? current : (GoForward ? count - 1 : 0);
  for (int32_t step = 1; step <= count; ++step) {
    TTabSheet* page = FPages[((start + (GoForward ? step : -step)) % count + count) % count];
    if (!CheckTabVisible || page->GetTabVisible()) return page;
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
  TTabSheet* next = FindNextPage(FActivePage, GoForward, true);
  if (next && next != FActivePage) UserSelect(next);
}

void TPageControl::UserSelect(TTabSheet* Page) {
  if (!CanChange()) return;
  SetActivePage(Page);
  Change();
}

bool TPageControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TPageControl::Change() {
  if (OnChange) OnChange(this);
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  if (!GetComponentState().Contains(csLoading) && !FActivePage)
    ShowPage(Page);
  else
    Page->SetVisible(Page == FActivePage);
  Invalidate();
}

// When the active page goes, the next one with a tab becomes active.
void TPageControl::RemovePage(TTabSheet* Page) {
  TTabSheet* next = FActivePage == Page ? FindNextPage(Page, true, true) : FActivePage;
  std::erase(FPages, Page);
  if (GetComponentState().Contains(csDestroying)) {
    FActivePage = nullptr;
    return;
  }
  if (next == Page) next = nullptr;
  if (FActivePage == Page) {
    FActivePage = nullptr;
    ShowPage(next);
  }
  Invalidate();
}

void TPageControl::MovePage(TTabSheet* Page, int32_t NewIndex) {
  std::erase(FPages, Page);
  FPages.insert(FPages.begin() + NewIndex, Page);
  Invalidate();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActivePage) FActivePage = nullptr;
  if (Operation == opRemove && AComponent && AComponent == FImages) SetImages(nullptr);
}

// The active page read from a form file shows once the pages are all
// there; without one, the first page shows.
void TPageControl::Loaded() {
  inherited::Loaded();
  TTabSheet* page = FActivePage;
  if (!page && !FPages.empty()) page = FPages.front();
  FActivePage = nullptr;
  ShowPage(page);
}

void TPageControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  comctrl::ChildrenInOrder(this, FPages, Proc, Root);
}

// ---------------------------------------------------------------- the tabs

void TPageControl::SetStyle(TTabStyle Value) {
  comctrl::CheckEnumValue(Value, tsFlatButtons, this);
  if (!ChangeField(FStyle, Value)) return;
  Realign();
  Invalidate();
}

void TPageControl::SetTabHeight(int16_t Value) {
  comctrl::CheckTabExtent(Value, this);
  FTabHeight = Value;
  Realign();
  Invalidate();
}

void TPageControl::SetTabWidth(int16_t Value) {
  comctrl::CheckTabExtent(Value, this);
  FTabWidth = Value;
  Realign();
  Invalidate();
}

void TPageControl::SetMultiLine(bool Value) {
  if (!ChangeField(FMultiLine, Value)) return;
  Realign();
  Invalidate();
}

void TPageControl::SetTabPosition(TTabPosition Value) {
  comctrl::CheckEnumValue(Value, tpRight, this);
  if (!ChangeField(FTabPosition, Value)) return;
  Realign();
  Invalidate();
}

void TPageControl::SetImages(TCustomImageList* Value) {
  if (!LinkImageList(this, FImageLink, FImages, Value)) return;
  Realign();
  Invalidate();
}

std::vector<TTabSheet*> TPageControl::ShownTabs() const {
  std::vector<TTabSheet*> tabs;
  for (TTabSheet* page : FPages)
    if (page->GetTabVisible()) tabs.push_back(page);
  return tabs;
}

comctrl::TTabStrip TPageControl::Strip() {
  const std::vector<TTabSheet*> shown = ShownTabs();
  std::vector<comctrl::TTabFace> faces;
  for (TTabSheet* page : shown)
    faces.push_back({page->GetCaption(), page->GetImageIndex(), page->GetEnabled() && GetEnabled()});
  const comctrl::TTabsLook look{FStyle, FTabPosition, FMultiLine, FTabWidth, FTabHeight, FImages};
  return comctrl::TTabStrip(look, GetFont(), std::move(faces), TSize{GetClientWidth(), GetClientHeight()},
                            comctrl::IndexIn(shown, FActivePage));
}

TRect TPageControl::TabRect(int32_t Index) { return Strip().TabRect(Index); }

TTabSheet* TPageControl::PageAt(TPoint Pos) {
  const int32_t index = Strip().IndexAt(Pos);
  return index >= 0 ? ShownTabs()[index] : nullptr;
}

void TPageControl::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  Rect = Strip().DisplayRectIn(Rect);
}

void TPageControl::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  Strip().Paint(canvas, Focused());
}

// ------------------------------------------------------------------- input

void TPageControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft) {
    if (CanFocus()) SetFocus();
    if (!*alive) return;
    TTabSheet* page = PageAt({X, Y});
    if (page && page != FActivePage) UserSelect(page);
    if (!*alive) return;
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

void TPageControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive) return;
  if (Key != VK_LEFT && Key != VK_RIGHT) return;
  const bool forward = Key == VK_RIGHT;
  Key = 0;
  SelectNextPage(forward);
}

}  // namespace host
