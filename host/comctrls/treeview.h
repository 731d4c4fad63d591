// TTreeNode, TTreeNodes and TTreeView: a tree of captioned nodes, each
// with image indexes and a pointer of the program's own (Data).
//
// Items lists the nodes depth first (Item[i], Count); a node lists its
// children (Item[i], Count, getFirstChild, getNextSibling). Nodes are made
// by Items.Add / AddFirst (a sibling of the given node, at the end or the
// start), AddChild / AddChildFirst (a child) and Insert (before the given
// node), moved by MoveTo and freed by Delete; with SortType stText or
// stBoth siblings are kept in the order of their texts (or OnCompare).
//
// The view shows one row per visible node (all its ancestors expanded),
// indented by Indent a level, with a +/- button before nodes that have
// children (ShowButtons; the top level only with ShowRoot), lines joining
// parents and children (ShowLines), the Images image of the node
// (SelectedIndex while it is selected) and the StateImages image before
// it. The view scrolls by rows (TopItem) so that the keys and MakeVisible
// bring a node into sight, and the mouse wheel scrolls it three rows a
// notch; it draws no scroll bars.
//
// The user: a click on a button expands or collapses its node, a click on a
// node (anywhere on its row with RowSelect) selects it, a double click
// toggles its expansion. Up, Down, Home, End, Page Up and Page Down move
// the selection through the visible nodes; Right expands a node or goes to
// its first child, Left collapses it or goes to its parent; + and - (the
// numeric pad's or the characters) expand and collapse. Every change of the
// selection (by the user or by code) asks OnChanging, which may refuse,
// and tells OnChange (after ChangeDelay milliseconds, when set, once the
// selection has stayed); expanding asks OnExpanding and tells OnExpanded,
// collapsing OnCollapsing and OnCollapsed. AutoExpand expands the node
// selected and collapses the one left. OnDeletion sees every node before it
// goes (children before their parent), except while the view itself goes.
//
// A right click selects too with RightClickSelect. HotTrack and ToolTips
// are kept for form files: hovering over a node shows nothing.
//
// Captions are edited in place (unless ReadOnly): F2 or Node.EditText asks
// OnEditing, then shows an edit over the node's text; Enter (or the focus
// leaving it) ends the edit, OnEdited may change the new text before the
// node takes it, and Escape (or Node.EndEdit(true)) drops it.
//
// Bad input raises and changes nothing: an index outside the nodes
// (Items.Item[i], Node.Item[i]) raises EListError "List index out of bounds
// (%d)"; a node of another tree, or moving a node under itself, raises
// EInvalidOperation; an Indent outside 0..1000 raises ERangeError; a node
// block in a form file that is cut short or inconsistent raises EReadError
// and leaves the nodes as they were.
//
// Form files keep the nodes as a binary block (Items.Data, or Items.NodeData
// in the form files of later designers, both read; written back the way
// they were read, Data for a new tree). See treestream.cc for the layouts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/comctrls/sorttype.h"
#include "host/controls/controls.h"
#include "host/stdctrls/texts.h"

namespace host {

class TChangeLink;
class TCustomImageList;
class TCustomTreeView;
class TTreeNodes;

enum TNodeAttachMode : uint8_t { naAdd, naAddFirst, naAddChild, naAddChildFirst, naInsert };
HOST_ENUM_INFO(TNodeAttachMode, "naAdd", "naAddFirst", "naAddChild", "naAddChildFirst", "naInsert")

// The edit over a node's text while it is edited: Enter and Escape and the
// focus leaving it go to the tree view.
class TTreeLabelEdit : public TCustomEdit {
  HOST_CLASS(TTreeLabelEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TTreeLabelEdit(TComponent* AOwner);

 protected:
  ~TTreeLabelEdit() override = default;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void DoExit() override;
  bool WantsKey(uint16_t Key) const override;

 private:
  TCustomTreeView* FView;
};

class TTreeNode : public TPersistent {
  HOST_CLASS(TTreeNode, TPersistent)
  explicit TTreeNode(TTreeNodes* AOwner) : FOwner(AOwner) {}

  TPersistent* GetOwner() override;
  TTreeNodes* GetOwnerNodes() const { return FOwner; }
  TCustomTreeView* GetTreeView() const;
  const std::string& GetText() const { return FText; }
  void SetText(const std::string& Value);
  void* GetData() const { return FData; }
  void SetData(void* Value);
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value) { SetLook(FImageIndex, Value); }
  int32_t GetSelectedIndex() const { return FSelectedIndex; }
  void SetSelectedIndex(int32_t Value) { SetLook(FSelectedIndex, Value); }
  int32_t GetStateIndex() const { return FStateIndex; }
  void SetStateIndex(int32_t Value) { SetLook(FStateIndex, Value); }
  int32_t GetOverlayIndex() const { return FOverlayIndex; }
  void SetOverlayIndex(int32_t Value) { SetLook(FOverlayIndex, Value); }
  // Kept for the form files of later designers; not drawn.
  int32_t GetExpandedImageIndex() const { return FExpandedImageIndex; }
  void SetExpandedImageIndex(int32_t Value) { FExpandedImageIndex = Value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value) { SetLook(FEnabled, Value); }

  // The parent node; null for a node of the top level.
  TTreeNode* GetParent() const { return FParent; }
  int32_t GetLevel() const;
  int32_t GetCount() const { return static_cast<int32_t>(FChildren.size()); }
  TTreeNode* GetItem(int32_t Index) const;
  // The place among its siblings.
  int32_t GetIndex() const;
  // The place in Items (depth first).
  int32_t GetAbsoluteIndex() const;
  TTreeNode* getFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
  TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back(); }
  TTreeNode* getNextSibling() const;
  TTreeNode* getPrevSibling() const;
  // The next and previous node depth first; null past the ends.
  TTreeNode* GetNext() const;
  TTreeNode* GetPrev() const;
  // The next and previous node shown (ancestors all expanded).
  TTreeNode* GetNextVisible() const;
  TTreeNode* GetPrevVisible() const;
  bool IsVisible() const;
  bool HasAsParent(const TTreeNode* Value) const;

  // Children, or the promise of them (set by a program that adds them when
  // the node expands): the node shows a button.
  bool GetHasChildren() const { return FHasChildren || !FChildren.empty(); }
  void SetHasChildren(bool Value);
  bool GetExpanded() const { return FExpanded; }
  void SetExpanded(bool Value);
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool GetSelected() const;
  void SetSelected(bool Value);
  // The node the keyboard works on: the selected node while the view has
  // the focus.
  bool GetFocused() const;
  void SetFocused(bool Value);
  // Expands the ancestors and scrolls the view to the node.
  void MakeVisible();
  // Starts editing the text in place (false when ReadOnly or OnEditing
  // refuses); ends the edit, keeping its text or (Cancel) dropping it.
  bool EditText();
  void EndEdit(bool Cancel);
  // Where the node shows in the view's client area: its text (TextOnly) or
  // its whole row; empty while it is hidden under a collapsed parent.
  TRect DisplayRect(bool TextOnly) const;
  // Moves the node (with its children) next to or under Destination (null:
  // the top level).
  void MoveTo(TTreeNode* Destination, TNodeAttachMode Mode);
  void DeleteChildren();
  // Takes the node out of the tree and frees it.
  void Delete();
  // Text, data, image indexes and copies of the children of Source.
  void Assign(TPersistent* Source) override;

 protected:
  ~TTreeNode() override = default;

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  friend struct TTreeNodesIO;
  // Sets a field that changes how the node looks, redrawing the view.
  template <class T>
  void SetLook(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    LookChanged();
  }
  void LookChanged();
  std::vector<TTreeNode*>& Siblings() const;
  // The next node depth first that is not under this one.
  TTreeNode* NextPastChildren() const;

  TTreeNodes* FOwner;
  TTreeNode* FParent = nullptr;
  std::vector<TTreeNode*> FChildren;
  std::string FText;
  void* FData = nullptr;
  int32_t FImageIndex = 0;
  int32_t FSelectedIndex = 0;
  int32_t FStateIndex = -1;
  int32_t FOverlayIndex = -1;
  int32_t FExpandedImageIndex = 0;
  bool FEnabled = true;
  bool FExpanded = false;
  bool FHasChildren = false;
  bool FDeleting = false;
};

class TTreeNodes : public TPersistent {
  HOST_CLASS(TTreeNodes, TPersistent)
  explicit TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

  // How the nodes went to (and go back to) a form file: Items.Data, or
  // Items.NodeData of the layout version given.
  enum class TStreamFormat : uint8_t { Data, NodeData1, NodeData3, NodeData7 };

  TPersistent* GetOwner() override;
  TCustomTreeView* GetOwnerView() const { return FOwner; }
  // All nodes, depth first.
  int32_t GetCount() const;
  TTreeNode* GetItem(int32_t Index) const;
  TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
  // A new last (Add) or first (AddFirst) sibling of Sibling; with a null
  // Sibling a node of the top level.
  TTreeNode* Add(TTreeNode* Sibling, const std::string& S) { return AddNode(Sibling, S, naAdd); }
  TTreeNode* AddFirst(TTreeNode* Sibling, const std::string& S) { return AddNode(Sibling, S, naAddFirst); }
  TTreeNode* AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr);
  // A new last or first child of Parent (null: the top level).
  TTreeNode* AddChild(TTreeNode* Parent, const std::string& S) { return AddNode(Parent, S, naAddChild); }
  TTreeNode* AddChildFirst(TTreeNode* Parent, const std::string& S) { return AddNode(Parent, S, naAddChildFirst); }
  TTreeNode* AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr);
  // A new node before Sibling (null: the last of the top level).
  TTreeNode* Insert(TTreeNode* Sibling, const std::string& S) { return AddNode(Sibling, S, naInsert); }
  void Delete(TTreeNode* Node);
  void Clear();
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }
  TStreamFormat GetStreamFormat() const { return FStreamFormat; }
  // Replaces the nodes with copies of Source's (a TTreeNodes).
  void Assign(TPersistent* Source) override;

 protected:
  ~TTreeNodes() override = default;
  void Destroy() override { Clear(); }
  void DefineProperties(TFiler* Filer) override;

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  friend struct TTreeNodesIO;
  TTreeNode* AddNode(TTreeNode* Relative, const std::string& S, TNodeAttachMode Mode);
  // The list and place a node attached to Relative by Mode goes to.
  std::vector<TTreeNode*>& TargetList(TTreeNode* Relative, TNodeAttachMode Mode, TTreeNode*& Parent,
                                      std::size_t& Place);
  void Attach(TTreeNode* Node, TTreeNode* Relative, TNodeAttachMode Mode);
  void Detach(TTreeNode* Node);
  void CheckOwnNode(const TTreeNode* Node) const;
  // Whether Node is (still) one of the nodes.
  bool Holds(const TTreeNode* Node) const;
  void SortSiblings(std::vector<TTreeNode*>& List);
  void Changed();

  TCustomTreeView* FOwner;
  std::vector<TTreeNode*> FRoots;
  int32_t FUpdateCount = 0;
  TStreamFormat FStreamFormat = TStreamFormat::Data;
};

// Sender and the node.
using TTVChangedEvent = TEvent<TObject*, TTreeNode*>;
// Sender, the node, whether to go on (true when called).
using TTVChangingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVCollapsingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVExpandedEvent = TEvent<TObject*, TTreeNode*>;
using TTVEditingEvent = TEvent<TObject*, TTreeNode*, bool&>;
using TTVEditedEvent = TEvent<TObject*, TTreeNode*, std::string&>;
// Sender, two nodes, the Data given to a sort, the result (<0, 0, >0).
using TTVCompareEvent = TEvent<TObject*, TTreeNode*, TTreeNode*, int32_t, int32_t&>;

class TCustomTreeView : public TCustomControl {
  HOST_CLASS(TCustomTreeView, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomTreeView(TComponent* AOwner);

  TTreeNodes* GetItems() const { return FItems; }
  void SetItems(TTreeNodes* Value) { FItems->Assign(Value); }
  TTreeNode* GetSelected() const { return FSelected; }
  // Selects Value (null: none), as OnChanging allows.
  void SetSelected(TTreeNode* Value);
  // The node shown in the first row.
  TTreeNode* GetTopItem() const;
  void SetTopItem(TTreeNode* Value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* GetStateImages() const { return FStateImages; }
  void SetStateImages(TCustomImageList* Value);
  bool GetShowButtons() const { return FShowButtons; }
  void SetShowButtons(bool Value) { SetLook(FShowButtons, Value); }
  bool GetShowLines() const { return FShowLines; }
  void SetShowLines(bool Value) { SetLook(FShowLines, Value); }
  bool GetShowRoot() const { return FShowRoot; }
  void SetShowRoot(bool Value) { SetLook(FShowRoot, Value); }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetLook(FHideSelection, Value); }
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value) { SetLook(FBorderStyle, Value); }
  bool GetRowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value) { SetLook(FRowSelect, Value); }
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool GetAutoExpand() const { return FAutoExpand; }
  void SetAutoExpand(bool Value) { FAutoExpand = Value; }
  bool GetRightClickSelect() const { return FRightClickSelect; }
  void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
  bool GetToolTips() const { return FToolTips; }
  void SetToolTips(bool Value) { FToolTips = Value; }
  // Milliseconds OnChange waits for the selection to stay (0: none).
  int32_t GetChangeDelay() const { return FChangeDelay; }
  void SetChangeDelay(int32_t Value) { FChangeDelay = Value; }
  TSortType GetSortType() const { return FSortType; }
  void SetSortType(TSortType Value);
  int32_t GetIndent() const { return FIndent; }
  void SetIndent(int32_t Value);
  // Sorts the top level (and with Recurse every level) by text or OnCompare.
  void AlphaSort(bool Recurse = true);
  void FullExpand();
  void FullCollapse();
  bool IsEditing() const { return FEditNode != nullptr; }

  // The node on the row at the client point; null below the last row.
  TTreeNode* GetNodeAt(int32_t X, int32_t Y);
  // The row of a visible node in client coordinates (empty when hidden).
  TRect NodeRect(const TTreeNode* Node);
  // The +/- button of a node that has one in sight (empty otherwise).
  TRect ButtonRect(const TTreeNode* Node);

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;
  TTVEditingEvent OnEditing;
  TTVEditedEvent OnEdited;
  TTVExpandedEvent OnDeletion;
  TTVCompareEvent OnCompare;

 protected:
  ~TCustomTreeView() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  virtual bool CanChange(TTreeNode* Node);
  virtual void Change(TTreeNode* Node);
  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node);
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node);
  virtual void Delete(TTreeNode* Node);
  virtual bool CanEdit(TTreeNode* Node);
  virtual void Edit(TTreeNode* Node, std::string& S);

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  friend class TTreeLabelEdit;
  bool StartEdit(TTreeNode* Node);
  void EndEdit(bool Cancel);
  template <class T>
  void SetLook(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    Redraw();
  }
  // Fires an event that may refuse, or one that tells.
  bool Allowed(TTVChangingEvent& Event, TTreeNode* Node);
  void Tell(TTVChangedEvent& Event, TTreeNode* Node);
  // Told by the nodes: nodes came, went or changed their look.
  void NodesChanged();
  void NodeRemoved(TTreeNode* Node);
  // The node's expansion as the events allow; whether it changed.
  bool ChangeExpanded(TTreeNode* Node, bool Value);
  // Compares siblings for the sort.
  int32_t CompareNodes(TTreeNode* A, TTreeNode* B);
  bool Sorted() const { return FSortType != stNone; }
  void DelayChange();
  void StopChangeTimer();
  // The user moved to Node: selects it and brings it into sight.
  void UserSelect(TTreeNode* Node);
  void Redraw();
  // Rows: the visible nodes in order, and the row of one (-1 when hidden).
  std::vector<TTreeNode*> VisibleNodes() const;
  int32_t RowOf(const TTreeNode* Node) const;
  int32_t RowHeight();
  int32_t RowsShown();
  void ScrollTo(int32_t Row);
  void MakeNodeVisible(const TTreeNode* Node);
  // Layout of a node's row: where its level's indent starts, and where its
  // images and text start.
  int32_t LevelX(const TTreeNode* Node) const;
  int32_t TextX(const TTreeNode* Node) const;
  TRect TextRect(const TTreeNode* Node);
  void PaintLines(TTreeNode* Node, const TRect& Row);
  void PaintButton(const TRect& Box, bool Expanded);
  void PaintNode(TTreeNode* Node, const TRect& Row);

  TTreeNodes* FItems = nullptr;
  TTreeNode* FSelected = nullptr;
  TTreeNode* FEditNode = nullptr;
  TTreeLabelEdit* FEditor = nullptr;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FStateImages = nullptr;
  TChangeLink* FImageLink = nullptr;
  int32_t FTopRow = 0;
  int32_t FIndent = 19;
  int32_t FChangeDelay = 0;
  THandle FChangeTimer = 0;
  TSortType FSortType = stNone;
  TBorderStyle FBorderStyle = bsSingle;
  bool FShowButtons = true;
  bool FShowLines = true;
  bool FShowRoot = true;
  bool FHideSelection = true;
  bool FRowSelect = false;
  bool FHotTrack = false;
  bool FReadOnly = false;
  bool FAutoExpand = false;
  bool FRightClickSelect = false;
  bool FToolTips = true;
};

class TTreeView : public TCustomTreeView {
  HOST_CLASS(TTreeView, TCustomTreeView)
  using TCreateArg = TComponent;
  explicit TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}

 protected:
  ~TTreeView() override = default;
};

}  // namespace host
