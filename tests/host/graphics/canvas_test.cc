// TCanvas: what each drawing call puts on a bitmap, pixel by pixel, and the
// events, state and locking around it.
#include "host/graphics/canvas.h"

#include <thread>
#include <vector>

#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using CanvasTest = GraphicsTest;

TEST_F(CanvasTest, RectangleOutlinesWithThePenAndFillsWithTheBrush) {
  TOwned<TBitmap> b = MakeBitmap(10, 8);
  TCanvas* c = b->GetCanvas();
  c->GetBrush()->SetColor(clRed);
  c->Rectangle(2, 2, 8, 6);
  EXPECT_EQ(PictureOf(b.get()),
            "..........\n"
            "..........\n"
            "..######..\n"
            "..#rrrr#..\n"
            "..#rrrr#..\n"
            "..######..\n"
            "..........\n"
            "..........");
  // Without an outline the inside ends a pixel early on the right and at the bottom.
  TOwned<TBitmap> clear = MakeBitmap(10, 8);
  clear->GetCanvas()->GetBrush()->SetColor(clRed);
  clear->GetCanvas()->GetPen()->SetStyle(psClear);
  clear->GetCanvas()->Rectangle(Rect(2, 2, 8, 6));
  EXPECT_EQ(RowOf(clear.get(), 2), "..rrrrr...");
  EXPECT_EQ(RowOf(clear.get(), 5), "..........");
  // A 3-pixel pen straddles the outline; a clear brush leaves the inside.
  TOwned<TBitmap> thick = MakeBitmap(12, 12);
  thick->GetCanvas()->GetPen()->SetWidth(3);
  thick->GetCanvas()->GetBrush()->SetStyle(bsClear);
  thick->GetCanvas()->Rectangle(3, 3, 9, 9);
  EXPECT_EQ(RowOf(thick.get(), 2), "..########..");  // columns 2..9 around the outline 3..8
  EXPECT_EQ(RowOf(thick.get(), 5), "..###..###..");
  // psInsideFrame keeps the same pen inside the box.
  TOwned<TBitmap> inside = MakeBitmap(12, 12);
  inside->GetCanvas()->GetPen()->SetWidth(3);
  inside->GetCanvas()->GetPen()->SetStyle(psInsideFrame);
  inside->GetCanvas()->Rectangle(3, 3, 9, 9);
  EXPECT_EQ(RowOf(inside.get(), 2), "............");
  EXPECT_EQ(RowOf(inside.get(), 3), "...######...");
  EXPECT_EQ(RowOf(inside.get(), 6), "...######...");
}

TEST_F(CanvasTest, EllipseTouchesEachSideOfItsBoxOnlyAtTheMiddle) {
  TOwned<TBitmap> b = MakeBitmap(25, 13);
  TCanvas* c = b->GetCanvas();
  c->GetBrush()->SetColor(clLime);
  c->Ellipse(Rect(2, 1, 23, 12));  // 21 x 11: centre pixel (12, 6)
  EXPECT_EQ(RowOf(b.get(), 0), std::string(25, '.'));
  EXPECT_EQ(RowOf(b.get(), 12), std::string(25, '.'));
  EXPECT_EQ(RowOf(c, 1, 10, 15), "#####");  // the top row is short and centred
  EXPECT_EQ(RowOf(c, 1, 2, 4), "..");
  EXPECT_EQ(RowOf(b.get(), 6), "..#ggggggggggggggggggg#..");  // the middle row spans the box
  EXPECT_EQ(RowOf(c, 11, 10, 15), "#####");
  EXPECT_EQ(RowOf(c, 2, 2, 3), ".");  // the corners stay outside
  EXPECT_EQ(RowOf(c, 6, 1, 2), ".");
  // The left and right halves mirror each other.
  for (int32_t y = 1; y < 12; ++y) {
    const std::string row = RowOf(b.get(), y);
    EXPECT_EQ(row, std::string(row.rbegin(), row.rend())) << "row " << y;
  }
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPointAndFollowThePenStyle) {
  TOwned<TBitmap> b = MakeBitmap(30, 6);
  TCanvas* c = b->GetCanvas();
  c->MoveTo(1, 0);
  c->LineTo(8, 0);
  EXPECT_EQ(RowOf(c, 0, 0, 10), ".#######..");
  EXPECT_EQ(c->GetPenPos(), Point(8, 0));
  c->MoveTo(0, 1);
  c->LineTo(4, 5);  // diagonal: (0,1) .. (3,4)
  EXPECT_EQ(RowOf(c, 4, 0, 5), "...#.");
  EXPECT_EQ(RowOf(c, 5, 0, 5), ".....");
  // Dots: 3 on, 3 off; the gaps take the brush colour while the brush is solid.
  c->GetPen()->SetStyle(psDot);
  c->GetBrush()->SetColor(clYellow);
  c->MoveTo(10, 2);
  c->LineTo(25, 2);
  EXPECT_EQ(RowOf(c, 2, 10, 26), "###yyy###yyy###.");
  // ... and stay as they are under a clear brush.
  c->GetBrush()->SetStyle(bsClear);
  c->GetPen()->SetStyle(psDash);
  c->MoveTo(0, 3);
  c->LineTo(30, 3);
  EXPECT_EQ(RowOf(c, 3, 0, 30), std::string(18, '#') + "......" + "######");
  const TPoint zigzag[] = {{0, 5}, {2, 5}, {2, 4}};
  c->GetPen()->SetStyle(psSolid);
  c->Polyline(zigzag);
  EXPECT_EQ(RowOf(c, 5, 0, 4), "###.");
  EXPECT_EQ(RowOf(c, 4, 2, 3), ".");  // the polyline's last point is left out
}

TEST_F(CanvasTest, ThickLinesHaveRoundEndsAndDashPatternsRepeat) {
  TOwned<TBitmap> b = MakeBitmap(40, 14);
  TCanvas* c = b->GetCanvas();
  c->GetPen()->SetWidth(5);
  c->MoveTo(5, 5);
  c->LineTo(15, 5);  // a wide pen draws its end point too, with a round cap
  EXPECT_EQ(RowOf(c, 5, 0, 20), "...###############..");
  EXPECT_EQ(RowOf(c, 3, 0, 20), "....#############...");
  EXPECT_EQ(RowOf(c, 8, 0, 20), std::string(20, '.'));
  c->GetPen()->SetWidth(1);
  c->GetBrush()->SetStyle(bsClear);
  c->GetPen()->SetStyle(psDashDot);
  c->MoveTo(0, 10);
  c->LineTo(40, 10);
  EXPECT_EQ(RowOf(c, 10, 0, 40), "#########......###......#########......#");
  c->GetPen()->SetStyle(psDashDotDot);
  c->MoveTo(0, 12);
  c->LineTo(40, 12);
  EXPECT_EQ(RowOf(c, 12, 0, 40), "#########...###...###...#########...###.");
  // A dashed pen wider than one pixel draws solid (classic).
  c->GetPen()->SetWidth(2);
  c->MoveTo(20, 0);
  c->LineTo(39, 0);
  EXPECT_EQ(RowOf(c, 0, 18, 40), ".#####################");  // the tip reaches a pixel left
  // Larger fonts scale the built-in glyphs: 15 points is 20 pixels, scale 2.
  c->GetFont()->SetSize(15);
  EXPECT_EQ(c->TextExtent("ab"), (TSize{24, 20}));
  c->GetFont()->SetHeight(0);
  EXPECT_EQ(c->TextHeight("x"), 11);
}

TEST_F(CanvasTest, ArcsChordsAndPiesCutTheEllipseBetweenTheirRadials) {
  // A circle of diameter 21 centred on (10, 10); from the right (0 degrees)
  // counter-clockwise to the top (90 degrees).
  auto draw = [](void (TCanvas::*shape)(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t)) {
    TOwned<TBitmap> b = MakeBitmap(21, 21);
    b->GetCanvas()->GetBrush()->SetColor(clRed);
    (b->GetCanvas()->*shape)(0, 0, 21, 21, 20, 10, 10, 0);
    return b;
  };
  TOwned<TBitmap> pie = draw(&TCanvas::Pie), chord = draw(&TCanvas::Chord), arc = draw(&TCanvas::Arc);
  // The pie fills its quarter up to the centre and draws both radials.
  EXPECT_EQ(RowOf(pie->GetCanvas(), 10, 8, 21), "..###########");
  EXPECT_EQ(RowOf(pie->GetCanvas(), 5, 14, 17), "rrr");
  EXPECT_EQ(RowOf(pie->GetCanvas(), 5, 4, 7), "...");  // the top-left quarter stays empty
  EXPECT_EQ(RowOf(pie->GetCanvas(), 15, 14, 17), "...");
  // The chord cuts the quarter along the straight line from (20,10) to (10,0):
  // the corner near the centre stays empty, the part near the arc is filled.
  EXPECT_EQ(RowOf(chord->GetCanvas(), 8, 12, 13), ".");
  EXPECT_EQ(RowOf(chord->GetCanvas(), 3, 16, 17), "r");
  EXPECT_EQ(RowOf(chord->GetCanvas(), 5, 15, 16), "#");  // on the chord line
  // The arc draws the curve only.
  EXPECT_EQ(RowOf(arc->GetCanvas(), 10, 10, 20), "..........");
  EXPECT_EQ(RowOf(arc->GetCanvas(), 10, 20, 21), "#");
  EXPECT_EQ(RowOf(arc->GetCanvas(), 0, 10, 11), "#");
  EXPECT_EQ(RowOf(arc->GetCanvas(), 3, 16, 17), ".");
  EXPECT_EQ(RowOf(arc->GetCanvas(), 20, 10, 11), ".");
}

TEST_F(CanvasTest, RoundRectRoundsItsCornersAndPolygonsFillAlternately) {
  TOwned<TBitmap> b = MakeBitmap(20, 12);
  TCanvas* c = b->GetCanvas();
  c->RoundRect(0, 0, 20, 12, 8, 8);
  // The corners are quarters of an 8 x 8 ellipse, whose top row spans its
  // middle four pixels: the straight edges start two pixels in.
  EXPECT_EQ(RowOf(c, 0, 0, 20), "..################..");
  EXPECT_EQ(RowOf(c, 1, 0, 2), ".#");
  EXPECT_EQ(RowOf(c, 6, 0, 20), "#..................#");
  EXPECT_EQ(RowOf(c, 11, 0, 20), "..################..");
  // A star whose middle overlaps itself: the overlap stays unfilled.
  TOwned<TBitmap> s = MakeBitmap(21, 21);
  s->GetCanvas()->GetBrush()->SetColor(clBlue);
  s->GetCanvas()->GetPen()->SetStyle(psClear);
  const TPoint star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  s->GetCanvas()->Polygon(star);
  EXPECT_EQ(RowOf(s->GetCanvas(), 10, 10, 11), ".");  // the centre: inside twice
  EXPECT_EQ(RowOf(s->GetCanvas(), 3, 10, 11), "b");   // the top point: inside once
  EXPECT_EQ(RowOf(s->GetCanvas(), 0, 0, 1), ".");
}

TEST_F(CanvasTest, FloodFillStopsAtTheBorderOrKeepsToTheSurface) {
  TOwned<TBitmap> b = MakeBitmap(10, 6);
  TCanvas* c = b->GetCanvas();
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(1, 1, 7, 5);
  c->GetBrush()->SetColor(clRed);
  c->FloodFill(3, 3, clBlack, fsBorder);
  EXPECT_EQ(RowOf(b.get(), 2), ".#rrrr#...");
  EXPECT_EQ(RowOf(b.get(), 0), "..........");
  // Starting on the border fills nothing.
  const std::string before = PictureOf(b.get());
  c->GetBrush()->SetColor(clBlue);
  c->FloodFill(1, 1, clBlack, fsBorder);
  EXPECT_EQ(PictureOf(b.get()), before);
  // Surface mode replaces the connected area of one colour: here the white outside.
  c->FloodFill(9, 0, clWhite, fsSurface);
  EXPECT_EQ(RowOf(b.get(), 2), "b#rrrr#bbb");
  c->FloodFill(3, 3, clWhite, fsSurface);  // (3,3) is red: nothing to do
  EXPECT_EQ(RowOf(b.get(), 3), "b#rrrr#bbb");
}

TEST_F(CanvasTest, TextFillsItsCellsAndMovesThePen) {
  TOwned<TBitmap> b = MakeBitmap(30, 14);
  TCanvas* c = b->GetCanvas();
  EXPECT_EQ(c->TextExtent("Hi"), (TSize{12, 11}));  // 8 points at 96 dpi: 11 pixels high
  c->GetBrush()->SetColor(clYellow);
  c->TextOut(2, 1, "Hi");
  EXPECT_EQ(c->GetPenPos(), Point(14, 1));
  EXPECT_EQ(RowOf(c, 1, 0, 16), "..#yyy#yyy#yyy..");   // top row of "H" (cell 2..7) and "i" (8..13)
  EXPECT_EQ(RowOf(c, 11, 0, 16), "..yyyyyyyyyyyy..");  // the cells' last row: background
  EXPECT_EQ(RowOf(c, 12, 0, 16), "................");
  // TextRect fills its rectangle and clips the text to it.
  c->GetBrush()->SetColor(clLime);
  c->TextRect(Rect(20, 0, 24, 11), 20, 0, "WW");
  EXPECT_EQ(RowOf(c, 0, 19, 27), ".#ggg...");
  EXPECT_EQ(RowOf(c, 10, 19, 25), ".gggg.");
  // A clear brush draws the glyphs only.
  c->GetBrush()->SetStyle(bsClear);
  c->GetFont()->SetColor(clRed);
  c->GetFont()->SetStyle({fsUnderline});
  c->TextOut(2, 1, "_");
  EXPECT_EQ(RowOf(c, 9, 0, 10), "..rrrrrryy");  // underline row 8 of the cell (y = 9)
  EXPECT_EQ(RowOf(c, 11, 2, 3), "y");
}

TEST_F(CanvasTest, EveryDrawingCallFiresChangingThenChangedOnce) {
  TOwned<TBitmap> b = MakeBitmap(4, 4);
  TCanvas* c = b->GetCanvas();
  std::vector<std::string> log;
  c->OnChanging = [&](TObject*) { log.push_back("changing " + RowOf(c, 0, 0, 1)); };
  c->OnChange = [&](TObject*) { log.push_back("change " + RowOf(c, 0, 0, 1)); };
  c->SetPixels(0, 0, clRed);
  EXPECT_EQ(log, (std::vector<std::string>{"changing .", "change r"}));
  log.clear();
  EXPECT_EQ(c->GetPixels(0, 0), clRed);  // reading draws nothing
  EXPECT_EQ(c->GetPixels(9, 9), static_cast<TColor>(-1));
  c->MoveTo(1, 1);
  c->TextExtent("x");
  EXPECT_TRUE(log.empty());
  TOwned<TBitmap> other = MakeBitmap(2, 2, clBlue);
  c->Draw(0, 0, other.get());
  EXPECT_EQ(log, (std::vector<std::string>{"changing r", "change b"}));
}

TEST_F(CanvasTest, ChangingThePenBetweenCallsDrawsWithTheNewOne) {
  TOwned<TBitmap> b = MakeBitmap(6, 2);
  TCanvas* c = b->GetCanvas();
  c->Rectangle(0, 0, 2, 2);
  c->GetPen()->SetColor(clRed);
  c->Rectangle(2, 0, 4, 2);
  c->GetPen()->SetMode(pmXor);  // white xor white is black; twice is white again
  c->GetPen()->SetColor(clWhite);
  c->GetBrush()->SetStyle(bsClear);
  c->Rectangle(4, 0, 6, 2);
  EXPECT_EQ(RowOf(b.get(), 0), "##rr##");
  c->Rectangle(4, 0, 6, 2);
  EXPECT_EQ(RowOf(b.get(), 0), "##rr..");
  EXPECT_EQ(c->GetState(), csAllValid - TCanvasState{csFontValid});
  c->Refresh();
  EXPECT_EQ(c->GetState(), TCanvasState{csHandleValid});
}

TEST_F(CanvasTest, HatchedBrushesDrawTheirLinesOnly) {
  TOwned<TBitmap> b = MakeBitmap(9, 9);
  TCanvas* c = b->GetCanvas();
  c->GetBrush()->SetColor(clBlue);
  c->GetBrush()->SetStyle(bsCross);
  c->FillRect(Rect(0, 0, 9, 9));
  EXPECT_EQ(RowOf(b.get(), 0), "bbbbbbbbb");
  EXPECT_EQ(RowOf(b.get(), 1), "b.......b");
  EXPECT_EQ(RowOf(b.get(), 8), "bbbbbbbbb");
  // A bitmap brush tiles its pixels.
  TOwned<TBitmap> tile = MakeBitmap(2, 1, clRed);
  tile->GetCanvas()->SetPixels(1, 0, clLime);
  c->GetBrush()->SetBitmap(tile.get());
  c->FillRect(Rect(0, 4, 9, 5));
  EXPECT_EQ(RowOf(b.get(), 4), "rgrgrgrgr");
  c->GetBrush()->SetBitmap(nullptr);
  // FrameRect draws a one-pixel border with the brush and leaves the inside.
  c->GetBrush()->SetColor(clRed);
  c->FrameRect(Rect(1, 1, 8, 4));
  EXPECT_EQ(RowOf(b.get(), 1), "brrrrrrrb");
  EXPECT_EQ(RowOf(b.get(), 2), "br.....rb");
}

TEST_F(CanvasTest, CopyRectDrawAndFocusRectCombineThroughTheirRasterOperations) {
  TOwned<TBitmap> src = MakeBitmap(3, 1, clRed), dst = MakeBitmap(6, 2);
  src->GetCanvas()->SetPixels(2, 0, clBlack);
  dst->GetCanvas()->CopyRect(Rect(0, 0, 6, 2), src->GetCanvas(), Rect(0, 0, 3, 1));  // stretched twice
  EXPECT_EQ(RowOf(dst.get(), 1), "rrrr##");
  dst->GetCanvas()->SetCopyMode(cmNotSrcCopy);
  dst->GetCanvas()->CopyRect(Rect(0, 0, 3, 1), src->GetCanvas(), Rect(0, 0, 3, 1));
  EXPECT_EQ(RowOf(dst.get(), 0), "??.r##");
  // Transparent bitmaps leave out their transparent colour (bottom-left pixel).
  TOwned<TBitmap> canvas = MakeBitmap(3, 1, clBlue);
  src->SetTransparent(true);
  canvas->GetCanvas()->Draw(0, 0, src.get());
  EXPECT_EQ(RowOf(canvas.get(), 0), "bb#");
  // BrushCopy paints a colour of the source with the brush instead.
  canvas->GetCanvas()->GetBrush()->SetColor(clYellow);
  canvas->GetCanvas()->BrushCopy(Rect(0, 0, 3, 1), src.get(), Rect(0, 0, 3, 1), clBlack);
  EXPECT_EQ(RowOf(canvas.get(), 0), "rry");
  // A focus rectangle inverts every other border pixel; drawing it again undoes it.
  TOwned<TBitmap> focus = MakeBitmap(6, 3);
  const std::string before = PictureOf(focus.get());
  focus->GetCanvas()->DrawFocusRect(Rect(0, 0, 6, 3));
  EXPECT_EQ(RowOf(focus.get(), 0), "#.#.#.");
  EXPECT_EQ(RowOf(focus.get(), 1), ".....#");
  focus->GetCanvas()->DrawFocusRect(Rect(0, 0, 6, 3));
  EXPECT_EQ(PictureOf(focus.get()), before);
}

TEST_F(CanvasTest, APlainCanvasDrawsOnlyOnTheContextItIsGiven) {
  TOwned<TCanvas> c = MakeOwned<TCanvas>();
  EXPECT_RAISES(c->Rectangle(0, 0, 2, 2), EInvalidOperation, "Canvas does not allow drawing");
  EXPECT_FALSE(c->HandleAllocated());
  TOwned<TBitmap> b = MakeBitmap(3, 3);
  const HDC dc = WidgetSet().CreateCompatibleDC(0);
  const HGDIOBJ old = WidgetSet().SelectObject(dc, b->ReleaseHandle());
  c->SetHandle(dc);
  c->SetPixels(1, 1, clRed);
  EXPECT_EQ(c->GetPixels(1, 1), clRed);
  EXPECT_EQ(c->GetClipRect(), Rect(0, 0, 3, 3));
  c->SetHandle(0);  // the canvas never deletes a context it was given
  WidgetSet().DeleteObject(WidgetSet().SelectObject(dc, old));
  WidgetSet().DeleteDC(dc);
}

TEST_F(CanvasTest, LockingNestsAndKeepsOtherThreadsOut) {
  TOwned<TBitmap> b = MakeBitmap(2, 2);
  TCanvas* c = b->GetCanvas();
  c->Lock();
  EXPECT_TRUE(c->TryLock());  // the same thread again
  EXPECT_EQ(c->GetLockCount(), 2);
  bool otherGotIt = true;
  std::thread([&] { otherGotIt = c->TryLock(); }).join();
  EXPECT_FALSE(otherGotIt);
  c->Unlock();
  c->Unlock();
  EXPECT_EQ(c->GetLockCount(), 0);
  std::thread([&] {
    otherGotIt = c->TryLock();
    if (otherGotIt) c->Unlock();
  }).join();
  EXPECT_TRUE(otherGotIt);
  EXPECT_RAISES(c->Unlock(), EInvalidGraphicOperation, "Canvas is not locked");
  EXPECT_EQ(c->GetLockCount(), 0);
}

}  // namespace
}  // namespace host::graphicstest
