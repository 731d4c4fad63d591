// The classic container classes of the host class library: TList (a list of
// untyped pointers), TThreadList (a TList behind a lock), TInterfaceList (a
// reference-counting list of interfaces) and TBits (a growable bit array).
#pragma once

#include <atomic>
#include <climits>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/classes/classes_types.h"
#include "host/rtl/object.h"

namespace host {

// Largest number of items a list may hold (the classic limit).
inline constexpr int MaxListSize = INT_MAX / 16;

// Order of two items for TList::Sort: <0 when Item1 goes first, 0 when equal,
// >0 when Item2 goes first.
using TListSortCompare = int (*)(void* Item1, void* Item2);

// How TList::Assign combines this list with the source list.
enum TListAssignOp : uint8_t {
  laCopy,        // become a copy of the source
  laAnd,         // keep only items that are also in the source
  laOr,          // add the source items not yet present
  laXor,         // keep the items found in only one of the two lists
  laSrcUnique,   // keep only items that are not in the source
  laDestUnique,  // become the source items that are not in this list
};

// ---------------------------------------------------------------------- TList

// An ordered list of untyped pointers. Items may be null. Every index is
// checked: a bad one raises EListError "List index out of bounds (n)" and
// leaves the list unchanged.
class TList : public TObject {
  HOST_CLASS(TList, TObject)

  TList() = default;

  // Appends the item and returns its index.
  int Add(void* Item);
  // Removes every item and releases the storage.
  virtual void Clear();
  // Removes the item at Index.
  void Delete(int Index);
  // Raises EListError with Msg formatted with Data (Msg holds one %d).
  [[noreturn]] static void Error(const std::string& Msg, int Data);
  void Exchange(int Index1, int Index2);
  // Grows the capacity by the classic step when the list is full; returns this.
  TList* Expand();
  // Takes the first occurrence of Item out of the list without deleting it;
  // returns Item, or null when the list does not hold it.
  void* Extract(void* Item);
  // The first / last item; raise the index error on an empty list.
  void* First() const;
  void* Last() const;
  // Index of the first occurrence of Item, or -1.
  int IndexOf(void* Item) const;
  // Inserts Item before Index; Index == Count appends.
  void Insert(int Index, void* Item);
  // Moves the item at CurIndex so that it ends up at NewIndex.
  void Move(int CurIndex, int NewIndex);
  // Deletes the first occurrence of Item; returns its former index or -1.
  int Remove(void* Item);
  // Drops every null item.
  void Pack();
  // Sorts the items with Compare (stable: equal items keep their order).
  void Sort(TListSortCompare Compare);
  // Combines this list with ListA (see TListAssignOp). With ListB given, this
  // list first becomes a copy of ListA and is then combined with ListB. A null
  // source counts as an empty list.
  void Assign(TList* ListA, TListAssignOp AOperator = laCopy, TList* ListB = nullptr);

  // Room for items before the storage has to grow; never below Count.
  int GetCapacity() const { return FCapacity; }
  void SetCapacity(int NewCapacity);
  // Number of items. A larger count appends null items, a smaller one
  // deletes items from the end.
  int GetCount() const { return FCount; }
  void SetCount(int NewCount);
  // The item at Index.
  void* GetItems(int Index) const;
  void SetItems(int Index, void* Item);
  // The classic names of the item accessors.
  void* Get(int Index) const { return GetItems(Index); }
  void Put(int Index, void* Item) { SetItems(Index, Item); }
  // The item storage itself (Count items, room for Capacity); null when the
  // capacity is 0.
  void** GetList() const { return FItems.get(); }

 protected:
  ~TList() override = default;
  void Destroy() override;
  // Told about every non-null item that enters or leaves the list.
  virtual void Notify(void* Ptr, TListNotification Action);
  // Raises the capacity by the classic step: 4 while small, 16 up to 64,
  // then a quarter of the current capacity.
  virtual void Grow();

 private:
  void CheckIndex(int Index) const;
  void StoreAt(int Index, void* Item);
  void RemoveAt(int Index);
  template <class Pred>
  void DeleteWhere(Pred pred);
  std::vector<void*> ItemsNotIn(const std::vector<void*>& items) const;
  void AddAll(const std::vector<void*>& items);

  std::unique_ptr<void*[]> FItems;
  int FCount = 0;
  int FCapacity = 0;
};

// ----------------------------------------------------------------- TThreadList

namespace detail {
// A lock that the owning thread may take several times (like the classic
// critical section). Releasing a lock this thread does not hold raises
// EListError instead of corrupting the mutex.
class TListLock {
 public:
  TListLock() = default;
  ~TListLock();
  TListLock(const TListLock&) = delete;
  TListLock& operator=(const TListLock&) = delete;
  void Acquire();
  void Release();

 private:
  std::mutex FMutex;
  std::atomic<std::thread::id> FOwner{};
  int FDepth = 0;  // only touched by the owner
};
}  // namespace detail

// A TList shared between threads: every member works under the lock, and
// LockList hands out the list itself until UnlockList.
class TThreadList : public TObject {
  HOST_CLASS(TThreadList, TObject)

  TThreadList();

  // Adds Item unless Duplicates forbids it (dupIgnore: skip silently,
  // dupError: raise EListError "List does not allow duplicates").
  void Add(void* Item);
  void Clear();
  // Takes the lock and returns the inner list; pair with UnlockList.
  TList* LockList();
  // Deletes the first occurrence of Item (nothing when absent).
  void Remove(void* Item);
  void UnlockList();

  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

 protected:
  ~TThreadList() override = default;
  void Destroy() override;

 private:
  detail::TListLock FLock;
  TOwned<TList> FList;
  std::atomic<TDuplicates> FDuplicates{dupIgnore};
};

// -------------------------------------------------------------- TInterfaceList

// A thread-safe list of interfaces. The list holds one reference to every
// item it stores: it adds a reference when an item is stored and releases it
// when the item is removed, overwritten, cleared or the list is destroyed.
// Items may be null. Items read from the list are borrowed (no reference is
// added for the caller).
class TInterfaceList : public TInterfacedObject {
  HOST_CLASS(TInterfaceList, TInterfacedObject)

  TInterfaceList();

  void Clear();
  void Delete(int Index);
  void Exchange(int Index1, int Index2);
  TInterfaceList* Expand();
  IUnknown* First();
  int IndexOf(IUnknown* Item);
  int Add(IUnknown* Item);
  void Insert(int Index, IUnknown* Item);
  IUnknown* Last();
  int Remove(IUnknown* Item);
  // Holds the list's lock across several calls (may be taken repeatedly by
  // the same thread; each Lock needs one Unlock).
  void Lock();
  void Unlock();

  int GetCapacity();
  void SetCapacity(int NewCapacity);
  int GetCount();
  void SetCount(int NewCount);
  IUnknown* GetItems(int Index);
  void SetItems(int Index, IUnknown* Item);
  IUnknown* Get(int Index) { return GetItems(Index); }
  void Put(int Index, IUnknown* Item) { SetItems(Index, Item); }

 protected:
  ~TInterfaceList() override = default;
  void Destroy() override;

 private:
  class TLocked;
  TOwned<TThreadList> FList;
};

// ----------------------------------------------------------------------- TBits

// A bit array that grows on demand. Reading a bit outside 0..Size-1, writing
// a negative index or setting a negative size raises EBitsError "Bits index
// out of range".
class TBits : public TObject {
  HOST_CLASS(TBits, TObject)

  TBits() = default;

  bool GetBits(int Index) const;
  // Setting a bit at or beyond Size first grows Size to Index + 1.
  void SetBits(int Index, bool Value);
  int GetSize() const { return FSize; }
  // New bits are clear.
  void SetSize(int Value);
  // Index of the first clear bit; Size when every bit is set.
  int OpenBit() const;

 protected:
  ~TBits() override = default;

 private:
  std::vector<uint64_t> FWords;
  int FSize = 0;
};

}  // namespace host
