// The headless widgetset: draws into 32-bit pixel buffers in memory, with
// the fixed text metrics of its built-in font (glyphs.h) and an in-memory
// clipboard. It is the default backend of tools and tests.
//
// The device reports 96 pixels per inch, 32 bits per pixel and, for a
// device context without a bitmap, a screen of 1920 x 1080 pixels.
// Coordinates are limited to +-2^28; larger values are clamped, which keeps
// every computation inside 64-bit integers.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/widgetset/headless/blit.h"
#include "host/widgetset/headless/handletable.h"
#include "host/widgetset/headless/headlessmenus.h"
#include "host/widgetset/headless/headlesswindows.h"
#include "host/widgetset/headless/raster.h"
#include "host/widgetset/headless/robot.h"
#include "host/widgetset/widgetset.h"

namespace host {

// Registers the headless backend under the name "headless".
void RegisterHeadlessWidgetSet();

namespace headless {

class THeadlessWidgetSet : public TWidgetSet {
 public:
  static constexpr int32_t kPixelsPerInch = 96;
  static constexpr int32_t kScreenWidth = 1920;
  static constexpr int32_t kScreenHeight = 1080;
  // The largest bitmap the backend creates: 2^28 pixels (1 GiB).
  static constexpr int64_t kMaxBitmapPixels = int64_t{1} << 28;

  THeadlessWidgetSet();
  ~THeadlessWidgetSet() override;

  std::string Name() const override { return "headless"; }
  std::size_t HandleCount() const override { return FTable.Count(); }
  // The menus (headlessmenus.h), with the robot that works them.
  THeadlessMenus& Menus() override { return FMenus; }
  // The windows (headlesswindows.h) and the robot that gives them mouse and
  // keyboard input (robot.h).
  THeadlessWindows& Windows() override { return FWindows; }
  THeadlessRobot& Robot() { return FRobot; }

  COLORREF GetSysColor(int32_t Index) override { return ClassicSysColor(Index); }

  // objects
  HPEN CreatePenIndirect(const TLogPen& LogPen) override;
  HBRUSH CreateBrushIndirect(const TLogBrush& LogBrush) override;
  HFONT CreateFontIndirect(const TLogFont& LogFont) override;
  HBITMAP CreateBitmap(int32_t Width, int32_t Height) override;
  HPALETTE CreatePalette(std::span<const TPaletteEntry> Entries) override;
  HICON CreateIconIndirect(const TIconInfo& Info) override;
  HGDIOBJ GetStockObject(int32_t Index) override;
  bool GetLogPen(HPEN Pen, TLogPen& LogPen) override;
  bool GetLogBrush(HBRUSH Brush, TLogBrush& LogBrush) override;
  bool GetLogFont(HFONT Font, TLogFont& LogFont) override;
  bool GetBitmapBits(HBITMAP Bitmap, TBitmapBits& Bits) override;
  bool GetPaletteEntries(HPALETTE Palette, std::vector<TPaletteEntry>& Entries) override;
  bool GetIconInfo(HICON Icon, TIconInfo& Info) override;
  uint32_t GetObjectType(THandle Handle) override;
  bool DeleteObject(HGDIOBJ Object) override;
  bool DestroyIcon(HICON Icon) override;
  HGLOBAL GlobalAllocBytes(std::span<const uint8_t> Bytes) override;
  std::span<const uint8_t> GlobalBytes(HGLOBAL Block) override;
  bool GlobalFree(HGLOBAL Block) override;
  HENHMETAFILE SetEnhMetaFileBits(std::span<const uint8_t> Bytes) override;
  std::span<const uint8_t> GetEnhMetaFileBits(HENHMETAFILE Metafile) override;
  bool DeleteEnhMetaFile(HENHMETAFILE Metafile) override;

  // device contexts
  HDC CreateCompatibleDC(HDC Reference) override;
  bool DeleteDC(HDC DC) override;
  HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object) override;
  HGDIOBJ GetCurrentObject(HDC DC, uint32_t ObjectType) override;
  int32_t GetDeviceCaps(HDC DC, int32_t Index) override;
  int32_t SetROP2(HDC DC, int32_t Mode) override;
  int32_t GetROP2(HDC DC) override;
  COLORREF SetBkColor(HDC DC, COLORREF Color) override;
  int32_t SetBkMode(HDC DC, int32_t Mode) override;
  COLORREF SetTextColor(HDC DC, COLORREF Color) override;
  int32_t SelectClipRect(HDC DC, const TRect* Rect) override;
  int32_t GetClipBox(HDC DC, TRect& Rect) override;
  bool SetViewportOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) override;
  bool MoveToEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) override;
  bool GetCurrentPositionEx(HDC DC, TPoint& Pos) override;

  // drawing (headlessdraw.cc)
  COLORREF SetPixel(HDC DC, int32_t X, int32_t Y, COLORREF Color) override;
  COLORREF GetPixel(HDC DC, int32_t X, int32_t Y) override;
  bool LineTo(HDC DC, int32_t X, int32_t Y) override;
  bool Polyline(HDC DC, std::span<const TPoint> Points) override;
  bool Polygon(HDC DC, std::span<const TPoint> Points) override;
  bool Rectangle(HDC DC, const TRect& Box) override;
  bool RoundRect(HDC DC, const TRect& Box, int32_t CornerWidth, int32_t CornerHeight) override;
  bool Ellipse(HDC DC, const TRect& Box) override;
  bool Arc(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool Chord(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool Pie(HDC DC, const TRect& Box, TPoint Start, TPoint End) override;
  bool FillRect(HDC DC, const TRect& Rect, HBRUSH Brush) override;
  bool FrameRect(HDC DC, const TRect& Rect, HBRUSH Brush) override;
  bool DrawFocusRect(HDC DC, const TRect& Rect) override;
  bool ExtFloodFill(HDC DC, int32_t X, int32_t Y, COLORREF Color, uint32_t FillType) override;
  bool ExtTextOut(HDC DC, int32_t X, int32_t Y, uint32_t Options, const TRect* Rect, std::string_view Text) override;
  bool GetTextExtentPoint(HDC DC, std::string_view Text, TSize& Size) override;
  bool GetTextMetrics(HDC DC, TTextMetric& Metric) override;
  bool StretchBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src, int32_t XSrc, int32_t YSrc,
                  int32_t SrcWidth, int32_t SrcHeight, uint32_t Rop) override;
  bool StretchMaskBlt(HDC Dest, int32_t X, int32_t Y, int32_t Width, int32_t Height, HDC Src, int32_t XSrc,
                      int32_t YSrc, int32_t SrcWidth, int32_t SrcHeight, HBITMAP Mask, uint32_t Rop) override;
  bool DrawIconEx(HDC DC, int32_t X, int32_t Y, HICON Icon, int32_t Width, int32_t Height) override;

  // clipboard
  uint32_t RegisterClipboardFormat(std::string_view Name) override;
  std::string GetClipboardFormatName(uint32_t Format) override;
  bool OpenClipboard() override;
  bool CloseClipboard() override;
  bool EmptyClipboard() override;
  THandle SetClipboardData(uint32_t Format, THandle Data) override;
  THandle GetClipboardData(uint32_t Format) override;
  bool IsClipboardFormatAvailable(uint32_t Format) override;
  std::vector<uint32_t> GetClipboardFormats() override;

 protected:
  // Where and how a device context draws text, for a backend that draws
  // text its own way onto the same surfaces: the surface (null when the DC
  // has no bitmap), the device offset of its logical coordinates, the clip
  // rectangle on the surface, the selected font and the text colours and
  // background mode. False for a handle that is no device context.
  struct TTextTarget {
    TSurface* Surface = nullptr;
    TPoint Origin;
    TRect Clip;
    TLogFont Font;
    COLORREF TextColor = 0;
    COLORREF BkColor = 0;
    int32_t BkMode = OPAQUE;
  };
  bool ResolveText(HDC DC, TTextTarget& Target);
  // The same for lines and figures: the surface, origin and clip, the
  // selected pen and brush (a BS_NULL brush when none), the mix mode and
  // the background colour and mode that fill the gaps of a styled pen.
  struct TShapeTarget {
    TSurface* Surface = nullptr;
    TPoint Origin;
    TRect Clip;
    TLogPen Pen;
    TLogBrush Brush;
    int32_t Rop2 = R2_COPYPEN;
    COLORREF BkColor = 0;
    int32_t BkMode = OPAQUE;
  };
  bool ResolveShape(HDC DC, TShapeTarget& Target);
  // The logical brush behind a brush handle; false for a handle that is none.
  bool BrushOf(HBRUSH Brush, TLogBrush& Log);

 private:
  // The windows keep their records in FTable and their device contexts are
  // made here.
  friend class THeadlessWindows;

  // What a drawing call works with, resolved from a device context. Clip
  // and Surface are in device coordinates, the caller's coordinates are
  // logical: device = logical + Origin (a window's place on its top-level
  // window's surface; 0 for a memory device context).
  struct TContext {
    TDCObject* DC = nullptr;
    TSurface* Surface = nullptr;  // null: no bitmap selected, nothing to draw on
    TPoint Origin;
    TRect Clip;
    TLogPen Pen;
    const TBrushObject* Brush = nullptr;
    TLogFont Font;
  };
  // The device context, its bitmap and clipping; Resolve adds its pen, brush and font.
  bool ResolveTarget(HDC DC, TContext& Ctx);
  void ResolveWindowTarget(const TDCObject& DC, TContext& Ctx);
  bool Resolve(HDC DC, TContext& Ctx);
  TPaint PenPaint(const TContext& Ctx) const;
  TPaint BrushPaint(const TContext& Ctx, const TBrushObject* Brush, int32_t Rop2) const;
  TPaint BackgroundPaint(const TContext& Ctx) const;
  // Fills (when Filled) and outlines the figure MakePath traces in a box.
  template <class F>
  bool DrawFigure(HDC DC, TRect Box, bool Filled, bool Closed, F&& MakePath);
  // Draws Path with the pen onto the context's bitmap; in OPAQUE background
  // mode the gaps of a styled pen take the background colour.
  void StrokeWithPen(const TContext& Ctx, std::span<const TPoint> Path, bool Closed, bool DrawLastPoint);
  bool Blit(HDC Dest, TBlitArea To, HDC Src, TBlitArea From, const TSurface* Mask, uint32_t Rop);
  const TSurface* BitmapSurface(HBITMAP Bitmap);
  THandle AddBitmap(TSurface Surface);
  void Select(THandle& Slot, THandle Object);
  // A device context with the stock pen, brush, font and bitmap selected.
  HDC AddDC(uint32_t Type, TDCObject DC);
  // Deselects everything and removes the device context (of either kind).
  bool RemoveDC(HDC DC);
  void DeleteClipboardData(uint32_t Format, THandle Data);
  // Memory blocks and metafiles: a copy of some bytes under a handle of
  // object type Type. BytesOf and RemoveBytes refuse a handle of another type.
  THandle AddBytes(uint32_t Type, std::span<const uint8_t> Bytes);
  std::span<const uint8_t> BytesOf(THandle Handle, uint32_t Type);
  bool RemoveBytes(THandle Handle, uint32_t Type);

  THandleTable FTable;
  std::map<int32_t, HGDIOBJ> FStock;
  // clipboard
  bool FClipboardOpen = false;
  std::vector<std::pair<uint32_t, THandle>> FClipboard;
  std::map<std::string, uint32_t> FFormatIds;  // by lower-case name
  std::map<uint32_t, std::string> FFormatNames;
  // Last: their bitmaps, windows and device contexts live in FTable.
  THeadlessMenus FMenus{*this};
  THeadlessWindows FWindows{*this};
  THeadlessRobot FRobot{FWindows};
};

}  // namespace headless
}  // namespace host
