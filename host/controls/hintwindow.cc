// THintWindow: a top-level window (no parent) that shows a hint text on the
// info colour with a one-pixel border. The text wraps at word boundaries
// (and at line breaks) to the width the caller allows; the window adds a
// margin of kMarginX pixels left and right and kMarginY above and below
// (the border and a little space).
#include "host/controls/hintwindow.h"

#include <algorithm>
#include <vector>

#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(THintWindow, TCustomControl)

namespace {

constexpr int32_t kMarginX = 3;
constexpr int32_t kMarginY = 2;

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clInfoBk);
  GetFont()->SetColor(clInfoText);
  FVisible = false;  // shown by ActivateHint
}

void THintWindow::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());  // raises for a bad rectangle, first
  FActive = true;
  SetCaption(AHint);
  SetVisible(true);
  UpdateControlState();
  Invalidate();
}

void THintWindow::ActivateHintData(const TRect& Rect, const std::string& AHint, void* /*AData*/) {
  ActivateHint(Rect, AHint);
}

TRect THintWindow::CalcHintRect(int32_t MaxWidth, const std::string& AHint, void* /*AData*/) {
  TMeasuringCanvas measuring(GetFont());
  TCanvas* canvas = measuring.Canvas();
  int32_t width = 0;
  const std::vector<std::string> lines = WrapText(canvas, AHint, MaxWidth);
  for (const std::string& line : lines) width = std::max(width, canvas->TextWidth(line));
  const int64_t height = int64_t{LineHeight(canvas)} * static_cast<int64_t>(lines.size());
  return Rect(0, 0, ClampToInt32(int64_t{width} + 2 * kMarginX), ClampToInt32(height + 2 * kMarginY));
}

bool THintWindow::IsHintMsg(TMessage& Msg) {
  const uint32_t msg = Msg.Msg;
  const bool key = msg >= WM_KEYDOWN && msg <= WM_SYSCHAR;
  const bool mouse = msg > WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL;
  return key || mouse || msg == WM_COMMAND || msg == CM_ACTIVATE || msg == CM_DEACTIVATE || msg == CM_APPKEYDOWN;
}

void THintWindow::ReleaseHandle() {
  FActive = false;
  SetVisible(false);
  DestroyHandle();
}

// The info background (the window's brush, painted before), a frame of the
// window frame colour and the wrapped text inside the margins.
void THintWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetColor(clWindowFrame);
  canvas->FrameRect(client);
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  const int32_t lineHeight = LineHeight(canvas);
  int32_t y = client.Top + kMarginY;
  for (const std::string& line : WrapText(canvas, GetCaption(), client.Width() - 2 * kMarginX)) {
    canvas->TextOut(client.Left + kMarginX, y, line);
    y = ClampToInt32(int64_t{y} + lineHeight);
  }
}

}  // namespace host
