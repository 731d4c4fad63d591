// Internals of the graphics file formats (BMP, icon and metafile files):
// little-endian numbers read from and appended to byte buffers. Readers take
// a position the caller has checked against the data. Not part of the
// public interface.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace host::le {

inline uint16_t U16(std::span<const uint8_t> D, std::size_t P) { return static_cast<uint16_t>(D[P] | (D[P + 1] << 8)); }
inline uint32_t U32(std::span<const uint8_t> D, std::size_t P) { return U16(D, P) | (uint32_t{U16(D, P + 2)} << 16); }
inline int32_t I32(std::span<const uint8_t> D, std::size_t P) { return static_cast<int32_t>(U32(D, P)); }

// Appends the low 16 bits of V.
inline void Put16(std::vector<uint8_t>& Out, uint32_t V) {
  Out.push_back(static_cast<uint8_t>(V));
  Out.push_back(static_cast<uint8_t>(V >> 8));
}
inline void Put32(std::vector<uint8_t>& Out, uint32_t V) {
  Put16(Out, V & 0xFFFF);
  Put16(Out, V >> 16);
}

}  // namespace host::le
