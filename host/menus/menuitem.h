// TMenuItem, the items of menus, and TMenuActionLink, which ties an item to
// an action.
//
// Items form a tree: a menu's Items is the root; an item with items shows
// them as its submenu. An item keeps all its state itself; once the menu has
// a widgetset handle, each item has one too and every change reaches it
// (cache in the object, push to the handle).
//
// Bad indexes raise EMenuError "Menu index out of range (<n>)"; inserting an
// item that already has a parent raises EMenuError "Menu inserted twice"; a
// failing call changes nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/actnlist/action.h"
#include "host/classes/component.h"
#include "host/menus/menutypes.h"
#include "host/widgetset/wsmenus.h"

namespace host {

class TBitmap;
class TMenu;
class TMenuActionLink;

class TMenuItem : public TComponent {
  HOST_CLASS(TMenuItem, TComponent)
  using TCreateArg = TComponent;

  explicit TMenuItem(TComponent* AOwner);

  // ---------------------------------------------------------------- tree
  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  TMenuItem* GetItems(int32_t Index) const;
  TMenuItem* GetParent() const { return FParent; }
  void Add(TMenuItem* Item);
  // Index 0..Count. An item inserted after items of a higher GroupIndex
  // takes theirs; the items after it rise to its GroupIndex.
  void Insert(int32_t Index, TMenuItem* Item);
  // Takes the item out of this one (without freeing it).
  void Delete(int32_t Index);
  // Raises EMenuError "Sub-menu is not in menu" when Item is not here.
  void Remove(TMenuItem* Item);
  // Frees every item.
  void Clear();
  int32_t IndexOf(const TMenuItem* Item) const;
  // The item whose caption is ACaption, compared without '&' and without
  // regard to case; null when none is.
  TMenuItem* Find(const std::string& ACaption) const;
  // Position in the parent (-1 without one); setting it moves the item,
  // clamped to the parent's items.
  int32_t GetMenuIndex() const;
  void SetMenuIndex(int32_t Value);
  // The menu at the root of the item's tree; null when there is none.
  TMenu* GetParentMenu() const;
  // Whether the item is a separator line (Caption "-").
  bool IsLine() const { return FCaption == cLineCaption; }
  // The items a handle of this item shows: its own merged by GroupIndex
  // with those of the menu merged into it (TMainMenu::Merge). Items of a
  // GroupIndex the merged menu has are replaced by the merged menu's.
  std::vector<TMenuItem*> GetMergedItems() const;

  // ---------------------------------------------------------- behaviour
  // What choosing the item does: nothing when disabled; otherwise an
  // AutoCheck item toggles Checked (a radio item checks), then OnClick runs
  // or, without one, the item's action executes.
  virtual void Click();
  // Updates the item's action (its state then reaches the item).
  void InitiateAction();
  // The same for every item of this one.
  void InitiateActions();
  // Owner drawing: OnAdvancedDrawItem, else OnDrawItem when the menu is
  // owner-drawn; else the item draws itself (image, check, caption, short
  // cut) in the menu colours.
  virtual void AdvancedDrawItem(TCanvas* ACanvas, TRect ARect, TOwnerDrawState State, bool TopLevel);
  virtual void DrawItem(TCanvas* ACanvas, TRect ARect, bool Selected);
  // The size the item needs (its image, caption and short cut), then
  // OnMeasureItem may change it.
  virtual void MeasureItem(TCanvas* ACanvas, int32_t& Width, int32_t& Height);

  // --------------------------------------------------------- properties
  TBasicAction* GetAction() const;
  void SetAction(TBasicAction* Value);
  TMenuActionLink* GetActionLink() const { return FActionLink; }
  // Gives the item another link (made for this item; null: none). The item
  // owns its link: the one it had is freed, and it follows Value's action.
  // A link made for another item raises EMenuError.
  void SetActionLink(TMenuActionLink* Value);
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value);
  // A picture shown beside the caption when the menu has no image for the
  // item; made when first asked for.
  TBitmap* GetBitmap();
  void SetBitmap(TBitmap* Value);
  bool HasBitmap() const;
  TMenuBreak GetBreak() const { return FBreak; }
  void SetBreak(TMenuBreak Value);
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool GetChecked() const { return FChecked; }
  // Checking a radio item unchecks the radio items of its group among its
  // siblings.
  void SetChecked(bool Value);
  // The identifier WM_COMMAND names the item by (unique while it lives).
  uint16_t GetCommand() const { return FCommand; }
  bool GetDefault() const { return FDefault; }
  // Only one item of a menu is the default: setting one clears the others.
  void SetDefault(bool Value);
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  uint8_t GetGroupIndex() const { return FGroupIndex; }
  // Raises EMenuError when Value is less than an earlier sibling's
  // GroupIndex; later siblings rise to Value.
  void SetGroupIndex(uint8_t Value);
  // The widgetset handle (made with the menu's; 0 before).
  HMENU GetHandle() const { return FHandle; }
  int32_t GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value);
  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value);
  TImageIndex GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(TImageIndex Value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);

  // Whether a property follows the action (then form files leave it out).
  bool IsCaptionStored() const;
  bool IsCheckedStored() const;
  bool IsEnabledStored() const;
  bool IsHelpContextStored() const;
  bool IsHintStored() const;
  bool IsImageIndexStored() const;
  bool IsShortCutStored() const;
  bool IsVisibleStored() const;
  bool IsBitmapStored() const { return HasBitmap(); }

  // ---------------------------------------------------------- streaming
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 protected:
  ~TMenuItem() override = default;
  void Destroy() override;
  // Copies the action's properties (with CheckDefaults only those the item
  // still has at their defaults).
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // Tells the parent (and so the menu) that the item changed; Rebuild when
  // the items shown changed.
  void MenuChanged(bool Rebuild);

 private:
  friend class TMenu;
  friend class TMainMenu;
  void DoActionChange(TObject* Sender);
  void TurnSiblingsOff();
  void VerifyGroupIndex(int32_t Position, uint8_t Value);
  void CheckInsert(int32_t Index, TMenuItem* Item) const;
  void SubItemChanged(TMenuItem* Source, bool Rebuild);
  template <class T>
  void ChangeProperty(T& Field, const T& Value);
  bool IsTopLevel() const;
  // handles (menuitemhandle.cc)
  TWSMenuItemInfo HandleInfo() const;
  void HandleNeeded();
  void PopulateHandle();
  void RebuildHandle();
  void UpdateHandle();
  void UpdateHandles();
  void DestroyHandle();
  void MergeWith(TMenuItem* Menu);
  // drawing (menudraw.cc)
  void DrawDefault(TCanvas* ACanvas, TRect ARect, bool Selected, bool TopLevel);
  int32_t GlyphWidth(bool TopLevel) const;

  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
  TMenu* FMenu = nullptr;            // set on a menu's root item
  TMenuItem* FMerged = nullptr;      // the root merged into this root
  TMenuItem* FMergedWith = nullptr;  // the root this root is merged into
  HMENU FHandle = 0;
  uint16_t FCommand = 0;
  bool FStreamedRebuild = false;
  TMenuActionLink* FActionLink = nullptr;
  TBitmap* FBitmap = nullptr;
  bool FAutoCheck = false;
  TMenuBreak FBreak = mbNone;
  std::string FCaption;
  bool FChecked = false;
  bool FDefault = false;
  bool FEnabled = true;
  uint8_t FGroupIndex = 0;
  int32_t FHelpContext = 0;
  std::string FHint;
  TImageIndex FImageIndex = -1;
  bool FRadioItem = false;
  TShortCut FShortCut = scNone;
  bool FVisible = true;
};

// The link of a menu item to its action: the item follows each property of
// the action as long as it still shows the action's value.
class TMenuActionLink : public TActionLink {
  HOST_CLASS(TMenuActionLink, TActionLink)

  // AClient must be a TMenuItem; anything else raises EMenuError.
  explicit TMenuActionLink(TObject* AClient);
  // The item the link serves.
  TMenuItem* GetClient() const { return FClient; }

  bool IsAutoCheckLinked() override;
  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsGroupIndexLinked() override;
  bool IsHelpContextLinked() override;
  bool IsHintLinked() override;
  bool IsImageIndexLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  // The item runs the action itself; its OnClick stays its own.
  bool IsOnExecuteLinked() override { return false; }

 protected:
  ~TMenuActionLink() override = default;
  void SetAutoCheck(bool Value) override;
  void SetCaption(const std::string& Value) override;
  void SetChecked(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetGroupIndex(int32_t Value) override;
  void SetHelpContext(THelpContext Value) override;
  void SetHint(const std::string& Value) override;
  void SetImageIndex(TImageIndex Value) override;
  void SetShortCut(TShortCut Value) override;
  void SetVisible(bool Value) override;

 private:
  template <class T>
  bool Follows(T (TMenuItem::*ItemValue)() const, T (TCustomAction::*ActionValue)() const);
  TMenuItem* FClient;
};

}  // namespace host
