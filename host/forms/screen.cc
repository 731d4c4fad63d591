// TMonitor and TScreen: the forms and data modules alive, the active form
// and control, cursors, fonts and the desktop's metrics.
#include "host/forms/screen.h"

#include <algorithm>

#include "host/classes/datamodule.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TMonitor, TObject)
HOST_IMPL(TScreen, TComponent)

TScreen* Screen = nullptr;

TMonitor::TMonitor(HMONITOR Handle, int32_t MonitorNum, const TRect& Bounds)
    : FHandle(Handle), FMonitorNum(MonitorNum), FBounds(Bounds) {}

namespace {

constexpr const char* kFontNames[] = {"Arial", "Courier New", "MS Sans Serif", "Tahoma", "Times New Roman"};

template <class T>
void MoveToFront(std::vector<T*>& List, T* Item) {
  auto it = std::find(List.begin(), List.end(), Item);
  if (it != List.end()) std::rotate(List.begin(), it, std::next(it));
}

TWSWindows* Windows() { return RunningWindows(); }

}  // namespace

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  FIconFont = New<TFont>();
  FHintFont = New<TFont>();
}

void TScreen::Destroy() {
  for (TMonitor* m : FMonitors) m->Free();
  FMonitors.clear();
  FreeAndNil(FFonts);
  FreeAndNil(FImes);
  FreeAndNil(FIconFont);
  FreeAndNil(FHintFont);
  inherited::Destroy();
}

void TScreen::CheckIndex(int32_t Index, std::size_t Count) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Count) throw EListError("List index out of bounds (%d)", {Index});
}

// ----------------------------------------------------------------------- lists

TForm* TScreen::GetForms(int32_t Index) const {
  CheckIndex(Index, FForms.size());
  return FForms[static_cast<std::size_t>(Index)];
}

TCustomForm* TScreen::GetCustomForms(int32_t Index) const {
  CheckIndex(Index, FCustomForms.size());
  return FCustomForms[static_cast<std::size_t>(Index)];
}

TDataModule* TScreen::GetDataModules(int32_t Index) const {
  CheckIndex(Index, FDataModules.size());
  return FDataModules[static_cast<std::size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* AForm) {
  if (!AForm || std::find(FCustomForms.begin(), FCustomForms.end(), AForm) != FCustomForms.end()) return;
  FCustomForms.push_back(AForm);
  if (auto* form = dynamic_cast<TForm*>(AForm)) FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* AForm) {
  FormGone(AForm);
  std::erase(FCustomForms, AForm);
  std::erase(FForms, static_cast<TForm*>(dynamic_cast<TForm*>(AForm)));
}

void TScreen::AddDataModule(TDataModule* AModule) {
  if (!AModule || std::find(FDataModules.begin(), FDataModules.end(), AModule) != FDataModules.end()) return;
  FDataModules.push_back(AModule);
  AModule->FreeNotification(this);
}

void TScreen::RemoveDataModule(TDataModule* AModule) {
  if (std::erase(FDataModules, AModule) > 0) AModule->RemoveFreeNotification(this);
}

void TScreen::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  std::erase(FDataModules, static_cast<TDataModule*>(dynamic_cast<TDataModule*>(AComponent)));
  if (AComponent == FActiveControl) FActiveControl = nullptr;
}

// ---------------------------------------------------------------------- active

void TScreen::SetActiveControl(TWinControl* Control) {
  if (FActiveControl == Control) return;
  if (FActiveControl) FActiveControl->RemoveFreeNotification(this);
  FActiveControl = Control;
  if (Control) Control->FreeNotification(this);
}

bool TScreen::MakeActive(TCustomForm* AForm) {
  MoveToFront(FCustomForms, AForm);
  auto* form = dynamic_cast<TForm*>(AForm);
  if (form) MoveToFront(FForms, form);
  if (FActiveCustomForm == AForm) return false;
  TCustomForm* old = FActiveCustomForm;
  FActiveCustomForm = AForm;
  if (form) FActiveForm = form;
  if (old) old->SetActive(false);
  AForm->SetActive(true);
  if (Application) Application->SetActive(true);
  return true;
}

void TScreen::FireChanges(bool FormChanged, bool ControlChanged) {
  if (FormChanged && OnActiveFormChange) OnActiveFormChange(this);
  if (ControlChanged && OnActiveControlChange) OnActiveControlChange(this);
}

void TScreen::FocusChanged(TCustomForm* AForm, TWinControl* Control) {
  const bool formChanged = MakeActive(AForm);
  const bool controlChanged = FActiveControl != Control;
  SetActiveControl(Control);
  FireChanges(formChanged, controlChanged);
}

void TScreen::FormGone(TCustomForm* AForm) {
  if (FActiveCustomForm != AForm || !AForm) return;
  FActiveCustomForm = nullptr;
  if (FActiveForm == static_cast<TCustomForm*>(AForm)) FActiveForm = nullptr;
  const bool controlChanged = FActiveControl != nullptr;
  SetActiveControl(nullptr);
  AForm->SetActive(false);
  for (TCustomForm* next : std::vector<TCustomForm*>(FCustomForms))
    if (next != AForm && next->GetVisible() && next->GetEnabled() &&
        !next->GetComponentState().Contains(csDestroying)) {
      next->SetWindowFocus();
      if (FActiveCustomForm) return;
    }
  if (Application) Application->SetActive(false);
  FireChanges(true, controlChanged);
}

// --------------------------------------------------------------------- cursors

void TScreen::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
}

HCURSOR TScreen::GetCursors(int32_t Index) const {
  for (const auto& [index, handle] : FCursors)
    if (index == Index) return handle;
  if (Index <= crDefault && Index >= crHandPoint) return static_cast<HCURSOR>(1 - Index);
  return 1;
}

void TScreen::SetCursors(int32_t Index, HCURSOR Handle) {
  if (Index == crDefault) throw EInvalidOperation("The default cursor cannot be replaced");
  for (auto& [index, handle] : FCursors)
    if (index == Index) {
      handle = Handle;
      return;
    }
  FCursors.emplace_back(Index, Handle);
}

// ----------------------------------------------------------------------- fonts

TStrings* TScreen::GetFonts() {
  if (!FFonts) {
    FFonts = New<TStringList>();
    for (const char* name : kFontNames) FFonts->Add(name);
  }
  return FFonts;
}

TStrings* TScreen::GetImes() {
  if (!FImes) FImes = New<TStringList>();
  return FImes;
}

void TScreen::SetIconFont(TFont* Value) { FIconFont->Assign(Value); }
void TScreen::SetHintFont(TFont* Value) { FHintFont->Assign(Value); }

// --------------------------------------------------------------------- desktop

void TScreen::UpdateMonitors() {
  TWSWindows* windows = Windows();
  const int32_t count = windows ? std::max(0, windows->GetMonitorCount()) : 0;
  if (static_cast<int32_t>(FMonitors.size()) == count) return;
  for (TMonitor* m : FMonitors) m->Free();
  FMonitors.clear();
  for (int32_t i = 0; i < count; ++i) {
    TRect bounds;
    windows->GetMonitorBounds(i, bounds);
    FMonitors.push_back(New<TMonitor>(static_cast<HMONITOR>(i + 1), i, bounds));
  }
}

int32_t TScreen::GetMonitorCount() {
  UpdateMonitors();
  return static_cast<int32_t>(FMonitors.size());
}

TMonitor* TScreen::GetMonitors(int32_t Index) {
  UpdateMonitors();
  CheckIndex(Index, FMonitors.size());
  return FMonitors[static_cast<std::size_t>(Index)];
}

TMonitor* TScreen::MonitorFromRect(const TRect& Rect) {
  UpdateMonitors();
  TMonitor* best = FMonitors.empty() ? nullptr : FMonitors.front();
  int64_t bestArea = 0;
  for (TMonitor* m : FMonitors) {
    TRect overlap;
    if (!IntersectRect(overlap, Rect, m->GetBoundsRect())) continue;
    const int64_t area = int64_t{overlap.Width()} * overlap.Height();
    if (area > bestArea) {
      bestArea = area;
      best = m;
    }
  }
  return best;
}

TRect TScreen::GetDesktopRect() {
  TWSWindows* windows = Windows();
  return windows ? windows->GetDesktopRect() : TRect{};
}

TRect TScreen::GetWorkAreaRect() {
  TWSWindows* windows = Windows();
  return windows ? windows->GetWorkArea() : TRect{};
}

int32_t TScreen::GetDesktopLeft() { return GetDesktopRect().Left; }
int32_t TScreen::GetDesktopTop() { return GetDesktopRect().Top; }
int32_t TScreen::GetDesktopWidth() { return GetDesktopRect().Width(); }
int32_t TScreen::GetDesktopHeight() { return GetDesktopRect().Height(); }

// The primary monitor's size.
int32_t TScreen::GetWidth() { return GetMonitorCount() > 0 ? FMonitors.front()->GetWidth() : 0; }
int32_t TScreen::GetHeight() { return GetMonitorCount() > 0 ? FMonitors.front()->GetHeight() : 0; }

int32_t TScreen::GetPixelsPerInch() {
  TWSWindows* windows = Windows();
  return windows ? windows->GetPixelsPerInch() : 96;
}

void TScreen::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
}

}  // namespace host
