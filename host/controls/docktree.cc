// The dock tree: the zones of a dock site. A zone holds one docked control
// (a leaf) or a row (doHorizontal) or column (doVertical) of zones. A row
// or column never holds a zone of its own orientation (it takes the
// zone's children in its place) and never keeps a single child (it takes
// the child's content), so every arrangement has one tree.
//
// Layout: the children of a row or column share its length equally, with
// SplitterWidth pixels between neighbours (the last child takes what the
// division leaves over). Sizes are not kept between layouts: inserting or
// removing a control lays the whole site out again.
#include <algorithm>

#include "host/controls/dragdock.h"
#include "host/graphics/graphicsobj.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TDockZone, TObject)
HOST_IMPL(TDockTree, TInterfacedObject)

namespace {

bool IsRowSide(TAlign Align) { return Align == alLeft || Align == alRight; }
bool IsColumnSide(TAlign Align) { return Align == alTop || Align == alBottom; }

// The part of Area from Begin, Size long, along Orientation (a row
// divides the width, anything else the height).
TRect Slice(const TRect& Area, TDockOrientation Orientation, int32_t Begin, int32_t Size) {
  if (Orientation == doHorizontal) return Rect(Begin, Area.Top, ClampToInt32(int64_t{Begin} + Size), Area.Bottom);
  return Rect(Area.Left, Begin, Area.Right, ClampToInt32(int64_t{Begin} + Size));
}

}  // namespace

// ---------------------------------------------------------------- TDockZone

void TDockZone::Destroy() {
  for (TDockZone* child : FChildren) child->Free();
  FChildren.clear();
  inherited::Destroy();
}

int32_t TDockZone::GetLimitBegin() const {
  const TDockOrientation along = FParentZone ? FParentZone->FOrientation : FOrientation;
  return along == doVertical ? FBounds.Top : FBounds.Left;
}

int32_t TDockZone::GetLimitSize() const {
  const TDockOrientation along = FParentZone ? FParentZone->FOrientation : FOrientation;
  return along == doVertical ? FBounds.Height() : FBounds.Width();
}

void TDockZone::ResetChildren() {
  if (FChildren.empty()) return;
  const bool row = FOrientation == doHorizontal;
  const int64_t begin = row ? FBounds.Left : FBounds.Top;
  const int64_t length = row ? FBounds.Width() : FBounds.Height();
  const auto count = static_cast<int64_t>(FChildren.size());
  const int64_t share = std::max<int64_t>(0, length - TDockTree::SplitterWidth * (count - 1)) / count;
  int64_t at = begin;
  for (std::size_t i = 0; i < FChildren.size(); ++i) {
    const bool last = i + 1 == FChildren.size();
    const int64_t from = std::min(at, begin + length);  // a site too small for the gaps ends them at its edge
    const int64_t size = last ? begin + length - from : share;
    FChildren[i]->FBounds = Slice(FBounds, FOrientation, ClampToInt32(from), ClampToInt32(size));
    FChildren[i]->ResetChildren();
    at += size + TDockTree::SplitterWidth;
  }
}

void TDockZone::Update() {
  if (FChildControl) {
    if (FChildControl->GetBoundsRect() != FBounds) FChildControl->SetBoundsRect(FBounds);
    return;
  }
  for (TDockZone* child : std::vector<TDockZone*>(FChildren)) child->Update();
}

std::size_t TDockZone::IndexOf(const TDockZone* Child) const {
  return static_cast<std::size_t>(std::find(FChildren.begin(), FChildren.end(), Child) - FChildren.begin());
}

void TDockZone::InsertChild(std::size_t Index, TDockZone* Child) {
  Child->FParentZone = this;
  if (Child->FChildControl || Child->FOrientation != FOrientation) {
    FChildren.insert(FChildren.begin() + static_cast<std::ptrdiff_t>(Index), Child);
    return;
  }
  // A zone of this zone's own orientation gives its children instead.
  std::vector<TDockZone*> grandChildren;
  grandChildren.swap(Child->FChildren);
  Child->Free();
  for (TDockZone* g : grandChildren) g->FParentZone = this;
  FChildren.insert(FChildren.begin() + static_cast<std::ptrdiff_t>(Index), grandChildren.begin(), grandChildren.end());
}

void TDockZone::Absorb(TDockZone* Child) {
  std::erase(FChildren, Child);
  FChildControl = Child->FChildControl;
  FOrientation = Child->FOrientation;
  FChildren.swap(Child->FChildren);
  for (TDockZone* c : FChildren) c->FParentZone = this;
  Child->Free();
}

TDockZone* TDockZone::PushDown() {
  TDockZone* inner = New<TDockZone>(FTree);
  inner->FChildControl = FChildControl;
  inner->FOrientation = FOrientation;
  inner->FChildren.swap(FChildren);
  for (TDockZone* c : inner->FChildren) c->FParentZone = inner;
  FChildControl = nullptr;
  return inner;
}

// A frame in each gap between neighbouring zones.
void TDockZone::PaintGaps(TCanvas* Canvas) const {
  for (std::size_t i = 0; i + 1 < FChildren.size(); ++i) {
    const TRect& a = FChildren[i]->FBounds;
    const int32_t begin = FOrientation == doHorizontal ? a.Right : a.Bottom;
    const TRect gap = Slice(FBounds, FOrientation, begin, TDockTree::SplitterWidth);
    if (gap.Width() > 0 && gap.Height() > 0) Canvas->FrameRect(gap);
  }
  for (const TDockZone* child : FChildren) child->PaintGaps(Canvas);
}

// ---------------------------------------------------------------- TDockTree

TDockTree::TDockTree(TWinControl* DockSite) : FDockSite(DockSite), FTopZone(nullptr) {
  if (!DockSite) throw EInvalidOperation("A dock tree needs a dock site");
  // The dock site's reference: the tree goes when its site frees it, not
  // when interface references taken on it are released.
  _AddRef();
  FTopZone = NewZone(nullptr, nullptr);
}

void TDockTree::Destroy() {
  if (FTopZone) FTopZone->Free();
  FTopZone = nullptr;
  inherited::Destroy();
}

TDockZone* TDockTree::NewZone(TDockZone* Parent, TControl* Control) {
  TDockZone* zone = New<TDockZone>(this);
  zone->FParentZone = Parent;
  zone->FChildControl = Control;
  return zone;
}

TDockZone* TDockTree::FindControlZone(TControl* Control) const {
  if (!Control) return nullptr;
  std::vector<TDockZone*> pending{FTopZone};
  while (!pending.empty()) {
    TDockZone* zone = pending.back();
    pending.pop_back();
    if (zone->FChildControl == Control) return zone;
    pending.insert(pending.end(), zone->FChildren.begin(), zone->FChildren.end());
  }
  return nullptr;
}

TDockZone* TDockTree::DropZone(TControl* DropCtl) const {
  TDockZone* zone = FindControlZone(DropCtl);
  return zone ? zone : FTopZone;
}

void TDockTree::CheckInsert(TControl* Control, TControl* DropCtl) const {
  if (!Control) throw EInvalidOperation("Cannot dock a null control in '%s'", {ControlDisplayName(FDockSite)});
  if (Control == DropCtl)
    throw EInvalidOperation("Control '%s' cannot be docked next to itself", {ControlDisplayName(Control)});
  if (auto* win = dynamic_cast<TWinControl*>(Control); win && win->ContainsControl(FDockSite))
    throw EInvalidOperation("Control '%s' cannot be docked in '%s', which it contains",
                            {ControlDisplayName(Control), ControlDisplayName(FDockSite)});
}

void TDockTree::InsertControl(TControl* Control, TAlign InsertAt, TControl* DropCtl) {
  CheckInsert(Control, DropCtl);
  if (TDockZone* old = FindControlZone(Control)) RemoveZone(old);
  InsertZone(NewZone(nullptr, Control), InsertAt, DropZone(DropCtl));
  ResetBounds(true);
}

// The leaf goes before (alLeft, alTop) or after Target along the
// orientation InsertAt names; alNone, alClient and alCustom follow Target
// along its row or column (a row when there is none). Target's row or
// column takes the leaf when its orientation fits; otherwise Target splits:
// its content moves into a new zone beside the leaf. Returns the zone that
// holds the leaf's control (an empty Target takes it in the leaf's place).
TDockZone* TDockTree::InsertZone(TDockZone* Leaf, TAlign InsertAt, TDockZone* Target) {
  if (Target->IsEmpty()) {
    Target->FChildControl = Leaf->FChildControl;
    Leaf->Free();
    return Target;
  }
  TDockZone* parent = Target->FParentZone;
  TDockOrientation orientation = IsRowSide(InsertAt) ? doHorizontal : IsColumnSide(InsertAt) ? doVertical : doNoOrient;
  if (orientation == doNoOrient) orientation = parent ? parent->FOrientation : Target->FOrientation;
  if (orientation == doNoOrient) orientation = doHorizontal;
  const bool before = InsertAt == alLeft || InsertAt == alTop;
  if (parent && parent->FOrientation == orientation) {
    parent->InsertChild(parent->IndexOf(Target) + (before ? 0 : 1), Leaf);
    return Leaf;
  }
  if (Target->FChildControl || Target->FOrientation != orientation) {
    TDockZone* inner = Target->PushDown();
    Target->FOrientation = orientation;
    Target->InsertChild(0, inner);
  }
  Target->InsertChild(before ? 0 : Target->FChildren.size(), Leaf);
  return Leaf;
}

void TDockTree::RemoveControl(TControl* Control) {
  TDockZone* zone = FindControlZone(Control);
  if (!zone) return;
  RemoveZone(zone);
  ResetBounds(true);
}

// Takes the zone out; a row or column left with one child takes that
// child's content, and then hands its children to a parent of the same
// orientation.
void TDockTree::RemoveZone(TDockZone* Zone) {
  TDockZone* parent = Zone->FParentZone;
  if (!parent) {
    Zone->FChildControl = nullptr;
    return;
  }
  std::erase(parent->FChildren, Zone);
  Zone->Free();
  if (parent->FChildren.size() != 1) return;
  parent->Absorb(parent->FChildren.front());
  TDockZone* grand = parent->FParentZone;
  if (!grand || parent->FChildControl || parent->FOrientation != grand->FOrientation) return;
  const std::size_t at = grand->IndexOf(parent);
  grand->FChildren.erase(grand->FChildren.begin() + static_cast<std::ptrdiff_t>(at));
  grand->InsertChild(at, parent);
}

void TDockTree::LayoutZones() {
  FSiteRect = FDockSite->GetClientRect();
  FTopZone->FBounds = FSiteRect;
  FTopZone->ResetChildren();
  FLaidOut = true;
}

void TDockTree::ResetBounds(bool Force) {
  // A site being destroyed undocks its controls one by one: nothing to lay out.
  if (FDockSite->GetComponentState().Contains(csDestroying)) return;
  if (!Force && FLaidOut && FDockSite->GetClientRect() == FSiteRect) return;
  LayoutZones();
  FTopZone->Update();
}

// Lays the zones out with a stand-in zone for Client inserted as it would
// be, reads the stand-in's area and takes it out again.
void TDockTree::PositionDockRect(TControl* Client, TControl* DropCtl, TAlign DropAlign, TRect& DockRect) {
  TDockZone* probe = InsertZone(NewZone(nullptr, Client), DropAlign, DropZone(DropCtl == Client ? nullptr : DropCtl));
  LayoutZones();
  const TRect area = probe->FBounds;
  RemoveZone(probe);
  LayoutZones();
  const TPoint topLeft = FDockSite->ClientToScreen(TPoint{area.Left, area.Top});
  DockRect = Bounds(topLeft.X, topLeft.Y, area.Width(), area.Height());
}

void TDockTree::PaintSite(HDC DC) {
  if (!DC) return;
  TOwned<TCanvas> canvas = MakeOwned<TCanvas>();
  canvas->SetHandle(DC);
  canvas->GetBrush()->SetColor(clBtnShadow);
  FTopZone->PaintGaps(canvas.get());
  canvas->SetHandle(0);
}

}  // namespace host
