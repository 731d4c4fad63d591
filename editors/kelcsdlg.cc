#include "editors/kelcsdlg.h"

#include <algorithm>
#include <functional>

#include "connections/kele2m.h"
#include "connections/kele2p.h"
#include "connections/kelp2p.h"
#include "editors/kele2meditor.h"
#include "editors/kele2peditor.h"
#include "editors/kellayouts.h"
#include "editors/kelp2peditor.h"
#include "host/actnlist/action.h"
#include "host/comctrls/listview.h"
#include "host/dialogs/dialogs.h"
#include "host/graphics/bitmap.h"
#include "host/imglist/imglist.h"
#include "host/menus/menuitem.h"

namespace kel {

HOST_IMPL(TkelConnectionEditor, TkelEditorDialog)

using host::TCanvas;
using host::TComponent;

namespace {

TkelOpenWindows<TkelConnectionEditor> OpenConnectionEditors;

// The image of a connection kind in ilConnectors: P2P 0, E2P 1, E2M 2
// (tested in that order; a class derived from one takes its image).
int32_t ImageOf(const TkelConnection* Connection) {
  if (dynamic_cast<const TkelP2PConnection*>(Connection)) return 0;
  if (dynamic_cast<const TkelE2PConnection*>(Connection)) return 1;
  if (dynamic_cast<const TkelE2MConnection*>(Connection)) return 2;
  return -1;
}

// ------------------------------------------------------------------ images
// Small drawings of 16 x 16 pixels on a fuchsia background (transparent).

void Box(TCanvas* C, int32_t L, int32_t T, host::TColor Colour) {
  C->GetBrush()->SetColor(Colour);
  C->Rectangle(L, T, L + 6, T + 6);
}

void Bolt(TCanvas* C) {
  C->GetBrush()->SetColor(host::clYellow);
  const host::TPoint bolt[] = {{4, 0}, {0, 8}, {3, 8}, {1, 15}, {8, 5}, {5, 5}, {8, 0}};
  C->Polygon(bolt);
}

void Link(TCanvas* C, int32_t X1, int32_t Y1, int32_t X2, int32_t Y2) {
  C->MoveTo(X1, Y1);
  C->LineTo(X2, Y2);
}

const std::function<void(TCanvas*)> kConnectorImages[] = {
    [](TCanvas* C) {  // property to property: two boxes linked
      Box(C, 0, 5, host::clAqua);
      Box(C, 10, 5, host::clAqua);
      Link(C, 6, 8, 10, 8);
    },
    [](TCanvas* C) {  // event to property: a bolt and a box
      Bolt(C);
      Box(C, 10, 5, host::clAqua);
      Link(C, 8, 8, 10, 8);
    },
    [](TCanvas* C) {  // event to method: a bolt and a round
      Bolt(C);
      C->GetBrush()->SetColor(host::clLime);
      C->Ellipse(9, 4, 16, 12);
    },
};

const std::function<void(TCanvas*)> kButtonImages[] = {
    [](TCanvas* C) {  // new: a plus
      Link(C, 8, 2, 8, 14);
      Link(C, 2, 8, 14, 8);
    },
    [](TCanvas* C) {  // delete: a cross
      Link(C, 3, 3, 13, 13);
      Link(C, 13, 3, 3, 13);
    },
    [](TCanvas* C) {
      const host::TPoint up[] = {{8, 3}, {13, 11}, {3, 11}};
      C->Polygon(up);
    },
    [](TCanvas* C) {
      const host::TPoint down[] = {{3, 4}, {13, 4}, {8, 12}};
      C->Polygon(down);
    },
    [](TCanvas* C) {  // properties: a page with lines
      C->Rectangle(3, 1, 13, 15);
      for (int32_t y = 4; y < 13; y += 3) Link(C, 5, y, 11, y);
    },
};

template <std::size_t N>
void DrawInto(host::TCustomImageList* Images, const std::function<void(TCanvas*)> (&Drawings)[N]) {
  for (const auto& draw : Drawings) {
    host::TOwned<host::TBitmap> bitmap = host::MakeOwned<host::TBitmap>();
    bitmap->SetSize(16, 16);
    TCanvas* canvas = bitmap->GetCanvas();
    canvas->GetBrush()->SetColor(host::clFuchsia);
    canvas->FillRect({0, 0, 16, 16});
    canvas->GetPen()->SetColor(host::clBlack);
    canvas->GetBrush()->SetColor(host::clBlack);
    draw(canvas);
    Images->AddMasked(bitmap.get(), host::clFuchsia);
  }
}

}  // namespace

const std::vector<TkelConnectionEditor*>& kelOpenConnectionEditors() { return OpenConnectionEditors.Items(); }

// ------------------------------------------------------------------- life

void TkelConnectionEditor::BindControls() {
  lvConnections = Find<host::TListView>("lvConnections");
  lvConnections->OnSelectItem = [this](host::TObject*, host::TListItem* Item, bool Selected) {
    if (Selected && Item && FDesigner) FDesigner->SelectComponent(static_cast<TkelConnection*>(Item->GetData()));
  };
  lvConnections->OnDblClick = [this](host::TObject*) {
    if (lvConnections->GetSelected()) EditSelected();
  };
  DrawImages();
  HookActions();
}

void TkelConnectionEditor::DrawImages() {
  DrawInto(Find<host::TImageList>("ilConnectors"), kConnectorImages);
  DrawInto(Find<host::TImageList>("ilButtons"), kButtonImages);
}

void TkelConnectionEditor::HookActions() {
  const auto adder = [this](host::TClass Class, const char* BaseName) {
    return host::TNotifyEvent([this, Class, BaseName](host::TObject*) { Add(Class, BaseName); });
  };
  const host::TNotifyEvent addP2P = adder(&TkelP2PConnection::StaticMetaClass, "P2PConnection");
  const host::TNotifyEvent addE2P = adder(&TkelE2PConnection::StaticMetaClass, "E2PConnection");
  const host::TNotifyEvent addE2M = adder(&TkelE2MConnection::StaticMetaClass, "E2MConnection");
  Find<host::TAction>("cmAdd")->SetOnExecute(addP2P);
  for (const char* name : {"miAddP2P", "miNewP2P"}) Find<host::TMenuItem>(name)->OnClick = addP2P;
  for (const char* name : {"miAddE2P", "miNewE2P"}) Find<host::TMenuItem>(name)->OnClick = addE2P;
  for (const char* name : {"miAddE2M", "miNewE2M"}) Find<host::TMenuItem>(name)->OnClick = addE2M;

  const auto selection = [this](host::TObject* Sender) {
    static_cast<host::TAction*>(Sender)->SetEnabled(lvConnections->GetSelCount() > 0);
  };
  auto* del = Find<host::TAction>("cmDelete");
  del->SetOnExecute([this](host::TObject*) { DeleteSelected(); });
  del->OnUpdate = selection;
  auto* properties = Find<host::TAction>("cmProperties");
  properties->SetOnExecute([this](host::TObject*) { EditSelected(); });
  properties->OnUpdate = selection;
  auto* up = Find<host::TAction>("cmMoveUp");
  up->SetOnExecute([this](host::TObject*) { MoveSelected(-1); });
  up->OnUpdate = [this](host::TObject* Sender) { UpdateMove(static_cast<host::TAction*>(Sender), -1); };
  auto* down = Find<host::TAction>("cmMoveDown");
  down->SetOnExecute([this](host::TObject*) { MoveSelected(+1); });
  down->OnUpdate = [this](host::TObject* Sender) { UpdateMove(static_cast<host::TAction*>(Sender), +1); };
}

void TkelConnectionEditor::DoCreate() {
  OpenConnectionEditors.Add(this);
  inherited::DoCreate();
}

void TkelConnectionEditor::DoDestroy() {
  OpenConnectionEditors.Remove(this);
  inherited::DoDestroy();
}

void TkelConnectionEditor::DoClose(host::TCloseAction& Action) {
  if (FConnectionList && FDesigner) FDesigner->SelectComponent(FConnectionList);
  inherited::DoClose(Action);
}

void TkelConnectionEditor::SetConnectionList(TkelConnectionList* Value) {
  Unwatch(FConnectionList);
  FConnectionList = Value;
  Watch(FConnectionList);
  FillList();
}

void TkelConnectionEditor::WatchedFreed(TComponent* AComponent) {
  FConnectionList = nullptr;
  inherited::WatchedFreed(AComponent);
}

void TkelConnectionEditor::Activate() {
  FillList();
  inherited::Activate();
}

// -------------------------------------------------------------------- list

void TkelConnectionEditor::FillList() {
  host::TListItems* items = lvConnections->GetItems();
  items->BeginUpdate();
  items->Clear();
  for (int i = 0; FConnectionList && i < FConnectionList->GetConnectionCount(); ++i)
    AddItem(FConnectionList->GetConnection(i));
  items->EndUpdate();
}

host::TListItem* TkelConnectionEditor::AddItem(TkelConnection* Connection) {
  host::TListItem* item = lvConnections->GetItems()->Add();
  item->SetCaption(Connection->GetName());
  item->SetData(Connection);
  item->SetImageIndex(ImageOf(Connection));
  return item;
}

void TkelConnectionEditor::SelectItem(host::TListItem* Item) {
  lvConnections->SetSelected(Item);
  lvConnections->SetItemFocused(Item);
  Item->MakeVisible(false);
}

TkelConnection* TkelConnectionEditor::SelectedConnection() const {
  host::TListItem* item = lvConnections->GetSelected();
  return item ? static_cast<TkelConnection*>(item->GetData()) : nullptr;
}

void TkelConnectionEditor::UpdateMove(host::TAction* Action, int Delta) {
  host::TListItem* item = lvConnections->GetSelected();
  const int32_t target = item ? item->GetIndex() + Delta : -1;
  Action->SetEnabled(lvConnections->GetSelCount() == 1 && target >= 0 &&
                     target < lvConnections->GetItems()->GetCount());
}

// ---------------------------------------------------------------- commands

void TkelConnectionEditor::Add(host::TClass ConnectionClass, const std::string& BaseName) {
  if (!FDesigner || !FConnectionList) return;
  TComponent* made = FDesigner->CreateComponent(ConnectionClass, nullptr, 0, 0, 0, 0);
  made->SetName(FDesigner->UniqueName(BaseName));
  auto* connection = static_cast<TkelConnection*>(made);
  connection->SetConnectionList(FConnectionList);
  FDesigner->Modified();
  SelectItem(AddItem(connection));
}

void TkelConnectionEditor::DeleteSelected() {
  host::TListItem* item = lvConnections->GetSelected();
  if (!item) return;
  if (host::MessageDlg("Delete " + item->GetCaption() + " connection?", host::mtConfirmation,
                       {host::mbYes, host::mbNo}, 0) != host::mrYes)
    return;
  auto* connection = static_cast<TkelConnection*>(item->GetData());
  const int32_t index = item->GetIndex();
  connection->Free();
  lvConnections->GetItems()->Delete(index);
  Modified();
}

void TkelConnectionEditor::MoveSelected(int Delta) {
  TkelConnection* connection = SelectedConnection();
  if (!connection || !FConnectionList) return;
  connection->SetIndex(connection->GetIndex() + Delta);
  FillList();
  const int index = connection->GetIndex();
  SelectItem(lvConnections->GetItems()->GetItem(index));
  if (FDesigner) FDesigner->SelectComponent(FConnectionList->GetConnection(index));
  Modified();
}

void TkelConnectionEditor::EditSelected() {
  host::TListItem* item = lvConnections->GetSelected();
  if (!item || !FDesigner) return;
  kelEditConnection(FDesigner, FDesigner->GetComponent(item->GetCaption()));
}

// ----------------------------------------------------------------- openers

void kelEditConnection(host::IDesigner* Designer, TComponent* Connection) {
  if (auto* p2p = dynamic_cast<TkelP2PConnection*>(Connection)) return kelShowP2PEditor(Designer, p2p);
  if (auto* e2p = dynamic_cast<TkelE2PConnection*>(Connection)) return kelShowE2PEditor(Designer, e2p);
  if (auto* e2m = dynamic_cast<TkelE2MConnection*>(Connection)) return kelShowE2MEditor(Designer, e2m);
  throw host::Exception("Internal Error. Unknown connection");
}

void kelShowConnectionsEditor(host::IDesigner* Designer, TComponent* Component) {
  auto* list = dynamic_cast<TkelConnectionList*>(Component);
  if (!list) throw host::EInvalidCast("Invalid class typecast");
  OpenConnectionEditors.Show(Designer, list, &TkelConnectionEditor::GetConnectionList,
                             &TkelConnectionEditor::SetConnectionList);
}

namespace kelcsdlg {

void Initialize() { kelRegisterLayout(&TkelConnectionEditor::StaticMetaClass, "kelcsdlg.dfm"); }

void Finalize() {
  OpenConnectionEditors.FreeAll();
  host::UnregisterFormLayout(&TkelConnectionEditor::StaticMetaClass);
}

}  // namespace kelcsdlg

}  // namespace kel
