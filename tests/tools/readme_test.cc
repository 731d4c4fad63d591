// The README's "first wired form" walk-through stays true: the form and the
// script it shows are the example files, and running them prints what it
// says.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/tools/tool_test_support.h"
#include "tools/formfiles.h"

namespace corvane {
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The fenced block that follows the marker <!-- first:NAME --> in the README.
std::string Block(const std::string& readme, const std::string& name) {
  const std::string marker = "<!-- first:" + name + " -->\n```\n";
  const std::size_t start = readme.find(marker);
  EXPECT_NE(start, std::string::npos) << name;
  if (start == std::string::npos) return {};
  const std::size_t body = start + marker.size();
  return readme.substr(body, readme.find("```\n", body) - body);
}

TEST(Readme, TheFirstWiredFormRunsAsShown) {
  const std::string readme = ReadText(FindExample("README.md"));
  const std::string form = FindExample("examples/first/backup.dfm");
  const std::string script = FindExample("examples/first/backup.run");
  EXPECT_EQ(Block(readme, "form"), ReadText(form));
  EXPECT_EQ(Block(readme, "script"), ReadText(script));
  const TRunResult run = RunForm(form, ReadText(script));
  EXPECT_TRUE(run.Ok()) << run.Error;
  // The README shows the path relative to the source tree.
  std::string out = run.Out;
  out.replace(out.find(form), form.size(), "examples/first/backup.dfm");
  EXPECT_EQ(out, Block(readme, "output"));
  EXPECT_EQ(test::Tool({"check", form}).Status, 0);
}

}  // namespace
}  // namespace corvane
