#include "host/classes/lists.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

// Items are addresses of the cells; Ids() turns a list back into cell numbers
// (-1 for a null item) so expectations read naturally.
int cells[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
void* P(int i) { return &cells[i]; }
int Id(void* p) { return p ? *static_cast<int*>(p) : -1; }

std::vector<int> Ids(const TList& list) {
  std::vector<int> ids;
  for (int i = 0; i < list.GetCount(); ++i) ids.push_back(Id(list.Get(i)));
  return ids;
}

TOwned<TList> ListOf(std::initializer_list<int> ids) {
  TOwned<TList> list(new TList);
  for (int i : ids) list->Add(i < 0 ? nullptr : P(i));
  return list;
}

using testkit::RaisedMessage;

// Records the notifications a descendant receives.
using TLog = std::vector<std::pair<int, TListNotification>>;
class TRecordingList : public TList {
  HOST_CLASS(TRecordingList, TList)
  explicit TRecordingList(TLog* log) : FLog(log) {}

 protected:
  void Notify(void* Ptr, TListNotification Action) override { FLog->emplace_back(Id(Ptr), Action); }

 private:
  TLog* FLog;
};
HOST_IMPL(TRecordingList, TList)

// ---------------------------------------------------------------------- TList

TEST(TList, IndexErrorsCarryTheIndexAndChangeNothing) {
  auto list = ListOf({0, 1, 2, 3, 4});
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Get(5); }), "List index out of bounds (5)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Put(-1, P(9)); }), "List index out of bounds (-1)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Delete(5); }), "List index out of bounds (5)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Insert(6, P(9)); }), "List index out of bounds (6)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Exchange(0, 7); }), "List index out of bounds (7)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Move(0, 5); }), "List index out of bounds (5)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Move(-2, 1); }), "List index out of bounds (-2)");
  EXPECT_EQ(Ids(*list), (std::vector<int>{0, 1, 2, 3, 4}));

  auto empty = ListOf({});
  EXPECT_EQ(RaisedMessage<EListError>([&] { empty->First(); }), "List index out of bounds (0)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { empty->Last(); }), "List index out of bounds (-1)");
  EXPECT_EQ(Id(list->First()), 0);
  EXPECT_EQ(Id(list->Last()), 4);

  EXPECT_EQ(RaisedMessage<EListError>([] { TList::Error("Bad item %d", 7); }), "Bad item 7");
}

TEST(TList, InsertMoveExchangeRemoveExtractPack) {
  TLog log;
  TOwned<TRecordingList> list(new TRecordingList(&log));
  EXPECT_EQ(list->Add(P(1)), 0);
  EXPECT_EQ(list->Add(P(2)), 1);
  list->Insert(0, P(0));
  list->Insert(3, P(3));  // Count: appends
  list->Insert(1, nullptr);
  EXPECT_EQ(Ids(*list), (std::vector<int>{0, -1, 1, 2, 3}));
  EXPECT_EQ(log.size(), 4u);  // null items are not announced

  list->Move(0, 3);
  EXPECT_EQ(Ids(*list), (std::vector<int>{-1, 1, 2, 0, 3}));
  list->Move(4, 1);
  EXPECT_EQ(Ids(*list), (std::vector<int>{-1, 3, 1, 2, 0}));
  list->Exchange(1, 4);
  EXPECT_EQ(Ids(*list), (std::vector<int>{-1, 0, 1, 2, 3}));
  EXPECT_EQ(list->GetList()[2], P(1));

  log.clear();
  list->Add(P(1));
  EXPECT_EQ(list->Remove(P(1)), 2);  // first occurrence only
  EXPECT_EQ(list->Remove(P(9)), -1);
  EXPECT_EQ(list->Extract(P(0)), P(0));
  EXPECT_EQ(list->Extract(P(9)), nullptr);
  list->Put(1, P(5));  // overwrites 2
  EXPECT_EQ(log, (TLog{{1, lnAdded}, {1, lnDeleted}, {0, lnExtracted}, {2, lnDeleted}, {5, lnAdded}}));
  EXPECT_EQ(Ids(*list), (std::vector<int>{-1, 5, 3, 1}));

  list->Add(nullptr);
  list->Pack();
  EXPECT_EQ(Ids(*list), (std::vector<int>{5, 3, 1}));
  log.clear();
  list.reset();  // teardown deletes what is left, through Notify
  EXPECT_EQ(log, (TLog{{1, lnDeleted}, {3, lnDeleted}, {5, lnDeleted}}));
}

TEST(TList, CountAndCapacityRules) {
  TOwned<TList> list(new TList);
  std::vector<int> capacities;
  for (int i = 0; i < 80; ++i) {
    list->Add(P(i % 10));
    if (capacities.empty() || capacities.back() != list->GetCapacity()) capacities.push_back(list->GetCapacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95}));
  EXPECT_EQ(list->Expand(), list.get());  // not full: capacity stays
  EXPECT_EQ(list->GetCapacity(), 95);

  list->SetCount(2);
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->SetCount(-1); }), "List count out of bounds (-1)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->SetCapacity(1); }), "List capacity out of bounds (1)");
  EXPECT_EQ(Ids(*list), (std::vector<int>{0, 1}));
  EXPECT_EQ(list->GetCapacity(), 95);
  list->SetCapacity(2);
  list->SetCount(4);  // grows the capacity and fills with null
  EXPECT_EQ(Ids(*list), (std::vector<int>{0, 1, -1, -1}));
  EXPECT_EQ(list->GetCapacity(), 4);
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetList(), nullptr);
}

int CompareCells(void* a, void* b) { return *static_cast<int*>(a) / 2 - *static_cast<int*>(b) / 2; }
int CompareFails(void*, void*) { throw EListError("compare failed"); }

TEST(TList, SortIsStableAndAllOrNothing) {
  auto list = ListOf({7, 3, 2, 6, 1, 0, 9, 8, 4});
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Sort(CompareFails); }), "compare failed");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Sort(nullptr); }), "Sort needs a compare function");
  EXPECT_EQ(Ids(*list), (std::vector<int>{7, 3, 2, 6, 1, 0, 9, 8, 4}));
  list->Sort(CompareCells);  // pairs (0,1), (2,3), ... compare equal
  EXPECT_EQ(Ids(*list), (std::vector<int>{1, 0, 3, 2, 4, 7, 6, 9, 8}));
}

TEST(TList, AssignCombinesLists) {
  auto other = ListOf({3, 4, 6});
  struct Case {
    TListAssignOp op;
    std::vector<int> expected;
  };
  for (const Case& c : {Case{laCopy, {3, 4, 6}}, Case{laAnd, {3, 4}}, Case{laOr, {1, 2, 3, 4, 5, 6}},
                        Case{laXor, {1, 2, 5, 6}}, Case{laSrcUnique, {1, 2, 5}}, Case{laDestUnique, {6}}}) {
    auto list = ListOf({1, 2, 3, 4, 5});
    list->Assign(other.get(), c.op);
    EXPECT_EQ(Ids(*list), c.expected) << int(c.op);
    EXPECT_EQ(Ids(*other), (std::vector<int>{3, 4, 6}));
    auto fromTwo = ListOf({9});
    fromTwo->Assign(ListOf({1, 2, 3, 4, 5}).get(), c.op, other.get());
    EXPECT_EQ(Ids(*fromTwo), c.expected) << int(c.op);
  }
  other->Assign(other.get());
  EXPECT_EQ(Ids(*other), (std::vector<int>{3, 4, 6}));
  other->Assign(nullptr, laOr);
  EXPECT_EQ(Ids(*other), (std::vector<int>{3, 4, 6}));
}

// ---------------------------------------------------------------- TThreadList

TEST(TThreadList, DuplicatesRemoveAndClear) {
  TOwned<TThreadList> list(new TThreadList);
  auto count = [&] {
    int n = list->LockList()->GetCount();
    list->UnlockList();
    return n;
  };
  list->Add(P(1));
  list->Add(P(1));  // ignored by default
  EXPECT_EQ(count(), 1);
  list->SetDuplicates(dupError);
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Add(P(1)); }), "List does not allow duplicates");
  EXPECT_EQ(count(), 1);
  list->SetDuplicates(dupAccept);
  list->Add(P(1));
  EXPECT_EQ(count(), 2);
  list->Remove(P(1));
  list->Remove(P(9));
  EXPECT_EQ(count(), 1);
  list->Clear();
  EXPECT_EQ(count(), 0);
}

TEST(TThreadList, LockIsReentrantAndOwnedByOneThread) {
  TOwned<TThreadList> list(new TThreadList);
  TList* inner = list->LockList();
  list->Add(P(1));  // the holder may keep working through the thread list
  std::string otherThread;
  std::thread([&] { otherThread = RaisedMessage<EListError>([&] { list->UnlockList(); }); }).join();
  EXPECT_EQ(otherThread, "The list is not locked by this thread");
  EXPECT_EQ(Ids(*inner), (std::vector<int>{1}));
  list->UnlockList();
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->UnlockList(); }), "The list is not locked by this thread");
}

TEST(TThreadList, TwoThreadsAddConcurrently) {
  TOwned<TThreadList> list(new TThreadList);
  std::vector<int> values(2000);
  // Both threads add every even value (the duplicate check and the add must
  // be one step); each adds its own half of the odd values.
  auto worker = [&](int odd) {
    for (int i = 0; i < 2000; ++i)
      if (i % 2 == 0 || i % 4 == odd) list->Add(&values[i]);
  };
  std::thread a(worker, 1), b(worker, 3);
  a.join();
  b.join();
  TList* inner = list->LockList();
  EXPECT_EQ(inner->GetCount(), 2000);
  for (int i = 0; i < 2000; ++i) EXPECT_GE(inner->IndexOf(&values[i]), 0);
  list->UnlockList();
}

// ------------------------------------------------------------- TInterfaceList

// An interfaced object that writes its name into a log when it is freed.
class TTracked : public TInterfacedObject {
  HOST_CLASS(TTracked, TInterfacedObject)
  TTracked(std::string name, std::vector<std::string>* freed) : FName(std::move(name)), FFreed(freed) {}

 protected:
  void Destroy() override {
    FFreed->push_back(FName);
    inherited::Destroy();
  }

 private:
  std::string FName;
  std::vector<std::string>* FFreed;
};
HOST_IMPL(TTracked, TInterfacedObject)

TEST(TInterfaceList, CountsReferencesOfItsItems) {
  std::vector<std::string> freed;
  auto* a = new TTracked("a", &freed);
  auto* b = new TTracked("b", &freed);
  auto* c = new TTracked("c", &freed);
  a->_AddRef();  // the test's own reference keeps a alive throughout
  TOwned<TInterfaceList> list(new TInterfaceList);
  EXPECT_EQ(list->Add(a), 0);
  EXPECT_EQ(list->Add(b), 1);
  list->Insert(0, c);
  list->Add(a);
  EXPECT_EQ(a->RefCount(), 3);
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Insert(9, b); }), "List index out of bounds (9)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Put(4, b); }), "List index out of bounds (4)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Delete(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(b->RefCount(), 1);
  EXPECT_EQ(list->GetCount(), 4);

  EXPECT_EQ(list->IndexOf(a), 1);
  EXPECT_EQ(list->First(), c);
  EXPECT_EQ(list->Last(), a);
  list->Exchange(0, 3);  // c a b a -> a a b c
  EXPECT_EQ(list->Remove(c), 3);
  EXPECT_EQ(freed, (std::vector<std::string>{"c"}));
  EXPECT_EQ(list->Remove(c), -1);
  list->Put(2, a);  // a a a: b's only reference goes
  EXPECT_EQ(freed, (std::vector<std::string>{"c", "b"}));
  EXPECT_EQ(a->RefCount(), 4);
  list->SetCount(5);  // two null slots
  EXPECT_EQ(list->Get(4), nullptr);
  list->SetCount(1);
  EXPECT_EQ(a->RefCount(), 2);
  list->Delete(0);
  EXPECT_EQ(a->RefCount(), 1);
  list->Add(a);
  list.reset();  // freeing the list releases what it still holds
  EXPECT_EQ(a->RefCount(), 1);
  a->_Release();
  EXPECT_EQ(freed, (std::vector<std::string>{"c", "b", "a"}));
}

TEST(TInterfaceList, ClearLockAndCapacity) {
  std::vector<std::string> freed;
  TOwned<TInterfaceList> list(new TInterfaceList);
  list->Add(new TTracked("x", &freed));
  list->Add(new TTracked("y", &freed));
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->SetCapacity(1); }), "List capacity out of bounds (1)");
  EXPECT_EQ(list->Expand(), list.get());
  list->Lock();
  list->Lock();
  list->Unlock();
  list->Clear();  // works while the lock is held by this thread
  list->Unlock();
  EXPECT_EQ(RaisedMessage<EListError>([&] { list->Unlock(); }), "The list is not locked by this thread");
  EXPECT_EQ(freed, (std::vector<std::string>{"x", "y"}));
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetCapacity(), 0);
}

// ----------------------------------------------------------------------- TBits

TEST(TBits, GrowsOnWriteAndFindsTheFirstClearBit) {
  TOwned<TBits> bits(new TBits);
  EXPECT_EQ(RaisedMessage<EBitsError>([&] { bits->GetBits(0); }), "Bits index out of range");
  EXPECT_EQ(RaisedMessage<EBitsError>([&] { bits->SetBits(-1, true); }), "Bits index out of range");
  EXPECT_EQ(RaisedMessage<EBitsError>([&] { bits->SetSize(-1); }), "Bits index out of range");
  EXPECT_EQ(bits->GetSize(), 0);
  EXPECT_EQ(bits->OpenBit(), 0);

  bits->SetBits(70, true);
  EXPECT_EQ(bits->GetSize(), 71);
  EXPECT_FALSE(bits->GetBits(69));
  EXPECT_TRUE(bits->GetBits(70));
  EXPECT_EQ(RaisedMessage<EBitsError>([&] { bits->GetBits(71); }), "Bits index out of range");
  for (int i = 0; i < 70; ++i) bits->SetBits(i, true);
  EXPECT_EQ(bits->OpenBit(), 71);  // all set: Size
  bits->SetBits(65, false);
  EXPECT_EQ(bits->OpenBit(), 65);

  bits->SetSize(64);  // drops bits 64.., a whole word of set bits remains
  EXPECT_EQ(bits->OpenBit(), 64);
  bits->SetSize(71);  // bits that come back are clear
  EXPECT_FALSE(bits->GetBits(70));
  EXPECT_TRUE(bits->GetBits(63));
}

}  // namespace
}  // namespace host
