// What the connection editor dialogs share: a host form whose layout is a
// form file compiled into the library (kellayouts.h), whose controls are
// found by their names in that layout and whose handlers are methods of the
// dialog class hooked to them when it is created; the designer it works
// for; its placement in the per-user store (kelplacement.h); the watch on
// the objects it edits; and the component choosers and feature lists.
//
// Life: a dialog is created with the application as owner and shown
// modally through Execute (or modelessly by its opener); whatever raises
// before the modal loop ends frees it and goes on. Closing it saves its
// placement and frees it (caFree). An object it watches that is freed
// meanwhile is forgotten (WatchedFreed) and the dialog closes, so nothing
// touches the freed object.
//
// Component choosers are editable combo boxes listing the names of the
// designed form's components whose classes have descriptors. A chooser
// commits when it loses the focus, when an item is picked and on Enter:
// the text is compared with the name of the component bound now (without
// regard to case); when they differ, the component of that name (or none)
// is bound and the text set to its name as the designer spells it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/kelcommon.h"
#include "editors/kelplacement.h"
#include "host/designer/designintf.h"
#include "host/forms/application.h"
#include "host/forms/form.h"
#include "host/stdctrls/buttons.h"
#include "host/stdctrls/lists.h"
#include "host/stdctrls/texts.h"

namespace kel {

class TkelEditorDialog : public host::TForm {
  HOST_CLASS(TkelEditorDialog, host::TForm)
  using TCreateArg = host::TComponent;
  explicit TkelEditorDialog(host::TComponent* AOwner) : host::TForm(AOwner) {}

  // The designer the dialog works for (the IFormDesigner of Designer).
  void SetDesigner(host::IDesigner* Designer);
  host::IFormDesigner* GetFormDesigner() const { return FDesigner; }

  // Prepares Dialog (sets what it edits) and shows it modally. When
  // anything raises before the loop ends, the dialog is freed and the
  // exception goes on.
  static void Execute(TkelEditorDialog* Dialog, const std::function<void()>& Prepare);
  // Runs Steps on Dialog, new; when they raise, the dialog is freed and
  // the exception goes on.
  static void Guarded(TkelEditorDialog* Dialog, const std::function<void()>& Steps);

 protected:
  ~TkelEditorDialog() override = default;

  // Finds the controls and hooks the handlers (the layout is read by now).
  virtual void BindControls() = 0;
  // Where the placement is kept; no key name: none.
  struct TPlacement {
    std::string_view KeyName;
    uint8_t Reads = 0;
    uint8_t Writes = 0;
  };
  virtual TPlacement Placement() const { return {}; }
  // A watched object was freed: the dialog forgets it (the default closes
  // the dialog; the pointer is gone by then).
  virtual void WatchedFreed(host::TComponent* AComponent);

 public:
  // ------------------------------------------ for the dialog and its parts
  // The component of the layout named Name, of class T; raises
  // EComponentError when the layout has none (a broken form file).
  template <class T>
  T* Find(std::string_view Name) const {
    return static_cast<T*>(FindOf(Name, &T::StaticMetaClass));
  }
  // A combo box that commits its text: OnExit, OnClick (an item picked) and
  // Enter call Commit.
  void HookCommit(host::TCustomComboBox* Combo, std::function<void()> Commit);
  // Fills Chooser with the names of the described components and shows
  // the name of Bound.
  void FillChooser(host::TCustomComboBox* Chooser, host::TComponent* Bound);
  // Commits Chooser for the component bound now: Bind is called with the
  // component its text names (or null) when that differs from Bound, and
  // the text is normalised. False when nothing changed.
  bool CommitChooser(host::TCustomComboBox* Chooser, host::TComponent* Bound,
                     const std::function<void(host::TComponent*)>& Bind);
  // Commits an event combo for the component described by Info: an empty
  // text sets no event, a name Info finds (in exact case, protected ones
  // too) sets that event, any other text is put back to Current. False
  // when the text was put back.
  static bool CommitEvent(host::TCustomComboBox* Combo, TkelClassInfo* Info, const std::string& Current,
                          const std::function<void(const std::string&)>& Set);
  std::string NameOf(host::TComponent* Component) const;
  // Tells the designer that the form changed.
  void Modified();

 protected:
  // Frees the dialog with Object (see WatchedFreed).
  void Watch(host::TComponent* Object);
  void Unwatch(host::TComponent* Object);

  void DoCreate() override;
  void DoClose(host::TCloseAction& Action) override;
  void Notification(host::TComponent* AComponent, host::TOperation Operation) override;

  host::IFormDesigner* FDesigner = nullptr;

 private:
  host::TComponent* FindOf(std::string_view Name, host::TClass Class) const;
  std::vector<host::TComponent*> FWatched;
};

// Opens a dialog of class D (owned by the application) modally on
// Connection for Designer: the openers of the connection dialogs.
template <class D, class C>
void kelShowConnectionDialog(host::IDesigner* Designer, C* Connection) {
  auto* dialog = host::New<D>(host::Application);
  TkelEditorDialog::Execute(dialog, [&] {
    dialog->SetDesigner(Designer);
    dialog->SetConnection(Connection);
  });
}

// The open windows of a modeless editor class W, one per designer and
// edited object: a window adds itself when created and leaves when
// destroyed.
template <class W>
class TkelOpenWindows {
 public:
  const std::vector<W*>& Items() const { return FItems; }
  void Add(W* Window) { FItems.push_back(Window); }
  void Remove(W* Window) { std::erase(FItems, Window); }
  // Brings the open window of Designer editing Object (as Edited tells)
  // to the front, or opens a new one on it (through Edit).
  template <class O>
  void Show(host::IDesigner* Designer, O* Object, O* (W::*Edited)() const, void (W::*Edit)(O*)) {
    host::IFormDesigner* formDesigner = host::AsFormDesigner(Designer);
    for (W* open : FItems)
      if (open->GetFormDesigner() == formDesigner && (open->*Edited)() == Object) {
        open->Show();
        open->BringToFront();
        return;
      }
    auto* window = host::New<W>(host::Application);
    TkelEditorDialog::Guarded(window, [&] {
      window->SetDesigner(Designer);
      (window->*Edit)(Object);
      window->Show();
    });
  }
  // Frees the windows still open (at unit shutdown).
  void FreeAll() {
    while (!FItems.empty()) FItems.back()->Free();
  }

 private:
  std::vector<W*> FItems;
};

// Refills List with Names (in update brackets; a combo's text is emptied
// first) and selects Current's index in the list (none when not there).
void kelFillList(host::TCustomListControl* List, const std::vector<std::string>& Names, const std::string& Current);

// The text of the item selected in List; empty when none is.
std::string kelChosenItem(host::TCustomListControl* List);

// Feature names of a descriptor (none for null), in declaration order.
std::vector<std::string> kelEventNames(TkelClassInfo* Info);  // not protected
std::vector<std::string> kelMethodNames(TkelClassInfo* Info);
// Properties of style Required (readable, writable) that are not protected.
std::vector<std::string> kelPropertyNames(TkelClassInfo* Info, TkelPropertyStyleElement Required);
// "[A, B]" of a property's index names; "(None)" without indexes.
std::string kelIndexDisplay(TkelPropertyInfo* Property);

}  // namespace kel
