// Tree nodes in form files: blocks written out byte by byte here read into
// the nodes they describe and come back the same (Items.Data of the classic
// designers and Items.NodeData of later ones); a block cut short raises a
// clear error and leaves the tree as it was.
#include "tests/host/comctrls/comctrls_test.h"
#include "tests/support/raises.h"

namespace host::comctrlstest {
namespace {

using TreeStreamTest = ComCtrlsTest;

// Fruit (image 1, selected image 2) with Apple and Pear (Data 7) holding
// Nashi (state image 3), then Nuts. Per node: size, ImageIndex,
// SelectedIndex, StateIndex, OverlayIndex, Data, child count, text.
const std::string kClassicBlock =
    "02000000"                                                                             // two top-level nodes
    "1E000000" "01000000" "02000000" "FFFFFFFF" "FFFFFFFF" "00000000" "02000000" "05" "4672756974"  // Fruit
    "1E000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "00000000" "05" "4170706C65"  // Apple
    "1D000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "07000000" "01000000" "04" "50656172"    // Pear
    "1E000000" "00000000" "00000000" "03000000" "FFFFFFFF" "00000000" "00000000" "05" "4E61736869"  // Nashi
    "1D000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "00000000" "04" "4E757473";   // Nuts

// Version 3: ExpandedImageIndex after OverlayIndex, Enabled before the
// UTF-16 text. "Größe" (expanded image 4, disabled) holding "x".
const std::string kNodeDataBlock =
    "03" "01000000"
    "28000000" "05000000" "06000000" "FFFFFFFF" "FFFFFFFF" "04000000" "00000000" "01000000" "00" "05"
    "4700" "7200" "F600" "DF00" "6500"
    "20000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "00000000" "00000000" "01" "01" "7800";

std::string FormWithTree(const std::string& Property, const std::string& Hex) {
  std::string text = "object Form: THolder\n  object Tree: TTreeView\n    Left = 8\n    Top = 8\n"
                     "    Width = 121\n    Height = 97\n    Indent = 19\n    TabOrder = 0\n    Items." +
                     Property + " = {\n";
  for (std::size_t i = 0; i < Hex.size(); i += 64) text += "      " + Hex.substr(i, 64) + "\n";
  text.insert(text.size() - 1, "}");
  return text + "  end\nend\n";
}

// The hex digits of the block called Property in a form's text.
std::string BlockIn(const std::string& Text, const std::string& Property) {
  const std::size_t start = Text.find("Items." + Property + " = {");
  if (start == std::string::npos) return "<no block>";
  std::string hex;
  for (std::size_t i = Text.find('{', start) + 1; i < Text.size() && Text[i] != '}'; ++i)
    if (std::isxdigit(static_cast<unsigned char>(Text[i]))) hex += Text[i];
  return hex;
}

TEST_F(TreeStreamTest, ClassicDataBlockReadsIntoNestedNodesAndWritesBackTheSameBytes) {
  const std::string text = FormWithTree("Data", kClassicBlock);
  TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(text));
  auto* tree = dynamic_cast<TTreeView*>(copy->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  TTreeNodes* items = tree->GetItems();
  ASSERT_EQ(items->GetCount(), 5);
  TTreeNode* fruit = items->GetFirstNode();
  EXPECT_EQ(fruit->GetText(), "Fruit");
  EXPECT_EQ(fruit->GetImageIndex(), 1);
  EXPECT_EQ(fruit->GetSelectedIndex(), 2);
  EXPECT_EQ(fruit->GetCount(), 2);
  TTreeNode* pear = fruit->GetItem(1);
  EXPECT_EQ(pear->GetText(), "Pear");
  EXPECT_EQ(reinterpret_cast<intptr_t>(pear->GetData()), 7);
  EXPECT_EQ(pear->GetItem(0)->GetText(), "Nashi");
  EXPECT_EQ(pear->GetItem(0)->GetStateIndex(), 3);
  EXPECT_EQ(pear->GetItem(0)->GetLevel(), 2);
  EXPECT_EQ(fruit->getNextSibling()->GetText(), "Nuts");
  EXPECT_EQ(tree->GetIndent(), 19);

  const std::string back = FormText(copy.get());
  EXPECT_EQ(BlockIn(back, "Data"), kClassicBlock);
  EXPECT_EQ(back.substr(back.find("  object Tree")), text.substr(text.find("  object Tree")))
      << "the tree comes back as it was";
  pear->Delete();
  EXPECT_EQ(BlockIn(FormText(copy.get()), "Data").substr(0, 64),
            "02000000" "1E000000" "01000000" "02000000" "FFFFFFFF" "FFFFFFFF" "00000000" "01000000")
      << "Fruit now has one child";
}

TEST_F(TreeStreamTest, LaterNodeDataBlockKeepsItsVersionWideTextsAndExtraFields) {
  const std::string text = FormWithTree("NodeData", kNodeDataBlock);
  TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(text));
  auto* tree = dynamic_cast<TTreeView*>(copy->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  TTreeNode* node = tree->GetItems()->GetFirstNode();
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->GetText(), "Gr\xC3\xB6\xC3\x9F" "e");
  EXPECT_EQ(node->GetImageIndex(), 5);
  EXPECT_EQ(node->GetExpandedImageIndex(), 4);
  EXPECT_FALSE(node->GetEnabled());
  EXPECT_EQ(node->getFirstChild()->GetText(), "x");
  const std::string back = FormText(copy.get());
  EXPECT_EQ(BlockIn(back, "NodeData"), kNodeDataBlock);
  EXPECT_EQ(back.find("Items.Data"), std::string::npos);

  // A tree made by a program goes out as the classic Data block.
  TTreeView* fresh = Add<TTreeView>(form.get(), "Fresh", Bounds(0, 0, 50, 50));
  fresh->GetItems()->AddChild(fresh->GetItems()->Add(nullptr, "Fruit"), "Apple");
  const std::string written = FormText(form.get());
  EXPECT_EQ(BlockIn(written, "Data"),
            "01000000" "1E000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "01000000" "05" "4672756974"
            "1E000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "00000000" "05" "4170706C65");
}

// Version 7 (the latest designers): the node class after the count, a byte
// before the child count, two between records.
TEST_F(TreeStreamTest, VersionSevenNodeDataNamesTheNodeClassAndPadsItsRecords) {
  const std::string block =
      "07" "01000000" "09" "540054007200650065004E006F0064006500"  // one node of class TTreeNode
      "27000000" "02000000" "02000000" "02000000" "FFFFFFFF" "02000000" "00000000" "00" "01000000" "01" "04"
      "4E006F00640065" "00"  // "Node", with one child
      "0000"
      "21000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000" "00000000" "00" "00000000" "01" "01" "6200";
  TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(FormWithTree("NodeData", block)));
  auto* tree = dynamic_cast<TTreeView*>(copy->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->GetItems()->GetCount(), 2);
  TTreeNode* node = tree->GetItems()->GetFirstNode();
  EXPECT_EQ(node->GetText(), "Node");
  EXPECT_EQ(node->GetImageIndex(), 2);
  EXPECT_EQ(node->GetExpandedImageIndex(), 2);
  EXPECT_EQ(node->getFirstChild()->GetText(), "b");
  EXPECT_EQ(BlockIn(FormText(copy.get()), "NodeData"), block);
}

TEST_F(TreeStreamTest, VersionOneNodeDataAndTextsTooLongForARecord) {
  // Version 1: no ExpandedImageIndex, no Enabled byte.
  const std::string block = "01" "01000000" "1F000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00000000"
                            "00000000" "03" "4100" "2030" "4200";  // "A" U+3020 "B"
  TOwned<THolder> copy = ReadNewRoot<THolder>(TextToBinary(FormWithTree("NodeData", block)));
  auto* tree = dynamic_cast<TTreeView*>(copy->FindComponent("Tree"));
  ASSERT_NE(tree, nullptr);
  EXPECT_EQ(tree->GetItems()->GetFirstNode()->GetText(), "A\xE3\x80\xA0" "B");
  EXPECT_EQ(BlockIn(FormText(copy.get()), "NodeData"), block);

  // A record holds 255 characters: longer texts are cut, a UTF-8 character
  // never in two.
  TTreeView* fresh = Add<TTreeView>(form.get(), "Fresh", Bounds(0, 0, 50, 50));
  fresh->GetItems()->Add(nullptr, std::string(254, 'x') + "\xC3\xA9");
  const std::string hex = BlockIn(FormText(form.get()), "Data");
  EXPECT_EQ(hex.substr(8, 8), "17010000") << "size 25 + 254";
  EXPECT_EQ(hex.substr(8 + 8 + 48, 2), "FE");
  EXPECT_EQ(hex.size(), (4 + 4 + 24 + 1 + 254) * 2u);
}

// An inherited form writes the nodes only when they differ from its
// ancestor's.
TEST_F(TreeStreamTest, AnInheritedTreeWritesItsNodesOnlyWhenTheyDiffer) {
  auto build = [](const std::string& Root) {
    TOwned<THolder> holder(New<THolder>(nullptr));
    holder->SetName(Root);
    TTreeView* tree = New<TTreeView>(holder.get());
    tree->SetName("Tree");
    tree->SetParent(holder.get());
    tree->GetItems()->AddChild(tree->GetItems()->Add(nullptr, "Fruit"), "Apple");
    return holder;
  };
  TOwned<THolder> ancestor = build("Base"), descendant = build("Derived");
  auto written = [&] {
    TOwned<TStringStream> s = MakeOwned<TStringStream>();
    s->WriteDescendent(descendant.get(), ancestor.get());
    return BinaryToText(s->GetDataString());
  };
  EXPECT_EQ(written().find("Items.Data"), std::string::npos) << written();
  dynamic_cast<TTreeView*>(descendant->FindComponent("Tree"))->GetItems()->GetFirstNode()->SetText("Fruits");
  EXPECT_NE(written().find("Items.Data"), std::string::npos);
}

TEST_F(TreeStreamTest, ABlockCutShortRaisesAndTheTreeKeepsItsNodes) {
  TTreeView* tree = Add<TTreeView>(form.get(), "Tree", Bounds(0, 0, 100, 100));
  tree->GetItems()->AddChild(tree->GetItems()->Add(nullptr, "Old"), "Child");
  auto readInto = [&](const std::string& Property, const std::string& Hex) {
    std::string text = FormWithTree(Property, Hex);
    text.replace(text.find("object Form"), 6, "inherited");
    text.replace(text.find("object Tree"), 6, "inherited");
    return RaisedMessage<EReadError>([&] { ReadForm(TextToBinary(text), form.get()); });
  };
  const std::string cut = readInto("Data", kClassicBlock.substr(0, kClassicBlock.size() - 6));
  EXPECT_NE(cut.find("The nodes of tree view 'Tree' (Items.Data) cannot be read: the block ends in the middle of a node"),
            std::string::npos)
      << cut;
  std::string badSize = kClassicBlock;
  badSize.replace(8, 2, "1F");
  EXPECT_NE(readInto("Data", badSize).find("node 1 gives its size as 31 for a text of 5 characters"), std::string::npos);
  EXPECT_NE(readInto("NodeData", "05" + kClassicBlock).find("node data of version 5 cannot be read"),
            std::string::npos);
  EXPECT_NE(readInto("NodeData", "07" "00000000" "02" "5800" "5900").find("nodes of class XY cannot be read"),
            std::string::npos);
  ASSERT_EQ(tree->GetItems()->GetCount(), 2) << "the old nodes stay";
  EXPECT_EQ(tree->GetItems()->GetItem(1)->GetText(), "Child");
}

using ViewsDatesUnit = TUnitsTest<kComCtrlsUnits>;

// The group starts with the unit and goes with its last shutdown.
TEST_F(ViewsDatesUnit, StartsAndEndsWithTheComCtrlsUnit) {
  const std::span<const TClass> classes = ViewsDatesClasses();
  ASSERT_EQ(classes.size(), 9u);
  EXPECT_TRUE(classes[2]->ClassNameIs("TTreeView"));
  EXPECT_TRUE(classes[7]->ClassNameIs("TMonthCalendar"));
  for (const char* name : {"TTreeView", "TRichEdit", "TDateTimePicker", "TMonthCalendar"})
    EXPECT_NE(GetClass(name), nullptr) << name;
  RegisterComCtrlsClasses();
  UnregisterComCtrlsClasses();
  EXPECT_NE(GetClass("TTreeView"), nullptr) << "still started once";
  UnregisterComCtrlsClasses();
  EXPECT_EQ(GetClass("TTreeView"), nullptr);
  EXPECT_EQ(GetClass("TMonthCalendar"), nullptr);
  EXPECT_EQ(GetPropInfo(&TRichEdit::StaticMetaClass, "PlainText"), nullptr);
  RegisterComCtrlsClasses();  // as the fixture left it
}

}  // namespace
}  // namespace host::comctrlstest
