// The property-to-property editor: two sides chosen by the robot, each
// offering the properties it may use, events checked against their own
// component, and its place kept without its size.
#include <algorithm>

#include "connections/kelp2p.h"
#include "editors/kelp2peditor.h"
#include "tests/editors/editors_test.h"

namespace kel::editorstest {
namespace {

bool Has(const std::vector<std::string>& Items, const std::string& Item) {
  return std::find(Items.begin(), Items.end(), Item) != Items.end();
}

TEST_F(EditorsTest, APropertyToPropertyConnectionIsMadeSideBySide) {
  auto* p2p = static_cast<TkelP2PConnection*>(
      designer->CreateComponent(&TkelP2PConnection::StaticMetaClass, List1, 0, 0, 0, 0));
  Drive({
      [&] {
        EXPECT_EQ(Active()->GetCaption(), "P2PConnection editor");
        EXPECT_EQ(Active()->GetLeft(), 270);
        Type("cbSource", "edit1");
        Key("cbSource", "Enter");
        EXPECT_EQ(p2p->GetSource(), Edit1);
        // A read-only property may be read from, not written to.
        EXPECT_TRUE(Has(Items("lbSourceProperty"), "ComponentCount"));
        Select("lbSourceProperty", "'Text'");
        Select("cbSourceEvent", "'OnChange'");
        EXPECT_EQ(p2p->GetSourceProperty(), "Text");
        EXPECT_EQ(p2p->GetSourceEvent(), "OnChange");
      },
      [&] {
        Select("cbTarget", "'Button1'");
        EXPECT_FALSE(Has(Items("lbTargetProperty"), "ComponentCount"));
        Select("lbTargetProperty", "'Caption'");
        EXPECT_EQ(p2p->GetTargetProperty(), "Caption");
        EXPECT_EQ(Text("edSourcePropertyIndex"), "(None)");
        EXPECT_EQ(Text("edTargetPropertyIndex"), "(None)");
        EXPECT_FALSE(Enabled("btSourcePropertyIndex"));
        EXPECT_FALSE(Enabled("btTargetPropertyIndex"));
      },
      [&] {
        // An event the source has but the target lacks is put back.
        Retype("cbTargetEvent", "OnChange");
        Key("cbTargetEvent", "Enter");
        EXPECT_EQ(p2p->GetTargetEvent(), "");
        EXPECT_EQ(Text("cbTargetEvent"), "");
      },
      [&] {
        // Another source component: its lists come again, the target stays.
        Retype("cbSource", "ListBox1");
        Key("cbSource", "Enter");
        EXPECT_TRUE(Has(Items("lbSourceProperty"), "Selected"));
        EXPECT_EQ(ItemIndex("lbSourceProperty"), -1);
        EXPECT_EQ(Text("cbTarget"), "Button1");
        EXPECT_EQ(ItemIndex("lbTargetProperty"), Find<host::TListBox>("lbTargetProperty")->GetItems()->IndexOf("Caption"));
        Retype("cbSource", "Edit1");
        Key("cbSource", "Enter");
        Select("lbSourceProperty", "'Text'");
        Select("cbSourceEvent", "'OnChange'");
        Click("btClose");
      },
  });
  kelShowP2PEditor(designer.get(), p2p);
  EXPECT_TRUE(Driven());
  EXPECT_EQ(Stored("P2PConnection Editor", "Left"), 270);
  EXPECT_EQ(Stored("P2PConnection Editor", "Width"), -1);  // only the place is kept

  // Typing into the edit of the saved form sets the button's caption.
  host::TOwned<host::TComponent> form = SavedAndRead();
  static_cast<host::TEdit*>(form->FindComponent("Edit1"))->SetText("typed");
  EXPECT_EQ(static_cast<host::TButton*>(form->FindComponent("Button1"))->GetCaption(), "typed");

  // Reopened at the stored place with the layout's size.
  Store("P2PConnection Editor", "Top", 77);
  Store("P2PConnection Editor", "Width", 900);
  Drive({[&] {
    EXPECT_EQ(Active()->GetTop(), 77);
    EXPECT_LT(Active()->GetWidth(), 900);
    // An emptied source event clears it.
    Key("cbSourceEvent", "Ctrl+A");
    Key("cbSourceEvent", "BkSp");
    Key("cbSourceEvent", "Enter");
    EXPECT_EQ(p2p->GetSourceEvent(), "");
    Key("cbSourceEvent", "Esc");
  }});
  kelShowP2PEditor(designer.get(), p2p);
  EXPECT_TRUE(Driven());
}

}  // namespace
}  // namespace kel::editorstest
