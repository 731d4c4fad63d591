// corvane design FORM [SCRIPT] [--save FILE]: a form in the headless form
// designer, worked by a script of designer actions.
#include <optional>
#include <string>
#include <vector>

#include "connections/kelconlist.h"
#include "editors/kelcsdlg.h"
#include "host/classes/typinfo.h"
#include "host/designer/compedit.h"
#include "host/designer/designreg.h"
#include "host/designer/formdesigner.h"
#include "host/designer/objinsp.h"
#include "host/forms/application.h"
#include "host/rtl/sysutils.h"
#include "designer/palette.h"
#include "tools/commands.h"
#include "tools/formfiles.h"
#include "tools/linereader.h"
#include "tools/script.h"
#include "tools/scriptinput.h"

namespace corvane {

namespace {

using host::Exception;

std::string Joined(const std::vector<std::string>& Words) {
  std::string text;
  for (const std::string& w : Words) text += (text.empty() ? "" : ", ") + w;
  return text;
}

// The designer's own script lines, run for a TScriptRunner (its line hook).
class TDesignSession {
 public:
  TDesignSession(host::TFormDesigner* Designer, std::string& Out)
      : FDesigner(Designer), FInspector(host::New<host::TObjectInspectorModel>(Designer)), FOut(Out) {}
  ~TDesignSession() { FInspector->Free(); }
  TDesignSession(const TDesignSession&) = delete;
  TDesignSession& operator=(const TDesignSession&) = delete;

  bool RunLine(const std::string& Line) {
    using TVerb = void (TDesignSession::*)(TLineReader&);
    static constexpr struct {
      const char* Name;
      TVerb Run;
    } kVerbs[] = {{"drop", &TDesignSession::Drop},       {"inspect", &TDesignSession::Inspect},
                  {"setprop", &TDesignSession::SetProp}, {"verbs", &TDesignSession::Verbs},
                  {"verb", &TDesignSession::Verb},       {"dblclick-design", &TDesignSession::EditComponent},
                  {"answer", &TDesignSession::Answer},   {"save", &TDesignSession::SaveLine},
                  {"edit", &TDesignSession::EditConnection}};
    TLineReader in(Line);
    const std::string verb = in.Word();
    if (host::AnsiSameText(verb, "select")) return Select(Line);
    for (const auto& v : kVerbs)
      if (host::AnsiSameText(verb, v.Name)) {
        (this->*v.Run)(in);
        if (!in.AtEnd()) in.Fail("end of line expected");
        return true;
      }
    return false;
  }

  void Save(const std::string& FileName) {
    FDesigner->Save(FileName);
    FOut += "  saved " + FileName + "\n";
  }

 private:
  host::TComponent* Component(const std::string& Name) const {
    host::TComponent* found = FDesigner->GetComponent(Name);
    if (!found) throw Exception("The form has no component named %s", {Name});
    return found;
  }

  host::TOwned<host::TComponentEditor> Editor(host::TComponent* Component) const {
    host::TOwned<host::TComponentEditor> editor = host::GetComponentEditor(Component, FDesigner);
    if (!editor) throw Exception("%s has no component editor", {host::ComponentDisplayName(Component)});
    return editor;
  }

  // select NAME makes it the inspector's selection; select NAME INDEX is
  // the input line that clicks a list's item.
  bool Select(const std::string& Line) {
    TLineReader in(Line);
    in.Word();
    const std::string name = in.Identifier();
    if (!in.AtEnd()) return false;
    FDesigner->SelectComponent(Component(name));
    FOut += "  selected " + name + "\n";
    return true;
  }

  void SaveLine(TLineReader& In) { Save(In.Text()); }
  void EditComponent(TLineReader& In) { Editor(Component(In.Identifier()))->Edit(); }

  void Drop(TLineReader& In) {
    const host::TClass cls = host::FindClass(In.Identifier());
    host::TComponent* parent = In.AtEnd() ? FDesigner->GetRoot() : Component(In.Identifier());
    // Dropped where the author would click: a little below the last one.
    const int32_t offset = 8 + 24 * (FDrops++ % 12);
    host::TComponent* made = FDesigner->CreateComponent(cls, parent, 8, offset, 0, 0);
    FDesigner->SelectComponent(made);
    FOut += "  dropped " + made->GetName() + " (" + made->ClassName() + ")\n";
  }

  void PrintRow(const host::TInspectorRow& Row, bool WithValues) {
    std::vector<std::string> attributes;
    for (int a = 0; a < 8; ++a)
      if (Row.Attributes.Contains(static_cast<host::TPropertyAttribute>(a)))
        attributes.push_back(host::GetEnumName(host::detail::TypeInfoOf<host::TPropertyAttribute>(), a));
    FOut += "  " + Row.Name + " = " + Row.Value + (attributes.empty() ? "" : "  [" + Joined(attributes) + "]") + "\n";
    if (WithValues && !Row.Values.empty()) FOut += "    values: " + Joined(Row.Values) + "\n";
  }

  void Inspect(TLineReader& In) {
    FDesigner->SelectComponent(Component(In.Identifier()));
    if (In.AtEnd()) {
      for (int i = 0; i < FInspector->GetRowCount(); ++i) PrintRow(FInspector->GetRow(i), false);
      return;
    }
    const std::string property = In.Word();
    const host::TInspectorRow* row = FInspector->FindRow(property);
    if (!row) throw Exception("%s has no property %s", {FDesigner->GetComponentName(Selected()), property});
    PrintRow(*row, true);
  }

  host::TComponent* Selected() const {
    return FDesigner->Selection().empty() ? nullptr : dynamic_cast<host::TComponent*>(FDesigner->Selection()[0]);
  }

  // Through the property editor, as typed into the inspector: a value the
  // editor refuses is reported and the script goes on.
  void SetProp(TLineReader& In) {
    FDesigner->SelectComponent(Component(In.Identifier()));
    const std::string property = In.Word();
    const std::string value = In.Text();
    try {
      FInspector->SetValue(property, value);
    } catch (const host::EPropertyError& e) {
      FOut += "  error: " + e.Message() + "\n";
      return;
    }
    if (const host::TInspectorRow* row = FInspector->FindRow(property)) PrintRow(*row, false);
  }

  void Verbs(TLineReader& In) {
    host::TOwned<host::TComponentEditor> editor = Editor(Component(In.Identifier()));
    for (int i = 0; i < editor->GetVerbCount(); ++i)
      FOut += "  " + host::IntToStr(i) + ": " + editor->GetVerb(i) + "\n";
  }

  // verb NAME INDEX or verb NAME 'caption' (compared without regard to case).
  void Verb(TLineReader& In) {
    host::TOwned<host::TComponentEditor> editor = Editor(Component(In.Identifier()));
    const std::string which = In.Text();
    int index = -1;
    for (int i = 0; i < editor->GetVerbCount() && index < 0; ++i)
      if (host::AnsiSameText(editor->GetVerb(i), which) || host::IntToStr(i) == which) index = i;
    if (index < 0) throw Exception("%s has no verb %s", {host::ComponentDisplayName(editor->GetComponent()), which});
    editor->ExecuteVerb(index);
  }

  // edit NAME opens the dialog of the connection's kind (the lines after it
  // act in the dialog until it closes), or the connection list editor.
  void EditConnection(TLineReader& In) {
    host::TComponent* component = Component(In.Identifier());
    if (dynamic_cast<kel::TkelConnectionList*>(component)) return kel::kelShowConnectionsEditor(FDesigner, component);
    if (dynamic_cast<kel::TkelConnection*>(component)) return kel::kelEditConnection(FDesigner, component);
    throw Exception("%s is no connection with an editor dialog", {host::ComponentDisplayName(component)});
  }

  void Answer(TLineReader& In) {
    const std::string answer = host::LowerCase(In.Identifier());
    if (answer != "yes" && answer != "no") throw Exception("answer yes or answer no expected, not %s", {answer});
    QueueMessageBoxAnswer(answer == "yes" ? host::IDYES : host::IDNO);
  }

  host::TFormDesigner* FDesigner;
  host::TObjectInspectorModel* FInspector;
  std::string& FOut;
  int FDrops = 0;
};


}  // namespace

int RunDesign(const Args& args, TToolIO& io) {
  const std::optional<TFormArgs> options = ParseFormArgs(args, "--save");
  if (!options) {
    Print(io.Err, "usage: corvane design FORM [SCRIPT] [--save FILE]\n");
    return 2;
  }
  TLibrary library;
  designer::TDesignRegistration registration;
  host::TOwned<host::TFormDesigner> designer = host::TFormDesigner::OpenFile(options->Form);
  std::string out;
  TScriptRunner runner(designer->GetRoot(), out);
  TDesignSession session(designer.get(), runner.Output());
  runner.SetLineHook([&session](const std::string& Line) { return session.RunLine(Line); });
  out = "design " + options->Form + ": " + host::IntToStr(designer->GetRoot()->GetComponentCount()) +
        " component(s)\n";
  const bool ran = options->Script.empty() || runner.Run(FileBytes(options->Script));
  if (ran && !options->OptionFile.empty()) session.Save(options->OptionFile);
  Print(io.Out, "%s", out.c_str());
  if (!ran) Print(io.Err, "%s:%d: %s\n", options->Script.c_str(), runner.ErrorLine(), runner.Error().c_str());
  return ran ? 0 : 1;
}

}  // namespace corvane
