// Feature records, the description language and the class descriptor base.
#include "core/kelcommon.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kelcommon_p.h"
#include "tests/core/core_test_support.h"

namespace kel {
namespace {

using test::Describe;
using test::RaisedMessage;
using Info = host::TOwned<TkelClassInfo>;

Info NewInfo() { return host::MakeOwned<TkelClassInfo>(); }

std::vector<std::string> Tokens(std::string_view text, std::string_view sep) {
  std::vector<std::string> out;
  TStringTokenizer t(text, sep);
  while (!t.Exhausted()) out.emplace_back(t.NextToken());
  return out;
}

// ------------------------------------------------------ description language

TEST(KelDescription, WorkedExamples) {
  Info d = NewInfo();
  d->ReadKELProperties(
      "Define::Bits::psReadable..psWritable..psIndexed::pvPublic::1::Index::Define::Size::psReadable..psWritable::"
      "pvPublic::0");
  d->ReadKELMethods("Find::msFunction::2::S::Index::Sort::msProcedure::0");
  d->ReadKELConstructors("Create::1::AOwner");
  d->ReadKELConstructors("Create::0");
  d->ReadKELEvents("Define::OnChange::pvPublic::1::Sender::Define::OnChanging::pvPublic::1::Sender");
  EXPECT_EQ(Describe(*d),
            "P Bits/RWI/1(,Index) P Size/RW/1() M Find/0(,S,Index) M Sort/1() C Create(,AOwner) C Create() "
            "E OnChange/1(,Sender) E OnChanging/1(,Sender) ");
  EXPECT_EQ(d->GetProperties(0)->GetIndexes(0)->Descriptor, d.get());

  // Example 5: overrides keep the inherited style (empty token) and change
  // the visibility; the event override precedes a new definition.
  Info c = NewInfo();
  c->ReadKELProperties("Define::BiDiMode::psReadable::pvPublished::0::Define::Caption::psWritable::pvProtected::0");
  c->ReadKELEvents("Define::OnChange::pvProtected::0");
  c->ReadKELProperties("Override::BiDiMode::::pvPublic::Override::Caption::::pvPublic");
  c->ReadKELEvents("Override::OnChange::pvPublished::Define::OnPopup::pvPublished::1::Sender");
  EXPECT_EQ(Describe(*c), "P BiDiMode/R/1() P Caption/W/1() E OnChange/2() E OnPopup/2(,Sender) ");
}

TEST(KelDescription, TokenizerAndEndOfText) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Tokens("a::b::cc", "::"), (V{"a", "b", "cc"}));
  EXPECT_EQ(Tokens("a::b::c", "::"), (V{"a", "b"}));       // one unread character is the end
  EXPECT_EQ(Tokens("a::::cc", "::"), (V{"a", "", "cc"}));  // adjacent separators: an empty token
  EXPECT_EQ(Tokens("a::b::", "::"), (V{"a", "b"}));        // a final separator yields nothing more
  EXPECT_EQ(Tokens("a::b::c", ".."), (V{"a::b::c"}));
  EXPECT_EQ(Tokens("ab:c", "::"), (V{"ab:c"}));  // half a separator is text
  EXPECT_EQ(Tokens("x", "::"), V{});
  EXPECT_EQ(Tokens("", "::"), V{});
  TStringTokenizer end("ab", "::");
  EXPECT_EQ(end.NextToken(), "ab");
  EXPECT_EQ(end.NextToken(), "");  // past the end: empty
  EXPECT_EQ(RaisedMessage([] { TStringTokenizer("a", ":"); }), "A token separator must have two characters, not ':'");

  Info d = NewInfo();
  d->ReadKELProperties("");
  d->ReadKELMethods("X");
  d->ReadKELEvents("Q");
  EXPECT_EQ(Describe(*d), "");
  d->ReadKELProperties("Define::Self::psReadable..x::pvPublic::0::");  // "..x": final member ignored
  d->ReadKELProperties("Override::Self::psReadable..psWritable::pvPublished::0");
  EXPECT_EQ(Describe(*d), "P Self/RW/2() ");
  for (const char* text : {"Override::Self::psWritable::pvPublic::00", "Override::Self::psWritable::pvPublic::0::0"})
    EXPECT_EQ(RaisedMessage([&] { d->ReadKELProperties(text); }), "Invalid property define token!") << text;
  EXPECT_EQ(Describe(*d), "P Self/W/1() ");  // the complete entry before the error was applied
}

TEST(KelDescription, ErrorsKeepEarlierEntries) {
  using Reader = void (TkelClassInfo::*)(std::string_view);
  const Reader props = &TkelClassInfo::ReadKELProperties, events = &TkelClassInfo::ReadKELEvents;
  struct Case {
    Reader read;
    const char *text, *message, *kept = "";
  };
  const Case cases[] = {
      {props, "Define::A::::pvPublic::0::Define::Name", " Invalid property visibility property!", "P A//1() "},
      {props, "Define::A::::pvPublic::0::define::B::::pvPublic::0", "Invalid property define token!", "P A//1() "},
      {props, "Define::A::psReadable..psWritabel::pvPublic::0",
       "psReadable..psWritabel Invalid property style property!"},
      {props, "Define::A::..::pvPublic::0", ".. Invalid property style property!"},
      {props, "Define::A::psReadable::pvPrivate::0", "pvPrivate Invalid property visibility property!"},
      {props, "Define::A::::pvPublic::-1", "Invalid parameter count -1 (allowed: 0 to 255)!"},
      {props, "Define::A::::pvPublic::256", "Invalid parameter count 256 (allowed: 0 to 255)!"},
      {props, "Override::Nope::::pvPublic", "Property Nope to override not found!"},
      {events, "Define::E::pvPublic::0::Define::F::pvPrivate::0",
       "pvPrivate Invalid event property visibility property!", "E E/1() "},
      {events, "Defined::E::pvPublic::0", "Invalid property define token!"},
      {events, "Override::OnNope::pvPublic", "Event OnNope to override not found!"},
      {&TkelClassInfo::ReadKELMethods, "M::msFunction::0::N::msFunc::0", "Invalid method style property!", "M M/0() "},
      {&TkelClassInfo::ReadKELConstructors, "Create::1::AOwner::Load", "'' is not a valid integer value",
       "C Create(,AOwner) "},
  };
  for (const Case& c : cases) {
    // Twice, on two descriptors: a text read before raises the same again.
    for (int round = 0; round < 2; ++round) {
      Info d = NewInfo();
      EXPECT_EQ(RaisedMessage([&] { ((*d).*c.read)(c.text); }), c.message) << c.text;
      EXPECT_EQ(Describe(*d), c.kept) << c.text;
    }
  }
  Info d = NewInfo();
  EXPECT_EQ(RaisedMessage<host::EConvertError>([&] { d->ReadKELMethods("M::msProcedure::two::A::B"); }),
            "'two' is not a valid integer value");
  d->ReadKELMethods("M::msProcedure::2::A");  // a text that stops early reads empty names
  EXPECT_EQ(Describe(*d), "M M/1(,A,) ");
}

TEST(KelDescription, OverridesAndDuplicates) {
  Info d = NewInfo();
  d->ReadKELProperties(
      "Define::Items::psReadable..psIndexed::pvPublic::2::Row::Col::Define::Items::psWritable::pvProtected::0");
  d->ReadKELProperties("Override::Items::psWritable..psWritable::pvPublished");
  // The first record of the name is changed, as a whole style set; the
  // duplicate and the index list are left as they were.
  EXPECT_EQ(Describe(*d), "P Items/W/2(,Row,Col) P Items/W/0() ");
  EXPECT_EQ(d->FindProperty("Items"), d->GetProperties(0));
  // Overrides see entries defined earlier in the same text.
  d->ReadKELEvents("Define::OnA::pvPublic::0::Override::OnA::pvProtected::Define::OnA::pvPublished::0");
  EXPECT_EQ(d->GetEventCount(), 2);
  EXPECT_EQ(d->GetEvents(0)->Visibility, pvProtected);
  EXPECT_EQ(d->GetEvents(1)->Visibility, pvPublished);
}

TEST(KelDescription, EveryDescriptorGetsItsOwnRecords) {
  const char* text = "Define::Items::psReadable::pvPublic::1::Index";
  Info a = NewInfo(), b = NewInfo();
  a->ReadKELProperties(text);
  b->ReadKELProperties(text);
  TkelPropertyInfo* pa = a->GetProperties(0);
  TkelPropertyInfo* pb = b->GetProperties(0);
  ASSERT_NE(pa, pb);
  ASSERT_NE(pa->GetIndexes(0), pb->GetIndexes(0));
  EXPECT_EQ(pa->Descriptor, a.get());
  EXPECT_EQ(pb->GetIndexes(0)->Descriptor, b.get());
  pa->GetIndexes(0)->Value = host::Variant(int32_t(7));
  b->ReadKELProperties("Override::Items::psWritable::pvProtected");
  EXPECT_EQ(Describe(*a), "P Items/R/1(,Index) ");
  EXPECT_TRUE(pb->GetIndexes(0)->Value.IsEmpty());
  EXPECT_EQ(pa->GetIndexes(0)->Value.AsInteger(), 7);
}

// ---------------------------------------------------------------- records

TEST(KelRecords, AccessorsAndLifetime) {
  Info d = NewInfo();
  d->ReadKELMethods("Clear::msProcedure::0::Find::msFunction::3::S::Index::S");
  d->ReadKELEvents("Define::OnKey::pvPublic::2::Sender::Key");
  d->ReadKELProperties("Define::Tag::psReadable::pvPublished::0");
  TkelMethodInfo* clear = d->FindMethod("Clear");
  TkelMethodInfo* find = d->FindMethod("Find");
  EXPECT_EQ(clear->Find("S"), nullptr);
  EXPECT_EQ(find->Find("S"), find->GetArgs(0));  // the earlier of two equal names
  EXPECT_EQ(find->Find("Index"), find->GetArgs(1));
  EXPECT_TRUE(find->Result.IsEmpty());
  EXPECT_TRUE(find->GetArgs(2)->Value.IsEmpty());
  TkelEventInfo* key = d->FindEvent("OnKey");
  EXPECT_EQ(key->Find("Sender"), key->GetArgs(0));
  EXPECT_EQ(key->Find("sender"), nullptr);

  // A held record outlives its descriptor; the Descriptor field keeps its
  // identity, and IsOf is not fooled by a later descriptor at that address.
  const TkelClassInfo* gone = d.get();
  TkelRecordRef<TkelPropertyInfo> tag(d->FindProperty("Tag"));
  EXPECT_TRUE(tag->IsOf(d.get()));
  d.reset();
  EXPECT_EQ(tag->Name, "Tag");
  EXPECT_EQ(tag->Style, TkelPropertyStyle{psReadable});
  EXPECT_EQ(tag->Descriptor, gone);
  std::vector<Info> later;  // one of these may well reuse the freed address
  for (int i = 0; i < 64; ++i) later.push_back(NewInfo());
  for (const Info& info : later) EXPECT_FALSE(tag->IsOf(info.get()));
}

TEST(KelRecords, MadeOnDemandAndReleasedWithTheirLastHolder) {
  Info d = NewInfo();
  d->ReadKELProperties("Define::A::psReadable::pvPublic::1::I::Define::B::psReadable::pvPublic::0");
  EXPECT_EQ(d->GetPropertyCount(), 2);
  TkelPropertyInfo* a = d->FindProperty("A");
  EXPECT_EQ(d->GetProperties(0), a);  // made once, then the same record
  EXPECT_EQ(d->FindProperty("A"), a);
  a->GetIndexes(0)->Value = host::Variant(3);
  // Reading the metadata again releases the records: a new one comes back.
  TkelRecordRef<TkelPropertyInfo> held(a);
  d->ReadKELProperties("Override::A::psWritable::pvPublished");
  EXPECT_EQ(held->Style, TkelPropertyStyle{psWritable});  // an override reaches a made record
  EXPECT_EQ(held->GetIndexes(0)->Value.AsInteger(), 3);
  TkelRecordRef<TkelPropertyInfo> copy = held;
  held.Reset();
  d.reset();
  EXPECT_EQ(copy->Name, "A");  // still held by the copy
  EXPECT_EQ(copy->GetIndexes(0)->Name, "I");
}

// --------------------------------------------------------- descriptor base

// A two-level descriptor family that logs its hooks.
std::vector<std::string> g_log;

class TRootInfo : public TkelClassInfo {
  HOST_CLASS(TRootInfo, TkelClassInfo)
  void ConnectEventHandlers() override { g_log.push_back("connect " + GetOwner()->ClassName()); }
  void UnConnectEventHandlers() override { g_log.push_back("unconnect " + GetOwner()->ClassName()); }
  void DefineKELProperties(TkelPropertyList& l) override {
    inherited::DefineKELProperties(l);
    ReadKELProperties("Define::Name::psReadable..psWritable::pvPublished::0");
  }
  void DefineKELEvents(TkelEventList& l) override {
    inherited::DefineKELEvents(l);
    ReadKELEvents("Define::OnChange::pvPublic::1::Sender::Define::OnChanging::pvPublic::1::Sender");
  }
};
HOST_IMPL(TRootInfo, TkelClassInfo)

class TChildInfo : public TRootInfo {
  HOST_CLASS(TChildInfo, TRootInfo)
  std::string extra = "Define::Tag::psReadable::pvPublic::0";
  void DefineKELProperties(TkelPropertyList& l) override {
    inherited::DefineKELProperties(l);
    ReadKELProperties(extra);
  }
  void DefineKELMethods(TkelMethodList& l) override {
    inherited::DefineKELMethods(l);
    ReadKELMethods("Click::msProcedure::0");
  }
};
HOST_IMPL(TChildInfo, TRootInfo)

TEST(KelClassInfo, MetaDataLookupsAndBaseOperations) {
  auto d = host::MakeOwned<TChildInfo>();
  d->InitMetaData();
  d->InitMetaData();  // empties the lists first
  EXPECT_EQ(Describe(*d), "P Name/RW/2() P Tag/R/1() M Click/1() E OnChange/1(,Sender) E OnChanging/1(,Sender) ");
  EXPECT_EQ(d->FindEvent("OnChange"), d->GetEvents(0));
  EXPECT_EQ(d->FindEvent("onchange"), nullptr);
  EXPECT_EQ(d->FindConstructor("Create"), nullptr);
  EXPECT_EQ(RaisedMessage<host::EListError>([&] { d->GetProperties(2); }), "List index out of bounds (2)");
  EXPECT_EQ(RaisedMessage<host::EListError>([&] { d->GetEvents(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(RaisedMessage<host::EListError>([&] { d->GetConstructors(0); }), "List index out of bounds (0)");

  // A reader error leaves the lists as far as they were read.
  d->extra = "Define::Tag::psReadable::pvPublic::0::Defne";
  EXPECT_EQ(RaisedMessage([&] { d->InitMetaData(); }), "Invalid property define token!");
  EXPECT_EQ(Describe(*d), "P Name/RW/2() P Tag/R/1() ");

  Info bare = NewInfo();
  TkelPropertyInfo* caption = d->FindProperty("Name");
  EXPECT_EQ(RaisedMessage([&] { bare->GetProperty(caption); }), "Property Name not found!");
  EXPECT_EQ(RaisedMessage([&] { bare->SetProperty(caption, host::Variant(1)); }), "Property Name not found!");
  EXPECT_EQ(RaisedMessage([&] { bare->InvokeMethod(d->FindMethod("Click")); }),
            "Method not found: no feature record given!");
  bare->ReadKELMethods("Click::msProcedure::0");
  bare->ReadKELConstructors("Create::0");
  bare->ReadKELProperties("Define::Caption::psReadable::pvPublic::0");
  EXPECT_EQ(RaisedMessage([&] { bare->GetProperty(bare->FindProperty("Caption")); }), "Property Caption not found!");
  EXPECT_EQ(RaisedMessage([&] { bare->InvokeMethod(bare->FindMethod("Click")); }), "Method Click not found!");
  EXPECT_EQ(RaisedMessage([&] { bare->InvokeConstructor(bare->GetConstructors(0)); }), "Constructor Create not found!");
}

TEST(KelClassInfo, SetOwnerHooksAndUnhooks) {
  auto d = host::MakeOwned<TRootInfo>();
  auto a = host::MakeOwned<host::TObject>();
  auto b = host::MakeOwned<TRootInfo>();
  g_log.clear();
  d->SetOwner(nullptr);  // nothing to unhook, nothing to hook
  EXPECT_TRUE(g_log.empty());
  d->SetOwner(a.get());
  d->SetOwner(a.get());
  d->SetOwner(b.get());
  EXPECT_EQ(d->GetOwner(), b.get());
  d->SetOwner(nullptr);
  EXPECT_EQ(d->GetOwner(), nullptr);
  EXPECT_EQ(g_log, (std::vector<std::string>{"connect TObject", "unconnect TObject", "connect TObject",
                                             "unconnect TObject", "connect TRootInfo", "unconnect TRootInfo"}));
}

// ---------------------------------------------------------------- listeners

struct ListenerFixture : ::testing::Test {
  host::TOwned<TRootInfo> d = host::MakeOwned<TRootInfo>();
  host::TOwned<host::TObject> owner = host::MakeOwned<host::TObject>();
  std::vector<host::TOwned<TkelListener>> owned;
  std::string calls;

  void SetUp() override {
    d->InitMetaData();
    d->SetOwner(owner.get());
  }
  // A listener that appends `tag` to `calls` and then runs `also`.
  TkelListener* Listen(const std::string& event, const std::string& tag, std::function<void()> also = {}) {
    owned.push_back(host::MakeOwned<TkelListener>());
    TkelListener* l = owned.back().get();
    l->EventName = event;
    l->OnEvent = TNotifyKELEvent([this, tag, also](host::TObject* sender, TkelEventInfo* event) {
      EXPECT_EQ(sender, owner.get());
      calls += tag + (event->GetArgs(0)->Value.IsEmpty() ? "" : event->GetArgs(0)->Value.AsString());
      if (also) also();
    });
    return l;
  }
  std::string Fire(const char* event) {
    calls.clear();
    d->FireEvent(d->FindEvent(event));
    return calls;
  }
};

TEST_F(ListenerFixture, MatchingOrderDuplicatesAndRemoval) {
  TkelListener* a = Listen("OnChange", "a");
  TkelListener* b = Listen("OnChange", "b");
  TkelListener* other = Listen("OnChanging", "x");
  TkelListener* mute = Listen("OnChange", "m");
  mute->OnEvent = nullptr;
  TkelListener* wrongCase = Listen("onchange", "w");
  for (TkelListener* l : {a, b, other, mute, wrongCase, a, static_cast<TkelListener*>(nullptr)}) d->AddListener(l);
  d->FindEvent("OnChange")->GetArgs(0)->Value = host::Variant("!");
  EXPECT_EQ(Fire("OnChange"), "a!b!a!");
  EXPECT_EQ(Fire("OnChanging"), "x");
  d->RemoveListener(a);  // the first registration only
  d->RemoveListener(wrongCase);
  d->RemoveListener(nullptr);
  d->RemoveListener(Listen("OnChange", "never added"));
  EXPECT_EQ(Fire("OnChange"), "b!a!");
  EXPECT_EQ(RaisedMessage([&] { d->FireEvent(nullptr); }), "Cannot fire an event without an event record!");
  d->InitMetaData();  // leaves the listeners alone; the new records start empty
  EXPECT_EQ(Fire("OnChange"), "ba");
}

TEST_F(ListenerFixture, ChangesWhileFiring) {
  TkelListener* late = Listen("OnChange", "L");
  TkelListener* c = Listen("OnChange", "c");
  TkelListener* self = nullptr;
  self = Listen("OnChange", "s", [&] { d->RemoveListener(self); });
  int bRuns = 0;
  TkelListener* b = Listen("OnChange", "b", [&] {
    if (bRuns++ > 0) return;
    d->RemoveListener(c);     // later: skipped
    d->AddListener(late);     // added meanwhile: waits for the next event
    d->RemoveListener(self);  // earlier, already called
  });
  TkelListener* a = Listen("OnChange", "a");
  for (TkelListener* l : {self, a, b, c, a}) d->AddListener(l);
  EXPECT_EQ(Fire("OnChange"), "saba");
  EXPECT_EQ(Fire("OnChange"), "abaL");

  // Nested notifications see the gaps; the list is closed up afterwards.
  TkelListener* nest = Listen("OnChanging", "n", [&] {
    d->RemoveListener(a);
    d->FireEvent(d->FindEvent("OnChange"));
  });
  d->AddListener(nest);
  EXPECT_EQ(Fire("OnChanging"), "nbaL");
  d->RemoveListener(nest);
  EXPECT_EQ(Fire("OnChange"), "baL");

  // A raising listener stops the notification; the others stay registered.
  TkelListener* boom = Listen("OnChange", "!", [&] {
    d->RemoveListener(late);
    throw host::EAbort("stop");
  });
  d->RemoveListener(b);
  d->AddListener(boom);
  d->AddListener(b);
  EXPECT_EQ(RaisedMessage<host::EAbort>([&] { Fire("OnChange"); }), "stop");
  EXPECT_EQ(calls, "aL!");
  d->RemoveListener(boom);
  EXPECT_EQ(Fire("OnChange"), "ab");
}

TEST_F(ListenerFixture, HandlerMayFreeTheDescriptorOrItsListener) {
  TkelListener* freer = Listen("OnChange", "f", [&] { d.reset(); });
  TkelListener* after = Listen("OnChange", "x");
  d->AddListener(freer);
  d->AddListener(after);
  TkelEventInfo* event = d->FindEvent("OnChange");
  d->FireEvent(event);  // the descriptor goes away inside its own notification
  EXPECT_EQ(calls, "f");
  EXPECT_EQ(d, nullptr);

  d = host::MakeOwned<TRootInfo>();
  SetUp();
  TkelListener* gone = nullptr;
  gone = Listen("OnChange", "g", [&] {
    d->RemoveListener(gone);
    std::erase_if(owned, [&](const auto& p) { return p.get() == gone; });
  });
  d->AddListener(gone);
  d->AddListener(after);
  EXPECT_EQ(Fire("OnChange"), "gx");
  EXPECT_EQ(Fire("OnChange"), "x");
}

}  // namespace
}  // namespace kel
