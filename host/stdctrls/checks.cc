// TCustomCheckBox and TRadioButton: their states, what a press does, the
// exclusive choice among the radio buttons of one parent, and their looks
// (a box or a circle beside the caption).
#include <algorithm>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/buttons_p.h"

namespace host {

namespace {

constexpr int32_t kMarkSize = buttonpaint::CheckBoxSize;  // the side of the box or the circle
constexpr int32_t kMarkSpacing = 4;

// Where the box (or circle) and the caption go in Client.
struct TMarkLayout {
  TRect Mark;
  TRect Caption;
};

TMarkLayout LayOutMark(const TRect& Client, TAlignment Alignment) {
  const int32_t top = Client.Top + (Client.Height() - kMarkSize) / 2;
  if (Alignment == taLeftJustify) {
    const int32_t left = Client.Right - kMarkSize;
    return {Rect(left, top, left + kMarkSize, top + kMarkSize),
            Rect(Client.Left, Client.Top, left - kMarkSpacing, Client.Bottom)};
  }
  return {Rect(Client.Left, top, Client.Left + kMarkSize, top + kMarkSize),
          Rect(Client.Left + kMarkSize + kMarkSpacing, Client.Top, Client.Right, Client.Bottom)};
}

}  // namespace

// The box with its tick: two strokes, each two pixels thick.
void buttonpaint::CheckBox(TCanvas* Canvas, const TRect& Box, bool Checked, bool Grayed) {
  Canvas->GetBrush()->SetColor(Grayed ? clBtnFace : clWindow);
  Canvas->FillRect(Box);
  Canvas->GetBrush()->SetColor(clBtnShadow);
  Canvas->FrameRect(Box);
  if (!Checked) return;
  Canvas->GetPen()->SetColor(Grayed ? clBtnShadow : clWindowText);
  const int32_t x = Box.Left + 3, y = Box.Top + 6;
  for (int32_t d = 0; d < 2; ++d) {
    Canvas->MoveTo(x, y + d);
    Canvas->LineTo(x + 2, y + 2 + d);
    Canvas->LineTo(x + 7, y - 3 + d);
  }
}

HOST_IMPL(TCustomCheckBox, TButtonControl)
HOST_IMPL(TCheckBox, TCustomCheckBox)
HOST_IMPL(TRadioButton, TButtonControl)

// ------------------------------------------------------------ TCustomCheckBox

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 97, 17); }

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  buttonpaint::CheckEnumValue(Value, cbGrayed, this);
  if (FState == Value) return;
  FState = Value;
  Invalidate();
  ClickUnlessDisabled();
}

void TCustomCheckBox::Toggle() {
  switch (FState) {
    case cbUnchecked:
      SetState(cbChecked);
      break;
    case cbChecked:
      SetState(FAllowGrayed ? cbGrayed : cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbUnchecked);
      break;
  }
}

void TCustomCheckBox::Paint() {
  TCanvas* canvas = GetCanvas();
  const TMarkLayout layout = LayOutMark(GetClientRect(), FAlignment);
  buttonpaint::CheckBox(canvas, layout.Mark, FState != cbUnchecked, FState == cbGrayed || !FEnabled);
  PaintCaptionBeside(layout.Caption);
}

// --------------------------------------------------------------- TRadioButton

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 113, 17);
  FTabStop = false;
}

void TRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  FTabStop = Value;
  Invalidate();
  if (!Value) return;
  TurnSiblingsOff();
  ClickUnlessDisabled();
}

// The other radio buttons of the parent go unchecked (an auto-check action
// of theirs too), without clicks.
void TRadioButton::TurnSiblingsOff() {
  if (!FParent) return;
  for (int32_t i = 0; i < FParent->GetControlCount(); ++i) {
    auto* sibling = dynamic_cast<TRadioButton*>(FParent->GetControls(i));
    if (!sibling || sibling == this) continue;
    if (auto* action = dynamic_cast<TCustomAction*>(sibling->GetAction()); action && action->GetAutoCheck())
      action->SetChecked(false);
    sibling->SetChecked(false);
  }
}

TRadioButton* TRadioButton::Neighbour(int Step) const {
  if (!FParent) return nullptr;
  std::vector<TRadioButton*> group;
  for (TWinControl* c : FParent->TabOrderList())
    if (auto* radio = dynamic_cast<TRadioButton*>(c); radio && radio->FParent == FParent && radio->CanFocus())
      group.push_back(radio);
  const auto it = std::find(group.begin(), group.end(), this);
  if (it == group.end() || group.size() < 2) return nullptr;
  const auto count = static_cast<std::ptrdiff_t>(group.size());
  const std::ptrdiff_t at = ((it - group.begin() + Step) % count + count) % count;
  return group[static_cast<std::size_t>(at)];
}

// Left and Up check the previous radio button of the parent, Right and
// Down the next one, and move the focus there.
void TRadioButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  const int step = Key == VK_LEFT || Key == VK_UP ? -1 : Key == VK_RIGHT || Key == VK_DOWN ? 1 : 0;
  if (step == 0 || !Shift.Empty()) return;
  Key = 0;
  TRadioButton* next = Neighbour(step);
  if (!next) return;
  next->SetFocus();
  next->SetChecked(true);
}

void TRadioButton::Paint() {
  TCanvas* canvas = GetCanvas();
  const TMarkLayout layout = LayOutMark(GetClientRect(), FAlignment);
  canvas->GetPen()->SetColor(clBtnShadow);
  canvas->GetBrush()->SetColor(FEnabled ? clWindow : clBtnFace);
  canvas->Ellipse(layout.Mark);
  if (FChecked) {
    canvas->GetPen()->SetColor(clWindowText);
    canvas->GetBrush()->SetColor(clWindowText);
    const TRect& m = layout.Mark;
    canvas->Ellipse(m.Left + 4, m.Top + 4, m.Right - 4, m.Bottom - 4);
  }
  PaintCaptionBeside(layout.Caption);
}

}  // namespace host
