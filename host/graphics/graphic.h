// TGraphic, the base of every picture kind (bitmap, icon, metafile), and
// TSharedImage, the reference-counted image data that copies of a graphic
// share until one of them changes it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "host/classes/persistent.h"
#include "host/graphics/graphicsobj.h"
#include "host/rtl/events.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TCanvas;
class TFiler;
class TStream;

enum TProgressStage : uint8_t { psStarting, psRunning, psEnding };
// Sender, Stage, PercentDone, RedrawNow, R (the part of the image that is
// ready), Msg.
using TProgressEvent = TEvent<TObject*, TProgressStage, uint8_t, bool, const TRect&, const std::string&>;

// --------------------------------------------------------------- TSharedImage

class TSharedImage : public TObject {
  HOST_CLASS(TSharedImage, TObject)

  int32_t GetRefCount() const { return FRefCount; }
  void Reference() { ++FRefCount; }
  // Frees the image when the last reference goes.
  void Release();

 protected:
  ~TSharedImage() override = default;
  void Destroy() override;
  // Deletes the widgetset handles the image holds.
  virtual void FreeHandle() = 0;

 private:
  int32_t FRefCount = 0;
};

// -------------------------------------------------------------------- TGraphic

class TGraphic : public TPersistent {
  HOST_CLASS(TGraphic, TPersistent)

  virtual bool GetEmpty() const = 0;
  virtual int32_t GetHeight() const = 0;
  virtual void SetHeight(int32_t Value) = 0;
  virtual int32_t GetWidth() const = 0;
  virtual void SetWidth(int32_t Value) = 0;
  // Set by every change; cleared only by SetModified(false).
  bool GetModified() const { return FModified; }
  void SetModified(bool Value);
  // The palette handle (0 when the graphic has none).
  virtual HPALETTE GetPalette() { return 0; }
  virtual void SetPalette(HPALETTE) {}
  bool GetPaletteModified() const { return FPaletteModified; }
  void SetPaletteModified(bool Value) { FPaletteModified = Value; }
  virtual bool GetTransparent() const { return FTransparent; }
  virtual void SetTransparent(bool Value);

  // Reads / writes the graphic's own file format. A file or stream that
  // cannot be read raises and leaves the graphic as it was.
  virtual void LoadFromFile(const std::string& Filename);
  virtual void SaveToFile(const std::string& Filename);
  virtual void LoadFromStream(TStream* Stream) = 0;
  virtual void SaveToStream(TStream* Stream) = 0;
  // Clipboard data in AFormat (a CF_ value); AData and APalette stay the
  // caller's. Save makes new handles the caller owns (the clipboard takes
  // them over).
  virtual void LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) = 0;
  virtual void SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) = 0;

  // A graphic published by a component streams as the binary property "Data".
  void DefineProperties(TFiler* Filer) override;

  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  ~TGraphic() override = default;
  virtual void Changed(TObject* Sender);
  virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
  // The data of the "Data" property (and of a picture's data); the default
  // is the file format.
  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream);
  void Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                const std::string& Msg);
  // Sets Transparent without firing OnChange (for Assign, which fires once).
  void StoreTransparent(bool Value) { FTransparent = Value; }
  // Makes Slot (a graphic's image) hold Image: takes a reference to Image,
  // then gives up the one to the image Slot held, which goes when no other
  // copy of the graphic shares it.
  template <class TImage>
  static void ReplaceImage(TImage*& Slot, TImage* Image) {
    Image->Reference();
    TImage* old = Slot;
    Slot = Image;
    old->Release();
  }

 private:
  friend class TCanvas;
  friend class TPicture;
  friend class TMetafile;
  bool FModified = false;
  bool FPaletteModified = false;
  bool FTransparent = false;
};

// A graphic class (the metaclass of a TGraphic descendant).
using TGraphicClass = TClass;

// The "Data" of bitmaps and metafiles: a 32-bit byte count, then the bytes
// (the graphic's file). ReadSizedData checks the count against the stream,
// raising EInvalidGraphic with Message, and loads the bytes with Load.
void ReadSizedData(TStream* Stream, const char* Message, const std::function<void(TStream*)>& Load);
void WriteSizedData(TStream* Stream, const std::function<void(TStream*)>& Save);

// Bytes read for a reader (not cleared before they are read into).
class TByteBuffer {
 public:
  explicit TByteBuffer(std::size_t Size);
  std::span<const uint8_t> Span() const { return {FData.get(), FSize}; }
  uint8_t* Data() { return FData.get(); }
  std::size_t Size() const { return FSize; }
  bool Empty() const { return FSize == 0; }

 private:
  std::unique_ptr<uint8_t[]> FData;
  std::size_t FSize;
};

// Reads the rest of Stream into memory for a reader; raises EInvalidGraphic
// (with Message as the class's message) when the stream holds more than
// MaxBytes.
TByteBuffer ReadRemaining(TStream* Stream, const char* Message, int64_t MaxBytes = int64_t{1} << 30);

}  // namespace host
