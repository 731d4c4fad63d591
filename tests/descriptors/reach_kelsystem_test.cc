// Reachability of the root descriptors: TObject and TInterfacedObject.
#include "descriptors/kelsystem.h"
#include "tests/descriptors/reach_walker.h"

namespace kel::test {

TReachTable SystemReach() {
  TReachTable t;
  t["TObject"].Make = [](TReachWorld& w) { return w.Make<TObject>(); };
  t["TInterfacedObject"].Make = [](TReachWorld& w) { return w.Make<host::TInterfacedObject>(); };
  for (auto& [name, entry] : t) entry.Calls = RootCalls() + entry.Calls;
  return t;
}

namespace {

TEST(KelsystemReach, EveryDescriptorOfTheUnitReachesEveryDeclaredFeature) {
  WalkUnit(SystemReach(), TkelDescriptorList<TObjectClassInfo, TInterfacedObjectClassInfo>{});
}

}  // namespace
}  // namespace kel::test
