// TStatusBar with its panels: the collection, the panels' places and their
// looks.
#include "host/comctrls/statusbar.h"

#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TStatusPanel, TCollectionItem)
HOST_IMPL(TStatusPanels, TCollection)
HOST_IMPL(TStatusBar, TCustomControl)

namespace {
constexpr int32_t kPanelGap = 2;    // between panels
constexpr int32_t kTextMargin = 3;  // between a panel's frame and its text
constexpr int32_t kGripSize = 12;
constexpr int32_t kMaxPanelWidth = 32767;

[[noreturn]] void RaiseInvalidPanelValue() { throw EInvalidOperation("Invalid property value (status panel)"); }

template <class E>
void CheckPanelEnum(E Value, E Last) {
  if (static_cast<int>(Value) > static_cast<int>(Last)) RaiseInvalidPanelValue();
}
}  // namespace

// --------------------------------------------------------------- TStatusPanel

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {}

void TStatusPanel::SetText(const std::string& Value) {
  if (ChangeField(FText, Value)) Changed(false);
}

void TStatusPanel::SetWidth(int32_t Value) {
  if (Value < 0 || Value > kMaxPanelWidth) RaiseInvalidPanelValue();
  if (ChangeField(FWidth, Value)) Changed(true);
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  CheckPanelEnum(Value, taCenter);
  if (ChangeField(FAlignment, Value)) Changed(false);
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  CheckPanelEnum(Value, pbRaised);
  if (ChangeField(FBevel, Value)) Changed(false);
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  CheckPanelEnum(Value, psOwnerDraw);
  if (ChangeField(FStyle, Value)) Changed(false);
}

void TStatusPanel::Assign(TPersistent* Source) {
  auto* panel = dynamic_cast<TStatusPanel*>(Source);
  if (!panel) return inherited::Assign(Source);
  FText = panel->FText;
  FWidth = panel->FWidth;
  FAlignment = panel->FAlignment;
  FBevel = panel->FBevel;
  FStyle = panel->FStyle;
  Changed(true);
}

std::string TStatusPanel::GetDisplayName() { return FText.empty() ? inherited::GetDisplayName() : FText; }

// -------------------------------------------------------------- TStatusPanels

TStatusPanels::TStatusPanels(TStatusBar* StatusBar)
    : TCollection(&TStatusPanel::StaticMetaClass), FStatusBar(StatusBar) {}

TPersistent* TStatusPanels::GetOwner() { return FStatusBar; }

void TStatusPanels::Update(TCollectionItem*) { FStatusBar->Invalidate(); }

// ----------------------------------------------------------------- TStatusBar

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  FPanels = New<TStatusPanels>(this);
  SetBounds(0, 0, 150, 19);
  FAlign = alBottom;
  FAnchors = AnchorAlign[FAlign];
}

void TStatusBar::Destroy() {
  inherited::Destroy();
  FreeAndNil(FPanels);
}

void TStatusBar::SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }

void TStatusBar::SetSimplePanel(bool Value) {
  if (ChangeField(FSimplePanel, Value)) Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
  if (ChangeField(FSimpleText, Value) && FSimplePanel) Invalidate();
}

void TStatusBar::SetSizeGrip(bool Value) {
  if (ChangeField(FSizeGrip, Value)) Invalidate();
}

TRect TStatusBar::PanelRect(int32_t Index) {
  if (FSimplePanel || Index < 0 || Index >= FPanels->GetCount()) return {};
  int64_t left = 0;
  for (int32_t i = 0; i < Index; ++i) left += int64_t{FPanels->GetItem(i)->GetWidth()} + kPanelGap;
  const bool last = Index == FPanels->GetCount() - 1;
  const int64_t right = last ? std::max<int64_t>(GetClientWidth(), left) : left + FPanels->GetItem(Index)->GetWidth();
  return TRect{ClampToInt32(left), kPanelGap, ClampToInt32(right), GetClientHeight()};
}

TRect TStatusBar::GripRect() {
  return TRect{GetClientWidth() - kGripSize, GetClientHeight() - kGripSize, GetClientWidth(), GetClientHeight()};
}

void TStatusBar::DrawPanel(TStatusPanel* Panel, const TRect& Rect) {
  if (OnDrawPanel) OnDrawPanel(this, Panel, Rect);
}

void TStatusBar::PaintPanel(const TRect& Rect, const std::string& Text, TAlignment Alignment, TStatusPanelBevel Bevel) {
  TCanvas* canvas = GetCanvas();
  if (Bevel != pbNone) comctrl::Bevel(canvas, Rect, Bevel == pbLowered, GetColor());
  const TSize size = canvas->TextExtent(Text);
  int32_t left = Rect.Left + kTextMargin;
  if (Alignment == taRightJustify) left = Rect.Right - kTextMargin - size.cx;
  if (Alignment == taCenter) left = Rect.Left + (Rect.Width() - size.cx) / 2;
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->TextOut(left, Rect.Top + (Rect.Height() - size.cy) / 2, Text);
  canvas->GetBrush()->SetStyle(bsSolid);
}

void TStatusBar::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  if (FSimplePanel) {
    PaintPanel(TRect{0, kPanelGap, GetClientWidth(), GetClientHeight()}, FSimpleText, taLeftJustify, pbLowered);
  } else {
    const auto alive = AliveFlag();
    for (int32_t i = 0; i < FPanels->GetCount() && *alive; ++i) {
      TStatusPanel* panel = FPanels->GetItem(i);
      const TRect rect = PanelRect(i);
      if (panel->GetStyle() == psOwnerDraw) {
        if (panel->GetBevel() != pbNone) comctrl::Bevel(canvas, rect, panel->GetBevel() == pbLowered, GetColor());
        DrawPanel(panel, rect);
      } else {
        PaintPanel(rect, panel->GetText(), panel->GetAlignment(), panel->GetBevel());
      }
    }
    if (!*alive) return;
  }
  if (!FSizeGrip) return;
  // Three diagonal ridges in the corner.
  const TRect grip = GripRect();
  for (int32_t i = 0; i < 3; ++i) {
    const int32_t offset = 4 * i;
    canvas->GetPen()->SetColor(clBtnHighlight);
    canvas->MoveTo(grip.Left + offset, grip.Bottom - 1);
    canvas->LineTo(grip.Right, grip.Top + offset - 1);
    canvas->GetPen()->SetColor(clBtnShadow);
    canvas->MoveTo(grip.Left + offset + 1, grip.Bottom - 1);
    canvas->LineTo(grip.Right, grip.Top + offset);
  }
}

}  // namespace host
