#include "host/graphics/graphics.h"

#include "host/classes/typinfo.h"

namespace host {

namespace {

int graphicsClassesCount = 0;

void RegisterGraphicsProperties() {
  RegisterProperties(&TFont::StaticMetaClass, {
                                                  Prop<&TFont::GetCharset, &TFont::SetCharset>("Charset"),
                                                  Prop<&TFont::GetColor, &TFont::SetColor>("Color"),
                                                  Prop<&TFont::GetHeight, &TFont::SetHeight>("Height"),
                                                  Prop<&TFont::GetName, &TFont::SetName>("Name"),
                                                  Prop<&TFont::GetPitch, &TFont::SetPitch>("Pitch").Default(fpDefault),
                                                  Prop<&TFont::GetSize, &TFont::SetSize>("Size").Stored(false),
                                                  Prop<&TFont::GetStyle, &TFont::SetStyle>("Style"),
                                              });
  RegisterProperties(&TPen::StaticMetaClass, {
                                                 Prop<&TPen::GetColor, &TPen::SetColor>("Color").Default(clBlack),
                                                 Prop<&TPen::GetMode, &TPen::SetMode>("Mode").Default(pmCopy),
                                                 Prop<&TPen::GetStyle, &TPen::SetStyle>("Style").Default(psSolid),
                                                 Prop<&TPen::GetWidth, &TPen::SetWidth>("Width").Default(1),
                                             });
  RegisterProperties(&TBrush::StaticMetaClass, {
                                                   Prop<&TBrush::GetColor, &TBrush::SetColor>("Color").Default(clWhite),
                                                   Prop<&TBrush::GetStyle, &TBrush::SetStyle>("Style").Default(bsSolid),
                                               });
}

constexpr TClass kStreamedClasses[] = {&TFont::StaticMetaClass,    &TPen::StaticMetaClass,    &TBrush::StaticMetaClass,
                                       &TPicture::StaticMetaClass, &TBitmap::StaticMetaClass, &TIcon::StaticMetaClass,
                                       &TMetafile::StaticMetaClass};

void RegisterFormats() {
  TPicture::RegisterFileFormat("wmf", SVMetafiles, &TMetafile::StaticMetaClass);
  TPicture::RegisterFileFormat("emf", SVEnhMetafiles, &TMetafile::StaticMetaClass);
  TPicture::RegisterFileFormat("ico", SVIcons, &TIcon::StaticMetaClass);
  TPicture::RegisterFileFormat("bmp", SVBitmaps, &TBitmap::StaticMetaClass);
  TPicture::RegisterClipboardFormat(CF_ENHMETAFILE, &TMetafile::StaticMetaClass);
  TPicture::RegisterClipboardFormat(CF_BITMAP, &TBitmap::StaticMetaClass);
}

}  // namespace

void RegisterGraphicsClasses() {
  if (graphicsClassesCount++ > 0) return;
  RegisterGraphicsProperties();
  RegisterIntegerConsts(HostTypeInfo(static_cast<TColor*>(nullptr)), IdentToColor, ColorToIdent);
  RegisterIntegerConsts(HostTypeInfo(static_cast<TFontCharset*>(nullptr)), IdentToCharset, CharsetToIdent);
  for (TClass c : kStreamedClasses) RegisterClass(c);
  RegisterFormats();
}

void UnregisterGraphicsClasses() {
  if (graphicsClassesCount == 0 || --graphicsClassesCount > 0) return;
  for (TClass c : {&TBitmap::StaticMetaClass, &TIcon::StaticMetaClass, &TMetafile::StaticMetaClass})
    TPicture::UnregisterGraphicClass(c);
  for (TClass c : kStreamedClasses) UnRegisterClass(c);
  UnregisterIntegerConsts(HostTypeInfo(static_cast<TFontCharset*>(nullptr)));
  UnregisterIntegerConsts(HostTypeInfo(static_cast<TColor*>(nullptr)));
  for (TClass c : {&TFont::StaticMetaClass, &TPen::StaticMetaClass, &TBrush::StaticMetaClass}) UnregisterProperties(c);
}

std::span<const TClass> GraphicsClasses() {
  static constexpr TClass kClasses[] = {
      &TGraphicsObject::StaticMetaClass, &TFont::StaticMetaClass,        &TPen::StaticMetaClass,
      &TBrush::StaticMetaClass,          &TCanvas::StaticMetaClass,      &TSharedImage::StaticMetaClass,
      &TGraphic::StaticMetaClass,        &TBitmapImage::StaticMetaClass, &TBitmap::StaticMetaClass,
      &TBitmapCanvas::StaticMetaClass,   &TIconImage::StaticMetaClass,   &TIcon::StaticMetaClass,
      &TMetafileImage::StaticMetaClass,  &TMetafile::StaticMetaClass,    &TMetafileCanvas::StaticMetaClass,
      &TPicture::StaticMetaClass,
  };
  return kClasses;
}

}  // namespace host
