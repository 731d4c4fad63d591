// Start-up and shutdown of the extctrls unit: its groups in order.
#include <vector>

#include "host/extctrls/editboxes.h"
#include "host/extctrls/extctrls.h"
#include "host/extctrls/shapespanels.h"
#include "host/extctrls/pagesbars.h"

namespace host {

namespace {
int extCtrlsCount = 0;
}  // namespace

void RegisterExtCtrlsClasses() {
  if (extCtrlsCount++ > 0) return;
  RegisterShapeAndPanelControls();
  RegisterPageAndBarControls();
  RegisterEditBoxControls();
}

void UnregisterExtCtrlsClasses() {
  if (extCtrlsCount == 0 || --extCtrlsCount > 0) return;
  UnregisterEditBoxControls();
  UnregisterPageAndBarControls();
  UnregisterShapeAndPanelControls();
}

std::span<const TClass> ExtCtrlsClasses() {
  static const std::vector<TClass> classes = [] {
    std::vector<TClass> all;
    for (std::span<const TClass> group :
         {ShapeAndPanelControlClasses(), PageAndBarControlClasses(), EditBoxControlClasses()})
      all.insert(all.end(), group.begin(), group.end());
    return all;
  }();
  return classes;
}

}  // namespace host
