#include "host/widgetset/qt6/qt6menus.h"

#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>

namespace host::qt6 {

namespace {

void Choose(headless::THeadlessMenus& Menus, HMENU Root, const std::string& Path);
template <class TContainer>
void FillMenu(TContainer* Menu, headless::THeadlessMenus& Menus, HMENU Root, HMENU Parent, const std::string& Path);

}  // namespace

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
  FillMenu(FMenu, FWidgetSet.Menus(), Menu, Menu, "");
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

namespace {

// By the captions on the way, as the robot chooses: a caption holding '|'
// cannot be chosen this way.
void Choose(headless::THeadlessMenus& Menus, HMENU Root, const std::string& Path) {
  try {
    const headless::THeadlessMenus::TShownPopup* popup = Menus.OpenPopup();
    if (popup && popup->Menu == Root)
      Menus.ChoosePopupItem(Path);
    else if (Menus.GetMenuItemCount(Root) >= 0)
      Menus.ChooseMenuItem(Root, Path);
  } catch (const std::exception& e) {
    qWarning("%s", e.what());
  }
}

template <class TContainer>
void FillMenu(TContainer* Menu, headless::THeadlessMenus& Menus, HMENU Root, HMENU Parent, const std::string& Path) {
  for (HMENU item : Menus.VisibleItems(Parent)) {
    TWSMenuItemInfo info;
    if (!Menus.GetMenuItemInfo(item, info)) continue;
    if (info.Caption == "-") {
      Menu->addSeparator();
      continue;
    }
    const std::string path = Path.empty() ? info.Caption : Path + "|" + info.Caption;
    const QString caption = QString::fromStdString(info.Caption);
    if (!Menus.VisibleItems(item).empty()) {
      QMenu* submenu = Menu->addMenu(caption);
      submenu->setEnabled(info.Enabled);
      // Refilled as it opens: the items may have changed since.
      QObject::connect(submenu, &QMenu::aboutToShow, [&Menus, submenu, Root, item, path] {
        submenu->clear();
        FillMenu(submenu, Menus, Root, item, path);
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
    QObject::connect(action, &QAction::triggered, [&Menus, Root, path] { Choose(Menus, Root, path); });
  }
}

}  // namespace

void FillMenuBar(QMenuBar* Bar, headless::THeadlessMenus& Menus, HMENU Menu) {
  Bar->clear();
  FillMenu(Bar, Menus, Menu, Menu, "");
}

}  // namespace host::qt6
