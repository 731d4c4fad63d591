// Shared by the designer tests: a fixture that starts every unit up to
// extctrls on the headless widgetset with a fresh application object, and
// opens an empty designed form "Form1" for each test.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/actnlist/actnlist.h"
#include "host/designer/designreg.h"
#include "host/designer/formdesigner.h"
#include "host/designer/propeditors.h"
#include "host/extctrls/extctrls.h"
#include "host/forms/forms.h"
#include "host/graphics/graphics.h"
#include "host/imglist/imglist.h"
#include "host/menus/menus.h"
#include "host/stdctrls/stdctrls.h"
#include "tests/support/raises.h"
#include "tests/support/unitfixture.h"

// Expects `stmt` to raise E with exactly the message `msg`.
#define EXPECT_RAISES(stmt, E, msg) EXPECT_EQ(::host::testkit::RaisedMessage<E>([&] { stmt; }), msg)

namespace host::designertest {

using namespace testkit;

inline constexpr TUnitClasses kDesignerUnits[] = {
    {RegisterGraphicsClasses, UnregisterGraphicsClasses}, {RegisterImgListClasses, UnregisterImgListClasses},
    {RegisterActnListClasses, UnregisterActnListClasses}, {RegisterMenusClasses, UnregisterMenusClasses},
    {RegisterControlsClasses, UnregisterControlsClasses}, {RegisterStdCtrlsClasses, UnregisterStdCtrlsClasses},
    {RegisterFormsClasses, UnregisterFormsClasses},       {RegisterExtCtrlsClasses, UnregisterExtCtrlsClasses},
};

// Records what a designer tells its listeners.
class TListenerLog : public TDesignerListener {
 public:
  void DesignerModified() override { Log.push_back("modified"); }
  void SelectionChanged() override { Log.push_back("selection"); }
  std::vector<std::string> Log;
};

class DesignerTest : public THandlesTest<kDesignerUnits> {
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
  // The designed form as text.
  std::string SavedText();

  TOwned<TFormDesigner> designer;
  TListenerLog listener;
  // The test's registrations, dropped after it.
  int group = 0;
};

}  // namespace host::designertest
