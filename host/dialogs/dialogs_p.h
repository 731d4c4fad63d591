// Shared by the dialog components: the checks of their setters.
#pragma once

#include <cstdint>
#include <string>

#include "host/classes/component.h"
#include "host/classes/typinfo.h"

namespace host::dialogsdetail {

// Raises EInvalidOperation for a value beyond the enumeration's members.
template <class E>
void CheckEnum(E Value, const char* Property, const TComponent* Owner) {
  if (static_cast<int64_t>(Value) > HostTypeInfo(static_cast<E*>(nullptr))->MaxValue)
    throw EInvalidOperation("Invalid property value for %s of '%s'", {std::string(Property), Owner->GetName()});
}

// Field takes Value; ERangeError for a negative count, size or page
// number, which leaves Field as it was.
inline void SetNotNegative(int32_t& Field, int32_t Value, const char* Property) {
  if (Value < 0) throw ERangeError("%s must not be negative (%d)", {std::string(Property), Value});
  Field = Value;
}

}  // namespace host::dialogsdetail
