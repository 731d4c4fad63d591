// The connection base and the connection list.
//
// A connection is a non-visual component that wires one component (its
// Source) to another (its Target) through their class descriptors. The
// connections of a form are gathered by a TkelConnectionList, which streams
// them as its nested children and connects them all once the form has been
// loaded (outside the form designer).
//
// Listener bookkeeping: a connection remembers every listener it attached and
// the descriptor (and component) it attached it to. Destroying a connection,
// replacing its Source (or any other watched component) and Unconnect remove
// those listeners from their descriptors, so no descriptor ever keeps the
// listener of a destroyed connection or stays subscribed for a replaced
// component. When the watched component itself is destroyed its descriptor
// goes with it, so the attachment is simply forgotten (the descriptor may
// already be gone and is never touched then).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/kelcommon.h"
#include "core/keltrace.h"
#include "host/classes/component.h"
#include "host/classes/typinfo.h"
#include "host/rtl/sysutils.h"
#include "host/rtl/variants.h"

namespace host {
class TFiler;
class TList;
class TReader;
class TWriter;
}  // namespace host

namespace kel {

// Where a bound value comes from.
enum TkelValueOptions : uint8_t { voConstant, voComponentProperty, voEventProperty };
HOST_ENUM_INFO(TkelValueOptions, "voConstant", "voComponentProperty", "voEventProperty")

// Raised when a feature name or an index array given to a connection does not
// fit the referenced component.
class EkelInvalidFeature : public host::Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EkelInvalidFeature"; }
};

// Raised when connections trigger each other more than kelMaxRelayDepth
// deep (an event calling the method that fires it again, two connections
// calling each other): the relay stops there instead of overflowing the
// stack, and the error reaches the code that fired the first event.
class EkelRelayLoop : public host::Exception {
 public:
  using Exception::Exception;
  const char* ClassName() const override { return "EkelRelayLoop"; }
};
// How many relays through connections may be running inside each other.
inline constexpr int kelMaxRelayDepth = 64;

// The message of the acceptance check.
inline constexpr char SkelNotCorvaneComponent[] = "This is a not Corvane component!";

// A component reference with its cached descriptor. The cache is revalidated
// on every access: it is dropped when it no longer describes the component
// and fetched again from the registry. No new descriptor is fetched for a
// component that is being destroyed (the registry would describe a dying
// object); a valid cached one is still returned, so listeners can be taken
// off it while the component goes away.
struct TkelComponentLink {
  host::TComponent* Component = nullptr;
  TkelClassInfo* Info = nullptr;

  TkelClassInfo* GetInfo() {
    if (Info && Component && Info->GetOwner() == Component) return Info;
    return Refresh();
  }
  TkelClassInfo* Refresh();
  void Clear() {
    Component = nullptr;
    Info = nullptr;
  }
};

// ------------------------------------------------------ shared helpers

// Raises Exception "This is a not Corvane component!" unless Value is empty or
// its exact class name is registered with TkelClassRegistry.
void kelCheckComponent(host::TComponent* Value);

// Stores Value in Field, runs Check and, when Check raises, puts the previous
// value back before the exception propagates: a rejected assignment leaves
// the field unchanged.
template <class T, class F>
void kelAssignChecked(T& Field, T Value, F&& Check) {
  T previous = std::move(Field);
  Field = std::move(Value);
  try {
    Check();
  } catch (...) {
    Field = std::move(previous);
    throw;
  }
}

// Raises EkelInvalidFeature "Invalid <Property> value. <Problem>".
[[noreturn]] void kelRaiseInvalid(const char* Property, const std::string& Problem);

// The setters of names share one shape: unless Value equals Name, store it
// and run Validate, which raises when the new name does not fit; the previous
// name is then put back before the exception propagates.
template <class F>
void kelAssignName(std::string& Name, const std::string& Value, F&& Validate) {
  if (Value != Name) kelAssignChecked(Name, Value, std::forward<F>(Validate));
}

// The messages of one validated name or index array: "Invalid <Property>
// value. <NoComponent>" when its component has no descriptor, "Invalid
// <Property> value. <NoFeature>" when the descriptor does not list the
// feature.
struct TkelFeatureTexts {
  const char* Property;
  const char* NoComponent;
  const char* NoFeature;
};
// The texts the event-to-property and property-to-property connections share.
inline constexpr TkelFeatureTexts kelSourceEventTexts{"SourceEvent", "Unknown Source component",
                                                      "Unknown source event"};
inline constexpr TkelFeatureTexts kelTargetPropertyTexts{"TargetProperty", "Unknown Target component",
                                                         "Unknown target property"};
inline constexpr TkelFeatureTexts kelTargetPropertyIndexTexts{"TargetPropertyIndex", "Unknown Target component",
                                                              "Unknown TargetProperty"};

// The checks behind the name setters. Each asks Link for its descriptor only
// when it needs it and raises EkelInvalidFeature with Texts.
// The fresh index array of the property Name of Link's component: one
// element when Name is empty (not an empty array), otherwise IndexCount
// Unassigned elements.
host::Variant kelPropertyIndexArray(const std::string& Name, TkelComponentLink& Link, const TkelFeatureTexts& Texts);
// Accepts an empty Name or the name of an event of Link's component.
void kelCheckEventName(const std::string& Name, TkelComponentLink& Link, const TkelFeatureTexts& Texts);
// Accepts an empty Name or a parameter of the event named Event of Source's
// component ("Unknown source component", "Unknown SourceEvent", "Unknown
// event parameter name").
void kelCheckEventParameter(const std::string& Name, TkelComponentLink& Source, const std::string& Event,
                            const char* Property);
// Accepts Value as the index array of the property PropertyName of Link's
// component: the component and property checks, then kelIndexArrayProblem.
void kelCheckIndexArray(const host::Variant& Value, TkelComponentLink& Link, const std::string& PropertyName,
                        const TkelFeatureTexts& Texts);

// A feature record looked up by name on a descriptor, held while it was made
// by the current descriptor (not merely one at the same address) and still
// bears the current name (a miss is not kept). Without a descriptor there is
// no record.
template <class R>
class TkelFeatureCache {
 public:
  R* Get(TkelClassInfo* Info, const std::string& Name) {
    if (FRecord && (!FRecord->IsOf(Info) || !kelSameName(FRecord->Name, Name))) FRecord.Reset();
    if (!FRecord && Info) FRecord.Reset(Find(*Info, Name));
    return FRecord.Get();
  }
  // The same for an owner that clears the cache whenever the name changes:
  // only the descriptor is checked.
  R* GetUnchangedName(TkelClassInfo* Info, const std::string& Name) {
    if (FRecord && !FRecord->IsOf(Info)) FRecord.Reset();
    if (!FRecord && Info) FRecord.Reset(Find(*Info, Name));
    return FRecord.Get();
  }
  void Clear() { FRecord.Reset(); }

 private:
  static R* Find(TkelClassInfo& Info, const std::string& Name) {
    if constexpr (std::is_same_v<R, TkelPropertyInfo>)
      return Info.FindProperty(Name);
    else if constexpr (std::is_same_v<R, TkelMethodInfo>)
      return Info.FindMethod(Name);
    else
      return Info.FindEvent(Name);
  }
  TkelRecordRef<R> FRecord;
};

// Index arrays: one-dimensional Variant arrays whose element i is the value
// of a property's i-th index parameter.
// A new array with bounds 0 .. Count-1, every element Unassigned.
host::Variant kelNewIndexArray(int Count);
// What is wrong with Value as the index array of a property with IndexCount
// indexes ("Value is not array", "Invalid dimension count", "Invalid
// dimension size"); empty when it fits. The low bound is not tested.
std::string kelIndexArrayProblem(const host::Variant& Value, int IndexCount);
// The stream layout of an index array: a list of strings, one per element
// (an Unassigned element as the empty string); no count.
void kelWriteIndexArray(host::TWriter* Writer, const host::Variant& Value);
// Reads that list back: a new array 0 .. n-1 of string Variants (zero strings
// give an empty array, 0 .. -1).
host::Variant kelReadIndexArray(host::TReader* Reader);
// Declares the custom stream entry Name for the index array Indexes: written
// (in the layout above) only when Indexes is an array, read back in place
// without checks.
void kelDefineIndexArray(host::TFiler* Filer, const char* Name, host::Variant& Indexes);
// Copies element i of Indexes into the value of the i-th index record of
// Property, where that record exists (nothing without an array or record).
void kelCopyIndexArray(const host::Variant& Indexes, TkelPropertyInfo* Property);

class TkelConnectionList;
class TkelConnection;

// ------------------------------------------------------ TkelConnection

class TkelConnection : public host::TComponent {
  HOST_CLASS(TkelConnection, host::TComponent)
  explicit TkelConnection(host::TComponent* AOwner);

  // Published: Source and Target (after the inherited Name and Tag). The
  // setters run the acceptance check; a change detaches the listeners on the
  // old component's descriptor, clears the reference and its descriptor and
  // calls Unconnect (only when a reference was set). They never Connect.
  host::TComponent* GetSource() const { return FSource.Component; }
  void SetSource(host::TComponent* Value);
  host::TComponent* GetTarget() const { return FTarget.Component; }
  void SetTarget(host::TComponent* Value);
  // The descriptors of Source and Target, or null without one.
  TkelClassInfo* GetSourceInfo() { return FSource.GetInfo(); }
  TkelClassInfo* GetTargetInfo() { return FTarget.GetInfo(); }

  // Position in the list's Connections; -1 in no list. SetIndex clamps to the
  // list and does nothing in no list.
  int GetIndex() const;
  void SetIndex(int Value);
  TkelConnectionList* GetConnectionList() const { return FConnectionList; }
  void SetConnectionList(TkelConnectionList* List);

  bool HasParent() override;
  host::TComponent* GetParentComponent() override;
  // Ignored while this connection is loading; otherwise joins AParent when it
  // is a connection list.
  void SetParentComponent(host::TComponent* AParent) override;
  // Reads the connection, then joins the reader's parent when it is a list.
  void ReadState(host::TReader* Reader) override;
  // Clears Source / Target when they are removed, calling Unconnect for each
  // (twice when both are the removed component).
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  // Acts only on the removal of components it references (linked to it).
  host::TNoticeScope NoticeScope() const override { return host::nsLinkedRemovals; }

  // Attaches the connection's listener(s) when every feature resolves and the
  // connection is not in the designer (see the concrete connections); false
  // when a feature does not resolve.
  virtual bool Connect() = 0;
  // Detaches the listener(s) and clears every name whose component is gone.
  virtual void Unconnect() = 0;
  // What keeps this connection from working, one sentence per problem (for
  // example "Source is not set" or "source event 'OnFoo' is not an event of
  // Button1"); empty when every feature resolves. Changes nothing.
  virtual std::vector<std::string> Diagnose();

 protected:
  ~TkelConnection() override = default;
  // Marks the running handlers' frames, detaches every listener, leaves the
  // list, then the component teardown.
  void Destroy() override;

  // Listener bookkeeping for the concrete connections. Attach adds Listener
  // to Info (the descriptor of Component) and remembers it; Detach removes
  // the remembered listeners from their descriptors: all of them, or those on
  // the descriptor of Component.
  void AttachListener(TkelListener* Listener, TkelClassInfo* Info, host::TComponent* Component);
  void DetachListeners();
  void DetachListeners(host::TComponent* Component);
  bool HasListeners() const { return !FAttachments.empty(); }
  // Drops the remembered listeners of a component that is being destroyed
  // without touching its descriptor.
  void ForgetListeners(host::TComponent* Component);
  // The end of every Connect once its features resolve: true at once in the
  // form designer; otherwise the listeners attached so far are detached and
  // Listen (the connection's own subscriptions) runs first.
  template <class F>
  bool Connected(F&& Listen) {
    if (IsDesigning()) return true;
    DetachListeners();
    Listen();
    return true;
  }
  // Subscribes Listener to the event Event of Link's component.
  void ListenTo(TkelListener* Listener, const std::string& Event, TkelComponentLink& Link);

  // The Source/Target setter: acceptance check, reset, store, notification.
  void SetLink(TkelComponentLink& Link, host::TComponent* Value);
  // Registers for the removal notification of Value (when it is set).
  void Watch(host::TComponent* Value);
  // A referenced component went away: Unconnect; or, while this connection
  // is itself being destroyed (its names no longer matter), only detach the
  // listeners. So emptying a form whose connections reference its root costs
  // no per-connection rebuilding.
  void ReferenceLost();
  bool IsLeaving() const { return GetComponentState().Contains(host::csDestroying); }
  bool IsLoading() const { return GetComponentState().Contains(host::csLoading); }
  // The diagnosis helpers: "<Role> is not set" / "... has no descriptor"
  // for a link (false then); "<what> is not set" for an empty name and
  // "<what> '<name>' is not <kind> of <component>" for an unknown one.
  static bool DiagnoseLink(std::vector<std::string>& Problems, const char* Role, TkelComponentLink& Link);
  // "<What> 'Caption' of Label1 is read-only" for a property that cannot be
  // written.
  static void DiagnoseWritable(std::vector<std::string>& Problems, const char* What, TkelPropertyInfo* Property,
                               host::TComponent* Owner);
  // What is wrong with Indexes as the index values of Property: a count that
  // differs from the property's index count ("<What> gives 2 index values,
  // but 'Items' takes 1"). A single empty value given to a property without
  // indexes is the cleared state and fits.
  static void DiagnoseIndexes(std::vector<std::string>& Problems, const char* What, const host::Variant& Indexes,
                              TkelPropertyInfo* Property);
  static void DiagnoseName(std::vector<std::string>& Problems, const char* What, const std::string& Name, bool Found,
                           const char* Kind, host::TComponent* Owner);
  bool IsDesigning() const { return GetComponentState().Contains(host::csDesigning); }
  // Source and Target for the name checks of the concrete connections.
  TkelComponentLink& SourceLink() { return FSource; }
  TkelComponentLink& TargetLink() { return FTarget; }
  // One relay of an event through this connection, counted while it runs;
  // raises EkelRelayLoop "Connection C: relaying Source.OnEvent nests
  // connections more than 64 deep ..." past kelMaxRelayDepth.
  class TRelay {
   public:
    TRelay(TkelConnection& Connection, host::TObject* Source, const std::string& Event);
    ~TRelay() { --FDepth; }
    TRelay(const TRelay&) = delete;
    TRelay& operator=(const TRelay&) = delete;

   private:
    static inline int FDepth = 0;
  };
  // The running handlers' frames: TLiveFrame frame(LiveFrames()).
  using TLiveFrame = TkelLiveFrame;
  TLiveFrame*& LiveFrames() { return FLiveFrames; }

 private:
  friend class TkelConnectionList;
  struct TAttachment {
    TkelListener* Listener;
    TkelClassInfo* Info;
    host::TComponent* Component;
  };

  TkelConnectionList* FConnectionList = nullptr;
  TkelComponentLink FSource;
  TkelComponentLink FTarget;
  std::vector<TAttachment> FAttachments;
  TLiveFrame* FLiveFrames = nullptr;
};

// -------------------------------------------------- TkelConnectionList

class TkelConnectionList : public host::TComponent {
  HOST_CLASS(TkelConnectionList, host::TComponent)
  explicit TkelConnectionList(host::TComponent* AOwner);

  // The connections in list order (not owned by the list, but freed with it).
  host::TList* GetConnections() const { return FConnections; }
  // Raises EListError "List index out of bounds (n)" for a bad index.
  TkelConnection* GetConnection(int Index) const;
  // Assigns Value to the connection at Index (the host assignment; a
  // connection defines none, so this raises EConvertError).
  void SetConnection(int Index, TkelConnection* Value);
  int GetConnectionCount() const;
  // Appends Connection, points its ConnectionList here and watches it.
  // A connection already in a list leaves that list first.
  void AddConnection(TkelConnection* Connection);
  // Takes Connection out; clears its ConnectionList only when it was here.
  void RemoveConnection(TkelConnection* Connection);

  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;
  // Acts only on the removal of components it references (linked to it).
  host::TNoticeScope NoticeScope() const override { return host::nsLinkedRemovals; }
  // The connections owned by Root, in list order.
  void GetChildren(host::TGetChildProc Proc, host::TComponent* Root) override;
  void SetChildOrder(host::TComponent* Child, int Order) override;
  // After loading, connects every connection in list order unless the list
  // is in the form designer. Results are ignored.
  void Loaded() override;

 protected:
  ~TkelConnectionList() override = default;
  // Frees the connections still in the list, last first, then the list.
  void Destroy() override;

 private:
  host::TList* FConnections;
};

namespace kelconlist {
// Registers the connection list and the connection base with the host's
// class registry and published-property tables (for the form stream).
// Counted by the package; Finalize undoes it.
void Initialize();
void Finalize();
}  // namespace kelconlist

}  // namespace kel
