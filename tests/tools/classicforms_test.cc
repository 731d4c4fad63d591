// Real form files of public classic applications (tests/forms/classic, with
// their sources in SOURCES.md): every one converts between text and binary
// unchanged, reads into live components at run time and in the form
// designer, and comes back from the designer byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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

// Every form converts between text and binary unchanged, reads into live
// components at run time and in the form designer, and comes back from the
// designer as it was.
TEST(ClassicForms, EveryFormConvertsReadsAndComesBackFromTheDesignerUnchanged) {
  const std::vector<std::filesystem::path> forms = ClassicForms();
  if (forms.empty()) GTEST_SKIP() << "no classic forms here";
  ASSERT_GE(forms.size(), 100u);
  const std::size_t handles = host::WidgetSet().HandleCount();
  int unchanged = 0;
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

    EXPECT_NO_THROW(ReadRunTimeForm(path.string()));
    host::TOwned<host::TFormDesigner> designer = host::TFormDesigner::OpenFile(path.string());
    auto saved = host::MakeOwned<host::TStringStream>("");
    designer->SaveToStream(saved.get());
    const bool same = saved->GetDataString() == text;
    unchanged += same ? 1 : 0;
    EXPECT_TRUE(same) << saved->GetDataString();
  }
  EXPECT_EQ(host::WidgetSet().HandleCount(), handles);
  const std::string summary = std::to_string(forms.size()) + " forms read; " + std::to_string(unchanged) +
                              " come back from the designer unchanged";
  RecordProperty("summary", summary);
  std::cout << summary << "\n";
}

}  // namespace
}  // namespace corvane
