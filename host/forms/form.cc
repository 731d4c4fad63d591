// TCustomForm: creation and layout reading, looks, focus, keys and short
// cuts, images and help. Showing, closing and the modal loop are in
// formshow.cc; TForm, the active form and the dock form in formkinds.cc.
#include "host/forms/form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "host/classes/formtext.h"
#include "host/classes/resources.h"
#include "host/classes/streams.h"
#include "host/controls/designfilter.h"
#include "host/forms/application.h"
#include "host/forms/designinput.h"
#include "host/forms/forms_p.h"
#include "host/forms/screen.h"
#include "host/widgetset/widgetset.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/menus/menu.h"

namespace host {

HOST_IMPL(TCustomForm, TScrollingWinControl)

namespace {

// Set by CreateNew while it makes a form: the form reads no layout.
bool g_creatingNew = false;

std::string LayoutName(TClass FormClass) {
  std::string name = FormClass->Name;
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

void CheckFormClass(TClass FormClass, const char* What) {
  if (!FormClass || !FormClass->InheritsFrom(&TCustomForm::StaticMetaClass))
    throw EInvalidOperation("Cannot %s: '%s' is not a form class",
                            {std::string(What), FormClass ? FormClass->ClassName() : std::string("nil")});
}

// Whether Control could take the focus once its form shows: it and every
// parent up to the form are visible and enabled.
bool FocusableIn(const TCustomForm* Form, TWinControl* Control) {
  for (TWinControl* c = Control; c != Form; c = c->GetParent())
    if (!c || !c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}

}  // namespace

// ------------------------------------------------------------------- layouts

void RegisterFormLayout(TClass FormClass, std::string_view FormText) {
  CheckFormClass(FormClass, "register a form layout");
  TOwned<TStringStream> text = MakeOwned<TStringStream>(std::string(FormText));
  TOwned<TStringStream> binary = MakeOwned<TStringStream>();
  ObjectTextToBinary(text.get(), binary.get());
  RegisterResource(HInstance(), LayoutName(FormClass), RT_RCDATA, binary->GetDataString());
}

void RegisterFormLayoutFile(TClass FormClass, const std::string& FileName) {
  CheckFormClass(FormClass, "register a form layout");
  TOwned<TFileStream> file = MakeOwned<TFileStream>(FileName, fmOpenRead);
  TOwned<TStringStream> binary = MakeOwned<TStringStream>();
  try {
    ObjectToBinary(file.get(), binary.get());
  } catch (Exception& e) {
    e.SetMessage(FileName + ": " + e.Message());
    throw;
  }
  RegisterResource(HInstance(), LayoutName(FormClass), RT_RCDATA, binary->GetDataString());
}

void UnregisterFormLayout(TClass FormClass) {
  if (FormClass) UnregisterResource(HInstance(), LayoutName(FormClass), RT_RCDATA);
}

bool HasFormLayout(TClass FormClass) {
  return FormClass && FindResourceData(HInstance(), LayoutName(FormClass), RT_RCDATA) != nullptr;
}

// Ancestors' layouts first, so that a derived layout (`inherited ...`)
// finds the components its ancestors made.
void TCustomForm::ReadLayout() {
  std::vector<TClass> chain;
  for (TClass c = ClassType(); c && c != &TCustomForm::StaticMetaClass; c = c->Parent)
    if (HasFormLayout(c)) chain.push_back(c);
  for (auto c = chain.rbegin(); c != chain.rend(); ++c) {
    auto data = FindResourceData(HInstance(), LayoutName(*c), RT_RCDATA);
    if (!data) continue;
    TOwned<TStringStream> stream = MakeOwned<TStringStream>(std::string(data->begin(), data->end()));
    stream->ReadComponent(this);
  }
}

// ------------------------------------------------------------------ creation

TCustomForm::TCustomForm(TComponent* AOwner) : TScrollingWinControl(AOwner) { Init(); }

TCustomForm::TCustomForm(TComponent* AOwner, int32_t /*Dummy*/) : TScrollingWinControl(AOwner) {
  Init();
  FSkipLayout = true;
}

void TCustomForm::Init() {
  FSkipLayout = std::exchange(g_creatingNew, false);
  FFormState.Include(fsCreating);
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FVisible = false;
  FParentColor = false;
  FParentFont = false;
  FColor = clBtnFace;
  SetBounds(0, 0, 320, 240);
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
  FIcon = New<TIcon>();
  FIcon->OnChange = TNotifyEvent(this, &TCustomForm::IconChanged);
  if (Screen) FPixelsPerInch = Screen->GetPixelsPerInch();
}

TCustomForm* TCustomForm::CreateNew(TClass FormClass, TComponent* AOwner, int32_t /*Dummy*/) {
  CheckFormClass(FormClass, "create a form");
  if (!FormClass->Factory) throw EInvalidOperation("Cannot create a form of the abstract class '%s'", {FormClass->ClassName()});
  g_creatingNew = true;
  try {
    TObject* form = FormClass->Create(AOwner);
    g_creatingNew = false;
    return static_cast<TCustomForm*>(form);
  } catch (...) {
    g_creatingNew = false;
    throw;
  }
}

// The form joins the screen's lists once its class is complete; a layout
// that cannot be read frees the form again and the error goes on.
void TCustomForm::AfterConstruction() {
  inherited::AfterConstruction();
  if (Screen) Screen->AddForm(this);
  if (!FSkipLayout) {
    try {
      ReadLayout();
    } catch (...) {
      Free();
      throw;
    }
  }
  FFormState.Exclude(fsCreating);
  RunReported(&TCustomForm::DoCreate);
}

void TCustomForm::BeforeDestruction() {
  inherited::BeforeDestruction();
  RunReported(&TCustomForm::DoDestroy);
}

void TCustomForm::Destroy() {
  formsdetail::ForgetRelease(this);
  if (Screen) Screen->RemoveForm(this);
  SetDesigner(nullptr);
  SetOleFormObject(nullptr);
  FreeAndNil(FCanvas);
  FreeAndNil(FIcon);
  inherited::Destroy();
}

void TCustomForm::RunReported(void (TCustomForm::*Step)()) {
  try {
    (this->*Step)();
  } catch (...) {
    if (Application) Application->HandleException(this);
  }
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::DoDestroy() {
  if (OnDestroy) OnDestroy(this);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FActiveControl) FActiveControl = nullptr;
  if (AComponent == FFocusedControl) FFocusedControl = nullptr;
  if (AComponent == FActiveOleControl) FActiveOleControl = nullptr;
  if (AComponent == FMenu) {
    FMenu = nullptr;
    UpdateWindowMenu();
    FrameChanged();
  }
  if (AComponent == FWindowMenu) FWindowMenu = nullptr;
  if (AComponent == FObjectMenuItem) FObjectMenuItem = nullptr;
}

void TCustomForm::Loaded() {
  // The client size read, with the frame its border style and menu give;
  // or else the frame the children read were laid out in.
  const std::optional<int32_t> width = std::exchange(FReadClientWidth, std::nullopt);
  const std::optional<int32_t> height = std::exchange(FReadClientHeight, std::nullopt);
  const TRect frame = GetFrameExtents();
  if (width || height)
    SetBounds(FLeft, FTop, width ? formsdetail::OuterExtent(*width, frame.Left, frame.Right) : FWidth,
              height ? formsdetail::OuterExtent(*height, frame.Top, frame.Bottom) : FHeight);
  else
    TakeFileFrame();
  inherited::Loaded();
  // An active control read with the layout takes the focus when the form
  // shows; one that cannot is forgotten.
  if (FActiveControl && !FocusableIn(this, FActiveControl)) FActiveControl = nullptr;
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.WndParent = 0;
  Params.Bounds = WindowRect();
  struct TFrame {
    uint32_t Style, ExStyle;
  };
  static constexpr TFrame kFrames[] = {
      {WS_POPUP, 0},                                    // bsNone
      {WS_CAPTION, 0},                                  // bsSingle
      {WS_CAPTION | WS_THICKFRAME, 0},                  // bsSizeable
      {WS_CAPTION, WS_EX_DLGMODALFRAME},                // bsDialog
      {WS_CAPTION, WS_EX_TOOLWINDOW},                   // bsToolWindow
      {WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW}};  // bsSizeToolWin
  const TFrame frame = kFrames[FBorderStyle];
  Params.Style = frame.Style;
  Params.ExStyle = frame.ExStyle;
  if (!(frame.Style & WS_CAPTION)) return;
  if (FBorderIcons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
  // A dialog or tool window frame has no minimise or maximise box, whatever
  // BorderIcons says.
  if (FBorderStyle == bsDialog || (frame.ExStyle & WS_EX_TOOLWINDOW)) return;
  if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
  if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
}

// A window already made takes the new frame at once.
void TCustomForm::UpdateWindowStyle() {
  TWSWindows* windows = RunningWindows();
  if (!HandleAllocated() || !windows) return;
  TCreateParams params;
  CreateParams(params);
  windows->SetWindowStyle(GetWindowHandle(), params.Style, params.ExStyle);
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  FBorderIcons = Value;
  UpdateWindowStyle();
}

// --------------------------------------------------------------------- looks

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  formsdetail::CheckEnum(Value, "BorderStyle", ControlDisplayName(this));
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  UpdateWindowStyle();
  FrameChanged();
  Invalidate();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  formsdetail::CheckEnum(Value, "FormStyle", ControlDisplayName(this));
  if (FFormStyle == Value) return;
  if (FFormState.Contains(fsModal))
    throw EInvalidOperation("Cannot change FormStyle of '%s' while it is shown modally", {ControlDisplayName(this)});
  FFormStyle = Value;
  if (Value == fsStayOnTop && FVisible) BringToFront();
}

void TCustomForm::SetPosition(TPosition Value) {
  formsdetail::CheckEnum(Value, "Position", ControlDisplayName(this));
  FPosition = Value;
  FPlaced = false;
}

void TCustomForm::SetPrintScale(TPrintScale Value) {
  formsdetail::CheckEnum(Value, "PrintScale", ControlDisplayName(this));
  FPrintScale = Value;
}

void TCustomForm::SetDefaultMonitor(TDefaultMonitor Value) {
  formsdetail::CheckEnum(Value, "DefaultMonitor", ControlDisplayName(this));
  FDefaultMonitor = Value;
}

void TCustomForm::SetTileMode(TTileMode Value) {
  formsdetail::CheckEnum(Value, "TileMode", ControlDisplayName(this));
  FTileMode = Value;
}

void TCustomForm::SetPixelsPerInch(int32_t Value) {
  if (Value != 0 && Value < 36)
    throw EInvalidOperation("PixelsPerInch of '%s' must be 0 or at least 36 (%d)", {ControlDisplayName(this), Value});
  FPixelsPerInch = Value;
}

// Maximising keeps the normal bounds to restore; a minimised form keeps
// its bounds (the widgetset has no icons to show it as).
void TCustomForm::SetWindowState(TWindowState Value) {
  formsdetail::CheckEnum(Value, "WindowState", ControlDisplayName(this));
  if (FWindowState == Value) return;
  const TWindowState old = std::exchange(FWindowState, Value);
  if (Value == wsMaximized) {
    if (old == wsNormal) FRestoreBounds = GetBoundsRect();
    if (Screen && !GetComponentState().Contains(csLoading)) SetBoundsRect(Screen->GetWorkAreaRect());
  } else if (old == wsMaximized && !FRestoreBounds.IsEmpty()) {
    SetBoundsRect(FRestoreBounds);
  }
}

void TCustomForm::SetIcon(TIcon* Value) { FIcon->Assign(Value); }

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (Value && Screen)
    for (int32_t i = 0; i < Screen->GetCustomFormCount(); ++i) {
      TCustomForm* form = Screen->GetCustomForms(i);
      if (form != this && form->FMenu == Value)
        throw EInvalidOperation("Menu '%s' is already being used by another form", {ComponentDisplayName(Value)});
    }
  const bool hadMenu = FMenu != nullptr;
  formsdetail::ChangeReference(this, FMenu, Value);
  UpdateWindowMenu();
  if (hadMenu != (FMenu != nullptr)) FrameChanged();
  Invalidate();
}

void TCustomForm::InitializeWnd() {
  inherited::InitializeWnd();
  UpdateWindowMenu();
  UpdateWindowIcon();
}

void TCustomForm::IconChanged(TObject*) { UpdateWindowIcon(); }

// The window shows Icon (the backend's own icon while it is empty).
void TCustomForm::UpdateWindowIcon() {
  TWSWindows* windows = RunningWindows();
  if (HandleAllocated() && windows) windows->SetWindowIcon(GetWindowHandle(), FIcon->GetEmpty() ? 0 : FIcon->GetHandle());
}

// The window shows the menu bar of Menu (none without one or without a
// window yet).
void TCustomForm::UpdateWindowMenu() {
  TWSWindows* windows = RunningWindows();
  if (HandleAllocated() && windows) windows->SetMenu(GetWindowHandle(), FMenu ? FMenu->GetHandle() : 0);
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) { formsdetail::ChangeReference(this, FWindowMenu, Value); }
void TCustomForm::SetObjectMenuItem(TMenuItem* Value) { formsdetail::ChangeReference(this, FObjectMenuItem, Value); }
void TCustomForm::SetActiveOleControl(TWinControl* Value) {
  formsdetail::ChangeReference(this, FActiveOleControl, Value);
}

TMonitor* TCustomForm::GetMonitor() const {
  return Screen ? Screen->MonitorFromRect(GetBoundsRect()) : nullptr;
}

// Interface references count: the new one is held before the old one goes.
template <class I>
static void AssignInterface(I*& Field, I* Value) {
  if (Value) Value->_AddRef();
  I* old = std::exchange(Field, Value);
  if (old) old->_Release();
}

void TCustomForm::SetDesigner(IDesignerHook* Value) { AssignInterface(FDesigner, Value); }
void TCustomForm::SetOleFormObject(IOleForm* Value) { AssignInterface(FOleFormObject, Value); }

// --------------------------------------------------------------------- focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
  const bool loading = GetComponentState().Contains(csLoading);
  if (Control && (Control == this || GetParentForm(Control) != this || (!loading && !FocusableIn(this, Control))))
    throw EInvalidOperation("Cannot focus a disabled or invisible window (control '%s')", {ControlDisplayName(Control)});
  formsdetail::ChangeReference(this, FActiveControl, Control);
  if (loading || !FActive) return;
  if (Control && Control->CanFocus())
    Control->SetFocus();
  else if (!Control && CanFocus())
    TWinControl::SetFocus();
}

void TCustomForm::FocusControl(TWinControl* Control) {
  const bool wasActive = FActive;
  SetActiveControl(Control);
  if (!wasActive && CanFocus()) SetWindowFocus();
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (!Control) return;
  if (Removing && Control->ContainsControl(FFocusedControl)) FFocusedControl = Control->GetParent();
  if (!Control->ContainsControl(FActiveControl)) return;
  if (Removing)
    formsdetail::ChangeReference<TWinControl>(this, FActiveControl, nullptr);
  else
    SetActiveControl(nullptr);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (GetComponentState().Contains(csDestroying)) return false;
  if (!Control) Control = this;
  if (Control != this && GetParentForm(Control) != this) return false;
  if (Control != this) formsdetail::ChangeReference(this, FActiveControl, Control);
  formsdetail::ChangeReference(this, FFocusedControl, Control);
  for (TWinControl* p = Control->GetParent(); p; p = p->GetParent())
    if (auto* scrolling = dynamic_cast<TScrollingWinControl*>(p)) scrolling->AutoScrollInView(Control);
  if (Screen) Screen->FocusChanged(this, Control);
  return true;
}

void TCustomForm::SetWindowFocus() {
  if (!CanFocus()) return;
  TWinControl* target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl : nullptr;
  if (!target) target = FindNextControl(nullptr, true, true, false);
  if (!target) target = this;
  const auto alive = AliveFlag();
  target->SetFocus();
  // Without windows no focus message comes back: record it here.
  if (*alive && FFocusedControl != target) SetFocusedControl(target);
}

void TCustomForm::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  if (GetComponentState().Contains(csDestroying)) return;
  if (Value)
    Activate();
  else
    Deactivate();
}

void TCustomForm::Activate() {
  FFormState.Include(fsActivated);
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  TControl* capture = GetCaptureControl();
  if (capture && capture != Sender && (capture == this || ContainsControl(capture))) capture->SetMouseCapture(false);
}

// ---------------------------------------------------------------------- keys

bool TCustomForm::IsShortCut(TWMKey& Message) {
  bool handled = false;
  if (OnShortCut) OnShortCut(Message, handled);
  if (!handled && FMenu) handled = FMenu->IsShortCut(Message);
  for (int32_t i = 0; !handled && i < GetComponentCount(); ++i)
    if (auto* list = dynamic_cast<TCustomActionList*>(GetComponents(i))) handled = list->IsShortCut(Message);
  return handled;
}

bool TCustomForm::WantChildKey(TControl* /*Child*/, TMessage& /*Message*/) { return false; }

bool TCustomForm::PreviewKey(TWMKey& Message) {
  if (!FKeyPreview) return false;
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return DoKeyDown(Message);
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return DoKeyUp(Message);
    case WM_CHAR:
      return DoKeyPress(Message);
    default:
      return false;
  }
}

// ------------------------------------------------------------ paint, images

namespace {

// Runs Work with the IDesignInput of the designer of Control's form, held
// for the call; false when the form has no such designer.
template <class F>
bool WithDesignInput(TControl* Control, F&& Work) {
  TCustomForm* form = GetParentForm(Control);
  IDesignerHook* designer = form ? form->GetDesigner() : nullptr;
  void* obj = nullptr;
  if (!designer || designer->QueryInterface(IDesignInput::IID, &obj) != S_OK) return false;
  auto* input = static_cast<IDesignInput*>(obj);
  struct TRelease {
    IDesignInput* Input;
    ~TRelease() { Input->_Release(); }
  } release{input};
  return Work(*input);
}

bool DesignFilter(TControl* Sender, TMessage& Message) {
  return WithDesignInput(Sender, [&](IDesignInput& input) { return input.IsDesignMsg(Sender, Message); });
}

// Installed once the forms unit is part of the program.
[[maybe_unused]] const bool g_designFilterInstalled = (SetDesignMessageFilter(&DesignFilter), true);

}  // namespace

void TCustomForm::PaintWindow(HDC DC) {
  inherited::PaintWindow(DC);
  FCanvas->DrawOn(DC, [this] {
    Paint();
    if (GetComponentState().Contains(csDesigning))
      WithDesignInput(this, [](IDesignInput& input) {
        input.PaintGrid();
        return true;
      });
  });
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

TBitmap* TCustomForm::GetFormImage() {
  TOwned<TBitmap> image = MakeOwned<TBitmap>();
  image->SetSize(GetClientWidth(), GetClientHeight());
  TCanvas* canvas = image->GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  PaintTo(canvas->GetHandle(), 0, 0);
  return image.release();
}

void TCustomForm::Print() {
  TOwned<TBitmap> image(GetFormImage());
  // No printer: the page is made and goes nowhere.
}

bool TCustomForm::DoHelp(uint16_t Command, int32_t Data, bool& CallHelp) {
  bool result = false;
  if (OnHelp) OnHelp(Command, Data, CallHelp, result);
  return result;
}

// ---------------------------------------------------------------- functions

TCustomForm* GetParentForm(TControl* Control) {
  if (!Control) return nullptr;
  TControl* top = Control;
  while (top->GetParent()) top = top->GetParent();
  return dynamic_cast<TCustomForm*>(top);
}

TCustomForm* ValidParentForm(TControl* Control) {
  TCustomForm* form = GetParentForm(Control);
  if (!form) throw EInvalidOperation("Control '%s' has no parent form", {ControlDisplayName(Control)});
  return form;
}

}  // namespace host
