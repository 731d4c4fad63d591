// Behaviour of the page and bar descriptors of the extctrls unit: values
// listeners hand back to the host (the splitter's NewSize and Accept, the
// control bar's rectangles and sizes), PageIndex and SectionWidth through
// their descriptors, and failing writes that leave the object unchanged.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "descriptors/kelextctrls.h"
#include "host/widgetset/headless/headless.h"
#include "host/widgetset/widgetset.h"
#include "tests/descriptors/descriptor_test_support.h"

namespace kel::test {
namespace {

using host::TRect;
using host::Variant;

host::headless::THeadlessRobot& Robot() {
  return dynamic_cast<host::headless::THeadlessWidgetSet&>(host::WidgetSet()).Robot();
}

// A shown top-level control at (100, 100) holding the controls of a test;
// the descriptors made for them go first.
struct TForm {
  TForm() { form->SetBounds(100, 100, 400, 300); }
  ~TForm() {
    for (TkelClassInfo* d : descriptors) {
      d->SetOwner(nullptr);
      d->Free();
    }
  }
  template <class C>
  C* Add(TRect Bounds, host::TAlign Align = host::alNone, host::TWinControl* Parent = nullptr) {
    C* c = host::New<C>(form.get());
    c->SetBoundsRect(Bounds);
    c->SetAlign(Align);
    c->SetParent(Parent ? Parent : form.get());
    return c;
  }
  TkelClassInfo* Describe(host::TClass info, host::TObject* owner) {
    descriptors.push_back(MakeDescriptor(info, owner));
    return descriptors.back();
  }
  void Show() {
    form->Show();
    form->HandleNeeded();
  }
  host::TOwned<host::TWinControl> form = host::MakeOwned<host::TWinControl>(nullptr);
  std::vector<TkelClassInfo*> descriptors;
};

TEST(KelextctrlsSplitter, ListenersDecideTheSizeAndWhetherTheSplitterResizesAtAll) {
  TForm f;
  auto* tree = f.Add<host::TWinControl>(host::Bounds(0, 0, 100, 300), host::alLeft);
  auto* split = f.Add<host::TSplitter>(host::Bounds(100, 0, 3, 300), host::alLeft);
  int moved = 0;
  split->OnMoved = [&](host::TObject*) { ++moved; };
  TkelClassInfo* d = f.Describe(&TSplitterClassInfo::StaticMetaClass, split);
  TTestListeners listeners;
  bool accept = false;
  int32_t size = -1;
  std::vector<int32_t> proposed;
  // The record is shared with the control's own OnCanResize (the splitter
  // realigned hears it too): the splitter's carries a Boolean Accept.
  listeners.On(d, "OnCanResize", [&](TkelEventInfo& e) {
    if (e.GetArgs(2)->Value.VarType() != host::varBoolean) return;
    proposed.push_back(e.GetArgs(1)->Value.AsInteger());
    EXPECT_EQ(e.GetArgs(2)->Value, Variant(true));
    e.GetArgs(2)->Value = Variant(accept);
    if (size >= 0) e.GetArgs(1)->Value = Variant(size);
  });
  f.Show();
  const host::TPoint grip = split->ClientToScreen({1, 50});
  Robot().Drag(grip, {grip.X + 50, grip.Y}, 2);
  EXPECT_EQ(proposed, (std::vector<int32_t>{125, 150}));
  EXPECT_EQ(tree->GetWidth(), 100) << "every step refused";
  EXPECT_EQ(moved, 0);
  accept = true;
  size = 40;
  Robot().Drag(grip, {grip.X + 50, grip.Y}, 2);
  EXPECT_EQ(tree->GetWidth(), 40) << "the size the listener left";
  EXPECT_EQ(moved, 1);
  // The descriptor's own properties; a bad ordinal changes nothing.
  Write(d, "ResizeStyle", Variant(int32_t{host::rsUpdate}));
  EXPECT_NE(MessageOf([&] { Write(d, "ResizeStyle", Variant(9)); }), "");
  EXPECT_NE(MessageOf([&] { Write(d, "MinSize", Variant(0)); }), "");
  EXPECT_EQ(split->GetResizeStyle(), host::rsUpdate);
  EXPECT_EQ(Read(d, "MinSize"), Variant(30));
}

TEST(KelextctrlsNotebook, PageIndexAndActivePageThroughTheDescriptor) {
  TForm f;
  auto* book = f.Add<host::TNotebook>(host::Bounds(10, 10, 200, 150));
  book->GetPages()->Add("Second");
  book->SetPageIndex(0);
  TkelClassInfo* d = f.Describe(&TNotebookClassInfo::StaticMetaClass, book);
  TTestListeners listeners;
  int changed = 0;
  listeners.On(d, "OnPageChanged", [&](TkelEventInfo&) { ++changed; });
  Write(d, "PageIndex", Variant(1));
  EXPECT_TRUE(book->GetPage(1)->GetVisible());
  EXPECT_EQ(Read(d, "ActivePage"), Variant("Second"));
  EXPECT_EQ(changed, 1);
  // Outside the pages: ignored; an unknown caption: refused. Nothing changes.
  Write(d, "PageIndex", Variant(2));
  EXPECT_EQ(MessageOf<host::EListError>([&] { Write(d, "ActivePage", Variant("Third")); }),
            "Notebook 'TNotebook' has no page 'Third'");
  EXPECT_EQ(Read(d, "PageIndex"), Variant(1));
  EXPECT_EQ(changed, 1);
  Write(d, "ActivePage", Variant("Default"));
  EXPECT_EQ(book->GetPageIndex(), 0);
  EXPECT_EQ(Read(d, "Pages"), Addr(book->GetPages()));
}

TEST(KelextctrlsHeader, SectionWidthIsIndexedByXAndTheRobotsDragReachesTheListeners) {
  TForm f;
  auto* header = f.Add<host::THeader>(host::Bounds(10, 10, 300, 25));
  header->GetSections()->SetCommaText("Name,Size");
  TkelClassInfo* d = f.Describe(&THeaderClassInfo::StaticMetaClass, header);
  Write(d, "SectionWidth", Variant(90), {Variant(1)});
  EXPECT_EQ(header->GetSectionWidth(1), 90);
  EXPECT_EQ(Read(d, "SectionWidth", {Variant(1)}), Variant(90));
  EXPECT_EQ(MessageOf<host::EListError>([&] { Write(d, "SectionWidth", Variant(5), {Variant(2)}); }),
            "List index out of bounds (2)");
  EXPECT_NE(MessageOf([&] { Write(d, "SectionWidth", Variant(-1), {Variant(1)}); }), "");
  EXPECT_NE(MessageOf([&] { Write(d, "BorderStyle", Variant(4)); }), "");
  EXPECT_EQ(header->GetSectionWidth(1), 90);
  EXPECT_EQ(header->GetBorderStyle(), host::bsSingle);

  TTestListeners listeners;
  std::vector<std::string> heard;
  for (const char* event : {"OnSizing", "OnSized"})
    listeners.On(d, event, [&heard, event](TkelEventInfo& e) {
      heard.push_back(std::string(event) + " " + e.GetArgs(1)->Value.AsString() + " " + e.GetArgs(2)->Value.AsString());
    });
  f.Show();
  Robot().Drag(header->ClientToScreen({154, 10}), header->ClientToScreen({174, 10}), 1);
  EXPECT_EQ(heard, (std::vector<std::string>{"OnSizing 1 110", "OnSized 1 110"}));
}

// A control bar with two bands in its first row.
struct TBarForm : TForm {
  TBarForm() {
    bar = Add<host::TControlBar>(host::Bounds(10, 10, 380, 80));
    a = Add<host::TWinControl>(host::Bounds(20, 2, 60, 22), host::alNone, bar);
    b = Add<host::TWinControl>(host::Bounds(100, 2, 60, 22), host::alNone, bar);
  }
  host::TControlBar* bar;
  host::TWinControl* a;
  host::TWinControl* b;
};

TEST(KelextctrlsControlBar, BandInfoValuesComeBackAndUntouchedInsetsKeepTheHostsRectangle) {
  TBarForm f;
  // The bar's own handler widens A's grabber; the descriptor stacks on it.
  f.bar->OnBandInfo = [&](host::TObject*, host::TControl* control, TRect& insets, int32_t&, int32_t&) {
    if (control == f.a) insets.Left = 20;
  };
  TkelClassInfo* d = f.Describe(&TCustomControlBarClassInfo::StaticMetaClass, f.bar);
  TTestListeners listeners;
  int32_t preferred = 0;
  listeners.On(d, "OnBandInfo", [&](TkelEventInfo& e) {
    const auto* insets = static_cast<const TRect*>(e.GetArgs(2)->Value.AsPointer());
    if (e.GetArgs(1)->Value == Addr(f.a)) {
      EXPECT_EQ(insets->Left, 20) << "the host's rectangle, as its handler left it";
    }
    if (e.GetArgs(1)->Value == Addr(f.b) && preferred) e.GetArgs(3)->Value = Variant(preferred);
  });
  Invoke(d, "StickControls");
  EXPECT_EQ(f.a->GetLeft(), 20) << "A's band starts at 0 with the wider grabber";
  EXPECT_EQ(f.b->GetBoundsRect(), host::Bounds(100, 2, 60, 22));
  preferred = 100;
  Invoke(d, "StickControls");
  EXPECT_EQ(f.b->GetWidth(), 100 - 13) << "PreferredSize came back";
  // Writing a bad RowSize changes nothing.
  EXPECT_NE(MessageOf([&] { Write(d, "RowSize", Variant(0)); }), "");
  EXPECT_EQ(Read(d, "RowSize"), Variant(26));
}

// OnBandPaint hands over the host's rectangle and option set: a listener
// may change them where they are, or point the values elsewhere, and the
// bar paints by what comes back (1 byte of options, 16 of rectangle).
TEST(KelextctrlsControlBar, BandPaintRectangleAndOptionsComeBackFromTheAddressesLeft) {
  TBarForm f;
  TkelClassInfo* d = f.Describe(&TCustomControlBarClassInfo::StaticMetaClass, f.bar);
  TTestListeners listeners;
  const TkelValue<TRect> elsewhere(TRect{1, 2, 3, 4});
  bool redirect = false;
  listeners.On(d, "OnBandPaint", [&](TkelEventInfo& e) {
    EXPECT_EQ(e.GetArgs(2)->Value, Addr(f.bar->GetCanvas()));
    auto* options = static_cast<host::TBandPaintOptions*>(e.GetArgs(4)->Value.AsPointer());
    EXPECT_EQ(*options, (host::TBandPaintOptions{host::bpoGrabber, host::bpoFrame}));
    options->Exclude(host::bpoGrabber);
    if (redirect) e.GetArgs(3)->Value = elsewhere.Address();
  });
  TRect rect{9, 0, 82, 26};
  host::TBandPaintOptions options{host::bpoGrabber, host::bpoFrame};
  f.bar->OnBandPaint(f.bar, f.a, f.bar->GetCanvas(), rect, options);
  EXPECT_EQ(options, host::TBandPaintOptions{host::bpoFrame});
  EXPECT_EQ(rect, (TRect{9, 0, 82, 26})) << "left where it was: copied onto itself";
  redirect = true;
  options = {host::bpoGrabber, host::bpoFrame};
  f.bar->OnBandPaint(f.bar, f.a, f.bar->GetCanvas(), rect, options);
  EXPECT_EQ(rect, elsewhere.Value());
}

TEST(KelextctrlsControlBar, ARectangleChangedAtItsAddressMovesTheDraggedBand) {
  TBarForm f;
  TkelClassInfo* d = f.Describe(&TControlBarClassInfo::StaticMetaClass, f.bar);
  TTestListeners listeners;
  std::vector<std::string> dragged;
  listeners.On(d, "OnBandDrag", [&](TkelEventInfo& e) {
    dragged.push_back(e.GetArgs(1)->Value == Addr(f.a) ? "A" : "B");
    e.GetArgs(2)->Value = Variant(e.GetArgs(1)->Value == Addr(f.b));
  });
  listeners.On(d, "OnBandMove", [&](TkelEventInfo& e) {
    auto* rect = static_cast<TRect*>(e.GetArgs(2)->Value.AsPointer());
    const int32_t width = rect->Width();
    rect->Left = 200;
    rect->Right = 200 + width;
  });
  f.Show();
  Robot().Drag(f.bar->ClientToScreen({f.a->GetLeft() - 7, 10}), f.bar->ClientToScreen({100, 40}), 2);
  EXPECT_EQ(f.a->GetBoundsRect(), host::Bounds(20, 2, 60, 22)) << "the listener refused to drag A";
  Robot().Drag(f.bar->ClientToScreen({f.b->GetLeft() - 7, 10}), f.bar->ClientToScreen({50, 40}), 2);
  EXPECT_EQ(f.b->GetLeft(), 200 + 11);
  EXPECT_EQ(f.b->GetTop(), 26 + 2) << "the row came from the mouse";
  EXPECT_EQ(dragged, (std::vector<std::string>{"A", "B"}));
}

}  // namespace
}  // namespace kel::test
