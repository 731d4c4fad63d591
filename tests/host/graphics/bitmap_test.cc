// TBitmap: BMP files of every depth both ways, bad files, sizes, scan
// lines, shared images, transparency, handles, the clipboard, resources and
// progress events.
#include "host/graphics/bitmap.h"

#include <cstring>

#include "host/classes/resources.h"
#include "host/classes/streams.h"
#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using BitmapTest = GraphicsTest;

// A 4 x 2 bitmap: red, lime, blue, white over black, yellow, black, white.
TOwned<TBitmap> Sample() {
  TOwned<TBitmap> b = MakeBitmap(4, 2);
  const TColor colors[2][4] = {{clRed, clLime, clBlue, clWhite}, {clBlack, clYellow, clBlack, clWhite}};
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 4; ++x) b->GetCanvas()->SetPixels(x, y, colors[y][x]);
  return b;
}

uint32_t Le32(const std::string& S, std::size_t At) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(S[At + static_cast<std::size_t>(i)]);
  return v;
}

TEST_F(BitmapTest, EveryPixelFormatRoundTripsThroughABmpFile) {
  struct Case {
    TPixelFormat Format;
    uint32_t Bits;
  };
  for (const Case& c :
       {Case{pf4bit, 4}, Case{pf8bit, 8}, Case{pf15bit, 16}, Case{pf16bit, 16}, Case{pf24bit, 24}, Case{pf32bit, 32}}) {
    TOwned<TBitmap> b = Sample();
    b->SetPixelFormat(c.Format);
    const std::string file = SavedBytes(b.get());
    ASSERT_EQ(file.substr(0, 2), "BM");
    EXPECT_EQ(Le32(file, 2), file.size());
    EXPECT_EQ(static_cast<uint8_t>(file[28]), c.Bits) << c.Format;
    EXPECT_EQ(Le32(file, 22), 2u);  // positive height: rows bottom-up
    TOwned<TBitmap> copy = MakeOwned<TBitmap>();
    LoadBytes(copy.get(), file);
    EXPECT_EQ(copy->GetPixelFormat(), c.Format);
    EXPECT_EQ(PictureOf(copy.get()), "rgb.\n#y#.") << "format " << c.Format;
    EXPECT_EQ(SavedBytes(copy.get()), file);
  }
  // One bit per pixel keeps black and white only: each colour becomes the
  // nearer of the two (pure red, lime and blue are nearer black).
  TOwned<TBitmap> mono = Sample();
  mono->SetMonochrome(true);
  EXPECT_TRUE(mono->GetMonochrome());
  EXPECT_EQ(mono->GetPixelFormat(), pf1bit);
  TOwned<TBitmap> copy = MakeOwned<TBitmap>();
  LoadBytes(copy.get(), SavedBytes(mono.get()));
  EXPECT_EQ(PictureOf(copy.get()), "###.\n#.#.");
}

TEST_F(BitmapTest, ReadsTopDownRowsBitFieldsRunLengthsAndCoreHeaders) {
  // 2 x 2, 24 bits, top-down: red then blue on the first row.
  const std::string rows =
      std::string("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8) + std::string("\x00\xFF\x00\xFF\xFF\xFF\x00\x00", 8);
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  LoadBytes(b.get(), BmpFile(2, -2, 24, 0, {}, rows));
  EXPECT_EQ(PictureOf(b.get()), "rb\ng.");
  LoadBytes(b.get(), BmpFile(2, 2, 24, 0, {}, rows));  // the same rows bottom-up
  EXPECT_EQ(PictureOf(b.get()), "g.\nrb");
  // 5-6-5 bit fields: pure red is 0xF800.
  std::string bitfields = BmpFile(1, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, std::string("\x00\xF8\x00\x00", 4));
  LoadBytes(b.get(), bitfields);
  EXPECT_EQ(b->GetPixelFormat(), pf16bit);
  EXPECT_EQ(PictureOf(b.get()), "r");
  // RLE8: a run of three index-1 (red) pixels, end of line, three literal
  // pixels padded to a word, end of bitmap.
  const std::string rle("\x03\x01\x00\x00\x00\x03\x00\x01\x00\x00\x00\x01", 12);
  LoadBytes(b.get(), BmpFile(3, 2, 8, 1, {0x000000, 0xFF0000}, rle));
  EXPECT_EQ(PictureOf(b.get()), "#r#\nrrr");
  // A delta skips pixels, which keep colour 0; a missing end marker is tolerated.
  LoadBytes(b.get(), BmpFile(3, 1, 8, 1, {0x000000, 0xFF0000}, std::string("\x00\x02\x02\x00\x01\x01", 6)));
  EXPECT_EQ(PictureOf(b.get()), "##r");
  // An OS/2 core header (12 bytes, 3-byte colour table).
  std::string core = "BM";
  Put32(core, 14 + 12 + 6 + 4);
  Put32(core, 0);
  Put32(core, 14 + 12 + 6);
  Put32(core, 12);
  Put16(core, 2);
  Put16(core, 1);
  Put16(core, 1);
  Put16(core, 1);
  core += std::string("\x00\x00\x00\xFF\xFF\xFF", 6) + std::string("\x40\x00\x00\x00", 4);
  LoadBytes(b.get(), core);
  EXPECT_EQ(PictureOf(b.get()), "#.");  // 0x40: pixel 0 is entry 0 (black), pixel 1 entry 1 (white)
}

TEST_F(BitmapTest, BadFilesRaiseAndLeaveTheBitmapAsItWas) {
  TOwned<TBitmap> b = Sample();
  const std::string before = PictureOf(b.get());
  const std::string good = BmpFile(2, 2, 24, 0, {}, std::string(16, '\0'));
  struct Case {
    std::string File;
    const char* Message;
  };
  std::string palette1bit = BmpFile(1, 1, 1, 0, std::vector<uint32_t>(3, 0), std::string(4, '\0'));
  const Case cases[] = {
      {"BM\x01", "Bitmap image is not valid: the data ends after 3 of the 14 bytes of the file header"},
      {"PK" + good.substr(2), "Bitmap image is not valid: the data does not start with the signature BM"},
      {good.substr(0, 30), "Bitmap image is not valid: the data ends inside its info header"},
      {good.substr(0, good.size() - 3), "Bitmap image is not valid: the data ends after 13 of its 16 bytes of pixels"},
      {BmpFile(0, 2, 24, 0, {}, ""), "Bitmap image is not valid: its width is 0"},
      {BmpFile(-3, 2, 24, 0, {}, ""), "Bitmap image is not valid: its width is negative (-3)"},
      {BmpFile(2, 0, 24, 0, {}, ""), "Bitmap image is not valid: its height is 0"},
      {BmpFile(2, 2, 7, 0, {}, ""), "Bitmap image is not valid: 7 bits per pixel are not supported"},
      {BmpFile(2, 2, 24, 4, {}, ""), "Bitmap image is not valid: compression 4 (JPEG) does not fit 24 bits per pixel"},
      {BmpFile(2, -2, 8, 1, {}, ""), "Bitmap image is not valid: a top-down bitmap cannot be RLE-compressed"},
      {palette1bit, "Bitmap image is not valid: its colour table has 3 entries, more than 1 bits per pixel can use"},
      {BmpFile(1, 1, 16, 3, {0, 0, 0}, std::string(4, '\0')),
       "Bitmap image is not valid: its colour masks are all zero"},
      {BmpFile(2, 2, 24, 0, {}, std::string(16, '\0'), 20),
       "Bitmap image is not valid: its pixel data offset 20 lies inside its headers"},
  };
  for (const Case& c : cases) {
    EXPECT_RAISES(LoadBytes(b.get(), c.File), EInvalidGraphic, c.Message);
    EXPECT_EQ(PictureOf(b.get()), before);
  }
  // Sizes beyond the limits raise EOutOfResources before anything is allocated.
  EXPECT_RAISES(LoadBytes(b.get(), BmpFile(40000, 1, 1, 0, {0, 0xFFFFFF}, "")), EOutOfResources,
                "Out of system resources: a bitmap of 40000 x 1 pixels is larger than the limit of 32768 pixels a "
                "side and 67108864 pixels in all");
  EXPECT_EQ(PictureOf(b.get()), before);
  // A stream that fails to load keeps its position.
  TOwned<TStringStream> s = MakeOwned<TStringStream>("xxBM");
  s->SetPosition(2);
  EXPECT_THROW(b->LoadFromStream(s.get()), EInvalidGraphic);
  EXPECT_EQ(s->GetPosition(), 2);
}

TEST_F(BitmapTest, SizeChangesKeepThePixelsAndRefuseImpossibleSizes) {
  TOwned<TBitmap> b = Sample();
  b->GetCanvas()->GetBrush()->SetColor(clBlue);
  b->SetSize(5, 3);  // new pixels take the canvas brush colour
  EXPECT_EQ(PictureOf(b.get()), "rgb.b\n#y#.b\nbbbbb");
  b->SetWidth(2);
  EXPECT_EQ(PictureOf(b.get()), "rg\n#y\nbb");
  const std::string before = PictureOf(b.get());
  EXPECT_RAISES(b->SetSize(-1, 4), EInvalidGraphicOperation, "Invalid bitmap size -1 x 4: a size cannot be negative");
  EXPECT_RAISES(b->SetHeight(1 << 20), EOutOfResources,
                "Out of system resources: a bitmap of 2 x 1048576 pixels is larger than the limit of 32768 pixels a "
                "side and 67108864 pixels in all");
  EXPECT_RAISES(b->SetSize(20000, 20000), EOutOfResources,
                "Out of system resources: a bitmap of 20000 x 20000 pixels is larger than the limit of 32768 pixels "
                "a side and 67108864 pixels in all");
  EXPECT_EQ(PictureOf(b.get()), before);
  b->SetHeight(0);
  EXPECT_TRUE(b->GetEmpty());
  EXPECT_EQ(b->GetWidth(), 2);
  EXPECT_EQ(SavedBytes(b.get()), "");  // an empty bitmap writes nothing and reads back empty
  LoadBytes(b.get(), "");
  EXPECT_TRUE(b->GetEmpty());
}

TEST_F(BitmapTest, ScanLinesUseThePixelFormatsLayout) {
  TOwned<TBitmap> b = Sample();
  b->SetPixelFormat(pf24bit);
  uint8_t* row = b->GetScanLine(1);
  EXPECT_EQ(row[3], 0x00);  // yellow: blue 0, green FF, red FF
  EXPECT_EQ(row[4], 0xFF);
  EXPECT_EQ(row[5], 0xFF);
  row[0] = 0xFF;  // black -> blue
  EXPECT_EQ(RowOf(b.get(), 1), "by#.");
  b->SetPixelFormat(pf32bit);
  auto* pixels = reinterpret_cast<uint32_t*>(b->GetScanLine(0));
  EXPECT_EQ(pixels[0] & 0xFFFFFF, 0xFF0000u);  // red as blue, green, red bytes
  pixels[1] = 0xFF000000;
  EXPECT_EQ(RowOf(b.get(), 0), "r#b.");
  EXPECT_RAISES(b->GetScanLine(2), EInvalidGraphicOperation, "Scan line index out of range");
  EXPECT_RAISES(b->GetScanLine(-1), EInvalidGraphicOperation, "Scan line index out of range");
  // Fewer colours than the format holds are snapped to its colour table.
  b->SetPixelFormat(pf4bit);
  b->GetCanvas()->SetPixels(3, 0, static_cast<TColor>(0x0000F0));  // almost red
  EXPECT_EQ(b->GetScanLine(0)[1] & 0x0F, 9);                       // VGA entry 9 is red
  EXPECT_EQ(RowOf(b.get(), 0), "r#br");
}

TEST_F(BitmapTest, CopiesShareTheirImageUntilOneChanges) {
  TOwned<TBitmap> a = Sample();
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  const std::size_t handles = WidgetSet().HandleCount();
  int changes = 0;
  b->OnChange = [&](TObject*) { ++changes; };
  a->SetTransparent(true);
  b->Assign(a.get());
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(b->GetTransparent());
  EXPECT_EQ(b->GetHandle(), a->GetHandle());
  EXPECT_EQ(WidgetSet().HandleCount(), handles);
  b->GetCanvas()->SetPixels(0, 0, clBlack);  // b gets an image of its own first
  EXPECT_NE(b->GetHandle(), a->GetHandle());
  EXPECT_EQ(RowOf(a.get(), 0), "rgb.");
  EXPECT_EQ(RowOf(b.get(), 0), "#gb.");
  // Reading a shared image from both canvases works: the handle moves between them.
  TOwned<TBitmap> c = MakeOwned<TBitmap>();
  c->Assign(a.get());
  EXPECT_EQ(RowOf(c.get(), 1), "#y#.");
  EXPECT_EQ(RowOf(a.get(), 1), "#y#.");
  EXPECT_EQ(RowOf(c.get(), 0), "rgb.");
  EXPECT_RAISES(c->Assign(MakeOwned<TPen>().get()), EConvertError, "Cannot assign a TPen to a TBitmap");
  c->Assign(nullptr);
  EXPECT_TRUE(c->GetEmpty());
  EXPECT_EQ(RowOf(a.get(), 0), "rgb.");
}

// A file read is written back byte for byte (compression, resolution and
// colour count as they were) until something may change the pixels: a
// canvas, a scan line or a format change; a copy sharing the image keeps it.
TEST_F(BitmapTest, AFileReadIsWrittenBackAsItWasUntilItsPixelsChange) {
  const std::string rle("\x03\x01\x00\x00\x00\x03\x00\x01\x00\x00\x00\x01", 12);
  const std::string file = BmpFile(3, 2, 8, 1, {0x000000, 0xFF0000}, rle);
  TOwned<TBitmap> a = MakeOwned<TBitmap>();
  LoadBytes(a.get(), file);
  EXPECT_EQ(SavedBytes(a.get()), file);
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  b->Assign(a.get());
  a->GetCanvas()->SetPixels(0, 0, clRed);
  const std::string drawn = SavedBytes(a.get());
  EXPECT_NE(drawn, file);
  EXPECT_EQ(Le32(drawn, 30), 0u);  // written uncompressed now
  EXPECT_EQ(SavedBytes(b.get()), file);
  TOwned<TBitmap> c = MakeOwned<TBitmap>();
  LoadBytes(c.get(), drawn);
  EXPECT_EQ(PictureOf(c.get()), "rr#\nrrr");
  for (auto change : {+[](TBitmap* Bmp) { Bmp->GetScanLine(0); }, +[](TBitmap* Bmp) { Bmp->SetPixelFormat(pf24bit); },
                      +[](TBitmap* Bmp) { Bmp->SetWidth(4); }}) {
    LoadBytes(b.get(), file);
    change(b.get());
    EXPECT_NE(SavedBytes(b.get()), file);
  }
}

TEST_F(BitmapTest, MasksAndTransparentColours) {
  TOwned<TBitmap> b = Sample();
  EXPECT_EQ(b->GetTransparentMode(), tmAuto);
  EXPECT_EQ(b->GetTransparentColor(), clBlack);  // the bottom-left pixel
  b->SetTransparentColor(clWhite);
  EXPECT_EQ(b->GetTransparentMode(), tmFixed);
  TOwned<TBitmap> mask = MakeOwned<TBitmap>();
  mask->SetHandle(b->ReleaseMaskHandle());
  EXPECT_EQ(PictureOf(mask.get()), "###.\n###.");
  b->SetTransparentMode(tmAuto);
  EXPECT_EQ(b->GetTransparentColor(), clBlack);
  b->Mask(clBlack);
  EXPECT_EQ(PictureOf(b.get()), "####\n.#.#");  // the black pixels turn white, the rest black
  EXPECT_EQ(b->GetPixelFormat(), pf1bit);
}

TEST_F(BitmapTest, HandlesCanBeTakenAwayFreedAndGiven) {
  TOwned<TBitmap> b = Sample();
  const std::size_t handles = WidgetSet().HandleCount();
  b->Dormant();  // the pixels wait in memory
  EXPECT_LT(WidgetSet().HandleCount(), handles);
  EXPECT_EQ(PictureOf(b.get()), "rgb.\n#y#.");
  const HBITMAP h = b->ReleaseHandle();
  EXPECT_TRUE(b->GetEmpty());
  TOwned<TBitmap> other = MakeOwned<TBitmap>();
  other->SetHandle(h);  // takes it over
  EXPECT_EQ(PictureOf(other.get()), "rgb.\n#y#.");
  EXPECT_EQ(other->GetPixelFormat(), pfDevice);
  EXPECT_EQ(other->GetHandleType(), bmDDB);
  other->SetHandleType(bmDIB);
  EXPECT_EQ(other->GetPixelFormat(), pf32bit);
  EXPECT_RAISES(other->SetHandle(12345678), EInvalidGraphicOperation, "Handle 12345678 is not a bitmap");
  EXPECT_EQ(PictureOf(other.get()), "rgb.\n#y#.");
  other->SetPixelFormat(pf8bit);
  const HPALETTE palette = other->ReleasePalette();
  std::vector<TPaletteEntry> entries;
  ASSERT_TRUE(WidgetSet().GetPaletteEntries(palette, entries));
  EXPECT_EQ(entries.size(), 256u);
  WidgetSet().DeleteObject(palette);
}

TEST_F(BitmapTest, ClipboardDataRoundTrips) {
  TOwned<TBitmap> b = Sample();
  b->SetPixelFormat(pf8bit);
  uint16_t format = 0;
  THandle data = 0;
  HPALETTE palette = 0;
  b->SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, CF_BITMAP);
  TWidgetSet& ws = WidgetSet();
  ASSERT_TRUE(ws.OpenClipboard());
  ws.EmptyClipboard();
  ws.SetClipboardData(CF_BITMAP, data);
  ws.SetClipboardData(CF_PALETTE, palette);
  TOwned<TBitmap> pasted = MakeOwned<TBitmap>();
  pasted->LoadFromClipboardFormat(CF_BITMAP, ws.GetClipboardData(CF_BITMAP), ws.GetClipboardData(CF_PALETTE));
  EXPECT_EQ(PictureOf(pasted.get()), "rgb.\n#y#.");
  EXPECT_EQ(pasted->GetPixelFormat(), pf8bit);
  const std::string before = PictureOf(pasted.get());
  EXPECT_RAISES(pasted->LoadFromClipboardFormat(CF_TEXT, ws.GetClipboardData(CF_BITMAP), 0), EInvalidGraphic,
                "Unsupported clipboard format (format 1, data " + std::to_string(ws.GetClipboardData(CF_BITMAP)) + ")");
  EXPECT_EQ(PictureOf(pasted.get()), before);
  ws.EmptyClipboard();
  ws.CloseClipboard();
}

TEST_F(BitmapTest, LoadsBitmapResourcesByNameAndNumber) {
  TOwned<TBitmap> b = Sample();
  const std::string file = SavedBytes(b.get());
  RegisterResource(HInstance(), "LOGO", RT_BITMAP, std::string_view(file));
  RegisterResource(HInstance(), "#7", RT_BITMAP, std::string_view(file).substr(14));  // a packed DIB
  TOwned<TBitmap> logo = MakeOwned<TBitmap>();
  logo->LoadFromResourceName(HInstance(), "logo");
  EXPECT_EQ(PictureOf(logo.get()), "rgb.\n#y#.");
  TOwned<TBitmap> seven = MakeOwned<TBitmap>();
  seven->LoadFromResourceID(HInstance(), 7);
  EXPECT_EQ(PictureOf(seven.get()), "rgb.\n#y#.");
  EXPECT_RAISES(seven->LoadFromResourceName(HInstance(), "NOPE"), EResNotFound, "Resource NOPE not found");
  EXPECT_RAISES(seven->LoadFromResourceID(HInstance(), 8), EResNotFound, "Resource #8 not found");
  EXPECT_EQ(PictureOf(seven.get()), "rgb.\n#y#.");
  UnregisterResource(HInstance(), "LOGO", RT_BITMAP);
  UnregisterResource(HInstance(), "#7", RT_BITMAP);
}

TEST_F(BitmapTest, LoadingReportsProgressAndChanges) {
  TOwned<TBitmap> big = MakeBitmap(3, 40, clRed);
  const std::string file = SavedBytes(big.get());
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  std::vector<std::string> log;
  b->OnProgress = [&](TObject* sender, TProgressStage stage, uint8_t percent, bool, const TRect& r,
                      const std::string&) {
    EXPECT_EQ(sender, b.get());
    log.push_back(std::to_string(stage) + ":" + std::to_string(percent) + ":" + std::to_string(r.Top) + "-" +
                  std::to_string(r.Bottom));
  };
  int changes = 0;
  b->OnChange = [&](TObject*) { ++changes; };
  LoadBytes(b.get(), file);
  ASSERT_GE(log.size(), 4u);
  EXPECT_EQ(log.front(), "0:0:0-0");
  EXPECT_EQ(log[1], "1:5:38-40");  // bottom-up rows arrive from the bottom, 2 at a time
  EXPECT_EQ(log[log.size() - 2], "1:100:0-40");
  EXPECT_EQ(log.back(), "2:100:0-40");
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(b->GetModified());
  b->SetModified(false);
  b->GetCanvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(b->GetModified());
}

}  // namespace
}  // namespace host::graphicstest
