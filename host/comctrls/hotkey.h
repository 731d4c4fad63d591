// THotKey: a box in which the user presses a key combination, shown as
// text ("Ctrl+Shift+K", "None" for none).
//
// HotKey is the combination as a short cut. A key pressed while the box has
// the focus, with the modifiers held down, becomes HotKey (and fires
// OnChange); when its modifiers are one of the combinations InvalidKeys
// forbids (by default no modifier, or Shift alone), Modifiers are used in
// their place. While modifiers alone are held down the box shows them
// ("Ctrl+"). Backspace and Delete without modifiers clear the box; Tab,
// Enter and Esc are left to the form.
#pragma once

#include <cstdint>
#include <string>

#include "host/controls/controls.h"

namespace host {

enum THKModifier : uint8_t { hkShift, hkCtrl, hkAlt, hkExt };
HOST_ENUM_INFO(THKModifier, "hkShift", "hkCtrl", "hkAlt", "hkExt")
using THKModifiers = TSet<THKModifier, 4>;
enum THKInvalidKey : uint8_t { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };
HOST_ENUM_INFO(THKInvalidKey, "hcNone", "hcShift", "hcCtrl", "hcAlt", "hcShiftCtrl", "hcShiftAlt", "hcCtrlAlt",
               "hcShiftCtrlAlt")
using THKInvalidKeys = TSet<THKInvalidKey, 8>;

class THotKey : public TCustomControl {
  HOST_CLASS(THotKey, TCustomControl)
  using TCreateArg = TComponent;
  explicit THotKey(TComponent* AOwner);

  TShortCut GetHotKey() const { return FHotKey; }
  void SetHotKey(TShortCut Value);
  THKInvalidKeys GetInvalidKeys() const { return FInvalidKeys; }
  void SetInvalidKeys(THKInvalidKeys Value) { FInvalidKeys = Value; }
  THKModifiers GetModifiers() const { return FModifiers; }
  void SetModifiers(THKModifiers Value) { FModifiers = Value; }
  // What the box shows.
  std::string GetDisplayText() const;

  TNotifyEvent OnChange;

 protected:
  ~THotKey() override = default;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char& Key) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  // The user's combination: HotKey, OnChange.
  void UserSet(TShortCut Value);
  // Shift made valid by InvalidKeys and Modifiers.
  TShiftState ValidShift(TShiftState Shift) const;

  TShortCut FHotKey = scAlt | 'A';
  THKInvalidKeys FInvalidKeys{hcNone, hcShift};
  THKModifiers FModifiers{hkAlt};
  TShiftState FHeld;  // the modifiers held down alone
};

}  // namespace host
