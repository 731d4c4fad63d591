// TToolButton and TToolBar: the buttons as children of the bar, their
// layout, faces, clicks, check state, drop-down menus and action link.
#include "host/comctrls/toolbar.h"

#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/menus/menu.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host {

HOST_IMPL(TToolButtonActionLink, TControlActionLink)
HOST_IMPL(TToolButton, TGraphicControl)
HOST_IMPL(TToolBar, TCustomControl)

namespace {
constexpr int32_t kArrowWidth = 13;     // the arrow part of a drop-down button
constexpr int32_t kSeparatorWidth = 8;  // a new separator's width
constexpr int32_t kCaptionPadding = 8;  // beside a caption shown on a button
}  // namespace

// ------------------------------------------------------ TToolButtonActionLink

TToolButtonActionLink::TToolButtonActionLink(TObject* AClient)
    : TControlActionLink(AClient), FButton(dynamic_cast<TToolButton*>(AClient)) {
  if (!FButton) throw EInvalidOperation("A tool button action link needs a tool button as its client");
}

bool TToolButtonActionLink::IsCheckedLinked() {
  TCustomAction* action = GetCustomAction();
  return action && FButton->GetDown() == action->GetChecked();
}

bool TToolButtonActionLink::IsImageIndexLinked() {
  TCustomAction* action = GetCustomAction();
  return action && FButton->GetImageIndex() == action->GetImageIndex();
}

void TToolButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FButton->SetDown(Value);
}

void TToolButtonActionLink::SetImageIndex(TImageIndex Value) {
  if (IsImageIndexLinked()) FButton->SetImageIndex(Value);
}

// ---------------------------------------------------------------- TToolButton

TToolButton::TToolButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  // The button clicks itself (a check button changes state first).
  FControlStyle = {csCaptureMouse, csSetCaption};
  SetBounds(0, 0, 23, 22);
}

void TToolButton::Destroy() {
  if (FToolBar) {
    std::erase(std::exchange(FToolBar, nullptr)->FButtons, this);
  }
  inherited::Destroy();
}

// Parenting is what makes a button one of a bar's buttons.
void TToolButton::SetParent(TWinControl* AParent) {
  if (AParent == GetParent()) return;
  TToolBar* old = FToolBar;
  inherited::SetParent(AParent);
  FToolBar = dynamic_cast<TToolBar*>(AParent);
  if (old) {
    std::erase(old->FButtons, this);
    old->LayoutButtons();
  }
  if (FToolBar) {
    FToolBar->FButtons.push_back(this);
    FToolBar->LayoutButtons();
  }
}

int32_t TToolButton::GetIndex() const { return FToolBar ? comctrl::IndexIn(FToolBar->FButtons, this) : -1; }

void TToolButton::SetStyle(TToolButtonStyle Value) {
  comctrl::CheckEnumValue(Value, tbsDivider, this);
  if (FStyle == Value) return;
  const bool wasSeparator = IsSeparator();
  FStyle = Value;
  if (IsSeparator() && !wasSeparator) SetWidth(kSeparatorWidth);
  LayoutChanged();
}

void TToolButton::SetDown(bool Value) {
  if (!ChangeField(FDown, Value)) return;
  if (Value && InGroup()) RaiseGroup();
  Invalidate();
}

// The group runs both ways from this button over grouped check buttons.
void TToolButton::RaiseGroup() {
  if (!FToolBar) return;
  const std::vector<TToolButton*>& buttons = FToolBar->FButtons;
  const int32_t index = GetIndex(), count = static_cast<int32_t>(buttons.size());
  for (int32_t step : {-1, 1})
    for (int32_t i = index + step; i >= 0 && i < count && buttons[i]->InGroup(); i += step) buttons[i]->SetDown(false);
}

void TToolButton::SetImageIndex(int32_t Value) {
  if (ChangeField(FImageIndex, Value)) Invalidate();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
  if (FDropdownMenu == Value) return;
  if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
  FDropdownMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDropdownMenu) FDropdownMenu = nullptr;
}

void TToolButton::SetText(const std::string& Value) {
  inherited::SetText(Value);
  LayoutChanged();
}

void TToolButton::LayoutChanged() {
  if (FToolBar) FToolBar->LayoutButtons();
  Invalidate();
}

TClass TToolButton::GetActionLinkClass() const { return &TToolButtonActionLink::StaticMetaClass; }

// The action's Checked and ImageIndex reach the button too.
void TToolButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || !FDown) SetDown(action->GetChecked());
  if (!CheckDefaults || FImageIndex == -1) SetImageIndex(action->GetImageIndex());
}

TRect TToolButton::ArrowRect() const {
  if (FStyle != tbsDropDown) return {};
  return Rect(std::max(0, GetWidth() - kArrowWidth), 0, GetWidth(), GetHeight());
}

bool TToolButton::DropsWholeButton() const { return FStyle != tbsDropDown || (!OnClick && !GetAction()); }

bool TToolButton::CheckMenuDropdown() {
  if (!FDropdownMenu) return false;
  const TPoint at = ClientToScreen(Point(0, GetHeight()));
  FDropdownMenu->SetPopupComponent(this);
  FDropdownMenu->Popup(at.X, at.Y);
  return true;
}

void TToolButton::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && GetEnabled() && !IsSeparator()) {
    const bool onArrow = PtInRect(ArrowRect(), Point(X, Y));
    if (FDropdownMenu && (onArrow || DropsWholeButton())) {
      CheckMenuDropdown();
      if (!*alive) return;
    } else {
      FPressed = true;
      Invalidate();
    }
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

// A press released over the button clicks it; a check button changes its
// state first.
void TToolButton::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const bool clicked = Button == mbLeft && FPressed && PtInRect(GetClientRect(), Point(X, Y));
  if (Button == mbLeft && FPressed) {
    FPressed = false;
    Invalidate();
  }
  const auto alive = AliveFlag();
  if (clicked && FStyle == tbsCheck && !(FDown && InGroup() && !FAllowAllUp)) SetDown(!FDown);
  if (clicked) Click();
  if (*alive) inherited::MouseUp(Button, Shift, X, Y);
}

void TToolButton::PaintFace(TCanvas* Canvas, TRect Face) {
  const bool sunken = FPressed || FDown;
  const bool flat = FToolBar && FToolBar->GetFlat();
  if (sunken || !flat) {
    comctrl::Bevel(Canvas, Face, sunken, clBtnFace);
  } else {
    Canvas->GetBrush()->SetColor(clBtnFace);
    Canvas->FillRect(Face);
  }
  const int32_t shift = sunken ? 1 : 0;
  TCustomImageList* images = FToolBar ? FToolBar->GetImages() : nullptr;
  const bool showCaption = FToolBar && FToolBar->GetShowCaptions();
  int32_t top = Face.Top;
  if (images && FImageIndex >= 0 && FImageIndex < images->GetCount()) {
    const int32_t height = showCaption ? images->GetHeight() + Canvas->TextHeight("Ag") : images->GetHeight();
    top = Face.Top + std::max(0, (Face.Height() - height) / 2);
    images->Draw(Canvas, Face.Left + (Face.Width() - images->GetWidth()) / 2 + shift, top + shift, FImageIndex,
                 GetEnabled());
    top += images->GetHeight();
  }
  if (!showCaption) return;
  Canvas->SetFont(GetFont());
  Canvas->GetBrush()->SetStyle(bsClear);
  const TRect text = top == Face.Top ? Face : Rect(Face.Left, top, Face.Right, Face.Bottom);
  comctrl::CenteredText(Canvas, Rect(text.Left + shift, text.Top + shift, text.Right + shift, text.Bottom + shift),
                        GetCaption(), GetEnabled());
  Canvas->GetBrush()->SetStyle(bsSolid);
}

void TToolButton::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect all = GetClientRect();
  if (IsSeparator()) {
    if (FStyle != tbsDivider) return;
    const int32_t x = all.Width() / 2;
    canvas->GetPen()->SetColor(clBtnShadow);
    canvas->MoveTo(x - 1, all.Top + 1);
    canvas->LineTo(x - 1, all.Bottom - 1);
    canvas->GetPen()->SetColor(clBtnHighlight);
    canvas->MoveTo(x, all.Top + 1);
    canvas->LineTo(x, all.Bottom - 1);
    return;
  }
  const TRect arrow = ArrowRect();
  PaintFace(canvas, arrow.IsEmpty() ? all : Rect(0, 0, arrow.Left, all.Bottom));
  if (arrow.IsEmpty()) return;
  const bool flat = FToolBar && FToolBar->GetFlat();
  if (!flat) comctrl::Bevel(canvas, arrow, false, clBtnFace);
  comctrl::Arrow(canvas, arrow, buttonpaint::TArrowDirection::Down, GetEnabled() ? clBtnText : clGrayText);
}

// ------------------------------------------------------------------- TToolBar

TToolBar::TToolBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks};
  SetBounds(0, 0, 150, 29);
  // Set directly, as Align would: the anchors follow, so a form file does
  // not list them.
  FAlign = alTop;
  FAnchors = AnchorAlign[FAlign];
  FImageLink = New<TChangeLink>();
  FImageLink->OnChange = [this](TObject*) {
    LayoutButtons();
    Invalidate();
  };
}

void TToolBar::Destroy() {
  LinkImageList(this, FImageLink, FImages, nullptr);
  FreeAndNil(FImageLink);
  inherited::Destroy();
}

void TToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FImages) SetImages(nullptr);
}

TToolButton* TToolBar::GetButton(int32_t Index) const {
  if (Index < 0 || Index >= GetButtonCount()) throw EListError(SListIndexError, {Index});
  return FButtons[Index];
}

void TToolBar::SetButtonSize(int32_t& Field, int32_t Value) {
  if (Value < 1) throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(this)});
  if (ChangeField(Field, Value)) LayoutButtons();
}

void TToolBar::SetImages(TCustomImageList* Value) {
  if (!LinkImageList(this, FImageLink, FImages, Value)) return;
  LayoutButtons();
  Invalidate();
}

void TToolBar::SetShowCaptions(bool Value) {
  if (ChangeField(FShowCaptions, Value)) LayoutButtons();
}

void TToolBar::SetFlat(bool Value) {
  if (!ChangeField(FFlat, Value)) return;
  Invalidate();
  for (TToolButton* button : FButtons) button->Invalidate();
}

int32_t TToolBar::WidthOf(TToolButton* Button) {
  if (Button->IsSeparator()) return Button->GetWidth();
  int32_t width = FButtonWidth;
  if (FShowCaptions) {
    const TMeasuringCanvas measuring(Button->GetFont());
    width =
        std::max(width, measuring.Canvas()->TextWidth(StripAccelChars(Button->GetCaption(), true)) + kCaptionPadding);
  }
  return width + (Button->GetStyle() == tbsDropDown ? kArrowWidth : 0);
}

// Placing a button would ask the bar to align again: the flag keeps that
// from coming back here.
void TToolBar::LayoutButtons() {
  if (FLayingOut || GetComponentState().Contains(csLoading) || GetComponentState().Contains(csDestroying)) return;
  FLayingOut = true;
  try {
    int32_t left = 0;
    for (TToolButton* button : FButtons) {
      if (!button->GetVisible()) continue;
      const int32_t width = WidthOf(button);
      button->SetBounds(left, 0, width, FButtonHeight);
      left += width;
    }
  } catch (...) {
    FLayingOut = false;
    throw;
  }
  FLayingOut = false;
}

void TToolBar::Loaded() {
  inherited::Loaded();
  LayoutButtons();
}

void TToolBar::GetChildren(TGetChildProc Proc, TComponent* Root) {
  comctrl::ChildrenInOrder(this, FButtons, Proc, Root);
}

void TToolBar::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  comctrl::DesignOutline(this, canvas);
}

}  // namespace host
