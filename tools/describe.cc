// `corvane describe [CLASS]`: the registered class names, or every feature of
// one class as its descriptor lists it.
#include <cstdio>
#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "host/rtl/sysutils.h"
#include "package/package.h"
#include "tools/commands.h"

namespace {

// Starts the library for the command and stops it afterwards.
struct TPackageScope {
  TPackageScope() { kel::package::Initialize(); }
  ~TPackageScope() { kel::package::Finalize(); }
  TPackageScope(const TPackageScope&) = delete;
  TPackageScope& operator=(const TPackageScope&) = delete;
};

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

void PrintFeatures(const kel::TkelClassInfo& d) {
  std::printf("Properties (%d):\n", d.GetPropertyCount());
  for (int i = 0; i < d.GetPropertyCount(); ++i) {
    const kel::TkelPropertyInfo* p = d.GetProperties(i);
    const std::string indexes = p->Indexes.empty() ? "" : ParamsText(p->Indexes);
    std::printf("  %s%s %s %s\n", p->Name.c_str(), indexes.c_str(), StyleText(p->Style).c_str(),
                kVisibilityNames[p->Visibility]);
  }
  std::printf("Methods (%d):\n", d.GetMethodCount());
  for (int i = 0; i < d.GetMethodCount(); ++i) {
    const kel::TkelMethodInfo* m = d.GetMethods(i);
    std::printf("  %s%s %s\n", m->Name.c_str(), ParamsText(m->Args).c_str(), kMethodStyleNames[m->Style]);
  }
  std::printf("Constructors (%d):\n", d.GetConstructorCount());
  for (int i = 0; i < d.GetConstructorCount(); ++i) {
    const kel::TkelConstructorInfo* c = d.GetConstructors(i);
    std::printf("  %s%s\n", c->Name.c_str(), ParamsText(c->Args).c_str());
  }
  std::printf("Events (%d):\n", d.GetEventCount());
  for (int i = 0; i < d.GetEventCount(); ++i) {
    const kel::TkelEventInfo* e = d.GetEvents(i);
    std::printf("  %s%s %s\n", e->Name.c_str(), ParamsText(e->Args).c_str(), kVisibilityNames[e->Visibility]);
  }
}

int ListClasses() {
  kel::TkelClassRegistry::Iterate(
      kel::TkelIterateProc([](const std::string& name) { std::printf("%s\n", name.c_str()); }));
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

// A descriptor without an owner: created and filled, used for its lists only.
int DescribeClass(const std::string& name) {
  const host::TClass infoClass = kel::TkelClassRegistry::FindClass(name);
  if (!infoClass) {
    std::fprintf(stderr, "corvane describe: no class descriptor is registered for %s\n", name.c_str());
    return 1;
  }
  host::TOwned<kel::TkelClassInfo> info(host::As<kel::TkelClassInfo>(infoClass->Create(nullptr)));
  info->InitMetaData();
  std::printf("%s (%s)\n", RegisteredName(name).c_str(), infoClass->Name);
  PrintFeatures(*info);
  return 0;
}

}  // namespace

int corvane::RunDescribe(const Args& args) {
  if (args.size() > 1) {
    std::fprintf(stderr, "usage: corvane describe [CLASS]\n");
    return 2;
  }
  try {
    TPackageScope library;
    return args.empty() ? ListClasses() : DescribeClass(args[0]);
  } catch (const host::Exception& e) {
    std::fprintf(stderr, "corvane describe: %s\n", e.Message().c_str());
    return 1;
  }
}
