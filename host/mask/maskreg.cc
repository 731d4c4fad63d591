// Start-up and shutdown of the mask unit: the published properties of the
// mask edit (an edit's, with EditMask, and Text as the mask saves it, in
// the order of their names as the classic one has them) and its streamable
// class. EditMask comes before Text so that a form file's text is read
// through its mask.
#include <vector>

#include "host/mask/mask.h"
#include "host/stdctrls/modelprops.h"

namespace host {

namespace {

int maskCount = 0;

void RegisterMaskEditProperties() {
  using M = TCustomMaskEdit;
  std::vector<TPropInfo> props = PublishedBeyond(&TEdit::StaticMetaClass, &TCustomEdit::StaticMetaClass);
  ReplaceProp(props, Prop<&M::GetText, &M::SetText>("Text"));
  props.push_back(Prop<&M::GetEditMask, &M::SetEditMask>("EditMask"));
  SortByName(props);
  RegisterProperties(&TMaskEdit::StaticMetaClass, std::move(props));
}

}  // namespace

void RegisterMaskClasses() {
  if (maskCount++ > 0) return;
  RegisterMaskEditProperties();
  RegisterClass(&TMaskEdit::StaticMetaClass);
}

void UnregisterMaskClasses() {
  if (maskCount == 0 || --maskCount > 0) return;
  UnRegisterClass(&TMaskEdit::StaticMetaClass);
  UnRegisterClass(&TCustomMaskEdit::StaticMetaClass);
  UnregisterProperties(&TMaskEdit::StaticMetaClass);
}

std::span<const TClass> MaskClasses() {
  static constexpr TClass kClasses[] = {&TCustomMaskEdit::StaticMetaClass, &TMaskEdit::StaticMetaClass};
  return kClasses;
}

}  // namespace host
