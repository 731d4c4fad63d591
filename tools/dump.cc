// corvane dump [FORM]: reads a form file into live components and prints the
// component tree with every published property of every component.
#include <string>

#include "host/classes/collections.h"
#include "host/classes/component.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"
#include "tools/commands.h"
#include "tools/formfiles.h"

namespace corvane {

namespace {

// The example dumped when no form is named.
constexpr char kDefaultExample[] = "examples/actions.dfm";
// How deep nested objects are followed (they normally form a shallow tree).
constexpr int kMaxObjectDepth = 16;

std::string Indent(int level) { return std::string(static_cast<std::size_t>(level) * 2, ' '); }

// --------------------------------------------------------------- printing

class TDumper {
 public:
  std::string Component(host::TComponent* c, int level) {
    Line(level, c->GetName().empty() ? c->ClassName() : c->GetName() + ": " + c->ClassName());
    Properties(c, "", level + 1, 0);
    for (int i = 0; i < c->GetComponentCount(); ++i) Component(c->GetComponents(i), level + 1);
    return FOut;
  }

 private:
  void Line(int level, const std::string& text) { FOut += Indent(level) + text + '\n'; }

  void Properties(host::TObject* obj, const std::string& prefix, int level, int depth) {
    for (const host::TPropInfo* p : host::GetPropList(obj->ClassType())) {
      std::string name = prefix + std::string(p->Name);
      if (p->IsNestedObject())
        Nested(host::GetObjectProp(obj, *p), name, level, depth + 1);
      else
        Line(level, name + " = " + ValueText(obj, *p));
    }
  }

  // A nested object: string lists and collections show their contents,
  // anything else its own properties as Name.Sub.
  void Nested(host::TObject* sub, const std::string& name, int level, int depth) {
    if (!sub || depth > kMaxObjectDepth) {
      Line(level, name + (sub ? " = (...)" : " = nil"));
    } else if (auto* strings = dynamic_cast<host::TStrings*>(sub)) {
      std::string items;
      for (int32_t i = 0; i < strings->GetCount(); ++i)
        items += (i ? ", " : "") + host::AnsiQuotedStr(strings->GetStrings(i), '\'');
      Line(level, name + " = (" + items + ")");
    } else if (auto* collection = dynamic_cast<host::TCollection*>(sub)) {
      Line(level, name + " = <" + host::IntToStr(collection->GetCount()) + " items>");
      for (int32_t i = 0; i < collection->GetCount(); ++i) {
        host::TCollectionItem* item = collection->GetItem(i);
        Line(level + 1, "item [" + host::IntToStr(i) + "]: " + item->ClassName());
        Properties(item, "", level + 2, depth);
      }
    } else {
      Properties(sub, name + ".", level, depth);
    }
  }

  static std::string ValueText(host::TObject* obj, const host::TPropInfo& p) {
    host::Variant v = host::GetPropValue(obj, p);
    switch (p.Kind()) {
      case host::tkEnumeration:
        return host::GetEnumName(p.PropType, v.AsInt64());
      case host::tkSet: {
        std::string names;
        for (const std::string& n : host::SetToNames(p.PropType, v.AsInt64())) names += (names.empty() ? "" : ", ") + n;
        return "[" + names + "]";
      }
      case host::tkChar:
        return host::AnsiQuotedStr(std::string(1, static_cast<char>(v.AsInt64())), '\'');
      case host::tkString:
      case host::tkLString:
      case host::tkWString:
        return host::AnsiQuotedStr(v.AsString(), '\'');
      case host::tkClass: {
        auto* ref = dynamic_cast<host::TComponent*>(host::GetObjectProp(obj, p));
        return host::ComponentDisplayName(ref);
      }
      case host::tkVariant:
        return v.IsEmpty() ? "Unassigned" : v.IsNull() ? "Null" : v.AsString();
      default:
        return v.AsString();
    }
  }

  std::string FOut;
};

}  // namespace

// Reads the form file into live components (with the whole library
// started, so connection components read too) and prints them.
int RunDump(const Args& args, TToolIO& io) {
  if (args.size() > 1) {
    Print(io.Err, "usage: corvane dump [FORM]\n");
    return 2;
  }
  TLibrary library;
  host::TOwned<host::TComponent> root = ReadRunTimeForm(args.empty() ? FindExample(kDefaultExample) : args[0]);
  Print(io.Out, "%s", TDumper().Component(root.get(), 0).c_str());
  return 0;
}

}  // namespace corvane
