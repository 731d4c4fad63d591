// The text controls of stdctrls: the group box, the label and the static
// text that show a caption, and the edit and the memo that edit text.
//
// Accelerators: a caption's '&' marks the next character as its
// accelerator ("&&" shows one '&'). Alt with that letter, typed in any
// control of the top-level parent, reaches the top-level control as
// CM_DIALOGCHAR (TWinControl::DialogKey sends it), which passes it down its
// children; a label or static text with that accelerator focuses its
// FocusControl and answers 1.
//
// Editing: an edit keeps its text (Text, as every control) and a selection
// from an anchor to the caret. Typed characters (WM_CHAR after OnKeyPress)
// replace the selection at the caret; Backspace, Delete, the arrows, Home
// and End (Shift extends the selection) and Ctrl+A/C/X/V/Z edit and move
// as classic. Every change of the text, typed, pasted or set, fires
// OnChange. Setting Text from the program puts the caret at the start and
// forgets the undo step; an edit the user made keeps one undo step (Undo
// swaps back and forth, as the classic edit control). The clipboard holds
// the text as CF_TEXT: a memory block with the characters and a closing
// zero.
//
// Bad input raises and changes nothing: a negative MaxLength raises
// EInvalidOperation naming the control; a line index out of Memo.Lines
// raises EStringListError "List index out of bounds (%d)".
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "host/classes/strings.h"
#include "host/controls/controls.h"

namespace host {

enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
HOST_ENUM_INFO(TTextLayout, "tlTop", "tlCenter", "tlBottom")
enum TStaticBorderStyle : uint8_t { sbsNone, sbsSingle, sbsSunken };
HOST_ENUM_INFO(TStaticBorderStyle, "sbsNone", "sbsSingle", "sbsSunken")
enum TEditCharCase : uint8_t { ecNormal, ecUpperCase, ecLowerCase };
HOST_ENUM_INFO(TEditCharCase, "ecNormal", "ecUpperCase", "ecLowerCase")
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
HOST_ENUM_INFO(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

// The caption as shown: with ShowAccelChar, "&&" shows '&' and a single '&'
// is dropped.
std::string StripAccelChars(const std::string& Caption, bool ShowAccelChar);
// Whether Key (a character, any case) is the accelerator of Caption.
bool IsAccel(uint16_t Key, const std::string& Caption);

// ------------------------------------------------------------ TCustomGroupBox

// A container with a frame and its caption on the frame's top line; the
// controls in it are laid out below the caption and inside the frame.
class TCustomGroupBox : public TCustomControl {
  HOST_CLASS(TCustomGroupBox, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomGroupBox(TComponent* AOwner);

  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomGroupBox() override = default;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
};

class TGroupBox : public TCustomGroupBox {
  HOST_CLASS(TGroupBox, TCustomGroupBox)
  using TCreateArg = TComponent;
  explicit TGroupBox(TComponent* AOwner) : TCustomGroupBox(AOwner) {}

 protected:
  ~TGroupBox() override = default;
};

// --------------------------------------------------------------- TCustomLabel

// A graphic control showing its caption; with AutoSize (the default) it
// takes the size of its text (keeping its right edge when right aligned, its
// width when wrapping words).
class TCustomLabel : public TGraphicControl {
  HOST_CLASS(TCustomLabel, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TCustomLabel(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout GetLayout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;
  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomLabel() override = default;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void AdjustBounds();

 private:
  TAlignment FAlignment = taLeftJustify;
  TTextLayout FLayout = tlTop;
  bool FWordWrap = false;
  bool FTransparent = false;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TLabel : public TCustomLabel {
  HOST_CLASS(TLabel, TCustomLabel)
  using TCreateArg = TComponent;
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}

 protected:
  ~TLabel() override = default;
};

// ---------------------------------------------------------- TCustomStaticText

// A windowed label: its caption in an optional border, sized to the text
// with AutoSize (the default).
class TCustomStaticText : public TCustomControl {
  HOST_CLASS(TCustomStaticText, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomStaticText(TComponent* AOwner);

  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TStaticBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TStaticBorderStyle Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  TWinControl* GetFocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  void SetAutoSize(bool Value) override;
  void WndProc(TMessage& Message) override;

 protected:
  ~TCustomStaticText() override = default;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Paint() override;
  void AdjustBounds();

 private:
  int32_t BorderWidth() const { return FBorderStyle == sbsNone ? 0 : 1; }
  TAlignment FAlignment = taLeftJustify;
  TStaticBorderStyle FBorderStyle = sbsNone;
  bool FShowAccelChar = true;
  TWinControl* FFocusControl = nullptr;
};

class TStaticText : public TCustomStaticText {
  HOST_CLASS(TStaticText, TCustomStaticText)
  using TCreateArg = TComponent;
  explicit TStaticText(TComponent* AOwner) : TCustomStaticText(AOwner) {}

 protected:
  ~TStaticText() override = default;
};

// ---------------------------------------------------------------- TCustomEdit

// A one-line text editor (and the editing engine of the memo).
class TCustomEdit : public TWinControl {
  HOST_CLASS(TCustomEdit, TWinControl)
  using TCreateArg = TComponent;
  explicit TCustomEdit(TComponent* AOwner);

  // ------------------------------------------------------------ selection
  // Positions beyond the text are taken as its end, below zero as its start.
  int32_t GetSelStart() const { return std::min(FAnchor, FCaret); }
  void SetSelStart(int32_t Value);
  int32_t GetSelLength() const { return std::abs(FCaret - FAnchor); }
  void SetSelLength(int32_t Value);
  std::string GetSelText() const;
  // Replaces the selection (as typed text: case and MaxLength apply).
  void SetSelText(const std::string& Value);
  void SelectAll();
  void ClearSelection();

  // ------------------------------------------------------ clipboard, undo
  // Copying and cutting do nothing while PasswordChar hides the text.
  void CopyToClipboard();
  virtual void CutToClipboard();
  virtual void PasteFromClipboard();
  bool GetCanUndo() const { return FCanUndo; }
  void Undo();
  void ClearUndo() { FCanUndo = false; }

  // ----------------------------------------------------------- properties
  // 0: no limit. Typed text beyond it is ignored, pasted text cut to fit;
  // the text set by the program is not limited.
  int32_t GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int32_t Value);
  // Typed, pasted and set text takes the case; changing it converts the text.
  TEditCharCase GetCharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);
  char GetPasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(char Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  bool GetModified() const { return FModified; }
  void SetModified(bool Value) { FModified = Value; }
  bool GetAutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  // Kept for the form file only: the text has no OEM code page to pass
  // through here, so it is never converted.
  bool GetOEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { FOEMConvert = Value; }
  // Empties the text, as setting Text to "" does.
  void Clear() { SetText(std::string()); }
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  TCanvas* GetCanvas() const { return FCanvas; }

  void WndProc(TMessage& Message) override;

  TNotifyEvent OnChange;

 protected:
  ~TCustomEdit() override = default;
  void Destroy() override;
  void PaintWindow(HDC DC) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void DoEnter() override;
  virtual void Change();
  virtual bool IsMultiLine() const { return false; }

  // A typed character that is no plain one (Enter, Tab); the edit ignores it.
  virtual void SpecialChar(char /*Key*/) {}
  // The CF_TEXT of the clipboard up to its first zero; empty when it has none.
  static std::string ClipboardText();
  // Whether the control takes a special key itself (CM_WANTSPECIALKEY).
  virtual bool WantsKey(uint16_t Key) const;
  // Where a navigation key puts the caret (-1: the key does not move it).
  virtual int32_t CaretTarget(uint16_t Key) const;
  // Called after the text changed, from the program or by an edit.
  virtual void TextChanged() {}
  // The text as painted, one entry a line, each with where it starts in Text.
  struct TShownLine {
    std::string Text;
    int32_t Start = 0;
  };
  virtual std::vector<TShownLine> ShownLines() const;
  virtual TAlignment ShownAlignment() const { return taLeftJustify; }

  // Replaces the selection with Inserted (case and MaxLength applied) as
  // an edit of the user: undoable, Modified, OnChange. Text that does not
  // fit at all changes nothing.
  void InsertText(const std::string& Inserted);
  // The text position nearest to a point of the client area.
  int32_t PositionAt(TPoint Point);
  // Where the text is painted.
  TRect TextBox() const;
  void MoveCaret(int32_t Position, bool Extend);
  int32_t TextLength() const { return static_cast<int32_t>(FText.size()); }
  // The position after (Forward) or before the character at Position, a
  // "\r\n" pair taken as one.
  int32_t Step(int32_t Position, bool Forward) const;
  bool CanEdit() const { return !FReadOnly && GetEnabled(); }

  int32_t FAnchor = 0;  // where the selection started
  int32_t FCaret = 0;   // where it ends, and the caret is

 private:
  void ReplaceRange(int32_t Start, int32_t End, const std::string& Inserted);
  void CommitEdit(std::string Text, int32_t Anchor, int32_t Caret);
  void DeleteAtCaret(bool Forward);
  void ControlChar(char Key);
  void TextSet();
  std::string Cased(std::string Text) const;
  void PaintLine(const TShownLine& Line, int32_t Y);

  int32_t FMaxLength = 0;
  TEditCharCase FCharCase = ecNormal;
  char FPasswordChar = 0;
  bool FReadOnly = false;
  bool FModified = false;
  bool FAutoSelect = true;
  bool FOEMConvert = false;
  bool FHideSelection = true;
  TBorderStyle FBorderStyle = bsSingle;
  bool FEditing = false;  // the control is changing its own text
  bool FCanUndo = false;
  std::string FUndoText;
  int32_t FUndoAnchor = 0, FUndoCaret = 0;
  TControlCanvas* FCanvas = nullptr;
};

class TEdit : public TCustomEdit {
  HOST_CLASS(TEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

 protected:
  ~TEdit() override = default;
};

// ---------------------------------------------------------------- TCustomMemo

// A text editor of several lines. Lines holds the text's lines (split at
// "\r\n", "\n" or "\r") and is kept in step with Text both ways: changing
// Lines sets Text to its lines joined by "\r\n".
class TCustomMemo : public TCustomEdit {
  HOST_CLASS(TCustomMemo, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TCustomMemo(TComponent* AOwner);

  TStrings* GetLines() const { return FLines; }
  void SetLines(TStrings* Value) { FLines->Assign(Value); }
  // X the column, Y the line of the caret; setting it clamps to the text.
  TPoint GetCaretPos() const;
  void SetCaretPos(TPoint Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TScrollStyle GetScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool GetWantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool GetWantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  ~TCustomMemo() override = default;
  void Destroy() override;
  bool IsMultiLine() const override { return true; }
  void SpecialChar(char Key) override;
  bool WantsKey(uint16_t Key) const override;
  int32_t CaretTarget(uint16_t Key) const override;
  void TextChanged() override;
  std::vector<TShownLine> ShownLines() const override;
  TAlignment ShownAlignment() const override { return FAlignment; }

 private:
  // Where each line of the text starts and how long it is.
  struct TLineSpan {
    int32_t Start = 0;
    int32_t Length = 0;
  };
  std::vector<TLineSpan> LineSpans() const;
  int32_t LineOf(const std::vector<TLineSpan>& Spans, int32_t Position) const;
  void LinesChanged(TObject* Sender);

  TStringList* FLines = nullptr;
  bool FSyncing = false;  // Lines and Text are being brought in step
  TAlignment FAlignment = taLeftJustify;
  TScrollStyle FScrollBars = ssNone;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
  HOST_CLASS(TMemo, TCustomMemo)
  using TCreateArg = TComponent;
  explicit TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}

 protected:
  ~TMemo() override = default;
};

// The classes of this group, in unit order.
std::span<const TClass> TextControlClasses();

}  // namespace host
