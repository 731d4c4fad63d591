// The widgetset handles of menu items: made with the menu's handle, kept up
// to date with every change, rebuilt when the items shown change, and the
// merging of menu bars.
#include "host/graphics/bitmap.h"
#include "host/menus/menu.h"
#include "host/widgetset/widgetset.h"

namespace host {

TWSMenuItemInfo TMenuItem::HandleInfo() const {
  TWSMenuItemInfo info;
  info.Caption = FCaption;
  // A menu bar shows no short cuts.
  if (FShortCut != scNone && !IsTopLevel()) info.ShortCutText = ShortCutToText(FShortCut);
  info.Command = FCommand;
  info.Checked = FChecked;
  info.Enabled = FEnabled;
  info.Visible = FVisible;
  info.RadioItem = FRadioItem;
  info.Default = FDefault;
  const TMenu* menu = GetParentMenu();
  info.OwnerDraw = (menu && menu->IsOwnerDraw()) || HasBitmap();
  return info;
}

// A menu's root becomes a menu bar or pop-up menu whose messages go to the
// menu; other items become items. A backend without menus gives 0.
void TMenuItem::HandleNeeded() {
  if (FHandle) return;
  TWSMenus& ws = WidgetSet().Menus();
  FHandle = FMenu ? ws.CreateMenu(FMenu->HandleKind(), FMenu) : ws.CreateMenuItem(HandleInfo());
  if (FHandle) PopulateHandle();
}

void TMenuItem::PopulateHandle() {
  TWSMenus& ws = WidgetSet().Menus();
  int32_t position = 0;
  for (TMenuItem* item : GetMergedItems()) {
    item->HandleNeeded();
    if (item->FHandle && ws.InsertMenuItem(FHandle, item->FHandle, position)) ++position;
  }
}

// While the item is read the rebuild waits for Loaded; a root merged into
// another menu rebuilds that menu's handle, which shows its items.
void TMenuItem::RebuildHandle() {
  const TComponentState state = GetComponentState();
  if (state.Contains(csDestroying) || !WidgetSetRunning()) return;
  if (state.Contains(csReading)) {
    FStreamedRebuild = true;
    return;
  }
  if (FMergedWith) return FMergedWith->RebuildHandle();
  if (!FHandle) return;
  TWSMenus& ws = WidgetSet().Menus();
  for (int32_t count = ws.GetMenuItemCount(FHandle); count > 0; --count)
    ws.RemoveMenuItem(ws.GetMenuItem(FHandle, count - 1));
  PopulateHandle();
}

void TMenuItem::UpdateHandle() {
  if (FHandle && !FMenu && WidgetSetRunning()) WidgetSet().Menus().SetMenuItemInfo(FHandle, HandleInfo());
}

void TMenuItem::UpdateHandles() {
  UpdateHandle();
  for (TMenuItem* item : FItems) item->UpdateHandles();
}

void TMenuItem::DestroyHandle() {
  if (FHandle && WidgetSetRunning()) WidgetSet().Menus().DestroyMenu(FHandle);
  FHandle = 0;
}

// The root Menu (of another menu) shows its items in this root's handle;
// null ends the merge, and both handles show their own items again.
void TMenuItem::MergeWith(TMenuItem* Menu) {
  if (Menu == FMerged) return;
  for (const TMenuItem* p = this; p && Menu; p = p->FMergedWith)
    if (p == Menu) throw EMenuError("A menu cannot be merged into itself or into a menu merged into it");
  TMenuItem* old = FMerged;
  if (old) old->FMergedWith = nullptr;
  if (Menu && Menu->FMergedWith) Menu->FMergedWith->MergeWith(nullptr);
  FMerged = Menu;
  if (Menu) Menu->FMergedWith = this;
  RebuildHandle();
  if (old) old->RebuildHandle();
}

}  // namespace host
