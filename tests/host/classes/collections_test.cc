#include "host/classes/collections.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

// An item with one field, copied by Assign and shown as its display name.
class TNamedItem : public TCollectionItem {
  HOST_CLASS(TNamedItem, TCollectionItem)
  using TCollectionItem::TCollectionItem;
  std::string Name;
  void Assign(TPersistent* Source) override {
    if (auto* source = dynamic_cast<TNamedItem*>(Source)) return void(Name = source->Name);
    inherited::Assign(Source);
  }
  std::string GetDisplayName() override { return Name.empty() ? inherited::GetDisplayName() : Name; }
};
HOST_IMPL(TNamedItem, TCollectionItem)

class TOtherItem : public TCollectionItem {
  HOST_CLASS(TOtherItem, TCollectionItem)
  using TCollectionItem::TCollectionItem;
};
HOST_IMPL(TOtherItem, TCollectionItem)

// Joins its collection in the base constructor, then fails.
class TFailingItem : public TCollectionItem {
  HOST_CLASS(TFailingItem, TCollectionItem)
  explicit TFailingItem(TCollection* Collection) : TCollectionItem(Collection) { throw std::runtime_error("no"); }
};
HOST_IMPL(TFailingItem, TCollectionItem)

// Records every change report: the changed item's ID, or -1 for everything.
class TRecordingCollection : public TOwnedCollection {
  HOST_CLASS(TRecordingCollection, TOwnedCollection)
  explicit TRecordingCollection(TPersistent* Owner = nullptr) : TOwnedCollection(Owner, &TNamedItem::StaticMetaClass) {}
  std::vector<int32_t> Updates;
  std::vector<int32_t>* Log = nullptr;  // outlives the collection when set
  bool FailUpdates = false;

 protected:
  void Update(TCollectionItem* Item) override {
    if (FailUpdates) throw EAbort("update refused");
    Updates.push_back(Item ? Item->GetID() : -1);
    if (Log) Log->push_back(Updates.back());
  }
};
HOST_IMPL(TRecordingCollection, TOwnedCollection)

class TOwnerStub : public TPersistent {
  HOST_CLASS(TOwnerStub, TPersistent)
  std::string Path;
  std::string GetNamePath() override { return Path; }
};
HOST_IMPL(TOwnerStub, TPersistent)

std::string Names(const TCollection& c) {
  std::string s;
  for (int32_t i = 0; i < c.GetCount(); ++i) s += c.GetItem(i)->GetDisplayName() + ",";
  return s;
}
std::vector<int32_t> Ids(const TCollection& c) {
  std::vector<int32_t> ids;
  for (int32_t i = 0; i < c.GetCount(); ++i) ids.push_back(c.GetItem(i)->GetID());
  return ids;
}
TOwned<TRecordingCollection> MakeNamed(std::initializer_list<const char*> names) {
  TOwned<TRecordingCollection> c(new TRecordingCollection);
  for (const char* n : names) As<TNamedItem>(c->Add())->Name = n;
  c->Updates.clear();
  return c;
}
TOwned<TCollection> MakeOthers() { return TOwned<TCollection>(new TCollection(&TOtherItem::StaticMetaClass)); }

using testkit::RaisedMessage;

TEST(Collections, IdsAreUniqueAndNeverReused) {
  auto c = MakeNamed({"a", "b", "c"});
  c->Delete(1);
  TCollectionItem* d = c->Add();
  EXPECT_EQ(Ids(*c), (std::vector<int32_t>{0, 2, 3}));
  EXPECT_EQ(c->FindItemID(3), d);
  EXPECT_EQ(c->FindItemID(1), nullptr);
  c->Clear();
  EXPECT_EQ(c->Add()->GetID(), 4);
  EXPECT_EQ(c->GetItem(0)->GetDisplayName(), "TNamedItem");
  d = new TNamedItem(c.get());  // an item created directly joins its collection...
  EXPECT_EQ(d->GetIndex(), 1);
  d->Free();  // ...and leaves it when freed
  EXPECT_EQ(Ids(*c), (std::vector<int32_t>{4}));
}

TEST(Collections, IndexMovesAndInsertPositions) {
  auto c = MakeNamed({"a", "b", "c"});
  c->GetItem(2)->SetIndex(0);
  EXPECT_EQ(Names(*c), "c,a,b,");
  c->GetItem(0)->SetIndex(99);  // clamped to the last place
  c->GetItem(1)->SetIndex(-5);  // clamped to the first place
  EXPECT_EQ(Names(*c), "b,a,c,");
  c->GetItem(1)->SetIndex(1);  // no move, no report
  EXPECT_EQ(c->Updates, (std::vector<int32_t>{-1, -1, -1}));
  As<TNamedItem>(c->Insert(0))->Name = "first";
  As<TNamedItem>(c->Insert(c->GetCount()))->Name = "last";
  As<TNamedItem>(c->Insert(2))->Name = "mid";
  EXPECT_EQ(Names(*c), "first,b,mid,a,c,last,");
}

TEST(Collections, ItemsMoveBetweenCollections) {
  auto a = MakeNamed({"x", "y"});
  auto b = MakeNamed({"p", "q", "r"});
  TCollectionItem* y = a->GetItem(1);
  y->SetCollection(b.get());
  EXPECT_EQ(Names(*a) + Names(*b), "x,p,q,r,y,");
  EXPECT_EQ(y->GetID(), 3);  // a new ID from the new collection
  EXPECT_EQ(y->GetOwner(), b.get());
  EXPECT_EQ(a->Updates, (std::vector<int32_t>{-1}));
  EXPECT_EQ(b->Updates, (std::vector<int32_t>{-1}));
  auto others = MakeOthers();
  EXPECT_EQ(RaisedMessage<EListError>([&] { y->SetCollection(others.get()); }),
            "Cannot add a TNamedItem to a collection of TOtherItem");
  EXPECT_EQ(Names(*b) + Names(*others), "p,q,r,y,");
  y->SetCollection(nullptr);
  EXPECT_EQ(y->GetIndex(), -1);
  EXPECT_EQ(y->GetNamePath(), "TNamedItem");
  EXPECT_EQ(Names(*b), "p,q,r,");
  y->Free();
}

TEST(Collections, UpdatesAreBatchedOrReportedPerItem) {
  auto c = MakeNamed({"a", "b"});
  c->GetItem(1)->SetDisplayName("B");
  EXPECT_EQ(c->Updates, (std::vector<int32_t>{1}));
  c->BeginUpdate();
  c->BeginUpdate();
  c->GetItem(0)->SetDisplayName("A");
  c->Add();
  c->Delete(0);
  c->EndUpdate();
  EXPECT_EQ(c->GetUpdateCount(), 1);
  EXPECT_EQ(c->Updates.size(), 1u);
  c->EndUpdate();
  EXPECT_EQ(c->Updates, (std::vector<int32_t>{1, -1}));
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { c->EndUpdate(); }),
            "EndUpdate called without a matching BeginUpdate");
  EXPECT_EQ(c->GetUpdateCount(), 0);
  c->Clear();
  c->Clear();  // empty: nothing to report
  EXPECT_EQ(c->Updates, (std::vector<int32_t>{1, -1, -1}));
}

TEST(Collections, AssignCopiesItemsOrLeavesTargetUnchanged) {
  auto source = MakeNamed({"a", "b"});
  auto target = MakeNamed({"z"});
  target->Assign(source.get());
  target->Assign(target.get());
  EXPECT_EQ(Names(*target), "a,b,");
  EXPECT_EQ(Ids(*target), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(target->Updates, (std::vector<int32_t>{-1}));
  auto others = MakeOthers();
  others->Add();
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { target->Assign(others.get()); }),
            "Cannot assign a TOtherItem to a TNamedItem");
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { target->Assign(nullptr); }),
            "Cannot assign a nil to a TRecordingCollection");
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { target->SetItem(0, others->GetItem(0)); }),
            "Cannot assign a TOtherItem to a TNamedItem");
  EXPECT_EQ(Ids(*target), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(Names(*target), "a,b,");
  target->SetItem(0, source->GetItem(1));
  EXPECT_EQ(Names(*target), "b,b,");
}

TEST(Collections, NamePathsFollowOwnerAndPropName) {
  TOwned<TOwnerStub> owner(new TOwnerStub);
  TOwned<TRecordingCollection> c(new TRecordingCollection(owner.get()));
  c->Add();
  EXPECT_EQ(c->GetNamePath(), "TRecordingCollection");  // owner has no name path
  owner->Path = "Form1.Grid1";
  EXPECT_EQ(c->GetNamePath(), "TRecordingCollection");  // no property name yet
  c->SetPropName("Columns");
  EXPECT_EQ(c->Add()->GetNamePath(), "Form1.Grid1.Columns[1]");
  TOwned<TCollection> plain(new TCollection(&TCollectionItem::StaticMetaClass));
  plain->SetPropName("Items");
  EXPECT_EQ(plain->Add()->GetNamePath(), "TCollection[0]");
}

TEST(Collections, IndexErrorsLeaveContentsUnchanged) {
  auto c = MakeNamed({"a", "b"});
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->GetItem(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->GetItem(2); }), "List index out of bounds (2)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->Delete(2); }), "List index out of bounds (2)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->SetItem(5, c->GetItem(0)); }), "List index out of bounds (5)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->Insert(3); }), "List index out of bounds (3)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { c->Insert(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(Names(*c), "a,b,");
  EXPECT_EQ(Ids(*c), (std::vector<int32_t>{0, 1}));
  EXPECT_TRUE(c->Updates.empty());
}

TEST(Collections, ItemClassIsCheckedAndFailedItemConstructionLeavesNoTrace) {
  const std::string suffix = " is not a collection item class: it must descend from TCollectionItem";
  EXPECT_EQ(RaisedMessage<EInvalidCast>([&] { TOwned<TCollection>(new TCollection(&TPersistent::StaticMetaClass)); }),
            "TPersistent" + suffix);
  EXPECT_EQ(RaisedMessage<EInvalidCast>([&] { TOwned<TCollection>(new TOwnedCollection(nullptr, nullptr)); }),
            "nil" + suffix);
  EXPECT_EQ(MakeOthers()->Add()->ClassName(), "TOtherItem");

  TOwned<TCollection> c(new TCollection(&TFailingItem::StaticMetaClass));
  EXPECT_THROW(c->Add(), std::runtime_error);
  EXPECT_EQ(c->GetCount(), 0);
  auto refusing = MakeNamed({"a"});
  refusing->FailUpdates = true;
  EXPECT_EQ(RaisedMessage<EAbort>([&] { refusing->Add(); }), "update refused");
  EXPECT_EQ(Names(*refusing), "a,");
}

TEST(Collections, DestructionFreesItemsWithoutReportingChanges) {
  std::vector<int32_t> log;
  TRecordingCollection* c = MakeNamed({"a", "b"}).release();
  c->Log = &log;
  c->Free();  // the leak checker sees any item left behind
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace host
