// TScrollBar: a horizontal or vertical scroll bar choosing a Position
// between Min and Max.
//
// Geometry along the bar (its length L, its thickness T): an arrow square
// of min(T, L / 2) at each end, the track between them, and in the track
// the thumb — as long as the track share PageSize takes of Max - Min + 1
// (at least 8 pixels), or T when PageSize is 0 — placed as Position
// stands between Min and the last position. The last position is
// Max - PageSize + 1 (Max when PageSize is 0): the thumb then touches the
// end of the track.
//
// A user scrolls by clicking an arrow (scLineUp / scLineDown by
// SmallChange), the track before or after the thumb (scPageUp /
// scPageDown by LargeChange), by dragging the thumb (scTrack while it
// moves, scPosition where it is released) and, with the focus, by the
// arrow keys, Page Up / Page Down, Home (scTop) and End (scBottom). Each
// step fires OnScroll, whose handler may change the position taken, and
// each release of the button or key ends with scEndScroll. OnChange fires
// whenever Position changes, by the user or by code.
//
// Bad input raises EInvalidOperation "Scroll bar property out of range" and
// changes nothing: Max below Min, a PageSize below 0 or above
// Max - Min + 1, a SmallChange or LargeChange outside 1..32767. A Position
// outside the range is taken as its nearest end.
#pragma once

#include <cstdint>
#include <optional>

#include "host/controls/controls.h"

namespace host {

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
HOST_ENUM_INFO(TScrollBarKind, "sbHorizontal", "sbVertical")
enum TScrollCode : uint8_t {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};
HOST_ENUM_INFO(TScrollCode, "scLineUp", "scLineDown", "scPageUp", "scPageDown", "scPosition", "scTrack", "scTop",
               "scBottom", "scEndScroll")
using TScrollEvent = TEvent<TObject*, TScrollCode, int32_t&>;

// The largest SmallChange or LargeChange.
inline constexpr int32_t MaxScrollBarInc = 32767;

// The parts of a scroll bar in its client coordinates.
struct TScrollBarParts {
  TRect LineUp;    // the arrow at the left (top) end
  TRect LineDown;  // the arrow at the right (bottom) end
  TRect Track;     // between the arrows
  TRect Thumb;     // empty when the track is too short for one
};

class TScrollBar : public TWinControl {
  HOST_CLASS(TScrollBar, TWinControl)
  using TCreateArg = TComponent;
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind GetKind() const { return FKind; }
  // Turning the bar swaps its width and height (not while it is read from
  // a form file).
  void SetKind(TScrollBarKind Value);
  int32_t GetMin() const { return FMin; }
  void SetMin(int32_t Value) { SetParams(FPosition, Value, FMax); }
  int32_t GetMax() const { return FMax; }
  void SetMax(int32_t Value) { SetParams(FPosition, FMin, Value); }
  int32_t GetPosition() const { return FPosition; }
  void SetPosition(int32_t Value) { SetParams(Value, FMin, FMax); }
  int32_t GetPageSize() const { return FPageSize; }
  void SetPageSize(int32_t Value);
  int32_t GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(int32_t Value);
  int32_t GetLargeChange() const { return FLargeChange; }
  void SetLargeChange(int32_t Value);
  // Sets the three at once; Position is kept within the new range.
  void SetParams(int32_t APosition, int32_t AMin, int32_t AMax);
  TScrollBarParts GetParts();
  TCanvas* GetCanvas() const { return FCanvas; }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  ~TScrollBar() override = default;
  void Destroy() override;
  void Loaded() override;
  virtual void Change();
  virtual void Scroll(TScrollCode ScrollCode, int32_t& ScrollPos);
  // A scroll step of the user: the new position for Code (Pos for
  // scPosition and scTrack) through OnScroll into Position.
  void DoScroll(TScrollCode Code, int32_t Pos = 0);
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;
  void PaintWindow(HDC DC) override;
  virtual void Paint();

 private:
  enum class TDrag : uint8_t { None, Button, Thumb };
  bool Loading() const;
  int32_t LastPosition() const;
  int32_t Along(TPoint Point) const { return FKind == sbHorizontal ? Point.X : Point.Y; }
  // The scroll code of a click at Offset along the bar; none on the thumb.
  std::optional<TScrollCode> HitCode(int32_t Offset);
  // The position that puts the thumb's start at Offset along the bar.
  int32_t PositionAt(int32_t Offset);
  void PaintArrow(const TRect& Rect, bool Forward);

  TControlCanvas* FCanvas = nullptr;
  TScrollBarKind FKind = sbHorizontal;
  int32_t FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0;
  int32_t FSmallChange = 1, FLargeChange = 1;
  TDrag FDrag = TDrag::None;
  int32_t FGrab = 0;      // where on the thumb the mouse holds it
  int32_t FTrackPos = 0;  // the position the dragged thumb stands for
};

}  // namespace host
