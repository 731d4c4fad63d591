// TPicture: holds one graphic of any registered kind, chosen by file
// extension when loading and by clipboard format when pasting.
//
// The registries of graphic classes are the class's (static): file formats
// by extension and clipboard formats by number. RegisterGraphicsClasses
// (graphics.h) fills in the classic ones: bmp, ico, emf and wmf, CF_BITMAP
// and CF_ENHMETAFILE. A component that publishes a picture stores it in the
// form file as the binary property "Data": the graphic's class name as a
// short string, then the graphic's own data.
#pragma once

#include <cstdint>
#include <string>

#include "host/graphics/graphic.h"

namespace host {

class TBitmap;
class TIcon;
class TMetafile;

class TPicture : public TPersistent {
  HOST_CLASS(TPicture, TPersistent)

  TPicture() = default;

  // Copies another picture's graphic or a graphic; null empties.
  void Assign(TPersistent* Source) override;

  // These replace the graphic with an empty one of their kind when it is of
  // another kind (or missing).
  TBitmap* GetBitmap();
  void SetBitmap(TBitmap* Value);
  TIcon* GetIcon();
  void SetIcon(TIcon* Value);
  TMetafile* GetMetafile();
  void SetMetafile(TMetafile* Value);
  TGraphic* GetGraphic() const { return FGraphic; }
  // Keeps a copy of Value (null empties).
  void SetGraphic(TGraphic* Value);
  IChangeNotifier* GetPictureAdapter() const { return FNotify.Get(); }
  void SetPictureAdapter(IChangeNotifier* Value) { FNotify.Set(Value); }
  int32_t GetWidth() const;
  int32_t GetHeight() const;

  // Loads a file with the graphic class registered for its extension. An
  // unknown extension raises EInvalidGraphic "Unknown picture file
  // extension (.xyz)"; a file that cannot be read raises as its graphic
  // class does. Either way the picture keeps its graphic.
  void LoadFromFile(const std::string& Filename);
  void SaveToFile(const std::string& Filename);
  void LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette);
  void SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette);

  static bool SupportsClipboardFormat(uint16_t AFormat);
  // Extensions are given without the dot and compare without regard to
  // case; a later registration of an extension or format wins. A class that
  // is not a graphic raises EInvalidGraphicOperation.
  static void RegisterFileFormat(const std::string& AExtension, const std::string& ADescription,
                                 TGraphicClass AGraphicClass);
  // The description is the string resource ADescriptionResID (empty when there is none).
  static void RegisterFileFormatRes(const std::string& AExtension, int32_t ADescriptionResID,
                                    TGraphicClass AGraphicClass);
  static void RegisterClipboardFormat(uint16_t AFormat, TGraphicClass AGraphicClass);
  // Removes every file and clipboard format of the class and its descendants.
  static void UnregisterGraphicClass(TGraphicClass AClass);
  // The graphic class registered for an extension; null when none.
  static TGraphicClass FindFileFormat(const std::string& AExtension);

  void DefineProperties(TFiler* Filer) override;

  TNotifyEvent OnChange;
  TProgressEvent OnProgress;

 protected:
  ~TPicture() override = default;
  void Destroy() override;
  virtual void Changed(TObject* Sender);
  void Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                const std::string& Msg);
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);

 private:
  template <class T>
  T* ForceType();
  // Takes ownership of Graphic (null empties), frees the old one, fires OnChange.
  void Replace(TGraphic* Graphic);
  TGraphic* NewGraphicOf(TGraphicClass Class);

  TGraphic* FGraphic = nullptr;
  TNotifierRef FNotify;
};

// Open-dialog filters: "Bitmaps (*.bmp)|*.bmp" for one class's formats (all
// formats for null), the first extension, and the masks joined by ';'.
std::string GraphicFilter(TGraphicClass GraphicClass);
std::string GraphicExtension(TGraphicClass GraphicClass);
std::string GraphicFileMask(TGraphicClass GraphicClass);

}  // namespace host
