// TWinControl: a control with a window of the running widgetset that holds
// child controls, takes the keyboard focus and lays its children out by
// Align and Anchors; TGraphicControl and TCustomControl, the two kinds of
// control that paint themselves on a canvas; TControlCanvas, the canvas
// that draws on a control.
//
// The window (Handle) is made when first needed and pushed the control's
// cached state; a control without a window keeps working (a backend
// without windows never makes one). Graphic controls have no window: their
// parent paints them and passes them the mouse messages over their bounds.
//
// Bad input raises EInvalidOperation and changes nothing: a control made
// its own parent or a parent of one of its parents, Controls[i] out of
// range (EListError), SetFocus on a control that cannot focus.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/controls/control.h"
#include "host/graphics/canvas.h"
#include "host/widgetset/wscontrols.h"
#include "host/widgetset/wswindows.h"

namespace host {

class TBrush;
class TList;
class TDockTree;
class IDockManager;

class TWinControlActionLink : public TControlActionLink {
  HOST_CLASS(TWinControlActionLink, TControlActionLink)
  using TCreateArg = TObject;
  explicit TWinControlActionLink(TObject* AClient) : TControlActionLink(AClient) {}
  bool IsHelpContextLinked() override;

 protected:
  ~TWinControlActionLink() override = default;
  void SetHelpContext(THelpContext Value) override;
};

class TWinControl : public TControl {
  HOST_CLASS(TWinControl, TControl)
  using TCreateArg = TComponent;

  explicit TWinControl(TComponent* AOwner);
  // A control whose window is a child of the window ParentWindow of
  // another library (the classic CreateParented).
  static TWinControl* CreateParented(HWND ParentWindow);
  TWinControl* CreateParentedControl(HWND ParentWindow);

  // ------------------------------------------------------------- children
  int32_t GetControlCount() const { return static_cast<int32_t>(FControls.size()); }
  // Raises EListError "List index out of bounds (<i>)" outside 0..Count-1.
  TControl* GetControls(int32_t Index) const;
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(TControl* Control) const;
  // The child (visible, and enabled unless AllowDisabled) at a point of the
  // client area, the topmost first; null when none.
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls = false);
  // The child named ControlName (compared without regard to case).
  TControl* FindChildControl(const std::string& ControlName) const;
  // Mirrors the children's positions left to right (AllLevels: theirs too).
  virtual void FlipChildren(bool AllLevels);
  // Passes Message to every child's WndProc until one answers with a
  // Result: the host's own control messages, complete with their parameters.
  void Broadcast(TWMGeneric& Message);
  // Sends every child a record of the kind Message.Msg names, made from the
  // number alone (as Perform(Msg, 0, 0) makes it), until one answers; the
  // answer goes to Message.Result. Only Msg is read, so any 16-byte block
  // that starts with a message number is a well-formed message here.
  void Broadcast(TMessage& Message);
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  // ----------------------------------------------------------- alignment
  void DisableAlign() { ++FAlignLevel; }
  void EnableAlign();
  void Realign();
  bool AlignDisabled() const { return FAlignLevel > 0; }
  void ScaleBy(int32_t M, int32_t D);
  // Moves every child by the deltas (the window's content scrolls).
  void ScrollBy(int32_t DeltaX, int32_t DeltaY);

  // --------------------------------------------------------------- window
  // The window, made on first use. Raises EInvalidOperation when the
  // control has no parent window to live in ("Control '%s' has no parent
  // window") — a top-level control (no Parent) makes a top-level window.
  HWND GetHandle();
  HWND GetWindowHandle() const { return FHandle; }
  void SetWindowHandle(HWND Value) { FHandle = Value; }
  bool HandleAllocated() const { return FHandle != 0; }
  void HandleNeeded() { GetHandle(); }
  HWND GetParentWindow() const { return FParentWindow; }
  void SetParentWindow(HWND Value);
  // Visible with every parent visible (and, with a window, shown).
  bool GetShowing() const;
  void UpdateControlState();
  TPoint GetClientOrigin() override;
  TRect GetClientRect() override;
  void Invalidate() override;
  void Update() override;
  void Repaint() override;
  // Paints the control and its children onto DC with the top-left corner at (X, Y).
  void PaintTo(HDC DC, int32_t X, int32_t Y);
  TBrush* GetBrush() const { return FBrush; }
  void* GetDefWndProc() const { return FDefWndProc; }
  void SetDefWndProc(void* Value) { FDefWndProc = Value; }

  // ---------------------------------------------------------------- focus
  bool CanFocus() const;
  bool Focused() const;
  // Raises EInvalidOperation "Cannot focus a disabled or invisible window"
  // naming the control when it cannot take the focus.
  virtual void SetFocus();
  TTabOrder GetTabOrder() const;
  void SetTabOrder(TTabOrder Value);
  bool GetTabStop() const { return FTabStop; }
  void SetTabStop(bool Value) { FTabStop = Value; }
  // The focusable children below this control in tab order, depth first.
  void GetTabOrderList(TList* List);
  std::vector<TWinControl*> TabOrderList() const;
  // The next control in tab order after CurControl among this control's
  // children (wrapping around); null when none can take the focus.
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop, bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // ------------------------------------------------------- looks and bevels
  TBevelEdges GetBevelEdges() const { return FBevelEdges; }
  void SetBevelEdges(TBevelEdges Value);
  TBevelCut GetBevelInner() const { return FBevelInner; }
  void SetBevelInner(TBevelCut Value);
  TBevelCut GetBevelOuter() const { return FBevelOuter; }
  void SetBevelOuter(TBevelCut Value);
  TBevelKind GetBevelKind() const { return FBevelKind; }
  void SetBevelKind(TBevelKind Value);
  TBevelWidth GetBevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(TBevelWidth Value);
  TBorderWidth GetBorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(TBorderWidth Value);
  // Room kept between the client area's edges and the aligned children.
  TPadding* GetPadding() const { return FPadding; }
  void SetPadding(TPadding* Value) { FPadding->Assign(Value); }
  bool GetCtl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool GetParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);
  bool GetDoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  TImeMode GetImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  const TImeName& GetImeName() const { return FImeName; }
  void SetImeName(const TImeName& Value) { FImeName = Value; }
  int32_t GetWheelAccumulator() const { return FWheelAccumulator; }
  void SetWheelAccumulator(int32_t Value) { FWheelAccumulator = Value; }

  // -------------------------------------------------------------- docking
  bool GetDockSite() const { return FDockSite; }
  void SetDockSite(bool Value);
  bool GetUseDockManager() const { return FUseDockManager; }
  void SetUseDockManager(bool Value);
  // The dock tree of a dock site that uses a dock manager; null otherwise.
  TDockTree* GetDockManager() const { return FDockManager; }
  void SetDockManager(TDockTree* Value);
  int32_t GetDockClientCount() const { return static_cast<int32_t>(FDockClients.size()); }
  TControl* GetDockClients(int32_t Index) const;
  // Called on the dock site when Source is dropped on it.
  virtual void DockDrop(TDragDockObject* Source, int32_t X, int32_t Y);
  virtual void DockOver(TDragDockObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept);
  virtual void GetSiteInfo(TControl* Client, TRect& InfluenceRect, TPoint MousePos, bool& CanDock);
  virtual bool DoUnDock(TWinControl* NewTarget, TControl* Client);

  // ---------------------------------------------------------------- input
  void MouseWheelHandler(TMessage& Message);
  void WndProc(TMessage& Message) override;

  // --------------------------------------------------------------- events
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TGetSiteInfoEvent OnGetSiteInfo;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TUnDockEvent OnUnDock;

 protected:
  ~TWinControl() override = default;
  void Destroy() override;
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void SetChildOrder(TComponent* Child, int Order) override;
  void ChangeScale(int32_t M, int32_t D) override;
  void BoundsChanged() override;
  void AdjustToSize() override { Realign(); }
  TClass GetActionLinkClass() const override;

  // --------------------------------------------------------------- window
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateHandle();
  virtual void CreateWnd();
  virtual void DestroyHandle();
  virtual void DestroyWnd();
  // Pushes the cached state to a new window (text, bounds, visibility).
  virtual void InitializeWnd();
  void RecreateWnd();

  // ------------------------------------------------------------ alignment
  virtual void AlignControls(TControl* AControl, TRect& Rect);
  virtual void AdjustClientRect(TRect& Rect);
  // How much of BorderWidth lies inside the client area: all of it, but
  // for a form, whose border is part of its window frame.
  virtual int32_t InnerBorderWidth() const { return FBorderWidth; }
  void RequestAlign() override;

  // -------------------------------------------------------------- painting
  virtual void PaintWindow(HDC DC);
  // Paints the visible graphic children onto DC (in this control's client
  // coordinates), bottom first.
  void PaintControls(HDC DC, TControl* First);
  void PaintHandler(TWMPaint& Message);
  virtual void PaintBackground(HDC DC);

  // ----------------------------------------------------------------- keys
  virtual bool DoKeyDown(TWMKey& Message);
  virtual bool DoKeyPress(TWMKey& Message);
  virtual bool DoKeyUp(TWMKey& Message);
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char& Key);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  // Tab and the arrow keys move the focus (when the focused control does
  // not want them, CM_WANTSPECIALKEY); Enter and Esc go to the top-level
  // control as CM_DIALOGKEY, which every windowed control passes on to its
  // children until one answers. True when the key was used.
  virtual bool DialogKey(TWMKey& Message);
  // Offers an accelerator key (a letter or digit typed with Alt) to the
  // controls of the top-level parent (CM_DIALOGCHAR, WParam the key); true
  // when one of them took it.
  bool DialogChar(uint16_t Key);
  virtual bool DoMouseWheel(TShiftState Shift, int32_t WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void DoEnter();
  virtual void DoExit();

  // The graphic child that gets a mouse message of this control's window
  // (the captured one, or the one under the point); null when none.
  TControl* ControlForMouse(const TWMMouse& Message);
  // Puts the children read from a form file in the tab order the file
  // gave them: a file may give a control an order beyond the children read
  // so far.
  void FixupTabList();

  std::vector<TControl*> FControls;  // z-order, bottom first; windowed ones after graphic ones
  std::vector<TWinControl*> FTabList;
  // The tab order a form file gives the control, taken once its parent's
  // children are all read (FixupTabList); -1 when none is pending.
  TTabOrder FStreamedTabOrder = -1;
  std::vector<TControl*> FDockClients;
  HWND FHandle = 0;
  HWND FParentWindow = 0;
  // The widgetset class that made the window (null while there is none).
  TWSWinControl* FWSClass = nullptr;
  TBrush* FBrush = nullptr;
  void* FDefWndProc = nullptr;
  bool FTabStop = false;
  TBevelEdges FBevelEdges = {beLeft, beTop, beRight, beBottom};
  TBevelCut FBevelInner = bvRaised;
  TBevelCut FBevelOuter = bvLowered;
  TBevelKind FBevelKind = bkNone;
  TBevelWidth FBevelWidth = 1;
  TBorderWidth FBorderWidth = 0;
  TPadding* FPadding = nullptr;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  bool FDoubleBuffered = false;
  TImeMode FImeMode = imDontCare;
  TImeName FImeName;
  int32_t FWheelAccumulator = 0;
  bool FDockSite = false;
  bool FUseDockManager = false;
  TDockTree* FDockManager = nullptr;
  TControl* FMouseControl = nullptr;  // the child the mouse was last over

 private:
  friend class TControl;
  void InsertIntoTabList(TWinControl* Control);
  void AlignChildren();
  void MoveHandleUnder(TControl* AControl);
  void ChildMouseMessage(TControl* Child, TWMMouse& Message);
  void FocusMessage(TWMSetFocus& Message, bool Gained);
  // Forgets the focus a backend without windows left on this control.
  void ForgetFocus();
  void KeyMessage(TWMKey& Message);
  bool DialogCommandKey(TWMKey& Message);
  void NotifyControls(uint32_t Msg);
  // Keeps the map FindControl reads (null Control: forgets Window).
  static void RememberWindow(HWND Window, TWinControl* Control);
  bool HandleWinControlMessage(TMessage& Message);
  // Called by the children.
  void AlignControl(TControl* AControl);
  void SetZOrderOf(TControl* AControl, bool TopMost);
  void InvalidateArea(const TRect& Area);
  void AddDockClient(TControl* Client);
  void RemoveDockClient(TControl* Client);
  bool FAligning = false;
};

// ------------------------------------------------------------- TControlCanvas

// A canvas that draws on a control: on its window through a window device
// context, or, for a graphic control, on its parent's window moved to the
// control's place and clipped to its bounds, in the control's own
// coordinates. The device context is taken when drawing starts and given
// back by FreeHandle.
class TControlCanvas : public TCanvas {
  HOST_CLASS(TControlCanvas, TCanvas)
  TControlCanvas() = default;

  TControl* GetControl() const { return FControl; }
  void SetControl(TControl* Value);
  void FreeHandle();
  void UpdateTextFlags();
  // Runs Paint with the canvas drawing on DC (a paint message's or a
  // memory one), and lets DC go afterwards, also when Paint raises.
  template <class F>
  void DrawOn(HDC DC, F&& Paint) {
    FreeHandle();
    SetHandle(DC);
    try {
      Paint();
    } catch (...) {
      SetHandle(0);
      throw;
    }
    SetHandle(0);
  }

 protected:
  ~TControlCanvas() override = default;
  void Destroy() override;
  void CreateHandle() override;

 private:
  TControl* FControl = nullptr;
  HWND FWindow = 0;
  HDC FDeviceContext = 0;
};

// ------------------------------------------------------------ TGraphicControl

class TGraphicControl : public TControl {
  HOST_CLASS(TGraphicControl, TControl)
  using TCreateArg = TComponent;
  explicit TGraphicControl(TComponent* AOwner);

  TCanvas* GetCanvas() const { return FCanvas; }
  // Paints the control onto DC (its parent's, in the parent's client
  // coordinates) through its canvas.
  void PaintOn(HDC DC);

 protected:
  ~TGraphicControl() override = default;
  void Destroy() override;
  virtual void Paint() {}

 private:
  TControlCanvas* FCanvas = nullptr;
};

// ------------------------------------------------------------- TCustomControl

class TCustomControl : public TWinControl {
  HOST_CLASS(TCustomControl, TWinControl)
  using TCreateArg = TComponent;
  explicit TCustomControl(TComponent* AOwner);

  TCanvas* GetCanvas() const { return FCanvas; }

 protected:
  ~TCustomControl() override = default;
  void Destroy() override;
  void PaintWindow(HDC DC) override;
  virtual void Paint() {}

 private:
  TControlCanvas* FCanvas = nullptr;
};

// The control whose window Window is; null for a window of no control.
TWinControl* FindControl(HWND Window);
// The control at a screen point: the windowed control whose window is
// there, or its graphic child under the point.
TControl* FindDragTarget(const TPoint& Pos, bool AllowDisabled);

}  // namespace host
