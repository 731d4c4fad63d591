#include "host/menus/menu.h"

#include <vector>

#include "host/graphics/canvas.h"
#include "host/imglist/imglist.h"
#include "host/widgetset/widgetset.h"

namespace host {

HOST_IMPL(TMenu, TComponent)
HOST_IMPL(TMainMenu, TMenu)
HOST_IMPL(TPopupMenu, TMenu)

namespace {

// How often a short cut is looked for again when clicking the parents of
// its item moved it to another item.
constexpr int kShortCutMoves = 8;

// Calls F with every item of a merged view of Root and its descendants,
// depth first, until F returns true; returns that item.
template <class F>
TMenuItem* FindInTree(TMenuItem* Item, F&& Found) {
  if (Found(Item)) return Item;
  for (int32_t i = 0; i < Item->GetCount(); ++i)
    if (TMenuItem* item = FindInTree(Item->GetItems(i), Found)) return item;
  return nullptr;
}

template <class F>
TMenuItem* FindInMenu(TMenuItem* Root, F&& Found) {
  for (TMenuItem* item : Root->GetMergedItems())
    if (TMenuItem* found = FindInTree(item, Found)) return found;
  return nullptr;
}

// Whether a user can reach the item: it and its parents are enabled and visible.
bool Reachable(const TMenuItem* Item) {
  for (; Item && Item->GetParent(); Item = Item->GetParent())
    if (!Item->GetEnabled() || !Item->GetVisible()) return false;
  return true;
}

TOwnerDrawState StateOf(uint32_t ItemState) {
  TOwnerDrawState state;
  if (ItemState & ODS_SELECTED) state.Include(odSelected);
  if (ItemState & ODS_GRAYED) state.Include(odGrayed);
  if (ItemState & ODS_DISABLED) state.Include(odDisabled);
  if (ItemState & ODS_CHECKED) state.Include(odChecked);
  if (ItemState & ODS_FOCUS) state.Include(odFocused);
  if (ItemState & ODS_DEFAULT) state.Include(odDefault);
  return state;
}

// A canvas over a device context a message brought.
TOwned<TCanvas> CanvasOn(HDC DC) {
  TOwned<TCanvas> canvas = MakeOwned<TCanvas>();
  canvas->SetHandle(DC);
  return canvas;
}

}  // namespace

// ------------------------------------------------------------------- TMenu

// The root item belongs to the menu alone (no owner): freeing the menu's
// components (DestroyComponents) takes the items the author added, never
// the root the menu holds.
TMenu::TMenu(TComponent* AOwner)
    : TComponent(AOwner), FItems(New<TMenuItem>(nullptr)), FImageChangeLink(New<TChangeLink>()) {
  FItems->FMenu = this;
  FImageChangeLink->OnChange = TNotifyEvent(this, &TMenu::ImageListChange);
}

void TMenu::Destroy() {
  FreeAndNil(FItems);
  FreeAndNil(FImageChangeLink);
  inherited::Destroy();
}

HMENU TMenu::GetHandle() {
  FItems->HandleNeeded();
  return FItems->FHandle;
}

void TMenu::SetImages(TCustomImageList* Value) {
  if (LinkImageList(this, FImageChangeLink, FImages, Value)) UpdateItems();
}

void TMenu::SetOwnerDraw(bool Value) {
  if (Value == FOwnerDraw) return;
  FOwnerDraw = Value;
  UpdateItems();
}

void TMenu::ImageListChange(TObject* Sender) {
  if (Sender == FImages) UpdateItems();
}

void TMenu::UpdateItems() {
  FItems->UpdateHandles();
  MenuChanged(this, nullptr, false);
}

void TMenu::MenuChanged(TObject* Sender, TMenuItem* Source, bool Rebuild) {
  const TComponentState state = GetComponentState();
  if (state.Contains(csLoading) || state.Contains(csDestroying)) return;
  if (OnChange) OnChange(Sender, Source, Rebuild);
}

void TMenu::Loaded() {
  inherited::Loaded();
  MenuChanged(this, nullptr, false);
}

TMenuItem* TMenu::FindItem(int32_t Value, TFindItemKind Kind) const {
  return FindInMenu(FItems, [&](const TMenuItem* item) {
    switch (Kind) {
      case fkCommand:
        return Value != 0 && item->GetCommand() == Value;
      case fkHandle:
        return Value != 0 && item->GetHandle() == static_cast<HMENU>(static_cast<uint32_t>(Value));
      case fkShortCut:
        return Value != scNone && item->GetShortCut() == Value;
    }
    return false;
  });
}

bool TMenu::DispatchCommand(uint16_t ACommand) {
  TMenuItem* item = FindItem(ACommand, fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU AHandle) {
  if (TMenuItem* item = FindItem(static_cast<int32_t>(AHandle), fkHandle)) {
    if (!GetComponentState().Contains(csDesigning)) item->InitiateActions();
    item->Click();
    return true;
  }
  if (AHandle == FItems->GetHandle() && !GetComponentState().Contains(csDesigning)) FItems->InitiateActions();
  return false;
}

void TMenu::MeasureItem(TWMMeasureItem& Message) {
  TMenuItem* item = FindItem(static_cast<int32_t>(Message.ItemID), fkCommand);
  if (!item) return;
  TOwned<TCanvas> canvas = CanvasOn(Message.DC);
  item->MeasureItem(canvas.get(), Message.Width, Message.Height);
}

void TMenu::DrawItem(TWMDrawItem& Message) {
  TMenuItem* item = FindItem(static_cast<int32_t>(Message.ItemID), fkCommand);
  if (!item) return;
  TOwned<TCanvas> canvas = CanvasOn(Message.DC);
  item->AdvancedDrawItem(canvas.get(), Message.Rect, StateOf(Message.ItemState), item->IsTopLevel());
}

void TMenu::Dispatch(void* Message) {
  auto* m = static_cast<TMessage*>(Message);
  switch (m->Msg) {
    case WM_COMMAND:
      DispatchCommand(static_cast<TWMCommand*>(m)->ItemID);
      break;
    case WM_INITMENUPOPUP:
      DispatchPopup(static_cast<TWMInitMenuPopup*>(m)->MenuPopup);
      break;
    case WM_MEASUREITEM:
      MeasureItem(*static_cast<TWMMeasureItem*>(m));
      break;
    case WM_DRAWITEM:
      DrawItem(*static_cast<TWMDrawItem*>(m));
      break;
    case WM_MENUCHAR:
      ProcessMenuChar(*static_cast<TWMMenuChar*>(m));
      break;
    default:
      inherited::Dispatch(Message);
  }
}

// ------------------------------------------------------------- short cuts

TMenuItem* TMenu::FindShortCutItem(TShortCut ShortCut) const {
  return FindInMenu(FItems, [&](const TMenuItem* item) { return item->GetShortCut() == ShortCut && Reachable(item); });
}

// The parents from the top down, then the item, each found again by its
// command, since a click may change (or free) the items after it.
bool TMenu::ClickWithParents(TMenuItem* Item, TShortCut ShortCut) {
  std::vector<uint16_t> chain;
  for (TMenuItem* p = Item; p && p->GetParent(); p = p->GetParent()) chain.insert(chain.begin(), p->GetCommand());
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    TMenuItem* parent = FindItem(chain[i], fkCommand);
    if (!parent || !parent->GetEnabled()) return false;
    if (!GetComponentState().Contains(csDesigning)) parent->InitiateActions();
    parent->Click();
  }
  TMenuItem* item = FindItem(chain.back(), fkCommand);
  if (!item || item->GetShortCut() != ShortCut || !Reachable(item)) return false;
  item->Click();
  return true;
}

bool TMenu::IsShortCut(TWMKey& Message) {
  const TShortCut shortCut = ShortCut(Message.CharCode, Message.ShiftState);
  if (shortCut == scNone) return false;
  for (int attempt = 0; attempt < kShortCutMoves; ++attempt) {
    TMenuItem* item = FindShortCutItem(shortCut);
    if (!item || item->GetCommand() == 0) return false;
    if (ClickWithParents(item, shortCut)) return true;
  }
  return false;
}

// --------------------------------------------------------------- streaming

void TMenu::GetChildren(TGetChildProc Proc, TComponent* Root) { FItems->GetChildren(Proc, Root); }

void TMenu::SetChildOrder(TComponent* Child, int Order) { FItems->SetChildOrder(Child, Order); }

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FImages) SetImages(nullptr);
}

// --------------------------------------------------------------- TMainMenu

void TMainMenu::Merge(TMainMenu* Menu) { GetItems()->MergeWith(Menu ? Menu->GetItems() : nullptr); }

void TMainMenu::Unmerge(TMainMenu* Menu) {
  if (Menu && GetItems()->FMerged == Menu->GetItems()) GetItems()->MergeWith(nullptr);
}

TMainMenu* TMainMenu::GetMergedMenu() const {
  const TMenuItem* merged = GetItems()->FMerged;
  return merged ? dynamic_cast<TMainMenu*>(merged->FMenu) : nullptr;
}

// -------------------------------------------------------------- TPopupMenu

void TPopupMenu::DoPopup(TObject* Sender) {
  if (OnPopup) OnPopup(Sender);
}

void TPopupMenu::Popup(int32_t X, int32_t Y) {
  FPopupPoint = {X, Y};
  DoPopup(this);
  const HMENU handle = GetHandle();
  if (!handle) return;
  static constexpr uint32_t kAlignments[] = {TPM_LEFTALIGN, TPM_RIGHTALIGN, TPM_CENTERALIGN};
  // Right to left, the menu opens towards the other side.
  static constexpr uint32_t kMirrored[] = {TPM_RIGHTALIGN, TPM_LEFTALIGN, TPM_CENTERALIGN};
  const uint32_t align = (GetBiDiMode() == bdRightToLeft ? kMirrored : kAlignments)[FAlignment];
  const uint32_t button = FTrackButton == tbLeftButton ? TPM_LEFTBUTTON : TPM_RIGHTBUTTON;
  WidgetSet().Menus().TrackPopupMenu(handle, align | button, X, Y);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (Value == FPopupComponent) return;
  if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

}  // namespace host
