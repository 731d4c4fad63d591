// Test helper: the key-down message a user's short cut sends, for the tests
// of what handles short cuts (action lists, menus).
#pragma once

#include "host/widgetset/wskeys.h"
#include "host/widgetset/wsmessages.h"

namespace host::testkit {

inline TWMKey KeyOf(TShortCut ShortCut) {
  TWMKey key;
  key.Msg = WM_KEYDOWN;
  ShortCutToKey(ShortCut, key.CharCode, key.ShiftState);
  return key;
}

}  // namespace host::testkit
