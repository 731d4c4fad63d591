#include "tests/host/graphics/graphics_test.h"

#include <stdlib.h>

#include "host/classes/streams.h"

namespace host::graphicstest {

void GraphicsTest::TearDown() {
  THandlesTest::TearDown();
  if (!FDir.empty()) std::filesystem::remove_all(FDir);
}

std::string GraphicsTest::PathOf(const std::string& Name) {
  if (FDir.empty()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "graphics_test_XXXXXX").string();
    if (::mkdtemp(pattern.data())) FDir = pattern;
  }
  return (FDir / Name).string();
}

std::string RowOf(TCanvas* Canvas, int32_t Y, int32_t X1, int32_t X2) {
  std::string row;
  for (int32_t x = X1; x < X2; ++x) {
    switch (static_cast<int32_t>(Canvas->GetPixels(x, Y))) {
      case clWhite:
        row += '.';
        break;
      case clBlack:
        row += '#';
        break;
      case clRed:
        row += 'r';
        break;
      case clLime:
        row += 'g';
        break;
      case clBlue:
        row += 'b';
        break;
      case clYellow:
        row += 'y';
        break;
      default:
        row += '?';
        break;
    }
  }
  return row;
}

std::string RowOf(TBitmap* Bitmap, int32_t Y) { return RowOf(Bitmap->GetCanvas(), Y, 0, Bitmap->GetWidth()); }

std::string PictureOf(TBitmap* Bitmap) {
  std::string picture;
  for (int32_t y = 0; y < Bitmap->GetHeight(); ++y) picture += (y ? "\n" : "") + RowOf(Bitmap, y);
  return picture;
}

std::string Bytes(TStream* Stream) {
  Stream->SetPosition(0);
  std::string bytes(static_cast<std::size_t>(Stream->GetSize()), '\0');
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

std::string SavedBytes(TGraphic* Graphic) {
  TOwned<TMemoryStream> s = MakeOwned<TMemoryStream>();
  Graphic->SaveToStream(s.get());
  return Bytes(s.get());
}

void LoadBytes(TGraphic* Graphic, const std::string& Bytes) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>(Bytes);
  Graphic->LoadFromStream(s.get());
}

void Put16(std::string& Out, uint32_t V) {
  Out += static_cast<char>(V & 0xFF);
  Out += static_cast<char>((V >> 8) & 0xFF);
}

void Put32(std::string& Out, uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

namespace {
std::string InfoHeader(int32_t Width, int32_t Height, int BitCount, uint32_t Compression, std::size_t Colors,
                       std::size_t ImageSize) {
  std::string h;
  Put32(h, 40);
  Put32(h, static_cast<uint32_t>(Width));
  Put32(h, static_cast<uint32_t>(Height));
  Put16(h, 1);
  Put16(h, static_cast<uint32_t>(BitCount));
  Put32(h, Compression);
  Put32(h, static_cast<uint32_t>(ImageSize));
  Put32(h, 3780);
  Put32(h, 3780);
  Put32(h, static_cast<uint32_t>(Colors));
  Put32(h, 0);
  return h;
}
}  // namespace

std::string BmpFile(int32_t Width, int32_t Height, int BitCount, uint32_t Compression,
                    const std::vector<uint32_t>& Table, const std::string& Pixels, uint32_t Offset) {
  std::string table;
  for (uint32_t c : Table) Put32(table, c);
  // Bit-field masks stand where the colour table would; they are not colours.
  const std::size_t colors = Compression == 3 ? 0 : Table.size();
  const std::string info = InfoHeader(Width, Height, BitCount, Compression, colors, Pixels.size());
  std::string file = "BM";
  Put32(file, static_cast<uint32_t>(14 + info.size() + table.size() + Pixels.size()));
  Put32(file, 0);
  Put32(file, Offset ? Offset : static_cast<uint32_t>(14 + info.size() + table.size()));
  return file + info + table + Pixels;
}

std::string IcoFile(const std::vector<TIcoImage>& Images) {
  std::string file;
  Put16(file, 0);
  Put16(file, 1);
  Put16(file, static_cast<uint32_t>(Images.size()));
  std::size_t offset = 6 + 16 * Images.size();
  for (const TIcoImage& image : Images) {
    file += static_cast<char>(image.Width & 0xFF);
    file += static_cast<char>(image.Height & 0xFF);
    file += '\0';
    file += '\0';
    Put16(file, 1);
    Put16(file, static_cast<uint32_t>(image.BitCount));
    Put32(file, static_cast<uint32_t>(image.Dib.size()));
    Put32(file, static_cast<uint32_t>(offset));
    offset += image.Dib.size();
  }
  for (const TIcoImage& image : Images) file += image.Dib;
  return file;
}

TIcoImage IconImage4(const std::vector<std::string>& Colors, const std::vector<std::string>& Mask) {
  const int32_t w = static_cast<int32_t>(Colors[0].size()), h = static_cast<int32_t>(Colors.size());
  const std::vector<TPaletteEntry> vga = DefaultPalette(pf4bit);
  std::string dib = InfoHeader(w, h * 2, 4, 0, 16, 0);
  for (const TPaletteEntry& e : vga) {
    dib += static_cast<char>(e.peBlue);
    dib += static_cast<char>(e.peGreen);
    dib += static_cast<char>(e.peRed);
    dib += '\0';
  }
  const std::size_t colorRow = static_cast<std::size_t>((w * 4 + 31) / 32 * 4),
                    maskRow = static_cast<std::size_t>((w + 31) / 32 * 4);
  for (int32_t y = h - 1; y >= 0; --y) {
    std::string row(colorRow, '\0');
    for (int32_t x = 0; x < w; ++x) {
      const int index =
          std::stoi(std::string(1, Colors[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]), nullptr, 16);
      row[static_cast<std::size_t>(x / 2)] =
          static_cast<char>(row[static_cast<std::size_t>(x / 2)] | (x % 2 ? index : index << 4));
    }
    dib += row;
  }
  for (int32_t y = h - 1; y >= 0; --y) {
    std::string row(maskRow, '\0');
    for (int32_t x = 0; x < w; ++x)
      if (Mask[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '1')
        row[static_cast<std::size_t>(x / 8)] =
            static_cast<char>(row[static_cast<std::size_t>(x / 8)] | (0x80 >> (x % 8)));
    dib += row;
  }
  return {w, h, 4, dib};
}

}  // namespace host::graphicstest
