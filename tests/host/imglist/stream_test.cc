// Image lists in form files (binary and text) and images loaded from
// files and resources.
#include <cstdio>
#include <filesystem>

#include "host/classes/datamodule.h"
#include "host/classes/streams.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "tests/host/imglist/imglist_test.h"
#include "tests/support/formtest.h"

namespace host::imglisttest {
namespace {

using ImageListStreaming = ImgListTest;

std::string BmpBytes(TBitmap* Bitmap) {
  TOwned<TStringStream> s = MakeOwned<TStringStream>();
  Bitmap->SaveToStream(s.get());
  return s->GetDataString();
}

// A 2 x 2 list of three images (the last with a transparent column) whose
// third image is overlay 1.
TImageList* Sample(TComponent* Owner) {
  auto* list = new TImageList(Owner);
  list->SetName("Images1");
  list->SetSize(2, 2);
  list->SetAllocBy(8);
  list->SetDrawingStyle(dsSelected);
  list->SetBkColor(clYellow);
  list->Add(Art({"rrgg", "rrgg"}).get(), nullptr);
  list->AddMasked(Art({"bm", "bm"}).get(), clFuchsia);
  list->Overlay(2, 1);
  return list;
}

TEST_F(ImageListStreaming, ImagesRoundTripThroughBinaryAndTextForms) {
  TOwned<TDataModule> module = NewModule("Module1");
  TImageList* list = Sample(module.get());
  const auto [binary, text] = RoundTrip(module.get());
  EXPECT_NE(text.find("  object Images1: TImageList\n    BkColor = clYellow\n    AllocBy = 8\n"
                      "    DrawingStyle = dsSelected\n    Height = 2\n    Width = 2\n    Bitmap = {\n"
                      "      4356494C01000100020000000200000003000000FFFFFFFF02000000FFFFFFFF"),
            std::string::npos)
      << text;

  TOwned<TDataModule> copy = ReadNewRoot<TDataModule>(TextToBinary(text));
  auto* read = As<TImageList>(copy->FindComponent("Images1"));
  ASSERT_NE(read, nullptr);
  EXPECT_TRUE(read->Equal(list));
  EXPECT_EQ(read->GetAllocBy(), 8);
  EXPECT_EQ(read->GetDrawingStyle(), dsSelected);
  EXPECT_EQ(read->GetBkColor(), clYellow);
  TOwned<TBitmap> sheet = MakeBitmap(2, 2);
  read->SetDrawingStyle(dsNormal);
  read->DrawOverlay(sheet->GetCanvas(), 0, 0, 1, 1);  // the overlay came along
  EXPECT_EQ(PictureOf(sheet.get()), "bg\nbg");

  // An empty list writes no data at all.
  TOwned<TImageList> empty(New<TImageList>(nullptr));
  EXPECT_EQ(FormText(empty.get()).find("Bitmap"), std::string::npos);
}

TEST_F(ImageListStreaming, BadImageDataRaisesAndKeepsTheImages) {
  TOwned<TDataModule> module(New<TDataModule>(nullptr));
  TImageList* list = Sample(module.get());
  TOwned<TStringStream> alone = MakeOwned<TStringStream>();
  alone->WriteComponent(list);
  const std::string text = BinaryToText(alone->GetDataString());
  auto corrupt = [&](const std::string& From, const std::string& To) {
    std::string bad = text;
    bad.replace(bad.find(From), From.size(), To);
    return TextToBinary(bad);
  };
  TOwned<TImageList> target(New<TImageList>(2, 2));
  target->Add(Art({"yy", "yy"}).get(), nullptr);
  EXPECT_RAISES(
      ReadForm(corrupt("4356494C", "4356494D"), target.get()), EReadError,
      "Error reading Images1.Bitmap: Image list data is not valid: it does not start with the signature CVIL");
  EXPECT_RAISES(ReadForm(corrupt("4356494C0100", "4356494C0700"), target.get()), EReadError,
                "Error reading Images1.Bitmap: Image list data is not valid: version 7 is not supported");
  EXPECT_RAISES(ReadForm(corrupt("FFFFFFFF02000000FFFFFFFF", "FFFFFFFF05000000FFFFFFFF"), target.get()), EReadError,
                "Error reading Images1.Bitmap: Image list data is not valid: overlay image 5 does not exist");
  EXPECT_RAISES(ReadForm(corrupt("0200000003000000FFFFFFFF", "0200000002000000FFFFFFFF"), target.get()), EReadError,
                "Error reading Images1.Bitmap: Image list data is not valid: overlay image 2 does not exist");
  // The properties before the data were read (DrawingStyle among them);
  // the images stayed.
  EXPECT_EQ(target->GetDrawingStyle(), dsSelected);
  target->SetDrawingStyle(dsNormal);
  EXPECT_EQ(target->GetCount(), 1);
  EXPECT_EQ(ImageOf(target.get(), 0), "yy\nyy");
  ReadForm(alone->GetDataString(), target.get());
  EXPECT_TRUE(target->Equal(list));
}

TEST_F(ImageListStreaming, RegistrationIsCountedAndEndsHandlesLeftAlive) {
  RegisterImgListClasses();
  UnregisterImgListClasses();
  EXPECT_EQ(GetClass("TImageList"), &TImageList::StaticMetaClass);
  EXPECT_EQ(GetPropInfo(&TImageList::StaticMetaClass, "DrawingStyle")->PropType->Names.size(), 4u);
  TOwned<TImageList> shared(New<TImageList>(2, 2));
  shared->SetShareImages(true);
  const HIMAGELIST handle = shared->GetHandle();
  shared.reset();  // the handle outlives the list
  UnregisterImgListClasses();
  EXPECT_EQ(GetClass("TImageList"), nullptr);
  EXPECT_EQ(GetPropInfo(&TImageList::StaticMetaClass, "Width"), nullptr);
  EXPECT_EQ(imagelist::FindImageStore(handle), nullptr);
  RegisterImgListClasses();
  EXPECT_EQ(GetClass("TDragImageList"), &TDragImageList::StaticMetaClass);
}

class ImageListResources : public ImgListTest {
 protected:
  void TearDown() override {
    UnregisterResource(HInstance(), "STRIP", RT_BITMAP);
    UnregisterResource(HInstance(), "BROKEN", RT_BITMAP);
    UnregisterResource(HInstance(), "ICON1", RT_ICON);
    std::filesystem::remove(Path());
    ImgListTest::TearDown();
  }
  static std::string Path() { return (std::filesystem::temp_directory_path() / "imglist_strip_test.bmp").string(); }
};

TEST_F(ImageListResources, BitmapResourcesAndFilesReplaceTheImages) {
  const std::string strip = BmpBytes(Art({"rmgm", "rrgg"}).get());
  RegisterResource(HInstance(), "STRIP", RT_BITMAP, strip);
  TOwned<TImageList> list(New<TImageList>(2, 2));
  list->Add(Art({"yy", "yy"}).get(), nullptr);
  ASSERT_TRUE(list->ResourceLoad(rtBitmap, "strip", clFuchsia));
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_EQ(ImageOf(list.get(), 0), "r.\nrr");
  EXPECT_EQ(ImageOf(list.get(), 1), "g.\ngg");
  // One-pixel images with the top-left colour transparent.
  ASSERT_TRUE(list->GetResource(rtBitmap, "STRIP", 1, {lrTransparent}, clDefault));
  EXPECT_EQ(list->GetCount(), 4);
  EXPECT_EQ(list->GetWidth(), 1);
  EXPECT_EQ(ImageOf(list.get(), 0), ".\n.");
  EXPECT_EQ(ImageOf(list.get(), 2), "g\ng");
  // Missing resources and files: false, the list as it was.
  EXPECT_FALSE(list->ResourceLoad(rtBitmap, "NOSUCH", clNone));
  EXPECT_FALSE(list->FileLoad(rtBitmap, Path(), clNone));
  EXPECT_EQ(list->GetCount(), 4);
  // Bad data and a width that does not divide the strip raise.
  RegisterResource(HInstance(), "BROKEN", RT_BITMAP, std::string("BM\x01", 3));
  EXPECT_RAISES(list->ResourceLoad(rtBitmap, "BROKEN", clNone), EInvalidGraphic,
                "Bitmap image is not valid: the data ends after 3 of the 14 bytes of the file header");
  EXPECT_RAISES(list->GetResource(rtBitmap, "STRIP", 3, {}, clNone), EInvalidOperation,
                "Invalid image size: a 4 x 2 bitmap does not hold whole 3 x 2 images");
  EXPECT_EQ(list->GetCount(), 4);
  EXPECT_EQ(list->GetWidth(), 1);
  // A file loads at the list's width.
  list->SetWidth(2);
  TOwned<TFileStream> file = MakeOwned<TFileStream>(Path(), fmCreate);
  file->WriteBuffer(strip.data(), static_cast<int32_t>(strip.size()));
  file.reset();
  ASSERT_TRUE(list->FileLoad(rtBitmap, Path(), clNone));
  EXPECT_EQ(ImageOf(list.get(), 1), "gm\ngg");
}

TEST_F(ImageListResources, IconResourcesBecomeOneImage) {
  TOwned<TImageList> source(New<TImageList>(2, 2));
  source->AddMasked(Art({"rm", "rr"}).get(), clFuchsia);
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  source->GetIcon(0, icon.get());
  TOwned<TStringStream> ico = MakeOwned<TStringStream>();
  icon->SaveToStream(ico.get());
  RegisterResource(HInstance(), "ICON1", RT_ICON, ico->GetDataString());
  TOwned<TImageList> list(New<TImageList>(nullptr));
  ASSERT_TRUE(list->ResInstLoad(HInstance(), rtIcon, "ICON1", clNone));
  ASSERT_EQ(list->GetCount(), 1);
  TOwned<TBitmap> sheet = MakeBitmap(16, 16, clBlue);
  list->Draw(sheet->GetCanvas(), 0, 0, 0);
  EXPECT_EQ(RowOf(sheet->GetCanvas(), 0, 0, 16), "rrrrrrrrbbbbbbbb");  // scaled to 16 x 16
  EXPECT_FALSE(list->ResInstLoad(HInstance(), rtCursor, "ICON1", clNone));
}

}  // namespace
}  // namespace host::imglisttest
