// TTabSheet and TPageControl: pages with a row of tabs above them.
//
// A tab sheet is a windowed control holding the controls placed on it; it
// is a page of the page control it is parented to (setting PageControl
// parents it, and parenting it to a page control makes it a page), in the
// order the pages joined. Only the active page is visible. Tab sheets are
// owned by the form like any other control, so a form file writes them as
// children of their page control (in page order) with the controls on them
// as their own children; ActivePage is a reference read once loading ends.
//
// The tabs lie in one row along the edge TabPosition names, or in rows
// with MultiLine (laid out and drawn as a tab control's are, see
// tabs_p.h): each as wide as its caption (and its page's image of Images,
// drawn before the caption) or TabWidth, and TabHeight high. Style tsTabs draws folder tabs over a framed page area;
// tsButtons and tsFlatButtons draw push buttons, the active one pressed,
// over an unframed page area. A page whose TabVisible is false has
// no tab and cannot be chosen by the user.
//
// A user's choice (a click on a tab, Left/Right while the control has the
// focus) asks OnChanging (which may refuse) and then fires OnChange; a
// change made by code fires neither, as in the classic control.
//
// Bad input raises and changes nothing: Pages[i] and ActivePageIndex
// outside the pages (-1 for ActivePageIndex means none) raise EListError
// "List index out of bounds (%d)", as does a PageIndex outside the page
// control's pages; an ActivePage that is a page of another page control
// raises EInvalidOperation.
#pragma once

#include <cstdint>
#include <vector>

#include "host/controls/controls.h"

namespace host {

enum TTabStyle : uint8_t { tsTabs, tsButtons, tsFlatButtons };
HOST_ENUM_INFO(TTabStyle, "tsTabs", "tsButtons", "tsFlatButtons")
// The edge of a tab control its tabs lie along.
enum TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };
HOST_ENUM_INFO(TTabPosition, "tpTop", "tpBottom", "tpLeft", "tpRight")

// Sender, whether the change may go ahead (true when asked).
using TTabChangingEvent = TEvent<TObject*, bool&>;

class TChangeLink;
class TCustomImageList;
class TPageControl;
namespace comctrl {
class TTabStrip;
}

class TTabSheet : public TCustomControl {
  HOST_CLASS(TTabSheet, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTabSheet(TComponent* AOwner);

  TPageControl* GetPageControl() const { return FPageControl; }
  // Makes the sheet a page of Value (the last one), or of none.
  void SetPageControl(TPageControl* Value);
  // The sheet's place among its page control's pages; -1 without one.
  int32_t GetPageIndex() const;
  void SetPageIndex(int32_t Value);
  // The sheet's place among the shown tabs; -1 when its tab is hidden.
  int32_t GetTabIndex() const;
  bool GetTabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int32_t GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int32_t Value);

  void SetParent(TWinControl* AParent) override;
  void SetText(const std::string& Value) override;

 protected:
  ~TTabSheet() override = default;
  void Destroy() override;
  void Paint() override;

 private:
  void TabChanged();
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int32_t FImageIndex = -1;
};

class TPageControl : public TCustomControl {
  HOST_CLASS(TPageControl, TCustomControl)
  using TCreateArg = TComponent;
  explicit TPageControl(TComponent* AOwner);

  int32_t GetPageCount() const { return static_cast<int32_t>(FPages.size()); }
  TTabSheet* GetPage(int32_t Index) const;
  TTabSheet* GetActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Value);
  int32_t GetActivePageIndex() const;
  void SetActivePageIndex(int32_t Value);
  // The next (or previous) page after CurPage, wrapping round; with
  // CheckTabVisible only pages whose tab shows. Null when there is none.
  TTabSheet* FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const;
  // Makes the next (or previous) page with a tab active, as a user would.
  void SelectNextPage(bool GoForward);

  TTabStyle GetStyle() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  int16_t GetTabHeight() const { return FTabHeight; }
  void SetTabHeight(int16_t Value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TTabPosition GetTabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  int16_t GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int16_t Value);
  TCustomImageList* GetImages() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  // The pages whose tab shows, in order.
  std::vector<TTabSheet*> ShownTabs() const;
  // The tab of the shown tab Index in client coordinates (empty outside).
  TRect TabRect(int32_t Index);
  // The page whose tab is at the client point; null when none is.
  TTabSheet* PageAt(TPoint Pos);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  ~TPageControl() override = default;
  void Destroy() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  virtual bool CanChange();
  virtual void Change();

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int32_t NewIndex);
  // Shows Page and hides the others.
  void ShowPage(TTabSheet* Page);
  // The user chose Page: asks OnChanging, then changes and fires OnChange.
  void UserSelect(TTabSheet* Page);
  // The shown tabs laid out in the client area.
  comctrl::TTabStrip Strip();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
  TTabStyle FStyle = tsTabs;
  int16_t FTabHeight = 0;
  int16_t FTabWidth = 0;
  bool FMultiLine = false;
  TTabPosition FTabPosition = tpTop;
  TCustomImageList* FImages = nullptr;
  TChangeLink* FImageLink = nullptr;
};

}  // namespace host
