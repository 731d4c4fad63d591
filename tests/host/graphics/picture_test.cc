// TPicture: the registries of graphic classes, loading by extension, the
// clipboard, events, and pictures, fonts and colours in form files (binary
// and text).
#include "host/graphics/picture.h"

#include <initializer_list>

#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/metafile.h"
#include "tests/host/graphics/graphics_test.h"
#include "tests/support/formtest.h"

namespace host::graphicstest {
namespace {

// A component with a picture, a font, a pen, a brush and a colour, as a
// control would publish them.
class TPictureHolder : public TComponent {
  HOST_CLASS(TPictureHolder, TComponent)
  explicit TPictureHolder(TComponent* AOwner)
      : TComponent(AOwner), FPicture(New<TPicture>()), FFont(New<TFont>()), FPen(New<TPen>()), FBrush(New<TBrush>()) {}
  TPicture* GetPicture() const { return FPicture; }
  TFont* GetFont() const { return FFont; }
  TPen* GetPen() const { return FPen; }
  TBrush* GetBrush() const { return FBrush; }
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value) { FColor = Value; }

 protected:
  void Destroy() override {
    FreeAndNil(FPicture);
    FreeAndNil(FFont);
    FreeAndNil(FPen);
    FreeAndNil(FBrush);
    inherited::Destroy();
  }

 private:
  TPicture* FPicture;
  TFont* FFont;
  TPen* FPen;
  TBrush* FBrush;
  TColor FColor = clBtnFace;
};
HOST_IMPL(TPictureHolder, TComponent)

// A graphic class of the tests' own: a bitmap under another name.
class TFancyBitmap : public TBitmap {
  HOST_CLASS(TFancyBitmap, TBitmap)
  TFancyBitmap() = default;
};
HOST_IMPL(TFancyBitmap, TBitmap)

class PictureTest : public GraphicsTest {
 protected:
  static void SetUpTestSuite() {
    GraphicsTest::SetUpTestSuite();
    RegisterProperties(&TPictureHolder::StaticMetaClass,
                       {
                           Prop<&TPictureHolder::GetColor, &TPictureHolder::SetColor>("Color").Default(clBtnFace),
                           Prop<&TPictureHolder::GetFont>("Font"),
                           Prop<&TPictureHolder::GetPen>("Pen"),
                           Prop<&TPictureHolder::GetBrush>("Brush"),
                           Prop<&TPictureHolder::GetPicture>("Picture"),
                       });
    RegisterClass(&TPictureHolder::StaticMetaClass);
  }
  static void TearDownTestSuite() {
    UnRegisterClass(&TPictureHolder::StaticMetaClass);
    UnregisterProperties(&TPictureHolder::StaticMetaClass);
    GraphicsTest::TearDownTestSuite();
  }
};

TEST_F(PictureTest, LoadsFilesByExtensionAndKeepsItsGraphicOnFailure) {
  TOwned<TBitmap> b = MakeBitmap(3, 2, clRed);
  b->SaveToFile(PathOf("red.BMP"));
  TOwned<TPicture> p = MakeOwned<TPicture>();
  int changes = 0;
  p->OnChange = [&](TObject*) { ++changes; };
  p->LoadFromFile(PathOf("red.BMP"));
  ASSERT_TRUE(Is<TBitmap>(p->GetGraphic()));
  EXPECT_EQ(p->GetWidth(), 3);
  EXPECT_EQ(changes, 1);
  TGraphic* before = p->GetGraphic();
  EXPECT_RAISES(p->LoadFromFile(PathOf("red.xyz")), EInvalidGraphic, "Unknown picture file extension (.xyz)");
  EXPECT_RAISES(p->LoadFromFile(PathOf("noext")), EInvalidGraphic, "Unknown picture file extension (.)");
  // A registered extension whose file is not of its kind.
  b->SaveToFile(PathOf("fake.ico"));
  EXPECT_RAISES(p->LoadFromFile(PathOf("fake.ico")), EInvalidGraphic,
                "Icon image is not valid: the data does not start with an icon directory (reserved 19778, type 78)");
  EXPECT_EQ(p->GetGraphic(), before);
  EXPECT_EQ(p->GetHeight(), 2);
  EXPECT_EQ(changes, 1);
  // Graphic changes reach the picture.
  p->GetBitmap()->GetCanvas()->SetPixels(0, 0, clBlue);
  EXPECT_EQ(changes, 2);
  // Asking for another kind replaces the graphic with an empty one.
  TIcon* icon = p->GetIcon();
  EXPECT_TRUE(icon->GetEmpty());
  EXPECT_EQ(changes, 3);
  p->SaveToFile(PathOf("empty.ico"));  // an empty icon writes an empty file
  p->SetGraphic(b.get());              // a copy of b
  EXPECT_NE(p->GetGraphic(), b.get());
  EXPECT_EQ(PictureOf(p->GetBitmap()), "rrr\nrrr");
  p->Assign(nullptr);
  EXPECT_EQ(p->GetGraphic(), nullptr);
  EXPECT_EQ(p->GetWidth(), 0);
}

// A nil stream is refused by every graphic class before anything changes.
TEST_F(PictureTest, EveryGraphicRefusesANilStreamAndKeepsItsImage) {
  TOwned<TBitmap> bitmap = MakeBitmap(3, 2, clRed);
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  TOwned<TMetafile> metafile = MakeOwned<TMetafile>();
  for (TGraphic* g : std::initializer_list<TGraphic*>{bitmap.get(), icon.get(), metafile.get()}) {
    const int32_t width = g->GetWidth();
    EXPECT_RAISES(g->LoadFromStream(nullptr), EStreamError, "No stream given (nil)");
    EXPECT_RAISES(g->SaveToStream(nullptr), EStreamError, "No stream given (nil)");
    EXPECT_EQ(g->GetWidth(), width);
  }
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(2, 1), clRed);
}

TEST_F(PictureTest, RegistersGraphicClassesByExtensionAndClipboardFormat) {
  EXPECT_EQ(GraphicFilter(&TBitmap::StaticMetaClass), "Bitmaps (*.bmp)|*.bmp");
  EXPECT_EQ(GraphicFileMask(nullptr), "*.wmf;*.emf;*.ico;*.bmp");
  EXPECT_EQ(GraphicExtension(&TIcon::StaticMetaClass), "ico");
  EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));
  EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_TEXT));
  TPicture::RegisterFileFormat("FANCY", "Fancy bitmaps", &TFancyBitmap::StaticMetaClass);
  TPicture::RegisterClipboardFormat(CF_DIB, &TFancyBitmap::StaticMetaClass);
  EXPECT_EQ(TPicture::FindFileFormat("fancy"), &TFancyBitmap::StaticMetaClass);
  EXPECT_EQ(GraphicFilter(&TBitmap::StaticMetaClass), "Bitmaps (*.bmp)|*.bmp|Fancy bitmaps (*.fancy)|*.fancy");
  TOwned<TBitmap> b = MakeBitmap(1, 1, clLime);
  b->SaveToFile(PathOf("a.fancy"));
  TOwned<TPicture> p = MakeOwned<TPicture>();
  p->LoadFromFile(PathOf("a.fancy"));
  EXPECT_EQ(p->GetGraphic()->ClassName(), "TFancyBitmap");
  TPicture::UnregisterGraphicClass(&TFancyBitmap::StaticMetaClass);
  EXPECT_EQ(TPicture::FindFileFormat("fancy"), nullptr);
  EXPECT_FALSE(TPicture::SupportsClipboardFormat(CF_DIB));
  EXPECT_EQ(TPicture::FindFileFormat("bmp"), &TBitmap::StaticMetaClass);
  EXPECT_RAISES(TPicture::RegisterFileFormat("pen", "Pens", &TPen::StaticMetaClass), EInvalidGraphicOperation,
                "Class TPen is not a graphic class");
  EXPECT_EQ(TPicture::FindFileFormat("pen"), nullptr);
  // Descriptions from string resources; a missing one is empty.
  RegisterResource(HInstance(), "#900", RT_STRING, "Resourceful bitmaps");
  TPicture::RegisterFileFormatRes("rsb", 900, &TFancyBitmap::StaticMetaClass);
  TPicture::RegisterFileFormatRes("nob", 901, &TFancyBitmap::StaticMetaClass);
  EXPECT_EQ(GraphicFilter(&TFancyBitmap::StaticMetaClass), "Resourceful bitmaps (*.rsb)|*.rsb| (*.nob)|*.nob");
  TPicture::UnregisterGraphicClass(&TFancyBitmap::StaticMetaClass);
  UnregisterResource(HInstance(), "#900", RT_STRING);
}

// Counts the changes it hears about.
class TCounter : public TInterfacedObject, public IChangeNotifier {
  HOST_CLASS(TCounter, TInterfacedObject)
  HOST_INTERFACED_FORWARDS
  TCounter() = default;
  void Changed() override { ++Count; }
  int Count = 0;
};
HOST_IMPL_INTF(TCounter, TInterfacedObject, IChangeNotifier)

TEST_F(PictureTest, TheAdapterHearsTheGraphicsChanges) {
  TCounter* counter = New<TCounter>();
  counter->_AddRef();
  {
    TOwned<TPicture> p = MakeOwned<TPicture>();
    p->SetPictureAdapter(counter);
    p->GetBitmap()->SetSize(2, 2);  // a new bitmap, then its size
    EXPECT_EQ(counter->Count, 2);
    p->GetBitmap()->SetSize(2, 2);
    EXPECT_EQ(counter->Count, 2);
    EXPECT_EQ(counter->RefCount(), 2);
  }
  EXPECT_EQ(counter->RefCount(), 1);  // the picture gave its reference back
  counter->_Release();
}

TEST_F(PictureTest, PastesThroughTheClipboardAndForwardsProgress) {
  TOwned<TPicture> source = MakeOwned<TPicture>(), target = MakeOwned<TPicture>();
  source->SetGraphic(MakeBitmap(2, 1, clBlue).get());
  uint16_t format = 0;
  THandle data = 0;
  HPALETTE palette = 0;
  source->SaveToClipboardFormat(format, data, palette);
  target->LoadFromClipboardFormat(format, data, palette);
  WidgetSet().DeleteObject(data);
  EXPECT_EQ(PictureOf(target->GetBitmap()), "bb");
  EXPECT_RAISES(target->LoadFromClipboardFormat(CF_TEXT, 0, 0), EInvalidGraphic,
                "Unsupported clipboard format (format 1)");
  EXPECT_EQ(PictureOf(target->GetBitmap()), "bb");
  MakeBitmap(4, 4, clRed)->SaveToFile(PathOf("r.bmp"));
  std::vector<TProgressStage> stages;
  target->OnProgress = [&](TObject* sender, TProgressStage stage, uint8_t, bool, const TRect&, const std::string&) {
    EXPECT_TRUE(Is<TBitmap>(sender));
    stages.push_back(stage);
  };
  target->LoadFromFile(PathOf("r.bmp"));
  ASSERT_FALSE(stages.empty());
  EXPECT_EQ(stages.front(), psStarting);
  EXPECT_EQ(stages.back(), psEnding);
}

TEST_F(PictureTest, APictureAndAFontRoundTripThroughBinaryAndTextForms) {
  TOwned<TPictureHolder> holder(New<TPictureHolder>(nullptr));
  holder->SetName("Holder1");
  holder->SetColor(clRed);
  holder->GetFont()->SetName("Courier New");
  holder->GetFont()->SetSize(12);
  holder->GetFont()->SetStyle({fsBold, fsUnderline});
  holder->GetFont()->SetColor(clHighlight);
  holder->GetPen()->SetWidth(3);
  holder->GetBrush()->SetColor(static_cast<TColor>(0x123456));
  TOwned<TBitmap> image = MakeBitmap(2, 2, clLime);
  image->GetCanvas()->SetPixels(1, 0, clBlue);
  holder->GetPicture()->SetGraphic(image.get());
  const auto [binary, text] = RoundTrip(holder.get());
  EXPECT_NE(text.find("  Color = clRed\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Font.Charset = DEFAULT_CHARSET\n  Font.Color = clHighlight\n  Font.Height = -16\n"
                      "  Font.Name = 'Courier New'\n  Font.Style = [fsBold, fsUnderline]\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  Pen.Width = 3\n"), std::string::npos) << text;
  EXPECT_NE(text.find("  Brush.Color = 1193046\n"), std::string::npos) << text;  // no identifier for 0x123456
  EXPECT_NE(text.find("  Picture.Data = {\n    07544269746D6170"), std::string::npos) << text;  // "\x07TBitmap"
  TOwned<TPictureHolder> copy = ReadNewRoot<TPictureHolder>(TextToBinary(text));
  EXPECT_EQ(copy->GetColor(), clRed);
  EXPECT_EQ(copy->GetFont()->GetName(), "Courier New");
  EXPECT_EQ(copy->GetFont()->GetSize(), 12);
  EXPECT_EQ(copy->GetFont()->GetStyle(), (TFontStyles{fsBold, fsUnderline}));
  EXPECT_EQ(copy->GetFont()->GetColor(), clHighlight);
  EXPECT_EQ(copy->GetPen()->GetWidth(), 3);
  EXPECT_EQ(copy->GetBrush()->GetColor(), static_cast<TColor>(0x123456));
  ASSERT_TRUE(Is<TBitmap>(copy->GetPicture()->GetGraphic()));
  EXPECT_EQ(PictureOf(copy->GetPicture()->GetBitmap()), "gb\ngg");
  // Defaults stay out of the form; an empty picture writes no data.
  TOwned<TPictureHolder> plain(New<TPictureHolder>(nullptr));
  const std::string plainText = FormText(plain.get());
  EXPECT_EQ(plainText.find("Picture.Data"), std::string::npos) << plainText;
  EXPECT_EQ(plainText.find("Pen."), std::string::npos) << plainText;
  EXPECT_EQ(plainText.find("  Color ="), std::string::npos) << plainText;
}

TEST_F(PictureTest, BadPictureDataInAFormRaisesAndKeepsThePicture) {
  TOwned<TPictureHolder> holder(New<TPictureHolder>(nullptr));
  holder->SetName("Holder1");
  holder->GetPicture()->SetGraphic(MakeBitmap(1, 1, clRed).get());
  const std::string text = FormText(holder.get());
  // "TBitmap" becomes "TBitnap": a class nobody registered.
  std::string unknownClass = text;
  unknownClass.replace(unknownClass.find("544269746D6170"), 14, "544269746E6170");
  std::string badColor = text;
  badColor.insert(badColor.find("  Picture.Data"), "  Color = clPlaid\n");
  TOwned<TPictureHolder> target(New<TPictureHolder>(nullptr));
  target->GetPicture()->SetGraphic(MakeBitmap(1, 1, clBlue).get());
  EXPECT_RAISES(
      ReadNewRoot<TPictureHolder>(TextToBinary(unknownClass)), EReadError,
      "Error reading Holder1.Picture.Data: Picture data is not valid: TBitnap is not a registered graphic class");
  EXPECT_RAISES(ReadNewRoot<TPictureHolder>(TextToBinary(badColor)), EReadError,
                "Error reading Holder1.Color: Invalid property value: 'clPlaid' is not a value of TColor");
  TOwned<TStringStream> s = MakeOwned<TStringStream>(TextToBinary(unknownClass));
  EXPECT_THROW(s->ReadComponent(target.get()), EReadError);
  EXPECT_EQ(PictureOf(target->GetPicture()->GetBitmap()), "b");
}

}  // namespace
}  // namespace host::graphicstest
