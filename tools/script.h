// The scripts of `corvane run`: generic operations on the components of a
// form, one per line, carried out through the class descriptors. The
// language is described in the run command's help (tools/tool.cc) and in
// the README.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "host/classes/component.h"
#include "host/rtl/variants.h"

namespace kel {
class TkelClassInfo;
}  // namespace kel

namespace corvane {

class TLineReader;

class TScriptRunner {
 public:
  // Output goes to Out; Root is the form the names refer to (it may be set
  // later, for tracing the reading of the form). The runner watches the
  // root: a script may free it (then every later line that names a
  // component fails with "The form was freed").
  TScriptRunner(host::TComponent* Root, std::string& Out);
  ~TScriptRunner();
  TScriptRunner(const TScriptRunner&) = delete;
  TScriptRunner& operator=(const TScriptRunner&) = delete;
  void SetRoot(host::TComponent* Root);
  // The root, or null once something freed it.
  host::TComponent* GetRoot() const { return FRoot; }

  // Runs Work with the trace lines of the connections going to Out.
  void Traced(const std::function<void()>& Work);
  // Runs the script line by line and stops at the first failing line: the
  // result is false, and ErrorLine and Error tell which line and why. While
  // a line waits for the user (a modal form's loop), the following lines
  // run as that user until the wait ends.
  bool Run(const std::string& Script);
  int ErrorLine() const { return FErrorLine; }
  const std::string& Error() const { return FError; }
  // Runs one line; raises host::Exception with a readable message on error.
  void RunLine(const std::string& Line);
  // Lines of another tool's own (the designer's): the hook sees every line
  // first, after its echo, and answers whether it ran it; its output goes
  // to Out (Output()), its exceptions fail the line.
  using TLineHook = std::function<bool(const std::string& Line)>;
  void SetLineHook(TLineHook Hook) { FLineHook = std::move(Hook); }
  std::string& Output() { return FOut; }

  // A value as the script writes it: quoted text, True/False, numbers,
  // Unassigned, @Name for a reference to a component of the form, arrays as
  // (a, b).
  std::string Describe(const host::Variant& Value) const;

  class TStepDescriptors;

 private:
  host::TComponent* Component(const std::string& Name) const;
  std::string DescribeAddress(const host::Variant& Value) const;
  bool RunLines(const std::string& Script);
  // Runs the next pending line; false when none is left. The innermost
  // failing line is the one reported.
  bool RunNextLine();
  host::Variant Value(const std::string& Text) const;
  void RunInvoke(kel::TkelClassInfo* Info, const std::string& Path, const std::string& Feature, TLineReader& In);
  void RunAccess(const std::string& Verb, kel::TkelClassInfo* Info, const std::string& Path,
                 const std::string& Feature, TLineReader& In);
  void RunWait(TLineReader& In);

  struct TPendingLine {
    int Number = 0;
    std::string Text;
  };
  std::vector<TPendingLine> FLines;
  std::size_t FNext = 0;
  bool FFailed = false;

  class TWatch;
  host::TComponent* FRoot = nullptr;
  std::string& FOut;
  int FErrorLine = 0;
  std::string FError;
  TWatch* FWatch;  // told when the root goes away
  TLineHook FLineHook;
  std::size_t FBoxesReported = 0;  // message boxes already in the output
};

}  // namespace corvane
