// Where the editor windows were last left: a per-user store (the registry's
// ini calls) under "Software\Corvane Soft\Corvane Suite\1.1\" followed by
// the editor's key name, with the integers "Left", "Top", "Width" and
// "Height" (the window's outer rectangle) directly under that key.
//
// An editor restores in its creation handler the values it reads, each with
// the window's current value (its form layout's) as the default, applied
// one after another in the order Left, Top, Width, Height, so a stored
// place moves the window before a stored size resizes it; it saves in its
// close handler the values it writes, in the same order. Some editors read
// fewer values than they write. Failures of the store are its own.
#pragma once

#include <cstdint>
#include <string_view>

#include "host/controls/control.h"

namespace kel {

// Which of the four values an editor reads or writes (bits).
enum TkelPlacementValue : uint8_t { kpLeft = 1, kpTop = 2, kpWidth = 4, kpHeight = 8 };
inline constexpr uint8_t kpPosition = kpLeft | kpTop;
inline constexpr uint8_t kpAll = kpLeft | kpTop | kpWidth | kpHeight;

// The store's key path of an editor's key name.
std::string kelPlacementKey(std::string_view KeyName);

void kelRestorePlacement(host::TControl* Window, std::string_view KeyName, uint8_t Values);
void kelSavePlacement(host::TControl* Window, std::string_view KeyName, uint8_t Values);

}  // namespace kel
