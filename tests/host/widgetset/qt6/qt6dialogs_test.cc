// The Qt common dialogs offscreen: a QFileDialog accepted as a user would
// (found among the top-level widgets while it runs) gives its file and
// filter back, and the find dialog's button and closing reach the host.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include "host/widgetset/qt6/qt6dialogs.h"
#include "host/widgetset/wswindows.h"

namespace host::qt6 {
namespace {

// Calls Act with the first visible top-level widget of class T once the
// event loop of the dialog running runs.
template <class T, class F>
void WhenShown(F Act) {
  QTimer::singleShot(0, [Act] {
    for (QWidget* widget : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) return Act(dialog);
    ADD_FAILURE() << "no dialog showed";
  });
}

TEST(Qt6Dialogs, AFileDialogAcceptedByTheUserGivesItsFileAndFilterBack) {
  EXPECT_EQ(NameFilters("Text files (*.txt)|*.txt||*.pas;*.dpr"),
            (QStringList{"Text files (*.txt) (*.txt)", "*.pas *.dpr (*.pas *.dpr)"}));
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "corvane_qt6dialogs";
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "unit1.pas").string();
  std::ofstream(file) << "unit Unit1;";

  TCommonDialogRequest request;
  request.Kind = TCommonDialogKind::OpenFile;
  request.Title = "Open a unit";
  request.Filter = "Text files (*.txt)|*.txt|Units|*.pas";
  request.InitialDir = dir.string();
  request.FileMustExist = true;
  QString title;
  WhenShown<QFileDialog>([&](QFileDialog* dialog) {
    title = dialog->windowTitle();
    dialog->selectNameFilter(dialog->nameFilters().at(1));
    dialog->selectFile(QString::fromStdString(file));
    static_cast<QDialog*>(dialog)->accept();  // the Open button
  });
  ASSERT_EQ(RunModalDialog(request, nullptr), IDOK);
  EXPECT_EQ(title, "Open a unit");
  EXPECT_EQ(request.Files, std::vector<std::string>{file});
  EXPECT_EQ(request.FilterIndex, 2);

  WhenShown<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
  request.Files = {"kept.pas"};
  EXPECT_EQ(RunModalDialog(request, nullptr), IDCANCEL);
  EXPECT_EQ(request.Files, std::vector<std::string>{"kept.pas"}) << "a cancelled dialog changes nothing";
  std::filesystem::remove_all(dir);
}

TEST(Qt6Dialogs, TheFindDialogsButtonsAndClosingReachTheHost) {
  std::vector<std::string> actions;
  TCommonDialogRequest request;
  request.Kind = TCommonDialogKind::Replace;
  request.FindText = "cat";
  request.OnAction = [&](TCommonDialogAction Action, const TCommonDialogRequest& State) {
    actions.push_back(std::to_string(static_cast<int>(Action)) + " " + State.FindText + ">" + State.ReplaceText);
  };
  QPointer<QDialog> dialog = MakeFindDialog(request, nullptr);
  dialog->show();
  dialog->findChild<QLineEdit*>("ReplaceText")->setText("dog");
  QTest::mouseClick(dialog->findChild<QPushButton*>("ReplaceAll"), Qt::LeftButton);
  dialog->findChild<QLineEdit*>("FindText")->setText("cow");
  QTest::mouseClick(dialog->findChild<QPushButton*>("FindNext"), Qt::LeftButton);
  dialog->reject();
  EXPECT_EQ(actions, (std::vector<std::string>{"2 cat>dog", "0 cow>dog", "3 cow>dog"}));
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(dialog.isNull()) << "a closed find dialog deletes itself";

  // Closed by the program: the host is not told.
  QPointer<QDialog> other = MakeFindDialog(request, nullptr);
  other->show();
  ForgetFindDialog(other);
  other->close();
  EXPECT_EQ(actions.size(), 3u);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace host::qt6
