#include "host/rtl/variants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

// Constructors that would convert silently do not exist.
template <class... T>
constexpr bool kNoneConstructible = (!std::is_constructible_v<Variant, T> && ...);
static_assert(kNoneConstructible<int*, const void*, std::nullptr_t, char, std::size_t, unsigned>);
static_assert(std::is_constructible_v<Variant, uint16_t> && std::is_constructible_v<Variant, const char (&)[4]>);
static_assert(sizeof(Variant) == 16);

std::string CastMessage(const char* from, const char* to) {
  return std::string("Could not convert variant of type (") + from + ") into type (" + to + ")";
}
std::string OverflowMessage(const char* from, const char* to) {
  return std::string("Overflow while converting variant of type (") + from + ") into type (" + to + ")";
}

TEST(Variant, EachConstructorGivesItsKind) {
  const std::pair<Variant, TVarType> kinds[] = {{Variant(), varEmpty},
                                                {Variant::Null(), varNull},
                                                {Variant(7), varInteger},
                                                {Variant(int16_t(-7)), varInteger},
                                                {Variant(int64_t(7)), varInt64},
                                                {Variant(7LL), varInt64},
                                                {Variant(true), varBoolean},
                                                {Variant(1.5), varDouble},
                                                {Variant(Currency{15000}), varCurrency},
                                                {Variant("abc"), varString},
                                                {Variant(std::string("abc")), varString},
                                                {Variant(u"abc"), varOleStr},
                                                {Variant(std::u16string(u"abc")), varOleStr}};
  for (const auto& [v, type] : kinds) EXPECT_EQ(v.VarType(), type) << VarTypeAsText(type);
  EXPECT_EQ(Variant(uint8_t(200)).AsInteger(), 200);
  EXPECT_EQ(Variant(static_cast<const char*>(nullptr)).AsString(), "");

  Variant empty, null = Variant::Null(), v = 5;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_FALSE(empty.IsNull());
  EXPECT_TRUE(VarIsNull(null));
  EXPECT_FALSE(VarIsEmpty(null));
  EXPECT_FALSE(VarIsArray(v));
  v.Clear();
  EXPECT_TRUE(v.IsEmpty());
}

TEST(Variant, StringsAndNumbersConvertBothWays) {
  EXPECT_EQ(Variant(" -7 ").AsInteger(), -7);
  EXPECT_EQ(Variant("$FFFFFFFF").AsInteger(), -1);
  EXPECT_EQ(Variant("9000000000").AsInt64(), 9000000000LL);
  EXPECT_DOUBLE_EQ(Variant("2.25").AsDouble(), 2.25);
  EXPECT_DOUBLE_EQ(Variant("12").AsDouble(), 12.0);
  // Floating-point text and values round half to even, like a Double does.
  for (const auto& [v, n] : {std::pair{Variant("1.5"), 2}, {Variant("2.5"), 2}, {Variant(-2.5), -2}, {Variant(2.7), 3}})
    EXPECT_EQ(v.AsInteger(), n) << v.AsString();
  EXPECT_EQ(Variant(3.5).AsInt64(), 4);
  EXPECT_EQ(Variant(int64_t(-9000000000)).AsString(), "-9000000000");
  EXPECT_EQ(Variant(1.5).AsString(), "1.5");

  // Text that is no number raises, names both types and leaves the value as it was.
  Variant text("abc");
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([&] { text.AsInteger(); }), CastMessage("String", "Integer"));
  EXPECT_EQ(text, Variant("abc"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([] { Variant("").AsDouble(); }), CastMessage("String", "Double"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([] { Variant("1.5x").AsInt64(); }), CastMessage("String", "Int64"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([] { Variant(u"abc").AsInteger(); }),
            CastMessage("OleStr", "Integer"));
}

TEST(Variant, BooleansFollowTheClassicRules) {
  EXPECT_EQ(Variant(true).AsString(), "True");
  EXPECT_EQ(Variant(false).AsString(), "False");
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant(false).AsInteger(), 0);
  EXPECT_DOUBLE_EQ(Variant(true).AsDouble(), -1.0);

  const std::pair<Variant, bool> truth[] = {{Variant(" TRUE "), true},
                                            {Variant("False"), false},
                                            {Variant("2"), true},
                                            {Variant("0"), false},
                                            {Variant("0.5"), true},
                                            {Variant(u"True"), true},
                                            {Variant(3), true},
                                            {Variant(0), false},
                                            {Variant(0.0), false},
                                            {Variant(-0.1), true},
                                            {Variant(Currency{1}), true},
                                            {Variant(Currency{0}), false},
                                            {Variant(int64_t(1) << 40), true}};
  for (const auto& [v, b] : truth) EXPECT_EQ(v.AsBoolean(), b) << v.AsString();
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([] { Variant("yes").AsBoolean(); }), CastMessage("String", "Boolean"));
  // Boolean text is no number.
  EXPECT_THROW(Variant("True").AsInteger(), EVariantTypeCastError);
}

TEST(Variant, IntegerRangesAreChecked) {
  constexpr int64_t kMax = std::numeric_limits<int32_t>::max(), kMin = std::numeric_limits<int32_t>::min();
  EXPECT_EQ(Variant(int64_t(kMax)).AsInteger(), kMax);
  EXPECT_EQ(Variant(int64_t(kMin)).AsInteger(), kMin);
  EXPECT_EQ(RaisedMessage<EVariantOverflowError>([&] { Variant(int64_t(kMax + 1)).AsInteger(); }),
            OverflowMessage("Int64", "Integer"));
  EXPECT_THROW(Variant(int64_t(kMin - 1)).AsInteger(), EVariantOverflowError);
  EXPECT_EQ(RaisedMessage<EVariantOverflowError>([] { Variant(3e9).AsInteger(); }),
            OverflowMessage("Double", "Integer"));
  EXPECT_EQ(Variant(-2147483648.0).AsInteger(), kMin);
  EXPECT_THROW(Variant(std::nan("")).AsInt64(), EVariantOverflowError);
  EXPECT_THROW(Variant(9.3e18).AsInt64(), EVariantOverflowError);
  EXPECT_EQ(Variant(-9.2e18).AsInt64(), -9200000000000000000LL);
  EXPECT_EQ(RaisedMessage<EVariantOverflowError>([] { Variant("99999999999").AsInteger(); }),
            OverflowMessage("String", "Integer"));
  EXPECT_EQ(Variant(std::numeric_limits<int64_t>::min()).AsInt64(), std::numeric_limits<int64_t>::min());
}

TEST(Variant, UnassignedIsZeroAndNullRaises) {
  Variant empty;
  EXPECT_EQ(empty.AsInteger(), 0);
  EXPECT_FALSE(empty.AsBoolean());
  EXPECT_EQ(empty.AsDouble(), 0.0);
  EXPECT_EQ(empty.AsCurrency(), Currency{0});
  EXPECT_EQ(empty.AsString(), "");
  EXPECT_EQ(empty.AsWideString(), u"");
  EXPECT_EQ(empty.AsPointer(), nullptr);

  Variant null = Variant::Null();
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([&] { null.AsInteger(); }), CastMessage("Null", "Integer"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([&] { null.AsString(); }), CastMessage("Null", "String"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([&] { null.AsWideString(); }), CastMessage("Null", "OleStr"));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([&] { null.AsPointer(); }), CastMessage("Null", "Pointer"));
  EXPECT_THROW(null.AsBoolean(), EVariantTypeCastError);
  EXPECT_TRUE(null.IsNull());
  EXPECT_EQ(VarToStr(null), "");
  EXPECT_EQ(VarToStr(Variant(5)), "5");
}

TEST(Variant, WideStringsRoundTripThroughUtf8) {
  const std::string utf8 =
      "Gr\xC3\xBC\xC3\x9F"
      "e \xE2\x82\xAC \xF0\x9F\x98\x80";  // Grüße € and an emoji
  const std::u16string wide = u"Gr\u00FC\u00DFe \u20AC \U0001F600";
  EXPECT_EQ(Variant(utf8).AsWideString(), wide);
  EXPECT_EQ(Variant(wide).AsString(), utf8);
  EXPECT_EQ(Variant(u" 42").AsInteger(), 42);
  Variant asWide = VarAsType(Variant(utf8), varOleStr);
  EXPECT_EQ(asWide.VarType(), varOleStr);
  EXPECT_EQ(asWide, Variant(wide));
  EXPECT_NE(asWide, Variant(utf8));  // same text, other kind
}

TEST(Variant, CurrencyIsFixedPoint) {
  EXPECT_EQ(Currency::FromDouble(1.23456).Value, 12346);
  EXPECT_EQ(Currency::FromDouble(-0.00005).Value, 0);  // half to even
  EXPECT_EQ(Currency::FromDouble(0.1).Value, 1000);
  EXPECT_DOUBLE_EQ(Currency{-25000}.ToDouble(), -2.5);
  for (const auto& [raw, text] : {std::pair<int64_t, const char*>{12346, "1.2346"},
                                  {-15000, "-1.5"},
                                  {30000, "3"},
                                  {5, "0.0005"},
                                  {std::numeric_limits<int64_t>::min(), "-922337203685477.5808"}})
    EXPECT_EQ(Currency{raw}.ToString(), text);
  EXPECT_THROW(Currency::FromDouble(1e300), EVariantOverflowError);

  // Rounded half to even on the way to an integer.
  for (const auto& [raw, n] : {std::pair<int64_t, int>{25000, 2}, {35000, 4}, {-15001, -2}})
    EXPECT_EQ(Variant(Currency{raw}).AsInteger(), n) << raw;
  EXPECT_EQ(Variant(Currency{-35000}).AsInt64(), -4);
  EXPECT_EQ(Variant(Currency{15000}).AsString(), "1.5");
  EXPECT_EQ(Variant(3).AsCurrency(), Currency{30000});
  EXPECT_EQ(Variant("2.5").AsCurrency(), Currency{25000});
  EXPECT_EQ(Variant(true).AsCurrency(), Currency{-10000});
  EXPECT_EQ(RaisedMessage<EVariantOverflowError>([] { Variant(std::numeric_limits<int64_t>::max()).AsCurrency(); }),
            OverflowMessage("Int64", "Currency"));
}

TEST(Variant, EqualityNeedsSameKindAndValue) {
  const std::tuple<Variant, Variant, bool> pairs[] = {{Variant(1), Variant(1), true},
                                                      {Variant(1), Variant(2), false},
                                                      {Variant(1), Variant(int64_t(1)), false},
                                                      {Variant(1), Variant("1"), false},
                                                      {Variant(1), Variant(true), false},
                                                      {Variant("a"), Variant(std::string("a")), true},
                                                      {Variant("a"), Variant("A"), false},
                                                      {Variant(), Variant(), true},
                                                      {Variant::Null(), Variant::Null(), true},
                                                      {Variant(), Variant::Null(), false},
                                                      {Variant(Currency{5}), Variant(Currency{5}), true},
                                                      {Variant(Currency{5}), Variant(int64_t(5)), false},
                                                      {Variant(std::nan("")), Variant(std::nan("")), false}};
  for (const auto& [a, b, equal] : pairs) {
    EXPECT_EQ(a == b, equal) << VarTypeAsText(a.VarType()) << " / " << VarTypeAsText(b.VarType());
    EXPECT_EQ(a != b, !equal);
  }
}

TEST(Variant, PointersTravelAsInt64) {
  int target = 0;
  Variant p = Variant::FromPointer(&target);
  EXPECT_EQ(p.VarType(), varInt64);
  EXPECT_EQ(p.AsPointer(), &target);
  EXPECT_EQ(Variant::FromPointer(nullptr), Variant(int64_t(0)));
  EXPECT_EQ(Variant(0).AsPointer(), nullptr);
  EXPECT_EQ(Variant(16).AsPointer(), reinterpret_cast<void*>(16));
  EXPECT_EQ(RaisedMessage<EVariantTypeCastError>([] { Variant("16").AsPointer(); }), CastMessage("String", "Pointer"));
  EXPECT_THROW(Variant(1.0).AsPointer(), EVariantTypeCastError);
  EXPECT_THROW(Variant(true).AsPointer(), EVariantTypeCastError);
}

TEST(Variant, VarAsTypeAndTypeNames) {
  const std::tuple<Variant, TVarType, Variant> conversions[] = {
      {Variant("12"), varInteger, Variant(12)},
      {Variant(12), varString, Variant("12")},
      {Variant(12), varInt64, Variant(int64_t(12))},
      {Variant(1), varBoolean, Variant(true)},
      {Variant("1.5"), varDouble, Variant(1.5)},
      {Variant(2), varCurrency, Variant(Currency{20000})},
      {Variant(5), varEmpty, Variant()},
      {Variant(5), varNull, Variant::Null()},
      {Variant("x"), varVariant, Variant("x")},
      {Variant(-32768), varSmallint, Variant(-32768)},
      {Variant(255), varByte, Variant(255)},
      {Variant(0.1), varSingle, Variant(static_cast<double>(0.1f))}};
  for (const auto& [from, type, to] : conversions) EXPECT_EQ(VarAsType(from, type), to) << VarTypeAsText(type);
  EXPECT_EQ(RaisedMessage<EVariantOverflowError>([] { VarAsType(Variant(40000), varSmallint); }),
            OverflowMessage("Integer", "Smallint"));
  EXPECT_THROW(VarAsType(Variant(-1), varByte), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(1e300), varSingle), EVariantOverflowError);
  EXPECT_EQ(RaisedMessage<EVariantBadVarTypeError>([] { VarAsType(Variant(1), varDate); }), "Invalid variant type");
  EXPECT_THROW(VarAsType(Variant(1), static_cast<TVarType>(0x0999)), EVariantBadVarTypeError);
  EXPECT_THROW(VarAsType(Variant(1), static_cast<TVarType>(varArray | varVariant)), EVariantTypeCastError);

  // The other kinds' names appear in the conversion messages above.
  EXPECT_EQ(VarTypeAsText(varEmpty), "Empty");
  EXPECT_EQ(VarTypeAsText(static_cast<TVarType>(varArray | varVariant)), "Array of Variant");
  EXPECT_EQ(VarTypeAsText(static_cast<TVarType>(0x0999)), "$0999");
}

TEST(VariantArray, OneDimensionWithBounds) {
  Variant a = VarArrayCreate({1, 3});
  EXPECT_TRUE(a.IsArray());
  EXPECT_EQ(a.VarType(), varArray | varVariant);
  EXPECT_EQ(VarArrayDimCount(a), 1);
  EXPECT_EQ(VarArrayLowBound(a, 1), 1);
  EXPECT_EQ(VarArrayHighBound(a, 1), 3);
  VarArrayPut(a, "two", {2});
  VarArrayPut(a, 3, {3});
  EXPECT_EQ(VarArrayGet(a, {2}), Variant("two"));
  EXPECT_EQ(VarArrayGet(a, {3}), Variant(3));
  EXPECT_TRUE(VarArrayGet(a, {1}).IsEmpty());

  // Out of range or a wrong index count raises and changes nothing.
  const Variant before = a;
  const std::string bounds = "Variant or safe array index out of bounds";
  EXPECT_EQ(RaisedMessage<EVariantBadIndexError>([&] { VarArrayPut(a, 9, {0}); }), bounds);
  EXPECT_EQ(RaisedMessage<EVariantBadIndexError>([&] { VarArrayPut(a, 9, {4}); }), bounds);
  EXPECT_EQ(RaisedMessage<EVariantBadIndexError>([&] { VarArrayPut(a, 9, {1, 1}); }), bounds);
  EXPECT_EQ(RaisedMessage<EVariantBadIndexError>([&] { VarArrayGet(a, {-2147483647 - 1}); }), bounds);
  EXPECT_EQ(a, before);

  EXPECT_EQ(RaisedMessage<EVariantBadIndexError>([&] { VarArrayLowBound(a, 2); }), bounds);
  EXPECT_THROW(VarArrayHighBound(a, 0), EVariantBadIndexError);
  EXPECT_EQ(VarArrayDimCount(Variant(5)), 0);
  EXPECT_EQ(RaisedMessage<EVariantNotAnArrayError>([] { VarArrayHighBound(Variant(5), 1); }),
            "Variant is not an array");
  Variant notArray = 5;
  EXPECT_THROW(VarArrayPut(notArray, 1, {0}), EVariantNotAnArrayError);
  EXPECT_EQ(notArray, Variant(5));
  EXPECT_THROW(VarArrayGet(Variant(), {0}), EVariantNotAnArrayError);
  EXPECT_THROW(a.AsString(), EVariantTypeCastError);
  EXPECT_THROW(a.AsInteger(), EVariantTypeCastError);
}

TEST(VariantArray, TwoDimensionsKeepEveryCellApart) {
  Variant grid = VarArrayCreate({0, 1, 5, 7});
  EXPECT_EQ(VarArrayDimCount(grid), 2);
  for (const auto& [dim, low, high] : {std::tuple{1, 0, 1}, {2, 5, 7}}) {
    EXPECT_EQ(VarArrayLowBound(grid, dim), low);
    EXPECT_EQ(VarArrayHighBound(grid, dim), high);
  }
  for (int32_t r = 0; r <= 1; ++r)
    for (int32_t c = 5; c <= 7; ++c) VarArrayPut(grid, r * 10 + c, {r, c});
  for (int32_t r = 0; r <= 1; ++r)
    for (int32_t c = 5; c <= 7; ++c) EXPECT_EQ(VarArrayGet(grid, {r, c}), Variant(r * 10 + c)) << r << "," << c;
  EXPECT_THROW(VarArrayGet(grid, {2, 5}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(grid, {0, 4}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayGet(grid, {0}), EVariantBadIndexError);

  Variant negative = VarArrayCreate({-2, -1, -3, -3, 0, 1});
  EXPECT_EQ(VarArrayDimCount(negative), 3);
  VarArrayPut(negative, "x", {-1, -3, 1});
  EXPECT_EQ(VarArrayGet(negative, {-1, -3, 1}), Variant("x"));
  EXPECT_TRUE(VarArrayGet(negative, {-2, -3, 1}).IsEmpty());
}

TEST(VariantArray, CreationChecksBoundsAndElementType) {
  const std::string createError = "Error creating variant or safe array";
  EXPECT_EQ(RaisedMessage<EVariantArrayCreateError>([] { VarArrayCreate({0, 1, 2}); }), createError);
  EXPECT_EQ(RaisedMessage<EVariantArrayCreateError>([] { VarArrayCreate({}); }), createError);
  EXPECT_EQ(RaisedMessage<EVariantArrayCreateError>([] { VarArrayCreate({5, 3}); }), createError);
  EXPECT_THROW(VarArrayCreate({0, 2147483647, 0, 2147483647}), EVariantArrayCreateError);
  EXPECT_THROW(VarArrayCreate({-2147483647 - 1, 2147483647}), EVariantArrayCreateError);
  EXPECT_EQ(RaisedMessage<EVariantBadVarTypeError>([] { VarArrayCreate({0, 1}, varNull); }), "Invalid variant type");
  EXPECT_THROW(VarArrayCreate({0, 1}, varDate), EVariantBadVarTypeError);

  Variant empty = VarArrayCreate({0, -1});
  EXPECT_EQ(VarArrayDimCount(empty), 1);
  EXPECT_EQ(VarArrayLowBound(empty, 1), 0);
  EXPECT_EQ(VarArrayHighBound(empty, 1), -1);
  EXPECT_THROW(VarArrayGet(empty, {0}), EVariantBadIndexError);
}

TEST(VariantArray, TypedElementsConvertOnPut) {
  Variant ints = VarArrayCreate({0, 1}, varInteger);
  EXPECT_EQ(ints.VarType(), varArray | varInteger);
  EXPECT_EQ(VarTypeAsText(ints.VarType()), "Array of Integer");
  EXPECT_EQ(VarArrayGet(ints, {0}), Variant(0));
  VarArrayPut(ints, "12", {1});
  EXPECT_EQ(VarArrayGet(ints, {1}), Variant(12));
  EXPECT_THROW(VarArrayPut(ints, "abc", {1}), EVariantTypeCastError);
  EXPECT_EQ(VarArrayGet(ints, {1}), Variant(12));

  Variant texts = VarArrayCreate({0, 0}, varString);
  EXPECT_EQ(VarArrayGet(texts, {0}), Variant(""));
  VarArrayPut(texts, 2.5, {0});
  EXPECT_EQ(VarArrayGet(texts, {0}), Variant("2.5"));
}

TEST(VariantArray, CopiesAreIndependent) {
  Variant a = VarArrayCreate({0, 1});
  VarArrayPut(a, "first", {0});
  Variant b = a;
  EXPECT_EQ(a, b);
  VarArrayPut(b, "changed", {0});
  EXPECT_EQ(VarArrayGet(a, {0}), Variant("first"));
  EXPECT_NE(a, b);

  Variant c;
  c = a;
  VarArrayPut(a, 1, {1});
  EXPECT_TRUE(VarArrayGet(c, {1}).IsEmpty());

  // An array stored in itself is a copy of what it was.
  VarArrayPut(a, a, {1});
  Variant inner = VarArrayGet(a, {1});
  EXPECT_EQ(VarArrayGet(inner, {1}), Variant(1));
  EXPECT_EQ(VarArrayGet(inner, {0}), Variant("first"));

  // Assigning an element of an array to the array itself, and the array to itself.
  a = VarArrayGet(a, {1});
  EXPECT_EQ(VarArrayGet(a, {1}), Variant(1));
  Variant& self = a;
  a = self;
  EXPECT_EQ(VarArrayGet(a, {0}), Variant("first"));

  // Moving leaves the source Unassigned.
  Variant moved = std::move(a);
  EXPECT_TRUE(moved.IsArray());
  EXPECT_TRUE(a.IsEmpty());  // NOLINT(bugprone-use-after-move)
  // Strings copy as values too.
  Variant s1 = "text", s2 = s1;
  s2 = "other";
  EXPECT_EQ(s1.AsString(), "text");
}

TEST(VariantArray, VarArrayOfAndRedim) {
  Variant list = VarArrayOf({1, "two", 3.0});
  EXPECT_EQ(VarArrayLowBound(list, 1), 0);
  EXPECT_EQ(VarArrayHighBound(list, 1), 2);
  EXPECT_EQ(VarArrayGet(list, {1}), Variant("two"));
  EXPECT_EQ(VarArrayHighBound(VarArrayOf({}), 1), -1);

  VarArrayRedim(list, 3);
  EXPECT_EQ(VarArrayHighBound(list, 1), 3);
  EXPECT_EQ(VarArrayGet(list, {2}), Variant(3.0));
  EXPECT_TRUE(VarArrayGet(list, {3}).IsEmpty());
  VarArrayRedim(list, 0);
  EXPECT_EQ(list, VarArrayOf({1}));
  EXPECT_THROW(VarArrayRedim(list, -2), EVariantArrayCreateError);
  EXPECT_EQ(list, VarArrayOf({1}));
  VarArrayRedim(list, -1);
  EXPECT_EQ(VarArrayHighBound(list, 1), -1);
  VarArrayRedim(list, 1);
  EXPECT_TRUE(VarArrayGet(list, {0}).IsEmpty());

  // Only the last dimension changes; every row keeps its cells.
  Variant grid = VarArrayCreate({1, 2, 0, 1}, varInteger);
  for (int32_t r = 1; r <= 2; ++r)
    for (int32_t c = 0; c <= 1; ++c) VarArrayPut(grid, r * 10 + c + 1, {r, c});
  VarArrayRedim(grid, 2);
  EXPECT_EQ(VarArrayHighBound(grid, 1), 2);
  EXPECT_EQ(VarArrayHighBound(grid, 2), 2);
  for (int32_t r = 1; r <= 2; ++r)
    for (int32_t c = 0; c <= 2; ++c) EXPECT_EQ(VarArrayGet(grid, {r, c}), Variant(c == 2 ? 0 : r * 10 + c + 1));
  Variant notArray = 1;
  EXPECT_THROW(VarArrayRedim(notArray, 3), EVariantNotAnArrayError);
}

}  // namespace
}  // namespace host
