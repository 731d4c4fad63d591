#include "host/classes/typinfo.h"
#include "host/classes/hostclasses.h"

#include <gtest/gtest.h>

#include "host/classes/actions.h"
#include "tests/host/classes/filer_test_classes.h"

namespace filertest {
namespace {

// Redeclares Count with another default; adds one property of its own.
class TSubGadget : public TGadget {
  HOST_CLASS(TSubGadget, TGadget)
  explicit TSubGadget(TComponent* AOwner) : TGadget(AOwner) {}
  int32_t FExtraCount = 0;
};
HOST_IMPL(TSubGadget, TGadget)

class TypInfoTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { RegisterTestClasses(); }
  static void TearDownTestSuite() { UnregisterTestClasses(); }
};

std::vector<std::string> Names(TClass c) {
  std::vector<std::string> names;
  for (const TPropInfo* p : GetPropList(c)) names.emplace_back(p->Name);
  return names;
}

TEST_F(TypInfoTest, PropertyListsInheritInDeclarationOrder) {
  const std::vector<std::string> gadget = Names(&TGadget::StaticMetaClass);
  ASSERT_GE(gadget.size(), 4u);
  EXPECT_EQ(gadget[0], "Name");
  EXPECT_EQ(gadget[1], "Tag");
  EXPECT_EQ(gadget[2], "Small");
  EXPECT_EQ(gadget.back(), "ReadOnlyFlag");
  EXPECT_EQ(Names(&TBasicAction::StaticMetaClass), (std::vector<std::string>{"Name", "Tag"}));
  EXPECT_TRUE(Names(&TPersistent::StaticMetaClass).empty());

  // A redeclared property keeps its place; a new one goes last.
  RegisterProperties(&TSubGadget::StaticMetaClass,
                     {Prop<&TGadget::FCount, &TGadget::FCount>("count").Default(9),
                      Prop<&TSubGadget::FExtraCount, &TSubGadget::FExtraCount>("ExtraCount")});
  const std::vector<std::string> sub = Names(&TSubGadget::StaticMetaClass);
  EXPECT_EQ(sub.size(), gadget.size() + 1);
  EXPECT_EQ(sub.back(), "ExtraCount");
  const TPropInfo* count = GetPropInfo(&TSubGadget::StaticMetaClass, "COUNT");
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->DefaultValue, 9);
  EXPECT_EQ(GetPropInfo(&TGadget::StaticMetaClass, "Count")->DefaultValue, 5);  // the parent's stays
  EXPECT_EQ(std::find(sub.begin(), sub.end(), "count") - sub.begin(),
            std::find(gadget.begin(), gadget.end(), "Count") - gadget.begin());
  UnregisterProperties(&TSubGadget::StaticMetaClass);
  EXPECT_EQ(Names(&TSubGadget::StaticMetaClass), gadget);
  EXPECT_EQ(GetPropInfo(&TGadget::StaticMetaClass, "NoSuchThing"), nullptr);
}

TEST_F(TypInfoTest, KindsAndTypeInformationComeFromTheAccessors) {
  auto info = [](const char* name) { return GetPropInfo(&TGadget::StaticMetaClass, name); };
  EXPECT_EQ(info("Small")->Kind(), tkInteger);
  EXPECT_EQ(info("Small")->PropType->OrdType, otSByte);
  EXPECT_EQ(info("Word")->PropType->OrdType, otUWord);
  EXPECT_EQ(info("Word")->PropType->MaxValue, 65535);
  EXPECT_EQ(info("Big")->Kind(), tkInt64);
  EXPECT_EQ(info("Shade")->Kind(), tkEnumeration);
  EXPECT_EQ(info("Shade")->PropType->Name, "TShade");
  EXPECT_EQ(info("Enabled")->PropType->Name, "Boolean");
  EXPECT_EQ(info("Shades")->Kind(), tkSet);
  EXPECT_EQ(info("Shades")->PropType->MaxValue, 0xF);
  EXPECT_EQ(info("Caption")->Kind(), tkLString);
  EXPECT_EQ(info("Wide")->Kind(), tkWString);
  EXPECT_EQ(info("Single")->PropType->FloatType, ftSingle);
  EXPECT_EQ(info("Price")->PropType->FloatType, ftCurr);
  EXPECT_EQ(info("Letter")->Kind(), tkChar);
  EXPECT_EQ(info("Extra")->Kind(), tkVariant);
  EXPECT_TRUE(info("Buddy")->IsComponentRef());
  EXPECT_FALSE(info("Buddy")->IsNestedObject());
  EXPECT_TRUE(info("Lines")->IsNestedObject());
  EXPECT_EQ(info("Lines")->PropType->ClassType, &TStringList::StaticMetaClass);
  EXPECT_FALSE(info("Lines")->IsWritable());
  EXPECT_FALSE(info("Name")->IsStored(nullptr));
  EXPECT_TRUE(info("Tag")->IsStored(nullptr));
}

TEST_F(TypInfoTest, ValuesGoThroughTheAccessorsAndBadValuesChangeNothing) {
  TOwned<TGadget> g(New<TGadget>(nullptr));
  auto info = [](const char* name) { return *GetPropInfo(&TGadget::StaticMetaClass, name); };

  SetOrdProp(g.get(), info("Small"), -100);
  EXPECT_EQ(g->FSmall, -100);
  EXPECT_RAISES(SetOrdProp(g.get(), info("Small"), 200), EPropertyError,
                "Invalid property value: 200 is out of range -128..127");
  EXPECT_EQ(g->FSmall, -100);

  SetOrdProp(g.get(), info("Shade"), shGrey);
  EXPECT_EQ(g->FShade, shGrey);
  EXPECT_THROW(SetOrdProp(g.get(), info("Shade"), 4), EPropertyError);
  EXPECT_EQ(g->FShade, shGrey);

  SetOrdProp(g.get(), info("Shades"), 0b1010);
  EXPECT_EQ(g->FShades, (TShades{shGreen, shGrey}));
  EXPECT_THROW(SetOrdProp(g.get(), info("Shades"), 0x10), EPropertyError);
  EXPECT_EQ(g->FShades, (TShades{shGreen, shGrey}));

  SetOrdProp(g.get(), info("Enabled"), 0);
  EXPECT_FALSE(g->FEnabled);
  EXPECT_EQ(GetOrdProp(g.get(), info("Enabled")), 0);

  SetPropValue(g.get(), info("Caption"), Variant("hello"));
  EXPECT_EQ(g->FCaption, "hello");
  EXPECT_EQ(GetPropValue(g.get(), info("Caption")).AsString(), "hello");

  TOwned<TGadget> other(New<TGadget>(nullptr));
  SetObjectProp(g.get(), info("Buddy"), other.get());
  EXPECT_EQ(g->FBuddy, other.get());
  TOwned<TStringList> notAComponent(New<TStringList>());
  EXPECT_THROW(SetObjectProp(g.get(), info("Buddy"), notAComponent.get()), EInvalidCast);
  EXPECT_EQ(g->FBuddy, other.get());
  EXPECT_EQ(GetObjectProp(g.get(), info("Lines")), g->GetLines());
  EXPECT_RAISES(SetObjectProp(g.get(), info("Lines"), nullptr), EPropertyError, "Property Lines is read-only");
  EXPECT_THROW(GetObjectProp(g.get(), info("Caption")), EPropertyError);

  // An accessor used on an object of another class refuses it.
  TOwned<TStringList> wrong(New<TStringList>());
  EXPECT_THROW(GetPropValue(wrong.get(), info("Count")), EInvalidCast);
}

TEST_F(TypInfoTest, DefaultsDecideWhatIsStored) {
  TOwned<TGadget> g(New<TGadget>(nullptr));
  auto isDefault = [&](const char* name) {
    return IsDefaultPropValue(g.get(), *GetPropInfo(&TGadget::StaticMetaClass, name));
  };
  const char* const names[] = {"Count", "Shade", "Enabled", "Shades", "Caption",
                               "Ratio", "Price", "Letter",  "Extra",  "Buddy"};
  for (const char* name : names) EXPECT_TRUE(isDefault(name)) << name;
  g->FCount = 6;
  g->FShade = shRed;
  g->FEnabled = false;
  g->FShades = TShades{};
  g->FCaption = "x";
  g->FRatio = 0.5;
  g->FPrice = Currency::FromRaw(1);
  g->FLetter = 'b';
  g->FExtra = Variant(0);
  g->FBuddy = g.get();
  for (const char* name : names) EXPECT_FALSE(isDefault(name)) << name;
  g->FBuddy = nullptr;
}

TEST_F(TypInfoTest, EnumerationAndSetNames) {
  const TTypeInfo* shade = detail::TypeInfoOf<TShade>();
  const TTypeInfo* shades = detail::TypeInfoOf<TShades>();
  EXPECT_EQ(GetEnumName(shade, 2), "shBlue");
  EXPECT_THROW(GetEnumName(shade, 4), EPropertyError);
  EXPECT_EQ(GetEnumValue(shade, "SHGREY"), 3);
  EXPECT_EQ(GetEnumValue(shade, "shPink"), -1);
  EXPECT_EQ(SetToNames(shades, 0b0101), (std::vector<std::string>{"shRed", "shBlue"}));
  EXPECT_TRUE(SetToNames(shades, 0).empty());
  EXPECT_EQ(NamesToSet(shades, {"shgrey", "shRed"}), 0b1001);
  EXPECT_RAISES(NamesToSet(shades, {"shRed", "shPink"}), EPropertyError,
                "Invalid property value: 'shPink' is not a member of TShade");
}

TEST_F(TypInfoTest, ClassRegistry) {
  EXPECT_EQ(FindClass("tgadget"), &TGadget::StaticMetaClass);
  EXPECT_EQ(GetClass("TComponent"), &TComponent::StaticMetaClass);
  EXPECT_EQ(GetClass("TPersistent"), &TPersistent::StaticMetaClass);  // ancestors come along
  EXPECT_EQ(GetClass("TObject"), nullptr);                            // but not beyond TPersistent
  EXPECT_EQ(GetClass("TFoo"), nullptr);
  EXPECT_RAISES(FindClass("TFoo"), EClassNotFound, "Class TFoo not found");

  EXPECT_EQ(GetClass("TSubGadget"), nullptr);
  RegisterClass(&TSubGadget::StaticMetaClass);
  RegisterClass(&TSubGadget::StaticMetaClass);  // again: nothing happens
  EXPECT_EQ(FindClass("TSubGadget"), &TSubGadget::StaticMetaClass);
  UnRegisterClass(&TSubGadget::StaticMetaClass);
  EXPECT_EQ(GetClass("TSubGadget"), nullptr);
  EXPECT_EQ(GetClass("TGadget"), &TGadget::StaticMetaClass);  // the parent stays

  // Another class under a registered name is refused; the first one stays.
  static const TMetaClass impostor{"TGadget", &TComponent::StaticMetaClass, sizeof(TComponent), nullptr, {}};
  EXPECT_RAISES(RegisterClass(&impostor), EFilerError, "A class named TGadget already exists");
  EXPECT_EQ(FindClass("TGadget"), &TGadget::StaticMetaClass);
}

TEST_F(TypInfoTest, HostRegistrationIsCounted) {
  // The suite holds one registration; another one and its release change nothing.
  RegisterHostClasses();
  UnregisterHostClasses();
  EXPECT_EQ(GetClass("TBasicAction"), &TBasicAction::StaticMetaClass);
  ASSERT_NE(GetPropInfo(&TBasicAction::StaticMetaClass, "Tag"), nullptr);
  EXPECT_TRUE(GetPropInfo(&TBasicAction::StaticMetaClass, "Tag")->HasDefault);
}

}  // namespace
}  // namespace filertest
