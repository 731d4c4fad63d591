// TCustomForm: showing and hiding, closing, releasing and the modal loop.
#include <algorithm>
#include <vector>

#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/forms/forms_p.h"
#include "host/forms/screen.h"
#include "host/widgetset/widgetset.h"

namespace host {

namespace formsdetail {

namespace {
std::vector<TCustomForm*>& PendingReleases() {
  static std::vector<TCustomForm*> forms;
  return forms;
}
}  // namespace

void ReleaseLater(TCustomForm* Form) {
  auto& forms = PendingReleases();
  if (std::find(forms.begin(), forms.end(), Form) == forms.end()) forms.push_back(Form);
}

void ForgetRelease(TCustomForm* Form) { std::erase(PendingReleases(), Form); }

bool FreeReleasedForms() {
  auto& forms = PendingReleases();
  if (forms.empty()) return false;
  while (!forms.empty()) {
    TCustomForm* form = forms.front();
    forms.erase(forms.begin());
    form->Free();
  }
  return true;
}

}  // namespace formsdetail

namespace {

// Sets a flag of a form state for a scope, also when the scope raises.
class TFormStateScope {
 public:
  TFormStateScope(TFormState& State, TFormStateItem Item) : FState(State), FItem(Item) { FState.Include(Item); }
  ~TFormStateScope() { FState.Exclude(FItem); }
  TFormStateScope(const TFormStateScope&) = delete;
  TFormStateScope& operator=(const TFormStateScope&) = delete;

 private:
  TFormState& FState;
  TFormStateItem FItem;
};

// The form a form with poMainFormCenter or poOwnerFormCenter centres on: its
// owner when that is a form (poOwnerFormCenter), else the main form; null
// when there is none but the form itself (the screen is taken instead).
const TCustomForm* CentringForm(TCustomForm* Form, TPosition Position) {
  const TCustomForm* other = nullptr;
  if (Position == poOwnerFormCenter) other = dynamic_cast<const TCustomForm*>(Form->GetOwner());
  if (!other && Application) other = Application->GetMainForm();
  return other == Form ? nullptr : other;
}

// The rectangle a form is centred in on its first showing; empty when its
// Position does not centre it.
TRect CentringArea(TCustomForm* Form, TPosition Position) {
  switch (Position) {
    case poScreenCenter:
      return Screen->GetWorkAreaRect();
    case poDesktopCenter:
      return Screen->GetDesktopRect();
    case poMainFormCenter:
    case poOwnerFormCenter: {
      const TCustomForm* other = CentringForm(Form, Position);
      return other ? other->GetBoundsRect() : Screen->GetWorkAreaRect();
    }
    default:
      return {};
  }
}

}  // namespace

// ------------------------------------------------------------ show and hide

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
  SetWindowFocus();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::VisibleChanging() {
  inherited::VisibleChanging();
  if (FFormState.Contains(fsShowing))
    throw EInvalidOperation("Cannot change Visible in OnShow or OnHide (form '%s')", {ControlDisplayName(this)});
  if (!FVisible && GetComponentState().Contains(csDestroying))
    throw EInvalidOperation("Cannot show form '%s' while it is being destroyed", {ControlDisplayName(this)});
}

// OnShow runs before the window shows, OnHide before it hides (a handler
// that raises is reported and the showing goes on); then the screen hears
// of a form that went.
void TCustomForm::VisibleChanged(bool Visible) {
  {
    TFormStateScope showing(FFormState, fsShowing);
    if (Visible) PlaceOnShow();
    RunReported(Visible ? &TCustomForm::DoShow : &TCustomForm::DoHide);
  }
  if (Visible)
    FFormState.Include(fsVisible);
  else
    FFormState.Exclude(fsVisible);
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

// The first showing places the form as Position asks.
void TCustomForm::PlaceOnShow() {
  // A designed form stays where its file puts it.
  if (FPlaced || !Screen || GetComponentState().Contains(csDesigning)) return;
  FPlaced = true;
  if (FWindowState == wsMaximized) {
    SetBoundsRect(Screen->GetWorkAreaRect());
    return;
  }
  const TRect area = CentringArea(this, FPosition);
  if (area.Width() <= 0 || area.Height() <= 0) return;
  SetBounds(area.Left + (area.Width() - FWidth) / 2, area.Top + (area.Height() - FHeight) / 2, FWidth, FHeight);
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_RELEASE:
      Free();
      return;
    case CM_MODALRESULT:
      FModalResult = static_cast<TModalResult>(static_cast<TWMGeneric&>(Message).WParam);
      Message.Result = 1;
      return;
    case WM_CLOSE:
      Close();
      return;
    case WM_SIZE: {
      // The window is the client area: the outer size adds the frame.
      const auto& m = static_cast<TWMSize&>(Message);
      const TRect frame = GetFrameExtents();
      SetBounds(FLeft, FTop, formsdetail::OuterExtent(m.Width, frame.Left, frame.Right),
                formsdetail::OuterExtent(m.Height, frame.Top, frame.Bottom));
      return;
    }
    case WM_MOVE: {
      const auto& m = static_cast<TWMMove&>(Message);
      const TRect frame = GetFrameExtents();
      SetBounds(ClampToInt32(int64_t{m.XPos} - frame.Left), ClampToInt32(int64_t{m.YPos} - frame.Top), FWidth, FHeight);
      return;
    }
    case CM_VISIBLECHANGED:
      VisibleChanged(static_cast<TWMGeneric&>(Message).WParam != 0);
      inherited::WndProc(Message);
      if (!FVisible && Screen) Screen->FormGone(this);
      return;
    case WM_SETFOCUS: {
      // The form's window got the focus: it passes it on to its active control.
      const auto alive = AliveFlag();
      inherited::WndProc(Message);
      if (*alive && FActiveControl && FActiveControl->CanFocus()) FActiveControl->SetFocus();
      return;
    }
    default:
      inherited::WndProc(Message);
  }
}

// ------------------------------------------------------------------- closing

bool TCustomForm::CloseQuery() {
  if (FFormStyle == fsMDIForm)
    for (int32_t i = 0; i < GetMDIChildCount(); ++i)
      if (!GetMDIChildren(i)->CloseQuery()) return false;
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
  formsdetail::CheckEnum(Action, "the close action", ControlDisplayName(this));
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = FFormStyle != fsMDIChild ? caHide : FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->GetMainForm() == static_cast<TCustomForm*>(this)) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    default: Release(); break;
  }
}

void TCustomForm::Release() {
  TWSWindows* windows = RunningWindows();
  HWND handle = windows ? GetHandle() : 0;
  if (!handle || !windows->PostMessage(handle, CM_RELEASE, 0, 0)) formsdetail::ReleaseLater(this);
}

// --------------------------------------------------------------------- modal

namespace {

// The forms a modal form disables while it runs, enabled again after. A
// form being designed is disabled as a window only: its Enabled is a
// property of the designed form, which a form file would keep.
class TOtherFormsDisabled {
 public:
  explicit TOtherFormsDisabled(TCustomForm* Modal) {
    if (!Screen) return;
    for (int32_t i = 0; i < Screen->GetCustomFormCount(); ++i) {
      TCustomForm* form = Screen->GetCustomForms(i);
      if (form == Modal || !form->GetVisible() || !form->GetEnabled()) continue;
      Enable(form, false);
      FForms.push_back({form, form->AliveFlag()});
    }
  }
  ~TOtherFormsDisabled() { Restore(); }
  void Restore() {
    for (auto& [form, alive] : FForms)
      if (*alive) Enable(form, true);
    FForms.clear();
  }
  static void Enable(TCustomForm* Form, bool Value) {
    if (!Form->GetComponentState().Contains(csDesigning)) {
      Form->SetEnabled(Value);
    } else if (TWSWindows* windows = RunningWindows(); windows && Form->HandleAllocated()) {
      windows->EnableWindow(Form->GetWindowHandle(), Value);
    }
  }
  TOtherFormsDisabled(const TOtherFormsDisabled&) = delete;
  TOtherFormsDisabled& operator=(const TOtherFormsDisabled&) = delete;

 private:
  std::vector<std::pair<TCustomForm*, std::shared_ptr<const bool>>> FForms;
};

// One wait of a modal loop; false when nothing can ever come.
bool WaitModal() {
  if (Application) return Application->WaitForInput();
  TWSWindows* windows = RunningWindows();
  return windows && windows->WaitMessage();
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (FVisible || !GetEnabled() || FFormState.Contains(fsModal) || FFormStyle == fsMDIChild)
    throw EInvalidOperation("Cannot make a visible window modal");
  if (TControl* capture = GetCaptureControl()) capture->SetMouseCapture(false);
  const auto alive = AliveFlag();
  // The form active before comes back to the front afterwards, as the
  // window a modal dialog was opened from does.
  TCustomForm* before = Screen ? Screen->GetActiveCustomForm() : nullptr;
  const auto beforeAlive = before ? before->AliveFlag() : nullptr;
  TOtherFormsDisabled others(this);
  FFormState.Include(fsModal);
  FModalResult = mrNone;
  // Undoes the showing: the other forms work again, the form leaves modal
  // state and hides, and the form active before is activated again.
  auto leave = [&] {
    others.Restore();
    if (*alive) {
      FFormState.Exclude(fsModal);
      if (FVisible) Hide();
    }
    if (before && before != this && *beforeAlive && before->GetVisible()) before->SetWindowFocus();
  };
  bool ended = false;
  try {
    Show();
    ended = RunModalLoop();
  } catch (...) {
    leave();
    throw;
  }
  if (!*alive) return mrCancel;
  const TModalResult result = FModalResult;
  leave();
  if (!ended)
    throw EInvalidOperation("Modal form '%s' cannot be closed: no input can come while it waits",
                            {ControlDisplayName(this)});
  return result;
}

// Waits until the modal result is set and the form agrees to close.
bool TCustomForm::RunModalLoop() {
  const auto alive = AliveFlag();
  for (;;) {
    if (!WaitModal()) return false;
    if (!*alive) return true;
    if (Application && Application->GetTerminated()) FModalResult = mrCancel;
    if (FModalResult != mrNone) {
      CloseModal();
      if (!*alive || FModalResult != mrNone) return true;
    }
  }
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone)
    FModalResult = mrNone;
  else if (action == caFree)
    Release();
}

}  // namespace host
