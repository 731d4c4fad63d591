// TListItem and TListItems: the items of a list view, which they tell about
// every change so that it redraws, lays out and fires its events.
#include <algorithm>

#include "host/classes/filer.h"
#include "host/classes/strings.h"
#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/listview.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TListItem, TPersistent)
HOST_IMPL(TListItems, TPersistent)

// ------------------------------------------------------------------ TListItem

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(New<TStringList>()) {
  FSubItems->OnChange = [this](TObject*) { GetListView()->ItemChanged(this, ctText); };
}

void TListItem::Destroy() {
  FreeAndNil(FSubItems);
  inherited::Destroy();
}

TPersistent* TListItem::GetOwner() { return FOwner; }

TStrings* TListItem::GetSubItems() const { return FSubItems; }

void TListItem::SetSubItems(TStrings* Value) {
  if (Value != FSubItems) FSubItems->Assign(Value);
}

void TListItem::SetChecked(bool Value) {
  if (ChangeField(FChecked, Value)) GetListView()->ItemChecked(this);
}

TCustomListView* TListItem::GetListView() const { return FOwner->GetListView(); }

void TListItem::SetCaption(const std::string& Value) {
  if (ChangeField(FCaption, Value)) GetListView()->ItemChanged(this, ctText);
}

void TListItem::SetImageIndex(int32_t Value) {
  if (ChangeField(FImageIndex, Value)) GetListView()->ItemChanged(this, ctImage);
}

int32_t TListItem::GetIndex() const { return FOwner->IndexOf(this); }

void TListItem::SetSelected(bool Value) { GetListView()->ChangeSelected(this, Value); }

bool TListItem::GetFocused() const { return GetListView()->GetItemFocused() == this; }

void TListItem::SetFocused(bool Value) {
  if (Value)
    GetListView()->SetItemFocused(this);
  else if (GetFocused())
    GetListView()->SetItemFocused(nullptr);
}

void TListItem::MakeVisible(bool PartialOK) { GetListView()->MakeItemVisible(this, PartialOK); }

void TListItem::Delete() { FOwner->Delete(GetIndex()); }

// Caption, image, sub-items, check mark and data; the selection stays the
// view's own.
void TListItem::Assign(TPersistent* Source) {
  auto* item = dynamic_cast<TListItem*>(Source);
  if (!item) {
    inherited::Assign(Source);
    return;
  }
  SetCaption(item->FCaption);
  SetImageIndex(item->FImageIndex);
  SetSubItems(item->FSubItems);
  SetChecked(item->FChecked);
  FData = item->FData;
}

// ----------------------------------------------------------------- TListItems

TPersistent* TListItems::GetOwner() { return FOwner; }

TListItem* TListItems::GetItem(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(SListIndexError, {Index});
  return FItems[Index];
}

TListItem* TListItems::Insert(int32_t Index) {
  if (Index < 0 || Index > GetCount()) throw EListError(SListIndexError, {Index});
  TListItem* item = New<TListItem>(this);
  FItems.insert(FItems.begin() + Index, item);
  FOwner->ItemsChanged();
  return item;
}

void TListItems::Delete(int32_t Index) {
  TListItem* item = GetItem(Index);
  Remove(item);
  item->Free();
}

void TListItems::Remove(TListItem* Item) {
  std::erase(FItems, Item);
  FOwner->ItemRemoved(Item);
  FOwner->ItemsChanged();
}

void TListItems::Clear() {
  BeginUpdate();
  while (!FItems.empty()) Delete(GetCount() - 1);
  EndUpdate();
}

int32_t TListItems::IndexOf(const TListItem* Value) const { return comctrl::IndexIn(FItems, Value); }

void TListItems::BeginUpdate() { ++FUpdateCount; }

void TListItems::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  FOwner->KeepSorted();
  FOwner->ItemsChanged();
}

void TListItems::Assign(TPersistent* Source) {
  auto* items = dynamic_cast<TListItems*>(Source);
  if (!items) {
    inherited::Assign(Source);
    return;
  }
  if (items == this) return;
  BeginUpdate();
  Clear();
  for (TListItem* item : items->FItems) Add()->Assign(item);
  EndUpdate();
}

// The captions and image indexes as one list of pairs.
void TListItems::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto read = [this](TReader* Reader) {
    BeginUpdate();
    Clear();
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) {
      TListItem* item = Add();
      item->SetCaption(Reader->ReadString());
      item->SetImageIndex(Reader->ReadInteger());
    }
    Reader->ReadListEnd();
    EndUpdate();
  };
  auto write = [this](TWriter* Writer) {
    Writer->WriteListBegin();
    for (const TListItem* item : FItems) {
      Writer->WriteString(item->GetCaption());
      Writer->WriteInteger(item->GetImageIndex());
    }
    Writer->WriteListEnd();
  };
  Filer->DefineProperty("Data", read, write, !FItems.empty());
}

}  // namespace host
