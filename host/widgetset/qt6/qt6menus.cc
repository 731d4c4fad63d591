#include "host/widgetset/qt6/qt6menus.h"

#include <QtWidgets/QMenu>

namespace host::qt6 {

TQtMenus::TQtMenus(headless::THeadlessWidgetSet& WidgetSet) : FWidgetSet(WidgetSet) {
  FWidgetSet.Menus().SetPresenter(this);
}

TQtMenus::~TQtMenus() {
  FWidgetSet.Menus().SetPresenter(nullptr);
  delete FMenu;
}

QMenu* TQtMenus::Shown() const { return FMenu && FMenu->isVisible() ? FMenu : nullptr; }

void TQtMenus::PopupShown(HMENU Menu, TPoint At) {
  PopupClosed();
  FMenu = new QMenu;
  Fill(FMenu, Menu, "");
  // Closed without a choice (Escape, a click elsewhere): the host's pop-up
  // closes too. A QMenu hides before it reports the action chosen, so this
  // waits for the event loop: by then a choice has closed it already.
  QObject::connect(FMenu, &QMenu::aboutToHide, [this, menu = FMenu] {
    QMetaObject::invokeMethod(
        menu,
        [this, menu] {
          if (menu == FMenu) FWidgetSet.Menus().ClosePopup();
        },
        Qt::QueuedConnection);
  });
  FMenu->popup(QPoint(At.X, At.Y));
}

void TQtMenus::PopupClosed() {
  if (!FMenu) return;
  QMenu* menu = std::exchange(FMenu, nullptr);
  menu->hide();
  menu->deleteLater();
}

void TQtMenus::Fill(QMenu* Menu, HMENU Parent, const std::string& Path) {
  headless::THeadlessMenus& menus = FWidgetSet.Menus();
  for (HMENU item : menus.VisibleItems(Parent)) {
    TWSMenuItemInfo info;
    if (!menus.GetMenuItemInfo(item, info)) continue;
    if (info.Caption == "-") {
      Menu->addSeparator();
      continue;
    }
    const std::string path = Path.empty() ? info.Caption : Path + "|" + info.Caption;
    const QString caption = QString::fromStdString(info.Caption);
    if (!menus.VisibleItems(item).empty()) {
      QMenu* submenu = Menu->addMenu(caption);
      submenu->setEnabled(info.Enabled);
      // Refilled as it opens, after the host has had WM_INITMENUPOPUP for it.
      QObject::connect(submenu, &QMenu::aboutToShow, [this, submenu, item, path] {
        submenu->clear();
        Fill(submenu, item, path);
      });
      continue;
    }
    QAction* action = Menu->addAction(info.ShortCutText.empty()
                                          ? caption
                                          : caption + '\t' + QString::fromStdString(info.ShortCutText));
    action->setEnabled(info.Enabled);
    action->setCheckable(info.Checked || info.RadioItem);
    action->setChecked(info.Checked);
    QFont font = action->font();
    font.setBold(info.Default);
    action->setFont(font);
    QObject::connect(action, &QAction::triggered, [this, path] { Choose(path); });
  }
}

// By the captions on the way, as the robot chooses: a caption holding '|'
// cannot be chosen this way.
void TQtMenus::Choose(const std::string& Path) {
  try {
    if (FWidgetSet.Menus().OpenPopup()) FWidgetSet.Menus().ChoosePopupItem(Path);
    FWidgetSet.Windows().ProcessMessages();
  } catch (const std::exception& e) {
    qWarning("%s", e.what());
  }
}

}  // namespace host::qt6
