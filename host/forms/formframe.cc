// TCustomForm's window frame: a form's Width and Height are its outer size,
// as in the classic library; its client area is what the border, the title
// bar, the menu bar and BorderWidth leave. The widgetset's window is the
// client area alone (it draws the frame itself), so the form gives it the
// client area's place on the screen and turns the sizes and places the
// window reports back into outer ones.
#include <algorithm>

#include "host/classes/keptprops.h"
#include "host/forms/form.h"
#include "host/forms/forms_p.h"
#include "host/menus/menu.h"

namespace host {

namespace {

// The classic window manager's metrics at 96 pixels per inch.
constexpr int32_t kCaptionHeight = 19;       // a title bar with its line below
constexpr int32_t kSmallCaptionHeight = 15;  // a tool window's
constexpr int32_t kMenuBarHeight = 20;       // a menu bar with its line below
constexpr int32_t kFixedFrame = 3;
constexpr int32_t kSizingFrame = 4;
// Beyond this the children of a form file do not tell its frame: they were
// not laid out to fill the client area.
constexpr int32_t kMaxFileFrame = 100;

struct TFrameMetrics {
  int32_t Border, Caption;
};

constexpr TFrameMetrics kFrameOf[] = {
    {0, 0},                                     // bsNone
    {kFixedFrame, kCaptionHeight},              // bsSingle
    {kSizingFrame, kCaptionHeight},             // bsSizeable
    {kFixedFrame, kCaptionHeight},              // bsDialog
    {kFixedFrame, kSmallCaptionHeight},         // bsToolWindow
    {kSizingFrame, kSmallCaptionHeight}};       // bsSizeToolWin

}  // namespace

TRect TCustomForm::GetFrameExtents() const {
  const int32_t border = FBorderWidth;
  if (FParent) return {border, border, border, border};
  if (FFileFrame) return *FFileFrame;
  const TFrameMetrics frame = kFrameOf[FBorderStyle];
  const int32_t side = ClampToInt32(int64_t{frame.Border} + border);
  const int32_t top = ClampToInt32(int64_t{side} + frame.Caption + (FMenu ? kMenuBarHeight : 0));
  return {side, top, side, side};
}

TRect TCustomForm::GetClientRect() {
  const TRect frame = GetFrameExtents();
  return Rect(0, 0, std::max<int64_t>(0, int64_t{FWidth} - frame.Left - frame.Right),
              std::max<int64_t>(0, int64_t{FHeight} - frame.Top - frame.Bottom));
}

TPoint TCustomForm::GetClientOrigin() {
  const TPoint origin = inherited::GetClientOrigin();
  const TRect frame = GetFrameExtents();
  return {ClampToInt32(int64_t{origin.X} + frame.Left), ClampToInt32(int64_t{origin.Y} + frame.Top)};
}

TRect TCustomForm::WindowRect() {
  const TPoint origin = GetClientOrigin();
  const TRect client = GetClientRect();
  return {origin.X, origin.Y, ClampToInt32(int64_t{origin.X} + client.Right),
          ClampToInt32(int64_t{origin.Y} + client.Bottom)};
}

void TCustomForm::BoundsChanged() {
  if (FHandle) FWSClass->SetBounds(FHandle, WindowRect());
}

void TCustomForm::FrameChanged() {
  if (GetComponentState().Contains(csLoading)) return;
  FFileFrame.reset();
  BoundsChanged();
  Realign();
}

void TCustomForm::SetClientWidth(int32_t Value) {
  if (GetComponentState().Contains(csReading)) {
    FReadClientWidth = Value;
    return;
  }
  const TRect frame = GetFrameExtents();
  SetWidth(formsdetail::OuterExtent(Value, frame.Left, frame.Right));
}

void TCustomForm::SetClientHeight(int32_t Value) {
  if (GetComponentState().Contains(csReading)) {
    FReadClientHeight = Value;
    return;
  }
  const TRect frame = GetFrameExtents();
  SetHeight(formsdetail::OuterExtent(Value, frame.Top, frame.Bottom));
}

// The client size the aligned children fill: the far edge of those that
// reach the client area's right or bottom edge.
void TCustomForm::TakeFileFrame() {
  if (FParent || !WasPropertyRead(this, "Width").value_or(false)) return;
  int64_t right = -1, bottom = -1;
  for (TControl* c : FControls) {
    const TAlign align = c->GetAlign();
    const TMargins* m = c->GetMargins();
    const bool margins = c->GetAlignWithMargins();
    if (align == alClient || align == alRight || align == alTop || align == alBottom)
      right = std::max<int64_t>(right, int64_t{c->GetLeft()} + c->GetWidth() + (margins ? m->GetRight() : 0));
    if (align == alClient || align == alBottom || align == alLeft || align == alRight)
      bottom = std::max<int64_t>(bottom, int64_t{c->GetTop()} + c->GetHeight() + (margins ? m->GetBottom() : 0));
  }
  if (right < 0 && bottom < 0) return;
  TRect frame = GetFrameExtents();
  const int32_t padRight = FPadding->GetRight(), padBottom = FPadding->GetBottom();
  const int64_t wide = right < 0 ? frame.Left + frame.Right : int64_t{FWidth} - right - padRight;
  const int64_t tall = bottom < 0 ? frame.Top + frame.Bottom : int64_t{FHeight} - bottom - padBottom;
  if (wide < 0 || tall < 0 || wide > kMaxFileFrame || tall > kMaxFileFrame) return;
  // The border keeps its sides; what differs is the title bar's height and
  // the border's width of the machine that wrote the file.
  frame.Left = static_cast<int32_t>(wide / 2);
  frame.Right = static_cast<int32_t>(wide - frame.Left);
  frame.Top = static_cast<int32_t>(std::max<int64_t>(0, tall - frame.Bottom));
  frame.Bottom = static_cast<int32_t>(tall - frame.Top);
  FFileFrame = frame;
}

}  // namespace host
