// Bit buttons: a kind's caption, modal result and role, a bkOK button
// closing a modal form through the robot, the glyph drawn with its
// transparent colour beside the caption, and the checks of bad values.
#include "tests/host/buttons/buttons_test.h"

namespace host::buttonstest {
namespace {

TEST_F(ButtonsTest, AKindGivesItsCaptionModalResultAndRoleUntilOneOfThemChanges) {
  auto* button = Add<TBitBtn>("Button", Bounds(10, 10, 75, 25));
  struct TCase {
    TBitBtnKind Kind;
    const char* Caption;
    TModalResult Result;
    bool Default, Cancel;
  };
  for (const TCase& c : {TCase{bkOK, "OK", mrOk, true, false}, TCase{bkCancel, "Cancel", mrCancel, false, true},
                         TCase{bkYes, "&Yes", mrYes, true, false}, TCase{bkNo, "&No", mrNo, false, true},
                         TCase{bkClose, "&Close", mrNone, false, false}, TCase{bkAll, "&All", mrAll, false, false}}) {
    button->SetKind(c.Kind);
    EXPECT_EQ(button->GetCaption(), c.Caption);
    EXPECT_EQ(button->GetModalResult(), c.Result) << c.Caption;
    EXPECT_EQ(button->GetDefault(), c.Default) << c.Caption;
    EXPECT_EQ(button->GetCancel(), c.Cancel) << c.Caption;
    EXPECT_FALSE(button->IsCustomCaption());
  }
  button->SetKind(bkOK);
  EXPECT_EQ(button->GetNumGlyphs(), 2) << "the kind's glyph: up and disabled";
  EXPECT_GT(TWindowShot(button).Count(button->GetClientRect(), clGreen), 10) << "the green tick";
  EXPECT_EQ(TWindowShot(button).Count(button->GetClientRect(), clOlive), 0) << "olive shows through";
  button->SetCaption("Accept");
  EXPECT_EQ(button->GetKind(), bkOK) << "a caption of its own keeps the kind";
  EXPECT_TRUE(button->IsCustomCaption());
  button->SetModalResult(mrRetry);
  EXPECT_EQ(button->GetKind(), bkCustom) << "another modal result makes the button custom";
  button->SetKind(bkCancel);
  button->SetGlyph(MakeGlyph(16, {clRed}).get());
  EXPECT_EQ(button->GetKind(), bkCustom) << "so does a glyph of its own";
}

TEST_F(ButtonsTest, ABitButtonOfKindOKClickedInAModalFormClosesItWithMrOk) {
  auto& windows = static_cast<headless::THeadlessWindows&>(WidgetSet().Windows());
  TOwned<TForm> dialog(static_cast<TForm*>(TCustomForm::CreateNew(&TForm::StaticMetaClass, nullptr)));
  dialog->SetBounds(100, 100, 300, 200);
  auto* ok = New<TBitBtn>(dialog.get());
  ok->SetParent(dialog.get());
  ok->SetBounds(10, 10, 75, 25);
  ok->SetKind(bkOK);
  auto* close = New<TBitBtn>(dialog.get());
  close->SetParent(dialog.get());
  close->SetBounds(100, 10, 75, 25);
  close->SetKind(bkClose);
  std::vector<TBitBtn*> clicks = {ok, close};
  windows.SetIdleDriver([&] {
    if (clicks.empty()) return false;
    Robot().Click(Center(clicks.front()));
    clicks.erase(clicks.begin());
    return true;
  });
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_FALSE(dialog->GetVisible());
  EXPECT_EQ(dialog->ShowModal(), mrCancel) << "a close button closes its form";
  windows.SetIdleDriver(nullptr);
  windows.ProcessMessages();
}

TEST_F(ButtonsTest, TheGlyphShowsWithoutItsTransparentColourBesideTheCaptionAsLayoutSays) {
  auto* button = Add<TBitBtn>("Button", Bounds(10, 10, 120, 30));
  button->SetCaption("Go");
  button->SetGlyph(MakeGlyph(16, {clRed, clBlue}).get());
  EXPECT_EQ(button->GetNumGlyphs(), 2) << "a glyph twice as wide as high holds two images";
  const auto redColumns = [&] {
    TWindowShot shot(button);
    std::vector<int32_t> columns;
    for (int32_t x = 0; x < button->GetWidth(); ++x)
      if (shot.At(x, 15) == Drawn(clRed)) columns.push_back(x);
    return columns;
  };
  TWindowShot shot(button);
  EXPECT_EQ(shot.Count(button->GetClientRect(), clLime), 0) << "the transparent colour shows the face";
  EXPECT_EQ(shot.Count(button->GetClientRect(), clBlue), 0) << "the disabled image is not the up one";
  const std::vector<int32_t> left = redColumns();
  ASSERT_EQ(left.size(), 8u);
  button->SetLayout(blGlyphRight);
  const std::vector<int32_t> right = redColumns();
  ASSERT_EQ(right.size(), 8u);
  EXPECT_GT(right.front(), left.front() + 10) << "the glyph moved right of the caption";
  button->SetMargin(2);
  EXPECT_EQ(redColumns().back(), 120 - 1 - 2 - 4 - 1) << "two pixels from the right edge, inside the bevel";
  button->SetEnabled(false);
  EXPECT_GT(TWindowShot(button).Count(button->GetClientRect(), clBlue), 0) << "disabled: the second image";
  button->SetNumGlyphs(1);
  button->SetGlyph(MakeGlyph(16, {clRed}).get());
  TWindowShot grey(button);
  EXPECT_EQ(grey.Count(button->GetClientRect(), clRed), 0) << "no disabled image: a grey silhouette";
  EXPECT_EQ(grey.Count(button->GetClientRect(), clLime), 0);
  EXPECT_GE(grey.Count(button->GetClientRect(), clBtnShadow), 64);
}

TEST_F(ButtonsTest, GlyphAndCaptionArePlacedByMarginAndSpacingTheClassicWay) {
  TBitBtn& glyph = *Add<TBitBtn>("Button", Bounds(10, 10, 100, 30));
  glyph.SetGlyph(MakeGlyph(16, {clRed}).get());
  const TRect client = Rect(0, 0, 100, 30);
  const TPoint text{20, 10};
  TButtonGlyph::TPlacement p = glyph.Place(client, text);  // margin -1: both centred, spacing 4
  EXPECT_EQ(p.Glyph.X, (100 - 16 - 4 - 20) / 2);
  EXPECT_EQ(p.Text.Left, p.Glyph.X + 16 + 4);
  EXPECT_EQ(p.Glyph.Y, (30 - 16 + 1) / 2);
  glyph.SetSpacing(-1);
  p = glyph.Place(client, text);
  EXPECT_EQ(p.Glyph.X, (100 - 36) / 3) << "both -1: the free room in three equal parts";
  glyph.SetLayout(blGlyphBottom);
  glyph.SetMargin(3);
  glyph.SetSpacing(2);
  p = glyph.Place(client, text);
  EXPECT_EQ(p.Glyph.Y, 30 - 3 - 16);
  EXPECT_EQ(p.Text.Bottom, p.Glyph.Y - 2);
}

TEST_F(ButtonsTest, BadGlyphSettingsRaiseAndChangeNothing) {
  auto* bit = Add<TBitBtn>("Bit", Bounds(10, 10, 75, 25));
  auto* speed = Add<TSpeedButton>("Speed", Bounds(10, 40, 23, 22));
  const std::string message = "Invalid property value (control 'Bit')";
  EXPECT_RAISES(bit->SetNumGlyphs(5), EInvalidOperation, message);
  EXPECT_RAISES(bit->SetNumGlyphs(0), EInvalidOperation, message);
  EXPECT_RAISES(bit->SetMargin(-2), EInvalidOperation, message);
  EXPECT_RAISES(bit->SetKind(static_cast<TBitBtnKind>(11)), EInvalidOperation, message);
  EXPECT_RAISES(speed->SetLayout(static_cast<TButtonLayout>(4)), EInvalidOperation,
                "Invalid property value (control 'Speed')");
  EXPECT_RAISES(speed->SetSpacing(-7), EInvalidOperation, "Invalid property value (control 'Speed')");
  EXPECT_EQ(bit->GetNumGlyphs(), 1);
  EXPECT_EQ(bit->GetMargin(), -1);
  EXPECT_EQ(bit->GetKind(), bkCustom);
  EXPECT_EQ(speed->GetLayout(), blGlyphLeft);
  EXPECT_EQ(speed->GetSpacing(), 4);
}

}  // namespace
}  // namespace host::buttonstest
