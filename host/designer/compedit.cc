#include "host/designer/compedit.h"

#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TComponentEditor, TObject)
HOST_IMPL(TDefaultEditor, TComponentEditor)

void TComponentEditor::Initialize(TComponent* Component, IFormDesigner* Designer) {
  if (!Component) throw EInvalidOperation("A component editor needs a component");
  FComponent = Component;
  FDesigner = Designer;
}

void TComponentEditor::Edit() {
  if (GetVerbCount() > 0) ExecuteVerb(0);
}

int TComponentEditor::GetVerbCount() { return 0; }

void TComponentEditor::CheckVerb(int Index) {
  if (Index < 0 || Index >= GetVerbCount()) throw EListError("List index out of bounds (%d)", {Index});
}

std::string TComponentEditor::GetVerb(int Index) {
  CheckVerb(Index);
  return {};
}

void TComponentEditor::ExecuteVerb(int Index) { CheckVerb(Index); }

}  // namespace host
