// The Qt common dialogs: each request filled into a Qt dialog and read
// back from it.
#include "host/widgetset/qt6/qt6dialogs.h"

#include <exception>
#include <iostream>

#include <QtWidgets/QColorDialog>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QFontDialog>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>
#if defined(CORVANE_QT_PRINTSUPPORT)
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrinter>
#endif

#include "host/widgetset/wswindows.h"

namespace host::qt6 {

namespace {

QString ToQt(const std::string& Text) { return QString::fromStdString(Text); }

QColor ToQColor(COLORREF Color) {
  return QColor(static_cast<int>(Color & 0xFF), static_cast<int>((Color >> 8) & 0xFF),
                static_cast<int>((Color >> 16) & 0xFF));
}

COLORREF ToColorRef(const QColor& Color) {
  return RGB(static_cast<uint8_t>(Color.red()), static_cast<uint8_t>(Color.green()),
             static_cast<uint8_t>(Color.blue()));
}

int32_t Answer(int Result) { return Result == QDialog::Accepted ? IDOK : IDCANCEL; }

// ------------------------------------------------------------------- files

int32_t RunFileDialog(TCommonDialogRequest& Request, QWidget* Parent) {
  const bool save = Request.Kind == TCommonDialogKind::SaveFile;
  QFileDialog dialog(Parent, ToQt(Request.Title), ToQt(Request.InitialDir));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (save)
    dialog.setFileMode(QFileDialog::AnyFile);
  else
    dialog.setFileMode(Request.MultiSelect     ? QFileDialog::ExistingFiles
                       : Request.FileMustExist ? QFileDialog::ExistingFile
                                               : QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !Request.OverwritePrompt);
  dialog.setDefaultSuffix(ToQt(Request.DefaultExt));
  const QStringList filters = NameFilters(Request.Filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (Request.FilterIndex >= 1 && Request.FilterIndex <= filters.size())
      dialog.selectNameFilter(filters[Request.FilterIndex - 1]);
  }
  if (!Request.Files.empty()) dialog.selectFile(ToQt(Request.Files.front()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
  Request.Files.clear();
  for (const QString& file : dialog.selectedFiles()) Request.Files.push_back(file.toStdString());
  if (const qsizetype index = filters.indexOf(dialog.selectedNameFilter()); index >= 0)
    Request.FilterIndex = static_cast<int32_t>(index + 1);
  return IDOK;
}

// ------------------------------------------------------------ font, colour

int32_t RunFontDialog(TCommonDialogRequest& Request, QWidget* Parent) {
  QFont font(ToQt(Request.FontName), Request.FontSize > 0 ? Request.FontSize : -1);
  font.setBold(Request.FontStyle & CD_FONT_BOLD);
  font.setItalic(Request.FontStyle & CD_FONT_ITALIC);
  font.setUnderline(Request.FontStyle & CD_FONT_UNDERLINE);
  font.setStrikeOut(Request.FontStyle & CD_FONT_STRIKEOUT);
  QFontDialog dialog(font, Parent);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  if (!Request.Title.empty()) dialog.setWindowTitle(ToQt(Request.Title));
  if (dialog.exec() != QDialog::Accepted) return IDCANCEL;
  const QFont chosen = dialog.selectedFont();
  Request.FontName = chosen.family().toStdString();
  Request.FontSize = chosen.pointSize() > 0 ? chosen.pointSize() : Request.FontSize;
  Request.FontStyle = (chosen.bold() ? CD_FONT_BOLD : 0) | (chosen.italic() ? CD_FONT_ITALIC : 0) |
                      (chosen.underline() ? CD_FONT_UNDERLINE : 0) | (chosen.strikeOut() ? CD_FONT_STRIKEOUT : 0);
  return IDOK;
}

int32_t RunColorDialog(TCommonDialogRequest& Request, QWidget* Parent) {
  for (std::size_t i = 0; i < Request.CustomColors.size() && static_cast<int>(i) < QColorDialog::customCount(); ++i)
    QColorDialog::setCustomColor(static_cast<int>(i), ToQColor(Request.CustomColors[i]));
  QColorDialog dialog(ToQColor(Request.Color), Parent);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  if (!Request.Title.empty()) dialog.setWindowTitle(ToQt(Request.Title));
  const int32_t answer = Answer(dialog.exec());
  if (answer == IDOK) Request.Color = ToColorRef(dialog.selectedColor());
  return answer;
}

// -------------------------------------------------------------------- print

#if defined(CORVANE_QT_PRINTSUPPORT)
int32_t RunPrintDialog(TCommonDialogRequest& Request, QWidget* Parent) {
  QPrinter printer;
  printer.setCopyCount(Request.Copies);
  printer.setCollateCopies(Request.Collate);
  QPrintDialog dialog(&printer, Parent);
  if (Request.MaxPage > 0) {
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(Request.MinPage, Request.MaxPage);
  }
  if (Request.PageRange) {
    printer.setFromTo(Request.FromPage, Request.ToPage);
    dialog.setPrintRange(QAbstractPrintDialog::PageRange);
  }
  if (dialog.exec() != QDialog::Accepted) return IDCANCEL;
  Request.Copies = printer.copyCount();
  Request.Collate = printer.collateCopies();
  Request.PageRange = dialog.printRange() == QAbstractPrintDialog::PageRange;
  if (Request.PageRange) {
    Request.FromPage = printer.fromPage();
    Request.ToPage = printer.toPage();
  }
  return IDOK;
}
#else
// Qt's print support is not installed: the print dialog is cancelled.
int32_t RunPrintDialog(TCommonDialogRequest&, QWidget*) { return IDCANCEL; }
#endif

// ------------------------------------------------------------ find, replace

// The modeless find / replace dialog. Host code runs for its buttons; an
// exception must not cross Qt's event loop, so one that leaves the host is
// written to the error output.
class TQtFindDialog : public QDialog {
 public:
  TQtFindDialog(const TCommonDialogRequest& Request, QWidget* Parent) : QDialog(Parent), FState(Request) {
    const bool replace = Request.Kind == TCommonDialogKind::Replace;
    setWindowTitle(ToQt(!Request.Title.empty() ? Request.Title : replace ? "Replace" : "Find"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* fields = new QFormLayout;
    FFind = new QLineEdit(ToQt(Request.FindText), this);
    FFind->setObjectName("FindText");
    fields->addRow("Fi&nd what:", FFind);
    if (replace) {
      FReplace = new QLineEdit(ToQt(Request.ReplaceText), this);
      FReplace->setObjectName("ReplaceText");
      fields->addRow("Re&place with:", FReplace);
    }
    auto* buttons = new QDialogButtonBox(Qt::Horizontal, this);
    AddButton(buttons, "&Find Next", "FindNext", TCommonDialogAction::Find)->setDefault(true);
    if (replace) {
      AddButton(buttons, "&Replace", "Replace", TCommonDialogAction::Replace);
      AddButton(buttons, "Replace &All", "ReplaceAll", TCommonDialogAction::ReplaceAll);
    }
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    connect(this, &QDialog::finished, this, [this] { Act(TCommonDialogAction::Close); });
  }
  // The program closed the dialog: the host is not told.
  void Forget() { FState.OnAction = nullptr; }

 private:
  QPushButton* AddButton(QDialogButtonBox* Box, const char* Text, const char* Name, TCommonDialogAction Action) {
    QPushButton* button = Box->addButton(Text, QDialogButtonBox::ActionRole);
    button->setObjectName(Name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, Action] { Act(Action); });
    return button;
  }
  void Act(TCommonDialogAction Action) {
    FState.FindText = FFind->text().toStdString();
    if (FReplace) FState.ReplaceText = FReplace->text().toStdString();
    const auto action = FState.OnAction;  // a Close handler may forget it
    if (Action == TCommonDialogAction::Close) Forget();
    if (!action) return;
    try {
      action(Action, FState);
    } catch (const std::exception& e) {
      std::cerr << "corvane: " << e.what() << '\n';
    }
  }

  TCommonDialogRequest FState;
  QLineEdit* FFind = nullptr;
  QLineEdit* FReplace = nullptr;
};

}  // namespace

QStringList NameFilters(const std::string& Filter) {
  const QStringList parts = ToQt(Filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString masks = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    filters << (parts[i].isEmpty() ? masks : parts[i]) + " (" + masks + ")";
  }
  return filters;
}

int32_t RunModalDialog(TCommonDialogRequest& Request, QWidget* Parent) {
  switch (Request.Kind) {
    case TCommonDialogKind::OpenFile:
    case TCommonDialogKind::SaveFile:
      return RunFileDialog(Request, Parent);
    case TCommonDialogKind::Font:
      return RunFontDialog(Request, Parent);
    case TCommonDialogKind::Color:
      return RunColorDialog(Request, Parent);
    case TCommonDialogKind::Print:
      return RunPrintDialog(Request, Parent);
    case TCommonDialogKind::Find:
    case TCommonDialogKind::Replace:
      break;
  }
  return IDCANCEL;
}

QDialog* MakeFindDialog(const TCommonDialogRequest& Request, QWidget* Parent) {
  return new TQtFindDialog(Request, Parent);
}

void ForgetFindDialog(QDialog* Dialog) {
  if (auto* find = dynamic_cast<TQtFindDialog*>(Dialog)) find->Forget();
}

}  // namespace host::qt6
