// The mask unit of the host: the edit with an input mask (TMaskEdit).
//
// An EditMask has up to three fields separated by ';': the mask, whether
// Text keeps the mask's literal characters ('1', the default) or not
// ('0'), and the character shown for a position not filled in ('_' by
// default). In the mask:
//   0  a digit, required        9  a digit, optional
//   #  a digit or sign, optional
//   L  a letter, required       l  a letter, optional
//   A  a letter or digit, required   a  the same, optional
//   C  any character, required  c  any character, optional
//   >  the following letters upper case, <  lower case, <> as typed
//   !  optional positions blank at the start rather than the end (kept)
//   \  the next character is a literal
//   _  a space as a literal; any other character is a literal.
// "!99/99/0000;1;_" is a date whose Text keeps the slashes.
//
// EditText is what the control shows: every position of the mask, literals
// in place, the blank character where nothing was typed. A typed character
// overwrites the position at the caret (literals are skipped) when it fits
// there and is refused otherwise; Backspace and Delete blank positions,
// and Esc abandons the changes (the classic message of ValidateEdit says
// so), rather than reaching a Cancel button, while there are any.
// Text is EditText with blanks as spaces (and without the literals when
// the mask says so); setting it fills the positions in order, a character
// that does not fit its position leaving it blank.
//
// Bad input: an EditMask that ends in '\', whose second field is neither
// '0' nor '1' or whose blank field is longer than one character raises
// EInvalidOperation "Invalid property value" naming the control and
// changes nothing. ValidateEdit raises EDBEditError "Invalid input value.
// Use escape key to abandon changes" while a required position is blank,
// putting the caret there.
//
// Start-up order (each step counted, undone in reverse):
//   ... RegisterStdCtrlsClasses();   host/stdctrls
//   RegisterMaskClasses();           this unit
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "host/stdctrls/texts.h"

namespace host {

HOST_EXCEPTION(EDBEditError, Exception)

void RegisterMaskClasses();
void UnregisterMaskClasses();
// The classes of this unit, in unit order.
std::span<const TClass> MaskClasses();

// ------------------------------------------------------------------ TEditMask

// A parsed edit mask: its positions and how Text and EditText map.
class TEditMask {
 public:
  // Null for a mask that is not well formed.
  static std::optional<TEditMask> Parse(const std::string& EditMask);

  bool IsEmpty() const { return FPositions.empty(); }
  int32_t Length() const { return static_cast<int32_t>(FPositions.size()); }
  bool IsLiteral(int32_t Pos) const { return At(Pos).Kind == kLiteral; }
  // C as position Pos takes it (case applied), or 0 when it does not fit.
  char Accept(int32_t Pos, char C) const;
  char Blank() const { return FBlank; }
  bool SaveLiterals() const { return FSaveLiterals; }
  // The first position from Pos on (Forward) or before Pos that takes
  // input; -1 when none.
  int32_t NextInput(int32_t Pos) const;
  int32_t PrevInput(int32_t Pos) const;
  // EditText of a Text; Text of an EditText.
  std::string Format(const std::string& Text) const;
  std::string Unformat(const std::string& EditText) const;
  // The first required position EditText leaves blank; -1 when none.
  int32_t FirstMissing(const std::string& EditText) const;

 private:
  static constexpr char kLiteral = 0;
  enum TCase : uint8_t { kAsTyped, kUpper, kLower };
  struct TPosition {
    char Kind = kLiteral;  // the mask character, or kLiteral
    char Literal = 0;
    TCase Case = kAsTyped;
  };
  const TPosition& At(int32_t Pos) const { return FPositions[static_cast<std::size_t>(Pos)]; }
  std::vector<TPosition> FPositions;
  bool FSaveLiterals = true;
  char FBlank = '_';
};

// ------------------------------------------------------------ TCustomMaskEdit

class TCustomMaskEdit : public TCustomEdit {
  HOST_CLASS(TCustomMaskEdit, TCustomEdit)
  using TCreateArg = TComponent;
  explicit TCustomMaskEdit(TComponent* AOwner);

  std::string GetEditMask() const { return FEditMask; }
  void SetEditMask(const std::string& Value);
  bool IsMasked() const { return !FMask.IsEmpty(); }
  // What the control shows (the mask's literals and blanks included).
  std::string GetEditText() const { return TControl::GetText(); }
  void SetEditText(const std::string& Value);
  // The text as the mask saves it (see above); unmasked, the plain text.
  std::string GetText() const;
  void SetText(const std::string& Value) override;
  void ValidateEdit();
  // Puts back the edit text the control had when it got the focus (or its
  // text was last set), as Esc does while the text is modified.
  void Reset();

 protected:
  ~TCustomMaskEdit() override = default;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  // Masked, cutting blanks the selection, and pasting types the
  // clipboard's characters one by one through the mask (those no position
  // takes are left out), as the classic masked edit does.
  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void DoEnter() override;
  bool WantsKey(uint16_t Key) const override;

 private:
  // Replaces the positions From..To (exclusive) of the edit text with
  // Chars as an edit of the user, leaving the caret at Caret.
  void ReplacePositions(int32_t From, const std::string& Chars, int32_t Caret);
  void TypeChar(char Key);
  void BlankSelection(bool Forward);
  std::string FEditMask;
  TEditMask FMask;
  bool FMasking = false;     // the control is changing its own edit text
  std::string FOldEditText;  // what Reset puts back
};

class TMaskEdit : public TCustomMaskEdit {
  HOST_CLASS(TMaskEdit, TCustomMaskEdit)
  using TCreateArg = TComponent;
  explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}

 protected:
  ~TMaskEdit() override = default;
};

}  // namespace host
