// Guests: a desktop program built against the installed library. Its main
// form, with its controls and the connections that make it work, comes from
// mainform.dfm beside the program; no line of code handles an event.
//
//   guests [SCRIPT]
//
// With a script (the language of `corvane run`), the script acts as the user
// once the main form shows; then the program closes its main form. The
// status is 1 when a line of the script fails. Without one, the program runs
// until its main form closes (at once on the headless widgetset, where
// nobody can act).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>

#include "core/kelcommon.h"
#include "descriptors/kelforms_forms.h"
#include "host/forms/forms.h"
#include "package/package.h"
#include "tools/script.h"
#ifdef CORVANE_APP_QT6
#include "host/widgetset/qt6/qt6.h"
#endif

// The main form's class: what it shows is the layout read from its file.
class TMainForm : public host::TForm {
  HOST_CLASS(TMainForm, host::TForm)
  using TCreateArg = host::TComponent;
  explicit TMainForm(host::TComponent* AOwner) : host::TForm(AOwner) {}

 protected:
  ~TMainForm() override = default;
};
HOST_IMPL(TMainForm, host::TForm)

namespace {

// A file beside the program (the build copies the form file there).
std::string BesideProgram(const std::string& Name) {
  return (std::filesystem::path(host::Application->GetExeName()).parent_path() / Name).string();
}

std::string FileText(const std::string& Path) {
  std::ifstream in(Path, std::ios::binary);
  if (!in) throw host::EFOpenError("Cannot open the script %s", {Path});
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Plays a script as the user when the application first waits for input
// (the main form shows by then), prints what it did, and closes the form,
// which ends the application.
class TScriptedUser {
 public:
  TScriptedUser(TMainForm* Form, const std::string& Path) : FPath(Path), FScript(FileText(Path)), FRunner(Form, FOut) {
    host::Application->OnIdle = host::TIdleEvent(this, &TScriptedUser::Idle);
  }
  ~TScriptedUser() { host::Application->OnIdle = nullptr; }
  TScriptedUser(const TScriptedUser&) = delete;
  TScriptedUser& operator=(const TScriptedUser&) = delete;
  bool Ok() const { return FOk; }

 private:
  void Idle(host::TObject* /*Sender*/, bool& /*Done*/) {
    if (FStarted) return;  // a modal form's loop idles too while the script runs
    FStarted = true;
    FOk = FRunner.Run(FScript);
    std::cout << FOut;
    if (!FOk) std::cerr << FPath << ":" << FRunner.ErrorLine() << ": " << FRunner.Error() << "\n";
    if (auto* form = dynamic_cast<host::TCustomForm*>(FRunner.GetRoot())) form->Close();
    host::Application->Terminate();  // also when the script freed the form
  }

  std::string FPath, FScript, FOut;
  corvane::TScriptRunner FRunner;
  bool FStarted = false;
  bool FOk = false;
};

int RunApplication(const char* ScriptPath) {
  host::Application->Initialize();
  // Connections reach a component through the descriptor registered for its
  // class: the main form is described as the TForm it is.
  kel::TkelClassRegistry::RegisterClass(TMainForm::StaticMetaClass.Name, &kel::TFormClassInfo::StaticMetaClass);
  host::RegisterFormLayoutFile(&TMainForm::StaticMetaClass, BesideProgram("mainform.dfm"));
  TMainForm* MainForm = nullptr;
  host::Application->CreateForm(MainForm);
  std::optional<TScriptedUser> user;
  if (ScriptPath) user.emplace(MainForm, ScriptPath);
  host::Application->Run();
  return !user || user->Ok() ? 0 : 1;
}

// Keeps the library started while the program runs.
struct TLibrary {
  TLibrary() { kel::package::Initialize(); }
  ~TLibrary() { kel::package::Finalize(); }
  TLibrary(const TLibrary&) = delete;
  TLibrary& operator=(const TLibrary&) = delete;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2) {
    std::cerr << "usage: guests [SCRIPT]\n";
    return 2;
  }
  try {
#ifdef CORVANE_APP_QT6
    host::RegisterQt6WidgetSet();
#endif
    TLibrary library;
    return RunApplication(argc == 2 ? argv[1] : nullptr);
  } catch (const host::Exception& e) {
    std::cerr << "guests: " << e.Message() << "\n";
    return 1;
  }
}
