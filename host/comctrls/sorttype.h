// How list views and tree views sort their items: not at all, by the items'
// data (OnCompare), by their text, or by both.
#pragma once

#include <cstdint>

#include "host/classes/typinfo.h"

namespace host {

enum TSortType : uint8_t { stNone, stData, stText, stBoth };
HOST_ENUM_INFO(TSortType, "stNone", "stData", "stText", "stBoth")

}  // namespace host
