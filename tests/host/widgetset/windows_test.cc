// The headless windows and their input robot: the window tree and its
// geometry, hit testing, focus and capture, painting onto the top-level
// surfaces, posted messages, and receivers that destroy windows while a
// message is being delivered to them.
#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include "host/rtl/object.h"
#include "host/widgetset/headless/headless.h"

namespace host {
namespace {

using headless::THeadlessWidgetSet;
using headless::THeadlessWindows;
using headless::TMouseButtonKind;

// One delivered message and the fields of its record that tests look at.
struct TRecord {
  HWND Window = 0;
  uint32_t Msg = 0;
  int64_t Code = 0;   // key and char code, wheel delta, focus partner, WParam
  int64_t Param = 0;  // LParam
  TPoint Pos;         // mouse position
  uint32_t Keys = 0;
  TShiftState Shift;  // of a key record
  TShiftState State;  // GetShiftState while the message is delivered
  TRect Update;       // of a paint
};

class TRecorder : public TObject {
 public:
  TRecorder(std::vector<TRecord>& Log, TWSWindows& Windows) : FLog(Log), FWindows(Windows) {}
  HWND Window = 0;
  // Runs after the message is recorded; it may free this receiver.
  std::function<void(TMessage&)> OnMessage;

  void Dispatch(void* Message) override {
    TMessage& m = *static_cast<TMessage*>(Message);
    FLog.push_back(Describe(m));
    if (auto handler = OnMessage) handler(m);
  }

 private:
  TRecord Describe(TMessage& M) {
    TRecord r;
    r.Window = Window;
    r.Msg = M.Msg;
    r.State = FWindows.GetShiftState();
    if (M.Msg >= WM_MOUSEMOVE && M.Msg <= WM_MBUTTONDBLCLK) {
      const auto& mouse = static_cast<TWMMouse&>(M);
      std::tie(r.Pos, r.Keys) = std::pair(TPoint{mouse.XPos, mouse.YPos}, mouse.Keys);
    } else if (M.Msg == WM_MOUSEWHEEL) {
      const auto& wheel = static_cast<TWMMouseWheel&>(M);
      std::tie(r.Pos, r.Keys, r.Code) = std::tuple(TPoint{wheel.XPos, wheel.YPos}, wheel.Keys, wheel.WheelDelta);
    } else if (M.Msg >= WM_KEYDOWN && M.Msg <= WM_SYSKEYUP) {
      std::tie(r.Code, r.Shift) = std::pair(static_cast<TWMKey&>(M).CharCode, static_cast<TWMKey&>(M).ShiftState);
    } else if (M.Msg == WM_SETFOCUS || M.Msg == WM_KILLFOCUS) {
      r.Code = static_cast<TWMSetFocus&>(M).FocusedWnd;
    } else if (M.Msg == WM_PAINT) {
      r.Update = static_cast<TWMPaint&>(M).UpdateRect;
    } else {
      std::tie(r.Code, r.Param) = std::pair(static_cast<TWMGeneric&>(M).WParam, static_cast<TWMGeneric&>(M).LParam);
    }
    return r;
  }

  std::vector<TRecord>& FLog;
  TWSWindows& FWindows;
};

class WindowsTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    FWs = static_cast<THeadlessWidgetSet*>(&WidgetSet());
    FStartHandles = FWs->HandleCount();
  }
  void TearDown() override {
    FinalizeWidgetSet();
    for (TRecorder* r : FRecorders) r->Free();
  }

  THeadlessWindows& Win() { return FWs->Windows(); }
  headless::THeadlessRobot& Robot() { return FWs->Robot(); }

  HWND Make(TRect Bounds, HWND Parent = 0, bool Visible = true) {
    FRecorders.push_back(host::New<TRecorder>(FLog, Win()));
    return MakeWith(FRecorders.back(), Bounds, Parent, Visible);
  }
  HWND MakeWith(TRecorder* Receiver, TRect Bounds, HWND Parent = 0, bool Visible = true) {
    TCreateParams params{"", "TTest", Bounds, Parent, Visible};
    return Receiver->Window = Win().CreateWindow(params, Receiver);
  }
  TRecorder* RecorderOf(HWND Window) {
    for (TRecorder* r : FRecorders)
      if (r->Window == Window) return r;
    return nullptr;
  }
  // Delivers what is pending (the first paints) and forgets it.
  void Settle() {
    Win().ProcessMessages();
    FLog.clear();
  }
  // The messages since the last call, and the log emptied.
  std::vector<TRecord> Take() { return std::exchange(FLog, {}); }
  std::vector<uint32_t> TakeMsgs() {
    std::vector<uint32_t> msgs;
    for (const TRecord& r : Take()) msgs.push_back(r.Msg);
    return msgs;
  }
  // Paints every window with its own colour over everything it may draw on.
  void PaintWith(HWND Window, COLORREF Color) {
    const HBRUSH brush = FWs->CreateBrushIndirect({BS_SOLID, Color, 0, 0});
    FBrushes.push_back(brush);
    RecorderOf(Window)->OnMessage = [this, brush](TMessage& m) {
      if (m.Msg == WM_PAINT) FWs->FillRect(static_cast<TWMPaint&>(m).DC, {-1000, -1000, 1000, 1000}, brush);
    };
  }
  // The colour of pixel (X, Y) of what Window shows.
  COLORREF Shown(HWND Window, int32_t X, int32_t Y) {
    const HBITMAP image = Win().CaptureWindow(Window);
    TBitmapBits bits;
    const bool ok = FWs->GetBitmapBits(image, bits) && X < bits.Width && Y < bits.Height;
    const COLORREF color = ok ? PixelToColorRef(bits.Row(Y)[X]) : CLR_INVALID;
    FWs->DeleteObject(image);
    return color;
  }
  void FreeBrushes() {
    for (HBRUSH b : FBrushes) FWs->DeleteObject(b);
    FBrushes.clear();
  }

  THeadlessWidgetSet* FWs = nullptr;
  std::size_t FStartHandles = 0;
  std::vector<TRecord> FLog;
  std::vector<TRecorder*> FRecorders;
  std::vector<HBRUSH> FBrushes;
};

constexpr COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);

TEST_F(WindowsTest, TreeGeometryAndVisibilityThroughNestedWindows) {
  const HWND top = Make({100, 50, 400, 350});
  const HWND child = Make({10, 20, 210, 220}, top);
  const HWND grand = Make({5, 5, 55, 55}, child);
  EXPECT_EQ(Win().WindowCount(), 3u);
  EXPECT_EQ(Win().GetParent(grand), child);

  TPoint p{1, 2};
  ASSERT_TRUE(Win().ClientToScreen(grand, p));
  EXPECT_EQ(p, (TPoint{116, 77}));
  ASSERT_TRUE(Win().ScreenToClient(child, p));
  EXPECT_EQ(p, (TPoint{6, 7}));

  // A window cannot go under itself or one of its own.
  EXPECT_FALSE(Win().SetParent(top, grand));
  EXPECT_FALSE(Win().SetParent(child, child));
  EXPECT_FALSE(Win().SetParent(grand, FWs->GetStockObject(BLACK_PEN)));
  EXPECT_EQ(Win().GetParent(child), top);
  // Made top-level, its bounds are read as screen coordinates.
  ASSERT_TRUE(Win().SetParent(grand, 0));
  p = {0, 0};
  Win().ClientToScreen(grand, p);
  EXPECT_EQ(p, (TPoint{5, 5}));
  ASSERT_TRUE(Win().SetParent(grand, child));

  // Negative sizes are empty windows.
  ASSERT_TRUE(Win().SetWindowBounds(grand, {30, 30, 20, 10}));
  TRect r;
  Win().GetWindowBounds(grand, r);
  EXPECT_EQ(r, (TRect{30, 30, 30, 30}));

  // Visible only when every ancestor shows.
  Win().ShowWindow(child, false);
  EXPECT_FALSE(Win().IsWindowVisible(grand));
  EXPECT_TRUE(Win().IsWindowVisible(top));
  Win().ShowWindow(child, true);
  EXPECT_TRUE(Win().IsWindowVisible(grand));

  // Destroying a window destroys what lies in it.
  ASSERT_TRUE(Win().DestroyWindow(child));
  EXPECT_FALSE(Win().IsWindow(grand));
  EXPECT_EQ(Win().WindowCount(), 1u);
  Win().DestroyWindow(top);
  EXPECT_EQ(FWs->HandleCount(), FStartHandles);
}

TEST_F(WindowsTest, StaleAndForeignHandlesAreRefused) {
  const HWND top = Make({0, 0, 50, 50});
  const HWND gone = Make({0, 0, 10, 10}, top);
  Win().DestroyWindow(gone);
  const HPEN pen = FWs->GetStockObject(BLACK_PEN);
  for (HWND bad : {gone, HWND{0}, pen}) {
    TPoint p;
    EXPECT_FALSE(Win().IsWindow(bad));
    EXPECT_FALSE(Win().DestroyWindow(bad));
    EXPECT_FALSE(Win().SetWindowBounds(bad, {0, 0, 5, 5}));
    EXPECT_FALSE(Win().ClientToScreen(bad, p));
    EXPECT_FALSE(Win().SetParent(bad, top));
    EXPECT_EQ(Win().SetFocus(bad == 0 ? gone : bad), 0u);
    EXPECT_EQ(Win().SetCapture(bad), 0u);
    EXPECT_EQ(Win().GetDC(bad), 0u);
    EXPECT_EQ(Win().CaptureWindow(bad), 0u);
    EXPECT_FALSE(Win().PostMessage(bad, WM_USER, 0, 0));
  }
  // A window is no graphics object, and a window's DC is released, not deleted.
  EXPECT_EQ(FWs->GetObjectType(top), 0u);
  EXPECT_FALSE(FWs->DeleteObject(top));
  const HDC dc = Win().GetDC(top);
  EXPECT_EQ(FWs->GetObjectType(dc), OBJ_DC);
  EXPECT_FALSE(FWs->DeleteDC(dc));
  const HBITMAP bitmap = FWs->CreateBitmap(4, 4);
  EXPECT_EQ(FWs->SelectObject(dc, bitmap), 0u);
  EXPECT_FALSE(Win().ReleaseDC(gone, dc));
  EXPECT_TRUE(Win().ReleaseDC(top, dc));
  EXPECT_FALSE(Win().ReleaseDC(top, dc));
  FWs->DeleteObject(bitmap);
  // A DC still out when its window goes is freed with it.
  Win().GetDC(top);
  Win().DestroyWindow(top);
  EXPECT_EQ(FWs->HandleCount(), FStartHandles);
}

TEST_F(WindowsTest, WindowFromPointFollowsZOrderVisibilityAndClipping) {
  const HWND top = Make({0, 0, 300, 300});
  const HWND a = Make({10, 10, 110, 110}, top);
  const HWND b = Make({50, 50, 150, 150}, top);  // above a
  const HWND c = Make({90, 90, 200, 200}, b);    // reaches beyond b
  EXPECT_EQ(Win().WindowFromPoint({60, 60}), b);
  Win().SetWindowZOrder(a, true);
  EXPECT_EQ(Win().WindowFromPoint({60, 60}), a);
  Win().ShowWindow(a, false);
  EXPECT_EQ(Win().WindowFromPoint({60, 60}), b);
  EXPECT_EQ(Win().WindowFromPoint({20, 20}), top);
  EXPECT_EQ(Win().WindowFromPoint({145, 145}), c);
  EXPECT_EQ(Win().WindowFromPoint({170, 170}), top);  // c there, but outside b
  EXPECT_EQ(Win().WindowFromPoint({400, 10}), 0u);
  const HWND over = Make({140, 140, 500, 500});
  EXPECT_EQ(Win().WindowFromPoint({145, 145}), over);
  Win().SetWindowZOrder(over, false);
  EXPECT_EQ(Win().WindowFromPoint({145, 145}), c);
}

TEST_F(WindowsTest, FocusMovesWithMessagesAndRefusesHiddenOrDisabledWindows) {
  const HWND top = Make({0, 0, 100, 100});
  const HWND a = Make({0, 0, 10, 10}, top);
  const HWND b = Make({20, 0, 30, 10}, top);
  const HWND hidden = Make({40, 0, 50, 10}, top, false);
  const HWND box = Make({60, 0, 90, 30}, top);
  const HWND inDisabled = Make({0, 0, 5, 5}, box);
  Win().EnableWindow(box, false);
  Settle();

  EXPECT_EQ(Win().SetFocus(a), 0u);
  EXPECT_EQ(Win().SetFocus(b), a);
  const std::vector<TRecord> log = Take();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_TRUE(log[0].Window == a && log[0].Msg == WM_SETFOCUS && log[0].Code == 0);
  EXPECT_TRUE(log[1].Window == a && log[1].Msg == WM_KILLFOCUS && log[1].Code == b);
  EXPECT_TRUE(log[2].Window == b && log[2].Msg == WM_SETFOCUS && log[2].Code == a);

  for (HWND refused : {hidden, box, inDisabled}) EXPECT_EQ(Win().SetFocus(refused), 0u);
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(Win().GetFocus(), b);

  EXPECT_EQ(Win().SetFocus(0), b);
  EXPECT_EQ(TakeMsgs(), std::vector<uint32_t>{WM_KILLFOCUS});
  // A destroyed focused window loses the focus without a message.
  Win().SetFocus(a);
  Take();
  Win().DestroyWindow(a);
  EXPECT_EQ(Win().GetFocus(), 0u);
  EXPECT_TRUE(Take().empty());
}

TEST_F(WindowsTest, CaptureTakesTheMouseAndDisabledWindowsGetNone) {
  const HWND top = Make({0, 0, 400, 200});
  const HWND a = Make({10, 10, 110, 110}, top);
  const HWND b = Make({200, 10, 300, 110}, top);
  Settle();
  EXPECT_EQ(Win().SetCapture(a), 0u);
  EXPECT_TRUE(Robot().MouseMove({250, 50}));
  EXPECT_EQ(Win().SetCapture(b), a);
  EXPECT_TRUE(Win().ReleaseCapture());
  EXPECT_TRUE(Robot().MouseMove({250, 50}));
  std::vector<TRecord> log = Take();
  ASSERT_EQ(log.size(), 4u);
  EXPECT_TRUE(log[0].Window == a && log[0].Msg == WM_MOUSEMOVE && log[0].Pos == (TPoint{240, 40}));
  EXPECT_TRUE(log[1].Window == a && log[1].Msg == WM_CAPTURECHANGED && log[1].Param == b);
  EXPECT_TRUE(log[2].Window == b && log[2].Msg == WM_CAPTURECHANGED && log[2].Param == 0);
  EXPECT_TRUE(log[3].Window == b && log[3].Msg == WM_MOUSEMOVE && log[3].Pos == (TPoint{50, 40}));
  EXPECT_EQ(Win().GetCursorPos(), (TPoint{250, 50}));

  // Disabled (itself or its parent): the mouse goes to nobody.
  Win().EnableWindow(b, false);
  EXPECT_FALSE(Robot().MouseMove({250, 50}));
  Win().EnableWindow(b, true);
  Win().EnableWindow(top, false);
  EXPECT_FALSE(Robot().MouseMove({250, 50}));
  EXPECT_FALSE(Robot().MouseMove({900, 900}));
  EXPECT_TRUE(Take().empty());
  // A destroyed capturing window loses the capture silently.
  Win().SetCapture(b);
  Win().DestroyWindow(b);
  EXPECT_EQ(Win().GetCapture(), 0u);
  EXPECT_TRUE(Take().empty());
}

TEST_F(WindowsTest, RobotMouseSequencesCarryClientCoordinatesButtonsAndModifiers) {
  const HWND top = Make({100, 100, 400, 400});
  const HWND a = Make({10, 10, 110, 110}, top);
  Settle();
  const TPoint at{120, 130};  // (10, 20) in a
  Robot().Click(at, TMouseButtonKind::Right, {ssShift});
  Robot().DoubleClick(at);
  std::vector<TRecord> log = Take();
  const std::vector<uint32_t> msgs{WM_RBUTTONDOWN, WM_RBUTTONUP,     WM_LBUTTONDOWN,
                                   WM_LBUTTONUP,   WM_LBUTTONDBLCLK, WM_LBUTTONUP};
  ASSERT_EQ(log.size(), msgs.size());
  for (std::size_t i = 0; i < log.size(); ++i) {
    EXPECT_EQ(log[i].Msg, msgs[i]);
    EXPECT_EQ(log[i].Window, a);
    EXPECT_EQ(log[i].Pos, (TPoint{10, 20}));
  }
  EXPECT_EQ(log[0].Keys, MK_RBUTTON | MK_SHIFT);
  EXPECT_TRUE(log[0].State.Contains(ssRight) && log[0].State.Contains(ssShift));
  EXPECT_EQ(log[1].Keys, MK_SHIFT);
  EXPECT_EQ(log[4].Keys, MK_LBUTTON);
  EXPECT_EQ(log[5].Keys, 0u);
  EXPECT_TRUE(Win().GetShiftState().Empty());  // the Shift of the click was let go

  Robot().Drag({110, 110}, {160, 135}, 5);
  log = Take();
  ASSERT_EQ(log.size(), 7u);
  EXPECT_EQ(log[0].Msg, WM_LBUTTONDOWN);
  EXPECT_EQ(log[0].Pos, (TPoint{0, 0}));
  for (int32_t i = 1; i <= 5; ++i) {
    EXPECT_EQ(log[i].Msg, WM_MOUSEMOVE);
    EXPECT_EQ(log[i].Pos, (TPoint{10 * i, 5 * i}));
    EXPECT_EQ(log[i].Keys, MK_LBUTTON);
  }
  EXPECT_EQ(log[6].Msg, WM_LBUTTONUP);
  EXPECT_EQ(log[6].Pos, (TPoint{50, 25}));
  EXPECT_EQ(Win().GetCursorPos(), (TPoint{160, 135}));

  // The wheel goes to the window under the point, or to the focused one.
  EXPECT_TRUE(Robot().Wheel(-WHEEL_DELTA, {350, 350}, {ssCtrl}));
  log = Take();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(log[0].Window == top && log[0].Code == -WHEEL_DELTA && log[0].Keys == MK_CONTROL);
  Win().SetFocus(a);
  Take();
  EXPECT_TRUE(Robot().Wheel(WHEEL_DELTA, {350, 350}));
  log = Take();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(log[0].Window == a && log[0].Code == WHEEL_DELTA && log[0].Pos == (TPoint{350, 350}));
}

TEST_F(WindowsTest, RobotKeysMakeCharactersLikeAUsKeyboard) {
  const HWND top = Make({0, 0, 100, 100});
  const HWND edit = Make({0, 0, 50, 20}, top);
  Settle();
  EXPECT_FALSE(Robot().KeyDown('A'));  // nobody has the focus
  Win().SetFocus(edit);
  Take();
  // The characters a key makes, and which key messages go with them.
  auto chars = [&](auto&& input) {
    input();
    std::vector<int64_t> out;
    for (const TRecord& r : Take())
      if (r.Msg == WM_CHAR) out.push_back(r.Code);
    return out;
  };
  using V = std::vector<int64_t>;
  EXPECT_EQ(chars([&] { Robot().Press('A'); }), V{'a'});
  EXPECT_EQ(chars([&] { Robot().Press('A', {ssShift}); }), V{'A'});
  EXPECT_EQ(chars([&] { Robot().Press('1', {ssShift}); }), V{'!'});
  EXPECT_EQ(chars([&] { Robot().Press(VK_OEM_2, {ssShift}); }), V{'?'});
  EXPECT_EQ(chars([&] { Robot().Press('C', {ssCtrl}); }), V{3});
  EXPECT_EQ(chars([&] { Robot().Press(VK_RETURN); }), V{13});
  EXPECT_EQ(chars([&] { Robot().Press(VK_LEFT); }), V{});
  EXPECT_EQ(chars([&] { Robot().Type("Hi!\n"); }), (V{'H', 'i', '!', 13}));

  Robot().Press('F', {ssAlt});
  std::vector<TRecord> log = Take();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_TRUE(log[0].Msg == WM_SYSKEYDOWN && log[0].Code == 'F' && log[0].Shift.Contains(ssAlt));
  EXPECT_EQ(log[1].Msg, WM_SYSKEYUP);

  // A modifier key held down stays down until it goes up.
  Robot().KeyDown(VK_SHIFT);
  Robot().Press('B');
  Robot().KeyUp(VK_SHIFT);
  log = Take();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_TRUE(log[0].Msg == WM_KEYDOWN && log[0].Code == VK_SHIFT && log[0].Shift.Contains(ssShift));
  EXPECT_TRUE(log[1].Msg == WM_KEYDOWN && log[1].Code == 'B' && log[1].Shift.Contains(ssShift));
  EXPECT_TRUE(log[2].Msg == WM_CHAR && log[2].Code == 'B');
  EXPECT_TRUE(log[3].Msg == WM_KEYUP && log[3].Code == 'B');
  EXPECT_TRUE(log[4].Msg == WM_KEYUP && log[4].Code == VK_SHIFT && !log[4].Shift.Contains(ssShift));
  EXPECT_TRUE(Win().GetShiftState().Empty());

  // A focused window that gets disabled takes no keys.
  Win().EnableWindow(edit, false);
  EXPECT_FALSE(Robot().KeyDown('A'));
  EXPECT_TRUE(Take().empty());
}

TEST_F(WindowsTest, PaintsParentsFirstAtTheirPlaceClippedByTheirParents) {
  const HWND top = Make({200, 200, 300, 280});
  const HWND panel = Make({10, 10, 60, 50}, top);    // 50 x 40
  const HWND inner = Make({40, 30, 90, 70}, panel);  // only 10 x 10 of it shows
  PaintWith(top, kWhite);
  PaintWith(panel, kRed);
  PaintWith(inner, kBlue);
  ASSERT_TRUE(Win().ProcessMessages());
  std::vector<TRecord> log = Take();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_TRUE(log[0].Window == top && log[1].Window == panel && log[2].Window == inner);
  EXPECT_EQ(log[2].Update, (TRect{0, 0, 10, 10}));  // the part that shows
  EXPECT_FALSE(Win().ProcessMessages());

  EXPECT_EQ(Shown(top, 5, 5), kWhite);
  EXPECT_EQ(Shown(top, 15, 15), kRed);
  EXPECT_EQ(Shown(top, 50, 40), kBlue);  // inner's (0, 0)
  EXPECT_EQ(Shown(top, 59, 49), kBlue);  // panel's last pixel
  EXPECT_EQ(Shown(top, 60, 45), kWhite);
  EXPECT_EQ(Shown(top, 55, 50), kWhite);
  EXPECT_EQ(Shown(inner, 0, 0), kBlue);
  EXPECT_EQ(Shown(panel, 45, 35), kBlue);

  // A window DC has the window's client coordinates and its visible part.
  const HDC dc = Win().GetDC(inner);
  TRect clip;
  EXPECT_EQ(FWs->GetClipBox(dc, clip), SIMPLEREGION);
  EXPECT_EQ(clip, (TRect{0, 0, 10, 10}));
  FWs->SetPixel(dc, 2, 3, kRed);
  EXPECT_EQ(FWs->GetPixel(dc, 2, 3), kRed);
  EXPECT_EQ(Shown(top, 52, 43), kRed);
  Win().ReleaseDC(inner, dc);

  // Only the invalid part is painted again, by the windows showing there
  // (the parent first), each with its share of it.
  const TRect part{0, 0, 5, 5};
  Win().InvalidateRect(panel, &part);
  PaintWith(panel, kBlue);
  ASSERT_TRUE(Win().ProcessMessages());
  log = Take();
  ASSERT_EQ(log.size(), 2u);
  EXPECT_EQ(log[0].Window, top);
  EXPECT_EQ(log[1].Window, panel);
  EXPECT_EQ(log[1].Update, part);
  EXPECT_EQ(Shown(top, 14, 14), kBlue);
  EXPECT_EQ(Shown(top, 15, 15), kRed);

  // Moving a child repaints the part of its parent it uncovered.
  PaintWith(panel, kRed);
  Win().SetWindowBounds(inner, {0, 0, 5, 5});
  Win().ProcessMessages();
  EXPECT_EQ(Shown(top, 55, 45), kRed);
  EXPECT_EQ(Shown(top, 12, 12), kBlue);
  // A hidden window is not painted until it shows.
  Win().ShowWindow(inner, false);
  Win().InvalidateRect(inner, nullptr);
  Take();
  Win().ProcessMessages();
  for (const TRecord& r : Take()) EXPECT_NE(r.Window, inner);
  EXPECT_EQ(Shown(top, 12, 12), kRed);
  Win().ShowWindow(inner, true);
  EXPECT_TRUE(Win().UpdateWindow(inner));
  EXPECT_EQ(Shown(top, 12, 12), kBlue);
  log = Take();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back().Window, inner);  // over the windows under it

  Win().DestroyWindow(top);
  FreeBrushes();
  EXPECT_EQ(FWs->HandleCount(), FStartHandles);
}

TEST_F(WindowsTest, PostedMessagesComeInOrderAndDieWithTheirWindow) {
  const HWND top = Make({0, 0, 10, 10});
  const HWND a = Make({0, 0, 5, 5}, top);
  const HWND b = Make({5, 0, 10, 5}, top);
  Settle();
  Win().PostMessage(a, WM_USER, 1, 2);
  Win().PostMessage(b, WM_USER + 1, 3, 4);
  Win().PostMessage(a, WM_USER + 2, 5, 6);
  // a, handling its first message, posts another and destroys b.
  RecorderOf(a)->OnMessage = [&](TMessage& m) {
    if (m.Msg == WM_USER) {
      Win().PostMessage(a, WM_USER + 3, 0, 0);
      Win().DestroyWindow(b);
    }
  };
  EXPECT_TRUE(Win().ProcessMessages());
  std::vector<TRecord> log = Take();
  ASSERT_GE(log.size(), 2u);
  EXPECT_TRUE(log[0].Msg == WM_USER && log[0].Code == 1 && log[0].Param == 2);
  EXPECT_TRUE(log[1].Msg == WM_USER + 2 && log[1].Code == 5);
  EXPECT_EQ(log.size(), 3u);  // the top-level window's paint where b was
  // What was posted during delivery waits for the next round.
  EXPECT_TRUE(Win().ProcessMessages());
  EXPECT_EQ(TakeMsgs(), std::vector<uint32_t>{WM_USER + 3});
  EXPECT_FALSE(Win().ProcessMessages());
}

TEST_F(WindowsTest, ReceiversMayDestroyWindowsAndThemselvesWhileHandlingMessages) {
  const HWND top = Make({0, 0, 200, 100});
  const HWND sibling = Make({100, 0, 200, 50}, top);
  // The receiver of `self` destroys its own window and its sibling on a
  // click, then frees itself.
  auto* receiver = host::New<TRecorder>(FLog, Win());
  const HWND self = MakeWith(receiver, {0, 0, 100, 50}, top);
  const HWND child = Make({0, 0, 10, 10}, self);
  receiver->OnMessage = [&, receiver](TMessage& m) {
    if (m.Msg != WM_LBUTTONDOWN) return;
    Win().DestroyWindow(self);
    Win().DestroyWindow(sibling);
    receiver->Free();
  };
  Win().SetFocus(self);
  Win().SetCapture(self);
  Win().PostMessage(child, WM_USER, 0, 0);
  Settle();
  Win().PostMessage(child, WM_USER, 0, 0);
  Win().InvalidateRect(child, nullptr);
  Robot().Click({50, 25});
  // The button-up went to the window under the point (now the top-level
  // one, which also repaints where the two were); the child's message and
  // paint died with it.
  std::vector<std::pair<HWND, uint32_t>> got;
  for (const TRecord& r : Take()) got.emplace_back(r.Window, r.Msg);
  const std::vector<std::pair<HWND, uint32_t>> expected{{self, WM_LBUTTONDOWN}, {top, WM_PAINT}, {top, WM_LBUTTONUP}};
  EXPECT_EQ(got, expected);
  EXPECT_FALSE(Win().IsWindow(child));
  EXPECT_EQ(Win().GetFocus(), 0u);
  EXPECT_EQ(Win().GetCapture(), 0u);

  // A parent destroying the window it lies in (and so itself) while it
  // paints: its children are not painted.
  const HWND inner = Make({0, 0, 50, 50}, top);
  const HWND innerChild = Make({0, 0, 10, 10}, inner);
  RecorderOf(inner)->OnMessage = [&](TMessage& m) {
    if (m.Msg == WM_PAINT) Win().DestroyWindow(top);
  };
  Take();
  Win().ProcessMessages();
  for (const TRecord& r : Take()) EXPECT_NE(r.Window, innerChild);
  EXPECT_EQ(Win().WindowCount(), 0u);
  EXPECT_EQ(FWs->HandleCount(), FStartHandles);
}

}  // namespace
}  // namespace host
