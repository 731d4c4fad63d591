#include "tests/host/classes/filer_test_classes.h"

#include <algorithm>
#include "host/classes/hostclasses.h"

namespace filertest {

HOST_IMPL(TFont, TPersistent)
HOST_IMPL(TLine, TCollectionItem)
HOST_IMPL(TGadget, TLoadLogged<TComponent>)
HOST_IMPL(TTestForm, TLoadLogged<TDataModule>)
HOST_IMPL(TBox, TLoadLogged<TComponent>)
HOST_IMPL(TBoxItem, TLoadLogged<TComponent>)
HOST_IMPL(TPicky, TComponent)

std::vector<std::string>& LoadedLog() {
  static std::vector<std::string> log;
  return log;
}

// ------------------------------------------------------------------ TGadget

TGadget::TGadget(TComponent* AOwner)
    : inherited(AOwner),
      FLines(New<TStringList>()),
      FItems(New<TCollection>(&TLine::StaticMetaClass)),
      FFont(New<TFont>()) {}

void TGadget::Destroy() {
  FreeAndNil(FLines);
  FreeAndNil(FItems);
  FreeAndNil(FFont);
  inherited::Destroy();
}

void TGadget::SetBuddy(TComponent* v) {
  if (FBuddy) RemoveFreeNotification(FBuddy);
  FBuddy = v;
  if (FBuddy) FreeNotification(FBuddy);
}

void TGadget::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FBuddy) FBuddy = nullptr;
}

void TGadget::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  auto read = [this](TReader* Reader) {
    std::vector<std::string> items;
    Reader->ReadListBegin();
    while (!Reader->EndOfList()) items.push_back(Reader->ReadString());
    Reader->ReadListEnd();
    FIndexes = VarArrayCreate({0, static_cast<int32_t>(items.size()) - 1});
    for (std::size_t i = 0; i < items.size(); ++i) VarArrayPut(FIndexes, Variant(items[i]), {static_cast<int32_t>(i)});
  };
  auto write = [this](TWriter* Writer) {
    Writer->WriteListBegin();
    for (int32_t i = 0; i <= VarArrayHighBound(FIndexes, 1); ++i)
      Writer->WriteString(VarToStr(VarArrayGet(FIndexes, {i})));
    Writer->WriteListEnd();
  };
  Filer->DefineProperty("Indexes", read, write, FIndexes.IsArray());
}

// ---------------------------------------------------------------- TTestForm

void TTestForm::Loaded() {
  FLoadedState = GetComponentState().Contains(csLoading) ? 1 : 0;
  inherited::Loaded();
}

// --------------------------------------------------------------------- TBox

void TBox::GetChildren(TGetChildProc Proc, TComponent* Root) {
  for (TBoxItem* item : FItems)
    if (item->GetOwner() == Root) Proc(item);
}

void TBox::Destroy() {
  while (!FItems.empty()) FItems.back()->SetBox(nullptr);
  inherited::Destroy();
}

void TBoxItem::SetBox(TBox* Value) {
  if (FBox) std::erase(FBox->FItems, this);
  FBox = Value;
  if (FBox) FBox->FItems.push_back(this);
}

void TBoxItem::SetParentComponent(TComponent* Value) {
  if (GetComponentState().Contains(csReading)) FParentSeenWhileReading = dynamic_cast<TBox*>(Value);
  if (auto* box = dynamic_cast<TBox*>(Value)) SetBox(box);
}

void TBoxItem::Destroy() {
  SetBox(nullptr);
  inherited::Destroy();
}

void TPicky::SetBuddy(TComponent* v) {
  if (v && v->GetName() != "Good") throw Exception("Buddy %s refused", {v->GetName()});
  FBuddy = v;
  FLoadingAtSet = GetComponentState().Contains(csLoading);
}

// ------------------------------------------------------------- registration

namespace {

int registrations = 0;

// The classes a test form may name, and those with registered properties.
constexpr TClass kStreamedClasses[] = {&TGadget::StaticMetaClass, &TTestForm::StaticMetaClass,
                                       &TBox::StaticMetaClass,    &TBoxItem::StaticMetaClass,
                                       &TPicky::StaticMetaClass,  &TLine::StaticMetaClass};
constexpr TClass kPropertyClasses[] = {&TFont::StaticMetaClass, &TLine::StaticMetaClass, &TGadget::StaticMetaClass,
                                       &TPicky::StaticMetaClass};

}  // namespace

void RegisterTestClasses() {
  RegisterHostClasses();
  if (registrations++ > 0) return;
  RegisterProperties(&TFont::StaticMetaClass, {
                                                  Prop<&TFont::GetSize, &TFont::SetSize>("Size").Default(10),
                                                  Prop<&TFont::GetFace, &TFont::SetFace>("Face"),
                                              });
  RegisterProperties(&TLine::StaticMetaClass, {
                                                  Prop<&TLine::FText, &TLine::FText>("Text"),
                                                  Prop<&TLine::FWidth, &TLine::FWidth>("Width").Default(0),
                                                  Prop<&TLine::GetTarget, &TLine::SetTarget>("Target"),
                                              });
  RegisterProperties(&TGadget::StaticMetaClass,
                     {
                         Prop<&TGadget::FSmall, &TGadget::FSmall>("Small").Default(0),
                         Prop<&TGadget::FByte, &TGadget::FByte>("Byte").Default(0),
                         Prop<&TGadget::FShort, &TGadget::FShort>("Short").Default(0),
                         Prop<&TGadget::FWord, &TGadget::FWord>("Word").Default(0),
                         Prop<&TGadget::FCount, &TGadget::FCount>("Count").Default(5),
                         Prop<&TGadget::FBig, &TGadget::FBig>("Big").Default(0),
                         Prop<&TGadget::FShade, &TGadget::FShade>("Shade").Default(shGreen),
                         Prop<&TGadget::FEnabled, &TGadget::FEnabled>("Enabled").Default(true),
                         Prop<&TGadget::FShades, &TGadget::FShades>("Shades").Default(TShades{shRed}),
                         Prop<&TGadget::FCaption, &TGadget::FCaption>("Caption"),
                         Prop<&TGadget::FWide, &TGadget::FWide>("Wide"),
                         Prop<&TGadget::FRatio, &TGadget::FRatio>("Ratio"),
                         Prop<&TGadget::FSingle, &TGadget::FSingle>("Single"),
                         Prop<&TGadget::FPrice, &TGadget::FPrice>("Price"),
                         Prop<&TGadget::FLetter, &TGadget::FLetter>("Letter").Default('a'),
                         Prop<&TGadget::FExtra, &TGadget::FExtra>("Extra"),
                         Prop<&TGadget::GetBuddy, &TGadget::SetBuddy>("Buddy"),
                         Prop<&TGadget::GetLines>("Lines"),
                         Prop<&TGadget::GetItems>("Items"),
                         Prop<&TGadget::GetFont>("Font"),
                         Prop<&TGadget::GetReadOnlyFlag>("ReadOnlyFlag"),
                     });
  RegisterProperties(&TPicky::StaticMetaClass, {Prop<&TPicky::GetBuddy, &TPicky::SetBuddy>("Buddy")});
  for (TClass c : kStreamedClasses) RegisterClass(c);
}

void UnregisterTestClasses() {
  if (registrations == 0 || --registrations > 0) {
    UnregisterHostClasses();
    return;
  }
  for (TClass c : kPropertyClasses) UnregisterProperties(c);
  for (TClass c : kStreamedClasses) UnRegisterClass(c);
  UnRegisterClass(&TCollectionItem::StaticMetaClass);
  UnregisterHostClasses();
}

}  // namespace filertest
