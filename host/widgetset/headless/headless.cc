// Objects, device contexts and the clipboard of the headless widgetset; the
// drawing calls are in headlessdraw.cc.
#include "host/widgetset/headless/headless.h"

#include <algorithm>
#include <utility>

#include "host/rtl/sysutils.h"

namespace host {

void RegisterHeadlessWidgetSet() {
  RegisterWidgetSetBackend(
      "headless", []() -> std::unique_ptr<TWidgetSet> { return std::make_unique<headless::THeadlessWidgetSet>(); });
}

namespace headless {

namespace {

constexpr uint32_t kFirstRegisteredFormat = 0xC000;

bool IsSelectable(uint32_t Type) {
  return Type == OBJ_PEN || Type == OBJ_BRUSH || Type == OBJ_FONT || Type == OBJ_BITMAP;
}

}  // namespace

THeadlessWidgetSet::THeadlessWidgetSet() {
  auto brush = [](uint32_t style, COLORREF color) { return TBrushObject{TLogBrush{style, color, 0, 0}, {}}; };
  auto pen = [](uint32_t style, COLORREF color) { return TPenObject{TLogPen{style, 1, color}}; };
  FStock[WHITE_BRUSH] = FTable.Add(OBJ_BRUSH, brush(BS_SOLID, RGB(255, 255, 255)), true);
  FStock[BLACK_BRUSH] = FTable.Add(OBJ_BRUSH, brush(BS_SOLID, 0), true);
  FStock[NULL_BRUSH] = FTable.Add(OBJ_BRUSH, brush(BS_NULL, 0), true);
  FStock[WHITE_PEN] = FTable.Add(OBJ_PEN, pen(PS_SOLID, RGB(255, 255, 255)), true);
  FStock[BLACK_PEN] = FTable.Add(OBJ_PEN, pen(PS_SOLID, 0), true);
  FStock[NULL_PEN] = FTable.Add(OBJ_PEN, pen(PS_NULL, 0), true);
  FStock[SYSTEM_FONT] = FTable.Add(OBJ_FONT, TFontObject{TLogFont{}}, true);
  FStock[DEFAULT_PALETTE] = FTable.Add(OBJ_PAL, TPaletteObject{}, true);
  FStock[DEFAULT_BITMAP] = FTable.Add(OBJ_BITMAP, TBitmapObject{TSurface(1, 1)}, true);
}

THeadlessWidgetSet::~THeadlessWidgetSet() = default;

// ------------------------------------------------------------------ objects

HPEN THeadlessWidgetSet::CreatePenIndirect(const TLogPen& LogPen) {
  if (LogPen.Style > PS_INSIDEFRAME) return 0;
  TLogPen log = LogPen;
  log.Width = std::clamp(log.Width, 0, 1 << 16);
  return FTable.Add(OBJ_PEN, TPenObject{log});
}

HBRUSH THeadlessWidgetSet::CreateBrushIndirect(const TLogBrush& LogBrush) {
  TBrushObject brush{LogBrush, {}};
  if (LogBrush.Style == BS_PATTERN) {
    const TSurface* pattern = BitmapSurface(LogBrush.Pattern);
    if (!pattern) return 0;
    brush.Pattern = *pattern;
  } else if (LogBrush.Style > BS_PATTERN || (LogBrush.Style == BS_HATCHED && LogBrush.Hatch > HS_DIAGCROSS)) {
    return 0;
  }
  return FTable.Add(OBJ_BRUSH, std::move(brush));
}

HFONT THeadlessWidgetSet::CreateFontIndirect(const TLogFont& LogFont) {
  return FTable.Add(OBJ_FONT, TFontObject{LogFont});
}

HBITMAP THeadlessWidgetSet::CreateBitmap(int32_t Width, int32_t Height) {
  if (Width < 1 || Height < 1 || int64_t{Width} * Height > kMaxBitmapPixels) return 0;
  return AddBitmap(TSurface(Width, Height));
}

THandle THeadlessWidgetSet::AddBitmap(TSurface Surface) {
  return FTable.Add(OBJ_BITMAP, TBitmapObject{std::move(Surface)});
}

HPALETTE THeadlessWidgetSet::CreatePalette(std::span<const TPaletteEntry> Entries) {
  if (Entries.empty() || Entries.size() > 256) return 0;
  return FTable.Add(OBJ_PAL, TPaletteObject{{Entries.begin(), Entries.end()}});
}

HICON THeadlessWidgetSet::CreateIconIndirect(const TIconInfo& Info) {
  const TSurface* color = BitmapSurface(Info.Color);
  const TSurface* mask = BitmapSurface(Info.Mask);
  if (!color || !mask || color->Width != mask->Width || color->Height != mask->Height) return 0;
  return FTable.Add(OBJ_ICON, TIconObject{*color, *mask, Info.Icon, Info.HotspotX, Info.HotspotY});
}

HGDIOBJ THeadlessWidgetSet::GetStockObject(int32_t Index) {
  auto it = FStock.find(Index);
  return it == FStock.end() ? 0 : it->second;
}

bool THeadlessWidgetSet::GetLogPen(HPEN Pen, TLogPen& LogPen) {
  const TPenObject* pen = FTable.Get<TPenObject>(Pen);
  if (pen) LogPen = pen->Log;
  return pen != nullptr;
}

bool THeadlessWidgetSet::GetLogBrush(HBRUSH Brush, TLogBrush& LogBrush) {
  const TBrushObject* brush = FTable.Get<TBrushObject>(Brush);
  if (brush) LogBrush = brush->Log;
  return brush != nullptr;
}

bool THeadlessWidgetSet::GetLogFont(HFONT Font, TLogFont& LogFont) {
  const TFontObject* font = FTable.Get<TFontObject>(Font);
  if (font) LogFont = font->Log;
  return font != nullptr;
}

bool THeadlessWidgetSet::GetBitmapBits(HBITMAP Bitmap, TBitmapBits& Bits) {
  TObjectEntry* entry = FTable.Find(Bitmap);
  TBitmapObject* bitmap = entry && !entry->Stock ? std::get_if<TBitmapObject>(&entry->Data) : nullptr;
  if (!bitmap) return false;
  TSurface& s = bitmap->Surface;
  Bits = {s.Width, s.Height, s.Width, s.Pixels.data()};
  return true;
}

bool THeadlessWidgetSet::GetPaletteEntries(HPALETTE Palette, std::vector<TPaletteEntry>& Entries) {
  const TPaletteObject* palette = FTable.Get<TPaletteObject>(Palette);
  if (palette) Entries = palette->Entries;
  return palette != nullptr;
}

bool THeadlessWidgetSet::GetIconInfo(HICON Icon, TIconInfo& Info) {
  const TIconObject* icon = FTable.Get<TIconObject>(Icon);
  if (!icon) return false;
  Info = {icon->Icon, icon->HotspotX, icon->HotspotY, AddBitmap(icon->Mask), AddBitmap(icon->Color)};
  return true;
}

uint32_t THeadlessWidgetSet::GetObjectType(THandle Handle) {
  const TObjectEntry* entry = FTable.Find(Handle);
  return entry ? entry->Type : 0;
}

bool THeadlessWidgetSet::DeleteObject(HGDIOBJ Object) {
  TObjectEntry* entry = FTable.Find(Object);
  if (!entry || !(IsSelectable(entry->Type) || entry->Type == OBJ_PAL)) return false;
  if (entry->Stock) return true;
  if (entry->Selections > 0) return false;
  return FTable.Remove(Object);
}

bool THeadlessWidgetSet::DestroyIcon(HICON Icon) { return FTable.Get<TIconObject>(Icon) && FTable.Remove(Icon); }

const TSurface* THeadlessWidgetSet::BitmapSurface(HBITMAP Bitmap) {
  const TBitmapObject* bitmap = FTable.Get<TBitmapObject>(Bitmap);
  return bitmap ? &bitmap->Surface : nullptr;
}

// ------------------------------------------------ memory blocks, metafiles

THandle THeadlessWidgetSet::AddBytes(uint32_t Type, std::span<const uint8_t> Bytes) {
  return FTable.Add(Type, TBytesObject{{Bytes.begin(), Bytes.end()}});
}

std::span<const uint8_t> THeadlessWidgetSet::BytesOf(THandle Handle, uint32_t Type) {
  const TObjectEntry* entry = FTable.Find(Handle);
  if (!entry || entry->Type != Type) return {};
  return std::get<TBytesObject>(entry->Data).Bytes;
}

bool THeadlessWidgetSet::RemoveBytes(THandle Handle, uint32_t Type) {
  return GetObjectType(Handle) == Type && FTable.Remove(Handle);
}

HGLOBAL THeadlessWidgetSet::GlobalAllocBytes(std::span<const uint8_t> Bytes) { return AddBytes(OBJ_GLOBAL, Bytes); }

std::span<const uint8_t> THeadlessWidgetSet::GlobalBytes(HGLOBAL Block) { return BytesOf(Block, OBJ_GLOBAL); }

bool THeadlessWidgetSet::GlobalFree(HGLOBAL Block) { return RemoveBytes(Block, OBJ_GLOBAL); }

HENHMETAFILE THeadlessWidgetSet::SetEnhMetaFileBits(std::span<const uint8_t> Bytes) {
  return AddBytes(OBJ_ENHMETAFILE, Bytes);
}

std::span<const uint8_t> THeadlessWidgetSet::GetEnhMetaFileBits(HENHMETAFILE Metafile) {
  return BytesOf(Metafile, OBJ_ENHMETAFILE);
}

bool THeadlessWidgetSet::DeleteEnhMetaFile(HENHMETAFILE Metafile) { return RemoveBytes(Metafile, OBJ_ENHMETAFILE); }

// --------------------------------------------------------- device contexts

HDC THeadlessWidgetSet::CreateCompatibleDC(HDC Reference) {
  if (Reference != 0 && !FTable.Get<TDCObject>(Reference)) return 0;
  return AddDC(OBJ_MEMDC, TDCObject{});
}

HDC THeadlessWidgetSet::AddDC(uint32_t Type, TDCObject DC) {
  Select(DC.Pen, FStock[BLACK_PEN]);
  Select(DC.Brush, FStock[WHITE_BRUSH]);
  Select(DC.Font, FStock[SYSTEM_FONT]);
  Select(DC.Bitmap, FStock[DEFAULT_BITMAP]);
  return FTable.Add(Type, std::move(DC));
}

// Puts Object into a selection slot, keeping the selection counts.
void THeadlessWidgetSet::Select(THandle& Slot, THandle Object) {
  if (TObjectEntry* old = FTable.Find(Slot)) --old->Selections;
  if (TObjectEntry* now = FTable.Find(Object)) ++now->Selections;
  Slot = Object;
}

// A window's device context goes back with ReleaseDC.
bool THeadlessWidgetSet::DeleteDC(HDC DC) { return GetObjectType(DC) == OBJ_MEMDC && RemoveDC(DC); }

bool THeadlessWidgetSet::RemoveDC(HDC DC) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return false;
  for (THandle* slot : {&dc->Bitmap, &dc->Pen, &dc->Brush, &dc->Font}) Select(*slot, 0);
  return FTable.Remove(DC);
}

HGDIOBJ THeadlessWidgetSet::SelectObject(HDC DC, HGDIOBJ Object) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  TObjectEntry* entry = FTable.Find(Object);
  if (!dc || !entry || !IsSelectable(entry->Type)) return 0;
  THandle* slot = entry->Type == OBJ_PEN     ? &dc->Pen
                  : entry->Type == OBJ_BRUSH ? &dc->Brush
                  : entry->Type == OBJ_FONT  ? &dc->Font
                                             : &dc->Bitmap;
  if (entry->Type == OBJ_BITMAP) {
    // A window's device context draws onto the window only.
    if (dc->Window) return 0;
    // A bitmap belongs to one device context at a time (the stock one to all).
    if (!entry->Stock && entry->Selections > 0 && dc->Bitmap != Object) return 0;
    dc->Clipped = false;
  }
  const HGDIOBJ old = *slot;
  Select(*slot, Object);
  return old;
}

HGDIOBJ THeadlessWidgetSet::GetCurrentObject(HDC DC, uint32_t ObjectType) {
  const TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return 0;
  switch (ObjectType) {
    case OBJ_PEN:
      return dc->Pen;
    case OBJ_BRUSH:
      return dc->Brush;
    case OBJ_FONT:
      return dc->Font;
    case OBJ_BITMAP:
      return dc->Bitmap;
    default:
      return 0;
  }
}

int32_t THeadlessWidgetSet::GetDeviceCaps(HDC DC, int32_t Index) {
  const TDCObject* dc = FTable.Get<TDCObject>(DC);
  const TSurface* surface = dc && dc->Bitmap != FStock[DEFAULT_BITMAP] ? BitmapSurface(dc->Bitmap) : nullptr;
  const int32_t width = surface ? surface->Width : kScreenWidth, height = surface ? surface->Height : kScreenHeight;
  switch (Index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return kPixelsPerInch;
    case BITSPIXEL:
      return 32;
    case HORZRES:
      return width;
    case VERTRES:
      return height;
    case HORZSIZE:
      return MulDiv(width, 254, kPixelsPerInch * 10);
    case VERTSIZE:
      return MulDiv(height, 254, kPixelsPerInch * 10);
    default:
      return 0;
  }
}

int32_t THeadlessWidgetSet::SetROP2(HDC DC, int32_t Mode) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc || Mode < R2_BLACK || Mode > R2_WHITE) return 0;
  return std::exchange(dc->Rop2, Mode);
}

int32_t THeadlessWidgetSet::GetROP2(HDC DC) {
  const TDCObject* dc = FTable.Get<TDCObject>(DC);
  return dc ? dc->Rop2 : 0;
}

COLORREF THeadlessWidgetSet::SetBkColor(HDC DC, COLORREF Color) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  return dc ? std::exchange(dc->BkColor, Color & 0x00FFFFFFu) : CLR_INVALID;
}

int32_t THeadlessWidgetSet::SetBkMode(HDC DC, int32_t Mode) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc || (Mode != TRANSPARENT && Mode != OPAQUE)) return 0;
  return std::exchange(dc->BkMode, Mode);
}

COLORREF THeadlessWidgetSet::SetTextColor(HDC DC, COLORREF Color) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  return dc ? std::exchange(dc->TextColor, Color & 0x00FFFFFFu) : CLR_INVALID;
}

int32_t THeadlessWidgetSet::SelectClipRect(HDC DC, const TRect* Rect) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return RGN_ERROR;
  dc->Clipped = Rect != nullptr;
  if (Rect) dc->Clip = *Rect;
  TRect box;
  return GetClipBox(DC, box);
}

int32_t THeadlessWidgetSet::GetClipBox(HDC DC, TRect& Rect) {
  TContext ctx;
  if (!Resolve(DC, ctx)) return RGN_ERROR;
  if (ctx.Clip.IsEmpty()) {
    Rect = {};
    return NULLREGION;
  }
  const TPoint o = ctx.Origin;
  Rect = {ctx.Clip.Left - o.X, ctx.Clip.Top - o.Y, ctx.Clip.Right - o.X, ctx.Clip.Bottom - o.Y};
  return SIMPLEREGION;
}

bool THeadlessWidgetSet::SetViewportOrgEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return false;
  if (Old) *Old = dc->ViewportOrg;
  dc->ViewportOrg = {X, Y};
  return true;
}

bool THeadlessWidgetSet::MoveToEx(HDC DC, int32_t X, int32_t Y, TPoint* Old) {
  TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (!dc) return false;
  if (Old) *Old = dc->Pos;
  dc->Pos = {X, Y};
  return true;
}

bool THeadlessWidgetSet::GetCurrentPositionEx(HDC DC, TPoint& Pos) {
  const TDCObject* dc = FTable.Get<TDCObject>(DC);
  if (dc) Pos = dc->Pos;
  return dc != nullptr;
}

// ---------------------------------------------------------------- clipboard

uint32_t THeadlessWidgetSet::RegisterClipboardFormat(std::string_view Name) {
  if (Name.empty()) return 0;
  const std::string key = LowerCase(Name);
  auto it = FFormatIds.find(key);
  if (it != FFormatIds.end()) return it->second;
  const uint32_t id = kFirstRegisteredFormat + static_cast<uint32_t>(FFormatIds.size());
  FFormatIds[key] = id;
  FFormatNames[id] = std::string(Name);
  return id;
}

std::string THeadlessWidgetSet::GetClipboardFormatName(uint32_t Format) {
  auto it = FFormatNames.find(Format);
  return it == FFormatNames.end() ? std::string() : it->second;
}

bool THeadlessWidgetSet::OpenClipboard() { return !std::exchange(FClipboardOpen, true); }

bool THeadlessWidgetSet::CloseClipboard() { return std::exchange(FClipboardOpen, false); }

void THeadlessWidgetSet::DeleteClipboardData(uint32_t Format, THandle Data) {
  switch (Format) {
    case CF_BITMAP:
    case CF_PALETTE:
      DeleteObject(Data);
      break;
    case CF_ENHMETAFILE:
      DeleteEnhMetaFile(Data);
      break;
    default:
      GlobalFree(Data);
      break;
  }
}

bool THeadlessWidgetSet::EmptyClipboard() {
  if (!FClipboardOpen) return false;
  for (const auto& [format, data] : FClipboard) DeleteClipboardData(format, data);
  FClipboard.clear();
  return true;
}

THandle THeadlessWidgetSet::SetClipboardData(uint32_t Format, THandle Data) {
  if (!FClipboardOpen || Format == 0 || GetObjectType(Data) == 0) return 0;
  auto it = std::find_if(FClipboard.begin(), FClipboard.end(), [&](const auto& e) { return e.first == Format; });
  if (it != FClipboard.end()) {
    if (it->second != Data) DeleteClipboardData(Format, it->second);
    it->second = Data;
  } else {
    FClipboard.emplace_back(Format, Data);
  }
  return Data;
}

THandle THeadlessWidgetSet::GetClipboardData(uint32_t Format) {
  if (!FClipboardOpen) return 0;
  auto it = std::find_if(FClipboard.begin(), FClipboard.end(), [&](const auto& e) { return e.first == Format; });
  return it == FClipboard.end() ? 0 : it->second;
}

bool THeadlessWidgetSet::IsClipboardFormatAvailable(uint32_t Format) {
  return std::any_of(FClipboard.begin(), FClipboard.end(), [&](const auto& e) { return e.first == Format; });
}

std::vector<uint32_t> THeadlessWidgetSet::GetClipboardFormats() {
  std::vector<uint32_t> formats;
  for (const auto& entry : FClipboard) formats.push_back(entry.first);
  return formats;
}

}  // namespace headless
}  // namespace host
