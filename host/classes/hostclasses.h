// The host class library as a whole: its classes, for tools that list what
// the host knows, and its start-up, which registers what each of its units
// owns for form streaming.
#pragma once

#include <span>

#include "host/rtl/object.h"

namespace host {

// Every class of the host runtime and class library, parents before children.
std::span<const TClass> HostClasses();

// Registers the published-property tables and the streamable classes of the
// class library (each unit registers its own). Counted: each call must be
// matched by UnregisterHostClasses; the first does the work, the last
// undoes it.
void RegisterHostClasses();
void UnregisterHostClasses();

}  // namespace host
