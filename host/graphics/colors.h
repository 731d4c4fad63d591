// Colours of the graphics unit: TColor, the named colours, the system
// colours and the conversions form files and the inspector use.
//
// A TColor is a 32-bit integer 0x00BBGGRR for a plain colour; a negative
// value (the high bit set) names a system colour by its index in the low
// byte, resolved by the running widgetset (ColorToRGB). clNone and
// clDefault are markers that are not colours at all.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "host/classes/typinfo.h"
#include "host/widgetset/wstypes.h"

namespace host {

enum TColor : int32_t {};

// TColor streams as an integer type of its own, so that form files can
// write it as an identifier (Color = clRed; see RegisterIntegerConsts).
inline const TTypeInfo* HostTypeInfo(TColor*) {
  static constexpr TTypeInfo info{tkInteger, "TColor", otSLong, ftDouble, INT32_MIN, INT32_MAX, {}, nullptr};
  return &info;
}

constexpr TColor MakeColor(uint32_t Value) { return static_cast<TColor>(static_cast<int32_t>(Value)); }

inline constexpr TColor clBlack = MakeColor(0x000000);
inline constexpr TColor clMaroon = MakeColor(0x000080);
inline constexpr TColor clGreen = MakeColor(0x008000);
inline constexpr TColor clOlive = MakeColor(0x008080);
inline constexpr TColor clNavy = MakeColor(0x800000);
inline constexpr TColor clPurple = MakeColor(0x800080);
inline constexpr TColor clTeal = MakeColor(0x808000);
inline constexpr TColor clGray = MakeColor(0x808080);
inline constexpr TColor clSilver = MakeColor(0xC0C0C0);
inline constexpr TColor clRed = MakeColor(0x0000FF);
inline constexpr TColor clLime = MakeColor(0x00FF00);
inline constexpr TColor clYellow = MakeColor(0x00FFFF);
inline constexpr TColor clBlue = MakeColor(0xFF0000);
inline constexpr TColor clFuchsia = MakeColor(0xFF00FF);
inline constexpr TColor clAqua = MakeColor(0xFFFF00);
inline constexpr TColor clLtGray = MakeColor(0xC0C0C0);
inline constexpr TColor clDkGray = MakeColor(0x808080);
inline constexpr TColor clWhite = MakeColor(0xFFFFFF);
inline constexpr TColor clMoneyGreen = MakeColor(0xC0DCC0);
inline constexpr TColor clSkyBlue = MakeColor(0xF0CAA6);
inline constexpr TColor clCream = MakeColor(0xF0FBFF);
inline constexpr TColor clMedGray = MakeColor(0xA4A0A0);
inline constexpr TColor clNone = MakeColor(0x1FFFFFFF);
inline constexpr TColor clDefault = MakeColor(0x20000000);

// System colours: the high bit and the COLOR_ index.
inline constexpr uint32_t clSystemColor = 0x80000000u;
constexpr TColor SystemColor(int32_t Index) { return MakeColor(clSystemColor | static_cast<uint32_t>(Index)); }
inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);

// The colour reference a colour stands for: system colours come from the
// running widgetset (the classic scheme when none runs); everything else is
// returned as it is.
int32_t ColorToRGB(TColor Color);
// The identifier of a colour ("clRed"); false when it has none.
bool ColorToIdent(int32_t Color, std::string& Ident);
// The colour of an identifier (case-insensitive); false when unknown.
bool IdentToColor(std::string_view Ident, int32_t& Color);
// The identifier, or the value as "$00BBGGRR".
std::string ColorToString(TColor Color);
// An identifier or an integer (decimal or $hex); raises EConvertError
// "'abc' is not a valid integer value" for anything else.
TColor StringToColor(std::string_view S);
// Calls Proc with every colour identifier, in the classic order.
void GetColorValues(const std::function<void(const std::string&)>& Proc);

}  // namespace host
