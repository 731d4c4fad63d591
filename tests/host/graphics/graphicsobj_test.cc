// Colours, fonts, pens and brushes: conversions, the Size/Height relation,
// change events, handles and the change-notifier reference.
#include "host/graphics/graphicsobj.h"

#include "host/graphics/colors.h"
#include "tests/host/graphics/graphics_test.h"

namespace host::graphicstest {
namespace {

using GraphicsObjectTest = GraphicsTest;

TEST(Colors, ConvertBetweenValuesIdentifiersAndText) {
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(clLtGray), "clSilver");  // the same value: the first name wins
  EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToString(static_cast<TColor>(0x123456)), "$00123456");
  EXPECT_EQ(ColorToString(static_cast<TColor>(-2)), "$FFFFFFFE");
  EXPECT_EQ(StringToColor("CLBLUE"), clBlue);
  EXPECT_EQ(StringToColor("$FF"), clRed);
  EXPECT_EQ(StringToColor("  clInfoBk "), clInfoBk);
  EXPECT_RAISES(StringToColor("reddish"), EConvertError, "'reddish' is not a valid integer value");
  int32_t value = 7;
  EXPECT_FALSE(IdentToColor("clPlaid", value));
  EXPECT_EQ(value, 7);
  std::string ident = "kept";
  EXPECT_FALSE(ColorToIdent(0x654321, ident));
  EXPECT_EQ(ident, "kept");
  // System colours resolve through the widgetset, or the classic scheme without one.
  EXPECT_EQ(ColorToRGB(clBtnFace), 0xC8D0D4);
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ColorToRGB(clNone), 0x1FFFFFFF);
  int names = 0;
  GetColorValues([&](const std::string&) { ++names; });
  EXPECT_EQ(names, 54);
  // The later system colours have names and the classic scheme's values.
  int32_t gradient = 0;
  ASSERT_TRUE(IdentToColor("clGradientActiveCaption", gradient));
  EXPECT_EQ(ColorToRGB(TColor(gradient)), 0xF0CAA6);
  EXPECT_EQ(ColorToString(clMenuBar), "clMenuBar");
}

TEST_F(GraphicsObjectTest, FontSizeAndHeightFollowThePixelsPerInch) {
  TOwned<TFont> f = MakeOwned<TFont>();
  EXPECT_EQ(f->GetName(), "MS Sans Serif");
  EXPECT_EQ(f->GetPixelsPerInch(), 96);
  EXPECT_EQ(f->GetHeight(), -11);
  EXPECT_EQ(f->GetSize(), 8);
  EXPECT_EQ(f->GetColor(), clWindowText);
  EXPECT_EQ(f->GetCharset(), DEFAULT_CHARSET);
  f->SetSize(12);
  EXPECT_EQ(f->GetHeight(), -16);
  f->SetHeight(20);  // a positive height is a cell height: a negative size
  EXPECT_EQ(f->GetSize(), -15);
  f->SetPixelsPerInch(120);
  f->SetSize(8);
  EXPECT_EQ(f->GetHeight(), -13);
  EXPECT_RAISES(f->SetPixelsPerInch(0), EInvalidGraphicOperation, "Pixels per inch must be positive (0)");
  EXPECT_EQ(f->GetPixelsPerInch(), 120);
  // A font of other pixels per inch keeps its point size when assigned.
  TOwned<TFont> screen = MakeOwned<TFont>();
  screen->Assign(f.get());
  EXPECT_EQ(screen->GetSize(), 8);
  EXPECT_EQ(screen->GetHeight(), -11);
}

TEST_F(GraphicsObjectTest, EachChangeFiresOnChangeOnceAndSameValuesFireNothing) {
  TOwned<TFont> f = MakeOwned<TFont>();
  int changes = 0;
  f->OnChange = [&](TObject* sender) {
    EXPECT_EQ(sender, f.get());
    ++changes;
  };
  f->SetSize(10);
  f->SetStyle({fsBold, fsItalic});
  f->SetColor(clRed);
  f->SetName("Courier");
  f->SetPitch(fpFixed);
  f->SetCharset(static_cast<TFontCharset>(RUSSIAN_CHARSET));
  EXPECT_EQ(changes, 6);
  f->SetSize(10);
  f->SetStyle({fsItalic, fsBold});
  f->SetName("Courier");
  EXPECT_EQ(changes, 6);
  TOwned<TFont> g = MakeOwned<TFont>();
  f->Assign(g.get());  // many properties, one event
  EXPECT_EQ(changes, 7);
  EXPECT_EQ(f->GetName(), "MS Sans Serif");
  // Assigning something else raises and changes nothing.
  TOwned<TPen> pen = MakeOwned<TPen>();
  EXPECT_RAISES(f->Assign(pen.get()), EConvertError, "Cannot assign a TPen to a TFont");
  EXPECT_EQ(changes, 7);
  TOwned<TPen> p = MakeOwned<TPen>();
  int penChanges = 0;
  p->OnChange = [&](TObject*) { ++penChanges; };
  p->SetWidth(3);
  p->SetMode(pmXor);
  EXPECT_RAISES(p->SetWidth(-1), EInvalidGraphicOperation, "Pen width cannot be negative (-1)");
  EXPECT_EQ(p->GetWidth(), 3);
  EXPECT_EQ(penChanges, 2);
  EXPECT_EQ(PenModeToRop2(p->GetMode()), R2_XORPEN);
}

TEST_F(GraphicsObjectTest, HandlesFollowThePropertiesAndCanBeTakenOver) {
  TOwned<TFont> f = MakeOwned<TFont>();
  f->SetStyle({fsBold, fsUnderline});
  const HFONT first = f->GetHandle();
  TLogFont log;
  ASSERT_TRUE(WidgetSet().GetLogFont(first, log));
  EXPECT_EQ(log.Height, -11);
  EXPECT_EQ(log.Weight, FW_BOLD);
  EXPECT_TRUE(log.Underline);
  EXPECT_EQ(f->GetHandle(), first);  // unchanged: the same handle
  f->SetColor(clRed);                // colour is not part of a font handle
  EXPECT_EQ(f->GetHandle(), first);
  f->SetHeight(-20);
  const HFONT second = f->GetHandle();
  EXPECT_NE(second, first);
  EXPECT_EQ(WidgetSet().GetObjectType(first), 0u);  // the old one is gone
  // Taking over a handle reads the properties back from it.
  TOwned<TFont> g = MakeOwned<TFont>();
  g->SetHandle(WidgetSet().CreateFontIndirect({-30, FW_NORMAL, true, false, true, SYMBOL_CHARSET, FIXED_PITCH, "Sym"}));
  EXPECT_EQ(g->GetHeight(), -30);
  EXPECT_EQ(g->GetName(), "Sym");
  EXPECT_EQ(g->GetStyle(), (TFontStyles{fsItalic, fsStrikeOut}));
  EXPECT_EQ(g->GetPitch(), fpFixed);
  EXPECT_EQ(g->GetCharset(), SYMBOL_CHARSET);
  EXPECT_RAISES(g->SetHandle(12345678), EInvalidGraphicOperation, "Handle 12345678 is not a font");
  EXPECT_EQ(g->GetName(), "Sym");
  TOwned<TPen> p = MakeOwned<TPen>();
  EXPECT_RAISES(p->SetHandle(second), EInvalidGraphicOperation, "Handle " + std::to_string(second) + " is not a pen");
  p->SetHandle(WidgetSet().CreatePenIndirect({PS_DOT, 1, RGB(255, 0, 0)}));
  EXPECT_EQ(p->GetStyle(), psDot);
  EXPECT_EQ(p->GetColor(), clRed);
  TOwned<TBrush> b = MakeOwned<TBrush>();
  b->SetHandle(WidgetSet().CreateBrushIndirect({BS_HATCHED, RGB(0, 255, 0), HS_BDIAGONAL, 0}));
  EXPECT_EQ(b->GetStyle(), bsBDiagonal);
  EXPECT_EQ(b->GetColor(), clLime);
}

TEST_F(GraphicsObjectTest, BrushColourMakesAClearBrushSolidAndABitmapResetsIt) {
  TOwned<TBrush> b = MakeOwned<TBrush>();
  int changes = 0;
  b->OnChange = [&](TObject*) { ++changes; };
  b->SetStyle(bsClear);
  b->SetColor(clRed);
  EXPECT_EQ(b->GetStyle(), bsSolid);
  EXPECT_EQ(changes, 2);
  b->SetStyle(bsCross);
  TOwned<TBitmap> pattern = MakeBitmap(2, 2, clBlue);
  b->SetBitmap(pattern.get());
  EXPECT_EQ(b->GetColor(), clWhite);
  EXPECT_EQ(b->GetStyle(), bsSolid);
  TLogBrush log;
  ASSERT_TRUE(WidgetSet().GetLogBrush(b->GetHandle(), log));
  EXPECT_EQ(log.Style, BS_PATTERN);
  EXPECT_EQ(changes, 4);
  b->SetBitmap(nullptr);
}

// Counts its Changed calls; freed when its last reference goes.
class TNotifier : public TInterfacedObject, public IChangeNotifier {
  HOST_CLASS(TNotifier, TInterfacedObject)
  HOST_INTERFACED_FORWARDS
  explicit TNotifier(int* Freed) : FFreed(Freed) {}
  void Changed() override { ++Count; }
  int Count = 0;

 protected:
  void Destroy() override {
    ++*FFreed;
    inherited::Destroy();
  }

 private:
  int* FFreed;
};
HOST_IMPL_INTF(TNotifier, TInterfacedObject, IChangeNotifier)

TEST_F(GraphicsObjectTest, TheFontAdapterHearsChangesAndIsReleasedWithTheFont) {
  int freed = 0;
  auto* notifier = New<TNotifier>(&freed);
  notifier->_AddRef();
  const IChangeNotifier* adapter = notifier;
  EXPECT_FALSE(TNotifierRef::IsHeld(adapter));
  {
    TOwned<TFont> f = MakeOwned<TFont>();
    f->SetFontAdapter(notifier);
    EXPECT_EQ(notifier->RefCount(), 2);
    EXPECT_TRUE(TNotifierRef::IsHeld(adapter));
    f->SetSize(20);
    f->SetSize(20);
    EXPECT_EQ(notifier->Count, 1);
  }
  EXPECT_EQ(notifier->RefCount(), 1);
  EXPECT_FALSE(TNotifierRef::IsHeld(adapter));  // the font's reference went with it
  EXPECT_EQ(freed, 0);
  notifier->_Release();
  EXPECT_EQ(freed, 1);
}

TEST_F(GraphicsObjectTest, OnlyTheObjectsOfACanvasKnowItsLock) {
  TOwned<TFont> alone = MakeOwned<TFont>();
  EXPECT_EQ(alone->GetCanvasLock(), nullptr);
  TOwned<TBitmap> b = MakeBitmap(2, 2);
  TCanvas* c = b->GetCanvas();
  for (TGraphicsObject* o : {static_cast<TGraphicsObject*>(c->GetFont()), static_cast<TGraphicsObject*>(c->GetPen()),
                             static_cast<TGraphicsObject*>(c->GetBrush())}) {
    ASSERT_NE(o->GetCanvasLock(), nullptr);
    EXPECT_EQ(o->GetCanvasLock(), o->GetOwnerCriticalSection());
    o->SetOwnerCriticalSection(nullptr);  // the canvas's lock stays known
    EXPECT_EQ(o->GetCanvasLock(), c->GetFont()->GetCanvasLock());
  }
}

TEST_F(GraphicsObjectTest, ABitmapThatIsFreedLeavesTheBrushesPaintingWithIt) {
  TOwned<TBitmap> canvasBitmap = MakeBitmap(4, 1);
  TCanvas* c = canvasBitmap->GetCanvas();
  TOwned<TBrush> copy = MakeOwned<TBrush>();
  {
    TOwned<TBitmap> pattern = MakeBitmap(1, 1, clRed);
    c->GetBrush()->SetBitmap(pattern.get());
    copy->Assign(c->GetBrush());
    EXPECT_EQ(copy->GetBitmap(), pattern.get());
    c->FillRect(Rect(0, 0, 2, 1));
  }
  EXPECT_EQ(c->GetBrush()->GetBitmap(), nullptr);
  EXPECT_EQ(copy->GetBitmap(), nullptr);
  EXPECT_EQ(RowOf(canvasBitmap.get(), 0), "rr..");
  // The brush makes its next handle without the bitmap: a plain white brush.
  c->GetBrush()->SetStyle(bsClear);
  c->GetBrush()->SetStyle(bsSolid);
  c->FillRect(Rect(0, 0, 4, 1));
  EXPECT_EQ(RowOf(canvasBitmap.get(), 0), "....");
  EXPECT_NE(copy->GetHandle(), 0u);
}

}  // namespace
}  // namespace host::graphicstest
