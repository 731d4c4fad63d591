// TIcon: an icon read from and written to the classic .ico file format.
//
// An .ico file is a directory (reserved word 0, type word 1, image count)
// of 16-byte entries (width, height, colour count, reserved, planes, bits
// per pixel, byte count, offset) followed by the images; each image is a
// packed DIB of twice the icon's height (colour pixels, then the 1-bit AND
// mask, bottom-up). An icon shows the image closest to 32 x 32 pixels
// (the larger on a tie, then the one with more colours); images stored as
// PNG are skipped. The file is kept as it was read and written back
// unchanged; an icon made from a handle is written as one 32-bit image.
//
// Icons are always transparent and keep their size: setting Width or
// Height raises EInvalidGraphicOperation "Cannot change the size of an
// icon"; they cannot go to the clipboard (EInvalidGraphic "Clipboard does
// not support Icons"). A file that cannot be read raises EInvalidGraphic
// "Icon image is not valid: <what is wrong>" and leaves the icon as it was.
#pragma once

#include <cstdint>
#include <vector>

#include "host/graphics/graphic.h"

namespace host {

class TIconImage : public TSharedImage {
  HOST_CLASS(TIconImage, TSharedImage)

  TIconImage() = default;

 protected:
  ~TIconImage() override = default;
  void FreeHandle() override;

 private:
  friend class TIcon;
  std::vector<uint8_t> FData;  // the .ico file as read (empty for an icon made from a handle)
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  std::vector<TPixel> FColor;  // the shown image: colour pixels, rows from the top
  std::vector<TPixel> FMask;   // white where the destination shows through
  HICON FHandle = 0;
};

class TIcon : public TGraphic {
  HOST_CLASS(TIcon, TGraphic)

  TIcon();

  // Shares the image of another icon; null empties.
  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override;
  int32_t GetHeight() const override;
  void SetHeight(int32_t Value) override;
  int32_t GetWidth() const override;
  void SetWidth(int32_t Value) override;
  bool GetTransparent() const override { return true; }
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  void LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) override;
  void SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) override;

  // The widgetset icon (made on first use; 0 when empty).
  HICON GetHandle();
  // Takes over a widgetset icon.
  void SetHandle(HICON Value);
  // Hands the handle to the caller (who destroys it); the icon keeps its image.
  HICON ReleaseHandle();

 protected:
  ~TIcon() override = default;
  void Destroy() override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;

 private:
  TIconImage* FImage;
};

}  // namespace host
