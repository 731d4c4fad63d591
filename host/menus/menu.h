// TMenu and its two kinds: the menu bar of a form (TMainMenu, which other
// main menus can merge into) and the pop-up menu (TPopupMenu).
//
// A menu is the receiver of its widgetset handle's messages (Dispatch):
// WM_COMMAND clicks the item with that command, WM_INITMENUPOPUP clicks the
// item whose submenu opens (after updating the actions of its items), and
// WM_MEASUREITEM / WM_DRAWITEM have owner-drawn items measure and draw
// themselves on a canvas over the message's device context.
#pragma once

#include <cstdint>

#include "host/menus/menuitem.h"
#include "host/widgetset/wsmessages.h"

namespace host {

class TCustomImageList;
class TChangeLink;

class TMenu : public TComponent {
  HOST_CLASS(TMenu, TComponent)
  using TCreateArg = TComponent;

  explicit TMenu(TComponent* AOwner);

  // The root of the menu's items.
  TMenuItem* GetItems() const { return FItems; }
  // The widgetset handle of the menu, made with the handles of all its
  // items when first asked for (0 on a backend without menus).
  virtual HMENU GetHandle();
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  // The items are measured and drawn by the host: OwnerDraw is set or the
  // menu has Images.
  bool IsOwnerDraw() const { return FOwnerDraw || FImages; }
  // The reading order of the items. Changing it clears ParentBiDiMode; while
  // ParentBiDiMode is set the menu takes the mode its form passes down
  // (ParentBiDiModeChanged; bdLeftToRight until one does). A change fires
  // OnChange.
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  void ParentBiDiModeChanged(TBiDiMode ParentMode);
  // Whether the items read right to left (any mode but bdLeftToRight).
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  // The window the menu serves (the form's); 0 when none.
  THandle GetWindowHandle() const { return FWindowHandle; }
  void SetWindowHandle(THandle Value) { FWindowHandle = Value; }

  // The first item (depth first, merged items in their place) with the
  // command, handle or short cut Value; null when none has it.
  TMenuItem* FindItem(int32_t Value, TFindItemKind Kind) const;
  // Hands a key to the first enabled, visible item (with enabled, visible
  // parents) whose ShortCut it is: its parents are clicked from the top, as
  // opening them would, then the item. False when no such item takes it.
  bool IsShortCut(TWMKey& Message);
  // Clicks the item with command ACommand; false when none has it.
  bool DispatchCommand(uint16_t ACommand);
  // A submenu (or the pop-up menu itself) opens: updates the actions of its
  // items and clicks the item it belongs to.
  bool DispatchPopup(HMENU AHandle);
  // The help context of the item with the command (ByCommand) or handle
  // Value, or of its nearest parent that has one; 0 when none has.
  int32_t GetHelpContext(int32_t Value, bool ByCommand) const;
  // Answers WM_MENUCHAR: looks for the enabled items of Message.Menu whose
  // accelerator is the character, then for those whose caption starts with
  // it (both without regard to case); one such item is executed, of several
  // the first is selected; a disabled one alone closes the menu.
  void ProcessMenuChar(TWMMenuChar& Message);
  void Dispatch(void* Message) override;

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }
  void Loaded() override;

  TMenuChangeEvent OnChange;

 protected:
  ~TMenu() override = default;
  void Destroy() override;
  // What kind of handle the menu's root gets.
  virtual TWSMenuKind HandleKind() const { return wmkMenuBar; }
  // Fires OnChange (not while loading or being destroyed).
  virtual void MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild);
  // The items' handles take a new owner-draw state.
  void UpdateItems();

 private:
  friend class TMenuItem;
  void ImageListChange(TObject* Sender);
  void MeasureItem(TWMMeasureItem& Message);
  void DrawItem(TWMDrawItem& Message);
  TMenuItem* FindShortCutItem(TShortCut ShortCut) const;
  bool ClickWithParents(TMenuItem* Item, TShortCut ShortCut);

  TMenuItem* FItems;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageChangeLink;
  bool FOwnerDraw = false;
  TBiDiMode FBiDiMode = bdLeftToRight;
  TBiDiMode FParentMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  THandle FWindowHandle = 0;
};

class TMainMenu : public TMenu {
  HOST_CLASS(TMainMenu, TMenu)

  explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}

  // Shows Menu's items in this menu bar, merged by GroupIndex: an item of
  // Menu replaces this menu's items of the same GroupIndex, the others take
  // their place in GroupIndex order. Null undoes a merge.
  void Merge(TMainMenu* Menu);
  // Undoes the merge with Menu (nothing when another menu is merged).
  void Unmerge(TMainMenu* Menu);
  // The main menu merged into this one; null when none is.
  TMainMenu* GetMergedMenu() const;
  // Whether the form merges the menus of the forms it shows (kept for the
  // forms unit).
  bool GetAutoMerge() const { return FAutoMerge; }
  void SetAutoMerge(bool Value) { FAutoMerge = Value; }
  // A menu an embedded (OLE) server shows in this menu bar's place: while
  // it is set (not 0) it is the menu's Handle. Fires OnChange.
  void SetOle2MenuHandle(HMENU Handle);
  HMENU GetHandle() override;

 protected:
  ~TMainMenu() override = default;

 private:
  bool FAutoMerge = false;
  HMENU FOle2Menu = 0;
};

class TPopupMenu : public TMenu {
  HOST_CLASS(TPopupMenu, TMenu)

  explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

  // Fires OnPopup, then shows the menu through the widgetset with its
  // top-left corner (or, by Alignment, its top-right or top centre) at the
  // screen point (X, Y); with BiDiMode bdRightToLeft left and right swap.
  virtual void Popup(int32_t X, int32_t Y);
  // The component the menu was shown for (set by whoever shows it).
  TComponent* GetPopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value);
  // Where the menu was last shown.
  TPoint GetPopupPoint() const { return FPopupPoint; }
  TPopupAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
  // Whether a control shows the menu by itself on a right click.
  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TTrackButton GetTrackButton() const { return FTrackButton; }
  void SetTrackButton(TTrackButton Value) { FTrackButton = Value; }
  int32_t GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value) { FHelpContext = Value; }

  void Notification(TComponent* AComponent, TOperation Operation) override;

  TNotifyEvent OnPopup;

 protected:
  ~TPopupMenu() override = default;
  TWSMenuKind HandleKind() const override { return wmkPopupMenu; }
  // Fires OnPopup.
  virtual void DoPopup(TObject* Sender);

 private:
  TComponent* FPopupComponent = nullptr;
  TPoint FPopupPoint;
  TPopupAlignment FAlignment = paLeft;
  bool FAutoPopup = true;
  TTrackButton FTrackButton = tbRightButton;
  int32_t FHelpContext = 0;
};

}  // namespace host
