// The status bar, hot key and cool bar as a user and a program meet them:
// panels laid out and drawn by width, key combinations pressed into a hot
// key, bands placing their controls in rows.
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

using BarsTest = ComCtrlsTest;

TEST_F(BarsTest, StatusPanelsLieByWidthTheLastReachingTheEnd) {
  auto* bar = Add<TStatusBar>(form.get(), "Status", Bounds(0, 0, 10, 19));
  EXPECT_EQ(bar->GetBoundsRect(), Rect(0, 300 - 19, 400, 300)) << "aligned to the bottom";
  TStatusPanel* first = bar->GetPanels()->Add();
  TStatusPanel* owner = bar->GetPanels()->Add();
  TStatusPanel* last = bar->GetPanels()->Add();
  first->SetText("Ready");
  first->SetWidth(120);
  owner->SetStyle(psOwnerDraw);
  last->SetAlignment(taRightJustify);
  EXPECT_EQ(bar->PanelRect(0), Rect(0, 2, 120, 19));
  EXPECT_EQ(bar->PanelRect(1), Rect(122, 2, 172, 19)) << "a new panel is 50 wide";
  EXPECT_EQ(bar->PanelRect(2), Rect(174, 2, 400, 19));
  EXPECT_EQ(first->GetDisplayName(), "Ready");

  std::vector<TRect> drawn;
  bar->OnDrawPanel = [&](TStatusBar*, TStatusPanel* Panel, const TRect& Rect) {
    EXPECT_EQ(Panel, owner);
    drawn.push_back(Rect);
    bar->GetCanvas()->GetBrush()->SetColor(clRed);
    bar->GetCanvas()->FillRect(Rect);
  };
  EXPECT_EQ(Pixel(bar, 140, 10), Drawn(clRed)) << "the owner-drawn panel";
  EXPECT_EQ(drawn, (std::vector<TRect>{bar->PanelRect(1)}));
  EXPECT_EQ(Pixel(bar, 120, 0), Drawn(bar->GetColor())) << "above the panels";

  bar->SetSimplePanel(true);
  bar->SetSimpleText("Loading");
  drawn.clear();
  EXPECT_NE(Pixel(bar, 140, 10), Drawn(clRed));
  EXPECT_TRUE(drawn.empty()) << "one simple panel instead";
  EXPECT_EQ(bar->PanelRect(0), TRect{});

  // A bad panel value raises and changes nothing.
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { first->SetWidth(-5); }), "<nothing raised>");
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { first->SetWidth(INT32_MAX); }), "<nothing raised>");
  EXPECT_NE(RaisedMessage<EInvalidOperation>([&] { first->SetBevel(static_cast<TStatusPanelBevel>(5)); }),
            "<nothing raised>");
  EXPECT_EQ(first->GetWidth(), 120);
  EXPECT_EQ(first->GetBevel(), pbLowered);
  EXPECT_EQ(RaisedMessage<EListError>([&] { bar->GetPanels()->GetItem(3); }), "List index out of bounds (3)");
}

TEST_F(BarsTest, HotKeyTakesTheCombinationPressedMadeValidByItsRules) {
  auto* hotkey = Add<THotKey>(form.get(), "HotKey", Bounds(10, 10, 121, 19));
  EXPECT_EQ(hotkey->GetDisplayText(), "Alt+A");
  int changes = 0;
  hotkey->OnChange = [&](TObject*) { ++changes; };
  Robot().Click(Center(hotkey));
  ASSERT_TRUE(hotkey->Focused());

  Robot().Press('K', {ssCtrl, ssShift});
  EXPECT_EQ(hotkey->GetHotKey(), ShortCut('K', {ssCtrl, ssShift}));
  EXPECT_EQ(hotkey->GetDisplayText(), "Shift+Ctrl+K");
  // Modifiers held alone show while held; letting go shows the key again.
  Robot().KeyDown(VK_CONTROL);
  EXPECT_EQ(hotkey->GetDisplayText(), "Ctrl+");
  Robot().KeyUp(VK_CONTROL);
  EXPECT_EQ(hotkey->GetDisplayText(), "Shift+Ctrl+K");
  // A key alone or with Shift alone is not a valid combination: the
  // Modifiers stand in.
  Robot().Press('B');
  EXPECT_EQ(hotkey->GetHotKey(), ShortCut('B', {ssAlt}));
  hotkey->SetModifiers({hkCtrl, hkShift});
  Robot().Press(VK_F5, {ssShift});
  EXPECT_EQ(hotkey->GetDisplayText(), "Shift+Ctrl+F5");
  hotkey->SetInvalidKeys({});
  Robot().Press(VK_F5);
  EXPECT_EQ(hotkey->GetDisplayText(), "F5");
  Robot().Press(VK_BACK);
  EXPECT_EQ(hotkey->GetHotKey(), scNone);
  EXPECT_EQ(hotkey->GetDisplayText(), "None");
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(hotkey->GetText(), "") << "no characters typed into the box";
}

TEST_F(BarsTest, CoolBandsLieInRowsAndPlaceTheirControls) {
  auto* cool = Add<TCoolBar>(form.get(), "Cool", Bounds(0, 0, 10, 75));
  cool->SetAutoSize(true);
  auto* tools = Add<TToolBar>(form.get(), "Tools", Bounds(0, 0, 100, 22));
  auto* box = Add<THolder>(form.get(), "Box", Bounds(0, 0, 100, 30));
  TCoolBand* first = cool->GetBands()->Add();
  first->SetControl(tools);
  EXPECT_EQ(tools->GetParent(), cool) << "a band's control is the bar's child";
  EXPECT_EQ(tools->GetBoundsRect(), Rect(9, 0, 392, 25))
      << "after the grip, to the band's end less a gap, MinHeight high";
  EXPECT_EQ(cool->GetHeight(), 29) << "AutoSize: one row";

  first->SetWidth(200);
  TCoolBand* second = cool->GetBands()->Add();
  second->SetBreak(false);
  second->SetControl(box);
  second->SetMinHeight(30);
  EXPECT_EQ(tools->GetBoundsRect(), Rect(9, 0, 196, 30)) << "the row is as high as its highest band";
  EXPECT_EQ(box->GetBoundsRect(), Rect(211, 0, 392, 30));
  second->SetBreak(true);
  EXPECT_EQ(box->GetBoundsRect(), Rect(9, 29, 392, 59)) << "a new row";
  EXPECT_EQ(cool->GetHeight(), 63);
  second->SetText("Find");
  EXPECT_GT(box->GetLeft(), 9 + 10) << "the band's text before the control";
  cool->SetShowText(false);
  EXPECT_EQ(box->GetLeft(), 9);

  // A control sits in one band: giving it to another takes it from the first.
  first->SetControl(box);
  EXPECT_EQ(second->GetControl(), nullptr);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { second->SetControl(cool); }),
            "Control 'Cool' cannot be placed in a band of 'Cool'");
  EXPECT_EQ(second->GetControl(), nullptr);
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { second->SetWidth(40000); }), "Invalid property value (cool band)");
  EXPECT_EQ(second->GetWidth(), 0);
  box->Free();
  EXPECT_EQ(first->GetControl(), nullptr) << "a freed control leaves its band";

  // A vertical bar turns the rows into columns.
  first->SetControl(tools);
  cool->GetBands()->Delete(1);
  cool->SetAlign(alLeft);
  cool->SetVertical(true);
  EXPECT_EQ(tools->GetBoundsRect(), Rect(0, 9, 25, 292)) << "below the grip, MinHeight wide";
  EXPECT_EQ(cool->GetWidth(), 29) << "AutoSize: one column";
  EXPECT_EQ(cool->GetHeight(), 300);
}

TEST_F(BarsTest, HotKeyLeavesTabToTheFormAndTakesAltCombinations) {
  auto* hotkey = Add<THotKey>(form.get(), "HotKey", Bounds(10, 10, 121, 19));
  auto* next = Add<TTrackBar>(form.get(), "Next", Bounds(10, 40, 150, 45));
  hotkey->SetFocus();
  Robot().Press('X', {ssAlt});
  EXPECT_EQ(hotkey->GetDisplayText(), "Alt+X");
  EXPECT_TRUE(hotkey->Focused());
  Robot().Press(VK_TAB);
  EXPECT_TRUE(next->Focused()) << "Tab moves the focus on";
  EXPECT_EQ(hotkey->GetDisplayText(), "Alt+X");
  hotkey->SetHotKey(scNone);
  EXPECT_EQ(hotkey->GetDisplayText(), "None");
}

}  // namespace
}  // namespace host::comctrlstest
