// Giving a graphic object or graphic the handle it already holds: the handle
// stays alive and the object keeps working (a generic property copy writes
// back what it read).
#include "host/graphics/graphics.h"
#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using OwnHandleTest = GraphicsTest;

TEST_F(OwnHandleTest, FontsPensAndBrushesKeepTheirOwnHandleWhenGivenItBack) {
  TOwned<TFont> font = MakeOwned<TFont>();
  font->SetStyle({fsBold});
  const HFONT f = font->GetHandle();
  font->SetHandle(f);
  TLogFont log;
  ASSERT_TRUE(WidgetSet().GetLogFont(f, log));
  EXPECT_GE(log.Weight, FW_BOLD);
  EXPECT_EQ(font->GetHandle(), f);

  TOwned<TPen> pen = MakeOwned<TPen>();
  pen->SetColor(clRed);
  const HPEN p = pen->GetHandle();
  pen->SetHandle(p);
  TLogPen logPen;
  ASSERT_TRUE(WidgetSet().GetLogPen(p, logPen));
  EXPECT_EQ(pen->GetColor(), clRed);
  // A later change still makes a fresh handle.
  pen->SetWidth(3);
  EXPECT_NE(pen->GetHandle(), 0u);
  EXPECT_FALSE(WidgetSet().GetLogPen(p, logPen));
}

TEST_F(OwnHandleTest, BitmapsIconsAndMetafilesKeepTheirOwnHandleWhenGivenItBack) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 2, clRed);
  const HBITMAP b = bitmap->GetHandle();
  bitmap->SetHandle(b);
  TBitmapBits bits;
  ASSERT_TRUE(WidgetSet().GetBitmapBits(b, bits));
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(2, 1), clRed);

  TOwned<TIcon> icon = MakeOwned<TIcon>();
  LoadBytes(icon.get(), IcoFile({IconImage4({"9C", "00"}, {"00", "10"})}));
  const HICON i = icon->GetHandle();
  icon->SetHandle(i);
  TIconInfo info;
  ASSERT_TRUE(WidgetSet().GetIconInfo(i, info));
  WidgetSet().DeleteObject(info.Color);
  WidgetSet().DeleteObject(info.Mask);
  EXPECT_EQ(icon->GetWidth(), 2);

  TOwned<TMetafile> metafile = MakeOwned<TMetafile>();
  {
    TOwned<TMetafileCanvas> canvas = MakeOwned<TMetafileCanvas>(metafile.get(), 0);
    canvas->Rectangle(0, 0, 4, 4);
  }
  const HENHMETAFILE m = metafile->GetHandle();
  metafile->SetHandle(m);
  EXPECT_FALSE(WidgetSet().GetEnhMetaFileBits(m).empty());
  EXPECT_FALSE(metafile->GetEmpty());
}

}  // namespace
}  // namespace host::graphicstest
