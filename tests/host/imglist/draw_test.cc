// Image lists drawing onto canvases: transparency, background colour,
// blending, masks, the disabled look, overlays, and images handed out as
// bitmaps and icons.
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "tests/host/imglist/imglist_test.h"

namespace host::imglisttest {
namespace {

using ImageListDrawing = ImgListTest;

// A 2 x 2 list with one image: red with its top-right pixel transparent.
TOwned<TImageList> RedCorner() {
  TOwned<TImageList> list(New<TImageList>(2, 2));
  list->AddMasked(Art({"rm", "rr"}).get(), clFuchsia);
  return list;
}

std::string Drawn(TBitmap* Sheet) { return PictureOf(Sheet); }

TEST_F(ImageListDrawing, DrawsAtAPointLeavingTransparentPixels) {
  TOwned<TImageList> list = RedCorner();
  TOwned<TBitmap> sheet = MakeBitmap(4, 3, clBlack);
  list->Draw(sheet->GetCanvas(), 1, 1, 0);
  EXPECT_EQ(Drawn(sheet.get()), "####\n#r##\n#rr#");
  // Partly outside the canvas: clipped, nothing else touched.
  list->Draw(sheet->GetCanvas(), -1, -1, 0);
  EXPECT_EQ(Drawn(sheet.get()), "r###\n#r##\n#rr#");
  EXPECT_RAISES(list->Draw(sheet->GetCanvas(), 0, 0, 1), EListError, "List index out of bounds (1)");
  EXPECT_RAISES(list->Draw(nullptr, 0, 0, 0), EInvalidOperation, "Cannot draw image 0 of TImageList: no canvas given");
  EXPECT_EQ(Drawn(sheet.get()), "r###\n#r##\n#rr#");
}

TEST_F(ImageListDrawing, BackgroundColourMasksAndBlending) {
  TOwned<TImageList> list = RedCorner();
  TOwned<TBitmap> sheet = MakeBitmap(2, 2, clBlack);
  list->SetBkColor(clBlue);  // fills the transparent pixels in dsNormal
  list->Draw(sheet->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(Drawn(sheet.get()), "rb\nrr");
  sheet = MakeBitmap(2, 2, clBlack);
  list->Draw(sheet->GetCanvas(), 0, 0, 0, dsTransparent, itImage);
  EXPECT_EQ(Drawn(sheet.get()), "r#\nrr");
  list->Draw(sheet->GetCanvas(), 0, 0, 0, dsNormal, itMask);  // black where opaque, white where transparent
  EXPECT_EQ(Drawn(sheet.get()), "#.\n##");
  // dsSelected blends half way to BlendColor; dsFocus a quarter.
  list->SetBkColor(clNone);
  list->SetBlendColor(clBlue);
  sheet = MakeBitmap(2, 2, clBlack);
  list->Draw(sheet->GetCanvas(), 0, 0, 0, dsSelected, itImage);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(0, 0), static_cast<TColor>(0x800080));
  list->Draw(sheet->GetCanvas(), 0, 0, 0, dsFocus, itImage);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(0, 1), static_cast<TColor>(0x4000BF));
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(1, 0), clBlack);
  // Without a blend colour the destination shows through every other pixel.
  list->SetBlendColor(clNone);
  sheet = MakeBitmap(2, 2, clBlack);
  list->Draw(sheet->GetCanvas(), 0, 0, 0, dsSelected, itImage);
  EXPECT_EQ(Drawn(sheet.get()), "##\nr#");
}

TEST_F(ImageListDrawing, ADisabledImageIsEmbossedInShadowAndHighlight) {
  TOwned<TImageList> list(New<TImageList>(2, 2));
  list->Add(Art({"#.", ".."}).get(), nullptr);  // opaque; only the black pixel has a shape
  TOwned<TBitmap> sheet = MakeBitmap(4, 4, clBlack);
  list->Draw(sheet->GetCanvas(), 1, 1, 0, false);
  EXPECT_EQ(Drawn(sheet.get()), "####\n#s##\n##.#\n####");
  // Drawn enabled the same image covers its square.
  list->Draw(sheet->GetCanvas(), 1, 1, 0, true);
  EXPECT_EQ(Drawn(sheet.get()), "####\n##.#\n#..#\n####");
}

TEST_F(ImageListDrawing, OverlaysFollowTheirImageUntilItGoes) {
  TOwned<TImageList> list(New<TImageList>(2, 2));
  list->Add(Art({"rrgg", "rrgg"}).get(), nullptr);
  list->AddMasked(Art({"bm", "bm"}).get(), clFuchsia);
  ASSERT_TRUE(list->Overlay(2, 1));
  TOwned<TBitmap> sheet = MakeBitmap(2, 2);
  list->DrawOverlay(sheet->GetCanvas(), 0, 0, 0, 1);
  EXPECT_EQ(Drawn(sheet.get()), "br\nbr");
  list->DrawOverlay(sheet->GetCanvas(), 0, 0, 1, 0);  // overlay 0 names no image
  EXPECT_EQ(Drawn(sheet.get()), "gg\ngg");
  list->Move(2, 0);  // the overlay image moves along
  list->DrawOverlay(sheet->GetCanvas(), 0, 0, 2, 1);
  EXPECT_EQ(Drawn(sheet.get()), "bg\nbg");
  list->Delete(0);
  list->DrawOverlay(sheet->GetCanvas(), 0, 0, 0, 1);
  EXPECT_EQ(Drawn(sheet.get()), "rr\nrr");
  EXPECT_RAISES(list->DrawOverlay(sheet->GetCanvas(), 0, 0, 0, 9), EListError, "List index out of bounds (9)");
}

TEST_F(ImageListDrawing, ImagesComeOutAsBitmapsAndIconsAndGoBackIn) {
  TOwned<TImageList> list = RedCorner();
  TOwned<TBitmap> bitmap = MakeBitmap(5, 5, clBlack);
  ASSERT_TRUE(list->GetBitmap(0, bitmap.get()));
  EXPECT_EQ(Drawn(bitmap.get()), "r#\nrr");  // resized to the image; the old pixels show through
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  list->GetIcon(0, icon.get());
  EXPECT_EQ(icon->GetWidth(), 2);
  TOwned<TBitmap> sheet = MakeBitmap(2, 2, clBlue);
  sheet->GetCanvas()->Draw(0, 0, icon.get());
  EXPECT_EQ(Drawn(sheet.get()), "rb\nrr");
  list->AddIcon(icon.get());
  list->InsertIcon(0, icon.get());
  ASSERT_EQ(list->GetCount(), 3);
  for (int32_t i = 0; i < 3; ++i) EXPECT_EQ(ImageOf(list.get(), i), "r.\nrr") << i;
  list->ReplaceIcon(1, icon.get());
  EXPECT_RAISES(list->GetBitmap(0, nullptr), EInvalidOperation, "Cannot copy image 0 of TImageList into nil");
  EXPECT_RAISES(list->GetIcon(3, icon.get()), EListError, "List index out of bounds (3)");
}

}  // namespace
}  // namespace host::imglisttest
