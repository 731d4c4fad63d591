// TCustomEdit: the text, the selection from an anchor to the caret, typed
// keys and characters, one undo step, the clipboard, and painting the text
// with its selection.
#include <algorithm>
#include <cctype>
#include <vector>

#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TCustomEdit, TWinControl)
HOST_IMPL(TEdit, TCustomEdit)

namespace {

// The space between the control's edge and its text (the border and one pixel).
constexpr int32_t kTextMargin = 2;

// The control characters Ctrl with a letter types.
constexpr char kCtrlA = 1, kCtrlC = 3, kCtrlV = 22, kCtrlX = 24, kCtrlZ = 26;

TWidgetSet& OpenedClipboard() {
  TWidgetSet& ws = WidgetSet();
  if (!ws.OpenClipboard()) throw EInvalidOperation("Cannot open clipboard");
  return ws;
}

// Puts Text on the clipboard as CF_TEXT: the characters and a closing zero.
void SetClipboardText(const std::string& Text) {
  TWidgetSet& ws = OpenedClipboard();
  std::vector<uint8_t> bytes(Text.begin(), Text.end());
  bytes.push_back(0);
  ws.EmptyClipboard();
  const HGLOBAL block = ws.GlobalAllocBytes(bytes);
  if (block && !ws.SetClipboardData(CF_TEXT, block)) ws.GlobalFree(block);
  ws.CloseClipboard();
}


}  // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FTabStop = true;
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
  FCanvas = New<TControlCanvas>();
  FCanvas->SetControl(this);
}

void TCustomEdit::Destroy() {
  FCanvas->FreeHandle();
  inherited::Destroy();
  FreeAndNil(FCanvas);
}

// ------------------------------------------------------------ selection

void TCustomEdit::SetSelStart(int32_t Value) { MoveCaret(Value, false); }

void TCustomEdit::SetSelLength(int32_t Value) {
  const int32_t start = GetSelStart();
  MoveCaret(start, false);
  MoveCaret(ClampToInt32(int64_t{start} + Value), true);
}

std::string TCustomEdit::GetSelText() const {
  return FText.substr(static_cast<std::size_t>(GetSelStart()), static_cast<std::size_t>(GetSelLength()));
}

void TCustomEdit::SetSelText(const std::string& Value) { InsertText(Value); }

void TCustomEdit::SelectAll() {
  MoveCaret(0, false);
  MoveCaret(TextLength(), true);
}

void TCustomEdit::ClearSelection() {
  if (CanEdit() && GetSelLength() > 0) InsertText("");
}

void TCustomEdit::MoveCaret(int32_t Position, bool Extend) {
  FCaret = std::clamp(Position, 0, TextLength());
  if (!Extend) FAnchor = FCaret;
  Invalidate();
}

int32_t TCustomEdit::Step(int32_t Position, bool Forward) const {
  const auto at = [this](int32_t i) { return i >= 0 && i < TextLength() ? FText[static_cast<std::size_t>(i)] : '\0'; };
  const bool pairAhead = Forward && at(Position) == '\r' && at(Position + 1) == '\n';
  const bool pairBehind = !Forward && at(Position - 1) == '\n' && at(Position - 2) == '\r';
  const int32_t step = pairAhead || pairBehind ? 2 : 1;
  return std::clamp(Forward ? Position + step : Position - step, 0, TextLength());
}

// ------------------------------------------------------------ editing

std::string TCustomEdit::Cased(std::string Text) const {
  if (FCharCase == ecNormal) return Text;
  for (char& c : Text) {
    const auto u = static_cast<unsigned char>(c);
    c = static_cast<char>(FCharCase == ecUpperCase ? std::toupper(u) : std::tolower(u));
  }
  return Text;
}

// A one-line edit takes pasted text up to its first line break.
void TCustomEdit::InsertText(const std::string& Inserted) {
  std::string text = Cased(IsMultiLine() ? Inserted : Inserted.substr(0, Inserted.find_first_of("\r\n")));
  if (FMaxLength > 0) {
    const int64_t room = int64_t{FMaxLength} - (TextLength() - GetSelLength());
    text.resize(static_cast<std::size_t>(std::clamp<int64_t>(room, 0, static_cast<int64_t>(text.size()))));
  }
  if (text.empty() && (!Inserted.empty() || GetSelLength() == 0)) return;
  ReplaceRange(GetSelStart(), GetSelStart() + GetSelLength(), text);
}

void TCustomEdit::ReplaceRange(int32_t Start, int32_t End, const std::string& Inserted) {
  std::string text = FText;
  text.replace(static_cast<std::size_t>(Start), static_cast<std::size_t>(End - Start), Inserted);
  const int32_t caret = ClampToInt32(int64_t{Start} + static_cast<int64_t>(Inserted.size()));
  CommitEdit(std::move(text), caret, caret);
}

// The text and selection an edit of the user leaves; the ones before stay
// as the undo step.
void TCustomEdit::CommitEdit(std::string Text, int32_t Anchor, int32_t Caret) {
  if (Text == FText) {
    MoveCaret(Anchor, false);
    MoveCaret(Caret, true);
    return;
  }
  FUndoText = FText;
  FUndoAnchor = FAnchor;
  FUndoCaret = FCaret;
  FCanUndo = true;
  FModified = true;
  FAnchor = Anchor;
  FCaret = Caret;
  FEditing = true;
  SetText(Text);
}

// The undo step swaps with the text, so a second Undo redoes.
void TCustomEdit::Undo() {
  if (FCanUndo) CommitEdit(FUndoText, FUndoAnchor, FUndoCaret);
}

void TCustomEdit::DeleteAtCaret(bool Forward) {
  if (GetSelLength() == 0) MoveCaret(Step(FCaret, Forward), true);
  if (GetSelLength() > 0) InsertText("");
}

// Text set by the program takes the case, puts the caret at the start and
// forgets the undo step and the modification.
void TCustomEdit::TextSet() {
  FText = Cased(FText);
  FAnchor = FCaret = 0;
  FCanUndo = false;
  FModified = false;
}

// ------------------------------------------------------------ clipboard

void TCustomEdit::CopyToClipboard() {
  if (FPasswordChar == 0 && GetSelLength() > 0) SetClipboardText(GetSelText());
}

void TCustomEdit::CutToClipboard() {
  if (FPasswordChar != 0 || !CanEdit()) return;
  CopyToClipboard();
  ClearSelection();
}

std::string TCustomEdit::ClipboardText() {
  TWidgetSet& ws = OpenedClipboard();
  const THandle data = ws.GetClipboardData(CF_TEXT);
  std::string text;
  if (data) {
    const std::span<const uint8_t> bytes = ws.GlobalBytes(data);
    text.assign(bytes.begin(), std::find(bytes.begin(), bytes.end(), uint8_t{0}));
  }
  ws.CloseClipboard();
  return text;
}

void TCustomEdit::PasteFromClipboard() {
  if (!CanEdit()) return;
  const std::string text = ClipboardText();
  if (!text.empty()) InsertText(text);
}

// ------------------------------------------------------------ properties

void TCustomEdit::SetMaxLength(int32_t Value) {
  if (Value < 0) throw EInvalidOperation("MaxLength property out of range (control '%s')", {ControlDisplayName(this)});
  FMaxLength = Value;
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
  if (FCharCase == Value) return;
  FCharCase = Value;
  const int32_t anchor = FAnchor, caret = FCaret;
  const auto alive = AliveFlag();
  SetText(Cased(FText));
  if (!*alive) return;
  FAnchor = anchor;  // the text keeps its length: the selection stays where it was
  FCaret = caret;
}

void TCustomEdit::SetPasswordChar(char Value) {
  if (ChangeField(FPasswordChar, Value)) Invalidate();
}

void TCustomEdit::SetHideSelection(bool Value) {
  if (ChangeField(FHideSelection, Value)) Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
  if (ChangeField(FBorderStyle, Value)) Invalidate();
}

// ------------------------------------------------------------ messages

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
      Message.Result = WantsKey(static_cast<uint16_t>(static_cast<TWMGeneric&>(Message).WParam)) ? 1 : 0;
      return;
    case CM_TEXTCHANGED:
      if (!std::exchange(FEditing, false)) TextSet();
      TextChanged();
      inherited::WndProc(Message);
      Change();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const auto alive = AliveFlag();
      inherited::WndProc(Message);
      if (*alive) Invalidate();  // the selection shows only while focused (unless HideSelection is off)
      return;
    }
    default:
      inherited::WndProc(Message);
      return;
  }
}

void TCustomEdit::DoEnter() {
  if (FAutoSelect) SelectAll();
  inherited::DoEnter();
}

bool TCustomEdit::WantsKey(uint16_t Key) const { return Key >= VK_LEFT && Key <= VK_DOWN; }

int32_t TCustomEdit::CaretTarget(uint16_t Key) const {
  switch (Key) {
    case VK_LEFT:
      return Step(FCaret, false);
    case VK_RIGHT:
      return Step(FCaret, true);
    case VK_HOME:
      return 0;
    case VK_END:
      return TextLength();
    default:
      return -1;
  }
}

void TCustomEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
  const auto alive = AliveFlag();
  inherited::KeyDown(Key, Shift);
  if (!*alive || Key == 0) return;
  if (Key == VK_DELETE) {
    if (CanEdit()) DeleteAtCaret(true);
    return;
  }
  if (const int32_t target = CaretTarget(Key); target >= 0) MoveCaret(target, Shift.Contains(ssShift));
}

// A character that OnKeyPress let through goes in at the caret.
void TCustomEdit::KeyPress(char& Key) {
  const auto alive = AliveFlag();
  inherited::KeyPress(Key);
  if (!*alive || Key == 0) return;
  const auto c = static_cast<unsigned char>(Key);
  if (c < ' ' || c == 0x7F)
    ControlChar(Key);
  else if (CanEdit())
    InsertText(std::string(1, Key));
}

void TCustomEdit::ControlChar(char Key) {
  switch (Key) {
    case kCtrlA:
      SelectAll();
      return;
    case kCtrlC:
      CopyToClipboard();
      return;
    case kCtrlV:
      PasteFromClipboard();
      return;
    case kCtrlX:
      CutToClipboard();
      return;
    default:
      break;
  }
  if (!CanEdit()) return;
  if (Key == kCtrlZ)
    Undo();
  else if (Key == '\b')
    DeleteAtCaret(false);
  else
    SpecialChar(Key);
}

// A click puts the caret at the character nearest to it (Shift extends the
// selection) and focuses the control.
void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) {
  const auto alive = AliveFlag();
  if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
  if (!*alive) return;
  if (Button == mbLeft) MoveCaret(PositionAt({X, Y}), Shift.Contains(ssShift));
  inherited::MouseDown(Button, Shift, X, Y);
}

int32_t TCustomEdit::PositionAt(TPoint Point) {
  const std::vector<TShownLine> lines = ShownLines();
  TMeasuringCanvas measuring(GetFont());
  TCanvas* canvas = measuring.Canvas();
  const int32_t row =
      std::clamp((Point.Y - kTextMargin) / std::max(1, LineHeight(canvas)), 0, static_cast<int32_t>(lines.size()) - 1);
  const TShownLine& line = lines[static_cast<std::size_t>(row)];
  if (line.Start < 0) return FCaret;
  const int32_t x = Point.X - AlignedX(TextBox(), canvas->TextWidth(line.Text), ShownAlignment());
  int32_t best = 0, bestDistance = std::abs(x);
  for (std::size_t column = 1; column <= line.Text.size(); ++column) {
    const int32_t distance = std::abs(canvas->TextWidth(line.Text.substr(0, column)) - x);
    if (distance < bestDistance) best = static_cast<int32_t>(column), bestDistance = distance;
  }
  return line.Start + best;
}

// ------------------------------------------------------------ painting

std::vector<TCustomEdit::TShownLine> TCustomEdit::ShownLines() const {
  return {{FPasswordChar ? std::string(FText.size(), FPasswordChar) : FText, 0}};
}

TRect TCustomEdit::TextBox() const {
  return Rect(kTextMargin, kTextMargin, std::max(kTextMargin, FWidth - kTextMargin), FHeight);
}

void TCustomEdit::PaintWindow(HDC DC) {
  PaintBackground(DC);
  FCanvas->DrawOn(DC, [this] {
    DrawSingleBorder(FCanvas, FBorderStyle, FWidth, FHeight);
    FCanvas->SetFont(GetFont());
    if (!GetEnabled()) FCanvas->GetFont()->SetColor(clGrayText);
    const int32_t lineHeight = LineHeight(FCanvas);
    int32_t y = kTextMargin;
    for (const TShownLine& line : ShownLines()) {
      PaintLine(line, y);
      y = ClampToInt32(int64_t{y} + lineHeight);
    }
  });
}

// The line's text, and the part of the selection on it in the highlight
// colours (while focused, or always when HideSelection is off).
void TCustomEdit::PaintLine(const TShownLine& Line, int32_t Y) {
  const int32_t x = AlignedX(TextBox(), FCanvas->TextWidth(Line.Text), ShownAlignment());
  FCanvas->GetBrush()->SetStyle(bsClear);
  FCanvas->TextOut(x, Y, Line.Text);
  if (Line.Start < 0 || GetSelLength() == 0 || (FHideSelection && !Focused())) return;
  const auto length = static_cast<int32_t>(Line.Text.size());
  const int32_t from = std::clamp(GetSelStart() - Line.Start, 0, length);
  const int32_t to = std::clamp(GetSelStart() + GetSelLength() - Line.Start, 0, length);
  if (from >= to) return;
  const std::string before = Line.Text.substr(0, static_cast<std::size_t>(from));
  const std::string selected = Line.Text.substr(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from));
  const int32_t left = x + FCanvas->TextWidth(before);
  FCanvas->GetBrush()->SetColor(clHighlight);
  FCanvas->FillRect(Bounds(left, Y, FCanvas->TextWidth(selected), LineHeight(FCanvas)));
  const TColor color = FCanvas->GetFont()->GetColor();
  FCanvas->GetFont()->SetColor(clHighlightText);
  FCanvas->GetBrush()->SetStyle(bsClear);
  FCanvas->TextOut(left, Y, selected);
  FCanvas->GetFont()->SetColor(color);
}

}  // namespace host
