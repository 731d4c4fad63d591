// Numbers posing as references: a connection that hands an integer property
// to a parameter or property expecting an object or a class gets an error
// naming the number; nothing is followed and nothing changes.
#include "tests/connections/conn_test_classes.h"

namespace conntest {
namespace {

using PosingNumbers = ConnFixture;

TEST_F(PosingNumbers, AnIntegerBoundToAnObjectOrClassParameterIsRefused) {
  Lamp2->SetTag(4242);
  TkelE2MConnection* remove = NewE2M("Remove", Lamp1, "OnChange", Action, "RemoveComponent");
  BindProperty(remove, "AComponent", Lamp2, "Tag");
  ASSERT_TRUE(remove->Connect());
  const int components = Form->GetComponentCount();
  ASSERT_EQ(Lamp2->GetOwner(), Form.get());
  EXPECT_EQ(RaisedMessage<EInvalidCast>([&] { Lamp1->Change(); }),
            "Invalid class typecast: 4242 is not the address of an object");
  EXPECT_EQ(Form->GetComponentCount(), components);
  EXPECT_EQ(Lamp2->GetOwner(), Form.get());
  remove->Free();

  TkelE2MConnection* inherits = NewE2M("Inherits", Lamp1, "OnChange", Lamp3, "InheritsFrom");
  BindProperty(inherits, "AClass", Lamp2, "Tag");
  ASSERT_TRUE(inherits->Connect());
  EXPECT_EQ(RaisedMessage<EInvalidCast>([&] { Lamp1->Change(); }),
            "Invalid class typecast: 4242 is not the address of a class");
  // The same wiring given no class (0 is nil) runs.
  Lamp2->SetTag(0);
  EXPECT_NO_THROW(Lamp1->Change());
}

}  // namespace
}  // namespace conntest
