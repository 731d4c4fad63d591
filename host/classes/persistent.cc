#include "host/classes/persistent.h"

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TPersistent, TObject)

void TPersistent::Assign(TPersistent* source) {
  if (source)
    source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* dest) { dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* source) {
  std::string sourceName = source ? source->ClassName() : "nil";
  throw EConvertError("Cannot assign a %s to a %s", {sourceName, ClassName()});
}

std::string TPersistent::GetNamePath() {
  std::string result = ClassName();
  if (TPersistent* owner = GetOwner()) {
    std::string ownerPath = owner->GetNamePath();
    if (!ownerPath.empty()) result = ownerPath + "." + result;
  }
  return result;
}

void TPersistent::DefineProperties(TFiler*) {}

}  // namespace host
