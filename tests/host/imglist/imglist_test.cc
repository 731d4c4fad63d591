#include "tests/host/imglist/imglist_test.h"

namespace host::imglisttest {

void ImgListTest::SetUp() {
  THandlesTest::SetUp();
  FLists = imagelist::ImageListHandleCount();
}

void ImgListTest::TearDown() {
  THandlesTest::TearDown();
  EXPECT_EQ(imagelist::ImageListHandleCount(), FLists) << "image-list handles were left behind";
}

namespace {
struct TArtColor {
  char Code;
  TColor Color;
};
constexpr TArtColor kColors[] = {{'.', clWhite}, {'#', clBlack},  {'r', clRed},     {'g', clLime},
                                 {'b', clBlue},  {'y', clYellow}, {'m', clFuchsia}, {'s', clGray}};
}  // namespace

TOwned<TBitmap> Art(const std::vector<std::string>& Rows) {
  TOwned<TBitmap> b = MakeBitmap(static_cast<int32_t>(Rows[0].size()), static_cast<int32_t>(Rows.size()));
  for (std::size_t y = 0; y < Rows.size(); ++y)
    for (std::size_t x = 0; x < Rows[y].size(); ++x)
      for (const TArtColor& c : kColors)
        if (c.Code == Rows[y][x]) b->GetCanvas()->SetPixels(static_cast<int32_t>(x), static_cast<int32_t>(y), c.Color);
  return b;
}

std::string RowOf(TCanvas* Canvas, int32_t Y, int32_t X1, int32_t X2) {
  std::string row;
  for (int32_t x = X1; x < X2; ++x) {
    const TColor pixel = Canvas->GetPixels(x, Y);
    char code = '?';
    for (const TArtColor& c : kColors)
      if (c.Color == pixel) code = c.Code;
    row += code;
  }
  return row;
}

std::string PictureOf(TBitmap* Bitmap) {
  std::string picture;
  for (int32_t y = 0; y < Bitmap->GetHeight(); ++y)
    picture += (y ? "\n" : "") + RowOf(Bitmap->GetCanvas(), y, 0, Bitmap->GetWidth());
  return picture;
}

std::string ImageOf(TCustomImageList* List, int32_t Index) {
  TOwned<TBitmap> sheet = MakeBitmap(List->GetWidth(), List->GetHeight());
  List->Draw(sheet->GetCanvas(), 0, 0, Index);
  return PictureOf(sheet.get());
}

}  // namespace host::imglisttest
