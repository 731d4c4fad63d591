// TListItem, TListItems and TListView: a list of items, each a caption
// with an optional small image and a pointer of the program's own (Data).
//
// The view lays its items out in cells as wide as the widest item: in
// vsList top to bottom, flowing into the next column when a column is full;
// in vsSmallIcon left to right, flowing into the next row. vsIcon and
// vsReport are accepted and drawn as vsList. The images of SmallImages are
// drawn before the captions. The view scrolls by whole columns (vsList) or
// rows (vsSmallIcon), so that MakeVisible and the keys can bring any item
// into sight, and the mouse wheel scrolls it a line a notch; it draws no
// scroll bars.
//
// Selection: a click selects the item under the mouse alone (a click
// beside the items selects none); with MultiSelect, Ctrl-click toggles an
// item and Shift-click selects the range from the last item clicked. The
// arrow keys, Home, End, Page Up and Page Down move the focused item and
// select it (Shift extends the range with MultiSelect). Each change of an
// item's state fires OnChange (ctState), then, when its selection changed,
// OnSelectItem; changes made by code fire them too, as in the classic
// control. A double click fires OnDblClick. Selected is the first selected
// item; HideSelection draws no highlight while the view is not focused.
//
// Captions are not edited in place, so ReadOnly (kept for form files and
// programs that ask) changes nothing the user can do.
//
// Between Items.BeginUpdate and EndUpdate the view neither redraws nor
// lays out; EndUpdate does both once.
//
// Bad input raises and changes nothing: an item index outside the items
// (Item[i], Insert, Delete) raises EListError "List index out of bounds
// (%d)"; an item of another view given as Selected or ItemFocused raises
// EInvalidOperation; a ViewStyle outside its enumeration raises
// EInvalidOperation.
//
// Form files: the items' captions and image indexes go as Items.Data, a
// list of caption and image index pairs (Data pointers are not streamed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/controls.h"

namespace host {

class TChangeLink;
class TCustomImageList;
class TCustomListView;
class TListItems;

enum TViewStyle : uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };
HOST_ENUM_INFO(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")
enum TItemChange : uint8_t { ctText, ctImage, ctState };
HOST_ENUM_INFO(TItemChange, "ctText", "ctImage", "ctState")

class TListItem : public TPersistent {
  HOST_CLASS(TListItem, TPersistent)
  explicit TListItem(TListItems* AOwner) : FOwner(AOwner) {}

  // The item's list (the classic Owner).
  TPersistent* GetOwner() override;
  TListItems* GetItems() const { return FOwner; }
  TCustomListView* GetListView() const;
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  void* GetData() const { return FData; }
  void SetData(void* Value) { FData = Value; }
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  int32_t GetIndex() const;
  bool GetSelected() const { return FSelected; }
  void SetSelected(bool Value);
  bool GetFocused() const;
  void SetFocused(bool Value);
  // Scrolls the view so that the item shows; with PartialOK an item already
  // partly in sight counts as shown.
  void MakeVisible(bool PartialOK);
  // Takes the item out of its list and frees it.
  void Delete();
  void Assign(TPersistent* Source) override;

 protected:
  ~TListItem() override = default;

 private:
  friend class TCustomListView;
  TListItems* FOwner;
  std::string FCaption;
  void* FData = nullptr;
  int32_t FImageIndex = -1;
  bool FSelected = false;
};

class TListItems : public TPersistent {
  HOST_CLASS(TListItems, TPersistent)
  explicit TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}

  // The list view (the classic Owner).
  TPersistent* GetOwner() override;
  TCustomListView* GetListView() const { return FOwner; }
  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  TListItem* GetItem(int32_t Index) const;
  void SetItem(int32_t Index, TListItem* Value) { GetItem(Index)->Assign(Value); }
  TListItem* Add() { return Insert(GetCount()); }
  // A new item at Index (0..Count).
  TListItem* Insert(int32_t Index);
  void Delete(int32_t Index);
  void Clear();
  int32_t IndexOf(const TListItem* Value) const;
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }
  // Replaces the items with copies of Source's (a TListItems).
  void Assign(TPersistent* Source) override;

 protected:
  ~TListItems() override = default;
  void Destroy() override { Clear(); }
  void DefineProperties(TFiler* Filer) override;

 private:
  friend class TCustomListView;
  void Remove(TListItem* Item);
  TCustomListView* FOwner;
  std::vector<TListItem*> FItems;
  int32_t FUpdateCount = 0;
};

// Sender, the item, whether it is selected now.
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
// Sender, the item, what changed.
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;

class TCustomListView : public TCustomControl {
  HOST_CLASS(TCustomListView, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomListView(TComponent* AOwner);

  TListItems* GetItems() const { return FItems; }
  void SetItems(TListItems* Value) { FItems->Assign(Value); }
  TViewStyle GetViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  TCustomImageList* GetSmallImages() const { return FSmallImages; }
  void SetSmallImages(TCustomImageList* Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  // The first selected item; setting one selects it alone (null: none).
  TListItem* GetSelected() const;
  void SetSelected(TListItem* Value);
  int32_t GetSelCount() const;
  void ClearSelection();
  TListItem* GetItemFocused() const { return FFocused; }
  void SetItemFocused(TListItem* Value);
  // The first column (vsList) or row (vsSmallIcon) in sight.
  int32_t GetTopLine() const { return FTopLine; }

  // The item at the client point; null beside the items.
  TListItem* GetItemAt(int32_t X, int32_t Y);
  // An item's cell in client coordinates (out of the client area when
  // scrolled out of sight).
  TRect ItemRect(const TListItem* Item);

  TLVSelectItemEvent OnSelectItem;
  TLVChangeEvent OnChange;

 protected:
  ~TCustomListView() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  virtual void Change(TListItem* Item, TItemChange Change);
  virtual void DoSelectItem(TListItem* Item, bool Selected);

 private:
  friend class TListItem;
  friend class TListItems;
  // Told by the items: an item came or went, or its look changed.
  void ItemsChanged();
  void ItemChanged(TListItem* Item, TItemChange What);
  void ItemRemoved(TListItem* Item);
  void ChangeSelected(TListItem* Item, bool Value);
  // Selects the items from First to Last (indexes, either order) and
  // deselects the others.
  void SelectOnly(int32_t First, int32_t Last);
  // The user moved to Item (by mouse or key) with Shift held.
  void UserSelect(TListItem* Item, TShiftState Shift, bool Toggle);
  void MakeItemVisible(const TListItem* Item, bool PartialOK);
  // Scrolls to the line Value, kept where the last line still shows.
  void ScrollTo(int32_t Value);
  void CheckOwnItem(const TListItem* Item) const;
  void Redraw();
  // The layout: cell size, items per column (vsList) or row, and how many
  // columns or rows are in sight.
  TSize CellSize();
  bool FlowsDown() const { return FViewStyle != vsSmallIcon; }
  int32_t PerLine();
  int32_t LinesShown();
  void PaintItem(TListItem* Item, const TRect& Cell);

  TListItems* FItems = nullptr;
  TViewStyle FViewStyle = vsIcon;
  TCustomImageList* FSmallImages = nullptr;
  TChangeLink* FImageLink = nullptr;
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FHideSelection = true;
  TListItem* FFocused = nullptr;
  TListItem* FAnchor = nullptr;
  int32_t FTopLine = 0;
  int32_t FCellWidth = -1;  // -1: measured again when next needed
};

class TListView : public TCustomListView {
  HOST_CLASS(TListView, TCustomListView)
  using TCreateArg = TComponent;
  explicit TListView(TComponent* AOwner) : TCustomListView(AOwner) {}

 protected:
  ~TListView() override = default;
};

}  // namespace host
