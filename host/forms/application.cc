// TApplication: creating forms, the message loop and idle processing,
// message delivery with short cuts and key preview, exceptions, actions,
// help, minimising. The hints are in apphint.cc.
#include "host/forms/application.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "host/classes/datamodule.h"
#include "host/forms/appevents.h"
#include "host/forms/form.h"
#include "host/forms/forms_p.h"
#include "host/forms/screen.h"
#include "host/graphics/icon.h"
#include "host/menus/menu.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TApplication, TComponent)

TApplication* Application = nullptr;

namespace {
// Counts a running message loop for its scope.
class TLoopScope {
 public:
  explicit TLoopScope(int32_t& Depth) : FDepth(Depth) { ++FDepth; }
  ~TLoopScope() { --FDepth; }
  TLoopScope(const TLoopScope&) = delete;
  TLoopScope& operator=(const TLoopScope&) = delete;

 private:
  int32_t& FDepth;
};

}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  FIcon = New<TIcon>();
  FTitle = std::filesystem::path(GetExeName()).stem().string();
}

void TApplication::Destroy() {
  StopHintTimer();
  FreeAndNil(FIcon);
  inherited::Destroy();
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHintWindow) FHintWindow = nullptr;
  ControlDestroyed(dynamic_cast<TControl*>(AComponent));
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (!Control) return;
  if (Control == FHintControl) {
    StopHintTimer();
    FHintControl = nullptr;
  }
  if (Control == static_cast<TControl*>(FMainForm)) {
    FMainForm = nullptr;
    // The program ends with its main form.
    if (FRunning) Terminate();
  }
}

std::string TApplication::GetExeName() const {
  std::error_code error;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : exe.string();
}

// ------------------------------------------------------------------- running

void TApplication::Initialize() {}

void TApplication::CreateForm(TClass InstanceClass, void* Reference) {
  const bool isForm = InstanceClass && InstanceClass->InheritsFrom(&TCustomForm::StaticMetaClass);
  if (!isForm && !(InstanceClass && InstanceClass->InheritsFrom(&TDataModule::StaticMetaClass)))
    throw EInvalidOperation("Cannot create '%s' with CreateForm: it is neither a form nor a data module class",
                            {InstanceClass ? InstanceClass->ClassName() : std::string("nil")});
  if (!Reference) throw EInvalidOperation("CreateForm needs a reference to write the new form into");
  auto* reference = static_cast<TComponent**>(Reference);
  *reference = nullptr;
  auto* component = static_cast<TComponent*>(InstanceClass->Create(this));
  *reference = component;
  if (auto* module = dynamic_cast<TDataModule*>(component); module && Screen) Screen->AddDataModule(module);
  if (auto* form = dynamic_cast<TForm*>(component); form && !FMainForm) {
    FMainForm = form;
    form->FreeNotification(this);
  }
}

void TApplication::Run() {
  FRunning = true;
  try {
    if (FMainForm && FShowMainForm) {
      if (FMainForm->GetWindowState() == wsMinimized)
        Minimize();
      else
        FMainForm->Show();
    }
    while (!FTerminate) HandleMessage();
  } catch (...) {
    FRunning = false;
    throw;
  }
  FRunning = false;
}

void TApplication::ProcessMessages() {
  TLoopScope loop(FLoopDepth);
  formsdetail::FreeReleasedForms();
  if (TWSWindows* windows = RunningWindows()) windows->ProcessMessages();
}

void TApplication::HandleMessage() {
  if (!WaitForInput()) Terminate();
}

bool TApplication::WaitForInput() {
  TLoopScope loop(FLoopDepth);
  TWSWindows* windows = RunningWindows();
  if (!windows) return false;
  if (formsdetail::FreeReleasedForms() || windows->ProcessMessages()) return true;
  // A handler that wants more idle time (Done false) is called again
  // before anything waits.
  if (!Idle()) return true;
  return windows->WaitMessage();
}

bool TApplication::Idle() {
  bool done = true;
  try {
    UpdateVisibleActions();
    if (OnIdle) OnIdle(this, done);
    TApplicationEvents::Broadcast(&TApplicationEvents::OnIdle, this, done);
  } catch (...) {
    HandleException(this);
  }
  return done;
}

namespace {

// Every control on Parent and below it, parents first.
void CollectControls(TWinControl* Parent, std::vector<TControl*>& Out) {
  for (int32_t i = 0; i < Parent->GetControlCount(); ++i) {
    TControl* c = Parent->GetControls(i);
    Out.push_back(c);
    if (auto* w = dynamic_cast<TWinControl*>(c)) CollectControls(w, Out);
  }
}

}  // namespace

// The actions of the visible forms, each once: those linked to the forms'
// controls and those in the forms' action lists.
void TApplication::UpdateVisibleActions() {
  if (!Screen) return;
  std::vector<TBasicAction*> updated;
  auto update = [&](TBasicAction* action) {
    if (!action || std::find(updated.begin(), updated.end(), action) != updated.end()) return;
    updated.push_back(action);
    if (!UpdateAction(action)) action->Update();
  };
  std::vector<TCustomForm*> forms;
  for (int32_t i = 0; i < Screen->GetCustomFormCount(); ++i)
    if (TCustomForm* f = Screen->GetCustomForms(i); f->GetVisible()) forms.push_back(f);
  for (TCustomForm* form : forms) {
    std::vector<TControl*> controls;
    CollectControls(form, controls);
    update(form->GetAction());
    for (TControl* c : controls) update(c->GetAction());
    for (int32_t i = 0; i < form->GetComponentCount(); ++i)
      if (auto* list = dynamic_cast<TCustomActionList*>(form->GetComponents(i)))
        for (int32_t j = 0; j < list->GetActionCount(); ++j) update(list->GetActions(j));
  }
}

namespace {

bool Offer(TActionEvent& Event, TActionEvent TApplicationEvents::*Heard, TBasicAction* Action) {
  bool handled = false;
  if (Event) Event(Action, handled);
  TApplicationEvents::Broadcast(Heard, Action, handled);
  return handled;
}

}  // namespace

bool TApplication::ExecuteAction(TBasicAction* Action) {
  return Offer(OnActionExecute, &TApplicationEvents::OnActionExecute, Action);
}
bool TApplication::UpdateAction(TBasicAction* Action) {
  return Offer(OnActionUpdate, &TApplicationEvents::OnActionUpdate, Action);
}

// ---------------------------------------------------------------- exceptions

void TApplication::HandleException(TObject* Sender) {
  const std::exception_ptr raised = std::current_exception();
  if (!raised) return;
  try {
    std::rethrow_exception(raised);
  } catch (const EAbort&) {
    // The silent exception: nothing to report.
  } catch (Exception& e) {
    ReportException(Sender, &e);
  } catch (const std::exception& e) {
    Exception wrapped(e.what());
    ReportException(Sender, &wrapped);
  } catch (...) {
    Exception wrapped("Unknown exception");
    ReportException(Sender, &wrapped);
  }
}

void TApplication::ReportException(TObject* Sender, Exception* E) {
  if (!OnException && !TApplicationEvents::Handled(&TApplicationEvents::OnException)) {
    ShowException(E);
    return;
  }
  if (OnException) OnException(Sender, E);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnException, Sender, E);
}

void TApplication::ShowException(Exception* E) {
  if (!E) return;
  std::string text = E->Message();
  if (!text.empty() && text.back() > '.') text += '.';
  MessageBox(text.c_str(), FTitle.c_str(), MB_OK | MB_ICONERROR);
}

int32_t TApplication::MessageBox(const char* Text, const char* Caption, uint32_t Flags) {
  TWSWindows* windows = RunningWindows();
  if (!windows) return 0;
  const HWND owner = FMainForm ? FMainForm->GetWindowHandle() : 0;
  return windows->MessageBox(owner, Text ? Text : "", Caption ? Caption : "", Flags);
}

// ------------------------------------------------------------------ messages

namespace {

// The classic message record of a delivered message.
TMsg MakeMsg(TControl* Receiver, const TMessage& Message) {
  TMsg msg;
  if (auto* w = dynamic_cast<TWinControl*>(Receiver)) msg.hwnd = w->GetWindowHandle();
  msg.message = Message.Msg;
  if (Message.Msg >= WM_KEYDOWN && Message.Msg <= WM_SYSCHAR) {
    const auto& key = static_cast<const TWMKey&>(Message);
    msg.wParam = key.CharCode;
    msg.lParam = key.KeyData;
  } else if (Message.Msg >= WM_MOUSEMOVE && Message.Msg < WM_MOUSEWHEEL) {
    const auto& mouse = static_cast<const TWMMouse&>(Message);
    msg.wParam = static_cast<int32_t>(mouse.Keys);
    msg.lParam = static_cast<int32_t>((static_cast<uint32_t>(mouse.YPos) << 16) | (mouse.XPos & 0xFFFF));
  } else if (Message.Msg >= WM_USER) {
    const auto& generic = static_cast<const TWMGeneric&>(Message);
    msg.wParam = static_cast<int32_t>(generic.WParam);
    msg.lParam = static_cast<int32_t>(generic.LParam);
  }
  if (TWSWindows* windows = RunningWindows()) {
    msg.time = static_cast<uint32_t>(windows->GetTickCount());
    msg.pt = windows->GetCursorPos();
  }
  return msg;
}

bool IsKeyDown(uint32_t Msg) { return Msg == WM_KEYDOWN || Msg == WM_SYSKEYDOWN; }
bool IsKeyMessage(uint32_t Msg) { return Msg >= WM_KEYDOWN && Msg <= WM_SYSCHAR; }

}  // namespace

void TApplication::DeliverMessage(TControl* Receiver, TMessage& Message) {
  if (FLoopDepth == 0) {
    Deliver(Receiver, Message);
    return;
  }
  const auto alive = Receiver->AliveFlag();
  try {
    Deliver(Receiver, Message);
  } catch (...) {
    HandleException(*alive ? static_cast<TObject*>(Receiver) : this);
  }
}

void TApplication::Deliver(TControl* Receiver, TMessage& Message) {
  const auto alive = Receiver->AliveFlag();
  if (MessageHandled(Receiver, Message) || !*alive) return;
  // The focus moving to a control makes its form the active one.
  if (Message.Msg == WM_SETFOCUS)
    if (auto* control = dynamic_cast<TWinControl*>(Receiver))
      if (TCustomForm* form = GetParentForm(control)) form->SetFocusedControl(control);
  if (*alive) Receiver->WndProc(Message);
}

bool TApplication::MessageHandled(TControl* Receiver, TMessage& Message) {
  if (OnMessage || TApplicationEvents::Handled(&TApplicationEvents::OnMessage)) {
    TMsg msg = MakeMsg(Receiver, Message);
    bool handled = false;
    if (OnMessage) OnMessage(msg, handled);
    TApplicationEvents::Broadcast(&TApplicationEvents::OnMessage, msg, handled);
    if (handled) return true;
  }
  TrackMouse(Receiver, Message);
  return IsKeyMessage(Message.Msg) && KeyHandled(Receiver, static_cast<TWMKey&>(Message));
}

// Short cuts first (the pop-up menus of the control and the controls it
// lies in, the form's, then the application's), then the form's preview of
// the keys of its controls.
bool TApplication::KeyHandled(TControl* Receiver, TWMKey& Message) {
  TCustomForm* form = GetParentForm(Receiver);
  if (IsKeyDown(Message.Msg)) {
    CancelHint();
    if (PopupShortCut(Receiver, Message)) return true;
    if (form && form->IsShortCut(Message)) return true;
    if (AppShortCut(Message, form)) return true;
  }
  return form && form != static_cast<TControl*>(Receiver) && form->PreviewKey(Message);
}

bool TApplication::PopupShortCut(TControl* Receiver, TWMKey& Message) {
  for (TControl* c = Receiver; c; c = c->GetParent())
    if (TPopupMenu* menu = c->GetPopupMenu(); menu && menu->IsShortCut(Message)) return true;
  return false;
}

bool TApplication::AppShortCut(TWMKey& Message, TCustomForm* Skip) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnShortCut, Message, handled);
  if (!handled && FMainForm && FMainForm != static_cast<TForm*>(dynamic_cast<TForm*>(Skip)) && FMainForm->GetEnabled())
    handled = FMainForm->IsShortCut(Message);
  return handled;
}

bool TApplication::IsShortCut(TWMKey& Message) { return AppShortCut(Message, nullptr); }

// ---------------------------------------------------------------------- help

bool TApplication::InvokeHelp(uint16_t Command, int32_t Data) {
  bool callHelp = true;
  bool result = false;
  TCustomForm* form = Screen ? Screen->GetActiveCustomForm() : nullptr;
  if (form && form->OnHelp)
    result = form->DoHelp(Command, Data, callHelp);
  else {
    if (OnHelp) OnHelp(Command, Data, callHelp, result);
    TApplicationEvents::Broadcast(&TApplicationEvents::OnHelp, Command, Data, callHelp, result);
  }
  // There is no help system to call: asking it answers false.
  return callHelp ? false : result;
}

bool TApplication::HelpCommand(int32_t Command, int32_t Data) {
  return InvokeHelp(static_cast<uint16_t>(Command), Data);
}

bool TApplication::HelpContext(int32_t Context) { return InvokeHelp(HELP_CONTEXT, Context); }

bool TApplication::HelpJump(const std::string& /*JumpID*/) { return InvokeHelp(HELP_COMMAND, 0); }

std::string TApplication::GetCurrentHelpFile() const {
  TCustomForm* form = Screen ? Screen->GetActiveCustomForm() : nullptr;
  return form && !form->GetHelpFile().empty() ? form->GetHelpFile() : FHelpFile;
}

// --------------------------------------------------------------------- state

void TApplication::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  TNotifyEvent& event = Value ? OnActivate : OnDeactivate;
  if (event) event(this);
  TApplicationEvents::Broadcast(Value ? &TApplicationEvents::OnActivate : &TApplicationEvents::OnDeactivate, this);
}

void TApplication::SetIcon(TIcon* Value) { FIcon->Assign(Value); }

void TApplication::SetBiDiMode(TBiDiMode Value) {
  formsdetail::CheckEnum(Value, "BiDiMode", "Application");
  FBiDiMode = Value;
}

// The forms' windows go out of sight without the forms hiding (no OnHide):
// the application as a whole is minimised.
void TApplication::Minimize() {
  if (FMinimized) return;
  FMinimized = true;
  TWSWindows* windows = RunningWindows();
  for (int32_t i = 0; Screen && windows && i < Screen->GetCustomFormCount(); ++i) {
    TCustomForm* form = Screen->GetCustomForms(i);
    if (form->GetVisible() && form->HandleAllocated()) {
      windows->ShowWindow(form->GetWindowHandle(), false);
      FMinimizedWindows.push_back(form->GetWindowHandle());
    }
  }
  if (OnMinimize) OnMinimize(this);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnMinimize, this);
}

void TApplication::Restore() {
  if (!FMinimized) return;
  FMinimized = false;
  if (TWSWindows* windows = RunningWindows())
    for (HWND window : FMinimizedWindows) windows->ShowWindow(window, true);
  FMinimizedWindows.clear();
  if (OnRestore) OnRestore(this);
  TApplicationEvents::Broadcast(&TApplicationEvents::OnRestore, this);
}

void TApplication::BringToFront() {
  TCustomForm* form = Screen && Screen->GetActiveCustomForm() ? Screen->GetActiveCustomForm() : FMainForm;
  if (form && form->GetVisible()) form->BringToFront();
}

void TApplication::RestoreTopMosts() {
  if (FTopMostLevel > 0) --FTopMostLevel;
}

}  // namespace host
