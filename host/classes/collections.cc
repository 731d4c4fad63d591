#include "host/classes/collections.h"

#include <algorithm>

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TCollectionItem, TPersistent)
HOST_IMPL(TCollection, TPersistent)
HOST_IMPL(TOwnedCollection, TCollection)

namespace {

// Runs `body` between BeginUpdate and EndUpdate; EndUpdate also runs when
// `body` raises.
template <class F>
void WithUpdate(TCollection& collection, F&& body) {
  collection.BeginUpdate();
  try {
    body();
  } catch (...) {
    collection.EndUpdate();
    throw;
  }
  collection.EndUpdate();
}

TClass CheckedItemClass(TClass itemClass) {
  if (!itemClass || !itemClass->InheritsFrom(&TCollectionItem::StaticMetaClass))
    throw EInvalidCast("%s is not a collection item class: it must descend from TCollectionItem",
                       {itemClass ? itemClass->Name : "nil"});
  return itemClass;
}

}  // namespace

// ------------------------------------------------------------ TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (!Collection) return;
  try {
    Collection->InsertItem(this);
  } catch (...) {
    // A hook raised: this object will not exist, so the collection must not
    // keep it.
    Collection->ForgetItem(this);
    throw;
  }
}

TCollectionItem::~TCollectionItem() {
  // Still in a collection only when a derived constructor raised after this
  // base had joined it: the object never came to life, so leave quietly.
  if (FCollection) FCollection->ForgetItem(this);
}

void TCollectionItem::Destroy() {
  SetCollection(nullptr);
  inherited::Destroy();
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) return;
  if (Value) Value->CheckItemClass(this);
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int32_t TCollectionItem::GetIndex() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  auto it = std::find(items.begin(), items.end(), this);
  return it == items.end() ? -1 : static_cast<int32_t>(it - items.begin());
}

void TCollectionItem::SetIndex(int32_t Value) {
  int32_t current = GetIndex();
  if (current < 0) return;
  int32_t target = std::clamp(Value, 0, FCollection->GetCount() - 1);
  if (target == current) return;
  FCollection->MoveItem(current, target);
  Changed(true);
}

std::string TCollectionItem::GetDisplayName() { return ClassName(); }

void TCollectionItem::SetDisplayName(const std::string&) { Changed(false); }

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

std::string TCollectionItem::GetNamePath() {
  if (!FCollection) return ClassName();
  return Format("%s[%d]", {FCollection->GetNamePath(), GetIndex()});
}

TPersistent* TCollectionItem::GetOwner() { return FCollection; }

// ---------------------------------------------------------------- TCollection

TCollection::TCollection(TClass ItemClass) : FItemClass(CheckedItemClass(ItemClass)) {}

void TCollection::Destroy() {
  // No change reports while the collection goes away.
  FUpdateCount = 1;
  Clear();
  inherited::Destroy();
}

TCollectionItem* TCollection::NewItem(TCollection* Collection) {
  return As<TCollectionItem>(FItemClass->Create(Collection));
}

TCollectionItem* TCollection::Add() { return NewItem(this); }

TCollectionItem* TCollection::Insert(int32_t Index) {
  CheckIndex(Index, GetCount() + 1);
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int32_t Index) {
  CheckIndex(Index, GetCount());
  TCollectionItem* item = FItems[Index];
  Notify(item, TCollectionNotification::cnDeleting);
  item->Free();
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  WithUpdate(*this, [this] {
    while (!FItems.empty()) Delete(GetCount() - 1);
  });
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) throw EInvalidOperation("EndUpdate called without a matching BeginUpdate");
  --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

TCollectionItem* TCollection::FindItemID(int32_t ID) const {
  auto it = std::find_if(FItems.begin(), FItems.end(), [ID](const TCollectionItem* item) { return item->FId == ID; });
  return it == FItems.end() ? nullptr : *it;
}

void TCollection::RaiseIndexError(int32_t Index) { throw EListError("List index out of bounds (%d)", {Index}); }

void TCollection::SetItem(int32_t Index, TCollectionItem* Value) { GetItem(Index)->Assign(Value); }

std::string TCollection::GetPropName() const {
  // When no name was set, the classic library looks through the owner's
  // published properties for the one that holds this collection. That needs
  // the published-property tables of the streaming layer; until they are
  // wired in, an unset name stays empty.
  return FPropName;
}

std::string TCollection::GetNamePath() {
  TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  std::string ownerPath = owner->GetNamePath();
  std::string propName = GetPropName();
  if (ownerPath.empty() || propName.empty()) return ClassName();
  return ownerPath + "." + propName;
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) return inherited::Assign(Source);
  if (source == this) return;
  // Copies are made outside any collection first, so a failing Assign of an
  // item leaves this collection untouched.
  std::vector<TCollectionItem*> copies;
  copies.reserve(source->FItems.size());
  try {
    for (TCollectionItem* item : source->FItems) {
      copies.push_back(NewItem(nullptr));
      copies.back()->Assign(item);
    }
  } catch (...) {
    for (TCollectionItem* copy : copies) copy->Free();
    throw;
  }
  WithUpdate(*this, [&] {
    Clear();
    FItems.reserve(copies.size());
    std::size_t next = 0;
    try {
      for (; next < copies.size(); ++next) InsertItem(copies[next]);
    } catch (...) {
      // InsertItem has taken ownership of copies[next] before it could fail.
      for (++next; next < copies.size(); ++next) copies[next]->Free();
      throw;
    }
  });
}

void TCollection::CheckIndex(int32_t Index, int32_t Count) const {
  if (Index < 0 || Index >= Count) RaiseIndexError(Index);
}

void TCollection::CheckItemClass(const TCollectionItem* Item) const {
  if (!Item->InheritsFrom(FItemClass))
    throw EListError("Cannot add a %s to a collection of %s", {Item->ClassName(), FItemClass->Name});
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FId = FNextID++;
  Notify(Item, TCollectionNotification::cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, TCollectionNotification::cnExtracting);
  ForgetItem(Item);
  Changed();
}

void TCollection::ForgetItem(TCollectionItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it != FItems.end()) FItems.erase(it);
  Item->FCollection = nullptr;
}

void TCollection::MoveItem(int32_t CurIndex, int32_t NewIndex) {
  auto at = [this](int32_t i) { return FItems.begin() + i; };
  if (CurIndex < NewIndex)
    std::rotate(at(CurIndex), at(CurIndex + 1), at(NewIndex + 1));
  else
    std::rotate(at(NewIndex), at(CurIndex), at(CurIndex + 1));
}

// ----------------------------------------------------------- TOwnedCollection

TOwnedCollection::TOwnedCollection(TPersistent* AOwner, TClass ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}

}  // namespace host
