#include "host/designer/designintf.h"

#include "host/rtl/sysutils.h"

namespace host {

namespace {

// The IPersistent of one object.
class TPersistentIntf : public TInterfacedObject, public IPersistent {
  HOST_CLASS(TPersistentIntf, TInterfacedObject)
  HOST_INTERFACED_FORWARDS
  explicit TPersistentIntf(TPersistent* Instance) : FInstance(Instance) {}
  TPersistent* GetPersistent() override { return FInstance; }

 protected:
  ~TPersistentIntf() override = default;

 private:
  TPersistent* FInstance;
};

}  // namespace

HOST_IMPL_INTF(TPersistentIntf, TInterfacedObject, IPersistent)

TInterfaceRef<IPersistent> MakeIPersistent(TPersistent* Instance) {
  if (!Instance) throw EInvalidOperation("Cannot select a nil object");
  return TInterfaceRef<IPersistent>(static_cast<IPersistent*>(New<TPersistentIntf>(Instance)));
}

TPersistent* ExtractPersistent(IPersistent* Intf) { return Intf ? Intf->GetPersistent() : nullptr; }

// ------------------------------------------------------ TDesignerSelectionList

HOST_IMPL(TDesignerSelectionList, TObject)

int TDesignerSelectionList::Add(IPersistent* Item) {
  if (!Item || !Item->GetPersistent()) throw EListError("Cannot add a nil object to a selection");
  const int at = IndexOf(Item->GetPersistent());
  if (at >= 0) return at;
  FItems.emplace_back(Item);
  return GetCount() - 1;
}

TPersistent* TDesignerSelectionList::GetItems(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError("List index out of bounds (%d)", {Index});
  return FItems[static_cast<std::size_t>(Index)]->GetPersistent();
}

int TDesignerSelectionList::IndexOf(const TPersistent* Instance) const {
  for (int i = 0; i < GetCount(); ++i)
    if (GetItems(i) == Instance) return i;
  return -1;
}

bool TDesignerSelectionList::Equals(const TDesignerSelectionList* Other) const {
  if (!Other || Other->GetCount() != GetCount()) return false;
  for (int i = 0; i < GetCount(); ++i)
    if (GetItems(i) != Other->GetItems(i)) return false;
  return true;
}

TOwned<TDesignerSelectionList> CreateSelectionList() { return MakeOwned<TDesignerSelectionList>(); }

IFormDesigner* AsFormDesigner(IDesigner* Designer) { return QueryRef<IFormDesigner>(Designer).get(); }

}  // namespace host
