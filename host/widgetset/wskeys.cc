#include "host/widgetset/wskeys.h"

#include "host/rtl/sysutils.h"

namespace host {

namespace {

constexpr const char* kShiftText = "Shift+";
constexpr const char* kCtrlText = "Ctrl+";
constexpr const char* kAltText = "Alt+";

// Names of the keys from Space (0x20) to Down (0x28) and of Ins, Del.
constexpr const char* kMoveKeys[] = {"Space", "PgUp", "PgDn", "End", "Home", "Left", "Up", "Right", "Down"};

struct TKeyName {
  uint8_t Key;
  const char* Name;
};
// Keys whose names the classic library took from the keyboard driver.
constexpr TKeyName kSpecialKeys[] = {
    {VK_MULTIPLY, "Num *"}, {VK_ADD, "Num +"},    {VK_SUBTRACT, "Num -"}, {VK_DECIMAL, "Num ."},
    {VK_DIVIDE, "Num /"},   {VK_OEM_1, ";"},      {VK_OEM_PLUS, "="},     {VK_OEM_COMMA, ","},
    {VK_OEM_MINUS, "-"},    {VK_OEM_PERIOD, "."}, {VK_OEM_2, "/"},        {VK_OEM_3, "`"},
    {VK_OEM_4, "["},        {VK_OEM_5, "\\"},     {VK_OEM_6, "]"},        {VK_OEM_7, "'"},
};

std::string SpecialName(uint8_t Key) {
  for (const TKeyName& k : kSpecialKeys)
    if (k.Key == Key) return k.Name;
  return {};
}

// The name of a key without modifiers; empty when it has none.
std::string KeyName(uint8_t Key) {
  if (Key == VK_BACK) return "BkSp";
  if (Key == VK_TAB) return "Tab";
  if (Key == VK_RETURN) return "Enter";
  if (Key == VK_ESCAPE) return "Esc";
  if (Key >= VK_SPACE && Key <= VK_DOWN) return kMoveKeys[Key - VK_SPACE];
  if (Key == VK_INSERT) return "Ins";
  if (Key == VK_DELETE) return "Del";
  if (Key >= '0' && Key <= '9') return std::string(1, static_cast<char>(Key));
  if (Key >= 'A' && Key <= 'Z') return std::string(1, static_cast<char>(Key));
  if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9) return std::string(1, static_cast<char>('0' + Key - VK_NUMPAD0));
  if (Key >= VK_F1 && Key <= VK_F24) return "F" + std::to_string(Key - VK_F1 + 1);
  return SpecialName(Key);
}

// Removes Front from the start of Text (compared without regard to case).
bool TakeFront(std::string_view& Text, std::string_view Front) {
  if (Text.size() < Front.size() || !SameText(Text.substr(0, Front.size()), Front)) return false;
  Text.remove_prefix(Front.size());
  return true;
}

TShortCut TakeModifiers(std::string_view& Text) {
  TShortCut shift = scNone;
  for (;;) {
    if (TakeFront(Text, kShiftText))
      shift |= scShift;
    else if (TakeFront(Text, "^") || TakeFront(Text, kCtrlText))
      shift |= scCtrl;
    else if (TakeFront(Text, kAltText))
      shift |= scAlt;
    else
      return shift;
  }
}

}  // namespace

std::string StripHotkey(std::string_view Text) {
  std::string result;
  for (std::size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '&') {
      if (i + 1 >= Text.size()) break;
      ++i;
    }
    result += Text[i];
  }
  return result;
}

std::string ShortCutToText(TShortCut ShortCut) {
  const std::string name = KeyName(static_cast<uint8_t>(ShortCut & 0xFF));
  if (name.empty()) return {};
  std::string text;
  if (ShortCut & scShift) text += kShiftText;
  if (ShortCut & scCtrl) text += kCtrlText;
  if (ShortCut & scAlt) text += kAltText;
  return text + name;
}

TShortCut TextToShortCut(std::string_view Text) {
  const TShortCut shift = TakeModifiers(Text);
  if (Text.empty()) return scNone;
  for (uint32_t key = VK_BACK; key <= 0xFF; ++key) {
    const std::string name = KeyName(static_cast<uint8_t>(key));
    if (!name.empty() && AnsiSameText(name, Text)) return static_cast<TShortCut>(key | shift);
  }
  return scNone;
}

}  // namespace host
