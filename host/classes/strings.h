// TStrings, the abstract list of strings with attached objects, and
// TStringList, its stand-alone implementation (sorting, duplicate handling,
// change notifications).
//
// Property accessors follow the classic names: Count -> GetCount,
// Strings[i] -> GetStrings/SetStrings, Objects[i] -> GetObjects/SetObjects,
// Names[i] -> GetNames, Values[Name] -> GetValues/SetValues, CommaText ->
// GetCommaText/SetCommaText, Capacity -> GetCapacity/SetCapacity,
// StringsAdapter -> GetStringsAdapter/SetStringsAdapter. The Text property is
// GetTextStr/SetTextStr (a std::string); GetText/SetText are the classic
// methods working on a zero-terminated character buffer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/classes/classes_types.h"
#include "host/classes/persistent.h"
#include "host/rtl/events.h"

namespace host {

class TStream;
class TStrings;
class TStringList;

inline constexpr char SSortedListError[] = "Operation not allowed on sorted string list";
inline constexpr char SDuplicateString[] = "String list does not allow duplicates";

// Keeps an outside representation of a string list (an automation wrapper,
// for instance) linked to the list. The list holds one reference to its
// adapter and tells it when the link starts and ends.
class IStringsAdapter : public IUnknown {
 public:
  static constexpr TGUID IID{0x739C2F34, 0x52EC, 0x11D0, {0x9E, 0xA6, 0x00, 0x20, 0xAF, 0x3D, 0x82, 0xDA}};
  virtual void ReferenceStrings(TStrings* S) = 0;
  virtual void ReleaseStrings() = 0;

 protected:
  ~IStringsAdapter() = default;
};

// One entry of a string list: the text and the object attached to it.
struct TStringItem {
  std::string FString;
  TObject* FObject = nullptr;
};

// The abstract string list. A descendant stores the strings and provides
// Get, GetCount, Clear, Delete and Insert (and GetObject/PutObject when it
// keeps objects); everything else is built on those.
class TStrings : public TPersistent {
  HOST_CLASS(TStrings, TPersistent)

  // ---- content (index errors raise EStringListError "List index out of bounds (%d)")
  virtual int32_t GetCount() const = 0;
  std::string GetStrings(int32_t Index) const { return Get(Index); }
  void SetStrings(int32_t Index, const std::string& S) { Put(Index, S); }
  TObject* GetObjects(int32_t Index) const { return GetObject(Index); }
  void SetObjects(int32_t Index, TObject* AObject) { PutObject(Index, AObject); }
  // Room reserved for items; a plain TStrings reports its count and ignores
  // a new value.
  virtual int32_t GetCapacity() const { return GetCount(); }
  virtual void SetCapacity(int32_t /*NewCapacity*/) {}

  virtual int32_t Add(const std::string& S);
  virtual int32_t AddObject(const std::string& S, TObject* AObject);
  void Append(const std::string& S) { Add(S); }
  // Appends every string (with its object) of `Strings`; null adds nothing.
  virtual void AddStrings(const TStrings* Strings);
  virtual void Clear() = 0;
  virtual void Delete(int32_t Index) = 0;
  virtual void Insert(int32_t Index, const std::string& S) = 0;
  virtual void InsertObject(int32_t Index, const std::string& S, TObject* AObject);
  virtual void Exchange(int32_t Index1, int32_t Index2);
  // Moves the item at CurIndex (string and object) so that it ends at NewIndex.
  virtual void Move(int32_t CurIndex, int32_t NewIndex);

  // Same count and the same strings in the same order (case-sensitive;
  // objects are not compared). False for null.
  bool Equals(const TStrings* Strings) const;
  // Case-insensitive (AnsiCompareText); -1 when absent.
  virtual int32_t IndexOf(const std::string& S) const;
  int32_t IndexOfName(const std::string& Name) const;
  int32_t IndexOfObject(TObject* AObject) const;

  // ---- name=value pairs
  // The part of the string before the first '='; empty when there is none.
  std::string GetNames(int32_t Index) const;
  // The text after "Name=" of the first entry with that name (compared
  // without regard to case); empty when there is none.
  std::string GetValues(const std::string& Name) const;
  // Replaces the entry's value (through Strings[], so a sorted TStringList
  // refuses it), adds "Name=Value" when the name is new, and deletes the
  // entry when Value is empty.
  void SetValues(const std::string& Name, const std::string& Value);

  // ---- whole-list text forms
  // Every string followed by "\n".
  virtual std::string GetTextStr() const;
  // Replaces the contents with the lines of Value, split at "\r\n", "\n" or
  // "\r"; a final line break does not start another line.
  virtual void SetTextStr(const std::string& Value);
  // The strings separated by commas; a string that is empty or holds blanks,
  // control characters, commas or double quotes is written in double quotes
  // with inner quotes doubled.
  std::string GetCommaText() const;
  // Replaces the contents with the items of a comma text: items end at a
  // comma or at a blank/control character outside quotes, quoted items may
  // hold anything (a doubled quote stands for one), blanks between items are
  // skipped.
  void SetCommaText(const std::string& Value);
  // A zero-terminated copy of the text. The buffer belongs to this object and
  // stays valid until the next GetText call on it or its destruction.
  char* GetText();
  // Replaces the contents with the lines of a zero-terminated text (null
  // clears the list).
  void SetText(const char* Text);

  // ---- files and streams (the whole remaining stream is text)
  void LoadFromFile(const std::string& FileName);
  void SaveToFile(const std::string& FileName) const;
  void LoadFromStream(TStream* Stream);
  void SaveToStream(TStream* Stream) const;

  // ---- update batching: SetUpdateState(true) runs when the first
  // BeginUpdate starts a batch and SetUpdateState(false) when the matching
  // EndUpdate ends it. An EndUpdate without a BeginUpdate does nothing.
  void BeginUpdate();
  void EndUpdate();

  IStringsAdapter* GetStringsAdapter() const { return FAdapter; }
  // Tells the old adapter to let go (ReleaseStrings), then holds a reference
  // to the new one and links it to this list (ReferenceStrings).
  void SetStringsAdapter(IStringsAdapter* Value);

  // Copies the strings and objects of another TStrings (one change batch);
  // other sources go to TPersistent::Assign.
  void Assign(TPersistent* Source) override;
  // Streams the strings as the custom property "Strings": a list of string
  // values, written when there are strings (or, for a descendent form, when
  // they differ from the ancestor's). Reading replaces the whole contents
  // (all or nothing).
  void DefineProperties(TFiler* Filer) override;

 protected:
  TStrings() = default;
  void Destroy() override;

  virtual std::string Get(int32_t Index) const = 0;
  virtual void Put(int32_t Index, const std::string& S);
  virtual TObject* GetObject(int32_t /*Index*/) const { return nullptr; }
  virtual void PutObject(int32_t /*Index*/, TObject* /*AObject*/) {}
  virtual void SetUpdateState(bool /*Updating*/) {}
  int32_t GetUpdateCount() const { return FUpdateCount; }

  // Raises EStringListError with Msg formatted with Data.
  [[noreturn]] static void Error(const char* Msg, int32_t Data);
  // Raises the index error unless 0 <= Index < Limit.
  static void CheckIndex(int32_t Index, int32_t Limit);

  // The contents as (string, object) pairs, and putting saved contents back.
  // Used to undo a bulk change that failed half way.
  virtual std::vector<TStringItem> Snapshot() const;
  virtual void Restore(std::vector<TStringItem>&& Items);
  // Runs `change` inside one update batch; if it throws, the previous
  // contents are restored before the exception goes on.
  template <class F>
  void ChangeOrRestore(F&& change);

 private:
  class TUpdateScope;
  void AppendItems(const std::vector<TStringItem>& Items);
  // Replaces the whole contents in one batch (all or nothing).
  void ReplaceItems(const std::vector<TStringItem>& Items);

  int32_t FUpdateCount = 0;
  IStringsAdapter* FAdapter = nullptr;
  std::string FTextBuffer;  // what GetText returned last
};

// Orders two entries of a list by index: <0, 0 or >0.
using TStringListSortCompare = int (*)(TStringList* List, int32_t Index1, int32_t Index2);

// The stand-alone string list. Objects attached to strings are not owned.
class TStringList : public TStrings {
  HOST_CLASS(TStringList, TStrings)

  TStringList() = default;

  int32_t GetCount() const override { return static_cast<int32_t>(FItems.size()); }
  int32_t GetCapacity() const override { return FCapacity; }
  // The classic bookkeeping value (grows in the classic steps; storage is
  // managed separately). Raises "List capacity out of bounds (%d)" below Count.
  void SetCapacity(int32_t NewCapacity) override;

  // On a sorted list the string goes to its sorted place; an equal string
  // already there is kept alone (dupIgnore: returns its index), added beside
  // it (dupAccept) or refused with "String list does not allow duplicates"
  // (dupError). An unsorted list appends and accepts duplicates.
  int32_t Add(const std::string& S) override { return AddObject(S, nullptr); }
  int32_t AddObject(const std::string& S, TObject* AObject) override;
  void Clear() override;
  void Delete(int32_t Index) override;
  // Insert, Exchange, Move and writing Strings[] raise "Operation not
  // allowed on sorted string list" on a sorted list.
  void Insert(int32_t Index, const std::string& S) override { InsertObject(Index, S, nullptr); }
  void InsertObject(int32_t Index, const std::string& S, TObject* AObject) override;
  void Exchange(int32_t Index1, int32_t Index2) override;
  void Move(int32_t CurIndex, int32_t NewIndex) override;
  // A sorted list searches with Find.
  int32_t IndexOf(const std::string& S) const override;

  // Binary search (case-insensitive) of a sorted list. Returns whether S is
  // there; Index receives its position (the first of equal strings when
  // duplicates are accepted) or, when absent, the position where S belongs.
  bool Find(const std::string& S, int32_t& Index) const;
  // Sorts an unsorted list (case-insensitive); a sorted list is already in order.
  virtual void Sort();
  // Sorts an unsorted list with the given order.
  virtual void CustomSort(TStringListSortCompare Compare);

  bool GetSorted() const { return FSorted; }
  // Turning sorting on sorts the list.
  void SetSorted(bool Value);
  TDuplicates GetDuplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  std::string Get(int32_t Index) const override;
  void Put(int32_t Index, const std::string& S) override;
  TObject* GetObject(int32_t Index) const override;
  void PutObject(int32_t Index, TObject* AObject) override;
  void SetUpdateState(bool Updating) override;
  void Restore(std::vector<TStringItem>&& Items) override;

  // Fire OnChanging / OnChange unless an update batch is open.
  virtual void Changing();
  virtual void Changed();
  // Compares two strings the way this list orders them.
  virtual int CompareStrings(const std::string& S1, const std::string& S2) const;

 private:
  void CheckNotSorted() const;
  void InsertItem(int32_t Index, const std::string& S, TObject* AObject);
  void Grow();
  void QuickSort(int32_t L, int32_t R, TStringListSortCompare Compare);
  // Runs `change` between Changing and Changed.
  template <class F>
  void Notified(F&& change);

  std::vector<TStringItem> FItems;
  int32_t FCapacity = 0;
  bool FSorted = false;
  TDuplicates FDuplicates = dupIgnore;
};

}  // namespace host
