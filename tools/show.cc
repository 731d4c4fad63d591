// corvane show FORM [SCRIPT] [--screenshot FILE.png]: a form in a real
// window through the Qt 6 widgetset, with its connections active.
#include <cstdlib>
#include <optional>
#include <string>

#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/rtl/sysutils.h"
#include "tools/commands.h"
#include "tools/formfiles.h"
#include "tools/qtstart.h"
#include "tools/script.h"

#ifdef CORVANE_WITH_QT6
#include "host/widgetset/qt6/qt6.h"
#endif

namespace corvane {

namespace {

// The window to show: the root when it is a windowed control (a form, or a
// bare control standing as a window), else the first form it owns (a data
// module holding the application's forms).
host::TWinControl* FormToShow(host::TComponent* Root) {
  if (auto* control = dynamic_cast<host::TWinControl*>(Root)) return control;
  host::TCustomForm* found = nullptr;
  ForEachComponent(Root, [&found](host::TComponent* c) {
    if (!found) found = dynamic_cast<host::TCustomForm*>(c);
  });
  if (!found) throw host::Exception("%s holds no form to show", {host::ComponentDisplayName(Root)});
  return found;
}

#ifdef CORVANE_WITH_QT6

int ShowForm(const TFormArgs& options, TToolIO& io) {
  host::RegisterQt6WidgetSet();
  TChooseQt chooseQt;
  TLibrary library;
  std::string out;
  TScriptRunner runner(nullptr, out);
  host::TOwned<host::TComponent> root;
  runner.Traced([&] { root = ReadRunTimeForm(options.Form); });
  runner.SetRoot(root.get());
  host::TWinControl* form = FormToShow(root.get());
  form->Show();
  const host::HWND window = form->GetWindowHandle();
  host::Application->ProcessMessages();
  const bool ran = options.Script.empty() || runner.Run(FileBytes(options.Script));
  Print(io.Out, "%s", out.c_str());
  if (!runner.GetRoot()) (void)root.release();  // the script freed the form
  if (!ran) {
    Print(io.Err, "%s:%d: %s\n", options.Script.c_str(), runner.ErrorLine(), runner.Error().c_str());
    return 1;
  }
  if (options.OptionFile.empty()) {
    RunUntilClosed(window);
    return 0;
  }
  if (!host::WidgetSet().Windows().IsWindowVisible(window))
    throw host::Exception("The form is not showing any more: nothing to capture");
  static_cast<host::qt6::TQt6WidgetSet&>(host::WidgetSet()).SaveWindowImage(window, options.OptionFile);
  Print(io.Out, "wrote %s\n", options.OptionFile.c_str());
  return 0;
}

#endif

}  // namespace

int RunShow(const Args& args, TToolIO& io) {
  const std::optional<TFormArgs> options = ParseFormArgs(args, "--screenshot");
  if (!options) {
    Print(io.Err, "usage: corvane show FORM [SCRIPT] [--screenshot FILE.png]\n");
    return 2;
  }
  if (!CanShowWindows(io)) return 1;
#ifdef CORVANE_WITH_QT6
  return ShowForm(*options, io);
#else
  return 1;  // CanShowWindows said why
#endif
}

}  // namespace corvane
