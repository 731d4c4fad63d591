// TCustomMemo: an edit of several lines, its Lines kept in step with the
// text, the caret as a line and a column, Enter and Tab as typed
// characters when wanted, and lines wrapped at the control's width.
#include <algorithm>

#include "host/controls/textlayout.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host {

HOST_IMPL(TCustomMemo, TCustomEdit)
HOST_IMPL(TMemo, TCustomMemo)

namespace {

std::string JoinLines(const TStrings* Lines) {
  std::string text;
  for (int32_t i = 0; i < Lines->GetCount(); ++i) {
    if (i > 0) text += "\r\n";
    text += Lines->GetStrings(i);
  }
  return text;
}

// Holds a flag up while Lines and Text are brought in step; lets it go
// afterwards unless a handler freed the control meanwhile.
class TSyncScope {
 public:
  TSyncScope(bool& Flag, std::shared_ptr<const bool> Alive) : FFlag(Flag), FAlive(std::move(Alive)) { FFlag = true; }
  ~TSyncScope() {
    if (*FAlive) FFlag = false;
  }
  TSyncScope(const TSyncScope&) = delete;
  TSyncScope& operator=(const TSyncScope&) = delete;

 private:
  bool& FFlag;
  std::shared_ptr<const bool> FAlive;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner) {
  SetBounds(0, 0, 185, 89);
  SetAutoSelect(false);
  FLines = New<TStringList>();
  FLines->OnChange = [this](TObject* Sender) { LinesChanged(Sender); };
}

void TCustomMemo::Destroy() {
  inherited::Destroy();
  FreeAndNil(FLines);
}

// ----------------------------------------------------------------- lines

void TCustomMemo::LinesChanged(TObject*) {
  if (FSyncing) return;
  TSyncScope sync(FSyncing, AliveFlag());
  SetText(JoinLines(FLines));
}

void TCustomMemo::TextChanged() {
  if (FSyncing) return;
  TSyncScope sync(FSyncing, AliveFlag());
  FLines->SetTextStr(FText);
}

// A line ends at "\r\n", "\n" or "\r"; the text after the last break is a
// line too (empty when the text ends with a break).
std::vector<TCustomMemo::TLineSpan> TCustomMemo::LineSpans() const {
  std::vector<TLineSpan> spans;
  int32_t start = 0;
  for (int32_t i = 0; i < TextLength(); ++i) {
    const char c = FText[static_cast<std::size_t>(i)];
    if (c != '\r' && c != '\n') continue;
    spans.push_back({start, i - start});
    start = Step(i, true);
    i = start - 1;
  }
  spans.push_back({start, TextLength() - start});
  return spans;
}

int32_t TCustomMemo::LineOf(const std::vector<TLineSpan>& Spans, int32_t Position) const {
  auto after = std::upper_bound(Spans.begin(), Spans.end(), Position,
                                [](int32_t p, const TLineSpan& span) { return p < span.Start; });
  return static_cast<int32_t>(after - Spans.begin()) - 1;
}

TPoint TCustomMemo::GetCaretPos() const {
  const std::vector<TLineSpan> spans = LineSpans();
  const int32_t line = LineOf(spans, FCaret);
  return {FCaret - spans[static_cast<std::size_t>(line)].Start, line};
}

void TCustomMemo::SetCaretPos(TPoint Value) {
  const std::vector<TLineSpan> spans = LineSpans();
  const TLineSpan& span =
      spans[static_cast<std::size_t>(std::clamp(Value.Y, 0, static_cast<int32_t>(spans.size()) - 1))];
  MoveCaret(span.Start + std::clamp(Value.X, 0, span.Length), false);
}

// ------------------------------------------------------------ properties

void TCustomMemo::SetAlignment(TAlignment Value) {
  if (ChangeField(FAlignment, Value)) Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle Value) {
  if (ChangeField(FScrollBars, Value)) Invalidate();
}

void TCustomMemo::SetWordWrap(bool Value) {
  if (ChangeField(FWordWrap, Value)) Invalidate();
}

// ------------------------------------------------------------------ keys

bool TCustomMemo::WantsKey(uint16_t Key) const {
  if (Key == VK_TAB) return FWantTabs;
  if (Key == VK_RETURN) return FWantReturns;
  return inherited::WantsKey(Key);
}

void TCustomMemo::SpecialChar(char Key) {
  if (Key == '\r' && FWantReturns)
    InsertText("\r\n");
  else if (Key == '\t' && FWantTabs)
    InsertText("\t");
}

// Home and End go to the ends of the caret's line; Up and Down to the same
// column of the line above or below (or its end when shorter).
int32_t TCustomMemo::CaretTarget(uint16_t Key) const {
  const std::vector<TLineSpan> spans = LineSpans();
  const int32_t line = LineOf(spans, FCaret);
  const TLineSpan& span = spans[static_cast<std::size_t>(line)];
  const auto columnOn = [&](int32_t other) {
    const TLineSpan& target = spans[static_cast<std::size_t>(other)];
    return target.Start + std::min(FCaret - span.Start, target.Length);
  };
  switch (Key) {
    case VK_HOME:
      return span.Start;
    case VK_END:
      return span.Start + span.Length;
    case VK_UP:
      return line > 0 ? columnOn(line - 1) : FCaret;
    case VK_DOWN:
      return line + 1 < static_cast<int32_t>(spans.size()) ? columnOn(line + 1) : FCaret;
    default:
      return inherited::CaretTarget(Key);
  }
}

// -------------------------------------------------------------- painting

// With WordWrap a line wider than the text box shows as the lines it wraps
// to; those do not show the selection.
std::vector<TCustomEdit::TShownLine> TCustomMemo::ShownLines() const {
  std::vector<TShownLine> shown;
  TMeasuringCanvas measuring(GetFont());
  const int32_t width = TextBox().Width();
  for (const TLineSpan& span : LineSpans()) {
    std::string line = FText.substr(static_cast<std::size_t>(span.Start), static_cast<std::size_t>(span.Length));
    if (!FWordWrap || measuring.Canvas()->TextWidth(line) <= width) {
      shown.push_back({std::move(line), span.Start});
      continue;
    }
    for (std::string& piece : WrapText(measuring.Canvas(), line, width)) shown.push_back({std::move(piece), -1});
  }
  return shown;
}

}  // namespace host
