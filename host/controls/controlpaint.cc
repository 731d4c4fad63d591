// Painting: invalidation, WM_PAINT with the graphic children, PaintTo, the
// control canvas, graphic and custom controls; and finding the control of
// a window or at a screen point.
#include <unordered_map>

#include "host/controls/wincontrol.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TControlCanvas, TCanvas)
HOST_IMPL(TGraphicControl, TControl)
HOST_IMPL(TCustomControl, TWinControl)

namespace {

// A memory device context with a bitmap of a given size selected, given
// back when it goes.
class TMemoryDC {
 public:
  TMemoryDC(HDC Reference, int32_t Width, int32_t Height) : FWs(WidgetSet()) {
    FDC = FWs.CreateCompatibleDC(Reference);
    FBitmap = FWs.CreateBitmap(Width, Height);
    if (FDC && FBitmap) FOld = FWs.SelectObject(FDC, FBitmap);
  }
  ~TMemoryDC() {
    if (FDC && FBitmap) FWs.SelectObject(FDC, FOld);
    if (FBitmap) FWs.DeleteObject(FBitmap);
    if (FDC) FWs.DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  bool Valid() const { return FDC && FBitmap; }
  HDC DC() const { return FDC; }

 private:
  TWidgetSet& FWs;
  HDC FDC = 0;
  HBITMAP FBitmap = 0;
  HGDIOBJ FOld = 0;
};

std::unordered_map<HWND, TWinControl*>& WindowControls() {
  static std::unordered_map<HWND, TWinControl*> map;
  return map;
}

}  // namespace

// ------------------------------------------------------------- invalidation

void TWinControl::Invalidate() {
  if (FHandle) FWSClass->Invalidate(FHandle, nullptr);
}

void TWinControl::InvalidateArea(const TRect& Area) {
  if (FHandle) FWSClass->Invalidate(FHandle, &Area);
}

void TWinControl::Update() {
  if (TWSWindows* windows = RunningWindows(); windows && FHandle) windows->UpdateWindow(FHandle);
}

void TWinControl::Repaint() {
  Invalidate();
  Update();
}

// ----------------------------------------------------------------- painting

void TWinControl::PaintHandler(TWMPaint& Message) {
  if (!Message.DC) return;
  const auto alive = AliveFlag();
  PaintWindow(Message.DC);
  if (*alive) PaintControls(Message.DC, nullptr);
}

void TWinControl::PaintBackground(HDC DC) { WidgetSet().FillRect(DC, GetClientRect(), FBrush->GetHandle()); }

void TWinControl::PaintWindow(HDC DC) { PaintBackground(DC); }

void TWinControl::PaintControls(HDC DC, TControl* First) {
  bool painting = First == nullptr;
  const bool designing = GetComponentState().Contains(csDesigning);
  for (TControl* c : std::vector<TControl*>(FControls)) {
    painting = painting || c == First;
    auto* graphic = dynamic_cast<TGraphicControl*>(c);
    if (painting && graphic && (c->FVisible || designing)) graphic->PaintOn(DC);
  }
}

void TWinControl::PaintTo(HDC DC, int32_t X, int32_t Y) {
  if (FWidth <= 0 || FHeight <= 0) return;
  TMemoryDC memory(DC, FWidth, FHeight);
  if (!memory.Valid()) return;
  PaintWindow(memory.DC());
  PaintControls(memory.DC(), nullptr);
  for (TWinControl* c : std::vector<TWinControl*>(FTabList))
    if (c->FVisible) c->PaintTo(memory.DC(), c->FLeft, c->FTop);
  WidgetSet().StretchBlt(DC, X, Y, FWidth, FHeight, memory.DC(), 0, 0, FWidth, FHeight, SRCCOPY);
}

// ----------------------------------------------------------- TControlCanvas

void TControlCanvas::Destroy() {
  FreeHandle();
  inherited::Destroy();
}

void TControlCanvas::SetControl(TControl* Value) {
  if (FControl == Value) return;
  FreeHandle();
  FControl = Value;
}

void TControlCanvas::FreeHandle() {
  if (!FDeviceContext) return;
  const HDC dc = FDeviceContext;
  FDeviceContext = 0;
  SetHandle(0);
  if (TWSWindows* windows = RunningWindows()) windows->ReleaseDC(FWindow, dc);
  FWindow = 0;
}

// A windowed control draws on its own window; a graphic control on its
// parent's, moved to the control's place and clipped to it.
void TControlCanvas::CreateHandle() {
  TWSWindows* windows = RunningWindows();
  if (!FControl || !windows) return;
  auto* win = dynamic_cast<TWinControl*>(FControl);
  TWinControl* holder = win ? win : FControl->GetParent();
  if (!holder || !holder->GetHandle()) return;
  FWindow = holder->GetWindowHandle();
  FDeviceContext = windows->GetDC(FWindow);
  if (FDeviceContext && !win) {
    WidgetSet().SetViewportOrgEx(FDeviceContext, FControl->GetLeft(), FControl->GetTop(), nullptr);
    const TRect bounds = Rect(0, 0, FControl->GetWidth(), FControl->GetHeight());
    WidgetSet().SelectClipRect(FDeviceContext, &bounds);
  }
  SetHandle(FDeviceContext);
}

void TControlCanvas::UpdateTextFlags() {}

// ---------------------------------------------------------- TGraphicControl

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
}

void TGraphicControl::Destroy() {
  inherited::Destroy();
  FreeAndNil(FCanvas);
}

// Painted in a bitmap of the control's size that starts as a copy of what
// the parent painted there, so a control that leaves pixels alone shows
// its parent through them.
void TGraphicControl::PaintOn(HDC DC) {
  if (FWidth <= 0 || FHeight <= 0) return;
  TMemoryDC memory(DC, FWidth, FHeight);
  if (!memory.Valid()) return;
  TWidgetSet& ws = WidgetSet();
  ws.StretchBlt(memory.DC(), 0, 0, FWidth, FHeight, DC, FLeft, FTop, FWidth, FHeight, SRCCOPY);
  FCanvas->DrawOn(memory.DC(), [this] { Paint(); });
  ws.StretchBlt(DC, FLeft, FTop, FWidth, FHeight, memory.DC(), 0, 0, FWidth, FHeight, SRCCOPY);
}

// ----------------------------------------------------------- TCustomControl

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
}

void TCustomControl::Destroy() {
  FCanvas->FreeHandle();
  inherited::Destroy();
  FreeAndNil(FCanvas);
}

void TCustomControl::PaintWindow(HDC DC) {
  PaintBackground(DC);
  FCanvas->DrawOn(DC, [this] { Paint(); });
}

// ----------------------------------------------------------- finding controls

void TWinControl::RememberWindow(HWND Window, TWinControl* Control) {
  if (Control)
    WindowControls()[Window] = Control;
  else
    WindowControls().erase(Window);
}

TWinControl* FindControl(HWND Window) {
  auto it = WindowControls().find(Window);
  return it == WindowControls().end() ? nullptr : it->second;
}

TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled) {
  TWSWindows* windows = RunningWindows();
  TWinControl* win = windows ? FindControl(windows->WindowFromPoint(Pos)) : nullptr;
  if (!win) return nullptr;
  if (TControl* child = win->ControlAtPos(win->ScreenToClient(Pos), AllowDisabled)) return child;
  return win;
}

}  // namespace host
