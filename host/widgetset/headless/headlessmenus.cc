#include "host/widgetset/headless/headlessmenus.h"

#include <algorithm>
#include <atomic>
#include <utility>

#include "host/rtl/object.h"
#include "host/rtl/sysutils.h"

namespace host::headless {

namespace {

// Menu handles come from a range of their own, so a graphics handle passed
// as a menu is refused; like every handle they never repeat.
std::atomic<HMENU> g_nextMenu{0x4D000001u};

constexpr int32_t kItemPadding = 8;  // left and right of a caption
constexpr int32_t kSeparatorHeight = 8;
constexpr int32_t kColorMenu = 4;  // COLOR_MENU

std::vector<std::string_view> SplitPath(std::string_view Path) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t bar = Path.find('|', start);
    parts.push_back(Path.substr(start, bar == std::string_view::npos ? std::string_view::npos : bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

bool IsSeparator(const TWSMenuItemInfo& Info) { return Info.Caption == "-"; }

}  // namespace

// ------------------------------------------------------------------ nodes

THeadlessMenus::TNode* THeadlessMenus::Find(HMENU Handle) {
  auto it = FNodes.find(Handle);
  return it == FNodes.end() ? nullptr : &it->second;
}

const THeadlessMenus::TNode* THeadlessMenus::Find(HMENU Handle) const {
  auto it = FNodes.find(Handle);
  return it == FNodes.end() ? nullptr : &it->second;
}

THeadlessMenus::TNode* THeadlessMenus::FindItem(HMENU Handle) {
  TNode* node = Find(Handle);
  return node && !node->IsMenu ? node : nullptr;
}

HMENU THeadlessMenus::CreateMenu(TWSMenuKind Kind, TObject* Receiver) {
  const HMENU handle = g_nextMenu++;
  TNode& node = FNodes[handle];
  node.IsMenu = true;
  node.Kind = Kind;
  node.Receiver = Receiver;
  return handle;
}

HMENU THeadlessMenus::CreateMenuItem(const TWSMenuItemInfo& Info) {
  const HMENU handle = g_nextMenu++;
  FNodes[handle].Info = Info;
  return handle;
}

void THeadlessMenus::Detach(HMENU Item) {
  TNode* node = Find(Item);
  if (!node || node->Parent == 0) return;
  if (TNode* parent = Find(node->Parent)) std::erase(parent->Items, Item);
  node->Parent = 0;
}

// Whether Handle is Ancestor or lies below it.
bool THeadlessMenus::Contains(HMENU Ancestor, HMENU Handle) const {
  for (const TNode* node = Find(Handle); node; node = Find(node->Parent)) {
    if (Handle == Ancestor) return true;
    Handle = node->Parent;
  }
  return false;
}

bool THeadlessMenus::InsertMenuItem(HMENU Parent, HMENU Item, int32_t Position) {
  TNode* parent = Find(Parent);
  TNode* item = FindItem(Item);
  if (!parent || !item || Contains(Item, Parent)) return false;
  const int32_t count = static_cast<int32_t>(parent->Items.size()) - (item->Parent == Parent ? 1 : 0);
  if (Position < 0 || Position > count) return false;
  Detach(Item);
  parent->Items.insert(parent->Items.begin() + Position, Item);
  item->Parent = Parent;
  return true;
}

bool THeadlessMenus::RemoveMenuItem(HMENU Item) {
  if (!FindItem(Item)) return false;
  Detach(Item);
  return true;
}

bool THeadlessMenus::DestroyMenu(HMENU Menu) {
  TNode* node = Find(Menu);
  if (!node) return false;
  if (FPopup && FPopup->Menu == Menu) ClosePopup();
  Detach(Menu);
  for (HMENU child : node->Items)
    if (TNode* c = Find(child)) c->Parent = 0;
  FNodes.erase(Menu);
  return true;
}

bool THeadlessMenus::GetMenuItemInfo(HMENU Item, TWSMenuItemInfo& Info) {
  const TNode* node = FindItem(Item);
  if (node) Info = node->Info;
  return node != nullptr;
}

bool THeadlessMenus::SetMenuItemInfo(HMENU Item, const TWSMenuItemInfo& Info) {
  TNode* node = FindItem(Item);
  if (node) node->Info = Info;
  return node != nullptr;
}

int32_t THeadlessMenus::GetMenuItemCount(HMENU Menu) {
  const TNode* node = Find(Menu);
  return node ? static_cast<int32_t>(node->Items.size()) : -1;
}

HMENU THeadlessMenus::GetMenuItem(HMENU Menu, int32_t Position) {
  const TNode* node = Find(Menu);
  if (!node || Position < 0 || Position >= static_cast<int32_t>(node->Items.size())) return 0;
  return node->Items[static_cast<std::size_t>(Position)];
}

HMENU THeadlessMenus::RootOf(HMENU Handle) const {
  for (const TNode* node = Find(Handle); node; node = Find(node->Parent)) {
    if (node->IsMenu) return Handle;
    Handle = node->Parent;
  }
  return 0;
}

bool THeadlessMenus::Send(HMENU Root, TMessage& Message) {
  const TNode* root = Find(Root);
  if (!root || !root->Receiver) return false;
  root->Receiver->Dispatch(&Message);
  return true;
}

std::vector<HMENU> THeadlessMenus::VisibleItems(HMENU Menu) const {
  std::vector<HMENU> items;
  if (const TNode* node = Find(Menu))
    for (HMENU child : node->Items)
      if (const TNode* c = Find(child); c && c->Info.Visible) items.push_back(child);
  return items;
}

std::vector<std::string> THeadlessMenus::VisibleCaptions(HMENU Menu) const {
  std::vector<std::string> captions;
  for (HMENU item : VisibleItems(Menu)) captions.push_back(Find(item)->Info.Caption);
  return captions;
}

// ------------------------------------------------------------------ pop-ups

bool THeadlessMenus::TrackPopupMenu(HMENU Menu, uint32_t Flags, int32_t X, int32_t Y) {
  const TNode* node = Find(Menu);
  if (!node || !node->IsMenu || node->Kind != wmkPopupMenu) return false;
  ClosePopup();
  TWMInitMenuPopup init;
  init.MenuPopup = Menu;
  Send(Menu, init);
  if (!Find(Menu)) return false;  // the receiver destroyed it
  FPopup = TShownPopup{Menu, Flags, {X, Y}, {}, 0};
  ++FPopupCount;
  Render(0);
  if (FPresenter) FPresenter->PopupShown(Menu, {X, Y});
  return true;
}

void THeadlessMenus::FreeImage() {
  if (FPopup && FPopup->Image) FGraphics.DeleteObject(FPopup->Image);
  if (FPopup) FPopup->Image = 0;
}

void THeadlessMenus::ClosePopup() {
  if (!FPopup) return;
  FreeImage();
  FPopup.reset();
  if (FPresenter) FPresenter->PopupClosed();
}

// Owner-drawn items take the size the host gives them; the others the size
// of their caption in the device context's font.
void THeadlessMenus::Layout(HDC DC, const std::vector<HMENU>& Items, std::vector<TSize>& Sizes) {
  for (HMENU item : Items) {
    const TNode* node = Find(item);
    if (!node) return;
    TSize size;
    if (node->Info.OwnerDraw) {
      TWMMeasureItem measure;
      measure.ItemID = node->Info.Command;
      measure.DC = DC;
      if (!Send(RootOf(item), measure)) return;
      size = {std::max(measure.Width, 1), std::max(measure.Height, 1)};
    } else if (IsSeparator(node->Info)) {
      size = {1, kSeparatorHeight};
    } else {
      FGraphics.GetTextExtentPoint(DC, node->Info.Caption, size);
      size.cx += 2 * kItemPadding;
    }
    Sizes.push_back(size);
  }
}

void THeadlessMenus::Paint(HDC DC, const std::vector<HMENU>& Items, const std::vector<TRect>& Rects, HMENU Selected) {
  const int32_t generation = FPopupCount;
  for (std::size_t i = 0; i < Items.size() && FPopup && FPopupCount == generation; ++i) {
    const TNode* node = Find(Items[i]);
    if (!node) return;
    if (!node->Info.OwnerDraw) continue;
    TWMDrawItem draw;
    draw.ItemID = node->Info.Command;
    draw.DC = DC;
    draw.Rect = Rects[i];
    draw.ItemState = (Items[i] == Selected ? ODS_SELECTED : 0) | (node->Info.Enabled ? 0 : ODS_DISABLED | ODS_GRAYED) |
                     (node->Info.Checked ? ODS_CHECKED : 0) | (node->Info.Default ? ODS_DEFAULT : 0);
    if (!Send(RootOf(Items[i]), draw)) return;
  }
}

namespace {

// A memory device context with a bitmap selected, given up on destruction
// unless the bitmap was released to the caller.
class TPaintSurface {
 public:
  explicit TPaintSurface(TWSGraphics& G) : FG(G), FDc(G.CreateCompatibleDC(0)) {}
  TPaintSurface(const TPaintSurface&) = delete;
  TPaintSurface& operator=(const TPaintSurface&) = delete;
  ~TPaintSurface() {
    Deselect();
    if (FBitmap) FG.DeleteObject(FBitmap);
    FG.DeleteDC(FDc);
  }
  HDC DC() const { return FDc; }
  // A bitmap filled with the menu colour, selected into the device context.
  bool Allocate(int32_t Width, int32_t Height) {
    FBitmap = FG.CreateBitmap(Width, Height);
    if (!FBitmap) return false;
    FOld = FG.SelectObject(FDc, FBitmap);
    const HBRUSH brush = FG.CreateBrushIndirect(TLogBrush{BS_SOLID, FG.GetSysColor(kColorMenu), 0, 0});
    FG.FillRect(FDc, Rect(0, 0, Width, Height), brush);
    FG.DeleteObject(brush);
    return true;
  }
  HBITMAP Release() {
    Deselect();
    return std::exchange(FBitmap, 0);
  }

 private:
  void Deselect() {
    if (FOld) FG.SelectObject(FDc, FOld);
    FOld = 0;
  }
  TWSGraphics& FG;
  HDC FDc;
  HBITMAP FBitmap = 0;
  HGDIOBJ FOld = 0;
};

}  // namespace

void THeadlessMenus::Render(HMENU Selected) {
  FreeImage();
  FPopup->ItemRects.clear();
  const int32_t generation = FPopupCount;
  const std::vector<HMENU> items = VisibleItems(FPopup->Menu);
  const bool ownerDraw = std::any_of(items.begin(), items.end(), [&](HMENU h) { return Find(h)->Info.OwnerDraw; });
  TPaintSurface surface(FGraphics);
  std::vector<TSize> sizes;
  Layout(surface.DC(), items, sizes);
  if (!FPopup || FPopupCount != generation || sizes.size() != items.size()) return;
  std::vector<TRect> rects;
  int32_t width = 1, height = 0;
  for (const TSize& s : sizes) {
    rects.push_back(Bounds(0, height, 0, s.cy));
    width = std::max(width, s.cx);
    height += s.cy;
  }
  for (TRect& r : rects) r.Right = width;
  FPopup->ItemRects = rects;
  if (!ownerDraw || height == 0 || !surface.Allocate(width, height)) return;
  Paint(surface.DC(), items, rects, Selected);
  if (FPopup && FPopupCount == generation) FPopup->Image = surface.Release();
}

// --------------------------------------------------------------- the robot

HMENU THeadlessMenus::FindVisibleItem(HMENU Menu, std::string_view Caption, std::string_view Path) const {
  for (HMENU item : VisibleItems(Menu)) {
    const TWSMenuItemInfo& info = Find(item)->Info;
    if (!IsSeparator(info) && AnsiSameText(StripHotkey(info.Caption), StripHotkey(Caption))) return item;
  }
  throw EInvalidOperation("The menu has no visible item \"%s\" (path \"%s\")", {Caption, Path});
}

bool THeadlessMenus::OpenSubmenu(HMENU Root, HMENU Item) {
  TWMInitMenuPopup init;
  init.MenuPopup = Item;
  Send(Root, init);
  return Find(Root) && Find(Item);
}

bool THeadlessMenus::Choose(HMENU Root, std::string_view Path) {
  const std::vector<std::string_view> parts = SplitPath(Path);
  HMENU menu = Root;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const HMENU item = FindVisibleItem(menu, parts[i], Path);
    const TNode* node = Find(item);
    if (!node->Info.Enabled) return false;
    const bool last = i + 1 == parts.size();
    if (VisibleItems(item).empty()) {
      if (!last) throw EInvalidOperation("Menu item \"%s\" has no submenu (path \"%s\")", {parts[i], Path});
      TWMCommand command;
      command.ItemID = node->Info.Command;
      if (FPopup && FPopup->Menu == Root) ClosePopup();
      return Send(Root, command);
    }
    if (!OpenSubmenu(Root, item) || last) return false;
    menu = item;
  }
  return false;
}

bool THeadlessMenus::ChoosePopupItem(std::string_view Path) {
  if (!FPopup) throw EInvalidOperation("No pop-up menu is open to choose \"%s\" from", {Path});
  return Choose(FPopup->Menu, Path);
}

bool THeadlessMenus::ChooseMenuItem(HMENU MenuBar, std::string_view Path) {
  const TNode* node = Find(MenuBar);
  if (!node || !node->IsMenu) throw EInvalidOperation("Handle %u is not a menu", {MenuBar});
  return Choose(MenuBar, Path);
}

void THeadlessMenus::HoverPopupItem(std::string_view Caption) {
  if (!FPopup) throw EInvalidOperation("No pop-up menu is open to point at \"%s\"", {Caption});
  Render(FindVisibleItem(FPopup->Menu, Caption, Caption));
}

}  // namespace host::headless
