// Plain records and constants shared by the host graphics classes and every
// widgetset: points, rectangles, sizes, the 32-bit handles a widgetset hands
// out, colour references and the classic device-context constants (pen and
// brush styles, raster operations, text and flood-fill options).
//
// Nothing here depends on a toolkit. The names and values are the classic
// ones, so code written against the classic library reads the same.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace host {

// ------------------------------------------------------------------ records

// A 64-bit value brought into the 32-bit range (coordinates computed from
// far-apart points saturate instead of overflowing).
constexpr int32_t ClampToInt32(int64_t V) { return static_cast<int32_t>(std::clamp<int64_t>(V, INT32_MIN, INT32_MAX)); }

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  friend constexpr bool operator==(const TSize&, const TSize&) = default;
};

// A rectangle with exclusive right and bottom edges: Rect(0, 0, 2, 2) covers
// the four pixels (0,0), (1,0), (0,1) and (1,1).
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;

  constexpr int32_t Width() const { return ClampToInt32(int64_t{Right} - Left); }
  constexpr int32_t Height() const { return ClampToInt32(int64_t{Bottom} - Top); }
  constexpr TPoint TopLeft() const { return {Left, Top}; }
  constexpr TPoint BottomRight() const { return {Right, Bottom}; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TPoint Point(int32_t X, int32_t Y) { return {X, Y}; }
constexpr TRect Rect(int32_t Left, int32_t Top, int32_t Right, int32_t Bottom) { return {Left, Top, Right, Bottom}; }
constexpr TRect Bounds(int32_t Left, int32_t Top, int32_t Width, int32_t Height) {
  return {Left, Top, ClampToInt32(int64_t{Left} + Width), ClampToInt32(int64_t{Top} + Height)};
}
constexpr bool PtInRect(const TRect& R, TPoint P) {
  return P.X >= R.Left && P.X < R.Right && P.Y >= R.Top && P.Y < R.Bottom;
}
// The common part of A and B; an empty result is all zero (classic).
constexpr bool IntersectRect(TRect& Dst, const TRect& A, const TRect& B) {
  TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
  if (r.IsEmpty()) r = {};
  Dst = r;
  return !r.IsEmpty();
}

// Number * Numerator / Denominator with a 64-bit intermediate, rounded half
// away from zero; -1 for a zero denominator (the Windows MulDiv).
constexpr int32_t MulDiv(int32_t Number, int32_t Numerator, int32_t Denominator) {
  if (Denominator == 0) return -1;
  const int64_t p = int64_t{Number} * Numerator;
  const int64_t d = Denominator;
  const bool negative = (p < 0) != (d < 0);
  const int64_t ap = p < 0 ? -p : p;
  const int64_t ad = d < 0 ? -d : d;
  const int64_t q = (ap + ad / 2) / ad;
  return static_cast<int32_t>(negative ? -q : q);
}

// ------------------------------------------------------------------ handles

// Every object a widgetset hands out is named by a 32-bit number from its
// handle table; 0 is "no object". Handles are never reused while the
// widgetset runs, so a stale handle is refused instead of reaching another
// object.
using THandle = uint32_t;
using HDC = THandle;
using HGDIOBJ = THandle;
using HPEN = THandle;
using HBRUSH = THandle;
using HFONT = THandle;
using HBITMAP = THandle;
using HPALETTE = THandle;
using HICON = THandle;
using HGLOBAL = THandle;
using HENHMETAFILE = THandle;

// What GetObjectType reports (the classic OBJ_ values; icons and memory
// blocks have values of their own).
inline constexpr uint32_t OBJ_PEN = 1;
inline constexpr uint32_t OBJ_BRUSH = 2;
inline constexpr uint32_t OBJ_DC = 3;  // a device context drawing onto a window
inline constexpr uint32_t OBJ_PAL = 5;
inline constexpr uint32_t OBJ_FONT = 6;
inline constexpr uint32_t OBJ_BITMAP = 7;
inline constexpr uint32_t OBJ_MEMDC = 10;
inline constexpr uint32_t OBJ_ENHMETAFILE = 13;
inline constexpr uint32_t OBJ_ICON = 0x100;
inline constexpr uint32_t OBJ_GLOBAL = 0x101;

// ------------------------------------------------------------------- colours

// A colour reference: 0x00BBGGRR.
using COLORREF = uint32_t;
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFFu;

constexpr COLORREF RGB(uint8_t R, uint8_t G, uint8_t B) {
  return COLORREF{R} | (COLORREF{G} << 8) | (COLORREF{B} << 16);
}
constexpr uint8_t GetRValue(COLORREF C) { return static_cast<uint8_t>(C); }
constexpr uint8_t GetGValue(COLORREF C) { return static_cast<uint8_t>(C >> 8); }
constexpr uint8_t GetBValue(COLORREF C) { return static_cast<uint8_t>(C >> 16); }

// A pixel of a widgetset bitmap: 32 bits 0xAARRGGBB, so the bytes in memory
// are blue, green, red, alpha (the layout of a classic 32-bit DIB row).
using TPixel = uint32_t;
constexpr TPixel ColorRefToPixel(COLORREF C) {
  return 0xFF000000u | (TPixel{GetRValue(C)} << 16) | (TPixel{GetGValue(C)} << 8) | GetBValue(C);
}
constexpr COLORREF PixelToColorRef(TPixel P) {
  return RGB(static_cast<uint8_t>(P >> 16), static_cast<uint8_t>(P >> 8), static_cast<uint8_t>(P));
}

// System colour indexes (GetSysColor) and the classic Windows scheme a
// backend without a desktop theme answers with.
inline constexpr int32_t COLOR_SCROLLBAR = 0;
inline constexpr int32_t COLOR_INFOBK = 24;
// The later indexes (25 is unused): hot-tracked items, the caption
// gradients, flat menus.
inline constexpr int32_t COLOR_MENUBAR = 30;
constexpr COLORREF ClassicSysColor(int32_t Index) {
  constexpr COLORREF scheme[] = {
      RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
      RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
      RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),       RGB(255, 255, 225),
      RGB(0, 0, 0),       RGB(0, 0, 128),     RGB(166, 202, 240), RGB(192, 192, 192), RGB(10, 36, 106),
      RGB(212, 208, 200)};
  return Index >= COLOR_SCROLLBAR && Index <= COLOR_MENUBAR ? scheme[Index] : 0;
}

struct TPaletteEntry {
  uint8_t peRed = 0;
  uint8_t peGreen = 0;
  uint8_t peBlue = 0;
  uint8_t peFlags = 0;
  friend constexpr bool operator==(const TPaletteEntry&, const TPaletteEntry&) = default;
};

// ------------------------------------------------------------ object records

// Pen styles.
inline constexpr uint32_t PS_SOLID = 0;
inline constexpr uint32_t PS_DASH = 1;        // 18 pixels on, 6 off
inline constexpr uint32_t PS_DOT = 2;         // 3 on, 3 off
inline constexpr uint32_t PS_DASHDOT = 3;     // 9 on, 6 off, 3 on, 6 off
inline constexpr uint32_t PS_DASHDOTDOT = 4;  // 9 on, 3 off, 3 on, 3 off, 3 on, 3 off
inline constexpr uint32_t PS_NULL = 5;
inline constexpr uint32_t PS_INSIDEFRAME = 6;

struct TLogPen {
  uint32_t Style = PS_SOLID;
  int32_t Width = 1;
  COLORREF Color = 0;
  friend bool operator==(const TLogPen&, const TLogPen&) = default;
};

// Brush styles and hatches.
inline constexpr uint32_t BS_SOLID = 0;
inline constexpr uint32_t BS_NULL = 1;
inline constexpr uint32_t BS_HATCHED = 2;
inline constexpr uint32_t BS_PATTERN = 3;
inline constexpr uint32_t HS_HORIZONTAL = 0;
inline constexpr uint32_t HS_VERTICAL = 1;
inline constexpr uint32_t HS_FDIAGONAL = 2;  // upper left to lower right
inline constexpr uint32_t HS_BDIAGONAL = 3;  // lower left to upper right
inline constexpr uint32_t HS_CROSS = 4;
inline constexpr uint32_t HS_DIAGCROSS = 5;

struct TLogBrush {
  uint32_t Style = BS_SOLID;
  COLORREF Color = 0;
  uint32_t Hatch = 0;
  HBITMAP Pattern = 0;  // BS_PATTERN: the pixels are copied when the brush is made
  friend bool operator==(const TLogBrush&, const TLogBrush&) = default;
};

// Font weights, character sets and pitches.
inline constexpr int32_t FW_NORMAL = 400;
inline constexpr int32_t FW_BOLD = 700;
inline constexpr uint8_t ANSI_CHARSET = 0;
inline constexpr uint8_t DEFAULT_CHARSET = 1;
inline constexpr uint8_t SYMBOL_CHARSET = 2;
inline constexpr uint8_t MAC_CHARSET = 77;
inline constexpr uint8_t SHIFTJIS_CHARSET = 128;
inline constexpr uint8_t HANGEUL_CHARSET = 129;
inline constexpr uint8_t JOHAB_CHARSET = 130;
inline constexpr uint8_t GB2312_CHARSET = 134;
inline constexpr uint8_t CHINESEBIG5_CHARSET = 136;
inline constexpr uint8_t GREEK_CHARSET = 161;
inline constexpr uint8_t TURKISH_CHARSET = 162;
inline constexpr uint8_t VIETNAMESE_CHARSET = 163;
inline constexpr uint8_t HEBREW_CHARSET = 177;
inline constexpr uint8_t ARABIC_CHARSET = 178;
inline constexpr uint8_t BALTIC_CHARSET = 186;
inline constexpr uint8_t RUSSIAN_CHARSET = 204;
inline constexpr uint8_t THAI_CHARSET = 222;
inline constexpr uint8_t EASTEUROPE_CHARSET = 238;
inline constexpr uint8_t OEM_CHARSET = 255;
inline constexpr uint8_t DEFAULT_PITCH = 0;
inline constexpr uint8_t FIXED_PITCH = 1;
inline constexpr uint8_t VARIABLE_PITCH = 2;

struct TLogFont {
  // Negative: character height in pixels; positive: cell height; 0: default.
  int32_t Height = 0;
  int32_t Weight = FW_NORMAL;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  uint8_t CharSet = DEFAULT_CHARSET;
  uint8_t Pitch = DEFAULT_PITCH;
  std::string FaceName;
  friend bool operator==(const TLogFont&, const TLogFont&) = default;
};

struct TTextMetric {
  int32_t Height = 0;
  int32_t Ascent = 0;
  int32_t Descent = 0;
  int32_t InternalLeading = 0;
  int32_t ExternalLeading = 0;
  int32_t AveCharWidth = 0;
  int32_t MaxCharWidth = 0;
  int32_t Weight = 0;
};

// Direct access to the pixels of a widgetset bitmap: Height rows from the
// top, each Stride pixels apart. Valid until the bitmap is deleted.
struct TBitmapBits {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Stride = 0;
  TPixel* Bits = nullptr;
  TPixel* Row(int32_t Y) const { return Bits + static_cast<std::ptrdiff_t>(Y) * Stride; }
};

// An icon: a colour bitmap and an AND mask of the same size. Drawing keeps
// the destination where the mask is white and XORs the colour pixel in;
// a colour bitmap with any non-zero alpha is blended by its alpha instead.
struct TIconInfo {
  bool Icon = true;
  int32_t HotspotX = 0;
  int32_t HotspotY = 0;
  HBITMAP Mask = 0;
  HBITMAP Color = 0;
};

// ----------------------------------------------------------- device context

// Stock objects.
inline constexpr int32_t WHITE_BRUSH = 0;
inline constexpr int32_t BLACK_BRUSH = 4;
inline constexpr int32_t NULL_BRUSH = 5;
inline constexpr int32_t WHITE_PEN = 6;
inline constexpr int32_t BLACK_PEN = 7;
inline constexpr int32_t NULL_PEN = 8;
inline constexpr int32_t SYSTEM_FONT = 13;
inline constexpr int32_t DEFAULT_PALETTE = 15;
// The 1 x 1 bitmap a device context starts with; drawing on it does nothing.
inline constexpr int32_t DEFAULT_BITMAP = 21;

// Binary raster operations (SetROP2): how a pen or brush pixel P combines
// with the destination pixel D.
inline constexpr int32_t R2_BLACK = 1;         // 0
inline constexpr int32_t R2_NOTMERGEPEN = 2;   // ~(P | D)
inline constexpr int32_t R2_MASKNOTPEN = 3;    // ~P & D
inline constexpr int32_t R2_NOTCOPYPEN = 4;    // ~P
inline constexpr int32_t R2_MASKPENNOT = 5;    // P & ~D
inline constexpr int32_t R2_NOT = 6;           // ~D
inline constexpr int32_t R2_XORPEN = 7;        // P ^ D
inline constexpr int32_t R2_NOTMASKPEN = 8;    // ~(P & D)
inline constexpr int32_t R2_MASKPEN = 9;       // P & D
inline constexpr int32_t R2_NOTXORPEN = 10;    // ~(P ^ D)
inline constexpr int32_t R2_NOP = 11;          // D
inline constexpr int32_t R2_MERGENOTPEN = 12;  // ~P | D
inline constexpr int32_t R2_COPYPEN = 13;      // P
inline constexpr int32_t R2_MERGEPENNOT = 14;  // P | ~D
inline constexpr int32_t R2_MERGEPEN = 15;     // P | D
inline constexpr int32_t R2_WHITE = 16;        // 1

// Ternary raster operations (blits): bits 16..23 are the truth table over
// pattern, source and destination.
inline constexpr uint32_t BLACKNESS = 0x00000042;
inline constexpr uint32_t DSTINVERT = 0x00550009;
inline constexpr uint32_t MERGECOPY = 0x00C000CA;
inline constexpr uint32_t MERGEPAINT = 0x00BB0226;
inline constexpr uint32_t NOTSRCCOPY = 0x00330008;
inline constexpr uint32_t NOTSRCERASE = 0x001100A6;
inline constexpr uint32_t PATCOPY = 0x00F00021;
inline constexpr uint32_t PATINVERT = 0x005A0049;
inline constexpr uint32_t PATPAINT = 0x00FB0A09;
inline constexpr uint32_t SRCAND = 0x008800C6;
inline constexpr uint32_t SRCCOPY = 0x00CC0020;
inline constexpr uint32_t SRCERASE = 0x00440328;
inline constexpr uint32_t SRCINVERT = 0x00660046;
inline constexpr uint32_t SRCPAINT = 0x00EE0086;
inline constexpr uint32_t WHITENESS = 0x00FF0062;

// Background modes.
inline constexpr int32_t TRANSPARENT = 1;
inline constexpr int32_t OPAQUE = 2;

// ExtFloodFill: fill up to a border colour, or fill the area of one colour.
inline constexpr uint32_t FLOODFILLBORDER = 0;
inline constexpr uint32_t FLOODFILLSURFACE = 1;

// ExtTextOut options.
inline constexpr uint32_t ETO_OPAQUE = 0x0002;
inline constexpr uint32_t ETO_CLIPPED = 0x0004;
inline constexpr uint32_t ETO_RTLREADING = 0x0080;

// GetDeviceCaps indexes.
inline constexpr int32_t HORZSIZE = 4;  // millimetres
inline constexpr int32_t VERTSIZE = 6;
inline constexpr int32_t HORZRES = 8;  // pixels
inline constexpr int32_t VERTRES = 10;
inline constexpr int32_t BITSPIXEL = 12;
inline constexpr int32_t LOGPIXELSX = 88;
inline constexpr int32_t LOGPIXELSY = 90;

// Clip-region kinds.
inline constexpr int32_t RGN_ERROR = 0;
inline constexpr int32_t NULLREGION = 1;
inline constexpr int32_t SIMPLEREGION = 2;

// Predefined clipboard formats; RegisterClipboardFormat gives numbers from
// 0xC000 up.
inline constexpr uint32_t CF_TEXT = 1;
inline constexpr uint32_t CF_BITMAP = 2;
inline constexpr uint32_t CF_METAFILEPICT = 3;
inline constexpr uint32_t CF_DIB = 8;
inline constexpr uint32_t CF_PALETTE = 9;
inline constexpr uint32_t CF_ENHMETAFILE = 14;

}  // namespace host
