// Laying out text on a canvas: wrapping at word boundaries, the height of
// a line, and a canvas of its own for measuring text outside painting.
// Shared by the hint window and the text controls of stdctrls.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/graphics/canvas.h"

namespace host {

class TFont;

// Text wrapped at MaxWidth with the canvas's font; a line break ("\r\n",
// "\n") starts a new line. Words join a line while it stays within
// MaxWidth; a word wider than MaxWidth takes a line of its own.
std::vector<std::string> WrapText(TCanvas* Canvas, std::string_view Text, int32_t MaxWidth);

// The height of one line of text in the canvas's font.
int32_t LineHeight(TCanvas* Canvas);

// A canvas of its own on a memory device context, for measuring text
// without touching a window's canvas (which may be painting, or have no
// window yet).
class TMeasuringCanvas {
 public:
  explicit TMeasuringCanvas(TFont* Font);
  ~TMeasuringCanvas();
  TMeasuringCanvas(const TMeasuringCanvas&) = delete;
  TMeasuringCanvas& operator=(const TMeasuringCanvas&) = delete;
  TCanvas* Canvas() const { return FCanvas.get(); }

 private:
  TOwned<TCanvas> FCanvas;
  HDC FDC;
};

}  // namespace host
