// The connection list editor ("Connections"): the modeless window in which
// an author sees, adds, deletes, reorders and opens the connections of one
// connection list of the designed form.
//
// The list shows one line per connection, in list order, named by the
// connection and pictured by its kind (property to property, event to
// property, event to method). New connections are made by the designer
// (CreateComponent), named by UniqueName from "P2PConnection",
// "E2PConnection" or "E2MConnection", put at the end of the list and
// selected; Ins, Shift+Ins and Ctrl+Ins add them from the keyboard, the
// tool bar's "New connection" button adds a property-to-property one and
// its arrow offers all three. Delete asks first ("Delete NAME
// connection?"); Move Up and Move Down change the connection's Index;
// Properties (or a double click) opens the dialog of the connection's kind.
// A line picked becomes the designer's selection; closing the window gives
// the designer the list back.
//
// One window per designer and list: opening it again brings the open one
// to the front. Every activation lists the connections again (renames,
// deletions and moves made elsewhere show; the selection is lost). It
// closes when its list is deleted. The placement is kept under
// "Connection Editor" (all four).
#pragma once

#include <vector>

#include "connections/kelconlist.h"
#include "editors/keldialog.h"

namespace host {
class TListView;
class TListItem;
class TAction;
}  // namespace host

namespace kel {

class TkelConnectionEditor : public TkelEditorDialog {
  HOST_CLASS(TkelConnectionEditor, TkelEditorDialog)
  using TCreateArg = host::TComponent;
  explicit TkelConnectionEditor(host::TComponent* AOwner) : TkelEditorDialog(AOwner) {}

  TkelConnectionList* GetConnectionList() const { return FConnectionList; }
  void SetConnectionList(TkelConnectionList* Value);

  // The commands, as the tool bar, the menus and the keys run them.
  void Add(host::TClass ConnectionClass, const std::string& BaseName);
  void DeleteSelected();
  void MoveSelected(int Delta);
  void EditSelected();

 protected:
  ~TkelConnectionEditor() override = default;
  void BindControls() override;
  TPlacement Placement() const override { return {"Connection Editor", kpAll, kpAll}; }
  void WatchedFreed(host::TComponent* AComponent) override;
  void Activate() override;
  void DoCreate() override;
  void DoClose(host::TCloseAction& Action) override;
  void DoDestroy() override;

 private:
  void FillList();
  host::TListItem* AddItem(TkelConnection* Connection);
  void SelectItem(host::TListItem* Item);
  TkelConnection* SelectedConnection() const;
  void DrawImages();
  void HookActions();
  void UpdateMove(host::TAction* Action, int Delta);

  host::TListView* lvConnections = nullptr;
  TkelConnectionList* FConnectionList = nullptr;
};

// Shows the editor of Component (a connection list; another component
// raises EInvalidCast and leaves no window) for Designer: the open one when
// there is one, else a new one.
void kelShowConnectionsEditor(host::IDesigner* Designer, host::TComponent* Component);
// The editors open now (OpenConnectionEditors), in opening order.
const std::vector<TkelConnectionEditor*>& kelOpenConnectionEditors();
// Opens the dialog of Connection's kind; a component of no connection kind
// raises "Internal Error. Unknown connection".
void kelEditConnection(host::IDesigner* Designer, host::TComponent* Connection);

namespace kelcsdlg {
void Initialize();
// Frees the editors still open.
void Finalize();
}  // namespace kelcsdlg

}  // namespace kel
