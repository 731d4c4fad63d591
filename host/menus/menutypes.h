// Types, events and message texts of the menus unit.
#pragma once

#include <cstdint>

#include "host/classes/typinfo.h"
#include "host/rtl/events.h"
#include "host/rtl/sets.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TCanvas;
class TMenuItem;

HOST_EXCEPTION(EMenuError, Exception)

inline constexpr char SMenuIndexError[] = "Menu index out of range (%d)";
inline constexpr char SMenuReinserted[] = "Menu inserted twice";
inline constexpr char SMenuNotFound[] = "Sub-menu is not in menu";
inline constexpr char SMenuInsertedIntoItself[] = "A menu item cannot be inserted into itself or one of its items";
inline constexpr char SGroupIndexTooLow[] = "GroupIndex cannot be less than a previous menu item's GroupIndex";
// The caption of a separator line.
inline constexpr char cLineCaption[] = "-";

enum TMenuBreak : uint8_t { mbNone, mbBreak, mbBarBreak };
HOST_ENUM_INFO(TMenuBreak, "mbNone", "mbBreak", "mbBarBreak")
enum TPopupAlignment : uint8_t { paLeft, paRight, paCenter };
HOST_ENUM_INFO(TPopupAlignment, "paLeft", "paRight", "paCenter")
enum TTrackButton : uint8_t { tbRightButton, tbLeftButton };
HOST_ENUM_INFO(TTrackButton, "tbRightButton", "tbLeftButton")
enum TFindItemKind : uint8_t { fkCommand, fkHandle, fkShortCut };
// The reading order of a menu's text (the controls share it).
enum TBiDiMode : uint8_t { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
HOST_ENUM_INFO(TBiDiMode, "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly")

enum TOwnerDrawStateItem : uint8_t {
  odSelected,
  odGrayed,
  odDisabled,
  odChecked,
  odFocused,
  odDefault,
  odHotLight,
  odInactive,
  odNoAccel,
  odNoFocusRect
};
using TOwnerDrawState = TSet<TOwnerDrawStateItem, 10>;

// Sender, the canvas to draw on, the item's rectangle, whether it is selected.
using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, bool>;
// The same with the whole state of the item.
using TAdvancedMenuDrawItemEvent = TEvent<TObject*, TCanvas*, TRect, TOwnerDrawState>;
// Sender, a canvas with the menu's font, the item's width and height to set.
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int32_t&, int32_t&>;
// Sender (the menu), the item that changed (null: the menu as a whole),
// whether the menu's structure changed.
using TMenuChangeEvent = TEvent<TObject*, TMenuItem*, bool>;

}  // namespace host
