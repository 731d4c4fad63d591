// The design surface as an author meets it: the robot's clicks, drags and
// keys on a designed form select, move, resize, drop, delete and undo.
#include <random>

#include "host/actnlist/actnlist.h"
#include "host/classes/formtext.h"
#include "host/designer/designsurface.h"
#include "host/designer/objinsp.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"
#include "tests/host/designer/designer_test.h"

namespace host::designertest {
namespace {

class DesignSurfaceTest : public DesignerTest {
 protected:
  void SetUp() override {
    DesignerTest::SetUp();
    Headless().Windows().ClearMessageBoxes();
    Form()->SetBounds(100, 100, 400, 300);
    Form()->Show();
    surface = MakeOwned<TDesignSurface>(designer.get());
    atStart = Text();
    button = Drop<TButton>(nullptr, 16, 16, 75, 25);
    edit = Drop<TEdit>(nullptr, 16, 64, 121, 21);
    surface->Refresh();
    Idle();
  }
  void TearDown() override {
    surface.reset();
    DesignerTest::TearDown();
  }

  static headless::THeadlessWidgetSet& Headless() {
    return static_cast<headless::THeadlessWidgetSet&>(WidgetSet());
  }
  static headless::THeadlessRobot& Robot() { return Headless().Robot(); }
  static void Idle() { WidgetSet().Windows().ProcessMessages(); }
  static TPoint Center(TControl* Control) {
    return Control->ClientToScreen({Control->GetWidth() / 2, Control->GetHeight() / 2});
  }
  TPoint OnForm(int32_t X, int32_t Y) { return Form()->ClientToScreen({X, Y}); }
  void Click(TPoint At, TShiftState Shift = {}) {
    Robot().Click(At, headless::TMouseButtonKind::Left, Shift);
    Idle();
  }
  void Drag(TPoint From, TPoint To) {
    Robot().Drag(From, To);
    Idle();
  }
  void Press(uint16_t Key, TShiftState Shift = {}) {
    Robot().Press(Key, Shift);
    Idle();
  }
  std::vector<TPersistent*> Selected() const { return designer->Selection(); }
  std::string Text() const {
    TOwned<TStringStream> text = MakeOwned<TStringStream>("");
    TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
    binary->WriteComponent(designer->GetRoot());
    binary->SetPosition(0);
    ObjectBinaryToText(binary.get(), text.get());
    return text->GetDataString();
  }

  TOwned<TDesignSurface> surface;
  std::string atStart;  // the form when the surface came
  TButton* button = nullptr;
  TEdit* edit = nullptr;
};

TEST_F(DesignSurfaceTest, ClicksSelectDragsMoveOnTheGridAndHandlesResize) {
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Click(Center(button));
  EXPECT_EQ(clicks, 0) << "a designed button is selected, not pressed";
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{button});
  EXPECT_EQ(surface->HandleCount(), 8);
  Click(Center(edit), TShiftState{ssShift});
  EXPECT_EQ(Selected(), (std::vector<TPersistent*>{button, edit}));
  EXPECT_EQ(surface->HandleCount(), 8) << "two controls: four corner handles each";

  // Both move by the snapped distance of the first: 16 + 21 -> 40, 16 + 10 -> 24.
  Drag(Center(button), {Center(button).X + 21, Center(button).Y + 10});
  EXPECT_EQ(button->GetBoundsRect(), Bounds(40, 24, 75, 25));
  EXPECT_EQ(edit->GetBoundsRect(), Bounds(40, 72, 121, 21));
  Click(Center(edit), TShiftState{ssShift});
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{button}) << "Shift takes a selected control out";

  // The bottom-right handle: the right and bottom edges snap.
  const TPoint corner = Form()->ClientToScreen({button->GetLeft() + 75, button->GetTop() + 25});
  Drag(corner, {corner.X + 30, corner.Y + 7});
  EXPECT_EQ(button->GetBoundsRect(), (TRect{40, 24, 144, 56}));

  // Each drag was one change; undo goes back a drag at a time.
  ASSERT_TRUE(surface->CanUndo());
  surface->Undo();
  auto* again = static_cast<TButton*>(designer->GetComponent("Button1"));
  EXPECT_EQ(again->GetBoundsRect(), Bounds(40, 24, 75, 25));
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{again}) << "the selection keeps its names";
  surface->Undo();
  EXPECT_EQ(static_cast<TButton*>(designer->GetComponent("Button1"))->GetBoundsRect(), Bounds(16, 16, 75, 25));
  surface->Redo();
  surface->Redo();
  EXPECT_EQ(static_cast<TButton*>(designer->GetComponent("Button1"))->GetBoundsRect(), (TRect{40, 24, 144, 56}));
  EXPECT_FALSE(surface->CanRedo());
  EXPECT_TRUE(Form()->GetVisible()) << "the form shown again after undo";
}

TEST_F(DesignSurfaceTest, KeysNudgeResizeEscapeAndDeleteAndDeletingUndoes) {
  Click(Center(button));
  Press(VK_RIGHT);
  Press(VK_RIGHT);
  Press(VK_DOWN, TShiftState{ssShift});
  EXPECT_EQ(button->GetBoundsRect(), Bounds(18, 16, 75, 26));
  EXPECT_EQ(edit->GetText(), "Edit1") << "keys do not reach a designed edit";
  Press(VK_ESCAPE);
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{Form()});
  Press(VK_DELETE);
  Idle();
  EXPECT_NE(designer->GetComponent("Button1"), nullptr) << "the form itself is never deleted";
  EXPECT_FALSE(Headless().Windows().MessageBoxesShown().empty()) << "the reason is shown";

  Click(Center(button));
  Press(VK_DELETE);
  EXPECT_EQ(designer->GetComponent("Button1"), nullptr);
  EXPECT_TRUE(Selected().empty());
  surface->Undo();
  auto* back = static_cast<TButton*>(designer->GetComponent("Button1"));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->GetBoundsRect(), Bounds(18, 16, 75, 26));
  EXPECT_EQ(back->GetParent(), Form());
}

TEST_F(DesignSurfaceTest, ARubberBandSelectsTheControlsItTouches) {
  Drop<TLabel>(nullptr, 300, 200);
  Drag(OnForm(4, 4), OnForm(30, 70));
  EXPECT_EQ(Selected(), (std::vector<TPersistent*>{button, edit}));
  Drag(OnForm(390, 4), OnForm(380, 10));
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{Form()}) << "touching nothing selects the form";
  EXPECT_EQ(WidgetSet().Windows().GetCapture(), 0u);
}

TEST_F(DesignSurfaceTest, ThePaletteDropsAndComponentsThatAreNoControlsShowAsIcons) {
  auto* box = Drop<TGroupBox>(nullptr, 160, 16, 200, 120);
  surface->Refresh();
  TComponent* dropped = nullptr;
  surface->OnDropped = [&](TComponent* Component) { dropped = Component; };
  surface->SetDropClass(&TButton::StaticMetaClass);
  Click(box->ClientToScreen({42, 37}));
  ASSERT_NE(dropped, nullptr);
  auto* inside = dynamic_cast<TButton*>(dropped);
  ASSERT_NE(inside, nullptr);
  EXPECT_EQ(inside->GetName(), "Button2");
  EXPECT_EQ(inside->GetParent(), box) << "a control dropped on a group box goes into it";
  EXPECT_EQ(inside->GetLeft(), 40);
  EXPECT_EQ(inside->GetTop(), 40);
  EXPECT_EQ(Selected(), std::vector<TPersistent*>{inside});
  EXPECT_EQ(surface->GetDropClass(), nullptr);
  Click(Center(inside));
  EXPECT_EQ(designer->GetComponent("Button3"), nullptr) << "one click drops one component";

  surface->SetDropClass(&TActionList::StaticMetaClass);
  Click(OnForm(202, 203));
  auto* actions = dynamic_cast<TActionList*>(designer->GetComponent("ActionList1"));
  ASSERT_NE(actions, nullptr);
  const TRect icon = surface->IconRect(actions);
  EXPECT_EQ(icon.TopLeft(), OnForm(200, 200));
  TComponent* asked = nullptr;
  surface->OnContextMenu = [&](TComponent* Component, TPoint) { asked = Component; };
  Robot().Click({icon.Left + 5, icon.Top + 5}, headless::TMouseButtonKind::Right);
  Idle();
  EXPECT_EQ(asked, actions);
  Drag({icon.Left + 5, icon.Top + 5}, {icon.Left + 21, icon.Top + 13});
  EXPECT_EQ(surface->IconRect(actions).TopLeft(), OnForm(216, 208));
  // The icon's place is the component's Left and Top in the form file.
  const std::string text = Text();
  EXPECT_NE(text.find("object ActionList1: TActionList\n    Left = 216\n    Top = 208\n"), std::string::npos) << text;
  TOwned<TStringStream> in = MakeOwned<TStringStream>(text);
  TOwned<TComponent> read = ReadAtRunTime(in.get());
  EXPECT_EQ(read->FindComponent("ActionList1")->GetDesignInfo(), (208 << 16) | 216);
}

TEST_F(DesignSurfaceTest, WorkThatCannotBeDoneIsShownAndChangesNothing) {
  const std::string before = Text();
  surface->SetDropClass(&TForm::StaticMetaClass);
  Click(OnForm(300, 200));
  ASSERT_EQ(Headless().Windows().MessageBoxesShown().size(), 1u);
  EXPECT_EQ(Headless().Windows().MessageBoxesShown()[0].Text,
            "A TForm cannot be placed on a form: it is designed as a form of its own.");
  EXPECT_EQ(Text(), before);
  EXPECT_FALSE(surface->CanUndo() && Text() != before);
  EXPECT_RAISES(surface->SetGridSize(0), EInvalidOperation, "A grid of 0 pixels is not possible (1 to 64)");
  EXPECT_EQ(surface->GetGridSize(), 8);
}

// Any sequence of design work leaves a form that saves and reads back, and
// undoing all of it gives the form the surface started with.
TEST_F(DesignSurfaceTest, RandomDesignWorkKeepsTheFormWhole) {
  TOwned<TObjectInspectorModel> inspector = MakeOwned<TObjectInspectorModel>(designer.get());
  std::mt19937 random(7);
  auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const TClass classes[] = {&TButton::StaticMetaClass, &TEdit::StaticMetaClass, &TGroupBox::StaticMetaClass,
                            &TLabel::StaticMetaClass, &TActionList::StaticMetaClass};
  const uint16_t keys[] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_DELETE, VK_ESCAPE};
  int steps = 0;
  for (int step = 0; step < 400; ++step) {
    const TPoint at = OnForm(pick(420) - 10, pick(320) - 10);
    switch (pick(9)) {
      case 0: Click(at, pick(3) == 0 ? TShiftState{ssShift} : TShiftState{}); break;
      case 1: Drag(at, {at.X + pick(60) - 30, at.Y + pick(60) - 30}); break;
      case 2: Press(keys[pick(6)], pick(2) ? TShiftState{ssShift} : TShiftState{}); break;
      case 3: surface->SetDropClass(classes[pick(5)]); Click(at); break;
      case 4: surface->Undo(); break;
      case 5: surface->Redo(); break;
      case 6:
        if (inspector->FindRow("Caption")) {
          try {
            inspector->SetValue("Caption", "Step " + std::to_string(step));
          } catch (const Exception&) {
          }
        }
        break;
      case 7: Robot().DoubleClick(at); Idle(); break;
      default: surface->Refresh(); break;
    }
    for (TPersistent* p : Selected()) {
      auto* c = dynamic_cast<TComponent*>(p);
      ASSERT_TRUE(c == designer->GetRoot() || (c && c->GetOwner() == designer->GetRoot())) << "step " << step;
    }
    ++steps;
  }
  EXPECT_EQ(steps, 400);
  TOwned<TStringStream> in = MakeOwned<TStringStream>(Text());
  EXPECT_NE(ReadAtRunTime(in.get()), nullptr);
  while (surface->CanUndo()) surface->Undo();
  EXPECT_EQ(Text(), atStart);
}

}  // namespace
}  // namespace host::designertest
