// TCustomTreeView: the rows of the visible nodes, scrolling, the selection
// and expansion with their events, painting, and the user's clicks and keys.
#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/treeview.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/stdctrls/textdraw.h"
#include "host/widgetset/widgetset.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TCustomTreeView, TCustomControl)
HOST_IMPL(TTreeView, TCustomTreeView)

namespace {
constexpr int32_t kBorder = 2;      // between the frame and the first row
constexpr int32_t kGap = 2;         // between an image and what follows
constexpr int32_t kButtonHalf = 4;  // a +/- button is 9 pixels square
constexpr int32_t kMaxIndent = 1000;
}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TCustomControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 97);
  FItems = New<TTreeNodes>(this);
  FImageLink = New<TChangeLink>();
  FImageLink->OnChange = [this](TObject*) { NodesChanged(); };
}

void TCustomTreeView::Destroy() {
  StopChangeTimer();
  FEditNode = nullptr;
  FItems->BeginUpdate();
  FItems->Clear();
  FreeAndNil(FItems);
  LinkImageList(this, FImageLink, FImages, nullptr);
  LinkImageList(this, FImageLink, FStateImages, nullptr);
  FreeAndNil(FImageLink);
  inherited::Destroy();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != opRemove || !AComponent) return;
  if (AComponent == FImages) SetImages(nullptr);
  if (AComponent == FStateImages) SetStateImages(nullptr);
}

// ------------------------------------------------------------- properties

void TCustomTreeView::SetImages(TCustomImageList* Value) {
  if (LinkImageList(this, FImageLink, FImages, Value)) NodesChanged();
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value) {
  if (LinkImageList(this, FImageLink, FStateImages, Value)) NodesChanged();
}

void TCustomTreeView::SetSortType(TSortType Value) {
  comctrl::CheckEnumValue(Value, stBoth, this);
  if (ChangeField(FSortType, Value) && Sorted()) AlphaSort(true);
}

void TCustomTreeView::SetIndent(int32_t Value) {
  if (Value < 0 || Value > kMaxIndent)
    throw ERangeError("Indent of '%s' must be between 0 and %d (not %d)", {ControlDisplayName(this), kMaxIndent, Value});
  SetLook(FIndent, Value);
}

int32_t TCustomTreeView::CompareNodes(TTreeNode* A, TTreeNode* B) {
  int32_t result = 0;
  if (OnCompare)
    OnCompare(this, A, B, 0, result);
  else
    result = AnsiCompareStr(A->GetText(), B->GetText());
  return result;
}

void TCustomTreeView::AlphaSort(bool Recurse) {
  FItems->SortSiblings(FItems->FRoots);
  for (TTreeNode* n = Recurse ? FItems->GetFirstNode() : nullptr; n; n = n->GetNext())
    FItems->SortSiblings(n->FChildren);
  NodesChanged();
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* root : std::vector<TTreeNode*>(FItems->FRoots)) root->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* root : std::vector<TTreeNode*>(FItems->FRoots)) root->Collapse(true);
}

// ------------------------------------------------- selection and expansion

// What an event that may refuse (OnChanging, OnExpanding, OnCollapsing)
// answers; true when it is not assigned.
bool TCustomTreeView::Allowed(TTVChangingEvent& Event, TTreeNode* Node) {
  bool allow = true;
  if (Event) Event(this, Node, allow);
  return allow;
}

void TCustomTreeView::Tell(TTVChangedEvent& Event, TTreeNode* Node) {
  if (Event) Event(this, Node);
}

bool TCustomTreeView::CanChange(TTreeNode* Node) { return Allowed(OnChanging, Node); }

void TCustomTreeView::Change(TTreeNode* Node) { Tell(OnChange, Node); }

bool TCustomTreeView::CanExpand(TTreeNode* Node) { return Allowed(OnExpanding, Node); }

void TCustomTreeView::Expand(TTreeNode* Node) { Tell(OnExpanded, Node); }

bool TCustomTreeView::CanCollapse(TTreeNode* Node) { return Allowed(OnCollapsing, Node); }

void TCustomTreeView::Collapse(TTreeNode* Node) { Tell(OnCollapsed, Node); }

// Not told while the view itself goes: the handlers' form may be going too.
void TCustomTreeView::Delete(TTreeNode* Node) {
  if (Node == FEditNode) EndEdit(true);
  if (!GetComponentState().Contains(csDestroying)) Tell(OnDeletion, Node);
}

void TCustomTreeView::SetSelected(TTreeNode* Value) {
  FItems->CheckOwnNode(Value);
  if (Value == FSelected) return;
  const auto alive = AliveFlag();
  if (!CanChange(Value) || !*alive) return;
  TTreeNode* old = std::exchange(FSelected, Value);
  if (FAutoExpand && old && Value && !Value->HasAsParent(old)) ChangeExpanded(old, false);
  if (!*alive) return;
  if (FAutoExpand && Value) ChangeExpanded(Value, true);
  if (!*alive) return;
  Redraw();
  if (FChangeDelay > 0 && RunningWindows()) return DelayChange();
  Change(FSelected);
}

// With ChangeDelay OnChange waits until the selection has stayed that long
// (moving through the nodes by keys fires it once, for the last).
void TCustomTreeView::DelayChange() {
  StopChangeTimer();
  FChangeTimer = RunningWindows()->SetTimer(static_cast<uint32_t>(FChangeDelay), [this] {
    StopChangeTimer();
    Change(FSelected);
  });
}

void TCustomTreeView::StopChangeTimer() {
  if (FChangeTimer == 0) return;
  if (TWSWindows* windows = RunningWindows()) windows->KillTimer(FChangeTimer);
  FChangeTimer = 0;
}

// Collapsing a node whose descendant is selected selects the node.
bool TCustomTreeView::ChangeExpanded(TTreeNode* Node, bool Value) {
  if (Node->FExpanded == Value || (Value && !Node->GetHasChildren())) return false;
  const auto alive = AliveFlag();
  if (!(Value ? CanExpand(Node) : CanCollapse(Node)) || !*alive) return false;
  Node->FExpanded = Value && !Node->FChildren.empty();
  if (!Value && FSelected && FSelected->HasAsParent(Node)) SetSelected(Node);
  if (!*alive) return true;
  NodesChanged();
  Value ? Expand(Node) : Collapse(Node);
  return true;
}

TTreeNode* TCustomTreeView::GetTopItem() const {
  const std::vector<TTreeNode*> rows = VisibleNodes();
  return FTopRow < static_cast<int32_t>(rows.size()) ? rows[FTopRow] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
  FItems->CheckOwnNode(Value);
  if (Value && Value->IsVisible()) ScrollTo(RowOf(Value));
}

void TCustomTreeView::UserSelect(TTreeNode* Node) {
  const auto alive = AliveFlag();
  SetSelected(Node);
  if (*alive && FSelected == Node) MakeNodeVisible(Node);
}

// ---------------------------------------------------------------- layout

void TCustomTreeView::NodesChanged() {
  if (FItems->Updating()) return;
  const int32_t rows = static_cast<int32_t>(VisibleNodes().size());
  FTopRow = std::clamp(FTopRow, 0, std::max(0, rows - 1));
  Redraw();
}

void TCustomTreeView::Redraw() {
  if (!FItems->Updating()) Invalidate();
}

std::vector<TTreeNode*> TCustomTreeView::VisibleNodes() const {
  std::vector<TTreeNode*> rows;
  for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextVisible()) rows.push_back(n);
  return rows;
}

int32_t TCustomTreeView::RowOf(const TTreeNode* Node) const {
  if (!Node || !Node->IsVisible()) return -1;
  int32_t row = 0;
  for (const TTreeNode* n = FItems->GetFirstNode(); n && n != Node; n = n->GetNextVisible()) ++row;
  return row;
}

int32_t TCustomTreeView::RowHeight() {
  const TMeasuringCanvas measuring(GetFont());
  int32_t height = measuring.Canvas()->TextHeight("Ag") + 3;
  if (FImages) height = std::max(height, FImages->GetHeight() + 1);
  if (FStateImages) height = std::max(height, FStateImages->GetHeight() + 1);
  return height;
}

int32_t TCustomTreeView::RowsShown() {
  return std::max(1, (GetClientRect().Height() - 2 * kBorder) / RowHeight());
}

void TCustomTreeView::ScrollTo(int32_t Row) {
  const int32_t rows = static_cast<int32_t>(VisibleNodes().size());
  if (ChangeField(FTopRow, std::clamp(Row, 0, std::max(0, rows - RowsShown())))) Redraw();
}

void TCustomTreeView::MakeNodeVisible(const TTreeNode* Node) {
  const int32_t row = RowOf(Node);
  if (row < 0) return;
  if (row < FTopRow) ScrollTo(row);
  if (row >= FTopRow + RowsShown()) ScrollTo(row - RowsShown() + 1);
}

int32_t TCustomTreeView::LevelX(const TTreeNode* Node) const {
  return kBorder + FIndent * (Node->GetLevel() + (FShowRoot ? 1 : 0));
}

int32_t TCustomTreeView::TextX(const TTreeNode* Node) const {
  int32_t x = LevelX(Node);
  if (FStateImages && Node->FStateIndex >= 0) x += FStateImages->GetWidth() + kGap;
  if (FImages) x += FImages->GetWidth() + kGap;
  return x;
}

TRect TCustomTreeView::NodeRect(const TTreeNode* Node) {
  const int32_t row = RowOf(Node);
  if (row < 0) return {};
  const int32_t height = RowHeight();
  return Rect(0, kBorder + (row - FTopRow) * height, GetClientRect().Width(), kBorder + (row - FTopRow + 1) * height);
}

TRect TCustomTreeView::TextRect(const TTreeNode* Node) {
  const TRect row = NodeRect(Node);
  const TMeasuringCanvas measuring(GetFont());
  const int32_t left = TextX(Node);
  return Rect(left, row.Top, left + measuring.Canvas()->TextWidth(Node->FText) + 2 * kGap, row.Bottom);
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* Node) {
  if (!FShowButtons || !Node->GetHasChildren() || (!FShowRoot && !Node->FParent)) return {};
  const TRect row = NodeRect(Node);
  if (row.Bottom <= 0) return {};
  const int32_t x = LevelX(Node) - FIndent / 2, y = (row.Top + row.Bottom) / 2;
  return Rect(x - kButtonHalf, y - kButtonHalf, x + kButtonHalf + 1, y + kButtonHalf + 1);
}

TTreeNode* TCustomTreeView::GetNodeAt(int32_t X, int32_t Y) {
  if (!PtInRect(GetClientRect(), Point(X, Y)) || Y < kBorder) return nullptr;
  const int32_t row = FTopRow + (Y - kBorder) / RowHeight();
  const std::vector<TTreeNode*> rows = VisibleNodes();
  return row < static_cast<int32_t>(rows.size()) ? rows[row] : nullptr;
}

// --------------------------------------------------------------- painting

// A level's line runs through the middle of its button column: the node's
// own from the row above (or its middle for the first top-level node) down
// to its middle, or on through the row when a sibling follows; each
// ancestor with a sibling below passes straight through the row.
void TCustomTreeView::PaintLines(TTreeNode* Node, const TRect& Row) {
  TCanvas* canvas = GetCanvas();
  canvas->GetPen()->SetColor(clGray);
  const int32_t middle = (Row.Top + Row.Bottom) / 2;
  auto column = [this](const TTreeNode* n) { return LevelX(n) - FIndent / 2; };
  if (FShowRoot || Node->FParent) {
    const int32_t x = column(Node);
    const bool first = !Node->FParent && !Node->getPrevSibling();
    canvas->MoveTo(x, first ? middle : Row.Top);
    canvas->LineTo(x, Node->getNextSibling() ? Row.Bottom : middle + 1);
    canvas->MoveTo(x, middle);
    canvas->LineTo(LevelX(Node) - 1, middle);
  }
  for (TTreeNode* p = Node->FParent; p && (FShowRoot || p->FParent); p = p->FParent) {
    if (!p->getNextSibling()) continue;
    canvas->MoveTo(column(p), Row.Top);
    canvas->LineTo(column(p), Row.Bottom);
  }
}

void TCustomTreeView::PaintButton(const TRect& Box, bool Expanded) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetPen()->SetColor(clGray);
  canvas->Rectangle(Box);
  canvas->GetPen()->SetColor(clWindowText);
  const int32_t x = (Box.Left + Box.Right) / 2, y = (Box.Top + Box.Bottom) / 2;
  canvas->MoveTo(x - 2, y);
  canvas->LineTo(x + 3, y);
  if (Expanded) return;
  canvas->MoveTo(x, y - 2);
  canvas->LineTo(x, y + 3);
}

void TCustomTreeView::PaintNode(TTreeNode* Node, const TRect& Row) {
  TCanvas* canvas = GetCanvas();
  int32_t x = LevelX(Node);
  auto image = [&](TCustomImageList* Images, int32_t Index) {
    if (Index >= 0 && Index < Images->GetCount())
      Images->Draw(canvas, x, Row.Top + (Row.Height() - Images->GetHeight()) / 2, Index,
                   GetEnabled() && Node->FEnabled);
    x += Images->GetWidth() + kGap;
  };
  if (FStateImages && Node->FStateIndex >= 0) image(FStateImages, Node->FStateIndex);
  if (FImages) image(FImages, Node == FSelected ? Node->FSelectedIndex : Node->FImageIndex);
  const bool highlight = Node == FSelected && (Focused() || !FHideSelection);
  const TRect text = FRowSelect ? Rect(x, Row.Top, Row.Right - kBorder, Row.Bottom) : TextRect(Node);
  canvas->GetBrush()->SetColor(highlight ? (Focused() ? clHighlight : clBtnFace) : GetColor());
  canvas->FillRect(text);
  const bool enabled = GetEnabled() && Node->FEnabled;
  canvas->GetFont()->SetColor(highlight && Focused() ? clHighlightText
                              : enabled              ? GetFont()->GetColor()
                                                     : clGrayText);
  canvas->TextRect(text, text.Left + kGap, text.Top + 1, Node->FText);
  if (Node == FSelected && Focused()) canvas->DrawFocusRect(text);
}

void TCustomTreeView::Paint() {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(GetColor());
  canvas->FillRect(GetClientRect());
  const std::vector<TTreeNode*> rows = VisibleNodes();
  const int32_t last = std::min(static_cast<int32_t>(rows.size()), FTopRow + RowsShown() + 1);
  for (int32_t i = FTopRow; i < last; ++i) {
    TTreeNode* node = rows[i];
    canvas->SetFont(GetFont());
    const TRect row = NodeRect(node);
    if (FShowLines) PaintLines(node, row);
    const TRect button = ButtonRect(node);
    if (!button.IsEmpty()) PaintButton(button, node->FExpanded);
    PaintNode(node, row);
  }
  DrawSingleBorder(canvas, FBorderStyle, GetWidth(), GetHeight());
}

// ------------------------------------------------------------------ input

// A click on a button toggles its node; on a node's images or text (its
// whole row with RowSelect) selects it; a double click there toggles it.
void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (!*alive) return;
  TTreeNode* node = GetNodeAt(X, Y);
  const TRect button = node ? ButtonRect(node) : TRect{};
  const bool onButton =
      !button.IsEmpty() && PtInRect(Rect(button.Left - 2, button.Top - 2, button.Right + 2, button.Bottom + 2), Point(X, Y));
  const bool onNode = node && !onButton && (FRowSelect || (X >= LevelX(node) && X < TextRect(node).Right));
  if (Button == mbLeft && onButton && !Shift.Contains(ssDouble)) ChangeExpanded(node, !node->FExpanded);
  if (onNode && (Button == mbLeft || (Button == mbRight && FRightClickSelect))) UserSelect(node);
  if (!*alive) return;
  if (onNode && Button == mbLeft && Shift.Contains(ssDouble) && FSelected == node)
    ChangeExpanded(node, !node->FExpanded);
  if (!*alive) return;
  inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0 || !FItems->GetFirstNode()) return;
  TTreeNode* node = FSelected;
  const std::vector<TTreeNode*> rows = VisibleNodes();
  const int32_t row = std::max(0, RowOf(node));
  TTreeNode* target = nullptr;
  switch (Key) {
    case VK_UP: target = node ? node->GetPrevVisible() : rows.front(); break;
    case VK_DOWN: target = node ? node->GetNextVisible() : rows.front(); break;
    case VK_HOME: target = rows.front(); break;
    case VK_END: target = rows.back(); break;
    case VK_PRIOR: target = rows[std::max(0, row - RowsShown() + 1)]; break;
    case VK_NEXT: target = rows[std::min<int32_t>(static_cast<int32_t>(rows.size()) - 1, row + RowsShown() - 1)]; break;
    case VK_RIGHT:
      if (node && node->GetHasChildren() && !node->FExpanded) ChangeExpanded(node, true);
      else if (node) target = node->getFirstChild();
      break;
    case VK_LEFT:
      if (node && node->FExpanded) ChangeExpanded(node, false);
      else if (node) target = node->FParent;
      break;
    case VK_ADD:
    case VK_SUBTRACT:
      if (node) ChangeExpanded(node, Key == VK_ADD);
      break;
    case VK_MULTIPLY:
      if (node) node->Expand(true);
      break;
    case VK_F2:
      if (node) StartEdit(node);
      break;
    default: return;
  }
  Key = 0;
  if (*alive && target) UserSelect(target);
}

// '+' and '-' typed (on any key) expand and collapse the selected node.
void TCustomTreeView::KeyPress(char& Key) {
  inherited::KeyPress(Key);
  if ((Key == '+' || Key == '-') && FSelected) {
    ChangeExpanded(FSelected, Key == '+');
    Key = 0;
  }
}

bool TCustomTreeView::DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) {
  if (inherited::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  ScrollTo(FTopRow - 3 * WheelDelta / 120);
  return true;
}

void TCustomTreeView::DoEnter() {
  Invalidate();
  inherited::DoEnter();
}

void TCustomTreeView::DoExit() {
  Invalidate();
  inherited::DoExit();
}

}  // namespace host
