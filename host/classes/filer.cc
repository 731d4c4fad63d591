// TFiler, the base of TReader and TWriter, and the parts of the binary
// encoding that both of them use (declared in filer_p.h). TReader lives in
// reader_values.cc (bytes and values) and reader.cc (components, properties,
// references); TWriter in writer.cc.
#include "host/classes/filer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "host/classes/filer_p.h"

namespace host {

HOST_IMPL(TFiler, TObject)

void RaiseReadErrorAt(const std::string& What, int64_t Position) {
  throw EReadError("%s at position %d", {What, Position});
}

namespace filer_detail {

// The classic 10-byte extended: 64-bit mantissa with its integer bit, then
// the sign and a 15-bit exponent biased by 16383.
void EncodeExtended(double value, uint8_t out[10]) {
  uint64_t mantissa = 0;
  uint16_t exponent = 0;
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (value != 0) {
    int e = 0;
    double m = std::frexp(std::fabs(value), &e);  // m in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(m, 64));
    exponent = static_cast<uint16_t>(e - 1 + 16383);
  }
  if (std::signbit(value)) exponent |= 0x8000;
  StoreLE(mantissa, out);
  StoreLE(exponent, out + 8);
}

double DecodeExtended(const uint8_t in[10]) {
  const uint64_t mantissa = LoadLE<uint64_t>(in);
  const uint16_t raw = LoadLE<uint16_t>(in + 8);
  const bool negative = (raw & 0x8000) != 0;
  const int exponent = raw & 0x7FFF;
  double value;
  if (exponent == 0x7FFF)
    value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity() : std::numeric_limits<double>::quiet_NaN();
  else
    value = std::ldexp(static_cast<double>(mantissa), exponent - 16383 - 63);
  return negative ? -value : value;
}

}  // namespace filer_detail

// ------------------------------------------------------------------- TFiler

TFiler::TFiler(TStream* Stream, int32_t BufSize)
    : FStream(Stream), FBuffer(static_cast<std::size_t>(std::max<int32_t>(BufSize, 16))) {
  if (!Stream) throw EFilerError("A filer needs a stream");
}

}  // namespace host
