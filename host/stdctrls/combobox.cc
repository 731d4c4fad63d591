// TCustomComboBox: a text (csDropDown, csSimple: typed characters and
// Backspace edit it) or a chosen item (the list styles: typed characters
// select the first item starting with what was typed) with a button at the
// right that drops a list of the items down. Up and Down (and the other
// navigation keys) choose the item before or after; F4 or Alt+Down opens
// and closes the list, Escape and Enter close it.
//
// TComboDropDownList: the list shown while the combo box is dropped down
// (see lists.h); its clicks, drawing and measuring go to the combo box.
#include <algorithm>

#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/lists.h"
#include "host/widgetset/wskeys.h"

namespace host {

namespace {
constexpr char kCtrlA = 1;  // selects the whole text, as in an edit
}  // namespace

HOST_IMPL(TComboDropDownList, TCustomListBox)
HOST_IMPL(TCustomComboBox, TCustomListControl)
HOST_IMPL(TComboBox, TCustomComboBox)

namespace {

constexpr int32_t kButtonWidth = 17;

TListBoxStyle ListStyleOf(TComboBoxStyle Style) {
  if (Style == csOwnerDrawFixed) return lbOwnerDrawFixed;
  return Style == csOwnerDrawVariable ? lbOwnerDrawVariable : lbStandard;
}

}  // namespace

// ------------------------------------------------------- TComboDropDownList

void TComboDropDownList::CreateParams(TCreateParams& Params) {
  inherited::CreateParams(Params);
  Params.Style = WS_POPUP;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
}

void TComboDropDownList::Click() {
  if (FComboBox)
    FComboBox->ListItemChosen(GetItemIndex());
  else
    inherited::Click();
}

// Drawn with the combo box's canvas put on this list's device context, as
// the classic combo box hands its owner one canvas for every part.
void TComboDropDownList::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) {
  if (!FComboBox) {
    inherited::DrawItem(Index, Rect, State);
    return;
  }
  auto* canvas = static_cast<TControlCanvas*>(FComboBox->GetCanvas());
  canvas->DrawOn(GetCanvas()->GetHandle(), [&] {
    canvas->SetFont(FComboBox->GetFont());
    FComboBox->DrawItem(Index, Rect, State);
  });
}

void TComboDropDownList::MeasureItem(int32_t Index, int32_t& Height) {
  if (FComboBox)
    FComboBox->MeasureItem(Index, Height);
  else
    inherited::MeasureItem(Index, Height);
}

// ---------------------------------------------------------- TCustomComboBox

TCustomComboBox::TCustomComboBox(TComponent* AOwner) : TCustomListControl(AOwner) {
  FControlStyle.Exclude(csClickEvents);  // OnClick tells of a chosen item, not of a click
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::Destroy() {
  FreeAndNil(FList);
  inherited::Destroy();
}

// A list style shows the current item's text; the list follows the items.
void TCustomComboBox::ItemsChanged() {
  const int32_t index = FItems->GetItemIndex();
  if (!HasEdit()) TControl::SetText(index >= 0 ? FItems->GetStrings(index) : std::string());
  SyncList();
  Invalidate();
}

void TCustomComboBox::SetItemIndex(int32_t Value) {
  if (!FItems->SetItemIndex(Value, true)) return;
  FTyped.clear();
  TControl::SetText(Value >= 0 ? FItems->GetStrings(Value) : std::string());
  SyncList();
}

void TCustomComboBox::SetText(const std::string& Value) {
  if (HasEdit()) {
    TControl::SetText(Value);
    FItems->SetItemIndex(FItems->IndexOf(Value), true);
    SyncList();
    return;
  }
  const int32_t index = Value.empty() ? -1 : FItems->IndexOf(Value);
  if (index >= 0 || Value.empty()) SetItemIndex(index);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (FStyle == Value) return;
  if (Value == csSimple) SetDroppedDown(false);
  FStyle = Value;
  ItemsChanged();
}

void TCustomComboBox::SetDropDownCount(int32_t Value) {
  if (Value >= 1) FDropDownCount = Value;
}

// ------------------------------------------------------------ the drop-down

bool TCustomComboBox::GetDroppedDown() const { return FList && FList->GetVisible(); }

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (Value == GetDroppedDown()) return;
  if (!Value) {
    FList->Hide();
    CloseUp();
    return;
  }
  if (!GetShowing() || !HandleAllocated() || FStyle == csSimple) return;
  const auto alive = AliveFlag();
  DropDown();  // OnDropDown may still fill the items
  if (*alive) ShowList();
}

// The list under the combo box, as wide as it and DropDownCount items high
// (fewer when there are fewer items).
void TCustomComboBox::ShowList() {
  if (!FList) {
    FList = New<TComboDropDownList>(nullptr);
    FList->SetVisible(false);
    FList->SetComboBox(this);
  }
  FList->SetTopIndex(0);
  FList->SetVisible(true);
  SyncList();
  const int32_t rows = std::clamp(FItems->GetCount(), 1, FDropDownCount);
  const int32_t height = std::max(FList->ItemRect(rows).Top, FItemHeight);
  const TPoint origin = ClientToScreen({0, GetHeight()});
  FList->SetBounds(origin.X, origin.Y, GetWidth(), height);
  FList->MakeVisible(FItems->GetItemIndex());
  FList->UpdateControlState();
  FList->Invalidate();
}

void TCustomComboBox::SyncList() {
  if (!GetDroppedDown()) return;
  FList->SetStyle(ListStyleOf(FStyle));
  FList->SetItemHeight(FItemHeight);
  FList->SetFont(GetFont());
  FList->GetItems()->Assign(FItems);
  FList->SetItemIndex(FItems->GetItemIndex());
}

void TCustomComboBox::ListItemChosen(int32_t Index) {
  const auto alive = AliveFlag();
  ChooseItem(Index);
  if (*alive) SetDroppedDown(false);
}

// ----------------------------------------------------------------- choosing

// An item the user chose: events only when the choice changed something.
void TCustomComboBox::ChooseItem(int32_t Index) {
  if (Index < 0 || Index >= FItems->GetCount()) return;
  const std::string text = FItems->GetStrings(Index);
  if (Index == FItems->GetItemIndex() && text == GetText()) return;
  FItems->SetItemIndex(Index, true);
  TControl::SetText(text);
  SelectAll();
  SyncList();
  const auto alive = AliveFlag();
  Change();
  if (*alive) Click();
  if (*alive) Select();
}

void TCustomComboBox::EditText(const std::string& Value) {
  if (Value == GetText()) return;
  TControl::SetText(Value);
  FItems->SetItemIndex(FItems->IndexOf(Value), true);
  SyncList();
  Change();
}

// What was typed so far selects the first item starting with it; a
// character that matches nothing with it starts the search again.
void TCustomComboBox::TypeSearch(char Key) {
  std::string typed = FTyped + Key;
  int32_t found = FItems->FindPrefix(typed, -1);
  if (found < 0) {
    typed = std::string(1, Key);
    found = FItems->FindPrefix(typed, -1);
  }
  FTyped = found >= 0 ? typed : std::string();
  ChooseItem(found);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

void TCustomComboBox::Select() {
  if (OnSelect) OnSelect(this);
}

void TCustomComboBox::DropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TCustomComboBox::CloseUp() {
  if (OnCloseUp) OnCloseUp(this);
}

// ------------------------------------------------------------------ drawing

TRect TCustomComboBox::ButtonRect() {
  TRect r = GetClientRect();
  r.Left = FStyle == csSimple ? r.Right : std::max(r.Left, r.Right - kButtonWidth);
  return r;
}

// The text (or, owner-drawn, the current item) left of the button, shown
// selected while a list style has the focus.
void TCustomComboBox::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect button = ButtonRect();
  TRect text = GetClientRect();
  text.Right = button.Left;
  TOwnerDrawState state;
  if (Focused() && !HasEdit()) state = TOwnerDrawState{odSelected, odFocused};
  canvas->SetFont(GetFont());
  const int32_t index = FItems->GetItemIndex();
  if (IsOwnerDraw() && index >= 0)
    DrawItem(index, text, state);
  else
    DrawStandardItem(canvas, text, GetText(), state, GetColor());
  if (button.IsEmpty()) return;
  buttonpaint::Bevel(canvas, button, GetDroppedDown(), clBtnFace);
  buttonpaint::Arrow(canvas, button, buttonpaint::TArrowDirection::Down, GetEnabled() ? clBtnText : clGrayText);
}

// -------------------------------------------------------------------- input

void TCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus()) SetFocus();
  if (!*alive) return;
  const bool onButton = PtInRect(ButtonRect(), {X, Y});
  if (Button == mbLeft && FStyle != csSimple && (!HasEdit() || onButton)) {
    FTyped.clear();
    SetDroppedDown(!GetDroppedDown());
  }
  if (*alive) inherited::MouseDown(Button, Shift, X, Y);
}

void TCustomComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  if (Key == VK_F4 || (Shift.Contains(ssAlt) && (Key == VK_DOWN || Key == VK_UP))) {
    Key = 0;
    SetDroppedDown(!GetDroppedDown());
    return;
  }
  if (GetDroppedDown() && (Key == VK_ESCAPE || Key == VK_RETURN)) {
    Key = 0;
    SetDroppedDown(false);
    return;
  }
  const int32_t target = NavigateIndex(Key, FItems->GetItemIndex(), FItems->GetCount(), FDropDownCount);
  if (target == -2) return;
  Key = 0;
  FTyped.clear();
  ChooseItem(target);
}

void TCustomComboBox::KeyPress(char& Key) {
  const auto alive = AliveFlag();
  inherited::KeyPress(Key);
  if (!*alive) return;
  const auto c = static_cast<unsigned char>(Key);
  if (!HasEdit()) {
    if (c >= ' ') TypeSearch(Key);
    return;
  }
  EditKey(Key);
}

void TCustomComboBox::EditKey(char Key) {
  const auto c = static_cast<unsigned char>(Key);
  std::string text = GetText();
  auto start = static_cast<std::size_t>(GetSelStart());
  std::size_t length = static_cast<std::size_t>(GetSelLength());
  if (c == kCtrlA) return SelectAll();
  if (c == '\b') {
    if (length == 0 && start > 0) length = 1, --start;
    text.erase(start, length);
  } else if (c >= ' ' && (FMaxLength == 0 || static_cast<int32_t>(text.size() - length) < FMaxLength)) {
    text.replace(start, length, 1, Key);
    ++start;
  } else {
    return;
  }
  const auto alive = AliveFlag();
  EditText(text);
  if (!*alive) return;
  FSelStart = static_cast<int32_t>(start);
  FSelLength = 0;
}

void TCustomComboBox::DoEnter() {
  if (HasEdit()) SelectAll();
  inherited::DoEnter();
}

void TCustomComboBox::DoExit() {
  FTyped.clear();
  SetDroppedDown(false);
  Invalidate();
  inherited::DoExit();
}

// ------------------------------------------------------------ selection

THandle TCustomComboBox::GetListHandle() const { return FList ? FList->GetWindowHandle() : 0; }

int32_t TCustomComboBox::GetSelStart() const {
  return std::clamp(FSelStart, 0, static_cast<int32_t>(GetText().size()));
}

void TCustomComboBox::SetSelStart(int32_t Value) {
  FSelStart = std::clamp(Value, 0, static_cast<int32_t>(GetText().size()));
  FSelLength = 0;
}

int32_t TCustomComboBox::GetSelLength() const {
  return std::clamp(FSelLength, 0, static_cast<int32_t>(GetText().size()) - GetSelStart());
}

void TCustomComboBox::SetSelLength(int32_t Value) {
  FSelLength = std::clamp(Value, 0, static_cast<int32_t>(GetText().size()) - GetSelStart());
}

std::string TCustomComboBox::GetSelText() const {
  return GetText().substr(static_cast<std::size_t>(GetSelStart()), static_cast<std::size_t>(GetSelLength()));
}

void TCustomComboBox::SetSelText(const std::string& Value) {
  const int32_t start = GetSelStart();
  std::string text = GetText();
  text.replace(static_cast<std::size_t>(start), static_cast<std::size_t>(GetSelLength()), Value);
  SetText(text);
  FSelStart = start + static_cast<int32_t>(Value.size());
  FSelLength = 0;
}

void TCustomComboBox::SelectAll() {
  FSelStart = 0;
  FSelLength = static_cast<int32_t>(GetText().size());
}

}  // namespace host
