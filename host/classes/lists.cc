#include "host/classes/lists.h"

#include <algorithm>
#include <bit>

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TList, TObject)
HOST_IMPL(TThreadList, TObject)
HOST_IMPL(TInterfaceList, TInterfacedObject)
HOST_IMPL(TBits, TObject)

// ---------------------------------------------------------------------- TList

void TList::Error(const std::string& Msg, int Data) { throw EListError(Msg, {Data}); }

void TList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= FCount) Error(SListIndexError, Index);
}

void TList::Destroy() {
  Clear();
  inherited::Destroy();
}

void TList::Notify(void*, TListNotification) {}

void TList::Grow() {
  int delta = FCapacity > 64 ? FCapacity / 4 : FCapacity > 8 ? 16 : 4;
  SetCapacity(FCapacity + delta);  // cannot overflow: FCapacity <= MaxListSize
}

TList* TList::Expand() {
  if (FCount == FCapacity) Grow();
  return this;
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < FCount || NewCapacity > MaxListSize) Error(SListCapacityError, NewCapacity);
  if (NewCapacity == FCapacity) return;
  std::unique_ptr<void*[]> fresh(NewCapacity > 0 ? new void*[NewCapacity]() : nullptr);
  if (fresh && FCount > 0) std::copy_n(FItems.get(), FCount, fresh.get());
  FItems = std::move(fresh);
  FCapacity = NewCapacity;
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0 || NewCount > MaxListSize) Error(SListCountError, NewCount);
  if (NewCount > FCapacity) SetCapacity(NewCount);
  if (NewCount > FCount) {
    std::fill(FItems.get() + FCount, FItems.get() + NewCount, nullptr);
    FCount = NewCount;
  }
  while (FCount > NewCount) Delete(FCount - 1);
}

void* TList::GetItems(int Index) const {
  CheckIndex(Index);
  return FItems[Index];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index);
  void* old = FItems[Index];
  FItems[Index] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

// Opens a slot at Index (0..Count) and stores Item there, without notifying.
void TList::StoreAt(int Index, void* Item) {
  if (FCount == FCapacity) Grow();
  std::copy_backward(FItems.get() + Index, FItems.get() + FCount, FItems.get() + FCount + 1);
  FItems[Index] = Item;
  ++FCount;
}

// Closes the slot at Index (checked by the caller), without notifying.
void TList::RemoveAt(int Index) {
  std::copy(FItems.get() + Index + 1, FItems.get() + FCount, FItems.get() + Index);
  --FCount;
}

int TList::Add(void* Item) {
  int index = FCount;
  StoreAt(index, Item);
  if (Item) Notify(Item, lnAdded);
  return index;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > FCount) Error(SListIndexError, Index);
  StoreAt(Index, Item);
  if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
  CheckIndex(Index);
  void* item = FItems[Index];
  RemoveAt(Index);
  if (item) Notify(item, lnDeleted);
}

void TList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

void TList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1);
  CheckIndex(Index2);
  std::swap(FItems[Index1], FItems[Index2]);
}

void TList::Move(int CurIndex, int NewIndex) {
  CheckIndex(NewIndex);
  CheckIndex(CurIndex);
  void** base = FItems.get();
  if (CurIndex < NewIndex)
    std::rotate(base + CurIndex, base + CurIndex + 1, base + NewIndex + 1);
  else
    std::rotate(base + NewIndex, base + CurIndex, base + CurIndex + 1);
}

void* TList::First() const { return GetItems(0); }

void* TList::Last() const { return GetItems(FCount - 1); }

int TList::IndexOf(void* Item) const {
  void** end = FItems.get() + FCount;
  void** it = std::find(FItems.get(), end, Item);
  return it == end ? -1 : static_cast<int>(it - FItems.get());
}

int TList::Remove(void* Item) {
  int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* Item) {
  int index = IndexOf(Item);
  if (index < 0) return nullptr;
  RemoveAt(index);
  if (Item) Notify(Item, lnExtracted);
  return Item;
}

template <class Pred>
void TList::DeleteWhere(Pred pred) {
  for (int i = FCount - 1; i >= 0; --i)
    if (pred(FItems[i])) Delete(i);
}

void TList::Pack() {
  DeleteWhere([](void* item) { return item == nullptr; });
}

namespace {
// Merges the sorted runs [a, mid) and [mid, b) of `from` into `to`. Takes
// from the right run only when it is strictly smaller, which keeps the sort
// stable; the loop is bounded by the runs whatever Compare answers.
void MergeRuns(void* const* from, void** to, std::size_t a, std::size_t mid, std::size_t b, TListSortCompare compare) {
  std::size_t i = a, j = mid, k = a;
  while (i < mid && j < b) to[k++] = compare(from[j], from[i]) < 0 ? from[j++] : from[i++];
  while (i < mid) to[k++] = from[i++];
  while (j < b) to[k++] = from[j++];
}
}  // namespace

void TList::Sort(TListSortCompare Compare) {
  if (!Compare) throw EListError("Sort needs a compare function");
  // Bottom-up merge sort into scratch storage: the list only changes once the
  // sort is complete, so a Compare that raises leaves it untouched.
  std::size_t n = static_cast<std::size_t>(FCount);
  std::vector<void*> a(FItems.get(), FItems.get() + n), b(n);
  for (std::size_t width = 1; width < n; width *= 2) {
    for (std::size_t lo = 0; lo < n; lo += 2 * width)
      MergeRuns(a.data(), b.data(), lo, std::min(lo + width, n), std::min(lo + 2 * width, n), Compare);
    a.swap(b);
  }
  std::copy(a.begin(), a.end(), FItems.get());
}

std::vector<void*> TList::ItemsNotIn(const std::vector<void*>& items) const {
  std::vector<void*> result;
  for (void* item : items)
    if (IndexOf(item) < 0) result.push_back(item);
  return result;
}

void TList::AddAll(const std::vector<void*>& items) {
  int64_t needed = FCount + static_cast<int64_t>(items.size());
  if (needed > FCapacity) SetCapacity(static_cast<int>(std::min<int64_t>(needed, INT_MAX)));
  for (void* item : items) Add(item);
}

void TList::Assign(TList* ListA, TListAssignOp AOperator, TList* ListB) {
  auto snapshot = [](const TList* list) {
    return list ? std::vector<void*>(list->FItems.get(), list->FItems.get() + list->FCount) : std::vector<void*>{};
  };
  std::vector<void*> source = snapshot(ListB ? ListB : ListA);
  if (ListB) Assign(ListA);
  auto inSource = [&source](void* item) { return std::find(source.begin(), source.end(), item) != source.end(); };
  switch (AOperator) {
    case laCopy:
      Clear();
      AddAll(source);
      break;
    case laAnd:
      DeleteWhere([&](void* item) { return !inSource(item); });
      break;
    case laOr:
      for (void* item : source)
        if (IndexOf(item) < 0) Add(item);
      break;
    case laXor: {
      std::vector<void*> extra = ItemsNotIn(source);
      DeleteWhere(inSource);
      AddAll(extra);
      break;
    }
    case laSrcUnique:
      DeleteWhere(inSource);
      break;
    case laDestUnique: {
      std::vector<void*> extra = ItemsNotIn(source);
      Clear();
      AddAll(extra);
      break;
    }
  }
}

// ----------------------------------------------------------------- TThreadList

namespace detail {

TListLock::~TListLock() {
  // An object freed by the thread that still holds its lock gives it up.
  if (FOwner.load() == std::this_thread::get_id()) FMutex.unlock();
}

void TListLock::Acquire() {
  std::thread::id self = std::this_thread::get_id();
  if (FOwner.load() != self) {
    FMutex.lock();
    FOwner.store(self);
  }
  ++FDepth;
}

void TListLock::Release() {
  if (FOwner.load() != std::this_thread::get_id()) throw EListError("The list is not locked by this thread");
  if (--FDepth == 0) {
    FOwner.store(std::thread::id{});
    FMutex.unlock();
  }
}

}  // namespace detail

namespace {
// Holds a TListLock for one scope.
class TLockScope {
 public:
  explicit TLockScope(detail::TListLock& lock) : FLock(lock) { FLock.Acquire(); }
  ~TLockScope() { FLock.Release(); }
  TLockScope(const TLockScope&) = delete;
  TLockScope& operator=(const TLockScope&) = delete;

 private:
  detail::TListLock& FLock;
};
}  // namespace

TThreadList::TThreadList() : FList(new TList) {}

void TThreadList::Destroy() {
  {
    // Waits for any thread still working on the list.
    TLockScope scope(FLock);
    FList.reset();
  }
  inherited::Destroy();
}

TList* TThreadList::LockList() {
  FLock.Acquire();
  return FList.get();
}

void TThreadList::UnlockList() { FLock.Release(); }

void TThreadList::Add(void* Item) {
  TLockScope scope(FLock);
  TDuplicates duplicates = FDuplicates.load();
  if (duplicates != dupAccept && FList->IndexOf(Item) >= 0) {
    if (duplicates == dupError) throw EListError(SDuplicateItem);
    return;
  }
  FList->Add(Item);
}

void TThreadList::Clear() {
  TLockScope scope(FLock);
  FList->Clear();
}

void TThreadList::Remove(void* Item) {
  TLockScope scope(FLock);
  FList->Remove(Item);
}

// -------------------------------------------------------------- TInterfaceList

namespace {
void AddRefItem(IUnknown* item) {
  if (item) item->_AddRef();
}
void ReleaseItem(IUnknown* item) {
  if (item) item->_Release();
}
IUnknown* AsItem(void* p) { return static_cast<IUnknown*>(p); }
}  // namespace

// Holds the list's lock for one scope and gives access to the inner TList.
class TInterfaceList::TLocked {
 public:
  explicit TLocked(TThreadList& owner) : FOwner(owner), FList(*owner.LockList()) {}
  ~TLocked() { FOwner.UnlockList(); }
  TLocked(const TLocked&) = delete;
  TLocked& operator=(const TLocked&) = delete;
  TList* operator->() const { return &FList; }

 private:
  TThreadList& FOwner;
  TList& FList;
};

TInterfaceList::TInterfaceList() : FList(new TThreadList) {}

void TInterfaceList::Destroy() {
  Clear();
  FList.reset();
  inherited::Destroy();
}

void TInterfaceList::Lock() { FList->LockList(); }

void TInterfaceList::Unlock() { FList->UnlockList(); }

int TInterfaceList::GetCapacity() { return TLocked(*FList)->GetCapacity(); }

void TInterfaceList::SetCapacity(int NewCapacity) { TLocked(*FList)->SetCapacity(NewCapacity); }

int TInterfaceList::GetCount() { return TLocked(*FList)->GetCount(); }

// References are released only after the list no longer holds the items, so
// an item whose last reference goes away may safely call back into the list.
void TInterfaceList::SetCount(int NewCount) {
  std::vector<IUnknown*> dropped;
  {
    TLocked list(*FList);
    int count = list->GetCount();
    if (NewCount >= 0)
      for (int i = NewCount; i < count; ++i) dropped.push_back(AsItem(list->Get(i)));
    list->SetCount(NewCount);
  }
  for (IUnknown* item : dropped) ReleaseItem(item);
}

void TInterfaceList::Clear() {
  SetCount(0);
  SetCapacity(0);
}

IUnknown* TInterfaceList::GetItems(int Index) { return AsItem(TLocked(*FList)->Get(Index)); }

void TInterfaceList::SetItems(int Index, IUnknown* Item) {
  IUnknown* old;
  {
    TLocked list(*FList);
    old = AsItem(list->Get(Index));
    AddRefItem(Item);
    list->Put(Index, Item);
  }
  ReleaseItem(old);
}

void TInterfaceList::Delete(int Index) {
  IUnknown* old;
  {
    TLocked list(*FList);
    old = AsItem(list->Get(Index));
    list->Delete(Index);
  }
  ReleaseItem(old);
}

int TInterfaceList::Remove(IUnknown* Item) {
  TLocked list(*FList);
  int index = list->IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void TInterfaceList::Exchange(int Index1, int Index2) { TLocked(*FList)->Exchange(Index1, Index2); }

TInterfaceList* TInterfaceList::Expand() {
  TLocked(*FList)->Expand();
  return this;
}

IUnknown* TInterfaceList::First() { return AsItem(TLocked(*FList)->First()); }

IUnknown* TInterfaceList::Last() { return AsItem(TLocked(*FList)->Last()); }

int TInterfaceList::IndexOf(IUnknown* Item) { return TLocked(*FList)->IndexOf(Item); }

// The reference is added under the lock: another thread must not be able to
// delete (and release) the item before the list owns its reference.
int TInterfaceList::Add(IUnknown* Item) {
  TLocked list(*FList);
  int index = list->Add(Item);
  AddRefItem(Item);
  return index;
}

void TInterfaceList::Insert(int Index, IUnknown* Item) {
  TLocked list(*FList);
  list->Insert(Index, Item);
  AddRefItem(Item);
}

// ----------------------------------------------------------------------- TBits

namespace {
constexpr int kWordBits = 64;
[[noreturn]] void BitsError() { throw EBitsError("Bits index out of range"); }
}  // namespace

bool TBits::GetBits(int Index) const {
  if (Index < 0 || Index >= FSize) BitsError();
  return (FWords[Index / kWordBits] >> (Index % kWordBits)) & 1u;
}

void TBits::SetBits(int Index, bool Value) {
  if (Index < 0 || Index == INT_MAX) BitsError();
  if (Index >= FSize) SetSize(Index + 1);
  uint64_t mask = uint64_t{1} << (Index % kWordBits);
  uint64_t& word = FWords[Index / kWordBits];
  word = Value ? (word | mask) : (word & ~mask);
}

void TBits::SetSize(int Value) {
  if (Value < 0) BitsError();
  FWords.resize((static_cast<std::size_t>(Value) + kWordBits - 1) / kWordBits, 0);
  // Bits past the end stay clear, so growing again yields clear bits.
  if (int tail = Value % kWordBits) FWords.back() &= (uint64_t{1} << tail) - 1;
  FSize = Value;
}

int TBits::OpenBit() const {
  for (std::size_t w = 0; w < FWords.size(); ++w)
    if (FWords[w] != ~uint64_t{0}) return std::min(FSize, static_cast<int>(w) * kWordBits + std::countr_one(FWords[w]));
  return FSize;
}

}  // namespace host
