// Image lists: adding, inserting, replacing, moving and deleting images,
// bad input, change links, handles shared between lists and growth.
#include "host/classes/classes_types.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/widgetset/widgetset.h"
#include "tests/host/imglist/imglist_test.h"

namespace host::imglisttest {
namespace {

using ImageListImages = ImgListTest;

TOwned<TImageList> List(int32_t W = 2, int32_t H = 2) { return TOwned<TImageList>(New<TImageList>(W, H)); }

// One solid 2 x 2 image per character of Colors, as a strip.
TOwned<TBitmap> Solid(const std::string& Colors) {
  std::string row;
  for (char c : Colors) row += std::string(2, c);
  return Art({row, row});
}

// The top-left pixel of every image, drawn on white.
std::string Firsts(TCustomImageList* List) {
  std::string firsts;
  for (int32_t i = 0; i < List->GetCount(); ++i) firsts += ImageOf(List, i)[0];
  return firsts;
}

TEST_F(ImageListImages, AddCutsAStripIntoImagesWithTheirMasks) {
  TOwned<TImageList> list = List();
  TOwned<TBitmap> strip = Art({"rrgg", "rrgg"}), mask = Art({"#..#", "##.#"});
  EXPECT_EQ(list->Add(strip.get(), mask.get()), 0);
  EXPECT_EQ(list->Add(Solid("b").get(), nullptr), 2);
  ASSERT_EQ(list->GetCount(), 3);
  // White mask pixels are transparent: the white sheet shows through.
  EXPECT_EQ(ImageOf(list.get(), 0), "r.\nrr");
  EXPECT_EQ(ImageOf(list.get(), 1), ".g\n.g");
  EXPECT_EQ(ImageOf(list.get(), 2), "bb\nbb");
}

TEST_F(ImageListImages, AddMaskedMakesOneColourTransparent) {
  TOwned<TImageList> list = List();
  TOwned<TBitmap> art = Art({"mr", "rm"});
  list->AddMasked(art.get(), clFuchsia);
  list->AddMasked(art.get(), clNone);
  list->AddMasked(art.get(), clDefault);  // the bitmap's TransparentColor: its bottom-left pixel, red
  EXPECT_EQ(ImageOf(list.get(), 0), ".r\nr.");
  EXPECT_EQ(ImageOf(list.get(), 1), "mr\nrm");
  EXPECT_EQ(ImageOf(list.get(), 2), "m.\n.m");
  // An unmasked list keeps every image opaque.
  TOwned<TImageList> opaque = List();
  opaque->SetMasked(false);
  opaque->AddMasked(art.get(), clFuchsia);
  EXPECT_EQ(ImageOf(opaque.get(), 0), "mr\nrm");
}

TEST_F(ImageListImages, InsertMoveReplaceAndDeleteKeepTheOrder) {
  TOwned<TImageList> list = List();
  list->Add(Solid("rgb").get(), nullptr);
  list->Insert(1, Solid("y").get(), nullptr);
  EXPECT_EQ(Firsts(list.get()), "rygb");
  list->Move(0, 3);
  EXPECT_EQ(Firsts(list.get()), "ygbr");
  list->Move(3, 1);
  EXPECT_EQ(Firsts(list.get()), "yrgb");
  list->Replace(2, Solid("#").get(), nullptr);
  list->ReplaceMasked(3, Art({"mm", "mb"}).get(), clFuchsia);
  EXPECT_EQ(Firsts(list.get()), "yr#.");
  EXPECT_EQ(ImageOf(list.get(), 3), "..\n.b");
  list->InsertMasked(0, Solid("m").get(), clFuchsia);
  EXPECT_EQ(Firsts(list.get()), ".yr#.");
  list->Delete(0);
  list->Delete(3);
  EXPECT_EQ(Firsts(list.get()), "yr#");
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
}

TEST_F(ImageListImages, BadIndexesAndBadBitmapsRaiseAndChangeNothing) {
  TOwned<TImageList> list = List();
  list->Add(Solid("rgb").get(), nullptr);
  TOwned<TBitmap> one = Solid("y"), two = Solid("yy"), odd = Art({"yyy", "yyy"}), dot = Art({"y"});
  EXPECT_RAISES(list->Delete(3), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(list->Delete(-1), EListError, "List index out of bounds (-1)");
  EXPECT_RAISES(list->Insert(4, one.get(), nullptr), EListError, "List index out of bounds (4)");
  EXPECT_RAISES(list->Replace(3, one.get(), nullptr), EListError, "List index out of bounds (3)");
  EXPECT_RAISES(list->Move(0, 7), EListError, "List index out of bounds (7)");
  EXPECT_RAISES(list->Overlay(0, 4), EListError, "List index out of bounds (4)");
  EXPECT_RAISES(list->Add(odd.get(), nullptr), EInvalidOperation,
                "Invalid image size: a 3 x 2 bitmap does not hold whole 2 x 2 images");
  EXPECT_RAISES(list->Add(nullptr, nullptr), EInvalidOperation, "No image given: the bitmap is nil");
  EXPECT_RAISES(list->Add(two.get(), dot.get()), EInvalidOperation,
                "Invalid image size: the mask is 1 x 1, the image 4 x 2");
  EXPECT_RAISES(list->Replace(0, two.get(), nullptr), EInvalidOperation,
                "Invalid image size: 2 images given to replace one (a 4 x 2 bitmap)");
  TOwned<TIcon> empty = MakeOwned<TIcon>();
  EXPECT_RAISES(list->AddIcon(empty.get()), EInvalidOperation, "No image given: the icon is empty");
  TOwned<TImageList> big = List(3, 3);
  big->Add(Art({"rrr", "rrr", "rrr"}).get(), nullptr);
  EXPECT_RAISES(list->AddImages(big.get()), EInvalidOperation,
                "Invalid image size: 3 x 3 images cannot join a list of 2 x 2 images");
  EXPECT_RAISES(list->SetWidth(0), EInvalidOperation,
                "Invalid image size: 0 x 2 (images are 1 to 32768 pixels a side)");
  EXPECT_RAISES(list->SetAllocBy(0), EInvalidOperation, "AllocBy must be at least 1, not 0");
  EXPECT_RAISES(list->SetHandle(12345), EInvalidOperation, "Invalid image list handle 12345");
  EXPECT_RAISES(list->RegisterChanges(nullptr), EInvalidOperation, "Cannot register a nil change link with TImageList");
  // Nothing of that touched the list.
  EXPECT_EQ(Firsts(list.get()), "rgb");
  EXPECT_EQ(list->GetWidth(), 2);
  EXPECT_EQ(list->GetAllocBy(), 4);
}

TEST_F(ImageListImages, ChangeLinksHearEveryChangeOnceOrOncePerUpdate) {
  TOwned<TImageList> list = List();
  TChangeLink* link = New<TChangeLink>();
  std::vector<TObject*> senders;
  int changes = 0;
  link->OnChange = [&](TObject* Sender) { senders.push_back(Sender); };
  list->OnChange = [&](TObject*) { ++changes; };
  list->RegisterChanges(link);
  EXPECT_EQ(link->GetSender(), list.get());
  list->Add(Solid("rg").get(), nullptr);
  list->Move(0, 1);
  list->SetBkColor(clRed);
  list->SetBkColor(clRed);  // no change, no notice
  list->Delete(0);
  EXPECT_EQ(senders, std::vector<TObject*>(4, list.get()));
  EXPECT_EQ(changes, 4);
  list->BeginUpdate();
  list->Add(Solid("b").get(), nullptr);
  list->Clear();
  EXPECT_EQ(changes, 4);
  list->EndUpdate();
  EXPECT_EQ(changes, 5);
  EXPECT_EQ(senders.size(), 5u);
  // A freed link unregisters itself; a freed list lets its links go.
  link->Free();
  list->Add(Solid("b").get(), nullptr);
  EXPECT_EQ(changes, 6);
  TOwned<TChangeLink> other(New<TChangeLink>());
  TOwned<TImageList> second = List();
  second->RegisterChanges(other.get());
  second.reset();
  EXPECT_EQ(other->GetSender(), nullptr);
}

TEST_F(ImageListImages, ASizeChangeDropsTheImagesAndAssignCopiesThem) {
  TOwned<TImageList> list = List();
  list->Add(Solid("rgb").get(), nullptr);
  TOwned<TImageList> copy = List(5, 5);
  copy->Assign(list.get());
  EXPECT_TRUE(copy->Equal(list.get()));
  EXPECT_EQ(Firsts(copy.get()), "rgb");
  list->SetHeight(3);
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetHeight(), 3);
  EXPECT_FALSE(copy->Equal(list.get()));
  copy->Assign(nullptr);
  EXPECT_EQ(copy->GetCount(), 0);
  EXPECT_FALSE(copy->HandleAllocated());
}

TEST_F(ImageListImages, TheStoreGrowsByAllocByImages) {
  TOwned<TImageList> list = List();
  EXPECT_EQ(list->GetImageBitmap(), 0u);
  list->Add(Solid("r").get(), nullptr);
  auto stripWidth = [&] {
    TBitmapBits bits;
    WidgetSet().GetBitmapBits(list->GetImageBitmap(), bits);
    return bits.Width;
  };
  EXPECT_EQ(stripWidth(), 8);  // four slots of two pixels
  list->Add(Solid("gbyr").get(), nullptr);
  EXPECT_EQ(stripWidth(), 16);
  list->SetAllocBy(1);
  list->Add(Solid("r").get(), nullptr);
  EXPECT_EQ(stripWidth(), 16);
  TBitmapBits masks;
  ASSERT_TRUE(WidgetSet().GetBitmapBits(list->GetMaskBitmap(), masks));
  EXPECT_EQ(masks.Row(0)[0] & 0xFFFFFFu, 0u);  // opaque: black
}

TEST_F(ImageListImages, ListsShareAHandleAndShareImagesKeepsItAlive) {
  TOwned<TImageList> first = List();
  first->SetShareImages(true);
  const HIMAGELIST handle = first->GetHandle();
  first->Add(Solid("r").get(), nullptr);
  TOwned<TImageList> second = List(9, 9);
  second->SetHandle(handle);
  EXPECT_EQ(second->GetWidth(), 2);
  second->Add(Solid("g").get(), nullptr);
  EXPECT_EQ(Firsts(first.get()), "rg");
  first.reset();  // shares its images: the handle lives on
  TOwned<TImageList> third = List();
  third->SetHandle(handle);
  EXPECT_EQ(Firsts(third.get()), "rg");
  second.reset();  // does not share: the handle ends, third keeps its images
  TOwned<TImageList> fourth = List();
  EXPECT_RAISES(fourth->SetHandle(handle), EInvalidOperation, Format("Invalid image list handle %u", {handle}));
  EXPECT_EQ(Firsts(third.get()), "rg");
  third->SetHandle(0);
  EXPECT_FALSE(third->HandleAllocated());
}

TEST_F(ImageListImages, ADragImageListFollowsTheDragWithItsHotSpot) {
  TOwned<TDragImageList> list(New<TDragImageList>(2, 2));
  EXPECT_FALSE(list->SetDragImage(0, 1, 1));  // no image 0 yet: nothing chosen
  EXPECT_EQ(list->GetDragIndex(), -1);
  EXPECT_FALSE(list->BeginDrag(10, 10));
  list->Add(Solid("r").get(), nullptr);
  ASSERT_TRUE(list->SetDragImage(0, 1, 1));
  EXPECT_EQ(list->GetHotSpot(), Point(1, 1));
  ASSERT_TRUE(list->BeginDrag(10, 10));
  EXPECT_TRUE(list->DragMove(20, 5));
  EXPECT_EQ(list->GetDragPosition(), Point(19, 4));
  EXPECT_TRUE(list->EndDrag());
  EXPECT_FALSE(list->GetDragging());
  EXPECT_FALSE(list->DragMove(0, 0));
}

TEST_F(ImageListImages, SettingALinksSenderRegistersItThere) {
  TOwned<TImageList> first = MakeOwned<TImageList>(nullptr), second = MakeOwned<TImageList>(nullptr);
  TOwned<TChangeLink> link = MakeOwned<TChangeLink>();
  int changes = 0;
  link->OnChange = [&changes](TObject*) { ++changes; };
  link->SetSender(first.get());
  first->SetWidth(8);
  EXPECT_EQ(changes, 1);
  link->SetSender(second.get());  // leaves the first list
  first->SetWidth(9);
  EXPECT_EQ(changes, 1);
  second->SetWidth(8);
  EXPECT_EQ(changes, 2);
  link->SetSender(nullptr);
  second->SetWidth(9);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(link->GetSender(), nullptr);
}

}  // namespace
}  // namespace host::imglisttest
