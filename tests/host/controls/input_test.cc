// Controls as a user meets them: the headless robot clicks, types, turns
// the wheel and drags on a shown form, and the controls answer with their
// events, focus moves and drops; and what a shown form paints.
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using headless::THeadlessRobot;

class Input : public ControlsTest {
 protected:
  void SetUp() override {
    ControlsTest::SetUp();
    form = NewForm();
  }
  void TearDown() override {
    form.reset();
    ControlsTest::TearDown();
  }
  static THeadlessRobot& Robot() { return Headless().Robot(); }
  static TPoint Center(TControl* c) { return c->ClientToScreen({c->GetWidth() / 2, c->GetHeight() / 2}); }
  void Show() {
    form->Show();
    ASSERT_TRUE(form->HandleAllocated());
  }
  TOwned<TProbe> form;
  std::vector<std::string> log;
};

TEST_F(Input, ARobotClickFiresOnClickOfWindowedAndGraphicControls) {
  TProbe* button = NewProbe(form.get(), "Button", Bounds(10, 10, 80, 25));
  TSwatch* swatch = NewSwatch(button, "Swatch", Bounds(60, 5, 10, 10));
  Show();
  button->OnClick = [&](TObject*) { log.push_back("button"); };
  swatch->OnClick = [&](TObject*) { log.push_back("swatch"); };
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int32_t x, int32_t y) {
    log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
  };
  Robot().Click(button->ClientToScreen({5, 6}));
  Robot().Click(Center(swatch));
  // Pressed on the button, released outside it: no click.
  Robot().MouseDown(Center(button));
  Robot().MouseUp(form->ClientToScreen({300, 200}));
  Robot().Click(Center(button), headless::TMouseButtonKind::Right);
  EXPECT_EQ(log, (std::vector<std::string>{"button", "up 5,6", "swatch", "up 290,190", "up 40,12"}));
  // A hidden or disabled control gets nothing.
  log.clear();
  button->SetEnabled(false);
  Robot().Click(Center(button));
  button->SetEnabled(true);
  button->Hide();
  Robot().Click(button->ClientToScreen({5, 5}));
  EXPECT_TRUE(log.empty());
}

TEST_F(Input, TabMovesTheFocusInTabOrderUnlessOnKeyDownSwallowsTheKey) {
  TProbe* a = NewProbe(form.get(), "A", Bounds(0, 0, 50, 20));
  TProbe* b = NewProbe(form.get(), "B", Bounds(0, 30, 50, 20));
  TProbe* c = NewProbe(form.get(), "C", Bounds(0, 60, 50, 20));
  c->SetTabOrder(0);  // C, A, B
  Show();
  for (TProbe* p : {a, b, c}) {
    p->OnEnter = [&, p](TObject*) { log.push_back("enter " + p->GetName()); };
    p->OnExit = [&, p](TObject*) { log.push_back("exit " + p->GetName()); };
  }
  a->SetFocus();
  Robot().Press(VK_TAB);
  EXPECT_TRUE(b->Focused());
  Robot().Press(VK_TAB);  // wraps around to the first
  EXPECT_TRUE(c->Focused());
  Robot().Press(VK_TAB, {ssShift});
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(log, (std::vector<std::string>{"enter A", "exit A", "enter B", "exit B", "enter C", "exit C", "enter B"}));
  // A handler that sets Key to 0 keeps the focus where it is; one that
  // turns another key into Tab moves it.
  b->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) { key = key == VK_TAB ? 0 : key == VK_RETURN ? VK_TAB : key; };
  Robot().Press(VK_TAB);
  EXPECT_TRUE(b->Focused());
  Robot().Press(VK_RETURN);
  EXPECT_TRUE(c->Focused());
  // Hidden and disabled controls cannot take the focus; nothing changes.
  a->SetEnabled(false);
  EXPECT_RAISES(a->SetFocus(), EInvalidOperation, "Cannot focus a disabled or invisible window (control 'A')");
  b->Hide();
  EXPECT_RAISES(b->SetFocus(), EInvalidOperation, "Cannot focus a disabled or invisible window (control 'B')");
  EXPECT_TRUE(c->Focused());
  Robot().Press(VK_TAB);  // neither A nor B can take it
  EXPECT_TRUE(c->Focused());
}

TEST_F(Input, TypedKeysReachTheFocusedControlAndOnKeyPressMayChangeThem) {
  TProbe* edit = NewProbe(form.get(), "Edit", Bounds(0, 0, 100, 20));
  Show();
  edit->SetFocus();
  std::string typed;
  edit->OnKeyPress = [&](TObject*, char& key) {
    if (key == 'x') key = 'y';
    typed += key;
  };
  edit->OnKeyUp = [&](TObject*, uint16_t& key, TShiftState shift) {
    log.push_back(std::to_string(key) + (shift.Contains(ssShift) ? "S" : ""));
  };
  Robot().Type("Ax!");
  EXPECT_EQ(typed, "Ay!");
  EXPECT_EQ(log, (std::vector<std::string>{"65S", "88", "49S"}));
}

TEST_F(Input, TheWheelGoesToTheFocusedControlNotchByNotchAndOnToItsParent) {
  TProbe* list = NewProbe(form.get(), "List", Bounds(0, 0, 100, 100));
  Show();
  list->SetFocus();
  list->OnMouseWheel = [&](TObject*, TShiftState, int32_t delta, TPoint, bool&) {
    log.push_back("wheel " + std::to_string(delta));
  };
  list->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& handled) {
    log.push_back("down");
    handled = log.size() > 3;
  };
  form->OnMouseWheel = [&](TObject*, TShiftState, int32_t, TPoint, bool& handled) {
    log.push_back("form");
    handled = true;
  };
  Robot().Wheel(-2 * WHEEL_DELTA, Center(list));
  Robot().Wheel(-WHEEL_DELTA, Center(list));
  EXPECT_EQ(log, (std::vector<std::string>{"wheel -240", "down", "down", "form", "wheel -120", "down"}));
}

TEST_F(Input, DraggingAskesTargetsAndDropsWhereOnDragOverAccepts) {
  TProbe* source = NewProbe(form.get(), "Source", Bounds(10, 10, 50, 50));
  TProbe* refuses = NewProbe(form.get(), "Refuses", Bounds(100, 10, 50, 50));
  TProbe* accepts = NewProbe(form.get(), "Accepts", Bounds(200, 10, 50, 50));
  Show();
  source->SetDragMode(dmAutomatic);
  source->OnStartDrag = [&](TObject*, TDragObject*&) { log.push_back("start"); };
  source->OnEndDrag = [&](TObject*, TObject* target, int32_t x, int32_t y) {
    log.push_back("end " + (target ? static_cast<TComponent*>(target)->GetName() : std::string("nil")) + " " +
                  std::to_string(x) + "," + std::to_string(y));
  };
  refuses->OnDragOver = [&](TObject*, TObject*, int32_t, int32_t, TDragState, bool& accept) { accept = false; };
  accepts->OnDragOver = [&](TObject*, TObject* src, int32_t, int32_t, TDragState state, bool&) {
    log.push_back("over " + static_cast<TComponent*>(src)->GetName() + " " + std::to_string(state));
  };
  accepts->OnDragDrop = [&](TObject*, TObject* src, int32_t x, int32_t y) {
    log.push_back("drop " + static_cast<TComponent*>(src)->GetName() + " " + std::to_string(x) + "," +
                  std::to_string(y));
  };
  Robot().Drag(Center(source), accepts->ClientToScreen({5, 7}), 4);
  EXPECT_FALSE(source->Dragging());
  Robot().Drag(Center(source), Center(refuses), 4);
  EXPECT_EQ(log, (std::vector<std::string>{"start", "over Source 0", "drop Source 5,7", "end Accepts 5,7", "start",
                                           "end nil 0,0"}));
  EXPECT_EQ(GetCaptureControl(), nullptr);
  // Esc cancels a running drag.
  log.clear();
  Robot().MouseDown(Center(source));
  Robot().MouseMove(Center(accepts));
  EXPECT_TRUE(source->Dragging());
  source->SetFocus();
  Robot().Press(VK_ESCAPE);
  EXPECT_FALSE(source->Dragging());
  Robot().MouseUp(Center(accepts));
  EXPECT_EQ(log, (std::vector<std::string>{"start", "over Source 0", "over Source 1", "end nil 0,0"}));
}

TEST_F(Input, ADockableControlDraggedOntoADockSiteLandsInIt) {
  TProbe* site = NewProbe(form.get(), "Site", Bounds(200, 0, 200, 300));
  TProbe* tool = NewProbe(form.get(), "Tool", Bounds(10, 10, 60, 40));
  Show();
  site->SetDockSite(true);
  tool->SetDragKind(dkDock);
  tool->SetDragMode(dmAutomatic);
  bool canDock = false;
  site->OnGetSiteInfo = [&](TObject*, TControl* client, TRect&, TPoint, bool& can) {
    log.push_back("info " + client->GetName());
    can = canDock;
  };
  site->OnDockDrop = [&](TObject*, TDragDockObject* source, int32_t, int32_t) {
    log.push_back("dock " + source->GetControl()->GetName());
  };
  tool->OnEndDock = [&](TObject*, TObject* target, int32_t, int32_t) {
    log.push_back(std::string("end ") + (target ? "site" : "nil"));
  };
  Robot().Drag(Center(tool), Center(site), 2);
  EXPECT_EQ(tool->GetParent(), form.get());
  canDock = true;
  Robot().Drag(Center(tool), Center(site), 2);
  EXPECT_EQ(tool->GetParent(), site);
  EXPECT_EQ(tool->GetHostDockSite(), site);
  EXPECT_EQ(log, (std::vector<std::string>{"info Tool", "end nil", "info Tool", "dock Tool", "end site"}));
}

TEST_F(Input, AShownFormPaintsItselfThenItsGraphicChildrenThenItsWindowedChildren) {
  form->SetColor(clWhite);
  TSwatch* swatch = NewSwatch(form.get(), "Swatch", Bounds(10, 10, 20, 20));
  swatch->SetColor(clRed);
  TProbe* probe = NewProbe(form.get(), "Probe", Bounds(20, 20, 20, 20));
  probe->PaintColor = clBlue;
  Show();
  WidgetSet().Windows().ProcessMessages();
  const HWND window = form->GetHandle();
  EXPECT_EQ(Shown(window, 5, 5), Drawn(clWhite));
  EXPECT_EQ(Shown(window, 15, 15), Drawn(clRed));
  EXPECT_EQ(Shown(window, 25, 25), Drawn(clBlue));  // the window is above the graphic control
  EXPECT_EQ(Shown(window, 35, 35), Drawn(clBlue));
  EXPECT_EQ(Shown(window, 45, 45), Drawn(clWhite));
  EXPECT_FALSE(probe->Log.empty());
  // Drawing on a graphic control's canvas outside its paint lands at its
  // place, in its own coordinates and within its bounds.
  TCanvas* canvas = swatch->GetCanvas();
  canvas->GetBrush()->SetColor(clGreen);
  canvas->FillRect(Rect(-5, -5, 4, 4));
  static_cast<TControlCanvas*>(canvas)->FreeHandle();
  EXPECT_EQ(Shown(window, 10, 10), Drawn(clGreen));
  EXPECT_EQ(Shown(window, 13, 13), Drawn(clGreen));
  EXPECT_EQ(Shown(window, 14, 14), Drawn(clRed));
  EXPECT_EQ(Shown(window, 9, 9), Drawn(clWhite));
}

}  // namespace
}  // namespace host::controlstest

namespace host::controlstest {
namespace {

using Handlers = Input;

TEST_F(Handlers, ARightClickShowsThePopupMenuOfTheControlOrOfItsNearestParent) {
  TProbe* panel = NewProbe(form.get(), "Panel", Bounds(0, 0, 200, 200));
  TSwatch* swatch = NewSwatch(panel, "Swatch", Bounds(10, 10, 20, 20));
  auto* menu = New<TPopupMenu>(form.get());
  auto* copy = New<TMenuItem>(form.get());
  copy->SetCaption("Copy");
  menu->GetItems()->Add(copy);
  panel->SetPopupMenu(menu);
  Show();
  const int32_t before = Headless().Menus().PopupCount();
  Robot().Click(Center(swatch), headless::TMouseButtonKind::Right);
  EXPECT_EQ(Headless().Menus().PopupCount(), before + 1);
  EXPECT_EQ(menu->GetPopupComponent(), swatch);
  ASSERT_NE(Headless().Menus().OpenPopup(), nullptr);
  EXPECT_EQ(Headless().Menus().OpenPopup()->Point, Center(swatch));
  menu->SetAutoPopup(false);
  Robot().Click(Center(panel), headless::TMouseButtonKind::Right);
  EXPECT_EQ(Headless().Menus().PopupCount(), before + 1);
  // A freed popup menu is forgotten.
  menu->Free();
  EXPECT_EQ(panel->GetPopupMenu(), nullptr);
  Robot().Click(Center(panel), headless::TMouseButtonKind::Right);
}

TEST_F(Handlers, ControlsFreedInTheirOwnHandlersAreNotTouchedAgain) {
  TProbe* a = NewProbe(form.get(), "A", Bounds(0, 0, 50, 20));
  TProbe* b = NewProbe(form.get(), "B", Bounds(0, 30, 50, 20));
  TProbe* target = NewProbe(form.get(), "Target", Bounds(100, 0, 50, 50));
  Show();
  a->SetFocus();
  a->OnKeyDown = [](TObject* sender, uint16_t&, TShiftState) { static_cast<TControl*>(sender)->Free(); };
  Robot().Press('X');
  EXPECT_EQ(form->FindComponent("A"), nullptr);
  b->SetFocus();
  b->OnExit = [](TObject* sender) { static_cast<TControl*>(sender)->Free(); };
  target->SetFocus();
  EXPECT_EQ(form->FindComponent("B"), nullptr);
  EXPECT_TRUE(target->Focused());
  // A drop target freeing the source, and a source freed while it drags.
  TProbe* source = NewProbe(form.get(), "Source", Bounds(0, 60, 50, 50));
  source->SetDragMode(dmAutomatic);
  target->OnDragOver = [](TObject*, TObject*, int32_t, int32_t, TDragState, bool& accept) { accept = true; };
  target->OnDragDrop = [](TObject*, TObject* src, int32_t, int32_t) { static_cast<TControl*>(src)->Free(); };
  Robot().Drag(Center(source), Center(target), 3);
  EXPECT_EQ(form->FindComponent("Source"), nullptr);
  source = NewProbe(form.get(), "Source2", Bounds(0, 60, 50, 50));
  source->SetDragMode(dmAutomatic);
  const TPoint from = Center(source);
  Robot().MouseDown(from);
  Robot().MouseMove(Center(target));
  source->Free();
  EXPECT_EQ(DragControl(), nullptr);
  Robot().MouseUp(Center(target));
  // The whole form freed from a child's click.
  TProbe* closer = NewProbe(form.get(), "Closer", Bounds(200, 200, 50, 20));
  closer->OnClick = [this](TObject*) { form.reset(); };
  Robot().Click(Center(closer));
  EXPECT_EQ(form, nullptr);
}

TEST_F(Handlers, ScalingScrollingFlippingAndPaintingToAnotherCanvasMoveOrDrawTheChildren) {
  TProbe* left = NewProbe(form.get(), "Left", Bounds(10, 20, 100, 50));
  TSwatch* swatch = NewSwatch(form.get(), "Swatch", Bounds(300, 20, 40, 40));
  swatch->SetColor(clRed);
  form->SetColor(clWhite);
  form->ScaleBy(3, 2);
  EXPECT_EQ(form->GetBoundsRect(), Bounds(100, 100, 600, 450));
  EXPECT_EQ(left->GetBoundsRect(), Bounds(15, 30, 150, 75));
  form->ScrollBy(-5, 10);
  EXPECT_EQ(left->GetBoundsRect(), Bounds(10, 40, 150, 75));
  form->FlipChildren(false);
  EXPECT_EQ(left->GetLeft(), 600 - 160);
  EXPECT_EQ(swatch->GetLeft(), 600 - (445 + 60));
  // PaintTo draws the control and its children without a window.
  auto bitmap = MakeOwned<TBitmap>();
  bitmap->SetSize(700, 500);
  form->PaintTo(bitmap->GetCanvas()->GetHandle(), 50, 0);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(55, 5), clWhite);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(50 + swatch->GetLeft() + 1, swatch->GetTop() + 1), clRed);
  EXPECT_FALSE(form->HandleAllocated());
}

}  // namespace
}  // namespace host::controlstest
