// Qt's keys and buttons as the host knows them: virtual keys (wskeys.h),
// shift states and mouse buttons.
#pragma once

#include <cstdint>
#include <optional>

#include <QtCore/qnamespace.h>

#include "host/widgetset/headless/robot.h"
#include "host/widgetset/wskeys.h"

namespace host::qt6 {

// The virtual key of a Qt key; nothing for a key the host has no name for.
std::optional<uint16_t> VirtualKeyOf(int QtKey);
// Shift, Ctrl and Alt of Qt's modifiers.
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers);
// The robot's button for a Qt mouse button; nothing for other buttons.
std::optional<headless::TMouseButtonKind> ButtonOf(Qt::MouseButton Button);

}  // namespace host::qt6
