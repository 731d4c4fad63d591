// TTabSheet and TPageControl: the pages as children of the page control,
// the active page, the row of tabs and the user's choice of a tab.
#include "host/comctrls/pagecontrol.h"

#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TTabSheet, TCustomControl)
HOST_IMPL(TPageControl, TCustomControl)

namespace {
constexpr int32_t kFrame = 4;      // the page area's inset inside a tsTabs frame
constexpr int32_t kButtonGap = 3;  // between button-style tabs
constexpr int32_t kTabPadding = 12;
constexpr int32_t kImageGap = 3;  // between a tab's image and its caption
}  // namespace

// ------------------------------------------------------------------ TTabSheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FAlign = alClient;
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

// The tabs are drawn by the page control.
void TTabSheet::TabChanged() {
  if (FPageControl) FPageControl->Invalidate();
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
  if (Value < 0) throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(this)});
  FTabHeight = Value;
  Realign();
  Invalidate();
}

void TPageControl::SetTabWidth(int16_t Value) {
  if (Value < 0) throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(this)});
  FTabWidth = Value;
  Invalidate();
}

void TPageControl::SetImages(TCustomImageList* Value) {
  if (!LinkImageList(this, FImageLink, FImages, Value)) return;
  Realign();
  Invalidate();
}

bool TPageControl::HasImage(const TTabSheet* Page) const {
  return FImages && Page->GetImageIndex() >= 0 && Page->GetImageIndex() < FImages->GetCount();
}

std::vector<TTabSheet*> TPageControl::ShownTabs() const {
  std::vector<TTabSheet*> tabs;
  for (TTabSheet* page : FPages)
    if (page->GetTabVisible()) tabs.push_back(page);
  return tabs;
}

int32_t TPageControl::RowHeight() {
  if (FTabHeight > 0) return FTabHeight;
  const int32_t text = TMeasuringCanvas(GetFont()).Canvas()->TextHeight("Ag");
  return std::max(text, FImages ? FImages->GetHeight() : 0) + 6;
}

TRect TPageControl::TabRect(int32_t Index) {
  const std::vector<TTabSheet*> tabs = ShownTabs();
  if (Index < 0 || Index >= static_cast<int32_t>(tabs.size())) return {};
  const TMeasuringCanvas measuring(GetFont());
  const int32_t gap = ButtonStyle() ? kButtonGap : 0;
  int32_t left = ButtonStyle() ? 0 : 2;
  for (int32_t i = 0;; ++i) {
    const int32_t image = HasImage(tabs[i]) ? FImages->GetWidth() + kImageGap : 0;
    const int32_t width =
        FTabWidth > 0
            ? FTabWidth
            : image + measuring.Canvas()->TextWidth(StripAccelChars(tabs[i]->GetCaption(), true)) + kTabPadding;
    if (i == Index) return Rect(left, ButtonStyle() ? 0 : 2, left + width, RowHeight());
    left += width + gap;
  }
}

TTabSheet* TPageControl::PageAt(TPoint Pos) {
  const std::vector<TTabSheet*> tabs = ShownTabs();
  for (int32_t i = 0; i < static_cast<int32_t>(tabs.size()); ++i)
    if (PtInRect(TabRect(i), Pos)) return tabs[i];
  return nullptr;
}

void TPageControl::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  const int32_t inset = ButtonStyle() ? 0 : kFrame;
  Rect = TRect{Rect.Left + inset, Rect.Top + RowHeight() + (ButtonStyle() ? kButtonGap : kFrame), Rect.Right - inset,
               Rect.Bottom - inset};
}

void TPageControl::PaintTab(int32_t Index, TTabSheet* Page) {
  TCanvas* canvas = GetCanvas();
  const bool active = Page == FActivePage;
  TRect r = TabRect(Index);
  if (ButtonStyle()) {
    if (FStyle == tsButtons || active) comctrl::Bevel(canvas, r, active, clBtnFace);
  } else {
    if (active) r = TRect{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
    comctrl::Bevel(canvas, r, false, clBtnFace);
  }
  TRect text = r;
  if (HasImage(Page)) {
    FImages->Draw(canvas, r.Left + kTabPadding / 2, r.Top + (r.Height() - FImages->GetHeight()) / 2,
                  Page->GetImageIndex(), Page->GetEnabled() && GetEnabled());
    text.Left += FImages->GetWidth() + kImageGap;
  }
  canvas->GetBrush()->SetStyle(bsClear);
  comctrl::CenteredText(canvas, text, Page->GetCaption(), Page->GetEnabled() && GetEnabled());
  canvas->GetBrush()->SetStyle(bsSolid);
  if (active && Focused()) canvas->DrawFocusRect(TRect{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3});
}

void TPageControl::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  if (!ButtonStyle()) comctrl::Bevel(canvas, Rect(0, RowHeight(), GetWidth(), GetHeight()), false, clBtnFace);
  const std::vector<TTabSheet*> tabs = ShownTabs();
  // The active tab is drawn last: it stands over its neighbours.
  for (int32_t i = 0; i < static_cast<int32_t>(tabs.size()); ++i)
    if (tabs[i] != FActivePage) PaintTab(i, tabs[i]);
  const int32_t active = comctrl::IndexIn(tabs, FActivePage);
  if (active >= 0) PaintTab(active, FActivePage);
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
