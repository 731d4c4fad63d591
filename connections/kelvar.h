// The variable component: a non-visual component that holds one object of a
// chosen class and presents it to the connections through a descriptor of
// its own.
//
// TkelVariable names the class of the object it may hold (ClassTypeName, any
// class registered with TkelClassRegistry) and supplies its descriptor,
// TkelVariableClassInfo, through IkelObject. That descriptor lists the
// features of the chosen class (the records of an inner descriptor,
// InstanceInfo, which describes the held object), the property Self (the
// held object, readable, writable and published) and the event
// OnInstanceChange(Instance). A connection stores an object into the
// variable by writing Self, reacts when it changes, and reads, writes or calls
// the held object's features through the variable.
//
// Choices made here:
//  * Events of the held object reach the variable's listeners. For every
//    event of the held class the variable descriptor keeps one relay listener
//    on InstanceInfo that passes the firing on to its own listeners (FireEvent
//    on the variable descriptor, so Sender is empty there, as for
//    OnInstanceChange; the event record still carries the held object's
//    arguments, its Sender included). Connections therefore subscribe to the
//    variable descriptor only: their listeners stay when the held object or
//    ClassTypeName changes, fire again whenever the current class has an
//    event of that name, and are removed from a descriptor that lives as long
//    as the variable.
//  * InstanceInfo stops receiving the held object's events (SetOwner(nullptr))
//    before it is replaced (Update), before another object is held, and
//    before it is freed. Several descriptors may hook one object (the
//    registry's own and one per variable that holds it); their hooks form a
//    chain, and a hook may only be taken out from the top of it. So the
//    registry's descriptor of a held object is fetched before the variable
//    hooks it (it then sits below every variable), and a variable that lets
//    go of an object held by variables that hooked it later unhooks those
//    first and hooks them again afterwards.
//  * Features other than Self while no object is held (Instance 0, or
//    InstanceInfo freshly replaced by a change of ClassTypeName) raise
//    host::Exception "Property Caption of TLamp cannot be reached: the
//    variable holds no object!" (likewise "Method Clear of TLamp cannot be
//    called: ..."); nothing is touched.
//  * Self accepts only an object of the class named by ClassTypeName or of a
//    descendant (by class name, without regard to case), or 0; another object
//    raises host::Exception "A TButton cannot be held by a variable of class
//    TLamp!" and a value that is not an integer raises the Variant
//    conversion's error. Nothing changes then.
//  * A held component that is destroyed is dropped (the variable watches it
//    through a free notification): InstanceInfo lets go of it, Instance
//    becomes 0 and OnInstanceChange fires with Instance 0, exactly as if Self
//    had been set to 0. A component merely taken from its owner stays held.
//  * Free called through the variable first lets go of the held object (as
//    Self := 0, OnInstanceChange included) and then frees it, so the variable
//    never keeps an object it freed itself. Any other object that is not a
//    component must stay alive while it is held (the host sends no notice
//    when such an object is freed): set Self to 0 before freeing it.
//  * ClassTypeName "TkelVariable" is refused (a variable's descriptor belongs
//    to its variable, so no inner descriptor can be made for it), as is a
//    class whose descriptor has no Self property.
#pragma once

#include <string>
#include <vector>

#include "core/kelcommon.h"
#include "host/classes/component.h"
#include "host/rtl/object.h"
#include "host/rtl/variants.h"

namespace kel {

// The message of an unregistered ClassTypeName.
inline constexpr char SkelUnknownClass[] = "Unknown class!";

// ------------------------------------------------------ TkelVariableClassInfo

class TkelVariableClassInfo : public TkelClassInfo {
  HOST_CLASS(TkelVariableClassInfo, TkelClassInfo)
  // Creates the inner descriptor for ClassTypeName (Update). Watcher, when
  // given, is the component that receives the free notifications of held
  // components and passes them to InstanceRemoved (the variable does).
  // The feature lists are filled by InitMetaData.
  explicit TkelVariableClassInfo(const std::string& ClassTypeName, host::TComponent* Watcher = nullptr);

  // The held object (null when none); Self reads it as an Int64 address.
  host::TObject* GetInstance() const { return FInstance; }
  // The inner descriptor; its Owner is the held object or null.
  TkelClassInfo* GetInstanceInfo() const { return FInstanceInfo; }
  const std::string& GetClassTypeName() const { return FClassTypeName; }

  // Replaces InstanceInfo by a new descriptor of the class registered for
  // ClassTypeName, without an object; Instance is not changed. Raises
  // Exception "Unknown class!" for an unregistered name (and the errors
  // listed above); nothing changes then. The feature lists keep the old
  // records until the next InitMetaData.
  void Update(const std::string& ClassTypeName);

  void DefineKELProperties(TkelPropertyList& list) override;
  void DefineKELMethods(TkelMethodList& list) override;
  void DefineKELEvents(TkelEventList& list) override;
  // Self is answered here; every other record goes to InstanceInfo.
  host::Variant GetProperty(TkelPropertyInfo* property) override;
  void SetProperty(TkelPropertyInfo* property, const host::Variant& value) override;
  void InvokeMethod(TkelMethodInfo* method) override;

  // Called by the watcher on a removal notice of AComponent. When it is the
  // held object: a destroyed one is dropped (Instance 0, OnInstanceChange
  // fired); one merely taken from its owner stays held and watched.
  void InstanceRemoved(host::TComponent* AComponent);
  // Unhooks the held object without telling anyone (the variable's
  // teardown); Instance is kept.
  void ReleaseInstance();

 protected:
  ~TkelVariableClassInfo() override = default;
  // Unhooks the held object, frees InstanceInfo and the relays.
  void Destroy() override;

 private:
  // Makes InstanceInfo describe Object (may be null), fires OnInstanceChange.
  void ChangeInstance(host::TObject* Object);
  // Hooks Object through InstanceInfo (after letting go of the current one).
  void Hold(host::TObject* Object);
  void Attach(host::TObject* Object);
  // Raises unless an object is held and described.
  void CheckHeld(const TkelFeature* Feature, const char* Kind, const char* Action) const;
  void CheckFits(host::TObject* Object) const;
  void FireInstanceChange();
  void FreeInner();

  std::string FClassTypeName;
  host::TComponent* FWatcher;
  host::TObject* FInstance = nullptr;
  TkelClassInfo* FInstanceInfo = nullptr;  // owned
  std::vector<TkelListener*> FRelays;      // owned; attached to FInstanceInfo
};

// --------------------------------------------------------------- TkelVariable

class TkelVariable : public host::TComponent, public IkelObject {
  HOST_CLASS(TkelVariable, host::TComponent)
  // ClassTypeName "TObject", its descriptor created and initialised.
  explicit TkelVariable(host::TComponent* AOwner);

  // Published after Name and Tag.
  const std::string& GetClassTypeName() const { return FClassTypeName; }
  // Raises Exception "Unknown class!" for a name that is not registered
  // (also while loading); the same name (case-sensitive) does nothing;
  // otherwise the descriptor is rebuilt for the new class.
  void SetClassTypeName(const std::string& Value);
  TkelVariableClassInfo* GetVariableInfo() const { return FVariableInfo.get(); }

  // IkelObject: the variable's own descriptor.
  TkelClassInfo* GetKELClassInfo() override { return FVariableInfo.get(); }
  host::HRESULT QueryInterface(const host::TGUID& iid, void** obj) override;
  int32_t _AddRef() override { return -1; }  // not reference counted
  int32_t _Release() override { return -1; }

  // Drops the held component when it is destroyed.
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  // Acts only on the removal of components it references (linked to it).
  host::TNoticeScope NoticeScope() const override { return host::nsLinkedRemovals; }

 protected:
  // The descriptor is freed with the object (after the teardown): while the
  // variable's removal notices go out, connections may still hold its
  // address.
  ~TkelVariable() override = default;
  // Lets go of the held object, then the component teardown.
  void Destroy() override;

 private:
  std::string FClassTypeName;
  host::TOwned<TkelVariableClassInfo> FVariableInfo;
};

namespace kelvar {
// Registers TkelVariableClassInfo under "TkelVariable" with TkelClassRegistry
// and TkelVariable with the host's class registry and published-property
// tables (for the form stream). Counted by the package; Finalize undoes the
// host registrations (the registry's are released by the core).
void Initialize();
void Finalize();
}  // namespace kelvar

}  // namespace kel
