// The menus unit of the host: menu items, main menus, pop-up menus and the
// short-cut helpers of the classic Menus unit (ShortCut, ShortCutToKey,
// ShortCutToText, TextToShortCut, declared with the keys in wskeys.h).
//
// In form files the items of a menu stream as its children, nested the way
// the submenus are: an item read under a menu or under another item joins
// it (SetParentComponent).
//
// Start-up order (each step counted, undone in reverse): the actnlist
// unit's (see actnlist.h), then RegisterMenusClasses().
#pragma once

#include <span>

#include "host/menus/menu.h"
#include "host/menus/menuitem.h"
#include "host/menus/menutypes.h"
#include "host/widgetset/wskeys.h"

namespace host {

// Registers the published properties and the streamable classes of this
// unit (TMenuItem, TMainMenu, TPopupMenu). Counted; each call must be
// matched by UnregisterMenusClasses.
void RegisterMenusClasses();
void UnregisterMenusClasses();
// Every class of the menus unit, parents before children.
std::span<const TClass> MenusClasses();

}  // namespace host
