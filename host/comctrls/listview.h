// TListItem, TListItems and TListView: a list of items, each a caption
// with an optional small image, sub-items (the texts of the report view's
// further columns), a check mark and a pointer of the program's own (Data).
//
// The view lays its items out in cells as wide as the widest item: in
// vsList top to bottom, flowing into the next column when a column is full;
// in vsSmallIcon left to right, flowing into the next row. vsIcon is
// accepted and drawn as vsList. The images of SmallImages are drawn before
// the captions. The view scrolls by whole columns (vsList) or rows
// (vsSmallIcon, vsReport), so that MakeVisible and the keys can bring any
// item into sight, and the mouse wheel scrolls it a line a notch; it draws
// no scroll bars.
//
// vsReport (reportview.cc) shows one item a row under a header of the
// Columns' captions (ShowColumnHeaders): the caption in the first column,
// the sub-items in the next ones, each text clipped to its column. With
// Checkboxes a check box goes before each caption: a click on it or Space
// toggles the item's Checked and fires OnItemChecked (the other views show
// no check boxes; Space toggles there too). GridLines draws lines
// between rows and columns; RowSelect highlights the whole row and lets a
// click anywhere on the row select the item. A click on a header fires
// OnColumnClick when ColumnClick is set; dragging a header's right edge
// resizes its column within MinWidth and MaxWidth.
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
// Sorting: AlphaSort orders the items by OnCompare, or without one by
// their captions (without regard to case); with SortType stText or stBoth
// the view sorts itself whenever an item's caption changes, and when the
// sort type is set.
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
// EInvalidOperation; a ViewStyle, SortType or BorderStyle outside its
// enumeration raises EInvalidOperation; column errors: listcolumns.h.
//
// Form files: the items' captions and image indexes go as Items.Data, a
// list of caption and image index pairs (Data pointers, sub-items and check
// marks are not streamed); the classic binary Items.ItemData is kept as
// read and written back, its items not shown. Columns are written even
// when there are none ("Columns = <>"), as the classic control does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/comctrls/sorttype.h"
#include "host/comctrls/listcolumns.h"
#include "host/controls/controls.h"

namespace host {

class TChangeLink;
class TCustomImageList;
class TCustomListView;
class TListItems;
class TStrings;
class TStringList;

enum TViewStyle : uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };
HOST_ENUM_INFO(TViewStyle, "vsIcon", "vsSmallIcon", "vsList", "vsReport")
enum TItemChange : uint8_t { ctText, ctImage, ctState };
HOST_ENUM_INFO(TItemChange, "ctText", "ctImage", "ctState")

class TListItem : public TPersistent {
  HOST_CLASS(TListItem, TPersistent)
  explicit TListItem(TListItems* AOwner);

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
  // The texts of the report view's second and further columns.
  TStrings* GetSubItems() const;
  void SetSubItems(TStrings* Value);
  bool GetChecked() const { return FChecked; }
  // Fires the view's OnItemChecked when the mark changes.
  void SetChecked(bool Value);
  // Scrolls the view so that the item shows; with PartialOK an item already
  // partly in sight counts as shown.
  void MakeVisible(bool PartialOK);
  // Takes the item out of its list and frees it.
  void Delete();
  void Assign(TPersistent* Source) override;

 protected:
  ~TListItem() override = default;
  void Destroy() override;

 private:
  friend class TCustomListView;
  TListItems* FOwner;
  std::string FCaption;
  TStringList* FSubItems = nullptr;
  void* FData = nullptr;
  int32_t FImageIndex = -1;
  bool FSelected = false;
  bool FChecked = false;
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
// Sender, the item whose check mark changed.
using TLVCheckedItemEvent = TEvent<TObject*, TListItem*>;
// Sender, two items, the sort's Data (0 from AlphaSort), and the result to
// set: below zero when the first item goes first, above when the second.
using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int32_t, int32_t&>;
// Sender, the column whose header was clicked.
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;

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
  // Kept for the form files and programs that set it: vsIcon is drawn as
  // vsList with the small images.
  TCustomImageList* GetLargeImages() const { return FLargeImages; }
  void SetLargeImages(TCustomImageList* Value);
  TListColumns* GetColumns() const { return FColumns; }
  void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
  // The column at Index; EListError outside the columns.
  TListColumn* GetColumn(int32_t Index) const { return FColumns->GetItem(Index); }
  // The columns go to a form file even when there are none ("Columns =
  // <>"), as the classic list view writes them.
  bool ColumnsStored() const { return true; }
  // The width Column takes in the report view: its Width, or for an
  // AutoSize column what the others leave of the client width.
  int32_t ColumnWidth(const TListColumn* Column);
  bool GetCheckboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool Value) { SetLook(FCheckboxes, Value); }
  bool GetGridLines() const { return FGridLines; }
  void SetGridLines(bool Value) { SetLook(FGridLines, Value); }
  bool GetRowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { SetLook(FRowSelect, Value); }
  bool GetShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value) { SetLook(FShowColumnHeaders, Value); }
  bool GetColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool Value) { FColumnClick = Value; }
  TSortType GetSortType() const { return FSortType; }
  void SetSortType(TSortType Value);
  // Sorts the items (see above); true, as the classic control answers.
  bool AlphaSort();
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
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
  TLVCheckedItemEvent OnItemChecked;
  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

 protected:
  ~TCustomListView() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  virtual void Change(TListItem* Item, TItemChange Change);
  virtual void DoSelectItem(TListItem* Item, bool Selected);
  virtual void ItemChecked(TListItem* Item);
  virtual void ColumnClick(TListColumn* Column);

 private:
  friend class TListItem;
  friend class TListItems;
  friend class TListColumns;
  void ColumnsChanged();
  // A column leaves: the header no longer holds it down or resizes it.
  void ColumnRemoved(const TListColumn* Column);
  bool Reporting() const { return FViewStyle == vsReport; }
  void SetLook(bool& Field, bool Value);
  // The report view (reportview.cc): header height (0 without headers),
  // the column whose header or divider lies at X, and a press on the
  // header (true when it took the press).
  int32_t HeaderHeight();
  TListColumn* ColumnAt(int32_t X, bool& OnDivider);
  int32_t ColumnLeft(const TListColumn* Column);
  bool HeaderMouseDown(int32_t X, int32_t Y);
  bool CheckBoxMouseDown(int32_t X, int32_t Y);
  // The width of the border the report view's header and rows sit inside.
  int32_t Edge() const;
  void AlignedText(const TRect& Cell, TAlignment Alignment, const std::string& Text, int32_t Shift);
  TRect CheckBoxRect(const TRect& Row);
  void PaintHeader();
  void PaintReportItem(TListItem* Item, const TRect& Row);
  void PaintGridLines();
class TStrings;
class TStringList;
  // Told by the items: an item came or went, or its look changed.
  void ItemsChanged();
  void ItemChanged(TListItem* Item, TItemChange What);
  void ItemRemoved(TListItem* Item);
  // Sorts the items again when SortType asks for it.
  void KeepSorted();
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
  // The client area below the header.
  TRect ItemsArea();
  int32_t PerLine();
  int32_t LinesShown();
  void PaintItem(TListItem* Item, const TRect& Cell);
  // Whether Item shows selected, and the brush and font colours of an item
  // shown so or not.
  bool Highlighted(const TListItem* Item);
  void UseItemColors(bool Highlight);

  TListItems* FItems = nullptr;
  TViewStyle FViewStyle = vsIcon;
  TCustomImageList* FSmallImages = nullptr;
  TCustomImageList* FLargeImages = nullptr;
  TChangeLink* FImageLink = nullptr;
  TListColumns* FColumns = nullptr;
  TBorderStyle FBorderStyle = bsSingle;
  TSortType FSortType = stNone;
  bool FCheckboxes = false;
  bool FGridLines = false;
  bool FRowSelect = false;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  TListColumn* FPressed = nullptr;  // the column whose header is held down
  TListColumn* FSizing = nullptr;   // the column whose divider is dragged
  int32_t FSizingFrom = 0;          // its left edge
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
