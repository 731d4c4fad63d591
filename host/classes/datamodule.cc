#include "host/classes/datamodule.h"

#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"

namespace host {

HOST_IMPL(TDataModule, TComponent)

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {}

TDataModule::TDataModule(TComponent* AOwner, int32_t /*Dummy*/) : TComponent(AOwner) {}

void TDataModule::GetChildren(TGetChildProc Proc, TComponent* /*Root*/) {
  for (int i = 0; i < GetComponentCount(); ++i)
    if (!GetComponents(i)->HasParent()) Proc(GetComponents(i));
}

// The classic module reports a failing OnCreate / OnDestroy to the
// application instead of failing the construction or destruction; without an
// application object the failure is dropped.
void TDataModule::Run(TNotifyEvent& Event) {
  if (!Event) return;
  try {
    Event(this);
  } catch (const Exception&) {
  }
}

void TDataModule::AfterConstruction() {
  inherited::AfterConstruction();
  Run(OnCreate);
}

void TDataModule::BeforeDestruction() {
  Run(OnDestroy);
  inherited::BeforeDestruction();
}

void RegisterDataModuleClasses() {
  RegisterProperties(
      &TDataModule::StaticMetaClass,
      // Stored always, as the classic data module stores it.
      {Prop<&TDataModule::GetOldCreateOrder, &TDataModule::SetOldCreateOrder>("OldCreateOrder")});
  RegisterClass(&TDataModule::StaticMetaClass);
}

void UnregisterDataModuleClasses() {
  UnregisterProperties(&TDataModule::StaticMetaClass);
  UnRegisterClass(&TDataModule::StaticMetaClass);
}

}  // namespace host
