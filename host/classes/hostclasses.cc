#include "host/classes/hostclasses.h"

#include "host/classes/actions.h"
#include "host/classes/collections.h"
#include "host/classes/component.h"
#include "host/classes/datamodule.h"
#include "host/classes/lists.h"
#include "host/classes/streams.h"
#include "host/classes/strings.h"
#include "host/classes/thread.h"

namespace host {

std::span<const TClass> HostClasses() {
  static constexpr TClass kClasses[] = {
      &TObject::StaticMetaClass,         &TInterfacedObject::StaticMetaClass,
      &TList::StaticMetaClass,           &TThreadList::StaticMetaClass,
      &TInterfaceList::StaticMetaClass,  &TBits::StaticMetaClass,
      &TPersistent::StaticMetaClass,     &TCollectionItem::StaticMetaClass,
      &TCollection::StaticMetaClass,     &TOwnedCollection::StaticMetaClass,
      &TStrings::StaticMetaClass,        &TStringList::StaticMetaClass,
      &TStream::StaticMetaClass,         &THandleStream::StaticMetaClass,
      &TFileStream::StaticMetaClass,     &TCustomMemoryStream::StaticMetaClass,
      &TMemoryStream::StaticMetaClass,   &TStringStream::StaticMetaClass,
      &TResourceStream::StaticMetaClass, &TThread::StaticMetaClass,
      &TComponent::StaticMetaClass,      &TBasicActionLink::StaticMetaClass,
      &TBasicAction::StaticMetaClass,    &TDataModule::StaticMetaClass,
  };
  return kClasses;
}

namespace {
int g_hostClassesCount = 0;
}  // namespace

void RegisterHostClasses() {
  if (g_hostClassesCount++ > 0) return;
  RegisterComponentClasses();
  RegisterActionClasses();
  RegisterDataModuleClasses();
}

void UnregisterHostClasses() {
  if (g_hostClassesCount == 0 || --g_hostClassesCount > 0) return;
  UnregisterDataModuleClasses();
  UnregisterActionClasses();
  UnregisterComponentClasses();
}

}  // namespace host
