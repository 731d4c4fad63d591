#include "host/rtl/object.h"

#include <gtest/gtest.h>

#include "host/rtl/sysutils.h"

namespace host {
namespace {

class TAnimal : public TObject {
  HOST_CLASS(TAnimal, TObject)
};
HOST_IMPL(TAnimal, TObject)

TEST(ObjectModel, ClassReferencesWalkTheParentChain) {
  TOwned<TAnimal> p(new TAnimal);
  EXPECT_EQ(p->ClassName(), "TAnimal");
  EXPECT_EQ(p->ClassParent(), &TObject::StaticMetaClass);
  EXPECT_TRUE(p->InheritsFrom(&TObject::StaticMetaClass));
  EXPECT_FALSE(p->InheritsFrom(&TInterfacedObject::StaticMetaClass));
  EXPECT_TRUE(p->ClassNameIs("tanimal"));
  EXPECT_EQ(p->InstanceSize(), sizeof(TAnimal));
}

}  // namespace
}  // namespace host
