// TBoundLabel and TCustomLabeledEdit: an edit and the label that follows it.
#include "host/extctrls/editboxes.h"
#include "host/stdctrls/buttons_p.h"

namespace host {

HOST_IMPL(TBoundLabel, TCustomLabel)
HOST_IMPL(TCustomLabeledEdit, TCustomEdit)
HOST_IMPL(TLabeledEdit, TCustomLabeledEdit)

// ---------------------------------------------------------------- TBoundLabel

TBoundLabel::TBoundLabel(TComponent* AOwner) : TCustomLabel(AOwner) { SetName("SubLabel"); }

void TBoundLabel::BoundsChanged() {
  inherited::BoundsChanged();
  if (auto* edit = dynamic_cast<TCustomLabeledEdit*>(GetOwner())) edit->PlaceLabel();
}

void TBoundLabel::EditLoaded() {
  if (GetComponentState().Contains(csLoading)) Loaded();
}

// --------------------------------------------------------- TCustomLabeledEdit

TCustomLabeledEdit::TCustomLabeledEdit(TComponent* AOwner) : TCustomEdit(AOwner) {
  FEditLabel = New<TBoundLabel>(this);
  FEditLabel->FreeNotification(this);
  FEditLabel->SetFocusControl(this);
}

void TCustomLabeledEdit::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (AComponent == FEditLabel && Operation == opRemove) FEditLabel = nullptr;
}

void TCustomLabeledEdit::ReadState(TReader* Reader) {
  if (FEditLabel) FEditLabel->BeginEditReading();
  inherited::ReadState(Reader);
}

void TCustomLabeledEdit::Loaded() {
  inherited::Loaded();
  if (FEditLabel) FEditLabel->EditLoaded();
}

void TCustomLabeledEdit::SetLabelPosition(TLabelPosition Value) {
  buttonpaint::CheckEnumValue(Value, lpRight, this);
  FLabelPosition = Value;
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelSpacing(int32_t Value) {
  FLabelSpacing = Value;
  PlaceLabel();
}

// Above and below the label starts at the edit's left edge; left and right
// of it the label is centred on the edit's height.
void TCustomLabeledEdit::PlaceLabel() {
  if (!FEditLabel || FPlacing) return;
  FPlacing = true;
  const int32_t width = FEditLabel->GetWidth(), height = FEditLabel->GetHeight();
  const int32_t middle = FTop + (FHeight - height) / 2;
  TPoint at{FLeft, FTop - height - FLabelSpacing};
  if (FLabelPosition == lpBelow) at = {FLeft, FTop + FHeight + FLabelSpacing};
  if (FLabelPosition == lpLeft) at = {FLeft - width - FLabelSpacing, middle};
  if (FLabelPosition == lpRight) at = {FLeft + FWidth + FLabelSpacing, middle};
  try {
    FEditLabel->SetBounds(at.X, at.Y, width, height);
  } catch (...) {
    FPlacing = false;
    throw;
  }
  FPlacing = false;
}

void TCustomLabeledEdit::SetParent(TWinControl* AParent) {
  inherited::SetParent(AParent);
  if (!FEditLabel) return;
  FEditLabel->SetParent(AParent);
  FEditLabel->SetVisible(GetVisible());
  PlaceLabel();
}

void TCustomLabeledEdit::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
  PlaceLabel();
}

// The label follows the edit's visibility and enabled state. Other
// messages may free the edit (a handler), so only these two are followed up.
void TCustomLabeledEdit::WndProc(TMessage& Message) {
  const bool follow = Message.Msg == CM_VISIBLECHANGED || Message.Msg == CM_ENABLEDCHANGED;
  inherited::WndProc(Message);
  if (!follow || !FEditLabel) return;
  FEditLabel->SetVisible(GetVisible());
  FEditLabel->SetEnabled(GetEnabled());
}

}  // namespace host
