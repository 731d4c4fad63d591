// Controls without input: parents and bad input, bounds with constraints
// and resize events, alignment and anchors, what children take from their
// parent, actions, z-order and freeing.
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using Controls = ControlsTest;

std::string Names(const TWinControl* Parent) {
  std::string names;
  for (int32_t i = 0; i < Parent->GetControlCount(); ++i)
    names += (i ? "," : "") + Parent->GetControls(i)->GetName();
  return names;
}

TEST_F(Controls, ParentsRefuseLoopsAndBadIndexesAndChangeNothing) {
  auto form = NewForm();
  TProbe* panel = NewProbe(form.get(), "Panel", Bounds(0, 0, 100, 100));
  TProbe* inner = NewProbe(panel, "Inner", Bounds(0, 0, 50, 50));
  EXPECT_RAISES(panel->SetParent(panel), EInvalidOperation,
                "Control 'Panel' cannot be its own parent or the parent of one of its parents");
  EXPECT_RAISES(panel->SetParent(inner), EInvalidOperation,
                "Control 'Panel' cannot be its own parent or the parent of one of its parents");
  EXPECT_EQ(panel->GetParent(), form.get());
  EXPECT_EQ(inner->GetParent(), panel);
  EXPECT_EQ(Names(form.get()), "Panel");
  EXPECT_RAISES(form->GetControls(1), EListError, "List index out of bounds (1)");
  EXPECT_RAISES(form->GetControls(-1), EListError, "List index out of bounds (-1)");
  // Moving a child to another parent takes it out of the first.
  inner->SetParent(form.get());
  EXPECT_EQ(Names(form.get()), "Panel,Inner");
  EXPECT_EQ(panel->GetControlCount(), 0);
  EXPECT_TRUE(form->ContainsControl(inner));
  EXPECT_FALSE(panel->ContainsControl(inner));
  EXPECT_EQ(form->FindChildControl("inner"), inner);
}

TEST_F(Controls, SizesOutsideTheRangeAreRefusedAndConstraintsAndHandlersShapeTheRest) {
  auto form = NewForm();
  TProbe* c = NewProbe(form.get(), "Box", Bounds(10, 20, 30, 40));
  EXPECT_RAISES(c->SetWidth(-1), EInvalidOperation, "Invalid size -1 x 40 for control 'Box' (0..16777216)");
  EXPECT_RAISES(c->SetBounds(0, 0, 10, MaxControlSize + 1), EInvalidOperation,
                "Invalid size 10 x 16777217 for control 'Box' (0..16777216)");
  EXPECT_EQ(c->GetBoundsRect(), Bounds(10, 20, 30, 40));

  std::vector<std::string> log;
  c->OnResize = [&](TObject*) { log.push_back("resize " + std::to_string(c->GetWidth())); };
  c->GetConstraints()->SetMaxWidth(100);
  c->GetConstraints()->SetMinHeight(50);  // applied at once
  EXPECT_EQ(c->GetHeight(), 50);
  c->SetWidth(500);
  EXPECT_EQ(c->GetWidth(), 100);
  EXPECT_RAISES(c->GetConstraints()->SetMinWidth(-5), EInvalidOperation,
                "Size constraint -5 of control 'Box' is negative");
  // OnConstrainedResize may move the limits, OnCanResize may veto or change the size.
  c->OnConstrainedResize = [](TObject*, int32_t& minW, int32_t&, int32_t& maxW, int32_t&) {
    minW = 60;
    maxW = 80;
  };
  c->SetWidth(10);
  EXPECT_EQ(c->GetWidth(), 60);
  c->OnCanResize = [](TObject*, int32_t& w, int32_t&, bool& resize) { resize = w != 77; };
  c->SetWidth(77);
  EXPECT_EQ(c->GetWidth(), 60);
  c->SetLeft(5);  // a move is no resize
  EXPECT_EQ(log, (std::vector<std::string>{"resize 30", "resize 100", "resize 60"}));
}

TEST_F(Controls, AlignmentLaysChildrenOutEdgeByEdgeAndAnchorsKeepDistances) {
  auto form = NewForm();  // 400 x 300
  TProbe* top = NewProbe(form.get(), "Top", Bounds(0, 0, 10, 30));
  TProbe* left = NewProbe(form.get(), "Left", Bounds(0, 0, 50, 10));
  TProbe* client = NewProbe(form.get(), "Client", Bounds(0, 0, 10, 10));
  TProbe* bottom = NewProbe(form.get(), "Bottom", Bounds(0, 0, 10, 20));
  TProbe* top2 = NewProbe(form.get(), "Top2", Bounds(0, 100, 10, 15));
  TProbe* anchored = NewProbe(form.get(), "Anchored", Bounds(300, 250, 40, 20));
  anchored->SetAnchors({akRight, akBottom});
  TProbe* stretched = NewProbe(form.get(), "Stretched", Bounds(10, 250, 100, 20));
  stretched->SetAnchors({akLeft, akRight});
  client->SetAlign(alClient);
  top->SetAlign(alTop);
  left->SetAlign(alLeft);
  bottom->SetAlign(alBottom);
  top2->SetAlign(alTop);  // below Top: its Top was further down
  EXPECT_EQ(top->GetBoundsRect(), Bounds(0, 0, 400, 30));
  EXPECT_EQ(top2->GetBoundsRect(), Bounds(0, 30, 400, 15));
  EXPECT_EQ(bottom->GetBoundsRect(), Bounds(0, 280, 400, 20));
  EXPECT_EQ(left->GetBoundsRect(), Bounds(0, 45, 50, 235));
  EXPECT_EQ(client->GetBoundsRect(), Bounds(50, 45, 350, 235));

  // The parent's OnResize comes after its children were aligned anew.
  int32_t clientWidthInOnResize = 0;
  form->OnResize = [&](TObject*) { clientWidthInOnResize = client->GetWidth(); };
  form->SetBounds(100, 100, 500, 400);
  EXPECT_EQ(clientWidthInOnResize, 450);
  EXPECT_EQ(client->GetBoundsRect(), Bounds(50, 45, 450, 335));
  EXPECT_EQ(bottom->GetBoundsRect(), Bounds(0, 380, 500, 20));
  EXPECT_EQ(anchored->GetBoundsRect(), Bounds(400, 350, 40, 20));
  EXPECT_EQ(stretched->GetBoundsRect(), Bounds(10, 250, 200, 20));

  // Hidden children take no room; disabled alignment waits for EnableAlign.
  top->SetVisible(false);
  EXPECT_EQ(top2->GetTop(), 0);
  form->DisableAlign();
  top->SetVisible(true);
  EXPECT_EQ(top2->GetTop(), 0);
  form->EnableAlign();
  EXPECT_EQ(top2->GetTop(), 30);

  // Borders and bevels shrink the area children align in.
  form->SetBorderWidth(5);
  EXPECT_EQ(top->GetBoundsRect(), Bounds(5, 5, 490, 30));
}

// Padding keeps room inside the parent; a control aligned with margins
// keeps them clear around itself, and its margins do nothing otherwise.
TEST_F(Controls, PaddingAndMarginsKeepRoomAroundAlignedChildren) {
  auto form = NewForm();  // 400 x 300
  TProbe* top = NewProbe(form.get(), "Top", Bounds(0, 0, 10, 20));
  TProbe* right = NewProbe(form.get(), "Right", Bounds(0, 0, 30, 10));
  TProbe* client = NewProbe(form.get(), "Client", Bounds(0, 0, 10, 10));
  top->SetAlign(alTop);
  right->SetAlign(alRight);
  client->SetAlign(alClient);
  form->GetPadding()->SetBounds(5, 6, 7, 8);
  EXPECT_EQ(top->GetBoundsRect(), Bounds(5, 6, 388, 20));
  EXPECT_EQ(client->GetBoundsRect(), Bounds(5, 26, 358, 266));
  right->GetMargins()->SetBounds(1, 2, 3, 4);  // no effect yet
  EXPECT_EQ(right->GetBoundsRect(), Bounds(363, 26, 30, 266));
  right->SetAlignWithMargins(true);
  EXPECT_EQ(right->GetBoundsRect(), Bounds(360, 28, 30, 260));
  EXPECT_EQ(client->GetBoundsRect(), Bounds(5, 26, 354, 266));
  top->SetAlignWithMargins(true);  // 3 a side by default
  EXPECT_EQ(top->GetBoundsRect(), Bounds(8, 9, 382, 20));
  EXPECT_EQ(client->GetTop(), 32);
  right->GetMargins()->SetLeft(10);  // a change aligns again
  EXPECT_EQ(client->GetWidth(), 345);

  // A negative side is refused and changes nothing.
  EXPECT_RAISES(right->GetMargins()->SetTop(-1), EInvalidOperation, "Margin -1 of control 'Right' is negative");
  EXPECT_RAISES(form->GetPadding()->SetBounds(1, 1, -2, 1), EInvalidOperation,
                "Margin -2 of control 'Form' is negative");
  EXPECT_EQ(right->GetMargins()->GetTop(), 2);
  EXPECT_EQ(form->GetPadding()->GetRight(), 7);
  EXPECT_EQ(client->GetBoundsRect(), Bounds(5, 32, 345, 260));

  // Assigning copies all four sides; margins too large leave no room, not
  // a negative size.
  TProbe* other = NewProbe(form.get(), "Other", Bounds(0, 0, 10, 10));
  other->SetMargins(right->GetMargins());
  EXPECT_EQ(other->GetMargins()->GetLeft(), 10);
  EXPECT_EQ(other->GetMargins()->GetBottom(), 4);
  client->SetAlignWithMargins(true);
  client->GetMargins()->SetBounds(1000, 0, 1000, 0);
  EXPECT_EQ(client->GetWidth(), 0);
}

TEST_F(Controls, ChildrenTakeColourFontAndHintsFromTheirParentUntilTheyHaveTheirOwn) {
  auto form = NewForm();
  TProbe* panel = NewProbe(form.get(), "Panel", Bounds(0, 0, 100, 100));
  TSwatch* swatch = NewSwatch(panel, "Swatch", Bounds(0, 0, 10, 10));
  form->SetColor(clRed);
  EXPECT_EQ(panel->GetColor(), clRed);
  EXPECT_EQ(swatch->GetColor(), clRed);
  EXPECT_TRUE(swatch->GetParentColor());
  panel->SetColor(clBlue);
  EXPECT_FALSE(panel->GetParentColor());
  EXPECT_EQ(swatch->GetColor(), clBlue);
  form->SetColor(clGreen);
  EXPECT_EQ(panel->GetColor(), clBlue);
  panel->SetParentColor(true);
  EXPECT_EQ(swatch->GetColor(), clGreen);

  form->GetFont()->SetSize(14);
  EXPECT_EQ(swatch->GetFont()->GetSize(), 14);
  swatch->GetFont()->SetSize(20);
  EXPECT_FALSE(swatch->GetParentFont());
  form->GetFont()->SetSize(9);
  EXPECT_EQ(swatch->GetFont()->GetSize(), 20);
  EXPECT_EQ(panel->GetFont()->GetSize(), 9);

  form->SetShowHint(true);
  EXPECT_TRUE(swatch->GetShowHint());
}

TEST_F(Controls, AnActionGivesItsStateAndRunsOnClickUnlessTheControlHasAnOnClickOfItsOwn) {
  auto form = NewForm();
  TProbe* button = NewProbe(form.get(), "Button", Bounds(0, 0, 80, 25));
  auto* action = New<TAction>(form.get());
  action->SetCaption("Save");
  action->SetHint("Saves");
  int executed = 0, clicked = 0;
  action->OnExecute = [&](TObject*) { ++executed; };
  button->SetAction(action);
  EXPECT_EQ(button->GetCaption(), "Save");
  EXPECT_EQ(button->GetHint(), "Saves");
  button->Click();
  EXPECT_EQ(executed, 1);
  action->SetEnabled(false);
  EXPECT_FALSE(button->GetEnabled());
  action->SetCaption("Store");
  EXPECT_EQ(button->GetCaption(), "Store");
  // Any change of the action brings all of its state again.
  button->SetCaption("Mine");
  action->SetHint("Stores");
  EXPECT_EQ(button->GetCaption(), "Store");
  button->OnClick = [&](TObject*) { ++clicked; };
  button->Click();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(clicked, 1);
  // The action going away unlinks the control.
  action->Free();
  EXPECT_EQ(button->GetAction(), nullptr);
}

TEST_F(Controls, TextZOrderAndFreeingKeepTheTreeConsistent) {
  auto form = NewForm();
  TProbe* a = NewProbe(form.get(), "A", Bounds(0, 0, 10, 10));
  TSwatch* b = NewSwatch(form.get(), "B", Bounds(0, 0, 10, 10));
  TProbe* c = NewProbe(form.get(), "C", Bounds(0, 0, 10, 10));
  a->BringToFront();
  EXPECT_EQ(Names(form.get()), "B,C,A");
  a->SendToBack();
  EXPECT_EQ(Names(form.get()), "A,B,C");
  c->SetText("Hello");
  EXPECT_EQ(c->GetCaption(), "Hello");
  char buffer[4];
  EXPECT_EQ(c->GetTextBuf(buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "Hel");
  // Freeing a child takes it out of its parent; freeing the parent frees
  // the children.
  b->Free();
  EXPECT_EQ(Names(form.get()), "A,C");
  auto* panel = NewProbe(form.get(), "Panel", Bounds(0, 0, 10, 10));
  NewSwatch(panel, "Inside", Bounds(0, 0, 1, 1));
  panel->Free();
  EXPECT_EQ(form->FindComponent("Inside"), nullptr);
  EXPECT_EQ(Names(form.get()), "A,C");
}

TEST_F(Controls, ClicksNeedDownAndUpInsideAndReachGraphicChildrenThroughTheirParent) {
  auto form = NewForm();
  TSwatch* swatch = NewSwatch(form.get(), "Swatch", Bounds(50, 60, 20, 20));
  std::vector<std::string> log;
  swatch->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int32_t x, int32_t y) {
    log.push_back("down " + std::to_string(b) + " " + std::to_string(x) + "," + std::to_string(y) +
                  (s.Contains(ssShift) ? " shift" : ""));
  };
  swatch->OnClick = [&](TObject*) { log.push_back("click"); };
  swatch->OnDblClick = [&](TObject*) { log.push_back("dblclick"); };
  auto at = [](int32_t x, int32_t y) { return int64_t{x} | (int64_t{y} << 16); };
  form->Perform(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, at(55, 65));
  EXPECT_TRUE(swatch->GetMouseCapture());
  // Released outside: the capture still brings it to the swatch, but no click.
  form->Perform(WM_LBUTTONUP, 0, at(5, 5));
  EXPECT_FALSE(swatch->GetMouseCapture());
  form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at(51, 61));
  form->Perform(WM_LBUTTONUP, 0, at(52, 62));
  form->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, at(52, 62));
  form->Perform(WM_LBUTTONUP, 0, at(52, 62));
  EXPECT_EQ(log, (std::vector<std::string>{"down 0 5,5 shift", "down 0 1,1", "click", "dblclick", "down 0 2,2"}));
  // A disabled graphic control lets the parent have the mouse.
  swatch->SetEnabled(false);
  int formDowns = 0;
  form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { ++formDowns; };
  form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at(55, 65));
  form->Perform(WM_LBUTTONUP, 0, at(55, 65));
  EXPECT_EQ(formDowns, 1);
}

TEST_F(Controls, AControlFreedByItsOwnClickIsNotTouchedAgain) {
  auto form = NewForm();
  TSwatch* swatch = NewSwatch(form.get(), "Swatch", Bounds(0, 0, 20, 20));
  int ups = 0;
  swatch->OnClick = [&](TObject* sender) { static_cast<TControl*>(sender)->Free(); };
  swatch->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int32_t, int32_t) { ++ups; };
  form->Perform(WM_LBUTTONDOWN, MK_LBUTTON, 0x00050005);
  form->Perform(WM_LBUTTONUP, 0, 0x00050005);
  EXPECT_EQ(form->GetControlCount(), 0);
  EXPECT_EQ(ups, 0);
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(Controls, DockingNeedsADockSiteAndTheSiteMayRefuseToLetGo) {
  auto form = NewForm();
  TProbe* site = NewProbe(form.get(), "Site", Bounds(0, 0, 200, 200));
  TProbe* other = NewProbe(form.get(), "Other", Bounds(200, 0, 200, 200));
  TProbe* tool = NewProbe(form.get(), "Tool", Bounds(10, 250, 50, 40));
  EXPECT_RAISES(tool->ManualDock(site), EInvalidOperation, "Control 'Tool' cannot dock in 'Site': it is not a dock site");
  EXPECT_EQ(tool->GetParent(), form.get());
  site->SetDockSite(true);
  other->SetDockSite(true);
  std::vector<std::string> log;
  bool allow = false;
  site->OnUnDock = [&](TObject*, TControl* client, TWinControl* target, bool& Allow) {
    log.push_back(client->GetName() + " to " + (target ? target->GetName() : "nowhere"));
    Allow = allow;
  };
  EXPECT_TRUE(tool->ManualDock(site, nullptr, alLeft));
  EXPECT_EQ(tool->GetParent(), site);
  EXPECT_EQ(tool->GetHostDockSite(), site);
  EXPECT_EQ(site->GetDockClientCount(), 1);
  EXPECT_EQ(site->GetDockClients(0), tool);
  EXPECT_RAISES(site->GetDockClients(1), EListError, "List index out of bounds (1)");
  EXPECT_FALSE(tool->ManualDock(other));
  EXPECT_EQ(tool->GetHostDockSite(), site);
  allow = true;
  EXPECT_TRUE(tool->ManualDock(other));
  EXPECT_EQ(tool->GetParent(), other);
  EXPECT_EQ(site->GetDockClientCount(), 0);
  EXPECT_EQ(log, (std::vector<std::string>{"Tool to Other", "Tool to Other"}));
  EXPECT_RAISES(other->ManualDock(tool), EInvalidOperation, "Control 'Other' cannot dock in 'Tool': it is not a dock site");
}

}  // namespace
}  // namespace host::controlstest
