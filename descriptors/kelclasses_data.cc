// The data-class descriptors of the class library: lists, bits, persistent
// objects, collections and string lists.
#include "descriptors/kelclasses_data.h"

#include <cstdint>
#include <string>

#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"

namespace kel {

KEL_DESCRIPTOR_IMPL(TListClassInfo)
KEL_DESCRIPTOR_IMPL(TThreadListClassInfo)
KEL_DESCRIPTOR_IMPL(TInterfaceListClassInfo)
KEL_DESCRIPTOR_IMPL(TBitsClassInfo)
KEL_DESCRIPTOR_IMPL(TPersistentClassInfo)
KEL_DESCRIPTOR_IMPL(TCollectionItemClassInfo)
KEL_DESCRIPTOR_IMPL(TCollectionClassInfo)
KEL_DESCRIPTOR_IMPL(TOwnedCollectionClassInfo)
KEL_DESCRIPTOR_IMPL(TStringsClassInfo)
KEL_DESCRIPTOR_IMPL(TStringListClassInfo)

namespace {

using host::TBits;
using host::TCollection;
using host::TCollectionItem;
using host::TInterfaceList;
using host::TList;
using host::TStringList;
using host::TStrings;
using host::TThreadList;

}  // namespace

void TListClassInfo::MapFeatures(Map& m) {
  m.Prop("Capacity", &TList::GetCapacity, &TList::SetCapacity)
      .Prop("Count", &TList::GetCount, &TList::SetCount)
      .Indexed("Items", &TList::GetItems, &TList::SetItems)
      .Prop("List", &TList::GetList);
  m.Method("Add", &TList::Add)
      .Method("Clear", &TList::Clear)
      .Method("Delete", &TList::Delete)
      // A class-level member in the host: called without touching the list.
      .Method("Error", [](TList&, const std::string& msg, int32_t data) { TList::Error(msg, data); })
      .Method("Exchange", &TList::Exchange)
      .Method("Expand", &TList::Expand)
      .Method("First", &TList::First)
      .Method("IndexOf", &TList::IndexOf)
      .Method("Insert", &TList::Insert)
      .Method("Last", &TList::Last)
      .Method("Move", &TList::Move)
      .Method("Remove", &TList::Remove)
      .Method("Pack", &TList::Pack);
}

void TThreadListClassInfo::MapFeatures(Map& m) {
  m.Method("Add", &TThreadList::Add)
      .Method("Clear", &TThreadList::Clear)
      .Method("LockList", &TThreadList::LockList)
      .Method("Remove", &TThreadList::Remove)
      .Method("UnlockList", &TThreadList::UnlockList);
}

void TInterfaceListClassInfo::MapFeatures(Map& m) {
  m.Prop("Capacity", &TInterfaceList::GetCapacity, &TInterfaceList::SetCapacity)
      .Prop("Count", &TInterfaceList::GetCount, &TInterfaceList::SetCount)
      .Indexed("Items", &TInterfaceList::GetItems, &TInterfaceList::SetItems);
  m.Method("Clear", &TInterfaceList::Clear)
      .Method("Delete", &TInterfaceList::Delete)
      .Method("Exchange", &TInterfaceList::Exchange)
      .Method("Expand", &TInterfaceList::Expand)
      .Method("First", &TInterfaceList::First)
      .Method("IndexOf", &TInterfaceList::IndexOf)
      .Method("Add", &TInterfaceList::Add)
      .Method("Insert", &TInterfaceList::Insert)
      .Method("Last", &TInterfaceList::Last)
      .Method("Remove", &TInterfaceList::Remove)
      .Method("Lock", &TInterfaceList::Lock)
      .Method("Unlock", &TInterfaceList::Unlock);
}

void TBitsClassInfo::MapFeatures(Map& m) {
  m.Indexed("Bits", &TBits::GetBits, &TBits::SetBits).Prop("Size", &TBits::GetSize, &TBits::SetSize);
  m.Method("OpenBit", &TBits::OpenBit);
}

void TPersistentClassInfo::MapFeatures(Map& m) {
  m.Method("Assign", &host::TPersistent::Assign).Method("GetNamePath", &host::TPersistent::GetNamePath);
}

void TCollectionItemClassInfo::MapFeatures(Map& m) {
  m.Prop("Collection", &TCollectionItem::GetCollection, &TCollectionItem::SetCollection)
      .Prop("ID", &TCollectionItem::GetID)
      .Prop("Index", &TCollectionItem::GetIndex, &TCollectionItem::SetIndex)
      .Prop("DisplayName", &TCollectionItem::GetDisplayName, &TCollectionItem::SetDisplayName);
}

void TCollectionClassInfo::MapFeatures(Map& m) {
  m.Prop("PropName", &TCollection::GetPropName, &TCollection::SetPropName)
      .Prop("UpdateCount", &TCollection::GetUpdateCount)
      .Prop("Count", &TCollection::GetCount)
      .Prop("ItemClass", &TCollection::GetItemClass)
      .Indexed("Items", &TCollection::GetItem, &TCollection::SetItem);
  m.Method("Add", &TCollection::Add)
      .Method("BeginUpdate", &TCollection::BeginUpdate)
      .Method("Clear", &TCollection::Clear)
      .Method("EndUpdate", &TCollection::EndUpdate)
      .Method("FindItemID", &TCollection::FindItemID)
      .Method("Insert", &TCollection::Insert);
}

void TStringsClassInfo::MapFeatures(Map& m) {
  m.Prop("Capacity", &TStrings::GetCapacity, &TStrings::SetCapacity)
      .Prop("CommaText", &TStrings::GetCommaText, &TStrings::SetCommaText)
      .Prop("Count", &TStrings::GetCount)
      .Indexed("Names", &TStrings::GetNames)
      .Indexed("Objects", &TStrings::GetObjects, &TStrings::SetObjects)
      .Indexed("Values", &TStrings::GetValues, &TStrings::SetValues)  // the index converts to a name
      .Indexed("Strings", &TStrings::GetStrings, &TStrings::SetStrings)
      .Prop("Text", &TStrings::GetTextStr, &TStrings::SetTextStr)
      .Prop("StringsAdapter", &TStrings::GetStringsAdapter, &TStrings::SetStringsAdapter);
  m.Method("Add", &TStrings::Add)
      .Method("AddObject", &TStrings::AddObject)
      .Method("Append", &TStrings::Append)
      .Method("AddStrings", &TStrings::AddStrings)
      .Method("BeginUpdate", &TStrings::BeginUpdate)
      .Method("Clear", &TStrings::Clear)
      .Method("Delete", &TStrings::Delete)
      .Method("EndUpdate", &TStrings::EndUpdate)
      .Method("Equals", &TStrings::Equals)
      .Method("Exchange", &TStrings::Exchange)
      .Method("GetText", &TStrings::GetText)  // the text itself
      .Method("IndexOf", &TStrings::IndexOf)
      .Method("IndexOfName", &TStrings::IndexOfName)
      .Method("IndexOfObject", &TStrings::IndexOfObject)
      .Method("Insert", &TStrings::Insert)
      .Method("InsertObject", &TStrings::InsertObject)
      .Method("LoadFromFile", &TStrings::LoadFromFile)
      .Method("LoadFromStream", &TStrings::LoadFromStream)
      .Method("Move", &TStrings::Move)
      .Method("SaveToFile", &TStrings::SaveToFile)
      .Method("SaveToStream", &TStrings::SaveToStream)
      .Method("SetText", &TStrings::SetText);  // the text itself (0: none)
}

void TStringListClassInfo::MapFeatures(Map& m) {
  m.Prop("Duplicates", &TStringList::GetDuplicates,
         OrdinalSetter(&TStringList::SetDuplicates, host::dupError, "Duplicates"))
      .Prop("Sorted", &TStringList::GetSorted, &TStringList::SetSorted);
  m.Method("Find", &TStringList::Find)  // Index by reference: written back from scratch
      .Method("Sort", &TStringList::Sort);
  m.Event("OnChange", &TStringList::OnChange).Event("OnChanging", &TStringList::OnChanging);
}

}  // namespace kel
