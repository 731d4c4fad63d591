// Shared by the designer tests: a fixture that starts every unit up to
// forms on the headless widgetset with a fresh application object, and
// opens an empty designed form "Form1" for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/designer/designreg.h"
#include "host/designer/formdesigner.h"
#include "host/designer/propeditors.h"
#include "tests/host/forms/forms_test.h"

namespace host::designertest {

using namespace testkit;
using formstest::kFormsUnits;

// Records what a designer tells its listeners.
class TListenerLog : public TDesignerListener {
 public:
  void DesignerModified() override { Log.push_back("modified"); }
  void SelectionChanged() override { Log.push_back("selection"); }
  std::vector<std::string> Log;
};

class DesignerTest : public THandlesTest<kFormsUnits> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A component of class T dropped on Parent (the form when null).
  template <class T>
  T* Drop(TComponent* Parent = nullptr, int32_t Left = 8, int32_t Top = 8, int32_t Width = 0, int32_t Height = 0) {
    return static_cast<T*>(designer->CreateComponent(&T::StaticMetaClass, Parent, Left, Top, Width, Height));
  }
  TForm* Form() const { return static_cast<TForm*>(designer->GetRoot()); }
  // The names GetComponentNames offers for components of class Class.
  std::vector<std::string> Names(const TTypeInfo* TypeData);
  // The form Stream holds (of any format) read at run time, as `corvane
  // run` reads a form file: the root is made from the stream.
  static TOwned<TComponent> ReadAtRunTime(TStream* Stream);

  TOwned<TFormDesigner> designer;
  TListenerLog listener;
  // The test's registrations, dropped after it.
  int group = 0;
};

}  // namespace host::designertest
