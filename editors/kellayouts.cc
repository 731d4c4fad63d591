#include "editors/kellayouts.h"

#include "host/forms/form.h"
#include "host/rtl/sysutils.h"

namespace kel {

std::string_view kelLayoutText(std::string_view FileName) {
  for (std::size_t i = 0; i < kelLayoutCount; ++i)
    if (FileName == kelLayouts[i].FileName) return kelLayouts[i].Text;
  throw host::EResNotFound("The form file %s is not part of the library", {std::string(FileName)});
}

void kelRegisterLayout(host::TClass FormClass, std::string_view FileName) {
  host::RegisterFormLayout(FormClass, kelLayoutText(FileName));
}

}  // namespace kel
