// Internals of the graphics unit: tables of the identifiers form files write
// integer constants with (colour names, character-set names), and the two
// look-ups through them. Not part of the public interface.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "host/rtl/sysutils.h"

namespace host::identmap {

struct TEntry {
  int32_t Value;
  const char* Name;
};

// The name of Value: the first entry of Map with it. False when none has it.
inline bool ToIdent(std::span<const TEntry> Map, int32_t Value, std::string& Ident) {
  for (const TEntry& e : Map) {
    if (e.Value == Value) {
      Ident = e.Name;
      return true;
    }
  }
  return false;
}

// The value of Ident, in any case. False when Map does not name it.
inline bool ToValue(std::span<const TEntry> Map, std::string_view Ident, int32_t& Value) {
  for (const TEntry& e : Map) {
    if (SameText(e.Name, Ident)) {
      Value = e.Value;
      return true;
    }
  }
  return false;
}

}  // namespace host::identmap
