#include "host/registry/registry.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/raises.h"

namespace host {
namespace {

namespace fs = std::filesystem;
using testkit::RaisedMessage;

constexpr const char* kConnectionEditor = "Software\\Corvane Soft\\Corvane Suite\\1.1\\Connection Editor";

// Points the store at registry.ini in a fresh temporary directory.
class Registry : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "corvane-registry-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    Dir = pattern;
    File = (Dir / "registry.ini").string();
    SetRegistryFileName(File);
  }
  void TearDown() override {
    SetRegistryFileName({});
    fs::remove_all(Dir);
  }
  std::string FileText() const {
    std::ifstream in(File, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void SetFileText(const std::string& text) const { std::ofstream(File, std::ios::binary) << text; }

  fs::path Dir;
  std::string File;
};

// Saves an environment variable and puts it back when the test ends.
class TEnvVar {
 public:
  explicit TEnvVar(const char* name) : FName(name), FHad(std::getenv(name) != nullptr) {
    if (FHad) FOld = std::getenv(name);
  }
  ~TEnvVar() { FHad ? ::setenv(FName, FOld.c_str(), 1) : ::unsetenv(FName); }
  void Set(const std::string& value) { ::setenv(FName, value.c_str(), 1); }
  void Unset() { ::unsetenv(FName); }

 private:
  const char* FName;
  bool FHad;
  std::string FOld;
};

TEST_F(Registry, EditorPlacementIsReadBackByALaterRun) {
  {
    TOwned<TRegIniFile> ini(New<TRegIniFile>(kConnectionEditor));
    EXPECT_EQ(ini->ReadInteger("", "Left", 100), 100);  // first opening: the layout's value
    ini->WriteInteger("", "Left", 120);
    ini->WriteInteger("", "Top", -40);
    ini->WriteInteger("", "Width", 640);
    ini->WriteInteger("", "Height", 480);
  }
  EXPECT_NE(FileText().find("[HKEY_CURRENT_USER\\Software\\Corvane Soft\\Corvane Suite\\1.1\\Connection Editor]\n"
                            "Left=int:120\nTop=int:-40\nWidth=int:640\nHeight=int:480\n"),
            std::string::npos)
      << FileText();

  // A later run, spelling the key in other letter cases.
  TOwned<TRegIniFile> later(New<TRegIniFile>("SOFTWARE\\corvane soft\\Corvane Suite\\1.1\\connection editor"));
  EXPECT_EQ(later->ReadInteger("", "left", 0), 120);
  EXPECT_EQ(later->ReadInteger("", "Top", 0), -40);
  EXPECT_EQ(later->ReadInteger("", "Width", 0), 640);
  EXPECT_EQ(later->ReadInteger("", "HEIGHT", 0), 480);
  later->WriteInteger("", "LEFT", 7);
  EXPECT_NE(FileText().find("Connection Editor]\nLeft=int:7\n"), std::string::npos) << "first spelling kept";

  // Another editor's key is separate, and a new key takes the stored spelling.
  TOwned<TRegIniFile> p2p(New<TRegIniFile>("software\\corvane soft\\corvane suite\\1.1\\P2PConnection Editor"));
  EXPECT_EQ(p2p->ReadInteger("", "Left", 33), 33);
  p2p->WriteInteger("", "Left", 5);
  EXPECT_NE(FileText().find("[HKEY_CURRENT_USER\\Software\\Corvane Soft\\Corvane Suite\\1.1\\P2PConnection Editor]"),
            std::string::npos);

  // The same values through TRegistry.
  TOwned<TRegistry> reg(New<TRegistry>());
  EXPECT_EQ(reg->GetRootKey(), HKEY_CURRENT_USER);
  ASSERT_TRUE(reg->OpenKey("\\Software\\Corvane Soft\\Corvane Suite\\1.1\\", false));
  ASSERT_TRUE(reg->OpenKey("Connection Editor", false));
  EXPECT_EQ(reg->GetCurrentPath(), kConnectionEditor);
  EXPECT_EQ(reg->GetDataType("Top"), rdInteger);
  EXPECT_EQ(reg->ReadInteger("Height"), 480);
}

TEST_F(Registry, MissingValuesGiveDefaultsOrTheClassicErrors) {
  TOwned<TRegIniFile> ini(New<TRegIniFile>("Software\\Test"));
  EXPECT_EQ(ini->ReadInteger("", "Left", -1), -1);
  EXPECT_EQ(ini->ReadString("Nowhere", "Caption", "none"), "none");
  EXPECT_TRUE(ini->ReadBool("", "Shown", true));
  ini->WriteString("", "Number", "42");
  ini->WriteString("", "Word", "abc");
  ini->WriteInteger("", "Int", 9);
  ini->WriteBool("", "Flag", false);
  EXPECT_EQ(ini->ReadInteger("", "Number", 0), 42);
  EXPECT_EQ(ini->ReadInteger("", "Word", 5), 5);
  EXPECT_EQ(ini->ReadString("", "Int", ""), "9");
  EXPECT_FALSE(ini->ReadBool("", "Flag", true));

  // TRegistry is strict where the classic class is.
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { ini->ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { ini->ReadInteger("Word"); }), "Invalid data type for 'Word'");
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { ini->ReadString("Int"); }), "Invalid data type for 'Int'");
  EXPECT_EQ(ini->ReadString("Missing"), "");
  EXPECT_EQ(ini->GetDataType("Missing"), rdUnknown);
  ini->CloseKey();
  EXPECT_FALSE(ini->ValueExists("Int"));
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { ini->WriteInteger("Int", 1); }), "Failed to set data for 'Int'");
}

TEST_F(Registry, SectionsAreSubkeysAndTheEmptySectionIsTheKey) {
  TOwned<TRegIniFile> ini(New<TRegIniFile>("Software\\Test"));
  ini->WriteInteger("", "Left", 1);
  ini->WriteInteger("Sub", "Left", 2);
  ini->WriteInteger("Sub\\Deeper", "Left", 3);
  EXPECT_EQ(ini->ReadInteger("", "Left", 0), 1);
  EXPECT_EQ(ini->ReadInteger("sub", "Left", 0), 2);
  EXPECT_TRUE(ini->KeyExists("Sub\\Deeper"));

  ini->DeleteKey("Sub", "Left");
  EXPECT_EQ(ini->ReadInteger("Sub", "Left", 0), 0);
  EXPECT_TRUE(ini->KeyExists("Sub")) << "deleting a value keeps its key";
  ini->EraseSection("");
  EXPECT_EQ(ini->ReadInteger("", "Left", 0), 0);
  EXPECT_EQ(ini->ReadInteger("Sub\\Deeper", "Left", 0), 3) << "erasing the values keeps the subkeys";
  ini->EraseSection("Sub");
  EXPECT_FALSE(ini->KeyExists("Sub"));
  EXPECT_FALSE(ini->KeyExists("Sub\\Deeper"));
  EXPECT_TRUE(ini->KeyExists("\\Software\\Test"));
}

TEST_F(Registry, KeysOpenRelativeOrAbsoluteAndBadKeysAreRefused) {
  TOwned<TRegistry> reg(New<TRegistry>());
  EXPECT_FALSE(reg->OpenKey("Software\\A\\B", false));
  EXPECT_FALSE(reg->HasCurrentKey());
  ASSERT_TRUE(reg->OpenKey("Software\\A\\B", true));
  EXPECT_TRUE(reg->KeyExists("\\Software\\A")) << "a key above a stored key exists";
  ASSERT_TRUE(reg->OpenKey("\\Software", false));
  EXPECT_FALSE(reg->OpenKey("C", false));
  EXPECT_EQ(reg->GetCurrentPath(), "Software") << "a failed open keeps the open key";
  ASSERT_TRUE(reg->OpenKey("a\\\\b\\", false));
  EXPECT_EQ(reg->GetCurrentPath(), "Software\\a\\b");
  reg->WriteString("", "default value");
  EXPECT_EQ(reg->ReadString(""), "default value");

  EXPECT_TRUE(reg->DeleteKey("\\Software\\A"));
  EXPECT_FALSE(reg->KeyExists("\\Software\\A\\B"));
  EXPECT_FALSE(reg->DeleteKey("\\Software\\A"));
  EXPECT_FALSE(reg->DeleteKey("\\")) << "the root stays";

  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { reg->OpenKey("Bad\nKey", true); }),
            "Invalid key name 'Bad\nKey': it holds a control character");
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { reg->SetRootKey(0x80000009u); }), "Unknown root key $80000009");
  EXPECT_EQ(reg->GetRootKey(), HKEY_CURRENT_USER);
  reg->SetRootKey(HKEY_LOCAL_MACHINE);
  EXPECT_FALSE(reg->KeyExists("\\Software\\a")) << "each root has its own keys";
}

TEST_F(Registry, NamesAndStringsWithSpecialCharactersReadBackExactly) {
  const std::string names[] = {"", "a=b", "[x]", ";c", "#d", " spaced ", "back\\slash", "Größe"};
  const std::string text = "line1\nline2\r\t\\n é \x01 end ";
  {
    TOwned<TRegIniFile> ini(New<TRegIniFile>("Software\\Test"));
    for (const std::string& name : names) ini->WriteString("", name, name + text);
    ini->WriteInteger("", "Min", INT32_MIN);
  }
  TOwned<TRegIniFile> later(New<TRegIniFile>("Software\\Test"));
  for (const std::string& name : names) EXPECT_EQ(later->ReadString("", name, "?"), name + text) << name;
  EXPECT_EQ(later->ReadInteger("", "Min", 0), INT32_MIN);
}

TEST_F(Registry, ACorruptFileIsIgnoredWhereItIsBroken) {
  SetFileText(std::string("\x7f" "ELF\x01\x02\0\0junk\n", 13) +
              "[HKEY_CURRENT_USER\\Software\\Test]\n"
              "Left=int:10\n"
              "Junk\x01=int:5\n"
              "Top=int:ten\n"
              "Width=float:3.5\n"
              "Height\n"
              "Caption=str:bad \\q escape\n"
              "Hint=str:fine\r\n"
              "Tail=str:lone backslash\\\n"
              "[HKEY_CURRENT_USER\\Software\\\\Broken]\n"
              "Stray=int:1\n"
              "[HKEY_CURRENT_USER\\Software\\Unclosed\n"
              "Stray=int:2\n");
  TOwned<TRegIniFile> ini(New<TRegIniFile>("Software\\Test"));
  EXPECT_EQ(ini->ReadInteger("", "Left", 0), 10);
  EXPECT_FALSE(ini->ValueExists("Junk\x01")) << "a line with control characters is junk";
  EXPECT_EQ(ini->ReadInteger("", "Top", 1), 1);
  EXPECT_EQ(ini->ReadInteger("", "Width", 2), 2);
  EXPECT_EQ(ini->ReadInteger("", "Height", 3), 3);
  EXPECT_EQ(ini->ReadString("", "Caption", "d"), "d");
  EXPECT_EQ(ini->ReadString("", "Hint", ""), "fine");
  EXPECT_EQ(ini->ReadString("", "Tail", "d"), "d");
  EXPECT_EQ(ini->ReadInteger("", "Stray", 4), 4) << "values under a broken section go nowhere";

  // Writing keeps what was readable and drops the rest.
  ini->WriteInteger("", "Top", 20);
  EXPECT_EQ(FileText().find("junk"), std::string::npos);
  EXPECT_NE(FileText().find("Left=int:10\nHint=str:fine\nTop=int:20\n"), std::string::npos) << FileText();

  // A file of nothing but binary data.
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) & 0xff);
  SetFileText(junk);
  EXPECT_EQ(ini->ReadInteger("", "Left", -5), -5);
}

TEST_F(Registry, AFailedWriteRaisesAndKeepsThePreviousFile) {
  TOwned<TRegIniFile> ini(New<TRegIniFile>(kConnectionEditor));
  ini->WriteInteger("", "Left", 120);
  const std::string before = FileText();

  // Something in the way of the temporary file the write goes through.
  fs::create_directory(File + "." + std::to_string(::getpid()) + ".tmp");
  std::string message = RaisedMessage<ERegistryException>([&] { ini->WriteInteger("", "Left", 130); });
  EXPECT_EQ(message, "Cannot write the settings file \"" + File + "\": Is a directory");
  EXPECT_EQ(FileText(), before);
  EXPECT_EQ(ini->ReadInteger("", "Left", 0), 120);
  EXPECT_EQ(ini->GetCurrentPath(), kConnectionEditor);

  // A location below a plain file: the editor still opens with its defaults,
  // and saving reports the file.
  SetRegistryFileName((Dir / "registry.ini" / "registry.ini").string());
  TOwned<TRegIniFile> blocked(New<TRegIniFile>(kConnectionEditor));
  EXPECT_FALSE(blocked->HasCurrentKey());
  EXPECT_EQ(blocked->ReadInteger("", "Left", 77), 77);
  message = RaisedMessage<ERegistryException>([&] { blocked->WriteInteger("", "Left", 1); });
  EXPECT_EQ(message.rfind("Cannot write the settings file \"" + RegistryFileName() + "\": ", 0), 0u) << message;
  EXPECT_EQ(FileText(), before);
}

TEST_F(Registry, TheFileFollowsXdgConfigHomeThenHome) {
  TEnvVar xdg("XDG_CONFIG_HOME"), home("HOME");
  SetRegistryFileName({});
  xdg.Set((Dir / "xdg").string());
  home.Set((Dir / "home").string());
  EXPECT_EQ(RegistryFileName(), (Dir / "xdg/corvane/registry.ini").string());
  TOwned<TRegIniFile>(New<TRegIniFile>(kConnectionEditor))->WriteInteger("", "Left", 1);
  EXPECT_TRUE(fs::is_regular_file(Dir / "xdg/corvane/registry.ini"));
  EXPECT_EQ(std::distance(fs::directory_iterator(Dir / "xdg/corvane"), fs::directory_iterator()), 1)
      << "no temporary file left behind";

  for (const char* unusable : {"", "relative/dir"}) {
    xdg.Set(unusable);
    EXPECT_EQ(RegistryFileName(), (Dir / "home/.config/corvane/registry.ini").string()) << unusable;
  }
  EXPECT_EQ(TOwned<TRegIniFile>(New<TRegIniFile>(kConnectionEditor))->ReadInteger("", "Left", 0), 0);
  xdg.Unset();
  EXPECT_EQ(TOwned<TRegIniFile>(New<TRegIniFile>(kConnectionEditor))->ReadInteger("", "Left", 0), 0);
  EXPECT_TRUE(fs::is_regular_file(Dir / "home/.config/corvane/registry.ini"));

  home.Unset();
  EXPECT_EQ(RegistryFileName(), "");
  TOwned<TRegIniFile> nowhere(New<TRegIniFile>(kConnectionEditor));
  EXPECT_EQ(nowhere->ReadInteger("", "Left", 3), 3);
  EXPECT_EQ(RaisedMessage<ERegistryException>([&] { nowhere->WriteInteger("", "Left", 1); }),
            "Cannot write the settings file: neither XDG_CONFIG_HOME nor HOME is set");
}

}  // namespace
}  // namespace host
