// The drag image of an image list: which image, over which window, where,
// and whether it shows while a drag runs, locks and ends.
#include "host/graphics/bitmap.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using DragImage = ControlsTest;

// An image list of two 8x8 images.
TOwned<TImageList> TwoImages() {
  TOwned<TImageList> list = MakeOwned<TImageList>(nullptr);
  list->SetWidth(8);
  list->SetHeight(8);
  TOwned<TBitmap> image = MakeOwned<TBitmap>();
  image->SetSize(8, 8);
  for (int i = 0; i < 2; ++i) list->Add(image.get(), nullptr);
  return list;
}

TEST_F(DragImage, OnlyAnImageOfTheListCanBeChosenAndTheImageFollowsTheDrag) {
  TOwned<TImageList> list = TwoImages();
  EXPECT_FALSE(list->BeginDrag(0, 5, 5));  // nothing chosen yet
  for (int32_t bad : {2, -1}) EXPECT_FALSE(list->SetDragImage(bad, 3, 3));
  EXPECT_EQ(list->GetDragIndex(), -1);
  ASSERT_TRUE(list->SetDragImage(1, 2, 3));
  EXPECT_FALSE(list->SetDragImage(5, 0, 0));  // a refused choice keeps the last one
  EXPECT_EQ(list->GetHotSpot(), Point(2, 3));

  ASSERT_TRUE(list->BeginDrag(77, 10, 20));
  EXPECT_FALSE(list->BeginDrag(78, 0, 0));  // one drag at a time
  EXPECT_EQ(list->GetDragWindow(), 77u);
  EXPECT_EQ(list->GetDragPosition(), Point(8, 17));  // the hot spot sits on the point
  EXPECT_TRUE(list->GetImageShowing());
  list->HideDragImage();
  EXPECT_TRUE(list->DragMove(30, 40));  // moves while hidden
  EXPECT_FALSE(list->GetImageShowing());
  list->ShowDragImage();
  EXPECT_EQ(list->GetDragPosition(), Point(28, 37));
  EXPECT_TRUE(list->GetImageShowing());
  EXPECT_TRUE(list->EndDrag());
  EXPECT_FALSE(list->EndDrag());
  EXPECT_FALSE(list->DragMove(1, 1));
  list->ShowDragImage();  // no drag: nothing to show
  EXPECT_FALSE(list->GetImageShowing());
}

TEST_F(DragImage, ALockHoldsTheImageOverAWindowUntilUnlocked) {
  TOwned<TImageList> list = TwoImages();
  ASSERT_TRUE(list->SetDragImage(0, 0, 0));
  EXPECT_FALSE(list->DragLock(5, 1, 1));  // no drag runs
  ASSERT_TRUE(list->BeginDrag(0, 100, 100));
  ASSERT_TRUE(list->DragLock(5, 4, 6));
  EXPECT_FALSE(list->DragLock(5, 9, 9));  // locked there already
  EXPECT_EQ(list->GetDragPosition(), Point(4, 6));
  ASSERT_TRUE(list->DragLock(6, 1, 2));  // moves the lock to another window
  EXPECT_EQ(list->GetDragWindow(), 6u);
  list->DragUnlock();
  EXPECT_FALSE(list->GetImageShowing());
  EXPECT_TRUE(list->GetDragging());
  ASSERT_TRUE(list->DragLock(6, 3, 3));  // may lock again after unlocking
  EXPECT_TRUE(list->EndDrag());
  EXPECT_FALSE(list->GetImageShowing());
  EXPECT_EQ(list->GetDragWindow(), 0u);
}

}  // namespace
}  // namespace host::controlstest
