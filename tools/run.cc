// corvane run [FORM [SCRIPT]] and corvane check FORM: the run-time and the
// design-time view of a form's connections.
#include <string>
#include <vector>

#include "connections/kelconlist.h"
#include "host/classes/keptprops.h"
#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"
#include "tools/commands.h"
#include "tools/formfiles.h"
#include "tools/script.h"

namespace corvane {

namespace {

// The bundled example run when no form is named.
constexpr char kDefaultForm[] = "examples/road.dfm";
constexpr char kDefaultScript[] = "examples/road.run";

std::vector<kel::TkelConnection*> Connections(host::TComponent* Root) {
  std::vector<kel::TkelConnection*> found;
  ForEachComponent(Root, [&found](host::TComponent* c) {
    if (auto* connection = dynamic_cast<kel::TkelConnection*>(c)) found.push_back(connection);
  });
  return found;
}

// Prints Text and returns the exit status for Ok.
int Finish(std::ostream& out, const std::string& text, bool ok) {
  Print(out, "%s", text.c_str());
  return ok ? 0 : 1;
}

}  // namespace

std::string DescribeConnections(host::TComponent* Root, const std::vector<std::string>& Skipped, bool& Healthy) {
  std::vector<kel::TkelConnection*> connections = Connections(Root);
  std::vector<bool> attributed(Skipped.size(), false);
  std::string lines;
  Healthy = true;
  for (kel::TkelConnection* c : connections) {
    // What could not be read into it comes first (the reader's message is
    // "Error reading Root.Name.Property: reason").
    std::vector<std::string> problems;
    const std::string path = "Error reading " + Root->GetName() + "." + c->GetName() + ".";
    for (std::size_t i = 0; i < Skipped.size(); ++i)
      if (Skipped[i].compare(0, path.size(), path) == 0) {
        problems.push_back("could not read " + Skipped[i].substr(path.size()));
        attributed[i] = true;
      }
    for (std::string& p : c->Diagnose()) problems.push_back(std::move(p));
    if (!c->GetConnectionList()) problems.push_back("is in no connection list, so nothing ever connects it");
    lines += "  " + host::ComponentDisplayName(c) + " (" + c->ClassName() +
             "): " + (problems.empty() ? "ok" : "broken") + "\n";
    for (const std::string& p : problems) lines += "    - " + p + "\n";
    Healthy = Healthy && problems.empty();
  }
  // Events the application's code handles (kept from the form file) are
  // not free for wiring: they are listed, not counted as problems.
  std::vector<host::TComponent*> components{Root};
  for (int i = 0; i < Root->GetComponentCount(); ++i) components.push_back(Root->GetComponents(i));
  for (host::TComponent* c : components)
    for (const auto& [event, handler] : host::KeptHandlers(c))
      lines += "  " + c->GetName() + "." + event + ": handled in code (" + handler + ")\n";
  const std::string written = host::WrittenClassName(Root);
  std::string out = host::ComponentDisplayName(Root) + " (" + (written.empty() ? Root->ClassName() : written) +
                    "): " + host::IntToStr(static_cast<int>(connections.size())) + " connection(s)\n";
  for (std::size_t i = 0; i < Skipped.size(); ++i)
    if (!attributed[i]) {
      out += "  skipped while reading: " + Skipped[i] + "\n";
      Healthy = false;
    }
  return out + lines;
}

// The reading is traced too: a property link copies once when it connects.
TRunResult RunForm(const std::string& Form, const std::string& Script) {
  TRunResult result;
  TScriptRunner runner(nullptr, result.Out);
  host::TOwned<host::TComponent> root;
  runner.Traced([&] { root = ReadRunTimeForm(Form); });
  result.Out = "read " + Form + ": " + host::IntToStr(root->GetComponentCount()) + " component(s)\n" + result.Out;
  runner.SetRoot(root.get());
  runner.Run(Script);
  if (!runner.GetRoot()) (void)root.release();  // the script freed the form
  result.ErrorLine = runner.ErrorLine();
  result.Error = runner.Error();
  return result;
}

int RunRun(const Args& args, TToolIO& io) {
  if (args.size() > 2) {
    Print(io.Err, "usage: corvane run [FORM [SCRIPT]]\n");
    return 2;
  }
  TLibrary library;
  const std::string form = args.empty() ? FindExample(kDefaultForm) : args[0];
  const std::string scriptName = args.size() == 2 ? args[1] : args.empty() ? FindExample(kDefaultScript) : "";
  const TRunResult result = RunForm(form, scriptName.empty() ? "" : FileBytes(scriptName));
  Print(io.Out, "%s", result.Out.c_str());
  // Where the script stopped, as compilers name a line: FILE:LINE: message.
  if (!result.Ok()) Print(io.Err, "%s:%d: %s\n", scriptName.c_str(), result.ErrorLine, result.Error.c_str());
  return result.Ok() ? 0 : 1;
}

int RunCheck(const Args& args, TToolIO& io) {
  if (args.size() != 1) {
    Print(io.Err, "usage: corvane check FORM\n");
    return 2;
  }
  TLibrary library;
  std::vector<std::string> skipped;
  host::TOwned<host::TComponent> root = ReadDesignTimeForm(args[0], &skipped);
  bool healthy = false;
  std::string out = DescribeConnections(root.get(), skipped, healthy);
  return Finish(io.Out, out, healthy);
}

}  // namespace corvane
