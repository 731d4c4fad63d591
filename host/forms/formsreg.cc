// Start-up and shutdown of the forms unit: its groups in order.
#include <vector>

#include "host/forms/forms.h"

namespace host {

namespace {
int formsCount = 0;
}  // namespace

void RegisterFormsClasses() {
  if (formsCount++ > 0) return;
}

void UnregisterFormsClasses() {
  if (formsCount == 0 || --formsCount > 0) return;
}

std::span<const TClass> FormsClasses() {
  static const std::vector<TClass> classes;
  return classes;
}

}  // namespace host
