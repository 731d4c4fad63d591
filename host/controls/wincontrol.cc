// TWinControl: children, the window, alignment, streaming. Focus, keys
// and the mouse are in wincontrolinput.cc, painting in controlpaint.cc.
#include "host/controls/wincontrol.h"

#include <algorithm>

#include "host/classes/lists.h"
#include "host/controls/dragdock.h"
#include "host/graphics/graphicsobj.h"
#include "host/rtl/vectors.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TWinControlActionLink, TControlActionLink)
HOST_IMPL(TWinControl, TControl)

// ------------------------------------------------------- TWinControlActionLink

bool TWinControlActionLink::IsHelpContextLinked() { return TControlActionLink::IsHelpContextLinked(); }

void TWinControlActionLink::SetHelpContext(THelpContext Value) {
  if (IsHelpContextLinked()) FClient->SetHelpContext(Value);
}

// ------------------------------------------------------------------ TWinControl

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FBrush = New<TBrush>();
  FBrush->SetColor(FColor);
  FPadding = New<TPadding>(this);
}

TWinControl* TWinControl::CreateParented(HWND ParentWindow) {
  auto* control = New<TWinControl>(nullptr);
  control->SetParentWindow(ParentWindow);
  return control;
}

TWinControl* TWinControl::CreateParentedControl(HWND ParentWindow) {
  auto* control = static_cast<TWinControl*>(ClassType()->Create(nullptr));
  control->SetParentWindow(ParentWindow);
  return control;
}

void TWinControl::Destroy() {
  // The children go with their parent, the last first.
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    child->Free();
  }
  while (!FDockClients.empty()) FDockClients.back()->SetHostDockSite(nullptr);
  SetDockManager(nullptr);
  ForgetFocus();
  DestroyHandle();
  inherited::Destroy();
  FreeAndNil(FBrush);
  FreeAndNil(FPadding);
}

TClass TWinControl::GetActionLinkClass() const { return &TWinControlActionLink::StaticMetaClass; }

void TWinControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMouseControl) FMouseControl = nullptr;
}

// ------------------------------------------------------------------ children

TControl* TWinControl::GetControls(int32_t Index) const {
  if (Index < 0 || Index >= GetControlCount()) throw EListError(SListIndexError, {Index});
  return FControls[static_cast<std::size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
  if (!AControl || AControl->FParent == this) return;
  if (AControl == this)
    throw EInvalidOperation("Control '%s' cannot be its own parent or the parent of one of its parents",
                            {ControlDisplayName(this)});
  if (AControl->FParent) AControl->FParent->RemoveControl(AControl);
  FControls.push_back(AControl);
  AControl->FParent = this;
  if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
    FTabList.push_back(win);
    if (HandleAllocated()) win->CreateHandle();
  }
  AControl->UpdateAnchorRules();
  if (AControl->FParentColor) AControl->ParentColorChanged();
  if (AControl->FParentFont) AControl->ParentFontChanged();
  if (AControl->FParentShowHint) AControl->ParentShowHintChanged();
  AControl->Invalidate();
  Perform(CM_CONTROLCHANGE, 1, 0);
  AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (std::find(FControls.rbegin(), FControls.rend(), AControl) == FControls.rend()) return;
  AControl->Invalidate();
  EraseLast(FControls, AControl);
  if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
    EraseLast(FTabList, win);
    win->DestroyHandle();
  }
  if (FMouseControl == AControl) FMouseControl = nullptr;
  for (TControl* c = GetCaptureControl(); c; c = c->FParent)
    if (c == AControl) SetCaptureControl(nullptr);
  AControl->FParent = nullptr;
  Perform(CM_CONTROLCHANGE, 0, 0);
  // A freely placed control leaves the others where they are.
  AlignControl(AControl->IsFreelyPlaced() ? AControl : nullptr);
}

bool TWinControl::ContainsControl(TControl* Control) const {
  for (const TControl* c = Control; c; c = c->FParent)
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
    if (!c->FVisible || (!AllowDisabled && !c->GetEnabled())) continue;
    if (!PtInRect(c->GetBoundsRect(), Pos)) continue;
    if (c->Perform(CM_HITTEST, 0, int64_t{Pos.X - c->FLeft} | (int64_t{Pos.Y - c->FTop} << 16)) != 0) return c;
  }
  return nullptr;
}

TControl* TWinControl::FindChildControl(const std::string& ControlName) const {
  for (TControl* c : FControls)
    if (SameText(c->GetName(), ControlName)) return c;
  return nullptr;
}

void TWinControl::FlipChildren(bool AllLevels) {
  const int32_t width = GetClientWidth();
  DisableAlign();
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (c->FAlign == alLeft)
      c->SetAlign(alRight);
    else if (c->FAlign == alRight)
      c->SetAlign(alLeft);
    else if (c->FAlign == alNone)
      c->SetLeft(width - (c->FLeft + c->FWidth));
    if (auto* win = dynamic_cast<TWinControl*>(c); win && AllLevels) win->FlipChildren(true);
  }
  EnableAlign();
}

// Each child gets the message itself (with the parameters of its record).
void TWinControl::Broadcast(TWMGeneric& Message) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    c->WndProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    const int64_t result = c->Perform(Message.Msg, 0, 0);
    if (result != 0) {
      Message.Result = result;
      return;
    }
  }
}

// The controls on this one first, then, when this is the root, what it owns
// that has no parent, as the classic form writes them: a component that
// lives inside another (a menu item, a control on a parent) is written by
// that one; a control without a parent here.
void TWinControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TControl* c : std::vector<TControl*>(FControls))
    if (c->GetOwner() == Root) Proc(c);
  if (Root != this) return;
  for (int32_t i = 0; i < GetComponentCount(); ++i) {
    TComponent* c = GetComponents(i);
    auto* control = dynamic_cast<TControl*>(c);
    if (control ? !control->FParent : !c->HasParent()) Proc(c);
  }
}

void TWinControl::SetChildOrder(TComponent* Child, int Order) {
  auto it = std::find(FControls.begin(), FControls.end(), Child);
  if (it == FControls.end()) return;
  TControl* control = *it;
  FControls.erase(it);
  const auto at = static_cast<std::size_t>(std::clamp(Order, 0, static_cast<int>(FControls.size())));
  FControls.insert(FControls.begin() + static_cast<std::ptrdiff_t>(at), control);
}

void TWinControl::SetZOrderOf(TControl* AControl, bool TopMost) {
  auto it = std::find(FControls.begin(), FControls.end(), AControl);
  if (it == FControls.end()) return;
  FControls.erase(it);
  if (TopMost)
    FControls.push_back(AControl);
  else
    FControls.insert(FControls.begin(), AControl);
  if (auto* win = dynamic_cast<TWinControl*>(AControl); win && win->HandleAllocated())
    if (TWSWindows* windows = RunningWindows()) windows->SetWindowZOrder(win->FHandle, TopMost);
  AControl->Invalidate();
}

// ------------------------------------------------------------------ window

HWND TWinControl::GetHandle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.WinClassName = ClassName();
  Params.Bounds = GetBoundsRect();
  Params.WndParent = FParent ? FParent->GetHandle() : FParentWindow;
  Params.Visible = FVisible;
  Params.Enabled = FEnabled;
}

void TWinControl::CreateHandle() {
  if (FHandle) return;
  if (FParent && !FParent->HandleAllocated()) {
    FParent->CreateHandle();  // makes this window too
    if (FHandle) return;
  }
  CreateWnd();
  if (!FHandle) return;
  InitializeWnd();
  for (TWinControl* child : std::vector<TWinControl*>(FTabList)) child->CreateHandle();
}

void TWinControl::CreateWnd() {
  if (!WidgetSetRunning()) return;
  TCreateParams params;
  CreateParams(params);
  TWSWinControl& ws = WSControlClassOf(ClassType());
  FHandle = ws.CreateHandle(this, params);
  if (!FHandle) return;
  FWSClass = &ws;
  RememberWindow(FHandle, this);
}

void TWinControl::InitializeWnd() { FWSClass->Invalidate(FHandle, nullptr); }

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  FControlState.Include(csDestroyingHandle);
  for (TWinControl* child : std::vector<TWinControl*>(FTabList)) child->DestroyHandle();
  DestroyWnd();
  FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::DestroyWnd() {
  const HWND handle = FHandle;
  TWSWinControl* ws = FWSClass;
  FHandle = 0;
  FWSClass = nullptr;
  RememberWindow(handle, nullptr);
  if (WidgetSetRunning()) ws->DestroyHandle(handle);
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  CreateHandle();
}

void TWinControl::SetParentWindow(HWND Value) {
  if (FParent || FParentWindow == Value) return;
  FParentWindow = Value;
  if (TWSWindows* windows = RunningWindows(); windows && FHandle) windows->SetParent(FHandle, Value);
}

bool TWinControl::GetShowing() const { return FVisible && (!FParent || FParent->GetShowing()); }

void TWinControl::UpdateControlState() {
  if (GetShowing() && !FHandle && (!FParent || FParent->FHandle)) CreateHandle();
  if (FHandle) FWSClass->ShowHide(FHandle, FVisible);
}

void TWinControl::BoundsChanged() {
  if (FHandle) FWSClass->SetBounds(FHandle, GetBoundsRect());
}

TPoint TWinControl::GetClientOrigin() { return TControl::GetClientOrigin(); }

TRect TWinControl::GetClientRect() { return Rect(0, 0, FWidth, FHeight); }

void TWinControl::AdjustClientRect(TRect& Rect) {
  auto inset = [&](int32_t& edge, int32_t by) { edge += by; };
  int32_t bevel[4] = {};
  if (FBevelKind != bkNone) {
    const int32_t width = FBevelWidth * ((FBevelInner != bvNone) + (FBevelOuter != bvNone));
    for (TBevelEdge e : {beLeft, beTop, beRight, beBottom})
      if (FBevelEdges.Contains(e)) bevel[e] = width;
  }
  const int32_t border = InnerBorderWidth();
  inset(Rect.Left, border + bevel[beLeft]);
  inset(Rect.Top, border + bevel[beTop]);
  inset(Rect.Right, -(border + bevel[beRight]));
  inset(Rect.Bottom, -(border + bevel[beBottom]));
  if (Rect.Right < Rect.Left) Rect.Right = Rect.Left;
  if (Rect.Bottom < Rect.Top) Rect.Bottom = Rect.Top;
}

// -------------------------------------------------------------- alignment

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::RequestAlign() {
  inherited::RequestAlign();
}

void TWinControl::AlignControl(TControl* AControl) {
  if (GetComponentState().Contains(csDestroying)) return;
  if (FAlignLevel != 0 || GetComponentState().Contains(csLoading)) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  DisableAlign();
  try {
    TRect rect = GetClientRect();
    AlignControls(AControl, rect);
  } catch (...) {
    FControlState.Exclude(csAlignmentNeeded);
    --FAlignLevel;
    FAligning = false;
    throw;
  }
  FControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
}

namespace {

// Whether A comes before B among the controls of one alignment: by their
// position from the edge they align to, the control being moved first on a tie.
bool AlignsBefore(TAlign Align, const TControl* A, const TControl* B, const TControl* Moved) {
  int64_t a = 0, b = 0;
  switch (Align) {
    case alTop: a = A->GetTop(); b = B->GetTop(); break;
    case alBottom: a = -(int64_t{A->GetTop()} + A->GetHeight()); b = -(int64_t{B->GetTop()} + B->GetHeight()); break;
    case alLeft: a = A->GetLeft(); b = B->GetLeft(); break;
    case alRight: a = -(int64_t{A->GetLeft()} + A->GetWidth()); b = -(int64_t{B->GetLeft()} + B->GetWidth()); break;
    default: return false;
  }
  if (a != b) return a < b;
  return A == Moved && B != Moved;
}

// Places one aligned control in what is left of the client area and takes
// its part away; a control aligned with margins keeps them clear around it.
void Position(TControl* C, TAlign Align, TRect& Rect) {
  TRect m{};
  if (C->GetAlignWithMargins()) {
    const TMargins* margins = C->GetMargins();
    m = {margins->GetLeft(), margins->GetTop(), margins->GetRight(), margins->GetBottom()};
  }
  auto add = [](int64_t A, int64_t B) { return ClampToInt32(A + B); };
  const int32_t width = std::max<int64_t>(0, int64_t{Rect.Width()} - m.Left - m.Right);
  const int32_t height = std::max<int64_t>(0, int64_t{Rect.Height()} - m.Top - m.Bottom);
  const int32_t left = add(Rect.Left, m.Left), top = add(Rect.Top, m.Top);
  const int32_t tall = add(add(C->GetHeight(), m.Top), m.Bottom), wide = add(add(C->GetWidth(), m.Left), m.Right);
  switch (Align) {
    case alTop:
      C->SetBounds(left, top, width, C->GetHeight());
      Rect.Top = add(Rect.Top, tall);
      break;
    case alBottom:
      C->SetBounds(left, add(int64_t{Rect.Bottom} - m.Bottom, -int64_t{C->GetHeight()}), width, C->GetHeight());
      Rect.Bottom = add(Rect.Bottom, -int64_t{tall});
      break;
    case alLeft:
      C->SetBounds(left, top, C->GetWidth(), height);
      Rect.Left = add(Rect.Left, wide);
      break;
    case alRight:
      C->SetBounds(add(int64_t{Rect.Right} - m.Right, -int64_t{C->GetWidth()}), top, C->GetWidth(), height);
      Rect.Right = add(Rect.Right, -int64_t{wide});
      break;
    case alClient:
      C->SetBounds(left, top, width, height);
      break;
    default:
      break;
  }
}

// Keeps an unaligned control's anchored edges at their distances from the
// parent's right and bottom edges.
void Anchor(TControl* C, TAnchors Anchors, TPoint Rules, const TRect& Client) {
  int32_t left = C->GetLeft(), top = C->GetTop(), width = C->GetWidth(), height = C->GetHeight();
  const int32_t right = ClampToInt32(int64_t{Client.Right} - Rules.X);
  const int32_t bottom = ClampToInt32(int64_t{Client.Bottom} - Rules.Y);
  if (Anchors.Contains(akRight)) {
    if (Anchors.Contains(akLeft))
      width = std::max(0, right - left);
    else
      left = right - width;
  }
  if (Anchors.Contains(akBottom)) {
    if (Anchors.Contains(akTop))
      height = std::max(0, bottom - top);
    else
      top = bottom - height;
  }
  C->SetBounds(left, top, width, height);
}

}  // namespace

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
  AdjustClientRect(Rect);
  Rect = {ClampToInt32(int64_t{Rect.Left} + FPadding->GetLeft()), ClampToInt32(int64_t{Rect.Top} + FPadding->GetTop()),
          ClampToInt32(int64_t{Rect.Right} - FPadding->GetRight()),
          ClampToInt32(int64_t{Rect.Bottom} - FPadding->GetBottom())};
  // A control placed freely (no Align, anchored to the top left) moves no
  // other child: aligned and anchored children depend on the client area
  // and on each other only. So adding or moving such a control costs the
  // same with ten siblings or ten thousand.
  const bool docked = FDockSite && FUseDockManager && FDockManager;
  if (AControl && AControl->IsFreelyPlaced() && !docked) return;
  FAligning = true;
  const bool designing = GetComponentState().Contains(csDesigning);
  const TRect client = GetClientRect();
  std::vector<TControl*> list;
  list.reserve(FControls.size());
  // A child still loading has no anchor distances yet (they are taken when
  // it is loaded): it stays where the form file put it.
  for (TControl* c : std::vector<TControl*>(FControls)) {
    if (c->FAlign == alNone && (c->FVisible || designing) && c->FAnchors != TAnchors{akLeft, akTop} &&
        !c->GetComponentState().Contains(csLoading))
      Anchor(c, c->FAnchors, c->FAnchorRules, client);
  }
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    list.clear();
    for (TControl* c : FControls)
      if (c->FAlign == align && (c->FVisible || designing)) list.push_back(c);
    std::stable_sort(list.begin(), list.end(),
                     [&](const TControl* a, const TControl* b) { return AlignsBefore(align, a, b, AControl); });
    for (TControl* c : list) Position(c, align, Rect);
  }
  FAligning = false;
  // The docked controls of a dock site follow its dock tree's zones.
  if (FDockSite && FUseDockManager && FDockManager) FDockManager->ResetBounds(false);
}

void TWinControl::ScaleBy(int32_t M, int32_t D) {
  if (M == D || D == 0) return;
  DisableAlign();
  for (TControl* c : std::vector<TControl*>(FControls)) c->ChangeScale(M, D);
  SetBounds(FLeft, FTop, MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
  EnableAlign();
}

void TWinControl::ChangeScale(int32_t M, int32_t D) {
  DisableAlign();
  for (TControl* c : std::vector<TControl*>(FControls)) c->ChangeScale(M, D);
  inherited::ChangeScale(M, D);
  EnableAlign();
}

void TWinControl::ScrollBy(int32_t DeltaX, int32_t DeltaY) {
  DisableAlign();
  for (TControl* c : std::vector<TControl*>(FControls))
    c->SetBounds(ClampToInt32(int64_t{c->FLeft} + DeltaX), ClampToInt32(int64_t{c->FTop} + DeltaY), c->FWidth,
                 c->FHeight);
  FControlState.Exclude(csAlignmentNeeded);
  EnableAlign();
  Invalidate();
}

// -------------------------------------------------------------- streaming

void TWinControl::ReadState(TReader* Reader) {
  DisableAlign();
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    FixupTabList();
    EnableAlign();
    throw;
  }
  FixupTabList();
  EnableAlign();
}

void TWinControl::Loaded() {
  inherited::Loaded();
  Realign();
}

}  // namespace host

namespace host {

// ------------------------------------------------------------ looks and bevels

namespace {

// Sets a field that changes the client area: the children align again and
// the control repaints.
template <class T>
void SetLayoutField(TWinControl& Control, T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Control.Realign();
  Control.Invalidate();
}

}  // namespace

void TWinControl::SetBevelEdges(TBevelEdges Value) { SetLayoutField(*this, FBevelEdges, Value); }
void TWinControl::SetBevelInner(TBevelCut Value) { SetLayoutField(*this, FBevelInner, Value); }
void TWinControl::SetBevelOuter(TBevelCut Value) { SetLayoutField(*this, FBevelOuter, Value); }
void TWinControl::SetBevelKind(TBevelKind Value) { SetLayoutField(*this, FBevelKind, Value); }

void TWinControl::SetBevelWidth(TBevelWidth Value) {
  if (Value < 1) throw EInvalidOperation("Bevel width %d of control '%s' is below 1", {Value, ControlDisplayName(this)});
  SetLayoutField(*this, FBevelWidth, Value);
}

void TWinControl::SetBorderWidth(TBorderWidth Value) {
  if (Value < 0)
    throw EInvalidOperation("Border width %d of control '%s' is negative", {Value, ControlDisplayName(this)});
  SetLayoutField(*this, FBorderWidth, Value);
  BoundsChanged();  // a form's client area moves within its window frame
}

void TWinControl::SetCtl3D(bool Value) {
  if (FCtl3D == Value) return;
  FCtl3D = Value;
  FParentCtl3D = false;
  Invalidate();
}

void TWinControl::SetParentCtl3D(bool Value) {
  if (FParentCtl3D == Value) return;
  FParentCtl3D = Value;
  if (Value && FParent) FCtl3D = FParent->GetCtl3D();
}

}  // namespace host
