// Behaviour of the image-list descriptors: images added and drawn through
// the descriptor, bad input refused with the list unchanged, handles and
// points by address, change links registered through Sender.
#include "descriptors/kelimglist.h"

#include <gtest/gtest.h>

#include <vector>

#include "host/graphics/graphics.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/support/bitmaps.h"

namespace kel::test {
namespace {

using host::TCustomImageList;
using host::Variant;
using host::testkit::MakeBitmap;

// A form owning a list of 4 x 4 images, empty at first.
struct TImageForm {
  TImageForm() { list->SetSize(4, 4); }
  host::TOwned<host::TComponent> form = host::MakeOwned<host::TComponent>(nullptr);
  TCustomImageList* list = host::New<TCustomImageList>(form.get());
};

TEST(ImageListDescriptors, AddedImagesAreKeptAndDrawn) {
  TImageForm f;
  TkelClassInfo* d = Describe(f.list);
  host::TOwned<host::TBitmap> red = MakeBitmap(4, 4, host::clRed), blue = MakeBitmap(4, 4, host::clBlue);
  EXPECT_EQ(Invoke(d, "Add", {Addr(red.get()), Variant(0)})->Result, Variant(0));
  EXPECT_EQ(Invoke(d, "AddMasked", {Addr(blue.get()), Variant(int32_t{host::clNone})})->Result, Variant(1));
  EXPECT_EQ(Read(d, "Count"), Variant(2));

  host::TOwned<host::TBitmap> sheet = MakeBitmap(10, 10, host::clWhite);
  Invoke(d, "Draw", {Addr(sheet->GetCanvas()), Variant(2), Variant(3), Variant(1), Variant(true)});
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(2, 3), host::clBlue);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(5, 6), host::clBlue);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(6, 7), host::clWhite);
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(1, 3), host::clWhite);
  Invoke(d, "Move", {Variant(1), Variant(0)});
  Invoke(d, "Draw", {Addr(sheet->GetCanvas()), Variant(0), Variant(0), Variant(1), Variant(true)});
  EXPECT_EQ(sheet->GetCanvas()->GetPixels(0, 0), host::clRed);
}

TEST(ImageListDescriptors, BadInputRaisesAndLeavesTheListAsItWas) {
  TImageForm f;
  TkelClassInfo* d = Describe(f.list);
  host::TOwned<host::TBitmap> red = MakeBitmap(4, 4, host::clRed), odd = MakeBitmap(3, 5, host::clRed);
  Invoke(d, "Add", {Addr(red.get()), Variant(0)});
  host::TOwned<host::TIcon> icon = host::MakeOwned<host::TIcon>();
  EXPECT_THROW(Invoke(d, "Add", {Addr(icon.get()), Variant(0)}), host::EInvalidCast);  // an icon is no bitmap
  EXPECT_THROW(Invoke(d, "Add", {Addr(odd.get()), Variant(0)}), host::EInvalidOperation);
  EXPECT_EQ(MessageOf([&] { Invoke(d, "Delete", {Variant(5)}); }), "List index out of bounds (5)");
  EXPECT_EQ(MessageOf([&] {
              Invoke(d, "Replace", {Variant(1), Addr(red.get()), Variant(0)});
            }),
            "List index out of bounds (1)");
  EXPECT_EQ(MessageOf([&] { Write(d, "DrawingStyle", Variant(9)); }), "9 is not a valid value of DrawingStyle (0..3)");
  EXPECT_EQ(f.list->GetCount(), 1);
  EXPECT_EQ(f.list->GetDrawingStyle(), host::dsNormal);
  // The positive twins.
  Invoke(d, "Delete", {Variant(0)});
  Write(d, "DrawingStyle", Variant(int32_t{host::dsTransparent}));
  EXPECT_EQ(f.list->GetCount(), 0);
  EXPECT_EQ(f.list->GetDrawingStyle(), host::dsTransparent);
}

TEST(ImageListDescriptors, HandlesBitmapsAndTheHotSpotTravelByAddress) {
  TImageForm f;
  TkelClassInfo* d = Describe(f.list);
  host::TOwned<host::TBitmap> red = MakeBitmap(4, 4, host::clRed);
  f.list->Add(red.get(), nullptr);
  const Variant handle = Read(d, "Handle");
  EXPECT_EQ(*static_cast<const host::HIMAGELIST*>(handle.AsPointer()), f.list->GetHandle());
  const Variant images = Invoke(d, "GetImageBitmap")->Result;
  EXPECT_EQ(*static_cast<const host::HBITMAP*>(images.AsPointer()), f.list->GetImageBitmap());
  EXPECT_NE(Invoke(d, "GetMaskBitmap")->Result, images);  // a slot of its own
  const Variant hotSpot = Invoke(d, "GetHotSpot")->Result;
  EXPECT_EQ(*static_cast<const host::TPoint*>(hotSpot.AsPointer()), host::TPoint{});

  // Another list takes the store the handle names (sharing it).
  auto* other = host::New<TCustomImageList>(f.form.get());
  other->SetShareImages(true);
  TkelClassInfo* od = Describe(other);
  Write(od, "Handle", handle);
  EXPECT_EQ(other->GetCount(), 1);
  EXPECT_EQ(other->GetWidth(), 4);
  // A handle that names no store is refused by the list, which keeps its own.
  const TkelValue<host::HIMAGELIST> stale(0x7FFF0000);
  EXPECT_THROW(Write(od, "Handle", stale.Address()), host::EInvalidOperation);
  EXPECT_EQ(other->GetHandle(), f.list->GetHandle());
  other->Free();
}

TEST(ImageListDescriptors, AChangeLinkRegisteredThroughSenderHearsTheList) {
  TImageForm f;
  host::TOwned<host::TChangeLink> link = host::MakeOwned<host::TChangeLink>();
  TkelClassInfo* d = Describe(link.get());
  TTestListeners listeners;
  std::vector<Variant> senders;
  listeners.On(d, "OnChange", [&](TkelEventInfo& e) { senders.push_back(e.GetArgs(0)->Value); });
  Write(d, "Sender", Addr(f.list));
  host::TOwned<host::TBitmap> red = MakeBitmap(4, 4, host::clRed);
  f.list->Add(red.get(), nullptr);
  EXPECT_EQ(senders, std::vector<Variant>{Addr(f.list)});
  // Not a list: refused, the link stays registered.
  EXPECT_THROW(Write(d, "Sender", Addr(red.get())), host::EInvalidCast);
  EXPECT_EQ(link->GetSender(), f.list);
  Write(d, "Sender", Variant(0));
  f.list->Clear();
  EXPECT_EQ(senders.size(), 1u);
  EXPECT_EQ(Read(d, "Sender"), Addr(nullptr));
}

}  // namespace
}  // namespace kel::test
