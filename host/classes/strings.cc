#include "host/classes/strings.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TStrings, TPersistent)
HOST_IMPL(TStringList, TStrings)

namespace {

constexpr char kQuote = '"';

// Blanks and control characters separate comma-text items (bytes of UTF-8
// sequences are above the blank and belong to the item).
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

bool NeedsQuotes(std::string_view s) {
  return s.empty() || std::any_of(s.begin(), s.end(), [](char c) { return IsBlank(c) || c == kQuote || c == ','; });
}

void SkipBlanks(std::string_view s, std::size_t& pos) {
  while (pos < s.size() && IsBlank(s[pos])) ++pos;
}

std::string ReadUnquotedItem(std::string_view s, std::size_t& pos) {
  std::size_t start = pos;
  while (pos < s.size() && !IsBlank(s[pos]) && s[pos] != ',') ++pos;
  return std::string(s.substr(start, pos - start));
}

std::vector<TStringItem> SplitCommaText(std::string_view s) {
  std::vector<TStringItem> items;
  std::size_t pos = 0;
  SkipBlanks(s, pos);
  while (pos < s.size()) {
    std::string item = s[pos] == kQuote ? AnsiExtractQuotedStr(s, pos, kQuote) : ReadUnquotedItem(s, pos);
    items.push_back({std::move(item), nullptr});
    SkipBlanks(s, pos);
    if (pos < s.size() && s[pos] == ',') {
      ++pos;
      SkipBlanks(s, pos);
    }
  }
  return items;
}

std::vector<TStringItem> SplitLines(std::string_view s) {
  std::vector<TStringItem> items;
  std::size_t pos = 0;
  while (pos < s.size()) {
    std::size_t start = pos;
    while (pos < s.size() && s[pos] != '\r' && s[pos] != '\n') ++pos;
    items.push_back({std::string(s.substr(start, pos - start)), nullptr});
    if (pos < s.size() && s[pos] == '\r') ++pos;
    if (pos < s.size() && s[pos] == '\n') ++pos;
  }
  return items;
}

constexpr int32_t kStreamChunk = 1 << 16;

TStream& RequireStream(TStream* stream) {
  NeedStream(stream);
  return *stream;
}

// The position of the name/value separator, or npos.
std::size_t SeparatorPos(std::string_view s) { return s.find('='); }

}  // namespace

// Opens an update batch for its lifetime. Closing the batch may fire change
// events whose handlers throw; that exception goes on unless another one is
// already leaving the scope.
class TStrings::TUpdateScope {
 public:
  explicit TUpdateScope(TStrings& strings) : FStrings(strings) { FStrings.BeginUpdate(); }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;
  ~TUpdateScope() noexcept(false) {
    if (std::uncaught_exceptions() == FPending) {
      FStrings.EndUpdate();
      return;
    }
    try {
      FStrings.EndUpdate();
    } catch (...) {  // the exception already in flight is the one to report
    }
  }

 private:
  TStrings& FStrings;
  int FPending = std::uncaught_exceptions();
};

template <class F>
void TStrings::ChangeOrRestore(F&& change) {
  TUpdateScope scope(*this);
  std::vector<TStringItem> saved = Snapshot();
  int32_t savedCapacity = GetCapacity();
  try {
    change();
  } catch (...) {
    Restore(std::move(saved));
    SetCapacity(savedCapacity);
    throw;
  }
}

// ------------------------------------------------------------------ TStrings

void TStrings::Destroy() {
  SetStringsAdapter(nullptr);
  inherited::Destroy();
}

void TStrings::Error(const char* Msg, int32_t Data) { throw EStringListError(Msg, {Data}); }

void TStrings::CheckIndex(int32_t Index, int32_t Limit) {
  if (Index < 0 || Index >= Limit) Error(SListIndexError, Index);
}

int32_t TStrings::Add(const std::string& S) {
  int32_t index = GetCount();
  Insert(index, S);
  return index;
}

int32_t TStrings::AddObject(const std::string& S, TObject* AObject) {
  int32_t index = Add(S);
  PutObject(index, AObject);
  return index;
}

void TStrings::InsertObject(int32_t Index, const std::string& S, TObject* AObject) {
  Insert(Index, S);
  PutObject(Index, AObject);
}

void TStrings::Put(int32_t Index, const std::string& S) {
  CheckIndex(Index, GetCount());
  TUpdateScope scope(*this);
  TObject* object = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

void TStrings::Exchange(int32_t Index1, int32_t Index2) {
  CheckIndex(Index1, GetCount());
  CheckIndex(Index2, GetCount());
  TUpdateScope scope(*this);
  TStringItem first{Get(Index1), GetObject(Index1)};
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, first.FString);
  PutObject(Index2, first.FObject);
}

void TStrings::Move(int32_t CurIndex, int32_t NewIndex) {
  CheckIndex(CurIndex, GetCount());
  CheckIndex(NewIndex, GetCount());
  if (CurIndex == NewIndex) return;
  TUpdateScope scope(*this);
  TStringItem item{Get(CurIndex), GetObject(CurIndex)};
  Delete(CurIndex);
  InsertObject(NewIndex, item.FString, item.FObject);
}

std::vector<TStringItem> TStrings::Snapshot() const {
  std::vector<TStringItem> items;
  int32_t count = GetCount();
  items.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i) items.push_back({Get(i), GetObject(i)});
  return items;
}

void TStrings::Restore(std::vector<TStringItem>&& Items) {
  Clear();
  AppendItems(Items);
}

void TStrings::AppendItems(const std::vector<TStringItem>& Items) {
  for (const TStringItem& item : Items) AddObject(item.FString, item.FObject);
}

void TStrings::ReplaceItems(const std::vector<TStringItem>& Items) {
  ChangeOrRestore([&] {
    Clear();
    AppendItems(Items);
  });
}

void TStrings::AddStrings(const TStrings* Strings) {
  if (!Strings) return;
  // A copy first: Strings may be this list.
  std::vector<TStringItem> items = Strings->Snapshot();
  ChangeOrRestore([&] { AppendItems(items); });
}

void TStrings::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TStrings*>(Source)) {
    if (source != this) ReplaceItems(source->Snapshot());
    return;
  }
  inherited::Assign(Source);
}

void TStrings::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto* ancestor = dynamic_cast<TStrings*>(Filer->GetAncestor());
  const bool hasData = ancestor ? !Equals(ancestor) : GetCount() > 0;
  auto read = [this](TReader* Reader) {
    std::vector<TStringItem> items;
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) items.push_back({Reader->ReadString(), nullptr});
    Reader->ReadListEnd();
    ReplaceItems(items);
  };
  auto write = [this](TWriter* Writer) {
    Writer->WriteListBegin();
    for (int32_t i = 0; i < GetCount(); ++i) Writer->WriteString(Get(i));
    Writer->WriteListEnd();
  };
  Filer->DefineProperty("Strings", read, write, hasData);
}

bool TStrings::Equals(const TStrings* Strings) const {
  if (!Strings) return false;
  int32_t count = GetCount();
  if (count != Strings->GetCount()) return false;
  for (int32_t i = 0; i < count; ++i)
    if (Get(i) != Strings->Get(i)) return false;
  return true;
}

int32_t TStrings::IndexOf(const std::string& S) const {
  int32_t count = GetCount();
  for (int32_t i = 0; i < count; ++i)
    if (AnsiCompareText(Get(i), S) == 0) return i;
  return -1;
}

int32_t TStrings::IndexOfName(const std::string& Name) const {
  int32_t count = GetCount();
  for (int32_t i = 0; i < count; ++i) {
    std::string s = Get(i);
    std::size_t eq = SeparatorPos(s);
    if (eq != std::string::npos && AnsiCompareText(std::string_view(s).substr(0, eq), Name) == 0) return i;
  }
  return -1;
}

int32_t TStrings::IndexOfObject(TObject* AObject) const {
  int32_t count = GetCount();
  for (int32_t i = 0; i < count; ++i)
    if (GetObject(i) == AObject) return i;
  return -1;
}

std::string TStrings::GetNames(int32_t Index) const {
  std::string s = Get(Index);
  std::size_t eq = SeparatorPos(s);
  return eq == std::string::npos ? std::string() : s.substr(0, eq);
}

std::string TStrings::GetValues(const std::string& Name) const {
  int32_t index = IndexOfName(Name);
  if (index < 0) return {};
  std::string s = Get(index);
  return s.substr(SeparatorPos(s) + 1);
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  int32_t index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  std::string line = Name + "=" + Value;
  if (index < 0)
    Add(line);
  else
    Put(index, line);
}

std::string TStrings::GetTextStr() const {
  std::string text;
  int32_t count = GetCount();
  for (int32_t i = 0; i < count; ++i) {
    text += Get(i);
    text += '\n';
  }
  return text;
}

void TStrings::SetTextStr(const std::string& Value) { ReplaceItems(SplitLines(Value)); }

std::string TStrings::GetCommaText() const {
  std::string text;
  int32_t count = GetCount();
  for (int32_t i = 0; i < count; ++i) {
    if (i > 0) text += ',';
    std::string s = Get(i);
    text += NeedsQuotes(s) ? AnsiQuotedStr(s, kQuote) : s;
  }
  return text;
}

void TStrings::SetCommaText(const std::string& Value) { ReplaceItems(SplitCommaText(Value)); }

char* TStrings::GetText() {
  FTextBuffer = GetTextStr();
  return FTextBuffer.data();
}

void TStrings::SetText(const char* Text) { SetTextStr(Text ? Text : ""); }

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::SetStringsAdapter(IStringsAdapter* Value) {
  IStringsAdapter* old = FAdapter;
  if (old) old->ReleaseStrings();
  if (Value) Value->_AddRef();  // before the old one goes: they may be the same
  FAdapter = Value;
  if (old) old->_Release();
  if (Value) Value->ReferenceStrings(this);
}

void TStrings::LoadFromFile(const std::string& FileName) {
  TOwned<TFileStream> stream(new TFileStream(FileName, fmOpenRead | fmShareDenyWrite));
  LoadFromStream(stream.get());
}

void TStrings::SaveToFile(const std::string& FileName) const {
  TOwned<TFileStream> stream(new TFileStream(FileName, fmCreate));
  SaveToStream(stream.get());
}

// The text is read in pieces, so a stream that reports more than it holds
// costs no more memory than its real contents.
void TStrings::LoadFromStream(TStream* Stream) {
  TStream& stream = RequireStream(Stream);
  int64_t remaining = stream.GetSize() - stream.GetPosition();
  std::string text;
  while (remaining > 0) {
    int32_t wanted = static_cast<int32_t>(std::min<int64_t>(remaining, kStreamChunk));
    std::size_t used = text.size();
    text.resize(used + static_cast<std::size_t>(wanted));
    int32_t got = std::clamp(stream.Read(text.data() + used, wanted), 0, wanted);
    text.resize(used + static_cast<std::size_t>(got));
    if (got == 0) break;
    remaining -= got;
  }
  SetTextStr(text);
}

void TStrings::SaveToStream(TStream* Stream) const {
  TStream& stream = RequireStream(Stream);
  std::string text = GetTextStr();
  for (std::size_t done = 0; done < text.size();) {
    int32_t piece = static_cast<int32_t>(std::min<std::size_t>(text.size() - done, kStreamChunk));
    stream.WriteBuffer(text.data() + done, piece);
    done += static_cast<std::size_t>(piece);
  }
}

// --------------------------------------------------------------- TStringList

template <class F>
void TStringList::Notified(F&& change) {
  Changing();
  change();
  Changed();
}

void TStringList::Changing() {
  if (GetUpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (GetUpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const std::string& S1, const std::string& S2) const { return AnsiCompareText(S1, S2); }

void TStringList::CheckNotSorted() const {
  if (FSorted) Error(SSortedListError, 0);
}

std::string TStringList::Get(int32_t Index) const {
  CheckIndex(Index, GetCount());
  return FItems[static_cast<std::size_t>(Index)].FString;
}

void TStringList::Put(int32_t Index, const std::string& S) {
  CheckNotSorted();
  CheckIndex(Index, GetCount());
  Notified([&] { FItems[static_cast<std::size_t>(Index)].FString = S; });
}

TObject* TStringList::GetObject(int32_t Index) const {
  CheckIndex(Index, GetCount());
  return FItems[static_cast<std::size_t>(Index)].FObject;
}

void TStringList::PutObject(int32_t Index, TObject* AObject) {
  CheckIndex(Index, GetCount());
  Notified([&] { FItems[static_cast<std::size_t>(Index)].FObject = AObject; });
}

// Capacity is the classic bookkeeping value (it grows in the classic steps);
// the storage itself is managed by the vector.
void TStringList::SetCapacity(int32_t NewCapacity) {
  if (NewCapacity < GetCount()) Error(SListCapacityError, NewCapacity);
  FCapacity = NewCapacity;
}

void TStringList::Grow() {
  int32_t delta = FCapacity > 64 ? FCapacity / 4 : (FCapacity > 8 ? 16 : 4);
  SetCapacity(FCapacity + delta);
}

void TStringList::InsertItem(int32_t Index, const std::string& S, TObject* AObject) {
  Notified([&] {
    if (GetCount() >= FCapacity) Grow();
    FItems.insert(FItems.begin() + Index, TStringItem{S, AObject});
  });
}

int32_t TStringList::AddObject(const std::string& S, TObject* AObject) {
  int32_t index = GetCount();
  if (FSorted && Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) Error(SDuplicateString, 0);
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::InsertObject(int32_t Index, const std::string& S, TObject* AObject) {
  CheckNotSorted();
  if (Index < 0 || Index > GetCount()) Error(SListIndexError, Index);
  InsertItem(Index, S, AObject);
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Notified([&] {
    FItems.clear();
    FCapacity = 0;
  });
}

void TStringList::Delete(int32_t Index) {
  CheckIndex(Index, GetCount());
  Notified([&] { FItems.erase(FItems.begin() + Index); });
}

void TStringList::Exchange(int32_t Index1, int32_t Index2) {
  CheckNotSorted();
  CheckIndex(Index1, GetCount());
  CheckIndex(Index2, GetCount());
  Notified([&] { std::swap(FItems[static_cast<std::size_t>(Index1)], FItems[static_cast<std::size_t>(Index2)]); });
}

void TStringList::Move(int32_t CurIndex, int32_t NewIndex) {
  CheckNotSorted();
  CheckIndex(CurIndex, GetCount());
  CheckIndex(NewIndex, GetCount());
  if (CurIndex == NewIndex) return;
  Notified([&] {
    auto at = [&](int32_t i) { return FItems.begin() + i; };
    if (CurIndex < NewIndex)
      std::rotate(at(CurIndex), at(CurIndex + 1), at(NewIndex + 1));
    else
      std::rotate(at(NewIndex), at(CurIndex), at(CurIndex + 1));
  });
}

void TStringList::Restore(std::vector<TStringItem>&& Items) {
  FItems = std::move(Items);
  FCapacity = std::max(FCapacity, GetCount());
}

bool TStringList::Find(const std::string& S, int32_t& Index) const {
  bool found = false;
  int32_t low = 0;
  int32_t high = GetCount() - 1;
  while (low <= high) {
    int32_t mid = low + (high - low) / 2;
    int c = CompareStrings(FItems[static_cast<std::size_t>(mid)].FString, S);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) {
        found = true;
        // Without accepted duplicates there is only one match: stop here.
        if (FDuplicates != dupAccept) low = mid;
      }
    }
  }
  Index = low;
  return found;
}

int32_t TStringList::IndexOf(const std::string& S) const {
  if (!FSorted) return inherited::IndexOf(S);
  int32_t index = 0;
  return Find(S, index) ? index : -1;
}

void TStringList::Sort() {
  CustomSort([](TStringList* list, int32_t i1, int32_t i2) {
    return list->CompareStrings(list->FItems[static_cast<std::size_t>(i1)].FString,
                                list->FItems[static_cast<std::size_t>(i2)].FString);
  });
}

void TStringList::CustomSort(TStringListSortCompare Compare) {
  if (!Compare) throw EStringListError("CustomSort needs a compare function");
  if (FSorted || GetCount() < 2) return;
  // A compare function that throws leaves the list as it was.
  ChangeOrRestore([&] { QuickSort(0, GetCount() - 1, Compare); });
}

// Hoare partitioning around the middle item, following the pivot as it is
// exchanged. The scans are bounded by [L, R] so a compare function that is
// not a consistent order cannot run them off the list; recursing into the
// smaller part keeps the stack depth logarithmic.
void TStringList::QuickSort(int32_t L, int32_t R, TStringListSortCompare Compare) {
  while (L < R) {
    int32_t i = L;
    int32_t j = R;
    int32_t pivot = L + (R - L) / 2;
    do {
      while (i < R && Compare(this, i, pivot) < 0) ++i;
      while (j > L && Compare(this, j, pivot) > 0) --j;
      if (i <= j) {
        if (i != j) std::swap(FItems[static_cast<std::size_t>(i)], FItems[static_cast<std::size_t>(j)]);
        if (pivot == i)
          pivot = j;
        else if (pivot == j)
          pivot = i;
        ++i;
        --j;
      }
    } while (i <= j);
    if (j - L < R - i) {
      QuickSort(L, j, Compare);
      L = i;
    } else {
      QuickSort(i, R, Compare);
      R = j;
    }
  }
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

}  // namespace host
