// The tool bar as a user and a program meet it: buttons laid out left to
// right, clicks that fire OnClick or run the action, check buttons that
// stay down, drop-down arrows that show their menu below the button for
// the robot to choose from, and bad sizes or styles that raise and change
// nothing.
#include "tests/host/comctrls/comctrls_test.h"

#include "host/actnlist/action.h"

namespace host::comctrlstest {
namespace {

class ToolBarTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    bar = Add<TToolBar>(form.get(), "Bar", Bounds(0, 0, 400, 29));
  }
  TToolButton* Button(const std::string& Name, TToolButtonStyle Style = tbsButton) {
    auto* button = New<TToolButton>(form.get());
    button->SetName(Name);
    button->SetStyle(Style);
    button->SetParent(bar);
    button->OnClick = [this, button](TObject*) { log.push_back("click " + button->GetName()); };
    return button;
  }
  static headless::THeadlessMenus& Menus() { return Headless().Menus(); }
  TMenuItem* MenuItem(TPopupMenu* Menu, const std::string& Caption) {
    auto* item = New<TMenuItem>(form.get());
    item->SetCaption(Caption);
    item->OnClick = [this, Caption](TObject*) { log.push_back("menu " + Caption); };
    Menu->GetItems()->Add(item);
    return item;
  }
  TToolBar* bar = nullptr;
};

TEST_F(ToolBarTest, ButtonsLineUpLeftToRightAndClicksReachThem) {
  TToolButton* open = Button("Open");
  TToolButton* gap = Button("Gap", tbsSeparator);
  TToolButton* bold = Button("Bold", tbsCheck);
  TToolButton* line = Button("Line", tbsDivider);
  TToolButton* save = Button("Save");
  EXPECT_EQ(bar->GetAlign(), alTop);
  ASSERT_EQ(bar->GetButtonCount(), 5);
  EXPECT_EQ(bar->GetButton(2), bold);
  EXPECT_EQ(save->GetIndex(), 4);
  EXPECT_EQ(open->GetBoundsRect(), Bounds(0, 0, 23, 22));
  EXPECT_EQ(gap->GetBoundsRect(), Bounds(23, 0, 8, 22)) << "a separator keeps its own width";
  EXPECT_EQ(bold->GetLeft(), 31);
  EXPECT_EQ(line->GetLeft(), 54);
  EXPECT_EQ(save->GetLeft(), 62);
  bar->SetButtonWidth(30);
  bar->SetButtonHeight(25);
  EXPECT_EQ(save->GetBoundsRect(), Bounds(76, 0, 30, 25));
  gap->SetVisible(false);
  bar->LayoutButtons();
  EXPECT_EQ(bold->GetLeft(), 30) << "a hidden button takes no room";
  // Captions widen the buttons that need it.
  save->SetCaption("Save everything");
  bar->SetShowCaptions(true);
  EXPECT_GT(save->GetWidth(), bar->GetCanvas()->TextWidth("Save everything"));
  EXPECT_EQ(open->GetWidth(), 30);

  Robot().Click(Center(open));
  Robot().Click(Center(bold));
  EXPECT_TRUE(bold->GetDown());
  EXPECT_EQ(Pixel(bold, 0, 5), Drawn(clBtnShadow)) << "a button that is down is drawn pressed";
  Robot().Click(Center(bold));
  EXPECT_FALSE(bold->GetDown());
  EXPECT_EQ(Pixel(bold, 0, 5), Drawn(clBtnHighlight));
  Robot().Click(Center(line));  // a divider takes no click
  // A press dragged off the button and released there is no click.
  Robot().Drag(Center(save), At(bar, {380, 26}));
  save->SetEnabled(false);
  Robot().Click(Center(save));
  EXPECT_EQ(log, (std::vector<std::string>{"click Open", "click Bold", "click Bold"}));
  // Grouped check buttons side by side: one down at a time; the one down
  // stays down when clicked, unless AllowAllUp.
  log.clear();
  TToolButton* left = Button("Left", tbsCheck);
  TToolButton* right = Button("Right", tbsCheck);
  for (TToolButton* b : {bold, left, right}) b->SetGrouped(true);
  Robot().Click(Center(left));
  Robot().Click(Center(right));
  EXPECT_FALSE(left->GetDown());
  EXPECT_TRUE(right->GetDown());
  Robot().Click(Center(right));
  EXPECT_TRUE(right->GetDown());
  right->SetAllowAllUp(true);
  Robot().Click(Center(right));
  EXPECT_FALSE(right->GetDown());
  bold->SetDown(true);
  left->SetDown(true);
  EXPECT_TRUE(bold->GetDown()) << "a divider and a button stand between: another group";
  EXPECT_EQ(log, (std::vector<std::string>{"click Left", "click Right", "click Right", "click Right"}));
  // A flat bar draws no frame round a button that is up.
  bar->SetFlat(true);
  EXPECT_EQ(Pixel(open, 0, 5), Drawn(clBtnFace));
}

TEST_F(ToolBarTest, TheArrowOfADropDownButtonShowsItsMenuBelowIt) {
  Button("First");
  TToolButton* recent = Button("Recent", tbsDropDown);
  auto* menu = New<TPopupMenu>(form.get());
  menu->SetName("RecentMenu");
  MenuItem(menu, "One.frm");
  MenuItem(menu, "Two.frm");
  recent->SetDropdownMenu(menu);
  EXPECT_EQ(recent->GetWidth(), 23 + 13) << "the arrow part is beside the button";
  const TRect arrow = recent->ArrowRect();
  Robot().Click(At(recent, {(arrow.Left + arrow.Right) / 2, 10}));
  const auto* shown = Menus().OpenPopup();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->Point, recent->ClientToScreen({0, recent->GetHeight()}));
  EXPECT_EQ(menu->GetPopupComponent(), recent);
  EXPECT_TRUE(Menus().ChoosePopupItem("Two.frm"));
  // The button part clicks.
  Robot().Click(At(recent, {5, 10}));
  EXPECT_EQ(Menus().OpenPopup(), nullptr);
  // Without OnClick the whole button drops the menu.
  recent->OnClick = nullptr;
  Robot().Click(At(recent, {5, 10}));
  ASSERT_NE(Menus().OpenPopup(), nullptr);
  EXPECT_TRUE(Menus().ChoosePopupItem("One.frm"));
  EXPECT_EQ(log, (std::vector<std::string>{"menu Two.frm", "click Recent", "menu One.frm"}));
  // A freed menu is forgotten.
  menu->Free();
  EXPECT_EQ(recent->GetDropdownMenu(), nullptr);
  Robot().Click(At(recent, {5, 10}));
  EXPECT_EQ(Menus().OpenPopup(), nullptr);
}

TEST_F(ToolBarTest, AButtonFollowsItsActionAndAClickRunsIt) {
  bar->SetImages(NewImages("Icons", {clRed, clBlue}));
  auto* action = New<TAction>(form.get());
  action->SetName("Wrap");
  action->SetCaption("Word wrap");
  action->SetHint("Wrap long lines");
  action->SetImageIndex(1);
  action->SetChecked(true);
  action->OnExecute = [&](TObject*) {
    log.push_back("execute");
    action->SetChecked(!action->GetChecked());
  };
  TToolButton* wrap = Button("WrapButton", tbsCheck);
  wrap->OnClick = nullptr;
  wrap->SetAction(action);
  EXPECT_EQ(wrap->GetCaption(), "Word wrap");
  EXPECT_EQ(wrap->GetHint(), "Wrap long lines");
  EXPECT_EQ(wrap->GetImageIndex(), 1);
  EXPECT_TRUE(wrap->GetDown());
  EXPECT_EQ(Pixel(wrap, 12, 12), Drawn(clBlue)) << "the image of the bar's Images, in the middle";
  Robot().Click(Center(wrap));
  EXPECT_EQ(log, (std::vector<std::string>{"execute"}));
  EXPECT_FALSE(action->GetChecked());
  EXPECT_FALSE(wrap->GetDown());
  action->SetEnabled(false);
  EXPECT_FALSE(wrap->GetEnabled());
  Robot().Click(Center(wrap));
  EXPECT_EQ(log.size(), 1u);
}

TEST_F(ToolBarTest, BadSizesStylesAndIndexesRaiseAndChangeNothing) {
  TToolButton* only = Button("Only");
  EXPECT_RAISES(bar->SetButtonWidth(0), EInvalidOperation, "Invalid property value (control 'Bar')");
  EXPECT_RAISES(bar->SetButtonHeight(-3), EInvalidOperation, "Invalid property value (control 'Bar')");
  EXPECT_RAISES(only->SetStyle(static_cast<TToolButtonStyle>(5)), EInvalidOperation,
                "Invalid property value (control 'Only')");
  EXPECT_RAISES(bar->GetButton(1), EListError, "List index out of bounds (1)");
  EXPECT_EQ(bar->GetButtonWidth(), 23);
  EXPECT_EQ(bar->GetButtonHeight(), 22);
  EXPECT_EQ(only->GetStyle(), tbsButton);
  EXPECT_EQ(only->GetBoundsRect(), Bounds(0, 0, 23, 22));
  // A button parented elsewhere leaves the bar; one freed leaves it too.
  TToolButton* second = Button("Second");
  only->SetParent(form.get());
  EXPECT_EQ(bar->GetButtonCount(), 1);
  EXPECT_EQ(second->GetLeft(), 0);
  EXPECT_EQ(only->GetToolBar(), nullptr);
  second->Free();
  EXPECT_EQ(bar->GetButtonCount(), 0);
}

}  // namespace
}  // namespace host::comctrlstest
