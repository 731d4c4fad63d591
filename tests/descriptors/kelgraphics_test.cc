// Behaviour of the graphics unit's descriptors: sets, points, sizes and
// handles by address, drawing through a canvas's descriptor, the clipboard
// methods' handle addresses, the hooked OnChange and OnProgress, and writes
// that are refused without changing the object.
#include "descriptors/kelgraphics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "host/classes/streams.h"
#include "host/graphics/graphics.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/support/bitmaps.h"
#include "tests/support/formtest.h"

namespace kel::test {

// A change notifier that counts its calls.
class TGraphicsNotifier : public host::TInterfacedObject, public host::IChangeNotifier {
  HOST_CLASS(TGraphicsNotifier, host::TInterfacedObject)
  HOST_INTERFACED_FORWARDS
  void Changed() override { ++Count; }
  int Count = 0;

 protected:
  ~TGraphicsNotifier() override = default;
};
HOST_IMPL_INTF(TGraphicsNotifier, host::TInterfacedObject, host::IChangeNotifier)

namespace {

using host::MakeOwned;
using host::TBitmap;
using host::TFont;
using host::TOwned;
using host::TRect;
using host::Variant;
using host::testkit::MakeBitmap;

// A canvas descriptor for a bitmap's canvas (whose class, TBitmapCanvas,
// has no descriptor of its own), unhooked and freed with this.
class TCanvasInfo {
 public:
  explicit TCanvasInfo(host::TCanvas* canvas) : FInfo(MakeDescriptor(&TCanvasClassInfo::StaticMetaClass, canvas)) {}
  TCanvasInfo(const TCanvasInfo&) = delete;
  TCanvasInfo& operator=(const TCanvasInfo&) = delete;
  ~TCanvasInfo() {
    FInfo->SetOwner(nullptr);
    FInfo->Free();
  }
  operator TkelClassInfo*() const { return FInfo; }

 private:
  TkelClassInfo* FInfo;
};

// The value of type T at the address a descriptor handed out.
template <class T>
T At(const Variant& address) {
  return *static_cast<const T*>(address.AsPointer());
}

TEST(KelgraphicsValues, AFontStyleTravelsAsTheAddressOfOneByteToAnotherFont) {
  TOwned<TFont> source = MakeOwned<TFont>(), target = MakeOwned<TFont>();
  source->SetStyle({host::fsBold, host::fsItalic});
  TkelClassInfo* from = Describe(source.get());
  const Variant style = Read(from, "Style");
  EXPECT_EQ(At<uint8_t>(style), (1u << host::fsBold) | (1u << host::fsItalic));
  Write(Describe(target.get()), "Style", style);
  EXPECT_EQ(target->GetStyle(), source->GetStyle());
  // The same scratch byte on every read, holding the latest style.
  source->SetStyle({host::fsUnderline});
  EXPECT_EQ(Read(from, "Style"), style);
  EXPECT_EQ(At<uint8_t>(style), 1u << host::fsUnderline);
}

TEST(KelgraphicsValues, ABitmapsHandleIsReadIntoOneScratchSlotHoldingTheCurrentHandle) {
  TOwned<TBitmap> b = MakeBitmap(3, 3, host::clRed);
  TkelClassInfo* d = Describe(b.get());
  const Variant first = Read(d, "Handle");
  const host::HBITMAP old = At<host::HBITMAP>(first);
  EXPECT_EQ(old, b->GetHandle());
  // Released through the descriptor: the result is another slot's address, holding the old handle.
  TkelMethodInfo* release = Invoke(d, "ReleaseHandle");
  EXPECT_NE(release->Result, first);
  EXPECT_EQ(At<host::HBITMAP>(release->Result), old);
  EXPECT_TRUE(b->GetEmpty());
  host::WidgetSet().DeleteObject(old);
  b->SetSize(2, 2);
  const Variant second = Read(d, "Handle");
  EXPECT_EQ(second, first);
  EXPECT_NE(At<host::HBITMAP>(second), 0u);
  EXPECT_EQ(At<host::HBITMAP>(second), b->GetHandle());
  // ScanLine hands out the row's address: writing there changes the pixel.
  TkelPropertyInfo* scanLine = Prop(d, "ScanLine", {Variant(1)});
  auto* row = static_cast<uint32_t*>(d->GetProperty(scanLine).AsPointer());
  row[0] = 0x0000FF;  // pf32bit rows hold blue, green, red
  EXPECT_EQ(b->GetCanvas()->GetPixels(0, 1), host::clBlue);
}

TEST(KelgraphicsCanvas, DrawingCallsThroughTheDescriptorDrawAndPixelsReadThemBack) {
  TOwned<TBitmap> b = MakeBitmap(12, 12, host::clWhite);
  host::TCanvas* canvas = b->GetCanvas();
  const TCanvasInfo d(canvas);
  Write(Describe(canvas->GetBrush()), "Color", Variant(int32_t{host::clRed}));
  Invoke(d, "Rectangle", {Variant(1), Variant(1), Variant(7), Variant(7)});
  EXPECT_EQ(Read(d, "Pixels", {Variant(3), Variant(4)}), Variant(int32_t{host::clRed}));
  EXPECT_EQ(Read(d, "Pixels", {Variant(1), Variant(4)}), Variant(int32_t{host::clBlack}));  // the pen's outline
  EXPECT_EQ(Read(d, "Pixels", {Variant(4), Variant(3)}), Variant(int32_t{host::clRed}));    // X first, then Y
  Write(d, "Pixels", Variant(int32_t{host::clLime}), {Variant(10), Variant(2)});
  EXPECT_EQ(canvas->GetPixels(10, 2), host::clLime);
  // A rectangle argument by address.
  const TkelValue<TRect> box(TRect{8, 8, 11, 11});
  Invoke(d, "FillRect", {box.Address()});
  EXPECT_EQ(canvas->GetPixels(9, 9), host::clRed);
  // TextOut draws and moves the pen to the end of the text; TextExtent's size by address.
  Write(Describe(canvas->GetBrush()), "Color", Variant(int32_t{host::clWhite}));
  Invoke(d, "TextOut", {Variant(0), Variant(0), Variant("W")});
  const host::TSize extent = At<host::TSize>(Invoke(d, "TextExtent", {Variant("W")})->Result);
  EXPECT_GT(extent.cx, 0);
  EXPECT_EQ(At<host::TPoint>(Read(d, "PenPos")).X, extent.cx);
  bool inked = false;
  for (int32_t x = 0; x < extent.cx; ++x)
    for (int32_t y = 0; y < extent.cy; ++y) inked = inked || canvas->GetPixels(x, y) != host::clWhite;
  EXPECT_TRUE(inked);
  EXPECT_EQ(At<TRect>(Read(d, "ClipRect")), (TRect{0, 0, 12, 12}));
}

TEST(KelgraphicsCanvas, ANumberThatIsNoHandedOutAddressIsRefusedAndDrawsNothing) {
  TOwned<TBitmap> b = MakeBitmap(6, 6, host::clWhite);
  const TCanvasInfo d(b->GetCanvas());
  Write(Describe(b->GetCanvas()->GetBrush()), "Color", Variant(int32_t{host::clRed}));
  const TRect local{0, 0, 6, 6};  // a real rectangle, but not in a value area
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Invoke(d, "FillRect", {Addr(&local)}); }), "<nothing raised>");
  EXPECT_NE(MessageOf([&] { Invoke(d, "FillRect", {Variant(0)}); }), "<nothing raised>");
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] {
              Write(d, "PenPos", Addr(&local));
            }).find("is not the address of a set, record or system value"),
            std::string::npos);
  for (int32_t y = 0; y < 6; ++y) EXPECT_EQ(b->GetCanvas()->GetPixels(3, y), host::clWhite);
  EXPECT_EQ(b->GetCanvas()->GetPenPos().X, 0);
}

TEST(KelgraphicsWrites, RefusedWritesLeaveTheObjectAsItWas) {
  TOwned<TFont> font = MakeOwned<TFont>();
  font->SetStyle({host::fsItalic});
  TkelClassInfo* d = Describe(font.get());
  const uint8_t stray = 0x0F;
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Write(d, "Style", Addr(&stray)); }), "<nothing raised>");
  EXPECT_EQ(MessageOf([&] { Write(d, "Pitch", Variant(3)); }), "3 is not a valid value of Pitch (0..2)");
  EXPECT_EQ(font->GetStyle(), host::TFontStyles{host::fsItalic});
  EXPECT_EQ(font->GetPitch(), host::fpDefault);
  TOwned<TBitmap> owner = MakeBitmap(2, 2);
  TkelClassInfo* penInfo = Describe(owner->GetCanvas()->GetPen());
  EXPECT_EQ(MessageOf([&] { Write(penInfo, "Style", Variant(256)); }), "256 is not a valid value of Style (0..6)");
  EXPECT_EQ(owner->GetCanvas()->GetPen()->GetStyle(), host::psSolid);
  // A graphic object takes only its canvas's lock (or none).
  std::recursive_mutex foreign;
  const Variant lock = Read(penInfo, "OwnerCriticalSection");
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Write(penInfo, "OwnerCriticalSection", Addr(&foreign)); }),
            "<nothing raised>");
  EXPECT_EQ(Read(penInfo, "OwnerCriticalSection"), lock);
  Write(penInfo, "OwnerCriticalSection", Variant(0));
  EXPECT_EQ(owner->GetCanvas()->GetPen()->GetOwnerCriticalSection(), nullptr);
  Write(penInfo, "OwnerCriticalSection", lock);
  EXPECT_EQ(Read(penInfo, "OwnerCriticalSection"), lock);
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Write(Describe(font.get()), "OwnerCriticalSection", lock); }),
            "<nothing raised>");  // another canvas's lock
  EXPECT_EQ(font->GetOwnerCriticalSection(), nullptr);
}

TEST(KelgraphicsWrites, AnAdapterIsTakenFromAnotherFontOrALiveNotifierOnly) {
  auto* notifier = host::New<TGraphicsNotifier>();
  notifier->_AddRef();
  TOwned<TFont> first = MakeOwned<TFont>(), second = MakeOwned<TFont>();
  TkelClassInfo* d = Describe(second.get());
  Write(Describe(first.get()), "FontAdapter", Addr(notifier));  // the object: its interface is taken
  const Variant adapter = Read(Describe(first.get()), "FontAdapter");
  EXPECT_EQ(adapter.AsPointer(), static_cast<host::TObject*>(notifier));  // read back as the object
  Write(d, "FontAdapter", adapter);                                       // the interface another font holds
  second->SetSize(30);
  EXPECT_EQ(notifier->Count, 1);
  TOwned<TFont> third = MakeOwned<TFont>();
  for (const Variant& bad : {Addr(third.get()), Variant(int64_t{12345})})
    EXPECT_NE(MessageOf<host::EInvalidCast>([&] { Write(Describe(third.get()), "FontAdapter", bad); }),
              "<nothing raised>");
  EXPECT_EQ(third->GetFontAdapter(), nullptr);
  first.reset();
  second.reset();
  notifier->_Release();
}

TEST(KelgraphicsClipboard, SavedHandlesGoToTheGivenAddressesWhichStayInTheArguments) {
  TOwned<TBitmap> source = MakeBitmap(2, 2, host::clBlue), copy = MakeOwned<TBitmap>();
  const TkelValue<uint32_t> data, palette;
  TkelMethodInfo* save =
      Invoke(Describe(source.get()), "SaveToClipboardFormat", {Variant(0), data.Address(), palette.Address()});
  EXPECT_EQ(save->GetArgs(0)->Value, Variant(static_cast<int32_t>(host::CF_BITMAP)));
  EXPECT_EQ(save->GetArgs(1)->Value, data.Address());
  EXPECT_EQ(save->GetArgs(2)->Value, palette.Address());
  ASSERT_NE(data.Value(), 0u);
  Invoke(Describe(copy.get()), "LoadFromClipboardFormat",
         {Variant(static_cast<int32_t>(host::CF_BITMAP)), data.Address(), palette.Address()});
  EXPECT_EQ(copy->GetCanvas()->GetPixels(1, 1), host::clBlue);
  host::WidgetSet().DeleteObject(data.Value());
  // A target that is no by-address value of four bytes (a font's 1-byte
  // style) is refused before any handle is made.
  TOwned<TFont> font = MakeOwned<TFont>();
  const Variant style = Read(Describe(font.get()), "Style");
  const uint32_t before = palette.Value();
  EXPECT_NE(MessageOf<host::EInvalidCast>([&] {
              Invoke(Describe(source.get()), "SaveToClipboardFormat", {Variant(0), style, palette.Address()});
            }),
            "<nothing raised>");
  EXPECT_EQ(At<uint8_t>(style), 0);
  EXPECT_EQ(palette.Value(), before);
}

// ------------------------------------------------------------------ events

class KelgraphicsEvents : public testing::Test {
 protected:
  // The listeners leave their descriptors while the objects live (Done);
  // after an early return the descriptors went with their objects and only
  // the listeners are left to free.
  void TearDown() override {
    for (auto [d, l] : FListeners) l->Free();
  }
  void Done() {
    for (auto [d, l] : FListeners) Unlisten(d, {l});
    FListeners.clear();
  }
  // Records each notification's argument values in `heard`.
  void Hear(TkelClassInfo* d, const std::string& event, std::vector<std::vector<Variant>>& heard,
            std::function<void(TkelEventInfo&)> also = {}) {
    FListeners.emplace_back(d, Listen(d, event, [&heard, also](host::TObject*, TkelEventInfo* info) {
                              std::vector<Variant> values;
                              for (int i = 0; i < info->GetArgCount(); ++i) values.push_back(info->GetArgs(i)->Value);
                              heard.push_back(values);
                              if (also) also(*info);
                            }));
  }
  std::vector<std::pair<TkelClassInfo*, TkelListener*>> FListeners;
};

TEST_F(KelgraphicsEvents, OnProgressGivesListenersItsValuesAndNothingTheyWriteReachesTheHost) {
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  std::vector<std::string> previous;
  b->OnProgress = [&](host::TObject*, host::TProgressStage, uint8_t percent, bool, const TRect& r, const std::string&) {
    previous.push_back(std::to_string(percent) + "@" + std::to_string(r.Top));
  };
  std::vector<std::vector<Variant>> heard;
  Hear(Describe(b.get()), "OnProgress", heard, [](TkelEventInfo& info) {
    *static_cast<TRect*>(info.GetArgs(4)->Value.AsPointer()) = TRect{9, 9, 9, 9};
    info.GetArgs(2)->Value = Variant(0);
  });
  const TRect part{0, 10, 5, 20};
  b->OnProgress(b.get(), host::psRunning, 50, true, part, "half");
  ASSERT_EQ(heard.size(), 1u);
  EXPECT_EQ(previous, std::vector<std::string>{"50@10"});  // the previous handler ran first
  const std::vector<Variant>& args = heard[0];
  EXPECT_EQ(args[0], Addr(b.get()));
  EXPECT_EQ(args[1], Variant(static_cast<int32_t>(host::psRunning)));
  EXPECT_EQ(args[2], Variant(50));
  EXPECT_EQ(args[3], Variant(true));
  EXPECT_EQ(args[5], Variant("half"));
  EXPECT_EQ(part, (TRect{0, 10, 5, 20}));  // the listener wrote into a copy
  // Loading a bitmap reports its stages to the listener.
  TOwned<host::TMemoryStream> file = MakeOwned<host::TMemoryStream>();
  MakeBitmap(2, 40)->SaveToStream(file.get());
  file->SetPosition(0);
  heard.clear();
  Invoke(Describe(b.get()), "LoadFromStream", {Addr(file.get())});
  ASSERT_GE(heard.size(), 3u);
  EXPECT_EQ(heard.front()[1], Variant(static_cast<int32_t>(host::psStarting)));
  EXPECT_EQ(heard.back()[1], Variant(static_cast<int32_t>(host::psEnding)));
  EXPECT_EQ(heard.back()[2], Variant(100));
  Done();
}

TEST_F(KelgraphicsEvents, OnChangeOfAFontAndAPictureReachTheListenerWithTheSender) {
  TOwned<TFont> font = MakeOwned<TFont>();
  std::vector<std::vector<Variant>> fontHeard;
  Hear(Describe(font.get()), "OnChange", fontHeard);
  Write(Describe(font.get()), "Size", Variant(14));
  Write(Describe(font.get()), "Size", Variant(14));  // no change: nothing fired
  EXPECT_EQ(fontHeard, std::vector<std::vector<Variant>>{{Addr(font.get())}});
  TOwned<host::TPicture> picture = MakeOwned<host::TPicture>();
  std::vector<std::vector<Variant>> heard;
  Hear(Describe(picture.get()), "OnChange", heard);
  Write(Describe(picture.get()), "Graphic", Addr(MakeBitmap(2, 2).get()));
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back(), std::vector<Variant>{Addr(picture.get())});
  EXPECT_EQ(picture->GetWidth(), 2);
  const std::size_t before = heard.size();
  // The picture's bitmap changes: the picture tells its listeners.
  Invoke(TCanvasInfo(picture->GetBitmap()->GetCanvas()), "Rectangle", {Variant(0), Variant(0), Variant(2), Variant(2)});
  EXPECT_GT(heard.size(), before);
  Done();
}

// ------------------------------------------------------------ connections

// Variables holding two fonts and a canvas, and links read from a form
// text: whenever the first font changes, its Style (by address) is written
// to the second font, and a rectangle is drawn on the canvas.
constexpr char kFontForm[] = R"(object FontForm: TComponent
  object Heading: TkelVariable
    ClassTypeName = 'TFont'
  end
  object Caption: TkelVariable
    ClassTypeName = 'TFont'
  end
  object Sheet: TkelVariable
    ClassTypeName = 'TCanvas'
  end
  object Wiring: TkelConnectionList
    object StyleLink: TkelE2PConnection
      Source = Heading
      Target = Caption
      SourceEvent = 'OnChange'
      TargetProperty = 'Style'
      ValueComponent = Heading
      ValueComponentProperty = 'Style'
      ValueOptions = voComponentProperty
    end
    object Mark: TkelE2MConnection
      Source = Heading
      Target = Sheet
      SourceEvent = 'OnChange'
      TargetMethod = 'Rectangle'
      TargetMethodParameters = <
        item
          ParameterName = 'X1'
          Constant = '0'
        end
        item
          ParameterName = 'Y1'
          Constant = '0'
        end
        item
          ParameterName = 'X2'
          Constant = '3'
        end
        item
          ParameterName = 'Y2'
          Constant = '3'
        end>
    end
  end
end
)";

TEST(KelgraphicsConnections, AFormsLinksCopyAFontStyleAndDrawOnACanvasThroughTheDescriptors) {
  // Made before the form, so that the variables let go of them first.
  TOwned<TFont> heading = MakeOwned<TFont>(), caption = MakeOwned<TFont>();
  TOwned<TBitmap> sheet = MakeBitmap(4, 4, host::clWhite);
  sheet->GetCanvas()->GetBrush()->SetColor(host::clBlue);
  TOwned<host::TComponent> form = host::testkit::ReadNewRoot<host::TComponent>(host::testkit::TextToBinary(kFontForm));
  const auto hold = [&](const char* variable, host::TObject* object) {
    TkelClassInfo* info = Describe(form->FindComponent(variable));
    info->SetProperty(info->FindProperty("Self"), Addr(object));
  };
  hold("Heading", heading.get());
  hold("Caption", caption.get());
  hold("Sheet", sheet->GetCanvas());
  heading->SetStyle({host::fsBold, host::fsStrikeOut});
  EXPECT_EQ(caption->GetStyle(), (host::TFontStyles{host::fsBold, host::fsStrikeOut}));
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(1, 1), host::clBlue);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(0, 1), host::clBlack);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(3, 3), host::clWhite);
  // The link follows the font, not a copy taken once.
  heading->SetStyle({});
  EXPECT_EQ(caption->GetStyle(), host::TFontStyles{});
}

}  // namespace
}  // namespace kel::test
