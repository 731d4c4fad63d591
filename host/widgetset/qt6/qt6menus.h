// The menus of the Qt widgetset: the headless menu tree's open pop-up shown
// as a QMenu at its point, and a window's menu bar as a QMenuBar. Its items are read from the menu
// handles (captions with their '&' accelerators, which Qt reads the same
// way, short cuts, checks, enabled states, separators and submenus, a
// submenu refilled each time it opens); choosing one goes back through the
// headless menus' ChoosePopupItem, so the host gets WM_INITMENUPOPUP for
// the submenus on the way and WM_COMMAND exactly as from the robot (a menu
// bar's items through ChooseMenuItem).
#pragma once

#include <memory>
#include <string>

#include "host/widgetset/headless/headless.h"

class QMenu;
class QMenuBar;

namespace host::qt6 {

// Fills Bar with the visible items of the menu bar Menu.
void FillMenuBar(QMenuBar* Bar, headless::THeadlessMenus& Menus, HMENU Menu);

class TQtMenus : public headless::TMenuPresenter {
 public:
  explicit TQtMenus(headless::THeadlessWidgetSet& WidgetSet);
  ~TQtMenus() override;
  TQtMenus(const TQtMenus&) = delete;
  TQtMenus& operator=(const TQtMenus&) = delete;

  void PopupShown(HMENU Menu, TPoint At) override;
  void PopupClosed() override;
  // The QMenu showing the open pop-up; null when none shows.
  QMenu* Shown() const;

 private:
  headless::THeadlessWidgetSet& FWidgetSet;
  QMenu* FMenu = nullptr;  // deleted later: it may be running a signal
};

}  // namespace host::qt6
