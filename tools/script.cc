#include "tools/script.h"

#include <cctype>
#include <cstdint>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "connections/kelconlist.h"
#include "connections/kele2m.h"
#include "core/kelcommon.h"
#include "descriptors/kelconvert.h"
#include "host/classes/typinfo.h"
#include "host/forms/form.h"
#include "host/forms/screen.h"
#include "host/rtl/sysutils.h"
#include "tools/linereader.h"
#include "tools/scriptinput.h"

namespace corvane {

using host::Variant;

namespace {


bool IsNumber(const std::string& text, bool& isFloat) {
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  bool digits = false;
  isFloat = false;
  for (; i < text.size(); ++i) {
    if (std::isdigit(static_cast<unsigned char>(text[i])))
      digits = true;
    else if ((text[i] == '.' || text[i] == 'e' || text[i] == 'E') && digits)
      isFloat = true;
    else if (!((text[i] == '-' || text[i] == '+') && (text[i - 1] == 'e' || text[i - 1] == 'E')))
      return false;
  }
  return digits;
}

// Restores the previous trace observer when the script is done.
class TTraceScope {
 public:
  explicit TTraceScope(kel::TkelTraceProc proc) : FPrevious(kel::kelSetTraceProc(std::move(proc))) {}
  ~TTraceScope() { kel::kelSetTraceProc(std::move(FPrevious)); }
  TTraceScope(const TTraceScope&) = delete;
  TTraceScope& operator=(const TTraceScope&) = delete;

 private:
  kel::TkelTraceProc FPrevious;
};

std::string NameOf(host::TObject* object) {
  auto* component = dynamic_cast<host::TComponent*>(object);
  if (component) return host::ComponentDisplayName(component);
  return object ? object->ClassName() : std::string("nil");
}

}  // namespace

// Clears the runner's root when the root is destroyed.
class TScriptRunner::TWatch : public host::TComponent {
 public:
  explicit TWatch(TScriptRunner& Runner) : host::TComponent(nullptr), FRunner(Runner) {}
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override {
    host::TComponent::Notification(AComponent, Operation);
    if (Operation == host::opRemove && AComponent == FRunner.FRoot) FRunner.FRoot = nullptr;
  }

 protected:
  ~TWatch() override = default;

 private:
  TScriptRunner& FRunner;
};

TScriptRunner::TScriptRunner(host::TComponent* Root, std::string& Out) : FOut(Out), FWatch(new TWatch(*this)) {
  SetRoot(Root);
  MessageBoxReport(FBoxesReported);  // the boxes shown before this script are not its own
}

TScriptRunner::~TScriptRunner() { FWatch->Free(); }

void TScriptRunner::SetRoot(host::TComponent* Root) {
  if (FRoot) FWatch->RemoveFreeNotification(FRoot);
  FRoot = Root;
  if (FRoot) FWatch->FreeNotification(FRoot);
}

host::TComponent* TScriptRunner::Component(const std::string& Name) const {
  // A window the user works in over the form (a dialog it opened) is
  // searched first.
  host::TCustomForm* active = host::Screen ? host::Screen->GetActiveCustomForm() : nullptr;
  if (active && static_cast<host::TComponent*>(active) != FRoot) {
    if (host::AnsiSameText(Name, active->GetName())) return active;
    if (host::TComponent* c = active->FindComponent(Name)) return c;
  }
  if (!FRoot) throw host::Exception("The form was freed: there is no component named %s any more", {Name});
  if (host::AnsiSameText(Name, FRoot->GetName())) return FRoot;
  if (host::TComponent* c = FRoot->FindComponent(Name)) return c;
  throw host::Exception("There is no component named %s in %s", {Name, host::ComponentDisplayName(FRoot)});
}

namespace {

// A script value as a Variant; components are looked up by the runner.
template <class Find>
Variant ParseValue(const std::string& text, Find&& find) {
  if (text[0] == '\'') {
    std::size_t pos = 0;
    return Variant(host::AnsiExtractQuotedStr(text, pos, '\''));
  }
  if (text[0] == '@') return Variant::FromPointer(find(text.substr(1)));
  if (host::AnsiSameText(text, "True")) return Variant(true);
  if (host::AnsiSameText(text, "False")) return Variant(false);
  if (host::AnsiSameText(text, "Unassigned")) return Variant();
  if (host::AnsiSameText(text, "nil")) return Variant::FromPointer(nullptr);
  bool isFloat = false;
  if (!IsNumber(text, isFloat)) throw host::Exception("'%s' is not a value (text goes in quotes)", {text});
  if (isFloat) return Variant(host::StrToFloat(text));
  const int64_t value = host::StrToInt64(text);
  if (value >= INT32_MIN && value <= INT32_MAX) return Variant(static_cast<int32_t>(value));
  return Variant(value);
}

}  // namespace

// The descriptors of the objects one line steps into. An object whose own
// class has no descriptor (a list box's items are a private TStrings
// descendant) is reached through a descriptor of its nearest described
// parent class, made for the line and freed with it.
class TScriptRunner::TStepDescriptors {
 public:
  TStepDescriptors() = default;
  TStepDescriptors(const TStepDescriptors&) = delete;
  TStepDescriptors& operator=(const TStepDescriptors&) = delete;
  ~TStepDescriptors() {
    // Unhooked first: the object lives on with its own handlers back
    // (unless the line freed it).
    for (auto [info, object] : FMade) {
      if (host::IsLiveObject(object)) info->SetOwner(nullptr);
      info->Free();
    }
  }

  kel::TkelClassInfo* For(host::TObject* Object) {
    if (kel::TkelClassRegistry::FindClass(Object->ClassName())) return kel::TkelClassRegistry::GetInfo(Object);
    for (host::TClass c = Object->ClassParent(); c; c = c->Parent) {
      const host::TClass infoClass = kel::TkelClassRegistry::FindClass(c->Name);
      if (!infoClass) continue;
      auto* info = host::As<kel::TkelClassInfo>(infoClass->Create(nullptr));
      FMade.emplace_back(info, Object);
      info->InitMetaData();
      info->SetOwner(Object);
      return info;
    }
    return kel::TkelClassRegistry::GetInfo(Object);  // raises: nothing describes it
  }

 private:
  std::vector<std::pair<kel::TkelClassInfo*, host::TObject*>> FMade;
};

namespace {

// The descriptor of the object that Path.Feature holds.
kel::TkelClassInfo* StepInto(kel::TkelClassInfo* Info, const std::string& Path, const std::string& Feature,
                             TScriptRunner::TStepDescriptors& Steps) {
  const kel::TkelRecordRef<kel::TkelPropertyInfo> property(Info->FindProperty(Feature));
  if (!property) throw host::Exception("%s has no property %s", {Path, Feature});
  if (property->GetIndexCount() != 0)
    throw host::Exception("%s.%s takes indexes and cannot be a step of a path", {Path, Feature});
  const Variant held = Info->GetProperty(property.Get());
  if (held.AsInt64() == 0) throw host::Exception("%s.%s holds no object (nil)", {Path, Feature});
  return Steps.For(host::LiveObjectAt(held.AsPointer()));
}

// click NAME, dblclick NAME, type NAME 'text', key NAME KEY (scriptinput.h).
void RunInputLine(const std::string& Verb, TLineReader& In, host::TComponent* Component) {
  std::string argument;
  if (host::AnsiSameText(Verb, "type")) {
    const std::string quoted = In.ValueText();
    if (quoted.front() != '\'') In.Fail("quoted text expected");
    argument = *ParseValue(quoted, [](const std::string&) -> host::TComponent* { return nullptr; }).StringData();
  } else if (host::AnsiSameText(Verb, "key") || host::AnsiSameText(Verb, "select")) {
    argument = In.ValueText();
  }
  if (!In.AtEnd()) In.Fail("end of line expected");
  RunInput(Verb, Component, argument);
}

}  // namespace

std::string TScriptRunner::Describe(const Variant& Value) const {
  if (Value.IsArray()) {
    std::string items;
    for (int32_t i = host::VarArrayLowBound(Value, 1); i <= host::VarArrayHighBound(Value, 1); ++i)
      items += (items.empty() ? "" : ", ") + Describe(host::VarArrayGet(Value, {i}));
    return "(" + items + ")";
  }
  switch (Value.VarType()) {
    case host::varEmpty:
      return "Unassigned";
    case host::varNull:
      return "Null";
    case host::varBoolean:
      return Value.AsBoolean() ? "True" : "False";
    case host::varString:
    case host::varOleStr:
      return host::AnsiQuotedStr(Value.AsString(), '\'');
    case host::varInt64:
      return DescribeAddress(Value);
    default:
      return host::VarToStr(Value);
  }
}

std::string TScriptRunner::DescribeAddress(const Variant& Value) const {
  // A 64-bit value is how descriptors pass references and by-address
  // values: no object is nil, a component of the form is named, any other
  // live object shows its class, a class its name, a set its members.
  const void* address = Value.AsPointer();
  if (!address) return "nil";
  if (host::IsLiveObject(address)) {
    if (FRoot && address == FRoot) return "@" + FRoot->GetName();
    for (int i = 0; FRoot && i < FRoot->GetComponentCount(); ++i)
      if (address == FRoot->GetComponents(i)) return "@" + host::ComponentDisplayName(FRoot->GetComponents(i));
    return "@(" + static_cast<const host::TObject*>(address)->ClassName() + ")";
  }
  if (host::IsClassReference(address)) return static_cast<host::TClass>(address)->Name;
  if (const host::TTypeInfo* type = kel::kelValueTypeAt(address); type && type->Kind == host::tkSet) {
    const int64_t bits = type->OrdType == host::otUByte   ? *static_cast<const uint8_t*>(address)
                         : type->OrdType == host::otUWord ? *static_cast<const uint16_t*>(address)
                                                          : *static_cast<const uint32_t*>(address);
    std::string members;
    for (const std::string& name : host::SetToNames(type, bits)) members += (members.empty() ? "" : ", ") + name;
    return "[" + members + "]";
  }
  return host::VarToStr(Value);
}

void TScriptRunner::Traced(const std::function<void()>& Work) {
  TTraceScope trace([this](const kel::TkelTraceEntry& e) {
    std::string values;
    for (std::size_t i = 0; i < e.Values.size(); ++i)
      values += (values.empty() ? "" : ", ") + (i < e.Names.size() ? e.Names[i] + " = " : "") + Describe(e.Values[i]);
    if (e.Kind == kel::tkHook) {
      FOut += "  hook  " + NameOf(e.Source) + "." + e.Event + "(" + values + ")\n";
      return;
    }
    const bool call = dynamic_cast<kel::TkelE2MConnection*>(e.Connection) != nullptr;
    FOut += "  trace " + host::ComponentDisplayName(e.Connection) + ": " + NameOf(e.Source) + "." + e.Event + " -> " +
            NameOf(e.Target) + "." + e.Feature + (call ? "(" + values + ")" : " := " + values) + "\n";
  });
  Work();
}

bool TScriptRunner::Run(const std::string& Script) {
  bool ok = true;
  Traced([&] { ok = RunLines(Script); });
  return ok;
}

bool TScriptRunner::RunLines(const std::string& Script) {
  FLines.clear();
  FNext = 0;
  FFailed = false;
  std::istringstream lines(Script);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;
    FLines.push_back({number, line.substr(first, line.find_last_not_of(" \t\r") + 1 - first)});
  }
  // A modal loop that waits for the user runs the next lines meanwhile.
  TIdleDriverScope driver([this] { return !FFailed && RunNextLine(); });
  try {
    while (RunNextLine()) {
    }
  } catch (const host::Exception&) {
    return false;  // RunNextLine noted the innermost failing line
  }
  return true;
}

bool TScriptRunner::RunNextLine() {
  if (FNext >= FLines.size()) return false;
  const TPendingLine line = FLines[FNext++];
  try {
    RunLine(line.Text);
    FOut += MessageBoxReport(FBoxesReported);
  } catch (const host::Exception& e) {
    FOut += MessageBoxReport(FBoxesReported);
    if (!FFailed) {
      FFailed = true;
      FErrorLine = line.Number;
      FError = e.Message();
    }
    throw;
  }
  return true;
}

void TScriptRunner::RunLine(const std::string& Line) {
  FOut += "> " + Line + "\n";
  if (FLineHook && FLineHook(Line)) return;
  TLineReader in(Line);
  const std::string verb = in.Identifier();
  if (IsInputVerb(verb)) return RunInputLine(verb, in, Component(in.Identifier()));
  if (host::AnsiSameText(verb, "wait")) return RunWait(in);
  // show NAME and close NAME call the component's Show and Close through
  // its descriptor, as invoke NAME.Show and invoke NAME.Close would.
  if (host::AnsiSameText(verb, "show") || host::AnsiSameText(verb, "close")) {
    const std::string name = in.Identifier();
    if (!in.AtEnd()) in.Fail("end of line expected");
    const std::string method = host::AnsiSameText(verb, "show") ? "Show" : "Close";
    const std::string noArguments;
    TLineReader call(noArguments);
    return RunInvoke(kel::TkelClassRegistry::GetInfo(Component(name)), name, method, call);
  }
  // Component.Property.Property...Feature: each step goes into the object
  // an object-valued property holds, through that object's descriptor.
  std::string componentName = in.Identifier();
  in.Expect('.');
  std::string feature = in.Identifier();
  kel::TkelClassInfo* info = kel::TkelClassRegistry::GetInfo(Component(componentName));
  TStepDescriptors steps;
  while (in.Next('.')) {
    info = StepInto(info, componentName, feature, steps);
    componentName += "." + feature;
    feature = in.Identifier();
  }
  if (host::AnsiSameText(verb, "invoke")) return RunInvoke(info, componentName, feature, in);
  if (host::AnsiSameText(verb, "get") || host::AnsiSameText(verb, "set") || host::AnsiSameText(verb, "expect"))
    return RunAccess(verb, info, componentName, feature, in);
  throw host::Exception("Unknown operation '%s' (set, get, expect, invoke, show, close, wait or an input line)", {verb});
}

Variant TScriptRunner::Value(const std::string& Text) const {
  return ParseValue(Text, [this](const std::string& name) { return Component(name); });
}

void TScriptRunner::RunInvoke(kel::TkelClassInfo* Info, const std::string& Path, const std::string& Feature,
                              TLineReader& In) {
  // Held: the method may free the component and its descriptor.
  const kel::TkelRecordRef<kel::TkelMethodInfo> method(Info->FindMethod(Feature));
  if (!method) throw host::Exception("%s has no method %s", {Path, Feature});
  std::vector<std::string> args = In.Next('(') ? In.Values(')') : std::vector<std::string>{};
  if (!In.AtEnd()) In.Fail("end of line expected");
  if (static_cast<int>(args.size()) != method->GetArgCount())
    throw host::Exception("%s.%s takes %d arguments, not %d",
                          {Path, Feature, method->GetArgCount(), static_cast<int>(args.size())});
  for (std::size_t i = 0; i < args.size(); ++i) method->Args[i]->Value = Value(args[i]);
  std::vector<std::string> before;
  for (kel::TkelParameterInfo* a : method->Args) before.push_back(Describe(a->Value));
  Info->InvokeMethod(method.Get());
  for (std::size_t i = 0; i < method->Args.size(); ++i)
    if (Describe(method->Args[i]->Value) != before[i])
      FOut += "  " + method->Args[i]->Name + " -> " + Describe(method->Args[i]->Value) + "\n";
  if (method->Style == kel::msFunction) FOut += "  = " + Describe(method->Result) + "\n";
}

void TScriptRunner::RunAccess(const std::string& Verb, kel::TkelClassInfo* Info, const std::string& Path,
                              const std::string& Feature, TLineReader& In) {
  const kel::TkelRecordRef<kel::TkelPropertyInfo> property(Info->FindProperty(Feature));
  if (!property) throw host::Exception("%s has no property %s", {Path, Feature});
  std::vector<std::string> indexes = In.Next('[') ? In.Values(']') : std::vector<std::string>{};
  if (static_cast<int>(indexes.size()) != property->GetIndexCount())
    throw host::Exception("%s.%s takes %d indexes, not %d",
                          {Path, Feature, property->GetIndexCount(), static_cast<int>(indexes.size())});
  for (std::size_t i = 0; i < indexes.size(); ++i) property->Indexes[i]->Value = Value(indexes[i]);
  if (host::AnsiSameText(Verb, "get")) {
    if (!In.AtEnd()) In.Fail("end of line expected");
    FOut += "  = " + Describe(Info->GetProperty(property.Get())) + "\n";
    return;
  }
  In.Expect('=');
  const Variant assigned = Value(In.ValueText());
  if (!In.AtEnd()) In.Fail("end of line expected");
  if (host::AnsiSameText(Verb, "expect")) {
    // Compared as the script writes values, so 3 matches a byte or an
    // integer and @Name the component itself.
    const std::string actual = Describe(Info->GetProperty(property.Get())), wanted = Describe(assigned);
    if (actual != wanted) throw host::Exception("%s.%s is %s, not %s", {Path, Feature, actual, wanted});
    return;
  }
  if (!property->Style.Contains(kel::psWritable)) throw host::Exception("%s.%s is read-only", {Path, Feature});
  Info->SetProperty(property.Get(), assigned);
}

void TScriptRunner::RunWait(TLineReader& In) {
  const std::string text = In.ValueText();
  int32_t ms = 0;
  if (!host::TryStrToInt(text, ms) || ms < 0) In.Fail("milliseconds expected");
  if (!In.AtEnd()) In.Fail("end of line expected");
  WaitInput(static_cast<uint32_t>(ms));
}

}  // namespace corvane
