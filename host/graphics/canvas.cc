#include "host/graphics/canvas.h"

#include "host/graphics/bitmap.h"
#include "host/graphics/graphic.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TCanvas, TPersistent)

namespace {

// What the device context must have selected for a command.
TCanvasState NeedsOf(TCanvasOp Op) {
  switch (Op) {
    case TCanvasOp::Pixel:
    case TCanvasOp::Icon:
      return {csHandleValid};
    case TCanvasOp::FillRect:
    case TCanvasOp::FrameRect:
    case TCanvasOp::FocusRect:
    case TCanvasOp::FloodFill:
    case TCanvasOp::Blit:
      return {csHandleValid, csBrushValid};
    case TCanvasOp::TextOut:
    case TCanvasOp::TextRect:
      return {csHandleValid, csFontValid, csBrushValid};
    default:
      return {csHandleValid, csPenValid, csBrushValid};
  }
}

}  // namespace

TCanvas::TCanvas() : FFont(New<TFont>()), FPen(New<TPen>()), FBrush(New<TBrush>()) {
  FFont->OnChange = TNotifyEvent(this, &TCanvas::FontChanged);
  FPen->OnChange = TNotifyEvent(this, &TCanvas::PenChanged);
  FBrush->OnChange = TNotifyEvent(this, &TCanvas::BrushChanged);
  for (TGraphicsObject* obj : std::initializer_list<TGraphicsObject*>{FFont, FPen, FBrush}) obj->AttachToCanvas(&FLock);
}

void TCanvas::Destroy() {
  SetHandle(0);
  FreeAndNil(FFont);
  FreeAndNil(FPen);
  FreeAndNil(FBrush);
  inherited::Destroy();
}

// ------------------------------------------------------------------- state

HDC TCanvas::GetHandle() {
  Changing();
  RequiredState(csAllValid);
  return FHandle;
}

HDC TCanvas::ValidHandle() {
  RequiredState({csHandleValid});
  return FHandle;
}

void TCanvas::SetHandle(HDC Value) {
  if (FHandle == Value) return;
  if (FHandle != 0) {
    DeselectHandles();
    FHandle = 0;
    FState.Exclude(csHandleValid);
  }
  if (Value != 0) {
    FHandle = Value;
    FState.Include(csHandleValid);
    WidgetSet().MoveToEx(FHandle, FPenPos.X, FPenPos.Y, nullptr);
  }
}

void TCanvas::RequiredState(TCanvasState ReqState) {
  const TCanvasState needed = ReqState - FState;
  if (needed.Empty()) return;
  if (needed.Contains(csHandleValid)) {
    CreateHandle();
    if (FHandle == 0) throw EInvalidOperation(SNoCanvasHandle);
  }
  if (needed.Contains(csFontValid)) SelectFont();
  if (needed.Contains(csPenValid)) SelectPen();
  if (needed.Contains(csBrushValid)) SelectBrush();
}

void TCanvas::SelectFont() {
  TWidgetSet& ws = WidgetSet();
  ws.SelectObject(FHandle, FFont->GetHandle());
  ws.SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->GetColor())));
  FState.Include(csFontValid);
}

void TCanvas::SelectPen() {
  TWidgetSet& ws = WidgetSet();
  ws.SelectObject(FHandle, FPen->GetHandle());
  ws.SetROP2(FHandle, PenModeToRop2(FPen->GetMode()));
  FState.Include(csPenValid);
}

void TCanvas::SelectBrush() {
  TWidgetSet& ws = WidgetSet();
  ws.SelectObject(FHandle, FBrush->GetHandle());
  const COLORREF color = static_cast<COLORREF>(ColorToRGB(FBrush->GetColor()));
  // Hatches show their gaps only on a solid-looking background, so any
  // brush but a solid one draws transparently (classic).
  const bool solid = FBrush->GetStyle() == bsSolid;
  ws.SetBkColor(FHandle, solid ? color : ~color & 0x00FFFFFFu);
  ws.SetBkMode(FHandle, solid ? OPAQUE : TRANSPARENT);
  FState.Include(csBrushValid);
}

void TCanvas::DeselectHandles() {
  if (FHandle == 0 || (FState * TCanvasState{csPenValid, csBrushValid, csFontValid}).Empty()) return;
  if (WidgetSetRunning()) {
    TWidgetSet& ws = WidgetSet();
    ws.SelectObject(FHandle, ws.GetStockObject(BLACK_PEN));
    ws.SelectObject(FHandle, ws.GetStockObject(WHITE_BRUSH));
    ws.SelectObject(FHandle, ws.GetStockObject(SYSTEM_FONT));
  }
  FState = FState - TCanvasState{csPenValid, csBrushValid, csFontValid};
}

// An object that changes leaves the device context at once, so that its old
// handle can be deleted; the next drawing call selects the new one.
void TCanvas::FontChanged(TObject*) {
  if (!FState.Contains(csFontValid)) return;
  FState.Exclude(csFontValid);
  WidgetSet().SelectObject(FHandle, WidgetSet().GetStockObject(SYSTEM_FONT));
}

void TCanvas::PenChanged(TObject*) {
  if (!FState.Contains(csPenValid)) return;
  FState.Exclude(csPenValid);
  WidgetSet().SelectObject(FHandle, WidgetSet().GetStockObject(BLACK_PEN));
}

void TCanvas::BrushChanged(TObject*) {
  if (!FState.Contains(csBrushValid)) return;
  FState.Exclude(csBrushValid);
  WidgetSet().SelectObject(FHandle, WidgetSet().GetStockObject(WHITE_BRUSH));
}

void TCanvas::Refresh() { DeselectHandles(); }

TRect TCanvas::GetClipRect() {
  RequiredState({csHandleValid});
  TRect r;
  WidgetSet().GetClipBox(FHandle, r);
  return r;
}

TCanvasOrientation TCanvas::GetCanvasOrientation() const {
  return (FTextFlags & ETO_RTLREADING) ? coRightToLeft : coLeftToRight;
}

void TCanvas::Changing() {
  if (OnChanging) OnChanging(this);
}

void TCanvas::Changed() {
  if (OnChange) OnChange(this);
}

// ----------------------------------------------------------------- locking

void TCanvas::Lock() {
  FLock.lock();
  ++FLockCount;
}

bool TCanvas::TryLock() {
  if (!FLock.try_lock()) return false;
  ++FLockCount;
  return true;
}

void TCanvas::Unlock() {
  if (FLockCount == 0) throw EInvalidGraphicOperation("Canvas is not locked");
  --FLockCount;
  FLock.unlock();
}

// --------------------------------------------------------------- commands

void TCanvas::DrawCommand(const TCanvasCommand& Command) {
  RequiredState(NeedsOf(Command.Op));
  Perform(Command);
}

void TCanvas::Execute(const TCanvasCommand& Command) {
  Changing();
  DrawCommand(Command);
  Changed();
}

void TCanvas::Perform(const TCanvasCommand& C) {
  TWidgetSet& ws = WidgetSet();
  const HDC dc = FHandle;
  switch (C.Op) {
    case TCanvasOp::Pixel:
      ws.SetPixel(dc, C.P1.X, C.P1.Y, static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(C.Color))));
      break;
    case TCanvasOp::Line:
      ws.MoveToEx(dc, C.P1.X, C.P1.Y, nullptr);
      ws.LineTo(dc, C.P2.X, C.P2.Y);
      break;
    case TCanvasOp::Polyline:
      ws.Polyline(dc, C.Points);
      break;
    case TCanvasOp::Polygon:
      ws.Polygon(dc, C.Points);
      break;
    case TCanvasOp::Rectangle:
      ws.Rectangle(dc, C.Box);
      break;
    case TCanvasOp::RoundRect:
      ws.RoundRect(dc, C.Box, C.P1.X, C.P1.Y);
      break;
    case TCanvasOp::Ellipse:
      ws.Ellipse(dc, C.Box);
      break;
    case TCanvasOp::Arc:
      ws.Arc(dc, C.Box, C.P1, C.P2);
      break;
    case TCanvasOp::Chord:
      ws.Chord(dc, C.Box, C.P1, C.P2);
      break;
    case TCanvasOp::Pie:
      ws.Pie(dc, C.Box, C.P1, C.P2);
      break;
    case TCanvasOp::FillRect:
      ws.FillRect(dc, C.Box, FBrush->GetHandle());
      break;
    case TCanvasOp::FrameRect:
      ws.FrameRect(dc, C.Box, FBrush->GetHandle());
      break;
    case TCanvasOp::FocusRect:
      ws.DrawFocusRect(dc, C.Box);
      break;
    case TCanvasOp::FloodFill:
      ws.ExtFloodFill(dc, C.P1.X, C.P1.Y, static_cast<COLORREF>(ColorToRGB(static_cast<TColor>(C.Color))),
                      C.Flags == fsSurface ? FLOODFILLSURFACE : FLOODFILLBORDER);
      break;
    case TCanvasOp::TextOut:
      ws.ExtTextOut(dc, C.P1.X, C.P1.Y, C.Flags, nullptr, C.Text);
      break;
    case TCanvasOp::TextRect:
      ws.ExtTextOut(dc, C.P1.X, C.P1.Y, C.Flags, &C.Box, C.Text);
      break;
    case TCanvasOp::Blit:
      if (C.Mask)
        ws.StretchMaskBlt(dc, C.Box.Left, C.Box.Top, C.Box.Width(), C.Box.Height(), C.Source, C.SourceRect.Left,
                          C.SourceRect.Top, C.SourceRect.Width(), C.SourceRect.Height(), C.Mask, C.Flags);
      else
        ws.StretchBlt(dc, C.Box.Left, C.Box.Top, C.Box.Width(), C.Box.Height(), C.Source, C.SourceRect.Left,
                      C.SourceRect.Top, C.SourceRect.Width(), C.SourceRect.Height(), C.Flags);
      break;
    case TCanvasOp::Icon:
      ws.DrawIconEx(dc, C.Box.Left, C.Box.Top, C.Handle, C.Box.Width(), C.Box.Height());
      break;
  }
}

// ----------------------------------------------------------------- drawing

TColor TCanvas::GetPixels(int32_t X, int32_t Y) {
  RequiredState({csHandleValid});
  return static_cast<TColor>(WidgetSet().GetPixel(FHandle, X, Y));
}

void TCanvas::SetPixels(int32_t X, int32_t Y, TColor Value) {
  TCanvasCommand c{TCanvasOp::Pixel};
  c.P1 = {X, Y};
  c.Color = Value;
  Execute(c);
}

void TCanvas::MoveTo(int32_t X, int32_t Y) {
  FPenPos = {X, Y};
  if (FHandle != 0) WidgetSet().MoveToEx(FHandle, X, Y, nullptr);
}

void TCanvas::LineTo(int32_t X, int32_t Y) {
  TCanvasCommand c{TCanvasOp::Line};
  c.P1 = FPenPos;
  c.P2 = {X, Y};
  Execute(c);
  FPenPos = {X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  TCanvasCommand c{TCanvasOp::Polyline};
  c.Points.assign(Points.begin(), Points.end());
  Execute(c);
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  TCanvasCommand c{TCanvasOp::Polygon};
  c.Points.assign(Points.begin(), Points.end());
  Execute(c);
}

void TCanvas::Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  TCanvasCommand c{TCanvasOp::Rectangle};
  c.Box = {X1, Y1, X2, Y2};
  Execute(c);
}

void TCanvas::RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3) {
  TCanvasCommand c{TCanvasOp::RoundRect};
  c.Box = {X1, Y1, X2, Y2};
  c.P1 = {X3, Y3};
  Execute(c);
}

void TCanvas::Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  TCanvasCommand c{TCanvasOp::Ellipse};
  c.Box = {X1, Y1, X2, Y2};
  Execute(c);
}

void TCanvas::ArcCommand(TCanvasOp Op, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3,
                         int32_t X4, int32_t Y4) {
  TCanvasCommand c{Op};
  c.Box = {X1, Y1, X2, Y2};
  c.P1 = {X3, Y3};
  c.P2 = {X4, Y4};
  Execute(c);
}

void TCanvas::Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4) {
  ArcCommand(TCanvasOp::Arc, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4) {
  ArcCommand(TCanvasOp::Chord, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4) {
  ArcCommand(TCanvasOp::Pie, X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TCanvas::FillRect(const TRect& Rect) {
  TCanvasCommand c{TCanvasOp::FillRect};
  c.Box = Rect;
  Execute(c);
}

void TCanvas::FrameRect(const TRect& Rect) {
  TCanvasCommand c{TCanvasOp::FrameRect};
  c.Box = Rect;
  Execute(c);
}

void TCanvas::DrawFocusRect(const TRect& Rect) {
  TCanvasCommand c{TCanvasOp::FocusRect};
  c.Box = Rect;
  Execute(c);
}

void TCanvas::FloodFill(int32_t X, int32_t Y, TColor Color, TFillStyle FillStyle) {
  TCanvasCommand c{TCanvasOp::FloodFill};
  c.P1 = {X, Y};
  c.Color = Color;
  c.Flags = FillStyle;
  Execute(c);
}

void TCanvas::TextOut(int32_t X, int32_t Y, const std::string& Text) {
  TCanvasCommand c{TCanvasOp::TextOut};
  c.P1 = {X, Y};
  c.Text = Text;
  c.Flags = FTextFlags;
  Execute(c);
  MoveTo(ClampToInt32(int64_t{X} + TextWidth(Text)), Y);
}

void TCanvas::TextRect(const TRect& Rect, int32_t X, int32_t Y, const std::string& Text) {
  TCanvasCommand c{TCanvasOp::TextRect};
  c.Box = Rect;
  c.P1 = {X, Y};
  c.Text = Text;
  c.Flags = FTextFlags | ETO_CLIPPED | (FBrush->GetStyle() != bsClear ? ETO_OPAQUE : 0);
  Execute(c);
}

TSize TCanvas::TextExtent(const std::string& Text) {
  RequiredState({csHandleValid, csFontValid});
  TSize size;
  WidgetSet().GetTextExtentPoint(FHandle, Text, size);
  return size;
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
  TCanvasCommand c{TCanvasOp::Blit};
  c.Box = Dest;
  c.Source = Canvas->ValidHandle();
  c.SourceRect = Source;
  c.Flags = static_cast<uint32_t>(FCopyMode);
  Execute(c);
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color) {
  if (!Bitmap || Bitmap->GetEmpty()) return;
  const HBITMAP mask = Bitmap->CreateMask(Color);
  Changing();
  try {
    TCanvasCommand fill{TCanvasOp::FillRect};
    fill.Box = Dest;
    DrawCommand(fill);
    TCanvasCommand copy{TCanvasOp::Blit};
    copy.Box = Dest;
    copy.Source = Bitmap->GetCanvas()->ValidHandle();
    copy.SourceRect = Source;
    copy.Flags = SRCCOPY;
    copy.Mask = mask;
    DrawCommand(copy);
  } catch (...) {
    WidgetSet().DeleteObject(mask);
    throw;
  }
  WidgetSet().DeleteObject(mask);
  Changed();
}

void TCanvas::Draw(int32_t X, int32_t Y, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  StretchDraw(Bounds(X, Y, Graphic->GetWidth(), Graphic->GetHeight()), Graphic);
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
  if (!Graphic || Graphic->GetEmpty()) return;
  Changing();
  RequiredState({csHandleValid});
  Graphic->Draw(this, Rect);
  Changed();
}

}  // namespace host
