// TMetafile and TMetafileCanvas: recording, playing back (also scaled), the
// file format both ways, handles, the clipboard and bad files.
#include "host/graphics/metafile.h"

#include "host/classes/streams.h"
#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using MetafileTest = GraphicsTest;

// Draws a small scene: a red rectangle with a black frame, a blue dotted
// line, text, a copy of a 2 x 1 bitmap, a patterned bar and an icon.
void Scene(TCanvas* C, TBitmap* Sprite, TIcon* Icon) {
  C->GetBrush()->SetColor(clRed);
  C->Rectangle(1, 1, 9, 6);
  C->GetPen()->SetColor(clBlue);
  C->GetPen()->SetStyle(psDot);
  C->MoveTo(0, 8);
  C->LineTo(20, 8);
  C->GetFont()->SetColor(clLime);
  C->GetBrush()->SetStyle(bsClear);
  C->TextOut(10, 0, "A");
  C->Draw(16, 1, Sprite);
  C->GetBrush()->SetBitmap(Sprite);
  C->FillRect(Rect(12, 9, 17, 10));
  C->GetBrush()->SetBitmap(nullptr);
  C->Draw(18, 3, Icon);
}

// A 2 x 2 icon: red, blue over transparent, black.
TOwned<TIcon> SceneIcon() {
  TOwned<TIcon> icon = MakeOwned<TIcon>();
  LoadBytes(icon.get(), IcoFile({IconImage4({"9C", "00"}, {"00", "10"})}));
  return icon;
}

TOwned<TMetafile> Recorded(TBitmap* Sprite, const char* CreatedBy = "", const char* Description = "") {
  TOwned<TMetafile> m = MakeOwned<TMetafile>();
  TOwned<TMetafileCanvas> canvas(TMetafileCanvas::CreateWithComment(m.get(), 0, CreatedBy, Description));
  Scene(canvas.get(), Sprite, SceneIcon().get());
  return m;
}

TEST_F(MetafileTest, PlayingARecordingDrawsWhatWasDrawn) {
  TOwned<TBitmap> sprite = MakeBitmap(2, 1, clYellow);
  sprite->GetCanvas()->SetPixels(1, 0, clBlack);
  TOwned<TMetafile> m = Recorded(sprite.get(), "Corvane", "scene");
  EXPECT_FALSE(m->GetEmpty());
  EXPECT_EQ(m->GetWidth(), 21);     // the extent of the drawing: the line's end is at x = 20
  EXPECT_EQ(m->GetHeight(), 11);    // the text cell is the lowest thing drawn
  EXPECT_EQ(m->GetMMWidth(), 556);  // 21 pixels at 96 per inch, in 0.01 mm
  EXPECT_EQ(m->GetCreatedBy(), "Corvane");
  EXPECT_EQ(m->GetDescription(), "scene");
  sprite->GetCanvas()->SetPixels(0, 0, clBlue);  // later changes are not in the recording
  TOwned<TBitmap> direct = MakeBitmap(21, 11), played = MakeBitmap(21, 11);
  sprite->GetCanvas()->SetPixels(0, 0, clYellow);
  Scene(direct->GetCanvas(), sprite.get(), SceneIcon().get());
  played->GetCanvas()->Draw(0, 0, m.get());
  EXPECT_EQ(PictureOf(played.get()), PictureOf(direct.get()));
  EXPECT_EQ(RowOf(played.get(), 1), ".########.g...g.y#...");
  EXPECT_EQ(RowOf(played->GetCanvas(), 9, 12, 17), "y#y#y");  // the bitmap brush tiles from the origin
  EXPECT_EQ(RowOf(played->GetCanvas(), 3, 18, 20), "rb");
  EXPECT_EQ(RowOf(played->GetCanvas(), 4, 18, 20), ".#");  // transparent, then black
  // The canvas it was played on keeps its own pen, brush and font.
  EXPECT_EQ(played->GetCanvas()->GetPen()->GetColor(), clBlack);
  EXPECT_EQ(played->GetCanvas()->GetBrush()->GetStyle(), bsSolid);
  // Drawn at twice the size, the rectangle's corners move with it.
  TOwned<TBitmap> big = MakeBitmap(42, 22);
  big->GetCanvas()->StretchDraw(Rect(0, 0, 42, 22), m.get());
  EXPECT_EQ(RowOf(big->GetCanvas(), 2, 0, 20), "..################..");
  EXPECT_EQ(RowOf(big->GetCanvas(), 6, 0, 4), "..#r");  // one-pixel pens stay one pixel wide
}

TEST_F(MetafileTest, FilesHandlesAndTheClipboardRoundTrip) {
  TOwned<TBitmap> sprite = MakeBitmap(2, 1, clYellow);
  TOwned<TMetafile> m = Recorded(sprite.get(), "me", "it");
  m->SetInch(1440);
  m->SetEnhanced(false);
  const std::string file = SavedBytes(m.get());
  EXPECT_EQ(file.substr(0, 4), "CVMF");
  TOwned<TMetafile> copy = MakeOwned<TMetafile>();
  LoadBytes(copy.get(), file);
  EXPECT_EQ(copy->GetInch(), 1440);
  EXPECT_FALSE(copy->GetEnhanced());
  EXPECT_EQ(copy->GetDescription(), "it");
  EXPECT_EQ(SavedBytes(copy.get()), file);
  // Through a handle.
  TOwned<TMetafile> viaHandle = MakeOwned<TMetafile>();
  viaHandle->SetHandle(copy->ReleaseHandle());
  EXPECT_TRUE(copy->GetEmpty());
  EXPECT_EQ(SavedBytes(viaHandle.get()), file);
  // Through the clipboard.
  uint16_t format = 0;
  THandle data = 0;
  HPALETTE palette = 0;
  viaHandle->SaveToClipboardFormat(format, data, palette);
  EXPECT_EQ(format, CF_ENHMETAFILE);
  TOwned<TMetafile> pasted = MakeOwned<TMetafile>();
  pasted->LoadFromClipboardFormat(format, data, palette);
  WidgetSet().DeleteEnhMetaFile(data);
  EXPECT_EQ(SavedBytes(pasted.get()), file);
  EXPECT_RAISES(pasted->LoadFromClipboardFormat(CF_BITMAP, data, 0), EInvalidGraphic,
                "Unsupported clipboard format (format 2, data " + std::to_string(data) + ")");
  EXPECT_EQ(SavedBytes(pasted.get()), file);
  // Sizes.
  pasted->SetWidth(100);
  EXPECT_EQ(pasted->GetMMWidth(), 2646);
  EXPECT_EQ(pasted->GetWidth(), 100);
  EXPECT_RAISES(pasted->SetMMHeight(-1), EInvalidGraphicOperation,
                "Invalid metafile height -1: a size cannot be negative");
  EXPECT_EQ(m->GetMMWidth(), 556);  // shared images are copied before they change
  pasted->Clear();
  EXPECT_TRUE(pasted->GetEmpty());
}

TEST_F(MetafileTest, BadFilesRaiseAndLeaveTheMetafileAsItWas) {
  TOwned<TBitmap> sprite = MakeBitmap(2, 1, clYellow);
  TOwned<TMetafile> m = Recorded(sprite.get());
  const std::string good = SavedBytes(m.get());
  std::string emf(48, '\0');
  emf[0] = 1;
  emf.replace(40, 4, " EMF");
  std::string unknownRecord = good.substr(0, 30);  // the header (empty texts), then one record
  unknownRecord.replace(26, 4, std::string("\1\0\0\0", 4));
  unknownRecord += '\x55';
  std::string negative = good;
  negative.replace(8, 4, "\xFF\xFF\xFF\xFF");
  struct Case {
    std::string File;
    const char* Message;
  };
  const Case cases[] = {
      {emf,
       "Metafile is not valid: Windows enhanced metafiles (EMF) cannot be played; only recorded canvas metafiles "
       "(CVMF) can"},
      {"GIF89a", "Metafile is not valid: the data does not start with the signature CVMF"},
      {good.substr(0, 20), "Metafile is not valid: the data ends too early"},
      {good.substr(0, good.size() - 10), "Metafile is not valid: the data ends inside a pixel block (record 14)"},
      {negative, "Metafile is not valid: its size -1 x 291 is negative"},
      {unknownRecord, "Metafile is not valid: unknown record kind 85 (record 1)"},
  };
  for (const Case& c : cases) {
    EXPECT_RAISES(LoadBytes(m.get(), c.File), EInvalidGraphic, c.Message);
    EXPECT_EQ(SavedBytes(m.get()), good);
  }
  EXPECT_RAISES(m->SetHandle(12345678), EInvalidGraphicOperation, "Handle 12345678 is not a metafile");
  EXPECT_EQ(SavedBytes(m.get()), good);
}

}  // namespace
}  // namespace host::graphicstest
