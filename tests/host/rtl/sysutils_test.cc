#include "host/rtl/sysutils.h"

#include <gtest/gtest.h>

#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

TEST(Format, DirectivesFormatTheirArguments) {
  EXPECT_EQ(Format("%d items", {42}), "42 items");
  EXPECT_EQ(Format("%d", {-7}), "-7");
  EXPECT_EQ(Format("%d", {int64_t(9000000000)}), "9000000000");
  EXPECT_EQ(Format("Hello %s!", {"world"}), "Hello world!");
  EXPECT_EQ(Format("%s", {std::string("std")}), "std");
  EXPECT_EQ(Format("%x", {255}), "FF");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");  // a 32-bit argument shows 32 bits
  EXPECT_EQ(Format("%x", {int64_t(-1)}), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format("%.4x", {255}), "00FF");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%.2f", {3.14159}), "3.14");
  EXPECT_EQ(Format("%.2f", {2}), "2.00");
  EXPECT_EQ(Format("%f", {1.0}), "1.00");
  EXPECT_EQ(Format("%e", {1.5}), "1.50000000000000E+000");
  EXPECT_EQ(Format("%.3e", {-12345.0}), "-1.23E+004");
  EXPECT_EQ(Format("%n", {1234567.891}), "1,234,567.89");
  EXPECT_EQ(Format("%g", {0.5}), "0.5");
  EXPECT_EQ(Format("[%5d]", {42}), "[   42]");
  EXPECT_EQ(Format("[%-5s]", {"ab"}), "[ab   ]");
  EXPECT_EQ(Format("[%5s]", {"toolong"}), "[toolong]");
  EXPECT_EQ(Format("[%.3d]", {7}), "[007]");
  EXPECT_EQ(Format("[%.2s]", {"abc"}), "[ab]");
  EXPECT_EQ(Format("[%*d]", {4, 7}), "[   7]");
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b"}), "b a b");
  EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
  EXPECT_EQ(Format("100%%", {}), "100%");
  EXPECT_EQ(Format("%D %S", {1, "s"}), "1 s");
  EXPECT_EQ(Format("no directives", {}), "no directives");
}

TEST(Format, BadDirectivesRaise) {
  auto message = [](const char* fmt) { return std::string("Format '") + fmt + "' invalid or incompatible with argument"; };
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%d", {"text"}); }), message("%d"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%s", {5}); }), message("%s"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%d %d", {5}); }), message("%d %d"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%k", {5}); }), message("%k"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("50%", {}); }), message("50%"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%2:s", {"a"}); }), message("%2:s"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%x", {1.5}); }), message("%x"));
  EXPECT_EQ(RaisedMessage<EConvertError>([] { Format("%f", {"1.5"}); }), message("%f"));
  EXPECT_THROW(Format("%9999999d", {1}), EConvertError);
  // The exception classes format their messages the same way.
  EXPECT_EQ(EListError("List index out of bounds (%d)", {5}).Message(), "List index out of bounds (5)");
  EXPECT_STREQ(EListError("x").ClassName(), "EListError");
  EXPECT_STREQ(ERangeError("x").what(), "x");
}

TEST(TextHelpers, StrToIntReadsDecimalAndHex) {
  EXPECT_EQ(StrToInt("12"), 12);
  EXPECT_EQ(StrToInt(" -7 "), -7);
  EXPECT_EQ(StrToInt("+5"), 5);
  EXPECT_EQ(StrToInt("$FF"), 255);
  EXPECT_EQ(StrToInt("0x1f"), 31);
  EXPECT_EQ(StrToInt("-$10"), -16);
  EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), -2147483647 - 1);
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToInt("abc"); }), "'abc' is not a valid integer value");
  EXPECT_EQ(RaisedMessage<EConvertError>([] { StrToInt("2147483648"); }),
            "'2147483648' is not a valid integer value");
  EXPECT_THROW(StrToInt("-2147483649"), EConvertError);
  EXPECT_THROW(StrToInt("$100000000"), EConvertError);
  EXPECT_THROW(StrToInt(""), EConvertError);
  EXPECT_THROW(StrToInt("-"), EConvertError);
  EXPECT_THROW(StrToInt("$"), EConvertError);
  EXPECT_THROW(StrToInt("12abc"), EConvertError);
  EXPECT_THROW(StrToInt("1 2"), EConvertError);
  EXPECT_THROW(StrToInt("1.0"), EConvertError);

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
  EXPECT_THROW(StrToFloat("inf"), EConvertError);
  EXPECT_THROW(StrToFloat("0x10"), EConvertError);
  EXPECT_THROW(StrToFloat("1e999"), EConvertError);
  double d = 7;
  EXPECT_FALSE(TryStrToFloat("", d));
  EXPECT_EQ(d, 7);

  EXPECT_EQ(FloatToStr(1.5), "1.5");
  EXPECT_EQ(FloatToStr(100), "100");
  EXPECT_EQ(FloatToStr(0.1), "0.1");
  EXPECT_EQ(FloatToStr(1e20), "1E20");
  EXPECT_EQ(FloatToStr(1.5e-10), "1.5E-10");
  EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");

  EXPECT_EQ(BoolToStr(true), "True");
  EXPECT_EQ(BoolToStr(false), "False");
  EXPECT_TRUE(StrToBool("TRUE"));
  EXPECT_FALSE(StrToBool("false"));
  EXPECT_TRUE(StrToBool("-1"));
  EXPECT_FALSE(StrToBool("0"));
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
  EXPECT_EQ(AnsiCompareText("\xC3\x84rger", "\xC3\xA4rger"), 0);                // Ärger / ärger
  EXPECT_EQ(AnsiCompareText("\xC5\x81\xC3\xB3\x64\xC5\xBA", "\xC5\x82\xC3\x93\x44\xC5\xB9"), 0);  // Łódź / łÓDŹ
  EXPECT_EQ(AnsiCompareText("\xC3\xBF", "\xC5\xB8"), 0);                        // ÿ / Ÿ
  EXPECT_NE(AnsiCompareText("\xC5\xB8", "\xC5\xB7"), 0);                        // Ÿ / ŷ
  EXPECT_NE(AnsiCompareText("\xC3\x84rger", "Arger"), 0);
  EXPECT_TRUE(AnsiSameText("Stra\xC3\x9F" "e", "STRA\xC3\x9F" "E"));
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
  EXPECT_TRUE(IsValidIdent("Button1"));
  EXPECT_TRUE(IsValidIdent("_x"));
  EXPECT_TRUE(IsValidIdent("a"));
  EXPECT_FALSE(IsValidIdent(""));
  EXPECT_FALSE(IsValidIdent("1Button"));
  EXPECT_FALSE(IsValidIdent("my button"));
  EXPECT_FALSE(IsValidIdent("a.b"));
  EXPECT_FALSE(IsValidIdent("\xC3\x84rger"));

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
  for (std::string odd : {"\xC0\x80", "\xE0\x80\xAF", "\xF0\x80\x80\xAF", "\xED\xB2\xB2",
                          "\xED\xA0\x80\xED\xB0\x80", "\xED\xA0\x80\xED\xA0\x80\xED\xB0\x80",
                          "\xED\xA0\x80\x80", "\xF0\x90\x80\x80\xED\xB0\x80"})
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(odd)), odd) << odd.size();
  EXPECT_EQ(Utf8ToUtf16("\xED\xB2\xB2").size(), 3u);
  // Lone surrogates of a UTF-16 text come back from UTF-8 as they were.
  for (std::u16string lone : {std::u16string(1, u'\xD800'), std::u16string(1, u'\xDFFF'), std::u16string{u'\xD800', u'a'},
                              std::u16string{u'a', u'\xDC00'}, std::u16string{u'\xDBFF', u'\xDBFF'}})
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(lone)), lone);
}

}  // namespace
}  // namespace host
