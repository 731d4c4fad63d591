// TApplication: hints. The control under the mouse is followed through the
// mouse messages the application delivers; its hint shows after HintPause
// (HintShortPause when a hint was showing a moment ago) and hides after
// HintHidePause, at a click, a key or when the mouse leaves the control.
#include <algorithm>

#include "host/controls/hintwindow.h"
#include "host/forms/appevents.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/forms/screen.h"
#include "host/widgetset/widgetset.h"

namespace host {

namespace {

// The part of a hint before '|' (all of it without one): what the hint
// window shows.
std::string ShortHint(const std::string& Hint) { return Hint.substr(0, Hint.find('|')); }

// The part after '|' (all of it without one): what the application's Hint
// (a status line) shows.
std::string LongHint(const std::string& Hint) {
  const std::size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

bool HasHintToShow(TControl* Control) { return Control->GetShowHint() && !ShortHint(Control->GetHint()).empty(); }

bool IsMouseMessage(uint32_t Msg) { return Msg >= WM_MOUSEMOVE && Msg <= WM_MOUSEWHEEL; }

}  // namespace

void TApplication::SetHint(const std::string& Value) {
  if (FHint == Value) return;
  FHint = Value;
  if (OnHint) OnHint(this);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnHint, this);
}

void TApplication::SetShowHint(bool Value) {
  FShowHint = Value;
  if (!Value) CancelHint();
}

static void CheckPause(int32_t Value, const char* Name) {
  if (Value < 0) throw EInvalidOperation("%s must not be negative (%d)", {std::string(Name), Value});
}

void TApplication::SetHintPause(int32_t Value) {
  CheckPause(Value, "HintPause");
  FHintPause = Value;
}

void TApplication::SetHintShortPause(int32_t Value) {
  CheckPause(Value, "HintShortPause");
  FHintShortPause = Value;
}

void TApplication::SetHintHidePause(int32_t Value) {
  CheckPause(Value, "HintHidePause");
  FHintHidePause = Value;
}

void TApplication::HintMouseMessage(TControl* Control, TMessage& Message) { TrackMouse(Control, Message); }

// A mouse move follows the control under the mouse; any other mouse
// message (a click, the wheel) hides the hint.
void TApplication::TrackMouse(TControl* Receiver, TMessage& Message) {
  if (!IsMouseMessage(Message.Msg) || Receiver == FHintWindow) return;
  if (Message.Msg != WM_MOUSEMOVE) {
    CancelHint();
    return;
  }
  TWSWindows* windows = RunningWindows();
  const TPoint cursor = windows ? windows->GetCursorPos() : TPoint{};
  TControl* control = FindDragTarget(cursor, false);
  SetHint(control ? LongHint(control->GetHint()) : std::string());
  if (control == FHintControl) return;
  const bool wasShowing = FHintWindow && FHintWindow->GetActive();
  CancelHint();
  if (!control || !FShowHint || !HasHintToShow(control)) return;
  FHintControl = control;
  control->FreeNotification(this);
  FHintCursor = control->ScreenToClient(cursor);
  StartHintTimer(wasShowing ? FHintShortPause : FHintPause);
}

void TApplication::StartHintTimer(int32_t Pause) {
  StopHintTimer();
  TWSWindows* windows = RunningWindows();
  if (!windows) return;
  FHintTimer = windows->SetTimer(static_cast<uint32_t>(std::max(1, Pause)), [this] { HintTimerExpired(); });
}

void TApplication::StopHintTimer() {
  if (!FHintTimer) return;
  if (TWSWindows* windows = RunningWindows()) windows->KillTimer(FHintTimer);
  FHintTimer = 0;
}

// The pause ended: the hint shows (and then waits for its hide pause), or
// the hide pause ended: it hides.
void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintWindow && FHintWindow->GetActive()) {
    HideHint();
    return;
  }
  if (FHintControl && ActivateHint(FHintControl, FHintCursor) && FHintHidePause > 0) StartHintTimer(FHintHidePause);
}

bool TApplication::ActivateHint(TControl* Control, TPoint CursorPos) {
  if (!Control) return false;
  THintInfo info;
  info.HintControl = Control;
  info.HintWindowClass = &THintWindow::StaticMetaClass;
  info.HintPos = Control->ClientToScreen({CursorPos.X, CursorPos.Y + 20});
  info.HintMaxWidth = Screen && Screen->GetWidth() > 0 ? Screen->GetWidth() : 300;
  info.HintColor = FHintColor;
  info.CursorRect = Control->GetClientRect();
  info.CursorPos = CursorPos;
  info.HideTimeout = FHintHidePause;
  info.HintStr = ShortHint(Control->GetHint());
  bool canShow = Control->Perform(CM_HINTSHOW, 0, reinterpret_cast<int64_t>(&info)) == 0;
  if (OnShowHint) OnShowHint(info.HintStr, canShow, info);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnShowHint, info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) return false;
  if (!FHintWindow) FHintWindow = New<THintWindow>(this);
  FHintWindow->SetColor(info.HintColor);
  TRect rect = FHintWindow->CalcHintRect(std::max(1, info.HintMaxWidth), info.HintStr, info.HintData);
  rect = Bounds(info.HintPos.X, info.HintPos.Y, rect.Width(), rect.Height());
  FHintWindow->ActivateHintData(rect, info.HintStr, info.HintData);
  FHintControl = Control;
  return true;
}

void TApplication::HideHint() {
  if (FHintWindow && FHintWindow->GetActive()) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  StopHintTimer();
  HideHint();
  FHintControl = nullptr;
}

}  // namespace host
