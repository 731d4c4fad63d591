// TCanvas: drawing with a pen, a brush and a font on a device context of the
// running widgetset.
//
// Every drawing method becomes one TCanvasCommand. A canvas fires
// OnChanging, makes sure its device context has the current pen, brush and
// font selected, performs the command on the device context and fires
// OnChange. A metafile canvas (metafile.h) records the commands instead of
// performing them, so what was drawn can be played again.
//
// The pen, brush and font belong to the canvas; assigning one copies its
// properties. A plain TCanvas draws on a device context it is given
// (SetHandle) and does not own; descendants make their own (CreateHandle).
#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "host/graphics/graphicsobj.h"
#include "host/rtl/events.h"
#include "host/rtl/sets.h"

namespace host {

class TGraphic;
class TBitmap;

enum TFillStyle : uint8_t { fsSurface, fsBorder };
enum TCanvasOrientation : uint8_t { coLeftToRight, coRightToLeft };

// What a canvas has selected into its device context.
enum TCanvasStates : uint8_t { csHandleValid, csFontValid, csPenValid, csBrushValid };
using TCanvasState = TSet<TCanvasStates, 4>;
inline constexpr TCanvasState csAllValid{csHandleValid, csFontValid, csPenValid, csBrushValid};

// Copy modes: the ternary raster operations of CopyRect and Draw.
using TCopyMode = int32_t;
inline constexpr TCopyMode cmBlackness = BLACKNESS;
inline constexpr TCopyMode cmDstInvert = DSTINVERT;
inline constexpr TCopyMode cmMergeCopy = MERGECOPY;
inline constexpr TCopyMode cmMergePaint = MERGEPAINT;
inline constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
inline constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
inline constexpr TCopyMode cmPatCopy = PATCOPY;
inline constexpr TCopyMode cmPatInvert = PATINVERT;
inline constexpr TCopyMode cmPatPaint = PATPAINT;
inline constexpr TCopyMode cmSrcAnd = SRCAND;
inline constexpr TCopyMode cmSrcCopy = SRCCOPY;
inline constexpr TCopyMode cmSrcErase = SRCERASE;
inline constexpr TCopyMode cmSrcInvert = SRCINVERT;
inline constexpr TCopyMode cmSrcPaint = SRCPAINT;
inline constexpr TCopyMode cmWhiteness = WHITENESS;

// One drawing call. Which fields a command uses depends on its kind:
//   Pixel      P1, Color           Line      P1 (from), P2 (to)
//   Polyline   Points              Polygon   Points
//   Rectangle, Ellipse  Box        RoundRect Box, P1 (corner width, height)
//   Arc, Chord, Pie     Box, P1 (start), P2 (end)
//   FillRect, FrameRect, FocusRect  Box
//   FloodFill  P1, Color, Flags (TFillStyle)
//   TextOut    P1, Text, Flags (ETO_ options)
//   TextRect   Box (clip), P1, Text, Flags
//   Blit       Box (destination; a reversed side mirrors), Source (a device
//              context with a bitmap), SourceRect, Flags (raster operation),
//              Mask (0 or a bitmap, white where the destination stays)
//   Icon       Box, Handle (an icon)
enum class TCanvasOp : uint8_t {
  Pixel,
  Line,
  Polyline,
  Polygon,
  Rectangle,
  RoundRect,
  Ellipse,
  Arc,
  Chord,
  Pie,
  FillRect,
  FrameRect,
  FocusRect,
  FloodFill,
  TextOut,
  TextRect,
  Blit,
  Icon
};
inline constexpr uint8_t kCanvasOpCount = static_cast<uint8_t>(TCanvasOp::Icon) + 1;

struct TCanvasCommand {
  explicit TCanvasCommand(TCanvasOp AOp = TCanvasOp::Pixel) : Op(AOp) {}
  TCanvasOp Op;
  TRect Box;
  TPoint P1;
  TPoint P2;
  std::vector<TPoint> Points;
  int32_t Color = 0;
  uint32_t Flags = 0;
  std::string Text;
  HDC Source = 0;
  TRect SourceRect;
  HBITMAP Mask = 0;
  THandle Handle = 0;
};

class TCanvas : public TPersistent {
  HOST_CLASS(TCanvas, TPersistent)

  TCanvas();

  // ---------------------------------------------------------- properties
  // The drawable area: the clipping of the device context.
  TRect GetClipRect();
  // The device context, with pen, brush and font selected; fires OnChanging
  // (whoever asks may draw on it).
  HDC GetHandle();
  void SetHandle(HDC Value);
  // The device context without side effects, made when needed; for the
  // graphic classes that read from a canvas.
  HDC ValidHandle();
  bool HandleAllocated() const { return FHandle != 0; }
  int32_t GetLockCount() const { return FLockCount; }
  TCanvasOrientation GetCanvasOrientation() const;
  TPoint GetPenPos() const { return FPenPos; }
  void SetPenPos(TPoint Value) { MoveTo(Value.X, Value.Y); }
  // -1 (CLR_INVALID) outside the drawable area.
  TColor GetPixels(int32_t X, int32_t Y);
  void SetPixels(int32_t X, int32_t Y, TColor Value);
  uint32_t GetTextFlags() const { return FTextFlags; }
  void SetTextFlags(uint32_t Value) { FTextFlags = Value; }
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TCopyMode GetCopyMode() const { return FCopyMode; }
  void SetCopyMode(TCopyMode Value) { FCopyMode = Value; }
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  TPen* GetPen() const { return FPen; }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TCanvasState GetState() const { return FState; }

  // ------------------------------------------------------------- drawing
  void Arc(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
  // Copies Source of Bitmap onto Dest, painting the pixels of Color with
  // the brush instead.
  void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);
  void Chord(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
  // Copies Source of Canvas onto Dest through CopyMode, stretching as needed.
  void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
  // Draws Graphic at its own size with its top-left corner at (X, Y).
  void Draw(int32_t X, int32_t Y, TGraphic* Graphic);
  void DrawFocusRect(const TRect& Rect);
  void Ellipse(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
  void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void FillRect(const TRect& Rect);
  void FloodFill(int32_t X, int32_t Y, TColor Color, TFillStyle FillStyle);
  void FrameRect(const TRect& Rect);
  void LineTo(int32_t X, int32_t Y);
  void MoveTo(int32_t X, int32_t Y);
  void Pie(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4, int32_t Y4);
  void Polygon(std::span<const TPoint> Points);
  void Polyline(std::span<const TPoint> Points);
  void Rectangle(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2);
  void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
  void RoundRect(int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3);
  // Draws Graphic stretched (or shrunk) to fill Rect.
  void StretchDraw(const TRect& Rect, TGraphic* Graphic);
  // Draws Text with its top-left corner at (X, Y) and moves the pen position
  // to the end of the text.
  void TextOut(int32_t X, int32_t Y, const std::string& Text);
  // Draws Text at (X, Y), clipped to Rect, which the brush fills first
  // (unless the brush is clear).
  void TextRect(const TRect& Rect, int32_t X, int32_t Y, const std::string& Text);
  TSize TextExtent(const std::string& Text);
  int32_t TextHeight(const std::string& Text) { return TextExtent(Text).cy; }
  int32_t TextWidth(const std::string& Text) { return TextExtent(Text).cx; }
  // Selects the pen, brush and font again on the next drawing call.
  void Refresh();

  // ------------------------------------------------------------- locking
  // Lock and Unlock nest; the canvas is locked while LockCount > 0. A
  // thread that locked it must be the one that unlocks it.
  void Lock();
  bool TryLock();
  // Raises EInvalidGraphicOperation when the canvas is not locked.
  void Unlock();

  // Performs one command without firing events; the graphic classes draw
  // through it while Draw and StretchDraw fire the events around them.
  void DrawCommand(const TCanvasCommand& Command);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  ~TCanvas() override = default;
  void Destroy() override;
  // Makes a device context for a canvas that owns one; the base has none.
  virtual void CreateHandle() {}
  HDC CurrentHandle() const { return FHandle; }
  // Selects what ReqState names into the device context (making the
  // context first). Raises EInvalidOperation "Canvas does not allow
  // drawing" when there is none.
  void RequiredState(TCanvasState ReqState);
  virtual void Changing();
  virtual void Changed();
  // Carries out a command on the device context; a metafile canvas records it.
  virtual void Perform(const TCanvasCommand& Command);
  // OnChanging, DrawCommand, OnChange.
  void Execute(const TCanvasCommand& Command);
  // Takes the pen, brush and font out of the device context.
  void DeselectHandles();

 private:
  void FontChanged(TObject* Sender);
  void PenChanged(TObject* Sender);
  void BrushChanged(TObject* Sender);
  void SelectFont();
  void SelectPen();
  void SelectBrush();
  void ArcCommand(TCanvasOp Op, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2, int32_t X3, int32_t Y3, int32_t X4,
                  int32_t Y4);

  HDC FHandle = 0;
  TCanvasState FState;
  TFont* FFont;
  TPen* FPen;
  TBrush* FBrush;
  TPoint FPenPos;
  TCopyMode FCopyMode = cmSrcCopy;
  uint32_t FTextFlags = 0;
  int32_t FLockCount = 0;
  std::recursive_mutex FLock;
};

}  // namespace host
