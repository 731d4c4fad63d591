#include "editors/keldialog.h"

#include <algorithm>

#include "editors/kelplacement.h"
#include "host/classes/component.h"
#include "host/controls/controltypes.h"
#include "host/rtl/sysutils.h"

namespace kel {

HOST_IMPL(TkelEditorDialog, host::TForm)

using host::TComponent;

void TkelEditorDialog::SetDesigner(host::IDesigner* Designer) { FDesigner = host::AsFormDesigner(Designer); }

void TkelEditorDialog::Execute(TkelEditorDialog* Dialog, const std::function<void()>& Prepare) {
  Guarded(Dialog, [&] {
    Prepare();
    Dialog->ShowModal();
  });
}

void TkelEditorDialog::Guarded(TkelEditorDialog* Dialog, const std::function<void()>& Steps) {
  try {
    Steps();
  } catch (...) {
    Dialog->Free();
    throw;
  }
}

TComponent* TkelEditorDialog::FindOf(std::string_view Name, host::TClass Class) const {
  TComponent* found = FindComponent(std::string(Name));
  if (!found || !found->InheritsFrom(Class))
    throw host::EComponentError("The layout of %s has no %s named %s",
                                {ClassName(), std::string(Class->Name), std::string(Name)});
  return found;
}

void TkelEditorDialog::DoCreate() {
  BindControls();
  const TPlacement placement = Placement();
  if (!placement.KeyName.empty()) kelRestorePlacement(this, placement.KeyName, placement.Reads);
  inherited::DoCreate();
}

void TkelEditorDialog::DoClose(host::TCloseAction& Action) {
  inherited::DoClose(Action);
  const TPlacement placement = Placement();
  if (!placement.KeyName.empty()) kelSavePlacement(this, placement.KeyName, placement.Writes);
  Action = host::caFree;
}

// ----------------------------------------------------------------- watching

void TkelEditorDialog::Watch(TComponent* Object) {
  if (!Object) return;
  Object->FreeNotification(this);
  FWatched.push_back(Object);
}

void TkelEditorDialog::Unwatch(TComponent* Object) {
  const auto found = std::find(FWatched.begin(), FWatched.end(), Object);
  if (found == FWatched.end()) return;
  FWatched.erase(found);
  // Another watch of the same object keeps the link.
  if (std::find(FWatched.begin(), FWatched.end(), Object) == FWatched.end()) Object->RemoveFreeNotification(this);
}

// Every component the application owns is told when one of them goes (a
// dialog closing); only the watched ones matter here.
void TkelEditorDialog::Notification(TComponent* AComponent, host::TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation != host::opRemove || std::find(FWatched.begin(), FWatched.end(), AComponent) == FWatched.end())
    return;
  std::erase(FWatched, AComponent);
  WatchedFreed(AComponent);
}

void TkelEditorDialog::WatchedFreed(TComponent* /*AComponent*/) {
  if (GetFormState().Contains(host::fsModal))
    SetModalResult(host::mrCancel);
  else if (GetVisible())
    Close();
}

// ----------------------------------------------------------------- choosers

void TkelEditorDialog::HookCommit(host::TCustomComboBox* Combo, std::function<void()> Commit) {
  Combo->OnExit = [Commit](host::TObject*) { Commit(); };
  Combo->OnClick = [Commit](host::TObject*) { Commit(); };
  Combo->OnKeyDown = [Commit](host::TObject*, uint16_t& Key, host::TShiftState) {
    if (Key == host::VK_RETURN) Commit();
  };
}

bool TkelEditorDialog::CommitEvent(host::TCustomComboBox* Combo, TkelClassInfo* Info, const std::string& Current,
                                   const std::function<void(const std::string&)>& Set) {
  const std::string text = Combo->GetText();
  if (!text.empty() && !(Info && Info->FindEvent(text))) {
    Combo->SetText(Current);
    return false;
  }
  Set(text);
  return true;
}

std::string TkelEditorDialog::NameOf(TComponent* Component) const {
  return FDesigner && Component ? FDesigner->GetComponentName(Component) : std::string();
}

void TkelEditorDialog::Modified() {
  if (FDesigner) FDesigner->Modified();
}

void TkelEditorDialog::FillChooser(host::TCustomComboBox* Chooser, TComponent* Bound) {
  host::TStrings* items = Chooser->GetItems();
  items->BeginUpdate();
  items->Clear();
  if (FDesigner)
    FDesigner->GetComponentNames(nullptr, [&](const std::string& Name) {
      TComponent* c = FDesigner->GetComponent(Name);
      if (c && TkelClassRegistry::FindClass(c->ClassName())) items->Add(Name);
    });
  items->EndUpdate();
  Chooser->SetText(NameOf(Bound));
}

bool TkelEditorDialog::CommitChooser(host::TCustomComboBox* Chooser, TComponent* Bound,
                                     const std::function<void(TComponent*)>& Bind) {
  const std::string text = Chooser->GetText();
  if (host::AnsiSameText(NameOf(Bound), text)) return false;
  TComponent* chosen = FDesigner ? FDesigner->GetComponent(text) : nullptr;
  Bind(chosen);
  if (!chosen) Chooser->SetText("");
  Chooser->SetText(NameOf(chosen));
  return true;
}

// -------------------------------------------------------------------- lists

void kelFillList(host::TCustomListControl* List, const std::vector<std::string>& Names, const std::string& Current) {
  host::TStrings* items = List->GetItems();
  items->BeginUpdate();
  items->Clear();
  if (auto* combo = dynamic_cast<host::TCustomComboBox*>(List)) combo->SetText("");
  for (const std::string& name : Names) items->Add(name);
  List->SetItemIndex(items->IndexOf(Current));
  items->EndUpdate();
}

std::string kelChosenItem(host::TCustomListControl* List) {
  const int32_t index = List->GetItemIndex();
  return index < 0 ? std::string() : List->GetItems()->GetStrings(index);
}

std::vector<std::string> kelEventNames(TkelClassInfo* Info) {
  std::vector<std::string> names;
  for (int i = 0; Info && i < Info->GetEventCount(); ++i)
    if (Info->GetEvents(i)->Visibility != pvProtected) names.push_back(Info->GetEvents(i)->Name);
  return names;
}

std::vector<std::string> kelMethodNames(TkelClassInfo* Info) {
  std::vector<std::string> names;
  for (int i = 0; Info && i < Info->GetMethodCount(); ++i) names.push_back(Info->GetMethods(i)->Name);
  return names;
}

std::vector<std::string> kelPropertyNames(TkelClassInfo* Info, TkelPropertyStyleElement Required) {
  std::vector<std::string> names;
  for (int i = 0; Info && i < Info->GetPropertyCount(); ++i) {
    TkelPropertyInfo* p = Info->GetProperties(i);
    if (p->Style.Contains(Required) && p->Visibility != pvProtected) names.push_back(p->Name);
  }
  return names;
}

std::string kelIndexDisplay(TkelPropertyInfo* Property) {
  if (!Property || Property->GetIndexCount() == 0) return "(None)";
  std::string text = "[";
  for (int i = 0; i < Property->GetIndexCount(); ++i) text += (i ? ", " : "") + Property->GetIndexes(i)->Name;
  return text + "]";
}

}  // namespace kel
