// The containers of extctrls: the panel and the radio group.
//
// A panel draws an outer bevel, a border of BorderWidth pixels in its
// colour and an inner bevel, each bevel BevelWidth pixels deep, fills the
// rest with its colour and shows its caption there (Alignment, centred
// vertically); the controls in it are laid out inside the bevels.
//
// A radio group is a group box with one radio button per line of Items,
// laid out top to bottom in Columns columns. ItemIndex is the checked line
// (-1 for none). Checking a line, by a click, an arrow key or code, fires
// the group's OnClick (not while the group is being loaded from a form).
//
// Bad input raises and changes nothing: an Alignment, BevelInner,
// BevelOuter or BorderStyle outside its enumeration (EInvalidOperation
// naming the control), Columns outside 1..16 (EInvalidOperation), an
// ItemIndex outside -1..Items.Count-1 (EListError; an ItemIndex read from
// a form is checked against the items read with it when loading ends).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controls.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/texts.h"

namespace host {

// The classes of the panel group, in unit order.
std::span<const TClass> PanelControlClasses();

// --------------------------------------------------------------- TCustomPanel

class TCustomPanel : public TCustomControl {
  HOST_CLASS(TCustomPanel, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomPanel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  // The bevels are TWinControl's, drawn and laid out by the panel itself.
  void SetBevelInner(TBevelCut Value);
  void SetBevelOuter(TBevelCut Value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  bool GetFullRepaint() const { return FFullRepaint; }
  void SetFullRepaint(bool Value) { FFullRepaint = Value; }
  // A locked panel stays in place when an in-place server would take its
  // room; the panel itself only keeps the flag.
  bool GetLocked() const { return FLocked; }
  void SetLocked(bool Value) { FLocked = Value; }
  // Whether the caption is drawn (the later libraries' panels).
  bool GetShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value);
  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomPanel() override = default;
  void AdjustClientRect(TRect& Rect) override;
  void Resize() override;
  void Paint() override;

 private:
  TAlignment FAlignment = taCenter;
  TBorderStyle FBorderStyle = bsNone;
  bool FFullRepaint = true;
  bool FLocked = false;
  bool FShowCaption = true;
};

class TPanel : public TCustomPanel {
  HOST_CLASS(TPanel, TCustomPanel)
  using TCreateArg = TComponent;
  explicit TPanel(TComponent* AOwner) : TCustomPanel(AOwner) {}

 protected:
  ~TPanel() override = default;
};

// ---------------------------------------------------------- TCustomRadioGroup

class TCustomRadioGroup;

// One line of a radio group: its clicks reach the group.
class TGroupButton : public TRadioButton {
  HOST_CLASS(TGroupButton, TRadioButton)
  using TCreateArg = TCustomRadioGroup;
  explicit TGroupButton(TCustomRadioGroup* RadioGroup);

 protected:
  ~TGroupButton() override = default;
};

class TCustomRadioGroup : public TCustomGroupBox {
  HOST_CLASS(TCustomRadioGroup, TCustomGroupBox)
  using TCreateArg = TComponent;
  explicit TCustomRadioGroup(TComponent* AOwner);

  TStrings* GetItems() const { return FItems; }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  int32_t GetItemIndex() const { return FItemIndex; }
  void SetItemIndex(int32_t Value);
  int32_t GetColumns() const { return FColumns; }
  void SetColumns(int32_t Value);
  // The radio buttons, one per item, in item order.
  int32_t GetButtonCount() const { return static_cast<int32_t>(FButtons.size()); }
  TGroupButton* GetButton(int32_t Index) const;
  void SetEnabled(bool Value) override;
  // The buttons follow Items, never flipped.
  void FlipChildren(bool /*AllLevels*/) override {}
  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomRadioGroup() override = default;
  void Destroy() override;
  void Loaded() override;
  void Resize() override;

 private:
  friend class TGroupButton;
  // A button was checked (by the user or by code): it becomes ItemIndex.
  void ButtonClick(TObject* Sender);
  void ItemsChange(TObject* Sender);
  // Buttons for the items as they are now (ItemIndex kept within them).
  void SyncButtons();
  // One button per item, captions from the items, the checked one ItemIndex.
  void UpdateButtons();
  void ArrangeButtons();
  void CheckItemIndex(int32_t Value) const;
  TStringList* FItems = nullptr;
  std::vector<TGroupButton*> FButtons;
  int32_t FItemIndex = -1;
  int32_t FColumns = 1;
  bool FUpdating = false;
};

class TRadioGroup : public TCustomRadioGroup {
  HOST_CLASS(TRadioGroup, TCustomRadioGroup)
  using TCreateArg = TComponent;
  explicit TRadioGroup(TComponent* AOwner) : TCustomRadioGroup(AOwner) {}

 protected:
  ~TRadioGroup() override = default;
};

}  // namespace host
