// The list group of the stdctrls unit: list boxes and combo boxes, and the
// item list with its selection that both keep their items in.
//
// Both are list controls (TCustomListControl), windowed controls that
// paint themselves on their Canvas: the standard way (a selected item on
// the highlight colour, the focus rectangle round the current item of a
// focused list box), or through OnDrawItem when the style is owner-drawn.
// A list box lays its items out one under the other from TopIndex, or,
// with Columns, top to bottom in columns as high as the client area
// (ClientHeight / ItemHeight rows) and ClientWidth / Columns wide, TopIndex
// being the first item of the first column shown.
//
// Items are a TStrings (a TListItemStrings) the control follows: inserting
// and deleting items moves the current item and the selection with them
// (deleting the current item leaves none), sorting keeps the selected items
// selected, clearing forgets the selection.
//
// Bad input, the classic way, changes nothing:
//  - ItemIndex set outside -1..Count-1 is ignored (the classic control
//    refuses the index and keeps its selection); so are a TopIndex outside
//    0..Count-1, an ItemHeight below 1, Columns below 0 and a DropDownCount
//    below 1.
//  - Selected[i] outside 0..Count-1 raises EListError "List index out of
//    bounds (%d)"; Items[i] raises EStringListError with the same text.
//  - SelCount of a single-selection list box is -1, as the classic says.
//
// OnClick of a list box fires when the user changes the selection (a click
// on an item, a navigation key, a typed letter), not when code sets
// ItemIndex (the classic control tells its owner about changes made by the
// user only). A combo box fires OnChange when the user changes its text,
// and OnChange, OnClick and OnSelect (in this order) when the user chooses
// another item.
//
// The edit part of a combo box (csDropDown, csSimple) selects its whole
// text when the combo box gets the focus and when the user chooses an
// item; a typed character replaces the
// selection at the caret (SelStart), Backspace deletes the selection or
// the character before the caret, Ctrl+A selects the whole text.
//
// The drop-down list of a combo box is a list box of its own in a
// top-level window (no parent) placed under the combo box in screen
// coordinates while DroppedDown; it copies the combo box's items when it
// opens, never takes the focus, and a click on one of its items chooses
// that item and closes it. It opens only while the combo box is showing
// in its window.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controls.h"
#include "host/menus/menutypes.h"
#include "host/stdctrls/texts.h"

namespace host {

enum TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };
HOST_ENUM_INFO(TListBoxStyle, "lbStandard", "lbOwnerDrawFixed", "lbOwnerDrawVariable")

enum TComboBoxStyle : uint8_t { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };
HOST_ENUM_INFO(TComboBoxStyle, "csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable")

// Control, the item's index, its rectangle in the control's client area
// (the control's Canvas draws there), its state.
using TDrawItemEvent = TEvent<TWinControl*, int32_t, TRect, TOwnerDrawState>;
// Control, the item's index, its height to set.
using TMeasureItemEvent = TEvent<TWinControl*, int32_t, int32_t&>;

// Told by a TListItemStrings after its items changed.
class IListItemsOwner {
 public:
  virtual void ItemsChanged() = 0;

 protected:
  ~IListItemsOwner() = default;
};

// ---------------------------------------------------------- TListItemStrings

// A string list that also keeps which items are selected and which one is
// the current item (ItemIndex), moved along with the items.
class TListItemStrings : public TStringList {
  HOST_CLASS(TListItemStrings, TStringList)

  TListItemStrings() = default;
  void SetOwner(IListItemsOwner* Owner) { FOwner = Owner; }

  int32_t GetItemIndex() const { return FItemIndex; }
  // Index -1..Count-1 becomes the current item (with SelectIt, the only
  // selected one); false, changing nothing, for another index.
  bool SetItemIndex(int32_t Index, bool SelectIt);
  // Raise EListError "List index out of bounds (%d)" outside 0..Count-1.
  bool GetSelected(int32_t Index) const;
  void SetSelected(int32_t Index, bool Value);
  int32_t GetSelCount() const;
  void ClearSelection();
  void SelectAll();
  // Selects exactly the items from From to To (in either order).
  void SelectRange(int32_t From, int32_t To);
  // Where a range selection starts (-1: none).
  int32_t GetAnchor() const { return FAnchor; }
  void SetAnchor(int32_t Index) { FAnchor = Index; }
  // The first item after After (wrapping round, After itself last) whose
  // text starts with Prefix, compared without regard to case; -1 when none.
  int32_t FindPrefix(std::string_view Prefix, int32_t After) const;
  // The current item and the selection, to tell whether a change of the
  // user changed them.
  std::vector<int32_t> SelectionState() const;

  int32_t AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int32_t Index, const std::string& S, TObject* AObject) override;
  void Clear() override;
  void Delete(int32_t Index) override;
  void Exchange(int32_t Index1, int32_t Index2) override;
  void Move(int32_t CurIndex, int32_t NewIndex) override;
  // Sorts with the selected items staying selected.
  void CustomSort(TStringListSortCompare Compare) override;

 protected:
  ~TListItemStrings() override = default;
  void Changed() override;
  void Restore(std::vector<TStringItem>&& Items) override;

 private:
  void CheckSelIndex(int32_t Index) const;
  void Inserted(int32_t Index);
  // Puts items and flags in the order Order gives (new position -> old index).
  void Reorder(const std::vector<int32_t>& Order);
  std::vector<uint8_t> FSelected;
  int32_t FItemIndex = -1;
  int32_t FAnchor = -1;
  IListItemsOwner* FOwner = nullptr;
};

// The item a navigation key moves to from Current among Count items with
// PageSize items to a page: Up, Down, Home, End, Page Up, Page Down (kept
// within 0..Count-1); -2 for another key, -1 when there are no items.
int32_t NavigateIndex(uint16_t Key, int32_t Current, int32_t Count, int32_t PageSize);
// Draws an item the standard way on Canvas: its background (the highlight
// colour when selected, Color otherwise) and its text.
void DrawStandardItem(TCanvas* Canvas, const TRect& Rect, const std::string& Text, TOwnerDrawState State, TColor Color);

// -------------------------------------------------------- TCustomListControl

// What list and combo boxes share: their items with the selection, the
// item height, and drawing and measuring items (through OnDrawItem and
// OnMeasureItem when the control draws its items itself).
class TCustomListControl : public TCustomControl, public IListItemsOwner {
  HOST_CLASS(TCustomListControl, TCustomControl)
  using TCreateArg = TComponent;

  explicit TCustomListControl(TComponent* AOwner);

  TStrings* GetItems() const { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int32_t GetItemIndex() const { return FItems->GetItemIndex(); }
  virtual void SetItemIndex(int32_t Value) = 0;
  bool GetSorted() const { return FItems->GetSorted(); }
  void SetSorted(bool Value) { FItems->SetSorted(Value); }
  int32_t GetItemHeight() const { return FItemHeight; }
  void SetItemHeight(int32_t Value);
  // ItemIndex as a form file gives it: taken once the items are read too
  // (the later libraries' files hold ItemIndex before Items).
  void SetStreamedItemIndex(int32_t Value);
  // Whether the owner draws the items (and ItemHeight is published).
  virtual bool IsOwnerDraw() const = 0;
  // ItemHeight is written for items the owner draws, or when the form file
  // the control was read from held it (the older libraries always wrote it).
  bool IsItemHeightStored() const;
  void Clear() { FItems->Clear(); }

  virtual void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State);
  virtual void MeasureItem(int32_t Index, int32_t& Height);

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  ~TCustomListControl() override = default;
  void Destroy() override;
  void Loaded() override;

  TListItemStrings* FItems = nullptr;
  int32_t FItemHeight = 16;
  int32_t FStreamedItemIndex = -1;
};

// ------------------------------------------------------------ TCustomListBox

class TCustomListBox : public TCustomListControl {
  HOST_CLASS(TCustomListBox, TCustomListControl)
  using TCreateArg = TComponent;

  explicit TCustomListBox(TComponent* AOwner) : TCustomListControl(AOwner) { SetBounds(0, 0, 121, 97); }

  // In a multi-selection list box the current item is the focused one, and
  // setting it leaves the selection alone.
  void SetItemIndex(int32_t Value) override;
  bool GetSelected(int32_t Index) const { return FItems->GetSelected(Index); }
  // Selecting an item of a single-selection list box makes it the current item.
  void SetSelected(int32_t Index, bool Value);
  int32_t GetSelCount() const;
  void ClearSelection();
  void SelectAll();

  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value) { FExtendedSelect = Value; }
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  int32_t GetColumns() const { return FColumns; }
  void SetColumns(int32_t Value);
  // bsSingle draws a one-pixel frame over the edge of the items' area.
  // IntegralHeight and TabWidth are kept for the form file only.
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value) {
    FBorderStyle = Value;
    Invalidate();
  }
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value) { FIntegralHeight = Value; }
  int32_t GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int32_t Value) { FTabWidth = Value; }
  int32_t GetTopIndex() const { return FTopIndex; }
  void SetTopIndex(int32_t Value);

  // The item at Pos (client coordinates); outside the items -1, or, when
  // not Existing and Pos is in the client area, Count.
  int32_t ItemAtPos(TPoint Pos, bool Existing);
  // The rectangle of an item in the client area (0..Count; Count gives the
  // place after the last item); an empty rectangle for another index.
  TRect ItemRect(int32_t Index);
  // Scrolls so that the item is shown whole.
  void MakeVisible(int32_t Index);
  bool IsOwnerDraw() const override { return FStyle != lbStandard; }

  void ItemsChanged() override;

 protected:
  ~TCustomListBox() override = default;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void DoEnter() override;
  void DoExit() override;
  // A click on the list box focuses it.
  virtual void TakeFocus();
  // The user moved to Index by key with Shift held: selects as the
  // selection mode says and fires OnClick when the selection changed.
  void UserSelect(int32_t Index, TShiftState Shift);

 private:
  void ApplySelection(int32_t Index, TShiftState Shift);
  void ToggleSelected(int32_t Index);
  int32_t NextTopIndex() { return FColumns > 0 ? FTopIndex + RowsPerColumn() : FTopIndex + 1; }
  int32_t HeightOf(int32_t Index);
  template <class F>
  int32_t ForShownItems(F&& Visit);
  int32_t RowsPerColumn();
  int32_t PageSize();
  TOwnerDrawState StateOf(int32_t Index);
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  TListBoxStyle FStyle = lbStandard;
  int32_t FColumns = 0;
  int32_t FTopIndex = 0;
  TBorderStyle FBorderStyle = bsSingle;
  bool FIntegralHeight = false;
  int32_t FTabWidth = 0;
  std::vector<int32_t> FHeights;  // measured heights of a variable owner-draw list box
};

class TListBox : public TCustomListBox {
  HOST_CLASS(TListBox, TCustomListBox)
  using TCreateArg = TComponent;
  explicit TListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

 protected:
  ~TListBox() override = default;
};

class TCustomComboBox;

// The drop-down list of a combo box: draws, measures and chooses through it.
class TComboDropDownList : public TCustomListBox {
  HOST_CLASS(TComboDropDownList, TCustomListBox)
  using TCreateArg = TComponent;
  explicit TComboDropDownList(TComponent* AOwner) : TCustomListBox(AOwner) {}
  TCustomComboBox* GetComboBox() const { return FComboBox; }
  void SetComboBox(TCustomComboBox* Value) { FComboBox = Value; }
  void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) override;
  void MeasureItem(int32_t Index, int32_t& Height) override;

 protected:
  ~TComboDropDownList() override = default;
  void Click() override;
  void TakeFocus() override {}
  // Frameless, above the others, never activated: the combo box keeps the
  // focus while its list is down.
  void CreateParams(TCreateParams& Params) override;

 private:
  TCustomComboBox* FComboBox = nullptr;
};

// ----------------------------------------------------------- TCustomComboBox

class TCustomComboBox : public TCustomListControl {
  HOST_CLASS(TCustomComboBox, TCustomListControl)
  using TCreateArg = TComponent;

  explicit TCustomComboBox(TComponent* AOwner);

  // The item's text becomes the text (-1: no text); fires no event.
  void SetItemIndex(int32_t Value) override;
  // Styles with an edit take any text (and select the item with that text,
  // if any); the list styles select the item with that text and ignore a
  // text no item has. Fires no event.
  void SetText(const std::string& Value) override;
  TComboBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TComboBoxStyle Value);
  // The most characters the user may type (0: no limit).
  int32_t GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t Value) { FMaxLength = Value < 0 ? 0 : Value; }
  int32_t GetDropDownCount() const { return FDropDownCount; }
  void SetDropDownCount(int32_t Value);
  bool IsOwnerDraw() const override { return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable; }
  bool GetDroppedDown() const;
  void SetDroppedDown(bool Value);
  // The list shown while dropped down; null before it first opens.
  TCustomListBox* GetDropDownList() const { return FList; }
  // The window of the edit part (the combo box's own window, in which the
  // edit is drawn; 0 for a list style or before the window exists) and of
  // the drop-down list (0 before it was shown).
  THandle GetEditHandle() const { return HasEdit() ? GetWindowHandle() : 0; }
  THandle GetListHandle() const;
  // The selection in the text: positions beyond the text are taken as its
  // end, below zero as its start. SelText replaces the selection through
  // SetText; SelectAll selects the whole text.
  int32_t GetSelStart() const;
  void SetSelStart(int32_t Value);
  int32_t GetSelLength() const;
  void SetSelLength(int32_t Value);
  std::string GetSelText() const;
  void SetSelText(const std::string& Value);
  void SelectAll();
  // Kept for the form file only: the text keeps the case it is given.
  TEditCharCase GetCharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value) { FCharCase = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

  void ItemsChanged() override;
  // Called by the drop-down list.
  void ListItemChosen(int32_t Index);

 protected:
  ~TCustomComboBox() override = default;
  void Destroy() override;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void DoEnter() override;
  void DoExit() override;
  virtual void Change();
  virtual void Select();
  virtual void DropDown();
  virtual void CloseUp();

 private:
  bool HasEdit() const { return FStyle == csDropDown || FStyle == csSimple; }
  TRect ButtonRect();
  void ChooseItem(int32_t Index);
  void EditText(const std::string& Value);
  void EditKey(char Key);
  void TypeSearch(char Key);
  void ShowList();
  void SyncList();
  TComboDropDownList* FList = nullptr;
  TComboBoxStyle FStyle = csDropDown;
  int32_t FMaxLength = 0;
  int32_t FDropDownCount = 8;
  std::string FTyped;  // what the user typed to search a list style's items
  int32_t FSelStart = 0, FSelLength = 0;
  TEditCharCase FCharCase = ecNormal;
};

class TComboBox : public TCustomComboBox {
  HOST_CLASS(TComboBox, TCustomComboBox)
  using TCreateArg = TComponent;
  explicit TComboBox(TComponent* AOwner) : TCustomComboBox(AOwner) {}

 protected:
  ~TComboBox() override = default;
};

// The classes of this group, in unit order.
std::span<const TClass> ListControlClasses();

}  // namespace host
