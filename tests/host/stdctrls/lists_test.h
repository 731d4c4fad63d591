// Shared by the tests of the list group of stdctrls: a fixture that starts
// every unit up to controls and the list group on the headless widgetset
// (checking that each test gives back the widgetset handles it took), with
// a shown top-level control to place list and combo boxes on, and helpers
// to reach items on screen.
#pragma once

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "host/stdctrls/lists.h"
#include "host/stdctrls/stdctrls.h"
#include "tests/host/controls/controls_test.h"

namespace host::liststest {

using namespace testkit;
using controlstest::Headless;

// The units of the controls tests, then the list group.
inline constexpr auto kListUnits = [] {
  std::array<TUnitClasses, std::size(controlstest::kControlsUnits) + 1> units{};
  std::copy(std::begin(controlstest::kControlsUnits), std::end(controlstest::kControlsUnits), units.begin());
  units.back() = {RegisterListControls, UnregisterListControls};
  return units;
}();

class ListsTest : public THandlesTest<kListUnits> {
 protected:
  void SetUp() override {
    THandlesTest::SetUp();
    form.reset(New<TCustomControl>(nullptr));
    form->SetName("Form1");
    form->SetBounds(100, 100, 400, 300);
  }
  void TearDown() override {
    form.reset();
    THandlesTest::TearDown();
  }
  static headless::THeadlessRobot& Robot() { return static_cast<headless::THeadlessWidgetSet&>(WidgetSet()).Robot(); }
  // A control of class T named Name on the form, at Bounds.
  template <class T>
  T* Place(const std::string& Name, TRect Bounds) {
    T* control = New<T>(form.get());
    control->SetName(Name);
    control->SetParent(form.get());
    control->SetBoundsRect(Bounds);
    return control;
  }
  void Show() {
    form->Show();
    ASSERT_TRUE(form->HandleAllocated());
  }
  // The screen point a little inside item Index of List.
  static TPoint AtItem(TCustomListBox* List, int32_t Index) {
    const TRect r = List->ItemRect(Index);
    return List->ClientToScreen({r.Left + 3, r.Top + r.Height() / 2});
  }
  // The selected items of a list box, in order.
  static std::vector<int32_t> SelectedOf(TCustomListBox* List) {
    std::vector<int32_t> selected;
    for (int32_t i = 0; i < List->GetItems()->GetCount(); ++i)
      if (List->GetSelected(i)) selected.push_back(i);
    return selected;
  }
  TOwned<TCustomControl> form;
  std::vector<std::string> log;
};

}  // namespace host::liststest
