// The menus of the headless widgetset: a tree of menu and item handles in
// memory, one pop-up menu open at a time, and a robot that works a menu the
// way a user would.
//
// Showing a pop-up menu sends WM_INITMENUPOPUP for it, then records it as
// the open pop-up. When it has owner-drawn items, the backend lays the
// visible items out top to bottom, asking the host for each owner-drawn
// item's size (WM_MEASUREITEM) and having it drawn (WM_DRAWITEM) into a
// bitmap that a test can read (TShownPopup::Image); other items keep the
// menu colour there. The robot chooses items by their captions: opening a
// submenu on the way sends WM_INITMENUPOPUP for it, choosing the item sends
// WM_COMMAND with its command, as a real menu would.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/widgetset/wsgraphics.h"
#include "host/widgetset/wsmenus.h"

namespace host::headless {

// Shows the open pop-up menu somewhere outside the backend (a toolkit's
// real menu). The person's choice comes back through ChoosePopupItem, so it
// runs the same code as the robot's.
class TMenuPresenter {
 public:
  virtual ~TMenuPresenter() = default;
  // Menu opened at the screen point At (WM_INITMENUPOPUP already went out).
  virtual void PopupShown(HMENU Menu, TPoint At) = 0;
  // The open pop-up closed: chosen, closed, replaced or destroyed.
  virtual void PopupClosed() = 0;
};

class THeadlessMenus : public TWSMenus {
 public:
  // The device contexts and bitmaps of owner-drawn pop-ups come from Graphics.
  explicit THeadlessMenus(TWSGraphics& Graphics) : FGraphics(Graphics) {}
  THeadlessMenus(const THeadlessMenus&) = delete;
  THeadlessMenus& operator=(const THeadlessMenus&) = delete;

  HMENU CreateMenu(TWSMenuKind Kind, TObject* Receiver) override;
  HMENU CreateMenuItem(const TWSMenuItemInfo& Info) override;
  bool InsertMenuItem(HMENU Parent, HMENU Item, int32_t Position) override;
  bool RemoveMenuItem(HMENU Item) override;
  bool DestroyMenu(HMENU Menu) override;
  bool GetMenuItemInfo(HMENU Item, TWSMenuItemInfo& Info) override;
  bool SetMenuItemInfo(HMENU Item, const TWSMenuItemInfo& Info) override;
  int32_t GetMenuItemCount(HMENU Menu) override;
  HMENU GetMenuItem(HMENU Menu, int32_t Position) override;
  bool TrackPopupMenu(HMENU Menu, uint32_t Flags, int32_t X, int32_t Y) override;
  std::size_t MenuHandleCount() const override { return FNodes.size(); }

  // ------------------------------------------------------------ the robot
  struct TShownPopup {
    HMENU Menu = 0;
    uint32_t Flags = 0;
    TPoint Point;
    // The visible items as laid out, and the bitmap the owner-drawn ones
    // were drawn into (0 when no item is owner-drawn).
    std::vector<TRect> ItemRects;
    HBITMAP Image = 0;
  };
  // The pop-up menu showing now; null when none is.
  const TShownPopup* OpenPopup() const { return FPopup ? &*FPopup : nullptr; }
  // How many pop-up menus were shown since the backend started.
  int32_t PopupCount() const { return FPopupCount; }
  // Chooses an item of the open pop-up menu. Path names it by the captions
  // from the pop-up's items down, separated by '|' ("Edit|Paste Special"),
  // compared without '&' and without regard to case; only visible items
  // count. Every submenu on the way opens (WM_INITMENUPOPUP), then the
  // pop-up closes and the item is chosen (WM_COMMAND). Returns false, and
  // chooses nothing, when the item or an item on the way is disabled or the
  // item opens a submenu; raises EInvalidOperation when no pop-up is open or
  // Path names no visible item.
  bool ChoosePopupItem(std::string_view Path);
  // The same in a menu bar, starting with one of its items.
  bool ChooseMenuItem(HMENU MenuBar, std::string_view Path);
  // Draws the open pop-up's owner-drawn items again, the one named by
  // Caption (one of the pop-up's own items) as selected (ODS_SELECTED), as
  // when the mouse rests on it. Raises like ChoosePopupItem.
  void HoverPopupItem(std::string_view Caption);
  // Closes the open pop-up menu without choosing (Escape).
  void ClosePopup();
  // The captions of the visible items of a menu or item, in order.
  std::vector<std::string> VisibleCaptions(HMENU Menu) const;
  // The visible items of a menu or item, in order.
  std::vector<HMENU> VisibleItems(HMENU Menu) const;
  // The presenter told about the open pop-up (borrowed; null for none).
  // Returns the one it replaces.
  TMenuPresenter* SetPresenter(TMenuPresenter* Presenter) { return std::exchange(FPresenter, Presenter); }

 private:
  struct TNode {
    bool IsMenu = false;
    TWSMenuKind Kind = wmkPopupMenu;
    TObject* Receiver = nullptr;  // menus only
    TWSMenuItemInfo Info;         // items only
    HMENU Parent = 0;
    std::vector<HMENU> Items;
  };
  TNode* Find(HMENU Handle);
  const TNode* Find(HMENU Handle) const;
  TNode* FindItem(HMENU Handle);
  void Detach(HMENU Item);
  bool Contains(HMENU Ancestor, HMENU Handle) const;
  // The root menu of a handle and its receiver.
  HMENU RootOf(HMENU Handle) const;
  // Sends a message to the receiver of Root; false when Root is gone.
  bool Send(HMENU Root, TMessage& Message);
  HMENU FindVisibleItem(HMENU Menu, std::string_view Caption, std::string_view Path) const;
  bool Choose(HMENU Root, std::string_view Path);
  bool OpenSubmenu(HMENU Root, HMENU Item);
  // Lays the open pop-up out and draws its owner-drawn items.
  void Render(HMENU Selected);
  void Layout(HDC DC, const std::vector<HMENU>& Items, std::vector<TSize>& Sizes);
  void Paint(HDC DC, const std::vector<HMENU>& Items, const std::vector<TRect>& Rects, HMENU Selected);
  void FreeImage();

  TWSGraphics& FGraphics;
  std::unordered_map<HMENU, TNode> FNodes;
  std::optional<TShownPopup> FPopup;
  int32_t FPopupCount = 0;
  TMenuPresenter* FPresenter = nullptr;
};

}  // namespace host::headless
