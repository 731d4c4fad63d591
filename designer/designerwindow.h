// TDesignerWindow: the form designer's main window.
//
// An ordinary host form, so it runs on the Qt widgetset as a real window
// and on the headless one under the robot. It holds:
//   - the main menu: File (New, Open..., Save, Save As..., Text Form File,
//     Run, Exit) and Edit (Undo, Redo, Delete);
//   - the component palette across the top (palette.h);
//   - the tree of the designed form's components on the left, indented
//     under their parents, selecting as it is clicked;
//   - the object inspector (propertyview.h).
// The designed form is a window of its own in design state, worked on
// through its design surface; a component's context menu lists its
// editor's verbs, a double-click runs the editor.
//
// The title names the file and marks unsaved changes with "*". Nothing
// unsaved is dropped without the question "Save changes to X?" (Yes saves,
// No discards, Cancel keeps everything as it is). A file that cannot be
// opened shows the reader's message and leaves the current form open.
// Run reads a copy of the form from its saved stream at run time (its
// connections connect) and shows it modally: closing it returns here.
#pragma once

#include <string>

#include "designer/propertyview.h"
#include "designer/palette.h"
#include "host/forms/form.h"
#include "host/menus/menus.h"
#include "host/stdctrls/lists.h"

namespace corvane::designer {

class TDesignerWindow : public host::TCustomForm, public host::TDesignerListener {
  HOST_CLASS(TDesignerWindow, host::TCustomForm)
  using TCreateArg = host::TComponent;
  // A designer window with a new, empty form.
  explicit TDesignerWindow(host::TComponent* AOwner);

  host::TFormDesigner* Designer() const { return FDesigner.get(); }
  host::TDesignSurface* Surface() const { return FSurface.get(); }
  TPropertyView* Inspector() const { return FInspector.get(); }
  TPaletteView* Palette() const { return FPalette.get(); }
  host::TListBox* Tree() const { return FTree; }
  host::TPopupMenu* ComponentMenu() const { return FComponentMenu; }
  const std::string& FileName() const { return FFileName; }
  // The designed form (null when the root is no form).
  host::TCustomForm* DesignedForm() const;

  // ---------------------------------------------------------- file handling
  // Each of these asks first when changes would be lost and does nothing
  // when the author cancels. Open shows the reader's message and returns
  // false for a file that is no form, keeping the current one.
  bool NewForm();
  bool OpenFile(const std::string& FileName);
  // Save writes to the form's file (Save As when it has none); both show a
  // write error and return false.
  bool Save();
  bool SaveAs(const std::string& FileName);
  // Whether the form may be dropped: nothing unsaved, or the author chose
  // Yes (saved) or No.
  bool CanDiscard();
  // Whether Save writes text form files (else binary ones).
  bool GetTextFormFile() const { return FTextFormFile; }
  void SetTextFormFile(bool Value);

  // The copy of the form at run time, shown modally; its result.
  host::TModalResult RunForm();
  std::string Title() const;

  void DesignerModified() override;
  void SelectionChanged() override;
  void DesignerDestroying() override {}

 protected:
  ~TDesignerWindow() override = default;
  void Destroy() override;

 private:
  void BuildMenu();
  host::TMenuItem* AddItem(host::TMenuItem* Parent, const char* Name, const char* Caption,
                           void (TDesignerWindow::*Handler)(host::TObject*), host::TShortCut ShortCut = 0);
  // Designs Designer's form from now on (the old one goes).
  void Take(host::TOwned<host::TFormDesigner> Designer, const std::string& FileName);
  void ShowDesignedForm();
  void FillTree();
  void UpdateTitle();
  void UpdateMenu();

  void NewClicked(host::TObject*);
  void OpenClicked(host::TObject*);
  void SaveClicked(host::TObject*);
  void SaveAsClicked(host::TObject*);
  void TextFormFileClicked(host::TObject*);
  void RunClicked(host::TObject*);
  void ExitClicked(host::TObject*);
  void UndoClicked(host::TObject*);
  void RedoClicked(host::TObject*);
  void DeleteClicked(host::TObject*);
  void TreeClicked(host::TObject*);
  void VerbClicked(host::TObject* Sender);
  void CloseAsked(host::TObject*, bool& CanClose);
  void Dropped(host::TComponent* Component);
  void Shown(host::TObject*);
  void DesignedKey(host::TWMKey& Key);
  void ContextMenu(host::TComponent* Component, host::TPoint At);

  host::TOwned<host::TFormDesigner> FDesigner;
  host::TOwned<host::TDesignSurface> FSurface;
  host::TOwned<TPropertyView> FInspector;
  host::TOwned<TPaletteView> FPalette;
  host::TListBox* FTree = nullptr;
  host::TPopupMenu* FComponentMenu = nullptr;
  host::TMenuItem* FUndoItem = nullptr;
  host::TMenuItem* FRedoItem = nullptr;
  host::TMenuItem* FTextItem = nullptr;
  std::string FMenuComponent;  // whose verbs the context menu shows
  std::string FFileName;
  bool FTextFormFile = true;
  int FUntitled = 0;  // the number of the last new form
};

}  // namespace corvane::designer
