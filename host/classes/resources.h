// Resources compiled into the program: blocks of bytes found by module, name
// and type, as TResourceStream reads them.
//
// The program registers its resources explicitly at start-up (a function that
// each resource-owning unit provides and the start-up sequence calls), so no
// static-initialisation order is involved. Names and types compare without
// regard to case; an integer identifier is written "#<id>".
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// A module handle: which program or library a resource belongs to.
using HMODULE = uint32_t;

// The handle of the program's main module. A handle of 0 also means the main
// module when looking resources up.
HMODULE HInstance();

// Resource type names.
inline constexpr char RT_CURSOR[] = "CURSOR";
inline constexpr char RT_BITMAP[] = "BITMAP";
inline constexpr char RT_ICON[] = "ICON";
inline constexpr char RT_MENU[] = "MENU";
inline constexpr char RT_DIALOG[] = "DIALOG";
inline constexpr char RT_STRING[] = "STRING";
inline constexpr char RT_FONT[] = "FONT";
inline constexpr char RT_RCDATA[] = "RCDATA";
inline constexpr char RT_VERSION[] = "VERSION";

// Registers (or replaces) the bytes of a resource; the bytes are copied.
// Raises EInvalidOperation for an empty name or type.
void RegisterResource(HMODULE module, std::string_view name, std::string_view type, std::span<const uint8_t> bytes);
void RegisterResource(HMODULE module, std::string_view name, std::string_view type, std::string_view bytes);
// Removes a resource; returns whether it was registered.
bool UnregisterResource(HMODULE module, std::string_view name, std::string_view type);

// The bytes of a resource, or null when none is registered. The bytes stay
// valid for as long as the returned pointer is held, even if the resource is
// replaced or removed meanwhile.
std::shared_ptr<const std::vector<uint8_t>> FindResourceData(HMODULE module, std::string_view name,
                                                             std::string_view type);

}  // namespace host
