#include "host/widgetset/headless/headlesswindows.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "host/rtl/object.h"
#include "host/rtl/vectors.h"
#include "host/widgetset/headless/headless.h"

namespace host::headless {

namespace {

// Window coordinates are limited like drawing coordinates, so sums of a few
// of them stay inside 32 bits.
constexpr int32_t kCoordinateLimit = 1 << 28;

int32_t LimitCoordinate(int64_t V) {
  return static_cast<int32_t>(std::clamp<int64_t>(V, -kCoordinateLimit, kCoordinateLimit));
}

// Bounds within the coordinate limit and never of negative size.
TRect NormalBounds(const TRect& R) {
  const int32_t left = LimitCoordinate(R.Left), top = LimitCoordinate(R.Top);
  return {left, top, std::max(left, LimitCoordinate(R.Right)), std::max(top, LimitCoordinate(R.Bottom))};
}

TRect ClientRect(const TWindowObject& Window) { return {0, 0, Window.Bounds.Width(), Window.Bounds.Height()}; }

// Both operands lie within a few times the coordinate limit.
TRect Offset(const TRect& R, TPoint By) { return {R.Left + By.X, R.Top + By.Y, R.Right + By.X, R.Bottom + By.Y}; }
TPoint Negate(TPoint P) { return {-P.X, -P.Y}; }

TRect Union(const TRect& A, const TRect& B) {
  return {std::min(A.Left, B.Left), std::min(A.Top, B.Top), std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom)};
}

// A screen point relative to a corner, kept inside 32 bits.
TPoint Relative(TPoint P, TPoint Corner) {
  return {ClampToInt32(int64_t{P.X} - Corner.X), ClampToInt32(int64_t{P.Y} - Corner.Y)};
}

}  // namespace

// ------------------------------------------------------------------ records

TWindowObject* THeadlessWindows::Find(HWND Window) { return FOwner.FTable.Get<TWindowObject>(Window); }

const TWindowObject* THeadlessWindows::Find(HWND Window) const { return FOwner.FTable.Get<TWindowObject>(Window); }

std::vector<HWND>& THeadlessWindows::SiblingsOf(const TWindowObject& Window) {
  TWindowObject* parent = Find(Window.Parent);
  return parent ? parent->Children : FTopLevels;
}

// Whether Window is Ancestor or lies in it.
bool THeadlessWindows::Contains(HWND Ancestor, HWND Window) const {
  for (const TWindowObject* w = Find(Window); w; w = Find(w->Parent)) {
    if (Window == Ancestor) return true;
    Window = w->Parent;
  }
  return false;
}

HWND THeadlessWindows::TopLevelOf(HWND Window) const {
  for (const TWindowObject* w = Find(Window); w && w->Parent; w = Find(Window)) Window = w->Parent;
  return Window;
}

TPoint THeadlessWindows::OriginInTopLevel(HWND Window) const {
  int64_t x = 0, y = 0;
  for (const TWindowObject* w = Find(Window); w && w->Parent; w = Find(w->Parent)) {
    x += w->Bounds.Left;
    y += w->Bounds.Top;
  }
  return {LimitCoordinate(x), LimitCoordinate(y)};
}

TRect THeadlessWindows::ClipInTopLevel(HWND Window) const {
  const TWindowObject* w = Find(Window);
  if (!w) return {};
  TRect clip = ClientRect(*w);
  for (const TWindowObject* parent = Find(w->Parent); parent; w = parent, parent = Find(w->Parent)) {
    IntersectRect(clip, Offset(clip, w->Bounds.TopLeft()), ClientRect(*parent));
  }
  return clip;
}

void THeadlessWindows::Attach(HWND Window, HWND Parent) {
  TWindowObject* w = Find(Window);
  w->Parent = Parent;
  SiblingsOf(*w).push_back(Window);
  if (Parent)
    w->Surface = {};
  else
    ResizeSurface(*w);
}

void THeadlessWindows::Detach(HWND Window) {
  if (TWindowObject* w = Find(Window)) EraseLast(SiblingsOf(*w), Window);
}

void THeadlessWindows::ResizeSurface(TWindowObject& Window) {
  const int32_t width = Window.Bounds.Width(), height = Window.Bounds.Height();
  if (width == Window.Surface.Width && height == Window.Surface.Height) return;
  const bool fits = width > 0 && height > 0 && int64_t{width} * height <= kMaxSurfacePixels;
  Window.Surface = fits ? TSurface(width, height) : TSurface();
}

std::vector<HWND> THeadlessWindows::PaintOrder(HWND Root) const {
  std::vector<HWND> order, pending{Root};
  while (!pending.empty()) {
    const HWND next = pending.back();
    pending.pop_back();
    const TWindowObject* w = Find(next);
    if (!w) continue;
    order.push_back(next);
    pending.insert(pending.end(), w->Children.rbegin(), w->Children.rend());
  }
  return order;
}

// ------------------------------------------------------------------ windows

HWND THeadlessWindows::CreateWindow(const TCreateParams& Params, TObject* Receiver) {
  if (Params.WndParent && !Find(Params.WndParent)) return 0;
  TWindowObject record;
  record.Receiver = Receiver;
  record.Bounds = NormalBounds(Params.Bounds);
  record.Text = Params.Caption;
  record.ClassName = Params.WinClassName;
  record.Style = Params.Style;
  record.ExStyle = Params.ExStyle;
  record.Shown = Params.Visible;
  record.Enabled = Params.Enabled;
  const HWND window = FOwner.FTable.Add(0, std::move(record));
  ++FCount;
  Attach(window, Params.WndParent);
  InvalidateAll(window);
  TellChanged(window);
  return window;
}

bool THeadlessWindows::DestroyWindow(HWND Window) {
  const TWindowObject* w = Find(Window);
  if (!w) return false;
  TellGone(Window);
  InvalidateUnder(Window);
  const std::vector<HWND> doomed = PaintOrder(Window);
  Detach(Window);
  for (HWND w : doomed) Forget(w);
  return true;
}

void THeadlessWindows::Forget(HWND Window) {
  if (FFocus == Window) FFocus = 0;
  if (FCapture == Window) FCapture = 0;
  std::erase_if(FQueue, [&](const TPosted& p) { return p.Window == Window; });
  const std::vector<HDC> dcs = FDCs;
  for (HDC dc : dcs) {
    const TDCObject* object = FOwner.FTable.Get<TDCObject>(dc);
    if (!object || object->Window == Window) FreeDC(dc);
  }
  FOwner.FTable.Remove(Window);
  --FCount;
}

bool THeadlessWindows::SetParent(HWND Window, HWND NewParent) {
  const TWindowObject* w = Find(Window);
  if (!w || (NewParent && (!Find(NewParent) || Contains(Window, NewParent)))) return false;
  // A move between parents keeps the presenter's widgets; becoming or
  // ceasing to be a top-level window makes them again.
  const bool kindChanges = !w->Parent != !NewParent;
  if (kindChanges) TellGone(Window);
  InvalidateUnder(Window);
  Detach(Window);
  Attach(Window, NewParent);
  InvalidateAll(Window);
  if (kindChanges)
    TellAppeared(Window);
  else
    TellChanged(Window);
  return true;
}

HWND THeadlessWindows::GetParent(HWND Window) {
  const TWindowObject* w = Find(Window);
  return w ? w->Parent : 0;
}

// ----------------------------------------------------------------- geometry

bool THeadlessWindows::SetWindowBounds(HWND Window, const TRect& Bounds) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  InvalidateUnder(Window);
  w->Bounds = NormalBounds(Bounds);
  if (!w->Parent) ResizeSurface(*w);
  InvalidateAll(Window);
  TellChanged(Window);
  return true;
}

bool THeadlessWindows::GetWindowBounds(HWND Window, TRect& Bounds) {
  const TWindowObject* w = Find(Window);
  if (w) Bounds = w->Bounds;
  return w != nullptr;
}

bool THeadlessWindows::SetWindowZOrder(HWND Window, bool Top) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  std::vector<HWND>& siblings = SiblingsOf(*w);
  std::erase(siblings, Window);
  siblings.insert(Top ? siblings.end() : siblings.begin(), Window);
  InvalidateUnder(Window);
  InvalidateAll(Window);
  if (FPresenter && w->Parent) FPresenter->ChildRestacked(Window, Top);
  return true;
}

bool THeadlessWindows::ClientToScreen(HWND Window, TPoint& Point) {
  if (!Find(Window)) return false;
  int64_t x = Point.X, y = Point.Y;
  for (const TWindowObject* w = Find(Window); w; w = Find(w->Parent)) {
    x += w->Bounds.Left;
    y += w->Bounds.Top;
  }
  Point = {ClampToInt32(x), ClampToInt32(y)};
  return true;
}

bool THeadlessWindows::ScreenToClient(HWND Window, TPoint& Point) {
  TPoint origin{0, 0};
  if (!ClientToScreen(Window, origin)) return false;
  Point = Relative(Point, origin);
  return true;
}

HWND THeadlessWindows::WindowFromPoint(TPoint Point) {
  for (auto it = FTopLevels.rbegin(); it != FTopLevels.rend(); ++it) {
    const TWindowObject* w = Find(*it);
    if (w && w->Shown && PtInRect(w->Bounds, Point)) return ChildFromPoint(*it, Relative(Point, w->Bounds.TopLeft()));
  }
  return 0;
}

// The deepest shown window at Local (client coordinates of Window), topmost
// first; Window itself when no child is there.
HWND THeadlessWindows::ChildFromPoint(HWND Window, TPoint Local) const {
  for (;;) {
    const TWindowObject* w = Find(Window);
    if (!w) return Window;
    HWND hit = 0;
    for (auto it = w->Children.rbegin(); it != w->Children.rend() && !hit; ++it) {
      const TWindowObject* child = Find(*it);
      if (child && child->Shown && PtInRect(child->Bounds, Local)) {
        hit = *it;
        Local = Relative(Local, child->Bounds.TopLeft());
      }
    }
    if (!hit) return Window;
    Window = hit;
  }
}

// -------------------------------------------------------------------- state

bool THeadlessWindows::SetWindowText(HWND Window, std::string_view Text) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  w->Text = Text;
  TellChanged(Window);
  return true;
}

std::string THeadlessWindows::GetWindowText(HWND Window) {
  const TWindowObject* w = Find(Window);
  return w ? w->Text : std::string();
}

bool THeadlessWindows::SetWindowStyle(HWND Window, uint32_t Style, uint32_t ExStyle) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  w->Style = Style;
  w->ExStyle = ExStyle;
  TellChanged(Window);
  return true;
}

bool THeadlessWindows::GetWindowStyle(HWND Window, uint32_t& Style, uint32_t& ExStyle) {
  const TWindowObject* w = Find(Window);
  if (!w) return false;
  Style = w->Style;
  ExStyle = w->ExStyle;
  return true;
}

// A top-level window's menu bar or icon: kept, and told to the presenter.
bool THeadlessWindows::SetTopLevelHandle(HWND Window, THandle TWindowObject::*Slot, THandle Value) {
  TWindowObject* w = Find(Window);
  if (!w || w->Parent) return false;
  w->*Slot = Value;
  TellChanged(Window);
  return true;
}

bool THeadlessWindows::SetMenu(HWND Window, HMENU Menu) { return SetTopLevelHandle(Window, &TWindowObject::Menu, Menu); }

HMENU THeadlessWindows::GetMenu(HWND Window) {
  const TWindowObject* w = Find(Window);
  return w ? w->Menu : 0;
}

bool THeadlessWindows::SetWindowIcon(HWND Window, HICON Icon) {
  return SetTopLevelHandle(Window, &TWindowObject::Icon, Icon);
}

HICON THeadlessWindows::GetWindowIcon(HWND Window) {
  const TWindowObject* w = Find(Window);
  return w ? w->Icon : 0;
}

bool THeadlessWindows::ShowWindow(HWND Window, bool Show) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  if (w->Shown == Show) return true;
  if (!Show) InvalidateUnder(Window);
  w->Shown = Show;
  if (Show) InvalidateAll(Window);
  TellChanged(Window);
  return true;
}

bool THeadlessWindows::IsWindowVisible(HWND Window) {
  const TWindowObject* w = Find(Window);
  for (; w && w->Shown; w = Find(w->Parent))
    if (!w->Parent) return true;
  return false;
}

bool THeadlessWindows::EnableWindow(HWND Window, bool Enable) {
  TWindowObject* w = Find(Window);
  if (!w) return false;
  if (w->Enabled == Enable) return true;
  w->Enabled = Enable;
  TellChanged(Window);
  return true;
}

bool THeadlessWindows::IsWindowEnabled(HWND Window) {
  const TWindowObject* w = Find(Window);
  return w && w->Enabled;
}

bool THeadlessWindows::TakesInput(HWND Window) {
  const TWindowObject* w = Find(Window);
  for (; w && w->Shown && w->Enabled; w = Find(w->Parent))
    if (!w->Parent) return true;
  return false;
}

// -------------------------------------------------------- focus and capture

HWND THeadlessWindows::SetFocus(HWND Window) {
  if (Window && !TakesInput(Window)) return 0;
  const HWND old = FFocus;
  if (old == Window) return old;
  FFocus = Window;
  if (FPresenter) FPresenter->FocusChanged(Window);
  TWMKillFocus kill;
  kill.Msg = WM_KILLFOCUS;
  kill.FocusedWnd = Window;
  if (old) Send(old, kill);
  // The window losing the focus may have moved it elsewhere or destroyed
  // the window getting it.
  if (Window && FFocus == Window) {
    TWMSetFocus set;
    set.Msg = WM_SETFOCUS;
    set.FocusedWnd = old;
    Send(Window, set);
  }
  return old;
}

HWND THeadlessWindows::SetCapture(HWND Window) {
  if (!Find(Window)) return 0;
  const HWND old = std::exchange(FCapture, Window);
  if (old && old != Window) {
    TWMGeneric changed(WM_CAPTURECHANGED, 0, Window);
    Send(old, changed);
  }
  return old;
}

bool THeadlessWindows::ReleaseCapture() {
  const HWND old = std::exchange(FCapture, 0);
  if (old) {
    TWMGeneric changed(WM_CAPTURECHANGED, 0, 0);
    Send(old, changed);
  }
  return true;
}

bool THeadlessWindows::SetCursorPos(TPoint Point) {
  FCursor = Point;
  return true;
}

// ----------------------------------------------------------------- painting

void THeadlessWindows::AddUpdate(HWND TopLevel, const TRect& Rect) {
  TWindowObject& top = *Find(TopLevel);
  top.Update = top.Dirty ? Union(top.Update, Rect) : Rect;
  top.Dirty = true;
  if (FPresenter) FPresenter->TopLevelDamaged(TopLevel);
}

void THeadlessWindows::TellChanged(HWND Window) {
  const TWindowObject* w = Find(Window);
  if (!FPresenter || !w) return;
  if (w->Parent)
    FPresenter->ChildChanged(Window);
  else
    FPresenter->TopLevelChanged(Window);
}

// Parents first, so a widget's parent is there before it.
void THeadlessWindows::TellAppeared(HWND Root) {
  if (FPresenter)
    for (HWND window : PaintOrder(Root)) TellChanged(window);
}

// The windows in Root first, so no widget outlives its parent's.
void THeadlessWindows::TellGone(HWND Root) {
  if (!FPresenter) return;
  const std::vector<HWND> order = PaintOrder(Root);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    const TWindowObject* w = Find(*it);
    if (w && w->Parent)
      FPresenter->ChildGone(*it);
    else if (w)
      FPresenter->TopLevelGone(*it);
  }
}

bool THeadlessWindows::IsWindowShown(HWND Window) const {
  const TWindowObject* w = Find(Window);
  return w && w->Shown;
}

std::string THeadlessWindows::WindowClassName(HWND Window) const {
  const TWindowObject* w = Find(Window);
  return w ? w->ClassName : std::string();
}

TObject* THeadlessWindows::WindowReceiver(HWND Window) const {
  const TWindowObject* w = Find(Window);
  return w ? w->Receiver : nullptr;
}

void THeadlessWindows::Invalidate(HWND Window, const TRect& Rect) {
  const TWindowObject* w = Find(Window);
  if (!w) return;
  // The area is kept on the top-level surface; the next paint pass gives
  // every window showing there its share of it.
  TRect area;
  if (!IntersectRect(area, Rect, ClientRect(*w))) return;
  if (!IntersectRect(area, Offset(area, OriginInTopLevel(Window)), ClipInTopLevel(Window))) return;
  AddUpdate(TopLevelOf(Window), area);
}

void THeadlessWindows::InvalidateUnder(HWND Window) {
  const TWindowObject* w = Find(Window);
  if (w && w->Parent) Invalidate(w->Parent, w->Bounds);
}

void THeadlessWindows::InvalidateAll(HWND Window) {
  if (const TWindowObject* w = Find(Window)) Invalidate(Window, ClientRect(*w));
}

bool THeadlessWindows::InvalidateRect(HWND Window, const TRect* Rect) {
  const TWindowObject* w = Find(Window);
  if (!w) return false;
  Invalidate(Window, Rect ? *Rect : ClientRect(*w));
  return true;
}

bool THeadlessWindows::Paint(HWND Window, const TRect& Area) {
  TRect update;
  if (!IsWindowVisible(Window) || !IntersectRect(update, Area, ClipInTopLevel(Window))) return false;
  TWMPaint paint;
  paint.UpdateRect = Offset(update, Negate(OriginInTopLevel(Window)));
  paint.DC = MakeDC(Window, &paint.UpdateRect);
  Send(Window, paint);
  FreeDC(paint.DC);  // already gone when the receiver destroyed the window
  return true;
}

// One pass over a top-level window: every window in paint order that shows
// in the area waiting there is painted. Areas invalidated meanwhile wait
// for the next pass; windows destroyed meanwhile are skipped.
bool THeadlessWindows::PaintTopLevel(HWND TopLevel) {
  TWindowObject* top = Find(TopLevel);
  if (!top || !top->Dirty || !IsWindowVisible(TopLevel)) return false;
  top->Dirty = false;
  const TRect area = top->Update;
  bool painted = false;
  for (HWND window : PaintOrder(TopLevel)) painted = (Find(window) && Paint(window, area)) || painted;
  return painted;
}

bool THeadlessWindows::UpdateWindow(HWND Window) {
  if (!Find(Window)) return false;
  PaintTopLevel(TopLevelOf(Window));
  return true;
}

HDC THeadlessWindows::MakeDC(HWND Window, const TRect* Limit) {
  TDCObject dc;
  dc.Window = Window;
  dc.Limited = Limit != nullptr;
  if (Limit) dc.Limit = *Limit;
  const HDC handle = FOwner.AddDC(OBJ_DC, std::move(dc));
  FDCs.push_back(handle);
  return handle;
}

bool THeadlessWindows::FreeDC(HDC DC) {
  std::erase(FDCs, DC);
  return FOwner.RemoveDC(DC);
}

HDC THeadlessWindows::GetDC(HWND Window) { return Find(Window) ? MakeDC(Window, nullptr) : 0; }

bool THeadlessWindows::ReleaseDC(HWND Window, HDC DC) {
  const TDCObject* dc = FOwner.FTable.Get<TDCObject>(DC);
  return dc && dc->Window && dc->Window == Window && FreeDC(DC);
}

bool THeadlessWindows::DrawTarget(HWND Window, TSurface*& Surface, TPoint& Origin, TRect& Visible) {
  if (!Find(Window)) return false;
  TWindowObject* top = Find(TopLevelOf(Window));
  Surface = top->Surface.Empty() ? nullptr : &top->Surface;
  Origin = OriginInTopLevel(Window);
  Visible = {};
  if (Surface && IsWindowVisible(Window)) IntersectRect(Visible, ClipInTopLevel(Window), Surface->Bounds());
  return true;
}

HBITMAP THeadlessWindows::CaptureWindow(HWND Window) {
  const TWindowObject* w = Find(Window);
  TSurface* surface = nullptr;
  TPoint origin;
  TRect visible;
  if (!w || !DrawTarget(Window, surface, origin, visible) || !surface) return 0;
  const int32_t width = w->Bounds.Width(), height = w->Bounds.Height();
  if (width < 1 || height < 1 || int64_t{width} * height > kMaxSurfacePixels) return 0;
  IntersectRect(visible, visible, Offset(ClientRect(*w), origin));
  TSurface image(width, height);
  for (int32_t y = visible.Top; y < visible.Bottom; ++y) {
    const TPixel* from = surface->Row(y);
    std::copy(from + visible.Left, from + visible.Right, image.Row(y - origin.Y) + (visible.Left - origin.X));
  }
  return FOwner.AddBitmap(std::move(image));
}

// ----------------------------------------------------------------- messages

bool THeadlessWindows::Send(HWND Window, TMessage& Message) {
  const TWindowObject* w = Find(Window);
  if (!w || !w->Receiver) return false;
  w->Receiver->Dispatch(&Message);
  return true;
}

bool THeadlessWindows::PostMessage(HWND Window, uint32_t Msg, int64_t WParam, int64_t LParam) {
  if (!Find(Window)) return false;
  FQueue.push_back({FNextSerial++, Window, TWMGeneric(Msg, WParam, LParam)});
  return true;
}

bool THeadlessWindows::ProcessMessages() {
  // Messages posted while these are delivered wait for the next call, so a
  // receiver that posts to itself cannot keep this one running.
  const uint64_t end = FNextSerial;
  bool delivered = false;
  while (!FQueue.empty() && FQueue.front().Serial < end) {
    TPosted posted = FQueue.front();
    FQueue.pop_front();
    Send(posted.Window, posted.Message);
    delivered = true;
  }
  if (FPresenter && FPresenter->PaintsItself()) return delivered;
  bool painted = false;
  for (HWND top : std::vector<HWND>(FTopLevels)) painted = PaintTopLevel(top) || painted;
  return painted || delivered;
}

bool THeadlessWindows::WaitMessage() {
  if (ProcessMessages()) return true;
  // A copy: the driver may replace itself.
  const TIdleDriver driver = FIdleDriver;
  if (!(driver && driver()) && !(FPresenter && FPresenter->WaitForInput())) return false;
  ProcessMessages();
  return true;
}

THeadlessWindows::TIdleDriver THeadlessWindows::SetIdleDriver(TIdleDriver Driver) {
  return std::exchange(FIdleDriver, std::move(Driver));
}

void THeadlessWindows::Advance(uint64_t Ms) {
  FClock.Advance(Ms);
  ProcessMessages();
}

bool THeadlessWindows::GetMonitorBounds(int32_t Index, TRect& Bounds) {
  if (Index != 0) return false;
  Bounds = GetDesktopRect();
  return true;
}

int32_t THeadlessWindows::MessageBox(HWND /*Owner*/, std::string_view Text, std::string_view Caption,
                                     uint32_t Flags) {
  static constexpr int32_t kFirstButton[] = {IDOK, IDOK, IDABORT, IDYES, IDYES, IDRETRY};
  if (FPresenter && FMessageBoxAnswers.empty())
    if (const int32_t shown = FPresenter->ShowMessageBox(Text, Caption, Flags)) {
      FMessageBoxes.push_back({std::string(Text), std::string(Caption), Flags, shown});
      return shown;
    }
  const uint32_t buttons = Flags & 0x0F;
  int32_t answer = buttons < std::size(kFirstButton) ? kFirstButton[buttons] : IDOK;
  const bool unanswered = !NextAnswer(answer);
  FMessageBoxes.push_back({std::string(Text), std::string(Caption), Flags, answer, unanswered});
  return answer;
}

void THeadlessWindows::ClearMessageBoxes() {
  FMessageBoxAnswers.clear();
  FMessageBoxes.clear();
  FOpenedURLs.clear();
  FDialogTexts.clear();
  FCommonDialogs.clear();
}

bool THeadlessWindows::OpenURL(std::string_view Address) {
  FOpenedURLs.emplace_back(Address);
  if (FPresenter) FPresenter->OpenURL(Address);
  return true;
}

}  // namespace host::headless
