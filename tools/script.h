// The scripts of `corvane run`: generic operations on the components of a
// form, one per line, carried out through the class descriptors.
//
//   set    Component.Property[index, ...] = value
//   get    Component.Property[index, ...]
//   invoke Component.Method(argument, ...)
//
// Component is the name of the form's root or of a component it owns; the
// brackets and parentheses are optional when there is nothing in them. A
// value is 'text' (a quote doubled inside), an integer, a number with a
// decimal point, True, False, Unassigned, nil, or @Name (the reference of a
// component, the way descriptors pass object references). Empty lines and
// lines starting with # are skipped.
//
// Every line is echoed ("> line"); `get` prints the value, `invoke` the
// function result and every argument the method changed. While the script
// runs, every event a connection handles prints a trace line:
//   trace E2M1: FileSave.OnExecute -> Log.Combine('saved', @FileSave)
//   trace E2P1: Edit.OnChange -> Label.Caption := 'x'
#pragma once

#include <functional>
#include <string>

#include "host/classes/component.h"
#include "host/rtl/variants.h"

namespace corvane {

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
  // Runs the script line by line and stops at the first failing line: its
  // message goes to Out as "line N: message" and the result is false.
  bool Run(const std::string& Script);
  // Runs one line; raises host::Exception with a readable message on error.
  void RunLine(const std::string& Line);

  // A value as the script writes it: quoted text, True/False, numbers,
  // Unassigned, @Name for a reference to a component of the form, arrays as
  // (a, b).
  std::string Describe(const host::Variant& Value) const;

 private:
  host::TComponent* Component(const std::string& Name) const;
  bool RunLines(const std::string& Script);

  class TWatch;
  host::TComponent* FRoot = nullptr;
  std::string& FOut;
  TWatch* FWatch;  // told when the root goes away
};

}  // namespace corvane
