#include "host/designer/formdesigner.h"

#include <algorithm>

#include "host/classes/datamodule.h"
#include "host/classes/filer.h"
#include "host/classes/formtext.h"
#include "host/classes/keptprops.h"
#include "host/controls/controls.h"
#include "host/designer/designsurface.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL_INTF(TFormDesigner, TObject, IDesignerHook, IDesigner, IFormDesigner, IDesignInput)

namespace {

// The designers alive, told about every object being freed.
std::vector<TFormDesigner*>& Designers() {
  static std::vector<TFormDesigner*> designers;
  return designers;
}

}  // namespace

TFormDesigner::TFormDesigner(TComponent* Root) : FRoot(Root) {
  if (!Root) throw EInvalidOperation("A form designer needs a form to design");
  if (Designers().empty()) AddFreeObserver(&TFormDesigner::ObjectFreed);
  Designers().push_back(this);
  FRoot->SetDesigning(true);
  if (auto* form = dynamic_cast<TCustomForm*>(FRoot)) form->SetDesigner(this);
}

void TFormDesigner::Destroy() {
  for (TDesignerListener* l : std::exchange(FListeners, {})) l->DesignerDestroying();
  std::erase(Designers(), this);
  if (Designers().empty()) RemoveFreeObserver(&TFormDesigner::ObjectFreed);
  FSelection.clear();
  if (TComponent* root = std::exchange(FRoot, nullptr)) {
    if (auto* form = dynamic_cast<TCustomForm*>(root)) form->SetDesigner(nullptr);
    root->Free();
  }
  inherited::Destroy();
}

TOwned<TFormDesigner> TFormDesigner::CreateNew(TClass RootClass, const std::string& Name) {
  if (!RootClass || !RootClass->InheritsFrom(&TComponent::StaticMetaClass))
    throw EInvalidOperation("%s is not a component class", {std::string(RootClass ? RootClass->Name : "nil")});
  TComponent* root = RootClass->InheritsFrom(&TCustomForm::StaticMetaClass)
                         ? TCustomForm::CreateNew(RootClass, nullptr)
                         : static_cast<TComponent*>(RootClass->Create(nullptr));
  try {
    root->SetName(Name);
  } catch (...) {
    root->Free();
    throw;
  }
  return MakeOwned<TFormDesigner>(root);
}

TOwned<TMemoryStream> TFormDesigner::BinaryOf(TStream* Stream) {
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  ObjectToBinary(Stream, binary.get());
  binary->SetPosition(0);
  return binary;
}

TComponent* TFormDesigner::NewRootFor(TMemoryStream* Binary) {
  // The root's class comes from the form's header: signature, optional
  // prefix, class name.
  std::string className;
  TClass generic = nullptr;
  {
    TOwned<TReader> header = MakeOwned<TReader>(Binary, 4096);
    header->ReadSignature();
    TFilerFlags flags;
    int32_t position = 0;
    header->ReadPrefix(flags, position);
    className = header->ReadStr();
    // An application's own class: its form is designed as the generic root
    // class (a TForm, a TFrame...) that writes the class's name back.
    if (!GetClass(className)) {
      header->ReadStr();  // the root's name; its properties follow
      generic = GenericRootClassFor(*header);
    }
  }
  Binary->SetPosition(0);
  TClass cls = generic ? generic : FindClass(className);
  if (!cls->InheritsFrom(&TComponent::StaticMetaClass)) throw EReadError("%s is not a component class", {className});
  TComponent* root = cls->InheritsFrom(&TCustomForm::StaticMetaClass) ? TCustomForm::CreateNew(cls, nullptr)
                                                                      : static_cast<TComponent*>(cls->Create(nullptr));
  if (generic) SetWrittenClassName(root, className);
  root->SetDesigning(true);
  return root;
}

TOwned<TFormDesigner> TFormDesigner::Open(TStream* Stream) {
  TOwned<TMemoryStream> binary = BinaryOf(Stream);
  TOwned<TFormDesigner> designer = MakeOwned<TFormDesigner>(NewRootFor(binary.get()));
  TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
  reader->ReadRootComponent(designer->FRoot);
  designer->FModified = false;
  return designer;
}

void TFormDesigner::ReplaceRoot(TStream* Stream) {
  TOwned<TMemoryStream> binary = BinaryOf(Stream);
  TComponent* fresh = NewRootFor(binary.get());
  try {
    TOwned<TReader> reader = MakeOwned<TReader>(binary.get(), 4096);
    reader->ReadRootComponent(fresh);
  } catch (...) {
    fresh->Free();
    throw;
  }
  std::vector<std::string> selected;
  for (TPersistent* p : FSelection)
    if (auto* c = dynamic_cast<TComponent*>(p)) selected.push_back(c == FRoot ? std::string() : c->GetName());
  auto* oldForm = dynamic_cast<TCustomForm*>(FRoot);
  auto* newForm = dynamic_cast<TCustomForm*>(fresh);
  const bool shown = oldForm && oldForm->GetVisible();
  TComponent* old = std::exchange(FRoot, fresh);
  FSelection.clear();
  if (newForm) newForm->SetDesigner(this);
  if (oldForm) {
    oldForm->SetDesigner(nullptr);
    if (newForm) newForm->SetBounds(oldForm->GetLeft(), oldForm->GetTop(), newForm->GetWidth(), newForm->GetHeight());
  }
  old->Free();
  if (newForm && shown) newForm->Show();
  // The listeners let go of the old objects here, even when nothing is
  // selected before or after.
  for (const std::string& name : selected)
    if (TComponent* c = name.empty() ? FRoot : GetComponent(name)) FSelection.push_back(c);
  NotifySelection();
  Modified();
}

bool TFormDesigner::IsDesignMsg(TControl* Sender, TMessage& Message) {
  return FSurface && FSurface->IsDesignMsg(Sender, Message);
}

void TFormDesigner::PaintGrid() {
  if (FSurface) FSurface->PaintGrid();
}

TOwned<TFormDesigner> TFormDesigner::OpenFile(const std::string& FileName) {
  TOwned<TFileStream> file = MakeOwned<TFileStream>(FileName, fmOpenRead);
  return Open(file.get());
}

HRESULT TFormDesigner::QueryInterface(const TGUID& iid, void** obj) {
  return GetInterface(iid, obj) ? S_OK : E_NOINTERFACE;
}

// ------------------------------------------------------------------ changes

void TFormDesigner::Modified() {
  FModified = true;
  for (TDesignerListener* l : std::vector<TDesignerListener*>(FListeners)) l->DesignerModified();
}

void TFormDesigner::AddListener(TDesignerListener* Listener) {
  if (Listener && std::find(FListeners.begin(), FListeners.end(), Listener) == FListeners.end())
    FListeners.push_back(Listener);
}

void TFormDesigner::RemoveListener(TDesignerListener* Listener) { std::erase(FListeners, Listener); }

void TFormDesigner::ObjectFreed(TObject* Obj) {
  for (TFormDesigner* d : std::vector<TFormDesigner*>(Designers())) d->Forget(Obj);
}

void TFormDesigner::Forget(TObject* Obj) {
  if (Obj == FRoot) FRoot = nullptr;
  auto* persistent = dynamic_cast<TPersistent*>(Obj);
  if (!persistent || std::find(FSelection.begin(), FSelection.end(), persistent) == FSelection.end()) return;
  std::erase(FSelection, persistent);
  NotifySelection();
}

// ---------------------------------------------------------------- components

bool TFormDesigner::IsOnForm(const TComponent* Component) const {
  return Component && FRoot && (Component == FRoot || const_cast<TComponent*>(Component)->GetOwner() == FRoot);
}

std::string TFormDesigner::UniqueName(const std::string& BaseName) {
  if (!IsValidIdent(BaseName)) throw EComponentError("'%s' is not a valid component name", {BaseName});
  for (int i = 1;; ++i) {
    const std::string name = BaseName + IntToStr(i);
    if (!GetComponent(name)) return name;
  }
}

TComponent* TFormDesigner::GetComponent(const std::string& Name) {
  if (!FRoot || Name.empty()) return nullptr;
  if (SameText(FRoot->GetName(), Name)) return FRoot;
  return FRoot->FindComponent(Name);
}

std::string TFormDesigner::GetComponentName(TComponent* Component) {
  return IsOnForm(Component) ? Component->GetName() : std::string();
}

void TFormDesigner::GetComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) {
  if (!FRoot) return;
  TClass cls = TypeData && TypeData->Kind == tkClass ? TypeData->ClassType : &TComponent::StaticMetaClass;
  const auto offer = [&](TComponent* c) {
    if (c->InheritsFrom(cls) && !c->GetName().empty()) Proc(c->GetName());
  };
  offer(FRoot);
  for (int i = 0; i < FRoot->GetComponentCount(); ++i) offer(FRoot->GetComponents(i));
}

// The windowed control a new control of ComponentClass goes on; null for a
// component that is no control.
TWinControl* TFormDesigner::ParentFor(TClass ComponentClass, TComponent* Parent) const {
  if (!ComponentClass->InheritsFrom(&TControl::StaticMetaClass)) return nullptr;
  TComponent* target = Parent ? Parent : FRoot;
  auto* parent = dynamic_cast<TWinControl*>(target);
  if (!parent && !Parent)
    throw EInvalidOperation("Controls cannot be added to %s: it is not a windowed control",
                            {ComponentDisplayName(FRoot)});
  if (!parent || !IsOnForm(parent))
    throw EInvalidOperation("%s cannot hold a control: it is not a windowed control of the form",
                            {ComponentDisplayName(target)});
  return parent;
}

TComponent* TFormDesigner::CreateComponent(TClass ComponentClass, TComponent* Parent, int32_t Left, int32_t Top,
                                           int32_t Width, int32_t Height) {
  if (!FRoot) throw EInvalidOperation("The form designer has no form");
  if (!ComponentClass || !ComponentClass->InheritsFrom(&TComponent::StaticMetaClass))
    throw EInvalidOperation("%s is not a component class",
                            {std::string(ComponentClass ? ComponentClass->Name : "nil")});
  if (GetClass(ComponentClass->Name) != ComponentClass)
    throw EClassNotFound("Class %s not found", {std::string(ComponentClass->Name)});
  if (ComponentClass->InheritsFrom(&TCustomForm::StaticMetaClass) ||
      ComponentClass->InheritsFrom(&TDataModule::StaticMetaClass))
    throw EInvalidOperation("A %s cannot be placed on a form: it is designed as a form of its own",
                            {std::string(ComponentClass->Name)});
  if (!ComponentClass->Factory)
    throw EComponentError("Cannot create an instance of the abstract class %s", {std::string(ComponentClass->Name)});
  TWinControl* parent = ParentFor(ComponentClass, Parent);
  std::string base = ComponentClass->Name;
  if (base.size() > 1 && (base[0] == 'T' || base[0] == 't')) base.erase(0, 1);
  const std::string name = UniqueName(base);
  auto* component = static_cast<TComponent*>(ComponentClass->Create(FRoot));
  try {
    component->SetName(name);
    if (auto* control = dynamic_cast<TControl*>(component)) {
      control->SetBounds(Left, Top, Width > 0 ? Width : control->GetWidth(),
                         Height > 0 ? Height : control->GetHeight());
      control->SetParent(parent);
      // A control that shows its name starts with it as its caption.
      if (control->GetControlStyle().Contains(csSetCaption) && control->GetCaption().empty()) control->SetCaption(name);
    } else {
      component->SetDesignInfo(
          static_cast<int32_t>((static_cast<uint32_t>(Top) << 16) | (static_cast<uint32_t>(Left) & 0xFFFFu)));
      // A component that lives inside another (a connection in its list)
      // goes under Parent as the reader puts it there from a form file; one
      // that cannot ignores it.
      if (Parent && Parent != FRoot) {
        if (!IsOnForm(Parent))
          throw EInvalidOperation("%s is not a component of the form", {ComponentDisplayName(Parent)});
        component->SetParentComponent(Parent);
      }
    }
  } catch (...) {
    component->Free();
    throw;
  }
  Modified();
  return component;
}

void TFormDesigner::DeleteSelection() {
  if (std::find(FSelection.begin(), FSelection.end(), FRoot) != FSelection.end())
    throw EInvalidOperation("%s cannot be deleted: it is the designed form", {ComponentDisplayName(FRoot)});
  bool deleted = false;
  // Freeing a component drops it (and the controls it held) from the
  // selection through ObjectFreed, so the loop looks at the list afresh.
  for (;;) {
    auto it = std::find_if(FSelection.begin(), FSelection.end(),
                           [](TPersistent* p) { return dynamic_cast<TComponent*>(p) != nullptr; });
    if (it == FSelection.end()) break;
    (*it)->Free();
    deleted = true;
  }
  if (deleted) Modified();
}

// ----------------------------------------------------------------- selection

void TFormDesigner::ChangeSelection(std::vector<TPersistent*> Selection) {
  if (Selection == FSelection) return;
  FSelection = std::move(Selection);
  NotifySelection();
}

void TFormDesigner::NotifySelection() {
  for (TDesignerListener* l : std::vector<TDesignerListener*>(FListeners)) l->SelectionChanged();
}

void TFormDesigner::SelectComponent(TPersistent* Instance) {
  ChangeSelection(Instance ? std::vector<TPersistent*>{Instance} : std::vector<TPersistent*>{});
}

void TFormDesigner::SetSelections(const TDesignerSelectionList* List) {
  std::vector<TPersistent*> selection;
  for (int i = 0; List && i < List->GetCount(); ++i) selection.push_back(List->GetItems(i));
  ChangeSelection(std::move(selection));
}

void TFormDesigner::GetSelections(TDesignerSelectionList* List) {
  for (TPersistent* p : FSelection) List->Add(MakeIPersistent(p).get());
}

// -------------------------------------------------------------------- saving

void TFormDesigner::SaveToStream(TStream* Stream, bool Text) {
  if (!FRoot) throw EInvalidOperation("The form designer has no form");
  TOwned<TMemoryStream> binary = MakeOwned<TMemoryStream>();
  binary->WriteComponent(FRoot);
  binary->SetPosition(0);
  if (Text)
    ObjectBinaryToText(binary.get(), Stream);
  else
    Stream->CopyFrom(binary.get(), 0);
  FModified = false;
}

void TFormDesigner::Save(const std::string& FileName, bool Text) {
  TOwned<TMemoryStream> text = MakeOwned<TMemoryStream>();
  const bool modified = FModified;
  SaveToStream(text.get(), Text);
  try {
    TOwned<TFileStream> file = MakeOwned<TFileStream>(FileName, fmCreate);
    file->WriteBuffer(text->GetMemory(), static_cast<int32_t>(text->GetSize()));
  } catch (...) {
    FModified = modified;
    throw;
  }
}

}  // namespace host
