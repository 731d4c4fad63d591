// The component editors of the connection list and the variable: their
// context-menu verbs (the product's name, the maker's notice, a separator,
// "About..."; the list adds "Edit connections...") and, for the list, the
// double-click that opens its connection list editor.
#pragma once

#include "host/designer/compedit.h"

namespace kel {

class TkelConnectionListEditor : public host::TComponentEditor {
  HOST_CLASS(TkelConnectionListEditor, host::TComponentEditor)
  TkelConnectionListEditor() = default;

  void Edit() override;
  void ExecuteVerb(int Index) override;
  std::string GetVerb(int Index) override;
  int GetVerbCount() override;

 protected:
  ~TkelConnectionListEditor() override = default;
};

class TkelVariableEditor : public host::TComponentEditor {
  HOST_CLASS(TkelVariableEditor, host::TComponentEditor)
  TkelVariableEditor() = default;

  void ExecuteVerb(int Index) override;
  std::string GetVerb(int Index) override;
  int GetVerbCount() override;

 protected:
  ~TkelVariableEditor() override = default;
};

}  // namespace kel
