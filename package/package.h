// The library's start-up and shutdown: the initialisation of every unit in
// the fixed order, and the finalisation in reverse.
#pragma once

#include <span>
#include <string_view>

namespace kel::package {

// One unit of the library: its name and its start-up and shutdown.
struct TkelUnit {
  const char* Name;
  void (*Initialize)();
  void (*Finalize)();
};

// Runs the initialisation of every unit, in order. Each unit has its own
// counter: its initialisation runs when the counter goes from 0 to 1. When a
// unit's initialisation raises, the units started by this call are finalised
// again (in reverse) and the exception propagates.
void Initialize();
// Runs the finalisation of every unit in reverse order; each runs when its
// counter comes back to 0. Without a matching Initialize it does nothing.
void Finalize();

// The units in start-up order.
std::span<const TkelUnit> Units();
// How many times the unit was initialised without being finalised; -1 for
// an unknown unit name (exact).
int InitCount(std::string_view unit);

}  // namespace kel::package
