// Real form files of public classic applications (tests/forms/classic, with
// their sources in SOURCES.md): every one converts between text and binary
// unchanged, and reading it into live components, at run time or in the
// form designer, either works or fails with a reader's message: nothing
// crashes and nothing is left behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/designer/formdesigner.h"
#include "host/widgetset/widgetset.h"
#include "tools/formfiles.h"

namespace corvane {
namespace {

std::vector<std::filesystem::path> ClassicForms() {
  std::vector<std::filesystem::path> forms;
  const std::filesystem::path folder = "tests/forms/classic";
  if (!std::filesystem::is_directory(folder)) return forms;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".dfm") forms.push_back(entry.path());
  std::sort(forms.begin(), forms.end());
  return forms;
}

std::string FileText(const std::filesystem::path& Path) {
  std::ifstream in(Path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(ClassicForms, EveryFormConvertsUnchangedAndReadsOrFailsWithAMessage) {
  const std::vector<std::filesystem::path> forms = ClassicForms();
  if (forms.empty()) GTEST_SKIP() << "no classic forms here";
  const std::size_t handles = host::WidgetSet().HandleCount();
  int read = 0;
  std::map<std::string, int> reasons;
  for (const auto& path : forms) {
    SCOPED_TRACE(path.string());
    const std::string text = FileText(path);
    auto in = host::MakeOwned<host::TStringStream>(text);
    auto binary = host::MakeOwned<host::TMemoryStream>();
    host::ObjectTextToBinary(in.get(), binary.get());
    binary->SetPosition(0);
    auto back = host::MakeOwned<host::TStringStream>("");
    host::ObjectBinaryToText(binary.get(), back.get());
    EXPECT_EQ(back->GetDataString(), text);

    try {
      host::TOwned<host::TComponent> root = ReadRunTimeForm(path.string());
      ++read;
    } catch (const host::Exception& e) {
      const std::string reason = e.Message().substr(e.Message().rfind(": ") + 2);
      ++reasons[reason.substr(0, reason.find(' ', reason.find(' ') + 1))];
    }
    try {
      host::TOwned<host::TFormDesigner> designer = host::TFormDesigner::OpenFile(path.string());
    } catch (const host::Exception&) {
    }
  }
  EXPECT_EQ(host::WidgetSet().HandleCount(), handles);
  std::string summary = std::to_string(read) + " of " + std::to_string(forms.size()) + " forms read;";
  for (const auto& [reason, count] : reasons) summary += " " + reason + " x" + std::to_string(count) + ";";
  RecordProperty("summary", summary);
  std::cout << summary << "\n";
}

}  // namespace
}  // namespace corvane
