#include "editors/kelplacement.h"

#include <string>

#include "host/registry/registry.h"

namespace kel {

namespace {

struct TkelPlacementSlot {
  TkelPlacementValue Value;
  const char* Name;
  int32_t (host::TControl::*Get)() const;
  void (host::TControl::*Set)(int32_t);
};

// In the order they are read and written.
constexpr TkelPlacementSlot kSlots[] = {
    {kpLeft, "Left", &host::TControl::GetLeft, &host::TControl::SetLeft},
    {kpTop, "Top", &host::TControl::GetTop, &host::TControl::SetTop},
    {kpWidth, "Width", &host::TControl::GetWidth, &host::TControl::SetWidth},
    {kpHeight, "Height", &host::TControl::GetHeight, &host::TControl::SetHeight},
};

}  // namespace

std::string kelPlacementKey(std::string_view KeyName) {
  return "Software\\Corvane Soft\\Corvane Suite\\1.1\\" + std::string(KeyName);
}

void kelRestorePlacement(host::TControl* Window, std::string_view KeyName, uint8_t Values) {
  host::TOwned<host::TRegIniFile> store = host::MakeOwned<host::TRegIniFile>(kelPlacementKey(KeyName));
  for (const TkelPlacementSlot& slot : kSlots)
    if (Values & slot.Value) (Window->*slot.Set)(store->ReadInteger("", slot.Name, (Window->*slot.Get)()));
}

void kelSavePlacement(host::TControl* Window, std::string_view KeyName, uint8_t Values) {
  host::TOwned<host::TRegIniFile> store = host::MakeOwned<host::TRegIniFile>(kelPlacementKey(KeyName));
  for (const TkelPlacementSlot& slot : kSlots)
    if (Values & slot.Value) store->WriteInteger("", slot.Name, (Window->*slot.Get)());
}

}  // namespace kel
