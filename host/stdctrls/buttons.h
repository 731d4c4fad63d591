// The button group of the stdctrls unit: push buttons, check boxes, radio
// buttons (TButtonControl and its action link) and the scroll bar
// (scrollbar.h).
//
// A button control paints itself and takes its input as a user gives it: a
// left click released over the control or Space while it has the focus
// "presses" it — a button clicks, a check box moves to its next state, a
// radio button checks itself. Enter and Esc pressed anywhere in the
// top-level control reach a default or cancel button through CM_DIALOGKEY.
//
// Bad input raises EInvalidOperation naming the control and changes
// nothing: a State, Alignment or Kind outside its enumeration.
#pragma once

#include <cstdint>
#include <span>

#include "host/controls/controls.h"

namespace host {

// The classes of the button group, in unit order.
std::span<const TClass> ButtonControlClasses();

class TButtonControl;

// Brings an action's Checked to a button control too. While the client
// follows the action, a change of the action's Checked reaches the client
// without clicking it (ClicksDisabled).
class TButtonActionLink : public TWinControlActionLink {
  HOST_CLASS(TButtonActionLink, TWinControlActionLink)
  using TCreateArg = TObject;
  explicit TButtonActionLink(TObject* AClient);
  bool IsCheckedLinked() override;

 protected:
  ~TButtonActionLink() override = default;
  void SetChecked(bool Value) override;

  TButtonControl* FButton;
};

// ------------------------------------------------------------- TButtonControl

// What push buttons, check boxes and radio buttons share: Checked (a
// button has none), ClicksDisabled (a change made by code or an action
// that must not fire OnClick), WordWrap, the canvas they paint on and the
// user's press.
class TButtonControl : public TWinControl {
  HOST_CLASS(TButtonControl, TWinControl)
  using TCreateArg = TComponent;
  explicit TButtonControl(TComponent* AOwner);

  virtual bool GetChecked() const { return false; }
  virtual void SetChecked(bool /*Value*/) {}
  bool GetClicksDisabled() const { return FClicksDisabled; }
  void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TCanvas* GetCanvas() const { return FCanvas; }
  // The left button went down on the control and has not come up yet.
  bool GetPressed() const { return FPressed; }

 protected:
  ~TButtonControl() override = default;
  void Destroy() override;
  TClass GetActionLinkClass() const override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // What a user's click or Space does: clicks (a button), toggles (a check
  // box), checks (a radio button).
  virtual void Press() { Click(); }
  // Fires OnClick unless ClicksDisabled: what a change of Checked or State
  // does, by the user or by code.
  void ClickUnlessDisabled();
  void PaintWindow(HDC DC) override;
  virtual void Paint() {}
  // Paints Caption in Rect (wrapped at spaces when WordWrap) and returns
  // the rectangle the text takes.
  TRect PaintCaption(const TRect& Rect, bool Centered);
  // The caption beside a box or circle, framed by the focus rectangle
  // while focused.
  void PaintCaptionBeside(const TRect& Rect);
  // Stores an Alignment of a check box or radio button (taCenter raises).
  void ChangeAlignment(TAlignment& Field, TAlignment Value);
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  TControlCanvas* FCanvas = nullptr;
  bool FClicksDisabled = false;
  bool FWordWrap = false;
  bool FPressed = false;
};

// -------------------------------------------------------------------- TButton

// A push button. A click sends its ModalResult to the top-level control
// (CM_MODALRESULT) before OnClick. Enter anywhere in the top-level control
// clicks the focused button, or the Default button when the focus is on
// no button; Esc clicks the Cancel button.
class TButton : public TButtonControl {
  HOST_CLASS(TButton, TButtonControl)
  using TCreateArg = TComponent;
  explicit TButton(TComponent* AOwner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  void Click() override;

 protected:
  ~TButton() override = default;
  void WndProc(TMessage& Message) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Paint() override;

 private:
  bool AnswersDialogKey(int64_t Key) const;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
};

// ---------------------------------------------------------------- check boxes

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };
HOST_ENUM_INFO(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

// A box with a caption beside it. Every change of State, by the user or by
// code (Checked included), fires OnClick unless ClicksDisabled. A press
// goes unchecked -> checked, then -> grayed when AllowGrayed, then back to
// unchecked. Alignment taRightJustify puts the caption right of the box,
// taLeftJustify left of it.
class TCustomCheckBox : public TButtonControl {
  HOST_CLASS(TCustomCheckBox, TButtonControl)
  using TCreateArg = TComponent;
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool GetChecked() const override { return FState == cbChecked; }
  void SetChecked(bool Value) override { SetState(Value ? cbChecked : cbUnchecked); }
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { ChangeAlignment(FAlignment, Value); }
  // The next state of a press.
  virtual void Toggle();

 protected:
  ~TCustomCheckBox() override = default;
  void Press() override { Toggle(); }
  void Paint() override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  HOST_CLASS(TCheckBox, TCustomCheckBox)
  using TCreateArg = TComponent;
  explicit TCheckBox(TComponent* AOwner) : TCustomCheckBox(AOwner) {}

 protected:
  ~TCheckBox() override = default;
};

// --------------------------------------------------------------- TRadioButton

// One choice of the radio buttons sharing a parent: checking it unchecks
// the others and fires OnClick (unless ClicksDisabled); a press checks it,
// never unchecks. A checked radio button is the one Tab stops at; the
// arrow keys check the previous or next radio button of the parent.
class TRadioButton : public TButtonControl {
  HOST_CLASS(TRadioButton, TButtonControl)
  using TCreateArg = TComponent;
  explicit TRadioButton(TComponent* AOwner);

  bool GetChecked() const override { return FChecked; }
  void SetChecked(bool Value) override;
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { ChangeAlignment(FAlignment, Value); }

 protected:
  ~TRadioButton() override = default;
  void Press() override { SetChecked(true); }
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void Paint() override;

 private:
  void TurnSiblingsOff();
  // The radio button Step places away among the parent's, wrapping round.
  TRadioButton* Neighbour(int Step) const;
  bool FChecked = false;
  TAlignment FAlignment = taRightJustify;
};

}  // namespace host
