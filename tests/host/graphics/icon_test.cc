// TIcon: choosing among the images of an .ico file, drawing through the
// mask, writing files back, handles, and bad files.
#include "host/graphics/icon.h"

#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using IconTest = GraphicsTest;

// 4 x 2: a red frame with a transparent middle; VGA index 9 is red, C blue.
// Transparent pixels are black in the colour image (a colour there would
// be XORed onto the background).
TIcoImage Small() { return IconImage4({"9999", "9009"}, {"0000", "0110"}); }
// 8 x 8: all blue, transparent in the top-left corner.
TIcoImage Larger() {
  std::vector<std::string> colors(8, "CCCCCCCC");
  colors[0] = "00CCCCCC";
  colors[1] = "0CCCCCCC";
  return IconImage4(colors,
                    {"11000000", "10000000", "00000000", "00000000", "00000000", "00000000", "00000000", "00000000"});
}

TEST_F(IconTest, ShowsTheImageNearest32PixelsAndDrawsThroughItsMask) {
  const std::string file = IcoFile({Small(), Larger()});
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  int changes = 0;
  icon->OnChange = [&](TObject*) { ++changes; };
  LoadBytes(icon.get(), file);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(icon->GetWidth(), 8);
  EXPECT_TRUE(icon->GetTransparent());
  TOwned<TBitmap> b = MakeBitmap(8, 2, clYellow);
  b->GetCanvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(RowOf(b.get(), 0), "yybbbbbb");
  EXPECT_EQ(RowOf(b.get(), 1), "ybbbbbbb");
  EXPECT_EQ(SavedBytes(icon.get()), file);  // written back as read
  // The small one alone, stretched to twice its size.
  LoadBytes(icon.get(), IcoFile({Small()}));
  b->GetCanvas()->FillRect(Rect(0, 0, 8, 2));
  b->GetCanvas()->StretchDraw(Rect(0, 0, 8, 4), icon.get());
  EXPECT_EQ(RowOf(b.get(), 0), "rrrrrrrr");
  EXPECT_EQ(RowOf(b.get(), 1), "rrrrrrrr");
  TOwned<TBitmap> low = MakeBitmap(8, 4, clYellow);
  low->GetCanvas()->StretchDraw(Rect(0, 0, 8, 4), icon.get());
  EXPECT_EQ(RowOf(low.get(), 3), "rryyyyrr");
}

TEST_F(IconTest, BadFilesRaiseAndLeaveTheIconAsItWas) {
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  const std::string good = IcoFile({Small()});
  LoadBytes(icon.get(), good);
  std::string png = IcoFile({Small()});
  png.replace(22, 4, "\x89PNG");
  std::string beyond = good;
  beyond[18] = '\x7F';  // the image's offset points past the end
  std::string badDib = good;
  badDib[22 + 14] = 9;  // 9 bits per pixel
  struct Case {
    std::string File;
    const char* Message;
  };
  const Case cases[] = {
      {std::string("\0\0\1", 3), "Icon image is not valid: the data ends after 3 of the 6 bytes of the icon directory"},
      {std::string("\0\0\2\0\1\0", 6),
       "Icon image is not valid: the data does not start with an icon directory (reserved 0, type 2)"},
      {std::string("\0\0\1\0\0\0", 6), "Icon image is not valid: it holds no images"},
      {good.substr(0, 15), "Icon image is not valid: the data ends inside the directory of its 1 images"},
      {beyond, "Icon image is not valid: image 1 lies beyond the end of the data"},
      {png, "Icon image is not valid: its images are all PNG-compressed, which is not supported"},
      {badDib, "Icon image is not valid: image 1: 9 bits per pixel are not supported"},
      {good.substr(0, good.size() - 4), "Icon image is not valid: image 1 lies beyond the end of the data"},
  };
  for (const Case& c : cases) {
    EXPECT_RAISES(LoadBytes(icon.get(), c.File), EInvalidGraphic, c.Message);
    EXPECT_EQ(SavedBytes(icon.get()), good);
  }
  // An image whose declared size leaves out its mask.
  std::string noMask = good;
  const uint32_t shorter = static_cast<uint32_t>(good.size() - 22 - 8);
  noMask.replace(14, 4, std::string{static_cast<char>(shorter), 0, 0, 0});
  EXPECT_RAISES(LoadBytes(icon.get(), noMask), EInvalidGraphic,
                "Icon image is not valid: the data ends inside the mask of image 1");
  EXPECT_RAISES(icon->SetWidth(16), EInvalidGraphicOperation, "Cannot change the size of an icon");
  EXPECT_EQ(icon->GetWidth(), 4);
  uint16_t format = 0;
  THandle data = 0;
  HPALETTE palette = 0;
  EXPECT_RAISES(icon->SaveToClipboardFormat(format, data, palette), EInvalidGraphic,
                "Clipboard does not support Icons");
  EXPECT_EQ(data, 0u);
}

TEST_F(IconTest, HandlesMakeIconsAndIconsWithoutAFileWriteOneImage) {
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  LoadBytes(icon.get(), IcoFile({Small()}));
  const HICON handle = icon->ReleaseHandle();
  ASSERT_NE(handle, 0u);
  TOwned<TIcon> adopted = MakeOwned<TIcon>();
  adopted->SetHandle(handle);
  EXPECT_EQ(adopted->GetWidth(), 4);
  const std::string file = SavedBytes(adopted.get());
  EXPECT_EQ(file.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
  EXPECT_EQ(file[12], 32);  // 32 bits per pixel
  TOwned<TIcon> reread = MakeOwned<TIcon>();
  LoadBytes(reread.get(), file);
  TOwned<TBitmap> b = MakeBitmap(4, 2, clYellow);
  b->GetCanvas()->Draw(0, 0, reread.get());
  EXPECT_EQ(PictureOf(b.get()), "rrrr\nryyr");
  // The icon that gave its handle away still draws (with a new handle).
  TOwned<TBitmap> c = MakeBitmap(4, 2, clYellow);
  c->GetCanvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(PictureOf(c.get()), "rrrr\nryyr");
  // Shared icons: releasing one's handle leaves the other's.
  TOwned<TIcon> shared = MakeOwned<TIcon>();
  shared->Assign(icon.get());
  const HICON kept = icon->GetHandle();
  const HICON released = shared->ReleaseHandle();
  EXPECT_NE(released, kept);
  EXPECT_EQ(icon->GetHandle(), kept);
  WidgetSet().DestroyIcon(released);
  EXPECT_RAISES(shared->SetHandle(12345678), EInvalidGraphicOperation, "Handle 12345678 is not an icon");
}

}  // namespace
}  // namespace host::graphicstest
