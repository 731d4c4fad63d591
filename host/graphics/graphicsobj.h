// The graphic objects a canvas draws with: TFont, TPen and TBrush, their
// common base TGraphicsObject, the exceptions of the graphics unit and the
// change-notifier interface.
//
// Each object keeps its properties itself and makes its widgetset handle
// only when asked for it (Handle, or a canvas selecting it). Changing a
// property that the handle depends on marks the handle stale: it is deleted
// and made again on the next request, after the owning canvas has taken it
// out of its device context (the canvas does that when OnChange fires).
// A property write that changes nothing fires nothing.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

#include "host/classes/persistent.h"
#include "host/graphics/colors.h"
#include "host/rtl/events.h"
#include "host/rtl/sets.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TBitmap;

// ----------------------------------------------------------------- errors

HOST_EXCEPTION(EInvalidGraphic, Exception)
HOST_EXCEPTION(EInvalidGraphicOperation, Exception)
// EOutOfResources ("Out of system resources") is the host's, from sysutils.h.

inline constexpr char SInvalidBitmap[] = "Bitmap image is not valid";
inline constexpr char SInvalidIcon[] = "Icon image is not valid";
inline constexpr char SInvalidMetafile[] = "Metafile is not valid";
inline constexpr char SInvalidPixelFormat[] = "Invalid pixel format";
inline constexpr char SScanLine[] = "Scan line index out of range";
inline constexpr char SChangeIconSize[] = "Cannot change the size of an icon";
inline constexpr char SUnknownExtension[] = "Unknown picture file extension (.%s)";
inline constexpr char SUnknownClipboardFormat[] = "Unsupported clipboard format";
inline constexpr char SOutOfResources[] = "Out of system resources";
inline constexpr char SNoCanvasHandle[] = "Canvas does not allow drawing";
inline constexpr char SIconToClipboard[] = "Clipboard does not support Icons";
inline constexpr char SVBitmaps[] = "Bitmaps";
inline constexpr char SVIcons[] = "Icons";
inline constexpr char SVMetafiles[] = "Metafiles";
inline constexpr char SVEnhMetafiles[] = "Enhanced Metafiles";

// The pixels per inch of the screen (of the running widgetset; 96 without one).
int32_t ScreenPixelsPerInch();

// ------------------------------------------------------ change notifier

// Told when a font or picture changes (FontAdapter, PictureAdapter), so an
// outside object (an ActiveX wrapper classically) can follow it.
class IChangeNotifier : public IUnknown {
 public:
  static constexpr TGUID IID{0x1FB62321, 0x44A7, 0x11D0, {0x9E, 0x93, 0x00, 0x20, 0xAF, 0x3D, 0x82, 0xDA}};
  virtual void Changed() = 0;

 protected:
  ~IChangeNotifier() = default;
};

// Holds one counted reference to an IChangeNotifier.
class TNotifierRef {
 public:
  TNotifierRef() = default;
  TNotifierRef(const TNotifierRef&) = delete;
  TNotifierRef& operator=(const TNotifierRef&) = delete;
  ~TNotifierRef() { Set(nullptr); }
  IChangeNotifier* Get() const { return FNotifier; }
  void Set(IChangeNotifier* Value);
  // Whether some reference holds `Notifier` (which is then alive): lets an
  // interface address that arrives as a number be checked before use.
  // Thread-safe.
  static bool IsHeld(const void* Notifier);
  void Notify() const {
    if (FNotifier) FNotifier->Changed();
  }

 private:
  IChangeNotifier* FNotifier = nullptr;
};

// --------------------------------------------------------- TGraphicsObject

class TGraphicsObject : public TPersistent {
  HOST_CLASS(TGraphicsObject, TPersistent)

  TNotifyEvent OnChange;

  // The lock of the canvas that uses this object (null when none): Lock and
  // Unlock take it, so a thread drawing on the canvas and one changing the
  // object do not interleave.
  std::recursive_mutex* GetOwnerCriticalSection() const { return FOwnerLock; }
  void SetOwnerCriticalSection(std::recursive_mutex* Value) { FOwnerLock = Value; }
  // The lock of the canvas this object belongs to (null for an object of
  // its own): the one lock that lives as long as the object.
  std::recursive_mutex* GetCanvasLock() const { return FCanvasLock; }
  bool HandleAllocated() const { return FHandle != 0; }

 protected:
  ~TGraphicsObject() override = default;
  void Destroy() override;
  // Fires OnChange.
  virtual void Changed();
  void Lock();
  void Unlock();
  // The handle, made by CreateHandle when there is none or it is stale.
  THandle HandleNeeded();
  virtual THandle CreateHandle() = 0;
  // Takes over Value as the handle (the object deletes it later).
  void AdoptHandle(THandle Value);
  // The properties changed: the handle must be made again.
  void HandleStale() { FStale = true; }
  // Runs Apply under the lock, marks the handle stale when the change
  // affects it, then fires Changed.
  template <class F>
  void Modify(bool AffectsHandle, F&& Apply) {
    Lock();
    try {
      Apply();
    } catch (...) {
      Unlock();
      throw;
    }
    if (AffectsHandle) HandleStale();
    Unlock();
    Changed();
  }
  // Sets one field through Modify when the value differs.
  template <class T>
  void Change(T& Field, const T& Value, bool AffectsHandle) {
    if (!(Field == Value)) Modify(AffectsHandle, [&] { Field = Value; });
  }

 private:
  friend class TCanvas;
  // Called by the canvas that makes this object: uses its lock from now on.
  void AttachToCanvas(std::recursive_mutex* Lock) { FOwnerLock = FCanvasLock = Lock; }
  void DeleteHandle();
  std::recursive_mutex* FOwnerLock = nullptr;
  std::recursive_mutex* FCanvasLock = nullptr;
  THandle FHandle = 0;
  bool FStale = false;
};

// ------------------------------------------------------------------ TFont

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
HOST_ENUM_INFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
using TFontStyles = TSet<TFontStyle, 4>;

enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
HOST_ENUM_INFO(TFontPitch, "fpDefault", "fpVariable", "fpFixed")

// A character set number; streams as an identifier (DEFAULT_CHARSET).
enum TFontCharset : uint8_t {};
inline const TTypeInfo* HostTypeInfo(TFontCharset*) {
  static constexpr TTypeInfo info{tkInteger, "TFontCharset", otUByte, ftDouble, 0, 255, {}, nullptr};
  return &info;
}
bool CharsetToIdent(int32_t Charset, std::string& Ident);
bool IdentToCharset(std::string_view Ident, int32_t& Charset);

class TFont : public TGraphicsObject {
  HOST_CLASS(TFont, TGraphicsObject)

  // "MS Sans Serif", 8 points at the screen's pixels per inch, the default
  // character set, clWindowText, no style.
  TFont();

  // Copies every property; a font of other pixels per inch keeps its Size.
  void Assign(TPersistent* Source) override;

  HFONT GetHandle() { return HandleNeeded(); }
  // Takes over a font handle and reads its properties back from it.
  void SetHandle(HFONT Value);
  int32_t GetPixelsPerInch() const { return FPixelsPerInch; }
  // Only changes how Size and Height convert; fires nothing.
  void SetPixelsPerInch(int32_t Value);
  TFontCharset GetCharset() const { return FCharset; }
  void SetCharset(TFontCharset Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  // Negative: character height in pixels; positive: cell height.
  int32_t GetHeight() const { return FHeight; }
  void SetHeight(int32_t Value);
  const std::string& GetName() const { return FName; }
  void SetName(const std::string& Value);
  TFontPitch GetPitch() const { return FPitch; }
  void SetPitch(TFontPitch Value);
  // Points: -Height * 72 / PixelsPerInch (rounded); setting it sets Height.
  int32_t GetSize() const;
  void SetSize(int32_t Value);
  TFontStyles GetStyle() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  IChangeNotifier* GetFontAdapter() const { return FAdapter.Get(); }
  void SetFontAdapter(IChangeNotifier* Value) { FAdapter.Set(Value); }

  // The logical font the handle is made from.
  TLogFont LogFont() const;

 protected:
  ~TFont() override = default;
  void Destroy() override;
  void Changed() override;
  THandle CreateHandle() override;

 private:
  int32_t FPixelsPerInch;
  TFontCharset FCharset = static_cast<TFontCharset>(DEFAULT_CHARSET);
  TColor FColor = clWindowText;
  int32_t FHeight;
  std::string FName = "MS Sans Serif";
  TFontPitch FPitch = fpDefault;
  TFontStyles FStyle;
  TNotifierRef FAdapter;
};

// ------------------------------------------------------------------- TPen

enum TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
HOST_ENUM_INFO(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")

enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
HOST_ENUM_INFO(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
               "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor", "pmNotXor")
// The binary raster operation (R2_) of a pen mode.
int32_t PenModeToRop2(TPenMode Mode);

class TPen : public TGraphicsObject {
  HOST_CLASS(TPen, TGraphicsObject)

  // A solid black pen one pixel wide, drawing in pmCopy mode.
  TPen() = default;

  void Assign(TPersistent* Source) override;

  HPEN GetHandle() { return HandleNeeded(); }
  // Takes over a pen handle and reads Color, Style and Width back from it.
  void SetHandle(HPEN Value);
  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  TPenMode GetMode() const { return FMode; }
  void SetMode(TPenMode Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  int32_t GetWidth() const { return FWidth; }
  // Raises EInvalidGraphicOperation for a negative width (and keeps the old one).
  void SetWidth(int32_t Value);

 protected:
  ~TPen() override = default;
  THandle CreateHandle() override;

 private:
  TColor FColor = clBlack;
  TPenMode FMode = pmCopy;
  TPenStyle FStyle = psSolid;
  int32_t FWidth = 1;
};

// ----------------------------------------------------------------- TBrush

enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};
HOST_ENUM_INFO(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
               "bsDiagCross")

class TBrush : public TGraphicsObject {
  HOST_CLASS(TBrush, TGraphicsObject)

  // A solid white brush.
  TBrush() = default;

  void Assign(TPersistent* Source) override;

  HBRUSH GetHandle() { return HandleNeeded(); }
  // Takes over a brush handle and reads Color and Style back from it.
  void SetHandle(HBRUSH Value);
  // A bitmap to paint with as a tiled pattern (borrowed; a bitmap that is
  // freed leaves the brushes that use it, which keep the handle made from
  // it). Setting it resets Color and Style to their defaults, as the classic
  // brush does.
  TBitmap* GetBitmap() const { return FBitmap; }
  void SetBitmap(TBitmap* Value);
  TColor GetColor() const { return FColor; }
  // A clear brush becomes solid when it gets a colour.
  void SetColor(TColor Value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

 protected:
  ~TBrush() override = default;
  void Destroy() override;
  THandle CreateHandle() override;

 private:
  // Sets FBitmap, keeping the table of the brushes each bitmap is used by.
  void SetPattern(TBitmap* Value);
  // A free observer: drops the object from the brushes using it.
  static void PatternFreed(TObject* Obj);
  TBitmap* FBitmap = nullptr;
  TColor FColor = clWhite;
  TBrushStyle FStyle = bsSolid;
};

}  // namespace host
