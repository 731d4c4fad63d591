// Shared by the graphics tests: a fixture that starts the headless
// widgetset and the graphics unit and checks that every test gives back the
// widgetset handles it took, pixel helpers, and builders of BMP and icon
// files for input no writer of ours would make.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "host/graphics/graphics.h"
#include "host/widgetset/headless/headless.h"
#include "tests/support/bitmaps.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::graphicstest {

using namespace testkit;

inline constexpr TUnitClasses kGraphicsUnits[] = {{RegisterGraphicsClasses, UnregisterGraphicsClasses}};

class GraphicsTest : public THandlesTest<kGraphicsUnits> {
 protected:
  void TearDown() override;
  // A file name in a directory of this test, removed afterwards.
  std::string PathOf(const std::string& Name);

 private:
  std::filesystem::path FDir;
};
// The pixels X1..X2-1 of row Y, one character each: '.' white, '#' black,
// 'r' red, 'g' lime, 'b' blue, 'y' yellow, '?' anything else.
std::string RowOf(TCanvas* Canvas, int32_t Y, int32_t X1, int32_t X2);
std::string RowOf(TBitmap* Bitmap, int32_t Y);
// Every row of a bitmap, joined by '\n'.
std::string PictureOf(TBitmap* Bitmap);

std::string Bytes(TStream* Stream);
std::string SavedBytes(TGraphic* Graphic);
void LoadBytes(TGraphic* Graphic, const std::string& Bytes);

// Little-endian byte builders.
void Put16(std::string& Out, uint32_t V);
void Put32(std::string& Out, uint32_t V);
// A BMP file: file header (offset given, or right after the table when 0),
// a 40-byte info header and the given colour table and pixel bytes.
std::string BmpFile(int32_t Width, int32_t Height, int BitCount, uint32_t Compression,
                    const std::vector<uint32_t>& Table, const std::string& Pixels, uint32_t Offset = 0);
// An .ico file of the given images (each a packed DIB with its mask).
struct TIcoImage {
  int32_t Width;
  int32_t Height;
  int BitCount;
  std::string Dib;
};
std::string IcoFile(const std::vector<TIcoImage>& Images);
// A 4-bit icon image: Colors[y][x] are palette indexes of the 16 VGA
// colours, Mask[y][x] '1' where transparent.
TIcoImage IconImage4(const std::vector<std::string>& Colors, const std::vector<std::string>& Mask);

}  // namespace host::graphicstest
