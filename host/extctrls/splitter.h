// TSplitter: a bar aligned to a side of its parent that the user drags to
// resize the control aligned to the same side just before it (its
// neighbour: for alLeft the control whose right edge touches the
// splitter's left edge, and so on).
//
// Dragging: the mouse goes down on the splitter (the neighbour and the
// largest size are found then: the parent's client extent less MinSize and
// the other controls aligned along the same axis), every move proposes a
// new size — the neighbour's size at the start plus the distance moved,
// kept within MinSize and the largest size — and asks OnCanResize(Sender,
// NewSize, Accept), whose handler may change NewSize or refuse the step.
// With ResizeStyle rsUpdate an accepted size is applied at once; with
// rsLine and rsPattern a line shows it and the size is applied when the
// button is released; with rsNone only on release. Each applied change
// fires OnMoved.
//
// Painting: the splitter's Color, with a bevel when Beveled, then OnPaint.
//
// Bad input raises EInvalidOperation and changes nothing: a MinSize outside
// 1..MaxControlSize.
#pragma once

#include <cstdint>
#include <memory>

#include "host/controls/controls.h"

namespace host {

enum TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate, rsPattern };
HOST_ENUM_INFO(TResizeStyle, "rsNone", "rsLine", "rsUpdate", "rsPattern")
using TSplitterCanResizeEvent = TEvent<TObject*, int32_t&, bool&>;

class TSplitter : public TGraphicControl {
  HOST_CLASS(TSplitter, TGraphicControl)
  using TCreateArg = TComponent;
  // A new splitter is aligned alLeft, 3 pixels wide.
  explicit TSplitter(TComponent* AOwner);

  bool GetBeveled() const { return FBeveled; }
  void SetBeveled(bool Value);
  int32_t GetMinSize() const { return FMinSize; }
  void SetMinSize(int32_t Value);
  TResizeStyle GetResizeStyle() const { return FResizeStyle; }
  void SetResizeStyle(TResizeStyle Value) { FResizeStyle = Value; }
  // The neighbour the splitter resizes (null when none touches it).
  TControl* FindNeighbour() const;
  // Where the line of a pending size stands while dragging (client
  // coordinates of the parent along the splitter's axis); -1 when no line
  // is shown.
  int32_t GetLinePos() const { return FLinePos; }

  TSplitterCanResizeEvent OnCanResize;
  TNotifyEvent OnMoved;
  TNotifyEvent OnPaint;

 protected:
  ~TSplitter() override = default;
  virtual bool DoCanResize(int32_t& NewSize);
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void Paint() override;
  void RequestAlign() override;

 private:
  bool Horizontal() const { return FAlign == alLeft || FAlign == alRight; }
  int32_t SizeOf(const TControl* Control) const;
  int32_t MaxSize() const;
  // Whether a drag is on and its neighbour still there (a handler may
  // have freed it).
  bool Resizing() const { return FControl && FControlAlive && *FControlAlive; }
  void ApplySize();
  void EndDrag();

  TResizeStyle FResizeStyle = rsPattern;
  int32_t FMinSize = 30;
  bool FBeveled = false;
  TControl* FControl = nullptr;  // the neighbour being resized
  std::shared_ptr<const bool> FControlAlive;
  TPoint FDownPos;
  int32_t FOldSize = 0, FNewSize = 0, FMaxSize = 0;
  int32_t FLinePos = -1;
};

}  // namespace host
