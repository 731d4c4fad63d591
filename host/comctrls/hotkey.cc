// THotKey: the user's key combinations and the box showing them.
#include "host/comctrls/hotkey.h"

#include "host/comctrls/comctrls_p.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(THotKey, TCustomControl)

namespace {

bool IsModifierKey(uint16_t Key) { return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU; }

TShiftState ModifiersOf(TShiftState Shift) {
  TShiftState modifiers;
  for (TShiftStateItem item : {ssShift, ssCtrl, ssAlt})
    if (Shift.Contains(item)) modifiers.Include(item);
  return modifiers;
}

// The combination Shift's modifiers make.
THKInvalidKey CombinationOf(TShiftState Shift) {
  const int bits =
      (Shift.Contains(ssShift) ? 1 : 0) | (Shift.Contains(ssCtrl) ? 2 : 0) | (Shift.Contains(ssAlt) ? 4 : 0);
  constexpr THKInvalidKey kByBits[] = {hcNone, hcShift,    hcCtrl,    hcShiftCtrl,
                                       hcAlt,  hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt};
  return kByBits[bits];
}

// "Ctrl+Shift+" for the modifiers held down alone.
std::string HeldText(TShiftState Held) {
  std::string text;
  if (Held.Contains(ssShift)) text += "Shift+";
  if (Held.Contains(ssCtrl)) text += "Ctrl+";
  if (Held.Contains(ssAlt)) text += "Alt+";
  return text;
}

}  // namespace

THotKey::THotKey(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetBounds(0, 0, 121, 19);
  SetColor(clWindow);
  SetParentColor(false);
}

void THotKey::SetHotKey(TShortCut Value) {
  if (ChangeField(FHotKey, Value)) Invalidate();
}

std::string THotKey::GetDisplayText() const {
  if (!FHeld.Empty()) return HeldText(FHeld);
  const std::string text = ShortCutToText(FHotKey);
  return text.empty() ? "None" : text;
}

TShiftState THotKey::ValidShift(TShiftState Shift) const {
  if (!FInvalidKeys.Contains(CombinationOf(Shift))) return Shift;
  TShiftState replaced;
  if (FModifiers.Contains(hkShift)) replaced.Include(ssShift);
  if (FModifiers.Contains(hkCtrl)) replaced.Include(ssCtrl);
  if (FModifiers.Contains(hkAlt)) replaced.Include(ssAlt);
  return replaced;
}

void THotKey::UserSet(TShortCut Value) {
  FHeld = {};
  Invalidate();
  if (!ChangeField(FHotKey, Value)) return;
  if (OnChange) OnChange(this);
}

// ------------------------------------------------------------------ input

void THotKey::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (*alive) inherited::MouseDown(Button, Shift, X, Y);
}

void THotKey::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  const TShiftState modifiers = ModifiersOf(Shift);
  if (Key == VK_TAB || ((Key == VK_RETURN || Key == VK_ESCAPE) && modifiers.Empty())) return;
  if (IsModifierKey(Key)) {
    FHeld = modifiers;
    Invalidate();
  } else if ((Key == VK_BACK || Key == VK_DELETE) && modifiers.Empty()) {
    UserSet(scNone);
  } else {
    UserSet(ShortCut(Key, ValidShift(modifiers)));
  }
  Key = 0;
}

// Letting the modifiers go without a key shows the hot key again.
void THotKey::KeyUp(uint16_t& Key, TShiftState Shift) {
  inherited::KeyUp(Key, Shift);
  if (!IsModifierKey(Key) || FHeld.Empty()) return;
  FHeld = ModifiersOf(Shift);
  Invalidate();
}

// The keys are taken whole: no character is typed into the box.
void THotKey::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  Key = 0;
}

void THotKey::DoEnter() {
  inherited::DoEnter();
  Invalidate();
}

void THotKey::DoExit() {
  FHeld = {};
  Invalidate();
  inherited::DoExit();
}

void THotKey::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(GetFont());
  comctrl::Bevel(canvas, GetClientRect(), true, GetColor());
  if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
  const std::string text = GetDisplayText();
  const int32_t top = (GetClientHeight() - canvas->TextHeight(text)) / 2;
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->TextOut(3, top, text);
  canvas->GetBrush()->SetStyle(bsSolid);
  if (!Focused()) return;
  // The caret, after the text.
  const int32_t x = 3 + canvas->TextWidth(text);
  canvas->GetBrush()->SetColor(clWindowText);
  canvas->FillRect(TRect{x, top, x + 1, top + canvas->TextHeight(text)});
}

}  // namespace host
