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
//     [version 3: ExpandedImageIndex], Data, child count, [version 3:
//     Enabled byte], text as a length byte and that many UTF-16 units.
//
// A block is read whole before the tree changes: a block cut short or whose
// sizes disagree raises EReadError and the nodes stay as they were. Data
// goes back as the 32-bit number it was (the classic control writes the
// pointer's value); 8-bit texts are kept byte for byte.
#include <cstring>

#include "host/classes/filer.h"
#include "host/classes/streams.h"
#include "host/comctrls/treeview.h"

namespace host {

namespace {

using TFormat = TTreeNodes::TStreamFormat;

constexpr int32_t kMaxDepth = 512;

struct TNodeRecord {
  int32_t Image = 0, Selected = 0, State = -1, Overlay = -1, Expanded = 0, Data = 0;
  bool Enabled = true;
  std::string Text;
  std::vector<TNodeRecord> Children;
};

// The fixed part of a record after its size: 6 numbers and the length
// byte, with version 3's extra number and Enabled byte.
int32_t FixedSize(TFormat Format) { return Format == TFormat::NodeData3 ? 30 : 25; }
int32_t CharSize(TFormat Format) { return Format == TFormat::Data ? 1 : 2; }

class TBlockReader {
 public:
  TBlockReader(std::vector<uint8_t> Bytes, TFormat Format) : FBytes(std::move(Bytes)), FFormat(Format) {}

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
    ++FRecords;
    const int32_t size = Int();
    TNodeRecord r;
    r.Image = Int();
    r.Selected = Int();
    r.State = Int();
    r.Overlay = Int();
    if (FFormat == TFormat::NodeData3) r.Expanded = Int();
    r.Data = Int();
    const int32_t children = Int();
    if (FFormat == TFormat::NodeData3) r.Enabled = Byte() != 0;
    const int32_t length = Byte();
    if (size != FixedSize(FFormat) + length * CharSize(FFormat))
      Fail("node " + IntToStr(FRecords) + " gives its size as " + IntToStr(size) + " for a text of " +
           IntToStr(length) + " characters");
    r.Text = Text(length);
    r.Children = Nodes(children, Depth + 1);
    return r;
  }
  std::string Text(int32_t Length) {
    Need(static_cast<std::size_t>(Length * CharSize(FFormat)));
    const uint8_t* p = FBytes.data() + FPos;
    FPos += static_cast<std::size_t>(Length * CharSize(FFormat));
    if (FFormat == TFormat::Data) return std::string(reinterpret_cast<const char*>(p), static_cast<std::size_t>(Length));
    std::u16string wide;
    for (int32_t i = 0; i < Length; ++i) wide += static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
    return Utf16ToUtf8(wide);
  }

  std::vector<uint8_t> FBytes;
  TFormat FFormat;
  std::size_t FPos = 0;
  int32_t FRecords = 0;
};

class TBlockWriter {
 public:
  TBlockWriter(TStream* Stream, TFormat Format) : FStream(Stream), FFormat(Format) {}
  void Byte(uint8_t Value) { FStream->WriteBuffer(&Value, 1); }
  void Int(int32_t Value) {
    uint8_t bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(Value) >> (8 * i));
    FStream->WriteBuffer(bytes, 4);
  }
  void Node(const TTreeNode* Node) {
    const std::u16string wide = FFormat == TFormat::Data ? u"" : Utf8ToUtf16(Node->GetText());
    const std::string narrow = FFormat == TFormat::Data ? ShortText(Node->GetText()) : "";
    const int32_t length = static_cast<int32_t>(FFormat == TFormat::Data ? narrow.size() : std::min<std::size_t>(wide.size(), 255));
    Int(FixedSize(FFormat) + length * CharSize(FFormat));
    Int(Node->GetImageIndex());
    Int(Node->GetSelectedIndex());
    Int(Node->GetStateIndex());
    Int(Node->GetOverlayIndex());
    if (FFormat == TFormat::NodeData3) Int(Node->GetExpandedImageIndex());
    Int(static_cast<int32_t>(reinterpret_cast<intptr_t>(Node->GetData())));
    Int(Node->GetCount());
    if (FFormat == TFormat::NodeData3) Byte(Node->GetEnabled() ? 1 : 0);
    Byte(static_cast<uint8_t>(length));
    if (FFormat == TFormat::Data) {
      if (length > 0) FStream->WriteBuffer(narrow.data(), length);
    } else {
      for (int32_t i = 0; i < length; ++i) {
        Byte(static_cast<uint8_t>(wide[i] & 0xFF));
        Byte(static_cast<uint8_t>(wide[i] >> 8));
      }
    }
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
  TFormat FFormat;
};

std::vector<uint8_t> AllBytes(TStream* Stream) {
  std::vector<uint8_t> bytes(static_cast<std::size_t>(Stream->GetSize() - Stream->GetPosition()));
  if (!bytes.empty()) Stream->ReadBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  return bytes;
}

}  // namespace

// Reading and writing the node block (a friend of TTreeNodes).
struct TTreeNodesIO {
  static void Read(TTreeNodes* Nodes, TStream* Stream, bool Versioned) {
    std::vector<TNodeRecord> records;
    TFormat format = TFormat::Data;
    try {
      std::vector<uint8_t> bytes = AllBytes(Stream);
      if (Versioned) {
        const uint8_t version = bytes.empty() ? 0 : bytes.front();
        if (version != 1 && version != 3)
          throw EReadError("node data of version %d cannot be read", {static_cast<int32_t>(version)});
        format = version == 1 ? TFormat::NodeData1 : TFormat::NodeData3;
        bytes.erase(bytes.begin());
      }
      TBlockReader reader(std::move(bytes), format);
      const int32_t count = reader.Int();
      records = reader.Nodes(count, 0);
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
    const TFormat format = Nodes->FStreamFormat;
    TBlockWriter writer(Stream, format);
    if (format != TFormat::Data) writer.Byte(format == TFormat::NodeData1 ? 1 : 3);
    writer.Int(static_cast<int32_t>(Nodes->FRoots.size()));
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
