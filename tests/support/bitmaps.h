// Test helper: bitmaps to draw on and to compare, for the tests of the
// graphics and of what draws into bitmaps.
#pragma once

#include <cstdint>

#include "host/graphics/bitmap.h"
#include "host/graphics/colors.h"

namespace host::testkit {

// A W x H bitmap (pf32bit) of one colour.
inline TOwned<TBitmap> MakeBitmap(int32_t W, int32_t H, TColor Color = clWhite) {
  TOwned<TBitmap> b = MakeOwned<TBitmap>();
  b->SetPixelFormat(pf32bit);
  b->SetSize(W, H);
  b->GetCanvas()->GetBrush()->SetColor(Color);
  b->GetCanvas()->FillRect(Rect(0, 0, W, H));
  return b;
}

}  // namespace host::testkit
