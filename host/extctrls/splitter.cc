// TSplitter: finding the neighbour, the user's drag through OnCanResize,
// applying the size, looks.
#include "host/extctrls/splitter.h"

#include <algorithm>

#include "host/graphics/graphicsobj.h"

namespace host {

HOST_IMPL(TSplitter, TGraphicControl)

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle = {csCaptureMouse};
  FAlign = alLeft;
  FAnchors = AnchorAlign[FAlign];
  FCursor = crHSplit;
  SetBounds(0, 0, 3, 100);
}

void TSplitter::SetBeveled(bool Value) {
  if (FBeveled == Value) return;
  FBeveled = Value;
  Invalidate();
}

void TSplitter::SetMinSize(int32_t Value) {
  if (Value < 1 || Value > MaxControlSize)
    throw EInvalidOperation("MinSize of '%s' must be within 1..%d, not %d",
                            {ControlDisplayName(this), MaxControlSize, Value});
  FMinSize = Value;
}

void TSplitter::RequestAlign() {
  inherited::RequestAlign();
  if (FCursor == crHSplit || FCursor == crVSplit) FCursor = Horizontal() ? crHSplit : crVSplit;
}

int32_t TSplitter::SizeOf(const TControl* Control) const {
  return Horizontal() ? Control->GetWidth() : Control->GetHeight();
}

// The control just before the splitter on its side, visible and enabled.
TControl* TSplitter::FindNeighbour() const {
  if (!FParent || FAlign < alTop || FAlign > alRight) return nullptr;
  TPoint p{FLeft, FTop};
  switch (FAlign) {
    case alLeft:
      --p.X;
      break;
    case alRight:
      p.X += FWidth;
      break;
    case alTop:
      --p.Y;
      break;
    default:
      p.Y += FHeight;
      break;
  }
  for (int32_t i = 0; i < FParent->GetControlCount(); ++i) {
    TControl* c = FParent->GetControls(i);
    if (c == this || !c->GetVisible() || !c->GetEnabled() || c->GetAlign() != FAlign) continue;
    const TRect r = c->GetBoundsRect();
    if (p.X >= r.Left && p.X < std::max(r.Right, r.Left + 1) && p.Y >= r.Top && p.Y < std::max(r.Bottom, r.Top + 1))
      return c;
  }
  return nullptr;
}

// The parent's extent less MinSize and what the other controls aligned
// along the same axis take (the splitter included), plus the neighbour's own.
int32_t TSplitter::MaxSize() const {
  const TRect client = FParent->GetClientRect();
  int64_t size = int64_t{Horizontal() ? client.Width() : client.Height()} - FMinSize;
  for (int32_t i = 0; i < FParent->GetControlCount(); ++i) {
    TControl* c = FParent->GetControls(i);
    const TAlign a = c->GetAlign();
    const bool sameAxis = Horizontal() ? (a == alLeft || a == alRight) : (a == alTop || a == alBottom);
    if (c->GetVisible() && sameAxis) size -= SizeOf(c);
  }
  return static_cast<int32_t>(std::clamp<int64_t>(size + SizeOf(FControl), 0, MaxControlSize));
}

bool TSplitter::DoCanResize(int32_t& NewSize) {
  bool accept = true;
  if (OnCanResize) OnCanResize(this, NewSize, accept);
  return accept;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FControl = FindNeighbour();
  if (!FControl) return;
  FControlAlive = FControl->AliveFlag();
  FDownPos = {X, Y};
  FOldSize = FNewSize = SizeOf(FControl);
  FMaxSize = std::max(FMinSize, MaxSize());
}

void TSplitter::MouseMove(TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseMove(Shift, X, Y);
  if (!Resizing() || !Shift.Contains(ssLeft)) return;
  int32_t moved = Horizontal() ? X - FDownPos.X : Y - FDownPos.Y;
  if (FAlign == alRight || FAlign == alBottom) moved = -moved;
  int32_t size = std::clamp(FOldSize + moved, FMinSize, FMaxSize);
  if (!DoCanResize(size) || !Resizing()) return;  // refused, or the neighbour freed by the handler
  FNewSize = std::max(0, size);
  if (FResizeStyle == rsUpdate) {
    ApplySize();
  } else if (FResizeStyle != rsNone) {
    const int32_t start = Horizontal() ? FControl->GetLeft() : FControl->GetTop();
    const int32_t end =
        Horizontal() ? FControl->GetLeft() + FControl->GetWidth() : FControl->GetTop() + FControl->GetHeight();
    FLinePos = (FAlign == alLeft || FAlign == alTop) ? start + FNewSize : end - FNewSize;
    if (FParent) FParent->Invalidate();
  }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  inherited::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (Resizing()) EndDrag();
  FControl = nullptr;
}

void TSplitter::EndDrag() {
  FLinePos = -1;
  ApplySize();
}

// Gives the neighbour the size taken (its far edge stays where it is) and
// tells OnMoved.
void TSplitter::ApplySize() {
  if (FNewSize == FOldSize || !Resizing()) return;
  const TRect r = FControl->GetBoundsRect();
  switch (FAlign) {
    case alLeft:
      FControl->SetWidth(FNewSize);
      break;
    case alTop:
      FControl->SetHeight(FNewSize);
      break;
    case alRight:
      FControl->SetBounds(r.Right - FNewSize, r.Top, FNewSize, r.Height());
      break;
    default:
      FControl->SetBounds(r.Left, r.Bottom - FNewSize, r.Width(), FNewSize);
      break;
  }
  FOldSize = FNewSize;
  if (OnMoved) OnMoved(this);
}

void TSplitter::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect r{0, 0, FWidth, FHeight};
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(r);
  if (FBeveled) {
    canvas->GetPen()->SetColor(clBtnHighlight);
    canvas->MoveTo(0, FHeight - 1);
    canvas->LineTo(0, 0);
    canvas->LineTo(FWidth - 1, 0);
    canvas->GetPen()->SetColor(clBtnShadow);
    canvas->LineTo(FWidth - 1, FHeight - 1);
    canvas->LineTo(0, FHeight - 1);
  }
  if (OnPaint) OnPaint(this);
}

}  // namespace host
