// TListColumn and TListColumns: the columns of a list view's report view,
// an owned collection ("Columns = < item ... end >" in a form file).
//
// A column has a caption drawn in the header, an alignment for the texts
// below it and a width (50 unless set). MinWidth and MaxWidth (0: no limit)
// bound the widths the user drags the column to; an AutoSize column takes
// the width the other columns leave (at least MinWidth, at most MaxWidth).
// Every change lays the view out again and redraws it.
//
// Bad input raises and changes nothing: a negative Width, MinWidth or
// MaxWidth raises ERangeError; a column index outside the columns raises
// EListError "List index out of bounds (%d)".
#pragma once

#include <cstdint>
#include <string>

#include "host/classes/collections.h"
#include "host/controls/controltypes.h"

namespace host {

class TCustomListView;

inline constexpr int32_t DefaultColumnWidth = 50;

class TListColumn : public TCollectionItem {
  HOST_CLASS(TListColumn, TCollectionItem)
  using TCreateArg = TCollection;
  explicit TListColumn(TCollection* Collection) : TCollectionItem(Collection) {}

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  const std::string& GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  int32_t GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int32_t Value);
  int32_t GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int32_t Value);
  int32_t GetTag() const { return FTag; }
  void SetTag(int32_t Value) { FTag = Value; }
  // The width set (AutoSize columns are drawn as wide as the view allows:
  // TCustomListView::ColumnWidth).
  int32_t GetWidth() const { return FWidth; }
  void SetWidth(int32_t Value);
  // Width kept within MinWidth and MaxWidth.
  int32_t Bounded(int32_t Width) const;
  std::string GetDisplayName() override;
  void Assign(TPersistent* Source) override;

 protected:
  ~TListColumn() override = default;

 private:
  template <class T>
  void Change(T& Field, T Value);
  TAlignment FAlignment = taLeftJustify;
  bool FAutoSize = false;
  std::string FCaption;
  int32_t FImageIndex = -1;
  int32_t FMaxWidth = 0;
  int32_t FMinWidth = 0;
  int32_t FTag = 0;
  int32_t FWidth = DefaultColumnWidth;
};

class TListColumns : public TOwnedCollection {
  HOST_CLASS(TListColumns, TOwnedCollection)
  explicit TListColumns(TCustomListView* AOwner);

  TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
  TListColumn* GetItem(int32_t Index) const { return static_cast<TListColumn*>(TCollection::GetItem(Index)); }
  TCustomListView* GetOwnerView() const { return FView; }

 protected:
  ~TListColumns() override = default;
  void Update(TCollectionItem* Item) override;
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;

 private:
  TCustomListView* FView;
};

}  // namespace host
