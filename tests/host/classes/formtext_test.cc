// Conversion between binary forms and the text form syntax: every value
// kind both ways, the canonical layout, resources, format detection, the
// bundled examples and the messages for bad input.
#include "host/classes/formtext.h"
#include "host/classes/hostclasses.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/classes/component.h"
#include "host/classes/filer.h"
#include "host/classes/parser.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"
#include "tests/support/raises.h"

namespace host {
namespace {

using testkit::RaisedMessage;

using TConvert = void (*)(TStream*, TStream*);

// Runs a conversion over strings.
std::string Convert(TConvert convert, const std::string& input) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(input);
  TOwned<TStringStream> out = MakeOwned<TStringStream>();
  convert(in.get(), out.get());
  return out->GetDataString();
}
std::string ToText(const std::string& binary) { return Convert(ObjectBinaryToText, binary); }
std::string ToBinary(const std::string& text) { return Convert(ObjectTextToBinary, text); }

// The message of a failing conversion, checking that the output stream kept
// what it held before.
template <class E>
std::string Failure(TConvert convert, const std::string& input) {
  TOwned<TStringStream> in = MakeOwned<TStringStream>(input);
  TOwned<TStringStream> out = MakeOwned<TStringStream>("kept");
  std::string message = RaisedMessage<E>([&] { convert(in.get(), out.get()); });
  EXPECT_EQ(out->GetDataString(), "kept") << message;
  return message;
}

// Writes a binary form with a TWriter.
template <class F>
std::string BinaryForm(F&& body) {
  TOwned<TStringStream> out = MakeOwned<TStringStream>();
  {
    TOwned<TWriter> w = MakeOwned<TWriter>(out.get(), 4096);
    w->WriteSignature();
    body(w.get());
    w->FlushBuffer();
  }
  return out->GetDataString();
}

void Header(TWriter* w, const char* cls, const char* name, TFilerFlags flags = {}, int32_t pos = 0) {
  w->WritePrefix(flags, pos);
  w->WriteStr(cls);
  w->WriteStr(name);
}

// A root holding a property of every value kind and children with every
// kind of header.
std::string EveryKindForm() {
  return BinaryForm([](TWriter* w) {
    Header(w, "TComponent", "Form1");
    auto prop = [w](const char* name) { w->WriteStr(name); };
    prop("Int8"), w->WriteInteger(-5);
    prop("Int16"), w->WriteInteger(1000);
    prop("Int32"), w->WriteInteger(100000);
    prop("Int64"), w->WriteInt64(int64_t(1) << 40);
    prop("Float"), w->WriteFloat(0.1 + 0.2);
    prop("Whole"), w->WriteFloat(2);
    prop("Single"), w->WriteSingle(1.1f);
    prop("Money"), w->WriteCurrency(Currency::FromRaw(125000));
    prop("When"), w->WriteDate(45000.25);
    prop("Text"), w->WriteString("It's");
    prop("Utf8"), w->WriteString("caf\xC3\xA9 \xE2\x82\xAC");
    prop("Control"), w->WriteString("a\r\nb");
    prop("Empty"), w->WriteString("");
    prop("Long"), w->WriteString(std::string(150, 'x'));
    prop("Enum"), w->WriteIdent("alClient");
    prop("Yes"), w->WriteBoolean(true);
    prop("No"), w->WriteBoolean(false);
    prop("Ref"), w->WriteIdent("nil");
    prop("Nothing"), w->WriteIdent("Null");
    prop("Other"), w->WriteIdent("Form2.Action1");
    prop("Options"), w->WriteSet({"opA", "opB"});
    prop("NoOptions"), w->WriteSet({});
    std::string bytes;
    for (int i = 0; i < 40; ++i) bytes += static_cast<char>(i * 7);
    prop("Data"), w->WriteBinary(bytes.data(), 40);
    prop("NoData"), w->WriteBinary(bytes.data(), 0);
    prop("Items.Strings"), w->WriteListBegin(), w->WriteString("a"), w->WriteInteger(1), w->WriteListBegin(),
        w->WriteListEnd(), w->WriteListEnd();
    prop("Columns"), w->WriteValue(vaCollection);
    w->WriteListBegin(), prop("Width"), w->WriteInteger(40), w->WriteListEnd();
    w->WriteInteger(3), w->WriteListBegin(), w->WriteListEnd();
    w->WriteListEnd();
    prop("NoColumns"), w->WriteValue(vaCollection), w->WriteListEnd();
    w->WriteListEnd();  // properties of Form1
    Header(w, "TComponent", "Base1", {ffInherited});
    w->WriteListEnd(), w->WriteListEnd();
    Header(w, "TComponent", "Frame1", {ffInline, ffChildPos}, 2);
    prop("Tag"), w->WriteInteger(1), w->WriteListEnd();
    Header(w, "TBasicAction", "");
    w->WriteListEnd(), w->WriteListEnd();
    w->WriteListEnd();  // children of Frame1
    w->WriteListEnd();  // children of Form1
  });
}

const char kEveryKindText[] =
    "object Form1: TComponent\n"
    "  Int8 = -5\n"
    "  Int16 = 1000\n"
    "  Int32 = 100000\n"
    "  Int64 = 1099511627776\n"
    "  Float = 0.30000000000000004\n"
    "  Whole = 2.0\n"
    "  Single = 1.1s\n"
    "  Money = 125000c\n"
    "  When = 45000.25d\n"
    "  Text = 'It'#39's'\n"
    "  Utf8 = 'caf'#233' '#8364\n"
    "  Control = 'a'#13#10'b'\n"
    "  Empty = ''\n"
    "  Long =\n"
    "    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +\n"
    "    'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +\n"
    "    'xxxxxxxxxxxxxxxxxxxxxx'\n"
    "  Enum = alClient\n"
    "  Yes = True\n"
    "  No = False\n"
    "  Ref = nil\n"
    "  Nothing = Null\n"
    "  Other = Form2.Action1\n"
    "  Options = [opA, opB]\n"
    "  NoOptions = []\n"
    "  Data = {\n"
    "    00070E151C232A31383F464D545B626970777E858C939AA1A8AFB6BDC4CBD2D9\n"
    "    E0E7EEF5FC030A11}\n"
    "  NoData = {}\n"
    "  Items.Strings = (\n"
    "    'a'\n"
    "    1\n"
    "    ())\n"
    "  Columns = <\n"
    "    item\n"
    "      Width = 40\n"
    "    end\n"
    "    item [3]\n"
    "    end>\n"
    "  NoColumns = <>\n"
    "  inherited Base1: TComponent\n"
    "  end\n"
    "  inline Frame1: TComponent [2]\n"
    "    Tag = 1\n"
    "    object TBasicAction\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST(FormText, EveryValueKindBothWays) {
  const std::string binary = EveryKindForm();
  EXPECT_EQ(ToText(binary), kEveryKindText);
  EXPECT_EQ(ToBinary(kEveryKindText), binary);
  // A form that differs in one value differs in its text too.
  std::string changed = binary;
  changed[changed.find("Whole") - 2] = 4;  // Int8 value -5 -> 4
  EXPECT_NE(ToText(changed), kEveryKindText);
}

TEST(FormText, LongStringsBreakInListsAndAtCodes) {
  std::string value = std::string(63, 'a') + "\x01" + std::string(70, 'b');
  std::string binary = BinaryForm([&](TWriter* w) {
    Header(w, "TComponent", "A");
    w->WriteStr("L"), w->WriteListBegin(), w->WriteString(value), w->WriteListEnd();
    w->WriteListEnd(), w->WriteListEnd();
  });
  std::string text = ToText(binary);
  EXPECT_EQ(text,
            "object A: TComponent\n"
            "  L = (\n"
            "    '" +
                std::string(63, 'a') +
                "'#1 +\n"
                "    '" +
                std::string(64, 'b') +
                "' +\n"
                "    'bbbbbb')\n"
                "end\n");
  EXPECT_EQ(ToBinary(text), binary);
}

TEST(FormText, WideStringsComeBackAsUtf8) {
  std::string wide = BinaryForm([](TWriter* w) {
    Header(w, "TComponent", "A");
    w->WriteStr("W"), w->WriteWideString(u"\u20AC\U0001F600x");
    w->WriteListEnd(), w->WriteListEnd();
  });
  std::string text = ToText(wide);
  EXPECT_EQ(text, "object A: TComponent\n  W = #8364#55357#56832'x'\nend\n");
  std::string utf8 = ToBinary(text);
  EXPECT_NE(utf8, wide);  // the text knows no wide kind: the value is written as UTF-8
  // Halves of a surrogate pair in two parts joined with '+' are one character.
  EXPECT_EQ(ToBinary("object A: TComponent\n  W = #8364#55357 +\n #56832'x'\nend\n"), utf8);
  // A long line does not break inside a pair.
  std::u16string pairs;
  for (int i = 0; i < 40; ++i) pairs += u"\U0001F600";
  std::string longWide = BinaryForm([&](TWriter* w) {
    Header(w, "TComponent", "A");
    w->WriteStr("W"), w->WriteString("x" + Utf16ToUtf8(pairs));
    w->WriteListEnd(), w->WriteListEnd();
  });
  std::string longText = ToText(longWide);
  EXPECT_EQ(longText.find("#55357 +"), std::string::npos) << longText;
  EXPECT_EQ(ToBinary(longText), longWide);
  EXPECT_NE(utf8.find("\xE2\x82\xAC\xF0\x9F\x98\x80x"), std::string::npos);
  // Bytes that are not UTF-8 survive text and come back unchanged.
  std::string raw = BinaryForm([](TWriter* w) {
    Header(w, "TComponent", "A");
    w->WriteStr("R"), w->WriteString("\xFF\xC3(");
    w->WriteListEnd(), w->WriteListEnd();
  });
  EXPECT_EQ(ToBinary(ToText(raw)), raw);
}

TEST(FormText, TextVariantsReadAsTheCanonicalForm) {
  const std::string canonical = ToText(ToBinary(kEveryKindText));
  std::string loose = kEveryKindText;
  auto replace = [&](const std::string& from, const std::string& to) {
    std::size_t at = loose.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    loose.replace(at, from.size(), to);
  };
  replace("object Form1", "\xEF\xBB\xBFOBJECT Form1");            // byte order mark, any case
  replace("'It'#39's'", "'It''s'");                               // doubled quote
  replace("Int16 = 1000", "Int16 = $3E8");                        // hexadecimal
  replace("'caf'#233' '#8364", "'ca' +\r\n 'f'#233 + ' '#8364");  // parts joined with '+'
  replace("[opA, opB]", "[ opA ,opB ]");
  replace("    end>", "    END>");
  EXPECT_EQ(ToText(ToBinary(loose)), canonical);
  EXPECT_EQ(canonical, kEveryKindText);
  // Order numbers of items and children must be 32-bit.
  EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, "object A: T [4294967296]\nend"),
            "Integer 4294967296 out of range on line 1");
}

// ------------------------------------------------------------- bad input

TEST(FormText, BadTextNamesTheLine) {
  struct {
    const char* Text;
    const char* Message;
  } cases[] = {
      {"object A: TComponent\n  Caption = 'abc\nend\n", "Invalid string constant on line 2"},
      {"object A: TComponent\n  Tag = 1\n", "end expected on line 3"},
      {"object A: TComponent\n  object B: TComponent\n  end\n", "end expected on line 4"},
      {"object A: TComponent\n  S = [a b]\nend\n", "',' expected on line 2"},
      {"object A: TComponent\n  S = [a, 'b']\nend\n", "Identifier expected on line 2"},
      {"object A: TComponent\n  S = [a\n", "',' expected on line 3"},
      {"object A TComponent", "'=' expected on line 1"},
      {"thing A: TComponent\nend\n", "object expected on line 1"},
      {"", "object expected on line 1"},
      {"object A: TComponent\n\n  X = )\nend\n", "Invalid property value on line 3"},
      {"object A: TComponent\n  X\nend\n", "'=' expected on line 3"},
      {"object A: TComponent\nend\nextra\n", "End of file expected on line 3"},
      {"object A: TComponent\n  L = ('a'\n", "')' expected on line 3"},
      {"object A: TComponent\n  C = <foo>\nend\n", "item expected on line 2"},
      {"object A: TComponent\n  C = <\n    item\n", "end expected on line 4"},
      {"object A: TComponent\n  C = <item end\n", "'>' expected on line 3"},
      {"object A: TComponent\n  D = {0G}\nend\n", "Invalid binary value on line 2"},
      {"object A: TComponent\n  T = 'a' + 1\nend\n", "String expected on line 2"},
      {"object A: TComponent\n  Tag = 99999999999999999999\nend\n",
       "'99999999999999999999' is not a valid integer value on line 2"},
      {"object A: TComponent\n  F = 1.5.5\nend\n", "'1.5.5' is not a valid floating point value on line 2"},
      {"object : TComponent\nend\n", "Identifier expected on line 1"},
      {"object A: TComponent\n  F = 1e50s\nend\n", "Single value 1e50 out of range on line 2"},
      {"object A: TComponent\n  F = 1e400\nend\n", "'1e400' is not a valid floating point value on line 2"},
      {"object A: TComponent\n  C = 1e30c\nend\n", "Currency value 1e30 out of range on line 2"},
  };
  for (auto& c : cases) EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, c.Text), c.Message) << c.Text;
  // Names longer than the binary format holds are refused, not cut.
  std::string longName(256, 'n');
  EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, "object " + longName + ": T\nend"),
            "Name too long: " + longName.substr(0, 32) + "... on line 1");
  EXPECT_NO_THROW(ToBinary("object " + longName.substr(1) + ": T\nend"));
  // A class name from 240 bytes on would read back as a prefix byte.
  std::string longClass = "T" + std::string(239, 'c');
  EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, "object A: " + longClass + "\nend"),
            "Class name too long: " + longClass.substr(0, 32) + "... on line 1");
  EXPECT_NO_THROW(ToBinary("object A: " + longClass.substr(1) + "\nend"));
  // Nesting is bounded, so no input can exhaust the stack.
  std::string deep = "object A: T\n  L = " + std::string(200, '(');
  EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, deep), "Form nests more than 128 levels deep on line 2");
  std::string objects;
  for (int i = 0; i < 200; ++i) objects += "object A: T\n";
  EXPECT_EQ(Failure<EParserError>(ObjectTextToBinary, objects), "Form nests more than 128 levels deep on line 129");
}

TEST(FormText, BadBinaryRaisesReadErrors) {
  const std::string binary = EveryKindForm();
  // Every truncation fails cleanly and leaves the output alone.
  for (std::size_t n = 0; n < binary.size(); ++n)
    EXPECT_NE(Failure<EFilerError>(ObjectBinaryToText, binary.substr(0, n)), "<nothing raised>") << n;
  EXPECT_EQ(Failure<EFilerError>(ObjectBinaryToText, "TPF1" + binary.substr(4)), SInvalidImage);
  // An unknown value tag.
  std::string badTag = BinaryForm([](TWriter* w) {
                         Header(w, "TComponent", "A");
                         w->WriteStr("X");
                       }) +
                       std::string(1, '\x7F');
  EXPECT_NE(Failure<EFilerError>(ObjectBinaryToText, badTag), "<nothing raised>");
  // Deeply nested lists are refused before the stack runs out.
  std::string deep = BinaryForm([](TWriter* w) {
    Header(w, "TComponent", "A");
    w->WriteStr("L");
    for (int i = 0; i < 1000; ++i) w->WriteListBegin();
  });
  EXPECT_EQ(Failure<EReadError>(ObjectBinaryToText, deep).rfind("Form nests more than 128 levels deep at position ", 0),
            0u);
}

TEST(FormText, BinaryNamesTheTextCannotHoldAreRefused) {
  auto form = [](const std::string& name, const std::string& prop, const std::string& ident,
                 const std::string& member) {
    return BinaryForm([&](TWriter* w) {
      Header(w, "TComponent", name.c_str());
      w->WriteStr(prop), w->WriteIdent(ident);
      w->WriteStr("S"), w->WriteSet({member});
      w->WriteListEnd(), w->WriteListEnd();
    });
  };
  const std::string good = form("A", "Font.Style", "Form2.X", "12");
  EXPECT_EQ(ToText(good), "object A: TComponent\n  Font.Style = Form2.X\n  S = [12]\nend\n");
  EXPECT_EQ(ToBinary(ToText(good)), good);
  struct {
    std::string Binary, Name;
  } bad[] = {
      {form("Form\x1B", "P", "x", "m"), "Form\x1B"},  // would read back as "Form"
      {form("A", "a b", "x", "m"), "a b"},
      {form("A", "Object", "x", "m"), "Object"},  // would open a child
      {form("A", "End", "x", "m"), "End"},
      {form("A", "P", "123", "m"), "123"},  // would read back as an integer
      {form("A", "P", "x", "1.5"), "1.5"},
  };
  for (auto& b : bad) {
    std::string message = Failure<EReadError>(ObjectBinaryToText, b.Binary);
    EXPECT_NE(message.find("'" + b.Name + "' cannot be written as a name at position"), std::string::npos) << message;
  }
}

// ----------------------------------------------------- resources, detection

TEST(FormText, Resources) {
  const std::string text = "object Form1: TMyForm\n  Tag = 5\nend\n";
  std::string res = Convert(ObjectTextToResource, text);
  const std::string binary = ToBinary(text);
  const std::string header = std::string("\xFF\x0A\x00TMYFORM\x00\x30\x10", 13) +
                             std::string(1, static_cast<char>(binary.size())) + std::string(3, '\0');
  EXPECT_EQ(res, header + binary);
  EXPECT_EQ(Convert(ObjectResourceToText, res), text);
  // A resource written by the stream reads as text too.
  RegisterHostClasses();
  TOwned<TComponent> c = MakeOwned<TComponent>(nullptr);
  c->SetName("Settings");
  c->SetTag(3);
  TOwned<TStringStream> written = MakeOwned<TStringStream>();
  written->WriteComponentRes("TComponent", c.get());
  UnregisterHostClasses();
  EXPECT_EQ(Convert(ObjectResourceToText, written->GetDataString()), "object Settings: TComponent\n  Tag = 3\nend\n");
  // Without a resource header the resource reader refuses.
  EXPECT_EQ(Failure<EInvalidImage>(ObjectResourceToText, binary), SInvalidImage);
  EXPECT_EQ(Failure<EInvalidImage>(ObjectResourceToText, res.substr(0, 8)), SInvalidImage);
  EXPECT_EQ(Failure<EInvalidImage>(ObjectResourceToText, std::string("\xFF\x0A\x00", 3) + std::string(100, 'A')),
            SInvalidImage);
}

TEST(FormText, TestStreamFormat) {
  const std::string binary = ToBinary("object A: T\nend");
  struct {
    std::string Data;
    TStreamOriginalFormat Format;
  } cases[] = {
      {binary, sofBinary},
      {Convert(ObjectTextToResource, "object A: T\nend"), sofResource},
      {"object A: T\nend", sofText},
      {" \r\n\tInherited A: T\nend", sofText},
      {"inline", sofText},
      {"\xEF\xBB\xBFobject A: T\nend", sofUTF8Text},
      {"objective", sofUnknown},
      {"TPF", sofUnknown},
      {"", sofUnknown},
      {"\xFF\x0B", sofUnknown},
  };
  for (auto& c : cases) {
    TOwned<TStringStream> s = MakeOwned<TStringStream>("xy" + c.Data);
    s->SetPosition(2);
    EXPECT_EQ(TestStreamFormat(s.get()), c.Format) << c.Data;
    EXPECT_EQ(s->GetPosition(), 2);
  }
}

// Any format read from the stream's position gives the same binary form;
// text records its positions, a stream without a form is refused and the
// output keeps what it held.
TEST(FormText, ObjectToBinaryReadsEveryFormat) {
  const std::string text = "object Form1: TMyForm\n  Tag = 5\nend\n";
  const std::string binary = ToBinary(text);
  struct {
    std::string Form;
    bool Positioned;
  } cases[] = {
      {text, true},
      {"\xEF\xBB\xBF" + text, true},
      {binary, false},
      {Convert(ObjectTextToResource, text), false},
  };
  for (const auto& c : cases) {
    TOwned<TStringStream> in = MakeOwned<TStringStream>("xy" + c.Form);
    in->SetPosition(2);
    TOwned<TStringStream> out = MakeOwned<TStringStream>();
    std::vector<TTextPosition> positions;
    ObjectToBinary(in.get(), out.get(), &positions);
    EXPECT_EQ(out->GetDataString(), binary) << c.Form;
    EXPECT_EQ(!positions.empty(), c.Positioned) << c.Form;
  }
  const auto toBinary = [](TStream* in, TStream* out) { ObjectToBinary(in, out); };
  for (const char* bad : {"objective", "", "TPF"})
    EXPECT_EQ(Failure<EReadError>(toBinary, bad), "The stream holds no form (neither the text syntax nor the binary format)");
  EXPECT_EQ(Failure<EParserError>(toBinary, "object A: T\n  Tag = 1\n"), "end expected on line 3");
  EXPECT_EQ(Failure<EInvalidImage>(toBinary, std::string("\xFF\x0A\x00", 3) + std::string(100, 'A')), SInvalidImage);
}

// ---------------------------------------------------------------- examples

// The examples folder of the source tree, found from the working folder up.
std::filesystem::path ExamplesDir() {
  for (auto dir = std::filesystem::current_path(); !dir.empty(); dir = dir.parent_path()) {
    if (std::filesystem::is_directory(dir / "examples")) return dir / "examples";
    if (dir == dir.parent_path()) break;
  }
  return {};
}

std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Writes a root and the components it owns, as a container root streams its
// children.
std::string WriteTree(TComponent* root) {
  return BinaryForm([root](TWriter* w) {
    w->SetRoot(root);
    Header(w, root->ClassName().c_str(), root->GetName().c_str());
    w->WriteProperties(root);
    w->WriteListEnd();
    for (int i = 0; i < root->GetComponentCount(); ++i) w->WriteComponent(root->GetComponents(i));
    w->WriteListEnd();
  });
}

class FormTextExamples : public ::testing::Test {
 protected:
  void SetUp() override { RegisterHostClasses(); }
  void TearDown() override { UnregisterHostClasses(); }
};

TEST_F(FormTextExamples, EveryExampleRoundTrips) {
  const auto dir = ExamplesDir();
  ASSERT_FALSE(dir.empty()) << "no examples folder above " << std::filesystem::current_path();
  // The examples made of classes of this library only (the others need
  // controls and connections and are read by the tool's tests).
  for (const char* name : {"actions.dfm", "settings.dfm"}) {
    const std::filesystem::path path = dir / name;
    SCOPED_TRACE(path.string());
    const std::string text = FileText(path);
    ASSERT_FALSE(text.empty());
    const std::string binary = ToBinary(text);
    EXPECT_EQ(ToText(binary), text);
    // Read into live components and write them again: the same form.
    TOwned<TStringStream> in = MakeOwned<TStringStream>(binary);
    TOwned<TReader> reader = MakeOwned<TReader>(in.get(), 4096);
    TOwned<TComponent> root(reader->ReadRootComponent(nullptr));
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(ToText(WriteTree(root.get())), text);
    // A changed live value shows in the written form.
    root->SetTag(root->GetTag() + 1);
    EXPECT_NE(ToText(WriteTree(root.get())), text);
  }
}

}  // namespace
}  // namespace host
