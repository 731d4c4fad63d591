// The graphics part of a widgetset: device contexts, the graphic objects
// drawn with (pens, brushes, fonts, bitmaps, palettes, icons), memory
// blocks, metafile bits and the clipboard.
//
// Host classes (TCanvas, TFont, TBitmap, ...) draw only through this
// interface; a backend implements it over its toolkit (the headless backend
// over 32-bit pixel buffers, a Qt backend over QImage and QPainter). The
// calls follow the classic device-context API, so their meaning is the
// classic one; where this interface decides something the classic API left
// open, the comment says so.
//
// Coordinates are device pixels. Shapes take their bounding box with
// exclusive right and bottom edges and draw their outline with the selected
// pen and their inside with the selected brush, both combined with the
// destination through the DC's binary raster operation (SetROP2). A failing
// call returns false / 0 / CLR_INVALID and changes nothing; handles of the
// wrong kind or already deleted are failures, never crashes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/widgetset/wstypes.h"

namespace host {

class TWSGraphics {
 public:
  virtual ~TWSGraphics() = default;

  // The colour of a system element (COLOR_ index); black for an unknown one.
  virtual COLORREF GetSysColor(int32_t Index) = 0;

  // ----------------------------------------------------- graphic objects
  virtual HPEN CreatePenIndirect(const TLogPen& LogPen) = 0;
  // BS_PATTERN copies the pixels of LogBrush.Pattern; the brush tiles them
  // from the origin of the device.
  virtual HBRUSH CreateBrushIndirect(const TLogBrush& LogBrush) = 0;
  virtual HFONT CreateFontIndirect(const TLogFont& LogFont) = 0;
  // A 32-bit bitmap, every pixel 0 (black, alpha 0). Refuses (0) sizes
  // below 1 and sizes the backend cannot hold.
  virtual HBITMAP CreateBitmap(int32_t Width, int32_t Height) = 0;
  virtual HPALETTE CreatePalette(std::span<const TPaletteEntry> Entries) = 0;
  // Copies the colour and mask bitmaps (which must have the same size).
  virtual HICON CreateIconIndirect(const TIconInfo& Info) = 0;
  // Stock objects exist as long as the widgetset runs; deleting one does
  // nothing and succeeds.
  virtual HGDIOBJ GetStockObject(int32_t Index) = 0;

  virtual bool GetLogPen(HPEN Pen, TLogPen& LogPen) = 0;
  virtual bool GetLogBrush(HBRUSH Brush, TLogBrush& LogBrush) = 0;
  virtual bool GetLogFont(HFONT Font, TLogFont& LogFont) = 0;
  virtual bool GetBitmapBits(HBITMAP Bitmap, TBitmapBits& Bits) = 0;
  virtual bool GetPaletteEntries(HPALETTE Palette, std::vector<TPaletteEntry>& Entries) = 0;
  // Fills Info with new copies of the icon's bitmaps; the caller deletes them.
  virtual bool GetIconInfo(HICON Icon, TIconInfo& Info) = 0;
  // One of the OBJ_ values; 0 for a handle that names nothing.
  virtual uint32_t GetObjectType(THandle Handle) = 0;
  // Pens, brushes, fonts, bitmaps and palettes. Refuses an object that is
  // selected into a device context: deselect it first.
  virtual bool DeleteObject(HGDIOBJ Object) = 0;
  virtual bool DestroyIcon(HICON Icon) = 0;

  // ------------------------------------------- memory blocks, metafile bits
  // A block holding a copy of Bytes (clipboard data).
  virtual HGLOBAL GlobalAllocBytes(std::span<const uint8_t> Bytes) = 0;
  // The bytes of a block; empty for a handle that names none.
  virtual std::span<const uint8_t> GlobalBytes(HGLOBAL Block) = 0;
  virtual bool GlobalFree(HGLOBAL Block) = 0;
  // A metafile handle over a copy of its recorded bytes. The widgetset only
  // keeps the bytes; the host's metafile classes play them.
  virtual HENHMETAFILE SetEnhMetaFileBits(std::span<const uint8_t> Bytes) = 0;
  virtual std::span<const uint8_t> GetEnhMetaFileBits(HENHMETAFILE Metafile) = 0;
  virtual bool DeleteEnhMetaFile(HENHMETAFILE Metafile) = 0;

  // ----------------------------------------------------- device contexts
  // A memory device context. It starts with no bitmap (drawing does
  // nothing), the black pen, the white brush, the system font, R2_COPYPEN,
  // white background in OPAQUE mode, black text and no clipping.
  virtual HDC CreateCompatibleDC(HDC Reference) = 0;
  virtual bool DeleteDC(HDC DC) = 0;
  // Selects a pen, brush, font or bitmap and returns the one it replaces
  // (0 on failure). A bitmap can be selected into one device context at a
  // time; selecting it resets the clipping to the whole bitmap.
  virtual HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object) = 0;
  virtual HGDIOBJ GetCurrentObject(HDC DC, uint32_t ObjectType) = 0;
  // A device context of 0 asks about the screen.
  virtual int32_t GetDeviceCaps(HDC DC, int32_t Index) = 0;
  virtual int32_t SetROP2(HDC DC, int32_t Mode) = 0;  // returns the old mode
  virtual int32_t GetROP2(HDC DC) = 0;
  virtual COLORREF SetBkColor(HDC DC, COLORREF Color) = 0;
  virtual int32_t SetBkMode(HDC DC, int32_t Mode) = 0;
  virtual COLORREF SetTextColor(HDC DC, COLORREF Color) = 0;
  // Restricts drawing to Rect (intersected with the bitmap); null lifts the
  // restriction. Returns the kind of the resulting region.
  virtual int32_t SelectClipRect(HDC DC, const TRect* Rect) = 0;
  virtual int32_t GetClipBox(HDC DC, TRect& Rect) = 0;
  // Where the DC's point (0, 0) lies on its device: every later drawing
  // call and clip rectangle is moved by it. Old receives the one before.
  virtual bool SetViewportOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) = 0;
  virtual bool MoveToEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) = 0;
  virtual bool GetCurrentPositionEx(HDC DC, TPoint& Pos) = 0;

  // ------------------------------------------------------------- drawing
  virtual COLORREF SetPixel(HDC DC, int32_t X, int32_t Y, COLORREF Color) = 0;
  // CLR_INVALID outside the bitmap or the clipping.
  virtual COLORREF GetPixel(HDC DC, int32_t X, int32_t Y) = 0;
  // From the current position to (X, Y), leaving out the end point; the
  // end point becomes the current position.
  virtual bool LineTo(HDC DC, int32_t X, int32_t Y) = 0;
  // Connected lines; the last point is left out.
  virtual bool Polyline(HDC DC, std::span<const TPoint> Points) = 0;
  // Closed and filled (alternate fill rule).
  virtual bool Polygon(HDC DC, std::span<const TPoint> Points) = 0;
  virtual bool Rectangle(HDC DC, const TRect& Box) = 0;
  // Corners are quarters of an ellipse CornerWidth x CornerHeight.
  virtual bool RoundRect(HDC DC, const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) = 0;
  virtual bool Ellipse(HDC DC, const TRect& Box) = 0;
  // Part of the ellipse in Box, counter-clockwise from where the line from
  // the centre to Start meets it to where the line to End meets it (the whole
  // ellipse when both lines are the same). Chord closes it with a straight
  // line, Pie with two lines to the centre; both are filled.
  virtual bool Arc(HDC DC, const TRect& Box, TPoint Start, TPoint End) = 0;
  virtual bool Chord(HDC DC, const TRect& Box, TPoint Start, TPoint End) = 0;
  virtual bool Pie(HDC DC, const TRect& Box, TPoint Start, TPoint End) = 0;
  // Fill / one-pixel frame with Brush, copying (no raster operation).
  virtual bool FillRect(HDC DC, const TRect& Rect, HBRUSH Brush) = 0;
  virtual bool FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush) = 0;
  // Inverts every other pixel of the rectangle's border; twice restores it.
  virtual bool DrawFocusRect(HDC DC, const TRect& Rect) = 0;
  // Fills with the selected brush the area around (X, Y) that is bounded by
  // Color (FLOODFILLBORDER) or that has Color (FLOODFILLSURFACE). Fails when
  // the start pixel already is the border / is not of the surface colour.
  virtual bool ExtFloodFill(HDC DC, int32_t X, int32_t Y, COLORREF Color, uint32_t FillType) = 0;
  // Text (UTF-8) in the selected font and text colour with its top-left
  // corner at (X, Y). In OPAQUE mode the text cells are filled with the
  // background colour first. ETO_OPAQUE fills Rect with the background
  // colour, ETO_CLIPPED restricts the text to Rect.
  virtual bool ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect, std::string_view Text) = 0;
  virtual bool GetTextExtentPoint(HDC DC, std::string_view Text, TSize& Size) = 0;
  virtual bool GetTextMetrics(HDC DC, TTextMetric& Metric) = 0;
  // Copies (stretching as needed) a rectangle of Src onto Dest through the
  // ternary raster operation Rop; the pattern is Dest's brush. A negative
  // width or height mirrors. Src may be 0 for operations without a source.
  virtual bool StretchBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src, int32_t XSrc,
                          int32_t YSrc, int32_t SrcWidth, int32_t SrcHeight, uint32_t Rop) = 0;
  // The same, leaving the destination unchanged where Mask (same
  // coordinates as the source) is white.
  virtual bool StretchMaskBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src, int32_t XSrc,
                              int32_t YSrc, int32_t SrcWidth, int32_t SrcHeight, HBITMAP Mask, uint32_t Rop) = 0;
  // Draws an icon stretched to Width x Height (its own size when 0).
  virtual bool DrawIconEx(HDC DC, int32_t X, int32_t Y, HICON Icon, int32_t Width, int32_t Height) = 0;

  // ------------------------------------------------------------ clipboard
  // Data handed to the clipboard belongs to it: a bitmap (CF_BITMAP), a
  // palette (CF_PALETTE), a metafile (CF_ENHMETAFILE) or a memory block
  // (every other format). It is deleted when the clipboard is emptied or
  // the format is set again.
  virtual uint32_t RegisterClipboardFormat(std::string_view Name) = 0;
  virtual std::string GetClipboardFormatName(uint32_t Format) = 0;
  // Fails while the clipboard is open.
  virtual bool OpenClipboard() = 0;
  virtual bool CloseClipboard() = 0;
  // These three need the clipboard open.
  virtual bool EmptyClipboard() = 0;
  virtual THandle SetClipboardData(uint32_t Format, THandle Data) = 0;
  virtual THandle GetClipboardData(uint32_t Format) = 0;
  virtual bool IsClipboardFormatAvailable(uint32_t Format) = 0;
  // The formats on the clipboard, in the order they were set.
  virtual std::vector<uint32_t> GetClipboardFormats() = 0;
};

}  // namespace host
