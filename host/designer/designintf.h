// The designer interfaces: what a form designer offers to property editors,
// component editors and editor dialogs.
//
// IDesigner is what a designed form carries (it is its IDesignerHook);
// IFormDesigner, obtained from it by interface query, adds the operations
// on the designed form's components and on the selection. A selection is a
// list of persistent objects (TDesignerSelectionList) whose items are
// handed over as IPersistent wrappers (MakeIPersistent), so that objects
// that are no components (a collection, a collection item) can be selected
// too.
//
// TInterfaceRef holds one counted reference to an interface, as the classic
// interface-typed variables do.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host/classes/component.h"
#include "host/classes/typinfo.h"
#include "host/forms/form.h"
#include "host/rtl/events.h"

namespace host {

// ------------------------------------------------------------ TInterfaceRef

// One reference to an interface (or any object with _AddRef and _Release):
// adds a reference when it takes one, releases it when it lets it go.
template <class I>
class TInterfaceRef {
 public:
  TInterfaceRef() = default;
  TInterfaceRef(I* Value) : FValue(Value) {  // NOLINT: converts as the classic assignment does
    if (FValue) FValue->_AddRef();
  }
  TInterfaceRef(const TInterfaceRef& Other) : TInterfaceRef(Other.FValue) {}
  TInterfaceRef(TInterfaceRef&& Other) noexcept : FValue(std::exchange(Other.FValue, nullptr)) {}
  TInterfaceRef& operator=(TInterfaceRef Other) noexcept {
    std::swap(FValue, Other.FValue);
    return *this;
  }
  ~TInterfaceRef() {
    if (FValue) FValue->_Release();
  }
  // Takes over a reference the caller already holds (QueryInterface's).
  static TInterfaceRef Adopt(I* Value) {
    TInterfaceRef r;
    r.FValue = Value;
    return r;
  }
  I* get() const { return FValue; }
  I* operator->() const { return FValue; }
  explicit operator bool() const { return FValue != nullptr; }

 private:
  I* FValue = nullptr;
};

// The interface Iid of Unknown by interface query (a counted reference), or
// none when Unknown is null or does not implement it.
template <class I>
TInterfaceRef<I> QueryRef(IUnknown* Unknown) {
  void* obj = nullptr;
  if (!Unknown || Unknown->QueryInterface(I::IID, &obj) != S_OK) return {};
  return TInterfaceRef<I>::Adopt(static_cast<I*>(obj));
}

// ------------------------------------------------------------- selections

// A persistent object as an interface (an item of a selection list).
class IPersistent : public IUnknown {
 public:
  static constexpr TGUID IID{0x6A1B3C42, 0x8D2E, 0x4F17, {0x9B, 0x6E, 0x21, 0xC4, 0x5A, 0x0D, 0x73, 0xE8}};
  virtual TPersistent* GetPersistent() = 0;

 protected:
  ~IPersistent() = default;
};

// Wraps Instance (not null) as an IPersistent; the wrapper lives as long as
// references to it do, the object is borrowed.
TInterfaceRef<IPersistent> MakeIPersistent(TPersistent* Instance);
// The object an IPersistent stands for; null for null.
TPersistent* ExtractPersistent(IPersistent* Intf);

// The objects of a selection, in order, each held through its IPersistent.
class TDesignerSelectionList : public TObject {
  HOST_CLASS(TDesignerSelectionList, TObject)
  TDesignerSelectionList() = default;

  // Appends Item unless its object is in the list already; returns its
  // index. A null item raises EListError.
  int Add(IPersistent* Item);
  int GetCount() const { return static_cast<int>(FItems.size()); }
  // Raises EListError "List index out of bounds (%d)" for a bad index.
  TPersistent* GetItems(int Index) const;
  int IndexOf(const TPersistent* Instance) const;
  bool Equals(const TDesignerSelectionList* Other) const;

 protected:
  ~TDesignerSelectionList() override = default;

 private:
  std::vector<TInterfaceRef<IPersistent>> FItems;
};

// A new, empty selection list for SetSelections; the caller frees it.
TOwned<TDesignerSelectionList> CreateSelectionList();

// ------------------------------------------------------------- designers

// Called once per name by GetComponentNames and the editors' GetValues.
using TGetStrProc = TEvent<const std::string&>;

// The designer of one form, as the form sees it.
class IDesigner : public IDesignerHook {
 public:
  static constexpr TGUID IID{0x93F3FCBC, 0x4AF2, 0x11D1, {0x9F, 0xB5, 0x00, 0x20, 0xAF, 0x3D, 0x82, 0xDA}};
  // Marks the designed form changed and tells the designer's listeners.
  virtual void Modified() = 0;
  // BaseName followed by the smallest number from 1 on that makes a name
  // no component of the designed form has. Raises EComponentError when
  // BaseName cannot start a component name.
  virtual std::string UniqueName(const std::string& BaseName) = 0;
  // The designed form (its root component).
  virtual TComponent* GetRoot() = 0;

 protected:
  ~IDesigner() = default;
};

// What editors need of the form designer.
class IFormDesigner : public IDesigner {
 public:
  static constexpr TGUID IID{0xABBE7255, 0x5495, 0x11D1, {0x9F, 0xB5, 0x00, 0x20, 0xAF, 0x3D, 0x82, 0xDA}};
  // A new component of ComponentClass owned by the designed form and named
  // by UniqueName from the class name without its leading 'T'. A control is
  // placed on Parent (the form when null) with the bounds given (a width or
  // height of 0 keeps the control's own size); another component is only
  // owned, Left and Top kept as its design position, and when it lives
  // inside another (a menu item, a connection in its list) it goes into
  // Parent as a form file's reader puts it there.
  virtual TComponent* CreateComponent(TClass ComponentClass, TComponent* Parent, int32_t Left, int32_t Top,
                                      int32_t Width, int32_t Height) = 0;
  // Instance alone becomes the selection (none for null).
  virtual void SelectComponent(TPersistent* Instance) = 0;
  // The objects of List become the selection.
  virtual void SetSelections(const TDesignerSelectionList* List) = 0;
  // Adds the current selection to List.
  virtual void GetSelections(TDesignerSelectionList* List) = 0;
  // Proc once per name of the designed form's components (the form first)
  // that are of the class of TypeData (a class type; every component for
  // null).
  virtual void GetComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) = 0;
  // The component of the designed form of that name (case-insensitive), or
  // null.
  virtual TComponent* GetComponent(const std::string& Name) = 0;
  // The name of a component of the designed form; empty for null or for a
  // component of another form.
  virtual std::string GetComponentName(TComponent* Component) = 0;

 protected:
  ~IFormDesigner() = default;
};

// The IFormDesigner of Designer by interface query (null when none); the
// designer keeps it alive, so the pointer is borrowed.
IFormDesigner* AsFormDesigner(IDesigner* Designer);

// Told by a designer about its changes (see TFormDesigner::AddListener).
class TDesignerListener {
 public:
  // The form was changed (Modified).
  virtual void DesignerModified() {}
  // The selection changed (also when a selected object went away).
  virtual void SelectionChanged() {}
  // The designer is going away; it tells nothing more after this.
  virtual void DesignerDestroying() {}

 protected:
  ~TDesignerListener() = default;
};

}  // namespace host
