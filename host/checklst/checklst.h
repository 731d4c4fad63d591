// The checklst unit of the host: the list box with a check box before each
// item (TCheckListBox).
//
// Each item has a State (cbUnchecked, cbChecked, cbGrayed), is enabled or
// not (ItemEnabled) and may be a Header (a caption over the items below
// it, with no check box); all three move with their item when items are
// inserted, deleted, exchanged, moved or sorted. Space, or a click on the
// check box of an enabled item, moves the item to its next state
// (unchecked -> checked -> unchecked; with AllowGrayed unchecked -> grayed
// -> checked -> unchecked) and fires OnClickCheck (after OnClick when a
// click also selected the item). Flat draws the boxes
// with a one-pixel frame instead of a sunken one.
//
// Bad input: Checked, State, ItemEnabled or Header of an index outside
// 0..Count-1 raises EListError "List index out of bounds (%d)" and changes
// nothing; so does a State outside its enumeration (EInvalidOperation
// "Invalid property value").
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterStdCtrlsClasses();   host/stdctrls
//   RegisterCheckLstClasses();       this unit
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"

namespace host {

void RegisterCheckLstClasses();
void UnregisterCheckLstClasses();
// The classes of this unit, in unit order.
std::span<const TClass> CheckLstClasses();

// The items of a check list box: the list box's items with the check state,
// enabled flag and header flag of each, moved along with the items.
class TCheckListItems : public TListItemStrings {
  HOST_CLASS(TCheckListItems, TListItemStrings)

  struct TItemFlags {
    TCheckBoxState State = cbUnchecked;
    bool Enabled = true;
    bool Header = false;
  };
  TCheckListItems() = default;
  // Raise EListError "List index out of bounds (%d)" outside 0..Count-1.
  const TItemFlags& Flags(int32_t Index) const;
  TItemFlags& Flags(int32_t Index);

  int32_t AddObject(const std::string& S, TObject* AObject) override;
  void InsertObject(int32_t Index, const std::string& S, TObject* AObject) override;
  void Clear() override;
  void Delete(int32_t Index) override;
  void Exchange(int32_t Index1, int32_t Index2) override;
  void Move(int32_t CurIndex, int32_t NewIndex) override;
  void CustomSort(TStringListSortCompare Compare) override;

 protected:
  ~TCheckListItems() override = default;
  void Restore(std::vector<TStringItem>&& Items) override;

 private:
  std::vector<TItemFlags> FFlags;
};

class TCheckListBox : public TCustomListBox {
  HOST_CLASS(TCheckListBox, TCustomListBox)
  using TCreateArg = TComponent;
  explicit TCheckListBox(TComponent* AOwner);

  bool GetChecked(int32_t Index) const { return GetState(Index) == cbChecked; }
  void SetChecked(int32_t Index, bool Value) { SetState(Index, Value ? cbChecked : cbUnchecked); }
  TCheckBoxState GetState(int32_t Index) const { return Items()->Flags(Index).State; }
  void SetState(int32_t Index, TCheckBoxState Value);
  bool GetItemEnabled(int32_t Index) const { return Items()->Flags(Index).Enabled; }
  void SetItemEnabled(int32_t Index, bool Value);
  bool GetHeader(int32_t Index) const { return Items()->Flags(Index).Header; }
  void SetHeader(int32_t Index, bool Value);
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  // The next state of the item, as a user's check gives it (nothing for a
  // disabled item or a header); fires OnClickCheck.
  void ToggleClickCheck(int32_t Index);
  // The width the check box takes at the left of each item.
  int32_t GetCheckWidth() const;
  void DrawItem(int32_t Index, const TRect& Rect, TOwnerDrawState State) override;

  TNotifyEvent OnClickCheck;

 protected:
  ~TCheckListBox() override = default;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  virtual void ClickCheck();

 private:
  TCheckListItems* Items() const { return static_cast<TCheckListItems*>(FItems); }
  void DrawCheck(const TRect& Box, TCheckBoxState State, bool Enabled);
  // The item whose check box is at Pos (client coordinates); -1 for none.
  int32_t BoxAt(TPoint Pos);
  int32_t FBoxDown = -1;  // the item whose box the left button went down on
  bool FAllowGrayed = false;
  bool FFlat = true;
};

}  // namespace host
