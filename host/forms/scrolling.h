// Scrolling controls: TControlScrollBar (one scroll bar of a scrolling
// control, a persistent property of it), TScrollingWinControl (a windowed
// control whose content scrolls: moving a scroll bar moves the children)
// and TScrollBox (a scrolling control with a border, placed on forms).
//
// AutoScroll: the range of each scroll bar follows the extent of the
// visible children (their right and bottom edges at scroll position 0,
// plus the bar's Margin), and the bar shows while that range exceeds the
// client size. The position always stays within 0..Range - client size;
// changing it scrolls the children by the difference (ScrollBy).
//
// Bad input raises and changes nothing: a negative Range, Margin, Size,
// ButtonSize or ThumbSize, an Increment outside 1..32767 (ERangeError).
#pragma once

#include <cstdint>

#include "host/controls/controls.h"
#include "host/stdctrls/scrollbar.h"

namespace host {

class TScrollingWinControl;

enum TScrollBarStyle : uint8_t { ssRegular, ssFlat, ssHotTrack };
HOST_ENUM_INFO(TScrollBarStyle, "ssRegular", "ssFlat", "ssHotTrack")
// How far one click on an arrow moves: 1..32767.
using TScrollBarInc = int32_t;

// ---------------------------------------------------------- TControlScrollBar

class TControlScrollBar : public TPersistent {
  HOST_CLASS(TControlScrollBar, TPersistent)

  TControlScrollBar(TScrollingWinControl* Control, TScrollBarKind Kind);
  void Assign(TPersistent* Source) override;

  TScrollingWinControl* GetControl() const { return FControl; }
  TScrollBarKind GetKind() const { return FKind; }
  // Position when the bar shows, 0 otherwise.
  int32_t GetScrollPos() const { return IsScrollBarVisible() ? FPosition : 0; }
  // Shows while Visible and the range exceeds the control's client size.
  bool IsScrollBarVisible() const;
  // Moves a vertical bar to the other side for right-to-left reading (the
  // bar keeps no side of its own here: a repaint is all it needs).
  void ChangeBiDiPosition();

  int32_t GetPosition() const { return FPosition; }
  // Clamped to 0..Range - client size; scrolls the children by the change.
  void SetPosition(int32_t Value);
  int32_t GetRange() const { return FRange; }
  // Setting Range turns AutoScroll off (the range is now the program's).
  void SetRange(int32_t Value);
  TScrollBarInc GetIncrement() const { return FIncrement; }
  void SetIncrement(TScrollBarInc Value);
  int32_t GetMargin() const { return FMargin; }
  void SetMargin(int32_t Value);
  int32_t GetSize() const { return FSize; }
  void SetSize(int32_t Value);
  int32_t GetButtonSize() const { return FButtonSize; }
  void SetButtonSize(int32_t Value);
  int32_t GetThumbSize() const { return FThumbSize; }
  void SetThumbSize(int32_t Value);
  TScrollBarStyle GetStyle() const { return FStyle; }
  void SetStyle(TScrollBarStyle Value);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value) { FSmooth = Value; }
  bool GetTracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // The bar's colour; follows the control's colour while ParentColor.
  TColor GetColor() const;
  void SetColor(TColor Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);

  // One step of the user: an arrow (by Increment), a page (by the client
  // size less one increment), or to an end.
  enum TScrollStep : uint8_t { ssLineUp, ssLineDown, ssPageUp, ssPageDown, ssTop, ssBottom };
  void Scroll(TScrollStep Step);

 protected:
  ~TControlScrollBar() override = default;

 private:
  friend class TScrollingWinControl;
  // The client size along the bar.
  int32_t ControlSize() const;
  int32_t MaxPosition() const;
  // The range found by AutoScroll (no change of AutoScroll).
  void SetCalcRange(int32_t Value);
  void Changed();
  static void CheckNotNegative(int32_t Value, const char* Name);

  TScrollingWinControl* FControl;
  TScrollBarKind FKind;
  int32_t FPosition = 0;
  int32_t FRange = 0;
  TScrollBarInc FIncrement = 8;
  int32_t FMargin = 0;
  int32_t FSize = 0;
  int32_t FButtonSize = 0;
  int32_t FThumbSize = 0;
  TScrollBarStyle FStyle = ssRegular;
  bool FSmooth = false;
  bool FTracking = false;
  bool FVisible = true;
  TColor FColor = clBtnHighlight;
  bool FParentColor = true;
};

// ------------------------------------------------------- TScrollingWinControl

class TScrollingWinControl : public TWinControl {
  HOST_CLASS(TScrollingWinControl, TWinControl)
  using TCreateArg = TComponent;
  explicit TScrollingWinControl(TComponent* AOwner);

  TControlScrollBar* GetHorzScrollBar() const { return FHorzScrollBar; }
  void SetHorzScrollBar(TControlScrollBar* Value) { FHorzScrollBar->Assign(Value); }
  TControlScrollBar* GetVertScrollBar() const { return FVertScrollBar; }
  void SetVertScrollBar(TControlScrollBar* Value) { FVertScrollBar->Assign(Value); }
  bool GetAutoScroll() const { return FAutoScroll; }
  void SetAutoScroll(bool Value);

  // While disabled (counted), the ranges do not follow the children; the
  // last EnableAutoRange computes them again.
  void DisableAutoRange() { ++FAutoRangeCount; }
  void EnableAutoRange();
  // Scrolls so that AControl (a control inside this one, at any depth)
  // shows whole, or its top-left corner when it is larger than the client
  // area. Raises EInvalidOperation for a control that is not inside.
  void ScrollInView(TControl* AControl);
  // Computes the AutoScroll ranges from the children now.
  void UpdateScrollBars();

 protected:
  ~TScrollingWinControl() override = default;
  void Destroy() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos) override;

 public:
  // With AutoScroll, scrolls AControl into view (a form calls it for the
  // scrolling controls around a control that gets the focus).
  virtual void AutoScrollInView(TControl* AControl);

 protected:
  // The extent of the children along Kind, as if unscrolled.
  int32_t ChildExtent(TScrollBarKind Kind);
  // The far edge of C along Kind, as if unscrolled; -1 when C makes no
  // extent (hidden, or stretching along the bar).
  int64_t EdgeOf(const TControl* C, TScrollBarKind Kind) const;

 private:
  friend class TControlScrollBar;
  // Computes the ranges again: from all the children, or, when only Moved
  // (a freely placed child that moved, came or left) changed, from the
  // extents known so far — so filling a form of n controls costs O(n).
  void CalcAutoRange(TControl* Moved = nullptr);
  // The extent along Kind once Moved changed; the last full computation's
  // extent and the child that reached it are kept per kind.
  int64_t ExtentAfter(TScrollBarKind Kind, TControl* Moved);
  struct TKnownExtent {
    int64_t Extent = 0;
    const TControl* Holder = nullptr;  // compared only, never followed
  };
  TKnownExtent FKnown[2];
  bool FExtentsKnown = false;
  // Where AControl lies in this control's client area; false when it does
  // not lie inside this control.
  bool RectInside(TControl* AControl, TRect& Rect);
  TControlScrollBar* FHorzScrollBar = nullptr;
  TControlScrollBar* FVertScrollBar = nullptr;
  bool FAutoScroll = true;
  int32_t FAutoRangeCount = 0;
  bool FUpdatingScrollBars = false;
};

// ------------------------------------------------------------------ TScrollBox

class TScrollBox : public TScrollingWinControl {
  HOST_CLASS(TScrollBox, TScrollingWinControl)
  using TCreateArg = TComponent;
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  // Raises EInvalidOperation for a value outside the enumeration.
  void SetBorderStyle(TBorderStyle Value);

 protected:
  ~TScrollBox() override = default;
  void AdjustClientRect(TRect& Rect) override;
  void PaintWindow(HDC DC) override;

 private:
  TBorderStyle FBorderStyle = bsSingle;
};

}  // namespace host
