// Descriptors of the data classes of the host class library: pointer lists,
// thread lists, interface lists, bit arrays, persistent objects, collections
// and string lists.
//
// Every feature named in a description text maps to the host member of the
// same name with the conversions of the descriptor pattern (kelpattern.h,
// kelconvert.h). Where a mapping is not a plain member pointer, the .cc says why.
#pragma once

#include "descriptors/kelpattern.h"
#include "descriptors/kelsystem.h"
#include "host/classes/collections.h"
#include "host/classes/lists.h"
#include "host/classes/persistent.h"
#include "host/classes/strings.h"

namespace kel {

// Describes TList: Items by index, List as the address of the item storage;
// Expand, First and Last return addresses.
class TListClassInfo : public TkelDescriptor<TListClassInfo, TObjectClassInfo, host::TList> {
  KEL_DESCRIPTOR(TListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Capacity::psReadable..psWritable::pvPublic::0::Define::Count::psReadable..psWritable::"
          "pvPublic::0::Define::Items::psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::List::"
          "psReadable::pvPublic::0",
      .Methods =
          "Add::msFunction::1::Item::Clear::msProcedure::0::Delete::msProcedure::1::Index::Error::msProcedure::"
          "2::Msg::Data::Exchange::msProcedure::2::Index1::Index2::Expand::msFunction::0::First::msFunction::0::"
          "IndexOf::msFunction::1::Item::Insert::msProcedure::2::Index::Item::Last::msFunction::0::Move::"
          "msProcedure::2::CurIndex::NewIndex::Remove::msFunction::1::Item::Pack::msProcedure::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TListClassInfo() override = default;
};

// Describes TThreadList: LockList returns the inner list (the lock stays
// taken until UnlockList, as in the host).
class TThreadListClassInfo : public TkelDescriptor<TThreadListClassInfo, TObjectClassInfo, host::TThreadList> {
  KEL_DESCRIPTOR(TThreadListClassInfo)
  static constexpr TkelTexts Texts{
      .Methods =
          "Add::msProcedure::1::Item::Clear::msProcedure::0::LockList::msFunction::0::Remove::msProcedure::1::"
          "Item::UnlockList::msProcedure::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TThreadListClassInfo() override = default;
};

// Describes TInterfaceList: items are interface addresses.
class TInterfaceListClassInfo
    : public TkelDescriptor<TInterfaceListClassInfo, TInterfacedObjectClassInfo, host::TInterfaceList> {
  KEL_DESCRIPTOR(TInterfaceListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Capacity::psReadable..psWritable::pvPublic::0::Define::Count::psReadable..psWritable::"
          "pvPublic::0::Define::Items::psReadable..psWritable..psIndexed::pvPublic::1::Index",
      .Methods =
          "Clear::msProcedure::0::Delete::msProcedure::1::Index::Exchange::msProcedure::2::Index1::Index2::"
          "Expand::msFunction::0::First::msFunction::0::IndexOf::msFunction::1::Item::Add::msFunction::1::Item::"
          "Insert::msProcedure::2::Index::Item::Last::msFunction::0::Remove::msFunction::1::Item::Lock::"
          "msProcedure::0::Unlock::msProcedure::0",
      .Constructors = "Create::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TInterfaceListClassInfo() override = default;
};

// Describes TBits: Bits[Index] is one bit as a boolean.
class TBitsClassInfo : public TkelDescriptor<TBitsClassInfo, TObjectClassInfo, host::TBits> {
  KEL_DESCRIPTOR(TBitsClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Bits::psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::Size::psReadable.."
          "psWritable::pvPublic::0",
      .Methods = "OpenBit::msFunction::0",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TBitsClassInfo() override = default;
};

// Describes TPersistent; the parent of every persistent class's descriptor.
class TPersistentClassInfo : public TkelDescriptor<TPersistentClassInfo, TObjectClassInfo, host::TPersistent> {
  KEL_DESCRIPTOR(TPersistentClassInfo)
  static constexpr TkelTexts Texts{.Methods = "Assign::msProcedure::1::Source::GetNamePath::msFunction::0"};
  static void MapFeatures(Map& m);

 protected:
  ~TPersistentClassInfo() override = default;
};

// Describes TCollectionItem.
class TCollectionItemClassInfo
    : public TkelDescriptor<TCollectionItemClassInfo, TPersistentClassInfo, host::TCollectionItem> {
  KEL_DESCRIPTOR(TCollectionItemClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Collection::psReadable..psWritable::pvPublic::0::Define::ID::psReadable::pvPublic::0::"
          "Define::Index::psReadable..psWritable::pvPublic::0::Define::DisplayName::psReadable..psWritable::"
          "pvPublic::0",
      .Constructors = "Create::1::Collection",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCollectionItemClassInfo() override = default;
};

// Describes TCollection: ItemClass is a class reference; Add, FindItemID and
// Insert return item references.
class TCollectionClassInfo : public TkelDescriptor<TCollectionClassInfo, TPersistentClassInfo, host::TCollection> {
  KEL_DESCRIPTOR(TCollectionClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::PropName::psReadable..psWritable::pvProtected::0::Define::UpdateCount::psReadable::"
          "pvProtected::0::Define::Count::psReadable::pvPublic::0::Define::ItemClass::psReadable::pvPublic::"
          "0::Define::Items::psReadable..psWritable..psIndexed::pvPublic::1::Index",
      .Methods =
          "Add::msFunction::0::BeginUpdate::msProcedure::0::Clear::msProcedure::0::EndUpdate::msProcedure::0::"
          "FindItemID::msFunction::1::ID::Insert::msFunction::1::Index",
      .Constructors = "Create::1::ItemClass",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TCollectionClassInfo() override = default;
};

// Describes TOwnedCollection: nothing beyond the collection's features.
class TOwnedCollectionClassInfo
    : public TkelDescriptor<TOwnedCollectionClassInfo, TCollectionClassInfo, host::TOwnedCollection> {
  KEL_DESCRIPTOR(TOwnedCollectionClassInfo)
  static constexpr TkelTexts Texts{.Constructors = "Create::2::AOwner::ItemClass"};

 protected:
  ~TOwnedCollectionClassInfo() override = default;
};

// Describes TStrings: Values is indexed by a name (the index value is taken
// as a string, so the integer 5 looks up the name "5"); Names, Objects and
// Strings by integers. Text is the whole text as a string; GetText returns
// and SetText takes it as text too (never as an address).
class TStringsClassInfo : public TkelDescriptor<TStringsClassInfo, TPersistentClassInfo, host::TStrings> {
  KEL_DESCRIPTOR(TStringsClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Capacity::psReadable..psWritable::pvPublic::0::Define::CommaText::psReadable..psWritable::"
          "pvPublic::0::Define::Count::psReadable::pvPublic::0::Define::Names::psReadable..psIndexed::"
          "pvPublic::1::Index::Define::Objects::psReadable..psWritable..psIndexed::pvPublic::1::Index::"
          "Define::Values::psReadable..psWritable..psIndexed::pvPublic::1::Name::Define::Strings::psReadable.."
          "psWritable..psIndexed::pvPublic::1::Index::Define::Text::psReadable..psWritable::pvPublic::0::"
          "Define::StringsAdapter::psReadable..psWritable::pvPublic::0",
      .Methods =
          "Add::msFunction::1::S::AddObject::msFunction::2::S::AObject::Append::msProcedure::1::S::AddStrings::"
          "msProcedure::1::Strings::BeginUpdate::msProcedure::0::Clear::msProcedure::0::Delete::msProcedure::1::"
          "Index::EndUpdate::msProcedure::0::Equals::msFunction::1::Strings::Exchange::msProcedure::2::Index1::"
          "Index2::GetText::msFunction::0::IndexOf::msFunction::1::S::IndexOfName::msFunction::1::Name::"
          "IndexOfObject::msFunction::1::AObject::Insert::msProcedure::2::Index::S::InsertObject::msProcedure::"
          "3::Index::S::AObject::LoadFromFile::msProcedure::1::FileName::LoadFromStream::msProcedure::1::Stream::"
          "Move::msProcedure::2::CurIndex::NewIndex::SaveToFile::msProcedure::1::FileName::SaveToStream::"
          "msProcedure::1::Stream::SetText::msProcedure::1::Text",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TStringsClassInfo() override = default;
};

// Describes TStringList: Find writes the found (or insertion) position into
// its Index argument through the descriptor's scratch; OnChange and
// OnChanging are hooked in the list's handler fields.
class TStringListClassInfo : public TkelDescriptor<TStringListClassInfo, TStringsClassInfo, host::TStringList> {
  KEL_DESCRIPTOR(TStringListClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Duplicates::psReadable..psWritable::pvPublic::0::Define::Sorted::psReadable..psWritable::"
          "pvPublic::0",
      .Methods = "Find::msFunction::2::S::Index::Sort::msProcedure::0",
      .Events = "Define::OnChange::pvPublic::1::Sender::Define::OnChanging::pvPublic::1::Sender",
  };
  static void MapFeatures(Map& m);

 protected:
  ~TStringListClassInfo() override = default;
};

// The descriptors above, in the order of the class library's descriptor
// table.
using TkelDataDescriptors =
    TkelDescriptorList<TListClassInfo, TThreadListClassInfo, TInterfaceListClassInfo, TBitsClassInfo,
                       TPersistentClassInfo, TCollectionItemClassInfo, TCollectionClassInfo, TOwnedCollectionClassInfo,
                       TStringsClassInfo, TStringListClassInfo>;

}  // namespace kel
