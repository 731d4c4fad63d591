// TParser: tokens of the text form syntax, their values, line counting and
// the error messages that name the line.
#include "host/classes/parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/classes/streams.h"
#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

struct TTok {
  char Kind;
  std::string Text;
  int Line;
};

// Every token of the text (kind, TokenString, line) up to the end.
std::vector<TTok> Tokens(const std::string& text) {
  TOwned<TStringStream> stream = MakeOwned<TStringStream>(text);
  TOwned<TParser> parser = MakeOwned<TParser>(stream.get());
  std::vector<TTok> out;
  for (; parser->GetToken() != toEOF; parser->NextToken())
    out.push_back({parser->GetToken(), parser->TokenString(), parser->GetSourceLine()});
  return out;
}

// The message of the EParserError that reading all tokens of `text` raises.
std::string TokenError(const std::string& text) {
  return RaisedMessage<EParserError>([&] { Tokens(text); });
}

TEST(TParser, SplitsTokensAndCountsLines) {
  auto toks = Tokens("object Form1: TForm1\n  Font.Name = 'Arial'\r\n  Tag = -12 $1F\n  x.1 ( ) [ ] < > { } + , =");
  std::vector<TTok> expected = {{toSymbol, "object", 1},
                                {toSymbol, "Form1", 1},
                                {':', ":", 1},
                                {toSymbol, "TForm1", 1},
                                {toSymbol, "Font.Name", 2},
                                {'=', "=", 2},
                                {toString, "Arial", 2},
                                {toSymbol, "Tag", 3},
                                {'=', "=", 3},
                                {toInteger, "-12", 3},
                                {toInteger, "$1F", 3},
                                // a dot not followed by a letter is not part of the symbol
                                {toSymbol, "x", 4},
                                {'.', ".", 4},
                                {toInteger, "1", 4},
                                {'(', "(", 4},
                                {')', ")", 4},
                                {'[', "[", 4},
                                {']', "]", 4},
                                {'<', "<", 4},
                                {'>', ">", 4},
                                {'{', "{", 4},
                                {'}', "}", 4},
                                {'+', "+", 4},
                                {',', ",", 4},
                                {'=', "=", 4}};
  ASSERT_EQ(toks.size(), expected.size());
  for (std::size_t i = 0; i < toks.size(); ++i) {
    EXPECT_EQ(toks[i].Kind, expected[i].Kind) << i;
    EXPECT_EQ(toks[i].Text, expected[i].Text) << i;
    EXPECT_EQ(toks[i].Line, expected[i].Line) << i;
  }
  // Blanks and control characters separate tokens; a NUL byte ends the text.
  EXPECT_EQ(Tokens(std::string("a\t\x01 b\0c", 8)).size(), 2u);
  EXPECT_TRUE(Tokens("   \n\n ").empty());
  // A byte order mark is skipped; elsewhere its bytes are punctuation.
  EXPECT_EQ(Tokens("\xEF\xBB\xBFobject").size(), 1u);
  EXPECT_EQ(Tokens("a\xEF\xBB\xBF").size(), 4u);
}

TEST(TParser, DecodesStrings) {
  TOwned<TStringStream> stream =
      MakeOwned<TStringStream>("'It''s'#13#10'x' #233 'caf'#233 #8364'5' #55357#56832 '' 'caf\xC3\xA9'");
  TOwned<TParser> p = MakeOwned<TParser>(stream.get());
  EXPECT_EQ(p->GetToken(), toString);
  EXPECT_EQ(p->TokenString(), "It's\r\nx");
  EXPECT_EQ(p->NextToken(), toString);  // codes up to 255 keep the plain kind
  EXPECT_EQ(p->TokenString(), "\xC3\xA9");
  EXPECT_EQ(p->NextToken(), toString);
  EXPECT_EQ(p->TokenString(), "caf\xC3\xA9");
  EXPECT_EQ(p->NextToken(), toWString);  // the euro sign needs a wide string
  EXPECT_EQ(p->TokenString(),
            "\xE2\x82\xAC"
            "5");
  EXPECT_EQ(p->TokenWideString(), u"\u20AC5");
  EXPECT_EQ(p->NextToken(), toWString);  // a surrogate pair is one character
  EXPECT_EQ(p->TokenString(), "\xF0\x9F\x98\x80");
  EXPECT_EQ(p->NextToken(), toString);
  EXPECT_EQ(p->TokenString(), "");
  EXPECT_EQ(p->NextToken(), toString);  // UTF-8 inside quotes stays as it is
  EXPECT_EQ(p->TokenString(), "caf\xC3\xA9");
  EXPECT_EQ(p->NextToken(), toEOF);
  // Bytes that are not UTF-8 survive a quoted string unchanged.
  auto raw = Tokens("'a\xFF\xC3'");
  ASSERT_EQ(raw.size(), 1u);
  EXPECT_EQ(raw[0].Text, "a\xFF\xC3");
}

TEST(TParser, NumbersAndTheirValues) {
  TOwned<TStringStream> stream = MakeOwned<TStringStream>("42 -7 $FF 1.5 -2.5e3 12.5s 7c 3.25d 9223372036854775807 1e");
  TOwned<TParser> p = MakeOwned<TParser>(stream.get());
  struct {
    char Kind;
    double Value;
    char FloatType;
  } expected[] = {{toInteger, 42, 0},  {toInteger, -7, 0},   {toInteger, 255, 0}, {toFloat, 1.5, 0},
                  {toFloat, -2500, 0}, {toFloat, 12.5, 's'}, {toFloat, 7, 'c'},   {toFloat, 3.25, 'd'}};
  for (auto& e : expected) {
    EXPECT_EQ(p->GetToken(), e.Kind);
    EXPECT_EQ(p->GetFloatType(), e.FloatType);
    EXPECT_EQ(e.Kind == toInteger ? static_cast<double>(p->TokenInt()) : p->TokenFloat(), e.Value);
    p->NextToken();
  }
  EXPECT_EQ(p->TokenInt(), INT64_MAX);
  EXPECT_EQ(p->TokenString(), "9223372036854775807");
  EXPECT_EQ(p->NextToken(), toFloat);  // "1e" looks like a float but is not one
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->TokenFloat(); }),
            "'1e' is not a valid floating point value on line 1");
  // An integer beyond 64 bits and a bare '$' are no integers.
  TOwned<TStringStream> big = MakeOwned<TStringStream>("\n99999999999999999999 $");
  TOwned<TParser> q = MakeOwned<TParser>(big.get());
  EXPECT_EQ(RaisedMessage<EParserError>([&] { q->TokenInt(); }),
            "'99999999999999999999' is not a valid integer value on line 2");
  q->NextToken();
  EXPECT_EQ(RaisedMessage<EParserError>([&] { q->TokenInt(); }), "'$' is not a valid integer value on line 2");
  // A minus sign not followed by a digit is punctuation.
  auto minus = Tokens("- x");
  ASSERT_EQ(minus.size(), 2u);
  EXPECT_EQ(minus[0].Kind, '-');
}

TEST(TParser, MalformedStringsNameTheLine) {
  EXPECT_EQ(TokenError("a\n'open"), "Invalid string constant on line 2");
  EXPECT_EQ(TokenError("a\n\n'broken\nline'"), "Invalid string constant on line 3");
  EXPECT_EQ(TokenError("#"), "Invalid string constant on line 1");
  EXPECT_EQ(TokenError("#1114112"), "Invalid string constant on line 1");
  EXPECT_EQ(TokenError("'ok'#1114111"), "<nothing raised>");
}

TEST(TParser, CheckTokenMessages) {
  TOwned<TStringStream> stream = MakeOwned<TStringStream>("\n\nfoo 'text'");
  TOwned<TParser> p = MakeOwned<TParser>(stream.get());
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckToken(toString); }), "String expected on line 3");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckToken(toInteger); }), "Number expected on line 3");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckToken('='); }), "'=' expected on line 3");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckTokenSymbol("end"); }), "end expected on line 3");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckToken(toSymbol); }), "<nothing raised>");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckTokenSymbol("FOO"); }), "<nothing raised>");
  EXPECT_EQ(p->TokenComponentIdent(), "foo");
  p->NextToken();
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->CheckToken(toSymbol); }), "Identifier expected on line 3");
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->TokenComponentIdent(); }), "Identifier expected on line 3");
  EXPECT_FALSE(p->TokenSymbolIs("text"));  // a string is not a symbol of the same text
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->ErrorFmt("Bad %s", {"thing"}); }), "Bad thing on line 3");
  EXPECT_EQ(p->GetToken(), toString);  // errors leave the token where it was
}

TEST(TParser, HexToBinary) {
  TOwned<TStringStream> stream = MakeOwned<TStringStream>("{ 0A ff\n 10 } next { 0G } {}");
  TOwned<TParser> p = MakeOwned<TParser>(stream.get());
  TOwned<TMemoryStream> bytes = MakeOwned<TMemoryStream>();
  p->HexToBinary(bytes.get());
  ASSERT_EQ(bytes->GetSize(), 3);
  const uint8_t* data = static_cast<const uint8_t*>(bytes->GetMemory());
  EXPECT_EQ(data[0], 0x0A);
  EXPECT_EQ(data[1], 0xFF);
  EXPECT_EQ(data[2], 0x10);
  EXPECT_TRUE(p->TokenSymbolIs("next"));  // moved past the closing brace
  EXPECT_EQ(p->GetSourceLine(), 2);
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->HexToBinary(bytes.get()); }), "'{' expected on line 2");
  p->NextToken();
  EXPECT_EQ(RaisedMessage<EParserError>([&] { p->HexToBinary(bytes.get()); }), "Invalid binary value on line 2");
  EXPECT_EQ(bytes->GetSize(), 3);  // nothing written for the bad block
  // An odd digit count and a missing brace are invalid too.
  for (const char* bad : {"{ABC}", "{AB"}) {
    TOwned<TStringStream> s = MakeOwned<TStringStream>(bad);
    TOwned<TParser> q = MakeOwned<TParser>(s.get());
    EXPECT_EQ(RaisedMessage<EParserError>([&] { q->HexToBinary(bytes.get()); }), "Invalid binary value on line 1");
  }
  TOwned<TStringStream> empty = MakeOwned<TStringStream>("{}");
  TOwned<TParser> e = MakeOwned<TParser>(empty.get());
  e->HexToBinary(bytes.get());
  EXPECT_EQ(bytes->GetSize(), 3);
  EXPECT_EQ(e->GetToken(), toEOF);
}

TEST(TParser, TokenKindOfAText) {
  struct {
    const char* Text;
    char Kind;
  } cases[] = {{"abc", toSymbol},
               {"Font.Name", toSymbol},
               {"12", toInteger},
               {"-3", toInteger},
               {"$1F", toInteger},
               {"1.5", toFloat},
               {"2s", toFloat},
               {"'x'#10", toString},
               {"=", '='},
               {"", toEOF},
               {" a", toEOF},
               {"a ", toEOF},
               {"a b", toEOF},
               {"a.", toEOF},
               {"'x", toEOF},
               {"\xEF\xBB\xBF"
                "a",
                toEOF}};
  for (auto& c : cases) EXPECT_EQ(TParser::TokenKind(c.Text), c.Kind) << c.Text;
}

TEST(TParser, GivesBackTheUnreadText) {
  TOwned<TStringStream> stream = MakeOwned<TStringStream>("xx one two three");
  stream->SetPosition(3);
  {
    TOwned<TParser> p = MakeOwned<TParser>(stream.get());
    EXPECT_EQ(p->SourcePos(), 0);
    p->NextToken();
    EXPECT_EQ(p->SourcePos(), 4);
  }
  // Freeing the parser leaves the stream at the current token.
  EXPECT_EQ(stream->GetPosition(), 7);
  EXPECT_EQ(stream->ReadString(3), "two");
}

}  // namespace
}  // namespace host
