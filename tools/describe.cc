// `corvane describe [CLASS]`: the registered class names, or every feature of
// one class as its descriptor lists it.
#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"
#include "tools/commands.h"

namespace {

const char* const kVisibilityNames[] = {"pvProtected", "pvPublic", "pvPublished"};
const char* const kMethodStyleNames[] = {"msFunction", "msProcedure"};

std::string StyleText(kel::TkelPropertyStyle style) {
  static const struct {
    kel::TkelPropertyStyleElement Element;
    const char* Name;
  } kMembers[] = {{kel::psReadable, "psReadable"}, {kel::psWritable, "psWritable"}, {kel::psIndexed, "psIndexed"}};
  std::string text;
  for (const auto& member : kMembers)
    if (style.Contains(member.Element)) text += (text.empty() ? "" : ", ") + std::string(member.Name);
  return "[" + text + "]";
}

// "(Index, Name)" from parameter or index records.
std::string ParamsText(const kel::TkelArguments& params) {
  std::string text;
  for (const kel::TkelParameterInfo* p : params) text += (text.empty() ? "" : ", ") + p->Name;
  return "(" + text + ")";
}

void PrintFeatures(const kel::TkelClassInfo& d, std::ostream& out) {
  corvane::Print(out, "Properties (%d):\n", d.GetPropertyCount());
  for (int i = 0; i < d.GetPropertyCount(); ++i) {
    const kel::TkelPropertyInfo* p = d.GetProperties(i);
    const std::string indexes = p->Indexes.empty() ? "" : ParamsText(p->Indexes);
    corvane::Print(out, "  %s%s %s %s\n", p->Name.c_str(), indexes.c_str(), StyleText(p->Style).c_str(),
                   kVisibilityNames[p->Visibility]);
  }
  corvane::Print(out, "Methods (%d):\n", d.GetMethodCount());
  for (int i = 0; i < d.GetMethodCount(); ++i) {
    const kel::TkelMethodInfo* m = d.GetMethods(i);
    corvane::Print(out, "  %s%s %s\n", m->Name.c_str(), ParamsText(m->Args).c_str(), kMethodStyleNames[m->Style]);
  }
  corvane::Print(out, "Constructors (%d):\n", d.GetConstructorCount());
  for (int i = 0; i < d.GetConstructorCount(); ++i) {
    const kel::TkelConstructorInfo* c = d.GetConstructors(i);
    corvane::Print(out, "  %s%s\n", c->Name.c_str(), ParamsText(c->Args).c_str());
  }
  corvane::Print(out, "Events (%d):\n", d.GetEventCount());
  for (int i = 0; i < d.GetEventCount(); ++i) {
    const kel::TkelEventInfo* e = d.GetEvents(i);
    corvane::Print(out, "  %s%s %s\n", e->Name.c_str(), ParamsText(e->Args).c_str(), kVisibilityNames[e->Visibility]);
  }
}

// The connection components an author writes into a form file.
constexpr const char* kFormComponents[] = {"TkelConnectionList", "TkelE2MConnection", "TkelE2PConnection",
                                           "TkelP2PConnection", "TkelVariable"};

int ListClasses(std::ostream& out) {
  kel::TkelClassRegistry::Iterate(
      kel::TkelIterateProc([&out](const std::string& name) { corvane::Print(out, "%s\n", name.c_str()); }));
  corvane::Print(out, "\nThe components of the wiring (their published properties are what a form file holds):\n");
  for (const char* name : kFormComponents) corvane::Print(out, "  %s\n", name);
  return 0;
}

// The class name as it was registered (FindClass ignores letter case).
std::string RegisteredName(const std::string& name) {
  std::string found = name;
  kel::TkelClassRegistry::Iterate(kel::TkelIterateProc([&](const std::string& registered) {
    if (host::AnsiSameText(registered, name)) found = registered;
  }));
  return found;
}

std::string KindText(const host::TPropInfo& p) {
  switch (p.Kind()) {
    case host::tkEnumeration:
    case host::tkSet:
    case host::tkClass:
      return std::string(p.PropType->Name);
    case host::tkInteger:
    case host::tkInt64:
      return "integer";
    case host::tkFloat:
      return "number";
    case host::tkVariant:
      return "Variant (an index list: strings)";
    default:
      return "text";
  }
}

// The published properties of a streamable host class, in stream order.
void PrintPublished(host::TClass hostClass, std::ostream& out) {
  const std::vector<const host::TPropInfo*>& props = host::GetPropList(hostClass);
  corvane::Print(out, "Published properties (%d):\n", static_cast<int>(props.size()));
  for (const host::TPropInfo* p : props)
    corvane::Print(out, "  %s: %s\n", std::string(p->Name).c_str(), KindText(*p).c_str());
}

// A descriptor of the class: without an owner, used for its lists only; or,
// for a component that supplies its own (the variable), that of a new one.
host::TOwned<host::TObject> DescriptorHolder(host::TClass infoClass, host::TClass hostClass,
                                             kel::TkelClassInfo*& info) {
  if (infoClass->Factory) {
    info = host::As<kel::TkelClassInfo>(infoClass->Create(nullptr));
    info->InitMetaData();
    return host::TOwned<host::TObject>(info);
  }
  host::TOwned<host::TObject> holder(hostClass ? hostClass->Create(nullptr) : nullptr);
  auto* own = holder ? holder->FindInterface<kel::IkelObject>() : nullptr;
  if (!own)
    throw host::Exception("The descriptor of %s is made by its components only", {std::string(infoClass->Name)});
  info = own->GetKELClassInfo();
  return holder;
}

int DescribeClass(const std::string& name, corvane::TToolIO& io) {
  std::ostream& out = io.Out;
  const host::TClass infoClass = kel::TkelClassRegistry::FindClass(name);
  const host::TClass hostClass = host::GetClass(name);
  if (!infoClass && !hostClass) {
    corvane::Print(io.Err, "corvane describe: no class descriptor is registered for %s\n", name.c_str());
    return 1;
  }
  if (infoClass) {
    kel::TkelClassInfo* info = nullptr;
    host::TOwned<host::TObject> holder = DescriptorHolder(infoClass, hostClass, info);
    corvane::Print(out, "%s (%s)\n", RegisteredName(name).c_str(), infoClass->Name);
    PrintFeatures(*info, out);
  } else {
    corvane::Print(out, "%s (a component of the wiring; no descriptor)\n", hostClass->Name);
  }
  if (hostClass && !host::GetPropList(hostClass).empty()) PrintPublished(hostClass, out);
  return 0;
}

}  // namespace

int corvane::RunDescribe(const Args& args, TToolIO& io) {
  if (args.size() > 1) {
    Print(io.Err, "usage: corvane describe [CLASS]\n");
    return 2;
  }
  TLibrary library;
  return args.empty() ? ListClasses(io.Out) : DescribeClass(args[0], io);
}
