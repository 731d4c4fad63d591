#include "host/graphics/mfrecords.h"

#include <concepts>
#include <cstring>
#include <type_traits>

#include "host/graphics/bmpio.h"
#include "host/graphics/graphicsobj.h"
#include "host/graphics/lebytes_p.h"

namespace host::mf {

namespace {

// ------------------------------------------------------------- bytes out

class TBytes {
 public:
  explicit TBytes(std::vector<uint8_t>& Out) : FOut(Out) {}
  void U8(uint8_t V) { FOut.push_back(V); }
  void U16(uint16_t V) { le::Put16(FOut, V); }
  void U32(uint32_t V) { le::Put32(FOut, V); }
  void I32(int32_t V) { U32(static_cast<uint32_t>(V)); }
  void Str(const std::string& V) {
    U32(static_cast<uint32_t>(V.size()));
    FOut.insert(FOut.end(), V.begin(), V.end());
  }

  // Writes the fields of a record in order, each as its type is stored.
  template <class... T>
  void Fields(const T&... V) {
    (Field(V), ...);
  }

 private:
  void Field(uint8_t V) { U8(V); }
  void Field(int32_t V) { I32(V); }
  void Field(uint32_t V) { U32(V); }
  void Field(const std::string& V) { Str(V); }
  void Field(TPoint V) { Fields(V.X, V.Y); }
  void Field(const TRect& V) { Fields(V.Left, V.Top, V.Right, V.Bottom); }
  void Field(const std::vector<TPoint>& V) {
    U32(static_cast<uint32_t>(V.size()));
    for (TPoint p : V) Field(p);
  }
  void Field(const TPixelBlock& V) {
    Fields(V.Width, V.Height);
    for (TPixel p : V.Pixels) U32(p);
  }

  std::vector<uint8_t>& FOut;
};

// -------------------------------------------------------------- bytes in

class TReader {
 public:
  explicit TReader(std::span<const uint8_t> Data) : FData(Data) {}
  std::size_t Pos() const { return FPos; }
  void SetRecord(uint32_t Index) { FRecord = Index; }

  uint8_t U8() { return Take(1)[0]; }
  uint16_t U16() { return le::U16({Take(2), 2}, 0); }
  uint32_t U32() { return le::U32({Take(4), 4}, 0); }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  std::string Str() {
    const uint32_t n = Count(1);
    const uint8_t* p = Take(n);
    return {reinterpret_cast<const char*>(p), n};
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

  // Reads the fields of a record in order, each as its type is stored.
  template <class... T>
  void Fields(T&... V) {
    (Field(V), ...);
  }

 private:
  void Field(uint8_t& V) { V = U8(); }
  void Field(int32_t& V) { V = I32(); }
  void Field(uint32_t& V) { V = U32(); }
  void Field(std::string& V) { V = Str(); }
  void Field(TPoint& V) { Fields(V.X, V.Y); }
  void Field(TRect& V) { Fields(V.Left, V.Top, V.Right, V.Bottom); }
  void Field(std::vector<TPoint>& V) {
    V.resize(Count(8));
    for (TPoint& p : V) Field(p);
  }
  void Field(TPixelBlock& V) {
    Fields(V.Width, V.Height);
    if (V.Width < 0 || V.Height < 0) Fail(Format("a pixel block has the negative size %d x %d", {V.Width, V.Height}));
    bmpio::CheckBitmapSize(V.Width, V.Height);
    const uint64_t n = static_cast<uint64_t>(V.Width) * static_cast<uint64_t>(V.Height);
    if (n * 4 > FData.size() - FPos) Fail("the data ends inside a pixel block");
    V.Pixels.resize(static_cast<std::size_t>(n));
    for (TPixel& p : V.Pixels) p = U32();
  }

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

// --------------------------------------------------------------- records

// The fields of the records after their kind byte, in file order (see
// mfrecords.h). One list serves the writer (TBytes, with const records) and
// the reader (TReader), so the two cannot disagree about the format.
template <class T, class TRecordType>
concept RecordOf = std::same_as<std::remove_const_t<T>, TRecordType>;

template <class TIO, RecordOf<TPenState> TPen>
void RecordFields(TIO& IO, TPen& S) {
  IO.Fields(S.Color, S.Style, S.Mode, S.Width);
}

template <class TIO, RecordOf<TBrushState> TBrush>
void RecordFields(TIO& IO, TBrush& S) {
  IO.Fields(S.Color, S.Style, S.Pattern);
}

template <class TIO, RecordOf<TFontState> TFont>
void RecordFields(TIO& IO, TFont& S) {
  IO.Fields(S.Name, S.Height, S.Style, S.Color, S.Charset, S.Pitch);
}

// A drawing call: the command (its Source, Mask and Handle left out) and the
// pixel blocks that stand for its source and mask.
template <class TIO, class TCommand, class TBlock>
void RecordFields(TIO& IO, TCommand& C, TBlock& Source, TBlock& Mask) {
  IO.Fields(C.Box, C.P1, C.P2, C.Points, C.Color, C.Flags, C.Text, C.SourceRect, Source, Mask);
}

// Appends a record: its kind byte, then its fields.
template <class... TParts>
void AppendRecord(std::vector<uint8_t>& Out, uint8_t Kind, const TParts&... Parts) {
  TBytes out(Out);
  out.U8(Kind);
  RecordFields(out, Parts...);
}

void ReadRecord(TReader& In, TRecord& R) {
  R.Kind = In.U8();
  switch (R.Kind) {
    case kPenRecord:
      RecordFields(In, R.Pen);
      if (R.Pen.Style > psInsideFrame || R.Pen.Mode > pmNotXor || R.Pen.Width < 0)
        In.Fail("a pen record is out of range");
      return;
    case kBrushRecord:
      RecordFields(In, R.Brush);
      if (R.Brush.Style > bsDiagCross) In.Fail("a brush record is out of range");
      return;
    case kFontRecord:
      RecordFields(In, R.Font);
      if (R.Font.Style > 0x0F || R.Font.Pitch > fpFixed) In.Fail("a font record is out of range");
      return;
    default:
      break;
  }
  if (R.Kind >= kCanvasOpCount) In.Fail(Format("unknown record kind %d", {static_cast<int>(R.Kind)}));
  R.Command = TCanvasCommand(static_cast<TCanvasOp>(R.Kind));
  RecordFields(In, R.Command, R.Source, R.Mask);
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
  AppendRecord(FBytes, kPenRecord, S);
  ++FCount;
}

void TRecordWriter::Brush(const TBrushState& S) {
  AppendRecord(FBytes, kBrushRecord, S);
  ++FCount;
}

void TRecordWriter::Font(const TFontState& S) {
  AppendRecord(FBytes, kFontRecord, S);
  ++FCount;
}

void TRecordWriter::Command(const TCanvasCommand& C, const TPixelBlock& Source, const TPixelBlock& Mask) {
  AppendRecord(FBytes, static_cast<uint8_t>(C.Op), C, Source, Mask);
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
