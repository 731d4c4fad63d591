// The dock tree of a dock site: rows and columns of zones built by
// inserting controls beside others, gaps closed on removal, the layout over
// the site, the rectangle a drop would give, the frames between zones and
// the tree's lifetime with its site.
#include "host/graphics/bitmap.h"
#include "tests/host/controls/controls_test.h"

namespace host::controlstest {
namespace {

using DockTree = ControlsTest;

// The tree as text: a leaf is its control's name, a row H(...), a column
// V(...), an empty tree "-".
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

// A 400x300 dock site "Site" at (100, 50) using the dock manager, and
// panels A..E it owns, not docked yet.
struct TSite {
  TOwned<TCustomControl> site{MakeOwned<TCustomControl>(nullptr)};
  TControl* Panel(const char* Name) {
    auto* panel = new TCustomControl(site.get());
    panel->SetName(Name);
    return panel;
  }
  TControl *a = Panel("A"), *b = Panel("B"), *c = Panel("C"), *d = Panel("D"), *e = Panel("E");
  TSite() {
    site->SetName("Site");
    site->SetBounds(100, 50, 400, 300);
    site->SetDockSite(true);
    site->SetUseDockManager(true);
  }
  TDockTree* Tree() const { return site->GetDockManager(); }
  std::string Shape() const { return controlstest::Shape(Tree()->GetTopZone()); }
  std::string Insert(TControl* Control, TAlign At, TControl* Drop) {
    Tree()->InsertControl(Control, At, Drop);
    return Shape();
  }
};

TEST_F(DockTree, SidesBuildRowsAndColumnsNextToTheDropControlOrAtTheEdgeOfTheSite) {
  TSite s;
  EXPECT_EQ(s.Shape(), "-");
  EXPECT_EQ(s.Insert(s.a, alNone, nullptr), "A");
  s.Insert(s.b, alRight, s.a);
  EXPECT_EQ(s.Insert(s.c, alLeft, s.a), "H(C,A,B)");
  EXPECT_EQ(s.Insert(s.d, alBottom, s.a), "H(C,V(A,D),B)");  // another orientation splits A's zone
  EXPECT_EQ(s.Insert(s.e, alLeft, s.d), "H(C,V(A,H(E,D)),B)");
  EXPECT_EQ(s.Insert(s.e, alClient, s.c), "H(C,E,V(A,D),B)");  // docked already: moves; alClient follows
  EXPECT_EQ(s.Insert(s.d, alTop, nullptr), "V(D,H(C,E,A,B))");
  TOwned<TCustomControl> stranger = MakeOwned<TCustomControl>(nullptr);  // not docked here: the edge
  EXPECT_EQ(s.Insert(s.d, alBottom, stranger.get()), "V(H(C,E,A,B),D)");
  EXPECT_EQ(s.Tree()->FindControlZone(stranger.get()), nullptr);
}

TEST_F(DockTree, RemovingClosesTheGapAndCollapsesZonesLeftWithOneChild) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alBottom, s.b);
  ASSERT_EQ(s.Insert(s.d, alRight, s.c), "H(A,V(B,H(C,D)))");
  s.Tree()->RemoveControl(s.b);  // the column keeps one row, which joins the outer row
  EXPECT_EQ(s.Shape(), "H(A,C,D)");
  s.Tree()->RemoveControl(s.e);  // not docked: nothing happens
  for (TControl* c : {s.a, s.d}) s.Tree()->RemoveControl(c);
  EXPECT_EQ(s.Shape(), "C");
  s.Tree()->RemoveControl(s.c);
  EXPECT_EQ(s.Shape(), "-");
}

TEST_F(DockTree, BadInsertionsRaiseAndLeaveTheTreeAsItWas) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  const std::string before = s.Insert(s.b, alBottom, s.a);
  EXPECT_RAISES(s.Insert(nullptr, alLeft, s.a), EInvalidOperation, "Cannot dock a null control in 'Site'");
  EXPECT_RAISES(s.Insert(s.a, alLeft, s.a), EInvalidOperation, "Control 'A' cannot be docked next to itself");
  TOwned<TCustomControl> outer = MakeOwned<TCustomControl>(nullptr);
  outer->SetName("Outer");
  s.site->SetParent(outer.get());
  EXPECT_RAISES(s.Insert(outer.get(), alLeft, s.a), EInvalidOperation,
                "Control 'Outer' cannot be docked in 'Site', which it contains");
  s.site->SetParent(nullptr);
  EXPECT_EQ(s.Shape(), before);
  EXPECT_RAISES(New<TDockTree>(nullptr), EInvalidOperation, "A dock tree needs a dock site");
}

TEST_F(DockTree, ZonesShareTheirRowOrColumnEquallyWithGapsAndFollowTheSitesSize) {
  TSite s;
  s.Insert(s.a, alNone, nullptr);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 400, 300));
  s.Insert(s.b, alRight, s.a);
  s.Insert(s.c, alRight, s.b);
  s.Insert(s.d, alBottom, s.b);
  // (400 - 2 gaps of 4) / 3 = 130, the last takes the rest; B's column halves.
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 130, 300));
  EXPECT_EQ(s.b->GetBoundsRect(), Rect(134, 0, 264, 148));
  EXPECT_EQ(s.d->GetBoundsRect(), Rect(134, 152, 264, 300));
  EXPECT_EQ(s.c->GetBoundsRect(), Rect(268, 0, 400, 300));
  const TDockZone* column = s.Tree()->FindControlZone(s.d)->GetParentZone();
  EXPECT_EQ(std::pair(column->GetLimitBegin(), column->GetLimitSize()), std::pair(134, 130));
  EXPECT_EQ(s.Tree()->FindControlZone(s.d)->GetLimitBegin(), 152);

  s.a->SetBounds(5, 5, 20, 20);
  s.Tree()->ResetBounds(false);  // the site did not change: the control stays
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(5, 5, 25, 25));
  s.Tree()->ResetBounds(true);
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 130, 300));
  s.site->SetBounds(100, 50, 208, 100);  // the site's alignment lays the zones out again
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 66, 100));
  EXPECT_EQ(s.c->GetBoundsRect(), Rect(140, 0, 208, 100));
  s.site->SetBounds(100, 50, 3, 3);  // too small for the gaps: empty zones inside the site
  EXPECT_EQ(s.a->GetBoundsRect(), Rect(0, 0, 0, 3));
  EXPECT_EQ(s.c->GetBoundsRect(), Rect(3, 0, 3, 3));
}

TEST_F(DockTree, ADockRectIsWhereTheControlWouldGoInScreenCoordinatesAndChangesNothing) {
  TSite s;
  TRect rect;
  s.Tree()->PositionDockRect(s.a, nullptr, alLeft, rect);
  EXPECT_EQ(rect, Rect(100, 50, 500, 350));  // an empty site: all of it
  s.Insert(s.a, alNone, nullptr);
  const std::string before = s.Insert(s.b, alRight, s.a);
  const TRect a = s.a->GetBoundsRect();
  const std::pair<TControl*, TAlign> drops[] = {{s.b, alBottom}, {s.a, alLeft}, {nullptr, alTop}, {s.a, alClient}};
  for (auto [drop, align] : drops) {
    s.Tree()->PositionDockRect(s.c, drop, align, rect);
    EXPECT_EQ(s.Shape(), before);
    EXPECT_EQ(s.a->GetBoundsRect(), a);
    s.Insert(s.c, align, drop);
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
  bitmap->SetSize(400, 300);
  TCanvas* canvas = bitmap->GetCanvas();
  canvas->GetBrush()->SetColor(clWhite);
  canvas->FillRect(Rect(0, 0, 400, 300));
  s.Tree()->PaintSite(canvas->GetHandle());
  const auto shadow = static_cast<TColor>(Drawn(clBtnShadow));
  // The row's gap is x 198..201 from top to bottom, the column's (right of
  // it) y 148..151.
  for (TPoint p : {Point(198, 100), Point(201, 100), Point(199, 0), Point(300, 148), Point(300, 151)})
    EXPECT_EQ(canvas->GetPixels(p.X, p.Y), shadow) << p.X << "," << p.Y;
  for (TPoint p : {Point(199, 100), Point(100, 148), Point(50, 50)})  // frames, not fills; none in A
    EXPECT_EQ(canvas->GetPixels(p.X, p.Y), clWhite) << p.X << "," << p.Y;
}

TEST_F(DockTree, TheSiteOwnsItsTreeAndDockingAndFreeingControlsKeepItUpToDate) {
  TSite s;
  ASSERT_TRUE(s.a->ManualDock(s.site.get()));
  ASSERT_TRUE(s.b->ManualDock(s.site.get(), s.a, alBottom));
  EXPECT_EQ(s.Shape(), "V(A,B)");
  EXPECT_EQ(s.b->GetBoundsRect(), Rect(0, 152, 400, 300));
  s.b->Free();
  EXPECT_EQ(s.Shape(), "A");
  // Interface references taken and given back leave the tree to its site.
  TDockTree* tree = s.Tree();
  tree->_AddRef();
  tree->_Release();
  EXPECT_EQ(s.Shape(), "A");
  s.site->SetDockManager(nullptr);
  EXPECT_EQ(s.site->GetDockManager(), nullptr);
}

}  // namespace
}  // namespace host::controlstest
