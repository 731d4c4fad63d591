// TCustomControlBar and TControlBar: a bar whose child controls sit on
// bands laid out in rows of RowSize pixels.
//
// A band is its control with insets around it: a grabber of 11 pixels on
// the left and 2 pixels on the other sides, unless OnBandInfo(Sender,
// Control, Insets, PreferredSize, RowCount) changes them; PreferredSize is
// the band's width (the control gets it less the insets) and RowCount the
// rows the band is tall. StickControls lays the bands out: each band goes
// to the row its top is nearest to (with RowSnap; otherwise it keeps its
// top within the row), the bands of a row ordered by their left edges and
// pushed right so that none overlaps the one before. With AutoSize the bar
// is as tall as its rows.
//
// Dragging: the mouse pressed on a band's grabber asks OnBandDrag(Sender,
// Control, Drag) whether to drag it (AutoDrag gives the default); while the
// button is down each move proposes the band's new rectangle — moved with
// the mouse, its top snapped to the row under the mouse (a row past the
// last starts a new one) — to OnBandMove(Sender, Control, ARect), whose
// handler may change it; the control moves there and the bands are laid
// out again.
//
// Painting: Color, the Picture tiled over it, then for each band
// OnBandPaint(Sender, Control, Canvas, ARect, Options) — the handler may
// take bpoGrabber or bpoFrame out of Options — and what Options still
// holds; OnPaint last.
//
// Bad input raises EInvalidOperation and changes nothing: a RowSize outside
// 1..MaxRowSize. What OnBandInfo hands back is kept within bounds the layout
// can add up: insets within 0..1024 pixels, a band 1..64 rows tall, no wider
// than MaxControlSize.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "host/controls/controls.h"
#include "host/graphics/picture.h"

namespace host {

enum TBandPaintOption : uint8_t { bpoGrabber, bpoFrame };
HOST_ENUM_INFO(TBandPaintOption, "bpoGrabber", "bpoFrame")
using TBandPaintOptions = TSet<TBandPaintOption, 2>;

using TBandDragEvent = TEvent<TObject*, TControl*, bool&>;
using TBandInfoEvent = TEvent<TObject*, TControl*, TRect&, int32_t&, int32_t&>;
using TBandMoveEvent = TEvent<TObject*, TControl*, TRect&>;
using TBandPaintEvent = TEvent<TObject*, TControl*, TCanvas*, TRect&, TBandPaintOptions&>;

// The tallest row.
inline constexpr int32_t MaxRowSize = 65536;

// The insets of a band without an OnBandInfo handler.
inline constexpr TRect DefaultBandInsets{11, 2, 2, 2};

class TCustomControlBar : public TCustomControl {
  HOST_CLASS(TCustomControlBar, TCustomControl)
  using TCreateArg = TComponent;
  explicit TCustomControlBar(TComponent* AOwner);

  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) {
    if (Value != FPicture) FPicture->Assign(Value);
  }
  int32_t GetRowSize() const { return FRowSize; }
  void SetRowSize(int32_t Value);
  bool GetRowSnap() const { return FRowSnap; }
  void SetRowSnap(bool Value) { FRowSnap = Value; }
  bool GetAutoDrag() const { return FAutoDrag; }
  void SetAutoDrag(bool Value) { FAutoDrag = Value; }
  void SetAutoSize(bool Value) override;

  void StickControls();
  // The band of a child control (its bounds with the insets around them).
  TRect BandRect(TControl* Control);
  // The number of rows the bands take.
  int32_t RowCount();

  TBandDragEvent OnBandDrag;
  TBandInfoEvent OnBandInfo;
  TBandMoveEvent OnBandMove;
  TBandPaintEvent OnBandPaint;
  TNotifyEvent OnPaint;

 protected:
  ~TCustomControlBar() override = default;
  void Destroy() override;
  void Loaded() override;
  void AlignControls(TControl* AControl, TRect& Rect) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseMove(TShiftState Shift, int32_t X, int32_t Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void Paint() override;
  virtual void DoBandInfo(TControl* Control, TRect& Insets, int32_t& PreferredSize, int32_t& RowCount);
  virtual void DoBandMove(TControl* Control, TRect& ARect);
  virtual bool DoBandDrag(TControl* Control);
  virtual void DoBandPaint(TControl* Control, TCanvas* Canvas, TRect& ARect, TBandPaintOptions& Options);

 private:
  struct TBand {
    TControl* Control;
    TRect Insets;
    int32_t Width, Rows;
  };
  TBand BandOf(TControl* Control);
  std::vector<TControl*> BandControls() const;
  int32_t RowAt(int32_t Y) const;
  void PaintBand(TControl* Control);
  void PictureChanged(TObject* Sender);

  TPicture* FPicture = nullptr;
  int32_t FRowSize = 26;
  bool FRowSnap = true;
  bool FAutoDrag = true;
  bool FSticking = false;
  TControl* FDragControl = nullptr;
  std::shared_ptr<const bool> FDragAlive;  // false once the dragged control is freed
  TPoint FDragOffset;                      // where on the band the mouse holds it
};

class TControlBar : public TCustomControlBar {
  HOST_CLASS(TControlBar, TCustomControlBar)
  using TCreateArg = TComponent;
  explicit TControlBar(TComponent* AOwner) : TCustomControlBar(AOwner) {}

 protected:
  ~TControlBar() override = default;
};

}  // namespace host
