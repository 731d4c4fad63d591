#include "host/graphics/graphic.h"

#include "host/classes/filer.h"
#include "host/classes/streams.h"

namespace host {

HOST_IMPL(TSharedImage, TObject)
HOST_IMPL(TGraphic, TPersistent)

void TSharedImage::Release() {
  if (--FRefCount == 0) Free();
}

void TSharedImage::Destroy() {
  FreeHandle();
  inherited::Destroy();
}

void TGraphic::SetModified(bool Value) {
  if (Value)
    Changed(this);
  else
    FModified = false;
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed(this);
}

void TGraphic::Changed(TObject*) {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::Progress(TObject* Sender, TProgressStage Stage, uint8_t PercentDone, bool RedrawNow, const TRect& R,
                        const std::string& Msg) {
  if (OnProgress) OnProgress(Sender, Stage, PercentDone, RedrawNow, R, Msg);
}

void TGraphic::LoadFromFile(const std::string& Filename) {
  TOwned<TFileStream> stream = MakeOwned<TFileStream>(Filename, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream.get());
}

void TGraphic::SaveToFile(const std::string& Filename) {
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  SaveToStream(data.get());  // fully encoded before the file is touched
  TOwned<TFileStream> stream = MakeOwned<TFileStream>(Filename, fmCreate);
  data->SaveToStream(stream.get());
}

void TGraphic::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* s) { ReadData(s); }, [this](TStream* s) { WriteData(s); }, !GetEmpty());
}

void TGraphic::ReadData(TStream* Stream) { LoadFromStream(Stream); }

void TGraphic::WriteData(TStream* Stream) { SaveToStream(Stream); }

void ReadSizedData(TStream* Stream, const char* Message, const std::function<void(TStream*)>& Load) {
  uint8_t size[4];
  if (Stream->Read(size, 4) != 4) throw EInvalidGraphic("%s: the data ends inside its size", {Message});
  const int64_t count = static_cast<int32_t>(size[0] | (size[1] << 8) | (size[2] << 16) | (uint32_t{size[3]} << 24));
  const int64_t remaining = Stream->GetSize() - Stream->GetPosition();
  if (count < 0 || count > remaining)
    throw EInvalidGraphic("%s: its data claims %d bytes but %d follow",
                          {Message, static_cast<long long>(count), static_cast<long long>(remaining)});
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  if (count > 0) data->CopyFrom(Stream, count);
  data->SetPosition(0);
  Load(data.get());
}

void WriteSizedData(TStream* Stream, const std::function<void(TStream*)>& Save) {
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  Save(data.get());
  const uint32_t count = static_cast<uint32_t>(data->GetSize());
  const uint8_t size[4] = {static_cast<uint8_t>(count), static_cast<uint8_t>(count >> 8),
                           static_cast<uint8_t>(count >> 16), static_cast<uint8_t>(count >> 24)};
  Stream->WriteBuffer(size, 4);
  data->SaveToStream(Stream);
}

TByteBuffer::TByteBuffer(std::size_t Size) : FData(std::make_unique_for_overwrite<uint8_t[]>(Size)), FSize(Size) {}

TByteBuffer ReadRemaining(TStream* Stream, const char* Message, int64_t MaxBytes) {
  const int64_t remaining = std::max<int64_t>(Stream->GetSize() - Stream->GetPosition(), 0);
  if (remaining > MaxBytes)
    throw EInvalidGraphic("%s: the data is larger than %d bytes", {Message, static_cast<long long>(MaxBytes)});
  TByteBuffer bytes(static_cast<std::size_t>(remaining));
  if (!bytes.Empty()) Stream->ReadBuffer(bytes.Data(), static_cast<int32_t>(bytes.Size()));
  return bytes;
}

}  // namespace host
