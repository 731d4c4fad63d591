// What a menu does for the window it serves: its reading order, help
// contexts, characters typed while it is open, and the menu an embedded
// server shows in a menu bar's place.
#include <cctype>
#include <string>
#include <vector>

#include "host/menus/menu.h"

namespace host {

namespace {

// The accelerator of a caption: the character after a single '&' ("&&" is
// an ampersand); 0 when it has none.
char AcceleratorOf(const std::string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&') continue;
    if (Caption[i + 1] != '&') return Caption[i + 1];
    ++i;
  }
  return 0;
}

bool SameChar(char A, char B) {
  return std::toupper(static_cast<unsigned char>(A)) == std::toupper(static_cast<unsigned char>(B));
}

// The items a menu or item handle shows, in order.
std::vector<TMenuItem*> VisibleItems(const TMenuItem* Parent) {
  std::vector<TMenuItem*> shown;
  for (TMenuItem* item : Parent->GetMergedItems())
    if (item->GetVisible()) shown.push_back(item);
  return shown;
}

// The classic answer for the items `Matches` picks: one enabled item is
// executed, several selected (the first), a disabled one alone closes the
// menu; MNC_IGNORE (and false) when none matches.
template <class F>
bool AnswerMenuChar(const std::vector<TMenuItem*>& Items, F&& Matches, int64_t& Result) {
  int32_t first = -1, found = 0;
  bool disabled = false;
  for (std::size_t i = 0; i < Items.size(); ++i) {
    if (!Matches(*Items[i])) continue;
    if (!Items[i]->GetEnabled()) {
      disabled = true;
      continue;
    }
    if (first < 0) first = static_cast<int32_t>(i);
    ++found;
  }
  if (found == 0) {
    Result = disabled ? int64_t{MNC_CLOSE} << 16 : MNC_IGNORE;
    return disabled;
  }
  Result = int64_t{found == 1 ? MNC_EXECUTE : MNC_SELECT} << 16 | first;
  return true;
}

}  // namespace

void TMenu::SetBiDiMode(TBiDiMode Value) {
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  FParentBiDiMode = false;
  UpdateItems();
}

void TMenu::SetParentBiDiMode(bool Value) {
  if (Value == FParentBiDiMode) return;
  FParentBiDiMode = Value;
  if (Value && FBiDiMode != FParentMode) {
    FBiDiMode = FParentMode;
    UpdateItems();
  }
}

void TMenu::ParentBiDiModeChanged(TBiDiMode ParentMode) {
  FParentMode = ParentMode;
  if (FParentBiDiMode && FBiDiMode != ParentMode) {
    FBiDiMode = ParentMode;
    UpdateItems();
  }
}

int32_t TMenu::GetHelpContext(int32_t Value, bool ByCommand) const {
  const TMenuItem* item = FindItem(Value, ByCommand ? fkCommand : fkHandle);
  while (item && item->GetHelpContext() == 0) item = item->GetParent();
  return item ? item->GetHelpContext() : 0;
}

void TMenu::ProcessMenuChar(TWMMenuChar& Message) {
  Message.Result = MNC_IGNORE;
  if (Message.Menu == 0 || Message.User == 0) return;
  const TMenuItem* parent =
      Message.Menu == FItems->GetHandle() ? FItems : FindItem(static_cast<int32_t>(Message.Menu), fkHandle);
  if (!parent) return;
  const std::vector<TMenuItem*> items = VisibleItems(parent);
  const char typed = Message.User;
  if (AnswerMenuChar(
          items, [typed](const TMenuItem& i) { return SameChar(AcceleratorOf(i.GetCaption()), typed); },
          Message.Result))
    return;
  AnswerMenuChar(
      items,
      [typed](const TMenuItem& i) {
        const std::string shown = StripHotkey(i.GetCaption());
        return !i.IsLine() && !shown.empty() && SameChar(shown[0], typed);
      },
      Message.Result);
}

// --------------------------------------------------------------- TMainMenu

void TMainMenu::SetOle2MenuHandle(HMENU Handle) {
  FOle2Menu = Handle;
  MenuChanged(this, nullptr, false);
}

HMENU TMainMenu::GetHandle() { return FOle2Menu ? FOle2Menu : inherited::GetHandle(); }

}  // namespace host
