#include "host/graphics/graphicsobj.h"

#include <atomic>
#include <map>
#include <mutex>

#include "host/graphics/bitmap.h"
#include "host/graphics/identmap_p.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TGraphicsObject, TPersistent)
HOST_IMPL(TFont, TGraphicsObject)
HOST_IMPL(TPen, TGraphicsObject)
HOST_IMPL(TBrush, TGraphicsObject)

int32_t ScreenPixelsPerInch() { return WidgetSetRunning() ? WidgetSet().GetDeviceCaps(0, LOGPIXELSY) : 96; }

namespace {

// How many references hold each notifier. Never destroyed: references may
// outlive the program's static destructors.
struct THeldNotifiers {
  std::mutex Lock;
  std::map<const void*, int32_t> Count;
};

THeldNotifiers& HeldNotifiers() {
  static auto* const held = new THeldNotifiers;
  return *held;
}

void CountHeld(const void* Notifier, int32_t Delta) {
  THeldNotifiers& held = HeldNotifiers();
  std::lock_guard<std::mutex> guard(held.Lock);
  if ((held.Count[Notifier] += Delta) <= 0) held.Count.erase(Notifier);
}

}  // namespace

void TNotifierRef::Set(IChangeNotifier* Value) {
  if (Value == FNotifier) return;
  if (Value) {
    Value->_AddRef();
    CountHeld(Value, 1);
  }
  IChangeNotifier* old = FNotifier;
  FNotifier = Value;
  if (old) {
    CountHeld(old, -1);
    old->_Release();
  }
}

bool TNotifierRef::IsHeld(const void* Notifier) {
  THeldNotifiers& held = HeldNotifiers();
  std::lock_guard<std::mutex> guard(held.Lock);
  return held.Count.count(Notifier) != 0;
}

// --------------------------------------------------------- TGraphicsObject

void TGraphicsObject::Destroy() {
  DeleteHandle();
  inherited::Destroy();
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

void TGraphicsObject::Lock() {
  if (FOwnerLock) FOwnerLock->lock();
}

void TGraphicsObject::Unlock() {
  if (FOwnerLock) FOwnerLock->unlock();
}

THandle TGraphicsObject::HandleNeeded() {
  if (FStale) DeleteHandle();
  if (FHandle == 0) {
    FHandle = CreateHandle();
    if (FHandle == 0) throw EOutOfResources(SOutOfResources);
  }
  return FHandle;
}

void TGraphicsObject::AdoptHandle(THandle Value) {
  // Taking over the handle the object already holds keeps it alive.
  if (Value == FHandle) {
    FStale = false;
    return;
  }
  DeleteHandle();
  FHandle = Value;
}

void TGraphicsObject::DeleteHandle() {
  // Handles die with their widgetset; after it has gone there is nothing to delete.
  if (FHandle != 0 && WidgetSetRunning()) WidgetSet().DeleteObject(FHandle);
  FHandle = 0;
  FStale = false;
}

// ------------------------------------------------------------------ TFont

namespace {

constexpr identmap::TEntry kCharsets[] = {
    {ANSI_CHARSET, "ANSI_CHARSET"},
    {DEFAULT_CHARSET, "DEFAULT_CHARSET"},
    {SYMBOL_CHARSET, "SYMBOL_CHARSET"},
    {MAC_CHARSET, "MAC_CHARSET"},
    {SHIFTJIS_CHARSET, "SHIFTJIS_CHARSET"},
    {HANGEUL_CHARSET, "HANGEUL_CHARSET"},
    {JOHAB_CHARSET, "JOHAB_CHARSET"},
    {GB2312_CHARSET, "GB2312_CHARSET"},
    {CHINESEBIG5_CHARSET, "CHINESEBIG5_CHARSET"},
    {GREEK_CHARSET, "GREEK_CHARSET"},
    {TURKISH_CHARSET, "TURKISH_CHARSET"},
    {VIETNAMESE_CHARSET, "VIETNAMESE_CHARSET"},
    {HEBREW_CHARSET, "HEBREW_CHARSET"},
    {ARABIC_CHARSET, "ARABIC_CHARSET"},
    {BALTIC_CHARSET, "BALTIC_CHARSET"},
    {RUSSIAN_CHARSET, "RUSSIAN_CHARSET"},
    {THAI_CHARSET, "THAI_CHARSET"},
    {EASTEUROPE_CHARSET, "EASTEUROPE_CHARSET"},
    {OEM_CHARSET, "OEM_CHARSET"},
};

constexpr int32_t kDefaultPointSize = 8;

}  // namespace

bool CharsetToIdent(int32_t Charset, std::string& Ident) { return identmap::ToIdent(kCharsets, Charset, Ident); }

bool IdentToCharset(std::string_view Ident, int32_t& Charset) { return identmap::ToValue(kCharsets, Ident, Charset); }

TFont::TFont() : FPixelsPerInch(ScreenPixelsPerInch()), FHeight(-MulDiv(kDefaultPointSize, FPixelsPerInch, 72)) {}

void TFont::Destroy() {
  FAdapter.Set(nullptr);
  inherited::Destroy();
}

void TFont::Changed() {
  inherited::Changed();
  FAdapter.Notify();
}

void TFont::Assign(TPersistent* Source) {
  auto* font = dynamic_cast<TFont*>(Source);
  if (!font) return inherited::Assign(Source);
  Modify(true, [&] {
    FCharset = font->FCharset;
    FColor = font->FColor;
    FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight : -MulDiv(font->GetSize(), FPixelsPerInch, 72);
    FName = font->FName;
    FPitch = font->FPitch;
    FStyle = font->FStyle;
  });
}

void TFont::SetHandle(HFONT Value) {
  TLogFont log;
  if (!WidgetSet().GetLogFont(Value, log)) throw EInvalidGraphicOperation("Handle %u is not a font", {Value});
  Modify(false, [&] {
    AdoptHandle(Value);
    FHeight = log.Height;
    FName = log.FaceName;
    FCharset = static_cast<TFontCharset>(log.CharSet);
    FPitch = log.Pitch == FIXED_PITCH ? fpFixed : log.Pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
    FStyle = {};
    if (log.Weight >= FW_BOLD) FStyle.Include(fsBold);
    if (log.Italic) FStyle.Include(fsItalic);
    if (log.Underline) FStyle.Include(fsUnderline);
    if (log.StrikeOut) FStyle.Include(fsStrikeOut);
  });
}

void TFont::SetPixelsPerInch(int32_t Value) {
  if (Value <= 0) throw EInvalidGraphicOperation("Pixels per inch must be positive (%d)", {Value});
  FPixelsPerInch = Value;
}

void TFont::SetCharset(TFontCharset Value) { Change(FCharset, Value, true); }
void TFont::SetColor(TColor Value) { Change(FColor, Value, false); }
void TFont::SetHeight(int32_t Value) { Change(FHeight, Value, true); }
void TFont::SetName(const std::string& Value) { Change(FName, Value, true); }
void TFont::SetPitch(TFontPitch Value) { Change(FPitch, Value, true); }
void TFont::SetStyle(TFontStyles Value) { Change(FStyle, Value, true); }

int32_t TFont::GetSize() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }

void TFont::SetSize(int32_t Value) { SetHeight(-MulDiv(Value, FPixelsPerInch, 72)); }

TLogFont TFont::LogFont() const {
  TLogFont log;
  log.Height = FHeight;
  log.Weight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  log.Italic = FStyle.Contains(fsItalic);
  log.Underline = FStyle.Contains(fsUnderline);
  log.StrikeOut = FStyle.Contains(fsStrikeOut);
  log.CharSet = FCharset;
  log.Pitch = FPitch == fpFixed ? FIXED_PITCH : FPitch == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  log.FaceName = FName;
  return log;
}

THandle TFont::CreateHandle() { return WidgetSet().CreateFontIndirect(LogFont()); }

// ------------------------------------------------------------------- TPen

int32_t PenModeToRop2(TPenMode Mode) {
  static constexpr int32_t rop2[] = {R2_BLACK,       R2_WHITE,      R2_NOP,         R2_NOT,
                                     R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                     R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                     R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,      R2_NOTXORPEN};
  return Mode <= pmNotXor ? rop2[Mode] : R2_COPYPEN;
}

void TPen::Assign(TPersistent* Source) {
  auto* pen = dynamic_cast<TPen*>(Source);
  if (!pen) return inherited::Assign(Source);
  Modify(true, [&] {
    FColor = pen->FColor;
    FMode = pen->FMode;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
  });
}

void TPen::SetHandle(HPEN Value) {
  TLogPen log;
  if (!WidgetSet().GetLogPen(Value, log)) throw EInvalidGraphicOperation("Handle %u is not a pen", {Value});
  Modify(false, [&] {
    AdoptHandle(Value);
    FColor = static_cast<TColor>(log.Color);
    FStyle = static_cast<TPenStyle>(log.Style <= PS_INSIDEFRAME ? log.Style : PS_SOLID);
    FWidth = log.Width;
  });
}

void TPen::SetColor(TColor Value) { Change(FColor, Value, true); }
void TPen::SetMode(TPenMode Value) { Change(FMode, Value, false); }
void TPen::SetStyle(TPenStyle Value) { Change(FStyle, Value, true); }

void TPen::SetWidth(int32_t Value) {
  if (Value < 0) throw EInvalidGraphicOperation("Pen width cannot be negative (%d)", {Value});
  Change(FWidth, Value, true);
}

THandle TPen::CreateHandle() {
  return WidgetSet().CreatePenIndirect(TLogPen{FStyle, FWidth, static_cast<COLORREF>(ColorToRGB(FColor))});
}

// ----------------------------------------------------------------- TBrush

namespace {

// The brushes that paint with each bitmap, so that a bitmap being freed
// leaves them (a brush must not make its next handle from a freed bitmap).
// Never destroyed: objects may be freed after the static destructors ran.
struct TPatternUsers {
  std::mutex Lock;
  std::multimap<const TObject*, TBrush*> Users;
  std::atomic<std::size_t> Count{0};  // Users.size(), read without the lock
};

TPatternUsers& PatternUsers() {
  static auto* const users = new TPatternUsers;
  return *users;
}

}  // namespace

void TBrush::SetPattern(TBitmap* Value) {
  if (Value == FBitmap) return;
  TPatternUsers& p = PatternUsers();
  std::lock_guard<std::mutex> guard(p.Lock);
  if (FBitmap) {
    auto [first, last] = p.Users.equal_range(FBitmap);
    for (auto it = first; it != last; ++it)
      if (it->second == this) {
        p.Users.erase(it);
        break;
      }
  }
  if (Value) {
    static const bool observing = (AddFreeObserver(&TBrush::PatternFreed), true);
    (void)observing;
    p.Users.emplace(Value, this);
  }
  p.Count = p.Users.size();
  FBitmap = Value;
}

void TBrush::PatternFreed(TObject* Obj) {
  TPatternUsers& p = PatternUsers();
  if (p.Count == 0) return;
  std::lock_guard<std::mutex> guard(p.Lock);
  auto [first, last] = p.Users.equal_range(Obj);
  // The handle made from the bitmap holds a copy of its pixels and stays.
  for (auto it = first; it != last; ++it) it->second->FBitmap = nullptr;
  p.Users.erase(first, last);
  p.Count = p.Users.size();
}

void TBrush::Destroy() {
  SetPattern(nullptr);
  inherited::Destroy();
}

void TBrush::Assign(TPersistent* Source) {
  auto* brush = dynamic_cast<TBrush*>(Source);
  if (!brush) return inherited::Assign(Source);
  Modify(true, [&] {
    SetPattern(brush->FBitmap);
    FColor = brush->FColor;
    FStyle = brush->FStyle;
  });
}

void TBrush::SetHandle(HBRUSH Value) {
  TLogBrush log;
  if (!WidgetSet().GetLogBrush(Value, log)) throw EInvalidGraphicOperation("Handle %u is not a brush", {Value});
  static constexpr TBrushStyle hatches[] = {bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross};
  Modify(false, [&] {
    AdoptHandle(Value);
    SetPattern(nullptr);
    FColor = static_cast<TColor>(log.Color);
    FStyle = log.Style == BS_NULL                                   ? bsClear
             : log.Style == BS_HATCHED && log.Hatch <= HS_DIAGCROSS ? hatches[log.Hatch]
                                                                    : bsSolid;
  });
}

void TBrush::SetBitmap(TBitmap* Value) {
  if (Value == FBitmap && FColor == clWhite && FStyle == bsSolid) return;
  Modify(true, [&] {
    SetPattern(Value);
    FColor = clWhite;
    FStyle = bsSolid;
  });
}

void TBrush::SetColor(TColor Value) {
  const TBrushStyle style = FStyle == bsClear ? bsSolid : FStyle;
  if (Value == FColor && style == FStyle) return;
  Modify(true, [&] {
    FColor = Value;
    FStyle = style;
  });
}

void TBrush::SetStyle(TBrushStyle Value) { Change(FStyle, Value, true); }

THandle TBrush::CreateHandle() {
  TLogBrush log;
  log.Color = static_cast<COLORREF>(ColorToRGB(FColor));
  if (FBitmap && !FBitmap->GetEmpty()) {
    log.Style = BS_PATTERN;
    log.Pattern = FBitmap->GetHandle();
  } else if (FStyle == bsClear) {
    log.Style = BS_NULL;
  } else if (FStyle != bsSolid) {
    log.Style = BS_HATCHED;
    log.Hatch = static_cast<uint32_t>(FStyle - bsHorizontal);
  }
  return WidgetSet().CreateBrushIndirect(log);
}

}  // namespace host
