// Laying out text on a canvas: word wrapping, line height, measuring.
#include "host/controls/textlayout.h"

#include <algorithm>

#include "host/widgetset/widgetset.h"

namespace host {

namespace {

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

}  // namespace

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

int32_t LineHeight(TCanvas* Canvas) { return Canvas->TextHeight("Wg"); }

TMeasuringCanvas::TMeasuringCanvas(TFont* Font)
    : FCanvas(MakeOwned<TCanvas>()), FDC(WidgetSet().CreateCompatibleDC(0)) {
  FCanvas->SetFont(Font);
  FCanvas->SetHandle(FDC);
}

TMeasuringCanvas::~TMeasuringCanvas() {
  FCanvas->SetHandle(0);
  if (FDC) WidgetSet().DeleteDC(FDC);
}

}  // namespace host
