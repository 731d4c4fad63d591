// Drag and drop and docking: the drag objects, the one drag that runs at a
// time, and what controls and dock sites do when a control is docked,
// undocked or floated. The dock tree's zones are in docktree.cc.
#include "host/controls/dragdock.h"

#include <cstdlib>
#include <memory>

#include "host/controls/mouse.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TDragObject, TObject)
HOST_IMPL(TBaseDragControlObject, TDragObject)
HOST_IMPL(TDragControlObject, TBaseDragControlObject)
HOST_IMPL(TDragDockObject, TBaseDragControlObject)

// ------------------------------------------------------------- drag objects

void TDragObject::Assign(TDragObject* Source) {
  if (!Source) return;
  FCancelling = Source->FCancelling;
  FDragHandle = Source->FDragHandle;
  FDragPos = Source->FDragPos;
  FDragTargetPos = Source->FDragTargetPos;
  FDragTarget = Source->FDragTarget;
  FMouseDeltaX = Source->FMouseDeltaX;
  FMouseDeltaY = Source->FMouseDeltaY;
}

TCursor TDragObject::GetDragCursor(bool Accepted, int32_t, int32_t) { return Accepted ? crDrag : crNoDrop; }

void TDragObject::Finished(TObject*, int32_t, int32_t, bool Accepted) { FDropped = Accepted; }

void TBaseDragControlObject::Assign(TDragObject* Source) {
  inherited::Assign(Source);
  if (auto* other = dynamic_cast<TBaseDragControlObject*>(Source)) FControl = other->FControl;
}

void TBaseDragControlObject::EndDrag(TObject* Target, int32_t X, int32_t Y) {
  if (FControl) FControl->DoEndDrag(Target, X, Y);
}

void TBaseDragControlObject::Finished(TObject* Target, int32_t X, int32_t Y, bool Accepted) {
  inherited::Finished(Target, X, Y, Accepted);
  EndDrag(Accepted ? Target : nullptr, X, Y);
}

TDragDockObject::TDragDockObject(TControl* AControl) : TBaseDragControlObject(AControl) { FBrush = New<TBrush>(); }

void TDragDockObject::Destroy() {
  FreeAndNil(FBrush);
  inherited::Destroy();
}

void TDragDockObject::Assign(TDragObject* Source) {
  inherited::Assign(Source);
  auto* other = dynamic_cast<TDragDockObject*>(Source);
  if (!other) return;
  FBrush->Assign(other->FBrush);
  FDockRect = other->FDockRect;
  FDropAlign = other->FDropAlign;
  FDropOnControl = other->FDropOnControl;
  FFloating = other->FFloating;
}

void TDragDockObject::SetBrush(TBrush* Value) { FBrush->Assign(Value); }

void TDragDockObject::EndDrag(TObject* Target, int32_t X, int32_t Y) {
  if (FControl) FControl->DoEndDock(Target, X, Y);
}

// ------------------------------------------------------------ the one drag

// The drag machinery: a friend of the drag objects, driving the one drag.
class TDragMachine {
 public:
  TControl* Source = nullptr;
  std::shared_ptr<const bool> SourceAlive;
  TDragObject* Object = nullptr;
  bool OwnsObject = false;
  bool Started = false;
  TDragKind Kind = dkDrag;
  int32_t Threshold = 5;
  TPoint StartPos;
  TControl* Target = nullptr;
  std::shared_ptr<const bool> TargetAlive;
  bool Accepted = false;

  bool Running() const { return Source != nullptr; }
  void Begin(TControl* Control, bool Immediate, int32_t ThresholdPixels);
  void MoveTo(const TPoint& Pos);
  void Done(bool Drop);
  void Forget(TControl* Control);

 private:
  // What a target sees as the dragged thing: the control of a control's
  // drag object, any other drag object itself.
  TObject* SourceForTarget() const;
  TControl* FindTarget(const TPoint& Pos) const;
  bool AskTarget(TControl* At, const TPoint& Pos, TDragState State);
  void Leave(const TPoint& Pos);
  void Clear();
};

namespace {

TDragMachine& Machine() {
  static TDragMachine machine;
  return machine;
}

TObject* SourceSeenBy(TDragObject* Object) {
  if (auto* control = dynamic_cast<TDragControlObject*>(Object)) return control->GetControl();
  return Object;
}

TPoint CursorPos() { return WidgetSetRunning() ? WidgetSet().Windows().GetCursorPos() : TPoint{}; }

// The dock site that takes a control dropped at Pos: the site at the point
// or its nearest parent that is a dock site (never the control or one of
// its own), whose influence rectangle holds the point and which says it
// can dock the control.
TWinControl* DockSiteAt(TControl* Client, TControl* At, const TPoint& Pos) {
  for (TControl* c = At; c; c = c->GetParent()) {
    auto* site = dynamic_cast<TWinControl*>(c);
    if (!site || !site->GetDockSite() || site == Client) continue;
    if (auto* win = dynamic_cast<TWinControl*>(Client); win && win->ContainsControl(site)) return nullptr;
    TRect influence = Bounds(site->GetClientOrigin().X, site->GetClientOrigin().Y, site->GetWidth(), site->GetHeight());
    bool canDock = true;
    site->GetSiteInfo(Client, influence, Pos, canDock);
    return canDock && PtInRect(influence, Pos) ? site : nullptr;
  }
  return nullptr;
}

}  // namespace

TObject* TDragMachine::SourceForTarget() const { return SourceSeenBy(Object); }

TControl* TDragMachine::FindTarget(const TPoint& Pos) const {
  TControl* at = FindDragTarget(Pos, false);
  if (Kind == dkDock) return DockSiteAt(Source, at, Pos);
  return at;
}

void TDragMachine::Begin(TControl* Control, bool Immediate, int32_t ThresholdPixels) {
  if (Running() || !Control) return;
  Source = Control;
  SourceAlive = Control->AliveFlag();
  Kind = Control->GetDragKind();
  // Without the mouse object (the unit not started) the classic 5 pixels.
  Threshold = ThresholdPixels >= 0 ? ThresholdPixels : Mouse() ? Mouse()->GetDragThreshold() : 5;
  StartPos = CursorPos();
  // The source may hand in a drag object of its own.
  if (Kind == dkDock) {
    TDragDockObject* dock = nullptr;
    Control->DoStartDock(dock);
    Object = dock;
  } else {
    Control->DoStartDrag(Object);
  }
  if (!*SourceAlive) return Clear();
  OwnsObject = Object == nullptr;
  if (OwnsObject)
    Object = Kind == dkDock ? static_cast<TDragObject*>(New<TDragDockObject>(Control)) : New<TDragControlObject>(Control);
  const TPoint local = Control->ScreenToClient(StartPos);
  Object->FMouseDeltaX = Control->GetWidth() > 0 ? double(local.X) / Control->GetWidth() : 0;
  Object->FMouseDeltaY = Control->GetHeight() > 0 ? double(local.Y) / Control->GetHeight() : 0;
  Object->FDragPos = StartPos;
  SetCaptureControl(Control);
  if (Immediate) {
    Started = true;
    MoveTo(StartPos);
  }
}

bool TDragMachine::AskTarget(TControl* At, const TPoint& Pos, TDragState State) {
  const TPoint local = At->ScreenToClient(Pos);
  bool accept = false;
  if (Kind == dkDock) {
    auto* site = static_cast<TWinControl*>(At);
    auto* dock = static_cast<TDragDockObject*>(Object);
    dock->FDockRect = Bounds(site->GetClientOrigin().X, site->GetClientOrigin().Y, site->GetClientWidth(),
                             site->GetClientHeight());
    accept = true;
    site->DockOver(dock, local.X, local.Y, State, accept);
  } else {
    At->DragOver(SourceForTarget(), local.X, local.Y, State, accept);
  }
  return accept;
}

void TDragMachine::Leave(const TPoint& Pos) {
  TControl* old = Target;
  const bool alive = TargetAlive && *TargetAlive;
  Target = nullptr;
  TargetAlive.reset();
  Accepted = false;
  if (old && alive) AskTarget(old, Pos, dsDragLeave);
}

void TDragMachine::MoveTo(const TPoint& Pos) {
  Object->FDragPos = Pos;
  TControl* at = FindTarget(Pos);
  if (Target && (!*TargetAlive || at != Target)) Leave(Pos);
  if (!Running() || !at) return;
  const TDragState state = Target ? dsDragMove : dsDragEnter;
  Target = at;
  TargetAlive = at->AliveFlag();
  Object->FDragTarget = at;
  Object->FDragTargetPos = at->ScreenToClient(Pos);
  const bool accepted = AskTarget(at, Pos, state);
  if (Running() && Target == at) Accepted = accepted;
}

void TDragMachine::Done(bool Drop) {
  if (!Running()) return;
  // The state is cleared before any event runs: a handler may start the
  // next drag or free the controls.
  TControl* source = Source;
  const auto sourceAlive = SourceAlive;
  TDragObject* object = Object;
  const bool owns = OwnsObject;
  TControl* target = Target && *TargetAlive ? Target : nullptr;
  const auto targetAlive = TargetAlive;
  const bool started = Started;
  const bool accepted = started && Drop && target && Accepted;
  const TPoint pos = object->FDragPos;
  if (started && target && !accepted) AskTarget(target, pos, dsDragLeave);
  Clear();
  if (GetCaptureControl() == source) SetCaptureControl(nullptr);
  object->FCancelling = !Drop;
  const TPoint local = accepted ? target->ScreenToClient(pos) : TPoint{};
  if (accepted) {
    if (Kind == dkDock)
      static_cast<TWinControl*>(target)->DockDrop(static_cast<TDragDockObject*>(object), local.X, local.Y);
    else
      target->DragDrop(SourceSeenBy(object), local.X, local.Y);
  }
  if (*sourceAlive) {
    auto* control = dynamic_cast<TBaseDragControlObject*>(object);
    if (control && control->GetControl() != source) control->SetControl(source);
    object->Finished(accepted && *targetAlive ? target : nullptr, local.X, local.Y, accepted);
  }
  if (owns) object->Free();
}

void TDragMachine::Forget(TControl* Control) {
  if (Control == Target) {
    Target = nullptr;
    TargetAlive.reset();
    Accepted = false;
  }
  if (Control != Source) return;
  if (OwnsObject) Object->Free();
  Clear();
}

void TDragMachine::Clear() {
  Source = nullptr;
  SourceAlive.reset();
  Object = nullptr;
  OwnsObject = false;
  Started = false;
  Target = nullptr;
  TargetAlive.reset();
  Accepted = false;
}

TDragObject* DragObject() { return Machine().Started ? Machine().Object : nullptr; }
TControl* DragControl() { return Machine().Source; }
void BeginDragOf(TControl* Control, bool Immediate, int32_t Threshold) { Machine().Begin(Control, Immediate, Threshold); }

void EndDragOf(TControl* Control, bool Drop) {
  if (Machine().Source == Control) Machine().Done(Drop);
}

void DragTo(const TPoint& Pos) {
  TDragMachine& m = Machine();
  if (!m.Running()) return;
  m.Started = true;
  m.MoveTo(Pos);
}

void DragDone(bool Drop) { Machine().Done(Drop); }
void CancelDrag() { Machine().Done(false); }
void DragControlFreed(TControl* Control) { Machine().Forget(Control); }

bool DragMessage(TControl* Control, TMessage& Message) {
  TDragMachine& m = Machine();
  if (!m.Running()) return false;
  if (Message.Msg == WM_KEYDOWN && static_cast<TWMKey&>(Message).CharCode == VK_ESCAPE) {
    m.Done(false);
    return true;
  }
  if (Control != m.Source || Message.Msg < WM_MOUSEMOVE || Message.Msg > WM_MBUTTONDBLCLK) return false;
  auto& mouse = static_cast<TWMMouse&>(Message);
  const TPoint pos = Control->ClientToScreen({mouse.XPos, mouse.YPos});
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (!m.Started && std::abs(pos.X - m.StartPos.X) < m.Threshold && std::abs(pos.Y - m.StartPos.Y) < m.Threshold)
        return true;
      DragTo(pos);
      return true;
    case WM_LBUTTONUP:
      if (!m.Started) {
        // Released before the threshold: no drag happened, the button-up
        // goes on to the control as usual.
        m.Done(false);
        return false;
      }
      m.Object->SetDragPos(pos);
      m.Done(true);
      return true;
    default:
      return m.Started;
  }
}

// --------------------------------------------------------- control docking

void TControl::DoStartDock(TDragDockObject*& DragObject) {
  if (OnStartDock) OnStartDock(this, DragObject);
}

void TControl::DoEndDock(TObject* Target, int32_t X, int32_t Y) {
  if (OnEndDock) OnEndDock(this, Target, X, Y);
}

void TControl::Dock(TWinControl* NewDockSite, const TRect& ARect) {
  SetParent(NewDockSite);
  SetHostDockSite(NewDockSite);
  SetBoundsRect(ARect);
}

bool TControl::ManualDock(TWinControl* NewDockSite, TControl* DropControl, TAlign ControlSide) {
  if (!NewDockSite) return ManualFloat(Bounds(GetClientOrigin().X, GetClientOrigin().Y, FWidth, FHeight));
  if (!NewDockSite->GetDockSite())
    throw EInvalidOperation("Control '%s' cannot dock in '%s': it is not a dock site",
                            {ControlDisplayName(this), ControlDisplayName(NewDockSite)});
  if (auto* win = dynamic_cast<TWinControl*>(this); win && win->ContainsControl(NewDockSite))
    throw EInvalidOperation("Control '%s' cannot dock in '%s', one of its own controls",
                            {ControlDisplayName(this), ControlDisplayName(NewDockSite)});
  if (FHostDockSite == NewDockSite) return false;
  if (FHostDockSite && !FHostDockSite->DoUnDock(NewDockSite, this)) return false;
  const TRect rect = DropControl && DropControl->GetParent() == NewDockSite ? DropControl->GetBoundsRect()
                                                                            : GetBoundsRect();
  Dock(NewDockSite, rect);
  if (NewDockSite->GetUseDockManager() && NewDockSite->GetDockManager())
    NewDockSite->GetDockManager()->InsertControl(this, ControlSide, DropControl);
  else if (ControlSide != alNone && ControlSide != alCustom)
    SetAlign(ControlSide);
  return true;
}

bool TControl::ManualFloat(const TRect& ScreenPos) {
  if (FHostDockSite && !FHostDockSite->DoUnDock(nullptr, this)) return false;
  SetHostDockSite(nullptr);
  SetAlign(alNone);
  SetParent(nullptr);
  SetBoundsRect(ScreenPos);
  if (auto* win = dynamic_cast<TWinControl*>(this)) win->UpdateControlState();
  return true;
}

bool TControl::ReplaceDockedControl(TControl* Control, TWinControl* NewDockSite, TControl* DropControl,
                                    TAlign ControlSide) {
  if (!Control || !Control->FHostDockSite) return false;
  TWinControl* site = Control->FHostDockSite;
  const TRect place = Control->GetBoundsRect();
  const TAlign align = Control->FAlign;
  if (!Control->ManualDock(NewDockSite, DropControl, ControlSide)) return false;
  if (!ManualDock(site, nullptr, align)) return false;
  if (!site->GetUseDockManager()) SetBoundsRect(place);
  return true;
}

// ------------------------------------------------------------- dock sites

void TWinControl::SetDockSite(bool Value) {
  if (FDockSite == Value) return;
  FDockSite = Value;
  if (Value && FUseDockManager && !FDockManager) SetDockManager(New<TDockTree>(this));
}

void TWinControl::SetUseDockManager(bool Value) {
  if (FUseDockManager == Value) return;
  FUseDockManager = Value;
  if (Value && FDockSite && !FDockManager) SetDockManager(New<TDockTree>(this));
}

void TWinControl::SetDockManager(TDockTree* Value) {
  if (FDockManager == Value) return;
  TDockTree* old = FDockManager;
  FDockManager = Value;
  FreeObject(old);
}

TControl* TWinControl::GetDockClients(int32_t Index) const {
  if (Index < 0 || Index >= GetDockClientCount()) throw EListError(SListIndexError, {Index});
  return FDockClients[static_cast<std::size_t>(Index)];
}

void TWinControl::AddDockClient(TControl* Client) {
  if (std::find(FDockClients.begin(), FDockClients.end(), Client) == FDockClients.end())
    FDockClients.push_back(Client);
}

void TWinControl::RemoveDockClient(TControl* Client) {
  std::erase(FDockClients, Client);
  if (FDockManager) FDockManager->RemoveControl(Client);
}

void TWinControl::DockDrop(TDragDockObject* Source, int32_t X, int32_t Y) {
  if (!Source || !Source->GetControl()) return;
  TControl* client = Source->GetControl();
  if (client->GetHostDockSite() && client->GetHostDockSite() != this &&
      !client->GetHostDockSite()->DoUnDock(this, client))
    return;
  client->Dock(this, Rect(X, Y, X + client->GetWidth(), Y + client->GetHeight()));
  if (FUseDockManager && FDockManager)
    FDockManager->InsertControl(client, Source->GetDropAlign(), Source->GetDropOnControl());
  if (OnDockDrop) OnDockDrop(this, Source, X, Y);
}

void TWinControl::DockOver(TDragDockObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept) {
  if (FUseDockManager && FDockManager && Source && Source->GetControl()) {
    TRect rect = Source->GetDockRect();
    FDockManager->PositionDockRect(Source->GetControl(), Source->GetDropOnControl(), Source->GetDropAlign(), rect);
    Source->SetDockRect(rect);
  }
  if (OnDockOver) OnDockOver(this, Source, X, Y, State, Accept);
}

void TWinControl::GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock) {
  // The site takes drops a little outside itself too.
  InfluenceRect = Rect(InfluenceRect.Left - 10, InfluenceRect.Top - 10, InfluenceRect.Right + 10,
                       InfluenceRect.Bottom + 10);
  if (OnGetSiteInfo) OnGetSiteInfo(this, Client, InfluenceRect, MousePos, CanDock);
}

bool TWinControl::DoUnDock(TWinControl* NewTarget, TControl* Client) {
  bool allow = true;
  if (OnUnDock) OnUnDock(this, Client, NewTarget, allow);
  if (allow && FDockManager) FDockManager->RemoveControl(Client);
  return allow;
}

}  // namespace host
