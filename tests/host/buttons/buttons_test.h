// Shared by the buttons tests: the units up to forms and the buttons unit
// started on the headless widgetset, the shown holder of the classic
// controls fixture, and a glyph made for the tests.
#pragma once

#include "host/actnlist/actnlist.h"
#include "host/buttons/buttons.h"
#include "host/forms/forms.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "tests/support/classicfixture.h"

namespace host::buttonstest {

using namespace testkit;

inline constexpr TUnitClasses kButtonsUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterFormsClasses, UnregisterFormsClasses},       {RegisterButtonsClasses, UnregisterButtonsClasses},
};

using ButtonsTest = TClassicControlsTest<kButtonsUnits>;

// A glyph of Count images of Size x Size side by side: image i a square of
// Colors[i] on a lime ground (lime is the bottom-left pixel: transparent).
inline TOwned<TBitmap> MakeGlyph(int32_t Size, std::initializer_list<TColor> Colors) {
  TOwned<TBitmap> glyph = MakeOwned<TBitmap>();
  glyph->SetSize(Size * static_cast<int32_t>(Colors.size()), Size);
  TCanvas* canvas = glyph->GetCanvas();
  canvas->GetBrush()->SetColor(clLime);
  canvas->FillRect(Rect(0, 0, glyph->GetWidth(), Size));
  int32_t left = 0;
  for (TColor color : Colors) {
    canvas->GetBrush()->SetColor(color);
    canvas->FillRect(Rect(left + 4, 4, left + Size - 4, Size - 4));
    left += Size;
  }
  return glyph;
}

}  // namespace host::buttonstest
