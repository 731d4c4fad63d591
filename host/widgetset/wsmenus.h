// The menu part of a widgetset: menu bars, pop-up menus and their items as
// handles, and showing a pop-up menu at a point.
//
// Host menus (host/menus) keep all their state themselves and build
// handles only when a menu is shown or attached (the handle tree mirrors
// the host's item tree: a menu holds items, an item with items shows them
// as its submenu). What the user does comes back as messages
// (wsmessages.h) to the receiver given when the menu was made: a submenu
// opening (WM_INITMENUPOPUP), owner-drawn items to measure and draw
// (WM_MEASUREITEM, WM_DRAWITEM) and the item chosen (WM_COMMAND with the
// item's command). So a click in a real menu, a click by a test robot and
// TMenuItem::Click called by code run the same host code.
//
// This class is also the neutral implementation for a backend without
// menus: every call fails (0 / false / -1) and host menus keep working
// without handles. Handles of the wrong kind or already destroyed are
// failures, never crashes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/widgetset/wsmessages.h"

namespace host {

class TObject;

enum TWSMenuKind : uint8_t { wmkMenuBar, wmkPopupMenu };

// Alignment of a pop-up menu to its point (TrackPopupMenu flags).
inline constexpr uint32_t TPM_LEFTALIGN = 0x0000;
inline constexpr uint32_t TPM_CENTERALIGN = 0x0004;
inline constexpr uint32_t TPM_RIGHTALIGN = 0x0008;
inline constexpr uint32_t TPM_LEFTBUTTON = 0x0000;
inline constexpr uint32_t TPM_RIGHTBUTTON = 0x0002;

// What a backend shows of one menu item.
struct TWSMenuItemInfo {
  std::string Caption;       // '&' marks the accelerator ("&&" is an ampersand); "-" is a separator line
  std::string ShortCutText;  // shown at the right ("Ctrl+S"); empty for none
  uint16_t Command = 0;      // reported by WM_COMMAND when the item is chosen
  bool Checked = false;
  bool Enabled = true;
  bool Visible = true;
  bool RadioItem = false;  // checked, it shows a dot instead of a tick
  bool Default = false;    // shown in bold
  bool OwnerDraw = false;  // measured and drawn by the host
  friend bool operator==(const TWSMenuItemInfo&, const TWSMenuItemInfo&) = default;
};

class TWSMenus {
 public:
  virtual ~TWSMenus() = default;

  // A menu bar or a pop-up menu whose messages go to Receiver (borrowed: the
  // host destroys the menu before the receiver goes).
  virtual HMENU CreateMenu(TWSMenuKind /*Kind*/, TObject* /*Receiver*/) { return 0; }
  // A menu item; it shows once inserted into a menu or into another item.
  virtual HMENU CreateMenuItem(const TWSMenuItemInfo& /*Info*/) { return 0; }
  // Puts Item at Position (0..count) among the items of Parent (a menu, or
  // an item whose submenu then holds it), taking it out of any other parent.
  // Fails for a position out of range, a menu as the item, and an item put
  // into itself or into one of its own items.
  virtual bool InsertMenuItem(HMENU /*Parent*/, HMENU /*Item*/, int32_t /*Position*/) { return false; }
  // Takes Item out of its parent; the item keeps its own items.
  virtual bool RemoveMenuItem(HMENU /*Item*/) { return false; }
  // Destroys a menu or an item: it leaves its parent, its items are taken
  // out (and stay), and a pop-up menu of it that is showing closes.
  virtual bool DestroyMenu(HMENU /*Menu*/) { return false; }

  virtual bool GetMenuItemInfo(HMENU /*Item*/, TWSMenuItemInfo& /*Info*/) { return false; }
  virtual bool SetMenuItemInfo(HMENU /*Item*/, const TWSMenuItemInfo& /*Info*/) { return false; }
  // One property at a time; the defaults go through Get/SetMenuItemInfo.
  virtual bool SetMenuItemCaption(HMENU Item, std::string_view Caption);
  virtual bool SetMenuItemShortCut(HMENU Item, std::string_view ShortCutText);
  virtual bool SetMenuItemChecked(HMENU Item, bool Checked);
  virtual bool SetMenuItemEnabled(HMENU Item, bool Enabled);
  virtual bool SetMenuItemVisible(HMENU Item, bool Visible);

  // The items of a menu or item, hidden ones included; -1 for a bad handle.
  virtual int32_t GetMenuItemCount(HMENU /*Menu*/) { return -1; }
  // The item at Position of a menu or item; 0 when there is none.
  virtual HMENU GetMenuItem(HMENU /*Menu*/, int32_t /*Position*/) { return 0; }

  // Shows a pop-up menu at the screen point (X, Y) with the TPM_ alignment
  // of Flags: first WM_INITMENUPOPUP for the menu itself goes to its
  // receiver, then the menu shows. The choice comes later as WM_COMMAND
  // (a backend may return before the user chooses). Showing a pop-up menu
  // closes the one showing before.
  virtual bool TrackPopupMenu(HMENU /*Menu*/, uint32_t /*Flags*/, int32_t /*X*/, int32_t /*Y*/) { return false; }

  // Menu handles alive; tests use it to find leaks.
  virtual std::size_t MenuHandleCount() const { return 0; }

 private:
  template <class F>
  bool ChangeInfo(HMENU Item, F&& Change);
};

}  // namespace host
