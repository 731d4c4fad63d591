// TComponent: the owner/owned component model with names, state flags, free
// notifications and the hooks the filer and the designer use.
//
// An owner frees the components it owns. Two components linked with
// FreeNotification tell each other (Notification(other, opRemove)) when one
// of them is destroyed; an owner also passes every notification it receives on
// to all the components it owns, so a component's whole owner tree hears about
// insertions into and removals from that owner.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "host/classes/persistent.h"
#include "host/classes/typinfo.h"
#include "host/rtl/events.h"
#include "host/rtl/nameindex.h"
#include "host/rtl/pointermap.h"
#include "host/rtl/sets.h"

namespace host {

class TBasicAction;
class TReader;
class TWriter;

enum TOperation : uint8_t { opInsert, opRemove };
// Which of its owner's notices a component acts on (TComponent::NoticeScope).
enum TNoticeScope : uint8_t { nsAll, nsLinkedRemovals };

enum TComponentStateItem : uint8_t {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
HOST_ENUM_INFO(TComponentStateItem, "csLoading", "csReading", "csWriting", "csDestroying", "csDesigning", "csAncestor",
               "csUpdating", "csFixups", "csFreeNotification", "csInline", "csDesignInstance")
using TComponentState = TSet<TComponentStateItem, 11>;

enum TComponentStyleItem : uint8_t { csInheritable, csCheckPropAvail };
HOST_ENUM_INFO(TComponentStyleItem, "csInheritable", "csCheckPropAvail")
using TComponentStyle = TSet<TComponentStyleItem, 2>;

class TComponent;
using TGetChildProc = TEvent<TComponent*>;

namespace detail {
// The components linked to one component by free notifications, in link
// order. Once the list is long, membership is answered by a hash set, so a
// component linked to very many others (the reader's guard is linked to
// every component of a form) stays linear.
class TComponentLinks {
 public:
  const std::vector<TComponent*>& Items() const { return FItems; }
  bool Empty() const { return FItems.empty(); }
  bool Contains(const TComponent* c) const;
  // Appends c unless it is linked already.
  void Add(TComponent* c);
  void Remove(const TComponent* c);
  void Clear();

 private:
  static constexpr std::size_t kIndexFrom = 16;
  std::vector<TComponent*> FItems;
  TPointerMap<bool> FIndex;  // all of FItems once indexed
};
}  // namespace detail

class TComponent : public TPersistent {
  HOST_CLASS(TComponent, TPersistent)
  using TCreateArg = TComponent;

  // Inserts the new component into AOwner (may be null).
  explicit TComponent(TComponent* AOwner);

  // ----------------------------------------------------------- ownership
  // The owner; also the persistent owner used by GetNamePath of others.
  TComponent* GetOwner() override { return FOwner; }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TComponent* GetComponents(int Index) const;
  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  // Position in the owner's list; -1 without an owner.
  int GetComponentIndex() const;
  // Moves the component within its owner's list; Value is clamped to the
  // list. Does nothing without an owner.
  void SetComponentIndex(int Value);
  // Makes this component the owner of AComponent (taking it from its current
  // owner). Checks first that AComponent's name is unique here and that the
  // move makes no ownership cycle; then sends Notification(AComponent, opInsert).
  void InsertComponent(TComponent* AComponent);
  // Sends Notification(AComponent, opRemove), then drops AComponent from the
  // list. Raises EComponentError when AComponent is not owned by this one.
  void RemoveComponent(TComponent* AComponent);
  // Frees every owned component, last first. Each one leaves the list
  // quietly before it is freed: it tells the components linked to it, but
  // this owner does not pass a removal notice for it around its tree.
  void DestroyComponents();
  // Case-insensitive lookup among the owned components; an empty name finds
  // nothing.
  TComponent* FindComponent(const std::string& AName) const;

  // ---------------------------------------------------------- properties
  const std::string& GetName() const { return FName; }
  // Raises EComponentError when NewName is not an identifier or another
  // component of the same owner already has it; the old name then stays.
  virtual void SetName(const std::string& NewName);
  int32_t GetTag() const { return FTag; }
  void SetTag(int32_t Value) { FTag = Value; }
  int32_t GetDesignInfo() const { return FDesignInfo; }
  void SetDesignInfo(int32_t Value) { FDesignInfo = Value; }
  TComponentState GetComponentState() const { return FComponentState; }
  TComponentStyle GetComponentStyle() const { return FComponentStyle; }
  // The COM side of the component: an IUnknown stored as an untyped pointer.
  void* GetVCLComObject() const { return FVCLComObject; }
  void SetVCLComObject(void* Value) { FVCLComObject = Value; }
  // The VCLComObject as an interface. There is no COM server here, so a
  // component without one raises EComponentError naming its class.
  IUnknown* GetComObject() const;
  // Releases the COM side on its last reference; nothing to do without COM.
  void FreeOnRelease() {}

  std::string GetNamePath() override { return FName; }

  // ------------------------------------------------------ notifications
  // Links this component and AComponent both ways: each gets
  // Notification(other, opRemove) when the other is destroyed.
  void FreeNotification(TComponent* AComponent);
  // Drops the link both ways; nothing happens when there is none.
  void RemoveFreeNotification(TComponent* AComponent);
  // On opRemove drops the free-notification link with AComponent; then
  // passes the notification on to the owned components that can act on it
  // (see NoticeScope).
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // Which of its owner's notices a class's Notification acts on. nsAll:
  // every insertion and removal. nsLinkedRemovals: only the removal of a
  // component it is linked with by FreeNotification (a component it
  // references), so of its owner's notices it hears only those. A class that
  // does not override Notification hears its owner's notices only through
  // the components it owns, or to cut a link with a removed partner. This
  // keeps large forms cheap to fill and to empty. Asked once, when the
  // component is built.
  virtual TNoticeScope NoticeScope() const { return nsAll; }
  // Whether this component keeps its free-notification link with Partner
  // when it is taken from its owner to move to another one, although
  // Partner's removal notice cuts such links (the classic behaviour). By
  // default a component whose NoticeScope is nsLinkedRemovals keeps them:
  // its links are the components it references, and after the move it must
  // still learn when they are freed. A component being destroyed keeps none.
  virtual bool KeepsLinksWhenMoved(TComponent* Partner) const;

  // ----------------------------------------------------- children, parents
  // Streaming of nested children: the base has none.
  virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
  virtual void SetChildOrder(TComponent* Child, int Order);
  virtual bool HasParent() { return false; }
  virtual TComponent* GetParentComponent() { return nullptr; }
  virtual void SetParentComponent(TComponent* Value);
  // Who owns and who is the parent of the children read from this
  // component's stream entry: null owner means the reader's root.
  virtual TComponent* GetChildOwner() { return nullptr; }
  virtual TComponent* GetChildParent() { return this; }

  // ------------------------------------------------------------ streaming
  // Reads this component's properties and children (its header has been
  // read): first gives the reader's Parent, when there is one, to
  // SetParentComponent, then lets the reader read the data.
  virtual void ReadState(TReader* Reader);
  // Writes header, properties and children through Writer.
  virtual void WriteState(TWriter* Writer);
  // The design position (DesignInfo: Left in the low, Top in the high 16
  // bits) as the custom properties Left and Top, each stored when it
  // differs from the ancestor's (0 without one): where a form designer
  // shows a component that is no control.
  void DefineProperties(TFiler* Filer) override;

  // -------------------------------------------------------------- actions
  // If Action handles this component as a target, executes (updates) it on
  // this component and returns true; false otherwise (and for a null Action).
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);

  // ---------------------------------------------------------------- state
  // Marks this component and everything it owns as being destroyed.
  void Destroying();
  // Called once after the component was read from a stream; clears csLoading.
  virtual void Loaded();
  virtual void Updating();
  virtual void Updated();
  // Sets or clears csDesigning here and, with SetChildren, in every owned
  // component (recursively).
  void SetDesigning(bool Value, bool SetChildren = true);
  // Sets or clears csAncestor here and in every owned component.
  void SetAncestor(bool Value);
  void SetInline(bool Value) { SetStateFlag(csInline, Value); }
  void SetDesignInstance(bool Value) { SetStateFlag(csDesignInstance, Value); }
  // Used by the filer (csLoading, csReading, csWriting, csFixups) to mark the
  // component it works on.
  void SetStateFlag(TComponentStateItem Flag, bool Value);

  void BeforeDestruction() override;
  // Learns whether insertion notices can matter to it (see FIgnoresInserts).
  void AfterConstruction() override;

 protected:
  ~TComponent() override = default;
  // Teardown in the classic order: Destroying; removal notices to every linked
  // component (last first); free the owned components; leave the owner.
  void Destroy() override;
  // Checks made before AComponent joins this owner; raise to refuse.
  virtual void ValidateInsert(TComponent* AComponent);
  // Asks AContainer whether this component may join it.
  virtual void ValidateContainer(TComponent* AContainer);
  // Raises EComponentError when NewName cannot be given to AComponent (owned
  // by this component): CurName and NewName differ other than in case and
  // another owned component already has NewName.
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName);
  // Stores the name without any check (keeping the owner's name index).
  void ChangeName(const std::string& NewName);
  // Drops every free-notification link of this component without telling
  // the linked components.
  void ClearFreeNotifies();

 private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void CheckCanOwn(TComponent* AComponent) const;
  void SetStateFlagDeep(TComponentStateItem Flag, bool Value);
  bool OwnsDirectlyOrIndirectly(const TComponent* AComponent) const;
  void NotifyOwned(TComponent* AComponent, TOperation Operation);
  void NotifyFreeNotifies();
  void AddNotification(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);
  // Notices to owned components: see FReceivers.
  bool HearsAllNotices() const { return !FPartnerNoticesOnly || !FComponents.empty(); }
  const std::vector<TComponent*>& Receivers();
  void DropReceiver(TComponent* AComponent);
  void NotifyPartners(TComponent* AComponent);
  bool HasLinkedPartner(TComponent* AComponent) const;
  void IndexName(TComponent* AComponent);
  void UnindexName(TComponent* AComponent);

  TComponent* FOwner = nullptr;
  std::string FName;
  int32_t FTag = 0;
  int32_t FDesignInfo = 0;
  TComponentState FComponentState;
  TComponentStyle FComponentStyle{csInheritable};
  void* FVCLComObject = nullptr;
  std::vector<TComponent*> FComponents;
  detail::TComponentLinks FFreeNotifies;
  // Owned components by name without regard to case (unnamed ones are left
  // out). A key views the component's own FName: ChangeName takes the entry
  // out before the name changes. A derived class may store a name
  // unchecked, so a name can occur twice.
  std::unordered_multimap<std::string_view, TComponent*, TFoldedNameHash, TFoldedNameEqual> FNameIndex;
  // Set once the component is fully built when no class of it below
  // TComponent declares Notification, or its NoticeScope is
  // nsLinkedRemovals: a notice of its owner can then matter to it only
  // through the components it owns, or as the removal of a partner.
  bool FPartnerNoticesOnly = false;
  // Set when Free begins (csDestroying spreads to owned components before
  // they are freed; this marks the one whose destruction runs).
  bool FFreeStarted = false;
  // The owned components that hear every notice, in list order: all but
  // those whose notices are partner ones only and that own nothing. Rebuilt
  // from FComponents when stale. The others hear a removal notice when they
  // are linked with the removed component.
  std::vector<TComponent*> FReceivers;
  bool FReceiversStale = false;
  // Whether this component is in its owner's FReceivers (as long as the
  // list is not stale): dropping one that is not costs nothing.
  bool FIsReceiver = false;
};

// The name a message uses for a component: its name, else its class name;
// "nil" for none.
std::string ComponentDisplayName(const TComponent* AComponent);

// Registers TComponent's published properties (Name, Tag) and the class for
// form streaming; the host class library's start-up calls it.
void RegisterComponentClasses();
void UnregisterComponentClasses();

// What the record of a component class carries (TMetaClass::Extra): whether
// the class itself (not a parent) declares Notification, so that a
// component can tell whether its class overrides it.
struct TComponentClassTraits {
  bool DeclaresNotification;
};

template <class T>
struct THostClassExtra<T, std::enable_if_t<std::is_base_of_v<TComponent, T>>> {
  static constexpr bool DeclaresNotification() {
    if constexpr (requires { &T::Notification; })
      return detail::DeclaredBy<T>(&T::Notification);
    else
      return false;
  }
  static constexpr TComponentClassTraits Traits{DeclaresNotification()};
  static constexpr const void* Value = &Traits;
};

}  // namespace host
