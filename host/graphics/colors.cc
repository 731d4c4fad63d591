#include "host/graphics/colors.h"

#include "host/graphics/identmap_p.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/widgetset.h"

namespace host {

namespace {

// The classic identifier table. Where two names share a value (clSilver and
// clLtGray) the first one is the name a colour is written with.
constexpr identmap::TEntry kColorNames[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"},
    {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"},
    {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"},
    {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clInactiveBorder, "clInactiveBorder"},
    {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"},
    {clMenu, "clMenu"},
    {clMenuText, "clMenuText"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clWindowText, "clWindowText"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
    {clLtGray, "clLtGray"},
    {clDkGray, "clDkGray"},
};

}  // namespace

int32_t ColorToRGB(TColor Color) {
  if (Color >= 0) return Color;
  const int32_t index = Color & 0xFF;
  const COLORREF rgb = WidgetSetRunning() ? WidgetSet().GetSysColor(index) : ClassicSysColor(index);
  return static_cast<int32_t>(rgb);
}

bool ColorToIdent(int32_t Color, std::string& Ident) { return identmap::ToIdent(kColorNames, Color, Ident); }

bool IdentToColor(std::string_view Ident, int32_t& Color) { return identmap::ToValue(kColorNames, Ident, Color); }

std::string ColorToString(TColor Color) {
  std::string ident;
  if (ColorToIdent(Color, ident)) return ident;
  return Format("$%.8x", {static_cast<int>(Color)});
}

TColor StringToColor(std::string_view S) {
  int32_t color = 0;
  if (IdentToColor(Trim(S), color)) return static_cast<TColor>(color);
  return static_cast<TColor>(StrToInt(S));
}

void GetColorValues(const std::function<void(const std::string&)>& Proc) {
  for (const identmap::TEntry& c : kColorNames) Proc(c.Name);
}

}  // namespace host
