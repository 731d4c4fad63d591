#include "host/graphics/picture.h"

#include <algorithm>
#include <vector>

#include "host/classes/filer.h"
#include "host/classes/resources.h"
#include "host/classes/streams.h"
#include "host/graphics/bitmap.h"
#include "host/graphics/icon.h"
#include "host/graphics/metafile.h"

namespace host {

HOST_IMPL(TPicture, TPersistent)

namespace {

struct TFileFormat {
  std::string Extension;  // lower case, no dot
  std::string Description;
  TGraphicClass Class;
};

struct TClipboardFormat {
  uint16_t Format;
  TGraphicClass Class;
};

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats;
  return formats;
}

std::vector<TClipboardFormat>& ClipboardFormats() {
  static std::vector<TClipboardFormat> formats;
  return formats;
}

void CheckGraphicClass(TGraphicClass Class) {
  if (!Class || !Class->InheritsFrom(&TGraphic::StaticMetaClass))
    throw EInvalidGraphicOperation("Class %s is not a graphic class", {Class ? Class->Name : "nil"});
}

// The extension of a file name, lower case and without the dot.
std::string ExtensionOf(const std::string& Filename) {
  const std::size_t slash = Filename.find_last_of("/\\");
  const std::size_t dot = Filename.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return LowerCase(Filename.substr(dot + 1));
}

TGraphicClass FindClassName(const std::string& Name) {
  for (auto it = FileFormats().rbegin(); it != FileFormats().rend(); ++it)
    if (it->Class->ClassNameIs(Name)) return it->Class;
  return nullptr;
}

}  // namespace

// ---------------------------------------------------------------- registry

void TPicture::RegisterFileFormat(const std::string& AExtension, const std::string& ADescription,
                                  TGraphicClass AGraphicClass) {
  CheckGraphicClass(AGraphicClass);
  FileFormats().push_back({LowerCase(AExtension), ADescription, AGraphicClass});
}

void TPicture::RegisterFileFormatRes(const std::string& AExtension, int32_t ADescriptionResID,
                                     TGraphicClass AGraphicClass) {
  const auto text = FindResourceData(HInstance(), "#" + IntToStr(ADescriptionResID), RT_STRING);
  RegisterFileFormat(AExtension, text ? std::string(text->begin(), text->end()) : std::string(), AGraphicClass);
}

void TPicture::RegisterClipboardFormat(uint16_t AFormat, TGraphicClass AGraphicClass) {
  CheckGraphicClass(AGraphicClass);
  ClipboardFormats().push_back({AFormat, AGraphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass AClass) {
  std::erase_if(FileFormats(), [&](const TFileFormat& f) { return f.Class->InheritsFrom(AClass); });
  std::erase_if(ClipboardFormats(), [&](const TClipboardFormat& f) { return f.Class->InheritsFrom(AClass); });
}

TGraphicClass TPicture::FindFileFormat(const std::string& AExtension) {
  const std::string ext = LowerCase(AExtension);
  for (auto it = FileFormats().rbegin(); it != FileFormats().rend(); ++it)
    if (it->Extension == ext) return it->Class;
  return nullptr;
}

bool TPicture::SupportsClipboardFormat(uint16_t AFormat) {
  return std::any_of(ClipboardFormats().begin(), ClipboardFormats().end(),
                     [&](const TClipboardFormat& f) { return f.Format == AFormat; });
}

std::string GraphicFilter(TGraphicClass GraphicClass) {
  std::string filter, all;
  for (const TFileFormat& f : FileFormats()) {
    if (GraphicClass && !f.Class->InheritsFrom(GraphicClass)) continue;
    filter += (filter.empty() ? "" : "|") + f.Description + " (*." + f.Extension + ")|*." + f.Extension;
    all += (all.empty() ? "*." : ";*.") + f.Extension;
  }
  if (!GraphicClass && !all.empty()) filter = "All (" + all + ")|" + all + "|" + filter;
  return filter;
}

std::string GraphicExtension(TGraphicClass GraphicClass) {
  for (const TFileFormat& f : FileFormats())
    if (f.Class->InheritsFrom(GraphicClass)) return f.Extension;
  return {};
}

std::string GraphicFileMask(TGraphicClass GraphicClass) {
  std::string mask;
  for (const TFileFormat& f : FileFormats())
    if (!GraphicClass || f.Class->InheritsFrom(GraphicClass)) mask += (mask.empty() ? "*." : ";*.") + f.Extension;
  return mask;
}

// ---------------------------------------------------------------- TPicture

void TPicture::Destroy() {
  FreeAndNil(FGraphic);
  FNotify.Set(nullptr);
  inherited::Destroy();
}

void TPicture::Changed(TObject*) {
  FNotify.Notify();
  if (OnChange) OnChange(this);
}

void TPicture::Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                        const std::string& Msg) {
  if (OnProgress) OnProgress(Sender, Stage, PercentDone, RedrawNow, R, Msg);
}

TGraphic* TPicture::NewGraphicOf(TGraphicClass Class) {
  CheckGraphicClass(Class);
  TObject* created = Class->Create();
  auto* graphic = dynamic_cast<TGraphic*>(created);
  graphic->OnProgress = TProgressEvent(this, &TPicture::Progress);
  return graphic;
}

void TPicture::Replace(TGraphic* Graphic) {
  if (Graphic) Graphic->OnChange = TNotifyEvent(this, &TPicture::Changed);
  TGraphic* old = FGraphic;
  FGraphic = Graphic;
  FreeObject(old);
  Changed(this);
}

template <class T>
T* TPicture::ForceType() {
  if (auto* graphic = dynamic_cast<T*>(FGraphic)) return graphic;
  Replace(NewGraphicOf(&T::StaticMetaClass));
  return static_cast<T*>(FGraphic);
}

TBitmap* TPicture::GetBitmap() { return ForceType<TBitmap>(); }
TIcon* TPicture::GetIcon() { return ForceType<TIcon>(); }
TMetafile* TPicture::GetMetafile() { return ForceType<TMetafile>(); }
void TPicture::SetBitmap(TBitmap* Value) { SetGraphic(Value); }
void TPicture::SetIcon(TIcon* Value) { SetGraphic(Value); }
void TPicture::SetMetafile(TMetafile* Value) { SetGraphic(Value); }

void TPicture::SetGraphic(TGraphic* Value) {
  if (!Value) return Replace(nullptr);
  TOwned<TGraphic> copy(NewGraphicOf(Value->ClassType()));
  copy->Assign(Value);
  Replace(copy.release());
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) return SetGraphic(nullptr);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) return SetGraphic(picture->FGraphic);
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) return SetGraphic(graphic);
  inherited::Assign(Source);
}

int32_t TPicture::GetWidth() const { return FGraphic ? FGraphic->GetWidth() : 0; }
int32_t TPicture::GetHeight() const { return FGraphic ? FGraphic->GetHeight() : 0; }

void TPicture::LoadFromFile(const std::string& Filename) {
  const std::string ext = ExtensionOf(Filename);
  const TGraphicClass graphicClass = FindFileFormat(ext);
  if (!graphicClass) throw EInvalidGraphic(SUnknownExtension, {ext});
  TOwned<TGraphic> graphic(NewGraphicOf(graphicClass));
  graphic->LoadFromFile(Filename);
  Replace(graphic.release());
}

void TPicture::SaveToFile(const std::string& Filename) {
  if (FGraphic) FGraphic->SaveToFile(Filename);
}

void TPicture::LoadFromClipboardFormat(uint16_t AFormat, THandle AData, HPALETTE APalette) {
  auto it = std::find_if(ClipboardFormats().rbegin(), ClipboardFormats().rend(),
                         [&](const TClipboardFormat& f) { return f.Format == AFormat; });
  if (it == ClipboardFormats().rend())
    throw EInvalidGraphic("%s (format %d)", {SUnknownClipboardFormat, static_cast<int>(AFormat)});
  TOwned<TGraphic> graphic(NewGraphicOf(it->Class));
  graphic->LoadFromClipboardFormat(AFormat, AData, APalette);
  Replace(graphic.release());
}

void TPicture::SaveToClipboardFormat(uint16_t& AFormat, THandle& AData, HPALETTE& APalette) {
  AFormat = 0;
  AData = 0;
  APalette = 0;
  if (FGraphic) FGraphic->SaveToClipboardFormat(AFormat, AData, APalette);
}

// ------------------------------------------------------------------ filing

void TPicture::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, FGraphic != nullptr);
}

void TPicture::ReadData(TStream* Stream) {
  uint8_t length = 0;
  Stream->Read(&length, 1);
  std::string name(length, '\0');
  if (length > 0 && Stream->Read(name.data(), length) != length)
    throw EInvalidGraphic("Picture data is not valid: it ends inside its class name");
  if (name.empty()) return Replace(nullptr);
  const TGraphicClass graphicClass = FindClassName(name);
  if (!graphicClass) throw EInvalidGraphic("Picture data is not valid: %s is not a registered graphic class", {name});
  TOwned<TGraphic> graphic(NewGraphicOf(graphicClass));
  graphic->ReadData(Stream);
  Replace(graphic.release());
}

void TPicture::WriteData(TStream* Stream) {
  const std::string name = FGraphic ? FGraphic->ClassName() : std::string();
  const uint8_t length = static_cast<uint8_t>(name.size());
  Stream->WriteBuffer(&length, 1);
  Stream->WriteBuffer(name.data(), length);
  if (FGraphic) FGraphic->WriteData(Stream);
}

}  // namespace host
