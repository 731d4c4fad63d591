// Owner-drawn menus: the headless backend has each owner-drawn item of a
// shown pop-up measured and drawn by the host, into a bitmap the test reads.
#include "host/graphics/bitmap.h"
#include "host/graphics/canvas.h"
#include "tests/host/menus/menus_test.h"

namespace host::menustest {
namespace {

using MenuDrawing = MenusTest;

// The colour of a pixel of the open pop-up's picture.
TColor PopupPixel(int32_t X, int32_t Y) {
  TBitmapBits bits;
  if (!Robot().OpenPopup() || !WidgetSet().GetBitmapBits(Robot().OpenPopup()->Image, bits)) return clNone;
  return static_cast<TColor>(PixelToColorRef(bits.Row(Y)[X]));
}

struct TPopupDraw {
  TOwned<TComponent> owner{New<TComponent>(nullptr)};
  TPopupMenu* popup = new TPopupMenu(owner.get());
  TMenuItem* first = NewItem(owner.get(), popup->GetItems(), "First");
  TMenuItem* second = NewItem(owner.get(), popup->GetItems(), "Second");
};

TEST_F(MenuDrawing, HandlersMeasureAndDrawEachItemWithItsState) {
  TPopupDraw p;
  p.popup->SetOwnerDraw(true);
  std::vector<std::string> log;
  for (TMenuItem* item : {p.first, p.second}) {
    item->OnMeasureItem = [&log](TObject* Sender, TCanvas* Canvas, int32_t& Width, int32_t& Height) {
      log.push_back("measure " + As<TMenuItem>(Sender)->GetCaption() + (Canvas ? "" : " without canvas"));
      Width = 30;
      Height = 10;
    };
    item->OnAdvancedDrawItem = [&log](TObject* Sender, TCanvas* Canvas, TRect R, TOwnerDrawState State) {
      log.push_back("draw " + As<TMenuItem>(Sender)->GetCaption() + (State.Contains(odSelected) ? " selected" : ""));
      Canvas->GetBrush()->SetColor(State.Contains(odSelected) ? clBlue : State.Contains(odChecked) ? clLime : clRed);
      Canvas->FillRect(R);
    };
  }
  p.second->SetChecked(true);
  p.popup->Popup(5, 5);
  ASSERT_NE(Robot().OpenPopup(), nullptr);
  ASSERT_NE(Robot().OpenPopup()->Image, 0u);
  EXPECT_EQ(Robot().OpenPopup()->ItemRects[1], Rect(0, 10, 30, 20));
  EXPECT_EQ(PopupPixel(29, 0), clRed);
  EXPECT_EQ(PopupPixel(0, 19), clLime);
  Robot().HoverPopupItem("First");
  EXPECT_EQ(PopupPixel(3, 3), clBlue);
  EXPECT_EQ(log, (std::vector<std::string>{"measure First", "measure Second", "draw First", "draw Second",
                                           "measure First", "measure Second", "draw First selected", "draw Second"}));
  // Without OnAdvancedDrawItem, OnDrawItem draws with the selection only.
  p.first->OnAdvancedDrawItem = nullptr;
  bool selected = false;
  p.first->OnDrawItem = [&](TObject*, TCanvas*, TRect, bool Selected) { selected = Selected; };
  Robot().HoverPopupItem("First");
  EXPECT_TRUE(selected);
}

TEST_F(MenuDrawing, WithImagesTheItemsDrawTheirImageCaptionAndHighlight) {
  TPopupDraw p;
  auto* images = new TImageList(p.owner.get());
  images->SetSize(4, 4);
  TOwned<TBitmap> red = MakeOwned<TBitmap>();
  red->SetSize(4, 4);
  red->GetCanvas()->GetBrush()->SetColor(clRed);
  red->GetCanvas()->FillRect(Rect(0, 0, 4, 4));
  images->Add(red.get(), nullptr);
  p.popup->SetImages(images);  // images make the menu owner-drawn
  p.first->SetImageIndex(0);
  p.second->SetShortCut(TextToShortCut("Ctrl+S"));
  p.popup->Popup(0, 0);
  ASSERT_NE(Robot().OpenPopup()->Image, 0u);
  const TRect first = Robot().OpenPopup()->ItemRects[0];
  const TRect second = Robot().OpenPopup()->ItemRects[1];
  EXPECT_GT(second.Width(), 40);  // image column, caption and short cut
  const int32_t glyphTop = first.Top + (first.Height() - 4) / 2;
  EXPECT_EQ(PopupPixel(2, glyphTop), clRed);
  EXPECT_EQ(PopupPixel(first.Right - 1, first.Top), static_cast<TColor>(ClassicSysColor(4)));  // the menu colour
  Robot().HoverPopupItem("Second");
  EXPECT_EQ(PopupPixel(second.Left, second.Top), static_cast<TColor>(ClassicSysColor(13)));  // highlight
  // An image list that changes is redrawn with the next showing; one that
  // goes leaves the menu drawn by the widgetset.
  images->Free();
  EXPECT_EQ(p.popup->GetImages(), nullptr);
  p.popup->Popup(0, 0);
  EXPECT_EQ(Robot().OpenPopup()->Image, 0u);
}

}  // namespace
}  // namespace host::menustest
