// The caption controls: a label and a static text sized to their text by
// the widgetset's text metrics, Alt with an accelerator focusing their
// FocusControl (or the first control of a group box), and the area a group
// box leaves its controls.
#include "host/graphics/bitmap.h"
#include "host/graphics/graphicsobj.h"
#include "tests/host/stdctrls/texts_test.h"

namespace host::stdctrlstest {
namespace {

class Captions : public TextsTest {
 protected:
  // The size of Text in Control's font, measured on a bitmap's canvas.
  static TSize Extent(TControl* Control, const std::string& Text) {
    TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
    bitmap->SetWidth(1);
    bitmap->SetHeight(1);
    bitmap->GetCanvas()->SetFont(Control->GetFont());
    return bitmap->GetCanvas()->TextExtent(Text);
  }
};

TEST_F(Captions, AnAutoSizedLabelTakesTheSizeOfItsShownText) {
  TLabel* label = Place<TLabel>("Label1", Bounds(10, 10, 65, 17));
  EXPECT_TRUE(label->GetAutoSize());
  label->SetCaption("Name");
  const TSize name = Extent(label, "Name");
  ASSERT_GT(name.cx, 0);
  EXPECT_EQ(label->GetBoundsRect(), Bounds(10, 10, name.cx, name.cy));
  label->SetCaption("&Save && Exit");  // the accelerator mark is not shown, "&&" shows one '&'
  EXPECT_EQ(label->GetWidth(), Extent(label, "Save & Exit").cx);
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->GetWidth(), Extent(label, "&Save && Exit").cx);
  label->SetCaption("");  // keeps the height of a line
  EXPECT_EQ(label->GetHeight(), name.cy);

  // Right aligned, the label grows to the left.
  label->SetCaption("ab");
  label->SetAlignment(taRightJustify);
  const int32_t right = label->GetBoundsRect().Right;
  label->SetCaption("abcdef");
  EXPECT_EQ(label->GetBoundsRect().Right, right);
  EXPECT_EQ(label->GetWidth(), Extent(label, "abcdef").cx);

  // Wrapping keeps the width and takes the height of the lines.
  label->SetWidth(Extent(label, "three").cx + 2);
  label->SetWordWrap(true);
  label->SetCaption("one two three");
  EXPECT_EQ(label->GetWidth(), Extent(label, "three").cx + 2);
  EXPECT_EQ(label->GetHeight(), 3 * name.cy);

  // Without AutoSize a caption leaves the size alone.
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 30, 30);
  label->SetCaption("a much longer caption");
  EXPECT_EQ(label->GetBoundsRect(), Bounds(0, 0, 30, 30));
}

TEST_F(Captions, AStaticTextSizesToItsTextAndBorder) {
  TStaticText* text = Place<TStaticText>("Static1", Bounds(0, 0, 65, 17));
  text->SetCaption("&Total");
  const TSize total = Extent(text, "Total");
  EXPECT_EQ(text->GetBoundsRect(), Bounds(0, 0, total.cx, total.cy));
  text->SetBorderStyle(sbsSunken);
  EXPECT_EQ(text->GetBoundsRect(), Bounds(0, 0, total.cx + 2, total.cy + 2));
}

TEST_F(Captions, AltWithAnAcceleratorFocusesTheFocusControlFromAnywhereOnTheForm) {
  TEdit* first = Place<TEdit>("First", Bounds(100, 10, 100, 21));
  TEdit* name = Place<TEdit>("NameEdit", Bounds(100, 40, 100, 21));
  TEdit* city = Place<TEdit>("CityEdit", Bounds(100, 70, 100, 21));
  TGroupBox* group = Place<TGroupBox>("Options", Bounds(10, 100, 200, 80));
  group->SetCaption("&Options");
  TEdit* inside = Place<TEdit>("Inside", Bounds(10, 20, 100, 21), group);
  TLabel* label = Place<TLabel>("NameLabel", Bounds(10, 40, 60, 17));
  label->SetCaption("&Name");
  label->SetFocusControl(name);
  TStaticText* cityText = Place<TStaticText>("CityText", Bounds(10, 70, 60, 17));
  cityText->SetCaption("C&ity");
  cityText->SetFocusControl(city);

  first->SetFocus();
  Robot().Press('N', {ssAlt});
  EXPECT_TRUE(name->Focused());
  Robot().Press('I', {ssAlt});
  EXPECT_TRUE(city->Focused());
  Robot().Press('O', {ssAlt});
  EXPECT_TRUE(inside->Focused());
  EXPECT_EQ(name->GetText() + city->GetText() + inside->GetText(), "");  // Alt keys type nothing

  // No accelerator, a disabled label or a label without accelerators: the focus stays.
  Robot().Press('Q', {ssAlt});
  label->SetEnabled(false);
  Robot().Press('N', {ssAlt});
  label->SetEnabled(true);
  label->SetShowAccelChar(false);
  Robot().Press('N', {ssAlt});
  EXPECT_TRUE(inside->Focused());
  label->SetShowAccelChar(true);

  // A freed focus control is forgotten.
  name->Free();
  EXPECT_EQ(label->GetFocusControl(), nullptr);
  Robot().Press('N', {ssAlt});
  EXPECT_TRUE(inside->Focused());
}

TEST_F(Captions, AGroupBoxLaysItsControlsOutBelowTheCaptionAndInsideTheFrame) {
  TGroupBox* group = Place<TGroupBox>("Group", Bounds(10, 10, 200, 120));
  group->SetCaption("Settings");
  TEdit* filler = Place<TEdit>("Filler", Bounds(0, 0, 10, 10), group);
  filler->SetAlign(alClient);
  const int32_t line = Extent(group, "Wg").cy;
  EXPECT_EQ(filler->GetBoundsRect(), Rect(2, line + 2, 198, 118));
  // A bigger caption font moves the controls down.
  group->GetFont()->SetSize(group->GetFont()->GetSize() * 2);
  EXPECT_GT(filler->GetTop(), line + 2);
  EXPECT_EQ(filler->GetTop(), Extent(group, "Wg").cy + 2);
}

}  // namespace
}  // namespace host::stdctrlstest
