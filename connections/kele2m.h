// The event-to-method connection and its parameter bindings.
//
// TkelE2MConnection calls a method of its Target whenever an event of its
// Source fires. Every parameter of the method has one binding
// (TkelParameterConnection) saying where its value comes from: a constant
// text, a property of some component, or a parameter of the event. After the
// call the values flow back through the same bindings, so output parameters
// reach the bound component property or event parameter (and from there the
// event's caller).
//
// Choices made here:
//  * A binding that does not resolve when the event fires (no method
//    parameter of its name, no component, no component property, no event
//    parameter) raises host::Exception naming the connection and the binding,
//    e.g. "Connection E2M1: parameter binding 'Index' has no component
//    property", instead of being skipped silently; a target method that no
//    longer resolves raises likewise. Bindings handled before the failing one
//    keep the values they set.
//  * The bindings read from a form file belong to the TargetMethod read with
//    them: when loading ends, the collection's MethodName is set to that name
//    (when bindings were read), so assigning the unchanged TargetMethod
//    afterwards keeps them, while any other name (also the empty one)
//    rebuilds them.
//  * Connect on a connection that is already connected attaches its listener
//    again in place of the old attachment (never twice).
//  * When the method called by a connection destroys the connection itself,
//    the handler stops right after the call.
#pragma once

#include <string>

#include "connections/kelconlist.h"
#include "host/classes/collections.h"

namespace kel {

class TkelE2MConnection;
class TkelParameterConnections;

// ------------------------------------------------- TkelParameterConnection

// One binding: where the value of one method parameter comes from.
class TkelParameterConnection : public host::TCollectionItem {
  HOST_CLASS(TkelParameterConnection, host::TCollectionItem)
  explicit TkelParameterConnection(host::TCollection* Collection);

  // Published, in stream order: ParameterName, Component, ComponentProperty,
  // EventParameter, Constant, Options; then the custom entry
  // "ComponentPropertyIndexes". ComponentPropertyIndex is published but never
  // stored as a property.
  const std::string& GetParameterName() const { return FParameterName; }
  void SetParameterName(const std::string& Value);
  host::TComponent* GetComponent() const { return FComponent.Component; }
  // Acceptance check; a change clears ComponentProperty (the field only) and
  // calls the connection's Unconnect; the connection watches the new one.
  void SetComponent(host::TComponent* Value);
  const std::string& GetComponentProperty() const { return FComponentProperty; }
  // Validated against the component's descriptor when not loading; sets a
  // fresh index array (one element when cleared). Raises EkelInvalidFeature.
  void SetComponentProperty(const std::string& Value);
  const host::Variant& GetComponentPropertyIndex() const { return FComponentPropertyIndex; }
  // Validated against the property's index count when not loading; a copy is
  // stored. Raises EkelInvalidFeature and keeps the previous array.
  void SetComponentPropertyIndex(const host::Variant& Value);
  const std::string& GetEventParameter() const { return FEventParameter; }
  // Validated against the connection's source event when not loading.
  void SetEventParameter(const std::string& Value);
  const std::string& GetConstant() const { return FConstant; }
  void SetConstant(const std::string& Value);
  TkelValueOptions GetOptions() const { return FOptions; }
  void SetOptions(TkelValueOptions Value) { FOptions = Value; }

  // The owning connection (through a TkelParameterConnections collection);
  // null otherwise.
  TkelE2MConnection* GetConnection() const;
  // Looked up on every call (the property record is kept while it is
  // valid); null when they do not resolve.
  TkelParameterInfo* GetParameterInfo() const;
  TkelClassInfo* GetComponentInfo() { return FComponent.GetInfo(); }
  TkelPropertyInfo* GetComponentPropertyInfo();
  TkelParameterInfo* GetEventParameterInfo() const;

  // ParameterName, or the host's default when it is empty.
  std::string GetDisplayName() override;
  void DefineProperties(host::TFiler* Filer) override;

 protected:
  ~TkelParameterConnection() override = default;

 private:
  friend class TkelE2MConnection;
  // The binding has a connection that is not loading.
  bool Validating() const;

  std::string FParameterName;
  TkelComponentLink FComponent;
  std::string FComponentProperty;
  host::Variant FComponentPropertyIndex;
  std::string FEventParameter;
  std::string FConstant;
  host::Variant FConstantValue = host::Variant(std::string());  // FConstant as the string Variant passed
  TkelValueOptions FOptions = voConstant;
  TkelFeatureCache<TkelPropertyInfo> FComponentPropertyRecord;
  // The record of ParameterName in the method record it was last found in
  // (held, so that no other record can take that address meanwhile).
  TkelRecordRef<TkelMethodInfo> FParameterMethod;
  TkelParameterInfo* FParameterRecord = nullptr;
};

// ------------------------------------------------ TkelParameterConnections

class TkelParameterConnections : public host::TCollection {
  HOST_CLASS(TkelParameterConnections, host::TCollection)
  explicit TkelParameterConnections(TkelE2MConnection* Owner);

  // The method the bindings were last built for; not persisted.
  std::string MethodName;
  TkelE2MConnection* GetOwnerConnection() const { return FOwnerConnection; }

  TkelParameterConnection* Add();
  TkelParameterConnection* GetItem(int Index) const;
  void SetItem(int Index, TkelParameterConnection* Value);
  host::TPersistent* GetOwner() override;
  // Rebuilds the bindings: one default binding per argument of Method, in
  // declaration order (none, and an empty MethodName, without a method).
  void Init(TkelMethodInfo* Method);

 protected:
  ~TkelParameterConnections() override = default;

 private:
  TkelE2MConnection* FOwnerConnection;
};

// ------------------------------------------------------- TkelE2MConnection

class TkelE2MConnection : public TkelConnection {
  HOST_CLASS(TkelE2MConnection, TkelConnection)
  explicit TkelE2MConnection(host::TComponent* AOwner);

  // Published after Source and Target: SourceEvent, TargetMethod,
  // TargetMethodParameters.
  const std::string& GetSourceEvent() const { return FSourceEvent; }
  // Stores Value (unvalidated) and empties every binding's EventParameter.
  void SetSourceEvent(const std::string& Value);
  const std::string& GetTargetMethod() const { return FTargetMethod; }
  // Stores Value (unvalidated); rebuilds the bindings when Value differs from
  // the collection's MethodName.
  void SetTargetMethod(const std::string& Value);
  TkelParameterConnections* GetTargetMethodParameters() const { return FTargetMethodParameters; }
  TkelListener* GetListener() const { return FListener; }

  // The records of SourceEvent and TargetMethod in the current descriptors
  // (kept while valid, so a firing looks nothing up); null when they do not
  // resolve.
  TkelEventInfo* GetSourceEventInfo();
  TkelMethodInfo* GetTargetMethodInfo();

  bool Connect() override;
  void Unconnect() override;
  std::vector<std::string> Diagnose() override;
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  void Loaded() override;

  // Empty, or the chain of connected relays (of this connection's owner) by
  // which the target method fires SourceEvent again: the method fires the
  // event named after it, that event's relays call further methods, and so
  // on.
  std::string RelayLoopProblem();

  // The listener's handler: argument phase, call, write-back phase.
  void OnSourceEvent(host::TObject* Sender, TkelEventInfo* EventInfo);

 protected:
  ~TkelE2MConnection() override = default;
  void Destroy() override;

 private:
  friend class TkelParameterConnection;

  // The argument and write-back steps of one binding.
  void PassArgument(TkelParameterConnection& Binding, TkelParameterInfo& Parameter);
  void TakeResult(TkelParameterConnection& Binding, TkelParameterInfo& Parameter);
  TkelParameterInfo& ParameterOf(TkelParameterConnection& Binding, TkelMethodInfo& Method);
  // Reports the call about to be made (with its arguments) to the trace.
  void Trace(TkelMethodInfo& Method);
  TkelPropertyInfo& PropertyOf(TkelParameterConnection& Binding, TkelClassInfo*& Info);

  std::string FSourceEvent;
  std::string FTargetMethod;
  TkelParameterConnections* FTargetMethodParameters;
  TkelListener* FListener;
  TkelFeatureCache<TkelEventInfo> FSourceEventRecord;
  TkelFeatureCache<TkelMethodInfo> FTargetMethodRecord;
};

namespace kele2m {
// Registers the event-to-method connection and its bindings with the host's
// class registry and published-property tables. Finalize undoes it.
void Initialize();
void Finalize();
}  // namespace kele2m

}  // namespace kel
