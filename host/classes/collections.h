// TCollectionItem, TCollection and TOwnedCollection: an ordered list of items
// of one item class, owned and freed by the collection, each item with an ID
// that is unique within its collection and never reused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/persistent.h"

namespace host {

class TCollection;

// What happens to an item, reported to TCollection::Notify.
enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
  HOST_CLASS(TCollectionItem, TPersistent)

  // Lets the class factory create items: ItemClass->Create(collection).
  using TCreateArg = TCollection;
  // Adds the new item to `Collection` when one is given. The item's class is
  // not checked against the collection's item class here: while a constructor
  // runs, the object does not yet know its most derived class.
  explicit TCollectionItem(TCollection* Collection);

  TCollection* GetCollection() const { return FCollection; }
  // Moves the item to another collection (null: takes it out of its own). It
  // gets a new ID there. Raises EListError when the item's class does not
  // descend from the target collection's item class; nothing changes then.
  virtual void SetCollection(TCollection* Value);
  int32_t GetID() const { return FId; }
  // Position in the collection, -1 without one.
  int32_t GetIndex() const;
  // Moves the item within its collection; a position beyond either end is
  // clamped to the first or last place.
  virtual void SetIndex(int32_t Value);
  // The text the designer's collection editor shows: the class name here.
  virtual std::string GetDisplayName();
  // The base class keeps no display name; it only reports the change.
  virtual void SetDisplayName(const std::string& Value);

  // "Collection.NamePath[Index]", or the class name without a collection.
  std::string GetNamePath() override;
  TPersistent* GetOwner() override;

 protected:
  ~TCollectionItem() override;
  // Leaves the collection.
  void Destroy() override;
  // Tells the collection that this item (AllItems: every item) changed,
  // unless the collection is inside BeginUpdate/EndUpdate.
  virtual void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int32_t FId = 0;
};

class TCollection : public TPersistent {
  HOST_CLASS(TCollection, TPersistent)

  // Raises EInvalidCast when ItemClass is null or does not descend from
  // TCollectionItem.
  explicit TCollection(TClass ItemClass);

  // Appends a new item created through ItemClass->Create(this).
  TCollectionItem* Add();
  // A new item at Index (0..Count). Raises EListError "List index out of
  // bounds (%d)" for any other position, before creating anything.
  TCollectionItem* Insert(int32_t Index);
  // Frees the item at Index.
  void Delete(int32_t Index);
  // Frees every item; one Update(nullptr) at the end.
  void Clear();
  // Batches changes: while the count is above zero nothing is reported; the
  // EndUpdate that brings it back to zero reports one change of everything.
  // EndUpdate without a matching BeginUpdate raises EInvalidOperation.
  void BeginUpdate();
  void EndUpdate();
  // The item with this ID, or null.
  TCollectionItem* FindItemID(int32_t ID) const;

  int32_t GetCount() const { return static_cast<int32_t>(FItems.size()); }
  TClass GetItemClass() const { return FItemClass; }
  // Index errors raise EListError "List index out of bounds (%d)".
  TCollectionItem* GetItem(int32_t Index) const {
    if (Index < 0 || Index >= GetCount()) RaiseIndexError(Index);
    return FItems[static_cast<std::size_t>(Index)];
  }
  // Copies Value into the item at Index with the item's Assign.
  void SetItem(int32_t Index, TCollectionItem* Value);

  // The name of the owner's property that holds this collection. The classic
  // library declares PropName and UpdateCount protected; they are public here
  // so the class descriptors can reach them.
  std::string GetPropName() const;
  [[noreturn]] static void RaiseIndexError(int32_t Index);
  void SetPropName(const std::string& Value) { FPropName = Value; }
  int32_t GetUpdateCount() const { return FUpdateCount; }

  // Copies another collection: its items are copied one by one with the item
  // class's Assign. Every copy is made before the old items go, so a copy
  // that fails leaves this collection as it was.
  void Assign(TPersistent* Source) override;
  // "OwnerNamePath.PropName" when both are known, else the class name.
  std::string GetNamePath() override;

 protected:
  ~TCollection() override = default;
  // Frees all items.
  void Destroy() override;
  // Reports a change of everything unless an update is in progress.
  void Changed();
  // Called for every reported change: Item is the changed item, or null when
  // the whole collection changed. Does nothing in the base class.
  virtual void Update(TCollectionItem* Item);
  // Called when an item has been added, is about to be taken out, or is
  // about to be freed by Delete/Clear. Does nothing in the base class.
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);

 private:
  friend class TCollectionItem;
  TCollectionItem* NewItem(TCollection* Collection);
  void CheckIndex(int32_t Index, int32_t Count) const;
  void CheckItemClass(const TCollectionItem* Item) const;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  // Takes the item out without any notification.
  void ForgetItem(TCollectionItem* Item);
  void MoveItem(int32_t CurIndex, int32_t NewIndex);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int32_t FNextID = 0;
  int32_t FUpdateCount = 0;
  std::string FPropName;
};

// A collection that knows its owner, which gives it a name path in the
// designer ("Form1.Button1.Items").
class TOwnedCollection : public TCollection {
  HOST_CLASS(TOwnedCollection, TCollection)

  TOwnedCollection(TPersistent* AOwner, TClass ItemClass);
  TPersistent* GetOwner() override { return FOwner; }

 protected:
  ~TOwnedCollection() override = default;

 private:
  TPersistent* FOwner;
};

}  // namespace host
