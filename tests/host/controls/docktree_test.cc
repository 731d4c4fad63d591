// The dock tree of a dock site: rows and columns of zones built by
// inserting controls beside others, gaps closed on removal, the layout over
// the site, the rectangle a drop would give, the frames between zones and
// the tree's lifetime with its site.
#include <functional>

#include "host/graphics/bitmap.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using DockTree = ControlsTest;

// The tree as text: a leaf is its control's name, a row H(...), a column
// V(...); an empty tree "-".
std::string Shape(const TDockZone* Zone) {
  if (TControl* c = Zone->GetChildControl()) return c->GetName();
  if (Zone->GetChildCount() == 0) return "-";
  std::string text = Zone->GetOrientation() == doHorizontal ? "H(" : "V(";
  for (int32_t i = 0; i < Zone->GetChildCount(); ++i) {
    EXPECT_EQ(Zone->GetChild(i)->GetParentZone(), Zone);
    text += (i ? "," : "") + Shape(Zone->GetChild(i));
  }
  return text + ")";
}

// A 400x300 dock site at (100, 50) using the dock manager, and panels A..E
// owned by it, not docked yet.
struct TSite {
  TOwned<TCustomControl> site{MakeOwned<TCustomControl>(nullptr)};
  TControl* Panel(const char* Name) {
    auto* panel = new TCustomControl(site.get());
    panel->SetName(Name);
    panel->SetBounds(0, 0, 10, 10);
    return panel;
  }
  TControl* a = Panel("A");
  TControl* b = Panel("B");
  TControl* c = Panel("C");
  TControl* d = Panel("D");
  TControl* e = Panel("E");
  TSite() {
    site->SetName("Site");
    site->SetBounds(100, 50, 400, 300);
    site->SetDockSite(true);
    site->SetUseDockManager(true);
  }
  TDockTree* Tree() const { return site->GetDockManager(); }
  std::string Shape() const { return controlstest::Shape(Tree()->GetTopZone()); }
  void Insert(TControl* Control, TAlign At, TControl* Drop) { Tree()->InsertControl(Control, At, Drop); }
};

TEST_F(DockTree, SidesBuildRowsAndColumnsAndADifferentOrientationSplitsTheZone) {
  TSite s;
  ASSERT_NE(s.Tree(), nullptr);
  EXPECT_EQ(s.Shape(), "-");
  s.Insert(s.a, alNone, nullptr);
  EXPECT_EQ(s.Shape(), "A");
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alLeft, s.a);
  EXPECT_EQ(s.Shape(), "H(C,A,B)");
  s.Insert(s.d, alBottom, s.a);
  EXPECT_EQ(s.Shape(), "H(C,V(A,D),B)");
  s.Insert(s.e, alLeft, s.d);
  EXPECT_EQ(s.Shape(), "H(C,V(A,H(E,D)),B)");
  EXPECT_EQ(s.Tree()->FindControlZone(s.e)->GetParentZone()->GetParentZone(),
            s.Tree()->FindControlZone(s.a)->GetParentZone());
  EXPECT_EQ(s.Tree()->FindControlZone(s.site.get()), nullptr);
}

TEST_F(DockTree, WithoutADropControlAControlGoesToTheEdgeOfTheWholeSite) {
  TSite s;
  s.Insert(s.a, alLeft, nullptr);
  s.Insert(s.b, alRight, nullptr);
  s.Insert(s.c, alLeft, nullptr);
  EXPECT_EQ(s.Shape(), "H(C,A,B)");
  s.Insert(s.d, alTop, nullptr);
  EXPECT_EQ(s.Shape(), "V(D,H(C,A,B))");
  s.Insert(s.e, alClient, s.d);  // follows D in its column
  EXPECT_EQ(s.Shape(), "V(D,E,H(C,A,B))");
  // A control docked already moves; one dropped on a control docked
  // elsewhere goes to the edge.
  s.Insert(s.e, alRight, s.b);
  EXPECT_EQ(s.Shape(), "V(D,H(C,A,B,E))");
  TOwned<TCustomControl> stranger = MakeOwned<TCustomControl>(nullptr);
  s.Insert(s.d, alBottom, stranger.get());
  EXPECT_EQ(s.Shape(), "V(H(C,A,B,E),D)");
}

TEST_F(DockTree, RemovingClosesTheGapAndCollapsesZonesLeftWithOneChild) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alBottom, s.b);
  s.Insert(s.d, alRight, s.c);
  ASSERT_EQ(s.Shape(), "H(A,V(B,H(C,D)))");
  s.Tree()->RemoveControl(s.b);  // the column keeps one row, which joins the outer row
  EXPECT_EQ(s.Shape(), "H(A,C,D)");
  s.Insert(s.e, alTop, s.c);
  s.Tree()->RemoveControl(s.c);
  EXPECT_EQ(s.Shape(), "H(A,E,D)");
  s.Tree()->RemoveControl(s.site.get());  // not docked: nothing happens
  for (TControl* c : {s.a, s.d}) s.Tree()->RemoveControl(c);
  EXPECT_EQ(s.Shape(), "E");
  s.Tree()->RemoveControl(s.e);
  EXPECT_EQ(s.Shape(), "-");
  s.Insert(s.a, alTop, nullptr);
  EXPECT_EQ(s.Shape(), "A");
}

TEST_F(DockTree, BadInsertionsRaiseAndLeaveTheTreeAsItWas) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  s.Insert(s.b, alBottom, s.a);
  const std::string before = s.Shape();
  EXPECT_RAISES(s.Insert(nullptr, alLeft, s.a), EInvalidOperation, "Cannot dock a null control in 'Site'");
  EXPECT_RAISES(s.Insert(s.a, alLeft, s.a), EInvalidOperation, "Control 'A' cannot be docked next to itself");
  TOwned<TCustomControl> outer = MakeOwned<TCustomControl>(nullptr);
  outer->SetName("Outer");
  s.site->SetParent(outer.get());
  EXPECT_RAISES(s.Insert(outer.get(), alLeft, s.a), EInvalidOperation,
                "Control 'Outer' cannot be docked in 'Site', which it contains");
  EXPECT_EQ(s.Shape(), before);
  s.site->SetParent(nullptr);
  EXPECT_RAISES(New<TDockTree>(nullptr), EInvalidOperation, "A dock tree needs a dock site");
}

TEST_F(DockTree, ZonesShareTheirRowOrColumnEquallyWithGapsAndTheControlsFollow) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 400, 300));
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alRight, s.b);
  // (400 - 2 gaps of 4) / 3 = 130; the last takes the rest.
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 130, 300));
  EXPECT_EQ(s.b->GetBoundsRect(), Rect(134, 0, 264, 300));
  EXPECT_EQ(s.c->GetBoundsRect(), Rect(268, 0, 400, 300));
  s.Insert(s.d, alBottom, s.b);
  EXPECT_EQ(s.b->GetBoundsRect(), Rect(134, 0, 264, 148));
  EXPECT_EQ(s.d->GetBoundsRect(), Rect(134, 152, 264, 300));
  const TDockZone* column = s.Tree()->FindControlZone(s.d)->GetParentZone();
  EXPECT_EQ(column->GetLimitBegin(), 134);
  EXPECT_EQ(column->GetLimitSize(), 130);
  EXPECT_EQ(s.Tree()->FindControlZone(s.d)->GetLimitBegin(), 152);

  // Without Force only a changed client area lays the site out again.
  s.a->SetBounds(5, 5, 20, 20);
  s.Tree()->ResetBounds(false);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(5, 5, 25, 25));
  s.Tree()->ResetBounds(true);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 130, 300));
  s.site->SetBounds(100, 50, 208, 100);
  s.Tree()->ResetBounds(false);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 66, 100));
  EXPECT_EQ(s.c->GetBoundsRect(), Rect(140, 0, 208, 100));
  // Too small for the gaps: the zones shrink to nothing, never below.
  s.site->SetBounds(100, 50, 3, 3);
  s.Tree()->ResetBounds(false);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 0, 3));
  EXPECT_GE(s.c->GetWidth(), 0);
}

TEST_F(DockTree, ADockRectIsWhereTheControlWouldGoInScreenCoordinatesAndChangesNothing) {
  TSite s;
  TRect rect;
  s.Tree()->PositionDockRect(s.a, nullptr, alLeft, rect);
  EXPECT_EQ(rect, Rect(100, 50, 500, 350));  // an empty site: all of it
  s.Insert(s.a, alNone, nullptr);
  s.Insert(s.b, alRight, s.a);
  const std::string before = s.Shape();
  const TRect a = s.a->GetBoundsRect(), b = s.b->GetBoundsRect();
  struct TCase {
    TControl* Drop;
    TAlign Align;
  };
  for (TCase drop : {TCase{s.b, alBottom}, TCase{s.a, alLeft}, TCase{nullptr, alTop}, TCase{s.a, alClient}}) {
    s.Tree()->PositionDockRect(s.c, drop.Drop, drop.Align, rect);
    EXPECT_EQ(s.Shape(), before);
    EXPECT_EQ(s.a->GetBoundsRect(), a);
    EXPECT_EQ(s.b->GetBoundsRect(), b);
    s.Insert(s.c, drop.Align, drop.Drop);
    const TRect placed = s.c->GetBoundsRect();
    EXPECT_EQ(rect, Bounds(placed.Left + 100, placed.Top + 50, placed.Width(), placed.Height())) << s.Shape();
    s.Tree()->RemoveControl(s.c);
  }
}

TEST_F(DockTree, PaintSiteFramesTheGapsBetweenZones) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alBottom, s.b);
  TOwned<TBitmap> bitmap = MakeOwned<TBitmap>();
  bitmap->SetWidth(400);
  bitmap->SetHeight(300);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, 400, 300));
  s.Tree()->PaintSite(canvas->GetHandle());
  const TColor shadow = static_cast<TColor>(Drawn(clBtnShadow));
  // The row's gap is x 198..201, the column's (in B's half) y 148..151.
  EXPECT_EQ(canvas->GetPixels(198, 100), shadow);
  EXPECT_EQ(canvas->GetPixels(201, 100), shadow);
  EXPECT_EQ(canvas->GetPixels(199, 0), shadow);
  EXPECT_EQ(canvas->GetPixels(199, 100), clWhite);  // a frame, not a fill
  EXPECT_EQ(canvas->GetPixels(300, 148), shadow);
  EXPECT_EQ(canvas->GetPixels(300, 151), shadow);
  EXPECT_EQ(canvas->GetPixels(100, 148), clWhite);  // A's zone has no column gap
  EXPECT_EQ(canvas->GetPixels(50, 50), clWhite);
  s.Tree()->PaintSite(0);  // no device context: nothing drawn, no failure
}

TEST_F(DockTree, TheSiteOwnsItsTreeAndDockingAndFreeingControlsKeepItUpToDate) {
  TSite s;
  ASSERT_TRUE(s.a->ManualDock(s.site.get()));
  ASSERT_TRUE(s.b->ManualDock(s.site.get(), s.a, alBottom));
  EXPECT_EQ(s.Shape(), "V(A,B)");
  EXPECT_EQ(s.b->GetBoundsRect(), Rect(0, 152, 400, 300));
  s.b->Free();
  EXPECT_EQ(s.Shape(), "A");
  // Interface references taken and given back do not free the tree: its
  // site does.
  TDockTree* tree = s.Tree();
  tree->_AddRef();
  tree->_Release();
  EXPECT_EQ(s.Tree(), tree);
  EXPECT_EQ(s.Shape(), "A");
  s.site->SetUseDockManager(false);
  s.site->SetDockManager(nullptr);
  EXPECT_EQ(s.site->GetDockManager(), nullptr);
}

}  // namespace
}  // namespace host::controlstest
