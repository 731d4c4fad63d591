#include "host/rtl/sysutils.h"

#include <gtest/gtest.h>

#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

TEST(Format, DirectivesFormatTheirArguments) {
  // What Format made, and what it should have made.
  const std::pair<std::string, const char*> cases[] = {
      {Format("%d items", {42}), "42 items"},
      {Format("%d", {-7}), "-7"},
      {Format("%d", {int64_t(9000000000)}), "9000000000"},
      {Format("Hello %s!", {"world"}), "Hello world!"},
      {Format("%s", {std::string("std")}), "std"},
      {Format("%x", {255}), "FF"},
      {Format("%x", {-1}), "FFFFFFFF"},  // a 32-bit argument shows 32 bits
      {Format("%x", {int64_t(-1)}), "FFFFFFFFFFFFFFFF"},
      {Format("%.4x", {255}), "00FF"},
      {Format("%u", {-1}), "4294967295"},
      {Format("%.2f", {3.14159}), "3.14"},
      {Format("%.2f", {2}), "2.00"},
      {Format("%f", {1.0}), "1.00"},
      {Format("%e", {1.5}), "1.50000000000000E+000"},
      {Format("%.3e", {-12345.0}), "-1.23E+004"},
      {Format("%n", {1234567.891}), "1,234,567.89"},
      {Format("%g", {0.5}), "0.5"},
      {Format("[%5d]", {42}), "[   42]"},
      {Format("[%-5s]", {"ab"}), "[ab   ]"},
      {Format("[%5s]", {"toolong"}), "[toolong]"},
      {Format("[%.3d]", {7}), "[007]"},
      {Format("[%.2s]", {"abc"}), "[ab]"},
      {Format("[%*d]", {4, 7}), "[   7]"},
      {Format("%1:s %0:s %s", {"a", "b"}), "b a b"},
      {Format("%0:s-%0:s", {"x"}), "x-x"},
      {Format("100%%", {}), "100%"},
      {Format("%D %S", {1, "s"}), "1 s"}};
  for (const auto& [made, expected] : cases) EXPECT_EQ(made, expected);
}

TEST(Format, BadDirectivesRaise) {
  // Each format is bad for its arguments; the message quotes it whole.
  const std::pair<std::string, const char*> cases[] = {
      {RaisedMessage<EConvertError>([] { Format("%d", {"text"}); }), "%d"},
      {RaisedMessage<EConvertError>([] { Format("%s", {5}); }), "%s"},
      {RaisedMessage<EConvertError>([] { Format("%d %d", {5}); }), "%d %d"},
      {RaisedMessage<EConvertError>([] { Format("%k", {5}); }), "%k"},
      {RaisedMessage<EConvertError>([] { Format("50%", {}); }), "50%"},
      {RaisedMessage<EConvertError>([] { Format("%2:s", {"a"}); }), "%2:s"},
      {RaisedMessage<EConvertError>([] { Format("%x", {1.5}); }), "%x"},
      {RaisedMessage<EConvertError>([] { Format("%f", {"1.5"}); }), "%f"}};
  for (const auto& [raised, fmt] : cases)
    EXPECT_EQ(raised, std::string("Format '") + fmt + "' invalid or incompatible with argument");
  EXPECT_THROW(Format("%9999999d", {1}), EConvertError);
  // The exception classes format their messages the same way.
  EXPECT_EQ(EListError("List index out of bounds (%d)", {5}).Message(), "List index out of bounds (5)");
  EXPECT_STREQ(EListError("x").ClassName(), "EListError");
  EXPECT_STREQ(ERangeError("x").what(), "x");
}

TEST(TextHelpers, StrToIntReadsDecimalAndHex) {
  for (const auto& [text, n] : {std::pair<const char*, int32_t>{"12", 12},
                                {" -7 ", -7},
                                {"+5", 5},
                                {"$FF", 255},
                                {"0x1f", 31},
                                {"-$10", -16},
                                {"$FFFFFFFF", -1},
                                {"2147483647", 2147483647},
                                {"-2147483648", -2147483647 - 1}})
    EXPECT_EQ(StrToInt(text), n) << text;
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToInt("abc"); }), "'abc' is not a valid integer value");
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToInt("2147483648"); }), "'2147483648' is not a valid integer value");
  for (const char* bad : {"-2147483649", "$100000000", "", "-", "$", "12abc", "1 2", "1.0"})
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;

  EXPECT_EQ(StrToInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_THROW(StrToInt64("9223372036854775808"), EConvertError);
  EXPECT_EQ(StrToIntDef("x", 3), 3);
  EXPECT_EQ(StrToIntDef("4", 3), 4);
  int32_t value = 99;
  EXPECT_FALSE(TryStrToInt("nope", value));
  EXPECT_EQ(value, 99);
  EXPECT_TRUE(TryStrToInt("8", value));
  EXPECT_EQ(value, 8);
}

TEST(TextHelpers, FloatsAndBooleansAsText) {
  EXPECT_DOUBLE_EQ(StrToFloat(" 1.25 "), 1.25);
  EXPECT_DOUBLE_EQ(StrToFloat("-2e3"), -2000.0);
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToFloat("1,5"); }), "'1,5' is not a valid floating point value");
  for (const char* bad : {"inf", "0x10", "1e999"}) EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  double d = 7;
  EXPECT_FALSE(TryStrToFloat("", d));
  EXPECT_EQ(d, 7);

  for (const auto& [x, text] : {std::pair<double, const char*>{1.5, "1.5"},
                                {100, "100"},
                                {0.1, "0.1"},
                                {1e20, "1E20"},
                                {1.5e-10, "1.5E-10"},
                                {1.0 / 3, "0.333333333333333"}})
    EXPECT_EQ(FloatToStr(x), text);

  EXPECT_EQ(BoolToStr(true), "True");
  EXPECT_EQ(BoolToStr(false), "False");
  for (const auto& [text, b] :
       {std::pair<const char*, bool>{"TRUE", true}, {"false", false}, {"-1", true}, {"0", false}})
    EXPECT_EQ(StrToBool(text), b) << text;
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToBool("maybe"); }), "'maybe' is not a valid boolean value");

  EXPECT_EQ(IntToStr(-12), "-12");
  EXPECT_EQ(IntToHex(255, 4), "00FF");
}

TEST(TextHelpers, CaseInsensitiveComparisonFoldsLatinLetters) {
  EXPECT_EQ(AnsiCompareText("abc", "ABC"), 0);
  EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
  EXPECT_GT(AnsiCompareText("b", "A"), 0);
  EXPECT_LT(AnsiCompareText("ab", "ABC"), 0);
  EXPECT_GT(AnsiCompareText("abc", "AB"), 0);
  EXPECT_EQ(AnsiCompareText("\xC3\x84rger", "\xC3\xA4rger"), 0);                                  // Ärger / ärger
  EXPECT_EQ(AnsiCompareText("\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x82\xC3\x93\x44\xC5\xB9"), 0);  // Łódź / łÓDŹ
  EXPECT_EQ(AnsiCompareText("\xC3\xBF", "\xC5\xB8"), 0);                                          // ÿ / Ÿ
  EXPECT_NE(AnsiCompareText("\xC5\xB8", "\xC5\xB7"), 0);                                          // Ÿ / ŷ
  EXPECT_NE(AnsiCompareText("\xC3\x84rger", "Arger"), 0);
  EXPECT_TRUE(
      AnsiSameText("Stra\xC3\x9F"
                   "e",
                   "STRA\xC3\x9F"
                   "E"));
  EXPECT_FALSE(AnsiSameText("a", "b"));
  EXPECT_EQ(AnsiUpperCase("\xC3\xA4\xC5\xB7\xC3\xBFx"), "\xC3\x84\xC5\xB6\xC5\xB8X");  // äŷÿx -> ÄŶŸX
  EXPECT_EQ(AnsiLowerCase("\xC3\x84\xC5\xB6\xC5\xB8X"), "\xC3\xA4\xC5\xB7\xC3\xBFx");
  EXPECT_EQ(AnsiUpperCase("\xFF\xC3"), "\xFF\xC3");  // invalid bytes pass through

  EXPECT_EQ(CompareText("abc", "ABC"), 0);
  EXPECT_NE(CompareText("\xC3\x84", "\xC3\xA4"), 0);  // ASCII only
  EXPECT_TRUE(SameText("Name", "NAME"));
  EXPECT_LT(AnsiCompareStr("A", "a"), 0);
  EXPECT_EQ(UpperCase("a\xC3\xA4"), "A\xC3\xA4");
  EXPECT_EQ(Trim("  x y \t\n"), "x y");
}

TEST(TextHelpers, IdentifiersAndQuotes) {
  for (const char* good : {"Button1", "_x", "a"}) EXPECT_TRUE(IsValidIdent(good)) << good;
  for (const char* bad : {"", "1Button", "my button", "a.b", "\xC3\x84rger"}) EXPECT_FALSE(IsValidIdent(bad)) << bad;

  EXPECT_EQ(AnsiQuotedStr("it's", '\''), "'it''s'");
  std::size_t pos = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("'it''s' rest", pos, '\''), "it's");
  EXPECT_EQ(pos, 7u);
  pos = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("no quote", pos, '\''), "");
  EXPECT_EQ(pos, 0u);
}

TEST(TextHelpers, Utf16RoundTrip) {
  const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // aé€ and an emoji
  EXPECT_EQ(Utf8ToUtf16(utf8), u"a\u00E9\u20AC\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(utf8)), utf8);
  // Bytes that are no UTF-8 survive the round trip unchanged.
  const std::string broken = "x\xFF\xC3y\xF5\x80\x80\x80";
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(broken)), broken);
  // Overlong forms and surrogates that would not come back as the same bytes
  // (one standing for an invalid byte, a pair encoded as two halves, a high
  // half before an invalid byte) survive too.
  for (std::string odd : {"\xC0\x80", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xB2\xB2", "\xED\xA0\x80\xED\xB0\x80",
                          "\xED\xA0\x80\xED\xA0\x80\xED\xB0\x80", "\xED\xA0\x80\x80", "\xF0\x90\x80\x80\xED\xB0\x80"})
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(odd)), odd) << odd.size();
  EXPECT_EQ(Utf8ToUtf16("\xED\xB2\xB2").size(), 3u);
  // Lone surrogates of a UTF-16 text come back from UTF-8 as they were.
  for (std::u16string lone :
       {std::u16string(1, u'\xD800'), std::u16string(1, u'\xDFFF'), std::u16string{u'\xD800', u'a'},
        std::u16string{u'a', u'\xDC00'}, std::u16string{u'\xDBFF', u'\xDBFF'}})
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(lone)), lone);
}

}  // namespace
}  // namespace host
