// The panel and the radio group.
#include "host/extctrls/panels.h"

#include <algorithm>

#include "host/controls/textlayout.h"
#include "host/extctrls/extpaint_p.h"

namespace host {

HOST_IMPL(TCustomPanel, TCustomControl)
HOST_IMPL(TPanel, TCustomPanel)
HOST_IMPL(TGroupButton, TRadioButton)
HOST_IMPL(TCustomRadioGroup, TCustomGroupBox)
HOST_IMPL(TRadioGroup, TCustomRadioGroup)

// --------------------------------------------------------------- TCustomPanel

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                   csOpaque,          csDoubleClicks, csReplicatable};
  FBevelInner = bvNone;
  FBevelOuter = bvRaised;
  SetUseDockManager(true);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::SetAlignment(TAlignment Value) { extpaint::ChangeLook(this, FAlignment, Value, taCenter); }

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  buttonpaint::CheckEnumValue(Value, bvSpace, this);
  TWinControl::SetBevelInner(Value);
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  buttonpaint::CheckEnumValue(Value, bvSpace, this);
  TWinControl::SetBevelOuter(Value);
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  buttonpaint::CheckEnumValue(Value, bsSingle, this);
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Realign();
  Invalidate();
}

void TCustomPanel::WndProc(TMessage& Message) {
  inherited::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) Invalidate();
}

// Inside the single border line, BorderWidth (TWinControl's part) and both bevels.
void TCustomPanel::AdjustClientRect(TRect& Rect) {
  inherited::AdjustClientRect(Rect);
  const int32_t inset = (FBorderStyle == bsSingle ? 1 : 0) + (FBevelOuter != bvNone ? FBevelWidth : 0) +
                        (FBevelInner != bvNone ? FBevelWidth : 0);
  Rect = host::Rect(Rect.Left + inset, Rect.Top + inset, std::max(Rect.Left + inset, Rect.Right - inset),
                    std::max(Rect.Top + inset, Rect.Bottom - inset));
}

void TCustomPanel::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  Invalidate();
}

void TCustomPanel::Resize() {
  if (FFullRepaint) Invalidate();
  inherited::Resize();
}

namespace {

void PanelBevel(TCanvas* Canvas, TRect& Rect, TBevelCut Cut, int32_t Width) {
  if (Cut == bvNone) return;
  const extpaint::TBevelColors colors = extpaint::BevelColors(Cut == bvRaised);
  if (Cut == bvSpace)
    extpaint::Frame3D(Canvas, Rect, Canvas->GetBrush()->GetColor(), Canvas->GetBrush()->GetColor(), Width);
  else
    extpaint::Frame3D(Canvas, Rect, colors.Top, colors.Bottom, Width);
}

}  // namespace

// From the outside in: the single border line, the outer bevel, BorderWidth
// pixels of the panel's colour, the inner bevel; then the face with the
// caption centred vertically.
void TCustomPanel::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect r = Rect(0, 0, FWidth, FHeight);
  canvas->GetBrush()->SetColor(GetColor());
  if (FBorderStyle == bsSingle) extpaint::Frame3D(canvas, r, clWindowFrame, clWindowFrame, 1);
  PanelBevel(canvas, r, FBevelOuter, FBevelWidth);
  extpaint::Frame3D(canvas, r, GetColor(), GetColor(), FBorderWidth);
  PanelBevel(canvas, r, FBevelInner, FBevelWidth);
  canvas->FillRect(r);
  if (FText.empty() || !FShowCaption) return;
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  const TSize size = canvas->TextExtent(FText);
  const int32_t x = FAlignment == taLeftJustify    ? r.Left
                    : FAlignment == taRightJustify ? r.Right - size.cx
                                                   : (r.Left + r.Right - size.cx) / 2;
  canvas->TextRect(r, x, (r.Top + r.Bottom - size.cy) / 2, FText);
  canvas->GetBrush()->SetStyle(bsSolid);
}

// ---------------------------------------------------------------- TGroupButton

TGroupButton::TGroupButton(TCustomRadioGroup* RadioGroup) : TRadioButton(nullptr) {
  SetEnabled(RadioGroup->GetEnabled());
  SetParentShowHint(false);
  OnClick = TNotifyEvent(RadioGroup, &TCustomRadioGroup::ButtonClick);
  SetParent(RadioGroup);
}

// ---------------------------------------------------------- TCustomRadioGroup

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner) : TCustomGroupBox(AOwner) {
  FControlStyle = {csSetCaption, csDoubleClicks};
  FItems = New<TStringList>();
  FItems->OnChange = TNotifyEvent(this, &TCustomRadioGroup::ItemsChange);
}

void TCustomRadioGroup::Destroy() {
  FItems->OnChange = nullptr;
  FUpdating = true;
  for (TGroupButton* button : FButtons) button->Free();
  FButtons.clear();
  inherited::Destroy();
  FreeAndNil(FItems);
}

TGroupButton* TCustomRadioGroup::GetButton(int32_t Index) const {
  if (Index < 0 || Index >= GetButtonCount()) throw EListError("List index out of bounds (%d)", {Index});
  return FButtons[static_cast<std::size_t>(Index)];
}

void TCustomRadioGroup::CheckItemIndex(int32_t Value) const {
  if (Value < -1 || Value >= FItems->GetCount())
    throw EListError("Item index %d of radio group '%s' is out of bounds (-1..%d)",
                     {Value, ControlDisplayName(this), FItems->GetCount() - 1});
}

// While the group is loaded ItemIndex may come before its Items: it is
// kept as read and checked once loading ends.
void TCustomRadioGroup::SetItemIndex(int32_t Value) {
  if (GetComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  if (GetButtonCount() != FItems->GetCount()) SyncButtons();  // items changed in an update batch
  CheckItemIndex(Value);
  if (FItemIndex == Value) return;
  if (FItemIndex >= 0) FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(false);
  FItemIndex = Value;
  if (FItemIndex >= 0) FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(true);
}

void TCustomRadioGroup::SetColumns(int32_t Value) {
  if (Value < 1 || Value > 16)
    throw EInvalidOperation("Columns %d of radio group '%s' must lie in 1..16", {Value, ControlDisplayName(this)});
  if (FColumns == Value) return;
  FColumns = Value;
  ArrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::SetEnabled(bool Value) {
  inherited::SetEnabled(Value);
  for (TGroupButton* button : FButtons) button->SetEnabled(Value);
}

void TCustomRadioGroup::WndProc(TMessage& Message) {
  inherited::WndProc(Message);
  if (Message.Msg == CM_FONTCHANGED) ArrangeButtons();
}

void TCustomRadioGroup::Loaded() {
  inherited::Loaded();
  const int32_t loaded = FItemIndex;
  FItemIndex = -1;
  UpdateButtons();
  FUpdating = true;  // the index read from the form is no click
  try {
    SetItemIndex(loaded);
  } catch (...) {
    FUpdating = false;
    throw;
  }
  FUpdating = false;
}

void TCustomRadioGroup::Resize() {
  inherited::Resize();
  ArrangeButtons();
}

void TCustomRadioGroup::ButtonClick(TObject* Sender) {
  if (FUpdating) return;
  const auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
  if (it == FButtons.end()) return;
  FItemIndex = static_cast<int32_t>(it - FButtons.begin());
  Click();
}

void TCustomRadioGroup::ItemsChange(TObject* /*Sender*/) {
  if (!GetComponentState().Contains(csLoading)) SyncButtons();
}

// An index beyond the remaining items moves to the last one.
void TCustomRadioGroup::SyncButtons() {
  if (FItemIndex >= FItems->GetCount()) FItemIndex = FItems->GetCount() - 1;
  UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  FUpdating = true;
  while (GetButtonCount() < FItems->GetCount()) FButtons.push_back(New<TGroupButton>(this));
  while (GetButtonCount() > FItems->GetCount()) {
    FButtons.back()->Free();
    FButtons.pop_back();
  }
  for (int32_t i = 0; i < GetButtonCount(); ++i) {
    TGroupButton* button = FButtons[static_cast<std::size_t>(i)];
    button->SetCaption(FItems->GetStrings(i));
    button->SetChecked(i == FItemIndex);
  }
  FUpdating = false;
  ArrangeButtons();
}

// Columns of equal width fill top to bottom, then left to right, below the
// caption line; the rows share the height left, the remainder split above
// and below.
void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  TMeasuringCanvas measuring(GetFont());
  const int32_t lineHeight = LineHeight(measuring.Canvas());
  const auto count = GetButtonCount();
  const int32_t perColumn = (count + FColumns - 1) / FColumns;
  const int32_t buttonWidth = std::max(0, (FWidth - 10) / FColumns);
  const int32_t rowsHeight = std::max(0, FHeight - lineHeight - 5);
  const int32_t buttonHeight = rowsHeight / perColumn;
  const int32_t topMargin = lineHeight + 1 + (rowsHeight % perColumn) / 2;
  for (int32_t i = 0; i < count; ++i)
    FButtons[static_cast<std::size_t>(i)]->SetBounds(
        (i / perColumn) * buttonWidth + 8, (i % perColumn) * buttonHeight + topMargin, buttonWidth, buttonHeight);
}

}  // namespace host
