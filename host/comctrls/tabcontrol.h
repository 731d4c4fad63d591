// TTabControl: a row of tabs over one display area, without pages.
//
// Tabs holds the tabs' captions; TabIndex is the selected one (-1: none).
// The program shows what the selected tab stands for by changing the
// controls in the display area itself: children placed in the tab control
// align within DisplayRect (inside the frame under the tabs). The tabs are
// laid out and drawn as a page control's are (tabs_p.h), along the edge
// TabPosition names, wrapped into rows with MultiLine.
//
// The first tab added to a control without a selection is selected. When
// tabs go, a TabIndex past the last tab falls back to the last one.
//
// A user's choice (a click on a tab, Left/Right while the control has the
// focus) asks OnChanging (which may refuse) and then fires OnChange; a
// change made by code fires neither, as in the classic control.
//
// Bad input raises and changes nothing: a TabIndex outside -1..Tabs.Count-1
// raises EListError "List index out of bounds (%d)" (checked when loading
// ends for a form file's); a Style or TabPosition outside its enumeration or
// a negative TabHeight or TabWidth raises EInvalidOperation.
#pragma once

#include <cstdint>

#include "host/comctrls/pagecontrol.h"

namespace host {

class TStringList;
class TStrings;

class TTabControl : public TCustomControl {
  HOST_CLASS(TTabControl, TCustomControl)
  using TCreateArg = TComponent;
  explicit TTabControl(TComponent* AOwner);

  TStrings* GetTabs() const;
  void SetTabs(TStrings* Value);
  int32_t GetTabIndex() const { return FTabIndex; }
  void SetTabIndex(int32_t Value);
  bool GetMultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value);
  TTabPosition GetTabPosition() const { return FTabPosition; }
  void SetTabPosition(TTabPosition Value);
  TTabStyle GetStyle() const { return FStyle; }
  void SetStyle(TTabStyle Value);
  int16_t GetTabHeight() const { return FTabHeight; }
  void SetTabHeight(int16_t Value);
  int16_t GetTabWidth() const { return FTabWidth; }
  void SetTabWidth(int16_t Value);
  // The area inside the frame, in client coordinates.
  TRect GetDisplayRect();
  // Tab Index in client coordinates; empty outside the tabs.
  TRect TabRect(int32_t Index);
  // The tab at the client point; -1 when none is.
  int32_t IndexOfTabAt(int32_t X, int32_t Y);

  TTabChangingEvent OnChanging;
  TNotifyEvent OnChange;

 protected:
  ~TTabControl() override = default;
  void Destroy() override;
  void Loaded() override;
  void AdjustClientRect(TRect& Rect) override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  virtual bool CanChange();
  virtual void Change();

 private:
  bool Loading() const { return GetComponentState().Contains(csLoading); }
  void TabsChanged();
  // The tabs moved or changed size: the children align anew.
  void LayoutChanged();
  // The user chose tab Index: asks OnChanging, then changes and fires OnChange.
  void UserSelect(int32_t Index);
  comctrl::TTabStrip Strip();
  void CheckTabIndex(int32_t Value) const;

  TStringList* FTabs = nullptr;
  int32_t FTabIndex = -1;
  bool FMultiLine = false;
  TTabPosition FTabPosition = tpTop;
  TTabStyle FStyle = tsTabs;
  int16_t FTabHeight = 0;
  int16_t FTabWidth = 0;
};

}  // namespace host
