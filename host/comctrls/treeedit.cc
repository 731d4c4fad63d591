// Editing a tree node's text in place: the edit shown over the node, and
// the view starting and ending the edit with OnEditing and OnEdited.
#include <algorithm>

#include "host/comctrls/treeview.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TTreeLabelEdit, TCustomEdit)

TTreeLabelEdit::TTreeLabelEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FView(dynamic_cast<TCustomTreeView*>(AOwner)) {
  SetTabStop(false);
  SetVisible(false);
}

void TTreeLabelEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || !FView || (Key != VK_RETURN && Key != VK_ESCAPE)) return;
  const bool cancel = Key == VK_ESCAPE;
  Key = 0;
  FView->EndEdit(cancel);
}

void TTreeLabelEdit::DoExit() {
  const auto alive = AliveFlag();
  inherited::DoExit();
  if (*alive && FView) FView->EndEdit(false);
}

bool TTreeLabelEdit::WantsKey(uint16_t Key) const {
  return Key == VK_RETURN || Key == VK_ESCAPE || inherited::WantsKey(Key);
}

bool TCustomTreeView::CanEdit(TTreeNode* Node) { return Allowed(OnEditing, Node); }

void TCustomTreeView::Edit(TTreeNode* Node, std::string& S) {
  if (OnEdited) OnEdited(this, Node, S);
}

bool TCustomTreeView::StartEdit(TTreeNode* Node) {
  FItems->CheckOwnNode(Node);
  if (FReadOnly || !Node || FEditNode) return false;
  const auto alive = AliveFlag();
  if (!CanEdit(Node) || !*alive) return false;
  Node->MakeVisible();
  if (!FEditor) {
    FEditor = New<TTreeLabelEdit>(this);
    FEditor->SetParent(this);
  }
  const TRect text = TextRect(Node);
  FEditor->SetBounds(text.Left, text.Top, std::max(text.Width() + 20, GetClientRect().Width() / 2), text.Height());
  FEditor->SetText(Node->GetText());
  FEditor->SelectAll();
  FEditNode = Node;
  FEditor->SetVisible(true);
  if (FEditor->CanFocus()) FEditor->SetFocus();
  return true;
}

// The view takes the focus back before the node takes the text, so that
// the edit leaving the focus does not end the edit a second time.
void TCustomTreeView::EndEdit(bool Cancel) {
  TTreeNode* node = std::exchange(FEditNode, nullptr);
  if (!node) return;
  std::string text = FEditor->GetText();
  const auto alive = AliveFlag();
  if (FEditor->Focused() && CanFocus()) SetFocus();
  if (!*alive) return;
  FEditor->SetVisible(false);
  if (Cancel) return;
  Edit(node, text);
  if (*alive && FItems->Holds(node)) node->SetText(text);
}

}  // namespace host
