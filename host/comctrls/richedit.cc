// TCustomRichEdit with its character and paragraph formats.
#include "host/comctrls/richedit.h"

#include "host/comctrls/comctrls_p.h"

namespace host {

HOST_IMPL(TTextAttributes, TPersistent)
HOST_IMPL(TParaAttributes, TPersistent)
HOST_IMPL(TCustomRichEdit, TCustomMemo)
HOST_IMPL(TRichEdit, TCustomRichEdit)

// ------------------------------------------------------------ TTextAttributes

TPersistent* TTextAttributes::GetOwner() { return FOwner; }

void TTextAttributes::Assign(TPersistent* Source) {
  if (auto* attributes = dynamic_cast<TTextAttributes*>(Source)) return FFont->Assign(attributes->FFont);
  if (auto* font = dynamic_cast<TFont*>(Source)) return FFont->Assign(font);
  inherited::Assign(Source);
}

void TTextAttributes::AssignTo(TPersistent* Dest) {
  if (auto* font = dynamic_cast<TFont*>(Dest)) return font->Assign(FFont);
  inherited::AssignTo(Dest);
}

// ------------------------------------------------------------ TParaAttributes

TPersistent* TParaAttributes::GetOwner() { return FOwner; }

TAlignment TParaAttributes::GetAlignment() const { return FOwner->GetAlignment(); }

void TParaAttributes::SetAlignment(TAlignment Value) { FOwner->SetAlignment(Value); }

void TParaAttributes::SetNumbering(TNumberingStyle Value) {
  comctrl::CheckEnumValue(Value, nsBullet, FOwner);
  FNumbering = Value;
}

void TParaAttributes::Assign(TPersistent* Source) {
  auto* para = dynamic_cast<TParaAttributes*>(Source);
  if (!para) return inherited::Assign(Source);
  SetAlignment(para->GetAlignment());
  FFirstIndent = para->FFirstIndent;
  FLeftIndent = para->FLeftIndent;
  FRightIndent = para->FRightIndent;
  FNumbering = para->FNumbering;
}

// ------------------------------------------------------------ TCustomRichEdit

TCustomRichEdit::TCustomRichEdit(TComponent* AOwner) : TCustomMemo(AOwner) {
  FSelFont = New<TFont>();
  FSelFont->Assign(GetFont());
  FDefAttributes = New<TTextAttributes>(this, GetFont());
  FSelAttributes = New<TTextAttributes>(this, FSelFont);
  FParagraph = New<TParaAttributes>(this);
}

void TCustomRichEdit::Destroy() {
  FreeAndNil(FParagraph);
  FreeAndNil(FSelAttributes);
  FreeAndNil(FDefAttributes);
  FreeAndNil(FSelFont);
  inherited::Destroy();
}

}  // namespace host
