// TToolButton and TToolBar: a row of buttons along the top of a form.
//
// A tool button is a graphic control; parenting it to a tool bar makes it
// one of the bar's buttons (the last), and the bar lays its shown buttons
// out left to right from its left edge: a button ButtonWidth wide (wider
// when ShowCaptions needs room for the caption; a drop-down button has an
// arrow part beside it) and ButtonHeight high; a separator or divider keeps
// its own Width (8 when new). Buttons show their image of the bar's Images
// and, with ShowCaptions, their caption under it. A Flat bar draws no frame
// round buttons that are up.
//
// A click on a button fires its OnClick (or runs its Action); a tbsCheck
// button goes down and up with each click, before OnClick. Grouped check
// buttons next to each other (no other button between) form a group of
// which at most one is down: one going down raises the others, and a click
// on the one down leaves it down unless AllowAllUp. A button with a
// DropdownMenu shows that pop-up menu below itself when the left button
// goes down on it: on the arrow part of a tbsDropDown button, or anywhere
// on a tbsDropDown button with neither OnClick nor Action, or on a button
// of another style. Separators and dividers take no clicks.
//
// Form files: the buttons go as children of their tool bar, in order.
//
// Bad input raises EInvalidOperation naming the control and changes
// nothing: a Style outside its enumeration, a ButtonWidth or ButtonHeight
// below 1; Buttons[i] outside the buttons raises EListError "List index
// out of bounds (%d)".
#pragma once

#include <cstdint>
#include <vector>

#include "host/controls/controls.h"

namespace host {

class TChangeLink;
class TCustomImageList;
class TPopupMenu;
class TToolBar;
class TToolButton;

enum TToolButtonStyle : uint8_t { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };
HOST_ENUM_INFO(TToolButtonStyle, "tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider")

// Brings an action's Checked (as Down) and ImageIndex to a tool button.
class TToolButtonActionLink : public TControlActionLink {
  HOST_CLASS(TToolButtonActionLink, TControlActionLink)
  using TCreateArg = TObject;
  explicit TToolButtonActionLink(TObject* AClient);
  bool IsCheckedLinked() override;
  bool IsImageIndexLinked() override;

 protected:
  ~TToolButtonActionLink() override = default;
  void SetChecked(bool Value) override;
  void SetImageIndex(TImageIndex Value) override;

  TToolButton* FButton;
};

class TToolButton : public TGraphicControl {
  HOST_CLASS(TToolButton, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TToolButton(TComponent* AOwner);

  TToolBar* GetToolBar() const { return FToolBar; }
  TToolButtonStyle GetStyle() const { return FStyle; }
  void SetStyle(TToolButtonStyle Value);
  bool GetDown() const { return FDown; }
  void SetDown(bool Value);
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);
  bool GetGrouped() const { return FGrouped; }
  void SetGrouped(bool Value) { FGrouped = Value; }
  bool GetAllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  TPopupMenu* GetDropdownMenu() const { return FDropdownMenu; }
  void SetDropdownMenu(TPopupMenu* Value);
  // The button's place among its bar's buttons; -1 without a bar.
  int32_t GetIndex() const;
  // The left button is down on the button (drawn pressed).
  bool GetPressed() const { return FPressed; }
  // The part of the button that shows its drop-down menu (client
  // coordinates; empty for a button without an arrow part).
  TRect ArrowRect() const;
  // Shows DropdownMenu below the button; false when it has none.
  bool CheckMenuDropdown();
  bool IsSeparator() const { return FStyle == tbsSeparator || FStyle == tbsDivider; }

  void SetParent(TWinControl* AParent) override;
  void SetText(const std::string& Value) override;

 protected:
  ~TToolButton() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TClass GetActionLinkClass() const override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;

 private:
  friend class TToolBar;
  bool DropsWholeButton() const;
  bool InGroup() const { return FGrouped && FStyle == tbsCheck; }
  // Raises the other buttons of this one's group.
  void RaiseGroup();
  void PaintFace(TCanvas* Canvas, TRect Face);
  void LayoutChanged();
  TToolBar* FToolBar = nullptr;
  TToolButtonStyle FStyle = tbsButton;
  bool FDown = false;
  bool FPressed = false;
  bool FGrouped = false;
  bool FAllowAllUp = false;
  int32_t FImageIndex = -1;
  TPopupMenu* FDropdownMenu = nullptr;
};

class TToolBar : public TCustomControl {
  HOST_CLASS(TToolBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TToolBar(TComponent* AOwner);

  int32_t GetButtonCount() const { return static_cast<int32_t>(FButtons.size()); }
  TToolButton* GetButton(int32_t Index) const;
  int32_t GetButtonWidth() const { return FButtonWidth; }
  void SetButtonWidth(int32_t Value) { SetButtonSize(FButtonWidth, Value); }
  int32_t GetButtonHeight() const { return FButtonHeight; }
  void SetButtonHeight(int32_t Value) { SetButtonSize(FButtonHeight, Value); }
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  bool GetShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  // Places the shown buttons left to right.
  void LayoutButtons();

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  ~TToolBar() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  void Paint() override;

 private:
  friend class TToolButton;
  void SetButtonSize(int32_t& Field, int32_t Value);
  int32_t WidthOf(TToolButton* Button);
  std::vector<TToolButton*> FButtons;
  int32_t FButtonWidth = 23;
  int32_t FButtonHeight = 22;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageLink = nullptr;
  bool FShowCaptions = false;
  bool FFlat = false;
  bool FLayingOut = false;
};

}  // namespace host
