// TBitBtn: a push button with a glyph and a kind.
#include "host/buttons/buttons.h"
#include "host/classes/keptprops.h"
#include "host/forms/form.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"

namespace host {

HOST_IMPL(TBitBtn, TButton)

TBitBtn::TBitBtn(TComponent* AOwner) : TButton(AOwner), TButtonGlyph(this) {}

void TBitBtn::SetGlyph(TBitmap* Value) {
  TButtonGlyph::SetGlyph(Value);
  FModifiedGlyph = true;
}

// A kind whose settings were changed since is a custom button.
TBitBtnKind TBitBtn::GetKind() const {
  if (FKind == bkCustom) return FKind;
  const bool isDefault = FKind == bkOK || FKind == bkYes;
  const bool isCancel = FKind == bkCancel || FKind == bkNo;
  if (isDefault != GetDefault() || isCancel != GetCancel() || GetModalResult() != KindModalResult(FKind) ||
      FModifiedGlyph)
    FKind = bkCustom;
  return FKind;
}

void TBitBtn::SetKind(TBitBtnKind Value) {
  buttonpaint::CheckEnumValue(Value, bkAll, this);
  if (Value == FKind) return;
  if (Value != bkCustom) {
    SetDefault(Value == bkOK || Value == bkYes);
    SetCancel(Value == bkCancel || Value == bkNo);
    // A form file that gave the button a caption of its own keeps it.
    if (!GetComponentState().Contains(csLoading) || GetCaption().empty()) SetCaption(KindCaption(Value));
    SetModalResult(KindModalResult(Value));
    TOwned<TBitmap> glyph = MakeOwned<TBitmap>();
    MakeKindGlyph(Value, glyph.get());
    TButtonGlyph::SetGlyph(glyph.get());
    FModifiedGlyph = false;
  }
  FKind = Value;
  Invalidate();
}

void TBitBtn::SetStyle(TButtonStyle Value) {
  buttonpaint::CheckEnumValue(Value, bsNew, this);
  FStyle = Value;
  Invalidate();
}

bool TBitBtn::IsCustomCaption() const { return GetCaption() != KindCaption(GetKind()); }

bool TBitBtn::IsNumGlyphsStored() const { return IsCustom() || WasPropertyRead(this, "NumGlyphs").value_or(false); }

// A close button closes its form (after OnClick).
void TBitBtn::Click() {
  TCustomForm* form = GetKind() == bkClose ? GetParentForm(this) : nullptr;
  const auto alive = AliveFlag();
  inherited::Click();
  if (*alive && form) form->Close();
}

void TBitBtn::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect r = GetClientRect();
  if (GetDefault() || Focused()) {
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(r);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  buttonpaint::Bevel(canvas, r, GetPressed(), clBtnFace);
  canvas->SetFont(GetFont());
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  const TButtonState state = !GetEnabled() ? bsDisabled : GetPressed() ? bsDown : bsUp;
  const TPoint offset = GetPressed() ? TPoint{1, 1} : TPoint{0, 0};
  const TRect text = DrawGlyphAndCaption(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), GetCaption(),
                                         state, offset, clBtnFace);
  if (Focused()) canvas->DrawFocusRect(Rect(text.Left - 2, text.Top - 1, text.Right + 2, text.Bottom + 1));
}

}  // namespace host
