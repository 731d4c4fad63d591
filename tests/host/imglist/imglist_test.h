// Shared by the image-list tests: a fixture that starts the headless
// widgetset, the graphics and imglist units and checks that each test gives
// back the widgetset and image-list handles it took, and pixel-art helpers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "tests/support/bitmaps.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::imglisttest {

using namespace testkit;

inline constexpr TUnitClasses kImgListUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses},
    {RegisterImgListClasses, UnregisterImgListClasses},
};

// Also checks that every test gives back the image-list handles it took.
class ImgListTest : public THandlesTest<kImgListUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  std::size_t FLists = 0;
};

// A bitmap drawn from rows of characters, one pixel each: '.' white,
// '#' black, 'r' red, 'g' lime, 'b' blue, 'y' yellow, 'm' fuchsia (the
// tests' mask colour), 's' grey (the button shadow).
TOwned<TBitmap> Art(const std::vector<std::string>& Rows);
// The pixels X1..X2-1 of row Y, in the same characters ('?' for others).
std::string RowOf(TCanvas* Canvas, int32_t Y, int32_t X1, int32_t X2);
// Every row of a bitmap, joined by '\n'.
std::string PictureOf(TBitmap* Bitmap);
// Image Index of List drawn onto a white sheet of its size, as text.
std::string ImageOf(TCustomImageList* List, int32_t Index);

}  // namespace host::imglisttest
