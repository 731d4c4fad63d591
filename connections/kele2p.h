// The event-to-property connection.
//
// TkelE2PConnection assigns a property of its Target whenever an event of its
// Source fires. The value assigned is a constant text, the current value of a
// property of a third component (the value component), or a parameter of
// the firing event, as ValueOptions says. Both the target property and the
// value component's property may be indexed; their index values are kept in
// index arrays streamed as "TargetPropertyIndexes" and
// "ValueComponentPropertyIndexes".
//
// Choices made here:
//  * When the event fires and a feature the assignment needs no longer
//    resolves (the target property, or the value component, its property or
//    the event parameter ValueOptions asks for), the handler raises
//    host::Exception "Connection <Name>: <what is wrong>" with the first
//    problem Diagnose names, instead of touching a missing record.
//  * The feature-record caches are also dropped by Unconnect, which runs
//    whenever a referenced component changes or goes away, so a record is
//    never taken for a descriptor that merely reuses a freed one's address.
//  * Connect on a connection that is already connected attaches its listener
//    again in place of the old attachment (never twice).
#pragma once

#include <string>
#include <vector>

#include "connections/kelconlist.h"

namespace kel {

class TkelE2PConnection : public TkelConnection {
  HOST_CLASS(TkelE2PConnection, TkelConnection)
  explicit TkelE2PConnection(host::TComponent* AOwner);

  // Published after Source and Target, in stream order: SourceEvent,
  // TargetProperty, ValueComponent, ValueComponentProperty,
  // ValueEventParameter, ValueConstant, ValueOptions. The two index
  // properties are published but never stored as properties.
  // Name setters store without checks while loading; otherwise they check
  // the name against the descriptors, and a rejected name is put back and
  // raises EkelInvalidFeature.
  const std::string& GetSourceEvent() const { return FSourceEvent; }
  // Also empties ValueEventParameter (while loading too, and even when the
  // new name is rejected).
  void SetSourceEvent(const std::string& Value);
  const std::string& GetTargetProperty() const { return FTargetProperty; }
  // Gives TargetPropertyIndex a fresh array (one element when cleared).
  void SetTargetProperty(const std::string& Value);
  const host::Variant& GetTargetPropertyIndex() const { return FTargetPropertyIndex; }
  // Checked against the property's index count; a copy is stored.
  void SetTargetPropertyIndex(const host::Variant& Value);
  host::TComponent* GetValueComponent() const { return FValueComponent.Component; }
  // Acceptance check; a change clears the old one and calls Unconnect.
  void SetValueComponent(host::TComponent* Value);
  const std::string& GetValueComponentProperty() const { return FValueComponentProperty; }
  void SetValueComponentProperty(const std::string& Value);
  const host::Variant& GetValueComponentPropertyIndex() const { return FValueComponentPropertyIndex; }
  void SetValueComponentPropertyIndex(const host::Variant& Value);
  const std::string& GetValueEventParameter() const { return FValueEventParameter; }
  void SetValueEventParameter(const std::string& Value);
  const std::string& GetValueConstant() const { return FValueConstant; }
  void SetValueConstant(const std::string& Value) { FValueConstant = Value; }
  TkelValueOptions GetValueOptions() const { return FValueOptions; }
  void SetValueOptions(TkelValueOptions Value) { FValueOptions = Value; }
  TkelListener* GetListener() const { return FListener; }

  // The feature records, cached while their descriptor and name still match;
  // null when they do not resolve.
  TkelEventInfo* GetSourceEventInfo() { return FSourceEventInfo.Get(GetSourceInfo(), FSourceEvent); }
  TkelPropertyInfo* GetTargetPropertyInfo() { return FTargetPropertyInfo.Get(GetTargetInfo(), FTargetProperty); }
  TkelClassInfo* GetValueComponentInfo() { return FValueComponent.GetInfo(); }
  TkelPropertyInfo* GetValueComponentPropertyInfo() {
    return FValueComponentPropertyInfo.Get(GetValueComponentInfo(), FValueComponentProperty);
  }
  // Looked up on every call.
  TkelParameterInfo* GetValueEventParameterInfo();

  bool Connect() override;
  void Unconnect() override;
  std::vector<std::string> Diagnose() override;
  // The base handling, then clears a removed ValueComponent and calls
  // Unconnect.
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  void DefineProperties(host::TFiler* Filer) override;

  // The listener's handler: applies both index arrays, then assigns the
  // target property with the value ValueOptions names.
  void OnSourceEvent(host::TObject* Sender, TkelEventInfo* EventInfo);

 protected:
  ~TkelE2PConnection() override = default;
  void Destroy() override;

 private:
  // The value to assign, read as ValueOptions says.
  host::Variant Value();
  [[noreturn]] void RaiseBroken();
  void ClearCaches();

  std::string FSourceEvent;
  TkelFeatureCache<TkelEventInfo> FSourceEventInfo;
  std::string FTargetProperty;
  TkelFeatureCache<TkelPropertyInfo> FTargetPropertyInfo;
  host::Variant FTargetPropertyIndex;
  TkelComponentLink FValueComponent;
  std::string FValueComponentProperty;
  TkelFeatureCache<TkelPropertyInfo> FValueComponentPropertyInfo;
  host::Variant FValueComponentPropertyIndex;
  std::string FValueEventParameter;
  std::string FValueConstant;
  TkelValueOptions FValueOptions = voConstant;
  TkelListener* FListener;
};

namespace kele2p {
// Registers the event-to-property connection with the host's class registry
// and published-property tables. Finalize undoes it.
void Initialize();
void Finalize();
}  // namespace kele2p

}  // namespace kel
