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
  if (Index < 0 || Index >= count_) Error(SListIndexError, Index);
}

void TList::Destroy() {
  Clear();
  inherited::Destroy();
}

void TList::Notify(void*, TListNotification) {}

void TList::Grow() {
  int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  SetCapacity(capacity_ + delta);  // cannot overflow: capacity_ <= MaxListSize
}

TList* TList::Expand() {
  if (count_ == capacity_) Grow();
  return this;
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < count_ || NewCapacity > MaxListSize) Error(SListCapacityError, NewCapacity);
  if (NewCapacity == capacity_) return;
  std::unique_ptr<void*[]> fresh(NewCapacity > 0 ? new void*[NewCapacity]() : nullptr);
  if (fresh && count_ > 0) std::copy_n(items_.get(), count_, fresh.get());
  items_ = std::move(fresh);
  capacity_ = NewCapacity;
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0 || NewCount > MaxListSize) Error(SListCountError, NewCount);
  if (NewCount > capacity_) SetCapacity(NewCount);
  if (NewCount > count_) {
    std::fill(items_.get() + count_, items_.get() + NewCount, nullptr);
    count_ = NewCount;
  }
  while (count_ > NewCount) Delete(count_ - 1);
}

void* TList::GetItems(int Index) const {
  CheckIndex(Index);
  return items_[Index];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index);
  void* old = items_[Index];
  items_[Index] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

// Opens a slot at Index (0..Count) and stores Item there, without notifying.
void TList::StoreAt(int Index, void* Item) {
  if (count_ == capacity_) Grow();
  std::copy_backward(items_.get() + Index, items_.get() + count_, items_.get() + count_ + 1);
  items_[Index] = Item;
  ++count_;
}

// Closes the slot at Index (checked by the caller), without notifying.
void TList::RemoveAt(int Index) {
  std::copy(items_.get() + Index + 1, items_.get() + count_, items_.get() + Index);
  --count_;
}

int TList::Add(void* Item) {
  int index = count_;
  StoreAt(index, Item);
  if (Item) Notify(Item, lnAdded);
  return index;
}

void TList::Insert(int Index, void* Item) {
  if (Index < 0 || Index > count_) Error(SListIndexError, Index);
  StoreAt(Index, Item);
  if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
  CheckIndex(Index);
  void* item = items_[Index];
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
  std::swap(items_[Index1], items_[Index2]);
}

void TList::Move(int CurIndex, int NewIndex) {
  CheckIndex(NewIndex);
  CheckIndex(CurIndex);
  void** base = items_.get();
  if (CurIndex < NewIndex)
    std::rotate(base + CurIndex, base + CurIndex + 1, base + NewIndex + 1);
  else
    std::rotate(base + NewIndex, base + CurIndex, base + CurIndex + 1);
}

void* TList::First() const { return GetItems(0); }

void* TList::Last() const { return GetItems(count_ - 1); }

int TList::IndexOf(void* Item) const {
  void** end = items_.get() + count_;
  void** it = std::find(items_.get(), end, Item);
  return it == end ? -1 : static_cast<int>(it - items_.get());
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
  for (int i = count_ - 1; i >= 0; --i)
    if (pred(items_[i])) Delete(i);
}

void TList::Pack() {
  DeleteWhere([](void* item) { return item == nullptr; });
}

namespace {
// Merges the sorted runs [a, mid) and [mid, b) of `from` into `to`. Takes
// from the right run only when it is strictly smaller, which keeps the sort
// stable; the loop is bounded by the runs whatever Compare answers.
void MergeRuns(void* const* from, void** to, std::size_t a, std::size_t mid, std::size_t b,
               TListSortCompare compare) {
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
  std::size_t n = static_cast<std::size_t>(count_);
  std::vector<void*> a(items_.get(), items_.get() + n), b(n);
  for (std::size_t width = 1; width < n; width *= 2) {
    for (std::size_t lo = 0; lo < n; lo += 2 * width)
      MergeRuns(a.data(), b.data(), lo, std::min(lo + width, n), std::min(lo + 2 * width, n), Compare);
    a.swap(b);
  }
  std::copy(a.begin(), a.end(), items_.get());
}

std::vector<void*> TList::ItemsNotIn(const std::vector<void*>& items) const {
  std::vector<void*> result;
  for (void* item : items)
    if (IndexOf(item) < 0) result.push_back(item);
  return result;
}

void TList::AddAll(const std::vector<void*>& items) {
  int64_t needed = count_ + static_cast<int64_t>(items.size());
  if (needed > capacity_) SetCapacity(static_cast<int>(std::min<int64_t>(needed, INT_MAX)));
  for (void* item : items) Add(item);
}

void TList::Assign(TList* ListA, TListAssignOp AOperator, TList* ListB) {
  auto snapshot = [](const TList* list) {
    return list ? std::vector<void*>(list->items_.get(), list->items_.get() + list->count_) : std::vector<void*>{};
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
  if (owner_.load() == std::this_thread::get_id()) mutex_.unlock();
}

void TListLock::Acquire() {
  std::thread::id self = std::this_thread::get_id();
  if (owner_.load() != self) {
    mutex_.lock();
    owner_.store(self);
  }
  ++depth_;
}

void TListLock::Release() {
  if (owner_.load() != std::this_thread::get_id()) throw EListError("The list is not locked by this thread");
  if (--depth_ == 0) {
    owner_.store(std::thread::id{});
    mutex_.unlock();
  }
}

}  // namespace detail

namespace {
// Holds a TListLock for one scope.
class TLockScope {
 public:
  explicit TLockScope(detail::TListLock& lock) : lock_(lock) { lock_.Acquire(); }
  ~TLockScope() { lock_.Release(); }
  TLockScope(const TLockScope&) = delete;
  TLockScope& operator=(const TLockScope&) = delete;

 private:
  detail::TListLock& lock_;
};
}  // namespace

TThreadList::TThreadList() : list_(new TList) {}

void TThreadList::Destroy() {
  {
    // Waits for any thread still working on the list.
    TLockScope scope(lock_);
    list_.reset();
  }
  inherited::Destroy();
}

TList* TThreadList::LockList() {
  lock_.Acquire();
  return list_.get();
}

void TThreadList::UnlockList() { lock_.Release(); }

void TThreadList::Add(void* Item) {
  TLockScope scope(lock_);
  TDuplicates duplicates = duplicates_.load();
  if (duplicates != dupAccept && list_->IndexOf(Item) >= 0) {
    if (duplicates == dupError) throw EListError(SDuplicateItem);
    return;
  }
  list_->Add(Item);
}

void TThreadList::Clear() {
  TLockScope scope(lock_);
  list_->Clear();
}

void TThreadList::Remove(void* Item) {
  TLockScope scope(lock_);
  list_->Remove(Item);
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
  explicit TLocked(TThreadList& owner) : owner_(owner), list_(*owner.LockList()) {}
  ~TLocked() { owner_.UnlockList(); }
  TLocked(const TLocked&) = delete;
  TLocked& operator=(const TLocked&) = delete;
  TList* operator->() const { return &list_; }

 private:
  TThreadList& owner_;
  TList& list_;
};

TInterfaceList::TInterfaceList() : list_(new TThreadList) {}

void TInterfaceList::Destroy() {
  Clear();
  list_.reset();
  inherited::Destroy();
}

void TInterfaceList::Lock() { list_->LockList(); }

void TInterfaceList::Unlock() { list_->UnlockList(); }

int TInterfaceList::GetCapacity() { return TLocked(*list_)->GetCapacity(); }

void TInterfaceList::SetCapacity(int NewCapacity) { TLocked(*list_)->SetCapacity(NewCapacity); }

int TInterfaceList::GetCount() { return TLocked(*list_)->GetCount(); }

// References are released only after the list no longer holds the items, so
// an item whose last reference goes away may safely call back into the list.
void TInterfaceList::SetCount(int NewCount) {
  std::vector<IUnknown*> dropped;
  {
    TLocked list(*list_);
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

IUnknown* TInterfaceList::GetItems(int Index) { return AsItem(TLocked(*list_)->Get(Index)); }

void TInterfaceList::SetItems(int Index, IUnknown* Item) {
  IUnknown* old;
  {
    TLocked list(*list_);
    old = AsItem(list->Get(Index));
    AddRefItem(Item);
    list->Put(Index, Item);
  }
  ReleaseItem(old);
}

void TInterfaceList::Delete(int Index) {
  IUnknown* old;
  {
    TLocked list(*list_);
    old = AsItem(list->Get(Index));
    list->Delete(Index);
  }
  ReleaseItem(old);
}

int TInterfaceList::Remove(IUnknown* Item) {
  TLocked list(*list_);
  int index = list->IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void TInterfaceList::Exchange(int Index1, int Index2) { TLocked(*list_)->Exchange(Index1, Index2); }

TInterfaceList* TInterfaceList::Expand() {
  TLocked(*list_)->Expand();
  return this;
}

IUnknown* TInterfaceList::First() { return AsItem(TLocked(*list_)->First()); }

IUnknown* TInterfaceList::Last() { return AsItem(TLocked(*list_)->Last()); }

int TInterfaceList::IndexOf(IUnknown* Item) { return TLocked(*list_)->IndexOf(Item); }

// The reference is added under the lock: another thread must not be able to
// delete (and release) the item before the list owns its reference.
int TInterfaceList::Add(IUnknown* Item) {
  TLocked list(*list_);
  int index = list->Add(Item);
  AddRefItem(Item);
  return index;
}

void TInterfaceList::Insert(int Index, IUnknown* Item) {
  TLocked list(*list_);
  list->Insert(Index, Item);
  AddRefItem(Item);
}

// ----------------------------------------------------------------------- TBits

namespace {
constexpr int kWordBits = 64;
[[noreturn]] void BitsError() { throw EBitsError("Bits index out of range"); }
}  // namespace

bool TBits::GetBits(int Index) const {
  if (Index < 0 || Index >= size_) BitsError();
  return (words_[Index / kWordBits] >> (Index % kWordBits)) & 1u;
}

void TBits::SetBits(int Index, bool Value) {
  if (Index < 0 || Index == INT_MAX) BitsError();
  if (Index >= size_) SetSize(Index + 1);
  uint64_t mask = uint64_t{1} << (Index % kWordBits);
  uint64_t& word = words_[Index / kWordBits];
  word = Value ? (word | mask) : (word & ~mask);
}

void TBits::SetSize(int Value) {
  if (Value < 0) BitsError();
  words_.resize((static_cast<std::size_t>(Value) + kWordBits - 1) / kWordBits, 0);
  // Bits past the end stay clear, so growing again yields clear bits.
  if (int tail = Value % kWordBits) words_.back() &= (uint64_t{1} << tail) - 1;
  size_ = Value;
}

int TBits::OpenBit() const {
  for (std::size_t w = 0; w < words_.size(); ++w)
    if (words_[w] != ~uint64_t{0})
      return std::min(size_, static_cast<int>(w) * kWordBits + std::countr_one(words_[w]));
  return size_;
}

}  // namespace host
