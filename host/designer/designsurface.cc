#include "host/designer/designsurface.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "host/classes/streams.h"
#include "host/controls/controls.h"
#include "host/designer/designreg.h"
#include "host/forms/application.h"
#include "host/graphics/canvas.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TDesignSurface, TObject)

namespace {

constexpr int32_t kHandleSize = 5;
constexpr int32_t kIconSize = 28;

constexpr uint8_t kLeft = 1, kTop = 2, kRight = 4, kBottom = 8;

bool IsMouse(uint32_t Msg) { return (Msg >= WM_MOUSEMOVE && Msg <= WM_MBUTTONDBLCLK) || Msg == WM_MOUSEWHEEL; }
bool IsKey(uint32_t Msg) { return Msg >= WM_KEYDOWN && Msg <= WM_SYSCHAR; }

TRect Normal(TPoint A, TPoint B) {
  return {std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

bool Touches(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

// The short text an icon shows: the capitals and digits of the class name
// after its T and any lower-case prefix ("TkelConnectionList": "CL").
std::string IconText(TComponent* Component) {
  const std::string name = Component->ClassName();
  std::string text;
  for (char c : std::string_view(name).substr(1))
    if ((std::isupper(static_cast<unsigned char>(c)) || std::isdigit(static_cast<unsigned char>(c))) && text.size() < 4)
      text += c;
  return text.empty() ? name.substr(0, 3) : text;
}

}  // namespace

// ---------------------------------------------------------------- markers

// A window of the surface's own above the designed controls: a grab handle
// of a selected control, the icon of a component that is no control, or an
// edge of the rubber band. It paints itself and hands its mouse input to
// the surface.
class TDesignSurface::TMarker : public TObject {
 public:
  enum class TKind { Handle, Icon, Rubber };

  TMarker(TDesignSurface& Surface, TKind Kind, HWND Parent, const TRect& Bounds, TComponent* Component,
          TEdges Edges, bool Active)
      : FSurface(Surface), FKind(Kind), FComponent(Component), FEdges(Edges), FActive(Active) {
    TCreateParams params;
    params.WinClassName = Kind == TKind::Icon ? "TDesignIcon" : "TDesignMarker";
    params.Bounds = Bounds;
    params.WndParent = Parent;
    params.Visible = true;
    if (TWSWindows* windows = RunningWindows()) FWindow = windows->CreateWindow(params, this);
    if (FWindow) RunningWindows()->SetWindowZOrder(FWindow, true);
  }
  ~TMarker() override {
    if (FWindow && RunningWindows()) RunningWindows()->DestroyWindow(FWindow);
  }

  TComponent* Component() const { return FComponent; }
  HWND Window() const { return FWindow; }
  TRect ScreenRect() const {
    TRect bounds;
    TWSWindows* windows = RunningWindows();
    if (!FWindow || !windows || !windows->GetWindowBounds(FWindow, bounds)) return {};
    TPoint origin{0, 0};
    windows->ClientToScreen(FWindow, origin);
    return {origin.X, origin.Y, origin.X + bounds.Width(), origin.Y + bounds.Height()};
  }
  void MoveTo(const TRect& Bounds) {
    if (FWindow && RunningWindows()) RunningWindows()->SetWindowBounds(FWindow, Bounds);
  }
  // The window's place in its parent.
  TRect Place() const {
    TRect bounds;
    if (!FWindow || !RunningWindows() || !RunningWindows()->GetWindowBounds(FWindow, bounds)) return {};
    return bounds;
  }

  void Dispatch(void* Message) override {
    auto& m = *static_cast<TMessage*>(Message);
    if (m.Msg == WM_PAINT) {
      Paint(static_cast<TWMPaint&>(m).DC);
      return;
    }
    if (FKind == TKind::Rubber || !IsMouse(m.Msg) || m.Msg == WM_MOUSEWHEEL) return;
    auto& mouse = static_cast<TWMMouse&>(m);
    TPoint screen{mouse.XPos, mouse.YPos};
    RunningWindows()->ClientToScreen(FWindow, screen);
    if (FKind == TKind::Handle) {
      if (m.Msg == WM_LBUTTONDOWN && FActive) FSurface.Guarded([&] { FSurface.StartDrag(TDrag::Resize, screen, FEdges); });
      else FSurface.Mouse(nullptr, m);  // moves and releases of a drag
      return;
    }
    FSurface.IconMouse(FComponent, mouse, screen);
  }

 private:
  void Paint(HDC DC) {
    TOwned<TCanvas> canvas = MakeOwned<TCanvas>();
    canvas->SetHandle(DC);
    TRect bounds;
    RunningWindows()->GetWindowBounds(FWindow, bounds);
    const TRect area{0, 0, bounds.Width(), bounds.Height()};
    if (FKind == TKind::Icon) {
      canvas->GetBrush()->SetColor(clBtnFace);
      canvas->GetPen()->SetColor(clBtnShadow);
      canvas->Rectangle(area);
      canvas->GetBrush()->SetStyle(bsClear);
      canvas->GetFont()->SetColor(clBtnText);
      const std::string text = IconText(FComponent);
      canvas->TextOut((area.Width() - canvas->TextWidth(text)) / 2, (area.Height() - canvas->TextHeight(text)) / 2,
                      text);
    } else {
      canvas->GetBrush()->SetColor(FKind == TKind::Handle && !FActive ? clGray : clBlack);
      canvas->FillRect(area);
    }
    canvas->SetHandle(0);
  }

  TDesignSurface& FSurface;
  TKind FKind;
  TComponent* FComponent;
  TEdges FEdges;
  bool FActive;
  HWND FWindow = 0;
};

// ------------------------------------------------------------------ surface

TDesignSurface::TDesignSurface(TFormDesigner* Designer) : FDesigner(Designer) {
  if (!Designer) throw EInvalidOperation("A design surface needs a form designer");
  FDesigner->AddListener(this);
  FDesigner->SetSurface(this);
  FCurrent = Snapshot();
}

void TDesignSurface::Destroy() {
  ClearMarkers();
  if (FDesigner) {
    FDesigner->RemoveListener(this);
    if (FDesigner->GetSurface() == this) FDesigner->SetSurface(nullptr);
  }
  inherited::Destroy();
}

TComponent* TDesignSurface::Root() const { return FDesigner ? FDesigner->GetRoot() : nullptr; }

TWinControl* TDesignSurface::RootControl() const { return dynamic_cast<TWinControl*>(Root()); }

void TDesignSurface::SetGridSize(int32_t Value) {
  if (Value < 1 || Value > 64) throw EInvalidOperation("A grid of %d pixels is not possible (1 to 64)", {Value});
  FGridSize = Value;
  if (TWinControl* root = RootControl()) root->Invalidate();
}

void TDesignSurface::SetShowGrid(bool Value) {
  FShowGrid = Value;
  if (TWinControl* root = RootControl()) root->Invalidate();
}

int32_t TDesignSurface::Snap(int32_t Value) const {
  if (!FSnapToGrid || FGridSize <= 1) return Value;
  const int32_t half = FGridSize / 2;
  return (Value >= 0 ? (Value + half) / FGridSize : -((-Value + half) / FGridSize)) * FGridSize;
}

template <class F>
void TDesignSurface::Guarded(F&& Work) {
  try {
    Work();
  } catch (const Exception&) {
    EndDrag();
    if (Application)
      Application->HandleException(this);
    else
      throw;
  }
}

// ------------------------------------------------------------- the input

bool TDesignSurface::IsDesignMsg(TControl* Sender, TMessage& Message) {
  if (!Root()) return false;
  if (IsMouse(Message.Msg)) return Mouse(Sender, Message);
  if (IsKey(Message.Msg)) return Key(Message);
  return false;
}

TComponent* TDesignSurface::TargetAt(TControl* Sender, TPoint Local) const {
  TControl* control = Sender;
  if (auto* win = dynamic_cast<TWinControl*>(Sender))
    if (TControl* child = win->ControlAtPos(Local, true, false)) control = child;
  // Parts a control makes of its own belong to the designed component.
  TComponent* root = Root();
  while (control && control != root && control->GetOwner() != root) control = control->GetParent();
  return control ? static_cast<TComponent*>(control) : root;
}

bool TDesignSurface::Mouse(TControl* Sender, TMessage& Message) {
  if (Message.Msg == WM_MOUSEWHEEL) return true;
  auto& mouse = static_cast<TWMMouse&>(Message);
  const TPoint local{mouse.XPos, mouse.YPos};
  TPoint screen = local;
  if (Sender) screen = Sender->ClientToScreen(local);
  else if (TWSWindows* windows = RunningWindows()) screen = windows->GetCursorPos();
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      if (Sender) Guarded([&] { MouseDown(TargetAt(Sender, local), screen, mouse.Keys); });
      break;
    case WM_MOUSEMOVE:
      Guarded([&] { MouseMove(screen); });
      break;
    case WM_LBUTTONUP:
      Guarded([&] { MouseUp(screen); });
      break;
    case WM_LBUTTONDBLCLK:
      if (Sender) {
        TComponent* target = TargetAt(Sender, local);
        EndDrag();
        Guarded([&] { EditComponent(target); });
      }
      break;
    case WM_RBUTTONDOWN:
      if (Sender) {
        TComponent* target = TargetAt(Sender, local);
        const auto& selection = FDesigner->Selection();
        if (std::find(selection.begin(), selection.end(), target) == selection.end())
          FDesigner->SelectComponent(target);
      }
      break;
    case WM_RBUTTONUP:
      if (Sender && OnContextMenu) {
        TComponent* target = TargetAt(Sender, local);
        Guarded([&] { OnContextMenu(target, screen); });
      }
      break;
    default:
      break;
  }
  return true;
}

void TDesignSurface::IconMouse(TComponent* Component, TWMMouse& Message, TPoint Screen) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      Guarded([&] { MouseDown(Component, Screen, Message.Keys); });
      break;
    case WM_LBUTTONDBLCLK:
      EndDrag();
      Guarded([&] { EditComponent(Component); });
      break;
    case WM_RBUTTONDOWN:
      FDesigner->SelectComponent(Component);
      break;
    case WM_RBUTTONUP:
      if (OnContextMenu) Guarded([&] { OnContextMenu(Component, Screen); });
      break;
    default:
      Mouse(nullptr, Message);
      break;
  }
}

void TDesignSurface::MouseDown(TComponent* Target, TPoint Screen, uint32_t Keys) {
  // The keys go to the designed form from now on (the host's focus, so the
  // host knows where it is).
  if (TWinControl* root = RootControl(); root && root->CanFocus() && !root->Focused()) root->SetFocus();
  if (FDropClass) {
    const TClass dropped = std::exchange(FDropClass, nullptr);
    TWinControl* parent = dropped->InheritsFrom(&TControl::StaticMetaClass) ? DropParent(Target) : RootControl();
    TComponent* made = Drop(dropped, parent, parent ? parent->ScreenToClient(Screen) : Screen);
    if (OnDropped) OnDropped(made);
    return;
  }
  const std::vector<TPersistent*>& selection = FDesigner->Selection();
  const bool selected = std::find(selection.begin(), selection.end(), Target) != selection.end();
  if (Keys & MK_SHIFT) {
    // Shift toggles the component in the selection (the form never joins others).
    std::vector<TPersistent*> next;
    for (TPersistent* p : selection)
      if (p != Target && p != Root()) next.push_back(p);
    if (!selected && Target != Root()) next.push_back(Target);
    TOwned<TDesignerSelectionList> list = CreateSelectionList();
    for (TPersistent* p : next) list->Add(MakeIPersistent(p).get());
    FDesigner->SetSelections(list.get());
    return;
  }
  if (!selected) FDesigner->SelectComponent(Target);
  if (Target == Root()) {
    FRubberParent = RootControl();
    StartDrag(TDrag::Rubber, Screen);
    return;
  }
  StartDrag(TDrag::Move, Screen);
}

// A control dropped on a control that holds controls goes into it, one
// dropped on another control beside it.
TWinControl* TDesignSurface::DropParent(TComponent* Target) const {
  auto* control = dynamic_cast<TControl*>(Target);
  if (!control) return RootControl();
  if (auto* win = dynamic_cast<TWinControl*>(control); win && win->GetControlStyle().Contains(csAcceptsControls))
    return win;
  return control->GetParent() ? control->GetParent() : RootControl();
}

void TDesignSurface::StartDrag(TDrag Kind, TPoint Screen, TEdges Edges) {
  FDrag = Kind;
  FDragFrom = Screen;
  FDragEdges = Edges;
  FDragMoved = false;
  FDragStart.clear();
  if (Kind != TDrag::Rubber)
    for (TPersistent* p : FDesigner->Selection())
      if (auto* c = dynamic_cast<TComponent*>(p); c && c != Root()) FDragStart.push_back({c, DesignPlace(c)});
  // The rest of the drag comes to the form whichever window the mouse is over.
  if (TWinControl* root = RootControl(); root && root->HandleAllocated())
    RunningWindows()->SetCapture(root->GetWindowHandle());
}

void TDesignSurface::MouseMove(TPoint Screen) {
  if (FDrag == TDrag::None) return;
  const TPoint delta{Screen.X - FDragFrom.X, Screen.Y - FDragFrom.Y};
  if (!FDragMoved && std::abs(delta.X) < 2 && std::abs(delta.Y) < 2) return;
  FDragMoved = true;
  if (FDrag == TDrag::Rubber) {
    ShowRubber(FDragFrom, Screen);
    return;
  }
  ApplyDrag(delta);
}

void TDesignSurface::MouseUp(TPoint Screen) {
  const TDrag drag = FDrag;
  const bool moved = FDragMoved;
  EndDrag();
  if (!moved) return;
  if (drag == TDrag::Rubber && FRubberParent) {
    const TPoint a = FRubberParent->ScreenToClient(FDragFrom), b = FRubberParent->ScreenToClient(Screen);
    SelectInRect(FRubberParent, Normal(a, b));
    return;
  }
  Changed();
}

void TDesignSurface::EndDrag() {
  FDrag = TDrag::None;
  FRubber.clear();
  if (TWSWindows* windows = RunningWindows(); windows && windows->GetCapture()) windows->ReleaseCapture();
}

void TDesignSurface::ApplyDrag(TPoint Delta) {
  if (FDragStart.empty()) return;
  // The first component snaps; the others keep their places beside it.
  const TRect first = FDragStart.front().Bounds;
  auto snapped = [&](int32_t from, int32_t by) { return Snap(from + by) - from; };
  const int32_t dl = FDragEdges & kLeft || FDrag == TDrag::Move ? snapped(first.Left, Delta.X) : 0;
  const int32_t dt = FDragEdges & kTop || FDrag == TDrag::Move ? snapped(first.Top, Delta.Y) : 0;
  const int32_t dr = FDragEdges & kRight ? snapped(first.Right, Delta.X) : FDrag == TDrag::Move ? dl : 0;
  const int32_t db = FDragEdges & kBottom ? snapped(first.Bottom, Delta.Y) : FDrag == TDrag::Move ? dt : 0;
  for (const TStart& start : FDragStart) {
    TRect r{start.Bounds.Left + dl, start.Bounds.Top + dt, start.Bounds.Right + dr, start.Bounds.Bottom + db};
    if (r.Right < r.Left) r.Right = r.Left;
    if (r.Bottom < r.Top) r.Bottom = r.Top;
    if (!FDesigner->GetComponent(start.Component->GetName())) continue;  // freed meanwhile
    SetDesignPosition(start.Component, r);
  }
  ShowHandles();
}

// Where a component stands: a control's bounds, or the icon's place (where
// it shows, for one whose form file gave it no place yet).
TRect TDesignSurface::DesignPlace(TComponent* Component) const {
  if (auto* control = dynamic_cast<TControl*>(Component)) return control->GetBoundsRect();
  for (const auto& icon : FIcons)
    if (icon->Component() == Component) return icon->Place();
  return StoredPlace(Component);
}

TRect TDesignSurface::StoredPlace(TComponent* Component) {
  const auto info = static_cast<uint32_t>(Component->GetDesignInfo());
  const int32_t left = static_cast<int16_t>(info & 0xFFFFu), top = static_cast<int16_t>(info >> 16);
  return {left, top, left + kIconSize, top + kIconSize};
}

void TDesignSurface::SetDesignPosition(TComponent* Component, const TRect& Place) {
  if (auto* control = dynamic_cast<TControl*>(Component)) {
    control->SetBounds(Place.Left, Place.Top, Place.Width(), Place.Height());
    return;
  }
  const auto left = static_cast<uint32_t>(static_cast<uint16_t>(std::clamp(Place.Left, -32768, 32767)));
  const auto top = static_cast<uint32_t>(static_cast<uint16_t>(std::clamp(Place.Top, -32768, 32767)));
  Component->SetDesignInfo(static_cast<int32_t>(left | (top << 16)));
  for (const auto& icon : FIcons)
    if (icon->Component() == Component) icon->MoveTo(DesignPlace(Component));
}

void TDesignSurface::ShowRubber(TPoint From, TPoint To) {
  FRubber.clear();
  TWinControl* root = RootControl();
  if (!root || !root->HandleAllocated()) return;
  const TRect r = Normal(root->ScreenToClient(From), root->ScreenToClient(To));
  const HWND parent = root->GetWindowHandle();
  const TRect edges[] = {{r.Left, r.Top, r.Right, r.Top + 1},
                         {r.Left, r.Bottom - 1, r.Right, r.Bottom},
                         {r.Left, r.Top, r.Left + 1, r.Bottom},
                         {r.Right - 1, r.Top, r.Right, r.Bottom}};
  for (const TRect& e : edges)
    FRubber.push_back(std::make_unique<TMarker>(*this, TMarker::TKind::Rubber, parent, e, nullptr, 0, false));
}

bool TDesignSurface::Key(TMessage& Message) {
  if (Message.Msg != WM_KEYDOWN) return true;
  auto& key = static_cast<TWMKey&>(Message);
  const bool shift = key.ShiftState.Contains(ssShift);
  int32_t dx = 0, dy = 0;
  switch (key.CharCode) {
    case VK_LEFT: dx = -1; break;
    case VK_RIGHT: dx = 1; break;
    case VK_UP: dy = -1; break;
    case VK_DOWN: dy = 1; break;
    case VK_DELETE:
      Guarded([&] { FDesigner->DeleteSelection(); });
      return true;
    case VK_ESCAPE: {
      const auto& selection = FDesigner->Selection();
      auto* control = selection.empty() ? nullptr : dynamic_cast<TControl*>(selection.front());
      if (control && control != Root() && control->GetParent()) FDesigner->SelectComponent(control->GetParent());
      return true;
    }
    default:
      if (OnOtherKey) Guarded([&] { OnOtherKey(key); });
      return true;
  }
  Guarded([&] {
    if (shift)
      ResizeSelection(dx, dy);
    else
      MoveSelection(dx, dy);
  });
  return true;
}

// ------------------------------------------------------------ operations

TComponent* TDesignSurface::Drop(TClass Class, TComponent* Parent, TPoint At) {
  TComponent* made = FDesigner->CreateComponent(Class, Parent ? Parent : Root(), Snap(At.X), Snap(At.Y), 0, 0);
  FDesigner->SelectComponent(made);
  return made;
}

template <class F>
void TDesignSurface::OneChange(F&& Work) {
  struct TStep {
    int& Changing;
    explicit TStep(int& C) : Changing(++C) {}
    ~TStep() { --Changing; }
  };
  {
    TStep step(FChanging);
    Work();
  }
  Changed();
}

void TDesignSurface::MoveSelection(int32_t DX, int32_t DY) {
  OneChange([&] {
    for (TPersistent* p : std::vector<TPersistent*>(FDesigner->Selection()))
      if (auto* c = dynamic_cast<TComponent*>(p); c && c != Root()) {
        const TRect r = DesignPlace(c);
        SetDesignPosition(c, {r.Left + DX, r.Top + DY, r.Right + DX, r.Bottom + DY});
      }
  });
}

void TDesignSurface::ResizeSelection(int32_t DWidth, int32_t DHeight) {
  OneChange([&] {
    for (TPersistent* p : std::vector<TPersistent*>(FDesigner->Selection()))
      if (auto* c = dynamic_cast<TControl*>(p); c && c != Root())
        c->SetBounds(c->GetLeft(), c->GetTop(), std::max(0, c->GetWidth() + DWidth),
                     std::max(0, c->GetHeight() + DHeight));
  });
}

void TDesignSurface::SelectInRect(TWinControl* Parent, const TRect& Rect) {
  TOwned<TDesignerSelectionList> list = CreateSelectionList();
  if (Parent) {
    for (int i = 0; i < Parent->GetControlCount(); ++i) {
      TControl* c = Parent->GetControls(i);
      if (c->GetOwner() == Root() && Touches(c->GetBoundsRect(), Rect)) list->Add(MakeIPersistent(c).get());
    }
    if (Parent == Root())
      for (const auto& icon : FIcons)
        if (Touches(DesignPlace(icon->Component()), Rect)) list->Add(MakeIPersistent(icon->Component()).get());
  }
  if (list->GetCount() == 0) {
    FDesigner->SelectComponent(Root());
    return;
  }
  FDesigner->SetSelections(list.get());
}

std::vector<std::string> TDesignSurface::Verbs(TComponent* Component) {
  std::vector<std::string> verbs;
  TOwned<TComponentEditor> editor = GetComponentEditor(Component, FDesigner);
  for (int i = 0; i < editor->GetVerbCount(); ++i) verbs.push_back(editor->GetVerb(i));
  return verbs;
}

void TDesignSurface::RunVerb(TComponent* Component, int Index) {
  GetComponentEditor(Component, FDesigner)->ExecuteVerb(Index);
}

void TDesignSurface::EditComponent(TComponent* Component) { GetComponentEditor(Component, FDesigner)->Edit(); }

// ------------------------------------------------------------------ undo

std::string TDesignSurface::Snapshot() const {
  TComponent* root = Root();
  if (!root) return {};
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  binary->WriteComponent(root);
  return std::string(static_cast<const char*>(binary->GetMemory()), static_cast<std::size_t>(binary->GetSize()));
}

void TDesignSurface::Restore(const std::string& Text) {
  TOwned<TMemoryStream> stream = MakeOwned<TMemoryStream>();
  stream->Write(Text.data(), static_cast<int32_t>(Text.size()));
  stream->SetPosition(0);
  EndDrag();
  ClearMarkers();
  FRestoring = true;
  try {
    FDesigner->ReplaceRoot(stream.get());
  } catch (...) {
    FRestoring = false;
    throw;
  }
  FRestoring = false;
  FCurrent = Text;
  ShowMarkers();
}

void TDesignSurface::Undo() {
  if (FUndo.empty()) return;
  std::string now = FCurrent;
  Restore(FUndo.back());
  FUndo.pop_back();
  FRedo.push_back(std::move(now));
}

void TDesignSurface::Redo() {
  if (FRedo.empty()) return;
  std::string now = FCurrent;
  Restore(FRedo.back());
  FRedo.pop_back();
  FUndo.push_back(std::move(now));
}

void TDesignSurface::Changed() {
  if (FChanging == 0) FDesigner->Modified();
}

// --------------------------------------------------------- designer news

void TDesignSurface::DesignerModified() {
  if (FRestoring || FChanging > 0) return;
  std::string now = Snapshot();
  if (now != FCurrent) {
    FUndo.push_back(std::exchange(FCurrent, std::move(now)));
    FRedo.clear();
  }
  ShowMarkers();
}

void TDesignSurface::SelectionChanged() {
  if (!FRestoring) ShowHandles();
}

void TDesignSurface::DesignerDestroying() {
  ClearMarkers();
  FDesigner = nullptr;
}

// --------------------------------------------------------------- markers

void TDesignSurface::Refresh() { ShowMarkers(); }

void TDesignSurface::ClearMarkers() {
  FHandles.clear();
  FIcons.clear();
  FRubber.clear();
}

void TDesignSurface::ShowMarkers() {
  ShowIcons();
  ShowHandles();
}

HWND TDesignSurface::WindowOf(TWinControl* Control) const {
  return Control && Control->HandleAllocated() ? Control->GetWindowHandle() : 0;
}

void TDesignSurface::ShowIcons() {
  FIcons.clear();
  TWinControl* root = RootControl();
  const HWND window = WindowOf(root);
  if (!window) return;
  // Icons without a place of their own line up along the form's bottom.
  int32_t unplaced = 0;
  for (int i = 0; i < root->GetComponentCount(); ++i) {
    TComponent* c = root->GetComponents(i);
    if (dynamic_cast<TControl*>(c) || c->HasParent()) continue;
    TRect place = StoredPlace(c);
    if (c->GetDesignInfo() == 0) {
      const int32_t left = 8 + unplaced++ * (kIconSize + 8), top = std::max(0, root->GetClientHeight() - kIconSize - 8);
      place = {left, top, left + kIconSize, top + kIconSize};
    }
    FIcons.push_back(std::make_unique<TMarker>(*this, TMarker::TKind::Icon, window, place, c, 0, true));
  }
}

void TDesignSurface::ShowHandles() {
  FHandles.clear();
  if (!FDesigner) return;
  const std::vector<TPersistent*>& selection = FDesigner->Selection();
  const bool single = selection.size() == 1;
  for (TPersistent* p : selection) {
    TComponent* c = dynamic_cast<TComponent*>(p);
    if (!c || c == Root()) continue;
    auto* control = dynamic_cast<TControl*>(c);
    const HWND parent = control ? WindowOf(control->GetParent()) : WindowOf(RootControl());
    if (!parent) continue;
    const TRect r = DesignPlace(c);
    const int32_t h = kHandleSize, cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    struct TSpot {
      int32_t X, Y;
      TEdges Edges;
    };
    const TSpot spots[] = {{r.Left, r.Top, kLeft | kTop},         {cx, r.Top, kTop},
                           {r.Right, r.Top, kRight | kTop},       {r.Right, cy, kRight},
                           {r.Right, r.Bottom, kRight | kBottom}, {cx, r.Bottom, kBottom},
                           {r.Left, r.Bottom, kLeft | kBottom},   {r.Left, cy, kLeft}};
    // One control: eight handles that resize it; several (or an icon):
    // the corners only, grey.
    const bool resizable = single && control;
    for (const TSpot& s : spots) {
      if (!resizable && (s.Edges == kTop || s.Edges == kBottom || s.Edges == kLeft || s.Edges == kRight)) continue;
      const TRect box{s.X - h / 2, s.Y - h / 2, s.X - h / 2 + h, s.Y - h / 2 + h};
      FHandles.push_back(
          std::make_unique<TMarker>(*this, TMarker::TKind::Handle, parent, box, c, s.Edges, resizable));
    }
  }
}

TRect TDesignSurface::IconRect(TComponent* Component) const {
  for (const auto& icon : FIcons)
    if (icon->Component() == Component) return icon->ScreenRect();
  return {};
}

void TDesignSurface::PaintGrid() {
  auto* form = dynamic_cast<TCustomForm*>(Root());
  if (!form || !FShowGrid || FGridSize < 4) return;
  TCanvas* canvas = form->GetCanvas();
  const TColor dot = clBtnShadow;
  for (int32_t y = 0; y < form->GetClientHeight(); y += FGridSize)
    for (int32_t x = 0; x < form->GetClientWidth(); x += FGridSize) canvas->SetPixels(x, y, dot);
}

}  // namespace host
