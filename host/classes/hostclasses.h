// The classes of the host library, for tools that list what the host knows.
#pragma once

#include <span>

#include "host/rtl/object.h"

namespace host {

// Every class of the host runtime and class library, parents before children.
std::span<const TClass> HostClasses();

}  // namespace host
