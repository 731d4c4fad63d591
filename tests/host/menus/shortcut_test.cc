// The short-cut helpers: packing keys and modifiers, and the texts of
// short cuts both ways.
#include <gtest/gtest.h>

#include "host/menus/menus.h"

namespace host {
namespace {

TEST(ShortCuts, PackAKeyWithItsModifiers) {
  EXPECT_EQ(ShortCut('S', {ssCtrl}), 0x4053);
  EXPECT_EQ(ShortCut(VK_F4, {ssShift, ssAlt}), scShift | scAlt | VK_F4);
  EXPECT_EQ(ShortCut('A', {ssLeft, ssDouble}), 'A');  // mouse state is no modifier
  EXPECT_EQ(ShortCut(0x1FF, {ssCtrl}), scNone);       // not a key
  uint16_t key = 0;
  TShiftState shift;
  ShortCutToKey(scShift | scCtrl | scAlt | VK_DELETE, key, shift);
  EXPECT_EQ(key, VK_DELETE);
  EXPECT_EQ(shift, (TShiftState{ssShift, ssCtrl, ssAlt}));
  ShortCutToKey(ShortCut(VK_F2, {}), key, shift);
  EXPECT_EQ(key, VK_F2);
  EXPECT_TRUE(shift.Empty());
}

TEST(ShortCuts, TextsNameModifiersInClassicOrderAndKeysByTheirClassicNames) {
  struct Case {
    TShortCut ShortCut;
    const char* Text;
  };
  const Case cases[] = {
      {scCtrl | 'S', "Ctrl+S"},
      {scShift | scAlt | VK_F4, "Shift+Alt+F4"},
      {VK_DELETE, "Del"},
      {scShift | scCtrl | scAlt | VK_TAB, "Shift+Ctrl+Alt+Tab"},
      {VK_BACK, "BkSp"},
      {VK_RETURN, "Enter"},
      {VK_ESCAPE, "Esc"},
      {scCtrl | VK_SPACE, "Ctrl+Space"},
      {VK_PRIOR, "PgUp"},
      {VK_NEXT, "PgDn"},
      {VK_INSERT, "Ins"},
      {VK_F24, "F24"},
      {scAlt | '7', "Alt+7"},
      {VK_MULTIPLY, "Num *"},
      {scCtrl | VK_OEM_PLUS, "Ctrl+="},
      {VK_OEM_5, "\\"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortCutToText(c.ShortCut), c.Text);
    EXPECT_EQ(TextToShortCut(c.Text), c.ShortCut) << c.Text;
  }
  EXPECT_EQ(ShortCutToText(scNone), "");
  EXPECT_EQ(ShortCutToText(scCtrl | 0xFF), "");    // a key without a name
  EXPECT_EQ(ShortCutToText(VK_NUMPAD0 + 3), "3");  // the number pad's digits read as digits
}

TEST(ShortCuts, ReadingTextsIgnoresCaseAndOrderAndUnknownTextGivesNone) {
  EXPECT_EQ(TextToShortCut("ctrl+s"), scCtrl | 'S');
  EXPECT_EQ(TextToShortCut("^S"), scCtrl | 'S');
  EXPECT_EQ(TextToShortCut("ALT+shift+f4"), scShift | scAlt | VK_F4);
  EXPECT_EQ(TextToShortCut("pgdn"), VK_NEXT);
  for (const char* text : {"", "Ctrl+", "Ctrl+Foo", "Hyper+S", "S+Ctrl", "F25", " Ctrl+S"})
    EXPECT_EQ(TextToShortCut(text), scNone) << '"' << text << '"';
  // Every text there is reads back as itself.
  const int modifierSets[] = {0, scShift, scCtrl | scAlt, scShift | scCtrl | scAlt};
  for (uint32_t key = 0; key <= 0xFF; ++key)
    for (int modifiers : modifierSets) {
      const std::string text = ShortCutToText(static_cast<TShortCut>(key | modifiers));
      if (!text.empty()) {
        EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
      }
    }
}

TEST(ShortCuts, StripHotkeyDropsAcceleratorMarks) {
  EXPECT_EQ(StripHotkey("&File"), "File");
  EXPECT_EQ(StripHotkey("Save &As..."), "Save As...");
  EXPECT_EQ(StripHotkey("Fish && Chips"), "Fish & Chips");
  EXPECT_EQ(StripHotkey("Trailing&"), "Trailing");
}

}  // namespace
}  // namespace host
