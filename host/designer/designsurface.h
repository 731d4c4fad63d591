// TDesignSurface: the designed form under the author's mouse and keys.
//
// Attached to a form designer, it takes the input of the designed form
// (IDesignInput, through the designer) and turns it into design work:
//   - a click selects the component under the mouse (Shift adds it to the
//     selection or takes it out), a click on the form's free area starts a
//     rubber band that selects the controls it touches;
//   - dragging moves the selected controls, the eight grab handles of a
//     single selected control resize it, both snapped to the grid;
//   - arrow keys move the selection by a pixel, Shift+arrows resize it,
//     Delete deletes it, Escape selects the parent of the selection; other
//     keys go to OnOtherKey (the designer's short cuts);
//   - with a class chosen on the palette (SetDropClass) the next click
//     drops a new component of it there, named by UniqueName;
//   - a double-click runs the component editor's Edit, the right button
//     asks for the context menu (OnContextMenu: the UI shows the verbs);
//   - components that are no controls show as small icons on the form at
//     their design position (Left and Top in the form file), selected and
//     moved like controls.
// Grab handles, icons and the rubber band are windows of their own above
// the designed controls; the grid is painted on the form.
//
// Every change of the designed form, made here or anywhere else (the
// inspector, an editor dialog), reaches the designer's Modified; the
// surface keeps the form's text before and after each one, so Undo and
// Redo bring the whole form back to an earlier state (the designed root is
// then a new object: ask the designer for it again).
//
// Errors of design work started by input (a component that cannot be
// created or deleted, an editor that fails) go to the application's
// exception handler (a message box); called directly, the operations raise.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/designer/formdesigner.h"
#include "host/rtl/events.h"
#include "host/widgetset/wsmessages.h"

namespace host {

class TControl;
class TWinControl;

class TDesignSurface : public TObject, public TDesignerListener {
  HOST_CLASS(TDesignSurface, TObject)

  // Works on Designer's form (borrowed); the designer hands it the form's
  // input from now on.
  explicit TDesignSurface(TFormDesigner* Designer);

  TFormDesigner* GetDesigner() const { return FDesigner; }

  // ---------------------------------------------------------------- grid
  int32_t GetGridSize() const { return FGridSize; }
  // 1..64; raises EInvalidOperation outside.
  void SetGridSize(int32_t Value);
  bool GetSnapToGrid() const { return FSnapToGrid; }
  void SetSnapToGrid(bool Value) { FSnapToGrid = Value; }
  bool GetShowGrid() const { return FShowGrid; }
  void SetShowGrid(bool Value);

  // ------------------------------------------------------------- palette
  // The class the next click on the form drops (null: a click selects).
  TClass GetDropClass() const { return FDropClass; }
  void SetDropClass(TClass Value) { FDropClass = Value; }
  // Told after a dropped component was made (and selected); the drop
  // class is cleared by then.
  TEvent<TComponent*> OnDropped;
  // Told when the right button asks for Component's context menu at the
  // screen point given.
  TEvent<TComponent*, TPoint> OnContextMenu;
  // Told about a key pressed on the designed form that the surface has no
  // use for (a short cut of the designer's own, as Ctrl+Z).
  TEvent<TWMKey&> OnOtherKey;

  // ---------------------------------------------------------- operations
  // A new component of Class at At (client coordinates of Parent, the
  // form for null; snapped), selected. Raises as CreateComponent does.
  TComponent* Drop(TClass Class, TComponent* Parent, TPoint At);
  // Moves (resizes) every selected control and icon by the amounts given;
  // one change. The form itself does not move.
  void MoveSelection(int32_t DX, int32_t DY);
  void ResizeSelection(int32_t DWidth, int32_t DHeight);
  // Selects the controls with Parent as their parent that touch Rect
  // (Parent's client coordinates), and the icons when Parent is the form;
  // the form when none does.
  void SelectInRect(TWinControl* Parent, const TRect& Rect);
  // The verbs of Component's editor ("-" for a separator) and running one.
  std::vector<std::string> Verbs(TComponent* Component);
  void RunVerb(TComponent* Component, int Index);
  // The double-click: the component editor's Edit.
  void EditComponent(TComponent* Component);

  // ---------------------------------------------------------------- undo
  bool CanUndo() const { return !FUndo.empty(); }
  bool CanRedo() const { return !FRedo.empty(); }
  void Undo();
  void Redo();

  // Shows the grab handles and icons anew (after the form was shown, or
  // anything else the surface did not see).
  void Refresh();

  // The grab handles and icons shown now (for tests and the UI).
  int HandleCount() const { return static_cast<int>(FHandles.size()); }
  // The screen rectangle of the icon of a component that is no control;
  // empty when it shows none.
  TRect IconRect(TComponent* Component) const;

  // ------------------------------------------------- from the designer
  bool IsDesignMsg(TControl* Sender, TMessage& Message);
  void PaintGrid();

  void DesignerModified() override;
  void SelectionChanged() override;
  void DesignerDestroying() override;

 protected:
  ~TDesignSurface() override = default;
  void Destroy() override;

 private:
  class TMarker;
  friend class TMarker;
  enum class TDrag { None, Move, Resize, Rubber };
  // Which edges a grab handle moves (bits: left 1, top 2, right 4, bottom 8).
  using TEdges = uint8_t;
  struct TStart {
    TComponent* Component;
    TRect Bounds;  // a control's bounds, or an icon's place on the form
  };

  TComponent* Root() const;
  TWinControl* RootControl() const;
  // The designed component a message for Sender at Local means.
  TComponent* TargetAt(TControl* Sender, TPoint Local) const;
  TComponent* IconAt(TPoint Screen) const;
  bool Mouse(TControl* Sender, TMessage& Message);
  bool Key(TMessage& Message);
  void MouseDown(TComponent* Target, TPoint Screen, uint32_t Keys);
  void IconMouse(TComponent* Component, TWMMouse& Message, TPoint Screen);
  TWinControl* DropParent(TComponent* Target) const;
  void MouseMove(TPoint Screen);
  void MouseUp(TPoint Screen);
  void StartDrag(TDrag Kind, TPoint Screen, TEdges Edges = 0);
  void EndDrag();
  // Moves or resizes the dragged components by a screen delta.
  void ApplyDrag(TPoint Delta);
  int32_t Snap(int32_t Value) const;
  void ShowRubber(TPoint From, TPoint To);
  // Runs input-started design work; its error goes to the application.
  template <class F>
  void Guarded(F&& Work);
  void SetDesignPosition(TComponent* Component, const TRect& Place);
  TRect DesignPlace(TComponent* Component) const;
  // The place a component's design position (DesignInfo) gives its icon.
  static TRect StoredPlace(TComponent* Component);
  // The changes of one step, told to the designer once.
  void Changed();
  template <class F>
  void OneChange(F&& Work);

  void ClearMarkers();
  void ShowMarkers();
  void ShowIcons();
  void ShowHandles();
  HWND WindowOf(TWinControl* Control) const;

  // Undo and redo: the form's text before each change.
  std::string Snapshot() const;
  void Restore(const std::string& Text);

  TFormDesigner* FDesigner;
  int32_t FGridSize = 8;
  bool FSnapToGrid = true;
  bool FShowGrid = true;
  TClass FDropClass = nullptr;

  TDrag FDrag = TDrag::None;
  TPoint FDragFrom;
  TEdges FDragEdges = 0;
  bool FDragMoved = false;
  std::vector<TStart> FDragStart;
  TWinControl* FRubberParent = nullptr;

  std::vector<std::unique_ptr<TMarker>> FHandles;
  std::vector<std::unique_ptr<TMarker>> FIcons;
  std::vector<std::unique_ptr<TMarker>> FRubber;

  std::string FCurrent;  // the form's text after the last change
  std::vector<std::string> FUndo;
  std::vector<std::string> FRedo;
  bool FRestoring = false;
  int FChanging = 0;  // changes of one step in progress
};

}  // namespace host
