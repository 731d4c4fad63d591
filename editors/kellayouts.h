// The layouts of the editor dialogs: each dialog's form file lies beside its
// module (editors/kele2meditor.dfm beside kele2meditor.cc) and is compiled
// into the library as text, so a dialog needs no file at run time.
#pragma once

#include <cstddef>
#include <string_view>

#include "host/rtl/object.h"

namespace kel {

struct TkelLayout {
  const char* FileName;  // the form file's name, without folder
  const char* Text;      // its text, as the file holds it
};

// The form files compiled in (generated from editors/*.dfm).
extern const TkelLayout kelLayouts[];
extern const std::size_t kelLayoutCount;

// The text of the form file FileName; raises host::EResNotFound naming it
// when no such file was compiled in.
std::string_view kelLayoutText(std::string_view FileName);
// Makes the form file FileName the layout FormClass reads when a form of
// it is created.
void kelRegisterLayout(host::TClass FormClass, std::string_view FileName);

}  // namespace kel
