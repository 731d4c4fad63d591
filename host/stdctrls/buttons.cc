// TButtonControl and TButton: the press of a user (a left click released
// over the control, Space), the link to an action's Checked, and the push
// button with its modal result, default and cancel keys and raised look.
#include "host/stdctrls/buttons.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host {

namespace {

// Sets ClicksDisabled for its lifetime, and puts back what it was.
class TClicksOff {
 public:
  explicit TClicksOff(TButtonControl* Button) : FButton(Button), FWas(Button->GetClicksDisabled()) {
    Button->SetClicksDisabled(true);
  }
  ~TClicksOff() { FButton->SetClicksDisabled(FWas); }
  TClicksOff(const TClicksOff&) = delete;
  TClicksOff& operator=(const TClicksOff&) = delete;

 private:
  TButtonControl* FButton;
  bool FWas;
};

// The lines of Text that fit Width, broken at spaces (a word longer than
// Width keeps a line of its own).
std::vector<std::string> WrapLines(TCanvas* Canvas, const std::string& Text, int32_t Width) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= Text.size()) {
    std::size_t end = Text.find(' ', start);
    if (end == std::string::npos) end = Text.size();
    const std::string word = Text.substr(start, end - start);
    const std::string joined = line.empty() ? word : line + " " + word;
    if (!line.empty() && Canvas->TextWidth(joined) > Width) {
      lines.push_back(line);
      line = word;
    } else {
      line = joined;
    }
    start = end + 1;
  }
  lines.push_back(line);
  return lines;
}

}  // namespace

HOST_IMPL(TButtonActionLink, TWinControlActionLink)
HOST_IMPL(TButtonControl, TWinControl)
HOST_IMPL(TButton, TButtonControl)

// ---------------------------------------------------------- TButtonActionLink

TButtonActionLink::TButtonActionLink(TObject* AClient)
    : TWinControlActionLink(AClient), FButton(dynamic_cast<TButtonControl*>(AClient)) {
  if (!FButton) throw EInvalidOperation("A button action link needs a button control as its client");
}

bool TButtonActionLink::IsCheckedLinked() {
  TCustomAction* action = GetCustomAction();
  return action && FButton->GetChecked() == action->GetChecked();
}

void TButtonActionLink::SetChecked(bool Value) {
  if (!IsCheckedLinked()) return;
  TClicksOff quiet(FButton);
  FButton->SetChecked(Value);
}

// ------------------------------------------------------------- TButtonControl

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  // Clicks come from Press, not from the click machinery of every control.
  FControlStyle = {csSetCaption, csDoubleClicks, csCaptureMouse};
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
  FTabStop = true;
}

void TButtonControl::Destroy() {
  FCanvas->FreeHandle();
  inherited::Destroy();
  FreeAndNil(FCanvas);
}

void TButtonControl::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Invalidate();
}

TClass TButtonControl::GetActionLinkClass() const { return &TButtonActionLink::StaticMetaClass; }

// The action's Checked reaches the control without a click (setting an
// action must not run it).
void TButtonControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  inherited::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action || (CheckDefaults && GetChecked())) return;
  TClicksOff quiet(this);
  SetChecked(action->GetChecked());
}

void TButtonControl::ClickUnlessDisabled() {
  if (!FClicksDisabled) Click();
}

void TButtonControl::PaintWindow(HDC DC) {
  PaintBackground(DC);
  FCanvas->DrawOn(DC, [this] { Paint(); });
}

TRect TButtonControl::PaintCaption(const TRect& Rect, bool Centered) {
  FCanvas->SetFont(FFont);
  FCanvas->GetFont()->SetColor(FEnabled ? FFont->GetColor() : clGrayText);
  FCanvas->GetBrush()->SetStyle(bsClear);
  // The caption shows without its '&' marks; a one-line caption underlines
  // the character that follows the mark (the accelerator).
  const std::string shown = StripAccelChars(FText, true);
  const std::vector<std::string> lines =
      FWordWrap ? WrapLines(FCanvas, shown, Rect.Width()) : std::vector<std::string>{shown};
  const int32_t lineHeight = FCanvas->TextHeight("Wg");
  const auto count = static_cast<int32_t>(lines.size());
  int32_t width = 0;
  for (const std::string& line : lines) width = std::max(width, FCanvas->TextWidth(line));
  const int32_t left = Centered ? Rect.Left + (Rect.Width() - width) / 2 : Rect.Left;
  const int32_t top = Rect.Top + (Rect.Height() - lineHeight * count) / 2;
  for (int32_t i = 0; i < count; ++i) {
    const std::string& line = lines[static_cast<std::size_t>(i)];
    const int32_t x = Centered ? Rect.Left + (Rect.Width() - FCanvas->TextWidth(line)) / 2 : Rect.Left;
    FCanvas->TextRect(Rect, x, top + i * lineHeight, line);
  }
  if (count == 1) UnderlineAccelChar(FCanvas, FText, left, top + lineHeight - 1);
  FCanvas->GetBrush()->SetStyle(bsSolid);
  return {left, top, left + width, top + lineHeight * count};
}

void TButtonControl::PaintCaptionBeside(const TRect& Rect) {
  const TRect text = PaintCaption(Rect, false);
  if (Focused()) FCanvas->DrawFocusRect(host::Rect(text.Left - 1, text.Top - 1, text.Right + 1, text.Bottom + 1));
}

void TButtonControl::ChangeAlignment(TAlignment& Field, TAlignment Value) {
  buttonpaint::CheckEnumValue(Value, taRightJustify, this);
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TButtonControl::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  if (Button == mbLeft) {
    FPressed = true;
    if (CanFocus() && !Focused()) SetFocus();
    Invalidate();
  }
  inherited::MouseDown(Button, Shift, X, Y);
}

// Released over the control after going down on it: pressed. The handlers
// may free the control, so it is touched again only while alive.
void TButtonControl::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const bool press = Button == mbLeft && FPressed && PtInRect(GetClientRect(), {X, Y});
  if (Button == mbLeft) {
    FPressed = false;
    Invalidate();
  }
  const auto alive = AliveFlag();
  if (press) Press();
  if (*alive) inherited::MouseUp(Button, Shift, X, Y);
}

void TButtonControl::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if (Key != ' ') return;
  Key = 0;
  Press();
}

void TButtonControl::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TButtonControl::DoExit() {
  Invalidate();
  inherited::DoExit();
}

// -------------------------------------------------------------------- TButton

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) { SetBounds(0, 0, 75, 25); }

void TButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  FDefault = Value;
  Invalidate();
}

void TButton::Click() {
  TWinControl* top = this;
  while (top->GetParent()) top = top->GetParent();
  const auto alive = AliveFlag();
  if (top != this) top->Perform(CM_MODALRESULT, FModalResult, 0);
  if (*alive) inherited::Click();
}

bool TButton::AnswersDialogKey(int64_t Key) const {
  return ((Key == VK_RETURN && FDefault) || (Key == VK_ESCAPE && FCancel)) && CanFocus();
}

void TButton::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGKEY && AnswersDialogKey(static_cast<TWMGeneric&>(Message).WParam)) {
    Message.Result = 1;
    Click();
    return;
  }
  inherited::WndProc(Message);
}

// A focused button takes Enter itself, before any default button.
void TButton::KeyDown(uint16_t& Key, TShiftState Shift) {
  inherited::KeyDown(Key, Shift);
  if (Key != VK_RETURN || !Shift.Empty()) return;
  Key = 0;
  Click();
}

void TButton::Paint() {
  TCanvas* canvas = GetCanvas();
  TRect r = GetClientRect();
  if (FDefault || Focused()) {
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(r);
    r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  buttonpaint::Bevel(canvas, r, GetPressed(), clBtnFace);
  PaintCaption(Rect(r.Left + 4, r.Top + 2, r.Right - 4, r.Bottom - 2), true);
  if (Focused()) canvas->DrawFocusRect(Rect(r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3));
}

}  // namespace host
