// TControl: what every control has, windowed or not — bounds, alignment
// and anchors, size constraints, visibility, text, colour and font taken
// from the parent, hints, cursor, popup menu, an action, mouse input with
// clicks and capture, drag and drop and docking; with its size
// constraints and its action link.
//
// A control keeps all its state itself. Input arrives as messages
// (wsmessages.h, the CM_ messages of controltypes.h) through Dispatch /
// WndProc, whether a backend, the test robot or Perform sent them, and
// the control turns them into its events.
//
// Bad input raises and changes nothing: a size below zero or above
// MaxControlSize raises EInvalidOperation naming the control.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "host/actnlist/action.h"
#include "host/classes/component.h"
#include "host/controls/controltypes.h"
#include "host/graphics/colors.h"
#include "host/widgetset/wstypes.h"

namespace host {

class TFont;
class TPopupMenu;
class TCanvas;
class TControl;
class TWinControl;
class TDragObject;
class TDragDockObject;

// The largest width or height a control takes.
inline constexpr int32_t MaxControlSize = 1 << 24;

// ------------------------------------------------------------ TSizeConstraints

// Limits of a control's size; 0 means no limit. Changing a limit fires
// OnChange and makes the control fit it.
class TSizeConstraints : public TPersistent {
  HOST_CLASS(TSizeConstraints, TPersistent)
  using TCreateArg = TControl;

  explicit TSizeConstraints(TControl* Control) : FControl(Control) {}
  void Assign(TPersistent* Source) override;

  TControl* GetControl() const { return FControl; }
  int32_t GetMaxHeight() const { return FMaxHeight; }
  int32_t GetMaxWidth() const { return FMaxWidth; }
  int32_t GetMinHeight() const { return FMinHeight; }
  int32_t GetMinWidth() const { return FMinWidth; }
  // Negative limits raise EInvalidOperation; a maximum below the minimum
  // takes the minimum (and the other way round).
  void SetMaxHeight(int32_t Value);
  void SetMaxWidth(int32_t Value);
  void SetMinHeight(int32_t Value);
  void SetMinWidth(int32_t Value);

  TNotifyEvent OnChange;

 protected:
  ~TSizeConstraints() override = default;
  virtual void Change();

 private:
  void SetLimit(int32_t& Field, int32_t Value, int32_t* Other, bool OtherIsMax);
  TControl* FControl;
  int32_t FMaxHeight = 0, FMaxWidth = 0, FMinHeight = 0, FMinWidth = 0;
};

// ------------------------------------------------------------------ TMargins

// The room an aligned control keeps around itself when its AlignWithMargins
// is set: 3 pixels a side unless told otherwise.
class TMargins : public TPersistent {
  HOST_CLASS(TMargins, TPersistent)
  using TCreateArg = TControl;

  explicit TMargins(TControl* Control) : TMargins(Control, 3) {}
  void Assign(TPersistent* Source) override;
  TPersistent* GetOwner() override;

  TControl* GetControl() const { return FControl; }
  int32_t GetLeft() const { return FLeft; }
  int32_t GetTop() const { return FTop; }
  int32_t GetRight() const { return FRight; }
  int32_t GetBottom() const { return FBottom; }
  // A negative side raises EInvalidOperation and changes nothing.
  void SetLeft(int32_t Value) { SetSide(FLeft, Value); }
  void SetTop(int32_t Value) { SetSide(FTop, Value); }
  void SetRight(int32_t Value) { SetSide(FRight, Value); }
  void SetBottom(int32_t Value) { SetSide(FBottom, Value); }
  // All four sides at once: one change.
  void SetBounds(int32_t ALeft, int32_t ATop, int32_t ARight, int32_t ABottom);

  TNotifyEvent OnChange;

 protected:
  TMargins(TControl* Control, int32_t Side) : FControl(Control), FLeft(Side), FTop(Side), FRight(Side), FBottom(Side) {}
  ~TMargins() override = default;
  // The control aligns its children again (the parent its siblings, for
  // margins; the control itself, for padding).
  virtual void Change();

 private:
  void CheckSide(int32_t Value) const;
  void SetSide(int32_t& Field, int32_t Value);
  TControl* FControl;
  int32_t FLeft, FTop, FRight, FBottom;
};

// The room a windowed control keeps inside its client area, between its
// edges and its aligned children: none unless told otherwise.
class TPadding : public TMargins {
  HOST_CLASS(TPadding, TMargins)
  using TCreateArg = TControl;

  explicit TPadding(TControl* Control) : TMargins(Control, 0) {}

 protected:
  ~TPadding() override = default;
  void Change() override;
};

// ---------------------------------------------------------- TControlActionLink

// Brings an action's caption, enabled, hint, visible, help context and
// OnExecute to a control.
class TControlActionLink : public TActionLink {
  HOST_CLASS(TControlActionLink, TActionLink)
  using TCreateArg = TObject;

  explicit TControlActionLink(TObject* AClient);
  TControl* GetClient() const { return FClient; }

  bool IsCaptionLinked() override;
  bool IsEnabledLinked() override;
  bool IsHintLinked() override;
  bool IsHelpContextLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;

 protected:
  ~TControlActionLink() override = default;
  void SetCaption(const std::string& Value) override;
  void SetEnabled(bool Value) override;
  void SetHint(const std::string& Value) override;
  void SetHelpContext(THelpContext Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(TNotifyEvent Value) override;

  TControl* FClient;
};

// -------------------------------------------------------------------- TControl

class TControl : public TComponent {
  HOST_CLASS(TControl, TComponent)
  using TCreateArg = TComponent;

  explicit TControl(TComponent* AOwner);

  // ------------------------------------------------------------- parent
  TWinControl* GetParent() const { return FParent; }
  // Moves the control into AParent's controls (null: out of any). Raises
  // EInvalidOperation when AParent is the control itself or one of its own
  // controls, or does not accept controls.
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() override { return true; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;

  // ------------------------------------------------------------- bounds
  int32_t GetLeft() const { return FLeft; }
  int32_t GetTop() const { return FTop; }
  int32_t GetWidth() const { return FWidth; }
  int32_t GetHeight() const { return FHeight; }
  void SetLeft(int32_t Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int32_t Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int32_t Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int32_t Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Moves and sizes the control: the size passes the constraints and
  // OnCanResize first; a change fires OnResize and realigns the parent.
  virtual void SetBounds(int32_t ALeft, int32_t ATop, int32_t AWidth, int32_t AHeight);
  TRect GetBoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& Rect) { SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()); }
  virtual TRect GetClientRect();
  int32_t GetClientWidth() { return GetClientRect().Width(); }
  int32_t GetClientHeight() { return GetClientRect().Height(); }
  void SetClientWidth(int32_t Value);
  void SetClientHeight(int32_t Value);
  // The screen position of the client area's top-left corner.
  virtual TPoint GetClientOrigin();
  TPoint ClientToScreen(TPoint Point);
  TPoint ScreenToClient(TPoint Point);

  TAlign GetAlign() const { return FAlign; }
  // Neither aligned nor anchored other than to the top left: where such a
  // control is does not move its siblings.
  bool IsFreelyPlaced() const { return FAlign == alNone && FAnchors == TAnchors{akLeft, akTop}; }
  void SetAlign(TAlign Value);
  TAnchors GetAnchors() const { return FAnchors; }
  void SetAnchors(TAnchors Value);
  TSizeConstraints* GetConstraints() const { return FConstraints; }
  void SetConstraints(TSizeConstraints* Value) { FConstraints->Assign(Value); }
  // With AlignWithMargins set, an aligned control keeps its Margins clear
  // around it; the margins do nothing otherwise.
  TMargins* GetMargins() const { return FMargins; }
  void SetMargins(TMargins* Value) { FMargins->Assign(Value); }
  bool GetAlignWithMargins() const { return FAlignWithMargins; }
  void SetAlignWithMargins(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  virtual void SetAutoSize(bool Value);

  // --------------------------------------------------- visibility and state
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  // Virtual so that code holding any control shows a form as a form (it
  // also comes to the front and takes the focus).
  virtual void Show();
  virtual void Hide() { SetVisible(false); }
  virtual bool GetEnabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);
  TControlState GetControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }
  TControlStyle GetControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TScalingFlags GetScalingFlags() const { return FScalingFlags; }
  void SetScalingFlags(TScalingFlags Value) { FScalingFlags = Value; }
  bool GetIsControl() const { return FIsControl; }
  void SetIsControl(bool Value) { FIsControl = Value; }

  // ------------------------------------------------------- text and looks
  // Caption and Text are the same text; a change sends CM_TEXTCHANGED.
  // Virtual so that a control whose text means more (a combo box selects
  // the item with that text) sees every write, generic ones included.
  std::string GetText() const { return FText; }
  virtual void SetText(const std::string& Value);
  std::string GetCaption() const { return FText; }
  void SetCaption(const std::string& Value) { SetText(Value); }
  int32_t GetTextLen() const { return static_cast<int32_t>(FText.size()); }
  // Copies up to BufSize - 1 characters and a terminating zero into Buffer;
  // returns the characters copied.
  int32_t GetTextBuf(char* Buffer, int32_t BufSize) const;
  void SetTextBuf(const char* Buffer) { SetText(Buffer ? Buffer : ""); }
  // The text as a zero-terminated buffer the control owns (valid until the
  // text changes); setting it copies from the address.
  const char* GetWindowText() const { return FText.c_str(); }
  void SetWindowText(const char* Value) { SetTextBuf(Value); }

  TColor GetColor() const { return FColor; }
  void SetColor(TColor Value);
  bool GetParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TFont* GetFont() const { return FFont; }
  void SetFont(TFont* Value);
  bool GetParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  bool GetDesktopFont() const { return FDesktopFont; }
  void SetDesktopFont(bool Value);
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  bool UseRightToLeftScrollBar() const { return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign; }
  int32_t DrawTextBiDiModeFlags(int32_t Flags) const;
  int32_t DrawTextBiDiModeFlagsReadingOnly() const;
  TAlignment GetControlsAlignment() const { return taLeftJustify; }

  const std::string& GetHint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool GetShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool GetParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TCursor GetCursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TPopupMenu* GetPopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);
  int32_t GetHelpContext() const { return FHelpContext; }
  void SetHelpContext(int32_t Value) { FHelpContext = Value; }

  // --------------------------------------------------------------- action
  TBasicAction* GetAction() const;
  void SetAction(TBasicAction* Value);
  TControlActionLink* GetActionLink() const { return FActionLink; }
  void SetActionLink(TControlActionLink* Value) { FActionLink = Value; }
  void InitiateAction();

  // ------------------------------------------------------------ z-order
  void BringToFront();
  void SendToBack();

  // ---------------------------------------------------- painting, messages
  virtual void Invalidate();
  virtual void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  // Sends a message to the control's WndProc and returns its Result. The
  // record built depends on Msg: mouse messages take the MK_ keys in WParam
  // and the position in LParam (x in the low, y in the high 16 bits), key
  // messages the key in WParam; any other message travels as TWMGeneric.
  int64_t Perform(uint32_t Msg, int64_t WParam, int64_t LParam);
  void Dispatch(void* Message) override;
  virtual void WndProc(TMessage& Message);

  // ---------------------------------------------------------------- mouse
  bool GetMouseCapture() const;
  void SetMouseCapture(bool Value);
  virtual void Click();
  virtual void DblClick();

  // -------------------------------------------------------- drag and drop
  TDragMode GetDragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind GetDragKind() const { return FDragKind; }
  void SetDragKind(TDragKind Value) { FDragKind = Value; }
  TCursor GetDragCursor() const { return FDragCursor; }
  void SetDragCursor(TCursor Value) { FDragCursor = Value; }
  // Starts dragging the control: at once when Immediate, otherwise once the
  // mouse has moved Threshold pixels (-1: Mouse's DragThreshold).
  void BeginDrag(bool Immediate, int32_t Threshold = -1);
  // Ends the drag of this control: dropped on the target when Drop and the
  // target accepts, cancelled otherwise.
  void EndDrag(bool Drop);
  bool Dragging() const;
  // Called by the drag machinery on the target.
  virtual void DragDrop(TObject* Source, int32_t X, int32_t Y);
  virtual void DragOver(TObject* Source, int32_t X, int32_t Y, TDragState State, bool& Accept);
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DoEndDrag(TObject* Target, int32_t X, int32_t Y);
  virtual void DoStartDock(TDragDockObject*& DragObject);
  virtual void DoEndDock(TObject* Target, int32_t X, int32_t Y);

  // -------------------------------------------------------------- docking
  TWinControl* GetHostDockSite() const { return FHostDockSite; }
  void SetHostDockSite(TWinControl* Value);
  bool GetFloating() const;
  TClass GetFloatingDockSiteClass() const { return FFloatingDockSiteClass; }
  void SetFloatingDockSiteClass(TClass Value) { FFloatingDockSiteClass = Value; }
  TDockOrientation GetDockOrientation() const { return FDockOrientation; }
  void SetDockOrientation(TDockOrientation Value) { FDockOrientation = Value; }
  int32_t GetLRDockWidth() const { return FLRDockWidth >= 0 ? FLRDockWidth : FWidth; }
  void SetLRDockWidth(int32_t Value) { FLRDockWidth = Value; }
  int32_t GetTBDockHeight() const { return FTBDockHeight >= 0 ? FTBDockHeight : FHeight; }
  void SetTBDockHeight(int32_t Value) { FTBDockHeight = Value; }
  int32_t GetUndockWidth() const { return FUndockWidth >= 0 ? FUndockWidth : FWidth; }
  void SetUndockWidth(int32_t Value) { FUndockWidth = Value; }
  int32_t GetUndockHeight() const { return FUndockHeight >= 0 ? FUndockHeight : FHeight; }
  void SetUndockHeight(int32_t Value) { FUndockHeight = Value; }
  // Docks the control into NewDockSite (which must be a dock site; null
  // floats it) next to DropControl on ControlSide. Returns whether it moved.
  bool ManualDock(TWinControl* NewDockSite, TControl* DropControl = nullptr, TAlign ControlSide = alNone);
  // Takes the control out of its dock site and puts it at ScreenPos.
  bool ManualFloat(const TRect& ScreenPos);
  bool ReplaceDockedControl(TControl* Control, TWinControl* NewDockSite, TControl* DropControl, TAlign ControlSide);
  // Moves the control into NewDockSite with ARect as its bounds there.
  virtual void Dock(TWinControl* NewDockSite, const TRect& ARect);

  // A flag that turns false when the control is freed: code that runs
  // handlers able to free the control checks it before touching it again.
  std::shared_ptr<const bool> AliveFlag();

  // --------------------------------------------------------------- events
  TCanResizeEvent OnCanResize;
  TConstrainedResizeEvent OnConstrainedResize;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TDragDropEvent OnDragDrop;
  TDragOverEvent OnDragOver;
  TEndDragEvent OnEndDock;
  TEndDragEvent OnEndDrag;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnResize;
  TStartDockEvent OnStartDock;
  TStartDragEvent OnStartDrag;

 protected:
  ~TControl() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // A control acts only on the removal of components it is linked to (its
  // pop-up menu, its action, a label's focus control: each linked through
  // FreeNotification), so its owner does not tell it about every sibling
  // that comes and goes — a form of thousands of controls stays linear.
  TNoticeScope NoticeScope() const override { return nsLinkedRemovals; }
  void Loaded() override;
  void ReadState(TReader* Reader) override;
  void AssignTo(TPersistent* Dest) override;

  // Geometry steps of SetBounds; a windowed control moves its window.
  virtual void BoundsChanged();
  // The size changed, OnResize is next: a windowed control realigns the
  // controls in it, so OnResize sees them placed.
  virtual void AdjustToSize() {}
  virtual bool CanResize(int32_t& NewWidth, int32_t& NewHeight);
  virtual bool CanAutoSize(int32_t& NewWidth, int32_t& NewHeight);
  virtual void ConstrainedResize(int32_t& MinWidth, int32_t& MinHeight, int32_t& MaxWidth, int32_t& MaxHeight);
  void DoConstraints(int32_t& Width, int32_t& Height);
  virtual void Resize();
  virtual void RequestAlign();
  void AdjustSize();
  // The anchor distances to the parent's client edges, taken when the
  // control is placed or its anchors change and kept as the parent resizes.
  void UpdateAnchorRules();
  virtual void VisibleChanging() {}
  virtual void ChangeScale(int32_t M, int32_t D);
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  virtual TClass GetActionLinkClass() const;
  virtual void FontChanged(TObject* Sender);

  // Input turned into events.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
  virtual void MouseMove(TShiftState Shift, int32_t X, int32_t Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int32_t X, int32_t Y);
  // The mouse and control messages a control handles itself; false for the
  // others.
  bool HandleMouseMessage(TMessage& Message);
  bool HandleControlMessage(TMessage& Message);

  TCanvas* GetControlCanvas() const { return nullptr; }
  void SendCancelMode(TControl* Sender);
  void ContextPopup(TPoint Pos);

  TWinControl* FParent = nullptr;
  int32_t FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
  TAlign FAlign = alNone;
  TAnchors FAnchors = {akLeft, akTop};
  TPoint FAnchorRules;  // right and bottom distances kept for akRight / akBottom
  TPoint FOriginalParentSize;
  TSizeConstraints* FConstraints = nullptr;
  TMargins* FMargins = nullptr;
  bool FAlignWithMargins = false;
  bool FAutoSize = false;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FText;
  TColor FColor = clWindow;
  TFont* FFont = nullptr;
  bool FParentColor = true;
  bool FParentFont = true;
  bool FDesktopFont = false;
  bool FParentShowHint = true;
  bool FShowHint = false;
  bool FParentBiDiMode = true;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FIsControl = false;
  std::string FHint;
  TCursor FCursor = crDefault;
  TPopupMenu* FPopupMenu = nullptr;
  int32_t FHelpContext = 0;
  TControlActionLink* FActionLink = nullptr;
  TControlState FControlState;
  TControlStyle FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TScalingFlags FScalingFlags;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TCursor FDragCursor = crDrag;
  TWinControl* FHostDockSite = nullptr;
  TClass FFloatingDockSiteClass = nullptr;
  TDockOrientation FDockOrientation = doNoOrient;
  int32_t FLRDockWidth = -1, FTBDockHeight = -1, FUndockWidth = -1, FUndockHeight = -1;
  int32_t FAlignLevel = 0;
  std::shared_ptr<bool> FAlive;

 private:
  friend class TWinControl;
  friend class TSizeConstraints;
  friend class TMargins;
  friend class TControlActionLink;
  void CheckSize(int32_t AWidth, int32_t AHeight) const;
  void DoActionChange(TObject* Sender) { ActionChange(Sender, false); }
  void ParentColorChanged();
  void ParentFontChanged();
  void ParentShowHintChanged();
};

// A control's name for messages: its name, or its class name when it has none.
std::string ControlDisplayName(const TControl* Control);

// The control holding the mouse capture (set by SetMouseCapture and the
// drag machinery); null when none.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

// How the messages a widgetset delivers (Dispatch) reach a control while an
// application object exists: the application installs its delivery here
// (its message hooks, key preview, focus tracking, and, while one of its
// message loops runs, the reporting of an exception a handler raises).
// Null: Dispatch calls WndProc and an exception propagates to whoever
// delivered the message.
using TApplicationHandleMessage = void (*)(TControl* Receiver, TMessage& Message);
extern TApplicationHandleMessage ApplicationHandleMessage;

}  // namespace host
