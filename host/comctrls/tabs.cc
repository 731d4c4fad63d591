// The tabs of page controls and tab controls: their layout in rows along an
// edge, the page area inside the frame, and their looks.
#include <algorithm>

#include "host/comctrls/comctrls_p.h"
#include "host/comctrls/tabs_p.h"
#include "host/controls/textlayout.h"
#include "host/graphics/graphicsobj.h"
#include "host/imglist/imglist.h"
#include "host/stdctrls/textdraw.h"
#include "host/stdctrls/texts.h"

namespace host::comctrl {

namespace {
constexpr int32_t kFrame = 4;      // the page area's inset inside a tsTabs frame
constexpr int32_t kButtonGap = 3;  // between button-style tabs and rows
constexpr int32_t kTabPadding = 12;
constexpr int32_t kImageGap = 3;   // between a tab's image and its caption
constexpr int32_t kTabsStart = 2;  // folder tabs start this far from the corner

// The letters of a UTF-8 text, each a string of its own.
std::vector<std::string> Letters(const std::string& Text) {
  std::vector<std::string> letters;
  for (unsigned char c : Text) {
    if ((c & 0xC0) == 0x80 && !letters.empty())
      letters.back().push_back(static_cast<char>(c));
    else
      letters.emplace_back(1, static_cast<char>(c));
  }
  return letters;
}
}  // namespace

TTabStrip::TTabStrip(const TTabsLook& Look, TFont* Font, std::vector<TTabFace> Tabs, TSize Size, int32_t Active)
    : FLook(Look), FTabs(std::move(Tabs)), FSize(Size), FActive(Active) {
  const TMeasuringCanvas measuring(Font);
  Layout(measuring.Canvas());
}

bool TTabStrip::HasImage(const TTabFace& Tab) const {
  return FLook.Images && Tab.ImageIndex >= 0 && Tab.ImageIndex < FLook.Images->GetCount();
}

int32_t TTabStrip::Length(TCanvas* Canvas, const TTabFace& Tab) const {
  if (FLook.TabWidth > 0) return FLook.TabWidth;
  const std::string shown = StripAccelChars(Tab.Caption, true);
  if (Sideways()) {
    const int32_t image = HasImage(Tab) ? FLook.Images->GetHeight() + kImageGap : 0;
    return image + static_cast<int32_t>(Letters(shown).size()) * Canvas->TextHeight("Ag") + kTabPadding;
  }
  const int32_t image = HasImage(Tab) ? FLook.Images->GetWidth() + kImageGap : 0;
  return image + Canvas->TextWidth(shown) + kTabPadding;
}

int32_t TTabStrip::RowDepth(TCanvas* Canvas) const {
  if (FLook.TabHeight > 0) return FLook.TabHeight;
  if (Sideways()) return std::max(Canvas->TextWidth("W"), FLook.Images ? FLook.Images->GetWidth() : 0) + 6;
  return std::max(Canvas->TextHeight("Ag"), FLook.Images ? FLook.Images->GetHeight() : 0) + 6;
}

// Tabs go along the edge row by row; the rows are then turned round so
// that the active tab's row is the one next to the page area.
void TTabStrip::Layout(TCanvas* Canvas) {
  FRowDepth = RowDepth(Canvas);
  const int32_t edge = Sideways() ? FSize.cy : FSize.cx;
  const int32_t start = Buttons() ? 0 : kTabsStart;
  const int32_t gap = Buttons() ? kButtonGap : 0;
  std::vector<int32_t> rowOf;
  int32_t left = start, row = 0;
  for (const TTabFace& tab : FTabs) {
    const int32_t length = Length(Canvas, tab);
    if (FLook.MultiLine && left > start && left + length > edge) {
      ++row;
      left = start;
    }
    FRects.push_back(TRect{left, 0, left + length, 0});
    rowOf.push_back(row);
    left += length + gap;
  }
  const int32_t rows = row + 1;
  const int32_t activeRow = FActive >= 0 && FActive < Count() ? rowOf[FActive] : rows - 1;
  const int32_t pitch = FRowDepth + gap;
  FBand = rows * pitch - gap;
  for (std::size_t i = 0; i < FRects.size(); ++i) {
    const int32_t slot = (rowOf[i] + rows - 1 - activeRow) % rows;
    FRects[i].Top = slot * pitch + (Buttons() ? 0 : kTabsStart);
    FRects[i].Bottom = slot * pitch + FRowDepth;
  }
}

TRect TTabStrip::Place(const TRect& R) const {
  switch (FLook.Position) {
    case tpBottom:
      return TRect{R.Left, FSize.cy - R.Bottom, R.Right, FSize.cy - R.Top};
    case tpLeft:
      return TRect{R.Top, R.Left, R.Bottom, R.Right};
    case tpRight:
      return TRect{FSize.cx - R.Bottom, R.Left, FSize.cx - R.Top, R.Right};
    default:
      return R;
  }
}

TRect TTabStrip::TabRect(int32_t Index) const {
  if (Index < 0 || Index >= Count()) return {};
  return Place(FRects[Index]);
}

int32_t TTabStrip::IndexAt(TPoint Pos) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (PtInRect(TabRect(i), Pos)) return i;
  return -1;
}

TRect TTabStrip::DisplayRect() const {
  const int32_t length = Sideways() ? FSize.cy : FSize.cx;
  const int32_t depth = Sideways() ? FSize.cx : FSize.cy;
  const int32_t inset = Buttons() ? 0 : kFrame;
  return Place(TRect{inset, FBand + (Buttons() ? kButtonGap : kFrame), length - inset, depth - inset});
}

TRect TTabStrip::DisplayRectIn(const TRect& Client) const {
  const TRect display = DisplayRect();
  return TRect{Client.Left + display.Left, Client.Top + display.Top, Client.Left + display.Right,
               Client.Top + display.Bottom};
}

// ------------------------------------------------------------------ looks

void TTabStrip::PaintCaption(TCanvas* Canvas, TRect Rect, const TTabFace& Tab) const {
  if (HasImage(Tab)) {
    const int32_t width = FLook.Images->GetWidth(), height = FLook.Images->GetHeight();
    const bool sideways = Sideways();
    const int32_t x = sideways ? Rect.Left + (Rect.Width() - width) / 2 : Rect.Left + kTabPadding / 2;
    const int32_t y = sideways ? Rect.Top + kTabPadding / 2 : Rect.Top + (Rect.Height() - height) / 2;
    FLook.Images->Draw(Canvas, x, y, Tab.ImageIndex, Tab.Enabled);
    (sideways ? Rect.Top : Rect.Left) += (sideways ? height : width) + kImageGap;
  }
  Canvas->GetBrush()->SetStyle(bsClear);
  if (!Sideways()) {
    CenteredText(Canvas, Rect, Tab.Caption, Tab.Enabled);
  } else {
    const std::vector<std::string> letters = Letters(StripAccelChars(Tab.Caption, true));
    const int32_t line = Canvas->TextHeight("Ag");
    int32_t top = Rect.Top + (Rect.Height() - line * static_cast<int32_t>(letters.size())) / 2;
    for (const std::string& letter : letters) {
      CenteredText(Canvas, TRect{Rect.Left, top, Rect.Right, top + line}, letter, Tab.Enabled);
      top += line;
    }
  }
  Canvas->GetBrush()->SetStyle(bsSolid);
}

void TTabStrip::PaintTab(TCanvas* Canvas, int32_t Index, bool Focused) const {
  const bool active = Index == FActive;
  TRect r = FRects[Index];
  if (!Buttons() && active) r = TRect{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
  r = Place(r);
  if (!Buttons() || FLook.Style == tsButtons || active) Bevel(Canvas, r, Buttons() && active, clBtnFace);
  PaintCaption(Canvas, r, FTabs[Index]);
  if (active && Focused) Canvas->DrawFocusRect(TRect{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3});
}

void TTabStrip::Paint(TCanvas* Canvas, bool Focused) const {
  const int32_t length = Sideways() ? FSize.cy : FSize.cx;
  const int32_t depth = Sideways() ? FSize.cx : FSize.cy;
  if (!Buttons()) Bevel(Canvas, Place(TRect{0, FBand, length, depth}), false, clBtnFace);
  // The active tab is drawn last: it stands over its neighbours.
  for (int32_t i = 0; i < Count(); ++i)
    if (i != FActive) PaintTab(Canvas, i, Focused);
  if (FActive >= 0 && FActive < Count()) PaintTab(Canvas, FActive, Focused);
}

}  // namespace host::comctrl
