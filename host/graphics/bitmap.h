// TBitmap: a picture of pixels, drawn on through its Canvas, read and
// written as a classic BMP file.
//
// The pixels live in a 32-bit bitmap of the running widgetset (the
// image's Handle). PixelFormat says how the bitmap is stored: BMP files are
// written in it, setting it reduces the colours to what it can hold, and
// ScanLine hands out rows in its layout. For pf32bit (and pfDevice) a scan
// line points straight into the widgetset bitmap; for the other formats it
// points into a packed copy that becomes the bitmap's content until the
// canvas (or anything else that needs the pixels) is used again, so a row
// pointer stays valid only until then.
//
// Copies made by Assign share one TBitmapImage until one of them changes;
// that one then gets its own copy (its canvas's OnChanging does this before
// every drawing call). New pixels (a larger size) take the canvas brush
// colour, white by default. Sizes are limited as pixels.h says: a negative
// size raises EInvalidGraphicOperation, a size beyond the limit
// EOutOfResources, and the bitmap keeps its image in both cases.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/resources.h"
#include "host/graphics/canvas.h"
#include "host/graphics/graphic.h"
#include "host/graphics/pixels.h"

namespace host {

class TMemoryStream;
class TBitmap;
class TBitmapCanvas;

namespace bmpio {
class TDibReader;
}

enum TBitmapHandleType : uint8_t { bmDIB, bmDDB };
enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// --------------------------------------------------------------- TBitmapImage

class TBitmapImage : public TSharedImage {
  HOST_CLASS(TBitmapImage, TSharedImage)

  TBitmapImage() = default;

 protected:
  ~TBitmapImage() override = default;
  void Destroy() override;
  void FreeHandle() override;

 private:
  friend class TBitmap;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  TPixelFormat FPixelFormat = pfDevice;  // pfDevice: a device-dependent bitmap (bmDDB)
  TPalette FColors;                      // colour table of the indexed formats
  HBITMAP FHandle = 0;                   // the pixels
  HBITMAP FMaskHandle = 0;               // cached mask of the transparent colour
  HPALETTE FPalette = 0;                 // cached palette handle of FColors
  std::vector<uint8_t> FDib;             // packed rows handed out by ScanLine, top-down
  bool FDibCurrent = false;              // FDib holds the latest pixels, FHandle's are stale
  TMemoryStream* FDormant = nullptr;     // pixels kept as a 32-bit BMP while FHandle is freed
  // The BMP file the image was read from, written back byte for byte (its
  // header fields, colour table and compression as they were) until
  // anything may have changed the pixels.
  std::vector<uint8_t> FStreamed;
};

// --------------------------------------------------------------------- TBitmap

class TBitmap : public TGraphic {
  HOST_CLASS(TBitmap, TGraphic)

  TBitmap();

  // Shares the image of another bitmap (copy on change); null empties.
  void Assign(TPersistent* Source) override;

  // -------------------------------------------------------------- TGraphic
  bool GetEmpty() const override;
  int32_t GetHeight() const override;
  void SetHeight(int32_t Value) override;
  int32_t GetWidth() const override;
  void SetWidth(int32_t Value) override;
  void SetSize(int32_t AWidth, int32_t AHeight);
  HPALETTE GetPalette() override;
  void SetPalette(HPALETTE Value) override;
  // A BMP file (see bmpio.h). An empty stream gives an empty bitmap.
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // CF_BITMAP with a bitmap handle (and optionally a palette).
  void LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) override;
  void SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) override;

  // ------------------------------------------------------------ properties
  TCanvas* GetCanvas();
  // The widgetset bitmap holding the pixels (0 when empty).
  HBITMAP GetHandle();
  // Takes over a widgetset bitmap as the image (pf32bit).
  void SetHandle(HBITMAP Value);
  // bmDDB exactly when PixelFormat is pfDevice; bmDIB makes a DDB pf32bit.
  TBitmapHandleType GetHandleType() const { return FImage->FPixelFormat == pfDevice ? bmDDB : bmDIB; }
  void SetHandleType(TBitmapHandleType Value);
  bool GetIgnorePalette() const { return FIgnorePalette; }
  void SetIgnorePalette(bool Value);
  // White where a pixel has the transparent colour, black elsewhere.
  HBITMAP GetMaskHandle();
  void SetMaskHandle(HBITMAP Value);
  // Black and white pixels only (pf1bit with a black-white colour table).
  bool GetMonochrome() const;
  void SetMonochrome(bool Value);
  // pfDevice for a device-dependent bitmap (a new bitmap is one).
  TPixelFormat GetPixelFormat() const { return FImage->FPixelFormat; }
  void SetPixelFormat(TPixelFormat Value);
  // Row Row (from the top) in the layout of PixelFormat; raises
  // EInvalidGraphicOperation "Scan line index out of range" outside the bitmap.
  uint8_t* GetScanLine(int32_t Row);
  // The colour Draw leaves out when Transparent: the bottom-left pixel in
  // tmAuto mode, the colour set in tmFixed mode.
  TColor GetTransparentColor();
  void SetTransparentColor(TColor Value);
  TTransparentMode GetTransparentMode() const { return FTransparentMode; }
  void SetTransparentMode(TTransparentMode Value);

  // --------------------------------------------------------------- methods
  // Frees the widgetset bitmap, keeping the pixels in memory until needed.
  void Dormant();
  // Gives the bitmap an image of its own and drops cached copies of it.
  void FreeImage();
  // A bitmap resource (RT_BITMAP): a packed DIB or a whole BMP file. A
  // missing one raises EResNotFound "Resource <name> not found".
  void LoadFromResourceName(HMODULE Instance, const std::string& ResName);
  void LoadFromResourceID(HMODULE Instance, int32_t ResID);
  // Turns the bitmap into its own mask: white where it had TransparentColor,
  // black elsewhere (pf1bit).
  void Mask(TColor TransparentColor);
  // Hands the pixels' widgetset bitmap to the caller (who deletes it); the
  // bitmap is empty afterwards.
  HBITMAP ReleaseHandle();
  HBITMAP ReleaseMaskHandle();
  HPALETTE ReleasePalette();

  // For the graphic classes: a new bitmap (the caller deletes it), white
  // where a pixel has Color and black elsewhere; and the 32-bit pixels,
  // current, made private to this bitmap when ForWriting.
  HBITMAP CreateMask(TColor Color);
  TBitmapBits GetBits(bool ForWriting);

 protected:
  ~TBitmap() override = default;
  void Destroy() override;
  void Changed(TObject* Sender) override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // A 32-bit byte count, then the BMP file.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 private:
  friend class TBitmapCanvas;
  // The canvas is about to draw: unshare and make the pixels current.
  void CanvasChanging(TObject* Sender);
  void CanvasChanged(TObject*) { Changed(this); }
  // Frees the canvas's device context (it has the old image's bitmap
  // selected), then installs Image with ReplaceImage.
  void NewImage(TBitmapImage* Image);
  TBitmapImage* CopyImage(const TBitmapImage* Source, int32_t Width, int32_t Height) const;
  // Hands the caller the handle Get gives (made when needed) of an image of
  // this bitmap's own, which then forgets it in Slot: freeing the image
  // leaves the handle alone.
  THandle HandOut(THandle (TBitmap::*Get)(), THandle TBitmapImage::*Slot);
  TPixel FillPixel() const;
  void Unshare();
  // Anything may change the pixels from now on: the file they were read
  // from no longer describes them.
  void Changing() { std::vector<uint8_t>().swap(FImage->FStreamed); }
  // The widgetset bitmap with the latest pixels (0 when empty).
  HBITMAP SurfaceHandle();
  void LoadImage(const bmpio::TDibReader& Reader);
  void ReduceColors();
  // Stores the pixels in Value with its default colour table (pixels
  // reduced to it) and fires OnChange; the setters check Value first.
  void StorePixelFormat(TPixelFormat Value);
  void FreeContext();

  TBitmapImage* FImage;
  TBitmapCanvas* FCanvas = nullptr;
  bool FIgnorePalette = false;
  TColor FTransparentColor = clDefault;
  TTransparentMode FTransparentMode = tmAuto;
};

// The canvas of a bitmap: a device context with the bitmap selected, made on
// first use and given up whenever the bitmap's image changes.
class TBitmapCanvas : public TCanvas {
  HOST_CLASS(TBitmapCanvas, TCanvas)

  explicit TBitmapCanvas(TBitmap* ABitmap) : FBitmap(ABitmap) {}
  // Deselects the bitmap and deletes the device context.
  void FreeContext();

 protected:
  ~TBitmapCanvas() override = default;
  void Destroy() override;
  void CreateHandle() override;

 private:
  TBitmap* FBitmap;
  HBITMAP FSelected = 0;
  HBITMAP FOldBitmap = 0;
};

}  // namespace host
