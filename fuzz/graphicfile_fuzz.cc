// Feeds arbitrary bytes to the file readers of the graphics unit: BMP files,
// .ico files and recorded metafiles. A reader may reject its input only with
// a host exception, and the rejected graphic stays empty. What a reader
// accepts must draw, and saving it, reading the saved bytes back and saving
// again must give the same bytes. Every widgetset handle a run takes must be
// given back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/classes/streams.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/headless/headless.h"

namespace {

using namespace host;

// Stops the run on a broken invariant, so libFuzzer keeps the input.
void Require(bool Condition) {
  if (!Condition) std::abort();
}

constexpr int64_t kRoundTripPixels = int64_t{1} << 22;

bool Load(TGraphic* Graphic, const std::string& Bytes) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(Bytes);
  try {
    Graphic->LoadFromStream(in.get());
  } catch (const Exception&) {
    return false;
  }
  return true;
}

std::string Saved(TGraphic* Graphic) {
  TOwned<TStringStream> out = MakeOwned<TStringStream>();
  Graphic->SaveToStream(out.get());
  return out->GetDataString();
}

template <class T>
void Exercise(const std::string& Input) {
  TOwned<T> graphic = MakeOwned<T>();
  if (!Load(graphic.get(), Input)) {
    Require(graphic->GetEmpty());
    return;
  }
  TOwned<TBitmap> target = MakeOwned<TBitmap>();
  target->SetSize(48, 48);
  target->GetCanvas()->StretchDraw(Rect(0, 0, 48, 48), graphic.get());
  // A tiny run-length file may describe a huge image; writing and reading
  // it twice more would only test the allocator.
  if (int64_t{graphic->GetWidth()} * graphic->GetHeight() > kRoundTripPixels) return;
  const std::string first = Saved(graphic.get());
  TOwned<T> again = MakeOwned<T>();
  Require(first.empty() || Load(again.get(), first));
  Require(Saved(again.get()) == first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool started = [] {
    RegisterHeadlessWidgetSet();
    InitializeWidgetSet("headless");
    RegisterGraphicsClasses();
    return true;
  }();
  (void)started;
  const std::size_t handles = WidgetSet().HandleCount();
  const std::string input(reinterpret_cast<const char*>(data), size);
  Exercise<TBitmap>(input);
  Exercise<TIcon>(input);
  Exercise<TMetafile>(input);
  Require(WidgetSet().HandleCount() == handles);
  return 0;
}
