// Small enumerations and message texts shared by the list classes of the host
// class library (pointer lists, thread lists, string lists).
#pragma once

#include <cstdint>

namespace host {

// What a sorted or duplicate-checking list does with an item it already holds:
// ignore the new one, accept it, or raise an error.
enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

// Why a list tells a descendant about an item (TList::Notify): the item was
// stored, taken out without being deleted (Extract), or removed.
enum TListNotification : uint8_t { lnAdded, lnExtracted, lnDeleted };

// Format texts of the list errors (one %d: the offending index or size).
inline constexpr char SListIndexError[] = "List index out of bounds (%d)";
inline constexpr char SListCapacityError[] = "List capacity out of bounds (%d)";
inline constexpr char SListCountError[] = "List count out of bounds (%d)";
inline constexpr char SDuplicateItem[] = "List does not allow duplicates";

}  // namespace host
