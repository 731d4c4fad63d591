#include "host/graphics/mfrecords.h"

#include <cstring>

#include "host/graphics/bmpio.h"
#include "host/graphics/graphicsobj.h"

namespace host::mf {

namespace {

// ------------------------------------------------------------- bytes out

class TBytes {
 public:
  explicit TBytes(std::vector<uint8_t>& Out) : FOut(Out) {}
  void U8(uint8_t V) { FOut.push_back(V); }
  void U16(uint16_t V) {
    U8(static_cast<uint8_t>(V));
    U8(static_cast<uint8_t>(V >> 8));
  }
  void U32(uint32_t V) {
    U16(static_cast<uint16_t>(V));
    U16(static_cast<uint16_t>(V >> 16));
  }
  void I32(int32_t V) { U32(static_cast<uint32_t>(V)); }
  void Str(const std::string& V) {
    U32(static_cast<uint32_t>(V.size()));
    FOut.insert(FOut.end(), V.begin(), V.end());
  }
  void Point(TPoint P) {
    I32(P.X);
    I32(P.Y);
  }
  void Rect(const TRect& R) {
    I32(R.Left);
    I32(R.Top);
    I32(R.Right);
    I32(R.Bottom);
  }
  void Block(const TPixelBlock& B) {
    I32(B.Width);
    I32(B.Height);
    for (TPixel p : B.Pixels) U32(p);
  }

 private:
  std::vector<uint8_t>& FOut;
};

// -------------------------------------------------------------- bytes in

class TReader {
 public:
  explicit TReader(std::span<const uint8_t> Data) : FData(Data) {}
  std::size_t Pos() const { return FPos; }
  void SetRecord(uint32_t Index) { FRecord = Index; }

  uint8_t U8() { return Take(1)[0]; }
  uint16_t U16() {
    const uint8_t* p = Take(2);
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
  }
  uint32_t U32() {
    const uint8_t* p = Take(4);
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  std::string Str() {
    const uint32_t n = Count(1);
    const uint8_t* p = Take(n);
    return {reinterpret_cast<const char*>(p), n};
  }
  TPoint Point() {
    const int32_t x = I32();
    return {x, I32()};
  }
  TRect Rect() {
    TRect r;
    r.Left = I32();
    r.Top = I32();
    r.Right = I32();
    r.Bottom = I32();
    return r;
  }
  TPixelBlock Block() {
    TPixelBlock b;
    b.Width = I32();
    b.Height = I32();
    if (b.Width < 0 || b.Height < 0) Fail(Format("a pixel block has the negative size %d x %d", {b.Width, b.Height}));
    bmpio::CheckBitmapSize(b.Width, b.Height);
    const uint64_t n = static_cast<uint64_t>(b.Width) * static_cast<uint64_t>(b.Height);
    if (n * 4 > FData.size() - FPos) Fail("the data ends inside a pixel block");
    b.Pixels.resize(static_cast<std::size_t>(n));
    for (TPixel& p : b.Pixels) p = U32();
    return b;
  }
  // A count of items of ItemSize bytes that must fit in the rest of the data.
  uint32_t Count(uint32_t ItemSize) {
    const uint32_t n = U32();
    if (uint64_t{n} * ItemSize > FData.size() - FPos)
      Fail(Format("a count of %u items runs past the end of the data", {n}));
    return n;
  }
  [[noreturn]] void Fail(const std::string& What) const {
    const std::string where = FRecord == 0 ? std::string() : Format(" (record %u)", {FRecord});
    throw EInvalidGraphic(std::string(SInvalidMetafile) + ": " + What + where);
  }

 private:
  const uint8_t* Take(std::size_t N) {
    if (N > FData.size() - FPos) Fail("the data ends too early");
    const uint8_t* p = FData.data() + FPos;
    FPos += N;
    return p;
  }
  std::span<const uint8_t> FData;
  std::size_t FPos = 0;
  uint32_t FRecord = 0;
};

void ReadRecord(TReader& In, TRecord& R) {
  R.Kind = In.U8();
  switch (R.Kind) {
    case kPenRecord:
      R.Pen.Color = In.I32();
      R.Pen.Style = In.U8();
      R.Pen.Mode = In.U8();
      R.Pen.Width = In.I32();
      if (R.Pen.Style > psInsideFrame || R.Pen.Mode > pmNotXor || R.Pen.Width < 0)
        In.Fail("a pen record is out of range");
      return;
    case kBrushRecord:
      R.Brush.Color = In.I32();
      R.Brush.Style = In.U8();
      R.Brush.Pattern = In.Block();
      if (R.Brush.Style > bsDiagCross) In.Fail("a brush record is out of range");
      return;
    case kFontRecord:
      R.Font.Name = In.Str();
      R.Font.Height = In.I32();
      R.Font.Style = In.U8();
      R.Font.Color = In.I32();
      R.Font.Charset = In.U8();
      R.Font.Pitch = In.U8();
      if (R.Font.Style > 0x0F || R.Font.Pitch > fpFixed) In.Fail("a font record is out of range");
      return;
    default:
      break;
  }
  if (R.Kind >= kCanvasOpCount) In.Fail(Format("unknown record kind %d", {static_cast<int>(R.Kind)}));
  TCanvasCommand& c = R.Command;
  c = TCanvasCommand(static_cast<TCanvasOp>(R.Kind));
  c.Box = In.Rect();
  c.P1 = In.Point();
  c.P2 = In.Point();
  c.Points.resize(In.Count(8));
  for (TPoint& p : c.Points) p = In.Point();
  c.Color = In.I32();
  c.Flags = In.U32();
  c.Text = In.Str();
  c.SourceRect = In.Rect();
  R.Source = In.Block();
  R.Mask = In.Block();
  if (!R.Mask.Empty() && (R.Mask.Width != R.Source.Width || R.Mask.Height != R.Source.Height))
    In.Fail("a mask does not have the size of its pixels");
}

void ReadRecords(TReader& In, uint32_t Count, const std::function<void(const TRecord&)>& Visit,
                 std::size_t FirstRecordIndex) {
  for (uint32_t i = 0; i < Count; ++i) {
    In.SetRecord(static_cast<uint32_t>(FirstRecordIndex + i));
    TRecord record;
    ReadRecord(In, record);
    if (Visit) Visit(record);
  }
  In.SetRecord(0);
}

}  // namespace

// ----------------------------------------------------------------- writer

void TRecordWriter::Pen(const TPenState& S) {
  TBytes out(FBytes);
  out.U8(kPenRecord);
  out.I32(S.Color);
  out.U8(S.Style);
  out.U8(S.Mode);
  out.I32(S.Width);
  ++FCount;
}

void TRecordWriter::Brush(const TBrushState& S) {
  TBytes out(FBytes);
  out.U8(kBrushRecord);
  out.I32(S.Color);
  out.U8(S.Style);
  out.Block(S.Pattern);
  ++FCount;
}

void TRecordWriter::Font(const TFontState& S) {
  TBytes out(FBytes);
  out.U8(kFontRecord);
  out.Str(S.Name);
  out.I32(S.Height);
  out.U8(S.Style);
  out.I32(S.Color);
  out.U8(S.Charset);
  out.U8(S.Pitch);
  ++FCount;
}

void TRecordWriter::Command(const TCanvasCommand& C, const TPixelBlock& Source, const TPixelBlock& Mask) {
  TBytes out(FBytes);
  out.U8(static_cast<uint8_t>(C.Op));
  out.Rect(C.Box);
  out.Point(C.P1);
  out.Point(C.P2);
  out.U32(static_cast<uint32_t>(C.Points.size()));
  for (TPoint p : C.Points) out.Point(p);
  out.I32(C.Color);
  out.U32(C.Flags);
  out.Str(C.Text);
  out.Rect(C.SourceRect);
  out.Block(Source);
  out.Block(Mask);
  ++FCount;
}

std::vector<uint8_t> Serialize(THeader Header, const TRecordWriter& Records) {
  return Serialize(std::move(Header), Records.Bytes(), Records.Count());
}

std::vector<uint8_t> Serialize(THeader Header, std::span<const uint8_t> Records, uint32_t Count) {
  std::vector<uint8_t> file(kSignature, kSignature + 4);
  TBytes out(file);
  out.U16(kVersion);
  out.U16(Header.Enhanced ? 1 : 0);
  out.I32(Header.MMWidth);
  out.I32(Header.MMHeight);
  out.U16(Header.Inch);
  out.Str(Header.CreatedBy);
  out.Str(Header.Description);
  out.U32(Count);
  file.insert(file.end(), Records.begin(), Records.end());
  return file;
}

// ----------------------------------------------------------------- parser

THeader Parse(std::span<const uint8_t> Data, const std::function<void(const TRecord&)>& Visit,
              std::vector<uint8_t>* Records, std::size_t* End) {
  TReader in(Data);
  if (Data.size() >= 44 && Data[0] == 1 && std::memcmp(Data.data() + 40, " EMF", 4) == 0)
    in.Fail("Windows enhanced metafiles (EMF) cannot be played; only recorded canvas metafiles (CVMF) can");
  if (Data.size() >= 4 && Data[0] == 0xD7 && Data[1] == 0xCD && Data[2] == 0xC6 && Data[3] == 0x9A)
    in.Fail("Windows metafiles (WMF) cannot be played; only recorded canvas metafiles (CVMF) can");
  if (Data.size() < 4 || std::memcmp(Data.data(), kSignature, 4) != 0)
    in.Fail("the data does not start with the signature CVMF");
  in.U32();
  THeader header;
  const uint16_t version = in.U16();
  if (version != kVersion) in.Fail(Format("version %d is not supported", {static_cast<int>(version)}));
  header.Enhanced = (in.U16() & 1) != 0;
  header.MMWidth = in.I32();
  header.MMHeight = in.I32();
  if (header.MMWidth < 0 || header.MMHeight < 0)
    in.Fail(Format("its size %d x %d is negative", {header.MMWidth, header.MMHeight}));
  header.Inch = in.U16();
  header.CreatedBy = in.Str();
  header.Description = in.Str();
  header.RecordCount = in.U32();
  const std::size_t first = in.Pos();
  ReadRecords(in, header.RecordCount, Visit, 1);
  if (Records)
    Records->assign(Data.begin() + static_cast<std::ptrdiff_t>(first),
                    Data.begin() + static_cast<std::ptrdiff_t>(in.Pos()));
  if (End) *End = in.Pos();
  return header;
}

void ParseRecords(std::span<const uint8_t> Records, uint32_t Count, const std::function<void(const TRecord&)>& Visit) {
  TReader in(Records);
  ReadRecords(in, Count, Visit, 1);
}

}  // namespace host::mf
