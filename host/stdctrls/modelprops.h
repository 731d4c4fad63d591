// Published properties of a standard control taken as the model of a
// control of another unit that publishes what the standard one does (a
// mask edit publishes an edit's properties, a check list box a list box's),
// with the few changes the other control makes. The model's unit must have
// registered its properties.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace host {

// What Model publishes beyond Base (its own properties), in its order.
inline std::vector<TPropInfo> PublishedBeyond(TClass Model, TClass Base) {
  const std::vector<const TPropInfo*>& base = GetPropList(Base);
  std::vector<TPropInfo> props;
  for (const TPropInfo* p : GetPropList(Model))
    if (std::find(base.begin(), base.end(), p) == base.end()) props.push_back(*p);
  return props;
}

// Where the property called Name is in Props; raises EInvalidOperation
// when there is none (a mistake in the registration).
inline std::ptrdiff_t PropIndex(const std::vector<TPropInfo>& Props, std::string_view Name) {
  auto it = std::find_if(Props.begin(), Props.end(), [&](const TPropInfo& p) { return p.Name == Name; });
  if (it == Props.end()) throw EInvalidOperation("No published property is called '%s'", {std::string(Name)});
  return it - Props.begin();
}

inline const TPropInfo& PropNamed(const std::vector<TPropInfo>& Props, std::string_view Name) {
  return Props[static_cast<std::size_t>(PropIndex(Props, Name))];
}

// Puts Prop in place of the property of the same name.
inline void ReplaceProp(std::vector<TPropInfo>& Props, const TPropInfo& Prop) {
  Props[static_cast<std::size_t>(PropIndex(Props, Prop.Name))] = Prop;
}

// Puts Prop before the property called Before.
inline void InsertPropBefore(std::vector<TPropInfo>& Props, std::string_view Before, const TPropInfo& Prop) {
  Props.insert(Props.begin() + PropIndex(Props, Before), Prop);
}

// Puts Props in the order of their names, without regard to case: the
// order in which the classic library of the later eras publishes the
// properties of most of its controls, and writes them to form files.
inline void SortByName(std::vector<TPropInfo>& Props) {
  std::stable_sort(Props.begin(), Props.end(),
                   [](const TPropInfo& a, const TPropInfo& b) { return AnsiCompareText(a.Name, b.Name) < 0; });
}

// Leaves out the properties called Names (each must be there).
inline void RemoveProps(std::vector<TPropInfo>& Props, std::initializer_list<std::string_view> Names) {
  for (std::string_view name : Names) Props.erase(Props.begin() + PropIndex(Props, name));
}

}  // namespace host
