// The centred captions of tabs and tool buttons.
#include "host/comctrls/comctrls_p.h"

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host::comctrl {

void CenteredText(TCanvas* Canvas, const TRect& Rect, const std::string& Caption, bool Enabled) {
  const std::string shown = StripAccelChars(Caption, true);
  const TSize size = Canvas->TextExtent(shown);
  const int32_t left = Rect.Left + (Rect.Width() - size.cx) / 2;
  const int32_t top = Rect.Top + (Rect.Height() - size.cy) / 2;
  const TColor color = Canvas->GetFont()->GetColor();
  if (!Enabled) Canvas->GetFont()->SetColor(clGrayText);
  Canvas->TextOut(left, top, shown);
  UnderlineAccelChar(Canvas, Caption, left, top + size.cy - 1);
  Canvas->GetFont()->SetColor(color);
}

}  // namespace host::comctrl
