// The descriptor pattern and the conversion rules, on the test widget.
#include "descriptors/kelpattern.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "package/package.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/descriptors/test_widget.h"

namespace kel::test {
namespace {

using host::Variant;

// A descriptor made the way the registry makes one, given back to its owner
// (unhooked) and freed at the end of the test.
template <class D>
struct TDescribed {
  explicit TDescribed(host::TObject* owner) : Info(host::New<D>()) {
    Info->InitMetaData();
    Info->SetOwner(owner);
  }
  ~TDescribed() {
    Info->SetOwner(nullptr);
    Info->Free();
  }
  TDescribed(const TDescribed&) = delete;
  TDescribed& operator=(const TDescribed&) = delete;

  Variant Get(const char* name) { return Read(Info, name); }
  void Set(const char* name, const Variant& v) { Write(Info, name, v); }
  TkelMethodInfo* Call(const char* name, std::initializer_list<Variant> args) { return Invoke(Info, name, args); }
  D* Info;
};

struct Pattern : testing::Test {
  host::TOwned<TTestWidget> Widget = host::MakeOwned<TTestWidget>();
  TDescribed<TTestWidgetClassInfo> D{Widget.get()};
};

TEST_F(Pattern, ValuesAreReadAndWrittenByTheConversionRules) {
  D.Set("Size", Variant("12"));  // text converted to the integer parameter
  EXPECT_EQ(Widget->GetSize(), 12);
  EXPECT_EQ(D.Get("Size"), Variant(12));
  EXPECT_THROW(D.Set("Size", Variant("abc")), host::EVariantTypeCastError);
  EXPECT_EQ(Widget->GetSize(), 12);
  EXPECT_THROW(D.Set("Size", Variant(-1)), host::EPropertyError);  // the host's own check
  EXPECT_EQ(Widget->GetSize(), 12);

  D.Set("Caption", Variant(42));
  EXPECT_EQ(Widget->GetCaption(), "42");
  EXPECT_EQ(D.Get("Caption"), Variant("42"));
  D.Set("Color", Variant(2));
  EXPECT_EQ(Widget->GetColor(), tcBlue);
  EXPECT_EQ(D.Get("Color"), Variant(2));
  D.Set("Visible", Variant("True"));
  EXPECT_TRUE(Widget->GetVisible());
  EXPECT_EQ(D.Get("Visible"), Variant(true));
  D.Set("Small", Variant(70000));  // narrowed to the 16-bit host type
  EXPECT_EQ(Widget->GetSmall(), static_cast<int16_t>(70000));
  D.Set("Ratio", Variant("2.5"));
  EXPECT_EQ(Widget->GetRatio(), 2.5);
  EXPECT_EQ(D.Get("Ratio"), Variant(2.5));

  D.Set("Letter", Variant("xyz"));
  EXPECT_EQ(Widget->GetLetter(), 'x');
  EXPECT_EQ(D.Get("Letter"), Variant("x"));
  EXPECT_THROW(D.Set("Letter", Variant("")), host::EConvertError);
  EXPECT_EQ(Widget->GetLetter(), 'x');
}

TEST_F(Pattern, ReferencesTravelAsAddressesOfAnyIntegerKind) {
  host::TOwned<TTestWidget> buddy = host::MakeOwned<TTestWidget>();
  D.Set("Buddy", Variant::FromPointer(buddy.get()));
  EXPECT_EQ(Widget->GetBuddy(), buddy.get());
  EXPECT_EQ(D.Get("Buddy"), Variant::FromPointer(buddy.get()));
  D.Set("Buddy", Variant(0));  // a 32-bit 0 is null
  EXPECT_EQ(Widget->GetBuddy(), nullptr);
  EXPECT_EQ(D.Get("Buddy"), Variant(int64_t{0}));

  // An object of another class is refused and nothing changes.
  Widget->SetBuddy(buddy.get());
  host::TOwned<host::TObject> plain = host::MakeOwned<host::TObject>();
  EXPECT_THROW(D.Set("Buddy", Variant::FromPointer(plain.get())), host::EInvalidCast);
  EXPECT_EQ(Widget->GetBuddy(), buddy.get());
  EXPECT_THROW(D.Set("Buddy", Variant("x")), host::EVariantTypeCastError);
  EXPECT_EQ(Widget->GetBuddy(), buddy.get());
  // An integer where no object lives (a number typed by hand, the address
  // of something else, a freed object) is refused by value, not followed.
  EXPECT_EQ(MessageOf([&] { D.Set("Buddy", Variant(12345)); }),
            "Invalid class typecast: 12345 is not the address of an object");
  int32_t notAnObject = 0;
  EXPECT_THROW(D.Set("Buddy", Variant::FromPointer(&notAnObject)), host::EInvalidCast);
  const Variant gone = Variant::FromPointer(host::New<TTestWidget>());
  static_cast<TTestWidget*>(gone.AsPointer())->Free();
  EXPECT_THROW(D.Set("Buddy", gone), host::EInvalidCast);
  EXPECT_EQ(Widget->GetBuddy(), buddy.get());

  D.Set("Kind", Variant::FromPointer(&TTestWidget::StaticMetaClass));
  EXPECT_EQ(Widget->GetKind(), &TTestWidget::StaticMetaClass);
  EXPECT_EQ(D.Get("Kind").AsPointer(), &TTestWidget::StaticMetaClass);
}

TEST_F(Pattern, SetsRecordsAndSystemValuesTravelByAddress) {
  Widget->SetOptions({toBold});
  const Variant first = D.Get("Options");
  const auto* at = static_cast<const TTestOptions*>(first.AsPointer());
  EXPECT_EQ(*at, TTestOptions({toBold}));
  Widget->SetOptions({toItalic, toUnderline});
  const Variant second = D.Get("Options");
  EXPECT_EQ(second, first);                               // the same scratch address ...
  EXPECT_EQ(*at, TTestOptions({toItalic, toUnderline}));  // ... holding the latest read

  const TkelValue<TTestOptions> given(TTestOptions{toUnderline});
  D.Set("Options", given.Address());
  EXPECT_EQ(Widget->GetOptions(), given.Value());
  // Only addresses the library handed out are read: 0, a number typed by
  // hand and a value of the caller's own are refused, and nothing changes.
  EXPECT_THROW(D.Set("Options", Variant(0)), host::Exception);
  EXPECT_EQ(MessageOf([&] { D.Set("Options", Variant(12345)); }),
            "Invalid typecast: 12345 is not the address of a set, record or system value handed out by the library");
  const TTestOptions stray{toBold};
  EXPECT_THROW(D.Set("Options", Variant::FromPointer(&stray)), host::EInvalidCast);
  EXPECT_EQ(Widget->GetOptions(), given.Value());

  // A value read from one descriptor passes unchanged to another's setter.
  host::TOwned<TTestWidget> other = host::MakeOwned<TTestWidget>();
  TDescribed<TTestWidgetClassInfo> otherInfo(other.get());
  Widget->SetBounds({1, 2, 3, 4});
  otherInfo.Set("Bounds", D.Get("Bounds"));
  EXPECT_EQ(other->GetBounds(), (TTestRect{1, 2, 3, 4}));
  EXPECT_NE(otherInfo.Get("Bounds"), D.Get("Bounds"));  // each descriptor has its own scratch

  const Variant handle = D.Get("Handle");
  EXPECT_EQ(*static_cast<const uint32_t*>(handle.AsPointer()), 0xC0FFEEu);
}

TEST_F(Pattern, IndexedPropertiesTakeTheirIndexFromTheIndexRecords) {
  Widget->Add("zero");
  Widget->Add("one");
  TkelPropertyInfo* items = D.Info->FindProperty("Items");
  items->GetIndexes(0)->Value = Variant("1");
  EXPECT_EQ(D.Info->GetProperty(items), Variant("one"));
  D.Info->SetProperty(items, Variant("uno"));
  EXPECT_EQ(Widget->GetItems(1), "uno");
  items->GetIndexes(0)->Value = Variant(5);
  EXPECT_THROW(D.Info->SetProperty(items, Variant("x")), host::EListError);
  EXPECT_EQ(Widget->GetItems(0), "zero");
  EXPECT_EQ(Widget->GetItems(1), "uno");
}

TEST_F(Pattern, NamesNotMappedFallThroughToTheRoot) {
  // Read-only: no setter entry, so the write reaches TkelClassInfo.
  EXPECT_EQ(MessageOf([&] { D.Set("Count", Variant(3)); }), "Property Count not found!");
  EXPECT_EQ(Widget->GetCount(), 0);
  EXPECT_EQ(D.Get("Count"), Variant(0));
  // A record of a name this descriptor does not map (made by another one).
  TkelClassInfo* bare = host::New<TkelClassInfo>();
  bare->ReadKELProperties("Define::Sizes::psReadable::pvPublic::0");
  bare->ReadKELMethods("Sums::msProcedure::0");
  EXPECT_EQ(MessageOf([&] { D.Info->GetProperty(bare->FindProperty("Sizes")); }), "Property Sizes not found!");
  EXPECT_EQ(MessageOf([&] { D.Info->InvokeMethod(bare->FindMethod("Sums")); }), "Method Sums not found!");
  bare->Free();
  // A null record is passed on and refused by the root.
  EXPECT_THROW(D.Info->GetProperty(nullptr), host::Exception);
  EXPECT_THROW(D.Info->InvokeMethod(nullptr), host::Exception);
  // Constructors are listed only.
  D.Info->InvokeConstructor(D.Info->FindConstructor("Create"));
  D.Info->InvokeConstructor(nullptr);
}

TEST_F(Pattern, MethodsConvertArgumentsStoreResultsAndWriteBackByReference) {
  TkelMethodInfo* sum = D.Call("Sum", {Variant("40"), Variant(2)});
  EXPECT_EQ(sum->Result, Variant(42));
  // A failed conversion calls nothing and keeps the previous result.
  EXPECT_THROW(D.Call("Sum", {Variant("forty"), Variant(2)}), host::EVariantTypeCastError);
  EXPECT_EQ(sum->Result, Variant(42));
  // A procedure record gets no result.
  TkelMethodInfo* proc = D.Call("SumProc", {Variant(1), Variant(2)});
  EXPECT_TRUE(proc->Result.IsEmpty());

  D.Call("Add", {Variant("a")});
  TkelMethodInfo* add = D.Call("Add", {Variant("b")});
  EXPECT_EQ(add->Result, Variant(1));
  TkelMethodInfo* find = D.Call("Find", {Variant("b"), Variant(99)});
  EXPECT_EQ(find->GetArgs(1)->Value, Variant(1));
  EXPECT_EQ(find->Result, Variant(true));
  find = D.Call("Find", {Variant("c"), Variant(0)});
  EXPECT_EQ(find->GetArgs(1)->Value, Variant(2));
  EXPECT_EQ(find->Result, Variant(false));

  // A record by reference: read from the given address, written back as the
  // address of the descriptor's copy; the caller's value stays as it was.
  const TkelValue<TTestRect> r(TTestRect{10, 10, 20, 20});
  TkelMethodInfo* inflate = D.Call("Inflate", {r.Address(), Variant(1)});
  const Variant back = inflate->GetArgs(0)->Value;
  EXPECT_NE(back, r.Address());
  EXPECT_EQ(*static_cast<const TTestRect*>(back.AsPointer()), (TTestRect{9, 9, 21, 21}));
  EXPECT_EQ(r.Value(), (TTestRect{10, 10, 20, 20}));
  D.Call("Inflate", {back, Variant(1)});  // the written-back address is a valid input
  EXPECT_EQ(inflate->GetArgs(0)->Value, back);
  EXPECT_EQ(*static_cast<const TTestRect*>(back.AsPointer()), (TTestRect{8, 8, 22, 22}));

  // The record's parameter count must match the host member's.
  EXPECT_EQ(MessageOf([&] { D.Call("Broken", {Variant(1)}); }),
            "Method Broken needs 2 arguments, but its record has 1!");
}

TEST_F(Pattern, HooksRunThePreviousHandlerThenTheListenersAndWriteBack) {
  // Reinstalls the hook with `previous` in place before hooking.
  const auto rehook = [&](TTestKeyEvent previous) {
    D.Info->SetOwner(nullptr);
    Widget->OnKey = std::move(previous);
    D.Info->SetOwner(Widget.get());
  };
  std::vector<std::string> calls;
  Variant shiftAddress;
  const TTestKeyEvent logging([&](host::TObject*, uint16_t& key, TTestOptions) {
    calls.push_back("previous:" + std::to_string(key));
    key = 777;  // replaced by the record's value afterwards
  });
  rehook(logging);
  TkelListener* listener = Listen(D.Info, "OnKey", [&](host::TObject* sender, TkelEventInfo* e) {
    EXPECT_EQ(sender, Widget.get());
    EXPECT_EQ(e->GetArgs(0)->Value, Variant::FromPointer(Widget.get()));
    const auto* shift = static_cast<const TTestOptions*>(e->GetArgs(2)->Value.AsPointer());
    calls.push_back("listener:" + e->GetArgs(1)->Value.AsString() + (shift->Contains(toBold) ? "+bold" : ""));
    // While the event runs, its by-address arguments may be passed on.
    shiftAddress = e->GetArgs(2)->Value;
    D.Set("Options", shiftAddress);
    e->GetArgs(1)->Value = Variant(e->GetArgs(1)->Value.AsInteger() + 1);
  });
  EXPECT_EQ(Widget->PressKey(65, {toBold}), 66);
  EXPECT_EQ(calls, (std::vector<std::string>{"previous:65", "listener:65+bold"}));
  EXPECT_EQ(Widget->GetOptions(), TTestOptions({toBold}));
  // Once the event is over, the address is no longer read.
  Widget->SetOptions({});
  EXPECT_THROW(D.Set("Options", shiftAddress), host::EInvalidCast);
  EXPECT_EQ(Widget->GetOptions(), TTestOptions());

  // An exception of the previous handler propagates and skips the listeners.
  rehook(TTestKeyEvent([](host::TObject*, uint16_t&, TTestOptions) { throw host::EAbort("stop"); }));
  calls.clear();
  EXPECT_THROW(Widget->PressKey(1, {}), host::EAbort);
  EXPECT_TRUE(calls.empty());
  rehook(logging);

  // Without listeners the record still decides: the value captured before
  // the previous handler ran.
  Unlisten(D.Info, {listener});
  EXPECT_EQ(Widget->PressKey(10, {}), 10);
  EXPECT_EQ(calls, (std::vector<std::string>{"previous:10"}));
}

TEST_F(Pattern, UnhookingRestoresExactlyTheSavedHandlers) {
  D.Info->SetOwner(nullptr);
  EXPECT_FALSE(Widget->OnChange);
  EXPECT_FALSE(Widget->OnKey);
  int previous = 0;
  int marker = 0;
  Widget->OnAct = host::TNotifyEvent([&](host::TObject*) { ++previous; }, &marker);
  Widget->SetOnActCalls = 0;

  D.Info->SetOwner(Widget.get());
  EXPECT_EQ(Widget->OnChange.Data(), D.Info);  // hooked
  EXPECT_EQ(Widget->OnAct.Data(), D.Info);
  EXPECT_EQ(Widget->SetOnActCalls, 1);  // installed through the host's setter
  Widget->Act();
  EXPECT_EQ(previous, 1);

  D.Info->SetOwner(nullptr);
  EXPECT_EQ(Widget->SetOnActCalls, 2);  // restored through it too
  EXPECT_EQ(Widget->OnAct.Data(), &marker);
  EXPECT_FALSE(Widget->OnChange);  // unassigned before, unassigned again
  EXPECT_FALSE(Widget->OnKey);
  Widget->Act();
  EXPECT_EQ(previous, 2);
  // A second unhook has nothing left to restore.
  D.Info->UnConnectEventHandlers();
  EXPECT_EQ(Widget->SetOnActCalls, 2);
  EXPECT_EQ(Widget->OnAct.Data(), &marker);
}

TEST_F(Pattern, AHandlerMayFreeTheOwnerAndItsDescriptor) {
  kelRegisterDescriptors<TTestWidgetClassInfo>();
  TTestWidget* doomed = host::New<TTestWidget>();
  int after = 0;
  doomed->OnChange = host::TNotifyEvent([&](host::TObject*) { ++after; });
  TkelClassInfo* cached = TkelClassRegistry::GetInfo(doomed);
  TkelListener* freer = Listen(cached, "OnChange", [](host::TObject* sender, TkelEventInfo*) { sender->Free(); });
  doomed->Change();  // frees doomed and (through the registry) its descriptor
  EXPECT_EQ(after, 1);
  freer->Free();
}

TEST(PatternChain, TheClassOwnNamesComeFirstThenTheParents) {
  host::TOwned<TTestWidget> w = host::MakeOwned<TTestWidget>();
  w->SetSize(21);
  TDescribed<TTestGadgetClassInfo> gadget(w.get());
  EXPECT_EQ(gadget.Get("Size"), Variant(42.0));  // the child's mapping
  EXPECT_EQ(gadget.Get("Twice"), Variant(42));
  gadget.Set("Size", Variant(5));  // only the parent maps a setter
  EXPECT_EQ(w->GetSize(), 5);
  EXPECT_EQ(gadget.Get("Self"), Variant::FromPointer(w.get()));  // from the root
  // The lists hold the root's features first, then each class's in turn.
  EXPECT_EQ(gadget.Info->GetProperties(0)->Name, "Self");
  EXPECT_EQ(gadget.Info->GetProperties(gadget.Info->GetPropertyCount() - 1)->Name, "Twice");
  // The parent's hooks are connected through the child.
  EXPECT_EQ(w->OnChange.Data(), gadget.Info);
  // A widget descriptor does not know the child's name.
  TDescribed<TTestWidgetClassInfo> widget(w.get());
  EXPECT_EQ(MessageOf([&] { widget.Info->GetProperty(gadget.Info->FindProperty("Twice")); }),
            "Property Twice not found!");
}

TEST(PatternChain, DescriptorsWithoutOwnerOrOfTheWrongClassRefuse) {
  TkelClassInfo* info = host::New<TTestWidgetClassInfo>();
  info->InitMetaData();
  EXPECT_EQ(MessageOf([&] { info->GetProperty(info->FindProperty("Size")); }),
            "The class descriptor TTestWidgetClassInfo has no owner: set one before reading, writing or "
            "calling features!");
  host::TOwned<host::TObject> plain = host::MakeOwned<host::TObject>();
  // Hooking an object of another class fails and installs nothing.
  EXPECT_THROW(info->SetOwner(plain.get()), host::EInvalidCast);
  EXPECT_EQ(info->GetOwner(), plain.get());
  EXPECT_THROW(info->GetProperty(info->FindProperty("Size")), host::EInvalidCast);
  EXPECT_EQ(info->GetProperty(info->FindProperty("Self")), Variant::FromPointer(plain.get()));
  info->SetOwner(nullptr);  // nothing was saved, so nothing is restored
  EXPECT_EQ(info->GetOwner(), nullptr);
  info->Free();
}

// A widget whose descriptor class has a malformed property text.
class TBadWidget : public TTestWidget {
  HOST_CLASS(TBadWidget, TTestWidget)
};
HOST_IMPL(TBadWidget, TTestWidget)

class TBadWidgetClassInfo : public TkelDescriptor<TBadWidgetClassInfo, TTestWidgetClassInfo, TBadWidget> {
  KEL_DESCRIPTOR(TBadWidgetClassInfo)
  static constexpr TkelTexts Texts{.Properties = "Define::Fine::psReadable::pvPublic::0::Defien::Broken"};
};
KEL_DESCRIPTOR_IMPL(TBadWidgetClassInfo)

// A hand-written descriptor between two pattern classes: its own
// GetProperty must still be reached from below for names the lower class
// does not map.
class TMidWidgetClassInfo : public TkelDescriptor<TMidWidgetClassInfo, TTestWidgetClassInfo, TTestWidget> {
  KEL_DESCRIPTOR(TMidWidgetClassInfo)
  static constexpr TkelTexts Texts{};
  Variant GetProperty(TkelPropertyInfo* property) override {
    if (property && property->Name == "Size") return Variant("mid");
    return TkelDescriptor::GetProperty(property);
  }
};
KEL_DESCRIPTOR_IMPL(TMidWidgetClassInfo)

class TLowWidgetClassInfo : public TkelDescriptor<TLowWidgetClassInfo, TMidWidgetClassInfo, TTestWidget> {
  KEL_DESCRIPTOR(TLowWidgetClassInfo)
  static constexpr TkelTexts Texts{.Properties = "Define::Twice::psReadable::pvPublic::0"};
  static void MapFeatures(Map& m) {
    m.Prop("Twice", [](const TTestWidget& w) { return 2 * w.GetSize(); });
  }
};
KEL_DESCRIPTOR_IMPL(TLowWidgetClassInfo)

TEST(PatternShare, InstancesShareTheTextsButNotTheirRecords) {
  host::TOwned<TTestWidget> w = host::MakeOwned<TTestWidget>();
  TDescribed<TTestWidgetClassInfo> a(w.get()), b(w.get());
  TkelPropertyInfo* size = a.Info->FindProperty("Size");
  ASSERT_NE(size, nullptr);
  EXPECT_NE(size, b.Info->FindProperty("Size"));  // a record per descriptor
  // A text read into one instance changes that instance only, also for the
  // instances made afterwards.
  a.Info->ReadKELProperties("Override::Size::psReadable::pvProtected::Define::Extra::psReadable::pvPublic::0");
  EXPECT_EQ(size->Visibility, pvProtected);
  EXPECT_NE(a.Info->FindProperty("Extra"), nullptr);
  EXPECT_NE(b.Info->FindProperty("Size")->Visibility, pvProtected);
  EXPECT_EQ(b.Info->FindProperty("Extra"), nullptr);
  TDescribed<TTestWidgetClassInfo> c(w.get());
  EXPECT_EQ(c.Info->GetPropertyCount(), b.Info->GetPropertyCount());
  EXPECT_EQ(c.Info->FindProperty("Extra"), nullptr);
  EXPECT_EQ(c.Get("Size"), Variant(w->GetSize()));
}

// The library restarted around a test, so that what the test registers is
// gone afterwards.
struct TFreshLibrary {
  TFreshLibrary() { Restart(); }
  ~TFreshLibrary() { Restart(); }
  static void Restart() {
    package::Finalize();
    package::Initialize();
  }
};

TEST(PatternShare, AMalformedClassRaisesForEveryInstanceAndIsNeverCached) {
  TFreshLibrary fresh;
  kelRegisterDescriptors<TBadWidgetClassInfo>();
  host::TOwned<TBadWidget> w = host::MakeOwned<TBadWidget>();
  for (int round = 0; round < 3; ++round)
    EXPECT_EQ(MessageOf([&] { TkelClassRegistry::GetInfo(w.get()); }), "Invalid property define token!") << round;
  // Made by hand, an instance keeps what was read before the error.
  TkelClassInfo* info = host::New<TBadWidgetClassInfo>();
  EXPECT_EQ(MessageOf([&] { info->InitMetaData(); }), "Invalid property define token!");
  EXPECT_NE(info->FindProperty("Fine"), nullptr);
  EXPECT_NE(info->FindProperty("Size"), nullptr);
  info->Free();
}

TEST(PatternShare, AHandWrittenOperationInTheChainIsStillReached) {
  host::TOwned<TTestWidget> w = host::MakeOwned<TTestWidget>();
  w->SetSize(4);
  TDescribed<TLowWidgetClassInfo> low(w.get());
  EXPECT_EQ(low.Get("Twice"), Variant(8));              // the lower class's own mapping
  EXPECT_EQ(low.Get("Size"), Variant("mid"));           // the hand-written middle
  EXPECT_EQ(low.Get("Count"), Variant(w->GetCount()));  // the pattern class above it
  EXPECT_EQ(low.Get("Size"), Variant("mid"));           // again, through the remembered dispatch
}

TEST(PatternMap, ANameMappedTwiceIsRefused) {
  TkelFeatureMap<TTestWidgetClassInfo, TTestWidget> map;
  map.Prop("Size", &TTestWidget::GetSize).Prop("Size", &TTestWidget::GetCount);
  EXPECT_EQ(MessageOf([&] { (void)std::move(map).Finish(); }),
            "The class descriptor TTestWidgetClassInfo maps the property Size twice!");
  TkelFeatureMap<TTestWidgetClassInfo, TTestWidget> fine;
  fine.Prop("Size", &TTestWidget::GetSize, &TTestWidget::SetSize).Method("Size", &TTestWidget::Sum);
  const auto table = std::move(fine).Finish();
  EXPECT_EQ(table.Getters.size(), 1u);
  EXPECT_EQ(table.Setters.size(), 1u);
  EXPECT_EQ(table.Invokers.size(), 1u);
}

TEST(Conversions, HelpersFollowTheRules) {
  EXPECT_EQ(FromVariant<int32_t>(Variant("12")), 12);
  EXPECT_THROW(FromVariant<int32_t>(Variant("abc")), host::EVariantTypeCastError);
  EXPECT_EQ(FromVariant<TTestColor>(Variant(1)), tcGreen);
  EXPECT_EQ(FromVariant<uint8_t>(Variant(257)), 1);
  EXPECT_EQ(FromVariant<host::TObject*>(Variant(int32_t{0})), nullptr);
  EXPECT_EQ(FromVariant<int64_t>(Variant(int64_t{1} << 40)), int64_t{1} << 40);
  EXPECT_EQ(ToVariant(int64_t{1} << 40), Variant(int64_t{1} << 40));
  EXPECT_EQ(FromVariant<std::string_view>(Variant(5)), "5");
  EXPECT_EQ(ToVariant(std::string_view("view")), Variant("view"));
  EXPECT_EQ(FromVariant<Variant>(Variant("as is")), Variant("as is"));
  EXPECT_EQ(ToVariant(Variant(2.5)), Variant(2.5));
  EXPECT_EQ(ToVariant(static_cast<const void*>(nullptr)), Variant(int64_t{0}));
  // By address: read back only from a value area.
  TTestRect scratch;
  const TTestRect r{1, 2, 3, 4};
  const Variant at = ToVariantAt(r, scratch);
  EXPECT_EQ(at.AsPointer(), &scratch);
  EXPECT_THROW(FromVariant<TTestRect>(at), host::EInvalidCast);
  {
    const TkelValue<TTestRect> boxed(r);
    EXPECT_EQ(FromVariant<TTestRect>(boxed.Address()), r);
    EXPECT_EQ(kelValueTypeAt(&boxed.Value()), nullptr);  // a record has no type information
    // Inside the area, but with too few bytes left for a whole record.
    const auto* inside = reinterpret_cast<const std::byte*>(&boxed.Value()) + 4;
    EXPECT_THROW(FromVariant<TTestRect>(Variant::FromPointer(inside)), host::EInvalidCast);
  }
  EXPECT_THROW(FromVariant<TTestRect>(Variant()), host::Exception);
  // A class reference must be the record of a host class.
  EXPECT_EQ(FromVariant<host::TClass>(Variant::FromPointer(&TTestWidget::StaticMetaClass)),
            &TTestWidget::StaticMetaClass);
  EXPECT_EQ(FromVariant<host::TClass>(Variant(0)), nullptr);
  EXPECT_EQ(MessageOf([] { FromVariant<host::TClass>(Variant(4096)); }),
            "Invalid class typecast: 4096 is not the address of a class");
  EXPECT_THROW(FromVariant<host::TClass>(Variant::FromPointer(&r)), host::EInvalidCast);
}

// What the host may change in place (a message at its address): a whole
// plain value the library handed out, never part of one or of a slot that
// holds something else.
TEST(Conversions, OnlyWholePlainValuesAreChangedInPlace) {
  const TkelValue<TTestRect> boxed(TTestRect{1, 2, 3, 4});
  const auto* start = reinterpret_cast<const std::byte*>(&boxed.Value());
  EXPECT_NO_THROW(kelCheckWritableAddress(start, sizeof(TTestRect), alignof(TTestRect)));
  EXPECT_THROW(kelCheckWritableAddress(start + 4, 4, 4), host::EInvalidCast);  // inside the value
  TkelScratchLayout layout;
  const std::size_t byte = layout.Add<uint8_t>();  // at offset 0 of the block
  const std::size_t odd = layout.Add<uint8_t>();   // at offset 1
  const std::size_t plain = layout.Add<uint32_t>();
  const std::size_t handler = layout.Add<std::function<void()>>();
  TkelScratch scratch(layout);
  EXPECT_NO_THROW(kelCheckWritableAddress(&scratch.Slot<uint8_t>(byte), 1, 1));
  EXPECT_NO_THROW(kelCheckWritableAddress(&scratch.Slot<uint8_t>(odd), 1, 1));
  EXPECT_THROW(kelCheckWritableAddress(&scratch.Slot<uint8_t>(odd), 1, 2), host::EInvalidCast);  // misaligned
  uint32_t& slot = scratch.Slot<uint32_t>(plain);
  EXPECT_NO_THROW(kelCheckWritableAddress(&slot, sizeof(uint32_t), alignof(uint32_t)));
  EXPECT_THROW(kelCheckWritableAddress(&slot, 16, 4), host::EInvalidCast);  // more than the slot holds
  EXPECT_THROW(kelCheckWritableAddress(&scratch.Slot<std::function<void()>>(handler), 4, 4), host::EInvalidCast);
  EXPECT_EQ(boxed.Value(), (TTestRect{1, 2, 3, 4}));
}

}  // namespace
}  // namespace kel::test
