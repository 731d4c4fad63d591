// The objects of the headless widgetset and the table that names them by
// 32-bit handles.
//
// Handles come from one counter that only grows, so a handle deleted (or
// left over from an earlier run of the widgetset) never names a new object.
// Every object records how many device contexts have it selected, so an
// object in use cannot be deleted from under a device context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

#include "host/widgetset/wstypes.h"

namespace host {
class TObject;
}

namespace host::headless {

// A 32-bit pixel buffer, rows from the top (see TPixel).
struct TSurface {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<TPixel> Pixels;

  TSurface() = default;
  TSurface(int32_t W, int32_t H, TPixel Fill = 0)
      : Width(W), Height(H), Pixels(static_cast<std::size_t>(W) * static_cast<std::size_t>(H), Fill) {}
  bool Empty() const { return Width <= 0 || Height <= 0; }
  TRect Bounds() const { return {0, 0, Width, Height}; }
  TPixel* Row(int32_t Y) { return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width); }
  const TPixel* Row(int32_t Y) const {
    return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width);
  }
  TPixel At(int32_t X, int32_t Y) const { return Row(Y)[X]; }
};

struct TPenObject {
  TLogPen Log;
};
struct TBrushObject {
  TLogBrush Log;
  TSurface Pattern;  // BS_PATTERN: a copy of the pattern bitmap
};
struct TFontObject {
  TLogFont Log;
};
struct TBitmapObject {
  TSurface Surface;
};
struct TPaletteObject {
  std::vector<TPaletteEntry> Entries;
};
struct TIconObject {
  TSurface Color;
  TSurface Mask;
  bool Icon = true;
  int32_t HotspotX = 0;
  int32_t HotspotY = 0;
};
// Memory blocks and metafile bits.
struct TBytesObject {
  std::vector<uint8_t> Bytes;
};
// A device context and the state drawing uses. A memory device context
// (OBJ_MEMDC) draws onto its selected bitmap; a window device context
// (OBJ_DC) draws onto Window in its client coordinates, clipped to the part
// of the window that shows and, for the one a WM_PAINT brings, to Limit.
struct TDCObject {
  THandle Window = 0;
  bool Limited = false;
  TRect Limit;  // client coordinates of Window

  HBITMAP Bitmap = 0;
  HPEN Pen = 0;
  HBRUSH Brush = 0;
  HFONT Font = 0;
  int32_t Rop2 = R2_COPYPEN;
  COLORREF BkColor = RGB(255, 255, 255);
  int32_t BkMode = OPAQUE;
  COLORREF TextColor = 0;
  TPoint Pos;
  bool Clipped = false;
  TRect Clip;
  TPoint ViewportOrg;  // added to every coordinate drawn with the DC
};

// A window (headlesswindows.h keeps the tree). Its entry has object type 0:
// to the graphics calls a window handle names no object.
struct TWindowObject {
  TObject* Receiver = nullptr;
  THandle Parent = 0;
  std::vector<THandle> Children;  // bottom to top
  TRect Bounds;                   // in the parent's client coordinates (screen for a top-level window)
  std::string Text;
  std::string ClassName;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  THandle Menu = 0;  // top-level windows: the menu bar
  THandle Icon = 0;  // top-level windows: the icon
  bool Shown = false;
  bool Enabled = true;
  bool Dirty = false;  // top-level windows: Update waits for a paint pass
  TRect Update;        // in the top-level window's client coordinates
  TSurface Surface;    // top-level windows: what the window and the windows in it show
};

using TObjectData = std::variant<TPenObject, TBrushObject, TFontObject, TBitmapObject, TPaletteObject, TIconObject,
                                 TBytesObject, TDCObject, TWindowObject>;

struct TObjectEntry {
  uint32_t Type = 0;  // OBJ_ value
  bool Stock = false;
  int32_t Selections = 0;  // device contexts that have it selected
  TObjectData Data;
};

class THandleTable {
 public:
  THandle Add(uint32_t Type, TObjectData Data, bool Stock = false);
  // Null for 0 and for a handle that names nothing.
  TObjectEntry* Find(THandle Handle);
  // The object's data when the handle names an object of that kind.
  template <class T>
  T* Get(THandle Handle) {
    TObjectEntry* entry = Find(Handle);
    return entry ? std::get_if<T>(&entry->Data) : nullptr;
  }
  bool Remove(THandle Handle);
  // Objects alive, stock objects left out.
  std::size_t Count() const;

 private:
  std::unordered_map<THandle, TObjectEntry> FEntries;  // node-based: entries stay put
};

}  // namespace host::headless
