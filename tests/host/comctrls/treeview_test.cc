// The tree view as a user and a program meet it: buttons, clicks and keys
// expand, collapse and select nodes through the events that may refuse;
// nodes are made, listed depth first, moved, sorted and deleted; bad
// indexes and moves raise and change nothing.
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

class TreeViewTest : public ComCtrlsTest {
 protected:
  void SetUp() override {
    ComCtrlsTest::SetUp();
    tree = Add<TTreeView>(form.get(), "Tree", Bounds(10, 10, 200, 150));
    TTreeNodes* items = tree->GetItems();
    a = items->Add(nullptr, "A");
    b = items->Add(nullptr, "B");
    a1 = items->AddChild(a, "A1");
    a2 = items->AddChild(a, "A2");
    a2a = items->AddChild(a2, "A2a");
    auto name = [](TTreeNode* Node) { return Node ? Node->GetText() : std::string("nil"); };
    tree->OnChanging = [this, name](TObject*, TTreeNode* Node, bool& Allow) {
      Allow = !refuse;
      log.push_back("changing " + name(Node) + (refuse ? " refused" : ""));
      refuse = false;
    };
    tree->OnChange = [this, name](TObject*, TTreeNode* Node) { log.push_back("change " + name(Node)); };
    tree->OnExpanded = [this](TObject*, TTreeNode* Node) { log.push_back("expanded " + Node->GetText()); };
    tree->OnCollapsed = [this](TObject*, TTreeNode* Node) { log.push_back("collapsed " + Node->GetText()); };
    tree->OnDeletion = [this](TObject*, TTreeNode* Node) { log.push_back("deleted " + Node->GetText()); };
  }
  TPoint OnText(TTreeNode* Node) {
    const TRect r = Node->DisplayRect(true);
    return At(tree, {r.Left + 3, (r.Top + r.Bottom) / 2});
  }
  TPoint OnButton(TTreeNode* Node) {
    const TRect r = tree->ButtonRect(Node);
    return At(tree, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  std::string Texts() const {
    std::string s;
    TTreeNodes* items = tree->GetItems();
    for (int32_t i = 0; i < items->GetCount(); ++i)
      s += (s.empty() ? "" : ",") + std::string(items->GetItem(i)->GetLevel(), '.') + items->GetItem(i)->GetText();
    return s;
  }
  TTreeView* tree = nullptr;
  TTreeNode *a = nullptr, *b = nullptr, *a1 = nullptr, *a2 = nullptr, *a2a = nullptr;
  bool refuse = false;
};

TEST_F(TreeViewTest, ButtonsClicksAndKeysExpandAndSelectThroughTheEvents) {
  EXPECT_TRUE(tree->ButtonRect(b).IsEmpty()) << "B has no children";
  Robot().Click(OnButton(a));
  EXPECT_TRUE(a->GetExpanded());
  EXPECT_EQ(tree->GetSelected(), nullptr) << "a button does not select";
  Robot().Click(OnText(a1));
  EXPECT_TRUE(tree->Focused());
  EXPECT_TRUE(a1->GetSelected() && a1->GetFocused());
  EXPECT_EQ(Pixel(tree, a1->DisplayRect(true).Left + 1, a1->DisplayRect(true).Top + 2), Drawn(clHighlight));
  Robot().Press(VK_DOWN);
  refuse = true;
  Robot().Press(VK_DOWN);  // A2 is collapsed: B comes next, refused once
  EXPECT_EQ(tree->GetSelected(), a2);
  Robot().Press(VK_RIGHT);  // expands A2
  Robot().Press(VK_RIGHT);  // into its child
  Robot().Press(VK_LEFT);   // a leaf: back to the parent
  Robot().Press(VK_LEFT);   // collapses A2
  EXPECT_EQ(log, (std::vector<std::string>{"expanded A", "changing A1", "change A1", "changing A2", "change A2",
                                           "changing B refused", "expanded A2", "changing A2a", "change A2a",
                                           "changing A2", "change A2", "collapsed A2"}));
  log.clear();
  Robot().Press(VK_HOME);
  Robot().Type("-");
  EXPECT_FALSE(a->GetExpanded());
  Robot().Type("+");
  EXPECT_TRUE(a->GetExpanded());
  Robot().Press(VK_END);
  EXPECT_EQ(tree->GetSelected(), b);
  // Collapsing the parent of the selected node selects the parent.
  Robot().Click(OnText(a1));
  Robot().Click(OnButton(a));
  EXPECT_EQ(tree->GetSelected(), a);
  EXPECT_EQ(log, (std::vector<std::string>{"changing A", "change A", "collapsed A", "expanded A", "changing B",
                                           "change B", "changing A1", "change A1", "changing A", "change A",
                                           "collapsed A"}));
  // A double click on a node toggles it; a click below the rows does nothing.
  Robot().DoubleClick(OnText(a));
  EXPECT_TRUE(a->GetExpanded());
  Robot().Click(At(tree, {100, 140}));
  EXPECT_EQ(tree->GetSelected(), a);
}

TEST_F(TreeViewTest, AutoExpandRowSelectAndScrollingFollowTheSelection) {
  tree->SetAutoExpand(true);
  tree->SetRowSelect(true);
  Robot().Click(At(tree, {150, (a->DisplayRect(false).Top + a->DisplayRect(false).Bottom) / 2}));
  EXPECT_EQ(tree->GetSelected(), a) << "with RowSelect the whole row selects";
  EXPECT_TRUE(a->GetExpanded()) << "AutoExpand";
  Robot().Press(VK_END);  // B: A collapses again
  EXPECT_FALSE(a->GetExpanded());
  tree->SetAutoExpand(false);
  for (int i = 0; i < 30; ++i) tree->GetItems()->AddChild(b, "Child " + std::to_string(i));
  b->Expand(false);
  Robot().Press(VK_END);
  EXPECT_EQ(tree->GetSelected()->GetText(), "Child 29");
  EXPECT_NE(tree->GetTopItem(), a) << "scrolled to the last row";
  EXPECT_FALSE(tree->GetSelected()->DisplayRect(true).IsEmpty());
  EXPECT_LE(tree->GetSelected()->DisplayRect(false).Bottom, tree->GetClientRect().Bottom);
  a->MakeVisible();
  EXPECT_EQ(tree->GetTopItem(), a);
  Robot().Wheel(-120, Center(tree));
  EXPECT_EQ(tree->GetTopItem()->GetText(), "Child 1") << "three rows a notch";
}

TEST_F(TreeViewTest, ChangeDelayFiresOnChangeOnceTheSelectionStays) {
  tree->SetChangeDelay(200);
  a->Expand(false);
  Robot().Click(OnText(a));
  Robot().Press(VK_DOWN);
  Robot().Press(VK_DOWN);
  EXPECT_EQ(tree->GetSelected(), a2);
  EXPECT_EQ(log, (std::vector<std::string>{"expanded A", "changing A", "changing A1", "changing A2"}));
  Headless().Windows().Advance(150);
  EXPECT_EQ(log.size(), 4u) << "not yet";
  Headless().Windows().Advance(100);
  EXPECT_EQ(log.back(), "change A2");
  Headless().Windows().Advance(500);
  EXPECT_EQ(log.size(), 5u) << "once";
}

TEST_F(TreeViewTest, NodeTextsAreEditedInPlace) {
  tree->OnEditing = [this](TObject*, TTreeNode* Node, bool& Allow) {
    Allow = Node != b;
    log.push_back("editing " + Node->GetText());
  };
  tree->OnEdited = [this](TObject*, TTreeNode*, std::string& S) {
    log.push_back("edited " + S);
    if (S == "upper") S = "UPPER";
  };
  Robot().Click(OnText(a));
  log.clear();
  Robot().Press(VK_F2);
  EXPECT_TRUE(tree->IsEditing());
  Robot().Type("Alpha");
  Robot().Press(VK_RETURN);
  EXPECT_EQ(a->GetText(), "Alpha");
  EXPECT_TRUE(tree->Focused()) << "the view has the focus back";
  Robot().Press(VK_F2);
  Robot().Type("upper");
  Robot().Press(VK_RETURN);
  EXPECT_EQ(a->GetText(), "UPPER") << "as OnEdited changed it";
  Robot().Press(VK_F2);
  Robot().Type("dropped");
  Robot().Press(VK_ESCAPE);
  EXPECT_EQ(a->GetText(), "UPPER");
  EXPECT_FALSE(tree->IsEditing());
  // A click elsewhere ends the edit keeping the text.
  Robot().Press(VK_F2);
  Robot().Type("Kept");
  Robot().Click(OnText(b));
  EXPECT_EQ(a->GetText(), "Kept");
  EXPECT_EQ(tree->GetSelected(), b);
  Robot().Press(VK_F2);  // refused for B
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_EQ(log, (std::vector<std::string>{"editing A", "edited Alpha", "editing Alpha", "edited upper", "editing UPPER",
                                           "editing UPPER", "edited Kept", "changing B", "change B", "editing B"}));
  tree->SetReadOnly(true);
  EXPECT_FALSE(a->EditText());
  tree->SetReadOnly(false);
  ASSERT_TRUE(a->EditText());
  a->Delete();  // the node edited goes: the edit is dropped
  EXPECT_FALSE(tree->IsEditing());
  EXPECT_EQ(tree->GetItems()->GetCount(), 1);
}

TEST_F(TreeViewTest, NodesAreMadeListedMovedSortedAndDeleted) {
  TTreeNodes* items = tree->GetItems();
  items->AddFirst(a1, "A0");
  items->AddChildFirst(a2, "A2-");
  TTreeNode* ab = items->Insert(b, "Ab");
  items->AddChildFirst(nullptr, "0");
  EXPECT_EQ(Texts(), "0,A,.A0,.A1,.A2,..A2-,..A2a,Ab,B");
  EXPECT_EQ(items->GetCount(), 9);
  EXPECT_EQ(a2->GetCount(), 2);
  EXPECT_EQ(a2->GetItem(1), a2a);
  EXPECT_EQ(a2a->GetParent(), a2);
  EXPECT_EQ(a2a->GetIndex(), 1);
  EXPECT_EQ(a2a->GetAbsoluteIndex(), 6);
  EXPECT_EQ(a->getFirstChild()->getNextSibling(), a1);
  EXPECT_EQ(b->GetPrev(), items->GetItem(7));
  EXPECT_TRUE(a2a->HasAsParent(a) && !a->HasAsParent(a2a));

  a2->MoveTo(b, naAddChild);
  a1->MoveTo(nullptr, naAddFirst);
  ab->MoveTo(a1, naInsert);
  EXPECT_EQ(Texts(), "Ab,A1,0,A,.A0,B,.A2,..A2-,..A2a");
  EXPECT_EQ(a2a->GetLevel(), 2);

  tree->SetSortType(stText);
  EXPECT_EQ(Texts(), "0,A,.A0,A1,Ab,B,.A2,..A2-,..A2a");
  items->Add(a, "0a");
  a1->SetText("Z");
  EXPECT_EQ(Texts(), "0,0a,A,.A0,Ab,B,.A2,..A2-,..A2a,Z") << "kept sorted";

  // Deleting the selected node's parent: children first, each told, and the
  // selection goes to the next sibling.
  tree->SetSelected(a2a);
  log.clear();
  b->Delete();
  EXPECT_EQ(log, (std::vector<std::string>{"deleted A2-", "deleted A2a", "deleted A2", "deleted B", "changing Z",
                                           "change Z"}));
  EXPECT_EQ(tree->GetSelected(), a1);
  items->Clear();
  EXPECT_EQ(items->GetCount(), 0);
  EXPECT_EQ(tree->GetSelected(), nullptr);
}

TEST_F(TreeViewTest, ChildrenPromisedByHasChildrenAreAddedWhenTheNodeExpands) {
  TTreeNode* lazy = tree->GetItems()->Add(nullptr, "Lazy");
  lazy->SetHasChildren(true);
  tree->OnExpanding = [this](TObject*, TTreeNode* Node, bool& Allow) {
    if (Node->GetText() == "Lazy" && Node->GetCount() == 0)
      for (const char* name : {"One", "Two"}) tree->GetItems()->AddChild(Node, name);
    Allow = Node != b;
  };
  ASSERT_FALSE(tree->ButtonRect(lazy).IsEmpty()) << "a button before any child";
  Robot().Click(OnButton(lazy));
  EXPECT_TRUE(lazy->GetExpanded());
  EXPECT_EQ(Texts(), "A,.A1,.A2,..A2a,B,Lazy,.One,.Two");
  EXPECT_FALSE(lazy->getFirstChild()->DisplayRect(true).IsEmpty());
  // Without ShowRoot the top level has no buttons; without ShowButtons none.
  tree->SetShowRoot(false);
  EXPECT_TRUE(tree->ButtonRect(a).IsEmpty());
  a->Expand(false);
  EXPECT_FALSE(tree->ButtonRect(a2).IsEmpty());
  tree->SetShowButtons(false);
  EXPECT_TRUE(tree->ButtonRect(a2).IsEmpty());
  // A copy of the nodes keeps their texts, data and nesting.
  int32_t payload = 5;
  a2a->SetData(&payload);
  TTreeView* copy = Add<TTreeView>(form.get(), "Copy", Bounds(220, 10, 100, 100));
  copy->SetItems(tree->GetItems());
  EXPECT_EQ(copy->GetItems()->GetCount(), 8);
  EXPECT_EQ(copy->GetItems()->GetItem(3)->GetText(), "A2a");
  EXPECT_EQ(copy->GetItems()->GetItem(3)->GetData(), &payload);
  EXPECT_EQ(copy->GetItems()->GetItem(3)->GetLevel(), 2);
}

TEST_F(TreeViewTest, ImagesShowBeforeTheTextSelectedIndexWhileSelected) {
  TImageList* images = NewImages("Images", {clRed, clLime, clBlue});
  TImageList* states = NewImages("States", {clYellow});
  tree->SetImages(images);
  a->SetImageIndex(0);
  a->SetSelectedIndex(1);
  b->SetImageIndex(2);
  b->SetStateIndex(0);
  tree->SetStateImages(states);
  const TRect rowA = a->DisplayRect(false), rowB = b->DisplayRect(false);
  const int32_t level = 2 + 19;  // the border and one indent (ShowRoot)
  EXPECT_GE(rowA.Height(), 17) << "rows as high as the images";
  EXPECT_EQ(Pixel(tree, level + 8, rowA.Top + 8), Drawn(clRed));
  EXPECT_EQ(Pixel(tree, level + 8, rowB.Top + 8), Drawn(clYellow)) << "the state image first";
  EXPECT_EQ(Pixel(tree, level + 16 + 2 + 8, rowB.Top + 8), Drawn(clBlue));
  EXPECT_GT(b->DisplayRect(true).Left, a->DisplayRect(true).Left);
  tree->SetSelected(a);
  EXPECT_EQ(Pixel(tree, level + 8, rowA.Top + 8), Drawn(clLime));
  images->Free();  // the view lets go of a list that goes
  EXPECT_EQ(tree->GetImages(), nullptr);
  EXPECT_NE(Pixel(tree, level + 8, rowA.Top + 8), Drawn(clLime)) << "no image drawn";
}

TEST_F(TreeViewTest, BadIndexesAndMovesRaiseAndChangeNothing) {
  TTreeNodes* items = tree->GetItems();
  EXPECT_EQ(RaisedMessage<EListError>([&] { items->GetItem(5); }), "List index out of bounds (5)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { items->GetItem(-1); }), "List index out of bounds (-1)");
  EXPECT_EQ(RaisedMessage<EListError>([&] { a->GetItem(2); }), "List index out of bounds (2)");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { a->MoveTo(a2a, naAddChild); }),
            "Node 'A' cannot be moved under itself");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { a->MoveTo(a, naAdd); }), "Node 'A' cannot be moved under itself");
  TTreeView* other = Add<TTreeView>(form.get(), "Other", Bounds(220, 10, 100, 100));
  TTreeNode* stranger = other->GetItems()->Add(nullptr, "X");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { tree->SetSelected(stranger); }),
            "Tree node 'X' is not a node of 'Tree'");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { items->AddChild(stranger, "Y"); }),
            "Tree node 'X' is not a node of 'Tree'");
  EXPECT_EQ(RaisedMessage<EInvalidOperation>([&] { a->MoveTo(b, TNodeAttachMode(9)); }),
            "Invalid property value (control 'Tree')");
  EXPECT_EQ(RaisedMessage<ERangeError>([&] { tree->SetIndent(-1); }),
            "Indent of 'Tree' must be between 0 and 1000 (not -1)");
  EXPECT_EQ(RaisedMessage<ERangeError>([&] { tree->SetIndent(1 << 30); }),
            "Indent of 'Tree' must be between 0 and 1000 (not 1073741824)");
  EXPECT_EQ(tree->GetIndent(), 19);
  EXPECT_EQ(Texts(), "A,.A1,.A2,..A2a,B") << "unchanged";
  EXPECT_EQ(tree->GetSelected(), nullptr);
  EXPECT_EQ(other->GetItems()->GetCount(), 1);
}

}  // namespace
}  // namespace host::comctrlstest
