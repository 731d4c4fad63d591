// TCheckListItems and TCheckListBox: the items' check states moved along
// with the items, the check boxes drawn before the items, and the user's
// checks by Space and by a click on a box.
#include <algorithm>
#include <utility>

#include "host/checklst/checklst.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/buttons_p.h"
#include "host/stdctrls/textdraw.h"

namespace host {

HOST_IMPL(TCheckListItems, TListItemStrings)
HOST_IMPL(TCheckListBox, TCustomListBox)

namespace {

// The size of a check box.
constexpr int32_t kCheckSize = 13;

// Runs Change with the owner told of the items' change once, afterwards,
// when the flags are in step with the items (also when Change raised).
template <class F>
decltype(auto) InOneUpdate(TStrings& Strings, F&& Change) {
  Strings.BeginUpdate();
  try {
    if constexpr (std::is_void_v<decltype(Change())>) {
      Change();
      Strings.EndUpdate();
    } else {
      decltype(auto) result = Change();
      Strings.EndUpdate();
      return result;
    }
  } catch (...) {
    Strings.EndUpdate();
    throw;
  }
}

}  // namespace

// ------------------------------------------------------------ TCheckListItems

const TCheckListItems::TItemFlags& TCheckListItems::Flags(int32_t Index) const {
  if (Index < 0 || Index >= static_cast<int32_t>(FFlags.size())) throw EListError(SListIndexError, {Index});
  return FFlags[static_cast<std::size_t>(Index)];
}

TCheckListItems::TItemFlags& TCheckListItems::Flags(int32_t Index) {
  return const_cast<TItemFlags&>(std::as_const(*this).Flags(Index));
}

int32_t TCheckListItems::AddObject(const std::string& S, TObject* AObject) {
  return InOneUpdate(*this, [&] {
    const int32_t before = GetCount();
    const int32_t index = inherited::AddObject(S, AObject);
    if (GetCount() > before) FFlags.insert(FFlags.begin() + index, TItemFlags{});
    return index;
  });
}

void TCheckListItems::InsertObject(int32_t Index, const std::string& S, TObject* AObject) {
  InOneUpdate(*this, [&] {
    inherited::InsertObject(Index, S, AObject);
    FFlags.insert(FFlags.begin() + Index, TItemFlags{});
  });
}

void TCheckListItems::Clear() {
  InOneUpdate(*this, [&] {
    inherited::Clear();
    FFlags.clear();
  });
}

void TCheckListItems::Delete(int32_t Index) {
  InOneUpdate(*this, [&] {
    inherited::Delete(Index);
    FFlags.erase(FFlags.begin() + Index);
  });
}

void TCheckListItems::Exchange(int32_t Index1, int32_t Index2) {
  InOneUpdate(*this, [&] {
    inherited::Exchange(Index1, Index2);
    std::swap(FFlags[static_cast<std::size_t>(Index1)], FFlags[static_cast<std::size_t>(Index2)]);
  });
}

void TCheckListItems::Move(int32_t CurIndex, int32_t NewIndex) {
  InOneUpdate(*this, [&] {
    inherited::Move(CurIndex, NewIndex);
    const TItemFlags moved = FFlags[static_cast<std::size_t>(CurIndex)];
    FFlags.erase(FFlags.begin() + CurIndex);
    FFlags.insert(FFlags.begin() + NewIndex, moved);
  });
}

// The flags follow each item to where sorting put it: an item is found by
// its text and object (equal items with different flags may swap theirs).
void TCheckListItems::CustomSort(TStringListSortCompare Compare) {
  const std::vector<TStringItem> before = Snapshot();
  InOneUpdate(*this, [&] {
    inherited::CustomSort(Compare);
    const std::vector<TStringItem> after = Snapshot();
    std::vector<bool> taken(before.size());
    std::vector<TItemFlags> flags(after.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
      for (std::size_t j = 0; j < before.size(); ++j) {
        if (taken[j] || before[j].FString != after[i].FString || before[j].FObject != after[i].FObject) continue;
        taken[j] = true;
        flags[i] = FFlags[j];
        break;
      }
    }
    FFlags = std::move(flags);
  });
}

// Contents put back after a change that failed half way: the flags cannot
// follow, so they start over.
void TCheckListItems::Restore(std::vector<TStringItem>&& Items) {
  inherited::Restore(std::move(Items));
  FFlags.assign(static_cast<std::size_t>(GetCount()), TItemFlags{});
}

// -------------------------------------------------------------- TCheckListBox

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {
  FItems->SetOwner(nullptr);
  FreeAndNil(FItems);
  auto* items = New<TCheckListItems>();
  items->SetOwner(this);
  FItems = items;
}

void TCheckListBox::SetState(int32_t Index, TCheckBoxState Value) {
  TCheckListItems::TItemFlags& flags = Items()->Flags(Index);
  buttonpaint::CheckEnumValue(Value, cbGrayed, this);
  if (ChangeField(flags.State, Value)) Invalidate();
}

void TCheckListBox::SetItemEnabled(int32_t Index, bool Value) {
  if (ChangeField(Items()->Flags(Index).Enabled, Value)) Invalidate();
}

void TCheckListBox::SetHeader(int32_t Index, bool Value) {
  if (ChangeField(Items()->Flags(Index).Header, Value)) Invalidate();
}

void TCheckListBox::SetFlat(bool Value) {
  if (ChangeField(FFlat, Value)) Invalidate();
}

int32_t TCheckListBox::GetCheckWidth() const { return kCheckSize + 4; }

void TCheckListBox::ToggleClickCheck(int32_t Index) {
  if (Index < 0 || Index >= FItems->GetCount()) return;
  const TCheckListItems::TItemFlags& flags = Items()->Flags(Index);
  if (!flags.Enabled || flags.Header) return;
  TCheckBoxState next = cbUnchecked;
  if (flags.State == cbUnchecked) next = FAllowGrayed ? cbGrayed : cbChecked;
  if (flags.State == cbGrayed) next = cbChecked;
  SetState(Index, next);
  ClickCheck();
}

void TCheckListBox::ClickCheck() {
  if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::KeyPress(char& Key) {
  if (Key == ' ') {
    const auto alive = AliveFlag();
    TWinControl::KeyPress(Key);  // OnKeyPress first
    if (*alive && Key == ' ') ToggleClickCheck(GetItemIndex());
    return;
  }
  inherited::KeyPress(Key);
}

// A click selects the item as in any list box (OnClick); released on the
// box it went down on, it then checks the item.
void TCheckListBox::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  FBoxDown = Button == mbLeft ? BoxAt({X, Y}) : -1;
  inherited::MouseDown(Button, Shift, X, Y);
}

void TCheckListBox::MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const int32_t box = Button == mbLeft && BoxAt({X, Y}) == FBoxDown ? std::exchange(FBoxDown, -1) : -1;
  const auto alive = AliveFlag();
  inherited::MouseUp(Button, Shift, X, Y);
  if (*alive && box >= 0) ToggleClickCheck(box);
}

int32_t TCheckListBox::BoxAt(TPoint Pos) {
  const int32_t index = ItemAtPos(Pos, true);
  return index >= 0 && Pos.X - ItemRect(index).Left < GetCheckWidth() ? index : -1;
}

// The box, then the item as a list box draws it beside the box; a header
// spans the whole row in the button face colour.
void TCheckListBox::DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) {
  const TCheckListItems::TItemFlags& flags = Items()->Flags(Index);
  if (flags.Header) {
    DrawStandardItem(GetCanvas(), Rect, FItems->GetStrings(Index), {}, clBtnFace);
    return;
  }
  const TRect box = Bounds(Rect.Left + 2, Rect.Top + (Rect.Height() - kCheckSize) / 2, kCheckSize, kCheckSize);
  GetCanvas()->GetBrush()->SetColor(GetColor());
  GetCanvas()->FillRect(host::Rect(Rect.Left, Rect.Top, Rect.Left + GetCheckWidth(), Rect.Bottom));
  DrawCheck(box, flags.State, flags.Enabled && GetEnabled());
  if (!flags.Enabled) State.Include(odDisabled);
  inherited::DrawItem(Index, host::Rect(Rect.Left + GetCheckWidth(), Rect.Top, Rect.Right, Rect.Bottom), State);
}

void TCheckListBox::DrawCheck(const TRect& Box, TCheckBoxState State, bool Enabled) {
  TCanvas* canvas = GetCanvas();
  canvas->GetBrush()->SetColor(State == cbGrayed || !Enabled ? clBtnFace : clWindow);
  canvas->FillRect(Box);
  canvas->GetBrush()->SetColor(FFlat ? clBtnShadow : cl3DDkShadow);
  canvas->FrameRect(Box);
  if (!FFlat) {
    canvas->GetBrush()->SetColor(clBtnShadow);
    canvas->FrameRect(host::Rect(Box.Left + 1, Box.Top + 1, Box.Right - 1, Box.Bottom - 1));
  }
  if (State == cbUnchecked) return;
  // A tick: down from the left third, then up to the top right.
  canvas->GetPen()->SetColor(State == cbGrayed || !Enabled ? clBtnShadow : clWindowText);
  for (int32_t dy = 0; dy < 2; ++dy) {
    canvas->MoveTo(Box.Left + 3, Box.Top + 5 + dy);
    canvas->LineTo(Box.Left + 5, Box.Top + 7 + dy);
    canvas->LineTo(Box.Left + 10, Box.Top + 2 + dy);
  }
}

}  // namespace host
