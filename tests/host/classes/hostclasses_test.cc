#include "host/classes/hostclasses.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/classes/streams.h"
#include "host/rtl/sysutils.h"
#include "tests/support/raises.h"

namespace host {
namespace {

// The class list is what the tools show; every creatable class must come out
// of its factory as exactly that class, and parents must precede children.
TEST(HostClasses, ListedOnceParentsFirstAndFactoriesMakeTheirOwnClass) {
  std::set<TClass> seen;
  std::set<std::string> names;
  int created = 0;
  for (TClass c : HostClasses()) {
    EXPECT_TRUE(names.insert(c->Name).second) << c->Name << " listed twice";
    if (c->Parent) {
      EXPECT_TRUE(seen.count(c->Parent)) << c->Name << " listed before its parent";
    }
    seen.insert(c);
    if (!c->Factory) continue;
    TObject* obj = c->Create(nullptr);
    EXPECT_EQ(obj->ClassType(), c);
    EXPECT_EQ(obj->InstanceSize(), c->InstanceSize);
    obj->Free();
    ++created;
  }
  EXPECT_GT(created, 0);
  // Abstract classes refuse creation with a message naming them.
  EXPECT_EQ(testkit::RaisedMessage<EComponentError>([] { TStream::StaticMetaClass.Create(nullptr); }),
            "Cannot create an instance of the abstract class TStream");
}

}  // namespace
}  // namespace host
