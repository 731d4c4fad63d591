// TTreeNode and TTreeNodes: the nodes of a tree view, kept as lists of
// children under the top-level list, walked depth first; they tell the
// view of every change so that it lays out, redraws and fires its events.
#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/treeview.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TTreeNode, TPersistent)
HOST_IMPL(TTreeNodes, TPersistent)

// ------------------------------------------------------------------ TTreeNode

TPersistent* TTreeNode::GetOwner() { return FOwner; }

TCustomTreeView* TTreeNode::GetTreeView() const { return FOwner->GetOwnerView(); }

void TTreeNode::LookChanged() { GetTreeView()->Redraw(); }

std::vector<TTreeNode*>& TTreeNode::Siblings() const { return FParent ? FParent->FChildren : FOwner->FRoots; }

void TTreeNode::SetText(const std::string& Value) {
  if (!ChangeField(FText, Value)) return;
  if (GetTreeView()->Sorted()) FOwner->SortSiblings(Siblings());
  FOwner->Changed();
}

void TTreeNode::SetData(void* Value) {
  if (!ChangeField(FData, Value)) return;
  const TSortType sort = GetTreeView()->GetSortType();
  if (sort == stData || sort == stBoth) FOwner->SortSiblings(Siblings());
  FOwner->Changed();
}

int32_t TTreeNode::GetLevel() const {
  int32_t level = 0;
  for (const TTreeNode* p = FParent; p; p = p->FParent) ++level;
  return level;
}

TTreeNode* TTreeNode::GetItem(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(SListIndexError, {Index});
  return FChildren[Index];
}

int32_t TTreeNode::GetIndex() const { return comctrl::IndexIn(Siblings(), this); }

int32_t TTreeNode::GetAbsoluteIndex() const {
  int32_t index = 0;
  for (const TTreeNode* n = FOwner->GetFirstNode(); n && n != this; n = n->GetNext()) ++index;
  return index;
}

TTreeNode* TTreeNode::getNextSibling() const {
  const std::vector<TTreeNode*>& list = Siblings();
  const std::size_t next = static_cast<std::size_t>(GetIndex()) + 1;
  return next < list.size() ? list[next] : nullptr;
}

TTreeNode* TTreeNode::getPrevSibling() const {
  const int32_t index = GetIndex();
  return index > 0 ? Siblings()[index - 1] : nullptr;
}

TTreeNode* TTreeNode::NextPastChildren() const {
  for (const TTreeNode* n = this; n; n = n->FParent)
    if (TTreeNode* next = n->getNextSibling()) return next;
  return nullptr;
}

TTreeNode* TTreeNode::GetNext() const { return FChildren.empty() ? NextPastChildren() : FChildren.front(); }

TTreeNode* TTreeNode::GetPrev() const {
  TTreeNode* prev = getPrevSibling();
  if (!prev) return FParent;
  while (!prev->FChildren.empty()) prev = prev->FChildren.back();
  return prev;
}

TTreeNode* TTreeNode::GetNextVisible() const {
  return FExpanded && !FChildren.empty() ? FChildren.front() : NextPastChildren();
}

TTreeNode* TTreeNode::GetPrevVisible() const {
  TTreeNode* prev = getPrevSibling();
  if (!prev) return FParent;
  while (prev->FExpanded && !prev->FChildren.empty()) prev = prev->FChildren.back();
  return prev;
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* p = FParent; p; p = p->FParent)
    if (!p->FExpanded) return false;
  return true;
}

bool TTreeNode::HasAsParent(const TTreeNode* Value) const {
  for (const TTreeNode* p = FParent; p && Value; p = p->FParent)
    if (p == Value) return true;
  return false;
}

void TTreeNode::SetHasChildren(bool Value) { SetLook(FHasChildren, Value); }

void TTreeNode::SetExpanded(bool Value) { GetTreeView()->ChangeExpanded(this, Value); }

void TTreeNode::Expand(bool Recurse) {
  SetExpanded(true);
  if (Recurse)
    for (TTreeNode* child : std::vector<TTreeNode*>(FChildren)) child->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  if (Recurse)
    for (TTreeNode* child : std::vector<TTreeNode*>(FChildren)) child->Collapse(true);
  SetExpanded(false);
}

bool TTreeNode::GetSelected() const { return GetTreeView()->GetSelected() == this; }

void TTreeNode::SetSelected(bool Value) {
  if (Value)
    GetTreeView()->SetSelected(this);
  else if (GetSelected())
    GetTreeView()->SetSelected(nullptr);
}

bool TTreeNode::GetFocused() const { return GetSelected() && GetTreeView()->Focused(); }

void TTreeNode::SetFocused(bool Value) {
  if (Value) SetSelected(true);
}

void TTreeNode::MakeVisible() {
  std::vector<TTreeNode*> ancestors;
  for (TTreeNode* p = FParent; p; p = p->FParent) ancestors.insert(ancestors.begin(), p);
  for (TTreeNode* p : ancestors) p->SetExpanded(true);
  GetTreeView()->MakeNodeVisible(this);
}

bool TTreeNode::EditText() { return GetTreeView()->StartEdit(this); }

void TTreeNode::EndEdit(bool Cancel) {
  if (GetTreeView()->FEditNode == this) GetTreeView()->EndEdit(Cancel);
}

TRect TTreeNode::DisplayRect(bool TextOnly) const {
  TCustomTreeView* view = GetTreeView();
  if (!IsVisible()) return {};
  return TextOnly ? view->TextRect(this) : view->NodeRect(this);
}

void TTreeNode::MoveTo(TTreeNode* Destination, TNodeAttachMode Mode) {
  comctrl::CheckEnumValue(Mode, naInsert, GetTreeView());
  FOwner->CheckOwnNode(Destination);
  if (Destination == this || (Destination && Destination->HasAsParent(this)))
    throw EInvalidOperation("Node '%s' cannot be moved under itself", {FText});
  FOwner->Detach(this);
  FOwner->Attach(this, Destination, Mode);
  FOwner->Changed();
}

void TTreeNode::DeleteChildren() {
  FOwner->BeginUpdate();
  while (!FChildren.empty()) FOwner->Delete(FChildren.back());
  FOwner->EndUpdate();
}

void TTreeNode::Delete() { FOwner->Delete(this); }

void TTreeNode::Assign(TPersistent* Source) {
  auto* node = dynamic_cast<TTreeNode*>(Source);
  if (!node) return inherited::Assign(Source);
  if (node == this) return;
  if (node->HasAsParent(this)) throw EInvalidOperation("Node '%s' cannot take a copy of its own child", {FText});
  FOwner->BeginUpdate();
  SetText(node->FText);
  SetData(node->FData);
  FImageIndex = node->FImageIndex;
  FSelectedIndex = node->FSelectedIndex;
  FStateIndex = node->FStateIndex;
  FOverlayIndex = node->FOverlayIndex;
  FExpandedImageIndex = node->FExpandedImageIndex;
  FEnabled = node->FEnabled;
  FHasChildren = node->FHasChildren;
  DeleteChildren();
  for (TTreeNode* child : node->FChildren) FOwner->AddChild(this, child->FText)->Assign(child);
  FExpanded = node->FExpanded && !FChildren.empty();
  FOwner->EndUpdate();
}

// ----------------------------------------------------------------- TTreeNodes

TPersistent* TTreeNodes::GetOwner() { return FOwner; }

int32_t TTreeNodes::GetCount() const {
  int32_t count = 0;
  for (const TTreeNode* n = GetFirstNode(); n; n = n->GetNext()) ++count;
  return count;
}

TTreeNode* TTreeNodes::GetItem(int32_t Index) const {
  TTreeNode* n = Index >= 0 ? GetFirstNode() : nullptr;
  for (int32_t i = 0; n && i < Index; ++i) n = n->GetNext();
  if (!n) throw EListError(SListIndexError, {Index});
  return n;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const std::string& S, void* Ptr) {
  TTreeNode* node = Add(Sibling, S);
  node->SetData(Ptr);
  return node;
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const std::string& S, void* Ptr) {
  TTreeNode* node = AddChild(Parent, S);
  node->SetData(Ptr);
  return node;
}

void TTreeNodes::CheckOwnNode(const TTreeNode* Node) const {
  if (Node && Node->FOwner != this)
    throw EInvalidOperation("Tree node '%s' is not a node of '%s'", {Node->FText, ControlDisplayName(FOwner)});
}

bool TTreeNodes::Holds(const TTreeNode* Node) const {
  for (const TTreeNode* n = GetFirstNode(); n; n = n->GetNext())
    if (n == Node) return true;
  return false;
}

TTreeNode* TTreeNodes::AddNode(TTreeNode* Relative, const std::string& S, TNodeAttachMode Mode) {
  CheckOwnNode(Relative);
  TTreeNode* node = New<TTreeNode>(this);
  node->FText = S;
  Attach(node, Relative, Mode);
  Changed();
  return node;
}

std::vector<TTreeNode*>& TTreeNodes::TargetList(TTreeNode* Relative, TNodeAttachMode Mode, TTreeNode*& Parent,
                                                std::size_t& Place) {
  const bool child = Mode == naAddChild || Mode == naAddChildFirst;
  Parent = child ? Relative : Relative ? Relative->FParent : nullptr;
  std::vector<TTreeNode*>& list = Parent ? Parent->FChildren : FRoots;
  const bool first = Mode == naAddFirst || Mode == naAddChildFirst;
  Place = first ? 0 : list.size();
  if (Mode == naInsert && Relative) Place = static_cast<std::size_t>(Relative->GetIndex());
  return list;
}

void TTreeNodes::Attach(TTreeNode* Node, TTreeNode* Relative, TNodeAttachMode Mode) {
  TTreeNode* parent = nullptr;
  std::size_t place = 0;
  std::vector<TTreeNode*>& list = TargetList(Relative, Mode, parent, place);
  list.insert(list.begin() + static_cast<std::ptrdiff_t>(place), Node);
  Node->FParent = parent;
  if (FOwner->Sorted()) SortSiblings(list);
}

void TTreeNodes::Detach(TTreeNode* Node) {
  std::erase(Node->Siblings(), Node);
  TTreeNode* parent = std::exchange(Node->FParent, nullptr);
  if (parent && parent->FChildren.empty()) parent->FExpanded = false;
}

// The children go first, each told to OnDeletion before it is freed; a
// selection inside the nodes that go passes to the next sibling, the one
// before or the parent, as the classic control does.
void TTreeNodes::Delete(TTreeNode* Node) {
  CheckOwnNode(Node);
  if (!Node || Node->FDeleting) return;
  Node->FDeleting = true;
  TTreeNode* selected = FOwner->FSelected;
  const bool selectionGoes = selected == Node || (selected && selected->HasAsParent(Node));
  TTreeNode* heir = selectionGoes ? Node->getNextSibling() : nullptr;
  if (selectionGoes && !heir) heir = Node->getPrevSibling();
  if (selectionGoes && !heir) heir = Node->FParent;
  if (selectionGoes) FOwner->FSelected = nullptr;
  BeginUpdate();
  while (!Node->FChildren.empty()) Delete(Node->FChildren.front());
  FOwner->Delete(Node);
  Detach(Node);
  EndUpdate();
  Node->Free();
  if (selectionGoes && heir && !FOwner->GetComponentState().Contains(csDestroying)) FOwner->SetSelected(heir);
}

void TTreeNodes::Clear() {
  BeginUpdate();
  FOwner->FSelected = nullptr;
  while (!FRoots.empty()) Delete(FRoots.back());
  EndUpdate();
}

void TTreeNodes::BeginUpdate() { ++FUpdateCount; }

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  Changed();
}

void TTreeNodes::Changed() { FOwner->NodesChanged(); }

void TTreeNodes::SortSiblings(std::vector<TTreeNode*>& List) {
  std::stable_sort(List.begin(), List.end(),
                   [this](TTreeNode* a, TTreeNode* b) { return FOwner->CompareNodes(a, b) < 0; });
}

void TTreeNodes::Assign(TPersistent* Source) {
  auto* nodes = dynamic_cast<TTreeNodes*>(Source);
  if (!nodes) return inherited::Assign(Source);
  if (nodes == this) return;
  BeginUpdate();
  Clear();
  for (TTreeNode* root : nodes->FRoots) AddChild(nullptr, root->FText)->Assign(root);
  FStreamFormat = nodes->FStreamFormat;
  EndUpdate();
}

}  // namespace host
