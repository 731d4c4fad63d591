// Shared by the editor tests: a designed form (Form1) with a button, a list
// box with two items, an edit, a connection list and an event-to-method
// connection in it, worked in the dialogs through the input robot as an
// author works them. The per-user store is a file of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "host/designer/formdesigner.h"
#include "host/forms/forms.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/headless/headless.h"

namespace kel::editorstest {

// Records what the designer tells.
class TListenerLog : public host::TDesignerListener {
 public:
  void DesignerModified() override { ++Modified; }
  int Modified = 0;
};

class EditorsTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  static host::headless::THeadlessWindows& Windows();
  // Steps run one by one whenever the windows wait with nothing to do: in
  // the dialogs' modal loops, as the user acts there.
  void Drive(std::vector<std::function<void()>> Steps);
  bool Driven() const { return FNextStep >= FSteps.size(); }

  // The form the user works in now (the dialog on top) and its controls.
  static host::TCustomForm* Active();
  template <class T = host::TControl>
  static T* Find(const std::string& Name) {
    auto* found = dynamic_cast<T*>(Active() ? Active()->FindComponent(Name) : nullptr);
    if (!found) throw std::runtime_error("the active form has no " + Name);
    return found;
  }
  // Input through the robot on a control of the active form, as in scripts:
  // Select takes an index or a quoted item text ("'OnClick'").
  static void Click(const std::string& Name);
  static void Type(const std::string& Name, const std::string& Text);
  static void Key(const std::string& Name, const std::string& KeyName);
  static void Select(const std::string& Name, const std::string& Item);
  // A click in the middle of a grid's cell.
  static void ClickCell(const std::string& Grid, int32_t Col, int32_t Row);
  // Selects the whole text of an edit or combo box (Ctrl+A), then types.
  static void Retype(const std::string& Name, const std::string& Text);
  static std::string Text(const std::string& Name) { return Find(Name)->GetText(); }
  static std::vector<std::string> Items(const std::string& Name);
  static int ItemIndex(const std::string& Name) { return Find<host::TCustomListControl>(Name)->GetItemIndex(); }
  static bool Enabled(const std::string& Name) { return Find(Name)->GetEnabled(); }

  // The texts of the message boxes shown so far.
  static std::vector<std::string> MessageBoxes();
  // The integer value Name under the editor key KeyName; -1 when missing.
  static int Stored(const std::string& KeyName, const std::string& Name);
  static void Store(const std::string& KeyName, const std::string& Name, int Value);
  static bool KeyExists(const std::string& KeyName);
  // Whether anything was written to the per-user store.
  bool StoreWritten() const { return std::filesystem::exists(FStore); }

  // The designed form written and read back as `corvane run` reads it.
  host::TOwned<host::TComponent> SavedAndRead();

  host::TOwned<host::TFormDesigner> designer;
  TListenerLog listener;
  host::TButton* Button1 = nullptr;
  host::TListBox* ListBox1 = nullptr;
  host::TEdit* Edit1 = nullptr;
  TkelConnectionList* List1 = nullptr;
  TkelE2MConnection* Connection = nullptr;

 private:
  std::vector<std::function<void()>> FSteps;
  std::size_t FNextStep = 0;
  std::filesystem::path FStore;
};

}  // namespace kel::editorstest
