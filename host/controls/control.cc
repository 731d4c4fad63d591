// TControl: geometry, state, looks, actions and streaming. Messages and
// mouse input are in controlinput.cc, drag and drop in dragdock.cc.
#include "host/controls/control.h"

#include <algorithm>

#include "host/classes/filer.h"
#include "host/controls/dragdock.h"
#include "host/controls/wincontrol.h"
#include "host/graphics/graphicsobj.h"
#include "host/menus/menu.h"

namespace host {

HOST_IMPL(TSizeConstraints, TPersistent)
HOST_IMPL(TMargins, TPersistent)
HOST_IMPL(TPadding, TMargins)
HOST_IMPL(TControlActionLink, TActionLink)
HOST_IMPL(TControl, TComponent)

std::string ControlDisplayName(const TControl* Control) { return ComponentDisplayName(Control); }

// ------------------------------------------------------------ TSizeConstraints

void TSizeConstraints::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TSizeConstraints*>(Source);
  if (!other) return inherited::Assign(Source);
  FMinHeight = other->FMinHeight;
  FMaxHeight = other->FMaxHeight;
  FMinWidth = other->FMinWidth;
  FMaxWidth = other->FMaxWidth;
  Change();
}

void TSizeConstraints::SetLimit(int32_t& Field, int32_t Value, int32_t* Other, bool OtherIsMax) {
  if (Value < 0)
    throw EInvalidOperation("Size constraint %d of control '%s' is negative", {Value, ControlDisplayName(FControl)});
  if (Field == Value) return;
  Field = Value;
  // A maximum below the minimum (or the other way round) moves the other
  // limit along; 0 is "no limit" and never moves.
  if (Value > 0 && *Other > 0 && (OtherIsMax ? *Other < Value : *Other > Value)) *Other = Value;
  Change();
}

void TSizeConstraints::SetMaxHeight(int32_t Value) { SetLimit(FMaxHeight, Value, &FMinHeight, false); }
void TSizeConstraints::SetMaxWidth(int32_t Value) { SetLimit(FMaxWidth, Value, &FMinWidth, false); }
void TSizeConstraints::SetMinHeight(int32_t Value) { SetLimit(FMinHeight, Value, &FMaxHeight, true); }
void TSizeConstraints::SetMinWidth(int32_t Value) { SetLimit(FMinWidth, Value, &FMaxWidth, true); }

void TSizeConstraints::Change() {
  if (FControl && !FControl->GetComponentState().Contains(csLoading)) FControl->AdjustSize();
  if (OnChange) OnChange(this);
}

// -------------------------------------------------------- TMargins, TPadding

void TMargins::Assign(TPersistent* Source) {
  auto* other = dynamic_cast<TMargins*>(Source);
  if (!other) return inherited::Assign(Source);
  SetBounds(other->FLeft, other->FTop, other->FRight, other->FBottom);
}

TPersistent* TMargins::GetOwner() { return FControl; }

void TMargins::CheckSide(int32_t Value) const {
  if (Value < 0)
    throw EInvalidOperation("Margin %d of control '%s' is negative", {Value, ControlDisplayName(FControl)});
}

void TMargins::SetSide(int32_t& Field, int32_t Value) {
  CheckSide(Value);
  if (Field == Value) return;
  Field = Value;
  Change();
}

void TMargins::SetBounds(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom) {
  for (int32_t side : {ALeft, ATop, ARight, ABottom}) CheckSide(side);
  if (ALeft == FLeft && ATop == FTop && ARight == FRight && ABottom == FBottom) return;
  FLeft = ALeft;
  FTop = ATop;
  FRight = ARight;
  FBottom = ABottom;
  Change();
}

void TMargins::Change() {
  if (FControl && FControl->GetAlignWithMargins() && FControl->GetAlign() != alNone) FControl->RequestAlign();
  if (OnChange) OnChange(this);
}

void TPadding::Change() {
  if (auto* control = dynamic_cast<TWinControl*>(GetControl())) control->Realign();
  if (OnChange) OnChange(this);
}

// ---------------------------------------------------------- TControlActionLink

TControlActionLink::TControlActionLink(TObject* AClient)
    : TActionLink(AClient), FClient(dynamic_cast<TControl*>(AClient)) {
  if (!FClient) throw EInvalidOperation("A control action link needs a control as its client");
}

bool TControlActionLink::IsCaptionLinked() {
  TCustomAction* a = GetCustomAction();
  return a && FClient->GetCaption() == a->GetCaption();
}
bool TControlActionLink::IsEnabledLinked() {
  TCustomAction* a = GetCustomAction();
  return a && FClient->GetEnabled() == a->GetEnabled();
}
bool TControlActionLink::IsHintLinked() {
  TCustomAction* a = GetCustomAction();
  return a && FClient->GetHint() == a->GetHint();
}
bool TControlActionLink::IsHelpContextLinked() {
  TCustomAction* a = GetCustomAction();
  return a && FClient->GetHelpContext() == a->GetHelpContext();
}
bool TControlActionLink::IsVisibleLinked() {
  TCustomAction* a = GetCustomAction();
  return a && FClient->GetVisible() == a->GetVisible();
}
bool TControlActionLink::IsOnExecuteLinked() {
  TBasicAction* a = GetAction();
  return a && FClient->OnClick.SameAs(a->OnExecute);
}

void TControlActionLink::SetCaption(const std::string& Value) {
  if (IsCaptionLinked()) FClient->SetCaption(Value);
}
void TControlActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClient->SetEnabled(Value);
}
void TControlActionLink::SetHint(const std::string& Value) {
  if (IsHintLinked()) FClient->SetHint(Value);
}
void TControlActionLink::SetHelpContext(THelpContext Value) {
  if (IsHelpContextLinked()) FClient->SetHelpContext(Value);
}
void TControlActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClient->SetVisible(Value);
}
void TControlActionLink::SetOnExecute(TNotifyEvent Value) {
  if (IsOnExecuteLinked()) FClient->OnClick = Value;
}

// -------------------------------------------------------------------- TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  FConstraints = New<TSizeConstraints>(this);
  FMargins = New<TMargins>(this);
  FFont = New<TFont>();
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChanged);
}

std::shared_ptr<const bool> TControl::AliveFlag() {
  if (!FAlive) FAlive = std::make_shared<bool>(true);
  return FAlive;
}

void TControl::Destroy() {
  if (FAlive) *FAlive = false;
  DragControlFreed(this);
  if (GetCaptureControl() == this) SetCaptureControl(nullptr);
  if (FHostDockSite) SetHostDockSite(nullptr);
  SetParent(nullptr);
  FreeAndNil(FActionLink);
  FreeAndNil(FConstraints);
  FreeAndNil(FMargins);
  FreeAndNil(FFont);
  inherited::Destroy();
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (FActionLink && AComponent == GetAction()) SetAction(nullptr);
}

// ---------------------------------------------------------------- parent

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (AParent) {
    for (const TControl* p = AParent; p; p = p->FParent)
      if (p == this)
        throw EInvalidOperation("Control '%s' cannot be its own parent or the parent of one of its parents",
                                {ControlDisplayName(this)});
  }
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() { return FParent; }

// A control read at the top of a form whose root is no windowed control
// (a data module) stays without parent; one nested in another component
// that cannot hold controls is refused.
void TControl::SetParentComponent(TComponent* Value) {
  auto* parent = dynamic_cast<TWinControl*>(Value);
  if (Value && !parent && Value == GetOwner()) return;
  if (Value && !parent)
    throw EInvalidOperation("Control '%s' cannot be placed on '%s': it is not a windowed control",
                            {ControlDisplayName(this), ComponentDisplayName(Value)});
  SetParent(parent);
}

void TControl::ReadState(TReader* Reader) {
  FControlState.Include(csReadingState);
  try {
    inherited::ReadState(Reader);
  } catch (...) {
    FControlState.Exclude(csReadingState);
    throw;
  }
  FControlState.Exclude(csReadingState);
}

void TControl::Loaded() {
  inherited::Loaded();
  if (TBasicAction* action = GetAction()) ActionChange(action, true);
  UpdateAnchorRules();
  if (FParent && FParentColor) ParentColorChanged();
  if (FParent && FParentFont) ParentFontChanged();
  if (FParent && FParentShowHint) ParentShowHintChanged();
  RequestAlign();
}

void TControl::AssignTo(TPersistent* Dest) {
  auto* action = dynamic_cast<TCustomAction*>(Dest);
  if (!action) return inherited::AssignTo(Dest);
  action->SetEnabled(FEnabled);
  action->SetHint(FHint);
  action->SetCaption(FText);
  action->SetVisible(FVisible);
  action->OnExecute = OnClick;
}

// ---------------------------------------------------------------- bounds

void TControl::CheckSize(int32_t AWidth, int32_t AHeight) const {
  if (AWidth < 0 || AHeight < 0 || AWidth > MaxControlSize || AHeight > MaxControlSize)
    throw EInvalidOperation("Invalid size %d x %d for control '%s' (0..%d)",
                            {AWidth, AHeight, ControlDisplayName(this), MaxControlSize});
}

bool TControl::CanResize(int32_t& NewWidth, int32_t& NewHeight) {
  bool resize = true;
  if (OnCanResize) OnCanResize(this, NewWidth, NewHeight, resize);
  return resize;
}

bool TControl::CanAutoSize(int32_t&, int32_t&) { return true; }

void TControl::ConstrainedResize(int32_t& MinWidth, int32_t& MinHeight, int32_t& MaxWidth, int32_t& MaxHeight) {
  if (OnConstrainedResize) OnConstrainedResize(this, MinWidth, MinHeight, MaxWidth, MaxHeight);
}

void TControl::DoConstraints(int32_t& Width, int32_t& Height) {
  int32_t minW = FConstraints->GetMinWidth(), minH = FConstraints->GetMinHeight();
  int32_t maxW = FConstraints->GetMaxWidth(), maxH = FConstraints->GetMaxHeight();
  ConstrainedResize(minW, minH, maxW, maxH);
  if (maxW > 0 && Width > maxW) Width = maxW;
  if (minW > 0 && Width < minW) Width = minW;
  if (maxH > 0 && Height > maxH) Height = maxH;
  if (minH > 0 && Height < minH) Height = minH;
}

void TControl::SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight) {
  CheckSize(AWidth, AHeight);
  if (!CanResize(AWidth, AHeight)) {
    AWidth = FWidth;
    AHeight = FHeight;
  }
  DoConstraints(AWidth, AHeight);
  CheckSize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (!FParent || !FParent->FAligning) UpdateAnchorRules();
  BoundsChanged();
  Invalidate();
  RequestAlign();
  if (!resized) return;
  const auto alive = AliveFlag();
  AdjustToSize();
  if (*alive && !GetComponentState().Contains(csLoading)) Resize();
}

void TControl::BoundsChanged() {}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::RequestAlign() {
  if (FParent) FParent->AlignControl(this);
}

void TControl::AdjustSize() {
  if (GetComponentState().Contains(csLoading)) return;
  SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

TRect TControl::GetClientRect() { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientWidth(int32_t Value) { SetWidth(FWidth - GetClientWidth() + Value); }
void TControl::SetClientHeight(int32_t Value) { SetHeight(FHeight - GetClientHeight() + Value); }

TPoint TControl::GetClientOrigin() {
  if (!FParent) return {FLeft, FTop};
  TPoint origin = FParent->GetClientOrigin();
  return {ClampToInt32(int64_t{origin.X} + FLeft), ClampToInt32(int64_t{origin.Y} + FTop)};
}

TPoint TControl::ClientToScreen(TPoint Point) {
  const TPoint origin = GetClientOrigin();
  return {ClampToInt32(int64_t{Point.X} + origin.X), ClampToInt32(int64_t{Point.Y} + origin.Y)};
}

TPoint TControl::ScreenToClient(TPoint Point) {
  const TPoint origin = GetClientOrigin();
  return {ClampToInt32(int64_t{Point.X} - origin.X), ClampToInt32(int64_t{Point.Y} - origin.Y)};
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  FAnchors = AnchorAlign[Value];
  RequestAlign();
  if (Value == alNone) UpdateAnchorRules();
}

void TControl::SetAlignWithMargins(bool Value) {
  if (FAlignWithMargins == Value) return;
  FAlignWithMargins = Value;
  if (FAlign != alNone) RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
  if (FAnchors == Value) return;
  FAnchors = Value;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!FParent || GetComponentState().Contains(csLoading)) return;
  const TRect client = FParent->GetClientRect();
  FAnchorRules = {client.Right - (FLeft + FWidth), client.Bottom - (FTop + FHeight)};
  FOriginalParentSize = {client.Width(), client.Height()};
}

void TControl::ChangeScale(int32_t M, int32_t D) {
  if (M == D || D == 0) return;
  const int32_t left = MulDiv(FLeft, M, D), top = MulDiv(FTop, M, D);
  const int32_t width = MulDiv(FLeft + FWidth, M, D) - left, height = MulDiv(FTop + FHeight, M, D) - top;
  SetBounds(left, top, std::max(width, 0), std::max(height, 0));
  if (!FParentFont) FFont->SetSize(MulDiv(FFont->GetSize(), M, D));
}

// ------------------------------------------------------------ visibility

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  VisibleChanging();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value, 0);
  RequestAlign();
}

void TControl::Show() {
  if (FParent) FParent->Show();
  SetVisible(true);
  Perform(CM_SHOWINGCHANGED, 0, 0);
  BringToFront();
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

// ------------------------------------------------------------ text and looks

void TControl::SetText(const std::string& Value) {
  if (FText == Value) return;
  FText = Value;
  Perform(CM_TEXTCHANGED, 0, 0);
}

int32_t TControl::GetTextBuf(char* Buffer, int32_t BufSize) const {
  if (!Buffer || BufSize <= 0) return 0;
  const int32_t count = std::min(BufSize - 1, GetTextLen());
  std::copy_n(FText.data(), count, Buffer);
  Buffer[count] = '\0';
  return count;
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value && !FParentColor) return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParent || !FParentColor) return;
  FColor = FParent->GetColor();
  FParentColor = true;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetFont(TFont* Value) {
  FFont->Assign(Value);
}

void TControl::FontChanged(TObject*) {
  FParentFont = false;
  FDesktopFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParent || !FParentFont) return;
  FFont->Assign(FParent->GetFont());  // fires FontChanged, which clears the flag
  FParentFont = true;
}

void TControl::SetDesktopFont(bool Value) { FDesktopFont = Value; }

void TControl::SetBiDiMode(TBiDiMode Value) {
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (Value && FParent) {
    FBiDiMode = FParent->GetBiDiMode();
    Perform(CM_BIDIMODECHANGED, 0, 0);
  }
}

// DrawText's right-to-left flags (DT_RIGHT, DT_RTLREADING).
int32_t TControl::DrawTextBiDiModeFlags(int32_t Flags) const {
  constexpr int32_t kRight = 0x2, kLeft = 0x0, kRtlReading = 0x20000;
  int32_t result = Flags;
  if (UseRightToLeftAlignment() && (Flags & kRight) == 0) result |= kRight;
  else if (UseRightToLeftAlignment()) result = (result & ~kRight) | kLeft;
  return result | DrawTextBiDiModeFlagsReadingOnly() * (kRtlReading / kRtlReading);
}

int32_t TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? 0x20000 : 0; }

void TControl::SetShowHint(bool Value) {
  if (FShowHint == Value && !FParentShowHint) return;
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged() {
  if (!FParent || !FParentShowHint) return;
  FShowHint = FParent->GetShowHint();
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

// ------------------------------------------------------------------ action

TBasicAction* TControl::GetAction() const { return FActionLink ? FActionLink->GetAction() : nullptr; }

TClass TControl::GetActionLinkClass() const { return &TControlActionLink::StaticMetaClass; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    if (TBasicAction* old = GetAction()) old->RemoveFreeNotification(this);
    FreeAndNil(FActionLink);
    return;
  }
  if (!FActionLink) {
    FActionLink = static_cast<TControlActionLink*>(GetActionLinkClass()->Create(this));
    FActionLink->OnChange = TNotifyEvent(this, &TControl::DoActionChange);
  }
  if (TBasicAction* old = GetAction(); old && old != Value) old->RemoveFreeNotification(this);
  FActionLink->SetAction(Value);
  ActionChange(Value, Value->GetComponentState().Contains(csLoading));
  Value->FreeNotification(this);
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || FText.empty()) SetCaption(action->GetCaption());
  if (!CheckDefaults || FEnabled) SetEnabled(action->GetEnabled());
  if (!CheckDefaults || FHint.empty()) SetHint(action->GetHint());
  if (!CheckDefaults || FVisible) SetVisible(action->GetVisible());
  if (!CheckDefaults || FHelpContext == 0) SetHelpContext(action->GetHelpContext());
  if (!CheckDefaults || !OnClick) OnClick = action->OnExecute;
}

void TControl::InitiateAction() {
  if (FActionLink) FActionLink->Update();
}

// ---------------------------------------------------------------- z-order

void TControl::BringToFront() {
  if (FParent) FParent->SetZOrderOf(this, true);
}

void TControl::SendToBack() {
  if (FParent) FParent->SetZOrderOf(this, false);
}

// ---------------------------------------------------------------- painting

void TControl::Invalidate() {
  if (FParent && FVisible) FParent->InvalidateArea(GetBoundsRect());
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

// ---------------------------------------------------------------- docking

void TControl::SetHostDockSite(TWinControl* Value) {
  if (FHostDockSite == Value) return;
  if (FHostDockSite) FHostDockSite->RemoveDockClient(this);
  FHostDockSite = Value;
  if (Value) Value->AddDockClient(this);
}

bool TControl::GetFloating() const { return !FHostDockSite && !FParent && FDragKind == dkDock; }

}  // namespace host
