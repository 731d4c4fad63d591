// TMetafile: a picture made of drawing calls. A TMetafileCanvas records
// what is drawn on it; when the canvas is freed the metafile holds the
// recording, and drawing the metafile plays the calls again, scaled to the
// rectangle it is drawn in. The file format is described in mfrecords.h.
//
// A metafile's size is kept in 0.01 mm (MMWidth, MMHeight); Width and
// Height are the same in screen pixels. A recording made without a size set
// takes the extent of what was drawn. Files that cannot be read raise
// EInvalidGraphic "Metafile is not valid: <what is wrong>" and leave the
// metafile as it was.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/graphics/canvas.h"
#include "host/graphics/graphic.h"
#include "host/graphics/mfrecords.h"

namespace host {

class TMetafileImage : public TSharedImage {
  HOST_CLASS(TMetafileImage, TSharedImage)

  TMetafileImage() = default;

 protected:
  ~TMetafileImage() override = default;
  void FreeHandle() override;

 private:
  friend class TMetafile;
  bool FHasContent = false;  // a recording exists (possibly of nothing)
  std::vector<uint8_t> FRecords;
  // Size, units per inch, comments and RecordCount (the number of FRecords).
  // Its Enhanced is not used: the metafile's own flag is written.
  mf::THeader FHeader;
  HENHMETAFILE FHandle = 0;
};

class TMetafile : public TGraphic {
  HOST_CLASS(TMetafile, TGraphic)

  TMetafile();

  // Shares the recording of another metafile; null empties.
  void Assign(TPersistent* Source) override;

  bool GetEmpty() const override { return !FImage->FHasContent; }
  int32_t GetHeight() const override;
  void SetHeight(int32_t Value) override;
  int32_t GetWidth() const override;
  void SetWidth(int32_t Value) override;
  void LoadFromStream(TStream* Stream) override;
  void SaveToStream(TStream* Stream) override;
  // CF_ENHMETAFILE with a metafile handle.
  void LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) override;
  void SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) override;

  const std::string& GetCreatedBy() const { return FImage->FHeader.CreatedBy; }
  const std::string& GetDescription() const { return FImage->FHeader.Description; }
  bool GetEnhanced() const { return FEnhanced; }
  void SetEnhanced(bool Value) { FEnhanced = Value; }
  // The widgetset metafile holding the file's bytes (0 when empty).
  HENHMETAFILE GetHandle();
  // Takes over a widgetset metafile; raises EInvalidGraphic when its bytes
  // are not a metafile.
  void SetHandle(HENHMETAFILE Value);
  int32_t GetMMWidth() const { return FImage->FHeader.MMWidth; }
  void SetMMWidth(int32_t Value);
  int32_t GetMMHeight() const { return FImage->FHeader.MMHeight; }
  void SetMMHeight(int32_t Value);
  uint16_t GetInch() const { return FImage->FHeader.Inch; }
  void SetInch(uint16_t Value);

  // Empties the metafile.
  void Clear();
  // Hands the handle to the caller (who deletes it); the metafile is empty
  // afterwards.
  HENHMETAFILE ReleaseHandle();

 protected:
  ~TMetafile() override = default;
  void Destroy() override;
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  // A 32-bit byte count, then the file.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

 private:
  friend class TMetafileCanvas;
  void Unshare();
  // Sets a header field of the image (its own, unshared, without the
  // widgetset handle of the old bytes) and fires OnChange, unless the field
  // already has Value.
  template <class T>
  void SetHeaderField(T mf::THeader::*Field, T Value);
  std::vector<uint8_t> FileBytes() const;
  // Replaces the content with what Data holds (a whole file).
  void LoadBytes(std::span<const uint8_t> Data, HENHMETAFILE Handle, std::size_t* End);
  // Called by a metafile canvas when it is freed.
  void TakeRecording(const mf::TRecordWriter& Records, const std::string& CreatedBy, const std::string& Description,
                     const TRect& Extent, int32_t PixelsPerInch);

  TMetafileImage* FImage;
  bool FEnhanced = true;
};

// A canvas whose drawing calls go into a metafile. Text is measured on the
// reference device (the screen for 0).
class TMetafileCanvas : public TCanvas {
  HOST_CLASS(TMetafileCanvas, TCanvas)

  TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice);
  TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice, const std::string& CreatedBy,
                  const std::string& Description);
  static TMetafileCanvas* CreateWithComment(TMetafile* AMetafile, HDC ReferenceDevice, const std::string& CreatedBy,
                                            const std::string& Description) {
    return New<TMetafileCanvas>(AMetafile, ReferenceDevice, CreatedBy, Description);
  }

 protected:
  ~TMetafileCanvas() override = default;
  // Gives the recording to the metafile.
  void Destroy() override;
  void CreateHandle() override;
  void Perform(const TCanvasCommand& Command) override;

 private:
  void RecordState();
  void Extend(const TCanvasCommand& Command);

  TMetafile* FMetafile;
  HDC FReference;
  std::string FCreatedBy;
  std::string FDescription;
  mf::TRecordWriter FRecords;
  mf::TPenState FPenState;
  mf::TBrushState FBrushState;
  mf::TFontState FFontState;
  bool FStateRecorded = false;
  TRect FExtent;
  bool FHasExtent = false;
};

}  // namespace host
