// The tabs page controls and tab controls share: where each tab lies, where
// the pages (or the tab control's children) go, and how the tabs and the
// frame are drawn.
//
// The tabs are laid out as if they ran along the top edge ("top space":
// along the edge, then away from it) and are then placed on the edge
// TabPosition names: mirrored for tpBottom, turned on their side for tpLeft
// and tpRight (whose captions are written a letter under the other, as the
// canvas draws no turned text). A tab is as long as its caption (and its
// image, drawn before the caption) plus padding, or TabWidth; a row is
// TabHeight deep, or as deep as the caption or image needs. With MultiLine
// the tabs wrap into rows, and the row of the active tab lies next to the
// page area; without it they stay in one row, running past the end when
// they do not fit. Style tsTabs draws folder tabs over a framed page area;
// tsButtons and tsFlatButtons draw push buttons, the active one pressed
// (flat ones framed only then), over an unframed page area.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/comctrls/pagecontrol.h"

namespace host {
class TCustomImageList;
class TFont;
}  // namespace host

namespace host::comctrl {

// Raises EInvalidOperation "Invalid property value" naming Control for a
// negative TabWidth or TabHeight.
inline void CheckTabExtent(int32_t Value, const TControl* Control) {
  if (Value < 0) throw EInvalidOperation("Invalid property value (control '%s')", {ControlDisplayName(Control)});
}

// What one tab shows.
struct TTabFace {
  std::string Caption;
  int32_t ImageIndex = -1;
  bool Enabled = true;
};

// How the tabs of a control look.
struct TTabsLook {
  TTabStyle Style = tsTabs;
  TTabPosition Position = tpTop;
  bool MultiLine = false;
  int32_t TabWidth = 0;
  int32_t TabHeight = 0;
  TCustomImageList* Images = nullptr;
};

class TTabStrip {
 public:
  // Lays Tabs out in a client area of Size, measured in Font; Active (-1
  // for none) is the tab drawn selected.
  TTabStrip(const TTabsLook& Look, TFont* Font, std::vector<TTabFace> Tabs, TSize Size, int32_t Active);

  int32_t Count() const { return static_cast<int32_t>(FTabs.size()); }
  // The tab Index in client coordinates; empty outside the tabs.
  TRect TabRect(int32_t Index) const;
  // The tab at the client point; -1 when none is.
  int32_t IndexAt(TPoint Pos) const;
  // The area inside the frame, where pages and children go.
  TRect DisplayRect() const;
  // The display area within Client (the client area as the control's
  // alignment sees it).
  TRect DisplayRectIn(const TRect& Client) const;
  // Draws the frame and the tabs (the canvas's font already chosen).
  void Paint(TCanvas* Canvas, bool Focused) const;

 private:
  bool Buttons() const { return FLook.Style != tsTabs; }
  bool Sideways() const { return FLook.Position == tpLeft || FLook.Position == tpRight; }
  bool HasImage(const TTabFace& Tab) const;
  // A tab's extent along the edge, measured on Canvas.
  int32_t Length(TCanvas* Canvas, const TTabFace& Tab) const;
  int32_t RowDepth(TCanvas* Canvas) const;
  void Layout(TCanvas* Canvas);
  // Top space to client coordinates.
  TRect Place(const TRect& TopSpace) const;
  void PaintTab(TCanvas* Canvas, int32_t Index, bool Focused) const;
  void PaintCaption(TCanvas* Canvas, TRect Rect, const TTabFace& Tab) const;

  TTabsLook FLook;
  std::vector<TTabFace> FTabs;
  TSize FSize;
  int32_t FActive;
  int32_t FRowDepth = 0;
  int32_t FBand = 0;          // the depth of all rows together
  std::vector<TRect> FRects;  // in top space
};

}  // namespace host::comctrl
