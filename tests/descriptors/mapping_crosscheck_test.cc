// Every registered descriptor class, level by level: the names its texts
// declare and the names its code maps agree in both directions. A defined
// property has a getter (and a setter exactly when it is writable), a method
// an invoker, an event a hook; whatever is mapped is declared by that class's
// own texts (an Override declares a name without having to map it again).
// So a name typed wrongly on either side, or a feature forgotten on one,
// fails here for every unit, including the ones still to come.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "core/kelcommon_p.h"
#include "descriptors/kelpattern.h"
#include "tests/descriptors/descriptor_test_support.h"
#include "tests/descriptors/test_widget.h"

namespace kel::test {
namespace {

bool Has(const std::vector<std::string>& names, const std::string& name) {
  for (const std::string& n : names)
    if (n == name) return true;
  return false;
}

// What the texts of one class declare, per kind.
struct TDeclared {
  std::vector<TkelDescriptionEntry> Properties, Methods, Events;
  std::set<std::string> PropertyNames, MethodNames, EventNames;  // Define and Override alike
};

TDeclared Declared(const TkelClassMapping& m) {
  TDeclared d;
  d.Properties = ParseKELDescription(TkelDescriptionKind::Properties, m.Texts[0]).Entries;
  d.Methods = ParseKELDescription(TkelDescriptionKind::Methods, m.Texts[1]).Entries;
  d.Events = ParseKELDescription(TkelDescriptionKind::Events, m.Texts[3]).Entries;
  for (const auto& e : d.Properties) d.PropertyNames.insert(e.Name);
  for (const auto& e : d.Methods) d.MethodNames.insert(e.Name);
  for (const auto& e : d.Events) d.EventNames.insert(e.Name);
  return d;
}

// The disagreements of one class, one line each ("TFoo: property Bar is
// declared but not read").
std::vector<std::string> Problems(const TkelClassMapping& m) {
  std::vector<std::string> out;
  const std::string who = std::string(m.InfoClass->Name) + ": ";
  const TDeclared d = Declared(m);
  for (const auto& e : d.Properties) {
    if (e.Override) continue;
    if (!Has(m.Getters, e.Name)) out.push_back(who + "property " + e.Name + " is declared but not read");
    const bool writable = e.Style.Contains(psWritable);
    if (writable != Has(m.Setters, e.Name))
      out.push_back(who + "property " + e.Name +
                    (writable ? " is writable but not written" : " is written but not writable"));
  }
  for (const auto& e : d.Methods)
    if (!Has(m.Invokers, e.Name)) out.push_back(who + "method " + e.Name + " is declared but not called");
  for (const auto& e : d.Events)
    if (!e.Override && !Has(m.Hooks, e.Name)) out.push_back(who + "event " + e.Name + " is declared but not hooked");
  for (const auto* served : {&m.Getters, &m.Setters})
    for (const std::string& name : *served)
      if (!d.PropertyNames.contains(name)) out.push_back(who + "property " + name + " is mapped but not declared");
  for (const std::string& name : m.Invokers)
    if (!d.MethodNames.contains(name)) out.push_back(who + "method " + name + " is mapped but not declared");
  for (const std::string& name : m.Hooks)
    if (!d.EventNames.contains(name)) out.push_back(who + "event " + name + " is mapped but not declared");
  return out;
}

TEST(MappingCrossCheck, EveryRegisteredDescriptorMapsExactlyWhatItDeclares) {
  std::set<host::TClass> checked;
  int described = 0;
  TkelClassRegistry::Iterate(TkelIterateProc([&](const std::string& name) {
    const host::TClass infoClass = TkelClassRegistry::FindClass(name);
    if (!infoClass->Factory) return;  // made by its component (the variable's), not a pattern class
    TkelClassInfo* probe = MakeDescriptor(infoClass);
    for (const TkelClassMapping& m : probe->ClassMappings()) {
      if (!checked.insert(m.InfoClass).second) continue;
      ++described;
      for (const std::string& problem : Problems(m)) ADD_FAILURE() << problem;
    }
    probe->Free();
  }));
  // Every class of the class library (all but the variable, which is
  // written by hand) was seen.
  EXPECT_GE(described, 26);
}

// A class whose texts and map disagree in every way the check knows.
class TMismatchClassInfo : public TkelDescriptor<TMismatchClassInfo, TTestWidgetClassInfo, TTestWidget> {
  KEL_DESCRIPTOR(TMismatchClassInfo)
  static constexpr TkelTexts Texts{
      .Properties =
          "Define::Unread::psReadable::pvPublic::0::Define::Unwritten::psReadable..psWritable::pvPublic::0::"
          "Override::Size::::pvPublished",
      .Methods = "Uncalled::msProcedure::0",
      .Events = "Define::OnUnhooked::pvPublic::1::Sender"};
  static void MapFeatures(Map& m) {
    m.Prop("Unwritten", &TTestWidget::GetSize)
        .Prop("Size", &TTestWidget::GetSize)  // an Override may be mapped again
        .Prop("Typo", &TTestWidget::GetSize, &TTestWidget::SetSize)
        .Method("Sum", &TTestWidget::Sum);
  }

 protected:
  ~TMismatchClassInfo() override = default;
};
KEL_DESCRIPTOR_IMPL(TMismatchClassInfo)

TEST(MappingCrossCheck, EachDisagreementIsNamed) {
  TkelClassInfo* probe = host::New<TMismatchClassInfo>();
  const std::vector<TkelClassMapping> mappings = probe->ClassMappings();
  probe->Free();
  ASSERT_EQ(mappings.back().InfoClass, &TMismatchClassInfo::StaticMetaClass);
  EXPECT_EQ(Problems(mappings.back()), (std::vector<std::string>{
                                           "TMismatchClassInfo: property Unread is declared but not read",
                                           "TMismatchClassInfo: property Unwritten is writable but not written",
                                           "TMismatchClassInfo: method Uncalled is declared but not called",
                                           "TMismatchClassInfo: event OnUnhooked is declared but not hooked",
                                           "TMismatchClassInfo: property Typo is mapped but not declared",
                                           "TMismatchClassInfo: property Typo is mapped but not declared",
                                           "TMismatchClassInfo: method Sum is mapped but not declared",
                                       }));
  // The widget classes below it agree.
  for (std::size_t i = 0; i + 1 < mappings.size(); ++i) EXPECT_EQ(Problems(mappings[i]), std::vector<std::string>{});
}

}  // namespace
}  // namespace kel::test
