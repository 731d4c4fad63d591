// TReader, component level: reading components and their children,
// collections and published or custom properties, and resolving component
// references once the whole form is read. The byte and value level is in
// reader_values.cc.
#include "host/classes/filer.h"

#include <algorithm>

#include "host/classes/collections.h"
#include "host/classes/filer_p.h"
#include "host/classes/keptprops.h"
#include "host/classes/streams.h"
#include "host/classes/typinfo.h"

namespace host {

using namespace filer_detail;

HOST_IMPL(TReader, TFiler)

namespace {

// A property error already carrying its "Error reading ..." text: passed on
// unchanged by the enclosing property reads.
class EPropertyReadError : public EReadError {
 public:
  using EReadError::EReadError;
};

[[noreturn]] void RaiseNotAValue(const std::string& Ident, const TPropInfo& Prop) {
  throw EReadError("%s: '%s' is not a value of %s", {SInvalidPropertyValue, Ident, Prop.PropType->Name});
}

// The value of an identifier written for an integer property (Color = clRed).
int32_t IntegerFromIdent(const std::string& Ident, const TPropInfo& Prop) {
  int32_t value = 0;
  const TIdentToInt toInt = FindIdentToInt(Prop.PropType);
  if (!toInt || !toInt(Ident, value)) RaiseNotAValue(Ident, Prop);
  return value;
}

}  // namespace

// Watches the components a reader works on: when one is freed (by whatever
// means) the reader forgets it, so nothing it keeps can dangle.
class TReader::TGuard : public TComponent {
  HOST_CLASS(TReader::TGuard, TComponent)
  using TCreateArg = TReader;
  explicit TGuard(TReader* reader) : TComponent(nullptr), FReader(reader) {}

  void Watch(TComponent* c) { FreeNotification(c); }
  // Stops watching without telling anyone (the reading is over).
  void Release() { ClearFreeNotifies(); }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FReader->ForgetComponent(AComponent);
  }

 protected:
  ~TGuard() override = default;

 private:
  TReader* FReader;
};

HOST_IMPL(TReader::TGuard, TComponent)

TReader::TReader(TStream* Stream, int32_t BufSize) : TFiler(Stream, BufSize) {}

TReader::~TReader() = default;

namespace {

// The readers listening to freed collection items (see WatchItems).
std::vector<TReader*>& ItemWatchers() {
  static std::vector<TReader*> readers;
  return readers;
}

}  // namespace

void TReader::WatchItems() {
  if (FWatchingItems) return;
  FWatchingItems = true;
  ItemWatchers().push_back(this);
  AddFreeObserver(&TReader::ItemFreed);
}

void TReader::ItemFreed(TObject* Obj) {
  std::vector<TReader*>& readers = ItemWatchers();
  if (readers.empty()) return;
  if (auto* item = dynamic_cast<TCollectionItem*>(Obj))
    for (TReader* reader : readers) reader->ForgetAnchor(item);
}

void TReader::Destroy() {
  FlushBuffer();
  FreeAndNil(FGuard);
  if (FWatchingItems) {
    std::erase(ItemWatchers(), this);
    if (ItemWatchers().empty()) RemoveFreeObserver(&TReader::ItemFreed);
  }
  inherited::Destroy();
}

// ------------------------------------------------------------ components

std::string TReader::ComponentPath(const std::string& Name) const {
  if (!GetRoot() || GetRoot()->GetName().empty()) return Name;
  return GetRoot()->GetName() + "." + Name;
}

void TReader::Watch(TComponent* Component, bool Created) {
  if (!FGuard) FGuard = new TGuard(this);
  FGuard->Watch(Component);
  if (Created) FCreated.push_back(Component);
  if (FLoadedSet.insert(Component).second) FLoaded.push_back(Component);
}

void TReader::ForgetComponent(TComponent* Component) {
  std::erase(FCreated, Component);
  if (FLoadedSet.erase(Component)) std::erase(FLoaded, Component);
  ForgetAnchor(Component);
}

void TReader::ForgetAnchor(const TPersistent* Anchor) {
  std::erase_if(FFixups, [Anchor](const TFixup& f) {
    return std::find(f.Anchors.begin(), f.Anchors.end(), Anchor) != f.Anchors.end();
  });
}

void TReader::FreeCreatedSince(std::size_t Mark) {
  while (FCreated.size() > Mark) {
    TComponent* c = FCreated.back();
    FCreated.pop_back();
    c->Free();
  }
}

namespace {

// The property read last and the object it belongs to: what a property
// kept after it follows.
thread_local const TPersistent* t_lastInstance = nullptr;
thread_local std::string t_lastName;
// The object whose nested object was read last, and the nested object's
// property (Margins of Margins.Bottom): a property kept next follows it.
thread_local const TPersistent* t_outerInstance = nullptr;
thread_local std::string t_outerName;

void NoteRead(const TPersistent* Instance, std::string_view Name) {
  t_lastInstance = Instance;
  t_lastName.assign(Name);
  NotePropertyRead(Instance, Name);
}

// Keeps a property the form file carries and the class has not (see
// keptprops.h): its value's bytes as the binary form holds them.
bool ReadKeptProperty(TReader& Reader, TPersistent* Instance, std::string_view Name, const std::string& Path) {
  const int64_t start = Reader.GetPosition();
  const TValueType type = Reader.NextValue();
  if (!IsKeptProperty(Instance, Name, type)) return false;
  TKeptProperty kept;
  kept.Name = std::string(Name);
  kept.Path = Path;
  kept.After = t_lastInstance == Instance ? t_lastName : t_outerInstance == Instance ? t_outerName : std::string();
  if (type == vaIdent) {
    Reader.ReadValue();
    kept.Handler = Reader.ReadStr();
    Reader.SetPosition(start);
  }
  Reader.SkipValue();
  const int64_t end = Reader.GetPosition();
  kept.Value.resize(static_cast<std::size_t>(end - start));
  Reader.SetPosition(start);
  Reader.Read(kept.Value.data(), static_cast<int32_t>(kept.Value.size()));
  // An event property names a handler only when it is one ("OnClick = Button1Click").
  if (type != vaIdent) kept.Handler.clear();
  KeepProperty(Instance, std::move(kept));
  return true;
}

}  // namespace

TComponent* TReader::CreateComponent(const std::string& ClassName) {
  TClass cls = FindClass(ClassName);
  if (!cls->InheritsFrom(&TComponent::StaticMetaClass))
    throw EReadError("Error reading %s: %s is not a component class", {FPropPath, ClassName});
  TComponent* c = As<TComponent>(cls->Create(FOwner));
  Watch(c, true);
  return c;
}

TComponent* TReader::FindAncestor(const std::string& Name, const std::string& ClassName) {
  TComponent* c = FOwner ? FOwner->FindComponent(Name) : nullptr;
  if (!c && OnAncestorNotFound) OnAncestorNotFound(this, Name, FindClass(ClassName), c);
  if (!c) throw EReadError(SAncestorNotFound, {Name});
  Watch(c, false);
  return c;
}

void TReader::SetComponentName(TComponent* Component, std::string Name) {
  if (OnSetName) OnSetName(this, Component, Name);
  try {
    Component->SetName(Name);
  } catch (const EComponentError& e) {
    throw EPropertyReadError(SPropertyException, {FPropPath, e.Message()});
  }
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  TFilerFlags flags;
  int32_t childPos = -1;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TNestingGuard nest = Nest();
  TRestore<std::string> path(FPropPath, ComponentPath(name));
  const std::size_t mark = FCreated.size();
  TComponent* result = Component;
  try {
    if (!result)
      result = flags.Contains(ffInherited) ? FindAncestor(name, className) : CreateComponent(className);
    else
      Watch(result, false);
    result->SetStateFlag(csLoading, true);
    result->SetStateFlag(csReading, true);
    if (!flags.Contains(ffInherited)) SetComponentName(result, name);
    result->ReadState(this);
    result->SetStateFlag(csReading, false);
    if (flags.Contains(ffChildPos) && FParent) FParent->SetChildOrder(result, childPos);
  } catch (...) {
    FreeCreatedSince(mark);
    throw;
  }
  return result;
}

void TReader::ReadComponentData(TComponent* Component) {
  {
    TRestore<std::vector<TPersistent*>> anchors(FAnchors, {Component});
    while (!EndOfList()) ReadProperty(Component);
  }
  ReadListEnd();
  TRestore<TComponent*> parent(FParent, Component->GetChildParent());
  TComponent* childOwner = Component->GetChildOwner();
  TRestore<TComponent*> owner(FOwner, childOwner ? childOwner : GetRoot());
  while (!EndOfList()) {
    if (GetIgnoreChildren())
      SkipComponent();
    else
      ReadComponent(nullptr);
  }
  ReadListEnd();
}

void TReader::SkipComponent() {
  TNestingGuard nest = Nest();
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  ReadStr();
  ReadStr();
  CopyList(nullptr, &TReader::CopyProperty);
  CopyList(nullptr, &TReader::SkipComponentEntry);
}

void TReader::SkipComponentEntry(TWriter*) { SkipComponent(); }

// A second form of a class read into its owner beside the first (a dialog
// opened while the last one waits to be freed) is named Name_1, Name_2...,
// as the classic reader names it; a designed root keeps the name read.
std::string TReader::UniqueRootName(TComponent* Root, const std::string& Name) {
  const TComponent* owner = Root->GetOwner();
  if (!owner || Root->GetComponentState().Contains(csDesigning)) return Name;
  const auto taken = [&](const std::string& Candidate) {
    const TComponent* found = owner->FindComponent(Candidate);
    return found && found != Root;
  };
  std::string unique = Name;
  for (int i = 1; taken(unique); ++i) unique = Name + "_" + std::to_string(i);
  return unique;
}

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TFilerFlags flags;
  int32_t childPos = 0;
  ReadPrefix(flags, childPos);
  const std::string className = ReadStr();
  const std::string name = ReadStr();
  TRestore<std::string> path(FPropPath, name);
  BeginReferences();
  const std::size_t mark = FCreated.size();
  const std::string oldName = Root ? Root->GetName() : std::string();
  TComponent* given = Root;
  try {
    if (!Root) {
      FOwner = nullptr;
      // An application's own root class is read into the generic root
      // class, and its name kept for writing.
      const TClass generic = GetClass(className) ? nullptr : GenericRootClassFor(*this);
      Root = CreateComponent(generic ? std::string(generic->Name) : className);
      if (generic) SetWrittenClassName(Root, className);
    } else {
      Watch(Root, false);
    }
    SetRoot(Root);
    FOwner = Root;
    FParent = nullptr;
    Root->SetStateFlag(csLoading, true);
    Root->SetStateFlag(csReading, true);
    SetComponentName(Root, given ? UniqueRootName(Root, name) : name);
    Root->ReadState(this);
    Root->SetStateFlag(csReading, false);
    FixupReferences();
    for (std::size_t i = 0; i < FLoaded.size(); ++i) FLoaded[i]->Loaded();
  } catch (...) {
    for (TComponent* c : FLoaded) {
      c->SetStateFlag(csLoading, false);
      c->SetStateFlag(csReading, false);
    }
    FreeCreatedSince(mark);
    if (given && given->GetName() != oldName) given->SetName(oldName);
    EndReferences();
    throw;
  }
  EndReferences();
  return Root;
}

void TReader::ReadCollection(TCollection* Collection) {
  TNestingGuard nest = Nest();
  Collection->BeginUpdate();
  struct TEnd {
    TCollection* c;
    ~TEnd() { c->EndUpdate(); }
  } end{Collection};
  if (!EndOfList()) {
    for (int32_t i = 0; i < Collection->GetCount(); ++i) ForgetAnchor(Collection->GetItem(i));
    Collection->Clear();
  }
  const std::string base = FPropPath;
  while (!EndOfList()) {
    if (IsIntegerTag(NextValue())) ReadInt64();
    TCollectionItem* item = Collection->Add();
    TRestore<std::string> path(FPropPath, Format("%s[%d]", {base, Collection->GetCount() - 1}));
    WatchItems();
    FAnchors.push_back(item);
    struct TPop {
      std::vector<TPersistent*>& a;
      ~TPop() { a.pop_back(); }
    } pop{FAnchors};
    TNestingGuard itemNest = Nest();
    ReadListBegin();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
  }
  ReadListEnd();
}

// ------------------------------------------------------------ properties

void TReader::HandlePropertyError(const std::string& Message) {
  bool handled = false;
  if (FCanHandleExcepts && OnError) OnError(this, Message, handled);
  if (!handled) throw EPropertyReadError(Message);
}

void TReader::ReadProperty(TPersistent* Instance) {
  const std::string name = ReadStr();
  const int64_t valueStart = GetPosition();
  std::string message;
  {
    TRestore<std::string> path(FPropPath, FPropPath + "." + name);
    try {
      ReadPropPath(Instance, name);
      return;
    } catch (const EPropertyReadError&) {
      throw;  // named and offered to OnError where it happened
    } catch (const Exception& e) {
      message = Format(SPropertyException, {FPropPath, e.Message()});
    }
  }
  HandlePropertyError(message);
  SetPosition(valueStart);
  SkipValue();
}

void TReader::ReadPropPath(TPersistent* Instance, const std::string& Name) {
  TPersistent* target = Instance;
  std::string_view rest = Name;
  for (std::size_t dot = rest.find('.'); dot != std::string_view::npos; dot = rest.find('.')) {
    const TPropInfo* prop = GetPropInfo(target->ClassType(), rest.substr(0, dot));
    auto* next = prop && prop->IsNestedObject() ? dynamic_cast<TPersistent*>(GetObjectProp(target, *prop)) : nullptr;
    if (!next) {
      // A kept property may have a dotted name of its own (Margins.Left of a
      // later library's control): the host has no object for its first part.
      if (!ReadKeptProperty(*this, target, rest, Name)) throw EReadError(SUnknownProperty, {Name});
      NoteRead(target, rest);
      return;
    }
    // The object holding the nested one keeps its place in the file's order
    // (Glyph of Glyph.Data, Margins of Margins.Left).
    if (target == Instance) {
      NotePropertyRead(Instance, rest.substr(0, dot));
      t_outerInstance = Instance;
      t_outerName.assign(rest.substr(0, dot));
    }
    target = next;
    rest.remove_prefix(dot + 1);
  }
  if (const TPropInfo* prop = GetPropInfo(target->ClassType(), rest))
    ReadPropValue(target, *prop);
  else if (!ReadCustomProperty(target, std::string(rest)) && !ReadKeptProperty(*this, target, rest, Name))
    throw EReadError(SUnknownProperty, {Name});
  NoteRead(target, rest);
}

bool TReader::ReadCustomProperty(TPersistent* Instance, const std::string& Name) {
  TRestore<std::string> name(FDefineName, Name);
  TRestore<bool> found(FDefineFound, false);
  TRestore<bool> handle(FCanHandleExcepts, false);
  // Custom data may span several values, so an error inside it cannot be
  // skipped: it is named here and never offered to OnError.
  try {
    Instance->DefineProperties(this);
  } catch (const EPropertyReadError&) {
    throw;
  } catch (const Exception& e) {
    throw EPropertyReadError(SPropertyException, {FPropPath, e.Message()});
  }
  return FDefineFound;
}

void TReader::DefineProperty(const std::string& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (FDefineFound || !ReadData || !AnsiSameText(Name, FDefineName)) return;
  FDefineFound = true;
  ReadData(this);
}

void TReader::DefineBinaryProperty(const std::string& Name, TStreamProc ReadData, TStreamProc, bool) {
  if (FDefineFound || !ReadData || !AnsiSameText(Name, FDefineName)) return;
  FDefineFound = true;
  const std::vector<uint8_t> bytes = ReadBinary();
  TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
  if (!bytes.empty()) data->WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  data->SetPosition(0);
  ReadData(data.get());
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  if (Prop.IsNestedObject()) return ReadNestedObject(Instance, Prop);
  if (!Prop.IsWritable()) throw EReadError("Property %s is read-only", {Prop.Name});
  switch (Prop.Kind()) {
    case tkInteger:
    case tkInt64:
      if (NextValue() == vaIdent) return SetOrdProp(Instance, Prop, IntegerFromIdent(ReadIdent(), Prop));
      return SetOrdProp(Instance, Prop, ReadInt64());
    case tkChar:
      return SetOrdProp(Instance, Prop, static_cast<unsigned char>(ReadChar()));
    case tkEnumeration: {
      const std::string ident = ReadIdent();
      const int32_t value = GetEnumValue(Prop.PropType, ident);
      if (value < 0) RaiseNotAValue(ident, Prop);
      return SetOrdProp(Instance, Prop, value);
    }
    case tkSet:
      return SetOrdProp(Instance, Prop, NamesToSet(Prop.PropType, ReadSet()));
    case tkFloat:
      return SetPropValue(Instance, Prop,
                          Prop.PropType->FloatType == ftCurr ? Variant(ReadCurrency()) : Variant(ReadFloat()));
    case tkLString:
      return SetPropValue(Instance, Prop, Variant(ReadString()));
    case tkWString:
      return SetPropValue(Instance, Prop, Variant(ReadWideString()));
    case tkVariant:
      return SetPropValue(Instance, Prop, ReadVariant());
    case tkClass:
      return ReadReference(Instance, Prop);
    default:
      throw EReadError("Property %s cannot be read", {Prop.Name});
  }
}

void TReader::ReadNestedObject(TPersistent* Instance, const TPropInfo& Prop) {
  TObject* obj = GetObjectProp(Instance, Prop);
  const TValueType t = ReadValue();
  if (t == vaNil) return;
  auto* collection = dynamic_cast<TCollection*>(obj);
  if (t != vaCollection || !collection) RaiseUnexpected(t, collection ? "a collection" : "nested properties");
  ReadCollection(collection);
}

void TReader::ReadReference(TPersistent* Instance, const TPropInfo& Prop) {
  if (NextValue() == vaNil) {
    ReadValue();
    return SetObjectProp(Instance, Prop, nullptr);
  }
  const TValueType t = NextValue();
  if (t != vaIdent) {
    ReadValue();
    RaiseUnexpected(t, "a component name");
  }
  TFixup fixup{Instance, &Prop, ReadIdent(), FPropPath, FAnchors};
  if (FReferenceLevel > 0)
    FFixups.push_back(std::move(fixup));
  else
    ApplyFixup(fixup);
}

// -------------------------------------------------------------- references

void TReader::BeginReferences() { ++FReferenceLevel; }

void TReader::EndReferences() {
  if (FReferenceLevel > 0 && --FReferenceLevel == 0) {
    FFixups.clear();
    FLoaded.clear();
    FLoadedSet.clear();
    FCreated.clear();
    if (FGuard) FGuard->Release();
    FreeAndNil(FGuard);
  }
}

TComponent* TReader::FindReference(const std::string& Name) const {
  TComponent* root = GetRoot();
  if (!root || Name.empty()) return nullptr;
  if (AnsiSameText(root->GetName(), Name)) return root;
  return root->FindComponent(Name);
}

void TReader::ApplyFixup(const TFixup& Fixup) {
  std::string name = Fixup.Name;
  if (OnReferenceName) OnReferenceName(this, name);
  std::string message;
  try {
    TComponent* target = FindReference(name);
    if (!target) throw EReadError(SUnresolvedReference, {name});
    SetObjectProp(Fixup.Instance, *Fixup.Prop, target);
    return;
  } catch (const Exception& e) {
    message = Format(SPropertyException, {Fixup.Path, e.Message()});
  }
  HandlePropertyError(message);
}

void TReader::FixupReferences() {
  // A setter run by a fixup may free components; the guard then drops their
  // fixups, so the list is consumed from the front one entry at a time.
  while (!FFixups.empty()) {
    TFixup fixup = std::move(FFixups.front());
    FFixups.pop_front();
    ApplyFixup(fixup);
  }
}

}  // namespace host
