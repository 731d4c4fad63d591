// The image control: a picture shown stretched, centred or at the corner.
#include <algorithm>

#include "host/extctrls/extpaint_p.h"
#include "host/extctrls/shapes.h"

namespace host {

HOST_IMPL(TImage, TGraphicControl)

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csReplicatable);
  FPicture = New<TPicture>();
  FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
  FPicture->OnProgress = TProgressEvent(this, &TImage::Progress);
  SetBounds(0, 0, 105, 105);
}

void TImage::Destroy() {
  FreeAndNil(FPicture);
  inherited::Destroy();
}

// The picture's bitmap canvas; an empty picture first gets a bitmap of the
// control's size.
TCanvas* TImage::GetCanvas() {
  if (!FPicture->GetGraphic()) {
    TBitmap* bitmap = FPicture->GetBitmap();
    bitmap->SetWidth(FWidth);
    bitmap->SetHeight(FHeight);
  }
  auto* bitmap = dynamic_cast<TBitmap*>(FPicture->GetGraphic());
  if (!bitmap)
    throw EInvalidOperation("Can only modify an image if it contains a bitmap (control '%s')",
                            {ControlDisplayName(this)});
  return bitmap->GetCanvas();
}

void TImage::SetOption(bool& Field, bool Value) {
  if (Field == Value) return;
  Field = Value;
  PictureChanged(this);
}

void TImage::SetCenter(bool Value) { SetOption(FCenter, Value); }
void TImage::SetStretch(bool Value) { SetOption(FStretch, Value); }
void TImage::SetTransparent(bool Value) { SetOption(FTransparent, Value); }

void TImage::SetAutoSize(bool Value) {
  inherited::SetAutoSize(Value);
  SizeToPicture();
}

TRect TImage::DestRect() const {
  if (FStretch) return Rect(0, 0, FWidth, FHeight);
  const int32_t w = FPicture->GetWidth(), h = FPicture->GetHeight();
  if (FCenter) return Bounds((FWidth - w) / 2, (FHeight - h) / 2, w, h);
  return Rect(0, 0, w, h);
}

void TImage::SizeToPicture() {
  const int32_t w = FPicture->GetWidth(), h = FPicture->GetHeight();
  if (!FAutoSize || w <= 0 || h <= 0) return;
  const bool sizesWidth = FAlign == alNone || FAlign == alLeft || FAlign == alRight;
  const bool sizesHeight = FAlign == alNone || FAlign == alTop || FAlign == alBottom;
  SetBounds(FLeft, FTop, sizesWidth ? w : FWidth, sizesHeight ? h : FHeight);
}

// A bitmap takes the image's Transparent; a picture that covers the whole
// control and is not transparent makes the control opaque.
void TImage::PictureChanged(TObject* /*Sender*/) {
  SizeToPicture();
  if (TGraphic* graphic = FPicture->GetGraphic()) {
    if (dynamic_cast<TBitmap*>(graphic)) graphic->SetTransparent(FTransparent);
    const bool covers = FStretch || (graphic->GetWidth() >= FWidth && graphic->GetHeight() >= FHeight);
    if (!graphic->GetTransparent() && covers)
      FControlStyle.Include(csOpaque);
    else
      FControlStyle.Exclude(csOpaque);
  } else {
    FControlStyle.Exclude(csOpaque);
  }
  if (!FDrawing) Invalidate();
}

void TImage::Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                      const std::string& Msg) {
  if (FIncrementalDisplay && RedrawNow) Repaint();
  if (OnProgress) OnProgress(Sender, Stage, PercentDone, RedrawNow, R, Msg);
}

void TImage::Paint() {
  TCanvas* canvas = inherited::GetCanvas();
  extpaint::DesignOutline(this, canvas);
  TGraphic* graphic = FPicture->GetGraphic();
  if (!graphic || graphic->GetEmpty()) return;
  FDrawing = true;
  try {
    canvas->StretchDraw(DestRect(), graphic);
  } catch (...) {
    FDrawing = false;
    throw;
  }
  FDrawing = false;
}

}  // namespace host
