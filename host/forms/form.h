// Forms: TCustomForm (a top-level windowed control with a caption, a
// border, a menu, an active control, modal showing and closing), TForm
// (the form of form files, which publishes it all), TCustomActiveForm (a
// form meant to be embedded as a control elsewhere) and TCustomDockForm
// (the floating form a docked control lives in).
//
// Layout: a form class whose layout was registered (RegisterFormLayout)
// reads it into itself when created, after its C++ construction: its own
// published properties and its child components come from the layout text,
// ancestors' layouts first (the classic inherited reading). CreateNew
// makes a form without reading any layout.
//
// Showing: Show makes the form visible, brings it to the front and gives
// the focus to its ActiveControl (or its first control in tab order, or
// itself). ShowModal shows it and runs a modal loop on the widgetset's
// WaitMessage until ModalResult is set (a button with a ModalResult, Enter
// on the default button, Esc on the cancel button, or code); the other
// forms are disabled meanwhile. Close asks OnCloseQuery, then OnClose's
// Action decides: caNone keeps the form, caHide hides it, caMinimize
// minimises it, caFree releases it (freed later, through a posted
// message). Closing the application's main form terminates the application.
//
// Bad input raises EInvalidOperation and changes nothing: ShowModal on a
// visible, disabled or already modal form ("Cannot make a visible window
// modal"), a modal loop nobody can end, showing a form that is being
// destroyed, changing Visible in OnShow or OnHide, an ActiveControl that is
// not a focusable control of the form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/forms/formtypes.h"
#include "host/forms/scrolling.h"

namespace host {

class TMainMenu;
class TMenuItem;
class TIcon;
class TBitmap;
class TMonitor;

// What the form designer attaches to a form it designs.
class IDesignerHook : public IUnknown {
 public:
  static constexpr TGUID IID{0x1E431DA5, 0x2BEA, 0x4DE7, {0xA3, 0x30, 0xCC, 0x45, 0xFD, 0x2F, 0xB1, 0xEC}};

 protected:
  ~IDesignerHook() = default;
};

// What an embedding (OLE) container attaches to a form it shows.
class IOleForm : public IUnknown {
 public:
  static constexpr TGUID IID{0xCD02E1C1, 0x52DA, 0x11D0, {0x9E, 0xA6, 0x00, 0x20, 0xAF, 0x3D, 0x82, 0xDA}};

 protected:
  ~IOleForm() = default;
};

// ----------------------------------------------------------------- TCustomForm

class TCustomForm : public TScrollingWinControl {
  HOST_CLASS(TCustomForm, TScrollingWinControl)
  using TCreateArg = TComponent;

  // Creates the form and (in AfterConstruction) reads its layout.
  explicit TCustomForm(TComponent* AOwner);
  // The classic CreateNew: a form of class FormClass (a form class) made
  // without reading any layout. Raises EInvalidOperation for a class that
  // is no form class or cannot be created.
  static TCustomForm* CreateNew(TClass FormClass, TComponent* AOwner, int32_t Dummy = 0);

  // --------------------------------------------------------- show and close
  // A form shows itself, comes to the front and takes the focus.
  void Show() override;
  void Hide() override;
  // Runs the modal loop; returns the ModalResult that ended it.
  TModalResult ShowModal();
  void Close();
  // OnCloseQuery's answer (true without a handler).
  bool CloseQuery();
  // Frees the form once the messages now pending are delivered.
  void Release();
  TModalResult GetModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  TFormState GetFormState() const { return FFormState; }

  // ----------------------------------------------------------------- focus
  bool GetActive() const { return FActive; }
  TWinControl* GetActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Makes Control the active control and activates the form.
  void FocusControl(TWinControl* Control);
  // Forgets Control (and what lies in it) as the active control; with
  // Removing, without moving the focus (Control is going away).
  void DefocusControl(TWinControl* Control, bool Removing);
  // Called when Control (this form or a control of it) got the focus:
  // records it, activates the form and tells the screen. False when
  // Control does not belong to the form.
  bool SetFocusedControl(TWinControl* Control);
  TWinControl* GetActiveOleControl() const { return FActiveOleControl; }
  void SetActiveOleControl(TWinControl* Value);
  void SendCancelMode(TControl* Sender);

  // -------------------------------------------------------------- keys
  bool GetKeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // Offers a key to OnShortCut, the Menu and the form's action lists; true
  // when one of them used it.
  bool IsShortCut(TWMKey& Message);
  // Whether the form wants a key of Child before Child sees it; a plain
  // form wants none.
  virtual bool WantChildKey(TControl* Child, TMessage& Message);
  // With KeyPreview, gives the form a key message of one of its controls
  // first (OnKeyDown, OnKeyPress, OnKeyUp); true when the form used it up.
  bool PreviewKey(TWMKey& Message);

  // ------------------------------------------------------------- looks
  TFormBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons GetBorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TFormStyle GetFormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle Value);
  TPosition GetPosition() const { return FPosition; }
  void SetPosition(TPosition Value);
  TWindowState GetWindowState() const { return FWindowState; }
  void SetWindowState(TWindowState Value);
  TIcon* GetIcon() const { return FIcon; }
  void SetIcon(TIcon* Value);
  TMainMenu* GetMenu() const { return FMenu; }
  void SetMenu(TMainMenu* Value);
  TMenuItem* GetWindowMenu() const { return FWindowMenu; }
  void SetWindowMenu(TMenuItem* Value);
  TMenuItem* GetObjectMenuItem() const { return FObjectMenuItem; }
  void SetObjectMenuItem(TMenuItem* Value);
  TCanvas* GetCanvas() const { return FCanvas; }

  // ----------------------------------------------------------- window frame
  // The window frame around the client area, each side's thickness: the
  // border and title bar the classic window manager gives BorderStyle, the
  // menu bar when the form has a Menu, and BorderWidth. A form inside a
  // parent has its BorderWidth only. Width and Height are the outer size.
  TRect GetFrameExtents() const;
  TRect GetClientRect() override;
  TPoint GetClientOrigin() override;
  // A client size read from a form file is taken once the form is loaded,
  // when its menu and frame are known, as the classic form does.
  void SetClientWidth(int32_t Value);
  void SetClientHeight(int32_t Value);

  std::string GetHelpFile() const { return FHelpFile; }
  void SetHelpFile(const std::string& Value) { FHelpFile = Value; }
  int32_t GetPixelsPerInch() const { return FPixelsPerInch; }
  void SetPixelsPerInch(int32_t Value);
  bool GetScaled() const { return FScaled; }
  void SetScaled(bool Value) { FScaled = Value; }
  bool GetOldCreateOrder() const { return FOldCreateOrder; }
  void SetOldCreateOrder(bool Value) { FOldCreateOrder = Value; }
  TPrintScale GetPrintScale() const { return FPrintScale; }
  void SetPrintScale(TPrintScale Value);
  TDefaultMonitor GetDefaultMonitor() const { return FDefaultMonitor; }
  void SetDefaultMonitor(TDefaultMonitor Value);
  TTileMode GetTileMode() const { return FTileMode; }
  void SetTileMode(TTileMode Value);
  bool GetDropTarget() const { return FDropTarget; }
  void SetDropTarget(bool Value) { FDropTarget = Value; }
  // The monitor the form shows on.
  TMonitor* GetMonitor() const;
  // The MDI client window: none here (0).
  HWND GetClientHandle() const { return 0; }

  // ------------------------------------------------------------------ MDI
  // The MDI children of an fsMDIForm: the screen's fsMDIChild forms.
  TCustomForm* GetActiveMDIChild() const;
  int32_t GetMDIChildCount() const;
  // Raises EListError "List index out of bounds (<I>)" outside 0..Count-1.
  TCustomForm* GetMDIChildren(int32_t I) const;

  // ------------------------------------------------------------- interfaces
  IDesignerHook* GetDesigner() const { return FDesigner; }
  void SetDesigner(IDesignerHook* Value);
  IOleForm* GetOleFormObject() const { return FOleFormObject; }
  void SetOleFormObject(IOleForm* Value);

  // ---------------------------------------------------------------- images
  // The form's client area as a new bitmap (the caller frees it).
  TBitmap* GetFormImage();
  // Prints the form's image; there is no printer here, so it goes nowhere.
  void Print();

  // ------------------------------------------------------------------ help
  // Fires OnHelp; its answer (false without a handler).
  bool DoHelp(uint16_t Command, int32_t Data, bool& CallHelp);

  void AfterConstruction() override;
  void BeforeDestruction() override;
  void WndProc(TMessage& Message) override;

  // ---------------------------------------------------------------- events
  TNotifyEvent OnActivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnCreate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnDestroy;
  THelpEvent OnHelp;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TShortCutEvent OnShortCut;
  TNotifyEvent OnShow;

 protected:
  // The classic CreateNew for derived classes' constructors: no layout.
  TCustomForm(TComponent* AOwner, int32_t Dummy);
  ~TCustomForm() override = default;
  void Destroy() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  void VisibleChanging() override;
  void PaintWindow(HDC DC) override;
  // A top-level window framed as BorderStyle and BorderIcons say; the
  // window is the client area, the widgetset draws the frame.
  void CreateParams(TCreateParams& Params) override;
  void BoundsChanged() override;
  int32_t InnerBorderWidth() const override { return 0; }
  // The window made shows Menu as its menu bar.
  void InitializeWnd() override;

  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& Action);
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoCreate();
  virtual void DoDestroy();
  virtual void Paint();
  // Ends a modal loop whose ModalResult was set: asks CloseQuery and
  // OnClose; caNone keeps the loop running.
  void CloseModal();
  // Moves the focus into the form: the active control, the first control
  // in tab order, or the form itself.
  void SetWindowFocus();

 private:
  friend class TScreen;
  void Init();
  void ReadLayout();
  // Runs a step of the form's own life (OnCreate, OnDestroy, OnShow,
  // OnHide): an exception it raises goes to the application's handling
  // (dropped without an application), so the form's state stays whole.
  void RunReported(void (TCustomForm::*Step)());
  void PlaceOnShow();
  void VisibleChanged(bool Visible);
  bool RunModalLoop();
  void SetActive(bool Value);

  TModalResult FModalResult = mrNone;
  TFormState FFormState;
  bool FActive = false;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  TWinControl* FActiveOleControl = nullptr;
  bool FKeyPreview = false;
  void UpdateWindowStyle();
  // The frame changed: the window takes the new client area, the children
  // align to it.
  void FrameChanged();
  // The client area on the screen.
  TRect WindowRect();
  // A form read with its outer size keeps the frame its file was made with
  // (the title bar of the machine that wrote it), when its aligned children
  // tell the client size they were laid out in.
  void TakeFileFrame();
  void UpdateWindowMenu();
  void UpdateWindowIcon();
  void IconChanged(TObject* Sender);
  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons = {biSystemMenu, biMinimize, biMaximize};
  TFormStyle FFormStyle = fsNormal;
  TPosition FPosition = poDesigned;
  TWindowState FWindowState = wsNormal;
  TRect FRestoreBounds;
  TIcon* FIcon = nullptr;
  TMainMenu* FMenu = nullptr;
  TMenuItem* FWindowMenu = nullptr;
  TMenuItem* FObjectMenuItem = nullptr;
  TControlCanvas* FCanvas = nullptr;
  std::string FHelpFile;
  int32_t FPixelsPerInch = 96;
  bool FScaled = true;
  bool FOldCreateOrder = false;
  TPrintScale FPrintScale = poProportional;
  TDefaultMonitor FDefaultMonitor = dmActiveForm;
  TTileMode FTileMode = tbHorizontal;
  bool FDropTarget = false;
  bool FPlaced = false;
  bool FSkipLayout = false;
  std::optional<TRect> FFileFrame;   // the frame TakeFileFrame found
  std::optional<int32_t> FReadClientWidth, FReadClientHeight;
  IDesignerHook* FDesigner = nullptr;
  IOleForm* FOleFormObject = nullptr;
};

// ----------------------------------------------------------------------- TForm

class TForm : public TCustomForm {
  HOST_CLASS(TForm, TCustomForm)
  using TCreateArg = TComponent;
  explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}

  // The MDI commands of an fsMDIForm (nothing for another form): arrange
  // the minimised children, cascade or tile the children, activate the
  // next or previous child.
  void ArrangeIcons();
  void Cascade();
  void Next();
  void Previous();
  void Tile();

 protected:
  TForm(TComponent* AOwner, int32_t Dummy) : TCustomForm(AOwner, Dummy) {}
  ~TForm() override = default;

 private:
  void ActivateChild(int Step);
};

// ----------------------------------------------------------- TCustomActiveForm

// A form embedded as a control in another program's window: no border of
// its own, and a border style for the embedding (AxBorderStyle).
class TCustomActiveForm : public TCustomForm {
  HOST_CLASS(TCustomActiveForm, TCustomForm)
  using TCreateArg = TComponent;
  explicit TCustomActiveForm(TComponent* AOwner);

  TActiveFormBorderStyle GetAxBorderStyle() const { return FAxBorderStyle; }
  // Raises EInvalidOperation for a value outside the enumeration.
  void SetAxBorderStyle(TActiveFormBorderStyle Value);

 protected:
  ~TCustomActiveForm() override = default;

 private:
  TActiveFormBorderStyle FAxBorderStyle = afbNone;
};

// ------------------------------------------------------------- TCustomDockForm

// The floating form a dockable control lives in while undocked: a tool
// window that is a dock site with a dock manager, and hides when its last
// docked control leaves.
class TCustomDockForm : public TCustomForm {
  HOST_CLASS(TCustomDockForm, TCustomForm)
  using TCreateArg = TComponent;
  explicit TCustomDockForm(TComponent* AOwner);

 protected:
  ~TCustomDockForm() override = default;
  bool DoUnDock(TWinControl* NewTarget, TControl* Client) override;
};

// The form Control lies on (Control itself when it is a form); null when none.
TCustomForm* GetParentForm(TControl* Control);
// The same, raising EInvalidOperation "Control '%s' has no parent form"
// when there is none.
TCustomForm* ValidParentForm(TControl* Control);

// Layouts of form classes: the form text (`object Form1: TForm1 ... end`)
// a form of FormClass reads when created. Raises EParserError for a text
// that does not parse, EInvalidOperation for a class that is no form class;
// a new layout replaces the old one.
void RegisterFormLayout(TClass FormClass, std::string_view FormText);
// The same from a form file in any format (text, binary or resource), as a
// program reads the form files it ships beside itself. Raises EFOpenError
// when the file cannot be opened and, naming the file, EParserError for a
// text that does not parse and EReadError for a file that holds no form;
// the old layout stays then. A binary form is checked when a form reads it.
void RegisterFormLayoutFile(TClass FormClass, const std::string& FileName);
void UnregisterFormLayout(TClass FormClass);
bool HasFormLayout(TClass FormClass);

}  // namespace host
