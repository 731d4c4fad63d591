// corvane designer [FORM] [--quit] [--screenshot FILE.png]: the form
// designer in a real window through the Qt 6 widgetset.
#include <optional>
#include <string>

#include "designer/designerwindow.h"
#include "host/forms/application.h"
#include "tools/commands.h"
#include "tools/formfiles.h"
#include "tools/qtstart.h"

#ifdef CORVANE_WITH_QT6
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtWidgets/QWidget>

#include "host/widgetset/qt6/qt6.h"
#include "host/widgetset/qt6/qt6windows.h"
#endif

namespace corvane {

namespace {

struct TDesignerArgs {
  std::string Form;
  bool Quit = false;
  std::string Screenshot;
};

std::optional<TDesignerArgs> ParseDesignerArgs(const Args& args) {
  TDesignerArgs parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--quit") {
      parsed.Quit = true;
    } else if (args[i] == "--screenshot") {
      if (i + 1 == args.size() || !parsed.Screenshot.empty()) return std::nullopt;
      parsed.Screenshot = args[++i];
    } else if (parsed.Form.empty() && args[i].rfind("--", 0) != 0) {
      parsed.Form = args[i];
    } else {
      return std::nullopt;
    }
  }
  return parsed;
}

#ifdef CORVANE_WITH_QT6

// The designer window with the designed form beside it, as one picture.
void SaveDesignerImage(designer::TDesignerWindow& window, const std::string& Path) {
  auto& qt = static_cast<host::qt6::TQt6WidgetSet&>(host::WidgetSet());
  host::Application->ProcessMessages();
  QWidget* main = qt.QtWindows().WidgetOf(window.GetWindowHandle());
  host::TCustomForm* form = window.DesignedForm();
  QWidget* designed = form && form->HandleAllocated() ? qt.QtWindows().WidgetOf(form->GetWindowHandle()) : nullptr;
  const QImage left = main ? main->grab().toImage() : QImage();
  const QImage right = designed && designed->isVisible() ? designed->grab().toImage() : QImage();
  constexpr int kGap = 12;
  QImage both(left.width() + (right.isNull() ? 0 : kGap + right.width()), std::max(left.height(), right.height()),
              QImage::Format_RGB32);
  both.fill(Qt::white);
  QPainter painter(&both);
  painter.drawImage(0, 0, left);
  if (!right.isNull()) painter.drawImage(left.width() + kGap, 0, right);
  painter.end();
  if (!both.save(QString::fromStdString(Path), "PNG"))
    throw host::EInvalidOperation("Cannot write the picture %s", {Path});
}

int OpenDesigner(const TDesignerArgs& options, TToolIO& io) {
  host::RegisterQt6WidgetSet();
  TChooseQt chooseQt;
  TLibrary library;
  designer::TDesignRegistration registration;
  host::TOwned<designer::TDesignerWindow> window = host::MakeOwned<designer::TDesignerWindow>(nullptr);
  window->Show();
  if (!options.Form.empty() && !window->OpenFile(options.Form)) {
    const auto& boxes = static_cast<host::headless::THeadlessWindows&>(host::WidgetSet().Windows()).MessageBoxesShown();
    Print(io.Err, "%s: %s\n", options.Form.c_str(), boxes.empty() ? "cannot be opened" : boxes.back().Text.c_str());
    if (options.Quit) return 1;
  }
  if (options.Quit) {
    Print(io.Out, "opened %s\n", options.Form.empty() ? "a new form" : options.Form.c_str());
    return 0;
  }
  if (!options.Screenshot.empty()) {
    SaveDesignerImage(*window, options.Screenshot);
    Print(io.Out, "wrote %s\n", options.Screenshot.c_str());
    return 0;
  }
  RunUntilClosed(window->GetWindowHandle());
  return 0;
}

#endif

}  // namespace

int RunDesigner(const Args& args, TToolIO& io) {
  const std::optional<TDesignerArgs> options = ParseDesignerArgs(args);
  if (!options) {
    Print(io.Err, "usage: corvane designer [FORM] [--quit] [--screenshot FILE.png]\n");
    return 2;
  }
  if (!CanShowWindows(io)) return 1;
#ifdef CORVANE_WITH_QT6
  return OpenDesigner(*options, io);
#else
  return 1;  // CanShowWindows said why
#endif
}

}  // namespace corvane
