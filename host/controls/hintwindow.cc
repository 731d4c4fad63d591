// THintWindow: a top-level window (no parent) that shows a hint text on the
// info colour with a one-pixel border. The text wraps at word boundaries
// (and at line breaks) to the width the caller allows; the window adds a
// margin of kMarginX pixels left and right and kMarginY above and below
// (the border and a little space).
#include "host/controls/hintwindow.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "host/graphics/graphicsobj.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(THintWindow, TCustomControl)

namespace {

constexpr int32_t kMarginX = 3;
constexpr int32_t kMarginY = 2;

// The words of one line of text (separated by spaces).
std::vector<std::string_view> WordsOf(std::string_view Line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < Line.size()) {
    const std::size_t start = Line.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(Line.find(' ', start), Line.size());
    words.push_back(Line.substr(start, end - start));
    at = end;
  }
  return words;
}

// Adds the lines one paragraph (text without line breaks) wraps to: words
// join a line while it stays within MaxWidth; a word wider than MaxWidth
// takes a line of its own.
void WrapParagraph(TCanvas* Canvas, std::string_view Paragraph, int32_t MaxWidth, std::vector<std::string>& Lines) {
  std::string line;
  for (std::string_view word : WordsOf(Paragraph)) {
    std::string joined = line.empty() ? std::string(word) : line + ' ' + std::string(word);
    if (!line.empty() && Canvas->TextWidth(joined) > MaxWidth) {
      Lines.push_back(line);
      joined = std::string(word);
    }
    line = std::move(joined);
  }
  Lines.push_back(line);
}

// Text wrapped at MaxWidth with the canvas's font; a line break starts a
// new line.
std::vector<std::string> WrapText(TCanvas* Canvas, std::string_view Text, int32_t MaxWidth) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  for (;;) {
    const std::size_t end = Text.find('\n', at);
    std::string_view paragraph = Text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    if (!paragraph.empty() && paragraph.back() == '\r') paragraph.remove_suffix(1);
    WrapParagraph(Canvas, paragraph, MaxWidth, lines);
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  return lines;
}

// The height of one line of text in the canvas's font.
int32_t LineHeight(TCanvas* Canvas) { return Canvas->TextHeight("Wg"); }

// A canvas of its own on a memory device context, for measuring text
// without touching the window's canvas (which may be painting).
class TMeasuringCanvas {
 public:
  explicit TMeasuringCanvas(TFont* Font) : FCanvas(MakeOwned<TCanvas>()), FDC(WidgetSet().CreateCompatibleDC(0)) {
    FCanvas->SetFont(Font);
    FCanvas->SetHandle(FDC);
  }
  ~TMeasuringCanvas() {
    FCanvas->SetHandle(0);
    if (FDC) WidgetSet().DeleteDC(FDC);
  }
  TMeasuringCanvas(const TMeasuringCanvas&) = delete;
  TMeasuringCanvas& operator=(const TMeasuringCanvas&) = delete;
  TCanvas* Canvas() const { return FCanvas.get(); }

 private:
  TOwned<TCanvas> FCanvas;
  HDC FDC;
};

}  // namespace

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clInfoBk);
  GetFont()->SetColor(clInfoText);
  FVisible = false;  // shown by ActivateHint
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
  SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());  // raises for a bad rectangle, first
  FActive = true;
  SetCaption(AHint);
  SetVisible(true);
  UpdateControlState();
  Invalidate();
}

void THintWindow::ActivateHintData(const TRect& Rect, const std::string& AHint, void* /*AData*/) {
  ActivateHint(Rect, AHint);
}

TRect THintWindow::CalcHintRect(int32_t MaxWidth, const std::string& AHint, void* /*AData*/) {
  TMeasuringCanvas measuring(GetFont());
  TCanvas* canvas = measuring.Canvas();
  int32_t width = 0;
  const std::vector<std::string> lines = WrapText(canvas, AHint, MaxWidth);
  for (const std::string& line : lines) width = std::max(width, canvas->TextWidth(line));
  const int64_t height = int64_t{LineHeight(canvas)} * static_cast<int64_t>(lines.size());
  return Rect(0, 0, ClampToInt32(int64_t{width} + 2 * kMarginX), ClampToInt32(height + 2 * kMarginY));
}

bool THintWindow::IsHintMsg(TMessage& Msg) {
  const uint32_t msg = Msg.Msg;
  const bool key = msg >= WM_KEYDOWN && msg <= WM_SYSCHAR;
  const bool mouse = msg > WM_MOUSEMOVE && msg <= WM_MOUSEWHEEL;
  return key || mouse || msg == WM_COMMAND || msg == CM_ACTIVATE || msg == CM_DEACTIVATE || msg == CM_APPKEYDOWN;
}

void THintWindow::ReleaseHandle() {
  FActive = false;
  SetVisible(false);
  DestroyHandle();
}

// The info background (the window's brush, painted before), a frame of the
// window frame colour and the wrapped text inside the margins.
void THintWindow::Paint() {
  TCanvas* canvas = GetCanvas();
  const TRect client = GetClientRect();
  canvas->GetBrush()->SetColor(clWindowFrame);
  canvas->FrameRect(client);
  canvas->SetFont(GetFont());
  canvas->GetBrush()->SetStyle(bsClear);
  const int32_t lineHeight = LineHeight(canvas);
  int32_t y = client.Top + kMarginY;
  for (const std::string& line : WrapText(canvas, GetCaption(), client.Width() - 2 * kMarginX)) {
    canvas->TextOut(client.Left + kMarginX, y, line);
    y = ClampToInt32(int64_t{y} + lineHeight);
  }
}

}  // namespace host
