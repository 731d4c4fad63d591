// The built-in font of the headless widgetset and its fixed metrics.
//
// Every face name draws with the same 5 x 9 glyphs (ASCII 32..126; other
// characters show an open box). The metrics depend on the font height only,
// so tests and layouts can rely on them:
//
//   H  cell height      = |Height| of the font (11 when Height is 0)
//   S  scale            = max(1, H / 10)        (integer division)
//      cell width       = 6 * S
//      text extent      = (6 * S * characters, H), a character being one
//                         UTF-8 code point (a malformed byte counts as one)
//      ascent           = min(H, 7 * S), descent = H - ascent
//
// A glyph is drawn from the top-left corner of its cell, each grid pixel as
// an S x S block, clipped to the cell: grid rows 0-6 lie above the baseline,
// rows 7-8 hold descenders, the sixth column is the gap to the next cell.
// Bold draws every glyph a second time S pixels to the right; italic shifts
// grid row r right by (8 - r) * S / 4 pixels; underline fills grid row 8 and
// strike-out grid row 4 across the whole cell.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/widgetset/headless/raster.h"
#include "host/widgetset/wstypes.h"

namespace host::headless {

struct TFontMetrics {
  int32_t Scale = 1;
  int32_t CellWidth = 6;
  int32_t CellHeight = 11;
};

TFontMetrics FontMetrics(const TLogFont& Font);
// The number of characters (code points) of UTF-8 text.
int32_t CharacterCount(std::string_view Text);
TSize TextExtent(const TLogFont& Font, std::string_view Text);
TTextMetric TextMetric(const TLogFont& Font);
// Adds the pixels of the text's glyphs, the cell row of (X, Y) at the top.
void AddTextInk(const TLogFont& Font, int32_t X, int32_t Y, std::string_view Text, TCoverage& Ink);

}  // namespace host::headless
