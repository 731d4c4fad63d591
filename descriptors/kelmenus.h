// Descriptors of the host's menu unit: TMenuActionLink, TMenuItem, TMenu, TMainMenu and TPopupMenu.
#pragma once

namespace kel::kelmenus {

// Registers the unit's descriptors under their host class names, in the
// library's order (the registry must be initialised).
void Initialize();
void Finalize();

}  // namespace kel::kelmenus
