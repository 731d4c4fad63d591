#include "host/classes/strings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

using host::testkit::RaisedMessage;
using TNames = std::vector<std::string>;

TNames Items(const TStrings& list) {
  TNames out;
  for (int32_t i = 0; i < list.GetCount(); ++i) out.push_back(list.GetStrings(i));
  return out;
}

TOwned<TStringList> ListOf(const TNames& items) {
  TOwned<TStringList> list(new TStringList);
  for (const std::string& s : items) list->Add(s);
  return list;
}

// Logs "<N" before and ">N" after each change, N being the count at that moment.
void LogChanges(TStringList& list, TNames& log) {
  list.OnChanging = [&](TObject* s) { log.push_back((s == &list ? "<" : "?") + std::to_string(list.GetCount())); };
  list.OnChange = [&](TObject* s) { log.push_back((s == &list ? ">" : "?") + std::to_string(list.GetCount())); };
}

TEST(StringList, SortedListFindsPositionsAndAppliesDuplicateRules) {
  auto list = ListOf({"delta", "Bravo", "alpha", "charlie"});
  list->SetSorted(true);
  EXPECT_EQ(Items(*list), (TNames{"alpha", "Bravo", "charlie", "delta"}));
  int32_t index = -1;
  EXPECT_TRUE(list->Find("BRAVO", index));
  EXPECT_EQ(index, 1);
  EXPECT_FALSE(list->Find("bz", index));
  EXPECT_EQ(index, 2);  // where "bz" belongs
  EXPECT_FALSE(list->Find("zulu", index));
  EXPECT_EQ(index, 4);
  EXPECT_EQ(list->IndexOf("Charlie"), 2);
  EXPECT_EQ(list->IndexOf("echo"), -1);
  EXPECT_EQ(list->Add("bz"), 2);     // inserted at the Find position
  EXPECT_EQ(list->Add("ALPHA"), 0);  // dupIgnore: the existing index, nothing added
  EXPECT_EQ(Items(*list), (TNames{"alpha", "Bravo", "bz", "charlie", "delta"}));

  list->SetDuplicates(dupError);
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->Add("Delta"); }), "String list does not allow duplicates");
  EXPECT_EQ(list->GetCount(), 5);
  list->SetDuplicates(dupAccept);
  list->Add("BZ");
  list->Add("bz");
  EXPECT_TRUE(list->Find("bZ", index));
  EXPECT_EQ(index, 2);  // the first of the equal strings

  // An unsorted list appends and keeps duplicates whatever the rule.
  auto plain = ListOf({"b", "a"});
  plain->SetDuplicates(dupError);
  EXPECT_EQ(plain->Add("b"), 2);
  EXPECT_EQ(plain->IndexOf("B"), 0);
}

TEST(StringList, SortedListRefusesPositionalChanges) {
  TOwned<TStringList> object(new TStringList);
  auto list = ListOf({"a", "c", "b"});
  list->SetObjects(2, object.get());
  list->SetSorted(true);
  EXPECT_EQ(list->GetObjects(1), object.get());  // the object travelled with "b"
  const std::string sortedError = "Operation not allowed on sorted string list";
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->Insert(0, "z"); }), sortedError);
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->SetStrings(0, "z"); }), sortedError);
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->Exchange(0, 2); }), sortedError);
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->Move(0, 2); }), sortedError);
  list->SetValues("a", "1");  // a new pair goes to its sorted place
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { list->SetValues("a", "2"); }), sortedError);
  EXPECT_EQ(Items(*list), (TNames{"a", "a=1", "b", "c"}));
  list->SetSorted(false);  // positional changes allowed again, order kept
  list->Insert(0, "z");
  EXPECT_EQ(Items(*list), (TNames{"z", "a", "a=1", "b", "c"}));
}

int ByLengthThenText(TStringList* list, int32_t i1, int32_t i2) {
  std::string a = list->GetStrings(i1), b = list->GetStrings(i2);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

int Throwing(TStringList*, int32_t, int32_t) { throw EAbort("compare failed"); }

TEST(StringList, SortingLargeListsAndCustomOrders) {
  TOwned<TStringList> list(new TStringList);
  for (uint32_t i = 0, seed = 1; i < 500; ++i)
    list->Add("k" + std::to_string((seed = seed * 1103515245u + 12345u) >> 25));
  TNames before = Items(*list);
  list->Sort();
  TNames after = Items(*list);
  EXPECT_TRUE(std::is_sorted(after.begin(), after.end(), [](auto& a, auto& b) { return AnsiCompareText(a, b) < 0; }));
  EXPECT_TRUE(std::is_permutation(after.begin(), after.end(), before.begin(), before.end()));

  auto custom = ListOf({"ccc", "a", "bb", "aa", "c"});
  custom->CustomSort(ByLengthThenText);
  EXPECT_EQ(Items(*custom), (TNames{"a", "c", "aa", "bb", "ccc"}));
  // A failing compare function leaves the list as it was; an inconsistent
  // one must still stay inside the list.
  EXPECT_EQ(RaisedMessage<EAbort>([&] { list->CustomSort(Throwing); }), "compare failed");
  EXPECT_EQ(Items(*list), after);
  custom->CustomSort([](TStringList*, int32_t, int32_t) { return -1; });
  EXPECT_EQ(custom->GetCount(), 5);
}

TEST(Strings, CommaTextQuotesAndReadsBack) {
  TNames tricky = {"plain", "with space", "com,ma", "quo\"te", "", "tab\there", "\xC3\xBCml", "'single'"};
  const std::string text = "plain,\"with space\",\"com,ma\",\"quo\"\"te\",\"\",\"tab\there\",\xC3\xBCml,'single'";
  EXPECT_EQ(ListOf(tricky)->GetCommaText(), text);
  auto back = ListOf({"old"});
  back->SetCommaText(text);
  EXPECT_EQ(Items(*back), tricky);

  // Blanks and commas separate unquoted items and blanks around items vanish;
  // an empty unquoted item only exists between two commas.
  back->SetCommaText("  a , b c,\"d \"\"e\"\"\" ,,f,");
  EXPECT_EQ(Items(*back), (TNames{"a", "b", "c", "d \"e\"", "", "f"}));
  back->SetCommaText("   ");
  EXPECT_EQ(back->GetCommaText(), "");

  // Reading into a list that refuses duplicates fails as a whole.
  auto strict = ListOf({"keep", "me"});
  strict->SetSorted(true);
  strict->SetDuplicates(dupError);
  EXPECT_EQ(RaisedMessage<EStringListError>([&] { strict->SetCommaText("x,y,X"); }),
            "String list does not allow duplicates");
  EXPECT_EQ(Items(*strict), (TNames{"keep", "me"}));
}

TEST(Strings, NamesAndValues) {
  auto list = ListOf({"Alpha=1", "beta=two=2", "noequals", "=no name", "Alpha=shadowed"});
  EXPECT_EQ(list->GetNames(1), "beta");
  EXPECT_EQ(list->GetNames(2), "");
  EXPECT_EQ(list->GetValues("ALPHA"), "1");  // the first entry with that name
  EXPECT_EQ(list->GetValues("beta"), "two=2");
  EXPECT_EQ(list->GetValues(""), "no name");
  EXPECT_EQ(list->GetValues("noequals"), "");
  EXPECT_EQ(list->IndexOfName("bet"), -1);

  list->SetValues("alpha", "9");  // replaces
  list->SetValues("gamma", "3");  // appends
  list->SetValues("beta", "");    // deletes
  list->SetValues("missing", "");
  EXPECT_EQ(Items(*list), (TNames{"alpha=9", "noequals", "=no name", "Alpha=shadowed", "gamma=3"}));
}

TEST(Strings, TextSplitsAtEveryLineBreakStyle) {
  TOwned<TStringList> list(new TStringList);
  list->SetTextStr("a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(Items(*list), (TNames{"a", "b", "c", "d", "", "e"}));
  EXPECT_EQ(list->GetTextStr(), "a\nb\nc\nd\n\ne\n");
  list->SetTextStr("\n\rx\n");  // "\n\r" is two breaks; a final break adds no line
  EXPECT_EQ(Items(*list), (TNames{"", "", "x"}));

  char* first = list->GetText();
  EXPECT_STREQ(first, "\n\nx\n");
  list->SetText("l1\r\nl2");
  EXPECT_STREQ(first, "\n\nx\n");  // still valid until the next GetText
  EXPECT_STREQ(list->GetText(), "l1\nl2\n");
  list->SetText(nullptr);
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_STREQ(list->GetText(), "");
}

TEST(Strings, ObjectsFollowTheirStrings) {
  TOwned<TStringList> o1(new TStringList), o2(new TStringList), o3(new TStringList);
  TOwned<TStringList> list(new TStringList);
  list->AddObject("one", o1.get());
  list->Add("two");
  list->InsertObject(0, "zero", o3.get());
  list->SetObjects(2, o2.get());
  EXPECT_EQ(list->IndexOfObject(o2.get()), 2);
  list->Exchange(0, 2);
  list->Move(0, 1);
  list->SetStrings(2, "nul");  // replacing the text keeps the object
  EXPECT_EQ(Items(*list), (TNames{"one", "two", "nul"}));
  EXPECT_EQ((std::vector<TObject*>{list->GetObjects(0), list->GetObjects(1), list->GetObjects(2)}),
            (std::vector<TObject*>{o1.get(), o2.get(), o3.get()}));
  list->Delete(0);
  EXPECT_EQ(list->IndexOfObject(o1.get()), -1);
  list.reset();  // not owned: the sanitizer reports a double free otherwise
}

TEST(StringList, ChangeEventsFireAroundChangesOutsideUpdates) {
  TOwned<TStringList> list(new TStringList);
  TNames log;
  LogChanges(*list, log);
  list->Add("a");
  list->SetStrings(0, "A");
  list->Delete(0);
  // Failed or empty operations notify nobody.
  EXPECT_NE(RaisedMessage<EStringListError>([&] { list->Delete(5); }), "<nothing raised>");
  list->Clear();
  list->SetSorted(true);
  list->Add("x");
  list->Add("X");  // ignored duplicate
  EXPECT_EQ(log, (TNames{"<0", ">1", "<1", ">1", "<1", ">0", "<0", ">1"}));

  // A batch, even nested, fires one pair: OnChanging at the first
  // BeginUpdate, OnChange at the last EndUpdate; a stray EndUpdate is ignored.
  log.clear();
  list->BeginUpdate();
  list->BeginUpdate();
  list->Add("y");
  list->EndUpdate();
  list->SetCommaText("p,q,r");
  EXPECT_EQ(log, (TNames{"<1"}));
  list->EndUpdate();
  list->EndUpdate();
  list->SetTextStr("s\nt");  // a bulk change is one batch
  EXPECT_EQ(log, (TNames{"<1", ">3", "<3", ">2"}));
}

TEST(StringList, IndexErrorsNameTheIndexAndChangeNothing) {
  auto list = ListOf({"a", "b", "c"});
  const std::vector<std::pair<std::function<void()>, std::string>> cases = {
      {[&] { list->GetStrings(-1); }, "List index out of bounds (-1)"},
      {[&] { list->SetStrings(3, "x"); }, "List index out of bounds (3)"},
      {[&] { list->GetObjects(4); }, "List index out of bounds (4)"},
      {[&] { list->SetObjects(-2, nullptr); }, "List index out of bounds (-2)"},
      {[&] { list->GetNames(3); }, "List index out of bounds (3)"},
      {[&] { list->Delete(3); }, "List index out of bounds (3)"},
      {[&] { list->Insert(4, "x"); }, "List index out of bounds (4)"},
      {[&] { list->Exchange(7, 0); }, "List index out of bounds (7)"},
      {[&] { list->Move(0, 3); }, "List index out of bounds (3)"},
      {[&] { list->SetCapacity(2); }, "List capacity out of bounds (2)"},
  };
  for (const auto& [code, message] : cases) EXPECT_EQ(RaisedMessage<EStringListError>(code), message);
  EXPECT_EQ(Items(*list), (TNames{"a", "b", "c"}));
  list->Insert(3, "d");  // the valid boundary cases
  list->Move(3, 0);
  EXPECT_EQ(Items(*list), (TNames{"d", "a", "b", "c"}));
}

TEST(Strings, AssignCopiesAndEqualsComparesExactly) {
  TOwned<TStringList> object(new TStringList);
  auto source = ListOf({"x", "y"});
  source->SetObjects(1, object.get());
  auto target = ListOf({"old"});
  TNames log;
  LogChanges(*target, log);
  target->Assign(source.get());
  EXPECT_EQ(target->GetObjects(1), object.get());
  EXPECT_EQ(log, (TNames{"<1", ">2"}));  // one batch
  EXPECT_TRUE(target->Equals(source.get()));
  target->SetStrings(0, "X");
  EXPECT_FALSE(target->Equals(source.get()));  // case matters here
  EXPECT_FALSE(target->Equals(nullptr));

  target->Assign(target.get());  // self-assignment keeps the contents
  target->AddStrings(target.get());
  EXPECT_EQ(Items(*target), (TNames{"X", "y", "X", "y"}));
  EXPECT_EQ(RaisedMessage<EConvertError>([&] { target->Assign(nullptr); }), "Cannot assign a nil to a TStringList");
  EXPECT_EQ(target->GetCount(), 4);

  // A copy that breaks the target's rules is undone completely.
  auto strict = ListOf({"keep"});
  strict->SetSorted(true);
  strict->SetDuplicates(dupError);
  strict->SetCapacity(10);
  EXPECT_NE(RaisedMessage<EStringListError>([&] { strict->Assign(target.get()); }), "<nothing raised>");
  EXPECT_NE(RaisedMessage<EStringListError>([&] { strict->AddStrings(target.get()); }), "<nothing raised>");
  EXPECT_EQ(Items(*strict), (TNames{"keep"}));
  EXPECT_EQ(strict->GetCapacity(), 10);
}

// Records what the list tells its adapter.
class TTestAdapter : public TInterfacedObject, public IStringsAdapter {
  HOST_CLASS(TTestAdapter, TInterfacedObject)
  explicit TTestAdapter(TNames* log) : FLog(log) {}
  HRESULT QueryInterface(const TGUID& iid, void** obj) override { return inherited::QueryInterface(iid, obj); }
  int32_t _AddRef() override { return inherited::_AddRef(); }
  int32_t _Release() override { return inherited::_Release(); }
  void ReferenceStrings(TStrings* S) override { FLog->push_back("reference " + std::to_string(S->GetCount())); }
  void ReleaseStrings() override { FLog->push_back("release"); }

 protected:
  void Destroy() override {
    FLog->push_back("freed");
    inherited::Destroy();
  }

 private:
  TNames* FLog;
};
HOST_IMPL_INTF(TTestAdapter, TInterfacedObject, IStringsAdapter)

TEST(Strings, StringsAdapterIsReferencedAndReleased) {
  TNames log;
  auto list = ListOf({"a", "b"});
  auto* first = new TTestAdapter(&log);
  list->SetStringsAdapter(first);
  list->SetStringsAdapter(first);   // the same one again survives the swap
  EXPECT_EQ(first->RefCount(), 1);  // the list holds the only reference
  list->SetStringsAdapter(new TTestAdapter(&log));
  list.reset();  // freeing the list lets go of the adapter
  EXPECT_EQ(log,
            (TNames{"reference 2", "release", "reference 2", "release", "freed", "reference 2", "release", "freed"}));
}

TEST(Strings, FileAndStreamRoundTrip) {
  std::string dir = (std::filesystem::temp_directory_path() / "strings_test_XXXXXX").string();
  ASSERT_NE(mkdtemp(dir.data()), nullptr);
  auto list = ListOf({"first line", "", "\xC3\xA9t\xC3\xA9"});
  list->SaveToFile(dir + "/list.txt");
  std::ifstream in(dir + "/list.txt", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "first line\n\n\xC3\xA9t\xC3\xA9\n");
  auto loaded = ListOf({"to be replaced"});
  loaded->LoadFromFile(dir + "/list.txt");
  EXPECT_TRUE(loaded->Equals(list.get()));

  // A missing file raises the open error naming it and changes nothing.
  std::string message = RaisedMessage<EFOpenError>([&] { loaded->LoadFromFile(dir + "/missing.txt"); });
  EXPECT_EQ(message.rfind("Cannot open file \"" + dir + "/missing.txt\"", 0), 0u) << message;
  EXPECT_EQ(loaded->GetCount(), 3);
  std::filesystem::remove_all(dir);

  // A stream is read from its position to its end and written at its position.
  TOwned<TStringStream> stream(new TStringStream("skip|x\r\ny"));
  stream->SetPosition(5);
  loaded->LoadFromStream(stream.get());
  loaded->SaveToStream(stream.get());
  EXPECT_EQ(stream->GetDataString(), "skip|x\r\nyx\ny\n");
  EXPECT_EQ(RaisedMessage<EStreamError>([&] { loaded->LoadFromStream(nullptr); }), "No stream given (nil)");
  EXPECT_EQ(Items(*loaded), (TNames{"x", "y"}));
}

}  // namespace
}  // namespace host
