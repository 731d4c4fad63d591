// Drawing through TCanvas on a 1000 x 1000 bitmap against a plain loop
// writing the same pixels into a vector, and loading a 2000 x 2000 24-bit
// BMP file against reading the file's bytes. The counter "ratio" is library
// time / plain time.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/compare.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/headless/headless.h"

namespace {

using namespace host;
using bench::Compare;

constexpr int32_t kSide = 1000;

// Keeps the headless widgetset and the graphics unit started.
struct TGraphicsStart {
  TGraphicsStart() {
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    RegisterGraphicsClasses();
  }
  ~TGraphicsStart() {
    UnregisterGraphicsClasses();
    FinalizeWidgetSet();
  }
  TGraphicsStart(const TGraphicsStart&) = delete;
  TGraphicsStart& operator=(const TGraphicsStart&) = delete;
};

TOwned<TBitmap> Canvas1000() {
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(kSide, kSide);
  return b;
}

// The pixels of a bitmap that are not white, as runs per row: what a plain
// loop must write to draw the same thing.
struct TRun {
  int32_t Y, X1, X2;
  uint32_t Color;
};
std::vector<TRun> DrawnRuns(TBitmap* B) {
  std::vector<TRun> runs;
  const TBitmapBits bits = B->GetBits(false);
  for (int32_t y = 0; y < bits.Height; ++y) {
    const TPixel* row = bits.Row(y);
    for (int32_t x = 0; x < bits.Width;) {
      int32_t end = x + 1;
      while (end < bits.Width && row[end] == row[x]) ++end;
      if ((row[x] & 0xFFFFFF) != 0xFFFFFF) runs.push_back({y, x, end, row[x]});
      x = end;
    }
  }
  return runs;
}

void WriteRuns(std::vector<uint32_t>& Pixels, const std::vector<TRun>& Runs) {
  for (const TRun& r : Runs)
    std::fill(Pixels.begin() + static_cast<std::ptrdiff_t>(r.Y) * kSide + r.X1,
              Pixels.begin() + static_cast<std::ptrdiff_t>(r.Y) * kSide + r.X2, r.Color);
}

// Filling the whole bitmap with the brush.
void BM_FillRect(benchmark::State& state) {
  TGraphicsStart start;
  TOwned<TBitmap> b = Canvas1000();
  TCanvas* c = b->GetCanvas();
  std::vector<uint32_t> plain(static_cast<std::size_t>(kSide) * kSide);
  int flip = 0;
  Compare(
      state,
      [&] {
        c->GetBrush()->SetColor(++flip % 2 ? clRed : clBlue);
        c->FillRect(Rect(0, 0, kSide, kSide));
      },
      [&] {
        std::fill(plain.begin(), plain.end(), ++flip % 2 ? 0xFFFF0000u : 0xFF0000FFu);
        benchmark::DoNotOptimize(plain.data());
      },
      50);
}
BENCHMARK(BM_FillRect)->Unit(benchmark::kMillisecond);

// A scene of shapes (filled ellipse, rectangles, round rectangle, lines of
// three pen widths) against writing the pixels it produces.
void Scene(TCanvas* C) {
  C->GetBrush()->SetColor(clLime);
  C->Ellipse(0, 0, kSide, kSide);
  C->GetBrush()->SetColor(clRed);
  for (int32_t i = 0; i < 10; ++i) C->Rectangle(i * 90, i * 90, i * 90 + 200, i * 90 + 100);
  C->RoundRect(100, 600, 900, 950, 80, 80);
  for (int32_t w = 1; w <= 5; w += 2) {
    C->GetPen()->SetWidth(w);
    for (int32_t i = 0; i < 50; ++i) {
      C->MoveTo(0, i * 20 + w);
      C->LineTo(kSide - 1, kSide - 1 - i * 20);
    }
  }
  C->GetPen()->SetWidth(1);
}

void BM_DrawScene(benchmark::State& state) {
  TGraphicsStart start;
  TOwned<TBitmap> b = Canvas1000();
  Scene(b->GetCanvas());
  const std::vector<TRun> runs = DrawnRuns(b.get());
  std::vector<uint32_t> plain(static_cast<std::size_t>(kSide) * kSide);
  double pixels = 0;
  for (const TRun& r : runs) pixels += r.X2 - r.X1;
  state.counters["pixels"] = pixels;
  Compare(
      state, [&] { Scene(b->GetCanvas()); },
      [&] {
        WriteRuns(plain, runs);
        benchmark::DoNotOptimize(plain.data());
      },
      50);
}
BENCHMARK(BM_DrawScene)->Unit(benchmark::kMillisecond);

// Setting every pixel one call at a time through Pixels[X, Y].
void BM_SetPixels(benchmark::State& state) {
  TGraphicsStart start;
  TOwned<TBitmap> b = Canvas1000();
  TCanvas* c = b->GetCanvas();
  std::vector<uint32_t> plain(static_cast<std::size_t>(kSide) * kSide);
  Compare(
      state,
      [&] {
        for (int32_t y = 0; y < kSide; ++y)
          for (int32_t x = 0; x < kSide; ++x) c->SetPixels(x, y, static_cast<TColor>(x ^ y));
      },
      [&] {
        for (int32_t y = 0; y < kSide; ++y)
          for (int32_t x = 0; x < kSide; ++x)
            plain[static_cast<std::size_t>(y) * kSide + static_cast<std::size_t>(x)] =
                0xFF000000u | static_cast<uint32_t>(x ^ y);
        benchmark::DoNotOptimize(plain.data());
      },
      20);
}
BENCHMARK(BM_SetPixels)->Unit(benchmark::kMillisecond);

// Loading a 2000 x 2000 24-bit BMP file against reading its bytes.
void BM_LoadBmp24(benchmark::State& state) {
  TGraphicsStart start;
  const std::string path = (std::filesystem::temp_directory_path() / "corvane_graphics_bench.bmp").string();
  {
    TOwned<TBitmap> b = MakeOwned<TBitmap>();
    b->SetPixelFormat(pf24bit);
    b->SetSize(2000, 2000);
    b->GetCanvas()->GetBrush()->SetColor(clTeal);
    b->GetCanvas()->Ellipse(0, 0, 2000, 2000);
    b->SaveToFile(path);
  }
  TOwned<TBitmap> loaded = MakeOwned<TBitmap>();
  Compare(
      state,
      [&] {
        loaded->LoadFromFile(path);
        benchmark::DoNotOptimize(loaded->GetWidth());
      },
      [&] {
        std::ifstream file(path, std::ios::binary | std::ios::ate);
        std::vector<char> bytes(static_cast<std::size_t>(file.tellg()));
        file.seekg(0);
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
      },
      20);
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadBmp24)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
