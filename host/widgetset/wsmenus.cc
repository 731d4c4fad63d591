#include "host/widgetset/wsmenus.h"

namespace host {

template <class F>
bool TWSMenus::ChangeInfo(HMENU Item, F&& Change) {
  TWSMenuItemInfo info;
  if (!GetMenuItemInfo(Item, info)) return false;
  Change(info);
  return SetMenuItemInfo(Item, info);
}

bool TWSMenus::SetMenuItemCaption(HMENU Item, std::string_view Caption) {
  return ChangeInfo(Item, [&](TWSMenuItemInfo& info) { info.Caption = Caption; });
}

bool TWSMenus::SetMenuItemShortCut(HMENU Item, std::string_view ShortCutText) {
  return ChangeInfo(Item, [&](TWSMenuItemInfo& info) { info.ShortCutText = ShortCutText; });
}

bool TWSMenus::SetMenuItemChecked(HMENU Item, bool Checked) {
  return ChangeInfo(Item, [&](TWSMenuItemInfo& info) { info.Checked = Checked; });
}

bool TWSMenus::SetMenuItemEnabled(HMENU Item, bool Enabled) {
  return ChangeInfo(Item, [&](TWSMenuItemInfo& info) { info.Enabled = Enabled; });
}

bool TWSMenus::SetMenuItemVisible(HMENU Item, bool Visible) {
  return ChangeInfo(Item, [&](TWSMenuItemInfo& info) { info.Visible = Visible; });
}

}  // namespace host
