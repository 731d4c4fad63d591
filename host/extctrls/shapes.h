// The graphic controls of extctrls: the shape, the paint box, the image and
// the bevel. None has a window: the parent paints them (TGraphicControl).
//
// A shape draws itself with its own Pen and Brush; any change of either
// reaches StyleChanged, which repaints. A paint box leaves its painting to
// OnPaint, drawing on Canvas. An image shows its Picture (stretched,
// centred or at its top-left corner) and offers a Canvas to draw on, which
// makes a bitmap of the image's size when the picture is empty. A bevel
// draws a 3D box, frame or line.
//
// Bad input raises EInvalidOperation naming the control and changes
// nothing: a Shape or Style outside its enumeration, a Canvas asked of an
// image that holds an icon or a metafile.
#pragma once

#include <cstdint>
#include <span>

#include "host/controls/controls.h"
#include "host/graphics/graphics.h"

namespace host {

// The classes of the shape group, in unit order.
std::span<const TClass> ShapeControlClasses();

// --------------------------------------------------------------------- TShape

enum TShapeType : uint8_t { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
HOST_ENUM_INFO(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle")

// A rectangle, square, rounded one, ellipse or circle filling the control
// (the square kinds centred in it), outlined with Pen and filled with Brush.
class TShape : public TGraphicControl {
  HOST_CLASS(TShape, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TShape(TComponent* AOwner);

  TPen* GetPen() const { return FPen; }
  void SetPen(TPen* Value) { FPen->Assign(Value); }
  TBrush* GetBrush() const { return FBrush; }
  void SetBrush(TBrush* Value) { FBrush->Assign(Value); }
  TShapeType GetShape() const { return FShape; }
  void SetShape(TShapeType Value);
  // What a change of Pen or Brush calls: repaints.
  void StyleChanged(TObject* Sender);

 protected:
  ~TShape() override = default;
  void Destroy() override;
  void Paint() override;

 private:
  TPen* FPen = nullptr;
  TBrush* FBrush = nullptr;
  TShapeType FShape = stRectangle;
};

// ------------------------------------------------------------------ TPaintBox

// An area its OnPaint handler paints on Canvas (the canvas has the box's
// Font and, as brush colour, its Color). At design time it shows a dashed
// outline.
class TPaintBox : public TGraphicControl {
  HOST_CLASS(TPaintBox, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TPaintBox(TComponent* AOwner);

  TNotifyEvent OnPaint;

 protected:
  ~TPaintBox() override = default;
  void Paint() override;
};

// --------------------------------------------------------------------- TImage

// Shows Picture: stretched to the control (Stretch), centred (Center) or at
// the top-left corner; Transparent is passed on to a bitmap. With AutoSize
// the control takes the picture's size whenever it changes. Canvas draws on
// the picture's bitmap, making one of the control's size when the picture
// is empty. OnProgress relays the picture's progress; with
// IncrementalDisplay each step that asks for it repaints at once.
class TImage : public TGraphicControl {
  HOST_CLASS(TImage, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TImage(TComponent* AOwner);

  // Hides the control canvas of TGraphicControl: this one draws on the
  // picture (raises EInvalidOperation when it holds no bitmap).
  TCanvas* GetCanvas();
  TPicture* GetPicture() const { return FPicture; }
  void SetPicture(TPicture* Value) { FPicture->Assign(Value); }
  bool GetCenter() const { return FCenter; }
  void SetCenter(bool Value);
  bool GetStretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool GetIncrementalDisplay() const { return FIncrementalDisplay; }
  void SetIncrementalDisplay(bool Value) { FIncrementalDisplay = Value; }
  // Where the picture is drawn, in the control's coordinates.
  TRect DestRect() const;
  void SetAutoSize(bool Value) override;

  TProgressEvent OnProgress;

 protected:
  ~TImage() override = default;
  void Destroy() override;
  void Paint() override;

 private:
  void PictureChanged(TObject* Sender);
  void Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                const std::string& Msg);
  void SetOption(bool& Field, bool Value);
  // With AutoSize, takes the picture's size (the sides Align leaves free).
  void SizeToPicture();
  TPicture* FPicture = nullptr;
  bool FCenter = false;
  bool FStretch = false;
  bool FTransparent = false;
  bool FIncrementalDisplay = false;
  bool FDrawing = false;
};

// --------------------------------------------------------------------- TBevel

enum TBevelShape : uint8_t { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
HOST_ENUM_INFO(TBevelShape, "bsBox", "bsFrame", "bsTopLine", "bsBottomLine", "bsLeftLine", "bsRightLine", "bsSpacer")
enum TBevelStyle : uint8_t { bsLowered, bsRaised };
HOST_ENUM_INFO(TBevelStyle, "bsLowered", "bsRaised")

// A 3D box, a double frame or one edge line (two pixels: shadow and
// highlight, in the order Style gives), or an empty spacer (outlined while
// designed).
class TBevel : public TGraphicControl {
  HOST_CLASS(TBevel, TGraphicControl)
  using TCreateArg = TComponent;
  explicit TBevel(TComponent* AOwner);

  TBevelShape GetShape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle GetStyle() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  ~TBevel() override = default;
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};

}  // namespace host
