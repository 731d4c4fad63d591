#include "designer/designerwindow.h"

#include <filesystem>

#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/streams.h"
#include "host/dialogs/dialogs.h"
#include "host/dialogs/inputquery.h"
#include "host/extctrls/panels.h"
#include "host/forms/application.h"
#include "host/rtl/sysutils.h"
#include "host/widgetset/wskeys.h"

namespace corvane::designer {

using namespace host;

HOST_IMPL(TDesignerWindow, TCustomForm)

namespace {

constexpr char kTitle[] = "Corvane Designer";

TPanel* AddPanel(TWinControl* Parent, const char* Name, TAlign Align, int32_t Size) {
  auto* panel = New<TPanel>(Parent);
  panel->SetName(Name);
  panel->SetCaption("");
  panel->SetParent(Parent);
  panel->SetAlign(Align);
  if (Align == alTop || Align == alBottom) panel->SetHeight(Size);
  if (Align == alLeft || Align == alRight) panel->SetWidth(Size);
  panel->SetBevelOuter(bvNone);
  return panel;
}

// Runs work the author started; its error shows in a message box.
template <class F>
void Guarded(TObject* Sender, F&& Work) {
  try {
    Work();
  } catch (const Exception&) {
    Application->HandleException(Sender);
  }
}

// The component a component sits under in the tree: a control under its
// parent, a component that lives inside another (a connection in its list)
// under it, the rest under the form.
TComponent* TreeParent(TComponent* Component, TComponent* Root) {
  if (auto* control = dynamic_cast<TControl*>(Component))
    return control->GetParent() ? static_cast<TComponent*>(control->GetParent()) : Root;
  TComponent* parent = Component->HasParent() ? Component->GetParentComponent() : nullptr;
  return parent ? parent : Root;
}

// Adds the components under Parent, each followed by its own, indented.
void AddTreeItems(TStrings* Items, TComponent* Parent, TComponent* Root, int Depth) {
  for (int i = 0; i < Root->GetComponentCount(); ++i) {
    TComponent* c = Root->GetComponents(i);
    if (TreeParent(c, Root) != Parent) continue;
    Items->AddObject(std::string(static_cast<std::size_t>(Depth) * 2, ' ') + c->GetName(), c);
    AddTreeItems(Items, c, Root, Depth + 1);
  }
}

// A designer of a new, empty form beside the designer window.
TOwned<TFormDesigner> NewDesigner() {
  TOwned<TFormDesigner> designer = TFormDesigner::CreateNew(&TForm::StaticMetaClass, "Form1");
  static_cast<TForm*>(designer->GetRoot())->SetBounds(660, 40, 340, 300);
  return designer;
}

}  // namespace

TDesignerWindow::TDesignerWindow(TComponent* AOwner) : TCustomForm(AOwner, 0) {
  SetName("DesignerWindow");
  SetBounds(0, 0, 640, 560);
  BuildMenu();
  TPanel* top = AddPanel(this, "PaletteBar", alTop, 72);
  FPalette = MakeOwned<TPaletteView>(top, [this] { return FSurface.get(); });
  TPanel* left = AddPanel(this, "TreePanel", alLeft, 170);
  FTree = New<TListBox>(this);
  FTree->SetName("Tree");
  FTree->SetParent(left);
  FTree->SetAlign(alClient);
  FTree->OnClick = TNotifyEvent(this, &TDesignerWindow::TreeClicked);
  TPanel* inspector = AddPanel(this, "InspectorPanel", alClient, 0);
  FComponentMenu = New<TPopupMenu>(this);
  FComponentMenu->SetName("ComponentMenu");
  OnCloseQuery = TCloseQueryEvent(this, &TDesignerWindow::CloseAsked);
  OnShow = TNotifyEvent(this, &TDesignerWindow::Shown);
  // The first form, and the inspector on it.
  TOwned<TFormDesigner> designer = NewDesigner();
  FInspector = MakeOwned<TPropertyView>(inspector, designer.get());
  Take(std::move(designer), "");
}

void TDesignerWindow::Destroy() {
  FInspector.reset();
  FSurface.reset();
  if (FDesigner) FDesigner->RemoveListener(this);
  FDesigner.reset();
  FPalette.reset();
  inherited::Destroy();
}

TCustomForm* TDesignerWindow::DesignedForm() const {
  return FDesigner ? dynamic_cast<TCustomForm*>(FDesigner->GetRoot()) : nullptr;
}

// ------------------------------------------------------------------ menus

TMenuItem* TDesignerWindow::AddItem(TMenuItem* Parent, const char* Name, const char* Caption,
                                    void (TDesignerWindow::*Handler)(TObject*), TShortCut ShortCut) {
  auto* item = New<TMenuItem>(this);
  item->SetName(Name);
  item->SetCaption(Caption);
  if (Handler) item->OnClick = TNotifyEvent(this, Handler);
  item->SetShortCut(ShortCut);
  Parent->Add(item);
  return item;
}

void TDesignerWindow::BuildMenu() {
  auto* menu = New<TMainMenu>(this);
  menu->SetName("MainMenu");
  TMenuItem* file = AddItem(menu->GetItems(), "FileMenu", "&File", nullptr);
  AddItem(file, "NewItem", "&New", &TDesignerWindow::NewClicked, ShortCut('N', TShiftState{ssCtrl}));
  AddItem(file, "OpenItem", "&Open...", &TDesignerWindow::OpenClicked, ShortCut('O', TShiftState{ssCtrl}));
  AddItem(file, "SaveItem", "&Save", &TDesignerWindow::SaveClicked, ShortCut('S', TShiftState{ssCtrl}));
  AddItem(file, "SaveAsItem", "Save &As...", &TDesignerWindow::SaveAsClicked);
  FTextItem = AddItem(file, "TextFormFileItem", "&Text Form File", &TDesignerWindow::TextFormFileClicked);
  FTextItem->SetChecked(true);
  AddItem(file, "Separator1", "-", nullptr);
  AddItem(file, "RunItem", "&Run", &TDesignerWindow::RunClicked, ShortCut(VK_F1 + 8, {}));
  AddItem(file, "Separator2", "-", nullptr);
  AddItem(file, "ExitItem", "E&xit", &TDesignerWindow::ExitClicked);
  TMenuItem* edit = AddItem(menu->GetItems(), "EditMenu", "&Edit", nullptr);
  FUndoItem = AddItem(edit, "UndoItem", "&Undo", &TDesignerWindow::UndoClicked, ShortCut('Z', TShiftState{ssCtrl}));
  FRedoItem = AddItem(edit, "RedoItem", "&Redo", &TDesignerWindow::RedoClicked, ShortCut('Y', TShiftState{ssCtrl}));
  AddItem(edit, "DeleteItem", "&Delete", &TDesignerWindow::DeleteClicked);
  SetMenu(menu);
}

void TDesignerWindow::UpdateMenu() {
  FUndoItem->SetEnabled(FSurface && FSurface->CanUndo());
  FRedoItem->SetEnabled(FSurface && FSurface->CanRedo());
  FTextItem->SetChecked(FTextFormFile);
}

// ------------------------------------------------------------ the form

void TDesignerWindow::Take(TOwned<TFormDesigner> Designer, const std::string& FileName) {
  FSurface.reset();
  if (FDesigner) FDesigner->RemoveListener(this);
  FDesigner = std::move(Designer);
  FFileName = FileName;
  FDesigner->AddListener(this);
  FInspector->SetDesigner(FDesigner.get());
  FSurface = MakeOwned<TDesignSurface>(FDesigner.get());
  FSurface->OnDropped = TEvent<TComponent*>(this, &TDesignerWindow::Dropped);
  FSurface->OnContextMenu = TEvent<TComponent*, TPoint>(this, &TDesignerWindow::ContextMenu);
  FSurface->OnOtherKey = TEvent<TWMKey&>(this, &TDesignerWindow::DesignedKey);
  FPalette->Release();
  FDesigner->SelectComponent(FDesigner->GetRoot());
  if (GetVisible()) ShowDesignedForm();
  FillTree();
  UpdateTitle();
  UpdateMenu();
}

void TDesignerWindow::ShowDesignedForm() {
  if (TCustomForm* form = DesignedForm()) {
    form->Show();
    FSurface->Refresh();
  }
}

bool TDesignerWindow::NewForm() {
  if (!CanDiscard()) return false;
  Take(NewDesigner(), "");
  ShowDesignedForm();
  return true;
}

bool TDesignerWindow::OpenFile(const std::string& FileName) {
  if (!CanDiscard()) return false;
  TOwned<TFormDesigner> designer;
  try {
    designer = TFormDesigner::OpenFile(FileName);
  } catch (const Exception&) {
    Application->HandleException(this);
    return false;
  }
  Take(std::move(designer), FileName);
  ShowDesignedForm();
  return true;
}

bool TDesignerWindow::Save() {
  if (FFileName.empty()) {
    std::string name = "Form1.dfm";
    if (!InputQuery("Save As", "Form file:", name)) return false;
    return SaveAs(name);
  }
  return SaveAs(FFileName);
}

bool TDesignerWindow::SaveAs(const std::string& FileName) {
  try {
    FDesigner->Save(FileName, FTextFormFile);
  } catch (const Exception&) {
    Application->HandleException(this);
    return false;
  }
  FFileName = FileName;
  UpdateTitle();
  return true;
}

bool TDesignerWindow::CanDiscard() {
  if (!FDesigner || !FDesigner->IsModified()) return true;
  const std::string name =
      FFileName.empty() ? FDesigner->GetRoot()->GetName() : std::filesystem::path(FFileName).filename().string();
  switch (MessageDlg("Save changes to " + name + "?", mtConfirmation, mbYesNoCancel, 0)) {
    case mrYes:
      return Save();
    case mrNo:
      return true;
    default:
      return false;
  }
}

void TDesignerWindow::SetTextFormFile(bool Value) {
  FTextFormFile = Value;
  UpdateMenu();
}

TModalResult TDesignerWindow::RunForm() {
  TOwned<TMemoryStream> stream = MakeOwned<TMemoryStream>();
  stream->WriteComponent(FDesigner->GetRoot());
  stream->SetPosition(0);
  TOwned<TComponent> copy;
  try {
    TOwned<TReader> reader = MakeOwned<TReader>(stream.get(), 4096);
    copy.reset(reader->ReadRootComponent(nullptr));
  } catch (const Exception&) {
    Application->HandleException(this);
    return mrNone;
  }
  auto* form = dynamic_cast<TCustomForm*>(copy.get());
  if (!form) {
    ShowMessage(ComponentDisplayName(copy.get()) + " is no form to run");
    return mrNone;
  }
  return form->ShowModal();
}

std::string TDesignerWindow::Title() const {
  std::string name = FFileName.empty() ? "Untitled" : std::filesystem::path(FFileName).filename().string();
  return std::string(kTitle) + " - " + name + (FDesigner && FDesigner->IsModified() ? " *" : "");
}

void TDesignerWindow::UpdateTitle() { SetCaption(Title()); }

// ---------------------------------------------------------- designer news

void TDesignerWindow::DesignerModified() {
  FillTree();
  UpdateTitle();
  UpdateMenu();
}

void TDesignerWindow::SelectionChanged() {
  const auto& selection = FDesigner->Selection();
  const int index = selection.size() == 1 ? FTree->GetItems()->IndexOfObject(selection.front()) : -1;
  FTree->SetItemIndex(index);
}

void TDesignerWindow::FillTree() {
  if (!FDesigner || !FDesigner->GetRoot()) return;
  TComponent* root = FDesigner->GetRoot();
  TStrings* items = FTree->GetItems();
  items->BeginUpdate();
  items->Clear();
  items->AddObject(root->GetName(), root);
  AddTreeItems(items, root, root, 1);
  items->EndUpdate();
  SelectionChanged();
}

// ------------------------------------------------------------- handlers

void TDesignerWindow::NewClicked(TObject*) { NewForm(); }

void TDesignerWindow::OpenClicked(TObject*) {
  std::string name = FFileName;
  if (InputQuery("Open", "Form file:", name)) OpenFile(name);
}

void TDesignerWindow::SaveClicked(TObject*) { Save(); }

void TDesignerWindow::SaveAsClicked(TObject*) {
  std::string name = FFileName.empty() ? "Form1.dfm" : FFileName;
  if (InputQuery("Save As", "Form file:", name)) SaveAs(name);
}

void TDesignerWindow::TextFormFileClicked(TObject*) { SetTextFormFile(!FTextFormFile); }

void TDesignerWindow::RunClicked(TObject*) { RunForm(); }

void TDesignerWindow::ExitClicked(TObject*) { Close(); }

// The menu follows once the step is done (the designer's news came while
// the step was still being taken).
void TDesignerWindow::UndoClicked(TObject*) {
  Guarded(this, [&] { FSurface->Undo(); });
  UpdateMenu();
}

void TDesignerWindow::RedoClicked(TObject*) {
  Guarded(this, [&] { FSurface->Redo(); });
  UpdateMenu();
}

void TDesignerWindow::DeleteClicked(TObject*) {
  Guarded(this, [&] { FDesigner->DeleteSelection(); });
}

void TDesignerWindow::TreeClicked(TObject*) {
  const int index = FTree->GetItemIndex();
  if (index >= 0) FDesigner->SelectComponent(static_cast<TComponent*>(FTree->GetItems()->GetObjects(index)));
}

void TDesignerWindow::CloseAsked(TObject*, bool& CanClose) {
  CanClose = CanDiscard();
  if (CanClose)
    if (TCustomForm* form = DesignedForm()) form->Hide();
}

void TDesignerWindow::Dropped(TComponent*) { FPalette->Release(); }

// The designer's short cuts work on the designed form too.
void TDesignerWindow::DesignedKey(TWMKey& Key) {
  if (GetMenu()) GetMenu()->IsShortCut(Key);
}

// The designed form shows with the designer window.
void TDesignerWindow::Shown(TObject*) { ShowDesignedForm(); }

void TDesignerWindow::ContextMenu(TComponent* Component, TPoint At) {
  FMenuComponent = Component->GetName();
  TMenuItem* items = FComponentMenu->GetItems();
  while (items->GetCount() > 0) items->GetItems(items->GetCount() - 1)->Free();
  std::vector<std::string> verbs;
  Guarded(this, [&] { verbs = FSurface->Verbs(Component); });
  for (std::size_t i = 0; i < verbs.size(); ++i) {
    auto* item = New<TMenuItem>(this);
    item->SetCaption(verbs[i]);
    item->SetTag(static_cast<int32_t>(i));
    item->OnClick = TNotifyEvent(this, &TDesignerWindow::VerbClicked);
    items->Add(item);
  }
  if (!verbs.empty()) FComponentMenu->Popup(At.X, At.Y);
}

void TDesignerWindow::VerbClicked(TObject* Sender) {
  auto* item = static_cast<TMenuItem*>(Sender);
  if (TComponent* component = FDesigner->GetComponent(FMenuComponent))
    Guarded(this, [&] { FSurface->RunVerb(component, item->GetTag()); });
}

}  // namespace corvane::designer
