// The widgetset registry and the headless backend's objects, device
// contexts, raster operations, text metrics and clipboard, through the
// neutral interface only.
#include "host/widgetset/widgetset.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "host/widgetset/headless/headless.h"
#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

// Sets an environment variable for one scope.
class TEnv {
 public:
  TEnv(const char* name, const char* value) : FName(name) {
    if (const char* old = std::getenv(name)) FOld = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~TEnv() {
    if (FOld.empty())
      ::unsetenv(FName);
    else
      ::setenv(FName, FOld.c_str(), 1);
  }

 private:
  const char* FName;
  std::string FOld;
};

class WidgetSetTest : public testing::Test {
 protected:
  void SetUp() override {
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    FWs = &WidgetSet();
  }
  void TearDown() override { FinalizeWidgetSet(); }

  // A device context with a new W x H bitmap selected, every pixel white.
  HDC Canvas(int32_t W, int32_t H) {
    const HBITMAP bitmap = FWs->CreateBitmap(W, H);
    const HDC dc = FWs->CreateCompatibleDC(0);
    FWs->SelectObject(dc, bitmap);
    FWs->FillRect(dc, {0, 0, W, H}, FWs->GetStockObject(WHITE_BRUSH));
    FBitmaps.push_back(bitmap);
    return dc;
  }
  // One character per pixel of a row: '#' for black, '.' for white, '?' else.
  std::string Row(HDC dc, int32_t Y, int32_t X1, int32_t X2) {
    std::string row;
    for (int32_t x = X1; x < X2; ++x) {
      const COLORREF c = FWs->GetPixel(dc, x, Y);
      row += c == 0 ? '#' : c == RGB(255, 255, 255) ? '.' : '?';
    }
    return row;
  }

  TWidgetSet* FWs = nullptr;
  std::vector<HBITMAP> FBitmaps;
};

TEST(WidgetSetRegistry, ChoosesTheBackendFromTheEnvironmentAndCountsStarts) {
  RegisterHeadlessWidgetSet();
  {
    TEnv env(WidgetSetEnvironmentVariable, nullptr);
    InitializeWidgetSet();  // unset: the default
    EXPECT_EQ(WidgetSet().Name(), "headless");
    InitializeWidgetSet("HEADLESS");  // the same backend again: counted
    FinalizeWidgetSet();
    EXPECT_TRUE(WidgetSetRunning());
    FinalizeWidgetSet();
    EXPECT_FALSE(WidgetSetRunning());
  }
  TEnv env(WidgetSetEnvironmentVariable, "qt6");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([] { InitializeWidgetSet(); }),
            "Widgetset \"qt6\" is not available (registered: headless)");
  EXPECT_FALSE(WidgetSetRunning());
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([] { WidgetSet(); }),
            "No widgetset is running: call InitializeWidgetSet first");
  InitializeWidgetSet("headless");
  RegisterWidgetSetBackend(
      "other", []() -> std::unique_ptr<TWidgetSet> { return std::make_unique<headless::THeadlessWidgetSet>(); });
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([] { InitializeWidgetSet("other"); }),
            "Widgetset \"other\" cannot start: widgetset \"headless\" is already running");
  EXPECT_EQ(WidgetSetBackends(), (std::vector<std::string>{"headless", "other"}));
  UnregisterWidgetSetBackend("other");
  FinalizeWidgetSet();
  EXPECT_FALSE(WidgetSetRunning());
}

TEST_F(WidgetSetTest, HandlesAreCountedAndNeverReused) {
  const std::size_t base = FWs->HandleCount();
  const HPEN pen = FWs->CreatePenIndirect({PS_DASH, 1, RGB(1, 2, 3)});
  const HBRUSH brush = FWs->CreateBrushIndirect({BS_HATCHED, RGB(4, 5, 6), HS_CROSS, 0});
  EXPECT_EQ(FWs->HandleCount(), base + 2);
  EXPECT_EQ(FWs->GetObjectType(pen), OBJ_PEN);
  TLogPen log;
  ASSERT_TRUE(FWs->GetLogPen(pen, log));
  EXPECT_EQ(log, (TLogPen{PS_DASH, 1, RGB(1, 2, 3)}));
  EXPECT_FALSE(FWs->GetLogPen(brush, log));  // wrong kind
  EXPECT_TRUE(FWs->DeleteObject(pen));
  EXPECT_FALSE(FWs->DeleteObject(pen));  // stale
  EXPECT_EQ(FWs->GetObjectType(pen), 0u);
  const HPEN again = FWs->CreatePenIndirect({});
  EXPECT_NE(again, pen);
  // Refused objects make no handle.
  EXPECT_EQ(FWs->CreatePenIndirect({99, 1, 0}), 0u);
  EXPECT_EQ(FWs->CreateBitmap(0, 5), 0u);
  EXPECT_EQ(FWs->CreateBitmap(1 << 15, 1 << 15), 0u);  // 2^30 pixels: beyond the backend's limit
  EXPECT_EQ(FWs->CreatePalette({}), 0u);
  // Stock objects survive deletion and are not counted.
  EXPECT_TRUE(FWs->DeleteObject(FWs->GetStockObject(BLACK_PEN)));
  EXPECT_EQ(FWs->GetObjectType(FWs->GetStockObject(BLACK_PEN)), OBJ_PEN);
  FWs->DeleteObject(brush);
  FWs->DeleteObject(again);
  EXPECT_EQ(FWs->HandleCount(), base);
}

TEST_F(WidgetSetTest, SelectedObjectsCannotBeDeletedAndBitmapsBelongToOneContext) {
  const HBITMAP bitmap = FWs->CreateBitmap(4, 4);
  const HDC a = FWs->CreateCompatibleDC(0), b = FWs->CreateCompatibleDC(0);
  const HGDIOBJ original = FWs->SelectObject(a, bitmap);
  EXPECT_EQ(FWs->GetObjectType(original), OBJ_BITMAP);  // the default 1 x 1 bitmap
  EXPECT_EQ(FWs->SelectObject(b, bitmap), 0u);          // already in a
  EXPECT_EQ(FWs->GetCurrentObject(b, OBJ_BITMAP), original);
  EXPECT_FALSE(FWs->DeleteObject(bitmap));
  TRect clip;
  EXPECT_EQ(FWs->GetClipBox(a, clip), SIMPLEREGION);
  EXPECT_EQ(clip, Rect(0, 0, 4, 4));
  EXPECT_EQ(FWs->SelectObject(a, original), bitmap);
  EXPECT_NE(FWs->SelectObject(b, bitmap), 0u);
  FWs->DeleteDC(b);  // deleting the context releases what it had selected
  EXPECT_TRUE(FWs->DeleteObject(bitmap));
  FWs->DeleteDC(a);
  // A context without a bitmap of its own draws nowhere and reads nothing.
  const HDC empty = FWs->CreateCompatibleDC(0);
  EXPECT_TRUE(FWs->Rectangle(empty, {0, 0, 10, 10}));
  EXPECT_EQ(FWs->GetPixel(empty, 0, 0), CLR_INVALID);
  EXPECT_EQ(FWs->GetDeviceCaps(empty, HORZRES), 1920);
  EXPECT_EQ(FWs->GetDeviceCaps(empty, LOGPIXELSY), 96);
  FWs->DeleteDC(empty);
}

TEST_F(WidgetSetTest, BinaryRasterOperationsFollowTheirTruthTables) {
  const HDC dc = Canvas(1, 1);
  const COLORREF d = RGB(0x0F, 0x33, 0x55), p = RGB(0xFF, 0x0F, 0x33);
  struct Case {
    int32_t Rop;
    COLORREF Expected;
  };
  const Case cases[] = {{R2_BLACK, 0},
                        {R2_WHITE, 0xFFFFFF},
                        {R2_NOP, d},
                        {R2_NOT, ~d & 0xFFFFFF},
                        {R2_COPYPEN, p},
                        {R2_XORPEN, p ^ d},
                        {R2_MASKPEN, p & d},
                        {R2_MERGEPEN, p | d},
                        {R2_NOTXORPEN, ~(p ^ d) & 0xFFFFFF},
                        {R2_MASKPENNOT, p & ~d & 0xFFFFFF},
                        {R2_MERGENOTPEN, (~p | d) & 0xFFFFFF}};
  const HPEN pen = FWs->CreatePenIndirect({PS_SOLID, 1, p});
  FWs->SelectObject(dc, pen);
  FWs->SelectObject(dc, FWs->GetStockObject(NULL_BRUSH));
  for (const Case& c : cases) {
    FWs->SetPixel(dc, 0, 0, d);
    FWs->SetROP2(dc, c.Rop);
    const TPoint point[] = {{0, 0}};
    FWs->Polygon(dc, point);  // a one-point figure: exactly the pixel, drawn once
    EXPECT_EQ(FWs->GetPixel(dc, 0, 0), c.Expected) << "R2 mode " << c.Rop;
  }
  EXPECT_EQ(FWs->SetROP2(dc, 0), 0);  // refused
  FWs->SelectObject(dc, FWs->GetStockObject(BLACK_PEN));
  FWs->DeleteObject(pen);
}

TEST_F(WidgetSetTest, BlitsCombineSourceDestinationAndPatternAndMirror) {
  const HDC src = Canvas(3, 1), dst = Canvas(3, 1);
  for (int32_t x = 0; x < 3; ++x) FWs->SetPixel(src, x, 0, RGB(static_cast<uint8_t>(x * 100), 0, 0));
  ASSERT_TRUE(FWs->StretchBlt(dst, 0, 0, 3, 1, src, 0, 0, 3, 1, SRCCOPY));
  EXPECT_EQ(FWs->GetPixel(dst, 2, 0), RGB(200, 0, 0));
  ASSERT_TRUE(FWs->StretchBlt(dst, 3, 0, -3, 1, src, 0, 0, 3, 1, SRCCOPY));  // mirrored
  EXPECT_EQ(FWs->GetPixel(dst, 0, 0), RGB(200, 0, 0));
  EXPECT_EQ(FWs->GetPixel(dst, 2, 0), RGB(0, 0, 0));
  FWs->StretchBlt(dst, 0, 0, 3, 1, src, 0, 0, 3, 1, SRCINVERT);  // XOR with itself mirrored
  EXPECT_EQ(FWs->GetPixel(dst, 1, 0), 0u);
  FWs->StretchBlt(dst, 0, 0, 3, 1, 0, 0, 0, 0, 0, WHITENESS);  // no source needed
  EXPECT_EQ(Row(dst, 0, 0, 3), "...");
  EXPECT_FALSE(FWs->StretchBlt(dst, 0, 0, 3, 1, 0, 0, 0, 3, 1, SRCCOPY));  // source needed, none given
  // Stretching samples the nearest source pixel: 3 -> 6 doubles each.
  const HDC wide = Canvas(6, 1);
  FWs->StretchBlt(wide, 0, 0, 6, 1, src, 0, 0, 3, 1, SRCCOPY);
  EXPECT_EQ(FWs->GetPixel(wide, 2, 0), RGB(100, 0, 0));
  EXPECT_EQ(FWs->GetPixel(wide, 3, 0), RGB(100, 0, 0));
  EXPECT_EQ(FWs->GetPixel(wide, 4, 0), RGB(200, 0, 0));
  // A mask leaves the destination where it is white.
  const HBITMAP mask = FWs->CreateBitmap(3, 1);
  const HDC maskDC = FWs->CreateCompatibleDC(0);
  FWs->SelectObject(maskDC, mask);
  FWs->SetPixel(maskDC, 1, 0, RGB(255, 255, 255));
  FWs->SelectObject(maskDC, FWs->GetStockObject(DEFAULT_BITMAP));
  FWs->DeleteDC(maskDC);
  FWs->FillRect(wide, {0, 0, 6, 1}, FWs->GetStockObject(WHITE_BRUSH));
  FWs->StretchMaskBlt(wide, 0, 0, 3, 1, src, 0, 0, 3, 1, mask, SRCCOPY);
  EXPECT_EQ(Row(wide, 0, 0, 3), "#.?");
  FWs->DeleteObject(mask);
}

TEST_F(WidgetSetTest, TextUsesTheDocumentedCellMetrics) {
  const HDC dc = Canvas(100, 40);
  TSize size;
  ASSERT_TRUE(FWs->GetTextExtentPoint(dc, "Hello", size));
  EXPECT_EQ(size, (TSize{30, 11}));  // the system font: 11 pixels high, 6 wide per character
  const HFONT big = FWs->CreateFontIndirect({-20, FW_BOLD, false, true, false, 0, 0, "Any Face"});
  FWs->SelectObject(dc, big);
  FWs->GetTextExtentPoint(dc, "ab\xC3\xA9", size);  // three characters, four bytes
  EXPECT_EQ(size, (TSize{36, 20}));
  TTextMetric tm;
  FWs->GetTextMetrics(dc, tm);
  EXPECT_EQ(tm.Ascent, 14);
  EXPECT_EQ(tm.Descent, 6);
  // "I" at scale 2: its top bar spans grid columns 1-3 (pixels 2-7) plus the
  // bold copy (to pixel 9); the underline fills grid row 8 (pixels 16-17).
  FWs->SetBkMode(dc, TRANSPARENT);
  FWs->ExtTextOut(dc, 0, 0, 0, nullptr, "I");
  EXPECT_EQ(Row(dc, 0, 0, 12), "..########..");
  EXPECT_EQ(Row(dc, 16, 0, 12), "############");
  EXPECT_EQ(Row(dc, 18, 0, 12), "............");
  FWs->SelectObject(dc, FWs->GetStockObject(SYSTEM_FONT));
  FWs->DeleteObject(big);
}

TEST_F(WidgetSetTest, ClippingRestrictsEveryKindOfDrawing) {
  const HDC dc = Canvas(8, 4);
  const TRect clip{2, 1, 6, 3};
  EXPECT_EQ(FWs->SelectClipRect(dc, &clip), SIMPLEREGION);
  FWs->SelectObject(dc, FWs->GetStockObject(BLACK_BRUSH));
  FWs->Rectangle(dc, {0, 0, 8, 4});
  EXPECT_EQ(FWs->SetPixel(dc, 0, 0, 0), CLR_INVALID);  // outside: refused
  EXPECT_EQ(FWs->GetPixel(dc, 0, 0), CLR_INVALID);
  const TRect none{20, 20, 30, 30};
  EXPECT_EQ(FWs->SelectClipRect(dc, &none), NULLREGION);
  EXPECT_FALSE(FWs->ExtFloodFill(dc, 0, 0, 0, FLOODFILLBORDER));
  EXPECT_EQ(FWs->SelectClipRect(dc, nullptr), SIMPLEREGION);
  EXPECT_EQ(Row(dc, 0, 0, 8), "........");
  EXPECT_EQ(Row(dc, 1, 0, 8), "..####..");
  EXPECT_EQ(Row(dc, 3, 0, 8), "........");
  // Text restricted to a rectangle, its background filled (ETO_OPAQUE).
  const TRect box{0, 0, 4, 11};
  const HDC text = Canvas(10, 11);
  FWs->SetBkColor(text, RGB(0, 0, 0));
  FWs->SetTextColor(text, RGB(255, 255, 255));
  FWs->ExtTextOut(text, 0, 0, ETO_OPAQUE | ETO_CLIPPED, &box, "MM");
  EXPECT_EQ(Row(text, 10, 0, 10), "####......");  // the cell's empty last row: box filled, no further
  EXPECT_EQ(Row(text, 0, 0, 10), ".###......");   // "M": columns 0 and 4 lit, clipped at 4
}

TEST_F(WidgetSetTest, IconsDrawThroughTheirMaskOrBlendByTheirAlpha) {
  const HDC dc = Canvas(3, 1);
  FWs->SetPixel(dc, 0, 0, RGB(0, 0, 255));
  const HBITMAP color = FWs->CreateBitmap(3, 1), mask = FWs->CreateBitmap(3, 1);
  TBitmapBits c, m;
  FWs->GetBitmapBits(color, c);
  FWs->GetBitmapBits(mask, m);
  c.Bits[0] = 0x00000000;  // transparent: mask white, colour black
  m.Bits[0] = 0xFFFFFFFF;
  c.Bits[1] = 0x00FF0000;  // opaque red
  c.Bits[2] = 0x00FFFFFF;  // white over the white background: XOR under a white mask would invert
  m.Bits[2] = 0xFFFFFFFF;
  const HICON icon = FWs->CreateIconIndirect({true, 0, 0, mask, color});
  FWs->DrawIconEx(dc, 0, 0, icon, 0, 0);
  EXPECT_EQ(FWs->GetPixel(dc, 0, 0), RGB(0, 0, 255));
  EXPECT_EQ(FWs->GetPixel(dc, 1, 0), RGB(255, 0, 0));
  EXPECT_EQ(FWs->GetPixel(dc, 2, 0), RGB(0, 0, 0));
  FWs->DestroyIcon(icon);
  // With an alpha channel the colour is blended: half red over blue.
  c.Bits[0] = 0x80FF0000;
  c.Bits[1] = 0xFF00FF00;
  c.Bits[2] = 0x00000000;
  const HICON alpha = FWs->CreateIconIndirect({true, 0, 0, mask, color});
  FWs->DrawIconEx(dc, 0, 0, alpha, 0, 0);
  EXPECT_EQ(FWs->GetPixel(dc, 0, 0), RGB(128, 0, 127));
  EXPECT_EQ(FWs->GetPixel(dc, 1, 0), RGB(0, 255, 0));
  EXPECT_EQ(FWs->GetPixel(dc, 2, 0), RGB(0, 0, 0));  // alpha 0: the destination shows
  TIconInfo info;
  ASSERT_TRUE(FWs->GetIconInfo(alpha, info));  // copies the caller deletes
  EXPECT_NE(info.Color, color);
  FWs->DeleteObject(info.Color);
  FWs->DeleteObject(info.Mask);
  FWs->DestroyIcon(alpha);
  FWs->DeleteObject(color);
  FWs->DeleteObject(mask);
  EXPECT_EQ(FWs->CreateIconIndirect({true, 0, 0, 0, 0}), 0u);
}

TEST_F(WidgetSetTest, PatternBrushesTileFromTheDeviceOrigin) {
  const HDC dc = Canvas(5, 2);
  const HBITMAP tile = FWs->CreateBitmap(2, 1);  // black, white
  TBitmapBits bits;
  FWs->GetBitmapBits(tile, bits);
  bits.Bits[1] = 0xFFFFFFFF;
  const HBRUSH brush = FWs->CreateBrushIndirect({BS_PATTERN, 0, 0, tile});
  FWs->DeleteObject(tile);  // the brush keeps its own copy
  FWs->FillRect(dc, {1, 0, 5, 2}, brush);
  EXPECT_EQ(Row(dc, 0, 0, 5), "..#.#");  // column 1 takes tile pixel 1, not 0
  FWs->SelectObject(dc, brush);
  FWs->StretchBlt(dc, 0, 1, 5, 1, 0, 0, 0, 0, 0, PATINVERT);  // pattern XOR destination
  EXPECT_EQ(Row(dc, 1, 0, 5), ".####");                       // equal pixels cancel to black
  FWs->SelectObject(dc, FWs->GetStockObject(WHITE_BRUSH));
  FWs->DeleteObject(brush);
  EXPECT_EQ(FWs->CreateBrushIndirect({BS_PATTERN, 0, 0, tile}), 0u);  // the bitmap is gone
}

TEST_F(WidgetSetTest, ClipboardOwnsItsDataAndNeedsToBeOpen) {
  const uint32_t format = FWs->RegisterClipboardFormat("Corvane Test");
  EXPECT_GE(format, 0xC000u);
  EXPECT_EQ(FWs->RegisterClipboardFormat("corvane test"), format);
  EXPECT_EQ(FWs->GetClipboardFormatName(format), "Corvane Test");
  const uint8_t bytes[] = {1, 2, 3};
  const HGLOBAL block = FWs->GlobalAllocBytes(bytes);
  EXPECT_EQ(FWs->SetClipboardData(format, block), 0u);  // not open
  ASSERT_TRUE(FWs->OpenClipboard());
  EXPECT_FALSE(FWs->OpenClipboard());
  const std::size_t handles = FWs->HandleCount();
  EXPECT_EQ(FWs->SetClipboardData(format, block), block);
  EXPECT_TRUE(FWs->IsClipboardFormatAvailable(format));
  EXPECT_EQ(FWs->GlobalBytes(FWs->GetClipboardData(format)).size(), 3u);
  const HGLOBAL other = FWs->GlobalAllocBytes(bytes);
  FWs->SetClipboardData(format, other);  // replaces and frees the first block
  EXPECT_EQ(FWs->HandleCount(), handles);
  EXPECT_EQ(FWs->GetObjectType(block), 0u);
  EXPECT_EQ(FWs->GetClipboardFormats(), std::vector<uint32_t>{format});
  EXPECT_TRUE(FWs->EmptyClipboard());
  EXPECT_EQ(FWs->HandleCount(), handles - 1);
  EXPECT_FALSE(FWs->IsClipboardFormatAvailable(format));
  EXPECT_TRUE(FWs->CloseClipboard());
  EXPECT_FALSE(FWs->EmptyClipboard());
}

}  // namespace
}  // namespace host
