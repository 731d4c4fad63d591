// TListColumn and TListColumns: the columns tell their view about every
// change so that it lays out and redraws its report view.
#include "host/comctrls/listcolumns.h"

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/listview.h"

namespace host {

HOST_IMPL(TListColumn, TCollectionItem)
HOST_IMPL(TListColumns, TOwnedCollection)

namespace {

void CheckWidth(const char* Name, int32_t Value) {
  if (Value < 0) throw ERangeError("Column %s must not be negative (%d)", {std::string(Name), Value});
}

}  // namespace

template <class T>
void TListColumn::Change(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
  if (static_cast<int>(Value) > static_cast<int>(taCenter))
    throw EInvalidOperation("Invalid property value (column %d)", {GetIndex()});
  Change(FAlignment, Value);
}

void TListColumn::SetAutoSize(bool Value) { Change(FAutoSize, Value); }
void TListColumn::SetCaption(const std::string& Value) { Change(FCaption, Value); }
void TListColumn::SetImageIndex(int32_t Value) { Change(FImageIndex, Value); }

void TListColumn::SetMaxWidth(int32_t Value) {
  CheckWidth("MaxWidth", Value);
  Change(FMaxWidth, Value);
}

void TListColumn::SetMinWidth(int32_t Value) {
  CheckWidth("MinWidth", Value);
  Change(FMinWidth, Value);
}

void TListColumn::SetWidth(int32_t Value) {
  CheckWidth("Width", Value);
  Change(FWidth, Value);
}

int32_t TListColumn::Bounded(int32_t Width) const {
  if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
  return Width < FMinWidth ? FMinWidth : Width;
}

std::string TListColumn::GetDisplayName() { return FCaption.empty() ? inherited::GetDisplayName() : FCaption; }

void TListColumn::Assign(TPersistent* Source) {
  auto* column = dynamic_cast<TListColumn*>(Source);
  if (!column) {
    inherited::Assign(Source);
    return;
  }
  if (TCollection* c = GetCollection()) c->BeginUpdate();
  FAlignment = column->FAlignment;
  FAutoSize = column->FAutoSize;
  FCaption = column->FCaption;
  FImageIndex = column->FImageIndex;
  FMaxWidth = column->FMaxWidth;
  FMinWidth = column->FMinWidth;
  FTag = column->FTag;
  FWidth = column->FWidth;
  if (TCollection* c = GetCollection()) c->EndUpdate();
}

TListColumns::TListColumns(TCustomListView* AOwner)
    : TOwnedCollection(AOwner, &TListColumn::StaticMetaClass), FView(AOwner) {}

void TListColumns::Update(TCollectionItem*) { FView->ColumnsChanged(); }

void TListColumns::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  if (Action != TCollectionNotification::cnAdded) FView->ColumnRemoved(static_cast<TListColumn*>(Item));
}

}  // namespace host
