#include "editors/kelcompeditors.h"

#include "editors/kelabout.h"
#include "editors/kelcsdlg.h"

namespace kel {

HOST_IMPL(TkelConnectionListEditor, host::TComponentEditor)
HOST_IMPL(TkelVariableEditor, host::TComponentEditor)

namespace {

// The verbs both editors begin with; "About..." is the last of them.
constexpr const char* kSuiteVerbs[] = {"Corvane Suite 1.1", "(C) 2026 Corvane Soft", "-", "About..."};
constexpr int kSuiteVerbCount = 4;
constexpr int kAboutVerb = 3;

}  // namespace

// ------------------------------------------------------------ the list

int TkelConnectionListEditor::GetVerbCount() { return kSuiteVerbCount + 1; }

std::string TkelConnectionListEditor::GetVerb(int Index) {
  CheckVerb(Index);
  return Index < kSuiteVerbCount ? kSuiteVerbs[Index] : "Edit connections...";
}

void TkelConnectionListEditor::ExecuteVerb(int Index) {
  CheckVerb(Index);
  if (Index == kAboutVerb) kelShowAbout();
  if (Index == kSuiteVerbCount) Edit();
}

void TkelConnectionListEditor::Edit() { kelShowConnectionsEditor(GetDesigner(), GetComponent()); }

// -------------------------------------------------------- the variable

int TkelVariableEditor::GetVerbCount() { return kSuiteVerbCount; }

std::string TkelVariableEditor::GetVerb(int Index) {
  CheckVerb(Index);
  return kSuiteVerbs[Index];
}

void TkelVariableEditor::ExecuteVerb(int Index) {
  CheckVerb(Index);
  if (Index == kAboutVerb) kelShowAbout();
}

}  // namespace kel
