// TCustomMaskEdit: an edit whose text follows an edit mask. Unmasked it
// is a plain edit; masked, typing overwrites the position at the caret.
#include <algorithm>
#include <utility>

#include "host/mask/mask.h"
#include "host/widgetset/wskeys.h"

namespace host {

HOST_IMPL(TCustomMaskEdit, TCustomEdit)
HOST_IMPL(TMaskEdit, TCustomMaskEdit)

namespace {

// Sets a flag for its lifetime.
class TFlagOn {
 public:
  explicit TFlagOn(bool& Flag) : FFlag(Flag), FWas(std::exchange(Flag, true)) {}
  ~TFlagOn() { FFlag = FWas; }
  TFlagOn(const TFlagOn&) = delete;
  TFlagOn& operator=(const TFlagOn&) = delete;

 private:
  bool& FFlag;
  bool FWas;
};

}  // namespace

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner), FMask(*TEditMask::Parse("")) {}

// The text kept across a change of mask is the one the old mask saved; a
// mask limits the text to its length (MaxLength), as the classic one does.
void TCustomMaskEdit::SetEditMask(const std::string& Value) {
  std::optional<TEditMask> mask = TEditMask::Parse(Value);
  if (!mask) throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(this)});
  if (Value == FEditMask) return;
  const std::string text = GetText();
  FEditMask = Value;
  FMask = std::move(*mask);
  if (IsMasked()) SetMaxLength(FMask.Length());
  SetText(text);
}

std::string TCustomMaskEdit::GetText() const {
  return IsMasked() ? FMask.Unformat(GetEditText()) : TControl::GetText();
}

void TCustomMaskEdit::SetText(const std::string& Value) {
  if (!IsMasked() || FMasking) return inherited::SetText(Value);
  SetEditText(FMask.Format(Value));
  FOldEditText = GetEditText();
}

// An edit text of the mask's shape is taken as it is; another one is
// fitted to the mask position by position.
void TCustomMaskEdit::SetEditText(const std::string& Value) {
  std::string edit = Value;
  if (IsMasked()) {
    const std::string blanks = FMask.Format("");
    edit.resize(blanks.size(), ' ');
    for (int32_t pos = 0; pos < FMask.Length(); ++pos) {
      char& c = edit[static_cast<std::size_t>(pos)];
      const char kept = FMask.IsLiteral(pos) || c == FMask.Blank() ? 0 : FMask.Accept(pos, c);
      c = kept ? kept : blanks[static_cast<std::size_t>(pos)];
    }
  }
  TFlagOn masking(FMasking);
  inherited::SetText(edit);
}

void TCustomMaskEdit::Reset() {
  if (!GetModified()) return;
  SetEditText(FOldEditText);
  SetModified(false);
}

void TCustomMaskEdit::DoEnter() {
  FOldEditText = GetEditText();
  inherited::DoEnter();
}

bool TCustomMaskEdit::WantsKey(uint16_t Key) const {
  return (Key == VK_ESCAPE && IsMasked() && GetModified()) || inherited::WantsKey(Key);
}

void TCustomMaskEdit::ValidateEdit() {
  if (!IsMasked()) return;
  const int32_t missing = FMask.FirstMissing(GetEditText());
  if (missing < 0) return;
  SetSelStart(missing);
  throw EDBEditError("Invalid input value.  Use escape key to abandon changes");
}

void TCustomMaskEdit::ReplacePositions(int32_t From, const std::string& Chars, int32_t Caret) {
  const auto alive = AliveFlag();
  {
    TFlagOn masking(FMasking);
    MoveCaret(From, false);
    MoveCaret(From + static_cast<int32_t>(Chars.size()), true);
    InsertText(Chars);
  }
  if (*alive) MoveCaret(Caret, false);
}

// The character goes at the first position from the caret that takes
// input; typed over the literal at the caret, it passes the literal.
void TCustomMaskEdit::TypeChar(char Key) {
  const auto alive = AliveFlag();
  if (GetSelLength() > 0) BlankSelection(true);
  if (!*alive) return;  // OnChange freed the control
  const int32_t caret = GetSelStart();
  if (caret < FMask.Length() && FMask.IsLiteral(caret) && GetEditText()[static_cast<std::size_t>(caret)] == Key) {
    MoveCaret(caret + 1, false);
    return;
  }
  const int32_t pos = FMask.NextInput(caret);
  const char accepted = pos < 0 ? 0 : FMask.Accept(pos, Key);
  if (!accepted) return;  // refused: the position does not take it
  const int32_t after = FMask.NextInput(pos + 1);
  ReplacePositions(pos, std::string(1, accepted), after < 0 ? FMask.Length() : after);
}

// Blanks the selection, or the input position after (Forward) or before
// the caret.
void TCustomMaskEdit::BlankSelection(bool Forward) {
  int32_t from = GetSelStart(), to = from + GetSelLength();
  if (from == to) {
    const int32_t pos = Forward ? FMask.NextInput(from) : FMask.PrevInput(from);
    if (pos < 0) return;
    from = pos;
    to = pos + 1;
  }
  const std::string blanks = FMask.Format("");
  ReplacePositions(from, blanks.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from)), from);
}

// Delete blanks; Esc abandons the changes made since the edit got the
// focus.
void TCustomMaskEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (!IsMasked() || (Key != VK_DELETE && Key != VK_ESCAPE)) return inherited::KeyDown(Key, Shift);
  const auto alive = AliveFlag();
  TWinControl::KeyDown(Key, Shift);  // OnKeyDown first
  if (!*alive || Key == 0) return;
  if (Key == VK_ESCAPE && GetModified()) {
    Key = 0;
    Reset();
  } else if (Key == VK_DELETE && CanEdit()) {
    BlankSelection(true);
  }
}

void TCustomMaskEdit::CutToClipboard() {
  if (!IsMasked()) return inherited::CutToClipboard();
  if (GetPasswordChar() != 0 || !CanEdit() || GetSelLength() == 0) return;
  CopyToClipboard();
  BlankSelection(true);
}

void TCustomMaskEdit::PasteFromClipboard() {
  if (!IsMasked()) return inherited::PasteFromClipboard();
  if (!CanEdit()) return;
  const std::string text = ClipboardText();
  const auto alive = AliveFlag();
  for (char c : text) {
    if (static_cast<unsigned char>(c) < ' ') continue;
    TypeChar(c);
    if (!*alive) return;  // OnChange freed the control
  }
}

// Typed characters and Backspace follow the mask; the other control
// characters (select all, copy, cut, paste) work as in any edit through
// the mask, and undo, which would bring back text of another shape, is
// ignored.
void TCustomMaskEdit::KeyPress(char& Key) {
  constexpr char kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24;
  const auto c = static_cast<unsigned char>(Key);
  if (!IsMasked() || Key == kCtrlA || Key == kCtrlC || Key == kCtrlV || Key == kCtrlX)
    return inherited::KeyPress(Key);
  const auto alive = AliveFlag();
  TWinControl::KeyPress(Key);  // OnKeyPress first
  if (!*alive || Key == 0 || !CanEdit()) return;
  if (Key == '\b')
    BlankSelection(false);
  else if (c >= ' ' && c != 0x7F)
    TypeChar(Key);
}

}  // namespace host
