// The property-to-property connection.
//
// TkelP2PConnection keeps a property of its Target equal to a property of its
// Source. Connecting copies the source property to the target once; after
// that an optional event of the Source copies source -> target and an
// optional event of the Target copies target -> source, which makes the link
// two-way. The Updating flag stops a copy from echoing back, and a failing
// copy raises "Exception "<message>" occured in connection <Name>".
//
// Choices made here:
//  * The two sides share one implementation: a side holds the property name,
//    its cached record, its index array, the event name and its cached
//    record, and its listener; the setters and both copy directions work on
//    a side.
//  * A copy whose source or target property no longer resolves fails like
//    any other copy: the wrapped message then says what is wrong, for
//    example "Exception "TargetProperty 'Bogus' is not a property of Lamp2"
//    occured in connection P2P1".
//  * An exception that is not a host Exception passes unchanged, but it also
//    resets Updating.
//  * When a copy's write destroys the connection itself, the copy stops
//    without touching it.
//  * Connect on a connection that is already connected attaches its
//    listeners again in place of the old attachments (never twice).
#pragma once

#include <string>
#include <vector>

#include "connections/kelconlist.h"

namespace kel {

class TkelP2PConnection : public TkelConnection {
  HOST_CLASS(TkelP2PConnection, TkelConnection)
  explicit TkelP2PConnection(host::TComponent* AOwner);

  // Published after Source and Target, in stream order: SourceProperty,
  // SourceEvent, TargetProperty, TargetEvent. The two index properties are
  // published but never stored as properties. While loading the setters only
  // store; otherwise a name that does not fit is put back and raises
  // EkelInvalidFeature. An empty event name is always accepted.
  const std::string& GetSourceProperty() const { return FSides[kSource].Property; }
  void SetSourceProperty(const std::string& Value) { SetSideProperty(kSource, Value); }
  const host::Variant& GetSourcePropertyIndex() const { return FSides[kSource].PropertyIndex; }
  void SetSourcePropertyIndex(const host::Variant& Value) { SetSideIndex(kSource, Value); }
  const std::string& GetSourceEvent() const { return FSides[kSource].Event; }
  void SetSourceEvent(const std::string& Value) { SetSideEvent(kSource, Value); }
  const std::string& GetTargetProperty() const { return FSides[kTarget].Property; }
  void SetTargetProperty(const std::string& Value) { SetSideProperty(kTarget, Value); }
  const host::Variant& GetTargetPropertyIndex() const { return FSides[kTarget].PropertyIndex; }
  void SetTargetPropertyIndex(const host::Variant& Value) { SetSideIndex(kTarget, Value); }
  const std::string& GetTargetEvent() const { return FSides[kTarget].Event; }
  void SetTargetEvent(const std::string& Value) { SetSideEvent(kTarget, Value); }
  TkelListener* GetSourceListener() const { return FSides[kSource].Listener; }
  TkelListener* GetTargetListener() const { return FSides[kTarget].Listener; }
  // True while a copy is in progress.
  bool GetUpdating() const { return FUpdating; }

  // The feature records, cached while their descriptor and name still match;
  // null when they do not resolve.
  TkelPropertyInfo* GetSourcePropertyInfo() { return PropertyInfo(kSource); }
  TkelPropertyInfo* GetTargetPropertyInfo() { return PropertyInfo(kTarget); }
  TkelEventInfo* GetSourceEventInfo() { return EventInfo(kSource); }
  TkelEventInfo* GetTargetEventInfo() { return EventInfo(kTarget); }

  // Outside the designer: attaches the listeners of the events that resolve
  // and copies source -> target once.
  bool Connect() override;
  void Unconnect() override;
  // Also names a read-only target (or, linked both ways, source), index
  // values that do not fit, and two published properties of different kinds.
  std::vector<std::string> Diagnose() override;
  void DefineProperties(host::TFiler* Filer) override;

  // The listeners' handlers: outside the designer, a firing whose Sender is
  // the object described by that side's descriptor copies to the other side.
  void SourcePropertyChange(host::TObject* Sender, TkelEventInfo* EventInfo);
  void TargetPropertyChange(host::TObject* Sender, TkelEventInfo* EventInfo);
  // The two copy directions.
  void SetTargetValue() { Copy(kSource, kTarget, GetSourceEvent()); }
  void SetSourceValue() { Copy(kTarget, kSource, GetTargetEvent()); }

 protected:
  ~TkelP2PConnection() override = default;
  void Destroy() override;

 private:
  void DiagnoseKinds(std::vector<std::string>& Problems);
  enum TSideIndex { kSource, kTarget };
  struct TSide {
    std::string Property;
    TkelFeatureCache<TkelPropertyInfo> PropertyInfo;
    host::Variant PropertyIndex;
    std::string Event;
    TkelFeatureCache<TkelEventInfo> EventInfo;
    TkelListener* Listener = nullptr;
  };

  TkelComponentLink& Link(TSideIndex Side) { return Side == kSource ? SourceLink() : TargetLink(); }
  TkelPropertyInfo* PropertyInfo(TSideIndex Side);
  TkelEventInfo* EventInfo(TSideIndex Side);
  void SetSideProperty(TSideIndex Side, const std::string& Value);
  void SetSideIndex(TSideIndex Side, const host::Variant& Value);
  void SetSideEvent(TSideIndex Side, const std::string& Value);
  void Listen(TSideIndex Side);
  void Changed(TSideIndex Side, host::TObject* Sender);
  // Copies the property of From to the property of To; Event names the cause
  // for the trace.
  void Copy(TSideIndex From, TSideIndex To, const std::string& Event);
  void Transfer(TSideIndex From, TSideIndex To, const std::string& Event);

  TSide FSides[2];
  bool FUpdating = false;
};

namespace kelp2p {
// Registers the property-to-property connection with the host's class
// registry and published-property tables. Finalize undoes it.
void Initialize();
void Finalize();
}  // namespace kelp2p

}  // namespace kel
