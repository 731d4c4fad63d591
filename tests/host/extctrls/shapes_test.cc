// The graphic controls as a user sees them: a shape's Pen and Brush, a
// paint box's OnPaint, an image's picture and canvas, a bevel's lines; and
// their refusals, which change nothing.
#include "tests/host/extctrls/extctrls_test.h"

namespace host::extctrlstest {
namespace {

TEST_F(ExtCtrlsTest, AShapeRepaintsWhenItsPenOrBrushChangesAndKeepsTheSquareKindsSquare) {
  auto* shape = Place<TShape>("Shape1", Bounds(10, 10, 60, 40));
  shape->GetBrush()->SetColor(clRed);
  EXPECT_EQ(At(shape, 30, 20), Drawn(clRed));
  EXPECT_EQ(At(shape, 0, 0), Drawn(clBlack)) << "the pen's outline";
  shape->GetBrush()->SetColor(clLime);  // no call to Invalidate: StyleChanged does it
  shape->GetPen()->SetColor(clBlue);
  EXPECT_EQ(At(shape, 30, 20), Drawn(clLime));
  EXPECT_EQ(At(shape, 0, 0), Drawn(clBlue));
  // A circle takes the shorter side, centred: the corners and the sides
  // beyond it stay the form's.
  const COLORREF outside = At(form.get(), 5, 5);
  shape->SetShape(stCircle);
  EXPECT_EQ(At(shape, 3, 20), outside);
  EXPECT_EQ(At(shape, 12, 2), outside);
  EXPECT_EQ(At(shape, 30, 20), Drawn(clLime));
  // The user's click reaches the shape's events.
  shape->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int32_t X, int32_t Y) {
    log.push_back("down " + std::to_string(X) + "," + std::to_string(Y));
  };
  Robot().Click(shape->ClientToScreen({7, 9}));
  EXPECT_EQ(log, std::vector<std::string>{"down 7,9"});

  EXPECT_RAISES(shape->SetShape(static_cast<TShapeType>(6)), EInvalidOperation,
                "Invalid property value (control 'Shape1')");
  EXPECT_EQ(shape->GetShape(), stCircle);
}

TEST_F(ExtCtrlsTest, APaintBoxIsPaintedByItsOnPaintHandlerAndTakesClicks) {
  auto* box = Place<TPaintBox>("Box", Bounds(20, 20, 50, 50));
  box->SetColor(clYellow);
  box->OnPaint = [&](TObject* Sender) {
    TCanvas* canvas = box->GetCanvas();
    log.push_back(Sender == box && canvas->GetBrush()->GetColor() == clYellow ? "paint in Color" : "paint");
    canvas->FillRect(Rect(0, 0, 10, 10));
    canvas->GetBrush()->SetColor(clNavy);
    canvas->FillRect(Rect(10, 10, 50, 50));
  };
  box->Invalidate();
  EXPECT_EQ(At(box, 5, 5), Drawn(clYellow));
  EXPECT_EQ(At(box, 30, 30), Drawn(clNavy));
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front(), "paint in Color");
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  Robot().Click(Center(box));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ExtCtrlsTest, AnImageDrawsOnABitmapOfItsSizeAndShowsItStretchedOrSizedToIt) {
  auto* image = Place<TImage>("Image1", Bounds(10, 10, 50, 30));
  EXPECT_EQ(image->GetPicture()->GetGraphic(), nullptr);
  TCanvas* canvas = image->GetCanvas();
  auto* bitmap = dynamic_cast<TBitmap*>(image->GetPicture()->GetGraphic());
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bitmap->GetWidth(), 50);
  EXPECT_EQ(bitmap->GetHeight(), 30);
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, 50, 30));
  canvas->GetBrush()->SetColor(clRed);
  canvas->FillRect(Rect(0, 0, 10, 10));
  image->Invalidate();
  EXPECT_EQ(At(image, 5, 5), Drawn(clRed));
  EXPECT_EQ(At(image, 15, 15), Drawn(clWhite));
  // Centred in twice its size the picture starts a quarter in; stretched
  // over it the red corner doubles.
  image->SetBounds(10, 10, 100, 60);
  image->SetCenter(true);
  EXPECT_EQ(At(image, 5, 5), At(form.get(), 5, 5)) << "the form shows round the picture";
  EXPECT_EQ(At(image, 30, 20), Drawn(clRed));
  image->SetStretch(true);
  EXPECT_EQ(At(image, 15, 15), Drawn(clRed));
  EXPECT_EQ(At(image, 25, 25), Drawn(clWhite));
  // AutoSize takes the picture's size, now and when the picture changes.
  image->SetStretch(false);
  image->SetAutoSize(true);
  EXPECT_EQ(image->GetBoundsRect(), Bounds(10, 10, 50, 30));
  bitmap->SetWidth(70);
  EXPECT_EQ(image->GetWidth(), 70);
}

TEST_F(ExtCtrlsTest, AnImageRelaysProgressAndRefusesACanvasOnAnIcon) {
  auto* image = Place<TImage>("Image2", Bounds(10, 10, 40, 40));
  image->SetIncrementalDisplay(true);
  image->OnProgress = [&](TObject*, TProgressStage Stage, uint8_t Percent, bool Redraw, const TRect&,
                          const std::string& Msg) {
    log.push_back(Msg + " " + std::to_string(Stage) + " " + std::to_string(Percent) + (Redraw ? " redraw" : ""));
  };
  // What the picture reports while a graphic loads.
  image->GetPicture()->OnProgress(image->GetPicture(), psRunning, 50, true, Rect(0, 0, 4, 4), "half");
  EXPECT_EQ(log, std::vector<std::string>{"half 1 50 redraw"});

  image->GetPicture()->GetIcon();  // an empty icon in place of nothing
  EXPECT_RAISES(image->GetCanvas(), EInvalidOperation,
                "Can only modify an image if it contains a bitmap (control 'Image2')");
  EXPECT_NE(dynamic_cast<TIcon*>(image->GetPicture()->GetGraphic()), nullptr) << "the icon stays";
}

TEST_F(ExtCtrlsTest, ABevelDrawsItsLinesShadowFirstWhenLoweredAndRefusesUnknownShapes) {
  auto* bevel = Place<TBevel>("Bevel1", Bounds(10, 10, 40, 20));
  bevel->SetShape(bsTopLine);
  EXPECT_EQ(At(bevel, 20, 0), Drawn(clBtnShadow));
  EXPECT_EQ(At(bevel, 20, 1), Drawn(clBtnHighlight));
  bevel->SetStyle(bsRaised);
  EXPECT_EQ(At(bevel, 20, 0), Drawn(clBtnHighlight));
  EXPECT_EQ(At(bevel, 20, 1), Drawn(clBtnShadow));
  bevel->SetShape(bsBox);
  EXPECT_EQ(At(bevel, 0, 10), Drawn(clBtnHighlight)) << "raised: light left edge";
  EXPECT_EQ(At(bevel, 39, 10), Drawn(clBtnShadow)) << "raised: dark right edge";

  EXPECT_RAISES(bevel->SetShape(static_cast<TBevelShape>(7)), EInvalidOperation,
                "Invalid property value (control 'Bevel1')");
  EXPECT_RAISES(bevel->SetStyle(static_cast<TBevelStyle>(2)), EInvalidOperation,
                "Invalid property value (control 'Bevel1')");
  EXPECT_EQ(bevel->GetShape(), bsBox);
  EXPECT_EQ(bevel->GetStyle(), bsRaised);
}

TEST_F(ExtCtrlsTest, GraphicControlsKeepTheirPenBrushPictureAndShapeInAFormFile) {
  auto* shape = Place<TShape>("Shape1", Bounds(10, 10, 60, 40));
  shape->SetShape(stRoundRect);
  shape->GetBrush()->SetColor(clAqua);
  shape->GetPen()->SetWidth(3);
  auto* image = Place<TImage>("Image1", Bounds(80, 10, 40, 40));
  image->SetCenter(true);
  image->GetCanvas()->SetPixels(1, 2, clRed);
  Place<TBevel>("Bevel1", Bounds(10, 60, 40, 20))->SetStyle(bsRaised);

  const auto [binary, text] = RoundTrip(form.get());
  for (const char* written : {"Brush.Color = clAqua", "Pen.Width = 3", "Shape = stRoundRect", "Center = True",
                              "Picture.Data = {", "Style = bsRaised"})
    EXPECT_NE(text.find(written), std::string::npos) << written << ": " << text;
  for (const char* classicDefault : {"Stretch", "Transparent", "Shape = bsBox"})
    EXPECT_EQ(text.find(classicDefault), std::string::npos) << classicDefault << ": " << text;

  TOwned<TExtForm> copy = ReadNewRoot<TExtForm>(binary);
  auto* readShape = dynamic_cast<TShape*>(copy->FindComponent("Shape1"));
  auto* readImage = dynamic_cast<TImage*>(copy->FindComponent("Image1"));
  ASSERT_TRUE(readShape && readImage);
  EXPECT_EQ(readShape->GetShape(), stRoundRect);
  EXPECT_EQ(readShape->GetBrush()->GetColor(), clAqua);
  EXPECT_EQ(readShape->GetPen()->GetWidth(), 3);
  EXPECT_TRUE(readImage->GetCenter());
  EXPECT_EQ(readImage->GetPicture()->GetWidth(), 40);
  EXPECT_EQ(ColorToRGB(readImage->GetCanvas()->GetPixels(1, 2)), ColorToRGB(clRed));
  EXPECT_EQ(FormText(copy.get()), text);
}

}  // namespace
}  // namespace host::extctrlstest
