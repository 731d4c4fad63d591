// Behaviour of the standard-control descriptors: the one-character
// PasswordChar, the indexed Selected, ItemRect through its scratch slot,
// values listeners hand back to the host (OnMeasureItem's Height,
// OnScroll's ScrollPos) and the published re-declarations.
#include "descriptors/kelstdctrls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::TRect;
using host::Variant;

// A top-level form with one control of the class C on it, and a connected
// descriptor of the class D for that control; the descriptor goes first.
template <class C, class D>
struct TOnForm {
  TOnForm() {
    form->SetBounds(100, 100, 300, 200);
    control = host::New<C>(form.get());
    control->SetParent(form.get());
    control->SetBounds(10, 10, 150, 120);
    d = MakeDescriptor(&D::StaticMetaClass, control);
  }
  ~TOnForm() {
    d->SetOwner(nullptr);
    d->Free();
  }
  host::TOwned<host::TWinControl> form = host::MakeOwned<host::TWinControl>(nullptr);
  C* control = nullptr;
  TkelClassInfo* d = nullptr;
};

using TEditForm = TOnForm<host::TEdit, TEditClassInfo>;
using TListForm = TOnForm<host::TListBox, TListBoxClassInfo>;

void Fill(host::TCustomListBox* list, int count) {
  for (int i = 0; i < count; ++i) list->GetItems()->Add("item " + std::to_string(i));
}

TEST(KelstdctrlsEdit, PasswordCharIsOneCharacterStringAndEmptyClearsIt) {
  TEditForm f;
  EXPECT_EQ(Read(f.d, "PasswordChar"), Variant(""));  // none set: the empty string
  Write(f.d, "PasswordChar", Variant("xyz"));
  EXPECT_EQ(f.control->GetPasswordChar(), 'x');
  EXPECT_EQ(Read(f.d, "PasswordChar"), Variant("x"));
  Write(f.d, "PasswordChar", Variant(""));
  EXPECT_EQ(f.control->GetPasswordChar(), '\0');
  // An ordinal beyond the enumeration is refused and CharCase stays.
  Write(f.d, "CharCase", Variant(int32_t{host::ecUpperCase}));
  EXPECT_NE(MessageOf([&] { Write(f.d, "CharCase", Variant(7)); }), "");
  EXPECT_EQ(f.control->GetCharCase(), host::ecUpperCase);
}

// Text written through the descriptor reaches the combo box's own setter: a
// list-style combo box selects the item with that text and ignores a text
// no item has.
TEST(KelstdctrlsComboBox, TextWrittenGenericallySelectsTheItem) {
  TOnForm<host::TComboBox, TComboBoxClassInfo> f;
  f.control->SetStyle(host::csDropDownList);
  for (const char* item : {"red", "green", "blue"}) f.control->GetItems()->Add(item);
  Write(f.d, "Text", Variant("green"));
  EXPECT_EQ(f.control->GetItemIndex(), 1);
  Write(f.d, "Text", Variant("purple"));
  EXPECT_EQ(f.control->GetItemIndex(), 1);
  EXPECT_EQ(Read(f.d, "Text"), Variant("green"));
}

TEST(KelstdctrlsListBox, SelectedIsIndexedAndAnIndexOutsideTheItemsChangesNothing) {
  TListForm f;
  f.control->SetMultiSelect(true);
  Fill(f.control, 5);
  Write(f.d, "Selected", Variant(true), {Variant(3)});
  EXPECT_TRUE(f.control->GetSelected(3));  // the fourth item
  EXPECT_EQ(f.control->GetSelCount(), 1);
  EXPECT_EQ(Read(f.d, "Selected", {Variant(3)}), Variant(true));
  EXPECT_EQ(Read(f.d, "Selected", {Variant(2)}), Variant(false));
  EXPECT_NE(MessageOf<host::EListError>([&] { Write(f.d, "Selected", Variant(true), {Variant(5)}); }), "");
  EXPECT_EQ(f.control->GetSelCount(), 1);  // unchanged
  EXPECT_TRUE(f.control->GetSelected(3));
}

TEST(KelstdctrlsListBox, ItemRectAndMeasuredHeightsGoThroughTheScratchSlotAndTheListeners) {
  TListForm f;
  TTestListeners listeners;
  std::vector<int> measured;
  listeners.On(f.d, "OnMeasureItem", [&](TkelEventInfo& e) {
    measured.push_back(e.GetArgs(1)->Value.AsInteger());
    e.GetArgs(2)->Value = Variant(30);  // Height handed back to the list box
  });
  f.control->SetStyle(host::lbOwnerDrawVariable);
  Fill(f.control, 3);
  TkelMethodInfo* m = Invoke(f.d, "ItemRect", {Variant(1)});
  const void* first = m->Result.AsPointer();
  ASSERT_NE(first, nullptr);
  const TRect r = *static_cast<const TRect*>(first);
  EXPECT_EQ(r, f.control->ItemRect(1));
  EXPECT_EQ(r.Top, 30);  // item 0 measured 30 high by the listener
  EXPECT_EQ(r.Bottom - r.Top, 30);
  EXPECT_FALSE(measured.empty());
  // A second call reuses the slot: the first address now holds item 2.
  EXPECT_EQ(Invoke(f.d, "ItemRect", {Variant(2)})->Result.AsPointer(), first);
  EXPECT_EQ(static_cast<const TRect*>(first)->Top, 60);
}

TEST(KelstdctrlsScrollBar, ScrollPosLeftByAListenerBecomesThePosition) {
  TOnForm<host::TScrollBar, TScrollBarClassInfo> f;
  f.control->SetBounds(10, 10, 200, 20);
  TTestListeners listeners;
  std::vector<int> codes;
  listeners.On(f.d, "OnScroll", [&](TkelEventInfo& e) {
    codes.push_back(e.GetArgs(1)->Value.AsInteger());
    e.GetArgs(2)->Value = Variant(10);
  });
  f.form->HandleNeeded();
  const TRect lineDown = f.control->GetParts().LineDown;
  auto& robot = dynamic_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet()).Robot();
  robot.Click(f.control->ClientToScreen({(lineDown.Left + lineDown.Right) / 2, lineDown.Top + 5}));
  ASSERT_FALSE(codes.empty());
  EXPECT_EQ(codes.front(), host::scLineDown);  // one step down would have been 1
  EXPECT_EQ(f.control->GetPosition(), 10);
}

TEST(KelstdctrlsPublished, OverrideEntriesOnlyChangeVisibilityAndTheEventListsDiffer) {
  TOnForm<host::TGroupBox, TGroupBoxClassInfo> box;
  TOnForm<host::TGroupBox, TCustomGroupBoxClassInfo> custom;
  // The same inherited property, published by the final class, served by
  // the control descriptor.
  EXPECT_EQ(custom.d->FindProperty("Caption")->Visibility, pvProtected);
  TkelPropertyInfo* caption = box.d->FindProperty("Caption");
  EXPECT_EQ(caption->Visibility, pvPublished);
  EXPECT_EQ(caption->Style, (TkelPropertyStyle{psReadable, psWritable}));
  Write(box.d, "Caption", Variant("Options"));
  EXPECT_EQ(box.control->GetCaption(), "Options");
  EXPECT_EQ(box.d->FindEvent("OnClick")->Visibility, pvPublished);

  TOnForm<host::TButton, TButtonClassInfo> button;
  TOnForm<host::TRadioButton, TRadioButtonClassInfo> radio;
  EXPECT_EQ(button.d->FindEvent("OnDblClick")->Visibility, pvProtected);  // inherited, not published
  EXPECT_EQ(radio.d->FindEvent("OnDblClick")->Visibility, pvPublished);
  EXPECT_EQ(button.d->FindProperty("Default")->Visibility, pvPublished);  // defined by the button
}

}  // namespace
}  // namespace kel::test
