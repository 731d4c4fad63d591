// What the modules of the forms unit share: the check of an enumerated
// property value and the guarded reference to another component.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "host/classes/component.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace host {
class TCustomForm;
}

namespace host::formsdetail {

// Forms released where no message can be posted (a backend without
// windows) wait here until the application next delivers messages.
void ReleaseLater(TCustomForm* Form);
void ForgetRelease(TCustomForm* Form);
// Frees the forms waiting; true when there were any.
bool FreeReleasedForms();

// Raises EInvalidOperation "Invalid property value" naming Owner's
// property when Value lies outside its enumeration.
template <class E>
void CheckEnum(E Value, const char* Property, const std::string& Owner) {
  if (static_cast<int64_t>(Value) > HostTypeInfo(static_cast<E*>(nullptr))->MaxValue)
    throw EInvalidOperation("Invalid property value for %s of '%s'", {std::string(Property), Owner});
}

// Points Field at Value, moving Holder's free notification from the old
// component to the new one.
template <class T>
void ChangeReference(TComponent* Holder, T*& Field, T* Value) {
  if (Field == Value) return;
  if (Field) Field->RemoveFreeNotification(Holder);
  Field = Value;
  if (Value) Value->FreeNotification(Holder);
}

// A window's outer extent from its client extent (negative: none) and the
// frame before and after it.
inline int32_t OuterExtent(int32_t Client, int32_t Before, int32_t After) {
  return ClampToInt32(int64_t{std::max(0, Client)} + Before + After);
}

}  // namespace host::formsdetail
