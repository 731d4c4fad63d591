// The kinds of form: MDI children of a form, TForm with its MDI commands,
// the embedded active form and the floating dock form.
#include <vector>

#include "host/forms/form.h"
#include "host/forms/forms_p.h"
#include "host/forms/screen.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TForm, TCustomForm)
HOST_IMPL(TCustomActiveForm, TCustomForm)
HOST_IMPL(TCustomDockForm, TCustomForm)

namespace {

// The MDI children of an MDI form: the screen's fsMDIChild forms, the
// most recently active first.
std::vector<TCustomForm*> MDIChildrenOf(const TCustomForm* Form) {
  std::vector<TCustomForm*> children;
  if (Form->GetFormStyle() != fsMDIForm || !Screen) return children;
  for (int32_t i = 0; i < Screen->GetCustomFormCount(); ++i)
    if (TCustomForm* f = Screen->GetCustomForms(i); f->GetFormStyle() == fsMDIChild) children.push_back(f);
  return children;
}

std::vector<TCustomForm*> VisibleMDIChildrenOf(const TCustomForm* Form) {
  std::vector<TCustomForm*> children = MDIChildrenOf(Form);
  std::erase_if(children, [](TCustomForm* f) { return !f->GetVisible(); });
  return children;
}

}  // namespace

// ---------------------------------------------------------------- MDI children

TCustomForm* TCustomForm::GetActiveMDIChild() const {
  std::vector<TCustomForm*> children = VisibleMDIChildrenOf(this);
  return children.empty() ? nullptr : children.front();
}

int32_t TCustomForm::GetMDIChildCount() const { return static_cast<int32_t>(MDIChildrenOf(this).size()); }

TCustomForm* TCustomForm::GetMDIChildren(int32_t I) const {
  std::vector<TCustomForm*> children = MDIChildrenOf(this);
  if (I < 0 || static_cast<std::size_t>(I) >= children.size())
    throw EListError("List index out of bounds (%d)", {I});
  return children[static_cast<std::size_t>(I)];
}

// ---------------------------------------------------------------------- TForm

// Minimised children line up along the bottom of the client area.
void TForm::ArrangeIcons() {
  const int32_t iconWidth = 160, iconHeight = 24;
  const TPoint origin = GetClientOrigin();
  int32_t x = origin.X;
  for (TCustomForm* child : VisibleMDIChildrenOf(this)) {
    if (child->GetWindowState() != wsMinimized) continue;
    child->SetBounds(x, origin.Y + GetClientHeight() - iconHeight, iconWidth, iconHeight);
    x += iconWidth;
  }
}

// Each child a caption's height below and right of the one before.
void TForm::Cascade() {
  const int32_t step = 24;
  std::vector<TCustomForm*> children = VisibleMDIChildrenOf(this);
  const TPoint origin = GetClientOrigin();
  int32_t offset = 0;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TCustomForm* child = *it;
    if (child->GetWindowState() == wsMinimized) continue;
    child->SetWindowState(wsNormal);
    child->SetBounds(origin.X + offset, origin.Y + offset, GetClientWidth() * 3 / 4, GetClientHeight() * 3 / 4);
    child->BringToFront();
    offset += step;
  }
}

// The children share the client area: in rows (tbHorizontal) or columns.
void TForm::Tile() {
  std::vector<TCustomForm*> children = VisibleMDIChildrenOf(this);
  std::erase_if(children, [](TCustomForm* f) { return f->GetWindowState() == wsMinimized; });
  if (children.empty()) return;
  const int32_t n = static_cast<int32_t>(children.size());
  const bool rows = GetTileMode() == tbHorizontal;
  const int32_t share = (rows ? GetClientHeight() : GetClientWidth()) / n;
  const TPoint origin = GetClientOrigin();
  for (int32_t i = 0; i < n; ++i) {
    TCustomForm* child = children[static_cast<std::size_t>(i)];
    child->SetWindowState(wsNormal);
    if (rows)
      child->SetBounds(origin.X, origin.Y + i * share, GetClientWidth(), share);
    else
      child->SetBounds(origin.X + i * share, origin.Y, share, GetClientHeight());
  }
}

void TForm::Next() { ActivateChild(1); }
void TForm::Previous() { ActivateChild(-1); }

// The children in the order they were shown last: Next brings the one
// after the active child forward, Previous the last one.
void TForm::ActivateChild(int Step) {
  std::vector<TCustomForm*> children = VisibleMDIChildrenOf(this);
  if (children.size() < 2) return;
  TCustomForm* target = Step > 0 ? children[1] : children.back();
  target->Show();
}

// ---------------------------------------------------------- TCustomActiveForm

TCustomActiveForm::TCustomActiveForm(TComponent* AOwner) : TCustomForm(AOwner) {
  SetBorderStyle(static_cast<TFormBorderStyle>(bsNone));
  SetBorderIcons({});
}

void TCustomActiveForm::SetAxBorderStyle(TActiveFormBorderStyle Value) {
  formsdetail::CheckEnum(Value, "AxBorderStyle", ControlDisplayName(this));
  if (FAxBorderStyle == Value) return;
  FAxBorderStyle = Value;
  Invalidate();
}

// ------------------------------------------------------------ TCustomDockForm

TCustomDockForm::TCustomDockForm(TComponent* AOwner) : TCustomForm(AOwner) {
  SetAutoScroll(false);
  SetBorderStyle(bsSizeToolWin);
  SetFormStyle(fsStayOnTop);
  SetDockSite(true);
  SetDragKind(dkDock);
  SetUseDockManager(true);
}

// The form closes (hides) once the last docked control has left.
bool TCustomDockForm::DoUnDock(TWinControl* NewTarget, TControl* Client) {
  const bool undocked = inherited::DoUnDock(NewTarget, Client);
  if (!undocked || GetDockClientCount() > 1 || !HandleAllocated()) return undocked;
  if (TWSWindows* windows = RunningWindows()) windows->PostMessage(GetWindowHandle(), WM_CLOSE, 0, 0);
  return undocked;
}

}  // namespace host
