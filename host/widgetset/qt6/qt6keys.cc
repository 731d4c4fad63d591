#include "host/widgetset/qt6/qt6keys.h"

#include <iterator>

namespace host::qt6 {

namespace {

struct TKeyPair {
  int Qt;
  uint16_t Virtual;
};

// Keys whose codes do not follow from a range below.
constexpr TKeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK},   {Qt::Key_Tab, VK_TAB},         {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},    {Qt::Key_Enter, VK_RETURN},    {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL},  {Qt::Key_Alt, VK_MENU},        {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Space, VK_SPACE},
    {Qt::Key_PageUp, VK_PRIOR},     {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_End, VK_END},
    {Qt::Key_Home, VK_HOME},        {Qt::Key_Left, VK_LEFT},       {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},      {Qt::Key_Down, VK_DOWN},       {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_Insert, VK_INSERT},    {Qt::Key_Delete, VK_DELETE},   {Qt::Key_Help, VK_HELP},
    {Qt::Key_Menu, VK_APPS},        {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Semicolon, VK_OEM_1},  {Qt::Key_Colon, VK_OEM_1},     {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},  {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD}, {Qt::Key_Slash, VK_OEM_2},   {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},  {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},  {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7}};

// Shifted digits arrive as their signs: the key under them is the digit.
constexpr char kShiftedDigits[] = ")!@#$%^&*(";

}  // namespace

std::optional<uint16_t> VirtualKeyOf(int QtKey) {
  if ((QtKey >= Qt::Key_A && QtKey <= Qt::Key_Z) || (QtKey >= Qt::Key_0 && QtKey <= Qt::Key_9))
    return static_cast<uint16_t>(QtKey);  // both use the ASCII codes of upper-case letters and digits
  if (QtKey >= Qt::Key_F1 && QtKey <= Qt::Key_F24) return static_cast<uint16_t>(VK_F1 + (QtKey - Qt::Key_F1));
  for (int digit = 0; digit < 10; ++digit)
    if (QtKey == kShiftedDigits[digit]) return static_cast<uint16_t>('0' + digit);
  for (const TKeyPair& pair : kKeys)
    if (pair.Qt == QtKey) return pair.Virtual;
  return std::nullopt;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers) {
  TShiftState state;
  if (Modifiers & Qt::ShiftModifier) state.Include(ssShift);
  if (Modifiers & Qt::ControlModifier) state.Include(ssCtrl);
  if (Modifiers & Qt::AltModifier) state.Include(ssAlt);
  return state;
}

std::optional<headless::TMouseButtonKind> ButtonOf(Qt::MouseButton Button) {
  switch (Button) {
    case Qt::LeftButton:
      return headless::TMouseButtonKind::Left;
    case Qt::RightButton:
      return headless::TMouseButtonKind::Right;
    case Qt::MiddleButton:
      return headless::TMouseButtonKind::Middle;
    default:
      return std::nullopt;
  }
}

}  // namespace host::qt6
