// The nodes of a tree view in a form file: one binary block holding the
// number of top-level nodes, then each node depth first as a record
// followed by its children's. All numbers are 32-bit little-endian.
//
//   Items.Data (the classic designers):
//     count, then per node: size (of what follows, 25 + text length),
//     ImageIndex, SelectedIndex, StateIndex, OverlayIndex, Data, child
//     count, text as a length byte and that many 8-bit characters.
//   Items.NodeData (later designers): a version byte, then count, then per
//     node: size, ImageIndex, SelectedIndex, StateIndex, OverlayIndex,
//     [3, 7: ExpandedImageIndex], Data, [7: a byte, 0], child count,
//     [3, 7: Enabled byte], text as a length byte and that many UTF-16
//     units. Version 7 names the node class after the count (a length byte
//     and UTF-16 units: TTreeNode) and puts two bytes (0) between records.
//
// A block is read whole before the tree changes: a block cut short, whose
// sizes disagree or that names another node class raises EReadError and
// the nodes stay as they were. Data goes back as the 32-bit number it was
// (the classic control writes the pointer's value); 8-bit texts are kept
// byte for byte.
#include <cstring>

#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "host/comctrls/treeview.h"

namespace host {

namespace {

using TFormat = TTreeNodes::TStreamFormat;

constexpr int32_t kMaxDepth = 512;
constexpr char16_t kNodeClass[] = u"TTreeNode";

// What a record of each format holds beyond the classic one.
struct TLayout {
  TFormat Format;
  uint8_t Version;        // the leading byte of NodeData (0: none)
  int32_t CharSize;       // of the text
  bool Expanded;          // ExpandedImageIndex and the Enabled byte
  bool Padded;            // the byte before the child count and the two between records
  int32_t Fixed() const { return 25 + (Expanded ? 5 : 0) + (Padded ? 1 : 0); }
};

constexpr TLayout kLayouts[] = {
    {TFormat::Data, 0, 1, false, false},
    {TFormat::NodeData1, 1, 2, false, false},
    {TFormat::NodeData3, 3, 2, true, false},
    {TFormat::NodeData7, 7, 2, true, true},
};

const TLayout* LayoutOf(TFormat Format) {
  for (const TLayout& layout : kLayouts)
    if (layout.Format == Format) return &layout;
  return &kLayouts[0];
}

const TLayout* LayoutOfVersion(uint8_t Version) {
  for (const TLayout& layout : kLayouts)
    if (layout.Version == Version && Version != 0) return &layout;
  return nullptr;
}

struct TNodeRecord {
  int32_t Image = 0, Selected = 0, State = -1, Overlay = -1, Expanded = 0, Data = 0;
  bool Enabled = true;
  std::string Text;
  std::vector<TNodeRecord> Children;
};

class TBlockReader {
 public:
  TBlockReader(std::vector<uint8_t> Bytes, const TLayout& Layout) : FBytes(std::move(Bytes)), FLayout(Layout) {}

  uint8_t Byte() {
    Need(1);
    return FBytes[FPos++];
  }
  int32_t Int() {
    Need(4);
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(FBytes[FPos++]) << (8 * i);
    return static_cast<int32_t>(v);
  }
  // Length characters of the layout's size.
  std::string Text(int32_t Length, int32_t CharSize) {
    Need(static_cast<std::size_t>(Length * CharSize));
    const uint8_t* p = FBytes.data() + FPos;
    FPos += static_cast<std::size_t>(Length * CharSize);
    if (CharSize == 1) return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(Length));
    std::u16string wide;
    for (int32_t i = 0; i < Length; ++i) wide += static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return Utf16ToUtf8(wide);
  }
  // Count records and their children.
  std::vector<TNodeRecord> Nodes(int32_t Count, int32_t Depth) {
    if (Count < 0) Fail("a node count of " + IntToStr(Count));
    if (Depth > kMaxDepth) Fail("nodes nest more than " + IntToStr(kMaxDepth) + " levels deep");
    std::vector<TNodeRecord> nodes;
    for (int32_t i = 0; i < Count; ++i) nodes.push_back(Node(Depth));
    return nodes;
  }
  [[noreturn]] void Fail(const std::string& What) const {
    throw EReadError("%s (at byte %d of %d)", {What, static_cast<int32_t>(FPos), static_cast<int32_t>(FBytes.size())});
  }

 private:
  void Need(std::size_t N) const {
    if (FBytes.size() - FPos < N) Fail("the block ends in the middle of a node");
  }
  TNodeRecord Node(int32_t Depth) {
    if (FLayout.Padded && FRecords > 0) Int16();
    ++FRecords;
    const int32_t size = Int();
    TNodeRecord r;
    r.Image = Int();
    r.Selected = Int();
    r.State = Int();
    r.Overlay = Int();
    if (FLayout.Expanded) r.Expanded = Int();
    r.Data = Int();
    if (FLayout.Padded) Byte();
    const int32_t children = Int();
    if (FLayout.Expanded) r.Enabled = Byte() != 0;
    const int32_t length = Byte();
    if (size != FLayout.Fixed() + length * FLayout.CharSize)
      Fail("node " + IntToStr(FRecords) + " gives its size as " + IntToStr(size) + " for a text of " +
           IntToStr(length) + " characters");
    r.Text = Text(length, FLayout.CharSize);
    r.Children = Nodes(children, Depth + 1);
    return r;
  }
  void Int16() {
    Byte();
    Byte();
  }

  std::vector<uint8_t> FBytes;
  const TLayout& FLayout;
  std::size_t FPos = 0;
  int32_t FRecords = 0;
};

class TBlockWriter {
 public:
  TBlockWriter(TStream* Stream, const TLayout& Layout) : FStream(Stream), FLayout(Layout) {}
  void Byte(uint8_t Value) { FStream->WriteBuffer(&Value, 1); }
  void Int(int32_t Value) {
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(Value) >> (8 * i));
    FStream->WriteBuffer(bytes, 4);
  }
  void Wide(std::u16string_view Text) {
    for (char16_t c : Text) {
      Byte(static_cast<uint8_t>(c & 0xFF));
      Byte(static_cast<uint8_t>(c >> 8));
    }
  }
  void Node(const TTreeNode* Node) {
    if (FLayout.Padded && FRecords++ > 0) Wide(std::u16string(1, u'\0'));
    const bool narrow = FLayout.CharSize == 1;
    const std::string shortText = narrow ? ShortText(Node->GetText()) : "";
    std::u16string wide = narrow ? u"" : Utf8ToUtf16(Node->GetText());
    if (wide.size() > 255) wide.resize(255);
    const int32_t length = static_cast<int32_t>(narrow ? shortText.size() : wide.size());
    Int(FLayout.Fixed() + length * FLayout.CharSize);
    Int(Node->GetImageIndex());
    Int(Node->GetSelectedIndex());
    Int(Node->GetStateIndex());
    Int(Node->GetOverlayIndex());
    if (FLayout.Expanded) Int(Node->GetExpandedImageIndex());
    Int(static_cast<int32_t>(reinterpret_cast<intptr_t>(Node->GetData())));
    if (FLayout.Padded) Byte(0);
    Int(Node->GetCount());
    if (FLayout.Expanded) Byte(Node->GetEnabled() ? 1 : 0);
    Byte(static_cast<uint8_t>(length));
    if (narrow && length > 0) FStream->WriteBuffer(shortText.data(), length);
    Wide(wide);
    for (int32_t i = 0; i < Node->GetCount(); ++i) this->Node(Node->GetItem(i));
  }

 private:
  // At most 255 bytes, not cutting a UTF-8 character in two.
  static std::string ShortText(const std::string& Text) {
    if (Text.size() <= 255) return Text;
    std::size_t end = 255;
    while (end > 0 && (static_cast<uint8_t>(Text[end]) & 0xC0) == 0x80) --end;
    return Text.substr(0, end);
  }
  TStream* FStream;
  const TLayout& FLayout;
  int32_t FRecords = 0;
};

std::vector<uint8_t> AllBytes(TStream* Stream) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(Stream->GetSize() - Stream->GetPosition()));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

// The records of a block; Format is set to the block's.
std::vector<TNodeRecord> ReadBlock(std::vector<uint8_t> Bytes, bool Versioned, TFormat& Format) {
  const TLayout* layout = &kLayouts[0];
  if (Versioned) {
    const uint8_t version = Bytes.empty() ? 0 : Bytes.front();
    layout = LayoutOfVersion(version);
    if (!layout) throw EReadError("node data of version %d cannot be read", {static_cast<int32_t>(version)});
    Bytes.erase(Bytes.begin());
  }
  Format = layout->Format;
  TBlockReader reader(std::move(Bytes), *layout);
  const int32_t count = reader.Int();
  if (layout->Padded) {
    const std::string nodeClass = reader.Text(reader.Byte(), 2);
    if (nodeClass != Utf16ToUtf8(kNodeClass)) throw EReadError("nodes of class %s cannot be read", {nodeClass});
  }
  return reader.Nodes(count, 0);
}

}  // namespace

// Reading and writing the node block (a friend of TTreeNodes).
struct TTreeNodesIO {
  static void Read(TTreeNodes* Nodes, TStream* Stream, bool Versioned) {
    std::vector<TNodeRecord> records;
    TFormat format = TFormat::Data;
    try {
      records = ReadBlock(AllBytes(Stream), Versioned, format);
    } catch (const EReadError& e) {
      throw EReadError("The nodes of tree view '%s' (Items.%s) cannot be read: %s",
                       {ControlDisplayName(Nodes->FOwner), Versioned ? "NodeData" : "Data", e.Message()});
    }
    Nodes->BeginUpdate();
    Nodes->Clear();
    Add(Nodes, nullptr, records);
    Nodes->FStreamFormat = format;
    Nodes->EndUpdate();
  }

  static void Add(TTreeNodes* Nodes, TTreeNode* Parent, const std::vector<TNodeRecord>& Records) {
    for (const TNodeRecord& r : Records) {
      TTreeNode* node = Nodes->AddChild(Parent, r.Text);
      node->FImageIndex = r.Image;
      node->FSelectedIndex = r.Selected;
      node->FStateIndex = r.State;
      node->FOverlayIndex = r.Overlay;
      node->FExpandedImageIndex = r.Expanded;
      node->FEnabled = r.Enabled;
      node->FData = reinterpret_cast<void*>(static_cast<intptr_t>(r.Data));
      Add(Nodes, node, r.Children);
    }
  }

  // Whether two trees write the same block (an inherited form writes its
  // nodes only when they differ from its ancestor's).
  static bool SameBlock(const TTreeNodes* A, const TTreeNodes* B) {
    auto bytes = [](const TTreeNodes* Nodes) {
      TOwned<TMemoryStream> data = MakeOwned<TMemoryStream>();
      Write(Nodes, data.get());
      data->SetPosition(0);
      return AllBytes(data.get());
    };
    return A->FStreamFormat == B->FStreamFormat && bytes(A) == bytes(B);
  }

  static void Write(const TTreeNodes* Nodes, TStream* Stream) {
    const TLayout& layout = *LayoutOf(Nodes->FStreamFormat);
    TBlockWriter writer(Stream, layout);
    if (layout.Version != 0) writer.Byte(layout.Version);
    writer.Int(static_cast<int32_t>(Nodes->FRoots.size()));
    if (layout.Padded) {
      writer.Byte(static_cast<uint8_t>(std::size(kNodeClass) - 1));
      writer.Wide(kNodeClass);
    }
    for (const TTreeNode* root : Nodes->FRoots) writer.Node(root);
  }
};

void TTreeNodes::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  const auto* ancestor = dynamic_cast<TTreeNodes*>(Filer->GetAncestor());
  const bool some = ancestor ? !TTreeNodesIO::SameBlock(this, ancestor) : !FRoots.empty();
  const bool classic = FStreamFormat == TStreamFormat::Data;
  auto write = [this](TStream* Stream) { TTreeNodesIO::Write(this, Stream); };
  Filer->DefineBinaryProperty(
      "Data", [this](TStream* Stream) { TTreeNodesIO::Read(this, Stream, false); }, write, some && classic);
  Filer->DefineBinaryProperty(
      "NodeData", [this](TStream* Stream) { TTreeNodesIO::Read(this, Stream, true); }, write, some && !classic);
}

}  // namespace host
